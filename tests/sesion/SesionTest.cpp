// Whole sessions as a student plays them: boards from the menu, dragged into place by
// their handles, wires drawn terminal to terminal, a chip dragged onto the breadboard,
// the supply switched on with its own switch, levers flipped and lamps read.
#include <gtest/gtest.h>

#include <sstream>

#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeTemporizadores.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/PiezasDeLaMesa.h"
#include "sesion/Sesion.h"
#include "support/LienzoDePrueba.h"
#include "support/CarpetaTemporal.h"
#include "support/DialogosDePrueba.h"
#include "Estudiante.h"

namespace velistra {
namespace {

using namespace prueba::donde;

// Where the student puts each board.
constexpr Punto kProtoboard{300, 100};
constexpr Punto kInterruptores{300, 450};
constexpr Punto kLeds{600, 450};
// The 7408 goes in with its pin 1 in lower column 2; it is grabbed 40 right of and
// 20 below its corner.
constexpr int kColumnaDelChip = 2;
constexpr Punto kAgarreDelChip{40, 20};

// A 7408 fed from the supply; levers 0 and 1 on the first gate's inputs, its output on
// lamp 0. Every step goes through the mouse and the menu.
class SesionDeEstudiante : public ::testing::Test {
protected:
    Tablero& Agrega(int id) {
        sesion.Ejecuta(id);
        return *sesion.mesa.tablero().back();
    }
    Tablero& Fuente() { return *sesion.mesa.fuentedc(); }
    TableroDeLeds& Leds() { return dynamic_cast<TableroDeLeds&>(*leds); }
    Componente& Chip() { return sesion.mesa.componentes()[0]; }
    std::size_t Cables() const { return sesion.mesa.cables().Lista().size(); }

    void ArmaCircuito() {
        protoboard = &Agrega(comandos::kProtoboard);
        interruptores = &Agrega(comandos::kInterruptores);
        leds = &Agrega(comandos::kLeds);
        // New boards land on top of each other: the student spreads them out.
        yo.LlevaTablero(*protoboard, MarcadorDeProtoboard(*protoboard), kProtoboard);
        yo.LlevaTablero(*interruptores, MarcadorDeTiras(*interruptores), kInterruptores);
        yo.LlevaTablero(*leds, MarcadorDeLeds(*leds), kLeds);
        ASSERT_EQ(protoboard->EsquinaX(), kProtoboard.x);
        ASSERT_EQ(leds->EsquinaY(), kLeds.y);

        sesion.Ejecuta(7008);
        ASSERT_EQ(sesion.mesa.componentes().size(), 1u);
        // Its plug point (corner + (5, 0)) over the hole of upper column 2, row 4.
        const Punto hoyo = Superior(*protoboard, kColumnaDelChip, 4);
        yo.Arrastra({20 + kAgarreDelChip.x, 50 + kAgarreDelChip.y},
                    {hoyo.x - 5 + kAgarreDelChip.x, hoyo.y + kAgarreDelChip.y});
        ASSERT_TRUE(Chip().EstaInsertado());

        const Tablero& p = *protoboard;
        const Tablero& w = *interruptores;
        // Pin 14 sits in upper column 2, pin 7 in lower column 8, pins 1..3 in lower 2..4.
        yo.Conecta(VccDeFuente(Fuente(), 0), Superior(p, kColumnaDelChip, 0), false);
        yo.Conecta(GndDeFuente(Fuente(), 0), Inferior(p, kColumnaDelChip + 6, 4), false);
        yo.Conecta(VccDeFuente(Fuente(), 1), VccDeTiras(w), false);
        yo.Conecta(GndDeFuente(Fuente(), 1), GndDeTiras(w), false);
        yo.Conecta(GndDeFuente(Fuente(), 2), GndDeLeds(*leds), false);
        yo.Conecta(Salida(w, 0, 0), Inferior(p, kColumnaDelChip, 4), true);
        yo.Conecta(Salida(w, 1, 0), Inferior(p, kColumnaDelChip + 1, 4), true);
        yo.Conecta(Inferior(p, kColumnaDelChip + 2, 4), Lampara(*leds, 0), false);
    }

