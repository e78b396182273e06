// The pinout helps on the real window: the "Ver" menu and a chip's tooltip.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include "Apoyo.h"
#include "Usuario.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/Mesa.h"
#include "ui/patillaje/AyudaDeChip.h"
#include "ui/patillaje/PanelDePatillaje.h"
#include "ui/programa/Programa.h"

namespace velistra {
namespace {

using prueba::Usuario;

class Patillaje : public ::testing::Test {
protected:
    void SetUp() override { programa.Principal().show(); }

    AyudaDeChip* Ayuda() { return programa.Principal().findChild<AyudaDeChip*>(); }
    QPoint CentroDelChip(std::size_t i) {
        const Componente& chip = programa.LaSesion().mesa.componentes()[i];
        return {chip.Ubicacion().x + chip.Anchura() / 2, chip.Ubicacion().y + chip.Altura() / 2};
    }

    Programa programa{prueba::LasImagenes()};
    Usuario usuario{programa};
};

TEST_F(Patillaje, ElMenuVerVaTrasEdicionYAbreElPanel) {
    QStringList menus;
    for (QAction* a : programa.Principal().menuBar()->actions()) menus << a->text();
    const qsizetype edicion = menus.indexOf(QStringLiteral("Edición"));
    ASSERT_GE(edicion, 0);
    ASSERT_LT(edicion + 1, menus.size());
    EXPECT_EQ(menus[edicion + 1], QStringLiteral("Ver"));
    EXPECT_EQ(menus.count(QStringLiteral("Ver")), 1);

    QMenu* ver = programa.Principal().menuBar()->actions()[edicion + 1]->menu();
    ASSERT_NE(ver, nullptr);
    QAction* patillaje = nullptr;
    for (QAction* a : ver->actions()) {
        if (a->text() == QStringLiteral("Patillaje")) patillaje = a;
    }
    ASSERT_NE(patillaje, nullptr);
    auto* panel = programa.Principal().findChild<PanelDePatillaje*>();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(patillaje->isChecked());
    EXPECT_FALSE(panel->isVisible());
    patillaje->trigger();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(patillaje->isChecked());
    patillaje->trigger();
    EXPECT_FALSE(panel->isVisible());
}

// Resting on a chip brings its tooltip; leaving it or pressing a button takes it away, and
// only chips have one.
TEST_F(Patillaje, LaAyudaDeUnChipLoNombraYLoDescribe) {
    usuario.Elige(7163);
    ASSERT_EQ(programa.LaSesion().mesa.componentes().size(), 1u);
    AyudaDeChip* ayuda = Ayuda();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_FALSE(ayuda->isVisible());

    usuario.Pasa(CentroDelChip(0));
    QTRY_VERIFY(ayuda->isVisible());
    EXPECT_EQ(ayuda->Codigo(), 7163);
    EXPECT_TRUE(ayuda->Texto().contains(QStringLiteral("74LS163")));
    EXPECT_TRUE(ayuda->Texto().contains(QStringLiteral("Contador síncrono binario de 4 bits")));

    if (!prueba::CarpetaDeCapturasDelPatillaje().isEmpty()) {
        // The tooltip is a window of its own: it is painted over the main window's picture.
        QImage imagen = programa.Principal().grab().toImage();
        QPainter pintor(&imagen);
        pintor.drawPixmap(programa.Principal().mapFromGlobal(ayuda->pos()), ayuda->grab());
        pintor.end();
        EXPECT_TRUE(imagen.save(prueba::CarpetaDeCapturasDelPatillaje() + QStringLiteral("/ayuda-de-chip.png")));
    }

    usuario.Pasa({600, 400});
    EXPECT_FALSE(ayuda->isVisible());
    usuario.Pasa(CentroDelChip(0));
    QTRY_VERIFY(ayuda->isVisible());
    usuario.Pulsa(CentroDelChip(0));
    EXPECT_FALSE(ayuda->isVisible()) << "a press takes it away";
    usuario.Suelta(CentroDelChip(0));

    // Over a board there is no chip tooltip.
    usuario.Pasa({programa.LaSesion().mesa.fuentedc()->EsquinaX() + 20, programa.LaSesion().mesa.fuentedc()->EsquinaY() + 20});
    QTest::qWait(800);
    EXPECT_FALSE(ayuda->isVisible());
}

// Two new chips lie on the same spot: the panel names the one on top, the one a press
// picks up once it is taken, and keeps the clicked chip when one before it is removed.
TEST_F(Patillaje, ElPanelNombraElChipVisibleYElTomado) {
    auto* panel = programa.Principal().findChild<PanelDePatillaje*>();
    ASSERT_NE(panel, nullptr);
    panel->toggleViewAction()->trigger();
    Tablero& protoboard = usuario.AgregaTablero(comandos::kProtoboard);
    usuario.Elige(7004);
    usuario.Elige(7000);
    const QPoint aparcados = CentroDelChip(1);
    const QPoint lejos(500, 500);
    ASSERT_EQ(aparcados, CentroDelChip(0));
    usuario.Pasa(aparcados);
    EXPECT_EQ(panel->Codigo(), 7000) << "the later chip is drawn over the earlier";

    // A press takes the first chip of the list from under the other one.
    usuario.ColocaChip(0, protoboard, 10);
    usuario.Pasa(lejos);
    EXPECT_EQ(panel->Codigo(), 7004);

    usuario.Clic(aparcados);
    usuario.Pasa(lejos);
    EXPECT_EQ(panel->Codigo(), 7000);
    const QPoint enchufado = CentroDelChip(0);
    usuario.Pasa(enchufado);
    EXPECT_EQ(panel->Codigo(), 7004);
    usuario.ClicDerecho(enchufado);
    usuario.Pasa(lejos);
    ASSERT_EQ(programa.LaSesion().mesa.componentes().size(), 1u);
    EXPECT_EQ(panel->Codigo(), 7000) << "the 7400 is now first in the list";
}

}  // namespace
}  // namespace velistra
