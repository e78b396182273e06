#pragma once

namespace velistra::consola {

// What the program answers the shell; scripts that check circuits in bulk rely on them.
enum CodigoDeSalida {
    kTerminado = 0,
    // Bad arguments, an unreadable or wrong script, a table that cannot be made.
    kUsoIncorrecto = 1,
    kCircuitoIlegible = 2,
    // The circuit ran but could not be saved where --guardar asked.
    kNoSeGuardo = 3,
    // comprobar: some circuit gave another result than expected (or never settled).
    kHayIncorrectos = 4,
};

}  // namespace velistra::consola
