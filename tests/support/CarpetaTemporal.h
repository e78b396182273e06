#pragma once
// A folder of the running test's own, removed with everything in it at the end. The
// process id keeps two runs of the suite at once (two build folders) apart.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

namespace velistra::prueba {

class CarpetaTemporal {
public:
    CarpetaTemporal() {
        const auto* prueba = ::testing::UnitTest::GetInstance()->current_test_info();
        ruta = std::filesystem::temp_directory_path() /
               ("velistra-" + std::string(prueba->test_suite_name()) + "-" + prueba->name() + "-" +
                std::to_string(::getpid()));
        std::filesystem::remove_all(ruta);
        std::filesystem::create_directories(ruta);
    }
    ~CarpetaTemporal() {
        std::error_code error;
        std::filesystem::remove_all(ruta, error);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    std::string Archivo(const std::string& nombre) const { return (ruta / nombre).string(); }

    std::filesystem::path ruta;
};

}  // namespace velistra::prueba
