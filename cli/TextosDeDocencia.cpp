#include "cli/TextosDeDocencia.h"

#include "cli/Citas.h"
#include "cli/Textos.h"
#include "docencia/DescripcionDeHallazgos.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra::consola::textos {

namespace {

std::string Cuenta(std::size_t n, Texto uno, Texto varios) {
    return Di(n == 1 ? uno : varios, {std::to_string(n)});
}

}  // namespace

std::string FaltaElModo() { return Di(Texto::FaltaElModo); }
std::string ModosJuntos() { return Di(Texto::ModosJuntos); }
std::string GuionSinSalida() { return Di(Texto::GuionSinSalida); }
std::string FaltanCircuitos() { return Di(Texto::FaltanCircuitos); }
std::string PlazoIncorrecto() { return Di(Texto::PlazoIncorrecto); }
std::string NoSeAsienta() { return Di(Texto::NoSeAsienta); }
std::string SeInterrumpio() { return Di(Texto::SeInterrumpio); }

std::string SinTerminar(int segundos) { return Di(Texto::SinTerminar, {std::to_string(segundos)}); }

std::string ArchivoQueNoSeLee(const std::string& que, const std::string& ruta) {
    return Di(Texto::ArchivoQueNoSeLee, {que, Cita(ruta)});
}

std::string TablaIncorrecta(const std::string& ruta, const std::string& porque) {
    return Di(Texto::TablaIncorrecta, {Cita(ruta), porque});
}

std::string FaltaPalanca(const std::string& nombre) { return Di(Texto::FaltaPalanca, {nombre}); }

std::string FaltaLuz(const std::string& nombre) { return Di(Texto::FaltaLuz, {nombre}); }

std::string FilasDistintas(std::size_t distintas, std::size_t filas) {
    return Di(distintas == 1 ? Texto::UnaFilaDistinta : Texto::FilasDistintas,
              {std::to_string(distintas), std::to_string(filas)});
}

std::string LineasDistintas(std::size_t distintas, std::size_t lineas) {
    return Di(distintas == 1 ? Texto::UnaLineaDistinta : Texto::LineasDistintas,
              {std::to_string(distintas), std::to_string(lineas)});
}

std::string FilaDistinta(const std::vector<std::string>& palancas, const std::string& luz,
                         bool obtenida) {
    std::string texto;
    for (const std::string& p : palancas) texto += (texto.empty() ? "" : " ") + p;
    return Di(Texto::FilaDistinta, {texto, luz, obtenida ? "1" : "0", obtenida ? "0" : "1"});
}

std::string LineaDistinta(std::size_t linea, const std::string& obtenida,
                          const std::string& esperada) {
    return Di(Texto::LineaDistinta, {std::to_string(linea), Cita(obtenida), Cita(esperada)});
}

std::string GuionQueNoCabe(int linea, const std::string& porque) {
    return Di(Texto::GuionQueNoCabe, {std::to_string(linea), porque});
}

std::string ReferenciaSinTabla(const std::string& ruta, std::size_t palancas, std::size_t luces) {
    const std::string porque = palancas == 0 ? Di(Texto::ReferenciaSinInterruptores)
                               : luces == 0  ? Di(Texto::ReferenciaSinLuces)
                                             : Di(Texto::ReferenciaConDemasiados, {std::to_string(palancas)});
    return Cita(ruta) + ": " + porque;
}

std::string ArchivoGrande(const std::string& que, const std::string& ruta, std::size_t megas) {
    return Di(Texto::ArchivoGrande, {que, Cita(ruta), std::to_string(megas)});
}

std::string ColumnaEnOtroTablero(const docencia::ColumnaEnOtroTablero& c) {
    // Table columns name levers of switches, lamps and display segments.
    const DescripcionDeTablero* esperado = DescripcionDe(c.tipoEsperado);
    const Texto porque = esperado == nullptr || esperado->palancas > 0 ? Texto::NoEsDeInterruptores
                         : esperado->letrasDeLuz == nullptr            ? Texto::NoEsDeLeds
                                                            : Texto::NoEsDeSieteSegmentos;
    return Di(Texto::ColumnaEnOtroTablero, {c.nombre, Di(porque, {std::to_string(c.tablero)})});
}

std::string FilasDeCombinaciones(std::size_t filas, std::size_t combinaciones) {
    return Di(filas == 1 ? Texto::UnaFilaDeCombinaciones : Texto::FilasDeCombinaciones,
              {std::to_string(filas), std::to_string(combinaciones)});
}

std::string TablaIncompleta(const std::string& ruta, std::size_t filas, std::size_t combinaciones) {
    return Di(Texto::TablaIncompleta, {Cita(ruta), std::to_string(filas), std::to_string(combinaciones)});
}

std::string Resumen(std::size_t circuitos, std::size_t correctos, std::size_t incorrectos,
                    std::size_t ilegibles) {
    return Di(Texto::Resumen, {Cuenta(circuitos, Texto::UnCircuito, Texto::Circuitos),
                               Cuenta(correctos, Texto::UnCorrecto, Texto::Correctos),
                               Cuenta(incorrectos, Texto::UnIncorrecto, Texto::Incorrectos),
                               Cuenta(ilegibles, Texto::UnIlegible, Texto::Ilegibles)});
}

std::string ResumenDeRevision(std::size_t hallazgos) {
    return hallazgos == 0 ? Di(Texto::SinHallazgos)
                          : Cuenta(hallazgos, Texto::UnHallazgo, Texto::Hallazgos);
}

std::string Hallazgo(const docencia::Hallazgo& h) {
    return DelNucleo(docencia::DescribeHallazgo(h, docencia::ConPunto::Si));
}

const char* ClaseDeHallazgo(docencia::ClaseDeHallazgo clase) {
    switch (clase) {
        case docencia::ClaseDeHallazgo::ChipSinEnchufar: return "chip-sin-enchufar";
        case docencia::ClaseDeHallazgo::SinAlimentacion: return "sin-alimentacion";
        case docencia::ClaseDeHallazgo::EntradaAlAire:
            return "entrada-al-aire";  // texto fijo
        case docencia::ClaseDeHallazgo::SalidasUnidas: return "salidas-unidas";
        case docencia::ClaseDeHallazgo::TableroSinAlimentacion: return "tablero-sin-alimentacion";
        case docencia::ClaseDeHallazgo::Realimentacion: return "realimentacion";
        case docencia::ClaseDeHallazgo::CableSuelto: break;
    }
    return "cable-suelto";
}

}  // namespace velistra::consola::textos
