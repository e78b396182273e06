#pragma once
// The "Patillaje" dock: the pinout of one chip and, while the supply is on, the level
// every pin carries, read from the hole it sits in (what a probe there would show).
#include <QDockWidget>
#include <string>

class QLabel;

namespace velistra {

class Componente;

// The level of every pin of a placed chip, pin 1 first ('0', '1', 'Z', ' ' off the
// breadboard); empty while the supply is off.
std::string NivelesDePatillas(const Componente& chip, bool encendida);

// The chip's name and its one-line description, for headings.
QString NombreDeChip(int codigoDeCatalogo);
QString DescripcionDeChipQt(int codigoDeCatalogo);

class PanelDePatillaje : public QDockWidget {
    Q_OBJECT
public:
    explicit PanelDePatillaje(QWidget* padre = nullptr);

    // Shows that chip; null leaves the panel empty.
    void Muestra(const Componente* chip, bool encendida);

    // What is shown: the chip's code (0: none) and its levels.
    int Codigo() const { return codigo_; }
    const std::string& Niveles() const { return niveles_; }
    QString Titulo() const;
    QString Aviso() const;
    QLabel& Dibujo() const { return *dibujo_; }

private:
    QLabel* titulo_;
    QLabel* descripcion_;
    QLabel* dibujo_;
    QLabel* aviso_;
    int codigo_ = -1;
    std::string niveles_;
    bool enchufado_ = false;
    bool encendida_ = false;
};

}  // namespace velistra
