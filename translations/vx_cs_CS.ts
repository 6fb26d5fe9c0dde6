<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About Tarvolink</source>
        <translation>O programu Tarvolink</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Commissioning and service tool for variable-speed drives.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Nástroj pro uvádění do provozu a servis frekvenčních měničů.&lt;/p&gt;&lt;p&gt;Vytvořeno s Qt %2 (LGPL v3) a QCustomPlot (GPL v3).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>AddFavParam</name>
    <message>
        <source>Favorites</source>
        <translation>Oblíbené</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametr</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>AlertEvent</name>
    <message>
        <source>unit %1</source>
        <translation>jednotka %1</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>jednotka %1 na %2</translation>
    </message>
    <message>
        <source>no answer to a write of %1 after %2 attempts</source>
        <translation>žádná odpověď na zápis %1 po %2 pokusech</translation>
    </message>
    <message>
        <source>no answer to a write of %1</source>
        <translation>žádná odpověď na zápis %1</translation>
    </message>
    <message>
        <source>no answer to a read of %1 after %2 attempts</source>
        <translation>žádná odpověď na čtení %1 po %2 pokusech</translation>
    </message>
    <message>
        <source>no answer to a read of %1</source>
        <translation>žádná odpověď na čtení %1</translation>
    </message>
    <message>
        <source>write of %1 failed after %2 attempts: %3</source>
        <translation>zápis %1 selhal po %2 pokusech: %3</translation>
    </message>
    <message>
        <source>write of %1 failed: %2</source>
        <translation>zápis %1 selhal: %2</translation>
    </message>
    <message>
        <source>read of %1 failed after %2 attempts: %3</source>
        <translation>čtení %1 selhalo po %2 pokusech: %3</translation>
    </message>
    <message>
        <source>read of %1 failed: %2</source>
        <translation>čtení %1 selhalo: %2</translation>
    </message>
    <message>
        <source>the unit refused a write of %1: %2</source>
        <translation>jednotka odmítla zápis %1: %2</translation>
    </message>
    <message>
        <source>the unit refused a read of %1: %2</source>
        <translation>jednotka odmítla čtení %1: %2</translation>
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
        <translation>Informace</translation>
    </message>
    <message>
        <source>Auto Scan Settings</source>
        <translation>Nastavení automatického hledání</translation>
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
        <translation>Porty</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Přenosová rychlost</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parita</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Jednotky</translation>
    </message>
    <message>
        <source>Start IP:</source>
        <translation>Počáteční IP:</translation>
    </message>
    <message>
        <source>End IP:</source>
        <translation>Koncová IP:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Spustit hledání</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Jiný port</translation>
    </message>
</context>
<context>
    <name>CommSettings</name>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Nastavení komunikace</translation>
    </message>
    <message>
        <source>Continue despite communication fault</source>
        <translation>Pokračovat i při chybě komunikace</translation>
    </message>
    <message>
        <source>Delay between messages  (ms) :</source>
        <translation>Prodleva mezi zprávami  (ms) :</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovat</translation>
    </message>
    <message>
        <source>Number of retries</source>
        <translation>Počet opakování</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Delay should be at least 35 ms.</source>
        <translation>Zpoždění musí být alespoň 35 ms.</translation>
    </message>
</context>
<context>
    <name>CompPrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Možnost tisku</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Uložit jako PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>CompareParameters</name>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametr</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porovnat</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Porovnat s</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Pouze v %1</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Soubory jsou shodné</translation>
    </message>
    <message>
        <source>The parameters both sides have are identical</source>
        <translation>Parametry přítomné na obou stranách jsou shodné</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Select Unit</source>
        <translation>Vyberte jednotku</translation>
    </message>
    <message>
        <source>Compare Parameters</source>
        <translation>Porovnat parametry</translation>
    </message>
    <message>
        <source>Add Units to Compare</source>
        <translation>Přidat jednotky k porovnání</translation>
    </message>
    <message>
        <source>Select Parameters to compare</source>
        <translation>Vyberte parametry k porovnání</translation>
    </message>
    <message>
        <source>Select Parameters to be compared with</source>
        <translation>Vyberte parametry, se kterými porovnat</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>%1 (file)</source>
        <translation>%1 (soubor)</translation>
    </message>
</context>
<context>
    <name>Connect</name>
    <message>
        <source>RS232 Unit Details</source>
        <translation>Údaje jednotky RS232</translation>
    </message>
    <message>
        <source>RS485 Unit Details</source>
        <translation>Údaje jednotky RS485</translation>
    </message>
    <message>
        <source>TCP/IP Unit Details</source>
        <translation>Údaje jednotky TCP/IP</translation>
    </message>
    <message>
        <source>File Unit Details</source>
        <translation>Údaje sady ze souboru</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Přenosová rychlost</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parita</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Drive SW Version</source>
        <translation>Verze SW měniče</translation>
    </message>
    <message>
        <source>CSV Version Used</source>
        <translation>Použitá verze CSV</translation>
    </message>
    <message>
        <source>IP Addr</source>
        <translation>IP adr.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>Datový soubor</translation>
    </message>
</context>
<context>
    <name>ControlBox</name>
    <message>
        <source>Control Source</source>
        <translation>Zdroj řízení</translation>
    </message>
    <message>
        <source>Select Run/Stop Source</source>
        <translation>Vyberte zdroj chodu/zastavení</translation>
    </message>
    <message>
        <source>Select Reference Source</source>
        <translation>Vyberte zdroj žádané hodnoty</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Dálkově</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Volba</translation>
    </message>
</context>
<context>
    <name>CtrlPanelController</name>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Range is 0 to 100</source>
        <translation>Rozsah je 0 až 100</translation>
    </message>
</context>
<context>
    <name>CtrlPanelFrame</name>
    <message>
        <source>No Unit</source>
        <translation>Žádná jednotka</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Ovládací panel</translation>
    </message>
    <message>
        <source>Ref value</source>
        <translation>Žádaná hodnota</translation>
    </message>
    <message>
        <source>Ref source</source>
        <translation>Zdroj žád. hodnoty</translation>
    </message>
    <message>
        <source>Run/Stop source</source>
        <translation>Zdroj chodu/zastavení</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Vzad</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Dálkově</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Volba</translation>
    </message>
</context>
<context>
    <name>CurrentUnitPresenter</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Připojování k %1...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Probíhá záznam osciloskopu.
Zastavte záznam</translation>
    </message>
