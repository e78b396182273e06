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

}  // namespace velistra::consola::textos
