<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About Tarvolink</source>
        <translation>Über Tarvolink</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Commissioning and service tool for variable-speed drives.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Inbetriebnahme- und Servicewerkzeug für drehzahlveränderbare Antriebe.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2 (LGPL v3) und QCustomPlot (GPL v3).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AddFavParam</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AlertEvent</name>
    <message>
        <source>unit %1</source>
        <translation>Gerät %1</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>Gerät %1 an %2</translation>
    </message>
    <message>
        <source>no answer to a write of %1 after %2 attempts</source>
        <translation>keine Antwort auf das Schreiben von %1 nach %2 Versuchen</translation>
    </message>
    <message>
        <source>no answer to a write of %1</source>
        <translation>keine Antwort auf das Schreiben von %1</translation>
    </message>
    <message>
        <source>no answer to a read of %1 after %2 attempts</source>
        <translation>keine Antwort auf das Lesen von %1 nach %2 Versuchen</translation>
    </message>
    <message>
        <source>no answer to a read of %1</source>
        <translation>keine Antwort auf das Lesen von %1</translation>
    </message>
    <message>
        <source>write of %1 failed after %2 attempts: %3</source>
        <translation>Schreiben von %1 nach %2 Versuchen fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>write of %1 failed: %2</source>
        <translation>Schreiben von %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>read of %1 failed after %2 attempts: %3</source>
        <translation>Lesen von %1 nach %2 Versuchen fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>read of %1 failed: %2</source>
        <translation>Lesen von %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>the unit refused a write of %1: %2</source>
        <translation>das Gerät hat das Schreiben von %1 abgelehnt: %2</translation>
    </message>
    <message>
        <source>the unit refused a read of %1: %2</source>
        <translation>das Gerät hat das Lesen von %1 abgelehnt: %2</translation>
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
        <translation>Einstellungen automatische Suche</translation>
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
        <translation>Anschlüsse</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Start IP:</source>
        <translation>Start-IP:</translation>
    </message>
    <message>
        <source>End IP:</source>
        <translation>End-IP:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Suche starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Anderer Port</translation>
    </message>
</context>
<context>
    <name>CommSettings</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Kommunikationseinstellungen</translation>
    </message>
    <message>
        <source>Continue despite communication fault</source>
        <translation>Trotz Kommunikationsfehler fortfahren</translation>
    </message>
    <message>
        <source>Delay between messages  (ms) :</source>
        <translation>Verzögerung zwischen Telegrammen  (ms) :</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Number of retries</source>
        <translation>Anzahl Wiederholungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delay should be at least 35 ms.</source>
        <translation>Die Verzögerung muss mindestens 35 ms betragen.</translation>
    </message>
</context>
<context>
    <name>CompPrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Druckoption</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Nur in %1</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Die Dateien sind identisch</translation>
    </message>
    <message>
        <source>The parameters both sides have are identical</source>
        <translation>Die auf beiden Seiten vorhandenen Parameter sind identisch</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Select Unit</source>
        <translation>Gerät wählen</translation>
    </message>
    <message>
        <source>Compare Parameters</source>
        <translation>Parameter vergleichen</translation>
    </message>
    <message>
        <source>Add Units to Compare</source>
        <translation>Geräte zum Vergleich hinzufügen</translation>
    </message>
    <message>
        <source>Select Parameters to compare</source>
        <translation>Zu vergleichende Parameter wählen</translation>
    </message>
    <message>
        <source>Select Parameters to be compared with</source>
        <translation>Vergleichsparameter wählen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 (file)</source>
        <translation>%1 (Datei)</translation>
    </message>
</context>
<context>
    <name>Connect</name>
    <message>
        <source>RS232 Unit Details</source>
        <translation>Gerätedaten RS232</translation>
    </message>
    <message>
        <source>RS485 Unit Details</source>
        <translation>Gerätedaten RS485</translation>
    </message>
    <message>
        <source>TCP/IP Unit Details</source>
        <translation>Gerätedaten TCP/IP</translation>
    </message>
    <message>
        <source>File Unit Details</source>
        <translation>Daten der Dateieinheit</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Baugröße</translation>
    </message>
    <message>
        <source>Drive SW Version</source>
        <translation>Softwareversion Umrichter</translation>
    </message>
    <message>
        <source>CSV Version Used</source>
        <translation>Verwendete CSV-Version</translation>
    </message>
    <message>
        <source>IP Addr</source>
        <translation>IP-Adr.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>Datendatei</translation>
    </message>
</context>
<context>
    <name>ControlBox</name>
    <message>
        <source>Control Source</source>
        <translation>Steuerquelle</translation>
    </message>
    <message>
        <source>Select Run/Stop Source</source>
        <translation>Start/Stopp-Quelle wählen</translation>
    </message>
    <message>
        <source>Select Reference Source</source>
        <translation>Sollwertquelle wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Fern</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
</context>
<context>
    <name>CtrlPanelController</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Range is 0 to 100</source>
        <translation>Bereich ist 0 bis 100</translation>
    </message>
</context>
<context>
    <name>CtrlPanelFrame</name>
    <message>
        <source>No Unit</source>
        <translation>Kein Gerät</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Bedienfeld</translation>
    </message>
    <message>
        <source>Ref value</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>Ref source</source>
        <translation>Sollwertquelle</translation>
    </message>
    <message>
        <source>Run/Stop source</source>
        <translation>Start/Stopp-Quelle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Fern</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
</context>
<context>
    <name>CurrentUnitPresenter</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung mit %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oszilloskopaufzeichnung läuft.
Bitte Aufzeichnung beenden</translation>
    </message>
</context>
<context>
    <name>CustomerDataDialog</name>
    <message>
        <source>Customer Data</source>
        <translation>Kundendaten</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Straße 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Straße 2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
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
        <translation>Ansprechpartner</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>In Betrieb genommen von</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
</context>
<context>
    <name>EditFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Satz wählen</translation>
    </message>
    <message>
        <source>Set Name</source>
        <translation>Satzname</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Auto-
Skalierung</translation>
    </message>
    <message>
        <source>Param
Name</source>
        <translation>Param.-
