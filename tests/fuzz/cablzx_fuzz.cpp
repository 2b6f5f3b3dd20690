// Round trip of our LZX encoder (and the cabinet around it) through an independent
// reader, libmspack's cabinet decompressor, working on memory buffers.
#include <mspack.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "maker/cab/CabWriter.h"

namespace {

// In-memory files by name for libmspack's system interface.
std::map<std::string, std::string> g_files;

struct MemFile {
    std::string* data;
    std::size_t pos;
};

mspack_file* Open(mspack_system*, const char* name, int mode) {
    if (mode == MSPACK_SYS_OPEN_READ && g_files.count(name) == 0) return nullptr;
    std::string& data = g_files[name];
    if (mode == MSPACK_SYS_OPEN_WRITE) data.clear();
    return reinterpret_cast<mspack_file*>(new MemFile{&data, 0});
}
void Close(mspack_file* f) { delete reinterpret_cast<MemFile*>(f); }
int Read(mspack_file* f, void* buffer, int bytes) {
    MemFile* m = reinterpret_cast<MemFile*>(f);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(bytes), m->data->size() - m->pos);
    std::memcpy(buffer, m->data->data() + m->pos, n);
    m->pos += n;
    return static_cast<int>(n);
}
int Write(mspack_file* f, void* buffer, int bytes) {
    MemFile* m = reinterpret_cast<MemFile*>(f);
    m->data->append(static_cast<const char*>(buffer), static_cast<std::size_t>(bytes));
    return bytes;
}
int Seek(mspack_file* f, off_t offset, int mode) {
    MemFile* m = reinterpret_cast<MemFile*>(f);
    const off_t base = mode == MSPACK_SYS_SEEK_START ? 0 : mode == MSPACK_SYS_SEEK_CUR ? static_cast<off_t>(m->pos)
                                                                                         : static_cast<off_t>(m->data->size());
    if (base + offset < 0 || base + offset > static_cast<off_t>(m->data->size())) return 1;
    m->pos = static_cast<std::size_t>(base + offset);
    return 0;
}
off_t Tell(mspack_file* f) { return static_cast<off_t>(reinterpret_cast<MemFile*>(f)->pos); }
void Message(mspack_file*, const char*, ...) {}
void* Alloc(mspack_system*, size_t bytes) { return std::malloc(bytes); }
void Free(void* p) { std::free(p); }
void Copy(void* src, void* dest, size_t bytes) { std::memmove(dest, src, bytes); }

mspack_system g_system = {Open, Close, Read, Write, Seek, Tell, Message, Alloc, Free, Copy, nullptr};

}  // namespace

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

    g_files.clear();
    g_files["in.cab"].assign(cab.begin(), cab.end());
    mscab_decompressor* d = mspack_create_cab_decompressor(&g_system);
    mscabd_cabinet* c = d->open(d, "in.cab");
    if (c == nullptr) std::abort();
    int i = 0;
    for (mscabd_file* f = c->files; f != nullptr; f = f->next, ++i) {
        if (d->extract(d, f, f->filename) != MSPACK_ERR_OK) std::abort();
        if (g_files[f->filename] != std::string(files[i].data.begin(), files[i].data.end())) std::abort();
    }
    if (i != 2) std::abort();
    d->close(d, c);
    mspack_destroy_cab_decompressor(d);
    return 0;
}
