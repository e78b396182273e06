#pragma once
#include <cstddef>
#include <iosfwd>

#include "cli/Argumentos.h"

namespace velistra::consola {

struct Veredicto;

// The report of a batch, written as the verdicts come: text (a line per circuit, then the
// summary), CSV for a grade book (a header, a row per circuit) or one JSON object.
class InformeDeComprobacion {
public:
    InformeDeComprobacion(std::ostream& salida, Formato formato);

    void Agrega(const Veredicto& v);
    // The summary line, or the end of the JSON object.
    void Termina();

    std::size_t Incorrectos() const { return incorrectos; }
    std::size_t Ilegibles() const { return ilegibles; }

private:
    std::ostream& salida;
    Formato formato;
    std::size_t circuitos = 0;
    std::size_t correctos = 0;
    std::size_t incorrectos = 0;
    std::size_t ilegibles = 0;
};

}  // namespace velistra::consola
