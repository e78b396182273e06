#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velistra {

class Mesa;
class Puerto;
class Tablero;

// One probe of the logic analyser: a port of a board, found by the board's identifier
// so that it survives undo and redo; it reads the whole net the port lies on.
struct CanalLogico {
    int tablero = 0;
    int puerto = 0;
    std::string nombre;
};

// What every channel read at one settling. `valores[c]` is '0', '1', 'Z', or
// kSinDato for a channel that did not exist yet.
struct MuestraLogica {
    static constexpr char kSinDato = '\0';
    std::int64_t tiempo = 0;  // microseconds since the recording began
    std::array<char, 16> valores{};
};

// The logic analyser's record: a sample of every channel at every settling, timed by
// the 47 ms ticks; settlings between two ticks get one microsecond more each, so every
// change has its own time. Keeps the last kMaximoDeMuestras samples.
class AnalizadorLogico {
public:
    static constexpr int kMaximoDeCanales = 16;
    static constexpr std::size_t kMaximoDeMuestras = 100000;
    static constexpr std::int64_t kMicrosegundosPorTic = 47000;

    // The name the channel gets from what it touches: "3:a12" for a breadboard hole,
    // "5:7" for terminal 7 of another board.
    static std::string NombreDePuerto(const Mesa& mesa, int tablero, int puerto);

    // False, changing nothing, when all channels are taken or the port is already a
    // channel. The new channel's present level is sampled at once.
    bool AnadeCanal(Mesa& mesa, int tablero, int puerto, std::string nombre = {});
    void QuitaCanal(int canal);
    void RenombraCanal(int canal, std::string nombre);
    const std::vector<CanalLogico>& Canales() const { return canales; }

    // Forgets the samples and starts the clock again; the channels stay.
    void Borra();
    // Forgets the channels too.
    void Reinicia();
    // While paused no sample is taken, but time goes on; the span is kept, so that no
    // view draws levels over it that nobody saw.
    void Pausa(bool pausado);
    bool EnPausa() const { return bPausado; }
    struct Intervalo {
        std::int64_t desde = 0;
        std::int64_t hasta = -1;  // -1: still paused
    };
    // Oldest first.
    const std::vector<Intervalo>& Pausas() const { return pausas; }

    // Fed by the workbench: a timer tick, and a settling that just ended.
    void AvanzaTic();
    void Muestrea(Mesa& mesa);

    std::size_t NumeroDeMuestras() const { return nMuestras; }
    // Oldest first.
    const MuestraLogica& Muestra(std::size_t i) const {
        return muestras[(iPrimera + i) % kMaximoDeMuestras];
    }
    // The time the next sample would get.
    std::int64_t Ahora() const { return nTic * kMicrosegundosPorTic + nPaso; }
    // The last sample taken at or before `tiempo`; NumeroDeMuestras() when none is.
    std::size_t MuestraEn(std::int64_t tiempo) const;
    // Bumps on every change, so a view knows when to draw again.
    unsigned long Version() const { return nVersion; }

private:
    // Where a channel's port was last found: trusted only while that slot of the board
    // list still holds that board, so a removed board is never read.
    struct Enlace {
        std::size_t indice = 0;
        const Tablero* tablero = nullptr;
        Puerto* puerto = nullptr;
    };
    void Guarda(const MuestraLogica& m);
    char Lee(const Mesa& mesa, std::size_t canal);

    std::vector<CanalLogico> canales;
    std::vector<Enlace> enlaces;
    std::vector<MuestraLogica> muestras;
    std::vector<Intervalo> pausas;
    std::size_t iPrimera = 0;
    std::size_t nMuestras = 0;
    std::int64_t nTic = 0;
    std::int64_t nPaso = 0;
    bool bPausado = false;
    unsigned long nVersion = 0;
};

}  // namespace velistra
