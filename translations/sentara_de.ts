<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Application</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Fehler %1 - %2</translation>
    </message>
    <message>
        <source>Error - %1</source>
        <translation>Fehler - %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>Creates a new, empty database at &lt;path&gt; (never over an existing file).</source>
        <translation>Legt eine neue, leere Datenbank unter &lt;Pfad&gt; an (nie über einer vorhandenen Datei).</translation>
    </message>
    <message>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>With --create-database: a few dozen quotations to start with.</source>
        <translation>Mit --create-database: einige Dutzend Zitate für den Anfang.</translation>
    </message>
    <message>
        <source>Prints one quotation and its author, the next of the random order, and moves it to the back: calls go through the whole collection before any quotation comes again.</source>
        <translation>Gibt ein Zitat und seinen Autor aus, das nächste der Zufallsreihenfolge, und stellt es nach hinten: Aufrufe gehen die ganze Sammlung durch, bevor ein Zitat wiederkommt.</translation>
    </message>
    <message>
        <source>The database to use (default: the one the program used last).</source>
        <translation>Die zu benutzende Datenbank (vorgegeben: die zuletzt vom Programm benutzte).</translation>
    </message>
    <message>
        <source>With --random: quotations by this author (a part of the name will do). With --import: the author of the lines that name none.</source>
        <translation>Mit --random: Zitate dieses Autors (ein Teil des Namens genügt). Mit --import: der Autor der Zeilen, die keinen nennen.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>With --random: quotations on this subject. With --import: the subject of the quotations without one.</source>
        <translation>Mit --random: Zitate zu diesem Thema. Mit --import: das Thema der Zitate ohne eines.</translation>
    </message>
    <message>
        <source>With --random: quotations in this language. With --import: the language of the quotations without one.</source>
        <translation>Mit --random: Zitate in dieser Sprache. Mit --import: die Sprache der Zitate ohne eine.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>With --random: rated at least &lt;n&gt; (1 to 3).</source>
        <translation>Mit --random: mit mindestens &lt;n&gt; bewertet (1 bis 3).</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>With --random: quotations whose text holds &lt;text&gt;.</source>
        <translation>Mit --random: Zitate, deren Text &lt;Text&gt; enthält.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>With --random: plain (default) or json. With --import: how &lt;file&gt; is read, text (one a line), fortune, csv or kindle (default: guessed from the file).</source>
        <translation>Mit --random: plain (vorgegeben) oder json. Mit --import: wie &lt;Datei&gt; gelesen wird, text (eines je Zeile), fortune, csv oder kindle (vorgegeben: aus der Datei erraten).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Imports the quotations of &lt;file&gt; (as the import window reads them) into the database and prints the report.</source>
        <translation>Importiert die Zitate aus &lt;Datei&gt; (wie das Importfenster sie liest) in die Datenbank und gibt den Bericht aus.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Makes the new database named with --database from the collection in the Access file &lt;file&gt; (never over an existing file) and prints what it holds and the rows that did not fit.</source>
        <translation>Erstellt die mit --database genannte neue Datenbank aus der Sammlung in der Access-Datei &lt;Datei&gt; (nie über einer vorhandenen Datei) und gibt aus, was sie enthält und welche Zeilen nicht passten.</translation>
    </message>
    <message>
        <source>Writes the quotations (all, or those --author, --subject, --language, --min-rate and --filter choose, as with --random) to &lt;file&gt;, whole or not at all: --format csv (the default; every field), fortune (text, author, note) or text (the default for a name ending .txt).</source>
        <translation>Schreibt die Zitate (alle oder die von --author, --subject, --language, --min-rate und --filter gewählten, wie bei --random) nach &lt;Datei&gt;, ganz oder gar nicht: --format csv (vorgegeben; jedes Feld), fortune (Text, Autor, Notiz) oder text (vorgegeben für einen Namen auf .txt).</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format with --export is %1, not &apos;%2&apos;</source>
        <translation>--format mit --export ist %1, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--author, --subject and --language go with --random, --export or --import</source>
        <translation>--author, --subject und --language gehören zu --random, --export oder --import</translation>
    </message>
    <message>
        <source>--min-rate and --filter go with --random or --export</source>
        <translation>--min-rate und --filter gehören zu --random oder --export</translation>
    </message>
    <message>
        <source>--format goes with --random, --export or --import</source>
        <translation>--format gehört zu --random, --export oder --import</translation>
    </message>
    <message>
        <source>--with-samples goes with --create-database</source>
        <translation>--with-samples gehört zu --create-database</translation>
    </message>
    <message>
        <source>--create-database takes its path itself</source>
        <translation>--create-database nimmt den Pfad selbst</translation>
    </message>
    <message>
        <source>--min-rate takes a rate from 1 to 3, not &apos;%1&apos;</source>
        <translation>--min-rate nimmt eine Bewertung von 1 bis 3, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format is plain or json, not &apos;%1&apos;</source>
        <translation>--format ist plain oder json, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format with --import is %1, not &apos;%2&apos;</source>
        <translation>--format mit --import ist %1, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--import-access needs --database, the new database to make</source>
        <translation>--import-access braucht --database, die neu anzulegende Datenbank</translation>
    </message>
    <message>
        <source>Created the database %1</source>
        <translation>Die Datenbank %1 wurde angelegt</translation>
    </message>
    <message>
        <source>there is no database at %1 (give one with --database)</source>
        <translation>unter %1 gibt es keine Datenbank (eine mit --database angeben)</translation>
    </message>
    <message>
        <source>no quotation meets the choice</source>
        <translation>kein Zitat passt zur Auswahl</translation>
    </message>
    <message>
        <source>Sentara version %1</source>
        <translation>Sentara Version %1</translation>
    </message>
    <message>
        <source>Try &apos;sentara --help&apos;.</source>
        <translation>Siehe &apos;sentara --help&apos;.</translation>
    </message>
    <message>
        <source>there is no database at %1 (give one with --database).</source>
        <translation>unter %1 gibt es keine Datenbank (eine mit --database angeben).</translation>
    </message>
    <message>
        <source>no quotation meets the choice; &apos;%1&apos; was not written.</source>
        <translation>kein Zitat passt zur Auswahl; &apos;%1&apos; wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>
Nothing was written: --format csv carries them whole.</source>
        <translation>
Nichts wurde geschrieben: --format csv nimmt sie ganz auf.</translation>
    </message>
    <message>
        <source>%1 quotes exported to &apos;%2&apos; as %3.</source>
        <translation>%1 Zitate als %3 nach &apos;%2&apos; exportiert.</translation>
    </message>
    <message>
        <source>The index fortune reads is &apos;%1.dat&apos;.</source>
        <translation>Der Index, den fortune liest, ist &apos;%1.dat&apos;.</translation>
    </message>
    <message>
        <source>the index fortune reads could not be written: %1</source>
        <translation>der Index, den fortune liest, konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos;: error %2 - %3</source>
        <translation>die Datenbank &apos;%1&apos;: Fehler %2 - %3</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; can only be read: this user may not change the file or its folder, so nothing can be imported into it.</source>
        <translation>die Datenbank &apos;%1&apos; kann nur gelesen werden: dieser Benutzer darf die Datei oder ihren Ordner nicht ändern, also kann nichts hinein importiert werden.</translation>
    </message>
    <message>
        <source>the format &apos;%1&apos; is none of %2.</source>
        <translation>das Format &apos;%1&apos; ist keines von %2.</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; is open in a running Sentara; close it, then import again.</source>
        <translation>die Datenbank &apos;%1&apos; ist in einem laufenden Sentara geöffnet; dieses schließen, dann erneut importieren.</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; cannot be locked: its folder is not writable.</source>
        <translation>die Datenbank &apos;%1&apos; kann nicht gesperrt werden: ihr Ordner ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>Read as %1 (%2).
</source>
        <translation>Gelesen als %1 (%2).
</translation>
    </message>
    <message>
        <source>guessed from the file; --format chooses another</source>
        <translation>aus der Datei erraten; --format wählt ein anderes</translation>
    </message>
    <message>
        <source>as --format asks</source>
        <translation>wie --format verlangt</translation>
    </message>
    <message>
        <source>the language &apos;%1&apos; is not in the database.</source>
        <translation>die Sprache &apos;%1&apos; ist nicht in der Datenbank.</translation>
    </message>
    <message>
        <source> (give one with --author).</source>
        <translation> (einen mit --author angeben).</translation>
    </message>
    <message>
        <source> (give one with --language).</source>
        <translation> (eine mit --language angeben).</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was made from &apos;%2&apos;: %3.</source>
        <translation>Die Datenbank &apos;%1&apos; wurde aus &apos;%2&apos; erstellt: %3.</translation>
    </message>
    <message>
        <source>Sentara keeps a collection of quotations. Without options it opens its main window on the
database it used last, or on &lt;file&gt; when one is given; the options below do their work and
end without a window.</source>
        <translation>Sentara verwaltet eine Sammlung von Zitaten. Ohne Optionen öffnet es sein Hauptfenster mit der
