<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About Tarvolink</source>
        <translation>Over Tarvolink</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Commissioning and service tool for variable-speed drives.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Inbedrijfstellings- en servicetool voor frequentieregelaars.&lt;/p&gt;&lt;p&gt;Gebouwd met Qt %2 (LGPL v3) en QCustomPlot (GPL v3).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>AddFavParam</name>
    <message>
        <source>Favorites</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>AlertEvent</name>
    <message>
        <source>unit %1</source>
        <translation>eenheid %1</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>eenheid %1 op %2</translation>
    </message>
    <message>
        <source>no answer to a write of %1 after %2 attempts</source>
        <translation>geen antwoord op schrijven naar %1 na %2 pogingen</translation>
    </message>
    <message>
        <source>no answer to a write of %1</source>
        <translation>geen antwoord op schrijven naar %1</translation>
    </message>
    <message>
        <source>no answer to a read of %1 after %2 attempts</source>
        <translation>geen antwoord op lezen van %1 na %2 pogingen</translation>
    </message>
    <message>
        <source>no answer to a read of %1</source>
        <translation>geen antwoord op lezen van %1</translation>
    </message>
    <message>
        <source>write of %1 failed after %2 attempts: %3</source>
        <translation>schrijven naar %1 mislukt na %2 pogingen: %3</translation>
    </message>
    <message>
        <source>write of %1 failed: %2</source>
        <translation>schrijven naar %1 mislukt: %2</translation>
    </message>
    <message>
        <source>read of %1 failed after %2 attempts: %3</source>
        <translation>lezen van %1 mislukt na %2 pogingen: %3</translation>
    </message>
    <message>
        <source>read of %1 failed: %2</source>
        <translation>lezen van %1 mislukt: %2</translation>
    </message>
    <message>
        <source>the unit refused a write of %1: %2</source>
        <translation>de eenheid weigerde schrijven naar %1: %2</translation>
    </message>
    <message>
        <source>the unit refused a read of %1: %2</source>
        <translation>de eenheid weigerde lezen van %1: %2</translation>
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
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Auto Scan Settings</source>
        <translation>Instellingen automatisch zoeken</translation>
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
        <translation>Poorten</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Pariteit</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Eenheden</translation>
    </message>
    <message>
        <source>Start IP:</source>
        <translation>Start-IP:</translation>
    </message>
    <message>
        <source>End IP:</source>
        <translation>Eind-IP:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Zoeken starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Andere poort</translation>
    </message>
</context>
<context>
    <name>CommSettings</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Communicatie-instellingen</translation>
    </message>
    <message>
        <source>Continue despite communication fault</source>
        <translation>Doorgaan ondanks communicatiefout</translation>
    </message>
    <message>
        <source>Delay between messages  (ms) :</source>
        <translation>Vertraging tussen berichten  (ms) :</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Number of retries</source>
        <translation>Aantal herhalingen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Delay should be at least 35 ms.</source>
        <translation>De vertraging moet minstens 35 ms zijn.</translation>
    </message>
</context>
<context>
    <name>CompPrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Afdrukoptie</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>CompareParameters</name>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Alleen in %1</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>De bestanden zijn identiek</translation>
    </message>
    <message>
        <source>The parameters both sides have are identical</source>
        <translation>De parameters die beide kanten hebben zijn identiek</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Select Unit</source>
        <translation>Eenheid kiezen</translation>
    </message>
    <message>
        <source>Compare Parameters</source>
        <translation>Parameters vergelijken</translation>
    </message>
    <message>
        <source>Add Units to Compare</source>
        <translation>Eenheden toevoegen om te vergelijken</translation>
    </message>
    <message>
        <source>Select Parameters to compare</source>
        <translation>Kies de te vergelijken parameters</translation>
    </message>
    <message>
        <source>Select Parameters to be compared with</source>
        <translation>Kies de parameters om mee te vergelijken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 (file)</source>
        <translation>%1 (bestand)</translation>
    </message>
</context>
<context>
    <name>Connect</name>
    <message>
        <source>RS232 Unit Details</source>
        <translation>Gegevens RS232-eenheid</translation>
    </message>
    <message>
        <source>RS485 Unit Details</source>
        <translation>Gegevens RS485-eenheid</translation>
    </message>
    <message>
        <source>TCP/IP Unit Details</source>
        <translation>Gegevens TCP/IP-eenheid</translation>
    </message>
    <message>
        <source>File Unit Details</source>
        <translation>Gegevens bestandseenheid</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbinding verbreken</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Pariteit</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Drive SW Version</source>
        <translation>Softwareversie regelaar</translation>
    </message>
    <message>
        <source>CSV Version Used</source>
        <translation>Gebruikte CSV-versie</translation>
    </message>
    <message>
        <source>IP Addr</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>Gegevensbestand</translation>
    </message>
</context>
<context>
    <name>ControlBox</name>
    <message>
        <source>Control Source</source>
        <translation>Besturingsbron</translation>
    </message>
    <message>
        <source>Select Run/Stop Source</source>
        <translation>Bron voor start/stop kiezen</translation>
    </message>
    <message>
        <source>Select Reference Source</source>
        <translation>Bron voor referentie kiezen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Op afstand</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optie</translation>
    </message>
</context>
<context>
    <name>CtrlPanelController</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Range is 0 to 100</source>
        <translation>Bereik is 0 tot 100</translation>
    </message>
</context>
<context>
    <name>CtrlPanelFrame</name>
    <message>
        <source>No Unit</source>
        <translation>Geen eenheid</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Bedieningspaneel</translation>
    </message>
    <message>
        <source>Ref value</source>
        <translation>Ref.-waarde</translation>
    </message>
    <message>
        <source>Ref source</source>
        <translation>Ref.-bron</translation>
    </message>
    <message>
        <source>Run/Stop source</source>
        <translation>Bron start/stop</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Achteruit</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Op afstand</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optie</translation>
    </message>
</context>
<context>
    <name>CurrentUnitPresenter</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbinden met %1...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oscilloscoopopname loopt.
Stop eerst de opname</translation>
    </message>
</context>
<context>
    <name>CustomerDataDialog</name>
    <message>
        <source>Customer Data</source>
        <translation>Klantgegevens</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Bedrijfsnaam</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Straat 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Straat 2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contactpersoon</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Toepassing</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>In bedrijf gesteld door</translation>
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
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Set kiezen</translation>
    </message>
    <message>
        <source>Set Name</source>
        <translation>Setnaam</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Auto-
