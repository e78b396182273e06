#pragma once
// Circuits of growing size built with the workbench's own operations: breadboards full
// of chips in one long chain, a switch driving its first input, lamps on its end, the
// supply wired to every bus and every chip's supply pins wired to the buses. The same
// circuits are written to files that the program and velistra-cli open.
#include <optional>
#include <string>
#include <string_view>

namespace velistra {
class Mesa;
}

namespace velistra::banco {

enum class Familia {
    Inversores,  // 7404s, the six inverters of each chip one after another
    Sumadores,   // 7483As, carry out to carry in; B tied low, so the carry ripples through
    Contadores,  // 74163s on one clock from the timer board, carry out to ENT
    // One breadboard only:
    SumadorNand,     // a 4-bit ripple-carry adder of 36 NAND gates (9 x 7400), A and B on the levers
    ContadorRizado,  // a 16-bit ripple counter of 8 x 74112 clocked by lever 0
    Paridad,         // the parity of 16 levers (two switch boards), a tree of 15 XOR gates (7486)
};

inline constexpr int kMaximoDeProtoboards = 10;

struct Pedido {
    Familia familia = Familia::Inversores;
    int protoboards = 1;  // 1 to kMaximoDeProtoboards
    // Adds the boards no chain needs (push-buttons, seven-segment displays with every
    // segment lit, a PLA board with links), so a repaint draws every kind of board.
    bool todosLosTableros = false;
    // Every chip output's net goes on through this many more breadboard strips, chained
    // by wires on breadboards of their own: more ports to drive, the same logic.
    int tirasPorSalida = 0;
};

// Clears the workbench and builds the circuit. Throws prueba::MontajeRechazado
// (support/Montador.h) if the workbench refuses a step. The supply is left off.
void GeneraCircuito(Mesa& mesa, const Pedido& pedido);

int ChipsPorProtoboard(Familia familia);
long CodigoDeChip(Familia familia);

// "inversores", "sumadores", "contadores".
const char* NombreDeFamilia(Familia familia);
std::optional<Familia> FamiliaDeNombre(std::string_view nombre);
// "inversores-10", "inversores-1-abanico-8" and the like: the stem of the generated file.
std::string NombreDeCircuito(const Pedido& pedido);

// Lamps of the LED board: the chain's last output is on lamp 7; a counter circuit shows
// the first counter's QA..QD on lamps 0..3 and the second counter's QA on lamp 4.
inline constexpr int kLamparaDelFinal = 7;
inline constexpr int kLamparaDelSegundoContador = 4;
// Lever 0 of the switch board drives the chain's first input.
inline constexpr int kPalanca = 0;
// The NAND adder adds levers 0-3 (A, bit 0 first) and 4-7 (B) and shows the sum on lamps
// 0-3 and the carry on lamp 7; the ripple counter shows its four lowest bits on lamps 0-3.
inline constexpr int kBitsDelSumador = 4;
// The parity circuit reads levers 0-7 of both switch boards and shows their parity on lamp 7.
inline constexpr int kPalancasDeParidad = 16;

}  // namespace velistra::banco
