// Feeds arbitrary bytes to velistra-cli's script reader. Beyond not crashing or hanging:
// the orders come out in line order with their numbers in range, an error names a line
// of the text, reading the bytes from memory gives what the stream gives, and every order
// that passes the check against a circuit with every kind of board can be carried out, in
// both output formats, without harm.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/ComprobacionDeGuion.h"
#include "cli/EjecutorDeGuion.h"
#include "cli/Guion.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "persistencia/RegistroDeSenales.h"
#include "plataforma/Avisos.h"
#include "simulacion/AnalizadorLogico.h"
#include "simulacion/Mesa.h"

namespace {

using namespace velistra;
using namespace velistra::consola;

// A long `tic` would only measure the simulator, not the reader.
constexpr int kTicsPorEntrada = 20;

// The BCD counter example (timer, switches, a seven-segment board, chips on a
// breadboard) with the kinds of board it lacks added: each order has something to act on.
const std::string& CircuitoDePrueba() {
    static const std::string texto = [] {
        AvisosMudos avisos;
        Mesa mesa(avisos);
        mesa.InicializaMesa();
        std::ifstream archivo(VELISTRA_CIRCUITO_DEL_GUION);
        if (LeeCircuito(mesa, archivo) != ResultadoDeLectura::Correcto) std::abort();
        for (int tipo : {Tablero::kPulsadores, Tablero::kLeds, Tablero::kPLA}) {
            if (mesa.AgregaTablero(tipo) == nullptr) std::abort();
        }
        return TextoDeCircuito(mesa);
    }();
    return texto;
}

void CompruebaLectura(const Guion& guion, const std::string& texto) {
    const int lineas = static_cast<int>(std::count(texto.begin(), texto.end(), '\n')) + 1;
    int anterior = 0;
    for (const Orden& orden : guion.ordenes) {
        if (orden.linea <= anterior || orden.linea > lineas) std::abort();
        anterior = orden.linea;
        if (orden.tipo == TipoDeOrden::Interruptor && orden.valor != 0 && orden.valor != 1) std::abort();
        if (orden.tipo == TipoDeOrden::Tic && orden.valor < 1) std::abort();
    }
    if (guion.error) {
        if (guion.error->linea <= anterior || guion.error->linea > lineas) std::abort();
        if (guion.error->mensaje.empty()) std::abort();
    }
}

bool EsElMismoGuion(const Guion& a, const Guion& b) {
    const auto mismaOrden = [](const Orden& x, const Orden& y) {
        return x.tipo == y.tipo && x.linea == y.linea && x.tablero == y.tablero &&
               x.indice == y.indice && x.valor == y.valor;
    };
    if (a.error.has_value() != b.error.has_value()) return false;
    if (a.error && (a.error->linea != b.error->linea || a.error->mensaje != b.error->mensaje))
        return false;
    return std::equal(a.ordenes.begin(), a.ordenes.end(), b.ordenes.begin(), b.ordenes.end(),
                      mismaOrden);
}

void Ejecuta(const Guion& guion, Formato formato) {
    AvisosMudos avisos;
    // registrar's channels, written out as --vcd writes them.
    AnalizadorLogico analizador;
    Mesa mesa(avisos);
    mesa.ConectaAnalizador(&analizador);
    mesa.InicializaMesa();
    std::istringstream circuito(CircuitoDePrueba());
    if (LeeCircuito(mesa, circuito) != ResultadoDeLectura::Correcto) std::abort();
    std::ostringstream salida;
    EjecutorDeGuion ejecutor(mesa, salida, formato);
    int tics = kTicsPorEntrada;
    for (const Orden& leida : guion.ordenes) {
        GuionComprobado una = CompruebaGuion({leida}, mesa);
        if (una.error) continue;
        OrdenComprobada& orden = una.ordenes.front();
        if (orden.orden.tipo == TipoDeOrden::Tic) {
            orden.orden.valor = std::min(orden.orden.valor, tics);
            tics -= orden.orden.valor;
            if (orden.orden.valor == 0) continue;
        }
        ejecutor.Ejecuta(orden);
    }
    if (TextoVcd(analizador).empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const std::string texto(reinterpret_cast<const char*>(datos), tamano);
    std::istringstream entrada(texto);
    const Guion guion = LeeGuion(entrada);
    CompruebaLectura(guion, texto);
    // A script file is read from memory, standard input as a stream: the same bytes must
    // give the same script.
    if (!EsElMismoGuion(LeeGuion(std::string_view(texto)), guion)) std::abort();
    Ejecuta(guion, Formato::Texto);
    Ejecuta(guion, Formato::Json);
    return 0;
}
