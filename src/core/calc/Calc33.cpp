// Certificate of dissolution (form 561), who authorized the dissolution and
// who certifies it.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

namespace {

// The officer who certifies for the corporation: the first of President,
// Vice President, Secretary and Treasurer that the worksheet names.
struct Certifier
{
    QString name, title;
};

Certifier CertifyingOfficer(const PageCalc &pc)
{
    const std::pair<int, const char *> offices[] = {{G0::President, "President"},
                                                    {G0::VicePresident, "Vice President"},
                                                    {G0::Secretary, "Secretary"},
                                                    {G0::Treasurer, "Treasurer"}};
    for (const auto &[g, title] : offices) {
        if (!pc.G(g).trimmed().isEmpty())
            return {pc.G(g).trimmed(), QString::fromLatin1(title)};
    }
    return {};
}

} // namespace

void Calc33(PageCalc &pc)
{
    pc.Always(0, pc.G(G0::EntityName));
    // The corporation's officer certifies, never the lawyer who files: the
    // worksheet's representative signs only where no officer is named.
    const Certifier officer = CertifyingOfficer(pc);
    if (officer.name.isEmpty()) {
        pc.Guarded(5, pc.G(G0::RepresentativeTitle));
        pc.Guarded(6, pc.G(G0::RepresentativeName));
        pc.RepresentativeAddress(Write::Guarded, 7);
    } else {
        pc.Guarded(5, officer.title);
        pc.Guarded(6, officer.name);
        // The officer's address where the Directory Worksheet has a row of that name.
        const DirectoryRow *found = nullptr;
        for (const DirectoryRow &row : pc.Directory().Rows()) {
            if (row[ColName].trimmed().compare(officer.name, Qt::CaseInsensitive) == 0) {
                found = &row;
                break;
            }
        }
        const int columns[] = {ColAddress, ColCity, ColState, ColZIP};
        for (int i = 0; i < 4; ++i)
            pc.Guarded(7 + i, found ? (*found)[columns[i]] : QString());
    }
    // The user's own date, written in its long form.
    pc.Always(11, ConvertDate(pc.Get(11)));
}

} // namespace brevane
