#pragma once
// What a page procedure works with: the answers of its own page and
// continuation, page 0 (G, by the names in G0), other pages of the same run,
// the directory rows, and the building blocks that recur on many form pages.
//
// Every write is one of two kinds: Always (recomputed on every run whatever
// the answer's override flag says) or Guarded (skipped while the user has
// overridden that very answer). Every access is checked against the page's
// answer list and throws AnswerRangeError outside it.

#include "core/forms/PageZero.h"
#include "core/store/Answers.h"
#include "core/store/DirectoryRoles.h"
#include "core/store/DirectoryTable.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace brevane {

enum class Write { Always, Guarded };

// A meeting as page 0 gives it: its place (street, city, building or room)
// and its time (date, time of day, and the AM and PM boxes).
struct PageZeroMeeting
{
    int street, city, room, date, time, am, pm;
};
// The first shareholders' meeting as the incorporators order it, the same
// meeting as the notice to shareholders gives it, and the first directors'
// meeting.
inline constexpr PageZeroMeeting OrderedMeeting{
    G0::OrderedMeetingStreet, G0::OrderedMeetingCity, G0::OrderedMeetingRoom, G0::OrderedMeetingDate,
    G0::OrderedMeetingTime,   G0::OrderedMeetingAm,   G0::OrderedMeetingPm};
inline constexpr PageZeroMeeting NoticeMeeting{G0::NoticeMeetingStreet, G0::NoticeMeetingCity, G0::NoticeMeetingRoom,
                                               G0::NoticeMeetingDate,   G0::NoticeMeetingTime, G0::NoticeMeetingAm,
                                               G0::NoticeMeetingPm};
inline constexpr PageZeroMeeting DirectorsMeeting{
    G0::DirectorsMeetingStreet, G0::DirectorsMeetingCity, G0::DirectorsMeetingRoom, G0::DirectorsMeetingDate,
    G0::DirectorsMeetingTime,   G0::DirectorsMeetingAm,   G0::DirectorsMeetingPm};

// The name a row signs with: its Name for an individual (role I), the
// name of the person signing for a business (role B, its ByName without the
// capacity; a row with both ends as the business); empty for a row with neither.
QString SigningName(const DirectoryRow &row);

// A time of day as typed, apart from the half of the day typed with it:
// "4:00 p.m." is "4:00" and "P", "10 AM" is "10" and "A"; a time without
// one keeps its text and has an empty half.
struct TypedTime
{
    QString time;
    QString half; // "A", "P" or empty
};
TypedTime SplitTypedTime(const QString &typed);

// Names as a sentence lists them: "A", "A and B", "A, B and C"; none gives
// the empty text.
QString JoinAsSentence(const QStringList &names);

// The par value as the articles state it: "$10.00", or "No par value" for
// shares without one (the worksheet leaves it empty or at 0.00).
QString ParValueText(const QString &par);

// The purpose as the sentence that states it ends: with a period where the
// user typed none; `midSentence` (after "is") also lowers a leading "To",
// "The", "A" or "An" ("is to roast and sell coffee."). Empty stays empty.
QString PurposeClause(const QString &purpose, bool midSentence);

// A number of shares as the papers print it, with the separators every
// printed count has ("1000" gives "1,000"); text that is no whole number
// stays as typed, and empty stays empty.
QString ShareCountText(const QString &shares);

// A member's interest as the papers print it, one percent sign whether or not
// the user typed one ("40" and "40%" both give "40%"); empty stays empty.
QString InterestText(const QString &interest);

// The line under a business's name where its signer signs for it: "By: Janet
// Sobczak, its President", with a blank to write in by hand for a name or a
// capacity the worksheet does not hold; empty for a row without role B.
QString BusinessSignerLine(const DirectoryRow &row);

// A later filing that may change the entity's name (PageCalc.cpp).
struct NameChange;

class PageCalc
{
public:
    PageCalc(TAnswer &store, const DirectoryTable &directory, int page, int continuation = 0);

