#include "ui/ventana/DialogoDeAyuda.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "plataforma/Textos.h"
#include "sesion/TextosDeLaVentana.h"
#include "ui/idiomas/Traduccion.h"

namespace velistra {

namespace {
QString LineaDeVersion() {
    // The Spanish line is the shared constant; a translation gets the version filled in.
    if (IdiomaInstalado() == Idioma::Espanol) return QString::fromUtf8(textos::kLineaDeVersion);
    return DelNucleo(textos_de_la_ventana::kLineaDeVersion).arg(QString::fromUtf8(textos::kVersion));
}

QStringList Lineas() {
    QStringList lineas{QStringLiteral("Velistra"), LineaDeVersion()};
    for (const char* linea : textos_de_la_ventana::kLineasDeAyuda)
        lineas << (*linea == '\0' ? QString() : DelNucleo(linea));
    return lineas;
}
// 180 x 145 dialog units of an 8-point dialog font, shown at (200, 50) units.
constexpr QSize kTamano(270, 236);
constexpr QPoint kPosicion(300, 81);
}  // namespace

DialogoDeAyuda::DialogoDeAyuda(QWidget* padre) : QDialog(padre) {
    setWindowTitle(DelNucleo(textos::kTituloDeInformacion));
    setFixedSize(kTamano);
    if (padre != nullptr) move(padre->pos() + kPosicion);

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(10, 8, 10, 12);
    columna->setSpacing(3);
    columna->addStretch(1);
    const QStringList lineas = Lineas();
    for (const QString& linea : lineas) {
        auto* etiqueta = new QLabel(linea, this);
        etiqueta->setAlignment(Qt::AlignCenter);
        etiqueta->setTextFormat(Qt::PlainText);
        if (&linea == &lineas.front()) {
            QFont fuente = etiqueta->font();
            fuente.setBold(true);
            etiqueta->setFont(fuente);
        }
        columna->addWidget(etiqueta);
    }
    columna->addStretch(1);

    boton_ = new QPushButton(DelNucleo(textos_de_la_ventana::kBotonDeAyuda), this);
    boton_->setDefault(true);
    boton_->setAutoDefault(true);
    columna->addWidget(boton_, 0, Qt::AlignHCenter);
    connect(boton_, &QPushButton::clicked, this, &QDialog::accept);
}

void DialogoDeAyuda::reject() {}

}  // namespace velistra
