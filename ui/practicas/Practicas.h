#pragma once
// The labs in the window: "Prácticas del curso" shows the dock with the course, "Abrir
// práctica..." adds a teacher's lab folder. "Empezar" and "Comprobar" go through the
// session like any command; the labs passed are remembered between runs.
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "docencia/Practica.h"

namespace velistra {

class PanelDePracticas;
class Sesion;
class VentanaPrincipal;
struct ResultadoDeComando;

// Where the course is: installed beside the program, in the system's data folders, or
// (running from the build tree) in the sources.
QString CarpetaDelCurso();

class Practicas : public QObject {
    Q_OBJECT
public:
    using Atencion = std::function<void(const ResultadoDeComando&)>;

    // `atiende` is how the program follows a command's result (title, undo, repaint). Lives
    // as long as `vida`, which must end before the session.
    Practicas(VentanaPrincipal& ventana, Sesion& sesion, Atencion atiende, const QString& curso,
              QObject& vida);

    PanelDePracticas& Panel() const { return *panel_; }
    // Adds the lab in `carpeta` to the list and shows it; false, after telling the user,
    // when it is not a lab.
    bool Abre(const QString& carpeta);
    // The lab shown, or null.
    const docencia::Practica* Actual() const;

private:
    void Elige(int indice);
    void Empieza();
    void Comprueba();
    void MuestraLista();
    void MuestraEnunciado();
    QString Titulo(const docencia::Practica& p) const;

    VentanaPrincipal& ventana_;
    Sesion& sesion_;
    Atencion atiende_;
    PanelDePracticas* panel_;
    std::vector<docencia::Practica> practicas_;
    int actual_ = -1;
};

}  // namespace velistra
