// Every text the game paints can be read where it stands, measured from the pixels on screen: the
// game screen on the default background and on backgrounds a player may pick, its list and keys,
// and the texts of every dialog. ctest runs these cases again under a dark desktop theme.
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/stattext.h>

#include "app/main_frame.h"
#include "dialogs/about_dlg.h"
#include "dialogs/best_scores_dlg.h"
#include "dialogs/color_dlg.h"
#include "dialogs/painted_dialogs.h"
#include "dialogs/options_dlg.h"
#include "dialogs/player_name_dlg.h"
#include "dialogs/statistics_dlg.h"
#include "game/readable_colour.h"
#include "store/record_store.h"
#include "store/settings_store.h"
#include "ui/wx_helpers.h"
#include "test_view_fixture.h"
#include "view/game_view.h"

namespace {

using uitest::PixelRgb;

COLORREF FromRgb(unsigned rgb)
{
    return MakeRGB(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
}

// The best contrast a pixel of the area has against the ground. Smoothing blends a text's edges
// into its ground; the pixels its strokes cover whole have the text's own colour.
double InkContrast(const wxImage& img, const wxRect& rc, unsigned rgbGround)
{
    double dBest = 1.0;
    const wxRect rcIn = rc.Intersect(wxRect(img.GetSize()));
    for (int y = rcIn.GetTop(); y <= rcIn.GetBottom(); ++y)
        for (int x = rcIn.GetLeft(); x <= rcIn.GetRight(); ++x)
            dBest = std::max(dBest, ContrastRatio(FromRgb(PixelRgb(img, x, y)), FromRgb(rgbGround)));
    return dBest;
}

// The colour most pixels of the area have: the ground a text stands on.
unsigned GroundOf(const wxImage& img, const wxRect& rc)
{
    std::map<unsigned, int> mapCount;
    const wxRect rcIn = rc.Intersect(wxRect(img.GetSize()));
    for (int y = rcIn.GetTop(); y <= rcIn.GetBottom(); ++y)
        for (int x = rcIn.GetLeft(); x <= rcIn.GetRight(); ++x)
            ++mapCount[PixelRgb(img, x, y)];
    unsigned rgbMost = 0;
    int nMost = -1;
    for (const auto& [rgb, n] : mapCount)
        if (n > nMost)
            std::tie(rgbMost, nMost) = std::tie(rgb, n);
    return rgbMost;
}

std::string ThemeName()
{
    const char* pszTheme = std::getenv("GTK_THEME");
    return pszTheme != nullptr && std::string(pszTheme).find("dark") != std::string::npos ? "dark" : "light";
}

::testing::AssertionResult Reads(const wxImage& img, const wxRect& rc, unsigned rgbGround)
{
    const double dContrast = InkContrast(img, rc, rgbGround);
    if (dContrast >= kReadableContrast)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "contrast " << dContrast << " on " << std::hex << rgbGround << std::dec
                                         << " at " << rc.x << "," << rc.y << " " << rc.width << "x" << rc.height;
}

class ReadabilityTest : public CGameWindowTest {
protected:
    // A game on the background and mode given, with a guess listed, the letters of its three
    // marks on the keys and in the list, and a letter in the first cell.
    void OpenGame(COLORREF clrBackground, bool bTimeTrial)
    {
        if (m_pFrame != nullptr) {
            m_pFrame->Destroy();
            uitest::Settle();
            m_pFrame = nullptr;
        }
        CSettingsStore store(*m_pProfile);
        store.Write(Option::Background, clrBackground);
        store.Write(Option::TimeTrial, bTimeTrial);
        OpenAndStartWord();
        Type("plaxy\r");  // no word of the set: nothing is solved whichever word comes next
        m_pView->OnLetterKey(IDC_LETTER_FIRST + ('P' - 'A'));                 // struck
        m_pView->OnLetterKey(IDC_LETTER_FIRST + ('L' - 'A'));
        m_pView->OnLetterKey(IDC_LETTER_FIRST + ('L' - 'A'));                 // highlighted
        Type("a");
    }
};

TEST_F(ReadabilityTest, GameScreenTextsReadOnTheDefaultAndOnPickedBackgrounds)
{
    struct CBackground {
        const char* pszName;
        COLORREF clr;
    };
    // Black hid the black labels; olive put the red values at 1.05:1; navy takes the blue and
    // green down, and mid grey sits between black and white.
    const CBackground aBackgrounds[] = {{"default", kDefaultBackground},    {"black", MakeRGB(0, 0, 0)},
                                        {"olive", MakeRGB(128, 128, 0)},    {"navy", MakeRGB(0, 0, 128)},
                                        {"grey", MakeRGB(128, 128, 128)}};
    WriteSet("Test.set", kTestSetText);
    for (const CBackground& bg : aBackgrounds) {
        for (const bool bTimeTrial : {true, false}) {
            SCOPED_TRACE(std::string(bg.pszName) + (bTimeTrial ? ", Time Trial" : ""));
            OpenGame(bg.clr, bTimeTrial);
            const wxImage img = ComposedView();
            Shot(img, std::string("readable-") + bg.pszName + (bTimeTrial ? "-timetrial-" : "-") + ThemeName());
            const unsigned rgbGround = PixelRgb(img, 2, 2);
            ASSERT_EQ(FromRgb(rgbGround), bg.clr);

            // Labels and values on the player's background, in the layout's rectangles.
            std::vector<wxRect> arcOnGround = {RectLTRB(25, 45, 65, 60), RectLTRB(65, 45, 105, 60),
                                               RectLTRB(145, 45, 185, 60), RectLTRB(185, 45, 215, 60),
                                               RectLTRB(25, 7, 62, 25)};
            if (bTimeTrial) {
                arcOnGround.push_back(RectLTRB(25, 30, 65, 45));
                arcOnGround.push_back(RectLTRB(65, 30, 105, 45));
            }
            for (const wxRect& rc : arcOnGround)
                EXPECT_TRUE(Reads(img, rc, rgbGround));

            // The list row: number, the struck P, the highlighted L, a plain A, the counts.
            const int yRow = 61;
            const unsigned rgbList = GroundOf(img, RectLTRB(26, 100, 137, 179));
            for (const wxRect& rc : {RectLTRB(26, yRow, 56, yRow + 20), RectLTRB(56, yRow, 71, yRow + 20),
                                     RectLTRB(71, yRow, 86, yRow + 20), RectLTRB(86, yRow, 101, yRow + 20),
                                     RectLTRB(164, yRow, 181, yRow + 20), RectLTRB(182, yRow, 199, yRow + 20)})
                EXPECT_TRUE(Reads(img, rc, rgbList));

            // Keys in each of their looks, and the letter in the first cell, on their white.
            for (const char c : {'A', 'L', 'P'}) {
                const wxRect rcKey = board::KeyRect(c - 'A');
                EXPECT_TRUE(Reads(img, wxRect(rcKey).Deflate(2), 0xFFFFFF)) << "key " << c;
            }
            EXPECT_TRUE(Reads(img, RectLTRB(65, 7, 82, 24), 0xFFFFFF)) << "the first cell";
        }
    }
}

// The dialogs, each once, handed to check while it is up.
void ForEachDialog(const std::function<void(const std::string&, wxDialog&)>& check)
{
    uitest::CTempFolder folder;
    folder.Write("Animals.set", "<BEGINNER>\nHORSE\n");
    CRegistry registry(folder.Path() / "registry.db");
    CAppProfile profile(registry);
    CRecordStore(profile).Write(SkillBeginner, true, L"Ann", 1234);
    const std::vector<std::pair<std::string, std::function<int()>>> aRuns = {
        {"new_game", [] { CNewGameDlg d; d.m_nWordLength = 6; return d.DoModal(); }},
        {"level", [] { CLevelDlg d; d.m_nFinishedLevel = 3; d.m_nNextLevel = 4; return d.DoModal(); }},
        {"player_name", [] { CPlayerNameDlg d; d.m_strMessage = L"You are best player in this level"; return d.DoModal(); }},
        {"best_scores", [&] { CBestScoresDlg d(nullptr, profile); return d.DoModal(); }},
        {"color", [] { CColorDlg d; d.m_nRed = 210; d.m_nGreen = 255; d.m_nBlue = 166; return d.DoModal(); }},
        {"options", [&] { COptionsDlg d(nullptr, folder.Path()); d.m_values.strSet = L"Animals"; return d.DoModal(); }},
        {"about", [] { CAboutDlg d; return d.DoModal(); }},
        {"statistics", [&] { CStatisticsDlg d(folder.Path() / "log.db"); return d.DoModal(); }},
    };
    for (const auto& [strName, run] : aRuns) {
        uitest::CModalScript script;
        script.Then([&, strName = strName](wxDialog& dlg) {
            check(strName, dlg);
            dlg.EndModal(wxID_CANCEL);
        });
        run();
        EXPECT_TRUE(script.Done()) << strName;
    }
}

TEST(Readability, DialogTextsReadOnWhatIsBehindThem)
{
    ForEachDialog([](const std::string& strName, wxDialog& dlg) {
        SCOPED_TRACE(strName + " under the " + ThemeName() + " theme");
        dlg.Refresh();
        const wxImage img = uitest::CaptureClient(dlg);
        uitest::SaveShot(img, "readable-dialog-" + strName + "-" + ThemeName());

        // The labels and buttons, the game's blue ones among them; a button's label in its middle.
        int nChecked = 0;
        for (wxWindow* pChild : dlg.GetChildren()) {
            const bool bButton = dynamic_cast<wxButton*>(pChild) != nullptr;
            if (!pChild->IsShown() || pChild->GetLabel().empty() ||
                (!bButton && dynamic_cast<wxStaticText*>(pChild) == nullptr))
                continue;
            wxRect rc = pChild->GetRect();
            if (bButton)
                rc.Deflate(rc.width / 5, rc.height / 4);
            EXPECT_TRUE(Reads(img, rc, GroundOf(img, rc))) << '"' << pChild->GetLabel().utf8_string() << '"';
            ++nChecked;
        }
        EXPECT_GT(nChecked, 0);
        // What the dialog paints itself: where its glyphs are is read from the painting alone, and
        // each must read on what is behind it on screen. Every colour is there: a text that took the
        // theme's colour instead of its own would stand on the light tiles unread.
        if (auto* pGame = dynamic_cast<CGameDialog*>(&dlg)) {
            const wxImage imgPainted = uitest::RenderOffscreen(dlg.GetClientSize(), [&](wxDC& dc) {
                pGame->PaintContent(dc, dlg.GetClientSize().x);
            }, dlg.GetBackgroundColour());
            for (bool (*pColour)(unsigned) : uitest::PaintedTextColours(strName)) {
                const std::vector<wxRect> arcGlyphs = uitest::InkClusters(imgPainted, pColour);
                EXPECT_FALSE(arcGlyphs.empty());
                for (const wxRect& rc : arcGlyphs)
                    EXPECT_TRUE(Reads(img, rc, GroundOf(img, wxRect(rc).Inflate(3))));
            }
        }
        if (auto* pStats = dynamic_cast<CStatisticsDlg*>(&dlg)) {
            auto& chart = dynamic_cast<CStatisticsChart&>(*pStats->FindWindow(IDC_STATS_CHART));
            const wxImage imgChart = uitest::CaptureClient(chart);
            wxClientDC dc(&chart);
            for (const CPaintedText& t : chart.Compose(dc).aTexts)
                EXPECT_TRUE(Reads(imgChart, t.rc, GroundOf(imgChart, t.rc))) << '"' << t.str.utf8_string() << '"';
        }
    });
}

}  // namespace
