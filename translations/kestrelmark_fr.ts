<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutBoxDlg</name>
    <message>
        <source>About Kestrelmark</source>
        <translation>À propos de Kestrelmark</translation>
    </message>
    <message>
        <source>Kestrelmark
Personal Reminder Software</source>
        <translation>Kestrelmark
Logiciel de rappels personnels</translation>
    </message>
</context>
<context>
    <name>CCalendarAccessible</name>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
</context>
<context>
    <name>CCalendarCsv</name>
    <message>
        <source>Windows CSV file successfully imported.</source>
        <translation>Fichier CSV Windows importé avec succès.</translation>
    </message>
    <message>
        <source>
Its dates could be read day first or month first; they were read as your locale writes them (%1).</source>
        <extracomment>%1 is the date form the file was read in, e.g. &quot;dd.MM.yyyy&quot;.</extracomment>
        <translation>
Ses dates pouvaient se lire le jour ou le mois en premier&#xa0;; elles ont été lues comme les écrivent vos paramètres régionaux (%1).</translation>
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
        <translation>, 1 rappel&#xa0;: </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>, %n reminders: </source>
        <translation>
            <numerusform>, %n rappel&#xa0;: </numerusform>
            <numerusform>, %n rappels&#xa0;: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCalendarMenus</name>
    <message>
        <source>&amp;Delete this reminder...</source>
        <translation>&amp;Supprimer ce rappel...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>À &amp;propos de Kestrelmark...</translation>
    </message>
    <message>
        <source>&amp;Print reminders...</source>
        <translation>&amp;Imprimer les rappels...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>E&amp;xport reminders...</source>
        <translation>E&amp;xporter des rappels...</translation>
    </message>
    <message>
        <source>&amp;Import reminders...</source>
        <translation>Imp&amp;orter des rappels...</translation>
    </message>
    <message>
        <source>Delete &amp;range of reminders...</source>
        <translation>Supprimer les rappels d’une pé&amp;riode...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Ai&amp;de...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>Op&amp;tions...</translation>
    </message>
    <message>
        <source>Proper&amp;ties</source>
        <translation>Propri&amp;étés</translation>
    </message>
</context>
<context>
    <name>CCalendarWnd</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>CCloseWarningDlg</name>
    <message>
        <source>If you close Kestrelmark, you will not be notified of future reminders until you restart your computer or run Kestrelmark again.  For maximum functionality, it is recommended that you &apos;just minimize.&apos;</source>
        <translation>Si vous fermez Kestrelmark, vous ne serez plus averti de vos prochains rappels tant que vous n’aurez pas redémarré l’ordinateur ou relancé Kestrelmark.  Pour en profiter pleinement, il est conseillé de simplement «&#xa0;réduire&#xa0;» la fenêtre.</translation>
    </message>
    <message>
        <source>Kestrelmark -- Close Warning!</source>
        <translation>Kestrelmark – Avertissement à la fermeture&#xa0;!</translation>
    </message>
    <message>
        <source>Just &amp;minimize</source>
        <translation>&amp;Réduire seulement</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CConversionProgress</name>
    <message>
        <source>Sorry, there will be a slight delay while converting graphics to 256 colors.  For best results, please change your Display Properties to 24- or 16-bit color (16.7 million or 65536 colors).</source>
        <translation>Un instant&#xa0;: les images sont converties en 256 couleurs.  Pour un meilleur résultat, réglez l’affichage sur 24 ou 16 bits (16,7 millions ou 65 536 couleurs).</translation>
    </message>
</context>
<context>
    <name>CDateRangeCheck</name>
    <message>
        <source>One or both of the dates is invalid.  Please re-check them and try again.</source>
        <translation>Au moins une des dates n’est pas valide.  Vérifiez-les et réessayez.</translation>
    </message>
