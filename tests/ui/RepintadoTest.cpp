// The workbench window keeps a layer between repaints and draws again only what changed:
// what it shows must be, pixel for pixel, what drawing everything again shows. Lit
// lamps are drawn over the wires that cross them.
#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include "Apoyo.h"
#include "ConElPrograma.h"
#include "Usuario.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeLuces.h"
#include "plataforma/Recursos.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/Mesa.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/plataforma/LienzoQt.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {
namespace {

using prueba::LasImagenes;
using prueba::Salida;
using prueba::Usuario;
using prueba::kGndDeLeds;

class Repintado : public prueba::ConElPrograma {
protected:
    void SetUp() override {
        programa.Principal().resize(1200, 900);
        programa.Principal().show();
        fuente = mesa.fuentedc();
        leds = &usuario.PonTablero(comandos::kLeds, {450, 40});
        interruptores = &usuario.PonTablero(comandos::kInterruptores, {140, 420});
        display = &usuario.PonTablero(comandos::kSieteSegmentos, {300, 200});
        protoboard = &usuario.PonTablero(comandos::kProtoboard, {100, 600});
        usuario.Elige(7004);
        usuario.ColocaChip(mesa.componentes().size() - 1, *protoboard, 10);
        usuario.Cablea(*fuente, 4, *leds, kGndDeLeds, Salida::Horizontal);
        usuario.Cablea(*fuente, 1, *interruptores, 24, Salida::Horizontal);
        usuario.Cablea(*fuente, 5, *interruptores, 25, Salida::Vertical);
        usuario.Cablea(*interruptores, 0, *leds, 0, Salida::Vertical);
        usuario.Cablea(*interruptores, 3, *leds, 1, Salida::Vertical);
        usuario.Cablea(*fuente, 2, *display, 32, Salida::Horizontal);
        usuario.Cablea(*interruptores, 6, *display, 3, Salida::Vertical);
    }

    VentanaDeMesa& Vista() { return programa.Principal().Mesa(); }

