#pragma once
// Several parts of the workbench taken together, to move, copy or delete them at once:
// boards by identifier, chips and wires by their place in their lists. Any change of
// the lists other than a group's own drops the selection.
#include <cstddef>
#include <optional>
#include <vector>

#include "sesion/PiezasDeLaMesa.h"

namespace velistra {

class Lienzo;
class Mesa;

struct Seleccion {
    std::vector<int> tableros;
    std::vector<std::size_t> chips;
    std::vector<std::size_t> cables;

    bool Vacia() const { return tableros.empty() && chips.empty() && cables.empty(); }
    bool TieneTablero(int identificador) const;
    bool TieneChip(std::size_t i) const;
    bool TieneCable(std::size_t i) const;
};

// The parts that lie wholly inside the area (boards on view only).
Seleccion SeleccionEn(const Mesa& mesa, const Area& area);
Seleccion SeleccionDeTodo(const Mesa& mesa);
// A board's handle, a chip or a wire under the point joins the selection, or leaves it
// when it was in; false when there is none.
bool AlternaEn(Mesa& mesa, Seleccion& seleccion, int x, int y);
// A board by its handle or a chip by its body that a press under the point would take.
bool AgarraSeleccion(Mesa& mesa, const Seleccion& seleccion, int x, int y);

// Frames around the selected parts, and the band being drawn, if any.
void PintaSeleccion(const Mesa& mesa, const Seleccion& seleccion, const std::optional<Area>& banda,
                    Lienzo& lienzo);

}  // namespace velistra
