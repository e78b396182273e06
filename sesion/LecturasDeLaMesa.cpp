#include "sesion/LecturasDeLaMesa.h"

#include <chrono>

#include "sesion/Recuperacion.h"
#include "sesion/Sesion.h"
#include "simulacion/LazosAlLimite.h"
#include "simulacion/Sonda.h"

namespace velistra {

bool ModuloEncendido(const Sesion& sesion) { return sesion.mesa.bON; }

std::optional<int> NodoEn(Sesion& sesion, Punto punto) {
    const std::optional<LecturaDeSonda> lectura = Sondea(sesion.mesa, punto.x, punto.y);
    if (!lectura) return std::nullopt;
    return lectura->nodo;
}

std::string TextoDeEstado(Sesion& sesion, std::optional<Punto> puntero,
                          const std::function<std::string(const char*)>& traduce) {
    Mesa& mesa = sesion.mesa;
    if (puntero) {
        if (const std::optional<LecturaDeSonda> lectura = Sondea(mesa, puntero->x, puntero->y))
            return TextoDeSonda(*lectura, traduce);
    }
    if (mesa.SinAsentar()) return TextoDeRealimentacion(mesa.componentes, mesa.Lazos());
    return {};
}

std::optional<int> ChipVisibleEn(const Sesion& sesion, Punto punto) {
    const Componentes& chips = sesion.mesa.componentes;
    for (std::size_t i = chips.size(); i-- > 0;) {
        const Componente& chip = chips[i];
        const Punto u = chip.Ubicacion();
        if (punto.x >= u.x && punto.x < u.x + chip.Anchura() && punto.y >= u.y &&
            punto.y < u.y + chip.Altura())
            return static_cast<int>(chip.Codigo());
    }
    return std::nullopt;
}

void RevisaCopia(Recuperacion& recuperacion, const Sesion& sesion) {
    recuperacion.Revisa(sesion.mesa, sesion.comandos, std::chrono::steady_clock::now());
}

bool RecuperaCopia(Recuperacion& recuperacion, Sesion& sesion) {
    return recuperacion.Recupera(sesion.mesa, sesion.comandos);
}

}  // namespace velistra
