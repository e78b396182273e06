#pragma once
// A text for the user as the core gives it: a Spanish template marked with
// VELISTRA_TEXTO and its arguments, never filled in. Each shell formats it in its
// language (CatalogoDeTextos.h). An argument is a message too, so a board name or
// "patilla" inside a sentence is translated with it; names and numbers stay as they are.
#include <string>
#include <vector>

namespace velistra {

struct Mensaje {
    enum class Clase {
        Plantilla,  // `texto` is a catalogue template with %1..%9
        Literal,    // `texto` as it is: a file name, a chip code
        Decimal,    // `valor` with `decimales` digits after the language's decimal mark
    };

    Clase clase = Clase::Plantilla;
    std::string texto;
    std::vector<Mensaje> argumentos;
    double valor = 0;
    int decimales = 0;

    Mensaje() = default;
    // A marked text, with its arguments: Mensaje(VELISTRA_TEXTO("no existe el chip %1"), {n}).
    Mensaje(const char* plantilla, std::vector<Mensaje> argumentos = {});

    static Mensaje Literal(std::string texto);
    static Mensaje Entero(long long numero);
    static Mensaje Decimal(double valor, int decimales);

    bool operator==(const Mensaje&) const = default;
};

}  // namespace velistra
