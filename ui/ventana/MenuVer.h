#pragma once
// The "Ver" menu: how the workbench is shown.
class QMenu;
class QMenuBar;

namespace velistra {

class VentanaPrincipal;

// The "Ver" menu of a bar the command table built.
QMenu& MenuVer(QMenuBar& barra);

// "Acercar", "Alejar", "Tamaño normal", the levels and "Ajustar a la ventana" act on the
// window's workbench; the level shown is checked.
void AtiendeElZoom(VentanaPrincipal& ventana);

}  // namespace velistra
