#pragma once
// A lab a student works through: a folder with the statement in each language
// (Markdown), what the circuit must do (an expected table, a reference circuit, or a
// script with its expected output: what `comprobar` takes), and optionally a starting
// circuit, hints and a solution. A course is a folder of such folders, in name order.
#include <optional>
#include <string>
#include <vector>

#include "plataforma/Idioma.h"
#include "plataforma/Mensaje.h"

namespace velistra::docencia {

// The files of a lab folder; a teacher writes their own lab with these names, the same
// in every language.
namespace archivos {
inline constexpr const char* kEnunciado = "enunciado.es.md";          // texto fijo
inline constexpr const char* kEnunciadoEnIngles = "enunciado.en.md";  // texto fijo
inline constexpr const char* kPistas = "pistas.es.md";                // texto fijo
inline constexpr const char* kPistasEnIngles = "pistas.en.md";        // texto fijo
inline constexpr const char* kInicio = "inicio.txt";                  // texto fijo
inline constexpr const char* kTabla = "tabla.csv";                    // texto fijo
inline constexpr const char* kReferencia = "referencia.txt";          // texto fijo
inline constexpr const char* kGuion = "guion.txt";                    // texto fijo
inline constexpr const char* kSalida = "salida.txt";                  // texto fijo
inline constexpr const char* kSolucion = "solucion.txt";              // texto fijo
}  // namespace archivos

enum class ClaseDeComprobacion { Tabla, Referencia, Guion };

struct TextosDePractica {
    std::string enunciado;
    // Empty when the lab has none.
    std::string pistas;
};

struct Practica {
    std::string carpeta;
    TextosDePractica espanol;
    // The Spanish texts where the English ones are missing.
    TextosDePractica ingles;
    ClaseDeComprobacion clase = ClaseDeComprobacion::Tabla;
    // Full paths; the optional ones empty when the folder lacks them. `salida` only with
    // a script.
    std::string comprobacion;
    std::string salida;
    std::string inicio;
    std::string solucion;

    const TextosDePractica& Textos(Idioma idioma) const {
        return idioma == Idioma::Ingles ? ingles : espanol;
    }
    // The statement's first "# " heading, or the folder's name.
    std::string Titulo(Idioma idioma) const;
    // The folder's own name, which the course orders by and settings remember.
    std::string Nombre() const;
};

// Reads the lab in `carpeta`: the Spanish statement and exactly one kind of check are
// required. Nothing, and the reason, otherwise.
std::optional<Practica> LeePractica(const std::string& carpeta, Mensaje& error);

// The labs of a course folder: its subfolders that hold a Spanish statement, in name
// order ("01-...", "02-...").
std::vector<std::string> PracticasDelCurso(const std::string& curso);

}  // namespace velistra::docencia
