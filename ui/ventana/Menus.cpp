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
#include "ui/ventana/Atajos.h"
#include "ui/ventana/MenuVer.h"

namespace velistra {

namespace {
struct Elemento {
    int id;  // 0: separator
    const char* texto;
};

constexpr std::array<Elemento, 6> kCircuitos{{
    {comandos::kNuevo, "Nuevo"},
    {comandos::kRecuperar, "Recuperar..."},
    {comandos::kAlmacenar, "Almacenar"},
    {comandos::kAlmacenarEn, "Almacenar en..."},
    {0, ""},
    {comandos::kSalir, "Salir"},
}};
constexpr std::array<Elemento, 6> kTableros{{
    {comandos::kProtoboard, "Protoboard (breadboard)"},
    {comandos::kInterruptores, "Interruptores"},
    {comandos::kPulsadores, "Pulsadores"},
    {comandos::kLeds, "Leds"},
    {comandos::kSieteSegmentos, "Leds de siete segmentos"},
    {comandos::kTemporizador, "Temporizador"},
}};
constexpr std::array<Elemento, 1> kTutoriales{{{comandos::kPLA, "PLA de 4 x 8 x 4"}}};
constexpr std::array<Elemento, 1> kAyuda{{{comandos::kAyuda, "Contacto.."}}};

constexpr const char* kSeparadorDeGrupos = " > ";

// Item texts are shown as written: an '&' in them is not a mnemonic.
QString SinMnemonicos(const char* texto) {
    return QString::fromUtf8(texto).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

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
            AgregaAccion(*menu, elemento.id, SinMnemonicos(elemento.texto), despacha);
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
        const std::string grupo = ficha.grupo;
        QMenu* actual = &menu;
        std::size_t inicio = 0;
        while (inicio < grupo.size()) {
            std::size_t fin = grupo.find(kSeparadorDeGrupos, inicio);
            if (fin == std::string::npos) fin = grupo.size();
            const std::string ruta = grupo.substr(0, fin);
            QMenu*& submenu = submenus[ruta];
            if (submenu == nullptr) {
                submenu =
                    actual->addMenu(SinMnemonicos(grupo.substr(inicio, fin - inicio).c_str()));
            }
            actual = submenu;
            inicio = fin == grupo.size() ? fin : fin + std::string(kSeparadorDeGrupos).size();
        }
        AgregaAccion(*actual, ficha.codigoDeCatalogo, SinMnemonicos(ficha.texto), despacha);
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
    AgregaMenu(barra, QStringLiteral("&Circuitos"), kCircuitos, despacha);
    AgregaMenuEdicion(barra, despacha);
    MenuVer(barra);
    AgregaMenu(barra, QStringLiteral("Tableros"), kTableros, despacha);
    AgregaCircuitosTTL(*barra.addMenu(QStringLiteral("Circuitos TTL")), Catalogo(), despacha);
    AgregaMenu(barra, QStringLiteral("Tutoriales"), kTutoriales, despacha);
    AgregaMenu(barra, QStringLiteral("Ayuda"), kAyuda, despacha);
    AsignaAtajos(barra);
}

}  // namespace velistra
