// A private folder for a test, removed when it ends (on failure too), with
// XDG_DATA_HOME pointing into it: no test touches the real home folder.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace talmiroc::prueba {

class Carpeta {
public:
    Carpeta() {
        std::string plantilla = (std::filesystem::temp_directory_path() / "personas-XXXXXX").string();
        raiz_ = ::mkdtemp(plantilla.data());
        ::setenv("XDG_DATA_HOME", raiz_.c_str(), 1);
    }
    ~Carpeta() {
        std::error_code e;
        std::filesystem::permissions(raiz_, std::filesystem::perms::owner_all, e);
        std::filesystem::remove_all(raiz_, e);
    }
    Carpeta(const Carpeta&) = delete;
    Carpeta& operator=(const Carpeta&) = delete;

    const std::string& Raiz() const { return raiz_; }
    std::string Libro() const { return raiz_ + "/talmiroc/personas.json"; }

private:
    std::string raiz_;
};

inline std::string Leer(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void Escribir(const std::string& ruta, const std::string& texto) {
    std::filesystem::create_directories(std::filesystem::path(ruta).parent_path());
    std::ofstream(ruta, std::ios::binary) << texto;
}

inline mode_t Modo(const std::string& ruta) {
    struct stat st {};
    ::stat(ruta.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace talmiroc::prueba
