// Word-set files: the line rules that turn a set's bytes into three word lists, and how sets are
// named and found beside the program.
#include "game/word_set.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "platform/files.h"
#include "platform/text.h"
#include "store/settings_store.h"

namespace {

// No marker or word needs more bytes than this (a 7-letter word of 4-byte characters is 28), so a
// longer line is only counted, never kept: a 10 MB line costs no more memory than a short one.
constexpr std::size_t kLineCap = 64;

constexpr std::array<std::string_view, 3> kAsciiMarkers = {"<BEGINNER>", "<INTERMEDIATE>", "<ADVANCED>"};
constexpr std::array<const wchar_t*, 3> kMarkers = {L"<BEGINNER>", L"<INTERMEDIATE>", L"<ADVANCED>"};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlankByte(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

bool IsHighByte(char c)
{
    return (static_cast<unsigned char>(c) & 0x80) != 0;
}

// One character of n bytes that is a blank beyond ASCII: U+00A0 as UTF-8 or as the lone byte that
// reads as its Latin-1 self, and U+3000.
bool IsWideBlank(const char* p, std::size_t n)
{
    const std::string_view c(p, n);
    return c == "\xC2\xA0" || c == "\xA0" || c == "\xE3\x80\x80";
}

// The first CR or LF in [p, pEnd), else pEnd. Eight bytes at a time: most lines are a word, and
// this scan is most of the work of a load.
const char* FindLineEnd(const char* p, const char* pEnd)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
        constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
        while (pEnd - p >= 8) {
            std::uint64_t v;
            std::memcpy(&v, p, 8);
            const std::uint64_t lf = v ^ (kOnes * '\n');
            const std::uint64_t cr = v ^ (kOnes * '\r');
            // A zero byte of lf or cr sets its top bit here. Borrows can also mark bytes above a
            // real hit, never below one, so the lowest mark is the first line end.
            const std::uint64_t hits = (((lf - kOnes) & ~lf) | ((cr - kOnes) & ~cr)) & kHigh;
            if (hits != 0)
                return p + (std::countr_zero(hits) >> 3);
            p += 8;
        }
    }
    while (p < pEnd && *p != '\n' && *p != '\r')
        ++p;
    return p;
}

bool IsAsciiMarker(const char* p, std::size_t n, std::string_view marker)
{
    if (n != marker.size())
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        char c = p[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != marker[i])
            return false;
    }
    return true;
}

}  // namespace

const CWordList& CWordLists::ForSkill(int nSkill) const
{
    static const CWordList s_none;
    switch (nSkill) {
    case 0: return m_wordsBeginner;
    case 1: return m_wordsIntermediate;
    case 2: return m_wordsAdvanced;
    default: return s_none;
    }
}

void CWordLists::Clear()
{
    m_wordsBeginner.clear();
    m_wordsIntermediate.clear();
    m_wordsAdvanced.clear();
}

bool CanBeTyped(std::wstring_view strWord)
{
    // The same test as a typed character meets before it reaches a cell.
    return std::all_of(strWord.begin(), strWord.end(), IsLetter);
}

CWordSetParser::CWordSetParser(CWordLists& lists, IgnoredLineSink onIgnored, KeptWordSink onKept)
    : m_apLists{&lists.m_wordsBeginner, &lists.m_wordsIntermediate, &lists.m_wordsAdvanced},
      m_onIgnored(std::move(onIgnored)), m_onKept(std::move(onKept)), m_bReportKept(static_cast<bool>(m_onKept))
{
    m_line.reserve(kLineCap);
}

void CWordSetParser::Feed(std::string_view bytes)
{
    if (m_nBomBytes >= 0 && !SkipByteOrderMark(bytes))
        return;
    FeedLines(bytes);
}

