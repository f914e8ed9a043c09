// The two folders a set may live in, and which one wins when both hold a name.
#include "game/set_folders.h"

#include <unordered_set>
#include <utility>

#include "game/word_set.h"
#include "platform/files.h"
#include "store/settings_store.h"

CSetFolders::CSetFolders(std::filesystem::path programDir, std::filesystem::path userDir)
    : m_programDir(std::move(programDir)), m_userDir(std::move(userDir))
{
}

std::filesystem::path CSetFolders::DefaultUserDirectory()
{
    return UserDataDirectory() / "sets";
}

std::vector<std::wstring> CSetFolders::ListSetNames() const
{
    std::vector<std::wstring> astrNames = ::ListSetNames(m_programDir);
    if (m_userDir.empty())
        return astrNames;
    // Hashed: thousands of sets in both folders would otherwise cost a search of the one list per
    // name of the other.
    std::unordered_set<std::wstring> taken;
    taken.reserve(astrNames.size());
    for (const std::wstring& strName : astrNames)
        taken.insert(FoldSetName(strName));
    for (std::wstring& strName : ::ListSetNames(m_userDir)) {
        if (!taken.contains(FoldSetName(strName)))
            astrNames.push_back(std::move(strName));
    }
    return astrNames;
}

std::filesystem::path CSetFolders::SetFile(const std::wstring& strSet) const
{
    if (!IsUsableSetName(strSet))
        return {};
    std::filesystem::path file = SetFilePath(m_programDir, strSet);
    std::error_code ec;
    if (m_userDir.empty() || std::filesystem::exists(file, ec))
        return file;
    std::filesystem::path userFile = SetFilePath(m_userDir, strSet);
    return std::filesystem::exists(userFile, ec) ? userFile : file;
}
