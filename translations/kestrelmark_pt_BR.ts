<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAboutBoxDlg</name>
    <message>
        <source>About Kestrelmark</source>
        <translation>Sobre o Kestrelmark</translation>
    </message>
    <message>
        <source>Kestrelmark
Personal Reminder Software</source>
        <translation>Kestrelmark
Programa de lembretes pessoais</translation>
    </message>
</context>
<context>
    <name>CCalendarAccessible</name>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
</context>
<context>
    <name>CCalendarCsv</name>
    <message>
        <source>Windows CSV file successfully imported.</source>
        <translation>Arquivo CSV do Windows importado com sucesso.</translation>
    </message>
    <message>
        <source>
Its dates could be read day first or month first; they were read as your locale writes them (%1).</source>
        <extracomment>%1 is the date form the file was read in, e.g. &quot;dd.MM.yyyy&quot;.</extracomment>
        <translation>
Suas datas podiam ser lidas com o dia ou com o mês primeiro; foram lidas como a sua configuração regional as escreve (%1).</translation>
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
        <translation>, 1 lembrete: </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>, %n reminders: </source>
        <translation>
            <numerusform>, %n lembrete: </numerusform>
            <numerusform>, %n lembretes: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCalendarMenus</name>
    <message>
        <source>&amp;Delete this reminder...</source>
        <translation>&amp;Excluir este lembrete...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>E&amp;ditar...</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Novo...</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>&amp;Sobre o Kestrelmark...</translation>
    </message>
    <message>
        <source>&amp;Print reminders...</source>
        <translation>&amp;Imprimir lembretes...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Visualizar impressão...</translation>
    </message>
    <message>
        <source>E&amp;xport reminders...</source>
        <translation>E&amp;xportar lembretes...</translation>
    </message>
    <message>
        <source>&amp;Import reminders...</source>
        <translation>I&amp;mportar lembretes...</translation>
    </message>
    <message>
        <source>Delete &amp;range of reminders...</source>
        <translation>Excluir lembretes de um &amp;período...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Aj&amp;uda...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>Proper&amp;ties</source>
        <translation>P&amp;ropriedades</translation>
    </message>
</context>
<context>
    <name>CCalendarWnd</name>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
</context>
<context>
    <name>CCloseWarningDlg</name>
    <message>
        <source>If you close Kestrelmark, you will not be notified of future reminders until you restart your computer or run Kestrelmark again.  For maximum functionality, it is recommended that you &apos;just minimize.&apos;</source>
        <translation>Se você fechar o Kestrelmark, não será avisado dos próximos lembretes até reiniciar o computador ou abrir o Kestrelmark de novo.  Para aproveitá-lo ao máximo, recomendamos “apenas minimizar”.</translation>
    </message>
    <message>
        <source>Kestrelmark -- Close Warning!</source>
        <translation>Kestrelmark – Aviso ao fechar!</translation>
    </message>
    <message>
        <source>Just &amp;minimize</source>
        <translation>Apenas &amp;minimizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
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
        <translation>Um momento: as imagens estão sendo convertidas para 256 cores.  Para um resultado melhor, configure a tela para 24 ou 16 bits de cor (16,7 milhões ou 65.536 cores).</translation>
    </message>
</context>
<context>
    <name>CDateRangeCheck</name>
    <message>
        <source>One or both of the dates is invalid.  Please re-check them and try again.</source>
        <translation>Pelo menos uma das datas é inválida.  Verifique-as e tente de novo.</translation>
    </message>
</context>
<context>
    <name>CDateRangeDlg</name>
    <message>
        <source>Print reminders</source>
        <translation>Imprimir lembretes</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be printed:</source>
        <translation>Os lembretes do período a seguir serão impressos:</translation>
    </message>
