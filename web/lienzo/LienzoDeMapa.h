#pragma once
// The workbench drawn into a pixel buffer with the desktop's pixels at 100 %: the
// buffer shows the workbench from `origen` on (the scroll offset), so a page draws
// only what it shows. Images come from the pictures the desktop made at build time.
#include "plataforma/Lienzo.h"
#include "web/lienzo/RecursosDeMapa.h"
#include "web/lienzo/Superficie.h"

namespace velistra::web {

class LienzoDeMapa final : public Lienzo {
public:
    LienzoDeMapa(MapaDeBits& destino, const RecursosDeMapa& recursos, int origenX = 0,
                 int origenY = 0);

    // Nothing is drawn outside this workbench rectangle [l, r) x [t, b) from now on.
    void Recorta(int l, int t, int r, int b);

    void CopiaImagen(const Imagen& imagen, int x, int y, int w, int h, ModoDeCopia modo) override;
    Pluma SeleccionaPluma(Pluma pluma) override;
    Color SeleccionaBrocha(Color color) override;
    void MueveA(int x, int y) override;
    void LineaA(int x, int y) override;
    void Elipse(int l, int t, int r, int b) override;
    void Rectangulo(int l, int t, int r, int b) override;
    void Texto(int x, int y, const std::string& texto, Color color, bool transparente) override;
    // Fills what the buffer holds: a fill that leaves the visible part ends at its edge.
    void Rellena(int x, int y, Color borde) override;
    void RellenaSegunImagen(const Imagen& imagen, int xImagen, int yImagen, int x, int y,
                            Color borde) override;

private:
    void Caja(int l, int t, int r, int b, Pixel pixel);

    Superficie superficie_;
    const RecursosDeMapa& recursos_;
    Pluma pluma_;
    Color brocha_ = Rgb(255, 255, 255);
    int actualX_ = 0;
    int actualY_ = 0;
};

}  // namespace velistra::web
