#include "simulation/Rechazos.h"

namespace velistra {

const char* TextoDeRechazo(Rechazo rechazo) {
    switch (rechazo) {
        case Rechazo::Ninguno:
            break;
        case Rechazo::FueraDeLaProtoboard:
            return "El chip no quedó sobre una protoboard.";
        case Rechazo::SinCanalCentral:
            return "El chip debe quedar a caballo del canal central de la protoboard.";
        case Rechazo::PasaLaUltimaColumna:
            return "El chip pasaría de la última columna de la protoboard.";
        case Rechazo::HuecoOcupado:
            return "Una patilla del chip caería en un hueco con un cable o con otro chip.";
        case Rechazo::SalidaSobreTiraExcitada:
            return "Una salida del chip caería en una tira que ya recibe un nivel.";
        case Rechazo::TerminalConCable:
            return "El terminal ya tiene un cable.";
        case Rechazo::HuecoConPatilla:
            return "El hueco ya tiene la patilla de un chip.";
        case Rechazo::YaUnidos:
            return "Los dos terminales ya están unidos.";
        case Rechazo::DosExcitadores:
            return "El cable uniría dos tiras que ya reciben un nivel.";
        case Rechazo::TableroOcupado:
            return "El tablero todavía tiene cables o chips.";
        case Rechazo::ModuloEncendido:
            return "Con el módulo encendido no se puede cablear, mover ni quitar nada.";
    }
    return "";
}

}  // namespace velistra
