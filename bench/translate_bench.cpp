// Translation speed over generated programs of about 300, 1000 and 2900
// lines: declarations, assignments, IF blocks, labels and GOTOs; and the
// same sizes with the structured statements and the chip's statements mixed
// in (FOR and DO loops, SELECT CASE, SUB and CALL with arguments, logic,
// port and bit statements, WAIT, SHIFT, WRITE, timer and interrupts).
#include <benchmark/benchmark.h>

#include <string>

#include "translator.h"

namespace {

// A prefix and a number ("V" and 7 give "V7").
std::string Num(const char* prefix, int n) {
    std::string s(prefix);
    s += std::to_string(n);
    return s;
}

std::string Program(int lines) {
    // The store holds 3000 lines, generated assembly included, so most lines
    // are labels and jumps that translate one for one; every block of 250
    // lines also has an assignment with a sum and an IF block with ELSE.
    std::string p;
    int written = 0;
    auto line = [&](const std::string& s) {
        p += s + "\r\n";
        ++written;
    };
    for (int v = 0; v < 20; ++v) line(Num("DIM V", v) + " AS BYTE");
    int label = 0;
    while (written < lines - 1) {
        const std::string a = Num("V", label % 20);
        const std::string b = Num("V", (label + 7) % 20);
        if (label % 250 == 0) {
            line(a + " = " + b + " + 3");
            line("IF " + a + " > 100 THEN");
            line(b + " = " + a);
            line("ELSE");
            line(b + " = 5");
            line("END IF");
        }
        line(Num("L", label) + ":");
        if (written < lines - 1) line(Num("GOTO L", label / 2));
        ++label;
    }
    line("END");
    return p;
}

// The structured statements expand into many assembly lines, and the store
// holds 3000 lines, generated ones included; so this program is sized by the
// lines it fills in the store once translated: one block of every structured
// statement (about 100 store lines) for every 290 lines, the rest labels and
// jumps that translate one for one.
std::string StructuredProgram(int lines) {
    constexpr int kBlockStoreLines = 100;
    const int blocks = lines / 290;
    std::string p;
    int written = 0;
    auto line = [&](const std::string& s) {
        p += s + "\r\n";
        ++written;
    };
    line("ON TIMER INTERRUPT CALL TICK");
    line("CONFIG PORT B AS OUTPUT");
    line("CONFIG LINE A0 AS INPUT");
    for (int v = 0; v < 16; ++v) line(Num("DIM V", v) + " AS BYTE");
    line("DIM P AS BYTE");
    line("DIM Q AS BYTE");
    line("SET TIMER RATE TO 4");
    const int subsLines = 7;
    const int fill = lines - blocks * kBlockStoreLines - subsLines - 1;
    const int every = blocks > 0 ? fill / 2 / blocks : fill;
    int label = 0;
    int block = 0;
    while (written < fill) {
        const std::string a = Num("V", label % 16);
        const std::string b = Num("V", (label + 5) % 16);
        if (label % every == 0 && block < blocks) {
            const int n = block++;
            line("FOR " + a + " = 1 TO 10 STEP 2");
            line(b + " = (" + a + " AND 7) OR 1");
            line("NEXT " + a);
            line("DO WHILE " + a + " < 20");
            line(a + " = " + a + " + 1");
            line("IF " + a + " = 15 THEN BREAK");
            line("LOOP");
            line("SELECT CASE " + b);
            line("CASE 1");
            line(a + " = 2");
            line("CASE 2 TO 9");
            line(a + " = 3");
            line("CASE ELSE");
            line(a + " = 4");
            line("END SELECT");
            line("CALL SOMMA(" + a + ", " + b + ")");
            line(Num("SET B", n % 8));
            line("IF INPUT(A0) = 1 THEN");
            line("OUTPUT B , " + a);
            line("END IF");
            line("SHIFT LEFT " + a + " , 1");
            line("WAIT 20");
            line(Num("WRITE ", n) + " , " + a);
        }
        line(Num("L", label) + ":");
        if (written < fill) line(Num("GOTO L", label / 2));
        ++label;
    }
    line("END");
    line("SUB SOMMA(P, Q)");
    line("V0 = P + Q");
    line("V1 = V0 XOR Q");
    line("END SUB");
    line("SUB TICK");
    line("V2 = V2 + 1");
    line("END SUB");
    return p;
}

void Run(benchmark::State& state, const std::string& program) {
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

void BM_Translate(benchmark::State& state) {
    Run(state, Program(static_cast<int>(state.range(0))));
}

void BM_TranslateStructured(benchmark::State& state) {
    Run(state, StructuredProgram(static_cast<int>(state.range(0))));
}

BENCHMARK(BM_Translate)->Arg(300)->Arg(1000)->Arg(2900)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TranslateStructured)->Arg(300)->Arg(1000)->Arg(2900)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
