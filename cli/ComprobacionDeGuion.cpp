#include "cli/ComprobacionDeGuion.h"

#include "boards/TableroDePalancas.h"
#include "simulation/Mesa.h"

namespace velistra::consola {

namespace {

Tablero* TableroConIdentificador(const Mesa& mesa, int identificador) {
    for (const auto& t : mesa.tablero) {
        if (t->Identificador() == identificador) return t.get();
    }
    return nullptr;
}

std::string NoExiste(int identificador) {
    return "no existe el tablero " + std::to_string(identificador);
}

std::optional<std::string> CompruebaPalanca(OrdenComprobada& c, const Mesa& mesa, int tipo,
                                            const char* clase, const char* nombre) {
    const Orden& orden = c.orden;
    Tablero* t = TableroConIdentificador(mesa, orden.tablero);
    if (t == nullptr) return NoExiste(orden.tablero);
    if (t->Tipo() != tipo)
        return "el tablero " + std::to_string(orden.tablero) + " no es de " + clase;
    if (orden.indice < 0 || orden.indice >= TableroDePalancas::kPalancas)
        return std::string("no existe ") + nombre + " " + std::to_string(orden.indice) +
               " (van de 0 a " + std::to_string(TableroDePalancas::kPalancas - 1) + ")";
    c.tablero = t;
    c.palancas = dynamic_cast<TableroDePalancas*>(t);
    return std::nullopt;
}

std::optional<std::string> CompruebaPuerto(OrdenComprobada& c, const Mesa& mesa) {
    const Orden& orden = c.orden;
    Tablero* t = TableroConIdentificador(mesa, orden.tablero);
    if (t == nullptr) return NoExiste(orden.tablero);
    const int puertos = t->NumeroDePuertos();
    if (puertos == 0) return "el tablero " + std::to_string(orden.tablero) + " no tiene puertos";
    if (orden.indice < 0 || orden.indice >= puertos)
        return "no existe el puerto " + std::to_string(orden.indice) + " del tablero " +
               std::to_string(orden.tablero) + " (van de 0 a " + std::to_string(puertos - 1) + ")";
    c.tablero = t;
    return std::nullopt;
}

std::optional<std::string> CompruebaOrden(OrdenComprobada& c, const Mesa& mesa) {
    switch (c.orden.tipo) {
        case TipoDeOrden::Interruptor:
            return CompruebaPalanca(c, mesa, Tablero::kInterruptores, "interruptores",
                                    "la palanca");
        case TipoDeOrden::Pulsar:
        case TipoDeOrden::Soltar:
            return CompruebaPalanca(c, mesa, Tablero::kPulsadores, "pulsadores", "el pulsador");
        case TipoDeOrden::Sonda:
        case TipoDeOrden::Registrar:
            return CompruebaPuerto(c, mesa);
        case TipoDeOrden::Encender:
        case TipoDeOrden::Apagar:
        case TipoDeOrden::Tic:
        case TipoDeOrden::Mostrar:
            break;
    }
    return std::nullopt;
}

}  // namespace

GuionComprobado CompruebaGuion(const std::vector<Orden>& ordenes, const Mesa& mesa) {
    GuionComprobado guion;
    guion.ordenes.reserve(ordenes.size());
    for (const Orden& orden : ordenes) {
        OrdenComprobada c{orden};
        if (std::optional<std::string> error = CompruebaOrden(c, mesa)) {
            guion.ordenes.clear();
            guion.error = ErrorDeGuion{orden.linea, std::move(*error)};
            return guion;
        }
        guion.ordenes.push_back(c);
    }
    return guion;
}

}  // namespace velistra::consola
