<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SV">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About Tarvolink</source>
        <translation>Om Tarvolink</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Commissioning and service tool for variable-speed drives.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Verktyg för idrifttagning och service av frekvensomriktare.&lt;/p&gt;&lt;p&gt;Byggt med Qt %2 (LGPL v3) och QCustomPlot (GPL v3).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>AddFavParam</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriter</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>AlertEvent</name>
    <message>
        <source>unit %1</source>
        <translation>enhet %1</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>enhet %1 på %2</translation>
    </message>
    <message>
        <source>no answer to a write of %1 after %2 attempts</source>
        <translation>inget svar på skrivning till %1 efter %2 försök</translation>
    </message>
    <message>
        <source>no answer to a write of %1</source>
        <translation>inget svar på skrivning till %1</translation>
    </message>
    <message>
        <source>no answer to a read of %1 after %2 attempts</source>
        <translation>inget svar på läsning av %1 efter %2 försök</translation>
    </message>
    <message>
        <source>no answer to a read of %1</source>
        <translation>inget svar på läsning av %1</translation>
    </message>
    <message>
        <source>write of %1 failed after %2 attempts: %3</source>
        <translation>skrivning till %1 misslyckades efter %2 försök: %3</translation>
    </message>
    <message>
        <source>write of %1 failed: %2</source>
        <translation>skrivning till %1 misslyckades: %2</translation>
    </message>
    <message>
        <source>read of %1 failed after %2 attempts: %3</source>
        <translation>läsning av %1 misslyckades efter %2 försök: %3</translation>
    </message>
    <message>
        <source>read of %1 failed: %2</source>
        <translation>läsning av %1 misslyckades: %2</translation>
    </message>
    <message>
        <source>the unit refused a write of %1: %2</source>
        <translation>enheten avvisade skrivning till %1: %2</translation>
    </message>
    <message>
        <source>the unit refused a read of %1: %2</source>
        <translation>enheten avvisade läsning av %1: %2</translation>
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
        <translation>Information</translation>
    </message>
    <message>
        <source>Auto Scan Settings</source>
        <translation>Inställningar för automatisk sökning</translation>
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
        <translation>Portar</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Överföringshastighet</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paritet</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Enheter</translation>
    </message>
    <message>
        <source>Start IP:</source>
        <translation>Start-IP:</translation>
    </message>
    <message>
        <source>End IP:</source>
        <translation>Slut-IP:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Starta sökning</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Annan port</translation>
    </message>
</context>
<context>
    <name>CommSettings</name>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Kommunikationsinställningar</translation>
    </message>
    <message>
        <source>Continue despite communication fault</source>
        <translation>Fortsätt trots kommunikationsfel</translation>
    </message>
    <message>
        <source>Delay between messages  (ms) :</source>
        <translation>Fördröjning mellan meddelanden  (ms) :</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Number of retries</source>
        <translation>Antal omförsök</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Delay should be at least 35 ms.</source>
        <translation>Fördröjningen måste vara minst 35 ms.</translation>
    </message>
</context>
<context>
    <name>CompPrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Utskriftsalternativ</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Spara som PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>CompareParameters</name>
    <message>
        <source>Mode</source>
        <translation>Läge</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Jämför</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Jämför med</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Endast i %1</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Filerna är identiska</translation>
    </message>
    <message>
        <source>The parameters both sides have are identical</source>
        <translation>Parametrarna som finns på båda sidor är identiska</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Select Unit</source>
        <translation>Välj enhet</translation>
    </message>
    <message>
        <source>Compare Parameters</source>
        <translation>Jämför parametrar</translation>
    </message>
    <message>
        <source>Add Units to Compare</source>
        <translation>Lägg till enheter att jämföra</translation>
    </message>
    <message>
        <source>Select Parameters to compare</source>
        <translation>Välj parametrar att jämföra</translation>
    </message>
    <message>
        <source>Select Parameters to be compared with</source>
        <translation>Välj parametrar att jämföra med</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>%1 (file)</source>
        <translation>%1 (fil)</translation>
    </message>
</context>
<context>
    <name>Connect</name>
    <message>
        <source>RS232 Unit Details</source>
        <translation>Enhetsdetaljer RS232</translation>
    </message>
    <message>
        <source>RS485 Unit Details</source>
        <translation>Enhetsdetaljer RS485</translation>
    </message>
    <message>
        <source>TCP/IP Unit Details</source>
        <translation>Enhetsdetaljer TCP/IP</translation>
    </message>
    <message>
        <source>File Unit Details</source>
        <translation>Detaljer för filenhet</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Överföringshastighet</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paritet</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>Drive SW Version</source>
        <translation>Programversion i omriktaren</translation>
    </message>
    <message>
        <source>CSV Version Used</source>
        <translation>Använd CSV-version</translation>
    </message>
    <message>
        <source>IP Addr</source>
        <translation>IP-adr.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>Datafil</translation>
    </message>
</context>
<context>
    <name>ControlBox</name>
    <message>
        <source>Control Source</source>
        <translation>Styrkälla</translation>
    </message>
    <message>
        <source>Select Run/Stop Source</source>
        <translation>Välj källa för start/stopp</translation>
    </message>
    <message>
        <source>Select Reference Source</source>
        <translation>Välj källa för referens</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tangentbord</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Fjärr</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Tillval</translation>
    </message>
</context>
<context>
    <name>CtrlPanelController</name>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Range is 0 to 100</source>
        <translation>Intervallet är 0 till 100</translation>
    </message>
</context>
<context>
    <name>CtrlPanelFrame</name>
    <message>
        <source>No Unit</source>
        <translation>Ingen enhet</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Manöverpanel</translation>
    </message>
    <message>
        <source>Ref value</source>
        <translation>Ref.-värde</translation>
    </message>
    <message>
        <source>Ref source</source>
        <translation>Ref.-källa</translation>
    </message>
    <message>
        <source>Run/Stop source</source>
        <translation>Källa start/stopp</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Framåt</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Fjärr</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tangentbord</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Tillval</translation>
    </message>
</context>
<context>
    <name>CurrentUnitPresenter</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Ansluter till %1...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oscilloskopet spelar in.
Stoppa inspelningen</translation>
    </message>
</context>
<context>
    <name>CustomerDataDialog</name>
    <message>
        <source>Customer Data</source>
        <translation>Kunddata</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Företagsnamn</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Gatuadress 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Gatuadress 2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stad</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontaktperson</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applikation</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Driftsatt av</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serienummer</translation>
    </message>
