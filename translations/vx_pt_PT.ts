<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About Tarvolink</source>
        <translation>Sobre o Tarvolink</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Commissioning and service tool for variable-speed drives.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Ferramenta de colocação em serviço e assistência para variadores de velocidade.&lt;/p&gt;&lt;p&gt;Criado com Qt %2 (LGPL v3) e QCustomPlot (GPL v3).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>AddFavParam</name>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parâmetro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>AlertEvent</name>
    <message>
        <source>unit %1</source>
        <translation>unidade %1</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>unidade %1 em %2</translation>
    </message>
    <message>
        <source>no answer to a write of %1 after %2 attempts</source>
        <translation>sem resposta à escrita de %1 após %2 tentativas</translation>
    </message>
    <message>
        <source>no answer to a write of %1</source>
        <translation>sem resposta à escrita de %1</translation>
    </message>
    <message>
        <source>no answer to a read of %1 after %2 attempts</source>
        <translation>sem resposta à leitura de %1 após %2 tentativas</translation>
    </message>
    <message>
        <source>no answer to a read of %1</source>
        <translation>sem resposta à leitura de %1</translation>
    </message>
    <message>
        <source>write of %1 failed after %2 attempts: %3</source>
        <translation>a escrita de %1 falhou após %2 tentativas: %3</translation>
    </message>
    <message>
        <source>write of %1 failed: %2</source>
        <translation>a escrita de %1 falhou: %2</translation>
    </message>
    <message>
        <source>read of %1 failed after %2 attempts: %3</source>
        <translation>a leitura de %1 falhou após %2 tentativas: %3</translation>
    </message>
    <message>
        <source>read of %1 failed: %2</source>
        <translation>a leitura de %1 falhou: %2</translation>
    </message>
    <message>
        <source>the unit refused a write of %1: %2</source>
        <translation>a unidade recusou a escrita de %1: %2</translation>
    </message>
    <message>
        <source>the unit refused a read of %1: %2</source>
        <translation>a unidade recusou a leitura de %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2×)</source>
        <translation>%1 (%2×)</translation>
    </message>
</context>
<context>
    <name>AutoScanSettings</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Auto Scan Settings</source>
        <translation>Definições da pesquisa automática</translation>
    </message>
    <message>
        <source>RS232</source>
        <translation>RS232</translation>
    </message>
    <message>
        <source>RS485</source>
        <translation>RS485</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Portas</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocidade (baud)</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridade</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Start IP:</source>
        <translation>IP inicial:</translation>
    </message>
    <message>
        <source>End IP:</source>
        <translation>IP final:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Iniciar pesquisa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Outra porta</translation>
    </message>
</context>
<context>
    <name>CommSettings</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Definições de comunicação</translation>
    </message>
    <message>
        <source>Continue despite communication fault</source>
        <translation>Continuar apesar de falha de comunicação</translation>
    </message>
    <message>
        <source>Delay between messages  (ms) :</source>
        <translation>Atraso entre mensagens  (ms) :</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Number of retries</source>
        <translation>Número de repetições</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delay should be at least 35 ms.</source>
        <translation>O atraso deve ser de pelo menos 35 ms.</translation>
    </message>
</context>
<context>
    <name>CompPrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Opção de impressão</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CompareParameters</name>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parâmetro</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar com</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Apenas em %1</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Os ficheiros são idênticos</translation>
    </message>
    <message>
        <source>The parameters both sides have are identical</source>
        <translation>Os parâmetros presentes em ambos os lados são idênticos</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Select Unit</source>
        <translation>Selecionar unidade</translation>
    </message>
    <message>
        <source>Compare Parameters</source>
        <translation>Comparar parâmetros</translation>
    </message>
    <message>
        <source>Add Units to Compare</source>
        <translation>Adicionar unidades a comparar</translation>
    </message>
    <message>
        <source>Select Parameters to compare</source>
        <translation>Selecione os parâmetros a comparar</translation>
    </message>
    <message>
        <source>Select Parameters to be compared with</source>
        <translation>Selecione os parâmetros com que comparar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 (file)</source>
        <translation>%1 (ficheiro)</translation>
    </message>
</context>
<context>
    <name>Connect</name>
    <message>
        <source>RS232 Unit Details</source>
        <translation>Dados da unidade RS232</translation>
    </message>
    <message>
        <source>RS485 Unit Details</source>
        <translation>Dados da unidade RS485</translation>
    </message>
    <message>
        <source>TCP/IP Unit Details</source>
        <translation>Dados da unidade TCP/IP</translation>
    </message>
    <message>
        <source>File Unit Details</source>
        <translation>Dados do conjunto de ficheiro</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocidade (baud)</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridade</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Drive SW Version</source>
        <translation>Versão de software do variador</translation>
    </message>
    <message>
        <source>CSV Version Used</source>
        <translation>Versão CSV utilizada</translation>
    </message>
    <message>
        <source>IP Addr</source>
        <translation>End. IP</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>Ficheiro de dados</translation>
    </message>
</context>
<context>
    <name>ControlBox</name>
    <message>
        <source>Control Source</source>
        <translation>Fonte de comando</translation>
    </message>
    <message>
        <source>Select Run/Stop Source</source>
        <translation>Selecionar fonte de marcha/paragem</translation>
    </message>
    <message>
        <source>Select Reference Source</source>
        <translation>Selecionar fonte de referência</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remoto</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opção</translation>
    </message>
</context>
<context>
    <name>CtrlPanelController</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Range is 0 to 100</source>
        <translation>O intervalo é de 0 a 100</translation>
    </message>
</context>
<context>
    <name>CtrlPanelFrame</name>
    <message>
        <source>No Unit</source>
        <translation>Nenhuma unidade</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Painel de comando</translation>
    </message>
    <message>
        <source>Ref value</source>
        <translation>Valor de ref.</translation>
    </message>
    <message>
        <source>Ref source</source>
        <translation>Fonte de ref.</translation>
    </message>
    <message>
        <source>Run/Stop source</source>
        <translation>Fonte de marcha/paragem</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Frente</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Trás</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remoto</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opção</translation>
    </message>
</context>
<context>
    <name>CurrentUnitPresenter</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>A ligar a %1...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Gravação do osciloscópio em curso.
Pare a gravação</translation>
    </message>
