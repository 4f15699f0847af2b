<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="es_ES">
<context>
    <name>main</name>
    <message>
        <source>talmiroc: falta el idioma tras --idioma; son %1
</source>
        <translation>talmiroc : --idioma attend une langue ; ce sont %1
</translation>
    </message>
    <message>
        <source>talmiroc: idioma desconocido: %1; son %2
</source>
        <translation>talmiroc : langue inconnue : %1 ; ce sont %2
</translation>
    </message>
    <message>
        <source>talmiroc: una sola de --luna, --modulo y --onda
</source>
        <translation>talmiroc : une seule de --luna, --modulo et --onda
</translation>
    </message>
    <message>
        <source>talmiroc: %1 espera una fecha: DÍA MES AÑO
</source>
        <translation>talmiroc : %1 attend une date : JOUR MOIS ANNÉE
</translation>
    </message>
    <message>
        <source>talmiroc: %1 espera un valor
</source>
        <translation>talmiroc : %1 attend une valeur
</translation>
    </message>
    <message>
        <source>talmiroc: --papel va con --pdf
</source>
        <translation>talmiroc : --papel va avec --pdf
</translation>
    </message>
    <message>
        <source>talmiroc: --papel es a4 o carta, no «%1»
</source>
        <translation>talmiroc : --papel vaut a4 ou carta, pas « %1 »
</translation>
    </message>
    <message>
        <source>talmiroc: no se pudo escribir la ayuda: %1
</source>
        <translation>talmiroc : l&apos;aide n&apos;a pas pu être écrite : %1
</translation>
    </message>
    <message>
        <source>[DÍA MES AÑO]</source>
        <translation>[JOUR MOIS ANNÉE]</translation>
    </message>
    <message>
        <source>los 28 días de la luna de la fecha</source>
        <translation>les 28 jours de la lune de la date</translation>
    </message>
    <message>
        <source>el módulo armónico, con el kin de la fecha</source>
        <translation>le module harmonique, avec le kin de la date</translation>
    </message>
    <message>
        <source>la onda encantada del kin de la fecha</source>
        <translation>l&apos;onde enchantée du kin de la date</translation>
    </message>
    <message>
        <source>el año de trece lunas de la fecha (con --pdf; sin él, su luna)</source>
        <translation>l&apos;année de treize lunes de la date (avec --pdf ; sans lui, sa lune)</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>el papel del PDF; si no, carta donde se mide en
pulgadas y A4 en los demás lugares</source>
        <translation>le papier du PDF ; sinon Letter là où l&apos;on mesure en
pouces, et A4 ailleurs</translation>
    </message>
    <message>
        <source>el idioma de las ventanas; sin él, el del sistema</source>
        <translation>la langue des fenêtres ; sans elle, celle du système</translation>
    </message>
    <message>
        <source>esta ayuda</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source>talmiroc: opción desconocida: %1
</source>
        <translation>talmiroc : option inconnue : %1
</translation>
    </message>
    <message>
        <source>talmiroc: %1 repetida
</source>
        <translation>talmiroc : %1 donnée deux fois
</translation>
    </message>
    <message>
        <source>talmiroc: la fecha va con --luna, --modulo, --onda o --año
</source>
        <translation>talmiroc : une date va avec --luna, --modulo, --onda ou --año
</translation>
    </message>
    <message>
        <source>Sin fecha, hoy. La fecha se lee como la leen las tres casillas de la ventana.
En la ventana del día, el menú contextual (botón derecho o tecla Menú) y
Ctrl+L, Ctrl+M y Ctrl+O abren las mismas páginas.
</source>
        <translation>Sans date, aujourd&apos;hui. La date se lit comme la lisent les trois cases de la fenêtre.
Dans la fenêtre du jour, le menu contextuel (bouton droit ou touche Menu) et
Ctrl+L, Ctrl+M et Ctrl+O ouvrent les mêmes pages.
</translation>
    </message>
    <message>
        <source>talmiroc: %1 no es una fecha del calendario; las páginas piden una fecha real
</source>
        <translation>talmiroc : %1 n&apos;est pas une date du calendrier ; les pages demandent une date réelle
</translation>
    </message>
    <message>
        <source>escribe las hojas en ARCHIVO, sin abrir ventana:
la luna en una hoja, el año en 15 (portada, el año
en una hoja y 13 lunas), el módulo en una (con fecha,
su kin resaltado), la onda encantada en una;
con ARCHIVO -, en la salida estándar</source>
        <translation>écrit les pages dans FICHIER, sans ouvrir de fenêtre :
