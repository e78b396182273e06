#pragma once
// A fuzzer's corpus replayed by the regular tests: every file of the folder, whole.
#include <filesystem>
#include <string>

#include "support/Archivos.h"

namespace velistra::prueba {

// Calls haz(nombre, texto) for each file of the folder.
template <typename Accion>
void RecorreCorpus(const std::filesystem::path& carpeta, Accion haz) {
    for (const auto& entrada : std::filesystem::directory_iterator(carpeta))
        haz(entrada.path().filename().string(), LeeArchivo(entrada.path()));
}

}  // namespace velistra::prueba
