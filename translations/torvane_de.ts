<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AdvancedMessages</name>
    <message>
        <source>[prompt] cannot prompt for string</source>
        <translation>[prompt] kann nicht nach einem Text fragen</translation>
    </message>
    <message>
        <source>[findRegularExpression] requires three arguments: pattern, source, replacement</source>
        <translation>[findRegularExpression] braucht drei Argumente: Muster, Quelle, Ersetzung</translation>
    </message>
    <message>
        <source>[addintegers] requires at least two arguments: first integer, second integer, ...</source>
        <translation>[addintegers] braucht mindestens zwei Argumente: erste ganze Zahl, zweite ganze Zahl, ...</translation>
    </message>
    <message>
        <source>[find] requires three arguments: target, source, replacement</source>
        <translation>[find] braucht drei Argumente: Suchtext, Quelle, Ersetzung</translation>
    </message>
    <message>
        <source>[equal] requires two arguments: first expression, second expression</source>
        <translation>[equal] braucht zwei Argumente: erster Ausdruck, zweiter Ausdruck</translation>
    </message>
    <message>
        <source>[and] requires at least two arguments: first expression, second expression, etc.</source>
        <translation>[and] braucht mindestens zwei Argumente: erster Ausdruck, zweiter Ausdruck usw.</translation>
    </message>
    <message>
        <source>[or] requires at least two arguments: first expression, second expression, etc.</source>
        <translation>[or] braucht mindestens zwei Argumente: erster Ausdruck, zweiter Ausdruck usw.</translation>
    </message>
    <message>
        <source>[not] requires one argument: expression</source>
        <translation>[not] braucht ein Argument: Ausdruck</translation>
    </message>
    <message>
        <source>[if] requires three arguments: expression, return value, alternative return value</source>
        <translation>[if] braucht drei Argumente: Ausdruck, Rückgabewert, alternativer Rückgabewert</translation>
    </message>
    <message>
        <source>[increment] requires either one or two arguments: value to be incremented, (optional: value to increment by)</source>
        <translation>[increment] braucht ein oder zwei Argumente: zu erhöhender Wert, (optional: Schrittweite)</translation>
    </message>
    <message>
        <source>[decrement] requires either one or two arguments: value to be decremented, (optional: value to decrement by)</source>
        <translation>[decrement] braucht ein oder zwei Argumente: zu verringernder Wert, (optional: Schrittweite)</translation>
    </message>
    <message>
        <source>[letters] takes five or fewer arguments: start value, increment, sleeping period, maximum value, group identifier</source>
        <translation>[letters] nimmt höchstens fünf Argumente: Startwert, Schrittweite, Ruhezeit, Höchstwert, Gruppenkennung</translation>
    </message>
    <message>
        <source>[romanNumerals] takes five or fewer arguments: start value, increment, sleeping period, maximum value, group identifier</source>
        <translation>[romanNumerals] nimmt höchstens fünf Argumente: Startwert, Schrittweite, Ruhezeit, Höchstwert, Gruppenkennung</translation>
    </message>
    <message>
        <source>[sequence] takes six or fewer arguments: start value, increment, sleeping period, maximum value, minimum number of digits, group identifier</source>
        <translation>[sequence] nimmt höchstens sechs Argumente: Startwert, Schrittweite, Ruhezeit, Höchstwert, Mindestzahl der Ziffern, Gruppenkennung</translation>
    </message>
    <message>
        <source>[term] requires at least one term</source>
        <translation>[term] braucht mindestens einen Begriff</translation>
    </message>
    <message>
        <source>[lowercase] requires one argument: expression</source>
        <translation>[lowercase] braucht ein Argument: Ausdruck</translation>
    </message>
    <message>
        <source>[uppercase] requires one argument: expression</source>
        <translation>[uppercase] braucht ein Argument: Ausdruck</translation>
    </message>
    <message>
        <source>[titlecase] requires either one or two arguments: expression, (optional: cut-off)</source>
        <translation>[titlecase] braucht ein oder zwei Argumente: Ausdruck, (optional: Grenze)</translation>
    </message>
    <message>
        <source>[capitalize] requires one argument: expression</source>
        <translation>[capitalize] braucht ein Argument: Ausdruck</translation>
    </message>
    <message>
        <source>[trim] requires one argument: expression</source>
        <translation>[trim] braucht ein Argument: Ausdruck</translation>
    </message>
    <message>
        <source>[truncate] requires two arguments: source expression, maximum length</source>
        <translation>[truncate] braucht zwei Argumente: Quellausdruck, Höchstlänge</translation>
    </message>
    <message>
        <source>[pad] requires three arguments: source expression, length, padding expression</source>
        <translation>[pad] braucht drei Argumente: Quellausdruck, Länge, Füllausdruck</translation>
    </message>
    <message>
        <source>[now] requires one argument: date formatting string (optional second argument: offset in seconds)</source>
        <translation>[now] braucht ein Argument: Datumsformat (optionales zweites Argument: Versatz in Sekunden)</translation>
    </message>
    <message>
        <source>[created] requires one argument: date formatting string (optional second argument: offset in seconds)</source>
        <translation>[created] braucht ein Argument: Datumsformat (optionales zweites Argument: Versatz in Sekunden)</translation>
    </message>
    <message>
        <source>[modified] requires one argument: date formatting string (optional second argument: offset in seconds)</source>
        <translation>[modified] braucht ein Argument: Datumsformat (optionales zweites Argument: Versatz in Sekunden)</translation>
    </message>
    <message>
        <source>[random] requires two arguments: number of characters, pool</source>
        <translation>[random] braucht zwei Argumente: Anzahl der Zeichen, Zeichenvorrat</translation>
    </message>
    <message>
        <source>[remove] requires three arguments: length, start index, expression</source>
        <translation>[remove] braucht drei Argumente: Länge, Startposition, Ausdruck</translation>
    </message>
    <message>
        <source>[insert] requires three arguments: insertion, insertion point, expression</source>
        <translation>[insert] braucht drei Argumente: Einfügung, Einfügeposition, Ausdruck</translation>
    </message>
    <message>
        <source>value too long: more than %1 characters</source>
        <translation>Wert zu lang: mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>string constant has no end</source>
        <translation>Textkonstante hat kein Ende</translation>
    </message>
    <message>
        <source>&quot;[&quot; and &quot;]&quot; function brackets must be balanced</source>
        <translation>Die Funktionsklammern &quot;[&quot; und &quot;]&quot; müssen paarweise stehen</translation>
    </message>
    <message>
        <source>unknown function</source>
        <translation>unbekannte Funktion</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>variable error in expression &lt;%1&gt;</source>
        <translation>Variablenfehler im Ausdruck &lt;%1&gt;</translation>
    </message>
    <message>
        <source>failed to parse expression &quot;%1&quot;</source>
        <translation>Ausdruck &quot;%1&quot; konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>argument out of bounds: %1 &gt;= %2</source>
        <translation>Argument außerhalb der Grenzen: %1 &gt;= %2</translation>
    </message>
    <message>
        <source>unknown variable: &lt;%1&gt;</source>
        <translation>unbekannte Variable: &lt;%1&gt;</translation>
    </message>
    <message>
        <source>cannot comprehend expression &quot;%1&quot;</source>
        <translation>Ausdruck &quot;%1&quot; ist unverständlich</translation>
    </message>
    <message>
        <source>[findRegularExpression] bad regular expression: &quot;%1&quot;</source>
        <translation>[findRegularExpression] fehlerhafter regulärer Ausdruck: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>[pad] (padding expression) must not be an empty string</source>
        <translation>[pad] (Füllausdruck) darf kein leerer Text sein</translation>
    </message>
    <message>
        <source>[remove] (length) must be &gt;= 0</source>
        <translation>[remove] (Länge) muss &gt;= 0 sein</translation>
    </message>
    <message>
        <source>[remove] (start index) must be &gt; 0</source>
        <translation>[remove] (Startposition) muss &gt; 0 sein</translation>
    </message>
    <message>
        <source>[insert] (insertion point) must be &gt; 0!</source>
        <translation>[insert] (Einfügeposition) muss &gt; 0 sein!</translation>
    </message>
    <message>
        <source>[%1] %2 cannot be beyond %3</source>
        <translation>[%1] %2 darf nicht jenseits von %3 liegen</translation>
    </message>
</context>
<context>
    <name>CellDetailText</name>
    <message>
        <source>Created: %1</source>
        <translation>Erstellt: %1</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Geändert: %1</translation>
    </message>
    <message>
        <source>Comment: %1</source>
        <translation>Kommentar: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Größe: %1</translation>
    </message>
    <message>
        <source>%1 (%2 Bytes)</source>
        <translation>%1 (%2 Byte)</translation>
    </message>
    <message>
        <source>Extension: %1 | Type: %2</source>
        <translation>Endung: %1 | Typ: %2</translation>
    </message>
    <message>
        <source>Extension: %1 | Type: %2 | Creator: %3</source>
        <translation>Endung: %1 | Typ: %2 | Ersteller: %3</translation>
    </message>
    <message>
        <source>(Unknown)</source>
        <translation>(Unbekannt)</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Keine)</translation>
    </message>
    <message>
        <source>(Package)</source>
        <translation>(Paket)</translation>
    </message>
    <message>
        <source>(Folder)</source>
        <translation>(Ordner)</translation>
    </message>
</context>
<context>
    <name>CollectionMenus</name>
    <message>
        <source>Move &quot;%1&quot; to Trash</source>
        <translation>„%1“ in den Papierkorb verschieben</translation>
    </message>
</context>
<context>
    <name>CollectionsFolderSelector</name>
    <message>
        <source>Torvane&apos;s container</source>
        <translation>Torvanes Container</translation>
    </message>
    <message>
        <source>Application Support</source>
        <translation>Programmdaten</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Choose Presets and Snippets Folders Location</source>
        <translation>Ort für Vorlagen- und Schnipselordner auswählen</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Torvane cannot keep presets and snippets in this folder.</source>
        <translation>Torvane kann Vorlagen und Schnipsel nicht in diesem Ordner ablegen.</translation>
    </message>
    <message>
        <source>%1 cannot be written to. Presets and snippets stay in Torvane&apos;s own folder.</source>
        <translation>In %1 kann nicht geschrieben werden. Vorlagen und Schnipsel bleiben in Torvanes eigenem Ordner.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandHelp</name>
    <message>
        <source>torvane-cli: %1 that is not valid UTF-8: %2
  (list its folder instead: items whose names are not valid UTF-8 are listed but never renamed)
</source>
        <translation>torvane-cli: %1 (kein gültiges UTF-8): %2
  (geben Sie stattdessen seinen Ordner an: Objekte, deren Namen kein gültiges UTF-8 sind,
  werden aufgelistet, aber nie umbenannt)
</translation>
    </message>
    <message>
        <source>nothing done: an argument</source>
        <translation>nichts getan: ein Argument</translation>
    </message>
    <message>
        <source>usage: torvane-cli COMMAND [options] [PATH...]
       torvane-cli help COMMAND | --help | --version
</source>
        <translation>Aufruf: torvane-cli BEFEHL [Optionen] [PFAD...]
        torvane-cli help BEFEHL | --help | --version
</translation>
    </message>
    <message>
        <source>rename many files at once

commands:
  preview   list the PATHs, compute and print every new name; nothing on disk changes
  rename    list the PATHs, compute every new name and rename the items on disk
  revert    undo the last rename run, or one that was interrupted
  finish    close a rename run that was interrupted, as it stands
  presets   list the presets that --preset NAME can name
  history   list the configurations used for renaming
  help      show the help of a command

options:
  -h, --help                              show this help (after a command: its help)
  --version                               show the version

Try &apos;torvane-cli help preview&apos; for the steps and listing options.
</source>
        <translation>viele Dateien auf einmal umbenennen

Befehle:
  preview   PFADe auflisten, jeden neuen Namen berechnen und ausgeben; auf dem
            Datenträger ändert sich nichts
  rename    PFADe auflisten, jeden neuen Namen berechnen und die Objekte umbenennen
  revert    den letzten oder einen unterbrochenen Umbenennungsdurchgang rückgängig machen
  finish    einen unterbrochenen Umbenennungsdurchgang so abschließen, wie er steht
  presets   die Vorlagen auflisten, die --preset NAME nennen kann
  history   die zum Umbenennen benutzten Konfigurationen auflisten
  help      die Hilfe eines Befehls zeigen

Optionen:
  -h, --help                              diese Hilfe zeigen (nach einem Befehl: dessen Hilfe)
  --version                               die Version zeigen

„torvane-cli help preview“ zeigt die Schritte und die Listenoptionen.
</translation>
    </message>
    <message>
        <source>usage: torvane-cli help [COMMAND]
</source>
        <translation>Aufruf: torvane-cli help [BEFEHL]
</translation>
    </message>
    <message>
        <source>shows the help of COMMAND
</source>
        <translation>zeigt die Hilfe zu BEFEHL
</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>Try &apos;torvane-cli --help&apos; for more.
</source>
        <translation>„torvane-cli --help“ liefert mehr.
</translation>
    </message>
    <message>
        <source>warning: no terminal to ask &quot;%1&quot;; the answer is empty
