#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>

#include "chips/Catalogo.h"
#include "chips/CircuitoElectronico.h"
#include "chips/Contadores.h"
#include "chips/Prototipos.h"

namespace velistra {
namespace {

using Tabla = std::array<bool, CircuitoElectronico::kEntradasDeTabla>;

TEST(ChipTTL, CadaFichaDelCatalogoTienePrototipo) {
    for (const FichaDeChip& ficha : Catalogo()) {
        const CircuitoElectronico* chip = ChipTTL(ficha.codigoDeCatalogo);
        ASSERT_NE(chip, nullptr) << ficha.clase << " no tiene prototipo";
        EXPECT_EQ(chip->Codigo(), ficha.codigoDeModelo) << ficha.clase;
    }
}

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

// Random inputs for a long run: a chip writes only its output pins and its own state
// entries, answers true exactly when an output moved, and settles in one evaluation.
TEST(PrototiposContadores, SoloEscribenLoSuyoYAvisanDeCadaCambio) {
    std::mt19937 azar(20240611);
    for (const CircuitoElectronico* chip : PrototiposContadores()) {
        SCOPED_TRACE(chip->Codigo());
        const int pines = chip->NumeroDePines();
        const int propias = pines + chip->NumeroDeEstados();
        const char* tipos = chip->TiposDePines();
        Tabla valores{};
        chip->EstadoInicial(valores.data());
        for (int i = propias + 1; i < CircuitoElectronico::kEntradasDeTabla; ++i)
            valores[i] = i % 3 == 0;

        for (int paso = 0; paso < 3000; ++paso) {
            for (int pin = 1; pin <= pines; ++pin) {
                const unsigned tirada = azar() % 16;
                // Mostly powered, so the logic is exercised; now and then not.
                if (tipos[pin] == 'G')
                    valores[pin] = tirada == 0;
                else if (tipos[pin] == 'V')
                    valores[pin] = tirada != 0;
                else if (tipos[pin] == 'E' && tirada < 5)
                    valores[pin] = !valores[pin];
            }
            const Tabla antes = valores;
            const bool cambio = chip->Funcion(valores.data());
            bool salidaMovida = false;
            for (int i = 1; i < CircuitoElectronico::kEntradasDeTabla; ++i) {
                if (valores[i] == antes[i]) continue;
                if (i <= pines && tipos[i] == 'S')
                    salidaMovida = true;
                else
                    ASSERT_GT(i, pines) << "escribió en el pin " << i << " de tipo " << tipos[i];
                ASSERT_LE(i, propias) << "escribió fuera de su tabla, en la entrada " << i;
            }
            ASSERT_EQ(cambio, salidaMovida) << "paso " << paso;

            const Tabla asentada = valores;
            ASSERT_FALSE(chip->Funcion(valores.data())) << "paso " << paso;
            ASSERT_EQ(valores, asentada) << "paso " << paso;
        }
    }
}

}  // namespace
}  // namespace velistra
