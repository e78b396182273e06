#pragma once
#include <optional>
#include <string>

#include "cli/Guion.h"

namespace velistra {
class Mesa;
class Tablero;
}  // namespace velistra

namespace velistra::consola {

// The board with that identifier on the workbench, or null.
Tablero* TableroConIdentificador(const Mesa& mesa, int identificador);

// Whether the order fits the loaded circuit: the board it names exists and is of the
// right kind, and the lever, key or port lies on it. The reason when it does not.
std::optional<std::string> CompruebaOrden(const Orden& orden, const Mesa& mesa);

}  // namespace velistra::consola