</source>
        <translation>Warnung: kein Terminal, um „%1“ zu fragen; die Antwort bleibt leer
</translation>
    </message>
    <message>
        <source>Answer: </source>
        <translation>Antwort: </translation>
    </message>
    <message>
        <source> (default)</source>
        <translation> (Vorgabe)</translation>
    </message>
    <message>
        <source>Choice: </source>
        <translation>Auswahl: </translation>
    </message>
    <message>
        <source>Please answer with a number from 1 to %1.
</source>
        <translation>Bitte antworten Sie mit einer Zahl von 1 bis %1.
</translation>
    </message>
    <message>
        <source>--steps FILE and --preset NAME cannot be combined: give the steps one way</source>
        <translation>--steps DATEI und --preset NAME lassen sich nicht kombinieren: geben Sie die Schritte nur auf eine Weise an</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1: unknown value &quot;%2&quot; (one of: %3)</source>
        <translation>%1: unbekannter Wert „%2“ (möglich: %3)</translation>
    </message>
    <message>
        <source>  --steps FILE                            the steps: a property list of step dictionaries
  --preset NAME                           the steps of a preset (&quot;Folder/Name&quot; in subfolders)
  --json                                  one JSON object per item and line
  --color WHEN                            colour the lights: auto (on a terminal,
                                          unless NO_COLOR is set), always, never
  --from-stdin                            read the PATHs from standard input, one a line
  -0, --null                              ... separated by NUL bytes (find -print0)
  -h, --help                              show this help
</source>
        <translation>  --steps DATEI                           die Schritte: eine Property-List von Schritt-Dictionaries
  --preset NAME                           die Schritte einer Vorlage („Ordner/Name“ in Unterordnern)
  --json                                  ein JSON-Objekt pro Objekt und Zeile
  --color WANN                            die Statusanzeigen färben: auto (auf einem Terminal,
                                          außer wenn NO_COLOR gesetzt ist), always, never
  --from-stdin                            die PFADe von der Standardeingabe lesen, einen pro Zeile
  -0, --null                              ... durch NUL-Bytes getrennt (find -print0)
  -h, --help                              diese Hilfe zeigen
</translation>
    </message>
    <message>
        <source>--steps needs a file</source>
        <translation>--steps braucht eine Datei</translation>
    </message>
    <message>
        <source>--preset needs a name</source>
        <translation>--preset braucht einen Namen</translation>
    </message>
    <message>
        <source>unknown option: %1</source>
        <translation>unbekannte Option: %1</translation>
    </message>
    <message>
        <source>--steps FILE or --preset NAME and step options such as --find cannot be combined: give the steps one way</source>
        <translation>--steps DATEI oder --preset NAME und Schrittoptionen wie --find lassen sich nicht kombinieren: geben Sie die Schritte nur auf eine Weise an</translation>
    </message>
    <message>
        <source>-0 reads PATHs from standard input: give --from-stdin too</source>
        <translation>-0 liest die PFADe von der Standardeingabe: geben Sie auch --from-stdin an</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>kein PFAD angegeben</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>die Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>left out a PATH</source>
        <translation>einen PFAD ausgelassen</translation>
    </message>
    <message>
        <source>no PATH given on standard input</source>
        <translation>kein PFAD auf der Standardeingabe angegeben</translation>
    </message>
    <message>
        <source>Try &apos;torvane-cli %1 --help&apos; for more.
</source>
        <translation>„torvane-cli %1 --help“ liefert mehr.
</translation>
    </message>
    <message>
        <source>unknown word list: %1</source>
        <translation>unbekannte Wortliste: %1</translation>
    </message>
    <message>
        <source>History is disabled.
</source>
        <translation>Der Verlauf ist ausgeschaltet.
</translation>
    </message>
    <message>
        <source>usage: torvane-cli history
</source>
        <translation>Aufruf: torvane-cli history
</translation>
    </message>
    <message>
        <source>  one line per configuration used for renaming, oldest first: the number of runs,
  the first and the latest use, and the operations of its steps
</source>
        <translation>  eine Zeile pro zum Umbenennen benutzter Konfiguration, die älteste zuerst: die Zahl der
  Durchgänge, die erste und die letzte Benutzung und die Operationen ihrer Schritte
</translation>
    </message>
    <message>
        <source>listing options:
  --list-files | --no-list-files          list files (default: on)
  --list-folders | --no-list-folders      list folders themselves (default: off)
  --folder-contents | --no-folder-contents
                                          list what folders hold, at every depth (default: on)
  --include-invisible                     also list hidden items
  --ignore-aliases                        skip symbolic links
  --sort name|path|created|modified|comment|size|type|shuffle|none  (default: name)
  --descending                            reverse the sort order
  --filter all|modified|problems          which items to print (default: all)
  --auto-uniqueify                        number colliding names instead of refusing them
  --no-ignore-trailing-gibberish          keep trailing digits and separators in the common prefix
symbolic links inside a listed folder are items of their own (renaming one renames
the link) and are never entered; a PATH that is itself a link to a folder is
followed once, as find -H does
</source>
        <translation>Listenoptionen:
  --list-files | --no-list-files          Dateien auflisten (Vorgabe: an)
  --list-folders | --no-list-folders      die Ordner selbst auflisten (Vorgabe: aus)
  --folder-contents | --no-folder-contents
                                          den Inhalt der Ordner in jeder Tiefe auflisten (Vorgabe: an)
  --include-invisible                     auch versteckte Objekte auflisten
  --ignore-aliases                        symbolische Links überspringen
  --sort name|path|created|modified|comment|size|type|shuffle|none  (Vorgabe: name)
  --descending                            die Sortierung umkehren
  --filter all|modified|problems          welche Objekte ausgegeben werden (Vorgabe: all)
  --auto-uniqueify                        kollidierende Namen nummerieren, statt sie abzulehnen
  --no-ignore-trailing-gibberish          Ziffern und Trennzeichen am Ende im gemeinsamen Präfix
                                          behalten
symbolische Links in einem aufgelisteten Ordner sind eigene Objekte (einen umzubenennen
benennt den Link um) und werden nie betreten; ein PFAD, der selbst ein Link auf einen
Ordner ist, wird einmal verfolgt, wie bei find -H
</translation>
    </message>
    <message>
        <source>no preset named &quot;%1&quot; (torvane-cli presets lists them)</source>
        <translation>keine Vorlage namens „%1“ (torvane-cli presets listet sie auf)</translation>
    </message>
    <message>
        <source>usage: torvane-cli presets [--paths]
</source>
        <translation>Aufruf: torvane-cli presets [--paths]
</translation>
    </message>
    <message>
        <source>  lists the presets for --preset NAME (&quot;Folder/Name&quot; in subfolders), then the samples
  --paths                                 add a tab and the path of each file
</source>
        <translation>  listet die Vorlagen für --preset NAME auf („Ordner/Name“ in Unterordnern), dann die
  Beispiele
  --paths                                 einen Tabulator und den Pfad jeder Datei anfügen
</translation>
    </message>
    <message>
        <source>usage: torvane-cli preview (--steps FILE | --preset NAME | step options) [listing options]
                           [--json] [--color WHEN] [--stats] PATH...
       torvane-cli preview ... [-0] --from-stdin
</source>
        <translation>Aufruf: torvane-cli preview (--steps DATEI | --preset NAME | Schrittoptionen) [Listenoptionen]
                            [--json] [--color WANN] [--stats] PFAD...
        torvane-cli preview ... [-0] --from-stdin
</translation>
    </message>
    <message>
        <source>lists the PATHs, computes every new name and prints it; nothing on disk changes
</source>
        <translation>listet die PFADe auf, berechnet jeden neuen Namen und gibt ihn aus; auf dem Datenträger
ändert sich nichts
</translation>
    </message>
    <message>
        <source>  --stats                                 report timings on standard error
exit status: 0 done, 2 bad input, 3 a step cannot work, 130 interrupted
</source>
        <translation>  --stats                                 Zeitmessungen auf der Standardfehlerausgabe melden
Exit-Status: 0 erledigt, 2 fehlerhafte Eingabe, 3 ein Schritt kann nicht arbeiten,
130 unterbrochen
</translation>
    </message>
    <message>
        <source>give the steps: --steps FILE, --preset NAME or step options such as --find</source>
        <translation>geben Sie die Schritte an: --steps DATEI, --preset NAME oder Schrittoptionen wie --find</translation>
    </message>
    <message>
        <source>scanned and sorted %1 items in %2 s
</source>
        <translation>%1 Objekte in %2 s durchsucht und sortiert
</translation>
    </message>
    <message>
        <source>computed names of %1 items in %2 s
</source>
        <translation>Namen von %1 Objekten in %2 s berechnet
</translation>
    </message>
    <message>
        <source>usage: torvane-cli rename (--steps FILE | --preset NAME | --config ARCHIVE |
                          step options)
                          [listing options] [--on-exists ask|skip|replace|stop]
                          [--yes] [--json] [--color WHEN] PATH...
       torvane-cli rename ... [-0] --from-stdin
</source>
        <translation>Aufruf: torvane-cli rename (--steps DATEI | --preset NAME | --config ARCHIV |
                           Schrittoptionen)
                           [Listenoptionen] [--on-exists ask|skip|replace|stop]
                           [--yes] [--json] [--color WANN] PFAD...
        torvane-cli rename ... [-0] --from-stdin
</translation>
    </message>
    <message>
        <source>lists the PATHs, computes every new name and renames the items on disk
</source>
        <translation>listet die PFADe auf, berechnet jeden neuen Namen und benennt die Objekte auf dem
Datenträger um
</translation>
    </message>
    <message>
        <source>  --config ARCHIVE                        a saved configuration; its steps replace --steps,
                                          its listing choices apply unless given here
  --on-exists ask|skip|replace|stop       an unlisted item already has a new name:
                                          ask on a terminal (else stop), keep both names,
                                          put it in the Trash, or end the run
  --yes                                   go ahead without the confirmations
</source>
        <translation>  --config ARCHIV                         eine gesicherte Konfiguration; ihre Schritte ersetzen
                                          --steps, ihre Listeneinstellungen gelten, soweit hier
                                          nichts anderes angegeben ist
  --on-exists ask|skip|replace|stop       ein nicht aufgelistetes Objekt hat schon einen neuen
                                          Namen: auf einem Terminal fragen (sonst stop), beide
                                          Namen behalten, es in den Papierkorb legen oder den
                                          Durchgang beenden
  --yes                                   ohne die Bestätigungen fortfahren
</translation>
    </message>
    <message>
        <source>exit status: 0 all renamed, 1 some not, 2 bad input, 3 a step cannot work,
130 interrupted
</source>
        <translation>Exit-Status: 0 alle umbenannt, 1 einige nicht, 2 fehlerhafte Eingabe, 3 ein Schritt kann
nicht arbeiten, 130 unterbrochen
</translation>
    </message>
    <message>
        <source>--config ARCHIVE and step options such as --find cannot be combined: give the steps one way</source>
        <translation>--config ARCHIV und Schrittoptionen wie --find lassen sich nicht kombinieren: geben Sie die Schritte nur auf eine Weise an</translation>
    </message>
    <message>
        <source>give the steps: --steps FILE, --preset NAME, --config ARCHIVE or step options such as --find</source>
        <translation>geben Sie die Schritte an: --steps DATEI, --preset NAME, --config ARCHIV oder Schrittoptionen wie --find</translation>
    </message>
    <message>
        <source>(move a damaged journal out of %1 to revert other runs)</source>
        <translation>(verschieben Sie ein beschädigtes Protokoll aus %1, um andere Durchgänge zurückzusetzen)</translation>
    </message>
    <message>
        <source>nothing to revert</source>
        <translation>nichts zurückzusetzen</translation>
    </message>
    <message>
        <source>not reverting without confirmation: pass --yes to revert without a question</source>
        <translation>ohne Bestätigung wird nichts zurückgesetzt: mit --yes wird ohne Rückfrage zurückgesetzt</translation>
    </message>
    <message>
        <source>not reverted</source>
        <translation>nicht zurückgesetzt</translation>
    </message>
    <message>
        <source>restored %1 of %2 items
</source>
        <translation>%1 von %2 Objekten wiederhergestellt
</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>nothing to finish</source>
        <translation>nichts abzuschließen</translation>
    </message>
    <message>
        <source>finished %1: %2 of %3 planned renames made</source>
        <translation>%1 abgeschlossen: %2 von %3 geplanten Umbenennungen ausgeführt</translation>
    </message>
    <message>
        <source>not finished %1</source>
        <translation>%1 nicht abgeschlossen</translation>
    </message>
    <message>
        <source>  completed %1</source>
        <translation>  zu Ende geführt: %1</translation>
    </message>
    <message>
        <source>  moved on %1</source>
        <translation>  weiterbewegt: %1</translation>
    </message>
    <message>
        <source>  problem: %1</source>
        <translation>  Problem: %1</translation>
    </message>
    <message>
        <source>usage: torvane-cli finish [--json]
</source>
        <translation>Aufruf: torvane-cli finish [--json]
