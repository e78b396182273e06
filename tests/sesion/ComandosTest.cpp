#include <gtest/gtest.h>

#include <filesystem>

#include "support/Archivos.h"
#include "tableros/TableroDeTemporizadores.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/Sesion.h"
#include "support/LienzoDePrueba.h"
#include "support/CarpetaTemporal.h"
#include "support/DialogosDePrueba.h"

namespace velistra {
namespace {

// A file dialog asked for ".txt" with the circuits' filter first and every file second.
void CompruebaPeticion(const prueba::DialogosDePrueba::Peticion& peticion,
                       const std::string& primerFiltro) {
    EXPECT_EQ(peticion.extension, "txt");
    ASSERT_EQ(peticion.filtros.size(), 2u);
    EXPECT_EQ(peticion.filtros[0].descripcion, primerFiltro);
    EXPECT_EQ(peticion.filtros[0].patron, "*.txt");
    EXPECT_EQ(peticion.filtros[1].descripcion, "Todos los archivos (*.*)");
    EXPECT_EQ(peticion.filtros[1].patron, "*.*");
}

using Mensaje = prueba::AvisosDePrueba::Mensaje;

constexpr const char* kNoSeAlmacena = "El archivo no puede               ser almacenado.";

class Comandos : public ::testing::Test {
protected:
    // Any change of the circuit, as the menu makes it.
    void Modifica() {
        sesion.Ejecuta(comandos::kInterruptores);
        ASSERT_TRUE(sesion.comandos.Modificado());
    }
    // A circuit saved and opened again, so the session is no longer a new one.
    void AbreUnGuardado(const std::string& ruta) {
        dialogos.paraGuardar = ruta;
        sesion.Ejecuta(comandos::kAlmacenarEn);
        dialogos.paraAbrir = ruta;
        sesion.Ejecuta(comandos::kRecuperar);
        ASSERT_FALSE(sesion.comandos.EsNuevo());
        ASSERT_EQ(sesion.comandos.Archivo(), ruta);
        avisos.mensajes.clear();
    }
    std::vector<std::string> Textos() const {
        std::vector<std::string> textos;
        for (const Mensaje& m : avisos.mensajes) textos.push_back(m.texto);
        return textos;
    }

