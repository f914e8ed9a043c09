#include "game/set_folders.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "game/player_language.h"
#include "game/word_set.h"
#include "platform/files.h"
#include "platform/text.h"
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
    // "café" and "CAFÉ" are one set, in one folder as across the two: the first found is listed.
    // Hashed: thousands of sets would otherwise cost a search of the list per name.
    std::vector<std::wstring> astrNames;
    std::unordered_set<std::wstring> taken;
    for (const std::filesystem::path* pDir : {&m_programDir, &m_userDir}) {
        if (pDir->empty() && pDir == &m_userDir)
            break;
        for (std::wstring& strName : ::ListSetNames(*pDir)) {
            if (taken.insert(FoldSetName(strName)).second)
                astrNames.push_back(std::move(strName));
        }
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

std::wstring ShownSetName(std::wstring_view strSet)
{
    return EscapeControls(strSet);
}

std::wstring DefaultSetName(std::string_view language, const std::vector<std::wstring>& astrSets)
{
    const std::string strCode = LanguageCode(language);
    const std::wstring_view strWanted = strCode == "de" ? L"German" : strCode == "fr" ? L"French" : L"Standard";
    for (const std::wstring_view strSet : {strWanted, std::wstring_view(L"Standard")}) {
        const auto it = std::find_if(astrSets.begin(), astrSets.end(),
                                     [&](const std::wstring& strName) { return IsSameSetName(strName, strSet); });
        if (it != astrSets.end())
            return *it;
    }
    return astrSets.empty() ? std::wstring() : astrSets.front();
}