</context>
<context>
    <name>CDayListRows</name>
    <message>
        <source>1 day</source>
        <translation>1 dia</translation>
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
        <translation>Lembretes de %1:</translation>
    </message>
    <message>
        <source>[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>[%1]
Tem certeza de que deseja excluir este lembrete?</translation>
    </message>
    <message>
        <source>Please select a reminder to delete.</source>
        <translation>Selecione o lembrete que deseja excluir.</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CDeleteRangeDlg</name>
    <message>
        <source>Delete reminders</source>
        <translation>Excluir lembretes</translation>
    </message>
    <message>
        <source>Reminders for the following date range will be deleted:</source>
        <translation>Os lembretes do período a seguir serão excluídos:</translation>
    </message>
    <message>
        <source>Delete &amp;one-time reminders only.</source>
        <translation>Excluir apenas os lembretes &amp;únicos.</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <extracomment>The notification&apos;s button that puts the reminder off.</extracomment>
        <translation>Adiar</translation>
    </message>
</context>
<context>
    <name>CEditRemindersDlg</name>
    <message>
        <source>Edit reminders</source>
        <translation>Editar lembretes</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Lembretes do dia</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
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
        <translation>Antecedência</translation>
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
        <translation>Escolher lembretes para exportar como pacote</translation>
    </message>
    <message>
        <source>Share reminders with a friend!  Choose the reminders you want to export by moving them into the right-hand window.  Save to disk, or, if supported, email them to a friend!</source>
        <translation>Compartilhe lembretes com seus amigos!  Escolha os lembretes que deseja exportar movendo-os para a lista da direita.  Salve-os em um arquivo ou, se possível, envie-os por e-mail.</translation>
    </message>
    <message>
        <source>C&amp;urrent reminders</source>
        <translation>Lembretes &amp;atuais</translation>
    </message>
    <message>
        <source>&amp;Reminders to export:</source>
        <translation>&amp;Lembretes a exportar:</translation>
    </message>
    <message>
        <source>Current reminders</source>
        <translation>Lembretes atuais</translation>
    </message>
    <message>
        <source>Reminders to export</source>
        <translation>Lembretes a exportar</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>&amp;Mail to...</source>
        <translation>Enviar por e-&amp;mail...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>First, please select the reminders you want to export.</source>
        <translation>Primeiro selecione os lembretes que deseja exportar.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to export first.</source>
        <translation>Selecione primeiro um ou mais lembretes para exportar.</translation>
    </message>
    <message>
        <source>Please select one or more reminders to remove from the export list.</source>
        <translation>Selecione um ou mais lembretes para tirar da lista de exportação.</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
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
        <translation>Importando ícones...</translation>
    </message>
</context>
<context>
    <name>CIcsFile</name>
    <message>
        <source>iCalendar file successfully imported.</source>
        <translation>Arquivo iCalendar importado com sucesso.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Desculpe, não foi possível abrir o arquivo %1.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 was not imported: %2.</source>
        <extracomment>%1 is the file, %2 why it was refused.</extracomment>
        <translation>Desculpe, o arquivo %1 não foi importado: %2.</translation>
    </message>
    <message>
        <source>1 reminder added</source>
        <translation>1 lembrete adicionado</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders added</source>
        <translation>
            <numerusform>%n lembrete adicionado</numerusform>
            <numerusform>%n lembretes adicionados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n already in the list.</source>
        <translation>
            <numerusform>, %n já na lista.</numerusform>
            <numerusform>, %n já na lista.</numerusform>
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
        <translation>1 evento deixado de fora.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out.</source>
        <translation>
            <numerusform>%n evento deixado de fora.</numerusform>
            <numerusform>%n eventos deixados de fora.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CImportProgress</name>
    <message>
        <source>Importing reminders from %1...</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Importando lembretes de %1...</translation>
    </message>
</context>
<context>
    <name>CIntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Digite um número inteiro entre %1 e %2.</translation>
    </message>
</context>
<context>
    <name>CMainCommands</name>
    <message>
        <source>Sorry, the manual is missing. It belongs at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Desculpe, o manual não foi encontrado. Ele deveria estar em %1.</translation>
    </message>
    <message>
        <source>Sorry, no program could show the manual. You can open it in a web browser; it is at %1.</source>
        <extracomment>%1 is the path of the help page.</extracomment>
        <translation>Desculpe, nenhum programa conseguiu mostrar o manual. Você pode abri-lo em um navegador; ele está em %1.</translation>
    </message>
    <message>
        <source>Sound on.</source>
        <translation>Sons ativados.</translation>
    </message>
    <message>
        <source>Sound is now off.</source>
        <translation>Os sons agora estão desativados.</translation>
    </message>
    <message>
        <source>Reminder message:
[%1]
Are you sure you want to delete this reminder?</source>
        <extracomment>%1 is the reminder&apos;s message.</extracomment>
        <translation>Mensagem do lembrete:
[%1]
Tem certeza de que deseja excluir este lembrete?</translation>
    </message>
</context>
<context>
    <name>CNewEventDlg</name>
    <message>
        <source>Reminder</source>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>&amp;Time of day</source>
        <translation>&amp;Horário</translation>
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
        <translation>&amp;AM</translation>
    </message>
    <message>
        <source>&amp;PM</source>
        <translation>&amp;PM</translation>
    </message>
    <message>
        <source>How often?</source>
        <translation>Com que frequência?</translation>
    </message>
    <message>
        <source>&amp;One-time</source>
        <translation>Ú&amp;nico</translation>
    </message>
    <message>
        <source>A&amp;nnual</source>
        <translation>An&amp;ual</translation>
    </message>
    <message>
        <source>Mont&amp;hly</source>
        <translation>&amp;Mensal</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Semanal</translation>
    </message>
    <message>
        <source>Send reminder in ad&amp;vance...</source>
        <translation>A&amp;visar com antecedência...</translation>
    </message>
    <message>
        <source>Days in advance</source>
        <translation>Dias de antecedência</translation>
    </message>
    <message>
        <source>Hours in advance</source>
        <translation>Horas de antecedência</translation>
    </message>
    <message>
        <source>Minutes in advance</source>
        <translation>Minutos de antecedência</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dias</translation>
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
        <translation>Escolher &amp;ícone</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ícone</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Add icon</source>
        <translation>Adicionar ícone</translation>
    </message>
    <message>
        <source>A&amp;dd icon</source>
        <translation>A&amp;dicionar</translation>
    </message>
    <message>
        <source>Reminder &amp;message to display</source>
        <translation>&amp;Texto a mostrar</translation>
    </message>
    <message>
        <source>Reminder message to display</source>
        <translation>Texto a mostrar</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Use custom &amp;sound:</source>
        <translation>Som p&amp;róprio:</translation>
    </message>
    <message>
        <source>&amp;Choose sound...</source>
        <translation>Es&amp;colher som...</translation>
    </message>
    <message>
        <source>Play (%1)</source>
        <translation>Tocar (%1)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>Canc&amp;elar</translation>
    </message>
    <message>
        <source>(&amp;Click to choose sound)</source>
        <extracomment>The same text as &quot;(Click to choose sound)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(Es&amp;colher um som)</translation>
    </message>
    <message>
        <source>Choose sound</source>
        <translation>Escolher som</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>Arquivos de som WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Windows icons (*.ico *.ICO)</source>
        <translation>Ícones do Windows (*.ico *.ICO)</translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; could not be read as an icon.  Please choose an icon file that holds a 32 x 32 picture.</source>
        <translation>Desculpe, não foi possível ler “%1” como ícone.  Escolha um arquivo de ícone com uma imagem de 32 × 32.</translation>
    </message>
</context>
<context>
    <name>CNewEventForm</name>
    <message>
        <source>Reminder for %1</source>
        <extracomment>The editor&apos;s title; %1 is the reminder&apos;s date.</extracomment>
        <translation>Lembrete de %1</translation>
    </message>
    <message>
        <source>The time of day that this reminder is scheduled for is invalid.  Please try another time.</source>
        <translation>O horário deste lembrete é inválido.  Tente outro horário.</translation>
    </message>
    <message>
        <source>(Click to choose sound)</source>
        <translation>(Escolher um som)</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Upcoming Reminders window</source>
        <translation>Lista dos próximos lembretes</translation>
    </message>
    <message>
        <source>&amp;Show reminders for next</source>
        <translation>&amp;Mostrar os lembretes dos próximos</translation>
    </message>
    <message>
        <source>days.</source>
        <translation>dias.</translation>
    </message>
    <message>
        <source>Reminder Alert Sound</source>
        <translation>Som do alerta</translation>
    </message>
    <message>
        <source>Use system &amp;beep</source>
        <translation>&amp;Bipe do sistema</translation>
    </message>
    <message>
        <source>Use sound file</source>
        <translation>Arquivo de som</translation>
    </message>
    <message>
        <source>Use sound file (%1)</source>
        <translation>Arquivo de som (%1)</translation>
    </message>
    <message>
        <source>Browse for a sound file</source>
        <translation>Procurar um arquivo de som</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Tocar</translation>
    </message>
    <message>
        <source>S&amp;tart Kestrelmark when I log in</source>
        <translation>&amp;Iniciar o Kestrelmark ao entrar na sessão</translation>
    </message>
    <message>
        <source>Also show alerts as desktop &amp;notifications</source>
        <translation>Mostrar os alertas também como &amp;notificações da área de trabalho</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>(Click here to choose a .WAV sound &amp;file)</source>
        <extracomment>The same text as &quot;(Click here to choose a .WAV sound file)&quot;, with the button&apos;s Alt letter marked by &amp;.</extracomment>
        <translation>(Clique aqui para escolher um &amp;som WAV)</translation>
    </message>
    <message>
        <source>Choose .WAV sound file</source>
        <translation>Escolher arquivo de som WAV</translation>
    </message>
    <message>
        <source>.WAV sound files (*.wav *.WAV)</source>
        <translation>Arquivos de som WAV (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not set itself to start when you log in.</source>
        <translation>Desculpe, o Kestrelmark não conseguiu se configurar para iniciar ao entrar na sessão.</translation>
    </message>
    <message>
        <source>Sorry, Kestrelmark could not stop itself from starting when you log in.</source>
        <translation>Desculpe, o Kestrelmark não conseguiu deixar de iniciar ao entrar na sessão.</translation>
    </message>
</context>
<context>
    <name>COptionsForm</name>
    <message>
        <source>(Click here to choose a .WAV sound file)</source>
        <translation>(Clique aqui para escolher um som WAV)</translation>
    </message>
</context>
<context>
    <name>COrvantis2App</name>
    <message>
        <source>Another copy of Kestrelmark is running.  Please close it and try again.</source>
        <translation>Outra cópia do Kestrelmark já está em execução.  Feche-a e tente de novo.</translation>
    </message>
    <message>
        <source>Kestrelmark is running but did not take %1.  Please open the file from the running Kestrelmark.</source>
        <extracomment>%1 is the file the user asked a second start of the program to open.</extracomment>
        <translation>O Kestrelmark está em execução, mas não aceitou %1.  Abra o arquivo pelo Kestrelmark em execução.</translation>
    </message>
</context>
<context>
    <name>COrvantis2Dlg</name>
    <message>
        <source>New reminder</source>
        <translation>Novo lembrete</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The label of the main window&apos;s new-reminder button: short, the button is small.</extracomment>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Reminders of the day</source>
        <translation>Lembretes do dia</translation>
    </message>
    <message>
        <source>Reminders</source>
        <extracomment>The label of the main window&apos;s button that lists the selected day&apos;s reminders: short.</extracomment>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Ir para hoje</translation>
    </message>
    <message>
        <source>Today</source>
        <extracomment>The label of the main window&apos;s go-to-today button: short.</extracomment>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Upcoming reminders</source>
        <translation>Próximos lembretes</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Go to today (%1)</source>
        <extracomment>%1 is the keys that do the same, e.g. Ctrl+T.</extracomment>
        <translation>Ir para hoje (%1)</translation>
    </message>
    <message>
        <source>Kestrelmark Personal Reminder Software</source>
        <translation>Kestrelmark – Programa de lembretes pessoais</translation>
    </message>
    <message>
        <source>TaskBarAddIcon failed.  Imagine that...</source>
        <translation>TaskBarAddIcon falhou.  Quem diria...</translation>
    </message>
    <message>
        <source>There is no knowledge that is not power.</source>
        <translation>Não há saber que não seja poder.</translation>
    </message>
</context>
<context>
    <name>COrvantis2View</name>
    <message>
        <source>More tools</source>
        <translation>Mais ferramentas</translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Página atual</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Reminder list printed %1</source>
        <extracomment>The head of every printed page; %1 is the date and time of printing.</extracomment>
        <translation>Lista de lembretes impressa em %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Reminders.pdf</source>
        <extracomment>The file name offered when the list is printed to a PDF file.</extracomment>
        <translation>Lembretes.pdf</translation>
    </message>
    <message>
        <source>Print reminders</source>
        <translation>Imprimir lembretes</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Visualizar impressão</translation>
    </message>
</context>
<context>
    <name>CProgressWnd</name>
    <message>
        <source>Kestrelmark -- Please wait...</source>
        <translation>Kestrelmark – Aguarde...</translation>
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
        <translation>Tem CERTEZA de que deseja excluir definitivamente os lembretes de %1 a %2?</translation>
    </message>
    <message numerus="yes">
        <source>A total of %n reminder(s) were deleted.</source>
        <translation>
            <numerusform>No total, %n lembrete foi excluído.</numerusform>
            <numerusform>No total, %n lembretes foram excluídos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CRangeDlgBase</name>
    <message>
        <source>From day</source>
        <translation>Dia inicial</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Ano inicial</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Dia final</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Ano final</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Até:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>Mensal</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Adiar</translation>
    </message>
    <message>
        <source>Kestrelmark Reminder</source>
        <translation>Lembrete do Kestrelmark</translation>
    </message>
</context>
<context>
    <name>CReminderCheck</name>
    <message>
        <source>One day to go:
</source>
        <translation>Falta um dia:
</translation>
    </message>
    <message>
        <source>Reminder for %1:

</source>
        <extracomment>The alert&apos;s head; %1 is the date and time the reminder is for. The message follows.</extracomment>
        <translation>Lembrete de %1:

</translation>
    </message>
    <message numerus="yes">
        <source>%n days to go:
</source>
        <translation>
            <numerusform>Falta %n dia:
</numerusform>
            <numerusform>Faltam %n dias:
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReminderExchange</name>
    <message>
        <source>Reminder Pack successfully imported.</source>
        <translation>Pacote de lembretes importado com sucesso.</translation>
    </message>
    <message>
        <source>Sorry, the title cannot contain punctuation characters or be empty.</source>
        <translation>Desculpe, o título não pode ficar vazio nem ter sinais de pontuação.</translation>
    </message>
    <message>
        <source>Sorry, this function is not supported.  Please save your reminder pack as a file and attach it to an email using your favorite mail package.</source>
        <translation>Desculpe, esta função não está disponível.  Salve o pacote de lembretes como arquivo e anexe-o a um e-mail no seu programa de e-mail.</translation>
    </message>
    <message>
        <source>Sorry, there was a problem sending this file.  Please save it to disk instead.</source>
        <translation>Desculpe, houve um problema ao enviar este arquivo.  Salve-o no disco.</translation>
    </message>
    <message>
        <source>Sorry, there was an error opening %1 for writing.</source>
        <translation>Desculpe, não foi possível abrir %1 para gravação.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 could not be opened.</source>
        <translation>Desculpe, não foi possível abrir o arquivo %1.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not a reminder pack, so nothing was imported.</source>
        <translation>Desculpe, o arquivo %1 não é um pacote de lembretes; nada foi importado.</translation>
    </message>
    <message>
        <source>Sorry, the reminder pack %1 is damaged and could not be read to the end.  What came before the damage was imported.</source>
        <translation>Desculpe, o pacote de lembretes %1 está danificado e não pôde ser lido até o fim.  O que vinha antes da parte danificada foi importado.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is unsupported.</source>
        <translation>Desculpe, o arquivo %1 não é compatível.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is empty, so nothing was imported.</source>
        <translation>Desculpe, o arquivo %1 está vazio; nada foi importado.</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an Outlook calendar file, so nothing was imported.</source>
        <translation>Desculpe, o arquivo %1 não é um arquivo de calendário do Outlook; nada foi importado.</translation>
    </message>
</context>
<context>
    <name>CReminderFileKeeper</name>
    <message>
        <source>Sorry, the reminder file %1 was damaged by another program. Every reminder that could still be read was kept, and a copy of the damaged file was kept as %2.</source>
        <extracomment>%1 is the reminder file, %2 the copy kept of it.</extracomment>
        <translation>Desculpe, o arquivo de lembretes %1 foi danificado por outro programa. Todos os lembretes ainda legíveis foram mantidos, e uma cópia do arquivo danificado foi guardada como %2.</translation>
    </message>
    <message>
        <source>Sorry, your reminders could not be saved to %1: %2. They stay in this program, and it will try again at the next save.</source>
        <extracomment>%1 is the reminder file, %2 why it could not be written.</extracomment>
        <translation>Desculpe, não foi possível salvar seus lembretes em %1: %2. Eles continuam no programa, que tentará de novo no próximo salvamento.</translation>
    </message>
</context>
<context>
    <name>CReminderFileLock</name>
    <message>
        <source>an unreadable lock</source>
        <translation>uma trava ilegível</translation>
    </message>
    <message>
        <source>an empty lock</source>
        <translation>uma trava vazia</translation>
    </message>
    <message>
        <source>a garbled lock</source>
        <translation>uma trava corrompida</translation>
    </message>
    <message>
        <source>the lock of process %1, which no longer runs</source>
        <translation>a trava do processo %1, que não está mais em execução</translation>
    </message>
    <message>
        <source>%1 is %2, not a lock; move it away to write the file</source>
        <extracomment>%1 is the lock file&apos;s path, %2 &quot;a folder&quot; or &quot;not a regular file&quot;.</extracomment>
        <translation>%1 é %2, não uma trava; mova-o para que o arquivo possa ser gravado</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>um arquivo especial</translation>
    </message>
    <message>
        <source>its lock %1 is %2, and it cannot be removed (%3); remove it by hand</source>
        <translation>a trava %1 é %2 e não pode ser removida (%3); remova-a manualmente</translation>
    </message>
    <message>
        <source>another program (%1, process %2) is writing it</source>
        <translation>outro programa (%1, processo %2) está gravando nele</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: %2</source>
        <translation>não é possível criar o arquivo de trava %1: %2</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>por motivo desconhecido</translation>
    </message>
</context>
<context>
    <name>CReminderPackTitleDlg</name>
    <message>
        <source>Reminder Pack Title</source>
        <translation>Título do pacote de lembretes</translation>
    </message>
    <message>
        <source>Please enter a &amp;title for this Reminder Pack:</source>
        <translation>Digite um &amp;título para este pacote de lembretes:</translation>
    </message>
</context>
<context>
    <name>CReminderStore</name>
    <message>
        <source>Sorry, but either your reminder file is from a previous version of this software, or it has become corrupt and cannot be read, or it is empty.</source>
        <translation>Desculpe: seu arquivo de lembretes é de uma versão anterior deste programa, ou está danificado e ilegível, ou está vazio.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to run this program.</source>
        <translation>Desculpe, não há memória suficiente para executar este programa.</translation>
    </message>
    <message>
        <source>An error occurred while attempting to write your reminder file to disk.  You may be out of harddrive space.  Please free up some space and click OK to try again.</source>
        <translation>Ocorreu um erro ao gravar seu arquivo de lembretes.  Talvez o disco esteja cheio.  Libere espaço e clique em OK para tentar de novo.</translation>
    </message>
    <message>
        <source>Sorry, there is not enough memory to save your reminders.  Please close all other programs and click OK to try again.</source>
        <translation>Desculpe, não há memória suficiente para salvar seus lembretes.  Feche os outros programas e clique em OK para tentar de novo.</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>tem mais de %1 MB</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>memória insuficiente para lê-lo</translation>
    </message>
    <message>
        <source>Sorry, your reminder file %1 cannot be read (%2). Your reminders stay in this program, and the file will not be written until it can be read again.</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be read.</extracomment>
        <translation>Desculpe, não é possível ler seu arquivo de lembretes %1 (%2). Seus lembretes continuam no programa, e o arquivo não será gravado até poder ser lido de novo.</translation>
    </message>
    <message>
        <source>

A copy of the damaged file was kept as %1.</source>
        <translation>

Uma cópia do arquivo danificado foi guardada como %1.</translation>
    </message>
    <message>
        <source>Error opening %1: %2</source>
        <extracomment>%1 is the reminder file, %2 why it cannot be opened.</extracomment>
        <translation>Erro ao abrir %1: %2</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>talvez o disco esteja cheio</translation>
    </message>
</context>
<context>
    <name>CSharingCommands</name>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics);;All files (*)</source>
        <extracomment>The file kinds of the export dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Pacotes de lembretes (*.rpk);;CSV do Windows do Outlook98 (*.csv);;iCalendar (*.ics);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Reminder Packs (*.rpk);;Outlook98 Windows CSV (*.csv);;iCalendar (*.ics)</source>
        <extracomment>The file kinds of the import dialog, &quot;;;&quot; between them: keep the patterns in brackets.</extracomment>
        <translation>Pacotes de lembretes (*.rpk);;CSV do Windows do Outlook98 (*.csv);;iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>There are no reminders to print in this date range.</source>
        <translation>Não há lembretes para imprimir neste período.</translation>
    </message>
    <message>
        <source>Sorry, an error occured.</source>
        <translation>Desculpe, ocorreu um erro.</translation>
    </message>
    <message>
        <source>Icon succesfully imported.</source>
        <translation>Ícone importado com sucesso.</translation>
    </message>
    <message>
        <source>Sorry, the reminders could not be printed.</source>
        <translation>Desculpe, não foi possível imprimir os lembretes.</translation>
    </message>
    <message>
        <source>Export reminder pack as</source>
        <translation>Exportar pacote de lembretes como</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The file name offered for a new export.</extracomment>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Import reminders</source>
        <translation>Importar lembretes</translation>
    </message>
    <message>
        <source>Sorry, the file %1 is not an icon file that can be read, so it was not imported.</source>
        <translation>Desculpe, o arquivo %1 não é um arquivo de ícone legível; ele não foi importado.</translation>
    </message>
    <message>
        <source>Sorry, an icon named %1 is already in the icons folder, so the dropped one was not imported.</source>
        <translation>Desculpe, já existe um ícone chamado %1 na pasta de ícones; o que você soltou não foi importado.</translation>
    </message>
    <message>
        <source>Sorry, the icon file %1 could not be copied into the icons folder.</source>
        <translation>Desculpe, não foi possível copiar o arquivo de ícone %1 para a pasta de ícones.</translation>
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
        <translation>Amanhã</translation>
    </message>
</context>
<context>
    <name>CSyncAccountBox</name>
    <message>
        <source>Calendar sync (CalDAV)</source>
        <translation>Sincronização de calendário (CalDAV)</translation>
    </message>
    <message>
        <source>https://server/ or the calendar&apos;s address</source>
        <translation>https://servidor/ ou o endereço do calendário</translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation>Sincroni&amp;zar agora</translation>
    </message>
    <message>
        <source>Warning: this address is not encrypted: the password and your reminders travel readable to anyone on the network. Use https:// if the server offers it.</source>
        <translation>Atenção: este endereço não é criptografado; a senha e seus lembretes trafegam legíveis pela rede. Use https:// se o servidor oferecer.</translation>
    </message>
    <message>
        <source>Warning: unencrypted calendar address</source>
        <translation>Atenção: endereço de calendário sem criptografia</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Endereço:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Usuário:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Se&amp;nha:</translation>
    </message>
    <message>
        <source>&amp;Details...</source>
        <translation>&amp;Detalhes...</translation>
    </message>
    <message>
        <source>What the last sync simplified, left out or found changed on both sides</source>
        <translation>O que a última sincronização simplificou, deixou de fora ou encontrou alterado dos dois lados</translation>
    </message>
    <message>
        <source>(kept in your keyring)</source>
        <translation>(guardada no seu chaveiro)</translation>
    </message>
    <message>
        <source>The calendar address must be an http:// or https:// address.</source>
        <translation>O endereço do calendário deve começar com http:// ou https://.</translation>
    </message>
    <message>
        <source>Enter the user name of the calendar account.</source>
        <translation>Digite o usuário da conta do calendário.</translation>
    </message>
    <message>
        <source>Enter the password of the calendar account.</source>
        <translation>Digite a senha da conta do calendário.</translation>
    </message>
    <message>
        <source>No account: nothing is synced.</source>
        <translation>Nenhuma conta: nada é sincronizado.</translation>
    </message>
    <message>
        <source>The last sync:

</source>
        <extracomment>Followed by the list of what the last sync simplified or left out.</extracomment>
        <translation>A última sincronização:

</translation>
    </message>
</context>
<context>
    <name>CSyncAccountPanel</name>
    <message>
        <source>The password could not be kept in your keyring: %1</source>
        <translation>Não foi possível guardar a senha no seu chaveiro: %1</translation>
    </message>
</context>
<context>
    <name>CSyncController</name>
    <message>
        <source>Not synced yet</source>
        <translation>Ainda não sincronizado</translation>
    </message>
    <message>
        <source>no password store</source>
        <translation>nenhum armazenamento de senhas</translation>
    </message>
    <message>
        <source>The password could not be kept: %1</source>
        <translation>Não foi possível guardar a senha: %1</translation>
    </message>
    <message>
        <source>Not synced: no password store</source>
        <translation>Não sincronizado: nenhum armazenamento de senhas</translation>
    </message>
    <message>
        <source>Not synced: the password could not be read (%1)</source>
        <translation>Não sincronizado: não foi possível ler a senha (%1)</translation>
    </message>
    <message>
        <source>Not synced: %1</source>
        <translation>Não sincronizado: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Last synced %1</source>
        <translation>Última sincronização: %1</translation>
    </message>
    <message>
        <source>Not synced: the server refused the user name or password</source>
        <translation>Não sincronizado: o servidor recusou o usuário ou a senha</translation>
    </message>
    <message>
        <source>The calendar server refused the user name or password. Enter them again under Options to sync your reminders.</source>
        <translation>O servidor de calendário recusou o usuário ou a senha. Digite-os de novo em Opções para sincronizar seus lembretes.</translation>
    </message>
    <message>
        <source>Not synced at %1: %2%3</source>
        <translation>Não sincronizado em %1: %2%3</translation>
    </message>
    <message>
        <source> (last synced %1)</source>
        <translation> (última sincronização: %1)</translation>
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
        <translation>Fechar o Kestrelmark</translation>
    </message>
    <message>
        <source>New reminder...</source>
        <translation>Novo lembrete...</translation>
    </message>
    <message>
        <source>Import reminders...</source>
        <translation>Importar lembretes...</translation>
    </message>
    <message>
        <source>Print reminders...</source>
        <translation>Imprimir lembretes...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Visualizar impressão...</translation>
    </message>
    <message>
        <source>Delete range of reminders...</source>
        <translation>Excluir lembretes de um período...</translation>
    </message>
    <message>
        <source>Recover reminders from weekly backup...</source>
        <translation>Recuperar lembretes do backup semanal...</translation>
    </message>
    <message>
        <source>Export reminders...</source>
        <translation>Exportar lembretes...</translation>
    </message>
    <message>
        <source>Toggle interface sounds on/off</source>
        <translation>Ativar/desativar os sons da interface</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opções...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>&amp;About Kestrelmark...</source>
        <translation>&amp;Sobre o Kestrelmark...</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Próximo: %1</translation>
    </message>
    <message>
        <source>Show Kestrelmark</source>
        <translation>Mostrar o Kestrelmark</translation>
    </message>
</context>
<context>
    <name>CWeeklyBackup</name>
    <message>
        <source>Sorry, no backup of your reminders was found, so nothing was recovered.  A backup is made once a week when the program starts.</source>
        <translation>Desculpe, nenhum backup dos seus lembretes foi encontrado; nada foi recuperado.  Um backup é feito uma vez por semana quando o programa inicia.</translation>
    </message>
    <message>
        <source>Recovery complete.</source>
        <translation>Recuperação concluída.</translation>
    </message>
    <message>
        <source>Sorry, the backup of your reminders is damaged and cannot be read, so nothing was recovered.  Your reminders are as they were.</source>
        <translation>Desculpe, o backup dos seus lembretes está danificado e ilegível; nada foi recuperado.  Seus lembretes continuam como estavam.</translation>
    </message>
    <message>
        <source>Sorry, the weekly backup of your reminders could not be written to %1: %2. Your reminders themselves are not affected; the backup will be tried again.</source>
        <extracomment>%1 is the backup file, %2 why it could not be written.</extracomment>
        <translation>Desculpe, não foi possível gravar o backup semanal dos seus lembretes em %1: %2. Seus lembretes não foram afetados; o backup será tentado de novo.</translation>
    </message>
    <message>
        <source>Your reminder file is missing; your last backup from %1 has %2. Use Recover to restore it.</source>
        <extracomment>%1 is the date of the backup, %2 how many reminders it has (&quot;1 reminder&quot;, &quot;5 reminders&quot;).</extracomment>
        <translation>Seu arquivo de lembretes não foi encontrado; seu último backup, de %1, tem %2. Use Recuperar para restaurá-lo.</translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 lembrete</translation>
    </message>
    <message>
        <source>Are you sure you want to recover your reminder database from the last backup of %1?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Tem certeza de que deseja recuperar seus lembretes do último backup de %1?</translation>
    </message>
    <message>
        <source>Any reminders created since %1  will be PERMANENTLY LOST.  Proceed?</source>
        <extracomment>%1 is the date of the last backup.</extracomment>
        <translation>Todos os lembretes criados desde %1 serão PERDIDOS DEFINITIVAMENTE.  Continuar?</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n lembrete</numerusform>
            <numerusform>%n lembretes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CWriteFailure</name>
    <message>
        <source>its folder %1 is gone</source>
        <translation>a pasta %1 não existe mais</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>there is no space left on the disk</source>
        <translation>não há mais espaço no disco</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
</context>
<context>
    <name>kestrelmark-cli</name>
    <message>
        <source>add a reminder to a reminder file</source>
        <translation>adicionar um lembrete a um arquivo de lembretes</translation>
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
Cria FILE se ele não existir. NAME é um ícone incluído ou um arquivo de ícone
importado da pasta de ícones da pasta de dados.</translation>
    </message>
    <message>
        <source>run the weekly backup of the data folder&apos;s reminders</source>
        <translation>fazer o backup semanal dos lembretes da pasta de dados</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Backs up DIR/Kestrelmark.km2 to DIR/KestrelmarkBackup.km2 when the last backup
recorded in the user&apos;s settings is a week old (or none is), as the program does at
start-up; --force backs up in any case.</source>
        <translation>Uso: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]
