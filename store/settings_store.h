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

class CSettingsStore {
public:
    static constexpr const wchar_t* kSection = L"Veltrane Quillorn";

    explicit CSettingsStore(CAppProfile& profile);

    // Each value as stored: the output keeps its value (the caller's default) unless found; a
    // damaged value is found as what it reads as. Any non-zero flag is on; a colour's top byte is
    // dropped; a skill outside 0 to 2 is Beginner.
    ERead ReadSound(bool& bSound) const;                // "SOUND", default on
    void WriteSound(bool bSound);
    ERead ReadTimeTrial(bool& bTimeTrial) const;        // "TIMETRIAL_CHECKED", default on
    void WriteTimeTrial(bool bTimeTrial);
    ERead ReadBackground(COLORREF& clr) const;          // "Background Color", default kDefaultBackground
    void WriteBackground(COLORREF clr);
    ERead ReadCurrentSkill(int& nSkill) const;          // "CURRENT_LEVEL", default 0
    void WriteCurrentSkill(int nSkill);
    ERead ReadCurrentSet(std::wstring& strSet) const;   // "CURRENT_SET", default empty
    void WriteCurrentSet(const std::wstring& strSet);
    int ReadZoom() const;                   // "Zoom", percent; 0 (pick for the screen) when absent
    void WriteZoom(int nPercent);
    bool ReadShowWordsFit() const;          // "SHOW_WORDS_FIT", off when absent
    void WriteShowWordsFit(bool bShow);

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
    // A stored DWORD read as on (non-zero) or off; the flag is left alone unless it was found.
    ERead ReadFlag(const wchar_t* szName, bool& bFlag) const;

    CAppProfile& m_profile;
};

// Whether a set name may be used in a file path and a key path.
bool IsUsableSetName(const std::wstring& strSet);

// A set is one set in any letter case, over all of Unicode: names that fold to the same text find
// the same file and share one progress key.
std::wstring FoldSetName(std::wstring_view strSet);
bool IsSameSetName(std::wstring_view strA, std::wstring_view strB);
