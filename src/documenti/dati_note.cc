#include "documenti/dati_note.h"

#include <string>
#include <vector>

#include "documenti/tabella_documento.h"

namespace scenario {

namespace {

// The second and third author stand under the first.
std::string autore(const char* nome_e_recapito) { return std::string(18, ' ') + nome_e_recapito; }

}  // namespace

// The prose is UTF-8 here; the writer turns every accented vowel into its one
// Windows-1252 byte. A sentence that runs over two lines is broken by the text
// itself, since lines are never wrapped.
void dati_note(const std::filesystem::path& percorso) {
  const std::vector<std::string> righe = {
      // The credits.
      "Autori dello scenario:  Alessandro Bellincioni - a.bellincioni1974@example.org",
      autore("Luca Ferri - l.ferri@example.org"),
      autore("Claudio Santini - c.santini@example.org"),
      "",
      "N.ro scenario: 5",
      "",
      "",
      // The train.
      "***NOTE SUL TRENO 27364***",
      "Il treno segue la traccia del regionale 27364 dell'orario in vigore dal 14 dicembre 2008 al "
      "12 dicembre 2009. Nella realtà parte da Lorvento Centrale e prosegue oltre Basalto fino a "
      "Ferna; nella simulazione parte da Lorvento Centrale alle 18.30 e termina a Basalto, dove "
      "arriva alle 20.15.",
      "Il treno è composto da cinque carrozze per il servizio regionale, trainate da una "
      "locomotiva elettrica: non conoscendo con certezza il mezzo usato, si è ipotizzata una "
      "locomotiva a quattro assi da 140 km/h. La massa del treno, esclusa la sola locomotiva, è di "
      "250 tonnellate, con una percentuale di massa frenata del 105%.",
      "La corsa si svolge in una situazione di traffico intenso: davanti al treno viaggiano due "
      "treni partiti in precedenza da Lorvento Centrale, un merci e un regionale, che occupano le "
      "sezioni di blocco e tengono i segnali a via impedita fino alla stazione di Torre Salvina. "
      "Si è supposto che il merci viaggi con un ritardo di circa 15 minuti per un guasto della "
      "locomotiva e che il regionale, partito a sua volta con 5 minuti di ritardo, non riesca a "
      "distanziarlo; perciò il macchinista troverà spesso segnali a via impedita o disposti ad "
      "avviso e dovrà regolare la marcia con attenzione, senza però perdere troppo tempo.",
      "Dopo Torre Salvina la linea prosegue a binario semplice e la marcia diventa più tranquilla, "
      "ma i numerosi rallentamenti rendono di fatto impossibile raggiungere Basalto in orario.",
      "Attenzione: sulla linea sono in vigore parecchi rallentamenti, non tutti ben segnalati.",
      "Le condizioni di aderenza sono pessime a causa della giornata di pioggia.",
      "Tra Bivio Cardeto e Bivio Fontescura occorre mantenere una velocità costante di 60 km/h, "
      "come indicato anche nella scheda treno.",
      "CONDIZIONI DI ADERENZA: Pessime",
      "N.RO RALLENTAMENTI: ???",
      "",
      "",
      // The line. Its end towns lie beyond the route: the train runs on to Ferna.
      "***NOTE SULLA LINEA LORVENTO FERNA***",
      "Il tracciato della linea è stato riprodotto con buona fedeltà fino a Torre Salvina, "
      "seguendo le planimetrie ufficiali per i raggi delle curve.",
      "Oltre Torre Salvina le posizioni delle stazioni e l'altimetria restano attendibili, mentre "
      "il tracciato è stato ricostruito con una minore precisione: in mancanza di planimetrie, i "
      "raggi delle curve",
      "sono stati stimati sulle carte topografiche e sono solo approssimati.",
      "Le posizioni di tutte le stazioni corrispondono alle progressive chilometriche dei "
      "documenti di servizio,",
      "ma alcune fermate minori possono risultare spostate di pochi metri.",
      "L'altimetria è stata ricavata dai profili longitudinali, gli unici documenti reperibili per "
      "l'intera",
      "tratta.",
      "Il segnalamento riproduce fedelmente il tipo e la posizione dei segnali veri su tutta la "
      "linea.",
      "Non essendo disponibili nel simulatore i segnali dei passaggi a livello, questi sono stati "
      "imitati",
      "con segnali di avviso e di protezione ordinari, posti alle stesse distanze degli originali; "
      "l'aspetto",
      "perciò non corrisponde a quello reale, mentre il comportamento chiesto al macchinista è "
      "proprio quello che avrebbe sulla linea",
      "reale.",
      "Il primo segnale dopo la partenza da Lorvento Centrale si trova subito dopo la galleria che "
      "segue la stazione: il macchinista lo vede così solo all'ultimo momento e deve partire con "
      "prudenza, mantenendo una velocità bassa fino a superarlo. La galleria è stata inserita "
      "nella sua posizione reale, ma la sua lunghezza è solo stimata. La precisione del primo "
      "tratto, fino a Bivio Fontescura, è inferiore a quella del resto della linea, dato che i "
      "documenti disponibili per questa parte sono più antichi e assai meno dettagliati.",
  };
  scrivi_documento(percorso, righe);
}

}  // namespace scenario
