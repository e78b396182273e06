#include "plataforma/Recursos.h"

#include <array>

namespace velistra::recursos {

namespace {
constexpr std::array kTodas{
    BarraDeHerramientas, Lienzo, Protoboard, Interruptores, InterruptorON, Pulsadores,
    PulsadorON, Leds, LedON, Reloj, FuenteDC, Leds7Segmentos,
    Chip14, Mascara14, Chip16, Mascara16, Chip18, Mascara18, Chip20, Mascara20, Chip24, Mascara24,
    PlaAnd, PlaOr, PlaNot, PlaLedApagado, PlaLedEncendido, PlaInterruptorApagado,
    PlaInterruptorEncendido,
};
}  // namespace

std::span<const Imagen> Todas() { return kTodas; }

Imagen PorId(int id) {
    for (const Imagen& imagen : kTodas) {
        if (imagen.id == id) return imagen;
    }
    return Imagen{};
}

}  // namespace velistra::recursos
