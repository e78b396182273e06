#pragma once
// The workbench window as the boards see it: they may only ask it to repaint.

namespace velistra {

class Ventana {
public:
    virtual ~Ventana() = default;
    // Repaint the rectangle [l, r) x [t, b) given in window coordinates.
    virtual void Repinta(int l, int t, int r, int b) = 0;
};

}  // namespace velistra
