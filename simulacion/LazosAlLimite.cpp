#include "simulacion/LazosAlLimite.h"

#include <algorithm>

#include "modelo/Componentes.h"
#include "modelo/Puerto.h"
#include "plataforma/CatalogoDeTextos.h"
#include "plataforma/Traducible.h"
#include "simulacion/Nombres.h"

namespace velistra {

namespace {

// The chips reachable from chip a through one or more reads.
std::vector<bool> Alcanzables(const std::vector<std::vector<int>>& lectores, std::size_t a) {
    std::vector<bool> visto(lectores.size(), false);
    std::vector<int> pila(lectores[a]);
    while (!pila.empty()) {
        const auto c = static_cast<std::size_t>(pila.back());
        pila.pop_back();
        if (visto[c]) continue;
        visto[c] = true;
        pila.insert(pila.end(), lectores[c].begin(), lectores[c].end());
    }
    return visto;
}

bool Lee(const Componente& chip, int nodo) {
    for (int k = 0; k < chip.NumeroDeLecturas(); ++k) {
        if (chip.DireccionDeCasilla(chip.PinDeLectura(k))->Nodo() == nodo) return true;
    }
    return false;
}

}  // namespace

void VigiaDeRealimentacion::Empieza(const Componentes& componentes, int limite, unsigned long generacion) {
    desde = std::max(0, limite - kVentana);
    niveles.clear();
    cambiada.clear();
    // Reserved here, so that the settling that first reaches the window allocates nothing.
    if (!bReservado || generacion != nGeneracion) {
        std::size_t salidas = 0;
        for (const Componente& chip : componentes)
            salidas += static_cast<std::size_t>(chip.NumeroDeSalidas());
        niveles.reserve(salidas);
        cambiada.reserve(salidas);
        bReservado = true;
        nGeneracion = generacion;
    }
    if (desde == 0) Fotografia(componentes, false);
}

void VigiaDeRealimentacion::TrasIteracion(const Componentes& componentes, int n) {
    if (n >= desde) Fotografia(componentes, n > desde);
}

void VigiaDeRealimentacion::Fotografia(const Componentes& componentes, bool compara) {
    std::size_t k = 0;
    for (const Componente& chip : componentes) {
        for (int s = 0; s < chip.NumeroDeSalidas(); ++s, ++k) {
            const char nivel = chip.DireccionDeCasilla(chip.PinDeSalida(s))->Estado();
            if (!compara) {
                niveles.push_back(nivel);
                cambiada.push_back(false);
                continue;
            }
            if (niveles[k] != nivel) cambiada[k] = true;
            niveles[k] = nivel;
        }
    }
}

LazosAlLimite VigiaDeRealimentacion::Lazos(const Componentes& componentes) const {
    // The chips that moved a net, and the nets each moved.
    std::vector<int> chips;
    std::vector<std::vector<int>> movidas;
    std::size_t k = 0;
    for (std::size_t c = 0; c < componentes.size(); ++c) {
        const Componente& chip = componentes[c];
        std::vector<int> redes;
        for (int s = 0; s < chip.NumeroDeSalidas(); ++s, ++k) {
            if (k < cambiada.size() && cambiada[k])
                redes.push_back(chip.DireccionDeCasilla(chip.PinDeSalida(s))->Nodo());
        }
        if (redes.empty()) continue;
        chips.push_back(static_cast<int>(c));
        movidas.push_back(std::move(redes));
    }

    // lectores[a]: the moving chips that read a net chip a moved.
    const std::size_t n = chips.size();
    auto lee = [&](std::size_t b, int red) {
        return Lee(componentes[static_cast<std::size_t>(chips[b])], red);
    };
    std::vector<std::vector<int>> lectores(n);
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = 0; b < n; ++b) {
            if (std::any_of(movidas[a].begin(), movidas[a].end(),
                            [&](int red) { return lee(b, red); }))
                lectores[a].push_back(static_cast<int>(b));
        }
    }
    std::vector<std::vector<bool>> alcanza(n);
    for (std::size_t a = 0; a < n; ++a) alcanza[a] = Alcanzables(lectores, a);

    LazosAlLimite lazos;
    for (std::size_t a = 0; a < n; ++a) {
        if (!alcanza[a][a]) continue;
        lazos.chips.push_back(chips[a]);
        // A net carries the loop when a reader on the same loop takes it back to its driver.
        for (const int red : movidas[a]) {
            const bool delLazo = std::any_of(lectores[a].begin(), lectores[a].end(), [&](int b) {
                return alcanza[static_cast<std::size_t>(b)][a] &&
                       lee(static_cast<std::size_t>(b), red);
            });
            if (delLazo) lazos.nodos.push_back(red);
        }
    }
    std::sort(lazos.nodos.begin(), lazos.nodos.end());
    lazos.nodos.erase(std::unique(lazos.nodos.begin(), lazos.nodos.end()), lazos.nodos.end());
    return lazos;
}

Mensaje MensajeDeRealimentacion(const Componentes& componentes, const LazosAlLimite& lazos) {
    std::vector<Mensaje> nombres;
    for (const int c : lazos.chips)
        nombres.push_back(NombreDeChip(componentes[static_cast<std::size_t>(c)], c + 1));
    if (nombres.empty()) return VELISTRA_TEXTO("El circuito no se estabiliza");
    return Mensaje(VELISTRA_TEXTO("El circuito no se estabiliza: realimentación en %1"),
                   {Enumeracion(std::move(nombres))});
}

std::string TextoDeRealimentacion(const Componentes& componentes, const LazosAlLimite& lazos) {
    return Formatea(MensajeDeRealimentacion(componentes, lazos), Idioma::Espanol);
}

}  // namespace velistra
