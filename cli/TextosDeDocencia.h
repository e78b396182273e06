#pragma once
// Every message of comprobar and revisar, in the run's language. The result words
// (correcto, incorrecto, ilegible) are a format, as are the names of levers and lights.
#include <cstddef>
#include <string>
#include <vector>

#include "docencia/Comparacion.h"
#include "docencia/Revision.h"

namespace velistra::consola::textos {

inline constexpr const char* kCorrecto = "correcto";
inline constexpr const char* kIncorrecto = "incorrecto";
inline constexpr const char* kIlegible = "ilegible";

// Said in the run's language (see Textos.h).
std::string FaltaElModo();
std::string ModosJuntos();
std::string GuionSinSalida();
std::string FaltanCircuitos();
std::string PlazoIncorrecto();
std::string NoSeAsienta();
std::string SeInterrumpio();

std::string SinTerminar(int segundos);
std::string ArchivoQueNoSeLee(const std::string& que, const std::string& ruta);
std::string TablaIncorrecta(const std::string& ruta, const std::string& porque);
std::string FaltaPalanca(const std::string& nombre);
std::string FaltaLuz(const std::string& nombre);
std::string FilasDistintas(std::size_t distintas, std::size_t filas);
std::string LineasDistintas(std::size_t distintas, std::size_t lineas);
// "int4.0=0 int4.1=1: leds5.0=1 (se espera 0)".
std::string FilaDistinta(const std::vector<std::string>& palancas, const std::string& luz,
                         bool obtenida);
std::string LineaDistinta(std::size_t linea, const std::string& obtenida,
                          const std::string& esperada);
std::string GuionQueNoCabe(int linea, const std::string& porque);
// «ref.txt»: why the reference circuit gives no table to compare with.
std::string ReferenciaSinTabla(const std::string& ruta, std::size_t palancas, std::size_t luces);
std::string ArchivoGrande(const std::string& que, const std::string& ruta, std::size_t megas);
// "int4.0": the board the column names is of another kind.
std::string ColumnaEnOtroTablero(const docencia::ColumnaEnOtroTablero& c);
std::string FilasDeCombinaciones(std::size_t filas, std::size_t combinaciones);
std::string TablaIncompleta(const std::string& ruta, std::size_t filas, std::size_t combinaciones);
// "Resumen: 6 circuitos, 2 correctos, 3 incorrectos, 1 ilegible".
std::string Resumen(std::size_t circuitos, std::size_t correctos, std::size_t incorrectos,
                    std::size_t ilegibles);
std::string ResumenDeRevision(std::size_t hallazgos);
// "chip 7408 (n.º 2), patilla 14: la alimentación no llega (protoboard 3, columna 20,
// fila 1 de la zona superior)".
std::string Hallazgo(const docencia::Hallazgo& h);
// The finding's kind as a word for JSON.
const char* ClaseDeHallazgo(docencia::ClaseDeHallazgo clase);

}  // namespace velistra::consola::textos
