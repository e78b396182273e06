#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tableros/TableroDeFuenteDC.h"
#include "tableros/TableroDeTemporizadores.h"
#include "persistencia/MesaDeArchivos.h"

namespace velistra {
namespace {

using prueba::Carga;
using prueba::MesaDeArchivos;

constexpr const char* kCabecera = "Version 0.9.7\n";
constexpr const char* kTableros =
    "3\n"
    " 4 10 175 77 128 0 1\n"
    " 5 80 400 206 81 2 2\n"
    " 0 110 110 877 276 8 3\n";
constexpr const char* kTemporizador = " 0\n";
constexpr const char* kCables = "1\n 255 5 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 3\n";
constexpr const char* kChips = "1\n 7000 1 14 500 20 5 0 0 0 0\n";

std::string Archivo(std::string tableros = kTableros, std::string temporizador = kTemporizador,
                    std::string cables = kCables, std::string chips = kChips) {
    return kCabecera + tableros + temporizador + cables + chips;
}

// A workbench with something of every kind on it, to see that a refused file changes
// nothing. Built once by hand; later copies load its text.
std::string TextoOcupado() {
    static const std::string texto = [] {
        MesaDeArchivos m;
        Tablero& protoboard = m.Agrega(Tablero::kProtoboard);
        Tablero& leds = m.Agrega(Tablero::kLeds);
        m.Cablea(*m.mesa.fuentedc(), TableroDeFuenteDC::kPrimerVcc, protoboard, 0);
        m.Cablea(leds, 0, protoboard, 7);
        m.Suelta(7004, protoboard, 5 * 20 + 4);
        m.mesa.MuestraTemporizador();
        return m.Texto();
    }();
    return texto;
}

struct MesaOcupada : MesaDeArchivos {
    MesaOcupada() {
        EXPECT_EQ(Carga(TextoOcupado()), ResultadoDeLectura::Correcto);
        antes = Texto();
    }
    std::string antes;
};

TEST(LecturaDeCircuitos, ElArchivoDeBaseDeEstasPruebasSeCarga) {
    MesaDeArchivos m;
    EXPECT_EQ(m.Carga(Archivo()), ResultadoDeLectura::Correcto);
    EXPECT_EQ(m.Texto(), Archivo());
}

TEST(LecturaDeCircuitos, SoloSeAbreLaVersionExactaYLaPrimeraPalabraDaIgual) {
    const std::string cuerpo = std::string(kTableros) + kTemporizador + kCables + kChips;
    for (const std::string& rechazado : {
             "Version 0.9.6\n" + cuerpo,
             "Version 0.9.70\n" + cuerpo,
             "0.9.7\n" + cuerpo,  // the version alone: the board count is taken for it
             std::string("Version\n"),
             std::string(""),
             std::string(" \r\n\t"),
         }) {
        SCOPED_TRACE(rechazado.substr(0, 20));
        MesaOcupada m;
        EXPECT_EQ(m.Carga(rechazado), ResultadoDeLectura::VersionIncorrecta);
        EXPECT_EQ(m.Texto(), m.antes);
    }
    for (const char* cabecera :
         {"Versión 0.9.7\n", "x 0.9.7\n", "\xEF\xBB\xBFVersion 0.9.7\n", "  Version\n\n0.9.7 "}) {
        SCOPED_TRACE(cabecera);
        MesaOcupada m;
        EXPECT_EQ(m.Carga(cabecera + cuerpo), ResultadoDeLectura::Correcto);
        EXPECT_EQ(m.Texto(), Archivo());
    }
}

struct CasoMalformado {
    const char* nombre;
    std::string texto;
};

const std::vector<CasoMalformado>& CasosMalformados() {
    static const std::vector<CasoMalformado> casos{
        {"cuerpo vacío", kCabecera},
        {"cortado a mitad de registro", Archivo().substr(0, Archivo().size() - 6)},
        {"cuenta mayor que sus registros", Archivo(kTableros, kTemporizador, kCables, "2" + std::string(kChips).substr(1))},
        {"palabra donde va un número", Archivo(kTableros, kTemporizador, kCables, "1\n 7000 1 14 500 veinte 5 0 0 0 0\n")},
        {"número con cola", Archivo(kTableros, kTemporizador, kCables, "1\n 7000 1 14 500 20x 5 0 0 0 0\n")},
        {"número con exponente", Archivo(kTableros, kTemporizador, kCables, "1\n 7000 1 14 5e2 20 5 0 0 0 0\n")},
        {"número hexadecimal", Archivo(kTableros, kTemporizador, kCables, "1\n 0x1B58 1 14 500 20 5 0 0 0 0\n")},
        {"dos signos", Archivo(kTableros, kTemporizador, kCables, "1\n 7000 1 14 +-500 20 5 0 0 0 0\n")},
        {"número que no cabe", Archivo(kTableros, kTemporizador, kCables, "1\n 7000 1 14 99999999999999999999999 20 5 0 0 0 0\n")},
        {"cuenta negativa", Archivo(kTableros, kTemporizador, "-1\n", kChips)},
        {"demasiados tableros", Archivo("10001\n" + std::string(kTableros).substr(2))},
        {"demasiados cables", Archivo(kTableros, kTemporizador, "10001\n", kChips)},
        {"cable sin rellenos", Archivo(kTableros, kTemporizador, "1\n 255 5 0 0 0 0 0 0 0 0 0 0 0 0 1 3\n")},
        {"temporizador sin indicador", Archivo(kTableros, " sí\n")},
        {"palabras tras el último chip", Archivo() + "0\n"},
        {"tipo de tablero 7", Archivo("3\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 7 110 110 877 276 8 3\n")},
        {"tipo de tablero 9", Archivo("3\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 9 110 110 877 276 8 3\n")},
        {"tipo de tablero negativo", Archivo("3\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n -1 110 110 877 276 8 3\n")},
        {"sin tableros", Archivo("0\n")},
        {"sin temporizador", Archivo("2\n 4 10 175 77 128 0 1\n 0 110 110 877 276 8 3\n")},
        {"sin fuente", Archivo("2\n 5 80 400 206 81 2 2\n 0 110 110 877 276 8 3\n")},
        {"fuente y temporizador cambiados", Archivo("3\n 5 80 400 206 81 2 2\n 4 10 175 77 128 0 1\n 0 110 110 877 276 8 3\n")},
        {"segunda fuente", Archivo("3\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 4 110 110 77 128 8 3\n")},
        {"segundo temporizador", Archivo("3\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 5 110 110 206 81 8 3\n")},
        {"identificador repetido", Archivo("3\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 0 110 110 877 276 8 2\n")},
        {"identificador cero", Archivo("3\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 0 110 110 877 276 8 0\n")},
        {"identificador enorme", Archivo("3\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 0 110 110 877 276 8 2147483647\n")},
        {"tablero lejos de la mesa", Archivo("3\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 0 100000 110 877 276 8 3\n")},
        {"tablero de tamaño absurdo", Archivo("3\n 4 10 175 77 128 0 1\n 5 80 400 206 81 2 2\n 8 0 0 99999 570 0 3\n")},
        {"vértice lejos de la mesa", Archivo(kTableros, kTemporizador, "1\n 255 5 0 0 0 0 0 0 0 -50000 0 0 0 0 0 1 0 3\n")},
        {"cable de anchura 0", Archivo(kTableros, kTemporizador, "1\n 255 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 3\n")},
        {"cable de anchura absurda", Archivo(kTableros, kTemporizador, "1\n 255 1000 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 3\n")},
        {"color negativo", Archivo(kTableros, kTemporizador, "1\n -255 5 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 3\n")},
        {"color de más de 32 bits", Archivo(kTableros, kTemporizador, "1\n 4294967296 5 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 3\n")},
        {"chip lejos de la mesa", Archivo(kTableros, kTemporizador, kCables, "1\n 7000 1 14 99999 20 5 0 0 0 0\n")},
        {"chip de 100 patas", Archivo(kTableros, kTemporizador, kCables, "1\n 7000 1 100 500 20 5 0 0 0 0\n")},
        {"etiqueta que no es 0 ni 1", Archivo(kTableros, kTemporizador, kCables, "1\n 7000 2 14 500 20 5 0 0 0 0\n")},
        {"código de más de 32 bits", Archivo(kTableros, kTemporizador, kCables, "1\n 4294967296 1 14 500 20 5 0 0 0 0\n")},
        {"desplazamiento absurdo", Archivo(kTableros, kTemporizador, kCables, "1\n 7000 1 14 500 20 -1000000 0 0 0 0\n")},
    };
    return casos;
}

TEST(LecturaDeCircuitos, UnArchivoMalformadoSeRechazaSinTocarLaMesa) {
    for (const CasoMalformado& caso : CasosMalformados()) {
        SCOPED_TRACE(caso.nombre);
        MesaOcupada m;
        const int nodoBase = m.mesa.nodoBase();
        const int identificador = m.mesa.nIdentificador();
        EXPECT_EQ(m.Carga(caso.texto), ResultadoDeLectura::Malformado);
        EXPECT_EQ(m.Texto(), m.antes);
        EXPECT_EQ(m.mesa.nodoBase(), nodoBase);
        EXPECT_EQ(m.mesa.nIdentificador(), identificador);
        EXPECT_FALSE(m.mesa.tablero()[2]->DireccionDePuerto(0)->EstaLibre());
        EXPECT_TRUE(m.mesa.componentes()[0].EstaInsertado());
    }
}

TEST(LecturaDeCircuitos, LosSaltosDeLineaYLosBlancosNoImportan) {
    MesaDeArchivos m;
    std::string windows = Archivo();
    for (std::size_t i = windows.find('\n'); i != std::string::npos; i = windows.find('\n', i + 2))
        windows.replace(i, 1, "\r\n");
    EXPECT_EQ(m.Carga(windows), ResultadoDeLectura::Correcto);
    EXPECT_EQ(m.Texto(), Archivo());

    MesaDeArchivos n;
    EXPECT_EQ(n.Carga("Version\t0.9.7 3 4 10 175 77 128 0 1 5 80 400 206 81 2 2\v0 110 110 877 "
                      "276 8 3\f0 1 255 5 0 0 0 0 0 0 0 0 0 0 0 0 0 1 0 3 1 +7000 1 14 500 20 5 "
                      "0 0 0 0"),
              ResultadoDeLectura::Correcto);
    EXPECT_EQ(n.Texto(), Archivo());
}

TEST(LecturaDeCircuitos, LoQueNoEsUnArchivoLegibleNoSeAbre) {
    MesaOcupada m;
    const auto carpeta = std::filesystem::temp_directory_path();
    EXPECT_EQ(RecuperaCircuitoDeArchivo(m.mesa, (carpeta / "velistra-no-existe.txt").string()),
              ResultadoDeLectura::NoSeAbre);
    EXPECT_EQ(RecuperaCircuitoDeArchivo(m.mesa, carpeta.string()), ResultadoDeLectura::NoSeAbre);
    EXPECT_EQ(m.Texto(), m.antes);
}

TEST(LecturaDeCircuitos, LosNodosSiguenAlOrdenDeLosTablerosYLosIdentificadoresAlMayor) {
    MesaOcupada m;
    // Stored node bases are nonsense on purpose; sizes too, which only the PLA keeps.
    ASSERT_EQ(m.Carga(Archivo("7\n"
                              " 4 10 175 77 128 77 1\n"
                              " 5 80 400 206 81 -3 2\n"
                              " 3 300 10 1 1 5000 9\n"
                              " 0 110 110 5 5 1 4\n"
                              " 6 400 600 449 130 0 12\n"
                              " 8 20 30 550 570 0 3\n"
                              " 1 700 10 206 81 8 5\n",
                              kTemporizador, "0\n", "0\n")),
              ResultadoDeLectura::Correcto);
    Mesa& mesa = m.mesa;
    ASSERT_EQ(mesa.tablero().size(), 7u);
    EXPECT_EQ(mesa.fuentedc(), mesa.tablero()[0].get());
    EXPECT_EQ(mesa.reloj(), mesa.tablero()[1].get());
    const int bases[] = {0, 2, 8, 17, 149, 0, 182};
    const int identificadores[] = {1, 2, 9, 4, 12, 3, 5};
    for (std::size_t i = 0; i < mesa.tablero().size(); ++i) {
        SCOPED_TRACE(i);
        Tablero& t = *mesa.tablero()[i];
        EXPECT_EQ(t.NodoBase(), bases[i]);
        EXPECT_EQ(t.Identificador(), identificadores[i]);
        if (t.Tipo() != Tablero::kPLA) {
            EXPECT_EQ(t.DireccionDePuerto(0)->Nodo(), bases[i]);
        }
    }
    EXPECT_EQ(mesa.nodoBase(), 192);
    EXPECT_EQ(mesa.tablero()[3]->Anchura(), 877);
    EXPECT_EQ(mesa.tablero()[3]->Altura(), 276);
    EXPECT_EQ(mesa.tablero()[5]->Anchura(), 550);
    EXPECT_EQ(mesa.tablero()[5]->EsquinaX(), 20);

    Tablero& nuevo = m.Agrega(Tablero::kProtoboard);
    EXPECT_EQ(nuevo.Identificador(), 13);
    EXPECT_EQ(nuevo.NodoBase(), 192);
}

TEST(LecturaDeCircuitos, LaMesaCargadaQuedaApagadaConElTemporizadorComoDiceElArchivo) {
    MesaOcupada m;
    m.Enciende();
    ASSERT_TRUE(m.mesa.bON());
    ASSERT_EQ(m.Carga(Archivo()), ResultadoDeLectura::Correcto);
    EXPECT_FALSE(m.mesa.bON());
    EXPECT_FALSE(dynamic_cast<TableroDeFuenteDC&>(*m.mesa.fuentedc()).EstaEncendida());
    EXPECT_FALSE(dynamic_cast<TableroDeTemporizadores&>(*m.mesa.reloj()).EstaVisible());

    ASSERT_EQ(m.Carga(Archivo(kTableros, " 7\n")), ResultadoDeLectura::Correcto);
    EXPECT_TRUE(dynamic_cast<TableroDeTemporizadores&>(*m.mesa.reloj()).EstaVisible());
    EXPECT_EQ(m.Texto(), Archivo(kTableros, " 1\n"));
}

}  // namespace
}  // namespace velistra
