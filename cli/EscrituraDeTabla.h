#pragma once
#include <iosfwd>
#include <vector>

#include "cli/Argumentos.h"
#include "docencia/TablaDeVerdad.h"

namespace velistra::consola {

// Text: a header and one row per combination, aligned under the names, the levers
// apart from the lights by " | ". CSV: the same with commas. JSON: one object a row.
void EscribeTabla(std::ostream& salida, const docencia::TablaDeVerdad& tabla, Formato formato);

// Puts the bench's levers through every combination and writes the table as above, the
// lights being the wired ones. Every row is read before the first is written, so that a
// warning of the walk comes before the table, not inside it.
void EscribeTablaDeLaMesa(std::ostream& salida, Mesa& mesa,
                          const std::vector<docencia::PalancaCableada>& palancas, Formato formato);

}  // namespace velistra::consola
