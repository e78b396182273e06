#include "sesion/Sesion.h"

#include "sesion/CodigosDeComando.h"
#include "sesion/Mensajes.h"

namespace velistra {

namespace {
using namespace mensajes;
}  // namespace

Sesion::Sesion(Avisos& avisos, Dialogos& dialogos, Ventana* ventana)
    : mesa(avisos), editor(mesa, ventana), comandos(mesa, dialogos) {
    mesa.ConectaAnalizador(&analizador);
    mesa.InicializaMesa();
    historial.Reinicia(Fotografia(mesa));
    historial.MarcaGuardado();
}

ResultadoDelRaton Sesion::Anota(const ResultadoDelRaton& r, bool fin) {
    if (r.modificado) comandos.MarcaModificado();
    // A drag becomes one step, when it ends; a bare pointer move is no step at all.
    if ((fin || r.modificado) && !editor.AccionEnCurso()) Sincroniza();
    return r;
}

void Sesion::Sincroniza() {
    if (comandos.Reemplazos() != reemplazos) {
        reemplazos = comandos.Reemplazos();
        historial.Reinicia(Fotografia(mesa));
        analizador.Reinicia();
        PlantaFallos();
    } else {
        historial.Registra(Fotografia(mesa));
    }
    if (!comandos.Modificado()) historial.MarcaGuardado();
}

ResultadoDeComando Sesion::Ejecuta(int id) {
    // A command may replace the workbench: nothing the mouse holds may outlive it.
    Anota(editor.TerminaAccion());
    if (EsDeSeleccion(id)) return EditaSeleccion(id);
    // Whatever else a command does, the lists may not be those the selection names.
    editor.LaSeleccion() = {};
    if (id == comandos::kDeshacer || id == comandos::kRehacer)
        return Vuelve(id == comandos::kRehacer);
    const ResultadoDeComando r = comandos.Ejecuta(id);
    Sincroniza();
    return r;
}

ResultadoDeComando Sesion::AbreArchivo(const std::string& ruta) {
    Anota(editor.TerminaAccion());
    editor.LaSeleccion() = {};
    const ResultadoDeComando r = comandos.RecuperaArchivo(ruta);
    Sincroniza();
    return r;
}

ResultadoDeComando Sesion::Vuelve(bool adelante) {
    if (comandos.RechazaEncendido(adelante ? kApagueAntesDeRehacer : kApagueAntesDeDeshacer))
        return {};
    // A recovered copy arrives without a command: it must not be undone into.
    Sincroniza();
    const FotoDeMesa* foto = adelante ? historial.Rehace() : historial.Deshace();
    if (foto == nullptr) return {};
    const PalancasDeLaMesa palancas = Palancas(mesa);
    if (!Restaura(mesa, *foto)) {
        // The workbench did not change: neither may the place in the history.
        if (adelante)
            historial.Deshace();
        else
            historial.Rehace();
        return {};
    }
    // The restored state was read from its picture, where no fault is.
    int linea = 0;
    docencia::AplicaFallos(mesa, fallos, linea);
    DevuelvePalancas(mesa, palancas);
    const Punto desplazamiento = editor.Desplazamiento();
    editor.Desplazamiento(desplazamiento.x, desplazamiento.y);
    comandos.Modificado(!historial.EnLoGuardado());
    return {.repintar = true};
}

bool Sesion::EsSuyo(int id) {
    return id == comandos::kDeshacer || id == comandos::kRehacer || EsDeSeleccion(id) ||
           Comandos::Conoce(id);
}

void Sesion::PlantaFallos() {
    fallos.clear();
    const std::string& circuito = comandos.Archivo();
    if (circuito.empty()) return;
    std::vector<docencia::Fallo> leidos;
    if (docencia::LeeFallosDeArchivo(docencia::ArchivoDeFallosDe(circuito), leidos)) return;
    int linea = 0;
    // Kept only when they fit this circuit: undo brings back states of this one alone.
    if (!docencia::AplicaFallos(mesa, leidos, linea)) fallos = std::move(leidos);
}

bool Sesion::PuedeCerrar() {
    Anota(editor.TerminaAccion());
    return comandos.PuedeCerrar();
}

bool Sesion::Tic() { return comandos.Tic(); }

}  // namespace velistra
