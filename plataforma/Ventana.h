#pragma once
// The workbench window as the boards see it: they may only ask it to repaint.

namespace velistra {

class Ventana {
public:
    virtual ~Ventana() = default;
    // Repaint the rectangle [l, r) x [t, b). A shell's window takes window coordinates;
    // a board is handed one that takes workbench coordinates (Tablero::ClickIzquierdo).
    virtual void Repinta(int l, int t, int r, int b) = 0;
};

}  // namespace velistra
