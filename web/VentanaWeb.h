#pragma once
// The workbench window as the boards see it: a board that draws at once (the PLA) only
// marks the picture as stale, and the page repaints it after the event.
#include "plataforma/Ventana.h"

namespace velistra {

class VentanaWeb final : public Ventana {
public:
    void Repinta(int, int, int, int) override { pendiente = true; }
    // Whether a repaint was asked for since the last call.
    bool TomaRepintado() {
        const bool habia = pendiente;
        pendiente = false;
        return habia;
    }

private:
    bool pendiente = false;
};

}  // namespace velistra
