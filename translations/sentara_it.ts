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
        <source>Sentara keeps a collection of quotations. Without options it opens its main window on the
database it used last; the options below do their work and end without a window.</source>
        <translation>Sentara conserva una raccolta di citazioni. Senza opzioni apre la finestra principale
sull&apos;ultimo database usato; le opzioni qui sotto svolgono il loro lavoro e terminano senza finestra.</translation>
    </message>
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
        <source>--create-database, --random, --import, --import-access and --export go one at a time</source>
        <translation>--create-database, --random, --import, --import-access e --export vanno usati uno alla volta</translation>
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
        <source>--database goes with --random, --export, --import or --import-access</source>
        <translation>--database va con --random, --export, --import o --import-access</translation>
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
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Click to select/deselect this row; hold CTRL to add rows, SHIFT to add a range</source>
        <translation>Fare clic per selezionare/deselezionare questa riga; tenere premuto CTRL per aggiungere righe, MAIUSC per aggiungere un intervallo</translation>
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
    <name>f_msgbox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
    <name>factories</name>
    <message>
        <source>Clear the %1</source>
        <translation>Svuota %1</translation>
    </message>
</context>
</TS>
