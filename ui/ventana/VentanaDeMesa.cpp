#include "ui/ventana/VentanaDeMesa.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "plataforma/Recursos.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/plataforma/LienzoQt.h"

namespace velistra {

namespace {
// Page clicks move a fixed step, while the bar's page (its thumb) stays the client size.
void PasosFijos(QScrollBar* barra, int pagina) {
    QObject::connect(barra, &QAbstractSlider::actionTriggered, barra, [barra, pagina](int accion) {
        if (accion == QAbstractSlider::SliderPageStepAdd)
            barra->setSliderPosition(barra->value() + pagina);
        if (accion == QAbstractSlider::SliderPageStepSub)
            barra->setSliderPosition(barra->value() - pagina);
    });
}

void Ajusta(QScrollBar* barra, int total, int cliente) {
    barra->setPageStep(std::max(cliente, 1));
    barra->setSingleStep(VentanaDeMesa::kPasoDeLinea);
    barra->setRange(0, std::max(0, total - cliente));
}
}  // namespace

VentanaDeMesa::VentanaDeMesa(const Imagenes& imagenes, QWidget* padre)
    : QAbstractScrollArea(padre), imagenes_(imagenes) {
    const QImage* blanco = imagenes_.Busca(recursos::Lienzo.id);
    lienzo_ = blanco != nullptr ? *blanco : QImage(kAncho, kAlto, QImage::Format_RGB32);
    lienzo_.convertTo(QImage::Format_RGB32);

    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::NoFrame);
    // The keyboard is not used on the workbench.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setMouseTracking(true);
    // Every pixel is painted from the canvas: no background erase, no flicker.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    PasosFijos(horizontalScrollBar(), kPasoDePagina);
    PasosFijos(verticalScrollBar(), kPasoDePagina);
    AjustaBarras();
}

QPoint VentanaDeMesa::Desplazamiento() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void VentanaDeMesa::Dibujante(std::function<void(Lienzo&)> dibuja) {
    dibuja_ = std::move(dibuja);
    viewport()->update();
}

void VentanaDeMesa::Repinta(int l, int t, int r, int b) {
    viewport()->update(QRect(QPoint(l, t), QPoint(r - 1, b - 1)).normalized());
}

void VentanaDeMesa::MuevePunteroA(int x, int y) {
    QCursor::setPos(viewport()->mapToGlobal(QPoint(x, y) - Desplazamiento()));
}

void VentanaDeMesa::AjustaBarras() {
    Ajusta(horizontalScrollBar(), kAncho, viewport()->width());
    Ajusta(verticalScrollBar(), kAlto, viewport()->height());
}

void VentanaDeMesa::resizeEvent(QResizeEvent* evento) {
    QAbstractScrollArea::resizeEvent(evento);
    AjustaBarras();
    viewport()->update();
}

void VentanaDeMesa::scrollContentsBy(int, int) {
    const QPoint desplazamiento = Desplazamiento();
    emit Desplazado(desplazamiento.x(), desplazamiento.y());
    viewport()->update();
}

void VentanaDeMesa::paintEvent(QPaintEvent*) {
    lienzo_.fill(Qt::white);
    if (dibuja_) {
        LienzoQt lienzo(lienzo_, imagenes_);
        dibuja_(lienzo);
    }
    QPainter pintor(viewport());
    const QRect visible(Desplazamiento(), viewport()->size());
    const QRect mostrado = visible.intersected(lienzo_.rect());
    // A window larger than the workbench shows plain window colour beyond it.
    if (mostrado != visible) pintor.fillRect(viewport()->rect(), palette().window());
    pintor.drawImage(QPoint(0, 0), lienzo_, mostrado);
}

void VentanaDeMesa::mouseMoveEvent(QMouseEvent* evento) {
    const QPoint punto = AMesa(evento->position().toPoint());
    emit PunteroMovido(punto.x(), punto.y());
}

void VentanaDeMesa::mousePressEvent(QMouseEvent* evento) {
    const QPoint punto = AMesa(evento->position().toPoint());
    if (evento->button() == Qt::LeftButton) emit IzquierdoPulsado(punto.x(), punto.y());
    if (evento->button() == Qt::RightButton) emit DerechoPulsado(punto.x(), punto.y());
}

void VentanaDeMesa::mouseReleaseEvent(QMouseEvent* evento) {
    const QPoint punto = AMesa(evento->position().toPoint());
    if (evento->button() == Qt::LeftButton) emit IzquierdoSoltado(punto.x(), punto.y());
}

}  // namespace velistra

namespace velistra {

void VentanaDeMesa::leaveEvent(QEvent* evento) {
    QAbstractScrollArea::leaveEvent(evento);
    emit PunteroFuera();
}

}  // namespace velistra
