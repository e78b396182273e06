#include "simulacion/Mesa.h"

#include <algorithm>

#include "simulacion/AnalizadorLogico.h"

namespace velistra {

namespace {

// Marks a settling as under way for as long as it lives.
class Asentando {
public:
    explicit Asentando(bool& bandera) : bBandera(bandera) { bBandera = true; }
    ~Asentando() { bBandera = false; }
    Asentando(const Asentando&) = delete;
    Asentando& operator=(const Asentando&) = delete;

private:
    bool& bBandera;
};

}  // namespace

Mesa::ResultadoDelAsentamiento Mesa::EjecutaFunciones() {
    ResultadoDelAsentamiento r;
    r.lazo = asentamiento_;
    r.nEncendido = nEncendido_;
    // The limit message is modal: a timer tick arriving while it is open must neither
    // settle the half-settled circuit nor stack another message.
    if (bAsentando_) return r;
    const Asentando asentando(bAsentando_);

    vigia_.Empieza(componentes_, kLimiteDeIteraciones, GeneracionDeConexiones());
    const std::function<void(int)> tras = [this](int i) { vigia_.TrasIteracion(componentes_, i); };
    // The watch looks only at the last iterations before the limit.
    const int vigilada = std::max(1, kLimiteDeIteraciones - VigiaDeRealimentacion::kVentana);
    r.nIteraciones =
        asentamiento_ == Asentamiento::Completo ? AsientaCompleto(tras)
        : asentamiento_ == Asentamiento::PorCambios
            ? asentador_.Asienta(tablero_, componentes_, pin_, GeneracionDeConexiones(),
                                 kLimiteDeIteraciones, tras)
            : compilado_.Asienta(tablero_, componentes_, pin_, GeneracionDeConexiones(),
                                 kLimiteDeIteraciones, tras, vigilada);
    nIteraciones_ += r.nIteraciones;
    if (analizador_ != nullptr) analizador_->Muestrea(*this);

    r.bAlLimite = bSinAsentar_ = r.nIteraciones == kLimiteDeIteraciones;
    if (oyente_) oyente_(r);
    return r;
}

int Mesa::AsientaCompleto(const std::function<void(int)>& tras) {
    // Every chip computes before any chip drives, so one iteration is a synchronous
    // step of the whole circuit and the list order does not matter.
    int n = 0;
    do {
        componentes_.CalculaFunciones();
        componentes_.Transmite();
        ++n;
        tras(n);
    } while (componentes_.HayCambio() && n < kLimiteDeIteraciones);
    return n;
}

}  // namespace velistra
