#pragma once
// The start of the tools that the build runs to draw files (TOOL CARPETA): they need a
// Qt application but the build machine may have no display.
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <functional>

namespace velistra {

// `escribe` fills the folder and answers the place it could not write, or nothing.
inline int EjecutaGenerador(int argc, char** argv, const char* nombre,
                            const std::function<QString(const QString& carpeta)>& escribe) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s CARPETA\n", nombre);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    const QString fallo = escribe(QString::fromLocal8Bit(argv[1]));
    if (fallo.isEmpty()) return 0;
    std::fprintf(stderr, "%s: no se pudo escribir en %s\n", nombre, qPrintable(fallo));
    return 1;
}

}  // namespace velistra