Copia DIR/Kestrelmark.km2 para DIR/KestrelmarkBackup.km2 quando o último backup
registrado nas configurações do usuário tem uma semana (ou não há nenhum), como o programa
faz ao iniciar; --force faz o backup em qualquer caso.</translation>
    </message>
    <message>
        <source>copy a reminder file into a current (.km2) one</source>
        <translation>copiar um arquivo de lembretes para um atual (.km2)</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli copy IN OUT
Reads IN (.km2 or legacy .kmr) and writes all its reminders to OUT.</source>
        <translation>Uso: kestrelmark-cli copy IN OUT
Lê IN (.km2 ou o antigo .kmr) e grava todos os seus lembretes em OUT.</translation>
    </message>
    <message>
        <source>list the reminders that fall on a day</source>
        <translation>listar os lembretes de um dia</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli day FILE --date YYYY-MM-DD
Prints the indexes (in date order) of the day&apos;s reminders, as the calendar shows them.</source>
        <translation>Uso: kestrelmark-cli day FILE --date YYYY-MM-DD
Mostra os índices (em ordem de data) dos lembretes do dia, como o calendário os mostra.</translation>
    </message>
    <message>
        <source>delete the reminders of a range of days</source>
        <translation>excluir os lembretes de um período</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Deletes the one-time reminders (all kinds with --all-kinds) whose own date and time lie
