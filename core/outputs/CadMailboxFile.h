// Which CAD mailbox file a request uses: the build tree's own where it can be written, else the
// user's own copy of the installed one.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

// The file name of a language's CAD mailbox in the application folder, built from that language's
// catalogue so that the drawing's texts are in it: CadMailbox.db for U.S. English, CadMailbox<CODE>.db
// for the others.
std::string CadMailboxFileName(const std::string& strLanguageCode);

// Whether the program may write a file and create files beside it (SQLite's journal).
bool IsWritableWithFolder(const std::filesystem::path& file);
// Whether a mailbox may be written where it is: in a build tree's data folder, writable. An
// installed one never is, whoever runs the program.
bool IsWritableInPlace(const std::filesystem::path& file);

// The installed mailbox when fnInPlace says it may be written there; otherwise userFolder /
// its file name, copied from the installed one on first use, again whenever the installed
// one is newer (an update of the program), and again when the copy is damaged. Empty with the reason when there
// is no installed mailbox or the copy cannot be made.
std::filesystem::path ResolveCadMailbox(const std::filesystem::path& installed,
                                        const std::filesystem::path& userFolder, std::string& strError,
                                        const std::function<bool(const std::filesystem::path&)>& fnInPlace =
                                            IsWritableInPlace);
