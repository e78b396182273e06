#include "cli/TextosDeDocencia.h"

#include "cli/Citas.h"
#include "model/Tablero.h"

namespace velistra::consola::textos {

namespace {

std::string Cuenta(std::size_t n, const char* singular, const char* plural) {
    return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

}  // namespace

std::string SinTerminar(int segundos) {
    return "no terminó en " + std::to_string(segundos) + " s";
}

std::string ArchivoQueNoSeLee(const std::string& que, const std::string& ruta) {
    return "no se puede leer " + que + " " + Cita(ruta) + " (ha de ser un archivo normal)";
}

std::string TablaIncorrecta(const std::string& ruta, const std::string& porque) {
    return "la tabla " + Cita(ruta) + " no sirve: " + porque;
}

std::string FaltaPalanca(const std::string& nombre) {
    return "falta la palanca " + nombre + " (no está cableada)";
}

std::string FaltaLuz(const std::string& nombre) {
    return "falta la luz " + nombre + " (no está cableada)";
}

std::string FilasDistintas(std::size_t distintas, std::size_t filas) {
    return Cuenta(distintas, "fila distinta", "filas distintas") + " de " + std::to_string(filas);
}

std::string LineasDistintas(std::size_t distintas, std::size_t lineas) {
    return Cuenta(distintas, "línea distinta", "líneas distintas") + " de " +
           std::to_string(lineas);
}

std::string FilaDistinta(const std::vector<std::string>& palancas, const std::string& luz,
                         bool obtenida) {
    std::string texto;
    for (const std::string& p : palancas) texto += (texto.empty() ? "" : " ") + p;
    return texto + ": " + luz + "=" + (obtenida ? "1" : "0") + " (se espera " +
           (obtenida ? "0" : "1") + ")";
}

std::string LineaDistinta(std::size_t linea, const std::string& obtenida,
                          const std::string& esperada) {
    return "línea " + std::to_string(linea) + ": " + Cita(obtenida) + " (se espera " +
           Cita(esperada) + ")";
}

std::string GuionQueNoCabe(int linea, const std::string& porque) {
    return "el guion no sirve para este circuito: línea " + std::to_string(linea) + ": " + porque;
}

std::string ReferenciaSinTabla(std::size_t palancas) {
    if (palancas == 0) return "el circuito de referencia no tiene interruptores cableados";
    return "el circuito de referencia tiene " + std::to_string(palancas) +
           " interruptores cableados; se admiten 16 como máximo";
}

std::string Resumen(std::size_t circuitos, std::size_t correctos, std::size_t incorrectos,
                    std::size_t ilegibles) {
    return "Resumen: " + Cuenta(circuitos, "circuito", "circuitos") + ", " +
           Cuenta(correctos, "correcto", "correctos") + ", " +
           Cuenta(incorrectos, "incorrecto", "incorrectos") + ", " +
           Cuenta(ilegibles, "ilegible", "ilegibles");
}

std::string ResumenDeRevision(std::size_t hallazgos) {
    return hallazgos == 0 ? kSinHallazgos : Cuenta(hallazgos, "hallazgo", "hallazgos");
}

namespace {

std::string Terminal(int tablero, int terminal) {
    return "tablero " + std::to_string(tablero) + ", terminal " + std::to_string(terminal);
}

std::string Lugar(const docencia::Hallazgo& h) {
    if (!h.area.empty())
        return "protoboard " + std::to_string(h.tablero) + ", columna " + std::to_string(h.columna) +
               ", fila " + std::to_string(h.fila) + " de la zona " + h.area;
    if (h.terminal >= 0) return Terminal(h.tablero, h.terminal);
    return "tablero " + std::to_string(h.tablero);
}

std::string Chip(long codigo, int numero) {
    return "chip " + std::to_string(codigo) + " (n.º " + std::to_string(numero) + ")";
}

std::string Chip(const docencia::Hallazgo& h) { return Chip(h.codigo, h.chip); }

// "a", "a y b", "a, b y c".
std::string Enumera(const std::vector<std::string>& partes) {
    std::string texto;
    for (std::size_t i = 0; i < partes.size(); ++i)
        texto += (i == 0 ? "" : i + 1 == partes.size() ? " y " : ", ") + partes[i];
    return texto;
}

std::string Parte(const docencia::Parte& p) {
    if (p.chip < 0) return Terminal(p.tablero, p.terminal);
    return Chip(p.codigo, p.chip) + ", patilla " + std::to_string(p.pin);
}

std::string SalidasUnidas(const docencia::Hallazgo& h) {
    std::vector<std::string> otras;
    for (const docencia::Parte& p : h.otros) otras.push_back(Parte(p));
    const std::string texto = "salida en la misma red que " + Enumera(otras);
    if (h.chip < 0) return Lugar(h) + ": " + texto;
    return Chip(h) + ", patilla " + std::to_string(h.pin) + ": " + texto + " (" + Lugar(h) + ")";
}

std::string Realimentacion(const docencia::Hallazgo& h) {
    std::vector<std::string> otros;
    for (const docencia::Parte& p : h.otros) otros.push_back(std::to_string(p.chip));
    const std::string por = otros.empty()      ? "dentro del chip"
                            : otros.size() == 1 ? "con el chip n.º " + otros.front()
                                                : "con los chips n.º " + Enumera(otros);
    return Chip(h) + ", patilla " + std::to_string(h.pin) + ": realimentación sin biestable " +
           por + " (" + Lugar(h) + ")";
}

std::string TableroSinAlimentacion(const docencia::Hallazgo& h) {
    const char* toma = h.alimentacion == 'G' ? "GND" : "VCC";
    return "tablero " + std::to_string(h.tablero) + " (" + ClaseDeTablero(h.tipoDeTablero) +
           "), terminal " + std::to_string(h.terminal) + " (" + toma +
           "): la alimentación no llega; ha de ir al " + toma + " de la fuente";
}

}  // namespace

std::string Hallazgo(const docencia::Hallazgo& h) {
    using docencia::ClaseDeHallazgo;
    const std::string patilla = ", patilla " + std::to_string(h.pin);
    switch (h.clase) {
        case ClaseDeHallazgo::ChipSinEnchufar:
            return Chip(h) + ": no está enchufado en la protoboard (en " +
                   std::to_string(h.punto.x) + ", " + std::to_string(h.punto.y) + ")";
        case ClaseDeHallazgo::SinAlimentacion:
            return Chip(h) + patilla + ": la alimentación no llega (" + Lugar(h) + ")";
        case ClaseDeHallazgo::EntradaAlAire:
            return Chip(h) + patilla + ": entrada al aire, se lee como 1 (" + Lugar(h) + ")";
        case ClaseDeHallazgo::CableSuelto:
            return "cable " + std::to_string(h.cable + 1) + ": un extremo no está conectado (" +
                   Lugar(h) + ", en " + std::to_string(h.punto.x) + ", " +
                   std::to_string(h.punto.y) + ")";
        case ClaseDeHallazgo::SalidasUnidas: return SalidasUnidas(h);
        case ClaseDeHallazgo::TableroSinAlimentacion: return TableroSinAlimentacion(h);
        case ClaseDeHallazgo::Realimentacion: return Realimentacion(h);
    }
    return {};
}

const char* ClaseDeTablero(int tipo) {
    switch (tipo) {
        case Tablero::kInterruptores: return "interruptores";
        case Tablero::kPulsadores: return "pulsadores";
        case Tablero::kLeds: return "leds";
        case Tablero::kTemporizadores: return "temporizador";
        case Tablero::kSieteSegmentos: return "siete segmentos";
        case Tablero::kFuenteDC: return "fuente";
        case Tablero::kPLA: return "PLA";
        default: break;
    }
    return "protoboard";
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
