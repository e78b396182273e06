#pragma once
// A circuit file as plain records, parsed and checked before anything of it reaches a
// workbench, and the limits a record must keep to.
#include <cstddef>
#include <string_view>
#include <vector>

#include "modelo/Punto.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Lienzo.h"
#include "cables/Cable.h"
#include "modelo/Componente.h"

namespace velistra {

namespace limites {
// Far more than a 2000 x 1500 bench can show; beyond it a file is damaged, not large.
inline constexpr int kMaximoDeRegistros = 10000;
// Boards, wire vertices and chips may be dragged partly off the bench, never this far.
inline constexpr int kXMinimo = -2000;
inline constexpr int kXMaximo = 4000;
inline constexpr int kYMinimo = -1500;
inline constexpr int kYMaximo = 3000;
inline constexpr int kAnchuraMaximaDeTablero = 2000;
inline constexpr int kAlturaMaximaDeTablero = 1500;
inline constexpr int kAnchuraMaximaDeCable = 64;
// A chip's plug-in offset is a few pixels inside its picture.
inline constexpr int kDesplazamientoMaximo = 2000;
// Identifiers only grow by one per board made, and must leave room to grow further.
inline constexpr int kIdentificadorMaximo = 1000000;
// Pins and state bits share a 64-entry table.
inline constexpr int kPinesMaximos = 62;
// Nothing the program writes comes near it; a larger file is not a circuit.
inline constexpr std::size_t kTamanoMaximoDeArchivo = 16u << 20;
}  // namespace limites

struct RegistroDeTablero {
    int tipo = 0;
    int x = 0;
    int y = 0;
    int anchura = 0;
    int altura = 0;
    int nodoBase = 0;  // kept only to be read past: nodes are handed out afresh
    int identificador = 0;
};

struct RegistroDeCable {
    Color color = 0;
    int anchura = Cable::kAnchuraInicial;
    Cable::Vertices puntos{};
    int tableroA = -1;
    int tableroB = -1;
};

struct RegistroDeComponente {
    long codigo = 0;
    bool etiqueta = false;
    int pines = 0;
    Punto ubicacion;
    Punto desplazamiento;
    Punto centroDeCasilla;
    int protoboard = 0;
};

struct CircuitoLeido {
    std::vector<RegistroDeTablero> tableros;
    bool temporizadorVisible = false;
    std::vector<RegistroDeCable> cables;
    std::vector<RegistroDeComponente> componentes;
};

// Parses a whole file's text. Correcto only for a complete, consistent circuit: the DC
// supply and the timer board as the first two boards and nowhere else, known board
// types, unique identifiers, every value in range and nothing after the last chip.
ResultadoDeLectura AnalizaCircuito(std::string_view texto, CircuitoLeido& circuito);

// A record as the part it describes, not yet on any workbench (a chip not yet bound to
// its model: Componentes::Recarga does that).
Cable CableDeRegistro(const RegistroDeCable& registro);
Componente ComponenteDeRegistro(const RegistroDeComponente& registro);

// Replaces the workbench's circuit with one that AnalizaCircuito accepted.
void ReconstruyeCircuito(Mesa& mesa, const CircuitoLeido& circuito);

}  // namespace velistra
