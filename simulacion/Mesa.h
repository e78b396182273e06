#pragma once
// Simulation: the workbench object with its boards, chips and counters, the settling
// loop, net joining and splitting, chip placement and workbench set-up.
// Reports to the user only through Avisos; never includes a window system.
#include <functional>
#include <memory>
#include <vector>

#include "modelo/Componentes.h"
#include "modelo/Puerto.h"
#include "modelo/Tablero.h"
#include "simulacion/AsentadorCompilado.h"
#include "simulacion/AsentadorPorCambios.h"
#include "simulacion/LazosAlLimite.h"
#include "simulacion/Rechazos.h"
#include "cables/Cables.h"

namespace velistra {

class AnalizadorLogico;
class Avisos;

// The first port under a workbench point, and the board it belongs to.
struct PuertoEnLaMesa {
    Puerto* puerto = nullptr;
    Tablero* tablero = nullptr;
};

// The workbench: everything one open circuit consists of, and every action on it that
// the GUI and the command-line runner share. Several workbenches may live side by side.
class Mesa {
public:
    // Settling gives up after this many iterations of a circuit that keeps changing.
    static constexpr int kLimiteDeIteraciones = 1000;

    // How a settling runs: on the compiled circuit, evaluating and driving only what
    // changed through the ports, or the plain loop (every chip, every iteration) that both
    // must always agree with.
    enum class Asentamiento { Compilado, PorCambios, Completo };

    explicit Mesa(Avisos& avisos);
    Mesa(const Mesa&) = delete;
    Mesa& operator=(const Mesa&) = delete;

    // ---- The circuit ---------------------------------------------------------------
    // Owns the boards; entry 0 is the DC supply, entry 1 the timer board.
    std::vector<std::unique_ptr<Tablero>> tablero;
    Componentes componentes;
    Cables cables;

    // ---- Counters and shared state -------------------------------------------------
    // Next free node number.
    int nodoBase = 0;
    // Last board identifier handed out.
    int nIdentificador = 0;
    // Iterations run by every settling of this workbench so far.
    long nIteraciones = 0;
    // The DC supply is switched on; the circuit is only simulated then.
    bool bON = false;
    Tablero* fuentedc = nullptr;
    Tablero* reloj = nullptr;
    // The two ends of the wire being laid or removed.
    Puerto* A = nullptr;
    Puerto* B = nullptr;
    // Position for the next new board; also the last pointer position.
    int x = 0;
    int y = 0;
    // While plugging a chip: the hole under its plug point, and that hole's breadboard.
    Puerto* pCasilla = nullptr;
    Tablero* tableroProtoboard = nullptr;

    // ---- Settling ------------------------------------------------------------------
    // Lets every chip compute and then drive its outputs until nothing changes, at most
    // kLimiteDeIteraciones times. Answers the iterations run; 0 when called while a
    // settling is already under way (from a tick while its message is shown).
    int EjecutaFunciones();
    Asentamiento asentamiento = Asentamiento::Compilado;
    // A settling is under way (its feedback message may be open): the circuit is between
    // states.
    bool EstaAsentando() const { return bAsentando; }
    // The last settling hit the limit: the circuit keeps failing to settle. Its feedback
    // loops, for the workbench to outline; worked out when asked, so that settling at the
    // limit allocates nothing.
    bool SinAsentar() const { return bSinAsentar; }
    LazosAlLimite Lazos() const {
        return bSinAsentar ? vigia.Lazos(componentes) : LazosAlLimite{};
    }
    // The limit message at most once per switch-on: with a running timer it would come
    // back on every tick and keep the user from the supply switch. Off, it comes with
    // every settling that hits the limit (the command-line runner prints each one).
    bool bAvisoUnaVezPorEncendido = false;

    // ---- Joining and splitting nets --------------------------------------------------
    // Whether a wire may join the two ports: both exist, lie on different nets and do
    // not both carry a driving type.
    bool PuedeConectarPuertos(const Puerto* a, const Puerto* b) const;
    bool PuedeConectarPuertos() const { return PuedeConectarPuertos(A, B); }
    // Why a wire from a to b would be refused: an end that holds a wire or a chip pin, one
    // net already, two driven nets. A missing end is no reason.
    Rechazo MotivoParaConectar(const Puerto* a, const Puerto* b) const;
    // Records the wire and merges the nets. Refused (false) unless both ports exist,
    // are free and lie on different nets, so no wire can ever close a loop.
    bool ConectaPuertos(Puerto* a, Puerto* b);
    bool ConectaPuertos() { return ConectaPuertos(A, B); }
    // Removes the wire and splits the net. Refused (false) unless the two ports are
    // joined to each other, so a wire that was never connected cuts nothing.
    bool DesconectaPuertos(Puerto* a, Puerto* b);
    bool DesconectaPuertos() { return DesconectaPuertos(A, B); }

