#pragma once
// Copies of the circuit being edited, kept in the user's data folder so that a crash, a
// power cut or a killed session loses at most the last half minute of work; offered at
// the next start. Each running program has a copy of its own, named after it and locked
// for its life: two programs never share one, and a copy is offered only once the
// program that wrote it has ended. The window only shows the offer; it decides nothing.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "plataforma/Mensaje.h"
#include "plataforma/Sistema.h"
#include "plataforma/Traducible.h"

namespace velistra {

class Comandos;
class Mesa;

// A copy left by a program that has ended.
struct CopiaPendiente {
    std::filesystem::path circuito;
    // The file the circuit belonged to; empty for one never saved.
    std::string archivo;
};

class Recuperacion {
public:
    using Instante = std::chrono::steady_clock::time_point;
    // The copy is written at most this often.
    static constexpr std::chrono::seconds kIntervalo{30};

    static constexpr const char* kTitulo = VELISTRA_TEXTO("Circuito no guardado");
    static constexpr const char* kRecuperar = VELISTRA_TEXTO("Recuperar");
    static constexpr const char* kDescartar = VELISTRA_TEXTO("Descartar");

    // Makes the folder if needed. Without a usable folder nothing is ever written.
    explicit Recuperacion(std::filesystem::path carpeta);
    // An end without Termina (a signal, the session closing): a copy written stays for
    // the next start, but no empty lock file is left behind.
    ~Recuperacion();
    Recuperacion(const Recuperacion&) = delete;
    Recuperacion& operator=(const Recuperacion&) = delete;

    // At start-up: a copy whose program has ended, kept from every other program until it
    // is recovered or discarded. Nothing when there is none.
    std::optional<CopiaPendiente> Pendiente();
    // What the user is asked about it, to answer kRecuperar or kDescartar.
    static Mensaje MensajeDeOferta(const CopiaPendiente& copia);
    // The same, in Spanish.
    static std::string Oferta(const CopiaPendiente& copia);
    // Loads the pending copy as a load does (its messages included): the circuit belongs
    // to its file again and is unsaved. The copy passes to this program, so that it is
    // never without one. False, keeping the copy for another start, when it cannot be read.
    bool Recupera(Mesa& mesa, Comandos& comandos);
    void Descarta();

    // After an edit and on every tick. Writes the copy of a changed circuit, at most every
    // kIntervalo and never in the middle of a settling; removes it once the circuit is
    // saved, loaded or new again.
    void Revisa(const Mesa& mesa, const Comandos& comandos, Instante ahora);
    // The same without waiting for the interval: the program is about to end.
    void Actualiza(const Mesa& mesa, const Comandos& comandos);
    // A clean exit: this program's copy goes.
    void Termina();

    // This program's copy of the circuit and of its file name.
    std::filesystem::path Circuito() const;
    std::filesystem::path Nombre() const;

private:
    bool Escribe(const std::string& texto, const std::string& archivo);
    void Borra();

    std::filesystem::path carpeta;
    // Files of this program's copy: <base>.txt, <base>.nombre, <base>.cerrojo.
    std::string base;
    sistema::Cerrojo cerrojo;
    // The pending copy this program holds for the user's answer.
    std::optional<CopiaPendiente> pendiente;
    sistema::Cerrojo cerrojoPendiente;
    std::optional<Instante> ultimaRevision;
    // What the copy on disk holds, when there is one.
    std::optional<std::string> textoEscrito;
    std::string nombreEscrito;
};

}  // namespace velistra
