#include "bench/Comprobacion.h"

#include <vector>

#include "tableros/TableroDeLuces.h"
#include "tableros/TableroDePalancas.h"
#include "simulacion/Mesa.h"

namespace velistra::banco {

namespace {

template <typename T>
T* Primero(Mesa& mesa, int tipo) {
    for (auto& t : mesa.tablero()) {
        if (t->Tipo() == tipo) return dynamic_cast<T*>(t.get());
    }
    return nullptr;
}

std::string Lamparas(const TableroDeLuces& leds) {
    std::string texto;
    for (int i = 0; i < leds.PuertoComun(); ++i) texto += leds.EstadoDeLed(i) ? '1' : '0';
    return texto;
}

int Cuenta(const TableroDeLuces& leds) {
    int cuenta = 0;
    for (int bit = 0; bit < 4; ++bit) cuenta |= leds.EstadoDeLed(bit) ? 1 << bit : 0;
    return cuenta;
}

void Tics(Mesa& mesa, int n) {
    for (int i = 0; i < n; ++i) mesa.Temporiza();
}

// An even chain of inverters, and adders whose carry passes straight through, both end
// on the lever's level; the adders' sums show its inverse.
std::string CompruebaCadena(Mesa& mesa, TableroDePalancas& palancas, const TableroDeLuces& leds,
                            Familia familia) {
    for (const bool nivel : {true, false, true, false}) {
        mesa.PonEntrada(palancas, kPalanca, nivel);
        const std::string visto = Lamparas(leds);
        std::string esperado = visto;
        esperado[kLamparaDelFinal] = nivel ? '1' : '0';
        if (familia == Familia::Sumadores) esperado.replace(0, 4, 4, nivel ? '0' : '1');
        if (visto != esperado)
            return "con la palanca en " + std::to_string(nivel) + " las lámparas muestran " +
                   visto + " y debían mostrar " + esperado;
    }
    return {};
}

// The first counter counts one per rising clock edge (every second tick), carries into
// the second once every 16 counts, and stops while the lever is down.
std::string CompruebaContadores(Mesa& mesa, TableroDePalancas& palancas,
                                const TableroDeLuces& leds) {
    mesa.PonEntrada(palancas, kPalanca, true);
    const int antes = Cuenta(leds);
    Tics(mesa, 2);
    if (Cuenta(leds) != (antes + 1) % 16)
        return "el primer contador pasa de " + std::to_string(antes) + " a " +
               std::to_string(Cuenta(leds));
    const bool segundo = leds.EstadoDeLed(kLamparaDelSegundoContador);
    Tics(mesa, 32);
    if (leds.EstadoDeLed(kLamparaDelSegundoContador) == segundo)
        return "el acarreo no llega al segundo contador";
    mesa.PonEntrada(palancas, kPalanca, false);
    const int parado = Cuenta(leds);
    Tics(mesa, 4);
    if (Cuenta(leds) != parado) return "los contadores cuentan con la palanca abajo";
    mesa.PonEntrada(palancas, kPalanca, true);
    return {};
}

// Every ninth of the 256 sums (a, b), set lever by lever as a user would.
std::string CompruebaSumador(Mesa& mesa, TableroDePalancas& palancas, const TableroDeLuces& leds) {
    for (int v = 0; v < 256; v += 9) {
        for (int bit = 0; bit < 2 * kBitsDelSumador; ++bit) mesa.PonEntrada(palancas, bit, (v >> bit & 1) != 0);
        const int suma = (v & 15) + (v >> 4);
        if (Cuenta(leds) != (suma & 15) || leds.EstadoDeLed(kLamparaDelFinal) != (suma > 15))
            return std::to_string(v & 15) + " + " + std::to_string(v >> 4) + " muestra " + Lamparas(leds);
    }
    return {};
}

// One count per falling edge of the lever.
std::string CompruebaContadorRizado(Mesa& mesa, TableroDePalancas& palancas, const TableroDeLuces& leds) {
    mesa.PonEntrada(palancas, kPalanca, false);
    const int antes = Cuenta(leds);
    for (int ciclo = 0; ciclo < 21; ++ciclo) {
        mesa.PonEntrada(palancas, kPalanca, true);
        mesa.PonEntrada(palancas, kPalanca, false);
    }
    if (Cuenta(leds) != (antes + 21) % 16)
        return "el contador pasa de " + std::to_string(antes) + " a " + std::to_string(Cuenta(leds));
    return {};
}

// Lamp 7 follows the parity as the levers of both boards go up one by one and down again.
std::string CompruebaParidad(Mesa& mesa, const TableroDeLuces& leds) {
    std::vector<Tablero*> palancas;
    for (auto& t : mesa.tablero()) {
        if (t->Tipo() == Tablero::kInterruptores) palancas.push_back(t.get());
    }
    if (palancas.size() != 2) return "la paridad necesita dos tableros de interruptores";
    bool paridad = false;
    for (const bool nivel : {true, false}) {
        for (int palanca = 0; palanca < kPalancasDeParidad; ++palanca) {
            mesa.PonEntrada(*palancas[static_cast<std::size_t>(palanca / 8)], palanca % 8, nivel);
            paridad = !paridad;
            if (leds.EstadoDeLed(kLamparaDelFinal) != paridad)
                return "la paridad no cambia con la palanca " + std::to_string(palanca);
        }
    }
    return {};
}

}  // namespace

std::string CompruebaCircuito(Mesa& mesa, Familia familia) {
    auto* palancas = Primero<TableroDePalancas>(mesa, Tablero::kInterruptores);
    auto* leds = Primero<TableroDeLuces>(mesa, Tablero::kLeds);
    if (palancas == nullptr || leds == nullptr) return "faltan los interruptores o los leds";
    if (!mesa.bON()) mesa.ConmutaFuente();
    if (!mesa.bON()) return "la fuente no enciende";
    if (familia == Familia::Contadores) return CompruebaContadores(mesa, *palancas, *leds);
    if (familia == Familia::SumadorNand) return CompruebaSumador(mesa, *palancas, *leds);
    if (familia == Familia::ContadorRizado) return CompruebaContadorRizado(mesa, *palancas, *leds);
    if (familia == Familia::Paridad) return CompruebaParidad(mesa, *leds);
    return CompruebaCadena(mesa, *palancas, *leds, familia);
}

}  // namespace velistra::banco
