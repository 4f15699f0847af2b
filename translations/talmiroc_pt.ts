<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="es_ES">
<context>
    <name>main</name>
    <message>
        <source>talmiroc: falta el idioma tras --idioma; son %1
</source>
        <translation>talmiroc: falta o idioma depois de --idioma; são %1
</translation>
    </message>
    <message>
        <source>talmiroc: idioma desconocido: %1; son %2
</source>
        <translation>talmiroc: idioma desconhecido: %1; são %2
</translation>
    </message>
    <message>
        <source>talmiroc: una sola de --luna, --modulo y --onda
</source>
        <translation>talmiroc: só uma de --luna, --modulo e --onda
</translation>
    </message>
    <message>
        <source>talmiroc: %1 espera una fecha: DÍA MES AÑO
</source>
        <translation>talmiroc: %1 espera uma data: DIA MÊS ANO
</translation>
    </message>
    <message>
        <source>talmiroc: %1 espera un valor
</source>
        <translation>talmiroc: %1 espera um valor
</translation>
    </message>
    <message>
        <source>talmiroc: --papel va con --pdf
</source>
        <translation>talmiroc: --papel vai com --pdf
</translation>
    </message>
    <message>
        <source>talmiroc: --papel es a4 o carta, no «%1»
</source>
        <translation>talmiroc: --papel é a4 ou carta, não «%1»
</translation>
    </message>
    <message>
        <source>[DÍA MES AÑO]</source>
        <translation>[DIA MÊS ANO]</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>los 28 días de la luna de la fecha</source>
        <translation>os 28 dias da lua da data</translation>
    </message>
    <message>
        <source>el módulo armónico, con el kin de la fecha</source>
        <translation>o módulo harmônico, com o kin da data</translation>
    </message>
    <message>
        <source>la onda encantada del kin de la fecha</source>
        <translation>a onda encantada do kin da data</translation>
    </message>
    <message>
        <source>el año de trece lunas de la fecha (con --pdf; sin él, su luna)</source>
        <translation>o ano de treze luas da data (com --pdf; sem ele, a sua lua)</translation>
    </message>
    <message>
        <source>el papel del PDF; si no, carta donde se mide en
pulgadas y A4 en los demás lugares</source>
        <translation>o papel do PDF; senão, carta onde se mede em
polegadas e A4 nos demais lugares</translation>
    </message>
    <message>
        <source>el idioma de las ventanas; sin él, el del sistema</source>
        <translation>o idioma das janelas; sem ele, o do sistema</translation>
    </message>
    <message>
        <source>el kin de hoy en la bandeja del escritorio y un aviso
cada día; si ya está en la bandeja, no hace nada</source>
        <translation>o kin de hoje na bandeja da área de trabalho e um aviso
todo dia; se já está na bandeja, não faz nada</translation>
    </message>
    <message>
        <source>talmiroc: --bandeja no va con una página ni con --pdf
</source>
        <translation>talmiroc: --bandeja não vai com uma página nem com --pdf
</translation>
    </message>
    <message>
        <source>esta ayuda</source>
        <translation>esta ajuda</translation>
    </message>
    <message>
        <source>Sin fecha, hoy. La fecha se lee como la leen las tres casillas de la ventana.
En la ventana del día, el menú contextual (botón derecho o tecla Menú) y
Ctrl+L, Ctrl+M y Ctrl+O abren las mismas páginas.
</source>
        <translation>Sem data, hoje. A data é lida como a leem as três caixas da janela.
Na janela do dia, o menu de contexto (botão direito ou tecla Menu) e
Ctrl+L, Ctrl+M e Ctrl+O abrem as mesmas páginas.
</translation>
    </message>
    <message>
        <source>talmiroc: opción desconocida: %1
</source>
        <translation>talmiroc: opção desconhecida: %1
</translation>
    </message>
    <message>
        <source>talmiroc: %1 repetida
</source>
        <translation>talmiroc: %1 repetida
</translation>
    </message>
    <message>
        <source>talmiroc: la fecha va con --luna, --modulo, --onda o --año
</source>
        <translation>talmiroc: a data vai com --luna, --modulo, --onda ou --año
</translation>
    </message>
    <message>
        <source>talmiroc: no se pudo escribir la ayuda: %1
</source>
        <translation>talmiroc: não foi possível escrever a ajuda: %1
</translation>
    </message>
    <message>
        <source>talmiroc: %1 no es una fecha del calendario; las páginas piden una fecha real