</context>
<context>
    <name>CDateRangeDlg</name>
    <message>
        <source>Print reminders</source>
        <translation>Imprimer les rappels</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be printed:</source>
        <translation>Les rappels de la période suivante seront imprimés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CDayListRows</name>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <extracomment>Minutes of advance notice, in a narrow column: abbreviated.</extracomment>
        <translation>1 minute</translation>
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
        <translation>Rappels du %1&#xa0;:</translation>
    </message>
    <message>
        <source>[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>[%1]
Voulez-vous vraiment supprimer ce rappel&#xa0;?</translation>
    </message>
    <message>
        <source>Please select a reminder to delete.</source>
        <translation>Sélectionnez le rappel à supprimer.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDeleteRangeDlg</name>
    <message>
        <source>Delete reminders</source>
        <translation>Supprimer des rappels</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be deleted:</source>
        <translation>Les rappels de la période suivante seront supprimés&#xa0;:</translation>
    </message>
    <message>
        <source>Delete &amp;one-time reminders only.</source>
        <translation>Supprimer uniquement les rappels &amp;ponctuels.</translation>
    </message>
</context>
<context>
    <name>CDesktopNotification</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>The notification&apos;s button that puts the reminder off.</extracomment>
        <translation>Rappeler plus tard</translation>
    </message>
</context>
<context>
    <name>CEditRemindersDlg</name>
    <message>
        <source>Edit reminders</source>
        <translation>Modifier les rappels</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Rappels du jour</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Adv. time</source>
        <translation>Préavis</translation>
    </message>
    <message>
        <source>0 minutes</source>
        <translation>0 minute</translation>
    </message>
</context>
<context>
    <name>CExportSelectionDlg</name>
    <message>
        <source>Choose reminders to export as a Reminder Pack</source>
        <translation>Choisir les rappels à exporter dans un paquet de rappels</translation>
    </message>
    <message>
        <source>Share reminders with a friend!  Choose the reminders you want to export by moving them into the right-hand window.  Save to disk, or, if supported, email them to a friend!</source>
        <translation>Partagez vos rappels avec vos amis&#xa0;!  Choisissez les rappels à exporter en les déplaçant dans la liste de droite.  Enregistrez-les dans un fichier ou, si possible, envoyez-les par courriel.</translation>
    </message>
    <message>
        <source>C&amp;urrent reminders</source>
        <translation>Rappels &amp;existants</translation>
    </message>
    <message>
        <source>&amp;Reminders to export:</source>
        <translation>&amp;Rappels à exporter&#xa0;:</translation>
    </message>
    <message>
        <source>Current reminders</source>
        <translation>Rappels existants</translation>
    </message>
    <message>
        <source>Reminders to export</source>
        <translation>Rappels à exporter</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>Enre&amp;gistrer...</translation>
    </message>
    <message>
        <source>&amp;Mail to...</source>
        <translation>Envoyer par &amp;courriel...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>First, please select the reminders you want to export.</source>
        <translation>Sélectionnez d’abord les rappels à exporter.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to export first.</source>
        <translation>Sélectionnez d’abord un ou plusieurs rappels à exporter.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to remove from the export list.</source>
        <translation>Sélectionnez un ou plusieurs rappels à retirer de la liste d’exportation.</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>CIconLibrary</name>
    <message>
        <source>Importing icons...</source>
        <translation>Importation des icônes...</translation>
    </message>
</context>
<context>
    <name>CIcsFile</name>
    <message>
        <source>iCalendar file successfully imported.</source>
        <translation>Fichier iCalendar importé avec succès.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Désolé, le fichier %1 n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 was not imported: %2.</source>
        <extracomment>%1 is the file, %2 why it was refused.</extracomment>
        <translation>Désolé, le fichier %1 n’a pas été importé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>1 reminder added</source>
        <translation>1 rappel ajouté</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders added</source>
        <translation>
            <numerusform>%n rappel ajouté</numerusform>
            <numerusform>%n rappels ajoutés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n already in the list.</source>
        <translation>
            <numerusform>, %n déjà dans la liste.</numerusform>
            <numerusform>, %n déjà dans la liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event simplified.</source>
        <translation>1 événement simplifié.</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified.</source>
        <translation>
            <numerusform>%n événement simplifié.</numerusform>
            <numerusform>%n événements simplifiés.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out.</source>
        <translation>1 événement laissé de côté.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out.</source>
        <translation>
            <numerusform>%n événement laissé de côté.</numerusform>
            <numerusform>%n événements laissés de côté.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CImportProgress</name>
    <message>
        <source>Importing reminders from %1...</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Importation des rappels de %1...</translation>
    </message>
</context>
<context>
    <name>CIntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Saisissez un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Saisissez un nombre entier compris entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>Sorry, the manual is missing. It belongs at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Désolé, le manuel est introuvable. Il devrait se trouver dans %1.</translation>
    </message>
    <message>
        <source>Sorry, no program could show the manual. You can open it in a web browser; it is at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Désolé, aucun programme n’a pu afficher le manuel. Vous pouvez l’ouvrir dans un navigateur web&#xa0;; il se trouve dans %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Sons activés.</translation>
    </message>
    <message>
        <source>Sound is now off.</source>
        <translation>Les sons sont maintenant désactivés.</translation>
    </message>
    <message>
        <source>Reminder message:
[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>Texte du rappel&#xa0;:
[%1]
Voulez-vous vraiment supprimer ce rappel&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CNewEventDlg</name>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>&amp;Time of day</source>
        <translation>&amp;Heure</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>&amp;AM</source>
        <translation>&amp;AM</translation>
    </message>
    <message>
        <source>&amp;PM</source>
        <translation>P&amp;M</translation>
    </message>
    <message>
        <source>How often?</source>
        <translation>À quelle fréquence&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;One-time</source>
        <translation>&amp;Ponctuel</translation>
    </message>
    <message>
        <source>A&amp;nnual</source>
        <translation>Ann&amp;uel</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>Me&amp;nsuel</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>He&amp;bdo.</translation>
    </message>
    <message>
        <source>Send reminder in ad&amp;vance...</source>
        <translation>Prévenir à l’a&amp;vance...</translation>
    </message>
    <message>
        <source>Days in advance</source>
        <translation>Jours avant</translation>
    </message>
    <message>
        <source>Hours in advance</source>
        <translation>Heures avant</translation>
    </message>
    <message>
        <source>Minutes in advance</source>
        <translation>Minutes avant</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>mins.</source>
        <extracomment>Under the field of minutes in advance: short, the field is narrow.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Select &amp;icon</source>
        <translation>Choisir l’&amp;icône</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Add icon</source>
        <translation>Ajouter une icône</translation>
    </message>
    <message>
        <source>A&amp;dd icon</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Reminder &amp;message to display</source>
        <translation>&amp;Texte à afficher</translation>
    </message>
    <message>
        <source>Reminder message to display</source>
        <translation>Texte à afficher</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Use custom &amp;sound:</source>
        <translation>Son pe&amp;rsonnalisé&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Choose sound...</source>
        <translation>&amp;Choisir un son...</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>Écouter (%1)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>Annul&amp;er</translation>
    </message>
    <message>
        <source>(&amp;Click to choose sound)</source>
        <extracomment>The same text as &quot;(Click to choose sound)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(&amp;Choisir un son)</translation>
    </message>
    <message>
        <source>Choose sound</source>
        <translation>Choisir un son</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>Fichiers son WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Windows icons (*.ico *.ICO)</source>
        <translation>Icônes Windows (*.ico *.ICO)</translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; could not be read as an icon.  Please choose an icon file that holds a 32 x 32 picture.</source>
        <translation>Désolé, «&#xa0;%1&#xa0;» n’a pas pu être lu comme une icône.  Choisissez un fichier d’icône contenant une image de 32 × 32 pixels.</translation>
    </message>
</context>
<context>
    <name>CNewEventForm</name>
    <message>
        <source>Reminder for %1</source>
        <extracomment>The editor&apos;s title; %1 is the reminder&apos;s date.</extracomment>
        <translation>Rappel du %1</translation>
    </message>
    <message>
        <source>The time of day that this reminder is scheduled for is invalid.  Please try another time.</source>
        <translation>L’heure prévue pour ce rappel n’est pas valide.  Essayez une autre heure.</translation>
    </message>
    <message>
        <source>(Click to choose sound)</source>
        <translation>(Choisir un son)</translation>
    </message>
</context>
<context>
    <name>CNotes</name>
    <message>
        <source>%1 takes one file, --from and --to</source>
        <translation>%1 prend un fichier, --from et --to</translation>
    </message>
    <message>
        <source>--from and --to must be possible dates (YYYY-MM-DD)</source>
        <translation>--from et --to doivent être des dates possibles (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l’option %1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a readable reminder file (%2)</source>
        <translation>%1 n’est pas un fichier de rappels lisible (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>impossible d’écrire %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing written</source>
        <translation>impossible d’écrire %1&#xa0;: %2&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>%1 is busy: %2; gave up after %3 seconds, nothing written</source>
        <translation>%1 est occupé&#xa0;: %2&#xa0;; abandon après %3 secondes, rien n’a été écrit</translation>
    </message>
    <message>
        <source>%1 is not a reminder pack</source>
        <translation>%1 n’est pas un paquet de rappels</translation>
    </message>
    <message>
        <source>%1 is a damaged reminder pack (%2)</source>
        <translation>%1 est un paquet de rappels endommagé (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 has none of the calendar columns</source>
        <translation>%1 n’a aucune des colonnes d’un calendrier</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>add takes one file</source>
        <translation>add prend un fichier</translation>
    </message>
    <message>
        <source>add needs --at and --message</source>
        <translation>add demande --at et --message</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--at&#xa0;: «&#xa0;%1&#xa0;» n’est pas une date et une heure possibles (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>--recurrence must be one-time, annual, monthly or weekly</source>
        <translation>--recurrence doit valoir one-time, annual, monthly ou weekly</translation>
    </message>
    <message>
        <source>--icon: there is no icon named &apos;%1&apos;; the icons are: %2</source>
        <translation>--icon&#xa0;: aucune icône ne s’appelle «&#xa0;%1&#xa0;»&#xa0;; les icônes sont&#xa0;: %2</translation>
    </message>
    <message>
        <source>--notice must look like 2d3h30m</source>
        <translation>--notice doit avoir la forme 2d3h30m</translation>
    </message>
    <message>
        <source>backup takes no file; see --data-dir</source>
        <translation>backup ne prend pas de fichier&#xa0;; voir --data-dir</translation>
    </message>
    <message>
        <source>--now must be a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--now doit être une date et une heure possibles (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>the reminder file in %1 cannot be read; no backup made</source>
        <translation>le fichier de rappels de %1 ne peut être lu&#xa0;; aucune sauvegarde faite</translation>
    </message>
    <message>
        <source>copy takes IN and OUT</source>
        <translation>copy prend IN et OUT</translation>
    </message>
    <message>
        <source>day takes one file and --date</source>
        <translation>day prend un fichier et --date</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a possible date (YYYY-MM-DD)</source>
        <translation>--date&#xa0;: «&#xa0;%1&#xa0;» n’est pas une date possible (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>due takes one file and --at</source>
        <translation>due prend un fichier et --at</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM:SS)</source>
        <translation>--at&#xa0;: «&#xa0;%1&#xa0;» n’est pas une date et une heure possibles (YYYY-MM-DDTHH:MM:SS)</translation>
    </message>
    <message>
        <source>dump takes one file</source>
        <translation>dump prend un fichier</translation>
    </message>
    <message>
        <source>edit takes one file</source>
        <translation>edit prend un fichier</translation>
    </message>
    <message>
        <source>edit needs --id, a reminder&apos;s id as dump shows it</source>
        <translation>edit demande --id, l’identifiant d’un rappel tel que dump l’affiche</translation>
    </message>
    <message>
        <source>--private must be yes or no</source>
        <translation>--private doit valoir yes ou no</translation>
    </message>
    <message>
        <source>%1 holds no reminder with the id %2; nothing written</source>
        <translation>%1 ne contient aucun rappel d’identifiant %2&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>export takes a reminder file and an output file</source>
        <translation>export prend un fichier de rappels et un fichier de sortie</translation>
    </message>
    <message>
        <source>the output file must end in .rpk, .csv or .ics</source>
        <translation>le fichier de sortie doit finir par .rpk, .csv ou .ics</translation>
    </message>
    <message>
        <source>--select: &apos;%1&apos; is not an index of the file&apos;s %2 reminders</source>
        <translation>--select&#xa0;: «&#xa0;%1&#xa0;» n’est pas un indice des %2 rappels du fichier</translation>
    </message>
    <message>
        <source>no reminders to export</source>
        <translation>aucun rappel à exporter</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>import takes a reminder file and a pack or CSV file</source>
        <translation>import prend un fichier de rappels et un paquet ou un fichier CSV</translation>
    </message>
    <message>
        <source>the file to import must end in .rpk, .csv or .ics</source>
        <translation>le fichier à importer doit finir par .rpk, .csv ou .ics</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 n’a pas été importé&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>impossible d’ouvrir %1</translation>
    </message>
    <message>
        <source>--per-day-limit takes a whole number of 1 or more</source>
        <translation>--per-day-limit prend un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>cannot write the listing to the standard output</source>
        <translation>impossible d’écrire la liste sur la sortie standard</translation>
    </message>
    <message>
        <source>recover takes no file; see --data-dir</source>
        <translation>recover ne prend pas de fichier&#xa0;; voir --data-dir</translation>
    </message>
    <message>
        <source>recover replaces your reminders with the backup; confirm with --yes</source>
        <translation>recover remplace vos rappels par la sauvegarde&#xa0;; confirmez avec --yes</translation>
    </message>
    <message>
        <source>cannot read %1: %2; move it away to recover, nothing changed</source>
        <translation>impossible de lire %1&#xa0;: %2&#xa0;; déplacez-le pour restaurer, rien n’a changé</translation>
    </message>
    <message>
        <source>no backup in %1</source>
        <translation>aucune sauvegarde dans %1</translation>
    </message>
    <message>
        <source>the backup in %1 cannot be read; nothing changed</source>
        <translation>la sauvegarde de %1 ne peut être lue&#xa0;; rien n’a changé</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept; nothing changed</source>
        <translation>%1 est endommagé et aucune copie n’a pu en être gardée&#xa0;; rien n’a changé</translation>
    </message>
    <message>
        <source>cannot write the reminder file in %1</source>
        <translation>impossible d’écrire le fichier de rappels de %1</translation>
    </message>
    <message>
        <source>sync takes one reminder file</source>
        <translation>sync prend un fichier de rappels</translation>
    </message>
    <message>
        <source>sync needs --%1</source>
        <translation>sync demande --%1</translation>
    </message>
    <message>
        <source>--url must be an http or https address</source>
        <translation>--url doit être une adresse http ou https</translation>
    </message>
    <message>
        <source>--timeout takes 1 to 3600 seconds</source>
        <translation>--timeout prend de 1 à 3600 secondes</translation>
    </message>
    <message>
        <source>cannot read the password file %1</source>
        <translation>impossible de lire le fichier de mot de passe %1</translation>
    </message>
    <message>
        <source>%1 (move it away to sync afresh)</source>
        <translation>%1 (déplacez-le pour synchroniser à neuf)</translation>
    </message>
    <message>
        <source>a changed occurrence of a repeating event (RECURRENCE-ID) has no reminder of its own</source>
        <translation>une occurrence modifiée d’un événement répétitif (RECURRENCE-ID) n’a pas de rappel à elle</translation>
    </message>
    <message>
        <source>a to-do without a due date or start</source>
        <translation>une tâche sans échéance ni début</translation>
    </message>
    <message>
        <source>no start date</source>
        <translation>aucune date de début</translation>
    </message>
    <message>
        <source>a start date that could not be read</source>
        <translation>une date de début illisible</translation>
    </message>
    <message>
        <source>a repeating event whose last occurrence is past</source>
        <translation>un événement répétitif dont la dernière occurrence est passée</translation>
    </message>
    <message>
        <source>none of its events and to-dos could become a reminder</source>
        <translation>aucun de ses événements et tâches n’a pu devenir un rappel</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A note and, in brackets, what else is known of it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it is too large to be a calendar</source>
        <translation>il est trop grand pour être un calendrier</translation>
    </message>
    <message>
        <source>its parts are nested too deeply for a calendar</source>
        <translation>ses parties sont trop imbriquées pour un calendrier</translation>
    </message>
    <message>
        <source>one of its lines has more parameters than any calendar uses</source>
        <translation>une de ses lignes a plus de paramètres qu’aucun calendrier n’en utilise</translation>
    </message>
    <message>
        <source>1 event: %1.</source>
        <translation>1 événement&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events: %1.</source>
        <translation>
            <numerusform>%n événement&#xa0;: %1.</numerusform>
            <numerusform>%n événements&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out: %1.</source>
        <translation>1 événement laissé de côté&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out: %1.</source>
        <translation>
            <numerusform>%n événement laissé de côté&#xa0;: %1.</numerusform>
            <numerusform>%n événements laissés de côté&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>il ne contient ni événements ni tâches</translation>
    </message>
    <message>
        <source>it holds no events or to-dos (%1)</source>
        <translation>il ne contient ni événements ni tâches (%1)</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text: its byte %2 is 0x%3 (read as a replacement character)</source>
        <translation>la ligne %1 n’est pas du texte UTF-8&#xa0;: son octet %2 vaut 0x%3 (lu comme caractère de remplacement)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>it is not an iCalendar file that can be read</source>
        <translation>ce n’est pas un fichier iCalendar lisible</translation>
    </message>
    <message>
        <source>a repeat interval above 1 was read as 1</source>
        <translation>un intervalle de répétition supérieur à 1 a été lu comme 1</translation>
    </message>
    <message>
        <source>the end of the repeat (COUNT or UNTIL) was dropped, so it repeats without end</source>
        <translation>la fin de la répétition (COUNT ou UNTIL) a été abandonnée, il se répète donc sans fin</translation>
    </message>
    <message>
        <source>its excluded dates (EXDATE) were not kept</source>
        <translation>ses dates exclues (EXDATE) n’ont pas été gardées</translation>
    </message>
    <message>
        <source>its extra dates (RDATE) were left out</source>
        <translation>ses dates supplémentaires (RDATE) ont été laissées de côté</translation>
    </message>
    <message>
        <source>a repeat of hours or less became one time</source>
        <translation>une répétition d’une heure ou moins est devenue ponctuelle</translation>
    </message>
    <message>
        <source>the days its rule names were read as the start&apos;s own day</source>
        <translation>les jours que nomme sa règle ont été lus comme le jour de son début</translation>
    </message>
    <message>
        <source>a repeat rule that could not be read became one time</source>
        <translation>une règle de répétition illisible est devenue ponctuelle</translation>
    </message>
    <message>
        <source>only the first of its repeat rules was kept</source>
        <translation>seule la première de ses règles de répétition a été gardée</translation>
    </message>
    <message>
        <source>an alarm after the start rings at the start</source>
        <translation>une alarme après le début sonne au début</translation>
    </message>
    <message>
        <source>an unknown time zone was read as local time</source>
        <translation>un fuseau horaire inconnu a été lu comme l’heure locale</translation>
    </message>
    <message>
        <source>properties that could not be read were ignored</source>
        <translation>les propriétés illisibles ont été ignorées</translation>
    </message>
    <message>
        <source>it keeps the time of its own time zone, which changes its clocks on other days than this computer&apos;s, so here it rings an hour off for part of the year</source>
        <translation>il garde l’heure de son propre fuseau, qui change d’heure à d’autres dates que celui de cet ordinateur, et sonne donc ici avec une heure d’écart une partie de l’année</translation>
    </message>
    <message>
        <source>its repeat has one occurrence left, so it became one time</source>
        <translation>sa répétition n’a plus qu’une occurrence, il est donc devenu ponctuel</translation>
    </message>
    <message>
        <source>not valid text</source>
        <translation>texte non valide</translation>
    </message>
    <message>
        <source>too many folders</source>
        <translation>trop de dossiers</translation>
    </message>
    <message>
        <source>empty or absolute path</source>
        <translation>chemin vide ou absolu</translation>
    </message>
    <message>
        <source>relative folder reference</source>
        <translation>référence relative à un dossier</translation>
    </message>
    <message>
        <source>character not allowed in file names</source>
        <translation>caractère interdit dans les noms de fichier</translation>
    </message>
    <message>
        <source>name too long</source>
        <translation>nom trop long</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a link that leads nowhere is in the way</source>
        <translation>un lien qui ne mène nulle part gêne</translation>
    </message>
    <message>
        <source>cannot create its folder</source>
        <translation>impossible de créer son dossier</translation>
    </message>
    <message>
        <source>its folder leads outside the data folder</source>
        <translation>son dossier mène hors du dossier de données</translation>
    </message>
    <message>
        <source>a link of that name is in the way</source>
        <translation>un lien de ce nom gêne</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier de ce nom gêne</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>impossible de créer le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot write the file: %1</source>
        <translation>impossible d’écrire le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>not in icons or sounds</source>
        <translation>ni dans icons ni dans sounds</translation>
    </message>
    <message>
        <source>the pack breaks off inside it</source>
        <translation>le paquet s’interrompt en son milieu</translation>
    </message>
    <message>
        <source>the list of data files ends in an unknown value</source>
        <translation>la liste des fichiers de données finit par une valeur inconnue</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire épuisée</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>pas assez de mémoire pour le lire</translation>
    </message>
    <message>
        <source>it is damaged (%1), and no copy of it could be kept</source>
        <translation>il est endommagé (%1), et aucune copie n’a pu en être gardée</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>le serveur n’a pas répondu à temps</translation>
    </message>
    <message>
        <source>the server&apos;s reply is larger than %1 bytes</source>
        <translation>la réponse du serveur dépasse %1 octets</translation>
    </message>
    <message>
        <source>the server&apos;s certificate was refused: %1</source>
        <translation>le certificat du serveur a été refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the server refused the user name or password</source>
        <translation>le serveur a refusé le nom d’utilisateur ou le mot de passe</translation>
    </message>
    <message>
        <source>the server sent the request to %1</source>
        <translation>le serveur a renvoyé la demande vers %1</translation>
    </message>
    <message>
        <source>the server sent the request elsewhere (%1)</source>
        <translation>le serveur a renvoyé la demande ailleurs (%1)</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>la réponse n’est pas un multistatus WebDAV</translation>
    </message>
    <message>
        <source>unreadable multistatus reply: %1</source>
        <translation>réponse multistatus illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>the account&apos;s address is not an http or https address</source>
        <translation>l’adresse du compte n’est pas une adresse http ou https</translation>
    </message>
    <message>
        <source>finding the calendar</source>
        <translation>recherche de l’agenda</translation>
    </message>
    <message>
        <source>finding the calendar: %1</source>
        <translation>recherche de l’agenda&#xa0;: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>no calendar was found at %1</source>
        <translation>aucun agenda trouvé à %1</translation>
    </message>
    <message>
        <source>reading the calendar home</source>
        <translation>lecture du dossier des agendas</translation>
    </message>
    <message>
        <source>reading the calendar home: %1</source>
        <translation>lecture du dossier des agendas&#xa0;: %1</translation>
    </message>
    <message>
        <source>making a calendar</source>
        <translation>création d’un agenda</translation>
    </message>
    <message>
        <source>asking what changed</source>
        <translation>demande des changements</translation>
    </message>
    <message>
        <source>listing the calendar</source>
        <translation>liste de l’agenda</translation>
    </message>
    <message>
        <source>listing the calendar: %1</source>
        <translation>liste de l’agenda&#xa0;: %1</translation>
    </message>
    <message>
        <source>too large to take (%1the limit is %2 MB)</source>
        <extracomment>%1 is the event&apos;s size and a semicolon (&quot;3.2 MB; &quot;) or nothing, %2 the largest size taken.</extracomment>
        <translation>trop grand pour être pris (%1la limite est de %2 Mo)</translation>
    </message>
    <message>
        <source>the server&apos;s reply could not be read (%1)</source>
        <translation>la réponse du serveur est illisible (%1)</translation>
    </message>
    <message>
        <source>fetching events</source>
        <translation>récupération des événements</translation>
    </message>
    <message>
        <source>it holds no event or to-do</source>
        <translation>il ne contient ni événement ni tâche</translation>
    </message>
    <message>
        <source>no calendar data</source>
        <translation>aucune donnée d’agenda</translation>
    </message>
    <message>
        <source>the server did not send it</source>
        <translation>le serveur ne l’a pas envoyé</translation>
    </message>
    <message>
        <source>the calendar kept changing during the sync; it is tried again later</source>
        <translation>l’agenda n’a cessé de changer pendant la synchronisation&#xa0;; elle sera retentée plus tard</translation>
    </message>
    <message>
        <source>deleting an event</source>
        <translation>suppression d’un événement</translation>
    </message>
    <message>
        <source>sending an event</source>
        <translation>envoi d’un événement</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>le serveur a répondu %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A note&apos;s subject (what was being done, a reminder&apos;s message) and what is said of it.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no event in the calendar resource</source>
        <translation>aucun événement dans la ressource d’agenda</translation>
    </message>
    <message>
        <source>%1: %2 here only; %3</source>
        <extracomment>%1 is the reminder&apos;s message, %2 what was changed here (&quot;moved&quot;), %3 why the calendar did not take it.</extracomment>
        <translation>%1&#xa0;: %2 ici seulement&#xa0;; %3</translation>
    </message>
    <message>
        <source>the meeting is organised by %1</source>
        <translation>la réunion est organisée par %1</translation>
    </message>
    <message>
        <source>retitled</source>
        <extracomment>What was changed here, in &quot;%1: %2 here only; %3&quot;; so are &quot;moved&quot; and the other changes.</extracomment>
        <translation>renommé</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>déplacé</translation>
    </message>
    <message>
        <source>the calendar&apos;s event holds its other days, which did not move</source>
        <translation>l’événement de l’agenda porte aussi ses autres jours, qui n’ont pas bougé</translation>
    </message>
    <message>
        <source>an all-day event moves by whole days</source>
        <translation>un événement d’une journée entière se déplace par jours entiers</translation>
    </message>
    <message>
        <source>the event&apos;s repeat rule cannot move by that much and keep its days</source>
        <translation>la règle de répétition de l’événement ne peut se déplacer autant en gardant ses jours</translation>
    </message>
    <message>
        <source>notice changed</source>
        <translation>préavis modifié</translation>
    </message>
    <message>
        <source>another alarm of the event rings earlier</source>
        <translation>une autre alarme de l’événement sonne plus tôt</translation>
    </message>
    <message>
        <source>repeat changed</source>
        <translation>répétition modifiée</translation>
    </message>
    <message>
        <source>privacy changed</source>
        <translation>confidentialité modifiée</translation>
    </message>
    <message>
        <source>not fetched</source>
        <translation>non récupéré</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s event still holds it</source>
        <translation>%1&#xa0;: supprimé ici&#xa0;; l’événement de l’agenda le contient encore</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s later change to it was not taken</source>
        <translation>%1&#xa0;: supprimé ici&#xa0;; sa modification ultérieure dans l’agenda n’a pas été reprise</translation>
    </message>
    <message>
        <source>a sync of this file is already running</source>
        <translation>une synchronisation de ce fichier est déjà en cours</translation>
    </message>
    <message>
        <source>the sync lock %1 cannot be created (%2)</source>
        <translation>le verrou de synchronisation %1 ne peut être créé (%2)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>la raison est inconnue</translation>
    </message>
    <message>
        <source>%1 is too large to be a sync state</source>
        <translation>%1 est trop grand pour être un état de synchronisation</translation>
    </message>
    <message>
        <source>%1 is damaged: an entry cannot be read</source>
        <translation>%1 est endommagé&#xa0;: une entrée est illisible</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
</context>
<context>
    <name>COleDateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Date non valide</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Upcoming Reminders window</source>
        <translation>Liste des prochains rappels</translation>
    </message>
    <message>
        <source>&amp;Show reminders for next</source>
        <translation>&amp;Afficher les rappels des</translation>
    </message>
    <message>
        <source>days.</source>
        <translation>prochains jours.</translation>
    </message>
    <message>
        <source>Reminder Alert Sound</source>
        <translation>Son du rappel</translation>
    </message>
    <message>
        <source>Use system &amp;beep</source>
        <translation>&amp;Bip du système</translation>
    </message>
    <message>
        <source>Use sound file</source>
        <translation>Fichier son</translation>
    </message>
    <message>
        <source>Use sound file (%1)</source>
        <translation>Fichier son (%1)</translation>
    </message>
    <message>
        <source>Browse for a sound file</source>
        <translation>Choisir un fichier son</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>S&amp;tart Kestrelmark when I log in</source>
        <translation>Lancer Kestrelmark à l’ou&amp;verture de session</translation>
    </message>
    <message>
        <source>Also show alerts as desktop &amp;notifications</source>
        <translation>Afficher aussi les rappels en &amp;notifications du bureau</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>(Click here to choose a .WAV sound &amp;file)</source>
        <extracomment>The same text as &quot;(Click here to choose a .WAV sound file)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(Cliquez ici pour choisir un &amp;fichier son WAV)</translation>
    </message>
    <message>
        <source>Choose .WAV sound file</source>
        <translation>Choisir un fichier son WAV</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>Fichiers son WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not set itself to start when you log in.</source>
        <translation>Désolé, Kestrelmark n’a pas pu s’inscrire au lancement à l’ouverture de session.</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not stop itself from starting when you log in.</source>
        <translation>Désolé, Kestrelmark n’a pas pu annuler son lancement à l’ouverture de session.</translation>
    </message>
</context>
<context>
    <name>COptionsForm</name>
    <message>
        <source>(Click here to choose a .WAV sound file)</source>
        <translation>(Cliquez ici pour choisir un fichier son WAV)</translation>
    </message>
</context>
<context>
    <name>COrvantis2App</name>
    <message>
        <source>Another copy of Kestrelmark is running.  Please close it and try again.</source>
        <translation>Kestrelmark est déjà lancé.  Fermez-le et réessayez.</translation>
    </message>
    <message>
        <source>Kestrelmark is running but did not take %1.  Please open the file from the running Kestrelmark.</source>
        <extracomment>%1 is the file the user asked a second start of the program to open.</extracomment>
        <translation>Kestrelmark est lancé mais n’a pas pris %1.  Ouvrez le fichier depuis le Kestrelmark lancé.</translation>
    </message>
</context>
<context>
    <name>COrvantis2Dlg</name>
    <message>
        <source>New reminder</source>
        <translation>Nouveau rappel</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The label of the main window&apos;s new-reminder button: short, the button is small.</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Rappels du jour</translation>
    </message>
    <message>
        <source>Reminders</source>
        <extracomment>The label of the main window&apos;s button that lists the selected day&apos;s reminders: short.</extracomment>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Aller à aujourd’hui</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The label of the main window&apos;s go-to-today button: short.</extracomment>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Upcoming reminders</source>
        <translation>Prochains rappels</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Go to today (%1)</source>
        <extracomment>%1 is the keys that do the same, e.g. Ctrl+T.</extracomment>
        <translation>Aller à aujourd’hui (%1)</translation>
    </message>
    <message>
        <source>Kestrelmark Personal Reminder Software</source>
        <translation>Kestrelmark – Logiciel de rappels personnels</translation>
    </message>
    <message>
        <source>TaskBarAddIcon failed.  Imagine that...</source>
        <translation>TaskBarAddIcon a échoué.  Qui l’eût cru...</translation>
    </message>
    <message>
        <source>There is no knowledge that is not power.</source>
        <translation>Il n’est de savoir qui ne soit pouvoir.</translation>
    </message>
</context>
<context>
    <name>COrvantis2View</name>
    <message>
        <source>More tools</source>
        <translation>Autres outils</translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation>Facteur de zoom</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Page actuelle</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Reminder list printed %1</source>
        <extracomment>The head of every printed page; %1 is the date and time of printing.</extracomment>
        <translation>Liste des rappels imprimée le %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Reminders.pdf</source>
        <extracomment>The file name offered when the list is printed to a PDF file.</extracomment>
        <translation>Rappels.pdf</translation>
    </message>
    <message>
        <source>Print reminders</source>
        <translation>Imprimer les rappels</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>CProgressWnd</name>
    <message>
        <source>Kestrelmark -- Please wait...</source>
        <translation>Kestrelmark – Veuillez patienter...</translation>
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
        <translation>Voulez-vous VRAIMENT supprimer définitivement les rappels du %1 au %2&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>A total of %n reminder(s) were deleted.</source>
        <translation>
            <numerusform>Au total, %n rappel a été supprimé.</numerusform>
            <numerusform>Au total, %n rappels ont été supprimés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CRangeDlgBase</name>
    <message>
        <source>From day</source>
        <translation>Jour de début</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Année de début</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Jour de fin</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Année de fin</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>CReminder</name>
    <message>
        <source>Annual</source>
        <translation>Annuel</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>One time</source>
        <translation>Ponctuel</translation>
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
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>Kestrelmark Reminder</source>
        <translation>Rappel Kestrelmark</translation>
    </message>
</context>
<context>
    <name>CReminderCheck</name>
    <message>
        <source>One day to go:
</source>
        <translation>Plus qu’un jour&#xa0;:
</translation>
    </message>
    <message>
        <source>Reminder for %1:

</source>
        <extracomment>The alert&apos;s head; %1 is the date and time the reminder is for. The message follows.</extracomment>
        <translation>Rappel du %1&#xa0;:

</translation>
    </message>
    <message numerus="yes">
        <source>%n days to go:
</source>
        <translation>
            <numerusform>Plus que %n jour&#xa0;:
</numerusform>
            <numerusform>Plus que %n jours&#xa0;:
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReminderExchange</name>
    <message>
        <source>Reminder Pack successfully imported.</source>
        <translation>Paquet de rappels importé avec succès.</translation>
    </message>
    <message>
        <source>Sorry, the title cannot contain punctuation characters or be empty.</source>
        <translation>Désolé, le titre ne peut être vide ni contenir de signes de ponctuation.</translation>
    </message>
    <message>
        <source>Sorry, this function is not supported.  Please save your reminder pack as a file and attach it to an email using your favorite mail package.</source>
        <translation>Désolé, cette fonction n’est pas prise en charge.  Enregistrez le paquet de rappels dans un fichier et joignez-le à un courriel depuis votre messagerie habituelle.</translation>
    </message>
    <message>
        <source>Sorry, there was a problem sending this file.  Please save it to disk instead.</source>
        <translation>Désolé, l’envoi de ce fichier a échoué.  Enregistrez-le plutôt sur le disque.</translation>
    </message>
    <message>
        <source>Sorry, there was an error opening %1 for writing.</source>
        <translation>Désolé, %1 n’a pas pu être ouvert en écriture.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Désolé, le fichier %1 n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not a reminder pack, so nothing was imported.</source>
        <translation>Désolé, le fichier %1 n’est pas un paquet de rappels&#xa0;; rien n’a été importé.</translation>
    </message>
    <message>
        <source>Sorry, the reminder pack %1 is damaged and could not be read to the end.  What came before the damage was imported.</source>
        <translation>Désolé, le paquet de rappels %1 est endommagé et n’a pas pu être lu jusqu’au bout.  Ce qui précédait la partie endommagée a été importé.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is unsupported.</source>
        <translation>Désolé, le fichier %1 n’est pas pris en charge.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is empty, so nothing was imported.</source>
        <translation>Désolé, le fichier %1 est vide&#xa0;; rien n’a été importé.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an Outlook calendar file, so nothing was imported.</source>
        <translation>Désolé, le fichier %1 n’est pas un fichier de calendrier Outlook&#xa0;; rien n’a été importé.</translation>
    </message>
</context>
<context>
    <name>CReminderFileKeeper</name>
    <message>
        <source>Sorry, the reminder file %1 was damaged by another program. Every reminder that could still be read was kept, and a copy of the damaged file was kept as %2.</source>
        <extracomment>%1 is the reminder file, %2 the copy kept of it.</extracomment>
        <translation>Désolé, le fichier de rappels %1 a été endommagé par un autre programme. Tous les rappels encore lisibles ont été conservés, et une copie du fichier endommagé a été gardée sous %2.</translation>
    </message>
    <message>
        <source>Sorry, your reminders could not be saved to %1: %2. They stay in this program, and it will try again at the next save.</source>
        <extracomment>%1 is the reminder file, %2 why it could not be written.</extracomment>
        <translation>Désolé, vos rappels n’ont pas pu être enregistrés dans %1&#xa0;: %2. Ils restent dans le programme, qui réessaiera au prochain enregistrement.</translation>
    </message>
</context>
<context>
    <name>CReminderFileLock</name>
    <message>
        <source>an unreadable lock</source>
        <translation>un verrou illisible</translation>
    </message>
    <message>
        <source>an empty lock</source>
        <translation>un verrou vide</translation>
    </message>
    <message>
        <source>a garbled lock</source>
        <translation>un verrou altéré</translation>
    </message>
    <message>
        <source>the lock of process %1, which no longer runs</source>
        <translation>le verrou du processus %1, qui ne tourne plus</translation>
    </message>
    <message>
        <source>%1 is %2, not a lock; move it away to write the file</source>
        <extracomment>%1 is the lock file&apos;s path, %2 &quot;a folder&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 est %2, pas un verrou&#xa0;; déplacez-le pour que le fichier puisse être écrit</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>its lock %1 is %2, and it cannot be removed (%3); remove it by hand</source>
        <translation>son verrou %1 est %2 et ne peut être supprimé (%3)&#xa0;; supprimez-le à la main</translation>
    </message>
    <message>
        <source>another program (%1, process %2) is writing it</source>
        <translation>un autre programme (%1, processus %2) est en train de l’écrire</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: %2</source>
        <translation>le fichier de verrou %1 ne peut être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>pour une raison inconnue</translation>
    </message>
</context>
<context>
    <name>CReminderPackTitleDlg</name>
    <message>
        <source>Reminder Pack Title</source>
        <translation>Titre du paquet de rappels</translation>
    </message>
    <message>
        <source>Please enter a &amp;title for this Reminder Pack:</source>
        <translation>Saisissez un &amp;titre pour ce paquet de rappels&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CReminderStore</name>
    <message>
        <source>Sorry, but either your reminder file is from a previous version of this software, or it has become corrupt and cannot be read, or it is empty.</source>
        <translation>Désolé, votre fichier de rappels provient d’une version antérieure de ce logiciel, ou il est endommagé et illisible, ou il est vide.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to run this program.</source>
        <translation>Désolé, la mémoire est insuffisante pour lancer ce programme.</translation>
    </message>
    <message>
        <source>An error occurred while attempting to write your reminder file to disk.  You may be out of harddrive space.  Please free up some space and click OK to try again.</source>
        <translation>Une erreur s’est produite lors de l’écriture de votre fichier de rappels.  Le disque est peut-être plein.  Libérez de la place et cliquez sur OK pour réessayer.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to save your reminders.  Please close all other programs and click OK to try again.</source>
        <translation>Désolé, la mémoire est insuffisante pour enregistrer vos rappels.  Fermez tous les autres programmes et cliquez sur OK pour réessayer.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>mémoire insuffisante pour le lire</translation>
    </message>
    <message>
        <source>Sorry, your reminder file %1 cannot be read (%2). Your reminders stay in this program, and the file will not be written until it can be read again.</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be read.</extracomment>
        <translation>Désolé, votre fichier de rappels %1 est illisible (%2). Vos rappels restent dans le programme, et le fichier ne sera pas réécrit tant qu’il ne pourra pas être relu.</translation>
    </message>
    <message>
        <source>

A copy of the damaged file was kept as %1.</source>
        <translation>

Une copie du fichier endommagé a été gardée sous %1.</translation>
    </message>
    <message>
        <source>Error opening %1: %2</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be opened.</extracomment>
        <translation>Erreur à l’ouverture de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>le disque est peut-être plein</translation>
    </message>
</context>
<context>
    <name>CSharingCommands</name>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics);;All files (*)</source>
        <extracomment>The file kinds of the export dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Paquets de rappels (*.rpk);;CSV Windows Outlook98 (*.csv);;iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics)</source>
        <extracomment>The file kinds of the import dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Paquets de rappels (*.rpk);;CSV Windows Outlook98 (*.csv);;iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>There are no reminders to print in this date range.</source>
        <translation>Aucun rappel à imprimer sur cette période.</translation>
    </message>
    <message>
        <source>Sorry, an error occured.</source>
        <translation>Désolé, une erreur s’est produite.</translation>
    </message>
    <message>
        <source>Icon succesfully imported.</source>
        <translation>Icône importée avec succès.</translation>
    </message>
    <message>
        <source>Sorry, the reminders could not be printed.</source>
        <translation>Désolé, les rappels n’ont pas pu être imprimés.</translation>
    </message>
    <message>
        <source>Export reminder pack as</source>
        <translation>Exporter le paquet de rappels sous</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The file name offered for a new export.</extracomment>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Import reminders</source>
        <translation>Importer des rappels</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an icon file that can be read, so it was not imported.</source>
        <translation>Désolé, le fichier %1 n’est pas un fichier d’icône lisible&#xa0;; il n’a pas été importé.</translation>
    </message>
    <message>
        <source>Sorry, an icon named %1 is already in the icons folder, so the dropped one was not imported.</source>
        <translation>Désolé, une icône nommée %1 se trouve déjà dans le dossier des icônes&#xa0;; celle que vous avez déposée n’a pas été importée.</translation>
    </message>
    <message>
        <source>Sorry, the icon file %1 could not be copied into the icons folder.</source>
        <translation>Désolé, le fichier d’icône %1 n’a pas pu être copié dans le dossier des icônes.</translation>
    </message>
</context>
<context>
    <name>CSnooze</name>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
</context>
<context>
    <name>CSyncAccountBox</name>
    <message>
        <source>Calendar sync (CalDAV)</source>
        <translation>Synchronisation de calendrier (CalDAV)</translation>
    </message>
    <message>
        <source>https://server/ or the calendar&apos;s address</source>
        <translation>https://serveur/ ou l’adresse du calendrier</translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation>&amp;Synchroniser</translation>
    </message>
    <message>
        <source>Warning: this address is not encrypted: the password and your reminders travel readable to anyone on the network. Use https:// if the server offers it.</source>
        <translation>Attention&#xa0;: cette adresse n’est pas chiffrée&#xa0;; le mot de passe et vos rappels circulent en clair sur le réseau. Utilisez https:// si le serveur le propose.</translation>
    </message>
    <message>
        <source>Warning: unencrypted calendar address</source>
        <translation>Attention&#xa0;: adresse de calendrier non chiffrée</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>&amp;Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Détails...</translation>
    </message>
    <message>
        <source>What the last sync simplified, left out or found changed on both sides</source>
        <translation>Ce que la dernière synchronisation a simplifié, laissé de côté ou trouvé modifié des deux côtés</translation>
    </message>
    <message>
        <source>(kept in your keyring)</source>
        <translation>(conservé dans votre trousseau)</translation>
    </message>
    <message>
        <source>The calendar address must be an http:// or https:// address.</source>
        <translation>L’adresse du calendrier doit commencer par http:// ou https://.</translation>
    </message>
    <message>
        <source>Enter the user name of the calendar account.</source>
        <translation>Saisissez le nom d’utilisateur du compte de calendrier.</translation>
    </message>
    <message>
        <source>Enter the password of the calendar account.</source>
        <translation>Saisissez le mot de passe du compte de calendrier.</translation>
    </message>
    <message>
        <source>No account: nothing is synced.</source>
        <translation>Aucun compte&#xa0;: rien n’est synchronisé.</translation>
    </message>
    <message>
        <source>The last sync:

</source>
        <extracomment>Followed by the list of what the last sync simplified or left out.</extracomment>
        <translation>La dernière synchronisation&#xa0;:

</translation>
    </message>
</context>
<context>
    <name>CSyncAccountPanel</name>
    <message>
        <source>The password could not be kept in your keyring: %1</source>
        <translation>Le mot de passe n’a pas pu être conservé dans votre trousseau&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CSyncController</name>
    <message>
        <source>Not synced yet</source>
        <translation>Pas encore synchronisé</translation>
    </message>
    <message>
        <source>no password store</source>
        <translation>pas de gestionnaire de mots de passe</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Le mot de passe n’a pas pu être conservé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not synced: no password store</source>
        <translation>Non synchronisé&#xa0;: pas de gestionnaire de mots de passe</translation>
    </message>
    <message>
        <source>Not synced: the password could not be read (%1)</source>
        <translation>Non synchronisé&#xa0;: le mot de passe n’a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>Non synchronisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Dernière synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not synced: the server refused the user name or password</source>
        <translation>Non synchronisé&#xa0;: le serveur a refusé le nom d’utilisateur ou le mot de passe</translation>
    </message>
    <message>
        <source>The calendar server refused the user name or password. Enter them again under Options to sync your reminders.</source>
        <translation>Le serveur de calendrier a refusé le nom d’utilisateur ou le mot de passe. Saisissez-les de nouveau dans les options pour synchroniser vos rappels.</translation>
    </message>
    <message>
        <source>Not synced at %1: %2%3</source>
        <translation>Non synchronisé le %1&#xa0;: %2%3</translation>
    </message>
    <message>
        <source> (last synced %1)</source>
        <translation> (dernière synchronisation&#xa0;: %1)</translation>
    </message>
</context>
<context>
    <name>CSyncEngine</name>
    <message>
        <source>1 event simplified:</source>
        <translation>1 événement simplifié&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified:</source>
        <translation>
            <numerusform>%n événement simplifié&#xa0;:</numerusform>
            <numerusform>%n événements simplifiés&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out:</source>
        <translation>1 événement laissé de côté&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out:</source>
        <translation>
            <numerusform>%n événement laissé de côté&#xa0;:</numerusform>
            <numerusform>%n événements laissés de côté&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 change kept on this computer only:</source>
        <translation>1 modification gardée sur cet ordinateur seulement&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n changes kept on this computer only:</source>
        <translation>
            <numerusform>%n modification gardée sur cet ordinateur seulement&#xa0;:</numerusform>
            <numerusform>%n modifications gardées sur cet ordinateur seulement&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 resource outside the calendar left alone:</source>
        <translation>1 ressource hors de l’agenda laissée intacte&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n resources outside the calendar left alone:</source>
        <translation>
            <numerusform>%n ressource hors de l’agenda laissée intacte&#xa0;:</numerusform>
            <numerusform>%n ressources hors de l’agenda laissées intactes&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reminder was changed both here and on the server; both versions are kept.</source>
        <translation>1 rappel a été modifié ici et sur le serveur&#xa0;; les deux versions sont gardées.</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were changed both here and on the server; both versions are kept.</source>
        <translation>
            <numerusform>%n rappel a été modifié ici et sur le serveur&#xa0;; les deux versions sont gardées.</numerusform>
            <numerusform>%n rappels ont été modifiés ici et sur le serveur&#xa0;; les deux versions sont gardées.</numerusform>
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
        <translation>Quitter Kestrelmark</translation>
    </message>
    <message>
        <source>New reminder...</source>
        <translation>Nouveau rappel...</translation>
    </message>
    <message>
        <source>Import reminders...</source>
        <translation>Importer des rappels...</translation>
    </message>
    <message>
        <source>Print reminders...</source>
        <translation>Imprimer les rappels...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Delete range of reminders...</source>
        <translation>Supprimer les rappels d’une période...</translation>
    </message>
    <message>
        <source>Recover reminders from weekly backup...</source>
        <translation>Restaurer les rappels depuis la sauvegarde hebdomadaire...</translation>
    </message>
    <message>
        <source>Export reminders...</source>
        <translation>Exporter des rappels...</translation>
    </message>
    <message>
        <source>Toggle interface sounds on/off</source>
        <translation>Activer/désactiver les sons de l’interface</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>À &amp;propos de Kestrelmark...</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Prochain&#xa0;: %1</translation>
    </message>
    <message>
        <source>Show Kestrelmark</source>
        <translation>Afficher Kestrelmark</translation>
    </message>
    <message>
        <source>Due: %1</source>
        <extracomment>The tray tip: the reminders whose alerts wait for an answer.</extracomment>
        <translation>En attente&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CWeeklyBackup</name>
    <message>
        <source>Sorry, no backup of your reminders was found, so nothing was recovered.  A backup is made once a week when the program starts.</source>
        <translation>Désolé, aucune sauvegarde de vos rappels n’a été trouvée&#xa0;; rien n’a été restauré.  Une sauvegarde est faite une fois par semaine au lancement du programme.</translation>
    </message>
    <message>
        <source>Recovery complete.</source>
        <translation>Restauration terminée.</translation>
    </message>
    <message>
        <source>Sorry, the backup of your reminders is damaged and cannot be read, so nothing was recovered.  Your reminders are as they were.</source>
        <translation>Désolé, la sauvegarde de vos rappels est endommagée et illisible&#xa0;; rien n’a été restauré.  Vos rappels sont inchangés.</translation>
    </message>
    <message>
        <source>Sorry, the weekly backup of your reminders could not be written to %1: %2. Your reminders themselves are not affected; the backup will be tried again.</source>
        <extracomment>%1 is the backup file, %2 why it could not be written.</extracomment>
        <translation>Désolé, la sauvegarde hebdomadaire de vos rappels n’a pas pu être écrite dans %1&#xa0;: %2. Vos rappels eux-mêmes ne sont pas touchés&#xa0;; la sauvegarde sera retentée.</translation>
    </message>
    <message>
        <source>Your reminder file is missing; your last backup from %1 has %2. Use Recover to restore it.</source>
        <extracomment>%1 is the date of the backup, %2 how many reminders it has (&quot;1 reminder&quot;, &quot;5 reminders&quot;).</extracomment>
        <translation>Votre fichier de rappels est introuvable&#xa0;; votre dernière sauvegarde du %1 contient %2. Utilisez la restauration pour le récupérer.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 rappel</translation>
    </message>
    <message>
        <source>Are you sure you want to recover your reminder database from the last backup of %1?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Voulez-vous vraiment restaurer vos rappels depuis la dernière sauvegarde du %1&#xa0;?</translation>
    </message>
    <message>
        <source>Any reminders created since %1  will be PERMANENTLY LOST.  Proceed?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Tous les rappels créés depuis le %1 seront DÉFINITIVEMENT PERDUS.  Continuer&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n rappel</numerusform>
            <numerusform>%n rappels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWriteFailure</name>
    <message>
        <source>its folder %1 is gone</source>
        <translation>son dossier %1 n’existe plus</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
</context>
<context>
    <name>kestrelmark-cli</name>
    <message>
        <source>add a reminder to a reminder file</source>
        <translation>ajouter un rappel à un fichier de rappels</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Creates FILE when it does not exist. NAME is a built-in icon or an
icon file imported from the icons folder of the data folder.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]
Crée FILE s’il n’existe pas. NAME est une icône intégrée ou un fichier
d’icône importé depuis le dossier des icônes du dossier de données.</translation>
    </message>
    <message>
        <source>run the weekly backup of the data folder&apos;s reminders</source>
        <translation>faire la sauvegarde hebdomadaire des rappels du dossier de données</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Backs up DIR/Kestrelmark.km2 to DIR/KestrelmarkBackup.km2 when the last backup
recorded in the user&apos;s settings is a week old (or none is), as the program does at
start-up; --force backs up in any case.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Sauvegarde DIR/Kestrelmark.km2 dans DIR/KestrelmarkBackup.km2 quand la dernière
sauvegarde notée dans les réglages de l’utilisateur date d’une semaine (ou qu’il n’y en a
aucune), comme le fait le programme au lancement&#xa0;; --force sauvegarde dans tous les cas.</translation>
    </message>
    <message>
        <source>copy a reminder file into a current (.km2) one</source>
        <translation>copier un fichier de rappels dans un fichier actuel (.km2)</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli copy IN OUT
Reads IN (.km2 or legacy .kmr) and writes all its reminders to OUT.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli copy IN OUT
Lit IN (.km2 ou l’ancien .kmr) et écrit tous ses rappels dans OUT.</translation>
    </message>
    <message>
        <source>list the reminders that fall on a day</source>
        <translation>lister les rappels d’un jour</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli day FILE --date YYYY-MM-DD
Prints the indexes (in date order) of the day&apos;s reminders, as the calendar shows them.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli day FILE --date YYYY-MM-DD
Affiche les index (dans l’ordre des dates) des rappels du jour, tels que le calendrier les montre.</translation>
    </message>
    <message>
        <source>delete the reminders of a range of days</source>
        <translation>supprimer les rappels d’une période</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Deletes the one-time reminders (all kinds with --all-kinds) whose own date and time lie
from the first day through the end of the last day.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Supprime les rappels ponctuels (de tous types avec --all-kinds) dont la date et l’heure
vont du premier jour à la fin du dernier jour.</translation>
    </message>
    <message>
        <source>run one due-reminder pass at a given time</source>
        <translation>vérifier une fois les rappels échus à un instant donné</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Prints the alerts the pass would show, in order; --save writes the shown flags back.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Affiche dans l’ordre les rappels que la vérification montrerait&#xa0;; --save enregistre les marques «&#xa0;affiché&#xa0;».</translation>
    </message>
    <message>
        <source>print a reminder file (or pack, or CSV) as JSON</source>
        <translation>afficher un fichier de rappels (ou un paquet, ou un CSV) en JSON</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli dump FILE
Prints {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} for FILE, chosen by its extension.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli dump FILE
Affiche {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} pour FILE, selon son extension.</translation>
    </message>
    <message>
        <source>export reminders as a reminder pack, Outlook CSV or iCalendar file</source>
        <translation>exporter des rappels en paquet de rappels, en CSV Outlook ou en fichier iCalendar</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Writes the reminders of FILE (all, or those at the given indexes in date order) as a
reminder pack with the icon and sound files they use (taken from DIR, by default the
per-user data folder), as an Outlook calendar file, or as an iCalendar file.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Écrit les rappels de FILE (tous, ou ceux des index donnés dans l’ordre des dates) en
paquet de rappels avec les fichiers d’icône et de son utilisés (pris dans DIR, par défaut
le dossier de données de l’utilisateur), en fichier de calendrier Outlook ou en fichier
iCalendar.</translation>
    </message>
    <message>
        <source>import a reminder pack, Outlook CSV or iCalendar file into a reminder file</source>
        <translation>importer un paquet de rappels, un CSV Outlook ou un fichier iCalendar dans un fichier de rappels</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Adds the reminders FILE does not hold yet (FILE is created when missing) and puts a
pack&apos;s icon and sound files into DIR/icons and DIR/sounds (by default the per-user
data folder). Prints what was added, what was skipped as a duplicate, and which data
files were written or refused. A damaged pack keeps what came before the damage and
exits with 2. An iCalendar import says how many events it simplified or left out, and how.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Ajoute les rappels que FILE ne contient pas encore (FILE est créé s’il manque) et place
les fichiers d’icône et de son d’un paquet dans DIR/icons et DIR/sounds (par défaut le
dossier de données de l’utilisateur). Indique ce qui a été ajouté, ce qui a été ignoré
comme doublon et quels fichiers de données ont été écrits ou refusés. Un paquet endommagé
garde ce qui précédait la partie endommagée et sort avec 2. Un import iCalendar indique
combien d’événements il a simplifiés ou laissés de côté, et comment.</translation>
    </message>
    <message>
        <source>list every occurrence in a range of days</source>
        <translation>lister chaque occurrence d’une période</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Lists every occurrence on the days from --from through --to, in date order: one entry
per occurrence on a line of its own, dated on its day at the reminder&apos;s own time
(dateTime), with the reminder&apos;s own date (reminderDateTime), its index (as day gives
it), message, recurrence, advance notice in minutes (noticeMinutes) and icon name.
--full gives every field of the reminder instead, indented, as dump does. --per-day-limit N keeps at most N a day, as the calendar collects them
(the printout keeps 20).</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD [--per-day-limit N] [--full]
Liste chaque occurrence des jours de --from à --to dans l’ordre des dates&#xa0;: une entrée
par occurrence sur sa propre ligne, datée de son jour à l’heure du rappel (dateTime),
avec la date propre du rappel (reminderDateTime), son index (tel que day le donne), son
texte, sa répétition, son préavis en minutes (noticeMinutes) et le nom de son icône.
--full donne à la place tous les champs du rappel, indentés, comme dump. --per-day-limit N en garde au plus N par jour, comme le calendrier les recueille
(l’impression en garde 20).</translation>
    </message>
    <message>
        <source>replace the reminders with the weekly backup</source>
        <translation>remplacer les rappels par la sauvegarde hebdomadaire</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli recover --yes [--data-dir DIR]
Replaces DIR/Kestrelmark.km2 with the contents of the weekly backup. Reminders made
since the backup are lost, so --yes is required. Without a readable backup nothing
changes and the exit code is 2.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli recover --yes [--data-dir DIR]
Remplace DIR/Kestrelmark.km2 par le contenu de la sauvegarde hebdomadaire. Les rappels
créés depuis la sauvegarde sont perdus, d’où --yes obligatoire. Sans sauvegarde lisible,
rien ne change et le code de sortie est 2.</translation>
    </message>
    <message>
        <source>sync a reminder file with a CalDAV calendar, both ways</source>
        <translation>synchroniser un fichier de rappels avec un calendrier CalDAV, dans les deux sens</translation>
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
        <translation>Utilisation&#xa0;: kestrelmark-cli sync FILE --url URL --user NAME --password-file F [--timeout SECONDS]
Met FILE et le calendrier situé à URL (la collection de calendrier, ou le serveur, dont le
calendrier est alors trouvé par le principal de l’utilisateur) aux mêmes rappels&#xa0;: ce qui a
changé d’un côté passe de l’autre&#xa0;; un rappel modifié des deux côtés est gardé dans ses deux
versions. L’état de la dernière synchronisation est gardé dans le dossier de FILE sous
&lt;name&gt;Sync.json. Le mot de passe est la première ligne de F&#xa0;; il n’est envoyé qu’au schéma,
à l’hôte et au port de URL (une redirection ailleurs fait échouer la synchronisation), et une
URL http:// donne un avertissement sur stderr, car elle transmet le mot de passe en clair. Une
seule synchronisation de FILE à la fois&#xa0;: une seconde attend jusqu’à %1 secondes la première.
Affiche un rapport JSON de ce qui est passé dans chaque sens. Une synchronisation qui échoue
avant d’avoir rien réglé n’écrit rien.
Codes de sortie&#xa0;: 0 synchronisé, 2 FILE ou état illisible, 3 échec de la synchronisation (le
rapport dit pourquoi&#xa0;; ce qui était réglé est gardé) ou une autre synchronisation de FILE est
en cours, 4 le serveur a refusé le nom d’utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli COMMAND [ARGUMENTS]

Reads and writes Kestrelmark reminder files (.km2, legacy .kmr) and prints JSON.
Exit codes: 0 success, 1 usage error, 2 unreadable or corrupt input.

Commands:
</source>
        <extracomment>The tool&apos;s --help. COMMAND and ARGUMENTS are placeholders; .km2 and .kmr are file types.</extracomment>
        <translation>Utilisation&#xa0;: kestrelmark-cli COMMANDE [ARGUMENTS]

Lit et écrit les fichiers de rappels de Kestrelmark (.km2, l’ancien .kmr) et affiche du JSON.
Codes de sortie&#xa0;: 0 succès, 1 erreur d’utilisation, 2 entrée illisible ou endommagée.

Commandes&#xa0;:
</translation>
    </message>
    <message>
        <source>
&apos;kestrelmark-cli COMMAND --help&apos; describes a command.
</source>
        <translation>
«&#xa0;kestrelmark-cli COMMANDE --help&#xa0;» décrit une commande.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>commande inconnue «&#xa0;%1&#xa0;» (voir --help)</translation>
    </message>
    <message>
        <source>change one reminder of a reminder file</source>
        <translation>modifier un rappel d’un fichier de rappels</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--sound PATH] [--private yes|no]
ID is the reminder&apos;s id as dump shows it. What is not given stays as it is;
the alert then counts as not yet shown, as after an edit in the window.</source>
        <translation>Utilisation&#xa0;: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]
           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]
           [--sound PATH] [--private yes|no]
ID est l’identifiant du rappel tel que dump l’affiche. Ce qui n’est pas donné reste
tel quel ; l’alerte compte alors comme pas encore affichée, comme après une
modification dans la fenêtre.</translation>
    </message>
    <message>
        <source>warning: %1 is not encrypted: the password and the reminders travel readable to anyone on the network; use https:// where the server offers it</source>
        <translation>avertissement&#xa0;: %1 n’est pas chiffrée&#xa0;: le mot de passe et les rappels circulent lisibles par tous sur le réseau&#xa0;; utilisez https:// si le serveur le propose</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>impossible de lancer %1&#xa0;: %2</translation>
    </message>
</context>
</TS>
