// The runner in two languages: its own two tables, the core's texts, the locale rule and
// --idioma; and what never changes with the language, the script's and the output's words.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "cli/Ayuda.h"
#include "cli/Textos.h"
#include "plataforma/CatalogoDeTextos.h"
#include "support/CarpetaTemporal.h"
#include "support/Proceso.h"

namespace velistra::consola {
namespace {

const std::string kEjemplos = VELISTRA_EJEMPLOS;

prueba::ResultadoDelProceso Cli(std::vector<std::string> argumentos,
                                std::vector<std::string> entorno, std::string entrada = "") {
    prueba::Lanzamiento l;
    l.programa = VELISTRA_CLI;
    l.argumentos = std::move(argumentos);
    l.entorno = std::move(entorno);
    l.entrada = std::move(entrada);
    return prueba::Ejecuta(l);
}

std::multiset<std::string> Marcadores(const std::string& texto) {
    std::multiset<std::string> marcas;
    const std::regex marcador("%[1-9]");
    for (auto m = std::sregex_iterator(texto.begin(), texto.end(), marcador);
         m != std::sregex_iterator(); ++m)
        marcas.insert(m->str());
    return marcas;
}

TEST(IdiomasDeLaConsola, CadaTextoEstaUnaVezEnCadaTablaConLosMismosHuecos) {
    std::map<Texto, std::string> espanol;
    for (const EntradaDeTexto& e : TablaEnEspanol())
        EXPECT_TRUE(espanol.emplace(e.clave, e.texto).second) << e.texto;
    std::map<Texto, std::string> ingles;
    for (const EntradaDeTexto& e : TablaEnIngles())
        EXPECT_TRUE(ingles.emplace(e.clave, e.texto).second) << e.texto;
    EXPECT_EQ(espanol.size(), ingles.size());
    for (const auto& [clave, texto] : espanol) {
        ASSERT_TRUE(ingles.contains(clave)) << "sin inglés: " << texto;
        EXPECT_EQ(Marcadores(texto), Marcadores(ingles[clave])) << texto;
    }
    // The core's English, taken from the catalogue, keeps the placeholders too.
    EXPECT_GT(TextosDelCatalogo().size(), 100u);
    for (const ParDeTextos& par : TextosDelCatalogo())
        EXPECT_EQ(Marcadores(par.espanol), Marcadores(par.ingles)) << par.espanol;

    // Both helps name every option and every word of the script and the output.
    const std::regex palabra(
        "--[a-z]+|\\b(encender|apagar|interruptor|pulsar|soltar|tic|mostrar|sonda|registrar|leds|"
        "7seg|pla)"
        "\\b");
    const std::string es = AyudaEnEspanol();
    const std::string en = AyudaEnIngles();
    for (auto m = std::sregex_iterator(es.begin(), es.end(), palabra); m != std::sregex_iterator();
         ++m)
        EXPECT_NE(en.find(m->str()), std::string::npos) << m->str();
}

TEST(IdiomasDeLaConsola, LaConfiguracionRegionalYIdiomaEligenElIdioma) {
    auto uso = [](std::vector<std::string> entorno, std::vector<std::string> argumentos) {
        return Cli(std::move(argumentos), std::move(entorno));
    };
    const std::string enEspanol =
        "velistra-cli: falta la orden: simular o tabla\nUse «velistra-cli --help» para ver cómo se "
        "usa.\n";
    const std::string enIngles =
        "velistra-cli: missing order: simular or tabla\nUse «velistra-cli --help» to see how it is "
        "used.\n";
    EXPECT_EQ(uso({}, {}).errores, enEspanol);
    EXPECT_EQ(uso({"LANG=en_US.UTF-8"}, {}).errores, enIngles);
    EXPECT_EQ(uso({"LANG=fr_FR.UTF-8"}, {}).errores, enEspanol);
    EXPECT_EQ(uso({"LANG=C.UTF-8"}, {}).errores, enEspanol);
    // LC_ALL before LC_MESSAGES before LANG; an empty one does not count.
    EXPECT_EQ(uso({"LC_ALL=es_ES.UTF-8", "LANG=en_US.UTF-8"}, {}).errores, enEspanol);
    EXPECT_EQ(uso({"LC_ALL=", "LC_MESSAGES=en_GB.UTF-8", "LANG=es_PE.UTF-8"}, {}).errores,
              enIngles);
    EXPECT_EQ(uso({"LANG=en_US.UTF-8"}, {"--idioma", "es"}).errores, enEspanol);
    EXPECT_EQ(uso({}, {"--idioma", "en"}).errores, enIngles);

    prueba::ResultadoDelProceso r = uso({}, {"--idioma", "fr", "--help"});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(
        r.errores,
        "velistra-cli: --idioma admite es o en\nUse «velistra-cli --help» para ver cómo se usa.\n");
    r = uso({"LANG=en_US.UTF-8"}, {"--help", "--idioma"});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.errores.rfind("velistra-cli: --idioma takes es or en\n", 0), 0u) << r.errores;
    r = uso({"LANG=en_US.UTF-8"}, {"--help"});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, AyudaEnIngles());
}

