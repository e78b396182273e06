#pragma once
#include "tableros/TableroDeTerminales.h"

namespace velistra {

// The bench's only power source and its master switch: a strip of four VCC terminals
// (ports 0..3, type 'V') and one of four GND terminals (4..7, 'G') that carry '1' and
// '0' while the switch is on and 'Z' while it is off. Switching the module on or off is
// the workbench's business; the board only offers the switch's position.
class TableroDeFuenteDC final : public TableroDeTerminales {
public:
    static constexpr int kPrimerVcc = 0;
    static constexpr int kPrimerGnd = 4;
    // A column of four terminals for each supply.
    static constexpr Rejilla kTerminalesVcc{57, 10, 8, 47, 13, 13, 8};
    static constexpr Rejilla kTerminalesGnd{57, 70, 8, 47, 13, 13, 8};
    static constexpr Zona kInterruptor{24, 62, 38, 89};
    static constexpr Punto kPiloto{23, 35};
    static constexpr Zona kMarcador{1, 52, 9, 68};

    TableroDeFuenteDC();

    bool EstaEncendida() const { return EstadoDeEntrada(0) != 0; }

    void Dibuja(Lienzo& lienzo) override;
    // The pilot lamp, while the switch is on.
    void DibujaLuces(Lienzo& lienzo) override;
    void Transmite() override;
    // Flips the switch; drives nothing (the workbench makes every board transmit next).
    void Conmuta() override;
    bool EntradaEn(int x, int y) override;
    void TestDePuerto(Lienzo& lienzo, int i, bool bEstado) override;
    // "VCC" or "GND".
    std::optional<Mensaje> NombreDeTerminal(int i) const override;
};

}  // namespace velistra