</context>
<context>
    <name>EditFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriter</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Välj uppsättning</translation>
    </message>
    <message>
        <source>Set Name</source>
        <translation>Uppsättningens namn</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Läge</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametrar</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Auto-
skala</translation>
    </message>
    <message>
        <source>Param
Name</source>
        <translation>Param.-
namn</translation>
    </message>
    <message>
        <source>Curr
Val</source>
        <translation>Akt.
värde</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Parametern finns redan</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>File Export</source>
        <translation>Filexport</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Läge</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Enhet</translation>
    </message>
</context>
<context>
    <name>FtpWindow</name>
    <message>
        <source>Ftp &amp;server:</source>
        <translation>Ftp-&amp;server:</translation>
    </message>
    <message>
        <source>ftp://&lt;UserName&gt;:&lt;Password&gt;@&lt;Hostname&gt;</source>
        <translation>ftp://&lt;Användarnamn&gt;:&lt;Lösenord&gt;@&lt;Värdnamn&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Ägare</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupp</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Gå till överordnad mapp</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Hämta</translation>
    </message>
    <message>
        <source>Download All New</source>
        <translation>Hämta alla nya</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>FTP Link file is not found</source>
        <translation>Filen med FTP-länken hittades inte</translation>
    </message>
    <message>
        <source>The FTP URL is not valid</source>
        <translation>FTP-adressen är ogiltig</translation>
    </message>
    <message>
        <source>Connecting to FTP server %1...</source>
        <translation>Ansluter till FTP-servern %1...</translation>
    </message>
    <message>
        <source>The FTP server at %1 shows a certificate that no trusted authority has signed. The connection was refused.</source>
        <translation>FTP-servern på %1 visar ett certifikat som ingen betrodd utfärdare har signerat. Anslutningen nekades.</translation>
    </message>
    <message>
        <source>The FTP server at %1 did not set up a protected (TLS) connection. The connection was refused.</source>
        <translation>FTP-servern på %1 upprättade ingen skyddad (TLS) anslutning. Anslutningen nekades.</translation>
    </message>
    <message>
        <source>Unable to connect to the FTP server at %1. Please check that the host name is correct.</source>
        <translation>Det gick inte att ansluta till FTP-servern på %1. Kontrollera att värdnamnet är rätt.</translation>
    </message>
    <message>
        <source>Unable to list the directory: %1</source>
        <translation>Det gick inte att lista mappen: %1</translation>
    </message>
    <message>
        <source>Logged onto %1.</source>
        <translation>Inloggad på %1.</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;tom&gt;</translation>
    </message>
    <message>
        <source>Select only CSV file to download.</source>
        <translation>Välj endast CSV-filer att hämta.</translation>
    </message>
    <message>
        <source>The server lists the name %1, which is not a plain file name. Nothing was written.</source>
        <translation>Servern listar namnet %1, som inte är ett enkelt filnamn. Inget skrevs.</translation>
    </message>
    <message>
        <source>File already downloaded, do you want to overwrite?</source>
        <translation>Filen är redan hämtad, vill du skriva över den?</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Hämtar %1...</translation>
    </message>
    <message>
        <source>Downloaded %1 to current directory.</source>
        <translation>%1 hämtades till aktuell mapp.</translation>
    </message>
    <message>
        <source>File Downloaded Successfully</source>
        <translation>Filen hämtades</translation>
    </message>
    <message>
        <source>Download Failed %1 to current directory.</source>
        <translation>Hämtningen av %1 till aktuell mapp misslyckades.</translation>
    </message>
    <message>
        <source>File Size mismatched</source>
        <translation>Filstorleken stämmer inte</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Hämtningen av %1 avbröts.</translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Det gick inte att spara filen %1: %2.</translation>
    </message>
    <message>
        <source>File Download Error:</source>
        <translation>Fel vid filhämtning:</translation>
    </message>
    <message>
        <source>The server lists names that are not plain file names. Nothing was written for them:
%1</source>
        <translation>Servern listar namn som inte är enkla filnamn. Inget skrevs för dem:
%1</translation>
    </message>
    <message>
        <source>Error in downloading new files. Please download again.</source>
        <translation>Fel vid hämtning av nya filer. Hämta igen.</translation>
    </message>
    <message>
        <source>Operation is successful. All files are updated and no file is downloaded.</source>
        <translation>Åtgärden lyckades. Alla filer är aktuella och ingen fil hämtades.</translation>
    </message>
    <message>
        <source>Operation is successful. The total number of files downloaded is %1.</source>
        <translation>Åtgärden lyckades. Antal hämtade filer: %1.</translation>
    </message>
</context>
<context>
    <name>HeaderLine</name>
    <message>
        <source>Select a Language</source>
        <translation>Välj språk</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändra</translation>
    </message>
    <message>
        <source>Logged on as:</source>
        <translation>Inloggad som:</translation>
    </message>
    <message>
        <source>Alert(s)/Notification(s):</source>
        <translation>Larm/meddelanden:</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>oscilloscope block %1</source>
        <translation>oscilloskopblock %1</translation>
    </message>
    <message>
        <source>%1, set %2</source>
        <translation>%1, uppsättning %2</translation>
    </message>
    <message>
        <source>%1 (%2 registers)</source>
        <translation>%1 (%2 register)</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>parametrar</translation>
    </message>
    <message>
        <source>device code</source>
        <translation>enhetskod</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>programversion</translation>
    </message>
    <message>
        <source>drive size</source>
        <translation>omriktarstorlek</translation>
    </message>
    <message>
        <source>status</source>
        <translation>status</translation>
    </message>
    <message>
        <source>trip log</source>
        <translation>larmlogg</translation>
    </message>
    <message>
        <source>control panel</source>
        <translation>manöverpanel</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <translation>oscilloskop</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>sökning</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>undantag %1</translation>
    </message>
    <message>
        <source>link error %1</source>
        <translation>länkfel %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception</source>
        <translation>undantag</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>tidsgräns</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>felaktig CRC</translation>
    </message>
    <message>
        <source>wrong unit</source>
        <translation>fel enhet</translation>
    </message>
    <message>
        <source>wrong function</source>
        <translation>fel funktion</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>fel längd</translation>
    </message>
    <message>
        <source>wrong transaction</source>
        <translation>fel transaktion</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>anslutning nekad</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>anslutning förlorad</translation>
    </message>
    <message>
        <source>link error</source>
        <translation>länkfel</translation>
    </message>
