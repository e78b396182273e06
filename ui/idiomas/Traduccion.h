#pragma once
// The language the window speaks. The window's own texts go through tr(); the core's
// Spanish texts are translated here, where they reach the window, keyed by the Spanish.
#include <QString>
#include <string>

class QTranslator;

#include "plataforma/Idioma.h"

namespace velistra {

// From now on the program speaks `idioma`: English installs the catalogue; Spanish
// installs none of ours (every text stays the program's own).
void InstalaIdioma(Idioma idioma);
// Qt's own texts (file and colour dialogs, key names) in Spanish, when installed, for
// a Spanish program; Qt's English otherwise. Once, at start-up.
void InstalaTextosDeQt(Idioma idioma);
Idioma IdiomaInstalado();

// The English catalogue, built into the program.
bool CargaElCatalogo(QTranslator& traductor);

// A core text in the installed language. A text made from a template with %1, %2, ...
// is recognised by its template and its parts carried over; a text that is no core
// text (a file name) comes back as it is.
QString DelNucleo(const std::string& texto);

}  // namespace velistra
