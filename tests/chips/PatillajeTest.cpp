#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "chips/Catalogo.h"
#include "chips/Patillaje.h"

namespace velistra {
namespace {

// What a data sheet's pin name says the pin is, read without looking at any chip: 'E'
// input, 'S' output. The unit number in front ("2CLK") and the bit number behind ("D7")
// do not change the role, so a name is looked up whole first and then without them.
const std::map<std::string, char, std::less<>>& Papeles() {
    static const std::map<std::string, char, std::less<>> papeles = [] {
        std::map<std::string, char, std::less<>> m;
        for (const char* e :
             {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "~K", "CLK", "~CLR",
              "CLR", "~PRE", "~G", "~GL", "~G2A", "~G2B", "~G2", "~C", "A/~B", "~LT", "~RBI", "~BI",
              "IA<B", "IA=B", "IA>B", "CKA", "CKB", "R0(1)", "R0(2)", "R9(1)", "R9(2)", "SET", "SER",
              "MODE", "~I", "~EI", "ENP", "ENT", "~ENP", "~ENT", "~LOAD", "U/~D", "SH/~LD", "INH",
              "RA", "RB", "WA", "WB", "~GR", "~GW", "S", "Cn", "~CTEN", "D/~U", "DOWN", "UP", "SR",
              "SL", "CT/~LD", "~R", "~S", "WS"})
            m.emplace(e, 'E');
        for (const char* s :
             {"Y", "~Y", "W", "Q", "~Q", "QA", "QB", "QC", "QD", "QE", "QF", "QG", "QH", "~QA", "~QB",
              "~QC", "~QD", "~QH", "Σ", "ΣEVEN", "ΣODD", "C4", "Cn+4", "F", "A=B", "~P", "RCO",
              "~RCO", "MAX/MIN", "~CO", "~BO", "~BI/~RBO", "~a", "~b", "~c", "~d", "~e", "~f", "~g",
              "OA<B", "OA=B", "OA>B", "~A", "~GS", "~EO"})
            m.emplace(s, 'S');
        m.emplace("VCC", 'V');
        m.emplace("GND", 'G');
        m.emplace("NC", 'N');
        return m;
    }();
    return papeles;
}

// Names whose role on these chips is the opposite of the usual one.
const std::map<int, std::map<std::string, char, std::less<>>>& Excepciones() {
    static const std::map<int, std::map<std::string, char, std::less<>>> excepciones = {
        {7147, {{"~A", 'S'}, {"~B", 'S'}, {"~C", 'S'}, {"~D", 'S'}}},  // encoder outputs
        {7181, {{"F", 'S'}, {"~G", 'S'}}},  // the results and the carry generate
    };
    return excepciones;
}

char Papel(int codigo, std::string_view nombre) {
    const auto digito = [](char c) { return c >= '0' && c <= '9'; };
    std::string_view sinUnidad = nombre;
    while (sinUnidad.size() > 1 && digito(sinUnidad.front())) sinUnidad.remove_prefix(1);
    std::string_view raiz = sinUnidad;
    while (raiz.size() > 1 && digito(raiz.back())) raiz.remove_suffix(1);
    if (const auto chip = Excepciones().find(codigo); chip != Excepciones().end()) {
        if (const auto p = chip->second.find(raiz); p != chip->second.end()) return p->second;
    }
    for (std::string_view clave : {nombre, sinUnidad, raiz}) {
        if (const auto p = Papeles().find(clave); p != Papeles().end()) return p->second;
    }
    return '?';
}

TEST(Patillaje, CadaChipDelCatalogoTieneUnNombrePorPatillaYDescripcion) {
    ASSERT_EQ(Patillajes().size(), Catalogo().size());
    std::set<int> codigos;
    for (const PatillajeDeChip& p : Patillajes()) {
        EXPECT_TRUE(codigos.insert(p.codigoDeCatalogo).second) << p.codigoDeCatalogo;
        EXPECT_NE(FichaDeCatalogo(p.codigoDeCatalogo), nullptr) << p.codigoDeCatalogo;
    }
    for (const FichaDeChip& ficha : Catalogo()) {
        SCOPED_TRACE(ficha.clase);
        for (int pin = 1; pin <= ficha.pines; ++pin)
            EXPECT_FALSE(NombreDePatilla(ficha.codigoDeCatalogo, pin).empty()) << "patilla " << pin;
        EXPECT_TRUE(NombreDePatilla(ficha.codigoDeCatalogo, ficha.pines + 1).empty())
            << "más nombres que patillas";
        EXPECT_TRUE(NombreDePatilla(ficha.codigoDeCatalogo, 0).empty());
        EXPECT_FALSE(DescripcionDeChip(ficha.codigoDeCatalogo).empty());
    }
    EXPECT_TRUE(NombreDePatilla(7400, 1).empty()) << "7400 no es un código de catálogo";
    EXPECT_TRUE(DescripcionDeChip(0).empty());
}

TEST(Patillaje, LosNombresConcuerdanConLosTiposDePatilla) {
    // These read their supply pins as plain inputs.
    const std::set<int> alimentadosComoEntradas = {7083, 7164, 7166, 7191};
    int concuerdan = 0;
    for (const FichaDeChip& ficha : Catalogo()) {
        SCOPED_TRACE(ficha.clase);
        bool todos = true;
        for (int pin = 1; pin <= ficha.pines; ++pin) {
            const std::string_view nombre = NombreDePatilla(ficha.codigoDeCatalogo, pin);
            char papel = Papel(ficha.codigoDeCatalogo, nombre);
            if ((papel == 'V' || papel == 'G') && alimentadosComoEntradas.contains(ficha.codigoDeCatalogo))
                papel = 'E';
            const char tipo = ficha.tipos[pin - 1];
            if (papel != tipo) todos = false;
            EXPECT_EQ(papel, tipo) << "patilla " << pin << " \"" << nombre << "\"";
        }
        concuerdan += todos ? 1 : 0;
    }
    EXPECT_EQ(concuerdan, 88);
}

}  // namespace
}  // namespace velistra