Name</translation>
    </message>
    <message>
        <source>Curr
Val</source>
        <translation>Akt.
Wert</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Parameter ist bereits vorhanden</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>File Export</source>
        <translation>Dateiexport</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
</context>
<context>
    <name>FtpWindow</name>
    <message>
        <source>Ftp &amp;server:</source>
        <translation>FTP-&amp;Server:</translation>
    </message>
    <message>
        <source>ftp://&lt;UserName&gt;:&lt;Password&gt;@&lt;Hostname&gt;</source>
        <translation>ftp://&lt;Benutzername&gt;:&lt;Passwort&gt;@&lt;Hostname&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Baugröße</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Besitzer</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Zum übergeordneten Verzeichnis</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Download All New</source>
        <translation>Alle neuen herunterladen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>FTP Link file is not found</source>
        <translation>Die FTP-Linkdatei wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The FTP URL is not valid</source>
        <translation>Die FTP-URL ist ungültig</translation>
    </message>
    <message>
        <source>Connecting to FTP server %1...</source>
        <translation>Verbindung zum FTP-Server %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>The FTP server at %1 shows a certificate that no trusted authority has signed. The connection was refused.</source>
        <translation>Der FTP-Server unter %1 zeigt ein Zertifikat, das keine vertrauenswürdige Stelle signiert hat. Die Verbindung wurde abgelehnt.</translation>
    </message>
    <message>
        <source>The FTP server at %1 did not set up a protected (TLS) connection. The connection was refused.</source>
        <translation>Der FTP-Server unter %1 hat keine geschützte (TLS-)Verbindung aufgebaut. Die Verbindung wurde abgelehnt.</translation>
    </message>
    <message>
        <source>Unable to connect to the FTP server at %1. Please check that the host name is correct.</source>
        <translation>Keine Verbindung zum FTP-Server unter %1 möglich. Bitte prüfen Sie den Hostnamen.</translation>
    </message>
    <message>
        <source>Unable to list the directory: %1</source>
        <translation>Verzeichnis kann nicht aufgelistet werden: %1</translation>
    </message>
    <message>
        <source>Logged onto %1.</source>
        <translation>Angemeldet bei %1.</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;leer&gt;</translation>
    </message>
    <message>
        <source>Select only CSV file to download.</source>
        <translation>Nur CSV-Dateien zum Herunterladen wählen.</translation>
    </message>
    <message>
        <source>The server lists the name %1, which is not a plain file name. Nothing was written.</source>
        <translation>Der Server nennt den Namen %1, der kein einfacher Dateiname ist. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>File already downloaded, do you want to overwrite?</source>
        <translation>Die Datei wurde bereits heruntergeladen. Überschreiben?</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Downloaded %1 to current directory.</source>
        <translation>%1 in das aktuelle Verzeichnis heruntergeladen.</translation>
    </message>
    <message>
        <source>File Downloaded Successfully</source>
        <translation>Datei erfolgreich heruntergeladen</translation>
    </message>
    <message>
        <source>Download Failed %1 to current directory.</source>
        <translation>Herunterladen von %1 in das aktuelle Verzeichnis fehlgeschlagen.</translation>
    </message>
    <message>
        <source>File Size mismatched</source>
        <translation>Dateigröße stimmt nicht überein</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Herunterladen von %1 abgebrochen.</translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Die Datei %1 kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>File Download Error:</source>
        <translation>Fehler beim Herunterladen:</translation>
    </message>
    <message>
        <source>The server lists names that are not plain file names. Nothing was written for them:
%1</source>
        <translation>Der Server nennt Namen, die keine einfachen Dateinamen sind. Für sie wurde nichts geschrieben:
%1</translation>
    </message>
    <message>
        <source>Error in downloading new files. Please download again.</source>
        <translation>Fehler beim Herunterladen neuer Dateien. Bitte erneut herunterladen.</translation>
    </message>
    <message>
        <source>Operation is successful. All files are updated and no file is downloaded.</source>
        <translation>Vorgang erfolgreich. Alle Dateien sind aktuell, es wurde keine Datei heruntergeladen.</translation>
    </message>
    <message>
        <source>Operation is successful. The total number of files downloaded is %1.</source>
        <translation>Vorgang erfolgreich. Anzahl heruntergeladener Dateien: %1.</translation>
    </message>
</context>
<context>
    <name>HeaderLine</name>
    <message>
        <source>Select a Language</source>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Logged on as:</source>
        <translation>Angemeldet als:</translation>
    </message>
    <message>
        <source>Alert(s)/Notification(s):</source>
        <translation>Alarm(e)/Meldung(en):</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>oscilloscope block %1</source>
        <translation>Oszilloskop-Block %1</translation>
    </message>
    <message>
        <source>%1, set %2</source>
        <translation>%1, Satz %2</translation>
    </message>
    <message>
        <source>%1 (%2 registers)</source>
        <translation>%1 (%2 Register)</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>device code</source>
        <translation>Gerätecode</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>drive size</source>
        <translation>Umrichtergröße</translation>
    </message>
    <message>
        <source>status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>trip log</source>
        <translation>Fehlerspeicher</translation>
    </message>
    <message>
        <source>control panel</source>
        <translation>Bedienfeld</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <translation>Oszilloskop</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>Ausnahme %1</translation>
    </message>
    <message>
        <source>link error %1</source>
        <translation>Verbindungsfehler %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception</source>
        <translation>Ausnahme</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>falscher CRC</translation>
    </message>
    <message>
        <source>wrong unit</source>
        <translation>falsche Einheit</translation>
    </message>
    <message>
        <source>wrong function</source>
        <translation>falsche Funktion</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>falsche Länge</translation>
    </message>
    <message>
        <source>wrong transaction</source>
        <translation>falsche Transaktion</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>link error</source>
        <translation>Verbindungsfehler</translation>
    </message>
