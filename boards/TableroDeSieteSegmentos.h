#pragma once
#include "boards/TableroDeLuces.h"
#include "plataforma/Lienzo.h"

namespace velistra {

// Four common-anode digits of seven segments and a point, 32 lights: port 8d + s is
// segment s (a b c d e f g p) of digit d, counted from the left. A segment lights while
// its input reads '0' and the common terminal is wired to a live VCC. Lit segments are
// painted by flood-filling their outlined area in the background picture.
class TableroDeSieteSegmentos final : public TableroDeLuces {
public:
    static constexpr int kDigitos = 4;
    static constexpr int kSegmentosPorDigito = 8;
    static constexpr int kSegmentos = kDigitos * kSegmentosPorDigito;
    static constexpr Color kColorDeSegmento = Rgb(255, 0, 0);
    static constexpr Color kColorDeContorno = Rgb(0, 0, 0);

    TableroDeSieteSegmentos();

    void Dibuja(Lienzo& lienzo) override;
};

}  // namespace velistra
