#pragma once
// The classic timing diagram of the logic analyser: one row per channel, high, low and
// floating drawn apart, a time axis in ticks and seconds, and a cursor that reads every
// channel at its time. The painter is shared by the dock, the PNG and the report.
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <optional>

class QPainter;

namespace velistra {

class AnalizadorLogico;

struct VistaDeTiempos {
    // The time at the left edge of the traces, in microseconds.
    std::int64_t inicio = 0;
    double microsegundosPorPunto = 47000.0 / 4;
    std::optional<std::int64_t> cursor;
    // The row of the selected channel, shaded.
    int seleccionado = -1;
};

namespace diagrama {
inline constexpr int kAnchoDeNombres = 110;
inline constexpr int kAltoDelEje = 34;
inline constexpr int kAltoDeFila = 26;
inline constexpr QRgb kColorAlto = 0x00A000;
inline constexpr QRgb kColorBajo = 0x006000;
inline constexpr QRgb kColorAlAire = 0xD08000;
}  // namespace diagrama

// Draws the diagram in `area` with the painter's font.
void PintaDiagrama(QPainter& pintor, QRect area, const AnalizadorLogico& analizador,
                   const VistaDeTiempos& vista);
// The height the diagram needs for its channels.
int AltoDelDiagrama(const AnalizadorLogico& analizador);
// "77,1 s", or "77.1 s" in English: a time on the axis and under the cursor.
QString TextoDeTiempo(std::int64_t microsegundos, int decimales);
// The view that fits the whole record into `ancho` pixels.
VistaDeTiempos VistaCompleta(const AnalizadorLogico& analizador, int ancho);

class DiagramaDeTiempos : public QWidget {
    Q_OBJECT
public:
    explicit DiagramaDeTiempos(const AnalizadorLogico& analizador, QWidget* padre = nullptr);

    VistaDeTiempos& Vista() { return vista_; }
    const VistaDeTiempos& Vista() const { return vista_; }
    // The channel on that row of the widget, or -1.
    int CanalEn(int y) const;
    // The time under an x of the widget.
    std::int64_t TiempoEn(int x) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void CanalElegido(int canal);
    void CanalParaRenombrar(int canal);
    // Ctrl + wheel: positive to zoom in, around that time.
    void ZoomPedido(int pasos, std::int64_t alrededor);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;

private:
    const AnalizadorLogico& analizador_;
    VistaDeTiempos vista_;
};

}  // namespace velistra
