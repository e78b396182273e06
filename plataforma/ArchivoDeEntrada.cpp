#include "plataforma/ArchivoDeEntrada.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>

namespace velistra::sistema {

std::chrono::milliseconds EsperaDeEntrada() {
    static const std::chrono::milliseconds espera = [] {
        const char* valor = std::getenv("VELISTRA_PRUEBA_ESPERA");
        long ms = 10000;
        if (valor != nullptr) {
            const char* fin = valor + std::strlen(valor);
            long leido = 0;
            const auto [resto, error] = std::from_chars(valor, fin, leido);
            if (error == std::errc{} && resto == fin && leido >= 0) ms = leido;
        }
        return std::chrono::milliseconds(ms);
    }();
    return espera;
}

ArchivoDeEntrada::ArchivoDeEntrada(const std::string& ruta, std::chrono::milliseconds espera)
    : espera(espera) {
    // Without O_NONBLOCK, opening a FIFO waits until someone opens it for writing.
    descriptor = open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        // A socket cannot be opened; it is not a file to read either.
        apertura = errno == ENXIO ? Lectura::NoEsRegular : Lectura::NoSeAbre;
        return;
    }
    struct stat estado {};
    if (fstat(descriptor, &estado) != 0) {
        apertura = Lectura::FalloAlLeer;
    } else if (S_ISREG(estado.st_mode) || S_ISFIFO(estado.st_mode) || S_ISCHR(estado.st_mode)) {
        regular = S_ISREG(estado.st_mode);
        apertura = Lectura::Leido;
        return;
    } else {
        apertura = Lectura::NoEsRegular;
    }
    close(descriptor);
    descriptor = -1;
}

ArchivoDeEntrada::~ArchivoDeEntrada() {
    if (descriptor >= 0) close(descriptor);
}

// Linux reports no hang-up on a FIFO that has had no writer since it was opened, so a
// FIFO nobody writes into waits here, for `espera` at most, instead of reading as empty.
bool ArchivoDeEntrada::EsperaDatos() {
    const auto limite = std::chrono::steady_clock::now() + espera;
    for (;;) {
        const auto falta = std::chrono::duration_cast<std::chrono::milliseconds>(
            limite - std::chrono::steady_clock::now());
        pollfd consulta{descriptor, POLLIN, 0};
        const int listo = poll(&consulta, 1, static_cast<int>(std::max<long>(falta.count(), 0)));
        if (listo > 0) return true;
        if (listo == 0 || errno != EINTR) return false;
    }
}

long ArchivoDeEntrada::Lee(char* destino, std::size_t n) {
    if (descriptor < 0) return -1;
    for (;;) {
        if (!regular && !EsperaDatos()) return -1;
        const ssize_t leidos = read(descriptor, destino, n);
        if (leidos >= 0) return static_cast<long>(leidos);
        if (errno != EINTR && errno != EAGAIN) return -1;
    }
}

bool ArchivoDeEntrada::Rebobina() {
    return regular && lseek(descriptor, 0, SEEK_SET) == 0;
}

ArchivoLeido ArchivoDeEntrada::LeeTodo(std::size_t limite) {
    ArchivoLeido leido;
    leido.resultado = apertura;
    if (leido.resultado != Lectura::Leido) return leido;
    std::array<char, 1 << 16> bloque;
    while (leido.texto.size() <= limite) {
        const std::size_t falta = limite + 1 - leido.texto.size();
        const long n = Lee(bloque.data(), std::min(falta, bloque.size()));
        if (n < 0) {
            leido.resultado = Lectura::FalloAlLeer;
            leido.texto.clear();
            return leido;
        }
        if (n == 0) break;
        leido.texto.append(bloque.data(), static_cast<std::size_t>(n));
    }
    return leido;
}

ArchivoLeido LeeArchivo(const std::string& ruta, std::size_t limite) {
    return ArchivoDeEntrada(ruta).LeeTodo(limite);
}

ArchivoLeido LeeArchivoRegular(const std::string& ruta, std::size_t limite) {
    ArchivoDeEntrada archivo(ruta);
    if (archivo.Apertura() == Lectura::Leido && !archivo.EsRegular()) return {Lectura::NoEsRegular, {}};
    return archivo.LeeTodo(limite);
}

}  // namespace velistra::sistema
