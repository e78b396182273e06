#include "Usuario.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>

#include "Apoyo.h"
#include "tableros/TableroDePalancas.h"
#include "tableros/TableroPLA.h"
#include "simulacion/Mesa.h"
#include "ui/programa/Programa.h"
#include "ui/ventana/BarraDeHerramientas.h"
#include "ui/ventana/VentanaDeMesa.h"

namespace velistra::prueba {

namespace {

// The board's area; the PLA board keeps no size of its own.
QRect Area(Tablero& t) {
    if (t.Tipo() == Tablero::kPLA)
        return QRect(t.EsquinaX(), t.EsquinaY(), TableroPLA::kAncho, TableroPLA::kAlto);
    return QRect(t.EsquinaX(), t.EsquinaY(), t.Anchura(), t.Altura());
}

// The first point of the board's area (row by row) where `acierta` holds.
QPoint Busca(Tablero& t, const std::function<bool(int, int)>& acierta) {
    const QRect area = Area(t);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (acierta(x, y)) return QPoint(x, y);
        }
    }
    ADD_FAILURE() << "nada en el tablero " << t.Identificador();
    return QPoint(-1, -1);
}

}  // namespace

Usuario::Usuario(Programa& programa) : programa_(programa) {}

Mesa& Usuario::LaMesa() { return programa_.LaSesion().mesa; }

VentanaDeMesa& Usuario::Ventana() { return programa_.Principal().Mesa(); }

QAction* Usuario::Accion(int id) {
    VentanaPrincipal& principal = programa_.Principal();
    for (QWidget* donde : {static_cast<QWidget*>(principal.menuBar()),
                           static_cast<QWidget*>(&principal.Herramientas())}) {
        for (QAction* accion : donde->findChildren<QAction*>()) {
            if (!accion->isSeparator() && accion->data().toInt() == id) return accion;
        }
        for (QAction* accion : donde->actions()) {
            if (!accion->isSeparator() && accion->data().toInt() == id) return accion;
        }
    }
    ADD_FAILURE() << "no hay orden " << id;
    return nullptr;
}

void Usuario::Elige(int id) {
    if (QAction* accion = Accion(id)) accion->trigger();
}

Tablero& Usuario::AgregaTablero(int id) {
    const std::size_t antes = LaMesa().tablero().size();
    Elige(id);
    EXPECT_EQ(LaMesa().tablero().size(), antes + 1) << id;
    return *LaMesa().tablero().back();
}

QPoint Usuario::EnVentana(QPoint enMesa) {
    const QPoint punto = Ventana().EnVentana(enMesa);
    EXPECT_TRUE(Ventana().viewport()->rect().contains(punto))
        << "(" << enMesa.x() << ", " << enMesa.y() << ") no se ve";
    return punto;
}

void Usuario::Pulsa(QPoint enMesa) {
    QTest::mousePress(Ventana().viewport(), Qt::LeftButton, Qt::NoModifier, EnVentana(enMesa));
}

void Usuario::Suelta(QPoint enMesa) {
    QTest::mouseRelease(Ventana().viewport(), Qt::LeftButton, Qt::NoModifier, EnVentana(enMesa));
}

void Usuario::Clic(QPoint enMesa) {
    Pulsa(enMesa);
    Suelta(enMesa);
}

void Usuario::ClicDerecho(QPoint enMesa) {
    QTest::mouseClick(Ventana().viewport(), Qt::RightButton, Qt::NoModifier, EnVentana(enMesa));
}