</context>
<context>
    <name>CustomerDataDialog</name>
    <message>
        <source>Customer Data</source>
        <translation>Dados do cliente</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Nome da empresa</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Rua 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Rua 2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projeto</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicação</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Colocado em serviço por</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de série</translation>
    </message>
</context>
<context>
    <name>EditFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Selecionar conjunto</translation>
    </message>
    <message>
        <source>Set Name</source>
        <translation>Nome do conjunto</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Mudar o nome</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parâmetros</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Escala
auto</translation>
    </message>
    <message>
        <source>Param
Name</source>
        <translation>Nome
parâm.</translation>
    </message>
    <message>
        <source>Curr
Val</source>
        <translation>Val.
atual</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>O parâmetro já existe</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>File Export</source>
        <translation>Exportação de ficheiro</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
</context>
<context>
    <name>FtpWindow</name>
    <message>
        <source>Ftp &amp;server:</source>
        <translation>&amp;Servidor FTP:</translation>
    </message>
    <message>
        <source>ftp://&lt;UserName&gt;:&lt;Password&gt;@&lt;Hostname&gt;</source>
        <translation>ftp://&lt;Utilizador&gt;:&lt;Palavra-passe&gt;@&lt;Servidor&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietário</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ir para a pasta superior</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Download All New</source>
        <translation>Transferir todos os novos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>FTP Link file is not found</source>
        <translation>O ficheiro da ligação FTP não foi encontrado</translation>
    </message>
    <message>
        <source>The FTP URL is not valid</source>
        <translation>O URL FTP não é válido</translation>
    </message>
    <message>
        <source>Connecting to FTP server %1...</source>
        <translation>A ligar ao servidor FTP %1...</translation>
    </message>
    <message>
        <source>The FTP server at %1 shows a certificate that no trusted authority has signed. The connection was refused.</source>
        <translation>O servidor FTP em %1 apresenta um certificado que nenhuma autoridade de confiança assinou. A ligação foi recusada.</translation>
    </message>
    <message>
        <source>The FTP server at %1 did not set up a protected (TLS) connection. The connection was refused.</source>
        <translation>O servidor FTP em %1 não estabeleceu uma ligação protegida (TLS). A ligação foi recusada.</translation>
    </message>
    <message>
        <source>Unable to connect to the FTP server at %1. Please check that the host name is correct.</source>
        <translation>Não é possível ligar ao servidor FTP em %1. Verifique se o nome do servidor está correto.</translation>
    </message>
    <message>
        <source>Unable to list the directory: %1</source>
        <translation>Não é possível listar a pasta: %1</translation>
    </message>
    <message>
        <source>Logged onto %1.</source>
        <translation>Sessão iniciada em %1.</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;vazio&gt;</translation>
    </message>
    <message>
        <source>Select only CSV file to download.</source>
        <translation>Selecione apenas ficheiros CSV para transferir.</translation>
    </message>
    <message>
        <source>The server lists the name %1, which is not a plain file name. Nothing was written.</source>
        <translation>O servidor indica o nome %1, que não é um simples nome de ficheiro. Nada foi escrito.</translation>
    </message>
    <message>
        <source>File already downloaded, do you want to overwrite?</source>
        <translation>Ficheiro já transferido, pretende substituí-lo?</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>A transferir %1...</translation>
    </message>
    <message>
        <source>Downloaded %1 to current directory.</source>
        <translation>%1 transferido para a pasta atual.</translation>
    </message>
    <message>
        <source>File Downloaded Successfully</source>
        <translation>Ficheiro transferido com êxito</translation>
    </message>
    <message>
        <source>Download Failed %1 to current directory.</source>
        <translation>Falha ao transferir %1 para a pasta atual.</translation>
    </message>
    <message>
        <source>File Size mismatched</source>
        <translation>O tamanho do ficheiro não corresponde</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Transferência de %1 cancelada.</translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Não é possível guardar o ficheiro %1: %2.</translation>
    </message>
    <message>
        <source>File Download Error:</source>
        <translation>Erro de transferência:</translation>
    </message>
    <message>
        <source>The server lists names that are not plain file names. Nothing was written for them:
%1</source>
        <translation>O servidor indica nomes que não são simples nomes de ficheiro. Nada foi escrito para eles:
%1</translation>
    </message>
    <message>
        <source>Error in downloading new files. Please download again.</source>
        <translation>Erro ao transferir os novos ficheiros. Transfira novamente.</translation>
    </message>
    <message>
        <source>Operation is successful. All files are updated and no file is downloaded.</source>
        <translation>Operação bem-sucedida. Todos os ficheiros estão atualizados e nenhum foi transferido.</translation>
    </message>
    <message>
        <source>Operation is successful. The total number of files downloaded is %1.</source>
        <translation>Operação bem-sucedida. Total de ficheiros transferidos: %1.</translation>
    </message>
</context>
<context>
    <name>HeaderLine</name>
    <message>
        <source>Select a Language</source>
        <translation>Selecione um idioma</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Logged on as:</source>
        <translation>Sessão iniciada como:</translation>
    </message>
    <message>
        <source>Alert(s)/Notification(s):</source>
        <translation>Alerta(s)/notificação(ões):</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>oscilloscope block %1</source>
        <translation>bloco do osciloscópio %1</translation>
    </message>
    <message>
        <source>%1, set %2</source>
        <translation>%1, conjunto %2</translation>
    </message>
    <message>
        <source>%1 (%2 registers)</source>
        <translation>%1 (%2 registos)</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>parâmetros</translation>
    </message>
    <message>
        <source>device code</source>
        <translation>código do equipamento</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>versão de software</translation>
    </message>
    <message>
        <source>drive size</source>
        <translation>tamanho do variador</translation>
    </message>
    <message>
        <source>status</source>
        <translation>estado</translation>
    </message>
    <message>
        <source>trip log</source>
        <translation>registo de falhas</translation>
    </message>
    <message>
        <source>control panel</source>
        <translation>painel de controlo</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <translation>osciloscópio</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>pesquisa</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>exceção %1</translation>
    </message>
    <message>
        <source>link error %1</source>
        <translation>erro de ligação %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception</source>
        <translation>exceção</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>tempo esgotado</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>CRC errado</translation>
    </message>
    <message>
        <source>wrong unit</source>
        <translation>unidade errada</translation>
    </message>
    <message>
        <source>wrong function</source>
        <translation>função errada</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>comprimento errado</translation>
    </message>
    <message>
        <source>wrong transaction</source>
        <translation>transação errada</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>ligação recusada</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>ligação perdida</translation>
    </message>
    <message>
        <source>link error</source>
        <translation>erro de ligação</translation>
    </message>
