<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="es_ES">
<context>
    <name>main</name>
    <message>
        <source>talmiroc: falta el idioma tras --idioma; son %1
</source>
        <translation>talmiroc: --idioma needs a language; they are %1
</translation>
    </message>
    <message>
        <source>talmiroc: idioma desconocido: %1; son %2
</source>
        <translation>talmiroc: unknown language: %1; they are %2
</translation>
    </message>
    <message>
        <source>talmiroc: una sola de --luna, --modulo y --onda
</source>
        <translation>talmiroc: only one of --luna, --modulo and --onda
</translation>
    </message>
    <message>
        <source>talmiroc: %1 espera una fecha: DÍA MES AÑO
</source>
        <translation>talmiroc: %1 expects a date: DAY MONTH YEAR
</translation>
    </message>
    <message>
        <source>talmiroc: %1 espera un valor
</source>
        <translation>talmiroc: %1 needs a value
</translation>
    </message>
    <message>
        <source>talmiroc: --papel va con --pdf
</source>
        <translation>talmiroc: --papel goes with --pdf
</translation>
    </message>
    <message>
        <source>talmiroc: --papel es a4 o carta, no «%1»
</source>
        <translation>talmiroc: --papel is a4 or carta, not «%1»
</translation>
    </message>
    <message>
        <source>[DÍA MES AÑO]</source>
        <translation>[DAY MONTH YEAR]</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>los 28 días de la luna de la fecha</source>
        <translation>the 28 days of the date&apos;s moon</translation>
    </message>
    <message>
        <source>el módulo armónico, con el kin de la fecha</source>
        <translation>the harmonic module, with the date&apos;s kin</translation>
    </message>
    <message>
        <source>la onda encantada del kin de la fecha</source>
        <translation>the wavespell of the date&apos;s kin</translation>
    </message>
    <message>
        <source>el año de trece lunas de la fecha (con --pdf; sin él, su luna)</source>
        <translation>the thirteen-moon year of the date (with --pdf; without it, its moon)</translation>
    </message>
    <message>
        <source>el papel del PDF; si no, carta donde se mide en
pulgadas y A4 en los demás lugares</source>
        <translation>the PDF&apos;s paper; otherwise Letter where inches are
the measure, and A4 elsewhere</translation>
    </message>
    <message>
        <source>el idioma de las ventanas; sin él, el del sistema</source>
        <translation>the windows&apos; language; without it, the system&apos;s</translation>
    </message>
    <message>
        <source>el kin de hoy en la bandeja del escritorio y un aviso
cada día; si ya está en la bandeja, no hace nada</source>
        <translation>today&apos;s kin in the desktop&apos;s tray and a notification
every day; if it is in the tray already, does nothing</translation>
    </message>
    <message>
        <source>talmiroc: --bandeja no va con una página ni con --pdf
</source>
        <translation>talmiroc: --bandeja goes with no page and no --pdf
</translation>
    </message>
    <message>
        <source>esta ayuda</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>Sin fecha, hoy. La fecha se lee como la leen las tres casillas de la ventana.
En la ventana del día, el menú contextual (botón derecho o tecla Menú) y
Ctrl+L, Ctrl+M y Ctrl+O abren las mismas páginas.
</source>
        <translation>With no date, today. The date is read as the window&apos;s three boxes read it.
In the day window, the context menu (right button or the Menu key) and
Ctrl+L, Ctrl+M and Ctrl+O open the same pages.
</translation>
    </message>
    <message>
        <source>talmiroc: opción desconocida: %1
</source>
        <translation>talmiroc: unknown option: %1
</translation>
    </message>
    <message>
        <source>talmiroc: %1 repetida
</source>
        <translation>talmiroc: %1 given twice
</translation>
    </message>
    <message>
        <source>talmiroc: la fecha va con --luna, --modulo, --onda o --año
</source>
        <translation>talmiroc: a date goes with --luna, --modulo, --onda or --año
</translation>
    </message>
    <message>
        <source>talmiroc: no se pudo escribir la ayuda: %1
</source>
        <translation>talmiroc: could not write the help: %1
</translation>
    </message>
    <message>
        <source>talmiroc: %1 no es una fecha del calendario; las páginas piden una fecha real
</source>
        <translation>talmiroc: %1 is not a calendar date; the pages need a real date
