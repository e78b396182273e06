#include <gtest/gtest.h>

#include <vector>

#include "chips/Biestables.h"
#include "tests/chips/BancoSecuencial.h"

namespace velistra {
namespace {

using banco::ChipEnBanco;
using banco::Paso;
using banco::Secuencia;

// Falling-edge J-K flip-flop with only a clear (7473, 74107).
// Columns: clock, J, K, clear -> Q, Q-bar.
const std::vector<Paso> kJKConClear = {
    {"1 11 0", "01", "clear asíncrono con el reloj alto"},
    {"0 11 0", "01", "el flanco de bajada con el clear activo se pierde"},
    {"0 11 1", "01", "soltar el clear sin flanco deja Q a 0"},
    {"1 11 1", "01", "el flanco de subida no hace nada"},
    {"0 11 1", "10", "J = K = 1 en el flanco de bajada: conmuta"},
    {"1 11 1", "10", "subida: nada"},
    {"0 11 1", "01", "bajada: conmuta otra vez"},
    {"1 10 1", "01", "J = 1, K = 0 con subida: nada"},
    {"0 10 1", "10", "bajada: Q = 1"},
    {"1 00 1", "10", "J = K = 0"},
    {"0 00 1", "10", "bajada: mantiene"},
    {"1 01 1", "10", "J = 0, K = 1 con subida: nada"},
    {"0 01 1", "01", "bajada: Q = 0"},
};

// Falling-edge J-K flip-flop with preset and clear (7476A, 74112, 74114).
// Columns: clock, J, K, preset, clear -> Q, Q-bar.
const std::vector<Paso> kJKConPresetYClear = {
    {"1 11 10", "01", "clear asíncrono con el reloj alto"},
    {"0 11 10", "01", "el flanco de bajada con el clear activo se pierde"},
    {"0 11 11", "01", "soltar el clear sin flanco deja Q a 0"},
    {"1 11 11", "01", "el flanco de subida no hace nada"},
    {"0 11 11", "10", "J = K = 1 en el flanco de bajada: conmuta"},
    {"1 11 11", "10", "subida: nada"},
    {"0 11 11", "01", "bajada: conmuta otra vez"},
    {"1 10 11", "01", "J = 1, K = 0 con subida: nada"},
    {"0 10 11", "10", "bajada: Q = 1"},
    {"1 00 11", "10", "J = K = 0"},
    {"0 00 11", "10", "bajada: mantiene"},
    {"1 01 11", "10", "J = 0, K = 1 con subida: nada"},
    {"0 01 11", "01", "bajada: Q = 0"},
    {"1 11 01", "10", "preset asíncrono con el reloj alto"},
    {"0 11 01", "10", "el flanco que conmutaría se ignora con el preset activo"},
    {"0 11 11", "10", "soltar el preset sin flanco deja Q a 1"},
    {"1 11 00", "11", "preset y clear a la vez: Q y Q-bar a 1"},
    {"0 11 00", "11", "el flanco de bajada se ignora"},
    {"0 11 11", "10", "soltar ambos sin flanco: Q a 1 y Q-bar su complemento"},
};

// Falling-edge J-K flip-flop with only a preset (74113).
// Columns: clock, J, K, preset -> Q, Q-bar.
const std::vector<Paso> kJKConPreset = {
    {"1 11 0", "10", "preset asíncrono con el reloj alto"},
    {"0 11 0", "10", "el flanco de bajada con el preset activo se pierde"},
    {"0 11 1", "10", "soltar el preset sin flanco deja Q a 1"},
    {"1 11 1", "10", "el flanco de subida no hace nada"},
    {"0 11 1", "01", "J = K = 1 en el flanco de bajada: conmuta"},
    {"1 11 1", "01", "subida: nada"},
    {"0 11 1", "10", "bajada: conmuta otra vez"},
    {"1 01 1", "10", "J = 0, K = 1 con subida: nada"},
    {"0 01 1", "01", "bajada: Q = 0"},
    {"1 00 1", "01", "J = K = 0"},
    {"0 00 1", "01", "bajada: mantiene"},
    {"1 10 1", "01", "J = 1, K = 0 con subida: nada"},
    {"0 10 1", "10", "bajada: Q = 1"},
};

// Rising-edge J-K-bar flip-flop with preset and clear (74109).
// Columns: clock, J, K-bar, preset, clear -> Q, Q-bar.
const std::vector<Paso> kJKNegadaConPresetYClear = {
    {"0 11 10", "01", "clear asíncrono"},
    {"1 11 10", "01", "el flanco de subida con el clear activo se pierde"},
    {"1 11 11", "01", "soltar el clear sin flanco deja Q a 0"},
    {"0 11 11", "01", "el flanco de bajada no hace nada"},
    {"1 11 11", "10", "J = 1, K-bar = 1 en el flanco de subida: Q = 1"},
    {"0 00 11", "10", "J = 0, K-bar = 0 con bajada: nada"},
    {"1 00 11", "01", "subida: Q = 0"},
    {"0 10 11", "01", "J = 1, K-bar = 0"},
    {"1 10 11", "10", "subida: conmuta"},
    {"0 10 11", "10", "bajada: nada"},
    {"1 10 11", "01", "subida: conmuta otra vez"},
    {"0 10 11", "01", ""},
    {"1 10 11", "10", "subida: conmuta"},
    {"0 01 11", "10", "J = 0, K-bar = 1"},
    {"1 01 11", "10", "subida: mantiene"},
    {"0 00 11", "10", "J = 0, K-bar = 0"},
    {"0 00 10", "01", "clear"},
    {"0 00 01", "10", "preset"},
    {"1 00 01", "10", "el flanco que pondría Q a 0 se ignora con el preset activo"},
    {"1 00 00", "11", "preset y clear a la vez: Q y Q-bar a 1"},
    {"1 00 11", "10", "soltar ambos sin flanco: Q a 1 y Q-bar su complemento"},
};

// Rising-edge D flip-flop with preset and clear (7474).
// Columns: clock, D, preset, clear -> Q, Q-bar.
const std::vector<Paso> kDConPresetYClear = {
    {"0 0 11", "01", "al encender Q = 0 y Q-bar es su complemento"},
    {"1 1 11", "10", "el flanco de subida carga D = 1"},
    {"0 0 11", "10", "el flanco de bajada no carga"},
    {"1 0 11", "01", "subida: carga D = 0"},
    {"0 1 11", "01", "D cambia sin flanco: nada"},
    {"1 1 11", "10", "subida: carga D = 1"},
    {"1 1 10", "01", "clear asíncrono con el reloj alto"},
    {"0 1 10", "01", ""},
    {"1 1 10", "01", "el flanco de subida con el clear activo se pierde"},
    {"1 1 11", "01", "soltar el clear sin flanco deja Q a 0"},
    {"0 0 01", "10", "preset asíncrono"},
    {"1 0 01", "10", "el flanco que cargaría D = 0 se ignora con el preset activo"},
    {"0 0 00", "11", "preset y clear a la vez: Q y Q-bar a 1"},
    {"0 0 11", "10", "soltar ambos sin flanco: Q a 1 y Q-bar su complemento"},
    {"1 0 11", "01", "subida: carga D = 0"},
};

// Preset or clear released on the very evaluation the clock edge arrives: the edge acts.
// Columns as in each chip's table above.
const std::vector<Paso> kFlancoAlSoltarJK = {
    {"1 11 01", "10", "preset con el reloj alto"},
    {"0 11 11", "01", "soltar el preset con el flanco de bajada: conmuta"},
    {"1 11 10", "01", "clear con el reloj alto"},
    {"0 11 11", "10", "soltar el clear con el flanco de bajada: conmuta"},
};
const std::vector<Paso> kFlancoAlSoltarJKNegada = {
    {"0 10 10", "01", "clear con el reloj bajo"},
    {"1 10 11", "10", "soltar el clear con el flanco de subida: J = 1 y K-bar = 0 conmuta"},
};
const std::vector<Paso> kFlancoAlSoltarD = {
    {"0 1 10", "01", "clear con el reloj bajo"},
    {"1 1 11", "10", "soltar el clear con el flanco de subida: carga D = 1"},
    {"0 0 01", "10", "preset con el reloj bajo"},
    {"1 0 11", "01", "soltar el preset con el flanco de subida: carga D = 0"},
};

// Power cut on a 74112: outputs drop to 0 and the stored bit is gone; the clock level is
// still recorded, so the edge that comes while unpowered is lost.
// Columns: ground, clock, J, K -> Q, Q-bar.
const std::vector<Paso> kApagado74112 = {
    {"0 1 11", "01", ""},
    {"0 0 11", "10", "conmuta"},
    {"0 1 11", "10", ""},
    {"1 1 11", "00", "tierra flotante: sin alimentación todas las salidas a 0"},
    {"1 0 11", "00", "el reloj baja sin alimentación"},
    {"0 0 11", "01", "con alimentación de nuevo no hay flanco: Q sigue a 0"},
    {"0 1 11", "01", ""},
    {"0 0 11", "10", "el siguiente flanco de bajada conmuta"},
};

// The 7473 starts with Q = 1 and a stored clock level of 0: a clock already high at
// switch-on gives no edge until it falls.
const std::vector<Paso> kArranque7473 = {
    {"1 11 1", "10", "el reloj ya alto al encender no es un flanco"},
    {"0 11 1", "01", "cuando baja, conmuta"},
};

// The 74114's flip-flops share clock 13 and clear 1: one edge acts on both.
// Columns: clock, J1, K1, J2, K2 -> Q1, Q-bar 1, Q2, Q-bar 2.
const std::vector<Paso> kRelojComun74114 = {
    {"1 11 11", "01 01", ""},
    {"0 11 11", "10 10", "un flanco de bajada conmuta los dos"},
    {"1 00 01", "10 10", ""},
    {"0 00 01", "10 01", "el mismo flanco mantiene el primero y pone a 0 el segundo"},
};

const std::vector<Secuencia> kSecuencias = {
    {"7473_Biestable1", &ci7473, {1, 14, 3, 2}, {12, 13}, kJKConClear},
    {"7473_Biestable2", &ci7473, {5, 7, 10, 6}, {9, 8}, kJKConClear},
    {"7473_Arranque", &ci7473, {1, 14, 3, 2}, {12, 13}, kArranque7473},
    {"7474_Biestable1", &ci7474, {3, 2, 4, 1}, {5, 6}, kDConPresetYClear},
    {"7474_Biestable2", &ci7474, {11, 12, 10, 13}, {9, 8}, kDConPresetYClear},
    {"7476A_Biestable1", &ci7476, {1, 4, 16, 2, 3}, {15, 14}, kJKConPresetYClear},
    {"7476A_Biestable2", &ci7476, {6, 9, 12, 7, 8}, {11, 10}, kJKConPresetYClear},
    {"74107_Biestable1", &ci74107, {12, 1, 4, 13}, {3, 2}, kJKConClear},
    {"74107_Biestable2", &ci74107, {9, 8, 11, 10}, {5, 6}, kJKConClear},
    {"74109_Biestable1", &ci74109, {4, 2, 3, 5, 1}, {6, 7}, kJKNegadaConPresetYClear},
    {"74109_Biestable2", &ci74109, {12, 14, 13, 11, 15}, {10, 9}, kJKNegadaConPresetYClear},
    {"74112_Biestable1", &ci74112, {1, 3, 2, 4, 15}, {5, 6}, kJKConPresetYClear},
    {"74112_Biestable2", &ci74112, {13, 11, 12, 10, 14}, {9, 7}, kJKConPresetYClear},
    {"74112_Apagado", &ci74112, {8, 1, 3, 2}, {5, 6}, kApagado74112},
    {"74112_FlancoAlSoltar", &ci74112, {13, 11, 12, 10, 14}, {9, 7}, kFlancoAlSoltarJK},
    {"74109_FlancoAlSoltar", &ci74109, {12, 14, 13, 11, 15}, {10, 9}, kFlancoAlSoltarJKNegada},
    {"7474_FlancoAlSoltar", &ci7474, {11, 12, 10, 13}, {9, 8}, kFlancoAlSoltarD},
    {"74113_Biestable1", &ci74113, {1, 3, 2, 4}, {5, 6}, kJKConPreset},
    {"74113_Biestable2", &ci74113, {13, 11, 12, 10}, {9, 8}, kJKConPreset},
    {"74114_Biestable1", &ci74114, {13, 3, 2, 4, 1}, {5, 6}, kJKConPresetYClear},
    {"74114_Biestable2", &ci74114, {13, 11, 12, 10, 1}, {9, 8}, kJKConPresetYClear},
    {"74114_RelojComun", &ci74114, {13, 3, 2, 11, 12}, {5, 6, 9, 8}, kRelojComun74114},
};

class BiestablesSegunHojaDeDatos : public testing::TestWithParam<Secuencia> {};

TEST_P(BiestablesSegunHojaDeDatos, SigueLaTablaDeFunciones) { banco::RecorreSecuencia(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Biestables, BiestablesSegunHojaDeDatos, testing::ValuesIn(kSecuencias),
                         banco::NombreDeSecuencia);

TEST(Biestables, El7473GuardaSusRelojesEnLasEntradas15y16) {
    ASSERT_EQ(ci7473.NumeroDeEstados(), 0);
    ChipEnBanco chip(ci7473);
    chip.Pon(1, true);
    chip.Pon(5, false);
    chip.Evalua();
    EXPECT_TRUE(chip.Nivel(15));
    EXPECT_FALSE(chip.Nivel(16));
    chip.Pon(1, false);
    chip.Pon(5, true);
    chip.Evalua();
    EXPECT_FALSE(chip.Nivel(15));
    EXPECT_TRUE(chip.Nivel(16));
}

TEST(Biestables, ConmutarSoloElNivelGuardadoDelRelojNoEsUnCambio) {
    ChipEnBanco chip(ci74112);
    chip.Pon(1, false);
    chip.Evalua();
    chip.Pon(1, true);  // rising edge: only entry 17 changes
    EXPECT_FALSE(chip.Evalua());
    EXPECT_TRUE(chip.Nivel(17));
    chip.Pon(1, false);  // falling edge with J = K = 1 floating: Q toggles
    EXPECT_TRUE(chip.Evalua());
}

}  // namespace
}  // namespace velistra
