// velistra-cli run as a process on what a shell can hand it besides a text file: a
// folder, a device that never ends, a FIFO nobody writes into, a pipe, a disk that fills
// up, a script saved by an editor that puts a byte-order mark first. Each is read or gets
// a message and an exit code; none hangs, fills the memory or reports success.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/Proceso.h"
#include "support/CarpetaTemporal.h"

namespace velistra::prueba {
namespace {

namespace fs = std::filesystem;

const std::string kSemisumador = std::string(VELISTRA_EJEMPLOS) + "/semisumador/circuito.txt";
constexpr const char* kErrorDeLectura = "Error en la lectura del archivo.\n";

// ASan reserves terabytes of address space at start-up: a memory limit stops it first.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kConSanitizador = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kConSanitizador = true;
#else
constexpr bool kConSanitizador = false;
#endif
#else
constexpr bool kConSanitizador = false;
#endif

Lanzamiento Simular(std::vector<std::string> extra = {}) {
    Lanzamiento l;
    l.programa = VELISTRA_CLI;
    l.argumentos = {"simular", kSemisumador};
    l.argumentos.insert(l.argumentos.end(), extra.begin(), extra.end());
    l.plazo = std::chrono::seconds(20);
    return l;
}

// Refused with exit 1 and one line on standard error, of a reasonable length.
void EsperaGuionRechazado(const ResultadoDelProceso& r, const std::string& mensaje) {
    EXPECT_FALSE(r.colgado);
    EXPECT_EQ(r.senal, 0);
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.salida, "");
    EXPECT_EQ(r.errores, mensaje + "\n");
}

TEST(EntradasRaras, UnaCarpetaNoEsUnGuionVacio) {
    const CarpetaTemporal carpeta;
    EsperaGuionRechazado(Ejecuta(Simular({"--guion", carpeta.ruta.string()})),
                         "velistra-cli: el guion «" + carpeta.ruta.string() +
                             "» no es un archivo normal; se lee de un archivo o de la entrada "
                             "estándar");
    Lanzamiento l = Simular();
    l.archivoDeEntrada = carpeta.ruta.string();
    EsperaGuionRechazado(Ejecuta(l),
                         "velistra-cli: no se puede leer el guion de la entrada estándar");
    EsperaGuionRechazado(Ejecuta(Simular({"--guion", carpeta.Archivo("no-existe.txt")})),
                         "velistra-cli: no se puede abrir el guion «" +
                             carpeta.Archivo("no-existe.txt") + "»");
}

TEST(EntradasRaras, UnGuionSinFinNiSaltosDeLineaSeCortaPronto) {
    const std::string largo = "entrada estándar:1: la línea pasa de 4096 caracteres";
    Lanzamiento dispositivo = Simular({"--guion", "/dev/zero"});
    Lanzamiento entrada = Simular();
    entrada.archivoDeEntrada = "/dev/zero";
    if (!kConSanitizador) {
        // Far less than the gigabytes that reading on would take.
        dispositivo.memoria = entrada.memoria = 256L << 20;
    }
    // A device is read as it comes, as standard input is.
    EsperaGuionRechazado(Ejecuta(dispositivo), "/dev/zero:1: la línea pasa de 4096 caracteres");
    EsperaGuionRechazado(Ejecuta(entrada), largo);

    // A file of one long line: the message does not print the line back.
    const CarpetaTemporal carpeta;
    const std::string guion = carpeta.Archivo("guion.txt");
    EscribeArchivo(guion, "mostrar\n" + std::string(1 << 20, 'x') + "\nmostrar\n");
    EsperaGuionRechazado(Ejecuta(Simular({"--guion", guion})),
                         guion + ":2: la línea pasa de 4096 caracteres");

    // The longest line there may be is a line like any other.
    const ResultadoDelProceso justa =
        EjecutaCli({"simular", kSemisumador}, "#" + std::string(4095, 'c') + "\nmostrar\n");
    EXPECT_EQ(justa.codigo, 0) << justa.errores;
    EXPECT_EQ(justa.salida, "leds 5: 00000000\n");

    // Nor the long word of an unknown order, cut short at a character's end.
    const std::string palabra = std::string(39, 'a') + "ñ" + std::string(3000, 'b');
    EsperaGuionRechazado(EjecutaCli({"simular", kSemisumador}, palabra + "\n"),
                         "entrada estándar:1: orden desconocida «" + std::string(39, 'a') + "…»");

    // Standard input is held whole, so it has a size limit; a file is read as it runs,
    // so a script of endless lines, each short enough, runs to its end.
    const std::string comentario = "#" + std::string(4094, 'c') + "\n";
    std::string muchas;
    while (muchas.size() <= (4u << 20)) muchas += comentario;
    EsperaGuionRechazado(EjecutaCli({"simular", kSemisumador}, muchas),
                         "entrada estándar:1025: el guion pasa de 4 MB");
    EscribeArchivo(guion, muchas + "encender\ninterruptor 4 0 1\nmostrar\n");
    const ResultadoDelProceso enArchivo = Ejecuta(Simular({"--guion", guion}));
    EXPECT_EQ(enArchivo.codigo, 0) << enArchivo.errores;
    EXPECT_EQ(enArchivo.salida, "leds 5: 10000000\n");
    // Checked whole before the first order runs, however long.
    EscribeArchivo(guion, "encender\nmostrar\n" + muchas + "interruptor 9 0 1\n");
    EsperaGuionRechazado(Ejecuta(Simular({"--guion", guion})),
                         guion + ":1028: no existe el tablero 9");
    // As a script held whole tells it: a line that is no order before one that does not fit.
    EscribeArchivo(guion, "interruptor 9 0 1\nregistrar 3 1\nregistrar 3 1\nbaila\n");
    EsperaGuionRechazado(Ejecuta(Simular({"--guion", guion})), guion + ":4: orden desconocida «baila»");
    EscribeArchivo(guion, "registrar 3 1\nregistrar 3 1\ninterruptor 9 0 1\n");
    EsperaGuionRechazado(Ejecuta(Simular({"--guion", guion})), guion + ":3: no existe el tablero 9");
}

TEST(EntradasRaras, UnaTuberiaSinEscritorNoDejaEsperando) {
    const CarpetaTemporal carpeta;
    const std::string tuberia = carpeta.Archivo("tuberia");
    ASSERT_EQ(mkfifo(tuberia.c_str(), 0600), 0);

    // It is waited for, here 50 ms instead of 10 s, and then it is a read error.
    Lanzamiento circuito;
    circuito.programa = VELISTRA_CLI;
    circuito.argumentos = {"simular", tuberia};
    circuito.entorno = {"VELISTRA_PRUEBA_ESPERA=50"};
    // A generous watchdog: an answer comes at once, a hang never does.
    circuito.plazo = std::chrono::seconds(10);
    const ResultadoDelProceso r = Ejecuta(circuito);
    EXPECT_FALSE(r.colgado);
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.errores, kErrorDeLectura);

