#pragma once
// The page's language and every text it shows, in that language, from the one catalogue.
#include <string>

#include "plataforma/Idioma.h"

namespace velistra {

void IdiomaDeLaPagina(Idioma idioma);
Idioma IdiomaDeLaPagina();

// A text of the core or of the page, given in Spanish, in that language.
std::string TextoEn(Idioma idioma, const std::string& espanol);
// The same in the page's language.
std::string TextoDelNucleo(const std::string& espanol);

}  // namespace velistra
