#include "ui/plataforma/DialogosQt.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QStringList>

#include "sesion/TextosDeLaVentana.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/plataforma/ColoresQt.h"

namespace velistra {

namespace {
std::optional<std::string> PideNombre(QFileDialog& dialogo,
                                      const std::vector<FiltroDeArchivos>& filtros,
                                      const std::string& extension) {
    dialogo.setNameFilter(FiltrosQt(filtros));
    dialogo.setDefaultSuffix(QString::fromStdString(extension));
    if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList elegidos = dialogo.selectedFiles();
    if (elegidos.isEmpty() || elegidos.first().isEmpty()) return std::nullopt;
    return elegidos.first().toStdString();
}
QString Titulo(const char* texto) {
    return QCoreApplication::translate("velistra::DialogosQt", texto);
}
}  // namespace

QString FiltrosQt(const std::vector<FiltroDeArchivos>& filtros) {
    QStringList partes;
    for (const FiltroDeArchivos& filtro : filtros) {
        QString descripcion = DelNucleo(filtro.descripcion);
        const QString patron = QString::fromStdString(filtro.patron);
        if (!descripcion.contains(QLatin1Char('(') + patron + QLatin1Char(')'))) {
            descripcion += QStringLiteral(" (") + patron + QLatin1Char(')');
        }
        partes << descripcion;
    }
    return partes.join(QStringLiteral(";;"));
}

std::optional<std::string> DialogosQt::NombreParaAbrir(const std::vector<FiltroDeArchivos>& filtros,
                                                       const std::string& extension) {
    QFileDialog dialogo(padre_, Titulo(QT_TRANSLATE_NOOP("velistra::DialogosQt", "Abrir")));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    return PideNombre(dialogo, filtros, extension);
}

std::optional<std::string> DialogosQt::NombreParaGuardar(
    const std::vector<FiltroDeArchivos>& filtros, const std::string& extension) {
    QFileDialog dialogo(padre_, Titulo(QT_TRANSLATE_NOOP("velistra::DialogosQt", "Guardar como")));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, false);
    return PideNombre(dialogo, filtros, extension);
}

std::optional<Color> DialogosQt::EligeColor(Color inicial, std::array<Color, 16>& personalizados) {
    for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, AQColor(personalizados[i]));
    QColorDialog dialogo(AQColor(inicial), padre_);
    dialogo.setWindowTitle(DelNucleo(textos_de_la_ventana::kColor));
    // Qt's own dialog, because only it keeps the custom colours.
    dialogo.setOption(QColorDialog::DontUseNativeDialog);
    const bool aceptado = dialogo.exec() == QDialog::Accepted;
    for (int i = 0; i < 16; ++i) personalizados[i] = DeQColor(QColorDialog::customColor(i));
    if (!aceptado) return std::nullopt;
    return DeQColor(dialogo.selectedColor());
}

}  // namespace velistra
