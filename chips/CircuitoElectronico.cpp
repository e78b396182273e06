#include "chips/CircuitoElectronico.h"

#include <stdexcept>

#include "chips/Catalogo.h"

namespace velistra {

CircuitoElectronico::CircuitoElectronico(long lCodigo, int nPines, int nEstados, const char* tipos) {
    Construye(lCodigo, nPines, nEstados, tipos, 0);
}

CircuitoElectronico::CircuitoElectronico(const FichaDeChip& ficha) {
    // The catalogue string has no leading blank: pin i is character i - 1.
    Construye(ficha.codigoDeModelo, ficha.pines, ficha.estados, ficha.tipos, -1);
}

CircuitoElectronico::CircuitoElectronico(int codigoDeCatalogo) {
    const FichaDeChip* ficha = FichaDeCatalogo(codigoDeCatalogo);
    if (ficha == nullptr)
        throw std::logic_error(
            "chip fuera del catálogo");  // texto fijo: a fault of the program, never shown
    Construye(ficha->codigoDeModelo, ficha->pines, ficha->estados, ficha->tipos, -1);
}

void CircuitoElectronico::Construye(long codigo, int pines, int estados, const char* tipos,
                                    int desplazamiento) {
    if (pines < 0 || estados < 0 || pines + estados > kMaximoDeEntradas) {
        pines = 0;
        estados = 0;
    }
    nPines = pines;
    nEstados = estados;
    lCodigo = codigo;
    int salidas = 0;
    for (int i = 1; i <= nPines; ++i) {
        acTipo[i] = tipos[i + desplazamiento];
        acEstado[i] = 'Z';
        if (acTipo[i] == 'S') aiSalida[salidas++] = static_cast<unsigned char>(i);
    }
}

bool CircuitoElectronico::Funcion(bool*) const { return false; }
void CircuitoElectronico::EstadoInicial(bool*) const {}

int CodigoDeCatalogo(long codigoDeModelo) {
    if (codigoDeModelo >= 74000 && codigoDeModelo < 75000)
        return 7000 + static_cast<int>(codigoDeModelo - 74000);
    if (codigoDeModelo >= 7400 && codigoDeModelo < 7500)
        return 7000 + static_cast<int>(codigoDeModelo - 7400);
    return 0;
}

}  // namespace velistra
