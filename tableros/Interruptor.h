#pragma once
#include "tableros/ElementoConDosImagenes.h"

namespace velistra {

// A two-position toggle switch, flipped by a click on its image.
class Interruptor : public ElementoConDosImagenes {
public:
    // The switch takes the size of its "on" image.
    void Imagenes(const Imagen& apagado, const Imagen& encendido) {
        ElementoConDosImagenes::Imagenes(apagado, encendido, encendido);
    }
    // Flips the switch when (x, y) lies on it; right and bottom edges are outside.
    bool ClickEn(int x, int y);
    char Estado() const { return bEncendido ? '1' : '0'; }
    void Estado(char c) { bEncendido = c != '0'; }
};

}  // namespace velistra
