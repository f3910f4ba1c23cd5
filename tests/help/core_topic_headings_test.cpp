// Every topic the help list can show starts with its heading, and every
// line it puts in the text box ends with CR LF.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "help_list.h"

namespace tavolux::help {
namespace {

enum Group { kGeneral, kAscToGoto, kIfToWrite, kTimer };

const std::vector<TopicText>& GroupTable(Group group) {
    switch (group) {
        case kGeneral:
            return GeneralTopics();
        case kAscToGoto:
            return StatementTopicsAscToGoto();
        case kIfToWrite:
            return StatementTopicsIfToWrite();
        case kTimer:
            return TimerTopics();
    }
    return GeneralTopics();
}

const char* GroupName(Group group) {
    static const char* names[] = {"GeneralTopics", "StatementTopicsAscToGoto",
                                  "StatementTopicsIfToWrite", "TimerTopics"};
    return names[group];
}

struct Heading {
    Group group;
    bool emptyLineFirst;  // an empty line stands above the heading
    const char* text;
};

// The heading of every topic procedure.
const std::map<std::string_view, Heading>& Headings() {
    static const std::map<std::string_view, Heading> headings = {
        {"ShowTopicMicro",
         {kGeneral, false,
          "Questo tipo di integrato, prodotto dalla Microchip, è particolarmente semplice da usare "
          "e allo stesso tempo molto potente in applicazioni di controllo di complessità "
          "medio-bassa."}},
        {"ShowTopicArithmetic", {kGeneral, false, "Tutte le costanti numeriche sono a 8 bit."}},
        {"ShowTopicThanks",
         {kGeneral, false,
          "Un grazie a tutti gli studenti e agli insegnanti che, con le loro prove"}},
        {"ShowTopicWorkspace", {kGeneral, true, "Il programma ricerca la directory di lavoro:"}},
        {"ShowTopicReleaseDates", {kGeneral, false, "Prima Versione Aprile 2010"}},
        {"ShowTopicVersion", {kGeneral, false, " "}},
        {"ShowTopicOscRC",
         {kGeneral, true, "Per applicazioni che non richiedono una grande precisione"}},

        {"ShowTopicAsc", {kAscToGoto, false, "Istruzione Ascii"}},
        {"ShowTopicAsm", {kAscToGoto, false, "Inserimento di un'istruzione assembly"}},
        {"ShowTopicBreak",
         {kAscToGoto, false,
          "Interrompe incondizionatamente un ciclo DO While oppure un ciclo For Next"}},
        {"ShowTopicCall", {kAscToGoto, false, "Istruzione di chiamata di un sottoprogramma"}},
        {"ShowTopicClear", {kAscToGoto, false, "Azzeramento Porta/Linea"}},
        {"ShowTopicClearCarry",
         {kAscToGoto, false, "Imposta il flag Carry a 0, livello logico OFF"}},
        {"ShowTopicConfig", {kAscToGoto, false, "Configura le porte I/O del micro"}},
        {"ShowTopicConst",
         {kAscToGoto, false, "Definisce una costante simbolica per il l'intero programma."}},
        {"ShowTopicData", {kAscToGoto, false, "Dimensionamento di un'area DATA"}},
        {"ShowTopicDim", {kAscToGoto, false, "Dimensionamento di variabili."}},
        {"ShowTopicDiv10",
         {kAscToGoto, false,
          "La funzione permette di eseguire la divisione per 10 (Div10) ottenendo la parte intera "
          "del quoziente."}},
        {"ShowTopicDo", {kAscToGoto, false, "Definizione di un ciclo iterativo"}},
        {"ShowTopicEnd", {kAscToGoto, false, "Istruzione di fine programma"}},
        {"ShowTopicEndSub", {kAscToGoto, false, "Istruzione di chiusura di una subroutine"}},
        {"ShowTopicExitSub", {kAscToGoto, false, "Interruzione di una subroutine"}},
        {"ShowTopicFlagCarry", {kAscToGoto, false, "Lettura dello stato logico del flag carry"}},
        {"ShowTopicFlagZero", {kAscToGoto, false, "Lettura dello stato logico del flag zero"}},
        {"ShowTopicFor", {kAscToGoto, false, "Definizione di un ciclo iterativo For...Next"}},
        {"ShowTopicGetData", {kAscToGoto, false, "Lettura dell'area di memoria DATA"}},
        {"ShowTopicGoto",
         {kAscToGoto, false, "L'istruzione permette di eseguire un salto incondizionato."}},

        {"ShowTopicIf", {kIfToWrite, false, "Istruzione di salto condizionato IF"}},
        {"ShowTopicInput", {kIfToWrite, false, "Istruzione di lettura di una porta/linea"}},
        {"ShowTopicOutput", {kIfToWrite, false, "Scrittura di un dato a 8 bit su porta di Output"}},
        {"ShowTopicRead", {kIfToWrite, false, "Lettura dei dati in EEPROM"}},
        {"ShowTopicReconfig", {kIfToWrite, false, "Riconfigura una porta I/O del micro"}},
        {"ShowTopicReset", {kIfToWrite, false, "Reset (OFF) di una linea di output"}},
        {"ShowTopicResetCarry",
         {kIfToWrite, false, "Imposta il flag Carry a 0, livello logico OFF"}},
        {"ShowTopicRnd",
         {kIfToWrite, false, "La funzione permette di ottenere un numero casuale."}},
        {"ShowTopicRotate", {kIfToWrite, false, "Rotazione circolare con l'appoggio del carry"}},
        {"ShowTopicSelectCase", {kIfToWrite, false, "Istruzione di blocco selettivo Select Case"}},
        {"ShowTopicSet",
         {kIfToWrite, false, "Instruzione di settaggio (ON) di una linea o una porta di Output"}},
        {"ShowTopicSetCarry", {kIfToWrite, false, "Imposta il flag Carry a 1, livello logico ON"}},
        {"ShowTopicShift", {kIfToWrite, false, "Scorrimento dei bit a destra/sinistra"}},
        {"ShowTopicStop", {kIfToWrite, false, "Istruzione di arresto del programma"}},
        {"ShowTopicSub", {kIfToWrite, false, "Istruzione di definizione di una subroutine"}},
        {"ShowTopicSwap", {kIfToWrite, true, "*** SWAP BIRARY ***"}},
        {"ShowTopicWait", {kIfToWrite, false, "Istruzione di pausa"}},
        {"ShowTopicWrite", {kIfToWrite, false, "Scrittura nell'area dati EEPROM"}},

        {"ShowTopicOnTimerInterrupt", {kTimer, false, "Intercetta l'interrupt del timer"}},
        {"ShowTopicSetInternalClock",
         {kTimer, false, "Imposta il clock interno come segnale sorgente per timer"}},
        {"ShowTopicSetExternalClock",
         {kTimer, false, "Imposta il segnale sorgente per il timer il clock esterno"}},
        {"ShowTopicSetTimerEdge", {kTimer, false, "Imposta il fronte di trasizione del clock"}},
        {"ShowTopicSetTimerRate", {kTimer, false, "Imposta il divisore di frequenza"}},
        {"ShowTopicSetTimerOnOff", {kTimer, false, "Abilita/Disabilita l'interrupt Timer"}},
        {"ShowTopicSetInitTimer",
         {kTimer, false, "Inizializza il registro timer per le transizioni FF->00"}},
        {"ShowTopicOnExternalInterrupt",
         {kTimer, false, "Intercetta un'interrupt su linea esterna B0"}},
        {"ShowTopicSetExtIntEdge",
         {kTimer, false, "Imposta il fronte di trasizione per l'interrupt esterna."}},
        {"ShowTopicSetExtIntOnOff",
         {kTimer, false, "Abilita/Disabilita l'interrupt su linea esterna"}},
        {"ShowTopicOnLineInterrupt", {kTimer, false, "Intercetta interrupt su linee B4-B7"}},
        {"ShowTopicSetLineInterrupt",
         {kTimer, false, "Abilita/Disabilita l'interrupt su linee esterne B4-B7"}},
    };
    return headings;
}

HelpContext SomeContext() {
    HelpContext c;
    c.VersionDate = "18 Novembre 2015";
    c.UpdateNote1 = "Aggiornamento del 18 Novembre 2015";
    c.UpdateNote5 = " ";
    c.ConfigFilePath = "/tmp/_PicConfig.Txt";
    return c;
}

// The topic procedures the list can run, each once.
std::set<std::string_view> DispatchedTopics() {
    std::set<std::string_view> topics;
    for (std::string_view item : HelpListItems()) {
        for (std::string_view p : DispatchHelpItem(item).procedures) {
            if (p != kShowWaitCalculator) topics.insert(p);
        }
    }
    for (const DispatchRule& rule : DispatchRules()) {
        if (rule.procedure != kShowWaitCalculator) topics.insert(rule.procedure);
    }
    return topics;
}

TEST(HelpTopics, EveryDispatchedTopicHasAHeadingAndEveryHeadingIsDispatched) {
    const std::set<std::string_view> dispatched = DispatchedTopics();
    for (std::string_view p : dispatched) EXPECT_TRUE(Headings().contains(p)) << p;
    for (const auto& [p, h] : Headings()) EXPECT_TRUE(dispatched.contains(p)) << p;
    EXPECT_EQ(dispatched.size(), 57u);
}

TEST(HelpTopics, TheGroupTablesHoldOnlyDispatchedTopicsEachOnce) {
    std::set<std::string_view> seen;
    for (Group g : {kGeneral, kAscToGoto, kIfToWrite, kTimer}) {
        for (const TopicText& topic : GroupTable(g)) {
            SCOPED_TRACE(topic.procedure);
            EXPECT_TRUE(seen.insert(topic.procedure).second) << "twice";
            auto h = Headings().find(topic.procedure);
            ASSERT_NE(h, Headings().end()) << "no list entry shows it";
            EXPECT_EQ(h->second.group, g) << "in " << GroupName(g);
        }
    }
}

// One run per group. A group whose table is still empty reports itself
// skipped; a topic missing from a filled group fails.
class GroupTopics : public testing::TestWithParam<Group> {};

TEST_P(GroupTopics, StartWithTheirHeadingAndEndEachLineWithCrLf) {
    const Group group = GetParam();
    if (GroupTable(group).empty()) GTEST_SKIP() << GroupName(group) << " holds no topic yet";
    for (std::string_view p : DispatchedTopics()) {
        auto h = Headings().find(p);
        if (h == Headings().end() || h->second.group != group) continue;
        SCOPED_TRACE(p);
        const Heading& heading = h->second;
        const std::vector<std::string> lines = TopicLines(p, SomeContext());
        const size_t at = heading.emptyLineFirst ? 1 : 0;
        ASSERT_GT(lines.size(), at) << "missing from " << GroupName(group);
        if (heading.emptyLineFirst) {
            EXPECT_EQ(lines[0], "");
        }
        EXPECT_EQ(lines[at], heading.text);
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        }
    }
    // In the text box: the leading CR LF, then every line ended by CR LF
    // (no lone CR or LF anywhere).
    for (std::string_view item : HelpListItems()) {
        const HelpDispatch d = DispatchHelpItem(item);
        auto h = d.procedures.empty() ? Headings().end() : Headings().find(d.procedures.back());
        if (h == Headings().end() || h->second.group != group) continue;
        std::string text = HelpPageText(item, SomeContext());
        EXPECT_TRUE(text.starts_with("\r\n") && text.ends_with("\r\n")) << item;
        for (size_t cut; (cut = text.find("\r\n")) != std::string::npos;) text.erase(cut, 2);
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << item;
    }
}

INSTANTIATE_TEST_SUITE_P(HelpTopics, GroupTopics,
                         testing::Values(kGeneral, kAscToGoto, kIfToWrite, kTimer),
                         [](const testing::TestParamInfo<Group>& info) {
                             return std::string(GroupName(info.param));
                         });

}  // namespace
}  // namespace tavolux::help
