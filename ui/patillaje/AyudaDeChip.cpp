#include "ui/patillaje/AyudaDeChip.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/patillaje/DibujoDePatillaje.h"
#include "ui/patillaje/PanelDePatillaje.h"

namespace velistra {

AyudaDeChip::AyudaDeChip(QWidget* padre)
    : QFrame(padre, Qt::ToolTip | Qt::BypassGraphicsProxyWidget) {
    setObjectName(QStringLiteral("AyudaDeChip"));
    // The platform's tooltip colours and frame.
    setPalette(QToolTip::palette());
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(8, 6, 8, 8);
    texto_ = new QLabel(this);
    texto_->setTextFormat(Qt::RichText);
    dibujo_ = new QLabel(this);
    columna->addWidget(texto_);
    columna->addWidget(dibujo_, 0, Qt::AlignHCenter);
}

void AyudaDeChip::MuestraEn(int codigoDeCatalogo, QPoint global) {
    if (codigoDeCatalogo != codigo_) {
        codigo_ = codigoDeCatalogo;
        texto_->setText(QStringLiteral("<b>%1</b><br>%2")
                            .arg(NombreDeChip(codigo_).toHtmlEscaped(),
                                 DescripcionDeChipQt(codigo_).toHtmlEscaped()));
        dibujo_->setPixmap(QPixmap::fromImage(DibujoDePatillaje(codigo_)));
        adjustSize();
    }
    // Kept on the screen, beside the pointer.
    QPoint esquina = global;
    if (const QScreen* pantalla = QGuiApplication::screenAt(global)) {
        const QRect libre = pantalla->availableGeometry();
        esquina.setX(std::min(esquina.x(), libre.right() - width()));
        if (esquina.y() + height() > libre.bottom()) esquina.setY(global.y() - height() - 24);
        esquina.setY(std::max(esquina.y(), libre.top()));
    }
    move(esquina);
    show();
    raise();
}

QString AyudaDeChip::Texto() const { return texto_->text(); }

}  // namespace velistra
