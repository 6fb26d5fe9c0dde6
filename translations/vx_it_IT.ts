<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About Tarvolink</source>
        <translation>Informazioni su Tarvolink</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Commissioning and service tool for variable-speed drives.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Strumento di messa in servizio e assistenza per azionamenti a velocità variabile.&lt;/p&gt;&lt;p&gt;Realizzato con Qt %2 (LGPL v3) e QCustomPlot (GPL v3).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>AddFavParam</name>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>AlertEvent</name>
    <message>
        <source>unit %1</source>
        <translation>unità %1</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>unità %1 su %2</translation>
    </message>
    <message>
        <source>no answer to a write of %1 after %2 attempts</source>
        <translation>nessuna risposta alla scrittura di %1 dopo %2 tentativi</translation>
    </message>
    <message>
        <source>no answer to a write of %1</source>
        <translation>nessuna risposta alla scrittura di %1</translation>
    </message>
    <message>
        <source>no answer to a read of %1 after %2 attempts</source>
        <translation>nessuna risposta alla lettura di %1 dopo %2 tentativi</translation>
    </message>
    <message>
        <source>no answer to a read of %1</source>
        <translation>nessuna risposta alla lettura di %1</translation>
    </message>
    <message>
        <source>write of %1 failed after %2 attempts: %3</source>
        <translation>scrittura di %1 non riuscita dopo %2 tentativi: %3</translation>
    </message>
    <message>
        <source>write of %1 failed: %2</source>
        <translation>scrittura di %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>read of %1 failed after %2 attempts: %3</source>
        <translation>lettura di %1 non riuscita dopo %2 tentativi: %3</translation>
    </message>
    <message>
        <source>read of %1 failed: %2</source>
        <translation>lettura di %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>the unit refused a write of %1: %2</source>
        <translation>l&apos;unità ha rifiutato la scrittura di %1: %2</translation>
    </message>
    <message>
        <source>the unit refused a read of %1: %2</source>
        <translation>l&apos;unità ha rifiutato la lettura di %1: %2</translation>
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
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Auto Scan Settings</source>
        <translation>Impostazioni ricerca automatica</translation>
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
        <translation>Porte</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parità</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Start IP:</source>
        <translation>IP iniziale:</translation>
    </message>
    <message>
        <source>End IP:</source>
        <translation>IP finale:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Avvia ricerca</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Altra porta</translation>
    </message>
</context>
<context>
    <name>CommSettings</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Impostazioni di comunicazione</translation>
    </message>
    <message>
        <source>Continue despite communication fault</source>
        <translation>Continua nonostante l&apos;errore di comunicazione</translation>
    </message>
    <message>
        <source>Delay between messages  (ms) :</source>
        <translation>Ritardo tra messaggi  (ms) :</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Number of retries</source>
        <translation>Numero di tentativi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Delay should be at least 35 ms.</source>
        <translation>Il ritardo deve essere di almeno 35 ms.</translation>
    </message>
</context>
<context>
    <name>CompPrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Opzione di stampa</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CompareParameters</name>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametro</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Solo in %1</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>I file sono identici</translation>
    </message>
    <message>
        <source>The parameters both sides have are identical</source>
        <translation>I parametri presenti su entrambi i lati sono identici</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Select Unit</source>
        <translation>Seleziona unità</translation>
    </message>
    <message>
        <source>Compare Parameters</source>
        <translation>Confronta parametri</translation>
    </message>
    <message>
        <source>Add Units to Compare</source>
        <translation>Aggiungi unità da confrontare</translation>
    </message>
    <message>
        <source>Select Parameters to compare</source>
        <translation>Seleziona i parametri da confrontare</translation>
    </message>
    <message>
        <source>Select Parameters to be compared with</source>
        <translation>Seleziona i parametri con cui confrontare</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 (file)</source>
        <translation>%1 (file)</translation>
    </message>
</context>
<context>
    <name>Connect</name>
    <message>
        <source>RS232 Unit Details</source>
        <translation>Dettagli unità RS232</translation>
    </message>
    <message>
        <source>RS485 Unit Details</source>
        <translation>Dettagli unità RS485</translation>
    </message>
    <message>
        <source>TCP/IP Unit Details</source>
        <translation>Dettagli unità TCP/IP</translation>
    </message>
    <message>
        <source>File Unit Details</source>
        <translation>Dettagli set da file</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parità</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Drive SW Version</source>
        <translation>Versione software azionamento</translation>
    </message>
    <message>
        <source>CSV Version Used</source>
        <translation>Versione CSV usata</translation>
    </message>
    <message>
        <source>IP Addr</source>
        <translation>Ind. IP</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>File di dati</translation>
    </message>
</context>
<context>
    <name>ControlBox</name>
    <message>
        <source>Control Source</source>
        <translation>Sorgente di comando</translation>
    </message>
    <message>
        <source>Select Run/Stop Source</source>
        <translation>Seleziona sorgente marcia/arresto</translation>
    </message>
    <message>
        <source>Select Reference Source</source>
        <translation>Seleziona sorgente di riferimento</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remoto</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opzione</translation>
    </message>
</context>
<context>
    <name>CtrlPanelController</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Range is 0 to 100</source>
        <translation>L&apos;intervallo è da 0 a 100</translation>
    </message>
</context>
<context>
    <name>CtrlPanelFrame</name>
    <message>
        <source>No Unit</source>
        <translation>Nessuna unità</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Pannello di controllo</translation>
    </message>
    <message>
        <source>Ref value</source>
        <translation>Valore rif.</translation>
    </message>
    <message>
        <source>Ref source</source>
        <translation>Sorgente rif.</translation>
    </message>
    <message>
        <source>Run/Stop source</source>
        <translation>Sorgente marcia/arresto</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresto</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remoto</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opzione</translation>
    </message>
</context>
<context>
    <name>CurrentUnitPresenter</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connessione a %1...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Registrazione oscilloscopio in corso.
Interrompere la registrazione</translation>
    </message>
</context>
<context>
    <name>CustomerDataDialog</name>
    <message>
        <source>Customer Data</source>
        <translation>Dati cliente</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Ragione sociale</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Via 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Via 2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Località</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Referente</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Messo in servizio da</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
