#pragma once
#include <array>

#include "tableros/Interruptor.h"
#include "tableros/VisualizadorLed.h"
#include "modelo/Tablero.h"

namespace velistra {

// Tutorial programmable logic array: 4 inputs A..D, 8 product terms, 4 outputs W..Z.
// Clicks on its cross-points make or break links; it is not part of the circuit.
class TableroPLA final : public Tablero {
public:
    static constexpr int kEntradas = 4;
    static constexpr int kTerminos = 8;
    // Columns 2k and 2k + 1 carry input k and its inverse; columns 8..11 are the outputs.
    static constexpr int kColumnas = 2 * kEntradas + kEntradas;
    static constexpr int kAncho = 550;
    static constexpr int kAlto = 570;

    TableroPLA();

    using Tablero::ClickIzquierdo;
    bool ClickIzquierdo(Ventana* ventana, int x, int y) override;
    void Dibuja(Lienzo& lienzo) override;
    bool MarcadorEn(int x, int y) override;
    // It keeps no size of its own (its file record says 0 x 0), but covers its drawing.
    Tamano TamanoDibujado() const override { return {kAncho, kAlto}; }
    // Output lamp k.
    bool EstadoDeLed(int k) const override { return Salida(k); }
    // The links, which the circuit file does not keep.
    void AnotaEstadoSinArchivo(std::vector<bool>& estado) const override;
    void RecuperaEstadoSinArchivo(const std::vector<bool>& estado, std::size_t& desde) override;

    // Recomputes the outputs from the links and switches and shows them on the lamps;
    // the window, if any, repaints them (workbench coordinates).
    void CalculaSalida(Ventana* ventana);

    // Cross-point (i, j) relative to the corner: column i, product term j.
    static constexpr Punto Cruce(int i, int j) {
        const int x = i < 2 * kEntradas ? 43 + 25 * i : 344 + 50 * (i - 2 * kEntradas);
        return {x, 43 + 50 * j};
    }
    // The gate pictures carry stubs of the lines they sit on, this far from their corner:
    // the inverter's and the OR's on a column, the AND's on a product row.
    static constexpr int kColumnaDelInversor = 18;
    static constexpr int kFilaDelAnd = 23;
    static constexpr int kColumnaDelOr = 22;
    bool Conexion(int i, int j) const { return abConexion[Indice(i, j)]; }
    // Sets a link without drawing, for a board brought back; CalculaSalida follows.
    void Conexion(int i, int j, bool enlazado) { abConexion[Indice(i, j)] = enlazado; }
    bool Salida(int k) const { return abSalida[static_cast<std::size_t>(k)]; }
    const Interruptor& InterruptorDeEntrada(int k) const {
        return pInterruptores[static_cast<std::size_t>(k)];
    }
    const VisualizadorLed& Led(int k) const { return pLeds[static_cast<std::size_t>(k)]; }

private:
    static std::size_t Indice(int i, int j) { return static_cast<std::size_t>(i * kTerminos + j); }
    // Widgets follow the corner, so a board moved since its last drawing still hits right.
    void ColocaElementos();
    bool Literal(int columna) const;
    bool Termino(int j) const;

    void DibujaEx(Lienzo& lienzo);
    void DibujaLineas(Lienzo& lienzo) const;
    void DibujaSimbolos(Lienzo& lienzo) const;
    void DibujaMarcas(Lienzo& lienzo) const;

    std::array<bool, kColumnas * kTerminos> abConexion{};
    std::array<bool, kEntradas> abSalida{};
    std::array<Interruptor, kEntradas> pInterruptores;
    std::array<VisualizadorLed, kEntradas> pLeds;
};

}  // namespace velistra
