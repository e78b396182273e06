#include "web/AvisosWeb.h"

#include <emscripten.h>

#include "plataforma/CatalogoDeTextos.h"
#include "web/Traduccion.h"

namespace velistra {

namespace {

// The page's dialogs answer with a promise; these wait for it.
EM_ASYNC_JS(void, MuestraAviso, (const char* texto, const char* titulo, int icono), {
    await Module.velistra.avisos.muestra(UTF8ToString(texto), UTF8ToString(titulo), icono);
});

EM_ASYNC_JS(int, PreguntaAviso, (const char* texto, const char* titulo), {
    return await Module.velistra.avisos.pregunta(UTF8ToString(texto), UTF8ToString(titulo));
});

}  // namespace

void AvisosWeb::Muestra(const std::string& texto, const std::string& titulo, Icono icono) {
    MuestraAviso(TextoDelNucleo(texto).c_str(), TextoDelNucleo(titulo).c_str(),
                 static_cast<int>(icono));
}

void AvisosWeb::MuestraMensaje(const Mensaje& texto, const Mensaje& titulo, Icono icono) {
    const Idioma idioma = IdiomaDeLaPagina();
    MuestraAviso(Formatea(texto, idioma).c_str(), Formatea(titulo, idioma).c_str(),
                 static_cast<int>(icono));
}

Respuesta AvisosWeb::Pregunta(const std::string& texto, const std::string& titulo) {
    // The page answers 0 Yes, 1 No, 2 Cancel, as Respuesta counts them.
    switch (PreguntaAviso(TextoDelNucleo(texto).c_str(), TextoDelNucleo(titulo).c_str())) {
        case 0: return Respuesta::Si;
        case 1: return Respuesta::No;
        default: return Respuesta::Cancelar;
    }
}

}  // namespace velistra
