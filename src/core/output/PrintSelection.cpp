#include "core/output/PrintSelection.h"

#include <algorithm>

namespace brevane {

namespace {

QList<SelectionBox> makeBoxes()
{
    QList<SelectionBox> boxes;
    for (const FormFamily &family : FormFamilies())
        boxes.append(family.boxes);
    std::sort(boxes.begin(), boxes.end(),
              [](const SelectionBox &a, const SelectionBox &b) { return a.printOrder < b.printOrder; });
    return boxes;
}

CheckedBoxes withoutGroup(CheckedBoxes checked, MarginGroup group)
{
    for (const SelectionBox &box : SelectionBoxes())
        if (box.group == group)
            checked.remove(box.name);
    return checked;
}

} // namespace

const QList<SelectionBox> &SelectionBoxes()
{
    static const QList<SelectionBox> boxes = makeBoxes();
    return boxes;
}

const SelectionBox *FindSelectionBox(const QString &name)
{
    for (const SelectionBox &box : SelectionBoxes())
        if (box.name == name)
            return &box;
    return nullptr;
}

QString SelectionTabCaption(SelectionTab tab)
{
    switch (tab) {
    case TabGeneralInfo:
        return QStringLiteral("General Info. && Sec'y of State");
    case TabCorporations:
        return QStringLiteral("Corporations");
    case TabLLC:
        return QStringLiteral("Limited Liability Companies");
    case TabStock:
        return QStringLiteral("Stock Certificate");
    }
    return QString();
}

CheckedBoxes AfterBoxClick(const CheckedBoxes &checked, const QString &clicked)
{
    const SelectionBox *box = FindSelectionBox(clicked);
    if (!box)
        return checked;
    switch (box->group) {
    case MarginGroup::HalfInch:
        return withoutGroup(checked, MarginGroup::OneInch);
    case MarginGroup::OneInch:
        return withoutGroup(checked, MarginGroup::HalfInch);
    case MarginGroup::Stock: {
        CheckedBoxes result = withoutGroup(withoutGroup(checked, MarginGroup::HalfInch), MarginGroup::OneInch);
        result.remove(clicked == QLatin1String("cbxStockFront") ? QStringLiteral("cbxStockBack")
                                                                : QStringLiteral("cbxStockFront"));
        return result;
    }
    }
    return checked;
}

CheckedBoxes SelectAllBoxes(const CheckedBoxes &checked)
{
    CheckedBoxes result = checked;
    for (const SelectionBox &box : SelectionBoxes())
        if (box.group != MarginGroup::Stock)
            result.insert(box.name);
    return result;
}

CheckedBoxes SelectAllOnTab(const CheckedBoxes &checked, SelectionTab tab, unsigned kinds)
{
    if (tab == TabStock)
        return checked;
    const MarginGroup group = tab == TabGeneralInfo ? MarginGroup::HalfInch : MarginGroup::OneInch;
    CheckedBoxes result =
        withoutGroup(checked, group == MarginGroup::HalfInch ? MarginGroup::OneInch : MarginGroup::HalfInch);
    for (const SelectionBox &box : SelectionBoxes()) {
        if (box.group != group)
            continue;
        if (!(box.kinds & kinds))
            result.remove(box.name); // ticked before, but not for this business
        else if (box.tab == tab)
            result.insert(box.name);
    }
    return result;
}

CheckedBoxes ClearAllBoxes(const CheckedBoxes &checked)
{
    return withoutGroup(withoutGroup(checked, MarginGroup::HalfInch), MarginGroup::OneInch);
}

InitialSelection SelectionForDisplayedPage(int page)
{
    InitialSelection selection;
    const FormFamily *family = FamilyOfPage(page);
    if (!family)
        return selection;
    for (const SelectionBox &box : family->boxes) {
        if (!box.checkedOnDisplay)
            continue;
        if (selection.checked.isEmpty())
            selection.tab = box.tab;
        selection.checked.insert(box.name);
    }
    return selection;
}

} // namespace brevane
