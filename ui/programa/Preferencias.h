#pragma once
// What the program keeps between runs, in QSettings under organization and application
// "Velistra": the recent circuit files and the main window's size and place. Nothing is
// kept for the first start, which looks as it always did.
#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace velistra {

class Preferencias {
public:
    static constexpr int kMaximoDeRecientes = 8;

    // The last files loaded or saved, the latest first.
    QStringList Recientes() const;
    // `ruta` goes first, once; the oldest past kMaximoDeRecientes drop out.
    void AnotaReciente(const QString& ruta);
    void QuitaReciente(const QString& ruta);

    // As QWidget::saveGeometry gives it; empty when none was kept.
    QByteArray GeometriaDeLaVentana() const;
    void GuardaGeometriaDeLaVentana(const QByteArray& geometria);

private:
    static QSettings Ajustes();
};

}  // namespace velistra
