#pragma once
// File and colour choosers. Each answers nothing when the user cancels.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "plataforma/Lienzo.h"

namespace velistra {

struct FiltroDeArchivos {
    std::string descripcion;  // "Archivos conocidos (*.txt)"
    std::string patron;       // "*.txt"
};

class Dialogos {
public:
    virtual ~Dialogos() = default;
    virtual std::optional<std::string> NombreParaAbrir(const std::vector<FiltroDeArchivos>& filtros,
                                                       const std::string& extension) = 0;
    virtual std::optional<std::string> NombreParaGuardar(const std::vector<FiltroDeArchivos>& filtros,
                                                         const std::string& extension) = 0;
    // `personalizados` are the dialog's 16 custom colours; the dialog may change them.
    virtual std::optional<Color> EligeColor(Color inicial, std::array<Color, 16>& personalizados) = 0;
};

}  // namespace velistra
