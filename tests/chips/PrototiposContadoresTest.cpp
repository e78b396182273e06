#include <gtest/gtest.h>

#include <array>
#include <set>

#include "chips/CircuitoElectronico.h"
#include "chips/Contadores.h"
#include "chips/Prototipos.h"

namespace velistra {
namespace {

using Tabla = std::array<bool, CircuitoElectronico::kEntradasDeTabla>;

TEST(PrototiposContadores, EstanRegistradosEnOrdenDeCatalogo) {
    const ListaDePrototipos prototipos = PrototiposContadores();
    ASSERT_EQ(prototipos.size(), 28u);
    int anterior = 0;
    for (const CircuitoElectronico* chip : prototipos) {
        const int codigo = CodigoDeCatalogo(chip->Codigo());
        EXPECT_GT(codigo, anterior);
        EXPECT_EQ(ChipTTL(codigo), chip) << codigo;
        anterior = codigo;
    }
    EXPECT_EQ(ChipTTL(7090), &ci7490);
    EXPECT_EQ(ChipTTL(7490), &ci74490);
    EXPECT_EQ(ChipTTL(7669), &ci74669);
}

TEST(PrototiposContadores, EstadoInicialSobreUnaTablaACero) {
    // Only these start with the clock remembered high, so a clock already high at switch-on
    // does not act; every other count, stage, word and clock level starts at 0.
    const std::set<const CircuitoElectronico*> relojAlto = {&ci74190, &ci74191, &ci74194};
    for (const CircuitoElectronico* chip : PrototiposContadores()) {
        Tabla valores{};
        chip->EstadoInicial(valores.data());
        for (int i = 0; i < CircuitoElectronico::kEntradasDeTabla; ++i)
            EXPECT_EQ(valores[i], i == 17 && relojAlto.contains(chip))
                << chip->Codigo() << " entrada " << i;
    }
}

}  // namespace
}  // namespace velistra
