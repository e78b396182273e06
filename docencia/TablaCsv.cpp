#include "docencia/TablaCsv.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <string_view>
#include <vector>

#include "plataforma/Traducible.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra::docencia {

namespace {

// More rows than 16 levers give would not come from `tabla`.
constexpr std::size_t kMaximoDeFilas = std::size_t{1} << kMaximoDePalancas;

struct Registro {
    // The line it starts on, from 1.
    std::size_t linea = 0;
    std::vector<std::string> campos;
};

// Spreadsheets set for a decimal comma separate fields with semicolons; the header
// tells which, as it has no comma then.
char Separador(const std::string& texto, std::size_t inicio) {
    const std::string_view cabecera =
        std::string_view(texto).substr(inicio, texto.find('\n', inicio) - inicio);
    return cabecera.find(',') == std::string_view::npos && cabecera.find(';') != std::string_view::npos
               ? ';'
               : ',';
}

// Records as spreadsheets write them: a quoted field may hold separators, doubled quotes
// and line breaks. A record of one empty field is a blank line.
std::vector<Registro> Registros(const std::string& texto) {
    std::vector<Registro> registros;
    std::size_t linea = 1;
    std::size_t i = texto.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    const char separador = Separador(texto, i);
    while (i < texto.size()) {
        Registro r{linea, {}};
        std::string campo;
        bool entreComillas = false;
        for (; i < texto.size(); ++i) {
            const char c = texto[i];
            if (entreComillas) {
                if (c == '"' && i + 1 < texto.size() && texto[i + 1] == '"') ++i, campo += '"';
                else if (c == '"') entreComillas = false;
                else campo += c;
                if (c == '\n') ++linea;
            } else if (c == '"') {
                entreComillas = true;
            } else if (c == separador) {
                r.campos.push_back(std::move(campo));
                campo.clear();
            } else if (c == '\n') {
                break;
            } else if (c != '\r' || (i + 1 < texto.size() && texto[i + 1] != '\n')) {
                campo += c;
            }
        }
        ++i;
        ++linea;
        r.campos.push_back(std::move(campo));
        registros.push_back(std::move(r));
    }
    while (!registros.empty() && registros.back().campos == std::vector<std::string>{""})
        registros.pop_back();
    return registros;
}

bool EsDeControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7f;
}

Mensaje N(std::size_t n) { return Mensaje::Entero(static_cast<long long>(n)); }

std::optional<Mensaje> LeeCabecera(const std::vector<std::string>& cabecera, TablaDeVerdad& tabla) {
    for (std::size_t k = 0; k < cabecera.size(); ++k) {
        const std::string& nombre = cabecera[k];
        if (nombre.empty()) return Mensaje(VELISTRA_TEXTO("la línea 1 no es la cabecera de una tabla"));
        if (std::any_of(nombre.begin(), nombre.end(), EsDeControl))
            return Mensaje(VELISTRA_TEXTO("la columna %1 de la cabecera lleva un carácter de control"),
                           {N(k + 1)});
        const std::optional<NombreDeColumna> columna = LeeNombreDeColumna(nombre);
        if (!columna)
            return Mensaje(VELISTRA_TEXTO("la columna %1 no es una palanca ni una luz (se espera "
                                          "int4.0, leds5.0 o 7seg6.0a)"),
                           {Mensaje::Literal(nombre)});
        if (std::count(cabecera.begin(), cabecera.end(), nombre) > 1)
            return Mensaje(VELISTRA_TEXTO("la columna %1 aparece dos veces"), {Mensaje::Literal(nombre)});
        const bool esPalanca = DescripcionDe(columna->tipoDeTablero)->palancas > 0;
        (esPalanca ? tabla.entradas : tabla.salidas).push_back(nombre);
    }
    if (tabla.entradas.empty()) return Mensaje(VELISTRA_TEXTO("no tiene ninguna columna de palanca (int...)"));
    if (tabla.salidas.empty()) return Mensaje(VELISTRA_TEXTO("no tiene ninguna columna de luz (leds... o 7seg...)"));
    if (tabla.entradas.size() > kMaximoDePalancas)
        return Mensaje(VELISTRA_TEXTO("tiene %1 columnas de palanca; se admiten 16 como máximo"),
                       {N(tabla.entradas.size())});
    return std::nullopt;
}

}  // namespace

std::size_t CombinacionesDe(const TablaDeVerdad& tabla) {
    return std::size_t{1} << std::min(tabla.entradas.size(), kMaximoDePalancas);
}

std::size_t CombinacionesCubiertas(const TablaDeVerdad& tabla) {
    std::set<std::vector<bool>> palancas;
    for (const std::vector<bool>& fila : tabla.filas)
        palancas.emplace(fila.begin(), fila.begin() + static_cast<std::ptrdiff_t>(tabla.entradas.size()));
    return palancas.size();
}

std::optional<TablaDeVerdad> LeeTablaCsv(const std::string& texto, Mensaje& error) {
    const std::vector<Registro> registros = Registros(texto);
    if (registros.empty()) {
        error = VELISTRA_TEXTO("la tabla está vacía");
        return std::nullopt;
    }
    TablaDeVerdad tabla;
    const std::vector<std::string>& cabecera = registros.front().campos;
    if (std::optional<Mensaje> e = LeeCabecera(cabecera, tabla)) {
        error = *e;
        return std::nullopt;
    }
    if (registros.size() == 1) {
        error = VELISTRA_TEXTO("no tiene filas tras la cabecera");
        return std::nullopt;
    }
    if (registros.size() - 1 > kMaximoDeFilas) {
        error = Mensaje(VELISTRA_TEXTO("la tabla tiene más de %1 filas"), {N(kMaximoDeFilas)});
        return std::nullopt;
    }
    // Rows are kept with the levers first and the lights after, whatever the header's order.
    std::vector<std::size_t> orden;
    for (const auto* nombres : {&tabla.entradas, &tabla.salidas}) {
        for (const std::string& nombre : *nombres)
            orden.push_back(static_cast<std::size_t>(
                std::find(cabecera.begin(), cabecera.end(), nombre) - cabecera.begin()));
    }
    for (std::size_t i = 1; i < registros.size(); ++i) {
        const std::vector<std::string>& campos = registros[i].campos;
        const bool valida = campos.size() == cabecera.size() &&
                            std::all_of(campos.begin(), campos.end(),
                                        [](const std::string& c) { return c == "0" || c == "1"; });
        if (!valida) {
            error = Mensaje(VELISTRA_TEXTO("la línea %1 no tiene un 0 o un 1 por columna"),
                            {N(registros[i].linea)});
            return std::nullopt;
        }
        std::vector<bool> fila;
        for (const std::size_t k : orden) fila.push_back(campos[k] == "1");
        tabla.filas.push_back(std::move(fila));
    }
    return tabla;
}

}  // namespace velistra::docencia
