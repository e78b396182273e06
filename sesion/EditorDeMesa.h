#pragma once
#include <optional>
#include <string>

#include "modelo/Punto.h"
#include "sesion/SeleccionConElRaton.h"
#include "simulacion/Rechazos.h"

namespace velistra {

class Mesa;
class Puerto;
class Tablero;
class Ventana;

// What the window must do after a mouse event.
struct ResultadoDelRaton {
    bool repintar = false;
    // The circuit changed in a way worth saving.
    bool modificado = false;
    // Put the mouse pointer over this workbench point (a port's centre).
    std::optional<Punto> puntero;
    // What the workbench refused, and why, for the status bar.
    Rechazo rechazo = Rechazo::Ninguno;
};

// Every editing rule of the mouse on the workbench, fed workbench coordinates: dragging
// boards, levers, push-buttons and the supply switch, drawing, reshaping and removing
// wires, picking up and plugging chips, removing boards. While the supply is on only
// levers, keys, the supply switch, the boards' own clicks and wire reshaping work.
class EditorDeMesa {
public:
    // `ventana` receives the repaint requests of boards that draw at once (the PLA).
    explicit EditorDeMesa(Mesa& mesa, Ventana* ventana = nullptr);

    ResultadoDelRaton BotonIzquierdoAbajo(int x, int y);
    ResultadoDelRaton MueveRaton(int x, int y);
    ResultadoDelRaton BotonIzquierdoArriba(int x, int y);
    // Ignored while the supply is on and while a left-button action is under way, so
    // nothing that action holds can be removed under it.
    ResultadoDelRaton BotonDerechoAbajo(int x, int y);
    // A left press with Shift: the part under the point joins or leaves the selection.
    ResultadoDelRaton AlternaSeleccion(int x, int y);

    // What the band and the group moves work on; a press elsewhere clears it.
    Seleccion& LaSeleccion() { return grupo.seleccion; }
    const Seleccion& LaSeleccion() const { return grupo.seleccion; }
    std::optional<Area> Banda() const { return grupo.Banda(); }

    // The scroll offset: the workbench point at the window's top-left corner.
    void Desplazamiento(int x, int y);
    Punto Desplazamiento() const { return offset; }

    // A board dragged, a key held, a chip or a wire on the move.
    bool AccionEnCurso() const;
    // A board, a chip or a wire end on the move: what follows the pointer.
    bool Arrastra() const;
    // Ends whatever the left button started, as a release at the last pointer position.
    ResultadoDelRaton TerminaAccion();

    // The status bar's text for a workbench point.
    static std::string TextoDePosicion(int x, int y);

private:
    // The dragged board and the held key's board, or null once they left the list.
    Tablero* TableroArrastrado() const;
    Tablero* TableroPulsado() const;
    bool EstaEnLaMesa(const Tablero* t) const;

    bool PulsaTablero(int x, int y, ResultadoDelRaton& r);
    void PulsaFueraDeLosTableros(int x, int y, ResultadoDelRaton& r);
    void ArrastraTablero(Tablero& t, int x, int y);
    void ConcluyeCable(int x, int y, ResultadoDelRaton& r);
    void SueltaComponente(ResultadoDelRaton& r);
    // Something a right press would remove lies under the point.
    bool HayQueQuitarEn(int x, int y) const;
    void RetiraCable(ResultadoDelRaton& r);
    void RetiraComponente(ResultadoDelRaton& r);
    void RetiraTablero(int x, int y, ResultadoDelRaton& r);

    Mesa& mesa;
    Ventana* ventana;
    Punto offset;
    Punto ultimo;

    // The two ends of the wire being laid or removed.
    Puerto* A = nullptr;
    Puerto* B = nullptr;
    Tablero* tableroEnMovimiento = nullptr;
    // Where the dragged board was grabbed, from its corner.
    Punto delta;
    Tablero* tableroPulsado = nullptr;
    bool bPulsado = false;
    SeleccionConElRaton grupo;
};

}  // namespace velistra
