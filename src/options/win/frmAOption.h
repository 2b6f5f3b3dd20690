// frmAOption: the patch options dialog's view over its tab pages.
#pragma once

#include <array>
#include <memory>

#include "options/Program.h"
#include "options/PreviewModel.h"
#include "options/RegistryLists.h"
#include "options/win/ModalDialog.h"
#include "platform/win/Handles.h"

namespace quen::options::win {

class FrmAOption : public ModalDialog {
public:
    explicit FrmAOption(Program& program);
    bool saved() const { return saved_; }

private:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    INT_PTR OnNotify(NMHDR* header) override;
    void OnError() override;

    // frmAOption.cpp: pages, captions, load and save steps, templates, previews
    void MakePages();
    void SetCaptions();
    void ShowPage(int index);
    void LoadStep();
    void SaveStep();
    void SaveTemplate();
    void LoadTemplate();
    void Preview(PreviewKind kind);
    void OnWindowText(HWND page, int base, int id, HWND edit);

    // frmAOptionRegistry.cpp
    void InitRegistry();
    void ShowRegistryList(bool refresh);
    void AddEntry();
    void DeleteEntry();
    void GuardRetainValue(bool picked);

    // frmAOptionFace.cpp: picture, icon, fonts, samples
    void PictureTest();
    void BrowsePicture();
    void BrowseIcon();
    void IconCheckOnLoad();
    bool ShowIcon(const std::string& path);
    void PickFont();
    void FontLabelsChanged();
    void UpdateSamples();

    Program& program_;
    PatchOptions& options_;
    RegistryLists lists_;
    std::array<HWND, 8> pages_{};
    RegValueType valueType_ = RegValueType::Str;
    bool guarding_ = false;
    bool saved_ = false;
    quen::win::UniqueHFont langFont_;
    quen::win::UniqueHFont sampleFont_;
    quen::win::UniqueHFont boxFont_;  // the text boxes': the interface font's face, the language's size
    quen::win::UniqueHBitmap picture_;
    quen::win::UniqueHIcon icon_;
};

}  // namespace quen::options::win
