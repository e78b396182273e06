#include "ui/ventana/CapaDeMesa.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "ui/plataforma/LienzoQt.h"

namespace velistra {

namespace {
// Past this share of the picture, drawing everything costs less than clipping.
constexpr double kParteParaRedibujarTodo = 0.5;

qint64 Superficie(const QRegion& zona) {
    qint64 total = 0;
    for (const QRect& r : zona) total += static_cast<qint64>(r.width()) * r.height();
    return total;
}


// Where one item drew differently: the calls between the part both recordings begin
// with and the part they end with, or the whole item when a pen, a brush or a move
// changed, since every call after it may paint elsewhere.
QRegion Diferencia(const ElementoGrabado& a, const ElementoGrabado& b) {
    const QRegion todo = QRegion(a.area) + b.area;
    if (a.pluma != b.pluma || a.brocha != b.brocha || a.inicio != b.inicio) return todo;
    const auto& x = a.llamadas;
    const auto& y = b.llamadas;
    std::size_t inicio = 0;
    while (inicio < x.size() && inicio < y.size() && x[inicio] == y[inicio]) ++inicio;
    std::size_t fin = 0;
    while (fin < x.size() - inicio && fin < y.size() - inicio &&
           x[x.size() - 1 - fin] == y[y.size() - 1 - fin])
        ++fin;
    QRegion zona;
    for (const auto* lista : {&x, &y}) {
        for (std::size_t i = inicio; i + fin < lista->size(); ++i) {
            const Llamada& llamada = (*lista)[i];
            if (llamada.CambiaElEstado()) return todo;
            zona += llamada.area;
        }
    }
    return zona;
}
}  // namespace

QRegion Diferencia(const std::vector<ElementoGrabado>& antes,
                   const std::vector<ElementoGrabado>& ahora) {
    QRegion zona;
    const std::size_t n = std::max(antes.size(), ahora.size());
    for (std::size_t i = 0; i < n; ++i) {
        const ElementoGrabado* a = i < antes.size() ? &antes[i] : nullptr;
        const ElementoGrabado* b = i < ahora.size() ? &ahora[i] : nullptr;
        if (a != nullptr && b != nullptr) {
            if (!(*a == *b)) zona += Diferencia(*a, *b);
            continue;
        }
        if (a != nullptr) zona += a->area;
        if (b != nullptr) zona += b->area;
    }
    return zona;
}

CapaDeMesa::CapaDeMesa(const Imagenes& imagenes, QImage fondo)
    : imagenes_(imagenes), fondo_(std::move(fondo)), imagen_(fondo_) {
    fondo_.convertTo(QImage::Format_RGB32);
    imagen_.convertTo(QImage::Format_RGB32);
}

QRegion CapaDeMesa::Actualiza(std::vector<ElementoGrabado> elementos) {
    const QRect todo = imagen_.rect();
    QRegion zona = valida_ ? Diferencia(elementos_, elementos).intersected(todo) : QRegion(todo);
    elementos_ = std::move(elementos);
    valida_ = true;
    if (zona.isEmpty()) return zona;
    if (Superficie(zona) > kParteParaRedibujarTodo * todo.width() * todo.height()) zona = todo;
    Dibuja(zona);
    return zona;
}

void CapaDeMesa::Dibuja(const QRegion& zona) {
    {
        QPainter pintor(&imagen_);
        pintor.setClipRegion(zona);
        pintor.setCompositionMode(QPainter::CompositionMode_Source);
        pintor.drawImage(0, 0, fondo_);
    }
    LienzoQt lienzo(imagen_, imagenes_);
    lienzo.Recorta(zona);
    for (const ElementoGrabado& elemento : elementos_) {
        if (zona.intersects(elemento.area)) Reproduce(elemento, lienzo);
    }
}

}  // namespace velistra
