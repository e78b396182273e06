#include "tableros/TableroDeTiras.h"

namespace velistra {

namespace {

std::vector<GrupoDeTerminales> Terminales(int tiras, Rejilla salidas) {
    const int vcc = TableroDeTiras::kTerminalesPorTira * tiras;
    return {
        {salidas, 0, TableroDeTiras::kTerminalesPorTira, 1},
        {TableroDeTiras::kVcc, vcc, 0, 0},
        {TableroDeTiras::kGnd, vcc + 1, 0, 0},
    };
}

}  // namespace

TableroDeTiras::TableroDeTiras(int tipo, int tiras, Rejilla salidas)
    : TableroDeTerminales(Terminales(tiras, salidas), {kMarcadores.begin(), kMarcadores.end()}),
      nTiras(tiras) {
    nTipo = tipo;
    CreaPuertos(kTerminalesPorTira * tiras + 2);
    for (int i = 0; i < tiras; ++i) DefineTira(kTerminalesPorTira * i, kTerminalesPorTira, 'S');
    DefineTira(PuertoVcc(), 1, 'F');
    DefineTira(PuertoGnd(), 1, 'F');
}

void TableroDeTiras::ExcitaSalidas(const std::vector<unsigned char>& niveles) {
    const bool alimentado = EstaAlimentado();
    for (int i = 0; i < nTiras; ++i) {
        const unsigned char nivel = niveles[static_cast<std::size_t>(i)];
        ExcitaSalida(i, alimentado ? static_cast<char>('0' + nivel) : 'Z');
    }
}

}  // namespace velistra
