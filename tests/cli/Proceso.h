#pragma once
// Runs velistra-cli as a separate process, the way a teacher's shell does.
#include <string>
#include <vector>

namespace velistra::prueba {

struct ResultadoDelProceso {
    std::string salida;
    std::string errores;
    int codigo = -1;
};

// `entrada` is what the program reads on its standard input.
ResultadoDelProceso EjecutaCli(const std::vector<std::string>& argumentos,
                               const std::string& entrada = "");

std::string LeeArchivo(const std::string& ruta);
void EscribeArchivo(const std::string& ruta, const std::string& texto);

}  // namespace velistra::prueba
