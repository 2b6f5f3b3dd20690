// A modal dialog from an .rc template: one procedure stores `this` and forwards to virtuals,
// catching every exception so none crosses the window procedure.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "win/DialogItems.h"

namespace quen::win {

class ModalDialog {
public:
    ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;
    virtual ~ModalDialog() = default;

    // Runs the dialog owned by `owner` (disabled meanwhile); the value given to EndDialog.
    INT_PTR Run(HWND owner, int templateId);
    // Creates a child page of this dialog from a template; its commands reach OnCommand.
    HWND CreatePage(HWND parent, int templateId);
    // Fills the tab control `tabId` with `titles` and makes one hidden page per template in
    // `pages`, each filling what the strip leaves below its tabs. There may be more pages than
    // tabs: a page without a tab is reached otherwise.
    void CreateTabPages(int tabId, std::span<const std::string> titles, std::span<const int> templates,
                        std::span<HWND> pages);

protected:
    virtual void OnInit() {}
    virtual void OnCommand(int id, int code, HWND control) { (void)id, (void)code, (void)control; }
    virtual INT_PTR OnNotify(NMHDR* header) { (void)header; return 0; }
    // Anything else; true when handled.
    virtual bool OnOther(UINT msg, WPARAM wp, LPARAM lp) { (void)msg, (void)wp, (void)lp; return false; }
    virtual void OnClose() { EndDialog(hwnd_, IDCANCEL); }
    // An exception escaped a handler (std::current_exception() holds it): the dialog stays open.
    virtual void OnError() {}
    // True while OnInit runs, so OnError can tell a failed start from a failed command.
    bool Initialising() const { return initialising_; }

    HWND hwnd_ = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    static INT_PTR CALLBACK PageProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    bool initialising_ = false;
};


}  // namespace quen::win
