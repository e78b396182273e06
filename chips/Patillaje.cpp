#include "chips/Patillaje.h"

#include <array>
#include <map>
#include <vector>

#include "plataforma/Traducible.h"

namespace velistra {

namespace {

// Where the program models a chip otherwise than its data sheet, the names follow the
// model: the 7483A, 74164, 74166 and 74191 read their supply pins as inputs, the 74247
// reads its pin 4 only as blanking input, and the 74298 loads C and D of word 1 from
// pins 9 and 7.
constexpr std::array<PatillajeDeChip, 88> kPatillajes{{
    {7000, "1A 1B 1Y 2A 2B 2Y GND 3Y 3A 3B 4Y 4A 4B VCC", VELISTRA_TEXTO("Cuatro puertas NAND de dos entradas")},
    {7002, "1Y 1A 1B 2Y 2A 2B GND 3A 3B 3Y 4A 4B 4Y VCC", VELISTRA_TEXTO("Cuatro puertas NOR de dos entradas")},
    {7004, "1A 1Y 2A 2Y 3A 3Y GND 4Y 4A 5Y 5A 6Y 6A VCC", VELISTRA_TEXTO("Seis inversores")},
    {7008, "1A 1B 1Y 2A 2B 2Y GND 3Y 3A 3B 4Y 4A 4B VCC", VELISTRA_TEXTO("Cuatro puertas AND de dos entradas")},
    {7010, "1A 1B 2A 2B 2C 2Y GND 3Y 3A 3B 3C 1Y 1C VCC", VELISTRA_TEXTO("Tres puertas NAND de tres entradas")},
    {7011, "1A 1B 2A 2B 2C 2Y GND 3Y 3A 3B 3C 1Y 1C VCC", VELISTRA_TEXTO("Tres puertas AND de tres entradas")},
    {7020, "1A 1B NC 1C 1D 1Y GND 2Y 2A 2B NC 2C 2D VCC", VELISTRA_TEXTO("Dos puertas NAND de cuatro entradas")},
    {7021, "1A 1B NC 1C 1D 1Y GND 2Y 2A 2B NC 2C 2D VCC", VELISTRA_TEXTO("Dos puertas AND de cuatro entradas")},
    {7027, "1A 1B 2A 2B 2C 2Y GND 3Y 3A 3B 3C 1Y 1C VCC", VELISTRA_TEXTO("Tres puertas NOR de tres entradas")},
    {7030, "A B C D E F GND Y NC NC G H NC VCC", VELISTRA_TEXTO("Puerta NAND de ocho entradas")},
    {7032, "1A 1B 1Y 2A 2B 2Y GND 3Y 3A 3B 4Y 4A 4B VCC", VELISTRA_TEXTO("Cuatro puertas OR de dos entradas")},
    {7042, "~Y0 ~Y1 ~Y2 ~Y3 ~Y4 ~Y5 ~Y6 GND ~Y7 ~Y8 ~Y9 D C B A VCC",
     VELISTRA_TEXTO("Descodificador BCD a decimal, salidas activas a nivel bajo")},
    {7047, "B C ~LT ~BI/~RBO ~RBI D A GND ~e ~d ~c ~b ~a ~g ~f VCC",
     VELISTRA_TEXTO("Descodificador BCD a siete segmentos, salidas activas a nivel bajo")},
    {7051, "1A 2A 2B 2C 2D 2Y GND 1Y 1D 1E 1F 1B 1C VCC",
     VELISTRA_TEXTO("Dos AND-OR-INVERT: una de 2 + 2 entradas y otra de 3 + 3")},
    {7054, "A B C D E Y GND NC F G H I J VCC", VELISTRA_TEXTO("AND-OR-INVERT de 2 + 3 + 3 + 2 entradas")},
    {7055, "A B C D NC NC GND Y NC E F G H VCC", VELISTRA_TEXTO("AND-OR-INVERT de 4 + 4 entradas")},
    {7073, "1CLK 1~CLR 1K VCC 2CLK 2~CLR 2J 2~Q 2Q 2K GND 1Q 1~Q 1J",
     VELISTRA_TEXTO("Dos flip-flops JK con borrado, por flanco de bajada")},
    {7074, "1~CLR 1D 1CLK 1~PRE 1Q 1~Q GND 2~Q 2Q 2~PRE 2CLK 2D 2~CLR VCC",
     VELISTRA_TEXTO("Dos flip-flops D con preset y borrado, por flanco de subida")},
    {7075, "1~Q 1D 2D C34 VCC 3D 4D 4~Q 4Q 3Q 3~Q GND C12 2~Q 2Q 1Q",
     VELISTRA_TEXTO("Cuatro latches D con salidas complementarias")},
    {7076, "1CLK 1~PRE 1~CLR 1J VCC 2CLK 2~PRE 2~CLR 2J 2~Q 2Q 2K GND 1~Q 1Q 1K",
     VELISTRA_TEXTO("Dos flip-flops JK con preset y borrado, por flanco de bajada")},
    {7077, "1D 2D C34 VCC 3D 4D NC 4Q 3Q NC GND C12 2Q 1Q", VELISTRA_TEXTO("Cuatro latches D")},
    {7083, "A4 Σ3 A3 B3 VCC Σ2 B2 A2 Σ1 A1 B1 GND C0 C4 Σ4 B4",
     VELISTRA_TEXTO("Sumador binario de 4 bits con acarreo rápido")},
    {7085, "B3 IA<B IA=B IA>B OA>B OA=B OA<B GND B0 A0 B1 A1 A2 B2 A3 VCC",
     VELISTRA_TEXTO("Comparador de magnitud de 4 bits")},
    {7086, "1A 1B 1Y 2A 2B 2Y GND 3Y 3A 3B 4Y 4A 4B VCC", VELISTRA_TEXTO("Cuatro puertas XOR de dos entradas")},
    {7090, "CKB R0(1) R0(2) NC VCC R9(1) R9(2) QC QB GND QD QA NC CKA",
     VELISTRA_TEXTO("Contador de décadas: divisor por 2 y por 5")},
    {7092, "CKB NC NC NC VCC R0(1) R0(2) QD QC GND QB QA NC CKA", VELISTRA_TEXTO("Contador divisor por 2 y por 6")},
    {7093, "CKB R0(1) R0(2) NC VCC NC NC QC QB GND QD QA NC CKA",
     VELISTRA_TEXTO("Contador binario de 4 bits: divisor por 2 y por 8")},
    {7095, "SER A B C D MODE GND CLK2 CLK1 QD QC QB QA VCC",
     VELISTRA_TEXTO("Registro de desplazamiento de 4 bits, entrada serie o paralelo")},
    {7107, "1J 1~Q 1Q 1K 2Q 2~Q GND 2J 2CLK 2~CLR 2K 1CLK 1~CLR VCC",
     VELISTRA_TEXTO("Dos flip-flops JK con borrado, por flanco de bajada")},
    {7109, "1~CLR 1J 1~K 1CLK 1~PRE 1Q 1~Q GND 2~Q 2Q 2~PRE 2CLK 2~K 2J 2~CLR VCC",
     VELISTRA_TEXTO("Dos flip-flops J-K negada con preset y borrado, por flanco de subida")},
    {7112, "1CLK 1K 1J 1~PRE 1Q 1~Q 2~Q GND 2Q 2~PRE 2J 2K 2CLK 2~CLR 1~CLR VCC",
     VELISTRA_TEXTO("Dos flip-flops JK con preset y borrado, por flanco de bajada")},
    {7113, "1CLK 1K 1J 1~PRE 1Q 1~Q GND 2~Q 2Q 2~PRE 2J 2K 2CLK VCC",
     VELISTRA_TEXTO("Dos flip-flops JK con preset, por flanco de bajada")},
    {7114, "~CLR 1K 1J 1~PRE 1Q 1~Q GND 2~Q 2Q 2~PRE 2J 2K CLK VCC",
     VELISTRA_TEXTO("Dos flip-flops JK con reloj y borrado comunes, por flanco de bajada")},
    {7133, "A B C D E F G GND Y H I J K L M VCC", VELISTRA_TEXTO("Puerta NAND de trece entradas")},
    {7137, "A B C ~GL ~G2 G1 ~Y7 GND ~Y6 ~Y5 ~Y4 ~Y3 ~Y2 ~Y1 ~Y0 VCC",
     VELISTRA_TEXTO("Descodificador de 3 a 8 líneas con latches de dirección")},
    {7138, "A B C ~G2A ~G2B G1 ~Y7 GND ~Y6 ~Y5 ~Y4 ~Y3 ~Y2 ~Y1 ~Y0 VCC",
     VELISTRA_TEXTO("Descodificador/demultiplexor de 3 a 8 líneas")},
    {7139, "1~G 1A 1B 1~Y0 1~Y1 1~Y2 1~Y3 GND 2~Y3 2~Y2 2~Y1 2~Y0 2B 2A 2~G VCC",
     VELISTRA_TEXTO("Dos descodificadores/demultiplexores de 2 a 4 líneas")},
    {7147, "~I4 ~I5 ~I6 ~I7 ~I8 ~C ~B GND ~A ~I9 ~I1 ~I2 ~I3 ~D NC VCC",
     VELISTRA_TEXTO("Codificador de prioridad de 10 líneas a BCD")},
    {7148, "~I4 ~I5 ~I6 ~I7 ~EI ~A2 ~A1 GND ~A0 ~I0 ~I1 ~I2 ~I3 ~GS ~EO VCC",
     VELISTRA_TEXTO("Codificador de prioridad de 8 líneas a 3")},
    {7151, "D3 D2 D1 D0 Y W ~G GND C B A D7 D6 D5 D4 VCC",
     VELISTRA_TEXTO("Multiplexor de 8 líneas a 1 con salidas complementarias")},
    {7153, "1~G B 1C3 1C2 1C1 1C0 1Y GND 2Y 2C0 2C1 2C2 2C3 A 2~G VCC",
     VELISTRA_TEXTO("Dos multiplexores de 4 líneas a 1")},
    {7155, "1C 1~G B 1~Y3 1~Y2 1~Y1 1~Y0 GND 2~Y0 2~Y1 2~Y2 2~Y3 A 2~G 2~C VCC",
     VELISTRA_TEXTO("Dos descodificadores/demultiplexores de 2 a 4 líneas")},
    {7157, "A/~B 1A 1B 1Y 2A 2B 2Y GND 3Y 3B 3A 4Y 4B 4A ~G VCC",
     VELISTRA_TEXTO("Cuatro multiplexores de 2 líneas a 1")},
    {7158, "A/~B 1A 1B 1~Y 2A 2B 2~Y GND 3~Y 3B 3A 4~Y 4B 4A ~G VCC",
     VELISTRA_TEXTO("Cuatro multiplexores de 2 líneas a 1, salidas invertidas")},
    {7160, "~CLR CLK A B C D ENP GND ~LOAD ENT QD QC QB QA RCO VCC",
     VELISTRA_TEXTO("Contador síncrono de décadas con carga, borrado asíncrono")},
    {7161, "~CLR CLK A B C D ENP GND ~LOAD ENT QD QC QB QA RCO VCC",
     VELISTRA_TEXTO("Contador síncrono binario de 4 bits con carga, borrado asíncrono")},
    {7162, "~CLR CLK A B C D ENP GND ~LOAD ENT QD QC QB QA RCO VCC",
     VELISTRA_TEXTO("Contador síncrono de décadas con carga, borrado síncrono")},
    {7163, "~CLR CLK A B C D ENP GND ~LOAD ENT QD QC QB QA RCO VCC",
     VELISTRA_TEXTO("Contador síncrono binario de 4 bits con carga, borrado síncrono")},
    {7164, "A B QA QB QC QD GND CLK ~CLR QE QF QG QH VCC",
     VELISTRA_TEXTO("Registro de desplazamiento de 8 bits, entrada serie y salida paralela")},
    {7165, "SH/~LD CLK E F G H ~QH GND QH SER A B C D INH VCC",
     VELISTRA_TEXTO("Registro de desplazamiento de 8 bits, entrada paralela y salida serie")},
    {7166, "SER A B C D INH CLK GND ~CLR E F G QH H SH/~LD VCC",
     VELISTRA_TEXTO("Registro de desplazamiento de 8 bits, entrada paralela y salida serie, con borrado")},
    {7168, "U/~D CLK A B C D ~ENP GND ~LOAD ~ENT QD QC QB QA ~RCO VCC",
     VELISTRA_TEXTO("Contador síncrono de décadas ascendente y descendente")},
    {7169, "U/~D CLK A B C D ~ENP GND ~LOAD ~ENT QD QC QB QA ~RCO VCC",
     VELISTRA_TEXTO("Contador síncrono binario de 4 bits ascendente y descendente")},
    {7170, "D2 D3 D4 RB RA Q4 Q3 GND Q2 Q1 ~GR ~GW WB WA D1 VCC",
     VELISTRA_TEXTO("Memoria de 4 palabras de 4 bits, lectura y escritura simultáneas")},
    {7174, "~CLR 1Q 1D 2D 2Q 3D 3Q GND CLK 4Q 4D 5Q 5D 6D 6Q VCC",
     VELISTRA_TEXTO("Seis flip-flops D con borrado, por flanco de subida")},
    {7175, "~CLR 1Q 1~Q 1D 2D 2~Q 2Q GND CLK 3Q 3~Q 3D 4D 4~Q 4Q VCC",
     VELISTRA_TEXTO("Cuatro flip-flops D con borrado y salidas complementarias")},
    {7181, "B0 A0 S3 S2 S1 S0 Cn M F0 F1 F2 GND F3 A=B ~P Cn+4 ~G B3 A3 B2 A2 B1 A1 VCC",
     VELISTRA_TEXTO("Unidad aritmética y lógica de 4 bits")},
    {7190, "B QB QA ~CTEN D/~U QC QD GND D C ~LOAD MAX/MIN ~RCO CLK A VCC",
     VELISTRA_TEXTO("Contador síncrono de décadas ascendente y descendente con carga")},
    {7191, "B QB QA ~CTEN D/~U QC QD GND D C ~LOAD MAX/MIN ~RCO CLK A VCC",
     VELISTRA_TEXTO("Contador síncrono binario de 4 bits ascendente y descendente con carga")},
    {7192, "B QB QA DOWN UP QC QD GND D C ~LOAD ~CO ~BO CLR A VCC",
     VELISTRA_TEXTO("Contador síncrono de décadas con dos relojes, carga y borrado")},
    {7193, "B QB QA DOWN UP QC QD GND D C ~LOAD ~CO ~BO CLR A VCC",
     VELISTRA_TEXTO("Contador síncrono binario de 4 bits con dos relojes, carga y borrado")},
    {7194, "~CLR SR A B C D SL GND S0 S1 CLK QD QC QB QA VCC",
     VELISTRA_TEXTO("Registro de desplazamiento bidireccional universal de 4 bits")},
    {7195, "~CLR J ~K A B C D GND SH/~LD CLK ~QD QD QC QB QA VCC",
     VELISTRA_TEXTO("Registro de desplazamiento de 4 bits con entradas J-K y carga paralela")},
    {7196, "CT/~LD QC C A QA CLK2 GND CLK1 QB B D QD ~CLR VCC",
     VELISTRA_TEXTO("Contador de décadas con carga: divisor por 2 y por 5")},
    {7197, "CT/~LD QC C A QA CLK2 GND CLK1 QB B D QD ~CLR VCC",
     VELISTRA_TEXTO("Contador binario de 4 bits con carga: divisor por 2 y por 8")},
    {7247, "B C ~LT ~BI ~RBI D A GND ~e ~d ~c ~b ~a ~g ~f VCC",
     VELISTRA_TEXTO("Descodificador BCD a siete segmentos con colas en el 6 y el 9")},
    {7256, "A B 1D 1Q0 1Q1 1Q2 1Q3 GND 2Q0 2Q1 2Q2 2Q3 2D ~G ~CLR VCC",
     VELISTRA_TEXTO("Dos latches direccionables de 4 bits")},
    {7259, "S0 S1 S2 Q0 Q1 Q2 Q3 GND Q4 Q5 Q6 Q7 D ~G ~CLR VCC", VELISTRA_TEXTO("Latch direccionable de 8 bits")},
    {7260, "1A 1B 1C 2A 1Y 2Y GND 2B 2C 2D 2E 1D 1E VCC", VELISTRA_TEXTO("Dos puertas NOR de cinco entradas")},
    {7273, "~CLR 1Q 1D 2D 2Q 3Q 3D 4D 4Q GND CLK 5Q 5D 6D 6Q 7Q 7D 8D 8Q VCC",
     VELISTRA_TEXTO("Ocho flip-flops D con borrado, por flanco de subida")},
    {7279, "1~R 1~S1 1~S2 1Q 2~R 2~S 2Q GND 3Q 3~R 3~S1 3~S2 4Q 4~R 4~S VCC",
     VELISTRA_TEXTO("Cuatro latches S-R con entradas activas a nivel bajo")},
    {7280, "G H NC I ΣEVEN ΣODD GND A B C D E F VCC",
     VELISTRA_TEXTO("Generador y comprobador de paridad de 9 bits")},
    {7283, "Σ2 B2 A2 Σ1 A1 B1 C0 GND C4 Σ4 B4 A4 Σ3 A3 B3 VCC",
     VELISTRA_TEXTO("Sumador binario de 4 bits con acarreo rápido")},
    {7290, "R9(1) NC R9(2) QC QB NC GND QD QA CKA CKB R0(1) R0(2) VCC",
     VELISTRA_TEXTO("Contador de décadas: divisor por 2 y por 5")},
    {7293, "NC NC NC QC QB NC GND QD QA CKA CKB R0(1) R0(2) VCC",
     VELISTRA_TEXTO("Contador binario de 4 bits: divisor por 2 y por 8")},
    {7298, "B2 A2 A1 B1 C2 D2 D1 GND C1 WS CLK QD QC QB QA VCC",
     VELISTRA_TEXTO("Cuatro multiplexores de 2 líneas a 1 con registro, por flanco de bajada")},
    {7352, "1~G B 1C3 1C2 1C1 1C0 1~Y GND 2~Y 2C0 2C1 2C2 2C3 A 2~G VCC",
     VELISTRA_TEXTO("Dos multiplexores de 4 líneas a 1, salidas invertidas")},
    {7375, "1D 1~Q 1Q C12 2Q 2~Q 2D GND 3D 3~Q 3Q C34 4Q 4~Q 4D VCC",
     VELISTRA_TEXTO("Cuatro latches D con salidas complementarias")},
    {7377, "~G 1Q 1D 2D 2Q 3Q 3D 4D 4Q GND CLK 5Q 5D 6D 6Q 7Q 7D 8D 8Q VCC",
     VELISTRA_TEXTO("Ocho flip-flops D con habilitación, por flanco de subida")},
    {7378, "~G 1Q 1D 2D 2Q 3D 3Q GND CLK 4Q 4D 5Q 5D 6D 6Q VCC",
     VELISTRA_TEXTO("Seis flip-flops D con habilitación, por flanco de subida")},
    {7379, "~G 1Q 1~Q 1D 2D 2~Q 2Q GND CLK 3Q 3~Q 3D 4D 4~Q 4Q VCC",
     VELISTRA_TEXTO("Cuatro flip-flops D con habilitación y salidas complementarias")},
    {7386, "1A 1B 1Y 2Y 2A 2B GND 3A 3B 3Y 4Y 4A 4B VCC", VELISTRA_TEXTO("Cuatro puertas XOR de dos entradas")},
    {7390, "1CKA 1CLR 1QA 1CKB 1QB 1QC 1QD GND 2QD 2QC 2QB 2CKB 2QA 2CLR 2CKA VCC",
     VELISTRA_TEXTO("Dos contadores de décadas: divisores por 2 y por 5")},
    {7393, "1CLK 1CLR 1QA 1QB 1QC 1QD GND 2QD 2QC 2QB 2QA 2CLR 2CLK VCC",
     VELISTRA_TEXTO("Dos contadores binarios de 4 bits")},
    {7398, "S QA ~QA A1 A2 B2 B1 ~QB QB GND CLK QC ~QC C1 C2 D2 D1 ~QD QD VCC",
     VELISTRA_TEXTO("Cuatro multiplexores de 2 líneas a 1 con registro y salidas complementarias")},
    {7399, "S QA A1 A2 B2 B1 QB GND CLK QC C1 C2 D2 D1 QD VCC",
     VELISTRA_TEXTO("Cuatro multiplexores de 2 líneas a 1 con registro")},
    {7490, "1CLK 1CLR 1QA 1SET9 1QB 1QC 1QD GND 2QD 2QC 2QB 2SET9 2QA 2CLR 2CLK VCC",
     VELISTRA_TEXTO("Dos contadores de décadas con puesta a 9")},
    {7669, "U/~D CLK A B C D ~ENP GND ~LOAD ~ENT QD QC QB QA ~RCO VCC",
     VELISTRA_TEXTO("Contador síncrono binario de 4 bits ascendente y descendente")},
}};

struct Tabla {
    std::map<int, std::vector<std::string_view>> nombres;
    std::map<int, std::string_view> descripciones;
};

std::vector<std::string_view> Separa(std::string_view texto) {
    std::vector<std::string_view> partes;
    while (!texto.empty()) {
        const std::size_t fin = texto.find(' ');
        if (fin != 0) partes.push_back(texto.substr(0, fin));
        if (fin == std::string_view::npos) break;
        texto.remove_prefix(fin + 1);
    }
    return partes;
}

const Tabla& LaTabla() {
    static const Tabla tabla = [] {
        Tabla t;
        for (const PatillajeDeChip& p : kPatillajes) {
            t.nombres[p.codigoDeCatalogo] = Separa(p.nombres);
            t.descripciones[p.codigoDeCatalogo] = p.descripcion;
        }
        return t;
    }();
    return tabla;
}

}  // namespace

std::span<const PatillajeDeChip> Patillajes() { return kPatillajes; }

std::string_view NombreDePatilla(int codigoDeCatalogo, int pin) {
    const auto& nombres = LaTabla().nombres;
    const auto chip = nombres.find(codigoDeCatalogo);
    if (chip == nombres.end() || pin < 1 || static_cast<std::size_t>(pin) > chip->second.size())
        return {};
    return chip->second[static_cast<std::size_t>(pin - 1)];
}

std::string_view DescripcionDeChip(int codigoDeCatalogo) {
    const auto& descripciones = LaTabla().descripciones;
    const auto chip = descripciones.find(codigoDeCatalogo);
    return chip == descripciones.end() ? std::string_view{} : chip->second;
}

}  // namespace velistra
