// The filter value that lets every row through: a key of its own, which no translation touches.
#pragma once

// The lists show string 50001 ("View All") for it; the catalogue's queries compare with this.
inline constexpr const char* kNoFilter = "*";
