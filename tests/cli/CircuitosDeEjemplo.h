#pragma once
// The circuits shipped in examples/, each built at the bench by its own function.
#include <string>
#include <vector>

namespace velistra::ejemplos {

class Montaje;

struct Ejemplo {
    // The folder under examples/.
    const char* carpeta;
    void (*monta)(Montaje&);
};

const std::vector<Ejemplo>& Ejemplos();

// The circuit file of an example, as the program writes it.
std::string TextoDeEjemplo(const Ejemplo& ejemplo);

}  // namespace velistra::ejemplos
