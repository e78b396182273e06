#include "cli/ComprobacionDeGuion.h"

#include "cli/RegistroDeConsola.h"
#include "cli/Textos.h"
#include "simulacion/Mesa.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra::consola {

namespace {

std::string NoExiste(int identificador) {
    return Di(Texto::NoExisteTablero, {std::to_string(identificador)});
}

}  // namespace

// interruptor names a board of levers that stay, pulsar and soltar one of keys.
std::optional<std::string> ComprobadorDeOrdenes::CompruebaPalanca(const Orden& orden,
                                                                  TablerosDeLaOrden& tableros,
                                                                  bool pulsadores, Texto otraClase,
                                                                  Texto noExiste) {
    Tablero* t = mesa.TableroConIdentificador(orden.tablero);
    if (t == nullptr) return NoExiste(orden.tablero);
    const DescripcionDeTablero& d = DescripcionDe(*t);
    if (d.palancas == 0 || d.pulsadores != pulsadores)
        return Di(otraClase, {std::to_string(orden.tablero)});
    if (orden.indice < 0 || orden.indice >= d.palancas)
        return Di(noExiste, {std::to_string(orden.indice), std::to_string(d.palancas - 1)});
    tableros.tablero = t;
    tableros.palancas = t;
    return std::nullopt;
}

std::optional<std::string> ComprobadorDeOrdenes::CompruebaPuerto(const Orden& orden,
                                                                 TablerosDeLaOrden& tableros) {
    Tablero* t = mesa.TableroConIdentificador(orden.tablero);
    if (t == nullptr) return NoExiste(orden.tablero);
    const int puertos = t->NumeroDePuertos();
    if (puertos == 0) return Di(Texto::SinPuertos, {std::to_string(orden.tablero)});
    if (orden.indice < 0 || orden.indice >= puertos)
        return Di(Texto::NoExistePuerto,
                  {std::to_string(orden.indice), std::to_string(orden.tablero),
                   std::to_string(puertos - 1)});
    tableros.tablero = t;
    return std::nullopt;
}

std::optional<std::string> ComprobadorDeOrdenes::CompruebaDeNuevo(const Orden& orden,
                                                                  TablerosDeLaOrden& tableros) {
    tableros = {};
    std::optional<std::string> porque = CompruebaSegunTipo(orden, tableros);
    cabe = !porque;
    if (cabe) ultima = Ultima{orden.tipo, orden.tablero, orden.indice, tableros};
    return porque;
}

std::optional<std::string> ComprobadorDeOrdenes::CompruebaSegunTipo(const Orden& orden,
                                                                    TablerosDeLaOrden& tableros) {
    switch (orden.tipo) {
        case TipoDeOrden::Interruptor:
            return CompruebaPalanca(orden, tableros, false, Texto::NoEsDeInterruptores,
                                    Texto::NoExistePalanca);
        case TipoDeOrden::Pulsar:
        case TipoDeOrden::Soltar:
            return CompruebaPalanca(orden, tableros, true, Texto::NoEsDePulsadores,
                                    Texto::NoExistePulsador);
        case TipoDeOrden::Sonda:
        case TipoDeOrden::Registrar:
            return CompruebaPuerto(orden, tableros);
        case TipoDeOrden::Encender:
        case TipoDeOrden::Apagar:
        case TipoDeOrden::Tic:
        case TipoDeOrden::Mostrar:
            break;
    }
    return std::nullopt;
}

std::optional<std::string> CompruebaOrden(OrdenComprobada& c, const Mesa& mesa) {
    return ComprobadorDeOrdenes(mesa).Comprueba(c.orden, c.tableros);
}

GuionComprobado CompruebaGuion(const std::vector<Orden>& ordenes, const Mesa& mesa) {
    GuionComprobado guion;
    guion.ordenes.reserve(ordenes.size());
    ComprobadorDeOrdenes comprobador(mesa);
    for (const Orden& orden : ordenes) {
        OrdenComprobada c{orden};
        if (std::optional<std::string> error = comprobador.Comprueba(c.orden, c.tableros)) {
            guion.ordenes.clear();
            guion.error = ErrorDeGuion{orden.linea, std::move(*error)};
            return guion;
        }
        guion.ordenes.push_back(c);
    }
    return guion;
}

RevisionDeGuion RevisaGuion(LectorDeGuion& lector, const Mesa& mesa) {
    std::optional<ErrorDeGuion> queNoCabe;
    std::optional<ErrorDeGuion> canalDeMas;
    RegistrosDelGuion registros;
    ComprobadorDeOrdenes comprobador(mesa);
    TablerosDeLaOrden tableros;
    while (const Orden* orden = lector.Siguiente()) {
        if (!queNoCabe) {
            if (std::optional<std::string> error = comprobador.Comprueba(*orden, tableros))
                queNoCabe = ErrorDeGuion{orden->linea, std::move(*error)};
        }
        if (!canalDeMas) canalDeMas = registros.Anota(*orden);
    }
    if (lector.Ilegible()) return {std::nullopt, true};
    if (lector.Error()) return {lector.Error(), false};
    return {queNoCabe ? queNoCabe : canalDeMas, false};
}

}  // namespace velistra::consola
