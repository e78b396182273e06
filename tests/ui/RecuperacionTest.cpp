// The program keeps a copy of the unsaved circuit where a crash cannot reach it. Run as
// a real process and killed with SIGKILL, the next start brings the circuit back; in
// process, a clean exit leaves nothing behind.
#include <gtest/gtest.h>

#include <QAction>
#include <csignal>
#include <filesystem>
#include <thread>

#include "Apoyo.h"
#include "Usuario.h"
#include "support/Proceso.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Avisos.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/Mesa.h"
#include "support/CarpetaTemporal.h"
#include "ui/imagenes/Imagenes.h"
#include "ui/programa/Programa.h"

namespace velistra {
namespace {

namespace fs = std::filesystem;

// The copies of the circuit in `carpeta`.
std::vector<fs::path> Copias(const fs::path& carpeta) {
    std::vector<fs::path> copias;
    std::error_code error;
    for (const auto& entrada : fs::directory_iterator(carpeta, error)) {
        if (entrada.path().extension() == ".txt") copias.push_back(entrada.path());
    }
    return copias;
}

// Waits for a copy other than `salvo` to appear in full; a watchdog, not a timing: a
// program that never writes one fails the test instead of hanging it.
fs::path EsperaCopia(const fs::path& carpeta, prueba::ProcesoEnMarcha& programa,
                     const std::string& esperado, const fs::path& salvo = {}) {
    for (int i = 0; i < 3000 && programa.Vivo(); ++i) {
        for (const fs::path& copia : Copias(carpeta)) {
            if (copia != salvo && prueba::LeeArchivo(copia.string()) == esperado) return copia;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ADD_FAILURE() << "no apareció la copia; errores del programa:\n" << programa.Errores();
    return {};
}

prueba::Lanzamiento Velistra(const prueba::CarpetaTemporal& datos, std::string prueba) {
    prueba::Lanzamiento l;
    l.programa = VELISTRA_PROGRAMA;
    // The program's settings go beside its data, never into the user's.
    l.entorno = {"QT_QPA_PLATFORM=offscreen", "XDG_DATA_HOME=" + datos.ruta.string(),
                 "XDG_CONFIG_HOME=" + datos.ruta.string(), std::move(prueba)};
    return l;
}

TEST(RecuperacionDelPrograma, TrasMatarElProgramaElCircuitoVuelveIgual) {
    const prueba::CarpetaTemporal datos;
    const fs::path carpeta = datos.ruta / "velistra";

    // What a breadboard from the menu makes of a new circuit. (One edit: the next
    // ones would be written half a minute later.)
    AvisosMudos avisos;
    Mesa mesa(avisos);
    mesa.InicializaMesa();
    ASSERT_NE(mesa.AgregaTablero(Tablero::kProtoboard), nullptr);
    const std::string circuito = TextoDeCircuito(mesa);

    fs::path primera;
    {
        prueba::ProcesoEnMarcha programa(Velistra(datos, "VELISTRA_PRUEBA_ORDENES=4999"));
        primera = EsperaCopia(carpeta, programa, circuito);
        ASSERT_FALSE(primera.empty());
        programa.Mata(SIGKILL);
    }
    ASSERT_EQ(prueba::LeeArchivo(primera.string()), circuito);

    prueba::ProcesoEnMarcha otra(Velistra(datos, "VELISTRA_PRUEBA_RECUPERACION=Recuperar"));
    // Recovered, still unsaved: the new program keeps it under its own name.
    const fs::path segunda = EsperaCopia(carpeta, otra, circuito, primera);
    ASSERT_FALSE(segunda.empty());
    for (int i = 0; i < 3000 && fs::exists(primera); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(fs::exists(primera));
    EXPECT_EQ(Copias(carpeta), std::vector<fs::path>{segunda});
    otra.Mata(SIGKILL);
}

TEST(RecuperacionDelPrograma, UnaSalidaLimpiaNoDejaCopia) {
    const prueba::CarpetaTemporal datos;
    static const Imagenes imagenes;
    Programa programa(imagenes, datos.ruta);
    programa.Principal().show();
    prueba::Usuario usuario(programa);
    usuario.AgregaTablero(comandos::kLeds);
    ASSERT_EQ(Copias(datos.ruta).size(), 1u);
    EXPECT_EQ(prueba::LeeArchivo(Copias(datos.ruta)[0].string()),
              TextoDeCircuito(programa.LaSesion().mesa));

    prueba::DialogoVisto pregunta;
    prueba::ResponderAlMensaje(pregunta, QStringLiteral("&No"));
    EXPECT_TRUE(programa.Principal().close());
    EXPECT_EQ(pregunta.texto, QStringLiteral("¿Guardar los cambios del circuito?"));
    EXPECT_TRUE(fs::is_empty(datos.ruta));
}

}  // namespace
}  // namespace velistra
