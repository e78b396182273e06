// Run by the build: genera-recursos-web CARPETA writes what the browser's canvas draws
// with, made by the desktop's own painter so that nothing is drawn twice: the pictures
// (imagenes.vlim), the workbench font (fuente.vlft) and its ellipses (elipses.vlel).
// All little-endian; pictures as runs of equal RGBA pixels.
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

#include "ui/ArranqueDeGenerador.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/imagenes/Pinturas.h"
#include "ui/plataforma/ColoresQt.h"
#include "ui/plataforma/FuenteDelLienzo.h"
#include "ui/plataforma/LienzoQt.h"

namespace velistra {
namespace {

class Escritura {
public:
    void Etiqueta(const char* texto) { datos_.append(texto, 4); }
    void Natural(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) datos_.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    void Entero(int v) { Natural(static_cast<std::uint32_t>(v)); }
    void Byte(std::uint8_t b) { datos_.append(static_cast<char>(b)); }
    bool Guarda(const QString& ruta) const {
        QFile archivo(ruta);
        return archivo.open(QIODevice::WriteOnly) && archivo.write(datos_) == datos_.size();
    }

private:
    QByteArray datos_;
};

std::uint32_t Rgba(QRgb p) {
    return static_cast<std::uint32_t>(qRed(p)) | (static_cast<std::uint32_t>(qGreen(p)) << 8) |
           (static_cast<std::uint32_t>(qBlue(p)) << 16) | (static_cast<std::uint32_t>(qAlpha(p)) << 24);
}

void EscribeImagenes(Escritura& e) {
    const auto todas = pinturas::Todas();
    e.Etiqueta("VLIM");
    e.Natural(1);
    e.Natural(static_cast<std::uint32_t>(todas.size()));
    for (const pinturas::Pintura& pintura : todas) {
        const QImage imagen = pintura.pinta().convertToFormat(QImage::Format_ARGB32);
        std::vector<std::pair<std::uint32_t, std::uint32_t>> tramos;
        for (int y = 0; y < imagen.height(); ++y) {
            const auto* fila = reinterpret_cast<const QRgb*>(imagen.constScanLine(y));
            for (int x = 0; x < imagen.width(); ++x) {
                const std::uint32_t p = Rgba(fila[x]);
                if (!tramos.empty() && tramos.back().second == p) ++tramos.back().first;
                else tramos.emplace_back(1, p);
            }
        }
        e.Entero(pintura.id);
        e.Entero(imagen.width());
        e.Entero(imagen.height());
        e.Natural(static_cast<std::uint32_t>(tramos.size()));
        for (const auto& [cuantos, pixel] : tramos) {
            e.Natural(cuantos);
            e.Natural(pixel);
        }
    }
}

// Draws on white through the desktop's canvas and answers the picture.
template <typename Dibujo>
QImage DibujaConElEscritorio(const Imagenes& imagenes, QSize tamano, Dibujo dibujo) {
    QImage imagen(tamano, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    {
        LienzoQt lienzo(imagen, imagenes);
        dibujo(lienzo);
    }
    return imagen;
}

// Latin-1 covers every text the workbench draws (labels, names, digits).
void EscribeFuente(Escritura& e, const Imagenes& imagenes) {
    constexpr int kMargen = 24;
    const QFontMetrics medidas(FuenteDelLienzo());
    std::vector<char32_t> caracteres;
    for (char32_t c = 32; c < 256; ++c) {
        if (c < 127 || c >= 160) caracteres.push_back(c);
    }
    e.Etiqueta("VLFT");
    e.Natural(1);
    e.Entero(medidas.height());
    e.Natural(static_cast<std::uint32_t>(caracteres.size()));
    for (const char32_t c : caracteres) {
        const QString letra = QString::fromUcs4(&c, 1);
        const QImage imagen = DibujaConElEscritorio(imagenes, QSize(4 * kMargen, 4 * kMargen), [&](Lienzo& l) {
            l.Texto(kMargen, kMargen, letra.toStdString(), Rgb(0, 0, 0), true);
        });
        QRect tinta;
        for (int y = 0; y < imagen.height(); ++y) {
            for (int x = 0; x < imagen.width(); ++x) {
                if (imagen.pixel(x, y) != qRgb(255, 255, 255)) tinta |= QRect(x, y, 1, 1);
            }
        }
        e.Natural(static_cast<std::uint32_t>(c));
        e.Entero(medidas.horizontalAdvance(letra));
        e.Entero(tinta.isEmpty() ? 0 : tinta.x() - kMargen);
        e.Entero(tinta.isEmpty() ? 0 : tinta.y() - kMargen);
        e.Entero(tinta.width());
        e.Entero(tinta.height());
        for (int y = tinta.top(); y <= tinta.bottom() && !tinta.isEmpty(); ++y) {
            for (int x = tinta.left(); x <= tinta.right(); ++x)
                e.Byte(imagen.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0);
        }
    }
}

// Every box up to this side, with the one-pixel pen the workbench draws them with.
constexpr int kLadoDeElipses = 24;

void EscribeElipses(Escritura& e, const Imagenes& imagenes) {
    constexpr Color kPluma = Rgb(255, 0, 0);
    constexpr Color kBrocha = Rgb(0, 0, 255);
    constexpr int kMargen = 2;
    e.Etiqueta("VLEL");
    e.Natural(1);
    e.Natural(kLadoDeElipses * kLadoDeElipses);
    for (int alto = 1; alto <= kLadoDeElipses; ++alto) {
        for (int ancho = 1; ancho <= kLadoDeElipses; ++ancho) {
            const QImage imagen = DibujaConElEscritorio(
                imagenes, QSize(ancho + 2 * kMargen, alto + 2 * kMargen), [&](Lienzo& l) {
                    l.SeleccionaPluma({kPluma, 1});
                    l.SeleccionaBrocha(kBrocha);
                    l.Elipse(kMargen, kMargen, kMargen + ancho, kMargen + alto);
                });
            e.Entero(ancho);
            e.Entero(alto);
            e.Entero(1);
            for (int y = kMargen; y < kMargen + alto; ++y) {
                for (int x = kMargen; x < kMargen + ancho; ++x) {
                    const QRgb p = imagen.pixel(x, y);
                    e.Byte(p == AQRgb(kPluma) ? 2 : p == AQRgb(kBrocha) ? 1 : 0);
                }
            }
        }
    }
}

}  // namespace
}  // namespace velistra

int main(int argc, char** argv) {
    using namespace velistra;
    return EjecutaGenerador(argc, argv, "genera-recursos-web", [](const QString& carpeta) {
        const Imagenes imagenes;
        Escritura deImagenes, deFuente, deElipses;
        EscribeImagenes(deImagenes);
        EscribeFuente(deFuente, imagenes);
        EscribeElipses(deElipses, imagenes);
        const bool escrito =
            QDir().mkpath(carpeta) && deImagenes.Guarda(carpeta + QStringLiteral("/imagenes.vlim")) &&
            deFuente.Guarda(carpeta + QStringLiteral("/fuente.vlft")) &&
            deElipses.Guarda(carpeta + QStringLiteral("/elipses.vlel"));
        return escrito ? QString() : carpeta;
    });
}
