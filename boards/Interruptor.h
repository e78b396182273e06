#pragma once
#include "boards/ElementoConDosImagenes.h"

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

    void ConectaLed(int i) { iLed = i; }
    void ConectaCasillas(int i) { iCasilla = i; }
    bool TieneLed() const { return iLed != -1; }
    bool TieneCasillas() const { return iCasilla != -1; }
    int Led() const { return iLed; }
    int Casilla() const { return iCasilla; }

private:
    int iLed = -1;
    int iCasilla = -1;
};

}  // namespace velistra
