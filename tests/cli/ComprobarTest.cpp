// Grading a batch: each student circuit gets its verdict, the batch its summary and exit
// code, in the three modes, whatever an unreadable or a never-settling file does.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <thread>

#include "CircuitosDeAlumnos.h"
#include "plataforma/Sistema.h"
#include "support/CarpetaTemporal.h"
#include "support/Proceso.h"

namespace velistra::prueba {
namespace {

class Lote : public ::testing::Test {
protected:
    void SetUp() override {
        EscribeArchivo(carpeta.Archivo("profesor.txt"), Semisumador({}));
        std::filesystem::create_directories(carpeta.ruta / "clase");
        EscribeArchivo(Clase("1-bien.txt"), Semisumador({}));
        EscribeArchivo(Clase("2-puerta.txt"), Semisumador({.puertaDeSuma = 7032}));
        EscribeArchivo(Clase("3-sin-cable.txt"), Semisumador({.cableaB = false}));
        EscribeArchivo(Clase("4-roto.txt"), "0.9.7\nno es un circuito\n");
        EscribeArchivo(Clase("5-oscila.txt"), Oscilante());
        const ResultadoDelProceso tabla = EjecutaCli({"tabla", carpeta.Archivo("profesor.txt"), "--csv"});
        ASSERT_EQ(tabla.codigo, 0);
        EscribeArchivo(carpeta.Archivo("esperada.csv"), tabla.salida);
    }

    std::string Clase(const std::string& nombre) const { return (carpeta.ruta / "clase" / nombre).string(); }

    // The verdict word of each circuit, in order, from a text report.
    static std::vector<std::string> Veredictos(const std::string& informe) {
        std::vector<std::string> palabras;
        std::istringstream lineas(informe);
        for (std::string linea; std::getline(lineas, linea);) {
            const std::size_t dos = linea.find(".txt: ");
            if (dos == std::string::npos) continue;
            const std::string resto = linea.substr(dos + 6);
            palabras.push_back(resto.substr(0, resto.find(':')));
        }
        return palabras;
    }

