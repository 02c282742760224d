// Code of regulations, first page.
#include "core/calc/PageProcedures.h"

#include "core/store/Conversions.h"

namespace brevane {

void Calc12(PageCalc &pc)
{
    pc.Always(0, pc.EarliestEntityName());
    pc.Always(3, pc.EarliestEntityName());
    pc.Always(4, pc.DateOf(G0::NoticeMeetingDate)); // adopted on the day of the first shareholders' meeting
    pc.Always(5, pc.DateOf(G0::NoticeMeetingDate));
    // Answer 7 is the user's own number on this page; answer 6 writes it in words.
    // In the middle of a sentence: "has three (3) members".
    pc.Always(6, NumberToWords(Str2Int(pc.Get(7))).trimmed().toLower());
}

} // namespace brevane
