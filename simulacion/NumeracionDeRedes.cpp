#include "simulacion/NumeracionDeRedes.h"

#include <algorithm>

#include "modelo/Puerto.h"
#include "modelo/Tablero.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

int NumeracionDeRedes::RedDe(Puerto* p) {
    if (const int red = Buscada(p); red >= 0) return red;
    const int red = nRedes++;
    pila.assign(1, p);
    while (!pila.empty()) {
        Puerto* entrada = pila.back();
        pila.pop_back();
        Puerto* primero = entrada - entrada->NumeroDeAnteriores();
        Puerto* ultimo = entrada + entrada->NumeroDeSiguientes();
        for (Puerto* q = primero; q <= ultimo; ++q) {
            if (!mapa.emplace(q, red).second) continue;
            Puerto* otro = q->OtroPuerto();
            if (otro != nullptr && otro != pCentinela && !mapa.contains(otro)) pila.push_back(otro);
        }
    }
    return red;
}

int NumeracionDeRedes::Buscada(Puerto* p) const {
    const auto it = mapa.find(p);
    return it == mapa.end() ? -1 : it->second;
}

template <typename F>
void NumeracionDeRedes::RecorreTerminales(const std::vector<std::unique_ptr<Tablero>>& tableros,
                                          const F& f) const {
    for (const std::unique_ptr<Tablero>& t : tableros) {
        if (DescripcionDe(*t).admiteChips) continue;
        for (int i = 0; i < t->NumeroDePuertos(); ++i) {
            Puerto* p = t->DireccionDePuerto(i);
            if (const int red = Buscada(p); red >= 0) f(red, *p);
        }
    }
}

std::vector<int> NumeracionDeRedes::ConductoresDeTableros(
    const std::vector<std::unique_ptr<Tablero>>& tableros) const {
    std::vector<int> conductores(static_cast<std::size_t>(nRedes), 0);
    RecorreTerminales(tableros, [&](int red, const Puerto& p) {
        if (EsTipoQueExcita(p.TipoOriginal())) ++conductores[static_cast<std::size_t>(red)];
    });
    return conductores;
}

std::vector<std::pair<int, const Puerto*>> NumeracionDeRedes::RedesExcitadasPorTableros(
    const std::vector<std::unique_ptr<Tablero>>& tableros) const {
    std::vector<std::pair<int, const Puerto*>> redes;
    std::vector<char> vista(static_cast<std::size_t>(nRedes), 0);
    RecorreTerminales(tableros, [&](int red, const Puerto& p) {
        if (!EsTipoQueExcita(p.TipoOriginal()) || vista[static_cast<std::size_t>(red)] != 0) return;
        vista[static_cast<std::size_t>(red)] = 1;
        redes.emplace_back(red, &p);
    });
    return redes;
}

}  // namespace velistra
