#include "LayoutRig.h"

#include <gtest/gtest.h>

using namespace layout_test;

namespace {

// Region, city, sales.
const Rows Regions{{"N", "Lyon", "1"}, {"N", "Lyon", "2"}, {"N", "Nice", "4"}, {"S", "Pau", "8"}};

TEST(ReportLayout, WritesEveryRow) {
    const struct {
        const char* name;
        const char* keys;
        Rows rows;
        std::vector<std::string> expected;
    } cases[] = {
        {"titled level with header, spacers, NoRepeat and totals below",
         "Header=1; SortCol0=1; SortType0=S; Title0=1; TitleEmptyBefore0=1; Totals0=1; TotalEmptyAfter0=1; "
         "TotalCaptionCol0=2; 2CalcType0=3; 3CalcType0=1",
         // "lyon" joins Lyon's group: text groups ignore case. The sum is compensated: 0.6, not 0.6000000000000001.
         {{"Lyon", "Ann", "0.1"}, {"lyon", "Bob", "0.2"}, {"Lyon", "", "0.3"}, {"Paris", "Cid", "x"}},
         {"r1 L0 A:'City' B:'Name' C:'Sales'", "r2 L0", "r3 L0 A:'Lyon'", "r4 L1 B:'Ann' C:0.1", "r5 L1 B:'Bob' C:0.2",
          "r6 L1 C:0.3", "r7 L0 A:'Total for Lyon :' B:=SUBTOTAL(3,B4:B6)→2 C:=SUBTOTAL(9,C4:C6)→0.6", "r8 L0", "r9 L0",
          "r10 L0 A:'Paris'", "r11 L1 B:'Cid' C:'x'",
          "r12 L0 A:'Total for Paris :' B:=SUBTOTAL(3,B11:B11)→1 C:=SUBTOTAL(9,C11:C11)→0", "r13 L0"}},
        {"totals above under a title, and a summary on top counting inner titles",
         "SortCol0=1; Title0=1; NoRepeat0=0; SortCol1=2; Totals1=1; TotalPos1=0; TotalCaptionCol1=2; 3CalcType1=1; "
         "Totals99=1; TotalPos99=0; 1CalcType99=3; 3CalcType99=2",
         Regions,
         {"r1 L0 A:=SUBTOTAL(3,A4:A10)→5 B:'Total Sales :' C:=SUBTOTAL(1,C4:C10)→3.75", "r2 L0 A:'N'",
          "r3 L1 B:'Total for Lyon :' C:=SUBTOTAL(9,C4:C5)→3", "r4 L2 A:'N' B:'Lyon' C:1", "r5 L2 A:'N' B:'Lyon' C:2",
          "r6 L1 B:'Total for Nice :' C:=SUBTOTAL(9,C7:C7)→4", "r7 L2 A:'N' B:'Nice' C:4", "r8 L0 A:'S'",
          "r9 L1 B:'Total for Pau :' C:=SUBTOTAL(9,C10:C10)→8", "r10 L2 A:'S' B:'Pau' C:8"}},
        {"a level without a column between, and a title forcing its total below",
         "SortCol0=1; Totals0=1; 3CalcType0=1; Title1=1; Totals1=1; SortCol2=2; Title2=1; NoRepeat2=0; "
         "TitleCaption2=<value> / <Value>; Totals2=1; TotalPos2=0; TotalCaption2=Sub; 3CalcType2=2",
         Regions,
         {"r1 L1 A:'Lyon / <Value>'", "r2 L2 A:'N' B:'Lyon' C:1", "r3 L2 A:'N' B:'Lyon' C:2",
          "r4 L1 A:'Sub' C:=SUBTOTAL(1,C2:C3)→1.5", "r5 L1 A:'Nice / <Value>'", "r6 L2 A:'N' B:'Nice' C:4",
          "r7 L1 A:'Sub' C:=SUBTOTAL(1,C6:C6)→4", "r8 L0 A:'Total for N :' C:=SUBTOTAL(9,C2:C6)→7",
          "r9 L1 A:'Pau / <Value>'", "r10 L2 A:'S' B:'Pau' C:8", "r11 L1 A:'Sub' C:=SUBTOTAL(1,C10:C10)→8",
          "r12 L0 A:'Total for S :' C:=SUBTOTAL(9,C10:C10)→8"}},
        {"three levels, where a new outer group restarts the inner ones",
         "SortCol0=1; SortCol1=2; SortCol2=3; SortType2=N; Totals0=1; Totals1=1; Totals2=1; TotalCaption0=T0 <value>; "
         "TotalCaption1=T1 <value>; TotalCaption2=T2 <value>; 3CalcType0=3; 3CalcType1=3; 3CalcType2=3",
         // Number groups compare whole numbers, as the sort does.
         {{"N", "Lyon", "1"}, {"N", "Lyon", "1.2"}, {"S", "Lyon", "1"}},
         {"r1 L3 A:'N' B:'Lyon' C:1", "r2 L3 A:'N' B:'Lyon' C:1.2", "r3 L2 A:'T2 1' C:=SUBTOTAL(3,C1:C2)→2",
          "r4 L1 A:'T1 Lyon' C:=SUBTOTAL(3,C1:C2)→2", "r5 L0 A:'T0 N' C:=SUBTOTAL(3,C1:C2)→2",
          "r6 L3 A:'S' B:'Lyon' C:1", "r7 L2 A:'T2 1' C:=SUBTOTAL(3,C6:C6)→1",
          "r8 L1 A:'T1 Lyon' C:=SUBTOTAL(3,C6:C6)→1", "r9 L0 A:'T0 S' C:=SUBTOTAL(3,C6:C6)→1"}},
        {"exact text groups, averages without numbers and a summary below",
         "SortCol0=1; Totals0=1; TotalCaptionCol0=9; 3CalcType0=2; Totals99=1; TotalEmptyBefore99=1; "
         "TotalEmptyAfter99=1; TotalCaption99=All<value>!; 3CalcType99=2",
         // Without a SortType, groups are runs of exactly equal texts.
         {{"Lyon", "Ann", "x"}, {"lyon", "Bob", "4"}},
         {"r1 L1 A:'Lyon' B:'Ann' C:'x'", "r2 L0 B:'Total for Lyon :'", "r3 L1 A:'lyon' B:'Bob' C:4",
          "r4 L0 B:'Total for lyon :' C:=SUBTOTAL(1,C3:C3)→4", "r5 L0", "r6 L0 A:'All!' C:=SUBTOTAL(1,C1:C3)→4",
          "r7 L0"}},
        {"numbers and dates from the top-left cell",
         "TopLeftCol=b; TopLeftRow=3; FieldTypes=5\f7\f10\f",
         {{"01234", "03/01/1900", "x"},
          {"0.45", "02/28/1900", "2/29/1900"},
          {"12,577.53", "12/31/1899", ""},
          {" ", "01/01/1900", "1/2/2024"}},
         {"r3 L0 B:'01234' C:#61 D:'x'", "r4 L0 B:0.45 C:#59 D:'2/29/1900'", "r5 L0 B:12577.53 C:'12/31/1899'",
          "r6 L0 B:' ' C:#1 D:#45293"}},
        {"the sortable date column groups but is not shown",
         "Sort0=26; SortCol0=4; Title0=1; FieldTypes=1\f1\f5\f7\f",
         {{"Lyon", "Ann", "1", "45000"}, {"Nice", "", "2", "45000"}},
         {"r1 L0 A:'45000'", "r2 L1 A:'Lyon' B:'Ann' C:1", "r3 L1 A:'Nice' C:2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(layOut(c.keys, c.rows), c.expected);
    }
}

} // namespace
