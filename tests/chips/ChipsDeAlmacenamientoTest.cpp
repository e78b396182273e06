// What every flip-flop, latch and register must do alike: be found by its catalogue code,
// start from its switch-on state and go dark without power.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "chips/Biestables.h"
#include "chips/Prototipos.h"
#include "tests/chips/BancoSecuencial.h"

namespace velistra {
namespace {

using banco::ChipEnBanco;

struct Almacenamiento {
    const char* nombre;
    int codigoDeCatalogo;
    const CircuitoElectronico* chip;
};

const std::vector<Almacenamiento> kChips = {
    {"7473", 7073, &ci7473},   {"7474", 7074, &ci7474},   {"7476A", 7076, &ci7476},
    {"74107", 7107, &ci74107}, {"74109", 7109, &ci74109}, {"74112", 7112, &ci74112},
    {"74113", 7113, &ci74113}, {"74114", 7114, &ci74114}, {"7475", 7075, &ci7475},
    {"7477", 7077, &ci7477},   {"74256", 7256, &ci74256}, {"74259", 7259, &ci74259},
    {"74279", 7279, &ci74279}, {"74375", 7375, &ci74375}, {"74174", 7174, &ci74174},
    {"74175", 7175, &ci74175}, {"74273", 7273, &ci74273}, {"74377", 7377, &ci74377},
    {"74378", 7378, &ci74378}, {"74379", 7379, &ci74379}, {"74298", 7298, &ci74298},
    {"74398", 7398, &ci74398}, {"74399", 7399, &ci74399},
};

bool EsSalida(const CircuitoElectronico& chip, int pin) { return chip.TiposDePines()[pin] == 'S'; }

int PinDeTipo(const CircuitoElectronico& chip, char tipo) {
    for (int pin = 1; pin <= chip.NumeroDePines(); ++pin)
        if (chip.TiposDePines()[pin] == tipo) return pin;
    return 0;
}

class ChipDeAlmacenamiento : public testing::TestWithParam<Almacenamiento> {
protected:
    const CircuitoElectronico& Chip() const { return *GetParam().chip; }
};

TEST_P(ChipDeAlmacenamiento, ChipTTLDevuelveSuPrototipo) {
    EXPECT_EQ(ChipTTL(GetParam().codigoDeCatalogo), GetParam().chip);
    EXPECT_EQ(CodigoDeCatalogo(Chip().Codigo()), GetParam().codigoDeCatalogo);
}

TEST_P(ChipDeAlmacenamiento, AlEncenderTodoEmpiezaA0SalvoLasQDel7473) {
    bool valores[CircuitoElectronico::kEntradasDeTabla] = {};
    Chip().EstadoInicial(valores);
    const std::set<int> unos = &Chip() == &ci7473 ? std::set<int>{9, 12} : std::set<int>{};
    for (int i = 0; i < CircuitoElectronico::kEntradasDeTabla; ++i)
        EXPECT_EQ(valores[i], unos.contains(i)) << "entrada " << i;
}

TEST_P(ChipDeAlmacenamiento, SinAlimentacionTodasLasSalidasCaenA0) {
    const int tierra = PinDeTipo(Chip(), 'G');
    const int vcc = PinDeTipo(Chip(), 'V');
    ASSERT_NE(tierra, 0);
    ASSERT_NE(vcc, 0);
    for (const auto& [pin, nivel] : {std::pair{tierra, true}, std::pair{vcc, false}}) {
        ChipEnBanco chip(Chip());
        for (int i = 1; i <= Chip().NumeroDePines(); ++i)
            if (EsSalida(Chip(), i)) chip.Pon(i, true);
        chip.Pon(pin, nivel);
        EXPECT_TRUE(chip.Evalua());
        for (int i = 1; i <= Chip().NumeroDePines(); ++i) {
            if (EsSalida(Chip(), i)) {
                EXPECT_FALSE(chip.Nivel(i)) << "pin " << i;
            }
        }
        EXPECT_FALSE(chip.Evalua());
    }
}

INSTANTIATE_TEST_SUITE_P(Biestables, ChipDeAlmacenamiento, testing::ValuesIn(kChips),
                         [](const testing::TestParamInfo<Almacenamiento>& info) {
                             return std::string(info.param.nombre);
                         });

TEST(Biestables, LaFamiliaOfreceExactamenteSusVeintitresPrototipos) {
    std::set<const CircuitoElectronico*> esperados;
    for (const Almacenamiento& a : kChips) esperados.insert(a.chip);
    const ListaDePrototipos lista = PrototiposBiestables();
    EXPECT_EQ(std::set<const CircuitoElectronico*>(lista.begin(), lista.end()), esperados);
    EXPECT_EQ(lista.size(), esperados.size());
}

}  // namespace
}  // namespace velistra
