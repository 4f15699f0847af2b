<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="es_ES">
<context>
    <name>main</name>
    <message>
        <source>talmiroc: falta el idioma tras --idioma; son %1
</source>
        <translation>talmiroc: после --idioma нужен язык; доступны %1
</translation>
    </message>
    <message>
        <source>talmiroc: idioma desconocido: %1; son %2
</source>
        <translation>talmiroc: неизвестный язык: %1; доступны %2
</translation>
    </message>
    <message>
        <source>talmiroc: una sola de --luna, --modulo y --onda
</source>
        <translation>talmiroc: можно только одно из --luna, --modulo и --onda
</translation>
    </message>
    <message>
        <source>talmiroc: %1 espera una fecha: DÍA MES AÑO
</source>
        <translation>talmiroc: %1 ожидает дату: ДЕНЬ МЕСЯЦ ГОД
</translation>
    </message>
    <message>
        <source>talmiroc: %1 espera un valor
</source>
        <translation>talmiroc: %1 ожидает значение
</translation>
    </message>
    <message>
        <source>talmiroc: --papel va con --pdf
</source>
        <translation>talmiroc: --papel используется с --pdf
</translation>
    </message>
    <message>
        <source>talmiroc: --papel es a4 o carta, no «%1»
</source>
        <translation>talmiroc: --papel — это a4 или carta, а не «%1»
</translation>
    </message>
    <message>
        <source>talmiroc: no se pudo escribir la ayuda: %1
</source>
        <translation>talmiroc: не удалось вывести справку: %1
</translation>
    </message>
    <message>
        <source>[DÍA MES AÑO]</source>
        <translation>[ДЕНЬ МЕСЯЦ ГОД]</translation>
    </message>
    <message>
        <source>los 28 días de la luna de la fecha</source>
        <translation>28 дней луны этой даты</translation>
    </message>
    <message>
        <source>el módulo armónico, con el kin de la fecha</source>
        <translation>гармонический модуль с кином этой даты</translation>
    </message>
    <message>
        <source>la onda encantada del kin de la fecha</source>
        <translation>волшебная волна кина этой даты</translation>
    </message>
    <message>
        <source>el año de trece lunas de la fecha (con --pdf; sin él, su luna)</source>
        <translation>год тринадцати лун этой даты (с --pdf; без него — его луна)</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>el papel del PDF; si no, carta donde se mide en
pulgadas y A4 en los demás lugares</source>
        <translation>бумага PDF; иначе Letter там, где меряют
дюймами, и A4 в остальных местах</translation>
    </message>
    <message>
        <source>el idioma de las ventanas; sin él, el del sistema</source>
        <translation>язык окон; без него — язык системы</translation>
    </message>
    <message>
        <source>esta ayuda</source>
        <translation>эта справка</translation>
    </message>
    <message>
        <source>talmiroc: opción desconocida: %1
</source>
        <translation>talmiroc: неизвестный параметр: %1
</translation>
    </message>
    <message>
        <source>talmiroc: %1 repetida
</source>
        <translation>talmiroc: %1 указан дважды
</translation>
    </message>
    <message>
        <source>talmiroc: la fecha va con --luna, --modulo, --onda o --año
</source>
        <translation>talmiroc: дата используется с --luna, --modulo, --onda или --año
</translation>
    </message>
    <message>
        <source>Sin fecha, hoy. La fecha se lee como la leen las tres casillas de la ventana.
En la ventana del día, el menú contextual (botón derecho o tecla Menú) y
Ctrl+L, Ctrl+M y Ctrl+O abren las mismas páginas.
</source>
        <translation>Без даты — сегодня. Дата читается так же, как её читают три поля окна.
В окне дня контекстное меню (правая кнопка или клавиша Menu) и
Ctrl+L, Ctrl+M и Ctrl+O открывают те же страницы.
</translation>
    </message>
    <message>
        <source>talmiroc: %1 no es una fecha del calendario; las páginas piden una fecha real
</source>
        <translation>talmiroc: %1 — не календарная дата; страницам нужна настоящая дата
</translation>
    </message>
    <message>
        <source>escribe las hojas en ARCHIVO, sin abrir ventana:
la luna en una hoja, el año en 15 (portada, el año
en una hoja y 13 lunas), el módulo en una (con fecha,
su kin resaltado), la onda encantada en una;
con ARCHIVO -, en la salida estándar</source>
        <translation>записывает страницы в ФАЙЛ, не открывая окна:
