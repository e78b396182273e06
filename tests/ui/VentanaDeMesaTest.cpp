#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "Apoyo.h"
#include "plataforma/Lienzo.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {
namespace {

using prueba::LasImagenes;

void Repite(QScrollBar* barra, QAbstractSlider::SliderAction accion, int veces) {
    for (int i = 0; i < veces; ++i) barra->triggerAction(accion);
}

TEST(VentanaDeMesa, ElDesplazamientoAvanzaPorLineasYPaginasYSeDetieneEnLosBordes) {
    VentanaDeMesa mesa(LasImagenes());
    mesa.resize(800, 600);
    mesa.show();
    const QSize cliente = mesa.viewport()->size();
    QScrollBar* horizontal = mesa.horizontalScrollBar();
    QScrollBar* vertical = mesa.verticalScrollBar();

    horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(mesa.Desplazamiento().x(), 20);
    horizontal->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(mesa.Desplazamiento().x(), 120);
    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(mesa.Desplazamiento().y(), 80);

    Repite(horizontal, QAbstractSlider::SliderPageStepAdd, 40);
    Repite(vertical, QAbstractSlider::SliderPageStepAdd, 40);
    EXPECT_EQ(mesa.Desplazamiento(), QPoint(2000 - cliente.width(), 1500 - cliente.height()));
    horizontal->setValue(5000);
    EXPECT_EQ(mesa.Desplazamiento().x(), 2000 - cliente.width());

    Repite(horizontal, QAbstractSlider::SliderSingleStepSub, 200);
    Repite(vertical, QAbstractSlider::SliderPageStepSub, 40);
    EXPECT_EQ(mesa.Desplazamiento(), QPoint(0, 0));
}

TEST(VentanaDeMesa, UnaVentanaMayorQueLaMesaNoSeDesplaza) {
    VentanaDeMesa mesa(LasImagenes());
    mesa.resize(2200, 1700);
    mesa.show();
    Repite(mesa.horizontalScrollBar(), QAbstractSlider::SliderPageStepAdd, 3);
    EXPECT_EQ(mesa.Desplazamiento(), QPoint(0, 0));
    const QImage vista = mesa.viewport()->grab().toImage();
    EXPECT_EQ(vista.pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(VentanaDeMesa, ElPunteroYElDibujoSeDanEnCoordenadasDeLaMesa) {
    VentanaDeMesa mesa(LasImagenes());
    mesa.resize(640, 480);
    mesa.show();
    mesa.Dibujante([](Lienzo& lienzo) {
        lienzo.SeleccionaBrocha(Rgb(0, 0, 255));
        lienzo.Rectangulo(150, 60, 160, 70);
    });
    QSignalSpy desplazado(&mesa, &VentanaDeMesa::Desplazado);
    mesa.horizontalScrollBar()->setValue(100);
    mesa.verticalScrollBar()->setValue(40);
    ASSERT_FALSE(desplazado.isEmpty());
    EXPECT_EQ(desplazado.back(), (QList<QVariant>{100, 40}));

    QSignalSpy movido(&mesa, &VentanaDeMesa::PunteroMovido);
    QSignalSpy pulsado(&mesa, &VentanaDeMesa::IzquierdoPulsado);
    QSignalSpy soltado(&mesa, &VentanaDeMesa::IzquierdoSoltado);
    QSignalSpy derecho(&mesa, &VentanaDeMesa::DerechoPulsado);
    QMouseEvent movimiento(QEvent::MouseMove, QPointF(0, 0),
                           mesa.viewport()->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
    QCoreApplication::sendEvent(mesa.viewport(), &movimiento);
    ASSERT_EQ(movido.size(), 1);
    EXPECT_EQ(movido.front(), (QList<QVariant>{100, 40}));
    QTest::mouseClick(mesa.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 7));
    QTest::mousePress(mesa.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(9, 3));
    ASSERT_EQ(pulsado.size(), 1);
    ASSERT_EQ(soltado.size(), 1);
    ASSERT_EQ(derecho.size(), 1);
    EXPECT_EQ(pulsado.front(), (QList<QVariant>{105, 47}));
    EXPECT_EQ(soltado.front(), (QList<QVariant>{105, 47}));
    EXPECT_EQ(derecho.front(), (QList<QVariant>{109, 43}));

    const QImage vista = mesa.viewport()->grab().toImage();
    EXPECT_EQ(vista.pixel(55, 25) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(vista.pixel(50, 20) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(vista.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
}  // namespace velistra
