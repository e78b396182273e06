#include "tableros/TableroDeSieteSegmentos.h"

#include "plataforma/Lienzo.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

TableroDeSieteSegmentos::TableroDeSieteSegmentos()
    : TableroDeLuces(
          ClaseDeLuces{kSieteSegmentos, kSegmentos, kEntradas, kVcc, kMarcador, '1', 'V', '0'}) {
    CreaSalidas(kSegmentos, {}, {});
    for (int i = 0; i < kSegmentos; ++i) {
        const Punto p = Relleno(i % kSegmentosPorDigito);
        ptSalidas[static_cast<std::size_t>(i)] = {p.x + kPasoDeDigito * (i / kSegmentosPorDigito),
                                                  p.y};
    }
}

void TableroDeSieteSegmentos::DibujaLuces(Lienzo& lienzo) {
    const Color anterior = lienzo.SeleccionaBrocha(kColorDeSegmento);
    for (int i = 0; i < nSalidas; ++i) {
        if (!EstadoDeLed(i)) continue;
        const Punto p = ptSalidas[static_cast<std::size_t>(i)];
        lienzo.RellenaSegunImagen(bmpFondo, xEsquina, yEsquina, xEsquina + p.x, yEsquina + p.y,
                                  kColorDeContorno);
    }
    lienzo.SeleccionaBrocha(anterior);
}

std::unique_ptr<Tablero> NuevoTableroDeSieteSegmentos() {
    return std::make_unique<TableroDeSieteSegmentos>();
}

}  // namespace velistra
