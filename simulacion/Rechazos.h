#pragma once
// Why the workbench refused a chip, a wire or a removal, for the status bar. The
// design's own message boxes stay as they are; these lines only add the reason.

namespace velistra {

enum class Rechazo {
    Ninguno,
    // Chips.
    FueraDeLaProtoboard,
    SinCanalCentral,
    PasaLaUltimaColumna,
    HuecoOcupado,
    SalidaSobreTiraExcitada,
    // Wires.
    TerminalConCable,
    HuecoConPatilla,
    YaUnidos,
    DosExcitadores,
    // Removals, and everything while the supply is on.
    TableroOcupado,
    ModuloEncendido,
};

// One line; empty for Ninguno.
const char* TextoDeRechazo(Rechazo rechazo);

}  // namespace velistra
