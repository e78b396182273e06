#pragma once
// Every text velistra-cli writes for a person, in the language of the run. The texts
// live in two tables, TextosEnEspanol.cpp and TextosEnIngles.cpp: a new text is one
// name here and one line in each table. The script's words and the output's words
// (encender, leds, 7seg, correcto, ...) are a file format and never come from here.
#include <span>
#include <string>
#include <vector>

#include "plataforma/Idioma.h"

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
    EnTablero,
    EnTerminal,
    EnProtoboard,
    ChipNumero,
    ChipSinEnchufar,
    SinAlimentacion,
    EntradaAlAire,
    CableSuelto,
    ChipYPatilla,
    UltimoDeLaLista,
    SalidaUnidaEnTablero,
    SalidaUnidaEnChip,
    RealimentacionSinBiestable,
    DentroDelChip,
    ConElChip,
    ConLosChips,
    TableroSinAlimentacion,
    TableroDeInterruptores,
    TableroDePulsadores,
    TableroDeLeds,
    TableroTemporizador,
    TableroDeSieteSegmentos,
    TableroDeLaFuente,
    TableroPla,
    TableroProtoboard,
    PuertoYaRegistrado,
    DemasiadosCanales,
    NombreDelCanal,
    RegistroQueNoSeEscribe,
};

struct EntradaDeTexto {
    Texto clave;
    const char* texto;
};

// Spanish: the program's own texts. English: the same texts, key by key.
std::span<const EntradaDeTexto> TablaEnEspanol();
std::span<const EntradaDeTexto> TablaEnIngles();

// The language of this run: --idioma, or else the locale (see Idioma.h).
void HablaEn(Idioma idioma);
Idioma IdiomaDeLaEjecucion();

// The text in the run's language, with %1, %2, ... filled in.
std::string Di(Texto texto, const std::vector<std::string>& argumentos = {});
// A core text (its Spanish, as the core gives it) in the run's language.
std::string DelNucleo(const std::string& texto);

}  // namespace velistra::consola
