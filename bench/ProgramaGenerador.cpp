// velistra-generador: writes the generated circuits as circuit files, each with a script
// for velistra-cli, after proving that the file read back works.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench/Generador.h"
#include "bench/Guiones.h"
#include "bench/MesaDeBanco.h"
#include "persistencia/ArchivoDeCircuito.h"
#include "support/Montador.h"

namespace {

using namespace velistra;
using namespace velistra::banco;
using prueba::MontajeRechazado;

constexpr const char* kUso =
    "Uso: velistra-generador CARPETA [FAMILIA PROTOBOARDS [--completo]]\n"
    "\n"
    "Escribe en CARPETA circuitos de prueba y un guion de velistra-cli para cada uno.\n"
    "Sin FAMILIA escribe nueve: inversores, sumadores y contadores con 1, 4 y 10\n"
    "protoboards. FAMILIA es inversores, sumadores o contadores; PROTOBOARDS, de 1 a 10.\n"
    "--completo agrega pulsadores, displays de siete segmentos y un PLA.\n";

// Generates, saves, reads the file back and checks it. Answers what failed, or nothing.
std::string Escribe(const Pedido& pedido, const std::filesystem::path& carpeta) {
    const std::string nombre = NombreDeCircuito(pedido);
    const std::filesystem::path circuito = carpeta / (nombre + ".txt");
    MesaDeBanco generada;
    try {
        GeneraCircuito(generada.mesa, pedido);
    } catch (const MontajeRechazado& e) {
        return e.what();
    }
    if (!GuardaCircuitoEnArchivo(generada.mesa, circuito.string()))
        return "no se pudo guardar " + circuito.string();
    std::string problema = Problema(generada, pedido.familia);
    if (problema.empty()) {
        MesaDeBanco leida;
        if (RecuperaCircuitoDeArchivo(leida.mesa, circuito.string()) !=
            ResultadoDeLectura::Correcto)
            problema = "el archivo no se vuelve a leer";
        else
            problema = Problema(leida, pedido.familia);
        if (!problema.empty()) problema = "leído del archivo: " + problema;
    }
    if (!problema.empty()) {
        std::filesystem::remove(circuito);
        return problema;
    }
    std::ofstream guion(carpeta / (nombre + ".guion"));
    guion << GuionDeEjemplo(generada.mesa, pedido.familia);
    if (!guion) return "no se pudo escribir el guion";
    std::cout << circuito.string() << '\n';
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::vector<Pedido> pedidos;
    if (args.size() == 1) {
        for (Familia f : {Familia::Inversores, Familia::Sumadores, Familia::Contadores}) {
            for (int n : {1, 4, 10}) pedidos.push_back({f, n, false});
        }
    } else if (args.size() == 3 || (args.size() == 4 && args[3] == "--completo")) {
        const auto familia = FamiliaDeNombre(args[1]);
        int n = 0;
        try {
            n = std::stoi(args[2]);
        } catch (const std::exception&) {
        }
        if (!familia || n < 1 || n > kMaximoDeProtoboards) {
            std::cerr << kUso;
            return 1;
        }
        pedidos.push_back({*familia, n, args.size() == 4});
    } else {
        std::cerr << kUso;
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(args[0], error);
    for (const Pedido& p : pedidos) {
        const std::string problema = Escribe(p, args[0]);
        if (!problema.empty()) {
            std::cerr << "velistra-generador: " << NombreDeCircuito(p) << ": " << problema << '\n';
            return 2;
        }
    }
    return 0;
}
