#pragma once
// What each kind of board is, one row per kind: its type code, its class, the menu command
// that adds it, its pictures, node count, name and roles. Everything outside this folder
// that must tell kinds apart asks a row here or the board itself; a new kind is its own
// files, a row here and its pictures.
#include <array>
#include <cstring>

#include "modelo/Tablero.h"
#include "plataforma/Recursos.h"
#include "plataforma/Traducible.h"

namespace velistra {

// Menu commands of the boards. Test scripts name commands by these numbers: never
// renumber one.
namespace comandos {
inline constexpr int kPLA = 4992;
inline constexpr int kTemporizador = 4994;
inline constexpr int kSieteSegmentos = 4995;
inline constexpr int kLeds = 4996;
inline constexpr int kPulsadores = 4997;
inline constexpr int kInterruptores = 4998;
inline constexpr int kProtoboard = 4999;
}  // namespace comandos

// Each kind's own file builds its board, bare: no pictures, not on a bench.
std::unique_ptr<Tablero> NuevaProtoboard();
std::unique_ptr<Tablero> NuevoTableroDeInterruptores();
std::unique_ptr<Tablero> NuevoTableroDePulsadores();
std::unique_ptr<Tablero> NuevoTableroDeLeds();
std::unique_ptr<Tablero> NuevoTableroDeSieteSegmentos();
std::unique_ptr<Tablero> NuevoTableroDeTemporizadores();
std::unique_ptr<Tablero> NuevoTableroDeFuenteDC();
std::unique_ptr<Tablero> NuevoTableroPLA();

struct DescripcionDeTablero {
    int tipo = -1;
    std::unique_ptr<Tablero> (*nuevo)() = nullptr;
    // The menu command that puts one on the bench (or shows it), and its text; 0 for none.
    int comando = 0;
    const char* texto = nullptr;
    // Background, operated input (lever up, key pressed, supply on) and lit lamp.
    Imagen fondo = {};
    Imagen entrada = {};
    Imagen salida = {};
    // How many node numbers a board takes from the bench's counter.
    int nodos = 0;
    // What messages call it: "interruptores", "fuente DC"; a marked text.
    const char* nombre = nullptr;
    // Every bench has this board at this place of its list from the start, and never a
    // second one (the supply 0, the timer 1); -1 for a board the user adds.
    int puestoFijo = -1;
    // A teaching aside, not part of the circuit: it stands at the bench's corner, and
    // adding it leaves the circuit unmodified.
    bool tutorial = false;

    // Roles. Chips plug into its holes (and it drives nothing of its own).
    bool admiteChips = false;
    // Levers or keys the user operates, one strip each; keys spring back on release.
    int palancas = 0;
    bool pulsadores = false;
    // Lamps or segments that light.
    int luces = 0;
    // The word scripts, truth tables and readings name such boards by ("int", "leds").
    const char* palabra = nullptr;
    // A display names each light by digit and one of these letters ("7seg6.1a").
    const char* letrasDeLuz = nullptr;

