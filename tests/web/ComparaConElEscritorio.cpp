#include "ComparaConElEscritorio.h"

#include "Apoyo.h"
#include "ui/plataforma/LienzoQt.h"
#include "web/lienzo/LienzoDeMapa.h"

namespace velistra::prueba {

const web::RecursosDeMapa& LosRecursosDeLaWeb() {
    static const web::RecursosDeMapa recursos = [] {
        web::RecursosDeMapa r;
        EXPECT_TRUE(r.CargaCarpeta(VELISTRA_RECURSOS_WEB));
        return r;
    }();
    return recursos;
}

QImage ComoQImage(const web::MapaDeBits& mapa) {
    QImage imagen(mapa.Ancho(), mapa.Alto(), QImage::Format_RGB32);
    for (int y = 0; y < mapa.Alto(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(imagen.scanLine(y));
        for (int x = 0; x < mapa.Ancho(); ++x) {
            const web::Pixel p = mapa.En(x, y);
            fila[x] = qRgb(Rojo(p), Verde(p), Azul(p));
        }
    }
    return imagen;
}

namespace {

class LienzoDesplazado final : public Lienzo {
public:
    LienzoDesplazado(Lienzo& destino, int d) : destino_(destino), d_(d) {}
    void CopiaImagen(const Imagen& imagen, int x, int y, int w, int h, ModoDeCopia modo) override {
        destino_.CopiaImagen(imagen, x + d_, y + d_, w, h, modo);
    }
    Pluma SeleccionaPluma(Pluma pluma) override { return destino_.SeleccionaPluma(pluma); }
    Color SeleccionaBrocha(Color color) override { return destino_.SeleccionaBrocha(color); }
    void MueveA(int x, int y) override { destino_.MueveA(x + d_, y + d_); }
    void LineaA(int x, int y) override { destino_.LineaA(x + d_, y + d_); }
    void Elipse(int l, int t, int r, int b) override { destino_.Elipse(l + d_, t + d_, r + d_, b + d_); }
    void Rectangulo(int l, int t, int r, int b) override {
        destino_.Rectangulo(l + d_, t + d_, r + d_, b + d_);
    }
    void Texto(int x, int y, const std::string& texto, Color color, bool transparente) override {
        destino_.Texto(x + d_, y + d_, texto, color, transparente);
    }
    void Rellena(int x, int y, Color borde) override { destino_.Rellena(x + d_, y + d_, borde); }
    void RellenaSegunImagen(const Imagen& imagen, int xImagen, int yImagen, int x, int y,
                            Color borde) override {
        destino_.RellenaSegunImagen(imagen, xImagen + d_, yImagen + d_, x + d_, y + d_, borde);
    }

private:
    Lienzo& destino_;
    int d_;
};

}  // namespace

QImage DibujaEnElEscritorio(QSize tamano, const std::function<void(Lienzo&)>& dibujo, int holgura) {
    QImage imagen(tamano + QSize(2 * holgura, 2 * holgura), QImage::Format_RGB32);
    imagen.fill(Qt::white);
    {
        LienzoQt lienzo(imagen, LasImagenes());
        LienzoDesplazado desplazado(lienzo, holgura);
        dibujo(desplazado);
    }
    return imagen.copy(QRect(QPoint(holgura, holgura), tamano));
}

QImage DibujaEnElNavegador(QSize tamano, const std::function<void(Lienzo&)>& dibujo, QPoint origen) {
    web::MapaDeBits mapa(tamano.width(), tamano.height());
    web::LienzoDeMapa lienzo(mapa, LosRecursosDeLaWeb(), origen.x(), origen.y());
    dibujo(lienzo);
    return ComoQImage(mapa);
}

std::vector<QPoint> PixelesDistintos(const QImage& escritorio, const QImage& navegador,
                                     const QRegion& fuera) {
    std::vector<QPoint> distintos;
    for (int y = 0; y < escritorio.height(); ++y) {
        for (int x = 0; x < escritorio.width(); ++x) {
            if (Pixel(escritorio, x, y) != Pixel(navegador, x, y) && !fuera.contains(QPoint(x, y)))
                distintos.emplace_back(x, y);
        }
    }
    return distintos;
}

::testing::AssertionResult MismosPixeles(const QImage& escritorio, const QImage& navegador,
                                         const QRegion& fuera) {
    if (escritorio.size() != navegador.size()) return ::testing::AssertionFailure() << "sizes differ";
    const std::vector<QPoint> distintos = PixelesDistintos(escritorio, navegador, fuera);
    if (distintos.empty()) return ::testing::AssertionSuccess();
    std::string donde;
    for (std::size_t i = 0; i < distintos.size() && i < 8; ++i) {
        const QPoint p = distintos[i];
        donde += " (" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ": " +
                 std::to_string(Pixel(escritorio, p.x(), p.y())) + " vs " +
                 std::to_string(Pixel(navegador, p.x(), p.y())) + ")";
    }
    return ::testing::AssertionFailure() << distintos.size() << " pixels differ:" << donde;
}

}  // namespace velistra::prueba
