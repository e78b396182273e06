#include "ui/ventana/VentanaDeMesa.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTransform>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "plataforma/Recursos.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/plataforma/GrabadorDeLienzo.h"
#include "ui/plataforma/LienzoQt.h"
#include "ui/ventana/CapaDeMesa.h"

namespace velistra {

namespace {
constexpr auto kNiveles = VentanaDeMesa::kNiveles;
constexpr double kNivelMinimo = 10;
constexpr double kNivelMaximo = 400;
// A held drag this close to an edge scrolls the window one line per beat.
constexpr int kBordeDeAutoDesplazamiento = 24;
constexpr int kLatidoDeAutoDesplazamiento = 40;
// One notch of a mouse wheel.
constexpr int kMuesca = 120;

// Page clicks move a fixed step, while the bar's page (its thumb) stays the client size.
void PasosFijos(QScrollBar* barra, std::function<int()> pagina) {
    QObject::connect(barra, &QAbstractSlider::actionTriggered, barra, [barra, pagina](int accion) {
        if (accion == QAbstractSlider::SliderPageStepAdd)
            barra->setSliderPosition(barra->value() + pagina());
        if (accion == QAbstractSlider::SliderPageStepSub)
            barra->setSliderPosition(barra->value() - pagina());
    });
}

// Steps are workbench points at every level: a line is always 20 of them.
int EnPantalla(int pasoDeMesa, double escala) { return std::max(1, static_cast<int>(std::lround(pasoDeMesa * escala))); }

void Ajusta(QScrollBar* barra, int total, int cliente, double escala) {
    barra->setPageStep(std::max(cliente, 1));
    barra->setSingleStep(EnPantalla(VentanaDeMesa::kPasoDeLinea, escala));
    barra->setRange(0, std::max(0, total - cliente));
}

double Siguiente(double nivel) {
    const auto n = std::upper_bound(kNiveles.begin(), kNiveles.end(), nivel + 0.5);
    return n != kNiveles.end() ? *n : std::max(nivel, kNiveles.back());
}

double Anterior(double nivel) {
    const auto n = std::lower_bound(kNiveles.begin(), kNiveles.end(), nivel - 0.5);
    return n != kNiveles.begin() ? *(n - 1) : std::min(nivel, kNiveles.front());
}

int Abajo(double v) { return static_cast<int>(std::floor(v)); }

// How far a point lies into the band along one edge: -1 near the start, 1 near the end.
int HaciaElBorde(int posicion, int largo) {
    if (posicion < kBordeDeAutoDesplazamiento) return -1;
    if (posicion >= largo - kBordeDeAutoDesplazamiento) return 1;
    return 0;
}
}  // namespace

VentanaDeMesa::VentanaDeMesa(const Imagenes& imagenes, QWidget* padre)
    : QAbstractScrollArea(padre), imagenes_(imagenes) {
    const QImage* blanco = imagenes_.Busca(recursos::Lienzo.id);
    lienzo_ = blanco != nullptr ? *blanco : QImage(kAncho, kAlto, QImage::Format_RGB32);
    lienzo_.convertTo(QImage::Format_RGB32);
    // A screen of pixel ratio 2 starts at 200 %: the workbench keeps its size, drawn sharp.
    nivel_ = std::clamp(100.0 * devicePixelRatioF(), kNivelMinimo, kNivelMaximo);

    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::NoFrame);
    // The keyboard is not used on the workbench.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setMouseTracking(true);
    // Every pixel is painted from the canvas: no background erase, no flicker.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    const auto pagina = [this] { return EnPantalla(kPasoDePagina, Escala()); };
    PasosFijos(horizontalScrollBar(), pagina);
    PasosFijos(verticalScrollBar(), pagina);
    AjustaBarras();
    autoDesplazamiento_.setInterval(kLatidoDeAutoDesplazamiento);
    connect(&autoDesplazamiento_, &QTimer::timeout, this, [this] { AutoDesplaza(); });
}

VentanaDeMesa::~VentanaDeMesa() = default;

double VentanaDeMesa::Pantalla() const { return devicePixelRatioF(); }

double VentanaDeMesa::Escala() const { return nivel_ / 100.0 / Pantalla(); }

