<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutBoxDlg</name>
    <message>
        <source>About Kestrelmark</source>
        <translation>Informazioni su Kestrelmark</translation>
    </message>
    <message>
        <source>Kestrelmark
Personal Reminder Software</source>
        <translation>Kestrelmark
Programma di promemoria personali</translation>
    </message>
</context>
<context>
    <name>CCalendarAccessible</name>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
</context>
<context>
    <name>CCalendarCsv</name>
    <message>
        <source>Windows CSV file successfully imported.</source>
        <translation>File CSV di Windows importato correttamente.</translation>
    </message>
    <message>
        <source>
Its dates could be read day first or month first; they were read as your locale writes them (%1).</source>
        <extracomment>%1 is the date form the file was read in, e.g. &quot;dd.MM.yyyy&quot;.</extracomment>
        <translation>
Le sue date si potevano leggere con il giorno o con il mese per primo; sono state lette come le scrivono le impostazioni internazionali (%1).</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader reads a calendar day: a date format of QDate (dddd the weekday, d the day, MMMM the month&apos;s name, yyyy the year), in the order and with the signs the language uses.</extracomment>
        <translation>dddd d MMMM yyyy</translation>
    </message>
    <message>
        <source>, 1 reminder: </source>
        <extracomment>After the day&apos;s name, before the list of its reminders.</extracomment>
        <translation>, 1 promemoria: </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>, %n reminders: </source>
        <translation>
            <numerusform>, %n promemoria: </numerusform>
            <numerusform>, %n promemoria: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCalendarMenus</name>
    <message>
        <source>&amp;Delete this reminder...</source>
        <translation>&amp;Elimina questo promemoria...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuovo...</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>&amp;Informazioni su Kestrelmark...</translation>
    </message>
    <message>
        <source>&amp;Print reminders...</source>
        <translation>&amp;Stampa promemoria...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Anteprima di stampa...</translation>
    </message>
    <message>
        <source>E&amp;xport reminders...</source>
        <translation>Espor&amp;ta promemoria...</translation>
    </message>
    <message>
        <source>&amp;Import reminders...</source>
        <translation>Im&amp;porta promemoria...</translation>
    </message>
    <message>
        <source>Delete &amp;range of reminders...</source>
        <translation>Elimina i promemoria di un perio&amp;do...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>G&amp;uida...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>Proper&amp;ties</source>
        <translation>P&amp;roprietà</translation>
    </message>
</context>
<context>
    <name>CCalendarWnd</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>CCloseWarningDlg</name>
    <message>
        <source>If you close Kestrelmark, you will not be notified of future reminders until you restart your computer or run Kestrelmark again.  For maximum functionality, it is recommended that you &apos;just minimize.&apos;</source>
        <translation>Se chiude Kestrelmark, non riceverà più avvisi dei prossimi promemoria finché non riavvierà il computer o non avvierà di nuovo Kestrelmark.  Per sfruttarlo al meglio si consiglia di limitarsi a «ridurre a icona».</translation>
    </message>
    <message>
        <source>Kestrelmark -- Close Warning!</source>
        <translation>Kestrelmark – Avvertenza prima della chiusura!</translation>
    </message>
    <message>
        <source>Just &amp;minimize</source>
        <translation>Solo &amp;riduci a icona</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CConversionProgress</name>
    <message>
        <source>Sorry, there will be a slight delay while converting graphics to 256 colors.  For best results, please change your Display Properties to 24- or 16-bit color (16.7 million or 65536 colors).</source>
        <translation>Un attimo: le immagini vengono convertite a 256 colori.  Per un risultato migliore, imposti lo schermo a 24 o 16 bit di colore (16,7 milioni o 65536 colori).</translation>
    </message>
</context>
<context>
    <name>CDateRangeCheck</name>
    <message>
        <source>One or both of the dates is invalid.  Please re-check them and try again.</source>
        <translation>Almeno una delle date non è valida.  Le ricontrolli e riprovi.</translation>
    </message>
</context>
<context>
    <name>CDateRangeDlg</name>
    <message>
        <source>Print reminders</source>
        <translation>Stampa promemoria</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be printed:</source>
        <translation>Verranno stampati i promemoria del periodo seguente:</translation>
    </message>
