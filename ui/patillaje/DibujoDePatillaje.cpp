#include "ui/patillaje/DibujoDePatillaje.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "chips/Catalogo.h"
#include "chips/Patillaje.h"

namespace velistra {

namespace {

constexpr int kPaso = 20;          // between pins
constexpr int kPatita = 9;         // lead length outside the body
constexpr int kAnchoDelNumero = 20;
constexpr int kAnchoDelNivel = 16;
constexpr int kSeparacion = 4;
constexpr int kAnchoDelCuerpo = 160;
constexpr int kMargenSuperior = 10;
constexpr int kMargenInferior = 6;
constexpr int kMargen = 4;

const QColor kCuerpo(40, 40, 44);
const QColor kRotulo(236, 236, 226);
const QColor kMetal(188, 190, 196);
const QColor kAlto(206, 40, 40);
const QColor kBajo(40, 80, 200);
const QColor kAlAire(214, 214, 214);

QFont Fuente(int pixeles, bool negrita = false) {
    QFont fuente(QStringLiteral("DejaVu Sans"));
    fuente.setStyleHint(QFont::SansSerif);
    fuente.setPixelSize(pixeles);
    fuente.setBold(negrita);
    return fuente;
}

// A name with its active-low parts overlined: '~' bars up to the next '/'.
struct Tramo {
    QString texto;
    bool negado;
};

QList<Tramo> Tramos(std::string_view nombre) {
    QList<Tramo> tramos;
    bool negado = false;
    QString actual;
    const QString texto = QString::fromUtf8(nombre.data(), static_cast<qsizetype>(nombre.size()));
    auto cierra = [&] {
        if (!actual.isEmpty()) tramos.append({actual, negado});
        actual.clear();
    };
    for (const QChar c : texto) {
        if (c == u'~') {
            cierra();
            negado = true;
        } else if (c == u'/') {
            cierra();
            negado = false;
            actual = c;
            cierra();
        } else {
            actual += c;
        }
    }
    cierra();
    return tramos;
}

int AnchoDeNombre(const QFontMetrics& medidas, const QList<Tramo>& tramos) {
    int ancho = 0;
    for (const Tramo& t : tramos) ancho += medidas.horizontalAdvance(t.texto);
    return ancho;
}

// Draws the name with its left end at x, centred on y.
void PintaNombre(QPainter& p, int x, int y, const QList<Tramo>& tramos) {
    const QFontMetrics medidas(p.font());
    const int base = y + (medidas.ascent() - medidas.descent()) / 2;
    const int raya = base - medidas.capHeight() - 2;
    for (const Tramo& t : tramos) {
        const int ancho = medidas.horizontalAdvance(t.texto);
        p.drawText(x, base, t.texto);
        if (t.negado) p.drawLine(x, raya, x + ancho - 1, raya);
        x += ancho;
    }
}

void PintaNivel(QPainter& p, QRect caja, char nivel) {
    if (nivel != '0' && nivel != '1' && nivel != 'Z') return;
    const QColor fondo = nivel == '1' ? kAlto : nivel == '0' ? kBajo : kAlAire;
    p.setPen(Qt::NoPen);
    p.setBrush(fondo);
    p.drawRoundedRect(caja, 3, 3);
    p.setPen(nivel == 'Z' ? QColor(96, 96, 96) : QColor(Qt::white));
    p.drawText(caja, Qt::AlignCenter, QString(QChar(nivel)));
}

// Where everything of one drawing goes.
struct Disposicion {
    int pines;
    bool conNiveles;