</context>
<context>
    <name>EditFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Seleziona set</translation>
    </message>
    <message>
        <source>Set Name</source>
        <translation>Nome del set</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametri</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Scala
auto</translation>
    </message>
    <message>
        <source>Param
Name</source>
        <translation>Nome
param.</translation>
    </message>
    <message>
        <source>Curr
Val</source>
        <translation>Val.
att.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Il parametro esiste già</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>File Export</source>
        <translation>Esportazione file</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
</context>
<context>
    <name>FtpWindow</name>
    <message>
        <source>Ftp &amp;server:</source>
        <translation>&amp;Server FTP:</translation>
    </message>
    <message>
        <source>ftp://&lt;UserName&gt;:&lt;Password&gt;@&lt;Hostname&gt;</source>
        <translation>ftp://&lt;NomeUtente&gt;:&lt;Password&gt;@&lt;NomeHost&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietario</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Vai alla cartella superiore</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Download All New</source>
        <translation>Scarica tutti i nuovi</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>FTP Link file is not found</source>
        <translation>Il file del collegamento FTP non è stato trovato</translation>
    </message>
    <message>
        <source>The FTP URL is not valid</source>
        <translation>L&apos;URL FTP non è valido</translation>
    </message>
    <message>
        <source>Connecting to FTP server %1...</source>
        <translation>Connessione al server FTP %1...</translation>
    </message>
    <message>
        <source>The FTP server at %1 shows a certificate that no trusted authority has signed. The connection was refused.</source>
        <translation>Il server FTP %1 presenta un certificato non firmato da alcuna autorità attendibile. La connessione è stata rifiutata.</translation>
    </message>
    <message>
        <source>The FTP server at %1 did not set up a protected (TLS) connection. The connection was refused.</source>
        <translation>Il server FTP %1 non ha stabilito una connessione protetta (TLS). La connessione è stata rifiutata.</translation>
    </message>
    <message>
        <source>Unable to connect to the FTP server at %1. Please check that the host name is correct.</source>
        <translation>Impossibile connettersi al server FTP %1. Verificare che il nome host sia corretto.</translation>
    </message>
    <message>
        <source>Unable to list the directory: %1</source>
        <translation>Impossibile elencare la cartella: %1</translation>
    </message>
    <message>
        <source>Logged onto %1.</source>
        <translation>Accesso eseguito a %1.</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;vuoto&gt;</translation>
    </message>
    <message>
        <source>Select only CSV file to download.</source>
        <translation>Selezionare solo file CSV da scaricare.</translation>
    </message>
    <message>
        <source>The server lists the name %1, which is not a plain file name. Nothing was written.</source>
        <translation>Il server elenca il nome %1, che non è un semplice nome di file. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>File already downloaded, do you want to overwrite?</source>
        <translation>File già scaricato, sovrascriverlo?</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Download di %1...</translation>
    </message>
    <message>
        <source>Downloaded %1 to current directory.</source>
        <translation>%1 scaricato nella cartella corrente.</translation>
    </message>
    <message>
        <source>File Downloaded Successfully</source>
        <translation>File scaricato correttamente</translation>
    </message>
    <message>
        <source>Download Failed %1 to current directory.</source>
        <translation>Download di %1 nella cartella corrente non riuscito.</translation>
    </message>
    <message>
        <source>File Size mismatched</source>
        <translation>Dimensione del file non corrispondente</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Download di %1 annullato.</translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Impossibile salvare il file %1: %2.</translation>
    </message>
    <message>
        <source>File Download Error:</source>
        <translation>Errore di download:</translation>
    </message>
    <message>
        <source>The server lists names that are not plain file names. Nothing was written for them:
%1</source>
        <translation>Il server elenca nomi che non sono semplici nomi di file. Per questi non è stato scritto nulla:
%1</translation>
    </message>
    <message>
        <source>Error in downloading new files. Please download again.</source>
        <translation>Errore nel download dei nuovi file. Ripetere il download.</translation>
    </message>
    <message>
        <source>Operation is successful. All files are updated and no file is downloaded.</source>
        <translation>Operazione riuscita. Tutti i file sono aggiornati e nessun file è stato scaricato.</translation>
    </message>
    <message>
        <source>Operation is successful. The total number of files downloaded is %1.</source>
        <translation>Operazione riuscita. Numero totale di file scaricati: %1.</translation>
    </message>
</context>
<context>
    <name>HeaderLine</name>
    <message>
        <source>Select a Language</source>
        <translation>Seleziona una lingua</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Logged on as:</source>
        <translation>Accesso come:</translation>
    </message>
    <message>
        <source>Alert(s)/Notification(s):</source>
        <translation>Allarmi/notifiche:</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>oscilloscope block %1</source>
        <translation>blocco oscilloscopio %1</translation>
    </message>
    <message>
        <source>%1, set %2</source>
        <translation>%1, set %2</translation>
    </message>
    <message>
        <source>%1 (%2 registers)</source>
        <translation>%1 (%2 registri)</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>parametri</translation>
    </message>
    <message>
        <source>device code</source>
        <translation>codice dispositivo</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>versione software</translation>
    </message>
    <message>
        <source>drive size</source>
        <translation>taglia azionamento</translation>
    </message>
    <message>
        <source>status</source>
        <translation>stato</translation>
    </message>
    <message>
        <source>trip log</source>
        <translation>registro guasti</translation>
    </message>
    <message>
        <source>control panel</source>
        <translation>pannello di controllo</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <translation>oscilloscopio</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>ricerca</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>eccezione %1</translation>
    </message>
    <message>
        <source>link error %1</source>
        <translation>errore di collegamento %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception</source>
        <translation>eccezione</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>timeout</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>CRC errato</translation>
    </message>
    <message>
        <source>wrong unit</source>
        <translation>unità errata</translation>
    </message>
    <message>
        <source>wrong function</source>
        <translation>funzione errata</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>lunghezza errata</translation>
    </message>
    <message>
        <source>wrong transaction</source>
        <translation>transazione errata</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connessione rifiutata</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>connessione persa</translation>
    </message>
    <message>
        <source>link error</source>
        <translation>errore di collegamento</translation>
    </message>
