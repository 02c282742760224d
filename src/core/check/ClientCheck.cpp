#include "core/check/ClientCheck.h"

#include "core/calc/Calculate.h"
#include "core/check/CheckRules.h"
#include "core/dialogs/Messages.h"
#include "core/document/ClientDocument.h"
#include "core/forms/FormCatalogue.h"
#include "core/forms/PageFacts.h"
#include "core/forms/PageZero.h"
#include "core/store/DirectoryRoles.h"

#include <QRegularExpression>

#include <algorithm>
#include <unordered_map>

namespace brevane {

namespace {

// The role with its article: "an incorporator".
QString roleName(char role)
{
    switch (role) {
    case 'D':
        return QStringLiteral("a director");
    case 'O':
        return QStringLiteral("an officer");
    case 'S':
        return QStringLiteral("a shareholder");
    case 'C':
        return QStringLiteral("an incorporator");
    case 'M':
        return QStringLiteral("a member");
    case 'G':
        return QStringLiteral("a manager");
    case 'I':
        return QStringLiteral("an individual");
    case 'B':
        return QStringLiteral("a business");
    case 'R':
        return QStringLiteral("an authorized representative");
    }
    return QString();
}

bool anyRowHasRole(const DirectoryTable &directory, QChar role)
{
    const QVector<DirectoryRow> &rows = directory.Rows();
    return std::any_of(rows.begin(), rows.end(), [&](const DirectoryRow &row) { return HasRole(row, role); });
}

// The required items of one page that are not met, in copy `copy` of a
// repeatable page (its own answers are read from that copy).
void requiredItems(const TAnswer &answers, const DirectoryTable &directory, int page, int copy, QList<Finding> &out)
{
    const auto filled = [&](const AnswerRef &a) {
        return !answers.Text(a.page, a.page == page ? copy : 0, a.answer).trimmed().isEmpty();
    };
    for (const RequiredItem &item : FactsOfPage(page).required) {
        // An item that depends on another answer is needed only while that one is given.
        if (!item.when.empty() && std::none_of(item.when.begin(), item.when.end(), filled))
            continue;
        if (item.whenRole && !anyRowHasRole(directory, QLatin1Char(item.whenRole)))
            continue;
        Finding f;
        if (item.role) {
            if (anyRowHasRole(directory, QLatin1Char(item.role)))
                continue;
            f.directory = true;
            f.text = QStringLiteral("no row of the Directory Worksheet is %1 (code %2); the form needs one")
                         .arg(roleName(item.role), QString(QLatin1Char(item.role)));
        } else {
            if (std::any_of(item.anyOf.begin(), item.anyOf.end(), filled))
                continue;
            f.answerPage = item.anyOf.front().page;
            f.answer = item.anyOf.front().answer;
            f.text = item.anyOf.size() == 1 ? QStringLiteral("this is empty, and the form needs it")
                                            : QStringLiteral("none of the %1 choices is filled or ticked, and the "
                                                             "form needs one")
                                                  .arg(item.anyOf.size());
        }
        if (!item.when.empty()) {
            const AnswerRef &on = *std::find_if(item.when.begin(), item.when.end(), filled);
            const FieldFact *field = FactsOfPage(on.page).Field(on.answer);
            const bool box = field && field->kind == FieldKind::Check;
            const QString because = AnswerLabel(on.page, on.answer);
            if (!because.isEmpty())
                f.text += QStringLiteral(" when \"%1\" is %2").arg(because, box ? "ticked" : "given");
        } else if (item.whenRole) {
            f.text += QStringLiteral(" when a row is %1").arg(roleName(item.whenRole));
        }
        if (copy > 0)
            f.text += QStringLiteral(" (copy %1)").arg(copy + 1);
        f.severity = Severity::MustFix;
        out << f;
    }
}

// The groups of check boxes of one page with more than one ticked.
void chooseOne(const TAnswer &answers, int page, QList<Finding> &out)
{
    for (const RequiredItem &group : FactsOfPage(page).chooseOne) {
        const AnswerRef *first = nullptr;
        int ticked = 0;
        for (const AnswerRef &a : group.anyOf) {
            if (answers.Text(a.page, 0, a.answer).trimmed().isEmpty())
                continue;
            ++ticked;
            if (!first)
                first = &a;
        }
        if (ticked < 2)
            continue;
        Finding f;
        f.answerPage = first->page;
        f.answer = first->answer;
        f.text = ticked == 2 && group.anyOf.size() == 2 ? QStringLiteral("both choices are ticked; tick only one")
                 : ticked == int(group.anyOf.size())
                     ? QStringLiteral("all %1 choices of this group are ticked; tick only one").arg(ticked)
                     : QStringLiteral("%1 of the %2 choices of this group are ticked; tick only one")
                           .arg(ticked)
                           .arg(group.anyOf.size());
        f.severity = Severity::MustFix;
        out << f;
    }
}

QString directoryLabel(const DirectoryTable &directory, int row)
{
    const QString name = directory.Cell(row, ColName).trimmed();
    QString label = QStringLiteral("Directory Worksheet row %1").arg(row + 1);
    return name.isEmpty() ? label : label + QStringLiteral(", ") + name;
}

// The names of the print boxes `wanted` takes (given its family and itself),
// in the order of the print document.
template <class Wanted> QStringList boxesInPrintOrder(Wanted wanted)
{
    QList<const SelectionBox *> boxes;
    for (const FormFamily &family : FormFamilies())
        for (const SelectionBox &box : family.boxes)
            if (wanted(family, box))
                boxes << &box;
    std::sort(boxes.begin(), boxes.end(),
              [](const SelectionBox *a, const SelectionBox *b) { return a->printOrder < b->printOrder; });
    QStringList names;
    for (const SelectionBox *box : boxes)
        names << box->name;
    return names;
}

} // namespace

unsigned EntityOfClient(const TAnswer &answers, const DirectoryTable &directory)
{
    const QString name = answers.Text(0, 0, G0::EntityName);
    if (anyRowHasRole(directory, QLatin1Char('M')) || anyRowHasRole(directory, QLatin1Char('G')) ||
        (HasCompanyEnding(name) && !HasCorporationEnding(name)))
        return LimitedLiabilityCompany;
    if (!answers.Text(0, 0, G0::Profession).trimmed().isEmpty())
        return ProfessionalAssociation;
    return ForProfitCorporation;
}

namespace {

// Whether the client has begun a later paper of the family: a copy of a
// repeatable page in use, or an entry of the user's own on one of its pages.
bool begun(const TAnswer &answers, const FormFamily &family)
{
    for (const FormPageEntry &entry : family.pages) {
        if (IsRepeatablePage(entry.page)) {
            if (answers.PgCt[size_t(entry.page)] > 0)
                return true;
            continue;
        }
        for (const FieldFact &field : FactsOfPage(entry.page).fields)
            if (field.input && !answers.Text(entry.page, 0, field.answer).trimmed().isEmpty())
                return true;
    }
    return false;
}

} // namespace

QStringList BoxesInUse(const TAnswer &answers, const DirectoryTable &directory)
{
    const unsigned kind = EntityOfClient(answers, directory);
    return boxesInPrintOrder([&](const FormFamily &family, const SelectionBox &box) {
        if (family.key == QLatin1String("worksheets") || (family.formation & kind))
            return true;
        return family.formation == 0 && (box.kinds & kind) && begun(answers, family);
    });
}

QStringList AllBoxes()
{
    return boxesInPrintOrder([](const FormFamily &, const SelectionBox &) { return true; });
}

QList<Finding> CheckForms(const TAnswer &answers, const DirectoryTable &directory, const QStringList &boxes,
                          const QDate &today)
{
    QList<Finding> findings;
    CheckCache cache;
    // The findings so far by their fact, so that a fact several forms print
    // is found again in one step, whatever the number of findings.
    std::unordered_multimap<size_t, qsizetype> byFact;
    const auto earlier = [&](size_t hash, const Finding &f) -> Finding * {
        const auto [from, to] = byFact.equal_range(hash);
        for (auto it = from; it != to; ++it)
            if (findings[it->second].SameFact(f))
                return &findings[it->second];
        return nullptr;
    };
    std::vector<std::pair<size_t, qsizetype>> fresh; // a page's new facts
    for (const QString &name : boxes) {
        const SelectionBox *box = FindSelectionBox(name);
        if (!box)
            continue;
        for (const int page : box->pages) {
            const qsizetype first = findings.size();
            // A page whose calculation could not complete is left out of
            // the print document until it does.
            if (const auto failed = answers.PageFailures.constFind(page); failed != answers.PageFailures.cend()) {
                Finding f;
                f.text = *failed + QStringLiteral("; the paper is left out of the print document");
                findings << f;
            }
            // Each copy of a repeatable page is a paper of its own; one
            // without a copy in use prints nothing.
            const int copies =
                IsRepeatablePage(page) ? std::clamp(answers.PgCt[size_t(page)], 0, ContinuationCount) : 1;
            for (int copy = 0; copy < copies; ++copy)
                requiredItems(answers, directory, page, copy, findings);
            chooseOne(answers, page, findings);
            const CheckContext context{answers, directory, page, today, &cache};
            for (const char *ruleName : FactsOfPage(page).checks)
                if (const CheckRule rule = FindCheckRule(ruleName))
                    rule(context, findings);
            fresh.clear();
            for (qsizetype i = first; i < findings.size();) {
                Finding &f = findings[i];
                const size_t hash = FactHash(f);
                // A fact several forms print is reported once, naming each form.
                if (Finding *same = earlier(hash, f)) {
                    if (same->box != box->name && !same->alsoIn.contains(box->name))
                        same->alsoIn << box->name;
                    // A paper that prints the fact makes it a must.
                    if (f.severity == Severity::MustFix)
                        same->severity = Severity::MustFix;
                    findings.removeAt(i);
                    continue;
                }
                f.box = box->name;
                f.page = page;
                if (f.OnField())
                    f.label = AnswerLabel(f.answerPage, f.answer);
                else if (f.row >= 0)
                    f.label = directoryLabel(directory, f.row);
                else if (f.directory)
                    f.label = QStringLiteral("Directory Worksheet");
                fresh.emplace_back(hash, i);
                ++i;
            }
            // A page's own repeats stay as they are; its first of each fact
            // stands for the later forms.
            for (const auto &[hash, i] : fresh)
                if (!earlier(hash, findings[i]))
                    byFact.emplace(hash, i);
        }
    }
    return findings;
}

QList<Finding> CheckForms(const ClientDocument &client, const QStringList &boxes, const QDate &today)
{
    if (!client.Answers())
        return {};
    return CheckForms(*client.Answers(), client.Directory(), boxes, today);
}

QList<Finding> CalculateAndCheck(TAnswer &answers, const DirectoryTable &directory, const QStringList &boxes,
                                 const QDate &today)
{
    {
        // A page procedure that cannot complete is a finding on its paper
        // (the store keeps why), never a message box.
        const MessageCollector collector;
        static_cast<void>(Calculate(&answers, directory));
    }
    return CheckForms(answers, directory, boxes, today);
}

} // namespace brevane
