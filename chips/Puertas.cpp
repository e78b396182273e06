#include "chips/Puertas.h"

#include <array>
#include <initializer_list>
#include <span>

#include "chips/Prototipos.h"

namespace velistra {

namespace {

using Grupo = EsquemaDePuertas::Grupo;
using Combinacion = EsquemaDePuertas::Combinacion;
using Puerta = EsquemaDePuertas::Puerta;

constexpr Puerta UnGrupo(int salida, std::initializer_list<int> entradas, bool negada) {
    Puerta puerta;
    puerta.salida = salida;
    int i = 0;
    for (int pin : entradas) puerta.grupos[0][i++] = pin;
    puerta.negada = negada;
    return puerta;
}

constexpr Puerta UnGrupoPorPin(int salida, std::initializer_list<int> entradas,
                               Combinacion combinacion, bool negada) {
    Puerta puerta;
    puerta.salida = salida;
    int i = 0;
    for (int pin : entradas) puerta.grupos[i++][0] = pin;
    puerta.combinacion = combinacion;
    puerta.negada = negada;
    return puerta;
}

constexpr Puerta Y(int salida, std::initializer_list<int> entradas) {
    return UnGrupo(salida, entradas, false);
}
constexpr Puerta NoY(int salida, std::initializer_list<int> entradas) {
    return UnGrupo(salida, entradas, true);
}
constexpr Puerta No(int salida, int entrada) { return UnGrupo(salida, {entrada}, true); }
constexpr Puerta O(int salida, std::initializer_list<int> entradas) {
    return UnGrupoPorPin(salida, entradas, Combinacion::O, false);
}
constexpr Puerta NoO(int salida, std::initializer_list<int> entradas) {
    return UnGrupoPorPin(salida, entradas, Combinacion::O, true);
}
constexpr Puerta OExclusiva(int salida, int a, int b) {
    return UnGrupoPorPin(salida, {a, b}, Combinacion::OExclusiva, false);
}
constexpr Puerta YONo(int salida, std::initializer_list<std::initializer_list<int>> terminos) {
    Puerta puerta;
    puerta.salida = salida;
    int g = 0;
    for (std::initializer_list<int> termino : terminos) {
        int i = 0;
        for (int pin : termino) puerta.grupos[g][i++] = pin;
        ++g;
    }
    puerta.negada = true;
    return puerta;
}

bool EvaluaGrupo(const Grupo& grupo, const bool* valores) {
    for (int pin : grupo) {
        if (pin == 0) break;
        if (!valores[pin]) return false;
    }
    return true;
}

bool EvaluaPuerta(const Puerta& puerta, const bool* valores) {
    bool resultado = false;
    for (const Grupo& grupo : puerta.grupos) {
        if (grupo[0] == 0) break;
        const bool termino = EvaluaGrupo(grupo, valores);
        resultado =
            puerta.combinacion == Combinacion::O ? resultado || termino : resultado != termino;
    }
    return resultado != puerta.negada;
}

}  // namespace

namespace {

constexpr Puerta k7400[] = {NoY(3, {1, 2}), NoY(6, {4, 5}), NoY(8, {9, 10}), NoY(11, {12, 13})};
constexpr Puerta k7402[] = {NoO(1, {2, 3}), NoO(4, {5, 6}), NoO(10, {8, 9}), NoO(13, {11, 12})};
constexpr Puerta k7404[] = {No(2, 1), No(4, 3), No(6, 5), No(8, 9), No(10, 11), No(12, 13)};
constexpr Puerta k7408[] = {Y(3, {1, 2}), Y(6, {4, 5}), Y(8, {9, 10}), Y(11, {12, 13})};
constexpr Puerta k7410[] = {NoY(12, {1, 2, 13}), NoY(6, {3, 4, 5}), NoY(8, {9, 10, 11})};
constexpr Puerta k7411[] = {Y(12, {1, 2, 13}), Y(6, {3, 4, 5}), Y(8, {9, 10, 11})};
constexpr Puerta k7420[] = {NoY(6, {1, 2, 4, 5}), NoY(8, {9, 10, 12, 13})};
constexpr Puerta k7421[] = {Y(6, {1, 2, 4, 5}), Y(8, {9, 10, 12, 13})};
constexpr Puerta k7427[] = {NoO(12, {1, 2, 13}), NoO(6, {3, 4, 5}), NoO(8, {9, 10, 11})};
constexpr Puerta k7430[] = {NoY(8, {1, 2, 3, 4, 5, 6, 11, 12})};
constexpr Puerta k7432[] = {O(3, {1, 2}), O(6, {4, 5}), O(8, {9, 10}), O(11, {12, 13})};
constexpr Puerta k7451[] = {YONo(6, {{2, 3}, {4, 5}}), YONo(8, {{1, 12, 13}, {9, 10, 11}})};
constexpr Puerta k7454[] = {YONo(6, {{1, 2}, {3, 4, 5}, {9, 10, 11}, {12, 13}})};
constexpr Puerta k7455[] = {YONo(8, {{1, 2, 3, 4}, {10, 11, 12, 13}})};
constexpr Puerta k7486[] = {OExclusiva(3, 1, 2), OExclusiva(6, 4, 5), OExclusiva(8, 9, 10),
                            OExclusiva(11, 12, 13)};
constexpr Puerta k74133[] = {NoY(9, {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15})};
constexpr Puerta k74260[] = {NoO(5, {1, 2, 3, 12, 13}), NoO(6, {4, 8, 9, 10, 11})};
constexpr Puerta k74386[] = {OExclusiva(3, 1, 2), OExclusiva(4, 5, 6), OExclusiva(10, 8, 9),
                             OExclusiva(11, 12, 13)};

constexpr EsquemaDePuertas kEsquema7400{7, 14, k7400};
constexpr EsquemaDePuertas kEsquema7402{7, 14, k7402};
constexpr EsquemaDePuertas kEsquema7404{7, 14, k7404};
constexpr EsquemaDePuertas kEsquema7408{7, 14, k7408};
constexpr EsquemaDePuertas kEsquema7410{7, 14, k7410};
constexpr EsquemaDePuertas kEsquema7411{7, 14, k7411};
constexpr EsquemaDePuertas kEsquema7420{7, 14, k7420};
constexpr EsquemaDePuertas kEsquema7421{7, 14, k7421};
constexpr EsquemaDePuertas kEsquema7427{7, 14, k7427};
constexpr EsquemaDePuertas kEsquema7430{7, 14, k7430};
constexpr EsquemaDePuertas kEsquema7432{7, 14, k7432};
constexpr EsquemaDePuertas kEsquema7451{7, 14, k7451};
constexpr EsquemaDePuertas kEsquema7454{7, 14, k7454};
constexpr EsquemaDePuertas kEsquema7455{7, 14, k7455};
constexpr EsquemaDePuertas kEsquema7486{7, 14, k7486};
constexpr EsquemaDePuertas kEsquema74133{8, 16, k74133};
constexpr EsquemaDePuertas kEsquema74260{7, 14, k74260};
constexpr EsquemaDePuertas kEsquema74386{7, 14, k74386};

}  // namespace

ChipDePuertas::ChipDePuertas(int codigoDeCatalogo, const EsquemaDePuertas& esquema)
    : CircuitoElectronico(codigoDeCatalogo), esquema(esquema) {}

bool ChipDePuertas::Funcion(bool* valores) const {
    // Ground floating (reads 1) or supply low: every output drops to 0.
    const bool alimentado = !valores[esquema.tierra] && valores[esquema.alimentacion];
    bool cambio = false;
    for (const Puerta& puerta : esquema.puertas) {
        const bool nuevo = alimentado && EvaluaPuerta(puerta, valores);
        if (valores[puerta.salida] != nuevo) cambio = true;
        valores[puerta.salida] = nuevo;
    }
    return cambio;
}

Chip7400::Chip7400() : ChipDePuertas(7000, kEsquema7400) {}
Chip7402::Chip7402() : ChipDePuertas(7002, kEsquema7402) {}
Chip7404::Chip7404() : ChipDePuertas(7004, kEsquema7404) {}
Chip7408::Chip7408() : ChipDePuertas(7008, kEsquema7408) {}
Chip7410::Chip7410() : ChipDePuertas(7010, kEsquema7410) {}
Chip7411::Chip7411() : ChipDePuertas(7011, kEsquema7411) {}
Chip7420::Chip7420() : ChipDePuertas(7020, kEsquema7420) {}
Chip7421::Chip7421() : ChipDePuertas(7021, kEsquema7421) {}
Chip7427::Chip7427() : ChipDePuertas(7027, kEsquema7427) {}
Chip7430::Chip7430() : ChipDePuertas(7030, kEsquema7430) {}
Chip7432::Chip7432() : ChipDePuertas(7032, kEsquema7432) {}
Chip7451::Chip7451() : ChipDePuertas(7051, kEsquema7451) {}
Chip7454::Chip7454() : ChipDePuertas(7054, kEsquema7454) {}
Chip7455::Chip7455() : ChipDePuertas(7055, kEsquema7455) {}
Chip7486::Chip7486() : ChipDePuertas(7086, kEsquema7486) {}
Chip74133::Chip74133() : ChipDePuertas(7133, kEsquema74133) {}
Chip74260::Chip74260() : ChipDePuertas(7260, kEsquema74260) {}
Chip74386::Chip74386() : ChipDePuertas(7386, kEsquema74386) {}

const Chip7400 ci7400;
const Chip7402 ci7402;
const Chip7404 ci7404;
const Chip7408 ci7408;
const Chip7410 ci7410;
const Chip7411 ci7411;
const Chip7420 ci7420;
const Chip7421 ci7421;
const Chip7427 ci7427;
const Chip7430 ci7430;
const Chip7432 ci7432;
const Chip7451 ci7451;
const Chip7454 ci7454;
const Chip7455 ci7455;
const Chip7486 ci7486;
const Chip74133 ci74133;
const Chip74260 ci74260;
const Chip74386 ci74386;

namespace {
constexpr const CircuitoElectronico* kPrototipos[] = {
    &ci7400, &ci7402, &ci7404, &ci7408, &ci7410, &ci7411, &ci7420,  &ci7421,  &ci7427,
    &ci7430, &ci7432, &ci7451, &ci7454, &ci7455, &ci7486, &ci74133, &ci74260, &ci74386,
};
}  // namespace

ListaDePrototipos PrototiposDePuertas() { return kPrototipos; }

}  // namespace velistra
