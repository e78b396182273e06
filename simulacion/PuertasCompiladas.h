#pragma once
#include <vector>

namespace velistra {

struct EsquemaDePuertas;

// A gate chip's scheme laid out flat, pin numbers only, for the settling engine to compute
// without a virtual call or a walk over the scheme's fixed-size tables. Calcula answers
// exactly what the chip's own Funcion answers on the same values.
class PuertasCompiladas {
public:
    explicit PuertasCompiladas(const EsquemaDePuertas& esquema);

    bool Calcula(bool* valores) const;

private:
    int tierra = 0;
    int alimentacion = 0;
    // Per gate: output pin, kind, a count and the pins (see the kinds in the source).
    std::vector<unsigned char> codigo;
};

}  // namespace velistra
