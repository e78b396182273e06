#include <utility>

#include "tableros/Fabrica.h"
#include "persistencia/RegistrosDeCircuito.h"
#include "simulacion/Mesa.h"

namespace velistra {

Cable CableDeRegistro(const RegistroDeCable& r) {
    Cable cable;
    cable.Color(r.color);
    cable.Anchura(r.anchura);
    cable.Puntos(r.puntos);
    cable.TableroA(r.tableroA);
    cable.TableroB(r.tableroB);
    return cable;
}

Componente ComponenteDeRegistro(const RegistroDeComponente& r) {
    Componente chip;
    chip.Codigo(r.codigo);
    chip.Etiqueta(r.etiqueta);
    chip.NumeroDePines(r.pines);
    chip.UbicaEn(r.ubicacion);
    chip.Desplazamiento(r.desplazamiento);
    chip.CentroDeCasilla(r.centroDeCasilla);
    chip.NumeroDeProtoboard(r.protoboard);
    return chip;
}

void ReconstruyeCircuito(Mesa& mesa, const CircuitoLeido& circuito) {
    MontajeLeido montaje;
    montaje.tableros.reserve(circuito.tableros.size());
    montaje.cables.reserve(circuito.cables.size());
    for (const RegistroDeTablero& r : circuito.tableros)
        montaje.tableros.push_back({CreaTablero(r.tipo), r.x, r.y, r.anchura, r.altura, r.identificador});
    montaje.temporizadorVisible = circuito.temporizadorVisible;
    for (const RegistroDeCable& r : circuito.cables) montaje.cables.push_back(CableDeRegistro(r));
    montaje.componentes = [&circuito](Componentes& componentes) {
        for (const RegistroDeComponente& r : circuito.componentes) componentes.Agrega(ComponenteDeRegistro(r));
    };
    mesa.Reconstruye(std::move(montaje));
}

}  // namespace velistra
