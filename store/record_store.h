// The twelve best-score values: for each skill a Time Trial record (highest score) and a
// fewest-tries record, each a name and a number, in the settings section.
#pragma once

#include <array>
#include <string>

class CAppProfile;

struct CBestRecord {
    std::wstring strName;
    int nNumber = 0;
    bool bUnreadable = false;  // the store could not be read just now: the record is unknown
};

class CRecordStore {
public:
    explicit CRecordStore(CAppProfile& profile) : m_profile(profile) {}

    // The stored values as they are: an empty name and 0 for whatever is absent or damaged.
    // A skill outside 0 to 2 reads an empty record and writes nothing.
    CBestRecord Read(int nSkill, bool bTimeTrial) const;
    void Write(int nSkill, bool bTimeTrial, const std::wstring& strName, int nNumber);

    // Empty names and zero numbers for all six records.
    void ResetAll();

private:
    CAppProfile& m_profile;
};
