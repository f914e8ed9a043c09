// Where word sets are found: the program's own directory first, then the player's own folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class CSetFolders {
public:
    // A single folder (the program's) converts implicitly: most callers and tests know only that.
    CSetFolders(std::filesystem::path programDir, std::filesystem::path userDir = {});

    // $XDG_DATA_HOME/veltrane-quillorn/sets (by default ~/.local/share/veltrane-quillorn/sets).
    static std::filesystem::path DefaultUserDirectory();

    // The program's sets in directory order, then the player's that the program does not have.
    // A name is the same set in any letter case, as it is the same progress key, so the program's
    // set hides the player's one of that name.
    std::vector<std::wstring> ListSetNames() const;
    // The file of a set: the program's if it has the set, else the player's; when neither has it,
    // the path it would have beside the program (so opening it fails). Empty for a name that
    // cannot be a file name.
    std::filesystem::path SetFile(const std::wstring& strSet) const;

    const std::filesystem::path& ProgramDirectory() const { return m_programDir; }
    const std::filesystem::path& UserDirectory() const { return m_userDir; }

private:
    std::filesystem::path m_programDir;
    std::filesystem::path m_userDir;   // empty: no second folder
};

// A set's name as it is shown: its file name may hold characters that hide or reorder the text
// around them (a right-to-left override makes "rtl<U+202E>evil" read "rtllive"), so those are
// written as visible escapes. Only for showing: the file and the stored name are the real name.
std::wstring ShownSetName(std::wstring_view strSet);

// The word set a first start plays: the one in the player's language when the game has it.
// German for "de", French for "fr", when listed (in any letter case); for every other language,
// and when that set is missing, Standard (English); when that is missing too, the first listed.
// Empty only when nothing is listed.
std::wstring DefaultSetName(std::string_view language, const std::vector<std::wstring>& astrSets);
