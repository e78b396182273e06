// Saves that the file system refuses, the way the user meets them: through the menu
// commands, with the messages the program shows. Whatever goes wrong, the file that was
// there before is left whole, nothing half written stays beside it, and the circuit is
// still marked as unsaved.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <climits>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/Archivos.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/Sesion.h"
#include "support/CarpetaTemporal.h"
#include "support/DialogosDePrueba.h"
#include "support/LienzoDePrueba.h"

namespace velistra {
namespace {

namespace fs = std::filesystem;
using Mensaje = prueba::AvisosDePrueba::Mensaje;

constexpr const char* kNoSeAlmacena = "El archivo no puede               ser almacenado.";
constexpr const char* kTituloDeArchivos = "Error de archivos";
constexpr const char* kFalloAlAlmacenar = "Error en el almacenamiento del circuito.";
constexpr const char* kFalloAlGrabarNuevo = "Error en la grabación del nuevo circuito.";

std::size_t Entradas(const fs::path& carpeta) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(carpeta), fs::directory_iterator()));
}

class FallosAlGuardar : public ::testing::Test {
protected:
    // A circuit saved to `ruta`, opened from there and then changed: what the user has
    // in hand when the save goes wrong.
    void AbreYModifica(const fs::path& ruta) {
        dialogos.paraGuardar = ruta.string();
        sesion.Ejecuta(comandos::kAlmacenarEn);
        dialogos.paraAbrir = ruta.string();
        sesion.Ejecuta(comandos::kRecuperar);
        ASSERT_EQ(sesion.comandos.Archivo(), ruta.string());
        ASSERT_TRUE(avisos.mensajes.empty());
        anterior = prueba::LeeArchivo(ruta);
        sesion.Ejecuta(comandos::kLeds);
        ASSERT_TRUE(sesion.comandos.Modificado());
        entradas = Entradas(carpeta.ruta);
    }

    // The save was refused with the file message and then `despues`; the circuit still
    // belongs to `ruta`, unsaved, and the folder holds what it held.
    void EsperaRechazo(const fs::path& ruta, const char* despues) {
        ASSERT_EQ(avisos.mensajes.size(), 2u);
        const Mensaje& archivo = avisos.mensajes[0];
        EXPECT_EQ(archivo.texto, kNoSeAlmacena);
        EXPECT_EQ(archivo.titulo, kTituloDeArchivos);
        EXPECT_EQ(archivo.icono, Icono::Advertencia);
        EXPECT_EQ(avisos.mensajes[1].texto, despues);
        EXPECT_EQ(avisos.mensajes[1].titulo, "Información");
        EXPECT_TRUE(sesion.comandos.Modificado());
        EXPECT_EQ(sesion.comandos.Archivo(), ruta.string());
        EXPECT_EQ(sesion.comandos.Titulo(), ruta.string());
        EXPECT_EQ(Entradas(carpeta.ruta), entradas);
        avisos.mensajes.clear();
    }

    // "Save as" to `destino`, which cannot be written: the open file is untouched.
    void GuardaComoSinExito(const fs::path& ruta, const std::string& destino) {
        dialogos.paraGuardar = destino;
        sesion.Ejecuta(comandos::kAlmacenarEn);
        EsperaRechazo(ruta, kFalloAlGrabarNuevo);
        EXPECT_EQ(prueba::LeeArchivo(ruta), anterior);
    }

    prueba::CarpetaTemporal carpeta;
    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion{avisos, dialogos};
    std::string anterior;
    std::size_t entradas = 0;
};

// Root writes wherever it likes: a folder without write permission stops only others.
bool SeRespetanLosPermisos(const fs::path& carpeta) {
    const fs::path sonda = carpeta / "sonda";
    const bool escrito = std::ofstream(sonda).is_open();
    fs::remove(sonda);
    return !escrito;
}

TEST_F(FallosAlGuardar, EnUnaCarpetaQueNoSePuedeEscribir) {
    const fs::path ruta = carpeta.ruta / "circuito.txt";
    AbreYModifica(ruta);

    // Beneath a file rather than a folder: refused for everyone, root included.
    GuardaComoSinExito(ruta, (ruta / "otro.txt").string());

    const fs::path soloLectura = carpeta.ruta / "solo lectura";
    fs::create_directory(soloLectura);
    const fs::path dentro = soloLectura / "circuito.txt";
    fs::copy_file(ruta, dentro);
    entradas = Entradas(carpeta.ruta);
    fs::permissions(soloLectura, fs::perms::owner_read | fs::perms::owner_exec);
    if (SeRespetanLosPermisos(soloLectura)) {
        GuardaComoSinExito(ruta, (soloLectura / "nuevo.txt").string());
        // Neither a new file nor a replacement of one that is there.
        GuardaComoSinExito(ruta, dentro.string());
        EXPECT_EQ(prueba::LeeArchivo(dentro), anterior);
        EXPECT_EQ(Entradas(soloLectura), 1u);
    }
    fs::permissions(soloLectura, fs::perms::owner_all);

    // The same circuit still saves where it can.
    sesion.Ejecuta(comandos::kAlmacenar);
    EXPECT_TRUE(avisos.mensajes.empty());
    EXPECT_FALSE(sesion.comandos.Modificado());
    EXPECT_EQ(prueba::LeeArchivo(ruta), TextoDeCircuito(sesion.mesa));
}

