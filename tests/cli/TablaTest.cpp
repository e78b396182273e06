// Truth tables: every combination of the wired levers, in board and lever order, with
// the wired lights; refused without levers or with too many.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "CircuitosDeEjemplo.h"
#include "Montaje.h"
#include "cli/SalidaPorBloques.h"
#include "support/Proceso.h"
#include "docencia/TablaDeVerdad.h"
#include "support/CarpetaTemporal.h"

namespace velistra::prueba {
namespace {

const std::string kEjemplos = VELISTRA_EJEMPLOS;
const std::string kSemisumador = kEjemplos + "/semisumador/circuito.txt";

TEST(Tabla, ElSemisumadorDaSuTablaDeVerdadEnLosTresFormatos) {
    const std::pair<std::vector<std::string>, std::string> formatos[] = {
        {{},
         "int4.0 int4.1 | leds5.0 leds5.1\n"
         "     0      0 |       0       0\n"
         "     0      1 |       1       0\n"
         "     1      0 |       1       0\n"
         "     1      1 |       0       1\n"},
        {{"--csv"},
         "int4.0,int4.1,leds5.0,leds5.1\n"
         "0,0,0,0\n"
         "0,1,1,0\n"
         "1,0,1,0\n"
         "1,1,0,1\n"},
        {{"--json"},
         "{\"entradas\":{\"int4.0\":0,\"int4.1\":0},\"salidas\":{\"leds5.0\":0,\"leds5.1\":0}}\n"
         "{\"entradas\":{\"int4.0\":0,\"int4.1\":1},\"salidas\":{\"leds5.0\":1,\"leds5.1\":0}}\n"
         "{\"entradas\":{\"int4.0\":1,\"int4.1\":0},\"salidas\":{\"leds5.0\":1,\"leds5.1\":0}}\n"
         "{\"entradas\":{\"int4.0\":1,\"int4.1\":1},\"salidas\":{\"leds5.0\":0,\"leds5.1\":1}}\n"},
    };
    for (const auto& [opciones, esperada] : formatos) {
        std::vector<std::string> argumentos{"tabla", kSemisumador};
        argumentos.insert(argumentos.end(), opciones.begin(), opciones.end());
        SCOPED_TRACE(argumentos.back());
        const ResultadoDelProceso r = EjecutaCli(argumentos);
        EXPECT_EQ(r.codigo, 0);
        EXPECT_EQ(r.errores, "");
        EXPECT_EQ(r.salida, esperada);
    }
}

TEST(Tabla, LosSegmentosSeNombranPorDigitoYLetra) {
    // The BCD counter: lever 0 of board 5 resets it; segments a..g of digit 0 of board 4.
    const ResultadoDelProceso r =
        EjecutaCli({"tabla", kEjemplos + "/contador-bcd/circuito.txt", "--csv"});
    EXPECT_EQ(r.codigo, 0);
    const std::string cabecera = r.salida.substr(0, r.salida.find('\n'));
    EXPECT_EQ(cabecera, "int5.0,7seg4.0a,7seg4.0b,7seg4.0c,7seg4.0d,7seg4.0e,7seg4.0f,7seg4.0g");
    // Held in reset the digit shows 0.
    EXPECT_EQ(r.salida.substr(r.salida.rfind('\n', r.salida.size() - 2) + 1), "1,1,1,1,1,1,1,0\n");
}

TEST(Tabla, SinPalancasCableadasLoDiceYNoRecorreNada) {
    // Push-buttons are not levers.
    const ResultadoDelProceso r =
        EjecutaCli({"tabla", kEjemplos + "/registro-de-desplazamiento/circuito.txt"});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.salida, "");
    EXPECT_EQ(r.errores,
              "El circuito no tiene interruptores cableados: no hay tabla que recorrer.\n");
}

// Switch boards whose levers light the lamp of the same number on an LED board of their
// own, `palancas` levers in all.
std::string CircuitoDeEspejos(int palancas) {
    ejemplos::Montaje m;
    Tablero& p = m.Protoboard();
    for (int tablero = 0; palancas > 0; ++tablero, palancas -= 8) {
        Tablero& s = m.Agrega(Tablero::kInterruptores, {110 + 230 * tablero, 420});
        Tablero& l = m.Agrega(Tablero::kLeds, {110 + 230 * tablero, 520});
        m.AlimentaTiras(p, s);
        m.PuertoAGnd(p, l, 8);
        for (int i = 0; i < std::min(palancas, 8); ++i) m.Cablea(s, 3 * i, l, i);
    }
    return m.Texto();
}

TEST(Tabla, DieciseisPalancasSeRecorrenYDiecisieteSeRechazan) {
    const CarpetaTemporal carpeta;
    const std::string diecisiete = carpeta.Archivo("diecisiete.txt");
    EscribeArchivo(diecisiete, CircuitoDeEspejos(17));
    ResultadoDelProceso r = EjecutaCli({"tabla", diecisiete});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.salida, "");
    EXPECT_EQ(r.errores,
              "El circuito tiene 17 interruptores cableados; la tabla admite 16 como máximo.\n");

    const std::string dieciseis = carpeta.Archivo("dieciseis.txt");
    EscribeArchivo(dieciseis, CircuitoDeEspejos(16));
    r = EjecutaCli({"tabla", dieciseis, "--csv"});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(std::count(r.salida.begin(), r.salida.end(), '\n'), 1 + 65536);
    // The first lever is the most significant; every lamp mirrors its lever.
    EXPECT_NE(r.salida.find("\n0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0\n"),
              std::string::npos);
    std::string todoArriba = "1";
    for (int i = 1; i < 32; ++i) todoArriba += ",1";
    EXPECT_TRUE(r.salida.ends_with("\n" + todoArriba + "\n"));
}

