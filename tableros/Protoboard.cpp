#include "tableros/Protoboard.h"

#include "plataforma/Traducible.h"
#include "tableros/DescripcionesDeTableros.h"

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

std::optional<Hueco> Protoboard::HuecoDePuerto(int i) const {
    if (i < 0 || i >= kPuertos) return std::nullopt;
    if (i < kPrimerPuertoDeBuses) {
        const bool inferior = i >= kPrimerPuertoInferior;
        if (inferior) i -= kPrimerPuertoInferior;
        return Hueco{inferior ? VELISTRA_TEXTO("inferior") : VELISTRA_TEXTO("superior"),
                     i / kFilas + 1, i % kFilas + 1};
    }
    i -= kPrimerPuertoDeBuses;
    constexpr int kPorArea = 2 * kHuecosPorBus;
    const char* area =
        i < kPorArea ? VELISTRA_TEXTO("bus superior") : VELISTRA_TEXTO("bus inferior");
    i %= kPorArea;
    return Hueco{area, i % kHuecosPorBus + 1, i / kHuecosPorBus + 1};
}

std::string Protoboard::EtiquetaDePuerto(int i) const {
    if (i < 0 || i >= kPuertos) return Tablero::EtiquetaDePuerto(i);
    if (i < kPrimerPuertoDeBuses) {
        const bool inferior = i >= kPrimerPuertoInferior;
        if (inferior) i -= kPrimerPuertoInferior;
        const char fila = static_cast<char>((inferior ? 'f' : 'a') + i % kFilas);
        return fila + std::to_string(i / kFilas + 1);
    }
    i -= kPrimerPuertoDeBuses;
    const char fila = static_cast<char>('w' + i / kHuecosPorBus);
    return fila + std::to_string(i % kHuecosPorBus + 1);
}

void Protoboard::TestDePuerto(Lienzo& lienzo, int i, bool bEstado) {
    EscribeCaracterDePuerto(lienzo, i, bEstado);
}

std::unique_ptr<Tablero> NuevaProtoboard() { return std::make_unique<Protoboard>(); }

}  // namespace velistra
