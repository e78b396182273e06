#include "cli/SalidaPorBloques.h"

#include <ostream>

namespace velistra::consola {

SalidaPorBloques::SalidaPorBloques(std::ostream& salida, std::size_t bloque)
    : salida(salida), bloque(bloque) {
    pendiente.reserve(bloque);
}

SalidaPorBloques::~SalidaPorBloques() { Vacia(); }

char* SalidaPorBloques::Agrega(std::string_view texto) {
    if (!pendiente.empty() && pendiente.size() + texto.size() > bloque) Vacia();
    const std::size_t inicio = pendiente.size();
    pendiente.append(texto);
    return pendiente.data() + inicio;
}

void SalidaPorBloques::Vacia() {
    if (pendiente.empty()) return;
    salida.write(pendiente.data(), static_cast<std::streamsize>(pendiente.size()));
    // clear() keeps the capacity: the next block reuses it.
    pendiente.clear();
}

}  // namespace velistra::consola
