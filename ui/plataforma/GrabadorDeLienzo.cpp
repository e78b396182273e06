#include "ui/plataforma/GrabadorDeLienzo.h"

#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <utility>

#include "ui/imagenes/Imagenes.h"
#include "ui/plataforma/ColoresQt.h"
#include "ui/plataforma/FuenteDelLienzo.h"
#include "ui/plataforma/Relleno.h"

namespace velistra {

namespace {
using Tipo = Llamada::Tipo;

Llamada Hace(Tipo tipo, int a = 0, int b = 0, int c = 0, int d = 0) {
    Llamada l;
    l.tipo = tipo;
    l.a = a;
    l.b = b;
    l.c = c;
    l.d = d;
    return l;
}

QRect Caja(int l, int t, int r, int b) {
    return QRect(QPoint(std::min(l, r), std::min(t, b)), QPoint(std::max(l, r), std::max(t, b)));
}

const QFontMetrics& Medidas() {
    static const QFontMetrics medidas(FuenteDelLienzo());
    return medidas;
}
}  // namespace

GrabadorDeLienzo::GrabadorDeLienzo(const Imagenes& imagenes, QRect todo)
    : imagenes_(imagenes), todo_(todo) {}

void GrabadorDeLienzo::Corta() {
    // An item that drew nothing still takes its place, so that the items after it keep
    // theirs when it starts drawing.
    Actual();
    abierto_ = false;
}

std::vector<ElementoGrabado> GrabadorDeLienzo::Elementos() {
    abierto_ = false;
    return std::move(elementos_);
}

ElementoGrabado& GrabadorDeLienzo::Actual() {
    if (!abierto_) {
        ElementoGrabado nuevo;
        nuevo.pluma = pluma_;
        nuevo.brocha = brocha_;
        elementos_.push_back(std::move(nuevo));
        abierto_ = true;
        movido_ = false;
    }
    return elementos_.back();
}

void GrabadorDeLienzo::Agrega(Llamada llamada, QRect area) {
    ElementoGrabado& elemento = Actual();
    llamada.area = area;
    elemento.llamadas.push_back(std::move(llamada));
    elemento.area |= area;
}

void GrabadorDeLienzo::CopiaImagen(const Imagen& imagen, int x, int y, int w, int h,
                                   ModoDeCopia modo) {
    const QImage* origen = imagenes_.Busca(imagen.id);
    const QRect area = origen == nullptr ? QRect() : QRect(x, y, std::min(w, origen->width()),
                                                            std::min(h, origen->height()));
    Llamada l = Hace(Tipo::Copia, x, y, w, h);
    l.imagen = imagen;
    l.modo = modo;
    Agrega(std::move(l), area);
}

Pluma GrabadorDeLienzo::SeleccionaPluma(Pluma pluma) {
    Llamada l = Hace(Tipo::Pluma);
    l.color = pluma.color;
    l.ancho = pluma.ancho;
    Agrega(std::move(l), QRect());
    return std::exchange(pluma_, pluma);
}

Color GrabadorDeLienzo::SeleccionaBrocha(Color color) {
    Llamada l = Hace(Tipo::Brocha);
    l.color = color;
    Agrega(std::move(l), QRect());
    return std::exchange(brocha_, color);
}

void GrabadorDeLienzo::MueveA(int x, int y) {
    Actual();
    movido_ = true;
    Agrega(Hace(Tipo::MueveA, x, y), QRect());
    actual_ = {x, y};
}

void GrabadorDeLienzo::LineaA(int x, int y) {
    ElementoGrabado& elemento = Actual();
    if (!movido_ && !elemento.inicio) elemento.inicio = actual_;
    // Wide pens are centred on the line and have round ends.
    const int margen = std::max(pluma_.ancho, 1) / 2 + 2;
    Agrega(Hace(Tipo::LineaA, x, y, actual_.x, actual_.y),
           Caja(actual_.x, actual_.y, x, y).adjusted(-margen, -margen, margen, margen));
    actual_ = {x, y};
}

void GrabadorDeLienzo::Elipse(int l, int t, int r, int b) {
    Agrega(Hace(Tipo::Elipse, l, t, r, b), Caja(l, t, r, b));
}

void GrabadorDeLienzo::Rectangulo(int l, int t, int r, int b) {
    Agrega(Hace(Tipo::Rectangulo, l, t, r, b), Caja(l, t, r, b));
}

void GrabadorDeLienzo::Texto(int x, int y, const std::string& texto, Color color,
                             bool transparente) {
    const QString cadena = QString::fromStdString(texto);
    const QFontMetrics& m = Medidas();
    // Glyphs may reach a little past their advance.
    const QRect area = (QRect(x, y, m.horizontalAdvance(cadena), m.height()) |
                        m.boundingRect(cadena).translated(x, y + m.ascent()))
                           .adjusted(-3, -3, 3, 3);
    Llamada l = Hace(Tipo::Texto, x, y);
    l.texto = texto;
    l.color = color;
    l.transparente = transparente;
    Agrega(std::move(l), area);
}

void GrabadorDeLienzo::Rellena(int x, int y, Color borde) {
    // Where a fill on the canvas stops depends on everything drawn before it.
    Llamada l = Hace(Tipo::Rellena, x, y);
    l.color = borde;
    Agrega(std::move(l), todo_);
}

void GrabadorDeLienzo::RellenaSegunImagen(const Imagen& imagen, int xImagen, int yImagen, int x,
                                          int y, Color borde) {
    const QImage* origen = imagenes_.Busca(imagen.id);
    QRect area;
    if (origen != nullptr) {
        const ZonaDeRelleno& zona = ZonaRellenada(*origen, QPoint(x - xImagen, y - yImagen),
                                                  AQRgb(borde), AQRgb(brocha_));
        area = QRect(QPoint(xImagen, yImagen) + zona.esquina, zona.mascara.size());
    }
    Llamada l = Hace(Tipo::RellenaSegunImagen, xImagen, yImagen, x, y);
    l.imagen = imagen;
    l.color = borde;
    Agrega(std::move(l), area);
}

void Reproduce(const ElementoGrabado& elemento, Lienzo& lienzo) {
    lienzo.SeleccionaPluma(elemento.pluma);
    lienzo.SeleccionaBrocha(elemento.brocha);
    if (elemento.inicio) lienzo.MueveA(elemento.inicio->x, elemento.inicio->y);
    for (const Llamada& l : elemento.llamadas) {
        switch (l.tipo) {
            case Tipo::Copia:
                lienzo.CopiaImagen(l.imagen, l.a, l.b, l.c, l.d, l.modo);
                break;
            case Tipo::Pluma:
                lienzo.SeleccionaPluma({l.color, l.ancho});
                break;
            case Tipo::Brocha:
                lienzo.SeleccionaBrocha(l.color);
                break;
            case Tipo::MueveA:
                lienzo.MueveA(l.a, l.b);
                break;
            case Tipo::LineaA:
                lienzo.LineaA(l.a, l.b);
                break;
            case Tipo::Elipse:
                lienzo.Elipse(l.a, l.b, l.c, l.d);
                break;
            case Tipo::Rectangulo:
                lienzo.Rectangulo(l.a, l.b, l.c, l.d);
                break;
            case Tipo::Texto:
                lienzo.Texto(l.a, l.b, l.texto, l.color, l.transparente);
                break;
            case Tipo::Rellena:
                lienzo.Rellena(l.a, l.b, l.color);
                break;
            case Tipo::RellenaSegunImagen:
                lienzo.RellenaSegunImagen(l.imagen, l.a, l.b, l.c, l.d, l.color);
                break;
        }
    }
}

}  // namespace velistra
