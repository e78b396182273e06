// Undo, redo and the unsaved mark through the real window and its keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QScrollBar>
#include <QTest>

#include "Apoyo.h"
#include "ConElPrograma.h"
#include "Usuario.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/Mesa.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "cables/Cable.h"

namespace velistra {
namespace {

using prueba::LasImagenes;

class Edicion : public prueba::ConElPrograma {
protected:
    void SetUp() override {
        programa.Principal().show();
        programa.Principal().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&programa.Principal()));
    }
    void Teclea(Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::ControlModifier) {
        QTest::keyClick(&programa.Principal(), tecla, modificadores);
    }
    QMainWindow& Ventana() { return programa.Principal(); }

};

TEST_F(Edicion, ControlZQuitaElTableroAgregadoYControlYLoDevuelveConSuMarca) {
    usuario.AgregaTablero(comandos::kLeds);
    ASSERT_EQ(mesa.tablero().size(), 3u);
    EXPECT_TRUE(Ventana().isWindowModified());

    Teclea(Qt::Key_Z);
    EXPECT_EQ(mesa.tablero().size(), 2u);
    // Back where the program started: nothing to save, and the title says so.
    EXPECT_FALSE(Ventana().isWindowModified());
    EXPECT_EQ(Ventana().windowTitle(), QStringLiteral("Velistra 0.9.7"));

    Teclea(Qt::Key_Y);
    ASSERT_EQ(mesa.tablero().size(), 3u);
    EXPECT_EQ(mesa.tablero().back()->Tipo(), Tablero::kLeds);
    EXPECT_TRUE(Ventana().isWindowModified());
    Teclea(Qt::Key_Z);
    Teclea(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(mesa.tablero().size(), 3u);
}

TEST_F(Edicion, UnChipDelMenuYLuegoNuevoPreguntaSiGuardar) {
    usuario.Elige(7004);
    ASSERT_EQ(mesa.componentes().size(), 1u);
    EXPECT_TRUE(Ventana().isWindowModified());
    prueba::DialogoVisto pregunta;
    prueba::ResponderAlMensaje(pregunta, QStringLiteral("Cancelar"));
    Teclea(Qt::Key_N);
    EXPECT_EQ(pregunta.texto, QStringLiteral("¿Guardar los cambios del circuito?"));
    EXPECT_EQ(mesa.componentes().size(), 1u);
}

TEST_F(Edicion, SuprimirQuitaElCableBajoElPunteroYLasFlechasDesplazan) {
    Tablero& leds = usuario.PonTablero(comandos::kLeds, QPoint(400, 300));
    usuario.Cablea(*mesa.fuentedc(), 5, leds, 8);
    ASSERT_EQ(mesa.cables().Lista().size(), 1u);
    const auto& puntos = mesa.cables().Lista()[0].Puntos();
    const QPoint medio((puntos[1].x + puntos[2].x) / 2, (puntos[1].y + puntos[2].y) / 2);
    // Away from the wire, Delete removes nothing.
    QCursor::setPos(usuario.Ventana().viewport()->mapToGlobal(usuario.EnVentana({700, 550})));
    Teclea(Qt::Key_Delete, Qt::NoModifier);
    ASSERT_EQ(mesa.cables().Lista().size(), 1u);
    QCursor::setPos(usuario.Ventana().viewport()->mapToGlobal(usuario.EnVentana(medio)));
    Teclea(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_TRUE(mesa.cables().Lista().empty());
    Teclea(Qt::Key_Z);
    EXPECT_EQ(mesa.cables().Lista().size(), 1u);

    QScrollBar* v = usuario.Ventana().verticalScrollBar();
    Teclea(Qt::Key_Down, Qt::NoModifier);
    EXPECT_EQ(v->value(), 20);
    Teclea(Qt::Key_PageDown, Qt::NoModifier);
    EXPECT_EQ(v->value(), 120);
    Teclea(Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(usuario.Ventana().horizontalScrollBar()->value(), 20);
}

}  // namespace
}  // namespace velistra
