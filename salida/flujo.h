// A std::ostream's bytes through a checked Descriptor, so a program that
// writes with streams (tzolkin to its standard output) knows every failed
// write and its reason. No Qt.
#pragma once

#include <streambuf>

#include "archivo.h"

namespace talmiroc::salida {

// std::ostream salida(&flujo) writes through `d`; the stream goes bad at
// the first failure, and d.Error() says why.
class Flujo final : public std::streambuf {
public:
    explicit Flujo(Descriptor& d) : d_(d) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char b = traits_type::to_char_type(c);
        return d_.Escribir({&b, 1}) ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        return d_.Escribir({s, static_cast<std::size_t>(n)}) ? n : 0;
    }
    int sync() override { return d_.Vaciar() ? 0 : -1; }

private:
    Descriptor& d_;
};

}  // namespace talmiroc::salida
