#include "simulacion/Nombres.h"

#include "chips/Catalogo.h"
#include "modelo/Componente.h"
#include "plataforma/Traducible.h"

namespace velistra {

Mensaje NombreDeChip(const Componente& chip, int numero) {
    return Mensaje(VELISTRA_TEXTO("%1 (%2)"),
                   {Mensaje::Literal(EtiquetaDeChip(chip.Codigo())), Mensaje::Entero(numero)});
}

}  // namespace velistra
