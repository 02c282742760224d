// Feeds arbitrary bytes to the client file reader: it must reject or load
// them without crashing, reading out of bounds or allocating without limit.
#include "core/dialogs/ErrorCatalogue.h"
#include "core/files/ClientFile.h"

#include <cstddef>
#include <cstdint>

namespace {
struct QuietSink : brevane::MessageSink
{
    void Show(const brevane::ErrorMessage &) override {}
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QuietSink sink;
    static brevane::TAnswer *store = [] {
        brevane::InstallMessageSink(&sink);
        return new brevane::TAnswer;
    }();
    brevane::DirectoryTable directory;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (brevane::ReadClientFile(bytes, *store, directory)) {
        // What was read must write out again.
        const QByteArray written = brevane::WriteClientFile(*store, directory);
        if (written.isEmpty())
            __builtin_trap();
    }
    return 0;
}