from the first day through the end of the last day.</source>
        <translation>Uso: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]
Exclui os lembretes únicos (de todos os tipos com --all-kinds) cuja data e hora vão
do primeiro dia até o fim do último.</translation>
    </message>
    <message>
        <source>run one due-reminder pass at a given time</source>
        <translation>verificar uma vez os lembretes vencidos em um dado momento</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Prints the alerts the pass would show, in order; --save writes the shown flags back.</source>
        <translation>Uso: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]
Mostra em ordem os alertas que a verificação mostraria; --save grava as marcas de mostrado.</translation>
    </message>
    <message>
        <source>print a reminder file (or pack, or CSV) as JSON</source>
        <translation>mostrar um arquivo de lembretes (ou um pacote, ou um CSV) como JSON</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli dump FILE
Prints {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} for FILE, chosen by its extension.</source>
        <translation>Uso: kestrelmark-cli dump FILE
Mostra {&quot;format&quot;: ..., &quot;reminders&quot;: [...]} para FILE, conforme a extensão.</translation>
    </message>
    <message>
        <source>export reminders as a reminder pack, Outlook CSV or iCalendar file</source>
        <translation>exportar lembretes como pacote, CSV do Outlook ou arquivo iCalendar</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Writes the reminders of FILE (all, or those at the given indexes in date order) as a
