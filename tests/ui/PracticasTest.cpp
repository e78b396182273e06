// A lab in the window: the dock from the menu, "Empezar" loads the bench, a half-built
// circuit laid with the mouse shows its wrong rows, the finished one passes and the lab
// is marked as passed for the next run.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTextBrowser>

#include "ConElPrograma.h"
#include "sesion/CodigosDeComando.h"
#include "ui/practicas/PanelDePracticas.h"
#include "ui/practicas/Practicas.h"

namespace velistra {
namespace {

// Lab 2 (De Morgan): one 7400 with pin 1 below column 10. Upper pins sit in row 4 above
// their column (pin 14 above 10 ... pin 8 above 16), lower pins in row 0 below it.
constexpr int kColumna = 10;
constexpr int Arriba(int pin, int fila) { return 5 * (kColumna + 14 - pin) + fila; }
constexpr int Abajo(int pin, int fila) { return 320 + 5 * (kColumna + pin - 1) + fila; }
// Supply terminals left free by the bench (0 and 4 feed the buses).
constexpr int kVccDeLaFuente = 1;
constexpr int kGndDeLaFuente = 5;

class PracticaEnLaVentana : public prueba::ConElPrograma {
protected:
    void SetUp() override {
        QSettings(QStringLiteral("Velistra"), QStringLiteral("Velistra"))
            .remove(QStringLiteral("practicas"));
        programa.Principal().show();
        panel = programa.Principal().findChild<PanelDePracticas*>();
        ASSERT_NE(panel, nullptr);
    }

    QStringList Lineas() const {
        QStringList lineas;
        for (int i = 0; i < panel->Lineas().count(); ++i) lineas << panel->Lineas().item(i)->text();
        return lineas;
    }

    Tablero& T(int identificador) { return *mesa.TableroConIdentificador(identificador); }

    PanelDePracticas* panel = nullptr;
};

TEST_F(PracticaEnLaVentana, SeMontaConElRatonSeCompruebaYQuedaSuperada) {
    EXPECT_FALSE(panel->isVisible());
    usuario.Elige(comandos::kPracticasDelCurso);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_TRUE(usuario.Accion(comandos::kPracticasDelCurso)->isChecked());
    ASSERT_EQ(panel->Elector().count(), 14);
    panel->Elector().setCurrentIndex(1);
    EXPECT_EQ(panel->Elector().currentText(), QStringLiteral("De Morgan con puertas NAND"));
    EXPECT_TRUE(panel->Texto().toPlainText().contains(QStringLiteral("un solo 7400")));

    // The bench of the lab, unsaved and without a name: saving never writes into the course.
    panel->BotonEmpezar().click();
    ASSERT_EQ(mesa.tablero().size(), 5u);
    EXPECT_TRUE(programa.LaSesion().comandos.Modificado());
    EXPECT_TRUE(programa.LaSesion().comandos.Archivo().empty());
    Tablero& protoboard = T(3);
    Tablero& palancas = T(4);
    Tablero& leds = T(5);

    // Half of it: the chip fed, gate 4 (A NAND B) on lamp 1, and gate 3's output on lamp 0
    // with its inputs still in the air.
    usuario.Elige(7000);
    ASSERT_EQ(mesa.componentes().size(), 1u);
    usuario.ColocaChip(0, protoboard, kColumna);
    usuario.Cablea(*mesa.fuentedc(), kVccDeLaFuente, protoboard, Arriba(14, 0));
    usuario.Cablea(*mesa.fuentedc(), kGndDeLaFuente, protoboard, Abajo(7, 3));
    usuario.Cablea(palancas, 0, protoboard, Arriba(12, 0));
    usuario.Cablea(palancas, 3, protoboard, Arriba(13, 0));
    usuario.Cablea(protoboard, Arriba(11, 1), leds, 1);
    usuario.Cablea(protoboard, Arriba(8, 1), leds, 0);
    ASSERT_FALSE(HasFailure());

    panel->BotonComprobar().click();
    const QStringList mal = Lineas();
    ASSERT_FALSE(mal.isEmpty());
    EXPECT_EQ(mal[0], QStringLiteral("Incorrecto: 3 de 4 filas no dan lo esperado."))
        << mal.join('\n').toStdString();
    EXPECT_TRUE(mal.contains(QStringLiteral(
        "int4.0=0 int4.1=1: se espera leds5.0=1 leds5.1=1; ahora leds5.0=0 leds5.1=1")))
        << mal.join('\n').toStdString();
    EXPECT_TRUE(mal.filter(QStringLiteral("Revisión: ")).size() >= 1);
    // The check ran on a copy: the student's supply is still off.
    EXPECT_FALSE(mesa.bON());
    EXPECT_FALSE(panel->Elector().currentText().startsWith(QStringLiteral("✓")));

    // The rest: NOT A, NOT B and their NAND.
    usuario.Cablea(palancas, 1, protoboard, Abajo(1, 2));
    usuario.Cablea(protoboard, Abajo(1, 3), protoboard, Abajo(2, 2));
    usuario.Cablea(palancas, 4, protoboard, Abajo(4, 2));
    usuario.Cablea(protoboard, Abajo(4, 3), protoboard, Abajo(5, 2));
    usuario.Cablea(protoboard, Abajo(3, 4), protoboard, Arriba(9, 2));
    usuario.Cablea(protoboard, Abajo(6, 4), protoboard, Arriba(10, 3));
    ASSERT_FALSE(HasFailure());
    panel->BotonComprobar().click();
    EXPECT_EQ(Lineas(), QStringList{QStringLiteral("Correcto: la práctica está superada.")});
    EXPECT_EQ(panel->Elector().currentText(), QStringLiteral("✓ De Morgan con puertas NAND"));

    // Remembered: another window lists it as passed.
    Programa otro(prueba::LasImagenes());
    auto* otroPanel = otro.Principal().findChild<PanelDePracticas*>();
    ASSERT_NE(otroPanel, nullptr);
    EXPECT_EQ(otroPanel->Elector().itemText(1), QStringLiteral("✓ De Morgan con puertas NAND"));
    EXPECT_FALSE(otroPanel->Elector().itemText(0).startsWith(QStringLiteral("✓")));
    EXPECT_EQ(otroPanel->Elector().currentIndex(), 0) << "the first lab not yet passed";
}

}  // namespace
}  // namespace velistra
