#include "cli/EscrituraDeTabla.h"

#include <iomanip>
#include <ostream>

namespace velistra::consola {

namespace {

// The column names and separators in order; a separator is written with no value under it.
std::vector<std::string> Cabecera(const docencia::TablaDeVerdad& tabla, bool conSeparador) {
    std::vector<std::string> columnas = tabla.entradas;
    if (conSeparador && !tabla.salidas.empty()) columnas.push_back("|");
    columnas.insert(columnas.end(), tabla.salidas.begin(), tabla.salidas.end());
    return columnas;
}

void EscribeTexto(std::ostream& salida, const docencia::TablaDeVerdad& tabla) {
    const std::vector<std::string> columnas = Cabecera(tabla, true);
    for (std::size_t c = 0; c < columnas.size(); ++c) salida << (c ? " " : "") << columnas[c];
    salida << '\n';
    for (const std::vector<bool>& fila : tabla.filas) {
        std::size_t valor = 0;
        for (std::size_t c = 0; c < columnas.size(); ++c) {
            if (c) salida << ' ';
            if (columnas[c] == "|") {
                salida << '|';
                continue;
            }
            salida << std::setw(static_cast<int>(columnas[c].size()))
                   << (fila[valor++] ? '1' : '0');
        }
        salida << '\n';
    }
}

void EscribeCsv(std::ostream& salida, const docencia::TablaDeVerdad& tabla) {
    const std::vector<std::string> columnas = Cabecera(tabla, false);
    for (std::size_t c = 0; c < columnas.size(); ++c) salida << (c ? "," : "") << columnas[c];
    salida << '\n';
    for (const std::vector<bool>& fila : tabla.filas) {
        for (std::size_t c = 0; c < fila.size(); ++c) salida << (c ? "," : "") << (fila[c] ? 1 : 0);
        salida << '\n';
    }
}

void EscribeGrupo(std::ostream& salida, const char* nombre,
                  const std::vector<std::string>& columnas, const std::vector<bool>& fila,
                  std::size_t primero) {
    salida << '"' << nombre << "\":{";
    for (std::size_t c = 0; c < columnas.size(); ++c)
        salida << (c ? "," : "") << '"' << columnas[c] << "\":" << (fila[primero + c] ? 1 : 0);
    salida << '}';
}

void EscribeJson(std::ostream& salida, const docencia::TablaDeVerdad& tabla) {
    for (const std::vector<bool>& fila : tabla.filas) {
        salida << '{';
        EscribeGrupo(salida, "entradas", tabla.entradas, fila, 0);
        salida << ',';
        EscribeGrupo(salida, "salidas", tabla.salidas, fila, tabla.entradas.size());
        salida << "}\n";
    }
}

}  // namespace

void EscribeTabla(std::ostream& salida, const docencia::TablaDeVerdad& tabla, Formato formato) {
    switch (formato) {
        case Formato::Texto:
            EscribeTexto(salida, tabla);
            break;
        case Formato::Csv:
            EscribeCsv(salida, tabla);
            break;
        case Formato::Json:
            EscribeJson(salida, tabla);
            break;
    }
}

}  // namespace velistra::consola
