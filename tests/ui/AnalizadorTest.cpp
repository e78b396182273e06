// The logic analyser in the window: channels added by clicking the workbench, samples on
// levers and ticks, the diagram's edges where the samples are, and what it exports; the
// workbench's picture and the lab report.
#include <algorithm>
#include <gtest/gtest.h>

#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "support/Archivos.h"
#include "Apoyo.h"
#include "ConElPrograma.h"
#include "Usuario.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/AnalizadorLogico.h"
#include "support/CarpetaTemporal.h"
#include "support/LecturaVcd.h"
#include "support/Proceso.h"
#include "ui/analizador/DiagramaDeTiempos.h"
#include "ui/analizador/PanelDelAnalizador.h"
#include "ui/programa/ImagenDeLaMesa.h"
#include "ui/programa/Informe.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "sesion/Sesion.h"

namespace velistra {
namespace {

using prueba::Usuario;

using prueba::kGndDeInterruptores;
using prueba::kGndDeLeds;
using prueba::kVccDeInterruptores;

class AnalizadorEnElPrograma : public prueba::ConElPrograma {
protected:
    void SetUp() override {
        programa.Principal().show();
        panel = programa.Principal().findChild<PanelDelAnalizador*>();
        ASSERT_NE(panel, nullptr);
        interruptores = &usuario.AgregaTablero(comandos::kInterruptores);
        leds = &usuario.AgregaTablero(comandos::kLeds);
        usuario.LlevaTablero(*leds, {450, 30});
        usuario.LlevaTablero(*interruptores, {140, 320});
        Tablero& fuente = *mesa.fuentedc();
        usuario.Cablea(fuente, 0, *interruptores, kVccDeInterruptores);
        usuario.Cablea(fuente, 4, *interruptores, kGndDeInterruptores);
        usuario.Cablea(fuente, 5, *leds, kGndDeLeds);
        usuario.Cablea(*interruptores, 0, *leds, 0);
        usuario.Cablea(*interruptores, 3, *leds, 1);
        ASSERT_FALSE(HasFailure());
    }

    void CtrlClic(QPoint enMesa) {
        QTest::mouseClick(usuario.Ventana().viewport(), Qt::LeftButton, Qt::ControlModifier,
                          usuario.EnVentana(enMesa));
    }

