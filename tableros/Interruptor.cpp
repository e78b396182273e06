#include "tableros/Interruptor.h"

namespace velistra {

bool Interruptor::ClickEn(int x, int y) {
    const Recuadro r = Region();
    if (x < r.izquierda || x >= r.derecha || y < r.arriba || y >= r.abajo) return false;
    bEncendido = !bEncendido;
    return true;
}

}  // namespace velistra
