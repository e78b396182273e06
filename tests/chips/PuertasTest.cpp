#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "chips/Catalogo.h"
#include "chips/CircuitoElectronico.h"
#include "chips/Puertas.h"

namespace velistra {
namespace {

using Entradas = std::vector<bool>;
using Logica = bool (*)(const Entradas&);

bool Y(const Entradas& e) {
    return std::all_of(e.begin(), e.end(), [](bool b) { return b; });
}
bool O(const Entradas& e) {
    return std::any_of(e.begin(), e.end(), [](bool b) { return b; });
}
bool NoY(const Entradas& e) { return !Y(e); }
bool NoO(const Entradas& e) { return !O(e); }
bool No(const Entradas& e) { return !e[0]; }
bool OExclusiva(const Entradas& e) { return e[0] != e[1]; }
// AND-OR-INVERT chips, inputs in the order listed in their rows below.
bool YONo7451a(const Entradas& e) { return !((e[0] && e[1]) || (e[2] && e[3])); }
bool YONo7451b(const Entradas& e) { return !((e[0] && e[1] && e[2]) || (e[3] && e[4] && e[5])); }
bool YONo7454(const Entradas& e) {
    return !((e[0] && e[1]) || (e[2] && e[3] && e[4]) || (e[5] && e[6] && e[7]) || (e[8] && e[9]));
}
bool YONo7455(const Entradas& e) {
    return !((e[0] && e[1] && e[2] && e[3]) || (e[4] && e[5] && e[6] && e[7]));
}

struct Puerta {
    std::vector<int> entradas;
    int salida;
    Logica logica;
};

// Pinouts and functions as on the data sheets.
struct HojaDeDatos {
    const char* nombre;
    const CircuitoElectronico* chip;
    int tierra;
    int alimentacion;
    std::vector<Puerta> puertas;
};

void PrintTo(const HojaDeDatos& hoja, std::ostream* os) { *os << hoja.nombre; }

const std::vector<HojaDeDatos>& HojasDeDatos() {
    // clang-format off
    static const std::vector<HojaDeDatos> hojas = {
        {"7400", &ci7400, 7, 14, {{{1, 2}, 3, NoY}, {{4, 5}, 6, NoY}, {{9, 10}, 8, NoY}, {{12, 13}, 11, NoY}}},
        {"7402", &ci7402, 7, 14, {{{2, 3}, 1, NoO}, {{5, 6}, 4, NoO}, {{8, 9}, 10, NoO}, {{11, 12}, 13, NoO}}},
        {"7404", &ci7404, 7, 14, {{{1}, 2, No}, {{3}, 4, No}, {{5}, 6, No},
                                  {{9}, 8, No}, {{11}, 10, No}, {{13}, 12, No}}},
        {"7408", &ci7408, 7, 14, {{{1, 2}, 3, Y}, {{4, 5}, 6, Y}, {{9, 10}, 8, Y}, {{12, 13}, 11, Y}}},
        {"7410", &ci7410, 7, 14, {{{1, 2, 13}, 12, NoY}, {{3, 4, 5}, 6, NoY}, {{9, 10, 11}, 8, NoY}}},
        {"7411", &ci7411, 7, 14, {{{1, 2, 13}, 12, Y}, {{3, 4, 5}, 6, Y}, {{9, 10, 11}, 8, Y}}},
        {"7420", &ci7420, 7, 14, {{{1, 2, 4, 5}, 6, NoY}, {{9, 10, 12, 13}, 8, NoY}}},
        {"7421", &ci7421, 7, 14, {{{1, 2, 4, 5}, 6, Y}, {{9, 10, 12, 13}, 8, Y}}},
        {"7427", &ci7427, 7, 14, {{{1, 2, 13}, 12, NoO}, {{3, 4, 5}, 6, NoO}, {{9, 10, 11}, 8, NoO}}},
        {"7430", &ci7430, 7, 14, {{{1, 2, 3, 4, 5, 6, 11, 12}, 8, NoY}}},
        {"7432", &ci7432, 7, 14, {{{1, 2}, 3, O}, {{4, 5}, 6, O}, {{9, 10}, 8, O}, {{12, 13}, 11, O}}},
        {"7451", &ci7451, 7, 14, {{{2, 3, 4, 5}, 6, YONo7451a}, {{1, 12, 13, 9, 10, 11}, 8, YONo7451b}}},
        {"7454", &ci7454, 7, 14, {{{1, 2, 3, 4, 5, 9, 10, 11, 12, 13}, 6, YONo7454}}},
        {"7455", &ci7455, 7, 14, {{{1, 2, 3, 4, 10, 11, 12, 13}, 8, YONo7455}}},
        {"7486", &ci7486, 7, 14, {{{1, 2}, 3, OExclusiva}, {{4, 5}, 6, OExclusiva},
                                  {{9, 10}, 8, OExclusiva}, {{12, 13}, 11, OExclusiva}}},
        {"74133", &ci74133, 8, 16, {{{1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15}, 9, NoY}}},
        {"74260", &ci74260, 7, 14, {{{1, 2, 3, 12, 13}, 5, NoO}, {{4, 8, 9, 10, 11}, 6, NoO}}},
        {"74386", &ci74386, 7, 14, {{{1, 2}, 3, OExclusiva}, {{5, 6}, 4, OExclusiva},
                                    {{8, 9}, 10, OExclusiva}, {{12, 13}, 11, OExclusiva}}},
    };
    // clang-format on
    return hojas;
}

using Tabla = std::array<bool, CircuitoElectronico::kEntradasDeTabla>;

class PuertasSegunHojaDeDatos : public ::testing::TestWithParam<HojaDeDatos> {
protected:
    std::vector<int> TodasLasEntradas() const {
        std::vector<int> pines;
        for (const Puerta& puerta : GetParam().puertas)
            pines.insert(pines.end(), puerta.entradas.begin(), puerta.entradas.end());
        return pines;
    }
};

TEST_P(PuertasSegunHojaDeDatos, PinesDelCatalogo) {
    const HojaDeDatos& hoja = GetParam();
    const char* tipos = hoja.chip->TiposDePines();
    EXPECT_EQ(hoja.chip->NumeroDeEstados(), 0);
    EXPECT_EQ(tipos[hoja.tierra], 'G');
    EXPECT_EQ(tipos[hoja.alimentacion], 'V');
    std::string esperados(static_cast<size_t>(hoja.chip->NumeroDePines()), 'N');
    esperados[static_cast<size_t>(hoja.tierra - 1)] = 'G';
    esperados[static_cast<size_t>(hoja.alimentacion - 1)] = 'V';
    for (const Puerta& puerta : hoja.puertas) {
        for (int pin : puerta.entradas) esperados[static_cast<size_t>(pin - 1)] = 'E';
        esperados[static_cast<size_t>(puerta.salida - 1)] = 'S';
    }
    EXPECT_EQ(std::string(tipos + 1, esperados.size()), esperados);
}

// Every input combination, powered and unpowered, on one table that carries the outputs
// over from one evaluation to the next, as a placed chip's table does.
TEST_P(PuertasSegunHojaDeDatos, TablaDeVerdadCompleta) {
    const HojaDeDatos& hoja = GetParam();
    const std::vector<int> entradas = TodasLasEntradas();
    const int pines = hoja.chip->NumeroDePines();

    Tabla valores{};
    for (size_t i = 0; i < valores.size(); ++i) valores[i] = i % 3 == 0;
    const Tabla inicial = valores;

    struct Alimentacion {
        bool tierra, vcc, alimentado;
    };
    for (const Alimentacion a :
         {Alimentacion{false, true, true}, Alimentacion{true, true, false},
          Alimentacion{false, false, false}, Alimentacion{true, false, false},
          Alimentacion{false, true, true}}) {
        for (unsigned combinacion = 0; combinacion < (1u << entradas.size()); ++combinacion) {
            valores[static_cast<size_t>(hoja.tierra)] = a.tierra;
            valores[static_cast<size_t>(hoja.alimentacion)] = a.vcc;
            for (size_t i = 0; i < entradas.size(); ++i)
                valores[static_cast<size_t>(entradas[i])] = (combinacion >> i) & 1u;
            const Tabla antes = valores;

            bool debeCambiar = false;
            Tabla esperada = antes;
            for (const Puerta& puerta : hoja.puertas) {
                Entradas niveles;
                for (int pin : puerta.entradas) niveles.push_back(antes[static_cast<size_t>(pin)]);
                const bool salida = a.alimentado && puerta.logica(niveles);
                esperada[static_cast<size_t>(puerta.salida)] = salida;
                debeCambiar = debeCambiar || salida != antes[static_cast<size_t>(puerta.salida)];
            }

            const bool cambio = hoja.chip->Funcion(valores.data());
            ASSERT_EQ(valores, esperada)
                << "combinación " << combinacion << ", alimentado " << a.alimentado;
            ASSERT_EQ(cambio, debeCambiar) << "combinación " << combinacion;
            ASSERT_FALSE(hoja.chip->Funcion(valores.data())) << "combinación " << combinacion;
        }
    }
    // Entries beyond the pins belong to nobody here and keep what they had.
    for (size_t i = static_cast<size_t>(pines) + 1; i < valores.size(); ++i)
        EXPECT_EQ(valores[i], inicial[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Puertas, PuertasSegunHojaDeDatos, ::testing::ValuesIn(HojasDeDatos()),
                         [](const ::testing::TestParamInfo<HojaDeDatos>& info) {
                             return std::string("Chip") + info.param.nombre;
                         });

TEST(Puertas, TodasRegistradasPorCodigoDeCatalogo) {
    ASSERT_EQ(HojasDeDatos().size(), 18u);
    for (const HojaDeDatos& hoja : HojasDeDatos()) {
        SCOPED_TRACE(hoja.nombre);
        const int codigo = CodigoDeCatalogo(hoja.chip->Codigo());
        EXPECT_EQ(ChipTTL(codigo), hoja.chip);
        EXPECT_EQ(std::to_string(hoja.chip->Codigo()), hoja.nombre);
        ASSERT_NE(FichaDeCatalogo(codigo), nullptr);
        EXPECT_EQ(std::string(FichaDeCatalogo(codigo)->grupo).rfind("Puertas básicas", 0), 0u);
    }
    int enElMenu = 0;
    for (const FichaDeChip& ficha : Catalogo())
        enElMenu += std::string(ficha.grupo).rfind("Puertas básicas", 0) == 0;
    EXPECT_EQ(enElMenu, 18);
}

// The cases a student meets first: open inputs behave as high ones.
TEST(Puertas, EntradasAlAireLeenUno) {
    Tabla valores{};
    valores.fill(true);  // every pin floating
    valores[7] = false;  // ground
    EXPECT_TRUE(ci7400.Funcion(valores.data()));
    for (int salida : {3, 6, 8, 11}) EXPECT_FALSE(valores[static_cast<size_t>(salida)]) << salida;

    valores.fill(true);
    valores[7] = false;
    valores[1] = false;
    valores[2] = false;
    ci7432.Funcion(valores.data());
    EXPECT_FALSE(valores[3]);
    valores[2] = true;
    EXPECT_TRUE(ci7432.Funcion(valores.data()));
    EXPECT_TRUE(valores[3]);

    valores.fill(true);
    valores[8] = false;
    ci74133.Funcion(valores.data());
    EXPECT_FALSE(valores[9]);
    valores[15] = false;
    EXPECT_TRUE(ci74133.Funcion(valores.data()));
    EXPECT_TRUE(valores[9]);
}

}  // namespace
}  // namespace velistra