</context>
<context>
    <name>CustomerDataDialog</name>
    <message>
        <source>Customer Data</source>
        <translation>Údaje zákazníka</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Název firmy</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Ulice 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Ulice 2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Místo</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Město</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Země</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontaktní osoba</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplikace</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Uvedl do provozu</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Sériové číslo</translation>
    </message>
</context>
<context>
    <name>EditFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Oblíbené</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Vyberte sadu</translation>
    </message>
    <message>
        <source>Set Name</source>
        <translation>Název sady</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametry</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Auto
měřítko</translation>
    </message>
    <message>
        <source>Param
Name</source>
        <translation>Název
param.</translation>
    </message>
    <message>
        <source>Curr
Val</source>
        <translation>Akt.
hodn.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Parametr již existuje</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>File Export</source>
        <translation>Export souboru</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
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
        <translation>ftp://&lt;Uživatel&gt;:&lt;Heslo&gt;@&lt;Hostitel&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Vlastník</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Přejít do nadřazené složky</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stáhnout</translation>
    </message>
    <message>
        <source>Download All New</source>
        <translation>Stáhnout všechny nové</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>FTP Link file is not found</source>
        <translation>Soubor s odkazem FTP nebyl nalezen</translation>
    </message>
    <message>
        <source>The FTP URL is not valid</source>
        <translation>Adresa FTP není platná</translation>
    </message>
    <message>
        <source>Connecting to FTP server %1...</source>
        <translation>Připojování k serveru FTP %1...</translation>
    </message>
    <message>
        <source>The FTP server at %1 shows a certificate that no trusted authority has signed. The connection was refused.</source>
        <translation>Server FTP %1 předložil certifikát, který nepodepsala žádná důvěryhodná autorita. Spojení bylo odmítnuto.</translation>
    </message>
    <message>
        <source>The FTP server at %1 did not set up a protected (TLS) connection. The connection was refused.</source>
        <translation>Server FTP %1 nenavázal chráněné (TLS) spojení. Spojení bylo odmítnuto.</translation>
    </message>
    <message>
        <source>Unable to connect to the FTP server at %1. Please check that the host name is correct.</source>
        <translation>Nelze se připojit k serveru FTP %1. Zkontrolujte, zda je název hostitele správný.</translation>
    </message>
    <message>
        <source>Unable to list the directory: %1</source>
        <translation>Nelze vypsat složku: %1</translation>
    </message>
    <message>
        <source>Logged onto %1.</source>
        <translation>Přihlášeno k %1.</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;prázdné&gt;</translation>
    </message>
    <message>
        <source>Select only CSV file to download.</source>
        <translation>Ke stažení vyberte pouze soubory CSV.</translation>
    </message>
    <message>
        <source>The server lists the name %1, which is not a plain file name. Nothing was written.</source>
        <translation>Server uvádí název %1, který není prostým názvem souboru. Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>File already downloaded, do you want to overwrite?</source>
        <translation>Soubor je již stažen, chcete jej přepsat?</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Stahování %1...</translation>
    </message>
    <message>
        <source>Downloaded %1 to current directory.</source>
        <translation>%1 staženo do aktuální složky.</translation>
    </message>
    <message>
        <source>File Downloaded Successfully</source>
        <translation>Soubor byl úspěšně stažen</translation>
    </message>
    <message>
        <source>Download Failed %1 to current directory.</source>
        <translation>Stažení %1 do aktuální složky selhalo.</translation>
    </message>
    <message>
        <source>File Size mismatched</source>
        <translation>Velikost souboru nesouhlasí</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Stahování %1 zrušeno.</translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Soubor %1 nelze uložit: %2.</translation>
    </message>
    <message>
        <source>File Download Error:</source>
        <translation>Chyba stahování souboru:</translation>
    </message>
    <message>
        <source>The server lists names that are not plain file names. Nothing was written for them:
%1</source>
        <translation>Server uvádí názvy, které nejsou prostými názvy souborů. Pro ně nebylo nic zapsáno:
%1</translation>
    </message>
    <message>
        <source>Error in downloading new files. Please download again.</source>
        <translation>Chyba při stahování nových souborů. Stáhněte je znovu.</translation>
    </message>
    <message>
        <source>Operation is successful. All files are updated and no file is downloaded.</source>
        <translation>Operace proběhla úspěšně. Všechny soubory jsou aktuální, nic nebylo staženo.</translation>
    </message>
    <message>
        <source>Operation is successful. The total number of files downloaded is %1.</source>
        <translation>Operace proběhla úspěšně. Celkem staženo souborů: %1.</translation>
    </message>
</context>
<context>
    <name>HeaderLine</name>
    <message>
        <source>Select a Language</source>
        <translation>Vyberte jazyk</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Změnit</translation>
    </message>
    <message>
        <source>Logged on as:</source>
        <translation>Přihlášen jako:</translation>
    </message>
    <message>
        <source>Alert(s)/Notification(s):</source>
        <translation>Výstrahy/oznámení:</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>oscilloscope block %1</source>
        <translation>blok osciloskopu %1</translation>
    </message>
    <message>
        <source>%1, set %2</source>
        <translation>%1, sada %2</translation>
    </message>
    <message>
        <source>%1 (%2 registers)</source>
        <translation>%1 (%2 registrů)</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>parametry</translation>
    </message>
    <message>
        <source>device code</source>
        <translation>kód zařízení</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>verze softwaru</translation>
    </message>
    <message>
        <source>drive size</source>
        <translation>velikost měniče</translation>
    </message>
    <message>
        <source>status</source>
        <translation>stav</translation>
    </message>
    <message>
        <source>trip log</source>
        <translation>záznam poruch</translation>
    </message>
    <message>
        <source>control panel</source>
        <translation>ovládací panel</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <translation>osciloskop</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>vyhledávání</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>výjimka %1</translation>
    </message>
    <message>
        <source>link error %1</source>
        <translation>chyba spojení %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception</source>
        <translation>výjimka</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>vypršení času</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>chybný CRC</translation>
    </message>
    <message>
        <source>wrong unit</source>
        <translation>chybná jednotka</translation>
    </message>
    <message>
        <source>wrong function</source>
        <translation>chybná funkce</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>chybná délka</translation>
    </message>
    <message>
        <source>wrong transaction</source>
        <translation>chybná transakce</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>spojení odmítnuto</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>spojení ztraceno</translation>
    </message>
    <message>
        <source>link error</source>
        <translation>chyba spojení</translation>
    </message>