    prueba::CarpetaTemporal carpeta;
    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion{avisos, dialogos};
};

TEST_F(Comandos, UnCircuitoNuevoEIntactoNoSeRehace) {
    EXPECT_EQ(sesion.comandos.Titulo(), "Velistra 0.9.7");
    EXPECT_TRUE(sesion.comandos.EsNuevo());
    EXPECT_FALSE(sesion.comandos.Modificado());
    Tablero* fuente = sesion.mesa.fuentedc();

    EXPECT_FALSE(sesion.Ejecuta(comandos::kNuevo).repintar);
    EXPECT_EQ(sesion.comandos.Titulo(), "Velistra 0.9.7");
    EXPECT_EQ(sesion.mesa.fuentedc(), fuente);
    EXPECT_TRUE(avisos.mensajes.empty());

    // Changed and then discarded: a fresh workbench under the new title.
    Modifica();
    avisos.respuesta = Respuesta::No;
    EXPECT_TRUE(sesion.Ejecuta(comandos::kNuevo).repintar);
    EXPECT_EQ(sesion.comandos.Titulo(), "Nuevo circuito");
    EXPECT_EQ(sesion.mesa.tablero().size(), 2u);
    EXPECT_TRUE(sesion.comandos.EsNuevo());
    EXPECT_FALSE(sesion.comandos.Modificado());
    ASSERT_EQ(avisos.mensajes.size(), 1u);
    EXPECT_EQ(avisos.mensajes[0].texto, "¿Guardar los cambios del circuito?");
    EXPECT_EQ(avisos.mensajes[0].titulo, "Circuito modificado");
    EXPECT_TRUE(dialogos.guardados.empty());
}

TEST_F(Comandos, TablerosChipsYTemporizadorMarcanElCircuitoPeroPLANo) {
    sesion.Ejecuta(comandos::kPLA);
    EXPECT_EQ(sesion.mesa.tablero().back()->Tipo(), Tablero::kPLA);
    EXPECT_FALSE(sesion.comandos.Modificado());
    sesion.Ejecuta(7000);
    sesion.Ejecuta(7004);
    EXPECT_EQ(sesion.mesa.componentes().size(), 2u);
    EXPECT_EQ(sesion.mesa.componentes()[1].Ubicacion(), (Punto{20, 50}));
    // A loose chip is in the saved file, so dropping it must be asked about.
    EXPECT_TRUE(sesion.comandos.Modificado());
    avisos.respuesta = Respuesta::Cancelar;
    EXPECT_FALSE(sesion.Ejecuta(comandos::kNuevo).repintar);
    avisos.respuesta = Respuesta::No;
    ASSERT_FALSE(avisos.mensajes.empty());
    EXPECT_EQ(avisos.mensajes.back().icono, Icono::Pregunta);
    EXPECT_EQ(sesion.mesa.componentes().size(), 2u);
    // Codes that name no chip add nothing.
    for (int id : {7001, 7670, 6999, 4993, 0}) EXPECT_FALSE(sesion.Ejecuta(id).repintar) << id;
    EXPECT_EQ(sesion.mesa.componentes().size(), 2u);

    const int tipos[] = {Tablero::kProtoboard, Tablero::kInterruptores, Tablero::kPulsadores,
                         Tablero::kLeds, Tablero::kSieteSegmentos};
    const int ids[] = {comandos::kProtoboard, comandos::kInterruptores, comandos::kPulsadores,
                       comandos::kLeds, comandos::kSieteSegmentos};
    int esquinaAnterior = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(sesion.Ejecuta(ids[i]).repintar);
        const Tablero& t = *sesion.mesa.tablero().back();
        EXPECT_EQ(t.Tipo(), tipos[i]);
        if (i > 0) {
            EXPECT_EQ(t.EsquinaX(), esquinaAnterior + 10);
        }
        esquinaAnterior = t.EsquinaX();
    }
    EXPECT_TRUE(sesion.comandos.Modificado());

