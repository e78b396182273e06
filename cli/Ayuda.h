#pragma once

namespace velistra::consola {

// What --help prints, in the run's language.
const char* TextoDeAyuda();
// The two versions, written at build time from manual/es.manual and manual/en.manual,
// the sources of the manual pages too.
const char* AyudaEnEspanol();
const char* AyudaEnIngles();

}  // namespace velistra::consola
