#include "picture.h"

namespace datatools {

int Mask::opaqueCount() const {
    int count = 0;
    for (std::uint8_t t : transparent) count += t ? 0 : 1;
    return count;
}

}  // namespace datatools
