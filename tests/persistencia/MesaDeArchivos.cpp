#include "persistencia/MesaDeArchivos.h"

#include <sstream>

namespace velistra::prueba {

ResultadoDeLectura Carga(Mesa& mesa, const std::string& texto) {
    std::istringstream entrada(texto);
    return LeeCircuito(mesa, entrada);
}

Cable CableEntre(Tablero& ta, int a, Tablero& tb, int b, const std::vector<Punto>& interior) {
    const Punto pa = CentroDePuerto(ta, a);
    const Punto pb = CentroDePuerto(tb, b);
    Cable cable = TrazaCable(ta.Identificador(), pa, tb.Identificador(), pb, Trazado::Directo, 0);
    if (interior.size() == 4) cable.Puntos({pa, interior[0], interior[1], interior[2], interior[3], pb});
    return cable;
}

Tablero& MesaDeArchivos::Agrega(int tipo) {
    Tablero* t = mesa.AgregaTablero(tipo);
    if (t == nullptr) throw MontajeRechazado("la mesa no agrega un tablero de tipo " + std::to_string(tipo));
    return *t;
}

bool MesaDeArchivos::Cablea(Tablero& ta, int a, Tablero& tb, int b,
                            const std::vector<Punto>& interior) {
    Cable cable = CableEntre(ta, a, tb, b, interior);
    cable.Color(mesa.cables().Color());
    return montador.Tiende(montador.Terminal(ta, a), montador.Terminal(tb, b), cable);
}

}  // namespace velistra::prueba
