#include "bench/Medidas.h"

#include <vector>

#include "bench/Generador.h"
#include "tableros/TableroDePalancas.h"
#include "tableros/TableroDeTemporizadores.h"
#include "simulacion/Mesa.h"
#include "support/Montador.h"

namespace velistra::banco {

using prueba::MontajeRechazado;

TableroDePalancas& Palancas(Mesa& mesa) {
    for (auto& t : mesa.tablero()) {
        if (auto* p = dynamic_cast<TableroDePalancas*>(t.get());
            p != nullptr && p->Tipo() == Tablero::kInterruptores)
            return *p;
    }
    throw MontajeRechazado("la mesa no tiene interruptores");
}

// The steps of Mesa::OperaEntrada and Mesa::Temporiza, here only to count iterations.
int IteracionesDeUnCambio(Mesa& mesa, TableroDePalancas& palancas) {
    palancas.SeleccionaEntrada(kPalanca);
    palancas.Conmuta();
    return mesa.EjecutaFunciones().nIteraciones;
}

int IteracionesDeUnTic(Mesa& mesa) {
    auto* reloj = dynamic_cast<TableroDeTemporizadores*>(mesa.reloj());
    if (reloj == nullptr) return 0;
    reloj->Conmuta();
    return mesa.EjecutaFunciones().nIteraciones;
}

// Walks each net as the level spreads over it: a strip, then across the wire of every
// other port of the strip.
long PuertosEscritosPorIteracion(Mesa& mesa) {
    long escritos = 0;
    std::vector<const Puerto*> pila;
    for (const Componente& chip : mesa.componentes()) {
        for (int i = 1; i <= chip.NumeroDePines(); ++i) {
            const Puerto* hoyo = chip.DireccionDeCasilla(i);
            if (hoyo == nullptr || chip.TiposDePines()[i] != 'S') continue;
            pila.assign(1, hoyo);
            while (!pila.empty()) {
                const Puerto* entrada = pila.back();
                pila.pop_back();
                const Puerto* primero = entrada - entrada->NumeroDeAnteriores();
                const Puerto* ultimo = entrada + entrada->NumeroDeSiguientes();
                for (const Puerto* p = primero; p <= ultimo; ++p) {
                    ++escritos;
                    if (p != entrada && p->OtroPuerto() != nullptr) pila.push_back(p->OtroPuerto());
                }
            }
        }
    }
    return escritos;
}

}  // namespace velistra::banco
