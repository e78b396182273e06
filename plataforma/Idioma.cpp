#include "plataforma/Idioma.h"

#include <cstdlib>

namespace velistra {

Idioma IdiomaDeLaConfiguracionRegional(const char* lcAll, const char* lcMessages,
                                       const char* lang) {
    for (const char* valor : {lcAll, lcMessages, lang}) {
        if (valor == nullptr || *valor == '\0') continue;
        const std::string_view v(valor);
        const bool ingles =
            v.starts_with("en") && (v.size() == 2 || v[2] == '_' || v[2] == '.' || v[2] == '@');
        return ingles ? Idioma::Ingles : Idioma::Espanol;
    }
    return Idioma::Espanol;
}

Idioma IdiomaDelEntorno() {
    return IdiomaDeLaConfiguracionRegional(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                           std::getenv("LANG"));
}

std::optional<Idioma> IdiomaPorCodigo(std::string_view codigo) {
    if (codigo == "es") return Idioma::Espanol;
    if (codigo == "en") return Idioma::Ingles;
    return std::nullopt;
}

const char* CodigoDeIdioma(Idioma idioma) { return idioma == Idioma::Ingles ? "en" : "es"; }

}  // namespace velistra
