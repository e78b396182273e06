#include "support/Archivos.h"

#include <fstream>
#include <sstream>

namespace velistra::prueba {

std::string LeeArchivo(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream texto;
    texto << archivo.rdbuf();
    return texto.str();
}

void EscribeArchivo(const std::string& ruta, const std::string& texto) {
    std::ofstream archivo(ruta, std::ios::binary);
    archivo << texto;
}

}  // namespace velistra::prueba
