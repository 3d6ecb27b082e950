// Where the program's files are: its read-only data, found from the running program the same way
// installed and in the build tree, and the user's own data folder for what it writes.
//
// Relative to the folder of the running program (<prefix>/bin installed; build/app or build/cli in
// the build tree), the data folder is ../share/tesmara-accumulator. It is the application folder:
//   tesmara-accumulator.ini   default settings, read after the user's and the system's
//   tips.txt, CadMailbox.db   the tips file, the CAD mailbox (used through a per-user copy when installed)
//   catalogue/Acc<LANG>.db    one catalogue per language
//   and whatever else the build puts there (documents, pictures, translations): it is installed whole.
#pragma once

#include <filesystem>

// The data folder's name under share/.
inline constexpr const char* kDataFolderName = "tesmara-accumulator";

// The hidden file the build leaves in its own data folder, and never installs.
inline constexpr const char* kBuildTreeMark = ".build-tree";

// Whether folder is a build tree's data folder (it holds kBuildTreeMark): the only data folder the
// programs ever write in. An installed one is shared by every user and stays as installed, even
// for root.
bool IsBuildDataFolder(const std::filesystem::path& folder);

// The folder of the running program's executable, symbolic links resolved; the current folder
// when the system cannot tell.
std::filesystem::path ProgramFolder();

// The data folder of a program whose executable is in programFolder.
std::filesystem::path DataFolderOf(const std::filesystem::path& programFolder);

// TESMARA_APP_DIR when set (tests and scripts), else the data folder of the running program.
std::filesystem::path ProgramDataFolder();

// TESMARA_CATALOGUE_DIR when set (tests and scripts), else the running program's data folder's
// catalogue/ (TESMARA_APP_DIR does not move it).
std::filesystem::path ProgramCatalogueFolder();

// The user's data folder for files the program writes: TESMARA_DATA_ROOT when set (tests and
// scripts), else "Dalrow Mestlin/Tesmara/Accumulator" under XDG_DATA_HOME, or under ~/.local/share.
// Not created here.
std::filesystem::path UserDataFolder();
