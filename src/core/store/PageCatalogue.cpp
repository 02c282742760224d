#include "core/store/PageCatalogue.h"

namespace brevane {

namespace {
constexpr std::array<int, PageCount> makeContinuationMax()
{
    std::array<int, PageCount> max{};
    for (int p : RepeatablePages)
        max[p] = 99;
    return max;
}

constexpr std::array<int, PageCount> makeAnswerMax()
{
    std::array<int, PageCount> max{};
    for (int &m : max)
        m = 100;
    max[5] = 150;
    max[8] = 125;
    max[24] = 200;
    max[57] = 200;
    max[88] = 300;
    return max;
}
} // namespace

const std::array<int, PageCount> PageContinuationMax = makeContinuationMax();
const std::array<int, PageCount> PageAnswerMax = makeAnswerMax();

const std::array<const char *, PageCount> PageName = {
    "General Information Worksheet",                              // 0
    "Proceedings of Incorporators (1)",                           // 1
    "Initial Articles of Incorporation (1)",                      // 2
    "Initial Articles of Incorporation (2)",                      // 3
    "Initial Articles of Incorporation (3)",                      // 4
    "Initial Articles of Incorporation (Instructions)",           // 5
    "RESERVED",                                                   // 6
    "Order and Waiver of Notice",                                 // 7
    "Share Subscription",                                         // 8
    "Notice of Shareholders' Meeting",                            // 9
    "Minutes of First Shareholders' Meeting",                     // 10
    "Waiver of Notice",                                           // 11
    "Code of Regulations (1)",                                    // 12
    "Code of Regulations (2)",                                    // 13
    "Code of Regulations (3)",                                    // 14
    "Code of Regulations (4)",                                    // 15
    "Code of Regulations (5)",                                    // 16
    "Assent to Code of Regulations",                              // 17
    "Election of Board of Directors",                             // 18
    "Certificate of Inspectors",                                  // 19
    "Minutes of First Directors' Meeting",                        // 20
    "Election of Officers",                                       // 21
    "Conclusion and Certification",                               // 22
    "Generic Minutes",                                            // 23
    "Share Ledger and Journal",                                   // 24
    "Bond",                                                       // 25
    "Certificate of Amendment (1)",                               // 26
    "Certificate of Amendment (2)",                               // 27
    "Certificate of Dissolution (1)",                             // 28
    "Certificate of Dissolution (2)",                             // 29
    "Certificate of Dissolution (3)",                             // 30
    "Certificate of Dissolution (4)",                             // 31
    "Certificate of Dissolution (5)",                             // 32
    "Certificate of Dissolution (6)",                             // 33
    "Certificate of Dissolution (7)",                             // 34
    "Certificate of Dissolution (8)",                             // 35
    "Reinstatement and Appointment of Agent (1)",                 // 36
    "Reinstatement and Appointment of Agent (2)",                 // 37
    "Corporate Resolution",                                       // 38
    "Articles of a Professional Association (1)",                 // 39
    "Articles of a Professional Association (2)",                 // 40
    "Articles of a Professional Association (3)",                 // 41
    "Articles of a Professional Association (Instructions)",      // 42
    "Reinstatement of a Professional Association (1)",            // 43
    "Reinstatement of a Professional Association (2)",            // 44
    "Biennial Report (1)",                                        // 45
    "Biennial Report (2)",                                        // 46
    "Biennial Report (Instructions)",                             // 47
    "Reinstatement of a Professional Association (Instructions)", // 48
    "RESERVED",                                                   // 49
    "Articles of Organization (1)",                               // 50
    "Articles of Organization (2)",                               // 51
    "Articles of Organization (3)",                               // 52
    "Articles of Organization (4)",                               // 53
    "Certificate of Amendment (1)",                               // 54
    "Certificate of Amendment (2)",                               // 55
    "Certificate of Amendment (3)",                               // 56
    "Operating Agreement (1)",                                    // 57
    "Operating Agreement (2)",                                    // 58
    "Operating Agreement (3)",                                    // 59
    "Operating Agreement (4)",                                    // 60
    "Operating Agreement (5)",                                    // 61
    "Operating Agreement (6)",                                    // 62
    "Operating Agreement (7)",                                    // 63
    "Operating Agreement (8)",                                    // 64
    "Dissolution of LLC (1)",                                     // 65
    "Dissolution of LLC (2)",                                     // 66
    "Dissolution of LLC (3)",                                     // 67
    "Members Resolution",                                         // 68
    "RESERVED",                                                   // 69
    "RESERVED",                                                   // 70
    "RESERVED",                                                   // 71
    "RESERVED",                                                   // 72
    "RESERVED",                                                   // 73
    "RESERVED",                                                   // 74
    "Cover Sheet",                                                // 75
    "Credit Card Authorization",                                  // 76
    "Statutory Agent Update (1)",                                 // 77
    "Statutory Agent Update (2)",                                 // 78
    "Statutory Agent Update (3)",                                 // 79
    "Multiple Agent Name and Address Change (1)",                 // 80
    "Multiple Agent Name and Address Change (2)",                 // 81
    "Multiple Agent Name and Address Change (3)",                 // 82
    "Statutory Agent Update (4)",                                 // 83
    "Certificate of Amendment (3)",                               // 84
    "Reinstatement && Appointment of Agent (3)",                  // 85
    "Stock Certificate (Front)",                                  // 86
    "Stock Certificate (Back)",                                   // 87
    "Directory Worksheet",                                        // 88
    "RESERVED",                                                   // 89
    "RESERVED",                                                   // 90
    "RESERVED",                                                   // 91
    "RESERVED",                                                   // 92
    "RESERVED",                                                   // 93
    "RESERVED",                                                   // 94
    "RESERVED",                                                   // 95
    "RESERVED",                                                   // 96
    "RESERVED",                                                   // 97
    "RESERVED",                                                   // 98
    "RESERVED",                                                   // 99
};

QString CopyName(int page, int continuation, int count)
{
    if (!IsRepeatablePage(page) || continuation < 0 || continuation >= count)
        return QString();
    return QStringLiteral("%1, copy %2 of %3")
        .arg(QLatin1String(PageName[std::size_t(page)]))
        .arg(continuation + 1)
        .arg(count);
}

QString PageDeleteName(int page)
{
    switch (page) {
    case 23:
        return QStringLiteral("Minutes");
    case 24:
        return QStringLiteral("Ledger");
    case 25:
        return QStringLiteral("Bond");
    default:
        return IsValidPage(page) ? QString::fromLatin1(PageName[size_t(page)]) : QString();
    }
}

} // namespace brevane
