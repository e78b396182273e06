#include "ui/programa/Preferencias.h"

namespace velistra {

namespace {
const QString kRecientes = QStringLiteral("archivosRecientes");
const QString kGeometria = QStringLiteral("ventana/geometria");
}  // namespace

// A fresh object each time: two windows of one process, or two runs, see each other's
// changes, and each change reaches the disk when the object goes.
QSettings Preferencias::Ajustes() { return QSettings(QStringLiteral("Velistra"), QStringLiteral("Velistra")); }

QStringList Preferencias::Recientes() const {
    QStringList rutas = Ajustes().value(kRecientes).toStringList();
    rutas.removeAll(QString());
    rutas.removeDuplicates();
    while (rutas.size() > kMaximoDeRecientes) rutas.removeLast();
    return rutas;
}

void Preferencias::AnotaReciente(const QString& ruta) {
    if (ruta.isEmpty()) return;
    QStringList rutas = Recientes();
    rutas.removeAll(ruta);
    rutas.prepend(ruta);
    while (rutas.size() > kMaximoDeRecientes) rutas.removeLast();
    Ajustes().setValue(kRecientes, rutas);
}

void Preferencias::QuitaReciente(const QString& ruta) {
    QStringList rutas = Recientes();
    rutas.removeAll(ruta);
    Ajustes().setValue(kRecientes, rutas);
}

QByteArray Preferencias::GeometriaDeLaVentana() const { return Ajustes().value(kGeometria).toByteArray(); }

void Preferencias::GuardaGeometriaDeLaVentana(const QByteArray& geometria) {
    Ajustes().setValue(kGeometria, geometria);
}

}  // namespace velistra
