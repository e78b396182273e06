#include <gtest/gtest.h>

#include <vector>

#include "chips/Latches.h"
#include "tests/chips/BancoSecuencial.h"

namespace velistra {
namespace {

using banco::Paso;
using banco::Secuencia;

// Transparent D latch. Columns: D, enable -> Q, Q-bar.
const std::vector<Paso> kLatchD = {
    {"1 1", "10", "con la habilitación a 1, Q sigue a D"},
    {"0 1", "01", "sigue a D"},
    {"1 1", "10", "sigue a D"},
    {"1 0", "10", "la habilitación baja: retiene el último D"},
    {"0 0", "10", "D cambia: retiene"},
    {"0 1", "01", "habilitado de nuevo: sigue a D"},
};

// The same without the complement output (7477).
const std::vector<Paso> kLatchDSinComplemento = {
    {"1 1", "1", "con la habilitación a 1, Q sigue a D"},
    {"0 1", "0", "sigue a D"},
    {"1 1", "1", "sigue a D"},
    {"1 0", "1", "la habilitación baja: retiene el último D"},
    {"0 0", "1", "D cambia: retiene"},
    {"0 1", "0", "habilitado de nuevo: sigue a D"},
};

// Set-reset latch with two set inputs (74279 latches 1 and 3). Columns: set-bar 1,
// set-bar 2, reset-bar -> Q.
const std::vector<Paso> kLatchRSDosSets = {
    {"11 0", "0", "reset"},
    {"11 1", "0", "mantiene"},
    {"01 1", "1", "el primer set pone Q a 1"},
    {"11 1", "1", "mantiene"},
    {"11 0", "0", "reset"},
    {"10 1", "1", "el segundo set pone Q a 1"},
    {"11 0", "0", "reset"},
    {"01 0", "1", "set y reset a la vez: gana el set"},
    {"11 1", "1", "mantiene"},
};

// Columns: set-bar, reset-bar -> Q (74279 latches 2 and 4).
// clang-format off
const std::vector<Paso> kLatchRS = {
    {"1 0", "0", "reset"},
    {"1 1", "0", "mantiene"},
    {"0 1", "1", "set"},
    {"1 1", "1", "mantiene"},
    {"1 0", "0", "reset"},
    {"0 0", "1", "set y reset a la vez: gana el set"},
};
// clang-format on

// 74259. Columns: clear, G, S2 S1 S0, D -> Q0..Q7.
const std::vector<Paso> k74259 = {
    {"1 1 000 1", "0000 0000", "memoria"},
    {"1 0 011 1", "0001 0000", "latch direccionable: Q3 = D"},
    {"1 0 101 1", "0001 0100", "Q5 = D, los demás retienen"},
    {"1 1 000 0", "0001 0100", "memoria: dirección y dato no cuentan"},
    {"1 0 101 0", "0001 0000", "Q5 = D = 0, los demás retienen"},
    {"0 0 000 1", "1000 0000", "demultiplexor: Q0 = D, los demás a 0"},
    {"0 0 111 1", "0000 0001", "demultiplexor: Q7 = D"},
    {"0 0 111 0", "0000 0000", "demultiplexor con D = 0"},
    {"1 0 110 1", "0000 0010", "latch direccionable: Q6 = D"},
    {"0 1 110 1", "0000 0000", "clear: las ocho salidas a 0"},
    {"1 1 110 1", "0000 0000", "memoria"},
};

// 74256, two sections sharing the address. Columns: clear, G, A1 A0, D1, D2 -> section 1
// Q0..Q3, section 2 Q0..Q3.
const std::vector<Paso> k74256 = {
    {"1 1 00 11", "0000 0000", "memoria"},
    {"1 0 10 10", "0010 0000", "latch direccionable: Q2 = D en cada sección"},
    {"1 0 01 01", "0010 0100", "Q1 = D en cada sección, los demás retienen"},
    {"1 1 11 11", "0010 0100", "memoria"},
    {"0 0 11 11", "0001 0001", "demultiplexor: Q3 = D, los demás a 0"},
    {"0 0 00 10", "1000 0000", "demultiplexor: Q0 = D"},
    {"0 1 00 11", "0000 0000", "clear: las ocho salidas a 0"},
    {"1 0 00 11", "1000 1000", "latch direccionable: Q0 = D"},
};

const std::vector<Secuencia> kSecuencias = {
    {"7475_Bit1", &ci7475, {2, 13}, {16, 1}, kLatchD},
    {"7475_Bit2", &ci7475, {3, 13}, {15, 14}, kLatchD},
    {"7475_Bit3", &ci7475, {6, 4}, {10, 11}, kLatchD},
    {"7475_Bit4", &ci7475, {7, 4}, {9, 8}, kLatchD},
    {"7477_Bit1", &ci7477, {1, 12}, {14}, kLatchDSinComplemento},
    {"7477_Bit2", &ci7477, {2, 12}, {13}, kLatchDSinComplemento},
    {"7477_Bit3", &ci7477, {5, 3}, {9}, kLatchDSinComplemento},
    {"7477_Bit4", &ci7477, {6, 3}, {8}, kLatchDSinComplemento},
    {"74375_Bit1", &ci74375, {1, 4}, {3, 2}, kLatchD},
    {"74375_Bit2", &ci74375, {7, 4}, {5, 6}, kLatchD},
    {"74375_Bit3", &ci74375, {9, 12}, {11, 10}, kLatchD},
    {"74375_Bit4", &ci74375, {15, 12}, {13, 14}, kLatchD},
    {"74279_Latch1", &ci74279, {2, 3, 1}, {4}, kLatchRSDosSets},
    {"74279_Latch2", &ci74279, {6, 5}, {7}, kLatchRS},
    {"74279_Latch3", &ci74279, {11, 12, 10}, {9}, kLatchRSDosSets},
    {"74279_Latch4", &ci74279, {15, 14}, {13}, kLatchRS},
    {"74259", &ci74259, {15, 14, 3, 2, 1, 13}, {4, 5, 6, 7, 9, 10, 11, 12}, k74259},
    {"74256", &ci74256, {15, 14, 2, 1, 3, 13}, {4, 5, 6, 7, 9, 10, 11, 12}, k74256},
};

class LatchesSegunHojaDeDatos : public testing::TestWithParam<Secuencia> {};

TEST_P(LatchesSegunHojaDeDatos, SigueLaTablaDeFunciones) { banco::RecorreSecuencia(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Latches, LatchesSegunHojaDeDatos, testing::ValuesIn(kSecuencias),
                         banco::NombreDeSecuencia);

}  // namespace
}  // namespace velistra