    // The timer board comes back at (100, 400) only when hidden.
    AbreUnGuardado(carpeta.Archivo("tableros.txt"));
    auto& abierto = dynamic_cast<TableroDeTemporizadores&>(*sesion.mesa.reloj());
    EXPECT_TRUE(sesion.Ejecuta(comandos::kTemporizador).repintar);
    EXPECT_TRUE(abierto.EstaVisible());
    EXPECT_EQ(abierto.EsquinaX(), 100);
    EXPECT_EQ(abierto.EsquinaY(), 400);
    EXPECT_TRUE(sesion.comandos.Modificado());
    abierto.UbicaEn(300, 300);
    EXPECT_FALSE(sesion.Ejecuta(comandos::kTemporizador).repintar);
    EXPECT_EQ(abierto.EsquinaX(), 300);
}

TEST_F(Comandos, ColorAyudaYSalirSonPeticionesALaVentana) {
    const Color inicial = sesion.mesa.cables().Color();
    dialogos.color = Rgb(0, 200, 0);
    EXPECT_TRUE(sesion.Ejecuta(comandos::kColorDeCable).repintar);
    EXPECT_EQ(sesion.mesa.cables().Color(), Rgb(0, 200, 0));
    dialogos.color.reset();
    sesion.Ejecuta(comandos::kColorDeCable);
    EXPECT_EQ(sesion.mesa.cables().Color(), Rgb(0, 200, 0));
    ASSERT_EQ(dialogos.coloresIniciales.size(), 2u);
    EXPECT_EQ(dialogos.coloresIniciales[0], inicial);
    EXPECT_FALSE(sesion.comandos.Modificado());

    EXPECT_TRUE(sesion.Ejecuta(comandos::kAyuda).mostrarAyuda);
    const ResultadoDeComando salir = sesion.Ejecuta(comandos::kSalir);
    EXPECT_TRUE(salir.cerrar);
    // Asking is all the command does: the workbench is still there.
    EXPECT_EQ(sesion.mesa.tablero().size(), 2u);
}

TEST_F(Comandos, SalirConCambiosPreguntaYCadaRespuestaTieneSuCamino) {
    // Cancel: nothing happens and the program stays.
    Modifica();
    avisos.respuesta = Respuesta::Cancelar;
    EXPECT_FALSE(sesion.PuedeCerrar());
    EXPECT_EQ(sesion.mesa.tablero().size(), 3u);
    EXPECT_TRUE(sesion.comandos.Modificado());
    EXPECT_TRUE(sesion.comandos.EsNuevo());
    EXPECT_TRUE(dialogos.guardados.empty());

    // Yes on a new circuit, but its save dialog cancelled: two messages, and it stays.
    avisos.mensajes.clear();
    avisos.respuesta = Respuesta::Si;
    EXPECT_FALSE(sesion.PuedeCerrar());
    EXPECT_EQ(Textos(), (std::vector<std::string>{"¿Guardar los cambios del circuito?",
                                                  "El nuevo circuito no fue almacenado.",
                                                  "Error en la grabación del nuevo circuito."}));
    EXPECT_EQ(avisos.mensajes[1].titulo, "Error de archivos");
    EXPECT_EQ(avisos.mensajes[1].icono, Icono::Advertencia);
    EXPECT_EQ(avisos.mensajes[2].titulo, "Información");
    EXPECT_EQ(avisos.mensajes[2].icono, Icono::Error);
    EXPECT_EQ(sesion.mesa.tablero().size(), 3u);

    // Yes with a name: the circuit is written and the program may close.
    const std::string ruta = carpeta.Archivo("al salir.txt");
    dialogos.paraGuardar = ruta;
    const std::string esperado = TextoDeCircuito(sesion.mesa);
    EXPECT_TRUE(sesion.PuedeCerrar());
    EXPECT_EQ(prueba::LeeArchivo(ruta), esperado);
    ASSERT_EQ(dialogos.guardados.size(), 2u);
    CompruebaPeticion(dialogos.guardados[1], "Archivos conocidos (*.txt)");
    // Closing clears the workbench.
    EXPECT_TRUE(sesion.mesa.tablero().empty());
}

TEST_F(Comandos, SalirSinGuardarOSinCambios) {
    Modifica();
    avisos.respuesta = Respuesta::No;
    EXPECT_TRUE(sesion.PuedeCerrar());
    EXPECT_TRUE(dialogos.guardados.empty());
    EXPECT_EQ(avisos.mensajes.size(), 1u);

    prueba::AvisosDePrueba otrosAvisos;
    Sesion intacta(otrosAvisos, dialogos);
    EXPECT_TRUE(intacta.PuedeCerrar());
    EXPECT_TRUE(otrosAvisos.mensajes.empty());
}

TEST_F(Comandos, SiElArchivoAbiertoYaNoSePuedeEscribirNoSeSale) {
    const std::filesystem::path sub = carpeta.ruta / "sub";
    std::filesystem::create_directories(sub);
    AbreUnGuardado((sub / "c.txt").string());
    std::filesystem::remove_all(sub);

    Modifica();
    avisos.respuesta = Respuesta::Si;
    EXPECT_FALSE(sesion.PuedeCerrar());
    EXPECT_EQ(Textos(), (std::vector<std::string>{"¿Guardar los cambios del circuito?", kNoSeAlmacena,
                                                  "Error en el almacenamiento del circuito."}));
    EXPECT_EQ(avisos.mensajes[1].titulo, "Error de archivos");
    EXPECT_TRUE(sesion.comandos.Modificado());
    EXPECT_FALSE(sesion.mesa.tablero().empty());
}

TEST_F(Comandos, AlmacenarPideNombreLaPrimeraVezYLuegoEscribeEnElMismoArchivo) {
    const std::string ruta = carpeta.Archivo("circuito.txt");
    dialogos.paraGuardar = ruta;
    sesion.Ejecuta(comandos::kAlmacenar);
    EXPECT_EQ(dialogos.guardados.size(), 1u);
    EXPECT_EQ(sesion.comandos.Titulo(), ruta);
    EXPECT_FALSE(sesion.comandos.EsNuevo());
    EXPECT_EQ(prueba::LeeArchivo(ruta), TextoDeCircuito(sesion.mesa));

    // Nothing changed: nothing to do.
    std::filesystem::remove(ruta);
    sesion.Ejecuta(comandos::kAlmacenar);
    EXPECT_FALSE(std::filesystem::exists(ruta));

    Modifica();
    sesion.Ejecuta(comandos::kAlmacenar);
    EXPECT_EQ(dialogos.guardados.size(), 1u);
    EXPECT_FALSE(sesion.comandos.Modificado());
    EXPECT_EQ(prueba::LeeArchivo(ruta), TextoDeCircuito(sesion.mesa));

    // A cancelled "save as" keeps the file the circuit belongs to.
    Modifica();
    dialogos.paraGuardar.reset();
    sesion.Ejecuta(comandos::kAlmacenarEn);
    EXPECT_EQ(Textos(), (std::vector<std::string>{"El nuevo circuito no fue almacenado.",
                                                  "Error en la grabación del nuevo circuito."}));
    EXPECT_TRUE(sesion.comandos.Modificado());
    EXPECT_EQ(sesion.comandos.Archivo(), ruta);
    sesion.Ejecuta(comandos::kAlmacenar);
    EXPECT_FALSE(sesion.comandos.Modificado());
    EXPECT_EQ(prueba::LeeArchivo(ruta), TextoDeCircuito(sesion.mesa));
    EXPECT_EQ(avisos.mensajes.size(), 2u);

    // "Save as" to a place that cannot be written: the old file and name stay.
    Modifica();
    const std::string antes = prueba::LeeArchivo(ruta);
    dialogos.paraGuardar = carpeta.Archivo("no/existe/otro.txt");
    sesion.Ejecuta(comandos::kAlmacenarEn);
    ASSERT_EQ(avisos.mensajes.size(), 4u);
    EXPECT_EQ(avisos.mensajes[2].texto, kNoSeAlmacena);
    EXPECT_EQ(avisos.mensajes[2].titulo, "Error de archivos");
    EXPECT_EQ(avisos.mensajes[2].icono, Icono::Advertencia);
    EXPECT_EQ(avisos.mensajes[3].texto, "Error en la grabación del nuevo circuito.");
    EXPECT_EQ(sesion.comandos.Titulo(), ruta);
    EXPECT_EQ(sesion.comandos.Archivo(), ruta);
    EXPECT_EQ(prueba::LeeArchivo(ruta), antes);
    EXPECT_TRUE(sesion.comandos.Modificado());
}

TEST_F(Comandos, RecuperarSoloReemplazaLaMesaConUnArchivoBueno) {
    const auto intacta = [&] {
        EXPECT_EQ(sesion.mesa.tablero().size(), 3u);
        EXPECT_TRUE(sesion.comandos.Modificado());
        EXPECT_TRUE(sesion.comandos.EsNuevo());
        EXPECT_EQ(sesion.comandos.Titulo(), "Velistra 0.9.7");
    };
    Modifica();
    avisos.respuesta = Respuesta::No;

    sesion.Ejecuta(comandos::kRecuperar);  // dialog cancelled
    intacta();
    ASSERT_EQ(dialogos.aperturas.size(), 1u);
    CompruebaPeticion(dialogos.aperturas[0], "Archivos de circuitos (*.txt)");

    dialogos.paraAbrir = carpeta.Archivo("no esta.txt");
    sesion.Ejecuta(comandos::kRecuperar);
    intacta();
    const std::string otraVersion = carpeta.Archivo("viejo.txt");
    prueba::EscribeArchivo(
        otraVersion, "Version 0.9.6\n2\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 0\n0\n0\n");
    dialogos.paraAbrir = otraVersion;
    sesion.Ejecuta(comandos::kRecuperar);
    intacta();
    const std::string roto = carpeta.Archivo("roto.txt");
    prueba::EscribeArchivo(roto, "Version 0.9.7\n2\n 4 10 175 77\n");
    dialogos.paraAbrir = roto;
    sesion.Ejecuta(comandos::kRecuperar);
    intacta();

    std::vector<Mensaje> esperados = {
        {"Error con el nombre del archivo", "Error de archivos", Icono::Advertencia},
        {"Error en la lectura del archivo.", "Error de archivos", Icono::Advertencia},
        {"El programa solo abre archivos de la versión 0.9.7", "Versión de programa", Icono::Advertencia},
        {"Error en la lectura del archivo.", "Error de archivos", Icono::Advertencia},
    };
    std::vector<Mensaje> avisados;
    for (const Mensaje& m : avisos.mensajes) {
        if (m.icono != Icono::Pregunta) avisados.push_back(m);
    }
    ASSERT_EQ(avisados.size(), esperados.size());
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        EXPECT_EQ(avisados[i].texto, esperados[i].texto) << i;
        EXPECT_EQ(avisados[i].titulo, esperados[i].titulo) << i;
        EXPECT_EQ(avisados[i].icono, esperados[i].icono) << i;
    }

