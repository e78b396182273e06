#include "modelo/Componentes.h"

#include <algorithm>

#include "chips/CircuitoElectronico.h"
#include "modelo/Puerto.h"
#include "plataforma/Recursos.h"

namespace velistra {

namespace {

constexpr Punto kEsquinaDeUnNuevo{20, 50};
constexpr Punto kEsquinaDeRetirado{20, 40};
constexpr Punto kDesplazamientoDeChip{5, 0};

// Parts that only circuit files can hold: no model, no picture; they are kept with
// their plug-in offsets and pin counts so that saving writes them back unchanged.
struct ParteSinModelo {
    long codigo;
    Punto desplazamiento;
    int pines;
};
constexpr ParteSinModelo kPartesSinModelo[] = {
    {4001, {5, 0}, 0},  {4002, {5, 0}, 0},  {4003, {0, 5}, 0},
    {4004, {0, 5}, 0},  {4051, {4, 3}, 10}, {4052, {4, 3}, 18},
};

const ParteSinModelo* BuscaParteSinModelo(long codigo) {
    for (const ParteSinModelo& parte : kPartesSinModelo) {
        if (parte.codigo == codigo) return &parte;
    }
    return nullptr;
}

// Codes come from files as longs; only the chip range can name a model.
const CircuitoElectronico* ModeloDe(long codigo) {
    if (codigo < 7000 || codigo > 7999) return nullptr;
    return ChipTTL(static_cast<int>(codigo));
}

struct ImagenesDeEncapsulado {
    int pines;
    Imagen imagen;
    Imagen mascara;
};
constexpr ImagenesDeEncapsulado kEncapsulados[] = {
    {16, recursos::Chip16, recursos::Mascara16},
    {18, recursos::Chip18, recursos::Mascara18},
    {20, recursos::Chip20, recursos::Mascara20},
    {24, recursos::Chip24, recursos::Mascara24},
};

}  // namespace

void Componentes::Nuevo(long lCodigo) {
    Componente chip;
    chip.UbicaEn(kEsquinaDeUnNuevo);
    chip.NumeroDeProtoboard(0);
    Punto desplazamiento{0, 0};
    if (const CircuitoElectronico* modelo = ModeloDe(lCodigo)) {
        chip.Circuito(modelo);
        desplazamiento = kDesplazamientoDeChip;
        chip.Etiqueta(true);
        ImagenesDeChip(chip, chip.NumeroDePines());
    } else if (const ParteSinModelo* parte = BuscaParteSinModelo(lCodigo)) {
        desplazamiento = parte->desplazamiento;
        chip.NumeroDePines(parte->pines);
    }
    chip.Codigo(lCodigo);
    chip.Desplazamiento(desplazamiento);
    lista.push_back(chip);
    ++nGeneracion;
}

void Componentes::Recarga(std::size_t desde) {
    for (std::size_t i = desde; i < lista.size(); ++i) {
        Componente& chip = lista[i];
        if (const CircuitoElectronico* modelo = ModeloDe(chip.Codigo())) {
            chip.Circuito(modelo);
            ImagenesDeChip(chip, chip.NumeroDePines());
        } else {
            chip.Imagenes(Imagen{}, Imagen{});
        }
    }
    ++nGeneracion;
}

void Componentes::ImagenesDeChip(Componente& chip, int pines) {
    for (const ImagenesDeEncapsulado& e : kEncapsulados) {
        if (e.pines == pines) {
            chip.Imagenes(e.imagen, e.mascara);
            return;
        }
    }
    chip.Imagenes(recursos::Chip14, recursos::Mascara14);
}

void Componentes::Dibuja(Lienzo& lienzo) const {
    for (const Componente& chip : lista) chip.Dibuja(lienzo);
}

bool Componentes::BuscaEn(int x, int y) {
    iSeleccionado = -1;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (lista[i].Ubicado(x, y)) {
            iSeleccionado = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

bool Componentes::Ubicado(int x, int y) { return BuscaEn(x, y); }

bool Componentes::ParaEliminar(int x, int y) {
    if (!BuscaEn(x, y)) return false;
    Seleccionado()->Selecciona();
    return true;
}

bool Componentes::HaySeleccion() const {
    return iSeleccionado >= 0 && static_cast<std::size_t>(iSeleccionado) < lista.size();
}

Componente* Componentes::Seleccionado() {
    return HaySeleccion() ? &lista[static_cast<std::size_t>(iSeleccionado)] : nullptr;
}

const Componente* Componentes::Seleccionado() const {
    return HaySeleccion() ? &lista[static_cast<std::size_t>(iSeleccionado)] : nullptr;
}

void Componentes::Selecciona() {
    Componente* chip = Seleccionado();
    if (chip == nullptr) return;
    bMoviendo = true;
    chip->Selecciona();
}

void Componentes::EnMovimiento(int x, int y) {
    if (Componente* chip = Seleccionado()) chip->EnMovimiento(x, y);
}

void Componentes::BotonArriba(int, int) {
    bMoviendo = false;
    iSeleccionado = -1;
}

bool Componentes::EstaInsertado() const {
    const Componente* chip = Seleccionado();
    return chip != nullptr && chip->EstaInsertado();
}

void Componentes::Retira() {
    if (Componente* chip = Seleccionado()) {
        chip->Retira();
        chip->UbicaEn(kEsquinaDeRetirado);
    }
}

void Componentes::Inserta() {
    if (Componente* chip = Seleccionado()) chip->Inserta();
}

void Componentes::NumeroDeProtoboard(int n) {
    if (Componente* chip = Seleccionado()) chip->NumeroDeProtoboard(n);
}

long Componentes::Codigo() const {
    const Componente* chip = Seleccionado();
    return chip != nullptr ? chip->Codigo() : 0;
}

Punto Componentes::Ubicacion() const {
    const Componente* chip = Seleccionado();
    return chip != nullptr ? chip->Ubicacion() : Punto{};
}

void Componentes::Ubicacion(Punto p) {
    if (Componente* chip = Seleccionado()) chip->UbicaEn(p);
}

int Componentes::NumeroDePines() const {
    const Componente* chip = Seleccionado();
    return chip != nullptr ? chip->NumeroDePines() : 0;
}

const char* Componentes::TiposDePines() const {
    const Componente* chip = Seleccionado();
    return chip != nullptr ? chip->TiposDePines() : nullptr;
}

Punto Componentes::Desplazamiento() const {
    const Componente* chip = Seleccionado();
    return chip != nullptr ? chip->Desplazamiento() : Punto{};
}

void Componentes::EliminaSeleccionado() {
    if (!HaySeleccion()) return;
    lista.erase(lista.begin() + iSeleccionado);
    ++nGeneracion;
}

void Componentes::Desplaza(int n, Punto d) {
    for (Componente& chip : lista) chip.Desplaza(n, d);
}

void Componentes::CalculaFunciones() {
    for (Componente& chip : lista) chip.CalculaFunciones();
}

bool Componentes::HayCambio() const {
    return std::any_of(lista.begin(), lista.end(), [](const Componente& c) { return c.HayCambio(); });
}

void Componentes::Transmite() {
    for (Componente& chip : lista) chip.Transmite();
}

void Componentes::TransmiteTipos() {
    for (Componente& chip : lista) chip.TransmiteTipos();
}

void Componentes::Reinicia() {
    for (Componente& chip : lista) chip.Reinicia();
}

void Componentes::Agrega(const Componente& chip) {
    lista.push_back(chip);
    ++nGeneracion;
}

void Componentes::Limpia() {
    lista.clear();
    ++nGeneracion;
    iSeleccionado = -1;
    bMoviendo = false;
}

}  // namespace velistra
