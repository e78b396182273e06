#pragma once
// Texts a shell shows around the workbench that no command decides: the buttons of the
// message boxes, the colour chooser's labels, the help dialog's lines. Kept here so that
// every shell takes them, in every language, from the one catalogue.
#include "plataforma/Traducible.h"

namespace velistra::textos_de_la_ventana {

inline constexpr const char* kAceptar = VELISTRA_TEXTO("Aceptar");
inline constexpr const char* kSi = VELISTRA_TEXTO("&Sí");
inline constexpr const char* kNo = VELISTRA_TEXTO("&No");
inline constexpr const char* kCancelar = VELISTRA_TEXTO("Cancelar");

inline constexpr const char* kColor = VELISTRA_TEXTO("Color");
inline constexpr const char* kColoresBasicos = VELISTRA_TEXTO("Colores básicos");
inline constexpr const char* kColoresPersonalizados = VELISTRA_TEXTO("Colores personalizados");
inline constexpr const char* kAgregarColor = VELISTRA_TEXTO("Agregar a los colores personalizados");

inline constexpr const char* kSinChip =
    VELISTRA_TEXTO("Pase el puntero sobre un chip para ver su patillaje.");
inline constexpr const char* kIdioma = VELISTRA_TEXTO("Idioma");
inline constexpr const char* kIdiomaElegido = VELISTRA_TEXTO(
    "El programa hablará el idioma elegido desde la próxima vez que se abra.");

// The help dialog: the program's name, then the version line (%1: the version), then
// these lines (an empty one is a gap), and the button's caption.
inline constexpr const char* kLineaDeVersion = VELISTRA_TEXTO("Versión %1 (2541180) - Mayo de 2011");
inline constexpr const char* kLineasDeAyuda[] = {
    VELISTRA_TEXTO("Simulador de circuitos TTL 74xx"),
    VELISTRA_TEXTO("Laboratorio de Electrónica Digital"),
    VELISTRA_TEXTO("Escuela de Ingeniería Electrónica"),
    VELISTRA_TEXTO("Envíenos sus comentarios"),
    "",
    VELISTRA_TEXTO("Hagamos un mundo mejor"),
};
inline constexpr const char* kBotonDeAyuda = VELISTRA_TEXTO("¡ Vamo' Pa' Chincha Familia !");

}  // namespace velistra::textos_de_la_ventana
