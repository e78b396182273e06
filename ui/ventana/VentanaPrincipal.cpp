#include "ui/ventana/VentanaPrincipal.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QMenuBar>

#include "plataforma/Textos.h"
#include "sesion/CodigosDeComando.h"
#include "ui/ventana/BarraDeEstado.h"
#include "ui/ventana/BarraDeHerramientas.h"
#include "ui/ventana/DialogoDeAyuda.h"
#include "ui/ventana/ManejadorDeComandos.h"
#include "ui/ventana/MenuVer.h"
#include "ui/ventana/TeclasDeMesa.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {

VentanaPrincipal::VentanaPrincipal(const Imagenes& imagenes, QWidget* padre) : QMainWindow(padre) {
    setWindowTitle(QString::fromUtf8(textos::kTituloDelPrograma));
    move(0, 0);
    resize(1024, 740);

    const Despachador despacha = [this](int id) { Despacha(id); };
    menus_ = std::make_unique<MenusDeLaVentana>(*menuBar(), despacha);
    herramientas_ = new BarraDeHerramientas(imagenes, despacha, this);
    addToolBar(Qt::TopToolBarArea, herramientas_);
    estado_ = new BarraDeEstado(this);
    setStatusBar(estado_);
    mesa_ = new VentanaDeMesa(imagenes, this);
    setCentralWidget(mesa_);
    connect(mesa_, &VentanaDeMesa::PunteroMovido, estado_, &BarraDeEstado::MuestraPosicion);
    ConectaTeclasDeMesa(*mesa_, *this);
    Atiende(comandos::kAyuda, [this] { MuestraAyuda(); });
    Atiende(comandos::kSalir, [this] { close(); });
    AtiendeElZoom(*this);

    temporizador_.setInterval(kPeriodoDelTemporizador);
    connect(&temporizador_, &QTimer::timeout, this, [this] {
        if (manejador_ != nullptr) manejador_->Tic();
    });
    temporizador_.start();
}

VentanaPrincipal::~VentanaPrincipal() = default;

void VentanaPrincipal::Atiende(int id, std::function<void()> manejador) {
    manejadores_[id] = std::move(manejador);
    menus_->Muestra(id);
}

void VentanaPrincipal::AtiendePanel(int id, QDockWidget& panel) {
    QAction* ver = panel.toggleViewAction();
    Atiende(id, [ver] { ver->trigger(); });
    if (QAction* elemento = menus_->Accion(id)) {
        elemento->setChecked(ver->isChecked());
        connect(ver, &QAction::toggled, elemento, &QAction::setChecked);
    }
}

void VentanaPrincipal::Habilita(int id, bool habilitado) {
    if (QAction* elemento = menus_->Accion(id)) elemento->setEnabled(habilitado);
    for (QAction* boton : herramientas_->actions()) {
        if (!boton->isSeparator() && boton->data().toInt() == id) boton->setEnabled(habilitado);
    }
}

void VentanaPrincipal::Despacha(int id) {
    if (const auto propio = manejadores_.find(id); propio != manejadores_.end()) {
        propio->second();
    } else if (manejador_ != nullptr) {
        manejador_->Comando(id);
    }
}

void VentanaPrincipal::MuestraAyuda() {
    DialogoDeAyuda ayuda(this);
    ayuda.exec();
}

void VentanaPrincipal::closeEvent(QCloseEvent* evento) {
    if (manejador_ != nullptr && !manejador_->PuedeCerrar()) {
        evento->ignore();
        return;
    }
    temporizador_.stop();
    evento->accept();
}

}  // namespace velistra