</context>
<context>
    <name>LinkMonitorModel</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Asked for</source>
        <translation>Angefragt</translation>
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
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation>Versuch</translation>
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
        <translation>Verbindungsmonitor</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Alle Einheiten</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Alle Anfragen</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>Identifikation</translation>
    </message>
    <message>
        <source>Failures and resends only</source>
        <translation>Nur Fehler und Wiederholungen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Keeps recording but stops following the newest exchange</source>
        <translation>Zeichnet weiter auf, folgt aber nicht mehr dem neuesten Austausch</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern...</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>%1 exchanges shown, %2 kept, %3 dropped as the oldest</source>
        <translation>%1 Austausche angezeigt, %2 behalten, %3 als älteste verworfen</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Austausche</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Response min / mean / 95 % / max</source>
        <translation>Antwort min / Mittel / 95 % / max</translation>
    </message>
    <message>
        <source>Last failure</source>
        <translation>Letzter Fehler</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The exchanges could not be saved: %1</source>
        <translation>Die Austausche konnten nicht gespeichert werden: %1</translation>
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
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>OscPlotArea</name>
    <message>
        <source>Set Marker 1 Here</source>
        <translation>Marker 1 hier setzen</translation>
    </message>
    <message>
        <source>Set Marker 2 Here</source>
        <translation>Marker 2 hier setzen</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Marker löschen</translation>
    </message>
    <message>
        <source>Save plot as PNG...</source>
        <translation>Diagramm als PNG speichern...</translation>
    </message>
    <message>
        <source>Save plot as PDF...</source>
        <translation>Diagramm als PDF speichern...</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ungültiger Dateipfad</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Alles zeigen</translation>
    </message>
    <message>
        <source>Automatic Value Range</source>
        <translation>Automatischer Wertebereich</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
</context>
<context>
    <name>OscPrintGui</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OsciSettings</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Changes plot area color to white</source>
        <translation>Setzt die Farbe des Diagrammbereichs auf Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Changes plot area color to black</source>
        <translation>Setzt die Farbe des Diagrammbereichs auf Schwarz</translation>
    </message>
    <message>
        <source>Colorbar for setting plot color to 
different shades between black and white</source>
        <translation>Farbleiste zum Einstellen der Diagrammfarbe in 
Grautönen zwischen Schwarz und Weiß</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Dünn</translation>
    </message>
    <message>
        <source>Changes the width of graph to thin</source>
        <translation>Stellt die Kurven dünn dar</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Dick</translation>
    </message>
    <message>
        <source>Changes the width of graph to fat</source>
        <translation>Stellt die Kurven dick dar</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>keeps the grid for plot areas</source>
        <translation>zeigt das Raster in den Diagrammbereichen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>removes the grid for plot areas</source>
        <translation>blendet das Raster in den Diagrammbereichen aus</translation>
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
        <translation>Farbe wählen</translation>
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
        <translation>Geräte aus Datei</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Prints table/graph</source>
        <translation>Druckt Tabelle/Diagramm</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>display only analog signals</source>
        <translation>nur analoge Signale anzeigen</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>display only digital signals</source>
        <translation>nur digitale Signale anzeigen</translation>
    </message>
    <message>
        <source>Analog-Digital</source>
        <translation>Analog-Digital</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Back 2</source>
        <translation>Zurück 2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Forward 2</source>
        <translation>Vorwärts 2</translation>
    </message>
    <message>
        <source>Set Sampling Time</source>
        <translation>Abtastzeit einstellen</translation>
    </message>
    <message>
        <source>Data from unit will be retrieved at this interval.</source>
        <translation>Die Daten werden in diesem Intervall vom Gerät gelesen.</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Auto-
Skalierung</translation>
    </message>
    <message>
        <source>Param Name</source>
        <translation>Parametername</translation>
    </message>
    <message>
        <source>Curr
Value</source>
        <translation>Akt.
Wert</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
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
        <translation>Beendet die Aufzeichnung und die Anzeige der Kurven</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Starts the recording and displaying the selected graphs</source>
        <translation>Startet die Aufzeichnung und die Anzeige der gewählten Kurven</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Resumes the displaying of selected graphs</source>
        <translation>Setzt die Anzeige der gewählten Kurven fort</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pauses the displaying of selected graphs 
while recording continues in background</source>
        <translation>Hält die Anzeige der gewählten Kurven an, 
während die Aufzeichnung im Hintergrund weiterläuft</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Antwortzeit</translation>
    </message>
    <message>
        <source>Slowest Device</source>
        <translation>Langsamstes Gerät</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No unit is connected to record from</source>
        <translation>Es ist kein Gerät zum Aufzeichnen verbunden</translation>
    </message>
    <message>
        <source>Trigger in Progress- Do you want to Stop?</source>
        <translation>Trigger läuft - Möchten Sie ihn stoppen?</translation>
    </message>
    <message>
        <source>Do you want to save rec file?</source>
        <translation>Möchten Sie die Aufzeichnungsdatei speichern?</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ungültiger Dateipfad</translation>
    </message>
    <message>
        <source>Open rec file</source>
        <translation>Aufzeichnungsdatei öffnen</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oszilloskopaufzeichnung läuft.
Bitte Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Konfiguriert</translation>
    </message>
    <message>
        <source>Not Active</source>
        <translation>Nicht aktiv</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Warten...</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Läuft...</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Parameter ist bereits vorhanden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Favourite list is empty</source>
        <translation>Die Favoritenliste ist leer</translation>
    </message>
    <message>
        <source>Save pdf file</source>
        <translation>PDF-Datei speichern</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>The recording is kept in %1</source>
        <translation>Die Aufzeichnung bleibt erhalten in %1</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Alles zeigen</translation>
    </message>
    <message>
        <source>Shows the whole recording (key F over the plots)</source>
        <translation>Zeigt die ganze Aufzeichnung (Taste F über den Diagrammen)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Auto Y</translation>
    </message>
    <message>
        <source>Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the mouse wheel zoom the values)</source>
        <translation>Gibt dem analogen Diagramm wieder seinen automatischen Wertebereich (Taste A über den Diagrammen; Strg und das Mausrad zoomen die Werte)</translation>
    </message>
    <message>
        <source>(armed at the next Start)</source>
        <translation>(aktiv ab dem nächsten „Start“)</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Diagramm gespeichert unter %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>Saves the shown recording as plain CSV, one column per signal</source>
        <translation>Speichert die gezeigte Aufzeichnung als einfache CSV-Datei, eine Spalte je Signal</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Aufgezeichnet %1</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% des Bereichs</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Aufzeichnung speichern</translation>
    </message>
    <message>
        <source>Recording saved to %1</source>
        <translation>Aufzeichnung gespeichert unter %1</translation>
    </message>
    <message>
        <source>There is no recording to save</source>
        <translation>Es gibt keine Aufzeichnung zum Speichern</translation>
    </message>
    <message>
        <source>CSV saved to %1</source>
        <translation>CSV gespeichert unter %1</translation>
    </message>
    <message>
        <source>PDF saved to %1</source>
        <translation>PDF gespeichert unter %1</translation>
    </message>