la lune sur une page, l&apos;année sur 15 (couverture, l&apos;année
sur une page et 13 lunes), le module sur une (avec une date,
son kin mis en évidence), l&apos;onde enchantée sur une ;
avec FICHIER -, sur la sortie standard</translation>
    </message>
    <message>
        <source>talmiroc: --pdf va con --luna, --año, --modulo u --onda
</source>
        <translation>talmiroc : --pdf va avec --luna, --año, --modulo ou --onda
</translation>
    </message>
    <message>
        <source>el kin de hoy en la bandeja del escritorio y un aviso
cada día; si ya está en la bandeja, no hace nada</source>
        <translation>le kin du jour dans la zone de notification et un avis
chaque jour ; s&apos;il y est déjà, ne fait rien</translation>
    </message>
    <message>
        <source>talmiroc: --bandeja no va con una página ni con --pdf
</source>
        <translation>talmiroc : --bandeja ne va ni avec une page ni avec --pdf
</translation>
    </message>
    <message>
        <source>talmiroc: --forma es cuadrada, vertical o ancha, no «%1»
</source>
        <translation>talmiroc : --forma vaut cuadrada, vertical ou ancha, pas « %1 »
</translation>
    </message>
    <message>
        <source>el libro de personas: sus kines, cómo se relacionan y sus regresos</source>
        <translation>le carnet des personnes : leurs kins, leurs liens et leurs retours</translation>
    </message>
    <message>
        <source>la tarjeta del kin de la fecha, con --png o --svg</source>
        <translation>la carte du kin de la date, avec --png ou --svg</translation>
    </message>
    <message>
        <source>talmiroc: --tarjeta va con --png o --svg
</source>
        <translation>talmiroc : --tarjeta va avec --png ou --svg
</translation>
    </message>
    <message>
        <source>escribe la tarjeta como imagen PNG en ARCHIVO, sin abrir
ventana; con ARCHIVO -, en la salida estándar</source>
        <translation>écrit la carte en image PNG dans FICHIER, sans ouvrir
de fenêtre ; avec FICHIER -, sur la sortie standard</translation>
    </message>
    <message>
        <source>talmiroc: --png va con --tarjeta
</source>
        <translation>talmiroc : --png va avec --tarjeta
</translation>
    </message>
    <message>
        <source>la escribe como SVG (texto como texto); las dos, si se piden</source>
        <translation>l&apos;écrit en SVG (le texte reste du texte) ; les deux si on les demande</translation>
    </message>
    <message>
        <source>talmiroc: --svg va con --tarjeta
</source>
        <translation>talmiroc : --svg va avec --tarjeta
</translation>
    </message>
    <message>
        <source>FORMA</source>
        <translation>FORME</translation>
    </message>
    <message>
        <source>la de la tarjeta: cuadrada, 1080 × 1080 (si no se dice),
vertical, 1080 × 1920, o ancha, 1200 × 630</source>
        <translation>celle de la carte : cuadrada, 1080 × 1080 (par défaut),
vertical, 1080 × 1920, ou ancha, 1200 × 630</translation>
    </message>
    <message>
        <source>talmiroc: --forma va con --tarjeta
</source>
        <translation>talmiroc : --forma va avec --tarjeta
</translation>
    </message>
    <message>
        <source>talmiroc: --tarjeta no va con --luna, --modulo, --onda ni --año
</source>
        <translation>talmiroc : --tarjeta ne va ni avec --luna, --modulo, --onda ni avec --año
</translation>
    </message>
    <message>
        <source>con --personas, añade al libro las personas de ARCHIVO,
vCard (FN y BDAY) o CSV (nombre,dia,mes,año), sin abrir
ventana, y dice cuántas añadió y cuáles omitió y por qué</source>
        <translation>avec --personas, ajoute au carnet les personnes de FICHIER,
vCard (FN et BDAY) ou CSV (nombre,dia,mes,año), sans ouvrir
de fenêtre, et dit combien ont été ajoutées, lesquelles omises et pourquoi</translation>
    </message>
    <message>
        <source>talmiroc: --importar va con --personas
</source>
        <translation>talmiroc : --importar va avec --personas
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
        <translation>Usage : talmiroc [--idioma LANGUE] [--luna|--modulo|--onda [JOUR MOIS ANNÉE]]
       talmiroc --luna|--año|--modulo|--onda [JOUR MOIS ANNÉE] --pdf FICHIER [--papel a4|carta]
       talmiroc --tarjeta [JOUR MOIS ANNÉE] --png FICHIER | --svg FICHIER
                [--forma cuadrada|vertical|ancha]
       talmiroc --personas --importar FICHIER
       talmiroc --bandeja [--idioma LANGUE]

