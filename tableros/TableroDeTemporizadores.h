#pragma once
#include "tableros/TableroDeTiras.h"

namespace velistra {

// Four square-wave clocks (labelled 10, 5, 2 and 1 Hz) on strips of three terminals,
// advanced one step per timer tick by Conmuta. Every bench has one; it is created
// hidden, and while hidden it offers no terminal or handle and is not drawn.
class TableroDeTemporizadores final : public TableroDeTiras {
public:
    static constexpr int kRelojes = 4;
    // The pattern of the four clocks repeats after this many steps.
    static constexpr int kPasosPorCiclo = 20;
    // One column of three terminals for each clock.
    static constexpr Rejilla kSalidas{55, 7, 122, 34, 38, 13, 8};

    TableroDeTemporizadores();

    bool EstaVisible() const override { return bVisible; }
    void Muestra() override { bVisible = true; }
    void Oculta() override { bVisible = false; }
    // At least one clock terminal carries a wire, so a step can change the circuit.
    bool TieneSalidas() const override;
    // "10 Hz" to "1 Hz", the labels of the clocks.
    std::optional<Mensaje> NombreDeTerminal(int i) const override;
    int Contador() const { return nContador; }

    Puerto* PuertoEn(int x, int y) override;
    std::optional<Punto> CentroDePuerto(int i) const override;
    void Dibuja(Lienzo& lienzo) override;
    void Transmite() override;
    // One clock step; unpowered, it resets the counter and floats the clocks instead.
    void Conmuta() override;
    bool MarcadorEn(int x, int y) override;

private:
    int nContador = 0;
    bool bVisible = false;
};

}  // namespace velistra
