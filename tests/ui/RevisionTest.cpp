// "Revisar circuito" in the program: the review's findings in a list under the
// "Circuitos" menu; choosing one frames its place on the visible workbench.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRubberBand>
#include <filesystem>

#include "Apoyo.h"
#include "tableros/TableroDeLuces.h"
#include "support/CarpetaTemporal.h"
#include "support/Proceso.h"

#include "simulacion/Mesa.h"
#include "support/Montador.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/DialogoDeFallos.h"
#include "ui/ventana/DialogoDeRevision.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {
namespace {

QAction* Elemento(QMenu& menu, const QString& texto) {
    for (QAction* a : menu.actions()) {
        if (a->text() == texto) return a;
    }
    return nullptr;
}

TEST(RevisionEnElPrograma, LaListaNombraElChipSueltoYLoSenalaEnLaMesa) {
    static const Imagenes imagenes;
    Programa programa{imagenes};
    Mesa& mesa = programa.LaSesion().mesa;
    prueba::Montador montador(mesa);
    montador.Deja(7000, {1500, 1200});

    QMenu& circuitos = *programa.Principal().menuBar()->actions().front()->menu();
    QStringList textos;
    for (QAction* a : circuitos.actions()) textos << a->text();
    // The design's items keep their order; the new ones go just before the last separator
    // (the recent files follow "Almacenar en...").
    EXPECT_EQ(textos, (QStringList{"Nuevo", "Recuperar...", "Almacenar", "Almacenar en...",
                                   "Archivos recientes", "Revisar circuito", "Fallos...", "",
                                   "Exportar imagen...", "Imprimir...",
                                   "Exportar informe (PDF)...", "", "Salir"}));
    Elemento(circuitos, "Revisar circuito")->trigger();

    DialogoDeRevision* dialogo = programa.Principal().findChild<DialogoDeRevision*>();
    ASSERT_NE(dialogo, nullptr);
    auto* lista = dialogo->findChild<QListWidget*>();
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->item(0)->text(), QString::fromUtf8("chip 74LS00 (n.º 1): no está enchufado en la protoboard. "
                                                        "El chip no quedó sobre una protoboard."));

    VentanaDeMesa& vista = programa.Principal().Mesa();
    programa.Principal().show();
    lista->setCurrentRow(0);
    auto* marco = vista.viewport()->findChild<QRubberBand*>();
    ASSERT_NE(marco, nullptr);
    EXPECT_TRUE(marco->isVisible());
    // The frame is on the chip's corner, which the workbench scrolled into view.
    const QPoint esquina = marco->geometry().topLeft() + QPoint(10, 10) + vista.Desplazamiento();
    EXPECT_EQ(esquina, QPoint(1500, 1200));
    EXPECT_TRUE(vista.viewport()->rect().contains(marco->geometry().center()));
    dialogo->close();
}

TEST(RevisionEnElPrograma, UnTableroSinAlimentacionSeSenalaEnSuTerminal) {
    static const Imagenes imagenes;
    Programa programa{imagenes};
    Mesa& mesa = programa.LaSesion().mesa;
    prueba::Montador montador(mesa);
    // Lamp 0 on lever 0, and neither board on the supply.
    Tablero& palancas = montador.Coloca(Tablero::kInterruptores, {1200, 900});
    Tablero& leds = montador.Coloca(Tablero::kLeds, {1500, 1000});
    montador.Cablea(palancas, 0, leds, 0, 0);

    DialogoDeRevision dialogo(mesa, programa.Principal().Mesa());
    auto* lista = dialogo.findChild<QListWidget*>();
    ASSERT_EQ(lista->count(), 3);
    EXPECT_EQ(lista->item(2)->text(),
              QString::fromUtf8("tablero 4 (leds), terminal 8 (GND): la alimentación no llega; ha de "
                                "ir al GND de la fuente"));

    VentanaDeMesa& vista = programa.Principal().Mesa();
    programa.Principal().show();
    lista->setCurrentRow(2);
    auto* marco = vista.viewport()->findChild<QRubberBand*>();
    ASSERT_NE(marco, nullptr);
    EXPECT_TRUE(marco->isVisible());
    // Framed where a wire would snap to the GND terminal.
    const QPoint centro = marco->geometry().topLeft() + QPoint(10, 10) + vista.Desplazamiento();
    EXPECT_EQ(centro, QPoint(1500 + 11, 1000 + 37));
}

