#pragma once
// Which language the program starts in, and the "Idioma" choice of the Ayuda menu that
// the next start keeps.
#include <optional>

#include "plataforma/Idioma.h"


namespace velistra {

class VentanaPrincipal;

// The user's saved choice (QSettings, Velistra/Velistra, key "idioma"), if any.
std::optional<Idioma> IdiomaGuardado();
void GuardaIdioma(Idioma idioma);

// --idioma first, then the saved choice, then the locale.
Idioma IdiomaAlEmpezar(std::optional<Idioma> deLaLineaDeOrdenes);

// "Idioma" in the Ayuda menu: one item per language, the current one checked. A choice
// is saved and seen from the next start on.
void AtiendeElIdioma(VentanaPrincipal& ventana);

}  // namespace velistra
