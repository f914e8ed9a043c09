// Options and per-set progress: the value names, their defaults and what a damaged value reads as.
#include "store/settings_store.h"

#include <cstdint>

#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace {

constexpr const wchar_t* kSound = L"SOUND";
constexpr const wchar_t* kTimeTrial = L"TIMETRIAL_CHECKED";
constexpr const wchar_t* kBackground = L"Background Color";
constexpr const wchar_t* kCurrentSet = L"CURRENT_SET";
constexpr const wchar_t* kCurrentLevel = L"CURRENT_LEVEL";
constexpr const wchar_t* kZoom = L"Zoom";
constexpr const wchar_t* kShowWordsFit = L"SHOW_WORDS_FIT";

// Progress value names by skill.
constexpr const wchar_t* kIndexNames[] = {L"BEG_INDEX", L"INT_INDEX", L"ADV_INDEX"};

}  // namespace

bool IsUsableSetName(const std::wstring& strSet)
{
    if (strSet.empty() || strSet == L"." || strSet == L"..")
        return false;
    for (wchar_t c : strSet) {
        if (c == L'/' || c == L'\\')
            return false;
        // C0, DEL and C1 controls: none of them belongs in a file or key name.
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return false;
    }
    return true;
}

std::wstring FoldSetName(std::wstring_view strSet)
{
    return ToUpper(strSet);
}

bool IsSameSetName(std::wstring_view strA, std::wstring_view strB)
{
    return strA.size() == strB.size() && FoldSetName(strA) == FoldSetName(strB);
}

CSettingsStore::CSettingsStore(CAppProfile& profile)
    : m_profile(profile)
{
}

ERead CSettingsStore::ReadFlag(const wchar_t* szName, bool& bFlag) const
{
    int n = 0;
    const ERead result = m_profile.QueryProfileInt(kSection, szName, n);
    if (result == ERead::Found)
        bFlag = n != 0;
    return result;
}

ERead CSettingsStore::ReadSound(bool& bSound) const
{
    return ReadFlag(kSound, bSound);
}

ERead CSettingsStore::ReadTimeTrial(bool& bTimeTrial) const
{
    return ReadFlag(kTimeTrial, bTimeTrial);
}

ERead CSettingsStore::ReadBackground(COLORREF& clr) const
{
    int n = 0;
    const ERead result = m_profile.QueryProfileInt(kSection, kBackground, n);
    // The top byte of a colour is always 0; a stored value with it set is read as the colour it holds.
    if (result == ERead::Found)
        clr = static_cast<COLORREF>(static_cast<std::uint32_t>(n) & 0x00FFFFFFu);
    return result;
}

ERead CSettingsStore::ReadCurrentSkill(int& nSkill) const
{
    int n = 0;
    const ERead result = m_profile.QueryProfileInt(kSection, kCurrentLevel, n);
    if (result == ERead::Found)
        nSkill = IsValidSkill(n) ? n : SkillBeginner;
    return result;
}

ERead CSettingsStore::ReadCurrentSet(std::wstring& strSet) const
{
    return m_profile.QueryProfileString(kSection, kCurrentSet, strSet);
}

void CSettingsStore::WriteSound(bool bSound)
{
    m_profile.WriteProfileInt(kSection, kSound, bSound ? 1 : 0);
}

void CSettingsStore::WriteTimeTrial(bool bTimeTrial)
{
    m_profile.WriteProfileInt(kSection, kTimeTrial, bTimeTrial ? 1 : 0);
}

void CSettingsStore::WriteBackground(COLORREF clr)
{
    m_profile.WriteProfileInt(kSection, kBackground, static_cast<int>(clr));
}

void CSettingsStore::WriteCurrentSkill(int nSkill)
{
    m_profile.WriteProfileInt(kSection, kCurrentLevel, nSkill);
}

void CSettingsStore::WriteCurrentSet(const std::wstring& strSet)
{
    m_profile.WriteProfileString(kSection, kCurrentSet, strSet);
}

namespace {

// The registry folds A to Z and nothing else, so a key spells every other letter as FoldSetName
// does: two names are then one key exactly when they are one set. ASCII stays as written, so a
// set with a plain name keeps the key it always had.
std::wstring KeySpelling(const std::wstring& strSet)
{
    std::wstring str(strSet);
    for (wchar_t& c : str) {
        if (c >= 0x80)
            c = ToUpperChar(c);
    }
    return str;
}

bool OpenKey(CAppProfile& profile, const std::wstring& strSet, CRegKey& key)
{
    if (!IsUsableSetName(strSet))
        return false;
    return key.Create(profile.Registry(), profile.SectionKey(CSettingsStore::kSection) + L"\\" + KeySpelling(strSet));
}

}  // namespace

