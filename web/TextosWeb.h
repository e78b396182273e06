#pragma once
// The texts the page shows around the workbench, in a language, for its script.
#include <emscripten/val.h>

#include "plataforma/Idioma.h"

namespace velistra {

// {aceptar, si, no, cancelar, color, coloresBasicos, coloresPersonalizados, agregarColor,
//  sinChip, idioma, idiomaElegido, ayuda: [lines..., button]}
emscripten::val TextosDeLaPagina(Idioma idioma);

}  // namespace velistra
