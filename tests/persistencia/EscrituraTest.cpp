#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <locale>
#include <sstream>
#include <string>

#include "support/Archivos.h"
#include "persistencia/MesaDeArchivos.h"

#if defined(__unix__)
#include <sys/resource.h>

#include <csignal>
#endif

namespace velistra {
namespace {

namespace fs = std::filesystem;
using prueba::MesaDeArchivos;

constexpr const char* kCircuitoNuevo =
    "Version 0.9.7\n"
    "2\n"
    " 4 10 175 77 128 0 1\n"
    " 5 80 400 206 81 2 2\n"
    " 0\n"
    "0\n"
    "0\n";

// Thousands separators and other habits a stream may have been given.
struct Agrupados : std::numpunct<char> {
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(EscrituraDeCircuitos, UnCircuitoNuevoSeEscribeTalCualSeaCualSeaElFormatoDelFlujo) {
    MesaDeArchivos m;
    EXPECT_EQ(m.Texto(), kCircuitoNuevo);

    std::ostringstream salida;
    salida.imbue(std::locale(salida.getloc(), new Agrupados));
    salida << std::hex << std::showpos << std::uppercase;
    EscribeCircuito(m.mesa, salida);
    EXPECT_EQ(salida.str(), kCircuitoNuevo);
}

TEST(EscrituraDeCircuitos, CadaRegistroOcupaUnaLineaConSusCamposPrecedidosDeUnBlanco) {
    MesaDeArchivos m;
    m.Agrega(Tablero::kProtoboard);
    Cable cable;
    cable.Color(Rgb(0, 0, 255));
    cable.Puntos({Punto{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}, {11, -12}});
    cable.TableroA(3);
    m.mesa.cables().Agrega(cable);
    m.Deja(7000, {-5, 30});
    m.mesa.componentes()[0].CentroDeCasilla({7, 9});

    EXPECT_EQ(m.Texto(),
              "Version 0.9.7\n"
              "3\n"
              " 4 10 175 77 128 0 1\n"
              " 5 80 400 206 81 2 2\n"
              " 0 110 110 877 276 8 3\n"
              " 0\n"
              "1\n"
              " 16711680 5 1 2 3 4 5 6 7 8 9 10 11 -12 0 3 0 -1\n"
              "1\n"
              " 7000 1 14 -5 30 5 0 7 9 0\n");
}

// A folder of its own for each test, removed afterwards.
class CarpetaTemporal {
public:
    CarpetaTemporal() {
        const auto* prueba = testing::UnitTest::GetInstance()->current_test_info();
        ruta = fs::temp_directory_path() /
               ("velistra-" + std::string(prueba->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(ruta);
        fs::create_directories(ruta);
    }
    ~CarpetaTemporal() {
        std::error_code error;
        fs::permissions(ruta, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(ruta, error);
    }
    fs::path operator/(const std::string& nombre) const { return ruta / nombre; }
    std::size_t Entradas() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(ruta), {}));
    }

    fs::path ruta;
};

TEST(EscrituraDeCircuitos, GuardarReemplazaElArchivoYNoDejaTemporales) {
    CarpetaTemporal carpeta;
    MesaDeArchivos m;
    const fs::path destino = carpeta / "circuito.txt";
    prueba::EscribeArchivo(
        destino, "un circuito anterior, más largo que el nuevo circuito que lo reemplaza\n");

    ASSERT_TRUE(GuardaCircuitoEnArchivo(m.mesa, destino.string()));
    EXPECT_EQ(prueba::LeeArchivo(destino), kCircuitoNuevo);
    EXPECT_EQ(carpeta.Entradas(), 1u);

    // Through a link the file it names is rewritten and the link stays a link.
    const fs::path enlace = carpeta / "enlace.txt";
    fs::create_symlink(destino, enlace);
    m.Agrega(Tablero::kLeds);
    ASSERT_TRUE(GuardaCircuitoEnArchivo(m.mesa, enlace.string()));
    EXPECT_TRUE(fs::is_symlink(enlace));
    EXPECT_EQ(prueba::LeeArchivo(destino), m.Texto());
    EXPECT_EQ(carpeta.Entradas(), 2u);
}

// Root may write anywhere, whatever the permissions say.
bool SeRespetanLosPermisos(const CarpetaTemporal& carpeta) {
    const fs::path sonda = carpeta / "sonda";
    std::ofstream prueba(sonda);
    const bool escrito = prueba.is_open();
    prueba.close();
    fs::remove(sonda);
    return !escrito;
}

TEST(EscrituraDeCircuitos, UnGuardadoImposibleFallaYDejaTodoComoEstaba) {
    CarpetaTemporal carpeta;
    MesaDeArchivos m;
    const std::string anterior = "lo que había\n";

    const fs::path carpetaDestino = carpeta / "es una carpeta";
    fs::create_directory(carpetaDestino);
    EXPECT_FALSE(GuardaCircuitoEnArchivo(m.mesa, carpetaDestino.string()));
    EXPECT_TRUE(fs::is_directory(carpetaDestino));
    EXPECT_FALSE(GuardaCircuitoEnArchivo(m.mesa, (carpeta / "no existe" / "c.txt").string()));
    EXPECT_FALSE(GuardaCircuitoEnArchivo(m.mesa, ""));
    EXPECT_EQ(carpeta.Entradas(), 1u);

    const fs::path soloLectura = carpeta / "solo lectura.txt";
    prueba::EscribeArchivo(soloLectura, anterior);
    fs::permissions(soloLectura, fs::perms::owner_read);
    fs::permissions(carpeta.ruta, fs::perms::owner_read | fs::perms::owner_exec);
    if (SeRespetanLosPermisos(carpeta)) {
        EXPECT_FALSE(GuardaCircuitoEnArchivo(m.mesa, soloLectura.string()));
        EXPECT_FALSE(GuardaCircuitoEnArchivo(m.mesa, (carpeta / "nuevo.txt").string()));
        fs::permissions(carpeta.ruta, fs::perms::owner_all);
        EXPECT_FALSE(GuardaCircuitoEnArchivo(m.mesa, soloLectura.string()));
        EXPECT_EQ(prueba::LeeArchivo(soloLectura), anterior);
        EXPECT_EQ(carpeta.Entradas(), 2u);
    }
}

#if defined(__unix__)
// The disk fills up in mid-write: the save fails and the old file stays whole.
TEST(EscrituraDeCircuitos, UnaEscrituraQueNoTerminaNoTocaElArchivoAnterior) {
    CarpetaTemporal carpeta;
    MesaDeArchivos m;
    const fs::path destino = carpeta / "circuito.txt";
    const std::string anterior = "el circuito de ayer\n";
    prueba::EscribeArchivo(destino, anterior);

    rlimit limite{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limite), 0);
    const rlimit original = limite;
    limite.rlim_cur = 40;
    auto* const senalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const bool guardado = GuardaCircuitoEnArchivo(m.mesa, destino.string());
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, senalAnterior);

    EXPECT_FALSE(guardado);
    EXPECT_EQ(prueba::LeeArchivo(destino), anterior);
    EXPECT_EQ(carpeta.Entradas(), 1u);
}
#endif

}  // namespace
}  // namespace velistra