std::wstring CSettingsStore::ProgressKey(const std::wstring& strSet) const
{
    return m_profile.SectionKey(kSection) + L"\\" + KeySpelling(strSet);
}

std::wstring CSettingsStore::EarlierProgressKey(const std::wstring& strSet) const
{
    // Earlier versions keyed a set by its name as written. Such a key is still read while the
    // folded one has no value, and the folded one takes over at the next word handed out.
    if (KeySpelling(strSet) == strSet)
        return {};
    return m_profile.SectionKey(kSection) + L"\\" + strSet;
}

namespace {

int IndexFromDword(std::uint32_t dw)
{
    const int n = static_cast<int>(static_cast<std::int32_t>(dw));
    return n < -1 ? -1 : n;
}

}  // namespace

ERead CSettingsStore::QueryWordIndex(const std::wstring& strSet, int nSkill, int& nIndex)
{
    if (!IsValidSkill(nSkill) || !IsUsableSetName(strSet))
        return ERead::Absent;
    std::uint32_t dw = 0;
    ERead result = m_profile.Registry().QueryDword(ProgressKey(strSet), kIndexNames[nSkill], dw);
    const std::wstring strEarlier = EarlierProgressKey(strSet);
    if (result == ERead::Absent && !strEarlier.empty())
        result = m_profile.Registry().QueryDword(strEarlier, kIndexNames[nSkill], dw);
    if (result == ERead::Found)
        nIndex = IndexFromDword(dw);
    return result;
}

CHandOut CSettingsStore::HandOut(const std::wstring& strSet, int nSkill, int nInMemory, bool bInMemoryKnown,
                                 bool bSaveChoice, const std::function<int(int)>& fnNext)
{
    CHandOut out;
    const bool bKeyed = IsValidSkill(nSkill) && IsUsableSetName(strSet);
    m_profile.Registry().Update([&](CRegistryTxn& txn) {
        int nLast = nInMemory;
        bool bClaimed = false;
        if (bKeyed) {
            std::uint32_t dw = 0;
            ERead read = txn.ReadDword(ProgressKey(strSet), kIndexNames[nSkill], dw);
            const std::wstring strEarlier = EarlierProgressKey(strSet);
            if (read == ERead::Absent && !strEarlier.empty())
                read = txn.ReadDword(strEarlier, kIndexNames[nSkill], dw);
            switch (read) {
            case ERead::Found: nLast = IndexFromDword(dw); bClaimed = true; break;
            case ERead::Absent: nLast = -1; bClaimed = true; break;
            case ERead::Failed: break;
            }
        }
        out.nIndex = fnNext(nLast);
        out.bIndexKnown = bKeyed ? bClaimed : bInMemoryKnown;
        const std::wstring strSection = m_profile.SectionKey(kSection);
        if (bSaveChoice) {
            txn.WriteString(strSection, kCurrentSet, strSet);
            txn.WriteDword(strSection, kCurrentLevel, static_cast<std::uint32_t>(nSkill));
        }
        // An index derived from one that could not be read would overwrite the player's progress,
        // and one read outside the transaction may be another copy's claim by now: only a word
        // claimed inside the transaction that stores its index is written. Without the claim the
        // game plays on from its own position, and the registry reports the lock.
        if (bClaimed)
            txn.WriteDword(ProgressKey(strSet), kIndexNames[nSkill], static_cast<std::uint32_t>(out.nIndex));
    }, CRegistry::kClaimWaitMs);
    return out;
}

bool CSettingsStore::WriteWordIndex(const std::wstring& strSet, int nSkill, int nIndex)
{
    CRegKey key;
    if (!IsValidSkill(nSkill) || !OpenKey(m_profile, strSet, key))
        return false;
    return key.SetDWORDValue(kIndexNames[nSkill], static_cast<std::uint32_t>(nIndex));
}

int CSettingsStore::ReadZoom() const
{
    return m_profile.GetProfileInt(kSection, kZoom, 0);
}

void CSettingsStore::WriteZoom(int nPercent)
{
    m_profile.WriteProfileInt(kSection, kZoom, nPercent);
}

bool CSettingsStore::ReadShowWordsFit() const
{
    return m_profile.GetProfileInt(kSection, kShowWordsFit, 0) != 0;
}

void CSettingsStore::WriteShowWordsFit(bool bShow)
{
    m_profile.WriteProfileInt(kSection, kShowWordsFit, bShow ? 1 : 0);
}
