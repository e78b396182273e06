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
#include "cli/Textos.h"
#include "docencia/TablaDeVerdad.h"
#include "plataforma/Idioma.h"
#include "plataforma/Textos.h"

namespace velistra::consola {

using docencia::LucesCableadas;
using docencia::PalancaCableada;
using docencia::PalancasCableadas;
using docencia::RecorreCombinaciones;
using docencia::kMaximoDePalancas;

namespace {

constexpr const char* kPrograma = "velistra-cli";

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
    const std::string nombre = p.guion ? *p.guion : Di(Texto::EntradaEstandar);
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
        errores << Di(Texto::SinInterruptores) << '\n';
        return kUsoIncorrecto;
    }
    if (palancas.size() > kMaximoDePalancas) {
        errores << Di(Texto::DemasiadosInterruptores,
                      {std::to_string(palancas.size()), std::to_string(kMaximoDePalancas)})
                << '\n';
        return kUsoIncorrecto;
    }
    EscribeTabla(salida, RecorreCombinaciones(banco.mesa, palancas, LucesCableadas(banco.mesa)),
                 p.formato);
    salida.flush();
    return kTerminado;
}

int ErrorDeUso(std::ostream& errores, const std::string& error) {
    errores << kPrograma << ": " << error << '\n' << Di(Texto::UseAyuda, {kPrograma}) << '\n';
    return kUsoIncorrecto;
}

// Takes --idioma es|en out of the line, speaking that language from then on; without
// it the locale decides. False for any other value.
bool EligeIdioma(std::vector<std::string>& argumentos) {
    HablaEn(IdiomaDelEntorno());
    for (auto a = argumentos.begin(); a != argumentos.end();) {
        if (*a != "--idioma") {
            ++a;
            continue;
        }
        const std::optional<Idioma> idioma =
            a + 1 == argumentos.end() ? std::nullopt : IdiomaPorCodigo(*(a + 1));
        if (!idioma) return false;
        HablaEn(*idioma);
        a = argumentos.erase(a, a + 2);
    }
    return true;
}

}  // namespace

int EjecutaLineaDeOrdenes(std::vector<std::string> argumentos, std::istream& entrada,
                          std::ostream& salida, std::ostream& errores) {
    if (!EligeIdioma(argumentos)) return ErrorDeUso(errores, Di(Texto::IdiomaIncorrecto));
    if (EsOrdenDeDocencia(argumentos)) return EjecutaDocencia(argumentos, salida, errores);
    const ArgumentosAnalizados analizados = AnalizaArgumentos(argumentos);
    if (!analizados.peticion) return ErrorDeUso(errores, analizados.error);
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
