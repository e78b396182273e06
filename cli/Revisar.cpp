#include "cli/Revisar.h"

#include <ostream>

#include "cli/Banco.h"
#include "cli/CodigosDeSalida.h"
#include "cli/TextoJson.h"
#include "cli/TextosDeDocencia.h"
#include "docencia/Revision.h"

namespace velistra::consola {

int Revisa(const PeticionDeRevision& p, std::ostream& salida, std::ostream& errores) {
    Banco banco(errores);
    if (!banco.Abre(p.circuito)) return kCircuitoIlegible;
    const std::vector<docencia::Hallazgo> hallazgos = docencia::RevisaCircuito(banco.mesa);
    for (const docencia::Hallazgo& h : hallazgos) {
        if (p.formato == Formato::Json)
            salida << "{\"clase\":\"" << textos::ClaseDeHallazgo(h.clase)
                   << "\",\"tablero\":" << h.tablero << ",\"chip\":" << h.chip
                   << ",\"pin\":" << h.pin << ",\"cable\":" << h.cable
                   << ",\"texto\":" << TextoJson(textos::Hallazgo(h)) << "}\n";
        else
            salida << textos::Hallazgo(h) << '\n';
    }
    if (p.formato == Formato::Texto) salida << textos::ResumenDeRevision(hallazgos.size()) << '\n';
    salida.flush();
    return hallazgos.empty() ? kTerminado : kHayIncorrectos;
}

}  // namespace velistra::consola
