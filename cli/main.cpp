#include <iostream>
#include <string>
#include <vector>

#include "cli/LineaDeOrdenes.h"
#include "plataforma/Sistema.h"

int main(int argc, char** argv) {
    // A --guardar past the file size limit is a failed save (exit 3), not a killed run.
    velistra::sistema::IgnoraElLimiteDeTamano();
    // A folder as standard input would read as an empty script and "succeed".
    if (velistra::sistema::EntradaEstandarEsCarpeta()) std::cin.setstate(std::ios::badbit);
    const std::vector<std::string> argumentos(argv + 1, argv + argc);
    return velistra::consola::EjecutaLineaDeOrdenes(argumentos, std::cin, std::cout, std::cerr);
}
