// A whole lab session with the real program: boards from the menu, wires and a chip laid
// with the mouse, the supply switched on with a click, levers flipped, lamps looked at
// in the picture the window shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "Apoyo.h"
#include "ConElPrograma.h"
#include "Usuario.h"
#include "tableros/TableroDeLuces.h"
#include "plataforma/Recursos.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/Mesa.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/programa/Programa.h"
#include "ui/patillaje/DibujoDePatillaje.h"
#include "ui/patillaje/PanelDePatillaje.h"
#include "ui/ventana/BarraDeEstado.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {
namespace {

using prueba::DialogoVisto;
using prueba::Usuario;

using prueba::LasImagenes;

constexpr int kColumnaDelChip = prueba::kColumnaDel7404;
constexpr int kHoyoVcc = prueba::kVccDel7404;
constexpr int kHoyoEntrada = prueba::kEntradaDel7404;
constexpr int kHoyoSalida = prueba::kSalidaDel7404;
constexpr int kHoyoGnd = prueba::kGndDel7404;
using prueba::kGndDeInterruptores;
using prueba::kGndDeLeds;
using prueba::kVccDeInterruptores;

// Lamp 0 shows NOT lever 0 through the 7404; lamp 1 shows lever 1 through a wire.
class SesionDeLaboratorio : public prueba::ConElPrograma {
protected:
    void SetUp() override {
        programa.Principal().show();
        ASSERT_EQ(programa.Principal().windowTitle(), QStringLiteral("Velistra 0.9.7"));

        Tablero* fuente = mesa.fuentedc();
        ASSERT_NE(fuente, nullptr);
        protoboard = &usuario.AgregaTablero(comandos::kProtoboard);
        interruptores = &usuario.AgregaTablero(comandos::kInterruptores);
        leds = &usuario.AgregaTablero(comandos::kLeds);
        // New boards land on top of each other; the last one is picked up first. The lamps
        // get their wires from below, so that none runs over a lamp.
        usuario.LlevaTablero(*leds, {450, 30});
        usuario.LlevaTablero(*interruptores, {140, 520});

        usuario.Elige(7004);
        ASSERT_EQ(mesa.componentes().size(), 1u);
        usuario.ColocaChip(0, *protoboard, kColumnaDelChip);

        usuario.Cablea(*fuente, 0, *interruptores, kVccDeInterruptores);
        usuario.Cablea(*fuente, 4, *interruptores, kGndDeInterruptores);
        usuario.Cablea(*fuente, 5, *leds, kGndDeLeds);
        usuario.Cablea(*fuente, 1, *protoboard, kHoyoVcc);
        usuario.Cablea(*fuente, 6, *protoboard, kHoyoGnd);
        usuario.Cablea(*interruptores, 0, *protoboard, kHoyoEntrada);
        usuario.Cablea(*protoboard, kHoyoSalida, *leds, 0);
        usuario.Cablea(*interruptores, 3, *leds, 1);
        ASSERT_FALSE(HasFailure());
    }

    // Lamp i is lit in the picture: the lit-lamp image sits right above its input.
    bool LamparaEncendida(int i) {
        const QImage vista = usuario.Vista();
        const QPoint desplazamiento = usuario.Ventana().Desplazamiento();
        const QRect tablero(leds->EsquinaX(), leds->EsquinaY(), leds->Anchura(), leds->Altura());
        const int entrada = Usuario::Puerto(*leds, i).centro.x() - desplazamiento.x();
        const QImage& encendida = *LasImagenes().Busca(recursos::LedON.id);
        int vistas = 0;
        for (const QPoint& p :
             prueba::Apariciones(vista, encendida, tablero.translated(-desplazamiento))) {
            if (std::abs(p.x() + encendida.width() / 2 - entrada) <= 3) ++vistas;
        }
        // The board's own idea must agree with the picture.
        EXPECT_EQ(vistas == 1, dynamic_cast<TableroDeLuces&>(*leds).EstadoDeLed(i)) << i;
        return vistas == 1;
    }

