// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "cli/help_text.h"

namespace cli {

std::string_view HelpText() {
  return R"(Uso:
  discordanza-cli [--separator C] [--rtf FILE] BASE RIBASSO TOTALE
  discordanza-cli --csv [FILE] [--delimiter C] [--header] [--separator C] [--strict]
  discordanza-cli --award [--safety-costs S] [--labour-costs L] [--decimals N]
                  [--below-threshold] [--separator C] [--rtf FILE] BASE RIBASSO TOTALE
  discordanza-cli --help | --version

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

Le opzioni e gli argomenti si scrivono in qualsiasi ordine.

Opzioni:
  --csv [FILE]    legge righe di tre campi (importo a base d'asta,
                  percentuale di ribasso, importo dell'Impresa) dal FILE,
                  oppure dallo standard input senza FILE o con "-", e per
                  ogni riga scrive sullo standard output i tre campi
                  come letti, seguiti da importo calcolato, differenza,
                  percentuale di discordanza e messaggio d'errore (vuoto se
                  il calcolo è riuscito). Il FILE può stare in qualsiasi
                  punto della riga di comando.
  --delimiter C   il carattere fra i campi, in lettura e in scrittura
                  (predefinito ";", come nei fogli di calcolo italiani;
                  "\t" o un tabulatore vero per il tabulatore; non le
                  virgolette, un a capo o una cifra).
  --header        la prima riga contiene i titoli delle colonne: è copiata e
                  completata con i titoli delle quattro colonne aggiunte.
  --separator C   il separatore decimale degli importi e dei risultati
                  (un carattere, non una cifra e, con --csv, non il
                  delimitatore), in entrambi i modi; senza questa opzione è
                  quello della localizzazione (LC_ALL, altrimenti
                  LC_NUMERIC, altrimenti LANG), oppure "." se questa non ne
                  ha uno di un solo carattere. Se la localizzazione indicata
                  non è installata, un avviso sullo standard error dice
                  quale separatore è usato.
  --strict        con --csv, termina con codice 1 se almeno una riga non è
                  riuscita (le righe sono scritte comunque): un calcolo non
                  riuscito, o una cella vuota fra i tre importi, che la
                  colonna Errore nomina ("cella vuota: Importo a base
                  d'asta"). Senza --strict le righe con il calcolo non
                  riuscito portano solo il messaggio, quelle con una cella
                  vuota né risultati né messaggio. Non vale con i tre
                  importi, dove un calcolo non riuscito dà sempre 1.
  --rtf FILE      con i tre importi, scrive anche il resoconto in formato
                  RTF, identico a quello che salva il pulsante Salva della
                  finestra; un FILE esistente è sostituito solo a scrittura
                  completata. Con "-" il resoconto va sullo standard output
                  al posto delle tre righe.
  --award         la verifica dell'aggiudicazione al posto della
                  discordanza: con tre importi scrive
                    Importo soggetto a ribasso: X = A - S - L
                    Importo contrattuale: I = X * (1 - P/100) + S + L
                    Importo contrattuale in lettere: ...
                    Ribasso implicito dell'Impresa: (1 - (C - S - L)/X) * 100 %
                    Impresa meno importo contrattuale: C - I
                    Esito: concorde, o la discordanza dovuta all'arrotondamento
                      o al troncamento del ribasso a N decimali, o discordanza
                    Garanzia definitiva: ... % dell'importo contrattuale, ...
                  in aritmetica decimale esatta, gli importi al centesimo con
                  la metà per eccesso, senza separatore delle migliaia; una
                  riga "Nota:" dopo l'esito se il ribasso ha più di N
                  decimali. Con --csv aggiunge a ogni riga dieci colonne:
                  le cifre nell'ordine delle righe, nota compresa, con la
                  garanzia divisa in percentuale e importo, e il messaggio
                  d'errore della verifica. Con --rtf scrive il resoconto
                  della verifica.
  --safety-costs S
                  con --award, gli oneri della sicurezza non soggetti a
                  ribasso (vuoto o assente: 0).
  --labour-costs L
                  con --award, i costi della manodopera non soggetti a
                  ribasso (vuoto o assente: 0). Vuoto per scelta: la lettura
                  prevalente (ANAC, Consiglio di Stato) lascia la manodopera
                  nella base soggetta a ribasso, salvo che il disciplinare di
                  gara la escluda (art. 41 c. 14 d.lgs. 36/2023).
  --decimals N    con --award, i decimali del ribasso ammessi dalla gara, da
                  0 a 9 (predefinito 3).
  --below-threshold
                  con --award, la garanzia definitiva del 5 % dei contratti
                  sotto la soglia europea (art. 53 c. 4); senza, quella
                  ordinaria dell'art. 117.
  --              fine delle opzioni: gli argomenti seguenti sono importi
                  o, con --csv, il FILE.
  -h, --help      mostra questo aiuto.
  --version       mostra il nome e la versione del programma.
Le opzioni con un valore si scrivono anche come --opzione=VALORE.

Il CSV:
  - virgolette come nella RFC 4180: un campo tra virgolette può contenere
    il delimitatore, gli a capo e virgolette raddoppiate (""), e il suo
    testo è copiato byte per byte; gli spazi e i tabulatori attorno a un
    campo, fuori dalle virgolette, sono ignorati (un campo di soli spazi è
    vuoto);
  - le righe lette finiscono con LF, CRLF o CR, e i numeri di riga dei
    messaggi sono quelli che mostra un editor; le righe vuote o di soli
    spazi e tabulatori sono ignorate; le righe scritte finiscono con LF e
    un campo è scritto tra virgolette solo se contiene il delimitatore,
    virgolette o un a capo, o se comincia o finisce con uno spazio o un
    tabulatore;
  - i campi vuoti dopo il terzo (un delimitatore in fondo alla riga) sono
    ammessi e non sono ricopiati: ogni riga scritta ha sette campi
    (diciassette con --award);
  - il segno BOM UTF-8 con cui alcuni fogli di calcolo aprono il file non
    fa parte del primo campo, e apre anche l'uscita; un file UTF-16 (il
    "testo Unicode" dei fogli di calcolo) è rifiutato prima di scrivere
    qualsiasi riga;
  - ogni riga riceve la sua risposta appena è completa, anche da una pipe
    o dal terminale;
  - una riga con un campo vuoto non è calcolata, come nella finestra: le
    quattro colonne aggiunte restano vuote; con --strict è una riga non
    riuscita e la colonna Errore nomina le celle vuote;
  - una riga il cui calcolo non riesce porta il messaggio nell'ultima
    colonna, e la lettura continua;
  - una riga senza tre campi, virgolette non chiuse o fuori posto, un file
    illeggibile o un errore di scrittura fermano il programma con un
    messaggio che indica la riga; le righe già scritte restano.

Codici di uscita:
  0  risultati scritti (con --csv: ogni riga letta e scritta);
  1  calcolo non riuscito (con --csv solo con --strict, che conta anche le
     righe con una cella vuota); con --csv un file illeggibile o
     malformato; un errore di scrittura, anche del resoconto RTF;
  2  argomenti sbagliati.
)";
}

std::string_view VersionText() { return "discordanza-cli " DISCORDANZA_VERSION "\n"; }

}  // namespace cli
