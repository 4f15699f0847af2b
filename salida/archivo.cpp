#include "archivo.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>

namespace talmiroc::salida {

namespace {

// Enough to make a PDF's many small writes a few system calls.
constexpr std::size_t tamaño_bufer = 64 * 1024;

// The leftovers of NAME: ".NAME.talmiroc-" and six characters, the name
// cut so that the whole stays within NAME_MAX.
std::string Prefijo_resto(std::string_view nombre) {
    constexpr std::string_view marca = ".talmiroc-";
    const std::size_t cabe = NAME_MAX - 1 - marca.size() - 6;
    std::string s(".");
    s.append(nombre.substr(0, cabe)).append(marca);
    return s;
}

std::string Aleatorio(std::size_t n) {
    static constexpr char letras[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 azar{std::random_device{}()};
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s.push_back(letras[azar() % (sizeof letras - 1)]);
    return s;
}

}  // namespace

std::string Razon_del_sistema(int error) {
    if (error <= 0) return {};
    return std::strerror(error);
}

// ---------------------------------------------------------------------------

bool Descriptor::Volcar(const char* p, std::size_t n) {
    while (n > 0 && error_ == 0) {
        const ssize_t escritos = ::write(fd_, p, n);
        if (escritos < 0) {
            if (errno != EINTR) error_ = errno;
        } else if (escritos == 0) {
            error_ = EIO;
        } else {
            p += escritos;
            n -= static_cast<std::size_t>(escritos);
        }
    }
    return error_ == 0;
}

bool Descriptor::Escribir(std::string_view bytes) {
    if (error_ != 0) return false;
    if (bufer_.size() + bytes.size() <= tamaño_bufer) {
        bufer_.append(bytes);
        return true;
    }
    if (!Vaciar()) return false;
    if (bytes.size() >= tamaño_bufer) return Volcar(bytes.data(), bytes.size());
    bufer_.assign(bytes);
    return true;
}

bool Descriptor::Vaciar() {
    const bool bien = Volcar(bufer_.data(), bufer_.size());
    bufer_.clear();
    return bien;
}

// ---------------------------------------------------------------------------

Escritura::Escritura(std::string ruta, mode_t modo) : ruta_(std::move(ruta)) {
    Abrir(modo);
    if (error_ != 0) Deshacer();
}

Escritura::~Escritura() {
    if (!terminada_) Deshacer();
}

void Escritura::Abrir(mode_t modo) {
    if (ruta_ == "-") {
        estandar_ = true;
        datos_.Cambiar(STDOUT_FILENO);
        return;
    }
    // The file a link names is the one replaced.
    std::string destino = ruta_;
    struct stat antes {};
    const bool existe = ::stat(ruta_.c_str(), &antes) == 0;
    if (!existe && errno != ENOENT) {
        error_ = errno;
        return;
    }
    if (existe) {
        if (S_ISDIR(antes.st_mode)) {
            error_ = EISDIR;
            return;
        }
        if (!S_ISREG(antes.st_mode)) {
            error_ = error_no_regular;
            return;
        }
        // A read-only file is not replaced, as cp does not write over one.
        if (::access(ruta_.c_str(), W_OK) != 0) {
            error_ = errno;
            return;
        }
        struct stat enlace {};
        if (::lstat(ruta_.c_str(), &enlace) == 0 && S_ISLNK(enlace.st_mode)) {
            if (char* real = ::realpath(ruta_.c_str(), nullptr)) {
                destino = real;
                std::free(real);
            }
        }
    }
    const std::size_t barra = destino.rfind('/');
    const std::string carpeta = barra == std::string::npos ? "." : barra == 0 ? "/" : destino.substr(0, barra);
    nombre_ = barra == std::string::npos ? destino : destino.substr(barra + 1);
    if (nombre_.empty()) {
        error_ = EISDIR;
        return;
    }
    carpeta_ = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (carpeta_ < 0) {
        error_ = errno;
        return;
    }
    const std::string prefijo = Prefijo_resto(nombre_);
    Limpiar_restos(prefijo);

    // Unnamed where the file system allows it: a kill leaves nothing.
    int fd = -1;
    if (::access("/proc/self/fd", X_OK) == 0) {
        fd = ::openat(carpeta_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, modo);
    }
    if (fd >= 0) {
        ::flock(fd, LOCK_EX);
    } else {
        // Named, and locked for as long as it is written; a cleaner that took
        // it between its making and its lock has removed it: make another.
        for (int intento = 0; fd < 0 && intento < 100; ++intento) {
            temporal_ = prefijo + Aleatorio(6);
            fd = ::openat(carpeta_, temporal_.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, modo);
            if (fd < 0) {
                if (errno == EEXIST) continue;
                error_ = errno;
                temporal_.clear();
                return;
            }
            ::flock(fd, LOCK_EX);
            struct stat abierto {}, nombrado {};
            if (::fstat(fd, &abierto) != 0 ||
                ::fstatat(carpeta_, temporal_.c_str(), &nombrado, AT_SYMLINK_NOFOLLOW) != 0 ||
                abierto.st_ino != nombrado.st_ino || abierto.st_dev != nombrado.st_dev) {
                ::close(fd);
                fd = -1;
            }
        }
        if (fd < 0) {
            if (error_ == 0) error_ = EEXIST;
            temporal_.clear();
            return;
        }
    }
    datos_.Cambiar(fd);
    if (existe) {
        // Owner and group where this user may give them (root may), then the
        // mode, which a change of owner would have cleared of set-id bits.
        if ((antes.st_uid != ::geteuid() || antes.st_gid != ::getegid()) &&
            ::fchown(fd, antes.st_uid, antes.st_gid) != 0) {
            (void)::fchown(fd, static_cast<uid_t>(-1), antes.st_gid);
        }
        if (::fchmod(fd, antes.st_mode & 07777) != 0) error_ = errno;
    }
}

void Escritura::Limpiar_restos(std::string_view prefijo) {
    const int copia = ::dup(carpeta_);
    if (copia < 0) return;
    DIR* d = ::fdopendir(copia);
    if (!d) {
        ::close(copia);
        return;
    }
    while (const dirent* e = ::readdir(d)) {
        const std::string_view n = e->d_name;
        if (!n.starts_with(prefijo) || n.size() != prefijo.size() + 6) continue;
        const int fd = ::openat(carpeta_, e->d_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat st {};
        // Nobody holds it: a run that ended before renaming it.
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlinkat(carpeta_, e->d_name, 0);
        }
        ::close(fd);
    }
    ::closedir(d);
}

bool Escritura::Nombrar() {
    const std::string proc = "/proc/self/fd/" + std::to_string(datos_.Fd());
    const std::string prefijo = Prefijo_resto(nombre_);
    for (int intento = 0; intento < 100; ++intento) {
        std::string nombre = prefijo + Aleatorio(6);
        if (::linkat(AT_FDCWD, proc.c_str(), carpeta_, nombre.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporal_ = std::move(nombre);
            return true;
        }
        if (errno != EEXIST) {
            error_ = errno;
            return false;
        }
    }
    error_ = EEXIST;
    return false;
}

bool Escritura::Terminar() {
    if (!abierta() || terminada_) return false;
    if (!datos_.Vaciar()) {
        Deshacer();
        return false;
    }
    if (estandar_) {
        // A pipe or a terminal cannot be synced; a file can.
        if (::fsync(datos_.Fd()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP) {
            error_ = errno;
            return false;
        }
        terminada_ = true;
        return true;
    }
    if (::fsync(datos_.Fd()) != 0 || (temporal_.empty() && !Nombrar()) ||
        ::renameat(carpeta_, temporal_.c_str(), carpeta_, nombre_.c_str()) != 0) {
        if (error_ == 0) error_ = errno;
        Deshacer();
        return false;
    }
    temporal_.clear();
    // The rename itself reaches the disk; a file system that cannot sync a
    // folder has nothing to say about it.
    (void)::fsync(carpeta_);
    // NFS may report a failed write only now.
    const int fd = datos_.Fd();
    datos_.Cambiar(-1);
    if (::close(fd) != 0 && errno != EINTR) error_ = errno;
    ::close(carpeta_);
    carpeta_ = -1;
    terminada_ = true;
    return error_ == 0;
}

void Escritura::Deshacer() {
    if (estandar_) return;
    if (!temporal_.empty() && carpeta_ >= 0) ::unlinkat(carpeta_, temporal_.c_str(), 0);
    temporal_.clear();
    if (datos_.Fd() >= 0) {
        const int fd = datos_.Fd();
        datos_.Cambiar(-1);
        ::close(fd);
    }
    if (carpeta_ >= 0) ::close(carpeta_);
    carpeta_ = -1;
}

}  // namespace talmiroc::salida
