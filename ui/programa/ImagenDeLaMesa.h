#pragma once
// Pictures of the workbench for reports: the whole circuit or the part the window shows,
// as PNG, on PDF pages and on a printer.
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace velistra {

class Imagenes;
class Mesa;

// The workbench drawn as on screen; `parte` crops it (workbench coordinates). Without
// it, the rectangle that holds everything drawn, with a small margin.
QImage ImagenDeLaMesa(Mesa& mesa, const Imagenes& imagenes, std::optional<QRect> parte = std::nullopt);

// Draws the picture as large as fits in `area`, keeping its proportions; answers where.
QRect DibujaAjustada(QPainter& pintor, const QImage& imagen, QRect area);

// One page with the picture (turned to landscape when it is wider than tall).
bool ImprimeImagen(QPagedPaintDevice& destino, const QImage& imagen);

// A PNG, or a one-page PDF when the name ends in .pdf.
bool GuardaImagen(const QImage& imagen, const QString& ruta);

}  // namespace velistra
