// Several parts at once through the real window: a band drawn with the mouse, a group
// dragged by one handle, copy and paste within a window and into another, undo.
#include <gtest/gtest.h>

#include <QTest>

#include "Apoyo.h"
#include "ConElPrograma.h"
#include "Usuario.h"
#include "tableros/TableroDeLuces.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/PiezasDeLaMesa.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {
namespace {

using prueba::Usuario;


QRect Rectangulo(const Tablero& t) {
    const Area a = AreaDe(t);
    return QRect(QPoint(a.l, a.t), QPoint(a.r - 1, a.b - 1));
}

bool Lampara(Tablero& leds, int i) { return dynamic_cast<TableroDeLuces&>(leds).EstadoDeLed(i); }

// A 7404 on the breadboard: lamp 0 shows NOT lever 0, lamp 1 shows lever 1 through a wire.
class SeleccionEnLaVentana : public prueba::ConElPrograma {
protected:
    void SetUp() override {
        programa.Principal().show();
        Tablero* fuente = mesa.fuentedc();
        protoboard = &usuario.AgregaTablero(comandos::kProtoboard);
        interruptores = &usuario.AgregaTablero(comandos::kInterruptores);
        leds = &usuario.AgregaTablero(comandos::kLeds);
        usuario.LlevaTablero(*leds, {450, 30});
        usuario.LlevaTablero(*interruptores, {140, 520});
        usuario.Elige(7004);
        usuario.ColocaChip(0, *protoboard, prueba::kColumnaDel7404);
        usuario.Cablea(*fuente, 0, *interruptores, prueba::kVccDeInterruptores);
        usuario.Cablea(*fuente, 4, *interruptores, prueba::kGndDeInterruptores);
        usuario.Cablea(*fuente, 5, *leds, prueba::kGndDeLeds);
        usuario.Cablea(*fuente, 1, *protoboard, prueba::kVccDel7404);
        usuario.Cablea(*fuente, 6, *protoboard, prueba::kGndDel7404);
        usuario.Cablea(*interruptores, 0, *protoboard, prueba::kEntradaDel7404);
        usuario.Cablea(*protoboard, prueba::kSalidaDel7404, *leds, 0);
        usuario.Cablea(*interruptores, 3, *leds, 1);
        ASSERT_EQ(mesa.cables().Lista().size(), 8u);
        ASSERT_TRUE(mesa.componentes()[0].EstaInsertado());
    }

    // Around the three boards, from free workbench space; the supply stays out.
    QRect Zona() {
        const QRect zona = Rectangulo(*protoboard).united(Rectangulo(*interruptores)).united(Rectangulo(*leds));
        EXPECT_GT(zona.left() - 6, Rectangulo(*mesa.fuentedc()).right());
        return zona.adjusted(-6, -6, 6, 6);
    }
    void RodeaElMontaje() { usuario.Arrastra(Zona().topLeft(), Zona().bottomRight()); }

    const Seleccion& Seleccionado() { return programa.LaSesion().editor.LaSeleccion(); }

