#pragma once
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace velistra {

// The chips (or gates) an iteration evaluates, in the order they were marked, and the ones
// marked for the next iteration, each once: what the settling loops that follow changes
// keep between iterations. Nothing is allocated after Prepara.
class ColaDeMarcados {
public:
    void Prepara(std::size_t cuantos) {
        actuales.clear();
        siguientes.clear();
        actuales.reserve(cuantos);
        siguientes.reserve(cuantos);
        marca.assign(cuantos, 0);
        nRonda = 0;
        NuevaRonda();
    }

    // This iteration's chips are the ones marked so far; marking starts afresh.
    void Avanza() {
        std::swap(actuales, siguientes);
        NuevaRonda();
    }
    // Forgets the marks without evaluating them.
    void Olvida() { NuevaRonda(); }

    void Marca(int i) {
        unsigned& m = marca[static_cast<std::size_t>(i)];
        if (m == nRonda) return;
        m = nRonda;
        siguientes.push_back(i);
    }

    const std::vector<int>& Actuales() const { return actuales; }
    // Numbers the marking rounds: whatever else is marked along with these belongs to
    // this iteration when it carries the previous round's number.
    unsigned Ronda() const { return nRonda; }

private:
    void NuevaRonda() {
        if (++nRonda == 0) {
            std::fill(marca.begin(), marca.end(), 0u);
            nRonda = 1;
        }
        siguientes.clear();
    }

    std::vector<int> actuales;
    std::vector<int> siguientes;
    std::vector<unsigned> marca;
    unsigned nRonda = 0;
};

}  // namespace velistra
