#include "docencia/Comparacion.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "plataforma/Traducible.h"
#include "simulacion/Mesa.h"
#include "tableros/TableroDeLuces.h"

namespace velistra::docencia {

namespace {

// More rows than 16 levers give would not come from `tabla`.
constexpr std::size_t kMaximoDeFilas = std::size_t{1} << kMaximoDePalancas;

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

std::vector<std::string> Campos(const std::string& linea) {
    std::vector<std::string> campos;
    std::istringstream flujo(linea);
    std::string campo;
    while (std::getline(flujo, campo, ',')) campos.push_back(campo);
    if (!linea.empty() && linea.back() == ',') campos.emplace_back();
    return campos;
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
        if (it == palancas.end()) resultado.palancasQueFaltan.push_back(nombre);
    }
    std::vector<const LuzCableada*> salidas;
    for (const std::string& nombre : esperada.salidas) {
        const auto it = luces.find(nombre);
        salidas.push_back(it == luces.end() ? nullptr : &it->second);
        if (it == luces.end()) resultado.lucesQueFaltan.push_back(nombre);
    }

    if (!mesa.bON) mesa.ConmutaFuente();
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

std::optional<TablaDeVerdad> LeeTablaCsv(const std::string& texto, Mensaje& error) {
    std::vector<std::string> lineas = Lineas(texto);
    while (!lineas.empty() && lineas.back().empty()) lineas.pop_back();
    if (lineas.empty()) {
        error = VELISTRA_TEXTO("la tabla está vacía");
        return std::nullopt;
    }
    TablaDeVerdad tabla;
    const std::vector<std::string> cabecera = Campos(lineas.front());
    for (const std::string& nombre : cabecera) {
        const bool esPalanca = nombre.rfind("int", 0) == 0;
        if (nombre.empty() || (esPalanca && !tabla.salidas.empty())) {
            error = VELISTRA_TEXTO("la línea 1 no es la cabecera de una tabla");
            return std::nullopt;
        }
        const bool repetido =
            std::count(cabecera.begin(), cabecera.end(), nombre) > 1;
        if (repetido) {
            error = Mensaje(VELISTRA_TEXTO("la columna %1 aparece dos veces"),
                            {Mensaje::Literal(nombre)});
            return std::nullopt;
        }
        (esPalanca ? tabla.entradas : tabla.salidas).push_back(nombre);
    }
    if (lineas.size() - 1 > kMaximoDeFilas) {
        error = Mensaje(VELISTRA_TEXTO("la tabla tiene más de %1 filas"),
                        {Mensaje::Entero(static_cast<long long>(kMaximoDeFilas))});
        return std::nullopt;
    }
    for (std::size_t i = 1; i < lineas.size(); ++i) {
        const std::vector<std::string> campos = Campos(lineas[i]);
        std::vector<bool> fila;
        for (const std::string& c : campos) {
            if (c != "0" && c != "1") break;
            fila.push_back(c == "1");
        }
        if (campos.size() != cabecera.size() || fila.size() != campos.size()) {
            error = Mensaje(VELISTRA_TEXTO("la línea %1 no tiene un 0 o un 1 por columna"),
                            {Mensaje::Entero(static_cast<long long>(i + 1))});
            return std::nullopt;
        }
        tabla.filas.push_back(std::move(fila));
    }
    return tabla;
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
