#include "ui/ventana/Menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QString>

#include "sesion/Sesion.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/ventana/Atajos.h"

namespace velistra {

namespace {

constexpr const char* kSeparadorDeGrupos = " > ";

// Item texts are shown as written: an '&' in them is not a mnemonic.
QString SinMnemonicos(QString texto) {
    return texto.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString TextoDe(const FilaDeComando& fila) {
    QString texto = DelNucleo(fila.texto);
    if (texto.contains(QLatin1String("%1"))) texto = texto.arg(fila.valor);
    return SinMnemonicos(texto);
}

bool MismoLugar(const FilaDeComando& a, const FilaDeComando& b) {
    return a.menu == b.menu && std::string(a.submenu) == b.submenu;
}

}  // namespace

// One pass of laying out a menu: which submenus are placed already, and where a
// separator waits for the next item.
struct MenusDeLaVentana::Composicion {
    std::set<QMenu*> colocados;
    std::set<QMenu*> separadorPendiente;

    void Coloca(QMenu& menu, QAction* accion) {
        if (separadorPendiente.erase(&menu) != 0 && !menu.actions().isEmpty()) menu.addSeparator();
        menu.addAction(accion);
    }
};

MenusDeLaVentana::MenusDeLaVentana(QMenuBar& barra, Despachador despacha)
    : barra_(barra), despacha_(std::move(despacha)) {
    for (const FichaDeMenu& ficha : MenusDeLaBarra()) {
        QMenu* menu = barra_.addMenu(DelNucleo(ficha.titulo));
        menu->setObjectName(NombreDelMenu(ficha.menu));
        menus_[ficha.menu] = menu;
    }
    const FilaDeComando* anterior = nullptr;
    QActionGroup* opciones = nullptr;
    for (const FilaDeComando& fila : TablaDeComandos()) {
        if (fila.clase == ClaseDeFila::Orden && (fila.programas & kEscritorio) != 0) {
            QAction* accion = CreaAccion(fila);
            if (fila.marca == Marca::Opcion) {
                // Adjacent options of one menu are one choice; none checked is allowed (a
                // zoom level off the list).
                if (anterior == nullptr || anterior->marca != Marca::Opcion || !MismoLugar(*anterior, fila)) {
                    opciones = new QActionGroup(&barra_);
                    opciones->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                opciones->addAction(accion);
            }
        }
        anterior = &fila;
    }
    for (const FichaDeMenu& ficha : MenusDeLaBarra()) Recompone(ficha.menu);
}

QAction* MenusDeLaVentana::CreaAccion(const FilaDeComando& fila) {
    auto* accion = new QAction(TextoDe(fila), &barra_);
    accion->setData(fila.id);
    accion->setShortcuts(AtajosDe(fila.id));
    accion->setCheckable(fila.marca != Marca::Ninguna);
    const int id = fila.id;
    QObject::connect(accion, &QAction::triggered, accion, [this, id] { despacha_(id); });
    acciones_[id] = accion;
    return accion;
}

bool MenusDeLaVentana::Presente(const FilaDeComando& fila) const {
    if ((fila.programas & kEscritorio) == 0) return false;
    return mostradas_.contains(fila.id) ||
           (fila.clase == ClaseDeFila::Orden && Sesion::EsSuyo(fila.id));
}

void MenusDeLaVentana::Muestra(int id) {
    const FilaDeComando* fila = FilaDeComandoDe(id);
    if (fila == nullptr || !mostradas_.insert(id).second) return;
    Recompone(fila->menu);
}

void MenusDeLaVentana::MuestraRecientes(std::function<QStringList()> rutas,
                                        std::function<void(const QString&)> abre) {
    recientes_ = std::move(rutas);
    abreReciente_ = std::move(abre);
    Muestra(comandos::kArchivosRecientes);
}

QString MenusDeLaVentana::NombreDelMenu(MenuDeLaBarra menu) {
    return QStringLiteral("menu%1").arg(static_cast<int>(menu));
}

QAction* MenusDeLaVentana::Accion(int id) const {
    const auto a = acciones_.find(id);
    return a == acciones_.end() ? nullptr : a->second;
}

void MenusDeLaVentana::Recompone(MenuDeLaBarra menu) {
    const auto raiz = menus_.find(menu);
    if (raiz == menus_.end()) return;
    raiz->second->clear();
    for (const auto& [clave, submenu] : submenus_) {
        if (clave.first == menu) submenu->clear();
    }
    Composicion composicion;
    for (const FilaDeComando& fila : TablaDeComandos()) {
        if (fila.menu != menu) continue;
        if (fila.clase == ClaseDeFila::Separador) {
            composicion.separadorPendiente.insert(raiz->second);
            continue;
        }
        if (!Presente(fila)) continue;
        QMenu& destino = Submenu(*raiz->second, fila, composicion);
        if (fila.clase == ClaseDeFila::Orden) composicion.Coloca(destino, acciones_.at(fila.id));
    }
}

QMenu& MenusDeLaVentana::Submenu(QMenu& raiz, const FilaDeComando& fila, Composicion& composicion) {
    // The whole path is one text, so that a translation names each level the same way
    // wherever it appears.
    const std::string ruta = DelNucleo(fila.submenu).toStdString();
    QMenu* actual = &raiz;
    for (std::size_t inicio = 0; inicio < ruta.size();) {
        std::size_t fin = ruta.find(kSeparadorDeGrupos, inicio);
        if (fin == std::string::npos) fin = ruta.size();
        QMenu*& submenu = submenus_[{fila.menu, ruta.substr(0, fin)}];
        if (submenu == nullptr) {
            submenu = new QMenu(SinMnemonicos(QString::fromStdString(ruta.substr(inicio, fin - inicio))), actual);
            if (fila.clase == ClaseDeFila::Recientes) ConectaRecientes(*submenu, fila);
        }
        if (composicion.colocados.insert(submenu).second) composicion.Coloca(*actual, submenu->menuAction());
        actual = submenu;
        inicio = fin == ruta.size() ? fin : fin + std::string(kSeparadorDeGrupos).size();
    }
    return *actual;
}

void MenusDeLaVentana::ConectaRecientes(QMenu& recientes, const FilaDeComando& fila) {
    const QString ninguno = DelNucleo(fila.texto);
    QMenu* menu = &recientes;
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu, ninguno] {
        menu->clear();
        const QStringList lista = recientes_ ? recientes_() : QStringList();
        for (const QString& ruta : lista) {
            QAction* accion = menu->addAction(SinMnemonicos(ruta));
            accion->setData(ruta);
            QObject::connect(accion, &QAction::triggered, menu, [this, ruta] { abreReciente_(ruta); });
        }
        if (lista.isEmpty()) menu->addAction(ninguno)->setEnabled(false);
    });
}

}  // namespace velistra
