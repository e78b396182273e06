#include <algorithm>

#include "tableros/Fabrica.h"
#include "tableros/TableroDeTemporizadores.h"
#include "persistencia/RegistrosDeCircuito.h"
#include "simulacion/Mesa.h"

namespace velistra {

namespace {

void ReconstruyeTableros(Mesa& mesa, const std::vector<RegistroDeTablero>& tableros) {
    mesa.nodoBase() = 0;
    mesa.nIdentificador() = 0;
    for (const RegistroDeTablero& r : tableros) {
        std::unique_ptr<Tablero> t = CreaTablero(r.tipo);
        // Nodes are handed out afresh in file order; the stored base is not trusted.
        t->Define(r.x, r.y, r.anchura, r.altura, mesa.nodoBase(), r.identificador);
        // The pictures set the size again; only the PLA board, which has none, keeps
        // the stored one.
        ColocaImagenes(*t);
        mesa.nodoBase() += NodosDeTablero(r.tipo);
        // Boards added later must not reuse an identifier of the file.
        mesa.nIdentificador() = std::max(mesa.nIdentificador(), r.identificador);
        if (r.tipo == Tablero::kFuenteDC) mesa.fuentedc() = t.get();
        if (r.tipo == Tablero::kTemporizadores) mesa.reloj() = t.get();
        mesa.tablero().push_back(std::move(t));
    }
}

// A wire is kept as drawn even when it cannot be joined: its ends on no port, on a port
// already taken, or on two ports of one net (joining those would close a loop).
void ReconstruyeCables(Mesa& mesa, const std::vector<RegistroDeCable>& cables) {
    for (const RegistroDeCable& r : cables) {
        const Cable cable = CableDeRegistro(r);
        mesa.ConectaPuertos(mesa.PuertoEn(cable.AX(), cable.AY()).puerto,
                            mesa.PuertoEn(cable.BX(), cable.BY()).puerto);
        mesa.cables().Agrega(cable);
    }
}

void ReconstruyeComponentes(Mesa& mesa, const std::vector<RegistroDeComponente>& componentes) {
    for (const RegistroDeComponente& r : componentes) {
        mesa.componentes().Agrega(ComponenteDeRegistro(r));
    }
    mesa.componentes().Recarga();
    // As when each is dropped: a chip follows the breadboard that holds its pins.
    for (Componente& chip : mesa.componentes()) mesa.EnchufaComponente(chip);
}

}  // namespace

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
    mesa.LimpiaMesa();
    ReconstruyeTableros(mesa, circuito.tableros);
    // Before the wires: a hidden timer board offers them no terminal.
    if (auto* temporizador = dynamic_cast<TableroDeTemporizadores*>(mesa.reloj())) {
        if (circuito.temporizadorVisible)
            temporizador->Muestra();
        else
            temporizador->Oculta();
    }
    ReconstruyeCables(mesa, circuito.cables);
    ReconstruyeComponentes(mesa, circuito.componentes);
    mesa.bON() = false;
}

}  // namespace velistra
