// A session piece telling boards apart by their class and type code: the board kind check
// must refuse both.
#include "tableros/TableroPLA.h"

void Oculta(velistra::Tablero* t) {
    if (t->Tipo() == velistra::Tablero::kTemporizadores) t->Oculta();
    if (auto* pla = dynamic_cast<velistra::TableroPLA*>(t)) pla->CalculaSalida(nullptr);
}
