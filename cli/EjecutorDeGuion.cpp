#include "cli/EjecutorDeGuion.h"

#include "cli/Lecturas.h"
#include "simulacion/AnalizadorLogico.h"
#include "simulacion/Mesa.h"

namespace velistra::consola {

void EjecutorDeGuion::Ejecuta(const Orden& orden, const TablerosDeLaOrden& tableros) {
    switch (orden.tipo) {
        case TipoDeOrden::Encender:
            PonFuente(true);
            break;
        case TipoDeOrden::Apagar:
            PonFuente(false);
            break;
        case TipoDeOrden::Interruptor:
            PonEntrada(orden, tableros, orden.valor != 0);
            break;
        case TipoDeOrden::Pulsar:
            PonEntrada(orden, tableros, true);
            break;
        case TipoDeOrden::Soltar:
            PonEntrada(orden, tableros, false);
            break;
        case TipoDeOrden::Tic:
            for (int i = 0; i < orden.valor; ++i) mesa.Temporiza();
            break;
        case TipoDeOrden::Mostrar:
            EscribeTableros(salida, mesa, orden.linea, formato);
            break;
        case TipoDeOrden::Sonda:
            if (tableros.tablero != nullptr)
                EscribeSonda(salida, *tableros.tablero, orden.indice, orden.linea, formato);
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

void EjecutorDeGuion::PonEntrada(const Orden& orden, const TablerosDeLaOrden& tableros,
                                 bool operada) {
    if (tableros.palancas != nullptr) mesa.PonEntrada(*tableros.palancas, orden.indice, operada);
}

}  // namespace velistra::consola
