#include "ui/ventana/VentanaPrincipal.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "plataforma/Textos.h"
#include "sesion/CodigosDeComando.h"
#include "ui/ventana/BarraDeEstado.h"
#include "ui/ventana/BarraDeHerramientas.h"
#include "ui/ventana/DialogoDeAyuda.h"
#include "ui/ventana/ManejadorDeComandos.h"
#include "ui/ventana/MenuVer.h"
#include "ui/ventana/Menus.h"
#include "ui/ventana/TeclasDeMesa.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {

VentanaPrincipal::VentanaPrincipal(const Imagenes& imagenes, QWidget* padre) : QMainWindow(padre) {
    setWindowTitle(QString::fromUtf8(textos::kTituloDelPrograma));
    move(0, 0);
    resize(1024, 740);

    const Despachador despacha = [this](int id) { Despacha(id); };
    ConstruyeMenus(*menuBar(), despacha);
    herramientas_ = new BarraDeHerramientas(imagenes, despacha, this);
    addToolBar(Qt::TopToolBarArea, herramientas_);
    estado_ = new BarraDeEstado(this);
    setStatusBar(estado_);
    mesa_ = new VentanaDeMesa(imagenes, this);
    setCentralWidget(mesa_);
    connect(mesa_, &VentanaDeMesa::PunteroMovido, estado_, &BarraDeEstado::MuestraPosicion);
    ConectaTeclasDeMesa(*mesa_, *this);
    AgregaZoom(MenuVer(*menuBar()), *mesa_);

    temporizador_.setInterval(kPeriodoDelTemporizador);
    connect(&temporizador_, &QTimer::timeout, this, [this] {
        if (manejador_ != nullptr) manejador_->Tic();
    });
    temporizador_.start();
}

void VentanaPrincipal::Despacha(int id) {
    if (id == comandos::kAyuda) {
        MuestraAyuda();
    } else if (id == comandos::kSalir) {
        close();
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
