#pragma once
// The workbench's keys, wherever the focus is in the main window: the arrows scroll a
// line, Page Up and Page Down a page.
class QWidget;

namespace velistra {

class VentanaDeMesa;

void ConectaTeclasDeMesa(VentanaDeMesa& mesa, QWidget& ventana);
// Delete with nothing selected: a right press under the pointer, when it is over the bench.
void SuprimeBajoElPuntero(VentanaDeMesa& mesa);

}  // namespace velistra