    Tablero* protoboard = nullptr;
    Tablero* interruptores = nullptr;
    Tablero* leds = nullptr;
};

TEST_F(SesionDeLaboratorio, LasLamparasSiguenALasPalancasConLaFuenteEncendida) {
    EXPECT_FALSE(LamparaEncendida(0)) << "nothing lights with the supply off";
    usuario.AccionaFuente();
    ASSERT_TRUE(mesa.bON());
    EXPECT_TRUE(LamparaEncendida(0)) << "the inverter's input is low";
    EXPECT_FALSE(LamparaEncendida(1));

    usuario.AccionaPalanca(*interruptores, 0);
    EXPECT_FALSE(LamparaEncendida(0));
    usuario.AccionaPalanca(*interruptores, 1);
    EXPECT_TRUE(LamparaEncendida(1));
    EXPECT_FALSE(LamparaEncendida(0));

    usuario.AccionaFuente();
    EXPECT_FALSE(mesa.bON());
    EXPECT_FALSE(LamparaEncendida(1));
    // Flipping levers is no edit worth saving.
    DialogoVisto visto;
    prueba::ResponderAlMensaje(visto, QStringLiteral("Cancelar"));
    usuario.Elige(comandos::kNuevo);
    EXPECT_EQ(visto.titulo, QStringLiteral("Circuito modificado")) << "the wiring was an edit";
}

TEST_F(SesionDeLaboratorio, UnCableSeAjustaAlCentroDeSusPuertosYElPunteroLoSigue) {
    Tablero& fuente = *mesa.fuentedc();
    const prueba::PuntoDePuerto a = Usuario::Puerto(fuente, 3);
    const prueba::PuntoDePuerto b = Usuario::Puerto(*leds, 7);
    ASSERT_NE(a.golpe, a.centro) << "press off the centre";
    QWidget* vista = usuario.Ventana().viewport();

    // Wire-coloured pixels on the column halfway between the ends, which the new wire
    // must cross.
    const int medio = usuario.EnVentana((a.centro + b.centro) / 2).x();
    auto azules = [&] {
        const QImage imagen = usuario.Vista();
        int n = 0;
        for (int y = 0; y < imagen.height(); ++y) n += prueba::Pixel(imagen, medio, y) == 0x0000FFu;
        return n;
    };
    const int antes = azules();

    usuario.Pulsa(a.golpe);
    EXPECT_EQ(QCursor::pos(), vista->mapToGlobal(usuario.EnVentana(a.centro)));
    QTest::mouseMove(vista, usuario.EnVentana(b.golpe));
    usuario.Suelta(b.golpe);
    EXPECT_EQ(QCursor::pos(), vista->mapToGlobal(usuario.EnVentana(b.centro)));

    const Cable& cable = mesa.cables().Lista().back();
    EXPECT_EQ(QPoint(cable.AX(), cable.AY()), a.centro);
    EXPECT_EQ(QPoint(cable.BX(), cable.BY()), b.centro);
    EXPECT_GT(azules(), antes) << "the wire is drawn in the new-wire colour";

    // A wire released where it cannot end disappears.
    const std::size_t cables = mesa.cables().Lista().size();
    usuario.Arrastra(Usuario::Puerto(fuente, 7).golpe, {900, 600});
    usuario.Arrastra(Usuario::Puerto(*leds, 6).golpe, Usuario::Puerto(*leds, 6).golpe);
    EXPECT_EQ(mesa.cables().Lista().size(), cables);
}

TEST_F(SesionDeLaboratorio, ElDesplazamientoMueveElDibujoYLasCoordenadasDelRaton) {
    usuario.AccionaFuente();
    const QImage antes = usuario.Vista();
    VentanaDeMesa& ventana = usuario.Ventana();
    ventana.horizontalScrollBar()->setValue(100);
    ventana.verticalScrollBar()->setValue(40);
    ASSERT_EQ(ventana.Desplazamiento(), QPoint(100, 40));
    const QImage despues = usuario.Vista();

    // Everything moved up and left by the offset, except the colour bar of new wires,
    // which stays in the window's corner.
    const QRect barra(80, 0, 30, 8);
    int distintos = 0;
    for (int y = 0; y + 40 < antes.height(); ++y) {
        for (int x = 0; x + 100 < antes.width(); ++x) {
            if (barra.contains(x, y) || barra.contains(x + 100, y + 40)) continue;
            if (prueba::Pixel(despues, x, y) != prueba::Pixel(antes, x + 100, y + 40)) ++distintos;
        }
    }
    EXPECT_EQ(distintos, 0);
    EXPECT_EQ(prueba::Pixel(despues, 95, 2), 0x0000FFu);
    EXPECT_EQ(prueba::Pixel(antes, 95, 2), 0x0000FFu);

    usuario.Pasa({100, 40});
    EXPECT_EQ(programa.Principal().Estado().Parte(3).text(), QStringLiteral("(100, 40)"));
    usuario.Pasa({537, 412});
    EXPECT_EQ(programa.Principal().Estado().Parte(3).text(), QStringLiteral("(537, 412)"));

    // Clicks land on workbench points.
    usuario.AccionaPalanca(*interruptores, 1);
    EXPECT_TRUE(LamparaEncendida(1));

    // A larger window pulls a far-scrolled view back inside the workbench, and the
    // mouse follows it.
    ventana.horizontalScrollBar()->setValue(2000);
    programa.Principal().resize(1400, 740);
    QCoreApplication::processEvents();
    const int maximo = 2000 - ventana.viewport()->width();
    EXPECT_EQ(ventana.Desplazamiento().x(), maximo);
    EXPECT_EQ(programa.LaSesion().editor.Desplazamiento().x, maximo);
    usuario.Pasa({maximo + 10, 300});
    EXPECT_EQ(programa.Principal().Estado().Parte(3).text(),
              QStringLiteral("(%1, 300)").arg(maximo + 10));
}

TEST_F(SesionDeLaboratorio, ConLaFuenteEncendidaNoSeCreaNiSeRecuperaNiSeSale) {
    usuario.AccionaFuente();
    struct Rechazo {
        int id;
        const char* texto;
    };
    const Rechazo rechazos[] = {
        {comandos::kNuevo, "Apague el módulo antes de crear un nuevo circuito."},
        {comandos::kRecuperar, "Apague el módulo antes de recuperar un circuito."},
        {comandos::kSalir, "Apague el módulo antes de salir del programa."},
    };
    for (const Rechazo& r : rechazos) {
        DialogoVisto visto;
        prueba::ResponderAlMensaje(visto, QStringLiteral("Aceptar"));
        usuario.Elige(r.id);
        EXPECT_EQ(visto.texto, QString::fromUtf8(r.texto));
        EXPECT_EQ(visto.titulo, QStringLiteral("Información"));
    }
    EXPECT_TRUE(programa.Principal().isVisible());
    // The changed circuit's title carries the platform's unsaved mark.
    EXPECT_EQ(programa.Principal().windowTitle(), QStringLiteral("Velistra 0.9.7[*]"));
    EXPECT_TRUE(programa.Principal().isWindowModified());
    EXPECT_EQ(mesa.tablero().size(), 5u);
    EXPECT_EQ(mesa.cables().Lista().size(), 8u);
    EXPECT_TRUE(mesa.bON());
    EXPECT_TRUE(LamparaEncendida(0));
}

TEST_F(SesionDeLaboratorio, UnCircuitoNuevoPreguntaAntesDeTirarElCableado) {
    // A wired board cannot be taken away.
    DialogoVisto visto;
    prueba::ResponderAlMensaje(visto, QStringLiteral("Aceptar"));
    usuario.ClicDerecho(Usuario::Marcador(*leds));
    EXPECT_EQ(visto.texto, QStringLiteral("Primero debe retirar los cables y componentes."));
    EXPECT_EQ(mesa.tablero().size(), 5u);

    // A right press on a wire takes it away.
    const Cable ultimo = mesa.cables().Lista().back();
    usuario.ClicDerecho(QPoint(ultimo.BX(), ultimo.BY()));
    EXPECT_EQ(mesa.cables().Lista().size(), 7u);

    DialogoVisto pregunta;
    prueba::ResponderAlMensaje(pregunta, QStringLiteral("Cancelar"));
    usuario.Elige(comandos::kNuevo);
    EXPECT_EQ(pregunta.titulo, QStringLiteral("Circuito modificado"));
    EXPECT_EQ(pregunta.texto, QStringLiteral("¿Guardar los cambios del circuito?"));
    EXPECT_EQ(mesa.tablero().size(), 5u);
    EXPECT_EQ(programa.Principal().windowTitle(), QStringLiteral("Velistra 0.9.7[*]"));

    const QRect tablero(leds->EsquinaX(), leds->EsquinaY(), leds->Anchura(), leds->Altura());
    prueba::ResponderAlMensaje(pregunta, QStringLiteral("&No"));
    usuario.Elige(comandos::kNuevo);
    EXPECT_EQ(programa.Principal().windowTitle(), QStringLiteral("Nuevo circuito"));
    EXPECT_FALSE(programa.Principal().isWindowModified());
    ASSERT_EQ(mesa.tablero().size(), 2u);
    EXPECT_TRUE(mesa.cables().Lista().empty());
    EXPECT_TRUE(mesa.componentes().empty());
    const QImage vista = usuario.Vista();
    const QRect zona = tablero.translated(-usuario.Ventana().Desplazamiento());
    for (int y = zona.top(); y <= zona.bottom(); y += 5) {
        for (int x = zona.left(); x <= zona.right(); x += 5)
            ASSERT_EQ(prueba::Pixel(vista, x, y), 0xFFFFFFu) << x << ", " << y;
    }
}

TEST_F(SesionDeLaboratorio, ElTemporizadorHaceParpadearUnaLamparaMientrasHayCorriente) {
    Tablero& temporizador = *mesa.reloj();
    usuario.Elige(comandos::kTemporizador);
    ASSERT_EQ(QPoint(temporizador.EsquinaX(), temporizador.EsquinaY()), QPoint(100, 400));
    Tablero& fuente = *mesa.fuentedc();
    usuario.Cablea(fuente, 2, temporizador, 12);
    usuario.Cablea(fuente, 7, temporizador, 13);
    usuario.Cablea(temporizador, 0, *leds, 2);

    usuario.AccionaFuente();
    const bool inicial = LamparaEncendida(2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return LamparaEncendida(2) != inicial; }, 20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return LamparaEncendida(2) == inicial; }, 20000));
}

