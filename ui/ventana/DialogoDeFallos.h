#pragma once
// "Fallos": the teacher writes the faults of a troubleshooting exercise, kept in a file
// beside the circuit and never in the circuit's own file.
#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace velistra {

class DialogoDeFallos final : public QDialog {
    Q_OBJECT

public:
    // `ruta`: the faults file; its text, if it exists, is shown to be edited.
    DialogoDeFallos(QString ruta, QWidget* padre = nullptr);

    QPlainTextEdit& Texto() { return *texto_; }
    // Checks the text and writes it whole (never half a file); false with the reason.
    bool Guarda(QString& error);

private:
    QString ruta_;
    QPlainTextEdit* texto_;
};

}  // namespace velistra