</context>
<context>
    <name>LinkMonitorModel</name>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Asked for</source>
        <translation>Richiesto</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valori</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation>Tentativo</translation>
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
        <translation>Monitor collegamento</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Tutte le unità</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Tutte le richieste</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identificazione</translation>
    </message>
    <message>
        <source>Failures and resends only</source>
        <translation>Solo errori e reinvii</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Keeps recording but stops following the newest exchange</source>
        <translation>Continua a registrare ma smette di seguire l&apos;ultimo scambio</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Salva come CSV...</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Azzera statistiche</translation>
    </message>
    <message>
        <source>%1 exchanges shown, %2 kept, %3 dropped as the oldest</source>
        <translation>%1 scambi mostrati, %2 conservati, %3 scartati perché più vecchi</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Scambi</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Errori</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Reinvii</translation>
    </message>
    <message>
        <source>Response min / mean / 95 % / max</source>
        <translation>Risposta min / media / 95 % / max</translation>
    </message>
    <message>
        <source>Last failure</source>
        <translation>Ultimo errore</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salva come CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The exchanges could not be saved: %1</source>
        <translation>Impossibile salvare gli scambi: %1</translation>
    </message>
</context>
<context>
    <name>LoginFrame</name>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Assistenza</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
</context>
<context>
    <name>OscPlotArea</name>
    <message>
        <source>Set Marker 1 Here</source>
        <translation>Imposta qui il marcatore 1</translation>
    </message>
    <message>
        <source>Set Marker 2 Here</source>
        <translation>Imposta qui il marcatore 2</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Cancella marcatori</translation>
    </message>
    <message>
        <source>Save plot as PNG...</source>
        <translation>Salva grafico come PNG...</translation>
    </message>
    <message>
        <source>Save plot as PDF...</source>
        <translation>Salva grafico come PDF...</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Salva grafico</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Percorso del file non valido</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Automatic Value Range</source>
        <translation>Intervallo di valori automatico</translation>
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
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>OsciSettings</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Changes plot area color to white</source>
        <translation>Imposta il colore dell&apos;area del grafico su bianco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Changes plot area color to black</source>
        <translation>Imposta il colore dell&apos;area del grafico su nero</translation>
    </message>
    <message>
        <source>Colorbar for setting plot color to 
different shades between black and white</source>
        <translation>Barra dei colori per impostare l&apos;area del grafico 
su varie tonalità tra nero e bianco</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Spessore linea</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Sottile</translation>
    </message>
    <message>
        <source>Changes the width of graph to thin</source>
        <translation>Imposta lo spessore delle curve su sottile</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Spessa</translation>
    </message>
    <message>
        <source>Changes the width of graph to fat</source>
        <translation>Imposta lo spessore delle curve su spesso</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>keeps the grid for plot areas</source>
        <translation>mantiene la griglia nelle aree del grafico</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>removes the grid for plot areas</source>
        <translation>rimuove la griglia dalle aree del grafico</translation>
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
        <translation>Seleziona colore</translation>
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
        <translation>Unità da file</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Prints table/graph</source>
        <translation>Stampa tabella/grafico</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogico</translation>
    </message>
    <message>
        <source>display only analog signals</source>
        <translation>mostra solo i segnali analogici</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitale</translation>
    </message>
    <message>
        <source>display only digital signals</source>
        <translation>mostra solo i segnali digitali</translation>
    </message>
    <message>
        <source>Analog-Digital</source>
        <translation>Analogico-digitale</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Back 2</source>
        <translation>Indietro 2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Forward 2</source>
        <translation>Avanti 2</translation>
    </message>
    <message>
        <source>Set Sampling Time</source>
        <translation>Imposta tempo di campionamento</translation>
    </message>
    <message>
        <source>Data from unit will be retrieved at this interval.</source>
        <translation>I dati dell&apos;unità verranno letti a questo intervallo.</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Scala
auto</translation>
    </message>
    <message>
        <source>Param Name</source>
        <translation>Nome parametro</translation>
    </message>
    <message>
        <source>Curr
Value</source>
        <translation>Valore
attuale</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresto</translation>
    </message>
    <message>
        <source>Stops the recording and displaying the graphs</source>
        <translation>Arresta la registrazione e la visualizzazione delle curve</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Starts the recording and displaying the selected graphs</source>
        <translation>Avvia la registrazione e la visualizzazione delle curve selezionate</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Resumes the displaying of selected graphs</source>
        <translation>Riprende la visualizzazione delle curve selezionate</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pauses the displaying of selected graphs 
while recording continues in background</source>
        <translation>Sospende la visualizzazione delle curve selezionate 
mentre la registrazione continua in background</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Tempo di risposta</translation>
    </message>
    <message>
        <source>Slowest Device</source>
        <translation>Unità più lenta</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>No unit is connected to record from</source>
        <translation>Nessuna unità collegata da cui registrare</translation>
    </message>
    <message>
        <source>Trigger in Progress- Do you want to Stop?</source>
        <translation>Trigger in corso - Arrestarlo?</translation>
    </message>
    <message>
        <source>Do you want to save rec file?</source>
        <translation>Salvare il file di registrazione?</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Percorso del file non valido</translation>
    </message>
    <message>
        <source>Open rec file</source>
        <translation>Apri file di registrazione</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Registrazione oscilloscopio in corso.
Interrompere la registrazione</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Configurato</translation>
    </message>
    <message>
        <source>Not Active</source>
        <translation>Non attivo</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>In attesa...</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>In esecuzione...</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Il parametro esiste già</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Favourite list is empty</source>
        <translation>L&apos;elenco dei preferiti è vuoto</translation>
    </message>
    <message>
        <source>Save pdf file</source>
        <translation>Salva file PDF</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>The recording is kept in %1</source>
        <translation>La registrazione è conservata in %1</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Shows the whole recording (key F over the plots)</source>
        <translation>Mostra tutta la registrazione (tasto F sui grafici)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Y auto</translation>
    </message>
    <message>
        <source>Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the mouse wheel zoom the values)</source>
        <translation>Ridà al grafico analogico l&apos;intervallo di valori automatico (tasto A sui grafici; Ctrl e la rotellina del mouse ingrandiscono i valori)</translation>
    </message>
    <message>
        <source>(armed at the next Start)</source>
        <translation>(attivo al prossimo «Avvia»)</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Grafico salvato in %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Salva come CSV</translation>
    </message>
    <message>
        <source>Saves the shown recording as plain CSV, one column per signal</source>
        <translation>Salva la registrazione mostrata come CSV semplice, una colonna per segnale</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Registrato il %1</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% dell&apos;intervallo</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Salva registrazione</translation>
    </message>
    <message>
        <source>Recording saved to %1</source>
        <translation>Registrazione salvata in %1</translation>
    </message>
    <message>
        <source>There is no recording to save</source>
        <translation>Non c&apos;è nessuna registrazione da salvare</translation>
    </message>
    <message>
        <source>CSV saved to %1</source>
        <translation>CSV salvato in %1</translation>
    </message>
    <message>
        <source>PDF saved to %1</source>
        <translation>PDF salvato in %1</translation>
    </message>
