// The notice for a store that is not saving, in the player's words.
#include "store/store_notice.h"

#include "platform/text.h"

std::wstring StoreNoticeReason(EStoreTrouble trouble)
{
    switch (trouble) {
    case EStoreTrouble::None: return {};
    case EStoreTrouble::Locked: return L"another program keeps the file locked";
    case EStoreTrouble::ReadOnly: return L"the file or its folder is read-only";
    case EStoreTrouble::DiskFull: return L"the disk is full";
    case EStoreTrouble::CannotWrite: return L"the file cannot be written";
    case EStoreTrouble::NoAccess: return L"the file cannot be opened";
    case EStoreTrouble::NotADatabase: return L"the file is not a database";
    case EStoreTrouble::Foreign: return L"the file is another program's database";
    case EStoreTrouble::Damaged: return L"the file is damaged";
    case EStoreTrouble::NotAFile: return L"it is not a regular file";
    }
    return {};
}

namespace {

std::wstring Notice(const wchar_t* szWhat, EStoreTrouble trouble, const std::filesystem::path& file)
{
    if (trouble == EStoreTrouble::None)
        return {};
    return szWhat + StoreNoticeReason(trouble) + L". " + DecodeBytes(file.string());
}

}  // namespace

std::wstring StoreNoticeText(EStoreTrouble trouble, const std::filesystem::path& file)
{
    return Notice(L"Settings and progress are not being saved: ", trouble, file);
}

std::wstring GameLogNoticeText(EStoreTrouble trouble, const std::filesystem::path& file)
{
    return Notice(L"Finished words are not being logged: ", trouble, file);
}
