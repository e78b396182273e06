#include "boards/Protoboard.h"

namespace velistra {

namespace {

// Holes are 9 x 9 on a 13-pixel pitch; the bounds stop at the last hole's far edge.
constexpr Rejilla AreaDeTerminales(int y) { return Rejilla{23, y, 827, 60, 13, 13, 8}; }
constexpr Rejilla Bus(int y) { return Rejilla{49, y, 775, 21, 13, 13, 8}; }

std::vector<GrupoDeTerminales> Huecos() {
    constexpr int bus = Protoboard::kHuecosPorBus;
    return {
        {AreaDeTerminales(62), 0, Protoboard::kFilas, 1},
        {AreaDeTerminales(153), Protoboard::kPrimerPuertoInferior, Protoboard::kFilas, 1},
        {Bus(10), Protoboard::kPrimerPuertoDeBuses, 1, bus},
        {Bus(244), Protoboard::kPrimerPuertoDeBuses + 2 * bus, 1, bus},
    };
}

// The two ends of the centre channel.
std::vector<Zona> Marcadores() { return {{2, 132, 12, 143}, {864, 132, 874, 143}}; }

}  // namespace

Protoboard::Protoboard() : TableroDeTerminales(Huecos(), Marcadores()) {
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
