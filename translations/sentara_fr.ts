<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Application</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Erreur %1 - %2</translation>
    </message>
    <message>
        <source>Error - %1</source>
        <translation>Erreur - %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Sentara keeps a collection of quotations. Without options it opens its main window on the
database it used last; the options below do their work and end without a window.</source>
        <translation>Sentara conserve une collection de citations. Sans option, il ouvre sa fenêtre principale sur la
dernière base utilisée ; les options ci-dessous font leur travail et se terminent sans fenêtre.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Creates a new, empty database at &lt;path&gt; (never over an existing file).</source>
        <translation>Crée une nouvelle base vide à &lt;chemin&gt; (jamais par-dessus un fichier existant).</translation>
    </message>
    <message>
        <source>path</source>
        <translation>chemin</translation>
    </message>
    <message>
        <source>With --create-database: a few dozen quotations to start with.</source>
        <translation>Avec --create-database : quelques dizaines de citations pour commencer.</translation>
    </message>
    <message>
        <source>Prints one quotation and its author, the next of the random order, and moves it to the back: calls go through the whole collection before any quotation comes again.</source>
        <translation>Affiche une citation et son auteur, la suivante de l&apos;ordre aléatoire, et la place à la fin : les appels parcourent toute la collection avant qu&apos;une citation revienne.</translation>
    </message>
    <message>
        <source>The database to use (default: the one the program used last).</source>
        <translation>La base à utiliser (par défaut : la dernière utilisée par le programme).</translation>
    </message>
    <message>
        <source>With --random: quotations by this author (a part of the name will do). With --import: the author of the lines that name none.</source>
        <translation>Avec --random : les citations de cet auteur (une partie du nom suffit). Avec --import : l&apos;auteur des lignes qui n&apos;en nomment aucun.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>With --random: quotations on this subject. With --import: the subject of the quotations without one.</source>
        <translation>Avec --random : les citations sur ce sujet. Avec --import : le sujet des citations qui n&apos;en ont pas.</translation>
    </message>
    <message>
        <source>With --random: quotations in this language. With --import: the language of the quotations without one.</source>
        <translation>Avec --random : les citations dans cette langue. Avec --import : la langue des citations qui n&apos;en ont pas.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>With --random: rated at least &lt;n&gt; (1 to 3).</source>
        <translation>Avec --random : notées au moins &lt;n&gt; (de 1 à 3).</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>With --random: quotations whose text holds &lt;text&gt;.</source>
        <translation>Avec --random : les citations dont le texte contient &lt;texte&gt;.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>With --random: plain (default) or json. With --import: how &lt;file&gt; is read, text (one a line), fortune, csv or kindle (default: guessed from the file).</source>
        <translation>Avec --random : plain (par défaut) ou json. Avec --import : comment lire &lt;fichier&gt;, text (une par ligne), fortune, csv ou kindle (par défaut : deviné d&apos;après le fichier).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>Imports the quotations of &lt;file&gt; (as the import window reads them) into the database and prints the report.</source>
        <translation>Importe dans la base les citations de &lt;fichier&gt; (comme les lit la fenêtre d&apos;importation) et affiche le compte rendu.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Makes the new database named with --database from the collection in the Access file &lt;file&gt; (never over an existing file) and prints what it holds and the rows that did not fit.</source>
        <translation>Crée la nouvelle base nommée par --database à partir de la collection du fichier Access &lt;fichier&gt; (jamais par-dessus un fichier existant) et affiche ce qu&apos;elle contient et les lignes qui n&apos;ont pas pu entrer.</translation>
    </message>
    <message>
        <source>Writes the quotations (all, or those --author, --subject, --language, --min-rate and --filter choose, as with --random) to &lt;file&gt;, whole or not at all: --format csv (the default; every field), fortune (text, author, note) or text (the default for a name ending .txt).</source>
        <translation>Écrit les citations (toutes, ou celles que choisissent --author, --subject, --language, --min-rate et --filter, comme avec --random) dans &lt;fichier&gt;, en entier ou pas du tout : --format csv (par défaut ; tous les champs), fortune (texte, auteur, note) ou text (par défaut pour un nom finissant par .txt).</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format with --export is %1, not &apos;%2&apos;</source>
        <translation>--format avec --export vaut %1, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--create-database, --random, --import, --import-access and --export go one at a time</source>
        <translation>--create-database, --random, --import, --import-access et --export s&apos;emploient un seul à la fois</translation>
    </message>
    <message>
        <source>--author, --subject and --language go with --random, --export or --import</source>
        <translation>--author, --subject et --language vont avec --random, --export ou --import</translation>
    </message>
    <message>
        <source>--min-rate and --filter go with --random or --export</source>
        <translation>--min-rate et --filter vont avec --random ou --export</translation>
    </message>
    <message>
        <source>--format goes with --random, --export or --import</source>
        <translation>--format va avec --random, --export ou --import</translation>
    </message>
    <message>
        <source>--with-samples goes with --create-database</source>
        <translation>--with-samples va avec --create-database</translation>
    </message>
    <message>
        <source>--create-database takes its path itself</source>
        <translation>--create-database prend lui-même son chemin</translation>
    </message>
    <message>
        <source>--min-rate takes a rate from 1 to 3, not &apos;%1&apos;</source>
        <translation>--min-rate prend une note de 1 à 3, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format is plain or json, not &apos;%1&apos;</source>
        <translation>--format vaut plain ou json, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format with --import is %1, not &apos;%2&apos;</source>
        <translation>--format avec --import vaut %1, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--import-access needs --database, the new database to make</source>
        <translation>--import-access demande --database, la nouvelle base à créer</translation>
    </message>
    <message>
        <source>--database goes with --random, --export, --import or --import-access</source>
        <translation>--database va avec --random, --export, --import ou --import-access</translation>
    </message>
    <message>
        <source>Created the database %1</source>
        <translation>Base %1 créée</translation>
    </message>
    <message>
        <source>there is no database at %1 (give one with --database)</source>
        <translation>il n&apos;y a pas de base à %1 (en indiquer une avec --database)</translation>
    </message>
    <message>
        <source>no quotation meets the choice</source>
        <translation>aucune citation ne répond au choix</translation>
    </message>
    <message>
        <source>Sentara version %1</source>
        <translation>Sentara version %1</translation>
    </message>
    <message>
        <source>Try &apos;sentara --help&apos;.</source>
        <translation>Essayez &apos;sentara --help&apos;.</translation>
    </message>
