#pragma once
// The menu bar, built from the command table alone: one action per row, its command id in
// the action's data. The session's commands are there from the start; a command that only
// the window carries out shows once someone answers for it (see Muestra).
#include <QStringList>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "sesion/TablaDeComandos.h"

class QAction;
class QMenu;
class QMenuBar;

namespace velistra {

using Despachador = std::function<void(int id)>;

class MenusDeLaVentana {
public:
    MenusDeLaVentana(QMenuBar& barra, Despachador despacha);

    // The row of `id` shows from now on, in its place in the table.
    void Muestra(int id);
    // The recent files: the submenu asks for them each time it opens (`rutas`) and hands
    // the one chosen to `abre`.
    void MuestraRecientes(std::function<QStringList()> rutas,
                          std::function<void(const QString&)> abre);
    // The item of a command, or null when no menu shows it.
    QAction* Accion(int id) const;
    // The object name of a menu of the bar, for finding it without its translated title.
    static QString NombreDelMenu(MenuDeLaBarra menu);

private:
    struct Composicion;
    bool Presente(const FilaDeComando& fila) const;
    QAction* CreaAccion(const FilaDeComando& fila);
    // Lays out a menu again from the table: rows in order, each separator only between
    // items, submenus where their first row is.
    void Recompone(MenuDeLaBarra menu);
    // The submenu a row goes in (the menu itself when it has none), placed in this
    // pass of `composicion` if it was not yet.
    QMenu& Submenu(QMenu& raiz, const FilaDeComando& fila, Composicion& composicion);
    // The recent files' submenu lists them each time it opens.
    void ConectaRecientes(QMenu& recientes, const FilaDeComando& fila);

    QMenuBar& barra_;
    Despachador despacha_;
    std::map<MenuDeLaBarra, QMenu*> menus_;
    std::map<int, QAction*> acciones_;
    // Keyed by the menu and the translated path.
    std::map<std::pair<MenuDeLaBarra, std::string>, QMenu*> submenus_;
    std::set<int> mostradas_;
    std::function<QStringList()> recientes_;
    std::function<void(const QString&)> abreReciente_;
};

}  // namespace velistra
