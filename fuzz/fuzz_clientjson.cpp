// Feeds arbitrary bytes to the JSON import of a client.
#include "core/dialogs/ErrorCatalogue.h"
#include "core/exchange/ClientJson.h"
#include "core/files/ClientFile.h"

#include <cstddef>
#include <cstdint>

namespace {

class Silent : public brevane::MessageSink
{
public:
    void Show(const brevane::ErrorMessage &) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Silent silent;
    brevane::InstallMessageSink(&silent);
    brevane::TAnswer store;
    brevane::DirectoryTable directory;
    const brevane::Outcome read =
        brevane::ReadClientJson(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), store, directory);
    if (!read)
        return 0;
    // What was taken is written out and read back to the same client file.
    brevane::TAnswer back;
    brevane::DirectoryTable backDirectory;
    if (!brevane::ReadClientJson(brevane::WriteClientJson(store, directory), back, backDirectory))
        __builtin_trap();
    if (brevane::WriteClientFile(back, backDirectory) != brevane::WriteClientFile(store, directory))
        __builtin_trap();
    return 0;
}