луну на одну страницу, год на 15 (обложка, год
на одной странице и 13 лун), модуль на одну (с датой —
её кин выделен), волшебную волну на одну;
с ФАЙЛОМ - — в стандартный вывод</translation>
    </message>
    <message>
        <source>talmiroc: --pdf va con --luna, --año, --modulo u --onda
</source>
        <translation>talmiroc: --pdf используется с --luna, --año, --modulo или --onda
</translation>
    </message>
    <message>
        <source>el kin de hoy en la bandeja del escritorio y un aviso
cada día; si ya está en la bandeja, no hace nada</source>
        <translation>кин дня в системном лотке и уведомление
каждый день; если он уже в лотке, ничего не делает</translation>
    </message>
    <message>
        <source>talmiroc: --bandeja no va con una página ni con --pdf
</source>
        <translation>talmiroc: --bandeja не используется ни со страницей, ни с --pdf
</translation>
    </message>
    <message>
        <source>talmiroc: --forma es cuadrada, vertical o ancha, no «%1»
</source>
        <translation>talmiroc: --forma — это cuadrada, vertical или ancha, а не «%1»
</translation>
    </message>
    <message>
        <source>el libro de personas: sus kines, cómo se relacionan y sus regresos</source>
        <translation>книга людей: их кины, их связи и возвращения кинов</translation>
    </message>
    <message>
        <source>la tarjeta del kin de la fecha, con --png o --svg</source>
        <translation>карточка кина этой даты, с --png или --svg</translation>
    </message>
    <message>
        <source>talmiroc: --tarjeta va con --png o --svg
</source>
        <translation>talmiroc: --tarjeta используется с --png или --svg
</translation>
    </message>
    <message>
        <source>escribe la tarjeta como imagen PNG en ARCHIVO, sin abrir
ventana; con ARCHIVO -, en la salida estándar</source>
        <translation>записывает карточку как PNG в ФАЙЛ, не открывая
окна; с ФАЙЛОМ - — в стандартный вывод</translation>
    </message>
    <message>
        <source>talmiroc: --png va con --tarjeta
</source>
        <translation>talmiroc: --png используется с --tarjeta
</translation>
    </message>
    <message>
        <source>la escribe como SVG (texto como texto); las dos, si se piden</source>
        <translation>записывает её как SVG (текст остаётся текстом); обе, если заданы обе</translation>
    </message>
    <message>
        <source>talmiroc: --svg va con --tarjeta
</source>
        <translation>talmiroc: --svg используется с --tarjeta
</translation>
    </message>
    <message>
        <source>FORMA</source>
        <translation>ФОРМА</translation>
    </message>
    <message>
        <source>la de la tarjeta: cuadrada, 1080 × 1080 (si no se dice),
vertical, 1080 × 1920, o ancha, 1200 × 630</source>
        <translation>форма карточки: cuadrada, 1080 × 1080 (по умолчанию),
vertical, 1080 × 1920, или ancha, 1200 × 630</translation>
    </message>
    <message>
        <source>talmiroc: --forma va con --tarjeta
</source>
        <translation>talmiroc: --forma используется с --tarjeta
</translation>
    </message>
    <message>
        <source>talmiroc: --tarjeta no va con --luna, --modulo, --onda ni --año
</source>
        <translation>talmiroc: --tarjeta не используется с --luna, --modulo, --onda и --año
</translation>
    </message>
    <message>
        <source>con --personas, añade al libro las personas de ARCHIVO,
vCard (FN y BDAY) o CSV (nombre,dia,mes,año), sin abrir
ventana, y dice cuántas añadió y cuáles omitió y por qué</source>
        <translation>с --personas добавляет в книгу людей из ФАЙЛА,
vCard (FN и BDAY) или CSV (nombre,dia,mes,año), не открывая
окна, и сообщает, сколько добавлено, кто пропущен и почему</translation>
    </message>
    <message>
        <source>talmiroc: --importar va con --personas
</source>
        <translation>talmiroc: --importar используется с --personas
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
        <translation>Использование: talmiroc [--idioma ЯЗЫК] [--luna|--modulo|--onda [ДЕНЬ МЕСЯЦ ГОД]]
       talmiroc --luna|--año|--modulo|--onda [ДЕНЬ МЕСЯЦ ГОД] --pdf ФАЙЛ [--papel a4|carta]
       talmiroc --tarjeta [ДЕНЬ МЕСЯЦ ГОД] --png ФАЙЛ | --svg ФАЙЛ
                [--forma cuadrada|vertical|ancha]
       talmiroc --personas --importar ФАЙЛ
       talmiroc --bandeja [--idioma ЯЗЫК]

Без параметров открывает окно дня на сегодняшней дате.
</translation>
    </message>
