<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutBoxDlg</name>
    <message>
        <source>About Kestrelmark</source>
        <translation>Über Kestrelmark</translation>
    </message>
    <message>
        <source>Kestrelmark
Personal Reminder Software</source>
        <translation>Kestrelmark
Persönliche Erinnerungssoftware</translation>
    </message>
</context>
<context>
    <name>CCalendarAccessible</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
</context>
<context>
    <name>CCalendarCsv</name>
    <message>
        <source>Windows CSV file successfully imported.</source>
        <translation>Windows-CSV-Datei erfolgreich importiert.</translation>
    </message>
    <message>
        <source>
Its dates could be read day first or month first; they were read as your locale writes them (%1).</source>
        <extracomment>%1 is the date form the file was read in, e.g. &quot;dd.MM.yyyy&quot;.</extracomment>
        <translation>
Ihre Datumsangaben ließen sich mit dem Tag oder mit dem Monat zuerst lesen; sie wurden so gelesen, wie Ihr Gebietsschema sie schreibt (%1).</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader reads a calendar day: a date format of QDate (dddd the weekday, d the day, MMMM the month&apos;s name, yyyy the year), in the order and with the signs the language uses.</extracomment>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
    <message>
        <source>, 1 reminder: </source>
        <extracomment>After the day&apos;s name, before the list of its reminders.</extracomment>
        <translation>, 1 Erinnerung: </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>, %n reminders: </source>
        <translation>
            <numerusform>, %n Erinnerung: </numerusform>
            <numerusform>, %n Erinnerungen: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCalendarMenus</name>
    <message>
        <source>&amp;Delete this reminder...</source>
        <translation>Diese Erinnerung &amp;löschen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>Übe&amp;r Kestrelmark...</translation>
    </message>
    <message>
        <source>&amp;Print reminders...</source>
        <translation>Erinnerungen &amp;drucken...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>E&amp;xport reminders...</source>
        <translation>Erinnerungen e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Import reminders...</source>
        <translation>Erinnerungen &amp;importieren...</translation>
    </message>
    <message>
        <source>Delete &amp;range of reminders...</source>
        <translation>Erinnerungen eines &amp;Zeitraums löschen...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Proper&amp;ties</source>
        <translation>Eigenschaf&amp;ten</translation>
    </message>
</context>
<context>
    <name>CCalendarWnd</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>CCloseWarningDlg</name>
    <message>
        <source>If you close Kestrelmark, you will not be notified of future reminders until you restart your computer or run Kestrelmark again.  For maximum functionality, it is recommended that you &apos;just minimize.&apos;</source>
        <translation>Wenn Sie Kestrelmark beenden, werden Sie an künftige Erinnerungen erst wieder erinnert, wenn Sie den Computer neu starten oder Kestrelmark wieder aufrufen.  Damit alles wie vorgesehen funktioniert, empfiehlt es sich, das Fenster „nur zu minimieren“.</translation>
    </message>
    <message>
        <source>Kestrelmark -- Close Warning!</source>
        <translation>Kestrelmark – Warnung beim Beenden!</translation>
    </message>
    <message>
        <source>Just &amp;minimize</source>
        <translation>Nur &amp;minimieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CConversionProgress</name>
    <message>
        <source>Sorry, there will be a slight delay while converting graphics to 256 colors.  For best results, please change your Display Properties to 24- or 16-bit color (16.7 million or 65536 colors).</source>
        <translation>Einen Moment bitte: Die Grafiken werden in 256 Farben umgewandelt.  Am besten stellen Sie Ihre Anzeige auf 24 oder 16 Bit Farbtiefe (16,7 Millionen oder 65536 Farben) um.</translation>
    </message>
</context>
<context>
    <name>CDateRangeCheck</name>
    <message>
        <source>One or both of the dates is invalid.  Please re-check them and try again.</source>
        <translation>Mindestens eines der Daten ist ungültig.  Bitte prüfen Sie die Angaben und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>CDateRangeDlg</name>
    <message>
        <source>Print reminders</source>
        <translation>Erinnerungen drucken</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be printed:</source>
        <translation>Die Erinnerungen dieses Zeitraums werden gedruckt:</translation>
    </message>
