#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/ventana/DialogoDeAyuda.h"

namespace velistra {
namespace {

TEST(DialogoDeAyuda, MuestraElProgramaLaVersionLosCreditosYElLema) {
    DialogoDeAyuda dialogo;
    EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Información"));
    QStringList lineas;
    for (const QLabel* etiqueta : dialogo.findChildren<QLabel*>()) {
        EXPECT_TRUE(etiqueta->alignment() & Qt::AlignHCenter);
        lineas << etiqueta->text();
    }
    ASSERT_EQ(lineas.size(), 8);
    EXPECT_EQ(lineas.front(), QStringLiteral("Velistra"));
    EXPECT_EQ(lineas[1], QStringLiteral("Versión 0.9.7 (2541180) - Mayo de 2011"));
    for (int i = 2; i < 6; ++i) EXPECT_FALSE(lineas[i].isEmpty()) << i;
    EXPECT_TRUE(lineas[6].isEmpty());
    EXPECT_EQ(lineas.back(), QStringLiteral("Hagamos un mundo mejor"));
    EXPECT_EQ(dialogo.findChildren<QPushButton*>().size(), 1);
    EXPECT_EQ(dialogo.Boton().text(), QStringLiteral("¡ Vamo' Pa' Chincha Familia !"));
    EXPECT_TRUE(dialogo.Boton().isDefault());
}

TEST(DialogoDeAyuda, SoloSeCierraConSuBoton) {
    DialogoDeAyuda dialogo;
    dialogo.show();
    QTest::keyClick(&dialogo, Qt::Key_Escape);
    EXPECT_TRUE(dialogo.isVisible()) << "Esc";
    EXPECT_FALSE(dialogo.close()) << "close box";
    EXPECT_TRUE(dialogo.isVisible());

    dialogo.Boton().click();
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);

    dialogo.show();
    QTest::keyClick(&dialogo, Qt::Key_Return);
    EXPECT_FALSE(dialogo.isVisible()) << "Enter presses the default button";
}

}  // namespace
}  // namespace velistra
