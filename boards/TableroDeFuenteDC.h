#pragma once
#include "boards/TableroDeTerminales.h"

namespace velistra {

// The bench's only power source and its master switch: a strip of four VCC terminals
// (ports 0..3, type 'V') and one of four GND terminals (4..7, 'G') that carry '1' and
// '0' while the switch is on and 'Z' while it is off. Switching the module on or off is
// the workbench's business; the board only offers the switch's position.
class TableroDeFuenteDC final : public TableroDeTerminales {
public:
    static constexpr int kPrimerVcc = 0;
    static constexpr int kPrimerGnd = 4;

    TableroDeFuenteDC();

    bool EstaEncendida() const { return EstadoDeEntrada(0) != 0; }

    void Dibuja(Lienzo& lienzo) override;
    void Transmite() override;
    // Flips the switch; drives nothing (the workbench makes every board transmit next).
    void Conmuta() override;
    bool EntradaEn(int x, int y) override;
    void TestDePuerto(Lienzo& lienzo, int i, bool bEstado) override;
};

}  // namespace velistra
