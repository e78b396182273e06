#pragma once
// The workbench window: a fixed 2000 x 1500 workbench drawn off screen on every
// repaint and shown scrolled by the offset. Scroll lines move 20 pixels and pages
// 100; the offset never passes the workbench's far edge nor goes below 0.
#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>
#include <functional>

#include "plataforma/Ventana.h"

namespace velistra {

class Imagenes;
class Lienzo;

class VentanaDeMesa : public QAbstractScrollArea, public Ventana {
    Q_OBJECT
public:
    static constexpr int kAncho = 2000;
    static constexpr int kAlto = 1500;
    static constexpr int kPasoDeLinea = 20;
    static constexpr int kPasoDePagina = 100;

    explicit VentanaDeMesa(const Imagenes& imagenes, QWidget* padre = nullptr);

    // The workbench point shown at the window's top-left corner.
    QPoint Desplazamiento() const;
    // Window point -> workbench point.
    QPoint AMesa(QPoint enVentana) const { return enVentana + Desplazamiento(); }

    // Draws the workbench's content over the white canvas on every repaint.
    void Dibujante(std::function<void(Lienzo&)> dibuja);

    // Repaint a rectangle given in window coordinates.
    void Repinta(int l, int t, int r, int b) override;

    // Puts the mouse pointer over a workbench point (a wire end snapping to a port).
    void MuevePunteroA(int x, int y);

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

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

private:
    void AjustaBarras();

    const Imagenes& imagenes_;
    QImage lienzo_;
    std::function<void(Lienzo&)> dibuja_;
};

}  // namespace velistra
