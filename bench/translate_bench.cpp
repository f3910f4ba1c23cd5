// Translation speed over generated programs of about 300, 1000 and 2900
// lines: declarations, assignments, IF blocks, loops, SELECT CASE, calls with
// arguments, logic with groups, labels and GOTOs.
#include <benchmark/benchmark.h>

#include <string>

#include "translator.h"

namespace {

std::string Program(int lines) {
    // The store holds 3000 lines, generated assembly included, so most lines
    // are labels and jumps that translate one for one; every block of 250
    // lines also has an assignment with a sum, an IF block with ELSE, a FOR
    // loop with logic in its body, a DO loop with BREAK, a SELECT CASE and a
    // call with arguments. Those grow in translation: each block counts for
    // the lines it takes once translated.
    constexpr int kBlockWeight = 120;
    std::string p;
    int written = 0;
    auto line = [&](const std::string& s) {
        p += s + "\r\n";
        ++written;
    };
    for (int v = 0; v < 20; ++v) line("DIM V" + std::to_string(v) + " AS BYTE");
    line("DIM P1 AS BYTE");
    line("DIM P2 AS BYTE");
    int label = 0;
    while (written < lines - 4) {
        const std::string a = "V" + std::to_string(label % 20);
        const std::string b = "V" + std::to_string((label + 7) % 20);
        if (label % 250 == 0 && written + kBlockWeight < lines - 4) {
            const int before = written;
            line(a + " = " + b + " + 3");
            line("IF " + a + " > 100 THEN");
            line(b + " = " + a);
            line("ELSE");
            line(b + " = 5");
            line("END IF");
            line("FOR V19 = 1 TO 10");
            line(a + " = (" + a + " AND 15) OR " + b);
            line("NEXT V19");
            line("DO WHILE " + a + " < 200");
            line(a + " = " + a + " + 7");
            line("IF " + a + " = 50 THEN");
            line("BREAK");
            line("END IF");
            line("LOOP");
            line("SELECT CASE " + a);
            line("CASE 1");
            line(b + " = 1");
            line("CASE 2, 3");
            line(b + " = 2");
            line("CASE 10 TO 20");
            line(b + " = 3");
            line("CASE ELSE");
            line(b + " = NOT(" + a + ")");
            line("END SELECT");
            line("CALL SOMMA(" + a + ", " + b + ")");
            written = before + kBlockWeight;
        }
        line("L" + std::to_string(label) + ":");
        if (written < lines - 4) line("GOTO L" + std::to_string(label / 2));
        ++label;
    }
    line("END");
    line("SUB SOMMA(P1, P2)");
    line("V0 = P1 + P2");
    line("END SUB");
    return p;
}

void BM_Translate(benchmark::State& state) {
    const std::string program = Program(static_cast<int>(state.range(0)));
    tavolux::Translator translator;
    const auto check = translator.TranslateProgram(program, "BENCH.BAS");
    if (check.flagError) {
        state.SkipWithError(check.asmText.substr(0, 200).c_str());
        return;
    }
    for (auto _ : state) {
        auto result = translator.TranslateProgram(program, "BENCH.BAS");
        benchmark::DoNotOptimize(result);
    }
    state.counters["lines/s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Translate)->Arg(300)->Arg(1000)->Arg(2900)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