    // A good file: loaded, titled with its path, neither new nor modified.
    const std::string bueno = carpeta.Archivo("bueno.txt");
    prueba::EscribeArchivo(
        bueno, "Version 0.9.7\n2\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 1\n0\n0\n");
    dialogos.paraAbrir = bueno;
    EXPECT_TRUE(sesion.Ejecuta(comandos::kRecuperar).repintar);
    EXPECT_EQ(sesion.mesa.tablero().size(), 2u);
    EXPECT_TRUE(dynamic_cast<TableroDeTemporizadores&>(*sesion.mesa.reloj()).EstaVisible());
    EXPECT_EQ(sesion.comandos.Titulo(), bueno);
    EXPECT_FALSE(sesion.comandos.Modificado());
    EXPECT_FALSE(sesion.comandos.EsNuevo());
}

TEST_F(Comandos, RecuperarConCambiosGuardaPrimeroSiSeLoPide) {
    Modifica();
    avisos.respuesta = Respuesta::Cancelar;
    sesion.Ejecuta(comandos::kRecuperar);
    EXPECT_TRUE(dialogos.aperturas.empty());

    // Yes: saved under a new name, and then the chosen file opens.
    const std::string guardado = carpeta.Archivo("antes.txt");
    const std::string abierto = carpeta.Archivo("despues.txt");
    prueba::EscribeArchivo(
        abierto, "Version 0.9.7\n2\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 0\n0\n0\n");
    avisos.respuesta = Respuesta::Si;
    dialogos.paraGuardar = guardado;
    dialogos.paraAbrir = abierto;
    const std::string cambiado = TextoDeCircuito(sesion.mesa);
    sesion.Ejecuta(comandos::kRecuperar);
    EXPECT_EQ(prueba::LeeArchivo(guardado), cambiado);
    EXPECT_EQ(sesion.mesa.tablero().size(), 2u);
    EXPECT_EQ(sesion.comandos.Titulo(), abierto);

    // The save went through even if the open dialog is then cancelled.
    Modifica();
    dialogos.paraAbrir.reset();
    dialogos.paraGuardar.reset();
    sesion.Ejecuta(comandos::kRecuperar);
    EXPECT_FALSE(sesion.comandos.Modificado());
    EXPECT_EQ(sesion.mesa.tablero().size(), 3u);
    EXPECT_EQ(sesion.comandos.Archivo(), abierto);
}

