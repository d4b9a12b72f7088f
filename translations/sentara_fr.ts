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
    <message>
        <source>there is no database at %1 (give one with --database).</source>
        <translation>il n&apos;y a pas de base à %1 (en indiquer une avec --database).</translation>
    </message>
    <message>
        <source>no quotation meets the choice; &apos;%1&apos; was not written.</source>
        <translation>aucune citation ne répond au choix ; &apos;%1&apos; n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>
Nothing was written: --format csv carries them whole.</source>
        <translation>
Rien n&apos;a été écrit : --format csv les conserve en entier.</translation>
    </message>
    <message>
        <source>%1 quotes exported to &apos;%2&apos; as %3.</source>
        <translation>%1 citations exportées dans &apos;%2&apos; en %3.</translation>
    </message>
    <message>
        <source>The index fortune reads is &apos;%1.dat&apos;.</source>
        <translation>L&apos;index que lit fortune est &apos;%1.dat&apos;.</translation>
    </message>
    <message>
        <source>the index fortune reads could not be written: %1</source>
        <translation>l&apos;index que lit fortune n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos;: error %2 - %3</source>
        <translation>la base &apos;%1&apos; : erreur %2 - %3</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; can only be read: this user may not change the file or its folder, so nothing can be imported into it.</source>
        <translation>la base &apos;%1&apos; ne peut qu&apos;être lue : cet utilisateur ne peut modifier ni le fichier ni son dossier, rien ne peut donc y être importé.</translation>
    </message>
    <message>
        <source>the format &apos;%1&apos; is none of %2.</source>
        <translation>le format &apos;%1&apos; n&apos;est aucun de %2.</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; is open in a running Sentara; close it, then import again.</source>
        <translation>la base &apos;%1&apos; est ouverte dans un Sentara en cours ; fermez-le, puis importez à nouveau.</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; cannot be locked: its folder is not writable.</source>
        <translation>la base &apos;%1&apos; ne peut pas être verrouillée : son dossier n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Read as %1 (%2).
</source>
        <translation>Lu comme %1 (%2).
</translation>
    </message>
    <message>
        <source>guessed from the file; --format chooses another</source>
        <translation>deviné d&apos;après le fichier ; --format en choisit un autre</translation>
    </message>
    <message>
        <source>as --format asks</source>
        <translation>comme le demande --format</translation>
    </message>
    <message>
        <source>the language &apos;%1&apos; is not in the database.</source>
        <translation>la langue &apos;%1&apos; n&apos;est pas dans la base.</translation>
    </message>
    <message>
        <source> (give one with --author).</source>
        <translation> (en indiquer un avec --author).</translation>
    </message>
    <message>
        <source> (give one with --language).</source>
        <translation> (en indiquer une avec --language).</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was made from &apos;%2&apos;: %3.</source>
        <translation>La base &apos;%1&apos; a été créée à partir de &apos;%2&apos; : %3.</translation>
    </message>
    <message>
        <source>Sentara keeps a collection of quotations. Without options it opens its main window on the
database it used last, or on &lt;file&gt; when one is given; the options below do their work and
end without a window.</source>
        <translation>Sentara conserve une collection de citations. Sans option, il ouvre sa fenêtre principale sur la
dernière base utilisée, ou sur &lt;file&gt; s&apos;il est donné ; les options ci-dessous font leur
travail et se terminent sans fenêtre.</translation>
    </message>
    <message>
        <source>The database to open the main window on.</source>
        <translation>La base sur laquelle ouvrir la fenêtre principale.</translation>
    </message>
    <message>
        <source>Prints the groups of quotations kept more than once: the same text but for letter case, accents, punctuation, quotation marks and blanks (exact), or nearly the same (near). --format plain (default) or json.</source>
        <translation>Affiche les groupes de citations présentes plusieurs fois : le même texte aux majuscules, accents, ponctuation, guillemets et blancs près (exact), ou presque le même (near). --format plain (par défaut) ou json.</translation>
    </message>
    <message>
        <source>With --find-duplicates: how alike near duplicates are at least, in percent (1 to 100, default %1).</source>
        <translation>Avec --find-duplicates : la ressemblance minimale des quasi-doublons, en pour cent (1 à 100, par défaut %1).</translation>
    </message>
    <message>
        <source>--create-database, --random, --import, --import-access, --export and --find-duplicates go one at a time</source>
        <translation>--create-database, --random, --import, --import-access, --export et --find-duplicates s&apos;utilisent un à la fois</translation>
    </message>
    <message>
        <source>--threshold goes with --find-duplicates</source>
        <translation>--threshold va avec --find-duplicates</translation>
    </message>
    <message>
        <source>--threshold takes a percentage from 1 to 100, not &apos;%1&apos;</source>
        <translation>--threshold prend un pourcentage de 1 à 100, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--database goes with --random, --export, --import, --import-access or --find-duplicates</source>
        <translation>--database va avec --random, --export, --import, --import-access ou --find-duplicates</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Aucun doublon trouvé.</translation>
    </message>
    <message>
        <source>Groups of duplicates: %1; quotations in them: %2.</source>
        <translation>Groupes de doublons : %1 ; citations dans ces groupes : %2.</translation>
    </message>
