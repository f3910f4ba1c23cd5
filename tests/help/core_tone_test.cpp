// The tone panel's solves: which count is solved from which, the results
// and their colours, and what a change of a frequency solves again.
#include <gtest/gtest.h>

#include "wait_calculator.h"

namespace tavolux::help {
namespace {

struct Expected {
    const char* count;  // the solved (or kept) count written back; nullptr: none written
    bool countRed;
    const char* generated;
    const char* error;
    bool resultsRed;
};

void ExpectUpdate(const ToneUpdate& u, const std::optional<ToneCount>& written, const Expected& e,
                  const std::string& what) {
    if (e.count) {
        ASSERT_TRUE(written.has_value()) << what;
        EXPECT_EQ(written->text, e.count) << what;
        EXPECT_EQ(written->red, e.countRed) << what;
    } else {
        EXPECT_FALSE(written.has_value()) << what;
    }
    EXPECT_EQ(u.generated, e.generated) << what;
    EXPECT_EQ(u.error, e.error) << what;
    EXPECT_EQ(u.resultsRed, e.resultsRed) << what;
}

TEST(ToneSolver, TwoCountsSolveNsFromNp) {
    struct Case {
        ToneBoxes boxes;
        Expected e;
    };
    const Case cases[] = {
        {{"440", "4.0", "15", "15"}, {" 17", false, " 462.5", " 5.12", false}},
        {{"1000", "4.0", "15", "15"}, {" 7", false, " 1039.5", " 3.95", false}},
        {{"20", "20", "200", "15"}, {" 155", false, " 20", " .15", false}},
        // A solved 0 is red; the results keep their own colour rule.
        {{"5000", "4.0", "15", "15"}, {" 0", true, " 8196.7", " 63.93", false}},
        // No byte holds the solved Ns: the one in its box stays, and its box
        // and both results turn red, even for an error below 100 %.
        {{"20000", "4.0", "15", "17"}, {" 17", true, " 462.5", "-97.69", true}},
        {{"10", "4.0", "15", "17"}, {" 17", true, " 462.5", " 4525.34", true}},
        // ... and with no count in its box, nothing can be computed.
        {{"20000", "4.0", "15", "300"}, {"300", true, "", "", false}},
    };
    for (const Case& c : cases) {
        ToneSolver solver;
        const ToneUpdate u = solver.SolveFromNp(c.boxes, false);
        const std::string what = c.boxes.wanted + " Hz, Np " + c.boxes.np;
        ExpectUpdate(u, u.ns, c.e, what);
        EXPECT_FALSE(u.np.has_value()) << what;
        EXPECT_EQ(solver.LastStart(), ToneSolver::Start::FromNp) << what;
    }
}

TEST(ToneSolver, ScrollBarsFollowCountsOtherThanZero) {
    ToneSolver solver;
    EXPECT_EQ(solver.SolveFromNp({"440", "4.0", "15", "15"}, false).nsScroll, 17);
    EXPECT_EQ(solver.SolveFromNp({"5000", "4.0", "15", "15"}, false).nsScroll, std::nullopt);
    EXPECT_EQ(solver.SolveFromNs({"440", "4.0", "1", "17"}).npScroll, 15);
    EXPECT_EQ(solver.SolveFromNp({"1000", "4.0", "1", "1"}, true).npScroll, 124);
}

TEST(ToneSolver, TwoCountsSolveNpFromNs) {
    struct Case {
        ToneBoxes boxes;
        Expected e;
    };
    const Case cases[] = {
        {{"440", "4.0", "15", "17"}, {" 15", false, " 462.5", " 5.12", false}},
        {{"440", "4.0", "15", "1"}, {" 141", false, " 442.8", " .65", false}},
        // Np would be 6249: the 15 of its box stays, in red.
        {{"10", "4.0", "15", "1"}, {" 15", true, " 4132.2", " 41222.31", true}},
    };
    for (const Case& c : cases) {
        ToneSolver solver;
        const ToneUpdate u = solver.SolveFromNs(c.boxes);
        const std::string what = c.boxes.wanted + " Hz, Ns " + c.boxes.ns;
        ExpectUpdate(u, u.np, c.e, what);
        EXPECT_FALSE(u.ns.has_value()) << what;
        EXPECT_EQ(solver.LastStart(), ToneSolver::Start::FromNs) << what;
    }
}

TEST(ToneSolver, OneCountSolvesNpFromTheFrequencies) {
    struct Case {
        ToneBoxes boxes;
        Expected e;
    };
    const Case cases[] = {
        {{"1000", "4.0", "15", "17"}, {" 124", false, " 1000", " 0", false}},
        {{"5000", "4.0", "15", "17"}, {" 24", false, " 5000", " 0", false}},
        {{"200000", "4.0", "15", "17"}, {" 0", true, " 125000", "-37.5", false}},
        // Np 283 does not fit a byte: the 15 of the box is used.
        {{"440", "4.0", "15", "17"}, {" 15", true, " 7812.5", " 1675.56", true}},
        {{"440", "4.0", "15.4", "17"}, {" 15", true, " 7812.5", " 1675.56", true}},
    };
    for (const Case& c : cases) {
        ToneSolver solver;
        const ToneUpdate u = solver.SolveFromNp(c.boxes, true);
        const std::string what = c.boxes.wanted + " Hz";
        ExpectUpdate(u, u.np, c.e, what);
        EXPECT_FALSE(u.ns.has_value()) << what;
        EXPECT_EQ(solver.LastStart(), ToneSolver::Start::None) << what;
    }
}

// Inputs that give no tone empty both results, whatever was shown before,
// and touch no count.
TEST(ToneSolver, InputsThatGiveNoToneEmptyTheResults) {
    const ToneBoxes cases[] = {
        {"", "4.0", "15", "17"},     {"0", "4.0", "15", "17"},     {"-440", "4.0", "15", "17"},
        {"440", "", "15", "17"},     {"440", "0", "15", "17"},     {"440", "-4", "15", "17"},
        {"440", "4.0", "", "17"},    {"440", "4.0", "0", "17"},    {"440", "4.0", "300", "17"},
        {"440", "4.0", "0.4", "17"}, {"1e999", "4.0", "15", "17"}, {"440", "1e-320", "15", "17"},
    };
    for (const ToneBoxes& b : cases) {
        const std::string what = b.wanted + "|" + b.crystal + "|" + b.np;
        ToneSolver solver;
        const ToneUpdate u = solver.SolveFromNp(b, false);
        EXPECT_EQ(u.generated, "") << what;
        EXPECT_EQ(u.error, "") << what;
        EXPECT_FALSE(u.np || u.ns || u.npScroll || u.nsScroll) << what;
        EXPECT_EQ(solver.LastStart(), ToneSolver::Start::None) << what;
        const auto changed = solver.FrequencyChanged(b, false);
        if (b.np == "15") {
            ASSERT_TRUE(changed.has_value()) << what;
            EXPECT_EQ(changed->generated, "") << what;
        }
    }
    ToneSolver solver;
    for (const char* ns : {"", "0", "0.4", "256"}) {
        const ToneUpdate u = solver.SolveFromNs({"440", "4.0", "15", ns});
        EXPECT_EQ(u.generated, "") << ns;
        EXPECT_FALSE(u.np.has_value()) << ns;
    }
    // The one-count form needs its Np box above 0 too.
    EXPECT_EQ(solver.SolveFromNp({"1000", "4.0", "", "17"}, true).generated, "");
}

TEST(ToneSolver, AFrequencyChangeSolvesAgainTheWayTheLastSolveWent) {
    ToneSolver solver;
    // Before any solve the two-count form has nothing to repeat.
    EXPECT_FALSE(solver.FrequencyChanged({"440", "4.0", "15", "17"}, false).has_value());

    solver.SolveFromNs({"440", "4.0", "15", "17"});
    auto u = solver.FrequencyChanged({"1000", "4.0", "15", "17"}, false);
    ASSERT_TRUE(u.has_value());
    EXPECT_TRUE(u->np.has_value());  // from Ns again: Np is solved
    EXPECT_EQ(u->np->text, " 6");

    solver.SolveFromNp({"440", "4.0", "15", "17"}, false);
    u = solver.FrequencyChanged({"1000", "4.0", "15", "17"}, false);
    ASSERT_TRUE(u.has_value());
    ASSERT_TRUE(u->ns.has_value());  // from Np again: Ns is solved
    EXPECT_EQ(u->ns->text, " 7");

    // The one-count form always solves again, after either two-count solve.
    for (bool fromNs : {true, false}) {
        ToneSolver s;
        if (fromNs) {
            s.SolveFromNs({"440", "4.0", "15", "17"});
        } else {
            s.SolveFromNp({"440", "4.0", "15", "17"}, false);
        }
        u = s.FrequencyChanged({"5000", "4.0", "15", "17"}, true);
        ASSERT_TRUE(u.has_value()) << fromNs;
        ASSERT_TRUE(u->np.has_value()) << fromNs;
        EXPECT_EQ(u->np->text, " 24") << fromNs;
        EXPECT_EQ(u->generated, " 5000") << fromNs;
    }
}

}  // namespace
}  // namespace tavolux::help
