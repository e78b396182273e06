#include "ui/ventana/DialogoDeFallos.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "docencia/Fallos.h"
#include "sesion/TextosDeLaVentana.h"
#include "ui/idiomas/Traduccion.h"

namespace velistra {

DialogoDeFallos::DialogoDeFallos(QString ruta, QWidget* padre, const Mesa* mesa)
    : QDialog(padre), ruta_(std::move(ruta)), mesa_(mesa), texto_(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Fallos"));
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(new QLabel(
        tr("Un fallo por línea («#» inicia un comentario); chips y cables se numeran desde 1:\n"
           "  patilla CHIP PATILLA 0|1|abierta\n  cable CABLE abierto\n"
           "Los fallos nuevos se aplican al guardar; los que se quitan, al recuperar de nuevo el circuito."),
        this));
    disposicion->addWidget(texto_);
    QFile archivo(ruta_);
    if (archivo.open(QIODevice::ReadOnly)) texto_->setPlainText(QString::fromUtf8(archivo.read(1024 * 1024)));
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    botones->button(QDialogButtonBox::Save)->setText(tr("Guardar"));
    botones->button(QDialogButtonBox::Cancel)->setText(DelNucleo(textos_de_la_ventana::kCancelar));
    disposicion->addWidget(botones);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(botones, &QDialogButtonBox::accepted, this, [this] {
        QString error;
        if (Guarda(error)) accept();
        else QMessageBox::warning(this, tr("Fallos"), error);
    });
    resize(560, 320);
}

bool DialogoDeFallos::Guarda(QString& error) {
    const QByteArray texto = texto_->toPlainText().toUtf8();
    const docencia::FallosLeidos leidos = docencia::LeeFallos(texto.toStdString());
    int linea = leidos.lineaErronea;
    std::optional<Mensaje> porque;
    if (linea != 0) porque = leidos.error;
    else if (mesa_ != nullptr) porque = docencia::CompruebaFallos(*mesa_, leidos.fallos, linea);
    if (porque) {
        error = tr("Línea %1: %2").arg(linea).arg(DelNucleo(*porque));
        return false;
    }
    QSaveFile archivo(ruta_);
    if (!archivo.open(QIODevice::WriteOnly) || archivo.write(texto) != texto.size() || !archivo.commit()) {
        error = tr("No se pudieron guardar los fallos en %1.").arg(ruta_);
        return false;
    }
    return true;
}

}  // namespace velistra
