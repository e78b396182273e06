#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "Apoyo.h"
#include "ui/plataforma/AvisosQt.h"
#include "ui/plataforma/DialogosQt.h"

namespace velistra {
namespace {

using prueba::AlAbrirseUnDialogo;

TEST(AvisosQt, UnMensajeLlevaSuTituloSuTextoSuIconoYUnBotonAceptar) {
    struct Caso {
        Icono icono;
        QMessageBox::Icon esperado;
    };
    for (const Caso caso :
         {Caso{Icono::Error, QMessageBox::Critical}, Caso{Icono::Advertencia, QMessageBox::Warning},
          Caso{Icono::Informacion, QMessageBox::Information}}) {
        QString titulo, texto, boton;
        QMessageBox::Icon icono = QMessageBox::NoIcon;
        AlAbrirseUnDialogo([&](QWidget* dialogo) {
            auto* caja = qobject_cast<QMessageBox*>(dialogo);
            ASSERT_NE(caja, nullptr);
            titulo = caja->windowTitle();
            texto = caja->text();
            icono = caja->icon();
            ASSERT_EQ(caja->buttons().size(), 1);
            boton = caja->buttons().front()->text();
            caja->buttons().front()->click();
        });
        AvisosQt(nullptr).Muestra("Primero debe retirar los cables y componentes.", "Información",
                                  caso.icono);
        EXPECT_EQ(titulo, QStringLiteral("Información"));
        EXPECT_EQ(texto, QStringLiteral("Primero debe retirar los cables y componentes."));
        EXPECT_EQ(icono, caso.esperado);
        EXPECT_EQ(boton, QStringLiteral("Aceptar"));
    }
}

TEST(AvisosQt, LaPreguntaContestaSegunElBotonYEscapeCancela) {
    struct Caso {
        QMessageBox::StandardButton boton;  // NoButton: press Esc
        Respuesta esperada;
    };
    for (const Caso caso :
         {Caso{QMessageBox::Yes, Respuesta::Si}, Caso{QMessageBox::No, Respuesta::No},
          Caso{QMessageBox::Cancel, Respuesta::Cancelar},
          Caso{QMessageBox::NoButton, Respuesta::Cancelar}}) {
        QStringList textos;
        QMessageBox::Icon icono = QMessageBox::NoIcon;
        AlAbrirseUnDialogo([&](QWidget* dialogo) {
            auto* caja = qobject_cast<QMessageBox*>(dialogo);
            ASSERT_NE(caja, nullptr);
            icono = caja->icon();
            for (const QMessageBox::StandardButton b :
                 {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
                textos << caja->button(b)->text();
            }
            if (caso.boton == QMessageBox::NoButton) {
                QTest::keyClick(caja, Qt::Key_Escape);
            } else {
                caja->button(caso.boton)->click();
            }
        });
        const Respuesta respuesta =
            AvisosQt(nullptr).Pregunta("¿Guardar los cambios del circuito?", "Circuito modificado");
        EXPECT_EQ(respuesta, caso.esperada);
        EXPECT_EQ(icono, QMessageBox::Question);
        EXPECT_EQ(textos, (QStringList{QStringLiteral("&Sí"), QStringLiteral("&No"),
                                       QStringLiteral("Cancelar")}));
    }
}

TEST(DialogosQt, LosFiltrosSeEscribenComoLosEntiendeElDialogo) {
    EXPECT_EQ(
        FiltrosQt({{"Archivos conocidos (*.txt)", "*.txt"}, {"Todos los archivos (*.*)", "*.*"}}),
        QStringLiteral("Archivos conocidos (*.txt);;Todos los archivos (*.*)"));
    EXPECT_EQ(FiltrosQt({{"Circuitos", "*.txt"}}), QStringLiteral("Circuitos (*.txt)"));
}

TEST(DialogosQt, GuardarAnadeLaExtensionYPreguntaAntesDeSobrescribir) {
    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    bool confirmaSobrescritura = false;
    QStringList filtros;
    AlAbrirseUnDialogo([&](QWidget* dialogo) {
        auto* archivos = qobject_cast<QFileDialog*>(dialogo);
        ASSERT_NE(archivos, nullptr);
        confirmaSobrescritura = !archivos->testOption(QFileDialog::DontConfirmOverwrite);
        filtros = archivos->nameFilters();
        archivos->selectFile(QDir(carpeta.path()).filePath(QStringLiteral("circuito")));
        static_cast<QDialog*>(archivos)->accept();
    });
    const auto nombre = DialogosQt(nullptr).NombreParaGuardar(
        {{"Archivos conocidos (*.txt)", "*.txt"}, {"Todos los archivos (*.*)", "*.*"}}, "txt");
    ASSERT_TRUE(nombre.has_value());
    EXPECT_EQ(QString::fromStdString(*nombre),
              QDir(carpeta.path()).filePath(QStringLiteral("circuito.txt")));
    EXPECT_TRUE(confirmaSobrescritura);
    EXPECT_EQ(filtros, (QStringList{QStringLiteral("Archivos conocidos (*.txt)"),
                                    QStringLiteral("Todos los archivos (*.*)")}));
}

TEST(DialogosQt, AbrirCanceladoNoDaNombre) {
    AlAbrirseUnDialogo([](QWidget* dialogo) {
        auto* archivos = qobject_cast<QFileDialog*>(dialogo);
        ASSERT_NE(archivos, nullptr);
        EXPECT_EQ(archivos->fileMode(), QFileDialog::ExistingFile);
        archivos->reject();
    });
    EXPECT_FALSE(
        DialogosQt(nullptr).NombreParaAbrir({{"Archivos de circuitos (*.txt)", "*.txt"}}, "txt"));
}

std::array<Color, 16> Grises() {
    std::array<Color, 16> colores{};
    for (int k = 0; k < 16; ++k) colores[k] = k == 0 ? 0x010101 : 0x101010u * static_cast<Color>(k);
    return colores;
}

TEST(DialogosQt, ElColorEmpiezaEnElActualYLosPersonalizadosVanYVuelven) {
    std::array<Color, 16> personalizados = Grises();
    personalizados[2] = Rgb(10, 20, 30);
    QColor inicial, cargado;
    AlAbrirseUnDialogo([&](QWidget* dialogo) {
        auto* colores = qobject_cast<QColorDialog*>(dialogo);
        ASSERT_NE(colores, nullptr);
        inicial = colores->currentColor();
        cargado = QColorDialog::customColor(2);
        QColorDialog::setCustomColor(5, QColor(200, 100, 50));
        colores->setCurrentColor(QColor(0, 128, 255));
        colores->accept();
    });
    const auto elegido = DialogosQt(nullptr).EligeColor(Rgb(255, 0, 0), personalizados);
    EXPECT_EQ(inicial, QColor(255, 0, 0));
    EXPECT_EQ(cargado, QColor(10, 20, 30));
    ASSERT_TRUE(elegido.has_value());
    EXPECT_EQ(*elegido, Rgb(0, 128, 255));
    EXPECT_EQ(*elegido, 0xFF8000u) << "colours are 0x00BBGGRR";
    EXPECT_EQ(personalizados[5], Rgb(200, 100, 50));
    EXPECT_EQ(personalizados[2], Rgb(10, 20, 30));
    EXPECT_EQ(personalizados[15], 0xF0F0F0u);
}

TEST(DialogosQt, CancelarElColorNoEligeNadaPeroGuardaLosPersonalizados) {
    std::array<Color, 16> personalizados = Grises();
    AlAbrirseUnDialogo([](QWidget* dialogo) {
        QColorDialog::setCustomColor(0, QColor(1, 2, 3));
        qobject_cast<QDialog*>(dialogo)->reject();
    });
    EXPECT_FALSE(DialogosQt(nullptr).EligeColor(Rgb(0, 0, 255), personalizados));
    EXPECT_EQ(personalizados[0], Rgb(1, 2, 3));
}

}  // namespace
}  // namespace velistra
