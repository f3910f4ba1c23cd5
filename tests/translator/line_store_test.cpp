#include "line_store.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_access.h"
#include "translator.h"

namespace {

using tavolux::LineStore;

std::vector<std::string> Lines(const LineStore& s) {
    std::vector<std::string> out;
    for (int k = 1; k <= s.size(); ++k) out.push_back(s[k]);
    return out;
}

LineStore Store(const std::vector<std::string>& lines, int capacity = 3000) {
    LineStore s(capacity);
    for (const auto& l : lines) EXPECT_TRUE(s.Append(l));
    return s;
}

TEST(LineStore, InsertLeavesTheOpenedSlotsHoldingTheirOldLines) {
    LineStore s = Store({"1", "2", "3", "4", "5", "6", "7", "8"});
    ASSERT_TRUE(s.Insert(5, 2));
    EXPECT_EQ(Lines(s), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "5", "6", "7", "8"}));
    ASSERT_TRUE(s.Insert(3, 0));
    EXPECT_EQ(s.size(), 10);
    // Past the end nothing moves and the new slots are empty.
    ASSERT_TRUE(s.Insert(11, 2));
    EXPECT_EQ(s.size(), 12);
    EXPECT_EQ(s[12], "");
    // Opening more slots than lines follow copies what there is.
    LineStore t = Store({"A", "B"});
    ASSERT_TRUE(t.Insert(2, 3));
    EXPECT_EQ(Lines(t), (std::vector<std::string>{"A", "B", "", "", "B"}));
}

TEST(LineStore, EditsFarApartKeepOrder) {
    // The gap moves back and forth; the lines must come out in order.
    LineStore s = Store({"a", "b", "c", "d", "e"});
    s.Insert(5, 1);
    s[5] = "E0";
    s.Insert(1, 1);
    s[1] = "A0";
    s.Erase(4);  // "c"
    s.Insert(3, 1);
    s[3] = "X";
    EXPECT_EQ(Lines(s), (std::vector<std::string>{"A0", "a", "X", "b", "d", "E0", "e"}));
}

TEST(LineStore, CompactRemovesEmptyAndBareMarkerLines) {
    LineStore s = Store({"X", "", "Y", "A>", "A>        NOP", ""});
    s.Compact();
    EXPECT_EQ(Lines(s), (std::vector<std::string>{"X", "Y", "A>        NOP"}));
    s.Compact();
    EXPECT_EQ(s.size(), 3);
}

TEST(LineStore, NothingIsWrittenPastTheStore) {
    LineStore s = Store({"A", "B"}, 3);
    EXPECT_FALSE(s.Insert(1, 2));
    EXPECT_EQ(Lines(s), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(s.Append("C"));
    EXPECT_FALSE(s.Append("D"));
    s[4] = "written nowhere";
    s[0] = "nor here";
    EXPECT_EQ(s[4], "");
    EXPECT_EQ(Lines(s), (std::vector<std::string>{"A", "B", "C"}));
    s.Erase(9);
    EXPECT_EQ(s.size(), 3);
}

TEST(NameMakers, LabelsTemporariesAndThePool) {
    tavolux::Translator t;
    tavolux::TranslatorTestAccess a(t);
    a.ResetRun();
    EXPECT_EQ(a.NewLabel(), "@1");
    EXPECT_EQ(a.NewLabel(), "@2");
    EXPECT_EQ(a.NewTempVar(), "W#1");
    EXPECT_EQ(a.NewDynamicVar(), "W#D1");
    EXPECT_EQ(a.NewDynamicVar(), "W#D2");
    EXPECT_EQ(a.NewDynamicVar(), "W#D3");
    a.FreeDynamicVar("W#D2");
    a.FreeDynamicVar("W#D?");
    a.FreeDynamicVar("W#VLTx");
    EXPECT_EQ(a.NewDynamicVar(), "W#D2");
    std::vector<std::string> names;
    for (const auto& row : a.State().FAT) names.push_back(row.name);
    EXPECT_EQ(names, (std::vector<std::string>{"W#1", "W#D1", "W#D2", "W#D3"}));
    EXPECT_FALSE(a.State().Flag_Error);
}

TEST(NameMakers, AnEmptyPoolIsReported) {
    tavolux::Translator t;
    tavolux::TranslatorTestAccess a(t);
    a.ResetRun();
    for (int k = 1; k <= 15; ++k) EXPECT_EQ(a.NewDynamicVar(), "W#D" + std::to_string(k));
    EXPECT_EQ(a.NewDynamicVar(), "W#D?");
    EXPECT_TRUE(a.State().Flag_Error);
    EXPECT_EQ(a.State().AsmText,
              "<*> ERRORE : Errore di sistema: impossibile generare variabili dinamiche\r\n");
}

TEST(NameMakers, AFullVariableTableEndsTheRunWithOneMessage) {
    tavolux::Translator t;
    tavolux::TranslatorTestAccess a(t);
    a.ResetRun();
    for (int k = 0; k < 100; ++k) a.NewTempVar();
    EXPECT_FALSE(a.State().Flag_Error);
    a.NewTempVar();
    a.NewTempVar();
    EXPECT_EQ(a.State().NoFAT(), 100);
    EXPECT_TRUE(a.State().Flag_Error);
    EXPECT_EQ(a.State().AsmText,
              "<*> ERRORE : Programma troppo grande: superato il limite di 100 variabili\r\n");
}

}  // namespace