</source>
        <translation>talmiroc: %1 não é uma data do calendário; as páginas pedem uma data real
</translation>
    </message>
    <message>
        <source>escribe las hojas en ARCHIVO, sin abrir ventana:
la luna en una hoja, el año en 15 (portada, el año
en una hoja y 13 lunas), el módulo en una (con fecha,
su kin resaltado), la onda encantada en una;
con ARCHIVO -, en la salida estándar</source>
        <translation>escreve as folhas em ARQUIVO, sem abrir janela:
a lua em uma folha, o ano em 15 (capa, o ano em
uma folha e 13 luas), o módulo em uma (com data,
o seu kin destacado), a onda encantada em uma;
com ARQUIVO -, na saída padrão</translation>
    </message>
    <message>
        <source>talmiroc: --pdf va con --luna, --año, --modulo u --onda
</source>
        <translation>talmiroc: --pdf vai com --luna, --año, --modulo ou --onda
</translation>
    </message>
    <message>
        <source>talmiroc: --forma es cuadrada, vertical o ancha, no «%1»
</source>
        <translation>talmiroc: --forma é cuadrada, vertical ou ancha, não «%1»
</translation>
    </message>
    <message>
        <source>la tarjeta del kin de la fecha, con --png o --svg</source>
        <translation>o cartão do kin da data, com --png ou --svg</translation>
    </message>
    <message>
        <source>talmiroc: --tarjeta va con --png o --svg
</source>
        <translation>talmiroc: --tarjeta vai com --png ou --svg
</translation>
    </message>
    <message>
        <source>escribe la tarjeta como imagen PNG en ARCHIVO, sin abrir
ventana; con ARCHIVO -, en la salida estándar</source>
        <translation>escreve o cartão como imagem PNG em ARQUIVO, sem abrir
janela; com ARQUIVO -, na saída padrão</translation>
    </message>
    <message>
        <source>talmiroc: --png va con --tarjeta
</source>
        <translation>talmiroc: --png vai com --tarjeta
</translation>
    </message>
    <message>
        <source>la escribe como SVG (texto como texto); las dos, si se piden</source>
        <translation>escreve-o como SVG (texto como texto); os dois, se pedidos</translation>
    </message>
    <message>
        <source>talmiroc: --svg va con --tarjeta
</source>
        <translation>talmiroc: --svg vai com --tarjeta
</translation>
    </message>
    <message>
        <source>talmiroc: --forma va con --tarjeta
</source>
        <translation>talmiroc: --forma vai com --tarjeta
</translation>
    </message>
    <message>
        <source>talmiroc: --tarjeta no va con --luna, --modulo, --onda ni --año
</source>
        <translation>talmiroc: --tarjeta não vai com --luna, --modulo, --onda nem --año
</translation>
    </message>
    <message>
        <source>FORMA</source>
        <translation>FORMA</translation>
    </message>
    <message>
        <source>la de la tarjeta: cuadrada, 1080 × 1080 (si no se dice),
vertical, 1080 × 1920, o ancha, 1200 × 630</source>
        <translation>a do cartão: cuadrada, 1080 × 1080 (se não for dito),
vertical, 1080 × 1920, ou ancha, 1200 × 630</translation>
    </message>
    <message>
        <source>el libro de personas: sus kines, cómo se relacionan y sus regresos</source>
        <translation>o livro de pessoas: os seus kins, como se relacionam e os seus retornos</translation>
    </message>
    <message>
        <source>con --personas, añade al libro las personas de ARCHIVO,
vCard (FN y BDAY) o CSV (nombre,dia,mes,año), sin abrir
ventana, y dice cuántas añadió y cuáles omitió y por qué</source>
        <translation>com --personas, adiciona ao livro as pessoas de ARQUIVO,
vCard (FN e BDAY) ou CSV (nombre,dia,mes,año), sem abrir
janela, e diz quantas adicionou e quais omitiu e por quê</translation>
    </message>
    <message>
        <source>talmiroc: --importar va con --personas
</source>
        <translation>talmiroc: --importar vai com --personas
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
        <translation>Uso: talmiroc [--idioma IDIOMA] [--luna|--modulo|--onda [DIA MÊS ANO]]
       talmiroc --luna|--año|--modulo|--onda [DIA MÊS ANO] --pdf ARQUIVO [--papel a4|carta]
       talmiroc --tarjeta [DIA MÊS ANO] --png ARQUIVO | --svg ARQUIVO
                [--forma cuadrada|vertical|ancha]
       talmiroc --personas --importar ARQUIVO
       talmiroc --bandeja [--idioma IDIOMA]

