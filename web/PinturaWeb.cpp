#include "web/PinturaWeb.h"

#include "sesion/Sesion.h"
#include "web/lienzo/LienzoDeMapa.h"

namespace velistra {

bool PinturaWeb::Carga(const std::string& carpeta) { return recursos.CargaCarpeta(carpeta); }

const std::uint8_t* PinturaWeb::Pinta(Sesion& sesion, std::optional<Punto> puntero, int x, int y,
                                      int w, int h) {
    if (mapa.Ancho() != w || mapa.Alto() != h) mapa = web::MapaDeBits(w, h);
    else mapa.Llena(web::PixelDe(Rgb(255, 255, 255)));
    web::LienzoDeMapa lienzo(mapa, recursos, x, y);
    lienzo.Recorta(x, y, x + w, y + h);
    sesion.Pinta(lienzo, puntero);
    return mapa.Bytes();
}

}  // namespace velistra
