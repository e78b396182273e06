// The files the build writes for the page: read whole, and refused whole when damaged,
// so that a page with a broken download draws nothing rather than garbage or crashes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ComparaConElEscritorio.h"
#include "plataforma/Recursos.h"
#include "web/lienzo/BancoDeImagenes.h"
#include "web/lienzo/LecturaBinaria.h"

namespace velistra {
namespace {

std::string Lee(const char* nombre) {
    return web::LeeArchivo(std::string(VELISTRA_RECURSOS_WEB) + "/" + nombre);
}

const std::uint8_t* Bytes(const std::string& datos) {
    return reinterpret_cast<const std::uint8_t*>(datos.data());
}

TEST(ArchivosDeRecursos, TraenCadaImagenLaFuenteYLasElipses) {
    const web::RecursosDeMapa& recursos = prueba::LosRecursosDeLaWeb();
    for (const Imagen& imagen : recursos::Todas()) {
        const web::MapaDeBits* mapa = recursos.imagenes.Busca(imagen.id);
        ASSERT_NE(mapa, nullptr) << imagen.id;
        EXPECT_EQ(mapa->Ancho(), imagen.ancho) << imagen.id;
        EXPECT_EQ(mapa->Alto(), imagen.alto) << imagen.id;
    }
    EXPECT_GT(recursos.fuente.Alto(), 0);
    EXPECT_GT(recursos.fuente.Anchura("7400"), 0);
    EXPECT_EQ(recursos.fuente.Anchura("74LS"), recursos.fuente.Anchura("74") + recursos.fuente.Anchura("LS"));
    EXPECT_NE(recursos.fuente.Busca(U'Ñ'), recursos.fuente.Busca(U'?')) << "Spanish letters are in the font";
    EXPECT_EQ(recursos.fuente.Anchura("Ñ"), recursos.fuente.Busca(U'Ñ')->avance);
    // A cut or stray byte shows as '?', and the text goes on.
    EXPECT_EQ(recursos.fuente.Anchura("a\xC3"), recursos.fuente.Anchura("a?"));
    EXPECT_EQ(recursos.fuente.Anchura("\x91" "b"), recursos.fuente.Anchura("?b"));
    EXPECT_NE(recursos.elipses.Busca(15, 15, 1), nullptr);
}

TEST(ArchivosDeRecursos, UnArchivoDanadoNoCargaNada) {
    const std::string imagenes = Lee(web::kArchivoDeImagenes);
    const std::string fuente = Lee(web::kArchivoDeFuente);
    const std::string elipses = Lee(web::kArchivoDeElipses);
    ASSERT_FALSE(imagenes.empty());

    for (const std::size_t largo : {std::size_t{0}, std::size_t{3}, std::size_t{12}, imagenes.size() / 2, imagenes.size() - 1}) {
        web::BancoDeImagenes banco;
        EXPECT_FALSE(banco.Carga(Bytes(imagenes), largo)) << largo;
        EXPECT_EQ(banco.Cuantas(), 0u) << largo;
        web::FuenteDeMapa letras;
        EXPECT_FALSE(letras.Carga(Bytes(fuente), std::min(largo, fuente.size() - 1))) << largo;
        web::SellosDeElipse sellos;
        EXPECT_FALSE(sellos.Carga(Bytes(elipses), std::min(largo, elipses.size() - 1))) << largo;
        EXPECT_EQ(sellos.Cuantos(), 0u);
    }
    // A run longer than its picture, and trailing bytes.
    std::string largaDeMas = imagenes;
    largaDeMas[31] = '\x7F';  // the first run's count
    web::BancoDeImagenes banco;
    EXPECT_FALSE(banco.Carga(Bytes(largaDeMas), largaDeMas.size()));
    EXPECT_FALSE(banco.Carga(Bytes(imagenes + "x"), imagenes.size() + 1));
    EXPECT_TRUE(banco.Carga(Bytes(imagenes), imagenes.size()));

    // Pictures given one by one, as a page that decodes its own files would.
    const std::uint8_t rgba[] = {1, 2, 3, 255, 4, 5, 6, 255};
    banco.Agrega(77, 2, 1, rgba);
    ASSERT_NE(banco.Busca(77), nullptr);
    EXPECT_EQ(banco.Busca(77)->En(1, 0), web::PixelDe(Rgb(4, 5, 6)));
}

}  // namespace
}  // namespace velistra