</context>
<context>
    <name>LinkMonitorModel</name>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Länk</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Asked for</source>
        <translation>Efterfrågat</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Värden</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Utfall</translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation>Försök</translation>
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
        <translation>Länkmonitor</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Alla enheter</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Alla förfrågningar</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identifiering</translation>
    </message>
    <message>
        <source>Failures and resends only</source>
        <translation>Endast fel och omsändningar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Keeps recording but stops following the newest exchange</source>
        <translation>Fortsätter spela in men slutar följa det senaste utbytet</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rensa</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Spara som CSV...</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Nollställ statistik</translation>
    </message>
    <message>
        <source>%1 exchanges shown, %2 kept, %3 dropped as the oldest</source>
        <translation>%1 utbyten visas, %2 sparade, %3 borttagna som äldst</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Utbyten</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Omsändningar</translation>
    </message>
    <message>
        <source>Response min / mean / 95 % / max</source>
        <translation>Svar min / medel / 95 % / max</translation>
    </message>
    <message>
        <source>Last failure</source>
        <translation>Senaste fel</translation>
    </message>
    <message>
        <source>none</source>
        <translation>inget</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Spara som CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>The exchanges could not be saved: %1</source>
        <translation>Utbytena kunde inte sparas: %1</translation>
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
        <translation>Service</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Användare</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Logga in</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
</context>
<context>
    <name>OscPlotArea</name>
    <message>
        <source>Set Marker 1 Here</source>
        <translation>Sätt markör 1 här</translation>
    </message>
    <message>
        <source>Set Marker 2 Here</source>
        <translation>Sätt markör 2 här</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Rensa markörer</translation>
    </message>
    <message>
        <source>Save plot as PNG...</source>
        <translation>Spara diagram som PNG...</translation>
    </message>
    <message>
        <source>Save plot as PDF...</source>
        <translation>Spara diagram som PDF...</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Spara diagram</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ogiltig filsökväg</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Visa allt</translation>
    </message>
    <message>
        <source>Automatic Value Range</source>
        <translation>Automatiskt värdeområde</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tid (s)</translation>
    </message>
</context>
<context>
    <name>OscPrintGui</name>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabell</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Skrivare</translation>
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
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>OsciSettings</name>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Bakgrundsfärg</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Vit</translation>
    </message>
    <message>
        <source>Changes plot area color to white</source>
        <translation>Gör diagramytan vit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Svart</translation>
    </message>
    <message>
        <source>Changes plot area color to black</source>
        <translation>Gör diagramytan svart</translation>
    </message>
    <message>
        <source>Colorbar for setting plot color to 
different shades between black and white</source>
        <translation>Färgfält för att ställa in diagramytan 
i nyanser mellan svart och vitt</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Linjebredd</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Tunn</translation>
    </message>
    <message>
        <source>Changes the width of graph to thin</source>
        <translation>Visar kurvorna med tunn linje</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Tjock</translation>
    </message>
    <message>
        <source>Changes the width of graph to fat</source>
        <translation>Visar kurvorna med tjock linje</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Rutnät</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>keeps the grid for plot areas</source>
        <translation>visar rutnätet i diagramytorna</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>removes the grid for plot areas</source>
        <translation>döljer rutnätet i diagramytorna</translation>
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
        <translation>Välj färg</translation>
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
        <translation>Enheter från fil</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriter</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Läs in</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Prints table/graph</source>
        <translation>Skriver ut tabell/diagram</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>display only analog signals</source>
        <translation>visa endast analoga signaler</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>display only digital signals</source>
        <translation>visa endast digitala signaler</translation>
    </message>
    <message>
        <source>Analog-Digital</source>
        <translation>Analog-digital</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zooma</translation>
    </message>
    <message>
        <source>Back 2</source>
        <translation>Bakåt 2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Framåt</translation>
    </message>
    <message>
        <source>Forward 2</source>
        <translation>Framåt 2</translation>
    </message>
    <message>
        <source>Set Sampling Time</source>
        <translation>Ställ in samplingstid</translation>
    </message>
    <message>
        <source>Data from unit will be retrieved at this interval.</source>
        <translation>Data från enheten hämtas med detta intervall.</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Inspelning</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Auto-
skala</translation>
    </message>
    <message>
        <source>Param Name</source>
        <translation>Parameternamn</translation>
    </message>
    <message>
        <source>Curr
Value</source>
        <translation>Aktuellt
värde</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Enhet</translation>
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
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stops the recording and displaying the graphs</source>
        <translation>Stoppar inspelningen och visningen av kurvorna</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Starts the recording and displaying the selected graphs</source>
        <translation>Startar inspelningen och visningen av valda kurvor</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Resumes the displaying of selected graphs</source>
        <translation>Återupptar visningen av valda kurvor</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Pauses the displaying of selected graphs 
while recording continues in background</source>
        <translation>Pausar visningen av valda kurvor 
medan inspelningen fortsätter i bakgrunden</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Svarstid</translation>
    </message>
    <message>
        <source>Slowest Device</source>
        <translation>Långsammaste enhet</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No unit is connected to record from</source>
        <translation>Ingen enhet är ansluten att spela in från</translation>
    </message>
    <message>
        <source>Trigger in Progress- Do you want to Stop?</source>
        <translation>Trigger pågår - Vill du stoppa?</translation>
    </message>
    <message>
        <source>Do you want to save rec file?</source>
        <translation>Vill du spara inspelningsfilen?</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ogiltig filsökväg</translation>
    </message>
    <message>
        <source>Open rec file</source>
        <translation>Öppna inspelningsfil</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oscilloskopet spelar in.
