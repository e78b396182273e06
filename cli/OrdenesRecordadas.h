#pragma once
#include <array>
#include <cstddef>
#include <string_view>

#include "cli/Orden.h"

namespace velistra::consola {

// The last few distinct lines of a script and what each one says. A script repeats the
// same few lines thousands of times ("interruptor 4 0 1", "interruptor 4 0 0", "tic"):
// a line met before is compared byte for byte and its order copied, instead of being split
// into words and read again. Only short lines are kept, and no registrar line (its name
// would have to be kept too); a faulty line is never kept, as reading stops there.
class OrdenesRecordadas {
public:
    struct Recordada {
        // A blank or comment line: no order.
        bool vacia = true;
        TipoDeOrden tipo = TipoDeOrden::Mostrar;
        int tablero = 0;
        int indice = 0;
        int valor = 0;
    };

    // What `linea` said when it was last met, if it is still kept.
    const Recordada* Busca(std::string_view linea) const;
    // Keeps a line that holds no order, or the order `orden` read from it.
    void RecuerdaVacia(std::string_view linea) { Recuerda(linea, Recordada{}); }
    void RecuerdaOrden(std::string_view linea, const Orden& orden);

private:
    static constexpr std::size_t kEntradas = 16;
    static constexpr std::size_t kLargoMaximo = 48;

    struct Entrada {
        // 0: free (an empty line costs nothing to read again).
        std::size_t largo = 0;
        std::array<char, kLargoMaximo> texto{};
        Recordada recordada;
    };

    static std::size_t Casilla(std::string_view linea);
    void Recuerda(std::string_view linea, const Recordada& recordada);

    std::array<Entrada, kEntradas> entradas;
};

}  // namespace velistra::consola
