#pragma once
// Circuit model: ports, boards, placed chips and the chip collection.
// Nothing here draws on a real screen or knows a window system.

namespace velistra {

struct Punto {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Punto&, const Punto&) = default;
};

}  // namespace velistra
