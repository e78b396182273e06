#include "simulacion/AnalizadorLogico.h"
#include "simulacion/Mesa.h"

namespace velistra {

void Mesa::ConmutaFuente() {
    if (fuentedc_ == nullptr) return;
    fuentedc_->Conmuta();
    asentador_.EmpiezaCompleto();
    compilado_.EmpiezaCompleto();
    const bool encendida = fuentedc_->EstadoDeEntrada(0) != 0;
    if (!encendida && bON_) {
        bON_ = false;
    } else if (encendida && !bON_) {
        bON_ = true;
        ++nEncendido_;
        // The analyser's time starts with the circuit's.
        if (analizador_ != nullptr) analizador_->Borra();
        componentes_.Reinicia();
        EjecutaFunciones();
    }
    // The supply is first in the list, so its strips carry their new levels before any
    // other board runs its powered test. Switching off settles once more too, so that
    // every chip sees its supply gone.
    for (auto& t : tablero_) t->Transmite();
    EjecutaFunciones();
}

bool Mesa::Temporiza() {
    if (analizador_ != nullptr) analizador_->AvanzaTic();
    for (std::size_t i = 2; i < tablero_.size(); ++i) tablero_[i]->Avanza50ms();
    // A tick while a settling's message is shown must not move levels under it.
    if (bAsentando_ || !bON_) return false;
    if (reloj_ == nullptr || !reloj_->EstaVisible()) return false;
    reloj_->Conmuta();
    if (!reloj_->TieneSalidas()) return false;
    EjecutaFunciones();
    return true;
}

void Mesa::OperaEntrada(Tablero& palancas) {
    palancas.Conmuta();
    if (bON_) EjecutaFunciones();
}

bool Mesa::PonEntrada(Tablero& palancas, int i, bool operada) {
    if (!palancas.SeleccionaEntrada(i)) return false;
    if ((palancas.EstadoDeEntrada(i) != 0) != operada) OperaEntrada(palancas);
    return true;
}

}  // namespace velistra
