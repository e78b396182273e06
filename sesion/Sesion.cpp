#include "sesion/Sesion.h"

namespace velistra {

Sesion::Sesion(Avisos& avisos, Dialogos& dialogos, Ventana* ventana)
    : mesa(avisos), editor(mesa, ventana), comandos(mesa, dialogos) {
    mesa.InicializaMesa();
}

ResultadoDelRaton Sesion::Anota(const ResultadoDelRaton& r) {
    if (r.modificado) comandos.MarcaModificado();
    return r;
}

ResultadoDeComando Sesion::Ejecuta(int id) {
    // A command may replace the workbench: nothing the mouse holds may outlive it.
    Anota(editor.TerminaAccion());
    return comandos.Ejecuta(id);
}

bool Sesion::PuedeCerrar() {
    Anota(editor.TerminaAccion());
    return comandos.PuedeCerrar();
}

bool Sesion::Tic() {
    const Punto desplazamiento = editor.Desplazamiento();
    return comandos.Tic(desplazamiento.x, desplazamiento.y);
}

}  // namespace velistra
