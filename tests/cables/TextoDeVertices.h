#pragma once
// Vertices as text, so a failed comparison shows the whole path.
#include <string>

#include "cables/Cable.h"

namespace velistra::prueba {

inline std::string Texto(const Cable::Vertices& puntos) {
    std::string texto;
    for (const Punto& p : puntos) {
        texto += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    }
    return texto;
}

}  // namespace velistra::prueba