    int Page() const { return page_; }
    int Continuation() const { return continuation_; }
    const DirectoryTable &Directory() const { return directory_; }

    // Answer n of page 0, named in G0 (G(G0::Bank)).
    const QString &G(int n) const { return store_.Text(0, 0, n); }
    // Page-0 answer n is a ticked check box ("X").
    bool Ticked(int n) const { return G(n) == QLatin1String("X"); }
    // Answer k of this page and continuation.
    const QString &Get(int k) const { return store_.Text(page_, continuation_, k); }
    // Answer k of another page, continuation 0.
    const QString &OtherPage(int page, int k) const { return store_.Text(page, 0, k); }
    // Answer k of another copy of this page (a repeatable page's earlier
    // sheet, which the run has already calculated).
    const QString &OtherCopy(int continuation, int k) const { return store_.Text(page_, continuation, k); }
    bool Overridden(int k) const { return store_.OvRide(page_, continuation_, k); }

    void Always(int k, const QString &text) { store_.SetText(page_, continuation_, k, text); }
    void Guarded(int k, const QString &text);
    void Set(Write kind, int k, const QString &text);
    // Page-0 answers `g`, in order, to this page's answers from `first` on.
    void CopyPageZero(Write kind, int first, std::initializer_list<int> g);

    // The entity's name as it stood on `date` (a date as the answers or the
    // papers write it). A certificate of amendment (a company's 543A, a
    // corporation's 540) that changes the name records the name before it
    // and the day the change took effect: a paper of an earlier day bears
    // the earlier name, as does every dated paper while the certificate
    // records no such day (the change is not yet in force). A paper on or
    // after that day, and one without a readable date, bears the name of
    // the General Information Worksheet, which the user brings up to date.
    QString EntityNameOn(const QString &date) const;
    // The name the entity was formed under, which its articles and first
    // meetings bear: the name before a certificate of amendment changed it,
    // else the name of the General Information Worksheet.
    QString EarliestEntityName() const;

    // The client is a professional association, as the program tells the
    // kind of business everywhere (EntityOfClient): no member or manager, a
    // corporation's name and a profession given.
    bool IsProfessionalAssociation() const;

    // "X" at answer k when the Directory Worksheet has exactly one member
    // (role M), else empty, written Always: the operating agreement's pages
    // print their sections for a sole member while it is ticked, and those
    // that speak of the other members while it is not.
    void SoleMemberMark(int k);

    // A growing table of the page (`.repeat COUNT STEP grow` in its form
    // source). Row `row` of the column whose first row is answer `column`:
    // within the rows the page keeps, the answer `step` × row above it,
    // written as `kind` says (the screen shows it and an override holds);
    // beyond them a row of the run that is not saved. Every row of every
    // list the client has is written through Row, however many there are.
    void Row(int row, int column, const QString &text, Write kind = Write::Always);
    // The cell as Row wrote it (or the user overrode it), empty beyond the
    // rows written.
    QString RowAt(int row, int column) const;
    // The rows the page keeps answers for in the table of `column`.
    int KeptRows(int column) const;
    // Row `row` of the column `column` of another page's growing table
    // (continuation 0), as that page's procedure wrote it this run.
    QString OtherRow(int page, int row, int column) const;
    // The rows another page's growing table has this run: its kept rows, or
    // as many as its procedure wrote beyond them.
    int OtherRows(int page, int column) const;
    // Clears the column's kept rows (a guarded clear skips an overridden
    // answer), so that a row no longer in the list leaves nothing behind.
    void ClearColumn(int column, Write kind = Write::Always);

    // Page-0 date g converted to its long form ("January 5, 2018"); other text unchanged.
    QString DateOf(int g) const;

