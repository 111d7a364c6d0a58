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
    <name>CNotes</name>
    <message>
        <source>%1 takes one file, --from and --to</source>
        <translation>%1 recebe um arquivo, --from e --to</translation>
    </message>
    <message>
        <source>--from and --to must be possible dates (YYYY-MM-DD)</source>
        <translation>--from e --to devem ser datas possíveis (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>a opção %1 precisa de um valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a readable reminder file (%2)</source>
        <translation>%1 não é um arquivo de lembretes legível (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>não é possível gravar %1 (%2)</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing written</source>
        <translation>não é possível gravar %1: %2; nada foi gravado</translation>
    </message>
    <message>
        <source>%1 is busy: %2; gave up after %3 seconds, nothing written</source>
        <translation>%1 está ocupado: %2; desistência após %3 segundos, nada foi gravado</translation>
    </message>
    <message>
        <source>%1 is not a reminder pack</source>
        <translation>%1 não é um pacote de lembretes</translation>
    </message>
    <message>
        <source>%1 is a damaged reminder pack (%2)</source>
        <translation>%1 é um pacote de lembretes danificado (%2)</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vazio</translation>
    </message>
    <message>
        <source>%1 has none of the calendar columns</source>
        <translation>%1 não tem nenhuma das colunas do calendário</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>add takes one file</source>
        <translation>add recebe um arquivo</translation>
    </message>
    <message>
        <source>add needs --at and --message</source>
        <translation>add precisa de --at e --message</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--at: “%1” não é uma data e hora possível (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>--recurrence must be one-time, annual, monthly or weekly</source>
        <translation>--recurrence deve ser one-time, annual, monthly ou weekly</translation>
    </message>
    <message>
        <source>--icon: there is no icon named &apos;%1&apos;; the icons are: %2</source>
        <translation>--icon: não há nenhum ícone chamado “%1”; os ícones são: %2</translation>
    </message>
    <message>
        <source>--notice must look like 2d3h30m</source>
        <translation>--notice deve ter a forma 2d3h30m</translation>
    </message>
    <message>
        <source>backup takes no file; see --data-dir</source>
        <translation>backup não recebe arquivo; veja --data-dir</translation>
    </message>
    <message>
        <source>--now must be a possible date and time (YYYY-MM-DDTHH:MM[:SS])</source>
        <translation>--now deve ser uma data e hora possível (YYYY-MM-DDTHH:MM[:SS])</translation>
    </message>
    <message>
        <source>the reminder file in %1 cannot be read; no backup made</source>
        <translation>não é possível ler o arquivo de lembretes em %1; nenhum backup feito</translation>
    </message>
    <message>
        <source>copy takes IN and OUT</source>
        <translation>copy recebe IN e OUT</translation>
    </message>
    <message>
        <source>day takes one file and --date</source>
        <translation>day recebe um arquivo e --date</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a possible date (YYYY-MM-DD)</source>
        <translation>--date: “%1” não é uma data possível (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>due takes one file and --at</source>
        <translation>due recebe um arquivo e --at</translation>
    </message>
    <message>
        <source>--at: &apos;%1&apos; is not a possible date and time (YYYY-MM-DDTHH:MM:SS)</source>
        <translation>--at: “%1” não é uma data e hora possível (YYYY-MM-DDTHH:MM:SS)</translation>
    </message>
    <message>
        <source>dump takes one file</source>
        <translation>dump recebe um arquivo</translation>
    </message>
    <message>
        <source>edit takes one file</source>
        <translation>edit recebe um arquivo</translation>
    </message>
    <message>
        <source>edit needs --id, a reminder&apos;s id as dump shows it</source>
        <translation>edit precisa de --id, o identificador de um lembrete como dump o mostra</translation>
    </message>
    <message>
        <source>--private must be yes or no</source>
        <translation>--private deve ser yes ou no</translation>
    </message>
    <message>
        <source>%1 holds no reminder with the id %2; nothing written</source>
        <translation>%1 não contém nenhum lembrete com o identificador %2; nada foi gravado</translation>
    </message>
    <message>
        <source>export takes a reminder file and an output file</source>
        <translation>export recebe um arquivo de lembretes e um arquivo de saída</translation>
    </message>
    <message>
        <source>the output file must end in .rpk, .csv or .ics</source>
        <translation>o arquivo de saída deve terminar em .rpk, .csv ou .ics</translation>
    </message>
    <message>
        <source>--select: &apos;%1&apos; is not an index of the file&apos;s %2 reminders</source>
        <translation>--select: “%1” não é um índice dos %2 lembretes do arquivo</translation>
    </message>
    <message>
        <source>no reminders to export</source>
        <translation>não há lembretes para exportar</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>import takes a reminder file and a pack or CSV file</source>
        <translation>import recebe um arquivo de lembretes e um pacote ou arquivo CSV</translation>
    </message>
    <message>
        <source>the file to import must end in .rpk, .csv or .ics</source>
        <translation>o arquivo a importar deve terminar em .rpk, .csv ou .ics</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 não foi importado: %2</translation>
    </message>
    <message>
        <source>cannot open %1</source>
        <translation>não é possível abrir %1</translation>
    </message>
    <message>
        <source>--per-day-limit takes a whole number of 1 or more</source>
        <translation>--per-day-limit recebe um número inteiro a partir de 1</translation>
    </message>
    <message>
        <source>cannot write the listing to the standard output</source>
        <translation>não é possível gravar a listagem na saída padrão</translation>
    </message>
    <message>
        <source>recover takes no file; see --data-dir</source>
        <translation>recover não recebe arquivo; veja --data-dir</translation>
    </message>
    <message>
        <source>recover replaces your reminders with the backup; confirm with --yes</source>
        <translation>recover substitui seus lembretes pelo backup; confirme com --yes</translation>
    </message>
    <message>
        <source>cannot read %1: %2; move it away to recover, nothing changed</source>
        <translation>não é possível ler %1: %2; mova-o para recuperar, nada mudou</translation>
    </message>
    <message>
        <source>no backup in %1</source>
        <translation>nenhum backup em %1</translation>
    </message>
    <message>
        <source>the backup in %1 cannot be read; nothing changed</source>
        <translation>não é possível ler o backup em %1; nada mudou</translation>
    </message>
    <message>
        <source>%1 is damaged and no copy of it could be kept; nothing changed</source>
        <translation>%1 está danificado e não foi possível guardar uma cópia; nada mudou</translation>
    </message>
    <message>
        <source>cannot write the reminder file in %1</source>
        <translation>não é possível gravar o arquivo de lembretes em %1</translation>
    </message>
    <message>
        <source>sync takes one reminder file</source>
        <translation>sync recebe um arquivo de lembretes</translation>
    </message>
    <message>
        <source>sync needs --%1</source>
        <translation>sync precisa de --%1</translation>
    </message>
    <message>
        <source>--url must be an http or https address</source>
        <translation>--url deve ser um endereço http ou https</translation>
    </message>
    <message>
        <source>--timeout takes 1 to 3600 seconds</source>
        <translation>--timeout recebe de 1 a 3600 segundos</translation>
    </message>
    <message>
        <source>cannot read the password file %1</source>
        <translation>não é possível ler o arquivo de senha %1</translation>
    </message>
    <message>
        <source>%1 (move it away to sync afresh)</source>
        <translation>%1 (mova-o para sincronizar do zero)</translation>
    </message>
    <message>
        <source>a changed occurrence of a repeating event (RECURRENCE-ID) has no reminder of its own</source>
        <translation>uma ocorrência alterada de um evento repetido (RECURRENCE-ID) não tem lembrete próprio</translation>
    </message>
    <message>
        <source>a to-do without a due date or start</source>
        <translation>uma tarefa sem data de vencimento nem de início</translation>
    </message>
    <message>
        <source>no start date</source>
        <translation>sem data de início</translation>
    </message>
    <message>
        <source>a start date that could not be read</source>
        <translation>uma data de início que não pôde ser lida</translation>
    </message>
    <message>
        <source>a repeating event whose last occurrence is past</source>
        <translation>um evento repetido cuja última ocorrência já passou</translation>
    </message>
    <message>
        <source>none of its events and to-dos could become a reminder</source>
        <translation>nenhum dos seus eventos e tarefas pôde virar um lembrete</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A note and, in brackets, what else is known of it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>it is too large to be a calendar</source>
        <translation>é grande demais para ser um calendário</translation>
    </message>
    <message>
        <source>its parts are nested too deeply for a calendar</source>
        <translation>suas partes estão aninhadas fundo demais para um calendário</translation>
    </message>
    <message>
        <source>one of its lines has more parameters than any calendar uses</source>
        <translation>uma das suas linhas tem mais parâmetros do que qualquer calendário usa</translation>
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
        <translation>1 evento deixado de fora: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out: %1.</source>
        <translation>
            <numerusform>%n evento deixado de fora: %1.</numerusform>
            <numerusform>%n eventos deixados de fora: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no events or to-dos</source>
        <translation>não contém eventos nem tarefas</translation>
    </message>
    <message>
        <source>it holds no events or to-dos (%1)</source>
        <translation>não contém eventos nem tarefas (%1)</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 text: its byte %2 is 0x%3 (read as a replacement character)</source>
        <translation>a linha %1 não é texto UTF-8: seu byte %2 é 0x%3 (lido como caractere de substituição)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>it is not an iCalendar file that can be read</source>
        <translation>não é um arquivo iCalendar legível</translation>
    </message>
    <message>
        <source>a repeat interval above 1 was read as 1</source>
        <translation>um intervalo de repetição acima de 1 foi lido como 1</translation>
    </message>
    <message>
        <source>the end of the repeat (COUNT or UNTIL) was dropped, so it repeats without end</source>
        <translation>o fim da repetição (COUNT ou UNTIL) foi descartado, então ele se repete sem fim</translation>
    </message>
    <message>
        <source>its excluded dates (EXDATE) were not kept</source>
        <translation>suas datas excluídas (EXDATE) não foram mantidas</translation>
    </message>
    <message>
        <source>its extra dates (RDATE) were left out</source>
        <translation>suas datas extras (RDATE) foram deixadas de fora</translation>
    </message>
    <message>
        <source>a repeat of hours or less became one time</source>
        <translation>uma repetição de horas ou menos virou única</translation>
    </message>
    <message>
        <source>the days its rule names were read as the start&apos;s own day</source>
        <translation>os dias que sua regra indica foram lidos como o próprio dia do início</translation>
    </message>
    <message>
        <source>a repeat rule that could not be read became one time</source>
        <translation>uma regra de repetição que não pôde ser lida virou única</translation>
    </message>
    <message>
        <source>only the first of its repeat rules was kept</source>
        <translation>só a primeira das suas regras de repetição foi mantida</translation>
    </message>
    <message>
        <source>an alarm after the start rings at the start</source>
        <translation>um alarme depois do início toca no início</translation>
    </message>
    <message>
        <source>an unknown time zone was read as local time</source>
        <translation>um fuso horário desconhecido foi lido como hora local</translation>
    </message>
    <message>
        <source>properties that could not be read were ignored</source>
        <translation>propriedades que não puderam ser lidas foram ignoradas</translation>
    </message>
    <message>
        <source>it keeps the time of its own time zone, which changes its clocks on other days than this computer&apos;s, so here it rings an hour off for part of the year</source>
        <translation>ele mantém o horário do próprio fuso, que muda os relógios em dias diferentes dos deste computador, então aqui toca com uma hora de diferença em parte do ano</translation>
    </message>
    <message>
        <source>its repeat has one occurrence left, so it became one time</source>
        <translation>sua repetição tem só uma ocorrência restante, então virou único</translation>
    </message>
    <message>
        <source>not valid text</source>
        <translation>texto inválido</translation>
    </message>
    <message>
        <source>too many folders</source>
        <translation>pastas demais</translation>
    </message>
    <message>
        <source>empty or absolute path</source>
        <translation>caminho vazio ou absoluto</translation>
    </message>
    <message>
        <source>relative folder reference</source>
        <translation>referência relativa a uma pasta</translation>
    </message>
    <message>
        <source>character not allowed in file names</source>
        <translation>caractere não permitido em nomes de arquivo</translation>
    </message>
    <message>
        <source>name too long</source>
        <translation>nome longo demais</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>a link that leads nowhere is in the way</source>
        <translation>um link que não leva a lugar nenhum está no caminho</translation>
    </message>
    <message>
        <source>cannot create its folder</source>
        <translation>não é possível criar sua pasta</translation>
    </message>
    <message>
        <source>its folder leads outside the data folder</source>
        <translation>sua pasta leva para fora da pasta de dados</translation>
    </message>
    <message>
        <source>a link of that name is in the way</source>
        <translation>um link com esse nome está no caminho</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>uma pasta com esse nome está no caminho</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>não é possível criar o arquivo: %1</translation>
    </message>
    <message>
        <source>cannot write the file: %1</source>
        <translation>não é possível gravar o arquivo: %1</translation>
    </message>
    <message>
        <source>not in icons or sounds</source>
        <translation>não está em icons nem em sounds</translation>
    </message>
    <message>
        <source>the pack breaks off inside it</source>
        <translation>o pacote se interrompe dentro dele</translation>
    </message>
    <message>
        <source>the list of data files ends in an unknown value</source>
        <translation>a lista de arquivos de dados termina com um valor desconhecido</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória esgotada</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>memória insuficiente para lê-lo</translation>
    </message>
    <message>
        <source>it is damaged (%1), and no copy of it could be kept</source>
        <translation>está danificado (%1), e não foi possível guardar uma cópia</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>o servidor não respondeu a tempo</translation>
    </message>
    <message>
        <source>the server&apos;s reply is larger than %1 bytes</source>
        <translation>a resposta do servidor passa de %1 bytes</translation>
    </message>
    <message>
        <source>the server&apos;s certificate was refused: %1</source>
        <translation>o certificado do servidor foi recusado: %1</translation>
    </message>
    <message>
        <source>the server refused the user name or password</source>
        <translation>o servidor recusou o usuário ou a senha</translation>
    </message>
    <message>
        <source>the server sent the request to %1</source>
        <translation>o servidor redirecionou a solicitação para %1</translation>
    </message>
    <message>
        <source>the server sent the request elsewhere (%1)</source>
        <translation>o servidor redirecionou a solicitação para outro lugar (%1)</translation>
    </message>
    <message>
        <source>the reply is not a WebDAV multistatus</source>
        <translation>a resposta não é um multistatus WebDAV</translation>
    </message>
    <message>
        <source>unreadable multistatus reply: %1</source>
        <translation>resposta multistatus ilegível: %1</translation>
    </message>
    <message>
        <source>the account&apos;s address is not an http or https address</source>
        <translation>o endereço da conta não é um endereço http ou https</translation>
    </message>
    <message>
        <source>finding the calendar</source>
        <translation>busca do calendário</translation>
    </message>
    <message>
        <source>finding the calendar: %1</source>
        <translation>busca do calendário: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>no calendar was found at %1</source>
        <translation>nenhum calendário foi encontrado em %1</translation>
    </message>
    <message>
        <source>reading the calendar home</source>
        <translation>leitura da pasta de calendários</translation>
    </message>
    <message>
        <source>reading the calendar home: %1</source>
        <translation>leitura da pasta de calendários: %1</translation>
    </message>
    <message>
        <source>making a calendar</source>
        <translation>criação de um calendário</translation>
    </message>
    <message>
        <source>asking what changed</source>
        <translation>consulta das alterações</translation>
    </message>
    <message>
        <source>listing the calendar</source>
        <translation>listagem do calendário</translation>
    </message>
    <message>
        <source>listing the calendar: %1</source>
        <translation>listagem do calendário: %1</translation>
    </message>
    <message>
        <source>too large to take (%1the limit is %2 MB)</source>
        <extracomment>%1 is the event&apos;s size and a semicolon (&quot;3.2 MB; &quot;) or nothing, %2 the largest size taken.</extracomment>
        <translation>grande demais para ser aceito (%1o limite é %2 MB)</translation>
    </message>
    <message>
        <source>the server&apos;s reply could not be read (%1)</source>
        <translation>não foi possível ler a resposta do servidor (%1)</translation>
    </message>
    <message>
        <source>fetching events</source>
        <translation>obtenção dos eventos</translation>
    </message>
    <message>
        <source>it holds no event or to-do</source>
        <translation>não contém evento nem tarefa</translation>
    </message>
    <message>
        <source>no calendar data</source>
        <translation>sem dados de calendário</translation>
    </message>
    <message>
        <source>the server did not send it</source>
        <translation>o servidor não o enviou</translation>
    </message>
    <message>
        <source>the calendar kept changing during the sync; it is tried again later</source>
        <translation>o calendário não parou de mudar durante a sincronização; será tentado de novo mais tarde</translation>
    </message>
    <message>
        <source>deleting an event</source>
        <translation>exclusão de um evento</translation>
    </message>
    <message>
        <source>sending an event</source>
        <translation>envio de um evento</translation>
    </message>
    <message>
        <source>the server answered %1</source>
        <translation>o servidor respondeu %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A note&apos;s subject (what was being done, a reminder&apos;s message) and what is said of it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no event in the calendar resource</source>
        <translation>nenhum evento no recurso do calendário</translation>
    </message>
    <message>
        <source>%1: %2 here only; %3</source>
        <extracomment>%1 is the reminder&apos;s message, %2 what was changed here (&quot;moved&quot;), %3 why the calendar did not take it.</extracomment>
        <translation>%1: %2 só aqui; %3</translation>
    </message>
    <message>
        <source>the meeting is organised by %1</source>
        <translation>a reunião é organizada por %1</translation>
    </message>
    <message>
        <source>retitled</source>
        <extracomment>What was changed here, in &quot;%1: %2 here only; %3&quot;; so are &quot;moved&quot; and the other changes.</extracomment>
        <translation>renomeado</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>movido</translation>
    </message>
    <message>
        <source>the calendar&apos;s event holds its other days, which did not move</source>
        <translation>o evento do calendário contém seus outros dias, que não se moveram</translation>
    </message>
    <message>
        <source>an all-day event moves by whole days</source>
        <translation>um evento de dia inteiro se move por dias inteiros</translation>
    </message>
    <message>
        <source>the event&apos;s repeat rule cannot move by that much and keep its days</source>
        <translation>a regra de repetição do evento não pode se mover tanto e manter seus dias</translation>
    </message>
    <message>
        <source>notice changed</source>
        <translation>antecedência alterada</translation>
    </message>
    <message>
        <source>another alarm of the event rings earlier</source>
        <translation>outro alarme do evento toca antes</translation>
    </message>
    <message>
        <source>repeat changed</source>
        <translation>repetição alterada</translation>
    </message>
    <message>
        <source>privacy changed</source>
        <translation>privacidade alterada</translation>
    </message>
    <message>
        <source>not fetched</source>
        <translation>não obtido</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s event still holds it</source>
        <translation>%1: excluído aqui; o evento do calendário ainda o contém</translation>
    </message>
    <message>
        <source>%1: deleted here; the calendar&apos;s later change to it was not taken</source>
        <translation>%1: excluído aqui; a alteração posterior no calendário não foi aceita</translation>
    </message>
    <message>
        <source>a sync of this file is already running</source>
        <translation>uma sincronização deste arquivo já está em andamento</translation>
    </message>
    <message>
        <source>the sync lock %1 cannot be created (%2)</source>
        <translation>não é possível criar a trava de sincronização %1 (%2)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>the reason is unknown</source>
        <translation>o motivo é desconhecido</translation>
    </message>
    <message>
        <source>%1 is too large to be a sync state</source>
        <translation>%1 é grande demais para ser um estado de sincronização</translation>
    </message>
    <message>
        <source>%1 is damaged: an entry cannot be read</source>
        <translation>%1 está danificado: uma entrada não pode ser lida</translation>
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
        <translation>Data inválida</translation>
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
        <translation>1 evento deixado de fora:</translation>
    </message>
    <message numerus="yes">
        <source>%n events left out:</source>
        <translation>
            <numerusform>%n evento deixado de fora:</numerusform>
            <numerusform>%n eventos deixados de fora:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 change kept on this computer only:</source>
        <translation>1 alteração mantida só neste computador:</translation>
    </message>
    <message numerus="yes">
        <source>%n changes kept on this computer only:</source>
        <translation>
            <numerusform>%n alteração mantida só neste computador:</numerusform>
            <numerusform>%n alterações mantidas só neste computador:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 resource outside the calendar left alone:</source>
        <translation>1 recurso fora do calendário deixado intacto:</translation>
    </message>
    <message numerus="yes">
        <source>%n resources outside the calendar left alone:</source>
        <translation>
            <numerusform>%n recurso fora do calendário deixado intacto:</numerusform>
            <numerusform>%n recursos fora do calendário deixados intactos:</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reminder was changed both here and on the server; both versions are kept.</source>
        <translation>1 lembrete foi alterado aqui e no servidor; as duas versões foram mantidas.</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders were changed both here and on the server; both versions are kept.</source>
        <translation>
            <numerusform>%n lembrete foi alterado aqui e no servidor; as duas versões foram mantidas.</numerusform>
            <numerusform>%n lembretes foram alterados aqui e no servidor; as duas versões foram mantidas.</numerusform>
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
    <message>
        <source>Due: %1</source>
        <extracomment>The tray tip: the reminders whose alerts wait for an answer.</extracomment>
        <translation>Pendente: %1</translation>
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
    <message>
        <source>warning: %1 is not encrypted: the password and the reminders travel readable to anyone on the network; use https:// where the server offers it</source>
        <translation>aviso: %1 não é criptografado: a senha e os lembretes trafegam legíveis para qualquer um na rede; use https:// se o servidor oferecer</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>não é possível executar %1: %2</translation>
    </message>
</context>
</TS>