</context>
<context>
    <name>ParamTransfer</name>
    <message>
        <source>Parameters Loading To Drive</source>
        <translation>Parameter werden in den Umrichter geladen</translation>
    </message>
    <message>
        <source>Parameters Loading from Drive</source>
        <translation>Parameter werden aus dem Umrichter geladen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while the parameters 
   are &quot;Load From Drive&quot; or &quot;Load To Drive&quot; in the parameter window.
   To cancel operation click cancel.</source>
        <translation>Hinweis: Während die Parameter im Parameterfenster 
   &quot;Vom Umrichter laden&quot; oder &quot;In Umrichter laden&quot; werden, ist keine Bedienung möglich.
   Zum Abbrechen auf Abbrechen klicken.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n parameter(s) to %1</source>
        <translation>
            <numerusform>%n Parameter in %1 geschrieben</numerusform>
            <numerusform>%n Parameter in %1 geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n parameter(s) from %1</source>
        <translation>
            <numerusform>%n Parameter aus %1 gelesen</numerusform>
            <numerusform>%n Parameter aus %1 gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to %1 cancelled after %2 of %3 parameters</source>
        <translation>Schreiben in %1 nach %2 von %3 Parametern abgebrochen</translation>
    </message>
    <message>
        <source>Read from %1 cancelled after %2 of %3 parameters</source>
        <translation>Lesen aus %1 nach %2 von %3 Parametern abgebrochen</translation>
    </message>
    <message>
        <source>Write to %1 ended: the unit was removed</source>
        <translation>Schreiben in %1 beendet: das Gerät wurde entfernt</translation>
    </message>
    <message>
        <source>Read from %1 ended: the unit was removed</source>
        <translation>Lesen aus %1 beendet: das Gerät wurde entfernt</translation>
    </message>
    <message>
        <source>Write to %1 failed after %2 of %3 parameters</source>
        <translation>Schreiben in %1 nach %2 von %3 Parametern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Read from %1 failed after %2 of %3 parameters</source>
        <translation>Lesen aus %1 nach %2 von %3 Parametern fehlgeschlagen</translation>
    </message>
    <message>
        <source>; %1 parameters without a value were skipped</source>
        <translation>; %1 Parameter ohne Wert wurden übersprungen</translation>
    </message>
</context>
<context>
    <name>ParameterActions</name>
    <message>
        <source>Sent %1 (set %2) to %3</source>
        <translation>%1 (Satz %2) an %3 gesendet</translation>
    </message>
    <message>
        <source>Sending %1 (set %2) to %3 failed</source>
        <translation>Senden von %1 (Satz %2) an %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1: Device not connected</source>
        <translation>%1: Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>These parameter sets have changes that are not saved:
%1

Do you want to save them?</source>
        <translation>Diese Parametersätze haben nicht gespeicherte Änderungen:
%1

Möchten Sie sie speichern?</translation>
    </message>