</context>
<context>
    <name>LinkMonitorModel</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Asked for</source>
        <translation>Pedido</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Quantidade</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation>Tentativa</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
</context>
<context>
    <name>LinkMonitorWindow</name>
    <message>
        <source>Link Monitor</source>
        <translation>Monitor de ligação</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Todas as unidades</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Todos os pedidos</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identificação</translation>
    </message>
    <message>
        <source>Failures and resends only</source>
        <translation>Só falhas e reenvios</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Keeps recording but stops following the newest exchange</source>
        <translation>Continua a registar mas deixa de seguir a última troca</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Repor estatísticas</translation>
    </message>
    <message>
        <source>%1 exchanges shown, %2 kept, %3 dropped as the oldest</source>
        <translation>%1 trocas mostradas, %2 guardadas, %3 descartadas por serem as mais antigas</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Trocas</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Falhas</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Reenvios</translation>
    </message>
    <message>
        <source>Response min / mean / 95 % / max</source>
        <translation>Resposta mín / média / 95 % / máx</translation>
    </message>
    <message>
        <source>Last failure</source>
        <translation>Última falha</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Ficheiros CSV (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The exchanges could not be saved: %1</source>
        <translation>Não foi possível guardar as trocas: %1</translation>
    </message>
</context>
<context>
    <name>LoginFrame</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Assistência</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sessão</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
</context>
<context>
    <name>OscPlotArea</name>
    <message>
        <source>Set Marker 1 Here</source>
        <translation>Colocar marcador 1 aqui</translation>
    </message>
    <message>
        <source>Set Marker 2 Here</source>
        <translation>Colocar marcador 2 aqui</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Limpar marcadores</translation>
    </message>
    <message>
        <source>Save plot as PNG...</source>
        <translation>Guardar gráfico como PNG...</translation>
    </message>
    <message>
        <source>Save plot as PDF...</source>
        <translation>Guardar gráfico como PDF...</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Caminho de ficheiro inválido</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Automatic Value Range</source>
        <translation>Intervalo de valores automático</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tempo (s)</translation>
    </message>
</context>
<context>
    <name>OscPrintGui</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>OsciSettings</name>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Changes plot area color to white</source>
        <translation>Muda a cor da área do gráfico para branco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Changes plot area color to black</source>
        <translation>Muda a cor da área do gráfico para preto</translation>
    </message>
    <message>
        <source>Colorbar for setting plot color to 
different shades between black and white</source>
        <translation>Barra de cores para definir a área do gráfico 
em tons entre preto e branco</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Espessura da linha</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Fina</translation>
    </message>
    <message>
        <source>Changes the width of graph to thin</source>
        <translation>Muda a espessura das curvas para fina</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Grossa</translation>
    </message>
    <message>
        <source>Changes the width of graph to fat</source>
        <translation>Muda a espessura das curvas para grossa</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grelha</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligada</translation>
    </message>
    <message>
        <source>keeps the grid for plot areas</source>
        <translation>mantém a grelha nas áreas do gráfico</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligada</translation>
    </message>
    <message>
        <source>removes the grid for plot areas</source>
        <translation>remove a grelha das áreas do gráfico</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>OscilloscopeWidget</name>
    <message>
        <source>Select Color</source>
        <translation>Selecionar cor</translation>
    </message>
    <message>
        <source>RS232</source>
        <translation>RS232</translation>
    </message>
    <message>
        <source>RS485</source>
        <translation>RS485</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Unidades de ficheiro</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Prints table/graph</source>
        <translation>Imprime tabela/gráfico</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analógico</translation>
    </message>
    <message>
        <source>display only analog signals</source>
        <translation>mostrar apenas sinais analógicos</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>display only digital signals</source>
        <translation>mostrar apenas sinais digitais</translation>
    </message>
    <message>
        <source>Analog-Digital</source>
        <translation>Analógico-digital</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Back 2</source>
        <translation>Recuar 2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Recuar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Frente</translation>
    </message>
    <message>
        <source>Forward 2</source>
        <translation>Avançar 2</translation>
    </message>
    <message>
        <source>Set Sampling Time</source>
        <translation>Definir tempo de amostragem</translation>
    </message>
    <message>
        <source>Data from unit will be retrieved at this interval.</source>
        <translation>Os dados da unidade serão lidos com este intervalo.</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Disparo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Escala
auto</translation>
    </message>
    <message>
        <source>Param Name</source>
        <translation>Nome do parâmetro</translation>
    </message>
    <message>
        <source>Curr
Value</source>
        <translation>Valor
atual</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stops the recording and displaying the graphs</source>
        <translation>Para o registo e a apresentação das curvas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Starts the recording and displaying the selected graphs</source>
        <translation>Inicia o registo e a apresentação das curvas selecionadas</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Resumes the displaying of selected graphs</source>
        <translation>Retoma a apresentação das curvas selecionadas</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pauses the displaying of selected graphs 
while recording continues in background</source>
        <translation>Pausa a apresentação das curvas selecionadas 
enquanto o registo continua em segundo plano</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Tempo de resposta</translation>
    </message>
    <message>
        <source>Slowest Device</source>
        <translation>Dispositivo mais lento</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>No unit is connected to record from</source>
        <translation>Nenhuma unidade ligada para registar</translation>
    </message>
    <message>
        <source>Trigger in Progress- Do you want to Stop?</source>
        <translation>Disparo em curso - Pretende parar?</translation>
    </message>
    <message>
        <source>Do you want to save rec file?</source>
        <translation>Pretende guardar o ficheiro de registo?</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Caminho de ficheiro inválido</translation>
    </message>
    <message>
        <source>Open rec file</source>
        <translation>Abrir ficheiro de registo</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Gravação do osciloscópio em curso.
Pare a gravação</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Configurado</translation>
    </message>
    <message>
        <source>Not Active</source>
        <translation>Inativo</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>A aguardar...</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Em execução...</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>O parâmetro já existe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Favourite list is empty</source>
        <translation>A lista de favoritos está vazia</translation>
    </message>
    <message>
        <source>Save pdf file</source>
        <translation>Guardar ficheiro PDF</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sem dados</translation>
    </message>
    <message>
        <source>The recording is kept in %1</source>
        <translation>A gravação fica guardada em %1</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Mostrar tudo</translation>
    </message>
    <message>
        <source>Shows the whole recording (key F over the plots)</source>
        <translation>Mostra toda a gravação (tecla F sobre os gráficos)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Y auto</translation>
    </message>
    <message>
        <source>Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the mouse wheel zoom the values)</source>
        <translation>Devolve ao gráfico analógico o seu intervalo de valores automático (tecla A sobre os gráficos; Ctrl e a roda do rato ampliam os valores)</translation>
    </message>
    <message>
        <source>(armed at the next Start)</source>
        <translation>(ativado no próximo «Iniciar»)</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Gráfico guardado em %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>Saves the shown recording as plain CSV, one column per signal</source>
        <translation>Guarda a gravação mostrada como CSV simples, uma coluna por sinal</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Gravado em %1</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% do intervalo</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Guardar gravação</translation>
    </message>
    <message>
        <source>Recording saved to %1</source>
        <translation>Gravação guardada em %1</translation>
    </message>
    <message>
        <source>There is no recording to save</source>
        <translation>Não há nenhuma gravação para guardar</translation>
    </message>
    <message>
        <source>CSV saved to %1</source>
        <translation>CSV guardado em %1</translation>
    </message>
    <message>
        <source>PDF saved to %1</source>
        <translation>PDF guardado em %1</translation>
    </message>