</context>
<context>
    <name>ParamTransfer</name>
    <message>
        <source>Parameters Loading To Drive</source>
        <translation>Caricamento parametri nell&apos;azionamento</translation>
    </message>
    <message>
        <source>Parameters Loading from Drive</source>
        <translation>Caricamento parametri dall&apos;azionamento</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while the parameters 
   are &quot;Load From Drive&quot; or &quot;Load To Drive&quot; in the parameter window.
   To cancel operation click cancel.</source>
        <translation>Nota: non è possibile alcuna operazione mentre i parametri 
   vengono caricati &quot;dall&apos;azionamento&quot; o &quot;nell&apos;azionamento&quot;.
   Per annullare fare clic su Annulla.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n parameter(s) to %1</source>
        <translation>
            <numerusform>%n parametro scritto in %1</numerusform>
            <numerusform>%n parametri scritti in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n parameter(s) from %1</source>
        <translation>
            <numerusform>%n parametro letto da %1</numerusform>
            <numerusform>%n parametri letti da %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to %1 cancelled after %2 of %3 parameters</source>
        <translation>Scrittura in %1 annullata dopo %2 di %3 parametri</translation>
    </message>
    <message>
        <source>Read from %1 cancelled after %2 of %3 parameters</source>
        <translation>Lettura da %1 annullata dopo %2 di %3 parametri</translation>
    </message>
    <message>
        <source>Write to %1 ended: the unit was removed</source>
        <translation>Scrittura in %1 terminata: l&apos;unità è stata rimossa</translation>
    </message>
    <message>
        <source>Read from %1 ended: the unit was removed</source>
        <translation>Lettura da %1 terminata: l&apos;unità è stata rimossa</translation>
    </message>
    <message>
        <source>Write to %1 failed after %2 of %3 parameters</source>
        <translation>Scrittura in %1 non riuscita dopo %2 di %3 parametri</translation>
    </message>
    <message>
        <source>Read from %1 failed after %2 of %3 parameters</source>
        <translation>Lettura da %1 non riuscita dopo %2 di %3 parametri</translation>
    </message>
    <message>
        <source>; %1 parameters without a value were skipped</source>
        <translation>; %1 parametri senza valore sono stati saltati</translation>
    </message>
</context>
<context>
    <name>ParameterActions</name>
    <message>
        <source>Sent %1 (set %2) to %3</source>
        <translation>%1 (set %2) inviato a %3</translation>
    </message>
    <message>
        <source>Sending %1 (set %2) to %3 failed</source>
        <translation>Invio di %1 (set %2) a %3 non riuscito</translation>
    </message>
    <message>
        <source>%1: Device not connected</source>
        <translation>%1: dispositivo non collegato</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non collegato</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>These parameter sets have changes that are not saved:
%1

Do you want to save them?</source>
        <translation>Questi set di parametri hanno modifiche non salvate:
%1

Salvarli?</translation>
    </message>
