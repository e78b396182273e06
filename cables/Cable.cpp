#include "cables/Cable.h"

#include <cstdlib>

#include "cables/Segmentos.h"

namespace velistra {

using segmentos::EnLinea;
using segmentos::Traspuesto;
using segmentos::Traspuestos;

namespace {

// A small wobble of the pointer at the start must not fix the first leg's direction.
constexpr int kHolguraDeOrientacion = 4;

// v lies between a and b, both included. Wide arithmetic: a loaded file may hold any int.
bool Entre(long long v, long long a, long long b) {
    return std::llabs(a - b) == std::llabs(v - a) + std::llabs(v - b);
}

// Whether `p` is within `tolerancia` of the vertical segment a-b; horizontal segments
// are tested on the transposed points.
bool Toca(Punto a, Punto b, Punto p, int tolerancia, bool vertical) {
    if (!vertical) {
        a = Traspuesto(a);
        b = Traspuesto(b);
        p = Traspuesto(p);
    }
    return a.x == b.x && std::llabs(static_cast<long long>(p.x) - a.x) < tolerancia &&
           Entre(p.y, a.y, b.y);
}

}  // namespace

void Cable::Inicia(int tablero, int x, int y) {
    // The wire in the making is reused, so nothing but width and colour may carry over.
    puntos.fill({x, y});
    tableroA = tablero;
    tableroB = -1;
    verticalPrimero = false;
    orientacionDecidida = false;
    unaEsquina = false;
    tramo = Tramo::Ninguno;
}

void Cable::Construye(int x, int y) {
    puntos[4] = puntos[5] = {x, y};
    const int dx = std::abs(puntos[0].x - x);
    const int dy = std::abs(puntos[0].y - y);
    if (!orientacionDecidida && (dx > kHolguraDeOrientacion || dy > kHolguraDeOrientacion)) {
        verticalPrimero = dx <= dy;
        orientacionDecidida = true;
    }
    puntos[2] = verticalPrimero ? Punto{puntos[0].x, y} : Punto{x, puntos[0].y};
    puntos[3] = puntos[2];
}

void Cable::Concluye(int tablero, int x, int y) {
    tableroB = tablero;
    puntos[4] = puntos[5] = {x, y};
    const Punto a = puntos[0];
    const Punto b = puntos[5];
    if (a.x == b.x || a.y == b.y) {
        puntos[2] = puntos[1];
        puntos[3] = puntos[4];
    } else {
        puntos[2] = verticalPrimero ? Punto{a.x, b.y} : Punto{b.x, a.y};
        puntos[3] = puntos[2];
    }
}

bool Cable::PasaPor(int x, int y) {
    tramo = Tramo::Ninguno;
    unaEsquina = puntos[2] == puntos[3] && puntos[0] == puntos[1] && puntos[4] == puntos[5];
    const int tolerancia = anchura / 2 + 1;

    // The end segments P0-P1 and P4-P5 are never hit. A zero-length segment counts as
    // both vertical and horizontal, so the vertical test comes first.
    struct Candidato {
        Tramo tramo;
        int a;
        int b;
    };
    static constexpr Candidato kCandidatos[] = {
        {Tramo::Primero, 1, 2}, {Tramo::Segundo, 3, 2}, {Tramo::Tercero, 3, 4}};
    for (const Candidato& c : kCandidatos) {
        for (const bool vertical : {true, false}) {
            if (Toca(puntos[c.a], puntos[c.b], {x, y}, tolerancia, vertical)) {
                tramo = c.tramo;
                tramoVertical = vertical;
                return true;
            }
        }
    }
    return false;
}

void Cable::Modifica(int x, int y) {
    MueveTramo(x, y);
    // A dragged segment that lines up with its neighbours merges with them, which frees
    // vertices for later corners. After each merge the grip is looked up again.
    if (!Simplifica({1, 2, 4}, 1, 4, x, y)) Simplifica({1, 2, 3}, 3, 4, x, y);
    Simplifica({2, 3, 4}, 1, 2, x, y);
}

void Cable::MueveTramo(int x, int y) {
    // Written for a vertical segment moving sideways; a horizontal one is the same move
    // on the transposed path.
    Vertices q = tramoVertical ? puntos : Traspuestos(puntos);
    const int v = tramoVertical ? x : y;
    switch (tramo) {
        case Tramo::Primero:
            if (unaEsquina) {
                // Insert a step next to end A instead of tearing the end off its port.
                q[2] = {v, q[1].y};
                q[3].x = v;
            } else {
                q[1].x = q[2].x = v;
            }
            break;
        case Tramo::Segundo:
            q[2].x = q[3].x = v;
            break;
        case Tramo::Tercero:
            if (unaEsquina) {
                q[2].x = v;
                q[3] = {v, q[4].y};
            } else {
                q[3].x = q[4].x = v;
            }
            break;
        case Tramo::Ninguno:
            return;
    }
    puntos = tramoVertical ? q : Traspuestos(q);
}

// When the vertices `alineados` lie on one line, the path becomes
// P0, P0, P`primero`, P`segundo`, P5, P5.
bool Cable::Simplifica(std::array<int, 3> alineados, int primero, int segundo, int x, int y) {
    const Vertices antes = puntos;
    if (!EnLinea(antes[alineados[0]], antes[alineados[1]], antes[alineados[2]])) return false;
    puntos = {antes[0], antes[0], antes[primero], antes[segundo], antes[5], antes[5]};
    PasaPor(x, y);
    return true;
}

void Cable::Desplaza(int tablero, Punto d) {
    if (tableroA == tablero && tableroB == tablero) {
        for (Punto& p : puntos) p = {p.x + d.x, p.y + d.y};
    } else if (tableroA == tablero) {
        ModificaCable(puntos, d);
    } else if (tableroB == tablero) {
        Vertices q{puntos[5], puntos[4], puntos[3], puntos[2], puntos[1], puntos[0]};
        ModificaCable(q, d);
        puntos = {q[5], q[4], q[3], q[2], q[1], q[0]};
    }
}

}  // namespace velistra
