#include "persistencia/RegistroDeSenales.h"

#include <ostream>
#include <sstream>

#include "plataforma/Textos.h"
#include "simulacion/AnalizadorLogico.h"

namespace velistra {

namespace {

char ValorVcd(char estado) {
    switch (estado) {
        case '0': return '0';
        case '1': return '1';
        case MuestraLogica::kSinDato: return 'x';
        default: return 'z';
    }
}

// A reference is one word of printable ASCII that no reader takes for a keyword: blanks
// and other bytes become underscores, and a leading '$' ("$end") gets one before it.
std::string ReferenciaVcd(const std::string& nombre) {
    std::string r = nombre.empty() || nombre.front() == '$' ? "_" + nombre : nombre;
    for (char& c : r) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u > '~') c = '_';
    }
    return r;
}

// RFC 4180: quotes only where a comma, a quote or a line break needs them.
std::string CampoCsv(const std::string& texto) {
    if (texto.find_first_of(",\"\r\n") == std::string::npos) return texto;
    std::string campo = "\"";
    for (char c : texto) {
        if (c == '"') campo += '"';
        campo += c;
    }
    return campo + '"';
}

}  // namespace

void EscribeVcd(const AnalizadorLogico& analizador, std::ostream& salida) {
    const auto& canales = analizador.Canales();
    // One letter per channel is enough for sixteen, and no reader takes it for a keyword.
    auto codigo = [](std::size_t c) { return static_cast<char>('A' + c); };
    salida << "$version Velistra " << textos::kVersion << " $end\n"
           << "$timescale 1us $end\n"
           << "$scope module velistra $end\n";
    for (std::size_t c = 0; c < canales.size(); ++c)
        salida << "$var wire 1 " << codigo(c) << ' ' << ReferenciaVcd(canales[c].nombre) << " $end\n";
    salida << "$upscope $end\n$enddefinitions $end\n";

    const std::size_t n = analizador.NumeroDeMuestras();
    if (n == 0) return;
    const MuestraLogica* anterior = &analizador.Muestra(0);
    salida << '#' << anterior->tiempo << "\n$dumpvars\n";
    for (std::size_t c = 0; c < canales.size(); ++c) salida << ValorVcd(anterior->valores[c]) << codigo(c) << '\n';
    salida << "$end\n";
    std::int64_t escrito = anterior->tiempo;
    for (std::size_t i = 1; i < n; ++i) {
        const MuestraLogica& m = analizador.Muestra(i);
        for (std::size_t c = 0; c < canales.size(); ++c) {
            if (ValorVcd(m.valores[c]) == ValorVcd(anterior->valores[c])) continue;
            if (m.tiempo != escrito) {
                salida << '#' << m.tiempo << '\n';
                escrito = m.tiempo;
            }
            salida << ValorVcd(m.valores[c]) << codigo(c) << '\n';
        }
        anterior = &m;
    }
}

std::string TextoVcd(const AnalizadorLogico& analizador) {
    std::ostringstream texto;
    EscribeVcd(analizador, texto);
    return texto.str();
}

void EscribeCsv(const AnalizadorLogico& analizador, std::ostream& salida) {
    const auto& canales = analizador.Canales();
    salida << "tiempo_us";
    for (const CanalLogico& canal : canales) salida << ',' << CampoCsv(canal.nombre);
    salida << '\n';
    for (std::size_t i = 0; i < analizador.NumeroDeMuestras(); ++i) {
        const MuestraLogica& m = analizador.Muestra(i);
        salida << m.tiempo;
        for (std::size_t c = 0; c < canales.size(); ++c) {
            salida << ',';
            if (m.valores[c] != MuestraLogica::kSinDato) salida << m.valores[c];
        }
        salida << '\n';
    }
}

std::string TextoCsv(const AnalizadorLogico& analizador) {
    std::ostringstream texto;
    EscribeCsv(analizador, texto);
    return texto.str();
}

}  // namespace velistra
