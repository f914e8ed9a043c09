// Values kept past a locked exit: the file beside the store, and saving it at the next start only
// where nothing newer was written meanwhile.
#include "store/unsaved_writes.h"

#include <charconv>
#include <chrono>
#include <cwchar>
#include <functional>
#include <random>
#include <sstream>

#include "platform/files.h"
#include "platform/profile.h"
#include "platform/services.h"
#include "platform/text.h"
#include "store/settings_store.h"

namespace {

constexpr const char* kHeader = "veltrane-quillorn unsaved values 1";

// Tabs and line ends inside a field are escaped, so a line is always one value.
constexpr std::string_view kEscaped = "\\\t\n\r";
constexpr std::string_view kEscapeCodes = "\\tnr";

std::string EscapeField(const std::wstring& str)
{
    std::string out;
    for (const char c : EncodeUtf8(str)) {
        const std::size_t n = kEscaped.find(c);
        if (n != std::string_view::npos)
            out += '\\';
        out += n != std::string_view::npos ? kEscapeCodes[n] : c;
    }
    return out;
}

bool UnescapeField(const std::string& str, std::wstring& out)
{
    std::string bytes;
    for (std::size_t i = 0; i < str.size(); ++i) {
        if (str[i] != '\\') {
            bytes += str[i];
            continue;
        }
        const std::size_t n = ++i < str.size() ? kEscapeCodes.find(str[i]) : std::string_view::npos;
        if (n == std::string_view::npos)
            return false;
        bytes += kEscaped[n];
    }
    out = DecodeBytes(bytes);
    return true;
}

std::string ValueField(const CRegValue& value)
{
    if (value.nType == CRegValue::kDword)
        return "d:" + std::to_string(value.dw);
    return "s:" + EscapeField(value.str);
}

bool ParseValue(const std::string& str, CRegValue& value)
{
    if (str.size() < 2 || str[1] != ':')
        return false;
    const std::string strRest = str.substr(2);
    if (str[0] == 'd') {
        std::uint32_t n = 0;
        const char* end = strRest.data() + strRest.size();
        const auto [last, ec] = std::from_chars(strRest.data(), end, n);
        value = CRegValue::Dword(n);
        return ec == std::errc() && last == end;
    }
    if (str[0] == 's') {
        value = CRegValue::String({});
        return UnescapeField(strRest, value.str);
    }
    return false;
}

bool SameName(const CRegEntry& a, const CRegEntry& b)
{
    return SameAsciiNoCase(a.strKey, b.strKey) && SameAsciiNoCase(a.strName, b.strName);
}

// The store's record of the last kept file it saved.
constexpr const wchar_t* kMarkName = L"UNSAVED_MARK";

std::wstring MarkKey(const CAppProfile& profile)
{
    return profile.SectionKey(CSettingsStore::kSection);
}

bool IsMark(const CAppProfile& profile, const CRegEntry& entry)
{
    return SameName(entry, CRegEntry{MarkKey(profile), kMarkName, {}});
}

std::wstring NewMark()
{
    std::random_device random;
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    wchar_t buf[48];
    std::swprintf(buf, 48, L"%llx-%08x%08x", static_cast<unsigned long long>(now), random(), random());
    return buf;
}

bool ReadKept(const std::filesystem::path& file, CUnsavedFile& kept)
{
    std::string strText;
    return ReadFileBytes(file, strText) && ParseUnsavedWrites(strText, kept);
}

// Whether the store holds this file's mark: its values were saved. Failed when it cannot be read.
ERead MarkIsStored(CAppProfile& profile, const CUnsavedFile& kept)
{
    CRegValue stored;
    const ERead read = profile.Registry().QueryStored(MarkKey(profile), kMarkName, stored);
    if (read != ERead::Found)
        return read;
    return stored == CRegValue::String(kept.strMark) ? ERead::Found : ERead::Absent;
}

// The kept values the store still holds as it held them at exit (nothing newer was written
// meanwhile), as fnRead reads it; false when a value cannot be read now.
bool CollectUnchanged(const CUnsavedFile& kept, const std::function<ERead(const CRegEntry&, CRegValue&)>& fnRead,
                      std::vector<const CRegEntry*>& aUnchanged)
{
    for (const CUnsavedWrite& w : kept.aWrites) {
        CRegValue now;
        const ERead read = fnRead(w.entry, now);
        if (read == ERead::Failed)
            return false;
        if (w.before ? read == ERead::Found && now == *w.before : read == ERead::Absent)
            aUnchanged.push_back(&w.entry);
    }
    return true;
}

void WriteWithMark(CRegistryTxn& txn, const std::vector<const CRegEntry*>& aEntries, const CRegEntry& mark)
{
    for (const CRegEntry* pEntry : aEntries)
        txn.Write(pEntry->strKey, pEntry->strName, pEntry->value);
    txn.Write(mark.strKey, mark.strName, mark.value);
}

}  // namespace

std::filesystem::path UnsavedWritesFile(const std::filesystem::path& store)
{
    std::filesystem::path file = store;
    file += ".unsaved";
    return file;
}

std::string UnsavedWritesText(const CUnsavedFile& file)
{
    std::string strText = std::string(kHeader) + "\n" + EscapeField(file.strMark) + "\n";
    for (const CUnsavedWrite& w : file.aWrites) {
        strText += EscapeField(w.entry.strKey) + '\t' + EscapeField(w.entry.strName) + '\t' + ValueField(w.entry.value)
                   + '\t' + (w.before ? ValueField(*w.before) : std::string("-")) + '\n';
    }
    return strText;
}

