#pragma once
// Four parts; their right edges lie 210, 140 and 100 pixels from the right border and
// at the border. The last shows the pointer's workbench position.
#include <QStatusBar>
#include <array>

class QLabel;

namespace velistra {

class BarraDeEstado : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPartes = 4;

    explicit BarraDeEstado(QWidget* padre = nullptr);

    QLabel& Parte(int i) const { return *partes_[static_cast<std::size_t>(i)]; }

public slots:
    // "(x, y)" in the last part.
    void MuestraPosicion(int x, int y);
    // The probe's reading or the circuit's state, in the first part; empty clears it.
    void MuestraSonda(const QString& texto);
    // Why the workbench refused the last action, over the first part until QuitaRechazo.
    void MuestraRechazo(const QString& texto);
    void QuitaRechazo();
    // The mode that changes what a click does, in the second part; empty: none. It
    // outlives a resize, as the mode does.
    void MuestraModo(const QString& nombre, const QString& ayuda);

protected:
    // Every resize clears all four texts.
    void resizeEvent(QResizeEvent* evento) override;

private:
    std::array<QLabel*, kPartes> partes_{};
    QString modo_;
};

}  // namespace velistra
