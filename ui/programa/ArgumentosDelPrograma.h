#pragma once
// The program's command line, `velistra [OPCIONES] [CIRCUITO.txt]`, read before Qt starts
// so that --help, --version and a mistake need no display.
#include <QString>
#include <optional>

#include "plataforma/Idioma.h"

namespace velistra {

struct ArgumentosDelPrograma {
    std::optional<Idioma> idioma;
    // --exportar: its two files are read by ExportaDesdeLaLineaDeOrdenes.
    bool exportando = false;
    // The circuit to open, if one was named.
    QString circuito;
    // The program ends at once with this code; what it had to say is already written.
    std::optional<int> codigo;
};

ArgumentosDelPrograma LeeArgumentosDelPrograma(int argc, char** argv);

// What --help prints, written at build time from the manual pages' sources.
const char* AyudaDelProgramaEnEspanol();
const char* AyudaDelProgramaEnIngles();

}  // namespace velistra
