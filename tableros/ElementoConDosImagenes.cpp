#include "tableros/ElementoConDosImagenes.h"

#include "plataforma/Lienzo.h"
#include "plataforma/Ventana.h"

namespace velistra {

void ElementoConDosImagenes::Imagenes(const Imagen& apagado, const Imagen& encendido,
                                      const Imagen& medida) {
    bmpApagado = apagado;
    bmpEncendido = encendido;
    ancho = medida.ancho;
    alto = medida.alto;
}

void ElementoConDosImagenes::Dibuja(Lienzo& lienzo) const {
    lienzo.CopiaImagen(bEncendido ? bmpEncendido : bmpApagado, xPosicion, yPosicion, ancho, alto,
                       ModoDeCopia::Copia);
}

void ElementoConDosImagenes::Dibuja(Ventana* ventana) const {
    if (ventana == nullptr) return;
    const Recuadro r = Region();
    ventana->Repinta(r.izquierda, r.arriba, r.derecha, r.abajo);
}

}  // namespace velistra
