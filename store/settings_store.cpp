// Options and per-set progress: the value names, their defaults and what a damaged value reads as.
#include "store/settings_store.h"

#include <cstdint>
#include <type_traits>
#include <utility>

#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace {

// Progress value names by skill.
constexpr const wchar_t* kIndexNames[] = {L"BEG_INDEX", L"INT_INDEX", L"ADV_INDEX"};

// What a stored number reads as, by kind.
bool FromStored(CFlagKind, int n) { return n != 0; }
int FromStored(CNumberKind, int n) { return n; }
// The top byte of a colour is always 0; a stored value with it set is read as the colour it holds.
COLORREF FromStored(CColourKind, int n) { return static_cast<COLORREF>(static_cast<std::uint32_t>(n) & 0x00FFFFFFu); }
int FromStored(CSkillKind, int n) { return IsValidSkill(n) ? n : SkillBeginner; }

int ToStored(bool b) { return b ? 1 : 0; }
int ToStored(int n) { return n; }
int ToStored(COLORREF clr) { return static_cast<int>(clr); }

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

int IndexFromDword(std::uint32_t dw)
{
    const int n = static_cast<int>(static_cast<std::int32_t>(dw));
    return n < -1 ? -1 : n;
}

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

template <class Kind>
ERead CSettingsStore::Read(const COption<Kind>& option, typename Kind::Value& value) const
{
    ERead result;
    if constexpr (std::is_same_v<Kind, CTextKind>) {
        typename Kind::Value str;
        result = m_profile.QueryProfileString(kSection, option.szName, str);
        if (result == ERead::Found)
            value = std::move(str);
    } else {
        int n = 0;
        result = m_profile.QueryProfileInt(kSection, option.szName, n);
        if (result == ERead::Found)
            value = FromStored(Kind{}, n);
    }
    if (result == ERead::Absent)
        value = option.def;
    return result;
}

template <class Kind>
void CSettingsStore::Write(const COption<Kind>& option, const typename Kind::Value& value)
{
    if constexpr (std::is_same_v<Kind, CTextKind>)
        m_profile.WriteProfileString(kSection, option.szName, value);
    else
        m_profile.WriteProfileInt(kSection, option.szName, ToStored(value));
}

// Every kind an option row may have.
template ERead CSettingsStore::Read(const COption<CFlagKind>&, bool&) const;
template ERead CSettingsStore::Read(const COption<CNumberKind>&, int&) const;
template ERead CSettingsStore::Read(const COption<CColourKind>&, COLORREF&) const;
template ERead CSettingsStore::Read(const COption<CSkillKind>&, int&) const;
template ERead CSettingsStore::Read(const COption<CTextKind>&, std::wstring&) const;
template void CSettingsStore::Write(const COption<CFlagKind>&, const bool&);
template void CSettingsStore::Write(const COption<CNumberKind>&, const int&);
template void CSettingsStore::Write(const COption<CColourKind>&, const COLORREF&);
template void CSettingsStore::Write(const COption<CSkillKind>&, const int&);
template void CSettingsStore::Write(const COption<CTextKind>&, const std::wstring&);

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
            txn.Write(strSection, Option::CurrentSet.szName, CRegValue::String(strSet));
            txn.Write(strSection, Option::CurrentSkill.szName, CRegValue::Dword(static_cast<std::uint32_t>(nSkill)));
        }
        // An index derived from one that could not be read would overwrite the player's progress,
        // and one read outside the transaction may be another copy's claim by now: only a word
        // claimed inside the transaction that stores its index is written. Without the claim the
        // game plays on from its own position, and the registry reports the lock.
        if (bClaimed)
            txn.Write(ProgressKey(strSet), kIndexNames[nSkill], CRegValue::Dword(static_cast<std::uint32_t>(out.nIndex)));
    }, CRegistry::kClaimWaitMs);
    return out;
}

bool CSettingsStore::WriteWordIndex(const std::wstring& strSet, int nSkill, int nIndex)
{
    if (!IsValidSkill(nSkill) || !IsUsableSetName(strSet))
        return false;
    return m_profile.Registry().WriteDword(ProgressKey(strSet), kIndexNames[nSkill], static_cast<std::uint32_t>(nIndex));
}
