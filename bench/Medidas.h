#pragma once
// What a measurement reports besides time: how much work one settling or one
// iteration does on a workbench.
namespace velistra {
class Mesa;
class TableroDePalancas;
}  // namespace velistra

namespace velistra::banco {

// The workbench's first switch board.
TableroDePalancas& Palancas(Mesa& mesa);

// Iterations of the settling after the lever flips, the lever flipped as the mouse does
// with the supply on. Flipping it twice puts the circuit back where it was.
int IteracionesDeUnCambio(Mesa& mesa, TableroDePalancas& palancas);

// Iterations of the settling after one timer tick.
int IteracionesDeUnTic(Mesa& mesa);

// Ports that one iteration writes when every chip drives its outputs: each output's net
// (its strips, and one write for each other chip pin on it).
long PuertosEscritosPorIteracion(Mesa& mesa);

// The periodic timer's period, the budget of everything one tick does.
inline constexpr double kPeriodoDelTemporizador = 0.047;

}  // namespace velistra::banco
