#pragma once
// "Revisar circuito": the review's findings in a list; choosing one points at the place
// it names on the workbench. The review itself is core code; this only shows it.
#include <QDialog>
#include <QPointer>
#include <QString>
#include <vector>

#include "docencia/Revision.h"

class QListWidget;
#include <QRubberBand>

namespace velistra {

class Mesa;
class VentanaDeMesa;

class DialogoDeRevision final : public QDialog {
    Q_OBJECT

public:
    DialogoDeRevision(Mesa& mesa, VentanaDeMesa& vista, QWidget* padre = nullptr);
    ~DialogoDeRevision() override;

    // One finding in a sentence that says where it is.
    static QString Describe(const docencia::Hallazgo& h);
    int NumeroDeHallazgos() const { return static_cast<int>(hallazgos_.size()); }
    // Scrolls the workbench to finding `i` and frames its place.
    void Senala(int i);

protected:
    // The frame belongs to the dialog's look at the workbench: it goes with it.
    void hideEvent(QHideEvent* evento) override;

private:
    // Puts the frame around the chosen place, wherever the view is now.
    void ColocaMarco();

    VentanaDeMesa& vista_;
    std::vector<docencia::Hallazgo> hallazgos_;
    QListWidget* lista_;
    QPointer<QRubberBand> marco_;
    int senalado_ = -1;
};

}  // namespace velistra
