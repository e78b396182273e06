#include "Proceso.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace velistra::prueba {

namespace {

// Three files for the child's standard streams, removed when the run is over.
class Flujos {
public:
    Flujos() {
        char plantilla[] = "/tmp/velistra-cli-XXXXXX";
        if (mkdtemp(plantilla) == nullptr) throw std::runtime_error("mkdtemp");
        carpeta = plantilla;
    }
    ~Flujos() {
        std::error_code error;
        std::filesystem::remove_all(carpeta, error);
    }
    Flujos(const Flujos&) = delete;
    Flujos& operator=(const Flujos&) = delete;

    std::string Ruta(const char* nombre) const { return (carpeta / nombre).string(); }

private:
    std::filesystem::path carpeta;
};

}  // namespace

std::string LeeArchivo(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    std::ostringstream texto;
    texto << archivo.rdbuf();
    return texto.str();
}

void EscribeArchivo(const std::string& ruta, const std::string& texto) {
    std::ofstream archivo(ruta, std::ios::binary);
    archivo << texto;
}

ResultadoDelProceso EjecutaCli(const std::vector<std::string>& argumentos,
                               const std::string& entrada) {
    const Flujos flujos;
    EscribeArchivo(flujos.Ruta("entrada"), entrada);

    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, STDIN_FILENO, flujos.Ruta("entrada").c_str(),
                                     O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&acciones, STDOUT_FILENO, flujos.Ruta("salida").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&acciones, STDERR_FILENO, flujos.Ruta("errores").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> palabras{VELISTRA_CLI};
    palabras.insert(palabras.end(), argumentos.begin(), argumentos.end());
    std::vector<char*> argv;
    for (std::string& p : palabras) argv.push_back(p.data());
    argv.push_back(nullptr);

    pid_t hijo = 0;
    const int error = posix_spawn(&hijo, argv[0], &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    if (error != 0) throw std::runtime_error("no se pudo lanzar " + palabras[0]);

    int estado = 0;
    while (waitpid(hijo, &estado, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("waitpid");
    }
    ResultadoDelProceso r;
    r.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    r.salida = LeeArchivo(flujos.Ruta("salida"));
    r.errores = LeeArchivo(flujos.Ruta("errores"));
    return r;
}

}  // namespace velistra::prueba
