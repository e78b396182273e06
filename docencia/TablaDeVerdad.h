#pragma once
// Teaching checks of whole circuits: truth tables, grading against an expected table or
// a reference circuit, wiring review and planted faults. Fed by Mesa; presents nothing.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velistra {
class Mesa;
class Tablero;
}  // namespace velistra

namespace velistra::docencia {

// A lever of a board whose levers truth tables name (switches, not keys) with a wire on at least
// one of its three terminals.
struct PalancaCableada {
    Tablero* tablero = nullptr;
    int indice = 0;
};

// A lamp or segment whose input terminal carries a wire.
struct LuzCableada {
    const Tablero* tablero = nullptr;
    int indice = 0;
};

// More levers would make a table nobody reads (and take long to make).
inline constexpr std::size_t kMaximoDePalancas = 16;

// "int4.0": lever 0 of board 4; "leds5.3", "7seg6.1a" (segment a of digit 1).
std::string NombreDePalanca(const PalancaCableada& p);
std::string NombreDeLuz(const LuzCableada& l);

// A column name read back: the board kind it belongs on (a Tablero type code), the
// board's identifier and the lever or light index that the names above give. Nothing
// when the text is no such name ("int4.8", "leds 5.0", "int04.0").
struct NombreDeColumna {
    int tipoDeTablero = 0;
    int tablero = 0;
    int indice = 0;
};
std::optional<NombreDeColumna> LeeNombreDeColumna(const std::string& nombre);

// In board-list order, then lever or light order.
std::vector<PalancaCableada> PalancasCableadas(const Mesa& mesa);
std::vector<LuzCableada> LucesCableadas(const Mesa& mesa);

struct TablaDeVerdad {
    // Column names: "int4.0" lever 0 of board 4, "leds5.3" lamp 3 of board 5,
    // "7seg6.1a" segment a of digit 1 of board 6.
    std::vector<std::string> entradas;
    std::vector<std::string> salidas;
    // One row per combination, the first lever the most significant: the levers' positions,
    // then whether each light is lit.
    std::vector<std::vector<bool>> filas;
};

// Switches the supply on and puts the levers through every combination, as the mouse
// would flip them. For at most kMaximoDePalancas levers.
TablaDeVerdad RecorreCombinaciones(Mesa& mesa, const std::vector<PalancaCableada>& palancas,
                                   const std::vector<LuzCableada>& luces);

// The same walk, handing each row to `cadaFila` as it is read instead of keeping it: a
// long table costs no memory per row. The row is one vector, refilled for the next.
void RecorreFilas(Mesa& mesa, const std::vector<PalancaCableada>& palancas,
                  const std::vector<LuzCableada>& luces,
                  const std::function<void(const std::vector<bool>& fila)>& cadaFila);

}  // namespace velistra::docencia