</translation>
    </message>
    <message>
        <source>escribe las hojas en ARCHIVO, sin abrir ventana:
la luna en una hoja, el año en 15 (portada, el año
en una hoja y 13 lunas), el módulo en una (con fecha,
su kin resaltado), la onda encantada en una;
con ARCHIVO -, en la salida estándar</source>
        <translation>writes the pages to FILE, opening no window:
the moon on one page, the year on 15 (cover, the year
on one page and 13 moons), the module on one (given a
date, its kin highlighted), the wavespell on one;
with FILE -, to standard output</translation>
    </message>
    <message>
        <source>talmiroc: --pdf va con --luna, --año, --modulo u --onda
</source>
        <translation>talmiroc: --pdf goes with --luna, --año, --modulo or --onda
</translation>
    </message>
    <message>
        <source>talmiroc: --forma es cuadrada, vertical o ancha, no «%1»
</source>
        <translation>talmiroc: --forma is cuadrada, vertical or ancha, not «%1»
</translation>
    </message>
    <message>
        <source>la tarjeta del kin de la fecha, con --png o --svg</source>
        <translation>the kin card of the date, with --png or --svg</translation>
    </message>
    <message>
        <source>talmiroc: --tarjeta va con --png o --svg
</source>
        <translation>talmiroc: --tarjeta goes with --png or --svg
</translation>
    </message>
    <message>
        <source>escribe la tarjeta como imagen PNG en ARCHIVO, sin abrir
ventana; con ARCHIVO -, en la salida estándar</source>
        <translation>writes the card as a PNG picture to FILE, opening no
window; with FILE -, to standard output</translation>
    </message>
    <message>
        <source>talmiroc: --png va con --tarjeta
</source>
        <translation>talmiroc: --png goes with --tarjeta
</translation>
    </message>
    <message>
        <source>la escribe como SVG (texto como texto); las dos, si se piden</source>
        <translation>writes it as SVG (text as text); both, if both are asked for</translation>
    </message>
    <message>
        <source>talmiroc: --svg va con --tarjeta
</source>
        <translation>talmiroc: --svg goes with --tarjeta
</translation>
    </message>
    <message>
        <source>talmiroc: --forma va con --tarjeta
</source>
        <translation>talmiroc: --forma goes with --tarjeta
</translation>
    </message>
    <message>
        <source>talmiroc: --tarjeta no va con --luna, --modulo, --onda ni --año
</source>
        <translation>talmiroc: --tarjeta does not go with --luna, --modulo, --onda or --año
</translation>
    </message>
    <message>
        <source>FORMA</source>
        <translation>SHAPE</translation>
    </message>
    <message>
        <source>la de la tarjeta: cuadrada, 1080 × 1080 (si no se dice),
vertical, 1080 × 1920, o ancha, 1200 × 630</source>
        <translation>the card&apos;s: cuadrada, 1080 × 1080 (unless said),
vertical, 1080 × 1920, or ancha, 1200 × 630</translation>
    </message>
    <message>
        <source>el libro de personas: sus kines, cómo se relacionan y sus regresos</source>
        <translation>the people book: their kins, how they relate and their returns</translation>
    </message>
    <message>
        <source>con --personas, añade al libro las personas de ARCHIVO,
vCard (FN y BDAY) o CSV (nombre,dia,mes,año), sin abrir
ventana, y dice cuántas añadió y cuáles omitió y por qué</source>
        <translation>with --personas, adds the people of FILE to the book,
vCard (FN and BDAY) or CSV (nombre,dia,mes,año), with no
window, saying how many were added, which skipped and why</translation>
    </message>
    <message>
        <source>talmiroc: --importar va con --personas
</source>
        <translation>talmiroc: --importar goes with --personas
</translation>
    </message>
    <message>
        <source>Uso: talmiroc [--idioma IDIOMA] [--luna|--modulo|--onda [DÍA MES AÑO]]
       talmiroc --luna|--año|--modulo|--onda [DÍA MES AÑO] --pdf ARCHIVO [--papel a4|carta]
       talmiroc --tarjeta [DÍA MES AÑO] --png ARCHIVO | --svg ARCHIVO
                [--forma cuadrada|vertical|ancha]
       talmiroc --personas --importar ARCHIVO
       talmiroc --bandeja [--idioma IDIOMA]