    Lanzamiento guion = Simular({"--guion", tuberia});
    guion.entorno = circuito.entorno;
    guion.plazo = std::chrono::seconds(10);
    EsperaGuionRechazado(Ejecuta(guion), "velistra-cli: no se puede leer el guion «" + tuberia + "»");

    // Devices and folders as circuits get the program's own message: a device is read,
    // and its first line is not the version; a folder is not read at all.
    const ResultadoDelProceso d = EjecutaCli({"simular", "/dev/zero"});
    EXPECT_EQ(d.codigo, 2);
    EXPECT_EQ(d.errores, "El programa solo abre archivos de la versión 0.9.7\n");
    const ResultadoDelProceso c = EjecutaCli({"simular", carpeta.ruta.string()});
    EXPECT_EQ(c.codigo, 2);
    EXPECT_EQ(c.errores, kErrorDeLectura);
}

// What a shell hands over as a file besides a file: a process substitution (a pipe), a
// FIFO another program writes into, /dev/null. Each is read as the file it stands for.
TEST(EntradasRaras, UnaTuberiaOUnDispositivoSeLeenComoSuArchivo) {
    const CarpetaTemporal carpeta;
    const std::string tuberia = carpeta.Archivo("tuberia");
    ASSERT_EQ(mkfifo(tuberia.c_str(), 0600), 0);
    const std::string guion = carpeta.Archivo("guion.txt");
    EscribeArchivo(guion, "encender\ninterruptor 4 0 1\nmostrar\n");
    struct Caso {
        std::string orden;
        std::string salida;
    };
    // $0 is the program, $1 the circuit, $2 the script, $3 the FIFO.
    const Caso casos[] = {
        {R"("$0" simular <(cat "$1") --guion /dev/null)", ""},
        {R"("$0" simular "$1" --guion <(cat "$2"))", "leds 5: 10000000\n"},
        {R"(cat "$2" > "$3" & "$0" simular "$1" --guion "$3")", "leds 5: 10000000\n"},
        {R"(cat "$1" > "$3" & "$0" simular "$3" --guion "$2" --json)",
         R"({"linea":3,"orden":"mostrar","clase":"leds","tablero":5,"estado":"10000000"})" "\n"},
    };
    for (const Caso& c : casos) {
        Lanzamiento l;
        l.programa = "/bin/bash";
        l.argumentos = {"-c", c.orden, VELISTRA_CLI, kSemisumador, guion, tuberia};
        l.plazo = std::chrono::seconds(20);
        const ResultadoDelProceso r = Ejecuta(l);
        EXPECT_EQ(r.codigo, 0) << c.orden << "\n" << r.errores;
        EXPECT_EQ(r.salida, c.salida) << c.orden;
        EXPECT_EQ(r.errores, "") << c.orden;
    }
}

