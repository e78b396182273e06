#include "docencia/LazosSinBiestable.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <utility>

#include "chips/Catalogo.h"
#include "chips/CircuitoElectronico.h"
#include "modelo/Componente.h"
#include "simulacion/Mesa.h"

namespace velistra::docencia {

namespace {

// Bit i stands for pin i.
using Pines = std::uint64_t;
using Dependencias = std::array<Pines, CircuitoElectronico::kEntradasDeTabla>;

// The widest chip without state has 14 inputs; past this, every output is taken to hang
// on every input, which can only find a loop too many.
constexpr std::size_t kEntradasQueSeRecorren = 16;

constexpr Pines Bit(int pin) { return Pines{1} << pin; }

// Per output pin, the input pins that can move it: every combination of the inputs is
// tried on the powered chip, and an input counts when flipping it changes the output in
// any of them.
Dependencias DependenciasDe(const CircuitoElectronico& modelo) {
    const char* tipos = modelo.TiposDePines();
    std::vector<int> entradas;
    Pines salidas = 0;
    for (int pin = 1; pin <= modelo.NumeroDePines(); ++pin) {
        if (tipos[pin] == 'E') entradas.push_back(pin);
        if (tipos[pin] == 'S') salidas |= Bit(pin);
    }
    Dependencias dependencias{};
    if (entradas.size() > kEntradasQueSeRecorren) {
        Pines todas = 0;
        for (int pin : entradas) todas |= Bit(pin);
        for (int pin = 1; pin <= modelo.NumeroDePines(); ++pin)
            if ((salidas & Bit(pin)) != 0) dependencias[static_cast<std::size_t>(pin)] = todas;
        return dependencias;
    }
    const std::size_t combinaciones = std::size_t{1} << entradas.size();
    std::vector<Pines> respuestas(combinaciones);
    for (std::size_t c = 0; c < combinaciones; ++c) {
        std::array<bool, CircuitoElectronico::kEntradasDeTabla> valores{};
        for (int pin = 1; pin <= modelo.NumeroDePines(); ++pin) valores[static_cast<std::size_t>(pin)] = tipos[pin] == 'V';
        for (std::size_t k = 0; k < entradas.size(); ++k)
            valores[static_cast<std::size_t>(entradas[k])] = (c >> k & 1) != 0;
        modelo.Funcion(valores.data());
        Pines altas = 0;
        for (int pin = 1; pin <= modelo.NumeroDePines(); ++pin)
            if ((salidas & Bit(pin)) != 0 && valores[static_cast<std::size_t>(pin)]) altas |= Bit(pin);
        respuestas[c] = altas;
    }
    for (std::size_t c = 0; c < combinaciones; ++c) {
        for (std::size_t k = 0; k < entradas.size(); ++k) {
            if ((c >> k & 1) != 0) continue;
            const Pines cambian = respuestas[c] ^ respuestas[c | std::size_t{1} << k];
            for (int pin = 1; pin <= modelo.NumeroDePines(); ++pin)
                if ((cambian & Bit(pin)) != 0) dependencias[static_cast<std::size_t>(pin)] |= Bit(entradas[k]);
        }
    }
    return dependencias;
}

// From an input net to an output net, through one chip.
struct Arista {
    int destino;
    int chip;
    int pin;  // the output
};

// The strongly connected groups of nets (Tarjan's, with its own stack: a loaded file can
// hold chains as long as it likes). Answers each net's group.
std::vector<int> Grupos(const std::vector<std::vector<Arista>>& aristas) {
    const int n = static_cast<int>(aristas.size());
    std::vector<int> orden(static_cast<std::size_t>(n), -1), bajo(static_cast<std::size_t>(n), 0),
        grupo(static_cast<std::size_t>(n), -1);
    std::vector<int> pila;
    std::vector<std::pair<int, std::size_t>> llamadas;  // net, next edge to follow
    int siguiente = 0;
    int grupos = 0;
    for (int raiz = 0; raiz < n; ++raiz) {
        if (orden[static_cast<std::size_t>(raiz)] >= 0) continue;
        llamadas.emplace_back(raiz, 0);
        while (!llamadas.empty()) {
            auto& [v, k] = llamadas.back();
            const auto sv = static_cast<std::size_t>(v);
            if (k == 0 && orden[sv] < 0) {
                orden[sv] = bajo[sv] = siguiente++;
                pila.push_back(v);
            }
            if (k < aristas[sv].size()) {
                const auto w = static_cast<std::size_t>(aristas[sv][k++].destino);
                if (orden[w] < 0) llamadas.emplace_back(static_cast<int>(w), 0);
                else if (grupo[w] < 0) bajo[sv] = std::min(bajo[sv], orden[w]);
                continue;
            }
            if (bajo[sv] == orden[sv]) {
                int w = -1;
                do {
                    w = pila.back();
                    pila.pop_back();
                    grupo[static_cast<std::size_t>(w)] = grupos;
                } while (w != v);
                ++grupos;
            }
            const int hecho = v;
            llamadas.pop_back();
            if (!llamadas.empty()) {
                const auto padre = static_cast<std::size_t>(llamadas.back().first);
                bajo[padre] = std::min(bajo[padre], bajo[static_cast<std::size_t>(hecho)]);
            }
        }
    }
    return grupo;
}

}  // namespace

std::vector<Lazo> LazosSinBiestable(Mesa& mesa) {
    std::map<long, Dependencias> porTipo;
    std::map<int, int> redes;  // node number -> net
    auto red = [&](const Puerto* p) { return redes.try_emplace(p->Nodo(), static_cast<int>(redes.size())).first->second; };

    struct Paso {
        int desde;
        Arista arista;
    };
    std::vector<Paso> pasos;
    for (std::size_t c = 0; c < mesa.componentes().size(); ++c) {
        const Componente& chip = mesa.componentes()[c];
        const CircuitoElectronico* modelo = chip.Circuito();
        const FichaDeChip* ficha = FichaDeCatalogo(static_cast<int>(chip.Codigo()));
        if (!chip.EstaInsertado() || modelo == nullptr || ficha == nullptr || GuardaEstado(*ficha))
            continue;
        auto [it, nuevo] = porTipo.try_emplace(chip.Codigo());
        if (nuevo) it->second = DependenciasDe(*modelo);
        const Dependencias& dependencias = it->second;
        for (int salida = 1; salida <= chip.NumeroDePines(); ++salida) {
            const Pines entradas = dependencias[static_cast<std::size_t>(salida)];
            const Puerto* hacia = chip.DireccionDeCasilla(salida);
            if (entradas == 0 || hacia == nullptr) continue;
            for (int entrada = 1; entrada <= chip.NumeroDePines(); ++entrada) {
                const Puerto* desde = chip.DireccionDeCasilla(entrada);
                if ((entradas & Bit(entrada)) == 0 || desde == nullptr) continue;
                pasos.push_back({red(desde), {red(hacia), static_cast<int>(c), salida}});
            }
        }
    }

    std::vector<std::vector<Arista>> aristas(redes.size());
    for (const Paso& p : pasos) aristas[static_cast<std::size_t>(p.desde)].push_back(p.arista);
    const std::vector<int> grupo = Grupos(aristas);

    // A step inside one group lies on a loop; so does a chip's output on its own input.
    struct Reunido {
        Lazo lazo;
        int primero = -1;
    };
    std::map<int, Reunido> porGrupo;
    for (const Paso& p : pasos) {
        const int g = grupo[static_cast<std::size_t>(p.desde)];
        if (g != grupo[static_cast<std::size_t>(p.arista.destino)]) continue;
        Reunido& r = porGrupo[g];
        if (r.primero < 0 || p.arista.chip < r.primero ||
            (p.arista.chip == r.primero && p.arista.pin < r.lazo.pin)) {
            r.primero = p.arista.chip;
            r.lazo.pin = p.arista.pin;
        }
        r.lazo.chips.push_back(p.arista.chip);
    }
    std::vector<Lazo> lazos;
    for (auto& [g, r] : porGrupo) {
        std::vector<int>& chips = r.lazo.chips;
        std::sort(chips.begin(), chips.end());
        chips.erase(std::unique(chips.begin(), chips.end()), chips.end());
        lazos.push_back(std::move(r.lazo));
    }
    std::sort(lazos.begin(), lazos.end(),
              [](const Lazo& a, const Lazo& b) { return a.chips.front() < b.chips.front(); });
    return lazos;
}

}  // namespace velistra::docencia