// Rings a settling's message and, while it is open, lets the 47 ms timer fire again.
class AvisosConTemporizador final : public Avisos {
public:
    void Muestra(const std::string& texto, const std::string&, Icono) override {
        mensajes.push_back(texto);
        if (sesion != nullptr) {
            for (int i = 0; i < 3; ++i) ticsDuranteElMensaje.push_back(sesion->Tic());
        }
    }
    Respuesta Pregunta(const std::string&, const std::string&) override { return Respuesta::No; }

    Sesion* sesion = nullptr;
    std::vector<std::string> mensajes;
    std::vector<bool> ticsDuranteElMensaje;
};

TEST(ComandosTic, ElTemporizadorAvanzaSoloEncendidoYVisibleYNoApilaMensajes) {
    AvisosConTemporizador avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion(avisos, dialogos);
    Mesa& mesa = sesion.mesa;
    auto& reloj = dynamic_cast<TableroDeTemporizadores&>(*mesa.reloj());
    Puerto* vcc = mesa.fuentedc()->DireccionDePuerto(0);

    // Off, or hidden: the clocks stand still.
    EXPECT_FALSE(sesion.Tic());
    sesion.Ejecuta(comandos::kTemporizador);
    ASSERT_TRUE(mesa.ConectaPuertos(reloj.DireccionDePuerto(reloj.PuertoVcc()), vcc));
    ASSERT_TRUE(mesa.ConectaPuertos(reloj.DireccionDePuerto(reloj.PuertoGnd()), mesa.fuentedc()->DireccionDePuerto(4)));
    EXPECT_FALSE(sesion.Tic());
    EXPECT_EQ(reloj.Contador(), 0);

    // An inverter whose output feeds its own input never settles.
    Tablero& p = *mesa.AgregaTablero(Tablero::kProtoboard);
    mesa.componentes().Nuevo(7004);
    Componente& chip = mesa.componentes()[0];
    chip.UbicaEn({p.EsquinaX() + 27 + 13 * 10 - 6, p.EsquinaY() + 118});
    ASSERT_TRUE(mesa.EnchufaComponente(chip));
    const auto abajo = [&](int columna, int fila) { return p.DireccionDePuerto(320 + 5 * columna + fila); };
    ASSERT_TRUE(mesa.ConectaPuertos(p.DireccionDePuerto(5 * 10), mesa.fuentedc()->DireccionDePuerto(1)));
    ASSERT_TRUE(mesa.ConectaPuertos(abajo(16, 4), mesa.fuentedc()->DireccionDePuerto(5)));
    ASSERT_TRUE(mesa.ConectaPuertos(abajo(10, 4), abajo(11, 4)));

    mesa.ConmutaFuente();
    ASSERT_TRUE(mesa.bON());
    ASSERT_FALSE(avisos.mensajes.empty());
    EXPECT_FALSE(sesion.Tic());  // no clock terminal wired: no settling
    EXPECT_EQ(reloj.Contador(), 1);

    // With a clock wired, each tick settles; ticks during its message do nothing.
    ASSERT_TRUE(mesa.ConectaPuertos(reloj.DireccionDePuerto(0), abajo(30, 0)));
    avisos.mensajes.clear();
    avisos.sesion = &sesion;
    EXPECT_TRUE(sesion.Tic());
    EXPECT_EQ(avisos.mensajes.size(), 1u);
    EXPECT_EQ(avisos.ticsDuranteElMensaje, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(reloj.Contador(), 2);
    avisos.sesion = nullptr;
}

}  // namespace
}  // namespace velistra
