<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Application</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Error %1 - %2</translation>
    </message>
    <message>
        <source>Error - %1</source>
        <translation>Error - %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>Creates a new, empty database at &lt;path&gt; (never over an existing file).</source>
        <translation>Crea una base de datos nueva y vacía en &lt;ruta&gt; (nunca sobre un archivo existente).</translation>
    </message>
    <message>
        <source>path</source>
        <translation>ruta</translation>
    </message>
    <message>
        <source>With --create-database: a few dozen quotations to start with.</source>
        <translation>Con --create-database: unas decenas de citas para empezar.</translation>
    </message>
    <message>
        <source>Prints one quotation and its author, the next of the random order, and moves it to the back: calls go through the whole collection before any quotation comes again.</source>
        <translation>Imprime una cita y su autor, la siguiente del orden aleatorio, y la pasa al final: las llamadas recorren toda la colección antes de que una cita vuelva.</translation>
    </message>
    <message>
        <source>The database to use (default: the one the program used last).</source>
        <translation>La base de datos que usar (por omisión: la última que usó el programa).</translation>
    </message>
    <message>
        <source>With --random: quotations by this author (a part of the name will do). With --import: the author of the lines that name none.</source>
        <translation>Con --random: citas de este autor (basta una parte del nombre). Con --import: el autor de las líneas que no nombran ninguno.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>With --random: quotations on this subject. With --import: the subject of the quotations without one.</source>
        <translation>Con --random: citas sobre este tema. Con --import: el tema de las citas que no tienen ninguno.</translation>
    </message>
    <message>
        <source>With --random: quotations in this language. With --import: the language of the quotations without one.</source>
        <translation>Con --random: citas en este idioma. Con --import: el idioma de las citas que no tienen ninguno.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>With --random: rated at least &lt;n&gt; (1 to 3).</source>
        <translation>Con --random: con nota de al menos &lt;n&gt; (de 1 a 3).</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>With --random: quotations whose text holds &lt;text&gt;.</source>
        <translation>Con --random: citas cuyo texto contiene &lt;texto&gt;.</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>With --random: plain (default) or json. With --import: how &lt;file&gt; is read, text (one a line), fortune, csv or kindle (default: guessed from the file).</source>
        <translation>Con --random: plain (por omisión) o json. Con --import: cómo se lee &lt;archivo&gt;, text (una por línea), fortune, csv o kindle (por omisión: deducido del archivo).</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>Imports the quotations of &lt;file&gt; (as the import window reads them) into the database and prints the report.</source>
        <translation>Importa a la base de datos las citas de &lt;archivo&gt; (como las lee la ventana de importación) e imprime el informe.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Makes the new database named with --database from the collection in the Access file &lt;file&gt; (never over an existing file) and prints what it holds and the rows that did not fit.</source>
        <translation>Crea la base de datos nueva indicada con --database a partir de la colección del archivo Access &lt;archivo&gt; (nunca sobre un archivo existente) e imprime lo que contiene y las filas que no cupieron.</translation>
    </message>
    <message>
        <source>Writes the quotations (all, or those --author, --subject, --language, --min-rate and --filter choose, as with --random) to &lt;file&gt;, whole or not at all: --format csv (the default; every field), fortune (text, author, note) or text (the default for a name ending .txt).</source>
        <translation>Escribe las citas (todas, o las que eligen --author, --subject, --language, --min-rate y --filter, como con --random) en &lt;archivo&gt;, enteras o nada: --format csv (por omisión; todos los campos), fortune (texto, autor, nota) o text (por omisión para un nombre acabado en .txt).</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format with --export is %1, not &apos;%2&apos;</source>
        <translation>--format con --export es %1, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--author, --subject and --language go with --random, --export or --import</source>
        <translation>--author, --subject y --language van con --random, --export o --import</translation>
    </message>
    <message>
        <source>--min-rate and --filter go with --random or --export</source>
        <translation>--min-rate y --filter van con --random o --export</translation>
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
        <translation>--create-database recibe la ruta él mismo</translation>
    </message>
    <message>
        <source>--min-rate takes a rate from 1 to 3, not &apos;%1&apos;</source>
        <translation>--min-rate admite una nota de 1 a 3, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format is plain or json, not &apos;%1&apos;</source>
        <translation>--format es plain o json, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--format with --import is %1, not &apos;%2&apos;</source>
        <translation>--format con --import es %1, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--import-access needs --database, the new database to make</source>
        <translation>--import-access necesita --database, la base de datos nueva que crear</translation>
    </message>
    <message>
        <source>Created the database %1</source>
        <translation>Creada la base de datos %1</translation>
    </message>
    <message>
        <source>there is no database at %1 (give one with --database)</source>
        <translation>no hay ninguna base de datos en %1 (indique una con --database)</translation>
    </message>
    <message>
        <source>no quotation meets the choice</source>
        <translation>ninguna cita cumple la elección</translation>
    </message>
    <message>
        <source>Sentara version %1</source>
        <translation>Sentara versión %1</translation>
    </message>
    <message>
        <source>Try &apos;sentara --help&apos;.</source>
        <translation>Pruebe &apos;sentara --help&apos;.</translation>
    </message>
    <message>
        <source>there is no database at %1 (give one with --database).</source>
        <translation>no hay ninguna base de datos en %1 (indique una con --database).</translation>
    </message>
    <message>
        <source>no quotation meets the choice; &apos;%1&apos; was not written.</source>
        <translation>ninguna cita cumple la elección; &apos;%1&apos; no se escribió.</translation>
    </message>
    <message>
        <source>
Nothing was written: --format csv carries them whole.</source>
        <translation>
No se escribió nada: --format csv las guarda enteras.</translation>
    </message>
    <message>
        <source>%1 quotes exported to &apos;%2&apos; as %3.</source>
        <translation>%1 citas exportadas a &apos;%2&apos; como %3.</translation>
    </message>
    <message>
        <source>The index fortune reads is &apos;%1.dat&apos;.</source>
        <translation>El índice que lee fortune es &apos;%1.dat&apos;.</translation>
    </message>
    <message>
        <source>the index fortune reads could not be written: %1</source>
        <translation>no se pudo escribir el índice que lee fortune: %1</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos;: error %2 - %3</source>
        <translation>la base de datos &apos;%1&apos;: error %2 - %3</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; can only be read: this user may not change the file or its folder, so nothing can be imported into it.</source>
        <translation>la base de datos &apos;%1&apos; solo puede leerse: este usuario no puede cambiar el archivo ni su carpeta, así que no se puede importar nada en ella.</translation>
    </message>
    <message>
        <source>the format &apos;%1&apos; is none of %2.</source>
        <translation>el formato &apos;%1&apos; no es ninguno de %2.</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; is open in a running Sentara; close it, then import again.</source>
        <translation>la base de datos &apos;%1&apos; está abierta en un Sentara en marcha; ciérrelo e importe de nuevo.</translation>
    </message>
    <message>
        <source>the database &apos;%1&apos; cannot be locked: its folder is not writable.</source>
        <translation>la base de datos &apos;%1&apos; no puede bloquearse: su carpeta no admite escritura.</translation>
    </message>
    <message>
        <source>Read as %1 (%2).
</source>
        <translation>Leído como %1 (%2).
</translation>
    </message>
    <message>
        <source>guessed from the file; --format chooses another</source>
        <translation>deducido del archivo; --format elige otro</translation>
    </message>
    <message>
        <source>as --format asks</source>
        <translation>como pide --format</translation>
    </message>
    <message>
        <source>the language &apos;%1&apos; is not in the database.</source>
        <translation>el idioma &apos;%1&apos; no está en la base de datos.</translation>
    </message>
    <message>
        <source> (give one with --author).</source>
        <translation> (indique uno con --author).</translation>
    </message>
    <message>
        <source> (give one with --language).</source>
        <translation> (indique uno con --language).</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was made from &apos;%2&apos;: %3.</source>
        <translation>La base de datos &apos;%1&apos; se creó a partir de &apos;%2&apos;: %3.</translation>
    </message>
    <message>
        <source>Sentara keeps a collection of quotations. Without options it opens its main window on the
database it used last, or on &lt;file&gt; when one is given; the options below do their work and
end without a window.</source>
        <translation>Sentara guarda una colección de citas. Sin opciones abre su ventana principal con la última
base de datos usada, o con &lt;file&gt; si se indica; las opciones de abajo hacen su trabajo y
terminan sin abrir ventana.</translation>
    </message>
    <message>
        <source>The database to open the main window on.</source>
        <translation>La base de datos con la que abrir la ventana principal.</translation>
    </message>
    <message>
        <source>Prints the groups of quotations kept more than once: the same text but for letter case, accents, punctuation, quotation marks and blanks (exact), or nearly the same (near). --format plain (default) or json.</source>
        <translation>Muestra los grupos de citas guardadas más de una vez: el mismo texto salvo mayúsculas, acentos, puntuación, comillas y espacios (exact), o casi el mismo (near). --format plain (predeterminado) o json.</translation>
    </message>
    <message>
        <source>With --find-duplicates: how alike near duplicates are at least, in percent (1 to 100, default %1).</source>
        <translation>Con --find-duplicates: cuánto se parecen como mínimo los casi duplicados, en porcentaje (de 1 a 100, predeterminado %1).</translation>
    </message>
    <message>
        <source>--create-database, --random, --import, --import-access, --export and --find-duplicates go one at a time</source>
        <translation>--create-database, --random, --import, --import-access, --export y --find-duplicates van de uno en uno</translation>
    </message>
    <message>
        <source>--threshold goes with --find-duplicates</source>
        <translation>--threshold va con --find-duplicates</translation>
    </message>
    <message>
        <source>--threshold takes a percentage from 1 to 100, not &apos;%1&apos;</source>
        <translation>--threshold admite un porcentaje de 1 a 100, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--database goes with --random, --export, --import, --import-access or --find-duplicates</source>
        <translation>--database va con --random, --export, --import, --import-access o --find-duplicates</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>No se encontraron duplicados.</translation>
    </message>
    <message>
        <source>Groups of duplicates: %1; quotations in them: %2.</source>
        <translation>Grupos de duplicados: %1; citas en ellos: %2.</translation>
    </message>
