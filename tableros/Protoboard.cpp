#include "tableros/Protoboard.h"

namespace velistra {

namespace {

std::vector<GrupoDeTerminales> Huecos() {
    constexpr int bus = Protoboard::kHuecosPorBus;
    return {
        {Protoboard::kAreaSuperior, 0, Protoboard::kFilas, 1},
        {Protoboard::kAreaInferior, Protoboard::kPrimerPuertoInferior, Protoboard::kFilas, 1},
        {Protoboard::kBusSuperior, Protoboard::kPrimerPuertoDeBuses, 1, bus},
        {Protoboard::kBusInferior, Protoboard::kPrimerPuertoDeBuses + 2 * bus, 1, bus},
    };
}

}  // namespace

Protoboard::Protoboard() : TableroDeTerminales(Huecos(), {kMarcadores.begin(), kMarcadores.end()}) {
    nTipo = kProtoboard;
    CreaPuertos(kPuertos);
    for (int k = 0; k < 2 * kColumnas; ++k) DefineTira(kFilas * k, kFilas, 'F');
    for (int fila = 0; fila < 4; ++fila) {
        DefineTira(kPrimerPuertoDeBuses + kHuecosPorBus * fila, kHuecosPorBus, 'F');
    }
}

void Protoboard::Dibuja(Lienzo& lienzo) { DibujaFondo(lienzo); }

void Protoboard::TestDePuerto(Lienzo& lienzo, int i, bool bEstado) {
    EscribeCaracterDePuerto(lienzo, i, bEstado);
}

}  // namespace velistra
