// The editor's main window: the action list, the settings of the selected action, the project commands.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "editor/MediaControl.h"
#include "options/Program.h"
#include "platform/win/Handles.h"

namespace quen {

class frmMain {
public:
    explicit frmMain(Program& program);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    ~frmMain();

    // Creates and shows the window without waiting; false when it could not be created.
    bool Show(int showCommand);
    void PlayOpenWave();
    // Plays the program's own CD when one is in a drive; the title then names the track.
    void StartCdAudio();
    HWND hwnd() const { return hwnd_; }
    // The window's keys (Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Alt+Shift+T) and dialog navigation;
    // true when the message was used and must not be dispatched.
    bool PreTranslate(MSG& msg);

    // Applies the current language: font, captions, tool tips, combo items.
    void SetLang();
    // After a language change: directory kind texts of `previous` become the new ones.
    void ReShowlvFile(const DirTypeTexts& previous);
    // Toolbar, combos, frames and the "Total" panel after the action count changed.
    void RefreshStatus();
    // Checks action `index` quietly: ghosts the row with `key` or not and fills the status
    // panels. (Make's interactive check, which shows the first problem, is CheckBeforeMake,
    // shared with QuenMake.)
    void CheckAction(int index, const std::string& key);
    void ClearCheckPanels();  // no action selected: no check result to show
    // Asks whether to save a changed project; true when the caller may go on.
    bool ConfirmDiscard();
    // Opens the project file `path` as the Open command does (also from the command line).
    void OpenProject(const std::string& path);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInit();
    void OnCommand(int id, int code);
    LRESULT OnNotify(NMHDR& hdr);
    void OnSize();
    void OnDrawKindItem(const DRAWITEMSTRUCT& item);
    void OnClose();

    // rows (frmMainList.cpp)
    void AddRow(int index);
    void ShowRow(int index);  // row `index` shows its action again (after a move)
    void SetRowDir(int index);
    void RebuildRows();
    void CheckRow(int index);  // the quiet check of action `index` with its row's key
    void CheckAll(int from);
    int Selected() const;
    void SelectRow(int index);
    void SetPanel(int panel, const std::string& text);
    void LayoutStatus();

    // the settings panel (frmMainPanel.cpp)
    void ShowSelected();
    void ShowKind(int kind);
    void ShowDirFrame(int frame);
    void FillDirFields(int frame);
    void OnKindChosen();
    void OnDirText(const std::string& text, int frame);
    void OnFieldEdited(int id);
    void OnApply(bool all);
    void OnActionDialog(bool bytes);  // Define Byte or Patch Setting

    // the media control (frmMainMedia.cpp)
    static bool IsMediaButton(int id);
    void ShowMediaControl();
    void OnMediaButton(int id);

    // commands (frmMainCommands.cpp)
    void DoAdd();
    // Files and folders dropped from Explorer take the add dialog's way.
    void OnDropFiles(HDROP drop);
    void ShowAddedRows(int before);
    void DoDelete();
    // Moves the selected action one place; false when it did not move.
    bool DoMove(bool up);
    void EnableMoveButtons();
    // A double-clicked row: its kind's dialog, else the box that edits it.
    void OpenSettings();
    void DoMake();
    void DoNew();
    void DoOpen();
    bool DoSave();
    bool DoSaveAs();
    void SetCaption();
    void SyncCaption();  // the change mark follows Modified

    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text);

    Program& program_;
    HWND hwnd_ = nullptr;
    HWND list_ = nullptr;
    HWND status_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND tips_ = nullptr;
    HIMAGELIST images_ = nullptr;
    win::UniqueHFont font_;
    DirTypeTexts texts_;
    std::vector<std::string> rowKeys_;  // row i's key; rows are in action order
    std::string totalPrefix_;
    bool updating_ = false;  // the window's own updates cause no edits
    bool checking_ = false;  // CheckAction is not re-entrant
    bool err2Visible_ = false;
    bool captionModified_ = false;
    MediaControl media_;
    POINT minSize_{};
    RECT initialClient_{};
    struct Anchor {
        HWND hwnd;
        RECT rect;
        bool moveX, moveY, growX, growY;
    };
    std::vector<Anchor> anchors_;
};

}  // namespace quen