</context>
<context>
    <name>GridBinding</name>
    <message>
        <source>Select all rows</source>
        <translation>Sélectionner toutes les lignes</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
</context>
<context>
    <name>QuoteList</name>
    <message>
        <source>Quotations</source>
        <translation>Citations</translation>
    </message>
    <message>
        <source>Clear the selection and go back to random order</source>
        <translation>Effacer la sélection et revenir à l&apos;ordre aléatoire</translation>
    </message>
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Click to select/deselect this row; hold CTRL to add rows, SHIFT to add a range</source>
        <translation>Cliquez pour sélectionner/désélectionner cette ligne ; maintenez CTRL pour ajouter des lignes, MAJ pour ajouter une plage</translation>
    </message>
</context>
<context>
    <name>attention</name>
    <message>
        <source>Edit operation in progress.</source>
        <translation>Modification en cours.</translation>
    </message>
</context>
<context>
    <name>author_picture</name>
    <message>
        <source>Picture of the author</source>
        <translation>Portrait de l&apos;auteur</translation>
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
        <translation>Sentara - Diaporama</translation>
    </message>
    <message>
        <source>Slide show</source>
        <translation>Diaporama</translation>
    </message>
    <message>
        <source>Quotations one at a time, full screen. Esc ends the show, Page Up shows the previous quotation, the space bar stops and starts the timer, I changes its interval, the right mouse button opens the command menu.</source>
        <translation>Les citations une à une, en plein écran. Échap termine le diaporama, Page préc. montre la citation précédente, la barre d&apos;espace arrête et relance la minuterie, I change son intervalle, le bouton droit de la souris ouvre le menu des commandes.</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Change interval duration (I)</source>
        <translation>Changer la durée de l&apos;intervalle (I)</translation>
    </message>
    <message>
        <source>Enable/disable auto change (Space Bar)</source>
        <translation>Activer/désactiver le changement automatique (barre d&apos;espace)</translation>
    </message>
    <message>
        <source>Show previous quote (Page Up)</source>
        <translation>Afficher la citation précédente (Page préc.)</translation>
    </message>
    <message>
        <source>Exit (ESC)</source>
        <translation>Quitter (Échap)</translation>
    </message>
    <message>
        <source>Database is empty</source>
        <translation>La base est vide</translation>
    </message>
    <message>
        <source>Timer enabled</source>
        <translation>Minuterie activée</translation>
    </message>
    <message>
        <source>Timer disabled</source>
        <translation>Minuterie désactivée</translation>
    </message>
    <message>
        <source>New interval? (now = %1 milliseconds)</source>
        <translation>Nouvel intervalle ? (actuellement = %1 millisecondes)</translation>
    </message>
    <message>
        <source>Wrong interval valule (must be a number from 10 to 100000)</source>
        <translation>Valeur d&apos;intervalle incorrecte (doit être un nombre de 10 à 100000)</translation>
    </message>
    <message>
        <source>No previous quote.</source>
        <translation>Pas de citation précédente.</translation>
    </message>
    <message>
        <source>Previous quote not found</source>
        <translation>Citation précédente introuvable</translation>
    </message>
    <message>
        <source>Quote not found</source>
        <translation>Citation introuvable</translation>
    </message>
</context>
<context>
    <name>f_slide_show_help</name>
    <message>
        <source>Sentara - Slide Show Help</source>
        <translation>Sentara - Aide du diaporama</translation>
    </message>
    <message>
        <source>Press ESC to exit</source>
        <translation>Appuyez sur Échap pour quitter</translation>
    </message>
    <message>
        <source>Click the mouse right button to open command menu</source>
        <translation>Cliquez avec le bouton droit de la souris pour ouvrir le menu des commandes</translation>
    </message>
    <message>
        <source>Press Page Up to see previous quote displayed</source>
        <translation>Appuyez sur Page préc. pour revoir la citation précédente</translation>
    </message>
    <message>
        <source>Press Space Bar to disable/enable timer</source>
        <translation>Appuyez sur la barre d&apos;espace pour désactiver/activer la minuterie</translation>
    </message>
    <message>
        <source>Press I to change timer interval (now = %1 seconds)</source>
        <translation>Appuyez sur I pour changer l&apos;intervalle (actuellement = %1 secondes)</translation>
    </message>
    <message>
        <source>Don&apos;t show this window when slide show is launched</source>
        <translation>Ne plus afficher cette fenêtre au lancement du diaporama</translation>
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
        <translation>Vider %1</translation>
    </message>
</context>
</TS>
