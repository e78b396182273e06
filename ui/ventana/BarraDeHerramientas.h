#pragma once
// The buttons of the command table: new, open, save and wire colour, with 16 x 16 images
// cut from the toolbar strip, then undo and redo; each tooltip names the command and its key.
#include <QToolBar>

#include "ui/ventana/Menus.h"

namespace velistra {

class Imagenes;

class BarraDeHerramientas : public QToolBar {
    Q_OBJECT
public:
    BarraDeHerramientas(const Imagenes& imagenes, const Despachador& despacha,
                        QWidget* padre = nullptr);

private:
    void Agrega(const QIcon& icono, const FilaDeComando& fila, const Despachador& despacha);
};

}  // namespace velistra
