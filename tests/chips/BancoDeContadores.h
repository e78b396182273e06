#pragma once
// Clock pulses and counts over ChipEnBanco for the counter and shift-register tests.
#include <vector>

#include "tests/chips/BancoSecuencial.h"

namespace velistra::banco {

using Pines = std::vector<int>;

// The pins as a binary number, the first pin least significant.
inline int LeeCuenta(const ChipEnBanco& chip, const Pines& pines) {
    int cuenta = 0;
    for (std::size_t i = 0; i < pines.size(); ++i)
        if (chip.Nivel(pines[i])) cuenta |= 1 << i;
    return cuenta;
}

inline void PonNumero(ChipEnBanco& chip, const Pines& pines, int numero) {
    for (std::size_t i = 0; i < pines.size(); ++i) chip.Pon(pines[i], ((numero >> i) & 1) != 0);
}

// High then low, evaluating at each level; answers what the falling edge's evaluation did.
inline bool PulsoDeBajada(ChipEnBanco& chip, int reloj) {
    chip.Pon(reloj, true);
    chip.Evalua();
    chip.Pon(reloj, false);
    return chip.Evalua();
}

// Low then high; answers what the rising edge's evaluation did.
inline bool PulsoDeSubida(ChipEnBanco& chip, int reloj) {
    chip.Pon(reloj, false);
    chip.Evalua();
    chip.Pon(reloj, true);
    return chip.Evalua();
}

}  // namespace velistra::banco
