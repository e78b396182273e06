#pragma once
// Instrument boards: the boards that give a circuit power, inputs and visible outputs,
// and the small widgets they are drawn with. Boards draw only through Lienzo and may
// only ask the window to repaint.
#include "modelo/Punto.h"
#include "plataforma/Imagen.h"

namespace velistra {

class Lienzo;
class Ventana;

// [izquierda, derecha) x [arriba, abajo), in bench coordinates.
struct Recuadro {
    int izquierda = 0;
    int arriba = 0;
    int derecha = 0;
    int abajo = 0;
    friend constexpr bool operator==(const Recuadro&, const Recuadro&) = default;
};

// A widget shown as one of two images, according to its state.
class ElementoConDosImagenes {
public:
    void UbicaEn(int x, int y) {
        xPosicion = x;
        yPosicion = y;
    }
    Recuadro Region() const { return {xPosicion, yPosicion, xPosicion + ancho, yPosicion + alto}; }
    void Dibuja(Lienzo& lienzo) const;
    // Asks the window to repaint the widget's area (workbench coordinates); a null window
    // is skipped.
    void Dibuja(Ventana* ventana) const;

protected:
    void Imagenes(const Imagen& apagado, const Imagen& encendido, const Imagen& medida);

    Imagen bmpApagado;
    Imagen bmpEncendido;
    int xPosicion = 0;
    int yPosicion = 0;
    int ancho = 0;
    int alto = 0;
    bool bEncendido = false;
};

}  // namespace velistra
