#include "chips/Catalogo.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace velistra {

namespace {
// Class, model code, catalogue code, pins, states, pin types, own switch-on state,
// menu group, menu text (menu texts keep their irregular spacing on purpose).
constexpr std::array<FichaDeChip, 88> kCatalogo{{
    {"Chip7400", 7400, 7000, 14, 0, "EESEESGSEESEEV", false, "Puertas básicas > Nand", "7400  - 2 entradas (x4)"},
    {"Chip7402", 7402, 7002, 14, 0, "SEESEEGEESEESV", false, "Puertas básicas > Nor", "7402  - 2 entradas (x4)"},
    {"Chip7404", 7404, 7004, 14, 0, "ESESESGSESESEV", false, "Puertas básicas > Not", "7404  - Not (x6)"},
    {"Chip7408", 7408, 7008, 14, 0, "EESEESGSEESEEV", false, "Puertas básicas > And", "7408  - 2 entradas (x4)"},
    {"Chip7410", 7410, 7010, 14, 0, "EEEEESGSEEESEV", false, "Puertas básicas > Nand", "7410  - 3 entradas (x3)"},
    {"Chip7411", 7411, 7011, 14, 0, "EEEEESGSEEESEV", false, "Puertas básicas > And", "7411  - 3 entradas (x3)"},
    {"Chip7420", 7420, 7020, 14, 0, "EENEESGSEENEEV", false, "Puertas básicas > Nand", "7420  - 4 entradas (x2)"},
    {"Chip7421", 7421, 7021, 14, 0, "EENEESGSEENEEV", false, "Puertas básicas > And", "7421  - 4 entradas (x2)"},
    {"Chip7427", 7427, 7027, 14, 0, "EEEEESGSEEESEV", false, "Puertas básicas > Nor", "7427  - 3 entradas(x3)"},
    {"Chip7430", 7430, 7030, 14, 0, "EEEEEEGSNNEENV", false, "Puertas básicas > Nand", "7430  - 8 entradas"},
    {"Chip7432", 7432, 7032, 14, 0, "EESEESGSEESEEV", false, "Puertas básicas > Or", "7432 - 2 entradas (x4)"},
    {"Chip7442", 7442, 7042, 16, 0, "SSSSSSSGSSSEEEEV", false, "Combinacionales > Descodificadores", "7442  - 1 de 10 líneas (BCD a decimal)"},
    {"Chip7447", 7447, 7047, 16, 0, "EEESEEEGSSSSSSSV", false, "Combinacionales > Descodificadores", "7447  - BCD a 7 Segmentos"},
    {"Chip7451", 7451, 7051, 14, 0, "EEEEESGSEEEEEV", false, "Puertas básicas > And - Or - Invert", "7451 - 2-ancho 2-3-entradas AND-OR-INVERT (x2)"},
    {"Chip7454", 7454, 7054, 14, 0, "EEEEESGNEEEEEV", false, "Puertas básicas > And - Or - Invert", "7454 - 3-2-2-3-entradas AND-OR-INVERT"},
    {"Chip7455", 7455, 7055, 14, 0, "EEEENNGSNEEEEV", false, "Puertas básicas > And - Or - Invert", "7455 - 2-ancho, 4-entradas AND-OR-INVERT"},
    {"Chip7473", 7473, 7073, 14, 0, "EEEVEEESSEGSSE", true, "Secuenciales > Flip-flops", "7473A  - JK flanco negativo(x2)"},
    {"Chip7474", 7474, 7074, 14, 2, "EEEESSGSSEEEEV", false, "Secuenciales > Flip-flops", "7474A  - D  preset, clear, flanco positivo (x2)"},
    {"Chip7475", 7475, 7075, 16, 0, "SEEEVEESSSSGESSS", true, "Secuenciales > Registros > con Latches", "7475  - 4 latches D"},
    {"Chip7476A", 7476, 7076, 16, 2, "EEEEVEEEESSEGSSE", false, "Secuenciales > Flip-flops", "7476A  - JK preset, clear, flanco negativo (x2)"},
    {"Chip7477", 7477, 7077, 14, 0, "EEEVEENSSNGESS", false, "Secuenciales > Registros > con Latches", "7477  - 4 latches D"},
    {"Chip7483A", 7483, 7083, 16, 0, "ESEEESEESEEEESSE", false, "Combinacionales > Sumadores", "7483A - 4 bits"},
    {"Chip7485", 7485, 7085, 16, 0, "EEEESSSGEEEEEEEV", false, "Combinacionales > Comparador", "7485 - 4 bits"},
    {"Chip7486", 7486, 7086, 14, 0, "EESEESGSEESEEV", false, "Puertas básicas > Xor", "7486  - 2 entradas (x4)"},
    {"Chip7490", 7490, 7090, 14, 2, "EEENVEESSGSSNE", true, "Secuenciales > Contadores > Asíncronos", "7490  - Divisor por 2 y 5"},
    {"Chip7492", 7492, 7092, 14, 2, "ENNNVEESSGSSNE", true, "Secuenciales > Contadores > Asíncronos", "7492  - Divisor por 2 y 6"},
    {"Chip7493", 7493, 7093, 14, 2, "EEENVNNSSGSSNE", true, "Secuenciales > Contadores > Asíncronos", "7493  - Divisor por 2 y 8"},
    {"Chip7495", 7495, 7095, 14, 1, "EEEEEEGEESSSSV", true, "Secuenciales > Registros > de desplazamiento", "7495B  - 4 bits"},
    {"Chip74107", 74107, 7107, 14, 2, "ESSESSGEEEEEEV", false, "Secuenciales > Flip-flops", "74107A - JK flanco negativo (x2)"},
    {"Chip74109", 74109, 7109, 16, 2, "EEEEESSGSSEEEEEV", false, "Secuenciales > Flip-flops", "74109A - JK flanco positivo (x2)"},
    {"Chip74112", 74112, 7112, 16, 2, "EEEESSSGSEEEEEEV", false, "Secuenciales > Flip-flops", "74112A - JK flanco negativo (x2)"},
    {"Chip74113", 74113, 7113, 14, 2, "EEEESSGSSEEEEV", false, "Secuenciales > Flip-flops", "74113A - JK flanco negativo (x2)"},
    {"Chip74114", 74114, 7114, 14, 1, "EEEESSGSSEEEEV", false, "Secuenciales > Flip-flops", "74114A - JK flanco negativo (x2)"},
    {"Chip74133", 74133, 7133, 16, 0, "EEEEEEEGSEEEEEEV", false, "Puertas básicas > Nand", "74133 - 13 entradas"},
    {"Chip74137", 74137, 7137, 16, 3, "EEEEEESGSSSSSSSV", false, "Combinacionales > Descodificadores", "74137 - 1 de 8 líneas con latches de dirección"},
    {"Chip74138", 74138, 7138, 16, 0, "EEEEEESGSSSSSSSV", false, "Combinacionales > Descodificadores", "74138 - 1 de 8 líneas"},
    {"Chip74139", 74139, 7139, 16, 0, "EEESSSSGSSSSEEEV", false, "Combinacionales > Descodificadores", "74139 - 1 de 4 líneas (x2)"},
    {"Chip74147", 74147, 7147, 16, 0, "EEEEESSGSEEEESNV", false, "Combinacionales > Codificadores", "74147 - de prioridad, 10 líneas a 4"},
    {"Chip74148", 74148, 7148, 16, 0, "EEEEESSGSEEEESSV", false, "Combinacionales > Codificadores", "74148 - de prioridad, 8 líneas a 3"},
    {"Chip74151", 74151, 7151, 16, 0, "EEEESSEGEEEEEEEV", false, "Combinacionales > Multiplexores", "74151 - 8 líneas a 1"},
    {"Chip74153", 74153, 7153, 16, 0, "EEEEEESGSEEEEEEV", false, "Combinacionales > Multiplexores", "74153 - 4 líneas a 1 (x2)"},
    {"Chip74155", 74155, 7155, 16, 0, "EEESSSSGSSSSEEEV", false, "Combinacionales > Descodificadores", "74155 - 1 de 4 líneas (x2)"},
    {"Chip74157", 74157, 7157, 16, 0, "EEESEESGSEESEEEV", false, "Combinacionales > Multiplexores", "74157 - 2 líneas a 1 (x4)"},
    {"Chip74158", 74158, 7158, 16, 0, "EEESEESGSEESEEEV", false, "Combinacionales > Multiplexores", "74158 - 2 líneas a 1 (x4)"},
    {"Chip74160", 74160, 7160, 16, 1, "EEEEEEEGEESSSSSV", true, "Secuenciales > Contadores > Síncronos", "74160A - Módulo 10, reset asíncrono"},
    {"Chip74161", 74161, 7161, 16, 1, "EEEEEEEGEESSSSSV", true, "Secuenciales > Contadores > Síncronos", "74161A - Módulo 16, reset asíncrono"},
    {"Chip74162", 74162, 7162, 16, 1, "EEEEEEEGEESSSSSV", true, "Secuenciales > Contadores > Síncronos", "74162A - Módulo 10, reset síncrono"},
    {"Chip74163", 74163, 7163, 16, 1, "EEEEEEEGEESSSSSV", true, "Secuenciales > Contadores > Síncronos", "74163A - Módulo 16, reset síncrono"},
    {"Chip74164", 74164, 7164, 14, 1, "EESSSSEEESSSSE", false, "Secuenciales > Registros > de desplazamiento", "74164  - Entrada serie, salida paralela"},
    {"Chip74165", 74165, 7165, 16, 9, "EEEEEESGSEEEEEEV", true, "Secuenciales > Registros > de desplazamiento", "74165  - 8 bits, paralelo a serial"},
    {"Chip74166", 74166, 7166, 16, 9, "EEEEEEEEEEEESEEE", false, "Secuenciales > Registros > de desplazamiento", "74166  - Entrada paralela, salida serie"},
    {"Chip74168", 74168, 7168, 16, 1, "EEEEEEEGEESSSSSV", true, "Secuenciales > Contadores > Síncronos", "74168  - Bidireccional, módulo 10"},
    {"Chip74169", 74169, 7169, 16, 1, "EEEEEEEGEESSSSSV", true, "Secuenciales > Contadores > Síncronos", "74169  - Bidireccional, módulo 16"},
    {"Chip74170", 74170, 7170, 16, 16, "EEEEESSGSSEEEEEV", true, "Memoria", "74170 - Memoria de lectura y escritura 4 x 4"},
    {"Chip74174", 74174, 7174, 16, 1, "ESEESESGESESEESV", false, "Secuenciales > Registros > con Flip-flops", "74174 - 6 flip-flops D"},
    {"Chip74175", 74175, 7175, 16, 1, "ESSEESSGESSEESSV", false, "Secuenciales > Registros > con Flip-flops", "74175 - 4 flip-flops D"},
    {"Chip74181", 74181, 7181, 24, 0, "EEEEEEEESSSGSSSSSEEEEEEV", false, "Combinacionales > ALU", "74181 - 4 bits"},
    {"Chip74190", 74190, 7190, 16, 1, "ESSEESSGEEESSEEV", true, "Secuenciales > Contadores > Síncronos", "74190  - Módulo 10"},
    {"Chip74191", 74191, 7191, 16, 1, "ESSEESSEEEESSEEE", true, "Secuenciales > Contadores > Síncronos", "74191  - Módulo 16"},
    {"Chip74192", 74192, 7192, 16, 2, "ESSEESSGEEESSEEV", false, "Secuenciales > Contadores > Síncronos", "74192  - Bidireccional, BCD"},
    {"Chip74193", 74193, 7193, 16, 2, "ESSEESSGEEESSEEV", false, "Secuenciales > Contadores > Síncronos", "74193  - Bidireccional, módulo 16"},
    {"Chip74194", 74194, 7194, 16, 1, "EEEEEEEGEEESSSSV", true, "Secuenciales > Registros > de desplazamiento", "74194A - bidireccional, 4 bits"},
    {"Chip74195", 74195, 7195, 16, 1, "EEEEEEEGEESSSSSV", true, "Secuenciales > Registros > de desplazamiento", "74195A - 4 bits, universal"},
    {"Chip74196", 74196, 7196, 14, 2, "ESEESEGESEESEV", false, "Secuenciales > Contadores > Asíncronos", "74196 - Divisor entre 2 y 5"},
    {"Chip74197", 74197, 7197, 14, 2, "ESEESEGESEESEV", false, "Secuenciales > Contadores > Asíncronos", "74197 - Divisor entre 2 y 8"},
    {"Chip74247", 74247, 7247, 16, 0, "EEEEEEEGSSSSSSSV", false, "Combinacionales > Descodificadores", "74247 - BCD a 7 Segmentos"},
    {"Chip74256", 74256, 7256, 16, 0, "EEESSSSGSSSSEEEV", false, "Secuenciales > Registros > con Latches", "74256 - Latch direccionable de 4 bits (x2)"},
    {"Chip74259", 74259, 7259, 16, 0, "EEESSSSGSSSSEEEV", false, "Secuenciales > Registros > con Latches", "74259 - Latch direccionable de 8 bits"},
    {"Chip74260", 74260, 7260, 14, 0, "EEEESSGEEEEEEV", false, "Puertas básicas > Nor", "74260 - 5 entradas (x2)"},
    {"Chip74273", 74273, 7273, 20, 1, "ESEESSEESGESEESSEESV", false, "Secuenciales > Registros > con Flip-flops", "74273 - 8 flip-flops D con clear"},
    {"Chip74279", 74279, 7279, 16, 0, "EEESEESGSEEESEEV", false, "Secuenciales > Registros > con Latches", "74279 - 4 latches con set y reset"},
    {"Chip74280", 74280, 7280, 14, 0, "EENESSGEEEEEEV", false, "Combinacionales > Generador de paridad", "74280 - Generador/revisor de paridad par/impar de 9 bits"},
    {"Chip74283", 74283, 7283, 16, 0, "SEESEEEGSSEESEEV", false, "Combinacionales > Sumadores", "74283 - 4 bits"},
    {"Chip74290", 74290, 7290, 14, 2, "ENESSNGSSEEEEV", false, "Secuenciales > Contadores > Asíncronos", "74290 - Divisor entre 2 y 5"},
    {"Chip74293", 74293, 7293, 14, 2, "NNNSSNGSSEEEEV", false, "Secuenciales > Contadores > Asíncronos", "74293 - Divisor entre 2 y 8"},
    {"Chip74298", 74298, 7298, 16, 1, "EEEEEEEGEEESSSSV", false, "Combinacionales > Multiplexores", "74298 - 2 líneas a 1 con registro (x4)"},
    {"Chip74352", 74352, 7352, 16, 0, "EEEEEESGSEEEEEEV", false, "Combinacionales > Multiplexores", "74352 - 4 líneas a 1 (x2)"},
    {"Chip74375", 74375, 7375, 16, 0, "ESSESSEGESSESSEV", false, "Secuenciales > Registros > con Latches", "74375 - 4 latches D"},
    {"Chip74377", 74377, 7377, 20, 1, "ESEESSEESGESEESSEESV", false, "Secuenciales > Registros > con Flip-flops", "74377 - 8 flip-flops D con enable"},
    {"Chip74378", 74378, 7378, 16, 1, "ESEESESGESESEESV", false, "Secuenciales > Registros > con Flip-flops", "74378 - 6 flip-flops D con enable"},
    {"Chip74379", 74379, 7379, 16, 1, "ESSEESSGESSEESSV", false, "Secuenciales > Registros > con Flip-flops", "74379 - 4 flip-flops D con enable"},
    {"Chip74386", 74386, 7386, 14, 0, "EESSEEGEESSEEV", false, "Puertas básicas > Xor", "74386 - 2 entradas (x4)"},
    {"Chip74390", 74390, 7390, 16, 4, "EESESSSGSSSESEEV", false, "Secuenciales > Contadores > Asíncronos", "74390 - Divisor entre 2 y 5 (x2)"},
    {"Chip74393", 74393, 7393, 14, 2, "EESSSSGSSSSEEV", false, "Secuenciales > Contadores > Asíncronos", "74393 - Contador binario de 4 bits (x2)"},
    {"Chip74398", 74398, 7398, 20, 1, "ESSEEEESSGESSEEEESSV", false, "Combinacionales > Multiplexores", "74398 - 2 líneas a 1 con registro (x4)"},
    {"Chip74399", 74399, 7399, 16, 1, "ESEEEESGESEEEESV", false, "Combinacionales > Multiplexores", "74399 - 2 líneas a 1 con registro (x4)"},
    {"Chip74490", 74490, 7490, 16, 2, "EESESSSGSSSESEEV", false, "Secuenciales > Contadores > Asíncronos", "74490 - Contador de décadas (x2)"},
    {"Chip74669", 74669, 7669, 16, 1, "EEEEEEEGEESSSSSV", false, "Secuenciales > Contadores > Síncronos", "74669  - Bidireccional, módulo 16"},
}};
}  // namespace

std::span<const FichaDeChip> Catalogo() { return kCatalogo; }

const FichaDeChip* FichaDeCatalogo(int codigoDeCatalogo) {
    for (const FichaDeChip& ficha : kCatalogo) {
        if (ficha.codigoDeCatalogo == codigoDeCatalogo) return &ficha;
    }
    return nullptr;
}

bool GuardaEstado(const FichaDeChip& ficha) {
    const std::string_view grupo = ficha.grupo;
    return ficha.estados > 0 || grupo.starts_with("Secuenciales") || grupo.starts_with("Memoria");
}

std::string EtiquetaDeChip(long codigoDeCatalogo) {
    char texto[32];
    const long n = codigoDeCatalogo - 7000;
    std::snprintf(texto, sizeof texto, codigoDeCatalogo > 7009 ? "74LS%ld" : "74LS0%ld", n);
    return texto;
}

}  // namespace velistra