QPoint VentanaDeMesa::Desplazamiento() const {
    const double e = Escala();
    return QPoint(Abajo(horizontalScrollBar()->value() / e), Abajo(verticalScrollBar()->value() / e));
}

QPoint VentanaDeMesa::AMesa(QPoint enVentana) const {
    const double e = Escala();
    return QPoint(Abajo((enVentana.x() + horizontalScrollBar()->value()) / e),
                  Abajo((enVentana.y() + verticalScrollBar()->value()) / e));
}

QPoint VentanaDeMesa::EnVentana(QPoint enMesa) const {
    const double e = Escala();
    return QPoint(Abajo((enMesa.x() + 0.5) * e) - horizontalScrollBar()->value(),
                  Abajo((enMesa.y() + 0.5) * e) - verticalScrollBar()->value());
}

void VentanaDeMesa::CambiaNivel(double nivel, QPoint fijo) {
    nivel = std::clamp(nivel, kNivelMinimo, kNivelMaximo);
    if (nivel == nivel_) return;
    const double antes = Escala();
    const double x = (fijo.x() + horizontalScrollBar()->value()) / antes;
    const double y = (fijo.y() + verticalScrollBar()->value()) / antes;
    nivel_ = nivel;
    AjustaBarras();
    const double e = Escala();
    {
        // One offset signal for the whole change, not one per bar.
        const QSignalBlocker h(horizontalScrollBar());
        const QSignalBlocker v(verticalScrollBar());
        horizontalScrollBar()->setValue(static_cast<int>(std::lround(x * e)) - fijo.x());
        verticalScrollBar()->setValue(static_cast<int>(std::lround(y * e)) - fijo.y());
    }
    horizontalScrollBar()->update();
    verticalScrollBar()->update();
    fijaAlDia_ = false;
    const QPoint desplazamiento = Desplazamiento();
    emit Desplazado(desplazamiento.x(), desplazamiento.y());
    emit NivelCambiado(nivel_);
    viewport()->update();
}

void VentanaDeMesa::CambiaNivel(double nivel) { CambiaNivel(nivel, viewport()->rect().center()); }

void VentanaDeMesa::Acerca() { CambiaNivel(Siguiente(nivel_)); }

void VentanaDeMesa::Aleja() { CambiaNivel(Anterior(nivel_)); }

void VentanaDeMesa::AjustaALaVentana() {
    const QSize cliente = viewport()->size();
    const double cabe = std::min(static_cast<double>(cliente.width()) / kAncho,
                                 static_cast<double>(cliente.height()) / kAlto);
    // Whole per cent, rounded down, so that the last row and column still fit.
    CambiaNivel(std::floor(cabe * Pantalla() * 100.0), QPoint(0, 0));
}

void VentanaDeMesa::AjustaA(QRect enMesa) {
    if (enMesa.isEmpty()) return;
    const QSize cliente = viewport()->size();
    const double cabe = std::min(static_cast<double>(cliente.width()) / enMesa.width(),
                                 static_cast<double>(cliente.height()) / enMesa.height());
    CambiaNivel(std::min(std::floor(cabe * Pantalla() * 100.0), kNiveles.back()), QPoint(0, 0));
    Centra(enMesa.center());
}

void VentanaDeMesa::Dibujante(std::function<void(Lienzo&)> dibuja) {
    dibuja_ = std::move(dibuja);
    Escena({}, {});
    viewport()->update();
}

void VentanaDeMesa::Escena(DibujoPorElementos fija, DibujoPorElementos encima) {
    fija_ = std::move(fija);
    encima_ = std::move(encima);
    encimaGrabado_.clear();
    fijaAlDia_ = false;
    capa_ = fija_ ? std::make_unique<CapaDeMesa>(imagenes_, lienzo_) : nullptr;
    viewport()->update();
}

namespace {
std::vector<ElementoGrabado> Graba(const Imagenes& imagenes,
                                   const VentanaDeMesa::DibujoPorElementos& dibujo) {
    GrabadorDeLienzo grabador(imagenes, QRect(0, 0, VentanaDeMesa::kAncho, VentanaDeMesa::kAlto));
    if (dibujo) dibujo(grabador, [&grabador] { grabador.Corta(); });
    return grabador.Elementos();
}
}  // namespace

