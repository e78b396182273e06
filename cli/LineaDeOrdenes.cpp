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

using docencia::PalancaCableada;
using docencia::PalancasCableadas;
using docencia::kMaximoDePalancas;

namespace {

constexpr const char* kPrograma = "velistra-cli";

int ErrorDeGuion(std::ostream& errores, const std::string& nombre, int linea,
                 const std::string& mensaje) {
    errores << nombre << ':' << linea << ": " << mensaje << '\n';
    return kUsoIncorrecto;
}

// The whole script is read and checked against the circuit before its first order runs,
// so a faulty line never leaves a run half done; then it is read again as it runs, so that
// only the line at hand is held.
int Simula(Banco& banco, const Peticion& p, std::istream& entrada, std::ostream& salida,
           std::ostream& errores) {
    std::optional<GuionDeLaEjecucion> guion = GuionDeLaEjecucion::Abre(p.guion, entrada, errores);
    if (!guion) return kUsoIncorrecto;
    const std::string nombre = p.guion ? *p.guion : Di(Texto::EntradaEstandar);
    {
        LectorDeGuion lector = guion->Lector();
        const RevisionDeGuion revision = RevisaGuion(lector, banco.mesa);
        if (revision.ilegible) {
            guion->DiQueNoSeLee(errores);
            return kUsoIncorrecto;
        }
        if (revision.error)
            return ErrorDeGuion(errores, nombre, revision.error->linea, revision.error->mensaje);
    }

    if (p.fallos && !PlantaFallos(banco.mesa, *p.fallos, errores)) return kUsoIncorrecto;
    EjecutorDeGuion ejecutor(banco.mesa, salida, p.formato);
    ComprobadorDeOrdenes comprobador(banco.mesa);
    TablerosDeLaOrden tableros;
    LectorDeGuion lector = guion->Lector();
    bool cambiado = false;
    while (const Orden* orden = lector.Siguiente()) {
        // It fitted when checked; this finds its board again.
        cambiado = comprobador.Comprueba(*orden, tableros).has_value();
        if (cambiado) break;
        ejecutor.Ejecuta(*orden, tableros);
    }
    salida.flush();
    // Only a file that changed or failed between the two readings ends here.
    if (cambiado || lector.Error() || lector.Ilegible()) {
        guion->DiQueNoSeLee(errores);
        return kUsoIncorrecto;
    }
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
    EscribeTablaDeLaMesa(salida, banco.mesa, palancas, p.formato);
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
