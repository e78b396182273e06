// Templates filled in, in either language; and the rule that picks the language from the locale.
#include <gtest/gtest.h>

#include "plataforma/CatalogoDeTextos.h"
#include "plataforma/Idioma.h"
#include "plataforma/Traducible.h"

namespace velistra {
namespace {

TEST(Traducible, UnaPlantillaSeRellenaYSeTraduceConSusArgumentos) {
    EXPECT_EQ(Rellena("el chip %1 no tiene la patilla %2", {"3", "20"}),
              "el chip 3 no tiene la patilla 20");
    // One pass: an argument holding a placeholder stays as it is; a missing one too.
    EXPECT_EQ(Rellena("%1 y %2", {"%2", "b"}), "%2 y b");
    EXPECT_EQ(Rellena("%1 y %2 al 100%", {"a"}), "a y %2 al 100%");

    EXPECT_EQ(Rellena("%2 antes que %1", {"a", "b"}), "b antes que a");

    // The message keeps its parts apart, so the English puts them where it needs them.
    const Mensaje patilla(VELISTRA_TEXTO("el chip %1 no tiene la patilla %2"),
                          {Mensaje::Entero(3), Mensaje::Entero(20)});
    EXPECT_EQ(Formatea(patilla, Idioma::Espanol), "el chip 3 no tiene la patilla 20");
    EXPECT_EQ(Formatea(patilla, Idioma::Ingles), "chip 3 has no pin 20");
    EXPECT_EQ(Traduce(Idioma::Ingles, "Nuevo circuito"), "New circuit");
    EXPECT_EQ(Traduce(Idioma::Ingles, "/home/ana/circuito.txt"), "/home/ana/circuito.txt");
}

TEST(Traducible, InglesSoloParaUnaConfiguracionRegionalInglesa) {
    EXPECT_EQ(IdiomaDeLaConfiguracionRegional(nullptr, nullptr, nullptr), Idioma::Espanol);
    EXPECT_EQ(IdiomaDeLaConfiguracionRegional(nullptr, nullptr, "en_US.UTF-8"), Idioma::Ingles);
    EXPECT_EQ(IdiomaDeLaConfiguracionRegional(nullptr, nullptr, "en"), Idioma::Ingles);
    for (const char* otra : {"C", "C.UTF-8", "POSIX", "es_PE.UTF-8", "fr_FR", "eng", "ena_XX"})
        EXPECT_EQ(IdiomaDeLaConfiguracionRegional(nullptr, nullptr, otra), Idioma::Espanol) << otra;
    EXPECT_EQ(IdiomaDeLaConfiguracionRegional("es_ES.UTF-8", "en_GB", "en_US"), Idioma::Espanol);
    EXPECT_EQ(IdiomaDeLaConfiguracionRegional("", "en_GB.UTF-8", "es_ES"), Idioma::Ingles);
    EXPECT_EQ(IdiomaPorCodigo("en"), Idioma::Ingles);
    EXPECT_EQ(IdiomaPorCodigo("es"), Idioma::Espanol);
    EXPECT_FALSE(IdiomaPorCodigo("EN"));
    EXPECT_FALSE(IdiomaPorCodigo(""));
}

}  // namespace
}  // namespace velistra
