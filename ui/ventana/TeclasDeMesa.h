#pragma once
// The workbench's keys, wherever the focus is in the main window: the arrows scroll a
// line, Page Up and Page Down a page, and Delete is a right press under the pointer.
class QWidget;

namespace velistra {

class VentanaDeMesa;

void ConectaTeclasDeMesa(VentanaDeMesa& mesa, QWidget& ventana);

}  // namespace velistra
