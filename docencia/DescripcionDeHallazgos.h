#pragma once
// A review finding in words, the same for every shell: "chip 7408 (n.º 2), patilla 14:
// la alimentación no llega (protoboard 3, columna 20, fila 1 de la zona superior)".
#include "docencia/Revision.h"
#include "plataforma/Mensaje.h"

namespace velistra::docencia {

// The window frames the finding's point on the workbench; a text-only listing names it
// ("(en 120, 80)") for chips off the breadboard and loose wires.
enum class ConPunto { No, Si };

Mensaje DescribeHallazgo(const Hallazgo& h, ConPunto punto);

}  // namespace velistra::docencia
