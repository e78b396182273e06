// The logic probe, the reasons for refusals and the feedback loops as the user meets them:
// the real program offscreen, the mouse on the workbench window, the status bar read back.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "Apoyo.h"
#include "ConElPrograma.h"
#include "Usuario.h"
#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeTiras.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/Mesa.h"
#include "simulacion/Sonda.h"
#include "support/Montador.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/BarraDeEstado.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {
namespace {

using prueba::Usuario;

constexpr QRgb kAzulDeSonda = 0x0096FFu;
constexpr QRgb kRojo = 0xE60000u;

// Pixels of that colour on the one-pixel ring `radio` points around a workbench point.
int EnElMarco(const QImage& vista, QPoint centro, int radio, QRgb color) {
    int n = 0;
    for (int d = -radio; d <= radio; ++d) {
        for (const QPoint p : {centro + QPoint(d, -radio), centro + QPoint(d, radio),
                               centro + QPoint(-radio, d), centro + QPoint(radio, d)}) {
            if (vista.rect().contains(p) && prueba::Pixel(vista, p.x(), p.y()) == color) ++n;
        }
    }
    return n;
}

// A 7404 on a breadboard fed from the supply; its first inverter's output lights lamp 0,
// its second input floats. With `anillo`, three more 7404s make a ring of inverters and
// the timer's clock lights lamp 1, so that every tick settles the circuit.
class EnLaMesa : public prueba::ConElPrograma {
protected:
    void Monta(bool anillo) {
        programa.Principal().show();
        prueba::Montador m(mesa);
        proto = &m.Coloca(Tablero::kProtoboard, {110, 60});
        leds = &m.Coloca(Tablero::kLeds, {560, 380});
        m.Cablea(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerVcc, *proto, prueba::HoyoDeBus(0, 0),
                 0x0000FF);
        m.Cablea(*mesa.fuentedc(), TableroDeFuenteDC::kPrimerGnd, *proto, prueba::HoyoDeBus(1, 0), 0);
        m.Cablea(m.Terminal(*leds, 8), m.Bus(*proto, 1, 600), 0);
        const int chips = anillo ? 4 : 1;
        for (int c = 0; c < chips; ++c) {
            colocados.push_back(m.Enchufa(7004, *proto, 4 + 9 * c));
            m.Cablea(m.Pin(colocados.back(), 14),
                     m.Bus(*proto, 0, m.Centro(m.Pin(colocados.back(), 14)).x), 0x0000FF);
            m.Cablea(m.Pin(colocados.back(), 7),
                     m.Bus(*proto, 1, m.Centro(m.Pin(colocados.back(), 7)).x), 0);
        }
        m.Cablea(m.Pin(colocados[0], 2), m.Terminal(*leds, 0), 0x00A000);
        if (anillo) {
            for (int c = 1; c <= 3; ++c)
                m.Cablea(m.Pin(colocados[c], 2), m.Pin(colocados[c % 3 + 1], 1), 0x00A000);
            Tablero& reloj = m.MuestraTemporizador();
            const auto& tiras = dynamic_cast<TableroDeTiras&>(reloj);
            m.Cablea(m.Terminal(reloj, tiras.PuertoVcc()), m.Bus(*proto, 0, 300), 0x0000FF);
            m.Cablea(m.Terminal(reloj, tiras.PuertoGnd()), m.Bus(*proto, 1, 300), 0);
            m.Cablea(reloj, 0, *leds, 1, 0x00A000);
        }
        usuario.Ventana().viewport()->update();
        QApplication::processEvents();
    }

    QString Estado() { return programa.Principal().Estado().Parte(0).text(); }
    QString Rechazo() { return programa.Principal().Estado().currentMessage(); }
    QPoint Centro(Tablero& t, int i) { return Usuario::Puerto(t, i).centro; }
    QImage Vista() {
        QApplication::processEvents();
        return usuario.Vista();
    }
    QPoint EnVista(QPoint enMesa) { return enMesa - usuario.Ventana().Desplazamiento(); }

