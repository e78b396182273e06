#pragma once
// Helpers of the GUI tests: pixel checks on pictures and answering modal dialogs.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>
#include <functional>

#include <string>

class QWidget;

namespace velistra {
class Imagenes;
class Programa;
}

namespace velistra::prueba {

// The program's pictures, drawn once for every test of the run.
const Imagenes& LasImagenes();

inline QRgb Pixel(const QImage& imagen, int x, int y) { return imagen.pixel(x, y) & 0x00FFFFFF; }
inline QRgb SinAlfa(QRgb color) { return color & 0x00FFFFFF; }

// Every pixel of `elemento` differs from `fondo`, and every pixel of the one-pixel
// ring around it is `fondo`, except ring pixels within `margen` of the picture's edge
// (the board's frame). So the element is drawn exactly on that rectangle.
::testing::AssertionResult DibujadoEn(const QImage& imagen, QRect elemento, QRgb fondo, int margen);

// Where `--captura RUTA` asked the showcase test to save its picture; empty otherwise.
QString& RutaDeLaCaptura();
// Where `--capturas-del-patillaje CARPETA` asked the pinout tests to save their pictures.
QString& CarpetaDeCapturasDelPatillaje();
// Where `--captura-entera RUTA` asked for the same picture with the whole workbench in view.
QString& RutaDeLaCapturaEntera();

// Runs `accion` on the next modal dialog once it is open (call before exec()).
void AlAbrirseUnDialogo(std::function<void(QWidget*)> accion);
// Opens `ruta` through "Recuperar...", the file dialog answered as a user would.
void AbreConElDialogo(Programa& programa, const std::string& ruta);

}  // namespace velistra::prueba
