#pragma once
// Texts that more than one layer shows, and the program's version, kept in one place.
// The version comes from the build (the project's VERSION in CMakeLists.txt).

#ifndef VELISTRA_VERSION
#error "VELISTRA_VERSION lo define la compilación"
#endif

#include "plataforma/Traducible.h"

namespace velistra::textos {

inline constexpr const char* kVersion = VELISTRA_VERSION;
// The main window's title before any circuit is named.
inline constexpr const char* kTituloDelPrograma = "Velistra " VELISTRA_VERSION;
// The help dialog's second line; the dialog gives its own English line.
inline constexpr const char* kLineaDeVersion =
    "Versión " VELISTRA_VERSION " (2541180) - Mayo de 2011";  // texto fijo

// Titles of the message boxes.
inline constexpr const char* kTituloDeInformacion = VELISTRA_TEXTO("Información");
inline constexpr const char* kTituloDeArchivos = VELISTRA_TEXTO("Error de archivos");

// The program's command line, read before Qt and its translations start.
inline constexpr const char* kOpcionDesconocida = VELISTRA_TEXTO("opción desconocida %1");

}  // namespace velistra::textos
