#pragma once
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <utility>

#include "cli/Argumentos.h"

namespace velistra::consola {

struct Veredicto;

// The report of a batch, written as the verdicts come: text (a line per circuit, then the
// summary), CSV for a grade book (a header, a row per circuit) or one JSON object.
class InformeDeComprobacion {
public:
    InformeDeComprobacion(std::ostream& salida, Formato formato);

    // How many rows of the expected table each circuit is put through, of how many
    // combinations its levers have; told with the summary.
    void FilasDeLaTabla(std::size_t filas, std::size_t combinaciones);
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
    std::optional<std::pair<std::size_t, std::size_t>> tabla;
};

}  // namespace velistra::consola
