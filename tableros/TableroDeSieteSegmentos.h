#pragma once
#include <array>

#include "tableros/TableroDeLuces.h"
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
    static constexpr Rejilla kEntradas{33, 119, 411, 8, 13, 13, 9};
    static constexpr Rejilla kVcc = Terminal(12, 23);
    static constexpr Zona kMarcador{232, 0, 246, 6};

    // The axis of one bar of digit 0, from pixel `desde` to pixel `hasta`.
    struct Barra {
        bool horizontal;
        int fijo;  // y of a horizontal bar, x of a vertical one
        int desde;
        int hasta;
    };
    // Segments a to g; the outline around each axis is the picture's business.
    static constexpr std::array<Barra, 7> kBarras{{
        {true, 13, 63, 97},
        {false, 100, 16, 47},
        {false, 100, 53, 87},
        {true, 90, 63, 97},
        {false, 60, 53, 87},
        {false, 60, 16, 47},
        {true, 50, 63, 97},
    }};
    static constexpr Punto kPuntoDecimal{110, 90};
    static constexpr int kPasoDeDigito = 104;

    // Where segment s (0..7) of digit 0 is filled from: the middle of its bar, or the
    // centre of the point.
    static constexpr Punto Relleno(int s) {
        if (s >= static_cast<int>(kBarras.size())) return kPuntoDecimal;
        const Barra& b = kBarras[static_cast<std::size_t>(s)];
        const int medio = (b.desde + b.hasta + 1) / 2;
        return b.horizontal ? Punto{medio, b.fijo} : Punto{b.fijo, medio};
    }

    TableroDeSieteSegmentos();

    void DibujaLuces(Lienzo& lienzo) override;
};

}  // namespace velistra
