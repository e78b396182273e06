#include "docencia/TablaDeVerdad.h"

#include <cstring>

#include "simulacion/Mesa.h"
#include "tableros/DescripcionesDeTableros.h"
#include "tableros/TableroDeTiras.h"

namespace velistra::docencia {

namespace {

bool TieneCable(Tablero& t, int primero, int cuantos) {
    for (int i = primero; i < primero + cuantos; ++i) {
        if (!t.DireccionDePuerto(i)->EstaLibre()) return true;
    }
    return false;
}

// A board identifier as the names write it: no sign, no leading zero.
bool LeeIdentificador(const std::string& texto, std::size_t& i, int& n) {
    const std::size_t inicio = i;
    while (i < texto.size() && texto[i] >= '0' && texto[i] <= '9' && i - inicio < 6) ++i;
    if (i == inicio || (texto[inicio] == '0' && i - inicio > 1)) return false;
    n = std::stoi(texto.substr(inicio, i - inicio));
    return n >= 1;
}

// Truth tables name the levers of switch boards (keys spring back: no row can hold
// them) and the lights of the circuit's lamp boards.
bool TienePalancasDeTabla(const DescripcionDeTablero& d) {
    return d.palancas > 0 && !d.pulsadores && d.palabra != nullptr;
}

bool TieneLucesDeTabla(const DescripcionDeTablero& d) {
    return d.luces > 0 && !d.tutorial && d.palabra != nullptr;
}

}  // namespace

std::optional<NombreDeColumna> LeeNombreDeColumna(const std::string& nombre) {
    for (const DescripcionDeTablero& d : kDescripcionesDeTableros) {
        const bool palancas = TienePalancasDeTabla(d);
        if (!palancas && !TieneLucesDeTabla(d)) continue;
        const std::string prefijo = d.palabra;
        if (nombre.rfind(prefijo, 0) != 0) continue;
        NombreDeColumna c{d.tipo, 0, 0};
        std::size_t i = prefijo.size();
        if (!LeeIdentificador(nombre, i, c.tablero) || i + 2 > nombre.size() || nombre[i] != '.')
            return std::nullopt;
        const char digito = nombre[i + 1];
        const int indices = palancas ? d.palancas : d.luces / d.LucesPorGrupo();
        if (digito < '0' || digito >= '0' + indices) return std::nullopt;
        c.indice = digito - '0';
        if (d.letrasDeLuz == nullptr)
            return i + 2 == nombre.size() ? std::optional(c) : std::nullopt;
        if (i + 3 != nombre.size()) return std::nullopt;
        const char* letra = std::strchr(d.letrasDeLuz, nombre[i + 2]);
        if (nombre[i + 2] == '\0' || letra == nullptr) return std::nullopt;
        c.indice = c.indice * d.LucesPorGrupo() + static_cast<int>(letra - d.letrasDeLuz);
        return c;
    }
    return std::nullopt;
}

std::string NombreDePalanca(const PalancaCableada& p) {
    return DescripcionDe(*p.tablero).palabra + std::to_string(p.tablero->Identificador()) + "." +
           std::to_string(p.indice);
}

std::string NombreDeLuz(const LuzCableada& l) {
    const DescripcionDeTablero& d = DescripcionDe(*l.tablero);
    const std::string nombre = d.palabra + std::to_string(l.tablero->Identificador()) + ".";
    if (d.letrasDeLuz == nullptr) return nombre + std::to_string(l.indice);
    const int grupo = l.indice / d.LucesPorGrupo();
    const int letra = l.indice % d.LucesPorGrupo();
    return nombre + std::to_string(grupo) + d.letrasDeLuz[letra];
}

std::vector<PalancaCableada> PalancasCableadas(const Mesa& mesa) {
    std::vector<PalancaCableada> palancas;
    for (const auto& t : mesa.tablero()) {
        const DescripcionDeTablero& d = DescripcionDe(*t);
        if (!TienePalancasDeTabla(d)) continue;
        for (int i = 0; i < d.palancas; ++i) {
            constexpr int kTerminales = TableroDeTiras::kTerminalesPorTira;
            if (TieneCable(*t, kTerminales * i, kTerminales)) palancas.push_back({t.get(), i});
        }
    }
    return palancas;
}

std::vector<LuzCableada> LucesCableadas(const Mesa& mesa) {
    std::vector<LuzCableada> luces;
    for (const auto& t : mesa.tablero()) {
        const DescripcionDeTablero& d = DescripcionDe(*t);
        if (!TieneLucesDeTabla(d)) continue;
        for (int i = 0; i < d.luces; ++i) {
            if (TieneCable(*t, i, 1)) luces.push_back({t.get(), i});
        }
    }
    return luces;
}

void RecorreFilas(Mesa& mesa, const std::vector<PalancaCableada>& palancas,
                  const std::vector<LuzCableada>& luces,
                  const std::function<void(const std::vector<bool>& fila)>& cadaFila) {
    if (palancas.size() > kMaximoDePalancas) return;
    if (!mesa.bON()) mesa.ConmutaFuente();
    const std::size_t n = palancas.size();
    std::vector<bool> fila(n + luces.size());
    for (unsigned long combinacion = 0; combinacion < (1UL << n); ++combinacion) {
        // Counting up moves only the last levers; the others already stand where this row
        // wants them. Each board still ends with its last lever selected, the moved ones
        // being a tail of the list.
        const unsigned long movidas = combinacion == 0 ? ~0UL : combinacion ^ (combinacion - 1);
        for (std::size_t j = 0; j < n; ++j) {
            const unsigned long bit = 1UL << (n - 1 - j);
            if ((movidas & bit) == 0) continue;
            const bool arriba = (combinacion & bit) != 0;
            mesa.PonEntrada(*palancas[j].tablero, palancas[j].indice, arriba);
            fila[j] = arriba;
        }
        for (std::size_t k = 0; k < luces.size(); ++k)
            fila[n + k] = luces[k].tablero->EstadoDeLed(luces[k].indice);
        cadaFila(fila);
    }
}

TablaDeVerdad RecorreCombinaciones(Mesa& mesa, const std::vector<PalancaCableada>& palancas,
                                   const std::vector<LuzCableada>& luces) {
    TablaDeVerdad tabla;
    for (const PalancaCableada& p : palancas) tabla.entradas.push_back(NombreDePalanca(p));
    for (const LuzCableada& l : luces) tabla.salidas.push_back(NombreDeLuz(l));
    RecorreFilas(mesa, palancas, luces,
                 [&tabla](const std::vector<bool>& fila) { tabla.filas.push_back(fila); });
    return tabla;
}

}  // namespace velistra::docencia