Sin opciones abre la ventana del día en la fecha de hoy.
</source>
        <translation>Usage: talmiroc [--idioma LANGUAGE] [--luna|--modulo|--onda [DAY MONTH YEAR]]
       talmiroc --luna|--año|--modulo|--onda [DAY MONTH YEAR] --pdf FILE [--papel a4|carta]
       talmiroc --tarjeta [DAY MONTH YEAR] --png FILE | --svg FILE
                [--forma cuadrada|vertical|ancha]
       talmiroc --personas --importar FILE
       talmiroc --bandeja [--idioma LANGUAGE]

With no options, opens the day window on today&apos;s date.
</translation>
    </message>
</context>
<context>
    <name>talmiroc::Archivo</name>
    <message>
        <source>la salida estándar</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>no es un archivo común (es un dispositivo o una tubería)</source>
        <translation>not a regular file (a device or a pipe)</translation>
    </message>
</context>
<context>
    <name>talmiroc::Bandeja</name>
    <message>
        <source>Lectura de hoy</source>
        <translation>Today&apos;s reading</translation>
    </message>
    <message>
        <source>Luna de hoy</source>
        <translation>Today&apos;s moon</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Harmonic module</translation>
    </message>
    <message>
        <source>Personas</source>
        <translation>People</translation>
    </message>
    <message>
        <source>Notificar cada día</source>
        <translation>Notify every day</translation>
    </message>
    <message>
        <source>Iniciar con la sesión</source>
        <translation>Start with the session</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>No se pudo borrar el archivo %1: %2</source>
        <translation>The file %1 could not be removed: %2</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1</source>
        <translation>The folder %1 could not be made</translation>
    </message>
</context>
<context>
    <name>talmiroc::Calendario</name>
    <message>
        <source>&amp;Luna</source>
        <translation>&amp;Moon</translation>
    </message>
    <message>
        <source>&amp;Módulo armónico</source>
        <translation>&amp;Harmonic module</translation>
    </message>
    <message>
        <source>&amp;Onda encantada</source>
        <translation>&amp;Wavespell</translation>
    </message>
    <message>
        <source>Dia</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Oráculo</source>
        <translation>Oracle</translation>
    </message>
    <message>
        <source>Kin Guia</source>
        <translation>Guide Kin</translation>
    </message>
    <message>
        <source>Duplica el poder de la 5º fuerza</source>
        <translation>Doubles the power of the 5th force</translation>
    </message>
    <message>
        <source>Kin Antípoda</source>
        <translation>Antipode Kin</translation>
    </message>
    <message>
        <source>Refuerza Memoria del Génesis</source>
        <translation>Reinforces the Memory of Genesis</translation>
    </message>
    <message>
        <source>Kin Análogo</source>
        <translation>Analog Kin</translation>
    </message>
    <message>
        <source>Da refuerzo, van juntas</source>
        <translation>Gives support; they go together</translation>
    </message>
    <message>
        <source>Kin Oculto</source>
        <translation>Occult Kin</translation>
    </message>
    <message>
        <source>Poder de lo inesperado</source>
        <translation>Power of the unexpected</translation>
    </message>
    <message>
        <source>Creado en:</source>
        <translation>Created on:</translation>
    </message>
    <message>
        <source>Por:</source>
        <translation>By:</translation>
    </message>
    <message>
        <source>Brenoval Serpiente Eléctrica Roja</source>
        <translation>Brenoval Red Electric Serpent</translation>
    </message>
    <message>
        <source>Varnesca 9 de abril de 2003</source>
        <translation>Varnesca 9 April 2003</translation>
    </message>
    <message>
        <source>Día</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>&amp;Limpiar</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Acerca de </source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Año de la Luna Planetaria Roja</source>
        <translation>Year of the Red Planetary Moon</translation>
    </message>
    <message>
        <source>Luna Planetaria del Perro</source>
        <translation>Planetary Dog Moon</translation>
    </message>
    <message>
        <source>Enlazador de mundos resonante blanco</source>
        <translation>White Resonant Worldbridger</translation>
    </message>
    <message>
        <source>Debe introducir una fecha</source>
        <translation>Please enter a date</translation>
    </message>
    <message>
        <source>No se pudo imprimir la ventana</source>
        <translation>The window could not be printed</translation>
    </message>
    <message>
        <source>Quenabre</source>
        <translation>Talmiroc</translation>
    </message>
    <message>
        <source>No se pudo imprimir la página</source>
        <translation>The page could not be printed</translation>
    </message>
    <message>
        <source>Lectura copiada</source>
        <translation>Reading copied</translation>
    </message>
