// What the settling loop relies on from every row of the catalogue: a prototype that matches
// the row, writes kept to the chip's own outputs and state entries, an answer that is true
// exactly when an output moved, and nothing left to do on a second evaluation.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "chips/Catalogo.h"
#include "chips/CircuitoElectronico.h"
#include "tests/chips/BancoSecuencial.h"

namespace velistra {
namespace {

using banco::ChipEnBanco;
using Valores = std::array<bool, CircuitoElectronico::kEntradasDeTabla>;

struct Bornes {
    int tierra = 0;
    int vcc = 0;
};

// Four chips test ground and supply on pins typed as inputs.
Bornes BornesDeAlimentacion(const CircuitoElectronico& chip) {
    static const std::map<long, Bornes> kEnPinesDeEntrada = {
        {7483, {12, 5}}, {74164, {7, 14}}, {74166, {8, 16}}, {74191, {8, 16}}};
    if (const auto it = kEnPinesDeEntrada.find(chip.Codigo()); it != kEnPinesDeEntrada.end())
        return it->second;
    Bornes bornes;
    for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
        if (chip.TiposDePines()[pin] == 'G') bornes.tierra = pin;
        if (chip.TiposDePines()[pin] == 'V') bornes.vcc = pin;
    }
    return bornes;
}

// Entries above the declared state entries that a chip keeps as memory of its own.
std::set<int> MemoriaPrivada(const CircuitoElectronico& chip) {
    return chip.Codigo() == 7473 ? std::set<int>{15, 16} : std::set<int>{};
}

// A floating pin reads 1, so a floating ground or supply is the same table as a high one.
struct Energia {
    bool tierra;
    bool vcc;
    const char* nombre;
};
constexpr Energia kEnergias[] = {
    {false, true, "alimentado"},
    {true, true, "tierra al aire"},
    {false, false, "sin alimentación"},
    {true, false, "tierra al aire y sin alimentación"},
};

std::string Entrada(const CircuitoElectronico& chip, int i) {
    if (i >= 1 && i <= chip.NumeroDePines())
        return "el pin " + std::to_string(i) + " de tipo " + chip.TiposDePines()[i];
    return "la entrada " + std::to_string(i);
}

// Where a walk stands, for failure messages.
struct Momento {
    int encendido;
    int paso;
    const char* energia;
};

std::ostream& operator<<(std::ostream& salida, const Momento& momento) {
    return salida << "encendido " << momento.encendido << ", paso " << momento.paso << ", "
                  << momento.energia;
}

// One change in how many steps: 0 never, else 1 in 16 or 1 in 2.
unsigned Ritmo(std::mt19937& azar) { return std::array{0u, 0u, 16u, 2u}[azar() % 4]; }

// Switches the chip on now and then, with random levels on every entry that is not its own,
// and walks it through random inputs under every power condition. `paso` evaluates the table
// as it stands and checks what it must.
template <class Paso>
void Recorre(const CircuitoElectronico& chip, Paso paso) {
    const Bornes bornes = BornesDeAlimentacion(chip);
    ASSERT_NE(bornes.tierra, 0);
    ASSERT_NE(bornes.vcc, 0);
    const std::set<int> privada = MemoriaPrivada(chip);
    const int propias = chip.NumeroDePines() + chip.NumeroDeEstados();
    const char* tipos = chip.TiposDePines();
    std::mt19937 azar(7400);
    for (int encendido = 0; encendido < 40; ++encendido) {
        ChipEnBanco banco(chip);
        // Each input gets its own pace for this switch-on, and so does the power. A clear held
        // inactive while a clock keeps busy is what lets a counter reach its top bits.
        std::array<unsigned, CircuitoElectronico::kEntradasDeTabla> ritmo{};
        for (int i = 0; i < CircuitoElectronico::kEntradasDeTabla; ++i) {
            const bool ajena = i == 0 || (i <= chip.NumeroDePines() && tipos[i] == 'N') ||
                               (i > propias && !privada.contains(i));
            if (ajena) banco.Pon(i, azar() % 2 != 0);
            ritmo[static_cast<std::size_t>(i)] = Ritmo(azar);
        }
        const unsigned cortes = Ritmo(azar);
        for (int n = 0; n < 100; ++n) {
            // Switch-on is powered; later the power is cut at its own pace.
            const bool corte = n > 0 && cortes != 0 && azar() % cortes == 0;
            const Energia& energia = corte ? kEnergias[1 + azar() % 3] : kEnergias[0];
            for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
                if (tipos[pin] != 'E') continue;
                const unsigned cada = ritmo[static_cast<std::size_t>(pin)];
                if (n == 0)
                    banco.Pon(pin, azar() % 2 != 0);
                else if (cada != 0 && azar() % cada == 0)
                    banco.Pon(pin, !banco.Nivel(pin));
            }
            banco.Pon(bornes.tierra, energia.tierra);
            banco.Pon(bornes.vcc, energia.vcc);
            paso(banco, Momento{encendido, n, energia.nombre});
            if (testing::Test::HasFatalFailure()) return;
        }
    }
}

