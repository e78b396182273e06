#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "docencia/TablaCsv.h"
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

// A column whose board exists in the circuit but is of another kind: "int4.0" when board
// 4 holds LEDs. `tipoEsperado` is the Tablero type code the name asks for.
struct ColumnaEnOtroTablero {
    std::string nombre;
    int tablero = 0;
    int tipoEsperado = 0;
};

struct ComparacionDeTabla {
    // Named by the expected table, but not wired in the circuit.
    std::vector<std::string> palancasQueFaltan;
    std::vector<std::string> lucesQueFaltan;
    std::vector<ColumnaEnOtroTablero> enOtroTablero;
    std::size_t filas = 0;
    std::size_t filasDistintas = 0;
    std::vector<FilaDistinta> primeras;

    bool Correcta() const {
        return palancasQueFaltan.empty() && lucesQueFaltan.empty() && enOtroTablero.empty() &&
               filasDistintas == 0;
    }
};

// Switches the supply on and, row by row, puts the circuit's levers where the expected
// table says, matched by name (board identifier and index, so the order of the boards
// does not matter), and compares the lights it names.
ComparacionDeTabla ComparaConTabla(Mesa& mesa, const TablaDeVerdad& esperada);

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