</translation>
    </message>
    <message>
        <source>  closes every rename run that was interrupted, as it stands, without a question:
  the move under way is completed when nothing is in its way, an item left under a
  temporary name gets its new name; an interrupted revert is taken to its end
  --json                                  one JSON object per run (or move) and line
exit status: 0 all finished (or nothing to finish), 1 some not, 2 bad arguments
</source>
        <translation>  schließt jeden unterbrochenen Umbenennungsdurchgang ohne Rückfrage so ab, wie er steht:
  die laufende Verschiebung wird vollendet, wenn nichts im Weg ist, ein Objekt unter einem
  vorläufigen Namen bekommt seinen neuen Namen; ein unterbrochenes Zurücksetzen wird zu
  Ende geführt
  --json                                  ein JSON-Objekt pro Durchgang (oder Verschiebung) und Zeile
Exit-Status: 0 alle abgeschlossen (oder nichts abzuschließen), 1 einige nicht,
2 fehlerhafte Argumente
</translation>
    </message>
    <message>
        <source>usage: torvane-cli revert [--yes] [--json]
</source>
        <translation>Aufruf: torvane-cli revert [--yes] [--json]
</translation>
    </message>
    <message>
        <source>  undoes the last rename run (or one that was interrupted) from its journal
  --yes                                   revert without asking
  --json                                  one JSON object per move and line
</source>
        <translation>  macht den letzten (oder einen unterbrochenen) Umbenennungsdurchgang anhand seines
  Protokolls rückgängig
  --yes                                   ohne Rückfrage zurücksetzen
  --json                                  ein JSON-Objekt pro Verschiebung und Zeile
</translation>
    </message>
    <message>
        <source>Revert the rename run started %1, which ended, moving back up to %2 items? [y/N] </source>
        <translation>Den am %1 begonnenen und beendeten Umbenennungsdurchgang zurücksetzen und bis zu %2 Objekte zurückbewegen? [j/N] </translation>
    </message>
    <message>
        <source>Revert the rename run started %1, which was interrupted, moving back up to %2 items? [y/N] </source>
        <translation>Den am %1 begonnenen und unterbrochenen Umbenennungsdurchgang zurücksetzen und bis zu %2 Objekte zurückbewegen? [j/N] </translation>
    </message>
    <message>
        <source>y</source>
        <comment>answer to a [y/N] question</comment>
        <translation>j</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>answer to a [y/N] question</comment>
        <translation>ja</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no position (N or N:from-end)</source>
        <translation>%1: „%2“ ist keine Position (N oder N:from-end)</translation>
    </message>
    <message>
        <source>--remove: &quot;%1&quot; is not START:LENGTH[:from-end]</source>
        <translation>--remove: „%1“ hat nicht die Form START:LÄNGE[:from-end]</translation>
    </message>
    <message>
        <source>--insert: &quot;%1&quot; is not TEXT@POSITION[:from-end]</source>
        <translation>--insert: „%1“ hat nicht die Form TEXT@POSITION[:from-end]</translation>
    </message>
    <message>
        <source>--case: unknown value &quot;%1&quot; (one of: %2, each optionally followed by :name or :extension)</source>
        <translation>--case: unbekannter Wert „%1“ (möglich: %2, jeweils wahlweise gefolgt von :name oder :extension)</translation>
    </message>
    <message>
        <source>--case: an extension is only kept, made upper or lower case, not &quot;%1&quot;</source>
        <translation>--case: eine Endung wird nur beibehalten oder in Groß- oder Kleinbuchstaben gesetzt, nicht „%1“</translation>
    </message>
    <message>
        <source>--sequence: unknown type &quot;%1&quot; (one of: %2)</source>
        <translation>--sequence: unbekannter Typ „%1“ (möglich: %2)</translation>
    </message>
    <message>
        <source>--sequence: more than TYPE:first:step:digits</source>
        <translation>--sequence: mehr als TYP:erster:schritt:stellen</translation>
    </message>
    <message>
        <source>--sequence: &quot;%1&quot; is no first value of %2</source>
        <translation>--sequence: „%1“ ist kein erster Wert von %2</translation>
    </message>
    <message>
        <source>--sequence: &quot;%1&quot; is no step</source>
        <translation>--sequence: „%1“ ist keine Schrittweite</translation>
    </message>
    <message>
        <source>--sequence: &quot;%1&quot; is no number of digits (0 for automatic)</source>
        <translation>--sequence: „%1“ ist keine Stellenzahl (0 für automatisch)</translation>
    </message>
    <message>
        <source>--short-words: &quot;%1&quot; is not N[:keep] with N from 0 to 9</source>
        <translation>--short-words: „%1“ hat nicht die Form N[:keep] mit N von 0 bis 9</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 changes the step of %2 given just before it</source>
        <translation>%1 ändert den direkt davor angegebenen Schritt von %2</translation>
    </message>
    <message>
        <source>%1 changes the step of %2 given just before it, not the step of %3</source>
        <translation>%1 ändert den direkt davor angegebenen Schritt von %2, nicht den Schritt von %3</translation>
    </message>
    <message>
        <source>steps as options, applied in the order given (instead of --steps or --config):
  --find TEXT [--replace TEXT] [--regex] [--case-sensitive] [--whole-name]
                                          find and replace (case-insensitive, the
                                          extension left out unless --whole-name)
  --remove START:LENGTH[:from-end]        remove LENGTH characters from position START
  --insert TEXT@POSITION[:from-end]       insert TEXT at POSITION (1 is the first)
  --prefix TEXT                           add TEXT before the name
  --suffix TEXT [--include-extension]     add TEXT after the name (before the
                                          extension unless --include-extension)
  --compose TEMPLATE [--drop-extension]   the name made of TEMPLATE, with the
                                          extension unless --drop-extension
  --case MODE[:name|:extension][,...]     MODE: keep, upper, lower, capitalized,
                                          title; alone it sets the name (and the
                                          extension for upper and lower)
  --short-words N[:keep]                  title case: words of up to N characters
                                          are lower case (or kept); 0: none (2)
  --set-extension EXT [--add-missing]     replace the extension (--add-missing:
                                          also give names without one EXT)
  --sequence TYPE[:FIRST[:STEP[:DIGITS]]] number the items; TYPE: numbers, roman,
                                          lower-roman, letters, lower-letters, terms
    --sequence-prefix TEXT, --sequence-suffix TEXT
                                          text before and after the value
    --group-by TEMPLATE [--lazy]          count each value of TEMPLATE on its own
                                          (--lazy: groups of one get no value)
    --terms TEXT | --terms-file FILE      the terms (&quot;red, green&quot; or one a line)
    --drop-extension                      leave the extension out
  --advanced PROTOTYPE                    the name computed by PROTOTYPE
  --print-steps                           write the steps file on standard output
  In TEXT and TEMPLATE, &lt;Token Name&gt; is a token (a display name of the token menus,
  in any case, such as &lt;Name&gt;, &lt;Name of Parent Folder&gt;, &lt;Content Creation Date&gt;);
  \&lt; is a literal &quot;&lt;&quot;
</source>
        <translation>Schritte als Optionen, in der angegebenen Reihenfolge angewandt (statt --steps oder --config):
  --find TEXT [--replace TEXT] [--regex] [--case-sensitive] [--whole-name]
                                          suchen und ersetzen (ohne Rücksicht auf Groß- und
                                          Kleinschreibung, ohne die Endung außer mit --whole-name)
  --remove START:LÄNGE[:from-end]         LÄNGE Zeichen ab Position START entfernen
  --insert TEXT@POSITION[:from-end]       TEXT an POSITION einfügen (1 ist die erste)
  --prefix TEXT                           TEXT vor dem Namen anfügen
  --suffix TEXT [--include-extension]     TEXT nach dem Namen anfügen (vor der Endung,
                                          außer mit --include-extension)
  --compose MUSTER [--drop-extension]     der Name aus MUSTER, mit der Endung,
                                          außer mit --drop-extension
  --case MODUS[:name|:extension][,...]    MODUS: keep, upper, lower, capitalized, title;
                                          allein setzt er den Namen (und bei upper und
                                          lower auch die Endung)
  --short-words N[:keep]                  Titelschreibweise: Wörter mit bis zu N Zeichen
                                          werden klein geschrieben (oder behalten); 0: keine (2)
  --set-extension ENDUNG [--add-missing]  die Endung ersetzen (--add-missing: auch Namen
                                          ohne Endung bekommen ENDUNG)
  --sequence TYP[:ERSTER[:SCHRITT[:STELLEN]]]
                                          die Objekte nummerieren; TYP: numbers, roman,
                                          lower-roman, letters, lower-letters, terms
    --sequence-prefix TEXT, --sequence-suffix TEXT
                                          Text vor und nach dem Wert
    --group-by MUSTER [--lazy]            jeden Wert von MUSTER für sich zählen
                                          (--lazy: Gruppen aus einem Objekt bekommen keinen Wert)
    --terms TEXT | --terms-file DATEI     die Begriffe („rot, grün“ oder einer pro Zeile)
    --drop-extension                      die Endung weglassen
  --advanced VORLAGE                      der von VORLAGE berechnete Name
  --print-steps                           die Schrittdatei auf die Standardausgabe schreiben
  In TEXT und MUSTER ist &lt;Platzhaltername&gt; ein Platzhalter: ein englischer Anzeigename
  aus den Platzhaltermenüs, in beliebiger Schreibweise, etwa &lt;Name&gt;, &lt;Name of Parent
  Folder&gt;, &lt;Content Creation Date&gt;; \&lt; ist ein wörtliches „&lt;“
</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: not a property list</source>
        <translation>%1: keine Property-List</translation>
    </message>
    <message>
        <source>%1: not an array of steps</source>
        <translation>%1: kein Array von Schritten</translation>
    </message>
    <message>
        <source>%1: item %2 is not a step dictionary</source>
        <translation>%1: Eintrag %2 ist kein Schritt-Dictionary</translation>
    </message>
    <message>
        <source>step %1 (%2): the target is not a valid regular expression
</source>
        <translation>Schritt %1 (%2): der Suchtext ist kein gültiger regulärer Ausdruck
</translation>
    </message>
    <message>
        <source>step %1 (%2): the prototype has errors:
%3</source>
        <translation>Schritt %1 (%2): die Vorlage hat Fehler:
%3</translation>
    </message>
    <message>
        <source>no item gets a new name
</source>
        <translation>kein Objekt bekommt einen neuen Namen
</translation>
    </message>
    <message>
        <source>renamed %1 of %2, %3/s</source>
        <translation>%1 von %2 umbenannt, %3/s</translation>
    </message>
    <message>
        <source>scanning, %1 s: %2</source>
        <translation>Durchsuchen, %1 s: %2</translation>
    </message>
    <message>
        <source>unknown token &lt;%1&gt; (write \&lt; for a literal &quot;&lt;&quot;)</source>
        <translation>unbekannter Platzhalter &lt;%1&gt; (\&lt; schreibt ein wörtliches „&lt;“)</translation>
    </message>
    <message>
        <source>unknown token &lt;%1&gt;; did you mean &lt;%2&gt;? (write \&lt; for a literal &quot;&lt;&quot;)</source>
        <translation>unbekannter Platzhalter &lt;%1&gt;; meinten Sie &lt;%2&gt;? (\&lt; schreibt ein wörtliches „&lt;“)</translation>
    </message>
    <message>
        <source>&quot;&lt;&quot; at character %1 opens a token that is never closed with &quot;&gt;&quot; (write \&lt; for a literal &quot;&lt;&quot;)</source>
        <translation>„&lt;“ an Zeichen %1 öffnet einen Platzhalter, der nie mit „&gt;“ geschlossen wird (\&lt; schreibt ein wörtliches „&lt;“)</translation>
    </message>
    <message>
        <source>warning: an undo of a rename run started %1 was interrupted (its journal is %2); run `torvane-cli revert` to finish it
</source>
        <translation>Warnung: ein am %1 begonnenes Rückgängigmachen eines Umbenennungsdurchgangs wurde unterbrochen (sein Protokoll ist %2); führen Sie `torvane-cli revert` aus, um es abzuschließen
</translation>
    </message>
    <message>
        <source>warning: a rename run started %1 was interrupted (its journal is %2); run `torvane-cli finish` to close it as it stands or `torvane-cli revert` to undo it
</source>
        <translation>Warnung: ein am %1 begonnener Umbenennungsdurchgang wurde unterbrochen (sein Protokoll ist %2); führen Sie `torvane-cli finish` aus, um ihn so abzuschließen, wie er steht, oder `torvane-cli revert`, um ihn rückgängig zu machen
</translation>
    </message>
</context>
<context>
    <name>ConfigurationFile</name>
    <message>
        <source>%1 holds no renaming steps.</source>
        <translation>%1 enthält keine Umbenennungsschritte.</translation>
    </message>
    <message>
        <source>%1 is too large for a configuration.</source>
        <translation>%1 ist zu groß für eine Konfiguration.</translation>
    </message>
