#include "ui/plataforma/AvisosQt.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>

namespace velistra {

namespace {
QMessageBox::Icon IconoQt(Icono icono) {
    switch (icono) {
        case Icono::Error:
            return QMessageBox::Critical;
        case Icono::Advertencia:
            return QMessageBox::Warning;
        case Icono::Pregunta:
            return QMessageBox::Question;
        case Icono::Informacion:
            break;
    }
    return QMessageBox::Information;
}
}  // namespace

void AvisosQt::Muestra(const std::string& texto, const std::string& titulo, Icono icono) {
    QMessageBox caja(IconoQt(icono), QString::fromStdString(titulo), QString::fromStdString(texto),
                     QMessageBox::Ok, padre_);
    caja.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    caja.exec();
}

Respuesta AvisosQt::Pregunta(const std::string& texto, const std::string& titulo) {
    QMessageBox caja(QMessageBox::Question, QString::fromStdString(titulo),
                     QString::fromStdString(texto),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, padre_);
    caja.button(QMessageBox::Yes)->setText(QStringLiteral("&Sí"));
    caja.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    caja.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancelar"));
    caja.setDefaultButton(QMessageBox::Yes);
    caja.setEscapeButton(QMessageBox::Cancel);
    caja.exec();
    if (caja.clickedButton() == caja.button(QMessageBox::Yes)) return Respuesta::Si;
    if (caja.clickedButton() == caja.button(QMessageBox::No)) return Respuesta::No;
    return Respuesta::Cancelar;
}

}  // namespace velistra
