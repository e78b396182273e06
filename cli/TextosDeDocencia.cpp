#include "cli/TextosDeDocencia.h"

#include "cli/Citas.h"
#include "modelo/Tablero.h"
#include "cli/Textos.h"

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

std::string ReferenciaSinTabla(std::size_t palancas) {
    if (palancas == 0) return Di(Texto::ReferenciaSinInterruptores);
    return Di(Texto::ReferenciaConDemasiados, {std::to_string(palancas)});
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

namespace {

std::string Lugar(const docencia::Hallazgo& h) {
    const std::string tablero = std::to_string(h.tablero);
    if (!h.area.empty())
        return Di(Texto::EnProtoboard,
                  {tablero, std::to_string(h.columna), std::to_string(h.fila), DelNucleo(h.area)});
    if (h.terminal >= 0) return Di(Texto::EnTerminal, {tablero, std::to_string(h.terminal)});
    return Di(Texto::EnTablero, {tablero});
}

std::string Chip(long codigo, int numero) {
    return Di(Texto::ChipNumero, {std::to_string(codigo), std::to_string(numero)});
}

std::string Chip(const docencia::Hallazgo& h) { return Chip(h.codigo, h.chip); }

std::string ChipYPatilla(long codigo, int numero, int patilla) {
    return Di(Texto::ChipYPatilla, {Chip(codigo, numero), std::to_string(patilla)});
}

// "a", "a y b", "a, b y c".
std::string Enumera(const std::vector<std::string>& partes) {
    if (partes.empty()) return {};
    std::string texto = partes.front();
    for (std::size_t i = 1; i + 1 < partes.size(); ++i) texto += ", " + partes[i];
    return partes.size() == 1 ? texto : Di(Texto::UltimoDeLaLista, {texto, partes.back()});
}

std::string Parte(const docencia::Parte& p) {
    if (p.chip < 0)
        return Di(Texto::EnTerminal, {std::to_string(p.tablero), std::to_string(p.terminal)});
    return ChipYPatilla(p.codigo, p.chip, p.pin);
}

std::string SalidasUnidas(const docencia::Hallazgo& h) {
    std::vector<std::string> otras;
    for (const docencia::Parte& p : h.otros) otras.push_back(Parte(p));
    if (h.chip < 0) return Di(Texto::SalidaUnidaEnTablero, {Lugar(h), Enumera(otras)});
    return Di(Texto::SalidaUnidaEnChip,
              {Chip(h), std::to_string(h.pin), Enumera(otras), Lugar(h)});
}

std::string Realimentacion(const docencia::Hallazgo& h) {
    std::vector<std::string> otros;
    for (const docencia::Parte& p : h.otros) otros.push_back(std::to_string(p.chip));
    const std::string por = otros.empty()       ? Di(Texto::DentroDelChip)
                            : otros.size() == 1 ? Di(Texto::ConElChip, {otros.front()})
                                                : Di(Texto::ConLosChips, {Enumera(otros)});
    return Di(Texto::RealimentacionSinBiestable, {Chip(h), std::to_string(h.pin), por, Lugar(h)});
}

std::string TableroSinAlimentacion(const docencia::Hallazgo& h) {
    return Di(Texto::TableroSinAlimentacion,
              {std::to_string(h.tablero), ClaseDeTablero(h.tipoDeTablero),
               std::to_string(h.terminal), h.alimentacion == 'G' ? "GND" : "VCC"});
}

}  // namespace

std::string Hallazgo(const docencia::Hallazgo& h) {
    using docencia::ClaseDeHallazgo;
    const std::string patilla = std::to_string(h.pin);
    const std::string x = std::to_string(h.punto.x);
    const std::string y = std::to_string(h.punto.y);
    switch (h.clase) {
        case ClaseDeHallazgo::ChipSinEnchufar:
            return Di(Texto::ChipSinEnchufar, {Chip(h), x, y});
        case ClaseDeHallazgo::SinAlimentacion:
            return Di(Texto::SinAlimentacion, {Chip(h), patilla, Lugar(h)});
        case ClaseDeHallazgo::EntradaAlAire:
            return Di(Texto::EntradaAlAire, {Chip(h), patilla, Lugar(h)});
        case ClaseDeHallazgo::CableSuelto:
            return Di(Texto::CableSuelto, {std::to_string(h.cable + 1), Lugar(h), x, y});
        case ClaseDeHallazgo::SalidasUnidas: return SalidasUnidas(h);
        case ClaseDeHallazgo::TableroSinAlimentacion: return TableroSinAlimentacion(h);
        case ClaseDeHallazgo::Realimentacion: return Realimentacion(h);
    }
    return {};
}

std::string ClaseDeTablero(int tipo) {
    switch (tipo) {
        case Tablero::kInterruptores: return Di(Texto::TableroDeInterruptores);
        case Tablero::kPulsadores: return Di(Texto::TableroDePulsadores);
        case Tablero::kLeds: return Di(Texto::TableroDeLeds);
        case Tablero::kTemporizadores: return Di(Texto::TableroTemporizador);
        case Tablero::kSieteSegmentos: return Di(Texto::TableroDeSieteSegmentos);
        case Tablero::kFuenteDC: return Di(Texto::TableroDeLaFuente);
        case Tablero::kPLA: return Di(Texto::TableroPla);
        default: break;
    }
    return Di(Texto::TableroProtoboard);
}

const char* ClaseDeHallazgo(docencia::ClaseDeHallazgo clase) {
    switch (clase) {
        case docencia::ClaseDeHallazgo::ChipSinEnchufar: return "chip-sin-enchufar";
        case docencia::ClaseDeHallazgo::SinAlimentacion: return "sin-alimentacion";
        case docencia::ClaseDeHallazgo::EntradaAlAire: return "entrada-al-aire";
        case docencia::ClaseDeHallazgo::SalidasUnidas: return "salidas-unidas";
        case docencia::ClaseDeHallazgo::TableroSinAlimentacion: return "tablero-sin-alimentacion";
        case docencia::ClaseDeHallazgo::Realimentacion: return "realimentacion";
        case docencia::ClaseDeHallazgo::CableSuelto: break;
    }
    return "cable-suelto";
}

}  // namespace velistra::consola::textos
