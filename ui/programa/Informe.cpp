#include "ui/programa/Informe.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <map>
#include <sstream>

#include "chips/Catalogo.h"
#include "chips/Patillaje.h"
#include "docencia/TablaDeVerdad.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "plataforma/Avisos.h"
#include "sesion/CodigosDeComando.h"
#include "simulacion/AnalizadorLogico.h"
#include "simulacion/Mesa.h"
#include "ui/analizador/DiagramaDeTiempos.h"
#include "ui/idiomas/Traduccion.h"
#include "ui/programa/ImagenDeLaMesa.h"

namespace velistra {

namespace {

constexpr int kResolucion = 150;
constexpr int kSeparacion = 24;

// Writes down the page and starts a new one when the next block does not fit.
class Hoja {
public:
    Hoja(QPdfWriter& pdf, QPainter& pintor) : pdf(pdf), pintor(pintor) {
        const QRect r = pdf.pageLayout().paintRectPixels(kResolucion);
        ancho = r.width();
        alto = r.height();
    }

    int Ancho() const { return ancho; }
    int Queda() const { return alto - y; }
    // Room for `h` pixels from here, on a new page if need be; answers the top.
    int Reserva(int h) {
        if (y > 0 && y + h > alto) {
            pdf.newPage();
            y = 0;
        }
        const int arriba = y;
        y += h;
        return arriba;
    }
    void Titulo(const QString& texto, int puntos) {
        QFont fuente = pintor.font();
        fuente.setPointSize(puntos);
        fuente.setBold(true);
        pintor.setFont(fuente);
        const int h = pintor.fontMetrics().height();
        const int arriba = Reserva(h + kSeparacion / 2);
        pintor.drawText(QRect(0, arriba, ancho, h), Qt::AlignLeft | Qt::AlignVCenter, texto);
        Letra();
    }
    // Long lines (the names of many lamps) wrap at the margin.
    void Linea(const QString& texto, int sangria = 0) {
        const int banderas = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const int h = pintor.fontMetrics().boundingRect(QRect(0, 0, ancho - sangria, alto), banderas, texto).height();
        const int arriba = Reserva(h);
        pintor.drawText(QRect(sangria, arriba, ancho - sangria, h), banderas, texto);
    }
    void Espacio() { y = std::min(alto, y + kSeparacion); }
    void Letra(bool monoespaciada = false) {
        QFont fuente(monoespaciada ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
        fuente.setPointSize(10);
        pintor.setFont(fuente);
    }

private:
    QPdfWriter& pdf;
    QPainter& pintor;
    int ancho = 0;
    int alto = 0;
    int y = 0;
};

void Chips(Hoja& hoja, const Mesa& mesa) {
    hoja.Titulo(QCoreApplication::translate("velistra::Informe", "Chips utilizados"), 13);
    std::map<long, int> cuenta;
    for (const Componente& chip : mesa.componentes()) ++cuenta[chip.Codigo()];
    if (cuenta.empty()) hoja.Linea(QCoreApplication::translate("velistra::Informe", "El circuito no lleva chips."));
    for (const auto& [codigo, n] : cuenta) {
        // Named by the label printed on the chip, as the review and the probe name it, then
        // as the chip menu lists it.
        const FichaDeChip* ficha = FichaDeCatalogo(static_cast<int>(codigo));
        const QString nombre = QString::fromStdString(EtiquetaDeChip(codigo));
        hoja.Linea(ficha ? QStringLiteral("%1 × %2 (%3)").arg(n).arg(nombre, DelNucleo(ficha->texto))
                         : QStringLiteral("%1 × %2").arg(n).arg(nombre));
        const std::string_view descripcion = DescripcionDeChip(static_cast<int>(codigo));
        if (!descripcion.empty())
            hoja.Linea(DelNucleo(std::string(descripcion)), 20);
        // Pin names as the data sheet prints them; '~' marks an active-low name.
        QStringList patillas;
        for (int pin = 1;; ++pin) {
            const std::string_view patilla = NombreDePatilla(static_cast<int>(codigo), pin);
            if (patilla.empty()) break;
            patillas << QStringLiteral("%1 %2").arg(pin).arg(
                QString::fromUtf8(patilla.data(), static_cast<qsizetype>(patilla.size())));
        }
        if (!patillas.isEmpty())
            hoja.Linea(QCoreApplication::translate("velistra::Informe", "Patillas: ") +
                           patillas.join(QStringLiteral("  ")),
                       20);
    }
}

// Made on a copy of the circuit: the table switches the supply and flips the levers.
void Tabla(Hoja& hoja, const Mesa& mesa) {
    AvisosMudos avisos;
    Mesa copia(avisos);
    copia.InicializaMesa();
    std::istringstream texto(TextoDeCircuito(mesa));
    if (LeeCircuito(copia, texto) != ResultadoDeLectura::Correcto) return;
    const std::vector<docencia::PalancaCableada> palancas = docencia::PalancasCableadas(copia);
    hoja.Titulo(QCoreApplication::translate("velistra::Informe", "Tabla de verdad"), 13);
    if (palancas.empty()) {
        hoja.Linea(QCoreApplication::translate("velistra::Informe", "El circuito no tiene interruptores cableados."));
        return;
    }
    if (palancas.size() > kPalancasDelInforme) {
        hoja.Linea(QCoreApplication::translate("velistra::Informe", "El circuito tiene %1 interruptores cableados; el informe da la tabla de %2 como máximo.")
                       .arg(palancas.size())
                       .arg(kPalancasDelInforme));
        return;
    }
    const docencia::TablaDeVerdad tabla =
        docencia::RecorreCombinaciones(copia, palancas, docencia::LucesCableadas(copia));
    QStringList cabecera;
    for (const std::string& e : tabla.entradas) cabecera << QString::fromStdString(e);
    hoja.Linea(QCoreApplication::translate("velistra::Informe", "Palancas: ") + cabecera.join(QStringLiteral(" ")));
    cabecera.clear();
    for (const std::string& s : tabla.salidas) cabecera << QString::fromStdString(s);
    hoja.Linea(QCoreApplication::translate("velistra::Informe", "Luces: ") + cabecera.join(QStringLiteral(" ")));
    hoja.Espacio();
    hoja.Letra(true);
    for (const std::vector<bool>& fila : tabla.filas) {
        QString texto;
        for (std::size_t i = 0; i < fila.size(); ++i) {
            if (i == tabla.entradas.size()) texto += QStringLiteral(" | ");
            texto += fila[i] ? QLatin1Char('1') : QLatin1Char('0');
        }
        hoja.Linea(texto, 20);
    }
    hoja.Letra();
}

void Diagrama(Hoja& hoja, QPainter& pintor, const AnalizadorLogico& analizador) {
    if (analizador.Canales().empty()) return;
    hoja.Titulo(TextoDeLaOrden(comandos::kAnalizadorLogico), 13);
    // Drawn at screen size and scaled onto the page, so it reads as in the window.
    constexpr int kAnchoEnPantalla = 1100;
    QImage imagen(kAnchoEnPantalla, AltoDelDiagrama(analizador), QImage::Format_RGB32);
    {
        QPainter dibujo(&imagen);
        QFont fuente(QStringLiteral("DejaVu Sans"));
        fuente.setPixelSize(11);
        dibujo.setFont(fuente);
        PintaDiagrama(dibujo, imagen.rect(), analizador, VistaCompleta(analizador, imagen.width()));
    }
    const int alto = imagen.height() * hoja.Ancho() / imagen.width();
    DibujaAjustada(pintor, imagen, QRect(0, hoja.Reserva(alto), hoja.Ancho(), alto));
}

}  // namespace

bool EscribeInforme(Mesa& mesa, const AnalizadorLogico& analizador, const Imagenes& imagenes,
                    const std::string& titulo, const QString& ruta) {
    QPdfWriter pdf(ruta);
    pdf.setTitle(QCoreApplication::translate("velistra::Informe", "Informe de laboratorio"));
    pdf.setCreator(QStringLiteral("Velistra"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setResolution(kResolucion);
    QPainter pintor;
    if (!pintor.begin(&pdf)) return false;
    Hoja hoja(pdf, pintor);

    hoja.Titulo(QCoreApplication::translate("velistra::Informe", "Informe de laboratorio"), 18);
    hoja.Linea(titulo.empty() ? QCoreApplication::translate("velistra::Informe", "Circuito sin nombre") : QString::fromStdString(titulo));
    hoja.Linea(ConvencionesDelIdioma().toString(QDateTime::currentDateTime(), QLocale::LongFormat));
    hoja.Espacio();

    // Never larger than a workbench pixel to a page pixel: a small circuit (the supply
    // alone) stays small and leaves room for the text.
    const QImage circuito = ImagenDeLaMesa(mesa, imagenes);
    const int ancho = std::min(hoja.Ancho(), circuito.width());
    const int alto = std::min(hoja.Queda(), circuito.height() * ancho / std::max(1, circuito.width()));
    DibujaAjustada(pintor, circuito, QRect(0, hoja.Reserva(alto), hoja.Ancho(), alto));
    hoja.Espacio();

    Chips(hoja, mesa);
    hoja.Espacio();
    Tabla(hoja, mesa);
    hoja.Espacio();
    Diagrama(hoja, pintor, analizador);
    return pintor.end();
}

}  // namespace velistra
