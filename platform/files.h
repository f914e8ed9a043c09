// Files: where the program lives, which files a folder holds, and reading a file's bytes.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The directory of the running executable, links resolved.
std::filesystem::path ProgramDirectory();

// Where the game's own word sets and help page lie. An installed copy keeps them apart from the
// executable (<prefix>/games/veltrane-quillorn reads <prefix>/share/games/veltrane-quillorn), found
// relative to it so that a copy unpacked under another prefix finds its own; a build tree keeps them
// beside the executable.
std::filesystem::path ProgramDataDirectory();
// The same for an executable in programDir: the installed data folder when it exists, else programDir.
std::filesystem::path ProgramDataDirectory(const std::filesystem::path& programDir);

// The path under a base directory of the XDG convention: the variable when it holds an absolute
// path, otherwise the home directory's fallback folder (".config", ".local/share").
std::filesystem::path XdgBaseDirectory(const char* szVariable, const std::filesystem::path& fallbackUnderHome);
// The player's own data of this game: $XDG_DATA_HOME/veltrane-quillorn, or
// ~/.local/share/veltrane-quillorn when the variable is unset, empty or relative. Not created.
std::filesystem::path UserDataDirectory();

// Writes bytes to path through a temporary file in the same folder, so a reader never sees half a
// file. With bReplace false an existing file is left alone and the result is EEXIST. Missing
// folders on the way are created. 0 on success, else an errno value.
int WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, bool bReplace);

// Names (no directory) of the regular files in dir whose name ends in suffix, the ending compared
// without regard to case, in the order the directory yields them. Empty when dir cannot be read.
std::vector<std::filesystem::path> FindFilesWithSuffix(const std::filesystem::path& dir, std::string_view suffix);

// The whole content of a readable regular file into bytes. False for anything else (a directory, a
// FIFO, a dangling link, ...) and on a read error.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);