Sem opções, abre a janela do dia na data de hoje.
</translation>
    </message>
</context>
<context>
    <name>talmiroc::Archivo</name>
    <message>
        <source>la salida estándar</source>
        <translation>a saída padrão</translation>
    </message>
    <message>
        <source>no es un archivo común (es un dispositivo o una tubería)</source>
        <translation>não é um arquivo comum (é um dispositivo ou um pipe)</translation>
    </message>
</context>
<context>
    <name>talmiroc::Bandeja</name>
    <message>
        <source>Lectura de hoy</source>
        <translation>Leitura de hoje</translation>
    </message>
    <message>
        <source>Luna de hoy</source>
        <translation>Lua de hoje</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Módulo harmônico</translation>
    </message>
    <message>
        <source>Personas</source>
        <translation>Pessoas</translation>
    </message>
    <message>
        <source>Notificar cada día</source>
        <translation>Notificar todo dia</translation>
    </message>
    <message>
        <source>Iniciar con la sesión</source>
        <translation>Iniciar com a sessão</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>No se pudo borrar el archivo %1: %2</source>
        <translation>Não foi possível apagar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1</source>
        <translation>Não foi possível criar a pasta %1</translation>
    </message>
</context>
<context>
    <name>talmiroc::Calendario</name>
    <message>
        <source>&amp;Luna</source>
        <translation>&amp;Lua</translation>
    </message>
    <message>
        <source>&amp;Módulo armónico</source>
        <translation>&amp;Módulo harmônico</translation>
    </message>
    <message>
        <source>&amp;Onda encantada</source>
        <translation>&amp;Onda encantada</translation>
    </message>
    <message>
        <source>Dia</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Oráculo</source>
        <translation>Oráculo</translation>
    </message>
    <message>
        <source>Kin Guia</source>
        <translation>Kin Guia</translation>
    </message>
    <message>
        <source>Duplica el poder de la 5º fuerza</source>
        <translation>Duplica o poder da 5ª força</translation>
    </message>
    <message>
        <source>Kin Antípoda</source>
        <translation>Kin Antípoda</translation>
    </message>
    <message>
        <source>Refuerza Memoria del Génesis</source>
        <translation>Reforça a Memória do Gênesis</translation>
    </message>
    <message>
        <source>Kin Análogo</source>
        <translation>Kin Análogo</translation>
    </message>
    <message>
        <source>Da refuerzo, van juntas</source>
        <translation>Dá reforço, andam juntos</translation>
    </message>
    <message>
        <source>Kin Oculto</source>
        <translation>Kin Oculto</translation>
    </message>
    <message>
        <source>Poder de lo inesperado</source>
        <translation>Poder do inesperado</translation>
    </message>
    <message>
        <source>Creado en:</source>
        <translation>Criado em:</translation>
    </message>
    <message>
        <source>Por:</source>
        <translation>Por:</translation>
    </message>
    <message>
        <source>Brenoval Serpiente Eléctrica Roja</source>
        <translation>Brenoval Serpente Elétrica Vermelha</translation>
    </message>
    <message>
        <source>Varnesca 9 de abril de 2003</source>
        <translation>Varnesca 9 de abril de 2003</translation>
    </message>
    <message>
        <source>Día</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Limpiar</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Acerca de </source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Año de la Luna Planetaria Roja</source>
        <translation>Ano da Lua Planetária Vermelha</translation>
    </message>
    <message>
        <source>Luna Planetaria del Perro</source>
        <translation>Lua Planetária do Cachorro</translation>
    </message>
    <message>
        <source>Enlazador de mundos resonante blanco</source>
        <translation>Enlaçador de mundos ressonante branco</translation>
    </message>
    <message>
        <source>Debe introducir una fecha</source>
        <translation>Digite uma data</translation>
    </message>
    <message>
        <source>No se pudo imprimir la ventana</source>
        <translation>Não foi possível imprimir a janela</translation>
    </message>
    <message>
        <source>Quenabre</source>
        <translation>Talmiroc</translation>
    </message>
    <message>
        <source>No se pudo imprimir la página</source>
        <translation>Não foi possível imprimir a página</translation>
    </message>
    <message>
        <source>Lectura copiada</source>
        <translation>Leitura copiada</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Nacimiento</source>
        <translation>Nascimento</translation>
    </message>
    <message>
        <source>Kin de nacimiento</source>
        <translation>Kin de nascimento</translation>
    </message>
