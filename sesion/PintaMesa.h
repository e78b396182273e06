#pragma once
// The workbench's picture, later items over earlier ones: boards in list order, the
// chips, the colour bar and the wires, then the lit lamps once more over the wires.
#include <functional>

namespace velistra {

class Lienzo;
class Mesa;

// What a repaint may keep from the one before, item by item: `corta`, when given, is
// called between items (each board, each chip, the colour bar, each wire).
void PintaCapaFija(Mesa& mesa, Lienzo& lienzo, const std::function<void()>& corta = {});

// The lit lamps of every board that no later board and no chip covers, so that the
// wires crossing them are the only thing that moves below them.
void PintaLuces(Mesa& mesa, Lienzo& lienzo, const std::function<void()>& corta = {});

// Both, in that order.
void PintaMesa(Mesa& mesa, Lienzo& lienzo);

}  // namespace velistra
