#pragma once
// Whole files in and out, as the tests compare them: bytes, no newline translation.
#include <string>

namespace velistra::prueba {

// Empty when the file cannot be read.
std::string LeeArchivo(const std::string& ruta);
void EscribeArchivo(const std::string& ruta, const std::string& texto);

}  // namespace velistra::prueba
