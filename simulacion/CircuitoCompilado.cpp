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

using Pines = std::vector<int>;

// A gate chip's gates, each with the pins it reads: its inputs, then ground and supply.
void PartesDePuertas(const PuertasCompiladas& esquema, std::vector<CircuitoCompilado::ParteSuelta>& partes,
                     std::vector<Pines>& pines) {
    for (int k = 0; k < esquema.NumeroDePuertas(); ++k) {
        CircuitoCompilado::ParteSuelta parte{};
        parte.pin = esquema.SalidaDe(k);
        parte.codigo = esquema.CodigoDe(k);
        parte.forma = esquema.FormaDe(k);
        parte.negada = esquema.EsNegada(k);
        partes.push_back(parte);
        pines.push_back(esquema.PinesQueLee(k));
    }
}

// A flip-flop chip's flip-flops, each with the pins it reads (its inputs, then ground and
// supply), when they share no pin or entry and drive every output between them: then one
// computed alone leaves the chip's table as computing them all would.
void PartesDeBiestables(const ChipDeBiestables& modelo, std::vector<CircuitoCompilado::ParteSuelta>& partes,
                        std::vector<Pines>& pines) {
    std::vector<char> usada(CircuitoElectronico::kEntradasDeTabla, 0);
    const auto usa = [&usada](int entrada) { return entrada != 0 && usada[static_cast<std::size_t>(entrada)]++ != 0; };
    for (const ChipDeBiestables::Registro& b : modelo.Registros()) {
        // J and K are one entry for a D flip-flop.
        if (usa(b.reloj) | usa(b.anterior) | usa(b.j) | (b.k != b.j && usa(b.k)) | usa(b.preset) | usa(b.clear) | usa(b.q) |
            usa(b.qNegada))
            return;
    }
    for (const unsigned char* s = modelo.PinesDeSalida(); *s != 0; ++s) {
        if (usada[*s] == 0) return;
    }
    const Alimentacion alimentacion = modelo.PinesDeAlimentacion();
    for (const ChipDeBiestables::Registro& b : modelo.Registros()) {
        CircuitoCompilado::ParteSuelta parte{};
        parte.pin = b.q;
        parte.forma = CircuitoCompilado::ParteSuelta::kBiestable;
        parte.nivelTrasElFlanco = modelo.NivelTrasElFlanco();
        parte.biestable = b;
        partes.push_back(parte);
        Pines leidos;
        for (const int pin : {b.reloj, b.j, b.k, b.preset, b.clear}) {
            if (pin != 0 && std::find(leidos.begin(), leidos.end(), pin) == leidos.end()) leidos.push_back(pin);
        }
        leidos.push_back(alimentacion.tierra);
        leidos.push_back(alimentacion.vcc);
        pines.push_back(std::move(leidos));
    }
}