bool CWordSetParser::SkipByteOrderMark(std::string_view& bytes)
{
    // An editor's mark would otherwise be three characters of the first line, and a marker there
    // would be lost. False while the bytes so far may still be a mark.
    while (m_nBomBytes < 3 && !bytes.empty() && bytes.front() == kByteOrderMark[static_cast<std::size_t>(m_nBomBytes)]) {
        ++m_nBomBytes;
        bytes.remove_prefix(1);
    }
    if (m_nBomBytes == 3) {
        m_nBomBytes = -1;
        return true;
    }
    if (bytes.empty())
        return false;
    // Not a mark after all: the bytes held back start the first line.
    const auto nHeld = static_cast<std::size_t>(m_nBomBytes);
    m_nBomBytes = -1;
    FeedLines(kByteOrderMark.substr(0, nHeld));
    return true;
}

void CWordSetParser::FeedLines(std::string_view bytes)
{
    const char* p = bytes.data();
    const char* const pEnd = p + bytes.size();
    if (m_nLineBytes > 0 || !m_strPending.empty()) {
        // The line the last chunk ended in (no CR can be pending: that would have ended it).
        const char* const pStop = FindLineEnd(p, pEnd);
        AppendPartial(p, pStop);
        if (pStop == pEnd)
            return;
        EndPartialLine();
        m_bAfterCR = (*pStop == '\r');
        p = pStop + 1;
    }
    while (p < pEnd) {
        if (m_bAfterCR) {
            m_bAfterCR = false;
            if (*p == '\n') {
                ++p;  // the LF of a CR LF pair; any other byte starts the next line
                continue;
            }
        }
        const char* pStop = FindLineEnd(p, pEnd);
        if (pStop == pEnd) {
            AppendPartial(p, pEnd);
            return;
        }
        m_bAfterCR = (*pStop == '\r');
        const char* pFirst = p;
        while (pFirst < pStop && IsBlankByte(*pFirst))
            ++pFirst;
        const char* pLast = pStop;
        while (pLast > pFirst && IsBlankByte(pLast[-1]))
            --pLast;
        if (pFirst < pLast && (IsHighByte(*pFirst) || IsHighByte(pLast[-1]))) [[unlikely]]
            EndWideLine(pFirst, pLast);
        else
            EndLine(pFirst, static_cast<std::size_t>(pLast - pFirst));
        p = pStop + 1;
    }
}

void CWordSetParser::EndWideLine(const char* p, const char* pEnd)
{
    // It may start or end with a blank beyond ASCII: taken character by character.
    AppendPartial(p, pEnd);
    EndPartialLine();
}

void CWordSetParser::AppendPartial(const char* p, const char* pEnd)
{
    if (!m_strPending.empty()) {
        // The sequence the last chunk ended inside, with enough of this one to decide it.
        const std::size_t nHeld = m_strPending.size();
        std::string strJoined = m_strPending;
        strJoined.append(p, std::min<std::size_t>(3, static_cast<std::size_t>(pEnd - p)));
        m_strPending.clear();
        const char* const pJoined = strJoined.data();
        const char* const pStop = AppendChars(pJoined, pJoined + strJoined.size(), true);
        const auto nDone = static_cast<std::size_t>(pStop - pJoined);
        if (nDone < nHeld) {
            // Still open: this chunk was too short to decide, and all of it is held now.
            m_strPending.assign(pStop, pJoined + strJoined.size());
            return;
        }
        p += nDone - nHeld;
    }
    const char* const pStop = AppendChars(p, pEnd, true);
    m_strPending.assign(pStop, pEnd);
}

const char* CWordSetParser::AppendChars(const char* p, const char* pEnd, bool bMoreToCome)
{
    while (p < pEnd) {
        const char* pHigh = p;
        while (pHigh < pEnd && !IsHighByte(*pHigh))
            ++pHigh;
        AppendAscii(p, pHigh);
        if (pHigh == pEnd)
            break;
        const std::size_t n = DecodeStepLength(std::string_view(pHigh, static_cast<std::size_t>(pEnd - pHigh)), bMoreToCome);
        if (n == 0)
            return pHigh;
        AppendChar(pHigh, n, IsWideBlank(pHigh, n));
        p = pHigh + n;
    }
    return pEnd;
}

void CWordSetParser::AppendChar(const char* p, std::size_t n, bool bBlank)
{
    if (bBlank && m_nLineBytes == 0)
        return;
    m_nLineBytes += n;
    if (!bBlank)
        m_nContentBytes = m_nLineBytes;
    if (m_line.size() < kLineCap)
        m_line.append(p, std::min(n, kLineCap - m_line.size()));
}

