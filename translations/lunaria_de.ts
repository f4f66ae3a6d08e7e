<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CalDav</name>
    <message>
        <source>the answer is empty</source>
        <translation>die Antwort ist leer</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>the answer is not a WebDAV multistatus</source>
        <translation>die Antwort ist kein WebDAV-Multistatus</translation>
    </message>
    <message>
        <source>%1: the server&apos;s answer cannot be read: %2</source>
        <translation>%1: die Antwort des Servers kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: the server names no principal for the user; is it a CalDAV server?</source>
        <translation>%1: der Server nennt kein Principal für den Benutzer; ist es ein CalDAV-Server?</translation>
    </message>
    <message>
        <source>%1: the user&apos;s principal names no calendar home</source>
        <translation>%1: das Principal des Benutzers nennt kein Kalender-Home</translation>
    </message>
</context>
<context>
    <name>CalendarAddress</name>
    <message>
        <source>%1: not a calendar address (https://, webcal://, http://, caldav+https:// or caldav+http://)</source>
        <translation>%1: keine Kalenderadresse (https://, webcal://, http://, caldav+https:// oder caldav+http://)</translation>
    </message>
    <message>
        <source>%1: not a valid address</source>
        <translation>%1: keine gültige Adresse</translation>
    </message>
    <message>
        <source>%1: the address holds a password; keep it in ~/.netrc or the secret store instead</source>
        <translation>%1: die Adresse enthält ein Passwort; bewahren Sie es stattdessen in ~/.netrc oder im Schlüsselbund auf</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;lunaria --help&apos; for more information.</source>
        <translation>Mit &apos;lunaria --help&apos; erhalten Sie weitere Informationen.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>--to names one .ics file, but %1 control files were given</source>
        <translation>--to nennt eine .ics-Datei, aber es wurden %1 Steuerdateien angegeben</translation>
    </message>
    <message>
        <source>--to names one file, but %1 control files were given; name a folder instead</source>
        <translation>--to nennt eine Datei, aber es wurden %1 Steuerdateien angegeben; nennen Sie stattdessen einen Ordner</translation>
    </message>
    <message>
        <source>--to %1 is neither a %2 file nor a folder</source>
        <translation>--to %1 ist weder eine Datei (%2) noch ein Ordner</translation>
    </message>
    <message>
        <source>--to %1: pages are written as %2 files (or into a folder), not as .%3</source>
        <translation>--to %1: Seiten werden als Dateien (%2) geschrieben (oder in einen Ordner), nicht als .%3</translation>
    </message>
    <message>
        <source>The folder of %1 cannot be created . . .</source>
        <translation>Der Ordner für %1 kann nicht angelegt werden . . .</translation>
    </message>
    <message>
        <source>Composes and prints a one-page calendar of a whole year.
Without arguments, opens the calendar window; with --print, prints prepared control files without one.</source>
        <translation>Setzt den Kalender eines ganzen Jahres auf eine Seite und druckt ihn.
Ohne Argumente öffnet sich das Kalenderfenster; mit --print werden vorbereitete Steuerdateien ohne Fenster gedruckt.</translation>
    </message>
    <message>
        <source>Print each control FILE.txt as its own calendar, without a window.</source>
        <translation>Jede Steuerdatei DATEI.txt als eigenen Kalender drucken, ohne Fenster.</translation>
    </message>
    <message>
        <source>Write the page to PATH instead of a printer: a %1 file for one control file, a folder (one PDF per control file, named after it) for several; or the marked days to an .ics file.</source>
        <extracomment>%1 is &quot;.pdf or .png&quot;</extracomment>
        <translation>Die Seite statt auf einen Drucker nach PFAD schreiben: eine Datei (%1) für eine Steuerdatei, ein Ordner (je Steuerdatei ein PDF, nach ihr benannt) für mehrere; oder die markierten Tage in eine .ics-Datei.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PFAD</translation>
    </message>
    <message>
        <source>Print on the device NAME (see --list-printers).</source>
        <translation>Auf dem Gerät NAME drucken (siehe --list-printers).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Print N copies of each calendar.</source>
        <translation>N Exemplare jedes Kalenders drucken.</translation>
    </message>
    <message>
        <source>Scale the page to fit paper NAME: Letter, Legal, A4, A3 or A5 (or printer: unscaled, as the printer has it). Overrides the files&apos; PAP lines.</source>
        <extracomment>The paper names and &quot;printer&quot; are what the option takes; they stay as they are.</extracomment>
        <translation>Die Seite passend für das Papier NAME skalieren: Letter, Legal, A4, A3 oder A5 (oder printer: unskaliert, wie der Drucker es hat). Hat Vorrang vor den PAP-Zeilen der Dateien.</translation>
    </message>
    <message>
        <source>List the output devices, numbered as the printer chooser numbers them.</source>
        <translation>Die Ausgabegeräte auflisten, nummeriert wie in der Druckerauswahl.</translation>
    </message>
    <message>
        <source>FILE.txt</source>
        <translation>DATEI.txt</translation>
    </message>
    <message>
        <source>Control files to print with --print.</source>
        <translation>Steuerdateien, die mit --print gedruckt werden.</translation>
    </message>
    <message>
        <source>[FILE.txt...]</source>
        <translation>[DATEI.txt...]</translation>
    </message>
    <message>
        <source>Exit status: 0 when every control file printed, 1 when any could not be read or printed (the
others are still printed), 2 for a usage error. Skipped lines of a control file and a picture
that could not be drawn are reported on standard error; they do not change the status, since
the calendar printed without them.</source>
        <translation>Rückgabewert: 0, wenn jede Steuerdatei gedruckt wurde, 1, wenn eine nicht gelesen oder gedruckt
werden konnte (die übrigen werden trotzdem gedruckt), 2 bei einem Aufruffehler. Übersprungene
Zeilen einer Steuerdatei und ein Bild, das nicht gezeichnet werden konnte, werden auf der
Standardfehlerausgabe gemeldet; sie ändern den Rückgabewert nicht, da der Kalender ohne sie
gedruckt wurde.</translation>
    </message>
    <message>
        <source>nothing to do</source>
        <translation>nichts zu tun</translation>
    </message>
    <message>
        <source>control files are printed with --print</source>
        <translation>Steuerdateien werden mit --print gedruckt</translation>
    </message>
    <message>
        <source>--print needs at least one control file</source>
        <translation>--print braucht mindestens eine Steuerdatei</translation>
    </message>
    <message>
        <source>--to and --printer cannot be used together</source>
        <translation>--to und --printer können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--copies takes a whole number from 1 to 32767</source>
        <translation>--copies erwartet eine ganze Zahl von 1 bis 32767</translation>
    </message>
    <message>
        <source>--paper takes Letter, Legal, A4, A3, A5 or printer, not &quot;%1&quot;</source>
        <extracomment>The paper names and &quot;printer&quot; are what the option takes; they stay as they are.</extracomment>
        <translation>--paper erwartet Letter, Legal, A4, A3, A5 oder printer, nicht „%1“</translation>
    </message>
    <message>
        <source>no printer can be reached: %1</source>
        <translation>kein Drucker erreichbar: %1</translation>
    </message>
    <message>
        <source>there is no printer &quot;%1&quot;. The devices are:</source>
        <translation>es gibt keinen Drucker „%1“. Die Geräte sind:</translation>
    </message>
    <message>
        <source>[%1/%2] %3 failed, not printed to %4</source>
        <translation>[%1/%2] %3 ist fehlgeschlagen, nicht gedruckt auf %4</translation>
    </message>
    <message>
        <source>the calendar window needs a desktop, and no display was found (DISPLAY and WAYLAND_DISPLAY are unset).
To print without a window: lunaria --print FILE.txt --to calendar.pdf</source>
        <translation>das Kalenderfenster braucht eine Arbeitsumgebung, und es wurde kein Bildschirm gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt).
So drucken Sie ohne Fenster: lunaria --print DATEI.txt --to kalender.pdf</translation>
    </message>
    <message>
        <source>Not printed: its date-list file %1 is also that of %2, printed before it. Rename one of them so that the part before the first &quot;.&quot; differs . . .</source>
        <translation>Nicht gedruckt: Die Datumslistendatei %1 gehört auch zu %2, das vorher gedruckt wurde. Benennen Sie eine der beiden Dateien so um, dass sich der Teil vor dem ersten „.“ unterscheidet . . .</translation>
    </message>
    <message>
        <source>List the phases of the Moon in YEAR (%1 to %2), one a line, with the date and time in this computer&apos;s time zone.</source>
        <translation>Die Mondphasen im JAHR (%1 bis %2) auflisten, eine pro Zeile, mit Datum und Uhrzeit in der Zeitzone dieses Computers.</translation>
    </message>
    <message>
        <source>YEAR</source>
        <translation>JAHR</translation>
    </message>
    <message>
        <source>--moon-phases and --print cannot be used together</source>
        <translation>--moon-phases und --print können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--moon-phases takes a year from %1 to %2, not &quot;%3&quot;</source>
        <translation>--moon-phases erwartet ein Jahr von %1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>List the countries and regions whose public holidays HOL lines can mark, one a line: the code, a tab, the name in this computer&apos;s language.</source>
        <translation>Die Länder und Regionen auflisten, deren Feiertage HOL-Zeilen markieren können, eine pro Zeile: der Code, ein Tabulator, der Name in der Sprache dieses Computers.</translation>
    </message>
    <message>
        <source>this command needs a printer: run it with --to FILE</source>
        <translation>dieser Befehl braucht einen Drucker: führen Sie ihn mit --to DATEI aus</translation>
    </message>
</context>
<context>
    <name>ComposePage</name>
    <message>
        <source>Mark category %1 is outside 0 to 4</source>
        <translation>Die Markierungsart %1 liegt außerhalb von 0 bis 4</translation>
    </message>
    <message>
        <source>Moon phases are worked out for the years %1 to %2 only.</source>
        <translation>Mondphasen werden nur für die Jahre %1 bis %2 berechnet.</translation>
    </message>
    <message>
        <source>new moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>erstes Viertel</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>letztes Viertel</translation>
    </message>
</context>
<context>
    <name>ControlFile</name>
    <message>
        <source>Line %1 of %2: %3</source>
        <translation>Zeile %1 von %2: %3</translation>
    </message>
    <message>
        <source>Skipped line %1 of %2: %3.</source>
        <translation>Zeile %1 von %2 wurde übersprungen: %3.</translation>
    </message>
    <message>
        <source>%1 lines of %2 were skipped:</source>
        <translation>%1 Zeilen von %2 wurden übersprungen:</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>Line %1 of %2 is not UTF-8 like the rest of the file and was read as Windows-1252.</source>
        <translation>Zeile %1 von %2 ist nicht wie der Rest der Datei in UTF-8 und wurde als Windows-1252 gelesen.</translation>
    </message>
    <message>
        <source>Lines %1 of %2 are not UTF-8 like the rest of the file and were read as Windows-1252.</source>
        <translation>Die Zeilen %1 von %2 sind nicht wie der Rest der Datei in UTF-8 und wurden als Windows-1252 gelesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither 1 (picture only at top) nor 0</source>
        <translation>„%1“ ist weder 1 (Bild nur oben) noch 0</translation>
    </message>
    <message>
        <source>the font name is missing</source>
        <translation>der Name der Schrift fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text role (year, header, address, message or calendar)</source>
        <translation>„%1“ ist keine Textrolle (year, header, address, message oder calendar)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language Qt knows; write it like de_DE or ru</source>
        <translation>„%1“ ist keine Sprache, die Qt kennt; schreiben Sie sie wie de_DE oder ru</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a weekday from 1 (Sunday) to 7 (Saturday), nor 0 (as the language has it)</source>
        <translation>„%1“ ist weder ein Wochentag von 1 (Sonntag) bis 7 (Samstag) noch 0 (wie in der Sprache üblich)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither 1 (week numbers) nor 0</source>
        <translation>„%1“ ist weder 1 (Kalenderwochen) noch 0</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a paper (Letter, Legal, A4, A3, A5, or printer for the printer&apos;s own)</source>
        <translation>„%1“ ist kein Papier (Letter, Legal, A4, A3, A5 oder printer für das des Druckers)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour set (classic, safe or patterns)</source>
        <translation>„%1“ ist kein Farbsatz (classic, safe oder patterns)</translation>
    </message>
    <message>
        <source>Only 6 notes allowed. Following note dropped. %1</source>
        <translation>Nur 6 Notizen sind erlaubt. Die folgende Notiz entfällt. %1</translation>
    </message>
    <message>
        <source>picture not drawn: %1</source>
        <translation>Bild nicht gezeichnet: %1</translation>
    </message>
    <message>
        <source>the picture drew with a warning: %1</source>
        <translation>das Bild wurde mit einer Warnung gezeichnet: %1</translation>
    </message>
    <message>
        <source>Select a .txt file.
Try again . . .</source>
        <translation>Wählen Sie eine .txt-Datei.
Versuchen Sie es noch einmal . . .</translation>
    </message>
    <message>
        <source>Cannot read the control file %1:
%2.</source>
        <translation>Die Steuerdatei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>the text is %L1 characters long; the page holds at most %2</source>
        <translation>der Text ist %L1 Zeichen lang; die Seite fasst höchstens %2</translation>
    </message>
    <message>
        <source>%1 is not a control file: none of its lines starts with a key such as YER, HDR or DTM. Nothing was read . . .</source>
        <translation>%1 ist keine Steuerdatei: Keine ihrer Zeilen beginnt mit einem Schlüssel wie YER, HDR oder DTM. Nichts wurde gelesen . . .</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a month from 1 (January) to 12 (December)</source>
        <translation>„%1“ ist kein Monat von 1 (Januar) bis 12 (Dezember)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither 1 (moon phases) nor 0</source>
        <translation>„%1“ ist weder 1 (Mondphasen) noch 0</translation>
    </message>
</context>
<context>
    <name>ControlWriter</name>
    <message>
        <source>&quot;%1&quot; cannot be saved as a control file: its name must end in &quot;.txt&quot; (lower case), as control files are read . . .</source>
        <translation>„%1“ kann nicht als Steuerdatei gespeichert werden: Der Name muss auf „.txt“ enden (kleingeschrieben), denn so werden Steuerdateien gelesen . . .</translation>
    </message>
    <message>
        <source>The control file &quot;%1&quot; cannot be saved (%2) . . .</source>
        <translation>Die Steuerdatei „%1“ kann nicht gespeichert werden (%2) . . .</translation>
    </message>
</context>
<context>
    <name>CredentialsDialog</name>
    <message>
        <source>Log In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>The server %1 asks for a user name and password.</source>
        <translation>Der Server %1 verlangt Benutzername und Passwort.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Remember in the secret store</source>
        <translation>Im Schlüsselbund speichern</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
</context>
<context>
    <name>DateListFile</name>
    <message>
        <source>The date-list file &quot;%1&quot; cannot be written in the folder &quot;%2&quot; (%3). Make the folder writable or choose another control file . . .</source>
        <translation>Die Datumsliste „%1“ kann im Ordner „%2“ nicht geschrieben werden (%3). Machen Sie den Ordner beschreibbar oder wählen Sie eine andere Steuerdatei . . .</translation>
    </message>
    <message>
        <source>The date-list file &quot;%1&quot; cannot be written (%2); an earlier one is kept as it was . . .</source>
        <translation>Die Datumsliste „%1“ kann nicht geschrieben werden (%2); eine frühere bleibt unverändert erhalten . . .</translation>
    </message>
</context>
<context>
    <name>DayRules</name>
    <message>
        <source>Month %1 is outside 1 to 12</source>
        <translation>Der Monat %1 liegt außerhalb von 1 bis 12</translation>
    </message>
    <message>
        <source>no year is given</source>
        <translation>es ist kein Jahr angegeben</translation>
    </message>
    <message>
        <source>the year %1 is outside 1 to 32767</source>
        <translation>das Jahr %1 liegt außerhalb von 1 bis 32767</translation>
    </message>
    <message>
        <source>Mark category %1 is outside 0 to 4</source>
        <translation>Die Markierungsart %1 liegt außerhalb von 0 bis 4</translation>
    </message>
    <message>
        <source>the year &quot;%1&quot; is not a whole number</source>
        <translation>das Jahr „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the year %1 is the last there is; a page from month %2 runs into the next</source>
        <translation>das Jahr %1 ist das letzte; ein Blatt ab Monat %2 reicht ins nächste</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>the socket path is too long</source>
        <translation>der Pfad des Sockets ist zu lang</translation>
    </message>
    <message>
        <source>it closed the connection</source>
        <translation>er hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the print service (CUPS) at %1 does not answer (%2)</source>
        <translation>der Druckdienst (CUPS) unter %1 antwortet nicht (%2)</translation>
    </message>
    <message>
        <source>the print server did not say which job it made of the page</source>
        <translation>der Druckserver hat nicht mitgeteilt, welchen Auftrag er aus der Seite gemacht hat</translation>
    </message>
    <message>
        <source>(not accepting jobs)</source>
        <translation>(nimmt keine Aufträge an)</translation>
    </message>
    <message>
        <source>the page cannot be encoded as PNG: %1</source>
        <translation>die Seite kann nicht als PNG kodiert werden: %1</translation>
    </message>
    <message>
        <source>There is not enough memory for the page image . . .</source>
        <translation>Für das Bild der Seite ist nicht genug Speicher vorhanden . . .</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; cannot be written (%2) . . .</source>
        <translation>Die Bilddatei „%1“ kann nicht geschrieben werden (%2) . . .</translation>
    </message>
    <message>
        <source>There is no device number %1 . . .</source>
        <translation>Es gibt kein Gerät mit der Nummer %1 . . .</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; cannot be written (%2) . . .</source>
        <translation>Die PDF-Datei „%1“ kann nicht geschrieben werden (%2) . . .</translation>
    </message>
    <message>
        <source>No printer can be reached: %1 . . .</source>
        <translation>Kein Drucker ist erreichbar: %1 . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed (the print server says: %2). Choose another device with &quot;Select Printer&quot; . . .</source>
        <translation>Der Drucker „%1“ ist nicht mehr eingerichtet (der Druckserver meldet: %2). Wählen Sie mit „Drucker auswählen“ ein anderes Gerät . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs%2. Choose another device, or try again when it is ready . . .</source>
        <translation>Der Drucker „%1“ nimmt keine Aufträge an%2. Wählen Sie ein anderes Gerät oder versuchen Sie es erneut, wenn er bereit ist . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; prints at most %2 copies of a page in one job, not %3 . . .</source>
        <translation>Der Drucker „%1“ druckt höchstens %2 Exemplare einer Seite in einem Auftrag, nicht %3 . . .</translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; cannot be prepared in the folder &quot;%2&quot; (%3) . . .</source>
        <translation>Die Seite für den Drucker „%1“ kann im Ordner „%2“ nicht vorbereitet werden (%3) . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used . . .</source>
        <translation>Der Drucker „%1“ kann nicht verwendet werden . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take %2 paper; the calendar is scaled to the paper it has.</source>
        <translation>Der Drucker „%1“ hat das Papier %2 nicht angenommen; der Kalender wird auf sein Papier skaliert.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no %2 paper; the calendar is printed on %3, the nearest size it has, scaled to fit.</source>
        <translation>Der Drucker „%1“ hat kein Papier %2; der Kalender wird auf %3 gedruckt, die nächstliegende Größe, die er hat, passend skaliert.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the page: %2. Nothing was printed . . .</source>
        <translation>Der Drucker „%1“ hat die Seite nicht angenommen: %2. Es wurde nichts gedruckt . . .</translation>
    </message>
    <message>
        <source>The page for the printer &quot;%1&quot; could not be written in full to the folder &quot;%2&quot; (is the disk full?). Nothing was printed . . .</source>
        <translation>Die Seite für den Drucker „%1“ konnte nicht vollständig in den Ordner „%2“ geschrieben werden (ist der Datenträger voll?). Es wurde nichts gedruckt . . .</translation>
    </message>
    <message>
        <source>Device number %1 no longer exists. Open &quot;Select Printer&quot; again to see the devices now installed . . .</source>
        <translation>Das Gerät Nummer %1 gibt es nicht mehr. Öffnen Sie „Drucker auswählen“ erneut, um die jetzt eingerichteten Geräte zu sehen . . .</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot; . . .</source>
        <translation>Es gibt keinen Drucker namens „%1“ . . .</translation>
    </message>
    <message>
        <source>No file name was given for the PDF file . . .</source>
        <translation>Für die PDF-Datei wurde kein Dateiname angegeben . . .</translation>
    </message>
    <message>
        <source>No printer was named and the print server has no default printer . . .</source>
        <translation>Es wurde kein Drucker genannt, und der Druckserver hat keinen Standarddrucker . . .</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed. Choose another device with &quot;Select Printer&quot; . . .</source>
        <translation>Der Drucker „%1“ ist nicht mehr eingerichtet. Wählen Sie mit „Drucker auswählen“ ein anderes Gerät . . .</translation>
    </message>
    <message>
        <source>the print service library %1 could not be loaded (%2)</source>
        <translation>die Bibliothek des Druckdienstes %1 konnte nicht geladen werden (%2)</translation>
    </message>
    <message>
        <source>the print service library %1 lacks %2</source>
        <translation>der Bibliothek des Druckdienstes %1 fehlt %2</translation>
    </message>
</context>
<context>
    <name>FetchCache</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Typeface</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Typeface</source>
        <translation>&amp;Schriftart</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muster</translation>
    </message>
</context>
<context>
    <name>Holidays</name>
    <message>
        <source>&apos;%1&apos; is not a year from %2 to %3</source>
        <translation>&apos;%1&apos; ist kein Jahr von %2 bis %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a month (Jan .. Dec)</source>
        <translation>&apos;%1&apos; ist kein Monat (Jan .. Dec)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a weekday (Mon .. Sun)</source>
        <translation>&apos;%1&apos; ist kein Wochentag (Mon .. Sun)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day of %2 (1 .. %3)</source>
        <translation>&apos;%1&apos; ist kein Tag des Monats %2 (1 .. %3)</translation>
    </message>
    <message>
        <source>the offset %1%2 is more than %3 days</source>
        <translation>der Versatz %1%2 beträgt mehr als %3 Tage</translation>
    </message>
    <message>
        <source>a month has a 1st to a 5th weekday, not a %1th</source>
        <translation>ein Monat hat einen 1. bis 5. Wochentag, keinen %1.</translation>
    </message>
    <message>
        <source>&apos;between holidays&apos; takes no offset</source>
        <translation>&apos;between holidays&apos; nimmt keinen Versatz</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date this file format knows: write e.g. &apos;Dec 25&apos;, &apos;2023 May 8&apos;, &apos;4th Thu of Nov&apos;, &apos;last Mon of May&apos;, &apos;Mon on or before May 24&apos;, &apos;Easter -2&apos;, &apos;Orthodox Easter +1&apos;, &apos;March equinox&apos; or &apos;between holidays&apos;</source>
        <translation>&apos;%1&apos; ist kein Datum, das dieses Dateiformat kennt: Schreiben Sie z. B. &apos;Dec 25&apos;, &apos;2023 May 8&apos;, &apos;4th Thu of Nov&apos;, &apos;last Mon of May&apos;, &apos;Mon on or before May 24&apos;, &apos;Easter -2&apos;, &apos;Orthodox Easter +1&apos;, &apos;March equinox&apos; oder &apos;between holidays&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs region codes</source>
        <translation>&apos;%1&apos; braucht Regionscodes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lists more than %2 regions</source>
        <translation>&apos;%1&apos; nennt mehr als %2 Regionen</translation>
    </message>
    <message>
        <source>&apos;as&apos; needs the name of the day off</source>
        <translation>&apos;as&apos; braucht den Namen des freien Tages</translation>
    </message>
    <message>
        <source>the name of the day off is longer than %1 characters</source>
        <translation>der Name des freien Tages ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the holiday has no name after &apos;=&apos;</source>
        <translation>der Feiertag hat keinen Namen nach &apos;=&apos;</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>der Name ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>&apos;skip&apos; lists more than %1 years</source>
        <translation>&apos;skip&apos; nennt mehr als %1 Jahre</translation>
    </message>
    <message>
        <source>&apos;%1&apos; belongs on a national line, above the first region line</source>
        <translation>&apos;%1&apos; gehört in eine landesweite Zeile, über der ersten Regionszeile</translation>
    </message>
    <message>
        <source>&apos;every %1 years&apos; needs a number of years from 1 to 100</source>
        <translation>&apos;every %1 years&apos; braucht eine Anzahl von Jahren von 1 bis 100</translation>
    </message>
    <message>
        <source>write &apos;%1 MONTH DAY is WEEKDAY&apos;, e.g. &apos;%1 Feb 1 is Fri&apos;</source>
        <translation>schreiben Sie &apos;%1 MONTH DAY is WEEKDAY&apos;, z. B. &apos;%1 Feb 1 is Fri&apos;</translation>
    </message>
    <message>
        <source>a holiday takes one &apos;if&apos; or &apos;unless&apos;</source>
        <translation>ein Feiertag hat höchstens ein &apos;if&apos; oder &apos;unless&apos;</translation>
    </message>
    <message>
        <source>&apos;every N years&apos; counts from a first year: add &apos;from YEAR&apos;</source>
        <translation>&apos;every N years&apos; zählt ab einem ersten Jahr: Fügen Sie &apos;from YEAR&apos; hinzu</translation>
    </message>
    <message>
        <source>it is kept from %1 but only until %2</source>
        <translation>er gilt ab %1, aber nur bis %2</translation>
    </message>
    <message>
        <source>a day between holidays is never moved</source>
        <translation>ein Brückentag wird nie verlegt</translation>
    </message>
    <message>
        <source>%1: it is larger than 1 MiB, too large for a holiday file</source>
        <translation>%1: Die Datei ist größer als 1 MiB, zu groß für eine Feiertagsdatei</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>the file must begin with &apos;country CODE Name&apos;, e.g. &apos;country DE Germany&apos;</source>
        <translation>die Datei muss mit &apos;country CODE Name&apos; beginnen, z. B. &apos;country DE Germany&apos;</translation>
    </message>
    <message>
        <source>write &apos;country CODE Name&apos; with a two-letter code in capitals, e.g. &apos;country DE Germany&apos;</source>
        <translation>schreiben Sie &apos;country CODE Name&apos; mit einem zweibuchstabigen Code in Großbuchstaben, z. B. &apos;country DE Germany&apos;</translation>
    </message>
    <message>
        <source>a file describes one country; this is its second &apos;country&apos; line</source>
        <translation>eine Datei beschreibt ein Land; dies ist ihre zweite &apos;country&apos;-Zeile</translation>
    </message>
    <message>
        <source>write &apos;region %1-CODE Name&apos;, e.g. &apos;region %1-AB Region name&apos;, with the code of ISO 3166-2 in capitals</source>
        <translation>schreiben Sie &apos;region %1-CODE Name&apos;, z. B. &apos;region %1-AB Regionsname&apos;, mit dem Code nach ISO 3166-2 in Großbuchstaben</translation>
    </message>
    <message>
        <source>the region %1 is defined twice</source>
        <translation>die Region %1 ist zweimal festgelegt</translation>
    </message>
    <message>
        <source>a file may define at most %1 regions</source>
        <translation>eine Datei darf höchstens %1 Regionen festlegen</translation>
    </message>
    <message>
        <source>&apos;source&apos; needs the law or page the dates come from</source>
        <translation>&apos;source&apos; braucht das Gesetz oder die Seite, aus der die Daten stammen</translation>
    </message>
    <message>
        <source>the suffix is longer than %1 characters</source>
        <translation>der Zusatz ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>a file may hold at most %1 holidays</source>
        <translation>eine Datei darf höchstens %1 Feiertage enthalten</translation>
    </message>
    <message>
        <source>the region %1 is not defined in this file</source>
        <translation>die Region %1 ist in dieser Datei nicht festgelegt</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB, too large for a holiday file</source>
        <translation>sie ist größer als 1 MiB, zu groß für eine Feiertagsdatei</translation>
    </message>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>sie enthält NUL-Bytes und ist daher keine Textdatei</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>sie ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>Public holidays are known for the years %1 to %2 only, not %3.</source>
        <translation>Feiertage sind nur für die Jahre %1 bis %2 bekannt, nicht für %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no region code: give a country as DE or a region as DE-BY.</source>
        <translation>„%1“ ist kein Regionscode: Geben Sie ein Land als DE oder eine Region als DE-BY an.</translation>
    </message>
    <message>
        <source>No public holidays are known for %1: there is no file %2.txt in %3.</source>
        <translation>Für %1 sind keine Feiertage bekannt: Es gibt keine Datei %2.txt in %3.</translation>
    </message>
    <message>
        <source>(no folder)</source>
        <translation>(kein Ordner)</translation>
    </message>
    <message>
        <source>%1 defines no region %2: see its region lines for the codes.</source>
        <translation>%1 legt keine Region %2 fest: Die Codes stehen in ihren region-Zeilen.</translation>
    </message>
    <message>
        <source>using your own holiday list %1</source>
        <translation>Ihre eigene Feiertagsliste %1 wird verwendet</translation>
    </message>
    <message>
        <source>using your own holiday list %1 instead of %2</source>
        <translation>Ihre eigene Feiertagsliste %1 wird statt %2 verwendet</translation>
    </message>
    <message>
        <source>&apos;moved&apos; on a day reckoned from Easter would move it every year or never: change its offset instead</source>
        <translation>„moved“ bei einem von Ostern aus gezählten Tag würde ihn jedes Jahr oder nie verschieben: Ändern Sie stattdessen seinen Abstand</translation>
    </message>
    <message>
        <source>&apos;moved&apos; would never move the day: in no year it is kept does it fall within those days of Easter</source>
        <translation>„moved“ würde den Tag nie verschieben: In keinem Jahr, in dem er begangen wird, fällt er in diese Tage um Ostern</translation>
    </message>
    <message>
        <source>&apos;skip %1&apos; names a year the holiday is not kept in anyway</source>
        <translation>„skip %1“ nennt ein Jahr, in dem der Feiertag ohnehin nicht begangen wird</translation>
    </message>
    <message>
        <source>the holiday would never be listed: no year its date and clauses allow has such a day</source>
        <translation>der Feiertag würde nie aufgeführt: Kein Jahr, das sein Datum und seine Klauseln zulassen, hat einen solchen Tag</translation>
    </message>
    <message>
        <source>&apos;observed ... from %1&apos; would never move a day: the holiday is kept until %2 only</source>
        <translation>„observed ... from %1“ würde nie einen Tag verschieben: Der Feiertag wird nur bis %2 begangen</translation>
    </message>
    <message>
        <source>&apos;observed&apos; would never move a day: the holiday always falls on a %1</source>
        <translation>„observed“ würde nie einen Tag verschieben: Der Feiertag fällt immer auf einen %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; in &apos;%2&apos; is not a number of days from -%3 to +%3</source>
        <translation>„%1“ in „%2“ ist keine Anzahl von Tagen von -%3 bis +%3</translation>
    </message>
    <message>
        <source>write &apos;moved DAYS if Easter OFFSET [.. OFFSET]&apos;, e.g. &apos;moved +7 if Easter -7 .. -1&apos;, not &apos;%1&apos;</source>
        <translation>schreiben Sie „moved TAGE if Easter ABSTAND [.. ABSTAND]“, etwa „moved +7 if Easter -7 .. -1“, nicht „%1“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; moves the day by no days</source>
        <translation>„%1“ verschiebt den Tag um keinen Tag</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no day: its first offset comes after its last</source>
        <translation>„%1“ nennt keinen Tag: Sein erster Abstand liegt nach seinem letzten</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice on this line: give it once</source>
        <translation>„%1“ steht zweimal in dieser Zeile: Geben Sie es einmal an</translation>
    </message>
    <message>
        <source>write &apos;%1 YEAR&apos;, e.g. &apos;%1 2021&apos;, not &apos;%2&apos;</source>
        <translation>schreiben Sie „%1 JAHR“, etwa „%1 2021“, nicht „%2“</translation>
    </message>
    <message>
        <source>&apos;skip&apos; needs the years the holiday is not kept in, e.g. &apos;skip 2002 2012&apos;</source>
        <translation>„skip“ braucht die Jahre, in denen der Feiertag nicht begangen wird, etwa „skip 2002 2012“</translation>
    </message>
    <message>
        <source>give &apos;in&apos; or &apos;not in&apos;, not both: list the regions it is kept in, or those it is not</source>
        <translation>geben Sie „in“ oder „not in“ an, nicht beides: Nennen Sie die Regionen, in denen er begangen wird, oder die, in denen nicht</translation>
    </message>
    <message>
        <source>write &apos;every N years&apos;, e.g. &apos;every 6 years&apos;, not &apos;%1&apos;</source>
        <translation>schreiben Sie „every N years“, etwa „every 6 years“, nicht „%1“</translation>
    </message>
    <message>
        <source>no holiday below uses this observed-suffix: it names the days off of &apos;observed&apos; clauses without &apos;as&apos;</source>
        <translation>kein Feiertag darunter verwendet diesen observed-suffix: Er benennt die freien Tage von „observed“-Klauseln ohne „as“</translation>
    </message>
    <message>
        <source>the file is named %1.txt but defines the country %2: a country&apos;s file is named by its code, %2.txt</source>
        <translation>die Datei heißt %1.txt, definiert aber das Land %2: Die Datei eines Landes heißt nach seinem Code, %2.txt</translation>
    </message>
    <message>
        <source>the file ends before its &apos;country CODE Name&apos; line, e.g. &apos;country DE Germany&apos;</source>
        <translation>die Datei endet vor ihrer Zeile „country CODE Name“, etwa „country DE Germany“</translation>
    </message>
    <message>
        <source>the country names no source: add a line &apos;source ...&apos; below it naming the law or page the dates come from</source>
        <translation>das Land nennt keine Quelle: Fügen Sie darunter eine Zeile „source ...“ mit dem Gesetz oder der Seite hinzu, aus der die Daten stammen</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, which does not exist</source>
        <translation>sie ist eine symbolische Verknüpfung auf %1, das es nicht gibt</translation>
    </message>
    <message>
        <source>it leads through too many symbolic links</source>
        <translation>sie führt über zu viele symbolische Verknüpfungen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no month %2 (1 .. %3)</source>
        <translation>&apos;%1&apos; hat keinen Monat %2 (1 .. %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no day %2 in a month (1 .. 30)</source>
        <translation>&apos;%1&apos; hat keinen Tag %2 in einem Monat (1 .. 30)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date of another calendar this file format knows: write e.g. &apos;Islamic umalqura 10-01&apos;, &apos;Islamic civil 12-10&apos;, &apos;Hebrew 07-01&apos;, &apos;Chinese 01-01&apos; or &apos;Korean 08-15&apos;</source>
        <translation>&apos;%1&apos; ist kein Datum eines anderen Kalenders, das dieses Dateiformat kennt: Schreiben Sie z. B. &apos;Islamic umalqura 10-01&apos;, &apos;Islamic civil 12-10&apos;, &apos;Hebrew 07-01&apos;, &apos;Chinese 01-01&apos; oder &apos;Korean 08-15&apos;</translation>
    </message>
    <message>
        <source>&apos;announced&apos; is for days of the Islamic, Hebrew, Chinese or Korean calendar, whose date a government may set; write a one-off line for another day</source>
        <translation>&apos;announced&apos; gilt für Tage des islamischen, hebräischen, chinesischen oder koreanischen Kalenders, deren Datum eine Regierung festlegen kann; schreiben Sie für einen anderen Tag eine einmalige Zeile</translation>
    </message>
    <message>
        <source>&apos;announced&apos; lists more than %1 dates</source>
        <translation>&apos;announced&apos; nennt mehr als %1 Daten</translation>
    </message>
    <message>
        <source>write &apos;announced YEAR MONTH DAY, ...&apos;, e.g. &apos;announced 2025 Mar 30, 2026 Mar 20&apos;, not &apos;%1&apos;</source>
        <translation>Schreiben Sie &apos;announced JAHR MONAT TAG, ...&apos;, z. B. &apos;announced 2025 Mar 30, 2026 Mar 20&apos;, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the announced %1 is more than %2 days from the day the calendar gives: give the date of the calendar&apos;s day itself, before the line&apos;s offset</source>
        <translation>das angekündigte Datum %1 liegt mehr als %2 Tage von dem Tag entfernt, den der Kalender ergibt: Geben Sie das Datum des Kalendertags selbst an, vor dem Versatz der Zeile</translation>
    </message>
    <message>
        <source>the announced %1 is given twice</source>
        <translation>das angekündigte Datum %1 steht zweimal da</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a directive (country, language, region, source, observed-suffix, names) nor a holiday (DATE = NAME)</source>
        <translation>&apos;%1&apos; ist weder eine Anweisung (country, language, region, source, observed-suffix, names) noch ein Feiertag (DATUM = NAME)</translation>
    </message>
    <message>
        <source>&apos;moved&apos; is for days of the Gregorian calendar; give a day of another calendar its announced date instead</source>
        <translation>&apos;moved&apos; gilt für Tage des gregorianischen Kalenders; geben Sie einem Tag eines anderen Kalenders stattdessen sein angekündigtes Datum</translation>
    </message>
    <message>
        <source>the &apos;names&apos; blocks end the file: move this line above the first of them, line %1</source>
        <translation>die &apos;names&apos;-Blöcke stehen am Ende der Datei: Verschieben Sie diese Zeile über den ersten davon, Zeile %1</translation>
    </message>
    <message>
        <source>write &apos;English name = name in %1&apos;, e.g. &quot;New Year&apos;s Day = Neujahr&quot;</source>
        <translation>schreiben Sie &apos;Englischer Name = Name auf %1&apos;, z. B. &quot;New Year&apos;s Day = Neujahr&quot;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is translated into &apos;%2&apos; twice</source>
        <translation>&apos;%1&apos; ist für &apos;%2&apos; zweimal übersetzt</translation>
    </message>
    <message>
        <source>a file names its languages once; this is its second &apos;language&apos; line</source>
        <translation>eine Datei nennt ihre Sprachen einmal; dies ist ihre zweite &apos;language&apos;-Zeile</translation>
    </message>
    <message>
        <source>the &apos;language&apos; line belongs right below the country line</source>
        <translation>die &apos;language&apos;-Zeile gehört direkt unter die country-Zeile</translation>
    </message>
    <message>
        <source>write &apos;language CODE...&apos; with the country&apos;s own languages, the main one first, as ISO 639-1 codes, e.g. &apos;language de&apos;</source>
        <translation>schreiben Sie &apos;language CODE...&apos; mit den eigenen Sprachen des Landes, die Hauptsprache zuerst, als ISO-639-1-Codes, z. B. &apos;language de&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no ISO 639-1 language code: two small letters, e.g. de</source>
        <translation>&apos;%1&apos; ist kein ISO-639-1-Sprachcode: zwei Kleinbuchstaben, z. B. de</translation>
    </message>
    <message>
        <source>the language %1 is named twice</source>
        <translation>die Sprache %1 ist zweimal genannt</translation>
    </message>
    <message>
        <source>write &apos;names CODE&apos; with an ISO 639-1 language code of two small letters, e.g. &apos;names de&apos;, not &apos;%1&apos;</source>
        <translation>schreiben Sie &apos;names CODE&apos; mit einem ISO-639-1-Sprachcode aus zwei Kleinbuchstaben, z. B. &apos;names de&apos;, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no name of a holiday, a region or the country in this file: the left side is the English name as written above</source>
        <translation>&apos;%1&apos; ist kein Name eines Feiertags, einer Region oder des Landes in dieser Datei: links steht der englische Name, wie er weiter oben geschrieben ist</translation>
    </message>
    <message>
        <source>%1: %2 are known to %3 only; %4 shows the days the law fixes</source>
        <translation>%1: %2 sind nur bis %3 bekannt; %4 zeigt die gesetzlich festgelegten Tage</translation>
    </message>
    <message>
        <source>%1, %2: the day off &apos;%3&apos; finds no free day in the month after its holiday</source>
        <translation>%1, %2: der freie Tag „%3“ findet im Monat nach seinem Feiertag keinen freien Tag</translation>
    </message>
    <message>
        <source>%1, %2: the day off &apos;%3&apos; falls on the same day as &apos;%4&apos;</source>
        <translation>%1, %2: der freie Tag „%3“ fällt auf denselben Tag wie „%4“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no way to move a day off (nearest, next-working-day, monday, sunday-to-monday, sunday-to-next-free-day, sunday-to-next-working-day)</source>
        <translation>&apos;%1&apos; ist keine Art, einen freien Tag zu verlegen (nearest, next-working-day, monday, sunday-to-monday, sunday-to-next-free-day, sunday-to-next-working-day)</translation>
    </message>
    <message>
        <source>write &apos;observed WAY [or-on-holiday] [from YEAR] [as NAME]&apos;, not &apos;%1&apos;</source>
        <translation>schreiben Sie &apos;observed WAY [or-on-holiday] [from YEAR] [as NAME]&apos;, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;or-on-holiday&apos; needs a way that looks for the next free day (next-working-day, sunday-to-next-working-day, sunday-to-next-free-day), not &apos;%1&apos;</source>
        <translation>&apos;or-on-holiday&apos; braucht eine Art, die den nächsten freien Tag sucht (next-working-day, sunday-to-next-working-day, sunday-to-next-free-day), nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no clause this file format knows (from YEAR, until YEAR, skip YEAR..., every N years, in REGION..., not in REGION..., if/unless MONTH DAY is WEEKDAY, observed WAY [or-on-holiday] [from YEAR] [as NAME], moved DAYS if Easter OFFSET [.. OFFSET])</source>
        <translation>„%1“ ist keine Klausel dieses Dateiformats (from JAHR, until JAHR, skip JAHR..., every N years, in REGION..., not in REGION..., if/unless MONAT TAG is WOCHENTAG, observed ART [or-on-holiday] [from JAHR] [as NAME], moved TAGE if Easter ABSTAND [.. ABSTAND])</translation>
    </message>
    <message>
        <source>write &apos;announced-until YEAR TEXT&apos;, e.g. &apos;announced-until 2026 the days the government sets each year by decree&apos;</source>
        <translation>schreiben Sie &apos;announced-until YEAR TEXT&apos;, z. B. &apos;announced-until 2026 the days the government sets each year by decree&apos;</translation>
    </message>
    <message>
        <source>a file says once up to which year its decreed days are listed; this is its second &apos;announced-until&apos; line</source>
        <translation>eine Datei sagt einmal, bis zu welchem Jahr ihre verordneten Tage aufgeführt sind; dies ist ihre zweite &apos;announced-until&apos;-Zeile</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the ISO 639-1 code of the language of this translation</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>%1: %2 are not listed; %3 shows the days the law fixes</source>
        <translation>%1: %2 sind nicht aufgeführt; %3 zeigt die gesetzlich festgelegten Tage</translation>
    </message>
    <message>
        <source>write &apos;not-listed TEXT&apos;, e.g. &apos;not-listed the bridge days the ministry sets each year&apos;</source>
        <translation>schreiben Sie &apos;not-listed TEXT&apos;, z. B. &apos;not-listed the bridge days the ministry sets each year&apos;</translation>
    </message>
    <message>
        <source>a file says once which days it leaves out; this is its second &apos;not-listed&apos; line</source>
        <translation>eine Datei sagt einmal, welche Tage sie auslässt; dies ist ihre zweite &apos;not-listed&apos;-Zeile</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>libical cannot read the %1 value %2</source>
        <translation>libical kann den Wert %2 von %1 nicht lesen</translation>
    </message>
    <message>
        <source>the %1 %2 is not a date of the years 1 to 9999</source>
        <translation>%1 %2 ist kein Datum der Jahre 1 bis 9999</translation>
    </message>
    <message>
        <source>its events fall on more than %L1 days in all</source>
        <translation>ihre Termine fallen auf insgesamt mehr als %L1 Tage</translation>
    </message>
    <message>
        <source>%1: the year %2 is outside 1 to 9999</source>
        <translation>%1: Das Jahr %2 liegt außerhalb von 1 bis 9999</translation>
    </message>
    <message>
        <source>%1: it is larger than %2 MiB, too large for an iCalendar file</source>
        <translation>%1: Die Datei ist größer als %2 MiB, zu groß für eine iCalendar-Datei</translation>
    </message>
    <message>
        <source>%1: it holds NUL bytes, so it is not an iCalendar file</source>
        <translation>%1: Die Datei enthält NUL-Bytes und ist daher keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>%1: libical cannot read its time zones</source>
        <translation>%1: libical kann ihre Zeitzonen nicht lesen</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>es gibt keine solche Datei</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, pipe or socket)</source>
        <translation>das ist keine reguläre Datei (sondern ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB, too large for an iCalendar file</source>
        <translation>sie ist größer als %1 MiB, zu groß für eine iCalendar-Datei</translation>
    </message>
    <message>
        <source>it does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file</source>
        <translation>sie beginnt nicht mit BEGIN:VCALENDAR und ist daher keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an iCalendar property (NAME:value)</source>
        <translation>„%1“ ist keine iCalendar-Eigenschaft (NAME:Wert)</translation>
    </message>
    <message>
        <source>a CR without LF is inside the line (only CR LF or LF end a line)</source>
        <translation>in der Zeile steht ein CR ohne LF (nur CR LF oder LF beenden eine Zeile)</translation>
    </message>
    <message>
        <source>the property %1 has no &apos;:&apos; before its value</source>
        <translation>die Eigenschaft %1 hat kein &apos;:&apos; vor ihrem Wert</translation>
    </message>
    <message>
        <source>%1 follows END:VCALENDAR</source>
        <translation>%1 folgt auf END:VCALENDAR</translation>
    </message>
    <message>
        <source>BEGIN names no component</source>
        <translation>BEGIN nennt keine Komponente</translation>
    </message>
    <message>
        <source>components are nested more than %1 deep</source>
        <translation>Komponenten sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>END:%1 does not close BEGIN:%2 of line %3</source>
        <translation>END:%1 schließt nicht BEGIN:%2 aus Zeile %3</translation>
    </message>
    <message>
        <source>it holds no BEGIN:VCALENDAR, so it is not an iCalendar file</source>
        <translation>sie enthält kein BEGIN:VCALENDAR und ist daher keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>it is cut short: BEGIN:%1 of line %2 has no END:%1</source>
        <translation>sie ist abgeschnitten: BEGIN:%1 aus Zeile %2 hat kein END:%1</translation>
    </message>
    <message>
        <source>%1; the event is left out</source>
        <translation>%1; der Termin wird ausgelassen</translation>
    </message>
    <message>
        <source>there is no DTSTART</source>
        <translation>es gibt kein DTSTART</translation>
    </message>
    <message>
        <source>%1; the event is marked as if it had no end</source>
        <translation>%1; der Termin wird markiert, als hätte er kein Ende</translation>
    </message>
    <message>
        <source>it leads through too many symbolic links</source>
        <translation>sie führt über zu viele symbolische Verknüpfungen</translation>
    </message>
    <message>
        <source>its recurring events take more than %L1 steps to work out</source>
        <translation>ihre wiederkehrenden Termine brauchen mehr als %L1 Schritte zur Berechnung</translation>
    </message>
    <message>
        <source>%1; this date is not left out of the event</source>
        <translation>%1; dieses Datum wird nicht aus dem Termin ausgelassen</translation>
    </message>
    <message>
        <source>the event repeats too often to be worked out within %L1 steps; it is left out</source>
        <translation>der Termin wiederholt sich zu oft, um in %L1 Schritten berechnet zu werden; er wird ausgelassen</translation>
    </message>
    <message>
        <source>%1; this date is left out</source>
        <translation>%1; dieses Datum wird ausgelassen</translation>
    </message>
    <message>
        <source>libical cannot read the RRULE value %1; the event is marked without this rule</source>
        <translation>libical kann den RRULE-Wert %1 nicht lesen; der Termin wird ohne diese Regel markiert</translation>
    </message>
    <message>
        <source>the UNTIL %1 of the RRULE is not a date of the years 1 to 9999; the event is marked without this rule</source>
        <translation>das UNTIL %1 der RRULE ist kein Datum der Jahre 1 bis 9999; der Termin wird ohne diese Regel markiert</translation>
    </message>
    <message>
        <source>an RRULE that repeats within a day cannot have %1 here; the event is marked without this rule</source>
        <translation>eine RRULE, die sich innerhalb eines Tages wiederholt, kann hier kein %1 haben; der Termin wird ohne diese Regel markiert</translation>
    </message>
    <message>
        <source>the RRULE %1 holds a value out of range; the event is marked without this rule</source>
        <translation>die RRULE %1 enthält einen Wert außerhalb des Bereichs; der Termin wird ohne diese Regel markiert</translation>
    </message>
    <message>
        <source>libical cannot expand this RRULE; the event is marked without it</source>
        <translation>libical kann diese RRULE nicht auflösen; der Termin wird ohne sie markiert</translation>
    </message>
    <message>
        <source>%1: further problems not listed: %L2</source>
        <translation>%1: weitere, nicht aufgeführte Probleme: %L2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an iCalendar property (NAME:value); the line is left out</source>
        <translation>„%1“ ist keine iCalendar-Eigenschaft (NAME:Wert); die Zeile wird ausgelassen</translation>
    </message>
    <message>
        <source>the property %1 has no &apos;:&apos; before its value; the line is left out</source>
        <translation>die Eigenschaft %1 hat kein „:“ vor ihrem Wert; die Zeile wird ausgelassen</translation>
    </message>
    <message>
        <source>a time zone has more than %L1 STANDARD and DAYLIGHT parts</source>
        <translation>eine Zeitzone hat mehr als %L1 STANDARD- und DAYLIGHT-Teile</translation>
    </message>
    <message>
        <source>its time zones have more than %L1 STANDARD and DAYLIGHT parts in all</source>
        <translation>ihre Zeitzonen haben zusammen mehr als %L1 STANDARD- und DAYLIGHT-Teile</translation>
    </message>
    <message>
        <source>its time zones change their offset more than %L1 times up to the year %2</source>
        <translation>ihre Zeitzonen ändern ihren Versatz bis zum Jahr %2 mehr als %L1-mal</translation>
    </message>
    <message>
        <source>the %1 part of a time zone repeats without FREQ; only yearly repeats are read for time zones</source>
        <translation>der %1-Teil einer Zeitzone wiederholt sich ohne FREQ; bei Zeitzonen werden nur jährliche Wiederholungen gelesen</translation>
    </message>
    <message>
        <source>the %1 part of a time zone repeats FREQ=%2; only yearly repeats are read for time zones</source>
        <translation>der %1-Teil einer Zeitzone wiederholt sich mit FREQ=%2; bei Zeitzonen werden nur jährliche Wiederholungen gelesen</translation>
    </message>
</context>
<context>
    <name>IcsExport</name>
    <message>
        <source>The iCalendar file &quot;%1&quot; cannot be written (%2) . . .</source>
        <translation>Die iCalendar-Datei „%1“ kann nicht geschrieben werden (%2) . . .</translation>
    </message>
</context>
<context>
    <name>IcsReader</name>
    <message>
        <source>%1: calendars on the network cannot be read here</source>
        <translation>%1: Kalender aus dem Netz können hier nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Keychain</name>
    <message>
        <source>the secret store</source>
        <translation>dem Schlüsselbund</translation>
    </message>
</context>
<context>
    <name>MarkColour</name>
    <message>
        <source>Mark category %1 is outside 0 to 4</source>
        <translation>Die Markierungsart %1 liegt außerhalb von 0 bis 4</translation>
    </message>
</context>
<context>
    <name>MarkExport</name>
    <message>
        <source>The marked days cannot be exported: %1 . . .</source>
        <translation>Die markierten Tage können nicht exportiert werden: %1 . . .</translation>
    </message>
    <message>
        <source>an iCalendar file holds the years 1 to %1, not %2</source>
        <translation>eine iCalendar-Datei fasst die Jahre 1 bis %1, nicht %2</translation>
    </message>
</context>
<context>
    <name>MarkRules</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and month</comment>
        <extracomment>A day of the month and a short month name: &quot;8 Jan&quot;</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1 %2 of every month</source>
        <extracomment>An ordinal (&quot;2nd&quot;) and a weekday: &quot;2nd Tuesday of every month&quot;</extracomment>
        <translation>Jeden %1 %2 im Monat</translation>
    </message>
    <message>
        <source>Last %1 of every month</source>
        <translation>Jeden letzten %1 im Monat</translation>
    </message>
    <message>
        <source>Every week from %1</source>
        <translation>Jede Woche ab %1</translation>
    </message>
    <message>
        <source>Every %1 weeks from %2</source>
        <translation>Alle %1 Wochen ab %2</translation>
    </message>
    <message>
        <source>%1 every year</source>
        <translation>%1, jedes Jahr</translation>
    </message>
    <message>
        <source>%1 dates</source>
        <translation>%1 Daten</translation>
    </message>
    <message>
        <source>Public holidays of %1</source>
        <translation>Gesetzliche Feiertage: %1</translation>
    </message>
    <message>
        <source>Events of %1</source>
        <translation>Termine aus %1</translation>
    </message>
    <message>
        <source>it marks no day in %1</source>
        <translation>sie markiert keinen Tag im Jahr %1</translation>
    </message>
    <message>
        <source>it marks no day in %1: %2</source>
        <translation>sie markiert keinen Tag im Jahr %1: %2</translation>
    </message>
    <message>
        <source>it marks nothing: only five colours fit the legend</source>
        <translation>sie markiert nichts: die Legende fasst nur fünf Farben</translation>
    </message>
    <message>
        <source>it marks nothing: %1</source>
        <translation>sie markiert nichts: %1</translation>
    </message>
    <message>
        <source>Every week since %1</source>
        <translation>Jede Woche seit %1</translation>
    </message>
    <message>
        <source>Every %1 weeks since %2</source>
        <translation>Alle %1 Wochen seit %2</translation>
    </message>
</context>
<context>
    <name>MarkedDaysGroup</name>
    <message>
        <source>only five colours fit the legend</source>
        <translation>die Legende fasst nur fünf Farben</translation>
    </message>
    <message>
        <source>no day in %1</source>
        <translation>kein Tag im Jahr %1</translation>
    </message>
    <message>
        <source>&amp;Marked Days</source>
        <translation>&amp;Markierte Tage</translation>
    </message>
    <message>
        <source>Marked Days</source>
        <translation>Markierte Tage</translation>
    </message>
    <message>
        <source>&amp;Add Rule...</source>
        <translation>Regel hin&amp;zufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit Rule...</source>
        <translation>Regel &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Remove Rule</source>
        <translation>Regel &amp;entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Marks nothing: %1</source>
        <translation>Markiert nichts: %1</translation>
    </message>
    <message>
        <source>Marks less than it should:</source>
        <translation>Markiert weniger, als sie sollte:</translation>
    </message>
    <message>
        <source> (%1, and more)</source>
        <translation> (%1 und mehr)</translation>
    </message>
</context>
<context>
    <name>NetworkFetcher</name>
    <message>
        <source>LUNARIA_CA_FILE names %1, which holds no PEM certificate that can be read</source>
        <translation>LUNARIA_CA_FILE nennt %1, das kein lesbares PEM-Zertifikat enthält</translation>
    </message>
    <message>
        <source>the answer is larger than %1 MiB, too large for an iCalendar file</source>
        <translation>die Antwort ist größer als %1 MiB, zu groß für eine iCalendar-Datei</translation>
    </message>
    <message>
        <source>the whole answer did not come within %1 s (%L2 bytes came)</source>
        <translation>die Antwort kam nicht vollständig innerhalb von %1 s an (%L2 Bytes kamen)</translation>
    </message>
    <message>
        <source>the server refused the user name and password from %1 (401)</source>
        <translation>der Server lehnte Benutzername und Passwort aus %1 ab (401)</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>der Server antwortete %1 %2</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted: %1. For a server with a certificate of its own, name a file holding it in LUNARIA_CA_FILE</source>
        <translation>dem Zertifikat des Servers wird nicht vertraut: %1. Für einen Server mit eigenem Zertifikat nennen Sie eine Datei, die es enthält, in LUNARIA_CA_FILE</translation>
    </message>
    <message>
        <source>the server redirected more than %1 times</source>
        <translation>der Server leitete mehr als %1-mal weiter</translation>
    </message>
    <message>
        <source>the server redirected to an http:// address; an https:// address is only redirected to another https:// one</source>
        <translation>der Server leitete auf eine http://-Adresse weiter; eine https://-Adresse wird nur auf eine andere https://-Adresse weitergeleitet</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>keine Antwort seit %1 s</translation>
    </message>
    <message>
        <source>the server closed the connection after %L1 bytes, before the whole answer came</source>
        <translation>der Server schloss die Verbindung nach %L1 Bytes, bevor die ganze Antwort kam</translation>
    </message>
    <message>
        <source>server unreachable: %1</source>
        <translation>Server nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>%1: the copy from %2 is used; %3</source>
        <translation>%1: die Kopie vom %2 wird verwendet; %3</translation>
    </message>
    <message>
        <source>%1: the copy could not be kept for use without network: %2</source>
        <translation>%1: die Kopie für die Nutzung ohne Netz konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>no type</source>
        <translation>kein Typ</translation>
    </message>
    <message>
        <source>the answer is not an iCalendar file (%1; it begins &quot;%2&quot;)</source>
        <translation>die Antwort ist keine iCalendar-Datei (%1; sie beginnt mit „%2“)</translation>
    </message>
    <message>
        <source>the server&apos;s answer cannot be read: %1</source>
        <translation>die Antwort des Servers kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>this is not a CalDAV calendar collection</source>
        <translation>dies ist keine CalDAV-Kalendersammlung</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n entries of the collection hold no VCALENDAR and were left out</source>
        <translation>
            <numerusform>%1: %n Einträge der Sammlung enthalten kein VCALENDAR und wurden ausgelassen</numerusform>
            <numerusform>%1: %n Einträge der Sammlung enthalten kein VCALENDAR und wurden ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>the server asks for a user name and password, and none were found for %1 in %2 (401)</source>
        <translation>der Server verlangt Benutzername und Passwort, und für %1 wurden in %2 keine gefunden (401)</translation>
    </message>
    <message>
        <source>~/.netrc or LUNARIA_CALENDAR_PASSWORD</source>
        <translation>~/.netrc oder LUNARIA_CALENDAR_PASSWORD</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>OutputCheck</name>
    <message>
        <source>%1 is a file this calendar reads (%2), and writing to it would replace it. Nothing was written; choose another name . . .</source>
        <translation>%1 ist eine Datei, die dieser Kalender liest (%2), und sie zu schreiben würde sie ersetzen. Nichts wurde geschrieben; wählen Sie einen anderen Namen . . .</translation>
    </message>
</context>
<context>
    <name>PageSettingsGroup</name>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>As the desktop has it</source>
        <translation>Wie in der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Wie in der Sprache üblich</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>&amp;Woche beginnt am</translation>
    </message>
    <message>
        <source>Week &amp;numbers</source>
        <translation>&amp;Kalenderwochen</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Kalenderwochen</translation>
    </message>
    <message>
        <source>As the printer has it</source>
        <translation>Wie beim Drucker eingestellt</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Colour-blind safe</source>
        <translation>Für Farbenblinde geeignet</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>F&amp;irst month</source>
        <extracomment>The month the page starts with: August for a school year August to July.</extracomment>
        <translation>E&amp;rster Monat</translation>
    </message>
    <message>
        <source>M&amp;oon phases</source>
        <translation>Mondph&amp;asen</translation>
    </message>
    <message>
        <source>Moon phases</source>
        <translation>Mondphasen</translation>
    </message>
</context>
<context>
    <name>PageSurface</name>
    <message>
        <source>The page for &quot;%1&quot; has already been sent</source>
        <translation>Die Seite für „%1“ wurde bereits gesendet</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot print (is it installed and ready?)</source>
        <translation>Der Drucker „%1“ kann nicht drucken (ist er eingerichtet und bereit?)</translation>
    </message>
    <message>
        <source>Cannot draw on &quot;%1&quot;: the device is not usable</source>
        <translation>Auf „%1“ kann nicht gezeichnet werden: Das Gerät ist nicht verwendbar</translation>
    </message>
    <message>
        <source>The number of copies must be at least 1, not %1</source>
        <translation>Die Anzahl der Exemplare muss mindestens 1 betragen, nicht %1</translation>
    </message>
    <message>
        <source>The number of copies for &quot;%1&quot; can no longer be changed</source>
        <translation>Die Anzahl der Exemplare für „%1“ kann nicht mehr geändert werden</translation>
    </message>
    <message>
        <source>The page could not be sent to &quot;%1&quot;</source>
        <translation>Die Seite konnte nicht an „%1“ gesendet werden</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>The metafile has more than %1 records.</source>
        <translation>Die Metadatei hat mehr als %1 Datensätze.</translation>
    </message>
    <message>
        <source>The metafile is cut short or has a damaged record.</source>
        <translation>Die Metadatei ist abgeschnitten oder hat einen beschädigten Datensatz.</translation>
    </message>
    <message>
        <source>The metafile draws nothing.</source>
        <translation>Die Metadatei zeichnet nichts.</translation>
    </message>
    <message>
        <source>The metafile has no size.</source>
        <translation>Die Metadatei hat keine Größe.</translation>
    </message>
    <message>
        <source>Select a .gif, .bmp, .wmf OR .jpg file.
Try again . . .</source>
        <translation>Wählen Sie eine .gif-, .bmp-, .wmf- ODER .jpg-Datei.
Versuchen Sie es noch einmal . . .</translation>
    </message>
    <message>
        <source>The picture has more than %1 megapixels.</source>
        <translation>Das Bild hat mehr als %1 Megapixel.</translation>
    </message>
    <message>
        <source>The picture file is damaged or incomplete.</source>
        <translation>Die Bilddatei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>The picture has no size.</source>
        <translation>Das Bild hat keine Größe.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, too large for a picture.</source>
        <translation>%1 ist größer als %2 MiB, zu groß für ein Bild.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>There is not enough memory for the picture.</source>
        <translation>Für das Bild ist nicht genug Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The file is not a bmp, gif, jpg or wmf picture.</source>
        <translation>Die Datei ist kein bmp-, gif-, jpg- oder wmf-Bild.</translation>
    </message>
    <message>
        <source>%1 records, %2 points, %3 megapixels of bitmaps, %4 characters of text</source>
        <translation>%1 Datensätze, %2 Punkte, %3 Megapixel an Bitmaps, %4 Zeichen Text</translation>
    </message>
    <message>
        <source>The metafile&apos;s pattern brushes need more than %1 MB of memory (at most %2 MB are allowed).</source>
        <translation>Die Musterpinsel der Metadatei brauchen mehr als %1 MB Speicher (höchstens %2 MB sind erlaubt).</translation>
    </message>
    <message>
        <source>The metafile would take too long to draw: more than %1 s of work (%2; at most %3 s are allowed).</source>
        <translation>Das Zeichnen der Metadatei würde zu lange dauern: mehr als %1 s Arbeit (%2; höchstens %3 s sind erlaubt).</translation>
    </message>
    <message>
        <source>The metafile&apos;s placeable header is cut short.</source>
        <translation>Der platzierbare Kopf der Metadatei ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The metafile states 0 units per inch.</source>
        <translation>Die Metadatei gibt 0 Einheiten pro Zoll an.</translation>
    </message>
    <message>
        <source>The file has no metafile header.</source>
        <translation>Die Datei hat keinen Metadatei-Kopf.</translation>
    </message>
    <message>
        <source>%1 leads through too many symbolic links.</source>
        <translation>%1 führt über zu viele symbolische Verknüpfungen.</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>There is not enough memory for the page image . . .</source>
        <translation>Für das Bild der Seite ist nicht genug Speicher vorhanden . . .</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Page preview</source>
        <translation>Seitenvorschau</translation>
    </message>
    <message>
        <source>Click a day to mark it</source>
        <translation>Klicken Sie auf einen Tag, um ihn zu markieren</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>ein unerwarteter Fehler</translation>
    </message>
    <message>
        <source>The page cannot be drawn:
%1</source>
        <translation>Die Seite kann nicht gezeichnet werden:
%1</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>The number of copies must be at least 1 . . .</source>
        <translation>Die Anzahl der Exemplare muss mindestens 1 betragen . . .</translation>
    </message>
    <message>
        <source>The number of copies %1 is outside 1 to 32767 . . .</source>
        <translation>Die Anzahl der Exemplare %1 liegt außerhalb von 1 bis 32767 . . .</translation>
    </message>
</context>
<context>
    <name>RuleDays</name>
    <message>
        <source>an interval of %1 weeks marks nothing</source>
        <translation>ein Abstand von %1 Wochen markiert nichts</translation>
    </message>
    <message>
        <source>the series starts in %1 and marks days of that year only</source>
        <translation>die Reihe beginnt %1 und markiert nur Tage dieses Jahres</translation>
    </message>
    <message>
        <source> and %L1 more</source>
        <translation> und %L1 weitere</translation>
    </message>
    <message>
        <source>the series starts in %1</source>
        <translation>die Reihe beginnt %1</translation>
    </message>
    <message>
        <source>the series starts on %1, outside the months shown, and marks days of the page it starts on only</source>
        <translation>die Reihe beginnt am %1, außerhalb der gezeigten Monate, und markiert nur Tage des Blatts, auf dem sie beginnt</translation>
    </message>
</context>
<context>
    <name>RuleFields</name>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Ordinal</source>
        <translation>Woche im Monat</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the rule dialog, then why its value is refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the date is missing.</source>
        <translation>Das Datum fehlt.</translation>
    </message>
    <message>
        <source>choose 1st to 4th.</source>
        <translation>Wählen Sie 1. bis 4.</translation>
    </message>
    <message>
        <source>choose a day from Sunday to Saturday.</source>
        <translation>Wählen Sie einen Tag von Sonntag bis Samstag.</translation>
    </message>
    <message>
        <source>give the year too: the weeks are counted from one day.</source>
        <translation>Geben Sie auch das Jahr an: Die Wochen werden ab einem bestimmten Tag gezählt.</translation>
    </message>
    <message>
        <source>the number of weeks must be 1 to 32767.</source>
        <translation>Die Anzahl der Wochen muss zwischen 1 und 32767 liegen.</translation>
    </message>
    <message>
        <source>type at least one date, or pick it from the calendar.</source>
        <translation>Geben Sie mindestens ein Datum ein oder wählen Sie es im Kalender.</translation>
    </message>
    <message>
        <source>give both dates a year, or neither.</source>
        <translation>Geben Sie beiden Daten ein Jahr oder keinem.</translation>
    </message>
    <message>
        <source>the last day %1 is before the first, %2.</source>
        <translation>Der letzte Tag %1 liegt vor dem ersten, %2.</translation>
    </message>
    <message>
        <source>choose a region from the list.</source>
        <translation>Wählen Sie eine Region aus der Liste.</translation>
    </message>
    <message>
        <source>there is no holiday list for &quot;%1&quot;; choose a region from the list.</source>
        <translation>Für „%1“ gibt es keine Feiertagsliste; wählen Sie eine Region aus der Liste.</translation>
    </message>
    <message>
        <source>choose the iCalendar file (.ics).</source>
        <translation>Wählen Sie die iCalendar-Datei (.ics).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>choose a kind of rule.</source>
        <translation>Wählen Sie eine Art von Regel.</translation>
    </message>
    <message>
        <source>the label must be one line.</source>
        <translation>Die Bezeichnung muss aus einer Zeile bestehen.</translation>
    </message>
    <message>
        <source>give the days a name for the legend.</source>
        <translation>Geben Sie den Tagen einen Namen für die Legende.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type it as 2027-03-05, as your locale writes dates (%2), as the list shows them (5 Mar 2027), or pick it from the calendar.</source>
        <extracomment>%2 is 5 March 2027 as the user&apos;s locale writes short dates, such as 3/5/27.</extracomment>
        <translation>„%1“ ist kein Datum. Geben Sie es als 2027-03-05 ein, wie Ihr Gebietsschema Daten schreibt (%2), wie die Liste sie zeigt (5. Mär 2027), oder wählen Sie es im Kalender.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no year to count the years from: give the year it began, as in 1987-03-05.</source>
        <extracomment>%1 is a date without a year as typed, such as --03-05.</extracomment>
        <translation>„%1“ hat kein Jahr, von dem an die Jahre gezählt werden: Geben Sie das Jahr an, in dem es begann, etwa 1987-03-05.</translation>
    </message>
    <message>
        <source>%1 starts after the months the page shows: it marks nothing in %2</source>
        <translation>%1 beginnt nach den Monaten, die die Seite zeigt: Sie markiert in %2 nichts</translation>
    </message>
    <message>
        <source>%1 would mark nothing in %2: that kind stops at the end of its first year</source>
        <translation>%1 würde in %2 nichts markieren: Diese Art endet mit ihrem ersten Jahr</translation>
    </message>
    <message>
        <source>%1 would mark only %2 days in %3: that kind stops at the end of its first year</source>
        <translation>%1 würde in %3 nur %2 Tage markieren: Diese Art endet mit ihrem ersten Jahr</translation>
    </message>
    <message>
        <source>Every year since</source>
        <translation>Jedes Jahr seit</translation>
    </message>
</context>
<context>
    <name>RuleLines</name>
    <message>
        <source>the weekday number must be 1 (Sunday) to 7 (Saturday)</source>
        <translation>die Nummer des Wochentags muss 1 (Sonntag) bis 7 (Samstag) sein</translation>
    </message>
    <message>
        <source>the weekday number is missing or not a number</source>
        <translation>die Nummer des Wochentags fehlt oder ist keine Zahl</translation>
    </message>
    <message>
        <source>the week number is missing or not a number</source>
        <translation>die Nummer der Woche fehlt oder ist keine Zahl</translation>
    </message>
    <message>
        <source>the week number must be 1 to 4</source>
        <translation>die Nummer der Woche muss 1 bis 4 sein</translation>
    </message>
    <message>
        <source>the date is missing</source>
        <translation>das Datum fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>„%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>the number of weeks is missing or not a number</source>
        <translation>die Anzahl der Wochen fehlt oder ist keine Zahl</translation>
    </message>
    <message>
        <source>the number of weeks %1 is outside 1 to 32767</source>
        <translation>die Anzahl der Wochen %1 liegt außerhalb von 1 bis 32767</translation>
    </message>
    <message>
        <source>a date is missing between commas</source>
        <translation>zwischen Kommas fehlt ein Datum</translation>
    </message>
    <message>
        <source>a range needs a first and a last date</source>
        <translation>ein Zeitraum braucht ein erstes und ein letztes Datum</translation>
    </message>
    <message>
        <source>both dates need a year, or neither</source>
        <translation>beide Daten brauchen ein Jahr oder keines</translation>
    </message>
    <message>
        <source>the last date %1 is before the first %2</source>
        <translation>das letzte Datum %1 liegt vor dem ersten %2</translation>
    </message>
    <message>
        <source>the region is missing (a code such as US, DE-BY or GB-SCT)</source>
        <translation>die Region fehlt (ein Code wie US, DE-BY oder GB-SCT)</translation>
    </message>
    <message>
        <source>the file name has no closing quote</source>
        <translation>dem Dateinamen fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>the iCalendar file is missing</source>
        <translation>die iCalendar-Datei fehlt</translation>
    </message>
    <message>
        <source>this kind of rule is not known here</source>
        <translation>diese Art von Regel ist hier nicht bekannt</translation>
    </message>
    <message>
        <source>the week number %1 is beyond 4, so the line marks nothing (use LST for the last one of a month)</source>
        <translation>die Wochennummer %1 ist größer als 4, daher markiert die Zeile nichts (LST markiert den letzten eines Monats)</translation>
    </message>
    <message>
        <source>the weekday number %1 is beyond 7 (Saturday), so the line marks nothing</source>
        <translation>die Wochentagsnummer %1 ist größer als 7 (Samstag), daher markiert die Zeile nichts</translation>
    </message>
    <message>
        <source>the label is %L1 characters long; a legend holds at most %2</source>
        <translation>die Beschriftung ist %L1 Zeichen lang; eine Legende fasst höchstens %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; repeats every year without a &quot;+&quot;; a &quot;+&quot; follows a date with its first year, like 1987-03-05+</source>
        <translation>„%1“ wiederholt sich ohne „+“ jedes Jahr; ein „+“ folgt einem Datum mit seinem ersten Jahr, etwa 1987-03-05+</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a FIFO (named pipe)</source>
        <translation>ein FIFO (benannte Pipe)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>etwas anderes</translation>
    </message>
    <message>
        <source>the system gave no reason</source>
        <translation>das System hat keinen Grund genannt</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 ist %2, keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 leads through too many symbolic links</source>
        <translation>%1 führt über zu viele symbolische Verknüpfungen</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
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
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the Subscribe to Calendar dialog, then why its value is refused.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>type the calendar&apos;s address (https://, webcal://, caldav+https://).</source>
        <translation>geben Sie die Adresse des Kalenders ein (https://, webcal://, caldav+https://).</translation>
    </message>
    <message>
        <source>an address holds no blanks; write a blank as %20.</source>
        <translation>eine Adresse enthält keine Leerzeichen; schreiben Sie ein Leerzeichen als %20.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a calendar address: it begins with https://, webcal://, http://, caldav+https:// or caldav+http://.</source>
        <translation>„%1“ ist keine Kalenderadresse: sie beginnt mit https://, webcal://, http://, caldav+https:// oder caldav+http://.</translation>
    </message>
    <message>
        <source>the label must be one line.</source>
        <translation>die Beschriftung muss eine Zeile sein.</translation>
    </message>
    <message>
        <source>the label has %1 characters; at most %2 fit the legend.</source>
        <translation>die Beschriftung hat %1 Zeichen; höchstens %2 passen in die Legende.</translation>
    </message>
    <message>
        <source>Subscribe to Calendar</source>
        <translation>Kalender abonnieren</translation>
    </message>
    <message>
        <source>the calendar&apos;s own name</source>
        <translation>der eigene Name des Kalenders</translation>
    </message>
    <message>
        <source>Calendars on the server</source>
        <translation>Kalender auf dem Server</translation>
    </message>
    <message>
        <source>&amp;Calendars on the server:</source>
        <translation>&amp;Kalender auf dem Server:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Label:</source>
        <translation>&amp;Beschriftung:</translation>
    </message>
    <message>
        <source>%1
Choose one of the calendars the server offers and press OK.</source>
        <translation>%1
Wählen Sie einen der Kalender, die der Server anbietet, und drücken Sie OK.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>it is larger than %1 MiB, too large for a text file</source>
        <translation>sie ist größer als %1 MiB, zu groß für eine Textdatei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes, too large for a text file</source>
        <translation>sie ist größer als %1 Bytes, zu groß für eine Textdatei</translation>
    </message>
    <message>
        <source>it holds NUL bytes, so it is not a text file</source>
        <translation>sie enthält NUL-Bytes und ist daher keine Textdatei</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it leads through too many symbolic links</source>
        <translation>sie führt über zu viele symbolische Verknüpfungen</translation>
    </message>
</context>
<context>
    <name>WindowNetwork</name>
    <message>
        <source>The secret store could not be read: %1</source>
        <translation>Der Schlüsselbund konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The server refused the user name and password it was given.</source>
        <translation>Der Server lehnte den angegebenen Benutzernamen und das Passwort ab.</translation>
    </message>
    <message>
        <source>the Log In dialog</source>
        <translation>dem Anmeldedialog</translation>
    </message>
    <message>
        <source>The login for %1 could not be kept in the secret store: %2</source>
        <translation>Die Anmeldung für %1 konnte nicht im Schlüsselbund gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Fetching</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Fetching %1...</source>
        <translation>%1 wird abgerufen...</translation>
    </message>
    <message>
        <source>the secret store or the Log In dialog</source>
        <translation>dem Schlüsselbund oder dem Anmeldedialog</translation>
    </message>
</context>
<context>
    <name>frmFindFiles</name>
    <message>
        <source>Select Files</source>
        <translation>Dateien auswählen</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Double-click or press Enter to open a folder; &quot;..&quot; goes up</source>
        <translation>Doppelklicken oder Eingabe drücken, um einen Ordner zu öffnen; „..“ geht eine Ebene höher</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Decoration %1</source>
        <translation>Verzierung %1</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Laufwerk</translation>
    </message>
    <message>
        <source>F&amp;olders</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Dateien</translation>
    </message>
    <message>
        <source>Up one folder</source>
        <translation>Eine Ebene höher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Show &amp;all files</source>
        <translation>&amp;Alle Dateien zeigen</translation>
    </message>
    <message>
        <source>Show all files</source>
        <translation>Alle Dateien zeigen</translation>
    </message>
</context>
<context>
    <name>frmLunaria</name>
    <message>
        <source>Print Yearly Calenader</source>
        <translation>Jahreskalender drucken</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Year (yyyy)</source>
        <translation>Jahr (jjjj)</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplare</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Notes line %1</source>
        <translation>Notizzeile %1</translation>
    </message>
    <message>
        <source>Mesasage</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Picture Only At Top</source>
        <translation>Bild nur oben</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Year Font</source>
        <translation>Jahresschrift</translation>
    </message>
    <message>
        <source>Header Font</source>
        <translation>Kopfzeilenschrift</translation>
    </message>
    <message>
        <source>Address Font</source>
        <translation>Adressschrift</translation>
    </message>
    <message>
        <source>Messaage Font</source>
        <translation>Nachrichtenschrift</translation>
    </message>
    <message>
        <source>Calendar Font</source>
        <translation>Kalenderschrift</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Select Control File</source>
        <translation>Steuerdatei auswählen</translation>
    </message>
    <message>
        <source>Select Printer</source>
        <translation>Drucker auswählen</translation>
    </message>
    <message>
        <source>Print Calendar(s)</source>
        <translation>Kalender drucken</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Calendar</source>
        <translation>&amp;Neuer Kalender</translation>
    </message>
    <message>
        <source>&amp;Select Control File...</source>
        <translation>Steuerdatei &amp;auswählen...</translation>
    </message>
    <message>
        <source>Save &amp;Control File</source>
        <translation>Steuerdatei &amp;speichern</translation>
    </message>
    <message>
        <source>Save Control File &amp;As...</source>
        <translation>Steuerdatei speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import iCalendar...</source>
        <translation>iCalendar &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Marked Days...</source>
        <translation>Markierte Tage &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Jetzt: %1</translation>
    </message>
    <message>
        <source>%1 could not be completed:
%2</source>
        <translation>„%1“ konnte nicht ausgeführt werden:
%2</translation>
    </message>
    <message>
        <source>Internal error in %1; your settings are unchanged.</source>
        <translation>Interner Fehler in „%1“; Ihre Einstellungen sind unverändert.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Select a Picture file.<byte value="xd"/>
Either a bmp, gif, jpg or wmf.</source>
        <translation>Wählen Sie eine Bilddatei.<byte value="xd"/>
Eine bmp-, gif-, jpg- oder wmf-Datei.</translation>
    </message>
    <message>
        <source>Select a Control file.<byte value="xd"/>
  should be a   txt   file.</source>
        <translation>Wählen Sie eine Steuerdatei.<byte value="xd"/>
Es sollte eine .txt-Datei sein.</translation>
    </message>
    <message>
        <source> Calendar Help</source>
        <translation> Kalenderhilfe</translation>
    </message>
    <message>
        <source>Import iCalendar</source>
        <translation>iCalendar importieren</translation>
    </message>
    <message>
        <source>Export Marked Days</source>
        <translation>Markierte Tage exportieren</translation>
    </message>
    <message>
        <source>The marked days are in %1</source>
        <translation>Die markierten Tage stehen in %1</translation>
    </message>
    <message>
        <source>Save Control File</source>
        <translation>Steuerdatei speichern</translation>
    </message>
    <message>
        <source>Saved as %1; printing lists the marked days in %2</source>
        <translation>Als %1 gespeichert; beim Drucken werden die markierten Tage in %2 aufgelistet</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remove Rule</source>
        <translation>Regel entfernen</translation>
    </message>
    <message>
        <source>Move Rule</source>
        <translation>Regel verschieben</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Edit Rule</source>
        <translation>Regel bearbeiten</translation>
    </message>
    <message>
        <source>Edit the rule that marks %1 %2?</source>
        <translation>Die Regel bearbeiten, die den %1. %2 markiert?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Neu hinzufügen</translation>
    </message>
    <message>
        <source>Control files (*.txt)</source>
        <translation>Steuerdateien (*.txt)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Save the calendar as PDF</source>
        <translation>Kalender als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>the header, notes and message are left off the page</source>
        <translation>Überschrift, Notizen und Nachricht entfallen auf der Seite</translation>
    </message>
    <message>
        <source>Open %1 as a new calendar, or add its rules to %2?</source>
        <translation>%1 als neuen Kalender öffnen oder seine Regeln zu %2 hinzufügen?</translation>
    </message>
    <message>
        <source>Open as New Calendar</source>
        <translation>Als neuen Kalender öffnen</translation>
    </message>
    <message>
        <source>Add Its Rules</source>
        <translation>Seine Regeln hinzufügen</translation>
    </message>
    <message>
        <source>The printer %1 accepted the job; the marked days are listed in %2</source>
        <translation>Der Drucker %1 hat den Auftrag angenommen; die markierten Tage stehen in %2</translation>
    </message>
    <message>
        <source>The page is in %1; the marked days are listed in %2</source>
        <translation>Die Seite steht in %1; die markierten Tage stehen in %2</translation>
    </message>
    <message>
        <source>Su&amp;bscribe to Calendar...</source>
        <translation>Kalender a&amp;bonnieren...</translation>
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
        <translation> 1. Geben Sie das Jahr, die Überschrift, bis zu fünf Notizzeilen und die Nachricht ein.
     Die Seitenvorschau rechts folgt jeder Änderung.
 2. Markierte Tage: „Regel hinzufügen...“ färbt Tage des Jahres (den 2. Dienstag
     jedes Monats, Daten, Zeiträume, Feiertage, eine iCalendar-Datei);
     jede Regel nimmt eine der fünf Farben der Legende. Ein Klick auf einen Tag
     der Vorschau markiert ihn oder bearbeitet die Regel, die ihn markiert.
 3. Seite: die Sprache der Monatsnamen, der erste Wochentag,
     Wochennummern, das Papier, die Farben, der erste Monat (August für ein
     Schuljahr) und die Mondphasen.
 4. Wählen Sie ein Bild; „Bild nur oben“ setzt es oben quer über die Seite,
     anstelle von Überschrift, Notizen und Nachricht.
 5. Wählen Sie einen Drucker (oder die PDF-Datei) und, wenn Sie möchten, die Schriften.
 6. Stellen Sie die Anzahl der Exemplare ein und drücken Sie „Kalender drucken“. Die
     markierten Tage stehen in der Datumslistendatei neben der Steuerdatei.
 7. Datei: Speichern Sie den Kalender als Steuerdatei und öffnen Sie ihn wieder;
     „iCalendar importieren...“ fügt die Termine einer .ics-Datei hinzu;
     „Markierte Tage exportieren...“ schreibt die markierten Tage als .ics-Datei;
     „Kalender abonnieren...“ markiert die Termine eines Online-Kalenders
     (eine https-, webcal- oder CalDAV-Adresse), den der Server aktuell hält.</translation>
    </message>
</context>
<context>
    <name>frmLunariaSplash</name>
    <message>
        <source>Lunaria logo</source>
        <translation>Lunaria-Logo</translation>
    </message>
    <message>
        <source>Year calendars for the wall, from the Lunaria makers</source>
        <translation>Jahreskalender für die Wand, von den Machern von Lunaria</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>für %1</translation>
    </message>
</context>
<context>
    <name>frmRule</name>
    <message>
        <source>Nth weekday of every month</source>
        <translation>N-ter Wochentag jedes Monats</translation>
    </message>
    <message>
        <source>Last weekday of every month</source>
        <translation>Letzter Wochentag jedes Monats</translation>
    </message>
    <message>
        <source>Every N weeks from a date</source>
        <translation>Alle N Wochen ab einem Datum</translation>
    </message>
    <message>
        <source>Single dates</source>
        <translation>Einzelne Daten</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Public holidays</source>
        <translation>Gesetzliche Feiertage</translation>
    </message>
    <message>
        <source>iCalendar file</source>
        <translation>iCalendar-Datei</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <extracomment>The letters after &quot;&amp;&quot; must differ among the dialog&apos;s fields and from those of OK and Cancel.</extracomment>
        <translation>Ar&amp;t</translation>
    </message>
    <message>
        <source>O&amp;rdinal</source>
        <translation>Woche im &amp;Monat</translation>
    </message>
    <message>
        <source>&amp;Weekday</source>
        <translation>&amp;Wochentag</translation>
    </message>
    <message>
        <source>&amp;Start date</source>
        <translation>&amp;Startdatum</translation>
    </message>
    <message>
        <source>W&amp;eeks</source>
        <translation>Wo&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Dates</source>
        <translation>&amp;Daten</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>Re&amp;gion</source>
        <translation>&amp;Region</translation>
    </message>
    <message>
        <source>F&amp;ile</source>
        <translation>Dat&amp;ei</translation>
    </message>
    <message>
        <source>&amp;Label</source>
        <translation>Be&amp;zeichnung</translation>
    </message>
    <message>
        <source>Marked Day Rule</source>
        <translation>Regel für markierte Tage</translation>
    </message>
    <message>
        <source>Choose an iCalendar file</source>
        <translation>iCalendar-Datei wählen</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>Pick the start date from a calendar</source>
        <translation>Startdatum im Kalender wählen</translation>
    </message>
    <message>
        <source>2027-03-05, --07-14 (every year)</source>
        <translation>2027-03-05, --07-14 (jedes Jahr)</translation>
    </message>
    <message>
        <source>Pick the dates from a calendar</source>
        <translation>Daten im Kalender wählen</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Browse for the iCalendar file</source>
        <translation>Nach der iCalendar-Datei suchen</translation>
    </message>
    <message>
        <source>Club meeting</source>
        <translation>Vereinstreffen</translation>
    </message>
    <message>
        <source>Pick the first day from a calendar</source>
        <extracomment>The calendar button beside the first day of a date range (&quot;From&quot;).</extracomment>
        <translation>Den ersten Tag im Kalender wählen</translation>
    </message>
    <message>
        <source>Pick the last day from a calendar</source>
        <extracomment>The calendar button beside the last day of a date range (&quot;To&quot;).</extracomment>
        <translation>Den letzten Tag im Kalender wählen</translation>
    </message>
    <message>
        <source>Every N weeks, continued from an earlier year</source>
        <translation>Alle N Wochen, fortgesetzt aus einem früheren Jahr</translation>
    </message>
    <message>
        <source>Every &amp;year since its year (birthdays, anniversaries)</source>
        <translation>&amp;Jedes Jahr seit seinem Jahr (Geburtstage, Jahrestage)</translation>
    </message>
</context>
<context>
    <name>frmSelectPrt</name>
    <message>
        <source>Output Device Selection</source>
        <translation>Auswahl des Ausgabegeräts</translation>
    </message>
    <message>
        <source>First Click on a Device from the list.</source>
        <translation>Klicken Sie zuerst auf ein Gerät in der Liste.</translation>
    </message>
    <message>
        <source>THEN</source>
        <translation>DANN</translation>
    </message>
    <message>
        <source>Select Device</source>
        <translation>Gerät auswählen</translation>
    </message>
    <message>
        <source>This printer prints in black and white only: the five colours of the marked days come out as greys. Choose &quot;Patterns&quot; under Colours to tell them apart.</source>
        <extracomment>&quot;Patterns&quot; and &quot;Colours&quot; name a choice and a field of the main window&apos;s Page group.</extracomment>
        <translation>Dieser Drucker druckt nur schwarz-weiß: Die fünf Farben der markierten Tage werden zu Grautönen. Wählen Sie unter „Farben“ die Einstellung „Muster“, um sie zu unterscheiden.</translation>
    </message>
    <message>
        <source>Select a Printer from the list first . . .</source>
        <translation>Wählen Sie zuerst einen Drucker aus der Liste . . .</translation>
    </message>
    <message>
        <source>The list of devices has changed. Close this window and press &quot;Select Printer&quot; again . . .</source>
        <extracomment>&quot;Select Printer&quot; is the main window&apos;s button.</extracomment>
        <translation>Die Liste der Geräte hat sich geändert. Schließen Sie dieses Fenster und klicken Sie erneut auf „Drucker auswählen“ . . .</translation>
    </message>
</context>
</TS>
