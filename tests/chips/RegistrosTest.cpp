#include <gtest/gtest.h>

#include <vector>

#include "chips/Registros.h"
#include "tests/chips/BancoSecuencial.h"

namespace velistra {
namespace {

using banco::Paso;
using banco::Secuencia;

// Rising-edge registers with an asynchronous clear. Columns: clear, clock, D... -> Q...
// (then Q-bar... where the chip has them).
const std::vector<Paso> k74174 = {
    {"1 0 101010", "000000", "sin flanco no carga"},
    {"1 1 101010", "101010", "el flanco de subida carga D"},
    {"1 0 010101", "101010", "el flanco de bajada no carga"},
    {"1 1 010101", "010101", "subida: carga"},
    {"0 1 111111", "000000", "clear asíncrono con el reloj alto"},
    {"0 0 111111", "000000", ""},
    {"0 1 111111", "000000", "el flanco de subida con el clear activo se pierde"},
    {"1 1 111111", "000000", "soltar el clear sin flanco deja todo a 0"},
    {"1 0 110011", "000000", ""},
    {"1 1 110011", "110011", "subida: carga"},
};

const std::vector<Paso> k74175 = {
    {"1 0 1010", "0000 1111", "sin flanco no carga; Q-bar es el complemento"},
    {"1 1 1010", "1010 0101", "el flanco de subida carga D"},
    {"1 0 0101", "1010 0101", "el flanco de bajada no carga"},
    {"1 1 0101", "0101 1010", "subida: carga"},
    {"0 1 1111", "0000 1111", "clear asíncrono con el reloj alto"},
    {"0 0 1111", "0000 1111", ""},
    {"0 1 1111", "0000 1111", "el flanco de subida con el clear activo se pierde"},
    {"1 1 1111", "0000 1111", "soltar el clear sin flanco deja todo a 0"},
    {"1 0 1100", "0000 1111", ""},
    {"1 1 1100", "1100 0011", "subida: carga"},
};

const std::vector<Paso> k74273 = {
    {"1 0 10101010", "00000000", "sin flanco no carga"},
    {"1 1 10101010", "10101010", "el flanco de subida carga D"},
    {"1 0 01010101", "10101010", "el flanco de bajada no carga"},
    {"1 1 01010101", "01010101", "subida: carga"},
    {"0 1 11111111", "00000000", "clear asíncrono con el reloj alto"},
    {"0 0 11111111", "00000000", ""},
    {"0 1 11111111", "00000000", "el flanco de subida con el clear activo se pierde"},
    {"1 1 11111111", "00000000", "soltar el clear sin flanco deja todo a 0"},
    {"1 0 11000011", "00000000", ""},
    {"1 1 11000011", "11000011", "subida: carga"},
};

// Rising-edge registers with an active-low enable. Columns: G, clock, D... -> Q... (Q-bar...).
const std::vector<Paso> k74377 = {
    {"0 0 10101010", "00000000", "sin flanco no carga"},
    {"0 1 10101010", "10101010", "G = 0: el flanco de subida carga D"},
    {"1 0 01010101", "10101010", "el flanco de bajada no carga"},
    {"1 1 01010101", "10101010", "G = 1: el flanco de subida se ignora"},
    {"0 1 01010101", "10101010", "G baja sin flanco: nada"},
    {"0 0 01010101", "10101010", ""},
    {"0 1 01010101", "01010101", "subida con G = 0: carga"},
};

const std::vector<Paso> k74378 = {
    {"0 0 101010", "000000", "sin flanco no carga"},
    {"0 1 101010", "101010", "G = 0: el flanco de subida carga D"},
    {"1 0 010101", "101010", "el flanco de bajada no carga"},
    {"1 1 010101", "101010", "G = 1: el flanco de subida se ignora"},
    {"0 1 010101", "101010", "G baja sin flanco: nada"},
    {"0 0 010101", "101010", ""},
    {"0 1 010101", "010101", "subida con G = 0: carga"},
};

const std::vector<Paso> k74379 = {
    {"0 0 1010", "0000 1111", "sin flanco no carga; Q-bar es el complemento"},
    {"0 1 1010", "1010 0101", "G = 0: el flanco de subida carga D"},
    {"1 0 0101", "1010 0101", "el flanco de bajada no carga"},
    {"1 1 0101", "1010 0101", "G = 1: el flanco de subida se ignora"},
    {"0 1 0101", "1010 0101", "G baja sin flanco: nada"},
    {"0 0 0101", "1010 0101", ""},
    {"0 1 0101", "0101 1010", "subida con G = 0: carga"},
};

// Registers with a two-word multiplexer in front. Columns: select, clock, word 0 (A..D),
// word 1 (A..D) -> QA..QD (then their complements on the 74398).
const std::vector<Paso> k74298 = {
    {"0 1 1100 0011", "0000", "el flanco de subida no carga"},
    {"0 0 1100 0011", "1100", "bajada con selección 0: carga la palabra 1"},
    {"1 1 1100 0011", "1100", "subida: nada"},
    {"1 0 1100 0011", "0011", "bajada con selección 1: carga la palabra 2"},
    {"1 0 1010 0101", "0011", "sin flanco retiene"},
    {"0 1 1010 0101", "0011", ""},
    {"0 0 1010 0101", "1010", "bajada: carga la palabra 1"},
};

const std::vector<Paso> k74398 = {
    {"0 0 1100 0011", "0000 1111", "sin flanco no carga; Q-bar es el complemento"},
    {"0 1 1100 0011", "1100 0011", "subida con selección 0: carga la palabra 0"},
    {"1 0 1100 0011", "1100 0011", "bajada: nada"},
    {"1 1 1100 0011", "0011 1100", "subida con selección 1: carga la palabra 1"},
    {"1 0 1010 0101", "0011 1100", "sin flanco retiene"},
    {"0 1 1010 0101", "1010 0101", "subida: carga la palabra 0"},
};

const std::vector<Paso> k74399 = {
    {"0 0 1100 0011", "0000", "sin flanco no carga"},
    {"0 1 1100 0011", "1100", "subida con selección 0: carga la palabra 0"},
    {"1 0 1100 0011", "1100", "bajada: nada"},
    {"1 1 1100 0011", "0011", "subida con selección 1: carga la palabra 1"},
    {"1 0 1010 0101", "0011", "sin flanco retiene"},
    {"0 1 1010 0101", "1010", "subida: carga la palabra 0"},
};

const std::vector<Secuencia> kSecuencias = {
    {"74174", &ci74174, {1, 9, 3, 4, 6, 11, 13, 14}, {2, 5, 7, 10, 12, 15}, k74174},
    {"74175", &ci74175, {1, 9, 4, 5, 12, 13}, {2, 7, 10, 15, 3, 6, 11, 14}, k74175},
    {"74273", &ci74273, {1, 11, 3, 4, 7, 8, 13, 14, 17, 18}, {2, 5, 6, 9, 12, 15, 16, 19}, k74273},
    {"74377", &ci74377, {1, 11, 3, 4, 7, 8, 13, 14, 17, 18}, {2, 5, 6, 9, 12, 15, 16, 19}, k74377},
    {"74378", &ci74378, {1, 9, 3, 4, 6, 11, 13, 14}, {2, 5, 7, 10, 12, 15}, k74378},
    {"74379", &ci74379, {1, 9, 4, 5, 12, 13}, {2, 7, 10, 15, 3, 6, 11, 14}, k74379},
    {"74298", &ci74298, {10, 11, 3, 4, 9, 7, 2, 1, 5, 6}, {15, 14, 13, 12}, k74298},
    {"74398", &ci74398, {1, 11, 4, 7, 14, 17, 5, 6, 15, 16}, {2, 9, 12, 19, 3, 8, 13, 18}, k74398},
    {"74399", &ci74399, {1, 9, 3, 6, 11, 14, 4, 5, 12, 13}, {2, 7, 10, 15}, k74399},
};

class RegistrosSegunHojaDeDatos : public testing::TestWithParam<Secuencia> {};

TEST_P(RegistrosSegunHojaDeDatos, SigueLaTablaDeFunciones) { banco::RecorreSecuencia(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Registros, RegistrosSegunHojaDeDatos, testing::ValuesIn(kSecuencias),
                         banco::NombreDeSecuencia);

}  // namespace
}  // namespace velistra
