#include <array>

#include "chips/ChipsDeUnaFamilia.h"
#include "chips/Contadores.h"
#include "chips/GruposDeEntradas.h"
#include "chips/MecanismosSecuenciales.h"

namespace velistra {

namespace {

// One flip-flop chain with its own clock: counts 0 .. `ultimo` and wraps to 0. A value
// above `ultimo` (only a parallel load can leave one) also goes to 0.
struct Seccion {
    int reloj = 0;
    int anterior = 0;  // entry keeping the clock's previous level
    int ultimo = 0;
    ListaDePines bits{};   // outputs, least significant first
    ListaDePines datos{};  // parallel-load inputs in the same order, if any
};

enum class Accion { Pone, Carga };

// Inputs that, all at `nivel`, force the sections and keep the clocks from counting.
struct Forzado {
    ListaDePines pines{};
    bool nivel = true;
    Accion accion = Accion::Pone;
    std::array<int, 2> valores{};  // per section, for Accion::Pone
};

// Sections that share their set and clear inputs; forzados in order of priority.
struct Unidad {
    ListaFija<Seccion, 2> secciones{};
    ListaFija<Forzado, 2> forzados{};
};

enum class Apagado { PoneACero, Mantiene, PoneACeroSalvoDivisorPorDos };

}  // namespace

struct EsquemaAsincrono {
    int tierra;
    int alimentacion;
    Apagado apagado;
    ListaFija<Unidad, 2> unidades;
};

namespace {

bool EstaActivo(const Forzado& forzado, const bool* valores) {
    return forzado.nivel ? TodosEnAlto(valores, forzado.pines)
                         : TodosEnBajo(valores, forzado.pines);
}

void Fuerza(const Unidad& unidad, const Forzado& forzado, bool* valores) {
    for (int i = 0; i < unidad.secciones.size(); ++i) {
        const Seccion& seccion = unidad.secciones[i];
        const int valor =
            forzado.accion == Accion::Carga ? Numero(valores, seccion.datos) : forzado.valores[i];
        EscribeNumero(valores, seccion.bits, valor);
    }
}

void Cuenta(const Seccion& seccion, bool* valores) {
    if (!FlancoDeBajada(valores[seccion.reloj], valores[seccion.anterior])) return;
    const int valor = Numero(valores, seccion.bits);
    EscribeNumero(valores, seccion.bits, valor >= seccion.ultimo ? 0 : valor + 1);
}

void EvaluaAlimentada(const Unidad& unidad, bool* valores) {
    for (const Forzado& forzado : unidad.forzados) {
        if (EstaActivo(forzado, valores)) {
            Fuerza(unidad, forzado, valores);
            return;
        }
    }
    for (const Seccion& seccion : unidad.secciones) Cuenta(seccion, valores);
}

void Apaga(const Unidad& unidad, Apagado apagado, bool* valores) {
    for (const Seccion& seccion : unidad.secciones) {
        if (apagado == Apagado::Mantiene) continue;
        if (apagado == Apagado::PoneACeroSalvoDivisorPorDos && seccion.ultimo == 1) continue;
        EscribeNumero(valores, seccion.bits, 0);
    }
}

// The divide-by-2 flip-flop QA of the 7490 family.
constexpr Seccion DivisorPorDos(int reloj, int anterior, int qa, ListaDePines datoA = {}) {
    return {.reloj = reloj, .anterior = anterior, .ultimo = 1, .bits = {qa}, .datos = datoA};
}

constexpr Forzado PuestaANueve(ListaDePines pines) { return {.pines = pines, .valores = {1, 4}}; }
constexpr Forzado PuestaACero(ListaDePines pines) { return {.pines = pines}; }

// The 7490 family: QA toggles on clock A, QB..QD count 0 .. ultimo on clock B; previous
// clock levels in entries 15 (A) and 16 (B).
constexpr Unidad DivisorYTresBits(int relojA, int qa, int relojB, ListaDePines qbqcqd, int ultimo,
                                  ListaFija<Forzado, 2> forzados) {
    return {
        .secciones = {DivisorPorDos(relojA, 15, qa),
                      Seccion{.reloj = relojB, .anterior = 16, .ultimo = ultimo, .bits = qbqcqd}},
        .forzados = forzados};
}

// 7490: clock B 1, R0 2 and 3, R9 6 and 7, QC 8, QB 9, QD 11, QA 12, clock A 14.
constexpr EsquemaAsincrono kEsquema7490{
    .tierra = 10,
    .alimentacion = 5,
    .apagado = Apagado::PoneACeroSalvoDivisorPorDos,
    .unidades = {
        DivisorYTresBits(14, 12, 1, {9, 8, 11}, 4, {PuestaANueve({6, 7}), PuestaACero({2, 3})})}};

// 7492: clock B 1, R0 6 and 7, QD 8, QC 9, QB 11, QA 12, clock A 14.
constexpr EsquemaAsincrono kEsquema7492{
    .tierra = 10,
    .alimentacion = 5,
    .apagado = Apagado::Mantiene,
    .unidades = {DivisorYTresBits(14, 12, 1, {11, 9, 8}, 5, {PuestaACero({6, 7})})}};

// 7493: clock B 1, R0 2 and 3, QC 8, QB 9, QD 11, QA 12, clock A 14.
constexpr EsquemaAsincrono kEsquema7493{
    .tierra = 10,
    .alimentacion = 5,
    .apagado = Apagado::Mantiene,
    .unidades = {DivisorYTresBits(14, 12, 1, {9, 8, 11}, 7, {PuestaACero({2, 3})})}};

// 74290: R9 1 and 3, QC 4, QB 5, QD 8, QA 9, clock A 10, clock B 11, R0 12 and 13.
constexpr EsquemaAsincrono kEsquema74290{
    .tierra = 7,
    .alimentacion = 14,
    .apagado = Apagado::PoneACero,
    .unidades = {
        DivisorYTresBits(10, 9, 11, {5, 4, 8}, 4, {PuestaANueve({1, 3}), PuestaACero({12, 13})})}};

// 74293: QC 4, QB 5, QD 8, QA 9, clock A 10, clock B 11, R0 12 and 13.
constexpr EsquemaAsincrono kEsquema74293{
    .tierra = 7,
    .alimentacion = 14,
    .apagado = Apagado::PoneACero,
    .unidades = {DivisorYTresBits(10, 9, 11, {5, 4, 8}, 7, {PuestaACero({12, 13})})}};

// 74196 and 74197: count/load 1 (active-low), QC 2, C 3, A 4, QA 5, clock 2 6, clock 1 8,
// QB 9, B 10, D 11, QD 12, clear 13 (active-low).
constexpr EsquemaAsincrono Presentable(int ultimo) {
    const Seccion tresBits{
        .reloj = 6, .anterior = 16, .ultimo = ultimo, .bits = {9, 2, 12}, .datos = {10, 3, 11}};
    const Forzado borrado{.pines = {13}, .nivel = false};
    const Forzado carga{.pines = {1}, .nivel = false, .accion = Accion::Carga};
    return {.tierra = 7,
            .alimentacion = 14,
            .apagado = Apagado::PoneACero,
            .unidades = {Unidad{.secciones = {DivisorPorDos(8, 15, 5, {4}), tresBits},
                                .forzados = {borrado, carga}}}};
}
constexpr EsquemaAsincrono kEsquema74196 = Presentable(4);
constexpr EsquemaAsincrono kEsquema74197 = Presentable(7);

// 74390, per half: clock A, clear (active-high), QA, clock B, QB, QC, QD.
// First half: 1, 2, 3, 4, 5, 6, 7; second half: 15, 14, 13, 12, 11, 10, 9.
constexpr Unidad MitadDe74390(int relojA, int anteriorA, int qa, int relojB, int anteriorB,
                              ListaDePines qbqcqd, int borrado) {
    return {
        .secciones = {DivisorPorDos(relojA, anteriorA, qa),
                      Seccion{.reloj = relojB, .anterior = anteriorB, .ultimo = 4, .bits = qbqcqd}},
        .forzados = {PuestaACero({borrado})}};
}
constexpr EsquemaAsincrono kEsquema74390{
    .tierra = 8,
    .alimentacion = 16,
    .apagado = Apagado::PoneACero,
    .unidades = {MitadDe74390(1, 17, 3, 4, 18, {5, 6, 7}, 2),
                 MitadDe74390(15, 19, 13, 12, 20, {11, 10, 9}, 14)}};

// Four-bit halves of the 74393 and 74490: clock, clear and optional set-9 (active-high).
constexpr Unidad MitadDeCuatroBits(int reloj, int anterior, int ultimo, ListaDePines q,
                                   ListaFija<Forzado, 2> forzados) {
    return {
        .secciones = {Seccion{.reloj = reloj, .anterior = anterior, .ultimo = ultimo, .bits = q}},
        .forzados = forzados};
}
constexpr Forzado PuestaANueveDeCuatroBits(int pin) { return {.pines = {pin}, .valores = {9}}; }

// 74393: clock 1, clear 2, QA..QD 3..6; clock 13, clear 12, QA..QD 11 down to 8.
constexpr EsquemaAsincrono kEsquema74393{
    .tierra = 7,
    .alimentacion = 14,
    .apagado = Apagado::PoneACero,
    .unidades = {MitadDeCuatroBits(1, 15, 15, {3, 4, 5, 6}, {PuestaACero({2})}),
                 MitadDeCuatroBits(13, 16, 15, {11, 10, 9, 8}, {PuestaACero({12})})}};

// 74490: clock 1, clear 2, QA 3, set-9 4, QB..QD 5..7; clock 15, clear 14, QA 13,
// set-9 12, QB..QD 11 down to 9.
constexpr EsquemaAsincrono kEsquema74490{
    .tierra = 8,
    .alimentacion = 16,
    .apagado = Apagado::PoneACero,
    .unidades = {
        MitadDeCuatroBits(1, 17, 9, {3, 5, 6, 7}, {PuestaANueveDeCuatroBits(4), PuestaACero({2})}),
        MitadDeCuatroBits(15, 18, 9, {13, 11, 10, 9},
                          {PuestaANueveDeCuatroBits(12), PuestaACero({14})})}};

}  // namespace

ContadorAsincrono::ContadorAsincrono(int codigoDeCatalogo, const EsquemaAsincrono& esquema)
    : CircuitoElectronico(codigoDeCatalogo), esquema(esquema) {}

bool ContadorAsincrono::Funcion(bool* valores) const {
    const InstantaneaDeSalidas salidas(*this, valores);
    const bool alimentado = Alimentado(valores, esquema.tierra, esquema.alimentacion);
    for (const Unidad& unidad : esquema.unidades) {
        if (alimentado)
            EvaluaAlimentada(unidad, valores);
        else
            Apaga(unidad, esquema.apagado, valores);
    }
    // Clock levels are recorded even while a set or clear holds or the power is off.
    for (const Unidad& unidad : esquema.unidades) {
        for (const Seccion& seccion : unidad.secciones)
            valores[seccion.anterior] = valores[seccion.reloj];
    }
    return salidas.HayCambio(valores);
}

namespace {
constexpr ChipDeLaFamilia<EsquemaAsincrono> kContadorAsincrono[] = {
    {7090, kEsquema7490},
    {7092, kEsquema7492},
    {7093, kEsquema7493},
    {7196, kEsquema74196},
    {7197, kEsquema74197},
    {7290, kEsquema74290},
    {7293, kEsquema74293},
    {7390, kEsquema74390},
    {7393, kEsquema74393},
    {7490, kEsquema74490},
};
}  // namespace

std::unique_ptr<CircuitoElectronico> CreaContadorAsincrono(int codigoDeCatalogo) {
    return CreaDeLaFamilia<ContadorAsincrono>(kContadorAsincrono, codigoDeCatalogo);
}

}  // namespace velistra
