#include "modelo/Puerto.h"

#include <vector>

namespace velistra {

namespace {
// Ports whose strip still has to be written. Spreading over a loaded circuit can cross
// long chains of wires, so it runs on this explicit stack instead of recursing.
std::vector<Puerto*>& PilaDeDifusion() {
    thread_local std::vector<Puerto*> pila;
    return pila;
}
}  // namespace

template <typename Campo, typename Valor>
void Puerto::DifundePorTira(Campo campo, Valor valor) {
    std::vector<Puerto*>& pila = PilaDeDifusion();
    const std::size_t fondo = pila.size();
    pila.push_back(this);
    while (pila.size() > fondo) {
        Puerto* entrada = pila.back();
        pila.pop_back();
        Puerto* primero = entrada - entrada->nAnteriores;
        Puerto* ultimo = entrada + entrada->nSiguientes;
        for (Puerto* p = primero; p <= ultimo; ++p) {
            p->*campo = valor;
            // The port the walk entered by never goes back out through its own wire.
            if (p != entrada && p->pOtroPuerto != nullptr) pila.push_back(p->pOtroPuerto);
        }
    }
}

template <typename Campo, typename Valor>
void Puerto::DifundePorCable(Campo campo, Valor valor) {
    this->*campo = valor;
    if (pOtroPuerto != nullptr) pOtroPuerto->DifundePorTira(campo, valor);
}

void Puerto::Nodo(int n) { DifundePorTira(&Puerto::nNodo, n); }
void Puerto::Tipo(char t) { DifundePorTira(&Puerto::cTipo, t); }
void Puerto::Estado(char e) { DifundePorTira(&Puerto::cEstado, e); }
void Puerto::NodoDelSiguiente(int n) { DifundePorCable(&Puerto::nNodo, n); }
void Puerto::TipoDelSiguiente(char t) { DifundePorCable(&Puerto::cTipo, t); }
void Puerto::EstadoDelSiguiente(char e) { DifundePorCable(&Puerto::cEstado, e); }

}  // namespace velistra
