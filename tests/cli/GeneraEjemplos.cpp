// Writes the circuit file of every example into the examples folder given as argument:
//   genera-ejemplos /ruta/a/examples
#include <filesystem>
#include <fstream>
#include <iostream>

#include "CircuitosDeEjemplo.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "uso: genera-ejemplos CARPETA\n";
        return 1;
    }
    try {
        for (const velistra::ejemplos::Ejemplo& e : velistra::ejemplos::Ejemplos()) {
            const std::filesystem::path carpeta = std::filesystem::path(argv[1]) / e.carpeta;
            std::filesystem::create_directories(carpeta);
            std::ofstream archivo(carpeta / "circuito.txt");
            archivo << velistra::ejemplos::TextoDeEjemplo(e);
            if (!archivo.flush()) {
                std::cerr << "no se pudo escribir " << (carpeta / "circuito.txt") << '\n';
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