reminder pack with the icon and sound files they use (taken from DIR, by default the
per-user data folder), as an Outlook calendar file, or as an iCalendar file.</source>
        <translation>Uso: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]
Grava os lembretes de FILE (todos, ou os dos índices dados em ordem de data) como pacote de
lembretes com os arquivos de ícone e som que usam (tirados de DIR, por padrão a pasta de dados
do usuário), como arquivo de calendário do Outlook ou como arquivo iCalendar.</translation>
    </message>
    <message>
        <source>import a reminder pack, Outlook CSV or iCalendar file into a reminder file</source>
        <translation>importar um pacote, um CSV do Outlook ou um arquivo iCalendar para um arquivo de lembretes</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Adds the reminders FILE does not hold yet (FILE is created when missing) and puts a
pack&apos;s icon and sound files into DIR/icons and DIR/sounds (by default the per-user
data folder). Prints what was added, what was skipped as a duplicate, and which data
files were written or refused. A damaged pack keeps what came before the damage and
exits with 2. An iCalendar import says how many events it simplified or left out, and how.</source>
        <translation>Uso: kestrelmark-cli import FILE PACK.rpk|CALENDAR.csv|CALENDAR.ics [--data-dir DIR]
Adiciona os lembretes que FILE ainda não tem (FILE é criado se faltar) e coloca os arquivos de
ícone e som de um pacote em DIR/icons e DIR/sounds (por padrão a pasta de dados do usuário). Mostra
o que foi adicionado, o que foi ignorado como duplicado e quais arquivos de dados foram gravados ou
recusados. Um pacote danificado mantém o que vinha antes da parte danificada e sai com 2. Uma
importação iCalendar diz quantos eventos simplificou ou deixou de fora, e como.</translation>
    </message>
    <message>
        <source>list every occurrence in a range of days</source>
        <translation>listar cada ocorrência de um período</translation>
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
Lista cada ocorrência nos dias de --from a --to, em ordem de data: uma entrada por ocorrência em
uma linha própria, datada no seu dia no horário do lembrete (dateTime), com a data do próprio
lembrete (reminderDateTime), seu índice (como day o dá), mensagem, repetição, antecedência em
minutos (noticeMinutes) e nome do ícone.
--full mostra em vez disso todos os campos do lembrete, recuados, como dump. --per-day-limit N mantém
no máximo N por dia, como o calendário os reúne (a impressão mantém 20).</translation>
    </message>
    <message>
        <source>replace the reminders with the weekly backup</source>
        <translation>substituir os lembretes pelo backup semanal</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli recover --yes [--data-dir DIR]
