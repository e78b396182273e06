#pragma once
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace velistra {

// The chips an iteration evaluates, in the order they were marked, and the ones marked
// for the next iteration, each chip once: what the settling loops that follow changes
// keep between iterations. Nothing is allocated after Prepara.
class ColaDeChips {
public:
    void Prepara(std::size_t chips) {
        actuales.clear();
        siguientes.clear();
        actuales.reserve(chips);
        siguientes.reserve(chips);
        marca.assign(chips, 0);
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

    void Marca(int chip) {
        unsigned& m = marca[static_cast<std::size_t>(chip)];
        if (m == nRonda) return;
        m = nRonda;
        siguientes.push_back(chip);
    }

    const std::vector<int>& Actuales() const { return actuales; }
    bool HayMarcados() const { return !siguientes.empty(); }
    // Numbers the marking rounds: whatever else is marked along with the chips (gates)
    // belongs to this iteration when it carries the previous round's number.
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
