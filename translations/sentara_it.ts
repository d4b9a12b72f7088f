<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Application</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Errore %1 - %2</translation>
    </message>
    <message>
        <source>Error - %1</source>
        <translation>Errore - %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>Creates a new, empty database at &lt;path&gt; (never over an existing file).</source>
        <translation>Crea un nuovo database vuoto in &lt;percorso&gt; (mai sopra un file esistente).</translation>
    </message>
    <message>
        <source>path</source>
        <translation>percorso</translation>
    </message>
    <message>
        <source>With --create-database: a few dozen quotations to start with.</source>
        <translation>Con --create-database: qualche decina di citazioni per cominciare.</translation>
    </message>
    <message>
        <source>Prints one quotation and its author, the next of the random order, and moves it to the back: calls go through the whole collection before any quotation comes again.</source>
        <translation>Stampa una citazione e il suo autore, la prossima dell&apos;ordine casuale, e la sposta in fondo: le chiamate percorrono tutta la raccolta prima che una citazione ritorni.</translation>
    </message>
    <message>
        <source>The database to use (default: the one the program used last).</source>
        <translation>Il database da usare (predefinito: l&apos;ultimo usato dal programma).</translation>
    </message>
    <message>
        <source>With --random: quotations by this author (a part of the name will do). With --import: the author of the lines that name none.</source>
        <translation>Con --random: citazioni di questo autore (basta una parte del nome). Con --import: l&apos;autore delle righe che non ne nominano uno.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>With --random: quotations on this subject. With --import: the subject of the quotations without one.</source>
        <translation>Con --random: citazioni su questo argomento. Con --import: l&apos;argomento delle citazioni che non ne hanno uno.</translation>
    </message>
    <message>
        <source>With --random: quotations in this language. With --import: the language of the quotations without one.</source>
        <translation>Con --random: citazioni in questa lingua. Con --import: la lingua delle citazioni che non ne hanno una.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>With --random: rated at least &lt;n&gt; (1 to 3).</source>
        <translation>Con --random: con voto almeno &lt;n&gt; (da 1 a 3).</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>With --random: quotations whose text holds &lt;text&gt;.</source>
        <translation>Con --random: citazioni il cui testo contiene &lt;testo&gt;.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>With --random: plain (default) or json. With --import: how &lt;file&gt; is read, text (one a line), fortune, csv or kindle (default: guessed from the file).</source>
        <translation>Con --random: plain (predefinito) o json. Con --import: come leggere &lt;file&gt;, text (una per riga), fortune, csv o kindle (predefinito: dedotto dal file).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>Imports the quotations of &lt;file&gt; (as the import window reads them) into the database and prints the report.</source>
        <translation>Importa nel database le citazioni di &lt;file&gt; (come le legge la finestra di importazione) e stampa il resoconto.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Makes the new database named with --database from the collection in the Access file &lt;file&gt; (never over an existing file) and prints what it holds and the rows that did not fit.</source>
        <translation>Crea il nuovo database indicato con --database dalla raccolta del file Access &lt;file&gt; (mai sopra un file esistente) e stampa che cosa contiene e le righe che non sono entrate.</translation>
    </message>
    <message>
        <source>Writes the quotations (all, or those --author, --subject, --language, --min-rate and --filter choose, as with --random) to &lt;file&gt;, whole or not at all: --format csv (the default; every field), fortune (text, author, note) or text (the default for a name ending .txt).</source>
        <translation>Scrive le citazioni (tutte, o quelle scelte da --author, --subject, --language, --min-rate e --filter, come con --random) in &lt;file&gt;, per intero o per niente: --format csv (predefinito; ogni campo), fortune (testo, autore, nota) o text (predefinito per un nome che finisce in .txt).</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format with --export is %1, not &apos;%2&apos;</source>
        <translation>--format con --export è %1, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--author, --subject and --language go with --random, --export or --import</source>
        <translation>--author, --subject e --language vanno con --random, --export o --import</translation>
    </message>
    <message>
        <source>--min-rate and --filter go with --random or --export</source>
        <translation>--min-rate e --filter vanno con --random o --export</translation>
    </message>
    <message>
        <source>--format goes with --random, --export or --import</source>
        <translation>--format va con --random, --export o --import</translation>
    </message>
    <message>
        <source>--with-samples goes with --create-database</source>
        <translation>--with-samples va con --create-database</translation>
    </message>
    <message>
        <source>--create-database takes its path itself</source>
        <translation>--create-database prende da sé il percorso</translation>
    </message>
    <message>
        <source>--min-rate takes a rate from 1 to 3, not &apos;%1&apos;</source>
        <translation>--min-rate vuole un voto da 1 a 3, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format is plain or json, not &apos;%1&apos;</source>
        <translation>--format è plain o json, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format with --import is %1, not &apos;%2&apos;</source>
        <translation>--format con --import è %1, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--import-access needs --database, the new database to make</source>
        <translation>--import-access richiede --database, il nuovo database da creare</translation>
    </message>
    <message>
        <source>Created the database %1</source>
        <translation>Creato il database %1</translation>
    </message>
    <message>
        <source>there is no database at %1 (give one with --database)</source>
        <translation>non c&apos;è un database in %1 (indicarne uno con --database)</translation>
    </message>
    <message>
        <source>no quotation meets the choice</source>
        <translation>nessuna citazione corrisponde alla scelta</translation>
    </message>
    <message>
        <source>Sentara version %1</source>
        <translation>Sentara versione %1</translation>
    </message>
    <message>
        <source>Try &apos;sentara --help&apos;.</source>
        <translation>Provare &apos;sentara --help&apos;.</translation>
    </message>
    <message>
        <source>there is no database at %1 (give one with --database).</source>
        <translation>non c&apos;è un database in %1 (indicarne uno con --database).</translation>
    </message>
    <message>
        <source>no quotation meets the choice; &apos;%1&apos; was not written.</source>
        <translation>nessuna citazione corrisponde alla scelta; &apos;%1&apos; non è stato scritto.</translation>
    </message>
    <message>
        <source>
Nothing was written: --format csv carries them whole.</source>
        <translation>
Non è stato scritto nulla: --format csv le conserva per intero.</translation>
    </message>
    <message>
        <source>%1 quotes exported to &apos;%2&apos; as %3.</source>
        <translation>%1 citazioni esportate in &apos;%2&apos; come %3.</translation>
    </message>
    <message>
        <source>The index fortune reads is &apos;%1.dat&apos;.</source>
        <translation>L&apos;indice letto da fortune è &apos;%1.dat&apos;.</translation>
    </message>
    <message>
        <source>the index fortune reads could not be written: %1</source>
        <translation>non è stato possibile scrivere l&apos;indice letto da fortune: %1</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos;: error %2 - %3</source>
        <translation>il database &apos;%1&apos;: errore %2 - %3</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; can only be read: this user may not change the file or its folder, so nothing can be imported into it.</source>
        <translation>il database &apos;%1&apos; può essere solo letto: questo utente non può modificare il file o la sua cartella, quindi non vi si può importare nulla.</translation>
    </message>
    <message>
        <source>the format &apos;%1&apos; is none of %2.</source>
        <translation>il formato &apos;%1&apos; non è nessuno tra %2.</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; is open in a running Sentara; close it, then import again.</source>
        <translation>il database &apos;%1&apos; è aperto in un Sentara in esecuzione; chiuderlo, poi importare di nuovo.</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; cannot be locked: its folder is not writable.</source>
        <translation>il database &apos;%1&apos; non può essere bloccato: la sua cartella non è scrivibile.</translation>
    </message>
    <message>
        <source>Read as %1 (%2).
</source>
        <translation>Letto come %1 (%2).
</translation>
    </message>
    <message>
        <source>guessed from the file; --format chooses another</source>
        <translation>dedotto dal file; --format ne sceglie un altro</translation>
    </message>
    <message>
        <source>as --format asks</source>
        <translation>come chiede --format</translation>
    </message>
    <message>
        <source>the language &apos;%1&apos; is not in the database.</source>
        <translation>la lingua &apos;%1&apos; non è nel database.</translation>
    </message>
    <message>
        <source> (give one with --author).</source>
        <translation> (indicarne uno con --author).</translation>
    </message>
    <message>
        <source> (give one with --language).</source>
        <translation> (indicarne una con --language).</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was made from &apos;%2&apos;: %3.</source>
        <translation>Il database &apos;%1&apos; è stato creato da &apos;%2&apos;: %3.</translation>
    </message>
    <message>
        <source>Sentara keeps a collection of quotations. Without options it opens its main window on the
database it used last, or on &lt;file&gt; when one is given; the options below do their work and
end without a window.</source>
        <translation>Sentara conserva una raccolta di citazioni. Senza opzioni apre la finestra principale
sull&apos;ultimo database usato, o su &lt;file&gt; se indicato; le opzioni qui sotto svolgono il loro
lavoro e terminano senza finestra.</translation>
    </message>
    <message>
        <source>The database to open the main window on.</source>
        <translation>Il database su cui aprire la finestra principale.</translation>
    </message>
    <message>
        <source>Prints the groups of quotations kept more than once: the same text but for letter case, accents, punctuation, quotation marks and blanks (exact), or nearly the same (near). --format plain (default) or json.</source>
        <translation>Stampa i gruppi di citazioni presenti più volte: lo stesso testo salvo maiuscole, accenti, punteggiatura, virgolette e spazi (exact), o quasi lo stesso (near). --format plain (predefinito) o json.</translation>
    </message>
    <message>
        <source>With --find-duplicates: how alike near duplicates are at least, in percent (1 to 100, default %1).</source>
        <translation>Con --find-duplicates: quanto si somigliano almeno i quasi duplicati, in percentuale (da 1 a 100, predefinito %1).</translation>
    </message>
    <message>
        <source>--create-database, --random, --import, --import-access, --export and --find-duplicates go one at a time</source>
        <translation>--create-database, --random, --import, --import-access, --export e --find-duplicates vanno uno alla volta</translation>
    </message>
    <message>
        <source>--threshold goes with --find-duplicates</source>
        <translation>--threshold va con --find-duplicates</translation>
    </message>
    <message>
        <source>--threshold takes a percentage from 1 to 100, not &apos;%1&apos;</source>
        <translation>--threshold accetta una percentuale da 1 a 100, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--database goes with --random, --export, --import, --import-access or --find-duplicates</source>
        <translation>--database va con --random, --export, --import, --import-access o --find-duplicates</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Nessun duplicato trovato.</translation>
    </message>
    <message>
        <source>Groups of duplicates: %1; quotations in them: %2.</source>
        <translation>Gruppi di duplicati: %1; citazioni in essi: %2.</translation>
    </message>