</context>
<context>
    <name>ConfigurationMenus</name>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren …</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Save as Default Configuration</source>
        <translation>Als Standardkonfiguration sichern</translation>
    </message>
    <message>
        <source>Forget Default Configuration</source>
        <translation>Standardkonfiguration vergessen</translation>
    </message>
    <message>
        <source>Histor&amp;y</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Show History</source>
        <translation>Verlauf einblenden</translation>
    </message>
    <message>
        <source>History Capacity</source>
        <translation>Umfang des Verlaufs</translation>
    </message>
    <message>
        <source>Clear History...</source>
        <translation>Verlauf löschen …</translation>
    </message>
    <message>
        <source>Hide History</source>
        <translation>Verlauf ausblenden</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Vorlagen</translation>
    </message>
    <message>
        <source>Save Preset...</source>
        <translation>Vorlage sichern …</translation>
    </message>
    <message>
        <source>You don&apos;t have any presets yet.</source>
        <translation>Sie haben noch keine Vorlagen.</translation>
    </message>
    <message>
        <source>Manage Presets...</source>
        <translation>Vorlagen verwalten …</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Save Preset</source>
        <translation>Vorlage sichern</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Notify</source>
        <translation>Benachrichtigen</translation>
    </message>
</context>
<context>
    <name>DisplayFilter</name>
    <message>
        <source>Show All Items</source>
        <translation>Alle Objekte zeigen</translation>
    </message>
    <message>
        <source>Show All Files</source>
        <translation>Alle Dateien zeigen</translation>
    </message>
    <message>
        <source>Show Modified Items</source>
        <translation>Geänderte Objekte zeigen</translation>
    </message>
    <message>
        <source>Show Modified Files</source>
        <translation>Geänderte Dateien zeigen</translation>
    </message>
    <message>
        <source>Show Items with Warnings or Errors</source>
        <translation>Objekte mit Warnungen oder Fehlern zeigen</translation>
    </message>
    <message>
        <source>Show Files with Warnings or Errors</source>
        <translation>Dateien mit Warnungen oder Fehlern zeigen</translation>
    </message>
</context>
<context>
    <name>FilterMessage</name>
    <message>
        <source>Drag folders here.</source>
        <translation>Ordner hierher ziehen.</translation>
    </message>
    <message>
        <source>Drag files here.</source>
        <translation>Dateien hierher ziehen.</translation>
    </message>
    <message>
        <source>Drag files and folders here.</source>
        <translation>Dateien und Ordner hierher ziehen.</translation>
    </message>
    <message>
        <source>%1 Items</source>
        <translation>%1 Objekte</translation>
    </message>
    <message>
        <source>%1 Files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>Not Listed: %1</source>
        <translation>Nicht aufgelistet: %1</translation>
    </message>
    <message>
        <source>Not Listed: %1 Items</source>
        <translation>Nicht aufgelistet: %1 Objekte</translation>
    </message>
</context>
<context>
    <name>FuzzyDate</name>
    <message>
        <source>Just Now</source>
        <translation>Gerade eben</translation>
    </message>
    <message>
        <source>1 Minute Ago</source>
        <translation>Vor 1 Minute</translation>
    </message>
    <message>
        <source>%1 Minutes Ago</source>
        <translation>Vor %1 Minuten</translation>
    </message>
    <message>
        <source>&apos;Today&apos; - h:mm a</source>
        <translation>&apos;Heute&apos; - HH:mm</translation>
    </message>
    <message>
        <source>&apos;Yesterday&apos; - h:mm a</source>
        <translation>&apos;Gestern&apos; - HH:mm</translation>
    </message>
    <message>
        <source>MMMM d, yyyy - h:mm a</source>
        <translation>d. MMMM yyyy - HH:mm</translation>
    </message>
</context>
<context>
    <name>ItemMover</name>
    <message>
        <source>The journal of this run cannot be written, so nothing more is moved.</source>
        <translation>Das Protokoll dieses Durchgangs kann nicht geschrieben werden, daher wird nichts mehr bewegt.</translation>
    </message>
    <message>
        <source>

It could not be given back its name and is now at &quot;%1&quot;.</source>
        <translation>

Es konnte seinen Namen nicht zurückerhalten und liegt jetzt unter „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; Already Exists</source>
        <translation>„%1“ existiert bereits</translation>
    </message>
    <message>
        <source>A file or folder with the same name already exists. Replacing it will overwrite its current contents.</source>
        <translation>Eine Datei oder ein Ordner mit demselben Namen existiert bereits. Beim Ersetzen wird der aktuelle Inhalt überschrieben.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Alle überspringen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 is locked</source>
        <translation>%1 ist geschützt</translation>
    </message>
    <message>
        <source>%1 is marked as locked. Do you want to rename it anyway?

To rename %1, Torvane will attempt to unlock it, rename it, then lock it again.</source>
        <translation>%1 ist als geschützt markiert. Möchten Sie es trotzdem umbenennen?

Um %1 umzubenennen, hebt Torvane den Schutz auf, benennt es um und schützt es danach wieder.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Rename All Locked Files</source>
        <translation>Alle geschützten Dateien umbenennen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>%1 has vanished.

Please note that Torvane cannot rename files if you move them to a different folder after dragging them into Torvane.</source>
        <translation>%1 ist verschwunden.

Bitte beachten Sie, dass Torvane Dateien nicht umbenennen kann, die Sie in einen anderen Ordner verschieben, nachdem Sie sie in Torvane gezogen haben.</translation>
    </message>
</context>
<context>
    <name>JournalFile</name>
    <message>
        <source>cannot flush the folder</source>
        <translation>Ordner kann nicht auf die Platte geschrieben werden</translation>
    </message>
    <message>
        <source>cannot find a free journal name in %1</source>
        <translation>in %1 ist kein freier Name für ein Protokoll zu finden</translation>
    </message>
    <message>
        <source>cannot create a run journal in</source>
        <translation>Protokoll kann nicht angelegt werden in</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>kann nicht schreiben</translation>
    </message>
    <message>
        <source>cannot open the run journal</source>
        <translation>Protokoll kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the run journal %1 is in use by a run that is still going</source>
        <translation>das Protokoll %1 gehört zu einem Durchgang, der noch läuft</translation>
    </message>
    <message>
        <source>cannot lock the run journal</source>
        <translation>Protokoll kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>kann nicht öffnen</translation>
    </message>
    <message>
        <source>another undo or recovery of rename runs is going on</source>
        <translation>gerade läuft schon ein Widerrufen oder Wiederherstellen von Umbenennungen</translation>
    </message>
    <message>
        <source>cannot lock</source>
        <translation>kann nicht sperren</translation>
    </message>
    <message>
        <source>cannot write the run journal</source>
        <translation>Protokoll kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot flush the run journal</source>
        <translation>Protokoll kann nicht auf die Platte geschrieben werden</translation>
    </message>
    <message>
        <source>cannot cut the torn record off the run journal</source>
        <translation>der abgerissene Eintrag kann nicht vom Protokoll abgeschnitten werden</translation>
    </message>
</context>
<context>
    <name>JournalRecovery</name>
    <message>
        <source>cannot look at %1: %2</source>
        <translation>%1 kann nicht untersucht werden: %2</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>%1 is taken by another item</source>
        <translation>%1 ist von einem anderen Objekt belegt</translation>
    </message>
    <message>
        <source>lost track of the item moved from %1 to %2: neither can be seen</source>
        <translation>das von %1 nach %2 bewegte Objekt ist nicht mehr aufzufinden: keiner der beiden Pfade ist zu sehen</translation>
    </message>
    <message>
        <source>%1 was left under its temporary name: %2</source>
        <translation>%1 liegt noch unter seinem vorläufigen Namen: %2</translation>
    </message>
    <message>
        <source>the undo journal cannot be written</source>
        <translation>das Protokoll des Widerrufens kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>left at %1: %2</source>
        <translation>liegt bei %1: %2</translation>
    </message>
    <message>
        <source>left at %1: the undo journal cannot be written</source>
        <translation>liegt bei %1: das Protokoll des Widerrufens kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 records an undo, which cannot be undone</source>
        <translation>%1 protokolliert ein Widerrufen, das sich nicht widerrufen lässt</translation>
    </message>
    <message>
        <source>the run of %1 was undone already</source>
        <translation>der Durchgang von %1 wurde bereits widerrufen</translation>
    </message>
    <message>
        <source>the undo had to stop</source>
        <translation>das Widerrufen musste anhalten</translation>
    </message>
    <message>
        <source>the item was not brought back to %1</source>
        <translation>das Objekt wurde nicht nach %1 zurückgebracht</translation>
    </message>
</context>
<context>
    <name>JournalStore</name>
    <message>
        <source>cannot read the run journal %1: %2</source>
        <translation>das Protokoll %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>its last record is damaged</source>
        <translation>sein letzter Eintrag ist beschädigt</translation>
    </message>
    <message>
        <source>a record near its end is damaged</source>
        <translation>ein Eintrag nahe seinem Ende ist beschädigt</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>Zeile %1 ist beschädigt</translation>
    </message>
    <message>
        <source>it is not a Torvane run journal</source>
        <translation>es ist kein Protokoll von Torvane</translation>
    </message>
    <message>
        <source>it has version %1, which this Torvane cannot read</source>
        <translation>es hat Version %1, die dieses Torvane nicht lesen kann</translation>
    </message>
    <message>
        <source>its header is malformed</source>
        <translation>sein Kopf ist fehlerhaft</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>es ist leer</translation>
    </message>
    <message>
        <source>line %1 is not what can follow the lines before it</source>
        <translation>Zeile %1 passt nicht zu den Zeilen davor</translation>
    </message>
</context>
<context>
    <name>ListOptionsMenus</name>
    <message>
        <source>List</source>
        <translation>Auflisten</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
</context>
<context>
    <name>ListingMode</name>
    <message>
        <source>Do You Want to Disable File Renaming?</source>
        <translation>Möchten Sie das Umbenennen von Dateien deaktivieren?</translation>
    </message>
    <message>
        <source>Are you sure you want to rename folders only?</source>
        <translation>Möchten Sie wirklich nur Ordner umbenennen?</translation>
    </message>
    <message>
        <source>Disable File Renaming</source>
        <translation>Umbenennen von Dateien deaktivieren</translation>
    </message>
    <message>
        <source>Continue to List Files</source>
        <translation>Dateien weiter auflisten</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>NameValidation</name>
    <message>
        <source>Resulting filename is nil</source>
        <translation>Der neue Dateiname ist leer</translation>
    </message>
    <message>
        <source>Resulting filename would make the file invisible</source>
        <translation>Der neue Dateiname würde die Datei unsichtbar machen</translation>
    </message>
    <message>
        <source>Resulting filename is too long (%1 of %2 bytes)</source>
        <translation>Der neue Dateiname ist zu lang (%1 von %2 Byte)</translation>
    </message>
    <message>
        <source>Filename is not valid UTF-8</source>
        <translation>Der Dateiname ist kein gültiges UTF-8</translation>
    </message>
</context>
<context>
    <name>ProxyMenuWidget</name>
    <message>
        <source>Insert a token (Ctrl++)</source>
        <translation>Platzhalter einfügen (Strg++)</translation>
    </message>
    <message>
        <source>Proxies</source>
        <translation>Platzhalter</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&lt;p&gt;Torvane is built with these libraries (Qt %1, ICU %2):&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th align=&quot;left&quot;&gt;Library&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Used for&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Licence&lt;/th&gt;&lt;/tr&gt;%3&lt;/table&gt;&lt;p&gt;Torvane does not look for updates itself: your distribution&apos;s package manager keeps it up to date.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Torvane verwendet diese Bibliotheken (Qt %1, ICU %2):&lt;/p&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;&lt;tr&gt;&lt;th align=&quot;left&quot;&gt;Bibliothek&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Verwendet für&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Lizenz&lt;/th&gt;&lt;/tr&gt;%3&lt;/table&gt;&lt;p&gt;Torvane sucht nicht selbst nach Aktualisierungen: Die Paketverwaltung Ihrer Distribution hält es aktuell.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Numbers (1, 2, 3)</source>
        <translation>Zahlen (1, 2, 3)</translation>
    </message>
    <message>
        <source>Roman Numerals (I, II, III)</source>
        <translation>Römische Zahlen (I, II, III)</translation>
    </message>
    <message>
        <source>Roman Numerals (i, ii, iii)</source>
        <translation>Römische Zahlen (i, ii, iii)</translation>
    </message>
    <message>
        <source>Letters (A, B, C)</source>
        <translation>Buchstaben (A, B, C)</translation>
    </message>
    <message>
        <source>Letters (a, b, c)</source>
        <translation>Buchstaben (a, b, c)</translation>
    </message>
    <message>
        <source>Terms from a List</source>
        <translation>Begriffe aus einer Liste</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Token Settings Help</source>
        <translation>Hilfe zu den Platzhaltereinstellungen</translation>
    </message>
</context>
<context>
    <name>QuickPreview</name>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
</context>
<context>
    <name>RelayReception</name>
    <message>
        <source>Missing Droplet Configuration</source>
        <translation>Droplet-Konfiguration fehlt</translation>
    </message>
    <message>
        <source>Torvane is missing the externally stored configuration for this droplet. Please copy the following file from the user account that created the droplet and store it at the corresponding spot within your user directory:

(Their user directory)/%1

