#pragma once
// The drawing context of the workbench over a raster image, with the semantics the
// boards are written for: lines leave out their end pixel, ellipses and rectangles
// fill the box [l, r) x [t, b) and outline it with the pen, text is placed by its
// top-left corner, images combine by copy, AND or OR.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPolygonF>
#include <QRegion>
#include <QTransform>
#include <optional>

#include "plataforma/Lienzo.h"

namespace velistra {

class Imagenes;

class LienzoQt final : public Lienzo {
public:
    // Draws on `destino` (converted to 32-bit RGB if needed); images come from `imagenes`.
    // The picture is complete once the canvas has ended.
    LienzoQt(QImage& destino, const Imagenes& imagenes);
    // The same drawing seen through `aDestino` (workbench point -> pixel of `destino`):
    // a zoomed view drawn at the destination's resolution.
    LienzoQt(QImage& destino, const Imagenes& imagenes, const QTransform& aDestino);
    LienzoQt(const LienzoQt&) = delete;
    LienzoQt& operator=(const LienzoQt&) = delete;
    ~LienzoQt() override { TerminaTrazo(); }

    void CopiaImagen(const Imagen& imagen, int x, int y, int w, int h, ModoDeCopia modo) override;
    Pluma SeleccionaPluma(Pluma pluma) override;
    Color SeleccionaBrocha(Color color) override;
    void MueveA(int x, int y) override;
    void LineaA(int x, int y) override;
    void Elipse(int l, int t, int r, int b) override;
    void Rectangulo(int l, int t, int r, int b) override;
    void Texto(int x, int y, const std::string& texto, Color color, bool transparente) override;
    void Rellena(int x, int y, Color borde) override;

    // Nothing is drawn outside `zona` from now on (fills on the canvas excepted).
    void Recorta(const QRegion& zona);
    void RellenaSegunImagen(const Imagen& imagen, int xImagen, int yImagen, int x, int y,
                            Color borde) override;

private:
    void Empieza();
    void LineaFina(QPoint desde, QPoint hasta);
    void LineaGruesa(QPoint desde, QPoint hasta);
    // Wide lines that join end to end go out as one path, drawn before anything else is.
    void TerminaTrazo();

    QImage& destino_;
    const Imagenes& imagenes_;
    // Closed while a flood fill works on the pixels directly.
    std::optional<QPainter> pintor_;
    Pluma pluma_;
    Color brocha_ = Rgb(255, 255, 255);
    QPoint actual_;
    QPolygonF trazo_;
    Pluma plumaDelTrazo_;
    QTransform aDestino_;
    std::optional<QRegion> recorte_;
};

}  // namespace velistra
