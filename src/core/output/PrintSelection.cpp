#include "output/PrintSelection.h"

namespace brevane {

namespace {

QList<SelectionBox> makeBoxes()
{
    const QString general = QStringLiteral("General");
    const QString corporations = QStringLiteral("Corporations");
    const QString professional = QStringLiteral("Professional Associations");
    const QString llc = QStringLiteral("Limited Liability Companies");
    const QString incorporators = QStringLiteral("Proceedings Of Incorporators");
    const QString shareholders = QStringLiteral("Minutes of First Shareholders' Meeting");
    const QString directors = QStringLiteral("Minutes of First Directors' Meeting");
    const QString misc = QStringLiteral("Miscellaneous");
    const auto H = MarginGroup::HalfInch;
    const auto O = MarginGroup::OneInch;
    const auto S = MarginGroup::Stock;
    // Print order. "Waiver of Notice" follows "Notice of Shareholders' Meeting
    // && Waiver", and the biennial report and the 525B reinstatement precede
    // the 532C articles, as in the dialog.
    return {
        {"cbxGeneralInformationWorksheet",
         "General Information && Directory Worksheets",
         TabGeneralInfo,
         general,
         H,
         0,
         {0, 88}},
        {"cbxLLC_OperatingAgreement", "Operating Agreement", TabLLC, llc, O, 34, {57, 58, 59, 60, 61, 62, 63, 64}},
        {"cbxLLC_GenericMembersResolution", "Generic Members' Resolution", TabLLC, llc, O, 35, {68}},
        {"cbxPOC_Page1", "Page 1", TabCorporations, incorporators, O, 17, {1}},
        {"cbxPOC_OrderWaiver", "Order && Waiver of Notice", TabCorporations, incorporators, O, 18, {7}},
        {"cbxPOC_ShareSubscription", "Share Subscription", TabCorporations, incorporators, O, 19, {8}},
        {"cbxPOC_NoticeWaiver",
         "Notice of Shareholders' Meeting && Waiver",
         TabCorporations,
         incorporators,
         O,
         20,
         {9, 10}},
        {"cbxPOC_WaiverOfNotice", "Waiver of Notice", TabCorporations, incorporators, O, 21, {10}},
        {"cbxPOC_ElectionProTem", "Election of Chairman && Sec'y Pro Tem", TabCorporations, incorporators, O, 22, {11}},
        {"cbxFSM_CodeOfRegulations", "Code of Regulations", TabCorporations, shareholders, O, 23, {12, 13, 14, 15, 16}},
        {"cbxFSM_AssetToAdoption", "Assent to Adoption", TabCorporations, shareholders, O, 24, {17}},
        {"cbxFSM_Election", "Election of Board of Directors", TabCorporations, shareholders, O, 25, {18}},
        {"cbxFSM_Conclusion", "Conclusion and Certification", TabCorporations, shareholders, O, 26, {19}},
        {"cbxPage1_FDM", "Page 1", TabCorporations, directors, O, 27, {20}},
        {"cbxElectionOfOfficers", "Election of Officers", TabCorporations, directors, O, 28, {21}},
        {"cbxConclusion_FDM", "Conclusion && Certification", TabCorporations, directors, O, 29, {22}},
        {"cbxMisc_Minutes", "Generic Minutes", TabCorporations, misc, O, 30, {23}},
        {"cbxMisc_ShareLedger", "Share Ledger/Journal", TabCorporations, misc, O, 31, {24}},
        {"cbxMisc_Bond", "Bond", TabCorporations, misc, O, 32, {25}},
        {"cbxMisc_CorporateResolution", "Generic Corporate Resolution", TabCorporations, misc, O, 33, {38}},
        {"cbxCoverSheet", "Cover Sheet", TabGeneralInfo, general, H, 1, {75}},
        {"cbxCreditCardAuthorization", "Credit Card Authorization", TabGeneralInfo, general, H, 2, {76}},
        {"cbxForm521", "Statutory Agent Update (Form 521)", TabGeneralInfo, general, H, 3, {77, 78, 79, 83}},
        {"cbxForm525A", "Reinstatement && Appointment of Agent (525A)", TabGeneralInfo, general, H, 4, {36, 37, 85}},
        {"cbxForm526", "Multiple Agent Name and Address (Form 526)", TabGeneralInfo, general, H, 5, {80, 81, 82}},
        {"cbxForm532A",
         "Initial Articles of Incorporation (Form 532A)",
         TabGeneralInfo,
         corporations,
         H,
         6,
         {2, 3, 4, 5}},
        {"cbxForm540_FP", "Certificate of Amendment (540)", TabGeneralInfo, corporations, H, 7, {26, 27, 84}},
        {"cbxForm540_PA", "Certificate of Amendment (540)", TabGeneralInfo, professional, H, 12, {26, 27, 84}},
        {"cbxForm561_FP",
         "Certificate of Dissolution (561)",
         TabGeneralInfo,
         corporations,
         H,
         8,
         {28, 29, 30, 31, 32, 33, 34, 35}},
        {"cbxForm561_PA",
         "Certificate of Dissolution (561)",
         TabGeneralInfo,
         professional,
         H,
         13,
         {28, 29, 30, 31, 32, 33, 34, 35}},
        {"cbxForm520", "Biennial Report (520)", TabGeneralInfo, professional, H, 9, {45, 46, 47}},
        {"cbxForm525B", "Reinstatement (525B)", TabGeneralInfo, professional, H, 10, {43, 44}},
        {"cbxForm532C",
         "Initial Articles of Incorporation (Form 532C)",
         TabGeneralInfo,
         professional,
         H,
         11,
         {39, 40, 41, 42}},
        {"cbxForm533A", "Articles of Organization (533A)", TabGeneralInfo, llc, H, 14, {50, 51, 52, 53}},
        {"cbxForm543A", "Certificate of Amendment (543A)", TabGeneralInfo, llc, H, 15, {54, 55, 56}},
        {"cbxForm562", "Dissolution of LLC (562)", TabGeneralInfo, llc, H, 16, {65, 66, 67}},
        {"cbxStockFront", "Front", TabStock, QString(), S, 36, {86}},
        {"cbxStockBack", "Back", TabStock, QString(), S, 37, {87}},
    };
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

CheckedBoxes ClearAllBoxes(const CheckedBoxes &checked)
{
    return withoutGroup(withoutGroup(checked, MarginGroup::HalfInch), MarginGroup::OneInch);
}

InitialSelection SelectionForDisplayedPage(int page)
{
    struct Row
    {
        int first, last;
        const char *box;
        const char *alsoBox;
    };
    static const Row rows[] = {
        {0, 0, "cbxGeneralInformationWorksheet", nullptr},
        {1, 1, "cbxPOC_Page1", nullptr},
        {2, 5, "cbxForm532A", nullptr},
        {7, 7, "cbxPOC_OrderWaiver", nullptr},
        {8, 8, "cbxPOC_ShareSubscription", nullptr},
        {9, 9, "cbxPOC_NoticeWaiver", nullptr},
        {10, 10, "cbxPOC_WaiverOfNotice", nullptr},
        {11, 11, "cbxPOC_ElectionProTem", nullptr},
        {12, 16, "cbxFSM_CodeOfRegulations", nullptr},
        {17, 17, "cbxFSM_AssetToAdoption", nullptr},
        {18, 18, "cbxFSM_Election", nullptr},
        {19, 19, "cbxFSM_Conclusion", nullptr},
        {20, 20, "cbxPage1_FDM", nullptr},
        {21, 21, "cbxElectionOfOfficers", nullptr},
        {22, 22, "cbxConclusion_FDM", nullptr},
        {23, 23, "cbxMisc_Minutes", nullptr},
        {24, 24, "cbxMisc_ShareLedger", nullptr},
        {25, 25, "cbxMisc_Bond", nullptr},
        {26, 27, "cbxForm540_FP", "cbxForm540_PA"},
        {84, 84, "cbxForm540_FP", "cbxForm540_PA"},
        {28, 35, "cbxForm561_FP", "cbxForm561_PA"},
        {36, 37, "cbxForm525A", nullptr},
        {85, 85, "cbxForm525A", nullptr},
        {38, 38, "cbxMisc_CorporateResolution", nullptr},
        {39, 42, "cbxForm532C", nullptr},
        {43, 44, "cbxForm525B", nullptr},
        {45, 47, "cbxForm520", nullptr},
        {50, 53, "cbxForm533A", nullptr},
        {54, 56, "cbxForm543A", nullptr},
        {57, 64, "cbxLLC_OperatingAgreement", nullptr},
        {65, 67, "cbxForm562", nullptr},
        {68, 68, "cbxLLC_GenericMembersResolution", nullptr},
        {75, 75, "cbxCoverSheet", nullptr},
        {76, 76, "cbxCreditCardAuthorization", nullptr},
        {77, 79, "cbxForm521", nullptr},
        {83, 83, "cbxForm521", nullptr},
        {80, 82, "cbxForm526", nullptr},
    };
    InitialSelection selection;
    for (const Row &row : rows) {
        if (page < row.first || page > row.last)
            continue;
        const QString name = QString::fromLatin1(row.box);
        selection.checked.insert(name);
        if (row.alsoBox)
            selection.checked.insert(QString::fromLatin1(row.alsoBox));
        selection.tab = FindSelectionBox(name)->tab;
        break;
    }
    return selection;
}

} // namespace brevane