</context>
<context>
    <name>talmiroc::Modelo_personas</name>
    <message>
        <source>Kin %1</source>
        <translation>Kin %1</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nacimiento</source>
        <translation>Birth</translation>
    </message>
    <message>
        <source>Kin de nacimiento</source>
        <translation>Birth kin</translation>
    </message>
</context>
<context>
    <name>talmiroc::Pagina_personas</name>
    <message>
        <source>no es un archivo normal</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>Buscar por nombre</source>
        <translation>Search by name</translation>
    </message>
    <message>
        <source>Personas</source>
        <translation>People</translation>
    </message>
    <message>
        <source>Empezar un libro &amp;nuevo</source>
        <translation>Start a &amp;new book</translation>
    </message>
    <message>
        <source>&amp;Añadir…</source>
        <translation>&amp;Add…</translation>
    </message>
    <message>
        <source>Una persona nueva en el libro</source>
        <translation>A new person in the book</translation>
    </message>
    <message>
        <source>&amp;Editar…</source>
        <translation>&amp;Edit…</translation>
    </message>
    <message>
        <source>El nombre o la fecha de la persona elegida</source>
        <translation>The chosen person&apos;s name or date</translation>
    </message>
    <message>
        <source>&amp;Quitar</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>Quita del libro a las personas elegidas (Supr)</source>
        <translation>Removes the chosen people from the book (Del)</translation>
    </message>
    <message>
        <source>&amp;Deshacer</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Deshace el último cambio del libro (Ctrl+Z)</source>
        <translation>Undoes the book&apos;s last change (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Guardar ca&amp;lendario…</source>
        <translation>Save ca&amp;lendar…</translation>
    </message>
    <message>
        <source>Los 10 próximos regresos del kin de cada persona, como iCalendar</source>
        <translation>Each person&apos;s next 10 kin returns, as iCalendar</translation>
    </message>
    <message>
        <source>El libro de personas %1 no se puede leer (%2). Se conserva tal cual y no se cambiará: está en solo lectura hasta que empiece uno nuevo, que guardará el viejo aparte.</source>
        <translation>The people book %1 cannot be read (%2). It is kept as it is and will not be changed: it is read-only until you start a new one, which keeps the old one aside.</translation>
    </message>
    <message>
        <source>Cambios sin guardar en el libro %1: %2. Se guardarán con el próximo.</source>
        <translation>Unsaved changes in the book %1: %2. They will be saved with the next one.</translation>
    </message>
    <message>
        <source>el sistema no deja leerlo: %1</source>
        <translation>the system does not let it be read: %1</translation>
    </message>
    <message>
        <source>no es JSON válido o está cortado, en la línea %1</source>
        <translation>it is not valid JSON or is cut short, at line %1</translation>
    </message>
    <message>
        <source>no es un libro de personas</source>
        <translation>it is not a people book</translation>
    </message>
    <message>
        <source>su versión, %1, es de otro programa</source>
        <translation>its version, %1, is another program&apos;s</translation>
    </message>
    <message>
        <source>la persona %1 no tiene justo nombre, dia, mes y año</source>
        <translation>person %1 does not have exactly nombre, dia, mes and año</translation>
    </message>
    <message>
        <source>el nombre de la persona %1 está vacío, es demasiado largo o tiene caracteres de control</source>
        <translation>the name of person %1 is empty, too long or has control characters</translation>
    </message>
    <message>
        <source>la fecha de la persona %1 no es válida</source>
        <translation>the date of person %1 is not valid</translation>
    </message>
    <message>
        <source>Libro de personas</source>
        <translation>People book</translation>
    </message>
    <message>
        <source>Otros usuarios de esta máquina pueden leer el libro de personas %1. Para que solo usted pueda: chmod 600 &apos;%1&apos;</source>
        <translation>Other users of this machine can read the people book %1. So that only you can: chmod 600 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>No se pudo guardar el libro de personas %1: %2. El cambio se ve aquí y se guardará con el próximo.</source>
        <translation>Could not save the people book %1: %2. The change shows here and will be saved with the next one.</translation>
    </message>
    <message>
        <source>El nombre lleva de 1 a 200 caracteres, sin saltos de línea.</source>
        <translation>A name has 1 to 200 characters, with no line break.</translation>
    </message>
    <message>
        <source>No se pudo empezar un libro nuevo en %1: %2</source>
        <translation>Could not start a new book at %1: %2</translation>
    </message>
    <message>
        <source>El libro que no se podía leer está ahora en %1.</source>
        <translation>The book that could not be read is now at %1.</translation>
    </message>
    <message>
        <source>Añadir una persona</source>
        <translation>Add a person</translation>
    </message>
    <message>
        <source>Editar una persona</source>
        <translation>Edit a person</translation>
    </message>
    <message>
        <source>Día</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>&amp;Nombre:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Nacimiento (día, mes, año):</source>
        <translation>Birth (day, month, year):</translation>
    </message>
    <message>
        <source>Lo que %1 es para %2</source>
        <translation>What %1 is to %2</translation>
    </message>
    <message>
        <source>Ninguna relación.</source>
        <translation>No relation.</translation>
    </message>
    <message>
        <source>El libro está vacío. Añada a alguien con Añadir.</source>
        <translation>The book is empty. Add someone with Add.</translation>
    </message>
    <message>
        <source>Elija una persona para ver su kin, o dos (Ctrl+clic) para ver cómo se relacionan sus kines.</source>
        <translation>Choose a person to see their kin, or two (Ctrl+click) to see how their kins relate.</translation>
    </message>
    <message>
        <source>Elija una persona o dos.</source>
        <translation>Choose one person or two.</translation>
    </message>
    <message>
        <source>Nacimiento</source>
        <translation>Birth</translation>
    </message>
    <message>
        <source>Guía</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Antípoda</source>
        <translation>Antipode</translation>
    </message>
    <message>
        <source>Análogo</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Oculto</source>
        <translation>Occult</translation>
    </message>
    <message>
        <source>%1
Kin %2</source>
        <translation>%1
Kin %2</translation>
    </message>
    <message>
        <source>Color: %1</source>
        <translation>Colour: %1</translation>
    </message>
    <message>
        <source>Familia terrestre: %1</source>
        <translation>Earth family: %1</translation>
    </message>
    <message>
        <source>Próximos regresos de su kin (cada 260 días)</source>
        <translation>Next returns of their kin (every 260 days)</translation>
    </message>
    <message>
        <source>Cumpleaños</source>
        <translation>Birthdays</translation>
    </message>
    <message>
        <source>Vive el año %1 de su ciclo %2 de 52 años: a los 52 años el kin vuelve el día del cumpleaños.</source>
        <translation>Living year %1 of their 52-year cycle %2: at 52 the kin returns on the birthday itself.</translation>
    </message>
    <message>
        <source>Hoy, %1</source>
        <translation>Today, %1</translation>
    </message>
    <message>
        <source>Ninguna relación con su kin.</source>
        <translation>No relation to their kin.</translation>
    </message>
    <message>
        <source>Guardar calendario</source>
        <translation>Save calendar</translation>
    </message>
    <message>
        <source>regresos-de-kin.ics</source>
        <translation>kin-returns.ics</translation>
    </message>
    <message>
        <source>Calendarios iCalendar (*.ics)</source>
        <translation>iCalendar calendars (*.ics)</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>Impor&amp;tar…</source>
        <translation>Impor&amp;t…</translation>
    </message>
    <message>
        <source>Las personas de una libreta de direcciones (vCard) o de una tabla CSV (nombre, día, mes, año)</source>
        <translation>The people of an address book (vCard) or of a CSV table (name, day, month, year)</translation>
    </message>
    <message>
        <source>Importar personas</source>
        <translation>Import people</translation>
    </message>
    <message>
        <source>Libretas de direcciones y tablas (*.vcf *.vcard *.csv)</source>
        <translation>Address books and tables (*.vcf *.vcard *.csv)</translation>
    </message>
    <message>
        <source>Todos los archivos (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Añadidas: %1. Omitidas: %2.</source>
        <translation>Added: %1. Skipped: %2.</translation>
    </message>
    <message>
        <source>no tiene nombre</source>
        <translation>it has no name</translation>
    </message>
    <message>
        <source>el nombre «%1» es demasiado largo o tiene caracteres de control</source>
        <translation>the name “%1” is too long or has control characters</translation>
    </message>
    <message>
        <source>%1 no tiene fecha de nacimiento</source>
        <translation>%1 has no birth date</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no tiene año (%2), y sin año no hay kin</source>
        <translation>%1&apos;s birth date has no year (%2), and without a year there is no kin</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no es una fecha completa (%2)</source>
        <translation>%1&apos;s birth date is not a whole date (%2)</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no vale: %2</source>
        <translation>%1&apos;s birth date is refused: %2</translation>
    </message>
    <message>
        <source>se esperaban nombre, día, mes y año, y hay %1 campos</source>
        <translation>name, day, month and year were expected, and there are %1 fields</translation>
    </message>
    <message>
        <source>%1 está en una codificación que no se lee (%2); expórtela en UTF-8</source>
        <translation>%1 is in an encoding that is not read (%2); export it as UTF-8</translation>
    </message>
    <message>
        <source>%1 ya estaba antes en el archivo, con la misma fecha</source>
        <translation>%1 was earlier in the file already, with the same date</translation>
    </message>
    <message>
        <source>%1 ya está en el libro</source>
        <translation>%1 is in the book already</translation>
    </message>
    <message>
        <source>Tarjeta %1 (línea %2): %3</source>
        <translation>Card %1 (line %2): %3</translation>
    </message>
    <message>
        <source>Línea %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>pasa de 16 MiB, y ninguna libreta de direcciones es tan grande</source>
        <translation>it is over 16 MiB, and no address book is that large</translation>
    </message>
    <message>
        <source>no es texto UTF-8 (línea %1)</source>
        <translation>it is not UTF-8 text (line %1)</translation>
    </message>
    <message>
        <source>no tiene ninguna tarjeta vCard ni ninguna línea con personas</source>
        <translation>it has no vCard card and no line with people</translation>
    </message>
    <message>
        <source>la tarjeta vCard de la línea %1 no termina (falta END:VCARD)</source>
        <translation>the vCard card at line %1 does not end (END:VCARD is missing)</translation>
    </message>
    <message>
        <source>la línea %1 está fuera de toda tarjeta vCard</source>
        <translation>line %1 is outside every vCard card</translation>
    </message>
    <message>
        <source>las comillas que se abren en la línea %1 no se cierran</source>
        <translation>the quotes opened at line %1 are never closed</translation>
    </message>
    <message>
        <source>No se pudo importar %1: %2. No se añadió a nadie.</source>
        <translation>Could not import %1: %2. Nobody was added.</translation>
    </message>
    <message>
        <source>El libro de personas %1 no se puede leer (%2); no se añadió a nadie.</source>
        <translation>The people book %1 cannot be read (%2); nobody was added.</translation>
    </message>
    <message>
        <source>No se pudo guardar el libro de personas %1: %2. No se añadió a nadie.</source>
        <translation>Could not save the people book %1: %2. Nobody was added.</translation>
    </message>
</context>
<context>
    <name>talmiroc::Papel</name>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1</source>
        <translation>The file %1 could not be written</translation>
    </message>
    <message>
        <source>Marco verde: portal de activación galáctica</source>
        <translation>Green frame: galactic activation portal</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Harmonic module</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central · marco azul: el kin resaltado · Gu guía, Ap antípoda, An análogo, Oc oculto · barra violeta: su onda encantada</source>
        <translation>Green: galactic activation portal · column 7 between lines: central column · blue frame: the highlighted kin · Gu guide, Ap antipode, An analog, Oc occult · violet bar: its wavespell</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central</source>
        <translation>Green: galactic activation portal · column 7 between lines: central column</translation>
    </message>
    <message>
        <source>En cada día, su fecha y su kin · %1 · 25/7: %2 · marco verde: portal de activación galáctica</source>
        <translation>In each day, its date and its kin · %1 · 25/7: %2 · green frame: galactic activation portal</translation>
    </message>
</context>
<context>
    <name>talmiroc::Tarjeta</name>
    <message>
        <source>Nacimiento: %1</source>
        <translation>Born: %1</translation>
    </message>
    <message>
        <source>Tarjeta cuadrada</source>
        <translation>Square card</translation>
    </message>
    <message>
        <source>Tarjeta vertical</source>
        <translation>Vertical card</translation>
    </message>
    <message>
        <source>Tarjeta ancha</source>
        <translation>Wide card</translation>
    </message>
    <message>
        <source>Guardar tarjeta</source>
        <translation>Save Card</translation>
    </message>
    <message>
        <source>Guardar tarjeta…</source>
        <translation>Save Card…</translation>
    </message>
    <message>
        <source>Copiar tarjeta</source>
        <translation>Copy Card</translation>
    </message>
</context>
<context>
    <name>talmiroc::Ventana_tiempo</name>
    <message>
        <source>hoy</source>
        <translation>today</translation>
    </message>
    <message>
        <source>Héptada %1</source>
        <translation>Heptad %1</translation>
    </message>
    <message>
        <source>Columna %1, central</source>
        <translation>Column %1, central</translation>
    </message>
    <message>
        <source>%1 ·</source>
        <translation>%1 ·</translation>
    </message>
    <message>
        <source>columna central</source>
        <translation>central column</translation>
    </message>
    <message>
        <source>guía del seleccionado</source>
        <translation>guide of the selected kin</translation>
    </message>
    <message>
        <source>antípoda del seleccionado</source>
        <translation>antipode of the selected kin</translation>
    </message>
    <message>
        <source>análogo del seleccionado</source>
        <translation>analog of the selected kin</translation>
    </message>
    <message>
        <source>oculto del seleccionado</source>
        <translation>occult of the selected kin</translation>
    </message>
    <message>
        <source>en la onda encantada del seleccionado</source>
        <translation>in the selected kin&apos;s wavespell</translation>
    </message>
    <message>
        <source>Kin</source>
        <translation>Kin</translation>
    </message>
    <message>
        <source>Tono</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kin %1</source>
        <translation>Kin %1</translation>
    </message>
    <message>
        <source>Gu</source>
        <translation>Gu</translation>
    </message>
    <message>
        <source>Ap</source>
        <translation>Ap</translation>
    </message>
    <message>
        <source>An</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Oc</source>
        <translation>Oc</translation>
    </message>
    <message>
        <source>Talmiroc: la cuenta en el tiempo</source>
        <translation>Talmiroc: the count over time</translation>
    </message>
    <message>
        <source>&amp;Luna</source>
        <translation>&amp;Moon</translation>
    </message>
    <message>
        <source>&amp;Módulo armónico</source>
        <translation>&amp;Harmonic module</translation>
    </message>
    <message>
        <source>&amp;Onda encantada</source>
        <translation>&amp;Wavespell</translation>
    </message>
    <message>
        <source>&amp;Cómo se cuenta</source>
        <translation>How the &amp;count works</translation>
    </message>
    <message>
        <source>«</source>
        <translation>«</translation>
    </message>
    <message>
        <source>Año anterior (Mayús+Re Pág)</source>
        <translation>Previous year (Shift+Page Up)</translation>
    </message>
    <message>
        <source>‹</source>
        <translation>‹</translation>
    </message>
    <message>
        <source>Luna anterior (Re Pág)</source>
        <translation>Previous moon (Page Up)</translation>
    </message>
    <message>
        <source>›</source>
        <translation>›</translation>
    </message>
    <message>
        <source>Luna siguiente (Av Pág)</source>
        <translation>Next moon (Page Down)</translation>
    </message>
    <message>
        <source>»</source>
        <translation>»</translation>
    </message>
    <message>
        <source>Año siguiente (Mayús+Av Pág)</source>
        <translation>Next year (Shift+Page Down)</translation>
    </message>
    <message>
        <source>&amp;Hoy</source>
        <translation>&amp;Today</translation>
    </message>
    <message>
        <source>Hoy (Inicio)</source>
        <translation>Today (Home)</translation>
    </message>
    <message>
        <source>Días de la luna</source>
        <translation>Days of the moon</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Harmonic module</translation>
    </message>
    <message>
        <source>Onda encantada</source>
        <translation>Wavespell</translation>
    </message>
    <message>
        <source>&lt;p&gt;Así lleva Talmiroc la cuenta:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;El año de trece lunas empieza el 26 de julio, y el kin de ese día es el portador del año hasta el 25 de julio siguiente.&lt;/li&gt;&lt;li&gt;Cada luna tiene 28 días, en cuatro héptadas de siete plasmas: Dali, Seli, Gamma, Kali, Alfa, Limi y Silio. La primera luna va del 26 de julio al 22 de agosto; la decimotercera, del 27 de junio al 24 de julio.&lt;/li&gt;&lt;li&gt;El 25 de julio no pertenece a ninguna luna: es el Día fuera del tiempo.&lt;/li&gt;&lt;li&gt;El 29 de febrero no avanza la cuenta: lleva el kin del 28 de febrero y se muestra como «0.0 Hunab Ku», entre los días 22 y 23 de la octava luna.&lt;/li&gt;&lt;li&gt;La notación NS cuenta ciclos de 52 años desde el año que empezó el 26 de julio de 1987: NS1.26.4.27 es el ciclo 1, año 26 del ciclo, luna 4, día 27.&lt;/li&gt;&lt;li&gt;Los 52 portales de activación galáctica son los del módulo armónico; la columna central es la séptima, de los kines 121 a 140.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Otras calculadoras cuentan distinto el 29 de febrero o el 25 de julio; por eso sus kines pueden no coincidir con estos.&lt;/p&gt;</source>
        <translation>&lt;p&gt;This is how Talmiroc keeps the count:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;The thirteen-moon year begins on 26 July, and that day&apos;s kin is the year bearer until the next 25 July.&lt;/li&gt;&lt;li&gt;Each moon has 28 days, in four heptads of seven plasmas: Dali, Seli, Gamma, Kali, Alpha, Limi and Silio. The first moon runs from 26 July to 22 August; the thirteenth, from 27 June to 24 July.&lt;/li&gt;&lt;li&gt;25 July belongs to no moon: it is the Day Out of Time.&lt;/li&gt;&lt;li&gt;29 February does not advance the count: it carries the kin of 28 February and is shown as «0.0 Hunab Ku», between days 22 and 23 of the eighth moon.&lt;/li&gt;&lt;li&gt;The NS notation counts cycles of 52 years from the year that began on 26 July 1987: NS1.26.4.27 is cycle 1, year 26 of the cycle, moon 4, day 27.&lt;/li&gt;&lt;li&gt;The 52 galactic activation portals are those of the harmonic module; the central column is the seventh, kins 121 to 140.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Other calculators count 29 February or 25 July differently; that is why their kins may not match these.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Seleccionado: %1 (%2) · Hoy: %3</source>
        <translation>Selected: %1 (%2) · Today: %3</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>La página que se ve, en papel</source>
        <translation>The page shown, on paper</translation>
    </message>
    <message>
        <source>Guardar &amp;PDF…</source>
        <translation>Save as P&amp;DF…</translation>
    </message>
    <message>
        <source>La página que se ve, en un archivo PDF</source>
        <translation>The page shown, in a PDF file</translation>
    </message>
    <message>
        <source>luna-%1.pdf</source>
        <translation>moon-%1.pdf</translation>
    </message>
    <message>
        <source>modulo-kin-%1.pdf</source>
        <translation>module-kin-%1.pdf</translation>
    </message>
    <message>
        <source>Guardar PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Marco verde: portal de activación galáctica · número blanco sobre negro: hoy · marco azul: el día seleccionado · Intro: leer el día</source>
        <translation>Green frame: galactic activation portal · white number on black: today · blue frame: the selected day · Enter: read the day</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central · número blanco sobre negro: hoy · marco azul: el kin seleccionado · Gu guía, Ap antípoda, An análogo, Oc oculto · barra violeta: su onda encantada</source>
        <translation>Green: galactic activation portal · column 7 between lines: central column · white number on black: today · blue frame: the selected kin · Gu guide, Ap antipode, An analog, Oc occult · violet bar: its wavespell</translation>
    </message>
    <message>
        <source>&lt;p&gt;Para comprobar una cuenta: el %1 es el %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;To check a count: %1 is %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Los %1 portales de activación galáctica son los kines %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The %1 galactic activation portals are kins %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>La ventana del día lee años de hasta %1 cifras: el %2 no se puede leer en ella.</source>
        <translation>The day window reads years of up to %1 digits: %2 cannot be read there.</translation>
    </message>
    <message>
        <source>onda-kin-%1.pdf</source>
        <translation>wavespell-kin-%1.pdf</translation>
    </message>
    <message>
        <source>%1, vuelve el kin de %2</source>
        <translation>%1, the kin of %2 returns</translation>
    </message>
    <message>
        <source>Pe&amp;rsonas</source>
        <translation>Peop&amp;le</translation>
    </message>
</context>
</TS>