Stoppa inspelningen</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Konfigurerad</translation>
    </message>
    <message>
        <source>Not Active</source>
        <translation>Inte aktiv</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Väntar...</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Körs...</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Parametern finns redan</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Favourite list is empty</source>
        <translation>Favoritlistan är tom</translation>
    </message>
    <message>
        <source>Save pdf file</source>
        <translation>Spara PDF-fil</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Inga data</translation>
    </message>
    <message>
        <source>The recording is kept in %1</source>
        <translation>Inspelningen finns kvar i %1</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Visa allt</translation>
    </message>
    <message>
        <source>Shows the whole recording (key F over the plots)</source>
        <translation>Visar hela inspelningen (tangenten F över diagrammen)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Auto Y</translation>
    </message>
    <message>
        <source>Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the mouse wheel zoom the values)</source>
        <translation>Ger det analoga diagrammet dess automatiska värdeområde igen (tangenten A över diagrammen; Ctrl och mushjulet zoomar värdena)</translation>
    </message>
    <message>
        <source>(armed at the next Start)</source>
        <translation>(aktiveras vid nästa ”Starta”)</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Diagrammet sparat i %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Spara som CSV</translation>
    </message>
    <message>
        <source>Saves the shown recording as plain CSV, one column per signal</source>
        <translation>Sparar den visade inspelningen som enkel CSV, en kolumn per signal</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Inspelad %1</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% av området</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Spara inspelning</translation>
    </message>
    <message>
        <source>Recording saved to %1</source>
        <translation>Inspelningen sparad i %1</translation>
    </message>
    <message>
        <source>There is no recording to save</source>
        <translation>Det finns ingen inspelning att spara</translation>
    </message>
    <message>
        <source>CSV saved to %1</source>
        <translation>CSV sparad i %1</translation>
    </message>
    <message>
        <source>PDF saved to %1</source>
        <translation>PDF sparad i %1</translation>
    </message>
</context>
<context>
    <name>ParamTransfer</name>
    <message>
        <source>Parameters Loading To Drive</source>
        <translation>Parametrar skrivs till omriktaren</translation>
    </message>
    <message>
        <source>Parameters Loading from Drive</source>
        <translation>Parametrar läses från omriktaren</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Vänta...</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while the parameters 
   are &quot;Load From Drive&quot; or &quot;Load To Drive&quot; in the parameter window.
   To cancel operation click cancel.</source>
        <translation>Obs! Inga åtgärder kan utföras medan parametrarna 
   läses (&quot;Läs från omriktare&quot;) eller skrivs (&quot;Skriv till omriktare&quot;).
   Klicka på Avbryt för att avbryta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n parameter(s) to %1</source>
        <translation>
            <numerusform>Skrev %n parameter till %1</numerusform>
            <numerusform>Skrev %n parametrar till %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n parameter(s) from %1</source>
        <translation>
            <numerusform>Läste %n parameter från %1</numerusform>
            <numerusform>Läste %n parametrar från %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to %1 cancelled after %2 of %3 parameters</source>
        <translation>Skrivning till %1 avbröts efter %2 av %3 parametrar</translation>
    </message>
    <message>
        <source>Read from %1 cancelled after %2 of %3 parameters</source>
        <translation>Läsning från %1 avbröts efter %2 av %3 parametrar</translation>
    </message>
    <message>
        <source>Write to %1 ended: the unit was removed</source>
        <translation>Skrivning till %1 avslutades: enheten togs bort</translation>
    </message>
    <message>
        <source>Read from %1 ended: the unit was removed</source>
        <translation>Läsning från %1 avslutades: enheten togs bort</translation>
    </message>
    <message>
        <source>Write to %1 failed after %2 of %3 parameters</source>
        <translation>Skrivning till %1 misslyckades efter %2 av %3 parametrar</translation>
    </message>
    <message>
        <source>Read from %1 failed after %2 of %3 parameters</source>
        <translation>Läsning från %1 misslyckades efter %2 av %3 parametrar</translation>
    </message>
    <message>
        <source>; %1 parameters without a value were skipped</source>
        <translation>; %1 parametrar utan värde hoppades över</translation>
    </message>
</context>
<context>
    <name>ParameterActions</name>
    <message>
        <source>Sent %1 (set %2) to %3</source>
        <translation>Skickade %1 (uppsättning %2) till %3</translation>
    </message>
    <message>
        <source>Sending %1 (set %2) to %3 failed</source>
        <translation>Det gick inte att skicka %1 (uppsättning %2) till %3</translation>
    </message>
    <message>
        <source>%1: Device not connected</source>
        <translation>%1: Enheten är inte ansluten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Enheten är inte ansluten</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>These parameter sets have changes that are not saved:
%1

Do you want to save them?</source>
        <translation>Dessa parameteruppsättningar har ändringar som inte är sparade:
%1

Vill du spara dem?</translation>
    </message>
