#pragma once
#include <iosfwd>
#include <string>

namespace velistra {
class Mesa;
}

namespace velistra::consola {

// Reads the faults file and plants its faults silently; false, after saying which line is
// wrong and why (or that the file cannot be read), planting nothing.
bool PlantaFallos(Mesa& mesa, const std::string& archivo, std::ostream& errores);

}  // namespace velistra::consola