</context>
<context>
    <name>CDayListRows</name>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>Minutes of advance notice, in a narrow column: abbreviated.</extracomment>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n mins.</source>
        <translation>
            <numerusform>%n Min.</numerusform>
            <numerusform>%n Min.</numerusform>
        </translation>
    </message>
    <message>
        <source>Reminders for %1:</source>
        <extracomment>The title of the day&apos;s list; %1 is the day.</extracomment>
        <translation>Erinnerungen am %1:</translation>
    </message>
    <message>
        <source>[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>[%1]
Möchten Sie diese Erinnerung wirklich löschen?</translation>
    </message>
    <message>
        <source>Please select a reminder to delete.</source>
        <translation>Bitte wählen Sie die Erinnerung aus, die gelöscht werden soll.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDeleteRangeDlg</name>
    <message>
        <source>Delete reminders</source>
        <translation>Erinnerungen löschen</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be deleted:</source>
        <translation>Die Erinnerungen dieses Zeitraums werden gelöscht:</translation>
    </message>
    <message>
        <source>Delete &amp;one-time reminders only.</source>
        <translation>Nur &amp;einmalige Erinnerungen löschen.</translation>
    </message>
</context>
<context>
    <name>CDesktopNotification</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>The notification&apos;s button that puts the reminder off.</extracomment>
        <translation>Später erinnern</translation>
    </message>
</context>
<context>
    <name>CEditRemindersDlg</name>
    <message>
        <source>Edit reminders</source>
        <translation>Erinnerungen bearbeiten</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Erinnerungen des Tages</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Adv. time</source>
        <translation>Vorlauf</translation>
    </message>
    <message>
        <source>0 minutes</source>
        <translation>0 Minuten</translation>
    </message>
</context>
<context>
    <name>CExportSelectionDlg</name>
    <message>
        <source>Choose reminders to export as a Reminder Pack</source>
        <translation>Erinnerungen für ein Erinnerungspaket auswählen</translation>
    </message>
    <message>
        <source>Share reminders with a friend!  Choose the reminders you want to export by moving them into the right-hand window.  Save to disk, or, if supported, email them to a friend!</source>
        <translation>Teilen Sie Erinnerungen mit Freunden!  Wählen Sie die Erinnerungen zum Exportieren aus, indem Sie sie in die rechte Liste verschieben.  Speichern Sie sie dann als Datei oder senden Sie sie, falls möglich, per E-Mail.</translation>
    </message>
    <message>
        <source>C&amp;urrent reminders</source>
        <translation>Vorhandene &amp;Erinnerungen</translation>
    </message>
    <message>
        <source>&amp;Reminders to export:</source>
        <translation>Zu e&amp;xportierende Erinnerungen:</translation>
    </message>
    <message>
        <source>Current reminders</source>
        <translation>Vorhandene Erinnerungen</translation>
    </message>
    <message>
        <source>Reminders to export</source>
        <translation>Zu exportierende Erinnerungen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Mail to...</source>
        <translation>Per E-&amp;Mail senden...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>First, please select the reminders you want to export.</source>
        <translation>Bitte wählen Sie zuerst die Erinnerungen aus, die Sie exportieren möchten.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to export first.</source>
        <translation>Bitte wählen Sie zuerst eine oder mehrere Erinnerungen zum Exportieren aus.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to remove from the export list.</source>
        <translation>Bitte wählen Sie eine oder mehrere Erinnerungen aus, die aus der Exportliste entfernt werden sollen.</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
</context>
<context>
    <name>CIconLibrary</name>
    <message>
        <source>Importing icons...</source>
        <translation>Symbole werden importiert...</translation>
    </message>
</context>
<context>
    <name>CIcsFile</name>
    <message>
        <source>iCalendar file successfully imported.</source>
        <translation>iCalendar-Datei erfolgreich importiert.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Die Datei %1 konnte leider nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 was not imported: %2.</source>
        <extracomment>%1 is the file, %2 why it was refused.</extracomment>
        <translation>Die Datei %1 wurde leider nicht importiert: %2.</translation>
    </message>
    <message>
        <source>1 reminder added</source>
        <translation>1 Erinnerung hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders added</source>
        <translation>
            <numerusform>%n Erinnerung hinzugefügt</numerusform>
            <numerusform>%n Erinnerungen hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n already in the list.</source>
        <translation>
            <numerusform>, %n schon in der Liste.</numerusform>
            <numerusform>, %n schon in der Liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event simplified.</source>
        <translation>1 Termin vereinfacht.</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified.</source>
        <translation>
            <numerusform>%n Termin vereinfacht.</numerusform>
            <numerusform>%n Termine vereinfacht.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out.</source>
        <translation>1 Termin ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out.</source>
        <translation>
            <numerusform>%n Termin ausgelassen.</numerusform>
            <numerusform>%n Termine ausgelassen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CImportProgress</name>
    <message>
        <source>Importing reminders from %1...</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Erinnerungen werden aus %1 importiert...</translation>
    </message>
</context>
<context>
    <name>CIntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>Sorry, the manual is missing. It belongs at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Das Handbuch fehlt leider. Es gehört nach %1.</translation>
    </message>
    <message>
        <source>Sorry, no program could show the manual. You can open it in a web browser; it is at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Leider konnte kein Programm das Handbuch anzeigen. Sie können es in einem Webbrowser öffnen; es liegt unter %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Klänge eingeschaltet.</translation>
    </message>
    <message>
        <source>Sound is now off.</source>
        <translation>Klänge sind jetzt ausgeschaltet.</translation>
    </message>
    <message>
        <source>Reminder message:
[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>Erinnerungstext:
[%1]
Möchten Sie diese Erinnerung wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>CNewEventDlg</name>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>&amp;Time of day</source>
        <translation>&amp;Uhrzeit</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>&amp;AM</source>
        <translation>v&amp;orm.</translation>
    </message>
    <message>
        <source>&amp;PM</source>
        <translation>n&amp;achm.</translation>
    </message>
    <message>
        <source>How often?</source>
        <translation>Wie oft?</translation>
    </message>
    <message>
        <source>&amp;One-time</source>
        <translation>&amp;Einmalig</translation>
    </message>
    <message>
        <source>A&amp;nnual</source>
        <translation>&amp;Jährlich</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>Mo&amp;natlich</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Wö&amp;chentlich</translation>
    </message>
    <message>
        <source>Send reminder in ad&amp;vance...</source>
        <translation>&amp;Vorab erinnern...</translation>
    </message>
    <message>
        <source>Days in advance</source>
        <translation>Tage vorher</translation>
    </message>
    <message>
        <source>Hours in advance</source>
        <translation>Stunden vorher</translation>
    </message>
    <message>
        <source>Minutes in advance</source>
        <translation>Minuten vorher</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Std.</translation>
    </message>
    <message>
        <source>mins.</source>
        <extracomment>Under the field of minutes in advance: short, the field is narrow.</extracomment>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Select &amp;icon</source>
        <translation>&amp;Symbol wählen</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Add icon</source>
        <translation>Symbol hinzufügen</translation>
    </message>
    <message>
        <source>A&amp;dd icon</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Reminder &amp;message to display</source>
        <translation>Anzuzeigender &amp;Text</translation>
    </message>
    <message>
        <source>Reminder message to display</source>
        <translation>Anzuzeigender Text</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Use custom &amp;sound:</source>
        <translation>Eigenen K&amp;lang verwenden:</translation>
    </message>
    <message>
        <source>&amp;Choose sound...</source>
        <translation>Klang aus&amp;wählen...</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>Abspielen (%1)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>(&amp;Click to choose sound)</source>
        <extracomment>The same text as &quot;(Click to choose sound)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(Klang &amp;wählen)</translation>
    </message>
    <message>
        <source>Choose sound</source>
        <translation>Klang auswählen</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>WAV-Klangdateien (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Windows icons (*.ico *.ICO)</source>
        <translation>Windows-Symbole (*.ico *.ICO)</translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; could not be read as an icon.  Please choose an icon file that holds a 32 x 32 picture.</source>
        <translation>„%1“ konnte leider nicht als Symbol gelesen werden.  Bitte wählen Sie eine Symboldatei mit einem Bild von 32 × 32 Pixeln.</translation>
    </message>
</context>
<context>
    <name>CNewEventForm</name>
    <message>
        <source>Reminder for %1</source>
        <extracomment>The editor&apos;s title; %1 is the reminder&apos;s date.</extracomment>
        <translation>Erinnerung für %1</translation>
    </message>
    <message>
        <source>The time of day that this reminder is scheduled for is invalid.  Please try another time.</source>
        <translation>Die Uhrzeit dieser Erinnerung ist ungültig.  Bitte geben Sie eine andere Uhrzeit ein.</translation>
    </message>
    <message>
        <source>(Click to choose sound)</source>
        <translation>(Klang wählen)</translation>
    </message>
</context>
<context>
    <name>CNotes</name>
    <message>
        <source>%1 takes one file, --from and --to</source>
        <translation>%1 nimmt eine Datei, --from und --to</translation>
    </message>
    <message>
        <source>--from and --to must be possible dates (YYYY-MM-DD)</source>
        <translation>--from und --to müssen mögliche Daten sein (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a readable reminder file (%2)</source>
        <translation>%1 ist keine lesbare Erinnerungsdatei (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing written</source>
        <translation>%1 kann nicht geschrieben werden: %2; nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 is busy: %2; gave up after %3 seconds, nothing written</source>
        <translation>%1 ist belegt: %2; nach %3 Sekunden aufgegeben, nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 is not a reminder pack</source>
        <translation>%1 ist kein Erinnerungspaket</translation>
    </message>
    <message>
        <source>%1 is a damaged reminder pack (%2)</source>
        <translation>%1 ist ein beschädigtes Erinnerungspaket (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 has none of the calendar columns</source>
        <translation>%1 hat keine der Kalenderspalten</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>add takes one file</source>
        <translation>add nimmt eine Datei</translation>
    </message>
    <message>
        <source>add needs --at and --message</source>
        <translation>add braucht --at und --message</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--at: „%1“ ist kein mögliches Datum mit Uhrzeit (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>--recurrence must be one-time, annual, monthly or weekly</source>
        <translation>--recurrence muss one-time, annual, monthly oder weekly sein</translation>
    </message>
    <message>
        <source>--icon: there is no icon named &apos;%1&apos;; the icons are: %2</source>
        <translation>--icon: es gibt kein Symbol namens „%1“; die Symbole sind: %2</translation>
    </message>
    <message>
        <source>--notice must look like 2d3h30m</source>
        <translation>--notice muss wie 2d3h30m aussehen</translation>
    </message>
    <message>
        <source>backup takes no file; see --data-dir</source>
        <translation>backup nimmt keine Datei; siehe --data-dir</translation>
    </message>
    <message>
        <source>--now must be a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--now muss ein mögliches Datum mit Uhrzeit sein (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>the reminder file in %1 cannot be read; no backup made</source>
        <translation>die Erinnerungsdatei in %1 kann nicht gelesen werden; keine Sicherung angelegt</translation>
    </message>
    <message>
        <source>copy takes IN and OUT</source>
        <translation>copy nimmt IN und OUT</translation>
    </message>
    <message>
        <source>day takes one file and --date</source>
        <translation>day nimmt eine Datei und --date</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a possible date (YYYY-MM-DD)</source>
        <translation>--date: „%1“ ist kein mögliches Datum (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>due takes one file and --at</source>
        <translation>due nimmt eine Datei und --at</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM:SS)</source>
        <translation>--at: „%1“ ist kein mögliches Datum mit Uhrzeit (YYYY-MM-DDTHH:MM:SS)</translation>
    </message>
    <message>
        <source>dump takes one file</source>
        <translation>dump nimmt eine Datei</translation>
    </message>
    <message>
        <source>edit takes one file</source>
        <translation>edit nimmt eine Datei</translation>
    </message>
    <message>
        <source>edit needs --id, a reminder&apos;s id as dump shows it</source>
        <translation>edit braucht --id, die Kennung einer Erinnerung, wie dump sie zeigt</translation>
    </message>
    <message>
        <source>--private must be yes or no</source>
        <translation>--private muss yes oder no sein</translation>
    </message>
    <message>
        <source>%1 holds no reminder with the id %2; nothing written</source>
        <translation>%1 enthält keine Erinnerung mit der Kennung %2; nichts geschrieben</translation>
    </message>
    <message>
        <source>export takes a reminder file and an output file</source>
        <translation>export nimmt eine Erinnerungsdatei und eine Ausgabedatei</translation>
    </message>
    <message>
        <source>the output file must end in .rpk, .csv or .ics</source>
        <translation>die Ausgabedatei muss auf .rpk, .csv oder .ics enden</translation>
    </message>
    <message>
        <source>--select: &apos;%1&apos; is not an index of the file&apos;s %2 reminders</source>
        <translation>--select: „%1“ ist keine Nummer der %2 Erinnerungen der Datei</translation>
    </message>
    <message>
        <source>no reminders to export</source>
        <translation>keine Erinnerungen zum Exportieren</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>import takes a reminder file and a pack or CSV file</source>
        <translation>import nimmt eine Erinnerungsdatei und ein Paket oder eine CSV-Datei</translation>
    </message>
    <message>
        <source>the file to import must end in .rpk, .csv or .ics</source>
        <translation>die zu importierende Datei muss auf .rpk, .csv oder .ics enden</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 wurde nicht importiert: %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>--per-day-limit takes a whole number of 1 or more</source>
        <translation>--per-day-limit nimmt eine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>cannot write the listing to the standard output</source>
        <translation>die Liste kann nicht auf die Standardausgabe geschrieben werden</translation>
    </message>
    <message>
        <source>recover takes no file; see --data-dir</source>
        <translation>recover nimmt keine Datei; siehe --data-dir</translation>
    </message>
    <message>
        <source>recover replaces your reminders with the backup; confirm with --yes</source>
        <translation>recover ersetzt Ihre Erinnerungen durch die Sicherung; bestätigen Sie mit --yes</translation>
    </message>
    <message>
        <source>cannot read %1: %2; move it away to recover, nothing changed</source>
        <translation>%1 kann nicht gelesen werden: %2; verschieben Sie die Datei, um wiederherzustellen; nichts geändert</translation>
    </message>
    <message>
        <source>no backup in %1</source>
        <translation>keine Sicherung in %1</translation>
    </message>
    <message>
        <source>the backup in %1 cannot be read; nothing changed</source>
        <translation>die Sicherung in %1 kann nicht gelesen werden; nichts geändert</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept; nothing changed</source>
        <translation>%1 ist beschädigt, und es konnte keine Kopie davon behalten werden; nichts geändert</translation>
    </message>
    <message>
        <source>cannot write the reminder file in %1</source>
        <translation>die Erinnerungsdatei in %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>sync takes one reminder file</source>
        <translation>sync nimmt eine Erinnerungsdatei</translation>
    </message>
    <message>
        <source>sync needs --%1</source>
        <translation>sync braucht --%1</translation>
    </message>
    <message>
        <source>--url must be an http or https address</source>
        <translation>--url muss eine http- oder https-Adresse sein</translation>
    </message>
    <message>
        <source>--timeout takes 1 to 3600 seconds</source>
        <translation>--timeout nimmt 1 bis 3600 Sekunden</translation>
    </message>
    <message>
        <source>cannot read the password file %1</source>
        <translation>die Passwortdatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 (move it away to sync afresh)</source>
        <translation>%1 (verschieben Sie die Datei, um neu abzugleichen)</translation>
    </message>
    <message>
        <source>a changed occurrence of a repeating event (RECURRENCE-ID) has no reminder of its own</source>
        <translation>ein geänderter Einzeltermin einer Serie (RECURRENCE-ID) bekommt keine eigene Erinnerung</translation>
    </message>
    <message>
        <source>a to-do without a due date or start</source>
        <translation>eine Aufgabe ohne Fälligkeit oder Beginn</translation>
    </message>
    <message>
        <source>no start date</source>
        <translation>kein Anfangsdatum</translation>
    </message>
    <message>
        <source>a start date that could not be read</source>
        <translation>ein Anfangsdatum, das nicht gelesen werden konnte</translation>
    </message>
    <message>
        <source>a repeating event whose last occurrence is past</source>
        <translation>ein Serientermin, dessen letzter Termin vorbei ist</translation>
    </message>
    <message>
        <source>none of its events and to-dos could become a reminder</source>
        <translation>keiner seiner Termine und keine seiner Aufgaben konnte eine Erinnerung werden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A note and, in brackets, what else is known of it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it is too large to be a calendar</source>
        <translation>sie ist zu groß für einen Kalender</translation>
    </message>
    <message>
        <source>its parts are nested too deeply for a calendar</source>
        <translation>ihre Teile sind für einen Kalender zu tief verschachtelt</translation>
    </message>
    <message>
        <source>one of its lines has more parameters than any calendar uses</source>
        <translation>eine ihrer Zeilen hat mehr Parameter, als ein Kalender je verwendet</translation>
    </message>
    <message>
        <source>1 event: %1.</source>
        <translation>1 Termin: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events: %1.</source>
        <translation>
            <numerusform>%n Termin: %1.</numerusform>
            <numerusform>%n Termine: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out: %1.</source>
        <translation>1 Termin ausgelassen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out: %1.</source>
        <translation>
            <numerusform>%n Termin ausgelassen: %1.</numerusform>
            <numerusform>%n Termine ausgelassen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>sie enthält keine Termine oder Aufgaben</translation>
    </message>
    <message>
        <source>it holds no events or to-dos (%1)</source>
        <translation>sie enthält keine Termine oder Aufgaben (%1)</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text: its byte %2 is 0x%3 (read as a replacement character)</source>
        <translation>Zeile %1 ist kein UTF-8-Text: ihr Byte %2 ist 0x%3 (als Ersatzzeichen gelesen)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is not an iCalendar file that can be read</source>
        <translation>sie ist keine lesbare iCalendar-Datei</translation>
    </message>
    <message>
        <source>a repeat interval above 1 was read as 1</source>
        <translation>ein Wiederholungsabstand über 1 wurde als 1 gelesen</translation>
    </message>
    <message>
        <source>the end of the repeat (COUNT or UNTIL) was dropped, so it repeats without end</source>
        <translation>das Ende der Wiederholung (COUNT oder UNTIL) entfiel, daher wiederholt sie sich endlos</translation>
    </message>
    <message>
        <source>its excluded dates (EXDATE) were not kept</source>
        <translation>seine ausgenommenen Daten (EXDATE) wurden nicht übernommen</translation>
    </message>
    <message>
        <source>its extra dates (RDATE) were left out</source>
        <translation>seine zusätzlichen Daten (RDATE) wurden ausgelassen</translation>
    </message>
    <message>
        <source>a repeat of hours or less became one time</source>
        <translation>eine Wiederholung im Stundentakt oder kürzer wurde einmalig</translation>
    </message>
    <message>
        <source>the days its rule names were read as the start&apos;s own day</source>
        <translation>die Tage, die seine Regel nennt, wurden als der Tag des Beginns gelesen</translation>
    </message>
    <message>
        <source>a repeat rule that could not be read became one time</source>
        <translation>eine unlesbare Wiederholungsregel wurde einmalig</translation>
    </message>
    <message>
        <source>only the first of its repeat rules was kept</source>
        <translation>nur die erste seiner Wiederholungsregeln wurde übernommen</translation>
    </message>
    <message>
        <source>an alarm after the start rings at the start</source>
        <translation>ein Alarm nach dem Beginn ertönt zum Beginn</translation>
    </message>
    <message>
        <source>an unknown time zone was read as local time</source>
        <translation>eine unbekannte Zeitzone wurde als Ortszeit gelesen</translation>
    </message>
    <message>
        <source>properties that could not be read were ignored</source>
        <translation>unlesbare Eigenschaften wurden übergangen</translation>
    </message>
    <message>
        <source>it keeps the time of its own time zone, which changes its clocks on other days than this computer&apos;s, so here it rings an hour off for part of the year</source>
        <translation>er hält die Uhrzeit seiner eigenen Zeitzone, die an anderen Tagen umstellt als die dieses Computers; hier ertönt er daher einen Teil des Jahres um eine Stunde versetzt</translation>
    </message>
    <message>
        <source>its repeat has one occurrence left, so it became one time</source>
        <translation>seine Wiederholung hat nur noch einen Termin und wurde daher einmalig</translation>
    </message>
    <message>
        <source>not valid text</source>
        <translation>kein gültiger Text</translation>
    </message>
    <message>
        <source>too many folders</source>
        <translation>zu viele Ordner</translation>
    </message>
    <message>
        <source>empty or absolute path</source>
        <translation>leerer oder absoluter Pfad</translation>
    </message>
    <message>
        <source>relative folder reference</source>
        <translation>relativer Ordnerverweis</translation>
    </message>
    <message>
        <source>character not allowed in file names</source>
        <translation>in Dateinamen nicht erlaubtes Zeichen</translation>
    </message>
    <message>
        <source>name too long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>a link that leads nowhere is in the way</source>
        <translation>eine ins Leere führende Verknüpfung ist im Weg</translation>
    </message>
    <message>
        <source>cannot create its folder</source>
        <translation>sein Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>its folder leads outside the data folder</source>
        <translation>sein Ordner führt aus dem Datenordner hinaus</translation>
    </message>
    <message>
        <source>a link of that name is in the way</source>
        <translation>eine Verknüpfung dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein Ordner dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>die Datei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>cannot write the file: %1</source>
        <translation>die Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>not in icons or sounds</source>
        <translation>nicht in icons oder sounds</translation>
    </message>
    <message>
        <source>the pack breaks off inside it</source>
        <translation>das Paket bricht darin ab</translation>
    </message>
    <message>
        <source>the list of data files ends in an unknown value</source>
        <translation>die Liste der Datendateien endet mit einem unbekannten Wert</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>nicht genug Speicher, um sie zu lesen</translation>
    </message>
    <message>
        <source>it is damaged (%1), and no copy of it could be kept</source>
        <translation>sie ist beschädigt (%1), und es konnte keine Kopie davon behalten werden</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>der Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>the server&apos;s reply is larger than %1 bytes</source>
        <translation>die Antwort des Servers ist größer als %1 Byte</translation>
    </message>
    <message>
        <source>the server&apos;s certificate was refused: %1</source>
        <translation>das Zertifikat des Servers wurde abgelehnt: %1</translation>
    </message>
    <message>
        <source>the server refused the user name or password</source>
        <translation>der Server hat Benutzername oder Passwort abgelehnt</translation>
    </message>
    <message>
        <source>the server sent the request to %1</source>
        <translation>der Server hat die Anfrage an %1 weitergeleitet</translation>
    </message>
    <message>
        <source>the server sent the request elsewhere (%1)</source>
        <translation>der Server hat die Anfrage anderswohin weitergeleitet (%1)</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>die Antwort ist kein WebDAV-Multistatus</translation>
    </message>
    <message>
        <source>unreadable multistatus reply: %1</source>
        <translation>unlesbare Multistatus-Antwort: %1</translation>
    </message>
    <message>
        <source>the account&apos;s address is not an http or https address</source>
        <translation>die Adresse des Kontos ist keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>finding the calendar</source>
        <translation>Suche nach dem Kalender</translation>
    </message>
    <message>
        <source>finding the calendar: %1</source>
        <translation>Suche nach dem Kalender: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>no calendar was found at %1</source>
        <translation>unter %1 wurde kein Kalender gefunden</translation>
    </message>
    <message>
        <source>reading the calendar home</source>
        <translation>Lesen der Kalenderablage</translation>
    </message>
    <message>
        <source>reading the calendar home: %1</source>
        <translation>Lesen der Kalenderablage: %1</translation>
    </message>
    <message>
        <source>making a calendar</source>
        <translation>Anlegen eines Kalenders</translation>
    </message>
    <message>
        <source>asking what changed</source>
        <translation>Abfrage der Änderungen</translation>
    </message>
    <message>
        <source>listing the calendar</source>
        <translation>Auflisten des Kalenders</translation>
    </message>
    <message>
        <source>listing the calendar: %1</source>
        <translation>Auflisten des Kalenders: %1</translation>
    </message>
    <message>
        <source>too large to take (%1the limit is %2 MB)</source>
        <extracomment>%1 is the event&apos;s size and a semicolon (&quot;3.2 MB; &quot;) or nothing, %2 the largest size taken.</extracomment>
        <translation>zu groß zur Übernahme (%1die Grenze liegt bei %2 MB)</translation>
    </message>
    <message>
        <source>the server&apos;s reply could not be read (%1)</source>
        <translation>die Antwort des Servers konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>fetching events</source>
        <translation>Abholen der Termine</translation>
    </message>
    <message>
        <source>it holds no event or to-do</source>
        <translation>er enthält keinen Termin und keine Aufgabe</translation>
    </message>
    <message>
        <source>no calendar data</source>
        <translation>keine Kalenderdaten</translation>
    </message>
    <message>
        <source>the server did not send it</source>
        <translation>der Server hat ihn nicht geschickt</translation>
    </message>
    <message>
        <source>the calendar kept changing during the sync; it is tried again later</source>
        <translation>der Kalender änderte sich während des Abgleichs fortwährend; später wird es erneut versucht</translation>
    </message>
    <message>
        <source>deleting an event</source>
        <translation>Löschen eines Termins</translation>
    </message>
    <message>
        <source>sending an event</source>
        <translation>Senden eines Termins</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>der Server antwortete %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A note&apos;s subject (what was being done, a reminder&apos;s message) and what is said of it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no event in the calendar resource</source>
        <translation>kein Termin in der Kalenderressource</translation>
    </message>
    <message>
        <source>%1: %2 here only; %3</source>
        <extracomment>%1 is the reminder&apos;s message, %2 what was changed here (&quot;moved&quot;), %3 why the calendar did not take it.</extracomment>
        <translation>%1: nur hier %2; %3</translation>
    </message>
    <message>
        <source>the meeting is organised by %1</source>
        <translation>die Besprechung wird von %1 organisiert</translation>
    </message>
    <message>
        <source>retitled</source>
        <extracomment>What was changed here, in &quot;%1: %2 here only; %3&quot;; so are &quot;moved&quot; and the other changes.</extracomment>
        <translation>umbenannt</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>verschoben</translation>
    </message>
    <message>
        <source>the calendar&apos;s event holds its other days, which did not move</source>
        <translation>der Termin im Kalender enthält auch seine anderen Tage, die sich nicht verschoben haben</translation>
    </message>
    <message>
        <source>an all-day event moves by whole days</source>
        <translation>ein ganztägiger Termin verschiebt sich nur um ganze Tage</translation>
    </message>
    <message>
        <source>the event&apos;s repeat rule cannot move by that much and keep its days</source>
        <translation>die Wiederholungsregel des Termins kann sich nicht so weit verschieben und ihre Tage behalten</translation>
    </message>
    <message>
        <source>notice changed</source>
        <translation>Vorlauf geändert</translation>
    </message>
    <message>
        <source>another alarm of the event rings earlier</source>
        <translation>ein anderer Alarm des Termins ertönt früher</translation>
    </message>
    <message>
        <source>repeat changed</source>
        <translation>Wiederholung geändert</translation>
    </message>
    <message>
        <source>privacy changed</source>
        <translation>Privatsphäre geändert</translation>
    </message>
    <message>
        <source>not fetched</source>
        <translation>nicht abgeholt</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s event still holds it</source>
        <translation>%1: hier gelöscht; der Termin im Kalender enthält ihn noch</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s later change to it was not taken</source>
        <translation>%1: hier gelöscht; die spätere Änderung im Kalender wurde nicht übernommen</translation>
    </message>
    <message>
        <source>a sync of this file is already running</source>
        <translation>ein Abgleich dieser Datei läuft bereits</translation>
    </message>
    <message>
        <source>the sync lock %1 cannot be created (%2)</source>
        <translation>die Abgleichsperre %1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>der Grund ist unbekannt</translation>
    </message>
    <message>
        <source>%1 is too large to be a sync state</source>
        <translation>%1 ist zu groß für einen Abgleichsstand</translation>
    </message>
    <message>
        <source>%1 is damaged: an entry cannot be read</source>
        <translation>%1 ist beschädigt: ein Eintrag kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>COleDateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Ungültiges Datum</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Upcoming Reminders window</source>
        <translation>Liste der nächsten Erinnerungen</translation>
    </message>
    <message>
        <source>&amp;Show reminders for next</source>
        <translation>Erinnerungen &amp;zeigen für die nächsten</translation>
    </message>
    <message>
        <source>days.</source>
        <translation>Tage.</translation>
    </message>
    <message>
        <source>Reminder Alert Sound</source>
        <translation>Klang der Erinnerung</translation>
    </message>
    <message>
        <source>Use system &amp;beep</source>
        <translation>&amp;Systemton verwenden</translation>
    </message>
    <message>
        <source>Use sound file</source>
        <translation>Klangdatei verwenden</translation>
    </message>
    <message>
        <source>Use sound file (%1)</source>
        <translation>Klangdatei verwenden (%1)</translation>
    </message>
    <message>
        <source>Browse for a sound file</source>
        <translation>Klangdatei suchen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>S&amp;tart Kestrelmark when I log in</source>
        <translation>Kestrelmark bei der Anmeldung s&amp;tarten</translation>
    </message>
    <message>
        <source>Also show alerts as desktop &amp;notifications</source>
        <translation>Erinnerungen auch als Desktop-&amp;Benachrichtigung zeigen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>(Click here to choose a .WAV sound &amp;file)</source>
        <extracomment>The same text as &quot;(Click here to choose a .WAV sound file)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(WAV-Klang&amp;datei wählen)</translation>
    </message>
    <message>
        <source>Choose .WAV sound file</source>
        <translation>WAV-Klangdatei auswählen</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>WAV-Klangdateien (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not set itself to start when you log in.</source>
        <translation>Kestrelmark konnte sich leider nicht für den Start bei der Anmeldung eintragen.</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not stop itself from starting when you log in.</source>
        <translation>Kestrelmark konnte den Start bei der Anmeldung leider nicht abschalten.</translation>
    </message>
</context>
<context>
    <name>COptionsForm</name>
    <message>
        <source>(Click here to choose a .WAV sound file)</source>
        <translation>(WAV-Klangdatei wählen)</translation>
    </message>
</context>
<context>
    <name>COrvantis2App</name>
    <message>
        <source>Another copy of Kestrelmark is running.  Please close it and try again.</source>
        <translation>Kestrelmark läuft bereits.  Bitte beenden Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Kestrelmark is running but did not take %1.  Please open the file from the running Kestrelmark.</source>
        <extracomment>%1 is the file the user asked a second start of the program to open.</extracomment>
        <translation>Kestrelmark läuft, hat %1 aber nicht übernommen.  Bitte öffnen Sie die Datei im laufenden Kestrelmark.</translation>
    </message>
</context>
<context>
    <name>COrvantis2Dlg</name>
    <message>
        <source>New reminder</source>
        <translation>Neue Erinnerung</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The label of the main window&apos;s new-reminder button: short, the button is small.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Erinnerungen des Tages</translation>
    </message>
    <message>
        <source>Reminders</source>
        <extracomment>The label of the main window&apos;s button that lists the selected day&apos;s reminders: short.</extracomment>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Zu heute springen</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The label of the main window&apos;s go-to-today button: short.</extracomment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Upcoming reminders</source>
        <translation>Nächste Erinnerungen</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Go to today (%1)</source>
        <extracomment>%1 is the keys that do the same, e.g. Ctrl+T.</extracomment>
        <translation>Zu heute springen (%1)</translation>
    </message>
    <message>
        <source>Kestrelmark Personal Reminder Software</source>
        <translation>Kestrelmark – Persönliche Erinnerungssoftware</translation>
    </message>
    <message>
        <source>TaskBarAddIcon failed.  Imagine that...</source>
        <translation>TaskBarAddIcon ist fehlgeschlagen.  Wer hätte das gedacht...</translation>
    </message>
    <message>
        <source>There is no knowledge that is not power.</source>
        <translation>Es gibt kein Wissen, das nicht Macht ist.</translation>
    </message>
</context>
<context>
    <name>COrvantis2View</name>
    <message>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation>Vergrößerung</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Aktuelle Seite</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Reminder list printed %1</source>
        <extracomment>The head of every printed page; %1 is the date and time of printing.</extracomment>
        <translation>Erinnerungsliste, gedruckt am %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Reminders.pdf</source>
        <extracomment>The file name offered when the list is printed to a PDF file.</extracomment>
        <translation>Erinnerungen.pdf</translation>
    </message>
    <message>
        <source>Print reminders</source>
        <translation>Erinnerungen drucken</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>CProgressWnd</name>
    <message>
        <source>Kestrelmark -- Please wait...</source>
        <translation>Kestrelmark – Bitte warten...</translation>
    </message>
</context>
<context>
    <name>CQtMessageSink</name>
    <message>
        <source>Kestrelmark</source>
        <extracomment>The title of the program&apos;s message boxes: the program&apos;s name.</extracomment>
        <translation>Kestrelmark</translation>
    </message>
</context>
<context>
    <name>CRangeDelete</name>
    <message>
        <source>Are you SURE you want to permanently delete reminders from %1 to %2?</source>
        <extracomment>%1 and %2 are the first and last day of the range.</extracomment>
        <translation>Möchten Sie die Erinnerungen vom %1 bis zum %2 WIRKLICH endgültig löschen?</translation>
    </message>
    <message numerus="yes">
        <source>A total of %n reminder(s) were deleted.</source>
        <translation>
            <numerusform>Insgesamt wurde %n Erinnerung gelöscht.</numerusform>
            <numerusform>Insgesamt wurden %n Erinnerungen gelöscht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CRangeDlgBase</name>
    <message>
        <source>From day</source>
        <translation>Von Tag</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Von Jahr</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Bis Tag</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Bis Jahr</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>CReminder</name>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>One time</source>
        <translation>Einmalig</translation>
    </message>
</context>
<context>
    <name>CReminderAlertDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Kestrelmark Reminder</source>
        <translation>Kestrelmark-Erinnerung</translation>
    </message>
</context>
<context>
    <name>CReminderCheck</name>
    <message>
        <source>One day to go:
</source>
        <translation>Noch ein Tag:
</translation>
    </message>
    <message>
        <source>Reminder for %1:

</source>
        <extracomment>The alert&apos;s head; %1 is the date and time the reminder is for. The message follows.</extracomment>
        <translation>Erinnerung für %1:

</translation>
    </message>
    <message numerus="yes">
        <source>%n days to go:
</source>
        <translation>
            <numerusform>Noch %n Tag:
</numerusform>
            <numerusform>Noch %n Tage:
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReminderExchange</name>
    <message>
        <source>Reminder Pack successfully imported.</source>
        <translation>Erinnerungspaket erfolgreich importiert.</translation>
    </message>
    <message>
        <source>Sorry, the title cannot contain punctuation characters or be empty.</source>
        <translation>Der Titel darf leider weder leer sein noch Satzzeichen enthalten.</translation>
    </message>
    <message>
        <source>Sorry, this function is not supported.  Please save your reminder pack as a file and attach it to an email using your favorite mail package.</source>
        <translation>Diese Funktion wird leider nicht unterstützt.  Bitte speichern Sie das Erinnerungspaket als Datei und hängen Sie es in Ihrem E-Mail-Programm an eine Nachricht an.</translation>
    </message>
    <message>
        <source>Sorry, there was a problem sending this file.  Please save it to disk instead.</source>
        <translation>Beim Senden dieser Datei ist leider ein Fehler aufgetreten.  Bitte speichern Sie sie stattdessen als Datei.</translation>
    </message>
    <message>
        <source>Sorry, there was an error opening %1 for writing.</source>
        <translation>%1 konnte leider nicht zum Schreiben geöffnet werden.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Die Datei %1 konnte leider nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not a reminder pack, so nothing was imported.</source>
        <translation>Die Datei %1 ist leider kein Erinnerungspaket; es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Sorry, the reminder pack %1 is damaged and could not be read to the end.  What came before the damage was imported.</source>
        <translation>Das Erinnerungspaket %1 ist leider beschädigt und konnte nicht bis zum Ende gelesen werden.  Was vor der beschädigten Stelle lag, wurde importiert.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is unsupported.</source>
        <translation>Die Datei %1 wird leider nicht unterstützt.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is empty, so nothing was imported.</source>
        <translation>Die Datei %1 ist leider leer; es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an Outlook calendar file, so nothing was imported.</source>
        <translation>Die Datei %1 ist leider keine Outlook-Kalenderdatei; es wurde nichts importiert.</translation>
    </message>
</context>
<context>
    <name>CReminderFileKeeper</name>
    <message>
        <source>Sorry, the reminder file %1 was damaged by another program. Every reminder that could still be read was kept, and a copy of the damaged file was kept as %2.</source>
        <extracomment>%1 is the reminder file, %2 the copy kept of it.</extracomment>
        <translation>Die Erinnerungsdatei %1 wurde leider von einem anderen Programm beschädigt. Alle noch lesbaren Erinnerungen wurden übernommen, und eine Kopie der beschädigten Datei liegt unter %2.</translation>
    </message>
    <message>
        <source>Sorry, your reminders could not be saved to %1: %2. They stay in this program, and it will try again at the next save.</source>
        <extracomment>%1 is the reminder file, %2 why it could not be written.</extracomment>
        <translation>Ihre Erinnerungen konnten leider nicht in %1 gespeichert werden: %2. Sie bleiben im Programm erhalten; beim nächsten Speichern wird es erneut versucht.</translation>
    </message>
</context>
<context>
    <name>CReminderFileLock</name>
    <message>
        <source>an unreadable lock</source>
        <translation>eine unlesbare Sperre</translation>
    </message>
    <message>
        <source>an empty lock</source>
        <translation>eine leere Sperre</translation>
    </message>
    <message>
        <source>a garbled lock</source>
        <translation>eine verstümmelte Sperre</translation>
    </message>
    <message>
        <source>the lock of process %1, which no longer runs</source>
        <translation>die Sperre des nicht mehr laufenden Prozesses %1</translation>
    </message>
    <message>
        <source>%1 is %2, not a lock; move it away to write the file</source>
        <extracomment>%1 is the lock file&apos;s path, %2 &quot;a folder&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 ist %2 und keine Sperre; verschieben Sie es, damit die Datei geschrieben werden kann</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>its lock %1 is %2, and it cannot be removed (%3); remove it by hand</source>
        <translation>ihre Sperre %1 ist %2 und lässt sich nicht entfernen (%3); entfernen Sie sie bitte von Hand</translation>
    </message>
    <message>
        <source>another program (%1, process %2) is writing it</source>
        <translation>ein anderes Programm (%1, Prozess %2) schreibt sie gerade</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: %2</source>
        <translation>die Sperrdatei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>aus unbekanntem Grund</translation>
    </message>
</context>
<context>
    <name>CReminderPackTitleDlg</name>
    <message>
        <source>Reminder Pack Title</source>
        <translation>Titel des Erinnerungspakets</translation>
    </message>
    <message>
        <source>Please enter a &amp;title for this Reminder Pack:</source>
        <translation>Bitte geben Sie einen &amp;Titel für dieses Erinnerungspaket ein:</translation>
    </message>
</context>
<context>
    <name>CReminderStore</name>
    <message>
        <source>Sorry, but either your reminder file is from a previous version of this software, or it has become corrupt and cannot be read, or it is empty.</source>
        <translation>Ihre Erinnerungsdatei stammt leider entweder aus einer früheren Version dieser Software, oder sie ist beschädigt und nicht lesbar, oder sie ist leer.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to run this program.</source>
        <translation>Für dieses Programm ist leider nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>An error occurred while attempting to write your reminder file to disk.  You may be out of harddrive space.  Please free up some space and click OK to try again.</source>
        <translation>Beim Schreiben Ihrer Erinnerungsdatei ist ein Fehler aufgetreten.  Möglicherweise ist die Festplatte voll.  Bitte schaffen Sie Platz und klicken Sie auf OK, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to save your reminders.  Please close all other programs and click OK to try again.</source>
        <translation>Zum Speichern Ihrer Erinnerungen ist leider nicht genug Speicher frei.  Bitte beenden Sie alle anderen Programme und klicken Sie auf OK, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>zum Lesen ist nicht genug Speicher frei</translation>
    </message>
    <message>
        <source>Sorry, your reminder file %1 cannot be read (%2). Your reminders stay in this program, and the file will not be written until it can be read again.</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be read.</extracomment>
        <translation>Ihre Erinnerungsdatei %1 kann leider nicht gelesen werden (%2). Ihre Erinnerungen bleiben im Programm erhalten, und die Datei wird erst wieder geschrieben, wenn sie sich lesen lässt.</translation>
    </message>
    <message>
        <source>

A copy of the damaged file was kept as %1.</source>
        <translation>

Eine Kopie der beschädigten Datei liegt unter %1.</translation>
    </message>
    <message>
        <source>Error opening %1: %2</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be opened.</extracomment>
        <translation>Fehler beim Öffnen von %1: %2</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>die Festplatte ist möglicherweise voll</translation>
    </message>
</context>
<context>
    <name>CSharingCommands</name>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics);;All files (*)</source>
        <extracomment>The file kinds of the export dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Erinnerungspakete (*.rpk);;Outlook98-Windows-CSV (*.csv);;iCalendar (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics)</source>
        <extracomment>The file kinds of the import dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Erinnerungspakete (*.rpk);;Outlook98-Windows-CSV (*.csv);;iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>There are no reminders to print in this date range.</source>
        <translation>In diesem Zeitraum gibt es keine Erinnerungen zum Drucken.</translation>
    </message>
    <message>
        <source>Sorry, an error occured.</source>
        <translation>Leider ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Icon succesfully imported.</source>
        <translation>Symbol erfolgreich importiert.</translation>
    </message>
    <message>
        <source>Sorry, the reminders could not be printed.</source>
        <translation>Die Erinnerungen konnten leider nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Export reminder pack as</source>
        <translation>Erinnerungspaket exportieren als</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The file name offered for a new export.</extracomment>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Import reminders</source>
        <translation>Erinnerungen importieren</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an icon file that can be read, so it was not imported.</source>
        <translation>Die Datei %1 ist leider keine lesbare Symboldatei und wurde nicht importiert.</translation>
    </message>
    <message>
        <source>Sorry, an icon named %1 is already in the icons folder, so the dropped one was not imported.</source>
        <translation>Im Symbolordner gibt es leider schon ein Symbol namens %1; das abgelegte wurde nicht importiert.</translation>
    </message>
    <message>
        <source>Sorry, the icon file %1 could not be copied into the icons folder.</source>
        <translation>Die Symboldatei %1 konnte leider nicht in den Symbolordner kopiert werden.</translation>
    </message>
</context>
<context>
    <name>CSnooze</name>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
</context>
<context>
    <name>CSyncAccountBox</name>
    <message>
        <source>Calendar sync (CalDAV)</source>
        <translation>Kalenderabgleich (CalDAV)</translation>
    </message>
    <message>
        <source>https://server/ or the calendar&apos;s address</source>
        <translation>https://server/ oder die Adresse des Kalenders</translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation>Jetzt ab&amp;gleichen</translation>
    </message>
    <message>
        <source>Warning: this address is not encrypted: the password and your reminders travel readable to anyone on the network. Use https:// if the server offers it.</source>
        <translation>Warnung: Diese Adresse ist nicht verschlüsselt. Passwort und Erinnerungen sind für jeden im Netz lesbar. Verwenden Sie https://, wenn der Server es anbietet.</translation>
    </message>
    <message>
        <source>Warning: unencrypted calendar address</source>
        <translation>Warnung: unverschlüsselte Kalenderadresse</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Details...</translation>
    </message>
    <message>
        <source>What the last sync simplified, left out or found changed on both sides</source>
        <translation>Was der letzte Abgleich vereinfacht, ausgelassen oder auf beiden Seiten geändert vorgefunden hat</translation>
    </message>
    <message>
        <source>(kept in your keyring)</source>
        <translation>(in Ihrem Schlüsselbund gespeichert)</translation>
    </message>
    <message>
        <source>The calendar address must be an http:// or https:// address.</source>
        <translation>Die Kalenderadresse muss eine http://- oder https://-Adresse sein.</translation>
    </message>
    <message>
        <source>Enter the user name of the calendar account.</source>
        <translation>Geben Sie den Benutzernamen des Kalenderkontos ein.</translation>
    </message>
    <message>
        <source>Enter the password of the calendar account.</source>
        <translation>Geben Sie das Passwort des Kalenderkontos ein.</translation>
    </message>
    <message>
        <source>No account: nothing is synced.</source>
        <translation>Kein Konto: Es wird nichts abgeglichen.</translation>
    </message>
    <message>
        <source>The last sync:

</source>
        <extracomment>Followed by the list of what the last sync simplified or left out.</extracomment>
        <translation>Der letzte Abgleich:

</translation>
    </message>
</context>
<context>
    <name>CSyncAccountPanel</name>
    <message>
        <source>The password could not be kept in your keyring: %1</source>
        <translation>Das Passwort konnte nicht in Ihrem Schlüsselbund gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>CSyncController</name>
    <message>
        <source>Not synced yet</source>
        <translation>Noch nicht abgeglichen</translation>
    </message>
    <message>
        <source>no password store</source>
        <translation>kein Passwortspeicher</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Das Passwort konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Not synced: no password store</source>
        <translation>Nicht abgeglichen: kein Passwortspeicher</translation>
    </message>
    <message>
        <source>Not synced: the password could not be read (%1)</source>
        <translation>Nicht abgeglichen: Das Passwort konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>Nicht abgeglichen: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Abgleich läuft...</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Zuletzt abgeglichen: %1</translation>
    </message>
    <message>
        <source>Not synced: the server refused the user name or password</source>
        <translation>Nicht abgeglichen: Der Server hat Benutzername oder Passwort abgelehnt</translation>
    </message>
    <message>
        <source>The calendar server refused the user name or password. Enter them again under Options to sync your reminders.</source>
        <translation>Der Kalenderserver hat Benutzername oder Passwort abgelehnt. Geben Sie beides unter „Einstellungen“ erneut ein, um Ihre Erinnerungen abzugleichen.</translation>
    </message>
    <message>
        <source>Not synced at %1: %2%3</source>
        <translation>Nicht abgeglichen am %1: %2%3</translation>
    </message>
    <message>
        <source> (last synced %1)</source>
        <translation> (zuletzt abgeglichen: %1)</translation>
    </message>
</context>
<context>
    <name>CSyncEngine</name>
    <message>
        <source>1 event simplified:</source>
        <translation>1 Termin vereinfacht:</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified:</source>
        <translation>
            <numerusform>%n Termin vereinfacht:</numerusform>
            <numerusform>%n Termine vereinfacht:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out:</source>
        <translation>1 Termin ausgelassen:</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out:</source>
        <translation>
            <numerusform>%n Termin ausgelassen:</numerusform>
            <numerusform>%n Termine ausgelassen:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 change kept on this computer only:</source>
        <translation>1 Änderung nur auf diesem Computer behalten:</translation>
    </message>
    <message numerus="yes">
        <source>%n changes kept on this computer only:</source>
        <translation>
            <numerusform>%n Änderung nur auf diesem Computer behalten:</numerusform>
            <numerusform>%n Änderungen nur auf diesem Computer behalten:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 resource outside the calendar left alone:</source>
        <translation>1 Ressource außerhalb des Kalenders unberührt gelassen:</translation>
    </message>
    <message numerus="yes">
        <source>%n resources outside the calendar left alone:</source>
        <translation>
            <numerusform>%n Ressource außerhalb des Kalenders unberührt gelassen:</numerusform>
            <numerusform>%n Ressourcen außerhalb des Kalenders unberührt gelassen:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reminder was changed both here and on the server; both versions are kept.</source>
        <translation>1 Erinnerung wurde hier und auf dem Server geändert; beide Fassungen bleiben erhalten.</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were changed both here and on the server; both versions are kept.</source>
        <translation>
            <numerusform>%n Erinnerung wurde hier und auf dem Server geändert; beide Fassungen bleiben erhalten.</numerusform>
            <numerusform>%n Erinnerungen wurden hier und auf dem Server geändert; beide Fassungen bleiben erhalten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Kestrelmark</source>
        <translation>Kestrelmark</translation>
    </message>
    <message>
        <source>Close Kestrelmark</source>
        <translation>Kestrelmark beenden</translation>
    </message>
    <message>
        <source>New reminder...</source>
        <translation>Neue Erinnerung...</translation>
    </message>
    <message>
        <source>Import reminders...</source>
        <translation>Erinnerungen importieren...</translation>
    </message>
    <message>
        <source>Print reminders...</source>
        <translation>Erinnerungen drucken...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Delete range of reminders...</source>
        <translation>Erinnerungen eines Zeitraums löschen...</translation>
    </message>
    <message>
        <source>Recover reminders from weekly backup...</source>
        <translation>Erinnerungen aus der Wochensicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Export reminders...</source>
        <translation>Erinnerungen exportieren...</translation>
    </message>
    <message>
        <source>Toggle interface sounds on/off</source>
        <translation>Klänge der Oberfläche ein/aus</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>Ü&amp;ber Kestrelmark...</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Als Nächstes: %1</translation>
    </message>
    <message>
        <source>Show Kestrelmark</source>
        <translation>Kestrelmark anzeigen</translation>
    </message>
    <message>
        <source>Due: %1</source>
        <extracomment>The tray tip: the reminders whose alerts wait for an answer.</extracomment>
        <translation>Fällig: %1</translation>
    </message>
</context>
<context>
    <name>CWeeklyBackup</name>
    <message>
        <source>Sorry, no backup of your reminders was found, so nothing was recovered.  A backup is made once a week when the program starts.</source>
        <translation>Es wurde leider keine Sicherung Ihrer Erinnerungen gefunden; es wurde nichts wiederhergestellt.  Eine Sicherung wird einmal pro Woche beim Programmstart angelegt.</translation>
    </message>
    <message>
        <source>Recovery complete.</source>
        <translation>Wiederherstellung abgeschlossen.</translation>
    </message>
    <message>
        <source>Sorry, the backup of your reminders is damaged and cannot be read, so nothing was recovered.  Your reminders are as they were.</source>
        <translation>Die Sicherung Ihrer Erinnerungen ist leider beschädigt und nicht lesbar; es wurde nichts wiederhergestellt.  Ihre Erinnerungen sind unverändert.</translation>
    </message>
    <message>
        <source>Sorry, the weekly backup of your reminders could not be written to %1: %2. Your reminders themselves are not affected; the backup will be tried again.</source>
        <extracomment>%1 is the backup file, %2 why it could not be written.</extracomment>
        <translation>Die Wochensicherung Ihrer Erinnerungen konnte leider nicht nach %1 geschrieben werden: %2. Ihre Erinnerungen selbst sind davon nicht betroffen; die Sicherung wird erneut versucht.</translation>
    </message>
    <message>
        <source>Your reminder file is missing; your last backup from %1 has %2. Use Recover to restore it.</source>
        <extracomment>%1 is the date of the backup, %2 how many reminders it has (&quot;1 reminder&quot;, &quot;5 reminders&quot;).</extracomment>
        <translation>Ihre Erinnerungsdatei fehlt; Ihre letzte Sicherung vom %1 enthält %2. Mit „Wiederherstellen“ holen Sie sie zurück.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 Erinnerung</translation>
    </message>
    <message>
        <source>Are you sure you want to recover your reminder database from the last backup of %1?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Möchten Sie Ihre Erinnerungen wirklich aus der letzten Sicherung vom %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>Any reminders created since %1  will be PERMANENTLY LOST.  Proceed?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Alle seit %1 angelegten Erinnerungen gehen ENDGÜLTIG VERLOREN.  Fortfahren?</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n Erinnerung</numerusform>
            <numerusform>%n Erinnerungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWriteFailure</name>
    <message>
        <source>its folder %1 is gone</source>
        <translation>ihr Ordner %1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>das Laufwerk ist schreibgeschützt</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>auf dem Laufwerk ist kein Platz mehr</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
</context>
<context>
    <name>kestrelmark-cli</name>
    <message>
        <source>add a reminder to a reminder file</source>
        <translation>eine Erinnerung zu einer Erinnerungsdatei hinzufügen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Creates FILE when it does not exist. NAME is a built-in icon or an
icon file imported from the icons folder of the data folder.</source>
        <translation>Aufruf: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Legt FILE an, wenn es noch nicht existiert. NAME ist ein eingebautes Symbol oder
eine aus dem Symbolordner des Datenordners importierte Symboldatei.</translation>
    </message>
    <message>
        <source>run the weekly backup of the data folder&apos;s reminders</source>
        <translation>die Wochensicherung der Erinnerungen des Datenordners ausführen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Backs up DIR/Kestrelmark.km2 to DIR/KestrelmarkBackup.km2 when the last backup
recorded in the user&apos;s settings is a week old (or none is), as the program does at
start-up; --force backs up in any case.</source>
        <translation>Aufruf: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Sichert DIR/Kestrelmark.km2 nach DIR/KestrelmarkBackup.km2, wenn die letzte in den
Einstellungen des Benutzers vermerkte Sicherung eine Woche alt ist (oder keine vermerkt ist),
wie es das Programm beim Start tut; --force sichert in jedem Fall.</translation>
    </message>
    <message>
        <source>copy a reminder file into a current (.km2) one</source>
        <translation>eine Erinnerungsdatei in eine aktuelle (.km2) kopieren</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli copy IN OUT
Reads IN (.km2 or legacy .kmr) and writes all its reminders to OUT.</source>
        <translation>Aufruf: kestrelmark-cli copy IN OUT
Liest IN (.km2 oder das alte .kmr) und schreibt alle seine Erinnerungen nach OUT.</translation>
    </message>
    <message>
        <source>list the reminders that fall on a day</source>
        <translation>die Erinnerungen eines Tages auflisten</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli day FILE --date YYYY-MM-DD
Prints the indexes (in date order) of the day&apos;s reminders, as the calendar shows them.</source>
        <translation>Aufruf: kestrelmark-cli day FILE --date YYYY-MM-DD
Gibt die Indizes (in Datumsreihenfolge) der Erinnerungen des Tages aus, wie der Kalender sie zeigt.</translation>
    </message>
    <message>
        <source>delete the reminders of a range of days</source>
        <translation>die Erinnerungen eines Zeitraums löschen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Deletes the one-time reminders (all kinds with --all-kinds) whose own date and time lie
from the first day through the end of the last day.</source>
        <translation>Aufruf: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Löscht die einmaligen Erinnerungen (mit --all-kinds alle Arten), deren eigenes Datum und
eigene Uhrzeit vom ersten Tag bis zum Ende des letzten Tages liegen.</translation>
    </message>
    <message>
        <source>run one due-reminder pass at a given time</source>
        <translation>eine Prüfung fälliger Erinnerungen zu einem gegebenen Zeitpunkt ausführen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Prints the alerts the pass would show, in order; --save writes the shown flags back.</source>
        <translation>Aufruf: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Gibt der Reihe nach die Erinnerungen aus, die die Prüfung zeigen würde; --save schreibt die Angezeigt-Markierungen zurück.</translation>
    </message>
    <message>
        <source>print a reminder file (or pack, or CSV) as JSON</source>
        <translation>eine Erinnerungsdatei (oder ein Paket oder eine CSV-Datei) als JSON ausgeben</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli dump FILE
Prints {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} for FILE, chosen by its extension.</source>
        <translation>Aufruf: kestrelmark-cli dump FILE
Gibt {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} für FILE aus, je nach Dateiendung.</translation>
    </message>
    <message>
        <source>export reminders as a reminder pack, Outlook CSV or iCalendar file</source>
        <translation>Erinnerungen als Erinnerungspaket, Outlook-CSV- oder iCalendar-Datei exportieren</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Writes the reminders of FILE (all, or those at the given indexes in date order) as a
reminder pack with the icon and sound files they use (taken from DIR, by default the
per-user data folder), as an Outlook calendar file, or as an iCalendar file.</source>
        <translation>Aufruf: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Schreibt die Erinnerungen von FILE (alle oder die mit den angegebenen Indizes in
Datumsreihenfolge) als Erinnerungspaket mit den verwendeten Symbol- und Klangdateien
(aus DIR, standardmäßig dem Datenordner des Benutzers), als Outlook-Kalenderdatei oder
als iCalendar-Datei.</translation>
    </message>
    <message>
        <source>import a reminder pack, Outlook CSV or iCalendar file into a reminder file</source>
        <translation>ein Erinnerungspaket, eine Outlook-CSV- oder iCalendar-Datei in eine Erinnerungsdatei importieren</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Adds the reminders FILE does not hold yet (FILE is created when missing) and puts a
pack&apos;s icon and sound files into DIR/icons and DIR/sounds (by default the per-user
data folder). Prints what was added, what was skipped as a duplicate, and which data
files were written or refused. A damaged pack keeps what came before the damage and
exits with 2. An iCalendar import says how many events it simplified or left out, and how.</source>
        <translation>Aufruf: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Fügt die Erinnerungen hinzu, die FILE noch nicht enthält (FILE wird bei Bedarf angelegt),
und legt die Symbol- und Klangdateien eines Pakets in DIR/icons und DIR/sounds ab
(standardmäßig im Datenordner des Benutzers). Gibt aus, was hinzugefügt, was als Duplikat
übersprungen und welche Datendateien geschrieben oder abgelehnt wurden. Ein beschädigtes
Paket behält, was vor der beschädigten Stelle lag, und endet mit 2. Ein iCalendar-Import
nennt, wie viele Termine er vereinfacht oder ausgelassen hat, und wie.</translation>
    </message>
    <message>
        <source>list every occurrence in a range of days</source>
        <translation>jedes Vorkommen in einem Zeitraum auflisten</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Lists every occurrence on the days from --from through --to, in date order: one entry
per occurrence on a line of its own, dated on its day at the reminder&apos;s own time
(dateTime), with the reminder&apos;s own date (reminderDateTime), its index (as day gives
it), message, recurrence, advance notice in minutes (noticeMinutes) and icon name.
--full gives every field of the reminder instead, indented, as dump does. --per-day-limit N keeps at most N a day, as the calendar collects them
(the printout keeps 20).</source>
        <translation>Aufruf: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Listet jedes Vorkommen an den Tagen von --from bis --to in Datumsreihenfolge auf: ein Eintrag
je Vorkommen auf einer eigenen Zeile, datiert auf seinen Tag zur Uhrzeit der Erinnerung
(dateTime), mit dem eigenen Datum der Erinnerung (reminderDateTime), ihrem Index (wie day ihn
liefert), Text, Wiederholung, Vorlauf in Minuten (noticeMinutes) und Symbolname.
--full gibt stattdessen jedes Feld der Erinnerung eingerückt aus, wie dump. --per-day-limit N behält höchstens N je Tag, wie der Kalender sie sammelt
(der Ausdruck behält 20).</translation>
    </message>
    <message>
        <source>replace the reminders with the weekly backup</source>
        <translation>die Erinnerungen durch die Wochensicherung ersetzen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli recover --yes [--data-dir DIR]
Replaces DIR/Kestrelmark.km2 with the contents of the weekly backup. Reminders made
since the backup are lost, so --yes is required. Without a readable backup nothing
changes and the exit code is 2.</source>
        <translation>Aufruf: kestrelmark-cli recover --yes [--data-dir DIR]
Ersetzt DIR/Kestrelmark.km2 durch den Inhalt der Wochensicherung. Seit der Sicherung
angelegte Erinnerungen gehen verloren, daher ist --yes nötig. Ohne lesbare Sicherung
ändert sich nichts, und der Rückgabewert ist 2.</translation>
    </message>
    <message>
        <source>sync a reminder file with a CalDAV calendar, both ways</source>
        <translation>eine Erinnerungsdatei in beide Richtungen mit einem CalDAV-Kalender abgleichen</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli sync FILE --url URL --user NAME --password-file F [--timeout SECONDS]
Brings FILE and the calendar at URL (the calendar collection, or the server, whose
calendar is then found through the user&apos;s principal) to the same reminders: what
changed on one side goes to the other; a reminder changed on both sides is kept in
both versions. What was last synced is kept in FILE&apos;s folder as &lt;name&gt;Sync.json.
The password is the first line of F; it goes to URL&apos;s own scheme, host and port
only (a redirect elsewhere fails the sync), and an http:// URL is warned of on
stderr, as it carries the password unencrypted. One sync of FILE runs at a time: a
second waits up to %1 seconds for the first. Prints a JSON report of what went each
way. A sync that fails before it settled anything writes nothing.
Exit codes: 0 synced, 2 unreadable FILE or state, 3 the sync failed (the report says
why; what was settled is kept) or another sync of FILE is still running, 4 the server
refused the user name or password.</source>
        <translation>Aufruf: kestrelmark-cli sync FILE --url URL --user NAME --password-file F [--timeout SECONDS]
Bringt FILE und den Kalender unter URL (die Kalendersammlung oder den Server, dessen
Kalender dann über den Principal des Benutzers gefunden wird) auf denselben Stand: Was sich
auf einer Seite geändert hat, geht auf die andere; eine auf beiden Seiten geänderte
Erinnerung bleibt in beiden Fassungen erhalten. Der letzte Abgleichstand liegt im Ordner
von FILE als &lt;name&gt;Sync.json. Das Passwort ist die erste Zeile von F; es geht nur an
Schema, Host und Port von URL (eine Umleitung anderswohin lässt den Abgleich scheitern),
und vor einer http://-URL wird auf stderr gewarnt, da sie das Passwort unverschlüsselt
überträgt. Es läuft jeweils ein Abgleich von FILE: ein zweiter wartet bis zu %1 Sekunden
auf den ersten. Gibt einen JSON-Bericht aus, was in welche Richtung ging. Ein Abgleich,
der scheitert, bevor er etwas abgeschlossen hat, schreibt nichts.
Rückgabewerte: 0 abgeglichen, 2 FILE oder Stand unlesbar, 3 der Abgleich ist gescheitert
(der Bericht nennt den Grund; Abgeschlossenes bleibt erhalten) oder ein anderer Abgleich
von FILE läuft noch, 4 der Server hat Benutzername oder Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli COMMAND [ARGUMENTS]

Reads and writes Kestrelmark reminder files (.km2, legacy .kmr) and prints JSON.
Exit codes: 0 success, 1 usage error, 2 unreadable or corrupt input.

Commands:
</source>
        <extracomment>The tool&apos;s --help. COMMAND and ARGUMENTS are placeholders; .km2 and .kmr are file types.</extracomment>
        <translation>Aufruf: kestrelmark-cli BEFEHL [ARGUMENTE]

Liest und schreibt Kestrelmark-Erinnerungsdateien (.km2, das alte .kmr) und gibt JSON aus.
Rückgabewerte: 0 Erfolg, 1 falscher Aufruf, 2 unlesbare oder beschädigte Eingabe.

Befehle:
</translation>
    </message>
    <message>
        <source>
&apos;kestrelmark-cli COMMAND --help&apos; describes a command.
</source>
        <translation>
„kestrelmark-cli BEFEHL --help“ beschreibt einen Befehl.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>unbekannter Befehl „%1“ (siehe --help)</translation>
    </message>
    <message>
        <source>change one reminder of a reminder file</source>
        <translation>eine Erinnerung einer Erinnerungsdatei ändern</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--sound PATH] [--private yes|no]
ID is the reminder&apos;s id as dump shows it. What is not given stays as it is;
the alert then counts as not yet shown, as after an edit in the window.</source>
        <translation>Aufruf: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--sound PATH] [--private yes|no]
ID ist die ID der Erinnerung, wie dump sie zeigt. Was nicht angegeben ist, bleibt,
wie es ist; die Meldung gilt danach als noch nicht angezeigt, wie nach einer
Änderung im Fenster.</translation>
    </message>
    <message>
        <source>warning: %1 is not encrypted: the password and the reminders travel readable to anyone on the network; use https:// where the server offers it</source>
        <translation>Warnung: %1 ist nicht verschlüsselt: Passwort und Erinnerungen gehen für jeden im Netz lesbar über die Leitung; verwenden Sie https://, wo der Server es anbietet</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
</context>
</TS>
