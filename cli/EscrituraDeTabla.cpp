#include "cli/EscrituraDeTabla.h"

#include <string>
#include <string_view>

#include "cli/SalidaPorBloques.h"

namespace velistra::consola {

namespace {

using Columnas = std::vector<std::string>;

// Every row of a table reads the same but for its 0s and 1s, so its text is made once,
// and each row is a copy with its values put in.
struct Patron {
    std::string fila;
    // Where each value goes, in the row's order.
    std::vector<std::size_t> huecos;

    void Texto(std::string_view texto) { fila += texto; }
    void Hueco() {
        huecos.push_back(fila.size());
        fila += '0';
    }
};

struct Formateo {
    // Empty when the format has none.
    std::string cabecera;
    Patron patron;
};

// The column names and separators in order; a separator is written with no value under it.
Columnas Cabecera(const Columnas& entradas, const Columnas& salidas, bool conSeparador) {
    Columnas columnas = entradas;
    if (conSeparador && !salidas.empty()) columnas.push_back("|");
    columnas.insert(columnas.end(), salidas.begin(), salidas.end());
    return columnas;
}

// Text and CSV: the names, then each row with a value under each name; text pads the
// values to the right of their names' width.
Formateo EnColumnas(const Columnas& columnas, char separador, bool alineado) {
    Formateo f;
    for (std::size_t c = 0; c < columnas.size(); ++c) {
        if (c) {
            f.cabecera += separador;
            f.patron.Texto({&separador, 1});
        }
        f.cabecera += columnas[c];
        if (columnas[c] == "|") {
            f.patron.Texto("|");
            continue;
        }
        if (alineado && columnas[c].size() > 1)
            f.patron.Texto(std::string(columnas[c].size() - 1, ' '));
        f.patron.Hueco();
    }
    f.cabecera += '\n';
    f.patron.Texto("\n");
    return f;
}

void GrupoJson(Patron& patron, std::string_view nombre, const Columnas& columnas) {
    patron.Texto("\"");
    patron.Texto(nombre);
    patron.Texto("\":{");
    for (std::size_t c = 0; c < columnas.size(); ++c) {
        patron.Texto(c ? ",\"" : "\"");
        patron.Texto(columnas[c]);
        patron.Texto("\":");
        patron.Hueco();
    }
    patron.Texto("}");
}

Formateo DeJson(const Columnas& entradas, const Columnas& salidas) {
    Formateo f;
    f.patron.Texto("{");
    GrupoJson(f.patron, "entradas", entradas);
    f.patron.Texto(",");
    GrupoJson(f.patron, "salidas", salidas);
    f.patron.Texto("}\n");
    return f;
}

Formateo FormateoDe(Formato formato, const Columnas& entradas, const Columnas& salidas) {
    switch (formato) {
        case Formato::Csv:
            return EnColumnas(Cabecera(entradas, salidas, false), ',', false);
        case Formato::Json:
            return DeJson(entradas, salidas);
        case Formato::Texto:
            break;
    }
    return EnColumnas(Cabecera(entradas, salidas, true), ' ', true);
}

// The header on creation, then the rows, in blocks.
class EscrituraDeFilas {
public:
    EscrituraDeFilas(std::ostream& salida, const Columnas& entradas, const Columnas& salidas,
                     Formato formato)
        : formateo(FormateoDe(formato, entradas, salidas)), bloques(salida) {
        if (!formateo.cabecera.empty()) bloques.Agrega(formateo.cabecera);
    }

    // The row's values from `valores` on: levers, then lights.
    void Escribe(std::vector<bool>::const_iterator valores) {
        const Patron& patron = formateo.patron;
        char* fila = bloques.Agrega(patron.fila);
        for (std::size_t k = 0; k < patron.huecos.size(); ++k) {
            if (valores[static_cast<std::ptrdiff_t>(k)]) fila[patron.huecos[k]] = '1';
        }
    }

private:
    const Formateo formateo;
    SalidaPorBloques bloques;
};

template <typename Elemento, typename Nombre>
Columnas Nombres(const std::vector<Elemento>& elementos, Nombre nombre) {
    Columnas nombres;
    for (const Elemento& e : elementos) nombres.push_back(nombre(e));
    return nombres;
}

}  // namespace

void EscribeTabla(std::ostream& salida, const docencia::TablaDeVerdad& tabla, Formato formato) {
    EscrituraDeFilas escritura(salida, tabla.entradas, tabla.salidas, formato);
    for (const std::vector<bool>& fila : tabla.filas) escritura.Escribe(fila.cbegin());
}

void EscribeTablaDeLaMesa(std::ostream& salida, Mesa& mesa,
                          const std::vector<docencia::PalancaCableada>& palancas, Formato formato) {
    const std::vector<docencia::LuzCableada> luces = docencia::LucesCableadas(mesa);
    const std::size_t columnas = palancas.size() + luces.size();
    // Every row, one bit a value, one row after another.
    std::vector<bool> valores;
    std::size_t filas = 0;
    if (palancas.size() <= docencia::kMaximoDePalancas)
        valores.reserve(columnas << palancas.size());
    docencia::RecorreFilas(mesa, palancas, luces, [&](const std::vector<bool>& fila) {
        valores.insert(valores.end(), fila.begin(), fila.end());
        ++filas;
    });
    EscrituraDeFilas escritura(salida, Nombres(palancas, docencia::NombreDePalanca),
                               Nombres(luces, docencia::NombreDeLuz), formato);
    for (std::size_t f = 0; f < filas; ++f)
        escritura.Escribe(valores.cbegin() + static_cast<std::ptrdiff_t>(f * columnas));
}

}  // namespace velistra::consola
