#include "tableros/TableroDeLeds.h"

#include "plataforma/Lienzo.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

TableroDeLeds::TableroDeLeds()
    : TableroDeLuces(ClaseDeLuces{kLeds, kLamparas, kEntradas, kGnd, kMarcador, '0', 'G', '1'}) {
    CreaSalidas(kLamparas, {}, {18, 19});
    for (int i = 0; i < kLamparas; ++i) ptSalidas[static_cast<std::size_t>(i)] = Lampara(i);
}

void TableroDeLeds::DibujaLuces(Lienzo& lienzo) {
    for (int i = 0; i < nSalidas; ++i) {
        if (!EstadoDeLed(i)) continue;
        const Punto p = ptSalidas[static_cast<std::size_t>(i)];
        lienzo.CopiaImagen(bmpSalida, xEsquina + p.x, yEsquina + p.y, wSalida, hSalida,
                           ModoDeCopia::Copia);
    }
}

std::unique_ptr<Tablero> NuevoTableroDeLeds() { return std::make_unique<TableroDeLeds>(); }

}  // namespace velistra
