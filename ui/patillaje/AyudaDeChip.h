#pragma once
// The tooltip of a chip on the workbench: its name, what it is and its pinout.
#include <QFrame>

class QLabel;

namespace velistra {

class AyudaDeChip : public QFrame {
    Q_OBJECT
public:
    explicit AyudaDeChip(QWidget* padre = nullptr);

    // Shows the chip's tooltip with its top-left corner at a screen point.
    void MuestraEn(int codigoDeCatalogo, QPoint global);
    int Codigo() const { return codigo_; }
    QString Texto() const;

private:
    QLabel* texto_;
    QLabel* dibujo_;
    int codigo_ = 0;
};

}  // namespace velistra
