#pragma once
// The menu bar, with each command id in its action's data.
#include <functional>
#include <span>

#include "chips/Catalogo.h"

#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;

namespace velistra {

using Despachador = std::function<void(int id)>;

void ConstruyeMenus(QMenuBar& barra, const Despachador& despacha);

// The "Circuitos" menu and the separator above "Salir": groups added to the menu go
// before it, so the design's items keep their order. Null menu when there is none.
struct AntesDeSalir {
    QMenu* menu = nullptr;
    QAction* separador = nullptr;
};
AntesDeSalir LugarAntesDeSalir(QMenuBar& barra);

// "Archivos recientes" in the "Circuitos" menu, just after "Almacenar en...": a submenu
// that asks for its files each time it opens (`rutas`) and hands the one chosen to `abre`.
void AgregaArchivosRecientes(QMenuBar& barra, std::function<QStringList()> rutas,
                             std::function<void(const QString&)> abre);

// One item per chip under `menu`, in submenus following each chip's group path
// ("Puertas básicas > Nand"); submenus appear in the order the table first names them.
void AgregaCircuitosTTL(QMenu& menu, std::span<const FichaDeChip> catalogo,
                        const Despachador& despacha);

}  // namespace velistra