TEST(FallosEnElPrograma, UnaPatillaFijaJuntoAlCircuitoEnciendeLaSumaSinDecirNada) {
    static const Imagenes imagenes;
    prueba::CarpetaTemporal carpeta;
    const std::string circuito = carpeta.Archivo("circuito.txt");
    std::filesystem::copy_file(std::string(VELISTRA_EJEMPLOS) + "/semisumador/circuito.txt", circuito);
    prueba::EscribeArchivo(carpeta.Archivo("circuito.fallos"), "patilla 1 3 1\n");

    auto sumaConLaFuenteEncendida = [&](Programa& programa) {
        Mesa& mesa = programa.LaSesion().mesa;
        mesa.ConmutaFuente();
        const auto& leds = dynamic_cast<const TableroDeLuces&>(*mesa.tablero()[4]);
        const bool encendida = leds.EstadoDeLed(0);
        mesa.ConmutaFuente();
        return encendida;
    };
    {
        Programa programa{imagenes};
        prueba::AbreConElDialogo(programa, circuito);
        ASSERT_EQ(programa.LaSesion().comandos.Archivo(), circuito);
        // Both levers down: only the stuck output lights the sum.
        EXPECT_TRUE(sumaConLaFuenteEncendida(programa));
    }
    std::filesystem::remove(carpeta.Archivo("circuito.fallos"));
    Programa programa{imagenes};
    prueba::AbreConElDialogo(programa, circuito);
    EXPECT_FALSE(sumaConLaFuenteEncendida(programa));
}

TEST(FallosEnElPrograma, ElDialogoGuardaSoloFallosBienEscritos) {
    prueba::CarpetaTemporal carpeta;
    const QString ruta = QString::fromStdString(carpeta.Archivo("c.fallos"));
    prueba::EscribeArchivo(ruta.toStdString(), "patilla 1 3 1\n");
    DialogoDeFallos dialogo(ruta);
    EXPECT_EQ(dialogo.Texto().toPlainText(), "patilla 1 3 1\n");
    QString error;
    dialogo.Texto().setPlainText("patilla 1 3 1\ncable dos abierto\n");
    EXPECT_FALSE(dialogo.Guarda(error));
    EXPECT_EQ(error, QString::fromUtf8("Línea 2: se espera «cable CABLE abierto»"));
    EXPECT_EQ(prueba::LeeArchivo(ruta.toStdString()), "patilla 1 3 1\n");
    dialogo.Texto().setPlainText("cable 2 abierto\n");
    EXPECT_TRUE(dialogo.Guarda(error));
    EXPECT_EQ(prueba::LeeArchivo(ruta.toStdString()), "cable 2 abierto\n");
}

// The dialog checks the numbers against the open circuit, so that --fallos and the
// program never meet a file that names a chip, pin or wire the circuit lacks.
TEST(FallosEnElPrograma, ElDialogoRechazaChipsPatillasYCablesQueElCircuitoNoTiene) {
    prueba::CarpetaTemporal carpeta;
    const QString ruta = QString::fromStdString(carpeta.Archivo("c.fallos"));
    AvisosMudos avisos;
    Mesa mesa(avisos);
    mesa.InicializaMesa();
    prueba::Montador montador(mesa);
    montador.Deja(7000, {1500, 1200});
    montador.Deja(7004, {1500, 1300});
    DialogoDeFallos dialogo(ruta, nullptr, &mesa);
    QString error;
    for (const auto& [texto, porque] :
         {std::pair{"patilla 2 3 1\npatilla 9 3 1\n", "Línea 2: no existe el chip 9"},
          {"patilla 1 15 0\n", "Línea 1: el chip 1 no tiene la patilla 15"},
          {"cable 1 abierto\n", "Línea 1: no existe el cable 1"}}) {
        dialogo.Texto().setPlainText(QString::fromUtf8(texto));
        EXPECT_FALSE(dialogo.Guarda(error)) << texto;
        EXPECT_EQ(error, QString::fromUtf8(porque));
        EXPECT_FALSE(std::filesystem::exists(ruta.toStdString()));
    }
    dialogo.Texto().setPlainText("patilla 2 14 abierta\n");
    EXPECT_TRUE(dialogo.Guarda(error));
    EXPECT_EQ(prueba::LeeArchivo(ruta.toStdString()), "patilla 2 14 abierta\n");
}

}  // namespace
}  // namespace velistra
