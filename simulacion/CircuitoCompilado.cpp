#include "simulacion/CircuitoCompilado.h"

#include <algorithm>
#include <functional>
#include <tuple>

#include "chips/EsquemaDePuertas.h"
#include "chips/Puertas.h"
#include "modelo/Componentes.h"
#include "modelo/Puerto.h"
#include "simulacion/NumeracionDeRedes.h"

namespace velistra {

namespace {

// Lays (net, value) pairs out as one list grouped by net, in the pairs' order within a net.
template <typename T>
void AgrupaPorRed(const std::vector<std::pair<int, T>>& pares, int nRedes, std::vector<int>& primero,
                  std::vector<T>& lista) {
    primero.assign(static_cast<std::size_t>(nRedes) + 1, 0);
    for (const auto& par : pares) ++primero[static_cast<std::size_t>(par.first) + 1];
    for (std::size_t r = 0; r < static_cast<std::size_t>(nRedes); ++r) primero[r + 1] += primero[r];
    std::vector<int> siguiente(primero.begin(), primero.end() - 1);
    lista.assign(pares.size(), T{});
    for (const auto& [red, valor] : pares)
        lista[static_cast<std::size_t>(siguiente[static_cast<std::size_t>(red)]++)] = valor;
}

// Where, within each net's stretch of a list laid out by AgrupaPorRed, the entries of chips
// that never go gate by gate end: they were laid out first.
template <typename Iterador, typename EsDeEntero>
std::vector<int> FinDeLosEnteros(const std::vector<int>& primero, Iterador desde, Iterador hasta,
                                 EsDeEntero esDeEntero) {
    std::vector<int> fin(primero.begin(), primero.end() - 1);
    for (; desde != hasta; ++desde) {
        if (esDeEntero(*desde)) ++fin[static_cast<std::size_t>(desde->first)];
    }
    return fin;
}

// Every pin the chip reads sits in a hole and feeds a gate, and its supply and ground
// pins sit on nets of their kind: then a gate's output depends on its own pins' levels
// only, and evaluating some gates leaves the chip's table as reading them all would.
bool PuedeIrPorPuertas(const Componente& chip, const PuertasCompiladas& esquema) {
    std::vector<bool> leido(static_cast<std::size_t>(chip.NumeroDePines()) + 1, false);
    for (int k = 0; k < esquema.NumeroDePuertas(); ++k) {
        for (const int pin : esquema.PinesQueLee(k)) leido[static_cast<std::size_t>(pin)] = true;
    }
    const char* tipos = chip.TiposDePines();
    for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
        const char tipo = tipos[pin];
        if (tipo != 'E' && tipo != 'V' && tipo != 'G') continue;
        const Puerto* hoyo = chip.DireccionDeCasilla(pin);
        if (hoyo == nullptr || !leido[static_cast<std::size_t>(pin)] || (tipo != 'E' && hoyo->Tipo() != tipo))
            return false;
    }
    return true;
}

}  // namespace

bool CircuitoCompilado::Vigente(const std::vector<std::unique_ptr<Tablero>>& tableros,
                                const Componentes& componentes, const Puerto* centinela,
                                unsigned long generacion) const {
    if (nGeneracion != generacion || pCentinela != centinela ||
        nTableros != tableros.size() || modelos.size() != componentes.size())
        return false;
    for (std::size_t c = 0; c < modelos.size(); ++c) {
        if (componentes[c].Circuito() != modelos[c]) return false;
    }
    return true;
}