    Tablero* protoboard = nullptr;
    Tablero* interruptores = nullptr;
    Tablero* leds = nullptr;
};

TEST_F(SeleccionEnLaVentana, LaBandaSeMueveSeCopiaYSePegaYDeshacerDevuelveElTextoDeAntes) {
    const std::string antes = TextoDeCircuito(mesa);
    // The pointer rests on free space for every picture: the probe marks nothing.
    const QPoint libre = Zona().bottomRight();
    usuario.Pasa(libre);
    const QImage sinSeleccion = usuario.Vista();
    RodeaElMontaje();
    EXPECT_EQ(Seleccionado().tableros.size(), 3u);
    EXPECT_EQ(Seleccionado().chips.size(), 1u);
    // The three wires between the boards; those to the supply leave the band.
    EXPECT_EQ(Seleccionado().cables.size(), 3u);
    EXPECT_NE(usuario.Vista(), sinSeleccion) << "the selection shows";
    EXPECT_EQ(TextoDeCircuito(mesa), antes) << "selecting changes nothing";

    const QPoint esquina(leds->EsquinaX(), leds->EsquinaY());
    const Punto chip = mesa.componentes()[0].Ubicacion();
    const QPoint agarre = Usuario::Marcador(*protoboard);
    usuario.Arrastra(agarre, agarre + QPoint(100, 0));
    EXPECT_EQ(QPoint(leds->EsquinaX(), leds->EsquinaY()), esquina + QPoint(100, 0));
    EXPECT_EQ(mesa.componentes()[0].Ubicacion().x, chip.x + 100);
    EXPECT_TRUE(mesa.componentes()[0].EstaInsertado());
    EXPECT_EQ(Seleccionado().tableros.size(), 3u) << "a group stays selected after its move";
    const std::string movido = TextoDeCircuito(mesa);

    usuario.Elige(comandos::kCopiar);
    usuario.Elige(comandos::kPegar);
    ASSERT_EQ(mesa.tablero().size(), 8u);
    ASSERT_EQ(mesa.componentes().size(), 2u);
    EXPECT_TRUE(mesa.componentes()[1].EstaInsertado()) << "the copy's chip sits in the copy's breadboard";
    // The copy lies clear of every board that was there; the supply's terminals are not
    // under its supply wires, so only the three wires between its boards came along.
    for (std::size_t i = 5; i < 8; ++i)
        for (std::size_t j = 0; j < 5; ++j)
            EXPECT_FALSE(AreaDe(*mesa.tablero()[i]).Corta(AreaDe(*mesa.tablero()[j]))) << i << " " << j;
    EXPECT_EQ(mesa.cables().Lista().size(), 11u);

    usuario.Elige(comandos::kDeshacer);
    EXPECT_EQ(TextoDeCircuito(mesa), movido);
    usuario.Elige(comandos::kDeshacer);
    EXPECT_EQ(TextoDeCircuito(mesa), antes);
    EXPECT_TRUE(Seleccionado().Vacia());
    usuario.Pasa(libre);
    EXPECT_EQ(usuario.Vista(), sinSeleccion);
}

TEST_F(SeleccionEnLaVentana, PegadoEnOtraVentanaLasLamparasSiguenALasPalancas) {
    RodeaElMontaje();
    usuario.Elige(comandos::kCopiar);

    Programa otro{prueba::LasImagenes()};
    otro.Principal().show();
    Usuario segundo{otro};
    segundo.Elige(comandos::kPegar);
    Mesa& copia = segundo.LaMesa();
    ASSERT_EQ(copia.tablero().size(), 5u);
    // On a bench of its own the copy keeps its place, so its supply wires find the supply.
    EXPECT_EQ(copia.cables().Lista().size(), 8u);
    ASSERT_EQ(copia.componentes().size(), 1u);
    EXPECT_TRUE(copia.componentes()[0].EstaInsertado());

    Tablero& palancas = *copia.tablero()[3];
    Tablero& luces = *copia.tablero()[4];
    segundo.AccionaFuente();
    ASSERT_TRUE(copia.bON());
    EXPECT_TRUE(Lampara(luces, 0)) << "the inverter's input is low";
    EXPECT_FALSE(Lampara(luces, 1));
    segundo.AccionaPalanca(palancas, 0);
    segundo.AccionaPalanca(palancas, 1);
    EXPECT_FALSE(Lampara(luces, 0));
    EXPECT_TRUE(Lampara(luces, 1));
    // Nothing moves or goes with the supply on.
    segundo.Elige(comandos::kSeleccionarTodo);
    const std::string encendido = TextoDeCircuito(copia);
    const QPoint agarre = Usuario::Marcador(luces);
    segundo.Arrastra(agarre, agarre + QPoint(40, 40));
    EXPECT_EQ(TextoDeCircuito(copia), encendido);
    segundo.AccionaFuente();
}

TEST_F(SeleccionEnLaVentana, MayusculasYClicEligenPiezasYBorrarSeLasLlevaConSusCables) {
    const std::string antes = TextoDeCircuito(mesa);
    QWidget* vista = usuario.Ventana().viewport();
    QTest::mouseClick(vista, Qt::LeftButton, Qt::ShiftModifier, usuario.EnVentana(Usuario::Marcador(*leds)));
    const Punto chip = mesa.componentes()[0].Ubicacion();
    QTest::mouseClick(vista, Qt::LeftButton, Qt::ShiftModifier, usuario.EnVentana(QPoint(chip.x + 3, chip.y + 3)));
    ASSERT_EQ(Seleccionado().tableros.size(), 1u);
    ASSERT_EQ(Seleccionado().chips.size(), 1u);

    usuario.Elige(comandos::kBorrarSeleccion);
    EXPECT_EQ(mesa.tablero().size(), 4u);
    EXPECT_TRUE(mesa.componentes().empty());
    // The lamps' three wires went with their board.
    EXPECT_EQ(mesa.cables().Lista().size(), 5u);
    usuario.Elige(comandos::kDeshacer);
    EXPECT_EQ(TextoDeCircuito(mesa), antes);
}

TEST_F(SeleccionEnLaVentana, AjustarAlCircuitoMuestraTodasLasPiezasEnUso) {
    usuario.Elige(comandos::kAjustarALaVentana);
    const double entera = usuario.Ventana().Nivel();
    usuario.Elige(comandos::kAjustarAlCircuito);
    EXPECT_GT(usuario.Ventana().Nivel(), entera) << "the parts fill more of the window than the bench";
    const std::optional<Area> area = AreaEnUso(mesa);
    ASSERT_TRUE(area);
    const QRect vista = usuario.Ventana().viewport()->rect();
    EXPECT_TRUE(vista.contains(usuario.EnVentana(QPoint(area->l, area->t))));
    EXPECT_TRUE(vista.contains(usuario.EnVentana(QPoint(area->r - 1, area->b - 1))));
}

}  // namespace
}  // namespace velistra
