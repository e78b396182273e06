#pragma once
// Undo and redo as whole pictures of the workbench: the circuit exactly as it is saved,
// plus what the file leaves out but the user edits (PLA links, the new wires' colour).
// Restoring goes through the file reader, so an undone state is always one that loads.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "plataforma/Lienzo.h"

namespace velistra {

class Mesa;

struct FotoDeMesa {
    std::string circuito;
    // Every PLA board's links, board after board.
    std::vector<bool> enlaces;
    Color colorDeCable = 0;

    bool operator==(const FotoDeMesa&) const = default;
};

FotoDeMesa Fotografia(const Mesa& mesa);
// Puts the workbench back as it was photographed; false (nothing changed) if the picture
// does not read back.
bool Restaura(Mesa& mesa, const FotoDeMesa& foto);

// The levers' positions, board by board: not part of the circuit, but a student expects
// them where they were after an undo or redo.
struct PalancasDeLaMesa {
    struct DeUnTablero {
        int identificador = 0;
        int tipo = 0;
        std::vector<unsigned char> estados;
    };
    std::vector<DeUnTablero> tableros;
};
PalancasDeLaMesa Palancas(const Mesa& mesa);
// Puts them back on the boards of the same identifier and kind (the supply is off).
void DevuelvePalancas(Mesa& mesa, const PalancasDeLaMesa& palancas);

class Historial {
public:
    static constexpr std::size_t kPasos = 200;

    // A new or loaded circuit: no steps either way.
    void Reinicia(FotoDeMesa actual);
    // The workbench as it is after an action; a new step when it changed.
    void Registra(FotoDeMesa actual);
    // The state to go back or forward to, or null when there is none.
    const FotoDeMesa* Deshace();
    const FotoDeMesa* Rehace();
    bool PuedeDeshacer() const { return actual > 0; }
    bool PuedeRehacer() const { return actual + 1 < fotos.size(); }

    // The present state is the one in the file.
    void MarcaGuardado();
    // The present circuit is the saved one (links and colour aside: the file has neither).
    bool EnLoGuardado() const;

private:
    std::deque<FotoDeMesa> fotos;
    std::size_t actual = 0;
    std::optional<std::string> guardado;
};

}  // namespace velistra
