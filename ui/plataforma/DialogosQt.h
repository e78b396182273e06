#pragma once
// The open, save and colour dialogs over the given window.
#include <QString>

#include "plataforma/Dialogos.h"

class QWidget;

namespace velistra {

class DialogosQt final : public Dialogos {
public:
    explicit DialogosQt(QWidget* padre) : padre_(padre) {}

    std::optional<std::string> NombreParaAbrir(const std::vector<FiltroDeArchivos>& filtros,
                                               const std::string& extension) override;
    // Asks before overwriting an existing file.
    std::optional<std::string> NombreParaGuardar(const std::vector<FiltroDeArchivos>& filtros,
                                                 const std::string& extension) override;
    // The 16 custom colours go into the dialog and come back from it, accepted or not.
    std::optional<Color> EligeColor(Color inicial, std::array<Color, 16>& personalizados) override;

private:
    QWidget* padre_;
};

// "Archivos conocidos (*.txt);;Todos los archivos (*.*)": the filters as the file
// dialog takes them; a description without its pattern gets it appended.
QString FiltrosQt(const std::vector<FiltroDeArchivos>& filtros);

}  // namespace velistra
