#pragma once
#include <string>

namespace velistra::consola {

enum class TipoDeOrden { Encender, Apagar, Interruptor, Pulsar, Soltar, Tic, Mostrar, Sonda, Registrar };

// One script line, its numbers already read. Which fields count depends on the type:
// `tablero` and `indice` (lever, key or port) for interruptor, pulsar, soltar and sonda,
// `valor` for interruptor (0 or 1) and tic (the number of ticks); registrar takes
// `tablero`, `indice` (the port) and may give the channel a `nombre`.
struct Orden {
    TipoDeOrden tipo = TipoDeOrden::Mostrar;
    int linea = 0;
    int tablero = 0;
    int indice = 0;
    int valor = 0;
    std::string nombre;
};

}  // namespace velistra::consola
