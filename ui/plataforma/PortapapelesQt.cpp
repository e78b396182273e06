#include "ui/plataforma/PortapapelesQt.h"

#include <QClipboard>
#include <QGuiApplication>

namespace velistra {

void PortapapelesQt::PonTexto(const std::string& texto) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(texto));
}

std::string PortapapelesQt::Texto() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

}  // namespace velistra
