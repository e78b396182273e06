#pragma once
// The program's frame: menus, toolbar, the workbench window, the status bar and the
// 47 ms timer. Commands go by id to the ManejadorDeComandos; help and exit are
// handled here.
#include <QMainWindow>
#include <QTimer>

namespace velistra {

class BarraDeEstado;
class BarraDeHerramientas;
class Imagenes;
class ManejadorDeComandos;
class VentanaDeMesa;

class VentanaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kPeriodoDelTemporizador = 47;

    explicit VentanaPrincipal(const Imagenes& imagenes, QWidget* padre = nullptr);

    // Who carries out the commands; may be null (then only help and exit work).
    void Manejador(ManejadorDeComandos* manejador) { manejador_ = manejador; }

    VentanaDeMesa& Mesa() const { return *mesa_; }
    BarraDeEstado& Estado() const { return *estado_; }
    BarraDeHerramientas& Herramientas() const { return *herramientas_; }

    // Carries out a menu or toolbar command.
    void Despacha(int id);
    // The help dialog, modally.
    void MuestraAyuda();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    ManejadorDeComandos* manejador_ = nullptr;
    VentanaDeMesa* mesa_;
    BarraDeEstado* estado_;
    BarraDeHerramientas* herramientas_;
    QTimer temporizador_;
};

}  // namespace velistra