void CWordSetParser::AppendAscii(const char* p, const char* pEnd)
{
    // Leading white space is trimmed as it comes, trailing white space once a later byte shows
    // it was inner; only the first kLineCap bytes are kept, the rest only counted.
    if (p == pEnd)
        return;
    if (m_nLineBytes == 0) {
        while (p < pEnd && IsBlankByte(*p))
            ++p;
        if (p == pEnd)
            return;
    }
    const char* pLast = pEnd;
    while (pLast > p && IsBlankByte(pLast[-1]))
        --pLast;
    const std::size_t nRun = static_cast<std::size_t>(pEnd - p);
    if (pLast > p)
        m_nContentBytes = m_nLineBytes + static_cast<std::size_t>(pLast - p);
    m_nLineBytes += nRun;
    if (m_line.size() < kLineCap)
        m_line.append(p, std::min(nRun, kLineCap - m_line.size()));
}

void CWordSetParser::EndPartialLine()
{
    if (!m_strPending.empty()) {
        // The line ended inside a sequence: its bytes are characters of their own.
        const std::string strHeld = std::move(m_strPending);
        m_strPending.clear();
        AppendChars(strHeld.data(), strHeld.data() + strHeld.size(), false);
    }
    const std::size_t nContent = m_nContentBytes;
    m_nLineBytes = 0;
    m_nContentBytes = 0;
    // Past the cap only the length is looked at, and EndLine reads no byte of such a line.
    EndLine(m_line.data(), nContent);
    m_line.clear();
}

void CWordSetParser::Finish()
{
    // A file that is only the start of a byte-order mark holds those bytes as its one line.
    if (m_nBomBytes > 0)
        FeedLines(kByteOrderMark.substr(0, static_cast<std::size_t>(m_nBomBytes)));
    m_nBomBytes = -1;
    // A last line without a line end still counts.
    if (m_nLineBytes > 0 || !m_strPending.empty())
        EndPartialLine();
    m_bAfterCR = false;
}

void CWordSetParser::EndLine(const char* p, std::size_t n)
{
    const std::size_t nLine = m_nLine++;
    if (n == 0)
        return;  // empty or blank line
    if (n > kLineCap) {
        Ignore(nLine, IgnoredTooLong, n);
        return;
    }
    unsigned char bits = 0;
    for (std::size_t i = 0; i < n; ++i)
        bits |= static_cast<unsigned char>(p[i]);
    if (bits & 0x80) {
        EndOtherLine(nLine, std::string_view(p, n));
        return;
    }
    // Plain ASCII, as nearly every set is: classified and upper-cased straight from the bytes.
    if (p[0] == '<') {
        for (std::size_t i = 0; i < kAsciiMarkers.size(); ++i) {
            if (IsAsciiMarker(p, n, kAsciiMarkers[i])) {
                m_nSection = static_cast<int>(i);
                return;
            }
        }
    }
    if (m_nSection < 0) {
        Ignore(nLine, IgnoredBeforeMarker, 0);
        return;
    }
    CWordList& list = *m_apLists[m_nSection];
    if (n != list.WordLength()) {
        Ignore(nLine, IgnoredWrongLength, n);
        return;
    }
    wchar_t* const pWord = list.AppendWord();
    if (pWord == nullptr)
        return;  // out of memory: this word is lost, the words kept so far stay
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(p[i]);
        pWord[i] = static_cast<wchar_t>(static_cast<unsigned>(c - 'a') < 26u ? c - ('a' - 'A') : c);
    }
    if (m_bReportKept) [[unlikely]]
        ReportKept(nLine, std::wstring_view(pWord, n));
}

