#pragma once
#include <optional>
#include <string>
#include <vector>

#include "plataforma/Mensaje.h"

namespace velistra {
class Mesa;
}

namespace velistra::docencia {

// A fault planted for a troubleshooting exercise. Chips and wires are numbered from 1 in
// list order, as the review names them.
struct Fallo {
    enum Clase { PatillaA0, PatillaA1, PatillaAbierta, CableAbierto };
    Clase clase = PatillaA0;
    int numero = 0;
    // For a pin fault.
    int patilla = 0;
    int linea = 0;
};

struct FallosLeidos {
    std::vector<Fallo> fallos;
    // The first faulty line and why, when there is one.
    int lineaErronea = 0;
    Mensaje error;
};

// The faults file, one fault a line, "#" starts a comment:
//   patilla CHIP PATILLA 0|1|abierta
//   cable CABLE abierto
FallosLeidos LeeFallos(const std::string& texto);

// Whether every chip, pin and wire the faults name is in the circuit; the first line that
// names one that is not, and why.
std::optional<Mensaje> CompruebaFallos(const Mesa& mesa, const std::vector<Fallo>& fallos,
                                       int& lineaErronea);

// Plants the faults on the loaded circuit; a chip, pin or wire that is not there gives the
// line and the reason, and nothing is planted. An open wire stays drawn (and saved) but
// joins nothing.
std::optional<Mensaje> AplicaFallos(Mesa& mesa, const std::vector<Fallo>& fallos,
                                    int& lineaErronea);

struct ErrorDeFallos {
    // 0 when the file itself cannot be read.
    int linea = 0;
    Mensaje mensaje;
};

// Reads the faults file (a regular file only) into `fallos`, which an error leaves as it was.
std::optional<ErrorDeFallos> LeeFallosDeArchivo(const std::string& ruta, std::vector<Fallo>& fallos);

// Reads the faults file (a regular file only) and plants its faults; nothing planted on
// an error.
std::optional<ErrorDeFallos> PlantaFallosDeArchivo(Mesa& mesa, const std::string& ruta);

// "dir/circuito.txt" -> "dir/circuito.fallos": where the program looks for a circuit's faults.
std::string ArchivoDeFallosDe(const std::string& circuito);

}  // namespace velistra::docencia
