#pragma once
// Student circuits with the usual mistakes planted, for grading and review tests.
#include <string>

namespace velistra::prueba {

// What a student may get wrong in the half adder of the examples (A, B on levers 0, 1
// of board 4; sum and carry on lamps 0, 1 of board 5).
struct Alumno {
    long puertaDeSuma = 7086;
    // Left out, the carry gate's second input floats and reads as high.
    bool cableaB = true;
    bool alimentaAcarreo = true;
    // A spare 7400 left lying on the bench.
    bool chipSuelto = false;
    // The switches' VCC terminal and the LEDs' GND terminal left unwired.
    bool alimentaPalancas = true;
    bool llevaLedsATierra = true;
    // Levers 0 and 1 wired together, as only a file edited by hand can hold them.
    bool unePalancas = false;
};

std::string Semisumador(Alumno a);
// An inverter whose output feeds its input, with a lever so that a table can be walked.
std::string Oscilante();

}  // namespace velistra::prueba
