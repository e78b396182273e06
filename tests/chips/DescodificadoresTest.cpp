#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HojaCombinacional.h"
#include "chips/Combinacionales.h"

namespace velistra::prueba {
namespace {

// Active-low one-of-n: output k low only when enabled and k is the selected number.
void UnoDeN(Tabla& t, const std::vector<int>& salidas, bool habilitado, int seleccion) {
    for (std::size_t k = 0; k < salidas.size(); ++k)
        Pin(t, salidas[k]) = !(habilitado && static_cast<int>(k) == seleccion);
}

const std::vector<int> kY74138 = {15, 14, 13, 12, 11, 10, 9, 7};

// Segments lit for each digit 0 .. 15, as drawn on the data sheets.
using Glifos = std::vector<std::string>;
const Glifos kGlifos7447 = {"abcdef", "bc",  "abdeg", "abcdg", "bcfg", "acdfg", "cdefg", "abc",
                            "abcdefg", "abcfg", "deg", "cdg", "bfg", "adg", "defg", ""};
const Glifos kGlifos74247 = {"abcdef", "bc",  "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc",
                             "abcdefg", "abcdfg", "deg", "cdg", "bfg", "adfg", "defg", ""};
const std::vector<int> kSegmentos = {13, 12, 11, 10, 9, 15, 14};  // a .. g

// BCD to seven segments: A 7, B 1, C 2, D 6, LT 3, RBI 5; RBO on pin 4 where it is an output.
Modelo SieteSegmentos(const Glifos& glifos, bool conRBO) {
    return [&glifos, conRBO](Tabla& t) {
        const int digito = Numero(t, {7, 1, 2, 6});
        const bool pruebaDeLamparas = !Pin(t, 3);
        const bool apagado = !pruebaDeLamparas && digito == 0 && !Pin(t, 5);
        const std::string& glifo = glifos[static_cast<std::size_t>(digito)];
        for (std::size_t s = 0; s < kSegmentos.size(); ++s) {
            const bool enElGlifo = glifo.find(static_cast<char>('a' + s)) != std::string::npos;
            const bool encendido = pruebaDeLamparas || (!apagado && enElGlifo);
            Pin(t, kSegmentos[s]) = !encendido;
        }
        if (conRBO) Pin(t, 4) = !apagado;
    };
}

const std::vector<HojaCombinacional>& Hojas() {
    static const std::vector<HojaCombinacional> hojas = {
        {"7442", &ci7442, 8, 16, {15, 14, 13, 12}, {1, 2, 3, 4, 5, 6, 7, 9, 10, 11},
         [](Tabla& t) {
             UnoDeN(t, {1, 2, 3, 4, 5, 6, 7, 9, 10, 11}, true, Numero(t, {15, 14, 13, 12}));
         }},
        {"74138", &ci74138, 8, 16, {1, 2, 3, 4, 5, 6}, kY74138,
         [](Tabla& t) {
             UnoDeN(t, kY74138, !Pin(t, 4) && !Pin(t, 5) && Pin(t, 6), Numero(t, {1, 2, 3}));
         }},
        // The latch (entries 17 to 19) follows A, B, C while enabled with GL low.
        {"74137", &ci74137, 8, 16, {1, 2, 3, 4, 5, 6}, kY74138,
         [](Tabla& t) {
             const bool habilitado = !Pin(t, 5) && Pin(t, 6);
             const bool sigue = habilitado && !Pin(t, 4);
             const int direccion = sigue ? Numero(t, {1, 2, 3}) : Numero(t, {17, 18, 19});
             PonNumero(t, {17, 18, 19}, direccion);
             UnoDeN(t, kY74138, habilitado, direccion);
         }},
        {"74139", &ci74139, 8, 16, {1, 2, 3, 13, 14, 15}, {4, 5, 6, 7, 12, 11, 10, 9},
         [](Tabla& t) {
             UnoDeN(t, {4, 5, 6, 7}, !Pin(t, 1), Numero(t, {2, 3}));
             UnoDeN(t, {12, 11, 10, 9}, !Pin(t, 15), Numero(t, {14, 13}));
         },
         true},
        {"74155", &ci74155, 8, 16, {1, 2, 3, 13, 14, 15}, {7, 6, 5, 4, 9, 10, 11, 12},
         [](Tabla& t) {
             UnoDeN(t, {7, 6, 5, 4}, Pin(t, 1) && !Pin(t, 2), Numero(t, {13, 3}));
             UnoDeN(t, {9, 10, 11, 12}, !Pin(t, 14) && !Pin(t, 15), Numero(t, {13, 3}));
         },
         true},
        {"7447", &ci7447, 8, 16, {7, 1, 2, 6, 3, 5}, {13, 12, 11, 10, 9, 15, 14, 4},
         SieteSegmentos(kGlifos7447, true)},
        // Its pin 4 is typed as an input: read, never driven.
        {"74247", &ci74247, 8, 16, {7, 1, 2, 6, 3, 5, 4}, {13, 12, 11, 10, 9, 15, 14},
         SieteSegmentos(kGlifos74247, false)},
    };
    return hojas;
}

INSTANTIATE_TEST_SUITE_P(Descodificadores, ChipCombinacional, ::testing::ValuesIn(Hojas()),
                         NombreDeHoja);

// Active-low output asserted.
bool Activa(const Tabla& t, int pin) { return !t[static_cast<std::size_t>(pin)]; }

TEST(Descodificadores, LatchDel74137RetieneLaDireccionMientrasGLEstaAlto) {
    Tabla t = Alimentada(8, 16);
    Pin(t, 5) = false;  // G2
    Pin(t, 6) = true;   // G1
    Pin(t, 4) = false;  // GL: transparent
    PonNumero(t, {1, 2, 3}, 5);
    ci74137.Funcion(t.data());
    EXPECT_TRUE(Activa(t, 10));  // Y5

    Pin(t, 4) = true;  // GL: hold
    for (int seleccion = 0; seleccion < 8; ++seleccion) {
        PonNumero(t, {1, 2, 3}, seleccion);
        EXPECT_FALSE(ci74137.Funcion(t.data())) << seleccion;
        EXPECT_TRUE(Activa(t, 10)) << seleccion;
    }

    // Disabled, the outputs go high and the latch ignores the inputs even with GL low.
    Pin(t, 4) = false;
    Pin(t, 5) = true;
    PonNumero(t, {1, 2, 3}, 2);
    EXPECT_TRUE(ci74137.Funcion(t.data()));
    for (int y : kY74138) EXPECT_FALSE(Activa(t, y)) << y;

    // A power cut drops the outputs but keeps the address.
    Pin(t, 16) = false;
    ci74137.Funcion(t.data());
    for (int y : kY74138) EXPECT_FALSE(Pin(t, y)) << y;
    Pin(t, 16) = true;
    Pin(t, 4) = true;
    Pin(t, 5) = false;
    EXPECT_TRUE(ci74137.Funcion(t.data()));
    EXPECT_TRUE(Activa(t, 10));
    EXPECT_FALSE(Activa(t, 13));  // Y2, the select inputs now
}

}  // namespace
}  // namespace velistra::prueba
