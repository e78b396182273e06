#pragma once
// Drawing context used by boards, chips and wires. The GUI implements it over a
// raster image; tests implement it by recording the calls.
#include <cstdint>
#include <string>

#include "plataforma/Imagen.h"

namespace velistra {

// Colour value 0x00BBGGRR, as stored in circuit files.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int Rojo(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int Verde(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Azul(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

// How a copied image combines with what is already on the canvas.
enum class ModoDeCopia { Copia, Y, O };

struct Pluma {
    Color color = Rgb(0, 0, 0);
    int ancho = 1;
    friend constexpr bool operator==(const Pluma&, const Pluma&) = default;
};

class Lienzo {
public:
    virtual ~Lienzo() = default;

    // Copies the image's top-left w x h pixels to (x, y).
    virtual void CopiaImagen(const Imagen& imagen, int x, int y, int w, int h, ModoDeCopia modo) = 0;

    // Selects a solid pen and answers the one it replaces (initially black, width 1).
    virtual Pluma SeleccionaPluma(Pluma pluma) = 0;
    // Selects a solid brush and answers the one it replaces (initially white).
    virtual Color SeleccionaBrocha(Color color) = 0;

    virtual void MueveA(int x, int y) = 0;
    // Line from the current position to (x, y), excluding the end pixel; (x, y) becomes current.
    virtual void LineaA(int x, int y) = 0;
    // Ellipse and rectangle in the box [l, r) x [t, b), outlined with the pen, filled with the brush.
    virtual void Elipse(int l, int t, int r, int b) = 0;
    virtual void Rectangulo(int l, int t, int r, int b) = 0;
    // Text with its top-left at (x, y); opaque text paints a white background behind it.
    virtual void Texto(int x, int y, const std::string& texto, Color color, bool transparente) = 0;
    // Fills with the current brush from (x, y) outward until pixels of colour `borde`.
    virtual void Rellena(int x, int y, Color borde) = 0;
    // Paints with the current brush, over whatever the canvas holds there, the area that
    // a fill from (x, y) up to `borde` covers in `imagen` placed at (xImagen, yImagen):
    // a lamp's shape on its board's picture, drawn above what crosses it. Canvases that
    // cannot tell fill the canvas instead.
    virtual void RellenaSegunImagen(const Imagen& imagen, int xImagen, int yImagen, int x, int y,
                                    Color borde) {
        (void)imagen;
        (void)xImagen;
        (void)yImagen;
        Rellena(x, y, borde);
    }
};

}  // namespace velistra
