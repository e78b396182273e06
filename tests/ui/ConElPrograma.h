#pragma once
// A test fixture with the real program, a user at it and its workbench.
#include <gtest/gtest.h>

#include "Apoyo.h"
#include "Usuario.h"
#include "simulacion/Mesa.h"
#include "ui/programa/Programa.h"

namespace velistra::prueba {

class ConElPrograma : public ::testing::Test {
protected:
    Programa programa{LasImagenes()};
    Usuario usuario{programa};
    Mesa& mesa = usuario.LaMesa();
};

}  // namespace velistra::prueba
