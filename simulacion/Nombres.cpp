#include "simulacion/Nombres.h"

#include "chips/Catalogo.h"
#include "modelo/Componente.h"

namespace velistra {

std::string NombreDeChip(const Componente& chip, int numero) {
    const FichaDeChip* ficha = FichaDeCatalogo(static_cast<int>(chip.Codigo()));
    const long modelo = ficha != nullptr ? ficha->codigoDeModelo : chip.Codigo();
    return std::to_string(modelo) + " (" + std::to_string(numero) + ")";
}

std::string Enumeracion(const std::vector<std::string>& partes) {
    std::string texto;
    for (std::size_t i = 0; i < partes.size(); ++i) {
        if (i > 0) texto += i + 1 == partes.size() ? " y " : ", ";
        texto += partes[i];
    }
    return texto;
}

}  // namespace velistra
