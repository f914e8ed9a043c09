// The notice for a store that is not saving, in the player's words.
#include "store/store_notice.h"

#include "platform/text.h"

std::wstring StoreNoticeReason(EStoreTrouble trouble)
{
    switch (trouble) {
    case EStoreTrouble::None: return {};
    case EStoreTrouble::Locked: return L"another program keeps the file locked";
    case EStoreTrouble::ReadOnly:
    case EStoreTrouble::CannotWrite: return L"the file or its folder cannot be written";
    case EStoreTrouble::NoAccess: return L"the file cannot be opened";
    case EStoreTrouble::NotADatabase: return L"the file is not a settings file";
    case EStoreTrouble::Damaged: return L"the file is damaged";
    case EStoreTrouble::NotAFile: return L"it is not a regular file";
    }
    return {};
}

std::wstring StoreNoticeText(EStoreTrouble trouble, const std::filesystem::path& file)
{
    if (trouble == EStoreTrouble::None)
        return {};
    return L"Settings and progress are not being saved: " + StoreNoticeReason(trouble) + L". " +
           DecodeBytes(file.string());
}
