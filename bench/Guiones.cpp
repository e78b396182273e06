#include "bench/Guiones.h"

#include "simulation/Mesa.h"

namespace velistra::banco {

namespace {
int IdentificadorDe(const Mesa& mesa, int tipo) {
    for (const auto& t : mesa.tablero) {
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

}  // namespace velistra::banco
