#include "cli/set_maker.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <random>
#include <system_error>

#include "cli/arguments.h"
#include "cli/set_checker.h"
#include "game/set_folders.h"
#include "game/word_set.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "store/settings_store.h"

namespace {

constexpr const char* kMakeUsage = N_(
    "Usage: veltrane-quillorn --make-set NAME [--title TEXT] [--shuffle SEED] [--ascii] [--fold-accents]\n"
    "                         [--output DIR] [--force] FILE...\n");
constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Word lists come from anywhere: any Unicode space around a word goes, beyond the set file's blanks.
bool IsBlankChar(wchar_t c)
{
    return IsSetBlank(c) || (c >= L'\t' && c <= L'\r') || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0xFEFF;
}

std::wstring_view Trimmed(std::wstring_view str, bool (*isBlank)(wchar_t))
{
    while (!str.empty() && isBlank(str.front()))
        str.remove_prefix(1);
    while (!str.empty() && isBlank(str.back()))
        str.remove_suffix(1);
    return str;
}

bool IsWordChar(wchar_t c, bool bAsciiOnly)
{
    return bAsciiOnly ? (c >= L'A' && c <= L'Z') : IsLetter(c);
}

// Far beyond any word list a person keeps; a larger input is refused with a message rather than
// read for minutes into gigabytes.
constexpr std::size_t kMaxListBytes = 16u << 20;

// Empty when read, else why not. Only a regular file is read, and it is opened without blocking,
// so a folder, a FIFO or a device such as /dev/zero is refused at once.
std::string ReadList(const std::string& strFile, std::string& bytes)
{
    std::error_code ec;
    const auto status = std::filesystem::status(strFile, ec);
    if (ec)
        return Fill(TrUtf8("cannot read %1: %2"), {ShownArgument(strFile), ec.message()});
    if (!std::filesystem::is_regular_file(status))
        return Fill(TrUtf8("cannot read %1: not a regular file"), {ShownArgument(strFile)});
    const auto nSize = std::filesystem::file_size(strFile, ec);
    if (!ec && nSize > kMaxListBytes)
        return Fill(TrUtf8("%1 is larger than 16 MB, too large for a word list"), {ShownArgument(strFile)});
    if (!ReadFileBytes(strFile, bytes))
        return Fill(TrUtf8("cannot read %1: %2"), {ShownArgument(strFile), std::strerror(errno)});
    // Checked again as read: the file may have grown after it was looked at.
    if (bytes.size() > kMaxListBytes)
        return Fill(TrUtf8("%1 is larger than 16 MB, too large for a word list"), {ShownArgument(strFile)});
    return {};
}

}  // namespace

void CWordCollector::AddList(std::string_view bytes)
{
    if (bytes.substr(0, kBom.size()) == kBom)
        bytes.remove_prefix(kBom.size());
    while (!bytes.empty()) {
        const std::size_t nEnd = bytes.find_first_of("\r\n");
        const std::string_view line = bytes.substr(0, nEnd);
        AddLine(DecodeBytes(line.substr(0, line.find('#'))));
        if (nEnd == std::string_view::npos)
            break;
        const bool bPair = bytes[nEnd] == '\r' && nEnd + 1 < bytes.size() && bytes[nEnd + 1] == '\n';
        bytes.remove_prefix(nEnd + (bPair ? 2 : 1));
    }
}

void CWordCollector::AddLine(std::wstring_view line)
{
    line = Trimmed(line, IsBlankChar);
    if (line.empty())
        return;
    std::wstring strWord = m_bFoldAccents ? FoldAccents(ToUpper(line)) : ToUpper(line);
    bool bWord = strWord.size() >= 5 && strWord.size() <= 7;
    for (std::size_t i = 0; bWord && i < strWord.size(); ++i)
        bWord = IsWordChar(strWord[i], m_bAsciiOnly);
    if (!bWord) {
        ++m_nRejected;
        return;
    }
    const std::size_t nSkill = strWord.size() - 5;
    if (!m_seen.insert(strWord).second) {
        ++m_nDuplicates;
        return;
    }
    m_aWords[nSkill].push_back(std::move(strWord));
}

