#pragma once
// A user at the real program: menu commands through their QActions and the mouse on
// the workbench window through QTest, at window points worked out from the boards'
// own hit tests, so the tests follow the boards wherever they are drawn.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace velistra {

class Mesa;
class Programa;
class Tablero;
class VentanaDeMesa;

namespace prueba {

// Where a press hits port i of a board, and the centre wires snap to.
struct PuntoDePuerto {
    QPoint golpe;
    QPoint centro;
};

// Switch board: lever i drives ports 3i..3i+2, then VCC and GND. LED board: inputs 0..7,
// then GND.
inline constexpr int kVccDeInterruptores = 24;
inline constexpr int kGndDeInterruptores = 25;
inline constexpr int kGndDeLeds = 8;

// Breadboard holes of a 7404 plugged in with pin 1 (input 1A) below column 10: pin 2
// (output 1Y) below 11, pin 7 (GND) below 16, pin 14 (VCC) above 10.
inline constexpr int kColumnaDel7404 = 10;
inline constexpr int kVccDel7404 = 5 * kColumnaDel7404;
inline constexpr int kEntradaDel7404 = 320 + 5 * kColumnaDel7404 + 2;
inline constexpr int kSalidaDel7404 = 320 + 5 * (kColumnaDel7404 + 1) + 2;
inline constexpr int kGndDel7404 = 320 + 5 * (kColumnaDel7404 + 6) + 2;

// How a wire leaves its first port: the first move decides which way its corner turns.
enum class Salida { Libre, Vertical, Horizontal };

class Usuario {
public:
    explicit Usuario(Programa& programa);

    Mesa& LaMesa();
    VentanaDeMesa& Ventana();

    // The menu or toolbar action with that command id.
    QAction* Accion(int id);
    void Elige(int id);
    // A board from the "Tableros" or "Tutoriales" menu; the new board.
    Tablero& AgregaTablero(int id);

    // The mouse, at workbench points (they must be in view).
    QPoint EnVentana(QPoint enMesa);
    void Pulsa(QPoint enMesa);
    void Suelta(QPoint enMesa);
    void Clic(QPoint enMesa);
    void ClicDerecho(QPoint enMesa);
    // A move with no button held.
    void Pasa(QPoint enMesa);
    // Press, a few moves on the way, release.
    void Arrastra(QPoint desde, QPoint hasta, Salida salida = Salida::Libre);

    // Points from the boards' hit tests, in workbench coordinates.
    static QPoint Marcador(Tablero& tablero);
    static PuntoDePuerto Puerto(Tablero& tablero, int puerto);
    static QPoint Palanca(Tablero& palancas, int i);
    static QPoint Interruptor(Tablero& fuente);

    void LlevaTablero(Tablero& tablero, QPoint esquina);
    // AgregaTablero, then LlevaTablero to `esquina`.
    Tablero& PonTablero(int id, QPoint esquina);
    // Draws a wire from port a of one board to port b of another.
    void Cablea(Tablero& tableroA, int a, Tablero& tableroB, int b, Salida salida = Salida::Libre);
    // Drags chip `chip` (list index) so that its pin 1 lands in lower column `columna`.
    void ColocaChip(std::size_t chip, Tablero& protoboard, int columna);
    void AccionaPalanca(Tablero& palancas, int i);
    void AccionaFuente();

    // What the workbench window shows now.
    QImage Vista();

private:
    Programa& programa_;
};

// Top-left corners of every exact copy of `pieza` inside `zona` of `imagen`.
std::vector<QPoint> Apariciones(const QImage& imagen, const QImage& pieza, QRect zona);

// Runs `accion` on the next modal dialog and collects its title and text (for message
// boxes); see AlAbrirseUnDialogo.
struct DialogoVisto {
    QString titulo;
    QString texto;
};
void ResponderAlMensaje(DialogoVisto& visto, const QString& boton);

}  // namespace prueba
}  // namespace velistra
