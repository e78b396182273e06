#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/imagenes/Imagenes.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/VentanaPrincipal.h"

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    // Qt's own texts (file dialog, colour dialog) in Spanish, when installed.
    QTranslator traduccion;
    if (traduccion.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traduccion);
    }
    QApplication::setWindowIcon(velistra::pinturas::IconoDelPrograma());

    const velistra::Imagenes imagenes;
    velistra::Programa programa(imagenes);
    velistra::VentanaPrincipal& ventana = programa.Principal();
    ventana.show();
    ventana.MuestraAyuda();
    return QApplication::exec();
}
