// Scripts: every faulty line is named with its file and line and stops the run before
// anything happens; comments, blank lines and Windows line ends are no fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "support/Proceso.h"
#include "cli/Guion.h"
#include "cli/LineaDeOrdenes.h"
#include "cli/Textos.h"
#include "support/CarpetaTemporal.h"

namespace velistra::consola {
namespace {

// The half adder: supply 1, timer 2, breadboard 3, switches 4, LEDs 5.
const std::string kSemisumador = std::string(VELISTRA_EJEMPLOS) + "/semisumador/circuito.txt";

struct Ejecucion {
    int codigo = -1;
    std::string salida;
    std::string errores;
};

Ejecucion Simula(const std::string& guion,
                 std::vector<std::string> argumentos = {"simular", kSemisumador}) {
    std::istringstream entrada(guion);
    std::ostringstream salida;
    std::ostringstream errores;
    Ejecucion e;
    e.codigo = EjecutaLineaDeOrdenes(argumentos, entrada, salida, errores);
    e.salida = salida.str();
    e.errores = errores.str();
    return e;
}

TEST(Guion, UnaLineaErroneaSeNombraYNadaSeEjecuta) {
    struct Caso {
        std::string linea;
        std::string mensaje;
    };
    const Caso casos[] = {
        {"saltar 3", "orden desconocida «saltar»"},
        {"Mostrar", "orden desconocida «Mostrar»"},
        {"encender ya", "sobran argumentos; se espera: encender"},
        {"mostrar 5", "sobran argumentos; se espera: mostrar"},
        {"interruptor 4 0", "faltan argumentos; se espera: interruptor ID I 0|1"},
        {"interruptor 4 0 1 1", "sobran argumentos; se espera: interruptor ID I 0|1"},
        {"soltar 4", "faltan argumentos; se espera: soltar ID I"},
        {"tic 2 3", "sobran argumentos; se espera: tic [N]"},
        {"interruptor cuatro 0 1", "«cuatro» no es un número entero"},
        {"tic 1.5", "«1.5» no es un número entero"},
        {"tic 99999999999", "«99999999999» no es un número entero"},
        {"sonda 3 0x10", "«0x10» no es un número entero"},
        {"interruptor 4 0 2", "la posición de la palanca debe ser 0 o 1, no 2"},
        {"tic 0", "el número de tics debe ser 1 o más, no 0"},
        {"interruptor 9 0 1", "no existe el tablero 9"},
        {"interruptor 5 0 1", "el tablero 5 no es de interruptores"},
        {"interruptor 4 8 1", "no existe la palanca 8 (van de 0 a 7)"},
        {"interruptor 4 -1 1", "no existe la palanca -1 (van de 0 a 7)"},
        {"pulsar 4 0", "el tablero 4 no es de pulsadores"},
        {"soltar 0 0", "no existe el tablero 0"},
        {"sonda 3 880", "no existe el puerto 880 del tablero 3 (van de 0 a 879)"},
        {"sonda 5 -1", "no existe el puerto -1 del tablero 5 (van de 0 a 8)"},
        {"sonda 7 0", "no existe el tablero 7"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.linea);
        const Ejecucion e = Simula("encender\nmostrar\n\n" + c.linea + "\nmostrar\n");
        EXPECT_EQ(e.codigo, 1);
        EXPECT_EQ(e.salida, "");
        EXPECT_EQ(e.errores, "entrada estándar:4: " + c.mensaje + "\n");
    }
}

TEST(Guion, ComentariosLineasEnBlancoYFinesDeLineaDeWindowsNoCuentan) {
    const Ejecucion e = Simula(
        "# semisumador\r\n"
        "\r\n"
        "   encender    # con sangría y comentario\r\n"
        "\tinterruptor 4 0 1#pegado\r\n"
        "#mostrar\r\n"
        "mostrar");
    EXPECT_EQ(e.codigo, 0);
    EXPECT_EQ(e.errores, "");
    EXPECT_EQ(e.salida, "leds 5: 10000000\n");

    EXPECT_EQ(Simula("").codigo, 0);
    EXPECT_EQ(Simula("# solo un comentario\n").salida, "");
}

TEST(Guion, ElArchivoDeGuionSeNombraEnSusErroresYUnoQueFaltaSeRechaza) {
    const prueba::CarpetaTemporal carpeta;
    const std::string guion = carpeta.Archivo("prueba.guion");
    prueba::EscribeArchivo(guion, "encender\n\npulsar 4 1\n");
    Ejecucion e = Simula("", {"simular", kSemisumador, "--guion", guion});
    EXPECT_EQ(e.codigo, 1);
    EXPECT_EQ(e.errores, guion + ":3: el tablero 4 no es de pulsadores\n");

    const std::string falta = carpeta.Archivo("no-existe.guion");
    e = Simula("mostrar\n", {"simular", kSemisumador, "--guion", falta});
    EXPECT_EQ(e.codigo, 1);
    EXPECT_EQ(e.salida, "");
    EXPECT_EQ(e.errores, "velistra-cli: no se puede abrir el guion «" + falta + "»\n");
}

std::string Describe(int linea, TipoDeOrden tipo, int tablero, int indice, int valor,
                     const std::string& nombre = "") {
    return std::to_string(linea) + ": " + std::to_string(static_cast<int>(tipo)) + ' ' +
           std::to_string(tablero) + ' ' + std::to_string(indice) + ' ' + std::to_string(valor) +
           " «" + nombre + "»";
}

// The orders a reader gives, then its error.
std::vector<std::string> Ordenes(LectorDeGuion lector) {
    std::vector<std::string> ordenes;
    while (const Orden* o = lector.Siguiente())
        ordenes.push_back(Describe(o->linea, o->tipo, o->tablero, o->indice, o->valor, o->nombre));
    if (lector.Error())
        ordenes.push_back(std::to_string(lector.Error()->linea) + ": " + lector.Error()->mensaje);
    return ordenes;
}

TEST(Guion, UnaLineaRepetidaOPartidaEntreLecturasDaLaMismaOrden) {
    // Lines met again, a name that must not stay for the line after, lines that differ only
    // in a number or a comment, and a faulty last line with no '\n'.
    std::string guion =
        "\xEF\xBB\xBF"
        "encender\n";
    // Sixteen lines of one length, each met two or three times.
    const auto palanca = [](int i) {
        return std::to_string(i % 8) + ' ' + std::to_string(i / 8 % 2);
    };
    for (int i = 0; i < 40; ++i)
        guion += "interruptor 4 " + palanca(i) + (i % 2 == 0 ? "\n" : "\n\n");
    guion +=
        "registrar 5 0 suma\ninterruptor 4 0 1\ninterruptor 4 0 1 # otra vez\ntic 3\ntic\n"
        "interruptor 4 0 2";
    HablaEn(Idioma::Espanol);
    const std::vector<std::string> leidas =
        Ordenes(LectorDeGuion(FuenteEnMemoria(guion), std::nullopt));

    std::vector<std::string> esperadas = {Describe(1, TipoDeOrden::Encender, 0, 0, 0)};
    for (int i = 0, linea = 2; i < 40; ++i, linea += i % 2 == 0 ? 2 : 1)
        esperadas.push_back(Describe(linea, TipoDeOrden::Interruptor, 4, i % 8, i / 8 % 2));
    esperadas.push_back(Describe(62, TipoDeOrden::Registrar, 5, 0, 0, "suma"));
    esperadas.push_back(Describe(63, TipoDeOrden::Interruptor, 4, 0, 1));
    esperadas.push_back(Describe(64, TipoDeOrden::Interruptor, 4, 0, 1));
    esperadas.push_back(Describe(65, TipoDeOrden::Tic, 0, 0, 3));
    esperadas.push_back(Describe(66, TipoDeOrden::Tic, 0, 0, 1));
    esperadas.push_back("67: la posición de la palanca debe ser 0 o 1, no 2");
    EXPECT_EQ(leidas, esperadas);

    // Handed over a few bytes at a time, lines straddle the fillings of the buffer.
    for (const std::size_t trozo : {1, 7, 100}) {
        SCOPED_TRACE(trozo);
        std::size_t dados = 0;
        const FuenteDeGuion aTrozos = [&](char* destino, std::size_t n) {
            const std::size_t tomados = guion.copy(destino, std::min(n, trozo), dados);
            dados += tomados;
            return static_cast<long>(tomados);
        };
        EXPECT_EQ(Ordenes(LectorDeGuion(aTrozos, std::nullopt)), esperadas);
    }
}

}  // namespace
}  // namespace velistra::consola
