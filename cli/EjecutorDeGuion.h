#pragma once
#include <iosfwd>

#include "cli/Argumentos.h"
#include "cli/ComprobacionDeGuion.h"

namespace velistra {
class Mesa;
}

namespace velistra::consola {

// Carries out checked orders on the workbench through the same operations the mouse
// and the timer use in the window, and writes what mostrar and sonda read. A line that
// runs reserves no memory: boards were found when it was checked, and what it prints is
// written straight to the stream.
class EjecutorDeGuion {
public:
    EjecutorDeGuion(Mesa& mesa, std::ostream& salida, Formato formato)
        : mesa(mesa), salida(salida), formato(formato) {}

    void Ejecuta(const OrdenComprobada& orden) { Ejecuta(orden.orden, orden.tableros); }
    void Ejecuta(const Orden& orden, const TablerosDeLaOrden& tableros);

private:
    // The supply switch is operated only when it is not yet where the order wants it.
    void PonFuente(bool encendida);
    void PonEntrada(const Orden& orden, const TablerosDeLaOrden& tableros, bool operada);

    Mesa& mesa;
    std::ostream& salida;
    Formato formato;
};

}  // namespace velistra::consola
