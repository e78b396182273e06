#pragma once
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/ArgumentosDeDocencia.h"

namespace velistra::consola {

enum class Resultado { Correcto, Incorrecto, Ilegible };

// What one circuit of the batch gave.
struct Veredicto {
    std::string archivo;
    Resultado resultado = Resultado::Ilegible;
    // Rows of the table or lines of the output compared, and how many differ.
    std::size_t comparadas = 0;
    std::size_t distintas = 0;
    // Why it is not correct, in one line.
    std::string detalle;
};

// The circuits named on the command line: files as given, folders replaced by the
// ".txt" files they hold (also in subfolders), in name order.
std::vector<std::string> CircuitosDelLote(const std::vector<std::string>& nombres);

// Checks every circuit apart from this process, each with the request's time limit, and
// writes the report. The exit code: 0 all correct, 4 some incorrect, 2 some unreadable,
// 1 when what they are compared with cannot be read.
int Comprueba(const PeticionDeComprobacion& peticion, std::ostream& salida, std::ostream& errores);

}  // namespace velistra::consola
