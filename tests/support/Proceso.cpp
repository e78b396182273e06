#include "support/Proceso.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace velistra::prueba {

// Three files for the child's standard streams, removed when the run is over.
struct ProcesoEnMarcha::Flujos {
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

    std::filesystem::path carpeta;
};

namespace {

// The tests expect the programs' own Spanish whatever the machine's locale, here and in
// every program they start; a test that wants English says so in the child's environment.
const bool kSinConfiguracionRegional = [] {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(variable);
    return true;
}();

void PonLimite(int recurso, const std::optional<long>& valor) {
    if (!valor) return;
    const rlimit limite{static_cast<rlim_t>(*valor), static_cast<rlim_t>(*valor)};
    setrlimit(recurso, &limite);
}

}  // namespace

namespace {

// Everything the child needs is made before fork: after it, only system calls.
pid_t Lanza(const Lanzamiento& l, const ProcesoEnMarcha::Flujos& flujos) {
    EscribeArchivo(flujos.Ruta("entrada"), l.entrada);
    const std::string entrada = l.archivoDeEntrada.value_or(flujos.Ruta("entrada"));
    const std::string salida = flujos.Ruta("salida");
    const std::string errores = flujos.Ruta("errores");

    std::vector<std::string> palabras{l.programa};
    palabras.insert(palabras.end(), l.argumentos.begin(), l.argumentos.end());
    std::vector<char*> argv;
    for (std::string& p : palabras) argv.push_back(p.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables(l.entorno);
    for (char** e = environ; *e != nullptr; ++e) variables.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(v.data());
    envp.push_back(nullptr);

    const pid_t hijo = fork();
    if (hijo < 0) throw std::runtime_error("fork");
    if (hijo == 0) {
        const int e = open(entrada.c_str(), O_RDONLY);
        const int s = open(salida.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int r = open(errores.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (e < 0 || s < 0 || r < 0) _exit(127);
        dup2(e, STDIN_FILENO);
        dup2(s, STDOUT_FILENO);
        dup2(r, STDERR_FILENO);
        PonLimite(RLIMIT_AS, l.memoria);
        PonLimite(RLIMIT_FSIZE, l.tamanoDeArchivo);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return hijo;
}

void Anota(int estado, ResultadoDelProceso& r) {
    if (WIFEXITED(estado)) r.codigo = WEXITSTATUS(estado);
    if (WIFSIGNALED(estado)) r.senal = WTERMSIG(estado);
}

}  // namespace

ResultadoDelProceso Ejecuta(const Lanzamiento& l) {
    const ProcesoEnMarcha::Flujos flujos;
    const pid_t hijo = Lanza(l, flujos);
    const auto limite = std::chrono::steady_clock::now() + l.plazo;
    ResultadoDelProceso r;
    int estado = 0;
    for (;;) {
        const pid_t fin = waitpid(hijo, &estado, WNOHANG);
        if (fin == hijo) break;
        if (fin < 0 && errno != EINTR) throw std::runtime_error("waitpid");
        if (std::chrono::steady_clock::now() > limite) {
            r.colgado = true;
            kill(hijo, SIGKILL);
            waitpid(hijo, &estado, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    Anota(estado, r);
    r.salida = LeeArchivo(flujos.Ruta("salida"));
    r.errores = LeeArchivo(flujos.Ruta("errores"));
    return r;
}

ResultadoDelProceso EjecutaCli(const std::vector<std::string>& argumentos,
                               const std::string& entrada) {
    Lanzamiento l;
    l.programa = VELISTRA_CLI;
    l.argumentos = argumentos;
    l.entrada = entrada;
    return Ejecuta(l);
}

ProcesoEnMarcha::ProcesoEnMarcha(const Lanzamiento& l) : flujos(std::make_unique<Flujos>()) {
    pid = Lanza(l, *flujos);
}

ProcesoEnMarcha::~ProcesoEnMarcha() {
    if (Vivo()) Mata(SIGKILL);
}

bool ProcesoEnMarcha::Vivo() {
    if (terminado) return false;
    int estado = 0;
    terminado = waitpid(pid, &estado, WNOHANG) == pid;
    return !terminado;
}

void ProcesoEnMarcha::Mata(int senal) {
    if (terminado) return;
    kill(pid, senal);
    int estado = 0;
    while (waitpid(pid, &estado, 0) < 0 && errno == EINTR) {
    }
    terminado = true;
}

std::string ProcesoEnMarcha::Errores() const { return LeeArchivo(flujos->Ruta("errores")); }

}  // namespace velistra::prueba
