// The desktop's locale for wx and GTK, and the catalogs: the game's own for the texts of every layer
// and wx's ("wxstd") for its stock buttons. A language without a catalog leaves the English texts.
#include "app/app_language.h"

#include <wx/translation.h>
#include <wx/uilocale.h>

#include "game/player_language.h"
#include "platform/files.h"
#include "platform/translate.h"

void UseDesktopLanguage()
{
    wxUILocale::UseDefault();
    const std::filesystem::path localeDir = ProgramLocaleDirectory(ProgramDirectory());
    // Also puts numbers back into the C locale, which wxUILocale has just set from the desktop.
    BindCatalogs(localeDir);
    // Looking for wx's catalogs walks every language folder on the system, a tenth of the time
    // to the first dialog, and an English reader would find nothing there to use.
    if (ReadsOnlyEnglish())
        return;
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(wxString(localeDir.string()));
    wxTranslations* pTranslations = new wxTranslations;
    wxTranslations::Set(pTranslations);
    pTranslations->AddStdCatalog();
    pTranslations->AddCatalog(kTextDomain);
}
