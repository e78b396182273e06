#pragma once
#include <array>
#include <vector>

#include "tableros/TableroDeTerminales.h"

namespace velistra {

// A board that drives strips of three output terminals (ports 3i..3i+2, type 'S') and is
// fed through its own VCC and GND terminals, which follow the strips. Unpowered, it
// floats its strips. The switch, push-button and timer boards share this layout, the
// VCC and GND terminals at the left and the handles at both ends.
class TableroDeTiras : public TableroDeTerminales {
public:
    static constexpr int kTerminalesPorTira = 3;
    static constexpr Rejilla kVcc = Terminal(11, 7);
    static constexpr Rejilla kGnd = Terminal(11, 65);
    static constexpr std::array<Zona, 2> kMarcadores{{{0, 33, 6, 47}, {199, 33, 205, 47}}};

    int PuertoVcc() const { return kTerminalesPorTira * nTiras; }
    int PuertoGnd() const { return PuertoVcc() + 1; }
    // VCC reads '1' and 'V', GND '0' and 'G'.
    bool EstaAlimentado() const { return Tablero::EstaAlimentado(PuertoVcc(), PuertoGnd()); }
    std::vector<TomaDeAlimentacion> TomasDeAlimentacion() const override {
        return {{PuertoVcc(), 'V'}, {PuertoGnd(), 'G'}};
    }

protected:
    // `salidas` is the grid of the output terminals, one column per strip.
    TableroDeTiras(int tipo, int tiras, Rejilla salidas);

    void ExcitaSalida(int tira, char s) { ExcitaTira(kTerminalesPorTira * tira, s); }
    // Each strip gets its level ('0' + entry) while powered, 'Z' otherwise.
    void ExcitaSalidas(const std::vector<unsigned char>& niveles);

    int nTiras;
};

}  // namespace velistra
