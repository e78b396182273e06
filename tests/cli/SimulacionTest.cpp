// The runner as a teacher's shell sees it: unreadable circuits, JSON lines, saving,
// and the instruments operated exactly as the mouse operates them.
#include <gtest/gtest.h>

#include <filesystem>

#include "Montaje.h"
#include "support/Proceso.h"
#include "support/CarpetaTemporal.h"

namespace velistra::prueba {
namespace {

const std::string kEjemplos = VELISTRA_EJEMPLOS;
// Supply 1, timer 2, breadboard 3, switches 4, LEDs 5.
const std::string kSemisumador = kEjemplos + "/semisumador/circuito.txt";
// Supply 1, timer 2, breadboard 3, push-buttons 4, LEDs 5.
const std::string kRegistro = kEjemplos + "/registro-de-desplazamiento/circuito.txt";

constexpr const char* kErrorDeLectura = "Error en la lectura del archivo.\n";

TEST(Simulacion, UnCircuitoQueNoSePuedeLeerDaElMensajeDelProgramaYCodigo2) {
    const CarpetaTemporal carpeta;
    const std::string version = carpeta.Archivo("version.txt");
    EscribeArchivo(version,
                   "Version 0.9.6\n2\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 0\n0\n0\n");
    const std::string truncado = carpeta.Archivo("truncado.txt");
    EscribeArchivo(truncado, "Version 0.9.7\n2\n 4 10 175 77 128 0 1\n");
    const std::string letras = carpeta.Archivo("letras.txt");
    EscribeArchivo(letras, "Version 0.9.7\ndos\n");

    struct Caso {
        std::string archivo;
        std::string mensaje;
    };
    const Caso casos[] = {
        {carpeta.Archivo("no-existe.txt"), kErrorDeLectura},
        {carpeta.ruta.string(), kErrorDeLectura},
        {version, "El programa solo abre archivos de la versión 0.9.7\n"},
        {truncado, kErrorDeLectura},
        {letras, kErrorDeLectura},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.archivo);
        for (const char* orden : {"simular", "tabla"}) {
            const ResultadoDelProceso r = EjecutaCli({orden, c.archivo}, "encender\nmostrar\n");
            EXPECT_EQ(r.codigo, 2);
            EXPECT_EQ(r.salida, "");
            EXPECT_EQ(r.errores, c.mensaje);
        }
    }
}

TEST(Simulacion, ConJsonCadaLineaDeMostrarYDeSondaEsUnObjeto) {
    const ResultadoDelProceso r =
        EjecutaCli({"simular", kSemisumador, "--json"},
                   "encender\ninterruptor 4 0 1\n\nmostrar\nsonda 4 0\nsonda 3 700\n");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.errores, "");
    EXPECT_EQ(r.salida,
              "{\"linea\":4,\"orden\":\"mostrar\",\"clase\":\"leds\",\"tablero\":5,\"estado\":"
              "\"10000000\"}\n"
              "{\"linea\":5,\"orden\":\"sonda\",\"tablero\":4,\"puerto\":0,\"estado\":\"1\"}\n"
              "{\"linea\":6,\"orden\":\"sonda\",\"tablero\":3,\"puerto\":700,\"estado\":\"0\"}\n");
}

TEST(Simulacion, MostrarRecorreLedsSieteSegmentosYPlaEnElOrdenDeLosTableros) {
    const CarpetaTemporal carpeta;
    ejemplos::Montaje m;
    m.Agrega(Tablero::kSieteSegmentos, {330, 420});
    m.Agrega(Tablero::kPLA, {0, 600});
    m.Agrega(Tablero::kLeds, {330, 300});
    const std::string circuito = carpeta.Archivo("tableros.txt");
    EscribeArchivo(circuito, m.Texto());

    ResultadoDelProceso r = EjecutaCli({"simular", circuito}, "encender\nmostrar\nsonda 3 32\n");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "7seg 3: " + std::string(32, '0') +
                            "\n"
                            "pla 4: 0000\n"
                            "leds 5: 00000000\n"
                            "sonda 3 32: Z\n");

    r = EjecutaCli({"simular", circuito}, "sonda 4 0\n");
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.errores, "entrada estándar:1: el tablero 4 no tiene puertos\n");
}

TEST(Simulacion, EncenderYApagarSoloAccionanLaFuenteSiNoEstaYaAsi) {
    const ResultadoDelProceso r =
        EjecutaCli({"simular", kSemisumador},
                   "apagar\nencender\ninterruptor 4 0 1\nencender\nmostrar\n"
                   "apagar\napagar\nmostrar\nencender\nmostrar\n");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "leds 5: 10000000\nleds 5: 00000000\nleds 5: 10000000\n");
}

TEST(Simulacion, UnaTeclaPulsadaDosVecesSigueSiendoUnaPulsacion) {
    // Key 1 clocks the 74194 on its press; key 0 is the serial input.
    const ResultadoDelProceso r =
        EjecutaCli({"simular", kRegistro},
                   "encender\npulsar 4 0\npulsar 4 1\npulsar 4 1\nmostrar\n"
                   "soltar 4 1\nsoltar 4 1\nsoltar 4 0\nmostrar\nsonda 4 3\n");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, "leds 5: 10000000\nleds 5: 10000000\nsonda 4 3: 0\n");
}

TEST(Simulacion, GuardarEscribeElCircuitoComoElProgramaAunQueLoCambieElGuion) {
    const CarpetaTemporal carpeta;
    const std::string copia = carpeta.Archivo("copia.txt");
    EscribeArchivo(copia, "un archivo anterior");
    const ResultadoDelProceso r = EjecutaCli({"simular", kSemisumador, "--guardar", copia},
                                             "encender\ninterruptor 4 1 1\nmostrar\n");
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.errores, "");
    EXPECT_EQ(r.salida, "leds 5: 10000000\n");
    // Lever positions and the supply are not part of a circuit file.
    EXPECT_EQ(LeeArchivo(copia), LeeArchivo(kSemisumador));
    // Written through a temporary file that is gone afterwards.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(carpeta.ruta), {}), 1);
}

TEST(Simulacion, UnGuardadoFallidoSeAvisaConCodigo3YNoTocaNada) {
    const CarpetaTemporal carpeta;
    const std::string enCarpetaQueFalta = carpeta.Archivo("falta/copia.txt");
    ResultadoDelProceso r =
        EjecutaCli({"simular", kSemisumador, "--guardar", enCarpetaQueFalta}, "mostrar\n");
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.salida, "leds 5: 00000000\n");
    EXPECT_EQ(r.errores, "El archivo no puede               ser almacenado.\n");
    EXPECT_FALSE(std::filesystem::exists(enCarpetaQueFalta));

    // A folder in the way is left as it was.
    const std::string carpetaEnMedio = carpeta.Archivo("ocupado");
    std::filesystem::create_directory(carpetaEnMedio);
    r = EjecutaCli({"simular", kSemisumador, "--guardar", carpetaEnMedio}, "");
    EXPECT_EQ(r.codigo, 3);
    EXPECT_TRUE(std::filesystem::is_directory(carpetaEnMedio));

    // A faulty script saves nothing.
    const std::string copia = carpeta.Archivo("copia.txt");
    r = EjecutaCli({"simular", kSemisumador, "--guardar", copia}, "pulsar 4 0\n");
    EXPECT_EQ(r.codigo, 1);
    EXPECT_FALSE(std::filesystem::exists(copia));
}

}  // namespace
}  // namespace velistra::prueba
