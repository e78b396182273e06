#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "docencia/TablaDeVerdad.h"
#include "plataforma/Mensaje.h"

namespace velistra {
class Mesa;
}

namespace velistra::docencia {

// A report shows only the first differing rows or lines; the rest are counted.
inline constexpr std::size_t kDiferenciasMostradas = 3;

struct LuzDistinta {
    std::string nombre;
    bool obtenida = false;
};

// A row of the expected table where some lights differ: the levers as "int4.0=1".
struct FilaDistinta {
    std::vector<std::string> palancas;
    std::vector<LuzDistinta> luces;
};

struct ComparacionDeTabla {
    // Named by the expected table, but not wired in the circuit.
    std::vector<std::string> palancasQueFaltan;
    std::vector<std::string> lucesQueFaltan;
    std::size_t filas = 0;
    std::size_t filasDistintas = 0;
    std::vector<FilaDistinta> primeras;

    bool Correcta() const {
        return palancasQueFaltan.empty() && lucesQueFaltan.empty() && filasDistintas == 0;
    }
};

// Switches the supply on and, row by row, puts the circuit's levers where the expected
// table says, matched by name (board identifier and index, so the order of the boards
// does not matter), and compares the lights it names.
ComparacionDeTabla ComparaConTabla(Mesa& mesa, const TablaDeVerdad& esperada);

// Reads the CSV that `tabla --csv` writes: a header of names, rows of 0 and 1; the columns
// named "int..." are the levers. Nothing, and the reason, when it is not such a table.
std::optional<TablaDeVerdad> LeeTablaCsv(const std::string& texto, Mensaje& error);

struct LineaDistinta {
    // From 1.
    std::size_t linea = 0;
    std::string obtenida;
    std::string esperada;
};

struct ComparacionDeTexto {
    std::size_t lineas = 0;
    std::size_t distintas = 0;
    std::vector<LineaDistinta> primeras;

    bool Correcta() const { return distintas == 0; }
};

// Line by line; a missing line counts as an empty one.
ComparacionDeTexto ComparaLineas(const std::string& obtenido, const std::string& esperado);

}  // namespace velistra::docencia
