<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalDav</name>
    <message>
        <source>the answer is empty</source>
        <translation>la réponse est vide</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the answer is not a WebDAV multistatus</source>
        <translation>la réponse n’est pas un multistatus WebDAV</translation>
    </message>
    <message>
        <source>%1: the server&apos;s answer cannot be read: %2</source>
        <translation>%1&#xa0;: la réponse du serveur est illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: the server names no principal for the user; is it a CalDAV server?</source>
        <translation>%1&#xa0;: le serveur n’indique aucun principal pour l’utilisateur&#xa0;; est-ce un serveur CalDAV&#xa0;?</translation>
    </message>
    <message>
        <source>%1: the user&apos;s principal names no calendar home</source>
        <translation>%1&#xa0;: le principal de l’utilisateur n’indique aucun dossier de calendriers</translation>
    </message>
</context>
<context>
    <name>CalendarAddress</name>
    <message>
        <source>%1: not a calendar address (https://, webcal://, http://, caldav+https:// or caldav+http://)</source>
        <translation>%1&#xa0;: ce n’est pas une adresse de calendrier (https://, webcal://, http://, caldav+https:// ou caldav+http://)</translation>
    </message>
    <message>
        <source>%1: not a valid address</source>
        <translation>%1&#xa0;: adresse non valide</translation>
    </message>
    <message>
        <source>%1: the address holds a password; keep it in ~/.netrc or the secret store instead</source>
        <translation>%1&#xa0;: l’adresse contient un mot de passe&#xa0;; gardez-le plutôt dans ~/.netrc ou dans le trousseau</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;lunaria --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;lunaria --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>--to names one .ics file, but %1 control files were given</source>
        <translation>--to désigne un seul fichier .ics, mais %1 fichiers de contrôle ont été donnés</translation>
    </message>
    <message>
        <source>--to names one file, but %1 control files were given; name a folder instead</source>
        <translation>--to désigne un seul fichier, mais %1 fichiers de contrôle ont été donnés&#xa0;; indiquez plutôt un dossier</translation>
    </message>
    <message>
        <source>--to %1 is neither a %2 file nor a folder</source>
        <translation>--to %1 n&apos;est ni un fichier %2 ni un dossier</translation>
    </message>
    <message>
        <source>--to %1: pages are written as %2 files (or into a folder), not as .%3</source>
        <translation>--to %1&#xa0;: les pages sont écrites en fichiers %2 (ou dans un dossier), pas en .%3</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be created . . .</source>
        <translation>Le dossier de %1 ne peut pas être créé . . .</translation>
    </message>
    <message>
        <source>Composes and prints a one-page calendar of a whole year.
Without arguments, opens the calendar window; with --print, prints prepared control files without one.</source>
        <translation>Compose et imprime le calendrier d&apos;une année entière sur une seule page.
Sans argument, ouvre la fenêtre du calendrier&#xa0;; avec --print, imprime des fichiers de contrôle préparés, sans fenêtre.</translation>
    </message>
    <message>
        <source>Print each control FILE.txt as its own calendar, without a window.</source>
        <translation>Imprimer chaque fichier de contrôle FICHIER.txt comme un calendrier distinct, sans fenêtre.</translation>
    </message>
    <message>
        <source>Write the page to PATH instead of a printer: a %1 file for one control file, a folder (one PDF per control file, named after it) for several; or the marked days to an .ics file.</source>
        <extracomment>%1 is &quot;.pdf or .png&quot;</extracomment>
        <translation>Écrire la page dans CHEMIN au lieu d&apos;une imprimante&#xa0;: un fichier %1 pour un seul fichier de contrôle, un dossier (un PDF par fichier de contrôle, nommé d&apos;après lui) pour plusieurs&#xa0;; ou les jours marqués dans un fichier .ics.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CHEMIN</translation>
    </message>
    <message>
        <source>Print on the device NAME (see --list-printers).</source>
        <translation>Imprimer sur le périphérique NOM (voir --list-printers).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Print N copies of each calendar.</source>
        <translation>Imprimer N exemplaires de chaque calendrier.</translation>
    </message>
    <message>
        <source>Scale the page to fit paper NAME: Letter, Legal, A4, A3 or A5 (or printer: unscaled, as the printer has it). Overrides the files&apos; PAP lines.</source>
        <extracomment>The paper names and &quot;printer&quot; are what the option takes; they stay as they are.</extracomment>
        <translation>Mettre la page à l&apos;échelle du papier NOM&#xa0;: Letter, Legal, A4, A3 ou A5 (ou printer&#xa0;: sans mise à l&apos;échelle, tel que l&apos;imprimante l&apos;a). Remplace les lignes PAP des fichiers.</translation>
    </message>
    <message>
        <source>List the output devices, numbered as the printer chooser numbers them.</source>
        <translation>Lister les périphériques de sortie, numérotés comme dans le choix de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>FILE.txt</source>
        <translation>FICHIER.txt</translation>
    </message>
    <message>
        <source>Control files to print with --print.</source>
        <translation>Fichiers de contrôle à imprimer avec --print.</translation>
    </message>
    <message>
        <source>[FILE.txt...]</source>
        <translation>[FICHIER.txt...]</translation>
    </message>
    <message>
        <source>Exit status: 0 when every control file printed, 1 when any could not be read or printed (the
others are still printed), 2 for a usage error. Skipped lines of a control file and a picture
that could not be drawn are reported on standard error; they do not change the status, since
the calendar printed without them.</source>
        <translation>Code de sortie&#xa0;: 0 si chaque fichier de contrôle a été imprimé, 1 si l&apos;un d&apos;eux n&apos;a pas pu être lu
ou imprimé (les autres sont tout de même imprimés), 2 pour une erreur d&apos;utilisation. Les lignes
ignorées d&apos;un fichier de contrôle et une image qui n&apos;a pas pu être dessinée sont signalées sur la
sortie d&apos;erreur&#xa0;; elles ne changent pas le code, puisque le calendrier a été imprimé sans elles.</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>rien à faire</translation>
    </message>
    <message>
        <source>control files are printed with --print</source>
        <translation>les fichiers de contrôle s&apos;impriment avec --print</translation>
    </message>
    <message>
        <source>--print needs at least one control file</source>
        <translation>--print demande au moins un fichier de contrôle</translation>
    </message>
    <message>
        <source>--to and --printer cannot be used together</source>
        <translation>--to et --printer ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--copies takes a whole number from 1 to 32767</source>
        <translation>--copies attend un nombre entier de 1 à 32767</translation>
    </message>
    <message>
        <source>--paper takes Letter, Legal, A4, A3, A5 or printer, not &quot;%1&quot;</source>
        <extracomment>The paper names and &quot;printer&quot; are what the option takes; they stay as they are.</extracomment>
        <translation>--paper attend Letter, Legal, A4, A3, A5 ou printer, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no printer can be reached: %1</source>
        <translation>aucune imprimante n&apos;est joignable&#xa0;: %1</translation>
    </message>
    <message>
        <source>there is no printer &quot;%1&quot;. The devices are:</source>
        <translation>il n&apos;y a pas d&apos;imprimante «&#xa0;%1&#xa0;». Les périphériques sont&#xa0;:</translation>
    </message>
    <message>
        <source>[%1/%2] %3 failed, not printed to %4</source>
        <translation>[%1/%2] %3 a échoué, non imprimé sur %4</translation>
    </message>
    <message>
        <source>the calendar window needs a desktop, and no display was found (DISPLAY and WAYLAND_DISPLAY are unset).
To print without a window: lunaria --print FILE.txt --to calendar.pdf</source>
        <translation>la fenêtre du calendrier a besoin d&apos;un bureau, et aucun affichage n&apos;a été trouvé (DISPLAY et WAYLAND_DISPLAY ne sont pas définis).
Pour imprimer sans fenêtre&#xa0;: lunaria --print FICHIER.txt --to calendrier.pdf</translation>
    </message>
    <message>
        <source>Not printed: its date-list file %1 is also that of %2, printed before it. Rename one of them so that the part before the first &quot;.&quot; differs . . .</source>
        <translation>Non imprimé&#xa0;: son fichier de liste des dates %1 est aussi celui de %2, imprimé avant lui. Renommez l’un des deux pour que la partie avant le premier «&#xa0;.&#xa0;» diffère . . .</translation>
    </message>
    <message>
        <source>List the phases of the Moon in YEAR (%1 to %2), one a line, with the date and time in this computer&apos;s time zone.</source>
        <translation>Lister les phases de la Lune de l’ANNÉE (%1 à %2), une par ligne, avec la date et l’heure dans le fuseau horaire de cet ordinateur.</translation>
    </message>
    <message>
        <source>YEAR</source>
        <translation>ANNÉE</translation>
    </message>
    <message>
        <source>--moon-phases and --print cannot be used together</source>
        <translation>--moon-phases et --print ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--moon-phases takes a year from %1 to %2, not &quot;%3&quot;</source>
        <translation>--moon-phases attend une année de %1 à %2, pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>List the countries and regions whose public holidays HOL lines can mark, one a line: the code, a tab, the name in this computer&apos;s language.</source>
        <translation>Lister les pays et régions dont les lignes HOL peuvent marquer les jours fériés, un par ligne&#xa0;: le code, une tabulation, le nom dans la langue de cet ordinateur.</translation>
    </message>
    <message>
        <source>this command needs a printer: run it with --to FILE</source>
        <translation>cette commande a besoin d’une imprimante&#xa0;: lancez-la avec --to FICHIER</translation>
    </message>
</context>
<context>
    <name>ComposePage</name>
    <message>
        <source>Mark category %1 is outside 0 to 4</source>
        <translation>La catégorie de marque %1 n&apos;est pas comprise entre 0 et 4</translation>
    </message>
    <message>
        <source>Moon phases are worked out for the years %1 to %2 only.</source>
        <translation>Les phases de la Lune ne sont calculées que pour les années %1 à %2.</translation>
    </message>
    <message>
        <source>new moon</source>
        <translation>nouvelle lune</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>premier quartier</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>pleine lune</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>dernier quartier</translation>
    </message>
</context>
<context>
    <name>ControlFile</name>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation>Ligne %1 de %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Skipped line %1 of %2: %3.</source>
        <translation>Ligne %1 de %2 ignorée&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 lines of %2 were skipped:</source>
        <translation>%1 lignes de %2 ont été ignorées&#xa0;:</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Line %1 of %2 is not UTF-8 like the rest of the file and was read as Windows-1252.</source>
        <translation>La ligne %1 de %2 n&apos;est pas en UTF-8 comme le reste du fichier et a été lue en Windows-1252.</translation>
    </message>
    <message>
        <source>Lines %1 of %2 are not UTF-8 like the rest of the file and were read as Windows-1252.</source>
        <translation>Les lignes %1 de %2 ne sont pas en UTF-8 comme le reste du fichier et ont été lues en Windows-1252.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither 1 (picture only at top) nor 0</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni 1 (image seulement en haut) ni 0</translation>
    </message>
    <message>
        <source>the font name is missing</source>
        <translation>le nom de la police manque</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text role (year, header, address, message or calendar)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un rôle de texte (year, header, address, message ou calendar)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language Qt knows; write it like de_DE or ru</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une langue connue de Qt&#xa0;; écrivez-la comme de_DE ou ru</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a weekday from 1 (Sunday) to 7 (Saturday), nor 0 (as the language has it)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni un jour de 1 (dimanche) à 7 (samedi), ni 0 (selon la langue)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither 1 (week numbers) nor 0</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni 1 (numéros de semaine) ni 0</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper (Letter, Legal, A4, A3, A5, or printer for the printer&apos;s own)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un papier (Letter, Legal, A4, A3, A5, ou printer pour celui de l&apos;imprimante)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour set (classic, safe or patterns)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un jeu de couleurs (classic, safe ou patterns)</translation>
    </message>
    <message>
        <source>Only 6 notes allowed. Following note dropped. %1</source>
        <translation>6 notes au plus sont permises. La note suivante est abandonnée. %1</translation>
    </message>
    <message>
        <source>picture not drawn: %1</source>
        <translation>image non dessinée&#xa0;: %1</translation>
    </message>
    <message>
        <source>the picture drew with a warning: %1</source>
        <translation>l&apos;image a été dessinée avec un avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select a .txt file.
Try again . . .</source>
        <translation>Choisissez un fichier .txt.
Réessayez . . .</translation>
    </message>
    <message>
        <source>Cannot read the control file %1:
%2.</source>
        <translation>Impossible de lire le fichier de contrôle %1&#xa0;:
%2.</translation>
    </message>
    <message>
        <source>the text is %L1 characters long; the page holds at most %2</source>
        <translation>le texte compte %L1 caractères&#xa0;; la page en contient au plus %2</translation>
    </message>
    <message>
        <source>%1 is not a control file: none of its lines starts with a key such as YER, HDR or DTM. Nothing was read . . .</source>
        <translation>%1 n’est pas un fichier de contrôle&#xa0;: aucune de ses lignes ne commence par une clé comme YER, HDR ou DTM. Rien n’a été lu . . .</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a month from 1 (January) to 12 (December)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un mois de 1 (janvier) à 12 (décembre)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither 1 (moon phases) nor 0</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni 1 (phases de la Lune) ni 0</translation>
    </message>
</context>
<context>
    <name>ControlWriter</name>
    <message>
        <source>&quot;%1&quot; cannot be saved as a control file: its name must end in &quot;.txt&quot; (lower case), as control files are read . . .</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être enregistré comme fichier de contrôle&#xa0;: son nom doit se terminer par «&#xa0;.txt&#xa0;» (en minuscules), car c&apos;est ainsi que les fichiers de contrôle sont lus . . .</translation>
    </message>
    <message>
        <source>The control file &quot;%1&quot; cannot be saved (%2) . . .</source>
        <translation>Le fichier de contrôle «&#xa0;%1&#xa0;» ne peut pas être enregistré (%2) . . .</translation>
    </message>
</context>
<context>
    <name>CredentialsDialog</name>
    <message>
        <source>Log In</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>The server %1 asks for a user name and password.</source>
        <translation>Le serveur %1 demande un nom d’utilisateur et un mot de passe.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d’utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Remember in the secret store</source>
        <translation>Retenir dans le trousseau</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Nom d’utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DateListFile</name>
    <message>
        <source>The date-list file &quot;%1&quot; cannot be written in the folder &quot;%2&quot; (%3). Make the folder writable or choose another control file . . .</source>
        <translation>La liste des dates «&#xa0;%1&#xa0;» ne peut pas être écrite dans le dossier «&#xa0;%2&#xa0;» (%3). Rendez le dossier accessible en écriture ou choisissez un autre fichier de contrôle . . .</translation>
    </message>
    <message>
        <source>The date-list file &quot;%1&quot; cannot be written (%2); an earlier one is kept as it was . . .</source>
        <translation>La liste des dates «&#xa0;%1&#xa0;» ne peut pas être écrite (%2)&#xa0;; une liste précédente est conservée telle quelle . . .</translation>
    </message>
</context>
<context>
    <name>DayRules</name>
    <message>
        <source>Month %1 is outside 1 to 12</source>
        <translation>Le mois %1 n&apos;est pas compris entre 1 et 12</translation>
    </message>
    <message>
        <source>no year is given</source>
        <translation>aucune année n&apos;est indiquée</translation>
    </message>
    <message>
        <source>the year %1 is outside 1 to 32767</source>
        <translation>l&apos;année %1 n&apos;est pas comprise entre 1 et 32767</translation>
    </message>
    <message>
        <source>Mark category %1 is outside 0 to 4</source>
        <translation>La catégorie de marque %1 n&apos;est pas comprise entre 0 et 4</translation>
    </message>
    <message>
        <source>the year &quot;%1&quot; is not a whole number</source>
        <translation>l’année «&#xa0;%1&#xa0;» n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the year %1 is the last there is; a page from month %2 runs into the next</source>
        <translation>l’année %1 est la dernière&#xa0;; une page commençant au mois %2 déborde sur la suivante</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>the socket path is too long</source>
        <translation>le chemin du socket est trop long</translation>
    </message>
    <message>
        <source>it closed the connection</source>
        <translation>il a fermé la connexion</translation>
    </message>
    <message>
        <source>the print service (CUPS) at %1 does not answer (%2)</source>
        <translation>le service d&apos;impression (CUPS) à %1 ne répond pas (%2)</translation>
    </message>
    <message>
        <source>the print server did not say which job it made of the page</source>
        <translation>le serveur d&apos;impression n&apos;a pas indiqué quelle tâche il a créée pour la page</translation>
    </message>
    <message>
        <source>(not accepting jobs)</source>
        <translation>(n&apos;accepte pas de tâches)</translation>
    </message>
    <message>
        <source>the page cannot be encoded as PNG: %1</source>
        <translation>la page ne peut pas être encodée en PNG&#xa0;: %1</translation>
    </message>
    <message>
        <source>There is not enough memory for the page image . . .</source>
        <translation>Il n&apos;y a pas assez de mémoire pour l&apos;image de la page . . .</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; cannot be written (%2) . . .</source>
        <translation>Le fichier image «&#xa0;%1&#xa0;» ne peut pas être écrit (%2) . . .</translation>
    </message>
    <message>
        <source>There is no device number %1 . . .</source>
        <translation>Il n&apos;y a pas de périphérique numéro %1 . . .</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; cannot be written (%2) . . .</source>
        <translation>Le fichier PDF «&#xa0;%1&#xa0;» ne peut pas être écrit (%2) . . .</translation>
    </message>
    <message>
        <source>No printer can be reached: %1 . . .</source>
        <translation>Aucune imprimante n&apos;est joignable&#xa0;: %1 . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed (the print server says: %2). Choose another device with &quot;Select Printer&quot; . . .</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;est plus installée (le serveur d&apos;impression indique&#xa0;: %2). Choisissez un autre périphérique avec «&#xa0;Choisir l&apos;imprimante&#xa0;» . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs%2. Choose another device, or try again when it is ready . . .</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;accepte pas de tâches%2. Choisissez un autre périphérique, ou réessayez quand elle sera prête . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; prints at most %2 copies of a page in one job, not %3 . . .</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» imprime au plus %2 exemplaires d&apos;une page par tâche, pas %3 . . .</translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; cannot be prepared in the folder &quot;%2&quot; (%3) . . .</source>
        <translation>La page pour l&apos;imprimante «&#xa0;%1&#xa0;» ne peut pas être préparée dans le dossier «&#xa0;%2&#xa0;» (%3) . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used . . .</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» ne peut pas être utilisée . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take %2 paper; the calendar is scaled to the paper it has.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas accepté le papier %2&#xa0;; le calendrier est mis à l&apos;échelle du papier dont elle dispose.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no %2 paper; the calendar is printed on %3, the nearest size it has, scaled to fit.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas de papier %2&#xa0;; le calendrier est imprimé sur %3, le format le plus proche dont elle dispose, mis à l&apos;échelle.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the page: %2. Nothing was printed . . .</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas accepté la page&#xa0;: %2. Rien n&apos;a été imprimé . . .</translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; could not be written in full to the folder &quot;%2&quot; (is the disk full?). Nothing was printed . . .</source>
        <translation>La page pour l&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pu être écrite entièrement dans le dossier «&#xa0;%2&#xa0;» (le disque est-il plein&#xa0;?). Rien n&apos;a été imprimé . . .</translation>
    </message>
    <message>
        <source>Device number %1 no longer exists. Open &quot;Select Printer&quot; again to see the devices now installed . . .</source>
        <translation>Le périphérique numéro %1 n&apos;existe plus. Ouvrez de nouveau «&#xa0;Choisir l&apos;imprimante&#xa0;» pour voir les périphériques installés maintenant . . .</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot; . . .</source>
        <translation>Il n&apos;y a pas d&apos;imprimante nommée «&#xa0;%1&#xa0;» . . .</translation>
    </message>
    <message>
        <source>No file name was given for the PDF file . . .</source>
        <translation>Aucun nom n&apos;a été donné pour le fichier PDF . . .</translation>
    </message>
    <message>
        <source>No printer was named and the print server has no default printer . . .</source>
        <translation>Aucune imprimante n&apos;a été indiquée et le serveur d&apos;impression n&apos;a pas d&apos;imprimante par défaut . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed. Choose another device with &quot;Select Printer&quot; . . .</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;est plus installée. Choisissez un autre périphérique avec «&#xa0;Choisir l&apos;imprimante&#xa0;» . . .</translation>
    </message>
    <message>
        <source>the print service library %1 could not be loaded (%2)</source>
        <translation>la bibliothèque du service d&apos;impression %1 n&apos;a pas pu être chargée (%2)</translation>
    </message>
    <message>
        <source>the print service library %1 lacks %2</source>
        <translation>il manque %2 à la bibliothèque du service d&apos;impression %1</translation>
    </message>
</context>
<context>
    <name>FetchCache</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Typeface</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Typeface</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>&apos;%1&apos; is not a year from %2 to %3</source>
        <translation>&apos;%1&apos; n&apos;est pas une année de %2 à %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a month (Jan .. Dec)</source>
        <translation>&apos;%1&apos; n&apos;est pas un mois (Jan .. Dec)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a weekday (Mon .. Sun)</source>
        <translation>&apos;%1&apos; n&apos;est pas un jour de la semaine (Mon .. Sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day of %2 (1 .. %3)</source>
        <translation>&apos;%1&apos; n&apos;est pas un jour du mois %2 (1 .. %3)</translation>
    </message>
    <message>
        <source>the offset %1%2 is more than %3 days</source>
        <translation>le décalage %1%2 dépasse %3 jours</translation>
    </message>
    <message>
        <source>a month has a 1st to a 5th weekday, not a %1th</source>
        <translation>un mois a un 1er à un 5e jour de la semaine, pas un %1e</translation>
    </message>
    <message>
        <source>&apos;between holidays&apos; takes no offset</source>
        <translation>&apos;between holidays&apos; ne prend pas de décalage</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date this file format knows: write e.g. &apos;Dec 25&apos;, &apos;2023 May 8&apos;, &apos;4th Thu of Nov&apos;, &apos;last Mon of May&apos;, &apos;Mon on or before May 24&apos;, &apos;Easter -2&apos;, &apos;Orthodox Easter +1&apos;, &apos;March equinox&apos; or &apos;between holidays&apos;</source>
        <translation>&apos;%1&apos; n&apos;est pas une date connue de ce format de fichier&#xa0;: écrivez par exemple &apos;Dec 25&apos;, &apos;2023 May 8&apos;, &apos;4th Thu of Nov&apos;, &apos;last Mon of May&apos;, &apos;Mon on or before May 24&apos;, &apos;Easter -2&apos;, &apos;Orthodox Easter +1&apos;, &apos;March equinox&apos; ou &apos;between holidays&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs region codes</source>
        <translation>&apos;%1&apos; demande des codes de région</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lists more than %2 regions</source>
        <translation>&apos;%1&apos; cite plus de %2 régions</translation>
    </message>
    <message>
        <source>&apos;as&apos; needs the name of the day off</source>
        <translation>&apos;as&apos; demande le nom du jour chômé</translation>
    </message>
    <message>
        <source>the name of the day off is longer than %1 characters</source>
        <translation>le nom du jour chômé dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the holiday has no name after &apos;=&apos;</source>
        <translation>le jour férié n&apos;a pas de nom après &apos;=&apos;</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>le nom dépasse %1 caractères</translation>
    </message>
    <message>
        <source>&apos;skip&apos; lists more than %1 years</source>
        <translation>&apos;skip&apos; cite plus de %1 années</translation>
    </message>
    <message>
        <source>&apos;%1&apos; belongs on a national line, above the first region line</source>
        <translation>&apos;%1&apos; doit figurer sur une ligne nationale, au-dessus de la première ligne de région</translation>
    </message>
    <message>
        <source>&apos;every %1 years&apos; needs a number of years from 1 to 100</source>
        <translation>&apos;every %1 years&apos; demande un nombre d&apos;années de 1 à 100</translation>
    </message>
    <message>
        <source>write &apos;%1 MONTH DAY is WEEKDAY&apos;, e.g. &apos;%1 Feb 1 is Fri&apos;</source>
        <translation>écrivez &apos;%1 MONTH DAY is WEEKDAY&apos;, par exemple &apos;%1 Feb 1 is Fri&apos;</translation>
    </message>
    <message>
        <source>a holiday takes one &apos;if&apos; or &apos;unless&apos;</source>
        <translation>un jour férié prend un seul &apos;if&apos; ou &apos;unless&apos;</translation>
    </message>
    <message>
        <source>&apos;every N years&apos; counts from a first year: add &apos;from YEAR&apos;</source>
        <translation>&apos;every N years&apos; compte à partir d&apos;une première année&#xa0;: ajoutez &apos;from YEAR&apos;</translation>
    </message>
    <message>
        <source>it is kept from %1 but only until %2</source>
        <translation>il est observé à partir de %1 mais seulement jusqu&apos;en %2</translation>
    </message>
    <message>
        <source>a day between holidays is never moved</source>
        <translation>un jour de pont n&apos;est jamais déplacé</translation>
    </message>
    <message>
        <source>%1: it is larger than 1 MiB, too large for a holiday file</source>
        <translation>%1&#xa0;: le fichier dépasse 1 Mio, trop grand pour un fichier de jours fériés</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>the file must begin with &apos;country CODE Name&apos;, e.g. &apos;country DE Germany&apos;</source>
        <translation>le fichier doit commencer par &apos;country CODE Name&apos;, par exemple &apos;country DE Germany&apos;</translation>
    </message>
    <message>
        <source>write &apos;country CODE Name&apos; with a two-letter code in capitals, e.g. &apos;country DE Germany&apos;</source>
        <translation>écrivez &apos;country CODE Name&apos; avec un code de deux lettres en majuscules, par exemple &apos;country DE Germany&apos;</translation>
    </message>
    <message>
        <source>a file describes one country; this is its second &apos;country&apos; line</source>
        <translation>un fichier décrit un seul pays&#xa0;; ceci est sa deuxième ligne &apos;country&apos;</translation>
    </message>
    <message>
        <source>write &apos;region %1-CODE Name&apos;, e.g. &apos;region %1-AB Region name&apos;, with the code of ISO 3166-2 in capitals</source>
        <translation>écrivez &apos;region %1-CODE Name&apos;, par exemple &apos;region %1-AB Nom de région&apos;, avec le code ISO 3166-2 en majuscules</translation>
    </message>
    <message>
        <source>the region %1 is defined twice</source>
        <translation>la région %1 est définie deux fois</translation>
    </message>
    <message>
        <source>a file may define at most %1 regions</source>
        <translation>un fichier peut définir au plus %1 régions</translation>
    </message>
    <message>
        <source>&apos;source&apos; needs the law or page the dates come from</source>
        <translation>&apos;source&apos; demande la loi ou la page d&apos;où viennent les dates</translation>
    </message>
    <message>
        <source>the suffix is longer than %1 characters</source>
        <translation>le suffixe dépasse %1 caractères</translation>
    </message>
    <message>
        <source>a file may hold at most %1 holidays</source>
        <translation>un fichier peut contenir au plus %1 jours fériés</translation>
    </message>
    <message>
        <source>the region %1 is not defined in this file</source>
        <translation>la région %1 n&apos;est pas définie dans ce fichier</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB, too large for a holiday file</source>
        <translation>il dépasse 1 Mio, trop grand pour un fichier de jours fériés</translation>
    </message>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>il contient des octets NUL, ce n&apos;est donc pas un fichier texte</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>Public holidays are known for the years %1 to %2 only, not %3.</source>
        <translation>Les jours fériés ne sont connus que pour les années %1 à %2, pas pour %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no region code: give a country as DE or a region as DE-BY.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un code de région&#xa0;: indiquez un pays comme DE ou une région comme DE-BY.</translation>
    </message>
    <message>
        <source>No public holidays are known for %1: there is no file %2.txt in %3.</source>
        <translation>Aucun jour férié n&apos;est connu pour %1&#xa0;: il n&apos;y a pas de fichier %2.txt dans %3.</translation>
    </message>
    <message>
        <source>(no folder)</source>
        <translation>(aucun dossier)</translation>
    </message>
    <message>
        <source>%1 defines no region %2: see its region lines for the codes.</source>
        <translation>%1 ne définit pas de région %2&#xa0;: voyez ses lignes region pour les codes.</translation>
    </message>
    <message>
        <source>using your own holiday list %1</source>
        <translation>votre propre liste de jours fériés %1 est utilisée</translation>
    </message>
    <message>
        <source>using your own holiday list %1 instead of %2</source>
        <translation>votre propre liste de jours fériés %1 est utilisée au lieu de %2</translation>
    </message>
    <message>
        <source>&apos;moved&apos; on a day reckoned from Easter would move it every year or never: change its offset instead</source>
        <translation>«&#xa0;moved&#xa0;» sur un jour compté depuis Pâques le déplacerait chaque année ou jamais&#xa0;: changez plutôt son décalage</translation>
    </message>
    <message>
        <source>&apos;moved&apos; would never move the day: in no year it is kept does it fall within those days of Easter</source>
        <translation>«&#xa0;moved&#xa0;» ne déplacerait jamais le jour&#xa0;: aucune année où il est chômé ne le place dans ces jours autour de Pâques</translation>
    </message>
    <message>
        <source>&apos;skip %1&apos; names a year the holiday is not kept in anyway</source>
        <translation>«&#xa0;skip %1&#xa0;» nomme une année où le jour férié n’est de toute façon pas chômé</translation>
    </message>
    <message>
        <source>the holiday would never be listed: no year its date and clauses allow has such a day</source>
        <translation>le jour férié ne serait jamais listé&#xa0;: aucune année permise par sa date et ses clauses n’a un tel jour</translation>
    </message>
    <message>
        <source>&apos;observed ... from %1&apos; would never move a day: the holiday is kept until %2 only</source>
        <translation>«&#xa0;observed ... from %1&#xa0;» ne déplacerait jamais un jour&#xa0;: le jour férié n’est chômé que jusqu’en %2</translation>
    </message>
    <message>
        <source>&apos;observed&apos; would never move a day: the holiday always falls on a %1</source>
        <translation>«&#xa0;observed&#xa0;» ne déplacerait jamais un jour&#xa0;: le jour férié tombe toujours un %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in &apos;%2&apos; is not a number of days from -%3 to +%3</source>
        <translation>«&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;» n’est pas un nombre de jours de -%3 à +%3</translation>
    </message>
    <message>
        <source>write &apos;moved DAYS if Easter OFFSET [.. OFFSET]&apos;, e.g. &apos;moved +7 if Easter -7 .. -1&apos;, not &apos;%1&apos;</source>
        <translation>écrivez «&#xa0;moved JOURS if Easter DÉCALAGE [.. DÉCALAGE]&#xa0;», par exemple «&#xa0;moved +7 if Easter -7 .. -1&#xa0;», pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; moves the day by no days</source>
        <translation>«&#xa0;%1&#xa0;» ne déplace le jour d’aucun jour</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no day: its first offset comes after its last</source>
        <translation>«&#xa0;%1&#xa0;» ne nomme aucun jour&#xa0;: son premier décalage vient après le dernier</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice on this line: give it once</source>
        <translation>«&#xa0;%1&#xa0;» figure deux fois sur cette ligne&#xa0;: indiquez-le une seule fois</translation>
    </message>
    <message>
        <source>write &apos;%1 YEAR&apos;, e.g. &apos;%1 2021&apos;, not &apos;%2&apos;</source>
        <translation>écrivez «&#xa0;%1 ANNÉE&#xa0;», par exemple «&#xa0;%1 2021&#xa0;», pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>&apos;skip&apos; needs the years the holiday is not kept in, e.g. &apos;skip 2002 2012&apos;</source>
        <translation>«&#xa0;skip&#xa0;» attend les années où le jour férié n’est pas chômé, par exemple «&#xa0;skip 2002 2012&#xa0;»</translation>
    </message>
    <message>
        <source>give &apos;in&apos; or &apos;not in&apos;, not both: list the regions it is kept in, or those it is not</source>
        <translation>indiquez «&#xa0;in&#xa0;» ou «&#xa0;not in&#xa0;», pas les deux&#xa0;: listez les régions où il est chômé, ou celles où il ne l’est pas</translation>
    </message>
    <message>
        <source>write &apos;every N years&apos;, e.g. &apos;every 6 years&apos;, not &apos;%1&apos;</source>
        <translation>écrivez «&#xa0;every N years&#xa0;», par exemple «&#xa0;every 6 years&#xa0;», pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no holiday below uses this observed-suffix: it names the days off of &apos;observed&apos; clauses without &apos;as&apos;</source>
        <translation>aucun jour férié ci-dessous n’utilise cet observed-suffix&#xa0;: il nomme les jours de congé des clauses «&#xa0;observed&#xa0;» sans «&#xa0;as&#xa0;»</translation>
    </message>
    <message>
        <source>the file is named %1.txt but defines the country %2: a country&apos;s file is named by its code, %2.txt</source>
        <translation>le fichier s’appelle %1.txt mais définit le pays %2&#xa0;: le fichier d’un pays porte son code, %2.txt</translation>
    </message>
    <message>
        <source>the file ends before its &apos;country CODE Name&apos; line, e.g. &apos;country DE Germany&apos;</source>
        <translation>le fichier se termine avant sa ligne «&#xa0;country CODE Nom&#xa0;», par exemple «&#xa0;country DE Germany&#xa0;»</translation>
    </message>
    <message>
        <source>the country names no source: add a line &apos;source ...&apos; below it naming the law or page the dates come from</source>
        <translation>le pays ne nomme aucune source&#xa0;: ajoutez en dessous une ligne «&#xa0;source ...&#xa0;» nommant la loi ou la page d’où viennent les dates</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, which does not exist</source>
        <translation>c’est un lien symbolique vers %1, qui n’existe pas</translation>
    </message>
    <message>
        <source>it leads through too many symbolic links</source>
        <translation>il passe par trop de liens symboliques</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no month %2 (1 .. %3)</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas de mois %2 (1 .. %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no day %2 in a month (1 .. 30)</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas de jour %2 dans un mois (1 .. 30)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date of another calendar this file format knows: write e.g. &apos;Islamic umalqura 10-01&apos;, &apos;Islamic civil 12-10&apos;, &apos;Hebrew 07-01&apos;, &apos;Chinese 01-01&apos; or &apos;Korean 08-15&apos;</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date d’un autre calendrier que ce format connaît&#xa0;: écrivez par exemple &apos;Islamic umalqura 10-01&apos;, &apos;Islamic civil 12-10&apos;, &apos;Hebrew 07-01&apos;, &apos;Chinese 01-01&apos; ou &apos;Korean 08-15&apos;</translation>
    </message>
    <message>
        <source>&apos;announced&apos; is for days of the Islamic, Hebrew, Chinese or Korean calendar, whose date a government may set; write a one-off line for another day</source>
        <translation>&apos;announced&apos; vaut pour les jours du calendrier islamique, hébreu, chinois ou coréen, dont un gouvernement peut fixer la date&#xa0;; pour un autre jour, écrivez une ligne ponctuelle</translation>
    </message>
    <message>
        <source>&apos;announced&apos; lists more than %1 dates</source>
        <translation>&apos;announced&apos; donne plus de %1 dates</translation>
    </message>
    <message>
        <source>write &apos;announced YEAR MONTH DAY, ...&apos;, e.g. &apos;announced 2025 Mar 30, 2026 Mar 20&apos;, not &apos;%1&apos;</source>
        <translation>écrivez &apos;announced ANNÉE MOIS JOUR, ...&apos;, par exemple &apos;announced 2025 Mar 30, 2026 Mar 20&apos;, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the announced %1 is more than %2 days from the day the calendar gives: give the date of the calendar&apos;s day itself, before the line&apos;s offset</source>
        <translation>la date annoncée %1 est à plus de %2 jours du jour que donne le calendrier&#xa0;: donnez la date du jour du calendrier lui-même, avant le décalage de la ligne</translation>
    </message>
    <message>
        <source>the announced %1 is given twice</source>
        <translation>la date annoncée %1 est donnée deux fois</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a directive (country, language, region, source, observed-suffix, names) nor a holiday (DATE = NAME)</source>
        <translation>&apos;%1&apos; n&apos;est ni une directive (country, language, region, source, observed-suffix, names) ni un jour férié (DATE = NOM)</translation>
    </message>
    <message>
        <source>&apos;moved&apos; is for days of the Gregorian calendar; give a day of another calendar its announced date instead</source>
        <translation>&apos;moved&apos; vaut pour les jours du calendrier grégorien&#xa0;; donnez plutôt à un jour d’un autre calendrier sa date annoncée</translation>
    </message>
    <message>
        <source>the &apos;names&apos; blocks end the file: move this line above the first of them, line %1</source>
        <translation>les blocs &apos;names&apos; terminent le fichier&#xa0;: déplacez cette ligne au-dessus du premier d&apos;entre eux, ligne %1</translation>
    </message>
    <message>
        <source>write &apos;English name = name in %1&apos;, e.g. &quot;New Year&apos;s Day = Neujahr&quot;</source>
        <translation>écrivez &apos;nom anglais = nom en %1&apos;, par ex. &quot;New Year&apos;s Day = Neujahr&quot;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is translated into &apos;%2&apos; twice</source>
        <translation>&apos;%1&apos; est traduit deux fois en &apos;%2&apos;</translation>
    </message>
    <message>
        <source>a file names its languages once; this is its second &apos;language&apos; line</source>
        <translation>un fichier nomme ses langues une seule fois&#xa0;; ceci est sa deuxième ligne &apos;language&apos;</translation>
    </message>
    <message>
        <source>the &apos;language&apos; line belongs right below the country line</source>
        <translation>la ligne &apos;language&apos; se place juste sous la ligne country</translation>
    </message>
    <message>
        <source>write &apos;language CODE...&apos; with the country&apos;s own languages, the main one first, as ISO 639-1 codes, e.g. &apos;language de&apos;</source>
        <translation>écrivez &apos;language CODE...&apos; avec les langues propres du pays, la principale d&apos;abord, en codes ISO 639-1, par ex. &apos;language de&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no ISO 639-1 language code: two small letters, e.g. de</source>
        <translation>&apos;%1&apos; n&apos;est pas un code de langue ISO 639-1&#xa0;: deux lettres minuscules, par ex. de</translation>
    </message>
    <message>
        <source>the language %1 is named twice</source>
        <translation>la langue %1 est nommée deux fois</translation>
    </message>
    <message>
        <source>write &apos;names CODE&apos; with an ISO 639-1 language code of two small letters, e.g. &apos;names de&apos;, not &apos;%1&apos;</source>
        <translation>écrivez &apos;names CODE&apos; avec un code de langue ISO 639-1 de deux lettres minuscules, par ex. &apos;names de&apos;, et non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no name of a holiday, a region or the country in this file: the left side is the English name as written above</source>
        <translation>&apos;%1&apos; n&apos;est le nom d&apos;aucun jour férié, d&apos;aucune région ni du pays dans ce fichier&#xa0;: à gauche se trouve le nom anglais tel qu&apos;il est écrit plus haut</translation>
    </message>
    <message>
        <source>%1: %2 are known to %3 only; %4 shows the days the law fixes</source>
        <translation>%1&#xa0;: %2 ne sont connus que jusqu&apos;en %3&#xa0;; %4 montre les jours fixés par la loi</translation>
    </message>
    <message>
        <source>%1, %2: the day off &apos;%3&apos; finds no free day in the month after its holiday</source>
        <translation>%1, %2&#xa0;: le jour chômé «&#xa0;%3&#xa0;» ne trouve aucun jour libre dans le mois qui suit son jour férié</translation>
    </message>
    <message>
        <source>%1, %2: the day off &apos;%3&apos; falls on the same day as &apos;%4&apos;</source>
        <translation>%1, %2&#xa0;: le jour chômé «&#xa0;%3&#xa0;» tombe le même jour que «&#xa0;%4&#xa0;»</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no way to move a day off (nearest, next-working-day, monday, sunday-to-monday, sunday-to-next-free-day, sunday-to-next-working-day)</source>
        <translation>&apos;%1&apos; n&apos;est pas une façon de déplacer un jour chômé (nearest, next-working-day, monday, sunday-to-monday, sunday-to-next-free-day, sunday-to-next-working-day)</translation>
    </message>
    <message>
        <source>write &apos;observed WAY [or-on-holiday] [from YEAR] [as NAME]&apos;, not &apos;%1&apos;</source>
        <translation>écrivez &apos;observed WAY [or-on-holiday] [from YEAR] [as NAME]&apos;, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;or-on-holiday&apos; needs a way that looks for the next free day (next-working-day, sunday-to-next-working-day, sunday-to-next-free-day), not &apos;%1&apos;</source>
        <translation>&apos;or-on-holiday&apos; demande une façon qui cherche le prochain jour libre (next-working-day, sunday-to-next-working-day, sunday-to-next-free-day), pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no clause this file format knows (from YEAR, until YEAR, skip YEAR..., every N years, in REGION..., not in REGION..., if/unless MONTH DAY is WEEKDAY, observed WAY [or-on-holiday] [from YEAR] [as NAME], moved DAYS if Easter OFFSET [.. OFFSET])</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une clause de ce format de fichier (from ANNÉE, until ANNÉE, skip ANNÉE..., every N years, in RÉGION..., not in RÉGION..., if/unless MOIS JOUR is JOUR_DE_SEMAINE, observed MANIÈRE [or-on-holiday] [from ANNÉE] [as NOM], moved JOURS if Easter DÉCALAGE [.. DÉCALAGE])</translation>
    </message>
    <message>
        <source>write &apos;announced-until YEAR TEXT&apos;, e.g. &apos;announced-until 2026 the days the government sets each year by decree&apos;</source>
        <translation>écrivez &apos;announced-until YEAR TEXT&apos;, p. ex. &apos;announced-until 2026 the days the government sets each year by decree&apos;</translation>
    </message>
    <message>
        <source>a file says once up to which year its decreed days are listed; this is its second &apos;announced-until&apos; line</source>
        <translation>un fichier dit une seule fois jusqu&apos;à quelle année ses jours décrétés sont listés&#xa0;; ceci est sa deuxième ligne &apos;announced-until&apos;</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the ISO 639-1 code of the language of this translation</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>%1: %2 are not listed; %3 shows the days the law fixes</source>
        <translation>%1&#xa0;: %2 ne sont pas listés&#xa0;; %3 montre les jours fixés par la loi</translation>
    </message>
    <message>
        <source>write &apos;not-listed TEXT&apos;, e.g. &apos;not-listed the bridge days the ministry sets each year&apos;</source>
        <translation>écrivez &apos;not-listed TEXT&apos;, p. ex. &apos;not-listed the bridge days the ministry sets each year&apos;</translation>
    </message>
    <message>
        <source>a file says once which days it leaves out; this is its second &apos;not-listed&apos; line</source>
        <translation>un fichier dit une seule fois quels jours il omet&#xa0;; ceci est sa deuxième ligne &apos;not-listed&apos;</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>libical cannot read the %1 value %2</source>
        <translation>libical ne peut pas lire la valeur %2 de %1</translation>
    </message>
    <message>
        <source>the %1 %2 is not a date of the years 1 to 9999</source>
        <translation>%1 %2 n&apos;est pas une date des années 1 à 9999</translation>
    </message>
    <message>
        <source>its events fall on more than %L1 days in all</source>
        <translation>ses événements tombent sur plus de %L1 jours au total</translation>
    </message>
    <message>
        <source>%1: the year %2 is outside 1 to 9999</source>
        <translation>%1&#xa0;: l&apos;année %2 n&apos;est pas comprise entre 1 et 9999</translation>
    </message>
    <message>
        <source>%1: it is larger than %2 MiB, too large for an iCalendar file</source>
        <translation>%1&#xa0;: le fichier dépasse %2 Mio, trop grand pour un fichier iCalendar</translation>
    </message>
    <message>
        <source>%1: it holds NUL bytes, so it is not an iCalendar file</source>
        <translation>%1&#xa0;: le fichier contient des octets NUL, ce n&apos;est donc pas un fichier iCalendar</translation>
    </message>
    <message>
        <source>%1: libical cannot read its time zones</source>
        <translation>%1&#xa0;: libical ne peut pas lire ses fuseaux horaires</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, pipe or socket)</source>
        <translation>ce n&apos;est pas un fichier ordinaire (mais un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, too large for an iCalendar file</source>
        <translation>il dépasse %1 Mio, trop grand pour un fichier iCalendar</translation>
    </message>
    <message>
        <source>it does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file</source>
        <translation>il ne commence pas par BEGIN:VCALENDAR, ce n&apos;est donc pas un fichier iCalendar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an iCalendar property (NAME:value)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une propriété iCalendar (NOM:valeur)</translation>
    </message>
    <message>
        <source>a CR without LF is inside the line (only CR LF or LF end a line)</source>
        <translation>la ligne contient un CR sans LF (seuls CR LF ou LF terminent une ligne)</translation>
    </message>
    <message>
        <source>the property %1 has no &apos;:&apos; before its value</source>
        <translation>la propriété %1 n&apos;a pas de &apos;:&apos; avant sa valeur</translation>
    </message>
    <message>
        <source>%1 follows END:VCALENDAR</source>
        <translation>%1 suit END:VCALENDAR</translation>
    </message>
    <message>
        <source>BEGIN names no component</source>
        <translation>BEGIN ne nomme aucun composant</translation>
    </message>
    <message>
        <source>components are nested more than %1 deep</source>
        <translation>les composants sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>END:%1 does not close BEGIN:%2 of line %3</source>
        <translation>END:%1 ne ferme pas le BEGIN:%2 de la ligne %3</translation>
    </message>
    <message>
        <source>it holds no BEGIN:VCALENDAR, so it is not an iCalendar file</source>
        <translation>il ne contient pas de BEGIN:VCALENDAR, ce n&apos;est donc pas un fichier iCalendar</translation>
    </message>
    <message>
        <source>it is cut short: BEGIN:%1 of line %2 has no END:%1</source>
        <translation>il est tronqué&#xa0;: le BEGIN:%1 de la ligne %2 n&apos;a pas de END:%1</translation>
    </message>
    <message>
        <source>%1; the event is left out</source>
        <translation>%1&#xa0;; l’événement est laissé de côté</translation>
    </message>
    <message>
        <source>there is no DTSTART</source>
        <translation>il n’y a pas de DTSTART</translation>
    </message>
    <message>
        <source>%1; the event is marked as if it had no end</source>
        <translation>%1&#xa0;; l’événement est marqué comme s’il n’avait pas de fin</translation>
    </message>
    <message>
        <source>it leads through too many symbolic links</source>
        <translation>il passe par trop de liens symboliques</translation>
    </message>
    <message>
        <source>its recurring events take more than %L1 steps to work out</source>
        <translation>ses événements récurrents demandent plus de %L1 étapes de calcul</translation>
    </message>
    <message>
        <source>%1; this date is not left out of the event</source>
        <translation>%1&#xa0;; cette date n’est pas retirée de l’événement</translation>
    </message>
    <message>
        <source>the event repeats too often to be worked out within %L1 steps; it is left out</source>
        <translation>l’événement se répète trop souvent pour être calculé en %L1 étapes&#xa0;; il est laissé de côté</translation>
    </message>
    <message>
        <source>%1; this date is left out</source>
        <translation>%1&#xa0;; cette date est laissée de côté</translation>
    </message>
    <message>
        <source>libical cannot read the RRULE value %1; the event is marked without this rule</source>
        <translation>libical ne peut pas lire la valeur RRULE %1&#xa0;; l’événement est marqué sans cette règle</translation>
    </message>
    <message>
        <source>the UNTIL %1 of the RRULE is not a date of the years 1 to 9999; the event is marked without this rule</source>
        <translation>le UNTIL %1 de la RRULE n’est pas une date des années 1 à 9999&#xa0;; l’événement est marqué sans cette règle</translation>
    </message>
    <message>
        <source>an RRULE that repeats within a day cannot have %1 here; the event is marked without this rule</source>
        <translation>une RRULE qui se répète dans la journée ne peut pas avoir %1 ici&#xa0;; l’événement est marqué sans cette règle</translation>
    </message>
    <message>
        <source>the RRULE %1 holds a value out of range; the event is marked without this rule</source>
        <translation>la RRULE %1 contient une valeur hors limites&#xa0;; l’événement est marqué sans cette règle</translation>
    </message>
    <message>
        <source>libical cannot expand this RRULE; the event is marked without it</source>
        <translation>libical ne peut pas développer cette RRULE&#xa0;; l’événement est marqué sans elle</translation>
    </message>
    <message>
        <source>%1: further problems not listed: %L2</source>
        <translation>%1&#xa0;: autres problèmes non listés&#xa0;: %L2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an iCalendar property (NAME:value); the line is left out</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une propriété iCalendar (NOM:valeur)&#xa0;; la ligne est laissée de côté</translation>
    </message>
    <message>
        <source>the property %1 has no &apos;:&apos; before its value; the line is left out</source>
        <translation>la propriété %1 n’a pas de «&#xa0;:&#xa0;» avant sa valeur&#xa0;; la ligne est laissée de côté</translation>
    </message>
    <message>
        <source>a time zone has more than %L1 STANDARD and DAYLIGHT parts</source>
        <translation>un fuseau horaire a plus de %L1 parties STANDARD et DAYLIGHT</translation>
    </message>
    <message>
        <source>its time zones have more than %L1 STANDARD and DAYLIGHT parts in all</source>
        <translation>ses fuseaux horaires ont plus de %L1 parties STANDARD et DAYLIGHT en tout</translation>
    </message>
    <message>
        <source>its time zones change their offset more than %L1 times up to the year %2</source>
        <translation>ses fuseaux horaires changent de décalage plus de %L1 fois jusqu’en %2</translation>
    </message>
    <message>
        <source>the %1 part of a time zone repeats without FREQ; only yearly repeats are read for time zones</source>
        <translation>la partie %1 d’un fuseau horaire se répète sans FREQ&#xa0;; seules les répétitions annuelles sont lues pour les fuseaux</translation>
    </message>
    <message>
        <source>the %1 part of a time zone repeats FREQ=%2; only yearly repeats are read for time zones</source>
        <translation>la partie %1 d’un fuseau horaire se répète avec FREQ=%2&#xa0;; seules les répétitions annuelles sont lues pour les fuseaux</translation>
    </message>
</context>
<context>
    <name>IcsExport</name>
    <message>
        <source>The iCalendar file &quot;%1&quot; cannot be written (%2) . . .</source>
        <translation>Le fichier iCalendar «&#xa0;%1&#xa0;» ne peut pas être écrit (%2) . . .</translation>
    </message>
</context>
<context>
    <name>IcsReader</name>
    <message>
        <source>%1: calendars on the network cannot be read here</source>
        <translation>%1&#xa0;: les calendriers du réseau ne peuvent pas être lus ici</translation>
    </message>
</context>
<context>
    <name>Keychain</name>
    <message>
        <source>the secret store</source>
        <translation>le trousseau</translation>
    </message>
</context>
<context>
    <name>MarkColour</name>
    <message>
        <source>Mark category %1 is outside 0 to 4</source>
        <translation>La catégorie de marque %1 n&apos;est pas comprise entre 0 et 4</translation>
    </message>
</context>
<context>
    <name>MarkExport</name>
    <message>
        <source>The marked days cannot be exported: %1 . . .</source>
        <translation>Les jours marqués ne peuvent pas être exportés&#xa0;: %1 . . .</translation>
    </message>
    <message>
        <source>an iCalendar file holds the years 1 to %1, not %2</source>
        <translation>un fichier iCalendar contient les années 1 à %1, pas %2</translation>
    </message>
</context>
<context>
    <name>MarkRules</name>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and month</comment>
        <extracomment>A day of the month and a short month name: &quot;8 Jan&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 of every month</source>
        <extracomment>An ordinal (&quot;2nd&quot;) and a weekday: &quot;2nd Tuesday of every month&quot;</extracomment>
        <translation>Le %1 %2 de chaque mois</translation>
    </message>
    <message>
        <source>Last %1 of every month</source>
        <translation>Le dernier %1 de chaque mois</translation>
    </message>
    <message>
        <source>Every week from %1</source>
        <translation>Chaque semaine à partir du %1</translation>
    </message>
    <message>
        <source>Every %1 weeks from %2</source>
        <translation>Toutes les %1 semaines à partir du %2</translation>
    </message>
    <message>
        <source>%1 every year</source>
        <translation>%1, chaque année</translation>
    </message>
    <message>
        <source>%1 dates</source>
        <translation>%1 dates</translation>
    </message>
    <message>
        <source>Public holidays of %1</source>
        <translation>Jours fériés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Events of %1</source>
        <translation>Événements de %1</translation>
    </message>
    <message>
        <source>it marks no day in %1</source>
        <translation>elle ne marque aucun jour en %1</translation>
    </message>
    <message>
        <source>it marks no day in %1: %2</source>
        <translation>elle ne marque aucun jour en %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it marks nothing: only five colours fit the legend</source>
        <translation>elle ne marque rien&#xa0;: la légende ne contient que cinq couleurs</translation>
    </message>
    <message>
        <source>it marks nothing: %1</source>
        <translation>elle ne marque rien&#xa0;: %1</translation>
    </message>
    <message>
        <source>Every week since %1</source>
        <translation>Chaque semaine depuis le %1</translation>
    </message>
    <message>
        <source>Every %1 weeks since %2</source>
        <translation>Toutes les %1 semaines depuis le %2</translation>
    </message>
</context>
<context>
    <name>MarkedDaysGroup</name>
    <message>
        <source>only five colours fit the legend</source>
        <translation>la légende ne contient que cinq couleurs</translation>
    </message>
    <message>
        <source>no day in %1</source>
        <translation>aucun jour en %1</translation>
    </message>
    <message>
        <source>&amp;Marked Days</source>
        <translation>&amp;Jours marqués</translation>
    </message>
    <message>
        <source>Marked Days</source>
        <translation>Jours marqués</translation>
    </message>
    <message>
        <source>&amp;Add Rule...</source>
        <translation>Ajou&amp;ter une règle...</translation>
    </message>
    <message>
        <source>&amp;Edit Rule...</source>
        <translation>&amp;Modifier la règle...</translation>
    </message>
    <message>
        <source>&amp;Remove Rule</source>
        <translation>Su&amp;pprimer la règle</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Mo&amp;nter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Marks nothing: %1</source>
        <translation>Ne marque rien&#xa0;: %1</translation>
    </message>
    <message>
        <source>Marks less than it should:</source>
        <translation>Marque moins qu’elle ne devrait&#xa0;:</translation>
    </message>
    <message>
        <source> (%1, and more)</source>
        <translation> (%1, et d’autres)</translation>
    </message>
</context>
<context>
    <name>NetworkFetcher</name>
    <message>
        <source>LUNARIA_CA_FILE names %1, which holds no PEM certificate that can be read</source>
        <translation>LUNARIA_CA_FILE désigne %1, qui ne contient aucun certificat PEM lisible</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MiB, too large for an iCalendar file</source>
        <translation>la réponse dépasse %1 Mio, trop pour un fichier iCalendar</translation>
    </message>
    <message>
        <source>the whole answer did not come within %1 s (%L2 bytes came)</source>
        <translation>la réponse n’est pas arrivée en entier en %1 s (%L2 octets reçus)</translation>
    </message>
    <message>
        <source>the server refused the user name and password from %1 (401)</source>
        <translation>le serveur a refusé le nom d’utilisateur et le mot de passe de %1 (401)</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>le serveur a répondu %1 %2</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted: %1. For a server with a certificate of its own, name a file holding it in LUNARIA_CA_FILE</source>
        <translation>le certificat du serveur n’est pas de confiance&#xa0;: %1. Pour un serveur à certificat propre, indiquez un fichier qui le contient dans LUNARIA_CA_FILE</translation>
    </message>
    <message>
        <source>the server redirected more than %1 times</source>
        <translation>le serveur a redirigé plus de %1 fois</translation>
    </message>
    <message>
        <source>the server redirected to an http:// address; an https:// address is only redirected to another https:// one</source>
        <translation>le serveur a redirigé vers une adresse http://&#xa0;; une adresse https:// n’est redirigée que vers une autre adresse https://</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>aucune réponse depuis %1 s</translation>
    </message>
    <message>
        <source>the server closed the connection after %L1 bytes, before the whole answer came</source>
        <translation>le serveur a fermé la connexion après %L1 octets, avant la fin de la réponse</translation>
    </message>
    <message>
        <source>server unreachable: %1</source>
        <translation>serveur injoignable&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: the copy from %2 is used; %3</source>
        <translation>%1&#xa0;: la copie du %2 est utilisée&#xa0;; %3</translation>
    </message>
    <message>
        <source>%1: the copy could not be kept for use without network: %2</source>
        <translation>%1&#xa0;: la copie pour l’usage hors réseau n’a pas pu être gardée&#xa0;: %2</translation>
    </message>
    <message>
        <source>no type</source>
        <translation>aucun type</translation>
    </message>
    <message>
        <source>the answer is not an iCalendar file (%1; it begins &quot;%2&quot;)</source>
        <translation>la réponse n’est pas un fichier iCalendar (%1&#xa0;; elle commence par «&#xa0;%2&#xa0;»)</translation>
    </message>
    <message>
        <source>the server&apos;s answer cannot be read: %1</source>
        <translation>la réponse du serveur est illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>this is not a CalDAV calendar collection</source>
        <translation>ce n’est pas une collection de calendrier CalDAV</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries of the collection hold no VCALENDAR and were left out</source>
        <translation>
            <numerusform>%1&#xa0;: %n entrées de la collection ne contiennent aucun VCALENDAR et ont été omises</numerusform>
            <numerusform>%1&#xa0;: %n entrées de la collection ne contiennent aucun VCALENDAR et ont été omises</numerusform>
        </translation>
    </message>
    <message>
        <source>the server asks for a user name and password, and none were found for %1 in %2 (401)</source>
        <translation>le serveur demande un nom d’utilisateur et un mot de passe, et aucun n’a été trouvé pour %1 dans %2 (401)</translation>
    </message>
    <message>
        <source>~/.netrc or LUNARIA_CALENDAR_PASSWORD</source>
        <translation>~/.netrc ou LUNARIA_CALENDAR_PASSWORD</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>%1 is a file this calendar reads (%2), and writing to it would replace it. Nothing was written; choose another name . . .</source>
        <translation>%1 est un fichier que ce calendrier lit (%2), et y écrire le remplacerait. Rien n’a été écrit&#xa0;; choisissez un autre nom . . .</translation>
    </message>
</context>
<context>
    <name>PageSettingsGroup</name>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>As the desktop has it</source>
        <translation>Comme sur le bureau</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Selon la langue</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>La &amp;semaine commence le</translation>
    </message>
    <message>
        <source>Week &amp;numbers</source>
        <translation>Numéros de s&amp;emaine</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Numéros de semaine</translation>
    </message>
    <message>
        <source>As the printer has it</source>
        <translation>Comme sur l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>Pap&amp;ier</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classiques</translation>
    </message>
    <message>
        <source>Colour-blind safe</source>
        <translation>Adaptées aux daltoniens</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motifs</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>F&amp;irst month</source>
        <extracomment>The month the page starts with: August for a school year August to July.</extracomment>
        <translation>P&amp;remier mois</translation>
    </message>
    <message>
        <source>M&amp;oon phases</source>
        <translation>P&amp;hases de la lune</translation>
    </message>
    <message>
        <source>Moon phases</source>
        <translation>Phases de la lune</translation>
    </message>
</context>
<context>
    <name>PageSurface</name>
    <message>
        <source>The page for &quot;%1&quot; has already been sent</source>
        <translation>La page pour «&#xa0;%1&#xa0;» a déjà été envoyée</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot print (is it installed and ready?)</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» ne peut pas imprimer (est-elle installée et prête&#xa0;?)</translation>
    </message>
    <message>
        <source>Cannot draw on &quot;%1&quot;: the device is not usable</source>
        <translation>Impossible de dessiner sur «&#xa0;%1&#xa0;»&#xa0;: le périphérique n&apos;est pas utilisable</translation>
    </message>
    <message>
        <source>The number of copies must be at least 1, not %1</source>
        <translation>Le nombre d&apos;exemplaires doit être d&apos;au moins 1, pas %1</translation>
    </message>
    <message>
        <source>The number of copies for &quot;%1&quot; can no longer be changed</source>
        <translation>Le nombre d&apos;exemplaires pour «&#xa0;%1&#xa0;» ne peut plus être modifié</translation>
    </message>
    <message>
        <source>The page could not be sent to &quot;%1&quot;</source>
        <translation>La page n&apos;a pas pu être envoyée à «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>The metafile has more than %1 records.</source>
        <translation>Le métafichier a plus de %1 enregistrements.</translation>
    </message>
    <message>
        <source>The metafile is cut short or has a damaged record.</source>
        <translation>Le métafichier est tronqué ou contient un enregistrement endommagé.</translation>
    </message>
    <message>
        <source>The metafile draws nothing.</source>
        <translation>Le métafichier ne dessine rien.</translation>
    </message>
    <message>
        <source>The metafile has no size.</source>
        <translation>Le métafichier n&apos;a pas de taille.</translation>
    </message>
    <message>
        <source>Select a .gif, .bmp, .wmf OR .jpg file.
Try again . . .</source>
        <translation>Choisissez un fichier .gif, .bmp, .wmf OU .jpg.
Réessayez . . .</translation>
    </message>
    <message>
        <source>The picture has more than %1 megapixels.</source>
        <translation>L&apos;image a plus de %1 mégapixels.</translation>
    </message>
    <message>
        <source>The picture file is damaged or incomplete.</source>
        <translation>Le fichier image est endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>The picture has no size.</source>
        <translation>L&apos;image n&apos;a pas de taille.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, too large for a picture.</source>
        <translation>%1 dépasse %2 Mio, trop grand pour une image.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is not enough memory for the picture.</source>
        <translation>Il n&apos;y a pas assez de mémoire pour l&apos;image.</translation>
    </message>
    <message>
        <source>The file is not a bmp, gif, jpg or wmf picture.</source>
        <translation>Le fichier n&apos;est pas une image bmp, gif, jpg ou wmf.</translation>
    </message>
    <message>
        <source>%1 records, %2 points, %3 megapixels of bitmaps, %4 characters of text</source>
        <translation>%1 enregistrements, %2 points, %3 mégapixels de bitmaps, %4 caractères de texte</translation>
    </message>
    <message>
        <source>The metafile&apos;s pattern brushes need more than %1 MB of memory (at most %2 MB are allowed).</source>
        <translation>Les brosses à motif du métafichier demandent plus de %1 Mo de mémoire (%2 Mo au plus sont permis).</translation>
    </message>
    <message>
        <source>The metafile would take too long to draw: more than %1 s of work (%2; at most %3 s are allowed).</source>
        <translation>Le métafichier serait trop long à dessiner&#xa0;: plus de %1 s de travail (%2&#xa0;; %3 s au plus sont permises).</translation>
    </message>
    <message>
        <source>The metafile&apos;s placeable header is cut short.</source>
        <translation>L&apos;en-tête plaçable du métafichier est tronqué.</translation>
    </message>
    <message>
        <source>The metafile states 0 units per inch.</source>
        <translation>Le métafichier indique 0 unité par pouce.</translation>
    </message>
    <message>
        <source>The file has no metafile header.</source>
        <translation>Le fichier n&apos;a pas d&apos;en-tête de métafichier.</translation>
    </message>
    <message>
        <source>%1 leads through too many symbolic links.</source>
        <translation>%1 passe par trop de liens symboliques.</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>There is not enough memory for the page image . . .</source>
        <translation>Il n&apos;y a pas assez de mémoire pour l&apos;image de la page . . .</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Page preview</source>
        <translation>Aperçu de la page</translation>
    </message>
    <message>
        <source>Click a day to mark it</source>
        <translation>Cliquez sur un jour pour le marquer</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>une erreur inattendue</translation>
    </message>
    <message>
        <source>The page cannot be drawn:
%1</source>
        <translation>La page ne peut pas être dessinée&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>The number of copies must be at least 1 . . .</source>
        <translation>Le nombre d&apos;exemplaires doit être d&apos;au moins 1 . . .</translation>
    </message>
    <message>
        <source>The number of copies %1 is outside 1 to 32767 . . .</source>
        <translation>Le nombre d&apos;exemplaires %1 n&apos;est pas compris entre 1 et 32767 . . .</translation>
    </message>
</context>
<context>
    <name>RuleDays</name>
    <message>
        <source>an interval of %1 weeks marks nothing</source>
        <translation>un intervalle de %1 semaines ne marque rien</translation>
    </message>
    <message>
        <source>the series starts in %1 and marks days of that year only</source>
        <translation>la série commence en %1 et ne marque que des jours de cette année-là</translation>
    </message>
    <message>
        <source> and %L1 more</source>
        <translation> et %L1 autres</translation>
    </message>
    <message>
        <source>the series starts in %1</source>
        <translation>la série commence en %1</translation>
    </message>
    <message>
        <source>the series starts on %1, outside the months shown, and marks days of the page it starts on only</source>
        <translation>la série commence le %1, hors des mois affichés, et ne marque que des jours de la page où elle commence</translation>
    </message>
</context>
<context>
    <name>RuleFields</name>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Ordinal</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Semaines</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the rule dialog, then why its value is refused.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the date is missing.</source>
        <translation>la date manque.</translation>
    </message>
    <message>
        <source>choose 1st to 4th.</source>
        <translation>choisissez du 1er au 4e.</translation>
    </message>
    <message>
        <source>choose a day from Sunday to Saturday.</source>
        <translation>choisissez un jour de dimanche à samedi.</translation>
    </message>
    <message>
        <source>give the year too: the weeks are counted from one day.</source>
        <translation>indiquez aussi l&apos;année&#xa0;: les semaines sont comptées à partir d&apos;un jour précis.</translation>
    </message>
    <message>
        <source>the number of weeks must be 1 to 32767.</source>
        <translation>le nombre de semaines doit être compris entre 1 et 32767.</translation>
    </message>
    <message>
        <source>type at least one date, or pick it from the calendar.</source>
        <translation>tapez au moins une date, ou choisissez-la dans le calendrier.</translation>
    </message>
    <message>
        <source>give both dates a year, or neither.</source>
        <translation>donnez une année aux deux dates, ou à aucune.</translation>
    </message>
    <message>
        <source>the last day %1 is before the first, %2.</source>
        <translation>le dernier jour %1 précède le premier, %2.</translation>
    </message>
    <message>
        <source>choose a region from the list.</source>
        <translation>choisissez une région dans la liste.</translation>
    </message>
    <message>
        <source>there is no holiday list for &quot;%1&quot;; choose a region from the list.</source>
        <translation>il n&apos;y a pas de liste de jours fériés pour «&#xa0;%1&#xa0;»&#xa0;; choisissez une région dans la liste.</translation>
    </message>
    <message>
        <source>choose the iCalendar file (.ics).</source>
        <translation>choisissez le fichier iCalendar (.ics).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>choose a kind of rule.</source>
        <translation>choisissez un type de règle.</translation>
    </message>
    <message>
        <source>the label must be one line.</source>
        <translation>le libellé doit tenir sur une ligne.</translation>
    </message>
    <message>
        <source>give the days a name for the legend.</source>
        <translation>donnez aux jours un nom pour la légende.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type it as 2027-03-05, as your locale writes dates (%2), as the list shows them (5 Mar 2027), or pick it from the calendar.</source>
        <extracomment>%2 is 5 March 2027 as the user&apos;s locale writes short dates, such as 3/5/27.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date. Tapez-la sous la forme 2027-03-05, comme votre langue écrit les dates (%2), comme la liste les montre (5 mars 2027), ou choisissez-la dans le calendrier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no year to count the years from: give the year it began, as in 1987-03-05.</source>
        <extracomment>%1 is a date without a year as typed, such as --03-05.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’a pas d’année à partir de laquelle compter les années&#xa0;: indiquez l’année où tout a commencé, par exemple 1987-03-05.</translation>
    </message>
    <message>
        <source>%1 starts after the months the page shows: it marks nothing in %2</source>
        <translation>%1 commence après les mois que montre la page&#xa0;: elle ne marque rien en %2</translation>
    </message>
    <message>
        <source>%1 would mark nothing in %2: that kind stops at the end of its first year</source>
        <translation>%1 ne marquerait rien en %2&#xa0;: ce type s’arrête à la fin de sa première année</translation>
    </message>
    <message>
        <source>%1 would mark only %2 days in %3: that kind stops at the end of its first year</source>
        <translation>%1 ne marquerait que %2 jours en %3&#xa0;: ce type s’arrête à la fin de sa première année</translation>
    </message>
    <message>
        <source>Every year since</source>
        <translation>Chaque année depuis</translation>
    </message>
</context>
<context>
    <name>RuleLines</name>
    <message>
        <source>the weekday number must be 1 (Sunday) to 7 (Saturday)</source>
        <translation>le numéro du jour doit être de 1 (dimanche) à 7 (samedi)</translation>
    </message>
    <message>
        <source>the weekday number is missing or not a number</source>
        <translation>le numéro du jour manque ou n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the week number is missing or not a number</source>
        <translation>le numéro de la semaine manque ou n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the week number must be 1 to 4</source>
        <translation>le numéro de la semaine doit être de 1 à 4</translation>
    </message>
    <message>
        <source>the date is missing</source>
        <translation>la date manque</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date</translation>
    </message>
    <message>
        <source>the number of weeks is missing or not a number</source>
        <translation>le nombre de semaines manque ou n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the number of weeks %1 is outside 1 to 32767</source>
        <translation>le nombre de semaines %1 n&apos;est pas compris entre 1 et 32767</translation>
    </message>
    <message>
        <source>a date is missing between commas</source>
        <translation>une date manque entre deux virgules</translation>
    </message>
    <message>
        <source>a range needs a first and a last date</source>
        <translation>une période demande une première et une dernière date</translation>
    </message>
    <message>
        <source>both dates need a year, or neither</source>
        <translation>les deux dates doivent avoir une année, ou aucune</translation>
    </message>
    <message>
        <source>the last date %1 is before the first %2</source>
        <translation>la dernière date %1 précède la première %2</translation>
    </message>
    <message>
        <source>the region is missing (a code such as US, DE-BY or GB-SCT)</source>
        <translation>la région manque (un code comme US, DE-BY ou GB-SCT)</translation>
    </message>
    <message>
        <source>the file name has no closing quote</source>
        <translation>il manque le guillemet fermant du nom de fichier</translation>
    </message>
    <message>
        <source>the iCalendar file is missing</source>
        <translation>le fichier iCalendar manque</translation>
    </message>
    <message>
        <source>this kind of rule is not known here</source>
        <translation>ce type de règle n&apos;est pas connu ici</translation>
    </message>
    <message>
        <source>the week number %1 is beyond 4, so the line marks nothing (use LST for the last one of a month)</source>
        <translation>le numéro de semaine %1 dépasse 4, la ligne ne marque donc rien (LST marque le dernier d’un mois)</translation>
    </message>
    <message>
        <source>the weekday number %1 is beyond 7 (Saturday), so the line marks nothing</source>
        <translation>le numéro de jour %1 dépasse 7 (samedi), la ligne ne marque donc rien</translation>
    </message>
    <message>
        <source>the label is %L1 characters long; a legend holds at most %2</source>
        <translation>le libellé compte %L1 caractères&#xa0;; une légende en contient au plus %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; repeats every year without a &quot;+&quot;; a &quot;+&quot; follows a date with its first year, like 1987-03-05+</source>
        <translation>«&#xa0;%1&#xa0;» se répète chaque année sans «&#xa0;+&#xa0;»&#xa0;; un «&#xa0;+&#xa0;» suit une date avec sa première année, comme 1987-03-05+</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>une FIFO (tube nommé)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>autre chose</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>le système n&apos;a donné aucune raison</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 est %2, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 leads through too many symbolic links</source>
        <translation>%1 passe par trop de liens symboliques</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>SubscribeDialog</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the Subscribe to Calendar dialog, then why its value is refused.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>type the calendar&apos;s address (https://, webcal://, caldav+https://).</source>
        <translation>saisissez l’adresse du calendrier (https://, webcal://, caldav+https://).</translation>
    </message>
    <message>
        <source>an address holds no blanks; write a blank as %20.</source>
        <translation>une adresse ne contient pas d’espace&#xa0;; écrivez une espace %20.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a calendar address: it begins with https://, webcal://, http://, caldav+https:// or caldav+http://.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une adresse de calendrier&#xa0;: elle commence par https://, webcal://, http://, caldav+https:// ou caldav+http://.</translation>
    </message>
    <message>
        <source>the label must be one line.</source>
        <translation>le libellé doit tenir sur une ligne.</translation>
    </message>
    <message>
        <source>the label has %1 characters; at most %2 fit the legend.</source>
        <translation>le libellé compte %1 caractères&#xa0;; la légende en prend au plus %2.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>S’abonner à un calendrier</translation>
    </message>
    <message>
        <source>the calendar&apos;s own name</source>
        <translation>le nom propre du calendrier</translation>
    </message>
    <message>
        <source>Calendars on the server</source>
        <translation>Calendriers du serveur</translation>
    </message>
    <message>
        <source>&amp;Calendars on the server:</source>
        <translation>&amp;Calendriers du serveur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Libellé&#xa0;:</translation>
    </message>
    <message>
        <source>%1
Choose one of the calendars the server offers and press OK.</source>
        <translation>%1
Choisissez l’un des calendriers que propose le serveur et appuyez sur OK.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>it is larger than %1 MiB, too large for a text file</source>
        <translation>il dépasse %1 Mio, trop grand pour un fichier texte</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes, too large for a text file</source>
        <translation>il dépasse %1 octets, trop grand pour un fichier texte</translation>
    </message>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>il contient des octets NUL, ce n&apos;est donc pas un fichier texte</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it leads through too many symbolic links</source>
        <translation>il passe par trop de liens symboliques</translation>
    </message>
</context>
<context>
    <name>WindowNetwork</name>
    <message>
        <source>The secret store could not be read: %1</source>
        <translation>Le trousseau n’a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The server refused the user name and password it was given.</source>
        <translation>Le serveur a refusé le nom d’utilisateur et le mot de passe donnés.</translation>
    </message>
    <message>
        <source>the Log In dialog</source>
        <translation>la fenêtre de connexion</translation>
    </message>
    <message>
        <source>The login for %1 could not be kept in the secret store: %2</source>
        <translation>L’identifiant pour %1 n’a pas pu être gardé dans le trousseau&#xa0;: %2</translation>
    </message>
    <message>
        <source>Fetching</source>
        <translation>Récupération</translation>
    </message>
    <message>
        <source>Fetching %1...</source>
        <translation>Récupération de %1...</translation>
    </message>
    <message>
        <source>the secret store or the Log In dialog</source>
        <translation>le trousseau ou la fenêtre de connexion</translation>
    </message>
</context>
<context>
    <name>frmFindFiles</name>
    <message>
        <source>Select Files</source>
        <translation>Choisir des fichiers</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Consignes</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Double-click or press Enter to open a folder; &quot;..&quot; goes up</source>
        <translation>Double-cliquez ou appuyez sur Entrée pour ouvrir un dossier&#xa0;; «&#xa0;..&#xa0;» remonte d&apos;un niveau</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Decoration %1</source>
        <translation>Décoration %1</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Lecteur</translation>
    </message>
    <message>
        <source>F&amp;olders</source>
        <translation>&amp;Dossiers</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Fichiers</translation>
    </message>
    <message>
        <source>Up one folder</source>
        <translation>Remonter d&apos;un dossier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show &amp;all files</source>
        <translation>&amp;Afficher tous les fichiers</translation>
    </message>
    <message>
        <source>Show all files</source>
        <translation>Afficher tous les fichiers</translation>
    </message>
</context>
<context>
    <name>frmLunaria</name>
    <message>
        <source>Print Yearly Calenader</source>
        <translation>Imprimer un calendrier annuel</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Year (yyyy)</source>
        <translation>Année (aaaa)</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplaires</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>En-tête</translation>
    </message>
    <message>
        <source>Notes line %1</source>
        <translation>Ligne de notes %1</translation>
    </message>
    <message>
        <source>Mesasage</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Picture Only At Top</source>
        <translation>Image seulement en haut</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Year Font</source>
        <translation>Police de l&apos;année</translation>
    </message>
    <message>
        <source>Header Font</source>
        <translation>Police de l&apos;en-tête</translation>
    </message>
    <message>
        <source>Address Font</source>
        <translation>Police de l&apos;adresse</translation>
    </message>
    <message>
        <source>Messaage Font</source>
        <translation>Police du message</translation>
    </message>
    <message>
        <source>Calendar Font</source>
        <translation>Police du calendrier</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Select Control File</source>
        <translation>Choisir un fichier de contrôle</translation>
    </message>
    <message>
        <source>Select Printer</source>
        <translation>Choisir l&apos;imprimante</translation>
    </message>
    <message>
        <source>Print Calendar(s)</source>
        <translation>Imprimer le(s) calendrier(s)</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Calendar</source>
        <translation>&amp;Nouveau calendrier</translation>
    </message>
    <message>
        <source>&amp;Select Control File...</source>
        <translation>&amp;Choisir un fichier de contrôle...</translation>
    </message>
    <message>
        <source>Save &amp;Control File</source>
        <translation>&amp;Enregistrer le fichier de contrôle</translation>
    </message>
    <message>
        <source>Save Control File &amp;As...</source>
        <translation>Enregistrer le fichier de contrôle &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar...</source>
        <translation>&amp;Importer un iCalendar...</translation>
    </message>
    <message>
        <source>&amp;Export Marked Days...</source>
        <translation>E&amp;xporter les jours marqués...</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Image&#xa0;: %1</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Pas d&apos;image</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Imprimante&#xa0;: %1</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Actuellement&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 could not be completed:
%2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu aboutir&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Internal error in %1; your settings are unchanged.</source>
        <translation>Erreur interne dans «&#xa0;%1&#xa0;»&#xa0;; vos réglages sont inchangés.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Select a Picture file.<byte value="xd"/>
Either a bmp, gif, jpg or wmf.</source>
        <translation>Choisissez un fichier image.<byte value="xd"/>
Un fichier bmp, gif, jpg ou wmf.</translation>
    </message>
    <message>
        <source>Select a Control file.<byte value="xd"/>
  should be a   txt   file.</source>
        <translation>Choisissez un fichier de contrôle.<byte value="xd"/>
Ce doit être un fichier .txt.</translation>
    </message>
    <message>
        <source> Calendar Help</source>
        <translation> Aide du calendrier</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>Importer un iCalendar</translation>
    </message>
    <message>
        <source>Export Marked Days</source>
        <translation>Exporter les jours marqués</translation>
    </message>
    <message>
        <source>The marked days are in %1</source>
        <translation>Les jours marqués sont dans %1</translation>
    </message>
    <message>
        <source>Save Control File</source>
        <translation>Enregistrer le fichier de contrôle</translation>
    </message>
    <message>
        <source>Saved as %1; printing lists the marked days in %2</source>
        <translation>Enregistré sous %1&#xa0;; l&apos;impression liste les jours marqués dans %2</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Supprimer la règle</translation>
    </message>
    <message>
        <source>Move Rule</source>
        <translation>Déplacer la règle</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Ajouter une règle</translation>
    </message>
    <message>
        <source>Edit Rule</source>
        <translation>Modifier la règle</translation>
    </message>
    <message>
        <source>Edit the rule that marks %1 %2?</source>
        <translation>Modifier la règle qui marque le %1 %2&#xa0;?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Control files (*.txt)</source>
        <translation>Fichiers de contrôle (*.txt)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Save the calendar as PDF</source>
        <translation>Enregistrer le calendrier en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>fichier PDF</translation>
    </message>
    <message>
        <source>the header, notes and message are left off the page</source>
        <translation>l’en-tête, les notes et le message ne sont pas imprimés</translation>
    </message>
    <message>
        <source>Open %1 as a new calendar, or add its rules to %2?</source>
        <translation>Ouvrir %1 comme nouveau calendrier, ou ajouter ses règles à %2&#xa0;?</translation>
    </message>
    <message>
        <source>Open as New Calendar</source>
        <translation>Ouvrir comme nouveau calendrier</translation>
    </message>
    <message>
        <source>Add Its Rules</source>
        <translation>Ajouter ses règles</translation>
    </message>
    <message>
        <source>The printer %1 accepted the job; the marked days are listed in %2</source>
        <translation>L’imprimante %1 a accepté la tâche&#xa0;; les jours marqués sont listés dans %2</translation>
    </message>
    <message>
        <source>The page is in %1; the marked days are listed in %2</source>
        <translation>La page est dans %1&#xa0;; les jours marqués sont listés dans %2</translation>
    </message>
    <message>
        <source>Su&amp;bscribe to Calendar...</source>
        <translation>S’a&amp;bonner à un calendrier...</translation>
    </message>
    <message>
        <source> 1. Enter the Year, the Header, up to five Notes lines and the Message.
     The page preview on the right follows every change.
 2. Marked Days: &quot;Add Rule...&quot; colours days of the year (the 2nd Tuesday
     of every month, dates, ranges, public holidays, an iCalendar file);
     each rule takes one of the five colours of the legend. Click a day
     in the preview to mark it or to edit the rule that marks it.
 3. Page: the language of the month names, the first day of the week,
     week numbers, the paper, the colours, the first month (August for a
     school year) and the moon phases.
 4. Select a Picture; &quot;Picture Only At Top&quot; puts it across the top in
     place of the header, notes and message.
 5. Select a Printer (or the PDF file) and, if you like, the Fonts.
 6. Set the number of copies and press &quot;Print Calendar(s)&quot;. The marked
     days are listed in the date-list file beside the control file.
 7. File: save the calendar as a control file and open it again;
     &quot;Import iCalendar...&quot; adds the events of an .ics file;
     &quot;Export Marked Days...&quot; writes the marked days as an .ics file;
     &quot;Subscribe to Calendar...&quot; marks the events of an online calendar
     (an https, webcal or CalDAV address), kept up to date from its server.</source>
        <translation> 1. Saisissez l’année, l’en-tête, jusqu’à cinq lignes de notes et le message.
     L’aperçu de la page, à droite, suit chaque modification.
 2. Jours marqués&#xa0;: «&#xa0;Ajouter une règle...&#xa0;» colore des jours de l’année (le 2e mardi
     de chaque mois, des dates, des périodes, les jours fériés, un fichier iCalendar)&#xa0;;
     chaque règle prend l’une des cinq couleurs de la légende. Un clic sur un jour
     de l’aperçu le marque ou ouvre la règle qui le marque.
 3. Page&#xa0;: la langue des noms de mois, le premier jour de la semaine,
     les numéros de semaine, le papier, les couleurs, le premier mois (août pour
     une année scolaire) et les phases de la lune.
 4. Choisissez une image&#xa0;; «&#xa0;Image seulement en haut&#xa0;» la place en travers du haut
     de la page, à la place de l’en-tête, des notes et du message.
 5. Choisissez une imprimante (ou le fichier PDF) et, si vous le souhaitez, les polices.
 6. Indiquez le nombre d’exemplaires et appuyez sur «&#xa0;Imprimer le(s) calendrier(s)&#xa0;». Les jours
     marqués sont listés dans le fichier de liste des dates, à côté du fichier de contrôle.
 7. Fichier&#xa0;: enregistrez le calendrier comme fichier de contrôle et rouvrez-le&#xa0;;
     «&#xa0;Importer un iCalendar...&#xa0;» ajoute les événements d’un fichier .ics&#xa0;;
     «&#xa0;Exporter les jours marqués...&#xa0;» écrit les jours marqués dans un fichier .ics&#xa0;;
     «&#xa0;S’abonner à un calendrier...&#xa0;» marque les événements d’un calendrier en ligne
     (une adresse https, webcal ou CalDAV), tenu à jour par son serveur.</translation>
    </message>
</context>
<context>
    <name>frmLunariaSplash</name>
    <message>
        <source>Lunaria logo</source>
        <translation>Logo de Lunaria</translation>
    </message>
    <message>
        <source>Year calendars for the wall, from the Lunaria makers</source>
        <translation>Des calendriers annuels pour le mur, par les créateurs de Lunaria</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>pour %1</translation>
    </message>
</context>
<context>
    <name>frmRule</name>
    <message>
        <source>Nth weekday of every month</source>
        <translation>N-ième jour de la semaine du mois</translation>
    </message>
    <message>
        <source>Last weekday of every month</source>
        <translation>Dernier jour de la semaine du mois</translation>
    </message>
    <message>
        <source>Every N weeks from a date</source>
        <translation>Toutes les N semaines à partir d&apos;une date</translation>
    </message>
    <message>
        <source>Single dates</source>
        <translation>Dates isolées</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Public holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>iCalendar file</source>
        <translation>Fichier iCalendar</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <extracomment>The letters after &quot;&amp;&quot; must differ among the dialog&apos;s fields and from those of OK and Cancel.</extracomment>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>O&amp;rdinal</source>
        <translation>&amp;Rang</translation>
    </message>
    <message>
        <source>&amp;Weekday</source>
        <translation>&amp;Jour de la semaine</translation>
    </message>
    <message>
        <source>&amp;Start date</source>
        <translation>&amp;Date de début</translation>
    </message>
    <message>
        <source>W&amp;eeks</source>
        <translation>Se&amp;maines</translation>
    </message>
    <message>
        <source>&amp;Dates</source>
        <translation>&amp;Dates</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>A&amp;u</translation>
    </message>
    <message>
        <source>Re&amp;gion</source>
        <translation>Ré&amp;gion</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>&amp;Libellé</translation>
    </message>
    <message>
        <source>Marked Day Rule</source>
        <translation>Règle des jours marqués</translation>
    </message>
    <message>
        <source>Choose an iCalendar file</source>
        <translation>Choisir un fichier iCalendar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>Pick the start date from a calendar</source>
        <translation>Choisir la date de début dans un calendrier</translation>
    </message>
    <message>
        <source>2027-03-05, --07-14 (every year)</source>
        <translation>2027-03-05, --07-14 (chaque année)</translation>
    </message>
    <message>
        <source>Pick the dates from a calendar</source>
        <translation>Choisir les dates dans un calendrier</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Browse for the iCalendar file</source>
        <translation>Rechercher le fichier iCalendar</translation>
    </message>
    <message>
        <source>Club meeting</source>
        <translation>Réunion du club</translation>
    </message>
    <message>
        <source>Pick the first day from a calendar</source>
        <extracomment>The calendar button beside the first day of a date range (&quot;From&quot;).</extracomment>
        <translation>Choisir le premier jour dans un calendrier</translation>
    </message>
    <message>
        <source>Pick the last day from a calendar</source>
        <extracomment>The calendar button beside the last day of a date range (&quot;To&quot;).</extracomment>
        <translation>Choisir le dernier jour dans un calendrier</translation>
    </message>
    <message>
        <source>Every N weeks, continued from an earlier year</source>
        <translation>Toutes les N semaines, poursuivi depuis une année antérieure</translation>
    </message>
    <message>
        <source>Every &amp;year since its year (birthdays, anniversaries)</source>
        <translation>&amp;Chaque année depuis la sienne (anniversaires)</translation>
    </message>
</context>
<context>
    <name>frmSelectPrt</name>
    <message>
        <source>Output Device Selection</source>
        <translation>Choix du périphérique de sortie</translation>
    </message>
    <message>
        <source>First Click on a Device from the list.</source>
        <translation>Cliquez d&apos;abord sur un périphérique de la liste.</translation>
    </message>
    <message>
        <source>THEN</source>
        <translation>PUIS</translation>
    </message>
    <message>
        <source>Select Device</source>
        <translation>Choisir le périphérique</translation>
    </message>
    <message>
        <source>This printer prints in black and white only: the five colours of the marked days come out as greys. Choose &quot;Patterns&quot; under Colours to tell them apart.</source>
        <extracomment>&quot;Patterns&quot; and &quot;Colours&quot; name a choice and a field of the main window&apos;s Page group.</extracomment>
        <translation>Cette imprimante n&apos;imprime qu&apos;en noir et blanc&#xa0;: les cinq couleurs des jours marqués deviennent des gris. Choisissez «&#xa0;Motifs&#xa0;» sous «&#xa0;Couleurs&#xa0;» pour les distinguer.</translation>
    </message>
    <message>
        <source>Select a Printer from the list first . . .</source>
        <translation>Choisissez d&apos;abord une imprimante dans la liste . . .</translation>
    </message>
    <message>
        <source>The list of devices has changed. Close this window and press &quot;Select Printer&quot; again . . .</source>
        <extracomment>&quot;Select Printer&quot; is the main window&apos;s button.</extracomment>
        <translation>La liste des périphériques a changé. Fermez cette fenêtre et cliquez de nouveau sur «&#xa0;Choisir l&apos;imprimante&#xa0;» . . .</translation>
    </message>
</context>
</TS>
