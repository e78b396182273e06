// The workbench at other zoom levels: the mouse still works in workbench points, the
// keys, the wheel and the "Ver" menu change the level, and 100 % is the window as ever.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "Apoyo.h"
#include "ConElPrograma.h"
#include "Usuario.h"
#include "modelo/Componente.h"
#include "plataforma/Lienzo.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/Mesa.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/plataforma/LienzoQt.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/MenuVer.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {
namespace {

using prueba::LasImagenes;
using prueba::Usuario;

class Zoom : public prueba::ConElPrograma {
protected:
    void SetUp() override {
        programa.Principal().resize(1400, 1000);
        programa.Principal().show();
        programa.Principal().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&programa.Principal()));
    }
    VentanaDeMesa& Vista() { return programa.Principal().Mesa(); }

    // The middle of the area where a press hits port i, so that a coarse level still hits it.
public:
    static QPoint MedioDelPuerto(Tablero& t, int i) {
        const QPoint golpe = Usuario::Puerto(t, i).golpe;
        Puerto* puerto = t.DireccionDePuerto(i);
        QPoint fin = golpe;
        while (t.PuertoEn(fin.x() + 1, golpe.y()) == puerto) fin.rx()++;
        while (t.PuertoEn(golpe.x(), fin.y() + 1) == puerto) fin.ry()++;
        return (golpe + fin) / 2;
    }

    QAction* DelMenuVer(const QString& texto) {
        for (QAction* accion : MenuVer(*programa.Principal().menuBar()).actions())
            if (accion->text() == texto) return accion;
        ADD_FAILURE() << texto.toStdString();
        return nullptr;
    }

};

// A board dragged, a wire laid and a chip plugged in, in a program of its own at a level:
// where each lands must not depend on the level.
void EditaAlNivel(double nivel) {
    SCOPED_TRACE(nivel);
    Programa programa{LasImagenes()};
    Usuario usuario{programa};
    Mesa& mesa = usuario.LaMesa();
    programa.Principal().resize(1400, 1000);
    programa.Principal().show();
    VentanaDeMesa& vista = programa.Principal().Mesa();
    vista.CambiaNivel(nivel, QPoint(0, 0));
    ASSERT_EQ(vista.Desplazamiento(), QPoint(0, 0));

    Tablero& protoboard = usuario.AgregaTablero(comandos::kProtoboard);
    Tablero& leds = usuario.AgregaTablero(comandos::kLeds);
    for (Tablero* t : {&protoboard, &leds}) {
        const QPoint esquina(t->EsquinaX(), t->EsquinaY());
        const QPoint destino = t == &protoboard ? QPoint(20, 130) : QPoint(420, 20);
        // Even points and steps: at 50 % a window point covers two workbench pixels.
        QPoint agarre = Usuario::Marcador(*t);
        agarre = QPoint(agarre.x() & ~1, agarre.y() & ~1);
        ASSERT_TRUE(t->MarcadorEn(agarre.x(), agarre.y()));
        const QPoint paso = destino - esquina;
        ASSERT_TRUE(paso.x() % 2 == 0 && paso.y() % 2 == 0) << "pick an even target";
        usuario.Arrastra(agarre, agarre + paso);
        EXPECT_EQ(QPoint(t->EsquinaX(), t->EsquinaY()), destino);
    }

    usuario.Elige(7004);
    usuario.ColocaChip(mesa.componentes().size() - 1, protoboard, 10);

    usuario.Arrastra(Zoom::MedioDelPuerto(protoboard, 320 + 5 * 11 + 1),
                     Zoom::MedioDelPuerto(leds, 2), prueba::Salida::Vertical);
    ASSERT_EQ(mesa.cables().Lista().size(), 1u);
    const Cable& cable = mesa.cables().Lista().back();
    EXPECT_EQ(QPoint(cable.AX(), cable.AY()), Usuario::Puerto(protoboard, 320 + 55 + 1).centro)
        << "the wire snaps to the holes' centres";
    EXPECT_EQ(QPoint(cable.BX(), cable.BY()), Usuario::Puerto(leds, 2).centro);
    EXPECT_EQ(protoboard.DireccionDePuerto(320 + 56)->Nodo(), leds.DireccionDePuerto(2)->Nodo());
}

TEST(ZoomDeLaVentana, ArrastresCablesYChipsCaenDondeCaenAlCienPorCien) {
    for (const double nivel : {100.0, 200.0, 50.0, 150.0}) EditaAlNivel(nivel);
}

