#pragma once
#include <iosfwd>

#include "cli/AvisosDeConsola.h"
#include "cli/DialogosDeConsola.h"
#include "sesion/ArchivoActual.h"
#include "simulacion/AnalizadorLogico.h"
#include "simulacion/Mesa.h"

namespace velistra::consola {

// One open circuit with the window's file handling behind it; its messages go to `errores`.
struct Banco {
    explicit Banco(std::ostream& errores) : avisos(errores), mesa(avisos), archivo(mesa, dialogos) {
        mesa.InicializaMesa();
        mesa.ConectaAnalizador(&analizador);
    }

    // The window's "open": the whole file is checked before it replaces the empty bench.
    bool Abre(const std::string& ruta) {
        dialogos.ArchivoParaAbrir(ruta);
        return archivo.RecuperaCircuito();
    }

    AvisosDeConsola avisos;
    DialogosDeConsola dialogos;
    // Before the workbench, which only points at it.
    AnalizadorLogico analizador;
    Mesa mesa;
    ArchivoActual archivo;
};

}  // namespace velistra::consola