    Tablero* proto = nullptr;
    Tablero* leds = nullptr;
    std::vector<prueba::ChipColocado> colocados;
};

TEST_F(EnLaMesa, LaSondaResaltaLaRedBajoElPunteroYDiceSuNivel) {
    Monta(false);
    usuario.AccionaFuente();
    ASSERT_TRUE(mesa.bON());
    const QPoint lampara = Centro(*leds, 0);
    const QPoint bus = Centro(*proto, prueba::HoyoDeBus(0, 40));
    EXPECT_EQ(EnElMarco(Vista(), EnVista(bus), 5, kAzulDeSonda), 0);

    // On the lamp's terminal (the inverter reads its floating input as high): the
    // output's five holes light up, the bus does not.
    usuario.Pasa(lampara);
    const QImage resaltada = Vista();
    EXPECT_GT(EnElMarco(resaltada, EnVista(lampara), 5, kAzulDeSonda), 20);
    const QPoint salida = Centro(*proto, prueba::HoyoInferior(5, 4));
    EXPECT_GT(EnElMarco(resaltada, EnVista(salida), 5, kAzulDeSonda), 20);
    EXPECT_EQ(EnElMarco(resaltada, EnVista(bus), 5, kAzulDeSonda), 0);
    EXPECT_EQ(Estado(), QStringLiteral("Nivel bajo; lo da 74LS04 (1) patilla 2; 6 puntos unidos"));
    // The position display goes on as before.
    EXPECT_EQ(programa.Principal().Estado().Parte(3).text(),
              QStringLiteral("(%1, %2)").arg(lampara.x()).arg(lampara.y()));
    // The README's picture of the probe.
    if (!prueba::RutaDeLaCaptura().isEmpty()) {
        QCoreApplication::processEvents();
        EXPECT_TRUE(programa.Principal().grab().save(prueba::RutaDeLaCaptura()));
    }

    // A floating input, then the supply's bus; off the terminals nothing is highlighted.
    usuario.Pasa(Centro(*proto, prueba::HoyoInferior(6, 4)));
    EXPECT_EQ(
        Estado(),
        QStringLiteral("Nivel flotante (Z, una entrada TTL lo lee como alto); 5 puntos unidos"));
    usuario.Pasa(bus);
    EXPECT_TRUE(Estado().startsWith(QStringLiteral("Nivel alto; lo da fuente DC (1) VCC; ")))
        << Estado().toStdString();
    EXPECT_GT(EnElMarco(Vista(), EnVista(Centro(*mesa.fuentedc(), 2)), 5, kAzulDeSonda), 20);
    usuario.Pasa({60, 20});
    EXPECT_EQ(Estado(), QString());
    EXPECT_EQ(EnElMarco(Vista(), EnVista(lampara), 5, kAzulDeSonda), 0);
}

TEST_F(EnLaMesa, UnRechazoDiceSuMotivoEnLaBarraHastaQueElPunteroCambiaDeRed) {
    Monta(false);
    // A wire between two holes of one strip.
    usuario.Arrastra(Usuario::Puerto(*proto, prueba::HoyoSuperior(30, 0)).golpe,
                     Usuario::Puerto(*proto, prueba::HoyoSuperior(30, 3)).golpe);
    EXPECT_EQ(Rechazo(), QStringLiteral("Los dos terminales ya están unidos."));
    usuario.Pasa(Centro(*proto, prueba::HoyoSuperior(30, 2)));
    EXPECT_EQ(Rechazo(), QStringLiteral("Los dos terminales ya están unidos.")) << "the same net";
    usuario.Pasa(Centro(*proto, prueba::HoyoSuperior(31, 2)));
    EXPECT_EQ(Rechazo(), QString());
}

// The trap of the design: with a ring and a running timer the limit message came back on
// every tick, so the supply switch could never be reached and the program never left.
TEST_F(EnLaMesa, ConUnAnilloYElTemporizadorElAvisoSaleUnaVezYSePuedeApagarYSalir) {
    Monta(true);
    int avisos = 0;
    QString texto;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (caja == nullptr || !caja->isVisible()) return;
        ++avisos;
        texto = caja->text();
        caja->button(QMessageBox::Ok)->click();
    });
    vigia.start(5);

    usuario.AccionaFuente();
    ASSERT_TRUE(mesa.bON());
    // Some twenty ticks of the 47 ms timer.
    QTest::qWait(1000);
    EXPECT_EQ(avisos, 1);
    EXPECT_TRUE(texto.startsWith(QStringLiteral("El circuito posee realimentaciones")))
        << texto.toStdString();
    EXPECT_EQ(Estado(),
              QStringLiteral(
                  "El circuito no se estabiliza: realimentación en 74LS04 (2), 74LS04 (3) y 74LS04 (4)"));

    // The ring's chips are framed in red; the chip outside it is not.
    const QImage vista = Vista();
    for (std::size_t c = 0; c < 4; ++c) {
        const Componente& chip = mesa.componentes()[c];
        const QPoint esquina = EnVista(QPoint(chip.Ubicacion().x, chip.Ubicacion().y));
        const int rojos = EnElMarco(vista, esquina + QPoint(chip.Anchura() / 2, chip.Altura() / 2),
                                    0, kRojo);  // the middle is never red
        EXPECT_EQ(rojos, 0);
        int borde = 0;
        for (int x = 0; x < chip.Anchura(); ++x)
            borde += prueba::Pixel(vista, esquina.x() + x, esquina.y() - 2) == kRojo;
        EXPECT_EQ(borde > chip.Anchura() / 2, c > 0) << "chip " << c;
    }

    // Nothing is wired while it runs, and the user is told why at the press.
    usuario.Clic(Centro(*proto, prueba::HoyoSuperior(50, 0)));
    EXPECT_EQ(Rechazo(),
              QStringLiteral("Con el módulo encendido no se puede cablear, mover ni quitar nada."));
    if (qEnvironmentVariableIsSet("CAPTURA_LAZO"))
        programa.Principal().grab().save(qEnvironmentVariable("CAPTURA_LAZO"));
    usuario.AccionaFuente();
    EXPECT_FALSE(mesa.bON());
    EXPECT_EQ(avisos, 1);
    usuario.Pasa({60, 20});
    EXPECT_EQ(Estado(), QString());
    usuario.Elige(comandos::kSalir);
    QApplication::processEvents();
    EXPECT_FALSE(programa.Principal().isVisible());
    EXPECT_EQ(avisos, 1) << "no question: nothing was edited with the mouse";
}

}  // namespace
}  // namespace velistra
