#include "core/forms/PageFacts.h"

#include <algorithm>

namespace brevane {

const FieldFact *PageFacts::Field(int answer) const
{
    const auto it =
        std::lower_bound(fields.begin(), fields.end(), answer, [](const FieldFact &f, int a) { return f.answer < a; });
    return it != fields.end() && it->answer == answer ? &*it : nullptr;
}

bool TableFact::HasColumn(int answer) const
{
    return std::binary_search(columns.begin(), columns.end(), answer);
}

const TableFact *PageFacts::TableOf(int column) const
{
    for (const TableFact &t : tables)
        if (t.HasColumn(column))
            return &t;
    return nullptr;
}

QString AnswerLabel(int page, int answer)
{
    const FieldFact *field = FactsOfPage(page).Field(answer);
    return field ? QString::fromUtf8(field->label) : QString();
}

QString AnswerName(int page, int answer)
{
    const FieldFact *field = FactsOfPage(page).Field(answer);
    return field ? QString::fromLatin1(field->name) : QString();
}

bool IsDateAnswer(int page, int answer)
{
    const FieldFact *field = FactsOfPage(page).Field(answer);
    return field && field->kind == FieldKind::Date;
}

} // namespace brevane
