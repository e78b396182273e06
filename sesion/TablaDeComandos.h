#pragma once
// Every command of every shell, one row each, in the order the menus show them. The
// shells build their menu bar, toolbar and keys from this table alone; what a command
// does to the circuit is Sesion's. Texts are Spanish, marked for the catalogue; each
// shell translates them where it shows them.
#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "sesion/CodigosDeComando.h"

namespace velistra {

// The menus of the bar, left to right.
enum class MenuDeLaBarra { Circuitos, Edicion, Ver, Tableros, CircuitosTTL, Tutoriales, Ayuda, Ninguno };

struct FichaDeMenu {
    MenuDeLaBarra menu;
    const char* titulo;  // "&Circuitos": an '&' here is the menu's mnemonic
};
// The menus in bar order, Ninguno left out.
std::span<const FichaDeMenu> MenusDeLaBarra();

enum class ClaseDeFila {
    Orden,      // an item that runs the command
    Separador,  // a line between items
    // The files last used, listed by the shell when the submenu opens; `texto`, greyed
    // out, when there is none. Choosing one loads it as "Recuperar..." does.
    Recientes,
};

enum class Marca {
    Ninguna,
    Casilla,  // on or off by itself (a panel shown)
    Opcion,   // one of the adjacent Opcion rows of its menu (a zoom level, a language)
};

// Which shells offer a command; a shell leaves out the rows it lacks rather than show
// dead items.
inline constexpr unsigned kEscritorio = 1;
inline constexpr unsigned kNavegador = 2;
inline constexpr unsigned kTodos = kEscritorio | kNavegador;

struct BotonDeLaBarra {
    int orden = 0;     // 0: not on the toolbar; buttons go left to right by it
    int grupo = 0;     // a separator stands between buttons of different groups
    int imagen = -1;   // picture in the toolbar strip; -1: the shell's own arrow
    // The tooltip's name; the shell adds the shortcut. Null: the item's text without its
    // trailing "..." (one text of the catalogue has one translation, and "Recuperar" on
    // its own is the recovery offer's button).
    const char* ayuda = nullptr;
};

struct FilaDeComando {
    int id = 0;  // 0 for a separator
    ClaseDeFila clase = ClaseDeFila::Orden;
    MenuDeLaBarra menu = MenuDeLaBarra::Ninguno;
    // Path under the menu, levels joined by " > " and translated as one text; "" none.
    const char* submenu = "";
    // The item's text as shown, '&' included (never a mnemonic); %1 is `valor`.
    const char* texto = "";
    // Portable spelling ("Ctrl+Shift+S", "F1", "Ctrl++"), the first one shown; null: none.
    std::array<const char*, 2> atajos{};
    BotonDeLaBarra boton = {};
    // Changes the saved circuit whenever it runs: one undo step and the modified mark. New and load
    // replace the circuit instead and start another history.
    bool modificaCircuito = false;
    // What the user is told when the command is refused with the supply on; null: allowed.
    const char* rechazoEncendido = nullptr;
    Marca marca = Marca::Ninguna;
    unsigned programas = kTodos;
    double valor = 0;
};

// The zoom levels of the "Ver" menu, in percent.
inline constexpr std::array<double, 6> kNivelesDeZoom{50, 75, 100, 150, 200, 300};

std::span<const FilaDeComando> TablaDeComandos();
// The row of a command id, or null; separators have none.
const FilaDeComando* FilaDeComandoDe(int id);

// The toolbar of a shell (kEscritorio, kNavegador), left to right.
std::vector<const FilaDeComando*> BotonesDeLaBarra(unsigned programa);
// A button's tooltip name in the shell's language; `traduce` gives a core text's translation.
std::string NombreDeBoton(const FilaDeComando& fila,
                          const std::function<std::string(const char*)>& traduce);

}  // namespace velistra
