#include "ui/practicas/Practicas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

#include "sesion/CodigosDeComando.h"
#include "sesion/ComprobacionDePractica.h"
#include "sesion/InicioDePractica.h"
#include "sesion/Sesion.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/practicas/InformeDePractica.h"
#include "ui/practicas/PanelDePracticas.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

namespace {

const QString kSuperadas = QStringLiteral("practicas/superadas");

QSettings Ajustes() { return QSettings(QStringLiteral("Velistra"), QStringLiteral("Velistra")); }

// A lab is remembered by its folder, wherever the course or the teacher put it.
QString Clave(const docencia::Practica& p) {
    return QFileInfo(QString::fromStdString(p.carpeta)).canonicalFilePath();
}

bool Superada(const docencia::Practica& p) {
    return Ajustes().value(kSuperadas).toStringList().contains(Clave(p));
}

void AnotaSuperada(const docencia::Practica& p) {
    QSettings ajustes = Ajustes();
    QStringList superadas = ajustes.value(kSuperadas).toStringList();
    if (superadas.contains(Clave(p))) return;
    superadas << Clave(p);
    ajustes.setValue(kSuperadas, superadas);
}

}  // namespace

QString CarpetaDelCurso() {
    const QString instalada =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/velistra/practicas");
    if (QFileInfo(instalada).isDir()) return QDir(instalada).canonicalPath();
    const QString delSistema = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                      QStringLiteral("velistra/practicas"),
                                                      QStandardPaths::LocateDirectory);
    if (!delSistema.isEmpty()) return delSistema;
    return QStringLiteral(VELISTRA_CURSO_DEL_CODIGO);
}

Practicas::Practicas(VentanaPrincipal& ventana, Sesion& sesion, Atencion atiende,
                     const QString& curso, QObject& vida)
    : QObject(&vida),
      ventana_(ventana),
      sesion_(sesion),
      atiende_(std::move(atiende)),
      panel_(new PanelDePracticas(&ventana)) {
    for (const std::string& carpeta : docencia::PracticasDelCurso(curso.toStdString())) {
        Mensaje error;
        // A broken folder in the course leaves the others usable.
        if (std::optional<docencia::Practica> p = docencia::LeePractica(carpeta, error))
            practicas_.push_back(std::move(*p));
    }
    ventana.addDockWidget(Qt::RightDockWidgetArea, panel_);
    panel_->hide();
    ventana.AtiendePanel(comandos::kPracticasDelCurso, *panel_);
    ventana.Atiende(comandos::kAbrirPractica, [this] {
        const QString carpeta = QFileDialog::getExistingDirectory(
            &ventana_, TextoDeLaOrden(comandos::kAbrirPractica).remove(QStringLiteral("...")));
        if (!carpeta.isEmpty()) Abre(carpeta);
    });
    connect(panel_, &PanelDePracticas::Elegida, this, &Practicas::Elige);
    connect(panel_, &PanelDePracticas::Empezar, this, &Practicas::Empieza);
    connect(panel_, &PanelDePracticas::Comprobar, this, &Practicas::Comprueba);
    connect(panel_, &PanelDePracticas::OtroIdioma, this, [this] {
        MuestraLista();
        MuestraEnunciado();
    });
    // The student goes on where they left off: the first lab not yet passed.
    int primera = practicas_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < practicas_.size(); ++i) {
        if (!Superada(practicas_[i])) {
            primera = static_cast<int>(i);
            break;
        }
    }
    Elige(primera);
}

const docencia::Practica* Practicas::Actual() const {
    return actual_ >= 0 ? &practicas_[static_cast<std::size_t>(actual_)] : nullptr;
}

bool Practicas::Abre(const QString& carpeta) {
    Mensaje error;
    std::optional<docencia::Practica> p = docencia::LeePractica(carpeta.toStdString(), error);
    if (!p) {
        QMessageBox::warning(&ventana_, TextoDeLaOrden(comandos::kPracticasDelCurso),
                             DelNucleo(error));
        return false;
    }
    panel_->show();
    for (std::size_t i = 0; i < practicas_.size(); ++i) {
        // Opened again: shown, not listed twice.
        if (Clave(practicas_[i]) == Clave(*p)) {
            Elige(static_cast<int>(i));
            return true;
        }
    }
    practicas_.push_back(std::move(*p));
    Elige(static_cast<int>(practicas_.size()) - 1);
    return true;
}

QString Practicas::Titulo(const docencia::Practica& p) const {
    const QString titulo = QString::fromStdString(p.Titulo(IdiomaInstalado()));
    return Superada(p) ? QStringLiteral("✓ ") + titulo : titulo;
}

void Practicas::Elige(int indice) {
    actual_ = indice;
    MuestraLista();
    MuestraEnunciado();
    panel_->Resultado({});
}

void Practicas::MuestraLista() {
    QStringList titulos;
    for (const docencia::Practica& p : practicas_) titulos << Titulo(p);
    panel_->Lista(titulos, actual_);
}

void Practicas::MuestraEnunciado() {
    const docencia::Practica* p = Actual();
    if (p == nullptr) {
        panel_->Enunciado(QString());
        return;
    }
    const docencia::TextosDePractica& textos = p->Textos(IdiomaInstalado());
    QString texto = QString::fromStdString(textos.enunciado);
    if (!textos.pistas.empty())
        texto += QStringLiteral("\n\n---\n\n") + QString::fromStdString(textos.pistas);
    panel_->Enunciado(texto);
}

void Practicas::Empieza() {
    if (const docencia::Practica* p = Actual()) atiende_(EmpiezaPractica(sesion_, *p));
}

void Practicas::Comprueba() {
    const docencia::Practica* p = Actual();
    if (p == nullptr) return;
    Mensaje error;
    const std::optional<docencia::TablaDeVerdad> tabla = TablaDeLaPractica(*p, error);
    if (!tabla) {
        panel_->Resultado({DelNucleo(error)});
        return;
    }
    const ResultadoDePractica resultado = CompruebaPractica(sesion_.mesa, *tabla, sesion_.Fallos());
    if (resultado.Correcta()) {
        AnotaSuperada(*p);
        MuestraLista();
    }
    panel_->Resultado(LineasDelInforme(resultado));
}

}  // namespace velistra
