#include "ui/ventana/BarraDeHerramientas.h"

#include <QAction>
#include <QIcon>
#include <QLayout>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

#include "plataforma/Recursos.h"
#include "sesion/TablaDeComandos.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/ventana/Atajos.h"

namespace velistra {

namespace {
constexpr int kLado = 16;

// The shell's own arrows for the buttons the strip has no picture for.
QStyle::StandardPixmap Flecha(int id) {
    return id == comandos::kRehacer ? QStyle::SP_ArrowForward : QStyle::SP_ArrowBack;
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
    const FilaDeComando* anterior = nullptr;
    for (const FilaDeComando* fila : BotonesDeLaBarra(kEscritorio)) {
        if (anterior != nullptr && anterior->boton.grupo != fila->boton.grupo) addSeparator();
        anterior = fila;
        QIcon icono;
        if (fila->boton.imagen < 0)
            icono = style()->standardIcon(Flecha(fila->id));
        else if (tira != nullptr)
            icono = QIcon(QPixmap::fromImage(tira->copy(fila->boton.imagen * kLado, 0, kLado, kLado)));
        Agrega(icono, *fila, despacha);
    }
}

void BarraDeHerramientas::Agrega(const QIcon& icono, const FilaDeComando& fila,
                                 const Despachador& despacha) {
    // No text: the name goes in the tooltip only.
    QAction* accion = addAction(icono, QString());
    const int id = fila.id;
    accion->setData(id);
    const QString nombre = QString::fromStdString(
        NombreDeBoton(fila, [](const char* texto) { return DelNucleo(texto).toStdString(); }));
    accion->setToolTip(AyudaDeBoton(nombre, id));
    widgetForAction(accion)->setFixedSize(kBoton);
    connect(accion, &QAction::triggered, this, [despacha, id] { despacha(id); });
}

}  // namespace velistra
