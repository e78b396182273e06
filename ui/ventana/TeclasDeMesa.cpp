#include "ui/ventana/TeclasDeMesa.h"

#include <QCursor>
#include <QScrollBar>
#include <QShortcut>

#include "ui/ventana/VentanaDeMesa.h"

namespace velistra {

namespace {
void Tecla(QWidget& ventana, QKeySequence tecla, std::function<void()> accion) {
    auto* atajo = new QShortcut(tecla, &ventana);
    QObject::connect(atajo, &QShortcut::activated, &ventana, std::move(accion));
}
}  // namespace

void ConectaTeclasDeMesa(VentanaDeMesa& mesa, QWidget& ventana) {
    QScrollBar* h = mesa.horizontalScrollBar();
    QScrollBar* v = mesa.verticalScrollBar();
    const struct {
        Qt::Key tecla;
        QScrollBar* barra;
        QAbstractSlider::SliderAction accion;
    } pasos[] = {
        {Qt::Key_Left, h, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Right, h, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_Up, v, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Down, v, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_PageUp, v, QAbstractSlider::SliderPageStepSub},
        {Qt::Key_PageDown, v, QAbstractSlider::SliderPageStepAdd},
    };
    for (const auto& p : pasos) {
        QScrollBar* barra = p.barra;
        const auto accion = p.accion;
        Tecla(ventana, QKeySequence(p.tecla), [barra, accion] { barra->triggerAction(accion); });
    }
}

void SuprimeBajoElPuntero(VentanaDeMesa& mesa) {
    const QPoint enVentana = mesa.viewport()->mapFromGlobal(QCursor::pos());
    if (!mesa.viewport()->rect().contains(enVentana)) return;
    const QPoint punto = mesa.AMesa(enVentana);
    emit mesa.DerechoPulsado(punto.x(), punto.y());
}

}  // namespace velistra
