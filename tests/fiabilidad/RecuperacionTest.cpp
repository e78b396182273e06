// Copies of the unsaved circuit, without a window: a clock the test moves by hand, a
// folder of its own, and several "programs" (Recuperacion objects, each with its lock)
// in one process. A program that ends without Termina is one that crashed or was killed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "persistencia/ArchivoDeCircuito.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/Recuperacion.h"
#include "sesion/Sesion.h"
#include "support/CarpetaTemporal.h"
#include "support/DialogosDePrueba.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

std::string Contenido(const fs::path& ruta) {
    return sistema::LeeArchivoRegular(ruta.string(), 1 << 20).texto;
}

std::size_t Entradas(const fs::path& carpeta) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(carpeta), fs::directory_iterator()));
}

// One running program: its session and its copies.
struct Programa {
    explicit Programa(const fs::path& carpeta) : recuperacion(carpeta) {}
    void Revisa(Recuperacion::Instante t) { recuperacion.Revisa(sesion.mesa, sesion.comandos, t); }

    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion{avisos, dialogos};
    Recuperacion recuperacion;
};

const Recuperacion::Instante t0{};

TEST(Recuperacion, UnCircuitoCambiadoSeCopiaComoMuchoCadaMedioMinutoHastaQueSeGuarda) {
    const prueba::CarpetaTemporal carpeta;
    Programa p(carpeta.ruta);
    // Nothing changed, nothing to keep.
    p.Revisa(t0);
    EXPECT_FALSE(fs::exists(p.recuperacion.Circuito()));

    p.sesion.Ejecuta(comandos::kProtoboard);
    p.Revisa(t0);
    ASSERT_TRUE(fs::exists(p.recuperacion.Circuito()));
    // Exactly the circuit file the program saves.
    EXPECT_EQ(Contenido(p.recuperacion.Circuito()), TextoDeCircuito(p.sesion.mesa));
    EXPECT_EQ(Contenido(p.recuperacion.Nombre()), "");

    const std::string primera = TextoDeCircuito(p.sesion.mesa);
    p.sesion.Ejecuta(comandos::kLeds);
    p.Revisa(t0 + seconds(29));
    EXPECT_EQ(Contenido(p.recuperacion.Circuito()), primera);
    p.Revisa(t0 + seconds(30));
    EXPECT_EQ(Contenido(p.recuperacion.Circuito()), TextoDeCircuito(p.sesion.mesa));

    // Saved: the file holds the work, the copy goes; so it does for a new circuit.
    p.dialogos.paraGuardar = carpeta.Archivo("circuito.txt");
    p.sesion.Ejecuta(comandos::kAlmacenarEn);
    p.Revisa(t0 + seconds(31));
    EXPECT_FALSE(fs::exists(p.recuperacion.Circuito()));
    EXPECT_FALSE(fs::exists(p.recuperacion.Nombre()));

    // Changed again: the copy now names the file the circuit belongs to.
    p.sesion.Ejecuta(comandos::kInterruptores);
    p.Revisa(t0 + seconds(60));
    EXPECT_EQ(Contenido(p.recuperacion.Nombre()), carpeta.Archivo("circuito.txt"));
    p.avisos.respuesta = Respuesta::No;
    p.sesion.Ejecuta(comandos::kNuevo);
    p.Revisa(t0 + seconds(61));
    EXPECT_FALSE(fs::exists(p.recuperacion.Circuito()));

    // A clean exit leaves nothing of this program behind.
    p.sesion.Ejecuta(comandos::kLeds);
    p.Revisa(t0 + seconds(90));
    ASSERT_TRUE(fs::exists(p.recuperacion.Circuito()));
    p.recuperacion.Termina();
    EXPECT_EQ(Entradas(carpeta.ruta), 1u);  // circuito.txt
}

// Avisos that look at the copy while the feedback message of a settling is open.
class AvisosQueMiran final : public Avisos {
public:
    void Muestra(const std::string&, const std::string&, Icono) override {
        if (alMostrar) alMostrar();
    }
    Respuesta Pregunta(const std::string&, const std::string&) override { return Respuesta::No; }
    std::function<void()> alMostrar;
};

TEST(Recuperacion, NadaSeEscribeEnMedioDeUnAsentamiento) {
    const prueba::CarpetaTemporal carpeta;
    AvisosQueMiran avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion(avisos, dialogos);
    Recuperacion recuperacion(carpeta.ruta);
    // An inverter wired to itself: switching on never settles and shows the message.
    dialogos.paraAbrir = VELISTRA_ANILLO;
    sesion.Ejecuta(comandos::kRecuperar);
    ASSERT_EQ(sesion.comandos.Archivo(), VELISTRA_ANILLO);
    sesion.comandos.MarcaModificado();

    int mensajes = 0;
    avisos.alMostrar = [&] {
        ++mensajes;
        ASSERT_TRUE(sesion.mesa.EstaAsentando());
        recuperacion.Revisa(sesion.mesa, sesion.comandos, t0);
        EXPECT_FALSE(fs::exists(recuperacion.Circuito()));
    };
    sesion.mesa.ConmutaFuente();
    ASSERT_EQ(mensajes, 1);
    // Once the settling is over, the copy is written.
    recuperacion.Revisa(sesion.mesa, sesion.comandos, t0);
    EXPECT_EQ(Contenido(recuperacion.Circuito()), TextoDeCircuito(sesion.mesa));
    EXPECT_EQ(Contenido(recuperacion.Nombre()), VELISTRA_ANILLO);
}

