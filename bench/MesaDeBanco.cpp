#include "bench/MesaDeBanco.h"

#include <cstdlib>
#include <iostream>

#include "bench/Comprobacion.h"
#include "support/Montador.h"

namespace velistra::banco {

using prueba::MontajeRechazado;

std::string Problema(MesaDeBanco& banco, Familia familia) {
    std::string problema = CompruebaCircuito(banco.mesa, familia);
    if (problema.empty() && banco.avisos.mostrados > 0)
        problema = "el asentamiento llegó al límite de iteraciones";
    return problema;
}

std::unique_ptr<MesaDeBanco> MesaComprobada(const Pedido& pedido) {
    auto banco = std::make_unique<MesaDeBanco>();
    try {
        GeneraCircuito(banco->mesa, pedido);
    } catch (const MontajeRechazado& e) {
        Aborta(NombreDeCircuito(pedido), e.what());
    }
    const std::string problema = Problema(*banco, pedido.familia);
    if (!problema.empty()) Aborta(NombreDeCircuito(pedido), problema);
    return banco;
}

void Aborta(const std::string& circuito, const std::string& motivo) {
    std::cerr << "Circuito " << circuito << " incorrecto: " << motivo << std::endl;
    std::abort();
}

}  // namespace velistra::banco
