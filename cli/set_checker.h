// "veltrane-quillorn --check-set [--words] FILE...": what the game makes of a word-set file, for
// the people who write them. Applies exactly the rules the game applies when it loads a set.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

struct CWordLists;

// "set: NAME" and the number of words of each skill, one line each. Whether every skill has words.
bool PrintSetCounts(std::ostream& out, const std::wstring& strSet, const CWordLists& lists);

// args are the arguments after --check-set. Returns the exit status: 0 when every file has words
// for all three skills, 1 when some list is empty, 2 when a file cannot be read (said on err).
int RunSetChecker(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