</context>
<context>
    <name>EditArea</name>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Edit this author</source>
        <translation>Modifica questo autore</translation>
    </message>
    <message>
        <source>Subject Table Management</source>
        <translation>Gestione della tabella degli argomenti</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chiave</translation>
    </message>
    <message>
        <source>Author </source>
        <translation>Autore </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Argomento</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Voto</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Add new</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Start a new quotation (Ctrl+N)</source>
        <translation>Inizia una nuova citazione (Ctrl+N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save the quotation (Ctrl+S)</source>
        <translation>Salva la citazione (Ctrl+S)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete the quotation (Ctrl+D)</source>
        <translation>Elimina la citazione (Ctrl+D)</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>Go to a quotation at random (F9)</source>
        <translation>Vai a una citazione a caso (F9)</translation>
    </message>
    <message>
        <source>Undo edit</source>
        <translation>Annulla modifica</translation>
    </message>
    <message>
        <source>Put back the quotation as it was (Ctrl+U)</source>
        <translation>Riporta la citazione com&apos;era (Ctrl+U)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successiva</translation>
    </message>
    <message>
        <source>Go to the next quotation (F8)</source>
        <translation>Vai alla citazione successiva (F8)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>End the program (Ctrl+Q)</source>
        <translation>Chiudi il programma (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Invalid rate (use values 1 to 3 or empty)</source>
        <translation>Voto non valido (usa valori da 1 a 3 o lascia vuoto)</translation>
    </message>
    <message>
        <source>Language cannot be empty</source>
        <translation>La lingua non può essere vuota</translation>
    </message>
    <message>
        <source>Author cannot be empty</source>
        <translation>L&apos;autore non può essere vuoto</translation>
    </message>
    <message>
        <source>Author &quot;</source>
        <translation>Autore &quot;</translation>
    </message>
    <message>
        <source>&quot; not found. Do you want to add it?</source>
        <translation>&quot; non trovato. Vuoi aggiungerlo?</translation>
    </message>
    <message>
        <source>Author addition failed</source>
        <translation>Aggiunta dell&apos;autore non riuscita</translation>
    </message>
    <message>
        <source>Subject is empty and will be set to &apos;</source>
        <translation>L&apos;argomento è vuoto e sarà impostato a &apos;</translation>
    </message>
    <message>
        <source>&apos;; do you want to proceed?</source>
        <translation>&apos;; vuoi continuare?</translation>
    </message>
    <message>
        <source>Subject &quot;</source>
        <translation>Argomento &quot;</translation>
    </message>
    <message>
        <source>&quot; not found. Please add it</source>
        <translation>&quot; non trovato. Aggiungilo, per favore</translation>
    </message>
    <message>
        <source>&apos; not in database. Do you want to add it?</source>
        <translation>&apos; non è nel database. Vuoi aggiungerlo?</translation>
    </message>
    <message>
        <source>Do you really want to delete quote &apos;%1...&apos;?</source>
        <translation>Vuoi davvero eliminare la citazione &apos;%1...&apos;?</translation>
    </message>
</context>
<context>
    <name>FilterArea</name>
    <message>
        <source>Deleting %1 quotations...</source>
        <translation>Eliminazione di %1 citazioni...</translation>
    </message>
    <message>
        <source>The list changed since it was counted (%1 quotations now, %2 before): another program wrote meanwhile. Look at the list again.</source>
        <translation>L&apos;elenco è cambiato da quando è stato contato (%1 citazioni ora, %2 prima): un altro programma ha scritto nel frattempo. Guarda di nuovo l&apos;elenco.</translation>
    </message>
    <message>
        <source>Counting the quotations...</source>
        <translation>Conteggio delle citazioni...</translation>
    </message>
    <message>
        <source>There is no quote to be deleted.</source>
        <translation>Non ci sono citazioni da eliminare.</translation>
    </message>
    <message>
        <source>Do you really want to delete all quotes</source>
        <translation>Vuoi davvero eliminare tutte le citazioni</translation>
    </message>
    <message>
        <source>Do you really want to delete all quotes where </source>
        <translation>Vuoi davvero eliminare tutte le citazioni dove </translation>
    </message>
    <message>
        <source>Deleting quotations...</source>
        <translation>Eliminazione delle citazioni...</translation>
    </message>
    <message>
        <source>The quotations could not be deleted; none was deleted.</source>
        <translation>Non è stato possibile eliminare le citazioni; nessuna è stata eliminata.</translation>
    </message>
    <message>
        <source>There is no quote to be shown: the list is empty.</source>
        <translation>Non c&apos;è nessuna citazione da mostrare: l&apos;elenco è vuoto.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtri</translation>
    </message>
    <message>
        <source>Author Filter </source>
        <translation>Filtro autore </translation>
    </message>
    <message>
        <source>Text Filter </source>
        <translation>Filtro testo </translation>
    </message>
    <message>
        <source>Subject Filter </source>
        <translation>Filtro argomento </translation>
    </message>
    <message>
        <source>Note Filter </source>
        <translation>Filtro nota </translation>
    </message>
    <message>
        <source>Language Filter </source>
        <translation>Filtro lingua </translation>
    </message>
    <message>
        <source>Rate from </source>
        <translation>Voto da </translation>
    </message>
    <message>
        <source>Rate to </source>
        <translation>Voto a </translation>
    </message>
    <message>
        <source>Key Filter </source>
        <translation>Filtro chiave </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>Apply the filters (F5)</source>
        <translation>Applica i filtri (F5)</translation>
    </message>
    <message>
        <source>Clear all filters</source>
        <translation>Svuota tutti i filtri</translation>
    </message>
    <message>
        <source>Empty every filter field (Ctrl+Shift+F)</source>
        <translation>Svuota ogni campo di filtro (Ctrl+Maiusc+F)</translation>
    </message>
    <message>
        <source>Records Selected: </source>
        <translation>Record selezionati: </translation>
    </message>
    <message>
        <source>Records Filtered: </source>
        <translation>Record filtrati: </translation>
    </message>
    <message>
        <source>Invalid key selector (must be a number)</source>
        <translation>Selettore di chiave non valido (deve essere un numero)</translation>
    </message>
    <message>
        <source>Records Filtered:</source>
        <translation>Record filtrati:</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>conteggio…</translation>
    </message>
    <message>
        <source>Records Selected:</source>
        <translation>Record selezionati:</translation>
    </message>
    <message>
        <source>Export selected quotes</source>
        <translation>Esporta le citazioni selezionate</translation>
    </message>
    <message>
        <source>Export filtered quotes</source>
        <translation>Esporta le citazioni filtrate</translation>
    </message>
    <message>
        <source>Deleted selected quotes</source>
        <translation>Elimina le citazioni selezionate</translation>
    </message>
    <message>
        <source>Deleted filtered quotes</source>
        <translation>Elimina le citazioni filtrate</translation>
    </message>
    <message>
        <source>Filter on current author</source>
        <translation>Filtra sull&apos;autore corrente</translation>
    </message>
    <message>
        <source>Filter on current subject</source>
        <translation>Filtra sull&apos;argomento corrente</translation>
    </message>
    <message>
        <source>Delete filtered quotes</source>
        <translation>Elimina le citazioni filtrate</translation>
    </message>
    <message>
        <source>Slide show of filtered quotes</source>
        <translation>Proiezione delle citazioni filtrate</translation>
    </message>
</context>
<context>
    <name>GridBinding</name>
    <message>
        <source>Select all rows</source>
        <translation>Seleziona tutte le righe</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
</context>
<context>
    <name>QuoteList</name>
    <message>
        <source>Quotations</source>
        <translation>Citazioni</translation>
    </message>
    <message>
        <source>Clear the selection and go back to random order</source>
        <translation>Annulla la selezione e torna all&apos;ordine casuale</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chiave</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Argomento</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Voto</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Click on this vertical bar to select/deselect quotes; hold CTRL key for multiple selection, SHIFT for a range.
Click here to clear the selection and go back to random order.</source>
        <translation>Fai clic su questa barra verticale per selezionare/deselezionare le citazioni; tieni premuto CTRL per una selezione multipla, MAIUSC per un intervallo.
Fai clic qui per annullare la selezione e tornare all&apos;ordine casuale.</translation>
    </message>
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Click to select/deselect this row; hold CTRL to add rows, SHIFT to add a range</source>
        <translation>Fare clic per selezionare/deselezionare questa riga; tenere premuto CTRL per aggiungere righe, MAIUSC per aggiungere un intervallo</translation>
    </message>
</context>
<context>
    <name>ReferenceWindow</name>
    <message>
        <source>Add new</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Start a new row (Ctrl+N)</source>
        <translation>Inizia una nuova riga (Ctrl+N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save the changes (Ctrl+S)</source>
        <translation>Salva le modifiche (Ctrl+S)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Finestra principale</translation>
    </message>
    <message>
        <source>Bring the main window to the front</source>
        <translation>Porta in primo piano la finestra principale</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Chiudi questa finestra (Esc)</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtri</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>Apply the filters (Enter in a filter box, F5)</source>
        <translation>Applica i filtri (Invio in una casella di filtro, F5)</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Svuota filtro</translation>
    </message>
    <message>
        <source>Records Filtered: NNN</source>
        <translation>Record filtrati: NNN</translation>
    </message>
    <message>
        <source>Records: </source>
        <translation>Record: </translation>
    </message>
    <message>
        <source>Records Filtered:  </source>
        <translation>Record filtrati:  </translation>
    </message>
    <message>
        <source>Edit operation in progress: &apos;%1&apos; can be shown once it is saved.</source>
        <translation>Modifica in corso: &apos;%1&apos; si potrà mostrare dopo il salvataggio.</translation>
    </message>
    <message>
        <source>Edit operation in progress.</source>
        <translation>Modifica in corso.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the one being replaced.</source>
        <translation>&apos;%1&apos; è proprio quello da sostituire.</translation>
    </message>
</context>
<context>
    <name>access_file</name>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>Il file &apos;%1&apos; non può essere letto: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is a database of this program already, not an Access file: open it with File &gt; Change database.</source>
        <translation>Il file &apos;%1&apos; è già un database di questo programma, non un file Access: aprirlo con File &gt; Cambia database.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not an Access database (.mdb) file.</source>
        <translation>Il file &apos;%1&apos; non è un database Access (.mdb).</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is truncated or damaged: it is not made of whole pages of an Access database.</source>
        <translation>Il file &apos;%1&apos; è troncato o danneggiato: non è fatto di pagine intere di un database Access.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Il file &apos;%1&apos; non esiste.</translation>
    </message>
    <message>
        <source>mdbtools cannot open it</source>
        <translation>mdbtools non riesce ad aprirlo</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>il suo elenco di tabelle non può essere letto</translation>
    </message>
    <message>
        <source>the table %1 cannot be read</source>
        <translation>la tabella %1 non può essere letta</translation>
    </message>
    <message>
        <source>mdbtools says &quot;%1&quot;</source>
        <translation>mdbtools dice &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is damaged or truncated: %2.</source>
        <translation>Il file &apos;%1&apos; è danneggiato o troncato: %2.</translation>
    </message>
</context>
<context>
    <name>access_import</name>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>%1 without a name</source>
        <translation>%1 senza nome</translation>
    </message>
    <message>
        <source>%1 with the name of one before (letter case aside)</source>
        <translation>%1 con il nome di uno precedente (maiuscole a parte)</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a collection of quotations: it has no table quotes with a column text.</source>
        <translation>Il file &apos;%1&apos; non è una raccolta di citazioni: non ha una tabella quotes con una colonna text.</translation>
    </message>
    <message>
        <source>no language was marked as the default; this one is now</source>
        <translation>nessuna lingua era indicata come predefinita; ora lo è questa</translation>
    </message>
    <message>
        <source>no text</source>
        <translation>nessun testo</translation>
    </message>
    <message>
        <source>no author</source>
        <translation>nessun autore</translation>
    </message>
    <message>
        <source>no language: given the default language %1</source>
        <translation>nessuna lingua: riceve la lingua predefinita %1</translation>
    </message>
    <message>
        <source>the rate %1 is not 1, 2 or 3: imported without a rate</source>
        <translation>il voto %1 non è 1, 2 o 3: importata senza voto</translation>
    </message>
    <message>
        <source>no key: given a new one</source>
        <translation>nessuna chiave: ne riceve una nuova</translation>
    </message>
    <message>
        <source>a key that is not a whole number used once: given a new one</source>
        <translation>una chiave che non è un numero intero usato una volta sola: ne riceve una nuova</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be made from &apos;%2&apos;: error %3 - %4</source>
        <translation>Il database &apos;%1&apos; non può essere creato da &apos;%2&apos;: errore %3 - %4</translation>
    </message>
    <message>
        <source>QUOTATIONS NOT IMPORTED (BY KEY):</source>
        <translation>CITAZIONI NON IMPORTATE (PER CHIAVE):</translation>
    </message>
    <message>
        <source>QUOTATIONS IMPORTED WITH A CHANGE (BY KEY):</source>
        <translation>CITAZIONI IMPORTATE CON UNA MODIFICA (PER CHIAVE):</translation>
    </message>
    <message>
        <source>ROWS OF THE REFERENCE TABLES NOT IMPORTED:</source>
        <translation>RIGHE DELLE TABELLE DI RIFERIMENTO NON IMPORTATE:</translation>
    </message>
    <message>
        <source>NAMES THE QUOTATIONS USE THAT THEIR TABLES LACKED, ADDED (BY THE KEYS OF THE QUOTATIONS):</source>
        <translation>NOMI USATI DALLE CITAZIONI CHE MANCAVANO NELLE LORO TABELLE, AGGIUNTI (PER CHIAVE DELLE CITAZIONI):</translation>
    </message>
    <message>
        <source>THE DEFAULT LANGUAGE:</source>
        <translation>LA LINGUA PREDEFINITA:</translation>
    </message>
</context>
<context>
    <name>attention</name>
    <message>
        <source>Edit operation in progress.</source>
        <translation>Modifica in corso.</translation>
    </message>
</context>
<context>
    <name>author_picture</name>
    <message>
        <source>Picture of the author</source>
        <translation>Immagine dell&apos;autore</translation>
    </message>
</context>
<context>
    <name>common</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Errore %1 - %2</translation>
    </message>
    <message>
        <source>The report file &apos;%1&apos; cannot be written: %2</source>
        <translation>Il file del rapporto &apos;%1&apos; non può essere scritto: %2</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Percorso non trovato: %1</translation>
    </message>
    <message>
        <source>No program could open &apos;%1&apos;.</source>
        <translation>Nessun programma ha potuto aprire &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>csv_format</name>
    <message>
        <source>a field begins with a double quote (&quot;) that is never closed</source>
        <translation>un campo comincia con una virgoletta doppia (&quot;) che non viene mai chiusa</translation>
    </message>
    <message>
        <source>there is nothing in it</source>
        <translation>non contiene nulla</translation>
    </message>
    <message>
        <source>column %1 (no name)</source>
        <translation>colonna %1 (senza nome)</translation>
    </message>
    <message>
        <source>the first line is not a header naming a column text, quote or highlight</source>
        <translation>la prima riga non è un&apos;intestazione che nomina una colonna text, quote o highlight</translation>
    </message>
    <message>
        <source>COLUMNS NOT IMPORTED (NO FIELD OF A QUOTATION HAS THEIR NAME):</source>
        <translation>COLONNE NON IMPORTATE (NESSUN CAMPO DI UNA CITAZIONE HA IL LORO NOME):</translation>
    </message>
    <message>
        <source>RECORDS WITH MORE FIELDS THAN THE HEADER NAMES (THE EXTRA FIELDS IGNORED):</source>
        <translation>RECORD CON PIÙ CAMPI DI QUELLI NOMINATI NELL&apos;INTESTAZIONE (I CAMPI IN PIÙ IGNORATI):</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Il file &apos;%1&apos; non esiste.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be reached: %2.</source>
        <translation>Il file &apos;%1&apos; non è raggiungibile: %2.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; could not be closed cleanly: %2.</source>
        <translation>Il database &apos;%1&apos; non è stato chiuso correttamente: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: permission denied.</source>
        <translation>Il file &apos;%1&apos; non può essere letto: permesso negato.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be opened: %2.</source>
        <translation>Il file &apos;%1&apos; non può essere aperto: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>Il file &apos;%1&apos; non può essere letto: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Sentara database file.</source>
        <translation>Il file &apos;%1&apos; non è un database di Sentara.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is empty: it is not a Sentara database file.</source>
        <translation>Il file &apos;%1&apos; è vuoto: non è un database di Sentara.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be used: %2.</source>
        <translation>Il file &apos;%1&apos; non può essere usato: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Sentara database: it lacks %2.</source>
        <translation>Il file &apos;%1&apos; non è un database di Sentara: gli manca %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written.</source>
        <translation>Il file &apos;%1&apos; non può essere scritto.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is in use by another program.</source>
        <translation>Il file &apos;%1&apos; è in uso da parte di un altro programma.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.</source>
        <translation>Il file &apos;%1&apos; esiste già.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read.</source>
        <translation>Il file &apos;%1&apos; non può essere letto.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists; a new database is created only where no file is.</source>
        <translation>Il file &apos;%1&apos; esiste già; un nuovo database si crea solo dove non c&apos;è alcun file.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be created.</source>
        <translation>La cartella &apos;%1&apos; non può essere creata.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be created: %2.</source>
        <translation>Il file &apos;%1&apos; non può essere creato: %2.</translation>
    </message>
    <message>
        <source>The new database &apos;%1&apos; cannot be written: %2.</source>
        <translation>Il nuovo database &apos;%1&apos; non può essere scritto: %2.</translation>
    </message>
</context>
<context>
    <name>duplicates</name>
    <message>
        <source>Reading %1 quotations...</source>
        <translation>Lettura di %1 citazioni...</translation>
    </message>
    <message>
        <source>Comparing the quotations...</source>
        <translation>Confronto delle citazioni...</translation>
    </message>
    <message>
        <source>The quotation with the key %1 is no longer in the collection.</source>
        <translation>La citazione con la chiave %1 non è più nella raccolta.</translation>
    </message>
</context>
<context>
    <name>f_authors</name>
    <message>
        <source>Sentara - Authors</source>
        <translation>Sentara - Autori</translation>
    </message>
    <message>
        <source>Author &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>L&apos;autore &quot;%1&quot; non può essere eliminato perché associato a una o più citazioni.</translation>
    </message>
    <message>
        <source>Author not deleted.</source>
        <translation>Autore non eliminato.</translation>
    </message>
    <message>
        <source>Existing name to be used?</source>
        <translation>Nome esistente da usare?</translation>
    </message>
    <message>
        <source>Author name replacement</source>
        <translation>Sostituzione del nome dell&apos;autore</translation>
    </message>
    <message>
        <source>Author &apos;%1&apos; not found.</source>
        <translation>Autore &apos;%1&apos; non trovato.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citazioni</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Scegli il file dell&apos;immagine</translation>
    </message>
    <message>
        <source>Change picture for this author</source>
        <translation>Cambia l&apos;immagine di questo autore</translation>
    </message>
    <message>
        <source>Show Quotes</source>
        <translation>Mostra citazioni</translation>
    </message>
    <message>
        <source>Show this author&apos;s quotations in the main window (or double-click the list)</source>
        <translation>Mostra le citazioni di questo autore nella finestra principale (o fai doppio clic sull&apos;elenco)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Give this author&apos;s quotations to another author</source>
        <translation>Assegna le citazioni di questo autore a un altro autore</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>Go to an author at random</source>
        <translation>Vai a un autore a caso</translation>
    </message>
    <message>
        <source>Delete this author (only while no quotation names them)</source>
        <translation>Elimina questo autore (solo se nessuna citazione lo nomina)</translation>
    </message>
    <message>
        <source>Name filter</source>
        <translation>Filtro nome</translation>
    </message>
    <message>
        <source>Picture filter</source>
        <translation>Filtro immagine</translation>
    </message>
    <message>
        <source>Notes filter</source>
        <translation>Filtro note</translation>
    </message>
    <message>
        <source>List the authors whose name, picture or notes hold one of the texts (Enter, F5)</source>
        <translation>Elenca gli autori il cui nome, immagine o note contengono uno dei testi (Invio, F5)</translation>
    </message>
    <message>
        <source>Image (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp</source>
        <translation>Immagine (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>Il nome non può essere vuoto</translation>
    </message>
    <message>
        <source>Author already present.</source>
        <translation>Autore già presente.</translation>
    </message>
    <message>
        <source>Select the picture file</source>
        <translation>Seleziona il file dell'immagine</translation>
    </message>
</context>
<context>
    <name>f_duplicates</name>
    <message>
        <source>Sentara - Find duplicates</source>
        <translation>Sentara - Trova duplicati</translation>
    </message>
    <message>
        <source>&amp;Near duplicates too, at least</source>
        <translation>Anche &amp;quasi duplicati, almeno</translation>
    </message>
    <message>
        <source>How much of two texts must be the same for them to be near duplicates</source>
        <translation>Quanta parte di due testi deve coincidere perché siano quasi duplicati</translation>
    </message>
    <message>
        <source>Near duplicates at least, in percent</source>
        <translation>Quasi duplicati almeno, in percentuale</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Trova</translation>
    </message>
    <message>
        <source>Look for duplicates in the whole collection</source>
        <translation>Cerca duplicati in tutta la raccolta</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Argomento</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Voto</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chiave</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Gruppi di duplicati</translation>
    </message>
    <message>
        <source>&amp;Keep this one, merge the others into it</source>
        <translation>Ti&amp;eni questa, unisci le altre</translation>
    </message>
    <message>
        <source>The quotation chosen stays and takes the others&apos; note, subject and rate where it has none; the others of its group are deleted</source>
        <translation>La citazione scelta resta e prende nota, argomento e voto delle altre dove non ne ha; le altre del gruppo vengono eliminate</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Looking for duplicates...</source>
        <translation>Ricerca dei duplicati...</translation>
    </message>
    <message>
        <source>The duplicates could not be looked for.</source>
        <translation>Non è stato possibile cercare i duplicati.</translation>
    </message>
    <message>
        <source>The same text, %1 times</source>
        <translation>Lo stesso testo, %1 volte</translation>
    </message>
    <message>
        <source>Nearly the same text, %1 times</source>
        <translation>Quasi lo stesso testo, %1 volte</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Nessun duplicato trovato.</translation>
    </message>
    <message>
        <source>Groups: %1; quotations in them: %2</source>
        <translation>Gruppi: %1; citazioni in essi: %2</translation>
    </message>
    <message>
        <source>Keep the quotation %1 and delete the %2 others of its group? It takes their note, subject and rate where it has none.</source>
        <translation>Tenere la citazione %1 ed eliminare le altre %2 del suo gruppo? Prende nota, argomento e voto delle altre dove non ne ha.</translation>
    </message>
    <message>
        <source>No duplicates left.</source>
        <translation>Nessun duplicato rimasto.</translation>
    </message>
    <message>
        <source>Groups left: %1</source>
        <translation>Gruppi rimasti: %1</translation>
    </message>
</context>
<context>
    <name>f_export</name>
    <message>
        <source>Sentara - Export</source>
        <translation>Sentara - Esportazione</translation>
    </message>
    <message>
        <source>Include after quote text</source>
        <translation>Includi dopo il testo</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Argomento</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Voto</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>All info</source>
        <translation>Tutte le informazioni</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>Raggruppamento</translation>
    </message>
    <message>
        <source>Group by author</source>
        <translation>Raggruppa per autore</translation>
    </message>
    <message>
        <source>Do no group</source>
        <translation>Non raggruppare</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Text opens in the text viewer; a fortune file (author and note only) or CSV is saved where you choose</source>
        <translation>Testo si apre nel visualizzatore di testi; un file fortune (solo autore e nota) o CSV viene salvato dove si sceglie</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Export now</source>
        <translation>Esporta ora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Close without exporting (Esc)</source>
        <translation>Chiudi senza esportare (Esc)</translation>
    </message>
    <message>
        <source>Grouping by author is only possible if quotes are ordered by author. Go back to the main window and click on the author column header, the retry to export.</source>
        <translation>Il raggruppamento per autore è possibile solo se le citazioni sono ordinate per autore. Tornare alla finestra principale, fare clic sull&apos;intestazione della colonna dell&apos;autore, poi riprovare l&apos;esportazione.</translation>
    </message>
    <message>
        <source>Save the quotes as a fortune file</source>
        <translation>Salva le citazioni come file fortune</translation>
    </message>
    <message>
        <source>Save the quotes as CSV</source>
        <translation>Salva le citazioni come CSV</translation>
    </message>
    <message>
        <source>%1 quotes exported to &apos;%2&apos;.</source>
        <translation>%1 citazioni esportate in &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>
The index fortune reads is &apos;%1.dat&apos;.</source>
        <translation>
L&apos;indice letto da fortune è &apos;%1.dat&apos;.</translation>
    </message>
    <message>
        <source>

The index fortune reads (&apos;%1.dat&apos;) could not be written: %2.</source>
        <translation>

Non è stato possibile scrivere l&apos;indice letto da fortune (&apos;%1.dat&apos;): %2.</translation>
    </message>
    <message>
        <source>Reading the quotations to export...</source>
        <translation>Lettura delle citazioni da esportare...</translation>
    </message>
    <message>
        <source>The quotations could not be read; nothing was exported.</source>
        <translation>Non è stato possibile leggere le citazioni; non è stato esportato nulla.</translation>
    </message>
    <message>
        <source>

Export them all as CSV instead?</source>
        <translation>

Esportarle tutte come CSV?</translation>
    </message>
    <message>
        <source>Write the text as it is, with those quotations as the text format holds them?</source>
        <translation>Scrivere il testo così com&apos;è, con quelle citazioni come le contiene il formato testo?</translation>
    </message>
    <message>
        <source>There is no quote to be exported</source>
        <translation>Non ci sono citazioni da esportare</translation>
    </message>
    <message>
        <source>Save the quotes as text</source>
        <translation>Salva le citazioni come testo</translation>
    </message>
</context>
<context>
    <name>f_import</name>
    <message>
        <source>Text to be imported missing</source>
        <translation>Manca il testo da importare</translation>
    </message>
    <message>
        <source>Sentara - Import</source>
        <translation>Sentara - Importazione</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Testo da elaborare</translation>
    </message>
    <message>
        <source>Result of processing</source>
        <translation>Risultato dell&apos;elaborazione</translation>
    </message>
    <message>
        <source>Import from file...</source>
        <translation>Importa da file...</translation>
    </message>
    <message>
        <source>Add the lines of a text file to the input text and process them</source>
        <translation>Aggiunge le righe di un file di testo al testo da elaborare e le elabora</translation>
    </message>
    <message>
        <source>Process input text</source>
        <translation>Elabora il testo</translation>
    </message>
    <message>
        <source>Find the quotations in the input text (Ctrl+Return)</source>
        <translation>Trova le citazioni nel testo (Ctrl+Invio)</translation>
    </message>
    <message>
        <source>Randomize results</source>
        <translation>Risultati in ordine casuale</translation>
    </message>
    <message>
        <source>Clear text</source>
        <translation>Cancella testo</translation>
    </message>
    <message>
        <source>Empty both texts</source>
        <translation>Svuota entrambi i testi</translation>
    </message>
    <message>
        <source>Import resulting quotes</source>
        <translation>Importa le citazioni risultanti</translation>
    </message>
    <message>
        <source>Add the quotations found to the database</source>
        <translation>Aggiunge al database le citazioni trovate</translation>
    </message>
    <message>
        <source>The author of the quotations that name none; &quot;Anonymous&quot; (or nothing) takes the author from the parentheses at the end of each line</source>
        <translation>L&apos;autore delle citazioni che non ne nominano uno; &quot;Anonymous&quot; (o niente) prende l&apos;autore dalle parentesi alla fine di ogni riga</translation>
    </message>
    <message>
        <source>The language of the quotations that give none</source>
        <translation>La lingua delle citazioni che non ne indicano una</translation>
    </message>
    <message>
        <source>How the input text is read: guessed when a file is loaded; another choice processes the input again</source>
        <translation>Come viene letto il testo: dedotto quando si carica un file; un&apos;altra scelta rielabora il testo</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Add/edit author</source>
        <translation>Aggiungi/modifica autore</translation>
    </message>
    <message>
        <source>Open the authors window</source>
        <translation>Apre la finestra degli autori</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Finestra principale</translation>
    </message>
    <message>
        <source>Bring the main window to the front</source>
        <translation>Porta in primo piano la finestra principale</translation>
    </message>
    <message>
        <source>Duplicated quotes in input text: 0</source>
        <translation>Citazioni doppie nel testo: 0</translation>
    </message>
    <message>
        <source>Duplicated quotes in database: 0</source>
        <translation>Citazioni già nel database: 0</translation>
    </message>
    <message>
        <source>New quotes:  0</source>
        <translation>Nuove citazioni:  0</translation>
    </message>
    <message>
        <source>Processing as %1...</source>
        <translation>Elaborazione come %1...</translation>
    </message>
    <message>
        <source>Reading the collection to compare with...</source>
        <translation>Lettura della raccolta da confrontare...</translation>
    </message>
    <message>
        <source>The text could not be processed.</source>
        <translation>Non è stato possibile elaborare il testo.</translation>
    </message>
    <message>
        <source>Select the text file with the quotes to import</source>
        <translation>Scegliere il file di testo con le citazioni da importare</translation>
    </message>
    <message>
        <source>Quotations (*.txt;*.csv;*.tsv;*.wri;*.dat)|*.txt;*.csv;*.tsv;*.wri;*.dat|All files (*)|*</source>
        <translation>Citazioni (*.txt;*.csv;*.tsv;*.wri;*.dat)|*.txt;*.csv;*.tsv;*.wri;*.dat|Tutti i file (*)|*</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is read as %2: it takes the place of the input text.</source>
        <translation>Il file &apos;%1&apos; viene letto come %2: prende il posto del testo da elaborare.</translation>
    </message>
    <message>
        <source>Importing %1 quotations...</source>
        <translation>Importazione di %1 citazioni...</translation>
    </message>
    <message>
        <source>The quotations could not be imported; none was added.</source>
        <translation>Non è stato possibile importare le citazioni; nessuna è stata aggiunta.</translation>
    </message>
    <message>
        <source>

New authors: %1. New subjects: %2. Their names are listed in the report.</source>
        <translation>

Nuovi autori: %1. Nuovi argomenti: %2. I loro nomi sono elencati nel resoconto.</translation>
    </message>
    <message>
        <source>Listing the quotations...</source>
        <translation>Elenco delle citazioni...</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <source>Putting the file&apos;s text into the input box...</source>
        <translation>Inserimento del testo del file nella casella di input...</translation>
    </message>
    <message>
        <source>The input text has not been imported. Close the import window and lose it?</source>
        <translation>Il testo da importare non è stato importato. Chiudere la finestra di importazione e perderlo?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>f_languages</name>
    <message>
        <source>Sentara - Languages</source>
        <translation>Sentara - Lingue</translation>
    </message>
    <message>
        <source>Subject &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>L&apos;argomento &quot;%1&quot; non può essere eliminato perché associato a una o più citazioni.</translation>
    </message>
    <message>
        <source>Language not deleted.</source>
        <translation>Lingua non eliminata.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Default language</source>
        <translation>Lingua predefinita</translation>
    </message>
    <message>
        <source>Show quotes</source>
        <translation>Mostra citazioni</translation>
    </message>
    <message>
        <source>Show this language&apos;s quotations in the main window</source>
        <translation>Mostra le citazioni in questa lingua nella finestra principale</translation>
    </message>
    <message>
        <source>Delete this language (only while no quotation is in it)</source>
        <translation>Elimina questa lingua (solo se nessuna citazione è in questa lingua)</translation>
    </message>
    <message>
        <source>Code cannot be empty</source>
        <translation>Il codice non può essere vuoto</translation>
    </message>
    <message>
        <source>Code already present.</source>
        <translation>Codice già presente.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predef.</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citazioni</translation>
    </message>
</context>
<context>
    <name>f_main</name>
    <message>
        <source>Undo de&amp;lete</source>
        <translation>Annulla e&amp;liminazione</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>There is no deletion to undo.</source>
        <translation>Non c&apos;è alcuna eliminazione da annullare.</translation>
    </message>
    <message>
        <source>Restoring the deleted quotations...</source>
        <translation>Ripristino delle citazioni eliminate...</translation>
    </message>
    <message>
        <source>The deletion could not be undone; nothing was restored.</source>
        <translation>Non è stato possibile annullare l&apos;eliminazione; non è stato ripristinato nulla.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Find &amp;duplicates...</source>
        <translation>Trova &amp;duplicati...</translation>
    </message>
    <message>
        <source>Quotations kept more than once, the same or nearly the same text</source>
        <translation>Citazioni presenti più volte, con lo stesso testo o quasi</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Overview...</source>
        <translation>&amp;Panoramica...</translation>
    </message>
    <message>
        <source>Charts of the collection: quotations per subject, language and rate, the authors with most</source>
        <translation>Grafici della raccolta: citazioni per argomento, lingua e voto, gli autori con più citazioni</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Change database</source>
        <translation>&amp;Cambia database</translation>
    </message>
    <message>
        <source>Open recen&amp;t</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>Open &amp;Access collection...</source>
        <translation>Apri raccolta &amp;Access...</translation>
    </message>
    <message>
        <source>Make a new database from a collection kept in an Access (.mdb) file</source>
        <translation>Crea un nuovo database da una raccolta conservata in un file Access (.mdb)</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferenze</translation>
    </message>
    <message>
        <source>Show help before slide show (Yes/No)</source>
        <translation>Mostra l&apos;aiuto prima della proiezione (Sì/No)</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>Ri&amp;mescola</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Add new</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Undo edit</source>
        <translation>&amp;Annulla modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>S&amp;uccessiva</translation>
    </message>
    <message>
        <source>&amp;Random quotation</source>
        <translation>Citazione a &amp;caso</translation>
    </message>
    <message>
        <source>&amp;Text filter</source>
        <translation>Filtro sul &amp;testo</translation>
    </message>
    <message>
        <source>&amp;Filter (read again)</source>
        <translation>&amp;Filtra (rileggi)</translation>
    </message>
    <message>
        <source>&amp;Clear all filters</source>
        <translation>S&amp;vuota tutti i filtri</translation>
    </message>
    <message>
        <source>Random &amp;order</source>
        <translation>&amp;Ordine casuale</translation>
    </message>
    <message>
        <source>Filter on current aut&amp;hor</source>
        <translation>Filtra sull&apos;autore co&amp;rrente</translation>
    </message>
    <message>
        <source>Filter on current su&amp;bject</source>
        <translation>Filtra sull&apos;ar&amp;gomento corrente</translation>
    </message>
    <message>
        <source>E&amp;xport filtered quotes...</source>
        <translation>Es&amp;porta le citazioni filtrate...</translation>
    </message>
    <message>
        <source>Slide sho&amp;w</source>
        <translation>Pro&amp;iezione</translation>
    </message>
    <message>
        <source>Delete filtered &amp;quotes...</source>
        <translation>Eli&amp;mina le citazioni filtrate...</translation>
    </message>
    <message>
        <source>S&amp;ort</source>
        <translation>&amp;Ordina</translation>
    </message>
    <message>
        <source>, ascending</source>
        <translation>, crescente</translation>
    </message>
    <message>
        <source>, descending</source>
        <translation>, decrescente</translation>
    </message>
    <message>
        <source>&amp;Authors</source>
        <translation>&amp;Autori</translation>
    </message>
    <message>
        <source>&amp;Subjects</source>
        <translation>A&amp;rgomenti</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Lingue</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Web sites</source>
        <translation>Siti web</translation>
    </message>
    <message>
        <source>&amp;Readme.txt</source>
        <translation>&amp;Leggimi (Readme.txt)</translation>
    </message>
    <message>
        <source>Author&apos;s web site</source>
        <translation>Sito web dell&apos;autore</translation>
    </message>
    <message>
        <source>Customer service and technical support</source>
        <translation>Assistenza clienti e supporto tecnico</translation>
    </message>
    <message>
        <source>About Sentara</source>
        <translation>Informazioni su Sentara</translation>
    </message>
    <message>
        <source>&amp;Version History</source>
        <translation>&amp;Cronologia delle versioni</translation>
    </message>
    <message>
        <source>Edit operation in progress. Do you want to exit without saving changes?</source>
        <translation>Modifica in corso. Vuoi uscire senza salvare le modifiche?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>Access database (*.mdb;*.accdb)|*.mdb;*.accdb|All files (*)|*</source>
        <translation>Database Access (*.mdb;*.accdb)|*.mdb;*.accdb|Tutti i file (*)|*</translation>
    </message>
    <message>
        <source>Name the new database made from the collection</source>
        <translation>Dai un nome al nuovo database creato dalla raccolta</translation>
    </message>
    <message>
        <source>Making a new database from &apos;%1&apos;...</source>
        <translation>Creazione di un nuovo database da &apos;%1&apos;...</translation>
    </message>
    <message>
        <source>Reading &apos;%1&apos;...</source>
        <translation>Lettura di &apos;%1&apos;...</translation>
    </message>
    <message>
        <source>No database was made.</source>
        <translation>Nessun database è stato creato.</translation>
    </message>
    <message>
        <source>Sentara - Import report</source>
        <translation>Sentara - Rapporto d&apos;importazione</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was made from &apos;%2&apos;: %3.%4

The window now shows it.</source>
        <translation>Il database &apos;%1&apos; è stato creato da &apos;%2&apos;: %3.%4

Ora la finestra lo mostra.</translation>
    </message>
    <message>
        <source>
The rows that did not fit are listed in the report.</source>
        <translation>
Le righe che non si adattavano sono elencate nel rapporto.</translation>
    </message>
    <message>
        <source>New random numbers for every quotation...</source>
        <translation>Nuovi numeri casuali per ogni citazione...</translation>
    </message>
    <message>
        <source>The quotations could not be given new random numbers; none was changed.</source>
        <translation>Non è stato possibile dare nuovi numeri casuali alle citazioni; nessuna è stata cambiata.</translation>
    </message>
    <message>
        <source>Randomization executed.</source>
        <translation>Rimescolamento eseguito.</translation>
    </message>
</context>
<context>
    <name>f_msgbox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Salva con nome...</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Salva il testo con nome</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt</source>
        <translation>Testo (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2</source>
        <translation>Il file &apos;%1&apos; non può essere scritto: %2</translation>
    </message>
</context>
<context>
    <name>f_overview</name>
    <message>
        <source>Sentara - Overview</source>
        <translation>Sentara - Panoramica</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Argomenti</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Voti</translation>
    </message>
    <message>
        <source>Authors</source>
        <translation>Autori</translation>
    </message>
    <message>
        <source>Save as &amp;picture...</source>
        <translation>Salva come &amp;immagine...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Quotations per subject</source>
        <translation>Citazioni per argomento</translation>
    </message>
    <message>
        <source>Quotations per language</source>
        <translation>Citazioni per lingua</translation>
    </message>
    <message>
        <source>Quotations per rate</source>
        <translation>Citazioni per voto</translation>
    </message>
    <message>
        <source>The authors with most quotations</source>
        <translation>Gli autori con più citazioni</translation>
    </message>
    <message>
        <source>Quotations</source>
        <translation>Citazioni</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>senza voto</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>%1 (the %2 largest of %3)</source>
        <translation>%1 (i %2 maggiori su %3)</translation>
    </message>
    <message>
        <source>%1 quotations. A click on a bar shows its quotations in the main window.</source>
        <translation>%1 citazioni. Un clic su una barra ne mostra le citazioni nella finestra principale.</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Salva il grafico</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>Non è stato possibile scrivere l&apos;immagine in %1.</translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG or SVG picture</source>
        <translation>Salva il grafico mostrato come immagine PNG o SVG</translation>
    </message>
    <message>
        <source>PNG or SVG picture|*.png;*.svg</source>
        <translation>Immagine PNG o SVG|*.png;*.svg</translation>
    </message>
</context>
<context>
    <name>f_slide_show</name>
    <message>
        <source>Sentara - Slide Show</source>
        <translation>Sentara - Presentazione</translation>
    </message>
    <message>
        <source>Slide show</source>
        <translation>Presentazione</translation>
    </message>
    <message>
        <source>Quotations one at a time, full screen. Esc ends the show, Page Up shows the previous quotation, the space bar stops and starts the timer, I changes its interval, the right mouse button opens the command menu.</source>
        <translation>Citazioni una alla volta, a tutto schermo. Esc termina la presentazione, Pagina su mostra la citazione precedente, la barra spaziatrice ferma e riavvia il timer, I ne cambia l&apos;intervallo, il tasto destro del mouse apre il menu dei comandi.</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Change interval duration (I)</source>
        <translation>Cambia la durata dell&apos;intervallo (I)</translation>
    </message>
    <message>
        <source>Enable/disable auto change (Space Bar)</source>
        <translation>Attiva/disattiva il cambio automatico (barra spaziatrice)</translation>
    </message>
    <message>
        <source>Show previous quote (Page Up)</source>
        <translation>Mostra la citazione precedente (Pagina su)</translation>
    </message>
    <message>
        <source>Exit (ESC)</source>
        <translation>Esci (ESC)</translation>
    </message>
    <message>
        <source>Database is empty</source>
        <translation>Il database è vuoto</translation>
    </message>
    <message>
        <source>Timer enabled</source>
        <translation>Timer attivato</translation>
    </message>
    <message>
        <source>Timer disabled</source>
        <translation>Timer disattivato</translation>
    </message>
    <message>
        <source>New interval? (now = %1 milliseconds)</source>
        <translation>Nuovo intervallo? (ora = %1 millisecondi)</translation>
    </message>
    <message>
        <source>Wrong interval valule (must be a number from 10 to 100000)</source>
        <translation>Valore dell&apos;intervallo errato (deve essere un numero da 10 a 100000)</translation>
    </message>
    <message>
        <source>No previous quote.</source>
        <translation>Nessuna citazione precedente.</translation>
    </message>
    <message>
        <source>Previous quote not found</source>
        <translation>Citazione precedente non trovata</translation>
    </message>
    <message>
        <source>Quote not found</source>
        <translation>Citazione non trovata</translation>
    </message>
</context>
<context>
    <name>f_slide_show_help</name>
    <message>
        <source>Sentara - Slide Show Help</source>
        <translation>Sentara - Aiuto della presentazione</translation>
    </message>
    <message>
        <source>Press ESC to exit</source>
        <translation>Premere ESC per uscire</translation>
    </message>
    <message>
        <source>Click the mouse right button to open command menu</source>
        <translation>Fare clic con il tasto destro del mouse per aprire il menu dei comandi</translation>
    </message>
    <message>
        <source>Press Page Up to see previous quote displayed</source>
        <translation>Premere Pagina su per rivedere la citazione precedente</translation>
    </message>
    <message>
        <source>Press Space Bar to disable/enable timer</source>
        <translation>Premere la barra spaziatrice per disattivare/attivare il timer</translation>
    </message>
    <message>
        <source>Press I to change timer interval (now = %1 seconds)</source>
        <translation>Premere I per cambiare l&apos;intervallo del timer (ora = %1 secondi)</translation>
    </message>
    <message>
        <source>Don&apos;t show this window when slide show is launched</source>
        <translation>Non mostrare questa finestra all&apos;avvio della presentazione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>f_subjects</name>
    <message>
        <source>Sentara - Subjects</source>
        <translation>Sentara - Argomenti</translation>
    </message>
    <message>
        <source>Subject &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>L&apos;argomento &quot;%1&quot; non può essere eliminato perché associato a una o più citazioni.</translation>
    </message>
    <message>
        <source>Subject not deleted.</source>
        <translation>Argomento non eliminato.</translation>
    </message>
    <message>
        <source>Existing subject to be used?</source>
        <translation>Argomento esistente da usare?</translation>
    </message>
    <message>
        <source>Subject replacement</source>
        <translation>Sostituzione dell&apos;argomento</translation>
    </message>
    <message>
        <source>Subject &apos;%1&apos; not found.</source>
        <translation>Argomento &apos;%1&apos; non trovato.</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Argomento</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citazioni</translation>
    </message>
    <message>
        <source>Show Quotes</source>
        <translation>Mostra citazioni</translation>
    </message>
    <message>
        <source>Show this subject&apos;s quotations in the main window (or double-click the list)</source>
        <translation>Mostra le citazioni di questo argomento nella finestra principale (o fai doppio clic sull&apos;elenco)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>File this subject&apos;s quotations under another subject</source>
        <translation>Sposta le citazioni di questo argomento sotto un altro argomento</translation>
    </message>
    <message>
        <source>Delete this subject (only while no quotation uses it)</source>
        <translation>Elimina questo argomento (solo se nessuna citazione lo usa)</translation>
    </message>
    <message>
        <source>Subject filter</source>
        <translation>Filtro argomento</translation>
    </message>
    <message>
        <source>List the subjects that hold the text (Enter, F5)</source>
        <translation>Elenca gli argomenti che contengono il testo (Invio, F5)</translation>
    </message>
    <message>
        <source>List every subject again; the text stays for the next Filter</source>
        <translation>Elenca di nuovo tutti gli argomenti; il testo resta per il prossimo Filtra</translation>
    </message>
    <message>
        <source>Subject cannot be empty</source>
        <translation>L&apos;argomento non può essere vuoto</translation>
    </message>
    <message>
        <source>Subject already present.</source>
        <translation>Argomento già presente.</translation>
    </message>
</context>
<context>
    <name>f_trash</name>
    <message>
        <source>Sentara - Trash</source>
        <translation>Sentara - Cestino</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Citazione</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminata</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>List the deleted quotations whose text or author holds the text (Enter)</source>
        <translation>Elenca le citazioni eliminate il cui testo o autore contiene il testo (Invio)</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Togli filtro</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Put the quotations picked with the row selectors back, or the current one (Ctrl+R)</source>
        <translation>Ripristina le citazioni scelte con i selettori di riga, o quella corrente (Ctrl+R)</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>Ripristina tutte</translation>
    </message>
    <message>
        <source>Empty the Trash...</source>
        <translation>Svuota il cestino...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Chiudi questa finestra (Esc)</translation>
    </message>
    <message>
        <source>Text or author</source>
        <translation>Testo o autore</translation>
    </message>
    <message>
        <source>Quotations: %1</source>
        <translation>Citazioni: %1</translation>
    </message>
    <message>
        <source>Restoring quotations...</source>
        <translation>Ripristino delle citazioni...</translation>
    </message>
    <message>
        <source>The quotations could not be restored; none was restored.</source>
        <translation>Non è stato possibile ripristinare le citazioni; nessuna è stata ripristinata.</translation>
    </message>
    <message>
        <source>Do you really want to empty the Trash? Its quotations, authors, subjects, languages and web sites are then gone for good, and Undo delete can no longer bring them back.</source>
        <translation>Vuoi davvero svuotare il cestino? Le sue citazioni, autori, argomenti, lingue e siti web saranno persi per sempre, e Annulla eliminazione non potrà più recuperarli.</translation>
    </message>
    <message>
        <source>
(and %1 more)</source>
        <translation>
(e altre %1)</translation>
    </message>
    <message>
        <source>for ever</source>
        <translation>per sempre</translation>
    </message>
    <message>
        <source> days</source>
        <translation> giorni</translation>
    </message>
    <message>
        <source>Keep deleted quotations</source>
        <translation>Conserva le citazioni eliminate</translation>
    </message>
    <message>
        <source>Quotations deleted longer ago are forgotten when Sentara starts; 0 keeps them for ever</source>
        <translation>Le citazioni eliminate da più tempo vengono dimenticate all&apos;avvio di Sentara; 0 le conserva per sempre</translation>
    </message>
</context>
<context>
    <name>f_websites</name>
    <message>
        <source>Sentara - Web Sites</source>
        <translation>Sentara - Siti web</translation>
    </message>
    <message>
        <source>Web site not deleted.</source>
        <translation>Sito web non eliminato.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Go to site</source>
        <translation>Vai al sito</translation>
    </message>
    <message>
        <source>Open the address in the web browser (or double-click the list)</source>
        <translation>Apri l&apos;indirizzo nel browser (o fai doppio clic sull&apos;elenco)</translation>
    </message>
    <message>
        <source>Name filter</source>
        <translation>Filtro nome</translation>
    </message>
    <message>
        <source>Notes filter</source>
        <translation>Filtro note</translation>
    </message>
    <message>
        <source>Language Filter </source>
        <translation>Filtro lingua </translation>
    </message>
    <message>
        <source>List the sites whose name or notes hold the texts, or in the language (Enter, F5)</source>
        <translation>Elenca i siti il cui nome o le cui note contengono i testi, o nella lingua (Invio, F5)</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>Il nome non può essere vuoto</translation>
    </message>
    <message>
        <source>Web site already present.</source>
        <translation>Sito web già presente.</translation>
    </message>
    <message>
        <source>This web site has no address.</source>
        <translation>Questo sito web non ha indirizzo.</translation>
    </message>
    <message>
        <source>No program could open &apos;%1&apos;.</source>
        <translation>Nessun programma ha potuto aprire &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Not opened: only an address beginning with http://, https://, ftp:// or www. is opened in the web browser.</source>
        <translation>Non aperto: nel browser web si apre solo un indirizzo che inizia con http://, https://, ftp:// o www.</translation>
    </message>
    <message>
        <source>name filter</source>
        <translation>il filtro del nome</translation>
    </message>
    <message>
        <source>notes filter</source>
        <translation>il filtro delle note</translation>
    </message>
    <message>
        <source>language filter</source>
        <translation>il filtro della lingua</translation>
    </message>
</context>
<context>
    <name>factories</name>
    <message>
        <source>Clear the %1</source>
        <translation>Svuota %1</translation>
    </message>
</context>
<context>
    <name>fortune_format</name>
    <message>
        <source>none of its %1 lines is a &quot;%&quot; line, the line between two cookies</source>
        <translation>nessuna delle sue %1 righe è una riga &quot;%&quot;, la riga tra due biscotti</translation>
    </message>
    <message>
        <source>strfile is not installed</source>
        <translation>strfile non è installato</translation>
    </message>
    <message>
        <source>strfile failed%1</source>
        <translation>strfile non è riuscito%1</translation>
    </message>
</context>
<context>
    <name>grid_keys</name>
    <message>
        <source>Sentara prepares the %1 quotations of this collection for fast sorting and filtering, once: %2.</source>
        <translation>Sentara prepara le %1 citazioni di questa raccolta per ordinare e filtrare velocemente, una volta sola: %2.</translation>
    </message>
    <message>
        <source>keying the texts</source>
        <translation>indicizzazione dei testi</translation>
    </message>
    <message>
        <source>building the index %1</source>
        <translation>creazione dell&apos;indice %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fatto</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>not available</source>
        <translation>non disponibile</translation>
    </message>
    <message>
        <source>SENTARA VERSION HISTORY </source>
        <translation>STORIA DELLE VERSIONI DI SENTARA </translation>
    </message>
    <message>
        <source>Current version is %1</source>
        <translation>La versione attuale è %1</translation>
    </message>
    <message>
        <source>It includes the following changes (F = bug fixed, I = improvement, N = new function)</source>
        <translation>Comprende le seguenti modifiche (F = errore corretto, I = miglioramento, N = nuova funzione)</translation>
    </message>
    <message>
        <source>%1 - Version history</source>
        <translation>%1 - Storia delle versioni</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 versione %2</translation>
    </message>
    <message>
        <source>Sentara is made by the Sentara project.</source>
        <translation>Sentara è realizzato dal progetto Sentara.</translation>
    </message>
    <message>
        <source>Look for updates on the Sentara web site: %1</source>
        <translation>Cercare gli aggiornamenti sul sito di Sentara: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>You can get customer service and technical support for %1 in one of the following ways:</source>
        <translation>Si può ottenere assistenza clienti e supporto tecnico per %1 in uno dei modi seguenti:</translation>
    </message>
    <message>
        <source>- Send e-mail to %1 with your questions or problem reports</source>
        <translation>- Inviare un&apos;e-mail a %1 con domande o segnalazioni di problemi</translation>
    </message>
    <message>
        <source>- Call telephone # %1</source>
        <translation>- Telefonare al n. %1</translation>
    </message>
    <message>
        <source>You are kindly invited to contact us for any problems, inquiries or comments. We appreciate being informed of your experience with %1 and are willing to improve this program according to your comments and suggestions.</source>
        <translation>Vi invitiamo a contattarci per qualsiasi problema, domanda o commento. Ci fa piacere conoscere la vostra esperienza con %1 e siamo disposti a migliorare questo programma secondo i vostri commenti e suggerimenti.</translation>
    </message>
    <message>
        <source>Customer service and technical support</source>
        <translation>Assistenza clienti e supporto tecnico</translation>
    </message>
</context>
<context>
    <name>import_formats</name>
    <message>
        <source>The input text</source>
        <translation>Il testo da elaborare</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos;</source>
        <translation>Il file &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to import.</source>
        <translation>%1 è vuoto: non c&apos;è niente da importare.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>riga %1: </translation>
    </message>
    <message>
        <source>%1 cannot be imported as %2: %3%4.</source>
        <translation>%1 non può essere importato come %2: %3%4.</translation>
    </message>
</context>
<context>
    <name>kindle_clippings</name>
    <message>
        <source>no line is the separator of the clippings (%1)</source>
        <translation>nessuna riga è il separatore delle clip (%1)</translation>
    </message>
    <message>
        <source>the line under the book&apos;s title should say what the clipping is (&quot;- Your Highlight on page 1 | Location 10-12 | ...&quot;)</source>
        <translation>la riga sotto il titolo del libro dovrebbe dire che cos&apos;è la clip (&quot;- Your Highlight on page 1 | Location 10-12 | ...&quot;)</translation>
    </message>
    <message>
        <source>HIGHLIGHTS HELD BY A LONGER ONE OF THE SAME BOOK SKIPPED (THE LONGER KEPT):</source>
        <translation>EVIDENZIAZIONI CONTENUTE IN UNA PIÙ LUNGA DELLO STESSO LIBRO SALTATE (TENUTA LA PIÙ LUNGA):</translation>
    </message>
    <message>
        <source>CLIPPINGS CUT BY THE CLIPPING LIMIT OF THEIR BOOK SKIPPED (NO TEXT):</source>
        <translation>RITAGLI TAGLIATI DAL LIMITE DI RITAGLIO DEL LORO LIBRO SALTATI (NESSUN TESTO):</translation>
    </message>
    <message>
        <source>BOOKMARKS SKIPPED (NOT QUOTATIONS):</source>
        <translation>SEGNALIBRI SALTATI (NON SONO CITAZIONI):</translation>
    </message>
    <message>
        <source>NOTES WITHOUT A HIGHLIGHT AT THEIR LOCATION SKIPPED:</source>
        <translation>NOTE SENZA UN&apos;EVIDENZIAZIONE NELLA LORO POSIZIONE SALTATE:</translation>
    </message>
    <message>
        <source>CLIPPINGS OF ANOTHER KIND SKIPPED:</source>
        <translation>RITAGLI DI ALTRO TIPO SALTATI:</translation>
    </message>
</context>
<context>
    <name>long_work</name>
    <message>
        <source>About %1 min left.</source>
        <translation>Circa %1 min rimanenti.</translation>
    </message>
    <message>
        <source>About %1 s left.</source>
        <translation>Circa %1 s rimanenti.</translation>
    </message>
    <message>
        <source>Stopped: nothing was changed.</source>
        <translation>Interrotto: non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>

Error %1 - %2</source>
        <translation>

Errore %1 - %2</translation>
    </message>
</context>
<context>
    <name>quote_export</name>
    <message>
        <source>it has no text</source>
        <translation>non ha testo</translation>
    </message>
    <message>
        <source>its text has more than one line</source>
        <translation>il suo testo ha più di una riga</translation>
    </message>
    <message>
        <source>its text begins with &quot;.&quot;, the mark of a detail line</source>
        <translation>il suo testo comincia con &quot;.&quot;, il segno di una riga di dettaglio</translation>
    </message>
    <message>
        <source>its text begins with a no-break space</source>
        <translation>il suo testo comincia con uno spazio unificatore</translation>
    </message>
    <message>
        <source>its author holds parentheses</source>
        <translation>il suo autore contiene parentesi</translation>
    </message>
    <message>
        <source>its text ends in parentheses, which would be read as its author</source>
        <translation>il suo testo finisce tra parentesi, che verrebbero lette come il suo autore</translation>
    </message>
    <message>
        <source>its note holds a full stop or a line break</source>
        <translation>la sua nota contiene un punto o un a capo</translation>
    </message>
    <message>
        <source>its subject holds a full stop or a line break</source>
        <translation>il suo argomento contiene un punto o un a capo</translation>
    </message>
    <message>
        <source>it begins like an earlier one (its first 40 characters)</source>
        <translation>comincia come una precedente (i primi 40 caratteri)</translation>
    </message>
    <message>
        <source>%1 of the %2 quotations cannot be written whole in the text format, which holds one line a quotation; read back, they would come in changed, split or not at all:
</source>
        <translation>%1 delle %2 citazioni non possono essere scritte per intero nel formato testo, che contiene una riga per citazione; rilette, tornerebbero modificate, spezzate o per niente:
</translation>
    </message>
    <message>
        <source>

CSV carries every field of every quotation.</source>
        <translation>

Il CSV conserva ogni campo di ogni citazione.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2.</source>
        <translation>Il file &apos;%1&apos; non può essere scritto: %2.</translation>
    </message>
</context>
<context>
    <name>quote_import</name>
    <message>
        <source>Duplicated quotes in input text: %1</source>
        <translation>Citazioni doppie nel testo: %1</translation>
    </message>
    <message>
        <source>Duplicated quotes in database: %1</source>
        <translation>Citazioni già nel database: %1</translation>
    </message>
    <message>
        <source>New quotes: %1</source>
        <translation>Nuove citazioni: %1</translation>
    </message>
    <message>
        <source>Author cannot be empty as at least one quotation comes without author</source>
        <translation>L&apos;autore non può essere vuoto perché almeno una citazione non ha autore</translation>
    </message>
    <message>
        <source>Language cannot be empty as for at least one quotation no language is specified</source>
        <translation>La lingua non può essere vuota perché per almeno una citazione non è indicata alcuna lingua</translation>
    </message>
    <message>
        <source>&quot;%1&quot; will be used as default language</source>
        <translation>&quot;%1&quot; sarà usata come lingua predefinita</translation>
    </message>
    <message>
        <source>%1 quotes added in database.</source>
        <translation>%1 citazioni aggiunte al database.</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... e altre %1 righe</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: it does not exist.</source>
        <translation>Il file &apos;%1&apos; non può essere letto: non esiste.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: it is a folder.</source>
        <translation>Il file &apos;%1&apos; non può essere letto: è una cartella.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>Il file &apos;%1&apos; non può essere letto: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a text file: it holds binary data (NUL bytes), and is not UTF-16 text either.</source>
        <translation>Il file &apos;%1&apos; non è un file di testo: contiene dati binari (byte NUL) e non è nemmeno testo UTF-16.</translation>
    </message>
    <message>
        <source>    is nearly the same as, in the input: %1</source>
        <translation>    è quasi uguale a, nel testo: %1</translation>
    </message>
    <message>
        <source>    is nearly the same as, in the database: %1</source>
        <translation>    è quasi uguale a, nel database: %1</translation>
    </message>
    <message>
        <source>NEARLY THE SAME AS ANOTHER QUOTATION, KEPT FOR THE IMPORT (TAKE OUT OF THE INPUT THE ONES YOU DO NOT WANT):</source>
        <translation>QUASI UGUALI A UN&apos;ALTRA CITAZIONE, TENUTE PER L&apos;IMPORTAZIONE (TOGLI DAL TESTO QUELLE CHE NON VUOI):</translation>
    </message>
    <message>
        <source>POSSIBLE DUPLICATED ITEMS IN INPUT TEXT SKIPPED:</source>
        <translation>POSSIBILI VOCI DUPLICATE NEL TESTO SALTATE:</translation>
    </message>
    <message>
        <source>ITEMS ALREADY IN DATABASE SKIPPED:</source>
        <translation>VOCI GIÀ NEL DATABASE SALTATE:</translation>
    </message>
    <message>
        <source>LINES WITHOUT QUOTATION TEXT SKIPPED:</source>
        <translation>RIGHE SENZA TESTO DI CITAZIONE SALTATE:</translation>
    </message>
    <message>
        <source>DIRECTIVES BEFORE THE FIRST QUOTATION IGNORED:</source>
        <translation>DIRETTIVE PRIMA DELLA PRIMA CITAZIONE IGNORATE:</translation>
    </message>
    <message>
        <source>RATES OTHER THAN 1, 2 OR 3 IGNORED:</source>
        <translation>VOTI DIVERSI DA 1, 2 O 3 IGNORATI:</translation>
    </message>
    <message>
        <source>LANGUAGES NOT IN THE DATABASE IGNORED (THE DEFAULT LANGUAGE IS USED):</source>
        <translation>LINGUE NON PRESENTI NEL DATABASE IGNORATE (SI USA LA LINGUA PREDEFINITA):</translation>
    </message>
    <message>
        <source>AUTHORS ADDED TO THE DATABASE:</source>
        <translation>AUTORI AGGIUNTI AL DATABASE:</translation>
    </message>
    <message>
        <source>SUBJECTS ADDED TO THE DATABASE:</source>
        <translation>ARGOMENTI AGGIUNTI AL DATABASE:</translation>
    </message>
    <message>
        <source>LINES NOT IN UTF-8, READ AS WINDOWS-1252:</source>
        <translation>RIGHE NON IN UTF-8, LETTE COME WINDOWS-1252:</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Select database file</source>
        <translation>Seleziona il file del database</translation>
    </message>
    <message>
        <source>error %1 - %2</source>
        <translation>errore %1 - %2</translation>
    </message>
    <message>
        <source>Sentara compacts its collection and checks the copy...</source>
        <translation>Sentara compatta la sua raccolta e controlla la copia...</translation>
    </message>
    <message>
        <source>Sentara keeps a backup copy of its collection...</source>
        <translation>Sentara conserva una copia di sicurezza della sua raccolta...</translation>
    </message>
    <message>
        <source>The database could not be compacted; it is used as it is.
</source>
        <translation>Non è stato possibile compattare il database; viene usato così com&apos;è.
</translation>
    </message>
    <message>
        <source>Stopped: the collection is used as it is, and its upkeep is done at a later start.</source>
        <translation>Interrotto: la raccolta viene usata così com&apos;è, e la sua manutenzione si farà a un avvio successivo.</translation>
    </message>
    <message>
        <source>Stopped: nothing was changed. The collection is used as it is, more slowly, and the work is offered again at the next start.</source>
        <translation>Interrotto: non è stato cambiato nulla. La raccolta viene usata così com&apos;è, più lentamente, e il lavoro sarà proposto di nuovo al prossimo avvio.</translation>
    </message>
    <message>
        <source>
Error %1 - %2</source>
        <translation>
Errore %1 - %2</translation>
    </message>
    <message>
        <source>Sentara puts its search index right, once.</source>
        <translation>Sentara sistema il suo indice di ricerca, una volta sola.</translation>
    </message>
    <message>
        <source>The search index could not be put right; deleting quotations without notes may fail.</source>
        <translation>Non è stato possibile sistemare l&apos;indice di ricerca; l&apos;eliminazione di citazioni senza note potrebbe non riuscire.</translation>
    </message>
    <message>
        <source>Sentara measures its collection...</source>
        <translation>Sentara misura la sua raccolta...</translation>
    </message>
    <message>
        <source>Sentara builds the search index of its %1 quotations, once.</source>
        <translation>Sentara crea l&apos;indice di ricerca delle sue %1 citazioni, una volta sola.</translation>
    </message>
    <message>
        <source>The search index could not be built; searches read the whole collection.</source>
        <translation>Non è stato possibile creare l&apos;indice di ricerca; le ricerche leggono tutta la raccolta.</translation>
    </message>
    <message>
        <source>Sentara prepares its collection for fast sorting, once.</source>
        <translation>Sentara prepara la sua raccolta per ordinare velocemente, una volta sola.</translation>
    </message>
    <message>
        <source>The collection could not be prepared for fast sorting; lists are sorted as they are read, more slowly.</source>
        <translation>Non è stato possibile preparare la raccolta per ordinare velocemente; gli elenchi vengono ordinati mentre si leggono, più lentamente.</translation>
    </message>
    <message>
        <source>A new database cannot be created at &apos;%1&apos;.
%2</source>
        <translation>Non si può creare un nuovo database in &apos;%1&apos;.
%2</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is already open by another instance of this program or by Access.</source>
        <translation>Il database &apos;%1&apos; è già aperto da un&apos;altra istanza di questo programma o da Access.</translation>
    </message>
    <message>
        <source>Press OK to continue, Cancel to quit.</source>
        <translation>Premi OK per continuare, Annulla per uscire.</translation>
    </message>
    <message>
        <source>Press OK to use it all the same, Cancel to keep the database in use.</source>
        <translation>Premi OK per usarlo comunque, Annulla per tenere il database in uso.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be found.</source>
        <translation>Il database &apos;%1&apos; non si trova.</translation>
    </message>
    <message>
        <source>No quotation database was found.

Create a new database at &apos;%1&apos;? It starts with a few dozen sample quotations, which you may keep or delete.

Choose file... opens a database you already have.</source>
        <translation>Non è stato trovato nessun database di citazioni.

Creare un nuovo database in &apos;%1&apos;? Parte con qualche decina di citazioni di esempio, che puoi tenere o eliminare.

Scegli file... apre un database che hai già.</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crea</translation>
    </message>
    <message>
        <source>C&amp;hoose file...</source>
        <translation>Scegli &amp;file...</translation>
    </message>
    <message>
        <source>The database cannot be opened.

%1</source>
        <translation>Il database non può essere aperto.

%1</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be used: its folder is not writable.</source>
        <translation>Il database &apos;%1&apos; non può essere usato: la sua cartella non è scrivibile.</translation>
    </message>
    <message>
        <source>The database cannot be opened.

The file &apos;%1&apos;: %2</source>
        <translation>Il database non può essere aperto.

Il file &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; is opened for reading only: this user may not change the file or its folder.

Quotations can be read, searched, exported and shown; edits, imports and the random order&apos;s moves are not saved.</source>
        <translation>Il database &apos;%1&apos; è aperto in sola lettura: questo utente non può modificare il file o la sua cartella.

Le citazioni si possono leggere, cercare, esportare e mostrare; modifiche, importazioni e gli spostamenti dell&apos;ordine casuale non vengono salvati.</translation>
    </message>
    <message>
        <source>Sentara database (*.mdb;*.sqo)|*.mdb;*.sqo|All files (*)|*</source>
        <translation>Database di Sentara (*.mdb;*.sqo)|*.mdb;*.sqo|Tutti i file (*)|*</translation>
    </message>
</context>
<context>
    <name>trash</name>
    <message>
        <source>author</source>
        <translation>autore</translation>
    </message>
    <message>
        <source>subject</source>
        <translation>argomento</translation>
    </message>
    <message>
        <source>language</source>
        <translation>lingua</translation>
    </message>
    <message>
        <source>web site</source>
        <translation>sito web</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; was not restored: one of the same name was added since.</source>
        <translation>%1 &apos;%2&apos; non è stato ripristinato: nel frattempo ne è stato aggiunto uno con lo stesso nome.</translation>
    </message>
    <message>
        <source>The quotation %1 was not restored: the collection holds a newer one with the same key.</source>
        <translation>La citazione %1 non è stata ripristinata: la raccolta ne contiene una più recente con la stessa chiave.</translation>
    </message>
    <message>
        <source>%1 quotations were changed since and keep the name they have now.</source>
        <translation>%1 citazioni sono state modificate nel frattempo e mantengono il nome attuale.</translation>
    </message>
    <message>
        <source>The quotation kept was changed since and keeps what it has now.</source>
        <translation>La citazione conservata è stata modificata nel frattempo e mantiene ciò che ha ora.</translation>
    </message>
</context>
</TS>
