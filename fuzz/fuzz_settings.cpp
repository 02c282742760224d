// Feeds arbitrary bytes to the settings file reader.
#include "core/files/Settings.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    brevane::Settings settings;
    brevane::ParseSettings(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), settings);
    brevane::Settings back;
    brevane::ParseSettings(brevane::FormatSettings(settings), back);
    // Whatever was read is written and read back the same (line breaks aside).
    if (back.forceWord != settings.forceWord || back.recentFiles.size() != settings.recentFiles.size())
        __builtin_trap();
    return 0;
}
