#pragma once
// The course shipped in practicas/: each lab's starting bench and solution built at the
// bench, and the table its statement asks for, written from the lab's own logic (not
// from the solution), so that the solution passing its check means something.
#include <string>
#include <vector>

#include "docencia/TablaDeVerdad.h"

namespace velistra::ejemplos {

class Montaje;

// A pin of the solution that, stuck at either level, must fail the check.
struct PatillaClave {
    int chip;  // from 1, in chip-list order
    int patilla;
};

struct PracticaDelCurso {
    // The folder under practicas/.
    const char* carpeta;
    // The boards the statement names, placed and fed; the lab's starting circuit.
    void (*banco)(Montaje&);
    // The chips and wires on top of the bench.
    void (*solucion)(Montaje&);
    docencia::TablaDeVerdad (*tabla)();
    PatillaClave clave;
    // A latch built from gates: the review points at its loop, and the statement says why.
    bool lazoBuscado = false;
};

const std::vector<PracticaDelCurso>& PracticasDelCurso();

std::string TextoDeInicio(const PracticaDelCurso& practica);
std::string TextoDeSolucion(const PracticaDelCurso& practica);
// As `tabla --csv` writes it.
std::string TextoDeTabla(const PracticaDelCurso& practica);

}  // namespace velistra::ejemplos
