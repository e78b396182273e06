#pragma once
// What the main window asks of whoever runs the workbench. Plain C++, no Qt.

namespace velistra {

class ManejadorDeComandos {
public:
    virtual ~ManejadorDeComandos() = default;

    // A menu or toolbar command by id (see sesion/TablaDeComandos.h); chips come as their
    // catalogue codes. Commands the window answers for itself (help, exit, zoom, panels,
    // dialogs) never come here.
    virtual void Comando(int id) = 0;

    // The window is asked to close (close box, system menu or exit). Answer false to
    // keep it open (supply on, save cancelled or failed); on true it closes and the
    // timer stops, so clear the workbench before answering.
    virtual bool PuedeCerrar() { return true; }

    // The periodic 47 ms timer.
    virtual void Tic() {}
};

}  // namespace velistra