bool ParseUnsavedWrites(const std::string& strText, CUnsavedFile& file)
{
    file = CUnsavedFile();
    std::istringstream in(strText);
    std::string strLine;
    // Not ours, or from a later game: nothing is taken from it.
    if (!std::getline(in, strLine) || strLine != kHeader || !std::getline(in, strLine)
        || !UnescapeField(strLine, file.strMark) || file.strMark.empty())
        return false;
    while (std::getline(in, strLine)) {
        std::vector<std::string> astrFields;
        std::size_t nStart = 0;
        for (std::size_t nTab; (nTab = strLine.find('\t', nStart)) != std::string::npos; nStart = nTab + 1)
            astrFields.push_back(strLine.substr(nStart, nTab - nStart));
        astrFields.push_back(strLine.substr(nStart));
        if (astrFields.size() != 4)
            continue;
        CUnsavedWrite w;
        if (!UnescapeField(astrFields[0], w.entry.strKey) || !IsWellFormedKey(w.entry.strKey)
            || !UnescapeField(astrFields[1], w.entry.strName) || !ParseValue(astrFields[2], w.entry.value))
            continue;
        if (astrFields[3] != "-") {
            CRegValue before;
            if (!ParseValue(astrFields[3], before))
                continue;
            w.before = before;
        }
        file.aWrites.push_back(std::move(w));
    }
    return true;
}

CExitSave SaveOrKeepAtExit(CAppProfile& profile)
{
    CRegistry& registry = profile.Registry();
    CExitSave result;
    const std::filesystem::path file = UnsavedWritesFile(registry.File());
    const bool bLanded = registry.FlushAtExit() || !registry.HasPending();
    CUnsavedFile kept;
    // A kept file whose mark the store holds (saved at this start, or taken into this session's
    // queue and landed since) has nothing left to give.
    const bool bHadFile = ReadKept(file, kept);
    const bool bFileSaved = bHadFile && MarkIsStored(profile, kept) == ERead::Found;
    std::error_code ec;
    if (bLanded) {
        result.bLanded = true;
        if (bFileSaved)
            std::filesystem::remove(file, ec);
        return result;
    }
    if (bFileSaved)
        kept.aWrites.clear();
    for (const CRegEntry& entry : registry.PendingWrites()) {
        if (IsMark(profile, entry))
            continue;
        CRegValue stored;
        const ERead read = registry.QueryStored(entry.strKey, entry.strName, stored);
        if (read == ERead::Failed) {
            ++result.nLost;
            continue;
        }
        // A newer write of a value replaces what an earlier exit kept of it.
        std::erase_if(kept.aWrites, [&](const CUnsavedWrite& w) { return SameName(w.entry, entry); });
        CUnsavedWrite w;
        w.entry = entry;
        if (read == ERead::Found)
            w.before = stored;
        kept.aWrites.push_back(std::move(w));
    }
    kept.strMark = NewMark();
    result.nKept = static_cast<int>(kept.aWrites.size());
    if (const int nError = WriteFileAtomically(file, UnsavedWritesText(kept), true); nError != 0) {
        result.nLost += result.nKept;
        result.nKept = 0;
        DebugOutput(L"cannot keep the unsaved values in " + DecodeBytes(file.string()) + L": errno "
                    + std::to_wstring(nError));
    } else {
        registry.ForgetPending();
    }
    if (result.nLost > 0)
        DebugOutput(std::to_wstring(result.nLost) + L" values could be neither saved nor kept: the store could not be read");
    return result;
}

EUnsavedStart ApplyUnsavedWrites(CAppProfile& profile, int nLockWaitMs)
{
    CRegistry& registry = profile.Registry();
    const std::filesystem::path file = UnsavedWritesFile(registry.File());
    CUnsavedFile kept;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return EUnsavedStart::NoFile;
    // A file that is not ours, or a later game's, is left as it is.
    if (!ReadKept(file, kept))
        return EUnsavedStart::LeftForLater;
    const CRegEntry mark{MarkKey(profile), kMarkName, CRegValue::String(kept.strMark)};

    bool bLocked = false;
    const EWrite written = registry.Update(
        [&](CRegistryTxn& txn) {
            CRegValue now;
            const ERead readMark = txn.Read(mark.strKey, mark.strName, now);
            if (readMark == ERead::Failed) {
                bLocked = true;
                return;
            }
            if (readMark == ERead::Found && now == mark.value)
                return;  // saved before: only the file is left to remove
            std::vector<const CRegEntry*> aSave;
            bLocked = !CollectUnchanged(
                kept, [&](const CRegEntry& e, CRegValue& value) { return txn.Read(e.strKey, e.strName, value); }, aSave);
            if (!bLocked)
                WriteWithMark(txn, aSave, mark);
        },
        nLockWaitMs);
    if (!bLocked) {
        if (written != EWrite::Written)
            return EUnsavedStart::LeftForLater;  // a store that cannot be written keeps nothing
        std::filesystem::remove(file, ec);
        return EUnsavedStart::Saved;
    }

    // Still locked: the values are checked against what the store holds as far as it can be read
    // (another copy's write lock lets readers on), and queued ahead of this session's own writes.
    if (MarkIsStored(profile, kept) != ERead::Absent)
        return EUnsavedStart::LeftForLater;
    std::vector<const CRegEntry*> aQueue;
    if (!CollectUnchanged(
            kept, [&](const CRegEntry& e, CRegValue& value) { return registry.QueryStored(e.strKey, e.strName, value); },
            aQueue))
        return EUnsavedStart::LeftForLater;
    const EWrite queued = registry.Update([&](CRegistryTxn& txn) { WriteWithMark(txn, aQueue, mark); });
    if (queued == EWrite::Written) {
        std::filesystem::remove(file, ec);
        return EUnsavedStart::Saved;
    }
    return queued == EWrite::Queued ? EUnsavedStart::Queued : EUnsavedStart::LeftForLater;
}
