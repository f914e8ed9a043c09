#include "cli/solve_command.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/arguments.h"
#include "game/player_language.h"
#include "game/set_folders.h"
#include "game/solver.h"
#include "game/stats_report.h"
#include "game/word_set.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "store/settings_store.h"

namespace {

struct CSolveArgs {
    std::optional<std::string> strSet;
    std::optional<int> nSkill;
    bool bHard = false;
    bool bJson = false;
    std::vector<std::string> astrGuesses;
};

std::string Quoted(const std::string& str)
{
    return std::string("'").append(ShownArgument(str)).append("'");
}

// Each of these returns what is wrong, on one line (exit status 2), or nothing.
std::string ParseArgs(const std::vector<std::string>& args, CSolveArgs& parsed)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool bHasValue = i + 1 < args.size();
        if (a == "--hard") {
            parsed.bHard = true;
        } else if (a == "--json") {
            parsed.bJson = true;
        } else if (a == "--set") {
            if (!bHasValue)
                return TrUtf8("--set needs a set name or file");
            parsed.strSet = args[++i];
        } else if (a == "--skill") {
            if (!bHasValue || !(parsed.nSkill = ParseSkillArgument(args[i + 1])))
                return TrUtf8("--skill needs beginner, intermediate or advanced");
            ++i;
        } else if (a.size() > 1 && a[0] == '-') {
            return Fill(TrUtf8("unknown option %1"), {Quoted(a)});
        } else {
            parsed.astrGuesses.push_back(a);
        }
    }
    return {};
}

// A name with a slash or the ".set" ending (any case) is a file; anything else is a set the game
// lists.
bool NamesAFile(const std::string& str)
{
    return str.find('/') != std::string::npos || SetNameFromFileName(str).size() != DecodeBytes(str).size();
}

// The set's name and its words; the stored choice, then the one a first start plays, when none is given.
std::string LoadSet(const CSolveArgs& args, const CSetFolders& folders, const CSettingsStore& store,
                                    std::wstring& strSet, CWordLists& lists)
{
    std::filesystem::path file;
    if (args.strSet && NamesAFile(*args.strSet)) {
        file = *args.strSet;
        strSet = SetNameFromFileName(file.filename());
    } else {
        if (args.strSet)
            strSet = DecodeBytes(*args.strSet);
        else
            store.Read(Option::CurrentSet, strSet);
        if (strSet.empty()) {
            const std::vector<std::wstring> astrSets = folders.ListSetNames();
            if (astrSets.empty())
                return TrUtf8("no word sets found");
            strSet = DefaultSetName(MessagesLanguage(), astrSets);
        }
        if (IsUsableSetName(strSet))
            file = folders.SetFile(strSet);
    }
    std::error_code ec;
    if (file.empty() || !std::filesystem::is_regular_file(file, ec) || !ReadWordSetFile(file, lists))
        return Fill(TrUtf8("unknown set '%1'"), {EncodeUtf8Escaped(args.strSet ? DecodeBytes(*args.strSet) : strSet)});
    return {};
}

// Digits only: no sign, no blanks.
std::optional<int> ParseCount(std::string_view str)
{
    unsigned n = 0;
    const auto [pEnd, ec] = std::from_chars(str.data(), str.data() + str.size(), n);
    if (str.empty() || ec != std::errc() || pEnd != str.data() + str.size() || n > 1000)
        return {};
    return static_cast<int>(n);
}

// GUESS:MATCH:BINGO, the guess upper-cased as the game does what is typed.
std::string ParseGuess(const std::string& strArg, int nSkill, CScoredGuess& guess)
{
    const std::size_t nFirst = strArg.find(':');
    const std::size_t nSecond = nFirst == std::string::npos ? nFirst : strArg.find(':', nFirst + 1);
    const std::string strWhat = Fill(TrUtf8("guess %1: "), {Quoted(strArg)});
    if (nSecond == std::string::npos)
        return strWhat + TrUtf8("expected GUESS:MATCH:BINGO");
    const std::optional<int> nMatch = ParseCount(std::string_view(strArg).substr(nFirst + 1, nSecond - nFirst - 1));
    const std::optional<int> nBingo = ParseCount(std::string_view(strArg).substr(nSecond + 1));
    if (!nMatch || !nBingo)
        return strWhat + TrUtf8("Match and Bingo must be numbers from 0");
    guess.strGuess.clear();
    for (const wchar_t c : DecodeBytes(strArg.substr(0, nFirst))) {
        if (!IsLetter(c))
            return strWhat + TrUtf8("a guess is made of letters");
        guess.strGuess += ToUpperChar(c);
    }
    guess.nMatch = *nMatch;
    guess.nBingo = *nBingo;
    const int nLength = nSkill + 5;
    if (static_cast<int>(guess.strGuess.size()) != nLength)
        return strWhat + Fill(TrUtf8("%1 letters, %2 words have %3"),
                              {std::to_string(guess.strGuess.size()), TrUtf8(SkillName(nSkill)), std::to_string(nLength)});
    // What no magic word can give: more than every letter, Bingo above Match, or all letters
    // shared with all but one in place (the last one would be in place too).
    if (guess.nMatch > nLength || guess.nBingo > nLength)
        return strWhat + Fill(TrUtf8("counts above the word length %1"), {std::to_string(nLength)});
    if (guess.nBingo > guess.nMatch)
        return strWhat + TrUtf8("Bingo above Match");
    if (guess.nMatch == nLength && guess.nBingo == nLength - 1)
        return strWhat + Fill(TrUtf8("Match %1 with Bingo %2 cannot happen"), {std::to_string(nLength), std::to_string(nLength - 1)});
    return {};
}