TEST(EntradasRaras, UnLimiteDeTamanoEsUnGuardadoFallido) {
    const CarpetaTemporal carpeta;
    const std::string destino = carpeta.Archivo("salida.txt");
    Lanzamiento l = Simular({"--guardar", destino});
    l.entrada = "encender\n";
    ASSERT_GT(fs::file_size(kSemisumador), 1024u);
    l.tamanoDeArchivo = 1024;
    const ResultadoDelProceso nuevo = Ejecuta(l);
    EXPECT_EQ(nuevo.senal, 0);
    EXPECT_EQ(nuevo.codigo, 3);
    EXPECT_EQ(nuevo.errores, "El archivo no puede               ser almacenado.\n");
    EXPECT_TRUE(fs::is_empty(carpeta.ruta));

    // Over a file that was there: it stays as it was, and alone.
    EscribeArchivo(destino, "lo de antes\n");
    const ResultadoDelProceso encima = Ejecuta(l);
    EXPECT_EQ(encima.codigo, 3);
    EXPECT_EQ(LeeArchivo(destino), "lo de antes\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(carpeta.ruta), fs::directory_iterator()), 1);
}

TEST(EntradasRaras, UnGuionConMarcaDeOrdenDeBytesSeEjecuta) {
    const std::string guion = "encender\ninterruptor 4 0 1\nmostrar\n";
    const ResultadoDelProceso sin = EjecutaCli({"simular", kSemisumador}, guion);
    ASSERT_EQ(sin.codigo, 0);
    ASSERT_EQ(sin.salida, "leds 5: 10000000\n");
    const CarpetaTemporal carpeta;
    const std::string archivo = carpeta.Archivo("guion.txt");
    EscribeArchivo(archivo, "\xEF\xBB\xBF" + guion);
    for (const ResultadoDelProceso& con :
         {EjecutaCli({"simular", kSemisumador}, "\xEF\xBB\xBF" + guion),
          Ejecuta(Simular({"--guion", archivo}))}) {
        EXPECT_EQ(con.codigo, 0) << con.errores;
        EXPECT_EQ(con.salida, sin.salida);
        EXPECT_EQ(con.errores, "");
    }
    // Only before the first line: later it is a stray word like any other.
    const ResultadoDelProceso despues =
        EjecutaCli({"simular", kSemisumador}, "encender\n\xEF\xBB\xBFmostrar\n");
    EXPECT_EQ(despues.codigo, 1);
}

}  // namespace
}  // namespace velistra::prueba
