#include "sesion/EdicionDeGrupo.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

#include "persistencia/ArchivoDeCircuito.h"
#include "persistencia/RegistrosDeCircuito.h"
#include "simulacion/Mesa.h"
#include "tableros/Fabrica.h"

namespace velistra {

namespace {

// A paste that would cover what is there already steps this far down and right, each
// try, while it stays on the bench.
constexpr int kPasoDePegado = 20;
constexpr int kPasosDePegado = 100;
constexpr Area kBanco{0, 0, 2000, 1500};

Punto Mas(Punto p, Punto d) { return {p.x + d.x, p.y + d.y}; }

bool Contiene(const std::vector<int>& lista, int valor) {
    return std::find(lista.begin(), lista.end(), valor) != lista.end();
}

void ReemplazaCables(Mesa& mesa, const std::vector<Cable>& cables) {
    mesa.cables().Vacia();
    for (const Cable& cable : cables) mesa.cables().Agrega(cable);
}

bool EsFijo(const Mesa& mesa, const Tablero& t) { return &t == mesa.fuentedc() || &t == mesa.reloj(); }

// The selected boards that a copy takes: every bench has its own supply and timer board.
std::vector<const Tablero*> TablerosQueSeCopian(const Mesa& mesa, const Seleccion& s) {
    std::vector<const Tablero*> tableros;
    for (const auto& t : mesa.tablero()) {
        if (!EsFijo(mesa, *t) && s.TieneTablero(t->Identificador())) tableros.push_back(t.get());
    }
    return tableros;
}

std::string Cuenta(std::size_t n) { return std::to_string(n) + '\n'; }

// ---- Where a paste goes ------------------------------------------------------------

struct Huella {
    std::vector<Area> tableros;
    std::vector<Punto> chips;
    std::vector<Cable::Vertices> cables;
};

Huella HuellaDePegado(const CircuitoLeido& c) {
    Huella h;
    for (std::size_t i = 2; i < c.tableros.size(); ++i) {
        const RegistroDeTablero& r = c.tableros[i];
        h.tableros.push_back({r.x, r.y, r.x + r.anchura, r.y + r.altura});
    }
    for (const RegistroDeComponente& r : c.componentes) h.chips.push_back(r.ubicacion);
    for (const RegistroDeCable& r : c.cables) h.cables.push_back(r.puntos);
    return h;
}

Huella HuellaDeLaMesa(const Mesa& mesa) {
    Huella h;
    for (const auto& t : mesa.tablero()) {
        if (EstaALaVista(mesa, *t)) h.tableros.push_back(AreaDe(*t));
    }
    for (const Componente& chip : mesa.componentes()) h.chips.push_back(chip.Ubicacion());
    for (const Cable& cable : mesa.cables().Lista()) h.cables.push_back(cable.Puntos());
    return h;
}

Cable::Vertices Desplazados(Cable::Vertices v, Punto d) {
    for (Punto& p : v) p = Mas(p, d);
    return v;
}

// Boards that overlap, or a chip or a wire exactly over one already there.
bool Tapa(const Huella& nueva, const Huella& mesa, Punto d) {
    for (const Area& a : nueva.tableros) {
        const Area movida = a.Desplazada(d.x, d.y);
        for (const Area& b : mesa.tableros) {
            if (movida.Corta(b)) return true;
        }
    }
    for (const Punto& p : nueva.chips) {
        if (std::find(mesa.chips.begin(), mesa.chips.end(), Mas(p, d)) != mesa.chips.end()) return true;
    }
    for (const Cable::Vertices& v : nueva.cables) {
        if (std::find(mesa.cables.begin(), mesa.cables.end(), Desplazados(v, d)) != mesa.cables.end())
            return true;
    }
    return false;
}

std::optional<Area> Extension(const Huella& h) {
    std::optional<Area> area;
    const auto agrega = [&area](const Area& a) { area = area ? area->Une(a) : a; };
    for (const Area& a : h.tableros) agrega(a);
    for (const Punto& p : h.chips) agrega({p.x, p.y, p.x + 1, p.y + 1});
    for (const Cable::Vertices& v : h.cables)
        for (const Punto& p : v) agrega({p.x, p.y, p.x + 1, p.y + 1});
    return area;
}

Punto LugarDePegado(const Mesa& mesa, const CircuitoLeido& c) {
    const Huella nueva = HuellaDePegado(c);
    const Huella ocupada = HuellaDeLaMesa(mesa);
    const std::optional<Area> extension = Extension(nueva);
    if (!Tapa(nueva, ocupada, {})) return {};
    for (int k = 1; k <= kPasosDePegado && extension; ++k) {
        const Punto d{k * kPasoDePegado, k * kPasoDePegado};
        if (!kBanco.Contiene(extension->Desplazada(d.x, d.y))) break;
        if (!Tapa(nueva, ocupada, d)) return d;
    }
    // Nowhere free on the bench: one step off, so that the copy shows as one.
    return {kPasoDePegado, kPasoDePegado};
}

// The port under a pasted wire's end: on its own pasted board first, which may overlap
// another.
PuertoEnLaMesa PuertoDelExtremo(Mesa& mesa, const std::map<int, Tablero*>& nuevos, int tablero,
                                Punto p) {
    if (const auto it = nuevos.find(tablero); it != nuevos.end()) {
        if (Puerto* puerto = it->second->PuertoEn(p.x, p.y)) return {puerto, it->second};
    }
    return mesa.PuertoEn(p.x, p.y);
}

void PegaCables(Mesa& mesa, const CircuitoLeido& c, const std::map<int, Tablero*>& nuevos, Punto d,
                Seleccion& pegado) {
    for (const RegistroDeCable& r : c.cables) {
        Cable cable = CableDeRegistro(r);
        cable.Puntos(Desplazados(r.puntos, d));
        const PuertoEnLaMesa a = PuertoDelExtremo(mesa, nuevos, r.tableroA, {cable.AX(), cable.AY()});
        const PuertoEnLaMesa b = PuertoDelExtremo(mesa, nuevos, r.tableroB, {cable.BX(), cable.BY()});
        // A wire that would join nothing, or a taken port, is left out.
        if (a.puerto == nullptr || b.puerto == nullptr || a.puerto == b.puerto ||
            mesa.MotivoParaConectar(a.puerto, b.puerto) != Rechazo::Ninguno ||
            !mesa.ConectaPuertos(a.puerto, b.puerto))
            continue;
        cable.TableroA(a.tablero->Identificador());
        cable.TableroB(b.tablero->Identificador());
        mesa.cables().Agrega(cable);
        pegado.cables.push_back(mesa.cables().Lista().size() - 1);
    }
}

void PegaChips(Mesa& mesa, const CircuitoLeido& c, const std::map<int, Tablero*>& nuevos, Punto d,
               Seleccion& pegado) {
    const std::size_t primero = mesa.componentes().size();
    for (const RegistroDeComponente& r : c.componentes) {
        Componente chip = ComponenteDeRegistro(r);
        chip.UbicaEn(Mas(r.ubicacion, d));
        const auto it = nuevos.find(r.protoboard);
        chip.NumeroDeProtoboard(it != nuevos.end() ? it->second->Identificador() : 0);
        mesa.componentes().Agrega(chip);
    }
    mesa.componentes().Recarga(primero);
    for (std::size_t i = primero; i < mesa.componentes().size(); ++i) {
        if (mesa.IntentaEnchufar(mesa.componentes()[i]) != Rechazo::Ninguno)
            mesa.componentes()[i].NumeroDeProtoboard(0);
        pegado.chips.push_back(i);
    }
}

}  // namespace

// ---- Moving ------------------------------------------------------------------------

void SacaChipsDelGrupo(Mesa& mesa, const Seleccion& s) {
    for (const std::size_t i : s.chips) {
        if (i >= mesa.componentes().size()) continue;
        Componente& chip = mesa.componentes()[i];
        if (!chip.EstaInsertado() || s.TieneTablero(chip.NumeroDeProtoboard())) continue;
        mesa.DesocupaComponente(chip);
        chip.Retira();
        chip.NumeroDeProtoboard(0);
    }
}

void DesplazaGrupo(Mesa& mesa, const Seleccion& s, Punto d) {
    if (d == Punto{}) return;
    for (auto& t : mesa.tablero()) {
        if (s.TieneTablero(t->Identificador())) t->UbicaEn(t->EsquinaX() + d.x, t->EsquinaY() + d.y);
    }
    for (std::size_t i = 0; i < mesa.componentes().size(); ++i) {
        Componente& chip = mesa.componentes()[i];
        if (s.TieneChip(i) || s.TieneTablero(chip.NumeroDeProtoboard())) chip.UbicaEn(Mas(chip.Ubicacion(), d));
    }
    std::vector<Cable> cables = mesa.cables().Lista();
    for (Cable& cable : cables) {
        const bool a = s.TieneTablero(cable.TableroA());
        const bool b = s.TieneTablero(cable.TableroB());
        if (a && b)
            cable.Puntos(Desplazados(cable.Puntos(), d));
        else if (a)
            cable.Desplaza(cable.TableroA(), d);
        else if (b)
            cable.Desplaza(cable.TableroB(), d);
    }
    ReemplazaCables(mesa, cables);
}

Rechazo AsientaChipsDelGrupo(Mesa& mesa, const Seleccion& s) {
    Rechazo primero = Rechazo::Ninguno;
    for (const std::size_t i : s.chips) {
        if (i >= mesa.componentes().size() || mesa.componentes()[i].EstaInsertado()) continue;
        const Rechazo motivo = mesa.IntentaEnchufar(mesa.componentes()[i]);
        if (motivo == Rechazo::Ninguno) continue;
        mesa.componentes()[i].NumeroDeProtoboard(0);
        if (primero == Rechazo::Ninguno) primero = motivo;
    }
    return primero;
}

// ---- Copy and paste ----------------------------------------------------------------

std::string TextoDeSeleccion(const Mesa& mesa, const Seleccion& s) {
    const std::vector<const Tablero*> tableros = TablerosQueSeCopian(mesa, s);
    std::vector<int> copiados;
    for (const Tablero* t : tableros) copiados.push_back(t->Identificador());
    std::vector<const Cable*> cables;
    const std::vector<Cable>& todos = mesa.cables().Lista();
    for (std::size_t i = 0; i < todos.size(); ++i) {
        if (s.TieneCable(i) || Contiene(copiados, todos[i].TableroA()) || Contiene(copiados, todos[i].TableroB()))
            cables.push_back(&todos[i]);
    }
    std::vector<const Componente*> chips;
    for (std::size_t i = 0; i < mesa.componentes().size(); ++i) {
        const Componente& chip = mesa.componentes()[i];
        if (s.TieneChip(i) || (chip.EstaInsertado() && Contiene(copiados, chip.NumeroDeProtoboard())))
            chips.push_back(&chip);
    }
    if ((tableros.empty() && cables.empty() && chips.empty()) || mesa.fuentedc() == nullptr ||
        mesa.reloj() == nullptr)
        return {};
    std::ostringstream texto;
    texto << "Version " << kVersionDeArchivo << '\n' << Cuenta(2 + tableros.size());
    // A file always begins with the supply and the timer board; a paste leaves both out.
    texto << *mesa.fuentedc() << *mesa.reloj();
    for (const Tablero* t : tableros) texto << *t;
    texto << " 0\n" << Cuenta(cables.size());
    for (const Cable* cable : cables) texto << *cable;
    texto << Cuenta(chips.size());
    for (const Componente* chip : chips) texto << *chip;
    return texto.str();
}

std::optional<Seleccion> PegaCircuito(Mesa& mesa, std::string_view texto) {
    CircuitoLeido c;
    if (AnalizaCircuito(texto, c) != ResultadoDeLectura::Correcto) return std::nullopt;
    const Punto d = LugarDePegado(mesa, c);
    Seleccion pegado;
    std::map<int, Tablero*> nuevos;
    for (std::size_t i = 2; i < c.tableros.size(); ++i) {
        const RegistroDeTablero& r = c.tableros[i];
        std::unique_ptr<Tablero> t = CreaTablero(r.tipo);
        if (!t) continue;
        Tablero* puesto = mesa.PegaTablero(std::move(t), Mas({r.x, r.y}, d));
        nuevos[r.identificador] = puesto;
        pegado.tableros.push_back(puesto->Identificador());
    }
    // Wires before chips, as a file is read: the copy comes out as the original was.
    PegaCables(mesa, c, nuevos, d, pegado);
    PegaChips(mesa, c, nuevos, d, pegado);
    return pegado;
}

// ---- Deleting ----------------------------------------------------------------------

void BorraSeleccion(Mesa& mesa, const Seleccion& s) {
    std::vector<int> quitados;
    for (const auto& t : mesa.tablero()) {
        if (t.get() != mesa.fuentedc() && s.TieneTablero(t->Identificador())) quitados.push_back(t->Identificador());
    }
    std::vector<Cable> quedan;
    const std::vector<Cable> cables = mesa.cables().Lista();
    for (std::size_t i = 0; i < cables.size(); ++i) {
        const Cable& cable = cables[i];
        if (!s.TieneCable(i) && !Contiene(quitados, cable.TableroA()) && !Contiene(quitados, cable.TableroB())) {
            quedan.push_back(cable);
            continue;
        }
        const auto [a, b] = PuertosDelCable(mesa, cable);
        mesa.DesconectaPuertos(a, b);
    }
    ReemplazaCables(mesa, quedan);

    std::vector<Componente> chips;
    for (std::size_t i = 0; i < mesa.componentes().size(); ++i) {
        Componente& chip = mesa.componentes()[i];
        const bool sobreQuitado = Contiene(quitados, chip.NumeroDeProtoboard());
        if (s.TieneChip(i) || (chip.EstaInsertado() && sobreQuitado)) {
            mesa.DesocupaComponente(chip);
            continue;
        }
        // A loose chip of a board that is gone belongs to none.
        if (sobreQuitado) chip.NumeroDeProtoboard(0);
        chips.push_back(chip);
    }
    mesa.componentes().Limpia();
    for (const Componente& chip : chips) mesa.componentes().Agrega(chip);

    for (const int id : quitados) {
        Tablero* t = mesa.TableroConIdentificador(id);
        if (t == nullptr || !t->EstaLimpio()) continue;
        if (t == mesa.reloj()) {
            // Every bench keeps its timer board; it is only put away.
            t->Oculta();
            continue;
        }
        mesa.QuitaTablero(*t);
    }
}

}  // namespace velistra
