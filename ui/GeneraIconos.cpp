// Run by the build: genera-iconos CARPETA writes CARPETA/LADOxLADO/apps/velistra.png
// for each size of the hicolor theme that the install rules ship.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "ui/imagenes/Pinturas.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: genera-iconos CARPETA\n");
        return 1;
    }
    // The build machine may have no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    const QString raiz = QString::fromLocal8Bit(argv[1]);
    for (const int lado : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString carpeta = QStringLiteral("%1/%2x%2/apps").arg(raiz).arg(lado);
        const QString archivo = carpeta + QStringLiteral("/velistra.png");
        if (!QDir().mkpath(carpeta) || !velistra::pinturas::ImagenDelIcono(lado).save(archivo)) {
            std::fprintf(stderr, "genera-iconos: no se pudo escribir %s\n", qPrintable(carpeta));
            return 1;
        }
    }
    return 0;
}
