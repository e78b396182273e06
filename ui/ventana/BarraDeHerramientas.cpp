#include "ui/ventana/BarraDeHerramientas.h"

#include <QAction>
#include <QIcon>
#include <QLayout>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "plataforma/Recursos.h"
#include "sesion/CodigosDeComando.h"
#include "ui/imagenes/Imagenes.h"

namespace velistra {

namespace {
constexpr int kLado = 16;

struct Boton {
    int imagen;  // -1: separator
    int id;
};
constexpr std::array<Boton, 6> kBotones{{
    {0, comandos::kNuevo},
    {1, comandos::kRecuperar},
    {-1, 0},
    {2, comandos::kAlmacenar},
    {-1, 0},
    {3, comandos::kColorDeCable},
}};

// Buttons 23 pixels wide and separators of 8, so that the wire-colour button stands
// over window x 85 to 107, where the workbench draws the colour of new wires.
constexpr const char* kEstilo =
    "QToolBar { spacing: 0px; padding: 0px; border: 0px; }"
    "QToolBar::separator { width: 8px; }";
constexpr QSize kBoton(23, 22);
}  // namespace

BarraDeHerramientas::BarraDeHerramientas(const Imagenes& imagenes, const Despachador& despacha,
                                         QWidget* padre)
    : QToolBar(padre) {
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(kLado, kLado));
    setContextMenuPolicy(Qt::PreventContextMenu);
    setStyleSheet(QString::fromLatin1(kEstilo));
    layout()->setContentsMargins(0, 0, 0, 0);
    const QImage* tira = imagenes.Busca(recursos::BarraDeHerramientas.id);
    for (const Boton& boton : kBotones) {
        if (boton.imagen < 0) {
            addSeparator();
            continue;
        }
        QIcon icono;
        if (tira != nullptr)
            icono = QIcon(QPixmap::fromImage(tira->copy(boton.imagen * kLado, 0, kLado, kLado)));
        // No text, hence no tooltip.
        QAction* accion = addAction(icono, QString());
        accion->setData(boton.id);
        widgetForAction(accion)->setFixedSize(kBoton);
        const int id = boton.id;
        connect(accion, &QAction::triggered, this, [despacha, id] { despacha(id); });
    }
}

}  // namespace velistra
