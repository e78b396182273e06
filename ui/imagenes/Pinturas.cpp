#include "ui/imagenes/Pinturas.h"

#include <array>

#include "plataforma/Recursos.h"

namespace velistra::pinturas {

namespace {
namespace r = recursos;

constexpr std::array kPinturas{
    Pintura{r::BarraDeHerramientas.id, &BarraDeHerramientas},
    Pintura{r::Lienzo.id, &LienzoBlanco},
    Pintura{r::Protoboard.id, &Protoboard},
    Pintura{r::Interruptores.id, &Interruptores},
    Pintura{r::InterruptorON.id, &InterruptorON},
    Pintura{r::Pulsadores.id, &Pulsadores},
    Pintura{r::PulsadorON.id, &PulsadorON},
    Pintura{r::Leds.id, &Leds},
    Pintura{r::LedON.id, &LedON},
    Pintura{r::Reloj.id, &Reloj},
    Pintura{r::FuenteDC.id, &FuenteDC},
    Pintura{r::Leds7Segmentos.id, &Leds7Segmentos},
    Pintura{r::Chip14.id, [] { return Chip(14, false); }},
    Pintura{r::Mascara14.id, [] { return Chip(14, true); }},
    Pintura{r::Chip16.id, [] { return Chip(16, false); }},
    Pintura{r::Mascara16.id, [] { return Chip(16, true); }},
    Pintura{r::Chip18.id, [] { return Chip(18, false); }},
    Pintura{r::Mascara18.id, [] { return Chip(18, true); }},
    Pintura{r::Chip20.id, [] { return Chip(20, false); }},
    Pintura{r::Mascara20.id, [] { return Chip(20, true); }},
    Pintura{r::Chip24.id, [] { return Chip(24, false); }},
    Pintura{r::Mascara24.id, [] { return Chip(24, true); }},
    Pintura{r::PlaAnd.id, &PlaAnd},
    Pintura{r::PlaOr.id, &PlaOr},
    Pintura{r::PlaNot.id, &PlaNot},
    Pintura{r::PlaLedApagado.id, [] { return PlaLed(false); }},
    Pintura{r::PlaLedEncendido.id, [] { return PlaLed(true); }},
    Pintura{r::PlaInterruptorApagado.id, [] { return PlaInterruptor(false); }},
    Pintura{r::PlaInterruptorEncendido.id, [] { return PlaInterruptor(true); }},
};
}  // namespace

std::span<const Pintura> Todas() { return kPinturas; }

}  // namespace velistra::pinturas
