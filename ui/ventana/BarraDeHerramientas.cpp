#include "ui/ventana/BarraDeHerramientas.h"

#include <QAction>
#include <QIcon>
#include <QLayout>
#include <QPixmap>
#include <QStyle>
#include <QWidget>
#include <array>

#include "plataforma/Recursos.h"
#include "sesion/CodigosDeComando.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/ventana/Atajos.h"

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

QString NombreDeBoton(int id) {
    switch (id) {
        case comandos::kNuevo: return BarraDeHerramientas::tr("Nuevo");
        case comandos::kRecuperar: return BarraDeHerramientas::tr("Recuperar");
        case comandos::kAlmacenar: return BarraDeHerramientas::tr("Almacenar");
        case comandos::kColorDeCable: return BarraDeHerramientas::tr("Color de los cables nuevos");
        case comandos::kDeshacer: return BarraDeHerramientas::tr("Deshacer");
        case comandos::kRehacer: return BarraDeHerramientas::tr("Rehacer");
        default: return {};
    }
}

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
        Agrega(icono, boton.id, despacha);
    }
    // Right of the colour button, so nothing the workbench lines up with moves.
    addSeparator();
    Agrega(style()->standardIcon(QStyle::SP_ArrowBack), comandos::kDeshacer, despacha);
    Agrega(style()->standardIcon(QStyle::SP_ArrowForward), comandos::kRehacer, despacha);
}

void BarraDeHerramientas::Agrega(const QIcon& icono, int id, const Despachador& despacha) {
    // No text: the name goes in the tooltip only.
    QAction* accion = addAction(icono, QString());
    accion->setData(id);
    accion->setToolTip(AyudaDeBoton(NombreDeBoton(id), id));
    widgetForAction(accion)->setFixedSize(kBoton);
    connect(accion, &QAction::triggered, this, [despacha, id] { despacha(id); });
}

}  // namespace velistra
