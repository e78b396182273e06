#include <algorithm>

#include "tableros/Fabrica.h"
#include "tableros/TableroDeTemporizadores.h"
#include "simulacion/Mesa.h"

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
    if (t->Tipo() == Tablero::kPLA) {
        // It takes no node numbers and keeps no size of its own.
        t->UbicaEn(esquina.x, esquina.y);
        t->Identificador(nIdentificador_);
    } else {
        t->Define(esquina.x, esquina.y, t->Anchura(), t->Altura(), nodoBase_, nIdentificador_);
        nodoBase_ += NodosDeTablero(t->Tipo());
    }
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
        if (tipo == Tablero::kFuenteDC) fuentedc_ = &t;
        if (tipo == Tablero::kTemporizadores) reloj_ = &t;
        AgregaTableroDefinido(std::move(leido.tablero), NodosDeTablero(tipo));
    }
    // Before the wires: a hidden timer board offers them no terminal.
    if (auto* temporizador = dynamic_cast<TableroDeTemporizadores*>(reloj_)) {
        if (montaje.temporizadorVisible)
            temporizador->Muestra();
        else
            temporizador->Oculta();
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
    fuentedc_ = DefineTablero(CreaTablero(Tablero::kFuenteDC), kEsquinaDeLaFuente);
    EncuentraUbicacion();
    reloj_ = DefineTablero(CreaTablero(Tablero::kTemporizadores), kEsquinaDelTemporizador);
    if (auto* temporizador = dynamic_cast<TableroDeTemporizadores*>(reloj_)) temporizador->Oculta();
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
    if (tipo == Tablero::kFuenteDC || tipo == Tablero::kTemporizadores) return nullptr;
    std::unique_ptr<Tablero> nuevo = CreaTablero(tipo);
    if (!nuevo) return nullptr;
    EncuentraUbicacion();
    const Punto esquina = tipo == Tablero::kPLA ? Punto{0, 0} : Punto{x_, y_};
    return DefineTablero(std::move(nuevo), esquina);
}

bool Mesa::MuestraTemporizador() {
    auto* temporizador = dynamic_cast<TableroDeTemporizadores*>(reloj_);
    if (temporizador == nullptr || temporizador->EstaVisible()) return false;
    temporizador->UbicaEn(kTemporizadorMostrado.x, kTemporizadorMostrado.y);
    temporizador->Muestra();
    return true;
}

}  // namespace velistra
