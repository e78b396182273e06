#pragma once
// The core's texts with their English, made by the build from the catalogue.
#include <iterator>
#include <span>

namespace velistra::consola {

struct ParDeTextos {
    const char* espanol;
    const char* ingles;
};

std::span<const ParDeTextos> TraduccionesDelNucleo();

}  // namespace velistra::consola
