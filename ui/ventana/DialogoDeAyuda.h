#pragma once
// "Información": the program's name, version and credits. Only its button closes it;
// Esc and the close box do nothing.
#include <QDialog>

class QPushButton;

namespace velistra {

class DialogoDeAyuda : public QDialog {
    Q_OBJECT
public:
    explicit DialogoDeAyuda(QWidget* padre = nullptr);

    QPushButton& Boton() const { return *boton_; }

public slots:
    void reject() override;

private:
    QPushButton* boton_;
};

}  // namespace velistra
