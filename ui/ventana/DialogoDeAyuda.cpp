#include "ui/ventana/DialogoDeAyuda.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "plataforma/Textos.h"

namespace velistra {

namespace {
constexpr std::array<const char*, 8> kLineas{
    "Velistra",
    textos::kLineaDeVersion,
    "Simulador de circuitos TTL 74xx",
    "Laboratorio de Electrónica Digital",
    "Escuela de Ingeniería Electrónica",
    "Envíenos sus comentarios",
    "",
    "Hagamos un mundo mejor",
};
// 180 x 145 dialog units of an 8-point dialog font, shown at (200, 50) units.
constexpr QSize kTamano(270, 236);
constexpr QPoint kPosicion(300, 81);
}  // namespace

DialogoDeAyuda::DialogoDeAyuda(QWidget* padre) : QDialog(padre) {
    setWindowTitle(QString::fromUtf8(textos::kTituloDeInformacion));
    setFixedSize(kTamano);
    if (padre != nullptr) move(padre->pos() + kPosicion);

    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(10, 8, 10, 12);
    columna->setSpacing(3);
    columna->addStretch(1);
    for (const char* linea : kLineas) {
        auto* etiqueta = new QLabel(QString::fromUtf8(linea), this);
        etiqueta->setAlignment(Qt::AlignCenter);
        etiqueta->setTextFormat(Qt::PlainText);
        if (linea == kLineas.front()) {
            QFont fuente = etiqueta->font();
            fuente.setBold(true);
            etiqueta->setFont(fuente);
        }
        columna->addWidget(etiqueta);
    }
    columna->addStretch(1);

    boton_ = new QPushButton(QStringLiteral("¡ Vamo' Pa' Chincha Familia !"), this);
    boton_->setDefault(true);
    boton_->setAutoDefault(true);
    columna->addWidget(boton_, 0, Qt::AlignHCenter);
    connect(boton_, &QPushButton::clicked, this, &QDialog::accept);
}

void DialogoDeAyuda::reject() {}

}  // namespace velistra
