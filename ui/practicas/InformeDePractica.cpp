#include "ui/practicas/InformeDePractica.h"

#include <QCoreApplication>

#include "docencia/DescripcionDeHallazgos.h"
#include "sesion/ComprobacionDePractica.h"
#include "ui/idiomas/Traduccion.h"

namespace velistra {

namespace {

// The catalogue's context for the lines below.
class InformeDePractica {
    Q_DECLARE_TR_FUNCTIONS(InformeDePractica)
public:
    static QStringList Lineas(const ResultadoDePractica& r);
};

// "int4.0=0 int4.1=1": the names are the table's, a format.
QString Niveles(const std::vector<Nivel>& niveles) {
    QStringList partes;
    for (const auto& [nombre, alto] : niveles)
        partes << QString::fromStdString(nombre) +
                      (alto ? QStringLiteral("=1") : QStringLiteral("=0"));
    return partes.join(QLatin1Char(' '));
}

QStringList InformeDePractica::Lineas(const ResultadoDePractica& r) {
    QStringList lineas;
    if (r.Correcta()) {
        lineas << tr("Correcto: la práctica está superada.");
    } else if (r.sinComprobar) {
        lineas << tr("No se pudo comprobar el circuito.");
    } else if (r.sinAsentarse) {
        lineas << tr("Incorrecto: el circuito no se asienta (una realimentación oscila).");
    } else if (!r.equivocadas.empty()) {
        lineas << tr("Incorrecto: %1 de %2 filas no dan lo esperado.")
                      .arg(r.equivocadas.size())
                      .arg(r.filas);
    } else {
        lineas << tr("Incorrecto: faltan palancas o luces por cablear.");
    }
    for (const std::string& nombre : r.palancasQueFaltan)
        lineas << tr("Falta cablear la palanca %1.").arg(QString::fromStdString(nombre));
    for (const std::string& nombre : r.lucesQueFaltan)
        lineas << tr("Falta cablear la luz %1.").arg(QString::fromStdString(nombre));
    for (const FilaEquivocada& f : r.equivocadas)
        lineas << tr("%1: se espera %2; ahora %3")
                      .arg(Niveles(f.palancas), Niveles(f.esperadas), Niveles(f.obtenidas));
    for (const docencia::Hallazgo& h : r.hallazgos)
        lineas << tr("Revisión: %1")
                      .arg(DelNucleo(docencia::DescribeHallazgo(h, docencia::ConPunto::No)));
    return lineas;
}

}  // namespace

QStringList LineasDelInforme(const ResultadoDePractica& r) { return InformeDePractica::Lineas(r); }

}  // namespace velistra