</context>
<context>
    <name>LinkMonitorModel</name>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Spojení</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Asked for</source>
        <translation>Požadováno</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funkce</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registr</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Počet</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Hodnoty</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation>Pokus</translation>
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
        <translation>Monitor spojení</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Všechny jednotky</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Všechny požadavky</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identifikace</translation>
    </message>
    <message>
        <source>Failures and resends only</source>
        <translation>Jen chyby a opakování</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Keeps recording but stops following the newest exchange</source>
        <translation>Záznam pokračuje, ale zobrazení nesleduje nejnovější výměnu</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Uložit jako CSV...</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Vynulovat statistiku</translation>
    </message>
    <message>
        <source>%1 exchanges shown, %2 kept, %3 dropped as the oldest</source>
        <translation>zobrazeno výměn: %1, uchováno: %2, vyřazeno jako nejstarší: %3</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Výměny</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Chyby</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Opakování</translation>
    </message>
    <message>
        <source>Response min / mean / 95 % / max</source>
        <translation>Odezva min / průměr / 95 % / max</translation>
    </message>
    <message>
        <source>Last failure</source>
        <translation>Poslední chyba</translation>
    </message>
    <message>
        <source>none</source>
        <translation>žádná</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Uložit jako CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>The exchanges could not be saved: %1</source>
        <translation>Výměny nelze uložit: %1</translation>
    </message>
</context>
<context>
    <name>LoginFrame</name>
    <message>
        <source>Normal</source>
        <translation>Normální</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servis</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Uživatel</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Přihlásit</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
</context>
<context>
    <name>OscPlotArea</name>
    <message>
        <source>Set Marker 1 Here</source>
        <translation>Umístit značku 1 sem</translation>
    </message>
    <message>
        <source>Set Marker 2 Here</source>
        <translation>Umístit značku 2 sem</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Vymazat značky</translation>
    </message>
    <message>
        <source>Save plot as PNG...</source>
        <translation>Uložit graf jako PNG...</translation>
    </message>
    <message>
        <source>Save plot as PDF...</source>
        <translation>Uložit graf jako PDF...</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Uložit graf</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Neplatná cesta k souboru</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Zobrazit vše</translation>
    </message>
    <message>
        <source>Automatic Value Range</source>
        <translation>Automatický rozsah hodnot</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Čas (s)</translation>
    </message>
</context>
<context>
    <name>OscPrintGui</name>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabulka</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Tiskárna</translation>
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
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>OsciSettings</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Barva pozadí</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bílá</translation>
    </message>
    <message>
        <source>Changes plot area color to white</source>
        <translation>Nastaví barvu oblasti grafu na bílou</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Černá</translation>
    </message>
    <message>
        <source>Changes plot area color to black</source>
        <translation>Nastaví barvu oblasti grafu na černou</translation>
    </message>
    <message>
        <source>Colorbar for setting plot color to 
different shades between black and white</source>
        <translation>Barevná lišta pro nastavení oblasti grafu 
na odstíny mezi černou a bílou</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Šířka čáry</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Tenká</translation>
    </message>
    <message>
        <source>Changes the width of graph to thin</source>
        <translation>Nastaví tenkou čáru křivek</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Silná</translation>
    </message>
    <message>
        <source>Changes the width of graph to fat</source>
        <translation>Nastaví silnou čáru křivek</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Mřížka</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>keeps the grid for plot areas</source>
        <translation>ponechá mřížku v oblastech grafu</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>removes the grid for plot areas</source>
        <translation>odstraní mřížku z oblastí grafu</translation>
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
        <translation>Vyberte barvu</translation>
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
        <translation>Jednotky ze souboru</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Oblíbené</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Prints table/graph</source>
        <translation>Vytiskne tabulku/graf</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentář</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogové</translation>
    </message>
    <message>
        <source>display only analog signals</source>
        <translation>zobrazit pouze analogové signály</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitální</translation>
    </message>
    <message>
        <source>display only digital signals</source>
        <translation>zobrazit pouze digitální signály</translation>
    </message>
    <message>
        <source>Analog-Digital</source>
        <translation>Analogové-digitální</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zvětšení</translation>
    </message>
    <message>
        <source>Back 2</source>
        <translation>Zpět 2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Forward 2</source>
        <translation>Vpřed 2</translation>
    </message>
    <message>
        <source>Set Sampling Time</source>
        <translation>Nastavit dobu vzorkování</translation>
    </message>
    <message>
        <source>Data from unit will be retrieved at this interval.</source>
        <translation>Data z jednotky se budou číst v tomto intervalu.</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Záznam</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Spouštění</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Auto
měřítko</translation>
    </message>
    <message>
        <source>Param Name</source>
        <translation>Název parametru</translation>
    </message>
    <message>
        <source>Curr
Value</source>
        <translation>Aktuální
hodnota</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
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
        <translation>Zastaví záznam a zobrazování křivek</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Starts the recording and displaying the selected graphs</source>
        <translation>Spustí záznam a zobrazování vybraných křivek</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Resumes the displaying of selected graphs</source>
        <translation>Obnoví zobrazování vybraných křivek</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Pauses the displaying of selected graphs 
while recording continues in background</source>
        <translation>Pozastaví zobrazování vybraných křivek, 
zatímco záznam pokračuje na pozadí</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Doba odezvy</translation>
    </message>
    <message>
        <source>Slowest Device</source>
        <translation>Nejpomalejší zařízení</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>No unit is connected to record from</source>
        <translation>Není připojena žádná jednotka pro záznam</translation>
    </message>
    <message>
        <source>Trigger in Progress- Do you want to Stop?</source>
        <translation>Probíhá spouštění - Chcete jej zastavit?</translation>
    </message>
    <message>
        <source>Do you want to save rec file?</source>
        <translation>Chcete uložit soubor záznamu?</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Neplatná cesta k souboru</translation>
    </message>
    <message>
        <source>Open rec file</source>
        <translation>Otevřít soubor záznamu</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Probíhá záznam osciloskopu.