We apologize for the inconvenience. System security measures that were introduced in macOS 10.9.5 have made it imposible for newly created Torvane droplets to store their configurations internally.</source>
        <translation>Torvane fehlt die extern gespeicherte Konfiguration dieses Droplets. Bitte kopieren Sie die folgende Datei aus dem Benutzerkonto, das das Droplet erstellt hat, und legen Sie sie an der entsprechenden Stelle in Ihrem Benutzerordner ab:

(Deren Benutzerordner)/%1

Wir bitten um Entschuldigung. Sicherheitsmaßnahmen des Systems, die mit macOS 10.9.5 eingeführt wurden, machen es neu erstellten Torvane-Droplets unmöglich, ihre Konfiguration intern zu speichern.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RenameAlerts</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Objekte</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>Are you sure you want to do this again?</source>
        <translation>Möchten Sie das wirklich noch einmal tun?</translation>
    </message>
    <message>
        <source>You just used the exact same configuration.</source>
        <translation>Sie haben gerade genau dieselbe Konfiguration verwendet.</translation>
    </message>
    <message>
        <source>Rename Again</source>
        <translation>Erneut umbenennen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the filename extension from %1?</source>
        <translation>Möchten Sie die Endung von %1 wirklich entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the filename extensions from %1 files?</source>
        <translation>Möchten Sie die Endungen von %1 Dateien wirklich entfernen?</translation>
    </message>
    <message>
        <source>Files without filename extensions may not open properly.</source>
        <translation>Dateien ohne Endung lassen sich möglicherweise nicht richtig öffnen.</translation>
    </message>
    <message>
        <source>Rename and Remove Extension</source>
        <translation>Umbenennen und Endung entfernen</translation>
    </message>
    <message>
        <source>Some resulting filenames may not be what you expect them to be...</source>
        <translation>Einige neue Dateinamen sind vielleicht nicht so, wie Sie sie erwarten …</translation>
    </message>
    <message>
        <source>If you want to check before renaming, look for files with yellow indicator lights. Hover your mouse over them to see details.</source>
        <translation>Wenn Sie vor dem Umbenennen prüfen möchten, achten Sie auf Dateien mit gelber Statusanzeige. Zeigen Sie mit der Maus darauf, um Einzelheiten zu sehen.</translation>
    </message>
    <message>
        <source>Rename Anyway</source>
        <translation>Trotzdem umbenennen</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Do not show this message again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Stop?</source>
        <translation>Stoppen?</translation>
    </message>
    <message>
        <source>Stopping now will not undo processing steps that have already taken place.</source>
        <translation>Ein Stopp macht bereits ausgeführte Schritte nicht rückgängig.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Aren&apos;t these the files you are looking for?</source>
        <translation>Sind das nicht die Dateien, die Sie suchen?</translation>
    </message>
    <message>
        <source>Revert %1...</source>
        <translation>%1 zurücksetzen …</translation>
    </message>
    <message>
        <source>Revert %1 Items...</source>
        <translation>%1 Objekte zurücksetzen …</translation>
    </message>
    <message>
        <source>Revert %1 Files...</source>
        <translation>%1 Dateien zurücksetzen …</translation>
    </message>
    <message>
        <source>Revert %1 of %2 Items...</source>
        <translation>%1 von %2 Objekten zurücksetzen …</translation>
    </message>
    <message>
        <source>Revert %1 of %2 Files...</source>
        <translation>%1 von %2 Dateien zurücksetzen …</translation>
    </message>
    <message>
        <source>You can always try again, right?</source>
        <translation>Sie können es ja jederzeit noch einmal versuchen, oder?</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Cannot rename</source>
        <translation>Umbenennen nicht möglich</translation>
    </message>
    <message>
        <source>Torvane encountered the following error:

</source>
        <translation>In Torvane ist folgender Fehler aufgetreten:

</translation>
    </message>
    <message>
        <source>Nothing was renamed: another rename run is moving items in &quot;%1&quot;. Please try again when it has ended.</source>
        <translation>Es wurde nichts umbenannt: Ein anderer Umbenennungsdurchgang bewegt gerade Objekte in „%1“. Bitte versuchen Sie es erneut, wenn er beendet ist.</translation>
    </message>
    <message>
        <source>Reverted</source>
        <translation>Zurückgesetzt</translation>
    </message>
    <message>
        <source>Finished Renaming</source>
        <translation>Umbenennen abgeschlossen</translation>
    </message>
    <message>
        <source>%1 of %2 items</source>
        <translation>%1 von %2 Objekten</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 von %2 Dateien</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>%1 kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>This is most likely due to a failed attempt to ask the sandbox for renaming rights. Alternatively, there may be some other file permissions issue.

If you can rename %1 in your file manager while not being able to do so in Torvane, please let us know about it.</source>
        <translation>Vermutlich ist die Anfrage an die Sandbox nach Rechten zum Umbenennen gescheitert. Es kann aber auch ein anderes Problem mit Dateirechten vorliegen.

Wenn Sie %1 in Ihrer Dateiverwaltung umbenennen können, in Torvane aber nicht, teilen Sie uns das bitte mit.</translation>
    </message>
    <message>
        <source>This is most likely due to a file permissions issue. However, if you can rename %1 in your file manager while not being able to do so in Torvane, please let us know about it.</source>
        <translation>Vermutlich liegt ein Problem mit Dateirechten vor. Wenn Sie %1 in Ihrer Dateiverwaltung umbenennen können, in Torvane aber nicht, teilen Sie uns das bitte mit.</translation>
    </message>
</context>
<context>
    <name>RenameRunLoop</name>
    <message>
        <source>Renaming...</source>
        <translation>Umbenennen …</translation>
    </message>
    <message>
        <source>Renaming %1 (%2 of %3)</source>
        <translation>%1 wird umbenannt (%2 von %3)</translation>
    </message>
</context>
<context>
    <name>SelectionScript</name>
    <message>
        <source>There is no script to read the file manager&apos;s selection. Put an executable program at &quot;%1&quot; that prints the paths of the selected items, one per line.</source>
        <translation>Es gibt kein Skript, das die Auswahl der Dateiverwaltung liest. Legen Sie unter „%1“ ein ausführbares Programm ab, das die Pfade der ausgewählten Objekte ausgibt, einen pro Zeile.</translation>
    </message>
    <message>
        <source>The file manager selection script &quot;%1&quot; crashed.</source>
        <translation>Das Skript für die Auswahl der Dateiverwaltung „%1“ ist abgestürzt.</translation>
    </message>
    <message>
        <source>The file manager selection script &quot;%1&quot; failed with exit status %2.</source>
        <translation>Das Skript für die Auswahl der Dateiverwaltung „%1“ ist mit dem Status %2 gescheitert.</translation>
    </message>
    <message>
        <source>The file manager selection script &quot;%1&quot; is not executable; allow it to run (chmod +x).</source>
        <translation>Das Skript für die Auswahl der Dateiverwaltung „%1“ ist nicht ausführbar; erlauben Sie seine Ausführung (chmod +x).</translation>
    </message>
    <message>
        <source>The file manager selection script &quot;%1&quot; could not be started: %2</source>
        <translation>Das Skript für die Auswahl der Dateiverwaltung „%1“ konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The file manager selection script &quot;%1&quot; did not finish within %2 seconds.</source>
        <translation>Das Skript für die Auswahl der Dateiverwaltung „%1“ ist nicht innerhalb von %2 Sekunden fertig geworden.</translation>
    </message>
</context>
<context>
    <name>ServiceInstallation</name>
    <message>
        <source>cannot save service</source>
        <translation>Dienst kann nicht gesichert werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a service and is left as it is.</source>
        <translation>„%1“ ist kein Dienst und bleibt unverändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be removed.</source>
        <translation>„%1“ kann nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Activate</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>SnippetMenu</name>
    <message>
        <source>Snippets</source>
        <translation>Schnipsel</translation>
    </message>
    <message>
        <source>Create Snippet...</source>
        <translation>Schnipsel erstellen …</translation>
    </message>
    <message>
        <source>Create Snippet with Selection...</source>
        <translation>Schnipsel aus Auswahl erstellen …</translation>
    </message>
    <message>
        <source>Manage Snippets...</source>
        <translation>Schnipsel verwalten …</translation>
    </message>
    <message>
        <source>Snippet</source>
        <translation>Schnipsel</translation>
    </message>
    <message>
        <source>Save Snippet</source>
        <translation>Schnipsel sichern</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>SortMenu</name>
    <message>
        <source>Sort By</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Nach %1 sortieren</translation>
    </message>
    <message>
        <source>Sort by %1 (Descending)</source>
        <translation>Nach %1 sortieren (absteigend)</translation>
    </message>
    <message>
        <source>Sort by %1 (Ascending)</source>
        <translation>Nach %1 sortieren (aufsteigend)</translation>
    </message>
    <message>
        <source>List %1</source>
        <translation>%1 auflisten</translation>
    </message>
    <message>
        <source>Scan Folders Recursively</source>
        <translation>Ordner rekursiv durchsuchen</translation>
    </message>
    <message>
        <source>Ignore Folder Contents</source>
        <translation>Ordnerinhalte ignorieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Erstellungsdatum</translation>
    </message>
    <message>
        <source>Modification Date</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Don&apos;t Sort</source>
        <translation>Nicht sortieren</translation>
    </message>
    <message>
        <source>Files and Folders</source>
        <translation>Dateien und Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>StepMenus</name>
    <message>
        <source>from the start</source>
        <translation>vom Anfang</translation>
    </message>
    <message>
        <source>from the end</source>
        <translation>vom Ende</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>kleinbuchstaben</translation>
    </message>
    <message>
        <source>Capitalized Words</source>
        <translation>Wörter Mit Großem Anfangsbuchstaben</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Titelschreibweise</translation>
    </message>
    <message>
        <source>are made lower case</source>
        <translation>werden kleingeschrieben</translation>
    </message>
    <message>
        <source>are left as they are</source>
        <translation>bleiben unverändert</translation>
    </message>
    <message>
        <source>%1 at position %2 from the end</source>
        <translation>%1 an Position %2 vom Ende</translation>
    </message>
    <message>
        <source>%1 at position %2</source>
        <translation>%1 an Position %2</translation>
    </message>
</context>
<context>
    <name>TermsImportDialog</name>
    <message>
        <source>Reflect file changes automatically</source>
        <translation>Änderungen der Datei automatisch übernehmen</translation>
    </message>
    <message>
        <source>Import Terms</source>
        <translation>Begriffe importieren</translation>
    </message>
    <message>
        <source>Text and CSV files (*.txt *.csv)</source>
        <translation>Text- und CSV-Dateien (*.txt *.csv)</translation>
    </message>
</context>
<context>
    <name>UnfinishedRunOffer</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Its journal is %1.

%2</source>
        <translation>Sein Protokoll ist %1.

%2</translation>
    </message>
    <message>
        <source>The interrupted rename run cannot be finished</source>
        <translation>Der unterbrochene Umbenennungsdurchgang kann nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>%1 of %2 planned renames were made; the others were not, and the run is closed now.</source>
        <translation>%1 von %2 geplanten Umbenennungen wurden ausgeführt, die übrigen nicht; der Durchgang ist jetzt abgeschlossen.</translation>
    </message>
    <message>
        <source>The move that was under way was made: %1 is now %2.</source>
        <translation>Die laufende Verschiebung wurde ausgeführt: %1 ist jetzt %2.</translation>
    </message>
    <message>
        <source>%1, left under a temporary name, is now %2.</source>
        <translation>%1, das unter einem vorläufigen Namen zurückgeblieben war, ist jetzt %2.</translation>
    </message>
    <message>
        <source>Revert undoes the run.</source>
        <translation>„Zurücksetzen“ macht den Durchgang rückgängig.</translation>
    </message>
    <message>
        <source>The interrupted rename run is finished</source>
        <translation>Der unterbrochene Umbenennungsdurchgang ist abgeschlossen</translation>
    </message>
    <message>
        <source>%1 of %2 moves were taken back.</source>
        <translation>%1 von %2 Verschiebungen wurden zurückgenommen.</translation>
    </message>
    <message>
        <source>(and more; `torvane-cli revert` lists them all)</source>
        <translation>(und weitere; `torvane-cli revert` listet alle auf)</translation>
    </message>
    <message>
        <source>%1 stays at %2: %3</source>
        <translation>%1 bleibt unter %2: %3</translation>
    </message>
    <message>
        <source>The interrupted rename run is undone</source>
        <translation>Der unterbrochene Umbenennungsdurchgang ist rückgängig gemacht</translation>
    </message>
    <message>
        <source>The interrupted rename run is undone in part</source>
        <translation>Der unterbrochene Umbenennungsdurchgang ist teilweise rückgängig gemacht</translation>
    </message>
    <message>
        <source>An undo of a rename run was interrupted</source>
        <translation>Das Rückgängigmachen eines Umbenennungsdurchgangs wurde unterbrochen</translation>
    </message>
    <message>
        <source>The undo started %1 took back %2 of %3 renames before it stopped. Finish it to take back the rest, or leave it for later.

