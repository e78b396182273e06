// Writes the circuits and tables of every lab of the course into the folder given as
// argument (the statements are written by hand):
//   genera-practicas /ruta/a/practicas
#include <filesystem>
#include <fstream>
#include <iostream>

#include "CircuitosDePracticas.h"

namespace {

bool Escribe(const std::filesystem::path& ruta, const std::string& texto) {
    std::ofstream archivo(ruta);
    archivo << texto;
    if (archivo.flush()) return true;
    std::cerr << "no se pudo escribir " << ruta << '\n';
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "uso: genera-practicas CARPETA\n";
        return 1;
    }
    try {
        for (const velistra::ejemplos::PracticaDelCurso& p :
             velistra::ejemplos::PracticasDelCurso()) {
            const std::filesystem::path carpeta = std::filesystem::path(argv[1]) / p.carpeta;
            std::filesystem::create_directories(carpeta);
            if (!Escribe(carpeta / "inicio.txt", velistra::ejemplos::TextoDeInicio(p)) ||
                !Escribe(carpeta / "solucion.txt", velistra::ejemplos::TextoDeSolucion(p)) ||
                !Escribe(carpeta / "tabla.csv", velistra::ejemplos::TextoDeTabla(p)))
                return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
