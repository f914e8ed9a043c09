// The window tests' main: one wx application for the whole run (wx allows only one), the game's
// language and fonts set up as the game sets them up, then every test, and GoogleTest's result as the
// exit status.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

#include "app/app_language.h"
#include "dialogs/dialog_look.h"

namespace {

class CUiTestApp : public wxApp {
public:
    bool OnInit() override
    {
        wxInitAllImageHandlers();
        // The game's language start-up, so the same tests run under a German or French locale.
        UseDesktopLanguage();
        // VQ_TEST_NO_TAHOMA=1 runs everything on the fallback face, as on a system without it.
        const char* pszNoTahoma = std::getenv("VQ_TEST_NO_TAHOMA");
        if (pszNoTahoma == nullptr || std::string(pszNoTahoma) != "1")
            RegisterGameFonts();
        return true;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new CUiTestApp);
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "cannot start the toolkit: is DISPLAY set?\n");
        return 1;
    }
    int nResult = 1;
    if (wxTheApp->CallOnInit()) {
        nResult = RUN_ALL_TESTS();
        wxTheApp->OnExit();
    }
    wxEntryCleanup();
    return nResult;
}
