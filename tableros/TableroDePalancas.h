#pragma once
#include "tableros/TableroDeTiras.h"

namespace velistra {

// What tells the switch board and the push-button board apart.
struct ClaseDePalancas {
    static constexpr int kPaso = 19;
    static constexpr int kXPrimeraPalanca = 48;

    int tipo = 0;
    // What the probe calls one input's strip: "palanca %1", "pulsador %1".
    const char* nombreDeEntrada = nullptr;
    // Where the operated image (lever up, key pressed) is laid over input i: x is 48 + 19i.
    int yImagen = 0;
    // Largest offset inside an output terminal's 19 x 13 cell that still hits it.
    int ladoDeTerminal = 8;

    // Every lever or key answers in the same area, whichever image it shows.
    static constexpr Zona Palanca(int i) {
        return Zona{kXPrimeraPalanca + kPaso * i, 47, kXPrimeraPalanca + 14 + kPaso * i, 74};
    }
    constexpr Punto EsquinaDeImagen(int i) const { return {kXPrimeraPalanca + kPaso * i, yImagen}; }
    // Three output terminals above each input.
    constexpr Rejilla Salidas() const { return Rejilla{52, 7, 141, 34, kPaso, 13, ladoDeTerminal}; }
};

// Eight hand-operated inputs, each driving a strip of three output terminals with '1'
// (operated) or '0'. The workbench makes a push-button momentary by calling Conmuta
// again on release.
class TableroDePalancas : public TableroDeTiras {
public:
    static constexpr int kPalancas = 8;

    // The input last hit by EntradaEn; Conmuta acts on it.
    int EntradaSeleccionada() const override { return iEntrada; }
    // The command-line runner and the history name inputs by index.
    bool SeleccionaEntrada(int i) override;
    // "palanca 3" or "pulsador 3" for the strip of lever 3.
    std::optional<Mensaje> NombreDeTerminal(int i) const override;

    void Dibuja(Lienzo& lienzo) override;
    void Transmite() override;
    // Flips the selected input, powered or not, and drives its strip only when powered.
    void Conmuta() override;
    bool EntradaEn(int x, int y) override;

protected:
    explicit TableroDePalancas(const ClaseDePalancas& clase);

private:
    int iEntrada = 0;
    const char* nombreDeEntrada;
};

}  // namespace velistra
