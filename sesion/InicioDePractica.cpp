#include "sesion/InicioDePractica.h"

#include "docencia/Practica.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/Mensajes.h"
#include "sesion/Sesion.h"

namespace velistra {

ResultadoDeComando EmpiezaPractica(Sesion& sesion, const docencia::Practica& practica) {
    if (sesion.comandos.RechazaEncendido(mensajes::kApagueAntesDeNuevo)) return {};
    ResultadoDeComando r = sesion.Ejecuta(comandos::kNuevo);
    // Still holding a changed circuit: the user cancelled the save question.
    if (!sesion.comandos.EsNuevo() || sesion.comandos.Modificado()) return r;
    if (!practica.inicio.empty() && sesion.comandos.RecuperaCopia(practica.inicio, "")) {
        // Another circuit: its own history.
        sesion.Sincroniza();
        r.repintar = true;
    }
    return r;
}

}  // namespace velistra
