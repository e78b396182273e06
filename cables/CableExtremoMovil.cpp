// Keeping a wire rectilinear when the board under one of its ends moves.
#include <algorithm>
#include <vector>

#include "cables/Cable.h"
#include "cables/Segmentos.h"

namespace velistra {

namespace {

using Vertices = Cable::Vertices;
using segmentos::EsHorizontal;
using segmentos::EsVertical;
using segmentos::Traspuestos;

enum class Union { Igual, Horizontal, Vertical };

struct Enlace {
    int a;
    int b;
    Union como;
};

bool Cumple(const Vertices& q, const Enlace& e) {
    const Punto a = q[e.a];
    const Punto b = q[e.b];
    switch (e.como) {
        case Union::Igual:
            return a == b;
        case Union::Horizontal:
            return EsHorizontal(a, b);
        case Union::Vertical:
            return EsVertical(a, b);
    }
    return false;
}

// The rules below see q[0] already moved; q[5] is the fixed end. Each keeps the
// shape it was chosen for, merging segments when the moved end lines up with a corner.

// One corner, leaving the moved end horizontally (also every shape not listed).
void UnaEsquinaHorizontal(Vertices& q) {
    q[1] = q[0];
    if (q[0].x == q[5].x) {
        q[2].y = q[0].y;
        q[3].y = q[5].y;
    } else if (q[0].y == q[5].y) {
        q[2] = q[0];
        q[3].y = q[5].y;
    } else {
        q[2].y = q[3].y = q[0].y;
    }
}

// One corner, leaving the moved end vertically.
void UnaEsquinaVertical(Vertices& q) {
    q[1] = q[0];
    if (q[0].x == q[5].x) {
        q[2].x = q[0].x;
        q[3].x = q[5].x;
    } else if (q[0].y == q[5].y) {
        q[2].x = q[0].x;
        q[3] = q[5];
    } else {
        q[2].x = q[3].x = q[0].x;
    }
}

bool AlineadoConElFijo(const Vertices& q) { return q[0].x == q[5].x || q[0].y == q[5].y; }

// Straight vertical: leaving the line keeps a corner where the end was.
void RectaVertical(Vertices& q) {
    q[1] = q[0];
    if (AlineadoConElFijo(q)) {
        q[2] = q[0];
    } else {
        q[3] = q[2];
    }
}

// Straight horizontal: leaving the line gives one diagonal, straightened by the next move.
void RectaHorizontal(Vertices& q) {
    q[1] = q[0];
    if (AlineadoConElFijo(q)) {
        q[2] = q[0];
    } else {
        q[2] = q[3];
    }
}

// Two corners, first leg horizontal.
void DosEsquinas(Vertices& q) {
    q[1] = q[0];
    if (q[0].y == q[5].y) {
        q[2] = q[0];
        q[3] = q[5];
    } else if (q[0].x == q[3].x) {
        q[2] = q[3];
    } else {
        q[2].y = q[0].y;
    }
}

// Drops q[2]: the moved end has come into line with the following corner.
void SaltaUnVertice(Vertices& q) {
    q[2] = q[3];
    q[3] = q[4];
    q[4] = q[5];
}

// Four corners, both end legs vertical.
void CuatroEsquinas(Vertices& q) {
    if (q[0].y == q[1].y) {
        q[1] = q[0];
    } else if (q[0].x == q[2].x) {
        q[1] = q[0];
        SaltaUnVertice(q);
    } else {
        q[1].x = q[0].x;
    }
}

// Three corners after a first vertical leg; the moved end sits on P1.
void TresEsquinasDesdeElExtremo(Vertices& q) {
    q[1] = q[0];
    if (q[0].x == q[3].x) {
        q[2] = q[4];
        q[3] = q[4];
        q[4] = q[5];
    } else if (q[0].y == q[2].y) {
        SaltaUnVertice(q);
    } else {
        q[2].x = q[0].x;
    }
}

// Three corners after a first horizontal leg; the fixed end sits on P4.
void TresEsquinasHastaElFijo(Vertices& q) {
    if (q[0].y == q[2].y) {
        q[1] = q[0];
        q[2] = q[3];
    } else if (q[0].x == q[2].x) {
        q[1] = q[0];
    } else {
        q[1].y = q[0].y;
    }
}

// The same rule with horizontal and vertical exchanged.
template <void (*Regla)(Vertices&)>
void Traspuesta(Vertices& q) {
    q = Traspuestos(q);
    Regla(q);
    q = Traspuestos(q);
}

struct Caso {
    std::vector<Enlace> forma;
    void (*regla)(Vertices&);
};

constexpr Union I = Union::Igual;
constexpr Union H = Union::Horizontal;
constexpr Union V = Union::Vertical;

// First match wins; the shape is read before the end moves.
const std::vector<Caso>& Casos() {
    static const std::vector<Caso> casos = {
        {{{0, 2, H}, {2, 3, I}, {3, 5, V}}, UnaEsquinaHorizontal},
        {{{0, 2, V}, {2, 3, I}, {3, 5, H}}, UnaEsquinaVertical},
        {{{0, 1, I}, {1, 2, I}, {2, 3, V}, {3, 4, I}, {4, 5, I}}, RectaVertical},
        {{{0, 1, I}, {1, 2, I}, {2, 3, H}, {3, 4, I}, {4, 5, I}}, RectaHorizontal},
        {{{0, 2, H}, {2, 3, V}, {3, 5, H}}, DosEsquinas},
        {{{0, 2, V}, {2, 3, H}, {3, 5, V}}, Traspuesta<DosEsquinas>},
        {{{0, 1, V}, {1, 2, H}, {2, 3, V}, {3, 4, H}, {4, 5, V}}, CuatroEsquinas},
        {{{0, 1, H}, {1, 2, V}, {2, 3, H}, {3, 4, V}, {4, 5, H}}, Traspuesta<CuatroEsquinas>},
        {{{0, 1, I}, {1, 2, V}, {2, 3, H}, {3, 4, V}, {4, 5, H}}, TresEsquinasDesdeElExtremo},
        {{{0, 1, H}, {1, 2, V}, {2, 3, H}, {3, 4, V}, {4, 5, I}}, TresEsquinasHastaElFijo},
        {{{0, 1, I}, {1, 2, H}, {2, 3, V}, {3, 4, H}, {4, 5, V}},
         Traspuesta<TresEsquinasDesdeElExtremo>},
        {{{0, 1, V}, {1, 2, H}, {2, 3, V}, {3, 4, H}, {4, 5, I}},
         Traspuesta<TresEsquinasHastaElFijo>},
    };
    return casos;
}

}  // namespace

void Cable::ModificaCable(Vertices& q, Punto d) {
    const std::vector<Caso>& casos = Casos();
    const auto caso = std::find_if(casos.begin(), casos.end(), [&q](const Caso& c) {
        return std::all_of(c.forma.begin(), c.forma.end(),
                           [&q](const Enlace& e) { return Cumple(q, e); });
    });
    q[0] = {q[0].x + d.x, q[0].y + d.y};
    // Any other shape (such as the diagonal a straight wire can be left with) is
    // straightened into one corner.
    (caso != casos.end() ? caso->regla : UnaEsquinaHorizontal)(q);
}

}  // namespace velistra
