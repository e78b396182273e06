// Feeds arbitrary bytes to the circuit reader. Beyond not crashing or hanging: a refused
// text leaves the workbench as it was, an accepted one saves a text that loads back to
// itself, and the loaded circuit can be switched on and have its wires taken out.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Avisos.h"
#include "simulacion/Mesa.h"

namespace {

using namespace velistra;

ResultadoDeLectura Carga(Mesa& mesa, const std::string& texto) {
    std::istringstream entrada(texto);
    return LeeCircuito(mesa, entrada);
}

void EnciendeYSimula(Mesa& mesa) {
    mesa.PonEncendido(true);
    mesa.componentes().Reinicia();
    mesa.EjecutaFunciones();
    for (const std::unique_ptr<Tablero>& t : mesa.tablero()) t->Transmite();
    mesa.EjecutaFunciones();
    mesa.PonEncendido(false);
}

// As the right button does: each wire's ends are looked up and separated.
void RetiraCables(Mesa& mesa) {
    const std::vector<Cable> cables = mesa.cables().Lista();
    for (auto c = cables.rbegin(); c != cables.rend(); ++c) {
        mesa.DesconectaPuertos(mesa.PuertoEn(c->AX(), c->AY()).puerto,
                               mesa.PuertoEn(c->BX(), c->BY()).puerto);
    }
    mesa.cables().Vacia();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    AvisosMudos avisos;
    Mesa mesa(avisos);
    mesa.InicializaMesa();
    const std::string nueva = TextoDeCircuito(mesa);
    const std::string texto(reinterpret_cast<const char*>(datos), tamano);
    if (Carga(mesa, texto) != ResultadoDeLectura::Correcto) {
        if (TextoDeCircuito(mesa) != nueva) std::abort();
        return 0;
    }
    const std::string guardado = TextoDeCircuito(mesa);
    Mesa otra(avisos);
    otra.InicializaMesa();
    if (Carga(otra, guardado) != ResultadoDeLectura::Correcto) std::abort();
    if (TextoDeCircuito(otra) != guardado) std::abort();
    EnciendeYSimula(mesa);
    RetiraCables(mesa);
    return 0;
}