</context>
<context>
    <name>EditArea</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit this author</source>
        <translation>Editar este autor</translation>
    </message>
    <message>
        <source>Subject Table Management</source>
        <translation>Gestión de la tabla de temas</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Author </source>
        <translation>Autor </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Add new</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Start a new quotation (Ctrl+N)</source>
        <translation>Empezar una cita nueva (Ctrl+N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the quotation (Ctrl+S)</source>
        <translation>Guardar la cita (Ctrl+S)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the quotation (Ctrl+D)</source>
        <translation>Eliminar la cita (Ctrl+D)</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Go to a quotation at random (F9)</source>
        <translation>Ir a una cita al azar (F9)</translation>
    </message>
    <message>
        <source>Undo edit</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Put back the quotation as it was (Ctrl+U)</source>
        <translation>Devolver la cita a como estaba (Ctrl+U)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Go to the next quotation (F8)</source>
        <translation>Ir a la cita siguiente (F8)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>End the program (Ctrl+Q)</source>
        <translation>Cerrar el programa (Ctrl+Q)</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Invalid rate (use values 1 to 3 or empty)</source>
        <translation>Valoración no válida (use valores de 1 a 3 o déjela vacía)</translation>
    </message>
    <message>
        <source>Language cannot be empty</source>
        <translation>El idioma no puede estar vacío</translation>
    </message>
    <message>
        <source>Author cannot be empty</source>
        <translation>El autor no puede estar vacío</translation>
    </message>
    <message>
        <source>Author &quot;</source>
        <translation>Autor &quot;</translation>
    </message>
    <message>
        <source>&quot; not found. Do you want to add it?</source>
        <translation>&quot; no encontrado. ¿Desea añadirlo?</translation>
    </message>
    <message>
        <source>Author addition failed</source>
        <translation>No se pudo añadir el autor</translation>
    </message>
    <message>
        <source>Subject is empty and will be set to &apos;</source>
        <translation>El tema está vacío y se pondrá a &apos;</translation>
    </message>
    <message>
        <source>&apos;; do you want to proceed?</source>
        <translation>&apos;; ¿desea continuar?</translation>
    </message>
    <message>
        <source>Subject &quot;</source>
        <translation>Tema &quot;</translation>
    </message>
    <message>
        <source>&quot; not found. Please add it</source>
        <translation>&quot; no encontrado. Añádalo, por favor</translation>
    </message>
    <message>
        <source>&apos; not in database. Do you want to add it?</source>
        <translation>&apos; no está en la base de datos. ¿Desea añadirlo?</translation>
    </message>
    <message>
        <source>Do you really want to delete quote &apos;%1...&apos;?</source>
        <translation>¿Desea realmente eliminar la cita &apos;%1...&apos;?</translation>
    </message>
</context>
<context>
    <name>FilterArea</name>
    <message>
        <source>Deleting %1 quotations...</source>
        <translation>Eliminando %1 citas...</translation>
    </message>
    <message>
        <source>The list changed since it was counted (%1 quotations now, %2 before): another program wrote meanwhile. Look at the list again.</source>
        <translation>La lista cambió desde que se contó (%1 citas ahora, %2 antes): otro programa escribió mientras tanto. Vuelva a mirar la lista.</translation>
    </message>
    <message>
        <source>Counting the quotations...</source>
        <translation>Contando las citas...</translation>
    </message>
    <message>
        <source>There is no quote to be deleted.</source>
        <translation>No hay ninguna cita que eliminar.</translation>
    </message>
    <message>
        <source>Do you really want to delete all quotes</source>
        <translation>¿Desea realmente eliminar todas las citas</translation>
    </message>
    <message>
        <source>Do you really want to delete all quotes where </source>
        <translation>¿Desea realmente eliminar todas las citas donde </translation>
    </message>
    <message>
        <source>Deleting quotations...</source>
        <translation>Eliminando las citas...</translation>
    </message>
    <message>
        <source>The quotations could not be deleted; none was deleted.</source>
        <translation>No se pudieron eliminar las citas; no se eliminó ninguna.</translation>
    </message>
    <message>
        <source>There is no quote to be shown: the list is empty.</source>
        <translation>No hay ninguna cita que mostrar: la lista está vacía.</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Author Filter </source>
        <translation>Filtro de autor </translation>
    </message>
    <message>
        <source>Text Filter </source>
        <translation>Filtro de texto </translation>
    </message>
    <message>
        <source>Subject Filter </source>
        <translation>Filtro de tema </translation>
    </message>
    <message>
        <source>Note Filter </source>
        <translation>Filtro de nota </translation>
    </message>
    <message>
        <source>Language Filter </source>
        <translation>Filtro de idioma </translation>
    </message>
    <message>
        <source>Rate from </source>
        <translation>Valoración de </translation>
    </message>
    <message>
        <source>Rate to </source>
        <translation>Valoración a </translation>
    </message>
    <message>
        <source>Key Filter </source>
        <translation>Filtro de clave </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Apply the filters (F5)</source>
        <translation>Aplicar los filtros (F5)</translation>
    </message>
    <message>
        <source>Clear all filters</source>
        <translation>Vaciar todos los filtros</translation>
    </message>
    <message>
        <source>Empty every filter field (Ctrl+Shift+F)</source>
        <translation>Vaciar todos los campos de filtro (Ctrl+Mayús+F)</translation>
    </message>
    <message>
        <source>Records Selected: </source>
        <translation>Registros seleccionados: </translation>
    </message>
    <message>
        <source>Records Filtered: </source>
        <translation>Registros filtrados: </translation>
    </message>
    <message>
        <source>Invalid key selector (must be a number)</source>
        <translation>Selector de clave no válido (debe ser un número)</translation>
    </message>
    <message>
        <source>Records Filtered:</source>
        <translation>Registros filtrados:</translation>
    </message>
    <message>
        <source>counting…</source>
        <translation>contando…</translation>
    </message>
    <message>
        <source>Records Selected:</source>
        <translation>Registros seleccionados:</translation>
    </message>
    <message>
        <source>Export selected quotes</source>
        <translation>Exportar las citas seleccionadas</translation>
    </message>
    <message>
        <source>Export filtered quotes</source>
        <translation>Exportar las citas filtradas</translation>
    </message>
    <message>
        <source>Deleted selected quotes</source>
        <translation>Eliminar las citas seleccionadas</translation>
    </message>
    <message>
        <source>Deleted filtered quotes</source>
        <translation>Eliminar las citas filtradas</translation>
    </message>
    <message>
        <source>Filter on current author</source>
        <translation>Filtrar por el autor actual</translation>
    </message>
    <message>
        <source>Filter on current subject</source>
        <translation>Filtrar por el tema actual</translation>
    </message>
    <message>
        <source>Delete filtered quotes</source>
        <translation>Eliminar las citas filtradas</translation>
    </message>
    <message>
        <source>Slide show of filtered quotes</source>
        <translation>Presentación de las citas filtradas</translation>
    </message>
</context>
<context>
    <name>GridBinding</name>
    <message>
        <source>Select all rows</source>
        <translation>Seleccionar todas las filas</translation>
    </message>
</context>
<context>
    <name>QtUi</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
</context>
<context>
    <name>QuoteList</name>
    <message>
        <source>Quotations</source>
        <translation>Citas</translation>
    </message>
    <message>
        <source>Clear the selection and go back to random order</source>
        <translation>Borrar la selección y volver al orden aleatorio</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Click on this vertical bar to select/deselect quotes; hold CTRL key for multiple selection, SHIFT for a range.
Click here to clear the selection and go back to random order.</source>
        <translation>Haga clic en esta barra vertical para seleccionar o deseleccionar citas; mantenga CTRL para una selección múltiple, MAYÚS para un intervalo.
Haga clic aquí para borrar la selección y volver al orden aleatorio.</translation>
    </message>
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Click to select/deselect this row; hold CTRL to add rows, SHIFT to add a range</source>
        <translation>Haga clic para seleccionar/deseleccionar esta fila; mantenga CTRL para añadir filas, MAYÚS para añadir un intervalo</translation>
    </message>
</context>
<context>
    <name>ReferenceWindow</name>
    <message>
        <source>Add new</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Start a new row (Ctrl+N)</source>
        <translation>Empezar una fila nueva (Ctrl+N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the changes (Ctrl+S)</source>
        <translation>Guardar los cambios (Ctrl+S)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>Bring the main window to the front</source>
        <translation>Traer la ventana principal al frente</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Cerrar esta ventana (Esc)</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtros</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Apply the filters (Enter in a filter box, F5)</source>
        <translation>Aplicar los filtros (Intro en un cuadro de filtro, F5)</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Vaciar el filtro</translation>
    </message>
    <message>
        <source>Records Filtered: NNN</source>
        <translation>Registros filtrados: NNN</translation>
    </message>
    <message>
        <source>Records: </source>
        <translation>Registros: </translation>
    </message>
    <message>
        <source>Records Filtered:  </source>
        <translation>Registros filtrados:  </translation>
    </message>
    <message>
        <source>Edit operation in progress: &apos;%1&apos; can be shown once it is saved.</source>
        <translation>Edición en curso: &apos;%1&apos; se podrá mostrar cuando se guarde.</translation>
    </message>
    <message>
        <source>Edit operation in progress.</source>
        <translation>Edición en curso.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is the one being replaced.</source>
        <translation>&apos;%1&apos; es el que se está sustituyendo.</translation>
    </message>
</context>
<context>
    <name>access_file</name>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>El archivo &apos;%1&apos; no puede leerse: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is a database of this program already, not an Access file: open it with File &gt; Change database.</source>
        <translation>El archivo &apos;%1&apos; ya es una base de datos de este programa, no un archivo Access: ábralo con Archivo &gt; Cambiar de base de datos.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not an Access database (.mdb) file.</source>
        <translation>El archivo &apos;%1&apos; no es una base de datos Access (.mdb).</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is truncated or damaged: it is not made of whole pages of an Access database.</source>
        <translation>El archivo &apos;%1&apos; está truncado o dañado: no está hecho de páginas enteras de una base de datos Access.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>El archivo &apos;%1&apos; no existe.</translation>
    </message>
    <message>
        <source>mdbtools cannot open it</source>
        <translation>mdbtools no puede abrirlo</translation>
    </message>
    <message>
        <source>its list of tables cannot be read</source>
        <translation>su lista de tablas no puede leerse</translation>
    </message>
    <message>
        <source>the table %1 cannot be read</source>
        <translation>la tabla %1 no puede leerse</translation>
    </message>
    <message>
        <source>mdbtools says &quot;%1&quot;</source>
        <translation>mdbtools dice &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is damaged or truncated: %2.</source>
        <translation>El archivo &apos;%1&apos; está dañado o truncado: %2.</translation>
    </message>
</context>
<context>
    <name>access_import</name>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>%1 without a name</source>
        <translation>%1 sin nombre</translation>
    </message>
    <message>
        <source>%1 with the name of one before (letter case aside)</source>
        <translation>%1 con el nombre de uno anterior (salvo mayúsculas)</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a collection of quotations: it has no table quotes with a column text.</source>
        <translation>El archivo &apos;%1&apos; no es una colección de citas: no tiene una tabla quotes con una columna text.</translation>
    </message>
    <message>
        <source>no language was marked as the default; this one is now</source>
        <translation>ningún idioma estaba marcado por omisión; ahora lo es este</translation>
    </message>
    <message>
        <source>no text</source>
        <translation>sin texto</translation>
    </message>
    <message>
        <source>no author</source>
        <translation>sin autor</translation>
    </message>
    <message>
        <source>no language: given the default language %1</source>
        <translation>sin idioma: recibe el idioma por omisión %1</translation>
    </message>
    <message>
        <source>the rate %1 is not 1, 2 or 3: imported without a rate</source>
        <translation>la valoración %1 no es 1, 2 o 3: importada sin valoración</translation>
    </message>
    <message>
        <source>no key: given a new one</source>
        <translation>sin clave: recibe una nueva</translation>
    </message>
    <message>
        <source>a key that is not a whole number used once: given a new one</source>
        <translation>una clave que no es un número entero usado una sola vez: recibe una nueva</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be made from &apos;%2&apos;: error %3 - %4</source>
        <translation>La base de datos &apos;%1&apos; no puede crearse a partir de &apos;%2&apos;: error %3 - %4</translation>
    </message>
    <message>
        <source>QUOTATIONS NOT IMPORTED (BY KEY):</source>
        <translation>CITAS NO IMPORTADAS (POR CLAVE):</translation>
    </message>
    <message>
        <source>QUOTATIONS IMPORTED WITH A CHANGE (BY KEY):</source>
        <translation>CITAS IMPORTADAS CON UN CAMBIO (POR CLAVE):</translation>
    </message>
    <message>
        <source>ROWS OF THE REFERENCE TABLES NOT IMPORTED:</source>
        <translation>FILAS DE LAS TABLAS DE REFERENCIA NO IMPORTADAS:</translation>
    </message>
    <message>
        <source>NAMES THE QUOTATIONS USE THAT THEIR TABLES LACKED, ADDED (BY THE KEYS OF THE QUOTATIONS):</source>
        <translation>NOMBRES QUE USAN LAS CITAS Y QUE FALTABAN EN SUS TABLAS, AÑADIDOS (POR LAS CLAVES DE LAS CITAS):</translation>
    </message>
    <message>
        <source>THE DEFAULT LANGUAGE:</source>
        <translation>EL IDIOMA PREDETERMINADO:</translation>
    </message>
</context>
<context>
    <name>attention</name>
    <message>
        <source>Edit operation in progress.</source>
        <translation>Edición en curso.</translation>
    </message>
</context>
<context>
    <name>author_picture</name>
    <message>
        <source>Picture of the author</source>
        <translation>Imagen del autor</translation>
    </message>
</context>
<context>
    <name>common</name>
    <message>
        <source>Error %1 - %2</source>
        <translation>Error %1 - %2</translation>
    </message>
    <message>
        <source>The report file &apos;%1&apos; cannot be written: %2</source>
        <translation>No se puede escribir el archivo del informe &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>Path not found: %1</source>
        <translation>Ruta no encontrada: %1</translation>
    </message>
    <message>
        <source>No program could open &apos;%1&apos;.</source>
        <translation>Ningún programa pudo abrir &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>csv_format</name>
    <message>
        <source>a field begins with a double quote (&quot;) that is never closed</source>
        <translation>un campo empieza con una comilla doble (&quot;) que nunca se cierra</translation>
    </message>
    <message>
        <source>there is nothing in it</source>
        <translation>no contiene nada</translation>
    </message>
    <message>
        <source>column %1 (no name)</source>
        <translation>columna %1 (sin nombre)</translation>
    </message>
    <message>
        <source>the first line is not a header naming a column text, quote or highlight</source>
        <translation>la primera línea no es una cabecera que nombre una columna text, quote o highlight</translation>
    </message>
    <message>
        <source>COLUMNS NOT IMPORTED (NO FIELD OF A QUOTATION HAS THEIR NAME):</source>
        <translation>COLUMNAS NO IMPORTADAS (NINGÚN CAMPO DE UNA CITA TIENE SU NOMBRE):</translation>
    </message>
    <message>
        <source>RECORDS WITH MORE FIELDS THAN THE HEADER NAMES (THE EXTRA FIELDS IGNORED):</source>
        <translation>REGISTROS CON MÁS CAMPOS DE LOS QUE NOMBRA LA CABECERA (LOS CAMPOS SOBRANTES IGNORADOS):</translation>
    </message>
</context>
<context>
    <name>database</name>
    <message>
        <source>The file &apos;%1&apos; does not exist.</source>
        <translation>El archivo &apos;%1&apos; no existe.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be reached: %2.</source>
        <translation>No se puede acceder al archivo &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; could not be closed cleanly: %2.</source>
        <translation>La base de datos &apos;%1&apos; no se pudo cerrar limpiamente: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: permission denied.</source>
        <translation>No se puede leer el archivo &apos;%1&apos;: permiso denegado.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>No se puede leer el archivo &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Sentara database file.</source>
        <translation>El archivo &apos;%1&apos; no es una base de datos de Sentara.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is empty: it is not a Sentara database file.</source>
        <translation>El archivo &apos;%1&apos; está vacío: no es una base de datos de Sentara.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be used: %2.</source>
        <translation>No se puede usar el archivo &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a Sentara database: it lacks %2.</source>
        <translation>El archivo &apos;%1&apos; no es una base de datos de Sentara: le falta %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written.</source>
        <translation>No se puede escribir el archivo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is in use by another program.</source>
        <translation>El archivo &apos;%1&apos; está en uso por otro programa.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.</source>
        <translation>El archivo &apos;%1&apos; ya existe.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read.</source>
        <translation>No se puede leer el archivo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists; a new database is created only where no file is.</source>
        <translation>El archivo &apos;%1&apos; ya existe; una base de datos nueva solo se crea donde no hay ningún archivo.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; cannot be created.</source>
        <translation>No se puede crear la carpeta &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be created: %2.</source>
        <translation>No se puede crear el archivo &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>The new database &apos;%1&apos; cannot be written: %2.</source>
        <translation>No se puede escribir la base de datos nueva &apos;%1&apos;: %2.</translation>
    </message>
</context>
<context>
    <name>duplicates</name>
    <message>
        <source>Reading %1 quotations...</source>
        <translation>Leyendo %1 citas...</translation>
    </message>
    <message>
        <source>Comparing the quotations...</source>
        <translation>Comparando las citas...</translation>
    </message>
    <message>
        <source>The quotation with the key %1 is no longer in the collection.</source>
        <translation>La cita con la clave %1 ya no está en la colección.</translation>
    </message>
</context>
<context>
    <name>f_authors</name>
    <message>
        <source>Sentara - Authors</source>
        <translation>Sentara - Autores</translation>
    </message>
    <message>
        <source>Author &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>El autor &quot;%1&quot; no se puede eliminar porque está asociado a una o más citas.</translation>
    </message>
    <message>
        <source>Author not deleted.</source>
        <translation>Autor no eliminado.</translation>
    </message>
    <message>
        <source>Existing name to be used?</source>
        <translation>¿Nombre existente que se usará?</translation>
    </message>
    <message>
        <source>Author name replacement</source>
        <translation>Sustitución del nombre del autor</translation>
    </message>
    <message>
        <source>Author &apos;%1&apos; not found.</source>
        <translation>Autor &apos;%1&apos; no encontrado.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citas</translation>
    </message>
    <message>
        <source>Choose the picture file</source>
        <translation>Elegir el archivo de la imagen</translation>
    </message>
    <message>
        <source>Change picture for this author</source>
        <translation>Cambiar la imagen de este autor</translation>
    </message>
    <message>
        <source>Show Quotes</source>
        <translation>Mostrar citas</translation>
    </message>
    <message>
        <source>Show this author&apos;s quotations in the main window (or double-click the list)</source>
        <translation>Mostrar las citas de este autor en la ventana principal (o hacer doble clic en la lista)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sustituir</translation>
    </message>
    <message>
        <source>Give this author&apos;s quotations to another author</source>
        <translation>Asignar las citas de este autor a otro autor</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Go to an author at random</source>
        <translation>Ir a un autor al azar</translation>
    </message>
    <message>
        <source>Delete this author (only while no quotation names them)</source>
        <translation>Eliminar este autor (solo si ninguna cita lo nombra)</translation>
    </message>
    <message>
        <source>Name filter</source>
        <translation>Filtro de nombre</translation>
    </message>
    <message>
        <source>Picture filter</source>
        <translation>Filtro de imagen</translation>
    </message>
    <message>
        <source>Notes filter</source>
        <translation>Filtro de notas</translation>
    </message>
    <message>
        <source>List the authors whose name, picture or notes hold one of the texts (Enter, F5)</source>
        <translation>Listar los autores cuyo nombre, imagen o notas contienen alguno de los textos (Intro, F5)</translation>
    </message>
    <message>
        <source>Image (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp</source>
        <translation>Imagen (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>El nombre no puede estar vacío</translation>
    </message>
    <message>
        <source>Author already present.</source>
        <translation>El autor ya existe.</translation>
    </message>
    <message>
        <source>Select the picture file</source>
        <translation>Seleccione el archivo de la imagen</translation>
    </message>
</context>
<context>
    <name>f_duplicates</name>
    <message>
        <source>Sentara - Find duplicates</source>
        <translation>Sentara - Buscar duplicados</translation>
    </message>
    <message>
        <source>&amp;Near duplicates too, at least</source>
        <translation>También casi &amp;duplicados, al menos</translation>
    </message>
    <message>
        <source>How much of two texts must be the same for them to be near duplicates</source>
        <translation>Cuánto de dos textos debe coincidir para que sean casi duplicados</translation>
    </message>
    <message>
        <source>Near duplicates at least, in percent</source>
        <translation>Casi duplicados al menos, en porcentaje</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Look for duplicates in the whole collection</source>
        <translation>Buscar duplicados en toda la colección</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Groups of duplicates</source>
        <translation>Grupos de duplicados</translation>
    </message>
    <message>
        <source>&amp;Keep this one, merge the others into it</source>
        <translation>C&amp;onservar esta, fusionar las otras en ella</translation>
    </message>
    <message>
        <source>The quotation chosen stays and takes the others&apos; note, subject and rate where it has none; the others of its group are deleted</source>
        <translation>La cita elegida se queda y toma la nota, el tema y la valoración de las otras donde no los tiene; las otras de su grupo se eliminan</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Looking for duplicates...</source>
        <translation>Buscando duplicados...</translation>
    </message>
    <message>
        <source>The duplicates could not be looked for.</source>
        <translation>No se pudieron buscar los duplicados.</translation>
    </message>
    <message>
        <source>The same text, %1 times</source>
        <translation>El mismo texto, %1 veces</translation>
    </message>
    <message>
        <source>Nearly the same text, %1 times</source>
        <translation>Casi el mismo texto, %1 veces</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>No se encontraron duplicados.</translation>
    </message>
    <message>
        <source>Groups: %1; quotations in them: %2</source>
        <translation>Grupos: %1; citas en ellos: %2</translation>
    </message>
    <message>
        <source>Keep the quotation %1 and delete the %2 others of its group? It takes their note, subject and rate where it has none.</source>
        <translation>¿Conservar la cita %1 y eliminar las otras %2 de su grupo? Toma su nota, tema y valoración donde no los tiene.</translation>
    </message>
    <message>
        <source>No duplicates left.</source>
        <translation>No quedan duplicados.</translation>
    </message>
    <message>
        <source>Groups left: %1</source>
        <translation>Grupos restantes: %1</translation>
    </message>
</context>
<context>
    <name>f_export</name>
    <message>
        <source>Sentara - Export</source>
        <translation>Sentara - Exportación</translation>
    </message>
    <message>
        <source>Include after quote text</source>
        <translation>Incluir tras el texto</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>All info</source>
        <translation>Toda la información</translation>
    </message>
    <message>
        <source>Grouping</source>
        <translation>Agrupación</translation>
    </message>
    <message>
        <source>Group by author</source>
        <translation>Agrupar por autor</translation>
    </message>
    <message>
        <source>Do no group</source>
        <translation>No agrupar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Text opens in the text viewer; a fortune file (author and note only) or CSV is saved where you choose</source>
        <translation>Texto se abre en el visor de textos; un archivo fortune (solo autor y nota) o CSV se guarda donde usted elija</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Export now</source>
        <translation>Exportar ahora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Close without exporting (Esc)</source>
        <translation>Cerrar sin exportar (Esc)</translation>
    </message>
    <message>
        <source>Grouping by author is only possible if quotes are ordered by author. Go back to the main window and click on the author column header, the retry to export.</source>
        <translation>Agrupar por autor solo es posible si las citas están ordenadas por autor. Vuelva a la ventana principal, haga clic en la cabecera de la columna del autor y exporte de nuevo.</translation>
    </message>
    <message>
        <source>Save the quotes as a fortune file</source>
        <translation>Guardar las citas como archivo fortune</translation>
    </message>
    <message>
        <source>Save the quotes as CSV</source>
        <translation>Guardar las citas como CSV</translation>
    </message>
    <message>
        <source>%1 quotes exported to &apos;%2&apos;.</source>
        <translation>%1 citas exportadas a &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>
The index fortune reads is &apos;%1.dat&apos;.</source>
        <translation>
El índice que lee fortune es &apos;%1.dat&apos;.</translation>
    </message>
    <message>
        <source>

The index fortune reads (&apos;%1.dat&apos;) could not be written: %2.</source>
        <translation>

No se pudo escribir el índice que lee fortune (&apos;%1.dat&apos;): %2.</translation>
    </message>
    <message>
        <source>Reading the quotations to export...</source>
        <translation>Leyendo las citas que exportar...</translation>
    </message>
    <message>
        <source>The quotations could not be read; nothing was exported.</source>
        <translation>No se pudieron leer las citas; no se exportó nada.</translation>
    </message>
    <message>
        <source>

Export them all as CSV instead?</source>
        <translation>

¿Exportarlas todas como CSV?</translation>
    </message>
    <message>
        <source>Write the text as it is, with those quotations as the text format holds them?</source>
        <translation>¿Escribir el texto tal cual, con esas citas como las admite el formato de texto?</translation>
    </message>
    <message>
        <source>There is no quote to be exported</source>
        <translation>No hay ninguna cita que exportar</translation>
    </message>
    <message>
        <source>Save the quotes as text</source>
        <translation>Guardar las citas como texto</translation>
    </message>
</context>
<context>
    <name>f_import</name>
    <message>
        <source>Text to be imported missing</source>
        <translation>Falta el texto que importar</translation>
    </message>
    <message>
        <source>Sentara - Import</source>
        <translation>Sentara - Importación</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Texto de entrada</translation>
    </message>
    <message>
        <source>Result of processing</source>
        <translation>Resultado del proceso</translation>
    </message>
    <message>
        <source>Import from file...</source>
        <translation>Importar de un archivo...</translation>
    </message>
    <message>
        <source>Add the lines of a text file to the input text and process them</source>
        <translation>Añade las líneas de un archivo de texto al texto de entrada y las procesa</translation>
    </message>
    <message>
        <source>Process input text</source>
        <translation>Procesar el texto</translation>
    </message>
    <message>
        <source>Find the quotations in the input text (Ctrl+Return)</source>
        <translation>Busca las citas en el texto de entrada (Ctrl+Intro)</translation>
    </message>
    <message>
        <source>Randomize results</source>
        <translation>Resultados en orden aleatorio</translation>
    </message>
    <message>
        <source>Clear text</source>
        <translation>Borrar texto</translation>
    </message>
    <message>
        <source>Empty both texts</source>
        <translation>Vacía ambos textos</translation>
    </message>
    <message>
        <source>Import resulting quotes</source>
        <translation>Importar las citas resultantes</translation>
    </message>
    <message>
        <source>Add the quotations found to the database</source>
        <translation>Añade a la base de datos las citas encontradas</translation>
    </message>
    <message>
        <source>The author of the quotations that name none; &quot;Anonymous&quot; (or nothing) takes the author from the parentheses at the end of each line</source>
        <translation>El autor de las citas que no nombran ninguno; &quot;Anonymous&quot; (o nada) toma el autor de los paréntesis al final de cada línea</translation>
    </message>
    <message>
        <source>The language of the quotations that give none</source>
        <translation>El idioma de las citas que no indican ninguno</translation>
    </message>
    <message>
        <source>How the input text is read: guessed when a file is loaded; another choice processes the input again</source>
        <translation>Cómo se lee el texto de entrada: se deduce al cargar un archivo; otra elección lo vuelve a procesar</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Add/edit author</source>
        <translation>Añadir/editar autor</translation>
    </message>
    <message>
        <source>Open the authors window</source>
        <translation>Abre la ventana de autores</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>Bring the main window to the front</source>
        <translation>Trae al frente la ventana principal</translation>
    </message>
    <message>
        <source>Duplicated quotes in input text: 0</source>
        <translation>Citas repetidas en el texto: 0</translation>
    </message>
    <message>
        <source>Duplicated quotes in database: 0</source>
        <translation>Citas ya en la base de datos: 0</translation>
    </message>
    <message>
        <source>New quotes:  0</source>
        <translation>Citas nuevas:  0</translation>
    </message>
    <message>
        <source>Processing as %1...</source>
        <translation>Procesando como %1...</translation>
    </message>
    <message>
        <source>Reading the collection to compare with...</source>
        <translation>Leyendo la colección para comparar...</translation>
    </message>
    <message>
        <source>The text could not be processed.</source>
        <translation>No se pudo procesar el texto.</translation>
    </message>
    <message>
        <source>Select the text file with the quotes to import</source>
        <translation>Elija el archivo de texto con las citas que importar</translation>
    </message>
    <message>
        <source>Quotations (*.txt;*.csv;*.tsv;*.wri;*.dat)|*.txt;*.csv;*.tsv;*.wri;*.dat|All files (*)|*</source>
        <translation>Citas (*.txt;*.csv;*.tsv;*.wri;*.dat)|*.txt;*.csv;*.tsv;*.wri;*.dat|Todos los archivos (*)|*</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is read as %2: it takes the place of the input text.</source>
        <translation>El archivo &apos;%1&apos; se lee como %2: sustituye al texto de entrada.</translation>
    </message>
    <message>
        <source>Importing %1 quotations...</source>
        <translation>Importando %1 citas...</translation>
    </message>
    <message>
        <source>The quotations could not be imported; none was added.</source>
        <translation>No se pudieron importar las citas; no se añadió ninguna.</translation>
    </message>
    <message>
        <source>

New authors: %1. New subjects: %2. Their names are listed in the report.</source>
        <translation>

Autores nuevos: %1. Temas nuevos: %2. Sus nombres figuran en el informe.</translation>
    </message>
    <message>
        <source>Listing the quotations...</source>
        <translation>Listando las citas...</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Putting the file&apos;s text into the input box...</source>
        <translation>Colocando el texto del archivo en el cuadro de entrada...</translation>
    </message>
    <message>
        <source>The input text has not been imported. Close the import window and lose it?</source>
        <translation>El texto de entrada no se ha importado. ¿Cerrar la ventana de importación y perderlo?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>f_languages</name>
    <message>
        <source>Sentara - Languages</source>
        <translation>Sentara - Idiomas</translation>
    </message>
    <message>
        <source>Subject &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>El tema &quot;%1&quot; no se puede eliminar porque está asociado a una o más citas.</translation>
    </message>
    <message>
        <source>Language not deleted.</source>
        <translation>Idioma no eliminado.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Default language</source>
        <translation>Idioma predeterminado</translation>
    </message>
    <message>
        <source>Show quotes</source>
        <translation>Mostrar citas</translation>
    </message>
    <message>
        <source>Show this language&apos;s quotations in the main window</source>
        <translation>Mostrar las citas en este idioma en la ventana principal</translation>
    </message>
    <message>
        <source>Delete this language (only while no quotation is in it)</source>
        <translation>Eliminar este idioma (solo si ninguna cita está en él)</translation>
    </message>
    <message>
        <source>Code cannot be empty</source>
        <translation>El código no puede estar vacío</translation>
    </message>
    <message>
        <source>Code already present.</source>
        <translation>El código ya existe.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predet.</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citas</translation>
    </message>
</context>
<context>
    <name>f_main</name>
    <message>
        <source>Undo de&amp;lete</source>
        <translation>Deshacer e&amp;liminación</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>There is no deletion to undo.</source>
        <translation>No hay ninguna eliminación que deshacer.</translation>
    </message>
    <message>
        <source>Restoring the deleted quotations...</source>
        <translation>Restaurando las citas eliminadas...</translation>
    </message>
    <message>
        <source>The deletion could not be undone; nothing was restored.</source>
        <translation>No se pudo deshacer la eliminación; no se restauró nada.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Find &amp;duplicates...</source>
        <translation>Buscar &amp;duplicados...</translation>
    </message>
    <message>
        <source>Quotations kept more than once, the same or nearly the same text</source>
        <translation>Citas guardadas más de una vez, con el mismo texto o casi</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Overview...</source>
        <translation>&amp;Resumen...</translation>
    </message>
    <message>
        <source>Charts of the collection: quotations per subject, language and rate, the authors with most</source>
        <translation>Gráficos de la colección: citas por tema, idioma y valoración, los autores con más</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Change database</source>
        <translation>&amp;Cambiar de base de datos</translation>
    </message>
    <message>
        <source>Open recen&amp;t</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Open &amp;Access collection...</source>
        <translation>Abrir colección &amp;Access...</translation>
    </message>
    <message>
        <source>Make a new database from a collection kept in an Access (.mdb) file</source>
        <translation>Crear una base de datos nueva a partir de una colección guardada en un archivo de Access (.mdb)</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>Show help before slide show (Yes/No)</source>
        <translation>Mostrar la ayuda antes de la presentación (Sí/No)</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Mezclar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Add new</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Undo edit</source>
        <translation>&amp;Deshacer la edición</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Random quotation</source>
        <translation>Cita al &amp;azar</translation>
    </message>
    <message>
        <source>&amp;Text filter</source>
        <translation>Filtro de &amp;texto</translation>
    </message>
    <message>
        <source>&amp;Filter (read again)</source>
        <translation>&amp;Filtrar (releer)</translation>
    </message>
    <message>
        <source>&amp;Clear all filters</source>
        <translation>&amp;Vaciar todos los filtros</translation>
    </message>
    <message>
        <source>Random &amp;order</source>
        <translation>&amp;Orden aleatorio</translation>
    </message>
    <message>
        <source>Filter on current aut&amp;hor</source>
        <translation>Filtrar por el a&amp;utor actual</translation>
    </message>
    <message>
        <source>Filter on current su&amp;bject</source>
        <translation>Filtrar por el te&amp;ma actual</translation>
    </message>
    <message>
        <source>E&amp;xport filtered quotes...</source>
        <translation>E&amp;xportar las citas filtradas...</translation>
    </message>
    <message>
        <source>Slide sho&amp;w</source>
        <translation>&amp;Presentación</translation>
    </message>
    <message>
        <source>Delete filtered &amp;quotes...</source>
        <translation>Eliminar las &amp;citas filtradas...</translation>
    </message>
    <message>
        <source>S&amp;ort</source>
        <translation>&amp;Ordenar</translation>
    </message>
    <message>
        <source>, ascending</source>
        <translation>, ascendente</translation>
    </message>
    <message>
        <source>, descending</source>
        <translation>, descendente</translation>
    </message>
    <message>
        <source>&amp;Authors</source>
        <translation>A&amp;utores</translation>
    </message>
    <message>
        <source>&amp;Subjects</source>
        <translation>&amp;Temas</translation>
    </message>
    <message>
        <source>&amp;Languages</source>
        <translation>&amp;Idiomas</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>I&amp;mportar</translation>
    </message>
    <message>
        <source>Web sites</source>
        <translation>Sitios web</translation>
    </message>
    <message>
        <source>&amp;Readme.txt</source>
        <translation>&amp;Léame (Readme.txt)</translation>
    </message>
    <message>
        <source>Author&apos;s web site</source>
        <translation>Sitio web del autor</translation>
    </message>
    <message>
        <source>Customer service and technical support</source>
        <translation>Atención al cliente y soporte técnico</translation>
    </message>
    <message>
        <source>About Sentara</source>
        <translation>Acerca de Sentara</translation>
    </message>
    <message>
        <source>&amp;Version History</source>
        <translation>&amp;Historial de versiones</translation>
    </message>
    <message>
        <source>Edit operation in progress. Do you want to exit without saving changes?</source>
        <translation>Edición en curso. ¿Desea salir sin guardar los cambios?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Access database (*.mdb;*.accdb)|*.mdb;*.accdb|All files (*)|*</source>
        <translation>Base de datos de Access (*.mdb;*.accdb)|*.mdb;*.accdb|Todos los archivos (*)|*</translation>
    </message>
    <message>
        <source>Name the new database made from the collection</source>
        <translation>Ponga nombre a la base de datos nueva creada a partir de la colección</translation>
    </message>
    <message>
        <source>Making a new database from &apos;%1&apos;...</source>
        <translation>Creando una base de datos nueva a partir de &apos;%1&apos;...</translation>
    </message>
    <message>
        <source>Reading &apos;%1&apos;...</source>
        <translation>Leyendo &apos;%1&apos;...</translation>
    </message>
    <message>
        <source>No database was made.</source>
        <translation>No se creó ninguna base de datos.</translation>
    </message>
    <message>
        <source>Sentara - Import report</source>
        <translation>Sentara - Informe de importación</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; was made from &apos;%2&apos;: %3.%4

The window now shows it.</source>
        <translation>La base de datos &apos;%1&apos; se creó a partir de &apos;%2&apos;: %3.%4

La ventana la muestra ahora.</translation>
    </message>
    <message>
        <source>
The rows that did not fit are listed in the report.</source>
        <translation>
Las filas que no encajaban se enumeran en el informe.</translation>
    </message>
    <message>
        <source>New random numbers for every quotation...</source>
        <translation>Números aleatorios nuevos para cada cita...</translation>
    </message>
    <message>
        <source>The quotations could not be given new random numbers; none was changed.</source>
        <translation>No se pudieron dar números aleatorios nuevos a las citas; no se cambió ninguna.</translation>
    </message>
    <message>
        <source>Randomization executed.</source>
        <translation>Mezcla realizada.</translation>
    </message>
</context>
<context>
    <name>f_msgbox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>Save the text as</source>
        <translation>Guardar el texto como</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt</source>
        <translation>Texto (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2</source>
        <translation>No se puede escribir el archivo &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>f_overview</name>
    <message>
        <source>Sentara - Overview</source>
        <translation>Sentara - Resumen</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Valoraciones</translation>
    </message>
    <message>
        <source>Authors</source>
        <translation>Autores</translation>
    </message>
    <message>
        <source>Save as &amp;picture...</source>
        <translation>Guardar como &amp;imagen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Quotations per subject</source>
        <translation>Citas por tema</translation>
    </message>
    <message>
        <source>Quotations per language</source>
        <translation>Citas por idioma</translation>
    </message>
    <message>
        <source>Quotations per rate</source>
        <translation>Citas por valoración</translation>
    </message>
    <message>
        <source>The authors with most quotations</source>
        <translation>Los autores con más citas</translation>
    </message>
    <message>
        <source>Quotations</source>
        <translation>Citas</translation>
    </message>
    <message>
        <source>no rate</source>
        <translation>sin valoración</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>%1 (the %2 largest of %3)</source>
        <translation>%1 (los %2 mayores de %3)</translation>
    </message>
    <message>
        <source>%1 quotations. A click on a bar shows its quotations in the main window.</source>
        <translation>%1 citas. Un clic en una barra muestra sus citas en la ventana principal.</translation>
    </message>
    <message>
        <source>Save the chart</source>
        <translation>Guardar el gráfico</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>No se pudo escribir la imagen en %1.</translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG or SVG picture</source>
        <translation>Guardar el gráfico mostrado como imagen PNG o SVG</translation>
    </message>
    <message>
        <source>PNG or SVG picture|*.png;*.svg</source>
        <translation>Imagen PNG o SVG|*.png;*.svg</translation>
    </message>
</context>
<context>
    <name>f_slide_show</name>
    <message>
        <source>Sentara - Slide Show</source>
        <translation>Sentara - Presentación</translation>
    </message>
    <message>
        <source>Slide show</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Quotations one at a time, full screen. Esc ends the show, Page Up shows the previous quotation, the space bar stops and starts the timer, I changes its interval, the right mouse button opens the command menu.</source>
        <translation>Citas de una en una, a pantalla completa. Esc termina la presentación, Re Pág muestra la cita anterior, la barra espaciadora detiene y reanuda el temporizador, I cambia su intervalo, el botón derecho del ratón abre el menú de órdenes.</translation>
    </message>
    <message>
        <source>Popup</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Change interval duration (I)</source>
        <translation>Cambiar la duración del intervalo (I)</translation>
    </message>
    <message>
        <source>Enable/disable auto change (Space Bar)</source>
        <translation>Activar/desactivar el cambio automático (barra espaciadora)</translation>
    </message>
    <message>
        <source>Show previous quote (Page Up)</source>
        <translation>Mostrar la cita anterior (Re Pág)</translation>
    </message>
    <message>
        <source>Exit (ESC)</source>
        <translation>Salir (Esc)</translation>
    </message>
    <message>
        <source>Database is empty</source>
        <translation>La base de datos está vacía</translation>
    </message>
    <message>
        <source>Timer enabled</source>
        <translation>Temporizador activado</translation>
    </message>
    <message>
        <source>Timer disabled</source>
        <translation>Temporizador desactivado</translation>
    </message>
    <message>
        <source>New interval? (now = %1 milliseconds)</source>
        <translation>¿Nuevo intervalo? (ahora = %1 milisegundos)</translation>
    </message>
    <message>
        <source>Wrong interval valule (must be a number from 10 to 100000)</source>
        <translation>Valor de intervalo incorrecto (debe ser un número de 10 a 100000)</translation>
    </message>
    <message>
        <source>No previous quote.</source>
        <translation>No hay cita anterior.</translation>
    </message>
    <message>
        <source>Previous quote not found</source>
        <translation>Cita anterior no encontrada</translation>
    </message>
    <message>
        <source>Quote not found</source>
        <translation>Cita no encontrada</translation>
    </message>
</context>
<context>
    <name>f_slide_show_help</name>
    <message>
        <source>Sentara - Slide Show Help</source>
        <translation>Sentara - Ayuda de la presentación</translation>
    </message>
    <message>
        <source>Press ESC to exit</source>
        <translation>Pulse Esc para salir</translation>
    </message>
    <message>
        <source>Click the mouse right button to open command menu</source>
        <translation>Haga clic con el botón derecho del ratón para abrir el menú de órdenes</translation>
    </message>
    <message>
        <source>Press Page Up to see previous quote displayed</source>
        <translation>Pulse Re Pág para ver la cita anterior</translation>
    </message>
    <message>
        <source>Press Space Bar to disable/enable timer</source>
        <translation>Pulse la barra espaciadora para desactivar/activar el temporizador</translation>
    </message>
    <message>
        <source>Press I to change timer interval (now = %1 seconds)</source>
        <translation>Pulse I para cambiar el intervalo (ahora = %1 segundos)</translation>
    </message>
    <message>
        <source>Don&apos;t show this window when slide show is launched</source>
        <translation>No mostrar esta ventana al iniciar la presentación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>f_subjects</name>
    <message>
        <source>Sentara - Subjects</source>
        <translation>Sentara - Temas</translation>
    </message>
    <message>
        <source>Subject &quot;%1&quot; cannot be deleted beacuse associated with one or more quotes.</source>
        <translation>El tema &quot;%1&quot; no se puede eliminar porque está asociado a una o más citas.</translation>
    </message>
    <message>
        <source>Subject not deleted.</source>
        <translation>Tema no eliminado.</translation>
    </message>
    <message>
        <source>Existing subject to be used?</source>
        <translation>¿Tema existente que se usará?</translation>
    </message>
    <message>
        <source>Subject replacement</source>
        <translation>Sustitución del tema</translation>
    </message>
    <message>
        <source>Subject &apos;%1&apos; not found.</source>
        <translation>Tema &apos;%1&apos; no encontrado.</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citas</translation>
    </message>
    <message>
        <source>Show Quotes</source>
        <translation>Mostrar citas</translation>
    </message>
    <message>
        <source>Show this subject&apos;s quotations in the main window (or double-click the list)</source>
        <translation>Mostrar las citas de este tema en la ventana principal (o hacer doble clic en la lista)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sustituir</translation>
    </message>
    <message>
        <source>File this subject&apos;s quotations under another subject</source>
        <translation>Archivar las citas de este tema bajo otro tema</translation>
    </message>
    <message>
        <source>Delete this subject (only while no quotation uses it)</source>
        <translation>Eliminar este tema (solo si ninguna cita lo usa)</translation>
    </message>
    <message>
        <source>Subject filter</source>
        <translation>Filtro de tema</translation>
    </message>
    <message>
        <source>List the subjects that hold the text (Enter, F5)</source>
        <translation>Listar los temas que contienen el texto (Intro, F5)</translation>
    </message>
    <message>
        <source>List every subject again; the text stays for the next Filter</source>
        <translation>Volver a listar todos los temas; el texto queda para el próximo Filtrar</translation>
    </message>
    <message>
        <source>Subject cannot be empty</source>
        <translation>El tema no puede estar vacío</translation>
    </message>
    <message>
        <source>Subject already present.</source>
        <translation>El tema ya existe.</translation>
    </message>
</context>
<context>
    <name>f_trash</name>
    <message>
        <source>Sentara - Trash</source>
        <translation>Sentara - Papelera</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Cita</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminada</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>List the deleted quotations whose text or author holds the text (Enter)</source>
        <translation>Listar las citas eliminadas cuyo texto o autor contiene el texto (Intro)</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Quitar filtro</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Put the quotations picked with the row selectors back, or the current one (Ctrl+R)</source>
        <translation>Devolver las citas elegidas con los selectores de fila, o la actual (Ctrl+R)</translation>
    </message>
    <message>
        <source>Restore all</source>
        <translation>Restaurar todas</translation>
    </message>
    <message>
        <source>Empty the Trash...</source>
        <translation>Vaciar la papelera...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Close this window (Esc)</source>
        <translation>Cerrar esta ventana (Esc)</translation>
    </message>
    <message>
        <source>Text or author</source>
        <translation>Texto o autor</translation>
    </message>
    <message>
        <source>Quotations: %1</source>
        <translation>Citas: %1</translation>
    </message>
    <message>
        <source>Restoring quotations...</source>
        <translation>Restaurando citas...</translation>
    </message>
    <message>
        <source>The quotations could not be restored; none was restored.</source>
        <translation>No se pudieron restaurar las citas; no se restauró ninguna.</translation>
    </message>
    <message>
        <source>Do you really want to empty the Trash? Its quotations, authors, subjects, languages and web sites are then gone for good, and Undo delete can no longer bring them back.</source>
        <translation>¿Seguro que quiere vaciar la papelera? Sus citas, autores, temas, idiomas y sitios web se perderán para siempre, y Deshacer eliminación ya no podrá recuperarlos.</translation>
    </message>
    <message>
        <source>
(and %1 more)</source>
        <translation>
(y %1 más)</translation>
    </message>
    <message>
        <source>for ever</source>
        <translation>para siempre</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Keep deleted quotations</source>
        <translation>Conservar las citas eliminadas</translation>
    </message>
    <message>
        <source>Quotations deleted longer ago are forgotten when Sentara starts; 0 keeps them for ever</source>
        <translation>Las citas eliminadas hace más tiempo se olvidan al iniciar Sentara; 0 las conserva para siempre</translation>
    </message>
</context>
<context>
    <name>f_websites</name>
    <message>
        <source>Sentara - Web Sites</source>
        <translation>Sentara - Sitios web</translation>
    </message>
    <message>
        <source>Web site not deleted.</source>
        <translation>Sitio web no eliminado.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Go to site</source>
        <translation>Ir al sitio</translation>
    </message>
    <message>
        <source>Open the address in the web browser (or double-click the list)</source>
        <translation>Abrir la dirección en el navegador (o hacer doble clic en la lista)</translation>
    </message>
    <message>
        <source>Name filter</source>
        <translation>Filtro de nombre</translation>
    </message>
    <message>
        <source>Notes filter</source>
        <translation>Filtro de notas</translation>
    </message>
    <message>
        <source>Language Filter </source>
        <translation>Filtro de idioma </translation>
    </message>
    <message>
        <source>List the sites whose name or notes hold the texts, or in the language (Enter, F5)</source>
        <translation>Listar los sitios cuyo nombre o notas contienen los textos, o en el idioma (Intro, F5)</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>El nombre no puede estar vacío</translation>
    </message>
    <message>
        <source>Web site already present.</source>
        <translation>El sitio web ya existe.</translation>
    </message>
    <message>
        <source>This web site has no address.</source>
        <translation>Este sitio web no tiene dirección.</translation>
    </message>
    <message>
        <source>No program could open &apos;%1&apos;.</source>
        <translation>Ningún programa pudo abrir &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Not opened: only an address beginning with http://, https://, ftp:// or www. is opened in the web browser.</source>
        <translation>No se abrió: en el navegador web solo se abre una dirección que empieza por http://, https://, ftp:// o www.</translation>
    </message>
    <message>
        <source>name filter</source>
        <translation>el filtro de nombre</translation>
    </message>
    <message>
        <source>notes filter</source>
        <translation>el filtro de notas</translation>
    </message>
    <message>
        <source>language filter</source>
        <translation>el filtro de idioma</translation>
    </message>
</context>
<context>
    <name>factories</name>
    <message>
        <source>Clear the %1</source>
        <translation>Vaciar %1</translation>
    </message>
</context>
<context>
    <name>fortune_format</name>
    <message>
        <source>none of its %1 lines is a &quot;%&quot; line, the line between two cookies</source>
        <translation>ninguna de sus %1 líneas es una línea &quot;%&quot;, la línea entre dos galletas</translation>
    </message>
    <message>
        <source>strfile is not installed</source>
        <translation>strfile no está instalado</translation>
    </message>
    <message>
        <source>strfile failed%1</source>
        <translation>strfile falló%1</translation>
    </message>
</context>
<context>
    <name>grid_keys</name>
    <message>
        <source>Sentara prepares the %1 quotations of this collection for fast sorting and filtering, once: %2.</source>
        <translation>Sentara prepara las %1 citas de esta colección para ordenar y filtrar con rapidez, una sola vez: %2.</translation>
    </message>
    <message>
        <source>keying the texts</source>
        <translation>claves de los textos</translation>
    </message>
    <message>
        <source>building the index %1</source>
        <translation>creación del índice %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>not available</source>
        <translation>no disponible</translation>
    </message>
    <message>
        <source>SENTARA VERSION HISTORY </source>
        <translation>HISTORIAL DE VERSIONES DE SENTARA </translation>
    </message>
    <message>
        <source>Current version is %1</source>
        <translation>La versión actual es %1</translation>
    </message>
    <message>
        <source>It includes the following changes (F = bug fixed, I = improvement, N = new function)</source>
        <translation>Incluye los cambios siguientes (F = error corregido, I = mejora, N = función nueva)</translation>
    </message>
    <message>
        <source>%1 - Version history</source>
        <translation>%1 - Historial de versiones</translation>
    </message>
    <message>
        <source>%1 version %2</source>
        <translation>%1 versión %2</translation>
    </message>
    <message>
        <source>Sentara is made by the Sentara project.</source>
        <translation>Sentara lo hace el proyecto Sentara.</translation>
    </message>
    <message>
        <source>Look for updates on the Sentara web site: %1</source>
        <translation>Busque actualizaciones en el sitio web de Sentara: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>You can get customer service and technical support for %1 in one of the following ways:</source>
        <translation>Puede obtener atención al cliente y asistencia técnica para %1 de una de estas formas:</translation>
    </message>
    <message>
        <source>- Send e-mail to %1 with your questions or problem reports</source>
        <translation>- Envíe un correo a %1 con sus preguntas o informes de problemas</translation>
    </message>
    <message>
        <source>- Call telephone # %1</source>
        <translation>- Llame al teléfono n.º %1</translation>
    </message>
    <message>
        <source>You are kindly invited to contact us for any problems, inquiries or comments. We appreciate being informed of your experience with %1 and are willing to improve this program according to your comments and suggestions.</source>
        <translation>Le invitamos a escribirnos por cualquier problema, consulta o comentario. Nos gusta conocer su experiencia con %1 y estamos dispuestos a mejorar este programa según sus comentarios y sugerencias.</translation>
    </message>
    <message>
        <source>Customer service and technical support</source>
        <translation>Atención al cliente y asistencia técnica</translation>
    </message>
</context>
<context>
    <name>import_formats</name>
    <message>
        <source>The input text</source>
        <translation>El texto de entrada</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos;</source>
        <translation>El archivo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to import.</source>
        <translation>%1 está vacío: no hay nada que importar.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>línea %1: </translation>
    </message>
    <message>
        <source>%1 cannot be imported as %2: %3%4.</source>
        <translation>%1 no puede importarse como %2: %3%4.</translation>
    </message>
</context>
<context>
    <name>kindle_clippings</name>
    <message>
        <source>no line is the separator of the clippings (%1)</source>
        <translation>ninguna línea es el separador de los recortes (%1)</translation>
    </message>
    <message>
        <source>the line under the book&apos;s title should say what the clipping is (&quot;- Your Highlight on page 1 | Location 10-12 | ...&quot;)</source>
        <translation>la línea bajo el título del libro debería decir qué es el recorte (&quot;- Your Highlight on page 1 | Location 10-12 | ...&quot;)</translation>
    </message>
    <message>
        <source>HIGHLIGHTS HELD BY A LONGER ONE OF THE SAME BOOK SKIPPED (THE LONGER KEPT):</source>
        <translation>SUBRAYADOS CONTENIDOS EN OTRO MÁS LARGO DEL MISMO LIBRO OMITIDOS (SE CONSERVA EL MÁS LARGO):</translation>
    </message>
    <message>
        <source>CLIPPINGS CUT BY THE CLIPPING LIMIT OF THEIR BOOK SKIPPED (NO TEXT):</source>
        <translation>RECORTES CORTADOS POR EL LÍMITE DE RECORTES DE SU LIBRO OMITIDOS (SIN TEXTO):</translation>
    </message>
    <message>
        <source>BOOKMARKS SKIPPED (NOT QUOTATIONS):</source>
        <translation>MARCADORES OMITIDOS (NO SON CITAS):</translation>
    </message>
    <message>
        <source>NOTES WITHOUT A HIGHLIGHT AT THEIR LOCATION SKIPPED:</source>
        <translation>NOTAS SIN SUBRAYADO EN SU POSICIÓN OMITIDAS:</translation>
    </message>
    <message>
        <source>CLIPPINGS OF ANOTHER KIND SKIPPED:</source>
        <translation>RECORTES DE OTRO TIPO OMITIDOS:</translation>
    </message>
</context>
<context>
    <name>long_work</name>
    <message>
        <source>About %1 min left.</source>
        <translation>Quedan unos %1 min.</translation>
    </message>
    <message>
        <source>About %1 s left.</source>
        <translation>Quedan unos %1 s.</translation>
    </message>
    <message>
        <source>Stopped: nothing was changed.</source>
        <translation>Detenido: no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>

Error %1 - %2</source>
        <translation>

Error %1 - %2</translation>
    </message>
</context>
<context>
    <name>quote_export</name>
    <message>
        <source>it has no text</source>
        <translation>no tiene texto</translation>
    </message>
    <message>
        <source>its text has more than one line</source>
        <translation>su texto tiene más de una línea</translation>
    </message>
    <message>
        <source>its text begins with &quot;.&quot;, the mark of a detail line</source>
        <translation>su texto empieza con &quot;.&quot;, la marca de una línea de detalle</translation>
    </message>
    <message>
        <source>its text begins with a no-break space</source>
        <translation>su texto empieza con un espacio de no separación</translation>
    </message>
    <message>
        <source>its author holds parentheses</source>
        <translation>su autor contiene paréntesis</translation>
    </message>
    <message>
        <source>its text ends in parentheses, which would be read as its author</source>
        <translation>su texto acaba entre paréntesis, que se leerían como su autor</translation>
    </message>
    <message>
        <source>its note holds a full stop or a line break</source>
        <translation>su nota contiene un punto o un salto de línea</translation>
    </message>
    <message>
        <source>its subject holds a full stop or a line break</source>
        <translation>su tema contiene un punto o un salto de línea</translation>
    </message>
    <message>
        <source>it begins like an earlier one (its first 40 characters)</source>
        <translation>empieza como una anterior (sus primeros 40 caracteres)</translation>
    </message>
    <message>
        <source>%1 of the %2 quotations cannot be written whole in the text format, which holds one line a quotation; read back, they would come in changed, split or not at all:
</source>
        <translation>%1 de las %2 citas no pueden escribirse enteras en el formato de texto, que guarda una línea por cita; al releerlas volverían cambiadas, partidas o no volverían:
</translation>
    </message>
    <message>
        <source>

CSV carries every field of every quotation.</source>
        <translation>

El CSV guarda todos los campos de todas las citas.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be written: %2.</source>
        <translation>El archivo &apos;%1&apos; no puede escribirse: %2.</translation>
    </message>
</context>
<context>
    <name>quote_import</name>
    <message>
        <source>Duplicated quotes in input text: %1</source>
        <translation>Citas repetidas en el texto: %1</translation>
    </message>
    <message>
        <source>Duplicated quotes in database: %1</source>
        <translation>Citas ya en la base de datos: %1</translation>
    </message>
    <message>
        <source>New quotes: %1</source>
        <translation>Citas nuevas: %1</translation>
    </message>
    <message>
        <source>Author cannot be empty as at least one quotation comes without author</source>
        <translation>El autor no puede estar vacío, porque al menos una cita viene sin autor</translation>
    </message>
    <message>
        <source>Language cannot be empty as for at least one quotation no language is specified</source>
        <translation>El idioma no puede estar vacío, porque al menos una cita no indica idioma</translation>
    </message>
    <message>
        <source>&quot;%1&quot; will be used as default language</source>
        <translation>&quot;%1&quot; se usará como idioma por omisión</translation>
    </message>
    <message>
        <source>%1 quotes added in database.</source>
        <translation>%1 citas añadidas a la base de datos.</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... y %1 líneas más</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: it does not exist.</source>
        <translation>El archivo &apos;%1&apos; no puede leerse: no existe.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: it is a folder.</source>
        <translation>El archivo &apos;%1&apos; no puede leerse: es una carpeta.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read: %2.</source>
        <translation>El archivo &apos;%1&apos; no puede leerse: %2.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not a text file: it holds binary data (NUL bytes), and is not UTF-16 text either.</source>
        <translation>El archivo &apos;%1&apos; no es un archivo de texto: contiene datos binarios (bytes NUL) y tampoco es texto UTF-16.</translation>
    </message>
    <message>
        <source>    is nearly the same as, in the input: %1</source>
        <translation>    es casi igual a, en el texto: %1</translation>
    </message>
    <message>
        <source>    is nearly the same as, in the database: %1</source>
        <translation>    es casi igual a, en la base de datos: %1</translation>
    </message>
    <message>
        <source>NEARLY THE SAME AS ANOTHER QUOTATION, KEPT FOR THE IMPORT (TAKE OUT OF THE INPUT THE ONES YOU DO NOT WANT):</source>
        <translation>CASI IGUALES A OTRA CITA, CONSERVADAS PARA LA IMPORTACIÓN (QUITE DEL TEXTO LAS QUE NO QUIERA):</translation>
    </message>
    <message>
        <source>POSSIBLE DUPLICATED ITEMS IN INPUT TEXT SKIPPED:</source>
        <translation>POSIBLES ELEMENTOS DUPLICADOS EN EL TEXTO OMITIDOS:</translation>
    </message>
    <message>
        <source>ITEMS ALREADY IN DATABASE SKIPPED:</source>
        <translation>ELEMENTOS YA EN LA BASE DE DATOS OMITIDOS:</translation>
    </message>
    <message>
        <source>LINES WITHOUT QUOTATION TEXT SKIPPED:</source>
        <translation>LÍNEAS SIN TEXTO DE CITA OMITIDAS:</translation>
    </message>
    <message>
        <source>DIRECTIVES BEFORE THE FIRST QUOTATION IGNORED:</source>
        <translation>DIRECTIVAS ANTES DE LA PRIMERA CITA IGNORADAS:</translation>
    </message>
    <message>
        <source>RATES OTHER THAN 1, 2 OR 3 IGNORED:</source>
        <translation>VALORACIONES DISTINTAS DE 1, 2 O 3 IGNORADAS:</translation>
    </message>
    <message>
        <source>LANGUAGES NOT IN THE DATABASE IGNORED (THE DEFAULT LANGUAGE IS USED):</source>
        <translation>IDIOMAS QUE NO ESTÁN EN LA BASE DE DATOS IGNORADOS (SE USA EL IDIOMA PREDETERMINADO):</translation>
    </message>
    <message>
        <source>AUTHORS ADDED TO THE DATABASE:</source>
        <translation>AUTORES AÑADIDOS A LA BASE DE DATOS:</translation>
    </message>
    <message>
        <source>SUBJECTS ADDED TO THE DATABASE:</source>
        <translation>TEMAS AÑADIDOS A LA BASE DE DATOS:</translation>
    </message>
    <message>
        <source>LINES NOT IN UTF-8, READ AS WINDOWS-1252:</source>
        <translation>LÍNEAS QUE NO ESTÁN EN UTF-8, LEÍDAS COMO WINDOWS-1252:</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>Select database file</source>
        <translation>Seleccionar el archivo de la base de datos</translation>
    </message>
    <message>
        <source>error %1 - %2</source>
        <translation>error %1 - %2</translation>
    </message>
    <message>
        <source>Sentara compacts its collection and checks the copy...</source>
        <translation>Sentara compacta su colección y comprueba la copia...</translation>
    </message>
    <message>
        <source>Sentara keeps a backup copy of its collection...</source>
        <translation>Sentara guarda una copia de seguridad de su colección...</translation>
    </message>
    <message>
        <source>The database could not be compacted; it is used as it is.
</source>
        <translation>No se pudo compactar la base de datos; se usa tal como está.
</translation>
    </message>
    <message>
        <source>Stopped: the collection is used as it is, and its upkeep is done at a later start.</source>
        <translation>Detenido: la colección se usa tal como está, y su mantenimiento se hará en un inicio posterior.</translation>
    </message>
    <message>
        <source>Stopped: nothing was changed. The collection is used as it is, more slowly, and the work is offered again at the next start.</source>
        <translation>Detenido: no se ha cambiado nada. La colección se usa tal como está, más despacio, y el trabajo se ofrecerá de nuevo en el próximo inicio.</translation>
    </message>
    <message>
        <source>
Error %1 - %2</source>
        <translation>
Error %1 - %2</translation>
    </message>
    <message>
        <source>Sentara puts its search index right, once.</source>
        <translation>Sentara repara su índice de búsqueda, una sola vez.</translation>
    </message>
    <message>
        <source>The search index could not be put right; deleting quotations without notes may fail.</source>
        <translation>No se pudo reparar el índice de búsqueda; eliminar citas sin notas puede fallar.</translation>
    </message>
    <message>
        <source>Sentara measures its collection...</source>
        <translation>Sentara mide su colección...</translation>
    </message>
    <message>
        <source>Sentara builds the search index of its %1 quotations, once.</source>
        <translation>Sentara crea el índice de búsqueda de sus %1 citas, una sola vez.</translation>
    </message>
    <message>
        <source>The search index could not be built; searches read the whole collection.</source>
        <translation>No se pudo crear el índice de búsqueda; las búsquedas leen toda la colección.</translation>
    </message>
    <message>
        <source>Sentara prepares its collection for fast sorting, once.</source>
        <translation>Sentara prepara su colección para ordenar con rapidez, una sola vez.</translation>
    </message>
    <message>
        <source>The collection could not be prepared for fast sorting; lists are sorted as they are read, more slowly.</source>
        <translation>No se pudo preparar la colección para ordenar con rapidez; las listas se ordenan al leerlas, más despacio.</translation>
    </message>
    <message>
        <source>A new database cannot be created at &apos;%1&apos;.
%2</source>
        <translation>No se puede crear una base de datos nueva en &apos;%1&apos;.
%2</translation>
    </message>
    <message>
        <source>Database &apos;%1&apos; is already open by another instance of this program or by Access.</source>
        <translation>La base de datos &apos;%1&apos; ya está abierta por otra instancia de este programa o por Access.</translation>
    </message>
    <message>
        <source>Press OK to continue, Cancel to quit.</source>
        <translation>Pulse Aceptar para continuar, Cancelar para salir.</translation>
    </message>
    <message>
        <source>Press OK to use it all the same, Cancel to keep the database in use.</source>
        <translation>Pulse Aceptar para usarla de todos modos, Cancelar para mantener la base de datos en uso.</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be found.</source>
        <translation>No se encuentra la base de datos &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No quotation database was found.

Create a new database at &apos;%1&apos;? It starts with a few dozen sample quotations, which you may keep or delete.

Choose file... opens a database you already have.</source>
        <translation>No se encontró ninguna base de datos de citas.

¿Crear una base de datos nueva en &apos;%1&apos;? Empieza con unas cuantas docenas de citas de ejemplo, que puede conservar o eliminar.

Elegir archivo... abre una base de datos que ya tenga.</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>C&amp;hoose file...</source>
        <translation>Elegir a&amp;rchivo...</translation>
    </message>
    <message>
        <source>The database cannot be opened.

%1</source>
        <translation>No se puede abrir la base de datos.

%1</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; cannot be used: its folder is not writable.</source>
        <translation>No se puede usar la base de datos &apos;%1&apos;: su carpeta no admite escritura.</translation>
    </message>
    <message>
        <source>The database cannot be opened.

The file &apos;%1&apos;: %2</source>
        <translation>No se puede abrir la base de datos.

El archivo &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The database &apos;%1&apos; is opened for reading only: this user may not change the file or its folder.

Quotations can be read, searched, exported and shown; edits, imports and the random order&apos;s moves are not saved.</source>
        <translation>La base de datos &apos;%1&apos; está abierta solo para lectura: este usuario no puede cambiar el archivo ni su carpeta.

Las citas se pueden leer, buscar, exportar y mostrar; las ediciones, las importaciones y los movimientos del orden aleatorio no se guardan.</translation>
    </message>
    <message>
        <source>Sentara database (*.mdb;*.sqo)|*.mdb;*.sqo|All files (*)|*</source>
        <translation>Base de datos de Sentara (*.mdb;*.sqo)|*.mdb;*.sqo|Todos los archivos (*)|*</translation>
    </message>
</context>
<context>
    <name>trash</name>
    <message>
        <source>author</source>
        <translation>autor</translation>
    </message>
    <message>
        <source>subject</source>
        <translation>tema</translation>
    </message>
    <message>
        <source>language</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>web site</source>
        <translation>sitio web</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; was not restored: one of the same name was added since.</source>
        <translation>%1 &apos;%2&apos; no se restauró: desde entonces se añadió otro con el mismo nombre.</translation>
    </message>
    <message>
        <source>The quotation %1 was not restored: the collection holds a newer one with the same key.</source>
        <translation>La cita %1 no se restauró: la colección contiene una más reciente con la misma clave.</translation>
    </message>
    <message>
        <source>%1 quotations were changed since and keep the name they have now.</source>
        <translation>%1 citas se modificaron desde entonces y conservan el nombre que tienen ahora.</translation>
    </message>
    <message>
        <source>The quotation kept was changed since and keeps what it has now.</source>
        <translation>La cita conservada se ha modificado desde entonces y mantiene lo que tiene ahora.</translation>
    </message>
</context>
</TS>