void CircuitoCompilado::Construye(const std::vector<std::unique_ptr<Tablero>>& tableros,
                                  Componentes& componentes, const Puerto* centinela,
                                  unsigned long generacion) {
    nGeneracion = generacion;
    pCentinela = centinela;
    nTableros = tableros.size();
    modelos.clear();
    puertas.clear();

    NumeracionDeRedes redes(centinela);
    std::vector<Salida> todas;
    std::vector<char> porPuertas;
    std::vector<std::pair<int, int>> lecturas;  // (net, chip)
    // (net, hole), those of chips that never go gate by gate first.
    std::vector<std::pair<int, Puerto*>> leidos;
    std::vector<std::pair<int, Puerto*>> leidosPorPuertas;
    for (std::size_t c = 0; c < componentes.size(); ++c) {
        const Componente& chip = componentes[c];
        modelos.push_back(chip.Circuito());
        puertas.push_back(Compila(chip.Circuito()));
        porPuertas.push_back(puertas.back() != nullptr && PuedeIrPorPuertas(chip, *puertas.back()));
        for (int k = 0; k < chip.NumeroDeSalidas(); ++k) {
            const int pin = chip.PinDeSalida(k);
            todas.push_back({static_cast<int>(c), pin, redes.RedDe(chip.DireccionDeCasilla(pin))});
        }
        for (int k = 0; k < chip.NumeroDeLecturas(); ++k) {
            Puerto* hoyo = chip.DireccionDeCasilla(chip.PinDeLectura(k));
            const int red = redes.RedDe(hoyo);
            lecturas.emplace_back(red, static_cast<int>(c));
            (porPuertas.back() != 0 ? leidosPorPuertas : leidos).emplace_back(red, hoyo);
        }
    }
    nRedes = redes.NumeroDeRedes();

    // Drivers per net: chip outputs, and the driving terminals of instrument boards.
    std::vector<int> conductores = redes.ConductoresDeTableros(tableros);
    redesDeTableros = redes.RedesDeTableros(tableros);
    for (const Salida& s : todas) ++conductores[static_cast<std::size_t>(s.red)];
    primeraSalida.assign(1, 0);
    salidas.clear();
    salidasCompartidas.clear();
    redesCompartidas.clear();
    std::size_t s = 0;
    for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
        for (; s < todas.size() && todas[s].chip == c; ++s) {
            const Salida& salida = todas[s];
            if (conductores[static_cast<std::size_t>(salida.red)] == 1) {
                salidas.push_back(salida);
                continue;
            }
            salidasCompartidas.push_back(salida);
            if (std::find(redesCompartidas.begin(), redesCompartidas.end(), salida.red) == redesCompartidas.end())
                redesCompartidas.push_back(salida.red);
        }
        primeraSalida.push_back(static_cast<int>(salidas.size()));
    }

    const auto enteroAntes = [&](const std::pair<int, int>& a, const std::pair<int, int>& b) {
        const auto clave = [&](const std::pair<int, int>& l) {
            return std::make_tuple(l.first, porPuertas[static_cast<std::size_t>(l.second)], l.second);
        };
        return clave(a) < clave(b);
    };
    std::sort(lecturas.begin(), lecturas.end(), enteroAntes);
    lecturas.erase(std::unique(lecturas.begin(), lecturas.end()), lecturas.end());
    AgrupaPorRed(lecturas, nRedes, primerLector, lectores);
    finLectorEntero = FinDeLosEnteros(primerLector, lecturas.begin(), lecturas.end(), [&](const std::pair<int, int>& l) {
        return porPuertas[static_cast<std::size_t>(l.second)] == 0;
    });
    const std::size_t hoyosDeEnteros = leidos.size();
    leidos.insert(leidos.end(), leidosPorPuertas.begin(), leidosPorPuertas.end());
    AgrupaPorRed(leidos, nRedes, primerHoyo, hoyos);
    finHoyoEntero = FinDeLosEnteros(primerHoyo, leidos.begin(), leidos.begin() + static_cast<std::ptrdiff_t>(hoyosDeEnteros),
                                    [](const std::pair<int, Puerto*>&) { return true; });
    const std::vector<std::pair<int, Puerto*>> todosLosPuertos = [&] {
        std::vector<std::pair<int, Puerto*>> pares;
        pares.reserve(redes.Puertos().size());
        for (const auto& [puerto, red] : redes.Puertos()) pares.emplace_back(red, puerto);
        // In memory order within a net: a strip's holes lie side by side, and writing a
        // level goes through them in a row.
        std::sort(pares.begin(), pares.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : std::less<const Puerto*>()(a.second, b.second);
        });
        return pares;
    }();
    AgrupaPorRed(todosLosPuertos, nRedes, primerPuerto, puertos);
    SueltaLasPuertas(componentes, porPuertas, todas, redes);
}

void CircuitoCompilado::SueltaLasPuertas(const Componentes& componentes, const std::vector<char>& porPuertas,
                                         const std::vector<Salida>& salidasDeChips, NumeracionDeRedes& redes) {
    std::vector<char> conducida(static_cast<std::size_t>(nRedes), 0);
    for (const Salida& s : salidasDeChips) conducida[static_cast<std::size_t>(s.red)] = 1;
    sueltas.clear();
    lecturasDePuertas.clear();
    primeraSuelta.assign(1, 0);
    std::vector<std::pair<int, int>> lectoras;  // (net, gate)
    for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
        const Componente& chip = componentes[static_cast<std::size_t>(c)];
        const PuertasCompiladas* esquema = PuertasDe(c);
        if (porPuertas[static_cast<std::size_t>(c)] != 0) {
            for (int k = 0; k < esquema->NumeroDePuertas(); ++k) {
                PuertaSuelta puerta{c, esquema->SalidaDe(k), -1, static_cast<int>(lecturasDePuertas.size()), 0,
                                    esquema->CodigoDe(k), esquema->FormaDe(k), esquema->EsNegada(k), true};
                for (auto [s, fin] = SalidasDe(c); s != fin; ++s) {
                    if (s->pin == puerta.pin) puerta.red = s->red;
                }
                for (const int pin : esquema->PinesQueLee(k)) {
                    const int red = redes.RedDe(chip.DireccionDeCasilla(pin));
                    lecturasDePuertas.push_back({pin, red});
                    lectoras.emplace_back(red, static_cast<int>(sueltas.size()));
                }
                puerta.finLecturas = static_cast<int>(lecturasDePuertas.size());
                // Ground and supply are the last two reads.
                for (std::size_t k = lecturasDePuertas.size() - 2; k < lecturasDePuertas.size(); ++k)
                    puerta.alimentacionFija = puerta.alimentacionFija && conducida[static_cast<std::size_t>(lecturasDePuertas[k].red)] == 0;
                sueltas.push_back(puerta);
            }
        }
        primeraSuelta.push_back(static_cast<int>(sueltas.size()));
    }
    AgrupaPorRed(lectoras, nRedes, primeraPuertaLectora, puertasLectoras);
}

const PuertasCompiladas* CircuitoCompilado::Compila(const CircuitoElectronico* modelo) {
    const auto* chip = dynamic_cast<const ChipDePuertas*>(modelo);
    if (chip == nullptr) return nullptr;
    for (const auto& [conocido, compilado] : compiladas) {
        if (conocido == modelo) return compilado.get();
    }
    compiladas.emplace_back(modelo, std::make_unique<PuertasCompiladas>(chip->Esquema()));
    return compiladas.back().second.get();
}

}  // namespace velistra