TEST(Recuperacion, SeOfreceLaCopiaDeUnProgramaTerminadoNuncaLaDeUnoEnMarcha) {
    const prueba::CarpetaTemporal carpeta;
    const std::string original = carpeta.Archivo("practica.txt");
    auto caido = std::make_unique<Programa>(carpeta.ruta);
    caido->dialogos.paraGuardar = original;
    caido->sesion.Ejecuta(comandos::kAlmacenarEn);
    caido->sesion.Ejecuta(comandos::kProtoboard);
    caido->sesion.Ejecuta(comandos::kLeds);
    caido->Revisa(t0);
    const std::string trabajo = TextoDeCircuito(caido->sesion.mesa);
    const fs::path copia = caido->recuperacion.Circuito();

    // While it runs, no other program offers its copy.
    Programa otro(carpeta.ruta);
    EXPECT_FALSE(otro.recuperacion.Pendiente());

    // It crashes: the copy stays, and is offered with the circuit's own name.
    caido.reset();
    ASSERT_TRUE(fs::exists(copia));
    Programa nuevo(carpeta.ruta);
    const std::optional<CopiaPendiente> pendiente = nuevo.recuperacion.Pendiente();
    ASSERT_TRUE(pendiente);
    EXPECT_EQ(pendiente->archivo, original);
    EXPECT_EQ(Recuperacion::Oferta(*pendiente),
              "El programa se cerró sin guardar los cambios del circuito " + original +
                  ". ¿Recuperar los cambios o descartarlos?");
    // Nor do two programs started together both offer it.
    EXPECT_FALSE(otro.recuperacion.Pendiente());

    ASSERT_TRUE(nuevo.recuperacion.Recupera(nuevo.sesion.mesa, nuevo.sesion.comandos));
    EXPECT_EQ(TextoDeCircuito(nuevo.sesion.mesa), trabajo);
    EXPECT_TRUE(nuevo.sesion.comandos.Modificado());
    EXPECT_FALSE(nuevo.sesion.comandos.EsNuevo());
    EXPECT_EQ(nuevo.sesion.comandos.Archivo(), original);
    EXPECT_EQ(nuevo.sesion.comandos.Titulo(), original);
    EXPECT_TRUE(nuevo.avisos.mensajes.empty());
    // The copy is now the new program's, not lost in between.
    EXPECT_FALSE(fs::exists(copia));
    EXPECT_EQ(Contenido(nuevo.recuperacion.Circuito()), trabajo);
    EXPECT_EQ(Contenido(nuevo.recuperacion.Nombre()), original);
    EXPECT_FALSE(otro.recuperacion.Pendiente());

    // Saving it goes to the original file.
    nuevo.sesion.Ejecuta(comandos::kAlmacenar);
    EXPECT_EQ(Contenido(original), trabajo);
}

TEST(Recuperacion, UnaCopiaSeDescartaOSeQuedaSiNoSePuedeLeer) {
    const prueba::CarpetaTemporal carpeta;
    fs::path copia;
    {
        Programa caido(carpeta.ruta);
        caido.sesion.Ejecuta(comandos::kLeds);
        caido.Revisa(t0);
        copia = caido.recuperacion.Circuito();
    }
    {
        Programa nuevo(carpeta.ruta);
        const std::optional<CopiaPendiente> pendiente = nuevo.recuperacion.Pendiente();
        ASSERT_TRUE(pendiente);
        EXPECT_EQ(Recuperacion::Oferta(*pendiente),
                  "El programa se cerró sin guardar el nuevo circuito. ¿Recuperar el circuito o "
                  "descartarlo?");
        // Damaged on the disk: the load's message, the workbench as it was, the copy kept.
        std::ofstream(copia) << "Version 0.9.7\n2\n";
        const std::string antes = TextoDeCircuito(nuevo.sesion.mesa);
        EXPECT_FALSE(nuevo.recuperacion.Recupera(nuevo.sesion.mesa, nuevo.sesion.comandos));
        ASSERT_EQ(nuevo.avisos.mensajes.size(), 1u);
        EXPECT_EQ(nuevo.avisos.mensajes[0].texto, "Error en la lectura del archivo.");
        EXPECT_EQ(TextoDeCircuito(nuevo.sesion.mesa), antes);
        EXPECT_FALSE(nuevo.sesion.comandos.Modificado());
        EXPECT_TRUE(fs::exists(copia));
    }
    Programa otro(carpeta.ruta);
    ASSERT_TRUE(otro.recuperacion.Pendiente());
    otro.recuperacion.Descarta();
    EXPECT_FALSE(otro.recuperacion.Pendiente());
    otro.recuperacion.Termina();
    // Nothing is left of any of them, locks and temporaries included.
    EXPECT_EQ(Entradas(carpeta.ruta), 0u);
}

}  // namespace
}  // namespace velistra
