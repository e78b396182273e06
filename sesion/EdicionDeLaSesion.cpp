// The edit menu's commands over the selection, each one step of the history.
#include "sesion/CodigosDeComando.h"
#include "sesion/EdicionDeGrupo.h"
#include "sesion/Sesion.h"
#include "sesion/TablaDeComandos.h"

namespace velistra {

bool Sesion::EsDeSeleccion(int id) {
    return id == comandos::kCortar || id == comandos::kCopiar || id == comandos::kPegar ||
           id == comandos::kBorrarSeleccion || id == comandos::kSeleccionarTodo;
}

ResultadoDeComando Sesion::EditaSeleccion(int id) {
    Seleccion& seleccion = editor.LaSeleccion();
    if (id == comandos::kSeleccionarTodo) {
        seleccion = SeleccionDeTodo(mesa);
        return {.repintar = true};
    }
    if (id == comandos::kCopiar) {
        if (const std::string texto = TextoDeSeleccion(mesa, seleccion); !texto.empty())
            portapapeles->PonTexto(texto);
        return {};
    }
    if (comandos.RechazaEncendido(FilaDeComandoDe(id)->rechazoEncendido)) return {};
    if (id == comandos::kPegar) {
        std::optional<Seleccion> pegado = PegaCircuito(mesa, portapapeles->Texto());
        if (!pegado || pegado->Vacia()) return {};
        // What came in stays selected, ready to be dragged into place.
        seleccion = std::move(*pegado);
    } else {
        if (seleccion.Vacia()) return {};
        if (const std::string texto = TextoDeSeleccion(mesa, seleccion); id == comandos::kCortar && !texto.empty())
            portapapeles->PonTexto(texto);
        BorraSeleccion(mesa, seleccion);
        seleccion = {};
    }
    comandos.MarcaModificado();
    Sincroniza();
    return {.repintar = true};
}

}  // namespace velistra
