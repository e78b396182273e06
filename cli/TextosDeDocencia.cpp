#include "cli/TextosDeDocencia.h"

#include "cli/Citas.h"

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

std::string Lugar(const docencia::Hallazgo& h) {
    if (h.area.empty() && h.columna == 0) return "tablero " + std::to_string(h.tablero);
    if (h.area.empty())
        return "tablero " + std::to_string(h.tablero) + ", terminal " + std::to_string(h.columna);
    return "protoboard " + std::to_string(h.tablero) + ", columna " + std::to_string(h.columna) +
           ", fila " + std::to_string(h.fila) + " de la zona " + h.area;
}

std::string Chip(const docencia::Hallazgo& h) {
    return "chip " + std::to_string(h.codigo) + " (n.º " + std::to_string(h.chip) + ")";
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
    }
    return {};
}

const char* ClaseDeHallazgo(docencia::ClaseDeHallazgo clase) {
    switch (clase) {
        case docencia::ClaseDeHallazgo::ChipSinEnchufar: return "chip-sin-enchufar";
        case docencia::ClaseDeHallazgo::SinAlimentacion: return "sin-alimentacion";
        case docencia::ClaseDeHallazgo::EntradaAlAire: return "entrada-al-aire";
        case docencia::ClaseDeHallazgo::CableSuelto: break;
    }
    return "cable-suelto";
}

}  // namespace velistra::consola::textos