zuletzt benutzten Datenbank oder mit &lt;file&gt;, wenn angegeben; die Optionen unten erledigen ihre
Arbeit und enden ohne Fenster.</translation>
    </message>
    <message>
        <source>The database to open the main window on.</source>
        <translation>Die Datenbank, mit der das Hauptfenster geöffnet wird.</translation>
    </message>
    <message>
        <source>Prints the groups of quotations kept more than once: the same text but for letter case, accents, punctuation, quotation marks and blanks (exact), or nearly the same (near). --format plain (default) or json.</source>
        <translation>Gibt die Gruppen mehrfach vorhandener Zitate aus: derselbe Text bis auf Groß- und Kleinschreibung, Akzente, Satzzeichen, Anführungszeichen und Leerzeichen (exact) oder beinahe derselbe (near). --format plain (vorgegeben) oder json.</translation>
    </message>
    <message>
        <source>With --find-duplicates: how alike near duplicates are at least, in percent (1 to 100, default %1).</source>
        <translation>Mit --find-duplicates: wie ähnlich Beinahe-Duplikate mindestens sind, in Prozent (1 bis 100, vorgegeben %1).</translation>
    </message>
    <message>
        <source>--create-database, --random, --import, --import-access, --export and --find-duplicates go one at a time</source>
        <translation>--create-database, --random, --import, --import-access, --export und --find-duplicates gehen nur einzeln</translation>
    </message>
    <message>
        <source>--threshold goes with --find-duplicates</source>
        <translation>--threshold gehört zu --find-duplicates</translation>
    </message>
    <message>
        <source>--threshold takes a percentage from 1 to 100, not &apos;%1&apos;</source>
        <translation>--threshold nimmt einen Prozentsatz von 1 bis 100, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--database goes with --random, --export, --import, --import-access or --find-duplicates</source>
        <translation>--database gehört zu --random, --export, --import, --import-access oder --find-duplicates</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Keine Duplikate gefunden.</translation>
    </message>
    <message>
        <source>Groups of duplicates: %1; quotations in them: %2.</source>
        <translation>Gruppen von Duplikaten: %1; Zitate darin: %2.</translation>
    </message>