// The disk fills up in mid-write. A file size limit makes the kernel refuse the write
// past a few bytes as a full disk does, for any user and without touching the disk.
TEST_F(FallosAlGuardar, CuandoElDiscoSeLlena) {
    const fs::path ruta = carpeta.ruta / "circuito.txt";
    AbreYModifica(ruta);

    rlimit limite{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
    const rlimit original = limite;
    limite.rlim_cur = 64;
    ASSERT_LT(limite.rlim_cur, TextoDeCircuito(sesion.mesa).size());
    auto* const senalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    sesion.Ejecuta(comandos::kAlmacenar);
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, senalAnterior);

    EsperaRechazo(ruta, kFalloAlAlmacenar);
    EXPECT_EQ(prueba::LeeArchivo(ruta), anterior);

    // On leaving, the user is asked, says yes, the save fails again: the window stays.
    avisos.respuesta = Respuesta::Si;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    std::signal(SIGXFSZ, SIG_IGN);
    EXPECT_FALSE(sesion.PuedeCerrar());
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, senalAnterior);
    ASSERT_EQ(avisos.mensajes.size(), 3u);
    EXPECT_EQ(avisos.mensajes[1].texto, kNoSeAlmacena);
    EXPECT_EQ(prueba::LeeArchivo(ruta), anterior);
    EXPECT_EQ(Entradas(carpeta.ruta), entradas);
    EXPECT_EQ(sesion.mesa.tablero().size(), 3u);
}

TEST_F(FallosAlGuardar, CuandoElArchivoEsAhoraUnaCarpeta) {
    const fs::path ruta = carpeta.ruta / "circuito.txt";
    AbreYModifica(ruta);
    // Someone put a folder, with a file of theirs in it, where the circuit was.
    fs::remove(ruta);
    fs::create_directory(ruta);
    const std::string suyo = "no es un circuito\n";
    std::ofstream(ruta / "suyo.txt") << suyo;

    sesion.Ejecuta(comandos::kAlmacenar);
    EsperaRechazo(ruta, kFalloAlAlmacenar);
    EXPECT_TRUE(fs::is_directory(ruta));
    EXPECT_EQ(Entradas(ruta), 1u);
    EXPECT_EQ(prueba::LeeArchivo(ruta / "suyo.txt"), suyo);
}

TEST_F(FallosAlGuardar, ConRutasDemasiadoLargas) {
    const fs::path ruta = carpeta.ruta / "circuito.txt";
    AbreYModifica(ruta);

    // One name longer than a folder entry can be.
    GuardaComoSinExito(ruta, (carpeta.ruta / std::string(NAME_MAX + 1, 'n')).string());

    // Every name short enough, the whole path too long.
    fs::path larga = carpeta.ruta;
    while (larga.string().size() <= PATH_MAX) larga /= std::string(200, 'c');
    GuardaComoSinExito(ruta, (larga / "circuito.txt").string());

    // The longest name there can be is a name like any other.
    const fs::path maxima = carpeta.ruta / std::string(NAME_MAX, 'm');
    dialogos.paraGuardar = maxima.string();
    sesion.Ejecuta(comandos::kAlmacenarEn);
    EXPECT_TRUE(avisos.mensajes.empty());
    EXPECT_EQ(sesion.comandos.Archivo(), maxima.string());
    EXPECT_FALSE(sesion.comandos.Modificado());
    EXPECT_EQ(prueba::LeeArchivo(maxima), TextoDeCircuito(sesion.mesa));
    EXPECT_EQ(Entradas(carpeta.ruta), entradas + 1);
    // And so is saving over it.
    sesion.Ejecuta(comandos::kInterruptores);
    sesion.Ejecuta(comandos::kAlmacenar);
    EXPECT_TRUE(avisos.mensajes.empty());
    EXPECT_EQ(prueba::LeeArchivo(maxima), TextoDeCircuito(sesion.mesa));
    EXPECT_EQ(Entradas(carpeta.ruta), entradas + 1);
}

}  // namespace
}  // namespace velistra