// The pinout dock names the chip under the pointer, keeps the last one clicked, and with
// the supply on shows every pin's level as the levers move it.
TEST_F(SesionDeLaboratorio, ElPatillajeSigueAlChipYASusNiveles) {
    auto* panel = programa.Principal().findChild<PanelDePatillaje*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible()) << "hidden until asked for";
    panel->toggleViewAction()->trigger();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->Codigo(), 7004) << "the chip last taken, to be placed";

    const Componente& chip = mesa.componentes()[0];
    const QPoint sobreElChip(chip.Ubicacion().x + chip.Anchura() / 2, chip.Ubicacion().y + chip.Altura() / 2);
    const QPoint fuera(chip.Ubicacion().x + chip.Anchura() + 40, chip.Ubicacion().y + chip.Altura() / 2);
    usuario.Pasa(sobreElChip);
    EXPECT_EQ(panel->Titulo(), QStringLiteral("74LS04"));
    EXPECT_TRUE(panel->Niveles().empty()) << "no levels with the supply off";
    EXPECT_TRUE(panel->Aviso().startsWith(QStringLiteral("Encienda la fuente")));

    usuario.AccionaFuente();
    usuario.Clic(sobreElChip);
    usuario.Pasa(fuera);
    QCoreApplication::processEvents();
    ASSERT_EQ(panel->Codigo(), 7004) << "the clicked chip stays";
    // 1A from lever 0 (low), 1Y its inverse, 2A in the air, GND and VCC.
    ASSERT_EQ(panel->Niveles().size(), 14u);
    EXPECT_EQ(panel->Niveles()[0], '0');
    EXPECT_EQ(panel->Niveles()[1], '1');
    EXPECT_EQ(panel->Niveles()[2], 'Z');
    EXPECT_EQ(panel->Niveles()[3], '0');
    EXPECT_EQ(panel->Niveles()[6], '0');
    EXPECT_EQ(panel->Niveles()[13], '1');
    auto colorDe = [&](int pin) {
        const QImage dibujo = panel->Dibujo().pixmap().toImage();
        return dibujo.pixelColor(CajaDeNivel(7004, pin).topLeft() + QPoint(2, 7));
    };
    EXPECT_GT(colorDe(2).red(), 150) << "a high pin is shown red";
    EXPECT_GT(colorDe(1).blue(), 150) << "a low pin blue";

    usuario.AccionaPalanca(*interruptores, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->Niveles()[0], '1');
    EXPECT_EQ(panel->Niveles()[1], '0');
    EXPECT_GT(colorDe(1).red(), 150);

    if (!prueba::CarpetaDeCapturasDelPatillaje().isEmpty()) {
        usuario.Pasa(sobreElChip);
        QCoreApplication::processEvents();
        EXPECT_TRUE(programa.Principal().grab().save(prueba::CarpetaDeCapturasDelPatillaje() +
                                                     QStringLiteral("/patillaje.png")));
    }

    usuario.AccionaFuente();
    QCoreApplication::processEvents();
    EXPECT_TRUE(panel->Niveles().empty());

    // Removing the remembered chip empties the panel.
    usuario.ClicDerecho(sobreElChip);
    usuario.Pasa(fuera);
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->Codigo(), 0);
}

}  // namespace
}  // namespace velistra