Zastavte záznam</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Nakonfigurováno</translation>
    </message>
    <message>
        <source>Not Active</source>
        <translation>Neaktivní</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Čekání...</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Probíhá...</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Parametr již existuje</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Favourite list is empty</source>
        <translation>Seznam oblíbených je prázdný</translation>
    </message>
    <message>
        <source>Save pdf file</source>
        <translation>Uložit soubor PDF</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Žádná data</translation>
    </message>
    <message>
        <source>The recording is kept in %1</source>
        <translation>Záznam zůstává v %1</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Zobrazit vše</translation>
    </message>
    <message>
        <source>Shows the whole recording (key F over the plots)</source>
        <translation>Zobrazí celý záznam (klávesa F nad grafy)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Auto Y</translation>
    </message>
    <message>
        <source>Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the mouse wheel zoom the values)</source>
        <translation>Vrátí analogovému grafu automatický rozsah hodnot (klávesa A nad grafy; Ctrl a kolečko myši zvětšují hodnoty)</translation>
    </message>
    <message>
        <source>(armed at the next Start)</source>
        <translation>(aktivní při příštím „Spustit“)</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Graf uložen do %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Uložit jako CSV</translation>
    </message>
    <message>
        <source>Saves the shown recording as plain CSV, one column per signal</source>
        <translation>Uloží zobrazený záznam jako prostý CSV, jeden sloupec na signál</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Zaznamenáno %1</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% rozsahu</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Uložit záznam</translation>
    </message>
    <message>
        <source>Recording saved to %1</source>
        <translation>Záznam uložen do %1</translation>
    </message>
    <message>
        <source>There is no recording to save</source>
        <translation>Není žádný záznam k uložení</translation>
    </message>
    <message>
        <source>CSV saved to %1</source>
        <translation>CSV uloženo do %1</translation>
    </message>
    <message>
        <source>PDF saved to %1</source>
        <translation>PDF uloženo do %1</translation>
    </message>
</context>
<context>
    <name>ParamTransfer</name>
    <message>
        <source>Parameters Loading To Drive</source>
        <translation>Nahrávání parametrů do měniče</translation>
    </message>
    <message>
        <source>Parameters Loading from Drive</source>
        <translation>Načítání parametrů z měniče</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Čekejte prosím...</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while the parameters 
   are &quot;Load From Drive&quot; or &quot;Load To Drive&quot; in the parameter window.
   To cancel operation click cancel.</source>
        <translation>Poznámka: během „Načtení z měniče“ nebo „Nahrání do měniče“ 
   v okně parametrů nelze provádět žádné operace.
   Operaci zrušíte tlačítkem Zrušit.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n parameter(s) to %1</source>
        <translation>
            <numerusform>Do %1 zapsán %n parametr</numerusform>
            <numerusform>Do %1 zapsány %n parametry</numerusform>
            <numerusform>Do %1 zapsáno %n parametrů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n parameter(s) from %1</source>
        <translation>
            <numerusform>Z %1 načten %n parametr</numerusform>
            <numerusform>Z %1 načteny %n parametry</numerusform>
            <numerusform>Z %1 načteno %n parametrů</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to %1 cancelled after %2 of %3 parameters</source>
        <translation>Zápis do %1 zrušen po %2 z %3 parametrů</translation>
    </message>
    <message>
        <source>Read from %1 cancelled after %2 of %3 parameters</source>
        <translation>Čtení z %1 zrušeno po %2 z %3 parametrů</translation>
    </message>
    <message>
        <source>Write to %1 ended: the unit was removed</source>
        <translation>Zápis do %1 ukončen: jednotka byla odebrána</translation>
    </message>
    <message>
        <source>Read from %1 ended: the unit was removed</source>
        <translation>Čtení z %1 ukončeno: jednotka byla odebrána</translation>
    </message>
    <message>
        <source>Write to %1 failed after %2 of %3 parameters</source>
        <translation>Zápis do %1 selhal po %2 z %3 parametrů</translation>
    </message>
    <message>
        <source>Read from %1 failed after %2 of %3 parameters</source>
        <translation>Čtení z %1 selhalo po %2 z %3 parametrů</translation>
    </message>
    <message>
        <source>; %1 parameters without a value were skipped</source>
        <translation>; přeskočeno %1 parametrů bez hodnoty</translation>
    </message>
</context>
<context>
    <name>ParameterActions</name>
    <message>
        <source>Sent %1 (set %2) to %3</source>
        <translation>%1 (sada %2) odesláno do %3</translation>
    </message>
    <message>
        <source>Sending %1 (set %2) to %3 failed</source>
        <translation>Odeslání %1 (sada %2) do %3 selhalo</translation>
    </message>
    <message>
        <source>%1: Device not connected</source>
        <translation>%1: Zařízení není připojeno</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Zařízení není připojeno</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>These parameter sets have changes that are not saved:
%1

Do you want to save them?</source>
        <translation>Tyto sady parametrů obsahují neuložené změny:
%1

Chcete je uložit?</translation>
    </message>
