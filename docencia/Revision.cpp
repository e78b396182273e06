#include "docencia/Revision.h"

#include <algorithm>
#include <map>

#include "chips/CircuitoElectronico.h"
#include "docencia/LazosSinBiestable.h"
#include "docencia/PatillasDelChip.h"
#include "modelo/Componente.h"
#include "plataforma/Traducible.h"
#include "simulacion/Mesa.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra::docencia {

namespace {

// Area, column and row of port `i` on a board that names its holes so.
bool UbicaHueco(const Tablero* t, int i, Hallazgo& h) {
    const std::optional<Hueco> hueco = t != nullptr ? t->HuecoDePuerto(i) : std::nullopt;
    if (!hueco) return false;
    h.area = hueco->area;
    h.columna = hueco->columna;
    h.fila = hueco->fila;
    return true;
}

Hallazgo DelChip(const Mesa& mesa, ClaseDeHallazgo clase, int n, const Componente& chip, int pin) {
    Hallazgo h;
    h.clase = clase;
    h.chip = n;
    h.codigo = chip.Codigo();
    h.pin = pin;
    h.tablero = chip.NumeroDeProtoboard();
    h.punto = chip.Ubicacion();
    if (const Puerto* casilla = chip.DireccionDeCasilla(pin); pin > 0 && casilla != nullptr)
        UbicaHueco(mesa.TableroConIdentificador(chip.NumeroDeProtoboard()), casilla->Indice(), h);
    return h;
}

// How many ports each net has, so that an output on its own strip only counts as unused.
std::map<int, int> PuertosPorNodo(Mesa& mesa) {
    std::map<int, int> cuenta;
    for (const auto& t : mesa.tablero()) {
        for (int i = 0; i < t->NumeroDePuertos(); ++i) ++cuenta[t->DireccionDePuerto(i)->Nodo()];
    }
    return cuenta;
}

void RevisaPines(const Mesa& mesa, int n, const Componente& chip, const std::map<int, int>& puertos,
                 std::vector<Hallazgo>& hallazgos) {
    const char* tipos = chip.TiposDePines();
    for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
        const Puerto* casilla = chip.DireccionDeCasilla(pin);
        if (casilla == nullptr) continue;
        const char tipo = tipos[pin];
        const char alimentacion = AlimentacionDePatilla(chip, pin);
        if (alimentacion != 0) {
            if (casilla->Tipo() != alimentacion)
                hallazgos.push_back(DelChip(mesa, ClaseDeHallazgo::SinAlimentacion, n, chip, pin));
        } else if (tipo == 'E' && !EsTipoQueExcita(casilla->Tipo()) &&
                 EntradaQueImporta(chip, pin, puertos))
            hallazgos.push_back(DelChip(mesa, ClaseDeHallazgo::EntradaAlAire, n, chip, pin));
    }
}

// An end is sound when the port under it is on the board the wire names and is joined
// to the port under the other end.
void RevisaCables(Mesa& mesa, std::vector<Hallazgo>& hallazgos) {
    const std::vector<Cable>& cables = mesa.cables().Lista();
    for (std::size_t c = 0; c < cables.size(); ++c) {
        const Cable& cable = cables[c];
        const Punto extremos[2] = {{cable.AX(), cable.AY()}, {cable.BX(), cable.BY()}};
        const int tableros[2] = {cable.TableroA(), cable.TableroB()};
        Puerto* puertos[2] = {nullptr, nullptr};
        for (int e = 0; e < 2; ++e) {
            Tablero* t = mesa.TableroConIdentificador(tableros[e]);
            puertos[e] = t ? t->PuertoEn(extremos[e].x, extremos[e].y) : nullptr;
        }
        const bool unidos =
            puertos[0] && puertos[1] && puertos[0]->OtroPuerto() == puertos[1];
        if (unidos) continue;
        const int e = puertos[0] == nullptr || puertos[1] != nullptr ? 0 : 1;
        Hallazgo h;
        h.clase = ClaseDeHallazgo::CableSuelto;
        h.cable = static_cast<int>(c);
        h.tablero = tableros[e];
        h.punto = extremos[e];
        Tablero* t = mesa.TableroConIdentificador(tableros[e]);
        if (puertos[e] != nullptr && t != nullptr) {
            if (!UbicaHueco(t, puertos[e]->Indice(), h)) h.terminal = puertos[e]->Indice();
        }
        hallazgos.push_back(h);
    }
}

// A finding on terminal `puerto` of an instrument board, framed where wires snap to it.
Hallazgo DelTablero(ClaseDeHallazgo clase, Tablero& t, int puerto) {
    Hallazgo h;
    h.clase = clase;
    h.tablero = t.Identificador();
    h.tipoDeTablero = t.Tipo();
    h.terminal = puerto;
    h.punto = {t.EsquinaX(), t.EsquinaY()};
    if (const auto centro = t.CentroDePuerto(puerto)) h.punto = *centro;
    return h;
}

