// The user's data folder: where the program keeps files of its own (a CAD mailbox copy,
// the order pad's inbox).
#pragma once

#include <filesystem>

// TESMARA_DATA_ROOT when set (tests and scripts), else "Dalrow Mestlin/Tesmara/Accumulator"
// under XDG_DATA_HOME, or under ~/.local/share. Not created here.
std::filesystem::path UserDataFolder();