schaal</translation>
    </message>
    <message>
        <source>Param
Name</source>
        <translation>Param.-
naam</translation>
    </message>
    <message>
        <source>Curr
Val</source>
        <translation>Act.
waarde</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Parameter bestaat al</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>File Export</source>
        <translation>Bestandsexport</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
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
        <translation>ftp://&lt;Gebruikersnaam&gt;:&lt;Wachtwoord&gt;@&lt;Hostnaam&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigenaar</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbinding verbreken</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Naar de bovenliggende map</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Download All New</source>
        <translation>Alle nieuwe downloaden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>FTP Link file is not found</source>
        <translation>Het FTP-koppelingsbestand is niet gevonden</translation>
    </message>
    <message>
        <source>The FTP URL is not valid</source>
        <translation>De FTP-URL is ongeldig</translation>
    </message>
    <message>
        <source>Connecting to FTP server %1...</source>
        <translation>Verbinden met FTP-server %1...</translation>
    </message>
    <message>
        <source>The FTP server at %1 shows a certificate that no trusted authority has signed. The connection was refused.</source>
        <translation>De FTP-server op %1 toont een certificaat dat door geen vertrouwde instantie is ondertekend. De verbinding is geweigerd.</translation>
    </message>
    <message>
        <source>The FTP server at %1 did not set up a protected (TLS) connection. The connection was refused.</source>
        <translation>De FTP-server op %1 heeft geen beveiligde (TLS) verbinding opgezet. De verbinding is geweigerd.</translation>
    </message>
    <message>
        <source>Unable to connect to the FTP server at %1. Please check that the host name is correct.</source>
        <translation>Kan geen verbinding maken met de FTP-server op %1. Controleer of de hostnaam juist is.</translation>
    </message>
    <message>
        <source>Unable to list the directory: %1</source>
        <translation>Kan de map niet weergeven: %1</translation>
    </message>
    <message>
        <source>Logged onto %1.</source>
        <translation>Aangemeld op %1.</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;leeg&gt;</translation>
    </message>
    <message>
        <source>Select only CSV file to download.</source>
        <translation>Kies alleen CSV-bestanden om te downloaden.</translation>
    </message>
    <message>
        <source>The server lists the name %1, which is not a plain file name. Nothing was written.</source>
        <translation>De server vermeldt de naam %1, wat geen gewone bestandsnaam is. Er is niets geschreven.</translation>
    </message>
    <message>
        <source>File already downloaded, do you want to overwrite?</source>
        <translation>Het bestand is al gedownload, wilt u het overschrijven?</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 downloaden...</translation>
    </message>
    <message>
        <source>Downloaded %1 to current directory.</source>
        <translation>%1 gedownload naar de huidige map.</translation>
    </message>
    <message>
        <source>File Downloaded Successfully</source>
        <translation>Bestand is gedownload</translation>
    </message>
    <message>
        <source>Download Failed %1 to current directory.</source>
        <translation>Downloaden van %1 naar de huidige map is mislukt.</translation>
    </message>
    <message>
        <source>File Size mismatched</source>
        <translation>Bestandsgrootte komt niet overeen</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Downloaden van %1 geannuleerd.</translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Kan het bestand %1 niet opslaan: %2.</translation>
    </message>
    <message>
        <source>File Download Error:</source>
        <translation>Fout bij downloaden:</translation>
    </message>
    <message>
        <source>The server lists names that are not plain file names. Nothing was written for them:
%1</source>
        <translation>De server vermeldt namen die geen gewone bestandsnamen zijn. Hiervoor is niets geschreven:
%1</translation>
    </message>
    <message>
        <source>Error in downloading new files. Please download again.</source>
        <translation>Fout bij het downloaden van nieuwe bestanden. Download opnieuw.</translation>
    </message>
    <message>
        <source>Operation is successful. All files are updated and no file is downloaded.</source>
        <translation>Bewerking geslaagd. Alle bestanden zijn actueel en er is geen bestand gedownload.</translation>
    </message>
    <message>
        <source>Operation is successful. The total number of files downloaded is %1.</source>
        <translation>Bewerking geslaagd. Aantal gedownloade bestanden: %1.</translation>
    </message>
</context>
<context>
    <name>HeaderLine</name>
    <message>
        <source>Select a Language</source>
        <translation>Kies een taal</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Logged on as:</source>
        <translation>Aangemeld als:</translation>
    </message>
    <message>
        <source>Alert(s)/Notification(s):</source>
        <translation>Alarm(en)/melding(en):</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>oscilloscope block %1</source>
        <translation>oscilloscoopblok %1</translation>
    </message>
    <message>
        <source>%1, set %2</source>
        <translation>%1, set %2</translation>
    </message>
    <message>
        <source>%1 (%2 registers)</source>
        <translation>%1 (%2 registers)</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>parameters</translation>
    </message>
    <message>
        <source>device code</source>
        <translation>apparaatcode</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>softwareversie</translation>
    </message>
    <message>
        <source>drive size</source>
        <translation>omvormergrootte</translation>
    </message>
    <message>
        <source>status</source>
        <translation>status</translation>
    </message>
    <message>
        <source>trip log</source>
        <translation>storingslog</translation>
    </message>
    <message>
        <source>control panel</source>
        <translation>bedieningspaneel</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <translation>oscilloscoop</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>zoeken</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>uitzondering %1</translation>
    </message>
    <message>
        <source>link error %1</source>
        <translation>verbindingsfout %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception</source>
        <translation>uitzondering</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>time-out</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>foute CRC</translation>
    </message>
    <message>
        <source>wrong unit</source>
        <translation>verkeerde eenheid</translation>
    </message>
    <message>
        <source>wrong function</source>
        <translation>verkeerde functie</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>verkeerde lengte</translation>
    </message>
    <message>
        <source>wrong transaction</source>
        <translation>verkeerde transactie</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>verbinding geweigerd</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>verbinding verbroken</translation>
    </message>
    <message>
        <source>link error</source>
        <translation>verbindingsfout</translation>
    </message>
