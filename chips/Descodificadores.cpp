// One-of-n decoders: 7442, 74137, 74138, 74139, 74155.
#include "chips/ChipsDeUnaFamilia.h"
#include "chips/Combinacionales.h"
#include "chips/LogicaCombinacional.h"

namespace velistra {

struct SeccionDeDescodificador {
    ListaDePines habilitaEnBajo;  // enables that must read 0
    ListaDePines habilitaEnAlto;  // enables that must read 1
    ListaDePines seleccion;       // bit 0 first
    ListaDePines salidas;         // Y0 first, active-low
};

struct EsquemaDeDescodificador {
    int tierra;
    int alimentacion;
    bool nivelSinAlimentacion;  // level every output takes while unpowered
    ListaFija<SeccionDeDescodificador, 2> secciones;
};

namespace {

// Every output high, then the selected one low if enabled; an index past the last
// output (the 7442 given 10 to 15) leaves them all high.
void Descodifica(Salidas& salidas, const ListaDePines& pines, bool habilitado, int indice) {
    for (int y = 0; y < pines.size(); ++y) salidas.Pon(pines[y], !(habilitado && y == indice));
}

constexpr ListaDePines kSalidasDe1De8{15, 14, 13, 12, 11, 10, 9, 7};

constexpr EsquemaDeDescodificador kEsquema7442{
    8, 16, false,
    {{{}, {}, {15, 14, 13, 12}, {1, 2, 3, 4, 5, 6, 7, 9, 10, 11}}},
};

constexpr EsquemaDeDescodificador kEsquema74138{
    8, 16, false,
    {{{4, 5}, {6}, {1, 2, 3}, kSalidasDe1De8}},
};

// The dual decoders hold their outputs high while unpowered.
constexpr EsquemaDeDescodificador kEsquema74139{
    8, 16, true,
    {{{1}, {}, {2, 3}, {4, 5, 6, 7}}, {{15}, {}, {14, 13}, {12, 11, 10, 9}}},
};

constexpr EsquemaDeDescodificador kEsquema74155{
    8, 16, true,
    {{{2}, {1}, {13, 3}, {7, 6, 5, 4}}, {{14, 15}, {}, {13, 3}, {9, 10, 11, 12}}},
};

}  // namespace

ChipDescodificador::ChipDescodificador(int codigoDeCatalogo, const EsquemaDeDescodificador& esquema)
    : CircuitoElectronico(codigoDeCatalogo), esquema(esquema) {}

bool ChipDescodificador::Funcion(bool* valores) const {
    Salidas salidas(valores);
    const bool alimentado = Alimentado(valores, esquema.tierra, esquema.alimentacion);
    for (const SeccionDeDescodificador& seccion : esquema.secciones) {
        if (!alimentado) {
            salidas.PonTodas(seccion.salidas, esquema.nivelSinAlimentacion);
            continue;
        }
        const bool habilitada = TodosEnBajo(valores, seccion.habilitaEnBajo) &&
                                TodosEnAlto(valores, seccion.habilitaEnAlto);
        Descodifica(salidas, seccion.salidas, habilitada, Numero(valores, seccion.seleccion));
    }
    return salidas.Cambiaron();
}

namespace {
constexpr ChipDeLaFamilia<EsquemaDeDescodificador> kDescodificador[] = {
    {7042, kEsquema7442},
    {7138, kEsquema74138},
    {7139, kEsquema74139},
    {7155, kEsquema74155},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaDescodificador(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ChipDescodificador>(kDescodificador, codigoDeCatalogo);
}

namespace {
constexpr ListaDePines kSeleccion74137{1, 2, 3};
constexpr ListaDePines kDireccionRetenida{17, 18, 19};  // state entries: A, B, C
constexpr int kGL = 4;  // latch enable, active-low
constexpr int kG2 = 5;  // active-low enable
constexpr int kG1 = 6;
constexpr int kTierra74137 = 8;
constexpr int kAlimentacion74137 = 16;
}  // namespace

Chip74137::Chip74137() : CircuitoElectronico(7137) {}

bool Chip74137::Funcion(bool* valores) const {
    Salidas salidas(valores);
    // Unpowered the latch keeps its address; only the outputs drop.
    if (!Alimentado(valores, kTierra74137, kAlimentacion74137)) {
        salidas.PonTodas(kSalidasDe1De8, false);
        return salidas.Cambiaron();
    }
    const bool habilitado = !valores[kG2] && valores[kG1];
    if (habilitado && !valores[kGL]) {
        for (int bit = 0; bit < kSeleccion74137.size(); ++bit)
            valores[kDireccionRetenida[bit]] = valores[kSeleccion74137[bit]];
    }
    Descodifica(salidas, kSalidasDe1De8, habilitado, Numero(valores, kDireccionRetenida));
    return salidas.Cambiaron();
}

}  // namespace velistra
