#pragma once
// A picture of the workbench kept from one repaint to the next: only the areas of the
// items that changed since the last one are drawn again, in the items' order, so the
// picture is always the one a full drawing would give.
#include <QImage>
#include <QRegion>
#include <vector>

#include "ui/plataforma/GrabadorDeLienzo.h"

namespace velistra {

class Imagenes;

// Where two recordings of the same drawing differ: the old and the new area of every
// item that changed, was added or went away.
QRegion Diferencia(const std::vector<ElementoGrabado>& antes,
                   const std::vector<ElementoGrabado>& ahora);

class CapaDeMesa {
public:
    // `fondo` is what lies under every item (the white workbench).
    CapaDeMesa(const Imagenes& imagenes, QImage fondo);

    // Brings the picture up to `elementos`; answers the area drawn again.
    QRegion Actualiza(std::vector<ElementoGrabado> elementos);
    // The next update draws everything.
    void Invalida() { valida_ = false; }

    const QImage& Imagen() const { return imagen_; }

private:
    void Dibuja(const QRegion& zona);

    const Imagenes& imagenes_;
    QImage fondo_;
    QImage imagen_;
    std::vector<ElementoGrabado> elementos_;
    bool valida_ = false;
};

}  // namespace velistra
