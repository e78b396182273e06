// Priority encoders and multiplexers.
#include <gtest/gtest.h>

#include <vector>

#include "HojaCombinacional.h"
#include "chips/Combinacionales.h"

namespace velistra::prueba {
namespace {

// Input pins in rising priority; answers the highest active (low) position, or -1.
int MasAltaActiva(const Tabla& t, const std::vector<int>& entradas) {
    int activa = -1;
    for (std::size_t i = 0; i < entradas.size(); ++i)
        if (!t[static_cast<std::size_t>(entradas[i])]) activa = static_cast<int>(i);
    return activa;
}

const std::vector<int> kEntradas74147 = {11, 12, 13, 1, 2, 3, 4, 5, 10};  // 1 .. 9
const std::vector<int> kEntradas74148 = {10, 11, 12, 13, 1, 2, 3, 4};     // 0 .. 7

// Multiplexer section: output follows data[select] while the strobe is low, else 0;
// the inverting types show the complement.
void Selecciona(Tabla& t, int estrobo, const std::vector<int>& datos, int seleccion, int salida,
                bool invierte) {
    const bool dato = !Pin(t, estrobo) && Pin(t, datos[static_cast<std::size_t>(seleccion)]);
    Pin(t, salida) = dato != invierte;
}

Modelo Doble4a1(bool invierte) {
    return [invierte](Tabla& t) {
        const int seleccion = Numero(t, {14, 2});
        Selecciona(t, 1, {6, 5, 4, 3}, seleccion, 7, invierte);
        Selecciona(t, 15, {10, 11, 12, 13}, seleccion, 9, invierte);
    };
}

Modelo Cuadruple2a1(bool invierte) {
    return [invierte](Tabla& t) {
        const int seleccion = Pin(t, 1) ? 1 : 0;
        Selecciona(t, 15, {2, 3}, seleccion, 4, invierte);
        Selecciona(t, 15, {5, 6}, seleccion, 7, invierte);
        Selecciona(t, 15, {11, 10}, seleccion, 9, invierte);
        Selecciona(t, 15, {14, 13}, seleccion, 12, invierte);
    };
}

const std::vector<HojaCombinacional>& Hojas() {
    static const std::vector<HojaCombinacional> hojas = {
        // The code is the complement of the highest active input number; none gives 15.
        {"74147", &ci74147, 8, 16, kEntradas74147, {9, 7, 6, 14},
         [](Tabla& t) {
             PonNumero(t, {9, 7, 6, 14}, 15 - (MasAltaActiva(t, kEntradas74147) + 1));
         }},
        {"74148", &ci74148, 8, 16, {10, 11, 12, 13, 1, 2, 3, 4, 5}, {9, 7, 6, 14, 15},
         [](Tabla& t) {
             const bool habilitado = !Pin(t, 5);
             const int activa = habilitado ? MasAltaActiva(t, kEntradas74148) : -1;
             PonNumero(t, {9, 7, 6}, activa < 0 ? 7 : 7 - activa);
             Pin(t, 14) = activa < 0;                 // GS
             Pin(t, 15) = !habilitado || activa >= 0;  // EO
         }},
        {"74151", &ci74151, 8, 16, {4, 3, 2, 1, 15, 14, 13, 12, 11, 10, 9, 7}, {5, 6},
         [](Tabla& t) {
             Selecciona(t, 7, {4, 3, 2, 1, 15, 14, 13, 12}, Numero(t, {11, 10, 9}), 5, false);
             Pin(t, 6) = !Pin(t, 5);
         }},
        {"74153", &ci74153, 8, 16, {14, 2, 6, 5, 4, 3, 10, 11, 12, 13, 1, 15}, {7, 9},
         Doble4a1(false)},
        {"74352", &ci74352, 8, 16, {14, 2, 6, 5, 4, 3, 10, 11, 12, 13, 1, 15}, {7, 9},
         Doble4a1(true)},
        {"74157", &ci74157, 8, 16, {1, 15, 2, 3, 5, 6, 11, 10, 14, 13}, {4, 7, 9, 12},
         Cuadruple2a1(false)},
        {"74158", &ci74158, 8, 16, {1, 15, 2, 3, 5, 6, 11, 10, 14, 13}, {4, 7, 9, 12},
         Cuadruple2a1(true)},
    };
    return hojas;
}

INSTANTIATE_TEST_SUITE_P(Selectores, ChipCombinacional, ::testing::ValuesIn(Hojas()), NombreDeHoja);

// Two 74148 chained through EO -> EI encode 16 lines: the low chip answers only while
// every line of the high one is idle.
TEST(Selectores, Dos74148EnCascadaCodificanDieciseisLineas) {
    for (int linea = -1; linea < 16; ++linea) {
        Tabla alta = Alimentada(8, 16);
        Tabla baja = Alimentada(8, 16);
        Pin(alta, 5) = false;
        if (linea >= 8) Pin(alta, kEntradas74148[static_cast<std::size_t>(linea - 8)]) = false;
        if (linea >= 0 && linea < 8)
            Pin(baja, kEntradas74148[static_cast<std::size_t>(linea)]) = false;
        ci74148.Funcion(alta.data());
        Pin(baja, 5) = Pin(alta, 15);
        ci74148.Funcion(baja.data());

        // Active-low code: high chip's GS is bit 3, the lower bits are the two codes ANDed.
        const int codigo = (Pin(alta, 14) ? 8 : 0) +
                           (Numero(alta, {9, 7, 6}) & Numero(baja, {9, 7, 6}));
        const bool ninguna = Pin(alta, 14) && Pin(baja, 14);
        EXPECT_EQ(ninguna, linea < 0) << linea;
        if (linea >= 0) {
            EXPECT_EQ(15 - codigo, linea);
        }
    }
}

}  // namespace
}  // namespace velistra::prueba
