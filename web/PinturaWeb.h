#pragma once
// The workbench's picture for the page: the visible part, drawn by the session into a
// pixel buffer with the desktop's pixels, from the pictures the desktop's painter made.
#include <cstdint>
#include <optional>
#include <string>

#include "modelo/Punto.h"
#include "web/lienzo/MapaDeBits.h"
#include "web/lienzo/RecursosDeMapa.h"

namespace velistra {

class Sesion;

class PinturaWeb {
public:
    // The folder with the pictures, the font and the ellipses; false when any is missing.
    bool Carga(const std::string& carpeta);

    // The workbench rectangle from (x, y), w x h, as RGBA bytes row after row.
    const std::uint8_t* Pinta(Sesion& sesion, std::optional<Punto> puntero, int x, int y, int w, int h);

    // A picture of the resources, or null.
    const web::MapaDeBits* Imagen(int id) const { return recursos.imagenes.Busca(id); }

private:
    web::RecursosDeMapa recursos;
    web::MapaDeBits mapa;
};

}  // namespace velistra
