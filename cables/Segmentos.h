#pragma once
// Small geometry helpers shared by the wire's layout, editing and drawing.
#include <array>
#include <cstddef>

#include "modelo/Punto.h"

namespace velistra::segmentos {

constexpr bool EsHorizontal(Punto a, Punto b) { return a.y == b.y && a.x != b.x; }
constexpr bool EsVertical(Punto a, Punto b) { return a.x == b.x && a.y != b.y; }

// Three vertices with one common x or one common y.
constexpr bool EnLinea(Punto a, Punto b, Punto c) {
    return (a.x == b.x && b.x == c.x) || (a.y == b.y && b.y == c.y);
}

// x and y swapped: a rule written for vertical segments then serves horizontal ones.
constexpr Punto Traspuesto(Punto p) { return {p.y, p.x}; }

template <std::size_t N>
constexpr std::array<Punto, N> Traspuestos(std::array<Punto, N> puntos) {
    for (Punto& p : puntos) p = Traspuesto(p);
    return puntos;
}

}  // namespace velistra::segmentos
