#include <gtest/gtest.h>

#include "tableros/TableroDeInterruptores.h"
#include "tableros/TableroDeLeds.h"
#include "tableros/TableroDeTemporizadores.h"
#include "tableros/TableroPLA.h"
#include "sesion/CodigosDeComando.h"
#include "sesion/Sesion.h"
#include "support/LienzoDePrueba.h"
#include "support/CarpetaTemporal.h"
#include "support/DialogosDePrueba.h"
#include "Estudiante.h"

namespace velistra {
namespace {

using namespace prueba::donde;

class Editor : public ::testing::Test {
protected:
    // A board from the menu, put where the test wants it before anything is wired.
    Tablero& Agrega(int id, Punto esquina) {
        sesion.Ejecuta(id);
        Tablero& t = *sesion.mesa.tablero().back();
        t.UbicaEn(esquina.x, esquina.y);
        return t;
    }
    Tablero& Fuente() { return *sesion.mesa.fuentedc(); }
    TableroDeTemporizadores& Reloj() { return dynamic_cast<TableroDeTemporizadores&>(*sesion.mesa.reloj()); }
    std::size_t Cables() const { return sesion.mesa.cables().Lista().size(); }
    Componente& Chip(std::size_t i = 0) { return sesion.mesa.componentes()[i]; }
    // A new 7400 dragged from its parking place onto breadboard column c.
    void PoneChip(const Tablero& protoboard, int c) {
        sesion.Ejecuta(7000);
        const Punto hoyo = Superior(protoboard, c, 4);
        yo.Arrastra({60, 70}, {hoyo.x - 5 + 40, hoyo.y + 20});
    }
    // Saved, so that the next edit shows in the modified flag.
    void Guarda() {
        dialogos.paraGuardar = carpeta.Archivo("circuito.txt");
        sesion.Ejecuta(comandos::kAlmacenarEn);
        ASSERT_FALSE(sesion.comandos.Modificado());
    }
    void Enciende() {
        yo.Clic(InterruptorDeFuente(Fuente()));
        ASSERT_TRUE(sesion.mesa.bON());
    }

