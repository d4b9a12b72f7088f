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
        <source>Sentara keeps a collection of quotations. Without options it opens its main window on the
database it used last; the options below do their work and end without a window.</source>
        <translation>Sentara verwaltet eine Sammlung von Zitaten. Ohne Optionen öffnet es sein Hauptfenster mit der
zuletzt benutzten Datenbank; die Optionen unten erledigen ihre Arbeit und enden ohne Fenster.</translation>
    </message>
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
        <source>--create-database, --random, --import, --import-access and --export go one at a time</source>
        <translation>--create-database, --random, --import, --import-access und --export gehen nur einzeln</translation>
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
        <source>--database goes with --random, --export, --import or --import-access</source>
        <translation>--database gehört zu --random, --export, --import oder --import-access</translation>
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
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Click to select/deselect this row; hold CTRL to add rows, SHIFT to add a range</source>
        <translation>Klicken, um diese Zeile aus- oder abzuwählen; mit STRG weitere Zeilen, mit UMSCHALT einen Bereich hinzufügen</translation>
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
    <name>factories</name>
    <message>
        <source>Clear the %1</source>
        <translation>%1 leeren</translation>
    </message>
</context>
</TS>