void CWordSetParser::EndOtherLine(std::size_t nLine, std::string_view content)
{
    // Decoded and upper-cased over all of Unicode, so the length is counted in characters.
    std::wstring strLine = ToUpper(DecodeBytes(content));
    if (content[0] == '<') {
        for (std::size_t i = 0; i < kMarkers.size(); ++i) {
            if (strLine == kMarkers[i]) {
                m_nSection = static_cast<int>(i);
                return;
            }
        }
    }
    if (m_nSection < 0) {
        Ignore(nLine, IgnoredBeforeMarker, 0);
        return;
    }
    CWordList& list = *m_apLists[m_nSection];
    if (strLine.size() != list.WordLength()) {
        Ignore(nLine, IgnoredWrongLength, strLine.size());
        return;
    }
    list.push_back(strLine);
    if (m_bReportKept)
        ReportKept(nLine, strLine);
}

void CWordSetParser::ReportKept(std::size_t nLine, std::wstring_view strWord)
{
    m_onKept(nLine, strWord);
}

void CWordSetParser::Ignore(std::size_t nLine, EIgnored kind, std::size_t nValue)
{
    // Most loads have no one to tell, and then no reason is written out.
    if (!m_onIgnored)
        return;
    std::wstring strReason;
    switch (kind) {
    case IgnoredTooLong: strReason = L"line too long: " + std::to_wstring(nValue) + L" bytes"; break;
    case IgnoredBeforeMarker: strReason = L"before any section marker"; break;
    case IgnoredWrongLength:
        strReason = std::wstring(L"wrong length for ") + kMarkers[static_cast<std::size_t>(m_nSection)] + L": " +
                    std::to_wstring(nValue);
        break;
    }
    m_onIgnored(CIgnoredLine{nLine, std::move(strReason)});
}

namespace {

bool FeedFile(const std::filesystem::path& file, CWordSetParser& parser)
{
    CByteFile in;
    if (!in.Open(file))
        return false;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const std::size_t n = in.Read(buffer.data(), buffer.size());
        if (n == 0)
            break;
        parser.Feed(std::string_view(buffer.data(), n));
    }
    parser.Finish();
    in.Close();
    return true;
}

}  // namespace

bool ReadWordSetFile(const std::filesystem::path& file, CWordLists& lists, IgnoredLineSink onIgnored,
                     KeptWordSink onKept)
{
    lists.Clear();
    // One pass: the lists grow by doubling, which costs less than reading the file twice to
    // size them exactly (a large list grows by moving its pages, see word_list.cpp).
    CWordSetParser parser(lists, std::move(onIgnored), std::move(onKept));
    return FeedFile(file, parser);
}

std::wstring SetNameFromFileName(const std::filesystem::path& fileName)
{
    // The native bytes, decoded like a set's content: path::wstring() would depend on the locale.
    std::wstring strName = DecodeBytes(fileName.filename().string());
    if (strName.size() >= 4) {
        const std::wstring strEnd = ToUpper(std::wstring_view(strName).substr(strName.size() - 4));
        if (strEnd == L".SET")
            strName.resize(strName.size() - 4);
    }
    return strName;
}

std::filesystem::path SetFilePath(const std::filesystem::path& dir, const std::wstring& strSet)
{
    // Never a path outside dir, whatever a damaged store hands in.
    if (!IsUsableSetName(strSet))
        return {};
    const std::filesystem::path exact = dir / (EncodeUtf8(strSet) + ".set");
    std::error_code ec;
    if (std::filesystem::exists(exact, ec))
        return exact;
    // The search takes the ending in any case, so "Birds.SET" is the set "Birds" and must load;
    // and a name in another case is the same set, as it is the same progress key.
    const std::vector<std::filesystem::path> names = FindFilesWithSuffix(dir, ".set");
    for (const std::filesystem::path& name : names) {
        if (SetNameFromFileName(name) == strSet)
            return dir / name;
    }
    for (const std::filesystem::path& name : names) {
        if (IsSameSetName(SetNameFromFileName(name), strSet))
            return dir / name;
    }
    return exact;
}

std::vector<std::wstring> ListSetNames(const std::filesystem::path& dir)
{
    std::vector<std::wstring> astrNames;
    for (const std::filesystem::path& name : FindFilesWithSuffix(dir, ".set")) {
        std::wstring strName = SetNameFromFileName(name);
        // A name that cannot serve as a key or a file name would be listed but never load.
        if (IsUsableSetName(strName))
            astrNames.push_back(std::move(strName));
    }
    return astrNames;
}