struct CAnswer {
    std::wstring strSet;
    int nSkill = 0;
    bool bHard = false;
    std::vector<std::size_t> anFit;
    std::optional<CBestGuess> best;
};

void WriteText(std::ostream& out, const CAnswer& answer, const CSolverWords& words)
{
    out << Fill(TrUtf8("set: %1"), {EncodeUtf8Escaped(answer.strSet)}) << '\n';
    out << Fill(TrUtf8("skill: %1"), {TrUtf8(SkillName(answer.nSkill))}) << '\n';
    // Numbers through to_string: the stream's locale could group their digits.
    out << Fill(TrUtf8("fit: %1"), {Fill(TrPluralUtf8("%1 word", "%1 words", answer.anFit.size()), {std::to_string(answer.anFit.size())})})
        << '\n';
    const std::size_t nShown = std::min(answer.anFit.size(), kSolveWordsShown);
    out << (nShown < answer.anFit.size() ? Fill(TrUtf8("first %1:"), {std::to_string(nShown)}) : TrUtf8("words:"));
    for (std::size_t k = 0; k < nShown; ++k)
        out << ' ' << EncodeUtf8Escaped(words.Word(answer.anFit[k]));
    out << '\n';
    const std::string strBest = answer.bHard ? TrUtf8("best of the fitting words: %1") : TrUtf8("best next guess: %1");
    if (!answer.best) {
        out << Fill(strBest, {TrUtf8("none, no word fits")}) << '\n';
        return;
    }
    out << Fill(strBest, {Fill(TrUtf8("%1, %2 words left on average"), {EncodeUtf8Escaped(words.Word(answer.best->nWord)),
                                                                         HundredthsForPeople(answer.best->ExpectedLeftHundredths())})});
    if (answer.best->bSampled)
        out << TrUtf8(" (the set is too large to try every word: best of the fitting words and a sample)");
    out << '\n';
}

void WriteJson(std::ostream& out, const CAnswer& answer, const CSolverWords& words)
{
    out << "{\n  \"set\": " << JsonString(EncodeUtf8(answer.strSet)) << ",\n  \"skill\": " << JsonString(SkillName(answer.nSkill))
        << ",\n  \"hard\": " << (answer.bHard ? "true" : "false") << ",\n  \"fit\": " << std::to_string(answer.anFit.size())
        << ",\n  \"words\": [";
    const std::size_t nShown = std::min(answer.anFit.size(), kSolveWordsShown);
    for (std::size_t k = 0; k < nShown; ++k)
        out << (k ? ", " : "") << JsonString(EncodeUtf8(std::wstring(words.Word(answer.anFit[k]))));
    out << "],\n  \"best\": ";
    if (answer.best) {
        out << "{\"guess\": " << JsonString(EncodeUtf8(std::wstring(words.Word(answer.best->nWord))))
            << ", \"expected_left\": " << HundredthsText(answer.best->ExpectedLeftHundredths(), ".")
            << ", \"sampled\": " << (answer.best->bSampled ? "true" : "false") << "}";
    } else {
        out << "null";
    }
    out << "\n}\n";
}

}  // namespace

int RunSolve(const std::vector<std::string>& args, const CSetFolders& folders, CAppProfile& profile,
             std::ostream& out, std::ostream& err)
{
    const CSettingsStore store(profile);
    CSolveArgs parsed;
    CAnswer answer;
    CWordLists lists;
    std::vector<CScoredGuess> aGuesses;
    std::string strBad = ParseArgs(args, parsed);
    if (strBad.empty())
        strBad = LoadSet(parsed, folders, store, answer.strSet, lists);
    if (strBad.empty()) {
        // A damaged stored skill reads as Beginner, as the game plays it.
        int nStored = SkillBeginner;
        store.Read(Option::CurrentSkill, nStored);
        answer.nSkill = parsed.nSkill.value_or(nStored);
        for (const std::string& strArg : parsed.astrGuesses) {
            CScoredGuess guess;
            if (!(strBad = ParseGuess(strArg, answer.nSkill, guess)).empty())
                break;
            aGuesses.push_back(guess);
        }
    }
    if (!strBad.empty()) {
        err << "veltrane-quillorn: --solve: " << strBad << '\n';
        return 2;
    }
    const CSolverWords words(lists.ForSkill(answer.nSkill));
    answer.bHard = parsed.bHard;
    answer.anFit = FittingWords(words, aGuesses);
    answer.best = BestGuess(words, answer.anFit, parsed.bHard ? EGuessPool::FittingOnly : EGuessPool::AnyWord);
    if (parsed.bJson)
        WriteJson(out, answer, words);
    else
        WriteText(out, answer, words);
    return 0;
}