Its journal is %4.</source>
        <translation>Das am %1 begonnene Rückgängigmachen hat %2 von %3 Umbenennungen zurückgenommen, bevor es anhielt. Schließen Sie es ab, um den Rest zurückzunehmen, oder verschieben Sie es auf später.

Sein Protokoll ist %4.</translation>
    </message>
    <message>
        <source>Finish Undoing</source>
        <translation>Rückgängigmachen abschließen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>A rename run was interrupted</source>
        <translation>Ein Umbenennungsdurchgang wurde unterbrochen</translation>
    </message>
    <message>
        <source>The rename run started %1 made %2 of its %3 planned renames before it stopped.

Finish Run closes it as it stands: the move that was under way is completed, and it can be undone later. Undo Run takes every item back to its old name. Later leaves everything as it is and asks again next time.

Its journal is %4.</source>
        <translation>Der am %1 begonnene Umbenennungsdurchgang hat %2 seiner %3 geplanten Umbenennungen ausgeführt, bevor er anhielt.

„Durchgang abschließen“ schließt ihn im jetzigen Stand ab: Die laufende Verschiebung wird zu Ende geführt, und er lässt sich später rückgängig machen. „Durchgang rückgängig machen“ gibt jedem Objekt seinen alten Namen zurück. „Später“ lässt alles, wie es ist, und fragt beim nächsten Mal erneut.

Sein Protokoll ist %4.</translation>
    </message>
    <message>
        <source>Finish Run</source>
        <translation>Durchgang abschließen</translation>
    </message>
    <message>
        <source>Undo Run</source>
        <translation>Durchgang rückgängig machen</translation>
    </message>
    <message>
        <source>Some rename journals cannot be read</source>
        <translation>Einige Umbenennungsprotokolle können nicht gelesen werden</translation>
    </message>
    <message>
        <source>

They are left as they are, in %1.</source>
        <translation>

Sie bleiben unverändert in %1.</translation>
    </message>
</context>
<context>
    <name>ZKAboutWindow</name>
    <message>
        <source>About Torvane</source>
        <translation>Über Torvane</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Torvane&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Renames many files and folders at once, with a live preview of every new name.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;help&quot;&gt;Torvane Help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Torvane&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Benennt viele Dateien und Ordner auf einmal um, mit einer laufenden Vorschau jedes neuen Namens.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;help&quot;&gt;Torvane-Hilfe&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ZKAddPrefixEditor</name>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Text before the name</source>
        <translation>Text vor dem Namen</translation>
    </message>
</context>
<context>
    <name>ZKAddSuffixEditor</name>
    <message>
        <source>Suffix:</source>
        <translation>Suffix:</translation>
    </message>
    <message>
        <source>Text after the name</source>
        <translation>Text nach dem Namen</translation>
    </message>
    <message>
        <source>Before the extension</source>
        <translation>Vor der Endung</translation>
    </message>
    <message>
        <source>%1 before the extension</source>
        <translation>%1 vor der Endung</translation>
    </message>
</context>
<context>
    <name>ZKAdvancedEditor</name>
    <message>
        <source>Show Errors</source>
        <translation>Fehler zeigen</translation>
    </message>
    <message>
        <source>Prototype:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <source>Function Reference</source>
        <translation>Funktionsübersicht</translation>
    </message>
    <message>
        <source>Syntax Errors</source>
        <translation>Syntaxfehler</translation>
    </message>
</context>
<context>
    <name>ZKChangeCaseEditor</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Extension:</source>
        <translation>Endung:</translation>
    </message>
    <message>
        <source>Words of up to</source>
        <translation>Wörter mit bis zu</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Short words:</source>
        <translation>Kurze Wörter:</translation>
    </message>
    <message>
        <source>Name: %1, extension: %2</source>
        <translation>Name: %1, Endung: %2</translation>
    </message>
</context>
<context>
    <name>ZKCodeTextView</name>
    <message>
        <source>Shift Right</source>
        <translation>Nach rechts einrücken</translation>
    </message>
    <message>
        <source>Shift Left</source>
        <translation>Nach links ausrücken</translation>
    </message>
    <message>
        <source>Insert Laziness Indicator</source>
        <translation>Faulheitsmarke einfügen</translation>
    </message>
</context>
<context>
    <name>ZKComposeEditor</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Text and tokens that make the new name</source>
        <translation>Text und Platzhalter, die den neuen Namen bilden</translation>
    </message>
    <message>
        <source>Preserve extension</source>
        <translation>Endung beibehalten</translation>
    </message>
    <message>
        <source>%1 with the extension</source>
        <translation>%1 mit Endung</translation>
    </message>
</context>
<context>
    <name>ZKConfigurationCollectionView</name>
    <message>
        <source>Add a renaming step</source>
        <translation>Umbenennungsschritt hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected renaming steps</source>
        <translation>Ausgewählte Umbenennungsschritte löschen</translation>
    </message>
    <message>
        <source>Duplicate Renaming Step</source>
        <translation>Umbenennungsschritt duplizieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>ZKControllingDragView</name>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Actions for the selected items</source>
        <translation>Aktionen für die ausgewählten Objekte</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Receiving dragged items...</source>
        <translation>Gezogene Objekte werden übernommen …</translation>
    </message>
    <message>
        <source>Receiving dragged items (%1 of %2)</source>
        <translation>Gezogene Objekte werden übernommen (%1 von %2)</translation>
    </message>
    <message>
        <source>Create Droplet</source>
        <translation>Droplet erstellen</translation>
    </message>
    <message>
        <source>The droplet cannot be created.</source>
        <translation>Das Droplet kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Create Service</source>
        <translation>Dienst erstellen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>The service cannot be created.</source>
        <translation>Der Dienst kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Remove Service</source>
        <translation>Dienst entfernen</translation>
    </message>
    <message>
        <source>The service cannot be removed.</source>
        <translation>Der Dienst kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The configuration &quot;%1&quot; cannot be opened.</source>
        <translation>Die Konfiguration „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Torvane cannot read the file manager&apos;s selection.</source>
        <translation>Torvane kann die Auswahl der Dateiverwaltung nicht lesen.</translation>
    </message>
</context>
<context>
    <name>ZKFileList</name>
    <message>
        <source>Show in File Manager</source>
        <translation>In der Dateiverwaltung zeigen</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>ZKFileRepresentation</name>
    <message>
        <source>%1 (via %2)</source>
        <translation>%1 (über %2)</translation>
    </message>
    <message>
        <source>%1 - Error: %2</source>
        <translation>%1 - Fehler: %2</translation>
    </message>
    <message>
        <source>%1 - Warning: %2</source>
        <translation>%1 - Warnung: %2</translation>
    </message>
    <message>
        <source>Current filename: </source>
        <translation>Aktueller Dateiname: </translation>
    </message>
    <message>
        <source>Interim filename: </source>
        <translation>Vorläufiger Dateiname: </translation>
    </message>
    <message>
        <source>Rename to: </source>
        <translation>Umbenennen in: </translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>Will not be renamed</source>
        <translation>Wird nicht umbenannt</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Fehler: </translation>
    </message>
</context>
<context>
    <name>ZKFindAndReplaceEditor</name>
    <message>
        <source>Text to find</source>
        <translation>Zu suchender Text</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <source>Replacement</source>
        <translation>Ersatz</translation>
    </message>
    <message>
        <source>Ignore case</source>
        <translation>Groß-/Kleinschreibung ignorieren</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Preserve extension</source>
        <translation>Endung beibehalten</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 durch %2</translation>
    </message>
    <message>
        <source>No regular expression</source>
        <translation>Kein regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Valid regular expression</source>
        <translation>Gültiger regulärer Ausdruck</translation>
    </message>
</context>
<context>
    <name>ZKHelpManager</name>
    <message>
        <source>(No Value)</source>
        <translation>(Kein Wert)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>That didn&apos;t do anything</source>
        <translation>Das hat nichts bewirkt</translation>
    </message>
    <message>
        <source>%1 was already set to %2.</source>
        <translation>%1 war bereits auf %2 gesetzt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>User default updated</source>
        <translation>Einstellung geändert</translation>
    </message>
    <message>
        <source>%1 is now set to %2.</source>
        <translation>%1 ist jetzt auf %2 gesetzt.</translation>
    </message>
    <message>
        <source>Revert to %1</source>
        <translation>Auf %1 zurücksetzen</translation>
    </message>
</context>
<context>
    <name>ZKHelpWindow</name>
    <message>
        <source>Torvane Help</source>
        <translation>Torvane-Hilfe</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages are not installed.&lt;/p&gt;&lt;p&gt;Torvane looks for them in %1 and in the folder &quot;help&quot; of %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfeseiten sind nicht installiert.&lt;/p&gt;&lt;p&gt;Torvane sucht sie in %1 und im Ordner „help“ von %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Search Help</source>
        <translation>Hilfe durchsuchen</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n matches)</source>
        <translation>
            <numerusform>%1 (%n Treffer)</numerusform>
            <numerusform>%1 (%n Treffer)</numerusform>
        </translation>
    </message>
    <message>
        <source>No pages found</source>
        <translation>Keine Seiten gefunden</translation>
    </message>
</context>
<context>
    <name>ZKHistorian</name>
    <message>
        <source>Not Used Yet</source>
        <translation>Noch nicht verwendet</translation>
    </message>
    <message>
        <source>Used Once</source>
        <translation>Einmal verwendet</translation>
    </message>
    <message>
        <source>Used Twice</source>
        <translation>Zweimal verwendet</translation>
    </message>
    <message>
        <source>Used %1 Times</source>
        <translation>%1-mal verwendet</translation>
    </message>
    <message>
        <source>Clear History?</source>
        <translation>Verlauf löschen?</translation>
    </message>
    <message>
        <source>You cannot undo a History purge.</source>
        <translation>Das Löschen des Verlaufs lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>History is disabled.</source>
        <translation>Der Verlauf ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>History is empty.</source>
        <translation>Der Verlauf ist leer.</translation>
    </message>
    <message>
        <source>Start renaming!</source>
        <translation>Legen Sie los!</translation>
    </message>
    <message>
        <source>%1 (%2 of %3)</source>
        <translation>%1 (%2 von %3)</translation>
    </message>
    <message>
        <source>Latest</source>
        <translation>Neueste</translation>
    </message>
    <message>
        <source>Last used: %1</source>
        <translation>Zuletzt verwendet: %1</translation>
    </message>
    <message>
        <source>Preset Already Exists</source>
        <translation>Vorlage existiert bereits</translation>
    </message>
    <message>
        <source>You already have a preset named &quot;%1&quot;. What would you like to do?</source>
        <translation>Sie haben bereits eine Vorlage namens „%1“. Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Replace Preset</source>
        <translation>Vorlage ersetzen</translation>
    </message>
    <message>
        <source>Keep Both Presets</source>
        <translation>Beide Vorlagen behalten</translation>
    </message>
    <message>
        <source>Snippet Already Exists</source>
        <translation>Schnipsel existiert bereits</translation>
    </message>
    <message>
        <source>You already have a snippet named &quot;%1&quot;. What would you like to do?</source>
        <translation>Sie haben bereits einen Schnipsel namens „%1“. Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Replace Snippet</source>
        <translation>Schnipsel ersetzen</translation>
    </message>
    <message>
        <source>Keep Both Snippets</source>
        <translation>Beide Schnipsel behalten</translation>
    </message>
</context>
<context>
    <name>ZKHistoryBar</name>
    <message>
        <source>Ignore Command-Arrow Key Combos</source>
        <translation>Strg-Pfeiltasten ignorieren</translation>
    </message>
</context>
<context>
    <name>ZKInsertEditor</name>
    <message>
        <source>Insert:</source>
        <translation>Einfügen:</translation>
    </message>
    <message>
        <source>Text to insert</source>
        <translation>Einzufügender Text</translation>
    </message>
    <message>
        <source>At position:</source>
        <translation>An Position:</translation>
    </message>
</context>
<context>
    <name>ZKLazySequenceProxyField</name>
    <message>
        <source>Insert Laziness Indicator</source>
        <translation>Faulheitsmarke einfügen</translation>
    </message>
</context>
<context>
    <name>ZKLogViewer</name>
    <message>
        <source>Debug Logging</source>
        <translation>Debug-Protokoll</translation>
    </message>
    <message>
        <source>Torvane Log</source>
        <translation>Torvane-Protokoll</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>%1 of %2 lines read from %3</source>
        <translation>%1 von %2 Zeilen aus %3 gelesen</translation>
    </message>
    <message>
        <source>Nothing has been logged yet (%1).</source>
        <translation>Bisher wurde nichts protokolliert (%1).</translation>
    </message>
    <message>
        <source>%1 lines read from %2</source>
        <translation>%1 Zeilen aus %2 gelesen</translation>
    </message>
