#include <iostream>
#include <string>
#include <vector>

#include "cli/LineaDeOrdenes.h"

int main(int argc, char** argv) {
    const std::vector<std::string> argumentos(argv + 1, argv + argc);
    return velistra::consola::EjecutaLineaDeOrdenes(argumentos, std::cin, std::cout, std::cerr);
}
