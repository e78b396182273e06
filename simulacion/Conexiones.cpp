#include "simulacion/Mesa.h"
#include "tableros/DescripcionesDeTableros.h"

namespace velistra {

bool Mesa::PuedeConectarPuertos(const Puerto* a, const Puerto* b) const {
    if (a == nullptr || b == nullptr) return false;
    // One net already: the wire would close a loop.
    if (a->Nodo() == b->Nodo()) return false;
    // Two sources are never joined, whichever they are.
    return !(EsTipoQueExcita(a->Tipo()) && EsTipoQueExcita(b->Tipo()));
}

Rechazo Mesa::MotivoParaConectar(const Puerto* a, const Puerto* b) const {
    for (const Puerto* p : {b, a}) {
        if (p != nullptr && !p->EstaLibre())
            return p->OtroPuerto() == pin_ ? Rechazo::HuecoConPatilla : Rechazo::TerminalConCable;
    }
    // A missing end is no refusal: the wire was let go where no port is.
    if (a == nullptr || b == nullptr) return Rechazo::Ninguno;
    if (a->Nodo() == b->Nodo()) return Rechazo::YaUnidos;
    return PuedeConectarPuertos(a, b) ? Rechazo::Ninguno : Rechazo::DosExcitadores;
}

bool Mesa::ConectaPuertos(Puerto* a, Puerto* b) {
    // Spreading walks nets as trees; a wire inside one net, or onto a port that already
    // has a partner, would make it loop forever or lose the other connection.
    if (a == nullptr || b == nullptr || a == pin_ || b == pin_) return false;
    if (!a->EstaLibre() || !b->EstaLibre() || a->Nodo() == b->Nodo()) return false;

    a->Conecta(b);
    b->Conecta(a);
    HayNuevasConexiones();
    if (a->Nodo() < b->Nodo())
        b->Nodo(a->Nodo());
    else
        a->Nodo(b->Nodo());

    // A source marks the joined net as driven; otherwise an input mark reaches a free net.
    // Levels are left alone: they arrive with the next drive.
    const char ta = a->Tipo();
    const char tb = b->Tipo();
    if (EsTipoQueExcita(ta))
        b->Tipo(ta);
    else if (EsTipoQueExcita(tb))
        a->Tipo(tb);
    else if (ta == 'E' && tb == 'F')
        b->Tipo('E');
    else if (ta == 'F' && tb == 'E')
        a->Tipo('E');
    return true;
}

bool Mesa::DesconectaPuertos(Puerto* a, Puerto* b) {
    if (a == nullptr || b == nullptr || a == b) return false;
    if (a->OtroPuerto() != b || b->OtroPuerto() != a) return false;

    a->Desconecta();
    b->Desconecta();
    HayNuevasConexiones();
    // Nets are trees, so this wire was the only link: each renumbering covers one half.
    a->Nodo(nodoBase_);
    b->Nodo(nodoBase_ + 1);
    nodoBase_ += 2;
    a->Tipo('F');
    b->Tipo('F');

    // Surviving sources mark their halves again. Levels stay as they were.
    for (const std::unique_ptr<Tablero>& t : tablero_) {
        if (!DescripcionDe(*t).admiteChips) t->EnviaTipos();
    }
    componentes_.TransmiteTipos();
    return true;
}

}  // namespace velistra
