// What a teacher must be able to trust: a table that compares nothing, or is wrong in
// itself, is refused as the table's fault; reports stay readable whatever the names; and
// the review finds the wiring faults of a whole class without a word on the good circuits.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "CircuitosDeAlumnos.h"
#include "Montaje.h"
#include "support/CarpetaTemporal.h"
#include "tableros/Protoboard.h"
#include "support/Proceso.h"

namespace velistra::prueba {
namespace {

using ejemplos::Montaje;

// One line that names a file: the file is quoted, and shortened when its path is long.
void DiceDeUnArchivo(const std::string& linea, const std::string& antes, const std::string& despues) {
    EXPECT_EQ(linea.rfind(antes + "«", 0), 0u) << linea;
    EXPECT_TRUE(linea.ends_with("»" + despues + "\n")) << linea;
    EXPECT_EQ(std::count(linea.begin(), linea.end(), '\n'), 1) << linea;
}

class Tablas : public ::testing::Test {
protected:
    void SetUp() override { EscribeArchivo(circuito, Semisumador({})); }

    // comprobar against a table with this text.
    ResultadoDelProceso ConTabla(const std::string& texto, std::vector<std::string> mas = {}) {
        EscribeArchivo(tabla, texto);
        std::vector<std::string> orden{"comprobar", circuito, "--tabla", tabla};
        orden.insert(orden.end(), mas.begin(), mas.end());
        return EjecutaCli(orden);
    }

