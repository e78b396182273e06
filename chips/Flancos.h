#pragma once
// Edge detection shared by every clocked chip: a clock's level at the end of the
// previous evaluation is kept in the value table and compared with the new one.

namespace velistra {

constexpr bool FlancoDeSubida(bool actual, bool anterior) { return actual && !anterior; }
constexpr bool FlancoDeBajada(bool actual, bool anterior) { return !actual && anterior; }

}  // namespace velistra
