#include "simulacion/Nombres.h"

#include "chips/Catalogo.h"
#include "modelo/Componente.h"
#include "plataforma/Traducible.h"

namespace velistra {

Mensaje NombreDeChip(const Componente& chip, int numero) {
    const FichaDeChip* ficha = FichaDeCatalogo(static_cast<int>(chip.Codigo()));
    const long modelo = ficha != nullptr ? ficha->codigoDeModelo : chip.Codigo();
    return Mensaje(VELISTRA_TEXTO("%1 (%2)"), {Mensaje::Entero(modelo), Mensaje::Entero(numero)});
}

}  // namespace velistra
