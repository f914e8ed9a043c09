// The game's options and per-set progress in the registry: every value name is spelled here once.
//
//   Software\Veltrane Corporation\Veltrane Quillorn\Veltrane Quillorn          options, records
//   Software\Veltrane Corporation\Veltrane Quillorn\Veltrane Quillorn\<set>    BEG_INDEX, INT_INDEX, ADV_INDEX
//
// Damaged values read as something playable: a value of the wrong type reads as its default, a
// skill outside 0 to 2 as Beginner, a word index below -1 as -1.
#pragma once

#include <string>

#include "platform/colorref.h"
#include "store/skill.h"

class CAppProfile;

class CSettingsStore {
public:
    static constexpr const wchar_t* kSection = L"Veltrane Quillorn";

    explicit CSettingsStore(CAppProfile& profile);

    bool ReadSound() const;                 // "SOUND", default on
    void WriteSound(bool bSound);
    bool ReadTimeTrial() const;             // "TIMETRIAL_CHECKED", default on
    void WriteTimeTrial(bool bTimeTrial);
    COLORREF ReadBackground() const;        // "Background Color", default kDefaultBackground
    void WriteBackground(COLORREF clr);
    int ReadCurrentSkill() const;           // "CURRENT_LEVEL", default 0
    void WriteCurrentSkill(int nSkill);
    std::wstring ReadCurrentSet() const;    // "CURRENT_SET", default empty
    void WriteCurrentSet(const std::wstring& strSet);

    // The progress key of a set. False for a set name that cannot name a key (empty, holding a
    // backslash, a slash or a control character, "." or ".."): nothing is created for it.
    bool OpenProgressKey(const std::wstring& strSet);
    // The index of the last word handed out for the set and skill. False when absent, unreadable,
    // or the skill is outside 0 to 2; a stored value below -1 reads as -1.
    bool ReadWordIndex(const std::wstring& strSet, int nSkill, int& nIndex);
    bool WriteWordIndex(const std::wstring& strSet, int nSkill, int nIndex);

    CAppProfile& Profile() const { return m_profile; }

private:
    CAppProfile& m_profile;
};

// Whether a set name may be used in a file path and a key path.
bool IsUsableSetName(const std::wstring& strSet);
