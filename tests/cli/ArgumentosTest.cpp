// The command line: what each accepted form asks for, and a clear refusal for the rest.
#include <gtest/gtest.h>

#include "support/Proceso.h"
#include "cli/Argumentos.h"

namespace velistra::consola {
namespace {

TEST(Argumentos, LasFormasValidasDicenQueHacer) {
    ArgumentosAnalizados a = AnalizaArgumentos({"simular", "c.txt"});
    ASSERT_TRUE(a.peticion);
    EXPECT_EQ(a.peticion->accion, Accion::Simular);
    EXPECT_EQ(a.peticion->circuito, "c.txt");
    EXPECT_FALSE(a.peticion->guion);
    EXPECT_FALSE(a.peticion->guardar);
    EXPECT_EQ(a.peticion->formato, Formato::Texto);

    // Options may come before or after the circuit.
    a = AnalizaArgumentos({"simular", "--json", "--guion", "g.txt", "c.txt", "--guardar", "s.txt"});
    ASSERT_TRUE(a.peticion);
    EXPECT_EQ(a.peticion->circuito, "c.txt");
    EXPECT_EQ(a.peticion->guion, "g.txt");
    EXPECT_EQ(a.peticion->guardar, "s.txt");
    EXPECT_EQ(a.peticion->formato, Formato::Json);

    a = AnalizaArgumentos({"tabla", "c.txt", "--csv"});
    ASSERT_TRUE(a.peticion);
    EXPECT_EQ(a.peticion->accion, Accion::Tabla);
    EXPECT_EQ(a.peticion->formato, Formato::Csv);

    // A file named like an option's value is a value, not an option.
    a = AnalizaArgumentos({"simular", "c.txt", "--guardar", "tabla"});
    ASSERT_TRUE(a.peticion);
    EXPECT_EQ(a.peticion->guardar, "tabla");

    for (const char* ayuda : {"--help", "-h"}) {
        a = AnalizaArgumentos({"tabla", ayuda});
        ASSERT_TRUE(a.peticion);
        EXPECT_EQ(a.peticion->accion, Accion::Ayuda);
    }
}

TEST(Argumentos, LasFormasInvalidasSeRechazanConSuMotivo) {
    struct Caso {
        std::vector<std::string> argumentos;
        std::string error;
    };
    const Caso casos[] = {
        {{}, "falta la orden: simular, tabla, comprobar o revisar"},
        {{"correr", "c.txt"},
         "orden desconocida «correr»; se espera simular, tabla, comprobar o revisar"},
        {{"simular"}, "falta el archivo del circuito"},
        {{"tabla", "--csv"}, "falta el archivo del circuito"},
        {{"simular", "a.txt", "b.txt"}, "sobra el argumento «b.txt»"},
        {{"simular", "c.txt", "--csv"}, "la orden simular no admite la opción «--csv»"},
        {{"tabla", "c.txt", "--guion", "g.txt"}, "la orden tabla no admite la opción «--guion»"},
        {{"simular", "c.txt", "--guion"}, "falta el archivo tras «--guion»"},
        {{"simular", "c.txt", "--guardar"}, "falta el archivo tras «--guardar»"},
        {{"simular", "c.txt", "--guion", "a", "--guion", "b"},
         "la opción «--guion» aparece dos veces"},
        {{"tabla", "c.txt", "--json", "--json"}, "la opción «--json» aparece dos veces"},
        {{"tabla", "c.txt", "--csv", "--json"},
         "las opciones «--csv» y «--json» no pueden ir juntas"},
    };
    for (const Caso& c : casos) {
        const ArgumentosAnalizados a = AnalizaArgumentos(c.argumentos);
        EXPECT_FALSE(a.peticion);
        EXPECT_EQ(a.error, c.error);
    }
}

TEST(Argumentos, ElProgramaExplicaSuUsoYRechazaElMalUsoConCodigo1) {
    prueba::ResultadoDelProceso r = prueba::EjecutaCli({"--help"});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida.rfind("Uso:\n  velistra-cli simular CIRCUITO.txt", 0), 0u) << r.salida;
    for (const char* orden :
         {"encender", "interruptor ID I 0|1", "pulsar ID I", "soltar ID I", "tic [N]", "mostrar",
          "sonda ID P", "--guardar", "--csv", "Códigos de salida"})
        EXPECT_NE(r.salida.find(orden), std::string::npos) << orden;
    EXPECT_EQ(r.errores, "");

    // The version wins over any other word, like --help.
    r = prueba::EjecutaCli({"simular", "--version"});
    EXPECT_EQ(r.codigo, 0);
    EXPECT_EQ(r.salida, std::string("velistra-cli ") + VELISTRA_VERSION + "\n");

    r = prueba::EjecutaCli({"tabla"});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.salida, "");
    EXPECT_EQ(r.errores,
              "velistra-cli: falta el archivo del circuito\n"
              "Use «velistra-cli --help» para ver cómo se usa.\n");
}

}  // namespace
}  // namespace velistra::consola