    int PorLado() const { return pines / 2; }
    int Lateral() const {
        return (conNiveles ? kAnchoDelNivel + kSeparacion : 0) + kAnchoDelNumero + kPatita;
    }
    QSize Tamano() const {
        return QSize(2 * (kMargen + Lateral()) + kAnchoDelCuerpo,
                     kMargenSuperior + PorLado() * kPaso + kMargenInferior);
    }
    QRect Cuerpo() const {
        return QRect(kMargen + Lateral(), kMargenSuperior - 4, kAnchoDelCuerpo, PorLado() * kPaso + 8);
    }
    bool Izquierda(int pin) const { return pin <= PorLado(); }
    int Y(int pin) const {
        const int fila = Izquierda(pin) ? pin - 1 : pines - pin;
        return kMargenSuperior + fila * kPaso + kPaso / 2;
    }
    QRect Patita(int pin) const {
        const QRect c = Cuerpo();
        return Izquierda(pin) ? QRect(c.left() - kPatita, Y(pin) - 3, kPatita, 6)
                              : QRect(c.right() + 1, Y(pin) - 3, kPatita, 6);
    }
    QRect Numero(int pin) const {
        const QRect p = Patita(pin);
        return Izquierda(pin) ? QRect(p.left() - kAnchoDelNumero, Y(pin) - kPaso / 2, kAnchoDelNumero - 2, kPaso)
                              : QRect(p.right() + 3, Y(pin) - kPaso / 2, kAnchoDelNumero - 2, kPaso);
    }
    QRect Nivel(int pin) const {
        const QRect n = Numero(pin);
        const int x = Izquierda(pin) ? n.left() - kSeparacion - kAnchoDelNivel : n.right() + 1 + kSeparacion;
        return QRect(x, Y(pin) - 7, kAnchoDelNivel, 14);
    }
};

}  // namespace

QRect CajaDeNivel(int codigoDeCatalogo, int pin) {
    const FichaDeChip* ficha = FichaDeCatalogo(codigoDeCatalogo);
    if (ficha == nullptr || pin < 1 || pin > ficha->pines) return {};
    return Disposicion{ficha->pines, true}.Nivel(pin);
}

QImage DibujoDePatillaje(int codigoDeCatalogo, std::string_view niveles) {
    const FichaDeChip* ficha = FichaDeCatalogo(codigoDeCatalogo);
    if (ficha == nullptr) return {};
    const int pines = ficha->pines;
    const Disposicion d{pines, !niveles.empty()};

    QImage imagen(d.Tamano(), QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRect cuerpo = d.Cuerpo();
    p.setPen(Qt::NoPen);
    p.setBrush(kCuerpo);
    p.drawRoundedRect(cuerpo, 3, 3);
    // The notch marks the pin-1 end.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(QRect(cuerpo.center().x() - 8, cuerpo.top() - 8, 16, 16));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const QFont fuenteDelNombre = Fuente(11);
    const QFont fuenteDelNumero = Fuente(10);
    const QFontMetrics medidas(fuenteDelNombre);
    for (int pin = 1; pin <= pines; ++pin) {
        const bool izquierda = d.Izquierda(pin);
        const int y = d.Y(pin);
        p.setPen(Qt::NoPen);
        p.setBrush(kMetal);
        p.drawRect(d.Patita(pin));

        p.setFont(fuenteDelNumero);
        p.setPen(QColor(60, 60, 60));
        p.drawText(d.Numero(pin), (izquierda ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                   QString::number(pin));
        if (static_cast<std::size_t>(pin) <= niveles.size())
            PintaNivel(p, d.Nivel(pin), niveles[static_cast<std::size_t>(pin - 1)]);

        const QList<Tramo> tramos = Tramos(NombreDePatilla(codigoDeCatalogo, pin));
        p.setFont(fuenteDelNombre);
        p.setPen(kRotulo);
        const int x = izquierda ? cuerpo.left() + 6 : cuerpo.right() - 5 - AnchoDeNombre(medidas, tramos);
        PintaNombre(p, x, y, tramos);
    }

    // The part number, along the package, as printed on it.
    p.save();
    p.translate(cuerpo.center().x() + 1, cuerpo.center().y());
    p.rotate(-90);
    p.setFont(Fuente(11, true));
    p.setPen(QColor(150, 150, 156));
    p.drawText(QRect(-cuerpo.height() / 2, -9, cuerpo.height(), 18), Qt::AlignCenter,
               QString::fromStdString(EtiquetaDeChip(codigoDeCatalogo)));
    p.restore();
    return imagen;
}

}  // namespace velistra
