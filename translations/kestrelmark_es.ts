<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAboutBoxDlg</name>
    <message>
        <source>About Kestrelmark</source>
        <translation>Acerca de Kestrelmark</translation>
    </message>
    <message>
        <source>Kestrelmark
Personal Reminder Software</source>
        <translation>Kestrelmark
Programa de recordatorios personales</translation>
    </message>
</context>
<context>
    <name>CCalendarAccessible</name>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
</context>
<context>
    <name>CCalendarCsv</name>
    <message>
        <source>Windows CSV file successfully imported.</source>
        <translation>Archivo CSV de Windows importado correctamente.</translation>
    </message>
    <message>
        <source>
Its dates could be read day first or month first; they were read as your locale writes them (%1).</source>
        <extracomment>%1 is the date form the file was read in, e.g. &quot;dd.MM.yyyy&quot;.</extracomment>
        <translation>
Sus fechas podían leerse con el día o con el mes primero; se leyeron como las escribe su configuración regional (%1).</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader reads a calendar day: a date format of QDate (dddd the weekday, d the day, MMMM the month&apos;s name, yyyy the year), in the order and with the signs the language uses.</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>, 1 reminder: </source>
        <extracomment>After the day&apos;s name, before the list of its reminders.</extracomment>
        <translation>, 1 recordatorio: </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>, %n reminders: </source>
        <translation>
            <numerusform>, %n recordatorio: </numerusform>
            <numerusform>, %n recordatorios: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCalendarMenus</name>
    <message>
        <source>&amp;Delete this reminder...</source>
        <translation>&amp;Eliminar este recordatorio...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>E&amp;ditar...</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Nuevo...</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>&amp;Acerca de Kestrelmark...</translation>
    </message>
    <message>
        <source>&amp;Print reminders...</source>
        <translation>&amp;Imprimir recordatorios...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>E&amp;xport reminders...</source>
        <translation>E&amp;xportar recordatorios...</translation>
    </message>
    <message>
        <source>&amp;Import reminders...</source>
        <translation>I&amp;mportar recordatorios...</translation>
    </message>
    <message>
        <source>Delete &amp;range of reminders...</source>
        <translation>Eliminar recordatorios de un &amp;periodo...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Ay&amp;uda...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Proper&amp;ties</source>
        <translation>P&amp;ropiedades</translation>
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
        <translation>Si cierra Kestrelmark, no recibirá avisos de próximos recordatorios hasta que reinicie el equipo o vuelva a abrir Kestrelmark.  Para aprovecharlo al máximo, se recomienda «solo minimizar».</translation>
    </message>
    <message>
        <source>Kestrelmark -- Close Warning!</source>
        <translation>Kestrelmark – ¡Advertencia al cerrar!</translation>
    </message>
    <message>
        <source>Just &amp;minimize</source>
        <translation>Solo &amp;minimizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CConversionProgress</name>
    <message>
        <source>Sorry, there will be a slight delay while converting graphics to 256 colors.  For best results, please change your Display Properties to 24- or 16-bit color (16.7 million or 65536 colors).</source>
        <translation>Un momento: se están convirtiendo los gráficos a 256 colores.  Para obtener mejores resultados, configure la pantalla a 24 o 16 bits de color (16,7 millones o 65 536 colores).</translation>
    </message>
</context>
<context>
    <name>CDateRangeCheck</name>
    <message>
        <source>One or both of the dates is invalid.  Please re-check them and try again.</source>
        <translation>Al menos una de las fechas no es válida.  Revíselas e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>CDateRangeDlg</name>
    <message>
        <source>Print reminders</source>
        <translation>Imprimir recordatorios</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be printed:</source>
        <translation>Se imprimirán los recordatorios del siguiente periodo:</translation>
    </message>
