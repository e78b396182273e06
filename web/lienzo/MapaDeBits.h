#pragma once
// The browser's drawing, without a window system: an RGBA pixel buffer, the pictures by
// resource id, the workbench font and a Lienzo that paints them with the desktop's pixels.
// Standard C++ only, so that the same code builds natively (tests) and with emscripten.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "plataforma/Lienzo.h"

namespace velistra::web {

// A pixel as bytes R, G, B, A in memory (a canvas's ImageData order on any
// little-endian machine, WebAssembly included).
using Pixel = std::uint32_t;

constexpr Pixel PixelDe(Color color) { return (color & 0x00FFFFFFu) | 0xFF000000u; }
constexpr Color ColorDe(Pixel pixel) { return pixel & 0x00FFFFFFu; }

class MapaDeBits {
public:
    MapaDeBits() = default;
    // Filled with `fondo`.
    MapaDeBits(int ancho, int alto, Pixel fondo = PixelDe(Rgb(255, 255, 255)));

    int Ancho() const { return ancho_; }
    int Alto() const { return alto_; }
    bool Contiene(int x, int y) const { return x >= 0 && y >= 0 && x < ancho_ && y < alto_; }

    Pixel En(int x, int y) const { return pixeles_[Indice(x, y)]; }
    void Pon(int x, int y, Pixel p) { pixeles_[Indice(x, y)] = p; }
    Pixel* Fila(int y) { return pixeles_.data() + Indice(0, y); }
    const Pixel* Fila(int y) const { return pixeles_.data() + Indice(0, y); }
    void Llena(Pixel p);

    // ancho x alto x 4 bytes, row after row: what a canvas's putImageData takes.
    const std::uint8_t* Bytes() const { return reinterpret_cast<const std::uint8_t*>(pixeles_.data()); }
    std::size_t TamanoEnBytes() const { return pixeles_.size() * sizeof(Pixel); }

private:
    std::size_t Indice(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(ancho_) + static_cast<std::size_t>(x);
    }

    int ancho_ = 0;
    int alto_ = 0;
    std::vector<Pixel> pixeles_;
};

}  // namespace velistra::web
