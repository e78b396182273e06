// Adders, comparator, parity generator and the 74181 ALU.
#include <gtest/gtest.h>

#include <bitset>
#include <vector>

#include "HojaCombinacional.h"
#include "chips/Combinacionales.h"

namespace velistra::prueba {
namespace {

// Outputs of the 7485 for equal words, by cascade inputs, as in its data sheet.
struct Cascada {
    bool mayorEntra, menorEntra, igualEntra;
    bool mayor, menor, igual;
};
constexpr Cascada kCascada7485[] = {
    {true, false, false, true, false, false}, {false, true, false, false, true, false},
    {false, false, true, false, false, true}, {true, false, true, false, false, true},
    {false, true, true, false, false, true},  {true, true, true, false, false, true},
    {true, true, false, false, false, false}, {false, false, false, true, true, false},
};

// The 74181 function table, active-high data. Logic functions give F; arithmetic ones
// give a sum whose low four bits are F and whose fifth is the carry, with "minus 1"
// written as plus 15. Cn is active-low: Cn = 0 adds one.
using Funcion4 = int (*)(int a, int b);
struct FuncionDeAlu {
    int s;
    Funcion4 logica;
    Funcion4 aritmetica;
};
constexpr int No(int x) { return ~x & 15; }
constexpr FuncionDeAlu kTabla74181[] = {
    {0b0000, [](int a, int) { return No(a); }, [](int a, int) { return a; }},
    {0b0001, [](int a, int b) { return No(a | b); }, [](int a, int b) { return a | b; }},
    {0b0010, [](int a, int b) { return No(a) & b; }, [](int a, int b) { return a | No(b); }},
    {0b0011, [](int, int) { return 0; }, [](int, int) { return 15; }},
    {0b0100, [](int a, int b) { return No(a & b); }, [](int a, int b) { return a + (a & No(b)); }},
    {0b0101, [](int, int b) { return No(b); }, [](int a, int b) { return (a | b) + (a & No(b)); }},
    {0b0110, [](int a, int b) { return a ^ b; }, [](int a, int b) { return a + No(b); }},
    {0b0111, [](int a, int b) { return a & No(b); }, [](int a, int b) { return (a & No(b)) + 15; }},
    {0b1000, [](int a, int b) { return No(a) | b; }, [](int a, int b) { return a + (a & b); }},
    {0b1001, [](int a, int b) { return No(a ^ b); }, [](int a, int b) { return a + b; }},
    {0b1010, [](int, int b) { return b; }, [](int a, int b) { return (a | No(b)) + (a & b); }},
    {0b1011, [](int a, int b) { return a & b; }, [](int a, int b) { return (a & b) + 15; }},
    {0b1100, [](int, int) { return 15; }, [](int a, int) { return a + a; }},
    {0b1101, [](int a, int b) { return a | No(b); }, [](int a, int b) { return (a | b) + a; }},
    {0b1110, [](int a, int b) { return a | b; }, [](int a, int b) { return (a | No(b)) + a; }},
    {0b1111, [](int a, int) { return a; }, [](int a, int) { return a + 15; }},
};

constexpr std::initializer_list<int> kA74181 = {2, 23, 21, 19};
constexpr std::initializer_list<int> kB74181 = {1, 22, 20, 18};
constexpr std::initializer_list<int> kS74181 = {6, 5, 4, 3};
constexpr std::initializer_list<int> kF74181 = {9, 10, 11, 13};

void Alu74181(Tabla& t) {
    const int a = Numero(t, kA74181);
    const int b = Numero(t, kB74181);
    const FuncionDeAlu& funcion = kTabla74181[Numero(t, kS74181)];
    const bool acarreoEntra = !Pin(t, 7);
    const int suma = funcion.aritmetica(a, b);
    const int f = Pin(t, 8) ? funcion.logica(a, b) : (suma + (acarreoEntra ? 1 : 0)) & 15;
    PonNumero(t, kF74181, f);
    Pin(t, 14) = f == 15;                             // A=B
    Pin(t, 16) = suma + (acarreoEntra ? 1 : 0) < 16;  // Cn+4 (active-low), whatever the mode
    Pin(t, 17) = suma + 1 >= 16;                           // G: a carry in would carry out
    // P has no arithmetic reading of its own: the data sheet's gates, any A B' S2 or A B S3.
    bool p = false;
    for (int i = 0; i < 4; ++i) {
        const bool ai = ((a >> i) & 1) != 0;
        const bool bi = ((b >> i) & 1) != 0;
        p = p || (ai && !bi && Pin(t, 4)) || (ai && bi && Pin(t, 3));
    }
    Pin(t, 15) = p;
}

const std::vector<HojaCombinacional>& Hojas() {
    static const std::vector<HojaCombinacional> hojas = {
        {"7483", &ci7483, 12, 5, {10, 8, 3, 1, 11, 7, 4, 16, 13}, {9, 6, 2, 15, 14},
         [](Tabla& t) {
             PonNumero(t, {9, 6, 2, 15, 14},
                       Numero(t, {10, 8, 3, 1}) + Numero(t, {11, 7, 4, 16}) + Pin(t, 13));
         },
         false, true},
        {"74283", &ci74283, 8, 16, {5, 3, 14, 12, 6, 2, 15, 11, 7}, {4, 1, 13, 10, 9},
         [](Tabla& t) {
             PonNumero(t, {4, 1, 13, 10, 9},
                       Numero(t, {5, 3, 14, 12}) + Numero(t, {6, 2, 15, 11}) + Pin(t, 7));
         }},
        {"7485", &ci7485, 8, 16, {10, 12, 13, 15, 9, 11, 14, 1, 2, 3, 4}, {5, 6, 7},
         [](Tabla& t) {
             const int a = Numero(t, {10, 12, 13, 15});
             const int b = Numero(t, {9, 11, 14, 1});
             Pin(t, 5) = a > b;
             Pin(t, 6) = false;
             Pin(t, 7) = a < b;
             if (a != b) return;
             for (const Cascada& c : kCascada7485) {
                 if (c.mayorEntra == Pin(t, 4) && c.menorEntra == Pin(t, 2) &&
                     c.igualEntra == Pin(t, 3)) {
                     Pin(t, 5) = c.mayor;
                     Pin(t, 6) = c.igual;
                     Pin(t, 7) = c.menor;
                 }
             }
         }},
        {"74280", &ci74280, 7, 14, {8, 9, 10, 11, 12, 13, 1, 2, 4}, {5, 6},
         [](Tabla& t) {
             const int entradas = Numero(t, {8, 9, 10, 11, 12, 13, 1, 2, 4});
             const std::bitset<9> unos(static_cast<unsigned>(entradas));
             Pin(t, 6) = unos.count() % 2 == 1;
             Pin(t, 5) = unos.count() % 2 == 0;
         }},
        {"74181", &ci74181, 12, 24, {2, 23, 21, 19, 1, 22, 20, 18, 6, 5, 4, 3, 7, 8},
         {9, 10, 11, 13, 14, 15, 16, 17}, Alu74181},
    };
    return hojas;
}

INSTANTIATE_TEST_SUITE_P(Aritmeticos, ChipCombinacional, ::testing::ValuesIn(Hojas()),
                         NombreDeHoja);

// Two 74181 in ripple: the low chip's Cn+4 feeds the high chip's Cn, for 8-bit sums and
// differences.
TEST(Aritmeticos, Dos74181EnCascadaSumanYRestanOchoBits) {
    auto opera = [](int s, int a, int b, bool cn, Tabla& baja, Tabla& alta) {
        for (Tabla* t : {&baja, &alta}) {
            *t = Alimentada(12, 24);
            PonNumero(*t, kS74181, s);
            Pin(*t, 8) = false;  // arithmetic
        }
        PonNumero(baja, kA74181, a & 15);
        PonNumero(baja, kB74181, b & 15);
        PonNumero(alta, kA74181, a >> 4);
        PonNumero(alta, kB74181, b >> 4);
        Pin(baja, 7) = cn;
        ci74181.Funcion(baja.data());
        Pin(alta, 7) = Pin(baja, 16);
        ci74181.Funcion(alta.data());
        return Numero(baja, kF74181) + 16 * Numero(alta, kF74181) + (Pin(alta, 16) ? 0 : 256);
    };
    Tabla baja{}, alta{};
    for (int a = 0; a < 256; a += 7) {
        for (int b = 0; b < 256; b += 11) {
            EXPECT_EQ(opera(0b1001, a, b, true, baja, alta), a + b) << a << " + " << b;
            // A minus B: A plus not B plus one; the carry out means no borrow.
            EXPECT_EQ(opera(0b0110, a, b, false, baja, alta), a - b + 256) << a << " - " << b;
        }
    }
}

}  // namespace
}  // namespace velistra::prueba