</context>
<context>
    <name>CDayListRows</name>
    <message>
        <source>1 day</source>
        <translation>1 día</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
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
        <translation>Recordatorios del %1:</translation>
    </message>
    <message>
        <source>[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>[%1]
¿Seguro que desea eliminar este recordatorio?</translation>
    </message>
    <message>
        <source>Please select a reminder to delete.</source>
        <translation>Seleccione el recordatorio que desea eliminar.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDeleteRangeDlg</name>
    <message>
        <source>Delete reminders</source>
        <translation>Eliminar recordatorios</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be deleted:</source>
        <translation>Se eliminarán los recordatorios del siguiente periodo:</translation>
    </message>
    <message>
        <source>Delete &amp;one-time reminders only.</source>
        <translation>Eliminar solo los recordatorios &amp;únicos.</translation>
    </message>
</context>
<context>
    <name>CDesktopNotification</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>The notification&apos;s button that puts the reminder off.</extracomment>
        <translation>Posponer</translation>
    </message>
</context>
<context>
    <name>CEditRemindersDlg</name>
    <message>
        <source>Edit reminders</source>
        <translation>Editar recordatorios</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Recordatorios del día</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Adv. time</source>
        <translation>Antelación</translation>
    </message>
    <message>
        <source>0 minutes</source>
        <translation>0 minutos</translation>
    </message>
</context>
<context>
    <name>CExportSelectionDlg</name>
    <message>
        <source>Choose reminders to export as a Reminder Pack</source>
        <translation>Elegir recordatorios para exportar como paquete</translation>
    </message>
    <message>
        <source>Share reminders with a friend!  Choose the reminders you want to export by moving them into the right-hand window.  Save to disk, or, if supported, email them to a friend!</source>
        <translation>¡Comparta recordatorios con sus amigos!  Elija los recordatorios que desea exportar moviéndolos a la lista de la derecha.  Guárdelos en un archivo o, si es posible, envíelos por correo electrónico.</translation>
    </message>
    <message>
        <source>C&amp;urrent reminders</source>
        <translation>Recordatorios &amp;actuales</translation>
    </message>
    <message>
        <source>&amp;Reminders to export:</source>
        <translation>&amp;Recordatorios para exportar:</translation>
    </message>
    <message>
        <source>Current reminders</source>
        <translation>Recordatorios actuales</translation>
    </message>
    <message>
        <source>Reminders to export</source>
        <translation>Recordatorios para exportar</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Mail to...</source>
        <translation>Enviar por &amp;correo...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>First, please select the reminders you want to export.</source>
        <translation>Primero seleccione los recordatorios que desea exportar.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to export first.</source>
        <translation>Seleccione primero uno o más recordatorios para exportar.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to remove from the export list.</source>
        <translation>Seleccione uno o más recordatorios para quitarlos de la lista de exportación.</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
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
        <translation>Importando iconos...</translation>
    </message>
</context>
<context>
    <name>CIcsFile</name>
    <message>
        <source>iCalendar file successfully imported.</source>
        <translation>Archivo iCalendar importado correctamente.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Lo sentimos, no se pudo abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 was not imported: %2.</source>
        <extracomment>%1 is the file, %2 why it was refused.</extracomment>
        <translation>Lo sentimos, el archivo %1 no se importó: %2.</translation>
    </message>
    <message>
        <source>1 reminder added</source>
        <translation>1 recordatorio añadido</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders added</source>
        <translation>
            <numerusform>%n recordatorio añadido</numerusform>
            <numerusform>%n recordatorios añadidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n already in the list.</source>
        <translation>
            <numerusform>, %n ya en la lista.</numerusform>
            <numerusform>, %n ya en la lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event simplified.</source>
        <translation>1 evento simplificado.</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified.</source>
        <translation>
            <numerusform>%n evento simplificado.</numerusform>
            <numerusform>%n eventos simplificados.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out.</source>
        <translation>1 evento omitido.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out.</source>
        <translation>
            <numerusform>%n evento omitido.</numerusform>
            <numerusform>%n eventos omitidos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CImportProgress</name>
    <message>
        <source>Importing reminders from %1...</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Importando recordatorios de %1...</translation>
    </message>
</context>
<context>
    <name>CIntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>Sorry, the manual is missing. It belongs at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Lo sentimos, falta el manual. Debería estar en %1.</translation>
    </message>
    <message>
        <source>Sorry, no program could show the manual. You can open it in a web browser; it is at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Lo sentimos, ningún programa pudo mostrar el manual. Puede abrirlo en un navegador web; está en %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Sonidos activados.</translation>
    </message>
    <message>
        <source>Sound is now off.</source>
        <translation>Los sonidos están desactivados.</translation>
    </message>
    <message>
        <source>Reminder message:
[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>Mensaje del recordatorio:
[%1]
¿Seguro que desea eliminar este recordatorio?</translation>
    </message>
</context>
<context>
    <name>CNewEventDlg</name>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>&amp;Time of day</source>
        <translation>&amp;Hora</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>&amp;AM</source>
        <translation>&amp;a. m.</translation>
    </message>
    <message>
        <source>&amp;PM</source>
        <translation>&amp;p. m.</translation>
    </message>
    <message>
        <source>How often?</source>
        <translation>¿Con qué frecuencia?</translation>
    </message>
    <message>
        <source>&amp;One-time</source>
        <translation>&amp;Único</translation>
    </message>
    <message>
        <source>A&amp;nnual</source>
        <translation>A&amp;nual</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>&amp;Mensual</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Semanal</translation>
    </message>
    <message>
        <source>Send reminder in ad&amp;vance...</source>
        <translation>A&amp;visar con antelación...</translation>
    </message>
    <message>
        <source>Days in advance</source>
        <translation>Días de antelación</translation>
    </message>
    <message>
        <source>Hours in advance</source>
        <translation>Horas de antelación</translation>
    </message>
    <message>
        <source>Minutes in advance</source>
        <translation>Minutos de antelación</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>mins.</source>
        <extracomment>Under the field of minutes in advance: short, the field is narrow.</extracomment>
        <translation>min</translation>
    </message>
    <message>
        <source>Select &amp;icon</source>
        <translation>Elegir &amp;icono</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Add icon</source>
        <translation>Añadir icono</translation>
    </message>
    <message>
        <source>A&amp;dd icon</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>Reminder &amp;message to display</source>
        <translation>&amp;Texto que se mostrará</translation>
    </message>
    <message>
        <source>Reminder message to display</source>
        <translation>Texto que se mostrará</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Use custom &amp;sound:</source>
        <translation>Sonido p&amp;ropio:</translation>
    </message>
    <message>
        <source>&amp;Choose sound...</source>
        <translation>E&amp;legir sonido...</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>Reproducir (%1)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>Ac&amp;eptar</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>Cance&amp;lar</translation>
    </message>
    <message>
        <source>(&amp;Click to choose sound)</source>
        <extracomment>The same text as &quot;(Click to choose sound)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(&amp;Clic para elegir)</translation>
    </message>
    <message>
        <source>Choose sound</source>
        <translation>Elegir sonido</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>Archivos de sonido WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Windows icons (*.ico *.ICO)</source>
        <translation>Iconos de Windows (*.ico *.ICO)</translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; could not be read as an icon.  Please choose an icon file that holds a 32 x 32 picture.</source>
        <translation>Lo sentimos, «%1» no se pudo leer como icono.  Elija un archivo de icono que contenga una imagen de 32 × 32.</translation>
    </message>
</context>
<context>
    <name>CNewEventForm</name>
    <message>
        <source>Reminder for %1</source>
        <extracomment>The editor&apos;s title; %1 is the reminder&apos;s date.</extracomment>
        <translation>Recordatorio del %1</translation>
    </message>
    <message>
        <source>The time of day that this reminder is scheduled for is invalid.  Please try another time.</source>
        <translation>La hora de este recordatorio no es válida.  Pruebe con otra hora.</translation>
    </message>
    <message>
        <source>(Click to choose sound)</source>
        <translation>(Clic para elegir)</translation>
    </message>
</context>
<context>
    <name>CNotes</name>
    <message>
        <source>%1 takes one file, --from and --to</source>
        <translation>%1 admite un archivo, --from y --to</translation>
    </message>
    <message>
        <source>--from and --to must be possible dates (YYYY-MM-DD)</source>
        <translation>--from y --to deben ser fechas posibles (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a readable reminder file (%2)</source>
        <translation>%1 no es un archivo de recordatorios legible (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing written</source>
        <translation>no se puede escribir %1: %2; no se escribió nada</translation>
    </message>
    <message>
        <source>%1 is busy: %2; gave up after %3 seconds, nothing written</source>
        <translation>%1 está ocupado: %2; se abandonó tras %3 segundos, no se escribió nada</translation>
    </message>
    <message>
        <source>%1 is not a reminder pack</source>
        <translation>%1 no es un paquete de recordatorios</translation>
    </message>
    <message>
        <source>%1 is a damaged reminder pack (%2)</source>
        <translation>%1 es un paquete de recordatorios dañado (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <source>%1 has none of the calendar columns</source>
        <translation>%1 no tiene ninguna de las columnas del calendario</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>add takes one file</source>
        <translation>add admite un archivo</translation>
    </message>
    <message>
        <source>add needs --at and --message</source>
        <translation>add necesita --at y --message</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--at: «%1» no es una fecha y hora posibles (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>--recurrence must be one-time, annual, monthly or weekly</source>
        <translation>--recurrence debe ser one-time, annual, monthly o weekly</translation>
    </message>
    <message>
        <source>--icon: there is no icon named &apos;%1&apos;; the icons are: %2</source>
        <translation>--icon: no hay ningún icono llamado «%1»; los iconos son: %2</translation>
    </message>
    <message>
        <source>--notice must look like 2d3h30m</source>
        <translation>--notice debe tener la forma 2d3h30m</translation>
    </message>
    <message>
        <source>backup takes no file; see --data-dir</source>
        <translation>backup no admite ningún archivo; vea --data-dir</translation>
    </message>
    <message>
        <source>--now must be a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--now debe ser una fecha y hora posibles (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>the reminder file in %1 cannot be read; no backup made</source>
        <translation>no se puede leer el archivo de recordatorios de %1; no se hizo ninguna copia</translation>
    </message>
    <message>
        <source>copy takes IN and OUT</source>
        <translation>copy admite IN y OUT</translation>
    </message>
    <message>
        <source>day takes one file and --date</source>
        <translation>day admite un archivo y --date</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a possible date (YYYY-MM-DD)</source>
        <translation>--date: «%1» no es una fecha posible (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>due takes one file and --at</source>
        <translation>due admite un archivo y --at</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM:SS)</source>
        <translation>--at: «%1» no es una fecha y hora posibles (YYYY-MM-DDTHH:MM:SS)</translation>
    </message>
    <message>
        <source>dump takes one file</source>
        <translation>dump admite un archivo</translation>
    </message>
    <message>
        <source>edit takes one file</source>
        <translation>edit admite un archivo</translation>
    </message>
    <message>
        <source>edit needs --id, a reminder&apos;s id as dump shows it</source>
        <translation>edit necesita --id, el identificador de un recordatorio tal como lo muestra dump</translation>
    </message>
    <message>
        <source>--private must be yes or no</source>
        <translation>--private debe ser yes o no</translation>
    </message>
    <message>
        <source>%1 holds no reminder with the id %2; nothing written</source>
        <translation>%1 no contiene ningún recordatorio con el identificador %2; no se escribió nada</translation>
    </message>
    <message>
        <source>export takes a reminder file and an output file</source>
        <translation>export admite un archivo de recordatorios y un archivo de salida</translation>
    </message>
    <message>
        <source>the output file must end in .rpk, .csv or .ics</source>
        <translation>el archivo de salida debe terminar en .rpk, .csv o .ics</translation>
    </message>
    <message>
        <source>--select: &apos;%1&apos; is not an index of the file&apos;s %2 reminders</source>
        <translation>--select: «%1» no es un índice de los %2 recordatorios del archivo</translation>
    </message>
    <message>
        <source>no reminders to export</source>
        <translation>no hay recordatorios que exportar</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>import takes a reminder file and a pack or CSV file</source>
        <translation>import admite un archivo de recordatorios y un paquete o un archivo CSV</translation>
    </message>
    <message>
        <source>the file to import must end in .rpk, .csv or .ics</source>
        <translation>el archivo que se importa debe terminar en .rpk, .csv o .ics</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 no se importó: %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>no se puede abrir %1</translation>
    </message>
    <message>
        <source>--per-day-limit takes a whole number of 1 or more</source>
        <translation>--per-day-limit admite un número entero de 1 o más</translation>
    </message>
    <message>
        <source>cannot write the listing to the standard output</source>
        <translation>no se puede escribir la lista en la salida estándar</translation>
    </message>
    <message>
        <source>recover takes no file; see --data-dir</source>
        <translation>recover no admite ningún archivo; vea --data-dir</translation>
    </message>
    <message>
        <source>recover replaces your reminders with the backup; confirm with --yes</source>
        <translation>recover sustituye sus recordatorios por la copia; confírmelo con --yes</translation>
    </message>
    <message>
        <source>cannot read %1: %2; move it away to recover, nothing changed</source>
        <translation>no se puede leer %1: %2; muévalo para recuperar, no cambió nada</translation>
    </message>
    <message>
        <source>no backup in %1</source>
        <translation>no hay ninguna copia en %1</translation>
    </message>
    <message>
        <source>the backup in %1 cannot be read; nothing changed</source>
        <translation>no se puede leer la copia de %1; no cambió nada</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept; nothing changed</source>
        <translation>%1 está dañado y no se pudo guardar ninguna copia; no cambió nada</translation>
    </message>
    <message>
        <source>cannot write the reminder file in %1</source>
        <translation>no se puede escribir el archivo de recordatorios de %1</translation>
    </message>
    <message>
        <source>sync takes one reminder file</source>
        <translation>sync admite un archivo de recordatorios</translation>
    </message>
    <message>
        <source>sync needs --%1</source>
        <translation>sync necesita --%1</translation>
    </message>
    <message>
        <source>--url must be an http or https address</source>
        <translation>--url debe ser una dirección http o https</translation>
    </message>
    <message>
        <source>--timeout takes 1 to 3600 seconds</source>
        <translation>--timeout admite de 1 a 3600 segundos</translation>
    </message>
    <message>
        <source>cannot read the password file %1</source>
        <translation>no se puede leer el archivo de contraseña %1</translation>
    </message>
    <message>
        <source>%1 (move it away to sync afresh)</source>
        <translation>%1 (muévalo para sincronizar desde cero)</translation>
    </message>
    <message>
        <source>a changed occurrence of a repeating event (RECURRENCE-ID) has no reminder of its own</source>
        <translation>una repetición modificada de un evento periódico (RECURRENCE-ID) no tiene recordatorio propio</translation>
    </message>
    <message>
        <source>a to-do without a due date or start</source>
        <translation>una tarea sin fecha de vencimiento ni de inicio</translation>
    </message>
    <message>
        <source>no start date</source>
        <translation>sin fecha de inicio</translation>
    </message>
    <message>
        <source>a start date that could not be read</source>
        <translation>una fecha de inicio que no se pudo leer</translation>
    </message>
    <message>
        <source>a repeating event whose last occurrence is past</source>
        <translation>un evento periódico cuya última repetición ya pasó</translation>
    </message>
    <message>
        <source>none of its events and to-dos could become a reminder</source>
        <translation>ninguno de sus eventos y tareas pudo convertirse en recordatorio</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A note and, in brackets, what else is known of it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it is too large to be a calendar</source>
        <translation>es demasiado grande para ser un calendario</translation>
    </message>
    <message>
        <source>its parts are nested too deeply for a calendar</source>
        <translation>sus partes están anidadas demasiado para un calendario</translation>
    </message>
    <message>
        <source>one of its lines has more parameters than any calendar uses</source>
        <translation>una de sus líneas tiene más parámetros de los que usa cualquier calendario</translation>
    </message>
    <message>
        <source>1 event: %1.</source>
        <translation>1 evento: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events: %1.</source>
        <translation>
            <numerusform>%n evento: %1.</numerusform>
            <numerusform>%n eventos: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out: %1.</source>
        <translation>1 evento omitido: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out: %1.</source>
        <translation>
            <numerusform>%n evento omitido: %1.</numerusform>
            <numerusform>%n eventos omitidos: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>no contiene eventos ni tareas</translation>
    </message>
    <message>
        <source>it holds no events or to-dos (%1)</source>
        <translation>no contiene eventos ni tareas (%1)</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text: its byte %2 is 0x%3 (read as a replacement character)</source>
        <translation>la línea %1 no es texto UTF-8: su byte %2 es 0x%3 (leído como carácter de sustitución)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>it is not an iCalendar file that can be read</source>
        <translation>no es un archivo iCalendar legible</translation>
    </message>
    <message>
        <source>a repeat interval above 1 was read as 1</source>
        <translation>un intervalo de repetición mayor que 1 se leyó como 1</translation>
    </message>
    <message>
        <source>the end of the repeat (COUNT or UNTIL) was dropped, so it repeats without end</source>
        <translation>se descartó el final de la repetición (COUNT o UNTIL), así que se repite sin fin</translation>
    </message>
    <message>
        <source>its excluded dates (EXDATE) were not kept</source>
        <translation>no se conservaron sus fechas excluidas (EXDATE)</translation>
    </message>
    <message>
        <source>its extra dates (RDATE) were left out</source>
        <translation>se omitieron sus fechas adicionales (RDATE)</translation>
    </message>
    <message>
        <source>a repeat of hours or less became one time</source>
        <translation>una repetición de horas o menos pasó a ser única</translation>
    </message>
    <message>
        <source>the days its rule names were read as the start&apos;s own day</source>
        <translation>los días que nombra su regla se leyeron como el día de su inicio</translation>
    </message>
    <message>
        <source>a repeat rule that could not be read became one time</source>
        <translation>una regla de repetición que no se pudo leer pasó a ser única</translation>
    </message>
    <message>
        <source>only the first of its repeat rules was kept</source>
        <translation>solo se conservó la primera de sus reglas de repetición</translation>
    </message>
    <message>
        <source>an alarm after the start rings at the start</source>
        <translation>una alarma posterior al inicio suena al inicio</translation>
    </message>
    <message>
        <source>an unknown time zone was read as local time</source>
        <translation>una zona horaria desconocida se leyó como hora local</translation>
    </message>
    <message>
        <source>properties that could not be read were ignored</source>
        <translation>se ignoraron las propiedades que no se pudieron leer</translation>
    </message>
    <message>
        <source>it keeps the time of its own time zone, which changes its clocks on other days than this computer&apos;s, so here it rings an hour off for part of the year</source>
        <translation>mantiene la hora de su propia zona horaria, que cambia la hora en otros días que la de este equipo, así que aquí suena con una hora de diferencia parte del año</translation>
    </message>
    <message>
        <source>its repeat has one occurrence left, so it became one time</source>
        <translation>a su repetición le queda una sola vez, así que pasó a ser único</translation>
    </message>
    <message>
        <source>not valid text</source>
        <translation>texto no válido</translation>
    </message>
    <message>
        <source>too many folders</source>
        <translation>demasiadas carpetas</translation>
    </message>
    <message>
        <source>empty or absolute path</source>
        <translation>ruta vacía o absoluta</translation>
    </message>
    <message>
        <source>relative folder reference</source>
        <translation>referencia relativa a una carpeta</translation>
    </message>
    <message>
        <source>character not allowed in file names</source>
        <translation>carácter no permitido en nombres de archivo</translation>
    </message>
    <message>
        <source>name too long</source>
        <translation>nombre demasiado largo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>a link that leads nowhere is in the way</source>
        <translation>estorba un enlace que no lleva a ninguna parte</translation>
    </message>
    <message>
        <source>cannot create its folder</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>its folder leads outside the data folder</source>
        <translation>su carpeta lleva fuera de la carpeta de datos</translation>
    </message>
    <message>
        <source>a link of that name is in the way</source>
        <translation>estorba un enlace con ese nombre</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>estorba una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>no se puede crear el archivo: %1</translation>
    </message>
    <message>
        <source>cannot write the file: %1</source>
        <translation>no se puede escribir el archivo: %1</translation>
    </message>
    <message>
        <source>not in icons or sounds</source>
        <translation>no está en icons ni en sounds</translation>
    </message>
    <message>
        <source>the pack breaks off inside it</source>
        <translation>el paquete se corta dentro de él</translation>
    </message>
    <message>
        <source>the list of data files ends in an unknown value</source>
        <translation>la lista de archivos de datos termina en un valor desconocido</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>no hay memoria suficiente para leerlo</translation>
    </message>
    <message>
        <source>it is damaged (%1), and no copy of it could be kept</source>
        <translation>está dañado (%1) y no se pudo guardar ninguna copia</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>el servidor no respondió a tiempo</translation>
    </message>
    <message>
        <source>the server&apos;s reply is larger than %1 bytes</source>
        <translation>la respuesta del servidor supera los %1 bytes</translation>
    </message>
    <message>
        <source>the server&apos;s certificate was refused: %1</source>
        <translation>se rechazó el certificado del servidor: %1</translation>
    </message>
    <message>
        <source>the server refused the user name or password</source>
        <translation>el servidor rechazó el usuario o la contraseña</translation>
    </message>
    <message>
        <source>the server sent the request to %1</source>
        <translation>el servidor redirigió la petición a %1</translation>
    </message>
    <message>
        <source>the server sent the request elsewhere (%1)</source>
        <translation>el servidor redirigió la petición a otro sitio (%1)</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>la respuesta no es un multistatus de WebDAV</translation>
    </message>
    <message>
        <source>unreadable multistatus reply: %1</source>
        <translation>respuesta multistatus ilegible: %1</translation>
    </message>
    <message>
        <source>the account&apos;s address is not an http or https address</source>
        <translation>la dirección de la cuenta no es una dirección http o https</translation>
    </message>
    <message>
        <source>finding the calendar</source>
        <translation>búsqueda del calendario</translation>
    </message>
    <message>
        <source>finding the calendar: %1</source>
        <translation>búsqueda del calendario: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>no calendar was found at %1</source>
        <translation>no se encontró ningún calendario en %1</translation>
    </message>
    <message>
        <source>reading the calendar home</source>
        <translation>lectura de la carpeta de calendarios</translation>
    </message>
    <message>
        <source>reading the calendar home: %1</source>
        <translation>lectura de la carpeta de calendarios: %1</translation>
    </message>
    <message>
        <source>making a calendar</source>
        <translation>creación de un calendario</translation>
    </message>
    <message>
        <source>asking what changed</source>
        <translation>consulta de los cambios</translation>
    </message>
    <message>
        <source>listing the calendar</source>
        <translation>listado del calendario</translation>
    </message>
    <message>
        <source>listing the calendar: %1</source>
        <translation>listado del calendario: %1</translation>
    </message>
    <message>
        <source>too large to take (%1the limit is %2 MB)</source>
        <extracomment>%1 is the event&apos;s size and a semicolon (&quot;3.2 MB; &quot;) or nothing, %2 the largest size taken.</extracomment>
        <translation>demasiado grande para aceptarlo (%1el límite es %2 MB)</translation>
    </message>
    <message>
        <source>the server&apos;s reply could not be read (%1)</source>
        <translation>no se pudo leer la respuesta del servidor (%1)</translation>
    </message>
    <message>
        <source>fetching events</source>
        <translation>obtención de los eventos</translation>
    </message>
    <message>
        <source>it holds no event or to-do</source>
        <translation>no contiene ningún evento ni tarea</translation>
    </message>
    <message>
        <source>no calendar data</source>
        <translation>sin datos de calendario</translation>
    </message>
    <message>
        <source>the server did not send it</source>
        <translation>el servidor no lo envió</translation>
    </message>
    <message>
        <source>the calendar kept changing during the sync; it is tried again later</source>
        <translation>el calendario no dejó de cambiar durante la sincronización; se volverá a intentar más tarde</translation>
    </message>
    <message>
        <source>deleting an event</source>
        <translation>eliminación de un evento</translation>
    </message>
    <message>
        <source>sending an event</source>
        <translation>envío de un evento</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>el servidor respondió %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A note&apos;s subject (what was being done, a reminder&apos;s message) and what is said of it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no event in the calendar resource</source>
        <translation>ningún evento en el recurso del calendario</translation>
    </message>
    <message>
        <source>%1: %2 here only; %3</source>
        <extracomment>%1 is the reminder&apos;s message, %2 what was changed here (&quot;moved&quot;), %3 why the calendar did not take it.</extracomment>
        <translation>%1: %2 solo aquí; %3</translation>
    </message>
    <message>
        <source>the meeting is organised by %1</source>
        <translation>la reunión la organiza %1</translation>
    </message>
    <message>
        <source>retitled</source>
        <extracomment>What was changed here, in &quot;%1: %2 here only; %3&quot;; so are &quot;moved&quot; and the other changes.</extracomment>
        <translation>renombrado</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>movido</translation>
    </message>
    <message>
        <source>the calendar&apos;s event holds its other days, which did not move</source>
        <translation>el evento del calendario contiene sus otros días, que no se movieron</translation>
    </message>
    <message>
        <source>an all-day event moves by whole days</source>
        <translation>un evento de día completo se mueve por días enteros</translation>
    </message>
    <message>
        <source>the event&apos;s repeat rule cannot move by that much and keep its days</source>
        <translation>la regla de repetición del evento no puede moverse tanto y conservar sus días</translation>
    </message>
    <message>
        <source>notice changed</source>
        <translation>antelación cambiada</translation>
    </message>
    <message>
        <source>another alarm of the event rings earlier</source>
        <translation>otra alarma del evento suena antes</translation>
    </message>
    <message>
        <source>repeat changed</source>
        <translation>repetición cambiada</translation>
    </message>
    <message>
        <source>privacy changed</source>
        <translation>privacidad cambiada</translation>
    </message>
    <message>
        <source>not fetched</source>
        <translation>no obtenido</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s event still holds it</source>
        <translation>%1: eliminado aquí; el evento del calendario aún lo contiene</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s later change to it was not taken</source>
        <translation>%1: eliminado aquí; no se aceptó su cambio posterior en el calendario</translation>
    </message>
    <message>
        <source>a sync of this file is already running</source>
        <translation>ya hay una sincronización de este archivo en curso</translation>
    </message>
    <message>
        <source>the sync lock %1 cannot be created (%2)</source>
        <translation>no se puede crear el bloqueo de sincronización %1 (%2)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>el motivo es desconocido</translation>
    </message>
    <message>
        <source>%1 is too large to be a sync state</source>
        <translation>%1 es demasiado grande para ser un estado de sincronización</translation>
    </message>
    <message>
        <source>%1 is damaged: an entry cannot be read</source>
        <translation>%1 está dañado: no se puede leer una entrada</translation>
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
        <translation>Fecha no válida</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Upcoming Reminders window</source>
        <translation>Lista de próximos recordatorios</translation>
    </message>
    <message>
        <source>&amp;Show reminders for next</source>
        <translation>&amp;Mostrar recordatorios de los próximos</translation>
    </message>
    <message>
        <source>days.</source>
        <translation>días.</translation>
    </message>
    <message>
        <source>Reminder Alert Sound</source>
        <translation>Sonido del aviso</translation>
    </message>
    <message>
        <source>Use system &amp;beep</source>
        <translation>&amp;Pitido del sistema</translation>
    </message>
    <message>
        <source>Use sound file</source>
        <translation>Archivo de sonido</translation>
    </message>
    <message>
        <source>Use sound file (%1)</source>
        <translation>Archivo de sonido (%1)</translation>
    </message>
    <message>
        <source>Browse for a sound file</source>
        <translation>Buscar un archivo de sonido</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>S&amp;tart Kestrelmark when I log in</source>
        <translation>&amp;Iniciar Kestrelmark al iniciar sesión</translation>
    </message>
    <message>
        <source>Also show alerts as desktop &amp;notifications</source>
        <translation>Mostrar también los avisos como &amp;notificaciones del escritorio</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>(Click here to choose a .WAV sound &amp;file)</source>
        <extracomment>The same text as &quot;(Click here to choose a .WAV sound file)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(Clic aquí para elegir un &amp;sonido WAV)</translation>
    </message>
    <message>
        <source>Choose .WAV sound file</source>
        <translation>Elegir archivo de sonido WAV</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>Archivos de sonido WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not set itself to start when you log in.</source>
        <translation>Lo sentimos, Kestrelmark no pudo configurarse para iniciarse al iniciar sesión.</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not stop itself from starting when you log in.</source>
        <translation>Lo sentimos, Kestrelmark no pudo dejar de iniciarse al iniciar sesión.</translation>
    </message>
</context>
<context>
    <name>COptionsForm</name>
    <message>
        <source>(Click here to choose a .WAV sound file)</source>
        <translation>(Clic aquí para elegir un sonido WAV)</translation>
    </message>
</context>
<context>
    <name>COrvantis2App</name>
    <message>
        <source>Another copy of Kestrelmark is running.  Please close it and try again.</source>
        <translation>Ya hay otra copia de Kestrelmark en ejecución.  Ciérrela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Kestrelmark is running but did not take %1.  Please open the file from the running Kestrelmark.</source>
        <extracomment>%1 is the file the user asked a second start of the program to open.</extracomment>
        <translation>Kestrelmark está en ejecución pero no aceptó %1.  Abra el archivo desde el Kestrelmark en ejecución.</translation>
    </message>
</context>
<context>
    <name>COrvantis2Dlg</name>
    <message>
        <source>New reminder</source>
        <translation>Nuevo recordatorio</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The label of the main window&apos;s new-reminder button: short, the button is small.</extracomment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Recordatorios del día</translation>
    </message>
    <message>
        <source>Reminders</source>
        <extracomment>The label of the main window&apos;s button that lists the selected day&apos;s reminders: short.</extracomment>
        <translation>Del día</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Ir a hoy</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The label of the main window&apos;s go-to-today button: short.</extracomment>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Upcoming reminders</source>
        <translation>Próximos recordatorios</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Go to today (%1)</source>
        <extracomment>%1 is the keys that do the same, e.g. Ctrl+T.</extracomment>
        <translation>Ir a hoy (%1)</translation>
    </message>
    <message>
        <source>Kestrelmark Personal Reminder Software</source>
        <translation>Kestrelmark – Programa de recordatorios personales</translation>
    </message>
    <message>
        <source>TaskBarAddIcon failed.  Imagine that...</source>
        <translation>TaskBarAddIcon ha fallado.  Quién lo diría...</translation>
    </message>
    <message>
        <source>There is no knowledge that is not power.</source>
        <translation>No hay saber que no sea poder.</translation>
    </message>
</context>
<context>
    <name>COrvantis2View</name>
    <message>
        <source>More tools</source>
        <translation>Más herramientas</translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Página actual</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Reminder list printed %1</source>
        <extracomment>The head of every printed page; %1 is the date and time of printing.</extracomment>
        <translation>Lista de recordatorios impresa el %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Reminders.pdf</source>
        <extracomment>The file name offered when the list is printed to a PDF file.</extracomment>
        <translation>Recordatorios.pdf</translation>
    </message>
    <message>
        <source>Print reminders</source>
        <translation>Imprimir recordatorios</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>CProgressWnd</name>
    <message>
        <source>Kestrelmark -- Please wait...</source>
        <translation>Kestrelmark – Espere, por favor...</translation>
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
        <translation>¿Está SEGURO de que desea eliminar definitivamente los recordatorios del %1 al %2?</translation>
    </message>
    <message numerus="yes">
        <source>A total of %n reminder(s) were deleted.</source>
        <translation>
            <numerusform>Se eliminó %n recordatorio en total.</numerusform>
            <numerusform>Se eliminaron %n recordatorios en total.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CRangeDlgBase</name>
    <message>
        <source>From day</source>
        <translation>Día inicial</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Año inicial</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Día final</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Año final</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>CReminder</name>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>One time</source>
        <translation>Único</translation>
    </message>
</context>
<context>
    <name>CReminderAlertDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Posponer</translation>
    </message>
    <message>
        <source>Kestrelmark Reminder</source>
        <translation>Recordatorio de Kestrelmark</translation>
    </message>
</context>
<context>
    <name>CReminderCheck</name>
    <message>
        <source>One day to go:
</source>
        <translation>Falta un día:
</translation>
    </message>
    <message>
        <source>Reminder for %1:

</source>
        <extracomment>The alert&apos;s head; %1 is the date and time the reminder is for. The message follows.</extracomment>
        <translation>Recordatorio del %1:

</translation>
    </message>
    <message numerus="yes">
        <source>%n days to go:
</source>
        <translation>
            <numerusform>Falta %n día:
</numerusform>
            <numerusform>Faltan %n días:
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReminderExchange</name>
    <message>
        <source>Reminder Pack successfully imported.</source>
        <translation>Paquete de recordatorios importado correctamente.</translation>
    </message>
    <message>
        <source>Sorry, the title cannot contain punctuation characters or be empty.</source>
        <translation>Lo sentimos, el título no puede estar vacío ni contener signos de puntuación.</translation>
    </message>
    <message>
        <source>Sorry, this function is not supported.  Please save your reminder pack as a file and attach it to an email using your favorite mail package.</source>
        <translation>Lo sentimos, esta función no está disponible.  Guarde el paquete de recordatorios como archivo y adjúntelo a un correo desde su programa de correo.</translation>
    </message>
    <message>
        <source>Sorry, there was a problem sending this file.  Please save it to disk instead.</source>
        <translation>Lo sentimos, hubo un problema al enviar este archivo.  Guárdelo en el disco.</translation>
    </message>
    <message>
        <source>Sorry, there was an error opening %1 for writing.</source>
        <translation>Lo sentimos, no se pudo abrir %1 para escribir.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Lo sentimos, no se pudo abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not a reminder pack, so nothing was imported.</source>
        <translation>Lo sentimos, el archivo %1 no es un paquete de recordatorios; no se importó nada.</translation>
    </message>
    <message>
        <source>Sorry, the reminder pack %1 is damaged and could not be read to the end.  What came before the damage was imported.</source>
        <translation>Lo sentimos, el paquete de recordatorios %1 está dañado y no se pudo leer hasta el final.  Se importó lo que había antes de la parte dañada.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is unsupported.</source>
        <translation>Lo sentimos, el archivo %1 no es compatible.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is empty, so nothing was imported.</source>
        <translation>Lo sentimos, el archivo %1 está vacío; no se importó nada.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an Outlook calendar file, so nothing was imported.</source>
        <translation>Lo sentimos, el archivo %1 no es un archivo de calendario de Outlook; no se importó nada.</translation>
    </message>
</context>
<context>
    <name>CReminderFileKeeper</name>
    <message>
        <source>Sorry, the reminder file %1 was damaged by another program. Every reminder that could still be read was kept, and a copy of the damaged file was kept as %2.</source>
        <extracomment>%1 is the reminder file, %2 the copy kept of it.</extracomment>
        <translation>Lo sentimos, otro programa dañó el archivo de recordatorios %1. Se conservaron todos los recordatorios legibles, y se guardó una copia del archivo dañado como %2.</translation>
    </message>
    <message>
        <source>Sorry, your reminders could not be saved to %1: %2. They stay in this program, and it will try again at the next save.</source>
        <extracomment>%1 is the reminder file, %2 why it could not be written.</extracomment>
        <translation>Lo sentimos, sus recordatorios no se pudieron guardar en %1: %2. Se mantienen en el programa, que volverá a intentarlo en el próximo guardado.</translation>
    </message>
</context>
<context>
    <name>CReminderFileLock</name>
    <message>
        <source>an unreadable lock</source>
        <translation>un bloqueo ilegible</translation>
    </message>
    <message>
        <source>an empty lock</source>
        <translation>un bloqueo vacío</translation>
    </message>
    <message>
        <source>a garbled lock</source>
        <translation>un bloqueo alterado</translation>
    </message>
    <message>
        <source>the lock of process %1, which no longer runs</source>
        <translation>el bloqueo del proceso %1, que ya no se ejecuta</translation>
    </message>
    <message>
        <source>%1 is %2, not a lock; move it away to write the file</source>
        <extracomment>%1 is the lock file&apos;s path, %2 &quot;a folder&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 es %2, no un bloqueo; muévalo para poder escribir el archivo</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>its lock %1 is %2, and it cannot be removed (%3); remove it by hand</source>
        <translation>su bloqueo %1 es %2 y no se puede quitar (%3); quítelo a mano</translation>
    </message>
    <message>
        <source>another program (%1, process %2) is writing it</source>
        <translation>otro programa (%1, proceso %2) lo está escribiendo</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: %2</source>
        <translation>no se puede crear el archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>por un motivo desconocido</translation>
    </message>
</context>
<context>
    <name>CReminderPackTitleDlg</name>
    <message>
        <source>Reminder Pack Title</source>
        <translation>Título del paquete de recordatorios</translation>
    </message>
    <message>
        <source>Please enter a &amp;title for this Reminder Pack:</source>
        <translation>Introduzca un &amp;título para este paquete de recordatorios:</translation>
    </message>
</context>
<context>
    <name>CReminderStore</name>
    <message>
        <source>Sorry, but either your reminder file is from a previous version of this software, or it has become corrupt and cannot be read, or it is empty.</source>
        <translation>Lo sentimos: su archivo de recordatorios es de una versión anterior de este programa, o está dañado y no se puede leer, o está vacío.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to run this program.</source>
        <translation>Lo sentimos, no hay memoria suficiente para ejecutar este programa.</translation>
    </message>
    <message>
        <source>An error occurred while attempting to write your reminder file to disk.  You may be out of harddrive space.  Please free up some space and click OK to try again.</source>
        <translation>Se produjo un error al escribir su archivo de recordatorios.  Puede que el disco esté lleno.  Libere espacio y pulse Aceptar para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to save your reminders.  Please close all other programs and click OK to try again.</source>
        <translation>Lo sentimos, no hay memoria suficiente para guardar sus recordatorios.  Cierre los demás programas y pulse Aceptar para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>no hay memoria suficiente para leerlo</translation>
    </message>
    <message>
        <source>Sorry, your reminder file %1 cannot be read (%2). Your reminders stay in this program, and the file will not be written until it can be read again.</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be read.</extracomment>
        <translation>Lo sentimos, no se puede leer su archivo de recordatorios %1 (%2). Sus recordatorios se mantienen en el programa, y el archivo no se escribirá hasta que pueda volver a leerse.</translation>
    </message>
    <message>
        <source>

A copy of the damaged file was kept as %1.</source>
        <translation>

Se guardó una copia del archivo dañado como %1.</translation>
    </message>
    <message>
        <source>Error opening %1: %2</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be opened.</extracomment>
        <translation>Error al abrir %1: %2</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>puede que el disco esté lleno</translation>
    </message>
</context>
<context>
    <name>CSharingCommands</name>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics);;All files (*)</source>
        <extracomment>The file kinds of the export dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Paquetes de recordatorios (*.rpk);;CSV de Windows de Outlook98 (*.csv);;iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics)</source>
        <extracomment>The file kinds of the import dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Paquetes de recordatorios (*.rpk);;CSV de Windows de Outlook98 (*.csv);;iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>There are no reminders to print in this date range.</source>
        <translation>No hay recordatorios que imprimir en este periodo.</translation>
    </message>
    <message>
        <source>Sorry, an error occured.</source>
        <translation>Lo sentimos, se produjo un error.</translation>
    </message>
    <message>
        <source>Icon succesfully imported.</source>
        <translation>Icono importado correctamente.</translation>
    </message>
    <message>
        <source>Sorry, the reminders could not be printed.</source>
        <translation>Lo sentimos, no se pudieron imprimir los recordatorios.</translation>
    </message>
    <message>
        <source>Export reminder pack as</source>
        <translation>Exportar paquete de recordatorios como</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The file name offered for a new export.</extracomment>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Import reminders</source>
        <translation>Importar recordatorios</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an icon file that can be read, so it was not imported.</source>
        <translation>Lo sentimos, el archivo %1 no es un archivo de icono legible; no se importó.</translation>
    </message>
    <message>
        <source>Sorry, an icon named %1 is already in the icons folder, so the dropped one was not imported.</source>
        <translation>Lo sentimos, ya hay un icono llamado %1 en la carpeta de iconos; el que soltó no se importó.</translation>
    </message>
    <message>
        <source>Sorry, the icon file %1 could not be copied into the icons folder.</source>
        <translation>Lo sentimos, el archivo de icono %1 no se pudo copiar en la carpeta de iconos.</translation>
    </message>
</context>
<context>
    <name>CSnooze</name>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutos</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 horas</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Mañana</translation>
    </message>
</context>
<context>
    <name>CSyncAccountBox</name>
    <message>
        <source>Calendar sync (CalDAV)</source>
        <translation>Sincronización de calendario (CalDAV)</translation>
    </message>
    <message>
        <source>https://server/ or the calendar&apos;s address</source>
        <translation>https://servidor/ o la dirección del calendario</translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation>Sincroni&amp;zar ahora</translation>
    </message>
    <message>
        <source>Warning: this address is not encrypted: the password and your reminders travel readable to anyone on the network. Use https:// if the server offers it.</source>
        <translation>Atención: esta dirección no está cifrada; la contraseña y sus recordatorios viajan legibles por la red. Use https:// si el servidor lo ofrece.</translation>
    </message>
    <message>
        <source>Warning: unencrypted calendar address</source>
        <translation>Atención: dirección de calendario sin cifrar</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Contrase&amp;ña:</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>De&amp;talles...</translation>
    </message>
    <message>
        <source>What the last sync simplified, left out or found changed on both sides</source>
        <translation>Lo que la última sincronización simplificó, omitió o encontró cambiado en ambos lados</translation>
    </message>
    <message>
        <source>(kept in your keyring)</source>
        <translation>(guardada en su llavero)</translation>
    </message>
    <message>
        <source>The calendar address must be an http:// or https:// address.</source>
        <translation>La dirección del calendario debe empezar por http:// o https://.</translation>
    </message>
    <message>
        <source>Enter the user name of the calendar account.</source>
        <translation>Introduzca el usuario de la cuenta de calendario.</translation>
    </message>
    <message>
        <source>Enter the password of the calendar account.</source>
        <translation>Introduzca la contraseña de la cuenta de calendario.</translation>
    </message>
    <message>
        <source>No account: nothing is synced.</source>
        <translation>Sin cuenta: no se sincroniza nada.</translation>
    </message>
    <message>
        <source>The last sync:

</source>
        <extracomment>Followed by the list of what the last sync simplified or left out.</extracomment>
        <translation>La última sincronización:

</translation>
    </message>
</context>
<context>
    <name>CSyncAccountPanel</name>
    <message>
        <source>The password could not be kept in your keyring: %1</source>
        <translation>No se pudo guardar la contraseña en su llavero: %1</translation>
    </message>
</context>
<context>
    <name>CSyncController</name>
    <message>
        <source>Not synced yet</source>
        <translation>Aún sin sincronizar</translation>
    </message>
    <message>
        <source>no password store</source>
        <translation>no hay almacén de contraseñas</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>No se pudo guardar la contraseña: %1</translation>
    </message>
    <message>
        <source>Not synced: no password store</source>
        <translation>Sin sincronizar: no hay almacén de contraseñas</translation>
    </message>
    <message>
        <source>Not synced: the password could not be read (%1)</source>
        <translation>Sin sincronizar: no se pudo leer la contraseña (%1)</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>Sin sincronizar: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>Not synced: the server refused the user name or password</source>
        <translation>Sin sincronizar: el servidor rechazó el usuario o la contraseña</translation>
    </message>
    <message>
        <source>The calendar server refused the user name or password. Enter them again under Options to sync your reminders.</source>
        <translation>El servidor de calendario rechazó el usuario o la contraseña. Vuelva a introducirlos en Opciones para sincronizar sus recordatorios.</translation>
    </message>
    <message>
        <source>Not synced at %1: %2%3</source>
        <translation>Sin sincronizar el %1: %2%3</translation>
    </message>
    <message>
        <source> (last synced %1)</source>
        <translation> (última sincronización: %1)</translation>
    </message>
</context>
<context>
    <name>CSyncEngine</name>
    <message>
        <source>1 event simplified:</source>
        <translation>1 evento simplificado:</translation>
    </message>
    <message numerus="yes">
        <source>%n events simplified:</source>
        <translation>
            <numerusform>%n evento simplificado:</numerusform>
            <numerusform>%n eventos simplificados:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event left out:</source>
        <translation>1 evento omitido:</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out:</source>
        <translation>
            <numerusform>%n evento omitido:</numerusform>
            <numerusform>%n eventos omitidos:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 change kept on this computer only:</source>
        <translation>1 cambio conservado solo en este equipo:</translation>
    </message>
    <message numerus="yes">
        <source>%n changes kept on this computer only:</source>
        <translation>
            <numerusform>%n cambio conservado solo en este equipo:</numerusform>
            <numerusform>%n cambios conservados solo en este equipo:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 resource outside the calendar left alone:</source>
        <translation>1 recurso fuera del calendario sin tocar:</translation>
    </message>
    <message numerus="yes">
        <source>%n resources outside the calendar left alone:</source>
        <translation>
            <numerusform>%n recurso fuera del calendario sin tocar:</numerusform>
            <numerusform>%n recursos fuera del calendario sin tocar:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reminder was changed both here and on the server; both versions are kept.</source>
        <translation>1 recordatorio se cambió aquí y en el servidor; se conservan ambas versiones.</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were changed both here and on the server; both versions are kept.</source>
        <translation>
            <numerusform>%n recordatorio se cambió aquí y en el servidor; se conservan ambas versiones.</numerusform>
            <numerusform>%n recordatorios se cambiaron aquí y en el servidor; se conservan ambas versiones.</numerusform>
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
        <translation>Cerrar Kestrelmark</translation>
    </message>
    <message>
        <source>New reminder...</source>
        <translation>Nuevo recordatorio...</translation>
    </message>
    <message>
        <source>Import reminders...</source>
        <translation>Importar recordatorios...</translation>
    </message>
    <message>
        <source>Print reminders...</source>
        <translation>Imprimir recordatorios...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Delete range of reminders...</source>
        <translation>Eliminar recordatorios de un periodo...</translation>
    </message>
    <message>
        <source>Recover reminders from weekly backup...</source>
        <translation>Recuperar recordatorios de la copia semanal...</translation>
    </message>
    <message>
        <source>Export reminders...</source>
        <translation>Exportar recordatorios...</translation>
    </message>
    <message>
        <source>Toggle interface sounds on/off</source>
        <translation>Activar/desactivar los sonidos de la interfaz</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>&amp;Acerca de Kestrelmark...</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Próximo: %1</translation>
    </message>
    <message>
        <source>Show Kestrelmark</source>
        <translation>Mostrar Kestrelmark</translation>
    </message>
    <message>
        <source>Due: %1</source>
        <extracomment>The tray tip: the reminders whose alerts wait for an answer.</extracomment>
        <translation>Pendiente: %1</translation>
    </message>
</context>
<context>
    <name>CWeeklyBackup</name>
    <message>
        <source>Sorry, no backup of your reminders was found, so nothing was recovered.  A backup is made once a week when the program starts.</source>
        <translation>Lo sentimos, no se encontró ninguna copia de seguridad de sus recordatorios; no se recuperó nada.  Se hace una copia una vez por semana al iniciar el programa.</translation>
    </message>
    <message>
        <source>Recovery complete.</source>
        <translation>Recuperación terminada.</translation>
    </message>
    <message>
        <source>Sorry, the backup of your reminders is damaged and cannot be read, so nothing was recovered.  Your reminders are as they were.</source>
        <translation>Lo sentimos, la copia de seguridad de sus recordatorios está dañada y no se puede leer; no se recuperó nada.  Sus recordatorios siguen como estaban.</translation>
    </message>
    <message>
        <source>Sorry, the weekly backup of your reminders could not be written to %1: %2. Your reminders themselves are not affected; the backup will be tried again.</source>
        <extracomment>%1 is the backup file, %2 why it could not be written.</extracomment>
        <translation>Lo sentimos, no se pudo escribir la copia semanal de sus recordatorios en %1: %2. Sus recordatorios no se ven afectados; se volverá a intentar la copia.</translation>
    </message>
    <message>
        <source>Your reminder file is missing; your last backup from %1 has %2. Use Recover to restore it.</source>
        <extracomment>%1 is the date of the backup, %2 how many reminders it has (&quot;1 reminder&quot;, &quot;5 reminders&quot;).</extracomment>
        <translation>Falta su archivo de recordatorios; su última copia, del %1, contiene %2. Use Recuperar para restaurarlo.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 recordatorio</translation>
    </message>
    <message>
        <source>Are you sure you want to recover your reminder database from the last backup of %1?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>¿Seguro que desea recuperar sus recordatorios de la última copia del %1?</translation>
    </message>
    <message>
        <source>Any reminders created since %1  will be PERMANENTLY LOST.  Proceed?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Todos los recordatorios creados desde el %1 se PERDERÁN DEFINITIVAMENTE.  ¿Continuar?</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n recordatorio</numerusform>
            <numerusform>%n recordatorios</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWriteFailure</name>
    <message>
        <source>its folder %1 is gone</source>
        <translation>su carpeta %1 ya no existe</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>no queda espacio en el disco</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
</context>
<context>
    <name>kestrelmark-cli</name>
    <message>
        <source>add a reminder to a reminder file</source>
        <translation>añadir un recordatorio a un archivo de recordatorios</translation>
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
Crea FILE si no existe. NAME es un icono integrado o un archivo de icono
importado de la carpeta de iconos de la carpeta de datos.</translation>
    </message>
    <message>
        <source>run the weekly backup of the data folder&apos;s reminders</source>
        <translation>hacer la copia semanal de los recordatorios de la carpeta de datos</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Backs up DIR/Kestrelmark.km2 to DIR/KestrelmarkBackup.km2 when the last backup
recorded in the user&apos;s settings is a week old (or none is), as the program does at
start-up; --force backs up in any case.</source>
        <translation>Uso: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Copia DIR/Kestrelmark.km2 en DIR/KestrelmarkBackup.km2 cuando la última copia
anotada en la configuración del usuario tiene una semana (o no hay ninguna), como hace
el programa al iniciarse; --force copia en cualquier caso.</translation>
    </message>
    <message>
        <source>copy a reminder file into a current (.km2) one</source>
        <translation>copiar un archivo de recordatorios en uno actual (.km2)</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli copy IN OUT
Reads IN (.km2 or legacy .kmr) and writes all its reminders to OUT.</source>
        <translation>Uso: kestrelmark-cli copy IN OUT
Lee IN (.km2 o el antiguo .kmr) y escribe todos sus recordatorios en OUT.</translation>
    </message>
    <message>
        <source>list the reminders that fall on a day</source>
        <translation>listar los recordatorios de un día</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli day FILE --date YYYY-MM-DD
Prints the indexes (in date order) of the day&apos;s reminders, as the calendar shows them.</source>
        <translation>Uso: kestrelmark-cli day FILE --date YYYY-MM-DD
Muestra los índices (por orden de fecha) de los recordatorios del día, como los muestra el calendario.</translation>
    </message>
    <message>
        <source>delete the reminders of a range of days</source>
        <translation>eliminar los recordatorios de un periodo</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Deletes the one-time reminders (all kinds with --all-kinds) whose own date and time lie
from the first day through the end of the last day.</source>
        <translation>Uso: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Elimina los recordatorios únicos (de todos los tipos con --all-kinds) cuya fecha y hora
van del primer día hasta el final del último.</translation>
    </message>
    <message>
        <source>run one due-reminder pass at a given time</source>
        <translation>revisar una vez los recordatorios vencidos en un momento dado</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Prints the alerts the pass would show, in order; --save writes the shown flags back.</source>
        <translation>Uso: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Muestra por orden los avisos que daría la revisión; --save guarda las marcas de mostrado.</translation>
    </message>
    <message>
        <source>print a reminder file (or pack, or CSV) as JSON</source>
        <translation>mostrar un archivo de recordatorios (o un paquete, o un CSV) como JSON</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli dump FILE
Prints {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} for FILE, chosen by its extension.</source>
        <translation>Uso: kestrelmark-cli dump FILE
Muestra {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} para FILE, según su extensión.</translation>
    </message>
    <message>
        <source>export reminders as a reminder pack, Outlook CSV or iCalendar file</source>
        <translation>exportar recordatorios como paquete, CSV de Outlook o archivo iCalendar</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Writes the reminders of FILE (all, or those at the given indexes in date order) as a
reminder pack with the icon and sound files they use (taken from DIR, by default the
per-user data folder), as an Outlook calendar file, or as an iCalendar file.</source>
        <translation>Uso: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Escribe los recordatorios de FILE (todos, o los de los índices dados por orden de fecha)
como paquete de recordatorios con los archivos de icono y sonido que usan (tomados de DIR,
por defecto la carpeta de datos del usuario), como archivo de calendario de Outlook o como
archivo iCalendar.</translation>
    </message>
    <message>
        <source>import a reminder pack, Outlook CSV or iCalendar file into a reminder file</source>
        <translation>importar un paquete, un CSV de Outlook o un archivo iCalendar a un archivo de recordatorios</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Adds the reminders FILE does not hold yet (FILE is created when missing) and puts a
pack&apos;s icon and sound files into DIR/icons and DIR/sounds (by default the per-user
data folder). Prints what was added, what was skipped as a duplicate, and which data
files were written or refused. A damaged pack keeps what came before the damage and
exits with 2. An iCalendar import says how many events it simplified or left out, and how.</source>
        <translation>Uso: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Añade los recordatorios que FILE aún no tiene (FILE se crea si falta) y coloca los archivos
de icono y sonido de un paquete en DIR/icons y DIR/sounds (por defecto la carpeta de datos
del usuario). Indica qué se añadió, qué se omitió por duplicado y qué archivos de datos se
escribieron o rechazaron. Un paquete dañado conserva lo anterior a la parte dañada y sale
con 2. Una importación iCalendar indica cuántos eventos simplificó u omitió, y cómo.</translation>
    </message>
    <message>
        <source>list every occurrence in a range of days</source>
        <translation>listar cada repetición de un periodo</translation>
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
Lista cada repetición de los días de --from a --to, por orden de fecha: una entrada por
repetición en su propia línea, fechada en su día a la hora del recordatorio (dateTime), con
la fecha propia del recordatorio (reminderDateTime), su índice (como lo da day), mensaje,
repetición, antelación en minutos (noticeMinutes) y nombre del icono.
--full da en su lugar todos los campos del recordatorio, sangrados, como dump. --per-day-limit N
conserva como máximo N por día, como los reúne el calendario (la impresión conserva 20).</translation>
    </message>
    <message>
        <source>replace the reminders with the weekly backup</source>
        <translation>sustituir los recordatorios por la copia semanal</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli recover --yes [--data-dir DIR]
Replaces DIR/Kestrelmark.km2 with the contents of the weekly backup. Reminders made
since the backup are lost, so --yes is required. Without a readable backup nothing
changes and the exit code is 2.</source>
        <translation>Uso: kestrelmark-cli recover --yes [--data-dir DIR]
Sustituye DIR/Kestrelmark.km2 por el contenido de la copia semanal. Los recordatorios
creados desde la copia se pierden, por eso se requiere --yes. Sin una copia legible no
cambia nada y el código de salida es 2.</translation>
    </message>
    <message>
        <source>sync a reminder file with a CalDAV calendar, both ways</source>
        <translation>sincronizar un archivo de recordatorios con un calendario CalDAV en ambos sentidos</translation>
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
Lleva FILE y el calendario de URL (la colección del calendario, o el servidor, cuyo
calendario se busca entonces mediante el principal del usuario) a los mismos recordatorios:
lo que cambió en un lado pasa al otro; un recordatorio cambiado en ambos lados se conserva
en sus dos versiones. Lo último sincronizado se guarda en la carpeta de FILE como
&lt;name&gt;Sync.json. La contraseña es la primera línea de F; solo se envía al esquema, host y
puerto de URL (una redirección a otro sitio hace fallar la sincronización), y una URL http://
genera un aviso en stderr, pues envía la contraseña sin cifrar. Solo hay una sincronización de
FILE a la vez: una segunda espera hasta %1 segundos a la primera. Muestra un informe JSON de lo
que pasó en cada sentido. Una sincronización que falla antes de resolver nada no escribe nada.
Códigos de salida: 0 sincronizado, 2 FILE o estado ilegible, 3 falló la sincronización (el
informe dice por qué; lo resuelto se conserva) u otra sincronización de FILE sigue en curso,
4 el servidor rechazó el usuario o la contraseña.</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli COMMAND [ARGUMENTS]

Reads and writes Kestrelmark reminder files (.km2, legacy .kmr) and prints JSON.
Exit codes: 0 success, 1 usage error, 2 unreadable or corrupt input.

Commands:
</source>
        <extracomment>The tool&apos;s --help. COMMAND and ARGUMENTS are placeholders; .km2 and .kmr are file types.</extracomment>
        <translation>Uso: kestrelmark-cli ORDEN [ARGUMENTOS]

Lee y escribe archivos de recordatorios de Kestrelmark (.km2, el antiguo .kmr) y muestra JSON.
Códigos de salida: 0 éxito, 1 error de uso, 2 entrada ilegible o dañada.

Órdenes:
</translation>
    </message>
    <message>
        <source>
&apos;kestrelmark-cli COMMAND --help&apos; describes a command.
</source>
        <translation>
«kestrelmark-cli ORDEN --help» describe una orden.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>orden desconocida «%1» (vea --help)</translation>
    </message>
    <message>
        <source>change one reminder of a reminder file</source>
        <translation>cambiar un recordatorio de un archivo de recordatorios</translation>
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
ID es el identificador del recordatorio tal como lo muestra dump. Lo que no se indica
queda como está; el aviso cuenta entonces como aún no mostrado, como tras una
edición en la ventana.</translation>
    </message>
    <message>
        <source>warning: %1 is not encrypted: the password and the reminders travel readable to anyone on the network; use https:// where the server offers it</source>
        <translation>advertencia: %1 no está cifrada: la contraseña y los recordatorios viajan legibles para cualquiera en la red; use https:// si el servidor lo ofrece</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>no se puede ejecutar %1: %2</translation>
    </message>
</context>
</TS>
