#include "web/TextosWeb.h"

#include <string>

#include "plataforma/Textos.h"
#include "plataforma/Traducible.h"
#include "sesion/TextosDeLaVentana.h"
#include "web/Traduccion.h"

namespace velistra {

namespace {

using emscripten::val;
using namespace textos_de_la_ventana;

// The help dialog: the name, the version line, the credits and the button's caption.
val LineasDeAyuda(Idioma idioma) {
    val lineas = val::array();
    lineas.call<void>("push", std::string("Velistra"));
    lineas.call<void>("push", Rellena(TextoEn(idioma, kLineaDeVersion), {textos::kVersion}));
    for (const char* linea : kLineasDeAyuda)
        lineas.call<void>("push", *linea ? TextoEn(idioma, linea) : std::string());
    lineas.call<void>("push", TextoEn(idioma, kBotonDeAyuda));
    return lineas;
}

}  // namespace

val TextosDeLaPagina(Idioma idioma) {
    val t = val::object();
    const auto pon = [&](const char* clave, const char* texto) { t.set(clave, TextoEn(idioma, texto)); };
    pon("aceptar", kAceptar);
    pon("si", kSi);
    pon("no", kNo);
    pon("cancelar", kCancelar);
    pon("color", kColor);
    pon("coloresBasicos", kColoresBasicos);
    pon("coloresPersonalizados", kColoresPersonalizados);
    pon("agregarColor", kAgregarColor);
    pon("sinChip", kSinChip);
    pon("idioma", kIdioma);
    pon("idiomaElegido", kIdiomaElegido);
    pon("informacion", textos::kTituloDeInformacion);
    t.set("ayuda", LineasDeAyuda(idioma));
    return t;
}

}  // namespace velistra