</context>
<context>
    <name>EditArea</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit this author</source>
        <translation>Modifier cet auteur</translation>
    </message>
    <message>
        <source>Subject Table Management</source>
        <translation>Gestion de la table des sujets</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Author </source>
        <translation>Auteur </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Add new</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Start a new quotation (Ctrl+N)</source>
        <translation>Commencer une nouvelle citation (Ctrl+N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the quotation (Ctrl+S)</source>
        <translation>Enregistrer la citation (Ctrl+S)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the quotation (Ctrl+D)</source>
        <translation>Supprimer la citation (Ctrl+D)</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Go to a quotation at random (F9)</source>
        <translation>Aller à une citation au hasard (F9)</translation>
    </message>
    <message>
        <source>Undo edit</source>
        <translation>Défaire</translation>
    </message>
    <message>
        <source>Put back the quotation as it was (Ctrl+U)</source>
        <translation>Remettre la citation telle qu&apos;elle était (Ctrl+U)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Go to the next quotation (F8)</source>
        <translation>Aller à la citation suivante (F8)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>End the program (Ctrl+Q)</source>
        <translation>Quitter le programme (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Invalid rate (use values 1 to 3 or empty)</source>
        <translation>Note non valide (valeurs de 1 à 3, ou vide)</translation>
    </message>
    <message>
        <source>Language cannot be empty</source>
        <translation>La langue ne peut pas être vide</translation>
    </message>
    <message>
        <source>Author cannot be empty</source>
        <translation>L&apos;auteur ne peut pas être vide</translation>
    </message>
    <message>
        <source>Author &quot;</source>
        <translation>Auteur « </translation>
    </message>
    <message>
        <source>&quot; not found. Do you want to add it?</source>
        <translation> » introuvable. Voulez-vous l&apos;ajouter ?</translation>
    </message>
    <message>
        <source>Author addition failed</source>
        <translation>L&apos;ajout de l&apos;auteur a échoué</translation>
    </message>
    <message>
        <source>Subject is empty and will be set to &apos;</source>
        <translation>Le sujet est vide et sera mis à « </translation>
    </message>
    <message>
        <source>&apos;; do you want to proceed?</source>
        <translation> » ; voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Subject &quot;</source>
        <translation>Sujet « </translation>
    </message>
    <message>
        <source>&quot; not found. Please add it</source>
        <translation> » introuvable. Veuillez l&apos;ajouter</translation>
    </message>
    <message>
        <source>&apos; not in database. Do you want to add it?</source>
        <translation> » n&apos;est pas dans la base. Voulez-vous l&apos;ajouter ?</translation>
    </message>
    <message>
        <source>Do you really want to delete quote &apos;%1...&apos;?</source>
        <translation>Voulez-vous vraiment supprimer la citation « %1... » ?</translation>
    </message>
</context>
<context>
    <name>FilterArea</name>
    <message>
        <source>Deleting %1 quotations...</source>
        <translation>Suppression de %1 citations...</translation>
    </message>
    <message>
        <source>The list changed since it was counted (%1 quotations now, %2 before): another program wrote meanwhile. Look at the list again.</source>
        <translation>La liste a changé depuis son décompte (%1 citations maintenant, %2 avant) : un autre programme a écrit entre-temps. Regardez à nouveau la liste.</translation>
    </message>
    <message>
        <source>Counting the quotations...</source>
        <translation>Décompte des citations...</translation>
    </message>
    <message>
        <source>There is no quote to be deleted.</source>
        <translation>Il n&apos;y a aucune citation à supprimer.</translation>
    </message>
    <message>
        <source>Do you really want to delete all quotes</source>
        <translation>Voulez-vous vraiment supprimer toutes les citations</translation>
    </message>
    <message>
        <source>Do you really want to delete all quotes where </source>
        <translation>Voulez-vous vraiment supprimer toutes les citations où </translation>
    </message>
    <message>
        <source>Deleting quotations...</source>
        <translation>Suppression des citations...</translation>
    </message>
    <message>
        <source>The quotations could not be deleted; none was deleted.</source>
        <translation>Les citations n&apos;ont pas pu être supprimées ; aucune ne l&apos;a été.</translation>
    </message>
    <message>
        <source>There is no quote to be shown: the list is empty.</source>
        <translation>Il n&apos;y a aucune citation à montrer : la liste est vide.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>Author Filter </source>
        <translation>Filtre auteur </translation>
    </message>
    <message>
        <source>Text Filter </source>
        <translation>Filtre texte </translation>
    </message>
    <message>
        <source>Subject Filter </source>
        <translation>Filtre sujet </translation>
    </message>
    <message>
        <source>Note Filter </source>
        <translation>Filtre remarque </translation>
    </message>
    <message>
        <source>Language Filter </source>
        <translation>Filtre langue </translation>
    </message>
    <message>
        <source>Rate from </source>
        <translation>Note de </translation>
    </message>
    <message>
        <source>Rate to </source>
        <translation>Note à </translation>
    </message>
    <message>
        <source>Key Filter </source>
        <translation>Filtre clé </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Apply the filters (F5)</source>
        <translation>Appliquer les filtres (F5)</translation>
    </message>
    <message>
        <source>Clear all filters</source>
        <translation>Vider tous les filtres</translation>
    </message>
    <message>
        <source>Empty every filter field (Ctrl+Shift+F)</source>
        <translation>Vider chaque champ de filtre (Ctrl+Maj+F)</translation>
    </message>
    <message>
        <source>Records Selected: </source>
        <translation>Enregistrements sélectionnés : </translation>
    </message>
    <message>
        <source>Records Filtered: </source>
        <translation>Enregistrements filtrés : </translation>
    </message>
    <message>
        <source>Invalid key selector (must be a number)</source>
        <translation>Sélecteur de clé non valide (doit être un nombre)</translation>
    </message>
    <message>
        <source>Records Filtered:</source>
        <translation>Enregistrements filtrés :</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>décompte…</translation>
    </message>
    <message>
        <source>Records Selected:</source>
        <translation>Enregistrements sélectionnés :</translation>
    </message>
    <message>
        <source>Export selected quotes</source>
        <translation>Exporter les citations sélectionnées</translation>
    </message>
    <message>
        <source>Export filtered quotes</source>
        <translation>Exporter les citations filtrées</translation>
    </message>
    <message>
        <source>Deleted selected quotes</source>
        <translation>Supprimer les citations sélectionnées</translation>
    </message>
    <message>
        <source>Deleted filtered quotes</source>
        <translation>Supprimer les citations filtrées</translation>
    </message>
    <message>
        <source>Filter on current author</source>
        <translation>Filtrer sur l&apos;auteur courant</translation>
    </message>
    <message>
        <source>Filter on current subject</source>
        <translation>Filtrer sur le sujet courant</translation>
    </message>
    <message>
        <source>Delete filtered quotes</source>
        <translation>Supprimer les citations filtrées</translation>
    </message>
    <message>
        <source>Slide show of filtered quotes</source>
        <translation>Diaporama des citations filtrées</translation>
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
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Click on this vertical bar to select/deselect quotes; hold CTRL key for multiple selection, SHIFT for a range.
Click here to clear the selection and go back to random order.</source>
        <translation>Cliquez sur cette barre verticale pour sélectionner/désélectionner des citations ; maintenez CTRL pour une sélection multiple, MAJ pour une plage.
Cliquez ici pour effacer la sélection et revenir à l&apos;ordre aléatoire.</translation>
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
    <name>ReferenceWindow</name>
    <message>
        <source>Add new</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Start a new row (Ctrl+N)</source>
        <translation>Commencer une nouvelle ligne (Ctrl+N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the changes (Ctrl+S)</source>
        <translation>Enregistrer les modifications (Ctrl+S)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Bring the main window to the front</source>
        <translation>Mettre la fenêtre principale au premier plan</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Fermer cette fenêtre (Échap)</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Apply the filters (Enter in a filter box, F5)</source>
        <translation>Appliquer les filtres (Entrée dans une zone de filtre, F5)</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Vider le filtre</translation>
    </message>
    <message>
        <source>Records Filtered: NNN</source>
        <translation>Enregistrements filtrés : NNN</translation>
    </message>
    <message>
        <source>Records: </source>
        <translation>Enregistrements : </translation>
    </message>
    <message>
        <source>Records Filtered:  </source>
        <translation>Enregistrements filtrés :  </translation>
    </message>
    <message>
        <source>Edit operation in progress: &apos;%1&apos; can be shown once it is saved.</source>
        <translation>Modification en cours : « %1 » pourra être affiché une fois enregistré.</translation>
    </message>
    <message>
        <source>Edit operation in progress.</source>
        <translation>Modification en cours.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the one being replaced.</source>
        <translation>« %1 » est celui que l&apos;on remplace.</translation>
    </message>
</context>
<context>
    <name>access_file</name>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>Le fichier &apos;%1&apos; ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is a database of this program already, not an Access file: open it with File &gt; Change database.</source>
        <translation>Le fichier &apos;%1&apos; est déjà une base de ce programme, pas un fichier Access : ouvrez-le avec Fichier &gt; Changer de base.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not an Access database (.mdb) file.</source>
        <translation>Le fichier &apos;%1&apos; n&apos;est pas une base Access (.mdb).</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is truncated or damaged: it is not made of whole pages of an Access database.</source>
        <translation>Le fichier &apos;%1&apos; est tronqué ou endommagé : il n&apos;est pas fait de pages entières d&apos;une base Access.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Le fichier &apos;%1&apos; n&apos;existe pas.</translation>
    </message>
    <message>
        <source>mdbtools cannot open it</source>
        <translation>mdbtools ne peut pas l&apos;ouvrir</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>sa liste de tables ne peut pas être lue</translation>
    </message>
    <message>
        <source>the table %1 cannot be read</source>
        <translation>la table %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>mdbtools says &quot;%1&quot;</source>
        <translation>mdbtools dit &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is damaged or truncated: %2.</source>
        <translation>Le fichier &apos;%1&apos; est endommagé ou tronqué : %2.</translation>
    </message>
</context>
<context>
    <name>access_import</name>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>%1 without a name</source>
        <translation>%1 sans nom</translation>
    </message>
    <message>
        <source>%1 with the name of one before (letter case aside)</source>
        <translation>%1 portant le nom d&apos;un précédent (à la casse près)</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a collection of quotations: it has no table quotes with a column text.</source>
        <translation>Le fichier &apos;%1&apos; n&apos;est pas une collection de citations : il n&apos;a pas de table quotes avec une colonne text.</translation>
    </message>
    <message>
        <source>no language was marked as the default; this one is now</source>
        <translation>aucune langue n&apos;était marquée par défaut ; celle-ci l&apos;est désormais</translation>
    </message>
    <message>
        <source>no text</source>
        <translation>pas de texte</translation>
    </message>
    <message>
        <source>no author</source>
        <translation>pas d&apos;auteur</translation>
    </message>
    <message>
        <source>no language: given the default language %1</source>
        <translation>pas de langue : reçoit la langue par défaut %1</translation>
    </message>
    <message>
        <source>the rate %1 is not 1, 2 or 3: imported without a rate</source>
        <translation>la note %1 n&apos;est pas 1, 2 ou 3 : importée sans note</translation>
    </message>
    <message>
        <source>no key: given a new one</source>
        <translation>pas de clé : en reçoit une nouvelle</translation>
    </message>
    <message>
        <source>a key that is not a whole number used once: given a new one</source>
        <translation>une clé qui n&apos;est pas un nombre entier employé une seule fois : en reçoit une nouvelle</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be made from &apos;%2&apos;: error %3 - %4</source>
        <translation>La base &apos;%1&apos; ne peut pas être créée à partir de &apos;%2&apos; : erreur %3 - %4</translation>
    </message>
    <message>
        <source>QUOTATIONS NOT IMPORTED (BY KEY):</source>
        <translation>CITATIONS NON IMPORTÉES (PAR CLÉ) :</translation>
    </message>
    <message>
        <source>QUOTATIONS IMPORTED WITH A CHANGE (BY KEY):</source>
        <translation>CITATIONS IMPORTÉES AVEC UNE MODIFICATION (PAR CLÉ) :</translation>
    </message>
    <message>
        <source>ROWS OF THE REFERENCE TABLES NOT IMPORTED:</source>
        <translation>LIGNES DES TABLES DE RÉFÉRENCE NON IMPORTÉES :</translation>
    </message>
    <message>
        <source>NAMES THE QUOTATIONS USE THAT THEIR TABLES LACKED, ADDED (BY THE KEYS OF THE QUOTATIONS):</source>
        <translation>NOMS UTILISÉS PAR LES CITATIONS ET ABSENTS DE LEURS TABLES, AJOUTÉS (PAR CLÉ DES CITATIONS) :</translation>
    </message>
    <message>
        <source>THE DEFAULT LANGUAGE:</source>
        <translation>LA LANGUE PAR DÉFAUT :</translation>
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
    <name>common</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Erreur %1 - %2</translation>
    </message>
    <message>
        <source>The report file &apos;%1&apos; cannot be written: %2</source>
        <translation>Le fichier du rapport « %1 » ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Chemin introuvable : %1</translation>
    </message>
    <message>
        <source>No program could open &apos;%1&apos;.</source>
        <translation>Aucun programme n&apos;a pu ouvrir « %1 ».</translation>
    </message>
</context>
<context>
    <name>csv_format</name>
    <message>
        <source>a field begins with a double quote (&quot;) that is never closed</source>
        <translation>un champ commence par un guillemet double (&quot;) qui n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>there is nothing in it</source>
        <translation>il ne contient rien</translation>
    </message>
    <message>
        <source>column %1 (no name)</source>
        <translation>colonne %1 (sans nom)</translation>
    </message>
    <message>
        <source>the first line is not a header naming a column text, quote or highlight</source>
        <translation>la première ligne n&apos;est pas un en-tête nommant une colonne text, quote ou highlight</translation>
    </message>
    <message>
        <source>COLUMNS NOT IMPORTED (NO FIELD OF A QUOTATION HAS THEIR NAME):</source>
        <translation>COLONNES NON IMPORTÉES (AUCUN CHAMP D&apos;UNE CITATION NE PORTE LEUR NOM) :</translation>
    </message>
    <message>
        <source>RECORDS WITH MORE FIELDS THAN THE HEADER NAMES (THE EXTRA FIELDS IGNORED):</source>
        <translation>ENREGISTREMENTS AYANT PLUS DE CHAMPS QUE L&apos;EN-TÊTE N&apos;EN NOMME (CHAMPS EN TROP IGNORÉS) :</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>Le fichier « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be reached: %2.</source>
        <translation>Le fichier « %1 » est inaccessible : %2.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; could not be closed cleanly: %2.</source>
        <translation>La base de données « %1 » n&apos;a pas pu être fermée proprement : %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: permission denied.</source>
        <translation>Le fichier « %1 » ne peut pas être lu : permission refusée.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be opened: %2.</source>
        <translation>Le fichier « %1 » ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>Le fichier « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Sentara database file.</source>
        <translation>Le fichier « %1 » n&apos;est pas une base de données Sentara.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is empty: it is not a Sentara database file.</source>
        <translation>Le fichier « %1 » est vide : ce n&apos;est pas une base de données Sentara.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be used: %2.</source>
        <translation>Le fichier « %1 » ne peut pas être utilisé : %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Sentara database: it lacks %2.</source>
        <translation>Le fichier « %1 » n&apos;est pas une base de données Sentara : il lui manque %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written.</source>
        <translation>Le fichier « %1 » ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is in use by another program.</source>
        <translation>Le fichier « %1 » est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.</source>
        <translation>Le fichier « %1 » existe déjà.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read.</source>
        <translation>Le fichier « %1 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists; a new database is created only where no file is.</source>
        <translation>Le fichier « %1 » existe déjà ; une nouvelle base de données n&apos;est créée que là où aucun fichier n&apos;existe.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be created.</source>
        <translation>Le dossier « %1 » ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be created: %2.</source>
        <translation>Le fichier « %1 » ne peut pas être créé : %2.</translation>
    </message>
    <message>
        <source>The new database &apos;%1&apos; cannot be written: %2.</source>
        <translation>La nouvelle base de données « %1 » ne peut pas être écrite : %2.</translation>
    </message>
</context>
<context>
    <name>duplicates</name>
    <message>
        <source>Reading %1 quotations...</source>
        <translation>Lecture de %1 citations...</translation>
    </message>
    <message>
        <source>Comparing the quotations...</source>
        <translation>Comparaison des citations...</translation>
    </message>
    <message>
        <source>The quotation with the key %1 is no longer in the collection.</source>
        <translation>La citation de clé %1 n&apos;est plus dans la collection.</translation>
    </message>
</context>
<context>
    <name>f_authors</name>
    <message>
        <source>Sentara - Authors</source>
        <translation>Sentara - Auteurs</translation>
    </message>
    <message>
        <source>Author &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>L&apos;auteur « %1 » ne peut pas être supprimé, car il est associé à une ou plusieurs citations.</translation>
    </message>
    <message>
        <source>Author not deleted.</source>
        <translation>Auteur non supprimé.</translation>
    </message>
    <message>
        <source>Existing name to be used?</source>
        <translation>Nom existant à utiliser ?</translation>
    </message>
    <message>
        <source>Author name replacement</source>
        <translation>Remplacement du nom de l&apos;auteur</translation>
    </message>
    <message>
        <source>Author &apos;%1&apos; not found.</source>
        <translation>Auteur « %1 » introuvable.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citations</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Choisir le fichier de l&apos;image</translation>
    </message>
    <message>
        <source>Change picture for this author</source>
        <translation>Changer l&apos;image de cet auteur</translation>
    </message>
    <message>
        <source>Show Quotes</source>
        <translation>Afficher les citations</translation>
    </message>
    <message>
        <source>Show this author&apos;s quotations in the main window (or double-click the list)</source>
        <translation>Afficher les citations de cet auteur dans la fenêtre principale (ou double-cliquer sur la liste)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Give this author&apos;s quotations to another author</source>
        <translation>Attribuer les citations de cet auteur à un autre auteur</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Go to an author at random</source>
        <translation>Aller à un auteur au hasard</translation>
    </message>
    <message>
        <source>Delete this author (only while no quotation names them)</source>
        <translation>Supprimer cet auteur (seulement si aucune citation ne le nomme)</translation>
    </message>
    <message>
        <source>Name filter</source>
        <translation>Filtre nom</translation>
    </message>
    <message>
        <source>Picture filter</source>
        <translation>Filtre image</translation>
    </message>
    <message>
        <source>Notes filter</source>
        <translation>Filtre notes</translation>
    </message>
    <message>
        <source>List the authors whose name, picture or notes hold one of the texts (Enter, F5)</source>
        <translation>Lister les auteurs dont le nom, l&apos;image ou les notes contiennent l&apos;un des textes (Entrée, F5)</translation>
    </message>
    <message>
        <source>Image (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp</source>
        <translation>Image (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>Le nom ne peut pas être vide</translation>
    </message>
    <message>
        <source>Author already present.</source>
        <translation>Auteur déjà présent.</translation>
    </message>
    <message>
        <source>Select the picture file</source>
        <translation>Choisir le fichier de l'image</translation>
    </message>
</context>
<context>
    <name>f_duplicates</name>
    <message>
        <source>Sentara - Find duplicates</source>
        <translation>Sentara - Rechercher les doublons</translation>
    </message>
    <message>
        <source>&amp;Near duplicates too, at least</source>
        <translation>Aussi les &amp;quasi-doublons, au moins</translation>
    </message>
    <message>
        <source>How much of two texts must be the same for them to be near duplicates</source>
        <translation>La part de deux textes qui doit être la même pour qu&apos;ils soient des quasi-doublons</translation>
    </message>
    <message>
        <source>Near duplicates at least, in percent</source>
        <translation>Quasi-doublons au moins, en pour cent</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Look for duplicates in the whole collection</source>
        <translation>Rechercher les doublons dans toute la collection</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Groupes de doublons</translation>
    </message>
    <message>
        <source>&amp;Keep this one, merge the others into it</source>
        <translation>&amp;Garder celle-ci, y fusionner les autres</translation>
    </message>
    <message>
        <source>The quotation chosen stays and takes the others&apos; note, subject and rate where it has none; the others of its group are deleted</source>
        <translation>La citation choisie reste et prend la remarque, le sujet et la note des autres là où elle n&apos;en a pas ; les autres de son groupe sont supprimées</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Looking for duplicates...</source>
        <translation>Recherche des doublons...</translation>
    </message>
    <message>
        <source>The duplicates could not be looked for.</source>
        <translation>Les doublons n&apos;ont pas pu être recherchés.</translation>
    </message>
    <message>
        <source>The same text, %1 times</source>
        <translation>Le même texte, %1 fois</translation>
    </message>
    <message>
        <source>Nearly the same text, %1 times</source>
        <translation>Presque le même texte, %1 fois</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Aucun doublon trouvé.</translation>
    </message>
    <message>
        <source>Groups: %1; quotations in them: %2</source>
        <translation>Groupes : %1 ; citations dans ces groupes : %2</translation>
    </message>
    <message>
        <source>Keep the quotation %1 and delete the %2 others of its group? It takes their note, subject and rate where it has none.</source>
        <translation>Garder la citation %1 et supprimer les %2 autres de son groupe ? Elle prend leur remarque, leur sujet et leur note là où elle n&apos;en a pas.</translation>
    </message>
    <message>
        <source>No duplicates left.</source>
        <translation>Plus aucun doublon.</translation>
    </message>
    <message>
        <source>Groups left: %1</source>
        <translation>Groupes restants : %1</translation>
    </message>
</context>
<context>
    <name>f_export</name>
    <message>
        <source>Sentara - Export</source>
        <translation>Sentara - Exportation</translation>
    </message>
    <message>
        <source>Include after quote text</source>
        <translation>Inclure après le texte</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>All info</source>
        <translation>Toutes les informations</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>Regroupement</translation>
    </message>
    <message>
        <source>Group by author</source>
        <translation>Grouper par auteur</translation>
    </message>
    <message>
        <source>Do no group</source>
        <translation>Ne pas grouper</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Text opens in the text viewer; a fortune file (author and note only) or CSV is saved where you choose</source>
        <translation>Texte s&apos;ouvre dans la visionneuse ; un fichier fortune (auteur et note seulement) ou CSV est enregistré où vous le choisissez</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Export now</source>
        <translation>Exporter maintenant</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Close without exporting (Esc)</source>
        <translation>Fermer sans exporter (Échap)</translation>
    </message>
    <message>
        <source>Grouping by author is only possible if quotes are ordered by author. Go back to the main window and click on the author column header, the retry to export.</source>
        <translation>Le regroupement par auteur n&apos;est possible que si les citations sont triées par auteur. Revenez à la fenêtre principale, cliquez sur l&apos;en-tête de la colonne des auteurs, puis relancez l&apos;exportation.</translation>
    </message>
    <message>
        <source>Save the quotes as a fortune file</source>
        <translation>Enregistrer les citations en fichier fortune</translation>
    </message>
    <message>
        <source>Save the quotes as CSV</source>
        <translation>Enregistrer les citations en CSV</translation>
    </message>
    <message>
        <source>%1 quotes exported to &apos;%2&apos;.</source>
        <translation>%1 citations exportées dans &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>
The index fortune reads is &apos;%1.dat&apos;.</source>
        <translation>
L&apos;index que lit fortune est &apos;%1.dat&apos;.</translation>
    </message>
    <message>
        <source>

The index fortune reads (&apos;%1.dat&apos;) could not be written: %2.</source>
        <translation>

L&apos;index que lit fortune (&apos;%1.dat&apos;) n&apos;a pas pu être écrit : %2.</translation>
    </message>
    <message>
        <source>Reading the quotations to export...</source>
        <translation>Lecture des citations à exporter...</translation>
    </message>
    <message>
        <source>The quotations could not be read; nothing was exported.</source>
        <translation>Les citations n&apos;ont pas pu être lues ; rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>

Export them all as CSV instead?</source>
        <translation>

Les exporter toutes en CSV à la place ?</translation>
    </message>
    <message>
        <source>Write the text as it is, with those quotations as the text format holds them?</source>
        <translation>Écrire le texte tel quel, avec ces citations telles que le format texte les contient ?</translation>
    </message>
    <message>
        <source>There is no quote to be exported</source>
        <translation>Il n&apos;y a aucune citation à exporter</translation>
    </message>
    <message>
        <source>Save the quotes as text</source>
        <translation>Enregistrer les citations en texte</translation>
    </message>
</context>
<context>
    <name>f_import</name>
    <message>
        <source>Text to be imported missing</source>
        <translation>Le texte à importer manque</translation>
    </message>
    <message>
        <source>Sentara - Import</source>
        <translation>Sentara - Importation</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Texte d&apos;entrée</translation>
    </message>
    <message>
        <source>Result of processing</source>
        <translation>Résultat du traitement</translation>
    </message>
    <message>
        <source>Import from file...</source>
        <translation>Importer d&apos;un fichier...</translation>
    </message>
    <message>
        <source>Add the lines of a text file to the input text and process them</source>
        <translation>Ajoute les lignes d&apos;un fichier texte au texte d&apos;entrée et les traite</translation>
    </message>
    <message>
        <source>Process input text</source>
        <translation>Traiter le texte d&apos;entrée</translation>
    </message>
    <message>
        <source>Find the quotations in the input text (Ctrl+Return)</source>
        <translation>Trouve les citations dans le texte d&apos;entrée (Ctrl+Entrée)</translation>
    </message>
    <message>
        <source>Randomize results</source>
        <translation>Résultats dans un ordre aléatoire</translation>
    </message>
    <message>
        <source>Clear text</source>
        <translation>Effacer le texte</translation>
    </message>
    <message>
        <source>Empty both texts</source>
        <translation>Vide les deux textes</translation>
    </message>
    <message>
        <source>Import resulting quotes</source>
        <translation>Importer les citations obtenues</translation>
    </message>
    <message>
        <source>Add the quotations found to the database</source>
        <translation>Ajoute à la base les citations trouvées</translation>
    </message>
    <message>
        <source>The author of the quotations that name none; &quot;Anonymous&quot; (or nothing) takes the author from the parentheses at the end of each line</source>
        <translation>L&apos;auteur des citations qui n&apos;en nomment aucun ; &quot;Anonymous&quot; (ou rien) prend l&apos;auteur entre les parenthèses en fin de ligne</translation>
    </message>
    <message>
        <source>The language of the quotations that give none</source>
        <translation>La langue des citations qui n&apos;en indiquent aucune</translation>
    </message>
    <message>
        <source>How the input text is read: guessed when a file is loaded; another choice processes the input again</source>
        <translation>Comment lire le texte d&apos;entrée : deviné au chargement d&apos;un fichier ; un autre choix le traite à nouveau</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Add/edit author</source>
        <translation>Ajouter/modifier un auteur</translation>
    </message>
    <message>
        <source>Open the authors window</source>
        <translation>Ouvre la fenêtre des auteurs</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Bring the main window to the front</source>
        <translation>Amène la fenêtre principale au premier plan</translation>
    </message>
    <message>
        <source>Duplicated quotes in input text: 0</source>
        <translation>Citations en double dans le texte : 0</translation>
    </message>
    <message>
        <source>Duplicated quotes in database: 0</source>
        <translation>Citations déjà dans la base : 0</translation>
    </message>
    <message>
        <source>New quotes:  0</source>
        <translation>Nouvelles citations :  0</translation>
    </message>
    <message>
        <source>Processing as %1...</source>
        <translation>Traitement comme %1...</translation>
    </message>
    <message>
        <source>Reading the collection to compare with...</source>
        <translation>Lecture de la collection à comparer...</translation>
    </message>
    <message>
        <source>The text could not be processed.</source>
        <translation>Le texte n&apos;a pas pu être traité.</translation>
    </message>
    <message>
        <source>Select the text file with the quotes to import</source>
        <translation>Choisissez le fichier texte des citations à importer</translation>
    </message>
    <message>
        <source>Quotations (*.txt;*.csv;*.tsv;*.wri;*.dat)|*.txt;*.csv;*.tsv;*.wri;*.dat|All files (*)|*</source>
        <translation>Citations (*.txt;*.csv;*.tsv;*.wri;*.dat)|*.txt;*.csv;*.tsv;*.wri;*.dat|Tous les fichiers (*)|*</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is read as %2: it takes the place of the input text.</source>
        <translation>Le fichier &apos;%1&apos; est lu comme %2 : il remplace le texte d&apos;entrée.</translation>
    </message>
    <message>
        <source>Importing %1 quotations...</source>
        <translation>Importation de %1 citations...</translation>
    </message>
    <message>
        <source>The quotations could not be imported; none was added.</source>
        <translation>Les citations n&apos;ont pas pu être importées ; aucune n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>

New authors: %1. New subjects: %2. Their names are listed in the report.</source>
        <translation>

Nouveaux auteurs : %1. Nouveaux sujets : %2. Leurs noms figurent dans le compte rendu.</translation>
    </message>
    <message>
        <source>Listing the quotations...</source>
        <translation>Liste des citations...</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Putting the file&apos;s text into the input box...</source>
        <translation>Le texte du fichier est placé dans la zone de saisie...</translation>
    </message>
    <message>
        <source>The input text has not been imported. Close the import window and lose it?</source>
        <translation>Le texte à importer n&apos;a pas été importé. Fermer la fenêtre d&apos;importation et le perdre ?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>f_languages</name>
    <message>
        <source>Sentara - Languages</source>
        <translation>Sentara - Langues</translation>
    </message>
    <message>
        <source>Subject &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>Le sujet « %1 » ne peut pas être supprimé, car il est associé à une ou plusieurs citations.</translation>
    </message>
    <message>
        <source>Language not deleted.</source>
        <translation>Langue non supprimée.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Default language</source>
        <translation>Langue par défaut</translation>
    </message>
    <message>
        <source>Show quotes</source>
        <translation>Afficher les citations</translation>
    </message>
    <message>
        <source>Show this language&apos;s quotations in the main window</source>
        <translation>Afficher les citations dans cette langue dans la fenêtre principale</translation>
    </message>
    <message>
        <source>Delete this language (only while no quotation is in it)</source>
        <translation>Supprimer cette langue (seulement si aucune citation n&apos;est dans cette langue)</translation>
    </message>
    <message>
        <source>Code cannot be empty</source>
        <translation>Le code ne peut pas être vide</translation>
    </message>
    <message>
        <source>Code already present.</source>
        <translation>Code déjà présent.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citations</translation>
    </message>
</context>
<context>
    <name>f_main</name>
    <message>
        <source>Undo de&amp;lete</source>
        <translation>Annu&amp;ler la suppression</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>There is no deletion to undo.</source>
        <translation>Il n&apos;y a aucune suppression à annuler.</translation>
    </message>
    <message>
        <source>Restoring the deleted quotations...</source>
        <translation>Restauration des citations supprimées...</translation>
    </message>
    <message>
        <source>The deletion could not be undone; nothing was restored.</source>
        <translation>La suppression n&apos;a pas pu être annulée ; rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Find &amp;duplicates...</source>
        <translation>Rechercher les &amp;doublons...</translation>
    </message>
    <message>
        <source>Quotations kept more than once, the same or nearly the same text</source>
        <translation>Les citations présentes plusieurs fois, au texte identique ou presque</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Overview...</source>
        <translation>&amp;Vue d&apos;ensemble...</translation>
    </message>
    <message>
        <source>Charts of the collection: quotations per subject, language and rate, the authors with most</source>
        <translation>Graphiques de la collection : citations par sujet, langue et note, les auteurs qui en ont le plus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Change database</source>
        <translation>&amp;Changer de base</translation>
    </message>
    <message>
        <source>Open recen&amp;t</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Open &amp;Access collection...</source>
        <translation>Ouvrir une collection &amp;Access...</translation>
    </message>
    <message>
        <source>Make a new database from a collection kept in an Access (.mdb) file</source>
        <translation>Créer une nouvelle base à partir d&apos;une collection conservée dans un fichier Access (.mdb)</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>Show help before slide show (Yes/No)</source>
        <translation>Afficher l&apos;aide avant le diaporama (Oui/Non)</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Add new</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Undo edit</source>
        <translation>&amp;Annuler la modification</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>S&amp;uivante</translation>
    </message>
    <message>
        <source>&amp;Random quotation</source>
        <translation>Citation au &amp;hasard</translation>
    </message>
    <message>
        <source>&amp;Text filter</source>
        <translation>Filtre sur le &amp;texte</translation>
    </message>
    <message>
        <source>&amp;Filter (read again)</source>
        <translation>&amp;Filtrer (relire)</translation>
    </message>
    <message>
        <source>&amp;Clear all filters</source>
        <translation>&amp;Vider tous les filtres</translation>
    </message>
    <message>
        <source>Random &amp;order</source>
        <translation>&amp;Ordre aléatoire</translation>
    </message>
    <message>
        <source>Filter on current aut&amp;hor</source>
        <translation>Filtrer sur l&apos;auteu&amp;r courant</translation>
    </message>
    <message>
        <source>Filter on current su&amp;bject</source>
        <translation>Filtrer sur le su&amp;jet courant</translation>
    </message>
    <message>
        <source>E&amp;xport filtered quotes...</source>
        <translation>E&amp;xporter les citations filtrées...</translation>
    </message>
    <message>
        <source>Slide sho&amp;w</source>
        <translation>&amp;Diaporama</translation>
    </message>
    <message>
        <source>Delete filtered &amp;quotes...</source>
        <translation>Supprimer les &amp;citations filtrées...</translation>
    </message>
    <message>
        <source>S&amp;ort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>, ascending</source>
        <translation>, croissant</translation>
    </message>
    <message>
        <source>, descending</source>
        <translation>, décroissant</translation>
    </message>
    <message>
        <source>&amp;Authors</source>
        <translation>&amp;Auteurs</translation>
    </message>
    <message>
        <source>&amp;Subjects</source>
        <translation>&amp;Sujets</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Langues</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Web sites</source>
        <translation>Sites web</translation>
    </message>
    <message>
        <source>&amp;Readme.txt</source>
        <translation>&amp;Lisez-moi (Readme.txt)</translation>
    </message>
    <message>
        <source>Author&apos;s web site</source>
        <translation>Site web de l&apos;auteur</translation>
    </message>
    <message>
        <source>Customer service and technical support</source>
        <translation>Service clients et assistance technique</translation>
    </message>
    <message>
        <source>About Sentara</source>
        <translation>À propos de Sentara</translation>
    </message>
    <message>
        <source>&amp;Version History</source>
        <translation>&amp;Historique des versions</translation>
    </message>
    <message>
        <source>Edit operation in progress. Do you want to exit without saving changes?</source>
        <translation>Modification en cours. Voulez-vous quitter sans enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Access database (*.mdb;*.accdb)|*.mdb;*.accdb|All files (*)|*</source>
        <translation>Base Access (*.mdb;*.accdb)|*.mdb;*.accdb|Tous les fichiers (*)|*</translation>
    </message>
    <message>
        <source>Name the new database made from the collection</source>
        <translation>Nommez la nouvelle base créée à partir de la collection</translation>
    </message>
    <message>
        <source>Making a new database from &apos;%1&apos;...</source>
        <translation>Création d&apos;une nouvelle base à partir de « %1 »...</translation>
    </message>
    <message>
        <source>Reading &apos;%1&apos;...</source>
        <translation>Lecture de « %1 »...</translation>
    </message>
    <message>
        <source>No database was made.</source>
        <translation>Aucune base n&apos;a été créée.</translation>
    </message>
    <message>
        <source>Sentara - Import report</source>
        <translation>Sentara - Rapport d&apos;importation</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was made from &apos;%2&apos;: %3.%4

The window now shows it.</source>
        <translation>La base « %1 » a été créée à partir de « %2 » : %3.%4

La fenêtre l&apos;affiche maintenant.</translation>
    </message>
    <message>
        <source>
The rows that did not fit are listed in the report.</source>
        <translation>
Les lignes qui ne convenaient pas sont listées dans le rapport.</translation>
    </message>
    <message>
        <source>New random numbers for every quotation...</source>
        <translation>Nouveaux nombres aléatoires pour chaque citation...</translation>
    </message>
    <message>
        <source>The quotations could not be given new random numbers; none was changed.</source>
        <translation>Les citations n&apos;ont pas pu recevoir de nouveaux nombres aléatoires ; aucune n&apos;a été modifiée.</translation>
    </message>
    <message>
        <source>Randomization executed.</source>
        <translation>Mélange effectué.</translation>
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
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Enregistrer sous...</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Enregistrer le texte sous</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt</source>
        <translation>Texte (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2</source>
        <translation>Le fichier « %1 » ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>f_overview</name>
    <message>
        <source>Sentara - Overview</source>
        <translation>Sentara - Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Sujets</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Authors</source>
        <translation>Auteurs</translation>
    </message>
    <message>
        <source>Save as &amp;picture...</source>
        <translation>Enregistrer comme &amp;image...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Quotations per subject</source>
        <translation>Citations par sujet</translation>
    </message>
    <message>
        <source>Quotations per language</source>
        <translation>Citations par langue</translation>
    </message>
    <message>
        <source>Quotations per rate</source>
        <translation>Citations par note</translation>
    </message>
    <message>
        <source>The authors with most quotations</source>
        <translation>Les auteurs qui ont le plus de citations</translation>
    </message>
    <message>
        <source>Quotations</source>
        <translation>Citations</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>sans note</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>%1 (the %2 largest of %3)</source>
        <translation>%1 (les %2 plus grands sur %3)</translation>
    </message>
    <message>
        <source>%1 quotations. A click on a bar shows its quotations in the main window.</source>
        <translation>%1 citations. Un clic sur une barre affiche ses citations dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>L&apos;image n&apos;a pas pu être écrite dans %1.</translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG or SVG picture</source>
        <translation>Enregistrer le graphique affiché comme image PNG ou SVG</translation>
    </message>
    <message>
        <source>PNG or SVG picture|*.png;*.svg</source>
        <translation>Image PNG ou SVG|*.png;*.svg</translation>
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
    <name>f_subjects</name>
    <message>
        <source>Sentara - Subjects</source>
        <translation>Sentara - Sujets</translation>
    </message>
    <message>
        <source>Subject &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>Le sujet « %1 » ne peut pas être supprimé, car il est associé à une ou plusieurs citations.</translation>
    </message>
    <message>
        <source>Subject not deleted.</source>
        <translation>Sujet non supprimé.</translation>
    </message>
    <message>
        <source>Existing subject to be used?</source>
        <translation>Sujet existant à utiliser ?</translation>
    </message>
    <message>
        <source>Subject replacement</source>
        <translation>Remplacement du sujet</translation>
    </message>
    <message>
        <source>Subject &apos;%1&apos; not found.</source>
        <translation>Sujet « %1 » introuvable.</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citations</translation>
    </message>
    <message>
        <source>Show Quotes</source>
        <translation>Afficher les citations</translation>
    </message>
    <message>
        <source>Show this subject&apos;s quotations in the main window (or double-click the list)</source>
        <translation>Afficher les citations de ce sujet dans la fenêtre principale (ou double-cliquer sur la liste)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>File this subject&apos;s quotations under another subject</source>
        <translation>Classer les citations de ce sujet sous un autre sujet</translation>
    </message>
    <message>
        <source>Delete this subject (only while no quotation uses it)</source>
        <translation>Supprimer ce sujet (seulement si aucune citation ne l&apos;utilise)</translation>
    </message>
    <message>
        <source>Subject filter</source>
        <translation>Filtre sujet</translation>
    </message>
    <message>
        <source>List the subjects that hold the text (Enter, F5)</source>
        <translation>Lister les sujets qui contiennent le texte (Entrée, F5)</translation>
    </message>
    <message>
        <source>List every subject again; the text stays for the next Filter</source>
        <translation>Lister à nouveau tous les sujets ; le texte reste pour le prochain Filtrer</translation>
    </message>
    <message>
        <source>Subject cannot be empty</source>
        <translation>Le sujet ne peut pas être vide</translation>
    </message>
    <message>
        <source>Subject already present.</source>
        <translation>Sujet déjà présent.</translation>
    </message>
</context>
<context>
    <name>f_trash</name>
    <message>
        <source>Sentara - Trash</source>
        <translation>Sentara - Corbeille</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Citation</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimée</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>List the deleted quotations whose text or author holds the text (Enter)</source>
        <translation>Lister les citations supprimées dont le texte ou l&apos;auteur contient le texte (Entrée)</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Effacer le filtre</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Put the quotations picked with the row selectors back, or the current one (Ctrl+R)</source>
        <translation>Remettre les citations choisies avec les sélecteurs de ligne, ou la citation courante (Ctrl+R)</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>Tout restaurer</translation>
    </message>
    <message>
        <source>Empty the Trash...</source>
        <translation>Vider la corbeille...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Fermer cette fenêtre (Échap)</translation>
    </message>
    <message>
        <source>Text or author</source>
        <translation>Texte ou auteur</translation>
    </message>
    <message>
        <source>Quotations: %1</source>
        <translation>Citations : %1</translation>
    </message>
    <message>
        <source>Restoring quotations...</source>
        <translation>Restauration des citations...</translation>
    </message>
    <message>
        <source>The quotations could not be restored; none was restored.</source>
        <translation>Les citations n&apos;ont pas pu être restaurées ; aucune n&apos;a été restaurée.</translation>
    </message>
    <message>
        <source>Do you really want to empty the Trash? Its quotations, authors, subjects, languages and web sites are then gone for good, and Undo delete can no longer bring them back.</source>
        <translation>Voulez-vous vraiment vider la corbeille ? Ses citations, auteurs, sujets, langues et sites web seront perdus pour de bon, et Annuler la suppression ne pourra plus les ramener.</translation>
    </message>
    <message>
        <source>
(and %1 more)</source>
        <translation>
(et %1 de plus)</translation>
    </message>
    <message>
        <source>for ever</source>
        <translation>pour toujours</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Keep deleted quotations</source>
        <translation>Garder les citations supprimées</translation>
    </message>
    <message>
        <source>Quotations deleted longer ago are forgotten when Sentara starts; 0 keeps them for ever</source>
        <translation>Les citations supprimées depuis plus longtemps sont oubliées au démarrage de Sentara ; 0 les garde pour toujours</translation>
    </message>
</context>
<context>
    <name>f_websites</name>
    <message>
        <source>Sentara - Web Sites</source>
        <translation>Sentara - Sites web</translation>
    </message>
    <message>
        <source>Web site not deleted.</source>
        <translation>Site web non supprimé.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Go to site</source>
        <translation>Aller au site</translation>
    </message>
    <message>
        <source>Open the address in the web browser (or double-click the list)</source>
        <translation>Ouvrir l&apos;adresse dans le navigateur (ou double-cliquer sur la liste)</translation>
    </message>
    <message>
        <source>Name filter</source>
        <translation>Filtre nom</translation>
    </message>
    <message>
        <source>Notes filter</source>
        <translation>Filtre notes</translation>
    </message>
    <message>
        <source>Language Filter </source>
        <translation>Filtre langue </translation>
    </message>
    <message>
        <source>List the sites whose name or notes hold the texts, or in the language (Enter, F5)</source>
        <translation>Lister les sites dont le nom ou les notes contiennent les textes, ou dans la langue (Entrée, F5)</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>Le nom ne peut pas être vide</translation>
    </message>
    <message>
        <source>Web site already present.</source>
        <translation>Site web déjà présent.</translation>
    </message>
    <message>
        <source>This web site has no address.</source>
        <translation>Ce site web n&apos;a pas d&apos;adresse.</translation>
    </message>
    <message>
        <source>No program could open &apos;%1&apos;.</source>
        <translation>Aucun programme n&apos;a pu ouvrir « %1 ».</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Not opened: only an address beginning with http://, https://, ftp:// or www. is opened in the web browser.</source>
        <translation>Non ouvert : seule une adresse commençant par http://, https://, ftp:// ou www. est ouverte dans le navigateur web.</translation>
    </message>
    <message>
        <source>name filter</source>
        <translation>le filtre du nom</translation>
    </message>
    <message>
        <source>notes filter</source>
        <translation>le filtre des notes</translation>
    </message>
    <message>
        <source>language filter</source>
        <translation>le filtre de la langue</translation>
    </message>
</context>
<context>
    <name>factories</name>
    <message>
        <source>Clear the %1</source>
        <translation>Vider %1</translation>
    </message>
</context>
<context>
    <name>fortune_format</name>
    <message>
        <source>none of its %1 lines is a &quot;%&quot; line, the line between two cookies</source>
        <translation>aucune de ses %1 lignes n&apos;est une ligne &quot;%&quot;, la ligne entre deux biscuits</translation>
    </message>
    <message>
        <source>strfile is not installed</source>
        <translation>strfile n&apos;est pas installé</translation>
    </message>
    <message>
        <source>strfile failed%1</source>
        <translation>strfile a échoué%1</translation>
    </message>
</context>
<context>
    <name>grid_keys</name>
    <message>
        <source>Sentara prepares the %1 quotations of this collection for fast sorting and filtering, once: %2.</source>
        <translation>Sentara prépare les %1 citations de cette collection pour un tri et un filtrage rapides, une seule fois : %2.</translation>
    </message>
    <message>
        <source>keying the texts</source>
        <translation>calcul des clés des textes</translation>
    </message>
    <message>
        <source>building the index %1</source>
        <translation>construction de l&apos;index %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>not available</source>
        <translation>non disponible</translation>
    </message>
    <message>
        <source>SENTARA VERSION HISTORY </source>
        <translation>HISTORIQUE DES VERSIONS DE SENTARA </translation>
    </message>
    <message>
        <source>Current version is %1</source>
        <translation>La version actuelle est %1</translation>
    </message>
    <message>
        <source>It includes the following changes (F = bug fixed, I = improvement, N = new function)</source>
        <translation>Elle comprend les changements suivants (F = bogue corrigé, I = amélioration, N = nouvelle fonction)</translation>
    </message>
    <message>
        <source>%1 - Version history</source>
        <translation>%1 - Historique des versions</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 version %2</translation>
    </message>
    <message>
        <source>Sentara is made by the Sentara project.</source>
        <translation>Sentara est réalisé par le projet Sentara.</translation>
    </message>
    <message>
        <source>Look for updates on the Sentara web site: %1</source>
        <translation>Cherchez les mises à jour sur le site de Sentara : %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>You can get customer service and technical support for %1 in one of the following ways:</source>
        <translation>Vous pouvez obtenir le service client et l&apos;assistance technique de %1 de l&apos;une des façons suivantes :</translation>
    </message>
    <message>
        <source>- Send e-mail to %1 with your questions or problem reports</source>
        <translation>- Envoyez un courriel à %1 avec vos questions ou vos signalements de problèmes</translation>
    </message>
    <message>
        <source>- Call telephone # %1</source>
        <translation>- Appelez le n° %1</translation>
    </message>
    <message>
        <source>You are kindly invited to contact us for any problems, inquiries or comments. We appreciate being informed of your experience with %1 and are willing to improve this program according to your comments and suggestions.</source>
        <translation>N&apos;hésitez pas à nous contacter pour tout problème, question ou remarque. Nous aimons connaître votre expérience de %1 et sommes prêts à améliorer ce programme selon vos remarques et suggestions.</translation>
    </message>
    <message>
        <source>Customer service and technical support</source>
        <translation>Service client et assistance technique</translation>
    </message>
</context>
<context>
    <name>import_formats</name>
    <message>
        <source>The input text</source>
        <translation>Le texte d&apos;entrée</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos;</source>
        <translation>Le fichier &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to import.</source>
        <translation>%1 est vide : il n&apos;y a rien à importer.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>ligne %1 : </translation>
    </message>
    <message>
        <source>%1 cannot be imported as %2: %3%4.</source>
        <translation>%1 ne peut pas être importé comme %2 : %3%4.</translation>
    </message>
</context>
<context>
    <name>kindle_clippings</name>
    <message>
        <source>no line is the separator of the clippings (%1)</source>
        <translation>aucune ligne n&apos;est le séparateur des coupures (%1)</translation>
    </message>
    <message>
        <source>the line under the book&apos;s title should say what the clipping is (&quot;- Your Highlight on page 1 | Location 10-12 | ...&quot;)</source>
        <translation>la ligne sous le titre du livre devrait dire ce qu&apos;est la coupure (&quot;- Your Highlight on page 1 | Location 10-12 | ...&quot;)</translation>
    </message>
    <message>
        <source>HIGHLIGHTS HELD BY A LONGER ONE OF THE SAME BOOK SKIPPED (THE LONGER KEPT):</source>
        <translation>SURLIGNAGES CONTENUS DANS UN PLUS LONG DU MÊME LIVRE IGNORÉS (LE PLUS LONG GARDÉ) :</translation>
    </message>
    <message>
        <source>CLIPPINGS CUT BY THE CLIPPING LIMIT OF THEIR BOOK SKIPPED (NO TEXT):</source>
        <translation>EXTRAITS COUPÉS PAR LA LIMITE D&apos;EXTRAITS DE LEUR LIVRE IGNORÉS (SANS TEXTE) :</translation>
    </message>
    <message>
        <source>BOOKMARKS SKIPPED (NOT QUOTATIONS):</source>
        <translation>SIGNETS IGNORÉS (CE NE SONT PAS DES CITATIONS) :</translation>
    </message>
    <message>
        <source>NOTES WITHOUT A HIGHLIGHT AT THEIR LOCATION SKIPPED:</source>
        <translation>NOTES SANS SURLIGNAGE À LEUR EMPLACEMENT IGNORÉES :</translation>
    </message>
    <message>
        <source>CLIPPINGS OF ANOTHER KIND SKIPPED:</source>
        <translation>EXTRAITS D&apos;UN AUTRE TYPE IGNORÉS :</translation>
    </message>
</context>
<context>
    <name>long_work</name>
    <message>
        <source>About %1 min left.</source>
        <translation>Environ %1 min restantes.</translation>
    </message>
    <message>
        <source>About %1 s left.</source>
        <translation>Environ %1 s restantes.</translation>
    </message>
    <message>
        <source>Stopped: nothing was changed.</source>
        <translation>Arrêté : rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>

Error %1 - %2</source>
        <translation>

Erreur %1 - %2</translation>
    </message>
</context>
<context>
    <name>quote_export</name>
    <message>
        <source>it has no text</source>
        <translation>elle n&apos;a pas de texte</translation>
    </message>
    <message>
        <source>its text has more than one line</source>
        <translation>son texte a plus d&apos;une ligne</translation>
    </message>
    <message>
        <source>its text begins with &quot;.&quot;, the mark of a detail line</source>
        <translation>son texte commence par &quot;.&quot;, la marque d&apos;une ligne de détail</translation>
    </message>
    <message>
        <source>its text begins with a no-break space</source>
        <translation>son texte commence par une espace insécable</translation>
    </message>
    <message>
        <source>its author holds parentheses</source>
        <translation>son auteur contient des parenthèses</translation>
    </message>
    <message>
        <source>its text ends in parentheses, which would be read as its author</source>
        <translation>son texte finit par des parenthèses, qui seraient lues comme son auteur</translation>
    </message>
    <message>
        <source>its note holds a full stop or a line break</source>
        <translation>sa note contient un point ou un saut de ligne</translation>
    </message>
    <message>
        <source>its subject holds a full stop or a line break</source>
        <translation>son sujet contient un point ou un saut de ligne</translation>
    </message>
    <message>
        <source>it begins like an earlier one (its first 40 characters)</source>
        <translation>elle commence comme une précédente (ses 40 premiers caractères)</translation>
    </message>
    <message>
        <source>%1 of the %2 quotations cannot be written whole in the text format, which holds one line a quotation; read back, they would come in changed, split or not at all:
</source>
        <translation>%1 des %2 citations ne peuvent pas être écrites en entier au format texte, qui tient une ligne par citation ; relues, elles reviendraient modifiées, coupées ou pas du tout :
</translation>
    </message>
    <message>
        <source>

CSV carries every field of every quotation.</source>
        <translation>

Le CSV conserve chaque champ de chaque citation.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2.</source>
        <translation>Le fichier &apos;%1&apos; ne peut pas être écrit : %2.</translation>
    </message>
</context>
<context>
    <name>quote_import</name>
    <message>
        <source>Duplicated quotes in input text: %1</source>
        <translation>Citations en double dans le texte : %1</translation>
    </message>
    <message>
        <source>Duplicated quotes in database: %1</source>
        <translation>Citations déjà dans la base : %1</translation>
    </message>
    <message>
        <source>New quotes: %1</source>
        <translation>Nouvelles citations : %1</translation>
    </message>
    <message>
        <source>Author cannot be empty as at least one quotation comes without author</source>
        <translation>L&apos;auteur ne peut pas être vide, car au moins une citation vient sans auteur</translation>
    </message>
    <message>
        <source>Language cannot be empty as for at least one quotation no language is specified</source>
        <translation>La langue ne peut pas être vide, car au moins une citation n&apos;indique aucune langue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; will be used as default language</source>
        <translation>&quot;%1&quot; sera utilisée comme langue par défaut</translation>
    </message>
    <message>
        <source>%1 quotes added in database.</source>
        <translation>%1 citations ajoutées à la base.</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... et %1 lignes de plus</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: it does not exist.</source>
        <translation>Le fichier &apos;%1&apos; ne peut pas être lu : il n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: it is a folder.</source>
        <translation>Le fichier &apos;%1&apos; ne peut pas être lu : c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>Le fichier &apos;%1&apos; ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a text file: it holds binary data (NUL bytes), and is not UTF-16 text either.</source>
        <translation>Le fichier &apos;%1&apos; n&apos;est pas un fichier texte : il contient des données binaires (octets NUL) et n&apos;est pas non plus du texte UTF-16.</translation>
    </message>
    <message>
        <source>    is nearly the same as, in the input: %1</source>
        <translation>    est presque identique à, dans le texte : %1</translation>
    </message>
    <message>
        <source>    is nearly the same as, in the database: %1</source>
        <translation>    est presque identique à, dans la base : %1</translation>
    </message>
    <message>
        <source>NEARLY THE SAME AS ANOTHER QUOTATION, KEPT FOR THE IMPORT (TAKE OUT OF THE INPUT THE ONES YOU DO NOT WANT):</source>
        <translation>PRESQUE IDENTIQUES À UNE AUTRE CITATION, GARDÉES POUR L&apos;IMPORTATION (RETIREZ DU TEXTE CELLES QUE VOUS NE VOULEZ PAS) :</translation>
    </message>
    <message>
        <source>POSSIBLE DUPLICATED ITEMS IN INPUT TEXT SKIPPED:</source>
        <translation>ÉLÉMENTS PEUT-ÊTRE EN DOUBLE DANS LE TEXTE IGNORÉS :</translation>
    </message>
    <message>
        <source>ITEMS ALREADY IN DATABASE SKIPPED:</source>
        <translation>ÉLÉMENTS DÉJÀ DANS LA BASE IGNORÉS :</translation>
    </message>
    <message>
        <source>LINES WITHOUT QUOTATION TEXT SKIPPED:</source>
        <translation>LIGNES SANS TEXTE DE CITATION IGNORÉES :</translation>
    </message>
    <message>
        <source>DIRECTIVES BEFORE THE FIRST QUOTATION IGNORED:</source>
        <translation>DIRECTIVES AVANT LA PREMIÈRE CITATION IGNORÉES :</translation>
    </message>
    <message>
        <source>RATES OTHER THAN 1, 2 OR 3 IGNORED:</source>
        <translation>NOTES AUTRES QUE 1, 2 OU 3 IGNORÉES :</translation>
    </message>
    <message>
        <source>LANGUAGES NOT IN THE DATABASE IGNORED (THE DEFAULT LANGUAGE IS USED):</source>
        <translation>LANGUES ABSENTES DE LA BASE IGNORÉES (LA LANGUE PAR DÉFAUT EST UTILISÉE) :</translation>
    </message>
    <message>
        <source>AUTHORS ADDED TO THE DATABASE:</source>
        <translation>AUTEURS AJOUTÉS À LA BASE :</translation>
    </message>
    <message>
        <source>SUBJECTS ADDED TO THE DATABASE:</source>
        <translation>SUJETS AJOUTÉS À LA BASE :</translation>
    </message>
    <message>
        <source>LINES NOT IN UTF-8, READ AS WINDOWS-1252:</source>
        <translation>LIGNES HORS UTF-8, LUES EN WINDOWS-1252 :</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Select database file</source>
        <translation>Sélectionner le fichier de la base de données</translation>
    </message>
    <message>
        <source>error %1 - %2</source>
        <translation>erreur %1 - %2</translation>
    </message>
    <message>
        <source>Sentara compacts its collection and checks the copy...</source>
        <translation>Sentara compacte sa collection et vérifie la copie...</translation>
    </message>
    <message>
        <source>Sentara keeps a backup copy of its collection...</source>
        <translation>Sentara garde une copie de sauvegarde de sa collection...</translation>
    </message>
    <message>
        <source>The database could not be compacted; it is used as it is.
</source>
        <translation>La base de données n&apos;a pas pu être compactée ; elle est utilisée telle quelle.
</translation>
    </message>
    <message>
        <source>Stopped: the collection is used as it is, and its upkeep is done at a later start.</source>
        <translation>Arrêté : la collection est utilisée telle quelle, et son entretien se fera à un prochain démarrage.</translation>
    </message>
    <message>
        <source>Stopped: nothing was changed. The collection is used as it is, more slowly, and the work is offered again at the next start.</source>
        <translation>Arrêté : rien n&apos;a été modifié. La collection est utilisée telle quelle, plus lentement, et le travail sera proposé de nouveau au prochain démarrage.</translation>
    </message>
    <message>
        <source>
Error %1 - %2</source>
        <translation>
Erreur %1 - %2</translation>
    </message>
    <message>
        <source>Sentara puts its search index right, once.</source>
        <translation>Sentara remet en ordre son index de recherche, une seule fois.</translation>
    </message>
    <message>
        <source>The search index could not be put right; deleting quotations without notes may fail.</source>
        <translation>L&apos;index de recherche n&apos;a pas pu être remis en ordre ; la suppression de citations sans notes peut échouer.</translation>
    </message>
    <message>
        <source>Sentara measures its collection...</source>
        <translation>Sentara mesure sa collection...</translation>
    </message>
    <message>
        <source>Sentara builds the search index of its %1 quotations, once.</source>
        <translation>Sentara construit l&apos;index de recherche de ses %1 citations, une seule fois.</translation>
    </message>
    <message>
        <source>The search index could not be built; searches read the whole collection.</source>
        <translation>L&apos;index de recherche n&apos;a pas pu être construit ; les recherches lisent toute la collection.</translation>
    </message>
    <message>
        <source>Sentara prepares its collection for fast sorting, once.</source>
        <translation>Sentara prépare sa collection pour un tri rapide, une seule fois.</translation>
    </message>
    <message>
        <source>The collection could not be prepared for fast sorting; lists are sorted as they are read, more slowly.</source>
        <translation>La collection n&apos;a pas pu être préparée pour un tri rapide ; les listes sont triées à la lecture, plus lentement.</translation>
    </message>
    <message>
        <source>A new database cannot be created at &apos;%1&apos;.
%2</source>
        <translation>Impossible de créer une nouvelle base de données à « %1 ».
%2</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is already open by another instance of this program or by Access.</source>
        <translation>La base de données « %1 » est déjà ouverte par une autre instance de ce programme ou par Access.</translation>
    </message>
    <message>
        <source>Press OK to continue, Cancel to quit.</source>
        <translation>Appuyez sur OK pour continuer, Annuler pour quitter.</translation>
    </message>
    <message>
        <source>Press OK to use it all the same, Cancel to keep the database in use.</source>
        <translation>Appuyez sur OK pour l&apos;utiliser quand même, Annuler pour garder la base de données en cours.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be found.</source>
        <translation>La base de données « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>No quotation database was found.

Create a new database at &apos;%1&apos;? It starts with a few dozen sample quotations, which you may keep or delete.

Choose file... opens a database you already have.</source>
        <translation>Aucune base de données de citations n&apos;a été trouvée.

Créer une nouvelle base de données à « %1 » ? Elle commence avec quelques dizaines de citations d&apos;exemple, que vous pouvez garder ou supprimer.

Choisir un fichier... ouvre une base de données que vous avez déjà.</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>C&amp;hoose file...</source>
        <translation>Choisir un &amp;fichier...</translation>
    </message>
    <message>
        <source>The database cannot be opened.

%1</source>
        <translation>La base de données ne peut pas être ouverte.

%1</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be used: its folder is not writable.</source>
        <translation>La base de données « %1 » ne peut pas être utilisée : son dossier n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The database cannot be opened.

The file &apos;%1&apos;: %2</source>
        <translation>La base de données ne peut pas être ouverte.

Le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; is opened for reading only: this user may not change the file or its folder.

Quotations can be read, searched, exported and shown; edits, imports and the random order&apos;s moves are not saved.</source>
        <translation>La base de données « %1 » est ouverte en lecture seule : cet utilisateur ne peut pas modifier le fichier ni son dossier.

Les citations peuvent être lues, cherchées, exportées et affichées ; les modifications, les importations et les déplacements de l&apos;ordre aléatoire ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>Sentara database (*.mdb;*.sqo)|*.mdb;*.sqo|All files (*)|*</source>
        <translation>Base Sentara (*.mdb;*.sqo)|*.mdb;*.sqo|Tous les fichiers (*)|*</translation>
    </message>
</context>
<context>
    <name>trash</name>
    <message>
        <source>author</source>
        <translation>auteur</translation>
    </message>
    <message>
        <source>subject</source>
        <translation>sujet</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>web site</source>
        <translation>site web</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; was not restored: one of the same name was added since.</source>
        <translation>%1 « %2 » n&apos;a pas été restauré : un autre du même nom a été ajouté depuis.</translation>
    </message>
    <message>
        <source>The quotation %1 was not restored: the collection holds a newer one with the same key.</source>
        <translation>La citation %1 n&apos;a pas été restaurée : la collection en contient une plus récente avec la même clé.</translation>
    </message>
    <message>
        <source>%1 quotations were changed since and keep the name they have now.</source>
        <translation>%1 citations ont été modifiées depuis et gardent le nom qu&apos;elles ont maintenant.</translation>
    </message>
    <message>
        <source>The quotation kept was changed since and keeps what it has now.</source>
        <translation>La citation conservée a été modifiée depuis et garde ce qu&apos;elle contient maintenant.</translation>
    </message>
</context>
</TS>
