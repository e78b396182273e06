#include "plataforma/Sistema.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <utility>

namespace velistra::sistema {

namespace {

// Closes the descriptor when the reading is over, whatever its outcome.
class Descriptor {
public:
    explicit Descriptor(int d) : d(d) {}
    ~Descriptor() {
        if (d >= 0) close(d);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int operator*() const { return d; }

private:
    int d;
};

}  // namespace

ArchivoLeido LeeArchivoRegular(const std::string& ruta, std::size_t limite) {
    ArchivoLeido leido;
    // Without O_NONBLOCK, opening a FIFO waits until someone writes into it.
    const Descriptor archivo(open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (*archivo < 0) {
        // A FIFO refused for reading, or a socket: still not a file to read.
        leido.resultado = errno == ENXIO ? Lectura::NoEsRegular : Lectura::NoSeAbre;
        return leido;
    }
    struct stat estado {};
    if (fstat(*archivo, &estado) != 0) {
        leido.resultado = Lectura::FalloAlLeer;
        return leido;
    }
    if (!S_ISREG(estado.st_mode)) {
        leido.resultado = Lectura::NoEsRegular;
        return leido;
    }
    std::array<char, 1 << 16> bloque;
    while (leido.texto.size() <= limite) {
        const std::size_t falta = limite + 1 - leido.texto.size();
        const ssize_t n = read(*archivo, bloque.data(), std::min(falta, bloque.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            leido.resultado = Lectura::FalloAlLeer;
            leido.texto.clear();
            return leido;
        }
        if (n == 0) break;
        leido.texto.append(bloque.data(), static_cast<std::size_t>(n));
    }
    leido.resultado = Lectura::Leido;
    return leido;
}

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
