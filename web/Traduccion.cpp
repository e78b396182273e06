#include "web/Traduccion.h"

namespace velistra {

namespace {
Idioma idiomaDeLaPagina = Idioma::Espanol;
}  // namespace

void IdiomaDeLaPagina(Idioma idioma) { idiomaDeLaPagina = idioma; }
Idioma IdiomaDeLaPagina() { return idiomaDeLaPagina; }

std::string TextoDelNucleo(const std::string& espanol) { return espanol; }

}  // namespace velistra