QRegion VentanaDeMesa::PonAlDia() {
    if (!capa_) return {};
    QRegion cambiado;
    if (!std::exchange(fijaAlDia_, false)) cambiado = capa_->Actualiza(Graba(imagenes_, fija_));
    std::vector<ElementoGrabado> encima = Graba(imagenes_, encima_);
    cambiado += Diferencia(encimaGrabado_, encima);
    encimaGrabado_ = std::move(encima);
    return cambiado;
}

QRegion VentanaDeMesa::Actualiza() {
    if (!capa_) {
        viewport()->update();
        return QRegion(viewport()->rect());
    }
    const double e = Escala();
    const QPointF barras(horizontalScrollBar()->value(), verticalScrollBar()->value());
    QRegion enVentana;
    fijaAlDia_ = false;
    const QRegion cambiado = PonAlDia();
    for (const QRect& r : cambiado) {
        // A pixel more around: a shrunk view blends each pixel with its neighbours.
        const QRectF escalado(QPointF(r.topLeft()) * e - barras, QSizeF(r.size()) * e);
        enVentana += escalado.toAlignedRect().adjusted(-1, -1, 1, 1);
    }
    enVentana &= viewport()->rect();
    if (!enVentana.isEmpty()) {
        // The repaint asked for comes before anything else can change the circuit.
        fijaAlDia_ = true;
        viewport()->update(enVentana);
    }
    return enVentana;
}

void VentanaDeMesa::Repinta(int l, int t, int r, int b) {
    fijaAlDia_ = false;
    // The rectangle is the workbench's, shifted by the workbench offset.
    const QPoint d = Desplazamiento();
    const double e = Escala();
    const QRectF enMesa = QRectF(QPointF(l + d.x(), t + d.y()), QPointF(r + d.x(), b + d.y())).normalized();
    const QPointF barras(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRectF enVentana(enMesa.topLeft() * e - barras, enMesa.size() * e);
    viewport()->update(enVentana.toAlignedRect());
}

void VentanaDeMesa::Centra(QPoint enMesa) {
    const QPoint aqui = EnVentana(enMesa) - QPoint(viewport()->width() / 2, viewport()->height() / 2);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + aqui.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + aqui.y());
}

void VentanaDeMesa::MuestraLoOcupado() {
    if (!ocupado_) return;
    const QRect ocupado = ocupado_();
    const QRect visible(AMesa(QPoint(0, 0)), AMesa(QPoint(viewport()->width() - 1, viewport()->height() - 1)));
    if (ocupado.isEmpty() || ocupado.intersects(visible)) return;
    // A margin of one scroll line around it.
    const QPoint esquina = EnVentana(ocupado.topLeft() - QPoint(kPasoDeLinea, kPasoDeLinea));
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + esquina.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + esquina.y());
}

void VentanaDeMesa::MuevePunteroA(int x, int y) {
    QCursor::setPos(viewport()->mapToGlobal(EnVentana(QPoint(x, y))));
}

void VentanaDeMesa::AjustaBarras() {
    const double e = Escala();
    Ajusta(horizontalScrollBar(), static_cast<int>(std::ceil(kAncho * e)), viewport()->width(), e);
    Ajusta(verticalScrollBar(), static_cast<int>(std::ceil(kAlto * e)), viewport()->height(), e);
}

void VentanaDeMesa::resizeEvent(QResizeEvent* evento) {
    QAbstractScrollArea::resizeEvent(evento);
    fijaAlDia_ = false;
    AjustaBarras();
    viewport()->update();
}

void VentanaDeMesa::scrollContentsBy(int, int) {
    // The colour bar follows the offset.
    fijaAlDia_ = false;
    const QPoint desplazamiento = Desplazamiento();
    emit Desplazado(desplazamiento.x(), desplazamiento.y());
    viewport()->update();
}

void VentanaDeMesa::DibujaTodo(Lienzo& lienzo) {
    if (capa_) {
        fija_(lienzo, {});
        if (encima_) encima_(lienzo, {});
    } else if (dibuja_) {
        dibuja_(lienzo);
    }
}