    // The same workbench in a window that draws everything on every repaint.
    QImage SinCapa() {
        VentanaDeMesa referencia(LasImagenes());
        referencia.resize(Vista().size());
        referencia.Dibujante([this](Lienzo& lienzo) { PintaMesa(mesa, lienzo); });
        referencia.CambiaNivel(Vista().Nivel(), QPoint(0, 0));
        referencia.horizontalScrollBar()->setValue(Vista().horizontalScrollBar()->value());
        referencia.verticalScrollBar()->setValue(Vista().verticalScrollBar()->value());
        return referencia.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    void ComoSinCapa(const char* paso) {
        SCOPED_TRACE(paso);
        // The pointer leaves (after any move the editor asked for): the probe's highlight
        // is not part of the workbench.
        QCoreApplication::processEvents();
        QEvent fuera(QEvent::Leave);
        QCoreApplication::sendEvent(&Vista(), &fuera);
        QCoreApplication::processEvents();
        const QImage vista = usuario.Vista();
        const QImage referencia = SinCapa();
        ASSERT_EQ(vista.size(), referencia.size());
        for (int y = 0; y < vista.height(); ++y) {
            for (int x = 0; x < vista.width(); ++x) {
                ASSERT_EQ(prueba::Pixel(vista, x, y), prueba::Pixel(referencia, x, y))
                    << "(" << x << ", " << y << ")";
            }
        }
    }

    QRect Lampara(int i) {
        const Punto p = TableroDeLeds::Lampara(i);
        const QPoint esquina = Vista().EnVentana({leds->EsquinaX() + p.x, leds->EsquinaY() + p.y});
        return QRect(esquina, QSize(recursos::LedON.ancho, recursos::LedON.alto));
    }

    Tablero* fuente = nullptr;
    Tablero* leds = nullptr;
    Tablero* interruptores = nullptr;
    Tablero* display = nullptr;
    Tablero* protoboard = nullptr;
};

TEST_F(Repintado, LaVentanaMuestraLoMismoQueDibujandoloTodo) {
    ComoSinCapa("montado");
    usuario.AccionaFuente();
    ComoSinCapa("encendido");
    usuario.AccionaPalanca(*interruptores, 0);
    usuario.AccionaPalanca(*interruptores, 1);
    ComoSinCapa("palancas");
    usuario.AccionaPalanca(*interruptores, 0);
    usuario.AccionaPalanca(*interruptores, 2);
    ComoSinCapa("más palancas");
    // A wire reshaped while the supply is on.
    const Cable& cable = mesa.cables().Lista().back();
    const QPoint medio((cable.AX() + cable.BX()) / 2, cable.BY());
    usuario.Arrastra(QPoint(medio.x(), cable.Puntos()[2].y), QPoint(medio.x(), cable.Puntos()[2].y + 30));
    ComoSinCapa("cable movido");
    usuario.AccionaFuente();
    usuario.LlevaTablero(*leds, {520, 60});
    ComoSinCapa("tablero arrastrado");
    usuario.ClicDerecho(QPoint(mesa.cables().Lista()[3].AX(), mesa.cables().Lista()[3].AY() + 1));
    ComoSinCapa("cable quitado");
    Vista().horizontalScrollBar()->setValue(80);
    Vista().verticalScrollBar()->setValue(50);
    ComoSinCapa("desplazado");
    Vista().CambiaNivel(50.0);
    ComoSinCapa("al 50 %");
    Vista().CambiaNivel(100.0, QPoint(0, 0));
    usuario.AccionaFuente();
    ComoSinCapa("de vuelta al 100 %");
}

TEST_F(Repintado, UnaLamparaQueCambiaRepintaSoloSuRectangulo) {
    usuario.AccionaFuente();
    QCoreApplication::processEvents();
    ASSERT_FALSE(dynamic_cast<TableroDeLuces&>(*leds).EstadoDeLed(1));
    // The lever through the session, so that nothing asks for a repaint yet.
    const QPoint palanca = Usuario::Palanca(*interruptores, 1);
    programa.LaSesion().BotonIzquierdoAbajo(palanca.x(), palanca.y());
    programa.LaSesion().BotonIzquierdoArriba(palanca.x(), palanca.y());
    ASSERT_TRUE(dynamic_cast<TableroDeLuces&>(*leds).EstadoDeLed(1));
    const QRegion repintado = Vista().Actualiza();
    const QRect lampara = Lampara(1).adjusted(-1, -1, 1, 1);
    EXPECT_TRUE(repintado.contains(lampara));
    // Besides the lamp, only the lever itself.
    const QRect resto = (repintado - QRegion(lampara)).boundingRect();
    EXPECT_TRUE(QRect(Vista().EnVentana(palanca) - QPoint(20, 25), QSize(40, 50)).contains(resto))
        << resto.x() << ", " << resto.y() << " " << resto.width() << " x " << resto.height();
    EXPECT_TRUE(Vista().Actualiza().isEmpty()) << "nothing changed since";
}

TEST_F(Repintado, LasLamparasEncendidasQuedanSobreLosCables) {
    usuario.AccionaFuente();
    usuario.AccionaPalanca(*interruptores, 0);
    ASSERT_TRUE(dynamic_cast<TableroDeLuces&>(*leds).EstadoDeLed(0));
    // A wire right across lamps 0 and 1 (lit and dark).
    const QPoint a(leds->EsquinaX() + 20, leds->EsquinaY() + TableroDeLeds::Lampara(0).y + 9);
    mesa.cables().CreaCable(leds->Identificador(), a.x(), a.y());
    mesa.cables().EnMovimiento(a.x() + 120, a.y());
    mesa.cables().Concluye(leds->Identificador(), a.x() + 120, a.y());
    Vista().Actualiza();
    QCoreApplication::processEvents();
    const QImage vista = usuario.Vista();
    const QImage& encendida = *LasImagenes().Busca(recursos::LedON.id);
    EXPECT_EQ(prueba::Apariciones(vista, encendida, Lampara(0)).size(), 1u) << "lit: over the wire";
    const QPoint cruce(Lampara(1).center().x(), Vista().EnVentana(a).y());
    EXPECT_EQ(prueba::Pixel(vista, cruce.x(), cruce.y()), 0x0000FFu) << "dark: under the wire";
}

}  // namespace
}  // namespace velistra
