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

// interruptor names a board of levers that stay, pulsar and soltar one of keys.
std::optional<std::string> CompruebaPalanca(OrdenComprobada& c, const Mesa& mesa, bool pulsadores,
                                            Texto otraClase, Texto noExiste) {
    const Orden& orden = c.orden;
    Tablero* t = mesa.TableroConIdentificador(orden.tablero);
    if (t == nullptr) return NoExiste(orden.tablero);
    const DescripcionDeTablero& d = DescripcionDe(*t);
    if (d.palancas == 0 || d.pulsadores != pulsadores)
        return Di(otraClase, {std::to_string(orden.tablero)});
    if (orden.indice < 0 || orden.indice >= d.palancas)
        return Di(noExiste, {std::to_string(orden.indice), std::to_string(d.palancas - 1)});
    c.tablero = t;
    c.palancas = t;
    return std::nullopt;
}

std::optional<std::string> CompruebaPuerto(OrdenComprobada& c, const Mesa& mesa) {
    const Orden& orden = c.orden;
    Tablero* t = mesa.TableroConIdentificador(orden.tablero);
    if (t == nullptr) return NoExiste(orden.tablero);
    const int puertos = t->NumeroDePuertos();
    if (puertos == 0) return Di(Texto::SinPuertos, {std::to_string(orden.tablero)});
    if (orden.indice < 0 || orden.indice >= puertos)
        return Di(Texto::NoExistePuerto,
                  {std::to_string(orden.indice), std::to_string(orden.tablero),
                   std::to_string(puertos - 1)});
    c.tablero = t;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CompruebaOrden(OrdenComprobada& c, const Mesa& mesa) {
    switch (c.orden.tipo) {
        case TipoDeOrden::Interruptor:
            return CompruebaPalanca(c, mesa, false, Texto::NoEsDeInterruptores,
                                    Texto::NoExistePalanca);
        case TipoDeOrden::Pulsar:
        case TipoDeOrden::Soltar:
            return CompruebaPalanca(c, mesa, true, Texto::NoEsDePulsadores,
                                    Texto::NoExistePulsador);
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

RevisionDeGuion RevisaGuion(LectorDeGuion& lector, const Mesa& mesa) {
    std::optional<ErrorDeGuion> queNoCabe;
    std::optional<ErrorDeGuion> canalDeMas;
    RegistrosDelGuion registros;
    while (const Orden* orden = lector.Siguiente()) {
        OrdenComprobada c{*orden};
        if (!queNoCabe) {
            if (std::optional<std::string> error = CompruebaOrden(c, mesa))
                queNoCabe = ErrorDeGuion{orden->linea, std::move(*error)};
        }
        if (!canalDeMas) canalDeMas = registros.Anota(*orden);
    }
    if (lector.Ilegible()) return {std::nullopt, true};
    if (lector.Error()) return {lector.Error(), false};
    return {queNoCabe ? queNoCabe : canalDeMas, false};
}

}  // namespace velistra::consola
