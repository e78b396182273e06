#pragma once
// Texts the user reads. The core keeps them in Spanish; the build collects every text
// marked here into the translation catalogue, and each program translates a text,
// keyed by its Spanish, where it shows it. Texts with numbers or names are templates
// with %1, %2, ... filled in by Rellena, so that a translation can move them.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The text itself, marked for the catalogue. One string literal (or adjacent ones).
#define VELISTRA_TEXTO(texto) texto

namespace velistra {

// `plantilla` with %1..%9 replaced by the arguments, in one pass: an argument that
// holds "%1" stays as it is. A placeholder without an argument stays too.
std::string Rellena(std::string_view plantilla, const std::vector<std::string>& argumentos);

// The arguments Rellena put into `plantilla` to give `texto`, or nothing when `texto`
// is not made from it (or `plantilla` has no placeholder).
std::optional<std::vector<std::string>> ArgumentosDe(std::string_view plantilla,
                                                     std::string_view texto);

// The translation of one Spanish text of the catalogue, or nothing.
using Traduccion = std::function<std::optional<std::string>(const char* espanol)>;

// `texto` in the other language: its translation when it is a text of the catalogue;
// when it is one of `plantillas` filled in, the translated template with the same
// arguments; otherwise (a file name, a text without translation) as it is.
std::string Traduce(const std::string& texto, std::span<const char* const> plantillas,
                    const Traduccion& traduccion);

}  // namespace velistra
