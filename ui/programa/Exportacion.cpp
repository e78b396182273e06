#include "ui/programa/Exportacion.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <cstdio>

#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Avisos.h"
#include "plataforma/Dialogos.h"
#include "plataforma/Textos.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/Mensajes.h"
#include "sesion/Sesion.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/programa/ImagenDeLaMesa.h"
#include "ui/programa/Informe.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

namespace {

void NoSeEscribio(QWidget* padre, const QString& ruta) {
    QMessageBox::warning(padre, QString::fromUtf8(textos::kTituloDeArchivos),
                         QCoreApplication::translate("velistra::Exportacion", "No se pudo escribir «%1».").arg(ruta));
}

// The whole circuit, or what the window shows of it.
std::optional<QImage> PideImagen(VentanaPrincipal& ventana, Sesion& sesion, const Imagenes& imagenes) {
    const QStringList partes{QCoreApplication::translate("velistra::Exportacion", "Todo el circuito"), QCoreApplication::translate("velistra::Exportacion", "La parte visible")};
    bool aceptado = false;
    const QString parte = QInputDialog::getItem(&ventana, QCoreApplication::translate("velistra::Exportacion", "Exportar imagen"),
                                                QCoreApplication::translate("velistra::Exportacion", "Parte de la mesa:"), partes, 0, false, &aceptado);
    if (!aceptado) return std::nullopt;
    std::optional<QRect> recorte;
    if (parte == partes[1]) {
        const VentanaDeMesa& mesa = ventana.Mesa();
        recorte = QRect(mesa.Desplazamiento(), mesa.viewport()->size());
    }
    return ImagenDeLaMesa(sesion.mesa, imagenes, recorte);
}

void ExportaImagen(VentanaPrincipal& ventana, Sesion& sesion, const Imagenes& imagenes, Dialogos& dialogos) {
    const std::optional<QImage> imagen = PideImagen(ventana, sesion, imagenes);
    if (!imagen) return;
    const std::optional<std::string> ruta =
        dialogos.NombreParaGuardar({{QT_TRANSLATE_NOOP("velistra::Nucleo", "Imagen PNG"), "*.png"}, {QT_TRANSLATE_NOOP("velistra::Nucleo", "Documento PDF"), "*.pdf"}}, "png");
    if (ruta && !GuardaImagen(*imagen, QString::fromStdString(*ruta)))
        NoSeEscribio(&ventana, QString::fromStdString(*ruta));
}

void Imprime(VentanaPrincipal& ventana, Sesion& sesion, const Imagenes& imagenes) {
    QPrinter impresora(QPrinter::HighResolution);
    QPrintDialog dialogo(&impresora, &ventana);
    dialogo.setWindowTitle(QCoreApplication::translate("velistra::Exportacion", "Imprimir el circuito"));
    if (dialogo.exec() != QDialog::Accepted) return;
    if (!ImprimeImagen(impresora, ImagenDeLaMesa(sesion.mesa, imagenes)))
        QMessageBox::warning(&ventana, QString::fromUtf8(textos::kTituloDeInformacion),
                             QCoreApplication::translate("velistra::Exportacion", "No se pudo imprimir el circuito."));
}

void ExportaInforme(VentanaPrincipal& ventana, Sesion& sesion, const Imagenes& imagenes, Dialogos& dialogos) {
    const std::optional<std::string> ruta = dialogos.NombreParaGuardar({{QT_TRANSLATE_NOOP("velistra::Nucleo", "Documento PDF"), "*.pdf"}}, "pdf");
    if (!ruta) return;
    // After "Nuevo" the last file's name is kept for saving, but it is not this circuit's.
    const std::string titulo = sesion.comandos.EsNuevo() ? std::string() : sesion.comandos.Archivo();
    if (!EscribeInforme(sesion.mesa, sesion.analizador, imagenes, titulo,
                        QString::fromStdString(*ruta)))
        NoSeEscribio(&ventana, QString::fromStdString(*ruta));
}

}  // namespace

void AtiendeLaExportacion(VentanaPrincipal& ventana, Sesion& sesion, const Imagenes& imagenes,
                          Dialogos& dialogos) {
    ventana.Atiende(comandos::kExportarImagen, [&ventana, &sesion, &imagenes, &dialogos] {
        ExportaImagen(ventana, sesion, imagenes, dialogos);
    });
    ventana.Atiende(comandos::kImprimir, [&ventana, &sesion, &imagenes] { Imprime(ventana, sesion, imagenes); });
    ventana.Atiende(comandos::kExportarInforme, [&ventana, &sesion, &imagenes, &dialogos] {
        ExportaInforme(ventana, sesion, imagenes, dialogos);
    });
}

namespace {
// A line on standard error in the program's language.
void DiError(const QString& texto) {
    std::fprintf(stderr, "velistra: %s\n", texto.toLocal8Bit().constData());
}

QString DeExportacion(const char* texto) {
    return QCoreApplication::translate("velistra::Exportacion", texto);
}
}  // namespace

std::optional<int> ExportaDesdeLaLineaDeOrdenes(const QStringList& argumentos) {
    const qsizetype i = argumentos.indexOf(QStringLiteral("--exportar"));
    if (i < 0) return std::nullopt;
    if (i + 2 >= argumentos.size()) {
        DiError(DeExportacion(
            QT_TRANSLATE_NOOP("velistra::Exportacion",
                              "uso: velistra --exportar CIRCUITO.txt SALIDA.png|SALIDA.pdf")));
        return 1;
    }
    const std::string circuito = argumentos[i + 1].toStdString();
    const QString salida = argumentos[i + 2];
    AvisosMudos avisos;
    Mesa mesa(avisos);
    mesa.InicializaMesa();
    switch (RecuperaCircuitoDeArchivo(mesa, circuito)) {
        case ResultadoDeLectura::Correcto: break;
        case ResultadoDeLectura::VersionIncorrecta:
            DiError(QString::fromStdString(circuito) + QStringLiteral(": ") +
                    DelNucleo(
                        Mensaje(mensajes::kSoloLaVersion, {Mensaje::Literal(kVersionDeArchivo)})));
            return 2;
        default:
            DiError(QString::fromStdString(circuito) + QStringLiteral(": ") +
                    DelNucleo(mensajes::kErrorDeLectura));
            return 2;
    }
    const Imagenes imagenes;
    if (!GuardaImagen(ImagenDeLaMesa(mesa, imagenes), salida)) {
        DiError(
            DeExportacion(QT_TRANSLATE_NOOP("velistra::Exportacion", "no se pudo escribir «%1»"))
                .arg(salida));
        return 3;
    }
    return 0;
}

}  // namespace velistra
