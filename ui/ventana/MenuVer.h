#pragma once
// The "Ver" menu, right after "Edición": how the workbench is shown. Whoever adds an
// item to it asks for it here; the first to ask creates it in its place.
class QMenu;
class QMenuBar;

namespace velistra {

class VentanaDeMesa;

QMenu& MenuVer(QMenuBar& barra);

// "Acercar", "Alejar", "Tamaño normal", the levels and "Ajustar a la ventana"; the
// level shown is checked.
void AgregaZoom(QMenu& menu, VentanaDeMesa& mesa);

}  // namespace velistra