</context>
<context>
    <name>ZKMainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen …</translation>
    </message>
    <message>
        <source>Create Droplet...</source>
        <translation>Droplet erstellen …</translation>
    </message>
    <message>
        <source>Create Service...</source>
        <translation>Dienst erstellen …</translation>
    </message>
    <message>
        <source>Remove Service...</source>
        <translation>Dienst entfernen …</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Quit Torvane</source>
        <translation>Torvane beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Show Interim Names</source>
        <translation>Vorläufige Namen zeigen</translation>
    </message>
    <message>
        <source>List Options</source>
        <translation>Listenoptionen</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>List Layout</source>
        <translation>Listendarstellung</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Always Show Large Icons</source>
        <translation>Immer große Symbole zeigen</translation>
    </message>
    <message>
        <source>Show Icon Previews</source>
        <translation>Symbolvorschau zeigen</translation>
    </message>
    <message>
        <source>Show Whitespace</source>
        <translation>Leerraum zeigen</translation>
    </message>
    <message>
        <source>Allow File Selection</source>
        <translation>Dateiauswahl erlauben</translation>
    </message>
    <message>
        <source>&amp;Steps</source>
        <translation>&amp;Schritte</translation>
    </message>
    <message>
        <source>Add Renaming Step</source>
        <translation>Umbenennungsschritt hinzufügen</translation>
    </message>
    <message>
        <source>Delete Selected Steps</source>
        <translation>Ausgewählte Schritte löschen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Revert...</source>
        <translation>Zurücksetzen …</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Torvane Help</source>
        <translation>Torvane-Hilfe</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>Protokoll zeigen</translation>
    </message>
    <message>
        <source>Debug Logging</source>
        <translation>Debug-Protokoll</translation>
    </message>
    <message>
        <source>About Torvane</source>
        <translation>Über Torvane</translation>
    </message>
</context>
<context>
    <name>ZKMetaDataType</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Endung</translation>
    </message>
    <message>
        <source>.Extension</source>
        <translation>.Endung</translation>
    </message>
    <message>
        <source>Name.Extension</source>
        <translation>Name.Endung</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Ursprünglicher Name</translation>
    </message>
    <message>
        <source>Original Extension</source>
        <translation>Ursprüngliche Endung</translation>
    </message>
    <message>
        <source>Original .Extension</source>
        <translation>Ursprüngliche .Endung</translation>
    </message>
    <message>
        <source>Original Name.Extension</source>
        <translation>Ursprünglicher Name.Endung</translation>
    </message>
    <message>
        <source>Original Display Name</source>
        <translation>Ursprünglicher Anzeigename</translation>
    </message>
    <message>
        <source>Common Prefix</source>
        <translation>Gemeinsamer Anfang</translation>
    </message>
    <message>
        <source>Name of Parent Folder</source>
        <translation>Name des übergeordneten Ordners</translation>
    </message>
    <message>
        <source>File Creation Date</source>
        <translation>Erstellungsdatum der Datei</translation>
    </message>
    <message>
        <source>File Modification Date</source>
        <translation>Änderungsdatum der Datei</translation>
    </message>
    <message>
        <source>Content Creation Date</source>
        <translation>Erstellungsdatum des Inhalts</translation>
    </message>
    <message>
        <source>Content Modification Date</source>
        <translation>Änderungsdatum des Inhalts</translation>
    </message>
    <message>
        <source>Metadata Modification Date</source>
        <translation>Änderungsdatum der Metadaten</translation>
    </message>
    <message>
        <source>Last Used Date</source>
        <translation>Zuletzt benutzt</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Bundle Identifier</source>
        <translation>Bundle-Kennung</translation>
    </message>
    <message>
        <source>Content Type</source>
        <translation>Inhaltstyp</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Number of Items</source>
        <translation>Anzahl der Objekte</translation>
    </message>
    <message>
        <source>Number of Items in Parent Folder</source>
        <translation>Anzahl der Objekte im übergeordneten Ordner</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <source>Finder Comment</source>
        <translation>Finder-Kommentar</translation>
    </message>
    <message>
        <source>Spotlight Comment</source>
        <translation>Spotlight-Kommentar</translation>
    </message>
    <message>
        <source>Generic Comment</source>
        <translation>Allgemeiner Kommentar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Custom Icon</source>
        <translation>Eigenes Symbol</translation>
    </message>
    <message>
        <source>Extension Hidden</source>
        <translation>Endung ausgeblendet</translation>
    </message>
    <message>
        <source>Invisible</source>
        <translation>Unsichtbar</translation>
    </message>
    <message>
        <source>Stationery</source>
        <translation>Formularblock</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Number of Pixels</source>
        <translation>Anzahl der Pixel</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>Farbraum</translation>
    </message>
    <message>
        <source>Color Profile</source>
        <translation>Farbprofil</translation>
    </message>
    <message>
        <source>Bits per Sample</source>
        <translation>Bits pro Sample</translation>
    </message>
    <message>
        <source>Layer Names</source>
        <translation>Ebenennamen</translation>
    </message>
    <message>
        <source>Alpha Channel</source>
        <translation>Alphakanal</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Exposure Mode</source>
        <translation>Belichtungsmodus</translation>
    </message>
    <message>
        <source>Exposure Program</source>
        <translation>Belichtungsprogramm</translation>
    </message>
    <message>
        <source>Exposure Time in Seconds</source>
        <translation>Belichtungszeit in Sekunden</translation>
    </message>
    <message>
        <source>Exposure Time</source>
        <translation>Belichtungszeit</translation>
    </message>
    <message>
        <source>Flash On/Off</source>
        <translation>Blitz ein/aus</translation>
    </message>
    <message>
        <source>F-Number</source>
        <translation>Blendenzahl</translation>
    </message>
    <message>
        <source>Focal Length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>ISO Speed</source>
        <translation>ISO-Empfindlichkeit</translation>
    </message>
    <message>
        <source>Maximum Aperture</source>
        <translation>Größte Blendenöffnung</translation>
    </message>
    <message>
        <source>Metering Mode</source>
        <translation>Messmethode</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Red Eye Reduction</source>
        <translation>Rote-Augen-Reduzierung</translation>
    </message>
    <message>
        <source>Resolution Width</source>
        <translation>Horizontale Auflösung</translation>
    </message>
    <message>
        <source>Resolution Height</source>
        <translation>Vertikale Auflösung</translation>
    </message>
    <message>
        <source>White Balance</source>
        <translation>Weißabgleich</translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Object Direction</source>
        <translation>Bewegungsrichtung</translation>
    </message>
    <message>
        <source>Image Direction</source>
        <translation>Aufnahmerichtung</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>EXIF Version</source>
        <translation>EXIF-Version</translation>
    </message>
    <message>
        <source>EXIF GPS Version</source>
        <translation>EXIF-GPS-Version</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Track Number</source>
        <translation>Titelnummer</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Composer</source>
        <translation>Komponist</translation>
    </message>
    <message>
        <source>Lyricist</source>
        <translation>Texter</translation>
    </message>
    <message>
        <source>Musical Genre</source>
        <translation>Musikgenre</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tonart</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Time Signature</source>
        <translation>Taktart</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Instrument Category</source>
        <translation>Instrumentenkategorie</translation>
    </message>
    <message>
        <source>Recording Date</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>Recording Year</source>
        <translation>Aufnahmejahr</translation>
    </message>
    <message>
        <source>Audio Bit Rate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>Number of Channels</source>
        <translation>Anzahl der Kanäle</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Is General MIDI Sequence</source>
        <translation>General-MIDI-Sequenz</translation>
    </message>
    <message>
        <source>Encoding Application</source>
        <translation>Kodierprogramm</translation>
    </message>
    <message>
        <source>Loop Info</source>
        <translation>Loop-Info</translation>
    </message>
    <message>
        <source>Loop Filter Type</source>
        <translation>Loop-Filtertyp</translation>
    </message>
    <message>
        <source>Loop Mode</source>
        <translation>Loop-Modus</translation>
    </message>
    <message>
        <source>Loop Key</source>
        <translation>Loop-Tonart</translation>
    </message>
    <message>
        <source>Performers</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
    </message>
    <message>
        <source>Producer</source>
        <translation>Produktion</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Media Types</source>
        <translation>Medientypen</translation>
    </message>
    <message>
        <source>Codecs</source>
        <translation>Codecs</translation>
    </message>
    <message>
        <source>Video Bit Rate</source>
        <translation>Video-Bitrate</translation>
    </message>
    <message>
        <source>Total Bit Rate</source>
        <translation>Gesamtbitrate</translation>
    </message>
    <message>
        <source>Delivery Type</source>
        <translation>Auslieferungsart</translation>
    </message>
    <message>
        <source>Streamable</source>
        <translation>Streamfähig</translation>
    </message>
    <message>
        <source>Original Format</source>
        <translation>Ursprüngliches Format</translation>
    </message>
    <message>
        <source>Original Source</source>
        <translation>Ursprüngliche Quelle</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe über dem Meer</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>State/Province</source>
        <translation>Bundesland/Provinz</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Audiences</source>
        <translation>Zielgruppen</translation>
    </message>
    <message>
        <source>Contributors</source>
        <translation>Beitragende</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Participants</source>
        <translation>Teilnehmer</translation>
    </message>
    <message>
        <source>Projects</source>
        <translation>Projekte</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>Verlage</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Telefonnummern</translation>
    </message>
    <message>
        <source>Instant Message Addresses</source>
        <translation>Chat-Adressen</translation>
    </message>
    <message>
        <source>Email Addresses</source>
        <translation>E-Mail-Adressen</translation>
    </message>
    <message>
        <source>Author Addresses</source>
        <translation>Adressen der Autoren</translation>
    </message>
    <message>
        <source>Author Email Addresses</source>
        <translation>E-Mail-Adressen der Autoren</translation>
    </message>
    <message>
        <source>Recipient Addresses</source>
        <translation>Adressen der Empfänger</translation>
    </message>
    <message>
        <source>Recipient Email Addresses</source>
        <translation>E-Mail-Adressen der Empfänger</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Geltungsbereich</translation>
    </message>
    <message>
        <source>Creator Application</source>
        <translation>Erstellungsprogramm</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Fälligkeitsdatum</translation>
    </message>
    <message>
        <source>Encoding Applications</source>
        <translation>Kodierprogramme</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Headline</source>
        <translation>Überschrift</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anweisungen</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Number of Pages</source>
        <translation>Anzahl der Seiten</translation>
    </message>
    <message>
        <source>Organizations</source>
        <translation>Organisationen</translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Page Height</source>
        <translation>Seitenhöhe</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Rights</source>
        <translation>Rechte</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Text Content</source>
        <translation>Textinhalt</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Total Number of Items</source>
        <translation>Gesamtzahl der Objekte</translation>
    </message>
    <message>
        <source>Current Date</source>
        <translation>Aktuelles Datum</translation>
    </message>
    <message>
        <source>Random Characters</source>
        <translation>Zufällige Zeichen</translation>
    </message>
    <message>
        <source>Metadata</source>
        <translation>Metadaten</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Miscellany</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>(Unknown)</source>
        <translation>(Unbekannt)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Name of Ancestor Folder</source>
        <translation>Name des höheren Ordners</translation>
    </message>
    <message>
        <source>Number of Items in Ancestor Folder</source>
        <translation>Anzahl der Objekte im höheren Ordner</translation>
    </message>
    <message>
        <source>Start typing...</source>
        <translation>Zum Suchen tippen …</translation>
    </message>
    <message>
        <source>Proxies</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>Keep typing...</source>
        <translation>Weiter tippen …</translation>
    </message>
    <message>
        <source>There are no matches.</source>
        <translation>Keine Treffer.</translation>
    </message>
</context>
<context>
    <name>ZKOperationEditor</name>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
