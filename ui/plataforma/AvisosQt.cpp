#include "ui/plataforma/AvisosQt.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

#include "sesion/TextosDeLaVentana.h"
#include "ui/idiomas/Traduccion.h"

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
QString Boton(const char* texto) { return DelNucleo(texto); }
}  // namespace

void AvisosQt::Muestra(const std::string& texto, const std::string& titulo, Icono icono) {
    Caja(DelNucleo(texto), DelNucleo(titulo), icono);
}

void AvisosQt::MuestraMensaje(const Mensaje& texto, const Mensaje& titulo, Icono icono) {
    Caja(DelNucleo(texto), DelNucleo(titulo), icono);
}

void AvisosQt::Caja(const QString& texto, const QString& titulo, Icono icono) {
    QMessageBox caja(IconoQt(icono), titulo, texto, QMessageBox::Ok, padre_);
    caja.button(QMessageBox::Ok)
        ->setText(Boton(textos_de_la_ventana::kAceptar));
    caja.exec();
}

Respuesta AvisosQt::Pregunta(const std::string& texto, const std::string& titulo) {
    QMessageBox caja(QMessageBox::Question, DelNucleo(titulo), DelNucleo(texto),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, padre_);
    caja.button(QMessageBox::Yes)->setText(Boton(textos_de_la_ventana::kSi));
    caja.button(QMessageBox::No)->setText(Boton(textos_de_la_ventana::kNo));
    caja.button(QMessageBox::Cancel)
        ->setText(Boton(textos_de_la_ventana::kCancelar));
    caja.setDefaultButton(QMessageBox::Yes);
    caja.setEscapeButton(QMessageBox::Cancel);
    caja.exec();
    if (caja.clickedButton() == caja.button(QMessageBox::Yes)) return Respuesta::Si;
    if (caja.clickedButton() == caja.button(QMessageBox::No)) return Respuesta::No;
    return Respuesta::Cancelar;
}

}  // namespace velistra