Sans option, ouvre la fenêtre du jour à la date d&apos;aujourd&apos;hui.
</translation>
    </message>
</context>
<context>
    <name>talmiroc::Archivo</name>
    <message>
        <source>la salida estándar</source>
        <translation>la sortie standard</translation>
    </message>
    <message>
        <source>no es un archivo común (es un dispositivo o una tubería)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (c&apos;est un périphérique ou un tube)</translation>
    </message>
</context>
<context>
    <name>talmiroc::Bandeja</name>
    <message>
        <source>No se pudo borrar el archivo %1: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être supprimé&#xa0;: %2</translation>
    </message>
    <message>
        <source>No se pudo crear la carpeta %1</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>Lectura de hoy</source>
        <translation>Lecture du jour</translation>
    </message>
    <message>
        <source>Luna de hoy</source>
        <translation>Lune du jour</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Module harmonique</translation>
    </message>
    <message>
        <source>Personas</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>Notificar cada día</source>
        <translation>Avertir chaque jour</translation>
    </message>
    <message>
        <source>Iniciar con la sesión</source>
        <translation>Lancer avec la session</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>talmiroc::Calendario</name>
    <message>
        <source>&amp;Luna</source>
        <translation>&amp;Lune</translation>
    </message>
    <message>
        <source>&amp;Módulo armónico</source>
        <translation>&amp;Module harmonique</translation>
    </message>
    <message>
        <source>&amp;Onda encantada</source>
        <translation>&amp;Onde enchantée</translation>
    </message>
    <message>
        <source>Dia</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Oráculo</source>
        <translation>Oracle</translation>
    </message>
    <message>
        <source>Kin Guia</source>
        <translation>Kin Guide</translation>
    </message>
    <message>
        <source>Duplica el poder de la 5º fuerza</source>
        <translation>Double le pouvoir de la 5e force</translation>
    </message>
    <message>
        <source>Kin Antípoda</source>
        <translation>Kin Antipode</translation>
    </message>
    <message>
        <source>Refuerza Memoria del Génesis</source>
        <translation>Renforce la Mémoire de la Genèse</translation>
    </message>
    <message>
        <source>Kin Análogo</source>
        <translation>Kin Analogue</translation>
    </message>
    <message>
        <source>Da refuerzo, van juntas</source>
        <translation>Donne du renfort : ils vont ensemble</translation>
    </message>
    <message>
        <source>Kin Oculto</source>
        <translation>Kin caché</translation>
    </message>
    <message>
        <source>Poder de lo inesperado</source>
        <translation>Pouvoir de l&apos;inattendu</translation>
    </message>
    <message>
        <source>Creado en:</source>
        <translation>Créé le :</translation>
    </message>
    <message>
        <source>Por:</source>
        <translation>Par :</translation>
    </message>
    <message>
        <source>Brenoval Serpiente Eléctrica Roja</source>
        <translation>Brenoval Serpent Électrique Rouge</translation>
    </message>
    <message>
        <source>Varnesca 9 de abril de 2003</source>
        <translation>Varnesca 9 avril 2003</translation>
    </message>
    <message>
        <source>Día</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>&amp;Limpiar</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Acerca de </source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Año de la Luna Planetaria Roja</source>
        <translation>Année de la Lune Planétaire Rouge</translation>
    </message>
    <message>
        <source>Luna Planetaria del Perro</source>
        <translation>Lune Planétaire du Chien</translation>
    </message>
    <message>
        <source>Enlazador de mundos resonante blanco</source>
        <translation>Passeur de Mondes Résonant Blanc</translation>
    </message>
    <message>
        <source>Debe introducir una fecha</source>
        <translation>Veuillez saisir une date</translation>
    </message>
    <message>
        <source>No se pudo imprimir la ventana</source>
        <translation>La fenêtre n&apos;a pas pu être imprimée</translation>
    </message>
    <message>
        <source>Quenabre</source>
        <translation>Talmiroc</translation>
    </message>
    <message>
        <source>No se pudo imprimir la página</source>
        <translation>La page n&apos;a pas pu être imprimée</translation>
    </message>
    <message>
        <source>Lectura copiada</source>
        <translation>Lecture copiée</translation>
    </message>
</context>
<context>
    <name>talmiroc::Modelo_personas</name>
    <message>
        <source>Kin %1</source>
        <translation>Kin&#xa0;%1</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Nacimiento</source>
        <translation>Naissance</translation>
    </message>
    <message>
        <source>Kin de nacimiento</source>
        <translation>Kin de naissance</translation>
    </message>
