#include "ui/ventana/MenuVer.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace velistra {

QMenu& MenuVer(QMenuBar& barra) {
    const QString ver = QCoreApplication::translate("velistra::MenuVer", "Ver");
    // The title the "Edición" menu was given where it was made.
    const QString edicion = QCoreApplication::translate("velistra::Atajos", "Edición");
    const QList<QAction*> menus = barra.actions();
    for (QAction* a : menus) {
        if (a->menu() != nullptr && a->text() == ver) return *a->menu();
    }
    auto* menu = new QMenu(ver, &barra);
    QAction* despues = nullptr;
    for (qsizetype i = 0; i < menus.size(); ++i) {
        if (menus[i]->text() == edicion) despues = i + 1 < menus.size() ? menus[i + 1] : nullptr;
    }
    barra.insertMenu(despues, menu);
    return *menu;
}

}  // namespace velistra
