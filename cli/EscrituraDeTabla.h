#pragma once
#include <iosfwd>

#include "cli/Argumentos.h"
#include "docencia/TablaDeVerdad.h"

namespace velistra::consola {

// Text: a header and one row per combination, aligned under the names, the levers
// apart from the lights by " | ". CSV: the same with commas. JSON: one object a row.
void EscribeTabla(std::ostream& salida, const docencia::TablaDeVerdad& tabla, Formato formato);

}  // namespace velistra::consola
