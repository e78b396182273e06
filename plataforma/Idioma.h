#pragma once
// The language of the texts. Spanish is the program's own; English follows an English
// locale or the user's choice. Both programs decide it by the same rule.
#include <optional>
#include <string_view>

namespace velistra {

enum class Idioma { Espanol, Ingles };

// POSIX order: the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty
// decides; "en", "en_GB.UTF-8", ... are English, anything else (none, "C", "fr_FR") Spanish.
Idioma IdiomaDeLaConfiguracionRegional(const char* lcAll, const char* lcMessages, const char* lang);
// The same rule over this process's environment.
Idioma IdiomaDelEntorno();

// "es" or "en", as --idioma and the saved setting spell them; nothing for any other word.
std::optional<Idioma> IdiomaPorCodigo(std::string_view codigo);
const char* CodigoDeIdioma(Idioma idioma);

}  // namespace velistra
