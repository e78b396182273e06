#pragma once
// Checks of where the mouse hits a board, for the tests of each board.
#include <gtest/gtest.h>

#include <initializer_list>

#include "modelo/Puerto.h"
#include "modelo/Tablero.h"

namespace velistra::prueba {

// Index of the port under a point given relative to the board's corner, or -1.
inline int PuertoEnRelativo(Tablero& t, int dx, int dy) {
    Puerto* p = t.PuertoEn(t.EsquinaX() + dx, t.EsquinaY() + dy);
    return p ? p->Indice() : -1;
}

// A point relative to a board's corner and what it must hit: a port and that port's
// centre relative to the corner, or nothing (puerto -1).
struct Punteria {
    int dx, dy;
    int puerto;
    int xCentro = 0, yCentro = 0;
};

// Every miss leaves the centre of the last hit where it was.
inline void CompruebaPunterias(Tablero& t, std::initializer_list<Punteria> casos) {
    for (const Punteria& c : casos) {
        SCOPED_TRACE(testing::Message() << "punto (" << c.dx << ", " << c.dy << ")");
        const int xAntes = t.CentroX();
        const int yAntes = t.CentroY();
        EXPECT_EQ(PuertoEnRelativo(t, c.dx, c.dy), c.puerto);
        if (c.puerto < 0) {
            EXPECT_EQ(t.CentroX(), xAntes);
            EXPECT_EQ(t.CentroY(), yAntes);
        } else {
            EXPECT_EQ(t.CentroX() - t.EsquinaX(), c.xCentro);
            EXPECT_EQ(t.CentroY() - t.EsquinaY(), c.yCentro);
        }
    }
}

// A point relative to a board's corner and whether a hit test must answer true there.
struct Toque {
    int dx, dy;
    bool acierta;
};

template <typename HitTest>
void CompruebaToques(Tablero& t, HitTest acierta, std::initializer_list<Toque> casos) {
    for (const Toque& c : casos) {
        SCOPED_TRACE(testing::Message() << "punto (" << c.dx << ", " << c.dy << ")");
        EXPECT_EQ(acierta(t.EsquinaX() + c.dx, t.EsquinaY() + c.dy), c.acierta);
    }
}

}  // namespace velistra::prueba
