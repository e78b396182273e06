#include "docencia/Comparacion.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "plataforma/Traducible.h"
#include "simulacion/Mesa.h"

namespace velistra::docencia {

namespace {

std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> lineas;
    std::istringstream flujo(texto);
    std::string linea;
    while (std::getline(flujo, linea)) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        lineas.push_back(linea);
    }
    return lineas;
}

// A lever or light missing because its board is of another kind is the table's board
// number or the circuit's board order, not an unwired part: said as such.
bool EnOtroTablero(const Mesa& mesa, const std::string& nombre, ComparacionDeTabla& resultado) {
    const std::optional<NombreDeColumna> columna = LeeNombreDeColumna(nombre);
    if (!columna) return false;
    const Tablero* t = mesa.TableroConIdentificador(columna->tablero);
    if (t == nullptr || t->Tipo() == columna->tipoDeTablero) return false;
    resultado.enOtroTablero.push_back({nombre, columna->tablero, columna->tipoDeTablero});
    return true;
}

}  // namespace

ComparacionDeTabla ComparaConTabla(Mesa& mesa, const TablaDeVerdad& esperada) {
    ComparacionDeTabla resultado;
    std::map<std::string, PalancaCableada> palancas;
    for (const PalancaCableada& p : PalancasCableadas(mesa)) palancas[NombreDePalanca(p)] = p;
    std::map<std::string, LuzCableada> luces;
    for (const LuzCableada& l : LucesCableadas(mesa)) luces[NombreDeLuz(l)] = l;

    std::vector<const PalancaCableada*> entradas;
    for (const std::string& nombre : esperada.entradas) {
        const auto it = palancas.find(nombre);
        entradas.push_back(it == palancas.end() ? nullptr : &it->second);
        if (it == palancas.end() && !EnOtroTablero(mesa, nombre, resultado))
            resultado.palancasQueFaltan.push_back(nombre);
    }
    std::vector<const LuzCableada*> salidas;
    for (const std::string& nombre : esperada.salidas) {
        const auto it = luces.find(nombre);
        salidas.push_back(it == luces.end() ? nullptr : &it->second);
        if (it == luces.end() && !EnOtroTablero(mesa, nombre, resultado))
            resultado.lucesQueFaltan.push_back(nombre);
    }

    if (!mesa.bON()) mesa.ConmutaFuente();
    const std::size_t n = esperada.entradas.size();
    for (const std::vector<bool>& fila : esperada.filas) {
        ++resultado.filas;
        for (std::size_t j = 0; j < n; ++j) {
            if (entradas[j]) mesa.PonEntrada(*entradas[j]->tablero, entradas[j]->indice, fila[j]);
        }
        FilaDistinta distinta;
        for (std::size_t k = 0; k < salidas.size(); ++k) {
            if (!salidas[k]) continue;
            const bool lit = salidas[k]->tablero->EstadoDeLed(salidas[k]->indice);
            if (lit != fila[n + k]) distinta.luces.push_back({esperada.salidas[k], lit});
        }
        if (distinta.luces.empty()) continue;
        ++resultado.filasDistintas;
        if (resultado.primeras.size() == kDiferenciasMostradas) continue;
        for (std::size_t j = 0; j < n; ++j)
            distinta.palancas.push_back(esperada.entradas[j] + "=" + (fila[j] ? "1" : "0"));
        resultado.primeras.push_back(std::move(distinta));
    }
    return resultado;
}

ComparacionDeTexto ComparaLineas(const std::string& obtenido, const std::string& esperado) {
    const std::vector<std::string> a = Lineas(obtenido);
    const std::vector<std::string> b = Lineas(esperado);
    ComparacionDeTexto resultado;
    resultado.lineas = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < resultado.lineas; ++i) {
        const std::string& x = i < a.size() ? a[i] : std::string();
        const std::string& y = i < b.size() ? b[i] : std::string();
        if (x == y) continue;
        ++resultado.distintas;
        if (resultado.primeras.size() < kDiferenciasMostradas)
            resultado.primeras.push_back({i + 1, x, y});
    }
    return resultado;
}

}  // namespace velistra::docencia
