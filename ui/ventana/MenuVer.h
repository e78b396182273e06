#pragma once
// The "Ver" menu, right after "Edición": what the window shows. Whoever adds an item
// asks for the menu; the first to ask makes it.
class QMenu;
class QMenuBar;

namespace velistra {

QMenu& MenuVer(QMenuBar& barra);

}  // namespace velistra
