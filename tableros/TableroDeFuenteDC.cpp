#include "tableros/TableroDeFuenteDC.h"

#include "plataforma/Lienzo.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

namespace {

constexpr int kTerminalesPorTira = 4;

std::vector<GrupoDeTerminales> Terminales() {
    return {
        {TableroDeFuenteDC::kTerminalesVcc, TableroDeFuenteDC::kPrimerVcc, 0, 1},
        {TableroDeFuenteDC::kTerminalesGnd, TableroDeFuenteDC::kPrimerGnd, 0, 1},
    };
}

}  // namespace

TableroDeFuenteDC::TableroDeFuenteDC() : TableroDeTerminales(Terminales(), {kMarcador}) {
    nTipo = kFuenteDC;
    CreaPuertos(2 * kTerminalesPorTira);
    DefineTira(kPrimerVcc, kTerminalesPorTira, 'V');
    DefineTira(kPrimerGnd, kTerminalesPorTira, 'G');
    CreaEntradas(1, {kInterruptor.x0, kInterruptor.y0}, {15, 28});
    CreaSalidas(1, kPiloto, {18, 19});
}

void TableroDeFuenteDC::Dibuja(Lienzo& lienzo) {
    DibujaFondo(lienzo);
    if (!EstaEncendida()) return;
    const Punto interruptor = ptEntradas[0];
    lienzo.CopiaImagen(bmpEntrada, xEsquina + interruptor.x, yEsquina + interruptor.y, wEntrada,
                       hEntrada, ModoDeCopia::Copia);
    DibujaLuces(lienzo);
}

void TableroDeFuenteDC::DibujaLuces(Lienzo& lienzo) {
    // The pilot lamp has no state of its own: it is lit exactly while the switch is on.
    if (!EstaEncendida()) return;
    const Punto piloto = ptSalidas[0];
    lienzo.CopiaImagen(bmpSalida, xEsquina + piloto.x, yEsquina + piloto.y, wSalida, hSalida,
                       ModoDeCopia::Copia);
}

void TableroDeFuenteDC::Transmite() {
    const bool encendida = EstaEncendida();
    ExcitaTira(kPrimerVcc, encendida ? '1' : 'Z');
    ExcitaTira(kPrimerGnd, encendida ? '0' : 'Z');
}

void TableroDeFuenteDC::Conmuta() { bEntradas[0] = bEntradas[0] ? 0 : 1; }

bool TableroDeFuenteDC::EntradaEn(int x, int y) {
    return kInterruptor.Contiene(x - xEsquina, y - yEsquina);
}

std::optional<Mensaje> TableroDeFuenteDC::NombreDeTerminal(int i) const {
    return Mensaje::Literal(i < kPrimerGnd ? "VCC" : "GND");
}

void TableroDeFuenteDC::TestDePuerto(Lienzo& lienzo, int i, bool bEstado) {
    EscribeCaracterDePuerto(lienzo, i, bEstado);
}

std::unique_ptr<Tablero> NuevoTableroDeFuenteDC() { return std::make_unique<TableroDeFuenteDC>(); }

}  // namespace velistra
