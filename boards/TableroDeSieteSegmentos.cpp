#include "boards/TableroDeSieteSegmentos.h"

#include <array>

#include "plataforma/Lienzo.h"

namespace velistra {

namespace {

// A point inside each segment's outline in the first digit: a b c d e f g p.
constexpr std::array<Punto, TableroDeSieteSegmentos::kSegmentosPorDigito> kRelleno{
    {{80, 13}, {100, 32}, {100, 70}, {80, 90}, {60, 70}, {60, 32}, {80, 50}, {110, 90}}};
constexpr int kAnchoDeDigito = 104;

}  // namespace

TableroDeSieteSegmentos::TableroDeSieteSegmentos()
    : TableroDeLuces(ClaseDeLuces{kSieteSegmentos, kSegmentos, Rejilla{33, 119, 411, 8, 13, 13, 9},
                                  Punto{12, 23}, Zona{232, 0, 246, 6}, '1', 'V', '0'}) {
    CreaSalidas(kSegmentos, {}, {});
    for (int i = 0; i < kSegmentos; ++i) {
        const Punto p = kRelleno[static_cast<std::size_t>(i % kSegmentosPorDigito)];
        ptSalidas[static_cast<std::size_t>(i)] = {p.x + kAnchoDeDigito * (i / kSegmentosPorDigito),
                                                  p.y};
    }
}

void TableroDeSieteSegmentos::Dibuja(Lienzo& lienzo) {
    DibujaFondo(lienzo);
    const Color anterior = lienzo.SeleccionaBrocha(kColorDeSegmento);
    for (int i = 0; i < nSalidas; ++i) {
        if (!EstadoDeLed(i)) continue;
        const Punto p = ptSalidas[static_cast<std::size_t>(i)];
        lienzo.Rellena(xEsquina + p.x, yEsquina + p.y, kColorDeContorno);
    }
    lienzo.SeleccionaBrocha(anterior);
}

}  // namespace velistra
