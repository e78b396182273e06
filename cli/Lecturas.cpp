#include "cli/Lecturas.h"

#include <array>
#include <ostream>
#include <string_view>

#include "simulacion/Mesa.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra::consola {

namespace {

// Room for the most lights a board has; the states are written here, not into a string,
// so that a mostrar in a long script reserves nothing.
using Estados = std::array<char, MaximoDeLuces()>;

// What one line of output tells: a board of lights as mostrar shows it, or a probe.
struct Lectura {
    int linea = 0;
    std::string_view clase;
    int tablero = 0;
    // The probed port; only for a probe.
    int puerto = -1;
    std::string_view estado;
};

std::string_view Luces(const Tablero& t, int luces, Estados& estados) {
    const auto n = static_cast<std::size_t>(luces);
    for (std::size_t i = 0; i < n; ++i) estados[i] = t.EstadoDeLed(static_cast<int>(i)) ? '1' : '0';
    return {estados.data(), n};
}

void EscribeLectura(std::ostream& salida, const Lectura& l, Formato formato) {
    const bool esSonda = l.puerto >= 0;
    if (formato != Formato::Json) {
        salida << l.clase << ' ' << l.tablero;
        if (esSonda) salida << ' ' << l.puerto;
        salida << ": " << l.estado << '\n';
        return;
    }
    // Every text here is a fixed word or a run of 0, 1 and Z: nothing needs escaping.
    salida << "{\"linea\":" << l.linea << ",\"orden\":\"" << (esSonda ? "sonda" : "mostrar") << '"';
    if (!esSonda) salida << ",\"clase\":\"" << l.clase << '"';
    salida << ",\"tablero\":" << l.tablero;
    if (esSonda) salida << ",\"puerto\":" << l.puerto;
    salida << ",\"estado\":\"" << l.estado << "\"}\n";
}

}  // namespace

void EscribeTableros(std::ostream& salida, const Mesa& mesa, int linea, Formato formato) {
    Estados estados;
    for (const auto& t : mesa.tablero()) {
        const DescripcionDeTablero& d = DescripcionDe(*t);
        if (d.luces == 0 || d.palabra == nullptr) continue;
        const Lectura l{linea, d.palabra, t->Identificador(), -1, Luces(*t, d.luces, estados)};
        EscribeLectura(salida, l, formato);
    }
}

void EscribeSonda(std::ostream& salida, Tablero& tablero, int puerto, int linea,
                  Formato formato) {
    const Puerto* p = tablero.DireccionDePuerto(puerto);
    const char estado = p == nullptr ? 'Z' : p->Estado();
    EscribeLectura(salida, {linea, "sonda", tablero.Identificador(), puerto, {&estado, 1}},
                   formato);
}

}  // namespace velistra::consola