</context>
<context>
    <name>talmiroc::Archivo</name>
    <message>
        <source>la salida estándar</source>
        <translation>стандартный вывод</translation>
    </message>
    <message>
        <source>no es un archivo común (es un dispositivo o una tubería)</source>
        <translation>это не обычный файл (это устройство или канал)</translation>
    </message>
</context>
<context>
    <name>talmiroc::Bandeja</name>
    <message>
        <source>No se pudo borrar el archivo %1: %2</source>
        <translation>Не удалось удалить файл %1: %2</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1</source>
        <translation>Не удалось создать папку %1</translation>
    </message>
    <message>
        <source>Lectura de hoy</source>
        <translation>Прочтение дня</translation>
    </message>
    <message>
        <source>Luna de hoy</source>
        <translation>Луна сегодня</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Гармонический модуль</translation>
    </message>
    <message>
        <source>Personas</source>
        <translation>Люди</translation>
    </message>
    <message>
        <source>Notificar cada día</source>
        <translation>Уведомлять каждый день</translation>
    </message>
    <message>
        <source>Iniciar con la sesión</source>
        <translation>Запускать вместе с сеансом</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>talmiroc::Calendario</name>
    <message>
        <source>&amp;Luna</source>
        <translation>&amp;Луна</translation>
    </message>
    <message>
        <source>&amp;Módulo armónico</source>
        <translation>&amp;Гармонический модуль</translation>
    </message>
    <message>
        <source>&amp;Onda encantada</source>
        <translation>&amp;Волшебная волна</translation>
    </message>
    <message>
        <source>Dia</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Oráculo</source>
        <translation>Оракул</translation>
    </message>
    <message>
        <source>Kin Guia</source>
        <translation>Ведущий</translation>
    </message>
    <message>
        <source>Duplica el poder de la 5º fuerza</source>
        <translation>Удваивает силу 5-й силы</translation>
    </message>
    <message>
        <source>Kin Antípoda</source>
        <translation>Антипод</translation>
    </message>
    <message>
        <source>Refuerza Memoria del Génesis</source>
        <translation>Укрепляет Память Генезиса</translation>
    </message>
    <message>
        <source>Kin Análogo</source>
        <translation>Аналог</translation>
    </message>
    <message>
        <source>Da refuerzo, van juntas</source>
        <translation>Даёт поддержку: они идут вместе</translation>
    </message>
    <message>
        <source>Kin Oculto</source>
        <translation>Скрытый</translation>
    </message>
    <message>
        <source>Poder de lo inesperado</source>
        <translation>Сила неожиданного</translation>
    </message>
    <message>
        <source>Creado en:</source>
        <translation>Создано:</translation>
    </message>
    <message>
        <source>Por:</source>
        <translation>©</translation>
    </message>
    <message>
        <source>Brenoval Serpiente Eléctrica Roja</source>
        <translation>Бреновал, Красный Электрический Змей</translation>
    </message>
    <message>
        <source>Varnesca 9 de abril de 2003</source>
        <translation>Варнеска, 9 апреля 2003 г.</translation>
    </message>
    <message>
        <source>Día</source>
        <translation>День</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation>&amp;Расчёт</translation>
    </message>
    <message>
        <source>&amp;Limpiar</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Acerca de </source>
        <translation>&amp;Сведения</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>Año de la Luna Planetaria Roja</source>
        <translation>Год Красной Планетарной Луны</translation>
    </message>
    <message>
        <source>Luna Planetaria del Perro</source>
        <translation>Планетарная Луна Собаки</translation>
    </message>
    <message>
        <source>Enlazador de mundos resonante blanco</source>
        <translation>Белый Резонансный Соединитель Миров</translation>
    </message>
    <message>
        <source>Debe introducir una fecha</source>
        <translation>Введите дату</translation>
    </message>
    <message>
        <source>No se pudo imprimir la ventana</source>
        <translation>Не удалось напечатать окно</translation>
    </message>
    <message>
        <source>Quenabre</source>
        <translation>Talmiroc</translation>
    </message>
    <message>
        <source>No se pudo imprimir la página</source>
        <translation>Не удалось напечатать страницу</translation>
    </message>
    <message>
        <source>Lectura copiada</source>
        <translation>Прочтение скопировано</translation>
    </message>
</context>
<context>
    <name>talmiroc::Modelo_personas</name>
    <message>
        <source>Kin %1</source>
        <translation>Кин&#xa0;%1</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Nacimiento</source>
        <translation>Рождение</translation>
    </message>
    <message>
        <source>Kin de nacimiento</source>
        <translation>Кин рождения</translation>
    </message>
