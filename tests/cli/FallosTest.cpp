// Troubleshooting exercises: faults planted from a file beside the circuit change exactly
// the lamps they imply, leave the circuit file alone, and a wrong line plants nothing.
#include <gtest/gtest.h>

#include "support/CarpetaTemporal.h"
#include "support/Proceso.h"

namespace velistra::prueba {
namespace {

const std::string kSemisumador = std::string(VELISTRA_EJEMPLOS) + "/semisumador";

// A on, then B on too: sum and carry on lamps 0 and 1 of board 5.
constexpr const char* kGuion = "encender\nmostrar\ninterruptor 4 0 1\nmostrar\ninterruptor 4 1 1\nmostrar\n";

ResultadoDelProceso ConFallos(const CarpetaTemporal& carpeta, const std::string& fallos) {
    const std::string archivo = carpeta.Archivo("circuito.fallos");
    EscribeArchivo(archivo, fallos);
    EscribeArchivo(carpeta.Archivo("guion.txt"), kGuion);
    return EjecutaCli({"simular", kSemisumador + "/circuito.txt", "--guion", carpeta.Archivo("guion.txt"),
                       "--fallos", archivo});
}

TEST(Fallos, UnaPatillaFijaOAbiertaCambiaSoloLasLamparasQueToca) {
    CarpetaTemporal carpeta;
    const std::string original = LeeArchivo(kSemisumador + "/circuito.txt");
    // The XOR's output (chip 1, pin 3) stuck at 1: the sum lamp is always lit.
    ResultadoDelProceso r = ConFallos(carpeta, "# la suma, siempre encendida\npatilla 1 3 1\n");
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida, "leds 5: 10000000\nleds 5: 10000000\nleds 5: 11000000\n");
    // The AND's input B open: read as high, the carry follows A alone.
    r = ConFallos(carpeta, "patilla 2 2 abierta\n");
    EXPECT_EQ(r.salida, "leds 5: 00000000\nleds 5: 11000000\nleds 5: 01000000\n");
    // Without faults the example gives what it always gives; its file never changed.
    r = EjecutaCli({"simular", kSemisumador + "/circuito.txt", "--guion", carpeta.Archivo("guion.txt")});
    EXPECT_EQ(r.salida, "leds 5: 00000000\nleds 5: 10000000\nleds 5: 01000000\n");
    EXPECT_EQ(LeeArchivo(kSemisumador + "/circuito.txt"), original);
}

TEST(Fallos, UnCableAbiertoDejaDeUnir) {
    CarpetaTemporal carpeta;
    // Opening every wire leaves the chips unfed: nothing lights.
    std::string todos;
    for (int c = 1; c <= 15; ++c) todos += "cable " + std::to_string(c) + " abierto\n";
    const ResultadoDelProceso r = ConFallos(carpeta, todos);
    EXPECT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida, "leds 5: 00000000\nleds 5: 00000000\nleds 5: 00000000\n");
}

TEST(Fallos, UnaLineaErroneaSeDiceYNoSeSimulaNada) {
    CarpetaTemporal carpeta;
    const std::string archivo = carpeta.Archivo("circuito.fallos");
    struct Caso {
        const char* texto;
        std::string error;
    };
    const Caso casos[] = {
        {"patilla 1 3 1\npatilla 9 1 0\n", ":2: no existe el chip 9\n"},
        {"patilla 1 15 0\n", ":1: el chip 1 no tiene la patilla 15\n"},
        {"patilla 1 3 2\n", ":1: una patilla queda a 0, a 1 o abierta\n"},
        {"cable 99 abierto\n", ":1: no existe el cable 99\n"},
        {"\nfundido 1\n", ":2: se espera patilla o cable\n"},
    };
    for (const Caso& c : casos) {
        const ResultadoDelProceso r = ConFallos(carpeta, c.texto);
        EXPECT_EQ(r.codigo, 1);
        EXPECT_EQ(r.salida, "");
        EXPECT_EQ(r.errores, archivo + c.error);
    }
    EXPECT_EQ(EjecutaCli({"simular", kSemisumador + "/circuito.txt", "--fallos", carpeta.Archivo("no-esta")}).codigo,
              1);
}

}  // namespace
}  // namespace velistra::prueba