TEST(IdiomasDeLaConsola, EnInglesLaSalidaEsLaMismaYLosMensajesSeTraducen) {
    auto simula = [](const std::string& ejemplo, std::vector<std::string> entorno,
                     const std::string& guion) {
        return Cli({"simular", kEjemplos + "/" + ejemplo + "/circuito.txt"}, std::move(entorno),
                   guion);
    };
    const std::string guion = prueba::LeeArchivo(kEjemplos + "/anillo-realimentado/guion.txt");
    const prueba::ResultadoDelProceso es = simula("anillo-realimentado", {}, guion);
    const prueba::ResultadoDelProceso en =
        simula("anillo-realimentado", {"LANG=en_US.UTF-8"}, guion);
    EXPECT_EQ(en.salida, es.salida);
    EXPECT_EQ(es.errores, prueba::LeeArchivo(kEjemplos + "/anillo-realimentado/errores.esperados"));
    EXPECT_NE(en.errores.find("The circuit has feedback loops and the limit of\n"),
              std::string::npos)
        << en.errores;

    const prueba::ResultadoDelProceso mal =
        simula("semisumador", {"LANG=en_US.UTF-8"}, "encender\ninterruptor 4 9 1\n");
    EXPECT_EQ(mal.codigo, 1);
    EXPECT_EQ(mal.errores, "standard input:2: there is no lever 9 (they go from 0 to 7)\n");

    const prueba::ResultadoDelProceso r = Cli({"tabla", kEjemplos}, {"LANG=en_US.UTF-8"});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.errores, "Error reading the file.\n");
}

TEST(IdiomasDeLaConsola, EnInglesRegistrarYElRegistroDicenSusErrores) {
    const std::string circuito = kEjemplos + "/semisumador/circuito.txt";
    std::string diecisiete;
    for (int i = 0; i < 17; ++i) diecisiete += "registrar 3 " + std::to_string(i) + "\n";
    const std::pair<std::string, std::string> casos[] = {
        {"registrar 3\n", "standard input:1: missing arguments; expected: registrar ID P [NAME]\n"},
        {"registrar 3 1 x\nregistrar 3 1 y\n",
         "standard input:2: port 1 of board 3 is already recorded\n"},
        {diecisiete, "standard input:17: the analyser records 16 channels at most\n"},
    };
    for (const auto& [guion, error] : casos) {
        const prueba::ResultadoDelProceso r =
            Cli({"simular", circuito, "--idioma", "en"}, {}, guion);
        EXPECT_EQ(r.codigo, 1);
        EXPECT_EQ(r.errores, error);
    }
    // A folder where the record should go.
    const prueba::CarpetaTemporal carpeta;
    const std::string vcd = carpeta.ruta.string();
    const prueba::ResultadoDelProceso r =
        Cli({"simular", circuito, "--vcd", vcd, "--idioma", "en"}, {}, "registrar 3 1\n");
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.errores, "velistra-cli: cannot write the record «" + vcd + "»\n");
}

}  // namespace
}  // namespace velistra::consola