    // ---- Chip placement --------------------------------------------------------------
    // Whether the chip may be plugged in where it lies; remembers the hole under its plug
    // point (pCasilla) and that hole's breadboard (tableroProtoboard).
    bool PuedeInsertarComponente(Componente& chip) {
        return MotivoParaInsertar(chip) == Rechazo::Ninguno;
    }
    // The same test, answering why not.
    Rechazo MotivoParaInsertar(Componente& chip);
    // The point lies on a breadboard, on a hole or between them.
    bool SobreUnaProtoboard(Punto punto) const;
    // Seats the chip in the holes found by the last PuedeInsertarComponente, marks its
    // output columns as driven and snaps it onto the holes.
    void OcupaComponente(Componente& chip);
    // Frees a plugged chip's holes; its output columns go back to free.
    void DesocupaComponente(Componente& chip);
    // Plugs the chip in where it lies, as dropping it does: seated, following the
    // breadboard that holds its pins, marked inserted. False, changing nothing (the
    // remembered hole included), when it may not go there.
    bool EnchufaComponente(Componente& chip) { return IntentaEnchufar(chip) == Rechazo::Ninguno; }
    // The same, answering why not.
    Rechazo IntentaEnchufar(Componente& chip);
    // Forgets the remembered hole when it lies on `t`, a board about to leave the bench.
    void OlvidaCasillaDe(const Tablero& t);

    // The first port under the point, asking the boards in list order (boards may
    // overlap); that board's centre is left on the port, as any hit test leaves it.
    PuertoEnLaMesa PuertoEn(int x, int y);

    // ---- Building the workbench ------------------------------------------------------
    // Corner (x, y) and identifier for the next new board.
    void EncuentraUbicacion();
    // The empty workbench: the DC supply and the hidden timer board.
    void InicializaMesa();
    // Drops every wire, chip and board; the counters stay.
    void LimpiaMesa();
    // A board of that type added as from the menu, with its node block and identifier;
    // null for the supply, the timer board and unknown types.
    Tablero* AgregaTablero(int tipo);
    // Defines a new board at the corner with the running node base and identifier and
    // appends it; the circuit reader builds boards through it too.
    Tablero* DefineTablero(std::unique_ptr<Tablero> nuevo, Punto esquina);
    // The board with that identifier, as files and scripts name boards; null if none.
    Tablero* TableroConIdentificador(int identificador) const;
    // Puts the hidden timer board back at (100, 400); false when it is already shown.
    bool MuestraTemporizador();

    // ---- Instruments: the supply switch, the timer tick, levers and keys -----------
    // Shared by the GUI and the command-line runner (simulacion/Instrumentos.cpp).
    // Flips the supply switch; the module follows it, every board drives its outputs in
    // list order and the circuit settles.
    void ConmutaFuente();
    // One tick of the periodic timer: the shown timer board advances while the module
    // is on. Answers whether the circuit changed and the workbench needs a repaint.
    bool Temporiza();
    // Operates the lever or key that the board's last EntradaEn hit selected (the press,
    // and a key's release), settling the circuit while the module is on.
    void OperaEntrada(Tablero& palancas);
    // Puts input i of a switch or push-button board in that position as the mouse would;
    // false, changing nothing, for any other board or an index out of range.
    bool PonEntrada(Tablero& palancas, int i, bool operada);

    // ---- Reporting -----------------------------------------------------------------
    Avisos& avisos;
    // Told of every timer tick and every settling, when there is one; not owned.
    AnalizadorLogico* analizador = nullptr;

    // The sentinel partner of every breadboard hole that holds a chip pin.
    Puerto* const pin = &centinela;

private:
    int AsientaCompleto(const std::function<void(int)>& tras);

    Puerto centinela;
    bool bAsentando = false;
    AsentadorPorCambios asentador;
    AsentadorCompilado compilado;
    VigiaDeRealimentacion vigia;
    bool bSinAsentar = false;
    bool bAvisado = false;
    // Walks on for the life of the workbench, through new circuits too.
    int di = -10;
};

}  // namespace velistra