TEST(Tabla, UnaPalancaCuentaComoCableadaPorCualquieraDeSusTresTerminales) {
    ejemplos::Montaje m;
    Tablero& s = m.Agrega(Tablero::kInterruptores, {330, 420});
    Tablero& l = m.Agrega(Tablero::kLeds, {560, 420});
    m.Cablea(s, 3 * 2 + 2, l, 6);  // lever 2, bottom terminal
    m.Cablea(s, 3 * 5 + 1, l, 1);  // lever 5, middle terminal
    m.Cablea(s, 24, l, 3);         // the board's VCC terminal is no lever
    const std::vector<docencia::PalancaCableada> palancas = docencia::PalancasCableadas(m.mesa);
    ASSERT_EQ(palancas.size(), 2u);
    EXPECT_EQ(palancas[0].indice, 2);
    EXPECT_EQ(palancas[1].indice, 5);
    const std::vector<docencia::LuzCableada> luces = docencia::LucesCableadas(m.mesa);
    ASSERT_EQ(luces.size(), 3u);
    EXPECT_EQ(luces[0].indice, 1);
    EXPECT_EQ(luces[1].indice, 3);
    EXPECT_EQ(luces[2].indice, 6);
}

// The plain walk: every lever set on every row, in order.
std::vector<std::vector<bool>> FilasPalancaAPalanca(
    Mesa& mesa, const std::vector<docencia::PalancaCableada>& palancas,
    const std::vector<docencia::LuzCableada>& luces) {
    if (!mesa.bON()) mesa.ConmutaFuente();
    std::vector<std::vector<bool>> filas;
    const std::size_t n = palancas.size();
    for (unsigned long combinacion = 0; combinacion < (1UL << n); ++combinacion) {
        std::vector<bool> fila;
        for (std::size_t j = 0; j < n; ++j) {
            fila.push_back(((combinacion >> (n - 1 - j)) & 1UL) != 0);
            mesa.PonEntrada(*palancas[j].tablero, palancas[j].indice, fila.back());
        }
        for (const docencia::LuzCableada& l : luces)
            fila.push_back(l.tablero->EstadoDeLed(l.indice));
        filas.push_back(fila);
    }
    return filas;
}

TEST(Tabla, MoverSoloLasPalancasQueCambianDaLaMismaTablaQueMoverlasTodas) {
    // Latches and counters answer to the order the levers move in, not only to where they
    // end; some levers start up, so the first row has to move them too.
    int recorridos = 0;
    for (const ejemplos::Ejemplo& ejemplo : ejemplos::Ejemplos()) {
        const std::string carpeta = ejemplo.carpeta;
        if (carpeta != "biestable-sr" && carpeta != "sumador-4-bits") continue;
        SCOPED_TRACE(carpeta);
        ejemplos::Montaje uno;
        ejemplos::Montaje otro;
        ejemplo.monta(uno);
        ejemplo.monta(otro);
        const auto palancas = docencia::PalancasCableadas(uno.mesa);
        const auto palancasDelOtro = docencia::PalancasCableadas(otro.mesa);
        ASSERT_FALSE(palancas.empty());
        for (std::size_t j = 0; j < palancas.size(); j += 2) {
            uno.mesa.PonEntrada(*palancas[j].tablero, palancas[j].indice, true);
            otro.mesa.PonEntrada(*palancasDelOtro[j].tablero, palancasDelOtro[j].indice, true);
        }
        const docencia::TablaDeVerdad tabla =
            docencia::RecorreCombinaciones(uno.mesa, palancas, docencia::LucesCableadas(uno.mesa));
        EXPECT_EQ(tabla.filas, FilasPalancaAPalanca(otro.mesa, palancasDelOtro,
                                                    docencia::LucesCableadas(otro.mesa)));
        for (std::size_t j = 0; j < palancas.size(); ++j)
            EXPECT_EQ(palancas[j].tablero->EntradaSeleccionada(),
                      palancasDelOtro[j].tablero->EntradaSeleccionada());
        ++recorridos;
    }
    EXPECT_EQ(recorridos, 2);
}

// Every write a stream gets, kept apart.
class Escrituras : public std::streambuf {
public:
    std::vector<std::string> trozos;

protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        trozos.emplace_back(s, static_cast<std::size_t>(n));
        return n;
    }
    int_type overflow(int_type c) override {
        trozos.emplace_back(1, traits_type::to_char_type(c));
        return c;
    }
};

TEST(Tabla, LaSalidaSaleEnBloquesSinPartirNingunTrozo) {
    Escrituras escrituras;
    std::ostream flujo(&escrituras);
    {
        consola::SalidaPorBloques salida(flujo, 8);
        salida.Agrega("abc");
        salida.Agrega("defgh");  // fills the block exactly
        salida.Agrega("ij");
        // Longer than a block: written alone, after the caller has filled it in.
        salida.Agrega("0123456789")[0] = 'X';
        salida.Agrega("z");
        EXPECT_EQ(escrituras.trozos, (std::vector<std::string>{"abcdefgh", "ij", "X123456789"}));
    }
    EXPECT_EQ(escrituras.trozos, (std::vector<std::string>{"abcdefgh", "ij", "X123456789", "z"}));
}

}  // namespace
}  // namespace velistra::prueba
