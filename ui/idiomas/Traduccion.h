#pragma once
// The language the window speaks. The window's own texts go through tr(); the core's
// texts and messages are said here, from the one catalogue (plataforma/CatalogoDeTextos.h).
#include <QString>
#include <string>

class QLocale;
class QTranslator;

#include "plataforma/Idioma.h"
#include "plataforma/Mensaje.h"

namespace velistra {

// From now on the program speaks `idioma`: English installs the catalogue; Spanish
// installs none of ours (every text stays the program's own).
void InstalaIdioma(Idioma idioma);
// Qt's own texts (file and colour dialogs, key names) in Spanish, when installed, for
// a Spanish program; Qt's English otherwise. Once, at start-up.
void InstalaTextosDeQt(Idioma idioma);
Idioma IdiomaInstalado();

// Numbers and dates as the installed language writes them ("77,1" or "77.1").
QLocale ConvencionesDelIdioma();

// The English catalogue, built into the program.
bool CargaElCatalogo(QTranslator& traductor);

// A core text in the installed language: a marked text (one that is not in the catalogue,
// a file name, comes back as it is), or a message with its arguments.
QString DelNucleo(const char* texto);
QString DelNucleo(const std::string& texto);
QString DelNucleo(const Mensaje& mensaje);
// The text of a command of the table, as its menu item shows it: a dialog or a dock
// that a command opens takes its title from there.
QString TextoDeLaOrden(int id);

}  // namespace velistra
