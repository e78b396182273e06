#include "docencia/TablaDeVerdad.h"

#include <cstring>

#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeLuces.h"
#include "tableros/TableroDePalancas.h"
#include "tableros/TableroDeSieteSegmentos.h"
#include "simulacion/Mesa.h"

namespace velistra::docencia {

namespace {

bool TieneCable(Tablero& t, int primero, int cuantos) {
    for (int i = primero; i < primero + cuantos; ++i) {
        if (!t.DireccionDePuerto(i)->EstaLibre()) return true;
    }
    return false;
}

constexpr const char* kSegmentos = "abcdefgp";

// A board identifier as the names write it: no sign, no leading zero.
bool LeeIdentificador(const std::string& texto, std::size_t& i, int& n) {
    const std::size_t inicio = i;
    while (i < texto.size() && texto[i] >= '0' && texto[i] <= '9' && i - inicio < 6) ++i;
    if (i == inicio || (texto[inicio] == '0' && i - inicio > 1)) return false;
    n = std::stoi(texto.substr(inicio, i - inicio));
    return n >= 1;
}

}  // namespace

std::optional<NombreDeColumna> LeeNombreDeColumna(const std::string& nombre) {
    struct Clase {
        const char* prefijo;
        int tipo;
        int indices;
    };
    constexpr Clase kClases[] = {
        {"int", Tablero::kInterruptores, TableroDePalancas::kPalancas},
        {"leds", Tablero::kLeds, TableroDeLeds::kLamparas},
        {"7seg", Tablero::kSieteSegmentos, TableroDeSieteSegmentos::kDigitos},
    };
    for (const Clase& clase : kClases) {
        const std::string prefijo = clase.prefijo;
        if (nombre.rfind(prefijo, 0) != 0) continue;
        NombreDeColumna c{clase.tipo, 0, 0};
        std::size_t i = prefijo.size();
        if (!LeeIdentificador(nombre, i, c.tablero) || i + 2 > nombre.size() || nombre[i] != '.')
            return std::nullopt;
        const char digito = nombre[i + 1];
        if (digito < '0' || digito >= '0' + clase.indices) return std::nullopt;
        c.indice = digito - '0';
        if (clase.tipo != Tablero::kSieteSegmentos)
            return i + 2 == nombre.size() ? std::optional(c) : std::nullopt;
        if (i + 3 != nombre.size()) return std::nullopt;
        const char* segmento = std::strchr(kSegmentos, nombre[i + 2]);
        if (nombre[i + 2] == '\0' || segmento == nullptr) return std::nullopt;
        c.indice = c.indice * TableroDeSieteSegmentos::kSegmentosPorDigito +
                   static_cast<int>(segmento - kSegmentos);
        return c;
    }
    return std::nullopt;
}

std::string NombreDePalanca(const PalancaCableada& p) {
    return "int" + std::to_string(p.tablero->Identificador()) + "." + std::to_string(p.indice);
}

std::string NombreDeLuz(const LuzCableada& l) {
    const std::string tablero = std::to_string(l.tablero->Identificador());
    if (l.tablero->Tipo() == Tablero::kLeds)
        return "leds" + tablero + "." + std::to_string(l.indice);
    const int digito = l.indice / TableroDeSieteSegmentos::kSegmentosPorDigito;
    const int segmento = l.indice % TableroDeSieteSegmentos::kSegmentosPorDigito;
    return "7seg" + tablero + "." + std::to_string(digito) + kSegmentos[segmento];
}

std::vector<PalancaCableada> PalancasCableadas(const Mesa& mesa) {
    std::vector<PalancaCableada> palancas;
    for (const auto& t : mesa.tablero()) {
        if (t->Tipo() != Tablero::kInterruptores) continue;
        for (int i = 0; i < TableroDePalancas::kPalancas; ++i) {
            constexpr int kTerminales = TableroDePalancas::kTerminalesPorTira;
            if (TieneCable(*t, kTerminales * i, kTerminales)) palancas.push_back({t.get(), i});
        }
    }
    return palancas;
}

std::vector<LuzCableada> LucesCableadas(const Mesa& mesa) {
    std::vector<LuzCableada> luces;
    for (const auto& t : mesa.tablero()) {
        if (t->Tipo() != Tablero::kLeds && t->Tipo() != Tablero::kSieteSegmentos) continue;
        const auto& tablero = dynamic_cast<const TableroDeLuces&>(*t);
        for (int i = 0; i < t->NumeroDeSalidas(); ++i) {
            if (TieneCable(*t, i, 1)) luces.push_back({&tablero, i});
        }
    }
    return luces;
}

TablaDeVerdad RecorreCombinaciones(Mesa& mesa, const std::vector<PalancaCableada>& palancas,
                                   const std::vector<LuzCableada>& luces) {
    TablaDeVerdad tabla;
    for (const PalancaCableada& p : palancas) tabla.entradas.push_back(NombreDePalanca(p));
    for (const LuzCableada& l : luces) tabla.salidas.push_back(NombreDeLuz(l));
    if (palancas.size() > kMaximoDePalancas) return tabla;

    if (!mesa.bON()) mesa.ConmutaFuente();
    const std::size_t n = palancas.size();
    for (unsigned long combinacion = 0; combinacion < (1UL << n); ++combinacion) {
        std::vector<bool> fila;
        for (std::size_t j = 0; j < n; ++j) {
            const bool arriba = ((combinacion >> (n - 1 - j)) & 1UL) != 0;
            mesa.PonEntrada(*palancas[j].tablero, palancas[j].indice, arriba);
            fila.push_back(arriba);
        }
        for (const LuzCableada& l : luces) fila.push_back(l.tablero->EstadoDeLed(l.indice));
        tabla.filas.push_back(std::move(fila));
    }
    return tabla;
}

}  // namespace velistra::docencia
