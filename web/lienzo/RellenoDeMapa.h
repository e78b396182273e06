#pragma once
// The desktop's flood fill on a pixel buffer: 4-connected, up to pixels of the border
// colour, with an explicit stack so that any area size is safe.
#include <functional>

#include "web/lienzo/MapaDeBits.h"

namespace velistra::web {

// Every run [izquierda, derecha] of row y that a fill from (x, y) up to `borde` covers.
// Nothing when (x, y) lies outside or on the border colour.
void RecorreRelleno(const MapaDeBits& mapa, int x, int y, Color borde,
                    const std::function<void(int y, int izquierda, int derecha)>& tramo);

void RellenaHastaBorde(MapaDeBits& mapa, int x, int y, Color borde, Color relleno);

}  // namespace velistra::web
