#include "ui/programa/Patillaje.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTimer>

#include "sesion/CodigosDeComando.h"
#include "sesion/Sesion.h"
#include "ui/patillaje/AyudaDeChip.h"
#include "ui/patillaje/PanelDePatillaje.h"
#include "ui/ventana/VentanaDeMesa.h"
#include "ui/ventana/VentanaPrincipal.h"

namespace velistra {

namespace {

constexpr int kEsperaDeLaAyuda = 600;  // ms the pointer rests on a chip before its tooltip

bool Cubre(const Componente& chip, QPoint punto) {
    const Punto u = chip.Ubicacion();
    return punto.x() >= u.x && punto.x() < u.x + chip.Anchura() && punto.y() >= u.y &&
           punto.y() < u.y + chip.Altura();
}

// The chip drawn on top at a workbench point (later chips cover earlier ones), or -1.
int ChipVisibleEn(const Componentes& chips, QPoint punto) {
    for (int i = static_cast<int>(chips.size()) - 1; i >= 0; --i) {
        if (Cubre(chips[static_cast<std::size_t>(i)], punto)) return i;
    }
    return -1;
}

// The first chip in list order at the point: the one a right press removes.
int ChipQueQuitaUnClic(const Componentes& chips, QPoint punto) {
    for (std::size_t i = 0; i < chips.size(); ++i) {
        if (Cubre(chips[i], punto)) return static_cast<int>(i);
    }
    return -1;
}

// Follows the pointer over the chips and keeps the panel and the tooltip up to date.
class SeguidorDeChips : public QObject {
public:
    SeguidorDeChips(VentanaPrincipal& ventana, Sesion& sesion, PanelDePatillaje& panel, QObject& vida)
        : QObject(&vida), mesa_(sesion.mesa), vista_(ventana.Mesa()), panel_(panel),
          ayuda_(new AyudaDeChip(&ventana)) {
        espera_.setSingleShot(true);
        espera_.setInterval(kEsperaDeLaAyuda);
        connect(&espera_, &QTimer::timeout, this, [this] { MuestraAyuda(); });
        connect(&vista_, &VentanaDeMesa::PunteroMovido, this, [this](int x, int y) { Movido({x, y}); });
        connect(&vista_, &VentanaDeMesa::IzquierdoPulsado, this, [this](int x, int y) { Pulsado({x, y}); });
        connect(&vista_, &VentanaDeMesa::DerechoPulsado, this, [this](int, int) { Retirado(); });
        vista_.viewport()->installEventFilter(this);
    }

    void Actualiza() {
        cuantos_ = mesa_.componentes().size();
        // A new circuit, an undo or a load may have put another chip in its place.
        const Componente* recordado = Chip(recordado_);
        if (recordado != nullptr && recordado->Codigo() != codigoRecordado_) recordado = nullptr;
        if (recordado == nullptr) recordado_ = -1;
        const int bajoElPuntero = dentro_ ? ChipVisibleEn(mesa_.componentes(), Puntero()) : -1;
        if (bajoElPuntero != bajoElPuntero_) {
            Oculta();
            bajoElPuntero_ = bajoElPuntero;
        }
        const Componente* bajo = Chip(bajoElPuntero_);
        if (!panel_.isVisible()) return;
        panel_.Muestra(bajo != nullptr ? bajo : recordado, mesa_.bON());
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Leave) {
            dentro_ = false;
            Actualiza();
        } else if (evento->type() == QEvent::MouseButtonPress) {
            // Seen before the workbench acts on it: which chip a right press will remove.
            const auto* raton = static_cast<QMouseEvent*>(evento);
            quitado_ = raton->button() == Qt::RightButton
                           ? ChipQueQuitaUnClic(mesa_.componentes(), vista_.AMesa(raton->position().toPoint()))
                           : -1;
        } else if (evento->type() == QEvent::Paint) {
            // Every change of the workbench ends in a repaint; the panel follows it after.
            QTimer::singleShot(0, this, [this] { Actualiza(); });
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    // Kept in window points: a scroll moves the workbench under a still pointer.
    QPoint Puntero() const { return vista_.AMesa(puntero_); }

    void Movido(QPoint punto) {
        // A window point at every level: zoomed, the workbench offset is not one. A
        // tooltip placed from a wrong point could land under the pointer and take it
        // from the workbench, and the probe with it.
        puntero_ = vista_.EnVentana(punto);
        dentro_ = true;
        const int antes = bajoElPuntero_;
        Actualiza();
        if (QGuiApplication::mouseButtons() != Qt::NoButton) Oculta();
        else if (bajoElPuntero_ >= 0 && bajoElPuntero_ != antes) espera_.start();
    }

    // The chip the press picked up, or else the one the user sees there.
    void Pulsado(QPoint punto) {
        Oculta();
        const Componentes& chips = mesa_.componentes();
        const Componente* tomado = chips.Seleccionado();
        const int chip = chips.EstaMoviendo() && tomado != nullptr && Cubre(*tomado, punto)
                             ? chips.Indice()
                             : ChipVisibleEn(chips, punto);
        if (chip >= 0) Recuerda(chip);
        Actualiza();
    }

    // The remembered chip goes with the removed one; those after it move down one place.
    void Retirado() {
        Oculta();
        if (mesa_.componentes().size() + 1 == cuantos_ && quitado_ >= 0 && recordado_ >= 0) {
            if (recordado_ == quitado_) recordado_ = -1;
            else if (recordado_ > quitado_) --recordado_;
        }
        quitado_ = -1;
        Actualiza();
    }

    void Recuerda(int chip) {
        recordado_ = chip;
        codigoRecordado_ = mesa_.componentes()[static_cast<std::size_t>(chip)].Codigo();
    }

    const Componente* Chip(int i) const {
        return i >= 0 && static_cast<std::size_t>(i) < mesa_.componentes().size()
                   ? &mesa_.componentes()[static_cast<std::size_t>(i)]
                   : nullptr;
    }

    void MuestraAyuda() {
        const Componente* chip = Chip(bajoElPuntero_);
        if (chip == nullptr || QGuiApplication::mouseButtons() != Qt::NoButton) return;
        ayuda_->MuestraEn(static_cast<int>(chip->Codigo()), vista_.viewport()->mapToGlobal(puntero_) + QPoint(14, 20));
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
    bool dentro_ = false;
    int bajoElPuntero_ = -1;
    int quitado_ = -1;
    int recordado_ = -1;
    long codigoRecordado_ = 0;
    std::size_t cuantos_ = 0;
};

}  // namespace

PanelDePatillaje& AgregaPatillaje(VentanaPrincipal& ventana, Sesion& sesion, QObject& vida) {
    auto* panel = new PanelDePatillaje(&ventana);
    ventana.addDockWidget(Qt::RightDockWidgetArea, panel);
    panel->hide();
    ventana.AtiendePanel(comandos::kPatillaje, *panel);
    auto* seguidor = new SeguidorDeChips(ventana, sesion, *panel, vida);
    // Opened, it shows at once what it would have followed while hidden.
    QObject::connect(panel, &QDockWidget::visibilityChanged, seguidor, [seguidor](bool visible) {
        if (visible) seguidor->Actualiza();
    });
    return *panel;
}

}  // namespace velistra
