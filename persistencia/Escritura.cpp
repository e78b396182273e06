#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cables/Cable.h"
#include "modelo/Componente.h"
#include "modelo/Tablero.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "simulacion/Mesa.h"

namespace velistra {

namespace {

// Fields each preceded by one blank, then the line break. std::to_string ignores the
// stream's locale and flags, so the text never depends on who opened the stream.
std::string Registro(const std::vector<long long>& campos) {
    std::string linea;
    for (long long campo : campos) {
        linea += ' ';
        linea += std::to_string(campo);
    }
    linea += '\n';
    return linea;
}

std::string Cuenta(std::size_t n) { return std::to_string(n) + '\n'; }

bool TemporizadorVisible(const Mesa& mesa) {
    return mesa.reloj() != nullptr && mesa.reloj()->EstaVisible();
}

}  // namespace

std::ostream& operator<<(std::ostream& salida, const Tablero& t) {
    return salida << Registro({t.Tipo(), t.EsquinaX(), t.EsquinaY(), t.Anchura(), t.Altura(),
                               t.NodoBase(), t.Identificador()});
}

std::ostream& operator<<(std::ostream& salida, const Cable& cable) {
    std::vector<long long> campos{cable.Color(), cable.Anchura()};
    for (const Punto& p : cable.Puntos()) {
        campos.push_back(p.x);
        campos.push_back(p.y);
    }
    // Each board identifier follows a filler 0 that readers skip.
    campos.insert(campos.end(), {0, cable.TableroA(), 0, cable.TableroB()});
    return salida << Registro(campos);
}

std::ostream& operator<<(std::ostream& salida, const Componente& chip) {
    return salida << Registro({chip.Codigo(), chip.Etiqueta() ? 1 : 0, chip.NumeroDePines(),
                               chip.Ubicacion().x, chip.Ubicacion().y, chip.Desplazamiento().x,
                               chip.Desplazamiento().y, chip.CentroDeCasilla().x,
                               chip.CentroDeCasilla().y, chip.NumeroDeProtoboard()});
}

void EscribeCircuito(const Mesa& mesa, std::ostream& salida) {
    salida << "Version " << kVersionDeArchivo << '\n';
    salida << Cuenta(mesa.tablero().size());
    for (const std::unique_ptr<Tablero>& t : mesa.tablero()) salida << *t;
    salida << Registro({TemporizadorVisible(mesa) ? 1 : 0});
    salida << Cuenta(mesa.cables().Lista().size());
    for (const Cable& cable : mesa.cables().Lista()) salida << cable;
    salida << Cuenta(mesa.componentes().size());
    for (const Componente& chip : mesa.componentes()) salida << chip;
}

std::string TextoDeCircuito(const Mesa& mesa) {
    std::ostringstream texto;
    EscribeCircuito(mesa, texto);
    return texto.str();
}

}  // namespace velistra
