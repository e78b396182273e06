#include "sesion/LecturasDeLaMesa.h"

#include <chrono>

#include "plataforma/CatalogoDeTextos.h"
#include "sesion/Recuperacion.h"
#include "sesion/Sesion.h"
#include "simulacion/LazosAlLimite.h"
#include "simulacion/Sonda.h"

namespace velistra {

bool ModuloEncendido(const Sesion& sesion) { return sesion.mesa.bON(); }

std::optional<int> NodoEn(Sesion& sesion, Punto punto) {
    const std::optional<LecturaDeSonda> lectura = Sondea(sesion.mesa, punto.x, punto.y);
    if (!lectura) return std::nullopt;
    return lectura->nodo;
}

Mensaje MensajeDeEstado(Sesion& sesion, std::optional<Punto> puntero) {
    Mesa& mesa = sesion.mesa;
    if (puntero) {
        if (const std::optional<LecturaDeSonda> lectura = Sondea(mesa, puntero->x, puntero->y))
            return MensajeDeSonda(*lectura);
    }
    if (mesa.SinAsentar()) return MensajeDeRealimentacion(mesa.componentes(), mesa.Lazos());
    return Mensaje::Literal("");
}

std::string TextoDeEstado(Sesion& sesion, std::optional<Punto> puntero,
                          const std::function<std::string(const char*)>& traduce) {
    const auto plantilla = [&traduce](const std::string& espanol) {
        return traduce ? traduce(espanol.c_str()) : espanol;
    };
    return Formatea(MensajeDeEstado(sesion, puntero), Idioma::Espanol, plantilla);
}

std::optional<int> ChipVisibleEn(const Sesion& sesion, Punto punto) {
    const Componentes& chips = sesion.mesa.componentes();
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
