#pragma once
// What "Comprobar" found, in lines for the dock: the verdict, each wrong row (levers,
// expected lights, lights now) and the wiring review's findings.
#include <QStringList>

namespace velistra {

struct ResultadoDePractica;

QStringList LineasDelInforme(const ResultadoDePractica& resultado);

}  // namespace velistra
