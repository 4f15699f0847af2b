// Every file the programs make is written here, so that nothing written is
// ever lost: a new version of a file is written beside it, every write is
// checked, the data is flushed to disk, the old file's owner, group and mode
// are kept, and only then is it renamed over the old one. Any failure leaves
// the old file as it was and nothing beside it, and says why. No Qt.
//
// Names are bytes, used as given (a name that is not UTF-8 stays itself).
// A target that is not a regular file (a device, a FIFO, a folder) is
// refused: replacing it would destroy it. "-" is standard output, written in
// place. A symbolic link is followed: the file it names is replaced. A
// hard-linked target is replaced under its own name only; its other names
// keep the old contents.
//
// The new version is an unnamed temporary file where the file system has
// them (O_TMPFILE), so a killed program leaves nothing. Elsewhere (vfat,
// NFS) it is ".NAME.talmiroc-XXXXXX", locked while it is written: the next
// write of NAME removes every such leftover that nobody holds.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace talmiroc::salida {

// Why a write failed: an errno value (ENOSPC, EFBIG, EACCES, ...), or this
// one, which no system call returns: the target is a device or a FIFO.
inline constexpr int error_no_regular = -1;

// The reason in the C library's words (strerror), or "" for
// error_no_regular, which each program says in its own language.
std::string Razon_del_sistema(int error);

// Checked, buffered writes to an open descriptor: a short write is
// continued, EINTR retried, and the first failure kept; after it, nothing
// more is written. Does not close the descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    // Adds bytes; false once anything has failed.
    bool Escribir(std::string_view bytes);
    // Writes out what is buffered; false once anything has failed.
    bool Vaciar();
    // The errno of the first failure; 0 while none.
    int Error() const { return error_; }
    int Fd() const { return fd_; }
    // Writes to another descriptor from now on; what is buffered is
    // dropped, a failure kept.
    void Cambiar(int fd) {
        fd_ = fd;
        bufer_.clear();
    }

private:
    bool Volcar(const char* p, std::size_t n);
    int fd_;
    int error_ = 0;
    std::string bufer_;
};

// A new version of one file. Escritura e("out.pdf"); e.Escribir(...);
// if (!e.Terminar()) report e.Error(). Destroyed without a successful
// Terminar, it removes what it wrote and leaves the target untouched.
class Escritura {
public:
    // `ruta`: the target's name as bytes, or "-" for standard output.
    // `modo`: a new file's permissions before the umask (0600 for private
    // data); an existing file keeps its own.
    explicit Escritura(std::string ruta, mode_t modo = 0666);
    ~Escritura();
    Escritura(const Escritura&) = delete;
    Escritura& operator=(const Escritura&) = delete;

    // Adds bytes; false once anything has failed (opening included).
    bool Escribir(std::string_view bytes) { return abierta() && datos_.Escribir(bytes); }
    // Flushes, syncs and renames over the target. True only when the
    // target now holds exactly what was written.
    bool Terminar();
    // The first failure's errno (or error_no_regular); 0 while none.
    int Error() const { return error_ != 0 ? error_ : datos_.Error(); }
    const std::string& Ruta() const { return ruta_; }

private:
    bool abierta() const { return error_ == 0 && datos_.Fd() >= 0; }
    void Abrir(mode_t modo);
    void Limpiar_restos(std::string_view prefijo);
    bool Nombrar();  // links an unnamed file to a temporary name
    void Deshacer();

    std::string ruta_;
    int error_ = 0;
    Descriptor datos_{-1};
    bool estandar_ = false;   // "-": standard output, written in place
    int carpeta_ = -1;        // the target's folder
    std::string nombre_;      // the target's name in it
    std::string temporal_;    // the name written beside it; empty while unnamed
    bool terminada_ = false;
};

}  // namespace talmiroc::salida