// Parameterised by catalogue code, so a failure names the row.
class ContratoDelChip : public testing::TestWithParam<int> {
protected:
    // No row is skipped: a row without a prototype fails every test of the contract.
    void SetUp() override {
        ASSERT_NE(ChipTTL(GetParam()), nullptr) << Ficha().clase << " no tiene prototipo";
    }
    const FichaDeChip& Ficha() const { return *FichaDeCatalogo(GetParam()); }
    const CircuitoElectronico& Chip() const { return *ChipTTL(GetParam()); }
};

TEST_P(ContratoDelChip, TieneUnPrototipoQueCoincideConSuFicha) {
    const FichaDeChip& ficha = Ficha();
    EXPECT_EQ(Chip().Codigo(), ficha.codigoDeModelo);
    EXPECT_EQ(Chip().NumeroDePines(), ficha.pines);
    EXPECT_EQ(Chip().NumeroDeEstados(), ficha.estados);
    EXPECT_EQ(std::string(Chip().TiposDePines() + 1, static_cast<std::size_t>(ficha.pines)),
              ficha.tipos);
}

TEST_P(ContratoDelChip, SoloEscribeLoSuyoYAvisaExactamenteCuandoSeMueveUnaSalida) {
    const CircuitoElectronico& chip = Chip();
    const int pines = chip.NumeroDePines();
    const int propias = pines + chip.NumeroDeEstados();
    const std::set<int> privada = MemoriaPrivada(chip);
    bool algunaVez = false;
    Recorre(chip, [&](ChipEnBanco& banco, const Momento& donde) {
        const Valores antes = banco.Valores();
        const bool cambio = banco.Evalua();
        bool salidaMovida = false;
        for (int i = 0; i < CircuitoElectronico::kEntradasDeTabla; ++i) {
            if (banco.Nivel(i) == antes[static_cast<std::size_t>(i)]) continue;
            const bool salida = i >= 1 && i <= pines && chip.TiposDePines()[i] == 'S';
            salidaMovida = salidaMovida || salida;
            const bool estado = i > pines && i <= propias;
            ASSERT_TRUE(salida || estado || privada.contains(i))
                << "escribió en " << Entrada(chip, i) << "; " << donde;
        }
        ASSERT_EQ(cambio, salidaMovida) << donde;
        algunaVez = algunaVez || salidaMovida;
    });
    // A walk that never moved an output would prove nothing.
    EXPECT_TRUE(algunaVez);
}

// The settling loop may stop evaluating a chip whose inputs have not moved.
TEST_P(ContratoDelChip, UnaSegundaEvaluacionSinCambiosNoHaceNada) {
    Recorre(Chip(), [](ChipEnBanco& banco, const Momento& donde) {
        banco.Evalua();
        const Valores asentada = banco.Valores();
        ASSERT_FALSE(banco.Evalua()) << donde;
        ASSERT_EQ(banco.Valores(), asentada) << donde;
    });
}

std::vector<int> CodigosDelCatalogo() {
    std::vector<int> codigos;
    for (const FichaDeChip& ficha : Catalogo()) codigos.push_back(ficha.codigoDeCatalogo);
    return codigos;
}

INSTANTIATE_TEST_SUITE_P(Catalogo, ContratoDelChip, testing::ValuesIn(CodigosDelCatalogo()),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(FichaDeCatalogo(info.param)->clase);
                         });

}  // namespace
}  // namespace velistra
