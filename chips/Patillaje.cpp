#include "chips/Patillaje.h"

namespace velistra {

std::span<const PatillajeDeChip> Patillajes() { return Catalogo(); }

std::string_view NombreDePatilla(int codigoDeCatalogo, int pin) {
    const FichaDeChip* ficha = FichaDeCatalogo(codigoDeCatalogo);
    if (ficha == nullptr || pin < 1 || pin > ficha->pines) return {};
    std::string_view nombres = ficha->nombres;
    for (int i = 1;; ++i) {
        const std::size_t fin = nombres.find(' ');
        if (i == pin) return nombres.substr(0, fin);
        if (fin == std::string_view::npos) return {};
        nombres.remove_prefix(fin + 1);
    }
}

std::string_view DescripcionDeChip(int codigoDeCatalogo) {
    const FichaDeChip* ficha = FichaDeCatalogo(codigoDeCatalogo);
    return ficha == nullptr ? std::string_view{} : ficha->descripcion;
}

}  // namespace velistra
