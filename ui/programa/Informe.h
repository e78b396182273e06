#pragma once
// The lab report: one PDF with the circuit's picture, the chips it uses, the truth table
// of its wired levers to its wired lamps and the logic analyser's diagram.
#include <QString>
#include <string>

namespace velistra {

class AnalizadorLogico;
class Imagenes;
class Mesa;

// The table is made for at most this many levers; more would fill pages nobody reads.
inline constexpr std::size_t kPalancasDelInforme = 10;

// `titulo` names the circuit (its file). The workbench is not touched: the table is made on
// a copy of the circuit. False when the file cannot be written.
bool EscribeInforme(Mesa& mesa, const AnalizadorLogico& analizador, const Imagenes& imagenes,
                    const std::string& titulo, const QString& ruta);

}  // namespace velistra
