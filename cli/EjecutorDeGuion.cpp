#include "cli/EjecutorDeGuion.h"

#include "cli/Lecturas.h"
#include "simulacion/AnalizadorLogico.h"
#include "simulacion/Mesa.h"

namespace velistra::consola {

void EjecutorDeGuion::Ejecuta(const OrdenComprobada& c) {
    const Orden& orden = c.orden;
    switch (orden.tipo) {
        case TipoDeOrden::Encender:
            PonFuente(true);
            break;
        case TipoDeOrden::Apagar:
            PonFuente(false);
            break;
        case TipoDeOrden::Interruptor:
            PonEntrada(c, orden.valor != 0);
            break;
        case TipoDeOrden::Pulsar:
            PonEntrada(c, true);
            break;
        case TipoDeOrden::Soltar:
            PonEntrada(c, false);
            break;
        case TipoDeOrden::Tic:
            for (int i = 0; i < orden.valor; ++i) mesa.Temporiza();
            break;
        case TipoDeOrden::Mostrar:
            EscribeTableros(salida, mesa, orden.linea, formato);
            break;
        case TipoDeOrden::Sonda:
            if (c.tablero != nullptr)
                EscribeSonda(salida, *c.tablero, orden.indice, orden.linea, formato);
            break;
        case TipoDeOrden::Registrar:
            if (mesa.analizador() != nullptr)
                mesa.analizador()->AnadeCanal(mesa, orden.tablero, orden.indice, orden.nombre);
            break;
    }
}

void EjecutorDeGuion::PonFuente(bool encendida) {
    if (mesa.bON() != encendida) mesa.ConmutaFuente();
}

void EjecutorDeGuion::PonEntrada(const OrdenComprobada& orden, bool operada) {
    if (orden.palancas != nullptr) mesa.PonEntrada(*orden.palancas, orden.orden.indice, operada);
}

}  // namespace velistra::consola
