#pragma once
// The mouse over several parts: a band drawn from free workbench space selects what it
// encloses, and a press on a selected board's handle or a selected chip moves the whole
// selection, one step of the history when it is let go.
#include <optional>

#include "modelo/Punto.h"
#include "sesion/Seleccion.h"

namespace velistra {

class Mesa;
struct ResultadoDelRaton;

class SeleccionConElRaton {
public:
    explicit SeleccionConElRaton(Mesa& mesa) : mesa(mesa) {}

    Seleccion seleccion;

    // A press on a selected part takes the whole selection (refused while the supply is
    // on); false when the press is not the selection's.
    bool Agarra(int x, int y, ResultadoDelRaton& r);
    // No board on view, no chip and no wire under the point.
    bool EsEspacioLibre(int x, int y) const;
    // A press on free space: the band starts with the first move of the held button, so a
    // bare click is no action under way.
    void IniciaBanda(int x, int y);
    // A band not yet drawn is dropped (its release was lost).
    void OlvidaBanda() { origen.reset(); }
    // The band or the selection follows the pointer; false when neither is under way.
    bool Mueve(int x, int y);
    // Ends the band (its parts become the selection) or the move.
    bool Suelta(int x, int y, ResultadoDelRaton& r);
    bool EnCurso() const { return banda.has_value() || moviendo; }
    std::optional<Area> Banda() const;

private:
    Mesa& mesa;
    std::optional<Punto> origen;
    std::optional<Punto> banda;
    Punto punta;
    bool moviendo = false;
    Punto ultimo;
    Punto recorrido;
};

}  // namespace velistra
