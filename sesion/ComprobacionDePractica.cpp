#include "sesion/ComprobacionDePractica.h"

#include <sstream>

#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Avisos.h"
#include "plataforma/Sistema.h"
#include "plataforma/Traducible.h"
#include "simulacion/Mesa.h"

namespace velistra {

using namespace docencia;

namespace {

// A truth table larger than this is not a teacher's file.
constexpr std::size_t kTamanoMaximo = 4 * 1024 * 1024;

// Remembers whether the workbench spoke: the only thing it says while a table is run
// is that it does not settle.
class AvisosQueAnotan final : public Avisos {
public:
    void Muestra(const std::string&, const std::string&, Icono) override { hablo = true; }
    Respuesta Pregunta(const std::string&, const std::string&) override { return Respuesta::No; }
    bool hablo = false;
};

// A workbench of its own with a copy of a circuit.
struct Copia {
    AvisosQueAnotan avisos;
    Mesa mesa{avisos};

    bool Carga(const std::string& texto, const std::vector<Fallo>& fallos) {
        mesa.InicializaMesa();
        std::istringstream flujo(texto);
        if (LeeCircuito(mesa, flujo) != ResultadoDeLectura::Correcto) return false;
        int lineaErronea = 0;
        return !AplicaFallos(mesa, fallos, lineaErronea).has_value();
    }
};

std::optional<TablaDeVerdad> TablaDeReferencia(const std::string& ruta, Mensaje& error) {
    Copia referencia;
    referencia.mesa.InicializaMesa();
    if (RecuperaCircuitoDeArchivo(referencia.mesa, ruta) != ResultadoDeLectura::Correcto) {
        error = Mensaje(VELISTRA_TEXTO("no se puede leer el circuito de referencia %1"),
                        {Mensaje::Literal(ruta)});
        return std::nullopt;
    }
    const std::vector<PalancaCableada> palancas = PalancasCableadas(referencia.mesa);
    if (palancas.empty() || palancas.size() > kMaximoDePalancas) {
        error = Mensaje(VELISTRA_TEXTO("el circuito de referencia %1 no tiene entre 1 y 16 "
                                       "palancas cableadas"),
                        {Mensaje::Literal(ruta)});
        return std::nullopt;
    }
    return RecorreCombinaciones(referencia.mesa, palancas, LucesCableadas(referencia.mesa));
}

std::vector<Nivel> Niveles(const std::vector<std::string>& nombres, const std::vector<bool>& fila,
                           std::size_t desde) {
    std::vector<Nivel> niveles;
    for (std::size_t i = 0; i < nombres.size(); ++i)
        niveles.emplace_back(nombres[i], fila[desde + i]);
    return niveles;
}

}  // namespace

std::optional<TablaDeVerdad> TablaDeLaPractica(const Practica& practica, Mensaje& error) {
    switch (practica.clase) {
        case ClaseDeComprobacion::Referencia:
            return TablaDeReferencia(practica.comprobacion, error);
        case ClaseDeComprobacion::Guion:
            error = Mensaje(VELISTRA_TEXTO("esta práctica se comprueba con un guion: "
                                           "velistra-cli practica %1 CIRCUITO.txt"),
                            {Mensaje::Literal(practica.carpeta)});
            return std::nullopt;
        case ClaseDeComprobacion::Tabla:
            break;
    }
    const sistema::ArchivoLeido leido =
        sistema::LeeArchivoRegular(practica.comprobacion, kTamanoMaximo);
    if (leido.resultado != sistema::Lectura::Leido || leido.texto.size() > kTamanoMaximo) {
        error = Mensaje(VELISTRA_TEXTO("no se puede leer %1"),
                        {Mensaje::Literal(practica.comprobacion)});
        return std::nullopt;
    }
    return LeeTablaCsv(leido.texto, error);
}

ResultadoDePractica CompruebaPractica(const Mesa& mesa, const TablaDeVerdad& esperada,
                                      const std::vector<Fallo>& fallos) {
    const std::string texto = TextoDeCircuito(mesa);
    ResultadoDePractica r;
    Copia copia;
    if (!copia.Carga(texto, fallos)) {
        r.sinComprobar = true;
        return r;
    }
    // Row by row on the same workbench, so that a counter sees the rows in order as one
    // comparison would, and every wrong row is kept, not just the first few.
    TablaDeVerdad fila = esperada;
    for (const std::vector<bool>& valores : esperada.filas) {
        fila.filas = {valores};
        const ComparacionDeTabla c = ComparaConTabla(copia.mesa, fila);
        if (r.filas++ == 0) {
            r.palancasQueFaltan = c.palancasQueFaltan;
            r.lucesQueFaltan = c.lucesQueFaltan;
        }
        if (c.filasDistintas == 0) continue;
        const std::size_t n = esperada.entradas.size();
        FilaEquivocada equivocada{
            Niveles(esperada.entradas, valores, 0), Niveles(esperada.salidas, valores, n), {}};
        equivocada.obtenidas = equivocada.esperadas;
        for (Nivel& luz : equivocada.obtenidas) {
            for (const LuzDistinta& d : c.primeras.front().luces) {
                if (d.nombre == luz.first) luz.second = d.obtenida;
            }
        }
        r.equivocadas.push_back(std::move(equivocada));
    }
    r.sinAsentarse = copia.avisos.hablo;

    Copia paraRevisar;
    if (paraRevisar.Carga(texto, fallos)) r.hallazgos = RevisaCircuito(paraRevisar.mesa);
    return r;
}

}  // namespace velistra
