// The game's options and per-set progress in the registry: every value name is spelled here once.
//
//   Software\Veltrane Corporation\Veltrane Quillorn\Veltrane Quillorn          options, records
//   Software\Veltrane Corporation\Veltrane Quillorn\Veltrane Quillorn\<set>    BEG_INDEX, INT_INDEX, ADV_INDEX
//
// A set's key is its name with every letter beyond A to Z in upper case; the registry folds A to Z
// itself, so names in any letter case share one key.
//
// Damaged values read as something playable: a value of the wrong type reads as its default, a
// skill outside 0 to 2 as Beginner, a word index below -1 as -1.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/colorref.h"
#include "store/skill.h"
#include "platform/registry.h"

class CAppProfile;

// Where the next word stands after one hand-out.
struct CHandOut {
    int nIndex = -1;
    bool bIndexKnown = false;  // read from the store (or absent there), not guessed
};

// The kinds of value an option holds, and how each is kept. A DWORD kind says what a stored
// number reads as; every kind reads a value of the wrong type as absent.
struct CFlagKind { using Value = bool; using Default = bool; };              // any non-zero number is on
struct CNumberKind { using Value = int; using Default = int; };              // kept as it is
struct CColourKind { using Value = COLORREF; using Default = COLORREF; };    // the top byte is dropped
struct CSkillKind { using Value = int; using Default = int; };               // outside 0 to 2: Beginner
struct CTextKind { using Value = std::wstring; using Default = const wchar_t*; };  // a string value

// One option of the store: its value name, its kind and its default when absent.
template <class Kind>
struct COption {
    const wchar_t* szName;
    typename Kind::Default def;
};

// The options, one row each. A new option is a row here, a field of the game's options and a
// control in the Options dialog.
namespace Option {
inline constexpr COption<CFlagKind> Sound{L"SOUND", true};
inline constexpr COption<CFlagKind> TimeTrial{L"TIMETRIAL_CHECKED", true};
inline constexpr COption<CColourKind> Background{L"Background Color", kDefaultBackground};
inline constexpr COption<CSkillKind> CurrentSkill{L"CURRENT_LEVEL", SkillBeginner};
inline constexpr COption<CTextKind> CurrentSet{L"CURRENT_SET", L""};
inline constexpr COption<CNumberKind> Zoom{L"Zoom", 0};  // percent; 0 picks one for the screen
inline constexpr COption<CFlagKind> HardMode{L"HARD_MODE", false};
inline constexpr COption<CFlagKind> WordCheck{L"WORD_CHECK", false};
inline constexpr COption<CFlagKind> ShowWordsFit{L"SHOW_WORDS_FIT", false};
}  // namespace Option

class CSettingsStore {
public:
    static constexpr const wchar_t* kSection = L"Veltrane Quillorn";

    explicit CSettingsStore(CAppProfile& profile) : m_profile(profile) {}

    // An option as stored, a damaged value as what it reads as; when absent, the row's default.
    // A store that cannot be read leaves the value as it is and says Failed.
    template <class Kind>
    ERead Read(const COption<Kind>& option, typename Kind::Value& value) const;
    template <class Kind>
    void Write(const COption<Kind>& option, const typename Kind::Value& value);

    // The index of the last word handed out for the set and skill. Absent also for a set name
    // that cannot name a key (empty, holding a backslash, a slash or a control character, "." or
    // ".."), or a skill outside 0 to 2; a stored value below -1 reads as -1.
    ERead QueryWordIndex(const std::wstring& strSet, int nSkill, int& nIndex);
    // False, and nothing written, for a set name that cannot name a key or a skill outside 0 to 2.
    bool WriteWordIndex(const std::wstring& strSet, int nSkill, int nIndex);

    // Hands out the next word of a set and skill in one transaction, so two running copies never
    // get the same word: reads the stored index (or takes nInMemory when it cannot be read),
    // advances it with fnNext and writes it back only when it was known, together with the set
    // and skill when bSaveChoice.
    CHandOut HandOut(const std::wstring& strSet, int nSkill, int nInMemory, bool bInMemoryKnown, bool bSaveChoice,
                     const std::function<int(int)>& fnNext);

    CAppProfile& Profile() const { return m_profile; }

private:
    std::wstring ProgressKey(const std::wstring& strSet) const;
    // The key a set's progress had before keys were folded, when it is another key.
    std::wstring EarlierProgressKey(const std::wstring& strSet) const;
    CAppProfile& m_profile;
};

// Whether a set name may be used in a file path and a key path.
bool IsUsableSetName(const std::wstring& strSet);

// A set is one set in any letter case, over all of Unicode: names that fold to the same text find
// the same file and share one progress key.
std::wstring FoldSetName(std::wstring_view strSet);
bool IsSameSetName(std::wstring_view strA, std::wstring_view strB);
