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
        <source>Sentara keeps a collection of quotations. Without options it opens its main window on the
database it used last; the options below do their work and end without a window.</source>
        <translation>Sentara guarda una colección de citas. Sin opciones abre su ventana principal con la última
base de datos usada; las opciones de abajo hacen su trabajo y terminan sin abrir ventana.</translation>
    </message>
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
        <source>--create-database, --random, --import, --import-access and --export go one at a time</source>
        <translation>--create-database, --random, --import, --import-access y --export van de uno en uno</translation>
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
        <source>--database goes with --random, --export, --import or --import-access</source>
        <translation>--database va con --random, --export, --import o --import-access</translation>
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
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Click to select/deselect this row; hold CTRL to add rows, SHIFT to add a range</source>
        <translation>Haga clic para seleccionar/deseleccionar esta fila; mantenga CTRL para añadir filas, MAYÚS para añadir un intervalo</translation>
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
    <name>f_msgbox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
    <name>factories</name>
    <message>
        <source>Clear the %1</source>
        <translation>Vaciar %1</translation>
    </message>
</context>
</TS>
