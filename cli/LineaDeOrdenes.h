#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace velistra::consola {

// The whole program but for the process: reads the arguments (the words after the
// program's name), loads the circuit, runs the script or makes the table, and answers
// the exit code (CodigosDeSalida.h). `entrada` is where a script without --guion is read.
// --idioma es|en, anywhere, chooses the language of the messages; without it the locale.
int EjecutaLineaDeOrdenes(std::vector<std::string> argumentos, std::istream& entrada,
                          std::ostream& salida, std::ostream& errores);

}  // namespace velistra::consola
