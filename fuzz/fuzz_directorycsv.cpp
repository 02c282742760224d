// Feeds arbitrary bytes to the CSV import of the Directory Worksheet.
#include "core/exchange/DirectoryCsv.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const brevane::DirectoryCsvImport import(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!import.Problems().isEmpty()) {
        (void)import.ProblemText();
        return 0;
    }
    // Rows taken are written out and read back the same.
    const brevane::DirectoryTable rows = import.Rows();
    const brevane::DirectoryCsvImport again(brevane::WriteDirectoryCsv(rows));
    if (!again.Problems().isEmpty() || !(again.Rows() == rows))
        __builtin_trap();
    return 0;
}
