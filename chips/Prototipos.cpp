#include "chips/Prototipos.h"

#include <map>
#include <memory>
#include <vector>

#include "chips/Catalogo.h"
#include "chips/CircuitoElectronico.h"
#include "chips/Puertas.h"

namespace velistra {

namespace {

struct Registro {
    std::vector<std::unique_ptr<const CircuitoElectronico>> prototipos;  // one per row
    std::map<FamiliaDeChip, std::vector<const CircuitoElectronico*>> familias;
};

std::unique_ptr<const CircuitoElectronico> CreaPrototipo(const FichaDeChip& ficha) {
    if (ficha.calculo.puertas != nullptr) return std::make_unique<ChipDePuertas>(ficha);
    return ficha.calculo.crea(ficha.codigoDeCatalogo);
}

// Built on first use and never destroyed: placed chips anywhere, static ones included,
// keep pointing to their prototype until the program ends.
const Registro& ElRegistro() {
    static const Registro* registro = [] {
        auto* r = new Registro;
        for (const FichaDeChip& ficha : Catalogo()) {
            r->prototipos.push_back(CreaPrototipo(ficha));
            // A row its family does not list has no chip (the catalogue test says which).
            if (const CircuitoElectronico* prototipo = r->prototipos.back().get())
                r->familias[ficha.calculo.familia].push_back(prototipo);
        }
        return r;
    }();
    return *registro;
}

ListaDePrototipos DeLaFamilia(FamiliaDeChip familia) {
    const auto& familias = ElRegistro().familias;
    const auto lista = familias.find(familia);
    return lista == familias.end() ? ListaDePrototipos{} : ListaDePrototipos(lista->second);
}

}  // namespace

const CircuitoElectronico* ChipTTL(int lCodigo) {
    const FichaDeChip* ficha = FichaDeCatalogo(lCodigo);
    if (ficha == nullptr) return nullptr;
    return ElRegistro().prototipos[static_cast<std::size_t>(ficha - Catalogo().data())].get();
}

ListaDePrototipos PrototiposDePuertas() { return DeLaFamilia(FamiliaDeChip::Puertas); }
ListaDePrototipos PrototiposCombinacionales() {
    return DeLaFamilia(FamiliaDeChip::Combinacionales);
}
ListaDePrototipos PrototiposBiestables() { return DeLaFamilia(FamiliaDeChip::Biestables); }
ListaDePrototipos PrototiposContadores() { return DeLaFamilia(FamiliaDeChip::Contadores); }

}  // namespace velistra
