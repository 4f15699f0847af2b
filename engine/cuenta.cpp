#include "cuenta.h"

#include <algorithm>

namespace talmiroc {

namespace {

constexpr std::array<int, 52> portales = {
    1,   20,  22,  39,  43,  50,  51,  58,  64,  69,  72,  77,  85,  88,  93,  96,  106, 107,
    108, 109, 110, 111, 112, 113, 114, 115, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155,
    165, 168, 173, 176, 184, 189, 192, 197, 203, 210, 211, 218, 222, 239, 241, 260};

}  // namespace

bool Es_portal(Kin kin) {
    return std::binary_search(portales.begin(), portales.end(), kin.valor);
}

}  // namespace talmiroc