    void Enciende(bool encendida) {
        if (sesion.mesa.bON() != encendida) yo.Clic(InterruptorDeFuente(Fuente()));
        ASSERT_EQ(sesion.mesa.bON(), encendida);
    }
    void Palanca(int i) { yo.Clic(prueba::donde::Palanca(*interruptores, i)); }

    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion{avisos, dialogos};
    prueba::Estudiante yo{sesion};
    Tablero* protoboard = nullptr;
    Tablero* interruptores = nullptr;
    Tablero* leds = nullptr;
};

TEST_F(SesionDeEstudiante, LaPuertaYEnciendeSuLamparaSoloConAmbasPalancasArriba) {
    ASSERT_NO_FATAL_FAILURE(ArmaCircuito());
    EXPECT_EQ(Cables(), 8u);
    // The chip snapped so that its plug point lies one pixel left of the hole's centre.
    const Punto hoyo = Superior(*protoboard, kColumnaDelChip, 4);
    EXPECT_EQ(Chip().Ubicacion(), (Punto{hoyo.x - 6, hoyo.y}));
    EXPECT_EQ(Chip().NumeroDeProtoboard(), protoboard->Identificador());
    EXPECT_TRUE(sesion.comandos.Modificado());

    Palanca(0);
    Palanca(1);
    EXPECT_FALSE(Leds().EstadoDeLed(0));  // supply still off

    // Operating the instruments is not an edit of the circuit.
    prueba::CarpetaTemporal carpeta;
    dialogos.paraGuardar = carpeta.Archivo("puerta.txt");
    sesion.Ejecuta(comandos::kAlmacenar);
    ASSERT_FALSE(sesion.comandos.Modificado());

    Enciende(true);
    EXPECT_TRUE(Leds().EstadoDeLed(0));
    Palanca(1);
    EXPECT_FALSE(Leds().EstadoDeLed(0));
    Palanca(0);
    Palanca(1);
    EXPECT_FALSE(Leds().EstadoDeLed(0));
    Palanca(0);
    EXPECT_TRUE(Leds().EstadoDeLed(0));
    for (int i = 1; i < 8; ++i) EXPECT_FALSE(Leds().EstadoDeLed(i)) << i;

    Enciende(false);
    EXPECT_FALSE(Leds().EstadoDeLed(0));
    EXPECT_FALSE(sesion.comandos.Modificado());
    EXPECT_TRUE(avisos.mensajes.empty());
}

TEST_F(SesionDeEstudiante, ConLaFuenteEncendidaNadaSeRecablea) {
    ASSERT_NO_FATAL_FAILURE(ArmaCircuito());
    Enciende(true);
    const Punto esquina{protoboard->EsquinaX(), protoboard->EsquinaY()};
    const Punto chip = Chip().Ubicacion();
    const Punto cuerpoDelChip{chip.x + 53, chip.y + 17};  // over the channel, no hole there

    yo.Arrastra(MarcadorDeProtoboard(*protoboard), {esquina.x + 200, esquina.y + 200});
    EXPECT_EQ(protoboard->EsquinaX(), esquina.x);
    EXPECT_EQ(protoboard->EsquinaY(), esquina.y);

    yo.Cablea(Superior(*protoboard, 20, 0), Superior(*protoboard, 30, 0), false);
    EXPECT_EQ(Cables(), 8u);

    yo.Arrastra(cuerpoDelChip, {cuerpoDelChip.x + 100, cuerpoDelChip.y + 100});
    EXPECT_EQ(Chip().Ubicacion(), chip);
    EXPECT_TRUE(Chip().EstaInsertado());

    yo.Derecho(cuerpoDelChip);
    yo.Derecho(Lampara(*leds, 0));
    yo.Derecho(MarcadorDeLeds(*leds));
    yo.Derecho(MarcadorDeProtoboard(*protoboard));
    EXPECT_EQ(sesion.mesa.componentes().size(), 1u);
    EXPECT_EQ(Cables(), 8u);
    EXPECT_EQ(sesion.mesa.tablero().size(), 5u);
    EXPECT_TRUE(avisos.mensajes.empty());  // refused silently

    // New, load and exit are refused with their messages; saving still works.
    prueba::CarpetaTemporal carpeta;
    dialogos.paraGuardar = carpeta.Archivo("encendido.txt");
    dialogos.paraAbrir = carpeta.Archivo("encendido.txt");
    sesion.Ejecuta(comandos::kNuevo);
    sesion.Ejecuta(comandos::kRecuperar);
    EXPECT_FALSE(sesion.PuedeCerrar());
    ASSERT_EQ(avisos.mensajes.size(), 3u);
    EXPECT_EQ(avisos.mensajes[0].texto, "Apague el módulo antes de crear un nuevo circuito.");
    EXPECT_EQ(avisos.mensajes[1].texto, "Apague el módulo antes de recuperar un circuito.");
    EXPECT_EQ(avisos.mensajes[2].texto, "Apague el módulo antes de salir del programa.");
    for (const auto& m : avisos.mensajes) {
        EXPECT_EQ(m.titulo, "Información");
        EXPECT_EQ(m.icono, Icono::Error);
    }
    EXPECT_TRUE(dialogos.aperturas.empty());
    EXPECT_EQ(sesion.mesa.tablero().size(), 5u);
    EXPECT_TRUE(sesion.mesa.bON());
    sesion.Ejecuta(comandos::kAlmacenar);
    EXPECT_FALSE(sesion.comandos.Modificado());
    EXPECT_EQ(avisos.mensajes.size(), 3u);

    // Reshaping a wire still works and counts as an edit; the circuit keeps working.
    const Cable antes = sesion.mesa.cables().Lista()[2];  // supply VCC 1 to the lever board
    const Punto tramo{(antes.AX() + antes.BX()) / 2, antes.AY()};
    yo.Arrastra(tramo, {tramo.x, tramo.y + 10});
    const Cable despues = sesion.mesa.cables().Lista()[2];
    EXPECT_NE(despues.Puntos(), antes.Puntos());
    EXPECT_EQ(despues.Puntos()[0], antes.Puntos()[0]);
    EXPECT_EQ(despues.Puntos()[5], antes.Puntos()[5]);
    EXPECT_TRUE(sesion.comandos.Modificado());
    Palanca(0);
    Palanca(1);
    EXPECT_TRUE(Leds().EstadoDeLed(0));
}

TEST_F(SesionDeEstudiante, RetirarEnDesordenSeRechazaYEnOrdenSeLogra) {
    ASSERT_NO_FATAL_FAILURE(ArmaCircuito());
    const auto rechazos = [&] { return avisos.mensajes.size(); };

    yo.Derecho(MarcadorDeProtoboard(*protoboard));
    yo.Derecho(MarcadorDeLeds(*leds));
    ASSERT_EQ(rechazos(), 2u);
    EXPECT_EQ(avisos.mensajes[0].texto, "Primero debe retirar los cables y componentes.");
    EXPECT_EQ(avisos.mensajes[0].titulo, "Información");
    EXPECT_EQ(avisos.mensajes[0].icono, Icono::Error);
    EXPECT_EQ(sesion.mesa.tablero().size(), 5u);

    // The supply can never go, wired or not.
    yo.Derecho(MarcadorDeFuente(Fuente()));
    EXPECT_EQ(sesion.mesa.tablero().size(), 5u);
    EXPECT_EQ(rechazos(), 2u);

    // Unwire the lamp board: its ground and the gate's output.
    Puerto* lampara = leds->DireccionDePuerto(0);
    Puerto* salida = lampara->OtroPuerto();
    ASSERT_NE(salida, nullptr);
    const Punto enLaSalida = Inferior(*protoboard, kColumnaDelChip + 2, 4);
    yo.Derecho({(enLaSalida.x + Lampara(*leds, 0).x) / 2, enLaSalida.y});
    EXPECT_TRUE(lampara->EstaLibre());
    EXPECT_TRUE(salida->EstaLibre());
    EXPECT_NE(lampara->Nodo(), salida->Nodo());
    const Punto gnd = GndDeFuente(Fuente(), 2);
    yo.Derecho({(gnd.x + GndDeLeds(*leds).x) / 2, gnd.y});
    EXPECT_EQ(Cables(), 6u);

    avisos.mensajes.clear();
    yo.Derecho(MarcadorDeLeds(*leds));
    EXPECT_EQ(sesion.mesa.tablero().size(), 4u);
    EXPECT_TRUE(avisos.mensajes.empty());

    // The breadboard still holds its chip: remove the chip, then its wires.
    yo.Derecho(MarcadorDeProtoboard(*protoboard));
    EXPECT_EQ(avisos.mensajes.size(), 1u);
    yo.Derecho({Chip().Ubicacion().x + 53, Chip().Ubicacion().y + 17});
    EXPECT_TRUE(sesion.mesa.componentes().empty());
    for (int c : {kColumnaDelChip, kColumnaDelChip + 1, kColumnaDelChip + 2}) {
        EXPECT_TRUE(protoboard->DireccionDePuerto(320 + 5 * c)->EstaLibre()) << c;
    }
    while (Cables() > 0) {
        const Cable& cable = sesion.mesa.cables().Lista().front();
        const std::size_t antes = Cables();
        // Every wire here leaves end A horizontally or vertically: aim at its corner.
        const Punto esquina = cable.Puntos()[2];
        yo.Derecho(esquina);
        ASSERT_EQ(Cables(), antes - 1);
    }
    yo.Derecho(MarcadorDeProtoboard(*protoboard));
    yo.Derecho(MarcadorDeTiras(*interruptores));
    EXPECT_EQ(sesion.mesa.tablero().size(), 2u);
    EXPECT_EQ(avisos.mensajes.size(), 1u);
    for (const auto& t : sesion.mesa.tablero()) EXPECT_TRUE(t->EstaLimpio());
}

TEST_F(SesionDeEstudiante, LaProtoboardArrastradaSeLlevaSuChipYSusExtremosDeCable) {
    ASSERT_NO_FATAL_FAILURE(ArmaCircuito());
    const int id = protoboard->Identificador();
    const std::vector<Cable> antes = sesion.mesa.cables().Lista();
    const Punto chip = Chip().Ubicacion();
    const Punto d{60, -60};

    const Punto agarre = MarcadorDeProtoboard(*protoboard);
    yo.Pulsa(agarre);
    yo.Mueve({agarre.x + 7, agarre.y + 3});
    yo.Mueve({agarre.x + d.x - 4, agarre.y + d.y + 3});
    // The release comes a little further than the last move reported.
    yo.Suelta({agarre.x + d.x, agarre.y + d.y});
    EXPECT_EQ(protoboard->EsquinaX(), kProtoboard.x + d.x);
    EXPECT_EQ(protoboard->EsquinaY(), kProtoboard.y + d.y);
    EXPECT_EQ(Chip().Ubicacion(), (Punto{chip.x + d.x, chip.y + d.y}));
    EXPECT_TRUE(Chip().EstaInsertado());

    const std::vector<Cable>& despues = sesion.mesa.cables().Lista();
    ASSERT_EQ(despues.size(), antes.size());
    for (std::size_t i = 0; i < antes.size(); ++i) {
        SCOPED_TRACE(i);
        for (const auto& [extremo, tablero] : {std::pair{0, antes[i].TableroA()}, std::pair{5, antes[i].TableroB()}}) {
            const Punto a = antes[i].Puntos()[static_cast<std::size_t>(extremo)];
            const Punto b = despues[i].Puntos()[static_cast<std::size_t>(extremo)];
            if (tablero == id)
                EXPECT_EQ(b, (Punto{a.x + d.x, a.y + d.y}));
            else
                EXPECT_EQ(b, a);
        }
    }
    EXPECT_TRUE(sesion.comandos.Modificado());

    // The connections went along: the gate still works.
    Enciende(true);
    Palanca(0);
    Palanca(1);
    EXPECT_TRUE(Leds().EstadoDeLed(0));
}

TEST_F(SesionDeEstudiante, GuardadoYRecuperadoSigueFuncionando) {
    ASSERT_NO_FATAL_FAILURE(ArmaCircuito());
    prueba::CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Archivo("puerta.txt");
    dialogos.paraGuardar = ruta;
    sesion.Ejecuta(comandos::kAlmacenarEn);
    ASSERT_EQ(sesion.comandos.Titulo(), ruta);

    // A second student opens the file in a fresh program.
    prueba::AvisosDePrueba otrosAvisos;
    prueba::DialogosDePrueba otrosDialogos;
    otrosDialogos.paraAbrir = ruta;
    Sesion otra(otrosAvisos, otrosDialogos);
    otra.Ejecuta(comandos::kRecuperar);
    ASSERT_EQ(otra.mesa.tablero().size(), 5u);
    EXPECT_EQ(otra.comandos.Titulo(), ruta);
    EXPECT_FALSE(otra.comandos.EsNuevo());
    EXPECT_EQ(otra.mesa.cables().Lista().size(), 8u);
    ASSERT_EQ(otra.mesa.componentes().size(), 1u);
    EXPECT_TRUE(otra.mesa.componentes()[0].EstaInsertado());

    prueba::Estudiante otroYo(otra);
    const Tablero& w = *otra.mesa.tablero()[3];
    otroYo.Clic(InterruptorDeFuente(*otra.mesa.fuentedc()));
    ASSERT_TRUE(otra.mesa.bON());
    otroYo.Clic(prueba::donde::Palanca(w, 0));
    otroYo.Clic(prueba::donde::Palanca(w, 1));
    EXPECT_TRUE(dynamic_cast<TableroDeLeds&>(*otra.mesa.tablero()[4]).EstadoDeLed(0));
    EXPECT_FALSE(otra.comandos.Modificado());
    EXPECT_TRUE(otrosAvisos.mensajes.empty());
}

// ---- Several parts at once -------------------------------------------------------------

std::string Texto(const Sesion& s) { return TextoDeCircuito(s.mesa); }

TEST_F(SesionDeEstudiante, LoPegadoJuntoAlOriginalNoTapaNadaYSusCablesSoloUnenPuertosLibres) {
    ASSERT_NO_FATAL_FAILURE(ArmaCircuito());
    const std::string antes = Texto(sesion);
    sesion.Ejecuta(comandos::kSeleccionarTodo);
    sesion.Ejecuta(comandos::kCopiar);
    EXPECT_EQ(Texto(sesion), antes);
    EXPECT_FALSE(sesion.PuedeRehacer());
    sesion.Ejecuta(comandos::kPegar);

    Mesa& mesa = sesion.mesa;
    // The supply and the timer board are never copied: every bench has its own.
    ASSERT_EQ(mesa.tablero().size(), 8u);
    for (std::size_t i = 5; i < 8; ++i)
        for (std::size_t j = 0; j < 5; ++j) EXPECT_FALSE(AreaDe(*mesa.tablero()[i]).Corta(AreaDe(*mesa.tablero()[j])));
    ASSERT_EQ(mesa.componentes().size(), 2u);
    EXPECT_TRUE(mesa.componentes()[1].EstaInsertado());
    EXPECT_EQ(mesa.componentes()[1].NumeroDeProtoboard(), mesa.tablero()[5]->Identificador());
    // The three wires between the copied boards came; those from the supply found no
    // free terminal where they landed. Every wire on the bench holds its two ports.
    EXPECT_GE(Cables(), 11u);
    for (const Cable& cable : mesa.cables().Lista()) {
        const auto [a, b] = PuertosDelCable(mesa, cable);
        ASSERT_TRUE(a != nullptr && b != nullptr);
        EXPECT_EQ(a->OtroPuerto(), b);
    }
    EXPECT_EQ(sesion.editor.LaSeleccion().tableros.size(), 3u) << "what came in is selected";

    sesion.Ejecuta(comandos::kDeshacer);
    EXPECT_EQ(Texto(sesion), antes) << "a paste is one step";
}

TEST_F(SesionDeEstudiante, UnChipPegadoDondeNoHayProtoboardQuedaSueltoYElTextoNoCircuitoNoPega) {
    ASSERT_NO_FATAL_FAILURE(ArmaCircuito());
    PortapapelesPropio portapapeles;
    sesion.UsaPortapapeles(portapapeles);
    const Punto chip = Chip().Ubicacion();
    sesion.AlternaSeleccion(chip.x + 3, chip.y + 3);
    sesion.Ejecuta(comandos::kCopiar);
    // What is copied is a circuit file of its own.
    Mesa suelta(avisos);
    std::istringstream copiado(portapapeles.Texto());
    ASSERT_EQ(LeeCircuito(suelta, copiado), ResultadoDeLectura::Correcto);
    EXPECT_EQ(suelta.componentes().size(), 1u);

    Sesion otra(avisos, dialogos);
    otra.UsaPortapapeles(portapapeles);
    otra.Ejecuta(comandos::kPegar);
    ASSERT_EQ(otra.mesa.componentes().size(), 1u);
    EXPECT_FALSE(otra.mesa.componentes()[0].EstaInsertado());
    EXPECT_EQ(otra.mesa.componentes()[0].NumeroDeProtoboard(), 0);
    EXPECT_EQ(otra.mesa.componentes()[0].Ubicacion(), chip);
    EXPECT_TRUE(otra.comandos.Modificado());

    Sesion nueva(avisos, dialogos);
    nueva.UsaPortapapeles(portapapeles);
    portapapeles.PonTexto("Version 0.9.7\n2\n 4 10 175 77 128 0 1\n");
    nueva.Ejecuta(comandos::kPegar);
    EXPECT_FALSE(nueva.comandos.Modificado());
    EXPECT_FALSE(nueva.PuedeDeshacer());
}

TEST_F(SesionDeEstudiante, ConLaFuenteEncendidaElGrupoNiSeMueveNiSeBorraYApagadaSeBorraEnUnPaso) {
    ASSERT_NO_FATAL_FAILURE(ArmaCircuito());
    const std::string antes = Texto(sesion);
    Enciende(true);
    sesion.Ejecuta(comandos::kSeleccionarTodo);
    const Punto agarre = MarcadorDeProtoboard(*protoboard);
    EXPECT_EQ(yo.Pulsa(agarre).rechazo, Rechazo::ModuloEncendido);
    yo.Mueve({agarre.x + 50, agarre.y});
    yo.Suelta({agarre.x + 50, agarre.y});
    EXPECT_EQ(Texto(sesion), antes);
    avisos.mensajes.clear();
    sesion.Ejecuta(comandos::kBorrarSeleccion);
    EXPECT_EQ(avisos.mensajes.size(), 1u);
    EXPECT_EQ(Texto(sesion), antes);

    Enciende(false);
    sesion.Ejecuta(comandos::kSeleccionarTodo);
    sesion.Ejecuta(comandos::kBorrarSeleccion);
    // The supply stays; everything wired to it went with the boards.
    EXPECT_EQ(sesion.mesa.tablero().size(), 2u);
    EXPECT_EQ(Cables(), 0u);
    EXPECT_TRUE(sesion.mesa.componentes().empty());
    sesion.Ejecuta(comandos::kDeshacer);
    EXPECT_EQ(Texto(sesion), antes);
}

TEST_F(SesionDeEstudiante, UnChipQueElGrupoSacaDeSuProtoboardQuedaSueltoDondeNoCabe) {
    ASSERT_NO_FATAL_FAILURE(ArmaCircuito());
    const std::string antes = Texto(sesion);
    const Punto chip = Chip().Ubicacion();
    sesion.AlternaSeleccion(chip.x + 3, chip.y + 3);
    const Punto marcador = MarcadorDeLeds(*leds);
    sesion.AlternaSeleccion(marcador.x, marcador.y);
    const Punto esquina{leds->EsquinaX(), leds->EsquinaY()};
    // Dragged by the chip, the group takes it out of the breadboard, which stays.
    const ResultadoDelRaton r = yo.Arrastra(Punto{chip.x + 3, chip.y + 3}, Punto{chip.x + 3, chip.y + 403});
    EXPECT_EQ(r.rechazo, Rechazo::FueraDeLaProtoboard);
    EXPECT_EQ(Chip().Ubicacion(), (Punto{chip.x, chip.y + 400}));
    EXPECT_FALSE(Chip().EstaInsertado());
    EXPECT_EQ(Chip().NumeroDeProtoboard(), 0);
    EXPECT_EQ((Punto{leds->EsquinaX(), leds->EsquinaY()}), (Punto{esquina.x, esquina.y + 400}));
    sesion.Ejecuta(comandos::kDeshacer);
    EXPECT_EQ(Texto(sesion), antes);
    EXPECT_TRUE(Chip().EstaInsertado());
}

}  // namespace
}  // namespace velistra

