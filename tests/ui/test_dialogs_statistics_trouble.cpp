// The Statistics window on a log it cannot read, and on set names that would reorder the text
// around them: it opens, says why in the notice bar's words where a screen reader finds it, and
// shows such names with those characters made visible while still reading the real set.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <sqlite3.h>
#include <wx/choice.h>

#include "dialogs/statistics_dlg.h"
#include "platform/files.h"
#include "platform/text.h"
#include "store/game_log.h"
#include "store/store_notice.h"
#include "test_sqlite_file.h"
#include "ui_test_support.h"

using namespace uitest;

namespace {

// Every name on the window's accessibility layer, depth first: what a screen reader can read.
void CollectNames(AtkObject* pObject, std::vector<std::string>& astr)
{
    if (const char* psz = atk_object_get_name(pObject))
        astr.emplace_back(psz);
    for (int i = 0; i < atk_object_get_n_accessible_children(pObject); ++i) {
        if (AtkObject* pChild = atk_object_ref_accessible_child(pObject, i)) {
            CollectNames(pChild, astr);
            g_object_unref(pChild);
        }
    }
}

std::vector<std::string> ReadableNames(wxWindow& window)
{
    std::vector<std::string> astr;
    CollectNames(gtk_widget_get_accessible(static_cast<GtkWidget*>(window.GetHandle())), astr);
    // A wrapped line is still one sentence.
    for (std::string& str : astr)
        std::replace(str.begin(), str.end(), '\n', ' ');
    return astr;
}

CGameLogEntry Solved(const std::wstring& strSet)
{
    CGameLogEntry e;
    e.nEndedUtc = 1800000000;
    e.strSet = strSet;
    e.strWord = L"PLANT";
    e.nGuesses = 3;
    e.nSeconds = 50;
    return e;
}

void WriteLog(const std::filesystem::path& file, const std::vector<std::wstring>& astrSets)
{
    CGameLog log(file);
    ASSERT_EQ(log.OpenForWriting(1000), CGameLog::EState::Writable);
    for (const std::wstring& strSet : astrSets)
        ASSERT_TRUE(log.Append(Solved(strSet)));
}

// Zeroes the type byte of every page after the first: the schema still reads, no row does.
void DamageEveryPageButTheFirst(const std::filesystem::path& file)
{
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(file, bytes));
    const std::size_t nPage = static_cast<unsigned char>(bytes[16]) * 256u + static_cast<unsigned char>(bytes[17]);
    ASSERT_GT(bytes.size(), nPage);
    for (std::size_t off = nPage; off < bytes.size(); off += nPage)
        bytes[off] = 0;
    ASSERT_EQ(WriteFileAtomically(file, bytes, true), 0);
}

// Runs the window on the file and hands back its readable names.
std::vector<std::string> NamesOfWindowOn(const std::filesystem::path& file, const std::string& strShot = {})
{
    std::vector<std::string> astr;
    CModalScript script;
    script.Then([&](wxDialog& d) {
        if (!strShot.empty())
            SaveShot(CaptureClient(d), strShot);
        astr = ReadableNames(d);
        d.EndModal(wxID_OK);
    });
    CStatisticsDlg dlg(file);
    EXPECT_EQ(dlg.DoModal(), ResultOK);
    EXPECT_TRUE(script.Done());
    return astr;
}

bool Has(const std::vector<std::string>& astr, const std::string& str)
{
    return std::find(astr.begin(), astr.end(), str) != astr.end();
}

}  // namespace

TEST(StatisticsDialogTrouble, ALogThatCannotBeReadOpensAndSaysWhyInTheNoticeBarsWords)
{
    struct {
        const char* pszCause;
        EStoreTrouble trouble;
        std::function<void(const std::filesystem::path&)> make;
    } const aCases[] = {
        {"a folder", EStoreTrouble::NotAFile, [](const std::filesystem::path& f) { std::filesystem::create_directories(f); }},
        {"a FIFO", EStoreTrouble::NotAFile, [](const std::filesystem::path& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }},
        {"another program's database", EStoreTrouble::Foreign,
         [](const std::filesystem::path& f) { ASSERT_TRUE(MakeDatabase(f, "CREATE TABLE notes(text);")); }},
        {"damaged", EStoreTrouble::Damaged,
         [](const std::filesystem::path& f) {
             WriteLog(f, {L"Animals", L"Birds"});
             DamageEveryPageButTheFirst(f);
         }},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.pszCause);
        CTempFolder folder;
        const std::filesystem::path file = folder.Path() / "games.db";
        c.make(file);
        const std::string strLine = "The game log cannot be read: " + EncodeUtf8(StoreNoticeReason(c.trouble)) + ".";
        EXPECT_TRUE(Has(NamesOfWindowOn(file), strLine)) << strLine;
    }

    // Another program holding the whole file: the window does not wait for it.
    CTempFolder folder;
    const std::filesystem::path file = folder.Path() / "games.db";
    WriteLog(file, {L"Animals"});
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE games SET id = id WHERE 0;",
                           nullptr, nullptr, nullptr), SQLITE_OK);
    const std::vector<std::string> astrLocked = NamesOfWindowOn(file, "statistics-log-locked");
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_TRUE(Has(astrLocked, "The game log cannot be read: another program keeps the file locked."));

    // Once it can be read again, the line is gone.
    EXPECT_FALSE(Has(NamesOfWindowOn(file), "The game log cannot be read: another program keeps the file locked."));
}

TEST(StatisticsDialogTrouble, ASetNameWithARightToLeftOverrideIsShownEscapedAndChosenByItsRealName)
{
    CTempFolder folder;
    const std::filesystem::path file = folder.Path() / "games.db";
    const std::wstring strEvil = L"rtl\u202Eevil";
    WriteLog(file, {L"Animals", strEvil, strEvil});

    CModalScript script;
    std::vector<std::string> astrRead;
    script.Then([&](wxDialog& d) {
        auto& dlg = static_cast<CStatisticsDlg&>(d);
        auto* pSet = dynamic_cast<wxChoice*>(d.FindWindow(IDC_STATS_SET));
        ASSERT_NE(pSet, nullptr);
        std::vector<std::wstring> astrShown;
        for (unsigned i = 0; i < pSet->GetCount(); ++i)
            astrShown.push_back(pSet->GetString(i).ToStdWstring());
        EXPECT_EQ(astrShown, (std::vector<std::wstring>{L"All sets", L"Animals", L"rtl\\u202eevil"}));
        pSet->SetSelection(2);
        wxCommandEvent chosen(wxEVT_CHOICE, IDC_STATS_SET);
        chosen.SetEventObject(pSet);
        pSet->ProcessWindowEvent(chosen);
        EXPECT_EQ(dlg.m_strSet, strEvil) << "the real name is what is read";
        AtkObject* pChart = gtk_widget_get_accessible(static_cast<GtkWidget*>(d.FindWindow(IDC_STATS_CHART)->GetHandle()));
        AtkObject* pPlayed = atk_object_ref_accessible_child(pChart, 0);
        ASSERT_NE(pPlayed, nullptr);
        EXPECT_STREQ(atk_object_get_name(pPlayed), "Words played 2");
        g_object_unref(pPlayed);
        d.EndModal(wxID_OK);
    });
    CStatisticsDlg dlg(file);
    EXPECT_EQ(dlg.DoModal(), ResultOK);
    EXPECT_TRUE(script.Done());
}