    // How many lights a digit has; 1 for a board whose lights stand alone.
    constexpr int LucesPorGrupo() const {
        return letrasDeLuz == nullptr
                   ? 1
                   : static_cast<int>(std::char_traits<char>::length(letrasDeLuz));
    }
};

// In menu order.
inline constexpr std::array kDescripcionesDeTableros{
    DescripcionDeTablero{.tipo = Tablero::kProtoboard,
                         .nuevo = NuevaProtoboard,
                         .comando = comandos::kProtoboard,
                         .texto = VELISTRA_TEXTO("Protoboard (breadboard)"),
                         .fondo = recursos::Protoboard,
                         .nodos = 132,
                         .nombre = VELISTRA_TEXTO("protoboard"),
                         .admiteChips = true},
    DescripcionDeTablero{.tipo = Tablero::kInterruptores,
                         .nuevo = NuevoTableroDeInterruptores,
                         .comando = comandos::kInterruptores,
                         .texto = VELISTRA_TEXTO("Interruptores"),
                         .fondo = recursos::Interruptores,
                         .entrada = recursos::InterruptorON,
                         .nodos = 10,
                         .nombre = VELISTRA_TEXTO("interruptores"),
                         .palancas = 8,
                         .palabra = "int"},
    DescripcionDeTablero{.tipo = Tablero::kPulsadores,
                         .nuevo = NuevoTableroDePulsadores,
                         .comando = comandos::kPulsadores,
                         .texto = VELISTRA_TEXTO("Pulsadores"),
                         .fondo = recursos::Pulsadores,
                         .entrada = recursos::PulsadorON,
                         .nodos = 10,
                         .nombre = VELISTRA_TEXTO("pulsadores"),
                         .palancas = 8,
                         .pulsadores = true},
    DescripcionDeTablero{.tipo = Tablero::kLeds,
                         .nuevo = NuevoTableroDeLeds,
                         .comando = comandos::kLeds,
                         .texto = VELISTRA_TEXTO("Leds"),
                         .fondo = recursos::Leds,
                         .salida = recursos::LedON,
                         .nodos = 9,
                         .nombre = VELISTRA_TEXTO("leds"),
                         .luces = 8,
                         .palabra = "leds"},
    DescripcionDeTablero{.tipo = Tablero::kSieteSegmentos,
                         .nuevo = NuevoTableroDeSieteSegmentos,
                         .comando = comandos::kSieteSegmentos,
                         .texto = VELISTRA_TEXTO("Leds de siete segmentos"),
                         .fondo = recursos::Leds7Segmentos,
                         .nodos = 33,
                         .nombre = VELISTRA_TEXTO("siete segmentos"),
                         .luces = 32,
                         .palabra = "7seg",
                         .letrasDeLuz = "abcdefgp"},
    DescripcionDeTablero{.tipo = Tablero::kTemporizadores,
                         .nuevo = NuevoTableroDeTemporizadores,
                         .comando = comandos::kTemporizador,
                         .texto = VELISTRA_TEXTO("Temporizador"),
                         .fondo = recursos::Reloj,
                         .nodos = 6,
                         .nombre = VELISTRA_TEXTO("temporizador"),
                         .puestoFijo = 1},
    DescripcionDeTablero{.tipo = Tablero::kFuenteDC,
                         .nuevo = NuevoTableroDeFuenteDC,
                         .fondo = recursos::FuenteDC,
                         .entrada = recursos::InterruptorON,
                         .salida = recursos::LedON,
                         .nodos = 2,
                         .nombre = VELISTRA_TEXTO("fuente DC"),
                         .puestoFijo = 0},
    // It brings its own pictures.
    DescripcionDeTablero{.tipo = Tablero::kPLA,
                         .nuevo = NuevoTableroPLA,
                         .comando = comandos::kPLA,
                         .texto = VELISTRA_TEXTO("PLA de 4 x 8 x 4"),
                         .nombre = VELISTRA_TEXTO("PLA"),
                         .tutorial = true,
                         .luces = 4,
                         .palabra = "pla"},
};

// The most lights any board has.
constexpr int MaximoDeLuces() {
    int maximo = 0;
    for (const DescripcionDeTablero& d : kDescripcionesDeTableros)
        maximo = d.luces > maximo ? d.luces : maximo;
    return maximo;
}

// The row of a type code, or null for a code without a board class (7).
constexpr const DescripcionDeTablero* DescripcionDe(int tipo) {
    for (const DescripcionDeTablero& d : kDescripcionesDeTableros) {
        if (d.tipo == tipo) return &d;
    }
    return nullptr;
}

// The row of a board's kind; an empty row for a bare Tablero of no kind.
const DescripcionDeTablero& DescripcionDe(const Tablero& tablero);

// The row whose menu command is `comando`, or null.
const DescripcionDeTablero* DescripcionPorComando(int comando);

// The kind the bench keeps at place `puesto` of its list from the start; -1 past them.
int TipoDelPuestoFijo(int puesto);

}  // namespace velistra
