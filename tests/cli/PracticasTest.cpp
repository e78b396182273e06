// The shipped course: every lab reads, its solution passes its own check with nothing for
// the review to find, its starting bench does not, and a wire taken out or a pin stuck
// fails it. Then the lab format's own edges and `velistra-cli practica` end to end.
#include <gtest/gtest.h>

#include <filesystem>

#include "CircuitosDePracticas.h"
#include "docencia/Practica.h"
#include "docencia/Revision.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Avisos.h"
#include "plataforma/Lienzo.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/ComprobacionDePractica.h"
#include "sesion/InicioDePractica.h"
#include "sesion/Sesion.h"
#include "simulacion/Mesa.h"
#include "support/Archivos.h"
#include "support/CarpetaTemporal.h"
#include "support/DialogosDePrueba.h"
#include "support/LienzoDePrueba.h"
#include "support/Proceso.h"

namespace velistra::ejemplos {
// The lab's folder names the test case's parameter.
void PrintTo(const PracticaDelCurso& practica, std::ostream* salida) {
    *salida << practica.carpeta;
}
}  // namespace velistra::ejemplos

namespace velistra::prueba {
namespace {

namespace fs = std::filesystem;
using docencia::Fallo;

constexpr std::size_t kNumeroDePracticas = 14;
constexpr Color kAzulDeSenal = Rgb(0, 0, 255);

struct Banco {
    explicit Banco(const std::string& texto) {
        mesa.InicializaMesa();
        std::istringstream flujo(texto);
        EXPECT_EQ(LeeCircuito(mesa, flujo), ResultadoDeLectura::Correcto);
    }
    AvisosMudos avisos;
    Mesa mesa{avisos};
};

docencia::Practica Lee(const std::string& carpeta) {
    Mensaje error;
    std::optional<docencia::Practica> p = docencia::LeePractica(carpeta, error);
    EXPECT_TRUE(p.has_value()) << error.texto;
    return p.value_or(docencia::Practica{});
}

TEST(Practicas, ElCursoTieneTodasSusPracticasEnOrden) {
    const std::vector<std::string> carpetas = docencia::PracticasDelCurso(VELISTRA_PRACTICAS);
    ASSERT_EQ(carpetas.size(), kNumeroDePracticas);
    ASSERT_EQ(ejemplos::PracticasDelCurso().size(), kNumeroDePracticas);
    for (std::size_t i = 0; i < kNumeroDePracticas; ++i)
        EXPECT_EQ(fs::path(carpetas[i]).filename(), ejemplos::PracticasDelCurso()[i].carpeta);
}

class PracticaDelCurso : public ::testing::TestWithParam<ejemplos::PracticaDelCurso> {};

// A fault is caught when the check fails, or when the review (which "Comprobar" shows
// too) finds what it did not find in the solution: a floating input that reads high.
bool SeNota(const ResultadoDePractica& r, std::size_t hallazgosDeLaSolucion) {
    return !r.Correcta() || r.hallazgos.size() > hallazgosDeLaSolucion;
}

TEST_P(PracticaDelCurso, SeResuelveConSuSolucionYNoConUnFallo) {
    const ejemplos::PracticaDelCurso& curso = GetParam();
    const docencia::Practica p = Lee((fs::path(VELISTRA_PRACTICAS) / curso.carpeta).string());
    EXPECT_NE(p.espanol.enunciado, p.ingles.enunciado) << "falta el enunciado en inglés";
    EXPECT_NE(p.Titulo(Idioma::Espanol), p.Nombre());
    EXPECT_NE(p.Titulo(Idioma::Ingles), p.Titulo(Idioma::Espanol));
    // Stale files would be checked but no longer be what the builder makes.
    EXPECT_EQ(LeeArchivo(p.solucion), ejemplos::TextoDeSolucion(curso)) << "genera-practicas";
    EXPECT_EQ(LeeArchivo(p.inicio), ejemplos::TextoDeInicio(curso)) << "genera-practicas";
    EXPECT_EQ(LeeArchivo(p.comprobacion), ejemplos::TextoDeTabla(curso)) << "genera-practicas";

    Mensaje error;
    const std::optional<docencia::TablaDeVerdad> tabla = TablaDeLaPractica(p, error);
    ASSERT_TRUE(tabla.has_value());
    Banco solucion(LeeArchivo(p.solucion));
    const ResultadoDePractica bien = CompruebaPractica(solucion.mesa, *tabla);
    EXPECT_TRUE(bien.Correcta()) << bien.equivocadas.size() << " filas mal";
    EXPECT_EQ(bien.filas, tabla->filas.size());
    if (curso.lazoBuscado) {
        ASSERT_EQ(bien.hallazgos.size(), 1u);
        EXPECT_EQ(bien.hallazgos[0].clase, docencia::ClaseDeHallazgo::Realimentacion);
    } else {
        EXPECT_TRUE(bien.hallazgos.empty()) << bien.hallazgos.size() << " hallazgos";
    }
    EXPECT_FALSE(CompruebaPractica(Banco(LeeArchivo(p.inicio)).mesa, *tabla).Correcta());

    // Every signal wire of the solution does something the student is told about.
    const std::vector<Cable>& cables = solucion.mesa.cables().Lista();
    for (std::size_t c = 0; c < cables.size(); ++c) {
        if (cables[c].Color() != kAzulDeSenal) continue;
        const Fallo abierto{Fallo::CableAbierto, static_cast<int>(c + 1)};
        EXPECT_TRUE(
            SeNota(CompruebaPractica(solucion.mesa, *tabla, {abierto}), bien.hallazgos.size()))
            << "cable " << c + 1;
    }
    for (const Fallo::Clase pegada : {Fallo::PatillaA0, Fallo::PatillaA1}) {
        const Fallo fallo{pegada, curso.clave.chip, curso.clave.patilla};
        EXPECT_FALSE(CompruebaPractica(solucion.mesa, *tabla, {fallo}).Correcta())
            << "patilla " << curso.clave.patilla;
    }
}

std::string NombreDeLaPractica(const ::testing::TestParamInfo<ejemplos::PracticaDelCurso>& info) {
    std::string nombre = info.param.carpeta;
    for (char& c : nombre) {
        if (c == '-') c = '_';
    }
    return "p" + nombre;
}

INSTANTIATE_TEST_SUITE_P(Curso, PracticaDelCurso,
                         ::testing::ValuesIn(ejemplos::PracticasDelCurso()), NombreDeLaPractica);

TEST(Practicas, UnaCarpetaEsUnaPracticaConSuEnunciadoYUnaSolaComprobacion) {
    CarpetaTemporal carpeta;
    const auto Archivo = [&](const std::string& ruta, const std::string& texto) {
        fs::create_directories((carpeta.ruta / ruta).parent_path());
        EscribeArchivo((carpeta.ruta / ruta).string(), texto);
    };
    Archivo("b/enunciado.es.md", "\xEF\xBB\xBF# Mi práctica\r\nMonte...\n");
    Archivo("b/tabla.csv", "int4.0,leds5.0\n0,1\n1,0\n");
    Archivo("a/enunciado.es.md", "sin título\n");
    Archivo("a/guion.txt", "encender\n");
    Archivo("sin-enunciado/tabla.csv", "int4.0,leds5.0\n");
    Archivo("dos/enunciado.es.md", "# Dos\n");
    Archivo("dos/tabla.csv", "int4.0,leds5.0\n");
    Archivo("dos/referencia.txt", "");

    EXPECT_EQ(docencia::PracticasDelCurso(carpeta.ruta.string()),
              (std::vector<std::string>{carpeta.Archivo("a"), carpeta.Archivo("b"),
                                        carpeta.Archivo("dos")}));
    const docencia::Practica b = Lee(carpeta.Archivo("b"));
    EXPECT_EQ(b.Titulo(Idioma::Espanol), "Mi práctica");
    // No English statement: the Spanish one stands in.
    EXPECT_EQ(b.Titulo(Idioma::Ingles), "Mi práctica");
    EXPECT_EQ(b.clase, docencia::ClaseDeComprobacion::Tabla);
    EXPECT_TRUE(b.inicio.empty());
    EXPECT_TRUE(b.solucion.empty());

    Mensaje error;
    // A script needs its expected output; two checks are one too many; no statement, no lab.
    for (const char* mala : {"a", "dos", "sin-enunciado", "nada"}) {
        EXPECT_FALSE(docencia::LeePractica(carpeta.Archivo(mala), error).has_value()) << mala;
        EXPECT_FALSE(error.texto.empty());
    }
    Archivo("a/salida.txt", "");
    const docencia::Practica a = Lee(carpeta.Archivo("a"));
    EXPECT_EQ(a.clase, docencia::ClaseDeComprobacion::Guion);
    EXPECT_EQ(a.Titulo(Idioma::Espanol), "a");
    // The window cannot run a script: it says so instead of passing the circuit.
    EXPECT_FALSE(TablaDeLaPractica(a, error).has_value());

    // A wrong row lists every lever and light: what was expected and what the circuit lit.
    const std::optional<docencia::TablaDeVerdad> tabla = TablaDeLaPractica(b, error);
    ASSERT_TRUE(tabla.has_value());
    const ejemplos::PracticaDelCurso& puertas = ejemplos::PracticasDelCurso().front();
    Banco conPuertas(ejemplos::TextoDeSolucion(puertas));
    const ResultadoDePractica r = CompruebaPractica(conPuertas.mesa, *tabla);
    ASSERT_EQ(r.equivocadas.size(), 1u);
    EXPECT_EQ(r.equivocadas[0].palancas, (std::vector<Nivel>{{"int4.0", false}}));
    EXPECT_EQ(r.equivocadas[0].esperadas, (std::vector<Nivel>{{"leds5.0", true}}));
    EXPECT_EQ(r.equivocadas[0].obtenidas, (std::vector<Nivel>{{"leds5.0", false}}));
}

// "Empezar" is "Nuevo" and then the bench: the same save question and refusals, and the
// bench comes without a name, so that "Almacenar" never writes into the course.
TEST(Practicas, EmpezarPreguntaComoNuevoYDejaElBancoSinNombre) {
    const docencia::Practica p =
        Lee((fs::path(VELISTRA_PRACTICAS) / "01-puertas-basicas").string());
    AvisosDePrueba avisos;
    DialogosDePrueba dialogos;
    Sesion sesion(avisos, dialogos);
    sesion.Ejecuta(7008);
    ASSERT_EQ(sesion.mesa.componentes().size(), 1u);

    avisos.respuesta = Respuesta::Cancelar;
    EmpiezaPractica(sesion, p);
    EXPECT_EQ(sesion.mesa.componentes().size(), 1u) << "cancelled: the chip stays";
    ASSERT_EQ(avisos.mensajes.size(), 1u);

    avisos.respuesta = Respuesta::No;
    EXPECT_TRUE(EmpiezaPractica(sesion, p).repintar);
    EXPECT_TRUE(sesion.mesa.componentes().empty());
    EXPECT_EQ(TextoDeCircuito(sesion.mesa), LeeArchivo(p.inicio));
    EXPECT_TRUE(sesion.comandos.Archivo().empty());
    EXPECT_TRUE(sesion.comandos.Modificado());
    EXPECT_FALSE(sesion.PuedeDeshacer()) << "another circuit, another history";

    // With the supply on, refused as "Nuevo" is, without a question.
    sesion.mesa.ConmutaFuente();
    avisos.mensajes.clear();
    sesion.Ejecuta(7008);
    EmpiezaPractica(sesion, p);
    ASSERT_EQ(avisos.mensajes.size(), 1u);
    EXPECT_EQ(avisos.mensajes[0].icono, Icono::Error);
}

TEST(Practicas, LaOrdenPracticaCompruebaComoComprobarConLaComprobacionDeLaPractica) {
    const std::string lab = (fs::path(VELISTRA_PRACTICAS) / "03-sumador-completo").string();
    const docencia::Practica p = Lee(lab);
    const ResultadoDelProceso bien = EjecutaCli({"practica", lab, p.solucion, p.inicio, "--json"});
    EXPECT_EQ(bien.codigo, 4);
    EXPECT_NE(bien.salida.find("\"correctos\":1,\"incorrectos\":1"), std::string::npos)
        << bien.salida;
    EXPECT_EQ(EjecutaCli({"practica", "--csv", lab, p.solucion}).codigo, 0);
    // What to compare with is the lab's; another check on the line is refused.
    EXPECT_EQ(EjecutaCli({"practica", lab, p.solucion, "--tabla", p.comprobacion}).codigo, 1);
    const ResultadoDelProceso sinLab = EjecutaCli({"practica", p.solucion});
    EXPECT_EQ(sinLab.codigo, 1);
    EXPECT_NE(sinLab.errores.find("práctica"), std::string::npos) << sinLab.errores;
    EXPECT_EQ(EjecutaCli({"practica", lab}).codigo, 1);
    // A wrong option is told as the order the user typed.
    EXPECT_NE(EjecutaCli({"practica", lab, p.solucion, "--nada"}).errores.find("la orden practica no admite"),
              std::string::npos);
}

}  // namespace
}  // namespace velistra::prueba
