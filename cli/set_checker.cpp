#include "cli/set_checker.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "game/stats_report.h"
#include "game/word_set.h"
#include "platform/text.h"
#include "platform/translate.h"

namespace {

constexpr const char* kCheckUsage = N_("Usage: veltrane-quillorn --check-set [--words] FILE...\n");

// 0 when every skill has words, 1 when some list is empty, 2 when the file cannot be read.
int CheckOneFile(const std::string& strFile, bool bWords, std::ostream& out, std::ostream& err)
{
    const std::filesystem::path file(strFile);
    // Lines ignored and words nobody can type, in the order of their lines. Names and words are
    // shown escaped: a newline or a NUL in them must not forge or cut a line.
    std::vector<std::string> astrNotes;
    auto note = [&](std::size_t nLine, const std::string& strText) {
        astrNotes.push_back(Fill(TrUtf8("line %1: %2"), {std::to_string(nLine), strText}));
    };
    const auto onIgnored = [&](const CIgnoredLine& line) { note(line.nLine, EncodeUtf8Escaped(line.strReason)); };
    // Such a word still counts: the game plays it all the same.
    const auto onKept = [&](std::size_t nLine, std::wstring_view strWord) {
        if (!CanBeTyped(strWord))
            note(nLine, Fill(TrUtf8("word \"%1\" has characters that cannot be typed"), {EncodeUtf8Escaped(strWord)}));
    };
    CWordLists lists;
    if (!ReadWordSetFile(file, lists, onIgnored, onKept)) {
        err << Fill(TrUtf8("veltrane-quillorn: cannot read %1"), {ShownArgument(strFile)}) << '\n';
        return 2;
    }
    const bool bAllSkills = PrintSetCounts(out, SetNameFromFileName(file.filename()), lists);
    for (const std::string& strNote : astrNotes)
        out << strNote << '\n';
    for (int nSkill = 0; bWords && nSkill < 3; ++nSkill) {
        out << "[" << SkillName(nSkill) << "]\n";
        for (std::size_t i = 0; i < lists.ForSkill(nSkill).size(); ++i)
            out << EncodeUtf8Escaped(lists.ForSkill(nSkill)[i]) << '\n';
    }
    return bAllSkills ? 0 : 1;
}

}  // namespace

bool PrintSetCounts(std::ostream& out, const std::wstring& strSet, const CWordLists& lists)
{
    out << Fill(TrUtf8("set: %1"), {EncodeUtf8Escaped(strSet)}) << '\n';
    bool bAllSkills = true;
    for (int nSkill = 0; nSkill < 3; ++nSkill) {
        const std::size_t nWords = lists.ForSkill(nSkill).size();
        out << Fill(TrPluralUtf8("%1: %2 word", "%1: %2 words", nWords), {TrUtf8(SkillName(nSkill)), std::to_string(nWords)})
            << '\n';
        bAllSkills = bAllSkills && nWords > 0;
    }
    return bAllSkills;
}

int RunSetChecker(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    bool bWords = false;
    bool bOptionsDone = false;
    std::vector<std::string> astrFiles;
    for (const std::string& strArg : args) {
        if (!bOptionsDone && strArg == "--") {
            bOptionsDone = true;
        } else if (!bOptionsDone && strArg == "--words") {
            bWords = true;
        } else if (!bOptionsDone && strArg.size() > 1 && strArg[0] == '-') {
            err << Fill(TrUtf8("veltrane-quillorn: unknown option '%1'\n"), {strArg}) << TrUtf8(kCheckUsage);
            return 2;
        } else {
            astrFiles.push_back(strArg);
        }
    }
    if (astrFiles.empty()) {
        err << TrUtf8("veltrane-quillorn: no word-set file given\n") << TrUtf8(kCheckUsage);
        return 2;
    }
    int nStatus = 0;
    for (const std::string& strFile : astrFiles) {
        const int nFileStatus = CheckOneFile(strFile, bWords, out, err);
        if (nFileStatus > nStatus)
            nStatus = nFileStatus;
    }
    return nStatus;
}
