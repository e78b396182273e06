#pragma once
// Wires: the geometry, drawing and editing of one wire, and the collection of them all.
// A wire is only geometry and colour; the electrical joint lives in the ports it joins.
#include <array>

#include "modelo/Punto.h"
#include "plataforma/Lienzo.h"

namespace velistra {

// One wire on the workbench: six vertices, P0 (end A) to P5 (end B), joined by
// horizontal and vertical segments and drawn with its corners cut at 45 degrees.
// Consecutive vertices may coincide. A copyable value without resources.
class Cable {
public:
    using Vertices = std::array<Punto, 6>;
    static constexpr int kAnchuraInicial = 5;

    velistra::Color Color() const { return color; }
    void Color(velistra::Color c) { color = c; }
    int Anchura() const { return anchura; }
    void Anchura(int a) { anchura = a; }
    const Vertices& Puntos() const { return puntos; }
    void Puntos(const Vertices& p) { puntos = p; }
    // Identifiers of the boards under each end; -1 when not set.
    int TableroA() const { return tableroA; }
    void TableroA(int tablero) { tableroA = tablero; }
    int TableroB() const { return tableroB; }
    void TableroB(int tablero) { tableroB = tablero; }

    int AX() const { return puntos[0].x; }
    int AY() const { return puntos[0].y; }
    int BX() const { return puntos[5].x; }
    int BY() const { return puntos[5].y; }

    // Drawing a new wire: start at a port, follow the pointer, end at a port.
    void Inicia(int tablero, int x, int y);
    void Construye(int x, int y);
    void Concluye(int tablero, int x, int y);

    // Hit test; remembers which segment was hit for the following Modifica calls.
    bool PasaPor(int x, int y);
    // Drags the segment hit last towards (x, y).
    void Modifica(int x, int y);

    bool Contiene(int tablero) const { return tableroA == tablero || tableroB == tablero; }
    // Follows board `tablero`, moved by d, keeping the path rectilinear.
    void Desplaza(int tablero, Punto d);

    // A black outline of width `anchura` under a line of width `anchura` - 2 in `color`.
    void Dibuja(Lienzo& lienzo) const;

private:
    enum class Tramo { Ninguno, Primero, Segundo, Tercero };

    // Moves vertex q[0] by d and reshapes q[1]..q[4] so that q[5] stays put.
    static void ModificaCable(Vertices& q, Punto d);

    void MueveTramo(int x, int y);
    bool Simplifica(std::array<int, 3> alineados, int primero, int segundo, int x, int y);
    void Traza(Lienzo& lienzo) const;

    Vertices puntos{};
    bool verticalPrimero = false;
    bool orientacionDecidida = false;
    bool unaEsquina = false;
    Tramo tramo = Tramo::Ninguno;
    bool tramoVertical = false;
    int anchura = kAnchuraInicial;
    velistra::Color color = 0;
    int tableroA = -1;
    int tableroB = -1;
};

}  // namespace velistra
