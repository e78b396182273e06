#include "plataforma/Sistema.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cerrno>
#include <csignal>
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

TrabajoAparte EjecutaAparte(const std::function<std::string()>& trabajo, int segundos) {
    int tubo[2];
    if (pipe(tubo) != 0) return {};
    const pid_t hijo = fork();
    if (hijo < 0) {
        close(tubo[0]);
        close(tubo[1]);
        return {};
    }
    if (hijo == 0) {
        close(tubo[0]);
        const std::string texto = trabajo();
        std::size_t escritos = 0;
        while (escritos < texto.size()) {
            const ssize_t n = write(tubo[1], texto.data() + escritos, texto.size() - escritos);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) _exit(1);
            escritos += static_cast<std::size_t>(n);
        }
        // No destructors or exit handlers of the parent's objects run twice.
        _exit(0);
    }
    close(tubo[1]);
    TrabajoAparte resultado;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(segundos);
    bool acabado = false;
    while (!acabado) {
        const auto falta = std::chrono::duration_cast<std::chrono::milliseconds>(
            limite - std::chrono::steady_clock::now());
        if (falta.count() <= 0) break;
        pollfd espera{tubo[0], POLLIN, 0};
        const int listo = poll(&espera, 1, static_cast<int>(falta.count()));
        if (listo < 0 && errno == EINTR) continue;
        if (listo <= 0) break;
        std::array<char, 4096> trozo;
        const ssize_t n = read(tubo[0], trozo.data(), trozo.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            acabado = true;
        } else {
            resultado.texto.append(trozo.data(), static_cast<std::size_t>(n));
        }
    }
    close(tubo[0]);
    if (!acabado) kill(hijo, SIGKILL);
    int estado = 0;
    while (waitpid(hijo, &estado, 0) < 0 && errno == EINTR) {
    }
    if (!acabado) {
        resultado.final = TrabajoAparte::SinTiempo;
        resultado.texto.clear();
    } else if (WIFEXITED(estado) && WEXITSTATUS(estado) == 0) {
        resultado.final = TrabajoAparte::Terminado;
    } else {
        resultado.texto.clear();
    }
    return resultado;
}

}  // namespace velistra::sistema
