#pragma once
// The workbench window: a fixed 2000 x 1500 workbench shown scrolled by the offset and
// at a zoom level. Scroll lines move 20 workbench points and pages 100; the offset never
// passes the workbench's far edge nor goes below 0. Every signal and every point the
// window is given is in workbench coordinates, whatever the level.
#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <array>
#include <QRegion>
#include <functional>
#include <memory>
#include <vector>

#include "plataforma/Ventana.h"

namespace velistra {

class CapaDeMesa;
class Imagenes;
struct ElementoGrabado;
class Lienzo;

class VentanaDeMesa : public QAbstractScrollArea, public Ventana {
    Q_OBJECT
public:
    static constexpr int kAncho = 2000;
    static constexpr int kAlto = 1500;
    static constexpr int kPasoDeLinea = 20;
    static constexpr int kPasoDePagina = 100;

    explicit VentanaDeMesa(const Imagenes& imagenes, QWidget* padre = nullptr);
    ~VentanaDeMesa() override;

    // The workbench point shown at the window's top-left corner.
    QPoint Desplazamiento() const;
    // Window point -> the workbench point under it.
    QPoint AMesa(QPoint enVentana) const;
    // Workbench point -> the window point over the middle of that workbench pixel.
    QPoint EnVentana(QPoint enMesa) const;

    // Screen pixels per 100 workbench pixels (100: one to one; on a screen of pixel
    // ratio 2, 200 shows the workbench at the size a ratio-1 screen shows it at 100).
    double Nivel() const { return nivel_; }
    // Changes the level keeping the workbench point under `fijo` (a window point) in place.
    void CambiaNivel(double nivel, QPoint fijo);
    void CambiaNivel(double nivel);
    // The levels of the "Ver" menu, in per cent.
    static constexpr std::array<double, 6> kNiveles{50, 75, 100, 150, 200, 300};
    // The next level of the list above or below the current one.
    void Acerca();
    void Aleja();
    // The level that shows the whole workbench in the window.
    void AjustaALaVentana();
    // The level and offset that show this workbench area whole, as large as the window
    // allows (never past the largest level of the menu).
    void AjustaA(QRect enMesa);

    // Draws the workbench's content over the white canvas on every repaint.
    void Dibujante(std::function<void(Lienzo&)> dibuja);

    // A drawing in items; `corta` separates them.
    using DibujoPorElementos = std::function<void(Lienzo& lienzo, const std::function<void()>& corta)>;
    // Draws the workbench in two layers instead: `fija` is kept between repaints and only
    // its items that changed are drawn again; `encima` goes over it on every repaint (the
    // lamps, marks of the moment). Takes the place of the Dibujante.
    void Escena(DibujoPorElementos fija, DibujoPorElementos encima);
    // Repaints what changed since the last repaint; answers that area, in window points.
    // Whatever changes what the kept layer draws asks for its repaint here (or through
    // Repinta), not with a bare update of the viewport.
    QRegion Actualiza();

    // While this answers true, a held left button near an edge scrolls the window (a
    // board, chip or wire end being dragged) and the drag follows with pointer moves.
    void Arrastrando(std::function<bool()> arrastrando) { arrastrando_ = std::move(arrastrando); }

    // Repaint a rectangle given in window coordinates.
    void Repinta(int l, int t, int r, int b) override;

    // Window points per workbench pixel.
    double Escala() const;

    // The workbench area the circuit takes, for MuestraLoOcupado.
    void Ocupado(std::function<QRect()> ocupado) { ocupado_ = std::move(ocupado); }
    // When nothing of the circuit is in view (another level, another file), scrolls its
    // top-left corner into the window's.
    void MuestraLoOcupado();

    // Scrolls the workbench point as near to the window's middle as the edges allow.
    void Centra(QPoint enMesa);

    // Puts the mouse pointer over a workbench point (a wire end snapping to a port).
    void MuevePunteroA(int x, int y);

    // With the probe on, a left click on a point it can read (always a Ctrl+click) asks
    // for a channel of the logic analyser instead of operating the workbench; every other
    // click, the supply switch's first, works as ever. The pointer shows the mode.
    void ModoSonda(bool activo);
    bool ModoSonda() const { return modoSonda_; }
    // Whether the probe can read the workbench point; without it, every point.
    void SondaAdmite(std::function<bool(int x, int y)> admite) { sondaAdmite_ = std::move(admite); }

signals:
    // The pointer moved to this workbench point.
    void PunteroMovido(int x, int y);
    // The pointer left the window.
    void PunteroFuera();
    // The offset changed.
    void Desplazado(int x, int y);
    // Mouse buttons, at workbench points. While the left button is held the window
    // keeps the mouse, so the release arrives even outside it.
    void IzquierdoPulsado(int x, int y);
    void IzquierdoSoltado(int x, int y);
    void DerechoPulsado(int x, int y);
    // A left press with Shift held: the part under it joins or leaves the selection.
    void MayusculasPulsado(int x, int y);
    // A probe click, at a workbench point.
    void SondaPulsada(int x, int y);
    // The zoom level changed.
    void NivelCambiado(double nivel);
    // The probe mode went on or off.
    void ModoSondaCambiado(bool activo);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

private:
    double Pantalla() const;
    void AjustaBarras();
    void PintaUnoAUno(QPainter& pintor);
    void PintaReducido(QPainter& pintor);
    void PintaAumentado(QPainter& pintor);
    void DibujaLienzo();
    void DibujaTodo(Lienzo& lienzo);
    // Records both layers, brings the kept one up to date; answers the workbench area
    // that changed.
    QRegion PonAlDia();
    void PintaConCapa(QPainter& pintor, const QRect& zona);
    void AutoDesplaza();

    const Imagenes& imagenes_;
    QImage lienzo_;
    QImage marco_;
    std::function<void(Lienzo&)> dibuja_;
    bool modoSonda_ = false;
    std::function<bool(int, int)> sondaAdmite_;
    // The left button went down as a probe: its release is not the workbench's either.
    bool sondeando_ = false;
    DibujoPorElementos fija_;
    DibujoPorElementos encima_;
    std::unique_ptr<CapaDeMesa> capa_;
    std::vector<ElementoGrabado> encimaGrabado_;
    // The kept layer was just brought up to date by Actualiza: the repaint it asked for
    // need not record it again.
    bool fijaAlDia_ = false;
    std::function<bool()> arrastrando_;
    std::function<QRect()> ocupado_;
    double nivel_ = 100;
    int ruedaAcumulada_ = 0;
    QPoint ultimoPuntero_;
    QTimer autoDesplazamiento_;
};

}  // namespace velistra
