#pragma once
#include <vector>

#include "modelo/Punto.h"
#include "plataforma/Dialogos.h"
#include "plataforma/Lienzo.h"
#include "cables/Cable.h"

namespace velistra {

// Every wire of the circuit, in the order made or loaded, and the editing around them:
// the wire being drawn, the wire being reshaped and the colour new wires get.
// Idle, drawing (EstaCreando) and reshaping (HaCambiado) exclude each other.
class Cables {
public:
    // The workbench's scroll offsets; they keep the colour bar at the window's corner.
    void DeltaX(int d) { deltaX = d; }
    void DeltaY(int d) { deltaY = d; }

    // The colour bar, every wire, then the wire being drawn.
    void Dibuja(Lienzo& lienzo) const;
    // The colour bar alone, in the colour new wires get.
    void DibujaBarra(Lienzo& lienzo) const;
    // Window points per workbench pixel: a zoomed window still shows the bar at its own
    // size under its toolbar button.
    void EscalaDeLaVentana(double escala) { escalaDeLaVentana = escala; }
    // The wire being drawn, or null.
    const Cable* EnCurso() const { return estaCreando ? &nuevo : nullptr; }

    void CreaCable(int tablero, int x, int y);
    // Ends the wire being drawn and keeps a copy of it.
    void Concluye(int tablero, int x, int y);
    // Picks the first wire under (x, y) for reshaping or removal.
    bool ParaModificar(int x, int y);
    void EnMovimiento(int x, int y);
    // Ends drawing or reshaping; a wire still being drawn is dropped.
    void BotonArriba(int x, int y);
    // Removes the wire picked last, if any, and returns to idle.
    void RetiraCable();

    // Lets the user choose the colour of wires made from now on.
    void Color(Dialogos& dialogos);
    velistra::Color Color() const { return color; }
    void Color(velistra::Color nuevo) { color = nuevo; }

    // Follows board `tablero`, moved by d. The first argument is not used.
    void Desplaza(int, int tablero, Punto d);

    int Indice() const { return iCable; }
    bool EstaCreando() const { return estaCreando; }
    bool HaCambiado() const { return haCambiado; }

    const std::vector<Cable>& Lista() const { return lista; }
    void Agrega(const Cable& cable) { lista.push_back(cable); }
    // Drops every wire and any editing under way.
    void Vacia();

private:
    std::vector<Cable> lista;
    int deltaX = 0;
    int deltaY = 0;
    double escalaDeLaVentana = 1;
    Cable nuevo;
    int iCable = -1;
    bool haCambiado = false;
    bool estaCreando = false;
    velistra::Color color = Rgb(0, 0, 255);
};

}  // namespace velistra
