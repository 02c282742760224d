#include "core/office/OhioCalendar.h"

#include "core/check/CheckRules.h"
#include "core/check/ClientCheck.h"
#include "core/forms/FormCatalogue.h"
#include "core/forms/PageZero.h"

#include <QLocale>

#include <algorithm>

namespace brevane {

namespace {

// The longest the articles may wait after filing before they take effect.
constexpr int EffectiveWindowDays = 90;
// Notice of a shareholders' meeting: at least 7, at most 60 days before it.
constexpr int NoticeLeastDays = 7;
constexpr int NoticeMostDays = 60;
// How far NextDueDate looks ahead.
constexpr int LookAheadYears = 3;

QDate dateOf(const TAnswer &answers, int g)
{
    const std::optional<QDate> date = ReadDate(answers.Text(0, 0, g));
    return date ? *date : QDate();
}

bool isCompany(const ClientDates &client)
{
    return client.kind == LimitedLiabilityCompany;
}

// The first Monday of the fourth month after the month in which `close` falls.
QDate annualMeetingAfter(const QDate &close)
{
    QDate day = QDate(close.year(), close.month(), 1).addMonths(4);
    while (day.dayOfWeek() != Qt::Monday)
        day = day.addDays(1);
    return day;
}

class Collector
{
public:
    Collector(const QDate &from, const QDate &to)
        : from_(from)
        , to_(to)
    {}
    bool Within(const QDate &date) const { return date.isValid() && date >= from_ && date <= to_; }
    void Add(const QDate &date, DueKind kind, const QString &title, const QString &source, const QString &help)
    {
        if (Within(date))
            dates_ << DueDate{date, kind, title, source, help};
    }
    const QDate &From() const { return from_; }
    const QDate &To() const { return to_; }
    QList<DueDate> Sorted()
    {
        std::stable_sort(dates_.begin(), dates_.end(),
                         [](const DueDate &a, const DueDate &b) { return a.date < b.date; });
        return dates_;
    }

private:
    QDate from_;
    QDate to_;
    QList<DueDate> dates_;
};

void biennialStatements(const ClientDates &client, Collector &out)
{
    if (client.kind != ProfessionalAssociation)
        return;
    for (int year = out.From().year(); year <= out.To().year(); ++year) {
        if (year % 2 != 0)
            continue;
        const QDate due(year, 7, 30);
        if (client.filed.isValid() && due <= client.filed)
            continue;
        out.Add(due, DueKind::BiennialStatement, QStringLiteral("Biennial statement due (form 520)"),
                QStringLiteral("Ohio Revised Code 1785.06"),
                QStringLiteral("A professional association files a statement with the names and addresses of all its "
                               "shareholders, certifying that each is licensed in its profession, within thirty days "
                               "after June 30 of each even-numbered year: from July 1 to July 30, %1. When it is "
                               "late, the Secretary of State sends a notice and cancels the articles thirty days "
                               "after it unless the statement is filed.")
                    .arg(year));
    }
}

void effectiveDate(const ClientDates &client, Collector &out)
{
    if (!client.effective.isValid())
        return;
    const bool company = isCompany(client);
    const QString source = company ? QStringLiteral("Ohio Revised Code 1706.16; form 533A")
                                   : QStringLiteral("Ohio Revised Code 1701.04; form 532A");
    const QString papers = company ? QStringLiteral("articles of organization") : QStringLiteral("articles");
    if (!client.filed.isValid()) {
        out.Add(client.effective, DueKind::FileArticlesBy, QStringLiteral("Last day to file the %1").arg(papers),
                source,
                QStringLiteral("The %1 give %2 as their effective date. Articles take effect when they are filed or "
                               "on a later date they give, at most %3 days after filing, so they are filed between "
                               "%4 and %2.")
                    .arg(papers, LongDate(client.effective))
                    .arg(EffectiveWindowDays)
                    .arg(LongDate(client.effective.addDays(-EffectiveWindowDays))));
        return;
    }
    const qint64 days = client.filed.daysTo(client.effective);
    QString help = QStringLiteral("The %1 were filed on %2 and take effect on %3, the later date they give; the "
                                  "State allows at most %4 days after filing.")
                       .arg(papers, LongDate(client.filed), LongDate(client.effective))
                       .arg(EffectiveWindowDays);
    if (days < 0 || days > EffectiveWindowDays)
        help += QStringLiteral(" This date is %1, outside that window: the check before filing reports it.")
                    .arg(days < 0 ? QStringLiteral("before the filing")
                                  : QStringLiteral("%1 days after the filing").arg(days));
    out.Add(client.effective, DueKind::ArticlesTakeEffect, QStringLiteral("The %1 take effect").arg(papers), source,
            help);
}

void firstMeetings(const ClientDates &client, Collector &out)
{
    if (isCompany(client))
        return;
    const QDate meeting = client.shareholdersMeeting;
    if (meeting.isValid()) {
        out.Add(meeting.addDays(-NoticeLeastDays), DueKind::ShareholdersNotice,
                QStringLiteral("Last day to give notice of the first shareholders' meeting"),
                QStringLiteral("Code of regulations, Article I, section 4; Ohio Revised Code 1701.41"),
                QStringLiteral("Written notice of the meeting of %1 goes to every shareholder entitled to vote not "
                               "fewer than %2 nor more than %3 days before it: from %4 to %5. A shareholder may waive "
                               "notice in writing.")
                    .arg(LongDate(meeting))
                    .arg(NoticeLeastDays)
                    .arg(NoticeMostDays)
                    .arg(LongDate(meeting.addDays(-NoticeMostDays)), LongDate(meeting.addDays(-NoticeLeastDays))));
        out.Add(meeting, DueKind::ShareholdersMeeting, QStringLiteral("First meeting of the shareholders"),
                QStringLiteral("Order and waiver of notice; notice of the meeting"),
                QStringLiteral("The meeting the incorporators ordered: the shareholders adopt the code of regulations "
                               "and elect the board of directors."));
    }
    out.Add(client.directorsMeeting, DueKind::DirectorsMeeting, QStringLiteral("First meeting of the directors"),
            QStringLiteral("Minutes of the first directors' meeting"),
            QStringLiteral("The directors elect the officers, accept the subscriptions and issue the shares, choose "
                           "the bank and fix the fiscal year."));
}

void fiscalYears(const ClientDates &client, Collector &out)
{
    if (isCompany(client) || !client.fiscalYearEnd.isValid())
        return;
    const QDate first = client.fiscalYearEnd;
    // Each later year ends on the same day of the year; the meeting after a
    // close can fall into the window from a close before it.
    for (int k = 0;; ++k) {
        const QDate close = first.addYears(k);
        if (close > out.To())
            break;
        const QDate meeting = annualMeetingAfter(close);
        if (close >= out.From())
            out.Add(close, DueKind::FiscalYearEnd,
                    k == 0 ? QStringLiteral("First fiscal year ends") : QStringLiteral("Fiscal year ends"),
                    QStringLiteral("Minutes of the first directors' meeting (fiscal year)"),
                    QStringLiteral("The directors fixed the first fiscal year to end on %1; each later one ends on the "
                                   "same day of the year. The financial statements laid before the annual meeting "
                                   "are made up to this day (Ohio Revised Code 1701.38).")
                        .arg(LongDate(first)));
        out.Add(meeting, DueKind::AnnualMeeting, QStringLiteral("Annual meeting of the shareholders"),
                QStringLiteral("Code of regulations, Article I, section 1; Ohio Revised Code 1701.39"),
                QStringLiteral("The shareholders meet once each year, at the time the directors fix, to elect "
                               "directors and receive the officers' reports. Where the directors fix no date, the "
                               "law sets the first Monday of the fourth month after the fiscal year closes: this "
                               "day, for the year ending %1.")
                    .arg(LongDate(close)));
    }
}

void dissolution(const ClientDates &client, Collector &out)
{
    const bool company = isCompany(client);
    out.Add(client.dissolution, DueKind::DissolutionEffective, QStringLiteral("The dissolution takes effect"),
            company ? QStringLiteral("Certificate of dissolution (form 562); Ohio Revised Code 1706.471")
                    : QStringLiteral("Certificate of dissolution (form 561); Ohio Revised Code 1701.86"),
            QStringLiteral("The certificate of dissolution gives this day as the day the dissolution takes effect; "
                           "from then on the %1 only winds up its affairs.")
                .arg(company ? QStringLiteral("company") : QStringLiteral("corporation")));
}

} // namespace

ClientDates DatesOfClient(const TAnswer &answers, const DirectoryTable &directory)
{
    ClientDates dates;
    dates.kind = EntityOfClient(answers, directory);
    dates.filed = dateOf(answers, G0::FilingDate);
    dates.effective = dateOf(answers, dates.kind == LimitedLiabilityCompany ? G0::LlcEffectiveDate : G0::EffectiveDate);
    dates.fiscalYearEnd = dateOf(answers, G0::FiscalYearEnd);
    dates.shareholdersMeeting = dateOf(answers, G0::NoticeMeetingDate);
    if (!dates.shareholdersMeeting.isValid())
        dates.shareholdersMeeting = dateOf(answers, G0::OrderedMeetingDate);
    dates.directorsMeeting = dateOf(answers, G0::DirectorsMeetingDate);
    dates.dissolution = dateOf(answers, G0::DissolutionDate);
    return dates;
}

QList<DueDate> DueDates(const ClientDates &client, const QDate &from, const QDate &to)
{
    Collector out(from, to);
    if (!from.isValid() || !to.isValid() || to < from)
        return {};
    biennialStatements(client, out);
    effectiveDate(client, out);
    firstMeetings(client, out);
    fiscalYears(client, out);
    dissolution(client, out);
    return out.Sorted();
}

std::optional<DueDate> NextDueDate(const ClientDates &client, const QDate &today)
{
    const QList<DueDate> dates = DueDates(client, today, today.addYears(LookAheadYears));
    if (dates.isEmpty())
        return std::nullopt;
    return dates.first();
}

QString LongDate(const QDate &date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(date, QStringLiteral("MMMM d, yyyy"));
}

} // namespace brevane
