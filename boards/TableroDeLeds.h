#pragma once
#include "boards/TableroDeLuces.h"

namespace velistra {

// Eight red lamps: lamp i lights while its input reads '1' and the GND terminal is
// wired to a live ground.
class TableroDeLeds final : public TableroDeLuces {
public:
    static constexpr int kLamparas = 8;

    TableroDeLeds();

    void Dibuja(Lienzo& lienzo) override;
};

}  // namespace velistra
