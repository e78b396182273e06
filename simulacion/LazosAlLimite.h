#pragma once
#include <string>
#include <vector>

#include "plataforma/Mensaje.h"

namespace velistra {

class Componentes;

// What a settling that hit the iteration limit left changing, cut down to the feedback
// loops in it: the chips on a loop (places in the chip list) and the nets that carry the
// loop (node numbers), both ascending. A chip that only follows a loop is left out.
struct LazosAlLimite {
    std::vector<int> chips;
    std::vector<int> nodos;
    bool empty() const { return chips.empty(); }
    friend bool operator==(const LazosAlLimite&, const LazosAlLimite&) = default;
};

// Watches the last iterations of a settling for the chip outputs that still change. Rings
// of inverters pass one edge around per iteration, so one iteration alone would miss most
// of a ring; the window is longer than any ring a workbench holds.
class VigiaDeRealimentacion {
public:
    static constexpr int kVentana = 64;

    // A settling of at most `limite` iterations starts on the workbench's connections as
    // of `generacion`.
    void Empieza(const Componentes& componentes, int limite, unsigned long generacion);
    // Iteration n of that settling has just run.
    void TrasIteracion(const Componentes& componentes, int n);
    // After a settling that hit the limit, while the chip list is as it was: the loops
    // among the outputs that changed in the window.
    LazosAlLimite Lazos(const Componentes& componentes) const;

private:
    void Fotografia(const Componentes& componentes, bool compara);

    int desde = 0;
    // The connections the tables are reserved for: counting the outputs walks every chip.
    unsigned long nGeneracion = 0;
    bool bReservado = false;
    std::vector<char> niveles;
    // Per chip output, in chip and output order, whether its net changed in the window.
    std::vector<bool> cambiada;
};

// The status bar's line while the circuit keeps failing to settle: "El circuito no se
// estabiliza: realimentación en 7404 (1), 7404 (2) y 7404 (3)".
Mensaje MensajeDeRealimentacion(const Componentes& componentes, const LazosAlLimite& lazos);
// The same line in Spanish.
std::string TextoDeRealimentacion(const Componentes& componentes, const LazosAlLimite& lazos);

}  // namespace velistra