// Every source of a net: seated chips' output pins, then the driving strips of the
// instrument boards (one source a strip, named by its first terminal). The mouse never
// joins two of them; a file can.
void RevisaSalidasUnidas(Mesa& mesa, std::vector<Hallazgo>& hallazgos) {
    struct Fuente {
        Parte parte;
        const Componente* chip;
        Tablero* tablero;
    };
    std::map<int, std::size_t> redes;  // node number -> its entry in `fuentes`
    std::vector<std::vector<Fuente>> fuentes;
    auto agrega = [&](const Puerto& p, Fuente f) {
        const auto [it, nueva] = redes.try_emplace(p.Nodo(), fuentes.size());
        if (nueva) fuentes.emplace_back();
        fuentes[it->second].push_back(f);
    };
    int n = 0;
    for (const Componente& chip : mesa.componentes()) {
        ++n;
        if (!chip.EstaInsertado()) continue;
        for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
            const Puerto* casilla = chip.DireccionDeCasilla(pin);
            if (chip.TiposDePines()[pin] == 'S' && casilla != nullptr)
                agrega(*casilla, {{n, chip.Codigo(), pin, chip.NumeroDeProtoboard(), -1}, &chip, nullptr});
        }
    }
    for (const auto& t : mesa.tablero()) {
        if (DescripcionDe(*t).admiteChips) continue;
        for (int i = 0; i < t->NumeroDePuertos(); ++i) {
            const Puerto& p = *t->DireccionDePuerto(i);
            if (EsTipoQueExcita(p.TipoOriginal()) && p.NumeroDeAnteriores() == 0)
                agrega(p, {{-1, 0, 0, t->Identificador(), i}, nullptr, t.get()});
        }
    }
    for (const std::vector<Fuente>& red : fuentes) {
        if (red.size() < 2) continue;
        const Fuente& primera = red.front();
        Hallazgo h = primera.chip != nullptr
                         ? DelChip(mesa, ClaseDeHallazgo::SalidasUnidas, primera.parte.chip,
                                   *primera.chip, primera.parte.pin)
                         : DelTablero(ClaseDeHallazgo::SalidasUnidas, *primera.tablero,
                                      primera.parte.terminal);
        for (std::size_t k = 1; k < red.size(); ++k) h.otros.push_back(red[k].parte);
        hallazgos.push_back(h);
    }
}

// A board draws its power through its own terminals; one that has anything wired to it
// but a supply terminal off its strip works not at all (no lever drives, no lamp lights).
void RevisaAlimentacionDeTableros(Mesa& mesa, std::vector<Hallazgo>& hallazgos) {
    for (const auto& t : mesa.tablero()) {
        const std::vector<TomaDeAlimentacion> tomas = t->TomasDeAlimentacion();
        auto esToma = [&](int i) {
            return std::any_of(tomas.begin(), tomas.end(),
                               [i](const TomaDeAlimentacion& toma) { return toma.puerto == i; });
        };
        bool enUso = false;
        for (int i = 0; i < t->NumeroDePuertos() && !enUso; ++i)
            enUso = !esToma(i) && !t->DireccionDePuerto(i)->EstaLibre();
        if (!enUso) continue;
        for (const TomaDeAlimentacion& toma : tomas) {
            if (t->DireccionDePuerto(toma.puerto)->Tipo() == toma.tipo) continue;
            Hallazgo h = DelTablero(ClaseDeHallazgo::TableroSinAlimentacion, *t, toma.puerto);
            h.alimentacion = toma.tipo;
            hallazgos.push_back(h);
        }
    }
}

void RevisaRealimentaciones(Mesa& mesa, std::vector<Hallazgo>& hallazgos) {
    for (const Lazo& lazo : LazosSinBiestable(mesa)) {
        const auto primero = static_cast<std::size_t>(lazo.chips.front());
        Hallazgo h = DelChip(mesa, ClaseDeHallazgo::Realimentacion, lazo.chips.front() + 1,
                             mesa.componentes()[primero], lazo.pin);
        for (std::size_t k = 1; k < lazo.chips.size(); ++k) {
            const Componente& chip = mesa.componentes()[static_cast<std::size_t>(lazo.chips[k])];
            h.otros.push_back({lazo.chips[k] + 1, chip.Codigo(), 0, chip.NumeroDeProtoboard(), -1});
        }
        hallazgos.push_back(h);
    }
}

// A finding on a chip's pin is framed at the hole under that pin, where the student
// looks, not at the chip's corner.
void SenalaLosHuecos(Mesa& mesa, std::vector<Hallazgo>& hallazgos) {
    for (Hallazgo& h : hallazgos) {
        if (h.chip < 1 || h.pin < 1 || static_cast<std::size_t>(h.chip) > mesa.componentes().size()) continue;
        const Componente& chip = mesa.componentes()[static_cast<std::size_t>(h.chip - 1)];
        const Puerto* casilla = chip.DireccionDeCasilla(h.pin);
        const Tablero* protoboard = mesa.TableroConIdentificador(chip.NumeroDeProtoboard());
        if (casilla == nullptr || protoboard == nullptr) continue;
        if (const auto centro = protoboard->CentroDePuerto(casilla->Indice())) h.punto = *centro;
    }
}

}  // namespace

std::vector<Hallazgo> RevisaCircuito(Mesa& mesa) {
    std::vector<Hallazgo> hallazgos;
    const std::map<int, int> puertos = PuertosPorNodo(mesa);
    int n = 0;
    for (const Componente& chip : mesa.componentes()) {
        ++n;
        if (!chip.EstaInsertado()) {
            Hallazgo h = DelChip(mesa, ClaseDeHallazgo::ChipSinEnchufar, n, chip, 0);
            h.motivo = mesa.MotivoParaInsertar(mesa.componentes()[static_cast<std::size_t>(n - 1)]);
            hallazgos.push_back(h);
            continue;
        }
        RevisaPines(mesa, n, chip, puertos, hallazgos);
    }
    RevisaCables(mesa, hallazgos);
    RevisaSalidasUnidas(mesa, hallazgos);
    RevisaAlimentacionDeTableros(mesa, hallazgos);
    RevisaRealimentaciones(mesa, hallazgos);
    SenalaLosHuecos(mesa, hallazgos);
    return hallazgos;
}

}  // namespace velistra::docencia
