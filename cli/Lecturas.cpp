#include "cli/Lecturas.h"

#include <ostream>

#include "boards/TableroDeLuces.h"
#include "boards/TableroPLA.h"
#include "cli/ComprobacionDeGuion.h"
#include "simulation/Mesa.h"

namespace velistra::consola {

namespace {

std::string Luces(const TableroDeLuces& t) {
    std::string estado;
    for (int i = 0; i < t.NumeroDeSalidas(); ++i) estado += t.EstadoDeLed(i) ? '1' : '0';
    return estado;
}

std::string Salidas(const TableroPLA& t) {
    std::string estado;
    for (int k = 0; k < TableroPLA::kEntradas; ++k) estado += t.Salida(k) ? '1' : '0';
    return estado;
}

}  // namespace

std::vector<Lectura> LeeTableros(const Mesa& mesa, int linea) {
    std::vector<Lectura> lecturas;
    for (const auto& t : mesa.tablero) {
        Lectura l{linea, {}, t->Identificador(), -1, {}};
        if (t->Tipo() == Tablero::kLeds || t->Tipo() == Tablero::kSieteSegmentos) {
            l.clase = t->Tipo() == Tablero::kLeds ? "leds" : "7seg";
            l.estado = Luces(dynamic_cast<const TableroDeLuces&>(*t));
        } else if (t->Tipo() == Tablero::kPLA) {
            l.clase = "pla";
            l.estado = Salidas(dynamic_cast<const TableroPLA&>(*t));
        } else {
            continue;
        }
        lecturas.push_back(l);
    }
    return lecturas;
}

Lectura LeeSonda(const Mesa& mesa, int tablero, int puerto, int linea) {
    Tablero* t = TableroConIdentificador(mesa, tablero);
    const Puerto* p = t == nullptr ? nullptr : t->DireccionDePuerto(puerto);
    return {linea, "sonda", tablero, puerto, std::string(1, p == nullptr ? 'Z' : p->Estado())};
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

}  // namespace velistra::consola
