#include "ui/programa/Patillaje.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "sesion/Sesion.h"
#include "ui/patillaje/AyudaDeChip.h"
#include "ui/patillaje/PanelDePatillaje.h"
#include "ui/ventana/MenuVer.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

namespace {

constexpr int kEsperaDeLaAyuda = 600;  // ms the pointer rests on a chip before its tooltip

// The chip drawn on top at a workbench point (later chips cover earlier ones), or -1.
int ChipVisibleEn(const Componentes& chips, int x, int y) {
    for (int i = static_cast<int>(chips.size()) - 1; i >= 0; --i) {
        const Componente& c = chips[static_cast<std::size_t>(i)];
        const Punto u = c.Ubicacion();
        if (x >= u.x && x < u.x + c.Anchura() && y >= u.y && y < u.y + c.Altura()) return i;
    }
    return -1;
}

// The first chip in list order at the point: the one a click picks up or removes.
int ChipQueTomaUnClic(const Componentes& chips, int x, int y) {
    for (std::size_t i = 0; i < chips.size(); ++i) {
        const Componente& c = chips[i];
        const Punto u = c.Ubicacion();
        if (x >= u.x && x < u.x + c.Anchura() && y >= u.y && y < u.y + c.Altura()) return static_cast<int>(i);
    }
    return -1;
}

// Follows the pointer over the chips and keeps the panel and the tooltip up to date.
class SeguidorDeChips : public QObject {
public:
    SeguidorDeChips(VentanaPrincipal& ventana, Sesion& sesion, PanelDePatillaje& panel)
        : QObject(&ventana), mesa_(sesion.mesa), vista_(ventana.Mesa()), panel_(panel),
          ayuda_(new AyudaDeChip(&ventana)) {
        espera_.setSingleShot(true);
        espera_.setInterval(kEsperaDeLaAyuda);
        connect(&espera_, &QTimer::timeout, this, [this] { MuestraAyuda(); });
        connect(&vista_, &VentanaDeMesa::PunteroMovido, this, [this](int x, int y) { Movido(x, y); });
        connect(&vista_, &VentanaDeMesa::IzquierdoPulsado, this, [this](int x, int y) { Pulsado(x, y); });
        connect(&vista_, &VentanaDeMesa::DerechoPulsado, this, [this](int, int) { Retirado(); });
        vista_.viewport()->installEventFilter(this);
    }

    void Actualiza() {
        cuantos_ = mesa_.componentes.size();
        // A new circuit, an undo or a load may have put another chip in its place.
        const Componente* recordado = Chip(recordado_);
        if (recordado != nullptr && recordado->Codigo() != codigoRecordado_) recordado = nullptr;
        if (recordado == nullptr) recordado_ = -1;
        const Componente* bajo = Chip(bajoElPuntero_);
        if (!panel_.isVisible()) return;
        panel_.Muestra(bajo != nullptr ? bajo : recordado, mesa_.bON);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Leave) {
            bajoElPuntero_ = -1;
            Oculta();
            Actualiza();
        } else if (evento->type() == QEvent::Paint) {
            // Every change of the workbench ends in a repaint; the panel follows it after.
            QTimer::singleShot(0, this, [this] { Actualiza(); });
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    void Movido(int x, int y) {
        puntero_ = QPoint(x, y);
        const int chip = ChipVisibleEn(mesa_.componentes, x, y);
        if (chip != bajoElPuntero_ || QGuiApplication::mouseButtons() != Qt::NoButton) Oculta();
        if (chip != bajoElPuntero_) {
            bajoElPuntero_ = chip;
            tomado_ = ChipQueTomaUnClic(mesa_.componentes, x, y);
            if (chip >= 0) espera_.start();
        }
        Actualiza();
    }

    void Pulsado(int x, int y) {
        Oculta();
        const int chip = ChipVisibleEn(mesa_.componentes, x, y);
        if (chip >= 0) Recuerda(chip);
        Actualiza();
    }

    // A right press removes the first chip under the pointer: the remembered one goes with
    // it, and those after it move down one place.
    void Retirado() {
        Oculta();
        if (mesa_.componentes.size() + 1 == cuantos_ && tomado_ >= 0 && recordado_ >= 0) {
            if (recordado_ == tomado_) recordado_ = -1;
            else if (recordado_ > tomado_) --recordado_;
        }
        bajoElPuntero_ = ChipVisibleEn(mesa_.componentes, puntero_.x(), puntero_.y());
        tomado_ = ChipQueTomaUnClic(mesa_.componentes, puntero_.x(), puntero_.y());
        Actualiza();
    }

    void Recuerda(int chip) {
        recordado_ = chip;
        codigoRecordado_ = mesa_.componentes[static_cast<std::size_t>(chip)].Codigo();
    }

    const Componente* Chip(int i) const {
        return i >= 0 && static_cast<std::size_t>(i) < mesa_.componentes.size()
                   ? &mesa_.componentes[static_cast<std::size_t>(i)]
                   : nullptr;
    }

    void MuestraAyuda() {
        const Componente* chip = Chip(bajoElPuntero_);
        if (chip == nullptr || QGuiApplication::mouseButtons() != Qt::NoButton) return;
        const QPoint enVentana = puntero_ - vista_.Desplazamiento();
        ayuda_->MuestraEn(static_cast<int>(chip->Codigo()), vista_.viewport()->mapToGlobal(enVentana) + QPoint(14, 20));
    }

    void Oculta() {
        espera_.stop();
        ayuda_->hide();
    }

    Mesa& mesa_;
    VentanaDeMesa& vista_;
    PanelDePatillaje& panel_;
    AyudaDeChip* ayuda_;
    QTimer espera_;
    QPoint puntero_;
    int bajoElPuntero_ = -1;
    int tomado_ = -1;
    int recordado_ = -1;
    long codigoRecordado_ = 0;
    std::size_t cuantos_ = 0;
};

}  // namespace

PanelDePatillaje& AgregaPatillaje(VentanaPrincipal& ventana, Sesion& sesion) {
    auto* panel = new PanelDePatillaje(&ventana);
    ventana.addDockWidget(Qt::RightDockWidgetArea, panel);
    panel->hide();
    QAction* ver = panel->toggleViewAction();
    ver->setText(QCoreApplication::translate("velistra::PanelDePatillaje", "Patillaje"));
    MenuVer(*ventana.menuBar()).addAction(ver);
    auto* seguidor = new SeguidorDeChips(ventana, sesion, *panel);
    // Opened, it shows at once what it would have followed while hidden.
    QObject::connect(panel, &QDockWidget::visibilityChanged, seguidor, [seguidor](bool visible) {
        if (visible) seguidor->Actualiza();
    });
    return *panel;
}

}  // namespace velistra
