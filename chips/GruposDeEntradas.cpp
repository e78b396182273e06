#include "chips/GruposDeEntradas.h"

namespace velistra {

void EscribeNumero(bool* valores, const ListaDePines& entradas, int numero) {
    for (int entrada : entradas) {
        valores[entrada] = (numero & 1) != 0;
        numero >>= 1;
    }
}

void Desplaza(bool* valores, const ListaDePines& etapas, bool entrada) {
    if (etapas.size() == 0) return;
    for (int i = etapas.size() - 1; i > 0; --i) valores[etapas[i]] = valores[etapas[i - 1]];
    valores[etapas[0]] = entrada;
}

void Copia(bool* valores, const ListaDePines& destinos, const ListaDePines& origenes) {
    for (int i = 0; i < destinos.size(); ++i) valores[destinos[i]] = valores[origenes[i]];
}

}  // namespace velistra
