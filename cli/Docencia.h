#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace velistra::consola {

// comprobar, revisar and practica, the teacher's orders (with no --help among the words).
bool EsOrdenDeDocencia(const std::vector<std::string>& argumentos);
int EjecutaDocencia(const std::vector<std::string>& argumentos, std::ostream& salida,
                    std::ostream& errores);

}  // namespace velistra::consola
