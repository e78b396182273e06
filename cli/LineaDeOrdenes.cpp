#include "cli/LineaDeOrdenes.h"

#include <ostream>

#include "cli/Argumentos.h"
#include "cli/Ayuda.h"
#include "cli/Banco.h"
#include "cli/CodigosDeSalida.h"
#include "cli/ComprobacionDeGuion.h"
#include "cli/Docencia.h"
#include "cli/EjecutorDeGuion.h"
#include "cli/EscrituraDeTabla.h"
#include "cli/FallosDeConsola.h"
#include "cli/Guion.h"
#include "cli/LecturaDelGuion.h"
#include "cli/RegistroDeConsola.h"
#include "docencia/TablaDeVerdad.h"
#include "plataforma/Textos.h"

namespace velistra::consola {

using docencia::LucesCableadas;
using docencia::PalancaCableada;
using docencia::PalancasCableadas;
using docencia::RecorreCombinaciones;
using docencia::kMaximoDePalancas;

namespace {

constexpr const char* kPrograma = "velistra-cli";
constexpr const char* kNombreDeLaEntrada = "entrada estándar";

int ErrorDeGuion(std::ostream& errores, const std::string& nombre, int linea,
                 const std::string& mensaje) {
    errores << nombre << ':' << linea << ": " << mensaje << '\n';
    return kUsoIncorrecto;
}

// The whole script is read and checked against the circuit before its first order runs,
// so a faulty line never leaves a run half done.
int Simula(Banco& banco, const Peticion& p, std::istream& entrada, std::ostream& salida,
           std::ostream& errores) {
    const std::optional<Guion> leido = LeeGuionDeLaEjecucion(p.guion, entrada, errores);
    if (!leido) return kUsoIncorrecto;
    const Guion& guion = *leido;
    const std::string nombre = p.guion ? *p.guion : kNombreDeLaEntrada;
    if (guion.error) return ErrorDeGuion(errores, nombre, guion.error->linea, guion.error->mensaje);
    const GuionComprobado comprobado = CompruebaGuion(guion.ordenes, banco.mesa);
    if (comprobado.error)
        return ErrorDeGuion(errores, nombre, comprobado.error->linea, comprobado.error->mensaje);
    if (const std::optional<consola::ErrorDeGuion> error = CompruebaRegistros(guion))
        return ErrorDeGuion(errores, nombre, error->linea, error->mensaje);

    if (p.fallos && !PlantaFallos(banco.mesa, *p.fallos, errores)) return kUsoIncorrecto;
    EjecutorDeGuion ejecutor(banco.mesa, salida, p.formato);
    for (const OrdenComprobada& orden : comprobado.ordenes) ejecutor.Ejecuta(orden);
    salida.flush();
    if (p.vcd && !GuardaRegistroVcd(banco.analizador, *p.vcd, errores)) return kNoSeGuardo;

    if (p.guardar) {
        banco.dialogos.ArchivoParaGuardar(*p.guardar);
        // The window's "save as": written atomically; a failure is told by its own message.
        if (!banco.archivo.GuardaCircuitoComo()) return kNoSeGuardo;
    }
    return kTerminado;
}

int HazTabla(Banco& banco, const Peticion& p, std::ostream& salida, std::ostream& errores) {
    const std::vector<PalancaCableada> palancas = PalancasCableadas(banco.mesa);
    if (palancas.empty()) {
        errores << "El circuito no tiene interruptores cableados: no hay tabla que recorrer.\n";
        return kUsoIncorrecto;
    }
    if (palancas.size() > kMaximoDePalancas) {
        errores << "El circuito tiene " << palancas.size()
                << " interruptores cableados; la tabla admite " << kMaximoDePalancas
                << " como máximo.\n";
        return kUsoIncorrecto;
    }
    EscribeTabla(salida, RecorreCombinaciones(banco.mesa, palancas, LucesCableadas(banco.mesa)),
                 p.formato);
    salida.flush();
    return kTerminado;
}

}  // namespace

int EjecutaLineaDeOrdenes(const std::vector<std::string>& argumentos, std::istream& entrada,
                          std::ostream& salida, std::ostream& errores) {
    if (EsOrdenDeDocencia(argumentos)) return EjecutaDocencia(argumentos, salida, errores);
    const ArgumentosAnalizados analizados = AnalizaArgumentos(argumentos);
    if (!analizados.peticion) {
        errores << kPrograma << ": " << analizados.error << '\n'
                << "Use «" << kPrograma << " --help» para ver cómo se usa.\n";
        return kUsoIncorrecto;
    }
    const Peticion& p = *analizados.peticion;
    if (p.accion == Accion::Ayuda) {
        salida << TextoDeAyuda();
        return kTerminado;
    }
    if (p.accion == Accion::Version) {
        salida << kPrograma << ' ' << textos::kVersion << '\n';
        return kTerminado;
    }

    Banco banco(errores);
    if (!banco.Abre(p.circuito)) return kCircuitoIlegible;
    if (p.accion == Accion::Simular) return Simula(banco, p, entrada, salida, errores);
    return HazTabla(banco, p, salida, errores);
}

}  // namespace velistra::consola
