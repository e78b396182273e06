#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "simulacion/ListaFija.h"

namespace velistra {

// The chips (or gates) an iteration evaluates, in the order they were marked, and the ones
// marked for the next iteration, each once: what the settling loops that follow changes
// keep between iterations. Nothing is allocated after Prepara.
class ColaDeMarcados {
public:
    void Prepara(std::size_t cuantos) {
        for (ListaFija<int>& lista : listas) lista.Prepara(cuantos);
        marca.assign(cuantos, 0);
        nRonda = 0;
        NuevaRonda();
    }

    // This iteration's chips are the ones marked so far; marking starts afresh. The lists
    // trade places by number: swapping them reads back what was just written, which
    // stalls the processor on every iteration.
    void Avanza() {
        nActual ^= 1;
        NuevaRonda();
    }
    // Forgets the marks without evaluating them.
    void Olvida() { NuevaRonda(); }

    void Marca(int i) {
        unsigned& m = marca[static_cast<std::size_t>(i)];
        if (m == nRonda) return;
        m = nRonda;
        listas[nActual ^ 1].Agrega(i);
    }

    const ListaFija<int>& Actuales() const { return listas[nActual]; }

private:
    void NuevaRonda() {
        if (++nRonda == 0) {
            std::fill(marca.begin(), marca.end(), 0u);
            nRonda = 1;
        }
        listas[nActual ^ 1].Limpia();
    }

    std::array<ListaFija<int>, 2> listas;
    unsigned nActual = 0;
    std::vector<unsigned> marca;
    unsigned nRonda = 0;
};

}  // namespace velistra
