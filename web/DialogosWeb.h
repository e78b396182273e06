#pragma once
// The file and colour choosers as the page's dialogs. A file chosen to open is copied
// into the page's file system first; a name chosen to save under is a file there that
// the page hands to the browser as a download once the core has written it.
#include "plataforma/Dialogos.h"

namespace velistra {

class DialogosWeb final : public Dialogos {
public:
    // Where opened files are put and saved files are written.
    static constexpr const char* kCarpeta = "/archivos";

    std::optional<std::string> NombreParaAbrir(const std::vector<FiltroDeArchivos>& filtros,
                                               const std::string& extension) override;
    std::optional<std::string> NombreParaGuardar(const std::vector<FiltroDeArchivos>& filtros,
                                                 const std::string& extension) override;
    std::optional<Color> EligeColor(Color inicial, std::array<Color, 16>& personalizados) override;

    // The file the circuit belongs to, whose name the save dialog proposes.
    void Propuesto(const std::string& archivo) { propuesto = archivo; }

private:
    std::string propuesto;
};

}  // namespace velistra
