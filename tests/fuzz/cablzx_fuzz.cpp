// Round trip of our LZX encoder (and the cabinet around it) through an independent
// reader, libmspack's cabinet decompressor, on files in the scratch folder.
#include <mspack.h>

#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/FuzzInput.h"
#include "maker/cab/CabWriter.h"

// First byte: window bits, level and the x86 translation; second: where the input is cut
// into two files; the rest is the data, repeated to reach past a frame when asked.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quen::cab;
    if (size < 2) return 0;
    CabSettings s;
    s.method = kLzx;
    s.lzxWindowBits = kLzxWindowMin + data[0] % 7;
    s.level = 1 + (data[0] >> 3) % 7;
    s.lzxE8 = (data[0] & 0x80) != 0;
    quen::Bytes body(data + 2, data + size);
    if (data[1] & 0x80) {  // grow past several frames so matches reach across them
        const quen::Bytes once = body;
        while (!once.empty() && body.size() < 3 * kBlockSize) body.insert(body.end(), once.begin(), once.end());
    }
    const std::size_t cut = body.size() * (data[1] & 0x7F) / 127;
    std::vector<CabEntry> files(2);
    files[0].name = "P1";
    files[0].data.assign(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(cut));
    files[1].name = "Setup.ini";
    files[1].data.assign(body.begin() + static_cast<std::ptrdiff_t>(cut), body.end());
    const quen::Bytes cab = WriteCabinet(files, s);

    using quen::fuzz::Require;
    const std::string in =
        quen::fuzz::ScratchFile("in.cab", {reinterpret_cast<const char*>(cab.data()), cab.size()});
    const std::string out = quen::fuzz::ScratchFile("out", "");
    mscab_decompressor* d = mspack_create_cab_decompressor(nullptr);
    mscabd_cabinet* c = d->open(d, in.c_str());
    Require(c != nullptr);
    int i = 0;
    for (mscabd_file* f = c->files; f != nullptr; f = f->next, ++i) {
        Require(i < 2 && d->extract(d, f, out.c_str()) == MSPACK_ERR_OK);
        std::ifstream back(out, std::ios::binary);
        Require(std::string(std::istreambuf_iterator<char>(back), {}) ==
                std::string(files[i].data.begin(), files[i].data.end()));
    }
    Require(i == 2);
    d->close(d, c);
    mspack_destroy_cab_decompressor(d);
    return 0;
}
