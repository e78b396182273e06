#pragma once
// The gates of each gate chip of the catalogue, as its data sheet draws them. Read by the
// catalogue only: a row points to its chip's scheme.
#include <initializer_list>

#include "chips/EsquemaDePuertas.h"

namespace velistra::puertas {

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

inline constexpr Puerta k7400[] = {NoY(3, {1, 2}), NoY(6, {4, 5}), NoY(8, {9, 10}),
                                   NoY(11, {12, 13})};
inline constexpr Puerta k7402[] = {NoO(1, {2, 3}), NoO(4, {5, 6}), NoO(10, {8, 9}),
                                   NoO(13, {11, 12})};
inline constexpr Puerta k7404[] = {No(2, 1), No(4, 3), No(6, 5), No(8, 9), No(10, 11), No(12, 13)};
inline constexpr Puerta k7408[] = {Y(3, {1, 2}), Y(6, {4, 5}), Y(8, {9, 10}), Y(11, {12, 13})};
inline constexpr Puerta k7410[] = {NoY(12, {1, 2, 13}), NoY(6, {3, 4, 5}), NoY(8, {9, 10, 11})};
inline constexpr Puerta k7411[] = {Y(12, {1, 2, 13}), Y(6, {3, 4, 5}), Y(8, {9, 10, 11})};
inline constexpr Puerta k7420[] = {NoY(6, {1, 2, 4, 5}), NoY(8, {9, 10, 12, 13})};
inline constexpr Puerta k7421[] = {Y(6, {1, 2, 4, 5}), Y(8, {9, 10, 12, 13})};
inline constexpr Puerta k7427[] = {NoO(12, {1, 2, 13}), NoO(6, {3, 4, 5}), NoO(8, {9, 10, 11})};
inline constexpr Puerta k7430[] = {NoY(8, {1, 2, 3, 4, 5, 6, 11, 12})};
inline constexpr Puerta k7432[] = {O(3, {1, 2}), O(6, {4, 5}), O(8, {9, 10}), O(11, {12, 13})};
inline constexpr Puerta k7451[] = {YONo(6, {{2, 3}, {4, 5}}), YONo(8, {{1, 12, 13}, {9, 10, 11}})};
inline constexpr Puerta k7454[] = {YONo(6, {{1, 2}, {3, 4, 5}, {9, 10, 11}, {12, 13}})};
inline constexpr Puerta k7455[] = {YONo(8, {{1, 2, 3, 4}, {10, 11, 12, 13}})};
inline constexpr Puerta k7486[] = {OExclusiva(3, 1, 2), OExclusiva(6, 4, 5), OExclusiva(8, 9, 10),
                                   OExclusiva(11, 12, 13)};
inline constexpr Puerta k74133[] = {NoY(9, {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15})};
inline constexpr Puerta k74260[] = {NoO(5, {1, 2, 3, 12, 13}), NoO(6, {4, 8, 9, 10, 11})};
inline constexpr Puerta k74386[] = {OExclusiva(3, 1, 2), OExclusiva(4, 5, 6), OExclusiva(10, 8, 9),
                                    OExclusiva(11, 12, 13)};

// Ground and supply on pins 7 and 14, as on every 14-pin gate chip here.
constexpr EsquemaDePuertas De14Pines(std::span<const Puerta> puertas) { return {7, 14, puertas}; }

inline constexpr EsquemaDePuertas kEsquema7400 = De14Pines(k7400);
inline constexpr EsquemaDePuertas kEsquema7402 = De14Pines(k7402);
inline constexpr EsquemaDePuertas kEsquema7404 = De14Pines(k7404);
inline constexpr EsquemaDePuertas kEsquema7408 = De14Pines(k7408);
inline constexpr EsquemaDePuertas kEsquema7410 = De14Pines(k7410);
inline constexpr EsquemaDePuertas kEsquema7411 = De14Pines(k7411);
inline constexpr EsquemaDePuertas kEsquema7420 = De14Pines(k7420);
inline constexpr EsquemaDePuertas kEsquema7421 = De14Pines(k7421);
inline constexpr EsquemaDePuertas kEsquema7427 = De14Pines(k7427);
inline constexpr EsquemaDePuertas kEsquema7430 = De14Pines(k7430);
inline constexpr EsquemaDePuertas kEsquema7432 = De14Pines(k7432);
inline constexpr EsquemaDePuertas kEsquema7451 = De14Pines(k7451);
inline constexpr EsquemaDePuertas kEsquema7454 = De14Pines(k7454);
inline constexpr EsquemaDePuertas kEsquema7455 = De14Pines(k7455);
inline constexpr EsquemaDePuertas kEsquema7486 = De14Pines(k7486);
inline constexpr EsquemaDePuertas kEsquema74133{8, 16, k74133};
inline constexpr EsquemaDePuertas kEsquema74260 = De14Pines(k74260);
inline constexpr EsquemaDePuertas kEsquema74386 = De14Pines(k74386);

}  // namespace velistra::puertas