</context>
<context>
    <name>ZKPreferencesWindow</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>Names and Steps</source>
        <translation>Namen und Schritte</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>List the File Manager&apos;s Selection</source>
        <translation>Auswahl der Dateiverwaltung auflisten</translation>
    </message>
    <message>
        <source>Show the Open Dialog</source>
        <translation>Den Öffnen-Dialog zeigen</translation>
    </message>
    <message>
        <source>Start with Default Settings</source>
        <translation>Mit Standardeinstellungen beginnen</translation>
    </message>
    <message>
        <source>The file manager&apos;s selection is read by the executable &quot;File Manager Selection&quot; in the Scripts folder of Torvane&apos;s data folder, which prints one path per line.</source>
        <translation>Die Auswahl der Dateiverwaltung liest das ausführbare Programm „File Manager Selection“ im Ordner „Scripts“ von Torvanes Datenordner; es gibt einen Pfad pro Zeile aus.</translation>
    </message>
    <message>
        <source>At launch:</source>
        <translation>Beim Start:</translation>
    </message>
    <message>
        <source>Quit When Closed</source>
        <translation>Beim Schließen beenden</translation>
    </message>
    <message>
        <source>Ask Before Renaming</source>
        <translation>Vor dem Umbenennen fragen</translation>
    </message>
    <message>
        <source>Clear List After Renaming</source>
        <translation>Liste nach dem Umbenennen leeren</translation>
    </message>
    <message>
        <source>Quit After Renaming</source>
        <translation>Nach dem Umbenennen beenden</translation>
    </message>
    <message>
        <source>Don&apos;t Ask Before Listing Only Folders</source>
        <translation>Nicht fragen, bevor nur Ordner aufgelistet werden</translation>
    </message>
    <message>
        <source>Shift-Drag To Add Files</source>
        <translation>Mit Umschalttaste ziehen, um Dateien hinzuzufügen</translation>
    </message>
    <message>
        <source>Copy CSV Names</source>
        <translation>Namen als CSV kopieren</translation>
    </message>
    <message>
        <source>Allow File Selection</source>
        <translation>Dateiauswahl erlauben</translation>
    </message>
    <message>
        <source>Show Icon Previews</source>
        <translation>Symbolvorschau zeigen</translation>
    </message>
    <message>
        <source>Always Show Large Icons</source>
        <translation>Immer große Symbole zeigen</translation>
    </message>
    <message>
        <source>Show Whitespace</source>
        <translation>Leerraum zeigen</translation>
    </message>
    <message>
        <source>Show Clear List Button</source>
        <translation>Schaltfläche „Liste leeren“ zeigen</translation>
    </message>
    <message>
        <source>Show Action Button</source>
        <translation>Aktionsschaltfläche zeigen</translation>
    </message>
    <message>
        <source>Read Drops as Names and Text</source>
        <translation>Abgelegtes als Namen und Text lesen</translation>
    </message>
    <message>
        <source>Ignore Invisible Files</source>
        <translation>Unsichtbare Dateien ignorieren</translation>
    </message>
    <message>
        <source>Ignore Symbolic Links</source>
        <translation>Symbolische Verknüpfungen ignorieren</translation>
    </message>
    <message>
        <source>Ignore Trailing Gibberish in the Common Prefix</source>
        <translation>Zeichensalat am Ende des gemeinsamen Präfixes ignorieren</translation>
    </message>
    <message>
        <source>Ignore Whitespace in Regular Expressions (Free-Spacing)</source>
        <translation>Leerraum in regulären Ausdrücken ignorieren (Free-Spacing)</translation>
    </message>
    <message>
        <source>Number Names That Would Not Be Unique (Auto-Uniqueify)</source>
        <translation>Nicht eindeutige Namen nummerieren (automatisch eindeutig machen)</translation>
    </message>
    <message>
        <source>Always Select Added Steps</source>
        <translation>Hinzugefügte Schritte immer auswählen</translation>
    </message>
    <message>
        <source>Disable Removed Renamers Stack</source>
        <translation>Stapel der entfernten Schritte ausschalten</translation>
    </message>
    <message>
        <source>Round Lights</source>
        <translation>Runde Statusanzeigen</translation>
    </message>
    <message>
        <source>Arrows While Showing Interim Names</source>
        <translation>Pfeile bei vorläufigen Namen</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Pfeile</translation>
    </message>
    <message>
        <source>Status lights:</source>
        <translation>Statusanzeigen:</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Schlicht</translation>
    </message>
    <message>
        <source>Striped Rows</source>
        <translation>Gestreifte Zeilen</translation>
    </message>
    <message>
        <source>List theme:</source>
        <translation>Listenstil:</translation>
    </message>
    <message>
        <source>List Path Finder&apos;s Selection</source>
        <translation>Auswahl von Path Finder auflisten</translation>
    </message>
    <message>
        <source>Presets and History</source>
        <translation>Vorlagen und Verlauf</translation>
    </message>
    <message>
        <source>Always Left-Align Operations Menu</source>
        <translation>Operationsmenü immer links ausrichten</translation>
    </message>
    <message>
        <source>Presets and snippets:</source>
        <translation>Vorlagen und Schnipsel:</translation>
    </message>
    <message>
        <source>Include Presets and Snippets in Subfolders</source>
        <translation>Vorlagen und Schnipsel in Unterordnern einbeziehen</translation>
    </message>
    <message>
        <source>Store Irrelevant Settings</source>
        <translation>Nicht relevante Einstellungen speichern</translation>
    </message>
    <message>
        <source>Click on the Icon</source>
        <translation>Klick auf das Symbol</translation>
    </message>
    <message>
        <source>Second Click on a Selected Row</source>
        <translation>Zweiter Klick auf eine ausgewählte Zeile</translation>
    </message>
    <message>
        <source>Quick preview:</source>
        <translation>Schnellvorschau:</translation>
    </message>
    <message>
        <source>Second click opens the quick preview window.</source>
        <translation>Ein zweiter Klick öffnet das Schnellvorschaufenster.</translation>
    </message>
    <message>
        <source>Click icon to open the quick preview window.</source>
        <translation>Klicken Sie auf das Symbol, um das Schnellvorschaufenster zu öffnen.</translation>
    </message>
</context>
<context>
    <name>ZKPromptDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ZKRemoveEditor</name>
    <message>
        <source>Remove:</source>
        <translation>Entfernen:</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Starting at:</source>
        <translation>Ab:</translation>
    </message>
    <message numerus="yes">
        <source>%n character(s)</source>
        <translation>
            <numerusform>%n Zeichen</numerusform>
            <numerusform>%n Zeichen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZKRenameButton</name>
    <message>
        <source>Rename 8888 of 8888 Files...</source>
        <translation>8888 von 8888 Dateien umbenennen …</translation>
    </message>
</context>
<context>
    <name>ZKRenameButtonState</name>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
</context>
<context>
    <name>ZKRenamer</name>
    <message>
        <source>Find and Replace</source>
        <translation>Suchen und Ersetzen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Add Prefix</source>
        <translation>Präfix hinzufügen</translation>
    </message>
    <message>
        <source>Add Suffix</source>
        <translation>Suffix hinzufügen</translation>
    </message>
    <message>
        <source>Compose</source>
        <translation>Zusammensetzen</translation>
    </message>
    <message>
        <source>Change Case</source>
        <translation>Groß-/Kleinschreibung ändern</translation>
    </message>
    <message>
        <source>Set Extension</source>
        <translation>Endung festlegen</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Folge</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
</context>
<context>
    <name>ZKRenamerSettingsView</name>
    <message>
        <source>Drag to reorder the steps</source>
        <translation>Ziehen, um die Schritte neu anzuordnen</translation>
    </message>
    <message>
        <source>Show or hide the settings (Shift: all steps)</source>
        <translation>Einstellungen ein- oder ausblenden (Umschalttaste: alle Schritte)</translation>
    </message>
</context>
<context>
    <name>ZKRenamingController</name>
    <message>
        <source>Show Interim Name</source>
        <translation>Vorläufigen Namen zeigen</translation>
    </message>
    <message>
        <source>Show Interim Names</source>
        <translation>Vorläufige Namen zeigen</translation>
    </message>
    <message>
        <source>[prompt] requires user input</source>
        <translation>[prompt] erfordert eine Eingabe</translation>
    </message>
    <message>
        <source>Resulting filename isn&apos;t unique</source>
        <translation>Der neue Dateiname ist nicht eindeutig</translation>
    </message>
    <message>
        <source>Resulting filename wouldn&apos;t be unique</source>
        <translation>Der neue Dateiname wäre nicht eindeutig</translation>
    </message>
    <message>
        <source>Torvane will not rename files from your %1 library</source>
        <translation>Torvane benennt keine Dateien aus Ihrer %1-Mediathek um</translation>
    </message>
    <message>
        <source>Renaming files that are part of your %1 library can damage the accompanying database&apos;s integrity.

If you&apos;re sure you want to rename these files, we&apos;d suggest either doing so within %1 or copying them to a safe place -- e.g., your Desktop -- first.</source>
        <translation>Das Umbenennen von Dateien aus Ihrer %1-Mediathek kann die zugehörige Datenbank beschädigen.

Wenn Sie diese Dateien wirklich umbenennen möchten, tun Sie das am besten in %1 selbst oder kopieren Sie sie zuerst an einen sicheren Ort – z. B. auf Ihren Schreibtisch.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Building list...</source>
        <translation>Liste wird aufgebaut …</translation>
    </message>
    <message>
        <source>Scanning %1</source>
        <translation>%1 wird durchsucht</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Rename %1 Items</source>
        <translation>%1 Objekte umbenennen</translation>
    </message>
    <message>
        <source>Rename %1 Files</source>
        <translation>%1 Dateien umbenennen</translation>
    </message>
    <message>
        <source>Rename %1 of %2 Items</source>
        <translation>%1 von %2 Objekten umbenennen</translation>
    </message>
    <message>
        <source>Rename %1 of %2 Files</source>
        <translation>%1 von %2 Dateien umbenennen</translation>
    </message>
    <message>
        <source>Populating...</source>
        <translation>Liste wird gefüllt …</translation>
    </message>
    <message>
        <source>There is nothing to rename.</source>
        <translation>Es gibt nichts umzubenennen.</translation>
    </message>
    <message>
        <source>Updating list...</source>
        <translation>Liste wird aktualisiert …</translation>
    </message>
    <message>
        <source>Revert...</source>
        <translation>Zurücksetzen …</translation>
    </message>
    <message>
        <source>Settings do not apply.</source>
        <translation>Die Einstellungen greifen nicht.</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen …</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Nothing to Rename</source>
        <translation>Nichts umzubenennen</translation>
    </message>
    <message>
        <source>This droplet doesn&apos;t apply</source>
        <translation>Dieses Droplet greift nicht</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1 …</translation>
    </message>
</context>
<context>
    <name>ZKSequenceEditor</name>
    <message>
        <source>Sequence:</source>
        <translation>Folge:</translation>
    </message>
    <message>
        <source>Digits:</source>
        <translation>Stellen:</translation>
    </message>
    <message>
        <source>Terms:</source>
        <translation>Begriffe:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Text before the value</source>
        <translation>Text vor dem Wert</translation>
    </message>
    <message>
        <source>Suffix:</source>
        <translation>Suffix:</translation>
    </message>
    <message>
        <source>Text after the value</source>
        <translation>Text nach dem Wert</translation>
    </message>
    <message>
        <source>Counts each identifier&apos;s files on their own</source>
        <translation>Zählt die Dateien jeder Kennung für sich</translation>
    </message>
    <message>
        <source>Identifier:</source>
        <translation>Kennung:</translation>
    </message>
    <message>
        <source>Preserve extension</source>
        <translation>Endung beibehalten</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Beginnen bei:</translation>
    </message>
    <message>
        <source>Step:</source>
        <translation>Schrittweite:</translation>
    </message>
    <message>
        <source>Lazy</source>
        <translation>Faul</translation>
    </message>
    <message>
        <source>A lazy identifier leaves groups of one file without a value</source>
        <translation>Eine faule Kennung lässt Gruppen aus nur einer Datei ohne Wert</translation>
    </message>
    <message>
        <source>terms from “%1”</source>
        <translation>Begriffe aus „%1“</translation>
    </message>
    <message>
        <source>terms “%1”</source>
        <translation>Begriffe „%1“</translation>
    </message>
    <message>
        <source>%1 from %2 by %3</source>
        <translation>%1 ab %2 in Schritten von %3</translation>
    </message>
</context>
<context>
    <name>ZKSetExtensionEditor</name>
    <message>
        <source>Extension:</source>
        <translation>Endung:</translation>
    </message>
    <message>
        <source>New extension, empty to remove it</source>
        <translation>Neue Endung, leer zum Entfernen</translation>
    </message>
    <message>
        <source>Only replace an existing extension</source>
        <translation>Nur eine vorhandene Endung ersetzen</translation>
    </message>
</context>
<context>
    <name>ZKTextFileReadingTextField</name>
    <message>
        <source>One term per line, or terms separated by commas</source>
        <translation>Ein Begriff pro Zeile oder durch Kommas getrennte Begriffe</translation>
    </message>
    <message>
        <source>Reflecting “%1”</source>
        <translation>Folgt „%1“</translation>
    </message>
    <message>
        <source>Import Terms</source>
        <translation>Begriffe importieren</translation>
    </message>
    <message>
        <source>The terms cannot be imported from “%1”.</source>
        <translation>Die Begriffe können nicht aus „%1“ importiert werden.</translation>
    </message>
    <message>
        <source>The file cannot be read as text. The terms are unchanged.</source>
        <translation>Die Datei kann nicht als Text gelesen werden. Die Begriffe bleiben unverändert.</translation>
    </message>
    <message>
        <source>“%1” can no longer be read; the terms stay as they were.</source>
        <translation>„%1“ kann nicht mehr gelesen werden; die Begriffe bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source>The terms follow “%1”. Typing here stops that.</source>
        <translation>Die Begriffe folgen „%1“. Eine Eingabe hier beendet das.</translation>
    </message>
    <message>
        <source>Import terms (now reflecting “%1”)</source>
        <translation>Begriffe importieren (folgt jetzt „%1“)</translation>
    </message>
    <message>
        <source>Import terms from a text or CSV file</source>
        <translation>Begriffe aus einer Text- oder CSV-Datei importieren</translation>
    </message>
</context>
<context>
    <name>ZKWidgetDialogPresenter</name>
    <message>
        <source>Populate</source>
        <translation>Auflisten</translation>
    </message>
    <message>
        <source>Choose Files and Folders</source>
        <translation>Dateien und Ordner auswählen</translation>
    </message>
    <message>
        <source>Torvane Configuration (*.%1)</source>
        <translation>Torvane-Konfiguration (*.%1)</translation>
    </message>
    <message>
        <source>Torvane Configuration (%1)</source>
        <translation>Torvane-Konfiguration (%1)</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
