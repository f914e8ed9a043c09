// The pieces of HTML markup a help page is written with: a tag and its attributes, and an entity.
#pragma once

#include <map>
#include <string>

struct CHtmlTag {
    std::wstring strName;  // lower case, without the slash
    bool bClosing = false;
    std::map<std::wstring, std::wstring> attributes;  // names in lower case
};

// The tag whose text starts after '<' and ends before '>'.
CHtmlTag ReadHtmlTag(const std::wstring& strInside);
// The text of an entity from the name between '&' and ';' ("amp", "#233", "#xE9"), or an empty
// string for one that names nothing.
std::wstring DecodeHtmlEntity(const std::wstring& strName);
