#include "simulacion/Rechazos.h"

#include "plataforma/Traducible.h"

namespace velistra {

namespace {

struct TextoDe {
    Rechazo rechazo;
    const char* texto;
};

constexpr TextoDe kTextos[] = {
    {Rechazo::FueraDeLaProtoboard, VELISTRA_TEXTO("El chip no quedó sobre una protoboard.")},
    {Rechazo::SinCanalCentral, VELISTRA_TEXTO("El chip debe quedar a caballo del canal central de la protoboard.")},
    {Rechazo::PasaLaUltimaColumna, VELISTRA_TEXTO("El chip pasaría de la última columna de la protoboard.")},
    {Rechazo::HuecoOcupado, VELISTRA_TEXTO("Una patilla del chip caería en un hueco con un cable o con otro chip.")},
    {Rechazo::SalidaSobreTiraExcitada, VELISTRA_TEXTO("Una salida del chip caería en una tira que ya recibe un nivel.")},
    {Rechazo::TerminalConCable, VELISTRA_TEXTO("El terminal ya tiene un cable.")},
    {Rechazo::HuecoConPatilla, VELISTRA_TEXTO("El hueco ya tiene la patilla de un chip.")},
    {Rechazo::YaUnidos, VELISTRA_TEXTO("Los dos terminales ya están unidos.")},
    {Rechazo::DosExcitadores, VELISTRA_TEXTO("El cable uniría dos tiras que ya reciben un nivel.")},
    {Rechazo::TableroOcupado, VELISTRA_TEXTO("El tablero todavía tiene cables o chips.")},
    {Rechazo::ModuloEncendido, VELISTRA_TEXTO("Con el módulo encendido no se puede cablear, mover ni quitar nada.")},
};

}  // namespace

const char* TextoDeRechazo(Rechazo rechazo) {
    for (const TextoDe& t : kTextos) {
        if (t.rechazo == rechazo) return t.texto;
    }
    return "";
}

}  // namespace velistra