// Every pin the chip reads sits in a hole and feeds a part, and its supply and ground
// pins sit on nets of their kind: then a part's outputs depend on its own pins' levels
// only, and computing some parts leaves the chip's table as reading them all would.
bool PuedeIrPorPartes(const Componente& chip, const std::vector<Pines>& pinesDePartes) {
    if (pinesDePartes.empty()) return false;
    std::vector<bool> leido(static_cast<std::size_t>(chip.NumeroDePines()) + 1, false);
    for (const Pines& pines : pinesDePartes) {
        for (const int pin : pines) {
            if (pin > chip.NumeroDePines()) return false;
            leido[static_cast<std::size_t>(pin)] = true;
        }
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
    std::vector<char> porPartes;
    std::vector<std::vector<ParteSuelta>> partesDeChips;
    std::vector<std::vector<Pines>> pinesDePartes;
    std::vector<std::pair<int, int>> lecturas;  // (net, chip)
    for (std::size_t c = 0; c < componentes.size(); ++c) {
        const Componente& chip = componentes[c];
        modelos.push_back(chip.Circuito());
        puertas.push_back(Compila(chip.Circuito()));
        partesDeChips.emplace_back();
        pinesDePartes.emplace_back();
        if (puertas.back() != nullptr) {
            PartesDePuertas(*puertas.back(), partesDeChips.back(), pinesDePartes.back());
        } else if (const auto* biestables = dynamic_cast<const ChipDeBiestables*>(chip.Circuito())) {
            PartesDeBiestables(*biestables, partesDeChips.back(), pinesDePartes.back());
        }
        porPartes.push_back(PuedeIrPorPartes(chip, pinesDePartes.back()));
        for (int k = 0; k < chip.NumeroDeSalidas(); ++k) {
            const int pin = chip.PinDeSalida(k);
            todas.push_back({static_cast<int>(c), pin, redes.RedDe(chip.DireccionDeCasilla(pin))});
        }
        for (int k = 0; k < chip.NumeroDeLecturas(); ++k) {
            lecturas.emplace_back(redes.RedDe(chip.DireccionDeCasilla(chip.PinDeLectura(k))), static_cast<int>(c));
        }
    }
    nRedes = redes.NumeroDeRedes();

    // Drivers per net: chip outputs, and the driving terminals of instrument boards.
    std::vector<int> conductores = redes.ConductoresDeTableros(tableros);
    redesExcitadas = redes.RedesExcitadasPorTableros(tableros);
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
            return std::make_tuple(l.first, porPartes[static_cast<std::size_t>(l.second)], l.second);
        };
        return clave(a) < clave(b);
    };
    std::sort(lecturas.begin(), lecturas.end(), enteroAntes);
    lecturas.erase(std::unique(lecturas.begin(), lecturas.end()), lecturas.end());
    AgrupaPorRed(lecturas, nRedes, primerLector, lectores);
    // Within each net's readers, those that never go part by part come first: where they end.
    finLectorEntero.assign(primerLector.begin(), primerLector.end() - 1);
    for (const auto& [red, c] : lecturas) {
        if (porPartes[static_cast<std::size_t>(c)] == 0) ++finLectorEntero[static_cast<std::size_t>(red)];
    }
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
    for (std::size_t c = 0; c < componentes.size(); ++c) {
        if (porPartes[c] == 0) partesDeChips[c].clear();
    }
    SueltaLasPartes(componentes, partesDeChips, pinesDePartes, todas, redes);
}

void CircuitoCompilado::SueltaLasPartes(const Componentes& componentes,
                                        const std::vector<std::vector<ParteSuelta>>& partesDeChips,
                                        const std::vector<std::vector<Pines>>& pinesDePartes,
                                        const std::vector<Salida>& salidasDeChips, NumeracionDeRedes& redes) {
    std::vector<char> conducida(static_cast<std::size_t>(nRedes), 0);
    for (const Salida& s : salidasDeChips) conducida[static_cast<std::size_t>(s.red)] = 1;
    partes.clear();
    lecturasDePartes.clear();
    primeraParte.assign(1, 0);
    std::vector<std::pair<int, int>> lectoras;  // (net, part)
    for (int c = 0; c < static_cast<int>(componentes.size()); ++c) {
        const Componente& chip = componentes[static_cast<std::size_t>(c)];
        const auto redDeLaSalida = [&](int pin) {
            int red = -1;
            for (auto [s, fin] = SalidasDe(c); s != fin; ++s) {
                if (s->pin == pin) red = s->red;
            }
            return red;
        };
        const std::vector<ParteSuelta>& suyas = partesDeChips[static_cast<std::size_t>(c)];
        for (std::size_t k = 0; k < suyas.size(); ++k) {
            ParteSuelta parte = suyas[k];
            parte.chip = c;
            parte.red = redDeLaSalida(parte.pin);
            parte.redNegada = redDeLaSalida(parte.biestable.qNegada);
            parte.primeraLectura = static_cast<int>(lecturasDePartes.size());
            for (const int pin : pinesDePartes[static_cast<std::size_t>(c)][k]) {
                const int red = redes.RedDe(chip.DireccionDeCasilla(pin));
                lecturasDePartes.push_back({pin, red});
                lectoras.emplace_back(red, static_cast<int>(partes.size()));
            }
            parte.finLecturas = static_cast<int>(lecturasDePartes.size());
            // Ground and supply are the last two reads.
            parte.alimentacionFija = true;
            for (std::size_t l = lecturasDePartes.size() - 2; l < lecturasDePartes.size(); ++l)
                parte.alimentacionFija = parte.alimentacionFija && conducida[static_cast<std::size_t>(lecturasDePartes[l].red)] == 0;
            partes.push_back(parte);
        }
        primeraParte.push_back(static_cast<int>(partes.size()));
    }
    AgrupaPorRed(lectoras, nRedes, primeraParteLectora, partesLectoras);
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
