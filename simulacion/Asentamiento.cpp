#include "simulacion/Mesa.h"

#include <algorithm>

#include "plataforma/Avisos.h"
#include "simulacion/AnalizadorLogico.h"
#include "plataforma/Textos.h"
#include "plataforma/Traducible.h"

namespace velistra {

namespace {

constexpr const char* kTituloDeRealimentacion = textos::kTituloDeInformacion;
constexpr const char* kTextoDeRealimentacion = VELISTRA_TEXTO(
    "El circuito posee realimentaciones y el límite de\n"
    "iteraciones para hallar una solución fue alcanzado.\n"
    "La simulación continuará con el último estado obtenido.");

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

int Mesa::EjecutaFunciones() {
    // The limit message is modal: a timer tick arriving while it is open must neither
    // settle the half-settled circuit nor stack another message.
    if (bAsentando) return 0;
    const Asentando asentando(bAsentando);

    vigia.Empieza(componentes, kLimiteDeIteraciones);
    const std::function<void(int)> tras = [this](int i) { vigia.TrasIteracion(componentes, i); };
    // The watch looks only at the last iterations before the limit.
    const int vigilada = std::max(1, kLimiteDeIteraciones - VigiaDeRealimentacion::kVentana);
    const int n = asentamiento == Asentamiento::Completo ? AsientaCompleto(tras)
                  : asentamiento == Asentamiento::PorCambios
                      ? asentador.Asienta(tablero, componentes, pin, kLimiteDeIteraciones, tras)
                      : compilado.Asienta(tablero, componentes, pin, kLimiteDeIteraciones, tras, vigilada);
    nIteraciones += n;
    if (analizador != nullptr) analizador->Muestrea(*this);

    bSinAsentar = n == kLimiteDeIteraciones;
    if (bSinAsentar && !(bAvisoUnaVezPorEncendido && bAvisado)) {
        bAvisado = true;
        avisos.Muestra(kTextoDeRealimentacion, kTituloDeRealimentacion, Icono::Informacion);
    }
    return n;
}

int Mesa::AsientaCompleto(const std::function<void(int)>& tras) {
    // Every chip computes before any chip drives, so one iteration is a synchronous
    // step of the whole circuit and the list order does not matter.
    int n = 0;
    do {
        componentes.CalculaFunciones();
        componentes.Transmite();
        ++n;
        tras(n);
    } while (componentes.HayCambio() && n < kLimiteDeIteraciones);
    return n;
}

}  // namespace velistra
