#pragma once

namespace velistra::consola {

// What --help prints.
const char* TextoDeAyuda();

}  // namespace velistra::consola
