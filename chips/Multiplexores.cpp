// Multiplexers: 74151, 74153, 74157, 74158, 74352.
#include "chips/ChipsDeUnaFamilia.h"
#include "chips/Combinacionales.h"
#include "chips/LogicaCombinacional.h"

namespace velistra {

constexpr int kSinPin = 0;

struct SeccionDeMultiplexor {
    int estrobo;          // active-low
    ListaDePines datos;   // D0 first
    int salida;           // the selected data, 0 while the strobe is high; or kSinPin
    int salidaNegada;     // its complement; or kSinPin
};

struct EsquemaDeMultiplexor {
    int tierra;
    int alimentacion;
    ListaDePines seleccion;  // bit 0 first, shared by every section
    ListaFija<SeccionDeMultiplexor, 4> secciones;
};

namespace {

constexpr EsquemaDeMultiplexor kEsquema74151{
    8, 16, {11, 10, 9},
    {{7, {4, 3, 2, 1, 15, 14, 13, 12}, 5, 6}},
};

constexpr EsquemaDeMultiplexor kEsquema74153{
    8, 16, {14, 2},
    {{1, {6, 5, 4, 3}, 7, kSinPin}, {15, {10, 11, 12, 13}, 9, kSinPin}},
};

constexpr EsquemaDeMultiplexor kEsquema74352{
    8, 16, {14, 2},
    {{1, {6, 5, 4, 3}, kSinPin, 7}, {15, {10, 11, 12, 13}, kSinPin, 9}},
};

constexpr EsquemaDeMultiplexor kEsquema74157{
    8, 16, {1},
    {{15, {2, 3}, 4, kSinPin},
     {15, {5, 6}, 7, kSinPin},
     {15, {11, 10}, 9, kSinPin},
     {15, {14, 13}, 12, kSinPin}},
};

constexpr EsquemaDeMultiplexor kEsquema74158{
    8, 16, {1},
    {{15, {2, 3}, kSinPin, 4},
     {15, {5, 6}, kSinPin, 7},
     {15, {11, 10}, kSinPin, 9},
     {15, {14, 13}, kSinPin, 12}},
};

}  // namespace

ChipMultiplexor::ChipMultiplexor(int codigoDeCatalogo, const EsquemaDeMultiplexor& esquema)
    : CircuitoElectronico(codigoDeCatalogo), esquema(esquema) {}

bool ChipMultiplexor::Funcion(bool* valores) const {
    Salidas salidas(valores);
    const bool alimentado = Alimentado(valores, esquema.tierra, esquema.alimentacion);
    const int indice = Numero(valores, esquema.seleccion);
    for (const SeccionDeMultiplexor& seccion : esquema.secciones) {
        const bool dato = !valores[seccion.estrobo] && indice < seccion.datos.size() &&
                          valores[seccion.datos[indice]];
        // Unpowered, both the true and the inverted outputs read 0.
        if (seccion.salida != kSinPin) salidas.Pon(seccion.salida, alimentado && dato);
        if (seccion.salidaNegada != kSinPin) salidas.Pon(seccion.salidaNegada, alimentado && !dato);
    }
    return salidas.Cambiaron();
}

namespace {
constexpr ChipDeLaFamilia<EsquemaDeMultiplexor> kMultiplexor[] = {
    {7151, kEsquema74151},
    {7153, kEsquema74153},
    {7157, kEsquema74157},
    {7158, kEsquema74158},
    {7352, kEsquema74352},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaMultiplexor(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ChipMultiplexor>(kMultiplexor, codigoDeCatalogo);
}

}  // namespace velistra