// The whole workbench on the canvas: from the kept layer when there is one.
void VentanaDeMesa::DibujaLienzo() {
    if (capa_) {
        PonAlDia();
        lienzo_ = capa_->Imagen();
        LienzoQt lienzo(lienzo_, imagenes_);
        for (const ElementoGrabado& elemento : encimaGrabado_) Reproduce(elemento, lienzo);
        return;
    }
    lienzo_.fill(Qt::white);
    LienzoQt lienzo(lienzo_, imagenes_);
    DibujaTodo(lienzo);
}

// One to one from the kept layer: only the area asked for is composed and copied.
void VentanaDeMesa::PintaConCapa(QPainter& pintor, const QRect& zona) {
    PonAlDia();
    const QPoint d(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRect visible(d, viewport()->size());
    const QRect mostrado = visible.intersected(capa_->Imagen().rect());
    if (mostrado != visible) pintor.fillRect(zona, palette().window());
    const QRect enMesa = zona.translated(d).intersected(mostrado);
    if (enMesa.isEmpty()) return;
    if (marco_.size() != viewport()->size()) marco_ = QImage(viewport()->size(), QImage::Format_RGB32);
    const QRect enMarco = enMesa.translated(-d);
    {
        QPainter copia(&marco_);
        copia.setCompositionMode(QPainter::CompositionMode_Source);
        copia.drawImage(enMarco.topLeft(), capa_->Imagen(), enMesa);
    }
    {
        // The picture is whole once the canvas has ended.
        LienzoQt lienzo(marco_, imagenes_, QTransform::fromTranslate(-d.x(), -d.y()));
        lienzo.Recorta(QRegion(enMesa));
        for (const ElementoGrabado& elemento : encimaGrabado_) {
            if (elemento.area.intersects(enMesa)) Reproduce(elemento, lienzo);
        }
    }
    pintor.drawImage(enMarco.topLeft(), marco_, enMarco);
}

void VentanaDeMesa::paintEvent(QPaintEvent* evento) {
    QPainter pintor(viewport());
    const double pixeles = nivel_ / 100.0;
    if (pixeles == 1.0 && Pantalla() == 1.0 && capa_) {
        PintaConCapa(pintor, evento->rect());
    } else if (pixeles == 1.0 && Pantalla() == 1.0) {
        PintaUnoAUno(pintor);
    } else if (pixeles <= 1.0) {
        PintaReducido(pintor);
    } else {
        PintaAumentado(pintor);
    }
}

void VentanaDeMesa::PintaUnoAUno(QPainter& pintor) {
    DibujaLienzo();
    const QRect visible(Desplazamiento(), viewport()->size());
    const QRect mostrado = visible.intersected(lienzo_.rect());
    // A window larger than the workbench shows plain window colour beyond it.
    if (mostrado != visible) pintor.fillRect(viewport()->rect(), palette().window());
    pintor.drawImage(QPoint(0, 0), lienzo_, mostrado);
}

// Smaller than life: the workbench drawn as ever, then shrunk with filtering, which
// keeps thin lines that dropping pixels would lose.
void VentanaDeMesa::PintaReducido(QPainter& pintor) {
    DibujaLienzo();
    const double e = Escala();
    const QPointF barras(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRectF mesa(-barras, QSizeF(kAncho, kAlto) * e);
    const QRectF visible = mesa.intersected(QRectF(viewport()->rect()));
    if (visible != QRectF(viewport()->rect())) pintor.fillRect(viewport()->rect(), palette().window());
    const QRectF origen((visible.topLeft() + barras) / e, visible.size() / e);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform, true);
    pintor.drawImage(visible, lienzo_, origen);
}

// Larger than life: every line, picture and letter drawn again at the screen's
// resolution, so that nothing is a magnified bitmap.
void VentanaDeMesa::PintaAumentado(QPainter& pintor) {
    const double pantalla = Pantalla();
    const QSize tamano = viewport()->size() * pantalla;
    if (marco_.size() != tamano) marco_ = QImage(tamano, QImage::Format_RGB32);
    const double pixeles = nivel_ / 100.0;
    const QTransform aPantalla(pixeles, 0, 0, pixeles, -horizontalScrollBar()->value() * pantalla,
                               -verticalScrollBar()->value() * pantalla);
    marco_.fill(palette().window().color());
    {
        QPainter fondo(&marco_);
        fondo.fillRect(aPantalla.mapRect(QRectF(0, 0, kAncho, kAlto)), Qt::white);
    }
    {
        LienzoQt lienzo(marco_, imagenes_, aPantalla);
        DibujaTodo(lienzo);
    }
    pintor.drawImage(QRectF(viewport()->rect()), marco_);
}

void VentanaDeMesa::mouseMoveEvent(QMouseEvent* evento) {
    const QPoint enVentana = evento->position().toPoint();
    const QPoint punto = AMesa(enVentana);
    emit PunteroMovido(punto.x(), punto.y());
    const bool cerca = HaciaElBorde(enVentana.x(), viewport()->width()) != 0 ||
                       HaciaElBorde(enVentana.y(), viewport()->height()) != 0;
    if ((evento->buttons() & Qt::LeftButton) && cerca && arrastrando_ && arrastrando_()) {
        ultimoPuntero_ = enVentana;
        if (!autoDesplazamiento_.isActive()) autoDesplazamiento_.start();
    } else {
        autoDesplazamiento_.stop();
    }
}

void VentanaDeMesa::AutoDesplaza() {
    if (!arrastrando_ || !arrastrando_()) {
        autoDesplazamiento_.stop();
        return;
    }
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const QPoint antes(h->value(), v->value());
    h->setValue(h->value() + kPasoDeLinea * HaciaElBorde(ultimoPuntero_.x(), viewport()->width()));
    v->setValue(v->value() + kPasoDeLinea * HaciaElBorde(ultimoPuntero_.y(), viewport()->height()));
    if (QPoint(h->value(), v->value()) == antes) return;
    // The pointer stays where it is on the screen: over a new workbench point.
    const QPoint punto = AMesa(ultimoPuntero_);
    emit PunteroMovido(punto.x(), punto.y());
}

void VentanaDeMesa::ModoSonda(bool activo) {
    if (activo == modoSonda_) return;
    modoSonda_ = activo;
    if (activo) viewport()->setCursor(Qt::CrossCursor);
    else viewport()->unsetCursor();
    emit ModoSondaCambiado(activo);
}

void VentanaDeMesa::mousePressEvent(QMouseEvent* evento) {
    const QPoint punto = AMesa(evento->position().toPoint());
    if (evento->button() == Qt::LeftButton) {
        const bool sondeable = !sondaAdmite_ || sondaAdmite_(punto.x(), punto.y());
        sondeando_ = (modoSonda_ && sondeable) || evento->modifiers().testFlag(Qt::ControlModifier);
        if (sondeando_) emit SondaPulsada(punto.x(), punto.y());
        else if (evento->modifiers().testFlag(Qt::ShiftModifier)) emit MayusculasPulsado(punto.x(), punto.y());
        else emit IzquierdoPulsado(punto.x(), punto.y());
    }
    if (evento->button() == Qt::RightButton) emit DerechoPulsado(punto.x(), punto.y());
}

void VentanaDeMesa::mouseReleaseEvent(QMouseEvent* evento) {
    const QPoint punto = AMesa(evento->position().toPoint());
    if (evento->button() != Qt::LeftButton) return;
    autoDesplazamiento_.stop();
    if (sondeando_) sondeando_ = false;
    else emit IzquierdoSoltado(punto.x(), punto.y());
}

void VentanaDeMesa::wheelEvent(QWheelEvent* evento) {
    if (!(evento->modifiers() & Qt::ControlModifier)) {
        ruedaAcumulada_ = 0;
        QAbstractScrollArea::wheelEvent(evento);
        return;
    }
    // Fine-grained wheels send small steps: one level per whole notch.
    ruedaAcumulada_ += evento->angleDelta().y();
    const QPoint fijo = evento->position().toPoint();
    for (; ruedaAcumulada_ >= kMuesca; ruedaAcumulada_ -= kMuesca) CambiaNivel(Siguiente(nivel_), fijo);
    for (; ruedaAcumulada_ <= -kMuesca; ruedaAcumulada_ += kMuesca) CambiaNivel(Anterior(nivel_), fijo);
    evento->accept();
}

}  // namespace velistra

namespace velistra {

void VentanaDeMesa::leaveEvent(QEvent* evento) {
    QAbstractScrollArea::leaveEvent(evento);
    emit PunteroFuera();
}

}  // namespace velistra
