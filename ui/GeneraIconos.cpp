// Run by the build: genera-iconos CARPETA writes CARPETA/LADOxLADO/apps/velistra.png
// for each size of the hicolor theme that the install rules ship.
#include <QDir>
#include <QImage>

#include "ui/ArranqueDeGenerador.h"
#include "ui/imagenes/Pinturas.h"

int main(int argc, char** argv) {
    return velistra::EjecutaGenerador(argc, argv, "genera-iconos", [](const QString& raiz) {
        for (const int lado : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString carpeta = QStringLiteral("%1/%2x%2/apps").arg(raiz).arg(lado);
            const QString archivo = carpeta + QStringLiteral("/velistra.png");
            if (!QDir().mkpath(carpeta) || !velistra::pinturas::ImagenDelIcono(lado).save(archivo))
                return carpeta;
        }
        return QString();
    });
}
