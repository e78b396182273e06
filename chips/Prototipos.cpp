#include "chips/Prototipos.h"

#include <map>

#include "chips/CircuitoElectronico.h"

namespace velistra {

namespace {
std::map<int, const CircuitoElectronico*> CreaRegistro() {
    std::map<int, const CircuitoElectronico*> registro;
    for (ListaDePrototipos lista : {PrototiposDePuertas(), PrototiposCombinacionales(),
                                    PrototiposBiestables(), PrototiposContadores()}) {
        for (const CircuitoElectronico* prototipo : lista)
            registro[CodigoDeCatalogo(prototipo->Codigo())] = prototipo;
    }
    return registro;
}
}  // namespace

const CircuitoElectronico* ChipTTL(int lCodigo) {
    static const std::map<int, const CircuitoElectronico*> registro = CreaRegistro();
    const auto it = registro.find(lCodigo);
    return it == registro.end() ? nullptr : it->second;
}

}  // namespace velistra