void Usuario::Pasa(QPoint enMesa) {
    QWidget* vista = Ventana().viewport();
    const QPointF punto = EnVentana(enMesa);
    QMouseEvent movimiento(QEvent::MouseMove, punto, vista->mapToGlobal(punto), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(vista, &movimiento);
}

void Usuario::Arrastra(QPoint desde, QPoint hasta, Salida salida) {
    Pulsa(desde);
    // Far enough one way for a wire to take it as its first direction.
    constexpr int kArranque = 16;
    const QPoint d = hasta - desde;
    const int sx = d.x() < 0 ? -kArranque : kArranque;
    const int sy = d.y() < 0 ? -kArranque : kArranque;
    if (salida == Salida::Vertical)
        QTest::mouseMove(Ventana().viewport(), EnVentana(desde + QPoint(0, sy)));
    if (salida == Salida::Horizontal)
        QTest::mouseMove(Ventana().viewport(), EnVentana(desde + QPoint(sx, 0)));
    constexpr int kPasos = 4;
    for (int i = 1; i <= kPasos; ++i) {
        QTest::mouseMove(Ventana().viewport(), EnVentana(desde + d * i / kPasos));
    }
    Suelta(hasta);
}

QPoint Usuario::Marcador(Tablero& tablero) {
    // The middle of the first handle found: its corner may be the window's (0, 0), which
    // QTest takes for "the widget's centre".
    const QPoint esquina = Busca(tablero, [&](int x, int y) { return tablero.MarcadorEn(x, y); });
    QPoint opuesta = esquina;
    while (tablero.MarcadorEn(opuesta.x() + 1, esquina.y())) opuesta.rx()++;
    while (tablero.MarcadorEn(esquina.x(), opuesta.y() + 1)) opuesta.ry()++;
    return (esquina + opuesta) / 2;
}

PuntoDePuerto Usuario::Puerto(Tablero& tablero, int puerto) {
    velistra::Puerto* buscado = tablero.DireccionDePuerto(puerto);
    const QPoint golpe =
        Busca(tablero, [&](int x, int y) { return tablero.PuertoEn(x, y) == buscado; });
    tablero.PuertoEn(golpe.x(), golpe.y());
    return {golpe, QPoint(tablero.CentroX(), tablero.CentroY())};
}

QPoint Usuario::Palanca(Tablero& palancas, int i) {
    auto* tablero = dynamic_cast<TableroDePalancas*>(&palancas);
    EXPECT_NE(tablero, nullptr);
    if (tablero == nullptr) return {};
    // Aim at the middle of the lever, not at its edge.
    const QPoint borde = Busca(palancas, [&](int x, int y) {
        return tablero->EntradaEn(x, y) && tablero->EntradaSeleccionada() == i;
    });
    return borde + QPoint(7, 13);
}

QPoint Usuario::Interruptor(Tablero& fuente) {
    return Busca(fuente, [&](int x, int y) { return fuente.EntradaEn(x, y); }) + QPoint(7, 13);
}

void Usuario::LlevaTablero(Tablero& tablero, QPoint esquina) {
    const QPoint agarre = Marcador(tablero);
    Arrastra(agarre, agarre + esquina - QPoint(tablero.EsquinaX(), tablero.EsquinaY()));
    EXPECT_EQ(QPoint(tablero.EsquinaX(), tablero.EsquinaY()), esquina);
}

Tablero& Usuario::PonTablero(int id, QPoint esquina) {
    Tablero& tablero = AgregaTablero(id);
    LlevaTablero(tablero, esquina);
    return tablero;
}

void Usuario::Cablea(Tablero& tableroA, int a, Tablero& tableroB, int b, Salida salida) {
    const std::size_t antes = LaMesa().cables().Lista().size();
    Arrastra(Puerto(tableroA, a).golpe, Puerto(tableroB, b).golpe, salida);
    EXPECT_EQ(LaMesa().cables().Lista().size(), antes + 1)
        << "cable " << tableroA.Identificador() << "." << a << " - " << tableroB.Identificador()
        << "." << b;
}

void Usuario::ColocaChip(std::size_t chip, Tablero& protoboard, int columna) {
    Componente& componente = LaMesa().componentes()[chip];
    const int n = componente.NumeroDePines();
    // The chip plugs in by the hole above its last pin, at the top of its first column.
    const QPoint hoyo = Puerto(protoboard, 5 * columna + 4).centro;
    const QPoint esquina(componente.Ubicacion().x, componente.Ubicacion().y);
    const QPoint agarre = esquina + QPoint(componente.Anchura() / 2, componente.Altura() / 2);
    const QPoint enchufe(componente.Desplazamiento().x, componente.Desplazamiento().y);
    Arrastra(agarre, agarre + hoyo - enchufe - esquina);
    EXPECT_TRUE(componente.EstaInsertado()) << "chip " << chip << " de " << n << " patas";
}

void Usuario::AccionaPalanca(Tablero& palancas, int i) { Clic(Palanca(palancas, i)); }

void Usuario::AccionaFuente() { Clic(Interruptor(*LaMesa().fuentedc())); }

QImage Usuario::Vista() {
    return Ventana().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

std::vector<QPoint> Apariciones(const QImage& imagen, const QImage& pieza, QRect zona) {
    std::vector<QPoint> encontradas;
    zona = zona.intersected(imagen.rect());
    for (int y = zona.top(); y + pieza.height() - 1 <= zona.bottom(); ++y) {
        for (int x = zona.left(); x + pieza.width() - 1 <= zona.right(); ++x) {
            bool igual = true;
            for (int v = 0; igual && v < pieza.height(); ++v) {
                for (int u = 0; igual && u < pieza.width(); ++u) {
                    igual = Pixel(imagen, x + u, y + v) == Pixel(pieza, u, v);
                }
            }
            if (igual) encontradas.emplace_back(x, y);
        }
    }
    return encontradas;
}

void ResponderAlMensaje(DialogoVisto& visto, const QString& boton) {
    AlAbrirseUnDialogo([&visto, boton](QWidget* dialogo) {
        auto* caja = qobject_cast<QMessageBox*>(dialogo);
        ASSERT_NE(caja, nullptr);
        visto.titulo = caja->windowTitle();
        visto.texto = caja->text();
        for (QAbstractButton* b : caja->buttons()) {
            if (b->text() == boton) {
                b->click();
                return;
            }
        }
        ADD_FAILURE() << "sin botón " << boton.toStdString();
    });
}

}  // namespace velistra::prueba
