#include "docencia/DescripcionDeHallazgos.h"

#include "chips/Catalogo.h"
#include "plataforma/CatalogoDeTextos.h"
#include "plataforma/Traducible.h"
#include "tableros/Fabrica.h"

namespace velistra::docencia {

namespace {

Mensaje N(long long n) { return Mensaje::Entero(n); }

Mensaje Lugar(const Hallazgo& h) {
    if (!h.area.empty())
        return Mensaje(VELISTRA_TEXTO("protoboard %1, columna %2, fila %3 de la zona %4"),
                       {N(h.tablero), N(h.columna), N(h.fila), Mensaje(h.area.c_str())});
    if (h.terminal >= 0)
        return Mensaje(VELISTRA_TEXTO("tablero %1, terminal %2"), {N(h.tablero), N(h.terminal)});
    return Mensaje(VELISTRA_TEXTO("tablero %1"), {N(h.tablero)});
}

// By the label the workbench prints on it, as the probe and the pinout name it too.
Mensaje Chip(long codigo, int numero) {
    return Mensaje(VELISTRA_TEXTO("chip %1 (n.º %2)"), {Mensaje::Literal(EtiquetaDeChip(codigo)), N(numero)});
}

Mensaje SinEnchufar(const Hallazgo& h, bool conPunto) {
    const Mensaje chip = Chip(h.codigo, h.chip);
    const char* porque = TextoDeRechazo(h.motivo);
    const Mensaje donde =
        conPunto ? Mensaje(VELISTRA_TEXTO("%1: no está enchufado en la protoboard (en %2, %3)"),
                           {chip, N(h.punto.x), N(h.punto.y)})
                 : Mensaje(VELISTRA_TEXTO("%1: no está enchufado en la protoboard"), {chip});
    if (*porque == '\0') return donde;
    return Mensaje(VELISTRA_TEXTO("%1. %2"), {donde, Mensaje(porque)});
}

Mensaje ChipYPatilla(long codigo, int numero, int patilla) {
    return Mensaje(VELISTRA_TEXTO("%1, patilla %2"), {Chip(codigo, numero), N(patilla)});
}

Mensaje Parte(const docencia::Parte& p) {
    if (p.chip < 0)
        return Mensaje(VELISTRA_TEXTO("tablero %1, terminal %2"), {N(p.tablero), N(p.terminal)});
    return ChipYPatilla(p.codigo, p.chip, p.pin);
}

Mensaje SalidasUnidas(const Hallazgo& h) {
    std::vector<Mensaje> otras;
    for (const docencia::Parte& p : h.otros) otras.push_back(Parte(p));
    if (h.chip < 0)
        return Mensaje(VELISTRA_TEXTO("%1: salida en la misma red que %2"),
                       {Lugar(h), Enumeracion(std::move(otras))});
    return Mensaje(VELISTRA_TEXTO("%1, patilla %2: salida en la misma red que %3 (%4)"),
                   {Chip(h.codigo, h.chip), N(h.pin), Enumeracion(std::move(otras)), Lugar(h)});
}

Mensaje Realimentacion(const Hallazgo& h) {
    std::vector<Mensaje> otros;
    for (const docencia::Parte& p : h.otros) otros.push_back(N(p.chip));
    const std::size_t n = otros.size();
    const Mensaje por =
        n == 0   ? Mensaje(VELISTRA_TEXTO("dentro del chip"))
        : n == 1 ? Mensaje(VELISTRA_TEXTO("con el chip n.º %1"), std::move(otros))
                 : Mensaje(VELISTRA_TEXTO("con los chips n.º %1"), {Enumeracion(std::move(otros))});
    return Mensaje(VELISTRA_TEXTO("%1, patilla %2: realimentación sin biestable %3 (%4)"),
                   {Chip(h.codigo, h.chip), N(h.pin), por, Lugar(h)});
}

Mensaje TableroSinAlimentacion(const Hallazgo& h) {
    return Mensaje(VELISTRA_TEXTO("tablero %1 (%2), terminal %3 (%4): la alimentación no llega; ha "
                                  "de ir al %4 de la fuente"),
                   {N(h.tablero), Mensaje(NombreDeTablero(h.tipoDeTablero)), N(h.terminal),
                    Mensaje::Literal(h.alimentacion == 'G' ? "GND" : "VCC")});
}

}  // namespace

Mensaje DescribeHallazgo(const Hallazgo& h, ConPunto punto) {
    const bool conPunto = punto == ConPunto::Si;
    const Mensaje x = N(h.punto.x);
    const Mensaje y = N(h.punto.y);
    switch (h.clase) {
        case ClaseDeHallazgo::ChipSinEnchufar:
            return SinEnchufar(h, conPunto);
        case ClaseDeHallazgo::SinAlimentacion:
            return Mensaje(VELISTRA_TEXTO("%1, patilla %2: la alimentación no llega (%3)"),
                           {Chip(h.codigo, h.chip), N(h.pin), Lugar(h)});
        case ClaseDeHallazgo::EntradaAlAire:
            return Mensaje(VELISTRA_TEXTO("%1, patilla %2: entrada al aire, se lee como 1 (%3)"),
                           {Chip(h.codigo, h.chip), N(h.pin), Lugar(h)});
        case ClaseDeHallazgo::CableSuelto:
            if (conPunto)
                return Mensaje(
                    VELISTRA_TEXTO("cable %1: un extremo no está conectado (%2, en %3, %4)"),
                    {N(h.cable + 1), Lugar(h), x, y});
            return Mensaje(VELISTRA_TEXTO("cable %1: un extremo no está conectado (%2)"),
                           {N(h.cable + 1), Lugar(h)});
        case ClaseDeHallazgo::SalidasUnidas:
            return SalidasUnidas(h);
        case ClaseDeHallazgo::TableroSinAlimentacion:
            return TableroSinAlimentacion(h);
        case ClaseDeHallazgo::Realimentacion:
            return Realimentacion(h);
    }
    return {};
}

}  // namespace velistra::docencia
