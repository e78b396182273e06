#include "docencia/PatillasDelChip.h"

#include <array>
#include <cstdint>
#include <vector>

#include "chips/CircuitoElectronico.h"
#include "chips/Patillaje.h"
#include "modelo/Componente.h"
#include "tableros/Protoboard.h"

namespace velistra::docencia {

namespace {

using Valores = std::array<bool, Componente::kEntradas>;

constexpr std::uint64_t kMuestras = std::uint64_t{1} << kEntradasRecorridas;

bool SalidaUsada(const Componente& chip, int pin, const std::map<int, int>& puertos) {
    const Puerto* casilla = chip.DireccionDeCasilla(pin);
    if (casilla == nullptr) return false;
    const auto it = puertos.find(casilla->Nodo());
    return it != puertos.end() && it->second > Protoboard::kFilas;
}

// The inputs that vary at run time: not the pin under test, not a supply pin, not one
// whose net the supply holds.
std::vector<int> EntradasLibres(const Componente& chip, int pin) {
    std::vector<int> libres;
    for (int i = 1; i <= chip.NumeroDePines(); ++i) {
        if (i == pin || chip.TiposDePines()[i] != 'E' || AlimentacionDePatilla(chip, i) != 0) continue;
        const Puerto* casilla = chip.DireccionDeCasilla(i);
        const char tipo = casilla != nullptr ? casilla->Tipo() : 'F';
        if (tipo != 'V' && tipo != 'G') libres.push_back(i);
    }
    return libres;
}

// Everything but the free inputs: supply pins and held inputs at their level, the
// chip's stored bits as they are.
Valores Base(const Componente& chip) {
    Valores v{};
    const char* tipos = chip.TiposDePines();
    const int n = chip.NumeroDePines();
    for (int i = 1; i <= n + chip.NumeroDeEstados() && i < Componente::kEntradas; ++i) {
        const char tipo = i <= n ? tipos[i] : '\0';
        const char alimentacion = i <= n ? AlimentacionDePatilla(chip, i) : 0;
        const Puerto* casilla = i <= n ? chip.DireccionDeCasilla(i) : nullptr;
        if (alimentacion != 0) v[static_cast<std::size_t>(i)] = alimentacion == 'V';
        else if (tipo == 'E' && casilla != nullptr && (casilla->Tipo() == 'V' || casilla->Tipo() == 'G'))
            v[static_cast<std::size_t>(i)] = casilla->Tipo() == 'V';
        else v[static_cast<std::size_t>(i)] = tipo != 'G' && chip.Estado(i) != '0';
    }
    return v;
}

// Combination `k` of the free inputs: every one when they are few, else a spread of
// them from a fixed generator (the same on every run).
std::uint64_t Combinacion(std::uint64_t k, std::size_t libres) {
    if (libres <= static_cast<std::size_t>(kEntradasRecorridas)) return k;
    std::uint64_t x = k * 2654435761U + 0x9E3779B9U;
    x ^= x >> 13;
    x *= 0x5bd1e995U;
    return x ^ (x >> 15);
}

}  // namespace

char AlimentacionDePatilla(const Componente& chip, int pin) {
    const char tipo = chip.TiposDePines()[pin];
    if (tipo == 'V' || tipo == 'G') return tipo;
    const std::string_view nombre = NombreDePatilla(static_cast<int>(chip.Codigo()), pin);
    return nombre == "VCC" ? 'V' : nombre == "GND" ? 'G' : 0;
}

bool EntradaQueImporta(const Componente& chip, int pin, const std::map<int, int>& puertos) {
    const CircuitoElectronico* modelo = chip.Circuito();
    if (modelo == nullptr) return false;
    std::vector<int> salidas;
    for (int i = 1; i <= chip.NumeroDePines(); ++i) {
        if (chip.TiposDePines()[i] == 'S' && SalidaUsada(chip, i, puertos)) salidas.push_back(i);
    }
    if (salidas.empty()) return false;
    const std::vector<int> libres = EntradasLibres(chip, pin);
    const Valores base = Base(chip);
    const std::uint64_t combinaciones =
        libres.size() <= static_cast<std::size_t>(kEntradasRecorridas) ? std::uint64_t{1} << libres.size() : kMuestras;
    for (std::uint64_t k = 0; k < combinaciones; ++k) {
        const std::uint64_t bits = Combinacion(k, libres.size());
        std::array<Valores, 2> valores{base, base};
        for (int v = 0; v < 2; ++v) {
            for (std::size_t j = 0; j < libres.size(); ++j)
                valores[v][static_cast<std::size_t>(libres[j])] = ((bits >> (j % 64)) & 1U) != 0;
            valores[v][static_cast<std::size_t>(pin)] = v == 1;
            modelo->Funcion(valores[v].data());
        }
        for (const int s : salidas) {
            if (valores[0][static_cast<std::size_t>(s)] != valores[1][static_cast<std::size_t>(s)]) return true;
        }
    }
    return false;
}

}  // namespace velistra::docencia
