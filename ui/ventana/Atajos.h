#pragma once
// The keyboard: the shortcut of each command, shown in its menu item and in the
// toolbar's tooltips, and the "Edición" menu that carries undo and redo.
#include <QKeySequence>
#include <QList>

#include "ui/ventana/Menus.h"

class QAction;
class QWidget;

namespace velistra {

// The shortcuts of a command, the first one the shown; empty when it has none.
QList<QKeySequence> AtajosDe(int id);

// Gives every action under `contenedor` that carries a command id its shortcuts.
void AsignaAtajos(QWidget& contenedor);

// "Deshacer" and "Rehacer".
void AgregaMenuEdicion(QMenuBar& barra, const Despachador& despacha);

// "Nombre (Ctrl+N)": what a toolbar button does and its key.
QString AyudaDeBoton(const QString& nombre, int id);

}  // namespace velistra
