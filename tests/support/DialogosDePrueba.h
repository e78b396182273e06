#pragma once
// File and colour dialogs that answer what the test prepared and remember what they
// were asked.
#include <optional>
#include <string>
#include <vector>

#include "plataforma/Dialogos.h"

namespace velistra::prueba {

class DialogosDePrueba final : public Dialogos {
public:
    struct Peticion {
        std::vector<FiltroDeArchivos> filtros;
        std::string extension;
    };

    std::optional<std::string> NombreParaAbrir(const std::vector<FiltroDeArchivos>& filtros,
                                               const std::string& extension) override {
        aperturas.push_back({filtros, extension});
        return paraAbrir;
    }
    std::optional<std::string> NombreParaGuardar(const std::vector<FiltroDeArchivos>& filtros,
                                                 const std::string& extension) override {
        guardados.push_back({filtros, extension});
        return paraGuardar;
    }
    std::optional<Color> EligeColor(Color inicial, std::array<Color, 16>&) override {
        coloresIniciales.push_back(inicial);
        return color;
    }

    // Answers; nothing means the user cancelled.
    std::optional<std::string> paraAbrir;
    std::optional<std::string> paraGuardar;
    std::optional<Color> color;

    std::vector<Peticion> aperturas;
    std::vector<Peticion> guardados;
    std::vector<Color> coloresIniciales;
};

}  // namespace velistra::prueba
