#pragma once
// The page procedures: one per form page that has derived answers. Each reads
// what it needs and writes the answers of its own page (and continuation, for
// the repeatable pages 23, 24, 25, 38 and 68).

#include "core/calc/PageCalc.h"

namespace brevane {

void Calc1(PageCalc &pc);
void Calc2(PageCalc &pc);
void Calc3(PageCalc &pc);
void Calc4(PageCalc &pc);
void Calc7(PageCalc &pc);
void Calc8(PageCalc &pc);
void Calc9(PageCalc &pc);
void Calc10(PageCalc &pc);
void Calc11(PageCalc &pc);
void Calc12(PageCalc &pc);
void Calc15(PageCalc &pc);
void Calc17(PageCalc &pc);
void Calc18(PageCalc &pc);
void Calc19(PageCalc &pc);
void Calc20(PageCalc &pc);
void Calc21(PageCalc &pc);
void Calc22(PageCalc &pc);
void Calc23(PageCalc &pc);
void Calc24(PageCalc &pc);
void Calc25(PageCalc &pc);
void Calc26(PageCalc &pc);
void Calc27(PageCalc &pc);
void Calc28(PageCalc &pc);
void Calc29(PageCalc &pc);
void Calc30(PageCalc &pc);
void Calc31(PageCalc &pc);
void Calc32(PageCalc &pc);
void Calc33(PageCalc &pc);
void Calc34(PageCalc &pc);
void Calc36(PageCalc &pc);
void Calc37(PageCalc &pc);
void Calc38(PageCalc &pc);
void Calc39(PageCalc &pc);
void Calc40(PageCalc &pc);
void Calc41(PageCalc &pc);
void Calc43(PageCalc &pc);
void Calc44(PageCalc &pc);
void Calc45(PageCalc &pc);
void Calc46(PageCalc &pc);
void Calc50(PageCalc &pc);
void Calc51(PageCalc &pc);
void Calc52(PageCalc &pc);
void Calc54(PageCalc &pc);
void Calc55(PageCalc &pc);
void Calc57(PageCalc &pc);
void Calc58(PageCalc &pc);
void Calc59(PageCalc &pc);
void Calc60(PageCalc &pc);
void Calc62(PageCalc &pc);
void Calc63(PageCalc &pc);
void Calc64(PageCalc &pc);
void Calc65(PageCalc &pc);
void Calc66(PageCalc &pc);
void Calc68(PageCalc &pc);
void Calc75(PageCalc &pc);
void Calc76(PageCalc &pc);
void Calc77(PageCalc &pc);
void Calc78(PageCalc &pc);
void Calc79(PageCalc &pc);
void Calc80(PageCalc &pc);
void Calc81(PageCalc &pc);
void Calc86(PageCalc &pc);

} // namespace brevane
