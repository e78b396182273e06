#pragma once

namespace velistra::consola {

// What --help prints, in the run's language.
const char* TextoDeAyuda();
// The two versions: Ayuda.cpp and AyudaEnIngles.cpp.
const char* AyudaEnEspanol();
const char* AyudaEnIngles();

}  // namespace velistra::consola