</context>
<context>
    <name>ParameterPrint</name>
    <message>
        <source>Save pdf file</source>
        <translation>Salva file PDF</translation>
    </message>
    <message>
        <source>(*.pdf)</source>
        <translation>(*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Impossibile scrivere il file PDF:
%1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Inviato alla stampante</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvato</translation>
    </message>
</context>
<context>
    <name>ParameterToolBar</name>
    <message>
        <source>Collapse All</source>
        <translation>Comprimi tutto</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Espandi tutto</translation>
    </message>
    <message>
        <source>Collapses All Parameters</source>
        <translation>Comprime tutti i parametri</translation>
    </message>
    <message>
        <source>Expands All Parameters</source>
        <translation>Espande tutti i parametri</translation>
    </message>
    <message>
        <source>No Unit</source>
        <translation>Nessuna unità</translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Carica dall&apos;azionamento</translation>
    </message>
    <message>
        <source>Imports data from 
controlcard to application</source>
        <translation>Importa i dati dalla 
scheda di controllo all&apos;applicazione</translation>
    </message>
    <message>
        <source>Load to Drive</source>
        <translation>Carica nell&apos;azionamento</translation>
    </message>
    <message>
        <source>Exports data from 
application to controlcard</source>
        <translation>Esporta i dati 
dall&apos;applicazione alla scheda di controllo</translation>
    </message>
    <message>
        <source>Opens new csv file</source>
        <translation>Apre un nuovo file csv</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Opens already saved .dat files</source>
        <translation>Apre file .dat già salvati</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Saves the file in .dat format</source>
        <translation>Salva il file in formato .dat</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Prints the parameter view</source>
        <translation>Stampa la vista parametri</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Confronta due file</translation>
    </message>
    <message>
        <source>Send changes directly</source>
        <translation>Invia subito le modifiche</translation>
    </message>
    <message>
        <source>Exports the edited parameters immediately to controlcard if checked</source>
        <translation>Se selezionato, esporta subito i parametri modificati alla scheda di controllo</translation>
    </message>
    <message>
        <source>Upgrade CSV</source>
        <translation>Aggiorna CSV</translation>
    </message>
    <message>
        <source>Send directly</source>
        <translation>Invia direttamente</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Minimum limit of the parameter selected in the view</source>
        <translation>Limite minimo del parametro selezionato</translation>
    </message>
    <message>
        <source>Maximum limit of the parameter selected in the view</source>
        <translation>Limite massimo del parametro selezionato</translation>
    </message>
    <message>
        <source>Parameter Help</source>
        <translation>Guida parametro</translation>
    </message>
    <message>
        <source>Please refer help manual.</source>
        <translation>Consultare il manuale.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>file CSV non valido</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>csv File(*.dat)</source>
        <translation>Set di parametri (*.dat)</translation>
    </message>
    <message>
        <source>The file could not be opened:
%1</source>
        <translation>Impossibile aprire il file:
%1</translation>
    </message>
    <message>
        <source>Save dat file</source>
        <translation>Salva file dat</translation>
    </message>
    <message>
        <source>(*.dat)</source>
        <translation>(*.dat)</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1</source>
        <translation>Impossibile salvare il file:
%1</translation>
    </message>
    <message>
        <source>oscView Record in Progress.
You can stop recording for faster performance
Do you want to Continue?</source>
        <translation>Registrazione oscilloscopio in corso.
Interrompere la registrazione per prestazioni migliori
Continuare?</translation>
    </message>
    <message>
        <source>No unit is connected to load the parameters to.</source>
        <translation>Nessuna unità collegata in cui caricare i parametri.</translation>
    </message>
    <message>
        <source>Sizes of drives are differ
 Do you want to continue?</source>
        <translation>Le taglie degli azionamenti sono diverse
 Continuare?</translation>
    </message>
    <message>
        <source>Type of drives are differ
 Do you want to continue?</source>
        <translation>I tipi di azionamento sono diversi
 Continuare?</translation>
    </message>
    <message>
        <source>Version of drives are differ
 Do you want to continue?</source>
        <translation>Le versioni degli azionamenti sono diverse
 Continuare?</translation>
    </message>
    <message>
        <source>Motor is running, some of configuration parameter may not set properly.
Do you want to Continue?</source>
        <translation>Il motore è in marcia, alcuni parametri di configurazione potrebbero non essere impostati correttamente.
Continuare?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Copy parameters to Drive</source>
        <translation>Copia parametri nell&apos;azionamento</translation>
    </message>
    <message>
        <source>The range is %1 to %2.</source>
        <translation>L&apos;intervallo è da %1 a %2.</translation>
    </message>
    <message>
        <source>%1: that key is not accepted here. %2</source>
        <translation>%1: questo tasto non è accettato qui. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken. %3</source>
        <translation>%1: «%2» non è stato accettato. %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value for %2.</source>
        <translation>«%1» non è un valore valido per %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 aperto</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 salvato</translation>
    </message>
    <message>
        <source>%1 parameters were not read from the unit. Save anyway?</source>
        <translation>%1 parametri non sono stati letti dall&apos;unità. Salvare comunque?</translation>
    </message>
    <message>
        <source>%1 parameters have no value in this set and will be skipped.</source>
        <translation>%1 parametri non hanno valore in questo set e saranno saltati.</translation>
    </message>
    <message>
        <source>The file holds %1 of %2 parameters of %3. Write these %1?</source>
        <translation>Il file contiene %1 di %2 parametri di %3. Scrivere questi %1?</translation>
    </message>
    <message>
        <source>%1 %2 is now %3 in set %4</source>
        <translation>%1 %2 ora è %3 nel set %4</translation>
    </message>
    <message>
        <source>%1 parameters of %2 to %3</source>
        <translation>%1 parametri da %2 a %3</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; on Automatic scan (scan unit)</source>
        <translation>&quot;Carica dall&apos;azionamento&quot; dopo la ricerca automatica (cerca unità)</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; in Manual Add unit, on Connect</source>
        <translation>&quot;Carica dall&apos;azionamento&quot; all&apos;aggiunta manuale, alla connessione</translation>
    </message>
    <message>
        <source>Automatic scan on application startup</source>
        <translation>Ricerca automatica all&apos;avvio</translation>
    </message>
    <message>
        <source>Automatic save Setting on Exit</source>
        <translation>Salva automaticamente le impostazioni all&apos;uscita</translation>
    </message>
    <message>
        <source>&quot;Load to Drive&quot; only offline Changed Parameters</source>
        <translation>&quot;Carica nell&apos;azionamento&quot; solo parametri modificati offline</translation>
    </message>
    <message>
        <source>Read in blocks</source>
        <translation>Leggi a blocchi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Opzione di stampa</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>All Parameters</source>
        <translation>Tutti i parametri</translation>
    </message>
    <message>
        <source>With ReadOnly</source>
        <translation>Con sola lettura</translation>
    </message>
    <message>
        <source>Changed Values</source>
        <translation>Valori modificati</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Company Name</source>
        <translation>Ragione sociale</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Messo in servizio da</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nome unità</translation>
    </message>
    <message>
        <source>Drive Version</source>
        <translation>Versione azionamento</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Testo parametro</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>I file sono identici</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametro</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Solo in %1</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sì a &amp;tutti</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;o a tutti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salva tutto</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina valori predefiniti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
</context>
<context>
    <name>RecFileReader</name>
    <message>
        <source>CSV file not found</source>
        <translation>File di descrizione del dispositivo non trovato</translation>
    </message>
    <message>
        <source>Invalid Rec file</source>
        <translation>File di registrazione non valido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Invalid Filepath</source>
        <translation>Percorso del file non valido</translation>
    </message>
    <message>
        <source>Give Filepath</source>
        <translation>Indicare un percorso del file</translation>
    </message>
</context>
<context>
    <name>RoleChange</name>
    <message>
        <source>Change User Role - Confirmation</source>
        <translation>Cambia ruolo utente - conferma</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Cambia utente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Changing the User role will re-establish the communication with
connected units to support all extra functions. Do you want to
continue?</source>
        <translation>Il cambio di ruolo ristabilirà la comunicazione con le
unità collegate per tutte le funzioni aggiuntive.
Continuare?</translation>
    </message>
</context>
<context>
    <name>ScanController</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Registrazione oscilloscopio in corso.
Interrompere la registrazione</translation>
    </message>
    <message>
        <source>Scanning will delete all connected units.
 Do you want to proceed?</source>
        <translation>La ricerca rimuoverà tutte le unità collegate.
 Continuare?</translation>
    </message>
    <message>
        <source>No unit found on %1.</source>
        <translation>Nessuna unità trovata su %1.</translation>
    </message>
    <message numerus="yes">
        <source>The scan found %n unit(s)</source>
        <translation>
            <numerusform>La ricerca ha trovato %n unità</numerusform>
            <numerusform>La ricerca ha trovato %n unità</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Parameters read from the %n unit(s) found by the scan</source>
        <translation>
            <numerusform>Parametri letti da %n unità trovata</numerusform>
            <numerusform>Parametri letti dalle %n unità trovate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanImport</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No. of devices: </source>
        <translation>N. di dispositivi: </translation>
    </message>
    <message>
        <source>In progress: </source>
        <translation>In corso: </translation>
    </message>
    <message>
        <source>Done: </source>
        <translation>Completati: </translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Carica dall&apos;azionamento</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Attendere...</translation>
    </message>
</context>
<context>
    <name>ScanOps</name>
    <message>
        <source>Device Link Established</source>
        <translation>Collegamento con il dispositivo stabilito</translation>
    </message>
    <message>
        <source>No CSV File Found</source>
        <translation>Nessun file CSV trovato</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Nessun file CSV trovato</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>File CSV non valido</translation>
    </message>
    <message>
        <source>No Connection with Given IP</source>
        <translation>Nessuna connessione con l&apos;IP indicato</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Nessun collegamento con il dispositivo</translation>
    </message>
</context>
<context>
    <name>ScanRules</name>
    <message>
        <source>Please provide valid unit range</source>
        <translation>Indicare un intervallo di unità valido</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS232 interface: Unit range is 1-255</source>
        <translation>Numero di unità non valido su RS232: intervallo 1-255</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS485 interface: Unit range is 1-255</source>
        <translation>Numero di unità non valido su RS485: intervallo 1-255</translation>
    </message>
    <message>
        <source>Please provide required information</source>
        <translation>Fornire le informazioni richieste</translation>
    </message>
    <message>
        <source>Please provide unit range</source>
        <translation>Indicare un intervallo di unità</translation>
    </message>
    <message>
        <source>Duplicate configuration in RS232 and RS485</source>
        <translation>Configurazione duplicata in RS232 e RS485</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Indicare un intervallo TCP/IP valido</translation>
    </message>
</context>
<context>
    <name>SelectCsvDialog</name>
    <message>
        <source>Select Csv File</source>
        <translation>Seleziona file CSV</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>file CSV non valido</translation>
    </message>
</context>
<context>
    <name>SetLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>Imposta lingua</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>File not found : general.csv. Program aborted!</source>
        <translation>File non trovato: general.csv. Programma interrotto!</translation>
    </message>
</context>
<context>
    <name>TabWidget</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Exit</source>
        <translation>Registrazione oscilloscopio in corso. Interromperla prima di uscire</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametri</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Oscilloscopio</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Fault Logger</source>
        <translation>Registro guasti</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Allarmi</translation>
    </message>
    <message>
        <source>Link Information</source>
        <translation>Informazioni collegamento</translation>
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
        <translation>Testo parametro</translation>
    </message>
    <message>
        <source> Unit</source>
        <translation> Unità di misura</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
</context>
<context>
    <name>TriggerDialog</name>
    <message>
        <source>Conditional Trigger</source>
        <translation>Trigger condizionale</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Trigger di livello</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nome unità</translation>
    </message>
    <message>
        <source>Group A</source>
        <translation>Gruppo A</translation>
    </message>
    <message>
        <source>Group B</source>
        <translation>Gruppo B</translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation>Nome segnale</translation>
    </message>
    <message>
        <source>Trigger Type</source>
        <translation>Tipo di trigger</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Discendente</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Entrambi</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Condizione</translation>
    </message>
    <message>
        <source>Before Time</source>
        <translation>Tempo prima</translation>
    </message>
    <message>
        <source>After Time</source>
        <translation>Tempo dopo</translation>
    </message>
    <message>
        <source>Capture Time</source>
        <translation>Tempo di acquisizione</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singolo</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Multiplo</translation>
    </message>
    <message>
        <source>Maximum Total File Size</source>
        <translation>Dimensione totale massima dei file</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Maximum Total Duration</source>
        <translation>Durata totale massima</translation>
    </message>
    <message>
        <source>Number Of Sample</source>
        <translation>Numero di campioni</translation>
    </message>
    <message>
        <source>Number Of Samples</source>
        <translation>Numero di campioni</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Enter Valid Value</source>
        <translation>Inserire un valore valido</translation>
    </message>
    <message>
        <source>Low Value Should be Less than High Value </source>
        <translation>Il valore basso deve essere minore del valore alto </translation>
    </message>
</context>
<context>
    <name>TriggerSettings</name>
    <message>
        <source>Trigger Options</source>
        <translation>Opzioni di trigger</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Trigger di livello</translation>
    </message>
    <message>
        <source>Conditional Trigger</source>
        <translation>Trigger condizionale</translation>
    </message>
    <message>
        <source>No Trigger</source>
        <translation>Nessun trigger</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>UnitConnector</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Invalid Unit Number: Unit range is 1-255</source>
        <translation>Numero di unità non valido: intervallo 1-255</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Registrazione oscilloscopio in corso.
Interrompere la registrazione</translation>
    </message>
    <message>
        <source>No csv file information</source>
        <translation>Nessuna informazione sul file csv</translation>
    </message>
    <message>
        <source>No channel information</source>
        <translation>Nessuna informazione sul canale</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Porta già aperta</translation>
    </message>
    <message>
        <source>Port is not Opened</source>
        <translation>La porta non è aperta</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>porta non aperta</translation>
    </message>
    <message>
        <source>Unit is already activated</source>
        <translation>Unità già attivata</translation>
    </message>
    <message>
        <source>duplicate ip address</source>
        <translation>indirizzo ip duplicato</translation>
    </message>
    <message>
        <source>No Connection with given IP</source>
        <translation>Nessuna connessione con l&apos;IP indicato</translation>
    </message>
    <message>
        <source>No CSV File</source>
        <translation>Nessun file CSV</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>File CSV non valido</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Nessun collegamento con il dispositivo</translation>
    </message>
    <message>
        <source>success</source>
        <translation>riuscito</translation>
    </message>
    <message>
        <source>device link established</source>
        <translation>collegamento con il dispositivo stabilito</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
    <message>
        <source>register overlap in the CSV file: %1</source>
        <translation>sovrapposizione di registri nel file CSV: %1</translation>
    </message>
    <message>
        <source>Error in CSV file 
 Please provide correct CSV file</source>
        <translation>Errore nel file CSV 
 Fornire un file CSV corretto</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>device link disconnected</source>
        <translation>collegamento con il dispositivo disconnesso</translation>
    </message>
    <message>
        <source>Config Error</source>
        <translation>Errore di configurazione</translation>
    </message>
    <message>
        <source>device link not reconnected</source>
        <translation>collegamento con il dispositivo non ripristinato</translation>
    </message>
    <message>
        <source>device link reconnected</source>
        <translation>collegamento con il dispositivo ripristinato</translation>
    </message>
    <message>
        <source>Device Link is established</source>
        <translation>Il collegamento con il dispositivo è stabilito</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Nessun file CSV trovato</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Removing</source>
        <translation>Registrazione oscilloscopio in corso. Interromperla prima di rimuovere</translation>
    </message>
    <message>
        <source>device link removed</source>
        <translation>collegamento con il dispositivo rimosso</translation>
    </message>
    <message>
        <source>drive trip: %1</source>
        <translation>blocco azionamento: %1</translation>
    </message>
    <message>
        <source>drive trip cleared: %1</source>
        <translation>blocco azionamento ripristinato: %1</translation>
    </message>
    <message>
        <source>unit %1 at %2</source>
        <translation>unità %1 su %2</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>unità %1 su %2</translation>
    </message>
    <message>
        <source>Could not connect %1: %2</source>
        <translation>Impossibile connettere %1: %2</translation>
    </message>
    <message>
        <source>Connected %1 (%2)</source>
        <translation>%1 connesso (%2)</translation>
    </message>
    <message>
        <source>device answers again</source>
        <translation>il dispositivo risponde di nuovo</translation>
    </message>
</context>
<context>
    <name>UnitTreeFrame</name>
    <message>
        <source>Scan Units</source>
        <translation>Cerca unità</translation>
    </message>
    <message>
        <source>Scans the units automatically 
 depending on configuration settings</source>
        <translation>Cerca automaticamente le unità 
 in base alle impostazioni</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Aggiungi unità</translation>
    </message>
    <message>
        <source>Opens window to provide unit details 
 inorder to establish connection</source>
        <translation>Apre una finestra per i dati dell&apos;unità 
 per stabilire la connessione</translation>
    </message>
    <message>
        <source>Units on RS232</source>
        <translation>Unità su RS232</translation>
    </message>
    <message>
        <source>Units on RS485</source>
        <translation>Unità su RS485</translation>
    </message>
    <message>
        <source>Units on TCP/IP</source>
        <translation>Unità su TCP/IP</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Unità da file</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
    </message>
</context>
<context>
    <name>VXMainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new parameter</source>
        <translation>Crea un nuovo set di parametri</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open parameter setting</source>
        <translation>Apri impostazione parametri</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>Save parameter setting</source>
        <translation>Salva impostazione parametri</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Print parameter setting</source>
        <translation>Stampa impostazione parametri</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Con&amp;fronta...</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Confronta due file</translation>
    </message>
    <message>
        <source>&amp;Load from drive</source>
        <translation>&amp;Carica dall&apos;azionamento</translation>
    </message>
    <message>
        <source>Load parameter setting from drive</source>
        <translation>Carica impostazione parametri dall&apos;azionamento</translation>
    </message>
    <message>
        <source>Load &amp;to drive</source>
        <translation>Carica &amp;nell&apos;azionamento</translation>
    </message>
    <message>
        <source>Load parameter setting to drive</source>
        <translation>Carica impostazione parametri nell&apos;azionamento</translation>
    </message>
    <message>
        <source>&amp;Dat File Information...</source>
        <translation>Informazioni file &amp;dat...</translation>
    </message>
    <message>
        <source>Customer information of dat file</source>
        <translation>Dati cliente del file dat</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Esci dall&apos;applicazione</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Lingua...</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Cambia lingua</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferenze...</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Modifica preferenze</translation>
    </message>
    <message>
        <source>Customer data...</source>
        <translation>Dati cliente...</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Dati cliente</translation>
    </message>
    <message>
        <source>Communication...</source>
        <translation>Comunicazione...</translation>
    </message>
    <message>
        <source>Communication settings</source>
        <translation>Impostazioni di comunicazione</translation>
    </message>
    <message>
        <source>About Tarvolink...</source>
        <translation>Informazioni su Tarvolink...</translation>
    </message>
    <message>
        <source>About Tarvolink</source>
        <translation>Informazioni su Tarvolink</translation>
    </message>
    <message>
        <source>User guide...</source>
        <translation>Guida utente...</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>Tarvolink</source>
        <translation>Tarvolink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>General CSV File Not Found</source>
        <translation>File general.csv non trovato</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Password File is missing</source>
        <translation>Il file della password non è presente</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Password non valida</translation>
    </message>
    <message>
        <source>View for alert(s) / notification(s)</source>
        <translation>Vista per allarmi / notifiche</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Role Change</source>
        <translation>Registrazione oscilloscopio in corso. Interromperla prima di cambiare ruolo</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Do you want to quit the Application?</source>
        <translation>Uscire dall&apos;applicazione?</translation>
    </message>
    <message>
        <source>The user guide was not found:
%1</source>
        <translation>Guida utente non trovata:
%1</translation>
    </message>
    <message>
        <source>Opening the user guide...</source>
        <translation>Apertura della guida utente...</translation>
    </message>
    <message>
        <source>No program to show PDF files was found.
The user guide is here:
%1</source>
        <translation>Non è stato trovato alcun programma per visualizzare i file PDF.
La guida utente si trova qui:
%1</translation>
    </message>
    <message>
        <source>Link Monitor...</source>
        <translation>Monitor collegamento...</translation>
    </message>
    <message>
        <source>Every exchange on the bus, with link statistics per unit</source>
        <translation>Ogni scambio sul bus, con statistiche di collegamento per unità</translation>
    </message>
    <message>
        <source>An administrator creates it on this computer with the command
%1</source>
        <translation>Un amministratore lo crea su questo computer con il comando
%1</translation>
    </message>
</context>
<context>
    <name>VxCommManageSerialPort</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 è in uso da un altro programma.</translation>
    </message>
    <message>
        <source>You have no access to %1. Add your user to the group that owns it (dialout) and log in again.</source>
        <translation>Non hai accesso a %1. Aggiungi il tuo utente al gruppo proprietario (dialout) e accedi di nuovo.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the adapter plugged in?</source>
        <translation>%1 non esiste: l&apos;adattatore è collegato?</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>numero di serie %1</translation>
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
        <translation>L&apos;adattatore di %1 è stato scollegato o sostituito; le sue unità si ricollegano da sole quando torna.</translation>
    </message>
</context>
<context>
    <name>VxCommModbusMaster</name>
    <message>
        <source>communication failure</source>
        <translation>errore di comunicazione</translation>
    </message>
    <message>
        <source>no server connection</source>
        <translation>nessuna connessione al server</translation>
    </message>
    <message>
        <source>communication failure timeout</source>
        <translation>errore di comunicazione: timeout</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>errore di scrittura</translation>
    </message>
    <message>
        <source>communication error in receive data</source>
        <translation>errore di comunicazione nei dati ricevuti</translation>
    </message>
    <message>
        <source>invalid transaction id</source>
        <translation>id transazione non valido</translation>
    </message>
    <message>
        <source>no data within timeout</source>
        <translation>nessun dato entro il timeout</translation>
    </message>
    <message>
        <source>invalid unit id</source>
        <translation>id unità non valido</translation>
    </message>
    <message>
        <source>invalid function code</source>
        <translation>codice funzione non valido</translation>
    </message>
    <message>
        <source>no communication interface</source>
        <translation>nessuna interfaccia di comunicazione</translation>
    </message>
    <message>
        <source>invalid function type</source>
        <translation>tipo di funzione non valido</translation>
    </message>
    <message>
        <source>communication timeout error</source>
        <translation>errore di timeout della comunicazione</translation>
    </message>
    <message>
        <source>crc error</source>
        <translation>errore crc</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>porta non aperta</translation>
    </message>
    <message>
        <source>port already open</source>
        <translation>porta già aperta</translation>
    </message>
    <message>
        <source>warning message received</source>
        <translation>messaggio di avviso ricevuto</translation>
    </message>
    <message>
        <source>invalid received message length</source>
        <translation>lunghezza del messaggio ricevuto non valida</translation>
    </message>
    <message>
        <source>device has disconnected</source>
        <translation>il dispositivo si è disconnesso</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>WorkerOps</name>
    <message>
        <source>catchForwardButtonSignal:Write Error </source>
        <translation>Marcia avanti: errore di scrittura</translation>
    </message>
    <message>
        <source>catchBackButtonSignal:Write Error </source>
        <translation>Marcia indietro: errore di scrittura</translation>
    </message>
    <message>
        <source>catchStopButtonSignal:Write Error </source>
        <translation>Arresto: errore di scrittura</translation>
    </message>
    <message>
        <source>catchReferenceSourceSignal:Write Error </source>
        <translation>Sorgente del riferimento: errore di scrittura</translation>
    </message>
    <message>
        <source>catchRunStopSourceSignal:Write Error </source>
        <translation>Sorgente marcia/arresto: errore di scrittura</translation>
    </message>
    <message>
        <source>catchRefValueSignal:Write Error</source>
        <translation>Valore di riferimento: errore di scrittura</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non collegato</translation>
    </message>
    <message>
        <source> Comm Error</source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message>
        <source>Comm Error
 refer log details</source>
        <translation>Errore di comunicazione
 dettagli nel registro</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Connessione persa</translation>
    </message>
    <message>
        <source>OprStatusUpdate:Write Error</source>
        <translation>Aggiornamento stato: errore di scrittura</translation>
    </message>
    <message>
        <source>TriplogUpdate:Write Error</source>
        <translation>Aggiornamento registro guasti: errore di scrittura</translation>
    </message>
</context>
<context>
    <name>addunit</name>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Indicare un intervallo TCP/IP valido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Please provide required configuration details</source>
        <translation>Fornire i dettagli di configurazione richiesti</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>csv File(*.csv)</source>
        <translation>Descrizione del dispositivo (*.csv)</translation>
    </message>
    <message>
        <source>Add Units</source>
        <translation>Aggiungi unità</translation>
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
        <translation>Unità</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parità</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Data File Selection</source>
        <translation>Selezione file dati</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>alarms</name>
    <message>
        <source>Current Alerts</source>
        <translation>Allarmi attuali</translation>
    </message>
    <message>
        <source>Alert History</source>
        <translation>Cronologia allarmi</translation>
    </message>
    <message>
        <source>First: %1
Last: %2</source>
        <translation>Prima: %1
Ultima: %2</translation>
    </message>
    <message>
        <source>Save Alerts</source>
        <translation>Salva allarmi</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>The alerts could not be saved to
%1:
%2</source>
        <translation>Impossibile salvare gli allarmi in
%1:
%2</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Ultima volta</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Empty the list; the log file keeps every alert</source>
        <translation>Svuota l&apos;elenco; il file di registro conserva ogni allarme</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy the selected alerts, or all of them, as text</source>
        <translation>Copia gli allarmi selezionati, o tutti, come testo</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Salva...</translation>
    </message>
</context>
<context>
    <name>scanDialog</name>
    <message>
        <source>Scan for devices</source>
        <translation>Cerca dispositivi</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Automatically scan for devices?</source>
        <translation>Cercare automaticamente i dispositivi?</translation>
    </message>
</context>
<context>
    <name>scanning</name>
    <message>
        <source>No units connected</source>
        <translation>Nessuna unità collegata</translation>
    </message>
    <message>
        <source>No of devices found:</source>
        <translation>N. di dispositivi trovati:</translation>
    </message>
    <message>
        <source>Scan Progress</source>
        <translation>Avanzamento ricerca</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Ricerca automatica</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Ricerca in corso</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while 
scanning for units. To stop scanning click cancel.</source>
        <translation>Nota: non è possibile alcuna operazione durante 
la ricerca delle unità. Per interrompere fare clic su Annulla.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
