#pragma once
#include <array>

#include "tableros/TableroDeTerminales.h"

namespace velistra {

// The breadboard: two areas of 64 five-hole columns on either side of the centre channel
// that chips straddle, and two bus areas of two 60-hole rows, above and below.
// Port 5k + r is upper column k, row r; the lower area follows at 320, so the hole
// facing 5k + 4 across the channel is 5k + 320. The buses start at 640 and 760, 60r + k.
class Protoboard final : public TableroDeTerminales {
public:
    static constexpr int kPuertos = 880;
    static constexpr int kColumnas = 64;
    static constexpr int kFilas = 5;
    static constexpr int kPrimerPuertoInferior = 320;
    static constexpr int kPrimerPuertoDeBuses = 640;
    static constexpr int kHuecosPorBus = 60;
    // Holes are 9 x 9 on a 13-pixel pitch; the bounds stop at the last hole's far edge.
    static constexpr Rejilla kAreaSuperior{23, 62, 827, 60, 13, 13, 8};
    static constexpr Rejilla kAreaInferior{23, 153, 827, 60, 13, 13, 8};
    static constexpr Rejilla kBusSuperior{49, 10, 775, 21, 13, 13, 8};
    static constexpr Rejilla kBusInferior{49, 244, 775, 21, 13, 13, 8};
    // The two ends of the centre channel.
    static constexpr std::array<Zona, 2> kMarcadores{{{2, 132, 12, 143}, {864, 132, 874, 143}}};

    Protoboard();

    void Dibuja(Lienzo& lienzo) override;
    void TestDePuerto(Lienzo& lienzo, int i, bool bEstado) override;
    // Upper or lower area, column and row from 1; the buses by their row and hole.
    std::optional<Hueco> HuecoDePuerto(int i) const override;
    // Rows a to e above the channel, f to j below it, as printed on real breadboards; the
    // buses' two rows are w x above and y z below: "c12", "x3".
    std::string EtiquetaDePuerto(int i) const override;
};

}  // namespace velistra