</context>
<context>
    <name>ParameterPrint</name>
    <message>
        <source>Save pdf file</source>
        <translation>PDF-Datei speichern</translation>
    </message>
    <message>
        <source>(*.pdf)</source>
        <translation>(*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>An den Drucker gesendet</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
</context>
<context>
    <name>ParameterToolBar</name>
    <message>
        <source>Collapse All</source>
        <translation>Alle zuklappen</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Alle aufklappen</translation>
    </message>
    <message>
        <source>Collapses All Parameters</source>
        <translation>Klappt alle Parameter zu</translation>
    </message>
    <message>
        <source>Expands All Parameters</source>
        <translation>Klappt alle Parameter auf</translation>
    </message>
    <message>
        <source>No Unit</source>
        <translation>Kein Gerät</translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Vom Umrichter laden</translation>
    </message>
    <message>
        <source>Imports data from 
controlcard to application</source>
        <translation>Liest Daten von der 
Steuerkarte in das Programm</translation>
    </message>
    <message>
        <source>Load to Drive</source>
        <translation>In Umrichter laden</translation>
    </message>
    <message>
        <source>Exports data from 
application to controlcard</source>
        <translation>Schreibt Daten vom 
Programm auf die Steuerkarte</translation>
    </message>
    <message>
        <source>Opens new csv file</source>
        <translation>Öffnet eine neue CSV-Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Opens already saved .dat files</source>
        <translation>Öffnet gespeicherte .dat-Dateien</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Saves the file in .dat format</source>
        <translation>Speichert die Datei im .dat-Format</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Prints the parameter view</source>
        <translation>Druckt die Parameteransicht</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Vergleicht zwei Dateien</translation>
    </message>
    <message>
        <source>Send changes directly</source>
        <translation>Änderungen sofort senden</translation>
    </message>
    <message>
        <source>Exports the edited parameters immediately to controlcard if checked</source>
        <translation>Schreibt geänderte Parameter sofort auf die Steuerkarte, wenn aktiviert</translation>
    </message>
    <message>
        <source>Upgrade CSV</source>
        <translation>CSV aktualisieren</translation>
    </message>
    <message>
        <source>Send directly</source>
        <translation>Direkt senden</translation>
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
        <translation>Untergrenze des gewählten Parameters</translation>
    </message>
    <message>
        <source>Maximum limit of the parameter selected in the view</source>
        <translation>Obergrenze des gewählten Parameters</translation>
    </message>
    <message>
        <source>Parameter Help</source>
        <translation>Parameterhilfe</translation>
    </message>
    <message>
        <source>Please refer help manual.</source>
        <translation>Bitte im Handbuch nachlesen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>ungültige CSV-Datei</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>csv File(*.dat)</source>
        <translation>Parametersatz (*.dat)</translation>
    </message>
    <message>
        <source>The file could not be opened:
%1</source>
        <translation>Die Datei konnte nicht geöffnet werden:
%1</translation>
    </message>
    <message>
        <source>Save dat file</source>
        <translation>DAT-Datei speichern</translation>
    </message>
    <message>
        <source>(*.dat)</source>
        <translation>(*.dat)</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1</source>
        <translation>Die Datei konnte nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>oscView Record in Progress.
You can stop recording for faster performance
Do you want to Continue?</source>
        <translation>Oszilloskopaufzeichnung läuft.
Für mehr Geschwindigkeit Aufzeichnung beenden
Fortfahren?</translation>
    </message>
    <message>
        <source>No unit is connected to load the parameters to.</source>
        <translation>Es ist kein Gerät verbunden, in das die Parameter geladen werden können.</translation>
    </message>
    <message>
        <source>Sizes of drives are differ
 Do you want to continue?</source>
        <translation>Die Baugrößen der Umrichter unterscheiden sich
 Fortfahren?</translation>
    </message>
    <message>
        <source>Type of drives are differ
 Do you want to continue?</source>
        <translation>Die Umrichtertypen unterscheiden sich
 Fortfahren?</translation>
    </message>
    <message>
        <source>Version of drives are differ
 Do you want to continue?</source>
        <translation>Die Umrichterversionen unterscheiden sich
 Fortfahren?</translation>
    </message>
    <message>
        <source>Motor is running, some of configuration parameter may not set properly.
Do you want to Continue?</source>
        <translation>Der Motor läuft, einige Konfigurationsparameter werden eventuell nicht richtig gesetzt.
Fortfahren?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Copy parameters to Drive</source>
        <translation>Parameter in den Umrichter kopieren</translation>
    </message>
    <message>
        <source>The range is %1 to %2.</source>
        <translation>Der Bereich ist %1 bis %2.</translation>
    </message>
    <message>
        <source>%1: that key is not accepted here. %2</source>
        <translation>%1: Diese Taste ist hier nicht zulässig. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken. %3</source>
        <translation>%1: „%2“ wurde nicht übernommen. %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value for %2.</source>
        <translation>„%1“ ist kein gültiger Wert für %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>%1 parameters were not read from the unit. Save anyway?</source>
        <translation>%1 Parameter wurden nicht vom Gerät gelesen. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>%1 parameters have no value in this set and will be skipped.</source>
        <translation>%1 Parameter haben in diesem Satz keinen Wert und werden übersprungen.</translation>
    </message>
    <message>
        <source>The file holds %1 of %2 parameters of %3. Write these %1?</source>
        <translation>Die Datei enthält %1 von %2 Parametern von %3. Diese %1 schreiben?</translation>
    </message>
    <message>
        <source>%1 %2 is now %3 in set %4</source>
        <translation>%1 %2 ist jetzt %3 in Satz %4</translation>
    </message>
    <message>
        <source>%1 parameters of %2 to %3</source>
        <translation>%1 Parameter von %2 nach %3</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; on Automatic scan (scan unit)</source>
        <translation>&quot;Vom Umrichter laden&quot; bei automatischer Suche (Geräte suchen)</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; in Manual Add unit, on Connect</source>
        <translation>&quot;Vom Umrichter laden&quot; beim manuellen Hinzufügen, beim Verbinden</translation>
    </message>
    <message>
        <source>Automatic scan on application startup</source>
        <translation>Automatische Suche beim Programmstart</translation>
    </message>
    <message>
        <source>Automatic save Setting on Exit</source>
        <translation>Einstellungen beim Beenden automatisch speichern</translation>
    </message>
    <message>
        <source>&quot;Load to Drive&quot; only offline Changed Parameters</source>
        <translation>&quot;In Umrichter laden&quot; nur offline geänderte Parameter</translation>
    </message>
    <message>
        <source>Read in blocks</source>
        <translation>In Blöcken lesen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Druckoption</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>All Parameters</source>
        <translation>Alle Parameter</translation>
    </message>
    <message>
        <source>With ReadOnly</source>
        <translation>Mit schreibgeschützten</translation>
    </message>
    <message>
        <source>Changed Values</source>
        <translation>Geänderte Werte</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Company Name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>In Betrieb genommen von</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Drive Version</source>
        <translation>Umrichterversion</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Parametertext</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Die Dateien sind identisch</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Nur in %1</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja, &amp;alle</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ein, keine</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alle speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>RecFileReader</name>
    <message>
        <source>CSV file not found</source>
        <translation>Gerätebeschreibungsdatei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid Rec file</source>
        <translation>Ungültige Aufzeichnungsdatei</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
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
        <translation>Ungültiger Dateipfad</translation>
    </message>
    <message>
        <source>Give Filepath</source>
        <translation>Bitte einen Dateipfad angeben</translation>
    </message>
</context>
<context>
    <name>RoleChange</name>
    <message>
        <source>Change User Role - Confirmation</source>
        <translation>Benutzerrolle ändern – Bestätigung</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Benutzer wechseln</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Changing the User role will re-establish the communication with
connected units to support all extra functions. Do you want to
continue?</source>
        <translation>Ein Wechsel der Benutzerrolle baut die Kommunikation mit den
verbundenen Geräten neu auf, um alle Zusatzfunktionen zu nutzen.
Fortfahren?</translation>
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
        <translation>Oszilloskopaufzeichnung läuft.
Bitte Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>Scanning will delete all connected units.
 Do you want to proceed?</source>
        <translation>Die Suche entfernt alle verbundenen Geräte.
 Fortfahren?</translation>
    </message>
    <message>
        <source>No unit found on %1.</source>
        <translation>Kein Gerät gefunden an %1.</translation>
    </message>
    <message numerus="yes">
        <source>The scan found %n unit(s)</source>
        <translation>
            <numerusform>Die Suche fand %n Gerät</numerusform>
            <numerusform>Die Suche fand %n Geräte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Parameters read from the %n unit(s) found by the scan</source>
        <translation>
            <numerusform>Parameter des %n gefundenen Geräts gelesen</numerusform>
            <numerusform>Parameter der %n gefundenen Geräte gelesen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanImport</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No. of devices: </source>
        <translation>Anzahl Geräte: </translation>
    </message>
    <message>
        <source>In progress: </source>
        <translation>In Arbeit: </translation>
    </message>
    <message>
        <source>Done: </source>
        <translation>Fertig: </translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Vom Umrichter laden</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Bitte warten...</translation>
    </message>
</context>
<context>
    <name>ScanOps</name>
    <message>
        <source>Device Link Established</source>
        <translation>Geräteverbindung hergestellt</translation>
    </message>
    <message>
        <source>No CSV File Found</source>
        <translation>Keine CSV-Datei gefunden</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Keine CSV-Datei gefunden</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Ungültige CSV-Datei</translation>
    </message>
    <message>
        <source>No Connection with Given IP</source>
        <translation>Keine Verbindung mit der angegebenen IP</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Keine Geräteverbindung</translation>
    </message>
</context>
<context>
    <name>ScanRules</name>
    <message>
        <source>Please provide valid unit range</source>
        <translation>Bitte gültigen Gerätebereich angeben</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS232 interface: Unit range is 1-255</source>
        <translation>Ungültige Gerätenummer an RS232: Bereich ist 1-255</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS485 interface: Unit range is 1-255</source>
        <translation>Ungültige Gerätenummer an RS485: Bereich ist 1-255</translation>
    </message>
    <message>
        <source>Please provide required information</source>
        <translation>Bitte erforderliche Angaben machen</translation>
    </message>
    <message>
        <source>Please provide unit range</source>
        <translation>Bitte Gerätebereich angeben</translation>
    </message>
    <message>
        <source>Duplicate configuration in RS232 and RS485</source>
        <translation>Doppelte Konfiguration in RS232 und RS485</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Bitte gültigen TCP/IP-Bereich angeben</translation>
    </message>
</context>
<context>
    <name>SelectCsvDialog</name>
    <message>
        <source>Select Csv File</source>
        <translation>CSV-Datei wählen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>ungültige CSV-Datei</translation>
    </message>
</context>
<context>
    <name>SetLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>Sprache einstellen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>File not found : general.csv. Program aborted!</source>
        <translation>Datei nicht gefunden: general.csv. Programm abgebrochen!</translation>
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
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Exit</source>
        <translation>Oszilloskopaufzeichnung läuft. Bitte vor dem Beenden stoppen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Oszilloskop</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Fault Logger</source>
        <translation>Fehlerspeicher</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Link Information</source>
        <translation>Verbindungsinformationen</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Parametertext</translation>
    </message>
    <message>
        <source> Unit</source>
        <translation> Einheit</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Vorgabe</translation>
    </message>
</context>
<context>
    <name>TriggerDialog</name>
    <message>
        <source>Conditional Trigger</source>
        <translation>Bedingter Trigger</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Pegeltrigger</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Group A</source>
        <translation>Gruppe A</translation>
    </message>
    <message>
        <source>Group B</source>
        <translation>Gruppe B</translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation>Signalname</translation>
    </message>
    <message>
        <source>Trigger Type</source>
        <translation>Triggertyp</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Fallend</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Steigend</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <source>Before Time</source>
        <translation>Vorlaufzeit</translation>
    </message>
    <message>
        <source>After Time</source>
        <translation>Nachlaufzeit</translation>
    </message>
    <message>
        <source>Capture Time</source>
        <translation>Aufzeichnungsdauer</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzeln</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Mehrfach</translation>
    </message>
    <message>
        <source>Maximum Total File Size</source>
        <translation>Maximale Gesamtdateigröße</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Maximum Total Duration</source>
        <translation>Maximale Gesamtdauer</translation>
    </message>
    <message>
        <source>Number Of Sample</source>
        <translation>Anzahl Abtastwerte</translation>
    </message>
    <message>
        <source>Number Of Samples</source>
        <translation>Anzahl Abtastwerte</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Enter Valid Value</source>
        <translation>Gültigen Wert eingeben</translation>
    </message>
    <message>
        <source>Low Value Should be Less than High Value </source>
        <translation>Der untere Wert muss kleiner als der obere Wert sein </translation>
    </message>
</context>
<context>
    <name>TriggerSettings</name>
    <message>
        <source>Trigger Options</source>
        <translation>Triggeroptionen</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Pegeltrigger</translation>
    </message>
    <message>
        <source>Conditional Trigger</source>
        <translation>Bedingter Trigger</translation>
    </message>
    <message>
        <source>No Trigger</source>
        <translation>Kein Trigger</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>UnitConnector</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid Unit Number: Unit range is 1-255</source>
        <translation>Ungültige Gerätenummer: Bereich ist 1-255</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Oszilloskopaufzeichnung läuft.
Bitte Aufzeichnung beenden</translation>
    </message>
    <message>
        <source>No csv file information</source>
        <translation>Keine Angaben zur CSV-Datei</translation>
    </message>
    <message>
        <source>No channel information</source>
        <translation>Keine Kanalangaben</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Anschluss bereits geöffnet</translation>
    </message>
    <message>
        <source>Port is not Opened</source>
        <translation>Anschluss ist nicht geöffnet</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>Anschluss nicht geöffnet</translation>
    </message>
    <message>
        <source>Unit is already activated</source>
        <translation>Gerät ist bereits aktiv</translation>
    </message>
    <message>
        <source>duplicate ip address</source>
        <translation>doppelte IP-Adresse</translation>
    </message>
    <message>
        <source>No Connection with given IP</source>
        <translation>Keine Verbindung mit der angegebenen IP</translation>
    </message>
    <message>
        <source>No CSV File</source>
        <translation>Keine CSV-Datei</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Ungültige CSV-Datei</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Keine Geräteverbindung</translation>
    </message>
    <message>
        <source>success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>device link established</source>
        <translation>Geräteverbindung hergestellt</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>register overlap in the CSV file: %1</source>
        <translation>Registerüberschneidung in der CSV-Datei: %1</translation>
    </message>
    <message>
        <source>Error in CSV file 
 Please provide correct CSV file</source>
        <translation>Fehler in der CSV-Datei 
 Bitte korrekte CSV-Datei bereitstellen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>device link disconnected</source>
        <translation>Geräteverbindung getrennt</translation>
    </message>
    <message>
        <source>Config Error</source>
        <translation>Konfigurationsfehler</translation>
    </message>
    <message>
        <source>device link not reconnected</source>
        <translation>Geräteverbindung nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>device link reconnected</source>
        <translation>Geräteverbindung wiederhergestellt</translation>
    </message>
    <message>
        <source>Device Link is established</source>
        <translation>Geräteverbindung ist hergestellt</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Keine CSV-Datei gefunden</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Removing</source>
        <translation>Oszilloskopaufzeichnung läuft. Bitte vor dem Entfernen stoppen</translation>
    </message>
    <message>
        <source>device link removed</source>
        <translation>Geräteverbindung entfernt</translation>
    </message>
    <message>
        <source>drive trip: %1</source>
        <translation>Antriebsfehler: %1</translation>
    </message>
    <message>
        <source>drive trip cleared: %1</source>
        <translation>Antriebsfehler behoben: %1</translation>
    </message>
    <message>
        <source>unit %1 at %2</source>
        <translation>Gerät %1 an %2</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>Gerät %1 an %2</translation>
    </message>
    <message>
        <source>Could not connect %1: %2</source>
        <translation>%1 konnte nicht verbunden werden: %2</translation>
    </message>
    <message>
        <source>Connected %1 (%2)</source>
        <translation>%1 verbunden (%2)</translation>
    </message>
    <message>
        <source>device answers again</source>
        <translation>Gerät antwortet wieder</translation>
    </message>
</context>
<context>
    <name>UnitTreeFrame</name>
    <message>
        <source>Scan Units</source>
        <translation>Geräte suchen</translation>
    </message>
    <message>
        <source>Scans the units automatically 
 depending on configuration settings</source>
        <translation>Sucht Geräte automatisch 
 gemäß den Konfigurationseinstellungen</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Gerät hinzufügen</translation>
    </message>
    <message>
        <source>Opens window to provide unit details 
 inorder to establish connection</source>
        <translation>Öffnet ein Fenster für die Gerätedaten, 
 um die Verbindung herzustellen</translation>
    </message>
    <message>
        <source>Units on RS232</source>
        <translation>Geräte an RS232</translation>
    </message>
    <message>
        <source>Units on RS485</source>
        <translation>Geräte an RS485</translation>
    </message>
    <message>
        <source>Units on TCP/IP</source>
        <translation>Geräte an TCP/IP</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Geräte aus Datei</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
</context>
<context>
    <name>VXMainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new parameter</source>
        <translation>Neuen Parametersatz anlegen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open parameter setting</source>
        <translation>Parametereinstellung öffnen</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save parameter setting</source>
        <translation>Parametereinstellung speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print parameter setting</source>
        <translation>Parametereinstellung drucken</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Ver&amp;gleichen...</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Vergleicht zwei Dateien</translation>
    </message>
    <message>
        <source>&amp;Load from drive</source>
        <translation>Vom Umrichter &amp;laden</translation>
    </message>
    <message>
        <source>Load parameter setting from drive</source>
        <translation>Parametereinstellung vom Umrichter laden</translation>
    </message>
    <message>
        <source>Load &amp;to drive</source>
        <translation>In &amp;Umrichter laden</translation>
    </message>
    <message>
        <source>Load parameter setting to drive</source>
        <translation>Parametereinstellung in den Umrichter laden</translation>
    </message>
    <message>
        <source>&amp;Dat File Information...</source>
        <translation>&amp;Informationen zur DAT-Datei...</translation>
    </message>
    <message>
        <source>Customer information of dat file</source>
        <translation>Kundendaten der DAT-Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Sprache...</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Sprache ändern</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Voreinstellungen...</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Voreinstellungen ändern</translation>
    </message>
    <message>
        <source>Customer data...</source>
        <translation>Kundendaten...</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Kundendaten</translation>
    </message>
    <message>
        <source>Communication...</source>
        <translation>Kommunikation...</translation>
    </message>
    <message>
        <source>Communication settings</source>
        <translation>Kommunikationseinstellungen</translation>
    </message>
    <message>
        <source>About Tarvolink...</source>
        <translation>Über Tarvolink...</translation>
    </message>
    <message>
        <source>About Tarvolink</source>
        <translation>Über Tarvolink</translation>
    </message>
    <message>
        <source>User guide...</source>
        <translation>Benutzerhandbuch...</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Tarvolink</source>
        <translation>Tarvolink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>General CSV File Not Found</source>
        <translation>Die Datei general.csv wurde nicht gefunden</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Password File is missing</source>
        <translation>Die Passwortdatei fehlt</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Ungültiges Passwort</translation>
    </message>
    <message>
        <source>View for alert(s) / notification(s)</source>
        <translation>Anzeige für Alarme/Meldungen</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Role Change</source>
        <translation>Oszilloskopaufzeichnung läuft. Bitte vor dem Rollenwechsel stoppen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Do you want to quit the Application?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <source>The user guide was not found:
%1</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden:
%1</translation>
    </message>
    <message>
        <source>Opening the user guide...</source>
        <translation>Benutzerhandbuch wird geöffnet...</translation>
    </message>
    <message>
        <source>No program to show PDF files was found.
The user guide is here:
%1</source>
        <translation>Es wurde kein Programm zum Anzeigen von PDF-Dateien gefunden.
Das Benutzerhandbuch befindet sich hier:
%1</translation>
    </message>
    <message>
        <source>Link Monitor...</source>
        <translation>Verbindungsmonitor...</translation>
    </message>
    <message>
        <source>Every exchange on the bus, with link statistics per unit</source>
        <translation>Jeder Austausch auf dem Bus, mit Verbindungsstatistik je Einheit</translation>
    </message>
    <message>
        <source>An administrator creates it on this computer with the command
%1</source>
        <translation>Ein Administrator legt sie auf diesem Rechner mit diesem Befehl an:
%1</translation>
    </message>
</context>
<context>
    <name>VxCommManageSerialPort</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>You have no access to %1. Add your user to the group that owns it (dialout) and log in again.</source>
        <translation>Sie haben keinen Zugriff auf %1. Fügen Sie Ihren Benutzer der Gruppe hinzu, der es gehört (dialout), und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the adapter plugged in?</source>
        <translation>%1 existiert nicht: ist der Adapter eingesteckt?</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>Seriennummer %1</translation>
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
        <translation>Der Adapter von %1 wurde abgezogen oder ersetzt; seine Geräte verbinden sich von selbst wieder, sobald er zurück ist.</translation>
    </message>
</context>
<context>
    <name>VxCommModbusMaster</name>
    <message>
        <source>communication failure</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>no server connection</source>
        <translation>keine Serververbindung</translation>
    </message>
    <message>
        <source>communication failure timeout</source>
        <translation>Kommunikationsfehler Zeitüberschreitung</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>communication error in receive data</source>
        <translation>Kommunikationsfehler in Empfangsdaten</translation>
    </message>
    <message>
        <source>invalid transaction id</source>
        <translation>ungültige Transaktionskennung</translation>
    </message>
    <message>
        <source>no data within timeout</source>
        <translation>keine Daten innerhalb der Zeitgrenze</translation>
    </message>
    <message>
        <source>invalid unit id</source>
        <translation>ungültige Gerätekennung</translation>
    </message>
    <message>
        <source>invalid function code</source>
        <translation>ungültiger Funktionscode</translation>
    </message>
    <message>
        <source>no communication interface</source>
        <translation>keine Kommunikationsschnittstelle</translation>
    </message>
    <message>
        <source>invalid function type</source>
        <translation>ungültiger Funktionstyp</translation>
    </message>
    <message>
        <source>communication timeout error</source>
        <translation>Zeitüberschreitung der Kommunikation</translation>
    </message>
    <message>
        <source>crc error</source>
        <translation>CRC-Fehler</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>Anschluss nicht geöffnet</translation>
    </message>
    <message>
        <source>port already open</source>
        <translation>Anschluss bereits geöffnet</translation>
    </message>
    <message>
        <source>warning message received</source>
        <translation>Warnmeldung empfangen</translation>
    </message>
    <message>
        <source>invalid received message length</source>
        <translation>ungültige Länge der empfangenen Nachricht</translation>
    </message>
    <message>
        <source>device has disconnected</source>
        <translation>Gerät wurde getrennt</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>WorkerOps</name>
    <message>
        <source>catchForwardButtonSignal:Write Error </source>
        <translation>Rechtslauf: Schreibfehler</translation>
    </message>
    <message>
        <source>catchBackButtonSignal:Write Error </source>
        <translation>Linkslauf: Schreibfehler</translation>
    </message>
    <message>
        <source>catchStopButtonSignal:Write Error </source>
        <translation>Stopp: Schreibfehler</translation>
    </message>
    <message>
        <source>catchReferenceSourceSignal:Write Error </source>
        <translation>Sollwertquelle: Schreibfehler</translation>
    </message>
    <message>
        <source>catchRunStopSourceSignal:Write Error </source>
        <translation>Start/Stopp-Quelle: Schreibfehler</translation>
    </message>
    <message>
        <source>catchRefValueSignal:Write Error</source>
        <translation>Sollwert: Schreibfehler</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source> Comm Error</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>Comm Error
 refer log details</source>
        <translation>Kommunikationsfehler
 Details im Protokoll</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>OprStatusUpdate:Write Error</source>
        <translation>Statusaktualisierung: Schreibfehler</translation>
    </message>
    <message>
        <source>TriplogUpdate:Write Error</source>
        <translation>Fehlerspeicher-Aktualisierung: Schreibfehler</translation>
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
        <translation>Bitte gültigen TCP/IP-Bereich angeben</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please provide required configuration details</source>
        <translation>Bitte erforderliche Konfigurationsangaben machen</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>csv File(*.csv)</source>
        <translation>Gerätebeschreibung (*.csv)</translation>
    </message>
    <message>
        <source>Add Units</source>
        <translation>Geräte hinzufügen</translation>
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
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Data File Selection</source>
        <translation>Auswahl der Datendatei</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>alarms</name>
    <message>
        <source>Current Alerts</source>
        <translation>Aktuelle Alarme</translation>
    </message>
    <message>
        <source>Alert History</source>
        <translation>Alarmhistorie</translation>
    </message>
    <message>
        <source>First: %1
Last: %2</source>
        <translation>Erstes: %1
Letztes: %2</translation>
    </message>
    <message>
        <source>Save Alerts</source>
        <translation>Alarme speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The alerts could not be saved to
%1:
%2</source>
        <translation>Die Alarme konnten nicht gespeichert werden in
%1:
%2</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empty the list; the log file keeps every alert</source>
        <translation>Liste leeren; die Protokolldatei behält jeden Alarm</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected alerts, or all of them, as text</source>
        <translation>Die gewählten Alarme, oder alle, als Text kopieren</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
</context>
<context>
    <name>scanDialog</name>
    <message>
        <source>Scan for devices</source>
        <translation>Nach Geräten suchen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Automatically scan for devices?</source>
        <translation>Automatisch nach Geräten suchen?</translation>
    </message>
</context>
<context>
    <name>scanning</name>
    <message>
        <source>No units connected</source>
        <translation>Keine Geräte verbunden</translation>
    </message>
    <message>
        <source>No of devices found:</source>
        <translation>Anzahl gefundener Geräte:</translation>
    </message>
    <message>
        <source>Scan Progress</source>
        <translation>Suchfortschritt</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Automatische Suche</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Suche läuft</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while 
scanning for units. To stop scanning click cancel.</source>
        <translation>Hinweis: Während der Gerätesuche ist 
keine Bedienung möglich. Zum Beenden auf Abbrechen klicken.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
