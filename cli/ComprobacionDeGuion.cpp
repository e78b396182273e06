#include "cli/ComprobacionDeGuion.h"

#include "boards/TableroDePalancas.h"
#include "cli/Textos.h"
#include "simulation/Mesa.h"

namespace velistra::consola {

namespace {

std::string NoExiste(int identificador) {
    return Di(Texto::NoExisteTablero, {std::to_string(identificador)});
}

std::optional<std::string> CompruebaPalanca(const Orden& orden, const Mesa& mesa, int tipo,
                                            Texto otraClase, Texto noExiste) {
    const Tablero* t = TableroConIdentificador(mesa, orden.tablero);
    if (t == nullptr) return NoExiste(orden.tablero);
    if (t->Tipo() != tipo) return Di(otraClase, {std::to_string(orden.tablero)});
    if (orden.indice < 0 || orden.indice >= TableroDePalancas::kPalancas)
        return Di(noExiste,
                  {std::to_string(orden.indice), std::to_string(TableroDePalancas::kPalancas - 1)});
    return std::nullopt;
}

std::optional<std::string> CompruebaPuerto(const Orden& orden, const Mesa& mesa) {
    Tablero* t = TableroConIdentificador(mesa, orden.tablero);
    if (t == nullptr) return NoExiste(orden.tablero);
    const int puertos = t->NumeroDePuertos();
    if (puertos == 0) return Di(Texto::SinPuertos, {std::to_string(orden.tablero)});
    if (orden.indice < 0 || orden.indice >= puertos)
        return Di(Texto::NoExistePuerto,
                  {std::to_string(orden.indice), std::to_string(orden.tablero),
                   std::to_string(puertos - 1)});
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
            return CompruebaPalanca(orden, mesa, Tablero::kInterruptores,
                                    Texto::NoEsDeInterruptores, Texto::NoExistePalanca);
        case TipoDeOrden::Pulsar:
        case TipoDeOrden::Soltar:
            return CompruebaPalanca(orden, mesa, Tablero::kPulsadores, Texto::NoEsDePulsadores,
                                    Texto::NoExistePulsador);
        case TipoDeOrden::Sonda:
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
