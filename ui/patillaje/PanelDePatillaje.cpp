#include "ui/patillaje/PanelDePatillaje.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "chips/Catalogo.h"
#include "chips/Patillaje.h"
#include "modelo/Componente.h"
#include "modelo/Puerto.h"
#include "sesion/CodigosDeComando.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/patillaje/DibujoDePatillaje.h"

namespace velistra {

std::string NivelesDePatillas(const Componente& chip, bool encendida) {
    if (!encendida) return {};
    std::string niveles;
    for (int pin = 1; pin <= chip.NumeroDePines(); ++pin) {
        const Puerto* casilla = chip.DireccionDeCasilla(pin);
        niveles += casilla != nullptr ? casilla->Estado() : ' ';
    }
    return niveles;
}

QString NombreDeChip(int codigoDeCatalogo) {
    return QString::fromStdString(EtiquetaDeChip(codigoDeCatalogo));
}

QString DescripcionDeChipQt(int codigoDeCatalogo) {
    return DelNucleo(std::string(DescripcionDeChip(codigoDeCatalogo)));
}

PanelDePatillaje::PanelDePatillaje(QWidget* padre) : QDockWidget(TextoDeLaOrden(comandos::kPatillaje), padre) {
    setObjectName(QStringLiteral("PanelDePatillaje"));
    auto* contenido = new QWidget(this);
    auto* columna = new QVBoxLayout(contenido);
    titulo_ = new QLabel(contenido);
    QFont negrita = titulo_->font();
    negrita.setBold(true);
    titulo_->setFont(negrita);
    descripcion_ = new QLabel(contenido);
    descripcion_->setWordWrap(true);
    dibujo_ = new QLabel(contenido);
    dibujo_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    aviso_ = new QLabel(contenido);
    aviso_->setWordWrap(true);
    columna->addWidget(titulo_);
    columna->addWidget(descripcion_);
    columna->addWidget(dibujo_);
    columna->addWidget(aviso_);
    columna->addStretch();
    setWidget(contenido);
    // Wide enough for the drawing with its levels, so opening it never squeezes the names.
    contenido->setMinimumWidth(DibujoDePatillaje(7000, "0").width() + 24);
    Muestra(nullptr, false);
}

void PanelDePatillaje::Muestra(const Componente* chip, bool encendida) {
    const int codigo = chip != nullptr ? static_cast<int>(chip->Codigo()) : 0;
    std::string niveles = chip != nullptr ? NivelesDePatillas(*chip, encendida) : std::string();
    const bool enchufado = chip != nullptr && chip->EstaInsertado();
    // Repaints come often; the drawing is only redone when something shown changed.
    if (codigo == codigo_ && niveles == niveles_ && enchufado == enchufado_ && encendida == encendida_) return;
    codigo_ = codigo;
    niveles_ = std::move(niveles);
    enchufado_ = enchufado;
    encendida_ = encendida;
    if (codigo == 0) {
        titulo_->setText(tr("Ningún chip"));
        descripcion_->setText(tr("Pase el puntero sobre un chip o haga clic en él."));
        dibujo_->clear();
        aviso_->clear();
        return;
    }
    titulo_->setText(NombreDeChip(codigo));
    descripcion_->setText(DescripcionDeChipQt(codigo));
    dibujo_->setPixmap(QPixmap::fromImage(DibujoDePatillaje(codigo, niveles_)));
    if (!enchufado)
        aviso_->setText(tr("El chip no está enchufado en la protoboard."));
    else if (!encendida)
        aviso_->setText(tr("Encienda la fuente para ver el nivel de cada patilla."));
    else
        aviso_->setText(tr("Niveles en la protoboard: 1 alto, 0 bajo, Z al aire (se lee como 1)."));
}

QString PanelDePatillaje::Titulo() const { return titulo_->text(); }
QString PanelDePatillaje::Aviso() const { return aviso_->text(); }

}  // namespace velistra
