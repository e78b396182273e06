// What the browser shows from the command table and the window's own texts has English
// in the catalogue, marks and apostrophes included, so an English page shows no Spanish.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "plataforma/CatalogoDeTextos.h"
#include "sesion/TablaDeComandos.h"
#include "sesion/TextosDeLaVentana.h"

namespace velistra {
namespace {

// The catalogue has the text's English (which may be written the same: "7483A - 4 bits").
void EsperaIngles(const char* espanol) {
    static const std::set<std::string> conIngles = [] {
        std::set<std::string> textos;
        for (const ParDeTextos& par : TextosDelCatalogo()) textos.insert(par.espanol);
        return textos;
    }();
    if (espanol == nullptr || *espanol == '\0') return;
    EXPECT_TRUE(conIngles.contains(espanol)) << espanol;
}

TEST(TextosEnIngles, LosMenusYLaBarraDelNavegadorTienenIngles) {
    for (const FichaDeMenu& menu : MenusDeLaBarra()) EsperaIngles(menu.titulo);
    for (const FilaDeComando& fila : TablaDeComandos()) {
        if ((fila.programas & kNavegador) == 0 || fila.clase == ClaseDeFila::Separador) continue;
        // The languages are named each in its own; "%1 %" is the same in both.
        if (fila.marca == Marca::Opcion) continue;
        EsperaIngles(fila.submenu);
        EsperaIngles(fila.texto);
    }
    // The toolbar's names: every one has its own English.
    for (const FilaDeComando* fila : BotonesDeLaBarra(kNavegador)) {
        const std::string espanol = NombreDeBoton(*fila, [](const char* t) { return std::string(t); });
        EXPECT_NE(NombreDeBoton(*fila, [](const char* t) { return Traduce(Idioma::Ingles, t); }), espanol)
            << espanol;
    }
}

TEST(TextosEnIngles, LosTextosDeLaVentanaTienenInglesConSusSignos) {
    using namespace textos_de_la_ventana;
    for (const char* texto : {kAceptar, kSi, kNo, kCancelar, kColor, kColoresBasicos,
                              kColoresPersonalizados, kAgregarColor, kSinChip, kIdioma,
                              kIdiomaElegido, kLineaDeVersion, kBotonDeAyuda}) {
        EsperaIngles(texto);
    }
    for (const char* linea : kLineasDeAyuda) EsperaIngles(linea);
    // Entities of the translation file come out as the characters they stand for.
    EXPECT_EQ(Traduce(Idioma::Ingles, "Hagamos un mundo mejor"), "Let's make a better world");
    EXPECT_EQ(Traduce(Idioma::Ingles, kSi), "&Yes");
    EXPECT_EQ(Traduce(Idioma::Ingles, "&Circuitos"), "&Circuits");
}

}  // namespace
}  // namespace velistra