</context>
<context>
    <name>talmiroc::Pagina_personas</name>
    <message>
        <source>no es un archivo normal</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Buscar por nombre</source>
        <translation>Chercher par nom</translation>
    </message>
    <message>
        <source>Personas</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>Empezar un libro &amp;nuevo</source>
        <translation>Commencer un &amp;nouveau carnet</translation>
    </message>
    <message>
        <source>&amp;Añadir…</source>
        <translation>&amp;Ajouter…</translation>
    </message>
    <message>
        <source>Una persona nueva en el libro</source>
        <translation>Une nouvelle personne dans le carnet</translation>
    </message>
    <message>
        <source>&amp;Editar…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>El nombre o la fecha de la persona elegida</source>
        <translation>Le nom ou la date de la personne choisie</translation>
    </message>
    <message>
        <source>&amp;Quitar</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Quita del libro a las personas elegidas (Supr)</source>
        <translation>Retire du carnet les personnes choisies (Suppr)</translation>
    </message>
    <message>
        <source>&amp;Deshacer</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Deshace el último cambio del libro (Ctrl+Z)</source>
        <translation>Annule la dernière modification du carnet (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Guardar ca&amp;lendario…</source>
        <translation>Enregistrer le ca&amp;lendrier…</translation>
    </message>
    <message>
        <source>Los 10 próximos regresos del kin de cada persona, como iCalendar</source>
        <translation>Les 10 prochains retours du kin de chaque personne, en iCalendar</translation>
    </message>
    <message>
        <source>El libro de personas %1 no se puede leer (%2). Se conserva tal cual y no se cambiará: está en solo lectura hasta que empiece uno nuevo, que guardará el viejo aparte.</source>
        <translation>Le carnet des personnes %1 ne peut pas être lu (%2). Il est conservé tel quel et ne sera pas modifié&#xa0;: il reste en lecture seule jusqu&apos;à ce que vous en commenciez un nouveau, qui mettra l&apos;ancien de côté.</translation>
    </message>
    <message>
        <source>Cambios sin guardar en el libro %1: %2. Se guardarán con el próximo.</source>
        <translation>Modifications non enregistrées dans le carnet %1&#xa0;: %2. Elles le seront avec la prochaine.</translation>
    </message>
    <message>
        <source>el sistema no deja leerlo: %1</source>
        <translation>le système ne permet pas de le lire&#xa0;: %1</translation>
    </message>
    <message>
        <source>no es JSON válido o está cortado, en la línea %1</source>
        <translation>ce n&apos;est pas du JSON valide ou il est tronqué, à la ligne %1</translation>
    </message>
    <message>
        <source>no es un libro de personas</source>
        <translation>ce n&apos;est pas un carnet des personnes</translation>
    </message>
    <message>
        <source>su versión, %1, es de otro programa</source>
        <translation>sa version, %1, est celle d&apos;un autre programme</translation>
    </message>
    <message>
        <source>la persona %1 no tiene justo nombre, dia, mes y año</source>
        <translation>la personne %1 n&apos;a pas exactement nombre, dia, mes et año</translation>
    </message>
    <message>
        <source>el nombre de la persona %1 está vacío, es demasiado largo o tiene caracteres de control</source>
        <translation>le nom de la personne %1 est vide, trop long ou contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>la fecha de la persona %1 no es válida</source>
        <translation>la date de la personne %1 n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Libro de personas</source>
        <translation>Carnet des personnes</translation>
    </message>
    <message>
        <source>Otros usuarios de esta máquina pueden leer el libro de personas %1. Para que solo usted pueda: chmod 600 &apos;%1&apos;</source>
        <translation>D&apos;autres utilisateurs de cette machine peuvent lire le carnet des personnes %1. Pour que vous seul le puissiez&#xa0;: chmod 600 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>No se pudo guardar el libro de personas %1: %2. El cambio se ve aquí y se guardará con el próximo.</source>
        <translation>Le carnet des personnes %1 n&apos;a pas pu être enregistré&#xa0;: %2. La modification reste affichée ici et sera enregistrée avec la prochaine.</translation>
    </message>
    <message>
        <source>El nombre lleva de 1 a 200 caracteres, sin saltos de línea.</source>
        <translation>Le nom compte de 1 à 200 caractères, sans retour à la ligne.</translation>
    </message>
    <message>
        <source>No se pudo empezar un libro nuevo en %1: %2</source>
        <translation>Impossible de commencer un nouveau carnet dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>El libro que no se podía leer está ahora en %1.</source>
        <translation>Le carnet illisible se trouve maintenant dans %1.</translation>
    </message>
    <message>
        <source>Añadir una persona</source>
        <translation>Ajouter une personne</translation>
    </message>
    <message>
        <source>Editar una persona</source>
        <translation>Modifier une personne</translation>
    </message>
    <message>
        <source>Día</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Mes</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Año</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>&amp;Nombre:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Nacimiento (día, mes, año):</source>
        <translation>Naissance (jour, mois, année)&#xa0;:</translation>
    </message>
    <message>
        <source>Lo que %1 es para %2</source>
        <translation>Ce que %1 est pour %2</translation>
    </message>
    <message>
        <source>Ninguna relación.</source>
        <translation>Aucun lien.</translation>
    </message>
    <message>
        <source>El libro está vacío. Añada a alguien con Añadir.</source>
        <translation>Le carnet est vide. Ajoutez quelqu&apos;un avec Ajouter.</translation>
    </message>
    <message>
        <source>Elija una persona para ver su kin, o dos (Ctrl+clic) para ver cómo se relacionan sus kines.</source>
        <translation>Choisissez une personne pour voir son kin, ou deux (Ctrl+clic) pour voir les liens entre leurs kins.</translation>
    </message>
    <message>
        <source>Elija una persona o dos.</source>
        <translation>Choisissez une ou deux personnes.</translation>
    </message>
    <message>
        <source>Nacimiento</source>
        <translation>Naissance</translation>
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
        <translation>Analogue</translation>
    </message>
    <message>
        <source>Oculto</source>
        <translation>Occulte</translation>
    </message>
    <message>
        <source>%1
Kin %2</source>
        <translation>%1
Kin&#xa0;%2</translation>
    </message>
    <message>
        <source>Color: %1</source>
        <translation>Couleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Familia terrestre: %1</source>
        <translation>Famille terrestre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Próximos regresos de su kin (cada 260 días)</source>
        <translation>Prochains retours de son kin (tous les 260 jours)</translation>
    </message>
    <message>
        <source>Cumpleaños</source>
        <translation>Anniversaires</translation>
    </message>
    <message>
        <source>Vive el año %1 de su ciclo %2 de 52 años: a los 52 años el kin vuelve el día del cumpleaños.</source>
        <translation>Vit l&apos;année %1 de son cycle de 52 ans n°&#xa0;%2&#xa0;: à 52 ans, le kin revient le jour même de l&apos;anniversaire.</translation>
    </message>
    <message>
        <source>Hoy, %1</source>
        <translation>Aujourd&apos;hui, %1</translation>
    </message>
    <message>
        <source>Ninguna relación con su kin.</source>
        <translation>Aucun lien avec son kin.</translation>
    </message>
    <message>
        <source>Guardar calendario</source>
        <translation>Enregistrer le calendrier</translation>
    </message>
    <message>
        <source>regresos-de-kin.ics</source>
        <translation>retours-du-kin.ics</translation>
    </message>
    <message>
        <source>Calendarios iCalendar (*.ics)</source>
        <translation>Calendriers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Impor&amp;tar…</source>
        <translation>Impor&amp;ter…</translation>
    </message>
    <message>
        <source>Las personas de una libreta de direcciones (vCard) o de una tabla CSV (nombre, día, mes, año)</source>
        <translation>Les personnes d&apos;un carnet d&apos;adresses (vCard) ou d&apos;un tableau CSV (nom, jour, mois, année)</translation>
    </message>
    <message>
        <source>Importar personas</source>
        <translation>Importer des personnes</translation>
    </message>
    <message>
        <source>Libretas de direcciones y tablas (*.vcf *.vcard *.csv)</source>
        <translation>Carnets d&apos;adresses et tableaux (*.vcf *.vcard *.csv)</translation>
    </message>
    <message>
        <source>Todos los archivos (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Añadidas: %1. Omitidas: %2.</source>
        <translation>Ajoutées : %1. Omises : %2.</translation>
    </message>
    <message>
        <source>no tiene nombre</source>
        <translation>elle n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>el nombre «%1» es demasiado largo o tiene caracteres de control</source>
        <translation>le nom « %1 » est trop long ou contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>%1 no tiene fecha de nacimiento</source>
        <translation>%1 n&apos;a pas de date de naissance</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no tiene año (%2), y sin año no hay kin</source>
        <translation>la date de naissance de %1 n&apos;a pas d&apos;année (%2), et sans année il n&apos;y a pas de kin</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no es una fecha completa (%2)</source>
        <translation>la date de naissance de %1 n&apos;est pas une date complète (%2)</translation>
    </message>
    <message>
        <source>la fecha de nacimiento de %1 no vale: %2</source>
        <translation>la date de naissance de %1 est refusée : %2</translation>
    </message>
    <message>
        <source>se esperaban nombre, día, mes y año, y hay %1 campos</source>
        <translation>on attendait nom, jour, mois et année, et il y a %1 champs</translation>
    </message>
    <message>
        <source>%1 está en una codificación que no se lee (%2); expórtela en UTF-8</source>
        <translation>%1 est dans un encodage illisible (%2) ; exportez-le en UTF-8</translation>
    </message>
    <message>
        <source>%1 ya estaba antes en el archivo, con la misma fecha</source>
        <translation>%1 figurait déjà plus haut dans le fichier, avec la même date</translation>
    </message>
    <message>
        <source>%1 ya está en el libro</source>
        <translation>%1 est déjà dans le carnet</translation>
    </message>
    <message>
        <source>Tarjeta %1 (línea %2): %3</source>
        <translation>Fiche %1 (ligne %2) : %3</translation>
    </message>
    <message>
        <source>Línea %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>pasa de 16 MiB, y ninguna libreta de direcciones es tan grande</source>
        <translation>il dépasse 16 Mio, et aucun carnet d&apos;adresses n&apos;est aussi grand</translation>
    </message>
    <message>
        <source>no es texto UTF-8 (línea %1)</source>
        <translation>ce n&apos;est pas du texte UTF-8 (ligne %1)</translation>
    </message>
    <message>
        <source>no tiene ninguna tarjeta vCard ni ninguna línea con personas</source>
        <translation>il ne contient aucune fiche vCard ni aucune ligne de personnes</translation>
    </message>
    <message>
        <source>la tarjeta vCard de la línea %1 no termina (falta END:VCARD)</source>
        <translation>la fiche vCard de la ligne %1 ne se termine pas (END:VCARD manque)</translation>
    </message>
    <message>
        <source>la línea %1 está fuera de toda tarjeta vCard</source>
        <translation>la ligne %1 est en dehors de toute fiche vCard</translation>
    </message>
    <message>
        <source>las comillas que se abren en la línea %1 no se cierran</source>
        <translation>les guillemets ouverts à la ligne %1 ne sont jamais fermés</translation>
    </message>
    <message>
        <source>No se pudo importar %1: %2. No se añadió a nadie.</source>
        <translation>Impossible d&apos;importer %1 : %2. Personne n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>El libro de personas %1 no se puede leer (%2); no se añadió a nadie.</source>
        <translation>Le carnet des personnes %1 ne peut pas être lu (%2) ; personne n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>No se pudo guardar el libro de personas %1: %2. No se añadió a nadie.</source>
        <translation>Le carnet des personnes %1 n&apos;a pas pu être enregistré : %2. Personne n&apos;a été ajouté.</translation>
    </message>
</context>
<context>
    <name>talmiroc::Papel</name>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo escribir el archivo %1</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>Marco verde: portal de activación galáctica</source>
        <translation>Cadre vert&#xa0;: portail d&apos;activation galactique</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Module harmonique</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central · marco azul: el kin resaltado · Gu guía, Ap antípoda, An análogo, Oc oculto · barra violeta: su onda encantada</source>
        <translation>Vert&#xa0;: portail d&apos;activation galactique · colonne 7 entre deux lignes&#xa0;: colonne centrale · cadre bleu&#xa0;: le kin mis en évidence · Gu guide, Ap antipode, An analogue, Oc occulte · barre violette&#xa0;: son onde enchantée</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central</source>
        <translation>Vert&#xa0;: portail d&apos;activation galactique · colonne 7 entre deux lignes&#xa0;: colonne centrale</translation>
    </message>
    <message>
        <source>En cada día, su fecha y su kin · %1 · 25/7: %2 · marco verde: portal de activación galáctica</source>
        <translation>Dans chaque jour, sa date et son kin · %1 · 25/7&#xa0;: %2 · cadre vert&#xa0;: portail d&apos;activation galactique</translation>
    </message>
</context>
<context>
    <name>talmiroc::Tarjeta</name>
    <message>
        <source>Nacimiento: %1</source>
        <translation>Naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tarjeta cuadrada</source>
        <translation>Carte carrée</translation>
    </message>
    <message>
        <source>Tarjeta vertical</source>
        <translation>Carte verticale</translation>
    </message>
    <message>
        <source>Tarjeta ancha</source>
        <translation>Carte large</translation>
    </message>
    <message>
        <source>Guardar tarjeta</source>
        <translation>Enregistrer la carte</translation>
    </message>
    <message>
        <source>Guardar tarjeta…</source>
        <translation>Enregistrer la carte…</translation>
    </message>
    <message>
        <source>Copiar tarjeta</source>
        <translation>Copier la carte</translation>
    </message>
</context>
<context>
    <name>talmiroc::Ventana_tiempo</name>
    <message>
        <source>hoy</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Héptada %1</source>
        <translation>Heptade %1</translation>
    </message>
    <message>
        <source>Columna %1, central</source>
        <translation>Colonne %1, centrale</translation>
    </message>
    <message>
        <source>%1 ·</source>
        <translation>%1 ·</translation>
    </message>
    <message>
        <source>columna central</source>
        <translation>colonne centrale</translation>
    </message>
    <message>
        <source>guía del seleccionado</source>
        <translation>guide du kin choisi</translation>
    </message>
    <message>
        <source>antípoda del seleccionado</source>
        <translation>antipode du kin choisi</translation>
    </message>
    <message>
        <source>análogo del seleccionado</source>
        <translation>analogue du kin choisi</translation>
    </message>
    <message>
        <source>oculto del seleccionado</source>
        <translation>occulte du kin choisi</translation>
    </message>
    <message>
        <source>en la onda encantada del seleccionado</source>
        <translation>dans l&apos;onde enchantée du kin choisi</translation>
    </message>
    <message>
        <source>Kin</source>
        <translation>Kin</translation>
    </message>
    <message>
        <source>Tono</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Kin %1</source>
        <translation>Kin&#xa0;%1</translation>
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
        <translation>Talmiroc&#xa0;: le compte dans le temps</translation>
    </message>
    <message>
        <source>&amp;Luna</source>
        <translation>&amp;Lune</translation>
    </message>
    <message>
        <source>&amp;Módulo armónico</source>
        <translation>&amp;Module harmonique</translation>
    </message>
    <message>
        <source>&amp;Onda encantada</source>
        <translation>&amp;Onde enchantée</translation>
    </message>
    <message>
        <source>&amp;Cómo se cuenta</source>
        <translation>&amp;Comment on compte</translation>
    </message>
    <message>
        <source>«</source>
        <translation>«</translation>
    </message>
    <message>
        <source>Año anterior (Mayús+Re Pág)</source>
        <translation>Année précédente (Maj+Page préc.)</translation>
    </message>
    <message>
        <source>‹</source>
        <translation>‹</translation>
    </message>
    <message>
        <source>Luna anterior (Re Pág)</source>
        <translation>Lune précédente (Page préc.)</translation>
    </message>
    <message>
        <source>›</source>
        <translation>›</translation>
    </message>
    <message>
        <source>Luna siguiente (Av Pág)</source>
        <translation>Lune suivante (Page suiv.)</translation>
    </message>
    <message>
        <source>»</source>
        <translation>»</translation>
    </message>
    <message>
        <source>Año siguiente (Mayús+Av Pág)</source>
        <translation>Année suivante (Maj+Page suiv.)</translation>
    </message>
    <message>
        <source>&amp;Hoy</source>
        <translation>&amp;Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Hoy (Inicio)</source>
        <translation>Aujourd&apos;hui (Origine)</translation>
    </message>
    <message>
        <source>Días de la luna</source>
        <translation>Jours de la lune</translation>
    </message>
    <message>
        <source>Módulo armónico</source>
        <translation>Module harmonique</translation>
    </message>
    <message>
        <source>Onda encantada</source>
        <translation>Onde enchantée</translation>
    </message>
    <message>
        <source>&lt;p&gt;Así lleva Talmiroc la cuenta:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;El año de trece lunas empieza el 26 de julio, y el kin de ese día es el portador del año hasta el 25 de julio siguiente.&lt;/li&gt;&lt;li&gt;Cada luna tiene 28 días, en cuatro héptadas de siete plasmas: Dali, Seli, Gamma, Kali, Alfa, Limi y Silio. La primera luna va del 26 de julio al 22 de agosto; la decimotercera, del 27 de junio al 24 de julio.&lt;/li&gt;&lt;li&gt;El 25 de julio no pertenece a ninguna luna: es el Día fuera del tiempo.&lt;/li&gt;&lt;li&gt;El 29 de febrero no avanza la cuenta: lleva el kin del 28 de febrero y se muestra como «0.0 Hunab Ku», entre los días 22 y 23 de la octava luna.&lt;/li&gt;&lt;li&gt;La notación NS cuenta ciclos de 52 años desde el año que empezó el 26 de julio de 1987: NS1.26.4.27 es el ciclo 1, año 26 del ciclo, luna 4, día 27.&lt;/li&gt;&lt;li&gt;Los 52 portales de activación galáctica son los del módulo armónico; la columna central es la séptima, de los kines 121 a 140.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Otras calculadoras cuentan distinto el 29 de febrero o el 25 de julio; por eso sus kines pueden no coincidir con estos.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Voici comment Talmiroc tient le compte&#xa0;:&lt;/p&gt;&lt;ul&gt;&lt;li&gt;L&apos;année de treize lunes commence le 26 juillet, et le kin de ce jour est le porteur de l&apos;année jusqu&apos;au 25 juillet suivant.&lt;/li&gt;&lt;li&gt;Chaque lune a 28 jours, en quatre heptades de sept plasmas&#xa0;: Dali, Seli, Gamma, Kali, Alpha, Limi et Silio. La première lune va du 26 juillet au 22 août&#xa0;; la treizième, du 27 juin au 24 juillet.&lt;/li&gt;&lt;li&gt;Le 25 juillet n&apos;appartient à aucune lune&#xa0;: c&apos;est le Jour Hors du Temps.&lt;/li&gt;&lt;li&gt;Le 29 février ne fait pas avancer le compte&#xa0;: il porte le kin du 28 février et s&apos;affiche « 0.0 Hunab Ku », entre les jours 22 et 23 de la huitième lune.&lt;/li&gt;&lt;li&gt;La notation NS compte des cycles de 52 ans depuis l&apos;année qui a commencé le 26 juillet 1987&#xa0;: NS1.26.4.27 est le cycle 1, année 26 du cycle, lune 4, jour 27.&lt;/li&gt;&lt;li&gt;Les 52 portails d&apos;activation galactique sont ceux du module harmonique&#xa0;; la colonne centrale est la septième, des kins 121 à 140.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;D&apos;autres calculateurs comptent autrement le 29 février ou le 25 juillet&#xa0;; c&apos;est pourquoi leurs kins peuvent différer de ceux-ci.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Seleccionado: %1 (%2) · Hoy: %3</source>
        <translation>Choisi&#xa0;: %1 (%2) · Aujourd&apos;hui&#xa0;: %3</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>La página que se ve, en papel</source>
        <translation>La page affichée, sur papier</translation>
    </message>
    <message>
        <source>Guardar &amp;PDF…</source>
        <translation>Enregistrer en &amp;PDF…</translation>
    </message>
    <message>
        <source>La página que se ve, en un archivo PDF</source>
        <translation>La page affichée, dans un fichier PDF</translation>
    </message>
    <message>
        <source>luna-%1.pdf</source>
        <translation>lune-%1.pdf</translation>
    </message>
    <message>
        <source>modulo-kin-%1.pdf</source>
        <translation>module-kin-%1.pdf</translation>
    </message>
    <message>
        <source>Guardar PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Marco verde: portal de activación galáctica · número blanco sobre negro: hoy · marco azul: el día seleccionado · Intro: leer el día</source>
        <translation>Cadre vert&#xa0;: portail d&apos;activation galactique · chiffre blanc sur noir&#xa0;: aujourd&apos;hui · cadre bleu&#xa0;: le jour choisi · Entrée&#xa0;: lire le jour</translation>
    </message>
    <message>
        <source>Verde: portal de activación galáctica · columna 7 entre líneas: columna central · número blanco sobre negro: hoy · marco azul: el kin seleccionado · Gu guía, Ap antípoda, An análogo, Oc oculto · barra violeta: su onda encantada</source>
        <translation>Vert&#xa0;: portail d&apos;activation galactique · colonne 7 entre deux lignes&#xa0;: colonne centrale · chiffre blanc sur noir&#xa0;: aujourd&apos;hui · cadre bleu&#xa0;: le kin choisi · Gu guide, Ap antipode, An analogue, Oc occulte · barre violette&#xa0;: son onde enchantée</translation>
    </message>
    <message>
        <source>&lt;p&gt;Para comprobar una cuenta: el %1 es el %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Pour vérifier un compte&#xa0;: le %1 est le %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Los %1 portales de activación galáctica son los kines %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Les %1 portails d&apos;activation galactique sont les kins %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>La ventana del día lee años de hasta %1 cifras: el %2 no se puede leer en ella.</source>
        <translation>La fenêtre du jour lit les années d&apos;au plus %1 chiffres&#xa0;: %2 ne peut pas y être lu.</translation>
    </message>
    <message>
        <source>onda-kin-%1.pdf</source>
        <translation>onde-kin-%1.pdf</translation>
    </message>
    <message>
        <source>%1, vuelve el kin de %2</source>
        <translation>%1, le kin de %2 revient</translation>
    </message>
    <message>
        <source>Pe&amp;rsonas</source>
        <translation>Pe&amp;rsonnes</translation>
    </message>
</context>
</TS>
