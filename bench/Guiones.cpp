#include "bench/Guiones.h"

#include <bit>

#include "simulacion/Mesa.h"

namespace velistra::banco {

namespace {
int IdentificadorDe(const Mesa& mesa, int tipo) {
    for (const auto& t : mesa.tablero()) {
        if (t->Tipo() == tipo) return t->Identificador();
    }
    return 0;
}
}  // namespace

std::string GuionDeEjemplo(const Mesa& mesa, Familia familia) {
    const std::string palanca = "interruptor " +
                                std::to_string(IdentificadorDe(mesa, Tablero::kInterruptores)) +
                                " " + std::to_string(kPalanca) + " ";
    if (familia == Familia::Contadores) {
        return "# La palanca habilita la cuenta; cada dos tics, un flanco de reloj.\n"
               "encender\n" +
               palanca + "1\ntic 40\nmostrar\n";
    }
    return "# La lámpara 7 sigue a la palanca al final de la cadena.\n"
           "encender\nmostrar\n" +
           palanca + "1\nmostrar\n" + palanca + "0\nmostrar\n";
}

std::string GuionLargo(const Mesa& mesa, Familia familia, int lineas) {
    const std::string palancas =
        "interruptor " + std::to_string(IdentificadorDe(mesa, Tablero::kInterruptores)) + " ";
    std::string guion = "encender\n";
    unsigned niveles = 0;
    for (int i = 0; i < lineas; ++i) {
        const int palanca =
            familia == Familia::SumadorNand ? std::countr_zero(static_cast<unsigned>(i) + 1) % 8 : kPalanca;
        niveles ^= 1u << palanca;
        guion += palancas + std::to_string(palanca) + ((niveles >> palanca & 1) != 0 ? " 1\n" : " 0\n");
    }
    return guion + "mostrar\n";
}

}  // namespace velistra::banco
