#pragma once
#include <functional>
#include <optional>
#include <vector>

#include "docencia/Fallos.h"
#include "modelo/Punto.h"
#include "plataforma/Portapapeles.h"
#include "sesion/Comandos.h"
#include "sesion/EditorDeMesa.h"
#include "sesion/Historial.h"
#include "sesion/PiezasDeLaMesa.h"
#include "simulacion/AnalizadorLogico.h"
#include "simulacion/AvisoDeRealimentacion.h"
#include "simulacion/Mesa.h"

namespace velistra {

class Avisos;
class Dialogos;
class Lienzo;
class Ventana;

// One open workbench as the user drives it: the mouse editor and the commands over the
// same circuit, with the editor's changes counted as unsaved. Starts with an empty
// workbench (the supply and the hidden timer board).
class Sesion {
public:
    Sesion(Avisos& avisos, Dialogos& dialogos, Ventana* ventana = nullptr);
    Sesion(const Sesion&) = delete;
    Sesion& operator=(const Sesion&) = delete;

    ResultadoDelRaton BotonIzquierdoAbajo(int x, int y) { return Anota(editor.BotonIzquierdoAbajo(x, y)); }
    ResultadoDelRaton MueveRaton(int x, int y) { return Anota(editor.MueveRaton(x, y)); }
    ResultadoDelRaton BotonIzquierdoArriba(int x, int y) { return Anota(editor.BotonIzquierdoArriba(x, y), true); }
    ResultadoDelRaton BotonDerechoAbajo(int x, int y) { return Anota(editor.BotonDerechoAbajo(x, y), true); }
    ResultadoDelRaton AlternaSeleccion(int x, int y) { return Anota(editor.AlternaSeleccion(x, y)); }

    // The feedback message at most once per switch-on, for a shell whose timer ticks
    // would bring it back on every tick; otherwise it comes with every settling at the
    // limit.
    void AvisaUnaVezPorEncendido() { mesa.EscuchaAsentamientos(AvisoUnaVezPorEncendido(mesa.avisos())); }

    // What the parts in use cover, for "Ajustar al circuito"; none on an empty bench.
    std::optional<Area> AreaDelCircuito() const { return AreaEnUso(mesa); }
    // Window points per workbench pixel: what is drawn at the window's own size (the
    // colour bar under its toolbar button) stays so at every zoom level.
    void EscalaDeLaVista(double escala) { mesa.cables().EscalaDeLaVentana(escala); }

    // Copies go through the shell's clipboard from then on; until then through one of
    // the session's own.
    void UsaPortapapeles(Portapapeles& otro) { portapapeles = &otro; }

    // Menu commands, undo and redo among them.
    ResultadoDeComando Ejecuta(int id);
    // Loads a file already named, as "Recuperar..." does (a recent file).
    ResultadoDeComando AbreArchivo(const std::string& ruta);
    bool PuedeCerrar();
    bool Tic();
    // Whether Ejecuta carries out command `id`; the shell does the rest of the table.
    static bool EsSuyo(int id);
    bool PuedeDeshacer() const { return historial.PuedeDeshacer(); }
    bool PuedeRehacer() const { return historial.PuedeRehacer(); }

    // The faults of a troubleshooting exercise, from the file beside the circuit
    // ("circuito.fallos" beside "circuito.txt"): planted without a word when the circuit
    // is loaded or recovered, and again on every state undo and redo bring back. They
    // are the exercise's, not the user's: no undo step ever holds or drops them. A
    // missing or faulty file plants nothing. Call again after the file changed.
    void PlantaFallos();
    const std::vector<docencia::Fallo>& Fallos() const { return fallos; }
    // Takes note of what changed around the commands (a recovered copy): a new undo step,
    // or a new history and faults for another circuit.
    void Sincroniza();

    // The workbench's picture, as every shell draws it: the layer a repaint may keep
    // (`corta`, when given, between its items) and the layer drawn over it each time:
    // the lit lamps, the loops that keep the circuit from settling and the net the
    // probe finds under `puntero`.
    void PintaFija(Lienzo& lienzo, const std::function<void()>& corta = {});
    void PintaEncima(Lienzo& lienzo, std::optional<Punto> puntero,
                     const std::function<void()>& corta = {});
    // Both, in that order (on a canvas cleared to white).
    void Pinta(Lienzo& lienzo, std::optional<Punto> puntero = std::nullopt);

    // Before the workbench, which only points at it. A new or recovered circuit starts
    // it empty: its channels named the old circuit's boards.
    AnalizadorLogico analizador;
    Mesa mesa;
    EditorDeMesa editor;
    Comandos comandos;
    Historial historial;

private:
    // `fin`: a click ended, which may have changed what the result does not tell (a PLA link).
    ResultadoDelRaton Anota(const ResultadoDelRaton& r, bool fin = false);
    ResultadoDeComando Vuelve(bool adelante);
    // Cut, copy, paste, delete and select all, over the editor's selection.
    ResultadoDeComando EditaSeleccion(int id);
    static bool EsDeSeleccion(int id);

    unsigned reemplazos = 0;
    std::vector<docencia::Fallo> fallos;
    PortapapelesPropio propio;
    Portapapeles* portapapeles = &propio;
};

}  // namespace velistra
