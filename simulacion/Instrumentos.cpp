#include "simulacion/AnalizadorLogico.h"
#include "simulacion/Mesa.h"

namespace velistra {

void Mesa::ConmutaFuente() {
    if (fuentedc == nullptr) return;
    fuentedc->Conmuta();
    asentador.EmpiezaCompleto();
    compilado.EmpiezaCompleto();
    const bool encendida = fuentedc->EstadoDeEntrada(0) != 0;
    if (!encendida && bON) {
        bON = false;
    } else if (encendida && !bON) {
        bON = true;
        bAvisado = false;
        // The analyser's time starts with the circuit's.
        if (analizador != nullptr) analizador->Borra();
        componentes.Reinicia();
        EjecutaFunciones();
    }
    // The supply is first in the list, so its strips carry their new levels before any
    // other board runs its powered test. Switching off settles once more too, so that
    // every chip sees its supply gone.
    for (auto& t : tablero) t->Transmite();
    EjecutaFunciones();
}

bool Mesa::Temporiza() {
    if (analizador != nullptr) analizador->AvanzaTic();
    for (std::size_t i = 2; i < tablero.size(); ++i) tablero[i]->Avanza50ms();
    // A tick while a settling's message is shown must not move levels under it.
    if (bAsentando || !bON) return false;
    if (reloj == nullptr || !reloj->EstaVisible()) return false;
    reloj->Conmuta();
    if (!reloj->TieneSalidas()) return false;
    EjecutaFunciones();
    return true;
}

void Mesa::OperaEntrada(Tablero& palancas) {
    palancas.Conmuta();
    if (bON) EjecutaFunciones();
}

bool Mesa::PonEntrada(Tablero& palancas, int i, bool operada) {
    if (!palancas.SeleccionaEntrada(i)) return false;
    if ((palancas.EstadoDeEntrada(i) != 0) != operada) OperaEntrada(palancas);
    return true;
}

}  // namespace velistra
