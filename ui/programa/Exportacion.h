#pragma once
// "Exportar imagen...", "Imprimir..." and "Exportar informe (PDF)..." of the "Circuitos"
// menu; and the same picture without a window.
#include <QStringList>
#include <optional>

namespace velistra {

class Dialogos;
class Imagenes;
class Sesion;
class VentanaPrincipal;

void AtiendeLaExportacion(VentanaPrincipal& ventana, Sesion& sesion, const Imagenes& imagenes,
                          Dialogos& dialogos);

// `velistra --exportar CIRCUITO.txt SALIDA.png|pdf`: the exit code, or nothing when the
// arguments ask for something else. Messages go to standard error.
std::optional<int> ExportaDesdeLaLineaDeOrdenes(const QStringList& argumentos);

}  // namespace velistra
