// Fuzzes the template reader: any text loads or is refused leaving the options as they
// were; a small loaded template saved again reads back to the same options.
#include <string>

#include "base/Errors.h"
#include "fuzz/FuzzInput.h"
#include "options/Templet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quen;
    const std::string text(reinterpret_cast<const char*>(data), size);
    PatchOptions before;
    before.WelcomTitle = "before";
    before.AddKey = {"STR,HKCU,S,N,V"};
    PatchOptions options = before;
    bool refused = false;
    try {
        refused = ReadTempletText(text, options) == TempletStatus::WrongFile;
    } catch (const Error&) {
        refused = true;
    }
    fuzz::Require(!refused || options == before);
    if (refused) return 0;
    // Saving goes key by key through the INI file: keep it to small templates.
    if (options.AddKeyCount() + options.DelKeyCount() + options.OffKeyCount() > 20) return 0;
    const std::string path = fuzz::ScratchFile("t.tpl", "");
    SaveTemplet(path, options);
    PatchOptions back;
    back.ShowPicture = options.ShowPicture;
    fuzz::Require(ReadTemplet(path, back) == TempletStatus::Loaded && back == options);
    return 0;
}
