#include "ui/analizador/PanelDelAnalizador.h"

#include <QCoreApplication>
#include <QAction>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>

#include "persistencia/ArchivoDeCircuito.h"
#include "persistencia/RegistroDeSenales.h"
#include "plataforma/Dialogos.h"
#include "plataforma/Textos.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/AnalizadorLogico.h"
#include "ui/analizador/DiagramaDeTiempos.h"
#include "ui/idiomas/Traduccion.h"

namespace velistra {

namespace {

constexpr double kMaximoPorPunto = 47000.0 * 200;

bool Termina(const std::string& ruta, const char* extension) {
    std::string final = ruta.size() >= 4 ? ruta.substr(ruta.size() - 4) : ruta;
    std::transform(final.begin(), final.end(), final.begin(), [](unsigned char c) { return std::tolower(c); });
    return final == extension;
}

}  // namespace

PanelDelAnalizador::PanelDelAnalizador(AnalizadorLogico& analizador, Dialogos& dialogos, QWidget* padre)
    : QDockWidget(TextoDeLaOrden(comandos::kAnalizadorLogico), padre), analizador_(analizador), dialogos_(dialogos) {
    setObjectName(QStringLiteral("analizador"));
    auto* contenido = new QWidget(this);
    auto* capas = new QVBoxLayout(contenido);
    capas->setContentsMargins(2, 0, 2, 2);
    capas->setSpacing(0);

    auto* botones = new QToolBar(contenido);
    botones->setToolButtonStyle(Qt::ToolButtonTextOnly);
    sonda_ = botones->addAction(QCoreApplication::translate("velistra::PanelDelAnalizador", "Sonda"));
    sonda_->setCheckable(true);
    sonda_->setToolTip(QCoreApplication::translate("velistra::PanelDelAnalizador", "Con la sonda, un clic en un hueco o un terminal añade un canal (también Ctrl+clic)"));
    connect(sonda_, &QAction::toggled, this, &PanelDelAnalizador::SondaCambiada);
    pausa_ = botones->addAction(QCoreApplication::translate("velistra::PanelDelAnalizador", "Pausa"));
    pausa_->setCheckable(true);
    pausa_->setToolTip(QCoreApplication::translate("velistra::PanelDelAnalizador", "En pausa no se anota nada; el tiempo sigue"));
    connect(pausa_, &QAction::toggled, this, [this](bool pausado) { analizador_.Pausa(pausado); });
    connect(botones->addAction(QCoreApplication::translate("velistra::PanelDelAnalizador", "Borrar")), &QAction::triggered, this, [this] {
        analizador_.Borra();
        diagrama_->Vista().cursor.reset();
        siguiendo_ = true;
        Actualiza();
    });
    connect(botones->addAction(QCoreApplication::translate("velistra::PanelDelAnalizador", "Quitar canal")), &QAction::triggered, this,
            &PanelDelAnalizador::QuitaElegido);
    botones->addSeparator();
    connect(botones->addAction(TextoDeLaOrden(comandos::kAcercar)), &QAction::triggered, this,
            [this] { Zoom(1, diagrama_->TiempoEn(diagrama_->width() / 2 + diagrama::kAnchoDeNombres / 2)); });
    connect(botones->addAction(TextoDeLaOrden(comandos::kAlejar)), &QAction::triggered, this,
            [this] { Zoom(-1, diagrama_->TiempoEn(diagrama_->width() / 2 + diagrama::kAnchoDeNombres / 2)); });
    botones->addSeparator();
    connect(botones->addAction(QCoreApplication::translate("velistra::PanelDelAnalizador", "Exportar...")), &QAction::triggered, this,
            &PanelDelAnalizador::PideExportar);
    capas->addWidget(botones);

    // Sixteen rows are taller than the dock: they scroll up and down, time scrolls below.
    auto* filas = new QScrollArea(contenido);
    filas->setWidgetResizable(true);
    filas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    filas->setFrameShape(QFrame::NoFrame);
    // Room for the axis and five rows when the dock opens.
    filas->setMinimumHeight(diagrama::kAltoDelEje + 5 * diagrama::kAltoDeFila + 2);
    diagrama_ = new DiagramaDeTiempos(analizador_, filas);
    filas->setWidget(diagrama_);
    capas->addWidget(filas, 1);
    barra_ = new QScrollBar(Qt::Horizontal, contenido);
    capas->addWidget(barra_);
    connect(barra_, &QScrollBar::valueChanged, this, &PanelDelAnalizador::Desplaza);
    connect(diagrama_, &DiagramaDeTiempos::CanalElegido, this, [this](int canal) {
        diagrama_->Vista().seleccionado = canal;
        diagrama_->update();
    });
    connect(diagrama_, &DiagramaDeTiempos::CanalParaRenombrar, this, &PanelDelAnalizador::Renombra);
    connect(diagrama_, &DiagramaDeTiempos::ZoomPedido, this, &PanelDelAnalizador::Zoom);
    setWidget(contenido);

    // The workbench's ticks feed the record; the dock looks at it at the same pace.
    vigia_.setInterval(47);
    connect(&vigia_, &QTimer::timeout, this, [this] {
        if (isVisible()) Actualiza();
    });
    vigia_.start();
}

void PanelDelAnalizador::Actualiza() {
    if (analizador_.Version() == version_ && analizador_.Ahora() == ahora_) return;
    version_ = analizador_.Version();
    ahora_ = analizador_.Ahora();
    diagrama_->setMinimumHeight(AltoDelDiagrama(analizador_));
    AjustaBarra();
    diagrama_->update();
}

void PanelDelAnalizador::AjustaBarra() {
    VistaDeTiempos& vista = diagrama_->Vista();
    const std::int64_t primero = analizador_.NumeroDeMuestras() > 0 ? analizador_.Muestra(0).tiempo : 0;
    const double ancho = std::max(1, diagrama_->width() - diagrama::kAnchoDeNombres - 8) * vista.microsegundosPorPunto;
    const double recorrido = std::max(0.0, static_cast<double>(analizador_.Ahora() - primero) - ancho);
    unidad_ = std::max(vista.microsegundosPorPunto, recorrido / (INT_MAX / 2));
    const QSignalBlocker bloqueo(barra_);
    barra_->setRange(0, static_cast<int>(recorrido / unidad_));
    barra_->setPageStep(std::max(1, static_cast<int>(ancho / unidad_)));
    barra_->setSingleStep(std::max(1, barra_->pageStep() / 10));
    // Paused, the view stays where it was: there is nothing new to follow.
    if (siguiendo_ && !analizador_.EnPausa()) barra_->setValue(barra_->maximum());
    vista.inicio = primero + static_cast<std::int64_t>(barra_->value() * unidad_);
}

void PanelDelAnalizador::Desplaza(int valor) {
    siguiendo_ = valor == barra_->maximum();
    const std::int64_t primero = analizador_.NumeroDeMuestras() > 0 ? analizador_.Muestra(0).tiempo : 0;
    diagrama_->Vista().inicio = primero + static_cast<std::int64_t>(valor * unidad_);
    diagrama_->update();
}

void PanelDelAnalizador::Zoom(int pasos, std::int64_t alrededor) {
    VistaDeTiempos& vista = diagrama_->Vista();
    const double antes = vista.microsegundosPorPunto;
    const double despues = std::clamp(antes / std::pow(2.0, pasos), 1.0, kMaximoPorPunto);
    if (despues == antes) return;
    // The time under the pointer stays where it is.
    const double x = static_cast<double>(alrededor - vista.inicio) / antes;
    vista.microsegundosPorPunto = despues;
    const std::int64_t deseado = alrededor - static_cast<std::int64_t>(x * despues);
    const std::int64_t primero = analizador_.NumeroDeMuestras() > 0 ? analizador_.Muestra(0).tiempo : 0;
    siguiendo_ = false;
    AjustaBarra();
    const QSignalBlocker bloqueo(barra_);
    barra_->setValue(static_cast<int>(std::max<double>(0, static_cast<double>(deseado - primero)) / unidad_));
    siguiendo_ = barra_->value() == barra_->maximum();
    vista.inicio = primero + static_cast<std::int64_t>(barra_->value() * unidad_);
    diagrama_->update();
}

void PanelDelAnalizador::QuitaElegido() {
    VistaDeTiempos& vista = diagrama_->Vista();
    if (vista.seleccionado < 0) return;
    analizador_.QuitaCanal(vista.seleccionado);
    vista.seleccionado = -1;
    Actualiza();
}

void PanelDelAnalizador::Renombra(int canal) {
    if (canal < 0 || canal >= static_cast<int>(analizador_.Canales().size())) return;
    bool aceptado = false;
    const QString nombre = QInputDialog::getText(
        this, TextoDeLaOrden(comandos::kAnalizadorLogico), QCoreApplication::translate("velistra::PanelDelAnalizador", "Nombre del canal:"), QLineEdit::Normal,
        QString::fromStdString(analizador_.Canales()[static_cast<std::size_t>(canal)].nombre), &aceptado);
    if (aceptado && !nombre.trimmed().isEmpty()) {
        analizador_.RenombraCanal(canal, nombre.trimmed().toStdString());
        Actualiza();
    }
}

void PanelDelAnalizador::PideExportar() {
    const std::optional<std::string> ruta = dialogos_.NombreParaGuardar(
        {{QT_TRANSLATE_NOOP("velistra::Nucleo", "Imagen PNG"), "*.png"}, {QT_TRANSLATE_NOOP("velistra::Nucleo", "Valores separados por comas"), "*.csv"}, {"Value Change Dump", "*.vcd"}}, "png");
    if (ruta) Exporta(*ruta);
}

bool PanelDelAnalizador::Exporta(const std::string& ruta) {
    bool escrito = false;
    if (Termina(ruta, ".csv")) {
        escrito = GuardaTextoEnArchivo(TextoCsv(analizador_), ruta);
    } else if (Termina(ruta, ".vcd")) {
        escrito = GuardaTextoEnArchivo(TextoVcd(analizador_), ruta);
    } else {
        QImage imagen(diagrama_->size().expandedTo(QSize(400, AltoDelDiagrama(analizador_))), QImage::Format_RGB32);
        QPainter pintor(&imagen);
        pintor.setFont(diagrama_->font());
        PintaDiagrama(pintor, imagen.rect(), analizador_, diagrama_->Vista());
        pintor.end();
        escrito = imagen.save(QString::fromStdString(ruta), "PNG");
    }
    if (!escrito)
        QMessageBox::warning(this, QString::fromUtf8(textos::kTituloDeArchivos),
                             QCoreApplication::translate("velistra::PanelDelAnalizador", "No se pudo escribir «%1».").arg(QString::fromStdString(ruta)));
    return escrito;
}

}  // namespace velistra