namespace velistra {
namespace {

// The analyser's channels name boards by identifier: undo and redo keep them, a new
// circuit starts without any.
TEST(SesionConAnalizador, DeshacerConservaLosCanalesYUnCircuitoNuevoLosQuita) {
    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    Sesion sesion{avisos, dialogos};
    sesion.Ejecuta(comandos::kLeds);
    const int id = sesion.mesa.tablero().back()->Identificador();
    ASSERT_TRUE(sesion.analizador.AnadeCanal(sesion.mesa, id, 0));
    sesion.Ejecuta(comandos::kDeshacer);
    sesion.mesa.EjecutaFunciones();
    sesion.Ejecuta(comandos::kRehacer);
    sesion.mesa.tablero().back()->DireccionDePuerto(0)->Estado('1');
    sesion.mesa.EjecutaFunciones();
    const AnalizadorLogico& a = sesion.analizador;
    ASSERT_EQ(a.NumeroDeMuestras(), 3u);
    EXPECT_EQ(std::string() + a.Muestra(1).valores[0] + a.Muestra(2).valores[0], "Z1");

    sesion.Ejecuta(comandos::kNuevo);
    EXPECT_TRUE(a.Canales().empty());
    EXPECT_EQ(a.NumeroDeMuestras(), 0u);
}

}  // namespace
}  // namespace velistra