std::wstring FoldAccents(std::wstring_view word)
{
    // U+00C0 to U+00DE, the Latin-1 capitals; '-' is a character with no plain letter of its own.
    static constexpr std::wstring_view kLatin1 = L"AAAAAA-CEEEEIIII-NOOOOO-OUUUUY-";
    std::wstring folded;
    folded.reserve(word.size());
    for (const wchar_t c : word) {
        if (c == 0xC6 || c == 0x152) {
            folded += c == 0xC6 ? L"AE" : L"OE";
        } else if (c >= 0xC0 && c <= 0xDE && kLatin1[c - 0xC0] != L'-') {
            folded += kLatin1[c - 0xC0];
        } else {
            folded += c == 0x178 ? L'Y' : c;
        }
    }
    return folded;
}

void ShuffleWords(std::array<std::vector<std::wstring>, 3>& aWords, std::uint32_t nSeed)
{
    std::mt19937 rng(nSeed);
    for (std::vector<std::wstring>& words : aWords) {
        for (std::size_t i = words.size(); i > 1; --i) {
            const std::uint64_t nDraw = (static_cast<std::uint64_t>(rng()) << 32) | rng();
            std::swap(words[i - 1], words[static_cast<std::size_t>(nDraw % i)]);
        }
    }
}

std::string FormatSetFile(std::wstring_view strTitle, const std::array<std::vector<std::wstring>, 3>& aWords)
{
    std::string text = EncodeUtf8(strTitle) + "\r\n\r\n";
    for (std::size_t n = 0; n < aWords.size(); ++n) {
        text += EncodeUtf8(kSectionMarkers[n]) + "\r\n";
        for (const std::wstring& strWord : aWords[n])
            text += EncodeUtf8(strWord) + "\r\n";
        text += "\r\n";
    }
    return text;
}

namespace {

struct CMakeArgs {
    bool bNameGiven = false;
    std::string strName;
    std::string strTitle;
    bool bTitle = false;
    bool bShuffle = false;
    std::uint32_t nSeed = 0;
    bool bAscii = false;
    bool bFoldAccents = false;
    bool bForce = false;
    std::string strOutput;
    std::vector<std::string> astrFiles;
};

// Digits only: no sign, no blanks.
bool ParseSeed(const std::string& str, std::uint32_t& nSeed)
{
    const auto [pEnd, ec] = std::from_chars(str.data(), str.data() + str.size(), nSeed);
    return !str.empty() && ec == std::errc() && pEnd == str.data() + str.size();
}

// An error line on err, or nothing when the arguments make sense.
std::string ParseArgs(const std::vector<std::string>& args, CMakeArgs& a)
{
    bool bOptionsDone = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& strArg = args[i];
        const bool bOption = !bOptionsDone && strArg.size() > 1 && strArg[0] == '-';
        if (!bOption) {
            (a.bNameGiven ? a.astrFiles.emplace_back() : a.strName) = strArg;
            a.bNameGiven = true;
            continue;
        }
        const bool bHasValue = i + 1 < args.size();
        if (strArg == "--") {
            bOptionsDone = true;
        } else if (strArg == "--ascii") {
            a.bAscii = true;
        } else if (strArg == "--fold-accents") {
            a.bFoldAccents = true;
        } else if (strArg == "--force") {
            a.bForce = true;
        } else if (strArg == "--title" || strArg == "--shuffle" || strArg == "--output") {
            if (!bHasValue)
                return Fill(TrUtf8("%1 needs a value"), {strArg});
            const std::string& strValue = args[++i];
            if (strArg == "--title") {
                a.strTitle = strValue;
                a.bTitle = true;
            } else if (strArg == "--output") {
                a.strOutput = strValue;
            } else if (!ParseSeed(strValue, a.nSeed)) {
                return Fill(TrUtf8("the seed must be a whole number from 0 to 4294967295: '%1'"), {ShownArgument(strValue)});
            } else {
                a.bShuffle = true;
            }
        } else {
            return Fill(TrUtf8("unknown option '%1'"), {ShownArgument(strArg)});
        }
    }
    if (!a.bNameGiven)
        return TrUtf8("no set name given");
    if (a.astrFiles.empty())
        return TrUtf8("no word list given");
    return {};
}

// The title must stay a title: one line, and not a section marker the game would obey.
bool IsUsableTitle(const std::wstring& strTitle)
{
    if (strTitle.find_first_of(L"\r\n") != std::wstring::npos)
        return false;
    // Trimmed as the game trims a set's lines: what it would take for a marker is refused.
    const std::wstring strUpper = ToUpper(Trimmed(strTitle, IsSetBlank));
    for (const wchar_t* szMarker : kSectionMarkers)
        if (strUpper == szMarker)
            return false;
    return true;
}

}  // namespace

