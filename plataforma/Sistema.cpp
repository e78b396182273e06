#include "plataforma/Sistema.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <utility>

namespace velistra::sistema {

bool EntradaEstandarEsCarpeta() {
    struct stat estado {};
    return fstat(STDIN_FILENO, &estado) == 0 && S_ISDIR(estado.st_mode);
}

void IgnoraElLimiteDeTamano() { std::signal(SIGXFSZ, SIG_IGN); }

bool VuelcaAlDisco(std::FILE* archivo) {
    const int d = fileno(archivo);
    if (d < 0) return false;
    while (fsync(d) != 0) {
        // Some file systems cannot sync; their data is as safe as they make it.
        if (errno == EINVAL || errno == ENOTSUP) return true;
        if (errno != EINTR) return false;
    }
    return true;
}

int Proceso() { return static_cast<int>(getpid()); }

Cerrojo::Cerrojo(const std::string& ruta) {
    const int d = open(ruta.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0600);
    if (d < 0) return;
    if (flock(d, LOCK_EX | LOCK_NB) != 0) {
        close(d);
        return;
    }
    descriptor = d;
}

Cerrojo::~Cerrojo() { Suelta(); }

Cerrojo::Cerrojo(Cerrojo&& otro) noexcept : descriptor(std::exchange(otro.descriptor, -1)) {}

Cerrojo& Cerrojo::operator=(Cerrojo&& otro) noexcept {
    if (this != &otro) {
        Suelta();
        descriptor = std::exchange(otro.descriptor, -1);
    }
    return *this;
}

void Cerrojo::Suelta() {
    if (descriptor >= 0) close(descriptor);
    descriptor = -1;
}

}  // namespace velistra::sistema

namespace velistra::sistema {

namespace {

// Each answer goes across the pipe as its length, then its bytes; this length instead
// says that the child leaves after the answers before it.
using Largo = std::uint64_t;
constexpr Largo kSeRetira = ~Largo{0};

std::string Cabecera(Largo largo) { return std::string(reinterpret_cast<const char*>(&largo), sizeof largo); }

bool EscribeTodo(int descriptor, const std::string& datos) {
    std::size_t escritos = 0;
    while (escritos < datos.size()) {
        const ssize_t n = write(descriptor, datos.data() + escritos, datos.size() - escritos);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        escritos += static_cast<std::size_t>(n);
    }
    return true;
}

std::size_t PicoDeMemoria() {
    rusage uso{};
    if (getrusage(RUSAGE_SELF, &uso) != 0 || uso.ru_maxrss < 0) return 0;
    return static_cast<std::size_t>(uso.ru_maxrss) * 1024;
}

// The child's whole life: pieces [desde, hasta), each answer sent as soon as it is ready.
[[noreturn]] void Atiende(int salida, std::size_t desde, std::size_t hasta, std::size_t crecimiento,
                          const std::function<std::string(std::size_t)>& trabajo) {
    const std::size_t picoInicial = PicoDeMemoria();
    for (std::size_t i = desde; i < hasta; ++i) {
        const std::string texto = trabajo(i);
        if (!EscribeTodo(salida, Cabecera(texto.size()) + texto)) _exit(1);
        if (PicoDeMemoria() > picoInicial + crecimiento) break;
    }
    if (!EscribeTodo(salida, Cabecera(kSeRetira))) _exit(1);
    // No destructors or exit handlers of the parent's objects run twice.
    _exit(0);
}

// The parent's side of one child: its answers in order, each awaited until a limit.
class Hijo {
public:
    enum class Respuesta { Texto, SeRetira, SinTiempo, Cayo };

    Hijo(std::size_t desde, std::size_t hasta, std::size_t crecimiento,
         const std::function<std::string(std::size_t)>& trabajo) {
        int tubo[2];
        if (pipe(tubo) != 0) return;
        pid = fork();
        if (pid == 0) {
            close(tubo[0]);
            Atiende(tubo[1], desde, hasta, crecimiento, trabajo);
        }
        close(tubo[1]);
        if (pid < 0) close(tubo[0]);
        else lectura = tubo[0];
    }
    ~Hijo() {
        if (pid <= 0) return;
        close(lectura);
        // Also one that shut the pipe yet runs on; one that has left is only reaped.
        kill(pid, SIGKILL);
        int estado = 0;
        while (waitpid(pid, &estado, 0) < 0 && errno == EINTR) {
        }
    }
    Hijo(const Hijo&) = delete;
    Hijo& operator=(const Hijo&) = delete;

    bool EnMarcha() const { return lectura >= 0; }

    Respuesta Espera(std::chrono::steady_clock::time_point limite, std::string& texto) {
        for (;;) {
            if (recibido.size() >= sizeof(Largo)) {
                Largo largo = 0;
                std::memcpy(&largo, recibido.data(), sizeof largo);
                if (largo == kSeRetira) return Respuesta::SeRetira;
                if (recibido.size() - sizeof largo >= largo) {
                    texto = recibido.substr(sizeof largo, largo);
                    recibido.erase(0, sizeof largo + largo);
                    return Respuesta::Texto;
                }
            }
            const auto falta =
                std::chrono::duration_cast<std::chrono::milliseconds>(limite - std::chrono::steady_clock::now());
            if (falta.count() <= 0) return Respuesta::SinTiempo;
            pollfd espera{lectura, POLLIN, 0};
            const int listo = poll(&espera, 1, static_cast<int>(falta.count()));
            if (listo < 0 && errno == EINTR) continue;
            if (listo == 0) return Respuesta::SinTiempo;
            if (listo < 0) return Respuesta::Cayo;
            std::array<char, 65536> trozo;
            const ssize_t n = read(lectura, trozo.data(), trozo.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return Respuesta::Cayo;
            recibido.append(trozo.data(), static_cast<std::size_t>(n));
        }
    }

private:
    pid_t pid = -1;
    int lectura = -1;
    std::string recibido;
};

TrabajoAparte::Final FinalDe(Hijo::Respuesta r) {
    if (r == Hijo::Respuesta::Texto) return TrabajoAparte::Terminado;
    return r == Hijo::Respuesta::SinTiempo ? TrabajoAparte::SinTiempo : TrabajoAparte::Fallo;
}

}  // namespace

void EjecutaAparteUnoTrasOtro(std::size_t cuantos, const std::function<std::string(std::size_t)>& trabajo,
                              int segundos,
                              const std::function<void(std::size_t, TrabajoAparte)>& entrega,
                              TurnoDeHijo turno) {
    std::size_t i = 0;
    while (i < cuantos) {
        Hijo hijo(i, std::min(cuantos, i + std::max<std::size_t>(turno.piezas, 1)), turno.crecimiento, trabajo);
        if (!hijo.EnMarcha()) {
            entrega(i++, TrabajoAparte{});
            continue;
        }
        for (;;) {
            // Each piece has its time from the answer before it, not from the fork.
            const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(segundos);
            TrabajoAparte hecho;
            const Hijo::Respuesta r = hijo.Espera(limite, hecho.texto);
            if (r == Hijo::Respuesta::SeRetira) break;
            hecho.final = FinalDe(r);
            entrega(i++, std::move(hecho));
            if (r != Hijo::Respuesta::Texto) break;
        }
    }
}

TrabajoAparte EjecutaAparte(const std::function<std::string()>& trabajo, int segundos) {
    TrabajoAparte resultado;
    EjecutaAparteUnoTrasOtro(
        1, [&](std::size_t) { return trabajo(); }, segundos,
        [&](std::size_t, TrabajoAparte hecho) { resultado = std::move(hecho); });
    return resultado;
}

}  // namespace velistra::sistema
