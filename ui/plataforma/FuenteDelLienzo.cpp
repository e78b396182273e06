#include "ui/plataforma/FuenteDelLienzo.h"

namespace velistra {

QFont FuenteDelLienzo() {
    QFont fuente(QStringLiteral("DejaVu Sans"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPixelSize(13);
    fuente.setStyleStrategy(QFont::NoAntialias);
    return fuente;
}

}  // namespace velistra