</context>
<context>
    <name>ParameterPrint</name>
    <message>
        <source>Save pdf file</source>
        <translation>Uložit soubor PDF</translation>
    </message>
    <message>
        <source>(*.pdf)</source>
        <translation>(*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Soubor PDF nelze zapsat:
%1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Odesláno na tiskárnu</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Uloženo: %1</translation>
    </message>
</context>
<context>
    <name>ParameterToolBar</name>
    <message>
        <source>Collapse All</source>
        <translation>Sbalit vše</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Rozbalit vše</translation>
    </message>
    <message>
        <source>Collapses All Parameters</source>
        <translation>Sbalí všechny parametry</translation>
    </message>
    <message>
        <source>Expands All Parameters</source>
        <translation>Rozbalí všechny parametry</translation>
    </message>
    <message>
        <source>No Unit</source>
        <translation>Žádná jednotka</translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Načíst z měniče</translation>
    </message>
    <message>
        <source>Imports data from 
controlcard to application</source>
        <translation>Načte data z 
řídicí karty do aplikace</translation>
    </message>
    <message>
        <source>Load to Drive</source>
        <translation>Nahrát do měniče</translation>
    </message>
    <message>
        <source>Exports data from 
application to controlcard</source>
        <translation>Zapíše data z 
aplikace do řídicí karty</translation>
    </message>
    <message>
        <source>Opens new csv file</source>
        <translation>Otevře nový soubor csv</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Opens already saved .dat files</source>
        <translation>Otevře uložené soubory .dat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Saves the file in .dat format</source>
        <translation>Uloží soubor ve formátu .dat</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Prints the parameter view</source>
        <translation>Vytiskne zobrazení parametrů</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porovnat</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Porovná dva soubory</translation>
    </message>
    <message>
        <source>Send changes directly</source>
        <translation>Odesílat změny přímo</translation>
    </message>
    <message>
        <source>Exports the edited parameters immediately to controlcard if checked</source>
        <translation>Je-li zaškrtnuto, upravené parametry se ihned zapíší do řídicí karty</translation>
    </message>
    <message>
        <source>Upgrade CSV</source>
        <translation>Aktualizovat CSV</translation>
    </message>
    <message>
        <source>Send directly</source>
        <translation>Odeslat přímo</translation>
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
        <translation>Dolní mez vybraného parametru</translation>
    </message>
    <message>
        <source>Maximum limit of the parameter selected in the view</source>
        <translation>Horní mez vybraného parametru</translation>
    </message>
    <message>
        <source>Parameter Help</source>
        <translation>Nápověda k parametru</translation>
    </message>
    <message>
        <source>Please refer help manual.</source>
        <translation>Viz příručka.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>neplatný soubor CSV</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>csv File(*.dat)</source>
        <translation>Sada parametrů (*.dat)</translation>
    </message>
    <message>
        <source>The file could not be opened:
%1</source>
        <translation>Soubor nelze otevřít:
%1</translation>
    </message>
    <message>
        <source>Save dat file</source>
        <translation>Uložit soubor dat</translation>
    </message>
    <message>
        <source>(*.dat)</source>
        <translation>(*.dat)</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1</source>
        <translation>Soubor nelze uložit:
%1</translation>
    </message>
    <message>
        <source>oscView Record in Progress.
You can stop recording for faster performance
Do you want to Continue?</source>
        <translation>Probíhá záznam osciloskopu.
Pro vyšší rychlost záznam zastavte
Chcete pokračovat?</translation>
    </message>
    <message>
        <source>No unit is connected to load the parameters to.</source>
        <translation>Není připojena žádná jednotka, do které lze parametry nahrát.</translation>
    </message>
    <message>
        <source>Sizes of drives are differ
 Do you want to continue?</source>
        <translation>Velikosti měničů se liší
 Chcete pokračovat?</translation>
    </message>
    <message>
        <source>Type of drives are differ
 Do you want to continue?</source>
        <translation>Typy měničů se liší
 Chcete pokračovat?</translation>
    </message>
    <message>
        <source>Version of drives are differ
 Do you want to continue?</source>
        <translation>Verze měničů se liší
 Chcete pokračovat?</translation>
    </message>
    <message>
        <source>Motor is running, some of configuration parameter may not set properly.
Do you want to Continue?</source>
        <translation>Motor běží, některé konfigurační parametry se nemusí nastavit správně.
Chcete pokračovat?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Copy parameters to Drive</source>
        <translation>Kopírovat parametry do měniče</translation>
    </message>
    <message>
        <source>The range is %1 to %2.</source>
        <translation>Rozsah je %1 až %2.</translation>
    </message>
    <message>
        <source>%1: that key is not accepted here. %2</source>
        <translation>%1: tato klávesa zde není přípustná. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken. %3</source>
        <translation>%1: „%2“ nebylo přijato. %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value for %2.</source>
        <translation>„%1“ není platná hodnota pro %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Otevřeno: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Uloženo: %1</translation>
    </message>
    <message>
        <source>%1 parameters were not read from the unit. Save anyway?</source>
        <translation>%1 parametrů nebylo načteno z jednotky. Přesto uložit?</translation>
    </message>
    <message>
        <source>%1 parameters have no value in this set and will be skipped.</source>
        <translation>%1 parametrů nemá v této sadě hodnotu a budou přeskočeny.</translation>
    </message>
    <message>
        <source>The file holds %1 of %2 parameters of %3. Write these %1?</source>
        <translation>Soubor obsahuje %1 z %2 parametrů souboru %3. Zapsat těchto %1?</translation>
    </message>
    <message>
        <source>%1 %2 is now %3 in set %4</source>
        <translation>%1 %2 je nyní %3 v sadě %4</translation>
    </message>
    <message>
        <source>%1 parameters of %2 to %3</source>
        <translation>%1 parametrů z %2 do %3</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Předvolby</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; on Automatic scan (scan unit)</source>
        <translation>„Načíst z měniče“ po automatickém hledání (hledat jednotky)</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; in Manual Add unit, on Connect</source>
        <translation>„Načíst z měniče“ při ručním přidání, při připojení</translation>
    </message>
    <message>
        <source>Automatic scan on application startup</source>
        <translation>Automatické hledání při spuštění</translation>
    </message>
    <message>
        <source>Automatic save Setting on Exit</source>
        <translation>Automaticky uložit nastavení při ukončení</translation>
    </message>
    <message>
        <source>&quot;Load to Drive&quot; only offline Changed Parameters</source>
        <translation>„Nahrát do měniče“ pouze parametry změněné offline</translation>
    </message>
    <message>
        <source>Read in blocks</source>
        <translation>Číst po blocích</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>PrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Možnost tisku</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Uložit jako PDF</translation>
    </message>
    <message>
        <source>All Parameters</source>
        <translation>Všechny parametry</translation>
    </message>
    <message>
        <source>With ReadOnly</source>
        <translation>Včetně jen pro čtení</translation>
    </message>
    <message>
        <source>Changed Values</source>
        <translation>Změněné hodnoty</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Company Name</source>
        <translation>Název firmy</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplikace</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Uvedl do provozu</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Název jednotky</translation>
    </message>
    <message>
        <source>Drive Version</source>
        <translation>Verze měniče</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Text parametru</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Soubory jsou shodné</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametr</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porovnat</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Porovnat s</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Pouze v %1</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ano &amp;všem</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e všem</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Uložit vše</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Zahodit</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Obnovit výchozí</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Přerušit</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opakovat</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorovat</translation>
    </message>
</context>
<context>
    <name>RecFileReader</name>
    <message>
        <source>CSV file not found</source>
        <translation>Soubor popisu zařízení nebyl nalezen</translation>
    </message>
    <message>
        <source>Invalid Rec file</source>
        <translation>Neplatný soubor záznamu</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Invalid Filepath</source>
        <translation>Neplatná cesta k souboru</translation>
    </message>
    <message>
        <source>Give Filepath</source>
        <translation>Zadejte cestu k souboru</translation>
    </message>
</context>
<context>
    <name>RoleChange</name>
    <message>
        <source>Change User Role - Confirmation</source>
        <translation>Změna role uživatele – potvrzení</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Změnit uživatele</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Changing the User role will re-establish the communication with
connected units to support all extra functions. Do you want to
continue?</source>
        <translation>Změna role uživatele znovu naváže komunikaci s
připojenými jednotkami pro všechny další funkce. Chcete
pokračovat?</translation>
    </message>
</context>
<context>
    <name>ScanController</name>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Probíhá záznam osciloskopu.
Zastavte záznam</translation>
    </message>
    <message>
        <source>Scanning will delete all connected units.
 Do you want to proceed?</source>
        <translation>Hledání odebere všechny připojené jednotky.
 Chcete pokračovat?</translation>
    </message>
    <message>
        <source>No unit found on %1.</source>
        <translation>Na %1 nebyla nalezena žádná jednotka.</translation>
    </message>
    <message numerus="yes">
        <source>The scan found %n unit(s)</source>
        <translation>
            <numerusform>Hledání našlo %n jednotku</numerusform>
            <numerusform>Hledání našlo %n jednotky</numerusform>
            <numerusform>Hledání našlo %n jednotek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Parameters read from the %n unit(s) found by the scan</source>
        <translation>
            <numerusform>Parametry načteny z %n nalezené jednotky</numerusform>
            <numerusform>Parametry načteny ze %n nalezených jednotek</numerusform>
            <numerusform>Parametry načteny z %n nalezených jednotek</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanImport</name>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>No. of devices: </source>
        <translation>Počet zařízení: </translation>
    </message>
    <message>
        <source>In progress: </source>
        <translation>Probíhá: </translation>
    </message>
    <message>
        <source>Done: </source>
        <translation>Hotovo: </translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Načíst z měniče</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Čekejte prosím...</translation>
    </message>
</context>
<context>
    <name>ScanOps</name>
    <message>
        <source>Device Link Established</source>
        <translation>Spojení se zařízením navázáno</translation>
    </message>
    <message>
        <source>No CSV File Found</source>
        <translation>Soubor CSV nenalezen</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Soubor CSV nenalezen</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Neplatný soubor CSV</translation>
    </message>
    <message>
        <source>No Connection with Given IP</source>
        <translation>Žádné spojení se zadanou IP</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Žádné spojení se zařízením</translation>
    </message>
</context>
<context>
    <name>ScanRules</name>
    <message>
        <source>Please provide valid unit range</source>
        <translation>Zadejte platný rozsah jednotek</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS232 interface: Unit range is 1-255</source>
        <translation>Neplatné číslo jednotky na RS232: rozsah je 1-255</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS485 interface: Unit range is 1-255</source>
        <translation>Neplatné číslo jednotky na RS485: rozsah je 1-255</translation>
    </message>
    <message>
        <source>Please provide required information</source>
        <translation>Zadejte požadované údaje</translation>
    </message>
    <message>
        <source>Please provide unit range</source>
        <translation>Zadejte rozsah jednotek</translation>
    </message>
    <message>
        <source>Duplicate configuration in RS232 and RS485</source>
        <translation>Duplicitní konfigurace v RS232 a RS485</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Zadejte platný rozsah TCP/IP</translation>
    </message>
</context>
<context>
    <name>SelectCsvDialog</name>
    <message>
        <source>Select Csv File</source>
        <translation>Vyberte soubor CSV</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>neplatný soubor CSV</translation>
    </message>
</context>
<context>
    <name>SetLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>Nastavit jazyk</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>File not found : general.csv. Program aborted!</source>
        <translation>Soubor nenalezen: general.csv. Program ukončen!</translation>
    </message>
</context>
<context>
    <name>TabWidget</name>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Exit</source>
        <translation>Probíhá záznam osciloskopu. Před ukončením jej zastavte</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametry</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Osciloskop</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Fault Logger</source>
        <translation>Záznam poruch</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Výstrahy</translation>
    </message>
    <message>
        <source>Link Information</source>
        <translation>Informace o spojení</translation>
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
        <translation>Text parametru</translation>
    </message>
    <message>
        <source> Unit</source>
        <translation> Jednotka</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
</context>
<context>
    <name>TriggerDialog</name>
    <message>
        <source>Conditional Trigger</source>
        <translation>Podmíněné spouštění</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Spouštění úrovní</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Režim</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Název jednotky</translation>
    </message>
    <message>
        <source>Group A</source>
        <translation>Skupina A</translation>
    </message>
    <message>
        <source>Group B</source>
        <translation>Skupina B</translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation>Název signálu</translation>
    </message>
    <message>
        <source>Trigger Type</source>
        <translation>Typ spouštění</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Sestupná</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Vzestupná</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Obě</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Hodnota</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Vysoká</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Podmínka</translation>
    </message>
    <message>
        <source>Before Time</source>
        <translation>Doba před</translation>
    </message>
    <message>
        <source>After Time</source>
        <translation>Doba po</translation>
    </message>
    <message>
        <source>Capture Time</source>
        <translation>Doba záznamu</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Jednorázově</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Opakovaně</translation>
    </message>
    <message>
        <source>Maximum Total File Size</source>
        <translation>Maximální celková velikost souborů</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Maximum Total Duration</source>
        <translation>Maximální celková doba</translation>
    </message>
    <message>
        <source>Number Of Sample</source>
        <translation>Počet vzorků</translation>
    </message>
    <message>
        <source>Number Of Samples</source>
        <translation>Počet vzorků</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Enter Valid Value</source>
        <translation>Zadejte platnou hodnotu</translation>
    </message>
    <message>
        <source>Low Value Should be Less than High Value </source>
        <translation>Dolní hodnota musí být menší než horní hodnota </translation>
    </message>
</context>
<context>
    <name>TriggerSettings</name>
    <message>
        <source>Trigger Options</source>
        <translation>Možnosti spouštění</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Spouštění úrovní</translation>
    </message>
    <message>
        <source>Conditional Trigger</source>
        <translation>Podmíněné spouštění</translation>
    </message>
    <message>
        <source>No Trigger</source>
        <translation>Bez spouštění</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>UnitConnector</name>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Invalid Unit Number: Unit range is 1-255</source>
        <translation>Neplatné číslo jednotky: rozsah je 1-255</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Probíhá záznam osciloskopu.
Zastavte záznam</translation>
    </message>
    <message>
        <source>No csv file information</source>
        <translation>Žádné údaje o souboru csv</translation>
    </message>
    <message>
        <source>No channel information</source>
        <translation>Žádné údaje o kanálu</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>selhání</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Port je již otevřen</translation>
    </message>
    <message>
        <source>Port is not Opened</source>
        <translation>Port není otevřen</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>port není otevřen</translation>
    </message>
    <message>
        <source>Unit is already activated</source>
        <translation>Jednotka je již aktivní</translation>
    </message>
    <message>
        <source>duplicate ip address</source>
        <translation>duplicitní ip adresa</translation>
    </message>
    <message>
        <source>No Connection with given IP</source>
        <translation>Žádné spojení se zadanou IP</translation>
    </message>
    <message>
        <source>No CSV File</source>
        <translation>Žádný soubor CSV</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Neplatný soubor CSV</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Žádné spojení se zařízením</translation>
    </message>
    <message>
        <source>success</source>
        <translation>úspěch</translation>
    </message>
    <message>
        <source>device link established</source>
        <translation>spojení se zařízením navázáno</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>varování</translation>
    </message>
    <message>
        <source>register overlap in the CSV file: %1</source>
        <translation>překryv registrů v souboru CSV: %1</translation>
    </message>
    <message>
        <source>Error in CSV file 
 Please provide correct CSV file</source>
        <translation>Chyba v souboru CSV 
 Zadejte správný soubor CSV</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>device link disconnected</source>
        <translation>spojení se zařízením odpojeno</translation>
    </message>
    <message>
        <source>Config Error</source>
        <translation>Chyba konfigurace</translation>
    </message>
    <message>
        <source>device link not reconnected</source>
        <translation>spojení se zařízením neobnoveno</translation>
    </message>
    <message>
        <source>device link reconnected</source>
        <translation>spojení se zařízením obnoveno</translation>
    </message>
    <message>
        <source>Device Link is established</source>
        <translation>Spojení se zařízením je navázáno</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Soubor CSV nenalezen</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Removing</source>
        <translation>Probíhá záznam osciloskopu. Před odebráním jej zastavte</translation>
    </message>
    <message>
        <source>device link removed</source>
        <translation>spojení se zařízením odebráno</translation>
    </message>
    <message>
        <source>drive trip: %1</source>
        <translation>porucha měniče: %1</translation>
    </message>
    <message>
        <source>drive trip cleared: %1</source>
        <translation>porucha měniče odstraněna: %1</translation>
    </message>
    <message>
        <source>unit %1 at %2</source>
        <translation>jednotka %1 na %2</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>jednotka %1 na %2</translation>
    </message>
    <message>
        <source>Could not connect %1: %2</source>
        <translation>Nelze připojit %1: %2</translation>
    </message>
    <message>
        <source>Connected %1 (%2)</source>
        <translation>Připojeno %1 (%2)</translation>
    </message>
    <message>
        <source>device answers again</source>
        <translation>zařízení znovu odpovídá</translation>
    </message>
</context>
<context>
    <name>UnitTreeFrame</name>
    <message>
        <source>Scan Units</source>
        <translation>Hledat jednotky</translation>
    </message>
    <message>
        <source>Scans the units automatically 
 depending on configuration settings</source>
        <translation>Automaticky hledá jednotky 
 podle nastavení konfigurace</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Přidat jednotku</translation>
    </message>
    <message>
        <source>Opens window to provide unit details 
 inorder to establish connection</source>
        <translation>Otevře okno pro zadání údajů jednotky 
 k navázání spojení</translation>
    </message>
    <message>
        <source>Units on RS232</source>
        <translation>Jednotky na RS232</translation>
    </message>
    <message>
        <source>Units on RS485</source>
        <translation>Jednotky na RS485</translation>
    </message>
    <message>
        <source>Units on TCP/IP</source>
        <translation>Jednotky na TCP/IP</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Jednotky ze souboru</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Oblíbené</translation>
    </message>
</context>
<context>
    <name>VXMainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>Create a new parameter</source>
        <translation>Vytvořit novou sadu parametrů</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>Open parameter setting</source>
        <translation>Otevřít nastavení parametrů</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Uložit...</translation>
    </message>
    <message>
        <source>Save parameter setting</source>
        <translation>Uložit nastavení parametrů</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tisk...</translation>
    </message>
    <message>
        <source>Print parameter setting</source>
        <translation>Vytisknout nastavení parametrů</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Po&amp;rovnat...</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Porovná dva soubory</translation>
    </message>
    <message>
        <source>&amp;Load from drive</source>
        <translation>Načíst z &amp;měniče</translation>
    </message>
    <message>
        <source>Load parameter setting from drive</source>
        <translation>Načíst nastavení parametrů z měniče</translation>
    </message>
    <message>
        <source>Load &amp;to drive</source>
        <translation>Na&amp;hrát do měniče</translation>
    </message>
    <message>
        <source>Load parameter setting to drive</source>
        <translation>Nahrát nastavení parametrů do měniče</translation>
    </message>
    <message>
        <source>&amp;Dat File Information...</source>
        <translation>Informace o souboru &amp;dat...</translation>
    </message>
    <message>
        <source>Customer information of dat file</source>
        <translation>Údaje zákazníka v souboru dat</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Ukončit aplikaci</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Jazyk...</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Změnit jazyk</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Předvolby...</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Změnit předvolby</translation>
    </message>
    <message>
        <source>Customer data...</source>
        <translation>Údaje zákazníka...</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Údaje zákazníka</translation>
    </message>
    <message>
        <source>Communication...</source>
        <translation>Komunikace...</translation>
    </message>
    <message>
        <source>Communication settings</source>
        <translation>Nastavení komunikace</translation>
    </message>
    <message>
        <source>About Tarvolink...</source>
        <translation>O programu Tarvolink...</translation>
    </message>
    <message>
        <source>About Tarvolink</source>
        <translation>O programu Tarvolink</translation>
    </message>
    <message>
        <source>User guide...</source>
        <translation>Uživatelská příručka...</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Uživatelská příručka</translation>
    </message>
    <message>
        <source>Tarvolink</source>
        <translation>Tarvolink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>General CSV File Not Found</source>
        <translation>Soubor general.csv nenalezen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Password File is missing</source>
        <translation>Chybí soubor s heslem</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Neplatné heslo</translation>
    </message>
    <message>
        <source>View for alert(s) / notification(s)</source>
        <translation>Zobrazení výstrah / oznámení</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Role Change</source>
        <translation>Probíhá záznam osciloskopu. Před změnou role jej zastavte</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Do you want to quit the Application?</source>
        <translation>Chcete ukončit aplikaci?</translation>
    </message>
    <message>
        <source>The user guide was not found:
%1</source>
        <translation>Uživatelská příručka nebyla nalezena:
%1</translation>
    </message>
    <message>
        <source>Opening the user guide...</source>
        <translation>Otevírání uživatelské příručky...</translation>
    </message>
    <message>
        <source>No program to show PDF files was found.
The user guide is here:
%1</source>
        <translation>Nebyl nalezen žádný program pro zobrazení souborů PDF.
Uživatelská příručka je zde:
%1</translation>
    </message>
    <message>
        <source>Link Monitor...</source>
        <translation>Monitor spojení...</translation>
    </message>
    <message>
        <source>Every exchange on the bus, with link statistics per unit</source>
        <translation>Každá výměna na sběrnici se statistikou spojení pro každou jednotku</translation>
    </message>
    <message>
        <source>An administrator creates it on this computer with the command
%1</source>
        <translation>Správce jej vytvoří na tomto počítači příkazem
%1</translation>
    </message>
</context>
<context>
    <name>VxCommManageSerialPort</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 používá jiný program.</translation>
    </message>
    <message>
        <source>You have no access to %1. Add your user to the group that owns it (dialout) and log in again.</source>
        <translation>Nemáte přístup k %1. Přidejte svého uživatele do skupiny, která jej vlastní (dialout), a znovu se přihlaste.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the adapter plugged in?</source>
        <translation>%1 neexistuje: je adaptér připojen?</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>sériové číslo %1</translation>
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
        <translation>Adaptér %1 byl odpojen nebo vyměněn; jeho jednotky se samy znovu připojí, jakmile bude zpět.</translation>
    </message>
</context>
<context>
    <name>VxCommModbusMaster</name>
    <message>
        <source>communication failure</source>
        <translation>selhání komunikace</translation>
    </message>
    <message>
        <source>no server connection</source>
        <translation>žádné spojení se serverem</translation>
    </message>
    <message>
        <source>communication failure timeout</source>
        <translation>selhání komunikace: časový limit</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>chyba zápisu</translation>
    </message>
    <message>
        <source>communication error in receive data</source>
        <translation>chyba komunikace v přijatých datech</translation>
    </message>
    <message>
        <source>invalid transaction id</source>
        <translation>neplatné id transakce</translation>
    </message>
    <message>
        <source>no data within timeout</source>
        <translation>žádná data v časovém limitu</translation>
    </message>
    <message>
        <source>invalid unit id</source>
        <translation>neplatné id jednotky</translation>
    </message>
    <message>
        <source>invalid function code</source>
        <translation>neplatný kód funkce</translation>
    </message>
    <message>
        <source>no communication interface</source>
        <translation>žádné komunikační rozhraní</translation>
    </message>
    <message>
        <source>invalid function type</source>
        <translation>neplatný typ funkce</translation>
    </message>
    <message>
        <source>communication timeout error</source>
        <translation>chyba časového limitu komunikace</translation>
    </message>
    <message>
        <source>crc error</source>
        <translation>chyba crc</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>port není otevřen</translation>
    </message>
    <message>
        <source>port already open</source>
        <translation>port je již otevřen</translation>
    </message>
    <message>
        <source>warning message received</source>
        <translation>přijata varovná zpráva</translation>
    </message>
    <message>
        <source>invalid received message length</source>
        <translation>neplatná délka přijaté zprávy</translation>
    </message>
    <message>
        <source>device has disconnected</source>
        <translation>zařízení se odpojilo</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>neznámá chyba</translation>
    </message>
</context>
<context>
    <name>WorkerOps</name>
    <message>
        <source>catchForwardButtonSignal:Write Error </source>
        <translation>Chod vpřed: chyba zápisu</translation>
    </message>
    <message>
        <source>catchBackButtonSignal:Write Error </source>
        <translation>Chod vzad: chyba zápisu</translation>
    </message>
    <message>
        <source>catchStopButtonSignal:Write Error </source>
        <translation>Stop: chyba zápisu</translation>
    </message>
    <message>
        <source>catchReferenceSourceSignal:Write Error </source>
        <translation>Zdroj žádané hodnoty: chyba zápisu</translation>
    </message>
    <message>
        <source>catchRunStopSourceSignal:Write Error </source>
        <translation>Zdroj start/stop: chyba zápisu</translation>
    </message>
    <message>
        <source>catchRefValueSignal:Write Error</source>
        <translation>Žádaná hodnota: chyba zápisu</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Zařízení není připojeno</translation>
    </message>
    <message>
        <source> Comm Error</source>
        <translation>Chyba komunikace</translation>
    </message>
    <message>
        <source>Comm Error
 refer log details</source>
        <translation>Chyba komunikace
 podrobnosti v protokolu</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Spojení ztraceno</translation>
    </message>
    <message>
        <source>OprStatusUpdate:Write Error</source>
        <translation>Aktualizace stavu: chyba zápisu</translation>
    </message>
    <message>
        <source>TriplogUpdate:Write Error</source>
        <translation>Aktualizace záznamu poruch: chyba zápisu</translation>
    </message>
</context>
<context>
    <name>addunit</name>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Zadejte platný rozsah TCP/IP</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Please provide required configuration details</source>
        <translation>Zadejte požadované údaje konfigurace</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otevřít soubor</translation>
    </message>
    <message>
        <source>csv File(*.csv)</source>
        <translation>Popis zařízení (*.csv)</translation>
    </message>
    <message>
        <source>Add Units</source>
        <translation>Přidat jednotky</translation>
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
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Přenosová rychlost</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parita</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP adresa</translation>
    </message>
    <message>
        <source>Data File Selection</source>
        <translation>Výběr datového souboru</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automaticky</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ručně</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procházet</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>alarms</name>
    <message>
        <source>Current Alerts</source>
        <translation>Aktuální výstrahy</translation>
    </message>
    <message>
        <source>Alert History</source>
        <translation>Historie výstrah</translation>
    </message>
    <message>
        <source>First: %1
Last: %2</source>
        <translation>Poprvé: %1
Naposledy: %2</translation>
    </message>
    <message>
        <source>Save Alerts</source>
        <translation>Uložit výstrahy</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textové soubory (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>The alerts could not be saved to
%1:
%2</source>
        <translation>Výstrahy se nepodařilo uložit do
%1:
%2</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Naposledy</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Počet</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Výstraha</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Empty the list; the log file keeps every alert</source>
        <translation>Vyprázdnit seznam; soubor protokolu uchová každou výstrahu</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Copy the selected alerts, or all of them, as text</source>
        <translation>Kopírovat vybrané výstrahy, nebo všechny, jako text</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Uložit...</translation>
    </message>
</context>
<context>
    <name>scanDialog</name>
    <message>
        <source>Scan for devices</source>
        <translation>Hledat zařízení</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Automatically scan for devices?</source>
        <translation>Automaticky hledat zařízení?</translation>
    </message>
</context>
<context>
    <name>scanning</name>
    <message>
        <source>No units connected</source>
        <translation>Žádné připojené jednotky</translation>
    </message>
    <message>
        <source>No of devices found:</source>
        <translation>Počet nalezených zařízení:</translation>
    </message>
    <message>
        <source>Scan Progress</source>
        <translation>Průběh hledání</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Automatické hledání</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Hledání</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while 
scanning for units. To stop scanning click cancel.</source>
        <translation>Poznámka: během hledání jednotek 
nelze provádět žádné operace. Hledání zastavíte tlačítkem Zrušit.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
</TS>