</context>
<context>
    <name>LinkMonitorModel</name>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Asked for</source>
        <translation>Gevraagd</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Functie</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Waarden</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation>Poging</translation>
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
        <translation>Verbindingsmonitor</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Alle eenheden</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Alle verzoeken</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identificatie</translation>
    </message>
    <message>
        <source>Failures and resends only</source>
        <translation>Alleen fouten en herhalingen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Keeps recording but stops following the newest exchange</source>
        <translation>Blijft opnemen maar volgt de nieuwste uitwisseling niet meer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Opslaan als CSV...</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Statistieken wissen</translation>
    </message>
    <message>
        <source>%1 exchanges shown, %2 kept, %3 dropped as the oldest</source>
        <translation>%1 uitwisselingen getoond, %2 bewaard, %3 als oudste verwijderd</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Uitwisselingen</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Fouten</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Herhalingen</translation>
    </message>
    <message>
        <source>Response min / mean / 95 % / max</source>
        <translation>Antwoord min / gem. / 95 % / max</translation>
    </message>
    <message>
        <source>Last failure</source>
        <translation>Laatste fout</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Opslaan als CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>The exchanges could not be saved: %1</source>
        <translation>De uitwisselingen konden niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>LoginFrame</name>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Aanmelden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Herstellen</translation>
    </message>
</context>
<context>
    <name>OscPlotArea</name>
    <message>
        <source>Set Marker 1 Here</source>
        <translation>Markering 1 hier plaatsen</translation>
    </message>
    <message>
        <source>Set Marker 2 Here</source>
        <translation>Markering 2 hier plaatsen</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Markeringen wissen</translation>
    </message>
    <message>
        <source>Save plot as PNG...</source>
        <translation>Grafiek opslaan als PNG...</translation>
    </message>
    <message>
        <source>Save plot as PDF...</source>
        <translation>Grafiek opslaan als PDF...</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Grafiek opslaan</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ongeldig bestandspad</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Alles tonen</translation>
    </message>
    <message>
        <source>Automatic Value Range</source>
        <translation>Automatisch waardebereik</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tijd (s)</translation>
    </message>
</context>
<context>
    <name>OscPrintGui</name>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>OsciSettings</name>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Achtergrondkleur</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Changes plot area color to white</source>
        <translation>Maakt het grafiekgebied wit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Changes plot area color to black</source>
        <translation>Maakt het grafiekgebied zwart</translation>
    </message>
    <message>
        <source>Colorbar for setting plot color to 
different shades between black and white</source>
        <translation>Kleurbalk om het grafiekgebied in te stellen op 
grijstinten tussen zwart en wit</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Lijndikte</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Dun</translation>
    </message>
    <message>
        <source>Changes the width of graph to thin</source>
        <translation>Toont de curven met een dunne lijn</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Dik</translation>
    </message>
    <message>
        <source>Changes the width of graph to fat</source>
        <translation>Toont de curven met een dikke lijn</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>keeps the grid for plot areas</source>
        <translation>toont het raster in de grafiekgebieden</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>removes the grid for plot areas</source>
        <translation>verbergt het raster in de grafiekgebieden</translation>
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
        <translation>Kleur kiezen</translation>
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
        <translation>Eenheden uit bestand</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favorieten</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Prints table/graph</source>
        <translation>Drukt tabel/grafiek af</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analoog</translation>
    </message>
    <message>
        <source>display only analog signals</source>
        <translation>alleen analoge signalen tonen</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitaal</translation>
    </message>
    <message>
        <source>display only digital signals</source>
        <translation>alleen digitale signalen tonen</translation>
    </message>
    <message>
        <source>Analog-Digital</source>
        <translation>Analoog-digitaal</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Back 2</source>
        <translation>Terug 2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Forward 2</source>
        <translation>Vooruit 2</translation>
    </message>
    <message>
        <source>Set Sampling Time</source>
        <translation>Bemonsteringstijd instellen</translation>
    </message>
    <message>
        <source>Data from unit will be retrieved at this interval.</source>
        <translation>De gegevens van de eenheid worden met dit interval gelezen.</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Opname</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Auto-
schaal</translation>
    </message>
    <message>
        <source>Param Name</source>
        <translation>Parameternaam</translation>
    </message>
    <message>
        <source>Curr
Value</source>
        <translation>Actuele
waarde</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
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
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stops the recording and displaying the graphs</source>
        <translation>Stopt de opname en de weergave van de curven</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Starts the recording and displaying the selected graphs</source>
        <translation>Start de opname en de weergave van de gekozen curven</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Resumes the displaying of selected graphs</source>
        <translation>Hervat de weergave van de gekozen curven</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Pauses the displaying of selected graphs 
while recording continues in background</source>
        <translation>Pauzeert de weergave van de gekozen curven 
terwijl de opname op de achtergrond doorgaat</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Responstijd</translation>
    </message>
    <message>
        <source>Slowest Device</source>
        <translation>Traagste apparaat</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>No unit is connected to record from</source>
        <translation>Er is geen eenheid verbonden om van op te nemen</translation>
    </message>
    <message>
        <source>Trigger in Progress- Do you want to Stop?</source>
        <translation>Trigger actief - Wilt u stoppen?</translation>
    </message>
    <message>
        <source>Do you want to save rec file?</source>
        <translation>Wilt u het opnamebestand opslaan?</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ongeldig bestandspad</translation>
    </message>
    <message>
        <source>Open rec file</source>
        <translation>Opnamebestand openen</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oscilloscoopopname loopt.
Stop eerst de opname</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Geconfigureerd</translation>
    </message>
    <message>
        <source>Not Active</source>
        <translation>Niet actief</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Wachten...</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Bezig...</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Parameter bestaat al</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Favourite list is empty</source>
        <translation>De favorietenlijst is leeg</translation>
    </message>
    <message>
        <source>Save pdf file</source>
        <translation>PDF-bestand opslaan</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Geen gegevens</translation>
    </message>
    <message>
        <source>The recording is kept in %1</source>
        <translation>De opname blijft bewaard in %1</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Alles tonen</translation>
    </message>
    <message>
        <source>Shows the whole recording (key F over the plots)</source>
        <translation>Toont de hele opname (toets F boven de grafieken)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Auto Y</translation>
    </message>
    <message>
        <source>Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the mouse wheel zoom the values)</source>
        <translation>Geeft de analoge grafiek weer het automatische waardebereik (toets A boven de grafieken; Ctrl en het muiswiel zoomen de waarden)</translation>
    </message>
    <message>
        <source>(armed at the next Start)</source>
        <translation>(actief bij de volgende „Starten”)</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Grafiek opgeslagen in %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Opslaan als CSV</translation>
    </message>
    <message>
        <source>Saves the shown recording as plain CSV, one column per signal</source>
        <translation>Slaat de getoonde opname op als eenvoudige CSV, één kolom per signaal</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Opgenomen %1</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% van bereik</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Opname opslaan</translation>
    </message>
    <message>
        <source>Recording saved to %1</source>
        <translation>Opname opgeslagen in %1</translation>
    </message>
    <message>
        <source>There is no recording to save</source>
        <translation>Er is geen opname om op te slaan</translation>
    </message>
    <message>
        <source>CSV saved to %1</source>
        <translation>CSV opgeslagen in %1</translation>
    </message>
    <message>
        <source>PDF saved to %1</source>
        <translation>PDF opgeslagen in %1</translation>
    </message>