</context>
<context>
    <name>ParameterPrint</name>
    <message>
        <source>Save pdf file</source>
        <translation>Spara PDF-fil</translation>
    </message>
    <message>
        <source>(*.pdf)</source>
        <translation>(*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>PDF-filen kunde inte skrivas:
%1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Skickat till skrivaren</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Sparade %1</translation>
    </message>
</context>
<context>
    <name>ParameterToolBar</name>
    <message>
        <source>Collapse All</source>
        <translation>Fäll ihop alla</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Fäll ut alla</translation>
    </message>
    <message>
        <source>Collapses All Parameters</source>
        <translation>Fäller ihop alla parametrar</translation>
    </message>
    <message>
        <source>Expands All Parameters</source>
        <translation>Fäller ut alla parametrar</translation>
    </message>
    <message>
        <source>No Unit</source>
        <translation>Ingen enhet</translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Läs från omriktare</translation>
    </message>
    <message>
        <source>Imports data from 
controlcard to application</source>
        <translation>Hämtar data från 
styrkortet till programmet</translation>
    </message>
    <message>
        <source>Load to Drive</source>
        <translation>Skriv till omriktare</translation>
    </message>
    <message>
        <source>Exports data from 
application to controlcard</source>
        <translation>Skickar data från 
programmet till styrkortet</translation>
    </message>
    <message>
        <source>Opens new csv file</source>
        <translation>Öppnar en ny csv-fil</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Opens already saved .dat files</source>
        <translation>Öppnar sparade .dat-filer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Saves the file in .dat format</source>
        <translation>Sparar filen i .dat-format</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Prints the parameter view</source>
        <translation>Skriver ut parametervyn</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Jämför</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Jämför två filer</translation>
    </message>
    <message>
        <source>Send changes directly</source>
        <translation>Skicka ändringar direkt</translation>
    </message>
    <message>
        <source>Exports the edited parameters immediately to controlcard if checked</source>
        <translation>Skickar ändrade parametrar direkt till styrkortet när rutan är markerad</translation>
    </message>
    <message>
        <source>Upgrade CSV</source>
        <translation>Uppdatera CSV</translation>
    </message>
    <message>
        <source>Send directly</source>
        <translation>Skicka direkt</translation>
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
        <translation>Undre gräns för den valda parametern</translation>
    </message>
    <message>
        <source>Maximum limit of the parameter selected in the view</source>
        <translation>Övre gräns för den valda parametern</translation>
    </message>
    <message>
        <source>Parameter Help</source>
        <translation>Parameterhjälp</translation>
    </message>
    <message>
        <source>Please refer help manual.</source>
        <translation>Se handboken.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>ogiltig CSV-fil</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>csv File(*.dat)</source>
        <translation>Parameteruppsättning (*.dat)</translation>
    </message>
    <message>
        <source>The file could not be opened:
%1</source>
        <translation>Filen kunde inte öppnas:
%1</translation>
    </message>
    <message>
        <source>Save dat file</source>
        <translation>Spara dat-fil</translation>
    </message>
    <message>
        <source>(*.dat)</source>
        <translation>(*.dat)</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1</source>
        <translation>Filen kunde inte sparas:
%1</translation>
    </message>
    <message>
        <source>oscView Record in Progress.
You can stop recording for faster performance
Do you want to Continue?</source>
        <translation>Oscilloskopet spelar in.
Stoppa inspelningen för snabbare drift
Vill du fortsätta?</translation>
    </message>
    <message>
        <source>No unit is connected to load the parameters to.</source>
        <translation>Ingen enhet är ansluten att skriva parametrarna till.</translation>
    </message>
    <message>
        <source>Sizes of drives are differ
 Do you want to continue?</source>
        <translation>Omriktarnas storlekar skiljer sig
 Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Type of drives are differ
 Do you want to continue?</source>
        <translation>Omriktartyperna skiljer sig
 Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Version of drives are differ
 Do you want to continue?</source>
        <translation>Omriktarnas versioner skiljer sig
 Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Motor is running, some of configuration parameter may not set properly.
Do you want to Continue?</source>
        <translation>Motorn går, vissa konfigurationsparametrar kanske inte ställs in korrekt.
Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Copy parameters to Drive</source>
        <translation>Kopiera parametrar till omriktaren</translation>
    </message>
    <message>
        <source>The range is %1 to %2.</source>
        <translation>Intervallet är %1 till %2.</translation>
    </message>
    <message>
        <source>%1: that key is not accepted here. %2</source>
        <translation>%1: den tangenten godtas inte här. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken. %3</source>
        <translation>%1: ”%2” togs inte emot. %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value for %2.</source>
        <translation>”%1” är inte ett giltigt värde för %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Öppnade %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Sparade %1</translation>
    </message>
    <message>
        <source>%1 parameters were not read from the unit. Save anyway?</source>
        <translation>%1 parametrar lästes inte från enheten. Spara ändå?</translation>
    </message>
    <message>
        <source>%1 parameters have no value in this set and will be skipped.</source>
        <translation>%1 parametrar saknar värde i denna uppsättning och hoppas över.</translation>
    </message>
    <message>
        <source>The file holds %1 of %2 parameters of %3. Write these %1?</source>
        <translation>Filen innehåller %1 av %2 parametrar i %3. Skriva dessa %1?</translation>
    </message>
    <message>
        <source>%1 %2 is now %3 in set %4</source>
        <translation>%1 %2 är nu %3 i set %4</translation>
    </message>
    <message>
        <source>%1 parameters of %2 to %3</source>
        <translation>%1 parametrar från %2 till %3</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; on Automatic scan (scan unit)</source>
        <translation>&quot;Läs från omriktare&quot; vid automatisk sökning (sök enheter)</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; in Manual Add unit, on Connect</source>
        <translation>&quot;Läs från omriktare&quot; vid manuellt tillägg, vid anslutning</translation>
    </message>
    <message>
        <source>Automatic scan on application startup</source>
        <translation>Automatisk sökning när programmet startar</translation>
    </message>
    <message>
        <source>Automatic save Setting on Exit</source>
        <translation>Spara inställningar automatiskt vid avslut</translation>
    </message>
    <message>
        <source>&quot;Load to Drive&quot; only offline Changed Parameters</source>
        <translation>&quot;Skriv till omriktare&quot; endast offline ändrade parametrar</translation>
    </message>
    <message>
        <source>Read in blocks</source>
        <translation>Läs i block</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>PrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Utskriftsalternativ</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Spara som PDF</translation>
    </message>
    <message>
        <source>All Parameters</source>
        <translation>Alla parametrar</translation>
    </message>
    <message>
        <source>With ReadOnly</source>
        <translation>Med skrivskyddade</translation>
    </message>
    <message>
        <source>Changed Values</source>
        <translation>Ändrade värden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Company Name</source>
        <translation>Företagsnamn</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Applikation</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adress</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Driftsatt av</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Enhetsnamn</translation>
    </message>
    <message>
        <source>Drive Version</source>
        <translation>Omriktarversion</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Parametertext</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Filerna är identiska</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Jämför</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Jämför med</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Endast i %1</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja till &amp;alla</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ej till alla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Spara alla</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standardvärden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt åtgärd</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorera</translation>
    </message>
</context>
<context>
    <name>RecFileReader</name>
    <message>
        <source>CSV file not found</source>
        <translation>Enhetsbeskrivningsfilen hittades inte</translation>
    </message>
    <message>
        <source>Invalid Rec file</source>
        <translation>Ogiltig inspelningsfil</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ogiltig filsökväg</translation>
    </message>
    <message>
        <source>Give Filepath</source>
        <translation>Ange en filsökväg</translation>
    </message>
</context>
<context>
    <name>RoleChange</name>
    <message>
        <source>Change User Role - Confirmation</source>
        <translation>Byt användarroll – bekräftelse</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Byt användare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Changing the User role will re-establish the communication with
connected units to support all extra functions. Do you want to
continue?</source>
        <translation>Byte av användarroll återupprättar kommunikationen med
anslutna enheter för att stödja alla extra funktioner. Vill du
fortsätta?</translation>
    </message>
</context>
<context>
    <name>ScanController</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oscilloskopet spelar in.
Stoppa inspelningen</translation>
    </message>
    <message>
        <source>Scanning will delete all connected units.
 Do you want to proceed?</source>
        <translation>Sökningen tar bort alla anslutna enheter.
 Vill du fortsätta?</translation>
    </message>
    <message>
        <source>No unit found on %1.</source>
        <translation>Ingen enhet hittades på %1.</translation>
    </message>
    <message numerus="yes">
        <source>The scan found %n unit(s)</source>
        <translation>
            <numerusform>Sökningen hittade %n enhet</numerusform>
            <numerusform>Sökningen hittade %n enheter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Parameters read from the %n unit(s) found by the scan</source>
        <translation>
            <numerusform>Parametrar lästa från %n enhet som sökningen hittade</numerusform>
            <numerusform>Parametrar lästa från de %n enheter som sökningen hittade</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanImport</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>No. of devices: </source>
        <translation>Antal enheter: </translation>
    </message>
    <message>
        <source>In progress: </source>
        <translation>Pågår: </translation>
    </message>
    <message>
        <source>Done: </source>
        <translation>Klara: </translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Läs från omriktare</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Vänta...</translation>
    </message>
</context>
<context>
    <name>ScanOps</name>
    <message>
        <source>Device Link Established</source>
        <translation>Enhetslänk upprättad</translation>
    </message>
    <message>
        <source>No CSV File Found</source>
        <translation>Ingen CSV-fil hittades</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Ingen CSV-fil hittades</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Ogiltig CSV-fil</translation>
    </message>
    <message>
        <source>No Connection with Given IP</source>
        <translation>Ingen anslutning med angiven IP</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Ingen enhetslänk</translation>
    </message>
</context>
<context>
    <name>ScanRules</name>
    <message>
        <source>Please provide valid unit range</source>
        <translation>Ange ett giltigt enhetsintervall</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS232 interface: Unit range is 1-255</source>
        <translation>Ogiltigt enhetsnummer på RS232: intervallet är 1-255</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS485 interface: Unit range is 1-255</source>
        <translation>Ogiltigt enhetsnummer på RS485: intervallet är 1-255</translation>
    </message>
    <message>
        <source>Please provide required information</source>
        <translation>Ange nödvändig information</translation>
    </message>
    <message>
        <source>Please provide unit range</source>
        <translation>Ange ett enhetsintervall</translation>
    </message>
    <message>
        <source>Duplicate configuration in RS232 and RS485</source>
        <translation>Samma konfiguration i RS232 och RS485</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Ange ett giltigt TCP/IP-intervall</translation>
    </message>
</context>
<context>
    <name>SelectCsvDialog</name>
    <message>
        <source>Select Csv File</source>
        <translation>Välj CSV-fil</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>ogiltig CSV-fil</translation>
    </message>
</context>
<context>
    <name>SetLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>Välj språk</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>File not found : general.csv. Program aborted!</source>
        <translation>Filen hittades inte: general.csv. Programmet avbryts!</translation>
    </message>
</context>
<context>
    <name>TabWidget</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Exit</source>
        <translation>Oscilloskopet spelar in. Stoppa före avslut</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametrar</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Oscilloskop</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Fault Logger</source>
        <translation>Fellogg</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Larm</translation>
    </message>
    <message>
        <source>Link Information</source>
        <translation>Länkinformation</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Parametertext</translation>
    </message>
    <message>
        <source> Unit</source>
        <translation> Enhet</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>TriggerDialog</name>
    <message>
        <source>Conditional Trigger</source>
        <translation>Villkorstrigger</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Nivåtrigger</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Läge</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Enhetsnamn</translation>
    </message>
    <message>
        <source>Group A</source>
        <translation>Grupp A</translation>
    </message>
    <message>
        <source>Group B</source>
        <translation>Grupp B</translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation>Signalnamn</translation>
    </message>
    <message>
        <source>Trigger Type</source>
        <translation>Triggertyp</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Fallande</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Stigande</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Båda</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Värde</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hög</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Villkor</translation>
    </message>
    <message>
        <source>Before Time</source>
        <translation>Tid före</translation>
    </message>
    <message>
        <source>After Time</source>
        <translation>Tid efter</translation>
    </message>
    <message>
        <source>Capture Time</source>
        <translation>Inspelningstid</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Flera</translation>
    </message>
    <message>
        <source>Maximum Total File Size</source>
        <translation>Största totala filstorlek</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Maximum Total Duration</source>
        <translation>Största totala varaktighet</translation>
    </message>
    <message>
        <source>Number Of Sample</source>
        <translation>Antal sampel</translation>
    </message>
    <message>
        <source>Number Of Samples</source>
        <translation>Antal sampel</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Enter Valid Value</source>
        <translation>Ange ett giltigt värde</translation>
    </message>
    <message>
        <source>Low Value Should be Less than High Value </source>
        <translation>Det låga värdet måste vara mindre än det höga värdet </translation>
    </message>
</context>
<context>
    <name>TriggerSettings</name>
    <message>
        <source>Trigger Options</source>
        <translation>Triggeralternativ</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Nivåtrigger</translation>
    </message>
    <message>
        <source>Conditional Trigger</source>
        <translation>Villkorstrigger</translation>
    </message>
    <message>
        <source>No Trigger</source>
        <translation>Ingen trigger</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>UnitConnector</name>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Invalid Unit Number: Unit range is 1-255</source>
        <translation>Ogiltigt enhetsnummer: intervallet är 1-255</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oscilloskopet spelar in.
Stoppa inspelningen</translation>
    </message>
    <message>
        <source>No csv file information</source>
        <translation>Ingen information om csv-fil</translation>
    </message>
    <message>
        <source>No channel information</source>
        <translation>Ingen kanalinformation</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>fel</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Porten är redan öppen</translation>
    </message>
    <message>
        <source>Port is not Opened</source>
        <translation>Porten är inte öppen</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>porten är inte öppen</translation>
    </message>
    <message>
        <source>Unit is already activated</source>
        <translation>Enheten är redan aktiverad</translation>
    </message>
    <message>
        <source>duplicate ip address</source>
        <translation>dubblerad ip-adress</translation>
    </message>
    <message>
        <source>No Connection with given IP</source>
        <translation>Ingen anslutning med angiven IP</translation>
    </message>
    <message>
        <source>No CSV File</source>
        <translation>Ingen CSV-fil</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Ogiltig CSV-fil</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Ingen enhetslänk</translation>
    </message>
    <message>
        <source>success</source>
        <translation>lyckades</translation>
    </message>
    <message>
        <source>device link established</source>
        <translation>enhetslänk upprättad</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>varning</translation>
    </message>
    <message>
        <source>register overlap in the CSV file: %1</source>
        <translation>överlappande register i CSV-filen: %1</translation>
    </message>
    <message>
        <source>Error in CSV file 
 Please provide correct CSV file</source>
        <translation>Fel i CSV-filen 
 Ange en korrekt CSV-fil</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>device link disconnected</source>
        <translation>enhetslänk frånkopplad</translation>
    </message>
    <message>
        <source>Config Error</source>
        <translation>Konfigurationsfel</translation>
    </message>
    <message>
        <source>device link not reconnected</source>
        <translation>enhetslänken återansluts inte</translation>
    </message>
    <message>
        <source>device link reconnected</source>
        <translation>enhetslänk återansluten</translation>
    </message>
    <message>
        <source>Device Link is established</source>
        <translation>Enhetslänken är upprättad</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Ingen CSV-fil hittades</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Removing</source>
        <translation>Oscilloskopet spelar in. Stoppa innan du tar bort</translation>
    </message>
    <message>
        <source>device link removed</source>
        <translation>enhetslänk borttagen</translation>
    </message>
    <message>
        <source>drive trip: %1</source>
        <translation>drivtripp: %1</translation>
    </message>
    <message>
        <source>drive trip cleared: %1</source>
        <translation>drivtripp återställd: %1</translation>
    </message>
    <message>
        <source>unit %1 at %2</source>
        <translation>enhet %1 på %2</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>enhet %1 på %2</translation>
    </message>
    <message>
        <source>Could not connect %1: %2</source>
        <translation>Det gick inte att ansluta %1: %2</translation>
    </message>
    <message>
        <source>Connected %1 (%2)</source>
        <translation>Ansluten %1 (%2)</translation>
    </message>
    <message>
        <source>device answers again</source>
        <translation>enheten svarar igen</translation>
    </message>
</context>
<context>
    <name>UnitTreeFrame</name>
    <message>
        <source>Scan Units</source>
        <translation>Sök enheter</translation>
    </message>
    <message>
        <source>Scans the units automatically 
 depending on configuration settings</source>
        <translation>Söker enheter automatiskt 
 enligt konfigurationsinställningarna</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Lägg till enhet</translation>
    </message>
    <message>
        <source>Opens window to provide unit details 
 inorder to establish connection</source>
        <translation>Öppnar ett fönster för enhetsuppgifter 
 för att upprätta anslutningen</translation>
    </message>
    <message>
        <source>Units on RS232</source>
        <translation>Enheter på RS232</translation>
    </message>
    <message>
        <source>Units on RS485</source>
        <translation>Enheter på RS485</translation>
    </message>
    <message>
        <source>Units on TCP/IP</source>
        <translation>Enheter på TCP/IP</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Enheter från fil</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriter</translation>
    </message>
</context>
<context>
    <name>VXMainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>Create a new parameter</source>
        <translation>Skapa en ny parameteruppsättning</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öppna...</translation>
    </message>
    <message>
        <source>Open parameter setting</source>
        <translation>Öppna parameteruppsättning</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Spara...</translation>
    </message>
    <message>
        <source>Save parameter setting</source>
        <translation>Spara parameteruppsättning</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>Print parameter setting</source>
        <translation>Skriv ut parameteruppsättning</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>J&amp;ämför...</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Jämför två filer</translation>
    </message>
    <message>
        <source>&amp;Load from drive</source>
        <translation>&amp;Läs från omriktare</translation>
    </message>
    <message>
        <source>Load parameter setting from drive</source>
        <translation>Läs parameteruppsättning från omriktaren</translation>
    </message>
    <message>
        <source>Load &amp;to drive</source>
        <translation>Skriv &amp;till omriktare</translation>
    </message>
    <message>
        <source>Load parameter setting to drive</source>
        <translation>Skriv parameteruppsättning till omriktaren</translation>
    </message>
    <message>
        <source>&amp;Dat File Information...</source>
        <translation>Information om &amp;dat-fil...</translation>
    </message>
    <message>
        <source>Customer information of dat file</source>
        <translation>Kundinformation i dat-filen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Avsluta programmet</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Språk...</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Byt språk</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Inställningar...</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Ändra inställningar</translation>
    </message>
    <message>
        <source>Customer data...</source>
        <translation>Kunddata...</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Kunddata</translation>
    </message>
    <message>
        <source>Communication...</source>
        <translation>Kommunikation...</translation>
    </message>
    <message>
        <source>Communication settings</source>
        <translation>Kommunikationsinställningar</translation>
    </message>
    <message>
        <source>About Tarvolink...</source>
        <translation>Om Tarvolink...</translation>
    </message>
    <message>
        <source>About Tarvolink</source>
        <translation>Om Tarvolink</translation>
    </message>
    <message>
        <source>User guide...</source>
        <translation>Användarhandbok...</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Användarhandbok</translation>
    </message>
    <message>
        <source>Tarvolink</source>
        <translation>Tarvolink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>General CSV File Not Found</source>
        <translation>Filen general.csv hittades inte</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arkiv</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Password File is missing</source>
        <translation>Lösenordsfilen saknas</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Ogiltigt lösenord</translation>
    </message>
    <message>
        <source>View for alert(s) / notification(s)</source>
        <translation>Vy för larm/meddelanden</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Role Change</source>
        <translation>Oscilloskopet spelar in. Stoppa innan du byter roll</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Do you want to quit the Application?</source>
        <translation>Vill du avsluta programmet?</translation>
    </message>
    <message>
        <source>The user guide was not found:
%1</source>
        <translation>Användarhandboken hittades inte:
%1</translation>
    </message>
    <message>
        <source>Opening the user guide...</source>
        <translation>Öppnar användarhandboken...</translation>
    </message>
    <message>
        <source>No program to show PDF files was found.
The user guide is here:
%1</source>
        <translation>Inget program för att visa PDF-filer hittades.
Användarhandboken finns här:
%1</translation>
    </message>
    <message>
        <source>Link Monitor...</source>
        <translation>Länkmonitor...</translation>
    </message>
    <message>
        <source>Every exchange on the bus, with link statistics per unit</source>
        <translation>Varje utbyte på bussen, med länkstatistik per enhet</translation>
    </message>
    <message>
        <source>An administrator creates it on this computer with the command
%1</source>
        <translation>En administratör skapar den på den här datorn med kommandot
%1</translation>
    </message>
</context>
<context>
    <name>VxCommManageSerialPort</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 används av ett annat program.</translation>
    </message>
    <message>
        <source>You have no access to %1. Add your user to the group that owns it (dialout) and log in again.</source>
        <translation>Du har ingen åtkomst till %1. Lägg till din användare i gruppen som äger den (dialout) och logga in igen.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the adapter plugged in?</source>
        <translation>%1 finns inte: är adaptern ansluten?</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>serienummer %1</translation>
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
        <translation>Adaptern för %1 kopplades ur eller byttes ut; dess enheter ansluts igen av sig själva när den är tillbaka.</translation>
    </message>
</context>
<context>
    <name>VxCommModbusMaster</name>
    <message>
        <source>communication failure</source>
        <translation>kommunikationsfel</translation>
    </message>
    <message>
        <source>no server connection</source>
        <translation>ingen serveranslutning</translation>
    </message>
    <message>
        <source>communication failure timeout</source>
        <translation>tidsgräns för kommunikation överskreds</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>skrivfel</translation>
    </message>
    <message>
        <source>communication error in receive data</source>
        <translation>kommunikationsfel i mottagna data</translation>
    </message>
    <message>
        <source>invalid transaction id</source>
        <translation>ogiltigt transaktions-id</translation>
    </message>
    <message>
        <source>no data within timeout</source>
        <translation>inga data inom tidsgränsen</translation>
    </message>
    <message>
        <source>invalid unit id</source>
        <translation>ogiltigt enhets-id</translation>
    </message>
    <message>
        <source>invalid function code</source>
        <translation>ogiltig funktionskod</translation>
    </message>
    <message>
        <source>no communication interface</source>
        <translation>inget kommunikationsgränssnitt</translation>
    </message>
    <message>
        <source>invalid function type</source>
        <translation>ogiltig funktionstyp</translation>
    </message>
    <message>
        <source>communication timeout error</source>
        <translation>tidsgränsfel i kommunikationen</translation>
    </message>
    <message>
        <source>crc error</source>
        <translation>crc-fel</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>porten är inte öppen</translation>
    </message>
    <message>
        <source>port already open</source>
        <translation>porten är redan öppen</translation>
    </message>
    <message>
        <source>warning message received</source>
        <translation>varningsmeddelande mottaget</translation>
    </message>
    <message>
        <source>invalid received message length</source>
        <translation>ogiltig längd på mottaget meddelande</translation>
    </message>
    <message>
        <source>device has disconnected</source>
        <translation>enheten har kopplats från</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>okänt fel</translation>
    </message>
</context>
<context>
    <name>WorkerOps</name>
    <message>
        <source>catchForwardButtonSignal:Write Error </source>
        <translation>Kör framåt: skrivfel</translation>
    </message>
    <message>
        <source>catchBackButtonSignal:Write Error </source>
        <translation>Kör bakåt: skrivfel</translation>
    </message>
    <message>
        <source>catchStopButtonSignal:Write Error </source>
        <translation>Stopp: skrivfel</translation>
    </message>
    <message>
        <source>catchReferenceSourceSignal:Write Error </source>
        <translation>Referenskälla: skrivfel</translation>
    </message>
    <message>
        <source>catchRunStopSourceSignal:Write Error </source>
        <translation>Start/stopp-källa: skrivfel</translation>
    </message>
    <message>
        <source>catchRefValueSignal:Write Error</source>
        <translation>Referensvärde: skrivfel</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Enheten är inte ansluten</translation>
    </message>
    <message>
        <source> Comm Error</source>
        <translation>Kommunikationsfel</translation>
    </message>
    <message>
        <source>Comm Error
 refer log details</source>
        <translation>Kommunikationsfel
 se loggen för detaljer</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Förbindelsen förlorad</translation>
    </message>
    <message>
        <source>OprStatusUpdate:Write Error</source>
        <translation>Statusuppdatering: skrivfel</translation>
    </message>
    <message>
        <source>TriplogUpdate:Write Error</source>
        <translation>Felloggsuppdatering: skrivfel</translation>
    </message>
</context>
<context>
    <name>addunit</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Ange ett giltigt TCP/IP-intervall</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Please provide required configuration details</source>
        <translation>Ange nödvändiga konfigurationsuppgifter</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>csv File(*.csv)</source>
        <translation>Enhetsbeskrivningsfil (*.csv)</translation>
    </message>
    <message>
        <source>Add Units</source>
        <translation>Lägg till enheter</translation>
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
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Överföringshastighet</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paritet</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-adress</translation>
    </message>
    <message>
        <source>Data File Selection</source>
        <translation>Val av datafil</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatiskt</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuellt</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bläddra</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>alarms</name>
    <message>
        <source>Current Alerts</source>
        <translation>Aktuella larm</translation>
    </message>
    <message>
        <source>Alert History</source>
        <translation>Larmhistorik</translation>
    </message>
    <message>
        <source>First: %1
Last: %2</source>
        <translation>Första: %1
Senaste: %2</translation>
    </message>
    <message>
        <source>Save Alerts</source>
        <translation>Spara larm</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textfiler (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>The alerts could not be saved to
%1:
%2</source>
        <translation>Larmen kunde inte sparas i
%1:
%2</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Senast</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Larm</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Töm</translation>
    </message>
    <message>
        <source>Empty the list; the log file keeps every alert</source>
        <translation>Töm listan; loggfilen behåller alla larm</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Copy the selected alerts, or all of them, as text</source>
        <translation>Kopiera valda larm, eller alla, som text</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Spara...</translation>
    </message>
</context>
<context>
    <name>scanDialog</name>
    <message>
        <source>Scan for devices</source>
        <translation>Sök efter enheter</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Automatically scan for devices?</source>
        <translation>Söka efter enheter automatiskt?</translation>
    </message>
</context>
<context>
    <name>scanning</name>
    <message>
        <source>No units connected</source>
        <translation>Inga enheter anslutna</translation>
    </message>
    <message>
        <source>No of devices found:</source>
        <translation>Antal hittade enheter:</translation>
    </message>
    <message>
        <source>Scan Progress</source>
        <translation>Sökförlopp</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Automatisk sökning</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Söker</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while 
scanning for units. To stop scanning click cancel.</source>
        <translation>Obs! Inga åtgärder kan utföras medan 
enheter söks. Klicka på Avbryt för att stoppa.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
</TS>