Replaces DIR/Kestrelmark.km2 with the contents of the weekly backup. Reminders made
since the backup are lost, so --yes is required. Without a readable backup nothing
changes and the exit code is 2.</source>
        <translation>Uso: kestrelmark-cli recover --yes [--data-dir DIR]
Substitui DIR/Kestrelmark.km2 pelo conteúdo do backup semanal. Os lembretes criados desde o
backup são perdidos, por isso --yes é obrigatório. Sem um backup legível nada muda e o código de
saída é 2.</translation>
    </message>
    <message>
        <source>sync a reminder file with a CalDAV calendar, both ways</source>
        <translation>sincronizar um arquivo de lembretes com um calendário CalDAV nos dois sentidos</translation>
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
Leva FILE e o calendário em URL (a coleção do calendário, ou o servidor, cujo calendário é então
encontrado pelo principal do usuário) aos mesmos lembretes: o que mudou de um lado passa para o
outro; um lembrete alterado dos dois lados é mantido nas duas versões. O estado da última
sincronização fica na pasta de FILE como &lt;name&gt;Sync.json. A senha é a primeira linha de F; ela só
vai para o esquema, o host e a porta de URL (um redirecionamento para outro lugar faz a
sincronização falhar), e uma URL http:// gera um aviso em stderr, pois envia a senha sem
criptografia. Só uma sincronização de FILE por vez: uma segunda espera até %1 segundos pela primeira.
Mostra um relatório JSON do que foi em cada sentido. Uma sincronização que falha antes de resolver
algo não grava nada.
Códigos de saída: 0 sincronizado, 2 FILE ou estado ilegível, 3 a sincronização falhou (o relatório diz
por quê; o que foi resolvido é mantido) ou outra sincronização de FILE ainda está em andamento, 4 o
servidor recusou o usuário ou a senha.</translation>
    </message>
    <message>
        <source>Usage: kestrelmark-cli COMMAND [ARGUMENTS]

