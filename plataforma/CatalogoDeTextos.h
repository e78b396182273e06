#pragma once
// The one catalogue of texts, for every shell. The Spanish is the program's own and the
// key; the English is written once, in idiomas/velistra_en.ts, and the build makes a
// table of it for the core (no Qt needed), so the command line and the browser say
// what the window says.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "plataforma/Idioma.h"
#include "plataforma/Mensaje.h"

namespace velistra {

// One marked Spanish text in `idioma`; as it is when the catalogue has no English for
// it (a text not of the catalogue, a name).
std::string Traduce(Idioma idioma, std::string_view espanol);

// The message in `idioma`: its template translated, its arguments formatted the same way
// and put in place of %1..%9.
std::string Formatea(const Mensaje& mensaje, Idioma idioma);

// "77,1" in Spanish, "77.1" in English.
std::string FormateaDecimal(double valor, int decimales, Idioma idioma);

// "a", "a y b", "a, b y c" (", " and " and " in English).
Mensaje Enumeracion(std::vector<Mensaje> partes);

// Every Spanish text that has English in the catalogue, with it; made by the build.
struct ParDeTextos {
    const char* espanol;
    const char* ingles;
};
std::span<const ParDeTextos> TextosDelCatalogo();

}  // namespace velistra
