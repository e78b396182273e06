#include "ui/ventana/Menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <string>

#include "sesion/CodigosDeComando.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/ventana/Atajos.h"
#include "ui/ventana/MenuVer.h"

namespace velistra {

namespace {
struct Elemento {
    int id;  // 0: separator
    const char* texto;
};

constexpr std::array<Elemento, 6> kCircuitos{{
    {comandos::kNuevo, QT_TRANSLATE_NOOP("velistra::Menus", "Nuevo")},
    {comandos::kRecuperar, QT_TRANSLATE_NOOP("velistra::Menus", "Recuperar...")},
    {comandos::kAlmacenar, QT_TRANSLATE_NOOP("velistra::Menus", "Almacenar")},
    {comandos::kAlmacenarEn, QT_TRANSLATE_NOOP("velistra::Menus", "Almacenar en...")},
    {0, ""},
    {comandos::kSalir, QT_TRANSLATE_NOOP("velistra::Menus", "Salir")},
}};
constexpr std::array<Elemento, 6> kTableros{{
    {comandos::kProtoboard, QT_TRANSLATE_NOOP("velistra::Menus", "Protoboard (breadboard)")},
    {comandos::kInterruptores, QT_TRANSLATE_NOOP("velistra::Menus", "Interruptores")},
    {comandos::kPulsadores, QT_TRANSLATE_NOOP("velistra::Menus", "Pulsadores")},
    {comandos::kLeds, QT_TRANSLATE_NOOP("velistra::Menus", "Leds")},
    {comandos::kSieteSegmentos, QT_TRANSLATE_NOOP("velistra::Menus", "Leds de siete segmentos")},
    {comandos::kTemporizador, QT_TRANSLATE_NOOP("velistra::Menus", "Temporizador")},
}};
constexpr std::array<Elemento, 1> kTutoriales{
    {{comandos::kPLA, QT_TRANSLATE_NOOP("velistra::Menus", "PLA de 4 x 8 x 4")}}};
constexpr std::array<Elemento, 1> kAyuda{
    {{comandos::kAyuda, QT_TRANSLATE_NOOP("velistra::Menus", "Contacto..")}}};

constexpr const char* kSeparadorDeGrupos = " > ";

// Item texts are shown as written: an '&' in them is not a mnemonic.
QString SinMnemonicos(QString texto) {
    return texto.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString Traduce(const char* texto) { return QCoreApplication::translate("velistra::Menus", texto); }

void AgregaAccion(QMenu& menu, int id, const QString& texto, const Despachador& despacha) {
    QAction* accion = menu.addAction(texto);
    accion->setData(id);
    QObject::connect(accion, &QAction::triggered, accion, [despacha, id] { despacha(id); });
}

void AgregaMenu(QMenuBar& barra, const QString& titulo, std::span<const Elemento> elementos,
                const Despachador& despacha) {
    QMenu* menu = barra.addMenu(titulo);
    for (const Elemento& elemento : elementos) {
        if (elemento.id == 0) {
            menu->addSeparator();
        } else {
            AgregaAccion(*menu, elemento.id, SinMnemonicos(Traduce(elemento.texto)), despacha);
        }
    }
}
}  // namespace

void AgregaArchivosRecientes(QMenuBar& barra, std::function<QStringList()> rutas,
                             std::function<void(const QString&)> abre) {
    const QList<QAction*> menus = barra.actions();
    if (menus.isEmpty() || menus.front()->menu() == nullptr) return;
    QMenu& circuitos = *menus.front()->menu();
    QAction* despues = nullptr;
    const QList<QAction*> elementos = circuitos.actions();
    for (qsizetype i = 0; i + 1 < elementos.size(); ++i) {
        if (elementos[i]->data() == comandos::kAlmacenarEn) despues = elementos[i + 1];
    }
    auto* recientes = new QMenu(QCoreApplication::translate("Menus", "Archivos recientes"), &circuitos);
    circuitos.insertMenu(despues, recientes);
    QObject::connect(recientes, &QMenu::aboutToShow, recientes, [recientes, rutas, abre] {
        recientes->clear();
        const QStringList lista = rutas();
        for (const QString& ruta : lista) {
            QAction* accion = recientes->addAction(QString(ruta).replace(QLatin1Char('&'), QStringLiteral("&&")));
            accion->setData(ruta);
            QObject::connect(accion, &QAction::triggered, recientes, [abre, ruta] { abre(ruta); });
        }
        if (lista.isEmpty())
            recientes->addAction(QCoreApplication::translate("Menus", "Ninguno"))->setEnabled(false);
    });
}

void AgregaCircuitosTTL(QMenu& menu, std::span<const FichaDeChip> catalogo,
                        const Despachador& despacha) {
    std::map<std::string, QMenu*> submenus;
    for (const FichaDeChip& ficha : catalogo) {
        // The whole path is one text, so that a translation names each level the same way
        // wherever it appears.
        const std::string grupo = DelNucleo(ficha.grupo).toStdString();
        QMenu* actual = &menu;
        std::size_t inicio = 0;
        while (inicio < grupo.size()) {
            std::size_t fin = grupo.find(kSeparadorDeGrupos, inicio);
            if (fin == std::string::npos) fin = grupo.size();
            const std::string ruta = grupo.substr(0, fin);
            QMenu*& submenu = submenus[ruta];
            if (submenu == nullptr) {
                submenu = actual->addMenu(
                    SinMnemonicos(QString::fromStdString(grupo.substr(inicio, fin - inicio))));
            }
            actual = submenu;
            inicio = fin == grupo.size() ? fin : fin + std::string(kSeparadorDeGrupos).size();
        }
        AgregaAccion(*actual, ficha.codigoDeCatalogo, SinMnemonicos(DelNucleo(ficha.texto)),
                     despacha);
    }
}

AntesDeSalir LugarAntesDeSalir(QMenuBar& barra) {
    const QList<QAction*> menus = barra.actions();
    if (menus.isEmpty() || menus.front()->menu() == nullptr) return {};
    AntesDeSalir lugar{menus.front()->menu(), nullptr};
    for (QAction* a : lugar.menu->actions()) {
        if (a->isSeparator()) lugar.separador = a;
    }
    return lugar;
}

void ConstruyeMenus(QMenuBar& barra, const Despachador& despacha) {
    AgregaMenu(barra, Traduce(QT_TRANSLATE_NOOP("velistra::Menus", "&Circuitos")), kCircuitos,
               despacha);
    AgregaMenuEdicion(barra, despacha);
    MenuVer(barra);
    AgregaMenu(barra, Traduce(QT_TRANSLATE_NOOP("velistra::Menus", "Tableros")), kTableros,
               despacha);
    AgregaCircuitosTTL(
        *barra.addMenu(Traduce(QT_TRANSLATE_NOOP("velistra::Menus", "Circuitos TTL"))), Catalogo(),
        despacha);
    AgregaMenu(barra, Traduce(QT_TRANSLATE_NOOP("velistra::Menus", "Tutoriales")), kTutoriales,
               despacha);
    AgregaMenu(barra, Traduce(QT_TRANSLATE_NOOP("velistra::Menus", "Ayuda")), kAyuda, despacha);
    AsignaAtajos(barra);
}

}  // namespace velistra
