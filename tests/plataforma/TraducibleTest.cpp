// Templates filled in and recognised again, so that a finished text can be translated;
// and the rule that picks the language from the locale.
#include <gtest/gtest.h>

#include <map>

#include "plataforma/Idioma.h"
#include "plataforma/Traducible.h"

namespace velistra {
namespace {

TEST(Traducible, UnaPlantillaRellenaSeReconoceYSeTraduceConSusArgumentos) {
    EXPECT_EQ(Rellena("el chip %1 no tiene la patilla %2", {"3", "20"}),
              "el chip 3 no tiene la patilla 20");
    // One pass: an argument holding a placeholder stays as it is; a missing one too.
    EXPECT_EQ(Rellena("%1 y %2", {"%2", "b"}), "%2 y b");
    EXPECT_EQ(Rellena("%1 y %2 al 100%", {"a"}), "a y %2 al 100%");

    EXPECT_EQ(ArgumentosDe("el chip %1 no tiene la patilla %2", "el chip 3 no tiene la patilla 20"),
              (std::vector<std::string>{"3", "20"}));
    // Arguments may hold the template's own words; the last runs to the final piece.
    EXPECT_EQ(
        ArgumentosDe("circuito %1. ¿Recuperar?", "circuito /a/circuito 2. b.txt. ¿Recuperar?"),
        (std::vector<std::string>{"/a/circuito 2. b.txt"}));
    EXPECT_EQ(ArgumentosDe("%2 antes que %1", "b antes que a"),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(ArgumentosDe("no existe el chip %1", "no existe el chip "));
    EXPECT_FALSE(ArgumentosDe("no existe el chip %1", "no existe el cable 3"));
    EXPECT_FALSE(ArgumentosDe("Nuevo circuito", "Nuevo circuito"));

    const std::map<std::string, std::string> catalogo{
        {"Nuevo circuito", "New circuit"},
        {"el chip %1 no tiene la patilla %2", "chip %1 has no pin %2"},
        {"%2 antes que %1", "%1 after %2"},
    };
    const Traduccion traduccion = [&](const char* es) -> std::optional<std::string> {
        const auto t = catalogo.find(es);
        return t == catalogo.end() ? std::nullopt : std::optional(t->second);
    };
    const char* const plantillas[] = {"el chip %1 no tiene la patilla %2", "%2 antes que %1"};
    EXPECT_EQ(Traduce("Nuevo circuito", plantillas, traduccion), "New circuit");
    EXPECT_EQ(Traduce("el chip 3 no tiene la patilla 20", plantillas, traduccion),
              "chip 3 has no pin 20");
    EXPECT_EQ(Traduce("b antes que a", plantillas, traduccion), "a after b");
    EXPECT_EQ(Traduce("/home/ana/circuito.txt", plantillas, traduccion), "/home/ana/circuito.txt");
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
