#include "chips/Catalogo.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "plataforma/Traducible.h"

namespace velistra {

namespace {
// Class, model code, catalogue code, pins, states, pin types, own switch-on state,
// menu group, menu text (menu texts keep their irregular spacing on purpose).
constexpr std::array<FichaDeChip, 88> kCatalogo{{
    {"Chip7400", 7400, 7000, 14, 0, "EESEESGSEESEEV", false, VELISTRA_TEXTO("Puertas básicas > Nand"), VELISTRA_TEXTO("7400  - 2 entradas (x4)")},
    {"Chip7402", 7402, 7002, 14, 0, "SEESEEGEESEESV", false, VELISTRA_TEXTO("Puertas básicas > Nor"), VELISTRA_TEXTO("7402  - 2 entradas (x4)")},
    {"Chip7404", 7404, 7004, 14, 0, "ESESESGSESESEV", false, VELISTRA_TEXTO("Puertas básicas > Not"), VELISTRA_TEXTO("7404  - Not (x6)")},
    {"Chip7408", 7408, 7008, 14, 0, "EESEESGSEESEEV", false, VELISTRA_TEXTO("Puertas básicas > And"), VELISTRA_TEXTO("7408  - 2 entradas (x4)")},
    {"Chip7410", 7410, 7010, 14, 0, "EEEEESGSEEESEV", false, VELISTRA_TEXTO("Puertas básicas > Nand"), VELISTRA_TEXTO("7410  - 3 entradas (x3)")},
    {"Chip7411", 7411, 7011, 14, 0, "EEEEESGSEEESEV", false, VELISTRA_TEXTO("Puertas básicas > And"), VELISTRA_TEXTO("7411  - 3 entradas (x3)")},
    {"Chip7420", 7420, 7020, 14, 0, "EENEESGSEENEEV", false, VELISTRA_TEXTO("Puertas básicas > Nand"), VELISTRA_TEXTO("7420  - 4 entradas (x2)")},
    {"Chip7421", 7421, 7021, 14, 0, "EENEESGSEENEEV", false, VELISTRA_TEXTO("Puertas básicas > And"), VELISTRA_TEXTO("7421  - 4 entradas (x2)")},
    {"Chip7427", 7427, 7027, 14, 0, "EEEEESGSEEESEV", false, VELISTRA_TEXTO("Puertas básicas > Nor"), VELISTRA_TEXTO("7427  - 3 entradas(x3)")},
    {"Chip7430", 7430, 7030, 14, 0, "EEEEEEGSNNEENV", false, VELISTRA_TEXTO("Puertas básicas > Nand"), VELISTRA_TEXTO("7430  - 8 entradas")},
    {"Chip7432", 7432, 7032, 14, 0, "EESEESGSEESEEV", false, VELISTRA_TEXTO("Puertas básicas > Or"), VELISTRA_TEXTO("7432 - 2 entradas (x4)")},
    {"Chip7442", 7442, 7042, 16, 0, "SSSSSSSGSSSEEEEV", false, VELISTRA_TEXTO("Combinacionales > Descodificadores"), VELISTRA_TEXTO("7442  - 1 de 10 líneas (BCD a decimal)")},
    {"Chip7447", 7447, 7047, 16, 0, "EEESEEEGSSSSSSSV", false, VELISTRA_TEXTO("Combinacionales > Descodificadores"), VELISTRA_TEXTO("7447  - BCD a 7 Segmentos")},
    {"Chip7451", 7451, 7051, 14, 0, "EEEEESGSEEEEEV", false, VELISTRA_TEXTO("Puertas básicas > And - Or - Invert"), VELISTRA_TEXTO("7451 - 2-ancho 2-3-entradas AND-OR-INVERT (x2)")},
    {"Chip7454", 7454, 7054, 14, 0, "EEEEESGNEEEEEV", false, VELISTRA_TEXTO("Puertas básicas > And - Or - Invert"), VELISTRA_TEXTO("7454 - 3-2-2-3-entradas AND-OR-INVERT")},
    {"Chip7455", 7455, 7055, 14, 0, "EEEENNGSNEEEEV", false, VELISTRA_TEXTO("Puertas básicas > And - Or - Invert"), VELISTRA_TEXTO("7455 - 2-ancho, 4-entradas AND-OR-INVERT")},
    {"Chip7473", 7473, 7073, 14, 0, "EEEVEEESSEGSSE", true, VELISTRA_TEXTO("Secuenciales > Flip-flops"), VELISTRA_TEXTO("7473A  - JK flanco negativo(x2)")},
    {"Chip7474", 7474, 7074, 14, 2, "EEEESSGSSEEEEV", false, VELISTRA_TEXTO("Secuenciales > Flip-flops"), VELISTRA_TEXTO("7474A  - D  preset, clear, flanco positivo (x2)")},
    {"Chip7475", 7475, 7075, 16, 0, "SEEEVEESSSSGESSS", true, VELISTRA_TEXTO("Secuenciales > Registros > con Latches"), VELISTRA_TEXTO("7475  - 4 latches D")},
    {"Chip7476A", 7476, 7076, 16, 2, "EEEEVEEEESSEGSSE", false, VELISTRA_TEXTO("Secuenciales > Flip-flops"), VELISTRA_TEXTO("7476A  - JK preset, clear, flanco negativo (x2)")},
    {"Chip7477", 7477, 7077, 14, 0, "EEEVEENSSNGESS", false, VELISTRA_TEXTO("Secuenciales > Registros > con Latches"), VELISTRA_TEXTO("7477  - 4 latches D")},
    {"Chip7483A", 7483, 7083, 16, 0, "ESEEESEESEEEESSE", false, VELISTRA_TEXTO("Combinacionales > Sumadores"), VELISTRA_TEXTO("7483A - 4 bits")},
    {"Chip7485", 7485, 7085, 16, 0, "EEEESSSGEEEEEEEV", false, VELISTRA_TEXTO("Combinacionales > Comparador"), VELISTRA_TEXTO("7485 - 4 bits")},
    {"Chip7486", 7486, 7086, 14, 0, "EESEESGSEESEEV", false, VELISTRA_TEXTO("Puertas básicas > Xor"), VELISTRA_TEXTO("7486  - 2 entradas (x4)")},
    {"Chip7490", 7490, 7090, 14, 2, "EEENVEESSGSSNE", true, VELISTRA_TEXTO("Secuenciales > Contadores > Asíncronos"), VELISTRA_TEXTO("7490  - Divisor por 2 y 5")},
    {"Chip7492", 7492, 7092, 14, 2, "ENNNVEESSGSSNE", true, VELISTRA_TEXTO("Secuenciales > Contadores > Asíncronos"), VELISTRA_TEXTO("7492  - Divisor por 2 y 6")},
    {"Chip7493", 7493, 7093, 14, 2, "EEENVNNSSGSSNE", true, VELISTRA_TEXTO("Secuenciales > Contadores > Asíncronos"), VELISTRA_TEXTO("7493  - Divisor por 2 y 8")},
    {"Chip7495", 7495, 7095, 14, 1, "EEEEEEGEESSSSV", true, VELISTRA_TEXTO("Secuenciales > Registros > de desplazamiento"), VELISTRA_TEXTO("7495B  - 4 bits")},
    {"Chip74107", 74107, 7107, 14, 2, "ESSESSGEEEEEEV", false, VELISTRA_TEXTO("Secuenciales > Flip-flops"), VELISTRA_TEXTO("74107A - JK flanco negativo (x2)")},
    {"Chip74109", 74109, 7109, 16, 2, "EEEEESSGSSEEEEEV", false, VELISTRA_TEXTO("Secuenciales > Flip-flops"), VELISTRA_TEXTO("74109A - JK flanco positivo (x2)")},
    {"Chip74112", 74112, 7112, 16, 2, "EEEESSSGSEEEEEEV", false, VELISTRA_TEXTO("Secuenciales > Flip-flops"), VELISTRA_TEXTO("74112A - JK flanco negativo (x2)")},
    {"Chip74113", 74113, 7113, 14, 2, "EEEESSGSSEEEEV", false, VELISTRA_TEXTO("Secuenciales > Flip-flops"), VELISTRA_TEXTO("74113A - JK flanco negativo (x2)")},
    {"Chip74114", 74114, 7114, 14, 1, "EEEESSGSSEEEEV", false, VELISTRA_TEXTO("Secuenciales > Flip-flops"), VELISTRA_TEXTO("74114A - JK flanco negativo (x2)")},
    {"Chip74133", 74133, 7133, 16, 0, "EEEEEEEGSEEEEEEV", false, VELISTRA_TEXTO("Puertas básicas > Nand"), VELISTRA_TEXTO("74133 - 13 entradas")},
    {"Chip74137", 74137, 7137, 16, 3, "EEEEEESGSSSSSSSV", false, VELISTRA_TEXTO("Combinacionales > Descodificadores"), VELISTRA_TEXTO("74137 - 1 de 8 líneas con latches de dirección")},
    {"Chip74138", 74138, 7138, 16, 0, "EEEEEESGSSSSSSSV", false, VELISTRA_TEXTO("Combinacionales > Descodificadores"), VELISTRA_TEXTO("74138 - 1 de 8 líneas")},
    {"Chip74139", 74139, 7139, 16, 0, "EEESSSSGSSSSEEEV", false, VELISTRA_TEXTO("Combinacionales > Descodificadores"), VELISTRA_TEXTO("74139 - 1 de 4 líneas (x2)")},
    {"Chip74147", 74147, 7147, 16, 0, "EEEEESSGSEEEESNV", false, VELISTRA_TEXTO("Combinacionales > Codificadores"), VELISTRA_TEXTO("74147 - de prioridad, 10 líneas a 4")},
    {"Chip74148", 74148, 7148, 16, 0, "EEEEESSGSEEEESSV", false, VELISTRA_TEXTO("Combinacionales > Codificadores"), VELISTRA_TEXTO("74148 - de prioridad, 8 líneas a 3")},
    {"Chip74151", 74151, 7151, 16, 0, "EEEESSEGEEEEEEEV", false, VELISTRA_TEXTO("Combinacionales > Multiplexores"), VELISTRA_TEXTO("74151 - 8 líneas a 1")},
    {"Chip74153", 74153, 7153, 16, 0, "EEEEEESGSEEEEEEV", false, VELISTRA_TEXTO("Combinacionales > Multiplexores"), VELISTRA_TEXTO("74153 - 4 líneas a 1 (x2)")},
    {"Chip74155", 74155, 7155, 16, 0, "EEESSSSGSSSSEEEV", false, VELISTRA_TEXTO("Combinacionales > Descodificadores"), VELISTRA_TEXTO("74155 - 1 de 4 líneas (x2)")},
    {"Chip74157", 74157, 7157, 16, 0, "EEESEESGSEESEEEV", false, VELISTRA_TEXTO("Combinacionales > Multiplexores"), VELISTRA_TEXTO("74157 - 2 líneas a 1 (x4)")},
    {"Chip74158", 74158, 7158, 16, 0, "EEESEESGSEESEEEV", false, VELISTRA_TEXTO("Combinacionales > Multiplexores"), VELISTRA_TEXTO("74158 - 2 líneas a 1 (x4)")},
    {"Chip74160", 74160, 7160, 16, 1, "EEEEEEEGEESSSSSV", true, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74160A - Módulo 10, reset asíncrono")},
    {"Chip74161", 74161, 7161, 16, 1, "EEEEEEEGEESSSSSV", true, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74161A - Módulo 16, reset asíncrono")},
    {"Chip74162", 74162, 7162, 16, 1, "EEEEEEEGEESSSSSV", true, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74162A - Módulo 10, reset síncrono")},
    {"Chip74163", 74163, 7163, 16, 1, "EEEEEEEGEESSSSSV", true, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74163A - Módulo 16, reset síncrono")},
    {"Chip74164", 74164, 7164, 14, 1, "EESSSSEEESSSSE", false, VELISTRA_TEXTO("Secuenciales > Registros > de desplazamiento"), VELISTRA_TEXTO("74164  - Entrada serie, salida paralela")},
    {"Chip74165", 74165, 7165, 16, 9, "EEEEEESGSEEEEEEV", true, VELISTRA_TEXTO("Secuenciales > Registros > de desplazamiento"), VELISTRA_TEXTO("74165  - 8 bits, paralelo a serial")},
    {"Chip74166", 74166, 7166, 16, 9, "EEEEEEEEEEEESEEE", false, VELISTRA_TEXTO("Secuenciales > Registros > de desplazamiento"), VELISTRA_TEXTO("74166  - Entrada paralela, salida serie")},
    {"Chip74168", 74168, 7168, 16, 1, "EEEEEEEGEESSSSSV", true, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74168  - Bidireccional, módulo 10")},
    {"Chip74169", 74169, 7169, 16, 1, "EEEEEEEGEESSSSSV", true, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74169  - Bidireccional, módulo 16")},
    {"Chip74170", 74170, 7170, 16, 16, "EEEEESSGSSEEEEEV", true, VELISTRA_TEXTO("Memoria"), VELISTRA_TEXTO("74170 - Memoria de lectura y escritura 4 x 4")},
    {"Chip74174", 74174, 7174, 16, 1, "ESEESESGESESEESV", false, VELISTRA_TEXTO("Secuenciales > Registros > con Flip-flops"), VELISTRA_TEXTO("74174 - 6 flip-flops D")},
    {"Chip74175", 74175, 7175, 16, 1, "ESSEESSGESSEESSV", false, VELISTRA_TEXTO("Secuenciales > Registros > con Flip-flops"), VELISTRA_TEXTO("74175 - 4 flip-flops D")},
    {"Chip74181", 74181, 7181, 24, 0, "EEEEEEEESSSGSSSSSEEEEEEV", false, VELISTRA_TEXTO("Combinacionales > ALU"), VELISTRA_TEXTO("74181 - 4 bits")},
    {"Chip74190", 74190, 7190, 16, 1, "ESSEESSGEEESSEEV", true, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74190  - Módulo 10")},
    {"Chip74191", 74191, 7191, 16, 1, "ESSEESSEEEESSEEE", true, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74191  - Módulo 16")},
    {"Chip74192", 74192, 7192, 16, 2, "ESSEESSGEEESSEEV", false, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74192  - Bidireccional, BCD")},
    {"Chip74193", 74193, 7193, 16, 2, "ESSEESSGEEESSEEV", false, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74193  - Bidireccional, módulo 16")},
    {"Chip74194", 74194, 7194, 16, 1, "EEEEEEEGEEESSSSV", true, VELISTRA_TEXTO("Secuenciales > Registros > de desplazamiento"), VELISTRA_TEXTO("74194A - bidireccional, 4 bits")},
    {"Chip74195", 74195, 7195, 16, 1, "EEEEEEEGEESSSSSV", true, VELISTRA_TEXTO("Secuenciales > Registros > de desplazamiento"), VELISTRA_TEXTO("74195A - 4 bits, universal")},
    {"Chip74196", 74196, 7196, 14, 2, "ESEESEGESEESEV", false, VELISTRA_TEXTO("Secuenciales > Contadores > Asíncronos"), VELISTRA_TEXTO("74196 - Divisor entre 2 y 5")},
    {"Chip74197", 74197, 7197, 14, 2, "ESEESEGESEESEV", false, VELISTRA_TEXTO("Secuenciales > Contadores > Asíncronos"), VELISTRA_TEXTO("74197 - Divisor entre 2 y 8")},
    {"Chip74247", 74247, 7247, 16, 0, "EEEEEEEGSSSSSSSV", false, VELISTRA_TEXTO("Combinacionales > Descodificadores"), VELISTRA_TEXTO("74247 - BCD a 7 Segmentos")},
    {"Chip74256", 74256, 7256, 16, 0, "EEESSSSGSSSSEEEV", false, VELISTRA_TEXTO("Secuenciales > Registros > con Latches"), VELISTRA_TEXTO("74256 - Latch direccionable de 4 bits (x2)")},
    {"Chip74259", 74259, 7259, 16, 0, "EEESSSSGSSSSEEEV", false, VELISTRA_TEXTO("Secuenciales > Registros > con Latches"), VELISTRA_TEXTO("74259 - Latch direccionable de 8 bits")},
    {"Chip74260", 74260, 7260, 14, 0, "EEEESSGEEEEEEV", false, VELISTRA_TEXTO("Puertas básicas > Nor"), VELISTRA_TEXTO("74260 - 5 entradas (x2)")},
    {"Chip74273", 74273, 7273, 20, 1, "ESEESSEESGESEESSEESV", false, VELISTRA_TEXTO("Secuenciales > Registros > con Flip-flops"), VELISTRA_TEXTO("74273 - 8 flip-flops D con clear")},
    {"Chip74279", 74279, 7279, 16, 0, "EEESEESGSEEESEEV", false, VELISTRA_TEXTO("Secuenciales > Registros > con Latches"), VELISTRA_TEXTO("74279 - 4 latches con set y reset")},
    {"Chip74280", 74280, 7280, 14, 0, "EENESSGEEEEEEV", false, VELISTRA_TEXTO("Combinacionales > Generador de paridad"), VELISTRA_TEXTO("74280 - Generador/revisor de paridad par/impar de 9 bits")},
    {"Chip74283", 74283, 7283, 16, 0, "SEESEEEGSSEESEEV", false, VELISTRA_TEXTO("Combinacionales > Sumadores"), VELISTRA_TEXTO("74283 - 4 bits")},
    {"Chip74290", 74290, 7290, 14, 2, "ENESSNGSSEEEEV", false, VELISTRA_TEXTO("Secuenciales > Contadores > Asíncronos"), VELISTRA_TEXTO("74290 - Divisor entre 2 y 5")},
    {"Chip74293", 74293, 7293, 14, 2, "NNNSSNGSSEEEEV", false, VELISTRA_TEXTO("Secuenciales > Contadores > Asíncronos"), VELISTRA_TEXTO("74293 - Divisor entre 2 y 8")},
    {"Chip74298", 74298, 7298, 16, 1, "EEEEEEEGEEESSSSV", false, VELISTRA_TEXTO("Combinacionales > Multiplexores"), VELISTRA_TEXTO("74298 - 2 líneas a 1 con registro (x4)")},
    {"Chip74352", 74352, 7352, 16, 0, "EEEEEESGSEEEEEEV", false, VELISTRA_TEXTO("Combinacionales > Multiplexores"), VELISTRA_TEXTO("74352 - 4 líneas a 1 (x2)")},
    {"Chip74375", 74375, 7375, 16, 0, "ESSESSEGESSESSEV", false, VELISTRA_TEXTO("Secuenciales > Registros > con Latches"), VELISTRA_TEXTO("74375 - 4 latches D")},
    {"Chip74377", 74377, 7377, 20, 1, "ESEESSEESGESEESSEESV", false, VELISTRA_TEXTO("Secuenciales > Registros > con Flip-flops"), VELISTRA_TEXTO("74377 - 8 flip-flops D con enable")},
    {"Chip74378", 74378, 7378, 16, 1, "ESEESESGESESEESV", false, VELISTRA_TEXTO("Secuenciales > Registros > con Flip-flops"), VELISTRA_TEXTO("74378 - 6 flip-flops D con enable")},
    {"Chip74379", 74379, 7379, 16, 1, "ESSEESSGESSEESSV", false, VELISTRA_TEXTO("Secuenciales > Registros > con Flip-flops"), VELISTRA_TEXTO("74379 - 4 flip-flops D con enable")},
    {"Chip74386", 74386, 7386, 14, 0, "EESSEEGEESSEEV", false, VELISTRA_TEXTO("Puertas básicas > Xor"), VELISTRA_TEXTO("74386 - 2 entradas (x4)")},
    {"Chip74390", 74390, 7390, 16, 4, "EESESSSGSSSESEEV", false, VELISTRA_TEXTO("Secuenciales > Contadores > Asíncronos"), VELISTRA_TEXTO("74390 - Divisor entre 2 y 5 (x2)")},
    {"Chip74393", 74393, 7393, 14, 2, "EESSSSGSSSSEEV", false, VELISTRA_TEXTO("Secuenciales > Contadores > Asíncronos"), VELISTRA_TEXTO("74393 - Contador binario de 4 bits (x2)")},
    {"Chip74398", 74398, 7398, 20, 1, "ESSEEEESSGESSEEEESSV", false, VELISTRA_TEXTO("Combinacionales > Multiplexores"), VELISTRA_TEXTO("74398 - 2 líneas a 1 con registro (x4)")},
    {"Chip74399", 74399, 7399, 16, 1, "ESEEEESGESEEEESV", false, VELISTRA_TEXTO("Combinacionales > Multiplexores"), VELISTRA_TEXTO("74399 - 2 líneas a 1 con registro (x4)")},
    {"Chip74490", 74490, 7490, 16, 2, "EESESSSGSSSESEEV", false, VELISTRA_TEXTO("Secuenciales > Contadores > Asíncronos"), VELISTRA_TEXTO("74490 - Contador de décadas (x2)")},
    {"Chip74669", 74669, 7669, 16, 1, "EEEEEEEGEESSSSSV", false, VELISTRA_TEXTO("Secuenciales > Contadores > Síncronos"), VELISTRA_TEXTO("74669  - Bidireccional, módulo 16")},
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
