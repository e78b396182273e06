#pragma once
#include <optional>
#include <string>

#include "plataforma/Dialogos.h"

namespace velistra::consola {

// The file names come from the command line instead of a dialog, so loading and saving
// go through the very code the window uses, messages included.
class DialogosDeConsola final : public Dialogos {
public:
    void ArchivoParaAbrir(std::string ruta) { abrir = std::move(ruta); }
    void ArchivoParaGuardar(std::string ruta) { guardar = std::move(ruta); }

    std::optional<std::string> NombreParaAbrir(const std::vector<FiltroDeArchivos>&,
                                               const std::string&) override {
        return abrir;
    }
    std::optional<std::string> NombreParaGuardar(const std::vector<FiltroDeArchivos>&,
                                                 const std::string&) override {
        return guardar;
    }
    std::optional<Color> EligeColor(Color, std::array<Color, 16>&) override { return std::nullopt; }

private:
    std::optional<std::string> abrir;
    std::optional<std::string> guardar;
};

}  // namespace velistra::consola