    CarpetaTemporal carpeta;
    const std::string circuito = carpeta.Archivo("alumno.txt");
    const std::string tabla = carpeta.Archivo("t.csv");
};

TEST_F(Tablas, UnaTablaQueNoComparaNadaOQueEstaMalSeRechazaNombrandolaYNoCulpaAlAlumno) {
    const std::pair<std::string, std::string> casos[] = {
        {"int4.0,int4.1,leds5.0\n", "no tiene filas tras la cabecera"},
        {"int4.0,int4.1\n0,0\n", "no tiene ninguna columna de luz (leds... o 7seg...)"},
        {"leds5.0\n0\n", "no tiene ninguna columna de palanca (int...)"},
        {"int4.0,nota\n0,0\n", "la columna nota no es una palanca ni una luz (se espera int4.0, "
                               "leds5.0 o 7seg6.0a)"},
        {"int4.0,leds5.8\n0,0\n", "la columna leds5.8 no es una palanca ni una luz (se espera "
                                  "int4.0, leds5.0 o 7seg6.0a)"},
        {std::string("int4.0,leds5.0\0x\n0,0\n", 20), "la columna 2 de la cabecera lleva un carácter de control"},
    };
    for (const auto& [texto, porque] : casos) {
        const ResultadoDelProceso r = ConTabla(texto);
        EXPECT_EQ(r.codigo, 1) << porque;
        EXPECT_EQ(r.salida, "");
        DiceDeUnArchivo(r.errores, "velistra-cli: la tabla ", " no sirve: " + porque);
    }
    // The same in English, and the reference circuit that has no lamp to compare.
    DiceDeUnArchivo(ConTabla("int4.0\n0\n", {"--idioma", "en"}).errores, "velistra-cli: the table ",
                    " is of no use: it has no light column (leds... or 7seg...)");
    Montaje sinLuces;
    const auto [p, palancas, leds] = sinLuces.ConLamparas(Tablero::kInterruptores);
    const ChipColocado y = sinLuces.InsertaAlimentado(7008, p, 4, 7, 14);
    sinLuces.CableaTira(palancas, 0, y, 1);
    sinLuces.AlimentaTiras(p, palancas);
    EscribeArchivo(carpeta.Archivo("ref.txt"), sinLuces.Texto());
    const ResultadoDelProceso r = EjecutaCli({"comprobar", circuito, "--referencia", carpeta.Archivo("ref.txt")});
    EXPECT_EQ(r.codigo, 1);
    DiceDeUnArchivo(r.errores, "velistra-cli: ",
                    ": el circuito de referencia no tiene luces cableadas: no hay nada que comparar");
}

TEST_F(Tablas, LaTablaDeUnaHojaDeCalculoSeLeeComoSeEscribeYDiceCuantoCompara) {
    // A byte-order mark, quoted names and cells, lamps first, CRLF: the half adder's table.
    const std::string hoja =
        "\xEF\xBB\xBF\"leds5.1\",\"leds5.0\",\"int4.0\",int4.1\r\n0,0,0,0\r\n0,1,\"1\",0\r\n0,1,0,1\r\n1,0,1,1\r\n";
    const ResultadoDelProceso bien = ConTabla(hoja);
    EXPECT_EQ(bien.codigo, 0) << bien.salida << bien.errores;
    EXPECT_NE(bien.salida.find("Se comparan 4 filas de las 4 combinaciones de las palancas.\nResumen: "),
              std::string::npos)
        << bien.salida;
    // A spreadsheet set for a decimal comma separates with semicolons.
    EXPECT_EQ(ConTabla("int4.0;int4.1;leds5.0\n0;0;0\n1;1;0\n").codigo, 0);
    EXPECT_EQ(ConTabla("int4.0;int4.1;leds5.0\n0;0;0\n1;1;1\n").codigo, 4);
    // Two rows of four: compared and said; refused with --completa.
    const std::string mitad = "int4.0,int4.1,leds5.0\n0,0,0\n1,1,0\n";
    const ResultadoDelProceso parcial = ConTabla(mitad, {"--json"});
    EXPECT_EQ(parcial.codigo, 0);
    EXPECT_NE(parcial.salida.find("],\"tabla\":{\"filas\":2,\"combinaciones\":4},\"resumen\":"), std::string::npos)
        << parcial.salida;
    const ResultadoDelProceso completa = ConTabla(mitad, {"--completa"});
    EXPECT_EQ(completa.codigo, 1);
    DiceDeUnArchivo(completa.errores, "velistra-cli: la tabla ",
                    " no sirve: tiene 2 de las 4 combinaciones de sus palancas (--completa)");
    // A board of another kind is said as such, not as an unwired lever.
    const ResultadoDelProceso otra = ConTabla("int5.0,leds4.0\n0,0\n");
    EXPECT_EQ(otra.codigo, 4);
    EXPECT_NE(otra.salida.find("incorrecto: la columna int5.0 no sirve: el tablero 5 no es de interruptores; "
                               "la columna leds4.0 no sirve: el tablero 4 no es de leds"),
              std::string::npos)
        << otra.salida;
    // A table past the size limit is a large file, not an irregular one.
    std::filesystem::resize_file(tabla, 0);
    std::filesystem::resize_file(tabla, 33 * 1024 * 1024);
    const ResultadoDelProceso grande = EjecutaCli({"comprobar", circuito, "--tabla", tabla});
    EXPECT_EQ(grande.codigo, 1);
    DiceDeUnArchivo(grande.errores, "velistra-cli: no se puede leer la tabla ", ": pasa de 32 MB");
}

TEST_F(Tablas, LosInformesSonUtf8ValidoAunqueElNombreDelArchivoNoLoSea) {
    // "función.txt" written in Latin-1, as an old file system keeps it.
    const std::string latino = carpeta.Archivo("funci\xF3n.txt");
    EscribeArchivo(latino, Semisumador({}));
    EscribeArchivo(tabla, "int4.0,int4.1,leds5.0\n0,0,0\n");
    const ResultadoDelProceso json = EjecutaCli({"comprobar", latino, "--tabla", tabla, "--json"});
    EXPECT_NE(json.salida.find("funci\xC3\xB3n.txt\",\"resultado\":\"correcto\""), std::string::npos) << json.salida;
    const ResultadoDelProceso csv = EjecutaCli({"comprobar", latino, "--tabla", tabla, "--csv"});
    EXPECT_NE(csv.salida.find("funci\xC3\xB3n.txt\",correcto,1,0"), std::string::npos) << csv.salida;
    EXPECT_EQ(json.salida.find('\xF3'), std::string::npos);
    EXPECT_EQ(csv.salida.find('\xF3'), std::string::npos);
}

TEST(ArchivoDeFallos, SeAceptaLaMarcaDeOrdenYUnaPatillaDosVecesSeRechazaConSusDosLineas) {
    CarpetaTemporal carpeta;
    const std::string circuito = carpeta.Archivo("c.txt");
    EscribeArchivo(circuito, Semisumador({}));
    const std::string fallos = carpeta.Archivo("c.fallos");
    const std::string guion = "encender\ninterruptor 4 0 1\nmostrar\n";
    EscribeArchivo(fallos, "\xEF\xBB\xBFpatilla 1 3 0\r\n");
    const ResultadoDelProceso bien = EjecutaCli({"simular", circuito, "--fallos", fallos}, guion);
    EXPECT_EQ(bien.codigo, 0) << bien.errores;
    EXPECT_EQ(bien.salida, "leds 5: 00000000\n");
    for (const auto& [texto, error] :
         {std::pair<std::string, std::string>{"patilla 1 6 1\n# otra\npatilla 1 6 0\n",
                                              ":3: la patilla 6 del chip 1 ya tiene su fallo en la línea 1\n"},
          {"cable 2 abierto\ncable 2 abierto\n", ":2: el cable 2 ya tiene su fallo en la línea 1\n"}}) {
        EscribeArchivo(fallos, texto);
        const ResultadoDelProceso r = EjecutaCli({"simular", circuito, "--fallos", fallos}, guion);
        EXPECT_EQ(r.codigo, 1);
        EXPECT_EQ(r.errores, fallos + error);
    }
}

TEST(RegistroVcd, UnCanalLlamadoComoUnaPalabraClaveSigueSiendoUnNombre) {
    CarpetaTemporal carpeta;
    const std::string circuito = carpeta.Archivo("c.txt");
    EscribeArchivo(circuito, Semisumador({}));
    const std::string vcd = carpeta.Archivo("r.vcd");
    const ResultadoDelProceso r = EjecutaCli({"simular", circuito, "--vcd", vcd},
                                             "encender\nregistrar 5 0 $end\nregistrar 5 1 a\xF3\ntic\n");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    const std::string texto = LeeArchivo(vcd);
    EXPECT_NE(texto.find("$var wire 1 A _$end $end\n$var wire 1 B a_ $end\n"), std::string::npos) << texto;
    Lanzamiento convierte;
    convierte.programa = VELISTRA_VCD2FST;
    convierte.argumentos = {vcd, carpeta.Archivo("r.fst")};
    EXPECT_EQ(Ejecuta(convierte).codigo, 0);
    convierte.programa = VELISTRA_FST2VCD;
    convierte.argumentos = {carpeta.Archivo("r.fst")};
    EXPECT_NE(Ejecuta(convierte).salida.find("_$end"), std::string::npos);
}

// ---- The review on a class ------------------------------------------------------------

enum class Error { Ninguno, EntradaSuelta, SinVcc, SinGnd, ChipSuelto };

struct Planta {
    Error error = Error::Ninguno;
    // Where the chips go, so that no two circuits are laid out alike.
    int columna = 4;
};

// What revisar must say of a planted mistake: the finding's kind, chip and pin.
struct Esperado {
    std::string clase;
    int chip = 0;
    int pin = 0;
};

// An exercise of the class: its chips (14 pins, GND on 7 and VCC on 14) with their
// columns from the first, the signal wiring, and where each planted mistake falls.
struct Ejercicio {
    std::vector<std::pair<long, int>> chips;
    // Lays the signal wires; leaves out the one that makes `suelta` float when asked to.
    void (*cablea)(Montaje& m, const ejemplos::BancoConLamparas& banco,
                   const std::vector<ChipColocado>& chips, bool dejaSuelta);
    Esperado suelta;
    int sinVcc = 0;
    int sinGnd = 0;
};

// A full adder: XOR, AND, OR; A, B, Cin on levers 0-2, sum and carry on lamps 0 and 1.
void CableaSumador(Montaje& m, const ejemplos::BancoConLamparas& b, const std::vector<ChipColocado>& c,
                   bool dejaSuelta) {
    const ChipColocado &xor_ = c[0], &and_ = c[1], &or_ = c[2];
    for (const auto& [palanca, chip, pin] : {std::tuple{0, xor_, 1}, {1, xor_, 2}, {2, xor_, 5},
                                             {0, and_, 1}, {1, and_, 2}})
        m.CableaTira(b.entradas, palanca, chip, pin);
    m.Une(xor_, 3, xor_, 4);
    m.Une(xor_, 3, and_, 4);
    if (!dejaSuelta) m.CableaTira(b.entradas, 2, and_, 5);
    m.Une(and_, 3, or_, 1);
    m.Une(and_, 6, or_, 2);
    m.CableaPuerto(b.leds, 0, xor_, 6);
    m.CableaPuerto(b.leds, 1, or_, 3);
}

// A 2-to-4 decoder: A and B on levers 0 and 1 through a 7404, four AND gates to lamps
// 0-3: Y0 = /A /B, Y1 = A /B, Y2 = /A B, Y3 = A B.
void CableaDescodificador(Montaje& m, const ejemplos::BancoConLamparas& b,
                          const std::vector<ChipColocado>& c, bool dejaSuelta) {
    const ChipColocado &no = c[0], &y = c[1];
    for (const auto& [palanca, chip, pin] : {std::tuple{0, no, 1}, {1, no, 3}, {0, y, 4}, {0, y, 12}, {1, y, 13}})
        m.CableaTira(b.entradas, palanca, chip, pin);
    for (const auto& [desde, hasta] : {std::pair{2, 1}, {4, 2}, {4, 5}, {2, 9}}) m.Une(no, desde, y, hasta);
    if (!dejaSuelta) m.CableaTira(b.entradas, 1, y, 10);
    for (const auto& [lampara, pin] : {std::pair{0, 3}, {1, 6}, {2, 8}, {3, 11}}) m.CableaPuerto(b.leds, lampara, y, pin);
}

const Ejercicio kSumador{{{7086, 0}, {7008, 9}, {7032, 18}}, &CableaSumador, {"entrada-al-aire", 2, 5}, 3, 2};
const Ejercicio kDescodificador{{{7004, 0}, {7008, 10}}, &CableaDescodificador, {"entrada-al-aire", 2, 10}, 2, 1};

// The student's circuit, and in `esperado` what revisar must say of its mistake.
std::string Monta(const Ejercicio& ejercicio, const Planta& planta, Esperado& esperado) {
    Montaje m;
    const ejemplos::BancoConLamparas banco = m.ConLamparas(Tablero::kInterruptores);
    std::vector<ChipColocado> chips;
    for (const auto& [codigo, columna] : ejercicio.chips) {
        chips.push_back(m.Inserta(codigo, banco.protoboard, planta.columna + columna));
        const int n = static_cast<int>(chips.size());
        if (planta.error != Error::SinGnd || n != ejercicio.sinGnd) m.PinAGnd(chips.back(), 7);
        if (planta.error != Error::SinVcc || n != ejercicio.sinVcc) m.PinAVcc(chips.back(), 14);
    }
    ejercicio.cablea(m, banco, chips, planta.error == Error::EntradaSuelta);
    m.AlimentaTiras(banco.protoboard, banco.entradas);
    m.PuertoAGnd(banco.protoboard, banco.leds, 8);
    if (planta.error == Error::ChipSuelto) m.Deja(7000, {900, 700});
    const int n = static_cast<int>(chips.size());
    switch (planta.error) {
        case Error::EntradaSuelta: esperado = ejercicio.suelta; break;
        case Error::SinVcc: esperado = {"sin-alimentacion", ejercicio.sinVcc, 14}; break;
        case Error::SinGnd: esperado = {"sin-alimentacion", ejercicio.sinGnd, 7}; break;
        case Error::ChipSuelto: esperado = {"chip-sin-enchufar", n + 1, 0}; break;
        case Error::Ninguno: break;
    }
    return m.Texto();
}

std::string Hallazgo(const Esperado& e) {
    return "{\"clase\":\"" + e.clase + "\",\"tablero\":3,\"chip\":" + std::to_string(e.chip) +
           ",\"pin\":" + std::to_string(e.pin) + ",\"cable\":-1,";
}

TEST(RevisarUnaClase, CadaFalloPlantadoSeEncuentraYLosCircuitosBuenosNoDanNada) {
    CarpetaTemporal carpeta;
    std::size_t circuitos = 0;
    for (const Ejercicio* ejercicio : {&kSumador, &kDescodificador}) {
        for (const Error error : {Error::Ninguno, Error::EntradaSuelta, Error::SinVcc, Error::SinGnd,
                                  Error::ChipSuelto}) {
            for (const int columna : {2, 4, 6}) {
                Esperado esperado;
                const std::string archivo = carpeta.Archivo("alumno" + std::to_string(++circuitos) + ".txt");
                EscribeArchivo(archivo, Monta(*ejercicio, {error, columna}, esperado));
                const ResultadoDelProceso r = EjecutaCli({"revisar", archivo, "--json"});
                SCOPED_TRACE(archivo);
                if (error == Error::Ninguno) {
                    EXPECT_EQ(r.codigo, 0);
                    EXPECT_EQ(r.salida, "");
                    continue;
                }
                EXPECT_EQ(r.codigo, 4);
                // The loose chip's finding has no breadboard: its board is 0.
                std::string linea = Hallazgo(esperado);
                if (error == Error::ChipSuelto) linea.replace(linea.find("\"tablero\":3"), 11, "\"tablero\":0");
                EXPECT_EQ(r.salida.rfind(linea, 0), 0u) << r.salida;
                EXPECT_EQ(std::count(r.salida.begin(), r.salida.end(), '\n'), 1) << r.salida;
            }
        }
    }
    EXPECT_EQ(circuitos, 30u);
}

TEST(RevisarUnaClase, LoQueLaPruebaDeTodoACeroOTodoAUnoNoVeiaSeEncuentra) {
    CarpetaTemporal carpeta;
    const std::string archivo = carpeta.Archivo("c.txt");
    // A 74283 with A2..A4 tied high and B2..B4 floating: the carry comes out wrong.
    Montaje m;
    const auto [p, palancas, leds] = m.ConLamparas(Tablero::kInterruptores);
    const ChipColocado suma = m.InsertaAlimentado(7283, p, 4, 8, 16);
    m.CableaTira(palancas, 0, suma, 5);
    m.CableaTira(palancas, 1, suma, 6);
    m.PinAGnd(suma, 7);
    for (const int a : {3, 14, 12}) m.PinAVcc(suma, a);
    m.CableaPuerto(leds, 0, suma, 9);
    m.AlimentaTiras(p, palancas);
    m.PuertoAGnd(p, leds, 8);
    // A 7483 whose VCC pin (5) reaches nothing: its model would work, a real chip would not.
    const ChipColocado otro = m.Inserta(7083, p, 14);
    m.PinAGnd(otro, 12);
    EscribeArchivo(archivo, m.Texto());
    const ResultadoDelProceso r = EjecutaCli({"revisar", archivo});
    EXPECT_EQ(r.codigo, 4);
    for (const char* linea : {"chip 74LS283 (n.º 1), patilla 2: entrada al aire",
                              "chip 74LS283 (n.º 1), patilla 11: entrada al aire",
                              "chip 74LS283 (n.º 1), patilla 15: entrada al aire",
                              "chip 74LS83 (n.º 2), patilla 5: la alimentación no llega"})
        EXPECT_NE(r.salida.find(linea), std::string::npos) << r.salida;
    // The chip left loose says why it is not in.
    const ResultadoDelProceso suelto = EjecutaCli({"revisar", [&] {
        EscribeArchivo(archivo, Semisumador({.chipSuelto = true}));
        return archivo;
    }()});
    EXPECT_EQ(suelto.salida, "chip 74LS00 (n.º 3): no está enchufado en la protoboard (en 900, 700). "
                             "El chip no quedó sobre una protoboard.\n1 hallazgo\n");
    // One whose output would fall on a strip a lever already drives (only a file holds
    // that wire) stays out when the file is read, and says so.
    Montaje excitada;
    const auto [p2, palancas2, leds2] = excitada.ConLamparas(Tablero::kInterruptores);
    const ChipColocado inversor = excitada.InsertaAlimentado(7004, p2, 20, 7, 14);
    excitada.AlimentaTiras(p2, palancas2);
    // Pin 2 is on the lower row, one column right of pin 1.
    excitada.UneComoUnArchivo(palancas2, 9, p2, Protoboard::kPrimerPuertoInferior +
                                                    Protoboard::kFilas * (inversor.columna + 1) + 4);
    EscribeArchivo(archivo, excitada.Texto());
    const ResultadoDelProceso r2 = EjecutaCli({"revisar", archivo});
    EXPECT_NE(r2.salida.find("chip 74LS04 (n.º 1): no está enchufado en la protoboard (en "), std::string::npos)
        << r2.salida;
    EXPECT_NE(r2.salida.find("). Una salida del chip caería en una tira que ya recibe un nivel.\n1 hallazgo\n"),
              std::string::npos)
        << r2.salida;
}

}  // namespace
}  // namespace velistra::prueba