</context>
<context>
    <name>CDayListRows</name>
    <message>
        <source>1 day</source>
        <translation>1 giorno</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>Minutes of advance notice, in a narrow column: abbreviated.</extracomment>
        <translation>1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n mins.</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>Reminders for %1:</source>
        <extracomment>The title of the day&apos;s list; %1 is the day.</extracomment>
        <translation>Promemoria del %1:</translation>
    </message>
    <message>
        <source>[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>[%1]
Eliminare davvero questo promemoria?</translation>
    </message>
    <message>
        <source>Please select a reminder to delete.</source>
        <translation>Selezioni il promemoria da eliminare.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDeleteRangeDlg</name>
    <message>
        <source>Delete reminders</source>
        <translation>Elimina promemoria</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be deleted:</source>
        <translation>Verranno eliminati i promemoria del periodo seguente:</translation>
    </message>
    <message>
        <source>Delete &amp;one-time reminders only.</source>
        <translation>Elimina solo i promemoria &amp;singoli.</translation>
    </message>
</context>
<context>
    <name>CDesktopNotification</name>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>The notification&apos;s button that puts the reminder off.</extracomment>
        <translation>Posticipa</translation>
    </message>
</context>
<context>
    <name>CEditRemindersDlg</name>
    <message>
        <source>Edit reminders</source>
        <translation>Modifica promemoria</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Promemoria del giorno</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Adv. time</source>
        <translation>Preavviso</translation>
    </message>
    <message>
        <source>0 minutes</source>
        <translation>0 minuti</translation>
    </message>
</context>
<context>
    <name>CExportSelectionDlg</name>
    <message>
        <source>Choose reminders to export as a Reminder Pack</source>
        <translation>Scegli i promemoria da esportare come pacchetto</translation>
    </message>
    <message>
        <source>Share reminders with a friend!  Choose the reminders you want to export by moving them into the right-hand window.  Save to disk, or, if supported, email them to a friend!</source>
        <translation>Condivida i promemoria con gli amici!  Scelga i promemoria da esportare spostandoli nell’elenco a destra.  Li salvi in un file o, se possibile, li invii per e-mail.</translation>
    </message>
    <message>
        <source>C&amp;urrent reminders</source>
        <translation>Promemoria &amp;esistenti</translation>
    </message>
    <message>
        <source>&amp;Reminders to export:</source>
        <translation>&amp;Promemoria da esportare:</translation>
    </message>
    <message>
        <source>Current reminders</source>
        <translation>Promemoria esistenti</translation>
    </message>
    <message>
        <source>Reminders to export</source>
        <translation>Promemoria da esportare</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>&amp;Mail to...</source>
        <translation>Invia per e-&amp;mail...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>First, please select the reminders you want to export.</source>
        <translation>Selezioni prima i promemoria da esportare.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to export first.</source>
        <translation>Selezioni prima uno o più promemoria da esportare.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to remove from the export list.</source>
        <translation>Selezioni uno o più promemoria da togliere dall’elenco di esportazione.</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>CIconLibrary</name>
    <message>
        <source>Importing icons...</source>
        <translation>Importazione delle icone...</translation>
    </message>
</context>
<context>
    <name>CIcsFile</name>
    <message>
        <source>iCalendar file successfully imported.</source>
        <translation>File iCalendar importato correttamente.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Spiacenti, non è stato possibile aprire il file %1.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 was not imported: %2.</source>
        <extracomment>%1 is the file, %2 why it was refused.</extracomment>
        <translation>Spiacenti, il file %1 non è stato importato: %2.</translation>
    </message>
    <message>
        <source>1 reminder added</source>
        <translation>1 promemoria aggiunto</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders added</source>
        <translation>
            <numerusform>%n promemoria aggiunto</numerusform>
            <numerusform>%n promemoria aggiunti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n already in the list.</source>
        <translation>
            <numerusform>, %n già nell’elenco.</numerusform>
            <numerusform>, %n già nell’elenco.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event simplified.</source>
        <translation>1 evento semplificato.</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified.</source>
        <translation>
            <numerusform>%n evento semplificato.</numerusform>
            <numerusform>%n eventi semplificati.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out.</source>
        <translation>1 evento tralasciato.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out.</source>
        <translation>
            <numerusform>%n evento tralasciato.</numerusform>
            <numerusform>%n eventi tralasciati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CImportProgress</name>
    <message>
        <source>Importing reminders from %1...</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Importazione dei promemoria da %1...</translation>
    </message>
</context>
<context>
    <name>CIntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserisca un numero intero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserisca un numero intero tra %1 e %2.</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>Sorry, the manual is missing. It belongs at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Spiacenti, il manuale non c’è. Dovrebbe trovarsi in %1.</translation>
    </message>
    <message>
        <source>Sorry, no program could show the manual. You can open it in a web browser; it is at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Spiacenti, nessun programma ha potuto mostrare il manuale. Può aprirlo in un browser; si trova in %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Suoni attivati.</translation>
    </message>
    <message>
        <source>Sound is now off.</source>
        <translation>I suoni sono disattivati.</translation>
    </message>
    <message>
        <source>Reminder message:
[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>Messaggio del promemoria:
[%1]
Eliminare davvero questo promemoria?</translation>
    </message>
</context>
<context>
    <name>CNewEventDlg</name>
    <message>
        <source>Reminder</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>&amp;Time of day</source>
        <translation>&amp;Ora</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>&amp;AM</source>
        <translation>&amp;AM</translation>
    </message>
    <message>
        <source>&amp;PM</source>
        <translation>&amp;PM</translation>
    </message>
    <message>
        <source>How often?</source>
        <translation>Con quale frequenza?</translation>
    </message>
    <message>
        <source>&amp;One-time</source>
        <translation>&amp;Singolo</translation>
    </message>
    <message>
        <source>A&amp;nnual</source>
        <translation>A&amp;nnuale</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>&amp;Mensile</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Se&amp;ttim.</translation>
    </message>
    <message>
        <source>Send reminder in ad&amp;vance...</source>
        <translation>A&amp;vvisa in anticipo...</translation>
    </message>
    <message>
        <source>Days in advance</source>
        <translation>Giorni di anticipo</translation>
    </message>
    <message>
        <source>Hours in advance</source>
        <translation>Ore di anticipo</translation>
    </message>
    <message>
        <source>Minutes in advance</source>
        <translation>Minuti di anticipo</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ore</translation>
    </message>
    <message>
        <source>mins.</source>
        <extracomment>Under the field of minutes in advance: short, the field is narrow.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Select &amp;icon</source>
        <translation>Scegli l’&amp;icona</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icona</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Add icon</source>
        <translation>Aggiungi icona</translation>
    </message>
    <message>
        <source>A&amp;dd icon</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>Reminder &amp;message to display</source>
        <translation>Testo &amp;da mostrare</translation>
    </message>
    <message>
        <source>Reminder message to display</source>
        <translation>Testo da mostrare</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Use custom &amp;sound:</source>
        <translation>Suono pe&amp;rsonale:</translation>
    </message>
    <message>
        <source>&amp;Choose sound...</source>
        <translation>S&amp;cegli suono...</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>Riproduci (%1)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>(&amp;Click to choose sound)</source>
        <extracomment>The same text as &quot;(Click to choose sound)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(S&amp;cegli un suono)</translation>
    </message>
    <message>
        <source>Choose sound</source>
        <translation>Scegli suono</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>File audio WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Windows icons (*.ico *.ICO)</source>
        <translation>Icone di Windows (*.ico *.ICO)</translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; could not be read as an icon.  Please choose an icon file that holds a 32 x 32 picture.</source>
        <translation>Spiacenti, «%1» non è leggibile come icona.  Scelga un file di icona con un’immagine di 32 × 32.</translation>
    </message>
</context>
<context>
    <name>CNewEventForm</name>
    <message>
        <source>Reminder for %1</source>
        <extracomment>The editor&apos;s title; %1 is the reminder&apos;s date.</extracomment>
        <translation>Promemoria del %1</translation>
    </message>
    <message>
        <source>The time of day that this reminder is scheduled for is invalid.  Please try another time.</source>
        <translation>L’ora di questo promemoria non è valida.  Provi un’altra ora.</translation>
    </message>
    <message>
        <source>(Click to choose sound)</source>
        <translation>(Scegli un suono)</translation>
    </message>
</context>
<context>
    <name>CNotes</name>
    <message>
        <source>%1 takes one file, --from and --to</source>
        <translation>%1 accetta un file, --from e --to</translation>
    </message>
    <message>
        <source>--from and --to must be possible dates (YYYY-MM-DD)</source>
        <translation>--from e --to devono essere date possibili (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l’opzione %1 richiede un valore</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a readable reminder file (%2)</source>
        <translation>%1 non è un file di promemoria leggibile (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>impossibile scrivere %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing written</source>
        <translation>impossibile scrivere %1: %2; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>%1 is busy: %2; gave up after %3 seconds, nothing written</source>
        <translation>%1 è occupato: %2; rinuncia dopo %3 secondi, non è stato scritto nulla</translation>
    </message>
    <message>
        <source>%1 is not a reminder pack</source>
        <translation>%1 non è un pacchetto di promemoria</translation>
    </message>
    <message>
        <source>%1 is a damaged reminder pack (%2)</source>
        <translation>%1 è un pacchetto di promemoria danneggiato (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 è vuoto</translation>
    </message>
    <message>
        <source>%1 has none of the calendar columns</source>
        <translation>%1 non ha nessuna delle colonne del calendario</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 non è leggibile: %2</translation>
    </message>
    <message>
        <source>add takes one file</source>
        <translation>add accetta un file</translation>
    </message>
    <message>
        <source>add needs --at and --message</source>
        <translation>add richiede --at e --message</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--at: «%1» non è una data e ora possibile (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>--recurrence must be one-time, annual, monthly or weekly</source>
        <translation>--recurrence deve essere one-time, annual, monthly o weekly</translation>
    </message>
    <message>
        <source>--icon: there is no icon named &apos;%1&apos;; the icons are: %2</source>
        <translation>--icon: non c’è nessuna icona di nome «%1»; le icone sono: %2</translation>
    </message>
    <message>
        <source>--notice must look like 2d3h30m</source>
        <translation>--notice deve avere la forma 2d3h30m</translation>
    </message>
    <message>
        <source>backup takes no file; see --data-dir</source>
        <translation>backup non accetta file; vedere --data-dir</translation>
    </message>
    <message>
        <source>--now must be a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--now deve essere una data e ora possibile (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>the reminder file in %1 cannot be read; no backup made</source>
        <translation>il file dei promemoria in %1 non è leggibile; nessun backup eseguito</translation>
    </message>
    <message>
        <source>copy takes IN and OUT</source>
        <translation>copy accetta IN e OUT</translation>
    </message>
    <message>
        <source>day takes one file and --date</source>
        <translation>day accetta un file e --date</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a possible date (YYYY-MM-DD)</source>
        <translation>--date: «%1» non è una data possibile (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>due takes one file and --at</source>
        <translation>due accetta un file e --at</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM:SS)</source>
        <translation>--at: «%1» non è una data e ora possibile (YYYY-MM-DDTHH:MM:SS)</translation>
    </message>
    <message>
        <source>dump takes one file</source>
        <translation>dump accetta un file</translation>
    </message>
    <message>
        <source>edit takes one file</source>
        <translation>edit accetta un file</translation>
    </message>
    <message>
        <source>edit needs --id, a reminder&apos;s id as dump shows it</source>
        <translation>edit richiede --id, l’identificativo di un promemoria come lo mostra dump</translation>
    </message>
    <message>
        <source>--private must be yes or no</source>
        <translation>--private deve essere yes o no</translation>
    </message>
    <message>
        <source>%1 holds no reminder with the id %2; nothing written</source>
        <translation>%1 non contiene alcun promemoria con l’identificativo %2; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>export takes a reminder file and an output file</source>
        <translation>export accetta un file di promemoria e un file di uscita</translation>
    </message>
    <message>
        <source>the output file must end in .rpk, .csv or .ics</source>
        <translation>il file di uscita deve terminare con .rpk, .csv o .ics</translation>
    </message>
    <message>
        <source>--select: &apos;%1&apos; is not an index of the file&apos;s %2 reminders</source>
        <translation>--select: «%1» non è un indice dei %2 promemoria del file</translation>
    </message>
    <message>
        <source>no reminders to export</source>
        <translation>nessun promemoria da esportare</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>import takes a reminder file and a pack or CSV file</source>
        <translation>import accetta un file di promemoria e un pacchetto o un file CSV</translation>
    </message>
    <message>
        <source>the file to import must end in .rpk, .csv or .ics</source>
        <translation>il file da importare deve terminare con .rpk, .csv o .ics</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 non è stato importato: %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossibile aprire %1</translation>
    </message>
    <message>
        <source>--per-day-limit takes a whole number of 1 or more</source>
        <translation>--per-day-limit accetta un numero intero da 1 in su</translation>
    </message>
    <message>
        <source>cannot write the listing to the standard output</source>
        <translation>impossibile scrivere l’elenco sull’uscita standard</translation>
    </message>
    <message>
        <source>recover takes no file; see --data-dir</source>
        <translation>recover non accetta file; vedere --data-dir</translation>
    </message>
    <message>
        <source>recover replaces your reminders with the backup; confirm with --yes</source>
        <translation>recover sostituisce i promemoria con il backup; confermare con --yes</translation>
    </message>
    <message>
        <source>cannot read %1: %2; move it away to recover, nothing changed</source>
        <translation>impossibile leggere %1: %2; lo sposti per ripristinare, non è cambiato nulla</translation>
    </message>
    <message>
        <source>no backup in %1</source>
        <translation>nessun backup in %1</translation>
    </message>
    <message>
        <source>the backup in %1 cannot be read; nothing changed</source>
        <translation>il backup in %1 non è leggibile; non è cambiato nulla</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept; nothing changed</source>
        <translation>%1 è danneggiato e non è stato possibile conservarne una copia; non è cambiato nulla</translation>
    </message>
    <message>
        <source>cannot write the reminder file in %1</source>
        <translation>impossibile scrivere il file dei promemoria in %1</translation>
    </message>
    <message>
        <source>sync takes one reminder file</source>
        <translation>sync accetta un file di promemoria</translation>
    </message>
    <message>
        <source>sync needs --%1</source>
        <translation>sync richiede --%1</translation>
    </message>
    <message>
        <source>--url must be an http or https address</source>
        <translation>--url deve essere un indirizzo http o https</translation>
    </message>
    <message>
        <source>--timeout takes 1 to 3600 seconds</source>
        <translation>--timeout accetta da 1 a 3600 secondi</translation>
    </message>
    <message>
        <source>cannot read the password file %1</source>
        <translation>impossibile leggere il file della password %1</translation>
    </message>
    <message>
        <source>%1 (move it away to sync afresh)</source>
        <translation>%1 (lo sposti per sincronizzare da capo)</translation>
    </message>
    <message>
        <source>a changed occurrence of a repeating event (RECURRENCE-ID) has no reminder of its own</source>
        <translation>un’occorrenza modificata di un evento ricorrente (RECURRENCE-ID) non ha un promemoria proprio</translation>
    </message>
    <message>
        <source>a to-do without a due date or start</source>
        <translation>un’attività senza scadenza né inizio</translation>
    </message>
    <message>
        <source>no start date</source>
        <translation>nessuna data d’inizio</translation>
    </message>
    <message>
        <source>a start date that could not be read</source>
        <translation>una data d’inizio illeggibile</translation>
    </message>
    <message>
        <source>a repeating event whose last occurrence is past</source>
        <translation>un evento ricorrente la cui ultima occorrenza è passata</translation>
    </message>
    <message>
        <source>none of its events and to-dos could become a reminder</source>
        <translation>nessuno dei suoi eventi e attività è potuto diventare un promemoria</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A note and, in brackets, what else is known of it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it is too large to be a calendar</source>
        <translation>è troppo grande per essere un calendario</translation>
    </message>
    <message>
        <source>its parts are nested too deeply for a calendar</source>
        <translation>le sue parti sono annidate troppo in profondità per un calendario</translation>
    </message>
    <message>
        <source>one of its lines has more parameters than any calendar uses</source>
        <translation>una delle sue righe ha più parametri di quanti ne usi qualsiasi calendario</translation>
    </message>
    <message>
        <source>1 event: %1.</source>
        <translation>1 evento: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events: %1.</source>
        <translation>
            <numerusform>%n evento: %1.</numerusform>
            <numerusform>%n eventi: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out: %1.</source>
        <translation>1 evento tralasciato: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out: %1.</source>
        <translation>
            <numerusform>%n evento tralasciato: %1.</numerusform>
            <numerusform>%n eventi tralasciati: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>non contiene eventi né attività</translation>
    </message>
    <message>
        <source>it holds no events or to-dos (%1)</source>
        <translation>non contiene eventi né attività (%1)</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text: its byte %2 is 0x%3 (read as a replacement character)</source>
        <translation>la riga %1 non è testo UTF-8: il suo byte %2 è 0x%3 (letto come carattere sostitutivo)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>it is not an iCalendar file that can be read</source>
        <translation>non è un file iCalendar leggibile</translation>
    </message>
    <message>
        <source>a repeat interval above 1 was read as 1</source>
        <translation>un intervallo di ripetizione maggiore di 1 è stato letto come 1</translation>
    </message>
    <message>
        <source>the end of the repeat (COUNT or UNTIL) was dropped, so it repeats without end</source>
        <translation>la fine della ripetizione (COUNT o UNTIL) è stata scartata, quindi si ripete senza fine</translation>
    </message>
    <message>
        <source>its excluded dates (EXDATE) were not kept</source>
        <translation>le sue date escluse (EXDATE) non sono state mantenute</translation>
    </message>
    <message>
        <source>its extra dates (RDATE) were left out</source>
        <translation>le sue date aggiuntive (RDATE) sono state tralasciate</translation>
    </message>
    <message>
        <source>a repeat of hours or less became one time</source>
        <translation>una ripetizione di ore o meno è diventata singola</translation>
    </message>
    <message>
        <source>the days its rule names were read as the start&apos;s own day</source>
        <translation>i giorni indicati dalla sua regola sono stati letti come il giorno d’inizio</translation>
    </message>
    <message>
        <source>a repeat rule that could not be read became one time</source>
        <translation>una regola di ripetizione illeggibile è diventata singola</translation>
    </message>
    <message>
        <source>only the first of its repeat rules was kept</source>
        <translation>è stata mantenuta solo la prima delle sue regole di ripetizione</translation>
    </message>
    <message>
        <source>an alarm after the start rings at the start</source>
        <translation>un allarme dopo l’inizio suona all’inizio</translation>
    </message>
    <message>
        <source>an unknown time zone was read as local time</source>
        <translation>un fuso orario sconosciuto è stato letto come ora locale</translation>
    </message>
    <message>
        <source>properties that could not be read were ignored</source>
        <translation>le proprietà illeggibili sono state ignorate</translation>
    </message>
    <message>
        <source>it keeps the time of its own time zone, which changes its clocks on other days than this computer&apos;s, so here it rings an hour off for part of the year</source>
        <translation>mantiene l’ora del proprio fuso orario, che cambia l’ora in giorni diversi da quello di questo computer, quindi qui suona con un’ora di scarto per parte dell’anno</translation>
    </message>
    <message>
        <source>its repeat has one occurrence left, so it became one time</source>
        <translation>alla sua ripetizione resta una sola occorrenza, quindi è diventato singolo</translation>
    </message>
    <message>
        <source>not valid text</source>
        <translation>testo non valido</translation>
    </message>
    <message>
        <source>too many folders</source>
        <translation>troppe cartelle</translation>
    </message>
    <message>
        <source>empty or absolute path</source>
        <translation>percorso vuoto o assoluto</translation>
    </message>
    <message>
        <source>relative folder reference</source>
        <translation>riferimento relativo a una cartella</translation>
    </message>
    <message>
        <source>character not allowed in file names</source>
        <translation>carattere non ammesso nei nomi di file</translation>
    </message>
    <message>
        <source>name too long</source>
        <translation>nome troppo lungo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>a link that leads nowhere is in the way</source>
        <translation>è d’intralcio un collegamento che non porta da nessuna parte</translation>
    </message>
    <message>
        <source>cannot create its folder</source>
        <translation>impossibile creare la sua cartella</translation>
    </message>
    <message>
        <source>its folder leads outside the data folder</source>
        <translation>la sua cartella porta fuori dalla cartella dati</translation>
    </message>
    <message>
        <source>a link of that name is in the way</source>
        <translation>è d’intralcio un collegamento con quel nome</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>è d’intralcio una cartella con quel nome</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>impossibile creare il file: %1</translation>
    </message>
    <message>
        <source>cannot write the file: %1</source>
        <translation>impossibile scrivere il file: %1</translation>
    </message>
    <message>
        <source>not in icons or sounds</source>
        <translation>non è in icons né in sounds</translation>
    </message>
    <message>
        <source>the pack breaks off inside it</source>
        <translation>il pacchetto si interrompe al suo interno</translation>
    </message>
    <message>
        <source>the list of data files ends in an unknown value</source>
        <translation>l’elenco dei file di dati termina con un valore sconosciuto</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>memoria insufficiente per leggerlo</translation>
    </message>
    <message>
        <source>it is damaged (%1), and no copy of it could be kept</source>
        <translation>è danneggiato (%1) e non è stato possibile conservarne una copia</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>il server non ha risposto in tempo</translation>
    </message>
    <message>
        <source>the server&apos;s reply is larger than %1 bytes</source>
        <translation>la risposta del server supera %1 byte</translation>
    </message>
    <message>
        <source>the server&apos;s certificate was refused: %1</source>
        <translation>il certificato del server è stato rifiutato: %1</translation>
    </message>
    <message>
        <source>the server refused the user name or password</source>
        <translation>il server ha rifiutato nome utente o password</translation>
    </message>
    <message>
        <source>the server sent the request to %1</source>
        <translation>il server ha inoltrato la richiesta a %1</translation>
    </message>
    <message>
        <source>the server sent the request elsewhere (%1)</source>
        <translation>il server ha inoltrato la richiesta altrove (%1)</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>la risposta non è un multistatus WebDAV</translation>
    </message>
    <message>
        <source>unreadable multistatus reply: %1</source>
        <translation>risposta multistatus illeggibile: %1</translation>
    </message>
    <message>
        <source>the account&apos;s address is not an http or https address</source>
        <translation>l’indirizzo dell’account non è un indirizzo http o https</translation>
    </message>
    <message>
        <source>finding the calendar</source>
        <translation>ricerca del calendario</translation>
    </message>
    <message>
        <source>finding the calendar: %1</source>
        <translation>ricerca del calendario: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>no calendar was found at %1</source>
        <translation>nessun calendario trovato in %1</translation>
    </message>
    <message>
        <source>reading the calendar home</source>
        <translation>lettura della cartella dei calendari</translation>
    </message>
    <message>
        <source>reading the calendar home: %1</source>
        <translation>lettura della cartella dei calendari: %1</translation>
    </message>
    <message>
        <source>making a calendar</source>
        <translation>creazione di un calendario</translation>
    </message>
    <message>
        <source>asking what changed</source>
        <translation>richiesta delle modifiche</translation>
    </message>
    <message>
        <source>listing the calendar</source>
        <translation>elenco del calendario</translation>
    </message>
    <message>
        <source>listing the calendar: %1</source>
        <translation>elenco del calendario: %1</translation>
    </message>
    <message>
        <source>too large to take (%1the limit is %2 MB)</source>
        <extracomment>%1 is the event&apos;s size and a semicolon (&quot;3.2 MB; &quot;) or nothing, %2 the largest size taken.</extracomment>
        <translation>troppo grande per essere accettato (%1il limite è %2 MB)</translation>
    </message>
    <message>
        <source>the server&apos;s reply could not be read (%1)</source>
        <translation>la risposta del server non è leggibile (%1)</translation>
    </message>
    <message>
        <source>fetching events</source>
        <translation>recupero degli eventi</translation>
    </message>
    <message>
        <source>it holds no event or to-do</source>
        <translation>non contiene eventi né attività</translation>
    </message>
    <message>
        <source>no calendar data</source>
        <translation>nessun dato di calendario</translation>
    </message>
    <message>
        <source>the server did not send it</source>
        <translation>il server non l’ha inviato</translation>
    </message>
    <message>
        <source>the calendar kept changing during the sync; it is tried again later</source>
        <translation>il calendario ha continuato a cambiare durante la sincronizzazione; si riproverà più tardi</translation>
    </message>
    <message>
        <source>deleting an event</source>
        <translation>eliminazione di un evento</translation>
    </message>
    <message>
        <source>sending an event</source>
        <translation>invio di un evento</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>il server ha risposto %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A note&apos;s subject (what was being done, a reminder&apos;s message) and what is said of it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no event in the calendar resource</source>
        <translation>nessun evento nella risorsa del calendario</translation>
    </message>
    <message>
        <source>%1: %2 here only; %3</source>
        <extracomment>%1 is the reminder&apos;s message, %2 what was changed here (&quot;moved&quot;), %3 why the calendar did not take it.</extracomment>
        <translation>%1: %2 solo qui; %3</translation>
    </message>
    <message>
        <source>the meeting is organised by %1</source>
        <translation>la riunione è organizzata da %1</translation>
    </message>
    <message>
        <source>retitled</source>
        <extracomment>What was changed here, in &quot;%1: %2 here only; %3&quot;; so are &quot;moved&quot; and the other changes.</extracomment>
        <translation>rinominato</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>spostato</translation>
    </message>
    <message>
        <source>the calendar&apos;s event holds its other days, which did not move</source>
        <translation>l’evento del calendario contiene anche gli altri suoi giorni, che non si sono spostati</translation>
    </message>
    <message>
        <source>an all-day event moves by whole days</source>
        <translation>un evento di un giorno intero si sposta di giorni interi</translation>
    </message>
    <message>
        <source>the event&apos;s repeat rule cannot move by that much and keep its days</source>
        <translation>la regola di ripetizione dell’evento non può spostarsi così tanto mantenendo i suoi giorni</translation>
    </message>
    <message>
        <source>notice changed</source>
        <translation>preavviso modificato</translation>
    </message>
    <message>
        <source>another alarm of the event rings earlier</source>
        <translation>un altro allarme dell’evento suona prima</translation>
    </message>
    <message>
        <source>repeat changed</source>
        <translation>ripetizione modificata</translation>
    </message>
    <message>
        <source>privacy changed</source>
        <translation>riservatezza modificata</translation>
    </message>
    <message>
        <source>not fetched</source>
        <translation>non recuperato</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s event still holds it</source>
        <translation>%1: eliminato qui; l’evento del calendario lo contiene ancora</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s later change to it was not taken</source>
        <translation>%1: eliminato qui; la sua modifica successiva nel calendario non è stata accolta</translation>
    </message>
    <message>
        <source>a sync of this file is already running</source>
        <translation>è già in corso una sincronizzazione di questo file</translation>
    </message>
    <message>
        <source>the sync lock %1 cannot be created (%2)</source>
        <translation>impossibile creare il blocco di sincronizzazione %1 (%2)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>il motivo è sconosciuto</translation>
    </message>
    <message>
        <source>%1 is too large to be a sync state</source>
        <translation>%1 è troppo grande per essere uno stato di sincronizzazione</translation>
    </message>
    <message>
        <source>%1 is damaged: an entry cannot be read</source>
        <translation>%1 è danneggiato: una voce non è leggibile</translation>
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
        <translation>Data non valida</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Upcoming Reminders window</source>
        <translation>Elenco dei prossimi promemoria</translation>
    </message>
    <message>
        <source>&amp;Show reminders for next</source>
        <translation>&amp;Mostra i promemoria dei prossimi</translation>
    </message>
    <message>
        <source>days.</source>
        <translation>giorni.</translation>
    </message>
    <message>
        <source>Reminder Alert Sound</source>
        <translation>Suono dell’avviso</translation>
    </message>
    <message>
        <source>Use system &amp;beep</source>
        <translation>&amp;Segnale del sistema</translation>
    </message>
    <message>
        <source>Use sound file</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>Use sound file (%1)</source>
        <translation>File audio (%1)</translation>
    </message>
    <message>
        <source>Browse for a sound file</source>
        <translation>Cerca un file audio</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>S&amp;tart Kestrelmark when I log in</source>
        <translation>Avvia Kestrelmark all’&amp;accesso</translation>
    </message>
    <message>
        <source>Also show alerts as desktop &amp;notifications</source>
        <translation>Mostra gli avvisi anche come &amp;notifiche del desktop</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>(Click here to choose a .WAV sound &amp;file)</source>
        <extracomment>The same text as &quot;(Click here to choose a .WAV sound file)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(Clic qui per scegliere un &amp;file audio WAV)</translation>
    </message>
    <message>
        <source>Choose .WAV sound file</source>
        <translation>Scegli un file audio WAV</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>File audio WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not set itself to start when you log in.</source>
        <translation>Spiacenti, Kestrelmark non è riuscito a impostare l’avvio all’accesso.</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not stop itself from starting when you log in.</source>
        <translation>Spiacenti, Kestrelmark non è riuscito a disattivare l’avvio all’accesso.</translation>
    </message>
</context>
<context>
    <name>COptionsForm</name>
    <message>
        <source>(Click here to choose a .WAV sound file)</source>
        <translation>(Clic qui per scegliere un file audio WAV)</translation>
    </message>
</context>
<context>
    <name>COrvantis2App</name>
    <message>
        <source>Another copy of Kestrelmark is running.  Please close it and try again.</source>
        <translation>Kestrelmark è già in esecuzione.  Lo chiuda e riprovi.</translation>
    </message>
    <message>
        <source>Kestrelmark is running but did not take %1.  Please open the file from the running Kestrelmark.</source>
        <extracomment>%1 is the file the user asked a second start of the program to open.</extracomment>
        <translation>Kestrelmark è in esecuzione ma non ha accettato %1.  Apra il file dal Kestrelmark in esecuzione.</translation>
    </message>
</context>
<context>
    <name>COrvantis2Dlg</name>
    <message>
        <source>New reminder</source>
        <translation>Nuovo promemoria</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The label of the main window&apos;s new-reminder button: short, the button is small.</extracomment>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Promemoria del giorno</translation>
    </message>
    <message>
        <source>Reminders</source>
        <extracomment>The label of the main window&apos;s button that lists the selected day&apos;s reminders: short.</extracomment>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Vai a oggi</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The label of the main window&apos;s go-to-today button: short.</extracomment>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Upcoming reminders</source>
        <translation>Prossimi promemoria</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Go to today (%1)</source>
        <extracomment>%1 is the keys that do the same, e.g. Ctrl+T.</extracomment>
        <translation>Vai a oggi (%1)</translation>
    </message>
    <message>
        <source>Kestrelmark Personal Reminder Software</source>
        <translation>Kestrelmark – Programma di promemoria personali</translation>
    </message>
    <message>
        <source>TaskBarAddIcon failed.  Imagine that...</source>
        <translation>TaskBarAddIcon non è riuscito.  Chi l’avrebbe detto...</translation>
    </message>
    <message>
        <source>There is no knowledge that is not power.</source>
        <translation>Non c’è sapere che non sia potere.</translation>
    </message>
</context>
<context>
    <name>COrvantis2View</name>
    <message>
        <source>More tools</source>
        <translation>Altri strumenti</translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation>Fattore di zoom</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Pagina corrente</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Reminder list printed %1</source>
        <extracomment>The head of every printed page; %1 is the date and time of printing.</extracomment>
        <translation>Elenco dei promemoria stampato il %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Reminders.pdf</source>
        <extracomment>The file name offered when the list is printed to a PDF file.</extracomment>
        <translation>Promemoria.pdf</translation>
    </message>
    <message>
        <source>Print reminders</source>
        <translation>Stampa promemoria</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
</context>
<context>
    <name>CProgressWnd</name>
    <message>
        <source>Kestrelmark -- Please wait...</source>
        <translation>Kestrelmark – Attendere...</translation>
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
        <translation>Eliminare DAVVERO per sempre i promemoria dal %1 al %2?</translation>
    </message>
    <message numerus="yes">
        <source>A total of %n reminder(s) were deleted.</source>
        <translation>
            <numerusform>In tutto è stato eliminato %n promemoria.</numerusform>
            <numerusform>In tutto sono stati eliminati %n promemoria.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CRangeDlgBase</name>
    <message>
        <source>From day</source>
        <translation>Giorno iniziale</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Anno iniziale</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Giorno finale</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Anno finale</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Dal:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Al:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
</context>
<context>
    <name>CReminder</name>
    <message>
        <source>Annual</source>
        <translation>Annuale</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensile</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Settimanale</translation>
    </message>
    <message>
        <source>One time</source>
        <translation>Singolo</translation>
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
        <translation>&amp;Posticipa</translation>
    </message>
    <message>
        <source>Kestrelmark Reminder</source>
        <translation>Promemoria di Kestrelmark</translation>
    </message>
</context>
<context>
    <name>CReminderCheck</name>
    <message>
        <source>One day to go:
</source>
        <translation>Manca un giorno:
</translation>
    </message>
    <message>
        <source>Reminder for %1:

</source>
        <extracomment>The alert&apos;s head; %1 is the date and time the reminder is for. The message follows.</extracomment>
        <translation>Promemoria del %1:

</translation>
    </message>
    <message numerus="yes">
        <source>%n days to go:
</source>
        <translation>
            <numerusform>Manca %n giorno:
</numerusform>
            <numerusform>Mancano %n giorni:
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReminderExchange</name>
    <message>
        <source>Reminder Pack successfully imported.</source>
        <translation>Pacchetto di promemoria importato correttamente.</translation>
    </message>
    <message>
        <source>Sorry, the title cannot contain punctuation characters or be empty.</source>
        <translation>Spiacenti, il titolo non può essere vuoto né contenere segni di punteggiatura.</translation>
    </message>
    <message>
        <source>Sorry, this function is not supported.  Please save your reminder pack as a file and attach it to an email using your favorite mail package.</source>
        <translation>Spiacenti, questa funzione non è disponibile.  Salvi il pacchetto di promemoria in un file e lo alleghi a un messaggio con il suo programma di posta.</translation>
    </message>
    <message>
        <source>Sorry, there was a problem sending this file.  Please save it to disk instead.</source>
        <translation>Spiacenti, l’invio di questo file non è riuscito.  Lo salvi invece su disco.</translation>
    </message>
    <message>
        <source>Sorry, there was an error opening %1 for writing.</source>
        <translation>Spiacenti, non è stato possibile aprire %1 in scrittura.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Spiacenti, non è stato possibile aprire il file %1.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not a reminder pack, so nothing was imported.</source>
        <translation>Spiacenti, il file %1 non è un pacchetto di promemoria; non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Sorry, the reminder pack %1 is damaged and could not be read to the end.  What came before the damage was imported.</source>
        <translation>Spiacenti, il pacchetto di promemoria %1 è danneggiato e non è stato letto fino in fondo.  È stato importato ciò che precedeva il danno.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is unsupported.</source>
        <translation>Spiacenti, il file %1 non è supportato.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is empty, so nothing was imported.</source>
        <translation>Spiacenti, il file %1 è vuoto; non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an Outlook calendar file, so nothing was imported.</source>
        <translation>Spiacenti, il file %1 non è un file di calendario di Outlook; non è stato importato nulla.</translation>
    </message>
</context>
<context>
    <name>CReminderFileKeeper</name>
    <message>
        <source>Sorry, the reminder file %1 was damaged by another program. Every reminder that could still be read was kept, and a copy of the damaged file was kept as %2.</source>
        <extracomment>%1 is the reminder file, %2 the copy kept of it.</extracomment>
        <translation>Spiacenti, il file dei promemoria %1 è stato danneggiato da un altro programma. Sono stati conservati tutti i promemoria ancora leggibili, e una copia del file danneggiato è in %2.</translation>
    </message>
    <message>
        <source>Sorry, your reminders could not be saved to %1: %2. They stay in this program, and it will try again at the next save.</source>
        <extracomment>%1 is the reminder file, %2 why it could not be written.</extracomment>
        <translation>Spiacenti, non è stato possibile salvare i promemoria in %1: %2. Restano nel programma, che riproverà al prossimo salvataggio.</translation>
    </message>
</context>
<context>
    <name>CReminderFileLock</name>
    <message>
        <source>an unreadable lock</source>
        <translation>un blocco illeggibile</translation>
    </message>
    <message>
        <source>an empty lock</source>
        <translation>un blocco vuoto</translation>
    </message>
    <message>
        <source>a garbled lock</source>
        <translation>un blocco alterato</translation>
    </message>
    <message>
        <source>the lock of process %1, which no longer runs</source>
        <translation>il blocco del processo %1, che non è più in esecuzione</translation>
    </message>
    <message>
        <source>%1 is %2, not a lock; move it away to write the file</source>
        <extracomment>%1 is the lock file&apos;s path, %2 &quot;a folder&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 è %2, non un blocco; lo sposti per poter scrivere il file</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>un file speciale</translation>
    </message>
    <message>
        <source>its lock %1 is %2, and it cannot be removed (%3); remove it by hand</source>
        <translation>il suo blocco %1 è %2 e non si può rimuovere (%3); lo rimuova a mano</translation>
    </message>
    <message>
        <source>another program (%1, process %2) is writing it</source>
        <translation>un altro programma (%1, processo %2) lo sta scrivendo</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: %2</source>
        <translation>impossibile creare il file di blocco %1: %2</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>per un motivo sconosciuto</translation>
    </message>
</context>
<context>
    <name>CReminderPackTitleDlg</name>
    <message>
        <source>Reminder Pack Title</source>
        <translation>Titolo del pacchetto di promemoria</translation>
    </message>
    <message>
        <source>Please enter a &amp;title for this Reminder Pack:</source>
        <translation>Inserisca un &amp;titolo per questo pacchetto di promemoria:</translation>
    </message>
</context>
<context>
    <name>CReminderStore</name>
    <message>
        <source>Sorry, but either your reminder file is from a previous version of this software, or it has become corrupt and cannot be read, or it is empty.</source>
        <translation>Spiacenti: il file dei promemoria è di una versione precedente di questo programma, oppure è danneggiato e illeggibile, oppure è vuoto.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to run this program.</source>
        <translation>Spiacenti, la memoria non basta per avviare questo programma.</translation>
    </message>
    <message>
        <source>An error occurred while attempting to write your reminder file to disk.  You may be out of harddrive space.  Please free up some space and click OK to try again.</source>
        <translation>Si è verificato un errore durante la scrittura del file dei promemoria.  Forse il disco è pieno.  Liberi spazio e faccia clic su OK per riprovare.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to save your reminders.  Please close all other programs and click OK to try again.</source>
        <translation>Spiacenti, la memoria non basta per salvare i promemoria.  Chiuda gli altri programmi e faccia clic su OK per riprovare.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>supera %1 MB</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>memoria insufficiente per leggerlo</translation>
    </message>
    <message>
        <source>Sorry, your reminder file %1 cannot be read (%2). Your reminders stay in this program, and the file will not be written until it can be read again.</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be read.</extracomment>
        <translation>Spiacenti, il file dei promemoria %1 non è leggibile (%2). I promemoria restano nel programma, e il file non verrà scritto finché non sarà di nuovo leggibile.</translation>
    </message>
    <message>
        <source>

A copy of the damaged file was kept as %1.</source>
        <translation>

Una copia del file danneggiato è in %1.</translation>
    </message>
    <message>
        <source>Error opening %1: %2</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be opened.</extracomment>
        <translation>Errore nell’apertura di %1: %2</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insufficiente</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>forse il disco è pieno</translation>
    </message>
</context>
<context>
    <name>CSharingCommands</name>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics);;All files (*)</source>
        <extracomment>The file kinds of the export dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Pacchetti di promemoria (*.rpk);;CSV di Windows di Outlook98 (*.csv);;iCalendar (*.ics);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics)</source>
        <extracomment>The file kinds of the import dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Pacchetti di promemoria (*.rpk);;CSV di Windows di Outlook98 (*.csv);;iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>There are no reminders to print in this date range.</source>
        <translation>Non ci sono promemoria da stampare in questo periodo.</translation>
    </message>
    <message>
        <source>Sorry, an error occured.</source>
        <translation>Spiacenti, si è verificato un errore.</translation>
    </message>
    <message>
        <source>Icon succesfully imported.</source>
        <translation>Icona importata correttamente.</translation>
    </message>
    <message>
        <source>Sorry, the reminders could not be printed.</source>
        <translation>Spiacenti, non è stato possibile stampare i promemoria.</translation>
    </message>
    <message>
        <source>Export reminder pack as</source>
        <translation>Esporta pacchetto di promemoria come</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The file name offered for a new export.</extracomment>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Import reminders</source>
        <translation>Importa promemoria</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an icon file that can be read, so it was not imported.</source>
        <translation>Spiacenti, il file %1 non è un file di icona leggibile; non è stato importato.</translation>
    </message>
    <message>
        <source>Sorry, an icon named %1 is already in the icons folder, so the dropped one was not imported.</source>
        <translation>Spiacenti, nella cartella delle icone c’è già un’icona di nome %1; quella trascinata non è stata importata.</translation>
    </message>
    <message>
        <source>Sorry, the icon file %1 could not be copied into the icons folder.</source>
        <translation>Spiacenti, non è stato possibile copiare il file di icona %1 nella cartella delle icone.</translation>
    </message>
</context>
<context>
    <name>CSnooze</name>
    <message>
        <source>5 minutes</source>
        <translation>5 minuti</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuti</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minuti</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuti</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 ore</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Domani</translation>
    </message>
</context>
<context>
    <name>CSyncAccountBox</name>
    <message>
        <source>Calendar sync (CalDAV)</source>
        <translation>Sincronizzazione del calendario (CalDAV)</translation>
    </message>
    <message>
        <source>https://server/ or the calendar&apos;s address</source>
        <translation>https://server/ o l’indirizzo del calendario</translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation>Sincroni&amp;zza ora</translation>
    </message>
    <message>
        <source>Warning: this address is not encrypted: the password and your reminders travel readable to anyone on the network. Use https:// if the server offers it.</source>
        <translation>Attenzione: questo indirizzo non è cifrato; la password e i promemoria viaggiano leggibili in rete. Usi https:// se il server lo offre.</translation>
    </message>
    <message>
        <source>Warning: unencrypted calendar address</source>
        <translation>Attenzione: indirizzo del calendario non cifrato</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Indirizzo:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Utente:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Dettagli...</translation>
    </message>
    <message>
        <source>What the last sync simplified, left out or found changed on both sides</source>
        <translation>Ciò che l’ultima sincronizzazione ha semplificato, tralasciato o trovato cambiato da entrambe le parti</translation>
    </message>
    <message>
        <source>(kept in your keyring)</source>
        <translation>(conservata nel portachiavi)</translation>
    </message>
    <message>
        <source>The calendar address must be an http:// or https:// address.</source>
        <translation>L’indirizzo del calendario deve iniziare con http:// o https://.</translation>
    </message>
    <message>
        <source>Enter the user name of the calendar account.</source>
        <translation>Inserisca il nome utente dell’account del calendario.</translation>
    </message>
    <message>
        <source>Enter the password of the calendar account.</source>
        <translation>Inserisca la password dell’account del calendario.</translation>
    </message>
    <message>
        <source>No account: nothing is synced.</source>
        <translation>Nessun account: non si sincronizza nulla.</translation>
    </message>
    <message>
        <source>The last sync:

</source>
        <extracomment>Followed by the list of what the last sync simplified or left out.</extracomment>
        <translation>L’ultima sincronizzazione:

</translation>
    </message>
</context>
<context>
    <name>CSyncAccountPanel</name>
    <message>
        <source>The password could not be kept in your keyring: %1</source>
        <translation>Non è stato possibile conservare la password nel portachiavi: %1</translation>
    </message>
</context>
<context>
    <name>CSyncController</name>
    <message>
        <source>Not synced yet</source>
        <translation>Non ancora sincronizzato</translation>
    </message>
    <message>
        <source>no password store</source>
        <translation>nessun archivio di password</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Non è stato possibile conservare la password: %1</translation>
    </message>
    <message>
        <source>Not synced: no password store</source>
        <translation>Non sincronizzato: nessun archivio di password</translation>
    </message>
    <message>
        <source>Not synced: the password could not be read (%1)</source>
        <translation>Non sincronizzato: la password non è leggibile (%1)</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>Non sincronizzato: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizzazione...</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Ultima sincronizzazione: %1</translation>
    </message>
    <message>
        <source>Not synced: the server refused the user name or password</source>
        <translation>Non sincronizzato: il server ha rifiutato nome utente o password</translation>
    </message>
    <message>
        <source>The calendar server refused the user name or password. Enter them again under Options to sync your reminders.</source>
        <translation>Il server del calendario ha rifiutato nome utente o password. Li inserisca di nuovo nelle Opzioni per sincronizzare i promemoria.</translation>
    </message>
    <message>
        <source>Not synced at %1: %2%3</source>
        <translation>Non sincronizzato il %1: %2%3</translation>
    </message>
    <message>
        <source> (last synced %1)</source>
        <translation> (ultima sincronizzazione: %1)</translation>
    </message>
</context>
<context>
    <name>CSyncEngine</name>
    <message>
        <source>1 event simplified:</source>
        <translation>1 evento semplificato:</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified:</source>
        <translation>
            <numerusform>%n evento semplificato:</numerusform>
            <numerusform>%n eventi semplificati:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out:</source>
        <translation>1 evento tralasciato:</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out:</source>
        <translation>
            <numerusform>%n evento tralasciato:</numerusform>
            <numerusform>%n eventi tralasciati:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 change kept on this computer only:</source>
        <translation>1 modifica mantenuta solo su questo computer:</translation>
    </message>
    <message numerus="yes">
        <source>%n changes kept on this computer only:</source>
        <translation>
            <numerusform>%n modifica mantenuta solo su questo computer:</numerusform>
            <numerusform>%n modifiche mantenute solo su questo computer:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 resource outside the calendar left alone:</source>
        <translation>1 risorsa fuori dal calendario lasciata intatta:</translation>
    </message>
    <message numerus="yes">
        <source>%n resources outside the calendar left alone:</source>
        <translation>
            <numerusform>%n risorsa fuori dal calendario lasciata intatta:</numerusform>
            <numerusform>%n risorse fuori dal calendario lasciate intatte:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reminder was changed both here and on the server; both versions are kept.</source>
        <translation>1 promemoria è stato modificato qui e sul server; sono mantenute entrambe le versioni.</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were changed both here and on the server; both versions are kept.</source>
        <translation>
            <numerusform>%n promemoria è stato modificato qui e sul server; sono mantenute entrambe le versioni.</numerusform>
            <numerusform>%n promemoria sono stati modificati qui e sul server; sono mantenute entrambe le versioni.</numerusform>
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
        <translation>Chiudi Kestrelmark</translation>
    </message>
    <message>
        <source>New reminder...</source>
        <translation>Nuovo promemoria...</translation>
    </message>
    <message>
        <source>Import reminders...</source>
        <translation>Importa promemoria...</translation>
    </message>
    <message>
        <source>Print reminders...</source>
        <translation>Stampa promemoria...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Anteprima di stampa...</translation>
    </message>
    <message>
        <source>Delete range of reminders...</source>
        <translation>Elimina i promemoria di un periodo...</translation>
    </message>
    <message>
        <source>Recover reminders from weekly backup...</source>
        <translation>Ripristina i promemoria dal backup settimanale...</translation>
    </message>
    <message>
        <source>Export reminders...</source>
        <translation>Esporta promemoria...</translation>
    </message>
    <message>
        <source>Toggle interface sounds on/off</source>
        <translation>Attiva/disattiva i suoni dell’interfaccia</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opzioni...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>&amp;Informazioni su Kestrelmark...</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Prossimo: %1</translation>
    </message>
    <message>
        <source>Show Kestrelmark</source>
        <translation>Mostra Kestrelmark</translation>
    </message>
    <message>
        <source>Due: %1</source>
        <extracomment>The tray tip: the reminders whose alerts wait for an answer.</extracomment>
        <translation>Da fare ora: %1</translation>
    </message>
</context>
<context>
    <name>CWeeklyBackup</name>
    <message>
        <source>Sorry, no backup of your reminders was found, so nothing was recovered.  A backup is made once a week when the program starts.</source>
        <translation>Spiacenti, non è stato trovato alcun backup dei promemoria; non è stato ripristinato nulla.  Un backup viene fatto una volta alla settimana all’avvio del programma.</translation>
    </message>
    <message>
        <source>Recovery complete.</source>
        <translation>Ripristino completato.</translation>
    </message>
    <message>
        <source>Sorry, the backup of your reminders is damaged and cannot be read, so nothing was recovered.  Your reminders are as they were.</source>
        <translation>Spiacenti, il backup dei promemoria è danneggiato e illeggibile; non è stato ripristinato nulla.  I promemoria sono invariati.</translation>
    </message>
    <message>
        <source>Sorry, the weekly backup of your reminders could not be written to %1: %2. Your reminders themselves are not affected; the backup will be tried again.</source>
        <extracomment>%1 is the backup file, %2 why it could not be written.</extracomment>
        <translation>Spiacenti, non è stato possibile scrivere il backup settimanale dei promemoria in %1: %2. I promemoria non ne risentono; il backup verrà ritentato.</translation>
    </message>
    <message>
        <source>Your reminder file is missing; your last backup from %1 has %2. Use Recover to restore it.</source>
        <extracomment>%1 is the date of the backup, %2 how many reminders it has (&quot;1 reminder&quot;, &quot;5 reminders&quot;).</extracomment>
        <translation>Il file dei promemoria manca; l’ultimo backup, del %1, contiene %2. Usi Ripristina per recuperarlo.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 promemoria</translation>
    </message>
    <message>
        <source>Are you sure you want to recover your reminder database from the last backup of %1?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Ripristinare davvero i promemoria dall’ultimo backup del %1?</translation>
    </message>
    <message>
        <source>Any reminders created since %1  will be PERMANENTLY LOST.  Proceed?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Tutti i promemoria creati dal %1 andranno PERSI PER SEMPRE.  Continuare?</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n promemoria</numerusform>
            <numerusform>%n promemoria</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWriteFailure</name>
    <message>
        <source>its folder %1 is gone</source>
        <translation>la sua cartella %1 non esiste più</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>il disco è di sola lettura</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
</context>
<context>
    <name>kestrelmark-cli</name>
    <message>
        <source>add a reminder to a reminder file</source>
        <translation>aggiungere un promemoria a un file di promemoria</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Creates FILE when it does not exist. NAME is a built-in icon or an
icon file imported from the icons folder of the data folder.</source>
        <translation>Uso: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Crea FILE se non esiste. NAME è un’icona inclusa o un file di icona
importato dalla cartella delle icone della cartella dati.</translation>
    </message>
    <message>
        <source>run the weekly backup of the data folder&apos;s reminders</source>
        <translation>eseguire il backup settimanale dei promemoria della cartella dati</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Backs up DIR/Kestrelmark.km2 to DIR/KestrelmarkBackup.km2 when the last backup
recorded in the user&apos;s settings is a week old (or none is), as the program does at
start-up; --force backs up in any case.</source>
        <translation>Uso: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Copia DIR/Kestrelmark.km2 in DIR/KestrelmarkBackup.km2 quando l’ultimo backup
registrato nelle impostazioni dell’utente ha una settimana (o non ce n’è), come fa il
programma all’avvio; --force esegue il backup in ogni caso.</translation>
    </message>
    <message>
        <source>copy a reminder file into a current (.km2) one</source>
        <translation>copiare un file di promemoria in uno attuale (.km2)</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli copy IN OUT
Reads IN (.km2 or legacy .kmr) and writes all its reminders to OUT.</source>
        <translation>Uso: kestrelmark-cli copy IN OUT
Legge IN (.km2 o il vecchio .kmr) e scrive tutti i suoi promemoria in OUT.</translation>
    </message>
    <message>
        <source>list the reminders that fall on a day</source>
        <translation>elencare i promemoria di un giorno</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli day FILE --date YYYY-MM-DD
Prints the indexes (in date order) of the day&apos;s reminders, as the calendar shows them.</source>
        <translation>Uso: kestrelmark-cli day FILE --date YYYY-MM-DD
Stampa gli indici (in ordine di data) dei promemoria del giorno, come li mostra il calendario.</translation>
    </message>
    <message>
        <source>delete the reminders of a range of days</source>
        <translation>eliminare i promemoria di un periodo</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Deletes the one-time reminders (all kinds with --all-kinds) whose own date and time lie
from the first day through the end of the last day.</source>
        <translation>Uso: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Elimina i promemoria singoli (di ogni tipo con --all-kinds) la cui data e ora vanno
dal primo giorno fino alla fine dell’ultimo.</translation>
    </message>
    <message>
        <source>run one due-reminder pass at a given time</source>
        <translation>controllare una volta i promemoria scaduti in un dato momento</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Prints the alerts the pass would show, in order; --save writes the shown flags back.</source>
        <translation>Uso: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Stampa in ordine gli avvisi che il controllo mostrerebbe; --save scrive i segni di mostrato.</translation>
    </message>
    <message>
        <source>print a reminder file (or pack, or CSV) as JSON</source>
        <translation>mostrare un file di promemoria (o un pacchetto, o un CSV) come JSON</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli dump FILE
Prints {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} for FILE, chosen by its extension.</source>
        <translation>Uso: kestrelmark-cli dump FILE
Stampa {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} per FILE, secondo la sua estensione.</translation>
    </message>
    <message>
        <source>export reminders as a reminder pack, Outlook CSV or iCalendar file</source>
        <translation>esportare promemoria come pacchetto, CSV di Outlook o file iCalendar</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Writes the reminders of FILE (all, or those at the given indexes in date order) as a
reminder pack with the icon and sound files they use (taken from DIR, by default the
per-user data folder), as an Outlook calendar file, or as an iCalendar file.</source>
        <translation>Uso: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Scrive i promemoria di FILE (tutti, o quelli degli indici dati in ordine di data) come
pacchetto di promemoria con i file di icona e suono che usano (presi da DIR, per impostazione
predefinita la cartella dati dell’utente), come file di calendario di Outlook o come file iCalendar.</translation>
    </message>
    <message>
        <source>import a reminder pack, Outlook CSV or iCalendar file into a reminder file</source>
        <translation>importare un pacchetto, un CSV di Outlook o un file iCalendar in un file di promemoria</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Adds the reminders FILE does not hold yet (FILE is created when missing) and puts a
pack&apos;s icon and sound files into DIR/icons and DIR/sounds (by default the per-user
data folder). Prints what was added, what was skipped as a duplicate, and which data
files were written or refused. A damaged pack keeps what came before the damage and
exits with 2. An iCalendar import says how many events it simplified or left out, and how.</source>
        <translation>Uso: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Aggiunge i promemoria che FILE non ha ancora (FILE viene creato se manca) e mette i file di
icona e suono di un pacchetto in DIR/icons e DIR/sounds (per impostazione predefinita la cartella
dati dell’utente). Stampa cosa è stato aggiunto, cosa è stato saltato come doppione e quali file di
dati sono stati scritti o rifiutati. Un pacchetto danneggiato conserva ciò che precede il danno ed
esce con 2. Un’importazione iCalendar dice quanti eventi ha semplificato o tralasciato, e come.</translation>
    </message>
    <message>
        <source>list every occurrence in a range of days</source>
        <translation>elencare ogni occorrenza di un periodo</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Lists every occurrence on the days from --from through --to, in date order: one entry
per occurrence on a line of its own, dated on its day at the reminder&apos;s own time
(dateTime), with the reminder&apos;s own date (reminderDateTime), its index (as day gives
it), message, recurrence, advance notice in minutes (noticeMinutes) and icon name.
--full gives every field of the reminder instead, indented, as dump does. --per-day-limit N keeps at most N a day, as the calendar collects them
(the printout keeps 20).</source>
        <translation>Uso: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Elenca ogni occorrenza nei giorni da --from a --to, in ordine di data: una voce per occorrenza
su una riga propria, datata nel suo giorno all’ora del promemoria (dateTime), con la data propria
del promemoria (reminderDateTime), il suo indice (come lo dà day), messaggio, ripetizione, preavviso
in minuti (noticeMinutes) e nome dell’icona.
--full dà invece tutti i campi del promemoria, rientrati, come dump. --per-day-limit N ne tiene al
massimo N al giorno, come li raccoglie il calendario (la stampa ne tiene 20).</translation>
    </message>
    <message>
        <source>replace the reminders with the weekly backup</source>
        <translation>sostituire i promemoria con il backup settimanale</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli recover --yes [--data-dir DIR]
Replaces DIR/Kestrelmark.km2 with the contents of the weekly backup. Reminders made
since the backup are lost, so --yes is required. Without a readable backup nothing
changes and the exit code is 2.</source>
        <translation>Uso: kestrelmark-cli recover --yes [--data-dir DIR]
Sostituisce DIR/Kestrelmark.km2 con il contenuto del backup settimanale. I promemoria creati
dopo il backup vanno persi, perciò serve --yes. Senza un backup leggibile non cambia nulla e il
codice di uscita è 2.</translation>
    </message>
    <message>
        <source>sync a reminder file with a CalDAV calendar, both ways</source>
        <translation>sincronizzare un file di promemoria con un calendario CalDAV nei due sensi</translation>
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
        <translation>Uso: kestrelmark-cli sync FILE --url URL --user NAME --password-file F [--timeout SECONDS]
Porta FILE e il calendario a URL (la raccolta del calendario, o il server, il cui calendario
viene allora trovato tramite il principal dell’utente) agli stessi promemoria: ciò che è cambiato
da una parte passa all’altra; un promemoria cambiato da entrambe le parti viene conservato in
entrambe le versioni. L’ultimo stato sincronizzato è nella cartella di FILE come &lt;name&gt;Sync.json.
La password è la prima riga di F; va solo a schema, host e porta di URL (un reindirizzamento
altrove fa fallire la sincronizzazione), e per un URL http:// viene dato un avviso su stderr,
perché trasmette la password in chiaro. Una sola sincronizzazione di FILE alla volta: una seconda
attende fino a %1 secondi la prima. Stampa un rapporto JSON di ciò che è passato in ogni senso.
Una sincronizzazione che fallisce prima di aver sistemato qualcosa non scrive nulla.
Codici di uscita: 0 sincronizzato, 2 FILE o stato illeggibile, 3 sincronizzazione fallita (il
rapporto dice perché; ciò che era sistemato resta) o un’altra sincronizzazione di FILE è in corso,
4 il server ha rifiutato nome utente o password.</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli COMMAND [ARGUMENTS]

Reads and writes Kestrelmark reminder files (.km2, legacy .kmr) and prints JSON.
Exit codes: 0 success, 1 usage error, 2 unreadable or corrupt input.

Commands:
</source>
        <extracomment>The tool&apos;s --help. COMMAND and ARGUMENTS are placeholders; .km2 and .kmr are file types.</extracomment>
        <translation>Uso: kestrelmark-cli COMANDO [ARGOMENTI]

Legge e scrive i file di promemoria di Kestrelmark (.km2, il vecchio .kmr) e stampa JSON.
Codici di uscita: 0 riuscito, 1 errore d’uso, 2 input illeggibile o danneggiato.

Comandi:
</translation>
    </message>
    <message>
        <source>
&apos;kestrelmark-cli COMMAND --help&apos; describes a command.
</source>
        <translation>
«kestrelmark-cli COMANDO --help» descrive un comando.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>comando sconosciuto «%1» (vedere --help)</translation>
    </message>
    <message>
        <source>change one reminder of a reminder file</source>
        <translation>modificare un promemoria di un file di promemoria</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--sound PATH] [--private yes|no]
ID is the reminder&apos;s id as dump shows it. What is not given stays as it is;
the alert then counts as not yet shown, as after an edit in the window.</source>
        <translation>Uso: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--sound PATH] [--private yes|no]
ID è l’identificativo del promemoria come lo mostra dump. Ciò che non viene indicato
resta com’è; l’avviso conta poi come non ancora mostrato, come dopo una modifica
nella finestra.</translation>
    </message>
    <message>
        <source>warning: %1 is not encrypted: the password and the reminders travel readable to anyone on the network; use https:// where the server offers it</source>
        <translation>attenzione: %1 non è cifrato: la password e i promemoria viaggiano leggibili da chiunque in rete; usare https:// se il server lo offre</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>impossibile avviare %1: %2</translation>
    </message>
</context>
</TS>