</context>
<context>
    <name>talmiroc::Pagina_personas</name>
    <message>
        <source>no es un archivo normal</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>Buscar por nombre</source>
        <translation>Поиск по имени</translation>
    </message>
    <message>
        <source>Personas</source>
        <translation>Люди</translation>
    </message>
    <message>
        <source>Empezar un libro &amp;nuevo</source>
        <translation>Начать &amp;новую книгу</translation>
    </message>
    <message>
        <source>&amp;Añadir…</source>
        <translation>&amp;Добавить…</translation>
    </message>
    <message>
        <source>Una persona nueva en el libro</source>
        <translation>Новый человек в книге</translation>
    </message>
    <message>
        <source>&amp;Editar…</source>
        <translation>&amp;Изменить…</translation>
    </message>
    <message>
        <source>El nombre o la fecha de la persona elegida</source>
        <translation>Имя или дата выбранного человека</translation>
    </message>
    <message>
        <source>&amp;Quitar</source>
        <translation>&amp;Убрать</translation>
    </message>
    <message>
        <source>Quita del libro a las personas elegidas (Supr)</source>
        <translation>Убирает выбранных людей из книги (Delete)</translation>
    </message>
    <message>
        <source>&amp;Deshacer</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Deshace el último cambio del libro (Ctrl+Z)</source>
        <translation>Отменяет последнее изменение книги (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Guardar ca&amp;lendario…</source>
        <translation>Сохранить &amp;календарь…</translation>
    </message>
    <message>
        <source>Los 10 próximos regresos del kin de cada persona, como iCalendar</source>
        <translation>Ближайшие 10 возвращений кина каждого человека в формате iCalendar</translation>
    </message>
    <message>
        <source>El libro de personas %1 no se puede leer (%2). Se conserva tal cual y no se cambiará: está en solo lectura hasta que empiece uno nuevo, que guardará el viejo aparte.</source>
        <translation>Книгу людей %1 не удаётся прочитать (%2). Она сохраняется как есть и не будет изменена: она доступна только для чтения, пока вы не начнёте новую, а старая будет отложена в сторону.</translation>
    </message>
    <message>
        <source>Cambios sin guardar en el libro %1: %2. Se guardarán con el próximo.</source>
        <translation>Несохранённые изменения в книге %1: %2. Они будут сохранены вместе со следующим.</translation>
    </message>
    <message>
        <source>el sistema no deja leerlo: %1</source>
        <translation>система не даёт его прочитать: %1</translation>
    </message>
    <message>
        <source>no es JSON válido o está cortado, en la línea %1</source>
        <translation>это не корректный JSON или он обрезан, в строке %1</translation>
    </message>
    <message>
        <source>no es un libro de personas</source>
        <translation>это не книга людей</translation>
    </message>
    <message>
        <source>su versión, %1, es de otro programa</source>
        <translation>его версия, %1, от другой программы</translation>
    </message>
    <message>
        <source>la persona %1 no tiene justo nombre, dia, mes y año</source>
        <translation>у человека %1 не ровно поля nombre, dia, mes и año</translation>
    </message>
    <message>
        <source>el nombre de la persona %1 está vacío, es demasiado largo o tiene caracteres de control</source>
        <translation>имя человека %1 пустое, слишком длинное или содержит управляющие символы</translation>
    </message>
    <message>
        <source>la fecha de la persona %1 no es válida</source>
        <translation>дата человека %1 недействительна</translation>
    </message>
    <message>
        <source>Libro de personas</source>
        <translation>Книга людей</translation>
    </message>
    <message>
        <source>Otros usuarios de esta máquina pueden leer el libro de personas %1. Para que solo usted pueda: chmod 600 &apos;%1&apos;</source>
        <translation>Другие пользователи этого компьютера могут читать книгу людей %1. Чтобы читать её могли только вы: chmod 600 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>No se pudo guardar el libro de personas %1: %2. El cambio se ve aquí y se guardará con el próximo.</source>
        <translation>Не удалось сохранить книгу людей %1: %2. Изменение видно здесь и будет сохранено вместе со следующим.</translation>
    </message>
    <message>
        <source>El nombre lleva de 1 a 200 caracteres, sin saltos de línea.</source>
        <translation>Имя — от 1 до 200 символов, без переносов строки.</translation>
    </message>
    <message>
        <source>No se pudo empezar un libro nuevo en %1: %2</source>
        <translation>Не удалось начать новую книгу в %1: %2</translation>
    </message>
    <message>
        <source>El libro que no se podía leer está ahora en %1.</source>
        <translation>Книга, которую не удалось прочитать, теперь находится в %1.</translation>
    </message>
    <message>
        <source>Añadir una persona</source>
        <translation>Добавить человека</translation>
    </message>
    <message>
        <source>Editar una persona</source>
        <translation>Изменить данные человека</translation>
    </message>
    <message>
        <source>Día</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>&amp;Nombre:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>Nacimiento (día, mes, año):</source>
        <translation>Рождение (день, месяц, год):</translation>
    </message>
    <message>
        <source>Lo que %1 es para %2</source>
        <translation>Связь: %1 → %2</translation>
    </message>
    <message>
        <source>Ninguna relación.</source>
        <translation>Связей нет.</translation>
    </message>
    <message>
        <source>El libro está vacío. Añada a alguien con Añadir.</source>
        <translation>Книга пуста. Добавьте кого-нибудь кнопкой «Добавить».</translation>
    </message>
    <message>
        <source>Elija una persona para ver su kin, o dos (Ctrl+clic) para ver cómo se relacionan sus kines.</source>
        <translation>Выберите одного человека, чтобы увидеть его кин, или двух (Ctrl+щелчок), чтобы увидеть связи их кинов.</translation>
    </message>
    <message>
        <source>Elija una persona o dos.</source>
        <translation>Выберите одного или двух человек.</translation>
    </message>
    <message>
        <source>Nacimiento</source>
        <translation>Рождение</translation>
    </message>
    <message>
        <source>Guía</source>
        <translation>Ведущий</translation>
    </message>
    <message>
        <source>Antípoda</source>
        <translation>Антипод</translation>
    </message>
    <message>
        <source>Análogo</source>
        <translation>Аналог</translation>
    </message>
    <message>
        <source>Oculto</source>
        <translation>Скрытый</translation>
    </message>
    <message>
        <source>%1
Kin %2</source>
        <translation>%1
Кин&#xa0;%2</translation>
    </message>
    <message>
        <source>Color: %1</source>
        <translation>Цвет: %1</translation>
    </message>
    <message>
        <source>Familia terrestre: %1</source>
        <translation>Земная семья: %1</translation>
    </message>
    <message>
        <source>Próximos regresos de su kin (cada 260 días)</source>
        <translation>Ближайшие возвращения кина (каждые 260 дней)</translation>
    </message>
    <message>
        <source>Cumpleaños</source>
        <translation>Дни рождения</translation>
    </message>
    <message>
        <source>Vive el año %1 de su ciclo %2 de 52 años: a los 52 años el kin vuelve el día del cumpleaños.</source>
        <translation>Идёт %1-й год %2-го 52-летнего цикла: в 52 года кин возвращается в сам день рождения.</translation>
    </message>
    <message>
        <source>Hoy, %1</source>
        <translation>Сегодня, %1</translation>
    </message>
    <message>
        <source>Ninguna relación con su kin.</source>
        <translation>Связей с кином рождения нет.</translation>
    </message>
    <message>
        <source>Guardar calendario</source>
        <translation>Сохранить календарь</translation>
    </message>
    <message>
        <source>regresos-de-kin.ics</source>
        <translation>vozvrashcheniya-kina.ics</translation>
    </message>
    <message>
        <source>Calendarios iCalendar (*.ics)</source>
        <translation>Календари iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1: %2</source>
        <translation>Не удалось записать файл %1: %2</translation>
    </message>
    <message>
        <source>Impor&amp;tar…</source>
        <translation>&amp;Импорт…</translation>
    </message>
    <message>
        <source>Las personas de una libreta de direcciones (vCard) o de una tabla CSV (nombre, día, mes, año)</source>
        <translation>Люди из адресной книги (vCard) или таблицы CSV (имя, день, месяц, год)</translation>
    </message>
    <message>
        <source>Importar personas</source>
        <translation>Импорт людей</translation>
    </message>
    <message>
        <source>Libretas de direcciones y tablas (*.vcf *.vcard *.csv)</source>
        <translation>Адресные книги и таблицы (*.vcf *.vcard *.csv)</translation>
    </message>
    <message>
        <source>Todos los archivos (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Añadidas: %1. Omitidas: %2.</source>
        <translation>Добавлено: %1. Пропущено: %2.</translation>
    </message>
    <message>
        <source>no tiene nombre</source>
        <translation>нет имени</translation>
    </message>
    <message>
        <source>el nombre «%1» es demasiado largo o tiene caracteres de control</source>
        <translation>имя «%1» слишком длинное или содержит управляющие символы</translation>
    </message>
    <message>
        <source>%1 no tiene fecha de nacimiento</source>
        <translation>%1: нет даты рождения</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no tiene año (%2), y sin año no hay kin</source>
        <translation>%1: в дате рождения нет года (%2), а без года нет кина</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no es una fecha completa (%2)</source>
        <translation>%1: дата рождения неполная (%2)</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no vale: %2</source>
        <translation>%1: дата рождения не принята: %2</translation>
    </message>
    <message>
        <source>se esperaban nombre, día, mes y año, y hay %1 campos</source>
        <translation>ожидались имя, день, месяц и год, а полей: %1</translation>
    </message>
    <message>
        <source>%1 está en una codificación que no se lee (%2); expórtela en UTF-8</source>
        <translation>%1 в нечитаемой кодировке (%2); экспортируйте его в UTF-8</translation>
    </message>
    <message>
        <source>%1 ya estaba antes en el archivo, con la misma fecha</source>
        <translation>%1 уже встречается выше в файле, с той же датой</translation>
    </message>
    <message>
        <source>%1 ya está en el libro</source>
        <translation>%1 уже есть в книге</translation>
    </message>
    <message>
        <source>Tarjeta %1 (línea %2): %3</source>
        <translation>Карточка %1 (строка %2): %3</translation>
    </message>
    <message>
        <source>Línea %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>pasa de 16 MiB, y ninguna libreta de direcciones es tan grande</source>
        <translation>файл больше 16 МиБ, а адресные книги такими не бывают</translation>
    </message>
    <message>
        <source>no es texto UTF-8 (línea %1)</source>
        <translation>это не текст UTF-8 (строка %1)</translation>
    </message>
    <message>
        <source>no tiene ninguna tarjeta vCard ni ninguna línea con personas</source>
        <translation>в нём нет ни одной карточки vCard и ни одной строки с людьми</translation>
    </message>
    <message>
        <source>la tarjeta vCard de la línea %1 no termina (falta END:VCARD)</source>
        <translation>карточка vCard в строке %1 не закончена (нет END:VCARD)</translation>
    </message>
    <message>
        <source>la línea %1 está fuera de toda tarjeta vCard</source>
        <translation>строка %1 находится вне карточек vCard</translation>
    </message>
    <message>
        <source>las comillas que se abren en la línea %1 no se cierran</source>
        <translation>кавычки, открытые в строке %1, не закрыты</translation>
    </message>
    <message>
        <source>No se pudo importar %1: %2. No se añadió a nadie.</source>
        <translation>Не удалось импортировать %1: %2. Никто не добавлен.</translation>
    </message>
    <message>
        <source>El libro de personas %1 no se puede leer (%2); no se añadió a nadie.</source>
        <translation>Книгу людей %1 не удаётся прочитать (%2); никто не добавлен.</translation>
    </message>
    <message>
        <source>No se pudo guardar el libro de personas %1: %2. No se añadió a nadie.</source>
        <translation>Не удалось сохранить книгу людей %1: %2. Никто не добавлен.</translation>
    </message>
</context>
<context>
    <name>talmiroc::Papel</name>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1</source>
        <translation>Не удалось записать файл %1</translation>
    </message>
    <message>
        <source>Marco verde: portal de activación galáctica</source>
        <translation>Зелёная рамка: портал галактической активации</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Гармонический модуль</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central · marco azul: el kin resaltado · Gu guía, Ap antípoda, An análogo, Oc oculto · barra violeta: su onda encantada</source>
        <translation>Зелёный: портал галактической активации · столбец 7 между линиями: центральный столбец · синяя рамка: выделенный кин · Вд ведущий, Ап антипод, Ан аналог, Ск скрытый · фиолетовая полоса: его волшебная волна</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central</source>
        <translation>Зелёный: портал галактической активации · столбец 7 между линиями: центральный столбец</translation>
    </message>
    <message>
        <source>En cada día, su fecha y su kin · %1 · 25/7: %2 · marco verde: portal de activación galáctica</source>
        <translation>В каждом дне — его дата и кин · %1 · 25/7: %2 · зелёная рамка: портал галактической активации</translation>
    </message>
</context>
<context>
    <name>talmiroc::Tarjeta</name>
    <message>
        <source>Nacimiento: %1</source>
        <translation>Дата рождения: %1</translation>
    </message>
    <message>
        <source>Tarjeta cuadrada</source>
        <translation>Квадратная карточка</translation>
    </message>
    <message>
        <source>Tarjeta vertical</source>
        <translation>Вертикальная карточка</translation>
    </message>
    <message>
        <source>Tarjeta ancha</source>
        <translation>Широкая карточка</translation>
    </message>
    <message>
        <source>Guardar tarjeta</source>
        <translation>Сохранить карточку</translation>
    </message>
    <message>
        <source>Guardar tarjeta…</source>
        <translation>Сохранить карточку…</translation>
    </message>
    <message>
        <source>Copiar tarjeta</source>
        <translation>Копировать карточку</translation>
    </message>
</context>
<context>
    <name>talmiroc::Ventana_tiempo</name>
    <message>
        <source>hoy</source>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>Héptada %1</source>
        <translation>Гептада %1</translation>
    </message>
    <message>
        <source>Columna %1, central</source>
        <translation>Столбец %1, центральный</translation>
    </message>
    <message>
        <source>%1 ·</source>
        <translation>%1 ·</translation>
    </message>
    <message>
        <source>columna central</source>
        <translation>центральный столбец</translation>
    </message>
    <message>
        <source>guía del seleccionado</source>
        <translation>ведущий выбранного кина</translation>
    </message>
    <message>
        <source>antípoda del seleccionado</source>
        <translation>антипод выбранного кина</translation>
    </message>
    <message>
        <source>análogo del seleccionado</source>
        <translation>аналог выбранного кина</translation>
    </message>
    <message>
        <source>oculto del seleccionado</source>
        <translation>скрытый кин выбранного</translation>
    </message>
    <message>
        <source>en la onda encantada del seleccionado</source>
        <translation>в волшебной волне выбранного кина</translation>
    </message>
    <message>
        <source>Kin</source>
        <translation>Кин</translation>
    </message>
    <message>
        <source>Tono</source>
        <translation>Тон</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Kin %1</source>
        <translation>Кин&#xa0;%1</translation>
    </message>
    <message>
        <source>Gu</source>
        <translation>Вд</translation>
    </message>
    <message>
        <source>Ap</source>
        <translation>Ап</translation>
    </message>
    <message>
        <source>An</source>
        <translation>Ан</translation>
    </message>
    <message>
        <source>Oc</source>
        <translation>Ск</translation>
    </message>
    <message>
        <source>Talmiroc: la cuenta en el tiempo</source>
        <translation>Talmiroc: счёт во времени</translation>
    </message>
    <message>
        <source>&amp;Luna</source>
        <translation>&amp;Луна</translation>
    </message>
    <message>
        <source>&amp;Módulo armónico</source>
        <translation>&amp;Гармонический модуль</translation>
    </message>
    <message>
        <source>&amp;Onda encantada</source>
        <translation>&amp;Волшебная волна</translation>
    </message>
    <message>
        <source>&amp;Cómo se cuenta</source>
        <translation>&amp;Как ведётся счёт</translation>
    </message>
    <message>
        <source>«</source>
        <translation>«</translation>
    </message>
    <message>
        <source>Año anterior (Mayús+Re Pág)</source>
        <translation>Предыдущий год (Shift+Page Up)</translation>
    </message>
    <message>
        <source>‹</source>
        <translation>‹</translation>
    </message>
    <message>
        <source>Luna anterior (Re Pág)</source>
        <translation>Предыдущая луна (Page Up)</translation>
    </message>
    <message>
        <source>›</source>
        <translation>›</translation>
    </message>
    <message>
        <source>Luna siguiente (Av Pág)</source>
        <translation>Следующая луна (Page Down)</translation>
    </message>
    <message>
        <source>»</source>
        <translation>»</translation>
    </message>
    <message>
        <source>Año siguiente (Mayús+Av Pág)</source>
        <translation>Следующий год (Shift+Page Down)</translation>
    </message>
    <message>
        <source>&amp;Hoy</source>
        <translation>&amp;Сегодня</translation>
    </message>
    <message>
        <source>Hoy (Inicio)</source>
        <translation>Сегодня (Home)</translation>
    </message>
    <message>
        <source>Días de la luna</source>
        <translation>Дни луны</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Гармонический модуль</translation>
    </message>
    <message>
        <source>Onda encantada</source>
        <translation>Волшебная волна</translation>
    </message>
    <message>
        <source>&lt;p&gt;Así lleva Talmiroc la cuenta:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;El año de trece lunas empieza el 26 de julio, y el kin de ese día es el portador del año hasta el 25 de julio siguiente.&lt;/li&gt;&lt;li&gt;Cada luna tiene 28 días, en cuatro héptadas de siete plasmas: Dali, Seli, Gamma, Kali, Alfa, Limi y Silio. La primera luna va del 26 de julio al 22 de agosto; la decimotercera, del 27 de junio al 24 de julio.&lt;/li&gt;&lt;li&gt;El 25 de julio no pertenece a ninguna luna: es el Día fuera del tiempo.&lt;/li&gt;&lt;li&gt;El 29 de febrero no avanza la cuenta: lleva el kin del 28 de febrero y se muestra como «0.0 Hunab Ku», entre los días 22 y 23 de la octava luna.&lt;/li&gt;&lt;li&gt;La notación NS cuenta ciclos de 52 años desde el año que empezó el 26 de julio de 1987: NS1.26.4.27 es el ciclo 1, año 26 del ciclo, luna 4, día 27.&lt;/li&gt;&lt;li&gt;Los 52 portales de activación galáctica son los del módulo armónico; la columna central es la séptima, de los kines 121 a 140.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Otras calculadoras cuentan distinto el 29 de febrero o el 25 de julio; por eso sus kines pueden no coincidir con estos.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Так Talmiroc ведёт счёт:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Год тринадцати лун начинается 26 июля, и кин этого дня — носитель года до следующего 25 июля.&lt;/li&gt;&lt;li&gt;В каждой луне 28 дней, в четырёх гептадах из семи плазм: Дали, Сели, Гамма, Кали, Альфа, Лими и Силио. Первая луна длится с 26 июля по 22 августа; тринадцатая — с 27 июня по 24 июля.&lt;/li&gt;&lt;li&gt;25 июля не принадлежит ни одной луне: это День Вне Времени.&lt;/li&gt;&lt;li&gt;29 февраля не продвигает счёт: у него кин 28 февраля, и он показан как «0.0 Хунаб Ку», между 22-м и 23-м днями восьмой луны.&lt;/li&gt;&lt;li&gt;Нотация NS считает циклы по 52 года от года, начавшегося 26 июля 1987 г.: NS1.26.4.27 — это цикл 1, год 26 цикла, луна 4, день 27.&lt;/li&gt;&lt;li&gt;52 портала галактической активации — это порталы гармонического модуля; центральный столбец — седьмой, кины со 121 по 140.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Другие калькуляторы считают 29 февраля или 25 июля иначе; поэтому их кины могут не совпадать с этими.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Seleccionado: %1 (%2) · Hoy: %3</source>
        <translation>Выбрано: %1 (%2) · Сегодня: %3</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>La página que se ve, en papel</source>
        <translation>Видимая страница, на бумаге</translation>
    </message>
    <message>
        <source>Guardar &amp;PDF…</source>
        <translation>Сохранить в &amp;PDF…</translation>
    </message>
    <message>
        <source>La página que se ve, en un archivo PDF</source>
        <translation>Видимая страница, в файл PDF</translation>
    </message>
    <message>
        <source>luna-%1.pdf</source>
        <translation>luna-%1.pdf</translation>
    </message>
    <message>
        <source>modulo-kin-%1.pdf</source>
        <translation>modul-kin-%1.pdf</translation>
    </message>
    <message>
        <source>Guardar PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>Marco verde: portal de activación galáctica · número blanco sobre negro: hoy · marco azul: el día seleccionado · Intro: leer el día</source>
        <translation>Зелёная рамка: портал галактической активации · белое число на чёрном: сегодня · синяя рамка: выбранный день · Enter: прочесть день</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central · número blanco sobre negro: hoy · marco azul: el kin seleccionado · Gu guía, Ap antípoda, An análogo, Oc oculto · barra violeta: su onda encantada</source>
        <translation>Зелёный: портал галактической активации · столбец 7 между линиями: центральный столбец · белое число на чёрном: сегодня · синяя рамка: выбранный кин · Вд ведущий, Ап антипод, Ан аналог, Ск скрытый · фиолетовая полоса: его волшебная волна</translation>
    </message>
    <message>
        <source>&lt;p&gt;Para comprobar una cuenta: el %1 es el %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Для проверки счёта: %1 — это %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Los %1 portales de activación galáctica son los kines %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 порталов галактической активации — это кины %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>La ventana del día lee años de hasta %1 cifras: el %2 no se puede leer en ella.</source>
        <translation>Окно дня читает годы не длиннее %1 цифр: %2 в нём прочесть нельзя.</translation>
    </message>
    <message>
        <source>onda-kin-%1.pdf</source>
        <translation>volna-kin-%1.pdf</translation>
    </message>
    <message>
        <source>%1, vuelve el kin de %2</source>
        <translation>%1, возвращается кин: %2</translation>
    </message>
    <message>
        <source>Pe&amp;rsonas</source>
        <translation>&amp;Люди</translation>
    </message>
</context>
</TS>