    AnalizadorLogico& analizador = programa.LaSesion().analizador;
    PanelDelAnalizador* panel = nullptr;
    Tablero* interruptores = nullptr;
    Tablero* leds = nullptr;
};

TEST_F(AnalizadorEnElPrograma, UnClicConSondaAnadeElCanalYLasPalancasYLosTicsDejanMuestras) {
    // Hidden at first, toggled from "Ver", right after "Edición".
    EXPECT_FALSE(panel->isVisible());
    const QList<QAction*> menus = programa.Principal().menuBar()->actions();
    ASSERT_GT(menus.size(), 2);
    EXPECT_EQ(menus[1]->text(), QStringLiteral("Edición"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("Ver"));
    const QList<QAction*> vistas = menus[2]->menu()->actions();
    EXPECT_TRUE(std::any_of(vistas.begin(), vistas.end(), [](const QAction* a) {
        return a->text() == QStringLiteral("Analizador lógico");
    }));

    // Ctrl+click on a LED input, named after its board and terminal; the dock opens.
    CtrlClic(Usuario::Puerto(*leds, 1).golpe);
    ASSERT_EQ(analizador.Canales().size(), 1u);
    EXPECT_EQ(analizador.Canales()[0].nombre, std::to_string(leds->Identificador()) + ":1");
    EXPECT_TRUE(panel->isVisible());
    // With the probe on, a plain click adds a channel and does not flip the lever under it.
    panel->Sonda().trigger();
    usuario.Clic(Usuario::Palanca(*interruptores, 0));
    usuario.Clic(Usuario::Puerto(*interruptores, 0).golpe);
    panel->Sonda().trigger();
    ASSERT_EQ(analizador.Canales().size(), 2u);
    EXPECT_EQ(interruptores->EstadoDeEntrada(0), 0) << "la sonda no acciona la palanca";
    // A port is one channel.
    CtrlClic(Usuario::Puerto(*leds, 1).golpe);
    EXPECT_EQ(analizador.Canales().size(), 2u);

    usuario.AccionaFuente();
    const std::size_t alEncender = analizador.NumeroDeMuestras();
    usuario.AccionaPalanca(*interruptores, 1);  // lamp 1, channel 0
    usuario.AccionaPalanca(*interruptores, 0);  // lever 0, channel 1
    for (int i = 0; i < 5; ++i) programa.Tic();
    usuario.AccionaPalanca(*interruptores, 0);
    ASSERT_EQ(analizador.NumeroDeMuestras(), alEncender + 3);
    const MuestraLogica& ultima = analizador.Muestra(analizador.NumeroDeMuestras() - 1);
    EXPECT_EQ(std::string(ultima.valores.data(), 2), "10");
    EXPECT_GE(ultima.tiempo, 5 * AnalizadorLogico::kMicrosegundosPorTic);

    // Every change of channel 1 is an edge in the diagram, at its sample's time.
    panel->resize(900, 200);
    panel->Actualiza();
    DiagramaDeTiempos& diagrama = panel->Diagrama();
    diagrama.resize(800, AltoDelDiagrama(analizador));
    VistaDeTiempos& vista = diagrama.Vista();
    vista.inicio = 0;
    vista.microsegundosPorPunto = 1000;
    vista.cursor.reset();
    const QImage imagen = diagrama.grab().toImage();
    const int fila = diagrama::kAltoDelEje + diagrama::kAltoDeFila;
    const int medio = fila + diagrama::kAltoDeFila / 2;
    int flancos = 0;
    for (std::size_t i = 1; i < analizador.NumeroDeMuestras(); ++i) {
        const MuestraLogica& antes = analizador.Muestra(i - 1);
        const MuestraLogica& m = analizador.Muestra(i);
        if (antes.valores[1] == m.valores[1] || (antes.valores[1] != '0' && antes.valores[1] != '1')) continue;
        const int x = diagrama::kAnchoDeNombres + static_cast<int>(m.tiempo / 1000);
        EXPECT_EQ(prueba::Pixel(imagen, x, medio), diagrama::kColorAlto) << "flanco en " << m.tiempo;
        EXPECT_EQ(prueba::Pixel(imagen, x + 20, medio), 0xFFFFFFu) << "sin flanco tras " << m.tiempo;
        ++flancos;
    }
    EXPECT_EQ(flancos, 2);
    // The level between the edges: high at the top of the row, nothing at the bottom.
    const int entre = diagrama::kAnchoDeNombres + static_cast<int>(ultima.tiempo / 1000) - 3;
    EXPECT_EQ(prueba::Pixel(imagen, entre, fila + 5), diagrama::kColorAlto);
    EXPECT_NE(prueba::Pixel(imagen, entre, fila + diagrama::kAltoDeFila - 6), diagrama::kColorBajo);
    // The cursor reads every channel at its time.
    vista.cursor = ultima.tiempo - 1;
    EXPECT_NE(diagrama.grab().toImage(), imagen);

    // Exports: CSV with a column per channel, a VCD with both, the PNG of the diagram.
    const prueba::CarpetaTemporal carpeta;
    ASSERT_TRUE(panel->Exporta(carpeta.Archivo("registro.csv")));
    const std::string csv = prueba::LeeArchivo(carpeta.Archivo("registro.csv"));
    EXPECT_TRUE(csv.starts_with("tiempo_us," + analizador.Canales()[0].nombre + "," +
                                analizador.Canales()[1].nombre + "\n"));
    EXPECT_EQ(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')), analizador.NumeroDeMuestras() + 1);
    ASSERT_TRUE(panel->Exporta(carpeta.Archivo("registro.vcd")));
    const prueba::Vcd vcd = prueba::LeeVcd(prueba::LeeArchivo(carpeta.Archivo("registro.vcd")));
    ASSERT_EQ(vcd.cambios.size(), 2u);
    EXPECT_EQ(vcd.cambios.at(analizador.Canales()[1].nombre).back(), std::make_pair(ultima.tiempo, '0'));
    ASSERT_TRUE(panel->Exporta(carpeta.Archivo("diagrama.png")));
    const QImage png(QString::fromStdString(carpeta.Archivo("diagrama.png")));
    EXPECT_EQ(png.size(), diagrama.size());
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), diagrama.grab().toImage().convertToFormat(QImage::Format_RGB32));

    // Removing the chosen channel; a new circuit starts the analyser empty.
    QTest::mouseClick(&diagrama, Qt::LeftButton, Qt::NoModifier, QPoint(10, fila + 5));
    for (QAction* a : panel->findChildren<QAction*>()) {
        if (a->text() == QStringLiteral("Quitar canal")) a->trigger();
    }
    ASSERT_EQ(analizador.Canales().size(), 1u);
    EXPECT_EQ(analizador.Canales()[0].nombre, std::to_string(leds->Identificador()) + ":1");
}

TEST_F(AnalizadorEnElPrograma, LaImagenYElInformeMuestranElCircuitoSuTablaYElDiagrama) {
    CtrlClic(Usuario::Puerto(*interruptores, 0).golpe);
    usuario.AccionaFuente();
    usuario.AccionaPalanca(*interruptores, 0);
    programa.Tic();
    usuario.AccionaPalanca(*interruptores, 0);
    usuario.AccionaFuente();
    const std::string antes = std::to_string(analizador.NumeroDeMuestras());

    // The whole circuit: both boards, nothing of the empty table around them.
    const QImage todo = ImagenDeLaMesa(mesa, prueba::LasImagenes());
    EXPECT_LT(todo.width(), VentanaDeMesa::kAncho);
    EXPECT_GT(todo.width(), leds->EsquinaX() + leds->Anchura() - mesa.fuentedc()->EsquinaX());
    const QImage visible = ImagenDeLaMesa(mesa, prueba::LasImagenes(), QRect(0, 0, 300, 200));
    EXPECT_EQ(visible.size(), QSize(300, 200));

    const prueba::CarpetaTemporal carpeta;
    const std::string pdf = carpeta.Archivo("informe.pdf");
    ASSERT_TRUE(EscribeInforme(mesa, analizador, prueba::LasImagenes(), "practica.txt", QString::fromStdString(pdf)));
    // The report does not touch the workbench: the table is made on a copy.
    EXPECT_FALSE(mesa.bON());
    EXPECT_EQ(std::to_string(analizador.NumeroDeMuestras()), antes);

    prueba::Lanzamiento texto;
    texto.programa = VELISTRA_PDFTOTEXT;
    texto.argumentos = {"-layout", pdf, "-"};
    const prueba::ResultadoDelProceso r = prueba::Ejecuta(texto);
    ASSERT_EQ(r.codigo, 0) << r.errores;
    for (const char* parte : {"Informe de laboratorio", "practica.txt", "Chips utilizados", "El circuito no lleva chips.",
                              "Tabla de verdad", "int", "leds", "Analizador lógico"})
        EXPECT_NE(r.salida.find(parte), std::string::npos) << parte << "\n" << r.salida;
    // Two levers wired: four rows, lamp 0 follows lever 0 and lamp 1 lever 1.
    for (const char* fila : {"00 | 00", "01 | 01", "10 | 10", "11 | 11"})
        EXPECT_NE(r.salida.find(fila), std::string::npos) << fila;

    // The first page, rendered, shows the circuit's boards in their blue.
    prueba::Lanzamiento pagina;
    pagina.programa = VELISTRA_PDFTOPPM;
    pagina.argumentos = {"-r", "50", "-png", "-f", "1", "-l", "1", pdf, carpeta.Archivo("pagina")};
    ASSERT_EQ(prueba::Ejecuta(pagina).codigo, 0);
    const QImage primera(QString::fromStdString(carpeta.Archivo("pagina-1.png")));
    ASSERT_FALSE(primera.isNull());
    int azules = 0;
    for (int y = 0; y < primera.height(); ++y)
        for (int x = 0; x < primera.width(); ++x) {
            const QColor c = primera.pixelColor(x, y);
            if (c.blue() > 80 && c.red() < 80 && c.green() < 100) ++azules;
        }
    EXPECT_GT(azules, 200);

    // With a chip, the report names it and lists its pins as the data sheet does.
    usuario.Elige(7004);
    const std::string conChip = carpeta.Archivo("con-chip.pdf");
    ASSERT_TRUE(EscribeInforme(mesa, analizador, prueba::LasImagenes(), "practica.txt", QString::fromStdString(conChip)));
    texto.argumentos = {"-layout", conChip, "-"};
    const prueba::ResultadoDelProceso conPatillas = prueba::Ejecuta(texto);
    ASSERT_EQ(conPatillas.codigo, 0) << conPatillas.errores;
    for (const char* parte : {"7404", "Patillas: 1 1A 2 1Y", "7 GND", "14 VCC"})
        EXPECT_NE(conPatillas.salida.find(parte), std::string::npos) << parte << "\n" << conPatillas.salida;
}

TEST(ExportarSinVentana, ElProgramaDibujaElCircuitoEnPngYPdfYDiceLoQueFalla) {
    const prueba::CarpetaTemporal carpeta;
    const std::string circuito = std::string(VELISTRA_EJEMPLOS) + "/semisumador/circuito.txt";
    prueba::Lanzamiento exporta;
    exporta.programa = VELISTRA_PROGRAMA;
    exporta.argumentos = {"--exportar", circuito, carpeta.Archivo("circuito.png")};
    ASSERT_EQ(prueba::Ejecuta(exporta).codigo, 0);
    const QImage png(QString::fromStdString(carpeta.Archivo("circuito.png")));
    EXPECT_GT(png.width(), 800);
    exporta.argumentos = {"--exportar", circuito, carpeta.Archivo("circuito.pdf")};
    ASSERT_EQ(prueba::Ejecuta(exporta).codigo, 0);
    EXPECT_TRUE(prueba::LeeArchivo(carpeta.Archivo("circuito.pdf")).starts_with("%PDF"));

    exporta.argumentos = {"--exportar", carpeta.Archivo("no-existe.txt"), carpeta.Archivo("otro.png")};
    const prueba::ResultadoDelProceso ilegible = prueba::Ejecuta(exporta);
    EXPECT_EQ(ilegible.codigo, 2);
    EXPECT_NE(ilegible.errores.find("Error en la lectura del archivo."), std::string::npos);
    exporta.argumentos = {"--exportar", circuito, carpeta.Archivo("no/hay/carpeta.png")};
    EXPECT_EQ(prueba::Ejecuta(exporta).codigo, 3);
    exporta.argumentos = {"--exportar", circuito};
    EXPECT_EQ(prueba::Ejecuta(exporta).codigo, 1);
}

}  // namespace
}  // namespace velistra

