#pragma once
#include <optional>
#include <string>

#include "docencia/TablaDeVerdad.h"
#include "plataforma/Mensaje.h"

namespace velistra::docencia {

// Reads a truth table as CSV (what `tabla --csv` writes, or a spreadsheet saves): a header
// of lever and light names in any order, then rows of 0 and 1. Fields may be quoted as
// spreadsheets quote them, and separated by semicolons instead of commas; a byte-order
// mark and CRLF are accepted. A table that would compare nothing (no lever, no light, no
// row) or names a column that is no lever or light is refused: nothing, and the reason.
std::optional<TablaDeVerdad> LeeTablaCsv(const std::string& texto, Mensaje& error);

// How many combinations the table's levers have (2 to the number of levers).
std::size_t CombinacionesDe(const TablaDeVerdad& tabla);
// The distinct lever settings the rows hold: a table of a sequential circuit repeats
// them, one row per step, and is compared in order.
std::size_t CombinacionesCubiertas(const TablaDeVerdad& tabla);

}  // namespace velistra::docencia