    CarpetaTemporal carpeta;
};

const std::vector<std::string> kEsperados{"correcto", "incorrecto", "incorrecto", "ilegible",
                                          "incorrecto"};

TEST_F(Lote, PorTablaYPorReferenciaCadaCircuitoTieneSuVeredicto) {
    const std::string clase = (carpeta.ruta / "clase").string();
    for (const std::vector<std::string>& modo :
         {std::vector<std::string>{"--tabla", carpeta.Archivo("esperada.csv")},
          std::vector<std::string>{"--referencia", carpeta.Archivo("profesor.txt")}}) {
        std::vector<std::string> orden{"comprobar", clase};
        orden.insert(orden.end(), modo.begin(), modo.end());
        const ResultadoDelProceso r = EjecutaCli(orden);
        EXPECT_EQ(r.codigo, 2) << r.salida << r.errores;
        EXPECT_EQ(Veredictos(r.salida), kEsperados) << r.salida;
        EXPECT_NE(r.salida.find("2-puerta.txt: incorrecto: 1 fila distinta de 4; "
                                "int4.0=1 int4.1=1: leds5.0=1 (se espera 0)"),
                  std::string::npos)
            << r.salida;
        EXPECT_NE(r.salida.find("3-sin-cable.txt: incorrecto: 1 fila distinta de 4; "
                                "int4.0=1 int4.1=0: leds5.1=1 (se espera 0)"),
                  std::string::npos)
            << r.salida;
        EXPECT_NE(r.salida.find("5-oscila.txt: incorrecto: no se asienta"), std::string::npos);
        EXPECT_NE(r.salida.find("Resumen: 5 circuitos, 1 correcto, 3 incorrectos, 1 ilegible\n"),
                  std::string::npos);
    }
    // Without the unreadable file only wrong circuits remain; with the good one alone, 0.
    EXPECT_EQ(EjecutaCli({"comprobar", Clase("2-puerta.txt"), Clase("1-bien.txt"), "--tabla",
                          carpeta.Archivo("esperada.csv")})
                  .codigo,
              4);
    EXPECT_EQ(EjecutaCli({"comprobar", Clase("1-bien.txt"), "--referencia", carpeta.Archivo("profesor.txt")})
                  .codigo,
              0);
}

TEST_F(Lote, LasColumnasSeBuscanPorNombreYLasQueFaltanSeDicen) {
    // The same table with its columns in another order still fits the good circuit.
    EscribeArchivo(carpeta.Archivo("otra.csv"),
                   "int4.1,int4.0,leds5.1,leds5.0\n0,0,0,0\n1,0,0,1\n0,1,0,1\n1,1,1,0\n");
    EXPECT_EQ(EjecutaCli({"comprobar", Clase("1-bien.txt"), "--tabla", carpeta.Archivo("otra.csv")}).codigo, 0);
    EscribeArchivo(carpeta.Archivo("mas.csv"), "int4.0,int9.0,leds5.0\n0,0,0\n");
    const ResultadoDelProceso r =
        EjecutaCli({"comprobar", Clase("1-bien.txt"), "--tabla", carpeta.Archivo("mas.csv")});
    EXPECT_EQ(r.codigo, 4);
    EXPECT_NE(r.salida.find("falta la palanca int9.0"), std::string::npos) << r.salida;
    // A table that is not one is the teacher's mistake, told before any circuit runs.
    EscribeArchivo(carpeta.Archivo("mala.csv"), "int4.0,leds5.0\n0,2\n");
    const ResultadoDelProceso mala =
        EjecutaCli({"comprobar", Clase("1-bien.txt"), "--tabla", carpeta.Archivo("mala.csv")});
    EXPECT_EQ(mala.codigo, 1);
    EXPECT_EQ(mala.salida, "");
    EXPECT_NE(mala.errores.find("la línea 2 no tiene un 0 o un 1 por columna"), std::string::npos);
}

TEST_F(Lote, PorGuionSeComparaLaSalidaLineaALinea) {
    EscribeArchivo(carpeta.Archivo("g.txt"), "encender\ninterruptor 4 0 1\nmostrar\ninterruptor 4 1 1\nmostrar\n");
    EscribeArchivo(carpeta.Archivo("s.txt"), "leds 5: 10000000\nleds 5: 01000000\n");
    const ResultadoDelProceso r =
        EjecutaCli({"comprobar", (carpeta.ruta / "clase").string(), "--guion", carpeta.Archivo("g.txt"),
                    "--salida", carpeta.Archivo("s.txt")});
    EXPECT_EQ(r.codigo, 2);
    // The oscillating circuit has no board 5 lamp 1 wired the same way, yet it has board 5.
    EXPECT_EQ(Veredictos(r.salida), kEsperados) << r.salida;
    EXPECT_NE(r.salida.find("2-puerta.txt: incorrecto: 1 línea distinta de 2; línea 2: «leds 5: 11000000» "
                            "(se espera «leds 5: 01000000»)"),
              std::string::npos)
        << r.salida;
}

TEST_F(Lote, ElInformeJsonYCsvNombraCadaArchivo) {
    const ResultadoDelProceso json = EjecutaCli({"comprobar", (carpeta.ruta / "clase").string(),
                                                 "--tabla", carpeta.Archivo("esperada.csv"), "--json"});
    EXPECT_EQ(json.codigo, 2);
    for (const char* nombre : {"1-bien", "2-puerta", "3-sin-cable", "4-roto", "5-oscila"})
        EXPECT_NE(json.salida.find(std::string("clase/") + nombre + ".txt\",\"resultado\""), std::string::npos);
    EXPECT_NE(json.salida.find("\"resumen\":{\"circuitos\":5,\"correctos\":1,\"incorrectos\":3,\"ilegibles\":1}}"),
              std::string::npos);
    const ResultadoDelProceso csv = EjecutaCli({"comprobar", Clase("1-bien.txt"), "--tabla",
                                                carpeta.Archivo("esperada.csv"), "--csv"});
    EXPECT_EQ(csv.salida, "archivo,resultado,comparadas,distintas,detalle\n\"" + Clase("1-bien.txt") +
                              "\",correcto,4,0,\"\"\n");
}

TEST_F(Lote, UnCircuitoQueNoTerminaOQueCaeNoTocaALosDemas) {
    // A FIFO nobody writes into: the checker waits on it ten seconds, far past a one-second
    // limit; with a long limit, the child waiting on it is killed instead.
    const std::string clase = (carpeta.ruta / "lote").string();
    std::filesystem::create_directories(clase);
    EscribeArchivo(clase + "/1-bien.txt", Semisumador({}));
    EscribeArchivo(clase + "/2-puerta.txt", Semisumador({.puertaDeSuma = 7032}));
    const std::string tuberia = clase + "/3-tuberia.txt";
    ASSERT_EQ(mkfifo(tuberia.c_str(), 0600), 0);
    EscribeArchivo(clase + "/4-sin-cable.txt", Semisumador({.cableaB = false}));
    EscribeArchivo(clase + "/5-bien.txt", Semisumador({}));
    const auto informe = [&](const std::string& tercero, const std::string& resumen) {
        return clase + "/1-bien.txt: correcto\n" + clase +
               "/2-puerta.txt: incorrecto: 1 fila distinta de 4; int4.0=1 int4.1=1: leds5.0=1 (se espera 0)\n" +
               tuberia + ": " + tercero + "\n" + clase +
               "/4-sin-cable.txt: incorrecto: 1 fila distinta de 4; int4.0=1 int4.1=0: leds5.1=1 (se espera 0)\n" +
               clase + "/5-bien.txt: correcto\nSe comparan 4 filas de las 4 combinaciones de las palancas.\n" +
               resumen + "\n";
    };

    const ResultadoDelProceso sinTerminar =
        EjecutaCli({"comprobar", clase, "--tabla", carpeta.Archivo("esperada.csv"), "--plazo", "1"});
    EXPECT_EQ(sinTerminar.codigo, 4) << sinTerminar.errores;
    EXPECT_EQ(sinTerminar.salida, informe("incorrecto: no terminó en 1 s",
                                          "Resumen: 5 circuitos, 2 correctos, 3 incorrectos, 0 ilegibles"));

    // $0 the program, $1 the class, $2 the table, $3 the FIFO whose reader is killed.
    const char* guion = R"(
        "$0" comprobar "$1" --tabla "$2" --plazo 60 &
        padre=$!
        while [ -z "$hijo" ] && kill -0 $padre 2>/dev/null; do
            for p in $(cat /proc/$padre/task/$padre/children); do
                for d in /proc/$p/fd/*; do [ "$d" -ef "$3" ] && hijo=$p; done
            done
            sleep 0.01
        done
        kill -KILL $hijo
        wait $padre)";
    Lanzamiento l;
    l.programa = "/bin/bash";
    l.argumentos = {"-c", guion, VELISTRA_CLI, clase, carpeta.Archivo("esperada.csv"), tuberia};
    l.plazo = std::chrono::seconds(60);
    const ResultadoDelProceso cae = Ejecuta(l);
    EXPECT_EQ(cae.codigo, 2) << cae.errores;
    EXPECT_EQ(cae.salida, informe("ilegible: la comprobación se interrumpió",
                                  "Resumen: 5 circuitos, 2 correctos, 2 incorrectos, 1 ilegible"));
}

TEST(Comprobar, UnUsoIncorrectoLoDiceYSale1) {
    for (const std::vector<std::string>& orden :
         {std::vector<std::string>{"comprobar", "a.txt"},
          std::vector<std::string>{"comprobar", "a.txt", "--tabla", "t.csv", "--referencia", "r.txt"},
          std::vector<std::string>{"comprobar", "a.txt", "--guion", "g.txt"},
          std::vector<std::string>{"comprobar", "--tabla", "t.csv"},
          std::vector<std::string>{"comprobar", "a.txt", "--tabla", "t.csv", "--plazo", "0"}}) {
        const ResultadoDelProceso r = EjecutaCli(orden);
        EXPECT_EQ(r.codigo, 1) << orden.size();
        EXPECT_NE(r.errores.find("velistra-cli: "), std::string::npos);
    }
}

TEST(TrabajoAparte, UnTrabajoSinFinSeMataAlPlazoYUnoQueCaeNoDaRespuesta) {
    using sistema::TrabajoAparte;
    const TrabajoAparte bien = sistema::EjecutaAparte([] { return std::string(100000, 'x'); }, 5);
    EXPECT_EQ(bien.final, TrabajoAparte::Terminado);
    EXPECT_EQ(bien.texto.size(), 100000u);
    const TrabajoAparte sinFin = sistema::EjecutaAparte([]() -> std::string {
        for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
    }, 1);
    EXPECT_EQ(sinFin.final, TrabajoAparte::SinTiempo);
    const TrabajoAparte cae = sistema::EjecutaAparte([]() -> std::string { std::_Exit(3); }, 5);
    EXPECT_EQ(cae.final, TrabajoAparte::Fallo);
    EXPECT_EQ(cae.texto, "");
}

TEST(TrabajoAparte, EnUnLoteSoloSePierdeLaPiezaQueCae) {
    using sistema::TrabajoAparte;
    // Several children's share of pieces; answers larger than a pipe holds; one piece that
    // kills its child, one that leaves it quietly, one that makes it grow.
    constexpr std::size_t kPiezas = 60;
    constexpr std::size_t kCae = 12, kSale = 13, kCrece = 33;
    const sistema::TurnoDeHijo turno{.piezas = 10, .crecimiento = std::size_t{8} << 20};
    std::vector<std::size_t> orden;
    std::vector<TrabajoAparte> hechos;
    sistema::EjecutaAparteUnoTrasOtro(
        kPiezas,
        [](std::size_t i) -> std::string {
            if (i == kCae) std::abort();
            if (i == kSale) std::_Exit(0);
            if (i == kCrece) {
                const std::vector<char> mucho(std::size_t{16} << 20, 'm');
                return std::to_string(getpid()) + ' ' + std::string(1, mucho[mucho.size() / 2]);
            }
            return std::to_string(getpid()) + ' ' + std::string(i % 3 == 0 ? 100000 : i, 'x');
        },
        5,
        [&](std::size_t i, TrabajoAparte hecho) {
            orden.push_back(i);
            hechos.push_back(std::move(hecho));
        },
        turno);
    ASSERT_EQ(orden.size(), kPiezas);
    const auto proceso = [&](std::size_t i) { return hechos[i].texto.substr(0, hechos[i].texto.find(' ')); };
    std::map<std::string, std::size_t> piezasPorProceso;
    for (std::size_t i = 0; i < kPiezas; ++i) {
        EXPECT_EQ(orden[i], i);
        if (i == kCae || i == kSale) {
            EXPECT_EQ(hechos[i].final, TrabajoAparte::Fallo) << i;
            EXPECT_EQ(hechos[i].texto, "") << i;
            continue;
        }
        ASSERT_EQ(hechos[i].final, TrabajoAparte::Terminado) << i;
        const std::string& texto = hechos[i].texto;
        ++piezasPorProceso[proceso(i)];
        if (i == kCrece) {
            EXPECT_EQ(texto.substr(texto.find(' ')), " m");
            // The child that grew takes no more.
            EXPECT_NE(proceso(i + 1), proceso(i));
        } else {
            EXPECT_EQ(texto.size() - texto.find(' ') - 1, i % 3 == 0 ? 100000u : i) << i;
        }
    }
    // Children are shared among pieces, each for its turn at most.
    EXPECT_LT(piezasPorProceso.size(), kPiezas / 2);
    for (const auto& [pid, piezas] : piezasPorProceso) EXPECT_LE(piezas, turno.piezas) << pid;
}

}  // namespace
}  // namespace velistra::prueba
