#pragma once
// The program's frame: menus, toolbar, the workbench window, the status bar and the
// 47 ms timer. Menus and toolbar come from the command table; a command goes to the
// window's own handler for it (help, exit, zoom, panels, dialogs) or, when it has
// none, by id to the ManejadorDeComandos.
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "ui/ventana/Menus.h"

class QDockWidget;

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
    ~VentanaPrincipal() override;

    // Who carries out the commands; may be null (then only the window's own work).
    void Manejador(ManejadorDeComandos* manejador) { manejador_ = manejador; }

    VentanaDeMesa& Mesa() const { return *mesa_; }
    BarraDeEstado& Estado() const { return *estado_; }
    BarraDeHerramientas& Herramientas() const { return *herramientas_; }
    MenusDeLaVentana& Menus() const { return *menus_; }

    // The window carries out command `id` itself with `manejador`; its menu item shows.
    void Atiende(int id, std::function<void()> manejador);
    // Command `id` shows and hides `panel`, its checkable item following the panel.
    void AtiendePanel(int id, QDockWidget& panel);
    // Greys out, or not, every item and button of a command.
    void Habilita(int id, bool habilitado);

    // Carries out a menu or toolbar command.
    void Despacha(int id);
    // The help dialog, modally.
    void MuestraAyuda();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    ManejadorDeComandos* manejador_ = nullptr;
    std::map<int, std::function<void()>> manejadores_;
    std::unique_ptr<MenusDeLaVentana> menus_;
    VentanaDeMesa* mesa_;
    BarraDeEstado* estado_;
    BarraDeHerramientas* herramientas_;
    QTimer temporizador_;
};

}  // namespace velistra
