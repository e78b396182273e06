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

// Where a chip plugs in: the hole under its plug point, and that hole's breadboard.
struct LugarDelChip {
    Puerto* pCasilla = nullptr;
    Tablero* tableroProtoboard = nullptr;
};

// A board as a circuit file holds it, for Mesa::Reconstruye.
struct TableroLeido {
    std::unique_ptr<Tablero> tablero;
    int x = 0;
    int y = 0;
    int anchura = 0;
    int altura = 0;
    int identificador = 0;
};

// A whole circuit as read from a file, in file order.
struct MontajeLeido {
    std::vector<TableroLeido> tableros;
    bool temporizadorVisible = false;
    std::vector<Cable> cables;
    // Appends the circuit's chips in file order to the collection given; a function, not
    // a list, so that a load copies no chip twice.
    std::function<void(Componentes&)> componentes;
};

// The workbench: everything one open circuit consists of, and every action on it that
// the GUI and the command-line runner share. Several workbenches may live side by side.
// Its state is its own: each field ends in `_`, and the member function of the same name
// without it reads it; changes go through the actions below.
class Mesa {
public:
    // Settling gives up after this many iterations of a circuit that keeps changing.
    static constexpr int kLimiteDeIteraciones = 1000;

    // How a settling runs: on the compiled circuit, evaluating and driving only what
    // changed through the ports, or the plain loop (every chip, every iteration) that both
    // must always agree with.
    enum class Asentamiento { Compilado, PorCambios, Completo };

    // What one settling did.
    struct ResultadoDelAsentamiento {
        // 0 when refused because another settling was under way.
        int nIteraciones = 0;
        // It ran kLimiteDeIteraciones: the circuit keeps changing.
        bool bAlLimite = false;
        Asentamiento lazo = Asentamiento::Compilado;
        // Which switch-on of the supply the settling belongs to, counted from 0.
        int nEncendido = 0;
    };
    // Told of every settling while it is still under way, so that a modal message shown
    // from here keeps timer ticks from settling again.
    using OyenteDeAsentamientos = std::function<void(const ResultadoDelAsentamiento&)>;

    // Reports every settling that hits the limit to `avisos`, until told otherwise.
    explicit Mesa(Avisos& avisos);
    Mesa(const Mesa&) = delete;
    Mesa& operator=(const Mesa&) = delete;

    // ---- The circuit ---------------------------------------------------------------
    // The boards; entry 0 is the DC supply, entry 1 the timer board.
    const std::vector<std::unique_ptr<Tablero>>& tablero() const { return tablero_; }
    Componentes& componentes() { return componentes_; }
    const Componentes& componentes() const { return componentes_; }
    Cables& cables() { return cables_; }
    const Cables& cables() const { return cables_; }

    // ---- Counters and shared state -------------------------------------------------
    // Next free node number.
    int nodoBase() const { return nodoBase_; }
    // Last board identifier handed out.
    int nIdentificador() const { return nIdentificador_; }
    // Iterations run by every settling of this workbench so far.
    long nIteraciones() const { return nIteraciones_; }
    // The DC supply is switched on; the circuit is only simulated then.
    bool bON() const { return bON_; }
    Tablero* fuentedc() const { return fuentedc_; }
    Tablero* reloj() const { return reloj_; }
    // The sentinel partner of every breadboard hole that holds a chip pin.
    Puerto* pin() const { return pin_; }
    // Grows with every wire, chip pin, chip or board that comes or goes on this workbench,
    // so that whoever keeps a picture of its nets knows when to take it again.
    unsigned long GeneracionDeConexiones() const { return nCambios_ + componentes_.Generacion(); }

    // ---- Settling ------------------------------------------------------------------
    // Lets every chip compute and then drive its outputs until nothing changes, at most
    // kLimiteDeIteraciones times; the listener hears of it before it returns. Runs no
    // iteration when called while a settling is already under way (from a tick while
    // its message is shown).
    ResultadoDelAsentamiento EjecutaFunciones();
    Asentamiento asentamiento() const { return asentamiento_; }
    void EligeAsentamiento(Asentamiento a) {
        asentamiento_ = a;
        // What one loop keeps of the last settling means nothing to another.
        asentador_.EmpiezaCompleto();
        compilado_.EmpiezaCompleto();
    }
    // Replaces the listener; an empty one hears nothing.
    void EscuchaAsentamientos(OyenteDeAsentamientos oyente) { oyente_ = std::move(oyente); }
    // A settling is under way (its feedback message may be open): the circuit is between
    // states.
    bool EstaAsentando() const { return bAsentando_; }
    // The last settling hit the limit: the circuit keeps failing to settle. Its feedback
    // loops, for the workbench to outline; worked out when asked, so that settling at the
    // limit allocates nothing.
    bool SinAsentar() const { return bSinAsentar_; }
    LazosAlLimite Lazos() const {
        return bSinAsentar_ ? vigia_.Lazos(componentes_) : LazosAlLimite{};
    }

    // ---- Joining and splitting nets --------------------------------------------------
    // Whether a wire may join the two ports: both exist, lie on different nets and do
    // not both carry a driving type.
    bool PuedeConectarPuertos(const Puerto* a, const Puerto* b) const;
    // Why a wire from a to b would be refused: an end that holds a wire or a chip pin, one
    // net already, two driven nets. A missing end is no reason.
    Rechazo MotivoParaConectar(const Puerto* a, const Puerto* b) const;
    // Records the wire and merges the nets. Refused (false) unless both ports exist,
    // are free and lie on different nets, so no wire can ever close a loop.
    bool ConectaPuertos(Puerto* a, Puerto* b);
    // Removes the wire and splits the net. Refused (false) unless the two ports are
    // joined to each other, so a wire that was never connected cuts nothing.
    bool DesconectaPuertos(Puerto* a, Puerto* b);