</context>
<context>
    <name>ParamTransfer</name>
    <message>
        <source>Parameters Loading To Drive</source>
        <translation>Parameters worden naar de regelaar geladen</translation>
    </message>
    <message>
        <source>Parameters Loading from Drive</source>
        <translation>Parameters worden uit de regelaar geladen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Even geduld...</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while the parameters 
   are &quot;Load From Drive&quot; or &quot;Load To Drive&quot; in the parameter window.
   To cancel operation click cancel.</source>
        <translation>Let op: tijdens &quot;Laden uit regelaar&quot; of &quot;Laden naar regelaar&quot; 
   in het parametervenster is geen andere bediening mogelijk.
   Klik op Annuleren om te stoppen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n parameter(s) to %1</source>
        <translation>
            <numerusform>%n parameter naar %1 geschreven</numerusform>
            <numerusform>%n parameters naar %1 geschreven</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n parameter(s) from %1</source>
        <translation>
            <numerusform>%n parameter uit %1 gelezen</numerusform>
            <numerusform>%n parameters uit %1 gelezen</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to %1 cancelled after %2 of %3 parameters</source>
        <translation>Schrijven naar %1 geannuleerd na %2 van %3 parameters</translation>
    </message>
    <message>
        <source>Read from %1 cancelled after %2 of %3 parameters</source>
        <translation>Lezen uit %1 geannuleerd na %2 van %3 parameters</translation>
    </message>
    <message>
        <source>Write to %1 ended: the unit was removed</source>
        <translation>Schrijven naar %1 beëindigd: de eenheid is verwijderd</translation>
    </message>
    <message>
        <source>Read from %1 ended: the unit was removed</source>
        <translation>Lezen uit %1 beëindigd: de eenheid is verwijderd</translation>
    </message>
    <message>
        <source>Write to %1 failed after %2 of %3 parameters</source>
        <translation>Schrijven naar %1 mislukt na %2 van %3 parameters</translation>
    </message>
    <message>
        <source>Read from %1 failed after %2 of %3 parameters</source>
        <translation>Lezen uit %1 mislukt na %2 van %3 parameters</translation>
    </message>
    <message>
        <source>; %1 parameters without a value were skipped</source>
        <translation>; %1 parameters zonder waarde zijn overgeslagen</translation>
    </message>
</context>
<context>
    <name>ParameterActions</name>
    <message>
        <source>Sent %1 (set %2) to %3</source>
        <translation>%1 (set %2) naar %3 verzonden</translation>
    </message>
    <message>
        <source>Sending %1 (set %2) to %3 failed</source>
        <translation>Verzenden van %1 (set %2) naar %3 mislukt</translation>
    </message>
    <message>
        <source>%1: Device not connected</source>
        <translation>%1: apparaat niet verbonden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Apparaat niet verbonden</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>These parameter sets have changes that are not saved:
%1

Do you want to save them?</source>
        <translation>Deze parametersets hebben wijzigingen die niet zijn opgeslagen:
%1

Wilt u ze opslaan?</translation>
    </message>
