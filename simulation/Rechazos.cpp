#include "simulation/Rechazos.h"

namespace velistra {

namespace {

struct TextoDe {
    Rechazo rechazo;
    const char* texto;
};

constexpr TextoDe kTextos[] = {
    {Rechazo::FueraDeLaProtoboard, "El chip no quedó sobre una protoboard."},
    {Rechazo::SinCanalCentral, "El chip debe quedar a caballo del canal central de la protoboard."},
    {Rechazo::PasaLaUltimaColumna, "El chip pasaría de la última columna de la protoboard."},
    {Rechazo::HuecoOcupado, "Una patilla del chip caería en un hueco con un cable o con otro chip."},
    {Rechazo::SalidaSobreTiraExcitada, "Una salida del chip caería en una tira que ya recibe un nivel."},
    {Rechazo::TerminalConCable, "El terminal ya tiene un cable."},
    {Rechazo::HuecoConPatilla, "El hueco ya tiene la patilla de un chip."},
    {Rechazo::YaUnidos, "Los dos terminales ya están unidos."},
    {Rechazo::DosExcitadores, "El cable uniría dos tiras que ya reciben un nivel."},
    {Rechazo::TableroOcupado, "El tablero todavía tiene cables o chips."},
    {Rechazo::ModuloEncendido, "Con el módulo encendido no se puede cablear, mover ni quitar nada."},
};

}  // namespace

const char* TextoDeRechazo(Rechazo rechazo) {
    for (const TextoDe& t : kTextos) {
        if (t.rechazo == rechazo) return t.texto;
    }
    return "";
}

}  // namespace velistra
