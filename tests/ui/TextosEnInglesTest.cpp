// The window in English says nothing in Spanish where a test can reach it: the review's
// findings, the report, the analyser's times and the command line's export errors; and
// the Spanish stays as it always was.
#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <array>
#include <fstream>
#include <sstream>
#include <utility>

#include "Apoyo.h"
#include "docencia/Revision.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Avisos.h"
#include "simulacion/AnalizadorLogico.h"
#include "simulacion/Mesa.h"
#include "support/CarpetaTemporal.h"
#include "support/Proceso.h"
#include "ui/analizador/DiagramaDeTiempos.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/programa/Informe.h"
#include "ui/ventana/DialogoDeRevision.h"

namespace velistra {
namespace {

// Words that only Spanish text has.
bool TieneEspanol(const std::string& texto) {
    for (const char* marca :
         {"á", "é", "í", "ó", "ú", "ñ", "¿", " de ", " la ", " el ", " no ", "patilla", "tablero",
          "fuente", "Chips utilizados", "Tabla de verdad"})
        if (texto.find(marca) != std::string::npos) return true;
    return false;
}

class TextosEnIngles : public ::testing::Test {
protected:
    void TearDown() override { InstalaIdioma(Idioma::Espanol); }
};

TEST_F(TextosEnIngles, LosHallazgosDeLaRevisionSeDicenEnCadaIdioma) {
    docencia::Hallazgo sinVcc;
    sinVcc.clase = docencia::ClaseDeHallazgo::SinAlimentacion;
    sinVcc.chip = 2;
    sinVcc.codigo = 7008;
    sinVcc.pin = 14;
    sinVcc.tablero = 3;
    sinVcc.area = "superior";
    sinVcc.columna = 20;
    sinVcc.fila = 1;
    docencia::Hallazgo tablero;
    tablero.clase = docencia::ClaseDeHallazgo::TableroSinAlimentacion;
    tablero.tablero = 4;
    tablero.tipoDeTablero = Tablero::kInterruptores;
    tablero.terminal = 25;
    tablero.alimentacion = 'G';
    docencia::Hallazgo unidas;
    unidas.clase = docencia::ClaseDeHallazgo::SalidasUnidas;
    unidas.tablero = 5;
    unidas.terminal = 0;
    unidas.otros = {{1, 7004, 2, 3, -1}, {-1, 0, 0, 6, 4}, {2, 7000, 3, 3, -1}};

    // Each finding said in each language, in the order sinVcc, tablero, unidas.
    const docencia::Hallazgo* hallazgos[] = {&sinVcc, &tablero, &unidas};
    const std::pair<Idioma, std::array<QString, 3>> esperados[] = {
        {Idioma::Espanol,
         {QStringLiteral("chip 74LS08 (n.º 2), patilla 14: la alimentación no llega (protoboard 3, "
                         "columna 20, fila 1 de la zona superior)"),
          QStringLiteral("tablero 4 (interruptores), terminal 25 (GND): la alimentación no llega; "
                         "ha de ir al GND de la fuente"),
          QStringLiteral("tablero 5, terminal 0: salida en la misma red que chip 74LS04 (n.º 1), "
                         "patilla 2, tablero 6, terminal 4 y chip 74LS00 (n.º 2), patilla 3")}},
        {Idioma::Ingles,
         {QStringLiteral("chip 74LS08 (no. 2), pin 14: the supply does not reach it (breadboard 3, "
                         "column 20, row 1 of the upper area)"),
          QStringLiteral("board 4 (switches), terminal 25 (GND): the supply does not reach it; it "
                         "must go to the supply's GND"),
          QStringLiteral("board 5, terminal 0: output on the same net as chip 74LS04 (no. 1), pin 2, "
                         "board 6, terminal 4 and chip 74LS00 (no. 2), pin 3")}},
    };
    for (const auto& [idioma, textos] : esperados) {
        InstalaIdioma(idioma);
        for (std::size_t i = 0; i < textos.size(); ++i)
            EXPECT_EQ(DialogoDeRevision::Describe(*hallazgos[i]), textos[i]) << i;
    }
}

TEST_F(TextosEnIngles, ElInformeYLosTiemposDelAnalizadorSiguenAlIdioma) {
    EXPECT_EQ(TextoDeTiempo(77'100'000, 1), QStringLiteral("77,1 s"));
    InstalaIdioma(Idioma::Ingles);
    EXPECT_EQ(TextoDeTiempo(77'100'000, 1), QStringLiteral("77.1 s"));
    EXPECT_EQ(TextoDeTiempo(1'500, 6), QStringLiteral("0.001500 s"));

    AvisosMudos avisos;
    Mesa mesa(avisos);
    mesa.InicializaMesa();
    ASSERT_EQ(RecuperaCircuitoDeArchivo(
                  mesa, std::string(VELISTRA_EJEMPLOS) + "/semisumador/circuito.txt"),
              ResultadoDeLectura::Correcto);
    const AnalizadorLogico analizador;
    const prueba::CarpetaTemporal carpeta;
    const std::string pdf = carpeta.Archivo("report.pdf");
    ASSERT_TRUE(EscribeInforme(mesa, analizador, prueba::LasImagenes(), "half-adder.txt",
                               QString::fromStdString(pdf)));
    prueba::Lanzamiento texto;
    texto.programa = VELISTRA_PDFTOTEXT;
    texto.argumentos = {"-layout", pdf, "-"};
    const prueba::ResultadoDelProceso r = prueba::Ejecuta(texto);
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_FALSE(TieneEspanol(r.salida)) << r.salida;
    for (const char* parte : {"Laboratory report", "Chips used", "7408 - 2 inputs (x4)",
                              "Truth table", "Pins: 1 1A", "Quad 2-input"})
        EXPECT_NE(r.salida.find(parte), std::string::npos) << parte << "\n" << r.salida;
    // The date is written the English way: the month by its English name.
    EXPECT_NE(r.salida.find(
                  QLocale(QLocale::English).monthName(QDate::currentDate().month()).toStdString()),
              std::string::npos)
        << r.salida;
}

TEST_F(TextosEnIngles, LosErroresDeExportarSeDicenEnIngles) {
    const prueba::CarpetaTemporal carpeta;
    const std::string circuito = std::string(VELISTRA_EJEMPLOS) + "/semisumador/circuito.txt";
    std::ofstream(carpeta.Archivo("new.txt")) << "0.9.5\n";
    prueba::Lanzamiento exporta;
    exporta.programa = VELISTRA_PROGRAMA;
    exporta.entorno = {"LANG=en_GB.UTF-8"};
    struct Caso {
        std::vector<std::string> argumentos;
        int codigo;
        std::string error;
    };
    const Caso casos[] = {
        {{"--exportar", circuito},
         1,
         "velistra: usage: velistra --exportar CIRCUIT.txt OUTPUT.png|OUTPUT.pdf\n"},
        {{"--exportar", carpeta.Archivo("none.txt"), carpeta.Archivo("a.png")},
         2,
         "velistra: " + carpeta.Archivo("none.txt") + ": Error reading the file.\n"},
        {{"--exportar", carpeta.Archivo("new.txt"), carpeta.Archivo("a.png")},
         2,
         "velistra: " + carpeta.Archivo("new.txt") +
             ": The program only opens files of version 0.9.7\n"},
        {{"--exportar", circuito, carpeta.Archivo("no/folder.png")},
         3,
         "velistra: could not write «" + carpeta.Archivo("no/folder.png") + "»\n"},
        {{"--idioma", "fr"}, 1, "velistra: --idioma takes es or en\n"},
    };
    for (const Caso& c : casos) {
        // The chosen language goes first: --exportar takes the two words after it.
        exporta.argumentos = c.argumentos;
        if (c.argumentos.front() == "--exportar")
            exporta.argumentos.insert(exporta.argumentos.begin(), {"--idioma", "en"});
        const prueba::ResultadoDelProceso r = prueba::Ejecuta(exporta);
        EXPECT_EQ(r.codigo, c.codigo) << c.error;
        // Qt may note its own matters first (a missing runtime folder).
        EXPECT_TRUE(r.errores.ends_with(c.error)) << r.errores;
    }
    // The Spanish is the program's own, as ever.
    exporta.entorno = {"LANG=es_ES.UTF-8"};
    exporta.argumentos = {"--idioma", "es", "--exportar", carpeta.Archivo("new.txt"),
                          carpeta.Archivo("a.png")};
    EXPECT_TRUE(prueba::Ejecuta(exporta).errores.ends_with(
        "velistra: " + carpeta.Archivo("new.txt") +
        ": El programa solo abre archivos de la versión 0.9.7\n"));
}

}  // namespace
}  // namespace velistra
