// brevane-formview: draws a page screen file as a picture, for looking at a
// form page's layout without the program.
//
//   brevane-formview PAGE.psf OUT.png
//
// Labels show their text (a label bound to an answer shows "<n>"), fields
// their answer number in the colour of their style; help callouts are left
// out.

#include "core/screens/ComponentReader.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

using namespace brevane;

namespace {

QColor fieldColour(const QString &style)
{
    const QString s = style.toLower();
    if (s == QLatin1String("editoverrideable") || s == QLatin1String("memooverrideable"))
        return QColor(0xF0, 0xFF, 0xFF);
    if (s == QLatin1String("editreadonly") || s == QLatin1String("memoreadonly"))
        return QColor(0xFF, 0xF8, 0xDC);
    if (s == QLatin1String("editglobal"))
        return QColor(0xFF, 0xE4, 0xE1);
    return Qt::white;
}

void draw(QPainter &p, const ComponentRecord &r, QPointF origin)
{
    if (!r.Visible())
        return;
    const QRectF box(origin.x() + r.Left(), origin.y() + r.Top(), r.Width(), r.Height());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(r.FontSize().value_or(14)));
    if (const StreamValue *style = r.Property(u"TextSettings.Font.Style"))
        font.setBold(style->names.contains(QStringLiteral("fsBold")));
    p.setFont(font);
    const QString cls = r.className;
    if (cls == QLatin1String("TLabel")) {
        p.setPen(Qt::black);
        const QString text = r.Tag() ? QStringLiteral("<%1>").arg(r.Tag()) : r.Text();
        if (r.Tag()) {
            p.setPen(QColor(0, 0, 160));
        }
        p.drawText(box, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextDontClip, text);
        p.setPen(QColor(255, 0, 0, 60));
        p.drawRect(box);
    } else if (cls == QLatin1String("TEdit") || cls == QLatin1String("TMemo")) {
        p.fillRect(box, fieldColour(r.StyleLookup()));
        p.setPen(Qt::gray);
        p.drawRect(box);
        p.setPen(QColor(90, 90, 90));
        QFont small = font;
        small.setPixelSize(10);
        small.setBold(false);
        p.setFont(small);
        p.drawText(box.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("%1 %2").arg(r.Tag()).arg(r.StyleLookup()));
    } else if (cls == QLatin1String("TCheckBox")) {
        p.setPen(Qt::black);
        const QRectF tick(box.left() + 2, box.center().y() - 8, 16, 16);
        p.fillRect(tick, fieldColour(r.StyleLookup().startsWith(QLatin1String("CheckBox"), Qt::CaseInsensitive)
                                         ? QStringLiteral("EditOverrideable")
                                         : QString()));
        p.drawRect(tick);
    } else if (cls == QLatin1String("TButton")) {
        p.fillRect(box, QColor(0xDD, 0xDD, 0xDD));
        p.setPen(Qt::black);
        p.drawRect(box);
        p.drawText(box, Qt::AlignCenter, r.Text());
    }
    if (cls == QLatin1String("TCalloutPanel"))
        return;
    for (const ComponentRecord &child : r.children)
        draw(p, child, box.topLeft());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: brevane-formview PAGE.psf OUT.png\n", stderr);
        return 2;
    }
    ComponentStream stream;
    if (!LoadComponentStream(QString::fromLocal8Bit(argv[1]), stream)) {
        std::fprintf(stderr, "%s: not a page screen file\n", argv[1]);
        return 1;
    }
    const QSizeF size = stream.RootSize();
    QImage image(QSize(int(qMax(size.width(), 100.0)), int(qMax(size.height(), 100.0))), QImage::Format_RGB32);
    image.fill(QColor(0xF4, 0xF4, 0xF4));
    QPainter painter(&image);
    for (const ComponentRecord &root : stream.images)
        for (const ComponentRecord &child : root.children)
            draw(painter, child, QPointF(0, 0));
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
        return 1;
    }
    return 0;
}