    // ---- Chip placement --------------------------------------------------------------
    // Whether the chip may be plugged in where it lies; where, into `lugar` when given.
    // Remembers nothing.
    bool PuedeInsertarComponente(Componente& chip, LugarDelChip* lugar = nullptr) {
        return MotivoParaInsertar(chip, lugar) == Rechazo::Ninguno;
    }
    // The same test, answering why not.
    Rechazo MotivoParaInsertar(Componente& chip, LugarDelChip* lugar = nullptr);
    // The point lies on a breadboard, on a hole or between them.
    bool SobreUnaProtoboard(Punto punto) const;
    // Seats the chip in the holes of `lugar` (found by PuedeInsertarComponente), marks its
    // output columns as driven and snaps it onto the holes.
    void OcupaComponente(Componente& chip, const LugarDelChip& lugar);
    // Frees a plugged chip's holes; its output columns go back to free.
    void DesocupaComponente(Componente& chip);
    // Plugs the chip in where it lies, as dropping it does: seated, following the
    // breadboard that holds its pins, marked inserted; where, into `lugar` when given.
    // False, changing nothing, when it may not go there.
    bool EnchufaComponente(Componente& chip, LugarDelChip* lugar = nullptr) {
        return IntentaEnchufar(chip, lugar) == Rechazo::Ninguno;
    }
    // The same, answering why not.
    Rechazo IntentaEnchufar(Componente& chip, LugarDelChip* lugar = nullptr);

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
    // The workbench of a circuit file, replacing this one: boards numbered afresh in
    // file order, each wire joined when it may be, each chip plugged in where it lies,
    // the supply off.
    void Reconstruye(MontajeLeido montaje);
    // A board of that type added as from the menu, with its node block and identifier;
    // null for the supply, the timer board and unknown types.
    Tablero* AgregaTablero(int tipo);
    // Defines a new board at the corner with the running node base and identifier and
    // appends it.
    Tablero* DefineTablero(std::unique_ptr<Tablero> nuevo, Punto esquina);
    // The same with the next identifier, leaving the place of the next new board as it
    // was: a board pasted where its copy says.
    Tablero* PegaTablero(std::unique_ptr<Tablero> nuevo, Punto esquina) {
        ++nIdentificador_;
        return DefineTablero(std::move(nuevo), esquina);
    }
    // Appends a board its caller defined already at node base nodoBase(); it takes
    // `nodos` node numbers, and later boards get identifiers after its own.
    Tablero* AgregaTableroDefinido(std::unique_ptr<Tablero> definido, int nodos);
    // Takes the board off the workbench and destroys it; the supply and the timer board
    // stay.
    void QuitaTablero(const Tablero& t);
    // The board with that identifier, as files and scripts name boards; null if none.
    Tablero* TableroConIdentificador(int identificador) const;
    // Puts the hidden timer board back at (100, 400); false when it is already shown.
    bool MuestraTemporizador();

    // ---- Instruments: the supply switch, the timer tick, levers and keys -----------
    // Shared by the GUI and the command-line runner (simulacion/Instrumentos.cpp).
    // Flips the supply switch; the module follows it, every board drives its outputs in
    // list order and the circuit settles.
    void ConmutaFuente();
    // A circuit may hold a second supply board: the one last pressed is the one whose
    // switch ConmutaFuente flips.
    void FuenteEnUso(Tablero& fuente) { fuentedc_ = &fuente; }
    // Marks the supply on or off without a switch, for a bench built without a supply
    // board; nothing is driven or settled.
    void PonEncendido(bool encendido) { bON_ = encendido; }
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
    Avisos& avisos() const { return avisos_; }
    // Told of every timer tick and every settling, when there is one; not owned.
    AnalizadorLogico* analizador() const { return analizador_; }
    void ConectaAnalizador(AnalizadorLogico* analizador) { analizador_ = analizador; }

private:
    int AsientaCompleto(const std::function<void(int)>& tras);
    void HayNuevasConexiones() { ++nCambios_; }

    std::vector<std::unique_ptr<Tablero>> tablero_;
    Componentes componentes_;
    Cables cables_;
    int nodoBase_ = 0;
    int nIdentificador_ = 0;
    long nIteraciones_ = 0;
    bool bON_ = false;
    int nEncendido_ = 0;
    Tablero* fuentedc_ = nullptr;
    Tablero* reloj_ = nullptr;
    // Position for the next new board.
    int x_ = 0;
    int y_ = 0;
    // Walks on for the life of the workbench, through new circuits too.
    int di_ = -10;

    Asentamiento asentamiento_ = Asentamiento::Compilado;
    OyenteDeAsentamientos oyente_;
    Avisos& avisos_;
    AnalizadorLogico* analizador_ = nullptr;

    Puerto centinela_;
    Puerto* const pin_ = &centinela_;
    unsigned long nCambios_ = 0;
    bool bAsentando_ = false;
    AsentadorPorCambios asentador_;
    AsentadorCompilado compilado_;
    VigiaDeRealimentacion vigia_;
    bool bSinAsentar_ = false;
};

}  // namespace velistra