    prueba::CarpetaTemporal carpeta;
    prueba::AvisosDePrueba avisos;
    prueba::DialogosDePrueba dialogos;
    prueba::VentanaDePrueba ventana;
    Sesion sesion{avisos, dialogos, &ventana};
    prueba::Estudiante yo{sesion};
};

TEST_F(Editor, UnCableSoloSeTiendeEntrePuertosLibresDeRedesQuePuedenUnirse) {
    Tablero& p = Agrega(comandos::kProtoboard, {200, 300});
    PoneChip(p, 10);
    ASSERT_TRUE(Chip().EstaInsertado());
    Guarda();

    // Pressed off-centre, the wire starts on the hole's centre and the pointer goes there.
    const Punto a = Superior(p, 0, 0);
    ResultadoDelRaton r = yo.Pulsa({a.x + 3, a.y - 2});
    ASSERT_TRUE(r.puntero.has_value());
    EXPECT_EQ(*r.puntero, a);
    EXPECT_TRUE(sesion.mesa.cables().EstaCreando());
    r = yo.Suelta({a.x + 1, a.y});  // the same hole
    EXPECT_FALSE(r.puntero.has_value());
    EXPECT_FALSE(r.modificado);
    EXPECT_FALSE(sesion.mesa.cables().EstaCreando());

    yo.Cablea(a, {1500, 1200}, false);                      // empty workbench
    yo.Cablea(a, Superior(p, 0, 3), true);                  // same column: one net already
    yo.Cablea(a, Superior(p, 10, 4), true);                 // a chip's pin holds that hole
    yo.Cablea(VccDeFuente(Fuente(), 0), GndDeFuente(Fuente(), 0), true);  // two sources
    yo.Cablea(Superior(p, 10, 4), Superior(p, 20, 0), false);             // start on a pin
    EXPECT_EQ(Cables(), 0u);
    EXPECT_FALSE(sesion.comandos.Modificado());
    for (int c : {0, 20}) EXPECT_TRUE(p.DireccionDePuerto(5 * c)->EstaLibre());

    const Punto b = Superior(p, 5, 2);
    yo.Pulsa(a);
    yo.Mueve({a.x + 20, a.y});
    r = yo.Suelta({b.x - 3, b.y + 3});
    ASSERT_EQ(Cables(), 1u);
    ASSERT_TRUE(r.puntero.has_value());
    EXPECT_EQ(*r.puntero, b);
    EXPECT_TRUE(r.modificado);
    EXPECT_TRUE(sesion.comandos.Modificado());
    const Cable& cable = sesion.mesa.cables().Lista()[0];
    EXPECT_EQ(cable.Puntos()[0], a);
    EXPECT_EQ(cable.Puntos()[5], b);
    EXPECT_EQ(cable.TableroA(), p.Identificador());
    EXPECT_EQ(cable.TableroB(), p.Identificador());
    EXPECT_EQ(p.DireccionDePuerto(0)->OtroPuerto(), p.DireccionDePuerto(27));
    EXPECT_EQ(p.DireccionDePuerto(0)->Nodo(), p.DireccionDePuerto(25)->Nodo());

    // A second wire may not close a loop between the two columns.
    yo.Cablea(Superior(p, 0, 1), Superior(p, 5, 0), false);
    EXPECT_EQ(Cables(), 1u);
    EXPECT_TRUE(avisos.mensajes.empty());
}

TEST_F(Editor, QuitarUnCableSeparaLaConexionQueRepresentaAunConTablerosEncimados) {
    Tablero& p = Agrega(comandos::kProtoboard, {1000, 1000});
    Tablero& w = Agrega(comandos::kInterruptores, {500, 500});
    yo.Conecta(VccDeFuente(Fuente(), 0), VccDeTiras(w), false);
    Puerto* vcc = w.DireccionDePuerto(24);
    ASSERT_FALSE(vcc->EstaLibre());
    ASSERT_EQ(vcc->Tipo(), 'V');

    // The breadboard, earlier in the list, is dragged over the lever board so that one of
    // its free holes lies right under the wire's end.
    const Punto extremo = VccDeTiras(w);
    yo.LlevaTablero(p, MarcadorDeProtoboard(p), {extremo.x - 27, extremo.y - 66});
    ASSERT_EQ(sesion.mesa.tablero()[2].get(), &p);
    ASSERT_NE(p.PuertoEn(extremo.x, extremo.y), nullptr);

    const Cable cable = sesion.mesa.cables().Lista()[0];
    const ResultadoDelRaton r = yo.Derecho(cable.Puntos()[2]);
    EXPECT_TRUE(r.modificado);
    EXPECT_EQ(Cables(), 0u);
    EXPECT_TRUE(vcc->EstaLibre());
    EXPECT_TRUE(Fuente().DireccionDePuerto(0)->EstaLibre());
    EXPECT_EQ(vcc->Tipo(), 'F');
    EXPECT_NE(vcc->Nodo(), Fuente().DireccionDePuerto(0)->Nodo());
}

TEST_F(Editor, ElPulsadorSigueApretadoHastaSoltarloDondeSeaYEsoNoModificaElCircuito) {
    Tablero& pulsadores = Agrega(comandos::kPulsadores, {300, 300});
    auto& leds = dynamic_cast<TableroDeLeds&>(Agrega(comandos::kLeds, {300, 500}));
    yo.Conecta(VccDeFuente(Fuente(), 0), VccDeTiras(pulsadores), false);
    yo.Conecta(GndDeFuente(Fuente(), 0), GndDeTiras(pulsadores), false);
    yo.Conecta(GndDeFuente(Fuente(), 1), GndDeLeds(leds), false);
    yo.Conecta(Salida(pulsadores, 3, 2), Lampara(leds, 3), true);
    Guarda();
    Enciende();

    yo.Pulsa(Palanca(pulsadores, 3));
    EXPECT_TRUE(leds.EstadoDeLed(3));
    EXPECT_EQ(pulsadores.EstadoDeEntrada(3), 1);
    // The pointer leaves the board and the workbench's far corner gets the release.
    yo.Mueve({1990, 1490});
    EXPECT_TRUE(leds.EstadoDeLed(3));
    const ResultadoDelRaton r = yo.Suelta({1990, 1490});
    EXPECT_TRUE(r.repintar);
    EXPECT_FALSE(r.modificado);
    EXPECT_FALSE(leds.EstadoDeLed(3));
    EXPECT_EQ(pulsadores.EstadoDeEntrada(3), 0);
    EXPECT_EQ(pulsadores.DireccionDePuerto(9)->Estado(), '0');
    EXPECT_FALSE(sesion.comandos.Modificado());

    // A release lost to a modal message: the next press lets the key go first.
    yo.Pulsa(Palanca(pulsadores, 5));
    EXPECT_EQ(pulsadores.EstadoDeEntrada(5), 1);
    yo.Pulsa({1990, 1490});
    EXPECT_EQ(pulsadores.EstadoDeEntrada(5), 0);
    EXPECT_FALSE(sesion.editor.AccionEnCurso());
}

TEST_F(Editor, ElBotonDerechoNoQuitaNadaMientrasElIzquierdoTrabaja) {
    Tablero& p = Agrega(comandos::kProtoboard, {200, 300});
    Tablero& pulsadores = Agrega(comandos::kPulsadores, {300, 700});
    PoneChip(p, 10);
    const Punto a = Superior(p, 0, 0);
    const Punto b = Superior(p, 6, 0);
    yo.Conecta(a, b, false);
    const Punto enElCable{(a.x + b.x) / 2, a.y};
    const Punto enElChip{Chip().Ubicacion().x + 50, Chip().Ubicacion().y + 17};
    const auto intacto = [&] {
        EXPECT_EQ(Cables(), 1u);
        EXPECT_EQ(sesion.mesa.componentes().size(), 1u);
        EXPECT_EQ(sesion.mesa.tablero().size(), 4u);
        EXPECT_FALSE(yo.Derecho(enElCable).repintar);
        EXPECT_FALSE(yo.Derecho(enElChip).repintar);
        EXPECT_FALSE(yo.Derecho(MarcadorDeTiras(pulsadores)).repintar);
        EXPECT_EQ(Cables(), 1u);
        EXPECT_EQ(sesion.mesa.componentes().size(), 1u);
        EXPECT_EQ(sesion.mesa.tablero().size(), 4u);
    };

    // Dragging the key board.
    yo.Pulsa(MarcadorDeTiras(pulsadores));
    yo.Mueve({1500, 1000});
    intacto();
    yo.Suelta({1500, 1000});
    // Holding a key.
    yo.Pulsa(Palanca(pulsadores, 0));
    intacto();
    yo.Suelta(Palanca(pulsadores, 0));
    // Drawing a wire.
    yo.Pulsa(Superior(p, 30, 0));
    yo.Mueve({700, 700});
    intacto();
    yo.Suelta({700, 700});
    // Reshaping the wire.
    yo.Pulsa(enElCable);
    yo.Mueve({enElCable.x, enElCable.y - 20});
    EXPECT_FALSE(yo.Derecho({enElCable.x, enElCable.y - 20}).repintar);
    yo.Suelta({enElCable.x, enElCable.y - 20});
    // Moving the chip.
    yo.Pulsa(enElChip);
    yo.Mueve({enElChip.x + 5, enElChip.y});
    EXPECT_FALSE(yo.Derecho({enElChip.x + 5, enElChip.y}).repintar);
    EXPECT_EQ(sesion.mesa.componentes().size(), 1u);
    yo.Suelta(enElChip);
    EXPECT_TRUE(Chip().EstaInsertado());
    EXPECT_FALSE(sesion.editor.AccionEnCurso());

    // Once the left button is up, the right one works again.
    const Cable cable = sesion.mesa.cables().Lista()[0];
    yo.Derecho(cable.Puntos()[2]);
    EXPECT_EQ(Cables(), 0u);
    yo.Derecho(enElChip);
    EXPECT_TRUE(sesion.mesa.componentes().empty());
    yo.Derecho(MarcadorDeTiras(pulsadores));
    EXPECT_EQ(sesion.mesa.tablero().size(), 3u);
}

TEST_F(Editor, LosChipsSeSacanSeMuevenYLosQueNoEncajanVuelvenAlEstacionamiento) {
    Tablero& p = Agrega(comandos::kProtoboard, {200, 300});
    PoneChip(p, 10);
    ASSERT_TRUE(Chip().EstaInsertado());
    Puerto* pin1 = p.DireccionDePuerto(320 + 5 * 10);
    ASSERT_FALSE(pin1->EstaLibre());

    // Picked up, the chip frees its holes; dropped over column 30 it is seated there.
    const Punto agarre{Chip().Ubicacion().x + 50, Chip().Ubicacion().y + 17};
    yo.Pulsa(agarre);
    EXPECT_TRUE(pin1->EstaLibre());
    yo.Mueve({agarre.x + 13 * 20, agarre.y});
    const ResultadoDelRaton r = yo.Suelta({agarre.x + 13 * 20, agarre.y});
    EXPECT_TRUE(r.modificado);
    EXPECT_TRUE(Chip().EstaInsertado());
    EXPECT_TRUE(pin1->EstaLibre());
    EXPECT_FALSE(p.DireccionDePuerto(320 + 5 * 30)->EstaLibre());

    // Dropped where it does not fit, it goes back unplugged to (20, 40)...
    const Punto enElChip{Chip().Ubicacion().x + 50, Chip().Ubicacion().y + 17};
    yo.Arrastra(enElChip, {1500, 1200});
    EXPECT_FALSE(Chip().EstaInsertado());
    EXPECT_EQ(Chip().Ubicacion(), (Punto{20, 40}));
    EXPECT_TRUE(p.DireccionDePuerto(320 + 5 * 30)->EstaLibre());
    // ...and stays there when the breadboard it came from is dragged.
    yo.Arrastra(MarcadorDeProtoboard(p), {MarcadorDeProtoboard(p).x + 30, MarcadorDeProtoboard(p).y + 30});
    EXPECT_EQ(p.EsquinaX(), 230);
    EXPECT_EQ(Chip().Ubicacion(), (Punto{20, 40}));

    // Where chips overlap the older one is picked; a right press removes only it.
    sesion.Ejecuta(7004);
    const Punto hoyo = Superior(p, 40, 4);
    yo.Arrastra({60, 60}, {hoyo.x - 5 + 40, hoyo.y + 20});
    ASSERT_TRUE(Chip(0).EstaInsertado());
    EXPECT_FALSE(Chip(1).EstaInsertado());
    yo.Derecho({Chip(0).Ubicacion().x + 50, Chip(0).Ubicacion().y + 17});
    ASSERT_EQ(sesion.mesa.componentes().size(), 1u);
    EXPECT_EQ(Chip(0).Codigo(), 7004);
    EXPECT_TRUE(p.EstaLimpio());
    EXPECT_FALSE(sesion.mesa.componentes().EstaMoviendo());
}

TEST_F(Editor, LaFuenteNuncaSeQuitaYElTemporizadorSoloSeGuarda) {
    yo.Derecho(MarcadorDeFuente(Fuente()));
    EXPECT_EQ(sesion.mesa.tablero().size(), 2u);
    EXPECT_FALSE(sesion.comandos.Modificado());

    // The hidden timer board offers no handle at all.
    const Punto marcador = MarcadorDeTiras(Reloj());
    EXPECT_FALSE(yo.Derecho(marcador).repintar);
    EXPECT_FALSE(sesion.comandos.Modificado());

    sesion.Ejecuta(comandos::kTemporizador);
    ASSERT_TRUE(Reloj().EstaVisible());
    EXPECT_TRUE(sesion.comandos.Modificado());
    Guarda();
    yo.Conecta(VccDeFuente(Fuente(), 0), VccDeTiras(Reloj()), false);
    avisos.mensajes.clear();
    yo.Derecho(MarcadorDeTiras(Reloj()));
    ASSERT_EQ(avisos.mensajes.size(), 1u);
    EXPECT_EQ(avisos.mensajes[0].texto, "Primero debe retirar los cables y componentes.");
    EXPECT_TRUE(Reloj().EstaVisible());

    yo.Derecho(sesion.mesa.cables().Lista()[0].Puntos()[2]);
    ASSERT_EQ(Cables(), 0u);
    const ResultadoDelRaton r = yo.Derecho(MarcadorDeTiras(Reloj()));
    EXPECT_TRUE(r.modificado);
    EXPECT_FALSE(Reloj().EstaVisible());
    EXPECT_EQ(sesion.mesa.tablero().size(), 2u);
    EXPECT_EQ(sesion.mesa.reloj(), sesion.mesa.tablero()[1].get());
}

TEST_F(Editor, LaFuenteSeEnciendeConSuInterruptorYSeArrastraSoloApagada) {
    Tablero& w = Agrega(comandos::kInterruptores, {300, 300});
    yo.Conecta(VccDeFuente(Fuente(), 0), VccDeTiras(w), false);
    yo.Conecta(GndDeFuente(Fuente(), 0), GndDeTiras(w), false);

    // With the supply off a lever only moves; switching on makes every board drive.
    yo.Clic(Palanca(w, 2));
    EXPECT_EQ(w.DireccionDePuerto(6)->Estado(), 'Z');
    yo.Clic(InterruptorDeFuente(Fuente()));
    ASSERT_TRUE(sesion.mesa.bON());
    EXPECT_EQ(w.DireccionDePuerto(6)->Estado(), '1');
    EXPECT_EQ(w.DireccionDePuerto(9)->Estado(), '0');

    // Its handle does nothing while it is on; the board stays, nothing is marked.
    Guarda();
    yo.Arrastra(MarcadorDeFuente(Fuente()), {600, 600});
    EXPECT_EQ(Fuente().EsquinaX(), 10);
    EXPECT_FALSE(sesion.comandos.Modificado());

    yo.Clic(InterruptorDeFuente(Fuente()));
    EXPECT_FALSE(sesion.mesa.bON());
    EXPECT_EQ(w.DireccionDePuerto(6)->Estado(), 'Z');

    // Dragged off, the supply carries its wire ends along.
    const Punto vcc = VccDeFuente(Fuente(), 0);
    yo.LlevaTablero(Fuente(), MarcadorDeFuente(Fuente()), {40, 600});
    EXPECT_EQ(Fuente().EsquinaY(), 600);
    EXPECT_EQ(sesion.mesa.cables().Lista()[0].Puntos()[0], (Punto{vcc.x + 30, vcc.y + 425}));
    EXPECT_EQ(sesion.mesa.cables().Lista()[0].Puntos()[5], VccDeTiras(w));
    EXPECT_TRUE(sesion.comandos.Modificado());
}

TEST_F(Editor, LaPLARecibeSusClicsTambienEncendidaYPideRepintarConElDesplazamiento) {
    sesion.Ejecuta(comandos::kPLA);
    auto& pla = dynamic_cast<TableroPLA&>(*sesion.mesa.tablero().back());
    EXPECT_EQ(pla.EsquinaX(), 0);
    EXPECT_FALSE(sesion.comandos.Modificado());
    pla.UbicaEn(600, 100);
    sesion.editor.Desplazamiento(100, 40);

    const Punto cruce = En(pla, TableroPLA::Cruce(0, 0).x, TableroPLA::Cruce(0, 0).y);
    const ResultadoDelRaton r = yo.Clic({cruce.x + 1, cruce.y - 1});
    EXPECT_FALSE(r.modificado);
    EXPECT_TRUE(pla.Conexion(0, 0));
    ASSERT_FALSE(ventana.repintados.empty());
    // The link's dot, in window coordinates.
    EXPECT_EQ(ventana.repintados[0].l, cruce.x - 100 - 4);
    EXPECT_EQ(ventana.repintados[0].t, cruce.y - 40 - 4);

    Enciende();
    yo.Clic(cruce);
    EXPECT_FALSE(pla.Conexion(0, 0));
    EXPECT_FALSE(sesion.comandos.Modificado());
}

TEST_F(Editor, LaPosicionSeMuestraComoEnLaBarraDeEstadoYElDesplazamientoLlegaALaBarraDeColor) {
    EXPECT_EQ(EditorDeMesa::TextoDePosicion(100, 40), "(100, 40)");
    EXPECT_EQ(EditorDeMesa::TextoDePosicion(0, 1499), "(0, 1499)");

    sesion.editor.Desplazamiento(300, 120);
    EXPECT_EQ(sesion.editor.Desplazamiento(), (Punto{300, 120}));
    prueba::LienzoDePrueba lienzo;
    sesion.mesa.cables().Dibuja(lienzo);
    const auto linea = lienzo.DeTipo(prueba::Trazo::Tipo::MueveA);
    ASSERT_FALSE(linea.empty());
    EXPECT_EQ(linea[0].a, 300 + 86);
    EXPECT_EQ(linea[0].b, 120 + 2);
}

}  // namespace
}  // namespace velistra

