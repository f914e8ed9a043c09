// The notice for a store that is not saving, in the player's words.
#include "store/store_notice.h"

#include "platform/text.h"
#include "platform/translate.h"

std::wstring StoreNoticeReason(EStoreTrouble trouble)
{
    switch (trouble) {
    case EStoreTrouble::None: return {};
    case EStoreTrouble::Locked: return Tr("another program keeps the file locked");
    case EStoreTrouble::ReadOnly: return Tr("the file or its folder is read-only");
    case EStoreTrouble::DiskFull: return Tr("the disk is full");
    case EStoreTrouble::CannotWrite: return Tr("the file cannot be written");
    case EStoreTrouble::NoAccess: return Tr("the file cannot be opened");
    case EStoreTrouble::NotADatabase: return Tr("the file is not a database");
    case EStoreTrouble::Foreign: return Tr("the file is another program's database");
    case EStoreTrouble::Damaged: return Tr("the file is damaged");
    case EStoreTrouble::NotAFile: return Tr("it is not a regular file");
    }
    return {};
}

namespace {

std::wstring Notice(const char* szWhat, EStoreTrouble trouble, const std::filesystem::path& file)
{
    if (trouble == EStoreTrouble::None)
        return {};
    return Fill(Tr(szWhat), {StoreNoticeReason(trouble), DecodeBytes(file.string())});
}

}  // namespace

std::wstring StoreNoticeText(EStoreTrouble trouble, const std::filesystem::path& file)
{
    return Notice(N_("Settings and progress are not being saved: %1. %2"), trouble, file);
}

std::wstring GameLogNoticeText(EStoreTrouble trouble, const std::filesystem::path& file)
{
    return Notice(N_("Finished words are not being logged: %1. %2"), trouble, file);
}
