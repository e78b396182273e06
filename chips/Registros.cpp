#include "chips/Registros.h"

#include <span>

#include "chips/ChipsDeUnaFamilia.h"

namespace velistra {

namespace {

struct BitDeRegistro {
    int d;
    int dAlternativo = 0;  // loaded instead of d while the word select is 1
    int q;
    int qNegada = 0;  // 0 when the chip has no complement output
};

}  // namespace

struct EsquemaDeRegistro {
    Alimentacion alimentacion;
    EntradaDeReloj reloj;
    Flanco flanco = Flanco::Subida;
    int clear = 0;         // active-low and asynchronous; 0 when there is none
    int habilitacion = 0;  // active-low; an edge loads only while it is 0
    int seleccion = 0;     // word select; 0 when there is none
    std::span<const BitDeRegistro> bits;
};

namespace {

constexpr BitDeRegistro kSeisBits[] = {
    {.d = 3, .q = 2},   {.d = 4, .q = 5},   {.d = 6, .q = 7},
    {.d = 11, .q = 10}, {.d = 13, .q = 12}, {.d = 14, .q = 15},
};
constexpr BitDeRegistro kCuatroBitsConComplemento[] = {
    {.d = 4, .q = 2, .qNegada = 3},
    {.d = 5, .q = 7, .qNegada = 6},
    {.d = 12, .q = 10, .qNegada = 11},
    {.d = 13, .q = 15, .qNegada = 14},
};
constexpr BitDeRegistro kOchoBits[] = {
    {.d = 3, .q = 2},   {.d = 4, .q = 5},   {.d = 7, .q = 6},   {.d = 8, .q = 9},
    {.d = 13, .q = 12}, {.d = 14, .q = 15}, {.d = 17, .q = 16}, {.d = 18, .q = 19},
};
constexpr BitDeRegistro k74298[] = {
    {.d = 3, .dAlternativo = 2, .q = 15},
    {.d = 4, .dAlternativo = 1, .q = 14},
    {.d = 9, .dAlternativo = 5, .q = 13},
    {.d = 7, .dAlternativo = 6, .q = 12},
};
constexpr BitDeRegistro k74398[] = {
    {.d = 4, .dAlternativo = 5, .q = 2, .qNegada = 3},
    {.d = 7, .dAlternativo = 6, .q = 9, .qNegada = 8},
    {.d = 14, .dAlternativo = 15, .q = 12, .qNegada = 13},
    {.d = 17, .dAlternativo = 16, .q = 19, .qNegada = 18},
};
constexpr BitDeRegistro k74399[] = {
    {.d = 3, .dAlternativo = 4, .q = 2},
    {.d = 6, .dAlternativo = 5, .q = 7},
    {.d = 11, .dAlternativo = 12, .q = 10},
    {.d = 14, .dAlternativo = 13, .q = 15},
};

constexpr Alimentacion k16Pines{8, 16};
constexpr Alimentacion k20Pines{10, 20};

constexpr EsquemaDeRegistro kEsquema74174{
    .alimentacion = k16Pines, .reloj = {9, 17}, .clear = 1, .bits = kSeisBits};
constexpr EsquemaDeRegistro kEsquema74175{
    .alimentacion = k16Pines, .reloj = {9, 17}, .clear = 1, .bits = kCuatroBitsConComplemento};
constexpr EsquemaDeRegistro kEsquema74273{
    .alimentacion = k20Pines, .reloj = {11, 21}, .clear = 1, .bits = kOchoBits};
constexpr EsquemaDeRegistro kEsquema74377{
    .alimentacion = k20Pines, .reloj = {11, 21}, .habilitacion = 1, .bits = kOchoBits};
constexpr EsquemaDeRegistro kEsquema74378{
    .alimentacion = k16Pines, .reloj = {9, 17}, .habilitacion = 1, .bits = kSeisBits};
constexpr EsquemaDeRegistro kEsquema74379{.alimentacion = k16Pines,
                                          .reloj = {9, 17},
                                          .habilitacion = 1,
                                          .bits = kCuatroBitsConComplemento};
constexpr EsquemaDeRegistro kEsquema74298{.alimentacion = k16Pines,
                                          .reloj = {11, 17},
                                          .flanco = Flanco::Bajada,
                                          .seleccion = 10,
                                          .bits = k74298};
constexpr EsquemaDeRegistro kEsquema74398{
    .alimentacion = k20Pines, .reloj = {11, 21}, .seleccion = 1, .bits = k74398};
constexpr EsquemaDeRegistro kEsquema74399{
    .alimentacion = k16Pines, .reloj = {9, 17}, .seleccion = 1, .bits = k74399};

}  // namespace

ChipDeRegistro::ChipDeRegistro(int codigoDeCatalogo, const EsquemaDeRegistro& esquema)
    : ChipSecuencial(codigoDeCatalogo, esquema.alimentacion), esquema(esquema) {}

void ChipDeRegistro::Actualiza(bool* valores) const {
    const bool borra = BajoActivo(esquema.clear, valores);
    const bool habilitado = esquema.habilitacion == 0 || !valores[esquema.habilitacion];
    const bool carga = !borra && habilitado && esquema.reloj.HayFlanco(esquema.flanco, valores);
    const bool alternativa = esquema.seleccion != 0 && valores[esquema.seleccion];
    for (const BitDeRegistro& bit : esquema.bits) {
        if (borra)
            valores[bit.q] = false;
        else if (carga)
            valores[bit.q] = valores[alternativa ? bit.dAlternativo : bit.d];
        if (bit.qNegada != 0) valores[bit.qNegada] = !valores[bit.q];
    }
}

void ChipDeRegistro::RecuerdaRelojes(bool* valores) const { esquema.reloj.RecuerdaNivel(valores); }

namespace {
constexpr ChipDeLaFamilia<EsquemaDeRegistro> kRegistro[] = {
    {7174, kEsquema74174},
    {7175, kEsquema74175},
    {7273, kEsquema74273},
    {7377, kEsquema74377},
    {7378, kEsquema74378},
    {7379, kEsquema74379},
    {7298, kEsquema74298},
    {7398, kEsquema74398},
    {7399, kEsquema74399},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaRegistro(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ChipDeRegistro>(kRegistro, codigoDeCatalogo);
}

}  // namespace velistra
