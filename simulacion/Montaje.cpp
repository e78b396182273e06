#include <algorithm>

#include "simulacion/Mesa.h"
#include "tableros/DescripcionesDeTableros.h"
#include "tableros/Fabrica.h"

namespace velistra {

namespace {
constexpr Punto kEsquinaDeLaFuente{10, 175};
constexpr Punto kEsquinaDelTemporizador{80, 400};
constexpr Punto kTemporizadorMostrado{100, 400};
}  // namespace

void Mesa::EncuentraUbicacion() {
    x_ = y_ = di_ + 100;
    di_ += 10;
    ++nIdentificador_;
}

Tablero* Mesa::DefineTablero(std::unique_ptr<Tablero> nuevo, Punto esquina) {
    if (!nuevo) return nullptr;
    Tablero* t = nuevo.get();
    t->Define(esquina.x, esquina.y, t->Anchura(), t->Altura(), nodoBase_, nIdentificador_);
    nodoBase_ += NodosDeTablero(t->Tipo());
    tablero_.push_back(std::move(nuevo));
    HayNuevasConexiones();
    return t;
}

Tablero* Mesa::AgregaTableroDefinido(std::unique_ptr<Tablero> definido, int nodos) {
    if (!definido) return nullptr;
    Tablero* t = definido.get();
    nodoBase_ += nodos;
    // Boards added later must not reuse its identifier.
    nIdentificador_ = std::max(nIdentificador_, t->Identificador());
    tablero_.push_back(std::move(definido));
    HayNuevasConexiones();
    return t;
}

void Mesa::QuitaTablero(const Tablero& t) {
    if (&t == fuentedc_ || &t == reloj_) return;
    const auto it = std::find_if(tablero_.begin(), tablero_.end(),
                                 [&t](const auto& propio) { return propio.get() == &t; });
    if (it == tablero_.end()) return;
    tablero_.erase(it);
    HayNuevasConexiones();
}

void Mesa::Reconstruye(MontajeLeido montaje) {
    LimpiaMesa();
    nodoBase_ = 0;
    nIdentificador_ = 0;
    for (TableroLeido& leido : montaje.tableros) {
        Tablero& t = *leido.tablero;
        const int tipo = t.Tipo();
        // Nodes are handed out afresh in file order; the stored base is not trusted.
        t.Define(leido.x, leido.y, leido.anchura, leido.altura, nodoBase_, leido.identificador);
        // The pictures set the size again; only the PLA board, which has none, keeps
        // the stored one.
        ColocaImagenes(t);
        const int puesto = DescripcionDe(t).puestoFijo;
        if (puesto == 0) fuentedc_ = &t;
        if (puesto == 1) reloj_ = &t;
        AgregaTableroDefinido(std::move(leido.tablero), NodosDeTablero(tipo));
    }
    // Before the wires: a hidden timer board offers them no terminal.
    if (reloj_ != nullptr) {
        if (montaje.temporizadorVisible)
            reloj_->Muestra();
        else
            reloj_->Oculta();
    }
    // A wire is kept as drawn even when it cannot be joined: its ends on no port, on a
    // port already taken, or on two ports of one net (joining those would close a loop).
    for (const Cable& cable : montaje.cables) {
        ConectaPuertos(PuertoEn(cable.AX(), cable.AY()).puerto, PuertoEn(cable.BX(), cable.BY()).puerto);
        cables_.Agrega(cable);
    }
    if (montaje.componentes) montaje.componentes(componentes_);
    componentes_.Recarga();
    // As when each is dropped: a chip follows the breadboard that holds its pins.
    for (Componente& chip : componentes_) EnchufaComponente(chip);
    bON_ = false;
}

void Mesa::InicializaMesa() {
    nodoBase_ = 0;
    nIdentificador_ = 0;
    EncuentraUbicacion();
    fuentedc_ = DefineTablero(CreaTablero(TipoDelPuestoFijo(0)), kEsquinaDeLaFuente);
    EncuentraUbicacion();
    reloj_ = DefineTablero(CreaTablero(TipoDelPuestoFijo(1)), kEsquinaDelTemporizador);
    if (reloj_ != nullptr) reloj_->Oculta();
}

void Mesa::LimpiaMesa() {
    cables_.Vacia();
    componentes_.Limpia();
    tablero_.clear();
    HayNuevasConexiones();
    fuentedc_ = nullptr;
    reloj_ = nullptr;
    bON_ = false;
    // The loops named chips of the circuit that is gone.
    bSinAsentar_ = false;
}

Tablero* Mesa::TableroConIdentificador(int identificador) const {
    for (const auto& t : tablero_) {
        if (t->Identificador() == identificador) return t.get();
    }
    return nullptr;
}

Tablero* Mesa::AgregaTablero(int tipo) {
    const DescripcionDeTablero* d = DescripcionDe(tipo);
    if (d == nullptr || d->puestoFijo >= 0) return nullptr;
    std::unique_ptr<Tablero> nuevo = CreaTablero(tipo);
    if (!nuevo) return nullptr;
    EncuentraUbicacion();
    const Punto esquina = d->tutorial ? Punto{0, 0} : Punto{x_, y_};
    return DefineTablero(std::move(nuevo), esquina);
}

bool Mesa::MuestraTemporizador() {
    if (reloj_ == nullptr || reloj_->EstaVisible()) return false;
    reloj_->UbicaEn(kTemporizadorMostrado.x, kTemporizadorMostrado.y);
    reloj_->Muestra();
    return true;
}

}  // namespace velistra