</context>
<context>
    <name>EditArea</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit this author</source>
        <translation>Diesen Autor bearbeiten</translation>
    </message>
    <message>
        <source>Subject Table Management</source>
        <translation>Verwaltung der Thementabelle</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Author </source>
        <translation>Autor </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Add new</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Start a new quotation (Ctrl+N)</source>
        <translation>Ein neues Zitat beginnen (Strg+N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the quotation (Ctrl+S)</source>
        <translation>Das Zitat speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the quotation (Ctrl+D)</source>
        <translation>Das Zitat löschen (Strg+D)</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Go to a quotation at random (F9)</source>
        <translation>Zu einem zufälligen Zitat gehen (F9)</translation>
    </message>
    <message>
        <source>Undo edit</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Put back the quotation as it was (Ctrl+U)</source>
        <translation>Das Zitat wiederherstellen, wie es war (Strg+U)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Go to the next quotation (F8)</source>
        <translation>Zum nächsten Zitat gehen (F8)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>End the program (Ctrl+Q)</source>
        <translation>Das Programm beenden (Strg+Q)</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Invalid rate (use values 1 to 3 or empty)</source>
        <translation>Ungültige Bewertung (Werte 1 bis 3 oder leer)</translation>
    </message>
    <message>
        <source>Language cannot be empty</source>
        <translation>Die Sprache darf nicht leer sein</translation>
    </message>
    <message>
        <source>Author cannot be empty</source>
        <translation>Der Autor darf nicht leer sein</translation>
    </message>
    <message>
        <source>Author &quot;</source>
        <translation>Autor &quot;</translation>
    </message>
    <message>
        <source>&quot; not found. Do you want to add it?</source>
        <translation>&quot; nicht gefunden. Möchten Sie ihn hinzufügen?</translation>
    </message>
    <message>
        <source>Author addition failed</source>
        <translation>Hinzufügen des Autors fehlgeschlagen</translation>
    </message>
    <message>
        <source>Subject is empty and will be set to &apos;</source>
        <translation>Das Thema ist leer und wird auf &apos;</translation>
    </message>
    <message>
        <source>&apos;; do you want to proceed?</source>
        <translation>&apos; gesetzt; möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Subject &quot;</source>
        <translation>Thema &quot;</translation>
    </message>
    <message>
        <source>&quot; not found. Please add it</source>
        <translation>&quot; nicht gefunden. Bitte fügen Sie es hinzu</translation>
    </message>
    <message>
        <source>&apos; not in database. Do you want to add it?</source>
        <translation>&apos; ist nicht in der Datenbank. Möchten Sie es hinzufügen?</translation>
    </message>
    <message>
        <source>Do you really want to delete quote &apos;%1...&apos;?</source>
        <translation>Möchten Sie das Zitat &apos;%1...&apos; wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>FilterArea</name>
    <message>
        <source>Deleting %1 quotations...</source>
        <translation>%1 Zitate werden gelöscht...</translation>
    </message>
    <message>
        <source>The list changed since it was counted (%1 quotations now, %2 before): another program wrote meanwhile. Look at the list again.</source>
        <translation>Die Liste hat sich seit dem Zählen geändert (jetzt %1 Zitate, vorher %2): ein anderes Programm hat inzwischen geschrieben. Sehen Sie sich die Liste noch einmal an.</translation>
    </message>
    <message>
        <source>Counting the quotations...</source>
        <translation>Die Zitate werden gezählt...</translation>
    </message>
    <message>
        <source>There is no quote to be deleted.</source>
        <translation>Es gibt kein Zitat zu löschen.</translation>
    </message>
    <message>
        <source>Do you really want to delete all quotes</source>
        <translation>Möchten Sie wirklich alle Zitate löschen</translation>
    </message>
    <message>
        <source>Do you really want to delete all quotes where </source>
        <translation>Möchten Sie wirklich alle Zitate löschen, bei denen </translation>
    </message>
    <message>
        <source>Deleting quotations...</source>
        <translation>Zitate werden gelöscht...</translation>
    </message>
    <message>
        <source>The quotations could not be deleted; none was deleted.</source>
        <translation>Die Zitate konnten nicht gelöscht werden; keines wurde gelöscht.</translation>
    </message>
    <message>
        <source>There is no quote to be shown: the list is empty.</source>
        <translation>Es gibt kein Zitat zum Anzeigen: die Liste ist leer.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Author Filter </source>
        <translation>Autorfilter </translation>
    </message>
    <message>
        <source>Text Filter </source>
        <translation>Textfilter </translation>
    </message>
    <message>
        <source>Subject Filter </source>
        <translation>Themenfilter </translation>
    </message>
    <message>
        <source>Note Filter </source>
        <translation>Notizfilter </translation>
    </message>
    <message>
        <source>Language Filter </source>
        <translation>Sprachfilter </translation>
    </message>
    <message>
        <source>Rate from </source>
        <translation>Bewertung von </translation>
    </message>
    <message>
        <source>Rate to </source>
        <translation>Bewertung bis </translation>
    </message>
    <message>
        <source>Key Filter </source>
        <translation>Schlüsselfilter </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Apply the filters (F5)</source>
        <translation>Die Filter anwenden (F5)</translation>
    </message>
    <message>
        <source>Clear all filters</source>
        <translation>Alle Filter leeren</translation>
    </message>
    <message>
        <source>Empty every filter field (Ctrl+Shift+F)</source>
        <translation>Alle Filterfelder leeren (Strg+Umschalt+F)</translation>
    </message>
    <message>
        <source>Records Selected: </source>
        <translation>Ausgewählte Datensätze: </translation>
    </message>
    <message>
        <source>Records Filtered: </source>
        <translation>Gefilterte Datensätze: </translation>
    </message>
    <message>
        <source>Invalid key selector (must be a number)</source>
        <translation>Ungültige Schlüsselauswahl (muss eine Zahl sein)</translation>
    </message>
    <message>
        <source>Records Filtered:</source>
        <translation>Gefilterte Datensätze:</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>wird gezählt…</translation>
    </message>
    <message>
        <source>Records Selected:</source>
        <translation>Ausgewählte Datensätze:</translation>
    </message>
    <message>
        <source>Export selected quotes</source>
        <translation>Ausgewählte Zitate exportieren</translation>
    </message>
    <message>
        <source>Export filtered quotes</source>
        <translation>Gefilterte Zitate exportieren</translation>
    </message>
    <message>
        <source>Deleted selected quotes</source>
        <translation>Ausgewählte Zitate löschen</translation>
    </message>
    <message>
        <source>Deleted filtered quotes</source>
        <translation>Gefilterte Zitate löschen</translation>
    </message>
    <message>
        <source>Filter on current author</source>
        <translation>Nach aktuellem Autor filtern</translation>
    </message>
    <message>
        <source>Filter on current subject</source>
        <translation>Nach aktuellem Thema filtern</translation>
    </message>
    <message>
        <source>Delete filtered quotes</source>
        <translation>Gefilterte Zitate löschen</translation>
    </message>
    <message>
        <source>Slide show of filtered quotes</source>
        <translation>Diashow der gefilterten Zitate</translation>
    </message>
</context>
<context>
    <name>GridBinding</name>
    <message>
        <source>Select all rows</source>
        <translation>Alle Zeilen auswählen</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
</context>
<context>
    <name>QuoteList</name>
    <message>
        <source>Quotations</source>
        <translation>Zitate</translation>
    </message>
    <message>
        <source>Clear the selection and go back to random order</source>
        <translation>Auswahl aufheben und zur Zufallsreihenfolge zurückkehren</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Click on this vertical bar to select/deselect quotes; hold CTRL key for multiple selection, SHIFT for a range.
Click here to clear the selection and go back to random order.</source>
        <translation>Klicken Sie auf diese senkrechte Leiste, um Zitate aus- oder abzuwählen; halten Sie STRG für eine Mehrfachauswahl, UMSCHALT für einen Bereich.
Klicken Sie hier, um die Auswahl aufzuheben und zur zufälligen Reihenfolge zurückzukehren.</translation>
    </message>
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Click to select/deselect this row; hold CTRL to add rows, SHIFT to add a range</source>
        <translation>Klicken, um diese Zeile aus- oder abzuwählen; mit STRG weitere Zeilen, mit UMSCHALT einen Bereich hinzufügen</translation>
    </message>
</context>
<context>
    <name>ReferenceWindow</name>
    <message>
        <source>Add new</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Start a new row (Ctrl+N)</source>
        <translation>Eine neue Zeile beginnen (Strg+N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the changes (Ctrl+S)</source>
        <translation>Die Änderungen speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Bring the main window to the front</source>
        <translation>Das Hauptfenster nach vorn holen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Dieses Fenster schließen (Esc)</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>Apply the filters (Enter in a filter box, F5)</source>
        <translation>Die Filter anwenden (Eingabetaste in einem Filterfeld, F5)</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Filter leeren</translation>
    </message>
    <message>
        <source>Records Filtered: NNN</source>
        <translation>Gefilterte Datensätze: NNN</translation>
    </message>
    <message>
        <source>Records: </source>
        <translation>Datensätze: </translation>
    </message>
    <message>
        <source>Records Filtered:  </source>
        <translation>Gefilterte Datensätze:  </translation>
    </message>
    <message>
        <source>Edit operation in progress: &apos;%1&apos; can be shown once it is saved.</source>
        <translation>Bearbeitung läuft: &apos;%1&apos; kann gezeigt werden, sobald gespeichert ist.</translation>
    </message>
    <message>
        <source>Edit operation in progress.</source>
        <translation>Bearbeitung läuft.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the one being replaced.</source>
        <translation>&apos;%1&apos; ist der, der ersetzt wird.</translation>
    </message>
</context>
<context>
    <name>access_file</name>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is a database of this program already, not an Access file: open it with File &gt; Change database.</source>
        <translation>Die Datei &apos;%1&apos; ist schon eine Datenbank dieses Programms, keine Access-Datei: mit Datei &gt; Datenbank wechseln öffnen.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not an Access database (.mdb) file.</source>
        <translation>Die Datei &apos;%1&apos; ist keine Access-Datenbank (.mdb).</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is truncated or damaged: it is not made of whole pages of an Access database.</source>
        <translation>Die Datei &apos;%1&apos; ist abgeschnitten oder beschädigt: sie besteht nicht aus ganzen Seiten einer Access-Datenbank.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Die Datei &apos;%1&apos; existiert nicht.</translation>
    </message>
    <message>
        <source>mdbtools cannot open it</source>
        <translation>mdbtools kann sie nicht öffnen</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>seine Tabellenliste kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the table %1 cannot be read</source>
        <translation>die Tabelle %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>mdbtools says &quot;%1&quot;</source>
        <translation>mdbtools meldet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is damaged or truncated: %2.</source>
        <translation>Die Datei &apos;%1&apos; ist beschädigt oder abgeschnitten: %2.</translation>
    </message>
</context>
<context>
    <name>access_import</name>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 without a name</source>
        <translation>%1 ohne Namen</translation>
    </message>
    <message>
        <source>%1 with the name of one before (letter case aside)</source>
        <translation>%1 mit dem Namen eines vorigen (von Groß- und Kleinschreibung abgesehen)</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a collection of quotations: it has no table quotes with a column text.</source>
        <translation>Die Datei &apos;%1&apos; ist keine Zitatsammlung: sie hat keine Tabelle quotes mit einer Spalte text.</translation>
    </message>
    <message>
        <source>no language was marked as the default; this one is now</source>
        <translation>keine Sprache war als vorgegeben markiert; jetzt ist es diese</translation>
    </message>
    <message>
        <source>no text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>no author</source>
        <translation>kein Autor</translation>
    </message>
    <message>
        <source>no language: given the default language %1</source>
        <translation>keine Sprache: bekam die vorgegebene Sprache %1</translation>
    </message>
    <message>
        <source>the rate %1 is not 1, 2 or 3: imported without a rate</source>
        <translation>die Bewertung %1 ist nicht 1, 2 oder 3: ohne Bewertung importiert</translation>
    </message>
    <message>
        <source>no key: given a new one</source>
        <translation>kein Schlüssel: bekam einen neuen</translation>
    </message>
    <message>
        <source>a key that is not a whole number used once: given a new one</source>
        <translation>ein Schlüssel, der keine nur einmal benutzte ganze Zahl ist: bekam einen neuen</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be made from &apos;%2&apos;: error %3 - %4</source>
        <translation>Die Datenbank &apos;%1&apos; kann nicht aus &apos;%2&apos; erstellt werden: Fehler %3 - %4</translation>
    </message>
    <message>
        <source>QUOTATIONS NOT IMPORTED (BY KEY):</source>
        <translation>NICHT IMPORTIERTE ZITATE (NACH SCHLÜSSEL):</translation>
    </message>
    <message>
        <source>QUOTATIONS IMPORTED WITH A CHANGE (BY KEY):</source>
        <translation>MIT EINER ÄNDERUNG IMPORTIERTE ZITATE (NACH SCHLÜSSEL):</translation>
    </message>
    <message>
        <source>ROWS OF THE REFERENCE TABLES NOT IMPORTED:</source>
        <translation>NICHT IMPORTIERTE ZEILEN DER NACHSCHLAGETABELLEN:</translation>
    </message>
    <message>
        <source>NAMES THE QUOTATIONS USE THAT THEIR TABLES LACKED, ADDED (BY THE KEYS OF THE QUOTATIONS):</source>
        <translation>VON DEN ZITATEN VERWENDETE NAMEN, DIE IHREN TABELLEN FEHLTEN, HINZUGEFÜGT (NACH DEN SCHLÜSSELN DER ZITATE):</translation>
    </message>
    <message>
        <source>THE DEFAULT LANGUAGE:</source>
        <translation>DIE STANDARDSPRACHE:</translation>
    </message>
</context>
<context>
    <name>attention</name>
    <message>
        <source>Edit operation in progress.</source>
        <translation>Eine Bearbeitung ist im Gange.</translation>
    </message>
</context>
<context>
    <name>author_picture</name>
    <message>
        <source>Picture of the author</source>
        <translation>Bild des Autors</translation>
    </message>
</context>
<context>
    <name>common</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Fehler %1 - %2</translation>
    </message>
    <message>
        <source>The report file &apos;%1&apos; cannot be written: %2</source>
        <translation>Die Berichtsdatei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Pfad nicht gefunden: %1</translation>
    </message>
    <message>
        <source>No program could open &apos;%1&apos;.</source>
        <translation>Kein Programm konnte „%1“ öffnen.</translation>
    </message>
</context>
<context>
    <name>csv_format</name>
    <message>
        <source>a field begins with a double quote (&quot;) that is never closed</source>
        <translation>ein Feld beginnt mit einem doppelten Anführungszeichen (&quot;), das nie geschlossen wird</translation>
    </message>
    <message>
        <source>there is nothing in it</source>
        <translation>es steht nichts darin</translation>
    </message>
    <message>
        <source>column %1 (no name)</source>
        <translation>Spalte %1 (ohne Namen)</translation>
    </message>
    <message>
        <source>the first line is not a header naming a column text, quote or highlight</source>
        <translation>die erste Zeile ist kein Kopf, der eine Spalte text, quote oder highlight nennt</translation>
    </message>
    <message>
        <source>COLUMNS NOT IMPORTED (NO FIELD OF A QUOTATION HAS THEIR NAME):</source>
        <translation>NICHT IMPORTIERTE SPALTEN (KEIN FELD EINES ZITATS TRÄGT IHREN NAMEN):</translation>
    </message>
    <message>
        <source>RECORDS WITH MORE FIELDS THAN THE HEADER NAMES (THE EXTRA FIELDS IGNORED):</source>
        <translation>DATENSÄTZE MIT MEHR FELDERN ALS DIE KOPFZEILE NENNT (DIE ZUSÄTZLICHEN FELDER IGNORIERT):</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be reached: %2.</source>
        <translation>Die Datei „%1“ ist nicht erreichbar: %2.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; could not be closed cleanly: %2.</source>
        <translation>Die Datenbank „%1“ konnte nicht sauber geschlossen werden: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: permission denied.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be opened: %2.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Sentara database file.</source>
        <translation>Die Datei „%1“ ist keine Sentara-Datenbank.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is empty: it is not a Sentara database file.</source>
        <translation>Die Datei „%1“ ist leer: sie ist keine Sentara-Datenbank.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be used: %2.</source>
        <translation>Die Datei „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Sentara database: it lacks %2.</source>
        <translation>Die Datei „%1“ ist keine Sentara-Datenbank: ihr fehlt %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is in use by another program.</source>
        <translation>Die Datei „%1“ wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.</source>
        <translation>Die Datei „%1“ existiert bereits.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists; a new database is created only where no file is.</source>
        <translation>Die Datei „%1“ existiert bereits; eine neue Datenbank wird nur angelegt, wo noch keine Datei ist.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be created.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be created: %2.</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The new database &apos;%1&apos; cannot be written: %2.</source>
        <translation>Die neue Datenbank „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>duplicates</name>
    <message>
        <source>Reading %1 quotations...</source>
        <translation>%1 Zitate werden gelesen...</translation>
    </message>
    <message>
        <source>Comparing the quotations...</source>
        <translation>Die Zitate werden verglichen...</translation>
    </message>
    <message>
        <source>The quotation with the key %1 is no longer in the collection.</source>
        <translation>Das Zitat mit dem Schlüssel %1 ist nicht mehr in der Sammlung.</translation>
    </message>
</context>
<context>
    <name>f_authors</name>
    <message>
        <source>Sentara - Authors</source>
        <translation>Sentara - Autoren</translation>
    </message>
    <message>
        <source>Author &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>Der Autor &quot;%1&quot; kann nicht gelöscht werden, weil er mit einem oder mehreren Zitaten verknüpft ist.</translation>
    </message>
    <message>
        <source>Author not deleted.</source>
        <translation>Autor nicht gelöscht.</translation>
    </message>
    <message>
        <source>Existing name to be used?</source>
        <translation>Vorhandener Name, der verwendet werden soll?</translation>
    </message>
    <message>
        <source>Author name replacement</source>
        <translation>Ersetzen des Autorennamens</translation>
    </message>
    <message>
        <source>Author &apos;%1&apos; not found.</source>
        <translation>Autor &apos;%1&apos; nicht gefunden.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Zitate</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Die Bilddatei wählen</translation>
    </message>
    <message>
        <source>Change picture for this author</source>
        <translation>Das Bild dieses Autors ändern</translation>
    </message>
    <message>
        <source>Show Quotes</source>
        <translation>Zitate zeigen</translation>
    </message>
    <message>
        <source>Show this author&apos;s quotations in the main window (or double-click the list)</source>
        <translation>Die Zitate dieses Autors im Hauptfenster zeigen (oder Doppelklick auf die Liste)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Give this author&apos;s quotations to another author</source>
        <translation>Die Zitate dieses Autors einem anderen Autor geben</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Go to an author at random</source>
        <translation>Zu einem zufälligen Autor gehen</translation>
    </message>
    <message>
        <source>Delete this author (only while no quotation names them)</source>
        <translation>Diesen Autor löschen (nur solange kein Zitat ihn nennt)</translation>
    </message>
    <message>
        <source>Name filter</source>
        <translation>Namensfilter</translation>
    </message>
    <message>
        <source>Picture filter</source>
        <translation>Bildfilter</translation>
    </message>
    <message>
        <source>Notes filter</source>
        <translation>Notizfilter</translation>
    </message>
    <message>
        <source>List the authors whose name, picture or notes hold one of the texts (Enter, F5)</source>
        <translation>Die Autoren auflisten, deren Name, Bild oder Notizen einen der Texte enthalten (Eingabetaste, F5)</translation>
    </message>
    <message>
        <source>Image (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp</source>
        <translation>Bild (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>Der Name darf nicht leer sein</translation>
    </message>
    <message>
        <source>Author already present.</source>
        <translation>Autor bereits vorhanden.</translation>
    </message>
    <message>
        <source>Select the picture file</source>
        <translation>Die Bilddatei auswählen</translation>
    </message>
</context>
<context>
    <name>f_duplicates</name>
    <message>
        <source>Sentara - Find duplicates</source>
        <translation>Sentara - Duplikate finden</translation>
    </message>
    <message>
        <source>&amp;Near duplicates too, at least</source>
        <translation>Auch &amp;Beinahe-Duplikate, mindestens</translation>
    </message>
    <message>
        <source>How much of two texts must be the same for them to be near duplicates</source>
        <translation>Wie viel zweier Texte gleich sein muss, damit sie Beinahe-Duplikate sind</translation>
    </message>
    <message>
        <source>Near duplicates at least, in percent</source>
        <translation>Beinahe-Duplikate mindestens, in Prozent</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Su&amp;chen</translation>
    </message>
    <message>
        <source>Look for duplicates in the whole collection</source>
        <translation>In der ganzen Sammlung nach Duplikaten suchen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Gruppen von Duplikaten</translation>
    </message>
    <message>
        <source>&amp;Keep this one, merge the others into it</source>
        <translation>Dieses be&amp;halten, die anderen hineinführen</translation>
    </message>
    <message>
        <source>The quotation chosen stays and takes the others&apos; note, subject and rate where it has none; the others of its group are deleted</source>
        <translation>Das gewählte Zitat bleibt und übernimmt Notiz, Thema und Bewertung der anderen, wo es keine hat; die anderen seiner Gruppe werden gelöscht</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Looking for duplicates...</source>
        <translation>Duplikate werden gesucht...</translation>
    </message>
    <message>
        <source>The duplicates could not be looked for.</source>
        <translation>Die Duplikate konnten nicht gesucht werden.</translation>
    </message>
    <message>
        <source>The same text, %1 times</source>
        <translation>Derselbe Text, %1-mal</translation>
    </message>
    <message>
        <source>Nearly the same text, %1 times</source>
        <translation>Beinahe derselbe Text, %1-mal</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Keine Duplikate gefunden.</translation>
    </message>
    <message>
        <source>Groups: %1; quotations in them: %2</source>
        <translation>Gruppen: %1; Zitate darin: %2</translation>
    </message>
    <message>
        <source>Keep the quotation %1 and delete the %2 others of its group? It takes their note, subject and rate where it has none.</source>
        <translation>Das Zitat %1 behalten und die %2 anderen seiner Gruppe löschen? Es übernimmt deren Notiz, Thema und Bewertung, wo es keine hat.</translation>
    </message>
    <message>
        <source>No duplicates left.</source>
        <translation>Keine Duplikate mehr.</translation>
    </message>
    <message>
        <source>Groups left: %1</source>
        <translation>Verbleibende Gruppen: %1</translation>
    </message>
</context>
<context>
    <name>f_export</name>
    <message>
        <source>Sentara - Export</source>
        <translation>Sentara - Export</translation>
    </message>
    <message>
        <source>Include after quote text</source>
        <translation>Nach dem Zitattext anfügen</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>All info</source>
        <translation>Alle Angaben</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>Gruppierung</translation>
    </message>
    <message>
        <source>Group by author</source>
        <translation>Nach Autor gruppieren</translation>
    </message>
    <message>
        <source>Do no group</source>
        <translation>Nicht gruppieren</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Text opens in the text viewer; a fortune file (author and note only) or CSV is saved where you choose</source>
        <translation>Text öffnet sich im Textbetrachter; eine fortune-Datei (nur Autor und Notiz) oder CSV wird gespeichert, wo Sie wählen</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Export now</source>
        <translation>Jetzt exportieren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close without exporting (Esc)</source>
        <translation>Schließen ohne Export (Esc)</translation>
    </message>
    <message>
        <source>Grouping by author is only possible if quotes are ordered by author. Go back to the main window and click on the author column header, the retry to export.</source>
        <translation>Nach Autor gruppieren geht nur, wenn die Zitate nach Autor sortiert sind. Zurück ins Hauptfenster gehen, auf den Kopf der Autorspalte klicken und erneut exportieren.</translation>
    </message>
    <message>
        <source>Save the quotes as a fortune file</source>
        <translation>Die Zitate als fortune-Datei speichern</translation>
    </message>
    <message>
        <source>Save the quotes as CSV</source>
        <translation>Die Zitate als CSV speichern</translation>
    </message>
    <message>
        <source>%1 quotes exported to &apos;%2&apos;.</source>
        <translation>%1 Zitate nach &apos;%2&apos; exportiert.</translation>
    </message>
    <message>
        <source>
The index fortune reads is &apos;%1.dat&apos;.</source>
        <translation>
Der Index, den fortune liest, ist &apos;%1.dat&apos;.</translation>
    </message>
    <message>
        <source>

The index fortune reads (&apos;%1.dat&apos;) could not be written: %2.</source>
        <translation>

Der Index, den fortune liest (&apos;%1.dat&apos;), konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Reading the quotations to export...</source>
        <translation>Die zu exportierenden Zitate werden gelesen...</translation>
    </message>
    <message>
        <source>The quotations could not be read; nothing was exported.</source>
        <translation>Die Zitate konnten nicht gelesen werden; nichts wurde exportiert.</translation>
    </message>
    <message>
        <source>

Export them all as CSV instead?</source>
        <translation>

Alle stattdessen als CSV exportieren?</translation>
    </message>
    <message>
        <source>Write the text as it is, with those quotations as the text format holds them?</source>
        <translation>Den Text so schreiben, mit diesen Zitaten so, wie das Textformat sie fasst?</translation>
    </message>
    <message>
        <source>There is no quote to be exported</source>
        <translation>Es gibt kein Zitat zu exportieren</translation>
    </message>
    <message>
        <source>Save the quotes as text</source>
        <translation>Die Zitate als Text speichern</translation>
    </message>
</context>
<context>
    <name>f_import</name>
    <message>
        <source>Text to be imported missing</source>
        <translation>Der zu importierende Text fehlt</translation>
    </message>
    <message>
        <source>Sentara - Import</source>
        <translation>Sentara - Import</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Eingabetext</translation>
    </message>
    <message>
        <source>Result of processing</source>
        <translation>Ergebnis der Verarbeitung</translation>
    </message>
    <message>
        <source>Import from file...</source>
        <translation>Aus Datei importieren...</translation>
    </message>
    <message>
        <source>Add the lines of a text file to the input text and process them</source>
        <translation>Die Zeilen einer Textdatei an den Eingabetext anfügen und verarbeiten</translation>
    </message>
    <message>
        <source>Process input text</source>
        <translation>Eingabetext verarbeiten</translation>
    </message>
    <message>
        <source>Find the quotations in the input text (Ctrl+Return)</source>
        <translation>Die Zitate im Eingabetext finden (Strg+Eingabe)</translation>
    </message>
    <message>
        <source>Randomize results</source>
        <translation>Ergebnisse zufällig ordnen</translation>
    </message>
    <message>
        <source>Clear text</source>
        <translation>Text leeren</translation>
    </message>
    <message>
        <source>Empty both texts</source>
        <translation>Beide Texte leeren</translation>
    </message>
    <message>
        <source>Import resulting quotes</source>
        <translation>Gefundene Zitate importieren</translation>
    </message>
    <message>
        <source>Add the quotations found to the database</source>
        <translation>Die gefundenen Zitate der Datenbank hinzufügen</translation>
    </message>
    <message>
        <source>The author of the quotations that name none; &quot;Anonymous&quot; (or nothing) takes the author from the parentheses at the end of each line</source>
        <translation>Der Autor der Zitate, die keinen nennen; &quot;Anonymous&quot; (oder nichts) nimmt den Autor aus den Klammern am Ende jeder Zeile</translation>
    </message>
    <message>
        <source>The language of the quotations that give none</source>
        <translation>Die Sprache der Zitate, die keine angeben</translation>
    </message>
    <message>
        <source>How the input text is read: guessed when a file is loaded; another choice processes the input again</source>
        <translation>Wie der Eingabetext gelesen wird: beim Laden einer Datei erraten; eine andere Wahl verarbeitet ihn erneut</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Add/edit author</source>
        <translation>Autor hinzufügen/bearbeiten</translation>
    </message>
    <message>
        <source>Open the authors window</source>
        <translation>Das Autorenfenster öffnen</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Bring the main window to the front</source>
        <translation>Das Hauptfenster nach vorn holen</translation>
    </message>
    <message>
        <source>Duplicated quotes in input text: 0</source>
        <translation>Doppelte Zitate im Eingabetext: 0</translation>
    </message>
    <message>
        <source>Duplicated quotes in database: 0</source>
        <translation>Zitate schon in der Datenbank: 0</translation>
    </message>
    <message>
        <source>New quotes:  0</source>
        <translation>Neue Zitate:  0</translation>
    </message>
    <message>
        <source>Processing as %1...</source>
        <translation>Verarbeitung als %1...</translation>
    </message>
    <message>
        <source>Reading the collection to compare with...</source>
        <translation>Die Sammlung wird zum Vergleich gelesen...</translation>
    </message>
    <message>
        <source>The text could not be processed.</source>
        <translation>Der Text konnte nicht verarbeitet werden.</translation>
    </message>
    <message>
        <source>Select the text file with the quotes to import</source>
        <translation>Die Textdatei mit den zu importierenden Zitaten wählen</translation>
    </message>
    <message>
        <source>Quotations (*.txt;*.csv;*.tsv;*.wri;*.dat)|*.txt;*.csv;*.tsv;*.wri;*.dat|All files (*)|*</source>
        <translation>Zitate (*.txt;*.csv;*.tsv;*.wri;*.dat)|*.txt;*.csv;*.tsv;*.wri;*.dat|Alle Dateien (*)|*</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is read as %2: it takes the place of the input text.</source>
        <translation>Die Datei &apos;%1&apos; wird als %2 gelesen: sie tritt an die Stelle des Eingabetexts.</translation>
    </message>
    <message>
        <source>Importing %1 quotations...</source>
        <translation>%1 Zitate werden importiert...</translation>
    </message>
    <message>
        <source>The quotations could not be imported; none was added.</source>
        <translation>Die Zitate konnten nicht importiert werden; keines wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>

New authors: %1. New subjects: %2. Their names are listed in the report.</source>
        <translation>

Neue Autoren: %1. Neue Themen: %2. Ihre Namen stehen im Bericht.</translation>
    </message>
    <message>
        <source>Listing the quotations...</source>
        <translation>Die Zitate werden aufgelistet...</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Putting the file&apos;s text into the input box...</source>
        <translation>Der Text der Datei wird in das Eingabefeld gesetzt...</translation>
    </message>
    <message>
        <source>The input text has not been imported. Close the import window and lose it?</source>
        <translation>Der Eingabetext wurde nicht importiert. Das Importfenster schließen und den Text verwerfen?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>f_languages</name>
    <message>
        <source>Sentara - Languages</source>
        <translation>Sentara - Sprachen</translation>
    </message>
    <message>
        <source>Subject &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>Das Thema &quot;%1&quot; kann nicht gelöscht werden, weil es mit einem oder mehreren Zitaten verknüpft ist.</translation>
    </message>
    <message>
        <source>Language not deleted.</source>
        <translation>Sprache nicht gelöscht.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Default language</source>
        <translation>Standardsprache</translation>
    </message>
    <message>
        <source>Show quotes</source>
        <translation>Zitate zeigen</translation>
    </message>
    <message>
        <source>Show this language&apos;s quotations in the main window</source>
        <translation>Die Zitate in dieser Sprache im Hauptfenster zeigen</translation>
    </message>
    <message>
        <source>Delete this language (only while no quotation is in it)</source>
        <translation>Diese Sprache löschen (nur solange kein Zitat in ihr steht)</translation>
    </message>
    <message>
        <source>Code cannot be empty</source>
        <translation>Das Kürzel darf nicht leer sein</translation>
    </message>
    <message>
        <source>Code already present.</source>
        <translation>Kürzel bereits vorhanden.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Zitate</translation>
    </message>
</context>
<context>
    <name>f_main</name>
    <message>
        <source>Undo de&amp;lete</source>
        <translation>&amp;Löschen rückgängig</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>There is no deletion to undo.</source>
        <translation>Es gibt keine Löschung rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Restoring the deleted quotations...</source>
        <translation>Die gelöschten Zitate werden wiederhergestellt...</translation>
    </message>
    <message>
        <source>The deletion could not be undone; nothing was restored.</source>
        <translation>Die Löschung konnte nicht rückgängig gemacht werden; nichts wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Find &amp;duplicates...</source>
        <translation>&amp;Duplikate finden...</translation>
    </message>
    <message>
        <source>Quotations kept more than once, the same or nearly the same text</source>
        <translation>Mehrfach vorhandene Zitate, mit demselben oder beinahe demselben Text</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Ansi&amp;cht</translation>
    </message>
    <message>
        <source>&amp;Overview...</source>
        <translation>Ü&amp;bersicht...</translation>
    </message>
    <message>
        <source>Charts of the collection: quotations per subject, language and rate, the authors with most</source>
        <translation>Diagramme der Sammlung: Zitate je Thema, Sprache und Bewertung, die Autoren mit den meisten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Change database</source>
        <translation>Datenbank &amp;wechseln</translation>
    </message>
    <message>
        <source>Open recen&amp;t</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Open &amp;Access collection...</source>
        <translation>&amp;Access-Sammlung öffnen...</translation>
    </message>
    <message>
        <source>Make a new database from a collection kept in an Access (.mdb) file</source>
        <translation>Eine neue Datenbank aus einer Sammlung in einer Access-Datei (.mdb) erstellen</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Show help before slide show (Yes/No)</source>
        <translation>Hilfe vor der Diashow zeigen (Ja/Nein)</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Add new</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Undo edit</source>
        <translation>Bearbeitung &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lösc&amp;hen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Random quotation</source>
        <translation>&amp;Zufälliges Zitat</translation>
    </message>
    <message>
        <source>&amp;Text filter</source>
        <translation>&amp;Textfilter</translation>
    </message>
    <message>
        <source>&amp;Filter (read again)</source>
        <translation>&amp;Filtern (neu lesen)</translation>
    </message>
    <message>
        <source>&amp;Clear all filters</source>
        <translation>&amp;Alle Filter leeren</translation>
    </message>
    <message>
        <source>Random &amp;order</source>
        <translation>Zufällige Reihenf&amp;olge</translation>
    </message>
    <message>
        <source>Filter on current aut&amp;hor</source>
        <translation>Nach aktuellem A&amp;utor filtern</translation>
    </message>
    <message>
        <source>Filter on current su&amp;bject</source>
        <translation>Nach aktuellem Th&amp;ema filtern</translation>
    </message>
    <message>
        <source>E&amp;xport filtered quotes...</source>
        <translation>Gefilterte Zitate e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Slide sho&amp;w</source>
        <translation>&amp;Diashow</translation>
    </message>
    <message>
        <source>Delete filtered &amp;quotes...</source>
        <translation>&amp;Gefilterte Zitate löschen...</translation>
    </message>
    <message>
        <source>S&amp;ort</source>
        <translation>S&amp;ortieren</translation>
    </message>
    <message>
        <source>, ascending</source>
        <translation>, aufsteigend</translation>
    </message>
    <message>
        <source>, descending</source>
        <translation>, absteigend</translation>
    </message>
    <message>
        <source>&amp;Authors</source>
        <translation>&amp;Autoren</translation>
    </message>
    <message>
        <source>&amp;Subjects</source>
        <translation>&amp;Themen</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Sprachen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Web sites</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>&amp;Readme.txt</source>
        <translation>&amp;Liesmich (Readme.txt)</translation>
    </message>
    <message>
        <source>Author&apos;s web site</source>
        <translation>Website des Autors</translation>
    </message>
    <message>
        <source>Customer service and technical support</source>
        <translation>Kundendienst und technischer Support</translation>
    </message>
    <message>
        <source>About Sentara</source>
        <translation>Über Sentara</translation>
    </message>
    <message>
        <source>&amp;Version History</source>
        <translation>&amp;Versionsgeschichte</translation>
    </message>
    <message>
        <source>Edit operation in progress. Do you want to exit without saving changes?</source>
        <translation>Bearbeitung läuft. Möchten Sie beenden, ohne die Änderungen zu speichern?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Access database (*.mdb;*.accdb)|*.mdb;*.accdb|All files (*)|*</source>
        <translation>Access-Datenbank (*.mdb;*.accdb)|*.mdb;*.accdb|Alle Dateien (*)|*</translation>
    </message>
    <message>
        <source>Name the new database made from the collection</source>
        <translation>Benennen Sie die aus der Sammlung erstellte neue Datenbank</translation>
    </message>
    <message>
        <source>Making a new database from &apos;%1&apos;...</source>
        <translation>Neue Datenbank aus &apos;%1&apos; wird erstellt...</translation>
    </message>
    <message>
        <source>Reading &apos;%1&apos;...</source>
        <translation>&apos;%1&apos; wird gelesen...</translation>
    </message>
    <message>
        <source>No database was made.</source>
        <translation>Es wurde keine Datenbank erstellt.</translation>
    </message>
    <message>
        <source>Sentara - Import report</source>
        <translation>Sentara - Importbericht</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was made from &apos;%2&apos;: %3.%4

The window now shows it.</source>
        <translation>Die Datenbank &apos;%1&apos; wurde aus &apos;%2&apos; erstellt: %3.%4

Das Fenster zeigt sie jetzt.</translation>
    </message>
    <message>
        <source>
The rows that did not fit are listed in the report.</source>
        <translation>
Die Zeilen, die nicht passten, sind im Bericht aufgeführt.</translation>
    </message>
    <message>
        <source>New random numbers for every quotation...</source>
        <translation>Neue Zufallszahlen für jedes Zitat...</translation>
    </message>
    <message>
        <source>The quotations could not be given new random numbers; none was changed.</source>
        <translation>Den Zitaten konnten keine neuen Zufallszahlen gegeben werden; keines wurde geändert.</translation>
    </message>
    <message>
        <source>Randomization executed.</source>
        <translation>Mischen ausgeführt.</translation>
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
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Den Text speichern unter</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt</source>
        <translation>Text (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>f_overview</name>
    <message>
        <source>Sentara - Overview</source>
        <translation>Sentara - Übersicht</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Bewertungen</translation>
    </message>
    <message>
        <source>Authors</source>
        <translation>Autoren</translation>
    </message>
    <message>
        <source>Save as &amp;picture...</source>
        <translation>Als &amp;Bild speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Quotations per subject</source>
        <translation>Zitate je Thema</translation>
    </message>
    <message>
        <source>Quotations per language</source>
        <translation>Zitate je Sprache</translation>
    </message>
    <message>
        <source>Quotations per rate</source>
        <translation>Zitate je Bewertung</translation>
    </message>
    <message>
        <source>The authors with most quotations</source>
        <translation>Die Autoren mit den meisten Zitaten</translation>
    </message>
    <message>
        <source>Quotations</source>
        <translation>Zitate</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>ohne Bewertung</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keines)</translation>
    </message>
    <message>
        <source>%1 (the %2 largest of %3)</source>
        <translation>%1 (die %2 größten von %3)</translation>
    </message>
    <message>
        <source>%1 quotations. A click on a bar shows its quotations in the main window.</source>
        <translation>%1 Zitate. Ein Klick auf einen Balken zeigt seine Zitate im Hauptfenster.</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Das Diagramm speichern</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>Das Bild konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG or SVG picture</source>
        <translation>Das gezeigte Diagramm als PNG- oder SVG-Bild speichern</translation>
    </message>
    <message>
        <source>PNG or SVG picture|*.png;*.svg</source>
        <translation>PNG- oder SVG-Bild|*.png;*.svg</translation>
    </message>
</context>
<context>
    <name>f_slide_show</name>
    <message>
        <source>Sentara - Slide Show</source>
        <translation>Sentara - Diaschau</translation>
    </message>
    <message>
        <source>Slide show</source>
        <translation>Diaschau</translation>
    </message>
    <message>
        <source>Quotations one at a time, full screen. Esc ends the show, Page Up shows the previous quotation, the space bar stops and starts the timer, I changes its interval, the right mouse button opens the command menu.</source>
        <translation>Zitate einzeln im Vollbild. Esc beendet die Schau, Bild auf zeigt das vorige Zitat, die Leertaste hält den Zeitgeber an und startet ihn, I ändert seinen Abstand, die rechte Maustaste öffnet das Befehlsmenü.</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Change interval duration (I)</source>
        <translation>Dauer des Abstands ändern (I)</translation>
    </message>
    <message>
        <source>Enable/disable auto change (Space Bar)</source>
        <translation>Automatischen Wechsel ein/aus (Leertaste)</translation>
    </message>
    <message>
        <source>Show previous quote (Page Up)</source>
        <translation>Vorheriges Zitat zeigen (Bild auf)</translation>
    </message>
    <message>
        <source>Exit (ESC)</source>
        <translation>Beenden (Esc)</translation>
    </message>
    <message>
        <source>Database is empty</source>
        <translation>Die Datenbank ist leer</translation>
    </message>
    <message>
        <source>Timer enabled</source>
        <translation>Zeitgeber an</translation>
    </message>
    <message>
        <source>Timer disabled</source>
        <translation>Zeitgeber aus</translation>
    </message>
    <message>
        <source>New interval? (now = %1 milliseconds)</source>
        <translation>Neuer Abstand? (jetzt = %1 Millisekunden)</translation>
    </message>
    <message>
        <source>Wrong interval valule (must be a number from 10 to 100000)</source>
        <translation>Falscher Wert für den Abstand (muss eine Zahl von 10 bis 100000 sein)</translation>
    </message>
    <message>
        <source>No previous quote.</source>
        <translation>Kein vorheriges Zitat.</translation>
    </message>
    <message>
        <source>Previous quote not found</source>
        <translation>Vorheriges Zitat nicht gefunden</translation>
    </message>
    <message>
        <source>Quote not found</source>
        <translation>Zitat nicht gefunden</translation>
    </message>
</context>
<context>
    <name>f_slide_show_help</name>
    <message>
        <source>Sentara - Slide Show Help</source>
        <translation>Sentara - Hilfe zur Diaschau</translation>
    </message>
    <message>
        <source>Press ESC to exit</source>
        <translation>Esc drücken zum Beenden</translation>
    </message>
    <message>
        <source>Click the mouse right button to open command menu</source>
        <translation>Mit der rechten Maustaste öffnet sich das Befehlsmenü</translation>
    </message>
    <message>
        <source>Press Page Up to see previous quote displayed</source>
        <translation>Bild auf drücken, um das vorige Zitat zu sehen</translation>
    </message>
    <message>
        <source>Press Space Bar to disable/enable timer</source>
        <translation>Leertaste drücken, um den Zeitgeber aus-/einzuschalten</translation>
    </message>
    <message>
        <source>Press I to change timer interval (now = %1 seconds)</source>
        <translation>I drücken, um den Abstand zu ändern (jetzt = %1 Sekunden)</translation>
    </message>
    <message>
        <source>Don&apos;t show this window when slide show is launched</source>
        <translation>Dieses Fenster beim Start der Diaschau nicht zeigen</translation>
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
        <translation>Sentara - Themen</translation>
    </message>
    <message>
        <source>Subject &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>Das Thema &quot;%1&quot; kann nicht gelöscht werden, weil es mit einem oder mehreren Zitaten verknüpft ist.</translation>
    </message>
    <message>
        <source>Subject not deleted.</source>
        <translation>Thema nicht gelöscht.</translation>
    </message>
    <message>
        <source>Existing subject to be used?</source>
        <translation>Vorhandenes Thema, das verwendet werden soll?</translation>
    </message>
    <message>
        <source>Subject replacement</source>
        <translation>Ersetzen des Themas</translation>
    </message>
    <message>
        <source>Subject &apos;%1&apos; not found.</source>
        <translation>Thema &apos;%1&apos; nicht gefunden.</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Zitate</translation>
    </message>
    <message>
        <source>Show Quotes</source>
        <translation>Zitate zeigen</translation>
    </message>
    <message>
        <source>Show this subject&apos;s quotations in the main window (or double-click the list)</source>
        <translation>Die Zitate dieses Themas im Hauptfenster zeigen (oder Doppelklick auf die Liste)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>File this subject&apos;s quotations under another subject</source>
        <translation>Die Zitate dieses Themas einem anderen Thema zuordnen</translation>
    </message>
    <message>
        <source>Delete this subject (only while no quotation uses it)</source>
        <translation>Dieses Thema löschen (nur solange kein Zitat es verwendet)</translation>
    </message>
    <message>
        <source>Subject filter</source>
        <translation>Themenfilter</translation>
    </message>
    <message>
        <source>List the subjects that hold the text (Enter, F5)</source>
        <translation>Die Themen auflisten, die den Text enthalten (Eingabetaste, F5)</translation>
    </message>
    <message>
        <source>List every subject again; the text stays for the next Filter</source>
        <translation>Alle Themen wieder auflisten; der Text bleibt für das nächste Filtern</translation>
    </message>
    <message>
        <source>Subject cannot be empty</source>
        <translation>Das Thema darf nicht leer sein</translation>
    </message>
    <message>
        <source>Subject already present.</source>
        <translation>Thema bereits vorhanden.</translation>
    </message>
</context>
<context>
    <name>f_trash</name>
    <message>
        <source>Sentara - Trash</source>
        <translation>Sentara - Papierkorb</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Zitat</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>List the deleted quotations whose text or author holds the text (Enter)</source>
        <translation>Die gelöschten Zitate auflisten, deren Text oder Autor den Text enthält (Eingabe)</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Filter löschen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Put the quotations picked with the row selectors back, or the current one (Ctrl+R)</source>
        <translation>Die mit den Zeilenwählern gewählten Zitate zurücklegen, oder das aktuelle (Strg+R)</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>Alle wiederherstellen</translation>
    </message>
    <message>
        <source>Empty the Trash...</source>
        <translation>Papierkorb leeren...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Dieses Fenster schließen (Esc)</translation>
    </message>
    <message>
        <source>Text or author</source>
        <translation>Text oder Autor</translation>
    </message>
    <message>
        <source>Quotations: %1</source>
        <translation>Zitate: %1</translation>
    </message>
    <message>
        <source>Restoring quotations...</source>
        <translation>Zitate werden wiederhergestellt...</translation>
    </message>
    <message>
        <source>The quotations could not be restored; none was restored.</source>
        <translation>Die Zitate konnten nicht wiederhergestellt werden; keines wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>Do you really want to empty the Trash? Its quotations, authors, subjects, languages and web sites are then gone for good, and Undo delete can no longer bring them back.</source>
        <translation>Möchten Sie den Papierkorb wirklich leeren? Seine Zitate, Autoren, Themen, Sprachen und Websites sind dann endgültig weg, und Löschen rückgängig kann sie nicht mehr zurückholen.</translation>
    </message>
    <message>
        <source>
(and %1 more)</source>
        <translation>
(und %1 weitere)</translation>
    </message>
    <message>
        <source>for ever</source>
        <translation>für immer</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Keep deleted quotations</source>
        <translation>Gelöschte Zitate aufbewahren</translation>
    </message>
    <message>
        <source>Quotations deleted longer ago are forgotten when Sentara starts; 0 keeps them for ever</source>
        <translation>Länger zurück gelöschte Zitate werden beim Start von Sentara vergessen; 0 bewahrt sie für immer auf</translation>
    </message>
</context>
<context>
    <name>f_websites</name>
    <message>
        <source>Sentara - Web Sites</source>
        <translation>Sentara - Websites</translation>
    </message>
    <message>
        <source>Web site not deleted.</source>
        <translation>Website nicht gelöscht.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Go to site</source>
        <translation>Website öffnen</translation>
    </message>
    <message>
        <source>Open the address in the web browser (or double-click the list)</source>
        <translation>Die Adresse im Webbrowser öffnen (oder Doppelklick auf die Liste)</translation>
    </message>
    <message>
        <source>Name filter</source>
        <translation>Namensfilter</translation>
    </message>
    <message>
        <source>Notes filter</source>
        <translation>Notizfilter</translation>
    </message>
    <message>
        <source>Language Filter </source>
        <translation>Sprachfilter </translation>
    </message>
    <message>
        <source>List the sites whose name or notes hold the texts, or in the language (Enter, F5)</source>
        <translation>Die Websites auflisten, deren Name oder Notizen die Texte enthalten oder die in der Sprache sind (Eingabetaste, F5)</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>Der Name darf nicht leer sein</translation>
    </message>
    <message>
        <source>Web site already present.</source>
        <translation>Website bereits vorhanden.</translation>
    </message>
    <message>
        <source>This web site has no address.</source>
        <translation>Diese Website hat keine Adresse.</translation>
    </message>
    <message>
        <source>No program could open &apos;%1&apos;.</source>
        <translation>Kein Programm konnte &apos;%1&apos; öffnen.</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Spr.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Not opened: only an address beginning with http://, https://, ftp:// or www. is opened in the web browser.</source>
        <translation>Nicht geöffnet: Im Webbrowser wird nur eine Adresse geöffnet, die mit http://, https://, ftp:// oder www. beginnt.</translation>
    </message>
    <message>
        <source>name filter</source>
        <translation>Namensfilter</translation>
    </message>
    <message>
        <source>notes filter</source>
        <translation>Notizfilter</translation>
    </message>
    <message>
        <source>language filter</source>
        <translation>Sprachfilter</translation>
    </message>
</context>
<context>
    <name>factories</name>
    <message>
        <source>Clear the %1</source>
        <translation>%1 leeren</translation>
    </message>
</context>
<context>
    <name>fortune_format</name>
    <message>
        <source>none of its %1 lines is a &quot;%&quot; line, the line between two cookies</source>
        <translation>keine seiner %1 Zeilen ist eine &quot;%&quot;-Zeile, die Zeile zwischen zwei Keksen</translation>
    </message>
    <message>
        <source>strfile is not installed</source>
        <translation>strfile ist nicht installiert</translation>
    </message>
    <message>
        <source>strfile failed%1</source>
        <translation>strfile schlug fehl%1</translation>
    </message>
</context>
<context>
    <name>grid_keys</name>
    <message>
        <source>Sentara prepares the %1 quotations of this collection for fast sorting and filtering, once: %2.</source>
        <translation>Sentara bereitet die %1 Zitate dieser Sammlung einmalig für schnelles Sortieren und Filtern vor: %2.</translation>
    </message>
    <message>
        <source>keying the texts</source>
        <translation>Schlüssel der Texte</translation>
    </message>
    <message>
        <source>building the index %1</source>
        <translation>Aufbau des Index %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>SENTARA VERSION HISTORY </source>
        <translation>VERSIONSGESCHICHTE VON SENTARA </translation>
    </message>
    <message>
        <source>Current version is %1</source>
        <translation>Die aktuelle Version ist %1</translation>
    </message>
    <message>
        <source>It includes the following changes (F = bug fixed, I = improvement, N = new function)</source>
        <translation>Sie enthält die folgenden Änderungen (F = Fehler behoben, I = Verbesserung, N = neue Funktion)</translation>
    </message>
    <message>
        <source>%1 - Version history</source>
        <translation>%1 - Versionsgeschichte</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 Version %2</translation>
    </message>
    <message>
        <source>Sentara is made by the Sentara project.</source>
        <translation>Sentara wird vom Sentara-Projekt gemacht.</translation>
    </message>
    <message>
        <source>Look for updates on the Sentara web site: %1</source>
        <translation>Aktualisierungen gibt es auf der Website von Sentara: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>You can get customer service and technical support for %1 in one of the following ways:</source>
        <translation>Kundendienst und technische Unterstützung für %1 erhalten Sie auf einem der folgenden Wege:</translation>
    </message>
    <message>
        <source>- Send e-mail to %1 with your questions or problem reports</source>
        <translation>- Eine E-Mail mit Fragen oder Fehlerberichten an %1 senden</translation>
    </message>
    <message>
        <source>- Call telephone # %1</source>
        <translation>- Telefon Nr. %1 anrufen</translation>
    </message>
    <message>
        <source>You are kindly invited to contact us for any problems, inquiries or comments. We appreciate being informed of your experience with %1 and are willing to improve this program according to your comments and suggestions.</source>
        <translation>Wenden Sie sich gern mit Problemen, Fragen oder Anmerkungen an uns. Wir freuen uns, von Ihren Erfahrungen mit %1 zu hören, und verbessern dieses Programm gern nach Ihren Anmerkungen und Vorschlägen.</translation>
    </message>
    <message>
        <source>Customer service and technical support</source>
        <translation>Kundendienst und technische Unterstützung</translation>
    </message>
</context>
<context>
    <name>import_formats</name>
    <message>
        <source>The input text</source>
        <translation>Der Eingabetext</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos;</source>
        <translation>Die Datei &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to import.</source>
        <translation>%1 ist leer: es gibt nichts zu importieren.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>%1 cannot be imported as %2: %3%4.</source>
        <translation>%1 kann nicht als %2 importiert werden: %3%4.</translation>
    </message>
</context>
<context>
    <name>kindle_clippings</name>
    <message>
        <source>no line is the separator of the clippings (%1)</source>
        <translation>keine Zeile ist der Trenner der Clippings (%1)</translation>
    </message>
    <message>
        <source>the line under the book&apos;s title should say what the clipping is (&quot;- Your Highlight on page 1 | Location 10-12 | ...&quot;)</source>
        <translation>die Zeile unter dem Buchtitel sollte sagen, was das Clipping ist (&quot;- Your Highlight on page 1 | Location 10-12 | ...&quot;)</translation>
    </message>
    <message>
        <source>HIGHLIGHTS HELD BY A LONGER ONE OF THE SAME BOOK SKIPPED (THE LONGER KEPT):</source>
        <translation>MARKIERUNGEN, DIE IN EINER LÄNGEREN AUS DEMSELBEN BUCH ENTHALTEN SIND, ÜBERSPRUNGEN (DIE LÄNGERE BEHALTEN):</translation>
    </message>
    <message>
        <source>CLIPPINGS CUT BY THE CLIPPING LIMIT OF THEIR BOOK SKIPPED (NO TEXT):</source>
        <translation>DURCH DAS AUSSCHNITTLIMIT IHRES BUCHES GEKÜRZTE AUSSCHNITTE ÜBERSPRUNGEN (KEIN TEXT):</translation>
    </message>
    <message>
        <source>BOOKMARKS SKIPPED (NOT QUOTATIONS):</source>
        <translation>LESEZEICHEN ÜBERSPRUNGEN (KEINE ZITATE):</translation>
    </message>
    <message>
        <source>NOTES WITHOUT A HIGHLIGHT AT THEIR LOCATION SKIPPED:</source>
        <translation>NOTIZEN OHNE MARKIERUNG AN IHRER STELLE ÜBERSPRUNGEN:</translation>
    </message>
    <message>
        <source>CLIPPINGS OF ANOTHER KIND SKIPPED:</source>
        <translation>AUSSCHNITTE ANDERER ART ÜBERSPRUNGEN:</translation>
    </message>
</context>
<context>
    <name>long_work</name>
    <message>
        <source>About %1 min left.</source>
        <translation>Noch etwa %1 Min.</translation>
    </message>
    <message>
        <source>About %1 s left.</source>
        <translation>Noch etwa %1 s.</translation>
    </message>
    <message>
        <source>Stopped: nothing was changed.</source>
        <translation>Abgebrochen: Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>

Error %1 - %2</source>
        <translation>

Fehler %1 - %2</translation>
    </message>
</context>
<context>
    <name>quote_export</name>
    <message>
        <source>it has no text</source>
        <translation>es hat keinen Text</translation>
    </message>
    <message>
        <source>its text has more than one line</source>
        <translation>sein Text hat mehr als eine Zeile</translation>
    </message>
    <message>
        <source>its text begins with &quot;.&quot;, the mark of a detail line</source>
        <translation>sein Text beginnt mit &quot;.&quot;, dem Zeichen einer Angabenzeile</translation>
    </message>
    <message>
        <source>its text begins with a no-break space</source>
        <translation>sein Text beginnt mit einem geschützten Leerzeichen</translation>
    </message>
    <message>
        <source>its author holds parentheses</source>
        <translation>sein Autor enthält Klammern</translation>
    </message>
    <message>
        <source>its text ends in parentheses, which would be read as its author</source>
        <translation>sein Text endet in Klammern, die als sein Autor gelesen würden</translation>
    </message>
    <message>
        <source>its note holds a full stop or a line break</source>
        <translation>seine Notiz enthält einen Punkt oder einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>its subject holds a full stop or a line break</source>
        <translation>sein Thema enthält einen Punkt oder einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>it begins like an earlier one (its first 40 characters)</source>
        <translation>es beginnt wie ein früheres (die ersten 40 Zeichen)</translation>
    </message>
    <message>
        <source>%1 of the %2 quotations cannot be written whole in the text format, which holds one line a quotation; read back, they would come in changed, split or not at all:
</source>
        <translation>%1 der %2 Zitate können im Textformat, das eine Zeile je Zitat fasst, nicht ganz geschrieben werden; wieder gelesen, kämen sie verändert, geteilt oder gar nicht zurück:
</translation>
    </message>
    <message>
        <source>

CSV carries every field of every quotation.</source>
        <translation>

CSV nimmt jedes Feld jedes Zitats auf.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>quote_import</name>
    <message>
        <source>Duplicated quotes in input text: %1</source>
        <translation>Doppelte Zitate im Eingabetext: %1</translation>
    </message>
    <message>
        <source>Duplicated quotes in database: %1</source>
        <translation>Zitate schon in der Datenbank: %1</translation>
    </message>
    <message>
        <source>New quotes: %1</source>
        <translation>Neue Zitate: %1</translation>
    </message>
    <message>
        <source>Author cannot be empty as at least one quotation comes without author</source>
        <translation>Der Autor darf nicht leer sein, da mindestens ein Zitat ohne Autor kommt</translation>
    </message>
    <message>
        <source>Language cannot be empty as for at least one quotation no language is specified</source>
        <translation>Die Sprache darf nicht leer sein, da für mindestens ein Zitat keine Sprache angegeben ist</translation>
    </message>
    <message>
        <source>&quot;%1&quot; will be used as default language</source>
        <translation>&quot;%1&quot; wird als vorgegebene Sprache benutzt</translation>
    </message>
    <message>
        <source>%1 quotes added in database.</source>
        <translation>%1 Zitate der Datenbank hinzugefügt.</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... und %1 weitere Zeilen</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: it does not exist.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht gelesen werden: sie existiert nicht.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: it is a folder.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht gelesen werden: sie ist ein Ordner.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a text file: it holds binary data (NUL bytes), and is not UTF-16 text either.</source>
        <translation>Die Datei &apos;%1&apos; ist keine Textdatei: sie enthält Binärdaten (NUL-Bytes) und ist auch kein UTF-16-Text.</translation>
    </message>
    <message>
        <source>    is nearly the same as, in the input: %1</source>
        <translation>    ist fast gleich wie, in der Eingabe: %1</translation>
    </message>
    <message>
        <source>    is nearly the same as, in the database: %1</source>
        <translation>    ist fast gleich wie, in der Datenbank: %1</translation>
    </message>
    <message>
        <source>NEARLY THE SAME AS ANOTHER QUOTATION, KEPT FOR THE IMPORT (TAKE OUT OF THE INPUT THE ONES YOU DO NOT WANT):</source>
        <translation>FAST GLEICH WIE EIN ANDERES ZITAT, FÜR DEN IMPORT BEHALTEN (NIMM DIE UNERWÜNSCHTEN AUS DER EINGABE):</translation>
    </message>
    <message>
        <source>POSSIBLE DUPLICATED ITEMS IN INPUT TEXT SKIPPED:</source>
        <translation>MÖGLICHE DOPPELTE EINTRÄGE IM EINGABETEXT ÜBERSPRUNGEN:</translation>
    </message>
    <message>
        <source>ITEMS ALREADY IN DATABASE SKIPPED:</source>
        <translation>BEREITS IN DER DATENBANK VORHANDENE EINTRÄGE ÜBERSPRUNGEN:</translation>
    </message>
    <message>
        <source>LINES WITHOUT QUOTATION TEXT SKIPPED:</source>
        <translation>ZEILEN OHNE ZITATTEXT ÜBERSPRUNGEN:</translation>
    </message>
    <message>
        <source>DIRECTIVES BEFORE THE FIRST QUOTATION IGNORED:</source>
        <translation>ANWEISUNGEN VOR DEM ERSTEN ZITAT IGNORIERT:</translation>
    </message>
    <message>
        <source>RATES OTHER THAN 1, 2 OR 3 IGNORED:</source>
        <translation>BEWERTUNGEN AUSSER 1, 2 ODER 3 IGNORIERT:</translation>
    </message>
    <message>
        <source>LANGUAGES NOT IN THE DATABASE IGNORED (THE DEFAULT LANGUAGE IS USED):</source>
        <translation>SPRACHEN, DIE NICHT IN DER DATENBANK SIND, IGNORIERT (DIE STANDARDSPRACHE WIRD VERWENDET):</translation>
    </message>
    <message>
        <source>AUTHORS ADDED TO THE DATABASE:</source>
        <translation>DER DATENBANK HINZUGEFÜGTE AUTOREN:</translation>
    </message>
    <message>
        <source>SUBJECTS ADDED TO THE DATABASE:</source>
        <translation>DER DATENBANK HINZUGEFÜGTE THEMEN:</translation>
    </message>
    <message>
        <source>LINES NOT IN UTF-8, READ AS WINDOWS-1252:</source>
        <translation>ZEILEN NICHT IN UTF-8, ALS WINDOWS-1252 GELESEN:</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Select database file</source>
        <translation>Datenbankdatei wählen</translation>
    </message>
    <message>
        <source>error %1 - %2</source>
        <translation>Fehler %1 - %2</translation>
    </message>
    <message>
        <source>Sentara compacts its collection and checks the copy...</source>
        <translation>Sentara komprimiert seine Sammlung und prüft die Kopie...</translation>
    </message>
    <message>
        <source>Sentara keeps a backup copy of its collection...</source>
        <translation>Sentara legt eine Sicherungskopie seiner Sammlung an...</translation>
    </message>
    <message>
        <source>The database could not be compacted; it is used as it is.
</source>
        <translation>Die Datenbank konnte nicht komprimiert werden; sie wird so verwendet, wie sie ist.
</translation>
    </message>
    <message>
        <source>Stopped: the collection is used as it is, and its upkeep is done at a later start.</source>
        <translation>Abgebrochen: Die Sammlung wird so verwendet, wie sie ist; ihre Pflege folgt bei einem späteren Start.</translation>
    </message>
    <message>
        <source>Stopped: nothing was changed. The collection is used as it is, more slowly, and the work is offered again at the next start.</source>
        <translation>Abgebrochen: Es wurde nichts geändert. Die Sammlung wird so verwendet, wie sie ist, langsamer, und die Arbeit wird beim nächsten Start wieder angeboten.</translation>
    </message>
    <message>
        <source>
Error %1 - %2</source>
        <translation>
Fehler %1 - %2</translation>
    </message>
    <message>
        <source>Sentara puts its search index right, once.</source>
        <translation>Sentara bringt seinen Suchindex einmalig in Ordnung.</translation>
    </message>
    <message>
        <source>The search index could not be put right; deleting quotations without notes may fail.</source>
        <translation>Der Suchindex konnte nicht in Ordnung gebracht werden; das Löschen von Zitaten ohne Notizen kann fehlschlagen.</translation>
    </message>
    <message>
        <source>Sentara measures its collection...</source>
        <translation>Sentara misst seine Sammlung...</translation>
    </message>
    <message>
        <source>Sentara builds the search index of its %1 quotations, once.</source>
        <translation>Sentara erstellt einmalig den Suchindex seiner %1 Zitate.</translation>
    </message>
    <message>
        <source>The search index could not be built; searches read the whole collection.</source>
        <translation>Der Suchindex konnte nicht erstellt werden; Suchen lesen die ganze Sammlung.</translation>
    </message>
    <message>
        <source>Sentara prepares its collection for fast sorting, once.</source>
        <translation>Sentara bereitet seine Sammlung einmalig für schnelles Sortieren vor.</translation>
    </message>
    <message>
        <source>The collection could not be prepared for fast sorting; lists are sorted as they are read, more slowly.</source>
        <translation>Die Sammlung konnte nicht für schnelles Sortieren vorbereitet werden; Listen werden beim Lesen sortiert, langsamer.</translation>
    </message>
    <message>
        <source>A new database cannot be created at &apos;%1&apos;.
%2</source>
        <translation>In „%1“ kann keine neue Datenbank angelegt werden.
%2</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is already open by another instance of this program or by Access.</source>
        <translation>Die Datenbank „%1“ ist bereits von einer anderen Instanz dieses Programms oder von Access geöffnet.</translation>
    </message>
    <message>
        <source>Press OK to continue, Cancel to quit.</source>
        <translation>OK zum Fortfahren, Abbrechen zum Beenden.</translation>
    </message>
    <message>
        <source>Press OK to use it all the same, Cancel to keep the database in use.</source>
        <translation>OK, um sie trotzdem zu verwenden, Abbrechen, um die verwendete Datenbank zu behalten.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be found.</source>
        <translation>Die Datenbank „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>No quotation database was found.

Create a new database at &apos;%1&apos;? It starts with a few dozen sample quotations, which you may keep or delete.

Choose file... opens a database you already have.</source>
        <translation>Es wurde keine Zitatdatenbank gefunden.

Eine neue Datenbank in „%1“ anlegen? Sie beginnt mit ein paar Dutzend Beispielzitaten, die Sie behalten oder löschen können.

Datei wählen... öffnet eine Datenbank, die Sie schon haben.</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Anlegen</translation>
    </message>
    <message>
        <source>C&amp;hoose file...</source>
        <translation>Datei &amp;wählen...</translation>
    </message>
    <message>
        <source>The database cannot be opened.

%1</source>
        <translation>Die Datenbank kann nicht geöffnet werden.

%1</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be used: its folder is not writable.</source>
        <translation>Die Datenbank „%1“ kann nicht verwendet werden: Ihr Ordner ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The database cannot be opened.

The file &apos;%1&apos;: %2</source>
        <translation>Die Datenbank kann nicht geöffnet werden.

Die Datei „%1“: %2</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; is opened for reading only: this user may not change the file or its folder.

Quotations can be read, searched, exported and shown; edits, imports and the random order&apos;s moves are not saved.</source>
        <translation>Die Datenbank „%1“ ist nur zum Lesen geöffnet: Dieser Benutzer darf die Datei oder ihren Ordner nicht ändern.

Zitate können gelesen, durchsucht, exportiert und gezeigt werden; Änderungen, Importe und die Verschiebungen der Zufallsreihenfolge werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Sentara database (*.mdb;*.sqo)|*.mdb;*.sqo|All files (*)|*</source>
        <translation>Sentara-Datenbank (*.mdb;*.sqo)|*.mdb;*.sqo|Alle Dateien (*)|*</translation>
    </message>
</context>
<context>
    <name>trash</name>
    <message>
        <source>author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>subject</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>web site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; was not restored: one of the same name was added since.</source>
        <translation>%1 &apos;%2&apos; wurde nicht wiederhergestellt: inzwischen wurde eines mit demselben Namen hinzugefügt.</translation>
    </message>
    <message>
        <source>The quotation %1 was not restored: the collection holds a newer one with the same key.</source>
        <translation>Das Zitat %1 wurde nicht wiederhergestellt: die Sammlung enthält ein neueres mit demselben Schlüssel.</translation>
    </message>
    <message>
        <source>%1 quotations were changed since and keep the name they have now.</source>
        <translation>%1 Zitate wurden inzwischen geändert und behalten ihren jetzigen Namen.</translation>
    </message>
    <message>
        <source>The quotation kept was changed since and keeps what it has now.</source>
        <translation>Das behaltene Zitat wurde inzwischen geändert und behält seinen jetzigen Inhalt.</translation>
    </message>
</context>
</TS>
