#include "support/LienzoDePrueba.h"

namespace velistra::prueba {

void LienzoDePrueba::CopiaImagen(const Imagen& imagen, int x, int y, int w, int h, ModoDeCopia modo) {
    Trazo t(Trazo::Tipo::Copia);
    t.a = x; t.b = y; t.c = w; t.d = h; t.id = imagen.id; t.modo = modo;
    trazos.push_back(t);
}

Pluma LienzoDePrueba::SeleccionaPluma(Pluma nueva) {
    Trazo t(Trazo::Tipo::Pluma);
    t.color = nueva.color; t.ancho = nueva.ancho;
    trazos.push_back(t);
    const Pluma anterior = pluma;
    pluma = nueva;
    return anterior;
}

Color LienzoDePrueba::SeleccionaBrocha(Color color) {
    Trazo t(Trazo::Tipo::Brocha);
    t.color = color;
    trazos.push_back(t);
    const Color anterior = brocha;
    brocha = color;
    return anterior;
}

void LienzoDePrueba::MueveA(int x, int y) {
    Trazo t(Trazo::Tipo::MueveA);
    t.a = x; t.b = y; t.color = pluma.color; t.ancho = pluma.ancho;
    trazos.push_back(t);
}

void LienzoDePrueba::LineaA(int x, int y) {
    Trazo t(Trazo::Tipo::LineaA);
    t.a = x; t.b = y; t.color = pluma.color; t.ancho = pluma.ancho;
    trazos.push_back(t);
}

void LienzoDePrueba::Elipse(int l, int tp, int r, int b) {
    Trazo t(Trazo::Tipo::Elipse);
    t.a = l; t.b = tp; t.c = r; t.d = b; t.color = brocha;
    trazos.push_back(t);
}

void LienzoDePrueba::Rectangulo(int l, int tp, int r, int b) {
    Trazo t(Trazo::Tipo::Rectangulo);
    t.a = l; t.b = tp; t.c = r; t.d = b; t.color = brocha;
    trazos.push_back(t);
}

void LienzoDePrueba::Texto(int x, int y, const std::string& texto, Color color, bool transparente) {
    Trazo t(Trazo::Tipo::Texto);
    t.a = x; t.b = y; t.texto = texto; t.color = color; t.transparente = transparente;
    trazos.push_back(t);
}

void LienzoDePrueba::Rellena(int x, int y, Color borde) {
    Trazo t(Trazo::Tipo::Rellena);
    t.a = x; t.b = y; t.color = borde; t.ancho = static_cast<int>(brocha);
    trazos.push_back(t);
}

std::vector<Trazo> LienzoDePrueba::DeTipo(Trazo::Tipo tipo) const {
    std::vector<Trazo> salida;
    for (const Trazo& t : trazos) {
        if (t.tipo == tipo) salida.push_back(t);
    }
    return salida;
}

}  // namespace velistra::prueba
