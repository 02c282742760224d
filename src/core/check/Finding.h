#pragma once
// One thing the check before filing found on a form: where (the form's print
// box and page, and the field or Directory Worksheet row the user changes to
// mend it), what is wrong in one plain sentence, and how much it matters.

#include <QList>
#include <QString>
#include <QStringList>

namespace brevane {

enum class Severity {
    MustFix,    // the State or a signer would reject the paper
    WorthALook, // probably a slip; the paper may still be right
};

struct Finding
{
    QString box;            // the print box of the form, e.g. "cbxForm532A"
    QStringList alsoIn;     // the other print boxes checked whose forms carry the same fact
    int page = -1;          // the form's page the finding belongs to
    int answerPage = -1;    // the field to change: answer `answer` of page `answerPage`
    int answer = -1;        // (page 0 for the General Information Worksheet); -1 for none
    int row = -1;           // or the Directory Worksheet row, from 0; -1 for none
    bool directory = false; // or the Directory Worksheet as a whole
    QString label;          // the field's label, or the worksheet row it is about
    QString text;           // what is wrong, one plain sentence
    Severity severity = Severity::MustFix;

    bool OnField() const { return answer >= 0 && answerPage >= 0; }
    bool OnDirectory() const { return row >= 0 || directory; }
    // The same fact found wrong: the same field or row, the same sentence.
    bool SameFact(const Finding &other) const;
};

} // namespace brevane

// A finding moves in memory as its strings do: a list of thousands grows
// without copying each one.
Q_DECLARE_TYPEINFO(brevane::Finding, Q_RELOCATABLE_TYPE);

namespace brevane {

// The hash of the fact a finding is about, equal for findings of the same
// fact (Finding::SameFact).
size_t FactHash(const Finding &finding, size_t seed = 0);

// "must fix before filing" or "worth a look".
QString SeverityText(Severity severity);
// The finding as one line: cbxForm532A page 3 "Street address in Ohio": the
// statutory agent's address is a post-office box
QString FindingLine(const Finding &finding);
// The form as the user knows it: its number ("533A") for a State form,
// else the caption of its print box ("Order & Waiver of Notice").
QString FormName(const QString &box);
// The paper a page prints on, as the user knows it: FormName of the first
// print box that prints it ("Waiver of Notice" for page 10); the page's
// name where no box prints it.
QString PaperName(int page);
// The page among the form's own pages: "page 1 of 3".
QString FormPage(const Finding &finding);
// The other forms checked that print the same fact, by name: "Also on
// Share Subscription, 532A."; empty for none.
QString AlsoOn(const Finding &finding);
// The finding in the user's words, for the panel, the dialog before printing
// and the command line: 533A, page 1 of 3, "Name of the company": the name
// does not end as the State requires (...). A fact other forms print names
// them: (also on 532A, page 2 of 4).
QString FindingSentence(const Finding &finding);
// The sentence as `brevane-cli check` prints it, ending with the print
// boxes that name the forms for the command line: ... [cbxForm533A]
QString FindingCommandLine(const Finding &finding);
// Whether any finding must be fixed before filing.
bool HasMustFix(const QList<Finding> &findings);

} // namespace brevane
