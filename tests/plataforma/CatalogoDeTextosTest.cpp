// The one catalogue: templates and their arguments formatted in either language.
#include <gtest/gtest.h>

#include "plataforma/CatalogoDeTextos.h"
#include "plataforma/Traducible.h"

namespace velistra {
namespace {

TEST(CatalogoDeTextos, UnMensajeSeFormateaEnCadaIdiomaConSusArgumentosTraducidos) {
    // A name inside the sentence is a message too; a file name is never translated.
    const Mensaje lista = Enumeracion({Mensaje(VELISTRA_TEXTO("El archivo no puede               ser almacenado.")),
                                       Mensaje::Literal("El archivo no puede               ser almacenado."),
                                       Mensaje::Entero(-3)});
    EXPECT_EQ(Formatea(lista, Idioma::Espanol),
              "El archivo no puede               ser almacenado., El archivo no puede              "
              " ser almacenado. y -3");
    const std::string ingles = Formatea(lista, Idioma::Ingles);
    EXPECT_TRUE(ingles.starts_with("The file cannot")) << ingles;
    EXPECT_TRUE(ingles.ends_with(", El archivo no puede               ser almacenado. and -3")) << ingles;

    // An argument that holds a placeholder is not filled again.
    EXPECT_EQ(Formatea(Mensaje(VELISTRA_TEXTO("%1 y %2"), {Mensaje::Literal("%2"), Mensaje::Literal("b")}),
                       Idioma::Ingles),
              "%2 and b");
    EXPECT_EQ(Formatea(Enumeracion({}), Idioma::Espanol), "");
    EXPECT_EQ(Formatea(Enumeracion({Mensaje::Literal("a")}), Idioma::Ingles), "a");
    // A text the catalogue does not hold is said as it is in either language.
    EXPECT_EQ(Traduce(Idioma::Ingles, "/home/ana/Nuevo circuito.txt"), "/home/ana/Nuevo circuito.txt");
}

TEST(CatalogoDeTextos, LosDecimalesLlevanLaMarcaDelIdioma) {
    EXPECT_EQ(FormateaDecimal(77.06, 1, Idioma::Espanol), "77,1");
    EXPECT_EQ(FormateaDecimal(77.06, 1, Idioma::Ingles), "77.1");
    EXPECT_EQ(FormateaDecimal(0.5, 0, Idioma::Ingles), "0");
    EXPECT_EQ(FormateaDecimal(12, 3, Idioma::Espanol), "12,000");
    EXPECT_EQ(Formatea(Mensaje(VELISTRA_TEXTO("%1, %2"), {Mensaje::Decimal(2.25, 2), Mensaje::Entero(7)}),
                       Idioma::Espanol),
              "2,25, 7");
}

TEST(CatalogoDeTextos, CadaTextoDelCatalogoTieneInglesConLosMismosHuecos) {
    ASSERT_GT(TextosDelCatalogo().size(), 100u);
    for (const ParDeTextos& par : TextosDelCatalogo()) {
        EXPECT_EQ(Traduce(Idioma::Ingles, par.espanol), par.ingles);
        EXPECT_EQ(Traduce(Idioma::Espanol, par.espanol), par.espanol);
        EXPECT_FALSE(std::string_view(par.ingles).empty()) << par.espanol;
    }
}

}  // namespace
}  // namespace velistra
