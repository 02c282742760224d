// Feeds arbitrary bytes to the page screen file reader: it must reject or read
// them without crashing, reading out of bounds or allocating without limit.
// Whatever it reads must write out again and read back to the same tree.
#include "core/dialogs/ErrorCatalogue.h"
#include "core/screens/ComponentReader.h"
#include "core/screens/ComponentWriter.h"

#include <cstddef>
#include <cstdint>

namespace {
struct QuietSink : brevane::MessageSink
{
    void Show(const brevane::ErrorMessage &) override {}
};

// Touches every typed view the page builder uses.
double visit(const brevane::ComponentRecord &record)
{
    double sum = double(record.Tag()) + record.ReadOnly() + record.Visible() + record.Text().size() +
                 record.StyleLookup().size() + record.Left() + record.Top() + record.Width() + record.Height() +
                 record.FontSize().value_or(0);
    for (const brevane::ComponentRecord &child : record.children)
        sum += visit(child);
    return sum;
}

volatile double observed = 0;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QuietSink sink;
    static const bool installed = (brevane::InstallMessageSink(&sink), true);
    (void)installed;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    brevane::ComponentStream stream;
    const bool ok = brevane::ReadComponentStream(bytes, QStringLiteral("fuzz.psf"), stream);
    double seen = double(stream.RootProperties().size()) + stream.RootSize().width();
    for (const brevane::ComponentRecord &root : stream.images)
        seen += visit(root);
    observed = seen;
    if (ok) {
        const QByteArray written = brevane::WriteComponentStream(stream);
        if (written.isEmpty())
            __builtin_trap();
        brevane::ComponentStream again;
        if (!brevane::ReadComponentStream(written, QStringLiteral("again.psf"), again) || !(again == stream))
            __builtin_trap();
        if (brevane::WriteComponentStream(again) != written)
            __builtin_trap();
    }
    return 0;
}
