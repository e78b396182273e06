#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "chips/Catalogo.h"
#include "chips/CircuitoElectronico.h"
#include "chips/EsquemaDePuertas.h"
#include "chips/Patillaje.h"
#include "chips/Prototipos.h"
#include "chips/Puertas.h"
#include "plataforma/CatalogoDeTextos.h"
#include "sesion/Sesion.h"
#include "sesion/TablaDeComandos.h"

namespace velistra {
namespace {

int Cuenta(const char* texto, char c) {
    return static_cast<int>(std::count(texto, texto + std::strlen(texto), c));
}

TEST(Catalogo, CodigosUnicosYDerivadosDelModelo) {
    ASSERT_EQ(Catalogo().size(), 88u);
    std::set<int> codigosDeCatalogo;
    std::set<long> codigosDeModelo;
    int anterior = 0;
    for (const FichaDeChip& ficha : Catalogo()) {
        SCOPED_TRACE(ficha.clase);
        EXPECT_TRUE(codigosDeCatalogo.insert(ficha.codigoDeCatalogo).second);
        EXPECT_TRUE(codigosDeModelo.insert(ficha.codigoDeModelo).second);
        EXPECT_EQ(CodigoDeCatalogo(ficha.codigoDeModelo), ficha.codigoDeCatalogo);
        EXPECT_GT(ficha.codigoDeCatalogo, anterior) << "el catálogo va en orden de código";
        anterior = ficha.codigoDeCatalogo;
        // The class name is "Chip" and the model number, with the two revised parts' suffix.
        const std::string modelo = std::to_string(ficha.codigoDeModelo);
        const std::string sufijo = (modelo == "7476" || modelo == "7483") ? "A" : "";
        EXPECT_EQ(std::string(ficha.clase), "Chip" + modelo + sufijo);
        EXPECT_EQ(FichaDeCatalogo(ficha.codigoDeCatalogo), &ficha);
    }
    EXPECT_EQ(FichaDeCatalogo(7400), nullptr);
    EXPECT_EQ(FichaDeCatalogo(0), nullptr);
}

std::vector<std::string_view> Nombres(std::string_view texto) {
    std::vector<std::string_view> nombres;
    for (std::size_t fin = 0; fin != std::string_view::npos; texto.remove_prefix(fin + 1)) {
        fin = texto.find(' ');
        nombres.push_back(texto.substr(0, fin));
        if (fin == std::string_view::npos) break;
    }
    return nombres;
}

// Everything the program offers of a chip comes from its row alone: a row added with
// nothing else must give a working chip, its menu entry, its pinout and its description.
TEST(Catalogo, CadaFilaDaChipEntradaDeMenuPatillajeYDescripcion) {
    std::set<const CircuitoElectronico*> prototipos;
    for (const FichaDeChip& ficha : Catalogo()) {
        SCOPED_TRACE(ficha.clase);
        const int codigo = ficha.codigoDeCatalogo;

        const CircuitoElectronico* chip = ChipTTL(codigo);
        ASSERT_NE(chip, nullptr);
        EXPECT_TRUE(prototipos.insert(chip).second) << "un prototipo por fila";
        EXPECT_EQ(chip->Codigo(), ficha.codigoDeModelo);
        EXPECT_EQ(chip->NumeroDePines(), ficha.pines);
        EXPECT_EQ(chip->NumeroDeEstados(), ficha.estados);
        EXPECT_EQ(std::string(chip->TiposDePines() + 1, ficha.pines), ficha.tipos);
        EXPECT_NE(ficha.calculo.puertas == nullptr, ficha.calculo.crea == nullptr)
            << "lo calcula un esquema de puertas o una clase, no ambos";

        const FilaDeComando* fila = FilaDeComandoDe(codigo);
        ASSERT_NE(fila, nullptr);
        EXPECT_EQ(fila->menu, MenuDeLaBarra::CircuitosTTL);
        EXPECT_STREQ(fila->submenu, ficha.grupo);
        EXPECT_STREQ(fila->texto, ficha.texto);
        EXPECT_TRUE(Sesion::EsSuyo(codigo));

        const std::vector<std::string_view> nombres = Nombres(ficha.nombres);
        EXPECT_EQ(static_cast<int>(nombres.size()), ficha.pines) << ficha.nombres;
        for (int pin = 1; pin <= ficha.pines && pin <= static_cast<int>(nombres.size()); ++pin) {
            EXPECT_FALSE(nombres[pin - 1].empty()) << "patilla " << pin;
            EXPECT_EQ(NombreDePatilla(codigo, pin), nombres[pin - 1]) << "patilla " << pin;
        }

        const std::string_view descripcion = DescripcionDeChip(codigo);
        EXPECT_FALSE(descripcion.empty());
        const std::string ingles = Traduce(Idioma::Ingles, descripcion);
        EXPECT_FALSE(ingles.empty());
        EXPECT_NE(ingles, descripcion) << "sin traducción al inglés";
    }
    // Each family's list is its rows', so the lists together are the catalogue.
    std::set<const CircuitoElectronico*> enFamilias;
    for (ListaDePrototipos lista : {PrototiposDePuertas(), PrototiposCombinacionales(),
                                    PrototiposBiestables(), PrototiposContadores()})
        enFamilias.insert(lista.begin(), lista.end());
    EXPECT_EQ(enFamilias, prototipos);
}

// A gate chip is its scheme: every gate reads input pins and drives an output pin of the
// row's pin types, powered from the row's ground and supply pins. A scheme copied from
// another chip with another pinout fails here before a circuit shows it.
TEST(Catalogo, LosEsquemasDePuertasConcuerdanConLosTiposDePatilla) {
    int chipsDePuertas = 0;
    for (const FichaDeChip& ficha : Catalogo()) {
        const EsquemaDePuertas* esquema = ficha.calculo.puertas;
        EXPECT_EQ(esquema != nullptr, ficha.calculo.familia == FamiliaDeChip::Puertas);
        if (esquema == nullptr) continue;
        SCOPED_TRACE(ficha.clase);
        ++chipsDePuertas;
        const auto tipo = [&](int pin) {
            return pin >= 1 && pin <= ficha.pines ? ficha.tipos[pin - 1] : '?';
        };
        EXPECT_EQ(tipo(esquema->tierra), 'G');
        EXPECT_EQ(tipo(esquema->alimentacion), 'V');
        std::set<int> leidas;
        std::set<int> excitadas;
        for (const Puerta& puerta : esquema->puertas) {
            EXPECT_EQ(tipo(puerta.salida), 'S') << "salida " << puerta.salida;
            EXPECT_TRUE(excitadas.insert(puerta.salida).second) << "salida " << puerta.salida;
            for (const Grupo& grupo : puerta.grupos) {
                for (int pin : grupo) {
                    if (pin == 0) break;
                    EXPECT_EQ(tipo(pin), 'E') << "entrada " << pin;
                    leidas.insert(pin);
                }
            }
        }
        // Every input and output pin of the chip belongs to some gate.
        for (int pin = 1; pin <= ficha.pines; ++pin) {
            if (tipo(pin) == 'E') {
                EXPECT_TRUE(leidas.contains(pin)) << "entrada suelta " << pin;
            }
            if (tipo(pin) == 'S') {
                EXPECT_TRUE(excitadas.contains(pin)) << "salida suelta " << pin;
            }
        }
        EXPECT_NE(dynamic_cast<const ChipDePuertas*>(ChipTTL(ficha.codigoDeCatalogo)), nullptr);
    }
    EXPECT_EQ(static_cast<std::size_t>(chipsDePuertas), PrototiposDePuertas().size());
}

TEST(Catalogo, TiposDePinesYAlimentacion) {
    const std::set<std::string> alimentadosComoEntradas = {"Chip7483A", "Chip74164", "Chip74166",
                                                           "Chip74191"};
    for (const FichaDeChip& ficha : Catalogo()) {
        SCOPED_TRACE(ficha.clase);
        EXPECT_EQ(static_cast<int>(std::strlen(ficha.tipos)), ficha.pines);
        EXPECT_TRUE(ficha.pines == 14 || ficha.pines == 16 || ficha.pines == 20 ||
                    ficha.pines == 24);
        EXPECT_GE(ficha.estados, 0);
        EXPECT_LE(ficha.estados, 16);
        EXPECT_LE(ficha.pines + ficha.estados, CircuitoElectronico::kMaximoDeEntradas);
        EXPECT_EQ(std::strspn(ficha.tipos, "ESVGN"), std::strlen(ficha.tipos));
        const int esperado = alimentadosComoEntradas.contains(ficha.clase) ? 0 : 1;
        EXPECT_EQ(Cuenta(ficha.tipos, 'V'), esperado);
        EXPECT_EQ(Cuenta(ficha.tipos, 'G'), esperado);
        EXPECT_GE(Cuenta(ficha.tipos, 'S'), 1);
    }
}

TEST(Catalogo, EstadoInicialPropioSoloDondeSeDeclara) {
    const std::set<int> conEstadoInicial = {7073, 7075, 7090, 7092, 7093, 7095, 7160, 7161, 7162,
                                            7163, 7165, 7168, 7169, 7170, 7190, 7191, 7194, 7195};
    for (const FichaDeChip& ficha : Catalogo()) {
        SCOPED_TRACE(ficha.clase);
        EXPECT_EQ(ficha.sobrescribeEstadoInicial,
                  conEstadoInicial.contains(ficha.codigoDeCatalogo));
        // A chip without its own switch-on values must leave the cleared table alone.
        const CircuitoElectronico* chip = ChipTTL(ficha.codigoDeCatalogo);
        ASSERT_NE(chip, nullptr);
        if (ficha.sobrescribeEstadoInicial) continue;
        bool valores[CircuitoElectronico::kEntradasDeTabla] = {};
        chip->EstadoInicial(valores);
        EXPECT_EQ(std::count(std::begin(valores), std::end(valores), true), 0);
    }
}

TEST(Catalogo, Etiquetas) {
    EXPECT_EQ(EtiquetaDeChip(7000), "74LS00");
    EXPECT_EQ(EtiquetaDeChip(7008), "74LS08");
    EXPECT_EQ(EtiquetaDeChip(7009), "74LS09");
    EXPECT_EQ(EtiquetaDeChip(7010), "74LS10");
    EXPECT_EQ(EtiquetaDeChip(7042), "74LS42");
    EXPECT_EQ(EtiquetaDeChip(7076), "74LS76");
    EXPECT_EQ(EtiquetaDeChip(7083), "74LS83");
    EXPECT_EQ(EtiquetaDeChip(7107), "74LS107");
    EXPECT_EQ(EtiquetaDeChip(7669), "74LS669");
}

TEST(Catalogo, GruposDelMenu) {
    const std::set<std::string> esperados = {
        "Puertas básicas > And",
        "Puertas básicas > Nand",
        "Puertas básicas > Not",
        "Puertas básicas > Nor",
        "Puertas básicas > Or",
        "Puertas básicas > Xor",
        "Puertas básicas > And - Or - Invert",
        "Combinacionales > Codificadores",
        "Combinacionales > Descodificadores",
        "Combinacionales > Multiplexores",
        "Combinacionales > ALU",
        "Combinacionales > Generador de paridad",
        "Combinacionales > Comparador",
        "Combinacionales > Sumadores",
        "Memoria",
        "Secuenciales > Flip-flops",
        "Secuenciales > Registros > con Latches",
        "Secuenciales > Registros > con Flip-flops",
        "Secuenciales > Registros > de desplazamiento",
        "Secuenciales > Contadores > Asíncronos",
        "Secuenciales > Contadores > Síncronos",
    };
    std::set<std::string> grupos;
    for (const FichaDeChip& ficha : Catalogo()) grupos.insert(ficha.grupo);
    EXPECT_EQ(grupos, esperados);
}

// The review takes a chip the catalogue calls stateless for logic whose outputs follow
// its inputs alone: a feedback loop through it is one without a flip-flop. Each such
// chip, powered, must answer the same inputs the same way whatever its outputs held.
TEST(Catalogo, LosChipsSinEstadoDependenSoloDeSusEntradas) {
    std::set<int> sinEstado;
    unsigned semilla = 12345;
    for (const FichaDeChip& ficha : Catalogo()) {
        if (GuardaEstado(ficha)) continue;
        sinEstado.insert(ficha.codigoDeCatalogo);
        SCOPED_TRACE(ficha.clase);
        const CircuitoElectronico& chip = *ChipTTL(ficha.codigoDeCatalogo);
        const char* tipos = chip.TiposDePines();
        for (int vuelta = 0; vuelta < 64; ++vuelta) {
            bool antes[2][CircuitoElectronico::kEntradasDeTabla] = {};
            for (int i = 1; i <= chip.NumeroDePines(); ++i) {
                semilla = semilla * 1103515245u + 12345u;
                const bool entrada = (semilla >> 16 & 1) != 0;
                for (int k = 0; k < 2; ++k) {
                    bool& v = antes[k][i];
                    v = tipos[i] == 'V' || (tipos[i] == 'E' && entrada) || (tipos[i] == 'S' && k == 1);
                }
            }
            chip.Funcion(antes[0]);
            chip.Funcion(antes[1]);
            for (int i = 1; i <= chip.NumeroDePines(); ++i) {
                if (tipos[i] == 'S') {
                    EXPECT_EQ(antes[0][i], antes[1][i]) << "patilla " << i;
                }
            }
        }
    }
    // The latches, counters and registers are told by their menu group, and the decoder and
    // the multiplexers with a storage stage by their state entries.
    EXPECT_FALSE(sinEstado.contains(7279));
    EXPECT_FALSE(sinEstado.contains(7075));
    EXPECT_FALSE(sinEstado.contains(7137));
    EXPECT_FALSE(sinEstado.contains(7298));
    EXPECT_TRUE(sinEstado.contains(7181));
    EXPECT_TRUE(sinEstado.contains(7000));
}

TEST(CircuitoElectronico, ConstruccionDesdeLiteral) {
    // The literal carries a leading blank so that character i is pin i.
    const CircuitoElectronico chip(7400, 14, 0, " EESEESGSEESEEV");
    EXPECT_EQ(chip.NumeroDePines(), 14);
    EXPECT_EQ(chip.NumeroDeEstados(), 0);
    EXPECT_EQ(chip.Codigo(), 7400);
    EXPECT_EQ(chip.TiposDePines()[1], 'E');
    EXPECT_EQ(chip.TiposDePines()[3], 'S');
    EXPECT_EQ(chip.TiposDePines()[7], 'G');
    EXPECT_EQ(chip.TiposDePines()[14], 'V');
    for (int i = 1; i <= 14; ++i) EXPECT_EQ(chip.EstadosDePines()[i], 'Z') << i;

    bool valores[CircuitoElectronico::kEntradasDeTabla] = {};
    valores[1] = true;
    EXPECT_FALSE(chip.Funcion(valores));
    EXPECT_TRUE(valores[1]);
    EXPECT_EQ(std::count(std::begin(valores), std::end(valores), true), 1);
}

TEST(CircuitoElectronico, DemasiadasEntradasDejanElChipVacio) {
    const std::string tipos(51, 'E');
    const CircuitoElectronico excesivo(7400, 50, 13, tipos.c_str());
    EXPECT_EQ(excesivo.NumeroDePines(), 0);
    EXPECT_EQ(excesivo.NumeroDeEstados(), 0);
    EXPECT_EQ(excesivo.Codigo(), 7400);

    const CircuitoElectronico justo(7400, 49, 13, tipos.c_str());
    EXPECT_EQ(justo.NumeroDePines(), 49);
    EXPECT_EQ(justo.NumeroDeEstados(), 13);
}

TEST(CircuitoElectronico, ConstruccionDesdeElCatalogo) {
    // The catalogue string starts at pin 1; the tables stay 1-based.
    EXPECT_EQ(ci7400.NumeroDePines(), 14);
    EXPECT_EQ(ci7400.TiposDePines()[1], 'E');
    EXPECT_EQ(ci7400.TiposDePines()[3], 'S');
    EXPECT_EQ(ci7400.TiposDePines()[14], 'V');
    EXPECT_EQ(ci74133.TiposDePines()[8], 'G');
    EXPECT_EQ(ci74133.TiposDePines()[16], 'V');
    EXPECT_EQ(ci74133.EstadosDePines()[16], 'Z');
    EXPECT_THROW(CircuitoElectronico(7400), std::logic_error);
}

TEST(ChipTTL, ResponsePorCodigoDeCatalogo) {
    EXPECT_EQ(ChipTTL(7000), &ci7400);
    EXPECT_EQ(ChipTTL(7004), &ci7404);
    EXPECT_EQ(ChipTTL(7386), &ci74386);
    EXPECT_EQ(ChipTTL(7400), nullptr);
    EXPECT_EQ(ChipTTL(4001), nullptr);
    EXPECT_EQ(ChipTTL(4051), nullptr);
    EXPECT_EQ(ChipTTL(0), nullptr);
    EXPECT_EQ(ChipTTL(-7000), nullptr);
}

}  // namespace
}  // namespace velistra