int RunSetMaker(const std::vector<std::string>& args, const CSetFolders& folders, std::ostream& out,
                std::ostream& err)
{
    CMakeArgs a;
    if (const std::string strError = ParseArgs(args, a); !strError.empty()) {
        err << "veltrane-quillorn: " << strError << '\n' << TrUtf8(kMakeUsage);
        return 2;
    }
    if (a.strName.empty()) {
        err << TrUtf8("veltrane-quillorn: the set name is empty\n");
        return 2;
    }
    // "Birds.set" is the set Birds, as the game would name that file.
    const std::wstring strName = SetNameFromFileName(a.strName);
    if (a.strName.find('/') != std::string::npos || !IsUsableSetName(strName)) {
        err << Fill(TrUtf8("veltrane-quillorn: '%1' cannot be the name of a set\n"), {ShownArgument(a.strName)});
        return 2;
    }
    const std::wstring strTitle = a.bTitle ? DecodeBytes(a.strTitle) : strName;
    if (!IsUsableTitle(strTitle)) {
        err << TrUtf8("veltrane-quillorn: the title must be one line and not a section marker\n");
        return 2;
    }

    CWordCollector collector(a.bAscii, a.bFoldAccents);
    for (const std::string& strFile : a.astrFiles) {
        std::string bytes;
        if (const std::string strWhy = ReadList(strFile, bytes); !strWhy.empty()) {
            err << "veltrane-quillorn: " << strWhy << '\n';
            return 2;
        }
        collector.AddList(bytes);
    }
    std::size_t nKept = 0;
    for (const auto& words : collector.m_aWords)
        nKept += words.size();
    if (nKept == 0) {
        err << TrUtf8("veltrane-quillorn: no word of 5, 6 or 7 letters in the word lists; nothing written\n");
        return 2;
    }
    if (a.bShuffle)
        ShuffleWords(collector.m_aWords, a.nSeed);

    const std::filesystem::path dir = a.strOutput.empty() ? folders.UserDirectory() : std::filesystem::path(a.strOutput);
    if (dir.empty()) {
        err << TrUtf8("veltrane-quillorn: no folder to write the set to; give one with --output\n");
        return 2;
    }
    // An existing set of this name in another letter case is the same set: it is the one replaced.
    const std::filesystem::path file = SetFilePath(dir, strName);
    std::error_code ec;
    if (!a.bForce && std::filesystem::exists(file, ec)) {
        err << Fill(TrUtf8("veltrane-quillorn: %1 exists; add --force to replace it\n"), {ShownArgument(file.string())});
        return 2;
    }
    if (const int nError = WriteFileAtomically(file, FormatSetFile(strTitle, collector.m_aWords), a.bForce);
        nError != 0) {
        err << Fill(TrUtf8("veltrane-quillorn: cannot write %1: %2\n"), {ShownArgument(file.string()), std::strerror(nError)});
        return 2;
    }

    out << Fill(TrUtf8("written: %1"), {ShownArgument(file.string())}) << '\n';
    out << Fill(TrUtf8("kept %1; dropped %2 repeated and %3"),
                {Fill(TrPluralUtf8("%1 word", "%1 words", nKept), {std::to_string(nKept)}),
                 std::to_string(collector.m_nDuplicates),
                 Fill(TrPluralUtf8("%1 other line", "%1 other lines", collector.m_nRejected),
                      {std::to_string(collector.m_nRejected)})})
        << '\n';
    // Counted from the file as the game reads it, not from what was meant to be written.
    CWordLists lists;
    ReadWordSetFile(file, lists);
    const bool bAllSkills = PrintSetCounts(out, strName, lists);
    if (a.strOutput.empty() && !folders.ProgramDirectory().empty()) {
        const std::filesystem::path programFile = SetFilePath(folders.ProgramDirectory(), strName);
        if (std::filesystem::exists(programFile, ec))
            err << Fill(TrUtf8("veltrane-quillorn: note: the game's own %1 has this name, and the game plays that one\n"),
                        {ShownArgument(programFile.string())});
    }
    if (!bAllSkills)
        err << TrUtf8("veltrane-quillorn: some skill has no words; the game cannot play it from this set\n");
    return bAllSkills ? 0 : 1;
}
