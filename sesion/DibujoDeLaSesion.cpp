// The workbench's picture for every shell, in the order the desktop keeps its layers.
#include "sesion/PintaMesa.h"
#include "sesion/Seleccion.h"
#include "sesion/Sesion.h"
#include "sesion/Superposiciones.h"

namespace velistra {

void Sesion::PintaFija(Lienzo& lienzo, const std::function<void()>& corta) {
    PintaCapaFija(mesa, lienzo, corta);
}

void Sesion::PintaEncima(Lienzo& lienzo, std::optional<Punto> puntero,
                         const std::function<void()>& corta) {
    PintaLuces(mesa, lienzo, corta);
    // Marks of the moment go after the lamps: they are never part of a kept layer.
    PintaLazos(mesa, lienzo);
    PintaRedSondeada(mesa, puntero, lienzo);
    PintaSeleccion(mesa, editor.LaSeleccion(), editor.Banda(), lienzo);
}

void Sesion::Pinta(Lienzo& lienzo, std::optional<Punto> puntero) {
    PintaFija(lienzo);
    PintaEncima(lienzo, puntero);
}

}  // namespace velistra
