#pragma once
// "Fallos": the teacher writes the faults of a troubleshooting exercise, kept in a file
// beside the circuit and never in the circuit's own file.
#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace velistra {

class Mesa;

class DialogoDeFallos final : public QDialog {
    Q_OBJECT

public:
    // `ruta`: the faults file; its text, if it exists, is shown to be edited. With the
    // circuit, the chips, pins and wires the faults name are checked against it too.
    DialogoDeFallos(QString ruta, QWidget* padre = nullptr, const Mesa* mesa = nullptr);

    QPlainTextEdit& Texto() { return *texto_; }
    // Checks the text and writes it whole (never half a file); false with the reason.
    bool Guarda(QString& error);

private:
    QString ruta_;
    const Mesa* mesa_;
    QPlainTextEdit* texto_;
};

}  // namespace velistra
