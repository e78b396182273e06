#pragma once
// What the session tells the user, in one place: refusals, file errors and the save
// question. Titles shared with other layers are in plataforma/Textos.h.

#include "plataforma/Traducible.h"

namespace velistra::mensajes {

inline constexpr const char* kNoSeAlmacena =
    VELISTRA_TEXTO("El archivo no puede               ser almacenado.");
inline constexpr const char* kNuevoNoAlmacenado =
    VELISTRA_TEXTO("El nuevo circuito no fue almacenado.");
inline constexpr const char* kErrorDeNombre = VELISTRA_TEXTO("Error con el nombre del archivo");
inline constexpr const char* kErrorDeLectura = VELISTRA_TEXTO("Error en la lectura del archivo.");
inline constexpr const char* kTituloDeVersion = VELISTRA_TEXTO("Versión de programa");
inline constexpr const char* kApagueAntesDeNuevo =
    VELISTRA_TEXTO("Apague el módulo antes de crear un nuevo circuito.");
inline constexpr const char* kApagueAntesDeRecuperar =
    VELISTRA_TEXTO("Apague el módulo antes de recuperar un circuito.");
inline constexpr const char* kApagueAntesDeSalir =
    VELISTRA_TEXTO("Apague el módulo antes de salir del programa.");
inline constexpr const char* kErrorDeGrabacion =
    VELISTRA_TEXTO("Error en la grabación del nuevo circuito.");
inline constexpr const char* kErrorDeAlmacenamiento =
    VELISTRA_TEXTO("Error en el almacenamiento del circuito.");
inline constexpr const char* kPreguntaDeGuardar =
    VELISTRA_TEXTO("¿Guardar los cambios del circuito?");
inline constexpr const char* kTituloDePregunta = VELISTRA_TEXTO("Circuito modificado");
inline constexpr const char* kTituloDeNuevo = VELISTRA_TEXTO("Nuevo circuito");
inline constexpr const char* kApagueAntesDeDeshacer =
    VELISTRA_TEXTO("Apague el módulo antes de deshacer un cambio.");
inline constexpr const char* kApagueAntesDeRehacer =
    VELISTRA_TEXTO("Apague el módulo antes de rehacer un cambio.");
// %1: the version of the files the program reads.
inline constexpr const char* kSoloLaVersion =
    VELISTRA_TEXTO("El programa solo abre archivos de la versión %1");
inline constexpr const char* kApagueAntesDeRetirar =
    VELISTRA_TEXTO("Apague el módulo antes de retirar la selección.");
inline constexpr const char* kApagueAntesDePegar =
    VELISTRA_TEXTO("Apague el módulo antes de pegar piezas.");
inline constexpr const char* kTableroOcupado =
    VELISTRA_TEXTO("Primero debe retirar los cables y componentes.");

}  // namespace velistra::mensajes
