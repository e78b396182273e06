#include "tableros/TableroDeLuces.h"

namespace velistra {

namespace {

std::vector<GrupoDeTerminales> Terminales(const ClaseDeLuces& c) {
    return {{c.entradas, 0, 1, 0}, {c.comun, c.luces, 0, 0}};
}

}  // namespace

TableroDeLuces::TableroDeLuces(const ClaseDeLuces& clase)
    : TableroDeTerminales(Terminales(clase), {clase.marcador}),
      nLuces(clase.luces),
      cEstadoComun(clase.estadoComun),
      cTipoComun(clase.tipoComun),
      cNivelEncendido(clase.nivelEncendido) {
    nTipo = clase.tipo;
    CreaPuertos(nLuces + 1);
    for (int i = 0; i < nLuces; ++i) DefineTira(i, 1, 'E');
    DefineTira(PuertoComun(), 1, 'F');
}

void TableroDeLuces::Dibuja(Lienzo& lienzo) {
    DibujaFondo(lienzo);
    DibujaLuces(lienzo);
}

bool TableroDeLuces::EstadoDeLed(int i) const {
    if (i < 0 || i >= nLuces) return false;
    const Puerto& comun = pPuertos[static_cast<std::size_t>(PuertoComun())];
    return comun.Estado() == cEstadoComun && comun.Tipo() == cTipoComun &&
           pPuertos[static_cast<std::size_t>(i)].Estado() == cNivelEncendido;
}

}  // namespace velistra
