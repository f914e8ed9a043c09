// The word check: a guess counts only when it is a word, one of the set in play or one of the
// dictionary that ships beside the sets.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_set>

#include "game/word_set.h"

// The dictionary's file under the program's folder. It lives in a folder of its own so that the
// set search, which looks only at the folder's own files, never offers it as a set to play.
std::filesystem::path DictionaryFile(const std::filesystem::path& programDir);

// Whether a list holds the word (exact characters, as a guess is scored).
bool ListHasWord(const CWordList& words, std::wstring_view strWord);

class CDictionary {
public:
    explicit CDictionary(std::filesystem::path file = {}) : m_file(std::move(file)) {}

    // Read on the first question only: most games never turn the check on, and those that do
    // should not wait for it at start-up. A file that cannot be read knows no words, and is not
    // tried again.
    bool Contains(std::wstring_view strWord);

private:
    std::filesystem::path m_file;
    bool m_bRead = false;
    std::unordered_set<std::wstring> m_words;
};
