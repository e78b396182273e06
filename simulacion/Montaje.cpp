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
    x = y = di + 100;
    di += 10;
    ++nIdentificador;
}

Tablero* Mesa::DefineTablero(std::unique_ptr<Tablero> nuevo, Punto esquina) {
    if (!nuevo) return nullptr;
    Tablero* t = nuevo.get();
    t->Define(esquina.x, esquina.y, t->Anchura(), t->Altura(), nodoBase, nIdentificador);
    nodoBase += NodosDeTablero(t->Tipo());
    tablero.push_back(std::move(nuevo));
    return t;
}

void Mesa::InicializaMesa() {
    nodoBase = 0;
    nIdentificador = 0;
    EncuentraUbicacion();
    fuentedc = DefineTablero(CreaTablero(TipoDelPuestoFijo(0)), kEsquinaDeLaFuente);
    EncuentraUbicacion();
    reloj = DefineTablero(CreaTablero(TipoDelPuestoFijo(1)), kEsquinaDelTemporizador);
    if (reloj != nullptr) reloj->Oculta();
}

void Mesa::LimpiaMesa() {
    cables.Vacia();
    componentes.Limpia();
    tablero.clear();
    fuentedc = nullptr;
    reloj = nullptr;
    tableroProtoboard = nullptr;
    pCasilla = nullptr;
    A = B = nullptr;
    bON = false;
    // The loops named chips of the circuit that is gone.
    bSinAsentar = false;
}

Tablero* Mesa::TableroConIdentificador(int identificador) const {
    for (const auto& t : tablero) {
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
    const Punto esquina = d->tutorial ? Punto{0, 0} : Punto{x, y};
    return DefineTablero(std::move(nuevo), esquina);
}

bool Mesa::MuestraTemporizador() {
    if (reloj == nullptr || reloj->EstaVisible()) return false;
    reloj->UbicaEn(kTemporizadorMostrado.x, kTemporizadorMostrado.y);
    reloj->Muestra();
    return true;
}

}  // namespace velistra
