#include "cli/ComprobacionDeGuion.h"

#include "boards/TableroDePalancas.h"
#include "simulation/Mesa.h"

namespace velistra::consola {

namespace {

std::string NoExiste(int identificador) {
    return "no existe el tablero " + std::to_string(identificador);
}

std::optional<std::string> CompruebaPalanca(const Orden& orden, const Mesa& mesa, int tipo,
                                            const char* clase, const char* nombre) {
    const Tablero* t = TableroConIdentificador(mesa, orden.tablero);
    if (t == nullptr) return NoExiste(orden.tablero);
    if (t->Tipo() != tipo)
        return "el tablero " + std::to_string(orden.tablero) + " no es de " + clase;
    if (orden.indice < 0 || orden.indice >= TableroDePalancas::kPalancas)
        return std::string("no existe ") + nombre + " " + std::to_string(orden.indice) +
               " (van de 0 a " + std::to_string(TableroDePalancas::kPalancas - 1) + ")";
    return std::nullopt;
}

std::optional<std::string> CompruebaPuerto(const Orden& orden, const Mesa& mesa) {
    Tablero* t = TableroConIdentificador(mesa, orden.tablero);
    if (t == nullptr) return NoExiste(orden.tablero);
    const int puertos = t->NumeroDePuertos();
    if (puertos == 0) return "el tablero " + std::to_string(orden.tablero) + " no tiene puertos";
    if (orden.indice < 0 || orden.indice >= puertos)
        return "no existe el puerto " + std::to_string(orden.indice) + " del tablero " +
               std::to_string(orden.tablero) + " (van de 0 a " + std::to_string(puertos - 1) + ")";
    return std::nullopt;
}

}  // namespace

Tablero* TableroConIdentificador(const Mesa& mesa, int identificador) {
    for (const auto& t : mesa.tablero) {
        if (t->Identificador() == identificador) return t.get();
    }
    return nullptr;
}

std::optional<std::string> CompruebaOrden(const Orden& orden, const Mesa& mesa) {
    switch (orden.tipo) {
        case TipoDeOrden::Interruptor:
            return CompruebaPalanca(orden, mesa, Tablero::kInterruptores, "interruptores",
                                    "la palanca");
        case TipoDeOrden::Pulsar:
        case TipoDeOrden::Soltar:
            return CompruebaPalanca(orden, mesa, Tablero::kPulsadores, "pulsadores", "el pulsador");
        case TipoDeOrden::Sonda:
        case TipoDeOrden::Registrar:
            return CompruebaPuerto(orden, mesa);
        case TipoDeOrden::Encender:
        case TipoDeOrden::Apagar:
        case TipoDeOrden::Tic:
        case TipoDeOrden::Mostrar:
            break;
    }
    return std::nullopt;
}

}  // namespace velistra::consola
