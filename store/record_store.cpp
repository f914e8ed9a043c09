// The twelve best-score values: which name each record lives under.
#include "store/record_store.h"

#include "store/skill.h"
#include "platform/profile.h"
#include "store/settings_store.h"

namespace {

struct CRecordNames {
    const wchar_t* szName;
    const wchar_t* szNumber;
};

// [skill][0] the Time Trial record, [skill][1] the fewest-tries record.
constexpr CRecordNames kRecords[3][2] = {
    {{L"TOP_BEG_NAME", L"TOP_BEG_SCORE"}, {L"TOP_BEGCHANCE_NAME", L"TOP_BEGCHANCE_SCORE"}},
    {{L"TOP_INT_NAME", L"TOP_INT_SCORE"}, {L"TOP_INTCHANCE_NAME", L"TOP_INTCHANCE_SCORE"}},
    {{L"TOP_ADV_NAME", L"TOP_ADV_SCORE"}, {L"TOP_ADVCHANCE_NAME", L"TOP_ADVCHANCE_SCORE"}},
};

const CRecordNames& NamesOf(int nSkill, bool bTimeTrial)
{
    return kRecords[nSkill][bTimeTrial ? 0 : 1];
}

}  // namespace

CBestRecord CRecordStore::Read(int nSkill, bool bTimeTrial) const
{
    CBestRecord record;
    if (!IsValidSkill(nSkill))
        return record;
    const CRecordNames& names = NamesOf(nSkill, bTimeTrial);
    const ERead nameRead = m_profile.QueryProfileString(CSettingsStore::kSection, names.szName, record.strName);
    const ERead numberRead = m_profile.QueryProfileInt(CSettingsStore::kSection, names.szNumber, record.nNumber);
    record.bUnreadable = nameRead == ERead::Failed || numberRead == ERead::Failed;
    return record;
}

void CRecordStore::Write(int nSkill, bool bTimeTrial, const std::wstring& strName, int nNumber)
{
    if (!IsValidSkill(nSkill))
        return;
    const CRecordNames& names = NamesOf(nSkill, bTimeTrial);
    m_profile.WriteProfileString(CSettingsStore::kSection, names.szName, strName);
    m_profile.WriteProfileInt(CSettingsStore::kSection, names.szNumber, nNumber);
}

void CRecordStore::ResetAll()
{
    for (int nSkill = SkillBeginner; nSkill <= SkillAdvanced; ++nSkill) {
        for (bool bTimeTrial : {true, false})
            Write(nSkill, bTimeTrial, std::wstring(), 0);
    }
}