namespace velistra {
namespace {

// The BCD counter on the timer with its clock and outputs in the analyser, as the README
// shows it; `--captura RUTA` saves the window there.
TEST(EscaparateDelAnalizador, ElContadorBcdDibujaSuDiagramaDeTiempos) {
    Programa programa{prueba::LasImagenes()};
    programa.Principal().show();
    Sesion& sesion = programa.LaSesion();
    ASSERT_EQ(RecuperaCircuitoDeArchivo(sesion.mesa, std::string(VELISTRA_EJEMPLOS) + "/contador-bcd/circuito.txt"),
              ResultadoDeLectura::Correcto);
    auto* panel = programa.Principal().findChild<PanelDelAnalizador*>();
    ASSERT_NE(panel, nullptr);
    panel->show();
    AnalizadorLogico& analizador = sesion.analizador;
    // The 7490's outputs, pins 12 9 8 11, and the timer's 1 Hz output.
    analizador.AnadeCanal(sesion.mesa, 2, 9, "reloj");
    const std::pair<int, const char*> salidas[] = {{12, "QA"}, {9, "QB"}, {8, "QC"}, {11, "QD"}};
    for (const auto& [pin, nombre] : salidas)
        analizador.AnadeCanal(sesion.mesa, 3, sesion.mesa.componentes()[0].DireccionDeCasilla(pin)->Indice(), nombre);
    prueba::Usuario usuario{programa};
    usuario.AccionaFuente();
    Tablero* palancas = sesion.mesa.tablero()[4].get();
    sesion.mesa.PonEntrada(*palancas, 0, true);
    sesion.mesa.PonEntrada(*palancas, 0, false);
    for (int i = 0; i < 230; ++i) programa.Tic();
    panel->Actualiza();
    QTest::qWait(50);

    const QImage diagrama = panel->Diagrama().grab().toImage();
    // The clock's row shows both levels.
    const int fila = diagrama::kAltoDelEje;
    bool alto = false, bajo = false;
    for (int x = diagrama::kAnchoDeNombres; x < diagrama.width(); ++x) {
        alto |= prueba::Pixel(diagrama, x, fila + 5) == diagrama::kColorAlto;
        bajo |= prueba::Pixel(diagrama, x, fila + diagrama::kAltoDeFila - 6) == diagrama::kColorBajo;
    }
    EXPECT_TRUE(alto && bajo);
    if (!prueba::RutaDeLaCaptura().isEmpty()) {
        EXPECT_TRUE(programa.Principal().grab().save(prueba::RutaDeLaCaptura()));
    }
}

}  // namespace
}  // namespace velistra