TEST_F(Zoom, LaRuedaConControlYLasTeclasCambianElNivelYElMenuLoMarca) {
    VentanaDeMesa& vista = Vista();
    ASSERT_EQ(vista.Nivel(), 100.0);
    QAction* cien = DelMenuVer(QStringLiteral("100 %"));
    ASSERT_NE(cien, nullptr);
    EXPECT_TRUE(cien->isChecked());

    // The workbench point under the pointer stays under it.
    const QPoint puntero(300, 200);
    const QPoint antes = vista.AMesa(puntero);
    QWheelEvent rueda(puntero, vista.viewport()->mapToGlobal(puntero), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(vista.viewport(), &rueda);
    EXPECT_EQ(vista.Nivel(), 150.0);
    EXPECT_LE((vista.AMesa(puntero) - antes).manhattanLength(), 1);
    EXPECT_FALSE(cien->isChecked());
    EXPECT_TRUE(DelMenuVer(QStringLiteral("150 %"))->isChecked());

    // Without Control the wheel scrolls and leaves the level.
    QWheelEvent sinControl(puntero, vista.viewport()->mapToGlobal(puntero), QPoint(),
                           QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    const int vertical = vista.verticalScrollBar()->value();
    QCoreApplication::sendEvent(vista.viewport(), &sinControl);
    EXPECT_EQ(vista.Nivel(), 150.0);
    EXPECT_GT(vista.verticalScrollBar()->value(), vertical);

    QTest::keyClick(&programa.Principal(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(vista.Nivel(), 200.0);
    QTest::keyClick(&programa.Principal(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&programa.Principal(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(vista.Nivel(), 300.0) << "the last level holds";
    QTest::keyClick(&programa.Principal(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(vista.Nivel(), 200.0);
    QTest::keyClick(&programa.Principal(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(vista.Nivel(), 100.0);
    for (int i = 0; i < 4; ++i) QTest::keyClick(&programa.Principal(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(vista.Nivel(), 50.0);

    // The arrows scroll a line of workbench points at every level.
    vista.CambiaNivel(200.0);
    vista.horizontalScrollBar()->setValue(0);
    QTest::keyClick(&programa.Principal(), Qt::Key_Right);
    EXPECT_EQ(vista.horizontalScrollBar()->value(), 2 * VentanaDeMesa::kPasoDeLinea);
    EXPECT_EQ(vista.Desplazamiento().x(), VentanaDeMesa::kPasoDeLinea);
}

TEST_F(Zoom, AjustarALaVentanaMuestraLaMesaEntera) {
    VentanaDeMesa& vista = Vista();
    vista.CambiaNivel(300.0);
    vista.horizontalScrollBar()->setValue(900);
    QAction* ajusta = DelMenuVer(QStringLiteral("Ajustar a la ventana"));
    ASSERT_NE(ajusta, nullptr);
    ajusta->trigger();
    EXPECT_LT(vista.Nivel(), 100.0);
    EXPECT_EQ(vista.Desplazamiento(), QPoint(0, 0));
    EXPECT_EQ(vista.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(vista.verticalScrollBar()->maximum(), 0);
    const QRect ventana = vista.viewport()->rect();
    EXPECT_TRUE(ventana.contains(vista.EnVentana({0, 0})));
    EXPECT_TRUE(ventana.contains(vista.EnVentana({VentanaDeMesa::kAncho - 1, VentanaDeMesa::kAlto - 1})));
    // The supply in its corner is in the picture.
    const QImage imagen = usuario.Vista();
    Tablero& fuente = *mesa.fuentedc();
    const QPoint centro = vista.EnVentana(
        {fuente.EsquinaX() + fuente.Anchura() / 2, fuente.EsquinaY() + fuente.Altura() / 2});
    EXPECT_NE(prueba::Pixel(imagen, centro.x(), centro.y()), 0xFFFFFFu);
}

// What the window shows at 100 % is the workbench drawn on the canvas, pixel for pixel,
// also after a trip to other levels.
TEST_F(Zoom, AlCienPorCienLaVentanaEsElLienzoDeSiempre) {
    usuario.AgregaTablero(comandos::kProtoboard);
    usuario.AgregaTablero(comandos::kSieteSegmentos);
    usuario.Elige(7000);
    VentanaDeMesa& vista = Vista();
    vista.horizontalScrollBar()->setValue(60);
    vista.verticalScrollBar()->setValue(30);
    const auto lienzo = [&] {
        QImage imagen(VentanaDeMesa::kAncho, VentanaDeMesa::kAlto, QImage::Format_RGB32);
        imagen.fill(Qt::white);
        {
            LienzoQt qt(imagen, LasImagenes());
            PintaMesa(mesa, qt);
        }
        return imagen.copy(QRect(vista.Desplazamiento(), vista.viewport()->size()));
    };
    EXPECT_EQ(usuario.Vista(), lienzo());
    vista.CambiaNivel(200.0);
    vista.CambiaNivel(50.0);
    vista.CambiaNivel(100.0, QPoint(0, 0));
    vista.horizontalScrollBar()->setValue(60);
    vista.verticalScrollBar()->setValue(30);
    EXPECT_EQ(usuario.Vista(), lienzo());
}

// At 200 % letters and lines are drawn again at twice the size, not blown up.
TEST(ZoomDeLaVentana, AlDoscientosPorCienLetrasYLineasSeDibujanNitidas) {
    VentanaDeMesa mesa(LasImagenes());
    mesa.resize(400, 300);
    mesa.show();
    mesa.Dibujante([](Lienzo& lienzo) {
        lienzo.Texto(10, 10, "Velistra 74LS00", Rgb(0, 0, 0), true);
        lienzo.MueveA(10, 60);
        lienzo.LineaA(150, 60);
    });
    const QImage uno = mesa.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    mesa.CambiaNivel(200.0, QPoint(0, 0));
    const QImage dos = mesa.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage aumentada = uno.scaled(uno.size() * 2).copy(dos.rect());
    EXPECT_NE(dos.copy(0, 0, 300, 60), aumentada.copy(0, 0, 300, 60)) << "text blown up";
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 300; ++x) {
            const QRgb p = prueba::Pixel(dos, x, y);
            ASSERT_TRUE(p == 0 || p == 0xFFFFFF) << "blurred at (" << x << ", " << y << ")";
        }
    }
    // A one-pixel line is two pixels thick, and nothing more.
    EXPECT_EQ(prueba::Pixel(dos, 100, 119), 0xFFFFFFu);
    EXPECT_EQ(prueba::Pixel(dos, 100, 120), 0u);
    EXPECT_EQ(prueba::Pixel(dos, 100, 121), 0u);
    EXPECT_EQ(prueba::Pixel(dos, 100, 122), 0xFFFFFFu);
}

}  // namespace
}  // namespace velistra

namespace velistra {
namespace {

// A board dragged to the window's edge scrolls the window and goes on following the
// pointer; once released, the window stays.
TEST(AutoDesplazamiento, UnTableroArrastradoAlBordeDesplazaLaVentanaYLaSigue) {
    Programa programa{LasImagenes()};
    Usuario usuario{programa};
    programa.Principal().resize(1000, 700);
    programa.Principal().show();
    VentanaDeMesa& vista = programa.Principal().Mesa();
    Tablero& leds = usuario.PonTablero(comandos::kLeds, {300, 200});

    const QPoint agarre = Usuario::Marcador(leds);
    const QPoint delta = agarre - QPoint(leds.EsquinaX(), leds.EsquinaY());
    usuario.Pulsa(agarre);
    const QPoint borde(vista.viewport()->width() - 5, usuario.EnVentana(agarre).y());
    QTest::mouseMove(vista.viewport(), borde);
    ASSERT_TRUE(QTest::qWaitFor([&] { return vista.Desplazamiento().x() >= 100; }, 5000));
    // The board is still under the pointer.
    EXPECT_EQ(QPoint(leds.EsquinaX(), leds.EsquinaY()) + delta, vista.AMesa(borde));
    QTest::mouseRelease(vista.viewport(), Qt::LeftButton, Qt::NoModifier, borde);
    const int desplazamiento = vista.Desplazamiento().x();
    EXPECT_EQ(QPoint(leds.EsquinaX(), leds.EsquinaY()) + delta, vista.AMesa(borde));
    QTest::qWait(200);
    EXPECT_EQ(vista.Desplazamiento().x(), desplazamiento) << "released: no more scrolling";

    // A move with nothing held near the edge scrolls nothing.
    usuario.Pasa(vista.AMesa(borde));
    QTest::qWait(200);
    EXPECT_EQ(vista.Desplazamiento().x(), desplazamiento);
}

}  // namespace
}  // namespace velistra
