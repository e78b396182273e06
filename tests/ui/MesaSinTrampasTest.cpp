// The workbench as a student and a teacher try it: no mode traps the user, the analyser and
// the report show only what happened, the review frames the place it names, refusals keep
// their reason, and undo, zoom and loading leave the student where they expect.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QRubberBand>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "Apoyo.h"
#include "ConElPrograma.h"
#include "Usuario.h"
#include "docencia/Revision.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/AnalizadorLogico.h"
#include "simulacion/Rechazos.h"
#include "support/CarpetaTemporal.h"
#include "support/Proceso.h"
#include "ui/analizador/DiagramaDeTiempos.h"
#include "ui/analizador/PanelDelAnalizador.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/patillaje/PanelDePatillaje.h"
#include "ui/plataforma/ColoresQt.h"
#include "ui/ventana/BarraDeEstado.h"
#include "ui/ventana/DialogoDeRevision.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {
namespace {

using prueba::Usuario;

class MesaSinTrampas : public prueba::ConElPrograma {
protected:
    void SetUp() override {
        programa.Principal().show();
        programa.Principal().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&programa.Principal()));
    }

    BarraDeEstado& Estado() { return programa.Principal().Estado(); }
    PanelDelAnalizador& Panel() { return *programa.Principal().findChild<PanelDelAnalizador*>(); }
    AnalizadorLogico& Analizador() { return programa.LaSesion().analizador; }

    void CtrlClic(QPoint enMesa) {
        QTest::mouseClick(usuario.Ventana().viewport(), Qt::LeftButton, Qt::ControlModifier,
                          usuario.EnVentana(enMesa));
    }

    // Answers the next file dialog with `ruta` and runs command `id`.
    void EligeConArchivo(int id, const std::string& ruta) {
        prueba::AlAbrirseUnDialogo([ruta](QWidget* dialogo) {
            auto* archivos = qobject_cast<QFileDialog*>(dialogo);
            ASSERT_NE(archivos, nullptr);
            archivos->selectFile(QString::fromStdString(ruta));
            QMetaObject::invokeMethod(archivos, "accept", Qt::DirectConnection);
        });
        usuario.Elige(id);
    }
};

