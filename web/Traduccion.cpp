#include "web/Traduccion.h"

#include "plataforma/CatalogoDeTextos.h"

namespace velistra {

namespace {
Idioma idiomaDeLaPagina = Idioma::Espanol;
}  // namespace

void IdiomaDeLaPagina(Idioma idioma) { idiomaDeLaPagina = idioma; }
Idioma IdiomaDeLaPagina() { return idiomaDeLaPagina; }

std::string TextoEn(Idioma idioma, const std::string& espanol) { return Traduce(idioma, espanol); }

std::string TextoDelNucleo(const std::string& espanol) { return TextoEn(idiomaDeLaPagina, espanol); }

}  // namespace velistra
