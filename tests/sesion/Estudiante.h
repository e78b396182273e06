#pragma once
// A student at the workbench: mouse gestures through the session, aimed with the
// boards' own geometry (points relative to each board's corner).
#include <gtest/gtest.h>

#include "modelo/Punto.h"
#include "modelo/Tablero.h"
#include "sesion/Sesion.h"

namespace velistra::prueba {

namespace donde {

inline Punto En(const Tablero& t, int dx, int dy) { return {t.EsquinaX() + dx, t.EsquinaY() + dy}; }

// DC supply.
inline Punto VccDeFuente(const Tablero& t, int k) { return En(t, 61, 14 + 13 * k); }
inline Punto GndDeFuente(const Tablero& t, int k) { return En(t, 61, 74 + 13 * k); }
inline Punto InterruptorDeFuente(const Tablero& t) { return En(t, 31, 75); }
inline Punto MarcadorDeFuente(const Tablero& t) { return En(t, 5, 60); }

// Breadboard: column c, row r of the upper and lower terminal areas.
inline Punto Superior(const Tablero& t, int c, int r) { return En(t, 27 + 13 * c, 66 + 13 * r); }
inline Punto Inferior(const Tablero& t, int c, int r) { return En(t, 27 + 13 * c, 157 + 13 * r); }
inline Punto MarcadorDeProtoboard(const Tablero& t) { return En(t, 7, 137); }

// Switch, push-button and timer boards share the left terminals and the handles.
inline Punto Salida(const Tablero& t, int k, int r) { return En(t, 56 + 19 * k, 11 + 13 * r); }
inline Punto Palanca(const Tablero& t, int i) { return En(t, 55 + 19 * i, 60); }
inline Punto VccDeTiras(const Tablero& t) { return En(t, 15, 11); }
inline Punto GndDeTiras(const Tablero& t) { return En(t, 15, 69); }
inline Punto MarcadorDeTiras(const Tablero& t) { return En(t, 3, 40); }
inline Punto Reloj(const Tablero& t, int k, int r) { return En(t, 59 + 38 * k, 11 + 13 * r); }

// LED board.
inline Punto Lampara(const Tablero& t, int i) { return En(t, 46 + 20 * i, 44); }
inline Punto GndDeLeds(const Tablero& t) { return En(t, 11, 37); }
inline Punto MarcadorDeLeds(const Tablero& t) { return En(t, 104, 2); }

}  // namespace donde

class Estudiante {
public:
    explicit Estudiante(Sesion& sesion) : s(sesion) {}

    ResultadoDelRaton Pulsa(Punto p) { return s.BotonIzquierdoAbajo(p.x, p.y); }
    ResultadoDelRaton Mueve(Punto p) { return s.MueveRaton(p.x, p.y); }
    ResultadoDelRaton Suelta(Punto p) { return s.BotonIzquierdoArriba(p.x, p.y); }
    ResultadoDelRaton Derecho(Punto p) { return s.BotonDerechoAbajo(p.x, p.y); }

    ResultadoDelRaton Clic(Punto p) {
        Pulsa(p);
        return Suelta(p);
    }

    // Press, move in two steps, release.
    ResultadoDelRaton Arrastra(Punto desde, Punto hasta) {
        Pulsa(desde);
        Mueve({(desde.x + hasta.x) / 2, (desde.y + hasta.y) / 2});
        Mueve(hasta);
        return Suelta(hasta);
    }

    // Drags a board by the point `agarre` so that its corner lands on `esquina`.
    void LlevaTablero(const Tablero& t, Punto agarre, Punto esquina) {
        Arrastra(agarre, {esquina.x + agarre.x - t.EsquinaX(), esquina.y + agarre.y - t.EsquinaY()});
    }

    // Lays a wire from a to b. The first move sets which way the wire leaves a, and so
    // its route: vertical first, then horizontal, or the other way round.
    ResultadoDelRaton Cablea(Punto a, Punto b, bool verticalPrimero) {
        Pulsa(a);
        const int paso = 10;
        if (verticalPrimero)
            Mueve({a.x, a.y + (b.y >= a.y ? paso : -paso)});
        else
            Mueve({a.x + (b.x >= a.x ? paso : -paso), a.y});
        Mueve(b);
        return Suelta(b);
    }

    // A wire that must be made.
    void Conecta(Punto a, Punto b, bool verticalPrimero) {
        const std::size_t antes = s.mesa.cables().Lista().size();
        Cablea(a, b, verticalPrimero);
        ASSERT_EQ(s.mesa.cables().Lista().size(), antes + 1)
            << "cable de (" << a.x << ", " << a.y << ") a (" << b.x << ", " << b.y << ")";
    }

private:
    Sesion& s;
};

}  // namespace velistra::prueba