</context>
<context>
    <name>ParameterPrint</name>
    <message>
        <source>Save pdf file</source>
        <translation>PDF-bestand opslaan</translation>
    </message>
    <message>
        <source>(*.pdf)</source>
        <translation>(*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Het PDF-bestand kon niet worden geschreven:
%1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Naar de printer verzonden</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 opgeslagen</translation>
    </message>
</context>
<context>
    <name>ParameterToolBar</name>
    <message>
        <source>Collapse All</source>
        <translation>Alles samenvouwen</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Alles uitvouwen</translation>
    </message>
    <message>
        <source>Collapses All Parameters</source>
        <translation>Vouwt alle parameters samen</translation>
    </message>
    <message>
        <source>Expands All Parameters</source>
        <translation>Vouwt alle parameters uit</translation>
    </message>
    <message>
        <source>No Unit</source>
        <translation>Geen eenheid</translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Laden uit regelaar</translation>
    </message>
    <message>
        <source>Imports data from 
controlcard to application</source>
        <translation>Haalt gegevens uit de 
besturingskaart naar het programma</translation>
    </message>
    <message>
        <source>Load to Drive</source>
        <translation>Laden naar regelaar</translation>
    </message>
    <message>
        <source>Exports data from 
application to controlcard</source>
        <translation>Stuurt gegevens uit het 
programma naar de besturingskaart</translation>
    </message>
    <message>
        <source>Opens new csv file</source>
        <translation>Opent een nieuw csv-bestand</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Opens already saved .dat files</source>
        <translation>Opent opgeslagen .dat-bestanden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Saves the file in .dat format</source>
        <translation>Slaat het bestand op in .dat-formaat</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Prints the parameter view</source>
        <translation>Drukt de parameterweergave af</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Vergelijkt twee bestanden</translation>
    </message>
    <message>
        <source>Send changes directly</source>
        <translation>Wijzigingen direct verzenden</translation>
    </message>
    <message>
        <source>Exports the edited parameters immediately to controlcard if checked</source>
        <translation>Stuurt gewijzigde parameters direct naar de besturingskaart indien aangevinkt</translation>
    </message>
    <message>
        <source>Upgrade CSV</source>
        <translation>CSV bijwerken</translation>
    </message>
    <message>
        <source>Send directly</source>
        <translation>Direct verzenden</translation>
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
        <translation>Ondergrens van de gekozen parameter</translation>
    </message>
    <message>
        <source>Maximum limit of the parameter selected in the view</source>
        <translation>Bovengrens van de gekozen parameter</translation>
    </message>
    <message>
        <source>Parameter Help</source>
        <translation>Parameterhulp</translation>
    </message>
    <message>
        <source>Please refer help manual.</source>
        <translation>Raadpleeg de handleiding.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>ongeldig CSV-bestand</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>csv File(*.dat)</source>
        <translation>Parameterset (*.dat)</translation>
    </message>
    <message>
        <source>The file could not be opened:
%1</source>
        <translation>Het bestand kon niet worden geopend:
%1</translation>
    </message>
    <message>
        <source>Save dat file</source>
        <translation>Dat-bestand opslaan</translation>
    </message>
    <message>
        <source>(*.dat)</source>
        <translation>(*.dat)</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1</source>
        <translation>Het bestand kon niet worden opgeslagen:
%1</translation>
    </message>
    <message>
        <source>oscView Record in Progress.
You can stop recording for faster performance
Do you want to Continue?</source>
        <translation>Oscilloscoopopname loopt.
Stop de opname voor betere prestaties
Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>No unit is connected to load the parameters to.</source>
        <translation>Er is geen eenheid verbonden om de parameters naar te laden.</translation>
    </message>
    <message>
        <source>Sizes of drives are differ
 Do you want to continue?</source>
        <translation>De regelaars hebben een andere grootte
 Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Type of drives are differ
 Do you want to continue?</source>
        <translation>De regelaars zijn van een ander type
 Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Version of drives are differ
 Do you want to continue?</source>
        <translation>De regelaars hebben een andere versie
 Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Motor is running, some of configuration parameter may not set properly.
Do you want to Continue?</source>
        <translation>De motor draait, sommige configuratieparameters worden mogelijk niet goed ingesteld.
Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Copy parameters to Drive</source>
        <translation>Parameters naar regelaar kopiëren</translation>
    </message>
    <message>
        <source>The range is %1 to %2.</source>
        <translation>Het bereik is %1 tot %2.</translation>
    </message>
    <message>
        <source>%1: that key is not accepted here. %2</source>
        <translation>%1: die toets wordt hier niet geaccepteerd. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken. %3</source>
        <translation>%1: &quot;%2&quot; is niet overgenomen. %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value for %2.</source>
        <translation>&quot;%1&quot; is geen geldige waarde voor %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geopend</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 opgeslagen</translation>
    </message>
    <message>
        <source>%1 parameters were not read from the unit. Save anyway?</source>
        <translation>%1 parameters zijn niet van de unit gelezen. Toch opslaan?</translation>
    </message>
    <message>
        <source>%1 parameters have no value in this set and will be skipped.</source>
        <translation>%1 parameters hebben geen waarde in deze set en worden overgeslagen.</translation>
    </message>
    <message>
        <source>The file holds %1 of %2 parameters of %3. Write these %1?</source>
        <translation>Het bestand bevat %1 van %2 parameters van %3. Deze %1 schrijven?</translation>
    </message>
    <message>
        <source>%1 %2 is now %3 in set %4</source>
        <translation>%1 %2 is nu %3 in set %4</translation>
    </message>
    <message>
        <source>%1 parameters of %2 to %3</source>
        <translation>%1 parameters van %2 naar %3</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; on Automatic scan (scan unit)</source>
        <translation>&quot;Laden uit regelaar&quot; bij automatisch zoeken (eenheden zoeken)</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; in Manual Add unit, on Connect</source>
        <translation>&quot;Laden uit regelaar&quot; bij handmatig toevoegen, bij verbinden</translation>
    </message>
    <message>
        <source>Automatic scan on application startup</source>
        <translation>Automatisch zoeken bij het starten</translation>
    </message>
    <message>
        <source>Automatic save Setting on Exit</source>
        <translation>Instellingen automatisch opslaan bij afsluiten</translation>
    </message>
    <message>
        <source>&quot;Load to Drive&quot; only offline Changed Parameters</source>
        <translation>&quot;Laden naar regelaar&quot; alleen offline gewijzigde parameters</translation>
    </message>
    <message>
        <source>Read in blocks</source>
        <translation>In blokken lezen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>PrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Afdrukoptie</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <source>All Parameters</source>
        <translation>Alle parameters</translation>
    </message>
    <message>
        <source>With ReadOnly</source>
        <translation>Met alleen-lezen</translation>
    </message>
    <message>
        <source>Changed Values</source>
        <translation>Gewijzigde waarden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Company Name</source>
        <translation>Bedrijfsnaam</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Toepassing</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>In bedrijf gesteld door</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Naam eenheid</translation>
    </message>
    <message>
        <source>Drive Version</source>
        <translation>Versie regelaar</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Parametertekst</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>De bestanden zijn identiek</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Alleen in %1</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja op &amp;alles</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ee op alles</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alles opslaan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerpen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaardwaarden herstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Negeren</translation>
    </message>
</context>
<context>
    <name>RecFileReader</name>
    <message>
        <source>CSV file not found</source>
        <translation>Apparaatbeschrijvingsbestand niet gevonden</translation>
    </message>
    <message>
        <source>Invalid Rec file</source>
        <translation>Ongeldig opnamebestand</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ongeldig bestandspad</translation>
    </message>
    <message>
        <source>Give Filepath</source>
        <translation>Geef een bestandspad op</translation>
    </message>
</context>
<context>
    <name>RoleChange</name>
    <message>
        <source>Change User Role - Confirmation</source>
        <translation>Gebruikersrol wijzigen - bevestiging</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Gebruiker wijzigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Changing the User role will re-establish the communication with
connected units to support all extra functions. Do you want to
continue?</source>
        <translation>Bij het wijzigen van de gebruikersrol wordt de communicatie met
verbonden eenheden opnieuw opgebouwd voor alle extra functies. Wilt u
doorgaan?</translation>
    </message>
</context>
<context>
    <name>ScanController</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oscilloscoopopname loopt.
Stop eerst de opname</translation>
    </message>
    <message>
        <source>Scanning will delete all connected units.
 Do you want to proceed?</source>
        <translation>Zoeken verwijdert alle verbonden eenheden.
 Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>No unit found on %1.</source>
        <translation>Geen unit gevonden op %1.</translation>
    </message>
    <message numerus="yes">
        <source>The scan found %n unit(s)</source>
        <translation>
            <numerusform>De scan vond %n unit</numerusform>
            <numerusform>De scan vond %n units</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Parameters read from the %n unit(s) found by the scan</source>
        <translation>
            <numerusform>Parameters gelezen van de %n gevonden unit</numerusform>
            <numerusform>Parameters gelezen van de %n gevonden units</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanImport</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>No. of devices: </source>
        <translation>Aantal apparaten: </translation>
    </message>
    <message>
        <source>In progress: </source>
        <translation>Bezig: </translation>
    </message>
    <message>
        <source>Done: </source>
        <translation>Gereed: </translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Laden uit regelaar</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Even geduld...</translation>
    </message>
</context>
<context>
    <name>ScanOps</name>
    <message>
        <source>Device Link Established</source>
        <translation>Apparaatverbinding tot stand gebracht</translation>
    </message>
    <message>
        <source>No CSV File Found</source>
        <translation>Geen CSV-bestand gevonden</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Geen CSV-bestand gevonden</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Ongeldig CSV-bestand</translation>
    </message>
    <message>
        <source>No Connection with Given IP</source>
        <translation>Geen verbinding met opgegeven IP</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Geen apparaatverbinding</translation>
    </message>
</context>
<context>
    <name>ScanRules</name>
    <message>
        <source>Please provide valid unit range</source>
        <translation>Geef een geldig eenheidsbereik op</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS232 interface: Unit range is 1-255</source>
        <translation>Ongeldig eenheidsnummer op RS232: bereik is 1-255</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS485 interface: Unit range is 1-255</source>
        <translation>Ongeldig eenheidsnummer op RS485: bereik is 1-255</translation>
    </message>
    <message>
        <source>Please provide required information</source>
        <translation>Geef de vereiste gegevens op</translation>
    </message>
    <message>
        <source>Please provide unit range</source>
        <translation>Geef een eenheidsbereik op</translation>
    </message>
    <message>
        <source>Duplicate configuration in RS232 and RS485</source>
        <translation>Dubbele configuratie in RS232 en RS485</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Geef een geldig TCP/IP-bereik op</translation>
    </message>
</context>
<context>
    <name>SelectCsvDialog</name>
    <message>
        <source>Select Csv File</source>
        <translation>CSV-bestand kiezen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>ongeldig CSV-bestand</translation>
    </message>
</context>
<context>
    <name>SetLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>Taal instellen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>File not found : general.csv. Program aborted!</source>
        <translation>Bestand niet gevonden: general.csv. Programma afgebroken!</translation>
    </message>
</context>
<context>
    <name>TabWidget</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Exit</source>
        <translation>Oscilloscoopopname loopt. Stop vóór afsluiten</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Oscilloscoop</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Fault Logger</source>
        <translation>Foutlogboek</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarmen</translation>
    </message>
    <message>
        <source>Link Information</source>
        <translation>Verbindingsinformatie</translation>
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
        <translation>Parametertekst</translation>
    </message>
    <message>
        <source> Unit</source>
        <translation> Eenheid</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
</context>
<context>
    <name>TriggerDialog</name>
    <message>
        <source>Conditional Trigger</source>
        <translation>Voorwaardelijke trigger</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Niveautrigger</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Naam eenheid</translation>
    </message>
    <message>
        <source>Group A</source>
        <translation>Groep A</translation>
    </message>
    <message>
        <source>Group B</source>
        <translation>Groep B</translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation>Signaalnaam</translation>
    </message>
    <message>
        <source>Trigger Type</source>
        <translation>Triggertype</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Dalend</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Stijgend</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Voorwaarde</translation>
    </message>
    <message>
        <source>Before Time</source>
        <translation>Tijd vooraf</translation>
    </message>
    <message>
        <source>After Time</source>
        <translation>Tijd achteraf</translation>
    </message>
    <message>
        <source>Capture Time</source>
        <translation>Opnametijd</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Meervoudig</translation>
    </message>
    <message>
        <source>Maximum Total File Size</source>
        <translation>Maximale totale bestandsgrootte</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Maximum Total Duration</source>
        <translation>Maximale totale duur</translation>
    </message>
    <message>
        <source>Number Of Sample</source>
        <translation>Aantal samples</translation>
    </message>
    <message>
        <source>Number Of Samples</source>
        <translation>Aantal samples</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Enter Valid Value</source>
        <translation>Voer een geldige waarde in</translation>
    </message>
    <message>
        <source>Low Value Should be Less than High Value </source>
        <translation>De lage waarde moet kleiner zijn dan de hoge waarde </translation>
    </message>
</context>
<context>
    <name>TriggerSettings</name>
    <message>
        <source>Trigger Options</source>
        <translation>Triggeropties</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Niveautrigger</translation>
    </message>
    <message>
        <source>Conditional Trigger</source>
        <translation>Voorwaardelijke trigger</translation>
    </message>
    <message>
        <source>No Trigger</source>
        <translation>Geen trigger</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>UnitConnector</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Invalid Unit Number: Unit range is 1-255</source>
        <translation>Ongeldig eenheidsnummer: bereik is 1-255</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oscilloscoopopname loopt.
Stop eerst de opname</translation>
    </message>
    <message>
        <source>No csv file information</source>
        <translation>Geen gegevens over csv-bestand</translation>
    </message>
    <message>
        <source>No channel information</source>
        <translation>Geen kanaalgegevens</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>fout</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Poort is al open</translation>
    </message>
    <message>
        <source>Port is not Opened</source>
        <translation>Poort is niet geopend</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>poort niet open</translation>
    </message>
    <message>
        <source>Unit is already activated</source>
        <translation>Eenheid is al actief</translation>
    </message>
    <message>
        <source>duplicate ip address</source>
        <translation>dubbel ip-adres</translation>
    </message>
    <message>
        <source>No Connection with given IP</source>
        <translation>Geen verbinding met opgegeven IP</translation>
    </message>
    <message>
        <source>No CSV File</source>
        <translation>Geen CSV-bestand</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Ongeldig CSV-bestand</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Geen apparaatverbinding</translation>
    </message>
    <message>
        <source>success</source>
        <translation>geslaagd</translation>
    </message>
    <message>
        <source>device link established</source>
        <translation>apparaatverbinding tot stand gebracht</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>waarschuwing</translation>
    </message>
    <message>
        <source>register overlap in the CSV file: %1</source>
        <translation>overlappende registers in het CSV-bestand: %1</translation>
    </message>
    <message>
        <source>Error in CSV file 
 Please provide correct CSV file</source>
        <translation>Fout in het CSV-bestand 
 Gebruik een correct CSV-bestand</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbinding verbreken</translation>
    </message>
    <message>
        <source>device link disconnected</source>
        <translation>apparaatverbinding verbroken</translation>
    </message>
    <message>
        <source>Config Error</source>
        <translation>Configuratiefout</translation>
    </message>
    <message>
        <source>device link not reconnected</source>
        <translation>apparaatverbinding niet hersteld</translation>
    </message>
    <message>
        <source>device link reconnected</source>
        <translation>apparaatverbinding hersteld</translation>
    </message>
    <message>
        <source>Device Link is established</source>
        <translation>Apparaatverbinding is tot stand gebracht</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Geen CSV-bestand gevonden</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Removing</source>
        <translation>Oscilloscoopopname loopt. Stop vóór verwijderen</translation>
    </message>
    <message>
        <source>device link removed</source>
        <translation>apparaatverbinding verwijderd</translation>
    </message>
    <message>
        <source>drive trip: %1</source>
        <translation>aandrijvingsstoring: %1</translation>
    </message>
    <message>
        <source>drive trip cleared: %1</source>
        <translation>aandrijvingsstoring opgeheven: %1</translation>
    </message>
    <message>
        <source>unit %1 at %2</source>
        <translation>eenheid %1 op %2</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>eenheid %1 op %2</translation>
    </message>
    <message>
        <source>Could not connect %1: %2</source>
        <translation>Kan %1 niet verbinden: %2</translation>
    </message>
    <message>
        <source>Connected %1 (%2)</source>
        <translation>%1 verbonden (%2)</translation>
    </message>
    <message>
        <source>device answers again</source>
        <translation>apparaat antwoordt weer</translation>
    </message>
</context>
<context>
    <name>UnitTreeFrame</name>
    <message>
        <source>Scan Units</source>
        <translation>Eenheden zoeken</translation>
    </message>
    <message>
        <source>Scans the units automatically 
 depending on configuration settings</source>
        <translation>Zoekt eenheden automatisch 
 volgens de configuratie-instellingen</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Eenheid toevoegen</translation>
    </message>
    <message>
        <source>Opens window to provide unit details 
 inorder to establish connection</source>
        <translation>Opent een venster voor de eenheidsgegevens 
 om verbinding te maken</translation>
    </message>
    <message>
        <source>Units on RS232</source>
        <translation>Eenheden op RS232</translation>
    </message>
    <message>
        <source>Units on RS485</source>
        <translation>Eenheden op RS485</translation>
    </message>
    <message>
        <source>Units on TCP/IP</source>
        <translation>Eenheden op TCP/IP</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Eenheden uit bestand</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favorieten</translation>
    </message>
</context>
<context>
    <name>VXMainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Create a new parameter</source>
        <translation>Nieuwe parameterset maken</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open parameter setting</source>
        <translation>Parameterinstelling openen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>Op&amp;slaan...</translation>
    </message>
    <message>
        <source>Save parameter setting</source>
        <translation>Parameterinstelling opslaan</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Afdrukken...</translation>
    </message>
    <message>
        <source>Print parameter setting</source>
        <translation>Parameterinstelling afdrukken</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Verge&amp;lijken...</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Vergelijkt twee bestanden</translation>
    </message>
    <message>
        <source>&amp;Load from drive</source>
        <translation>&amp;Laden uit regelaar</translation>
    </message>
    <message>
        <source>Load parameter setting from drive</source>
        <translation>Parameterinstelling uit de regelaar laden</translation>
    </message>
    <message>
        <source>Load &amp;to drive</source>
        <translation>Laden naar &amp;regelaar</translation>
    </message>
    <message>
        <source>Load parameter setting to drive</source>
        <translation>Parameterinstelling naar de regelaar laden</translation>
    </message>
    <message>
        <source>&amp;Dat File Information...</source>
        <translation>Informatie &amp;dat-bestand...</translation>
    </message>
    <message>
        <source>Customer information of dat file</source>
        <translation>Klantgegevens van het dat-bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Programma afsluiten</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Taal...</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Taal wijzigen</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Voorkeuren...</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Voorkeuren wijzigen</translation>
    </message>
    <message>
        <source>Customer data...</source>
        <translation>Klantgegevens...</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Klantgegevens</translation>
    </message>
    <message>
        <source>Communication...</source>
        <translation>Communicatie...</translation>
    </message>
    <message>
        <source>Communication settings</source>
        <translation>Communicatie-instellingen</translation>
    </message>
    <message>
        <source>About Tarvolink...</source>
        <translation>Over Tarvolink...</translation>
    </message>
    <message>
        <source>About Tarvolink</source>
        <translation>Over Tarvolink</translation>
    </message>
    <message>
        <source>User guide...</source>
        <translation>Gebruikershandleiding...</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Gebruikershandleiding</translation>
    </message>
    <message>
        <source>Tarvolink</source>
        <translation>Tarvolink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>General CSV File Not Found</source>
        <translation>Het bestand general.csv is niet gevonden</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Password File is missing</source>
        <translation>Het wachtwoordbestand ontbreekt</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Ongeldig wachtwoord</translation>
    </message>
    <message>
        <source>View for alert(s) / notification(s)</source>
        <translation>Weergave voor alarmen/meldingen</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Role Change</source>
        <translation>Oscilloscoopopname loopt. Stop vóór het wisselen van rol</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Do you want to quit the Application?</source>
        <translation>Wilt u het programma afsluiten?</translation>
    </message>
    <message>
        <source>The user guide was not found:
%1</source>
        <translation>De gebruikershandleiding is niet gevonden:
%1</translation>
    </message>
    <message>
        <source>Opening the user guide...</source>
        <translation>Gebruikershandleiding wordt geopend...</translation>
    </message>
    <message>
        <source>No program to show PDF files was found.
The user guide is here:
%1</source>
        <translation>Er is geen programma gevonden om PDF-bestanden te tonen.
De gebruikershandleiding staat hier:
%1</translation>
    </message>
    <message>
        <source>Link Monitor...</source>
        <translation>Verbindingsmonitor...</translation>
    </message>
    <message>
        <source>Every exchange on the bus, with link statistics per unit</source>
        <translation>Elke uitwisseling op de bus, met verbindingsstatistieken per eenheid</translation>
    </message>
    <message>
        <source>An administrator creates it on this computer with the command
%1</source>
        <translation>Een beheerder maakt het op deze computer aan met de opdracht
%1</translation>
    </message>
</context>
<context>
    <name>VxCommManageSerialPort</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 is in gebruik door een ander programma.</translation>
    </message>
    <message>
        <source>You have no access to %1. Add your user to the group that owns it (dialout) and log in again.</source>
        <translation>U hebt geen toegang tot %1. Voeg uw gebruiker toe aan de groep die er eigenaar van is (dialout) en meld u opnieuw aan.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the adapter plugged in?</source>
        <translation>%1 bestaat niet: is de adapter aangesloten?</translation>
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
        <translation>De adapter van %1 is losgekoppeld of vervangen; de units erop maken vanzelf weer verbinding zodra hij terug is.</translation>
    </message>
</context>
<context>
    <name>VxCommModbusMaster</name>
    <message>
        <source>communication failure</source>
        <translation>communicatiefout</translation>
    </message>
    <message>
        <source>no server connection</source>
        <translation>geen serververbinding</translation>
    </message>
    <message>
        <source>communication failure timeout</source>
        <translation>time-out communicatiefout</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>schrijffout</translation>
    </message>
    <message>
        <source>communication error in receive data</source>
        <translation>communicatiefout in ontvangen gegevens</translation>
    </message>
    <message>
        <source>invalid transaction id</source>
        <translation>ongeldig transactie-id</translation>
    </message>
    <message>
        <source>no data within timeout</source>
        <translation>geen gegevens binnen de time-out</translation>
    </message>
    <message>
        <source>invalid unit id</source>
        <translation>ongeldig eenheid-id</translation>
    </message>
    <message>
        <source>invalid function code</source>
        <translation>ongeldige functiecode</translation>
    </message>
    <message>
        <source>no communication interface</source>
        <translation>geen communicatie-interface</translation>
    </message>
    <message>
        <source>invalid function type</source>
        <translation>ongeldig functietype</translation>
    </message>
    <message>
        <source>communication timeout error</source>
        <translation>time-outfout in communicatie</translation>
    </message>
    <message>
        <source>crc error</source>
        <translation>crc-fout</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>poort niet open</translation>
    </message>
    <message>
        <source>port already open</source>
        <translation>poort is al open</translation>
    </message>
    <message>
        <source>warning message received</source>
        <translation>waarschuwingsbericht ontvangen</translation>
    </message>
    <message>
        <source>invalid received message length</source>
        <translation>ongeldige lengte van ontvangen bericht</translation>
    </message>
    <message>
        <source>device has disconnected</source>
        <translation>apparaat is losgekoppeld</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>onbekende fout</translation>
    </message>
</context>
<context>
    <name>WorkerOps</name>
    <message>
        <source>catchForwardButtonSignal:Write Error </source>
        <translation>Vooruit draaien: schrijffout</translation>
    </message>
    <message>
        <source>catchBackButtonSignal:Write Error </source>
        <translation>Achteruit draaien: schrijffout</translation>
    </message>
    <message>
        <source>catchStopButtonSignal:Write Error </source>
        <translation>Stop: schrijffout</translation>
    </message>
    <message>
        <source>catchReferenceSourceSignal:Write Error </source>
        <translation>Referentiebron: schrijffout</translation>
    </message>
    <message>
        <source>catchRunStopSourceSignal:Write Error </source>
        <translation>Start/stop-bron: schrijffout</translation>
    </message>
    <message>
        <source>catchRefValueSignal:Write Error</source>
        <translation>Referentiewaarde: schrijffout</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Apparaat niet verbonden</translation>
    </message>
    <message>
        <source> Comm Error</source>
        <translation>Communicatiefout</translation>
    </message>
    <message>
        <source>Comm Error
 refer log details</source>
        <translation>Communicatiefout
 zie het logboek voor details</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Verbinding verbroken</translation>
    </message>
    <message>
        <source>OprStatusUpdate:Write Error</source>
        <translation>Statusupdate: schrijffout</translation>
    </message>
    <message>
        <source>TriplogUpdate:Write Error</source>
        <translation>Storingslog-update: schrijffout</translation>
    </message>
</context>
<context>
    <name>addunit</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Geef een geldig TCP/IP-bereik op</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Please provide required configuration details</source>
        <translation>Geef de vereiste configuratiegegevens op</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>csv File(*.csv)</source>
        <translation>Apparaatbeschrijving (*.csv)</translation>
    </message>
    <message>
        <source>Add Units</source>
        <translation>Eenheden toevoegen</translation>
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
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Pariteit</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Data File Selection</source>
        <translation>Keuze gegevensbestand</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handmatig</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>alarms</name>
    <message>
        <source>Current Alerts</source>
        <translation>Actuele alarmen</translation>
    </message>
    <message>
        <source>Alert History</source>
        <translation>Alarmhistorie</translation>
    </message>
    <message>
        <source>First: %1
Last: %2</source>
        <translation>Eerste: %1
Laatste: %2</translation>
    </message>
    <message>
        <source>Save Alerts</source>
        <translation>Alarmen opslaan</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>The alerts could not be saved to
%1:
%2</source>
        <translation>De alarmen konden niet worden opgeslagen in
%1:
%2</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Laatst</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Empty the list; the log file keeps every alert</source>
        <translation>Lijst wissen; het logbestand bewaart elk alarm</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Copy the selected alerts, or all of them, as text</source>
        <translation>Geselecteerde alarmen, of alle, als tekst kopiëren</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Opslaan...</translation>
    </message>
</context>
<context>
    <name>scanDialog</name>
    <message>
        <source>Scan for devices</source>
        <translation>Zoeken naar apparaten</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Automatically scan for devices?</source>
        <translation>Automatisch naar apparaten zoeken?</translation>
    </message>
</context>
<context>
    <name>scanning</name>
    <message>
        <source>No units connected</source>
        <translation>Geen eenheden verbonden</translation>
    </message>
    <message>
        <source>No of devices found:</source>
        <translation>Aantal gevonden apparaten:</translation>
    </message>
    <message>
        <source>Scan Progress</source>
        <translation>Voortgang zoeken</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Automatisch zoeken</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while 
scanning for units. To stop scanning click cancel.</source>
        <translation>Let op: tijdens het zoeken naar eenheden 
is geen bediening mogelijk. Klik op Annuleren om te stoppen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
</TS>