namespace velistra {
namespace {

using namespace prueba::donde;

class Rechazos : public Editor {
protected:
    // A new 7400 dragged from its parking place with its plug point over that hole; a
    // refused one is taken off the workbench again, so the next is picked up alone.
    Rechazo SueltaChip(Punto hoyo) {
        sesion.Ejecuta(7000);
        const Rechazo r = yo.Arrastra({60, 70}, {hoyo.x - 5 + 40, hoyo.y + 20}).rechazo;
        if (r != Rechazo::Ninguno) yo.Derecho({60, 45});
        return r;
    }
    Rechazo Cable(Punto a, Punto b) { return yo.Cablea(a, b, true).rechazo; }
};

TEST_F(Rechazos, CadaChipQueNoSeEnchufaDiceAQueSeDebe) {
    Tablero& p = Agrega(comandos::kProtoboard, {200, 300});
    Tablero& w = Agrega(comandos::kInterruptores, {300, 700});
    EXPECT_EQ(SueltaChip({1500, 1200}), Rechazo::FueraDeLaProtoboard);
    EXPECT_EQ(SueltaChip(Superior(p, 10, 2)), Rechazo::SinCanalCentral);
    EXPECT_EQ(SueltaChip(Inferior(p, 10, 4)), Rechazo::SinCanalCentral);
    EXPECT_EQ(SueltaChip(Superior(p, 58, 4)), Rechazo::PasaLaUltimaColumna);
    EXPECT_EQ(SueltaChip(Superior(p, 57, 4)), Rechazo::Ninguno);
    // Its pins would share holes with the chip just plugged.
    EXPECT_EQ(SueltaChip(Superior(p, 52, 4)), Rechazo::HuecoOcupado);
    // Output 1Y (pin 3) would land on a strip that a lever drives.
    yo.Conecta(Salida(w, 0, 0), Inferior(p, 32, 4), true);
    EXPECT_EQ(SueltaChip(Superior(p, 30, 4)), Rechazo::SalidaSobreTiraExcitada);
    EXPECT_EQ(SueltaChip(Superior(p, 29, 4)), Rechazo::Ninguno);
    ASSERT_EQ(sesion.mesa.componentes().size(), 2u);
    EXPECT_TRUE(Chip(0).EstaInsertado() && Chip(1).EstaInsertado());
}

TEST_F(Rechazos, CadaCableQueNoSeTiendeYCadaTableroQueNoSeQuitaDiceAQueSeDebe) {
    Tablero& p = Agrega(comandos::kProtoboard, {200, 300});
    sesion.Ejecuta(7000);
    yo.Arrastra({60, 70}, {Superior(p, 10, 4).x + 35, Superior(p, 10, 4).y + 20});
    ASSERT_TRUE(Chip().EstaInsertado());
    const Punto a = Superior(p, 0, 0);

    EXPECT_EQ(Cable(a, {1500, 1200}), Rechazo::Ninguno);  // let go in the air: nothing wanted
    EXPECT_EQ(Cable(a, Superior(p, 0, 3)), Rechazo::YaUnidos);
    EXPECT_EQ(Cable(a, Superior(p, 10, 4)), Rechazo::HuecoConPatilla);
    EXPECT_EQ(yo.Pulsa(Superior(p, 10, 4)).rechazo, Rechazo::HuecoConPatilla);
    yo.Suelta(Superior(p, 10, 4));
    EXPECT_EQ(Cable(VccDeFuente(Fuente(), 0), GndDeFuente(Fuente(), 0)), Rechazo::DosExcitadores);
    ASSERT_EQ(Cable(VccDeFuente(Fuente(), 0), a), Rechazo::Ninguno);
    EXPECT_EQ(Cable(Superior(p, 1, 0), a), Rechazo::TerminalConCable);
    EXPECT_EQ(Cables(), 1u);

    // The design's own message stays; the reason comes with it.
    avisos.mensajes.clear();
    EXPECT_EQ(yo.Derecho(MarcadorDeProtoboard(p)).rechazo, Rechazo::TableroOcupado);
    ASSERT_EQ(avisos.mensajes.size(), 1u);
    EXPECT_EQ(avisos.mensajes[0].texto, "Primero debe retirar los cables y componentes.");

    // Switched on, nothing is wired or removed, and the user is told why; a click on bare
    // workbench is no attempt at all.
    Enciende();
    EXPECT_EQ(yo.Pulsa(Superior(p, 5, 0)).rechazo, Rechazo::ModuloEncendido);
    yo.Suelta(Superior(p, 5, 0));
    const Punto enElCable = sesion.mesa.cables().Lista()[0].Puntos()[2];
    EXPECT_EQ(yo.Derecho(enElCable).rechazo, Rechazo::ModuloEncendido);
    const Punto enElChip{Chip().Ubicacion().x + 50, Chip().Ubicacion().y + 17};
    EXPECT_EQ(yo.Derecho(enElChip).rechazo, Rechazo::ModuloEncendido);
    EXPECT_FALSE(sesion.mesa.cables().HaCambiado());
    EXPECT_EQ(yo.Derecho({1500, 1200}).rechazo, Rechazo::Ninguno);
    EXPECT_EQ(yo.Pulsa({1500, 1200}).rechazo, Rechazo::Ninguno);
    EXPECT_EQ(Cables(), 1u);
    EXPECT_EQ(sesion.mesa.componentes().size(), 1u);
}

}  // namespace
}  // namespace velistra
