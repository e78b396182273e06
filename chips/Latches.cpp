#include "chips/Latches.h"

#include <span>

#include "chips/ChipsDeUnaFamilia.h"

namespace velistra {

namespace {

struct LatchD {
    int d;
    int habilitacion;  // active-high
    int q;
    int qNegada = 0;  // 0 when the chip has no complement output
};

struct LatchRS {
    int q;
    int set;         // active-low
    int setDos = 0;  // second set input, 0 when there is none
    int reset;       // active-low
};

struct SeccionDireccionable {
    int dato;
    std::span<const int> salidas;  // Q0 first
};

}  // namespace

struct EsquemaDeLatchesD {
    Alimentacion alimentacion;
    std::span<const LatchD> latches;
};

struct EsquemaDeLatchesRS {
    Alimentacion alimentacion;
    std::span<const LatchRS> latches;
};

struct EsquemaDireccionable {
    Alimentacion alimentacion;
    std::span<const int> direccion;  // least significant bit first
    int habilitacion;                // G, active-low
    int clear;                       // active-low
    std::span<const SeccionDireccionable> secciones;
};

namespace {

constexpr LatchD k7475[] = {
    {.d = 2, .habilitacion = 13, .q = 16, .qNegada = 1},
    {.d = 3, .habilitacion = 13, .q = 15, .qNegada = 14},
    {.d = 6, .habilitacion = 4, .q = 10, .qNegada = 11},
    {.d = 7, .habilitacion = 4, .q = 9, .qNegada = 8},
};
constexpr LatchD k7477[] = {
    {.d = 1, .habilitacion = 12, .q = 14},
    {.d = 2, .habilitacion = 12, .q = 13},
    {.d = 5, .habilitacion = 3, .q = 9},
    {.d = 6, .habilitacion = 3, .q = 8},
};
constexpr LatchD k74375[] = {
    {.d = 1, .habilitacion = 4, .q = 3, .qNegada = 2},
    {.d = 7, .habilitacion = 4, .q = 5, .qNegada = 6},
    {.d = 9, .habilitacion = 12, .q = 11, .qNegada = 10},
    {.d = 15, .habilitacion = 12, .q = 13, .qNegada = 14},
};
constexpr LatchRS k74279[] = {
    {.q = 4, .set = 2, .setDos = 3, .reset = 1},
    {.q = 7, .set = 6, .reset = 5},
    {.q = 9, .set = 11, .setDos = 12, .reset = 10},
    {.q = 13, .set = 15, .reset = 14},
};

constexpr int kSalidas74259[] = {4, 5, 6, 7, 9, 10, 11, 12};
constexpr int kDireccion74259[] = {1, 2, 3};
constexpr SeccionDireccionable kSecciones74259[] = {{13, kSalidas74259}};

constexpr int kSalidas74256Uno[] = {4, 5, 6, 7};
constexpr int kSalidas74256Dos[] = {9, 10, 11, 12};
constexpr int kDireccion74256[] = {1, 2};
constexpr SeccionDireccionable kSecciones74256[] = {{3, kSalidas74256Uno}, {13, kSalidas74256Dos}};

constexpr EsquemaDeLatchesD kEsquema7475{{12, 5}, k7475};
constexpr EsquemaDeLatchesD kEsquema7477{{11, 4}, k7477};
constexpr EsquemaDeLatchesD kEsquema74375{{8, 16}, k74375};
constexpr EsquemaDeLatchesRS kEsquema74279{{8, 16}, k74279};
constexpr EsquemaDireccionable kEsquema74259{{8, 16}, kDireccion74259, 14, 15, kSecciones74259};
constexpr EsquemaDireccionable kEsquema74256{{8, 16}, kDireccion74256, 14, 15, kSecciones74256};

int Direccion(std::span<const int> pines, const bool* valores) {
    int direccion = 0;
    for (int bit = 0; bit < static_cast<int>(pines.size()); ++bit)
        if (valores[pines[bit]]) direccion |= 1 << bit;
    return direccion;
}

}  // namespace

ChipDeLatchesD::ChipDeLatchesD(int codigoDeCatalogo, const EsquemaDeLatchesD& esquema)
    : ChipSecuencial(codigoDeCatalogo, esquema.alimentacion), esquema(esquema) {}

void ChipDeLatchesD::Actualiza(bool* valores) const {
    for (const LatchD& latch : esquema.latches) {
        if (valores[latch.habilitacion]) valores[latch.q] = valores[latch.d];
        if (latch.qNegada != 0) valores[latch.qNegada] = !valores[latch.q];
    }
}

ChipDeLatchesRS::ChipDeLatchesRS(int codigoDeCatalogo, const EsquemaDeLatchesRS& esquema)
    : ChipSecuencial(codigoDeCatalogo, esquema.alimentacion), esquema(esquema) {}

void ChipDeLatchesRS::Actualiza(bool* valores) const {
    for (const LatchRS& latch : esquema.latches) {
        if (BajoActivo(latch.set, valores) || BajoActivo(latch.setDos, valores))
            valores[latch.q] = true;
        else if (BajoActivo(latch.reset, valores))
            valores[latch.q] = false;
    }
}

ChipDireccionable::ChipDireccionable(int codigoDeCatalogo, const EsquemaDireccionable& esquema)
    : ChipSecuencial(codigoDeCatalogo, esquema.alimentacion), esquema(esquema) {}

// Clear 0 and G 1 clears; clear 0 and G 0 demultiplexes; clear 1 and G 0 writes the
// addressed bit; clear 1 and G 1 holds.
void ChipDireccionable::Actualiza(bool* valores) const {
    const int direccion = Direccion(esquema.direccion, valores);
    const bool escribe = BajoActivo(esquema.habilitacion, valores);
    const bool borra = BajoActivo(esquema.clear, valores);
    for (const SeccionDireccionable& seccion : esquema.secciones) {
        for (int bit = 0; bit < static_cast<int>(seccion.salidas.size()); ++bit) {
            const int salida = seccion.salidas[bit];
            if (escribe && bit == direccion)
                valores[salida] = valores[seccion.dato];
            else if (borra)
                valores[salida] = false;
        }
    }
}

namespace {
constexpr ChipDeLaFamilia<EsquemaDeLatchesD> kLatchesD[] = {
    {7075, kEsquema7475},
    {7077, kEsquema7477},
    {7375, kEsquema74375},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaLatchesD(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ChipDeLatchesD>(kLatchesD, codigoDeCatalogo);
}

namespace {
constexpr ChipDeLaFamilia<EsquemaDeLatchesRS> kLatchesRS[] = {
    {7279, kEsquema74279},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaLatchesRS(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ChipDeLatchesRS>(kLatchesRS, codigoDeCatalogo);
}

namespace {
constexpr ChipDeLaFamilia<EsquemaDireccionable> kDireccionable[] = {
    {7256, kEsquema74256},
    {7259, kEsquema74259},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaDireccionable(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ChipDireccionable>(kDireccionable, codigoDeCatalogo);
}

}  // namespace velistra
