// "veltrane-quillorn --solve [--set NAME|FILE] [--skill S] [--hard] [--json] [GUESS:MATCH:BINGO ...]":
// how many words of a set and skill fit the counts given, the first of them, and the best next
// guess, for a player who is stuck and for scripts.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class CAppProfile;
class CSetFolders;

// How many fitting words are listed by name.
constexpr std::size_t kSolveWordsShown = 20;

// args are the arguments after --solve. The set and skill default to the game's stored choice,
// read from profile (nothing is written). Exit status 0, or 2 with one line on err naming the
// argument that is wrong.
int RunSolve(const std::vector<std::string>& args, const CSetFolders& folders, CAppProfile& profile,
             std::ostream& out, std::ostream& err);
