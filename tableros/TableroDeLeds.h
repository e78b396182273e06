#pragma once
#include "tableros/TableroDeLuces.h"

namespace velistra {

// Eight red lamps: lamp i lights while its input reads '1' and the GND terminal is
// wired to a live ground.
class TableroDeLeds final : public TableroDeLuces {
public:
    static constexpr int kLamparas = 8;
    static constexpr Rejilla kEntradas{42, 40, 148, 8, 20, 13, 9};
    static constexpr Rejilla kGnd = Terminal(7, 33);
    static constexpr Zona kMarcador{98, 0, 111, 5};
    // Top-left of lamp i's lit image.
    static constexpr Punto Lampara(int i) { return {38 + 20 * i, 14}; }

    TableroDeLeds();

    void DibujaLuces(Lienzo& lienzo) override;
};

}  // namespace velistra
