#pragma once
// A workbench graded against a lab, as the student's "Comprobar" does it: on a copy of the
// circuit, so the student's own workbench (its levers, the supply) stays as it was.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "docencia/Comparacion.h"
#include "docencia/Fallos.h"
#include "docencia/Practica.h"
#include "docencia/Revision.h"
#include "docencia/TablaDeVerdad.h"
#include "plataforma/Mensaje.h"

namespace velistra {

class Mesa;

// A column name and its level.
using Nivel = std::pair<std::string, bool>;

// A row of the expected table that the circuit does not give.
struct FilaEquivocada {
    std::vector<Nivel> palancas;
    std::vector<Nivel> esperadas;
    // Every light of the row as the circuit lit it.
    std::vector<Nivel> obtenidas;
};

struct ResultadoDePractica {
    std::vector<std::string> palancasQueFaltan;
    std::vector<std::string> lucesQueFaltan;
    std::size_t filas = 0;
    std::vector<FilaEquivocada> equivocadas;
    // The circuit hit the settling limit on some row.
    bool sinAsentarse = false;
    // The copy could not be made (never for a circuit the program wrote).
    bool sinComprobar = false;
    // The wiring review of the same circuit.
    std::vector<docencia::Hallazgo> hallazgos;

    bool Correcta() const {
        return palancasQueFaltan.empty() && lucesQueFaltan.empty() && equivocadas.empty() &&
               !sinAsentarse && !sinComprobar;
    }
};

// What a lab's check expects as a table: its own table, or the one its reference circuit
// gives. A script check has none in the core (velistra-cli runs scripts): nothing, and
// the reason, as for a table or reference that cannot be read.
std::optional<docencia::TablaDeVerdad> TablaDeLaPractica(const docencia::Practica& practica,
                                                         Mensaje& error);

// Grades a copy of `mesa` against `esperada`, every wrong row listed, and reviews its wiring.
// The faults planted on `mesa` (a troubleshooting exercise) are planted on the copy too.
ResultadoDePractica CompruebaPractica(const Mesa& mesa, const docencia::TablaDeVerdad& esperada,
                                      const std::vector<docencia::Fallo>& fallos = {});

}  // namespace velistra
