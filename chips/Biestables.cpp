#include "chips/Biestables.h"

#include <span>

#include "chips/ChipsDeUnaFamilia.h"

namespace velistra {

namespace {

// What a clock edge loads into Q.
enum class Entradas { JK, JKConKNegada, D };

struct Biestable {
    EntradaDeReloj reloj;
    int j = 0;
    int k = 0;  // K-bar when the chip loads JKConKNegada
    int d = 0;
    int preset = 0;  // active-low; 0 when the flip-flop has none
    int clear = 0;   // active-low; 0 when the flip-flop has none
    int q = 0;
    int qNegada = 0;
};

}  // namespace

struct EsquemaDeBiestables {
    Alimentacion alimentacion;
    Flanco flanco;
    Entradas entradas;
    std::span<const Biestable> biestables;
};

namespace {

constexpr Biestable k7473[] = {
    {.reloj = {1, 15}, .j = 14, .k = 3, .clear = 2, .q = 12, .qNegada = 13},
    {.reloj = {5, 16}, .j = 7, .k = 10, .clear = 6, .q = 9, .qNegada = 8},
};
constexpr Biestable k7474[] = {
    {.reloj = {3, 15}, .d = 2, .preset = 4, .clear = 1, .q = 5, .qNegada = 6},
    {.reloj = {11, 16}, .d = 12, .preset = 10, .clear = 13, .q = 9, .qNegada = 8},
};
constexpr Biestable k7476A[] = {
    {.reloj = {1, 17}, .j = 4, .k = 16, .preset = 2, .clear = 3, .q = 15, .qNegada = 14},
    {.reloj = {6, 18}, .j = 9, .k = 12, .preset = 7, .clear = 8, .q = 11, .qNegada = 10},
};
constexpr Biestable k74107[] = {
    {.reloj = {12, 15}, .j = 1, .k = 4, .clear = 13, .q = 3, .qNegada = 2},
    {.reloj = {9, 16}, .j = 8, .k = 11, .clear = 10, .q = 5, .qNegada = 6},
};
constexpr Biestable k74109[] = {
    {.reloj = {4, 17}, .j = 2, .k = 3, .preset = 5, .clear = 1, .q = 6, .qNegada = 7},
    {.reloj = {12, 18}, .j = 14, .k = 13, .preset = 11, .clear = 15, .q = 10, .qNegada = 9},
};
constexpr Biestable k74112[] = {
    {.reloj = {1, 17}, .j = 3, .k = 2, .preset = 4, .clear = 15, .q = 5, .qNegada = 6},
    {.reloj = {13, 18}, .j = 11, .k = 12, .preset = 10, .clear = 14, .q = 9, .qNegada = 7},
};
constexpr Biestable k74113[] = {
    {.reloj = {1, 15}, .j = 3, .k = 2, .preset = 4, .q = 5, .qNegada = 6},
    {.reloj = {13, 16}, .j = 11, .k = 12, .preset = 10, .q = 9, .qNegada = 8},
};
// One clock and one clear serve both flip-flops.
constexpr Biestable k74114[] = {
    {.reloj = {13, 15}, .j = 3, .k = 2, .preset = 4, .clear = 1, .q = 5, .qNegada = 6},
    {.reloj = {13, 15}, .j = 11, .k = 12, .preset = 10, .clear = 1, .q = 9, .qNegada = 8},
};

using enum Flanco;
using enum Entradas;

constexpr EsquemaDeBiestables kEsquema7473{{11, 4}, Bajada, JK, k7473};
constexpr EsquemaDeBiestables kEsquema7474{{7, 14}, Subida, D, k7474};
constexpr EsquemaDeBiestables kEsquema7476A{{13, 5}, Bajada, JK, k7476A};
constexpr EsquemaDeBiestables kEsquema74107{{7, 14}, Bajada, JK, k74107};
constexpr EsquemaDeBiestables kEsquema74109{{8, 16}, Subida, JKConKNegada, k74109};
constexpr EsquemaDeBiestables kEsquema74112{{8, 16}, Bajada, JK, k74112};
constexpr EsquemaDeBiestables kEsquema74113{{7, 14}, Bajada, JK, k74113};
constexpr EsquemaDeBiestables kEsquema74114{{7, 14}, Bajada, JK, k74114};

ChipDeBiestables::Registro RegistroDe(Entradas entradas, const Biestable& b) {
    const auto pin = [](int p) { return static_cast<unsigned char>(p); };
    ChipDeBiestables::Registro r{pin(b.reloj.pin), pin(b.reloj.anterior), pin(b.j),     pin(b.k),
                                 entradas == JKConKNegada, pin(b.preset), pin(b.clear), pin(b.q),
                                 pin(b.qNegada)};
    if (entradas == D) {
        r.j = r.k = pin(b.d);
        r.kNegada = true;
    }
    return r;
}

}  // namespace

ChipDeBiestables::ChipDeBiestables(int codigoDeCatalogo, const EsquemaDeBiestables& esquema)
    : ChipSecuencial(codigoDeCatalogo, esquema.alimentacion),
      nBiestables(static_cast<int>(esquema.biestables.size())),
      bNivelTrasElFlanco(esquema.flanco == Subida) {
    for (int n = 0; n < nBiestables; ++n)
        aRegistro[static_cast<std::size_t>(n)] =
            RegistroDe(esquema.entradas, esquema.biestables[static_cast<std::size_t>(n)]);
}

void ChipDeBiestables::Actualiza(bool* valores) const {
    for (const Registro& b : Registros()) ActualizaUno(b, bNivelTrasElFlanco, valores);
}

// After every flip-flop has been updated: the 74114's two flip-flops share one clock entry.
void ChipDeBiestables::RecuerdaRelojes(bool* valores) const {
    for (int n = 0; n < nBiestables; ++n) {
        const Registro& b = aRegistro[static_cast<std::size_t>(n)];
        valores[b.anterior] = valores[b.reloj];
    }
}

Chip7473::Chip7473() : ChipDeBiestables(7073, kEsquema7473) {}

namespace {
constexpr ChipDeLaFamilia<EsquemaDeBiestables> kBiestables[] = {
    {7074, kEsquema7474},
    {7076, kEsquema7476A},
    {7107, kEsquema74107},
    {7109, kEsquema74109},
    {7112, kEsquema74112},
    {7113, kEsquema74113},
    {7114, kEsquema74114},
};

constexpr bool CabenEnLosRegistros() {
    for (const ChipDeLaFamilia<EsquemaDeBiestables>& chip : kBiestables)
        if (chip.esquema.biestables.size() > ChipDeBiestables::kMaximoDeBiestables) return false;
    return kEsquema7473.biestables.size() <= ChipDeBiestables::kMaximoDeBiestables;
}
static_assert(CabenEnLosRegistros());
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaBiestables(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ChipDeBiestables>(kBiestables, codigoDeCatalogo);
}

// The 7473 starts set. Its clock levels live above its declared state entries, in 15 and
// 16, and start at 0 because the table has just been cleared.
void Chip7473::EstadoInicial(bool* valores) const {
    for (const Biestable& b : k7473) {
        valores[b.q] = true;
        valores[b.qNegada] = false;
    }
}

}  // namespace velistra
