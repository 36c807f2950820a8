#pragma once
// The order in which a CD's folder records its entries, which is the order a
// drive lists them in.
#include <string>
#include <string_view>

namespace vardek {

// Joliet and plain ISO 9660 folders record their entries by the bytes of
// their names (UCS-2 code order, which UTF-8 bytes keep), capitals before
// small letters: true when `a` is recorded before `b`.
bool RecordedBefore(std::string_view a, std::string_view b);

// The plain ISO 9660 name a folder records a Rock Ridge name (UTF-8) under,
// as far as its order goes: capitals, "_" for each character that is no
// letter, digit or "_", every dot but the last one included, and a dot at the
// end of a name without one ("A B" is recorded as "A_B.").
std::string PlainNameOf(std::string_view name);

}  // namespace vardek
