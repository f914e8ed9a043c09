// The main window: title, menus, tool bar and tooltips, and the command route that takes each
// menu item, tool and shortcut to the view, the document, the frame or the application.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include <wx/accel.h>
#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/timer.h>

#include "app/veltrane_quillorn_doc.h"
#include "view/command_target.h"

class CAppProfile;
class CRegistry;
class CSetFolders;
class CVeltraneQuillornView;
class wxInfoBarGeneric;

class CMainFrame : public wxFrame, public CCommandTarget {
public:
    static constexpr const char* kTitle = "Veltrane Quillorn";

    // pAppTarget is the last stop of the command route (the application's commands).
    CMainFrame(std::unique_ptr<CVeltraneQuillornDoc> pDoc, CCommandTarget* pAppTarget);
    ~CMainFrame() override;

    // nZoom: a step to open at; 0 opens at the stored step, or at one that suits the screen.
    bool Create(CAppProfile& profile, const CSetFolders& setFolders, int nZoom = 0);

    CVeltraneQuillornView* GetView() const { return m_pView; }
    CVeltraneQuillornDoc& GetDocument() const { return *m_pDoc; }

    // view, document, frame, application
    std::vector<CCommandTarget*> CommandRoute();

    // Tries the store's queued writes again, and tells the player once per session, in a bar above
    // the game, when values are not being saved.
    void CheckStore();
    // What the bar's close button does: the game gets its own size back.
    void DismissStoreNotice();

    bool QueryCommand(int, bool&) const override { return false; }  // the frame handles none itself
    void OnCommand(int) override {}

private:
    void CreateMenuBar();
    bool CreateToolBarWithTools();
    void SetShortcuts();
    int ChromeHeight() const;
    int StartZoom(int nStored) const;
    void StorePickedZoom();

    void OnMenu(wxCommandEvent& event);
    void OnUpdateUI(wxUpdateUIEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnIconize(wxIconizeEvent& event);
    void WatchStore(CRegistry& registry);
    void MakeInfoBar();
    void FitClientToContent();
    // Shows, changes or takes down the bar while the game keeps its size and zoom.
    void ChangeStoreBar(const std::function<void()>& fnChange);

    // Counts every modal dialog and message box of this process while it is up, the view's and
    // the application's (About): the frame losing the focus to one of them is not the player
    // leaving the game.
    struct CModalWatch : wxModalDialogHook {
        CModalWatch() { Register(); }
        ~CModalWatch() override { Unregister(); }
        int Enter(wxDialog*) override { ++nOpen; return wxID_NONE; }
        void Exit(wxDialog*) override { --nOpen; }
        int nOpen = 0;
    };

    std::unique_ptr<CVeltraneQuillornDoc> m_pDoc;
    CCommandTarget* m_pAppTarget;
    CVeltraneQuillornView* m_pView = nullptr;
    CRegistry* m_pRegistry = nullptr;
    // A first start's zoom, stored once the first dialog is up: the write creates the settings
    // file, which would otherwise hold the dialog back. 0 when nothing waits.
    CAppProfile* m_pProfile = nullptr;
    int m_nZoomToStore = 0;
    wxInfoBarGeneric* m_pInfoBar = nullptr;
    wxTimer m_storeTimer;
    bool m_bStoreNoticeDismissed = false;  // closed by the player: not shown again this session
    wxString m_strStoreNotice;
    CModalWatch m_modalWatch;
};
