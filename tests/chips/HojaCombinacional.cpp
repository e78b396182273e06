#include "HojaCombinacional.h"

#include <sstream>

namespace velistra::prueba {

namespace {

std::string Diferencias(const Tabla& obtenida, const Tabla& esperada) {
    std::ostringstream texto;
    for (std::size_t i = 1; i < obtenida.size(); ++i) {
        if (obtenida[i] != esperada[i])
            texto << " entrada " << i << " vale " << obtenida[i] << " y debía valer "
                  << esperada[i];
    }
    return texto.str();
}

struct Alimentacion {
    bool tierra;
    bool vcc;
    const char* nombre;
    bool Correcta() const { return !tierra && vcc; }
};

}  // namespace

void CompruebaTiposDePines(const HojaCombinacional& hoja) {
    const int pines = hoja.chip->NumeroDePines();
    std::string esperados(static_cast<std::size_t>(pines), 'N');
    auto marca = [&](int pin, char tipo) { esperados[static_cast<std::size_t>(pin - 1)] = tipo; };
    marca(hoja.tierra, hoja.alimentacionEnPinesDeEntrada ? 'E' : 'G');
    marca(hoja.alimentacion, hoja.alimentacionEnPinesDeEntrada ? 'E' : 'V');
    for (int pin : hoja.entradas) marca(pin, 'E');
    for (int pin : hoja.salidas) marca(pin, 'S');
    const std::string tipos(hoja.chip->TiposDePines() + 1, static_cast<std::size_t>(pines));
    EXPECT_EQ(tipos, esperados);
}

void CompruebaTablaDeVerdad(const HojaCombinacional& hoja) {
    ASSERT_LE(hoja.entradas.size(), 14u);
    Tabla valores{};
    // Entries past the chip's own must survive untouched.
    for (std::size_t i = 0; i < valores.size(); ++i) valores[i] = i % 3 == 0;

    const Alimentacion condiciones[] = {
        {false, true, "alimentado"},
        {true, true, "tierra al aire"},
        {false, false, "sin alimentación"},
        {true, false, "tierra al aire y sin alimentación"},
        {false, true, "realimentado"},
    };
    const unsigned combinaciones = 1u << hoja.entradas.size();
    for (const Alimentacion& condicion : condiciones) {
        for (unsigned combinacion = 0; combinacion < combinaciones; ++combinacion) {
            Pin(valores, hoja.tierra) = condicion.tierra;
            Pin(valores, hoja.alimentacion) = condicion.vcc;
            for (std::size_t i = 0; i < hoja.entradas.size(); ++i)
                Pin(valores, hoja.entradas[i]) = ((combinacion >> i) & 1u) != 0;

            const Tabla antes = valores;
            Tabla esperada = antes;
            if (condicion.Correcta()) {
                hoja.modelo(esperada);
            } else {
                for (int pin : hoja.salidas) Pin(esperada, pin) = hoja.nivelSinAlimentacion;
            }
            bool debeCambiar = false;
            for (int pin : hoja.salidas)
                debeCambiar = debeCambiar || Pin(esperada, pin) != Pin(valores, pin);

            const bool cambio = hoja.chip->Funcion(valores.data());
            ASSERT_EQ(Diferencias(valores, esperada), "")
                << condicion.nombre << ", combinación " << combinacion;
            ASSERT_EQ(cambio, debeCambiar) << condicion.nombre << ", combinación " << combinacion;
            ASSERT_FALSE(hoja.chip->Funcion(valores.data()))
                << condicion.nombre << ", combinación " << combinacion;
            ASSERT_EQ(Diferencias(valores, esperada), "");
        }
    }
}

std::string NombreDeHoja(const ::testing::TestParamInfo<HojaCombinacional>& info) {
    return "Chip" + info.param.nombre;
}

TEST_P(ChipCombinacional, PinesDelCatalogo) { CompruebaTiposDePines(GetParam()); }

TEST_P(ChipCombinacional, TablaDeVerdadCompleta) { CompruebaTablaDeVerdad(GetParam()); }

}  // namespace velistra::prueba