</context>
<context>
    <name>ParamTransfer</name>
    <message>
        <source>Parameters Loading To Drive</source>
        <translation>A carregar parâmetros para o variador</translation>
    </message>
    <message>
        <source>Parameters Loading from Drive</source>
        <translation>A carregar parâmetros do variador</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while the parameters 
   are &quot;Load From Drive&quot; or &quot;Load To Drive&quot; in the parameter window.
   To cancel operation click cancel.</source>
        <translation>Nota: não é possível qualquer operação enquanto os parâmetros 
   são &quot;Carregados do variador&quot; ou &quot;para o variador&quot;.
   Para cancelar, clique em Cancelar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n parameter(s) to %1</source>
        <translation>
            <numerusform>%n parâmetro escrito em %1</numerusform>
            <numerusform>%n parâmetros escritos em %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n parameter(s) from %1</source>
        <translation>
            <numerusform>%n parâmetro lido de %1</numerusform>
            <numerusform>%n parâmetros lidos de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to %1 cancelled after %2 of %3 parameters</source>
        <translation>Escrita em %1 cancelada após %2 de %3 parâmetros</translation>
    </message>
    <message>
        <source>Read from %1 cancelled after %2 of %3 parameters</source>
        <translation>Leitura de %1 cancelada após %2 de %3 parâmetros</translation>
    </message>
    <message>
        <source>Write to %1 ended: the unit was removed</source>
        <translation>Escrita em %1 terminada: a unidade foi removida</translation>
    </message>
    <message>
        <source>Read from %1 ended: the unit was removed</source>
        <translation>Leitura de %1 terminada: a unidade foi removida</translation>
    </message>
    <message>
        <source>Write to %1 failed after %2 of %3 parameters</source>
        <translation>A escrita em %1 falhou após %2 de %3 parâmetros</translation>
    </message>
    <message>
        <source>Read from %1 failed after %2 of %3 parameters</source>
        <translation>A leitura de %1 falhou após %2 de %3 parâmetros</translation>
    </message>
    <message>
        <source>; %1 parameters without a value were skipped</source>
        <translation>; %1 parâmetros sem valor foram ignorados</translation>
    </message>
</context>
<context>
    <name>ParameterActions</name>
    <message>
        <source>Sent %1 (set %2) to %3</source>
        <translation>%1 (conjunto %2) enviado para %3</translation>
    </message>
    <message>
        <source>Sending %1 (set %2) to %3 failed</source>
        <translation>O envio de %1 (conjunto %2) para %3 falhou</translation>
    </message>
    <message>
        <source>%1: Device not connected</source>
        <translation>%1: dispositivo não ligado</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não ligado</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>These parameter sets have changes that are not saved:
%1

Do you want to save them?</source>
        <translation>Estes conjuntos de parâmetros têm alterações não guardadas:
%1

Pretende guardá-los?</translation>
    </message>
