#pragma once
#include "tableros/ElementoConDosImagenes.h"

namespace velistra {

// A lamp showing one of two images.
class VisualizadorLed : public ElementoConDosImagenes {
public:
    // The lamp takes the size of its "off" image.
    void Imagenes(const Imagen& apagado, const Imagen& encendido) {
        ElementoConDosImagenes::Imagenes(apagado, encendido, apagado);
    }
    void Estado(bool b) { bEncendido = b; }
    bool Estado() const { return bEncendido; }
};

}  // namespace velistra
