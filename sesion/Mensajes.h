#pragma once
// What the session tells the user, in one place: refusals, file errors and the save
// question. Titles shared with other layers are in plataforma/Textos.h.

namespace velistra::mensajes {

inline constexpr const char* kNoSeAlmacena = "El archivo no puede               ser almacenado.";
inline constexpr const char* kNuevoNoAlmacenado = "El nuevo circuito no fue almacenado.";
inline constexpr const char* kErrorDeNombre = "Error con el nombre del archivo";
inline constexpr const char* kErrorDeLectura = "Error en la lectura del archivo.";
inline constexpr const char* kTituloDeVersion = "Versión de programa";
inline constexpr const char* kApagueAntesDeNuevo =
    "Apague el módulo antes de crear un nuevo circuito.";
inline constexpr const char* kApagueAntesDeRecuperar =
    "Apague el módulo antes de recuperar un circuito.";
inline constexpr const char* kApagueAntesDeSalir = "Apague el módulo antes de salir del programa.";
inline constexpr const char* kErrorDeGrabacion = "Error en la grabación del nuevo circuito.";
inline constexpr const char* kErrorDeAlmacenamiento = "Error en el almacenamiento del circuito.";
inline constexpr const char* kPreguntaDeGuardar = "¿Guardar los cambios del circuito?";
inline constexpr const char* kTituloDePregunta = "Circuito modificado";
inline constexpr const char* kTituloDeNuevo = "Nuevo circuito";
inline constexpr const char* kApagueAntesDeDeshacer =
    "Apague el módulo antes de deshacer un cambio.";
inline constexpr const char* kApagueAntesDeRehacer = "Apague el módulo antes de rehacer un cambio.";
inline constexpr const char* kTableroOcupado = "Primero debe retirar los cables y componentes.";

}  // namespace velistra::mensajes
