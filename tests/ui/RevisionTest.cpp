// "Revisar circuito" in the program: the review's findings in a list under the
// "Circuitos" menu; choosing one frames its place on the visible workbench.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRubberBand>

#include "simulation/Mesa.h"
#include "support/Montador.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/DialogoDeRevision.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {
namespace {

QAction* Elemento(QMenu& menu, const QString& texto) {
    for (QAction* a : menu.actions()) {
        if (a->text() == texto) return a;
    }
    return nullptr;
}

TEST(RevisionEnElPrograma, LaListaNombraElChipSueltoYLoSenalaEnLaMesa) {
    static const Imagenes imagenes;
    Programa programa{imagenes};
    Mesa& mesa = programa.LaSesion().mesa;
    prueba::Montador montador(mesa);
    montador.Deja(7000, {1500, 1200});

    QMenu& circuitos = *programa.Principal().menuBar()->actions().front()->menu();
    QStringList textos;
    for (QAction* a : circuitos.actions()) textos << a->text();
    // The design's items keep their order; the new one goes just before the last separator.
    EXPECT_EQ(textos, (QStringList{"Nuevo", "Recuperar...", "Almacenar", "Almacenar en...",
                                   "Revisar circuito", "", "Salir"}));
    Elemento(circuitos, "Revisar circuito")->trigger();

    DialogoDeRevision* dialogo = programa.Principal().findChild<DialogoDeRevision*>();
    ASSERT_NE(dialogo, nullptr);
    auto* lista = dialogo->findChild<QListWidget*>();
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->item(0)->text(), QString::fromUtf8("chip 7000 (n.º 1): no está enchufado en la protoboard"));

    VentanaDeMesa& vista = programa.Principal().Mesa();
    programa.Principal().show();
    lista->setCurrentRow(0);
    auto* marco = vista.viewport()->findChild<QRubberBand*>();
    ASSERT_NE(marco, nullptr);
    EXPECT_TRUE(marco->isVisible());
    // The frame is on the chip's corner, which the workbench scrolled into view.
    const QPoint esquina = marco->geometry().topLeft() + QPoint(10, 10) + vista.Desplazamiento();
    EXPECT_EQ(esquina, QPoint(1500, 1200));
    EXPECT_TRUE(vista.viewport()->rect().contains(marco->geometry().center()));
    dialogo->close();
}

}  // namespace
}  // namespace velistra
