#include "cli/EjecutorDeGuion.h"

#include <ostream>

#include "cli/ComprobacionDeGuion.h"
#include "cli/Lecturas.h"
#include "simulation/AnalizadorLogico.h"
#include "simulation/Mesa.h"

namespace velistra::consola {

void EjecutorDeGuion::Ejecuta(const Orden& orden) {
    switch (orden.tipo) {
        case TipoDeOrden::Encender:
            PonFuente(true);
            break;
        case TipoDeOrden::Apagar:
            PonFuente(false);
            break;
        case TipoDeOrden::Interruptor:
            PonEntrada(orden, orden.valor != 0);
            break;
        case TipoDeOrden::Pulsar:
            PonEntrada(orden, true);
            break;
        case TipoDeOrden::Soltar:
            PonEntrada(orden, false);
            break;
        case TipoDeOrden::Tic:
            for (int i = 0; i < orden.valor; ++i) mesa.Temporiza();
            break;
        case TipoDeOrden::Mostrar:
            Muestra(orden);
            break;
        case TipoDeOrden::Sonda:
            EscribeLectura(salida, LeeSonda(mesa, orden.tablero, orden.indice, orden.linea),
                           formato);
            break;
        case TipoDeOrden::Registrar:
            if (mesa.analizador != nullptr)
                mesa.analizador->AnadeCanal(mesa, orden.tablero, orden.indice, orden.nombre);
            break;
    }
}

void EjecutorDeGuion::PonFuente(bool encendida) {
    if (mesa.bON != encendida) mesa.ConmutaFuente();
}

void EjecutorDeGuion::PonEntrada(const Orden& orden, bool operada) {
    if (Tablero* t = TableroConIdentificador(mesa, orden.tablero))
        mesa.PonEntrada(*t, orden.indice, operada);
}

void EjecutorDeGuion::Muestra(const Orden& orden) {
    for (const Lectura& l : LeeTableros(mesa, orden.linea)) EscribeLectura(salida, l, formato);
}

}  // namespace velistra::consola