    // AM/PM mark for a time: "A" when page-0 box amBox is ticked, then "P"
    // when pmBox is ticked; neither leaves the target as it is. Written Always.
    void AmPm(int target, int amBox, int pmBox);
    // The time of page-0 answer `time` at answer `first`, without a half of
    // the day typed with it, and its AM/PM mark at first + 1: as AmPm, and
    // where neither box is ticked the half typed with the time ("4:00 p.m."
    // prints "4:00 P.M.", never "4:00 p.m. P.M." or "p.m..").
    void TimeOfDay(Write kind, int first, int time, int amBox, int pmBox);

    // A page-0 meeting's building or room, where there is one, then its
    // street: "Conference Room B, 1200 Canal Street". A place without a room
    // prints no blank before its street.
    QString MeetingPlace(const PageZeroMeeting &meeting) const;
    // The first meeting of the shareholders, at answers first to first + 5
    // as MeetingPlaceAndTime writes them (Always): the place and time the
    // notice to shareholders gives it where the worksheet gives the notice
    // its own, otherwise the meeting the incorporators ordered, on the
    // notice's date where there is one.
    void FirstShareholdersMeeting(int first);
    // A page-0 meeting's place (as MeetingPlace) at
    // answer first, its city at first + 1, long date and time at first + 3
    // and first + 4, and its AM/PM mark at first + 5 (always written, as
    // AmPm). Answer first + 2 is left alone: the room prints with the street.
    void MeetingPlaceAndTime(Write kind, int first, const PageZeroMeeting &meeting);
    // The page-0 representative's street, city, state and ZIP code at answers
    // first to first + 3.
    void RepresentativeAddress(Write kind, int first);
    // The statutory agent's name, street, city and ZIP code at answers first
    // to first + 3, written Always.
    void AgentNameAndAddress(int first);

    // Signer slot k of a block starting at answer `first`: business name,
    // signature line, printed name at first + 3k, +1, +2.
    void FillSlot(int first, int slot, const QString &business, const QString &line, const QString &printed,
                  Write kind = Write::Guarded);
    // Signer rule: a row with role I fills the slot with (empty, empty, Name);
    // then a row with role B with (Name, empty, ByName). Neither leaves it.
    void SignerRule(int first, int slot, const DirectoryRow &row, Write kind = Write::Guarded);

    // Incorporators' signature block: `slotCount` signer slots from answer 0,
    // each answer cleared unless overridden, then, where the incorporators
    // acted, the first incorporators (role C, directory order) written by the
    // signer rule, one a slot. Where the directors or the shareholders acted
    // the slots stay empty: nobody signs as an incorporator for their act.
    // The names under which every incorporator (role C, in directory order)
    // signs, one a row of the growing table of `column`; the kept rows of
    // missing incorporators are cleared. Always written.
    void IncorporatorRows(int column);
    void IncorporatorSignatures(int slotCount = 3, bool incorporatorsActed = true);
    // Another page's check box n (continuation 0) is ticked.
    bool OtherTicked(int page, int n) const { return OtherPage(page, n) == QLatin1String("X"); }

    // Appointment of the statutory agent and the agent's acceptance: the
    // entity (answers 0 and 6), the agent's name, street, city and ZIP code
    // (1 to 4) and the agent's name again under the acceptance (5).
    void StatutoryAgentAppointment();

    // Representative signature block of `slotCount` slots from answer `first`.
    // Slot 0 takes the page-0 representative when a type mark
    // (RepresentativeIsBusiness, RepresentativeIsIndividual) is ticked; the
    // directory's R rows fill the other slots. With `usePageZero` false (a
    // page without a page-0 representative) only the directory rows are used.
    void RepresentativeBlock(int first, int slotCount, const QString &businessName, bool usePageZero = true);
    // The titles of a representative block's signers, at answers first,
    // first + step, ...: the page-0 representative, a person, signs in slot 0
    // with the title given there; every other signer's capacity is written by
    // hand. Each write unless overridden.
    void RepresentativeTitles(int first, int slotCount, int step);

private:
    // The certificate of amendment that records a change of name, or nullptr.
    const NameChange *RecordedNameChange() const;

    TAnswer &store_;
    const DirectoryTable &directory_;
    int page_;
    int continuation_;
};

} // namespace brevane
