#pragma once
// The "Analizador lógico" dock: its buttons, the timing diagram and its scroll bar. It
// follows the record as it grows while its scroll bar is at the end.
#include <QDockWidget>
#include <QTimer>
#include <cstdint>
#include <string>

class QAction;
class QScrollBar;

namespace velistra {

class AnalizadorLogico;
class DiagramaDeTiempos;
class Dialogos;

class PanelDelAnalizador : public QDockWidget {
    Q_OBJECT
public:
    PanelDelAnalizador(AnalizadorLogico& analizador, Dialogos& dialogos, QWidget* padre = nullptr);

    DiagramaDeTiempos& Diagrama() const { return *diagrama_; }
    QAction& Sonda() const { return *sonda_; }
    QAction& Pausa() const { return *pausa_; }

    // Writes the record to `ruta`: .csv and .vcd by their extension, a PNG of the diagram
    // as shown otherwise. False after telling the user, when it could not be written.
    bool Exporta(const std::string& ruta);
    // Zooms in (positive) or out by factors of two around a time.
    void Zoom(int pasos, std::int64_t alrededor);
    // Takes in what the record gained since the last look.
    void Actualiza();

signals:
    void SondaCambiada(bool activa);

private:
    void PideExportar();
    void QuitaElegido();
    void Renombra(int canal);
    void AjustaBarra();
    void Desplaza(int valor);

    AnalizadorLogico& analizador_;
    Dialogos& dialogos_;
    DiagramaDeTiempos* diagrama_;
    QScrollBar* barra_;
    QAction* sonda_;
    QAction* pausa_;
    QTimer vigia_;
    unsigned long version_ = 0;
    std::int64_t ahora_ = -1;
    // Microseconds per scroll bar step, so that a long record fits its int range.
    double unidad_ = 1;
    bool siguiendo_ = true;
};

}  // namespace velistra
