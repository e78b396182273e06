#pragma once
// What the main window asks of whoever runs the workbench. Plain C++, no Qt.

namespace velistra {

class ManejadorDeComandos {
public:
    virtual ~ManejadorDeComandos() = default;

    // A menu or toolbar command by id (see simulacion/CodigosDeComando.h); chips come as their
    // catalogue codes. Help (300) and exit (905) are handled by the window itself.
    virtual void Comando(int id) = 0;

    // The window is asked to close (close box, system menu or exit). Answer false to
    // keep it open (supply on, save cancelled or failed); on true it closes and the
    // timer stops, so clear the workbench before answering.
    virtual bool PuedeCerrar() { return true; }

    // The periodic 47 ms timer.
    virtual void Tic() {}
};

}  // namespace velistra
