#pragma once
// The keyboard: the shortcuts of each command, as the command table spells them, shown in
// its menu item and in the toolbar's tooltips.
#include <QKeySequence>
#include <QList>
#include <QString>

namespace velistra {

// The shortcuts of a command, the first one the shown; empty when it has none.
QList<QKeySequence> AtajosDe(int id);

// "Nombre (Ctrl+N)": what a toolbar button does and its key.
QString AyudaDeBoton(const QString& nombre, int id);

}  // namespace velistra
