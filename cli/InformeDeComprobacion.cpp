#include "cli/InformeDeComprobacion.h"

#include <ostream>

#include "cli/Comprobacion.h"
#include "cli/TextosDeDocencia.h"
#include "cli/TextoJson.h"

namespace velistra::consola {

namespace {

const char* Palabra(Resultado r) {
    switch (r) {
        case Resultado::Correcto: return textos::kCorrecto;
        case Resultado::Incorrecto: return textos::kIncorrecto;
        case Resultado::Ilegible: break;
    }
    return textos::kIlegible;
}

// A field between quotes, its own quotes doubled, as spreadsheets read it; valid UTF-8.
std::string CampoCsv(const std::string& texto) {
    std::string campo = "\"";
    for (const char c : ComoUtf8(texto)) campo += c == '"' ? std::string("\"\"") : std::string(1, c);
    return campo + '"';
}

}  // namespace

InformeDeComprobacion::InformeDeComprobacion(std::ostream& salida, Formato formato)
    : salida(salida), formato(formato) {
    if (formato == Formato::Csv) salida << "archivo,resultado,comparadas,distintas,detalle\n";
    if (formato == Formato::Json) salida << "{\"circuitos\":[";
}

void InformeDeComprobacion::Agrega(const Veredicto& v) {
    ++(v.resultado == Resultado::Correcto     ? correctos
       : v.resultado == Resultado::Incorrecto ? incorrectos
                                              : ilegibles);
    const bool primero = circuitos++ == 0;
    switch (formato) {
        case Formato::Texto:
            salida << v.archivo << ": " << Palabra(v.resultado)
                   << (v.detalle.empty() ? "" : ": ") << v.detalle << '\n';
            break;
        case Formato::Csv:
            salida << CampoCsv(v.archivo) << ',' << Palabra(v.resultado) << ',' << v.comparadas
                   << ',' << v.distintas << ',' << CampoCsv(v.detalle) << '\n';
            break;
        case Formato::Json:
            salida << (primero ? "" : ",") << "{\"archivo\":" << TextoJson(v.archivo)
                   << ",\"resultado\":\"" << Palabra(v.resultado) << "\",\"comparadas\":"
                   << v.comparadas << ",\"distintas\":" << v.distintas
                   << ",\"detalle\":" << TextoJson(v.detalle) << '}';
            break;
    }
    // A teacher watching a long batch sees each circuit as it is done.
    salida.flush();
}

void InformeDeComprobacion::FilasDeLaTabla(std::size_t filas, std::size_t combinaciones) {
    tabla = {filas, combinaciones};
}

void InformeDeComprobacion::Termina() {
    if (formato == Formato::Texto && tabla)
        salida << textos::FilasDeCombinaciones(tabla->first, tabla->second) << '\n';
    if (formato == Formato::Json && tabla)
        salida << "],\"tabla\":{\"filas\":" << tabla->first << ",\"combinaciones\":" << tabla->second
               << '}';
    else if (formato == Formato::Json)
        salida << ']';
    if (formato == Formato::Texto)
        salida << textos::Resumen(circuitos, correctos, incorrectos, ilegibles) << '\n';
    if (formato == Formato::Json)
        salida << ",\"resumen\":{\"circuitos\":" << circuitos << ",\"correctos\":" << correctos
               << ",\"incorrectos\":" << incorrectos << ",\"ilegibles\":" << ilegibles << "}}\n";
}

}  // namespace velistra::consola
