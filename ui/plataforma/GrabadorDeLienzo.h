#pragma once
// A canvas that keeps the calls made on it, item by item, with the rectangle that each
// item can paint, so that a repaint can tell which items changed since the last one and
// draw again only where they are.
#include <QRect>
#include <optional>
#include <string>
#include <vector>

#include "modelo/Punto.h"
#include "plataforma/Lienzo.h"

namespace velistra {

class Imagenes;

struct Llamada {
    enum class Tipo { Copia, Pluma, Brocha, MueveA, LineaA, Elipse, Rectangulo, Texto, Rellena, RellenaSegunImagen };
    Tipo tipo = Tipo::MueveA;
    int a = 0, b = 0, c = 0, d = 0;  // coordinates, as the call took them (a line: and its start)
    Imagen imagen;
    ModoDeCopia modo = ModoDeCopia::Copia;
    Color color = 0;
    int ancho = 0;
    bool transparente = false;
    std::string texto;
    // Nothing the call paints falls outside.
    QRect area;
    // Pens, brushes and moves change what later calls paint.
    bool CambiaElEstado() const { return tipo == Tipo::Pluma || tipo == Tipo::Brocha || tipo == Tipo::MueveA; }
    friend bool operator==(const Llamada&, const Llamada&) = default;
};

struct ElementoGrabado {
    // The state the item found: the pen, the brush and, if it draws from it, the position.
    Pluma pluma;
    Color brocha = Rgb(255, 255, 255);
    std::optional<Punto> inicio;
    std::vector<Llamada> llamadas;
    // Nothing the item draws falls outside (a fill on the canvas: the whole workbench).
    QRect area;
    friend bool operator==(const ElementoGrabado& x, const ElementoGrabado& y) {
        return x.pluma == y.pluma && x.brocha == y.brocha && x.inicio == y.inicio &&
               x.llamadas == y.llamadas;
    }
};

class GrabadorDeLienzo final : public Lienzo {
public:
    // `imagenes` gives the sizes of copied pictures; `todo` is the whole canvas.
    GrabadorDeLienzo(const Imagenes& imagenes, QRect todo);

    // Ends the current item; the next call starts another.
    void Corta();
    // Every item, in order.
    std::vector<ElementoGrabado> Elementos();

    void CopiaImagen(const Imagen& imagen, int x, int y, int w, int h, ModoDeCopia modo) override;
    Pluma SeleccionaPluma(Pluma pluma) override;
    Color SeleccionaBrocha(Color color) override;
    void MueveA(int x, int y) override;
    void LineaA(int x, int y) override;
    void Elipse(int l, int t, int r, int b) override;
    void Rectangulo(int l, int t, int r, int b) override;
    void Texto(int x, int y, const std::string& texto, Color color, bool transparente) override;
    void Rellena(int x, int y, Color borde) override;
    void RellenaSegunImagen(const Imagen& imagen, int xImagen, int yImagen, int x, int y,
                            Color borde) override;

private:
    ElementoGrabado& Actual();
    void Agrega(Llamada llamada, QRect area);

    const Imagenes& imagenes_;
    QRect todo_;
    std::vector<ElementoGrabado> elementos_;
    bool abierto_ = false;
    bool movido_ = false;
    Pluma pluma_;
    Color brocha_ = Rgb(255, 255, 255);
    Punto actual_;
};

// Makes the item's calls again on `lienzo`, starting from the state it found.
void Reproduce(const ElementoGrabado& elemento, Lienzo& lienzo);

}  // namespace velistra
