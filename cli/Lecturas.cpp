#include "cli/Lecturas.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>

#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeLuces.h"
#include "tableros/TableroDeSieteSegmentos.h"
#include "tableros/TableroPLA.h"
#include "simulacion/Mesa.h"

namespace velistra::consola {

namespace {

// Room for the most lights a board has; the states are written here, not into a string,
// so that a mostrar in a long script reserves nothing.
static_assert(TableroDeSieteSegmentos::kSegmentos >= TableroDeLeds::kLamparas);
static_assert(TableroDeSieteSegmentos::kSegmentos >= TableroPLA::kEntradas);
using Estados = std::array<char, TableroDeSieteSegmentos::kSegmentos>;

// What one line of output tells: a board of lights as mostrar shows it, or a probe.
struct Lectura {
    int linea = 0;
    std::string_view clase;
    int tablero = 0;
    // The probed port; only for a probe.
    int puerto = -1;
    std::string_view estado;
};

std::string_view Luces(const TableroDeLuces& t, Estados& estados) {
    const auto n = static_cast<std::size_t>(std::min<int>(t.NumeroDeSalidas(), estados.size()));
    for (std::size_t i = 0; i < n; ++i) estados[i] = t.EstadoDeLed(static_cast<int>(i)) ? '1' : '0';
    return {estados.data(), n};
}

std::string_view Salidas(const TableroPLA& t, Estados& estados) {
    for (int k = 0; k < TableroPLA::kEntradas; ++k)
        estados[static_cast<std::size_t>(k)] = t.Salida(k) ? '1' : '0';
    return {estados.data(), TableroPLA::kEntradas};
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
        Lectura l{linea, {}, t->Identificador(), -1, {}};
        if (t->Tipo() == Tablero::kLeds || t->Tipo() == Tablero::kSieteSegmentos) {
            l.clase = t->Tipo() == Tablero::kLeds ? "leds" : "7seg";
            l.estado = Luces(dynamic_cast<const TableroDeLuces&>(*t), estados);
        } else if (t->Tipo() == Tablero::kPLA) {
            l.clase = "pla";
            l.estado = Salidas(dynamic_cast<const TableroPLA&>(*t), estados);
        } else {
            continue;
        }
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
