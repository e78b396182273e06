#pragma once
// Every text velistra-cli writes for a person, in the language of the run. The texts
// live in two tables, TextosEnEspanol.cpp and TextosEnIngles.cpp: a new text is one
// name here and one line in each table. The script's words and the output's words
// (encender, leds, 7seg, correcto, ...) are a file format and never come from here.
#include <span>
#include <string>
#include <vector>

#include "plataforma/Idioma.h"
#include "plataforma/Mensaje.h"

namespace velistra::consola {

enum class Texto {
    Ayuda,
    UseAyuda,
    IdiomaIncorrecto,
    OpcionRepetida,
    CsvConJson,
    FaltaLaOrden,
    OrdenDesconocidaDeLaLinea,
    OpcionNoAdmitida,
    FaltaArchivoTras,
    FaltanSegundosTras,
    SobraArgumento,
    FaltaCircuito,
    EntradaEstandar,
    SinInterruptores,
    DemasiadosInterruptores,
    GuionDeLaEntradaIlegible,
    GuionQueNoSeAbre,
    GuionNoNormal,
    GuionIlegible,
    OrdenDesconocida,
    FaltanArgumentos,
    SobranArgumentos,
    NoEsEntero,
    PosicionDePalanca,
    NumeroDeTics,
    LineaLarga,
    GuionGrande,
    NoExisteTablero,
    NoEsDeInterruptores,
    NoEsDePulsadores,
    NoExistePalanca,
    NoExistePulsador,
    SinPuertos,
    NoExistePuerto,
    FaltaElModo,
    ModosJuntos,
    GuionSinSalida,
    FaltanCircuitos,
    PlazoIncorrecto,
    NoSeAsienta,
    SeInterrumpio,
    SinHallazgos,
    SinTerminar,
    ArchivoQueNoSeLee,
    LaTabla,
    LaSalida,
    ElArchivoDeFallos,
    TablaIncorrecta,
    FaltaPalanca,
    FaltaLuz,
    UnaFilaDistinta,
    FilasDistintas,
    UnaLineaDistinta,
    LineasDistintas,
    FilaDistinta,
    LineaDistinta,
    GuionQueNoCabe,
    ReferenciaSinInterruptores,
    ReferenciaConDemasiados,
    Resumen,
    UnCircuito,
    Circuitos,
    UnCorrecto,
    Correctos,
    UnIncorrecto,
    Incorrectos,
    UnIlegible,
    Ilegibles,
    UnHallazgo,
    Hallazgos,
    PuertoYaRegistrado,
    DemasiadosCanales,
    NombreDelCanal,
    RegistroQueNoSeEscribe,
    NoEsDeLeds,
    NoEsDeSieteSegmentos,
    ColumnaEnOtroTablero,
    ReferenciaSinLuces,
    ArchivoGrande,
    UnaFilaDeCombinaciones,
    FilasDeCombinaciones,
    TablaIncompleta,
};

struct EntradaDeTexto {
    Texto clave;
    const char* texto;
};

// Spanish: the program's own texts. English: the same texts, key by key, from the catalogue.
std::span<const EntradaDeTexto> TablaEnEspanol();
std::span<const EntradaDeTexto> TablaEnIngles();

// The language of this run: --idioma, or else the locale (see Idioma.h).
void HablaEn(Idioma idioma);
Idioma IdiomaDeLaEjecucion();

// The text in the run's language, with %1, %2, ... filled in.
std::string Di(Texto texto, const std::vector<std::string>& argumentos = {});
// A core text in the run's language: a marked text, or a message with its arguments.
std::string DelNucleo(const char* texto);
std::string DelNucleo(const std::string& texto);
std::string DelNucleo(const Mensaje& mensaje);

}  // namespace velistra::consola
