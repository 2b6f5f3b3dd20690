// frmTest: packs and unpacks files with the run-length codec and shows a drive's code.
#include <windows.h>
#include "win/FileDialog.h"

#include "options/ErrorModule.h"
#include "options/RleFileTest.h"
#include "options/win/DriveCodeText.h"
#include "options/win/ModalDialog.h"
#include "options/win/TestDialog.h"
#include "options/win/frmTestIds.h"
#include "platform/Ui.h"
#include "startup/ProgramInfo.h"

namespace quen::options::win {

namespace {

class FrmTest : public ModalDialog {
public:
    explicit FrmTest(Program& program) : program_(program) {}

private:
    void OnCommand(int id, int, HWND) override {
        if (id >= IDC_TEST_BROWSE0 && id <= IDC_TEST_BROWSE0 + 2) Browse(id - IDC_TEST_BROWSE0);
        else if (id == IDC_TEST_RUN0) RunTask([](const std::string& p) { RlePackFile(p); }, 0);
        else if (id == IDC_TEST_RUN0 + 1) RunTask([](const std::string& p) { RleUnpackFile(p); }, 1);
        else if (id == IDC_TEST_CAL) SetItemText(hwnd_, IDC_TEST_VOL, DriveCodeText(ItemText(hwnd_, IDC_TEST_DRV)));
        else if (id == IDC_TEST_EXIT || id == IDCANCEL) EndDialog(hwnd_, IDOK);
    }

    void Browse(int row) {
        const std::string file = quen::win::OpenFileDialog(hwnd_, {"*.*|*.*"});
        if (!file.empty()) SetItemText(hwnd_, IDC_TEST_NAME0 + row, file);
    }

    template <typename Task>
    void RunTask(Task task, int row) {
        // A file that cannot be read or written, or a damaged packed file, is reported and
        // leaves no output behind.
        try {
            task(ItemText(hwnd_, IDC_TEST_NAME0 + row));
        } catch (...) {
            ReportError(program_.lang, "", std::current_exception());
            return;
        }
        platform::ShowMessage("RLE OK!", kProgramName, platform::MsgIcon::Information);
    }

    Program& program_;
};

}  // namespace

}  // namespace quen::options::win

namespace quen {

void ShowTestDialog(HWND owner, Program& program) {
    options::win::FrmTest dialog(program);
    dialog.Run(owner, IDD_TEST);
}

}  // namespace quen
