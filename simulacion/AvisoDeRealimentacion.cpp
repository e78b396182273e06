#include "simulacion/AvisoDeRealimentacion.h"

#include "plataforma/Avisos.h"
#include "plataforma/Textos.h"
#include "plataforma/Traducible.h"

namespace velistra {

namespace {

constexpr const char* kTituloDeRealimentacion = textos::kTituloDeInformacion;
constexpr const char* kTextoDeRealimentacion = VELISTRA_TEXTO(
    "El circuito posee realimentaciones y el límite de\n"
    "iteraciones para hallar una solución fue alcanzado.\n"
    "La simulación continuará con el último estado obtenido.");

}  // namespace

void MuestraAvisoDeRealimentacion(Avisos& avisos) {
    avisos.Muestra(kTextoDeRealimentacion, kTituloDeRealimentacion, Icono::Informacion);
}

Mesa::OyenteDeAsentamientos AvisoEnCadaLimite(Avisos& avisos) {
    return [&avisos](const Mesa::ResultadoDelAsentamiento& r) {
        if (r.bAlLimite) MuestraAvisoDeRealimentacion(avisos);
    };
}

Mesa::OyenteDeAsentamientos AvisoUnaVezPorEncendido(Avisos& avisos) {
    return [&avisos, avisado = -1](const Mesa::ResultadoDelAsentamiento& r) mutable {
        if (!r.bAlLimite || r.nEncendido == avisado) return;
        avisado = r.nEncendido;
        MuestraAvisoDeRealimentacion(avisos);
    };
}

}  // namespace velistra
