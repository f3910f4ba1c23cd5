// Help topics: general.
#include "help_topics.h"

namespace tavolux::help {

const std::vector<TopicText>& GeneralTopics() {
    static const std::vector<TopicText> topics = {
        {"ShowTopicMicro",
         {
             "Questo tipo di integrato, prodotto dalla Microchip, è particolarmente semplice da "
             "usare e allo stesso tempo molto potente in applicazioni di controllo di complessità "
             "medio-bassa.",
             "",
             "Il micro può essere visto come una scatola nera le cui linee (i suoi piedini) si "
             "configurano facilmente come ingressi o uscite digitali.",
             "",
             "In quest'ottica il programma è uno strumento per programmare il micro con facilità: "
             "fornisce un listato assembly che il programmatore può modificare secondo le proprie "
             "esigenze.",
             "",
             "Per questo il programma non va considerato un compilatore, ma un traduttore che "
             "fornisce un listato assembly.",
             "",
             "Il linguaggio si può chiamare BASIC perché usa tutti i costrutti di base del BASIC.",
             "",
             "Il programma nasce dalle difficoltà che gli studenti incontrano nella programmazione "
             "a basso livello (assembly) e vuole facilitare questo lavoro e lo studio del micro.",
             "",
             "Con il programma uno studente, conoscendo solo pochi concetti di base sul "
             "funzionamento del micro, può essere subito produttivo sul PIC16F84A.",
             "",
             "L'assemblaggio del sorgente e la scrittura del programma assemblato nel micro sono "
             "lasciati a programmi specifici che si trovano in rete, primo fra tutti l'assembler "
             "che la Microchip fornisce gratuitamente.",
             "",
             "Dopo la traduzione le statistiche mostrano la lunghezza del programma in word: la "
             "memoria di programma del PIC16F84A contiene 1024 word, e un programma più lungo non "
             "può essere caricato nel micro, anche se il listato viene generato comunque.",
             "",
             "Il listato assembly non imposta la parola di configurazione (configuration word): "
             "l'oscillatore e il watchdog si scelgono nel software che programma il micro. Se il "
             "watchdog resta attivo, il micro riparte da capo ogni volta che il watchdog scade "
             "(circa 18 ms senza prescaler, fino a 2,3 s con il prescaler), e dopo uno STOP il "
             "micro riprende allo scadere del watchdog.",
         }},
        {"ShowTopicArithmetic",
         {
             "Tutte le costanti numeriche sono a 8 bit.",
             "Le operazioni di somma e sottrazione lavorano su operandi a 8 bit.",
             "Di norma non sono ammessi livelli di parentesi: solo le espressioni logiche possono "
             "usare le parentesi, anche annidate.",
             "",
             "Funzione AND : X = Y AND Z ",
             "Funzione OR  : X = Y OR Z  ",
             "Funzione NOT : X = NOT(Y)  ",
             "Funzione XOR : X = Y XOR Z ",
             "",
             "Solo la funzione NOT richiede le parentesi.",
             "Con le parentesi si possono costruire espressioni più complesse, ad esempio:",
             "X = NOT( ( Y AND Z ) OR ( Z AND K ) )",
             "I byte in cui il traduttore calcola le espressioni tra parentesi vengono",
             "salvati all'inizio dell'interrupt e ripristinati alla fine quando anche la",
             "routine di interrupt li usa, perciò le parentesi si possono usare anche",
             "nella routine (vedere ON TIMER INTERRUPT).",
             "",
             "Sono accettate le seguenti notazioni numeriche: ",
             " a) Notazione decimale consueta. Esempio X = 28",
             " b) Notazione binaria. Esempio: X = B'011101'",
             " c) Notazione esadecimale. Esempio X = 0x4A  ",
             "    0x è riconosciuto solo dopo uno spazio o uno dei caratteri + - * / ( ) [ ]:",
             "    X=0x4A, IF X>0x3A THEN e Write 0x12,0x05 sono rifiutati; per X=0x4A il",
             "    traduttore segnala:",
             "Variabile o Espressione algebrica non definita",
             "    Si scrive invece X = 0x4A, IF X > 0x3A THEN, Write 0x12, 0x05.",
             "    Un numero binario ha al più 8 cifre, solo 0 e 1, senza spazi:",
             "    X = B'011012' è rifiutato.",
             "",
             "*** ATTENZIONE ***",
             " - Il programma crea variabili dinamiche il cui nome",
             "   inizia con W#.",
             " - Tutte le variabili hanno visibilità globale: fare attenzione",
             "   a evitare conflitti tra variabili quando si usano gli interrupt",
             "   e quando si annidano le subroutine (CALL che chiamano altre CALL).",
             " - Per personalizzare alcuni parametri del programma fare click",
             "   sul tasto 'BAS' o 'ASM'.",
             " - Le variabili BYTE sono a 8 bit senza segno (0/255); le costanti",
             "   numeriche negative sono in complemento a due.",
             "   Ovunque una costante è usata come byte (assegnazioni, somme e",
             "   differenze, operazioni logiche, confronti di IF, DO e CASE, OUTPUT,",
             "   DATA, dati di WRITE) deve stare tra -256 e 255; una costante negativa",
             "   vale il suo complemento a due (X = -129 dà 0x7F). Una costante fuori",
             "   da questo intervallo (X = 300, X = Y + 300, IF X > 300 THEN, DATA 300)",
             "   è rifiutata con il messaggio:",
             "Costante numerica non ammessa",
             "   In WAIT, nei limiti di un FOR e in SET INIT TIMER TO una costante deve",
             "   stare tra 0 e 255 (in WAIT tra 1 e 255).",
             "   Solo il confronto con la costante 0 legge il byte con segno (bit 7 a 1",
             "   vuol dire negativo): con X = 200, IF X>0 è falso e IF X<0 è vero.",
             "   Per sapere se X è diverso da zero si scrive IF X<>0 oppure IF X>=1.",
             " ",
         }},
        {"ShowTopicThanks",
         {
             "Un grazie a tutti gli studenti e agli insegnanti che, con le loro prove",
             "e i loro suggerimenti, hanno aiutato a migliorare il programma.",
         }},
        {"ShowTopicOscRC",
         {
             "",
             "Per applicazioni che non richiedono una grande precisione",
             "nei tempi, al posto del quarzo XTAL si può usare una rete RC:",
             "una resistenza maggiore di 5 kΩ collega il pin OSC1 ai +5 V",
             "dell'alimentazione e un condensatore maggiore di 20 pF collega",
             "il pin OSC1 a massa GND. La frequenza dell'oscillatore dipende da",
             "R e C, ma anche dalla tensione di alimentazione e dalla temperatura.",
             "Sul pin OSC2/CLKOUT è presente un segnale di frequenza pari a un",
             "quarto di quella dell'oscillatore.",
             "",
         }},
    };
    return topics;
}

}  // namespace tavolux::help
