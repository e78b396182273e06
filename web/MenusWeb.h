#pragma once
// The browser's rows of the command table, in the page's language, as the page's
// script builds its menu bar, toolbar and keys from them.
#include <emscripten/val.h>

namespace velistra {

// [{titulo, filas: [{id, clase, submenu: [..], texto, atajos: [..], marca, valor}]}]
emscripten::val MenusDelNavegador();
// [{id, grupo, imagen, ayuda, atajo}], left to right.
emscripten::val BotonesDelNavegador();

}  // namespace velistra
