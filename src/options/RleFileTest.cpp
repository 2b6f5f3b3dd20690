// The test dialog's run-length tasks on whole files.
#include "options/RleFileTest.h"

#include "base/Errors.h"
#include "maker/RLEModuleX.h"
#include "platform/Files.h"

namespace quen {

namespace {

Bytes ReadAll(const std::string& path) {
    std::string data;
    if (int e = platform::ReadWholeFile(path, data)) throw Error(e, "Cannot read " + path + ".");
    return Bytes(data.begin(), data.end());
}

void WriteAll(const std::string& path, const Bytes& bytes) {
    if (int e = platform::WriteFileReplacing(path, std::string(bytes.begin(), bytes.end())))
        throw Error(e, "Cannot write " + path + ".");
}

}  // namespace

void RlePackFile(const std::string& path) { WriteAll(path + ".dat", RlePackContainer(ReadAll(path))); }

void RleUnpackFile(const std::string& path) { WriteAll(path + ".DeDat", RleUnpackContainer(ReadAll(path))); }

}  // namespace quen
