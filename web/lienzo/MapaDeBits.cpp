#include "web/lienzo/MapaDeBits.h"

#include <algorithm>

namespace velistra::web {

MapaDeBits::MapaDeBits(int ancho, int alto, Pixel fondo)
    : ancho_(std::max(ancho, 0)),
      alto_(std::max(alto, 0)),
      pixeles_(static_cast<std::size_t>(ancho_) * static_cast<std::size_t>(alto_), fondo) {}

void MapaDeBits::Llena(Pixel p) { std::fill(pixeles_.begin(), pixeles_.end(), p); }

}  // namespace velistra::web