</context>
<context>
    <name>talmiroc::Pagina_personas</name>
    <message>
        <source>no es un archivo normal</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>Buscar por nombre</source>
        <translation>Buscar por nome</translation>
    </message>
    <message>
        <source>Personas</source>
        <translation>Pessoas</translation>
    </message>
    <message>
        <source>Empezar un libro &amp;nuevo</source>
        <translation>Começar um livro &amp;novo</translation>
    </message>
    <message>
        <source>&amp;Añadir…</source>
        <translation>&amp;Adicionar…</translation>
    </message>
    <message>
        <source>Una persona nueva en el libro</source>
        <translation>Uma pessoa nova no livro</translation>
    </message>
    <message>
        <source>&amp;Editar…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>El nombre o la fecha de la persona elegida</source>
        <translation>O nome ou a data da pessoa escolhida</translation>
    </message>
    <message>
        <source>&amp;Quitar</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>Quita del libro a las personas elegidas (Supr)</source>
        <translation>Remove do livro as pessoas escolhidas (Del)</translation>
    </message>
    <message>
        <source>&amp;Deshacer</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Deshace el último cambio del libro (Ctrl+Z)</source>
        <translation>Desfaz a última mudança do livro (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Guardar ca&amp;lendario…</source>
        <translation>Salvar ca&amp;lendário…</translation>
    </message>
    <message>
        <source>Los 10 próximos regresos del kin de cada persona, como iCalendar</source>
        <translation>Os 10 próximos retornos do kin de cada pessoa, como iCalendar</translation>
    </message>
    <message>
        <source>El libro de personas %1 no se puede leer (%2). Se conserva tal cual y no se cambiará: está en solo lectura hasta que empiece uno nuevo, que guardará el viejo aparte.</source>
        <translation>O livro de pessoas %1 não pode ser lido (%2). Ele é mantido como está e não será alterado: fica somente leitura até você começar um novo, que guarda o antigo à parte.</translation>
    </message>
    <message>
        <source>Cambios sin guardar en el libro %1: %2. Se guardarán con el próximo.</source>
        <translation>Mudanças não salvas no livro %1: %2. Serão salvas com a próxima.</translation>
    </message>
    <message>
        <source>el sistema no deja leerlo: %1</source>
        <translation>o sistema não deixa lê-lo: %1</translation>
    </message>
    <message>
        <source>no es JSON válido o está cortado, en la línea %1</source>
        <translation>não é JSON válido ou está cortado, na linha %1</translation>
    </message>
    <message>
        <source>no es un libro de personas</source>
        <translation>não é um livro de pessoas</translation>
    </message>
    <message>
        <source>su versión, %1, es de otro programa</source>
        <translation>a sua versão, %1, é de outro programa</translation>
    </message>
    <message>
        <source>la persona %1 no tiene justo nombre, dia, mes y año</source>
        <translation>a pessoa %1 não tem exatamente nombre, dia, mes e año</translation>
    </message>
    <message>
        <source>el nombre de la persona %1 está vacío, es demasiado largo o tiene caracteres de control</source>
        <translation>o nome da pessoa %1 está vazio, é longo demais ou tem caracteres de controle</translation>
    </message>
    <message>
        <source>la fecha de la persona %1 no es válida</source>
        <translation>a data da pessoa %1 não é válida</translation>
    </message>
    <message>
        <source>Libro de personas</source>
        <translation>Livro de pessoas</translation>
    </message>
    <message>
        <source>Otros usuarios de esta máquina pueden leer el libro de personas %1. Para que solo usted pueda: chmod 600 &apos;%1&apos;</source>
        <translation>Outros usuários desta máquina podem ler o livro de pessoas %1. Para que só você possa: chmod 600 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>No se pudo guardar el libro de personas %1: %2. El cambio se ve aquí y se guardará con el próximo.</source>
        <translation>Não foi possível salvar o livro de pessoas %1: %2. A mudança aparece aqui e será salva com a próxima.</translation>
    </message>
    <message>
        <source>El nombre lleva de 1 a 200 caracteres, sin saltos de línea.</source>
        <translation>O nome tem de 1 a 200 caracteres, sem quebras de linha.</translation>
    </message>
    <message>
        <source>No se pudo empezar un libro nuevo en %1: %2</source>
        <translation>Não foi possível começar um livro novo em %1: %2</translation>
    </message>
    <message>
        <source>El libro que no se podía leer está ahora en %1.</source>
        <translation>O livro que não podia ser lido está agora em %1.</translation>
    </message>
    <message>
        <source>Añadir una persona</source>
        <translation>Adicionar uma pessoa</translation>
    </message>
    <message>
        <source>Editar una persona</source>
        <translation>Editar uma pessoa</translation>
    </message>
    <message>
        <source>Día</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>&amp;Nombre:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Nacimiento (día, mes, año):</source>
        <translation>Nascimento (dia, mês, ano):</translation>
    </message>
    <message>
        <source>Lo que %1 es para %2</source>
        <translation>O que %1 é para %2</translation>
    </message>
    <message>
        <source>Ninguna relación.</source>
        <translation>Nenhuma relação.</translation>
    </message>
    <message>
        <source>El libro está vacío. Añada a alguien con Añadir.</source>
        <translation>O livro está vazio. Adicione alguém com Adicionar.</translation>
    </message>
    <message>
        <source>Elija una persona para ver su kin, o dos (Ctrl+clic) para ver cómo se relacionan sus kines.</source>
        <translation>Escolha uma pessoa para ver o seu kin, ou duas (Ctrl+clique) para ver como os seus kins se relacionam.</translation>
    </message>
    <message>
        <source>Elija una persona o dos.</source>
        <translation>Escolha uma pessoa ou duas.</translation>
    </message>
    <message>
        <source>Nacimiento</source>
        <translation>Nascimento</translation>
    </message>
    <message>
        <source>Guía</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Antípoda</source>
        <translation>Antípoda</translation>
    </message>
    <message>
        <source>Análogo</source>
        <translation>Análogo</translation>
    </message>
    <message>
        <source>Oculto</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>%1
Kin %2</source>
        <translation>%1
Kin %2</translation>
    </message>
    <message>
        <source>Color: %1</source>
        <translation>Cor: %1</translation>
    </message>
    <message>
        <source>Familia terrestre: %1</source>
        <translation>Família terrestre: %1</translation>
    </message>
    <message>
        <source>Próximos regresos de su kin (cada 260 días)</source>
        <translation>Próximos retornos do seu kin (a cada 260 dias)</translation>
    </message>
    <message>
        <source>Cumpleaños</source>
        <translation>Aniversários</translation>
    </message>
    <message>
        <source>Vive el año %1 de su ciclo %2 de 52 años: a los 52 años el kin vuelve el día del cumpleaños.</source>
        <translation>Vive o ano %1 do seu ciclo %2 de 52 anos: aos 52 anos o kin volta no dia do aniversário.</translation>
    </message>
    <message>
        <source>Hoy, %1</source>
        <translation>Hoje, %1</translation>
    </message>
    <message>
        <source>Ninguna relación con su kin.</source>
        <translation>Nenhuma relação com o seu kin.</translation>
    </message>
    <message>
        <source>Guardar calendario</source>
        <translation>Salvar calendário</translation>
    </message>
    <message>
        <source>regresos-de-kin.ics</source>
        <translation>retornos-de-kin.ics</translation>
    </message>
    <message>
        <source>Calendarios iCalendar (*.ics)</source>
        <translation>Calendários iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1: %2</source>
        <translation>Não foi possível gravar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Impor&amp;tar…</source>
        <translation>Impor&amp;tar…</translation>
    </message>
    <message>
        <source>Las personas de una libreta de direcciones (vCard) o de una tabla CSV (nombre, día, mes, año)</source>
        <translation>As pessoas de uma agenda de contatos (vCard) ou de uma tabela CSV (nome, dia, mês, ano)</translation>
    </message>
    <message>
        <source>Importar personas</source>
        <translation>Importar pessoas</translation>
    </message>
    <message>
        <source>Libretas de direcciones y tablas (*.vcf *.vcard *.csv)</source>
        <translation>Agendas de contatos e tabelas (*.vcf *.vcard *.csv)</translation>
    </message>
    <message>
        <source>Todos los archivos (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Añadidas: %1. Omitidas: %2.</source>
        <translation>Adicionadas: %1. Omitidas: %2.</translation>
    </message>
    <message>
        <source>no tiene nombre</source>
        <translation>não tem nome</translation>
    </message>
    <message>
        <source>el nombre «%1» es demasiado largo o tiene caracteres de control</source>
        <translation>o nome «%1» é longo demais ou tem caracteres de controle</translation>
    </message>
    <message>
        <source>%1 no tiene fecha de nacimiento</source>
        <translation>%1 não tem data de nascimento</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no tiene año (%2), y sin año no hay kin</source>
        <translation>a data de nascimento de %1 não tem ano (%2), e sem ano não há kin</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no es una fecha completa (%2)</source>
        <translation>a data de nascimento de %1 não é uma data completa (%2)</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no vale: %2</source>
        <translation>a data de nascimento de %1 foi recusada: %2</translation>
    </message>
    <message>
        <source>se esperaban nombre, día, mes y año, y hay %1 campos</source>
        <translation>esperavam-se nome, dia, mês e ano, e há %1 campos</translation>
    </message>
    <message>
        <source>%1 está en una codificación que no se lee (%2); expórtela en UTF-8</source>
        <translation>%1 está numa codificação que não é lida (%2); exporte-a em UTF-8</translation>
    </message>
    <message>
        <source>%1 ya estaba antes en el archivo, con la misma fecha</source>
        <translation>%1 já estava antes no arquivo, com a mesma data</translation>
    </message>
    <message>
        <source>%1 ya está en el libro</source>
        <translation>%1 já está no livro</translation>
    </message>
    <message>
        <source>Tarjeta %1 (línea %2): %3</source>
        <translation>Cartão %1 (linha %2): %3</translation>
    </message>
    <message>
        <source>Línea %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>pasa de 16 MiB, y ninguna libreta de direcciones es tan grande</source>
        <translation>passa de 16 MiB, e nenhuma agenda de contatos é tão grande</translation>
    </message>
    <message>
        <source>no es texto UTF-8 (línea %1)</source>
        <translation>não é texto UTF-8 (linha %1)</translation>
    </message>
    <message>
        <source>no tiene ninguna tarjeta vCard ni ninguna línea con personas</source>
        <translation>não tem nenhum cartão vCard nem nenhuma linha com pessoas</translation>
    </message>
    <message>
        <source>la tarjeta vCard de la línea %1 no termina (falta END:VCARD)</source>
        <translation>o cartão vCard da linha %1 não termina (falta END:VCARD)</translation>
    </message>
    <message>
        <source>la línea %1 está fuera de toda tarjeta vCard</source>
        <translation>a linha %1 está fora de todo cartão vCard</translation>
    </message>
    <message>
        <source>las comillas que se abren en la línea %1 no se cierran</source>
        <translation>as aspas abertas na linha %1 não se fecham</translation>
    </message>
    <message>
        <source>No se pudo importar %1: %2. No se añadió a nadie.</source>
        <translation>Não foi possível importar %1: %2. Ninguém foi adicionado.</translation>
    </message>
    <message>
        <source>El libro de personas %1 no se puede leer (%2); no se añadió a nadie.</source>
        <translation>O livro de pessoas %1 não pode ser lido (%2); ninguém foi adicionado.</translation>
    </message>
    <message>
        <source>No se pudo guardar el libro de personas %1: %2. No se añadió a nadie.</source>
        <translation>Não foi possível salvar o livro de pessoas %1: %2. Ninguém foi adicionado.</translation>
    </message>
</context>
<context>
    <name>talmiroc::Papel</name>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1</source>
        <translation>Não foi possível gravar o arquivo %1</translation>
    </message>
    <message>
        <source>Marco verde: portal de activación galáctica</source>
        <translation>Moldura verde: portal de ativação galáctica</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Módulo harmônico</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central · marco azul: el kin resaltado · Gu guía, Ap antípoda, An análogo, Oc oculto · barra violeta: su onda encantada</source>
        <translation>Verde: portal de ativação galáctica · coluna 7 entre linhas: coluna central · moldura azul: o kin destacado · Gu guia, Ap antípoda, An análogo, Oc oculto · barra violeta: sua onda encantada</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central</source>
        <translation>Verde: portal de ativação galáctica · coluna 7 entre linhas: coluna central</translation>
    </message>
    <message>
        <source>En cada día, su fecha y su kin · %1 · 25/7: %2 · marco verde: portal de activación galáctica</source>
        <translation>Em cada dia, a sua data e o seu kin · %1 · 25/7: %2 · moldura verde: portal de ativação galáctica</translation>
    </message>
</context>
<context>
    <name>talmiroc::Tarjeta</name>
    <message>
        <source>Nacimiento: %1</source>
        <translation>Nascimento: %1</translation>
    </message>
    <message>
        <source>Tarjeta cuadrada</source>
        <translation>Cartão quadrado</translation>
    </message>
    <message>
        <source>Tarjeta vertical</source>
        <translation>Cartão vertical</translation>
    </message>
    <message>
        <source>Tarjeta ancha</source>
        <translation>Cartão largo</translation>
    </message>
    <message>
        <source>Guardar tarjeta</source>
        <translation>Salvar cartão</translation>
    </message>
    <message>
        <source>Guardar tarjeta…</source>
        <translation>Salvar cartão…</translation>
    </message>
    <message>
        <source>Copiar tarjeta</source>
        <translation>Copiar cartão</translation>
    </message>
</context>
<context>
    <name>talmiroc::Ventana_tiempo</name>
    <message>
        <source>hoy</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>Héptada %1</source>
        <translation>Héptade %1</translation>
    </message>
    <message>
        <source>Columna %1, central</source>
        <translation>Coluna %1, central</translation>
    </message>
    <message>
        <source>%1 ·</source>
        <translation>%1 ·</translation>
    </message>
    <message>
        <source>columna central</source>
        <translation>coluna central</translation>
    </message>
    <message>
        <source>guía del seleccionado</source>
        <translation>guia do selecionado</translation>
    </message>
    <message>
        <source>antípoda del seleccionado</source>
        <translation>antípoda do selecionado</translation>
    </message>
    <message>
        <source>análogo del seleccionado</source>
        <translation>análogo do selecionado</translation>
    </message>
    <message>
        <source>oculto del seleccionado</source>
        <translation>oculto do selecionado</translation>
    </message>
    <message>
        <source>en la onda encantada del seleccionado</source>
        <translation>na onda encantada do selecionado</translation>
    </message>
    <message>
        <source>Kin</source>
        <translation>Kin</translation>
    </message>
    <message>
        <source>Tono</source>
        <translation>Tom</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
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
        <translation>Talmiroc: a contagem no tempo</translation>
    </message>
    <message>
        <source>&amp;Luna</source>
        <translation>&amp;Lua</translation>
    </message>
    <message>
        <source>&amp;Módulo armónico</source>
        <translation>&amp;Módulo harmônico</translation>
    </message>
    <message>
        <source>&amp;Onda encantada</source>
        <translation>&amp;Onda encantada</translation>
    </message>
    <message>
        <source>&amp;Cómo se cuenta</source>
        <translation>&amp;Como se conta</translation>
    </message>
    <message>
        <source>«</source>
        <translation>«</translation>
    </message>
    <message>
        <source>Año anterior (Mayús+Re Pág)</source>
        <translation>Ano anterior (Shift+Page Up)</translation>
    </message>
    <message>
        <source>‹</source>
        <translation>‹</translation>
    </message>
    <message>
        <source>Luna anterior (Re Pág)</source>
        <translation>Lua anterior (Page Up)</translation>
    </message>
    <message>
        <source>›</source>
        <translation>›</translation>
    </message>
    <message>
        <source>Luna siguiente (Av Pág)</source>
        <translation>Próxima lua (Page Down)</translation>
    </message>
    <message>
        <source>»</source>
        <translation>»</translation>
    </message>
    <message>
        <source>Año siguiente (Mayús+Av Pág)</source>
        <translation>Próximo ano (Shift+Page Down)</translation>
    </message>
    <message>
        <source>&amp;Hoy</source>
        <translation>&amp;Hoje</translation>
    </message>
    <message>
        <source>Hoy (Inicio)</source>
        <translation>Hoje (Home)</translation>
    </message>
    <message>
        <source>Días de la luna</source>
        <translation>Dias da lua</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Módulo harmônico</translation>
    </message>
    <message>
        <source>Onda encantada</source>
        <translation>Onda encantada</translation>
    </message>
    <message>
        <source>&lt;p&gt;Así lleva Talmiroc la cuenta:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;El año de trece lunas empieza el 26 de julio, y el kin de ese día es el portador del año hasta el 25 de julio siguiente.&lt;/li&gt;&lt;li&gt;Cada luna tiene 28 días, en cuatro héptadas de siete plasmas: Dali, Seli, Gamma, Kali, Alfa, Limi y Silio. La primera luna va del 26 de julio al 22 de agosto; la decimotercera, del 27 de junio al 24 de julio.&lt;/li&gt;&lt;li&gt;El 25 de julio no pertenece a ninguna luna: es el Día fuera del tiempo.&lt;/li&gt;&lt;li&gt;El 29 de febrero no avanza la cuenta: lleva el kin del 28 de febrero y se muestra como «0.0 Hunab Ku», entre los días 22 y 23 de la octava luna.&lt;/li&gt;&lt;li&gt;La notación NS cuenta ciclos de 52 años desde el año que empezó el 26 de julio de 1987: NS1.26.4.27 es el ciclo 1, año 26 del ciclo, luna 4, día 27.&lt;/li&gt;&lt;li&gt;Los 52 portales de activación galáctica son los del módulo armónico; la columna central es la séptima, de los kines 121 a 140.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Otras calculadoras cuentan distinto el 29 de febrero o el 25 de julio; por eso sus kines pueden no coincidir con estos.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Assim o Talmiroc faz a contagem:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;O ano de treze luas começa em 26 de julho, e o kin desse dia é o portador do ano até 25 de julho do ano seguinte.&lt;/li&gt;&lt;li&gt;Cada lua tem 28 dias, em quatro héptades de sete plasmas: Dali, Seli, Gamma, Kali, Alfa, Limi e Silio. A primeira lua vai de 26 de julho a 22 de agosto; a décima terceira, de 27 de junho a 24 de julho.&lt;/li&gt;&lt;li&gt;O dia 25 de julho não pertence a nenhuma lua: é o Dia Fora do Tempo.&lt;/li&gt;&lt;li&gt;O dia 29 de fevereiro não avança a contagem: recebe o kin do dia 28 de fevereiro e é mostrado como «0.0 Hunab Ku», entre os dias 22 e 23 da oitava lua.&lt;/li&gt;&lt;li&gt;A notação NS conta ciclos de 52 anos a partir do ano que começou em 26 de julho de 1987: NS1.26.4.27 é o ciclo 1, ano 26 do ciclo, lua 4, dia 27.&lt;/li&gt;&lt;li&gt;Os 52 portais de ativação galáctica são os do módulo harmônico; a coluna central é a sétima, dos kins 121 a 140.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Outras calculadoras contam de outro modo o 29 de fevereiro ou o 25 de julho; por isso seus kins podem não coincidir com estes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Seleccionado: %1 (%2) · Hoy: %3</source>
        <translation>Selecionado: %1 (%2) · Hoje: %3</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>La página que se ve, en papel</source>
        <translation>A página que se vê, em papel</translation>
    </message>
    <message>
        <source>Guardar &amp;PDF…</source>
        <translation>Salvar &amp;PDF…</translation>
    </message>
    <message>
        <source>La página que se ve, en un archivo PDF</source>
        <translation>A página que se vê, em um arquivo PDF</translation>
    </message>
    <message>
        <source>luna-%1.pdf</source>
        <translation>lua-%1.pdf</translation>
    </message>
    <message>
        <source>modulo-kin-%1.pdf</source>
        <translation>modulo-kin-%1.pdf</translation>
    </message>
    <message>
        <source>Guardar PDF</source>
        <translation>Salvar PDF</translation>
    </message>
    <message>
        <source>Marco verde: portal de activación galáctica · número blanco sobre negro: hoy · marco azul: el día seleccionado · Intro: leer el día</source>
        <translation>Moldura verde: portal de ativação galáctica · número branco sobre preto: hoje · moldura azul: o dia selecionado · Enter: ler o dia</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central · número blanco sobre negro: hoy · marco azul: el kin seleccionado · Gu guía, Ap antípoda, An análogo, Oc oculto · barra violeta: su onda encantada</source>
        <translation>Verde: portal de ativação galáctica · coluna 7 entre linhas: coluna central · número branco sobre preto: hoje · moldura azul: o kin selecionado · Gu guia, Ap antípoda, An análogo, Oc oculto · barra violeta: sua onda encantada</translation>
    </message>
    <message>
        <source>&lt;p&gt;Para comprobar una cuenta: el %1 es el %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Para conferir uma contagem: %1 é o %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Los %1 portales de activación galáctica son los kines %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Os %1 portais de ativação galáctica são os kins %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>La ventana del día lee años de hasta %1 cifras: el %2 no se puede leer en ella.</source>
        <translation>A janela do dia lê anos de até %1 algarismos: %2 não pode ser lido nela.</translation>
    </message>
    <message>
        <source>onda-kin-%1.pdf</source>
        <translation>onda-kin-%1.pdf</translation>
    </message>
    <message>
        <source>%1, vuelve el kin de %2</source>
        <translation>%1, volta o kin de %2</translation>
    </message>
    <message>
        <source>Pe&amp;rsonas</source>
        <translation>Pe&amp;ssoas</translation>
    </message>
</context>
</TS>
