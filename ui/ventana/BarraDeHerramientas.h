#pragma once
// New, open, save and wire colour, with 16 x 16 images cut from the toolbar strip and
// no tooltips.
#include <QToolBar>

#include "ui/ventana/Menus.h"

namespace velistra {

class Imagenes;

class BarraDeHerramientas : public QToolBar {
    Q_OBJECT
public:
    BarraDeHerramientas(const Imagenes& imagenes, const Despachador& despacha,
                        QWidget* padre = nullptr);
};

}  // namespace velistra
