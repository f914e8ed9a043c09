// The notice for a store that is not saving, in the player's words.
#include "store/store_notice.h"

#include "platform/text.h"
#include "platform/translate.h"
#include "store/game_log.h"

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
    // A folder's name may hold controls too; shown escaped, it cannot reorder the sentence.
    return Fill(Tr(szWhat), {StoreNoticeReason(trouble), EscapeControls(DecodeBytes(file.string()))});
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

EStoreTrouble GameLogReadTrouble(CGameLog& log)
{
    // An open that failed says why; a read that failed later left its error on the connection.
    if (log.Trouble() != EStoreTrouble::None && log.Trouble() != EStoreTrouble::ReadOnly)
        return log.Trouble();
    const EStoreTrouble trouble = TroubleOfSqliteError(log.Db().LastErrorCode());
    // A read never fails for want of writing: whatever else it is, the file could not be used.
    return trouble == EStoreTrouble::None || trouble == EStoreTrouble::CannotWrite || trouble == EStoreTrouble::ReadOnly
               || trouble == EStoreTrouble::DiskFull
               ? EStoreTrouble::NoAccess
               : trouble;
}
