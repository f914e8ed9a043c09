// The set a player starts on: their own language's, or the English standard set.
#include "game/default_set.h"

#include <algorithm>

#include "game/player_language.h"
#include "store/settings_store.h"

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
