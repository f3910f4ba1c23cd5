// The help list, what each entry runs, the text it shows and the export.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "help_list.h"

namespace tavolux::help {
namespace {

HelpContext StartContext() {
    HelpContext c;
    c.VersionDate = "18 Novembre 2015";
    c.UpdateNote1 = "Aggiornamento del 18 Novembre 2015";
    c.UpdateNote2 = "Migliorato l'algoritmo per";
    c.UpdateNote3 = "lo swaping tra bit e";
    c.UpdateNote4 = "variabili byte.";
    c.UpdateNote5 = " ";
    c.ConfigFilePath = "/home/utente/.local/share/Tavolux/_PicConfig.Txt";
    return c;
}

constexpr char kInstructions[] =
    "\r\n\r\n\r\n\r\n\r\n\r\n"
    "      ATTENZIONE\r\n"
    "   a) Selezionare l'istruzione da visualizzare.\r\n"
    "   b) Un click su bordo esterno chiude l'Help\r\n"
    "   c) Doppio click per ottenere un file-help testo.";

enum class Shows { Topic, Picture, Instructions };

struct Entry {
    const char* item;
    std::vector<std::string_view> procedures;
    Shows shows = Shows::Topic;
};

// Every entry of the list in its place, and what choosing it runs.
const std::vector<Entry>& Entries() {
    constexpr Shows kPicture = Shows::Picture, kNothing = Shows::Instructions;
    static const std::vector<Entry> entries = {
        {"Il micro PIC16F84A", {"ShowTopicMicro"}},
        {"Package", {}, kPicture},
        {"Aritmetica di base", {"ShowTopicArithmetic"}},
        {"Ringraziamenti", {"ShowTopicThanks"}},
        {"Workspace", {"ShowTopicWorkspace"}},
        {"CopyRight", {"ShowTopicReleaseDates"}},
        {"Versione", {"ShowTopicVersion"}},
        {"Nota: Osc. RC", {"ShowTopicOscRC"}},
        {" ", {}, kNothing},
        {"ASC", {"ShowTopicAsc"}},
        {"ASM", {"ShowTopicAsm"}},
        {"BREAK", {"ShowTopicBreak"}},
        {"CALL", {"ShowTopicCall"}},
        {"CLEAR", {"ShowTopicClear"}},
        {"CLEAR CARRY", {"ShowTopicClearCarry"}},
        {"CLEAR LINE", {"ShowTopicClear"}},
        {"CLEAR PORT", {"ShowTopicClear"}},
        {"CONFIG", {"ShowTopicConfig"}},
        {"CONST", {"ShowTopicConst"}},
        {"DATA", {"ShowTopicData"}},
        {"DIM", {"ShowTopicDim"}},
        {"DIV10", {"ShowTopicDiv10"}},
        {"DIV10R", {"ShowTopicDiv10"}},
        {"DO", {"ShowTopicDo"}},
        {"END", {"ShowTopicEnd"}},
        {"END SUB", {"ShowTopicEndSub"}},
        {"EXIT SUB", {"ShowTopicExitSub"}},
        {"FLAG_CARRY", {"ShowTopicFlagCarry"}},
        {"FLAG_ZERO", {"ShowTopicFlagZero"}},
        {"FOR", {"ShowTopicFor"}},
        {"GETDATA", {"ShowTopicGetData"}},
        {"GOTO", {"ShowTopicGoto"}},
        {"IF", {"ShowTopicIf"}},
        {"INPUT", {"ShowTopicInput"}},
        {"OUTPUT", {"ShowTopicOutput"}},
        {"READ", {"ShowTopicRead"}},
        {"RECONFIG", {"ShowTopicReconfig"}},
        {"RESET", {"ShowTopicReset"}},
        {"RESET CARRY", {"ShowTopicResetCarry"}},
        {"RND (random)", {"ShowTopicRnd"}},
        {"ROTATE BIT", {"ShowTopicRotate"}},
        {"SELECT CASE", {"ShowTopicSelectCase"}},
        {"SET", {"ShowTopicSet"}},
        {"SET CARRY", {"ShowTopicSetCarry"}},
        {"SHIFT BIT", {"ShowTopicShift"}},
        {"STOP", {"ShowTopicStop"}},
        {"SUB", {"ShowTopicSub"}},
        {"SYMBOL", {"ShowTopicConst"}},
        {"SWAP BINARY", {"ShowTopicSwap"}},
        {"SWAP BYTE", {"ShowTopicSwap"}},
        {"WAIT", {"ShowTopicWait"}},
        {"WAIT (Utility)", {"ShowWaitCalculator", "ShowTopicWait"}},
        {"WRITE", {"ShowTopicWrite"}},
        {" ", {}, kNothing},
        {"-Interrupt Timer-", {}, kNothing},
        {"ON TIMER INTERRUPT", {"ShowTopicOnTimerInterrupt"}},
        {"SET INTERNAL CLOCK", {"ShowTopicSetInternalClock"}},
        {"SET EXTERNAL CLOCK", {"ShowTopicSetExternalClock"}},
        {"SET TIMER EDGE", {"ShowTopicSetTimerEdge"}},
        {"SET TIMER RATE", {"ShowTopicSetTimerRate"}},
        {"SET TIMER ON/OFF", {"ShowTopicSetTimerOnOff"}},
        {"SET INIT TIMER TO", {"ShowTopicSetInitTimer"}},
        {" ", {}, kNothing},
        {"-Interrupt Esterno-", {}, kNothing},
        {"ON EXTERNAL INTERRUPT", {"ShowTopicOnExternalInterrupt"}},
        {"SET EXT. INT. EDGE", {"ShowTopicSetExtIntEdge"}},
        {"SET EXT. INT. ON/OFF", {"ShowTopicSetExtIntOnOff"}},
        {" ", {}, kNothing},
        {"-Interrupt su Linea-", {}, kNothing},
        {"ON LINE INTERRUPT", {"ShowTopicOnLineInterrupt"}},
        {"SET LINE INTERRUPT", {"ShowTopicSetLineInterrupt"}},
        {" ", {}, kNothing},
        {"  ==>> Help <<==", {}, kNothing},
    };
    return entries;
}

TEST(HelpList, EveryEntryInItsPlaceRunsWhatItShould) {
    const auto& items = HelpListItems();
    const auto& entries = Entries();
    ASSERT_EQ(items.size(), 73u);
    ASSERT_EQ(entries.size(), 73u);
    for (size_t i = 0; i < items.size(); ++i) {
        const Entry& e = entries[i];
        SCOPED_TRACE(testing::Message() << i << " \"" << e.item << "\"");
        EXPECT_EQ(items[i], e.item);
        HelpDispatch d = DispatchHelpItem(e.item);
        EXPECT_EQ(d.procedures, e.procedures);
        EXPECT_EQ(d.showPicture, e.shows == Shows::Picture);
        if (e.shows == Shows::Picture) {
            EXPECT_EQ(HelpPageText(e.item, StartContext()), "\r\n");
        }
        if (e.shows == Shows::Instructions) {
            EXPECT_EQ(HelpPageText(e.item, StartContext()), kInstructions);
        }
    }
}

TEST(HelpList, TheInstructionsAreExact) {
    EXPECT_EQ(HelpInstructions(), kInstructions);
}

TEST(HelpList, FixedTopicsAreExact) {
    HelpContext c = StartContext();
    EXPECT_EQ(HelpPageText("CopyRight", c),
              "\r\nPrima Versione Aprile 2010\r\nUltimo aggiornamento 18 Novembre 2015\r\n");

    const std::string workspaceHead =
        "\r\n\r\n"
        "Il programma ricerca la directory di lavoro:\r\n"
        "\r\n"
        "  Linux:   ~/.local/share/Tavolux, altrimenti la cartella home,\r\n"
        "           altrimenti la cartella corrente\r\n"
        "  Windows: C:\\Users\\<utente>\\AppData\\Roaming\\Tavolux, altrimenti la\r\n"
        "           cartella dell'utente, altrimenti la cartella corrente\r\n"
        "\r\n"
        "Il programma usa la prima di queste cartelle in cui si può scrivere,\r\n"
        "escluse quelle in cui può scrivere ogni utente (come /tmp su Linux).\r\n"
        "\r\n"
        "Quando non c'è un file corrente, la finestra dei file si apre nella prima\r\n"
        "cartella \"Tavolux Programmi\" che contiene dei file, cercandola prima nella\r\n"
        "cartella home e poi nella radice di ogni unità (su Linux \"/\" e i volumi montati,\r\n"
        "su Windows C:\\, D:\\, ...); altrimenti nella cartella corrente.\r\n"
        "\r\n"
        "I parametri di sessione sono salvati nel file:\r\n";
    EXPECT_EQ(HelpPageText("Workspace", c),
              workspaceHead + "    /home/utente/.local/share/Tavolux/_PicConfig.Txt\r\n");
    c.ConfigFilePath = "";
    EXPECT_EQ(HelpPageText("Workspace", c), workspaceHead + "    \r\n");
}

TEST(HelpList, VersionFramesTheDateWhateverItsLength) {
    struct Case {
        const char* date;
        std::string border;  // as long as the version line, in characters
    };
    const Case cases[] = {
        {"18 Novembre 2015", "+" + std::string(37, '-') + "+"},
        {"1° Aprile 2016", "+" + std::string(35, '-') + "+"},  // ° is two bytes, one character
    };
    for (const Case& k : cases) {
        HelpContext c = StartContext();
        c.VersionDate = k.date;
        c.UpdateNote1 = std::string("Aggiornamento del ") + k.date;
        const std::string line = std::string("| Versione programma: ") + k.date + "|";
        EXPECT_EQ(HelpPageText("Versione", c), "\r\n \r\n \r\n \r\n" + k.border + "\r\n" + line +
                                                   "\r\n" + k.border + "\r\n \r\n" +
                                                   "Aggiornamento del " + k.date +
                                                   "\r\n"
                                                   "Migliorato l'algoritmo per\r\n"
                                                   "lo swaping tra bit e\r\n"
                                                   "variabili byte.\r\n"
                                                   " \r\n")
            << k.date;
    }
}

// Lines whose blanks are part of the text.
TEST(HelpList, QuotedLinesKeepTheirBlanks) {
    struct Case {
        const char* procedure;
        std::vector<std::string> run;  // consecutive lines of the topic
    };
    const Case cases[] = {
        {"ShowTopicArithmetic",
         {"", "Funzione AND : X = Y AND Z ", "Funzione OR  : X = Y OR Z  ",
          "Funzione NOT : X = NOT(Y)  ", "Funzione XOR : X = Y XOR Z ", ""}},
        {"ShowTopicArithmetic",
         {"", "Sono accettate le seguenti notazioni numeriche: ",
          " a) Notazione decimale consueta. Esempio X = 28",
          " b) Notazione binaria. Esempio: X = B'011101'",
          " c) Notazione esadecimale. Esempio X = 0x4A  "}},
        {"ShowTopicArithmetic", {"", "*** ATTENZIONE ***"}},
        {"ShowTopicArithmetic", {"X = NOT( ( Y AND Z ) OR ( Z AND K ) )"}},
        {"ShowTopicOscRC", {"", "Per applicazioni che non richiedono una grande precisione"}},
    };
    for (const Case& k : cases) {
        std::vector<std::string> lines = TopicLines(k.procedure, StartContext());
        auto at = std::search(lines.begin(), lines.end(), k.run.begin(), k.run.end());
        EXPECT_NE(at, lines.end()) << k.procedure << ": " << k.run[1 % k.run.size()];
    }
    std::vector<std::string> arithmetic = TopicLines("ShowTopicArithmetic", StartContext());
    ASSERT_FALSE(arithmetic.empty());
    EXPECT_EQ(arithmetic.back(), " ");
    std::vector<std::string> rc = TopicLines("ShowTopicOscRC", StartContext());
    ASSERT_EQ(rc.size(), 10u);  // empty, heading, seven lines, empty
    EXPECT_EQ(rc.front(), "");
    EXPECT_EQ(rc.back(), "");
    EXPECT_EQ(TopicLines("ShowTopicThanks", StartContext()).size(), 2u);
    EXPECT_TRUE(TopicLines("ShowTopicNothing", StartContext()).empty());
}

// Splits the export after the blocks of the non-blank entries, each checked
// against the text the entry shows.
TEST(HelpExport, OneBlockPerNonBlankEntryInListOrder) {
    const HelpContext c = StartContext();
    const std::string text = BuildHelpExport(c);
    size_t at = 0, blocks = 0;
    std::string first, last;
    for (const Entry& e : Entries()) {
        if (std::string_view(e.item).find_first_not_of(' ') == std::string_view::npos) continue;
        const std::string block =
            std::string(e.item) + "\r\n" + HelpPageText(e.item, c) + "\r\n \r\n \r\n";
        ASSERT_EQ(text.substr(at, block.size()), block) << e.item;
        at += block.size();
        if (++blocks == 1) first = block;
        last = block;
    }
    EXPECT_EQ(at, text.size());
    EXPECT_EQ(blocks, 68u);
    EXPECT_TRUE(first.starts_with("Il micro PIC16F84A\r\n\r\nQuesto tipo di integrato, ")) << first;
    EXPECT_EQ(last, std::string("  ==>> Help <<==\r\n") + kInstructions + "\r\n \r\n \r\n");
    EXPECT_NE(text.find("\r\nPackage\r\n\r\n\r\n \r\n \r\nAritmetica di base\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tavolux::help