TEST_F(MesaSinTrampas, ConLaSondaLaFuenteSigueFuncionandoElModoSeVeYEscLoDeja) {
    Panel().show();
    Panel().Sonda().trigger();
    VentanaDeMesa& vista = usuario.Ventana();
    EXPECT_EQ(vista.viewport()->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(Estado().Parte(1).text(), QStringLiteral("Sonda"));
    EXPECT_FALSE(Estado().Parte(1).toolTip().isEmpty());
    // The supply switches on and off; a terminal is still the probe's.
    usuario.AccionaFuente();
    EXPECT_TRUE(mesa.bON());
    usuario.Clic(Usuario::Puerto(*mesa.fuentedc(), 0).golpe);
    EXPECT_EQ(Analizador().Canales().size(), 1u);
    usuario.AccionaFuente();
    EXPECT_FALSE(mesa.bON());
    // A resize clears the bar's texts, not the mode's.
    programa.Principal().resize(programa.Principal().size() + QSize(10, 10));
    EXPECT_EQ(Estado().Parte(1).text(), QStringLiteral("Sonda"));

    QTest::keyClick(&programa.Principal(), Qt::Key_Escape);
    EXPECT_FALSE(Panel().Sonda().isChecked());
    EXPECT_FALSE(vista.ModoSonda());
    EXPECT_EQ(vista.viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(Estado().Parte(1).text().isEmpty());
    // Out of the mode, a click on a terminal is the workbench's again: it starts a wire.
    usuario.Pulsa(Usuario::Puerto(*mesa.fuentedc(), 0).golpe);
    EXPECT_NE(mesa.cables().EnCurso(), nullptr);
    usuario.Suelta(Usuario::Puerto(*mesa.fuentedc(), 0).golpe);
}

TEST_F(MesaSinTrampas, ElTiempoEmpiezaAlEncenderYLaPausaNoDibujaNiveles) {
    Panel().show();
    // Time the record counted before the supply went on is not the circuit's.
    for (int i = 0; i < 30; ++i) programa.Tic();
    CtrlClic(Usuario::Puerto(*mesa.fuentedc(), 0).golpe);
    usuario.AccionaFuente();
    ASSERT_GT(Analizador().NumeroDeMuestras(), 0u);
    EXPECT_EQ(Analizador().Muestra(0).tiempo, 0);

    constexpr int kAntes = 10;
    constexpr int kPausados = 40;
    for (int i = 0; i < kAntes; ++i) programa.Tic();
    Panel().Pausa().trigger();
    Panel().Actualiza();
    const int posicion = Panel().findChild<QScrollBar*>()->value();
    for (int i = 0; i < kPausados; ++i) programa.Tic();
    Panel().Actualiza();
    EXPECT_EQ(Panel().findChild<QScrollBar*>()->value(), posicion) << "en pausa la vista no corre";
    Panel().Pausa().trigger();
    for (int i = 0; i < 10; ++i) programa.Tic();

    // One point a tick from the first sample: high before the pause, nothing during it,
    // high again after.
    DiagramaDeTiempos& diagrama = Panel().Diagrama();
    diagrama.resize(diagrama::kAnchoDeNombres + 200, AltoDelDiagrama(Analizador()));
    VistaDeTiempos& vista = diagrama.Vista();
    vista.inicio = Analizador().Muestra(0).tiempo;
    vista.microsegundosPorPunto = AnalizadorLogico::kMicrosegundosPorTic;
    vista.cursor.reset();
    const QImage imagen = diagrama.grab().toImage();
    const int alto = diagrama::kAltoDelEje + 5;
    const auto en = [&](int tic) { return prueba::Pixel(imagen, diagrama::kAnchoDeNombres + tic, alto); };
    EXPECT_EQ(en(kAntes / 2), diagrama::kColorAlto);
    EXPECT_EQ(en(kAntes + kPausados / 2), 0xFFFFFFu) << "nada se vio durante la pausa";
    EXPECT_EQ(en(kAntes + kPausados + 5), diagrama::kColorAlto);
}

TEST_F(MesaSinTrampas, ElInformeDeUnCircuitoNuevoNoLlevaElNombreAnteriorYCabeEnUnaHoja) {
    prueba::AbreConElDialogo(programa, std::string(VELISTRA_EJEMPLOS) + "/semisumador/circuito.txt");
    ASSERT_GT(mesa.tablero().size(), 2u);
    usuario.Elige(comandos::kNuevo);
    ASSERT_EQ(mesa.tablero().size(), 2u);

    const prueba::CarpetaTemporal carpeta;
    const std::string pdf = carpeta.Archivo("informe.pdf");
    EligeConArchivo(comandos::kExportarInforme, pdf);
    prueba::Lanzamiento texto;
    texto.programa = VELISTRA_PDFTOTEXT;
    texto.argumentos = {"-layout", pdf, "-"};
    const prueba::ResultadoDelProceso r = prueba::Ejecuta(texto);
    ASSERT_EQ(r.codigo, 0) << r.errores;
    EXPECT_EQ(r.salida.find("semisumador"), std::string::npos) << r.salida;
    EXPECT_NE(r.salida.find("Circuito sin nombre"), std::string::npos) << r.salida;
    // pdftotext ends every page with a form feed.
    EXPECT_EQ(std::count(r.salida.begin(), r.salida.end(), '\f'), 1) << r.salida;
}

TEST_F(MesaSinTrampas, LaRevisionEnmarcaElHuecoDeLaPatillaYElMarcoSeVaConElDialogo) {
    Tablero& protoboard = usuario.PonTablero(comandos::kProtoboard, {200, 200});
    usuario.Elige(7000);
    usuario.ColocaChip(0, protoboard, 10);
    const std::vector<docencia::Hallazgo> hallazgos = docencia::RevisaCircuito(mesa);
    ASSERT_FALSE(hallazgos.empty());
    ASSERT_GT(hallazgos[0].pin, 0);
    const Puerto* hueco = mesa.componentes()[0].DireccionDeCasilla(hallazgos[0].pin);
    ASSERT_NE(hueco, nullptr);

    usuario.Elige(comandos::kRevisarCircuito);
    auto* dialogo = programa.Principal().findChild<DialogoDeRevision*>();
    ASSERT_NE(dialogo, nullptr);
    dialogo->findChild<QListWidget*>()->setCurrentRow(0);
    VentanaDeMesa& vista = usuario.Ventana();
    const auto* marco = vista.viewport()->findChild<QRubberBand*>();
    ASSERT_NE(marco, nullptr);
    ASSERT_TRUE(marco->isVisible());
    EXPECT_EQ(vista.AMesa(marco->geometry().center() + QPoint(1, 1)),
              Usuario::Puerto(protoboard, hueco->Indice()).centro);
    // Scrolled, the frame stays on the hole.
    vista.verticalScrollBar()->setValue(vista.verticalScrollBar()->value() + 40);
    EXPECT_EQ(vista.AMesa(marco->geometry().center() + QPoint(1, 1)),
              Usuario::Puerto(protoboard, hueco->Indice()).centro);

    dialogo->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QRubberBand* queda : vista.viewport()->findChildren<QRubberBand*>())
        EXPECT_FALSE(queda->isVisible()) << "el marco quedó en la mesa";
}

TEST_F(MesaSinTrampas, LosRechazosDicenSuMotivoYLoMantienenMientrasDuraLaPulsacion) {
    Tablero& protoboard = usuario.PonTablero(comandos::kProtoboard, {200, 200});
    const QString encendido = DelNucleo(TextoDeRechazo(Rechazo::ModuloEncendido));

    // Between two holes of rows a and b the chip is on the breadboard, off the channel.
    usuario.Elige(7000);
    Componente& chip = mesa.componentes()[0];
    const QPoint hueco = Usuario::Puerto(protoboard, 5 * 10).centro;
    const QPoint enchufe = hueco + QPoint(0, 7);
    ASSERT_EQ(mesa.PuertoEn(enchufe.x(), enchufe.y()).puerto, nullptr);
    const QPoint esquina(chip.Ubicacion().x, chip.Ubicacion().y);
    const QPoint agarre = esquina + QPoint(chip.Anchura() / 2, chip.Altura() / 2);
    usuario.Arrastra(agarre, agarre + enchufe - QPoint(chip.Desplazamiento().x, chip.Desplazamiento().y) - esquina);
    EXPECT_FALSE(chip.EstaInsertado());
    EXPECT_EQ(Estado().currentMessage(), DelNucleo(TextoDeRechazo(Rechazo::SinCanalCentral)));

    // With the supply on, a wire refused at the press keeps its reason along the drag.
    usuario.AccionaFuente();
    const QPoint desde = Usuario::Puerto(protoboard, 0).golpe;
    const QPoint hasta = Usuario::Puerto(protoboard, 5 * 20).golpe;
    usuario.Pulsa(desde);
    EXPECT_EQ(Estado().currentMessage(), encendido);
    QTest::mouseMove(usuario.Ventana().viewport(), usuario.EnVentana(hasta));
    EXPECT_EQ(Estado().currentMessage(), encendido);
    usuario.Suelta(hasta);
    EXPECT_EQ(Estado().currentMessage(), encendido);
    // Read, it goes once the pointer moves on to another net.
    usuario.Pasa(Usuario::Puerto(protoboard, 5 * 30).golpe);
    EXPECT_TRUE(Estado().currentMessage().isEmpty());
}

TEST_F(MesaSinTrampas, DeshacerGuardaLasPalancasYElZoomOLaCargaNoDejanElCircuitoFuera) {
    Tablero& palancas = usuario.PonTablero(comandos::kInterruptores, {300, 300});
    usuario.AccionaPalanca(palancas, 2);
    usuario.AgregaTablero(comandos::kLeds);
    usuario.Elige(comandos::kDeshacer);
    ASSERT_EQ(mesa.tablero().size(), 3u);
    EXPECT_EQ(mesa.tablero()[2]->EstadoDeEntrada(2), 1);
    usuario.Elige(comandos::kRehacer);
    EXPECT_EQ(mesa.tablero()[2]->EstadoDeEntrada(2), 1);
    EXPECT_EQ(mesa.tablero()[2]->EstadoDeEntrada(1), 0);

    VentanaDeMesa& vista = usuario.Ventana();
    const auto seVe = [&vista](const Tablero& t) {
        const QRect visible(vista.AMesa({0, 0}),
                            vista.AMesa({vista.viewport()->width() - 1, vista.viewport()->height() - 1}));
        return visible.intersects(QRect(t.EsquinaX(), t.EsquinaY(), t.Anchura(), t.Altura()));
    };
    // Ctrl+0 after the whole workbench was in view.
    usuario.Elige(comandos::kAjustarALaVentana);
    QTest::keyClick(&programa.Principal(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(vista.Nivel(), 100.0);
    EXPECT_TRUE(seVe(*mesa.fuentedc()));

    // A file opened with the view scrolled far from where its circuit is.
    vista.horizontalScrollBar()->setValue(vista.horizontalScrollBar()->maximum());
    vista.verticalScrollBar()->setValue(vista.verticalScrollBar()->maximum());
    prueba::DialogoVisto pregunta;
    prueba::ResponderAlMensaje(pregunta, QStringLiteral("&No"));
    prueba::AbreConElDialogo(programa, std::string(VELISTRA_EJEMPLOS) + "/semisumador/circuito.txt");
    ASSERT_GT(mesa.tablero().size(), 2u);
    EXPECT_TRUE(seVe(*mesa.tablero().back()));
}

TEST_F(MesaSinTrampas, LaBarraDelColorNoCambiaDeSitioNiDeTamanoConElZoom) {
    VentanaDeMesa& vista = usuario.Ventana();
    const QRgb color = prueba::Pixel(usuario.Vista(), 95, 2);
    ASSERT_EQ(color, prueba::SinAlfa(AQRgb(mesa.cables().Color())));
    for (double nivel : {50.0, 200.0}) {
        vista.CambiaNivel(nivel);
        const QImage imagen = usuario.Vista();
        EXPECT_EQ(prueba::Pixel(imagen, 95, 2), color) << nivel;
        // Not drawn a second time at the workbench's scale either.
        EXPECT_NE(prueba::Pixel(imagen, 2 * 95, 4), color) << nivel;
        EXPECT_NE(prueba::Pixel(imagen, 95 / 2, 1), color) << nivel;
    }
}

// Zoomed, the chip under the pointer is the one the user sees there; the tooltip placed
// from a wrong point could cover the pointer and take the probe's frame away with it.
TEST_F(MesaSinTrampas, AlDoscientosPorCienElChipBajoElPunteroEsElQueSeVe) {
    auto* panel = programa.Principal().findChild<PanelDePatillaje*>();
    ASSERT_NE(panel, nullptr);
    panel->toggleViewAction()->trigger();
    Tablero& protoboard = usuario.PonTablero(comandos::kProtoboard, {200, 200});
    usuario.Elige(7000);
    usuario.ColocaChip(0, protoboard, 10);
    usuario.Elige(7004);
    usuario.ColocaChip(1, protoboard, 30);
    const Componente& primero = mesa.componentes()[0];
    const QPoint sobre(primero.Ubicacion().x + primero.Anchura() / 2, primero.Ubicacion().y + primero.Altura() / 2);
    VentanaDeMesa& vista = usuario.Ventana();
    vista.CambiaNivel(200.0);
    vista.Centra(sobre);
    usuario.Pasa(sobre);
    EXPECT_EQ(panel->Codigo(), 7000);
}

}  // namespace
}  // namespace velistra
