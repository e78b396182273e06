// Undo, redo and the unsaved mark through the real window and its keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "sesion/CodigosDeComando.h"
#include "simulation/Mesa.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/programa/Programa.h"
#include "Usuario.h"

namespace velistra {
namespace {

const Imagenes& LasImagenes() {
    static const Imagenes imagenes;
    return imagenes;
}

class Edicion : public ::testing::Test {
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

    Programa programa{LasImagenes()};
    prueba::Usuario usuario{programa};
    Mesa& mesa = usuario.LaMesa();
};

TEST_F(Edicion, ControlZQuitaElTableroAgregadoYControlYLoDevuelveConSuMarca) {
    usuario.AgregaTablero(comandos::kLeds);
    ASSERT_EQ(mesa.tablero.size(), 3u);
    EXPECT_TRUE(Ventana().isWindowModified());

    Teclea(Qt::Key_Z);
    EXPECT_EQ(mesa.tablero.size(), 2u);
    // Back where the program started: nothing to save, and the title says so.
    EXPECT_FALSE(Ventana().isWindowModified());
    EXPECT_EQ(Ventana().windowTitle(), QStringLiteral("Velistra 0.9.7"));

    Teclea(Qt::Key_Y);
    ASSERT_EQ(mesa.tablero.size(), 3u);
    EXPECT_EQ(mesa.tablero.back()->Tipo(), Tablero::kLeds);
    EXPECT_TRUE(Ventana().isWindowModified());
    Teclea(Qt::Key_Z);
    Teclea(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(mesa.tablero.size(), 3u);
}

TEST_F(Edicion, UnChipDelMenuYLuegoNuevoPreguntaSiGuardar) {
    usuario.Elige(7004);
    ASSERT_EQ(mesa.componentes.size(), 1u);
    EXPECT_TRUE(Ventana().isWindowModified());
    prueba::DialogoVisto pregunta;
    prueba::ResponderAlMensaje(pregunta, QStringLiteral("Cancelar"));
    Teclea(Qt::Key_N);
    EXPECT_EQ(pregunta.texto, QStringLiteral("¿Guardar los cambios del circuito?"));
    EXPECT_EQ(mesa.componentes.size(), 1u);
}

}  // namespace
}  // namespace velistra
