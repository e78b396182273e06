#pragma once
// Texts the user reads. The core keeps them in Spanish; the build collects every text
// marked here into the translation catalogue (CatalogoDeTextos.h), keyed by its Spanish.
// Texts with numbers or names are templates with %1, %2, ... filled in by Rellena once
// translated, so that a translation can move them.
#include <string>
#include <string_view>
#include <vector>

// The text itself, marked for the catalogue. One string literal (or adjacent ones).
#define VELISTRA_TEXTO(texto) texto

namespace velistra {

// `plantilla` with %1..%9 replaced by the arguments, in one pass: an argument that
// holds "%1" stays as it is. A placeholder without an argument stays too.
std::string Rellena(std::string_view plantilla, const std::vector<std::string>& argumentos);

}  // namespace velistra
