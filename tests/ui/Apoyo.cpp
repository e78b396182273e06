#include "Apoyo.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QTimer>
#include <QWidget>

#include "sesion/CodigosDeComando.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/programa/Programa.h"

namespace velistra::prueba {

const Imagenes& LasImagenes() {
    static const Imagenes imagenes;
    return imagenes;
}

::testing::AssertionResult DibujadoEn(const QImage& imagen, QRect elemento, QRgb fondo,
                                      int margen) {
    for (int y = elemento.top(); y <= elemento.bottom(); ++y) {
        for (int x = elemento.left(); x <= elemento.right(); ++x) {
            if (Pixel(imagen, x, y) == SinAlfa(fondo)) {
                return ::testing::AssertionFailure()
                       << "hueco de fondo en (" << x << ", " << y << ")";
            }
        }
    }
    const QRect anillo = elemento.adjusted(-1, -1, 1, 1);
    const QRect interior = imagen.rect().adjusted(margen, margen, -margen, -margen);
    for (int y = anillo.top(); y <= anillo.bottom(); ++y) {
        for (int x = anillo.left(); x <= anillo.right(); ++x) {
            if (elemento.contains(x, y) || !interior.contains(x, y)) continue;
            if (Pixel(imagen, x, y) != SinAlfa(fondo)) {
                return ::testing::AssertionFailure()
                       << "se sale del rectángulo en (" << x << ", " << y << ")";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

QString& RutaDeLaCaptura() {
    static QString ruta;
    return ruta;
}

QString& CarpetaDeCapturasDelPatillaje() {
    static QString carpeta;
    return carpeta;
}

QString& RutaDeLaCapturaEntera() {
    static QString ruta;
    return ruta;
}

void AlAbrirseUnDialogo(std::function<void(QWidget*)> accion) {
    auto* espera = new QTimer;
    espera->setInterval(5);
    QObject::connect(espera, &QTimer::timeout, [espera, accion] {
        QWidget* dialogo = QApplication::activeModalWidget();
        if (dialogo == nullptr || !dialogo->isVisible()) return;
        espera->stop();
        espera->deleteLater();
        accion(dialogo);
        // A dialog that the action failed to close would hang the test: fail instead.
        QTimer::singleShot(5000, dialogo, [dialogo] {
            auto* modal = qobject_cast<QDialog*>(dialogo);
            if (modal == nullptr || !modal->isVisible()) return;
            ADD_FAILURE() << "un diálogo quedó abierto";
            modal->done(QDialog::Rejected);
        });
    });
    espera->start();
}

void AbreConElDialogo(Programa& programa, const std::string& ruta) {
    AlAbrirseUnDialogo([ruta](QWidget* dialogo) {
        auto* archivos = qobject_cast<QFileDialog*>(dialogo);
        ASSERT_NE(archivos, nullptr);
        archivos->selectFile(QString::fromStdString(ruta));
        QMetaObject::invokeMethod(archivos, "accept", Qt::DirectConnection);
    });
    programa.Comando(comandos::kRecuperar);
}

}  // namespace velistra::prueba
