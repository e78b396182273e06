// 74181 4-bit arithmetic logic unit, evaluated gate by gate on the pin levels as
// they are (the data sheet's active-high reading: Cn and Cn+4 are active-low).
#include "chips/Combinacionales.h"
#include "chips/LogicaCombinacional.h"

namespace velistra {

namespace {

constexpr int kBits = 4;
constexpr ListaDePines kA{2, 23, 21, 19};
constexpr ListaDePines kB{1, 22, 20, 18};
constexpr ListaDePines kF{9, 10, 11, 13};
constexpr int kS0 = 6;
constexpr int kS1 = 5;
constexpr int kS2 = 4;
constexpr int kS3 = 3;
constexpr int kCn = 7;
constexpr int kM = 8;  // 1 selects the logic functions
constexpr int kAIgualB = 14;
constexpr int kP = 15;
constexpr int kCn4 = 16;
constexpr int kG = 17;
constexpr int kTierra = 12;
constexpr int kAlimentacion = 24;

}  // namespace

Chip74181::Chip74181() : CircuitoElectronico(7181) {}

bool Chip74181::Funcion(bool* valores) const {
    Salidas salidas(valores);
    if (!Alimentado(valores, kTierra, kAlimentacion)) {
        salidas.PonTodas(kF, false);
        for (int pin : {kAIgualB, kP, kCn4, kG}) salidas.Pon(pin, false);
        return salidas.Cambiaron();
    }
    const bool s0 = valores[kS0], s1 = valores[kS1], s2 = valores[kS2], s3 = valores[kS3];
    const bool nm = !valores[kM];

    // First gate level, per bit.
    bool x[kBits];
    bool y[kBits];
    for (int i = 0; i < kBits; ++i) {
        const bool a = valores[kA[i]];
        const bool b = valores[kB[i]];
        x[i] = !(a || (b && s0) || (!b && s1));
        y[i] = !((a && !b && s2) || (a && b && s3));
    }

    // The carry into bit i is the data sheet's look-ahead sum of products
    // X(i-1) + X(i-2)Y(i-1) + ... + Cn Y0..Y(i-1); built up bit by bit it is the same
    // expression, and after bit 3 it is Cn+4. G is the same chain without Cn.
    bool acarreo = valores[kCn];
    bool generado = false;
    bool propagado = true;
    bool todosUno = true;
    for (int i = 0; i < kBits; ++i) {
        const bool f = !(nm && acarreo) != (y[i] && !x[i]);
        salidas.Pon(kF[i], f);
        todosUno = todosUno && f;
        acarreo = x[i] || (acarreo && y[i]);
        generado = x[i] || (generado && y[i]);
        propagado = propagado && y[i];
    }
    salidas.Pon(kAIgualB, todosUno);
    salidas.Pon(kP, !propagado);
    salidas.Pon(kCn4, acarreo);
    salidas.Pon(kG, !generado);
    return salidas.Cambiaron();
}

}  // namespace velistra
