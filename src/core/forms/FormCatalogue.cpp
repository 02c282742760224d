#include "core/forms/FormCatalogue.h"

#include "core/forms/PageFacts.h"
#include "core/store/PageCatalogue.h"

#include <array>

namespace brevane {

namespace {

// The sections of the print dialog.
const char *const General = "General";
const char *const Corporations = "Corporations";
const char *const Professional = "Professional Associations";
const char *const Llc = "Limited Liability Companies";
const char *const Incorporators = "Proceedings Of Incorporators";
const char *const Shareholders = "Minutes of First Shareholders' Meeting";
const char *const Directors = "Minutes of First Directors' Meeting";
const char *const Misc = "Miscellaneous";

// A print box; `pages` empty prints the family's pages.
SelectionBox box(const char *name, const char *caption, SelectionTab tab, const char *section, int dialogOrder,
                 int printOrder, QList<int> pages = {})
{
    const MarginGroup group = tab == TabGeneralInfo ? MarginGroup::HalfInch
                              : tab == TabStock     ? MarginGroup::Stock
                                                    : MarginGroup::OneInch;
    SelectionBox box;
    box.name = QLatin1String(name);
    box.caption = QLatin1String(caption);
    box.tab = tab;
    box.section = QLatin1String(section);
    box.group = group;
    box.dialogOrder = dialogOrder;
    box.printOrder = printOrder;
    box.pages = std::move(pages);
    const unsigned every = ForProfitCorporation | ProfessionalAssociation | LimitedLiabilityCompany;
    const QLatin1String in(section);
    box.kinds = tab == TabCorporations                      ? ForProfitCorporation | ProfessionalAssociation
                : tab == TabLLC || in == QLatin1String(Llc) ? unsigned(LimitedLiabilityCompany)
                : in == QLatin1String(Corporations)         ? unsigned(ForProfitCorporation)
                : in == QLatin1String(Professional)         ? unsigned(ProfessionalAssociation)
                                                            : every;
    return box;
}

FormFamily item(const char *key, const char *place, const char *caption, int page, QList<SelectionBox> boxes)
{
    FormFamily family;
    family.key = QLatin1String(key);
    family.place = QLatin1String(place);
    family.caption = QLatin1String(caption);
    family.layout = FamilyLayout::Item;
    family.pages = {{page}};
    family.boxes = std::move(boxes);
    return family;
}

FormFamily pages(const char *key, const char *place, const char *caption, QList<FormPageEntry> entries,
                 QList<SelectionBox> boxes)
{
    FormFamily family = item(key, place, caption, 0, std::move(boxes));
    family.layout = FamilyLayout::Pages;
    family.pages = std::move(entries);
    return family;
}

FormFamily repeatable(const char *key, const char *place, const char *caption, int page, QList<SelectionBox> boxes)
{
    FormFamily family = item(key, place, caption, page, std::move(boxes));
    family.layout = FamilyLayout::Repeatable;
    return family;
}

// The pages first to last, each captioned "Page k".
QList<FormPageEntry> run(int first, int last)
{
    QList<FormPageEntry> entries;
    for (int p = first; p <= last; ++p)
        entries.append(FormPageEntry{p});
    return entries;
}

QList<FormPageEntry> operator+(QList<FormPageEntry> entries, const FormPageEntry &more)
{
    entries.append(more);
    return entries;
}

// The filing instructions of a form, shown as its last page.
FormPageEntry instructions(int page, Offered offered = Offered::Both)
{
    return FormPageEntry{page, "Instructions", offered, true};
}

FormFamily treeCaption(FormFamily family, const char *caption)
{
    family.treeCaption = QLatin1String(caption);
    return family;
}

// Part of the papers that form a business of the kinds `kinds`.
FormFamily forming(FormFamily family, unsigned kinds)
{
    family.formation = kinds;
    return family;
}

// Prior and Next do not walk it, and its pages mark no tree item.
FormFamily untracked(FormFamily family)
{
    family.tracked = false;
    return family;
}

std::vector<FormFamily> makeFamilies()
{
    const char *const incorporation = "Corporation/Proceedings of Incorporators";
    const char *const firstShareholders = "Corporation/First Shareholders' Meeting";
    const char *const firstDirectors = "Corporation/First Directors Meeting";
    const char *const corporateMisc = "Corporation/Miscellaneous";
    const char *const llc = "Limited Liability Company";
    const char *const misc = "Miscellaneous";
    const auto G = TabGeneralInfo;
    const auto C = TabCorporations;
    const auto L = TabLLC;
    const auto S = TabStock;

    FormFamily stock =
        pages("stock", corporateMisc, "Stock Certificate", {{86, "Front"}, {87, "Back", Offered::Tree}},
              {box("cbxStockFront", "Front", S, "", 36, 37, {86}), box("cbxStockBack", "Back", S, "", 37, 38, {87})});
    stock.oneMenuItem = true;
    for (SelectionBox &b : stock.boxes)
        b.checkedOnDisplay = false;

    // Menu and tree order. The print order (the sixth number of a box) puts
    // the minute book before the State forms, and "Waiver of Notice" after
    // "Notice of Shareholders' Meeting && Waiver".
    std::vector<FormFamily> families = {
        untracked(item("worksheets", "", "General Information Worksheet", 0,
                       {box("cbxGeneralInformationWorksheet", "General Information && Directory Worksheets", G, General,
                            0, 1, {0, 88})})),

        forming(treeCaption(item("incorporators", incorporation, "Commencement", 1,
                                 {box("cbxPOC_Page1", "Page 1", C, Incorporators, 17, 4)}),
                            "Page 1"),
                ForProfitCorporation | ProfessionalAssociation),
        forming(pages("532A", incorporation, "Articles (532A-For Profit)", run(2, 4) + instructions(5),
                      {box("cbxForm532A", "Initial Articles of Incorporation (Form 532A)", G, Corporations, 6, 26)}),
                ForProfitCorporation),
        forming(untracked(pages(
                    "532C", incorporation, "Articles (532C-Prof Assoc)", run(39, 41) + instructions(42),
                    {box("cbxForm532C", "Initial Articles of Incorporation (Form 532C)", G, Professional, 11, 33)})),
                ProfessionalAssociation),
        forming(item("order", incorporation, "Order && Waiver", 7,
                     {box("cbxPOC_OrderWaiver", "Order && Waiver of Notice", C, Incorporators, 18, 5)}),
                ForProfitCorporation | ProfessionalAssociation),
        forming(item("subscription", incorporation, "Share Subscription", 8,
                     {box("cbxPOC_ShareSubscription", "Share Subscription", C, Incorporators, 19, 6)}),
                ForProfitCorporation | ProfessionalAssociation),
        forming(item("notice", incorporation, "Notice to Shareholders", 9,
                     {box("cbxPOC_NoticeWaiver", "Notice of Shareholders' Meeting && Waiver", C, Incorporators, 20, 7,
                          {9, 10})}),
                ForProfitCorporation | ProfessionalAssociation),
        forming(item("waiver", incorporation, "Waiver of Notice", 10,
                     {box("cbxPOC_WaiverOfNotice", "Waiver of Notice", C, Incorporators, 21, 8)}),
                ForProfitCorporation | ProfessionalAssociation),
        forming(item("protem", incorporation, "Election of Chairman Pro Tem", 11,
                     {box("cbxPOC_ElectionProTem", "Election of Chairman && Sec'y Pro Tem", C, Incorporators, 22, 9)}),
                ForProfitCorporation | ProfessionalAssociation),

        forming(pages("regulations", firstShareholders, "Code of Regulations", run(12, 16),
                      {box("cbxFSM_CodeOfRegulations", "Code of Regulations", C, Shareholders, 23, 10)}),
                ForProfitCorporation | ProfessionalAssociation),
        forming(item("assent", firstShareholders, "Assent to Adoption", 17,
                     {box("cbxFSM_AssetToAdoption", "Assent to Adoption", C, Shareholders, 24, 11)}),
                ForProfitCorporation | ProfessionalAssociation),
        forming(item("directors", firstShareholders, "Election of Board of Directors", 18,
                     {box("cbxFSM_Election", "Election of Board of Directors", C, Shareholders, 25, 12)}),
                ForProfitCorporation | ProfessionalAssociation),
        forming(item("inspectors", firstShareholders, "Certificate Of Inspectors", 19,
                     {box("cbxFSM_Conclusion", "Conclusion and Certification", C, Shareholders, 26, 13)}),
                ForProfitCorporation | ProfessionalAssociation),

        forming(treeCaption(item("firstdirectors", firstDirectors, "Commencement", 20,
                                 {box("cbxPage1_FDM", "Page 1", C, Directors, 27, 14)}),
                            "Page 1"),
                ForProfitCorporation | ProfessionalAssociation),
        forming(item("officers", firstDirectors, "Election of Officers", 21,
                     {box("cbxElectionOfOfficers", "Election of Officers", C, Directors, 28, 15)}),
                ForProfitCorporation | ProfessionalAssociation),
        forming(item("certification", firstDirectors, "Conclusion and Certification", 22,
                     {box("cbxConclusion_FDM", "Conclusion && Certification", C, Directors, 29, 16)}),
                ForProfitCorporation | ProfessionalAssociation),

        repeatable("minutes", corporateMisc, "Generic Minutes", 23,
                   {box("cbxMisc_Minutes", "Generic Minutes", C, Misc, 30, 17)}),
        repeatable("ledger", corporateMisc, "Share Ledger/Journal", 24,
                   {box("cbxMisc_ShareLedger", "Share Ledger/Journal", C, Misc, 31, 18)}),
        repeatable("bond", corporateMisc, "Bond", 25, {box("cbxMisc_Bond", "Bond", C, Misc, 32, 19)}),
        pages("540", corporateMisc, "Certificate of Amendment (540)", run(26, 27) + instructions(84, Offered::Tree),
              {box("cbxForm540_FP", "Certificate of Amendment (540)", G, Corporations, 7, 27),
               box("cbxForm540_PA", "Certificate of Amendment (540)", G, Professional, 12, 28)}),
        // Who authorized the dissolution and signs for it comes second, after
        // the corporation and the effective date, as the State's form has it.
        pages("561", corporateMisc, "Certificate of Dissolution (561)",
              QList<FormPageEntry>{{28}, {33}} + run(29, 32) + run(34, 35),
              {box("cbxForm561_FP", "Certificate of Dissolution (561)", G, Corporations, 8, 29),
               box("cbxForm561_PA", "Certificate of Dissolution (561)", G, Professional, 13, 30)}),
        pages("525A", corporateMisc, "Reinstatement (525A-For Profit)", run(36, 37) + instructions(85, Offered::Tree),
              {box("cbxForm525A", "Reinstatement && Appointment of Agent (525A)", G, General, 4, 24)}),
        untracked(pages("525B", corporateMisc, "Reinstatement (525B-Prof Assoc)",
                        run(43, 44) + instructions(48, Offered::Tree),
                        {box("cbxForm525B", "Reinstatement (525B)", G, Professional, 10, 32)})),
        repeatable("resolution", corporateMisc, "Corporate Resolution", 38,
                   {box("cbxMisc_CorporateResolution", "Generic Corporate Resolution", C, Misc, 33, 20)}),
        stock,

        forming(pages("533A", llc, "Articles of Organization (533A)",
                      run(50, 52) + FormPageEntry{53, nullptr, Offered::Nowhere},
                      {box("cbxForm533A", "Articles of Organization (533A)", G, Llc, 14, 34)}),
                LimitedLiabilityCompany),
        pages("543A", llc, "Certificate of Amendment (543A)",
              run(54, 55) + FormPageEntry{56, nullptr, Offered::Nowhere},
              {box("cbxForm543A", "Certificate of Amendment (543A)", G, Llc, 15, 35)}),
        forming(pages("operating", llc, "Operating Agreement", run(57, 64),
                      {box("cbxLLC_OperatingAgreement", "Operating Agreement", L, Llc, 34, 2)}),
                LimitedLiabilityCompany),
        pages("562", llc, "Dissolution (562)", run(65, 67),
              {box("cbxForm562", "Dissolution of LLC (562)", G, Llc, 16, 36)}),
        repeatable("members", llc, "Members Resolution", 68,
                   {box("cbxLLC_GenericMembersResolution", "Generic Members' Resolution", L, Llc, 35, 3)}),

        item("cover", misc, "Cover Sheet", 75, {box("cbxCoverSheet", "Cover Sheet", G, General, 1, 21)}),
        item("creditcard", misc, "Credit Card Authorization", 76,
             {box("cbxCreditCardAuthorization", "Credit Card Authorization", G, General, 2, 22)}),
        pages("521", misc, "Statutory Agent Update (521)", run(77, 79) + instructions(83, Offered::Tree),
              {box("cbxForm521", "Statutory Agent Update (Form 521)", G, General, 3, 23)}),
        pages("526", misc, "Multiple Agent Update (526)", run(80, 82),
              {box("cbxForm526", "Multiple Agent Name and Address (Form 526)", G, General, 5, 25)}),
        untracked(pages("520", misc, "Biennial Report", run(45, 46) + instructions(47),
                        {box("cbxForm520", "Biennial Report (520)", G, Professional, 9, 31)})),
    };

    for (FormFamily &family : families) {
        // A form placed with a kind of business is for that kind alone,
        // whatever section of the print dialog it is in (525A, under
        // Corporation, is not for a company).
        unsigned placeKinds = ForProfitCorporation | ProfessionalAssociation | LimitedLiabilityCompany;
        if (family.place.startsWith(QLatin1String("Corporation")))
            placeKinds = ForProfitCorporation | ProfessionalAssociation;
        else if (family.place.startsWith(QLatin1String("Limited Liability Company")))
            placeKinds = LimitedLiabilityCompany;
        for (SelectionBox &b : family.boxes) {
            b.family = family.key;
            if (b.pages.isEmpty())
                for (const FormPageEntry &entry : family.pages)
                    (entry.instructions ? b.instructions : b.pages).append(entry.page);
            if (b.kinds & placeKinds)
                b.kinds &= placeKinds;
        }
    }
    return families;
}

} // namespace

QList<int> FormFamily::PageNumbers() const
{
    QList<int> numbers;
    for (const FormPageEntry &entry : pages)
        numbers.append(entry.page);
    return numbers;
}

QString FormFamily::PageCaption(int k) const
{
    const FormPageEntry &entry = pages.at(k);
    if (entry.caption)
        return QLatin1String(entry.caption);
    if (layout != FamilyLayout::Pages)
        return caption;
    return QStringLiteral("Page %1").arg(k + 1);
}

const std::vector<FormFamily> &FormFamilies()
{
    static const std::vector<FormFamily> families = makeFamilies();
    return families;
}

const FormFamily *FamilyOfPage(int page)
{
    static const std::array<const FormFamily *, PageCount> byPage = [] {
        std::array<const FormFamily *, PageCount> table{};
        for (const FormFamily &family : FormFamilies())
            for (const FormPageEntry &entry : family.pages)
                table[size_t(entry.page)] = &family;
        return table;
    }();
    return IsValidPage(page) ? byPage[size_t(page)] : nullptr;
}

const FormFamily *FindFamily(const QString &key)
{
    for (const FormFamily &family : FormFamilies())
        if (family.key == key)
            return &family;
    return nullptr;
}

QList<int> PageSequence(int page)
{
    const FormFamily *family = FamilyOfPage(page);
    if (!family || !family->tracked || family->layout != FamilyLayout::Pages)
        return {};
    return family->PageNumbers();
}

bool PageSelectsTreeItem(int page)
{
    const FormFamily *family = FamilyOfPage(page);
    if (!family || !family->tracked)
        return false;
    for (const FormPageEntry &entry : family->pages)
        if (entry.page == page)
            return entry.offered == Offered::Both || entry.offered == Offered::Tree;
    return false;
}

QString AnswerPlace(int page, int continuation, int answer)
{
    QString place = QStringLiteral("page %1").arg(page);
    if (IsRepeatablePage(page))
        place += QStringLiteral(", copy %1").arg(continuation + 1);
    const QString label = AnswerLabel(page, answer);
    return place +
           (label.isEmpty() ? QStringLiteral(", answer %1").arg(answer) : QStringLiteral(", \"%1\"").arg(label));
}

} // namespace brevane
