#pragma once
// The "Prácticas" dock: a lab of the course (or one the teacher opened), its statement,
// "Empezar" and "Comprobar", and what the last check found. It shows; Practicas decides.
#include <QDockWidget>
#include <QStringList>

class QComboBox;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace velistra {

class PanelDePracticas : public QDockWidget {
    Q_OBJECT
public:
    explicit PanelDePracticas(QWidget* padre = nullptr);

    // The labs to choose from, by title, and the one shown.
    void Lista(const QStringList& titulos, int actual);
    void Enunciado(const QString& markdown);
    // The verdict first, then one line per wrong row or finding; none: nothing checked yet.
    void Resultado(const QStringList& lineas);

    QComboBox& Elector() const { return *elector_; }
    QTextBrowser& Texto() const { return *texto_; }
    QPushButton& BotonEmpezar() const { return *empezar_; }
    QPushButton& BotonComprobar() const { return *comprobar_; }
    QListWidget& Lineas() const { return *resultado_; }

signals:
    void Elegida(int indice);
    void Empezar();
    void Comprobar();
    // The language changed: the texts shown are to be said again.
    void OtroIdioma();

protected:
    void changeEvent(QEvent* evento) override;

private:
    void Traduce();

    QComboBox* elector_;
    QTextBrowser* texto_;
    QPushButton* empezar_;
    QPushButton* comprobar_;
    QListWidget* resultado_;
};

}  // namespace velistra
