#include "cli/help_text.h"

namespace cli {

std::string_view HelpText() {
  return R"(Uso:
  discordanza-cli [--separator C] BASE RIBASSO TOTALE
  discordanza-cli --csv [FILE] [--delimiter C] [--header] [--separator C]
  discordanza-cli --help

Confronta l'importo totale dei lavori proposto dall'Impresa con quello che
segue dall'importo a base d'asta e dalla percentuale di ribasso
aggiudicatrice, con gli stessi calcoli della finestra principale.

Con tre importi (importo a base d'asta, percentuale di ribasso
aggiudicatrice, importo totale dei lavori proposto dall'Impresa) scrive:
  Importo totale dei lavori calcolato: ...
  Importo Impresa meno importo calcolato: ...
  Percentuale di discordanza: ... %
Un importo si legge come nella finestra: contano solo le cifre e il primo
separatore decimale, ogni altro carattere è ignorato. Se il calcolo non
riesce, il messaggio d'errore va sullo standard error.

Opzioni:
  --csv [FILE]    legge righe di tre campi (importo a base d'asta,
                  percentuale di ribasso, importo dell'Impresa) dal FILE,
                  oppure dallo standard input senza FILE o con "-", e per
                  ogni riga scrive sullo standard output i tre campi
                  invariati seguiti da importo calcolato, differenza,
                  percentuale di discordanza e messaggio d'errore (vuoto se
                  il calcolo è riuscito).
  --delimiter C   il carattere fra i campi, in lettura e in scrittura
                  (predefinito ";", come nei fogli di calcolo italiani;
                  "\t" o un tabulatore vero per il tabulatore).
  --header        la prima riga contiene i titoli delle colonne: è copiata e
                  completata con i titoli delle quattro colonne aggiunte.
  --separator C   il separatore decimale degli importi e dei risultati
                  (un carattere, non una cifra), in entrambi i modi; senza
                  questa opzione è quello della localizzazione (LC_ALL,
                  altrimenti LC_NUMERIC, altrimenti LANG), oppure "." se
                  questa non ne ha uno di un solo carattere.
  --              fine delle opzioni: gli argomenti seguenti sono importi.
  -h, --help      mostra questo aiuto.
Le opzioni con un valore si scrivono anche come --opzione=VALORE.

Il CSV:
  - virgolette come nella RFC 4180: un campo tra virgolette può contenere
    il delimitatore, gli a capo e virgolette raddoppiate (""); i testi sono
    copiati byte per byte, spazi compresi;
  - le righe lette finiscono con LF, CRLF o CR, le righe vuote sono
    ignorate; le righe scritte finiscono con LF e un campo è scritto tra
    virgolette solo se contiene il delimitatore, virgolette o un a capo;
  - il segno BOM UTF-8 con cui alcuni fogli di calcolo aprono il file non
    fa parte del primo campo, e apre anche l'uscita;
  - una riga con un campo vuoto non è calcolata, come nella finestra: le
    quattro colonne aggiunte restano vuote;
  - una riga il cui calcolo non riesce porta il messaggio nell'ultima
    colonna, e la lettura continua;
  - una riga senza esattamente tre campi, virgolette non chiuse o fuori
    posto, un file illeggibile o un errore di scrittura fermano il programma
    con un messaggio che indica la riga; le righe già scritte restano.

Codici di uscita:
  0  risultati scritti (con --csv: ogni riga letta e scritta);
  1  calcolo non riuscito; con --csv un file illeggibile o malformato;
     un errore di scrittura;
  2  argomenti sbagliati.
)";
}

}  // namespace cli