</context>
<context>
    <name>ParameterPrint</name>
    <message>
        <source>Save pdf file</source>
        <translation>Guardar ficheiro PDF</translation>
    </message>
    <message>
        <source>(*.pdf)</source>
        <translation>(*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Não foi possível escrever o ficheiro PDF:
%1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Enviado para a impressora</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
</context>
<context>
    <name>ParameterToolBar</name>
    <message>
        <source>Collapse All</source>
        <translation>Fechar tudo</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Expandir tudo</translation>
    </message>
    <message>
        <source>Collapses All Parameters</source>
        <translation>Fecha todos os parâmetros</translation>
    </message>
    <message>
        <source>Expands All Parameters</source>
        <translation>Expande todos os parâmetros</translation>
    </message>
    <message>
        <source>No Unit</source>
        <translation>Nenhuma unidade</translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Carregar do variador</translation>
    </message>
    <message>
        <source>Imports data from 
controlcard to application</source>
        <translation>Importa os dados da 
carta de controlo para a aplicação</translation>
    </message>
    <message>
        <source>Load to Drive</source>
        <translation>Carregar para o variador</translation>
    </message>
    <message>
        <source>Exports data from 
application to controlcard</source>
        <translation>Exporta os dados da 
aplicação para a carta de controlo</translation>
    </message>
    <message>
        <source>Opens new csv file</source>
        <translation>Abre um novo ficheiro csv</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Opens already saved .dat files</source>
        <translation>Abre ficheiros .dat já guardados</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Saves the file in .dat format</source>
        <translation>Guarda o ficheiro no formato .dat</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Prints the parameter view</source>
        <translation>Imprime a vista de parâmetros</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Compara dois ficheiros</translation>
    </message>
    <message>
        <source>Send changes directly</source>
        <translation>Enviar alterações diretamente</translation>
    </message>
    <message>
        <source>Exports the edited parameters immediately to controlcard if checked</source>
        <translation>Se marcado, exporta de imediato os parâmetros editados para a carta de controlo</translation>
    </message>
    <message>
        <source>Upgrade CSV</source>
        <translation>Atualizar CSV</translation>
    </message>
    <message>
        <source>Send directly</source>
        <translation>Enviar diretamente</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Minimum limit of the parameter selected in the view</source>
        <translation>Limite mínimo do parâmetro selecionado</translation>
    </message>
    <message>
        <source>Maximum limit of the parameter selected in the view</source>
        <translation>Limite máximo do parâmetro selecionado</translation>
    </message>
    <message>
        <source>Parameter Help</source>
        <translation>Ajuda do parâmetro</translation>
    </message>
    <message>
        <source>Please refer help manual.</source>
        <translation>Consulte o manual.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>ficheiro CSV inválido</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir ficheiro</translation>
    </message>
    <message>
        <source>csv File(*.dat)</source>
        <translation>Conjunto de parâmetros (*.dat)</translation>
    </message>
    <message>
        <source>The file could not be opened:
%1</source>
        <translation>Não foi possível abrir o ficheiro:
%1</translation>
    </message>
    <message>
        <source>Save dat file</source>
        <translation>Guardar ficheiro dat</translation>
    </message>
    <message>
        <source>(*.dat)</source>
        <translation>(*.dat)</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1</source>
        <translation>Não foi possível guardar o ficheiro:
%1</translation>
    </message>
    <message>
        <source>oscView Record in Progress.
You can stop recording for faster performance
Do you want to Continue?</source>
        <translation>Gravação do osciloscópio em curso.
Pare a gravação para melhor desempenho
Pretende continuar?</translation>
    </message>
    <message>
        <source>No unit is connected to load the parameters to.</source>
        <translation>Nenhuma unidade ligada para onde carregar os parâmetros.</translation>
    </message>
    <message>
        <source>Sizes of drives are differ
 Do you want to continue?</source>
        <translation>Os tamanhos dos variadores são diferentes
 Pretende continuar?</translation>
    </message>
    <message>
        <source>Type of drives are differ
 Do you want to continue?</source>
        <translation>Os tipos de variador são diferentes
 Pretende continuar?</translation>
    </message>
    <message>
        <source>Version of drives are differ
 Do you want to continue?</source>
        <translation>As versões dos variadores são diferentes
 Pretende continuar?</translation>
    </message>
    <message>
        <source>Motor is running, some of configuration parameter may not set properly.
Do you want to Continue?</source>
        <translation>O motor está em funcionamento, alguns parâmetros de configuração podem não ficar bem definidos.
Pretende continuar?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Copy parameters to Drive</source>
        <translation>Copiar parâmetros para o variador</translation>
    </message>
    <message>
        <source>The range is %1 to %2.</source>
        <translation>O intervalo é de %1 a %2.</translation>
    </message>
    <message>
        <source>%1: that key is not accepted here. %2</source>
        <translation>%1: essa tecla não é aceite aqui. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken. %3</source>
        <translation>%1: «%2» não foi aceite. %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value for %2.</source>
        <translation>«%1» não é um valor válido para %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 aberto</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>%1 parameters were not read from the unit. Save anyway?</source>
        <translation>%1 parâmetros não foram lidos da unidade. Guardar mesmo assim?</translation>
    </message>
    <message>
        <source>%1 parameters have no value in this set and will be skipped.</source>
        <translation>%1 parâmetros não têm valor neste conjunto e serão ignorados.</translation>
    </message>
    <message>
        <source>The file holds %1 of %2 parameters of %3. Write these %1?</source>
        <translation>O ficheiro contém %1 de %2 parâmetros de %3. Escrever estes %1?</translation>
    </message>
    <message>
        <source>%1 %2 is now %3 in set %4</source>
        <translation>%1 %2 é agora %3 no conjunto %4</translation>
    </message>
    <message>
        <source>%1 parameters of %2 to %3</source>
        <translation>%1 parâmetros de %2 para %3</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; on Automatic scan (scan unit)</source>
        <translation>&quot;Carregar do variador&quot; após pesquisa automática (pesquisar unidades)</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; in Manual Add unit, on Connect</source>
        <translation>&quot;Carregar do variador&quot; ao adicionar manualmente, ao ligar</translation>
    </message>
    <message>
        <source>Automatic scan on application startup</source>
        <translation>Pesquisa automática ao iniciar</translation>
    </message>
    <message>
        <source>Automatic save Setting on Exit</source>
        <translation>Guardar definições automaticamente ao sair</translation>
    </message>
    <message>
        <source>&quot;Load to Drive&quot; only offline Changed Parameters</source>
        <translation>&quot;Carregar para o variador&quot; só parâmetros alterados offline</translation>
    </message>
    <message>
        <source>Read in blocks</source>
        <translation>Ler em blocos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Opção de impressão</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>All Parameters</source>
        <translation>Todos os parâmetros</translation>
    </message>
    <message>
        <source>With ReadOnly</source>
        <translation>Com só de leitura</translation>
    </message>
    <message>
        <source>Changed Values</source>
        <translation>Valores alterados</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Company Name</source>
        <translation>Nome da empresa</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projeto</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicação</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Colocado em serviço por</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nome da unidade</translation>
    </message>
    <message>
        <source>Drive Version</source>
        <translation>Versão do variador</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Texto do parâmetro</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Os ficheiros são idênticos</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parâmetro</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar com</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Apenas em %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sim para &amp;todos</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ão para todos</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Guardar todos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Repor predefinições</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>RecFileReader</name>
    <message>
        <source>CSV file not found</source>
        <translation>Ficheiro de descrição do dispositivo não encontrado</translation>
    </message>
    <message>
        <source>Invalid Rec file</source>
        <translation>Ficheiro de registo inválido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Invalid Filepath</source>
        <translation>Caminho de ficheiro inválido</translation>
    </message>
    <message>
        <source>Give Filepath</source>
        <translation>Indique um caminho de ficheiro</translation>
    </message>
</context>
<context>
    <name>RoleChange</name>
    <message>
        <source>Change User Role - Confirmation</source>
        <translation>Alterar função de utilizador - confirmação</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Mudar de utilizador</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Changing the User role will re-establish the communication with
connected units to support all extra functions. Do you want to
continue?</source>
        <translation>Alterar a função de utilizador restabelece a comunicação com as
unidades ligadas para todas as funções extra. Pretende
continuar?</translation>
    </message>
</context>
<context>
    <name>ScanController</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Gravação do osciloscópio em curso.
Pare a gravação</translation>
    </message>
    <message>
        <source>Scanning will delete all connected units.
 Do you want to proceed?</source>
        <translation>A pesquisa removerá todas as unidades ligadas.
 Pretende continuar?</translation>
    </message>
    <message>
        <source>No unit found on %1.</source>
        <translation>Nenhuma unidade encontrada em %1.</translation>
    </message>
    <message numerus="yes">
        <source>The scan found %n unit(s)</source>
        <translation>
            <numerusform>A pesquisa encontrou %n unidade</numerusform>
            <numerusform>A pesquisa encontrou %n unidades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Parameters read from the %n unit(s) found by the scan</source>
        <translation>
            <numerusform>Parâmetros lidos de %n unidade encontrada</numerusform>
            <numerusform>Parâmetros lidos das %n unidades encontradas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanImport</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No. of devices: </source>
        <translation>N.º de dispositivos: </translation>
    </message>
    <message>
        <source>In progress: </source>
        <translation>Em curso: </translation>
    </message>
    <message>
        <source>Done: </source>
        <translation>Concluído: </translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Carregar do variador</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Aguarde...</translation>
    </message>
</context>
<context>
    <name>ScanOps</name>
    <message>
        <source>Device Link Established</source>
        <translation>Ligação ao dispositivo estabelecida</translation>
    </message>
    <message>
        <source>No CSV File Found</source>
        <translation>Nenhum ficheiro CSV encontrado</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Nenhum ficheiro CSV encontrado</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Ficheiro CSV inválido</translation>
    </message>
    <message>
        <source>No Connection with Given IP</source>
        <translation>Sem ligação com o IP indicado</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Sem ligação ao dispositivo</translation>
    </message>
</context>
<context>
    <name>ScanRules</name>
    <message>
        <source>Please provide valid unit range</source>
        <translation>Indique um intervalo de unidades válido</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS232 interface: Unit range is 1-255</source>
        <translation>Número de unidade inválido em RS232: o intervalo é 1-255</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS485 interface: Unit range is 1-255</source>
        <translation>Número de unidade inválido em RS485: o intervalo é 1-255</translation>
    </message>
    <message>
        <source>Please provide required information</source>
        <translation>Indique as informações necessárias</translation>
    </message>
    <message>
        <source>Please provide unit range</source>
        <translation>Indique um intervalo de unidades</translation>
    </message>
    <message>
        <source>Duplicate configuration in RS232 and RS485</source>
        <translation>Configuração duplicada em RS232 e RS485</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Indique um intervalo TCP/IP válido</translation>
    </message>
</context>
<context>
    <name>SelectCsvDialog</name>
    <message>
        <source>Select Csv File</source>
        <translation>Selecionar ficheiro CSV</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>ficheiro CSV inválido</translation>
    </message>
</context>
<context>
    <name>SetLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>Definir idioma</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>File not found : general.csv. Program aborted!</source>
        <translation>Ficheiro não encontrado: general.csv. Programa interrompido!</translation>
    </message>
</context>
<context>
    <name>TabWidget</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Exit</source>
        <translation>Gravação do osciloscópio em curso. Pare antes de sair</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parâmetros</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Osciloscópio</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Fault Logger</source>
        <translation>Registo de falhas</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>Link Information</source>
        <translation>Informação de ligação</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Texto do parâmetro</translation>
    </message>
    <message>
        <source> Unit</source>
        <translation> Unidade</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
</context>
<context>
    <name>TriggerDialog</name>
    <message>
        <source>Conditional Trigger</source>
        <translation>Disparo condicional</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Disparo por nível</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nome da unidade</translation>
    </message>
    <message>
        <source>Group A</source>
        <translation>Grupo A</translation>
    </message>
    <message>
        <source>Group B</source>
        <translation>Grupo B</translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation>Nome do sinal</translation>
    </message>
    <message>
        <source>Trigger Type</source>
        <translation>Tipo de disparo</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Condição</translation>
    </message>
    <message>
        <source>Before Time</source>
        <translation>Tempo antes</translation>
    </message>
    <message>
        <source>After Time</source>
        <translation>Tempo depois</translation>
    </message>
    <message>
        <source>Capture Time</source>
        <translation>Tempo de captura</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Único</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Múltiplo</translation>
    </message>
    <message>
        <source>Maximum Total File Size</source>
        <translation>Tamanho total máximo dos ficheiros</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Maximum Total Duration</source>
        <translation>Duração total máxima</translation>
    </message>
    <message>
        <source>Number Of Sample</source>
        <translation>Número de amostras</translation>
    </message>
    <message>
        <source>Number Of Samples</source>
        <translation>Número de amostras</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Enter Valid Value</source>
        <translation>Introduza um valor válido</translation>
    </message>
    <message>
        <source>Low Value Should be Less than High Value </source>
        <translation>O valor baixo deve ser menor do que o valor alto </translation>
    </message>
</context>
<context>
    <name>TriggerSettings</name>
    <message>
        <source>Trigger Options</source>
        <translation>Opções de disparo</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Disparo por nível</translation>
    </message>
    <message>
        <source>Conditional Trigger</source>
        <translation>Disparo condicional</translation>
    </message>
    <message>
        <source>No Trigger</source>
        <translation>Sem disparo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>UnitConnector</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Invalid Unit Number: Unit range is 1-255</source>
        <translation>Número de unidade inválido: o intervalo é 1-255</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Gravação do osciloscópio em curso.
Pare a gravação</translation>
    </message>
    <message>
        <source>No csv file information</source>
        <translation>Sem informação de ficheiro csv</translation>
    </message>
    <message>
        <source>No channel information</source>
        <translation>Sem informação de canal</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>falha</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Porta já aberta</translation>
    </message>
    <message>
        <source>Port is not Opened</source>
        <translation>A porta não está aberta</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>porta não aberta</translation>
    </message>
    <message>
        <source>Unit is already activated</source>
        <translation>A unidade já está ativa</translation>
    </message>
    <message>
        <source>duplicate ip address</source>
        <translation>endereço ip duplicado</translation>
    </message>
    <message>
        <source>No Connection with given IP</source>
        <translation>Sem ligação com o IP indicado</translation>
    </message>
    <message>
        <source>No CSV File</source>
        <translation>Sem ficheiro CSV</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Ficheiro CSV inválido</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Sem ligação ao dispositivo</translation>
    </message>
    <message>
        <source>success</source>
        <translation>sucesso</translation>
    </message>
    <message>
        <source>device link established</source>
        <translation>ligação ao dispositivo estabelecida</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>register overlap in the CSV file: %1</source>
        <translation>sobreposição de registos no ficheiro CSV: %1</translation>
    </message>
    <message>
        <source>Error in CSV file 
 Please provide correct CSV file</source>
        <translation>Erro no ficheiro CSV 
 Forneça um ficheiro CSV correto</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>device link disconnected</source>
        <translation>ligação ao dispositivo desligada</translation>
    </message>
    <message>
        <source>Config Error</source>
        <translation>Erro de configuração</translation>
    </message>
    <message>
        <source>device link not reconnected</source>
        <translation>ligação ao dispositivo não restabelecida</translation>
    </message>
    <message>
        <source>device link reconnected</source>
        <translation>ligação ao dispositivo restabelecida</translation>
    </message>
    <message>
        <source>Device Link is established</source>
        <translation>A ligação ao dispositivo está estabelecida</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Nenhum ficheiro CSV encontrado</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Removing</source>
        <translation>Gravação do osciloscópio em curso. Pare antes de remover</translation>
    </message>
    <message>
        <source>device link removed</source>
        <translation>ligação ao dispositivo removida</translation>
    </message>
    <message>
        <source>drive trip: %1</source>
        <translation>disparo do conversor: %1</translation>
    </message>
    <message>
        <source>drive trip cleared: %1</source>
        <translation>disparo do conversor reposto: %1</translation>
    </message>
    <message>
        <source>unit %1 at %2</source>
        <translation>unidade %1 em %2</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>unidade %1 em %2</translation>
    </message>
    <message>
        <source>Could not connect %1: %2</source>
        <translation>Não foi possível ligar %1: %2</translation>
    </message>
    <message>
        <source>Connected %1 (%2)</source>
        <translation>%1 ligado (%2)</translation>
    </message>
    <message>
        <source>device answers again</source>
        <translation>o dispositivo responde de novo</translation>
    </message>
</context>
<context>
    <name>UnitTreeFrame</name>
    <message>
        <source>Scan Units</source>
        <translation>Pesquisar unidades</translation>
    </message>
    <message>
        <source>Scans the units automatically 
 depending on configuration settings</source>
        <translation>Pesquisa automaticamente as unidades 
 conforme as definições de configuração</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Adicionar unidade</translation>
    </message>
    <message>
        <source>Opens window to provide unit details 
 inorder to establish connection</source>
        <translation>Abre uma janela para indicar os dados da unidade 
 e estabelecer a ligação</translation>
    </message>
    <message>
        <source>Units on RS232</source>
        <translation>Unidades em RS232</translation>
    </message>
    <message>
        <source>Units on RS485</source>
        <translation>Unidades em RS485</translation>
    </message>
    <message>
        <source>Units on TCP/IP</source>
        <translation>Unidades em TCP/IP</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Unidades de ficheiro</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
</context>
<context>
    <name>VXMainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Create a new parameter</source>
        <translation>Criar um novo conjunto de parâmetros</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open parameter setting</source>
        <translation>Abrir definição de parâmetros</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Save parameter setting</source>
        <translation>Guardar definição de parâmetros</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print parameter setting</source>
        <translation>Imprimir definição de parâmetros</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Co&amp;mparar...</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Compara dois ficheiros</translation>
    </message>
    <message>
        <source>&amp;Load from drive</source>
        <translation>&amp;Carregar do variador</translation>
    </message>
    <message>
        <source>Load parameter setting from drive</source>
        <translation>Carregar definição de parâmetros do variador</translation>
    </message>
    <message>
        <source>Load &amp;to drive</source>
        <translation>Carregar &amp;para o variador</translation>
    </message>
    <message>
        <source>Load parameter setting to drive</source>
        <translation>Carregar definição de parâmetros para o variador</translation>
    </message>
    <message>
        <source>&amp;Dat File Information...</source>
        <translation>Informação do ficheiro &amp;dat...</translation>
    </message>
    <message>
        <source>Customer information of dat file</source>
        <translation>Dados do cliente do ficheiro dat</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Sair da aplicação</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Idioma...</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Alterar idioma</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferências...</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Alterar preferências</translation>
    </message>
    <message>
        <source>Customer data...</source>
        <translation>Dados do cliente...</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Dados do cliente</translation>
    </message>
    <message>
        <source>Communication...</source>
        <translation>Comunicação...</translation>
    </message>
    <message>
        <source>Communication settings</source>
        <translation>Definições de comunicação</translation>
    </message>
    <message>
        <source>About Tarvolink...</source>
        <translation>Sobre o Tarvolink...</translation>
    </message>
    <message>
        <source>About Tarvolink</source>
        <translation>Sobre o Tarvolink</translation>
    </message>
    <message>
        <source>User guide...</source>
        <translation>Guia do utilizador...</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guia do utilizador</translation>
    </message>
    <message>
        <source>Tarvolink</source>
        <translation>Tarvolink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>General CSV File Not Found</source>
        <translation>Ficheiro general.csv não encontrado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Password File is missing</source>
        <translation>O ficheiro da palavra-passe não existe</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Palavra-passe inválida</translation>
    </message>
    <message>
        <source>View for alert(s) / notification(s)</source>
        <translation>Vista de alertas / notificações</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Role Change</source>
        <translation>Gravação do osciloscópio em curso. Pare antes de mudar de função</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Do you want to quit the Application?</source>
        <translation>Pretende sair da aplicação?</translation>
    </message>
    <message>
        <source>The user guide was not found:
%1</source>
        <translation>O manual do utilizador não foi encontrado:
%1</translation>
    </message>
    <message>
        <source>Opening the user guide...</source>
        <translation>A abrir o manual do utilizador...</translation>
    </message>
    <message>
        <source>No program to show PDF files was found.
The user guide is here:
%1</source>
        <translation>Não foi encontrado nenhum programa para mostrar ficheiros PDF.
O manual do utilizador está aqui:
%1</translation>
    </message>
    <message>
        <source>Link Monitor...</source>
        <translation>Monitor de ligação...</translation>
    </message>
    <message>
        <source>Every exchange on the bus, with link statistics per unit</source>
        <translation>Cada troca no barramento, com estatísticas de ligação por unidade</translation>
    </message>
    <message>
        <source>An administrator creates it on this computer with the command
%1</source>
        <translation>Um administrador cria-o neste computador com o comando
%1</translation>
    </message>
</context>
<context>
    <name>VxCommManageSerialPort</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 está a ser usado por outro programa.</translation>
    </message>
    <message>
        <source>You have no access to %1. Add your user to the group that owns it (dialout) and log in again.</source>
        <translation>Não tem acesso a %1. Adicione o seu utilizador ao grupo proprietário (dialout) e volte a iniciar sessão.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the adapter plugged in?</source>
        <translation>%1 não existe: o adaptador está ligado?</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>número de série %1</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>The adapter of %1 was unplugged or replaced; its units connect again by themselves when it is back.</source>
        <translation>O adaptador de %1 foi desligado ou substituído; as suas unidades voltam a ligar-se sozinhas quando regressar.</translation>
    </message>
</context>
<context>
    <name>VxCommModbusMaster</name>
    <message>
        <source>communication failure</source>
        <translation>falha de comunicação</translation>
    </message>
    <message>
        <source>no server connection</source>
        <translation>sem ligação ao servidor</translation>
    </message>
    <message>
        <source>communication failure timeout</source>
        <translation>falha de comunicação: tempo esgotado</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>falha de escrita</translation>
    </message>
    <message>
        <source>communication error in receive data</source>
        <translation>erro de comunicação nos dados recebidos</translation>
    </message>
    <message>
        <source>invalid transaction id</source>
        <translation>id de transação inválido</translation>
    </message>
    <message>
        <source>no data within timeout</source>
        <translation>sem dados dentro do tempo limite</translation>
    </message>
    <message>
        <source>invalid unit id</source>
        <translation>id de unidade inválido</translation>
    </message>
    <message>
        <source>invalid function code</source>
        <translation>código de função inválido</translation>
    </message>
    <message>
        <source>no communication interface</source>
        <translation>sem interface de comunicação</translation>
    </message>
    <message>
        <source>invalid function type</source>
        <translation>tipo de função inválido</translation>
    </message>
    <message>
        <source>communication timeout error</source>
        <translation>erro de tempo limite de comunicação</translation>
    </message>
    <message>
        <source>crc error</source>
        <translation>erro de crc</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>porta não aberta</translation>
    </message>
    <message>
        <source>port already open</source>
        <translation>porta já aberta</translation>
    </message>
    <message>
        <source>warning message received</source>
        <translation>mensagem de aviso recebida</translation>
    </message>
    <message>
        <source>invalid received message length</source>
        <translation>comprimento de mensagem recebida inválido</translation>
    </message>
    <message>
        <source>device has disconnected</source>
        <translation>o dispositivo desligou-se</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
</context>
<context>
    <name>WorkerOps</name>
    <message>
        <source>catchForwardButtonSignal:Write Error </source>
        <translation>Marcha para a frente: erro de escrita</translation>
    </message>
    <message>
        <source>catchBackButtonSignal:Write Error </source>
        <translation>Marcha para trás: erro de escrita</translation>
    </message>
    <message>
        <source>catchStopButtonSignal:Write Error </source>
        <translation>Paragem: erro de escrita</translation>
    </message>
    <message>
        <source>catchReferenceSourceSignal:Write Error </source>
        <translation>Fonte da referência: erro de escrita</translation>
    </message>
    <message>
        <source>catchRunStopSourceSignal:Write Error </source>
        <translation>Fonte de marcha/paragem: erro de escrita</translation>
    </message>
    <message>
        <source>catchRefValueSignal:Write Error</source>
        <translation>Valor de referência: erro de escrita</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não ligado</translation>
    </message>
    <message>
        <source> Comm Error</source>
        <translation>Erro de comunicação</translation>
    </message>
    <message>
        <source>Comm Error
 refer log details</source>
        <translation>Erro de comunicação
 consulte o registo para mais detalhes</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Ligação perdida</translation>
    </message>
    <message>
        <source>OprStatusUpdate:Write Error</source>
        <translation>Atualização de estado: erro de escrita</translation>
    </message>
    <message>
        <source>TriplogUpdate:Write Error</source>
        <translation>Atualização do registo de falhas: erro de escrita</translation>
    </message>
</context>
<context>
    <name>addunit</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Indique um intervalo TCP/IP válido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Please provide required configuration details</source>
        <translation>Indique os dados de configuração necessários</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir ficheiro</translation>
    </message>
    <message>
        <source>csv File(*.csv)</source>
        <translation>Descrição do dispositivo (*.csv)</translation>
    </message>
    <message>
        <source>Add Units</source>
        <translation>Adicionar unidades</translation>
    </message>
    <message>
        <source>RS232</source>
        <translation>RS232</translation>
    </message>
    <message>
        <source>RS485</source>
        <translation>RS485</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocidade (baud)</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridade</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Data File Selection</source>
        <translation>Seleção do ficheiro de dados</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>alarms</name>
    <message>
        <source>Current Alerts</source>
        <translation>Alertas atuais</translation>
    </message>
    <message>
        <source>Alert History</source>
        <translation>Histórico de alertas</translation>
    </message>
    <message>
        <source>First: %1
Last: %2</source>
        <translation>Primeira: %1
Última: %2</translation>
    </message>
    <message>
        <source>Save Alerts</source>
        <translation>Guardar alertas</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Ficheiros de texto (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>The alerts could not be saved to
%1:
%2</source>
        <translation>Não foi possível guardar os alertas em
%1:
%2</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Última vez</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contagem</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Empty the list; the log file keeps every alert</source>
        <translation>Esvaziar a lista; o ficheiro de registo guarda todos os alertas</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the selected alerts, or all of them, as text</source>
        <translation>Copiar os alertas selecionados, ou todos, como texto</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
</context>
<context>
    <name>scanDialog</name>
    <message>
        <source>Scan for devices</source>
        <translation>Procurar dispositivos</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Automatically scan for devices?</source>
        <translation>Procurar dispositivos automaticamente?</translation>
    </message>
</context>
<context>
    <name>scanning</name>
    <message>
        <source>No units connected</source>
        <translation>Nenhuma unidade ligada</translation>
    </message>
    <message>
        <source>No of devices found:</source>
        <translation>N.º de dispositivos encontrados:</translation>
    </message>
    <message>
        <source>Scan Progress</source>
        <translation>Progresso da pesquisa</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Pesquisa automática</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>A pesquisar</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while 
scanning for units. To stop scanning click cancel.</source>
        <translation>Nota: não é possível qualquer operação durante 
a pesquisa de unidades. Para parar, clique em Cancelar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
