#pragma once
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/Guion.h"

namespace velistra::consola {

// The script of a run: the file `archivo` (a regular file only: a folder, a FIFO or a
// device is refused before a byte is read, so nothing ever waits on one) or, without
// it, `entrada`. Nothing when it cannot be read whole, after saying why on `errores`.
// A faulty line is not told here: it comes back in the script's `error`.
std::optional<Guion> LeeGuionDeLaEjecucion(const std::optional<std::string>& archivo,
                                           std::istream& entrada, std::ostream& errores);

}  // namespace velistra::consola
