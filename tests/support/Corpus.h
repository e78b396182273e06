#pragma once
// A fuzzer's corpus replayed by the regular tests: every file of the folder, whole.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace velistra::prueba {

inline std::string Contenido(const std::filesystem::path& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream texto;
    texto << archivo.rdbuf();
    return texto.str();
}

// Calls haz(nombre, texto) for each file of the folder.
template <typename Accion>
void RecorreCorpus(const std::filesystem::path& carpeta, Accion haz) {
    for (const auto& entrada : std::filesystem::directory_iterator(carpeta))
        haz(entrada.path().filename().string(), Contenido(entrada.path()));
}

}  // namespace velistra::prueba
