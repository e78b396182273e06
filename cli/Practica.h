#pragma once
#include <optional>
#include <string>
#include <vector>

#include "cli/ArgumentosDeDocencia.h"

namespace velistra::consola {

// practica LAB CIRCUITO... [--csv|--json] [--plazo S]: comprobar's request with what the
// lab's folder says the circuits must give. Nothing, and the reason, on bad usage or a
// folder that is not a lab.
std::optional<PeticionDeComprobacion> AnalizaPractica(const std::vector<std::string>& argumentos,
                                                      std::string& error);

}  // namespace velistra::consola