Reads and writes Kestrelmark reminder files (.km2, legacy .kmr) and prints JSON.
Exit codes: 0 success, 1 usage error, 2 unreadable or corrupt input.

Commands:
</source>
        <extracomment>The tool&apos;s --help. COMMAND and ARGUMENTS are placeholders; .km2 and .kmr are file types.</extracomment>
        <translation>Uso: kestrelmark-cli COMANDO [ARGUMENTOS]

Lê e grava arquivos de lembretes do Kestrelmark (.km2, o antigo .kmr) e mostra JSON.
Códigos de saída: 0 sucesso, 1 erro de uso, 2 entrada ilegível ou danificada.

Comandos:
</translation>
    </message>
    <message>
        <source>
&apos;kestrelmark-cli COMMAND --help&apos; describes a command.
</source>
        <translation>
“kestrelmark-cli COMANDO --help” descreve um comando.
</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (see --help)</source>
        <translation>comando desconhecido “%1” (veja --help)</translation>
    </message>
    <message>
        <source>change one reminder of a reminder file</source>
        <translation>alterar um lembrete de um arquivo de lembretes</translation>
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
ID é o identificador do lembrete como dump o mostra. O que não for informado fica
como está; o alerta passa a contar como ainda não mostrado, como após uma edição
na janela.</translation>
    </message>
</context>
</TS>
