#pragma once
// Persistence: the plain-text circuit file. The writer gives the exact text of the
// format; the reader parses and checks a whole file before it touches the workbench.
#include <iosfwd>
#include <string>
#include <string_view>

namespace velistra {

class Cable;
class Componente;
class Mesa;
class Tablero;

enum class ResultadoDeLectura {
    Correcto,
    NoSeAbre,           // the file cannot be opened
    VersionIncorrecta,  // the header's second word is not the version
    Malformado,         // the body is not a circuit as the program writes it
};

// The format's own version: files keep saying it whatever the program's version is.
inline constexpr const char* kVersionDeArchivo = "0.9.7";

// One record each, a line that starts with a blank; numbers in plain decimal whatever
// the stream's formatting.
std::ostream& operator<<(std::ostream& salida, const Tablero& tablero);
std::ostream& operator<<(std::ostream& salida, const Cable& cable);
std::ostream& operator<<(std::ostream& salida, const Componente& chip);

// Writes the circuit of the workbench in the file format.
void EscribeCircuito(const Mesa& mesa, std::ostream& salida);
std::string TextoDeCircuito(const Mesa& mesa);

// Writes the circuit to `ruta` through a temporary file in the same folder that replaces
// the target only after a complete, flushed write. False on any failure; the old file
// is then intact.
bool GuardaCircuitoEnArchivo(const Mesa& mesa, const std::string& ruta);
// The same for any text, for files that keep company to a circuit.
bool GuardaTextoEnArchivo(std::string_view texto, const std::string& ruta);

// Reads a circuit. Only a text that parsed and validated completely replaces the
// workbench's circuit (boards, wires, chips, counters; the supply comes back off);
// otherwise the workbench is left exactly as it was.
ResultadoDeLectura LeeCircuito(Mesa& mesa, std::istream& entrada);
// Only a regular file is read: a folder, a FIFO or a device is refused (NoSeAbre)
// before a byte of it is read.
ResultadoDeLectura RecuperaCircuitoDeArchivo(Mesa& mesa, const std::string& ruta);

}  // namespace velistra
