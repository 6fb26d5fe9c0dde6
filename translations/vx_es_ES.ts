<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About Tarvolink</source>
        <translation>Acerca de Tarvolink</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Commissioning and service tool for variable-speed drives.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Herramienta de puesta en marcha y servicio para variadores de velocidad.&lt;/p&gt;&lt;p&gt;Desarrollado con Qt %2 (LGPL v3) y QCustomPlot (GPL v3).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Parámetro</translation>
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
        <translation>equipo %1</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>equipo %1 en %2</translation>
    </message>
    <message>
        <source>no answer to a write of %1 after %2 attempts</source>
        <translation>sin respuesta a la escritura de %1 tras %2 intentos</translation>
    </message>
    <message>
        <source>no answer to a write of %1</source>
        <translation>sin respuesta a la escritura de %1</translation>
    </message>
    <message>
        <source>no answer to a read of %1 after %2 attempts</source>
        <translation>sin respuesta a la lectura de %1 tras %2 intentos</translation>
    </message>
    <message>
        <source>no answer to a read of %1</source>
        <translation>sin respuesta a la lectura de %1</translation>
    </message>
    <message>
        <source>write of %1 failed after %2 attempts: %3</source>
        <translation>la escritura de %1 falló tras %2 intentos: %3</translation>
    </message>
    <message>
        <source>write of %1 failed: %2</source>
        <translation>la escritura de %1 falló: %2</translation>
    </message>
    <message>
        <source>read of %1 failed after %2 attempts: %3</source>
        <translation>la lectura de %1 falló tras %2 intentos: %3</translation>
    </message>
    <message>
        <source>read of %1 failed: %2</source>
        <translation>la lectura de %1 falló: %2</translation>
    </message>
    <message>
        <source>the unit refused a write of %1: %2</source>
        <translation>el equipo rechazó la escritura de %1: %2</translation>
    </message>
    <message>
        <source>the unit refused a read of %1: %2</source>
        <translation>el equipo rechazó la lectura de %1: %2</translation>
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
        <translation>Información</translation>
    </message>
    <message>
        <source>Auto Scan Settings</source>
        <translation>Configuración de búsqueda automática</translation>
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
        <translation>Puertos</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocidad (baudios)</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Equipos</translation>
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
        <translation>Iniciar búsqueda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Otro puerto</translation>
    </message>
</context>
<context>
    <name>CommSettings</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Configuración de comunicación</translation>
    </message>
    <message>
        <source>Continue despite communication fault</source>
        <translation>Continuar pese a fallo de comunicación</translation>
    </message>
    <message>
        <source>Delay between messages  (ms) :</source>
        <translation>Retardo entre mensajes  (ms) :</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Number of retries</source>
        <translation>Número de reintentos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delay should be at least 35 ms.</source>
        <translation>El retardo debe ser de al menos 35 ms.</translation>
    </message>
</context>
<context>
    <name>CompPrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Opción de impresión</translation>
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
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Solo en %1</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Los archivos son idénticos</translation>
    </message>
    <message>
        <source>The parameters both sides have are identical</source>
        <translation>Los parámetros presentes en ambos lados son idénticos</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Select Unit</source>
        <translation>Seleccionar equipo</translation>
    </message>
    <message>
        <source>Compare Parameters</source>
        <translation>Comparar parámetros</translation>
    </message>
    <message>
        <source>Add Units to Compare</source>
        <translation>Añadir equipos para comparar</translation>
    </message>
    <message>
        <source>Select Parameters to compare</source>
        <translation>Seleccione los parámetros a comparar</translation>
    </message>
    <message>
        <source>Select Parameters to be compared with</source>
        <translation>Seleccione los parámetros con los que comparar</translation>
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
        <translation>%1 (archivo)</translation>
    </message>
</context>
<context>
    <name>Connect</name>
    <message>
        <source>RS232 Unit Details</source>
        <translation>Datos del equipo RS232</translation>
    </message>
    <message>
        <source>RS485 Unit Details</source>
        <translation>Datos del equipo RS485</translation>
    </message>
    <message>
        <source>TCP/IP Unit Details</source>
        <translation>Datos del equipo TCP/IP</translation>
    </message>
    <message>
        <source>File Unit Details</source>
        <translation>Datos del conjunto de archivo</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocidad (baudios)</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Drive SW Version</source>
        <translation>Versión de software del variador</translation>
    </message>
    <message>
        <source>CSV Version Used</source>
        <translation>Versión CSV utilizada</translation>
    </message>
    <message>
        <source>IP Addr</source>
        <translation>Dir. IP</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>Archivo de datos</translation>
    </message>
</context>
<context>
    <name>ControlBox</name>
    <message>
        <source>Control Source</source>
        <translation>Fuente de control</translation>
    </message>
    <message>
        <source>Select Run/Stop Source</source>
        <translation>Seleccionar fuente de marcha/paro</translation>
    </message>
    <message>
        <source>Select Reference Source</source>
        <translation>Seleccionar fuente de referencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Opción</translation>
    </message>
</context>
<context>
    <name>CtrlPanelController</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Range is 0 to 100</source>
        <translation>El rango es de 0 a 100</translation>
    </message>
</context>
<context>
    <name>CtrlPanelFrame</name>
    <message>
        <source>No Unit</source>
        <translation>Ningún equipo</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Panel de control</translation>
    </message>
    <message>
        <source>Ref value</source>
        <translation>Valor de ref.</translation>
    </message>
    <message>
        <source>Ref source</source>
        <translation>Fuente de ref.</translation>
    </message>
    <message>
        <source>Run/Stop source</source>
        <translation>Fuente de marcha/paro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Paro</translation>
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
        <translation>Opción</translation>
    </message>
</context>
<context>
    <name>CurrentUnitPresenter</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Conectando con %1...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Grabación del osciloscopio en curso.
Detenga la grabación</translation>
    </message>
</context>
<context>
    <name>CustomerDataDialog</name>
    <message>
        <source>Customer Data</source>
        <translation>Datos del cliente</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Nombre de la empresa</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Calle 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Calle 2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Puesto en marcha por</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
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
        <translation>Seleccionar juego</translation>
    </message>
    <message>
        <source>Set Name</source>
        <translation>Nombre del juego</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
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
        <translation>Nombre
parám.</translation>
    </message>
    <message>
        <source>Curr
Val</source>
        <translation>Val.
act.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
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
        <translation>Información</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>El parámetro ya existe</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>File Export</source>
        <translation>Exportación de archivo</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Equipo</translation>
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
        <translation>ftp://&lt;Usuario&gt;:&lt;Contraseña&gt;@&lt;Servidor&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
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
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Ir a la carpeta superior</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Download All New</source>
        <translation>Descargar todos los nuevos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>FTP Link file is not found</source>
        <translation>No se encuentra el archivo del enlace FTP</translation>
    </message>
    <message>
        <source>The FTP URL is not valid</source>
        <translation>La URL FTP no es válida</translation>
    </message>
    <message>
        <source>Connecting to FTP server %1...</source>
        <translation>Conectando con el servidor FTP %1...</translation>
    </message>
    <message>
        <source>The FTP server at %1 shows a certificate that no trusted authority has signed. The connection was refused.</source>
        <translation>El servidor FTP de %1 presenta un certificado no firmado por ninguna autoridad de confianza. Se rechazó la conexión.</translation>
    </message>
    <message>
        <source>The FTP server at %1 did not set up a protected (TLS) connection. The connection was refused.</source>
        <translation>El servidor FTP de %1 no estableció una conexión protegida (TLS). Se rechazó la conexión.</translation>
    </message>
    <message>
        <source>Unable to connect to the FTP server at %1. Please check that the host name is correct.</source>
        <translation>No se puede conectar con el servidor FTP de %1. Compruebe que el nombre del servidor es correcto.</translation>
    </message>
    <message>
        <source>Unable to list the directory: %1</source>
        <translation>No se puede listar la carpeta: %1</translation>
    </message>
    <message>
        <source>Logged onto %1.</source>
        <translation>Sesión iniciada en %1.</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;vacío&gt;</translation>
    </message>
    <message>
        <source>Select only CSV file to download.</source>
        <translation>Seleccione solo archivos CSV para descargar.</translation>
    </message>
    <message>
        <source>The server lists the name %1, which is not a plain file name. Nothing was written.</source>
        <translation>El servidor indica el nombre %1, que no es un nombre de archivo simple. No se escribió nada.</translation>
    </message>
    <message>
        <source>File already downloaded, do you want to overwrite?</source>
        <translation>El archivo ya se descargó, ¿desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Descargando %1...</translation>
    </message>
    <message>
        <source>Downloaded %1 to current directory.</source>
        <translation>%1 descargado en la carpeta actual.</translation>
    </message>
    <message>
        <source>File Downloaded Successfully</source>
        <translation>Archivo descargado correctamente</translation>
    </message>
    <message>
        <source>Download Failed %1 to current directory.</source>
        <translation>Error al descargar %1 en la carpeta actual.</translation>
    </message>
    <message>
        <source>File Size mismatched</source>
        <translation>El tamaño del archivo no coincide</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Descarga de %1 cancelada.</translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>No se puede guardar el archivo %1: %2.</translation>
    </message>
    <message>
        <source>File Download Error:</source>
        <translation>Error de descarga:</translation>
    </message>
    <message>
        <source>The server lists names that are not plain file names. Nothing was written for them:
%1</source>
        <translation>El servidor indica nombres que no son nombres de archivo simples. No se escribió nada para ellos:
%1</translation>
    </message>
    <message>
        <source>Error in downloading new files. Please download again.</source>
        <translation>Error al descargar archivos nuevos. Vuelva a descargarlos.</translation>
    </message>
    <message>
        <source>Operation is successful. All files are updated and no file is downloaded.</source>
        <translation>Operación correcta. Todos los archivos están actualizados y no se descargó ninguno.</translation>
    </message>
    <message>
        <source>Operation is successful. The total number of files downloaded is %1.</source>
        <translation>Operación correcta. Número total de archivos descargados: %1.</translation>
    </message>
</context>
<context>
    <name>HeaderLine</name>
    <message>
        <source>Select a Language</source>
        <translation>Seleccione un idioma</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Logged on as:</source>
        <translation>Sesión iniciada como:</translation>
    </message>
    <message>
        <source>Alert(s)/Notification(s):</source>
        <translation>Alarma(s)/aviso(s):</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>oscilloscope block %1</source>
        <translation>bloque de osciloscopio %1</translation>
    </message>
    <message>
        <source>%1, set %2</source>
        <translation>%1, juego %2</translation>
    </message>
    <message>
        <source>%1 (%2 registers)</source>
        <translation>%1 (%2 registros)</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>parámetros</translation>
    </message>
    <message>
        <source>device code</source>
        <translation>código de equipo</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>versión de software</translation>
    </message>
    <message>
        <source>drive size</source>
        <translation>tamaño del variador</translation>
    </message>
    <message>
        <source>status</source>
        <translation>estado</translation>
    </message>
    <message>
        <source>trip log</source>
        <translation>registro de fallos</translation>
    </message>
    <message>
        <source>control panel</source>
        <translation>panel de control</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <translation>osciloscopio</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>búsqueda</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>excepción %1</translation>
    </message>
    <message>
        <source>link error %1</source>
        <translation>error de enlace %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception</source>
        <translation>excepción</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>tiempo agotado</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>CRC erróneo</translation>
    </message>
    <message>
        <source>wrong unit</source>
        <translation>unidad errónea</translation>
    </message>
    <message>
        <source>wrong function</source>
        <translation>función errónea</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>longitud errónea</translation>
    </message>
    <message>
        <source>wrong transaction</source>
        <translation>transacción errónea</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>conexión perdida</translation>
    </message>
    <message>
        <source>link error</source>
        <translation>error de enlace</translation>
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
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Asked for</source>
        <translation>Solicitado</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
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
        <translation>Intento</translation>
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
        <translation>Monitor de enlace</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Todas las unidades</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Todas las peticiones</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identificación</translation>
    </message>
    <message>
        <source>Failures and resends only</source>
        <translation>Solo fallos y reenvíos</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Keeps recording but stops following the newest exchange</source>
        <translation>Sigue registrando pero deja de seguir el último intercambio</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Reiniciar estadísticas</translation>
    </message>
    <message>
        <source>%1 exchanges shown, %2 kept, %3 dropped as the oldest</source>
        <translation>%1 intercambios mostrados, %2 conservados, %3 descartados por antiguos</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Intercambios</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Reenvíos</translation>
    </message>
    <message>
        <source>Response min / mean / 95 % / max</source>
        <translation>Respuesta mín / media / 95 % / máx</translation>
    </message>
    <message>
        <source>Last failure</source>
        <translation>Último fallo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The exchanges could not be saved: %1</source>
        <translation>No se pudieron guardar los intercambios: %1</translation>
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
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
</context>
<context>
    <name>OscPlotArea</name>
    <message>
        <source>Set Marker 1 Here</source>
        <translation>Poner marcador 1 aquí</translation>
    </message>
    <message>
        <source>Set Marker 2 Here</source>
        <translation>Poner marcador 2 aquí</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Borrar marcadores</translation>
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
        <translation>Información</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ruta de archivo no válida</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Ver todo</translation>
    </message>
    <message>
        <source>Automatic Value Range</source>
        <translation>Rango de valores automático</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
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
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Changes plot area color to white</source>
        <translation>Cambia el color del área de trazado a blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Changes plot area color to black</source>
        <translation>Cambia el color del área de trazado a negro</translation>
    </message>
    <message>
        <source>Colorbar for setting plot color to 
different shades between black and white</source>
        <translation>Barra de color para ajustar el área de trazado 
a distintos tonos entre negro y blanco</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Fino</translation>
    </message>
    <message>
        <source>Changes the width of graph to thin</source>
        <translation>Cambia el grosor de las curvas a fino</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Grueso</translation>
    </message>
    <message>
        <source>Changes the width of graph to fat</source>
        <translation>Cambia el grosor de las curvas a grueso</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activada</translation>
    </message>
    <message>
        <source>keeps the grid for plot areas</source>
        <translation>mantiene la cuadrícula en las áreas de trazado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>removes the grid for plot areas</source>
        <translation>quita la cuadrícula de las áreas de trazado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>OscilloscopeWidget</name>
    <message>
        <source>Select Color</source>
        <translation>Seleccionar color</translation>
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
        <translation>Equipos de archivo</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
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
        <translation>Imprime la tabla/el gráfico</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analógica</translation>
    </message>
    <message>
        <source>display only analog signals</source>
        <translation>mostrar solo señales analógicas</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>display only digital signals</source>
        <translation>mostrar solo señales digitales</translation>
    </message>
    <message>
        <source>Analog-Digital</source>
        <translation>Analógica-digital</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Back 2</source>
        <translation>Atrás 2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Forward 2</source>
        <translation>Adelante 2</translation>
    </message>
    <message>
        <source>Set Sampling Time</source>
        <translation>Ajustar tiempo de muestreo</translation>
    </message>
    <message>
        <source>Data from unit will be retrieved at this interval.</source>
        <translation>Los datos del equipo se leerán con este intervalo.</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Disparo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Escala
auto</translation>
    </message>
    <message>
        <source>Param Name</source>
        <translation>Nombre del parámetro</translation>
    </message>
    <message>
        <source>Curr
Value</source>
        <translation>Valor
actual</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Equipo</translation>
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
        <translation>Paro</translation>
    </message>
    <message>
        <source>Stops the recording and displaying the graphs</source>
        <translation>Detiene el registro y la visualización de las curvas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Starts the recording and displaying the selected graphs</source>
        <translation>Inicia el registro y la visualización de las curvas seleccionadas</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Resumes the displaying of selected graphs</source>
        <translation>Reanuda la visualización de las curvas seleccionadas</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pauses the displaying of selected graphs 
while recording continues in background</source>
        <translation>Pausa la visualización de las curvas seleccionadas 
mientras el registro continúa en segundo plano</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Tiempo de respuesta</translation>
    </message>
    <message>
        <source>Slowest Device</source>
        <translation>Equipo más lento</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>No unit is connected to record from</source>
        <translation>No hay ningún equipo conectado para registrar</translation>
    </message>
    <message>
        <source>Trigger in Progress- Do you want to Stop?</source>
        <translation>Disparo en curso - ¿Desea detenerlo?</translation>
    </message>
    <message>
        <source>Do you want to save rec file?</source>
        <translation>¿Desea guardar el archivo de registro?</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ruta de archivo no válida</translation>
    </message>
    <message>
        <source>Open rec file</source>
        <translation>Abrir archivo de registro</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Grabación del osciloscopio en curso.
Detenga la grabación</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Configurado</translation>
    </message>
    <message>
        <source>Not Active</source>
        <translation>No activo</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Esperando...</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>En marcha...</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>El parámetro ya existe</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Favourite list is empty</source>
        <translation>La lista de favoritos está vacía</translation>
    </message>
    <message>
        <source>Save pdf file</source>
        <translation>Guardar archivo PDF</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>The recording is kept in %1</source>
        <translation>La grabación se conserva en %1</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Ver todo</translation>
    </message>
    <message>
        <source>Shows the whole recording (key F over the plots)</source>
        <translation>Muestra toda la grabación (tecla F sobre los gráficos)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Y auto</translation>
    </message>
    <message>
        <source>Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the mouse wheel zoom the values)</source>
        <translation>Devuelve al gráfico analógico su rango de valores automático (tecla A sobre los gráficos; Ctrl y la rueda del ratón amplían los valores)</translation>
    </message>
    <message>
        <source>(armed at the next Start)</source>
        <translation>(se arma en el próximo «Iniciar»)</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Gráfico guardado en %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>Saves the shown recording as plain CSV, one column per signal</source>
        <translation>Guarda la grabación mostrada como CSV simple, una columna por señal</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Grabado el %1</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% del rango</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Guardar grabación</translation>
    </message>
    <message>
        <source>Recording saved to %1</source>
        <translation>Grabación guardada en %1</translation>
    </message>
    <message>
        <source>There is no recording to save</source>
        <translation>No hay ninguna grabación que guardar</translation>
    </message>
    <message>
        <source>CSV saved to %1</source>
        <translation>CSV guardado en %1</translation>
    </message>
    <message>
        <source>PDF saved to %1</source>
        <translation>PDF guardado en %1</translation>
    </message>
</context>
<context>
    <name>ParamTransfer</name>
    <message>
        <source>Parameters Loading To Drive</source>
        <translation>Cargando parámetros en el variador</translation>
    </message>
    <message>
        <source>Parameters Loading from Drive</source>
        <translation>Cargando parámetros desde el variador</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Espere...</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while the parameters 
   are &quot;Load From Drive&quot; or &quot;Load To Drive&quot; in the parameter window.
   To cancel operation click cancel.</source>
        <translation>Nota: no es posible ninguna operación mientras los parámetros 
   se &quot;Cargan desde el variador&quot; o &quot;en el variador&quot; en la ventana de parámetros.
   Para cancelar, pulse Cancelar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n parameter(s) to %1</source>
        <translation>
            <numerusform>%n parámetro escrito en %1</numerusform>
            <numerusform>%n parámetros escritos en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n parameter(s) from %1</source>
        <translation>
            <numerusform>%n parámetro leído de %1</numerusform>
            <numerusform>%n parámetros leídos de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to %1 cancelled after %2 of %3 parameters</source>
        <translation>Escritura en %1 cancelada tras %2 de %3 parámetros</translation>
    </message>
    <message>
        <source>Read from %1 cancelled after %2 of %3 parameters</source>
        <translation>Lectura de %1 cancelada tras %2 de %3 parámetros</translation>
    </message>
    <message>
        <source>Write to %1 ended: the unit was removed</source>
        <translation>Escritura en %1 terminada: se quitó el equipo</translation>
    </message>
    <message>
        <source>Read from %1 ended: the unit was removed</source>
        <translation>Lectura de %1 terminada: se quitó el equipo</translation>
    </message>
    <message>
        <source>Write to %1 failed after %2 of %3 parameters</source>
        <translation>La escritura en %1 falló tras %2 de %3 parámetros</translation>
    </message>
    <message>
        <source>Read from %1 failed after %2 of %3 parameters</source>
        <translation>La lectura de %1 falló tras %2 de %3 parámetros</translation>
    </message>
    <message>
        <source>; %1 parameters without a value were skipped</source>
        <translation>; se omitieron %1 parámetros sin valor</translation>
    </message>
</context>
<context>
    <name>ParameterActions</name>
    <message>
        <source>Sent %1 (set %2) to %3</source>
        <translation>%1 (juego %2) enviado a %3</translation>
    </message>
    <message>
        <source>Sending %1 (set %2) to %3 failed</source>
        <translation>Falló el envío de %1 (juego %2) a %3</translation>
    </message>
    <message>
        <source>%1: Device not connected</source>
        <translation>%1: equipo no conectado</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Equipo no conectado</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>These parameter sets have changes that are not saved:
%1

Do you want to save them?</source>
        <translation>Estos juegos de parámetros tienen cambios sin guardar:
%1

¿Desea guardarlos?</translation>
    </message>
</context>
<context>
    <name>ParameterPrint</name>
    <message>
        <source>Save pdf file</source>
        <translation>Guardar archivo PDF</translation>
    </message>
    <message>
        <source>(*.pdf)</source>
        <translation>(*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>No se pudo escribir el archivo PDF:
%1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Enviado a la impresora</translation>
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
        <translation>Contraer todo</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Expandir todo</translation>
    </message>
    <message>
        <source>Collapses All Parameters</source>
        <translation>Contrae todos los parámetros</translation>
    </message>
    <message>
        <source>Expands All Parameters</source>
        <translation>Expande todos los parámetros</translation>
    </message>
    <message>
        <source>No Unit</source>
        <translation>Ningún equipo</translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Cargar desde el variador</translation>
    </message>
    <message>
        <source>Imports data from 
controlcard to application</source>
        <translation>Importa los datos de la 
tarjeta de control a la aplicación</translation>
    </message>
    <message>
        <source>Load to Drive</source>
        <translation>Cargar en el variador</translation>
    </message>
    <message>
        <source>Exports data from 
application to controlcard</source>
        <translation>Exporta los datos de la 
aplicación a la tarjeta de control</translation>
    </message>
    <message>
        <source>Opens new csv file</source>
        <translation>Abre un archivo csv nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Opens already saved .dat files</source>
        <translation>Abre archivos .dat ya guardados</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Saves the file in .dat format</source>
        <translation>Guarda el archivo en formato .dat</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Prints the parameter view</source>
        <translation>Imprime la vista de parámetros</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Compara dos archivos</translation>
    </message>
    <message>
        <source>Send changes directly</source>
        <translation>Enviar cambios directamente</translation>
    </message>
    <message>
        <source>Exports the edited parameters immediately to controlcard if checked</source>
        <translation>Si está marcado, exporta de inmediato los parámetros editados a la tarjeta de control</translation>
    </message>
    <message>
        <source>Upgrade CSV</source>
        <translation>Actualizar CSV</translation>
    </message>
    <message>
        <source>Send directly</source>
        <translation>Enviar directamente</translation>
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
        <translation>Límite mínimo del parámetro seleccionado</translation>
    </message>
    <message>
        <source>Maximum limit of the parameter selected in the view</source>
        <translation>Límite máximo del parámetro seleccionado</translation>
    </message>
    <message>
        <source>Parameter Help</source>
        <translation>Ayuda del parámetro</translation>
    </message>
    <message>
        <source>Please refer help manual.</source>
        <translation>Consulte el manual.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>archivo CSV no válido</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>csv File(*.dat)</source>
        <translation>Juego de parámetros (*.dat)</translation>
    </message>
    <message>
        <source>The file could not be opened:
%1</source>
        <translation>No se pudo abrir el archivo:
%1</translation>
    </message>
    <message>
        <source>Save dat file</source>
        <translation>Guardar archivo dat</translation>
    </message>
    <message>
        <source>(*.dat)</source>
        <translation>(*.dat)</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1</source>
        <translation>No se pudo guardar el archivo:
%1</translation>
    </message>
    <message>
        <source>oscView Record in Progress.
You can stop recording for faster performance
Do you want to Continue?</source>
        <translation>Grabación del osciloscopio en curso.
Detenga la grabación para mayor rendimiento
¿Desea continuar?</translation>
    </message>
    <message>
        <source>No unit is connected to load the parameters to.</source>
        <translation>No hay ningún equipo conectado al que cargar los parámetros.</translation>
    </message>
    <message>
        <source>Sizes of drives are differ
 Do you want to continue?</source>
        <translation>Los tamaños de los variadores son distintos
 ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Type of drives are differ
 Do you want to continue?</source>
        <translation>Los tipos de variador son distintos
 ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Version of drives are differ
 Do you want to continue?</source>
        <translation>Las versiones de los variadores son distintas
 ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Motor is running, some of configuration parameter may not set properly.
Do you want to Continue?</source>
        <translation>El motor está en marcha; algunos parámetros de configuración podrían no ajustarse bien.
¿Desea continuar?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Copy parameters to Drive</source>
        <translation>Copiar parámetros al variador</translation>
    </message>
    <message>
        <source>The range is %1 to %2.</source>
        <translation>El rango es de %1 a %2.</translation>
    </message>
    <message>
        <source>%1: that key is not accepted here. %2</source>
        <translation>%1: esa tecla no se admite aquí. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken. %3</source>
        <translation>%1: «%2» no se aceptó. %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value for %2.</source>
        <translation>«%1» no es un valor válido para %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 abierto</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>%1 parameters were not read from the unit. Save anyway?</source>
        <translation>%1 parámetros no se leyeron de la unidad. ¿Guardar de todos modos?</translation>
    </message>
    <message>
        <source>%1 parameters have no value in this set and will be skipped.</source>
        <translation>%1 parámetros no tienen valor en este juego y se omitirán.</translation>
    </message>
    <message>
        <source>The file holds %1 of %2 parameters of %3. Write these %1?</source>
        <translation>El archivo contiene %1 de %2 parámetros de %3. ¿Escribir estos %1?</translation>
    </message>
    <message>
        <source>%1 %2 is now %3 in set %4</source>
        <translation>%1 %2 ahora es %3 en el juego %4</translation>
    </message>
    <message>
        <source>%1 parameters of %2 to %3</source>
        <translation>%1 parámetros de %2 a %3</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; on Automatic scan (scan unit)</source>
        <translation>&quot;Cargar desde el variador&quot; tras búsqueda automática (buscar equipos)</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; in Manual Add unit, on Connect</source>
        <translation>&quot;Cargar desde el variador&quot; al añadir manualmente, al conectar</translation>
    </message>
    <message>
        <source>Automatic scan on application startup</source>
        <translation>Búsqueda automática al iniciar la aplicación</translation>
    </message>
    <message>
        <source>Automatic save Setting on Exit</source>
        <translation>Guardar configuración automáticamente al salir</translation>
    </message>
    <message>
        <source>&quot;Load to Drive&quot; only offline Changed Parameters</source>
        <translation>&quot;Cargar en el variador&quot; solo parámetros cambiados sin conexión</translation>
    </message>
    <message>
        <source>Read in blocks</source>
        <translation>Leer en bloques</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Opción de impresión</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>All Parameters</source>
        <translation>Todos los parámetros</translation>
    </message>
    <message>
        <source>With ReadOnly</source>
        <translation>Con solo lectura</translation>
    </message>
    <message>
        <source>Changed Values</source>
        <translation>Valores modificados</translation>
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
        <translation>Nombre de la empresa</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Puesto en marcha por</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nombre del equipo</translation>
    </message>
    <message>
        <source>Drive Version</source>
        <translation>Versión del variador</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Texto del parámetro</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Los archivos son idénticos</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parámetro</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Solo en %1</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Sí a &amp;todo</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;o a todo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Guardar todo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abortar</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
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
        <translation>No se encontró el archivo de descripción del equipo</translation>
    </message>
    <message>
        <source>Invalid Rec file</source>
        <translation>Archivo de registro no válido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Invalid Filepath</source>
        <translation>Ruta de archivo no válida</translation>
    </message>
    <message>
        <source>Give Filepath</source>
        <translation>Indique una ruta de archivo</translation>
    </message>
</context>
<context>
    <name>RoleChange</name>
    <message>
        <source>Change User Role - Confirmation</source>
        <translation>Cambiar rol de usuario - confirmación</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Cambiar usuario</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Changing the User role will re-establish the communication with
connected units to support all extra functions. Do you want to
continue?</source>
        <translation>Cambiar el rol de usuario restablecerá la comunicación con los
equipos conectados para admitir todas las funciones. ¿Desea
continuar?</translation>
    </message>
</context>
<context>
    <name>ScanController</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Grabación del osciloscopio en curso.
Detenga la grabación</translation>
    </message>
    <message>
        <source>Scanning will delete all connected units.
 Do you want to proceed?</source>
        <translation>La búsqueda eliminará todos los equipos conectados.
 ¿Desea continuar?</translation>
    </message>
    <message>
        <source>No unit found on %1.</source>
        <translation>No se encontró ninguna unidad en %1.</translation>
    </message>
    <message numerus="yes">
        <source>The scan found %n unit(s)</source>
        <translation>
            <numerusform>La búsqueda encontró %n unidad</numerusform>
            <numerusform>La búsqueda encontró %n unidades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Parameters read from the %n unit(s) found by the scan</source>
        <translation>
            <numerusform>Parámetros leídos de %n unidad encontrada</numerusform>
            <numerusform>Parámetros leídos de las %n unidades encontradas</numerusform>
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
        <translation>N.º de equipos: </translation>
    </message>
    <message>
        <source>In progress: </source>
        <translation>En curso: </translation>
    </message>
    <message>
        <source>Done: </source>
        <translation>Hecho: </translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Cargar desde el variador</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Espere...</translation>
    </message>
</context>
<context>
    <name>ScanOps</name>
    <message>
        <source>Device Link Established</source>
        <translation>Enlace con el equipo establecido</translation>
    </message>
    <message>
        <source>No CSV File Found</source>
        <translation>No se encontró el archivo CSV</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>No se encontró el archivo CSV</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Archivo CSV no válido</translation>
    </message>
    <message>
        <source>No Connection with Given IP</source>
        <translation>Sin conexión con la IP indicada</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Sin enlace con el equipo</translation>
    </message>
</context>
<context>
    <name>ScanRules</name>
    <message>
        <source>Please provide valid unit range</source>
        <translation>Indique un rango de equipos válido</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS232 interface: Unit range is 1-255</source>
        <translation>Número de equipo no válido en RS232: el rango es 1-255</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS485 interface: Unit range is 1-255</source>
        <translation>Número de equipo no válido en RS485: el rango es 1-255</translation>
    </message>
    <message>
        <source>Please provide required information</source>
        <translation>Indique la información necesaria</translation>
    </message>
    <message>
        <source>Please provide unit range</source>
        <translation>Indique un rango de equipos</translation>
    </message>
    <message>
        <source>Duplicate configuration in RS232 and RS485</source>
        <translation>Configuración duplicada en RS232 y RS485</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Indique un rango TCP/IP válido</translation>
    </message>
</context>
<context>
    <name>SelectCsvDialog</name>
    <message>
        <source>Select Csv File</source>
        <translation>Seleccionar archivo CSV</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>archivo CSV no válido</translation>
    </message>
</context>
<context>
    <name>SetLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>Configurar idioma</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <source>File not found : general.csv. Program aborted!</source>
        <translation>Archivo no encontrado: general.csv. ¡Programa interrumpido!</translation>
    </message>
</context>
<context>
    <name>TabWidget</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Exit</source>
        <translation>Grabación del osciloscopio en curso. Deténgala antes de salir</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Osciloscopio</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Fault Logger</source>
        <translation>Registro de fallos</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Link Information</source>
        <translation>Información de enlace</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Texto del parámetro</translation>
    </message>
    <message>
        <source> Unit</source>
        <translation> Unidad</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
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
        <translation>Disparo por nivel</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nombre del equipo</translation>
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
        <translation>Nombre de la señal</translation>
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
        <translation>Condición</translation>
    </message>
    <message>
        <source>Before Time</source>
        <translation>Tiempo previo</translation>
    </message>
    <message>
        <source>After Time</source>
        <translation>Tiempo posterior</translation>
    </message>
    <message>
        <source>Capture Time</source>
        <translation>Tiempo de captura</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Único</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Múltiple</translation>
    </message>
    <message>
        <source>Maximum Total File Size</source>
        <translation>Tamaño total máximo de archivo</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Maximum Total Duration</source>
        <translation>Duración total máxima</translation>
    </message>
    <message>
        <source>Number Of Sample</source>
        <translation>Número de muestras</translation>
    </message>
    <message>
        <source>Number Of Samples</source>
        <translation>Número de muestras</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Enter Valid Value</source>
        <translation>Introduzca un valor válido</translation>
    </message>
    <message>
        <source>Low Value Should be Less than High Value </source>
        <translation>El valor bajo debe ser menor que el valor alto </translation>
    </message>
</context>
<context>
    <name>TriggerSettings</name>
    <message>
        <source>Trigger Options</source>
        <translation>Opciones de disparo</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Disparo por nivel</translation>
    </message>
    <message>
        <source>Conditional Trigger</source>
        <translation>Disparo condicional</translation>
    </message>
    <message>
        <source>No Trigger</source>
        <translation>Sin disparo</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid Unit Number: Unit range is 1-255</source>
        <translation>Número de equipo no válido: el rango es 1-255</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Grabación del osciloscopio en curso.
Detenga la grabación</translation>
    </message>
    <message>
        <source>No csv file information</source>
        <translation>Sin información de archivo csv</translation>
    </message>
    <message>
        <source>No channel information</source>
        <translation>Sin información de canal</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>fallo</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Puerto ya abierto</translation>
    </message>
    <message>
        <source>Port is not Opened</source>
        <translation>El puerto no está abierto</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>puerto no abierto</translation>
    </message>
    <message>
        <source>Unit is already activated</source>
        <translation>El equipo ya está activado</translation>
    </message>
    <message>
        <source>duplicate ip address</source>
        <translation>dirección ip duplicada</translation>
    </message>
    <message>
        <source>No Connection with given IP</source>
        <translation>Sin conexión con la IP indicada</translation>
    </message>
    <message>
        <source>No CSV File</source>
        <translation>Sin archivo CSV</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Archivo CSV no válido</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Sin enlace con el equipo</translation>
    </message>
    <message>
        <source>success</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>device link established</source>
        <translation>enlace con el equipo establecido</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>register overlap in the CSV file: %1</source>
        <translation>solapamiento de registros en el archivo CSV: %1</translation>
    </message>
    <message>
        <source>Error in CSV file 
 Please provide correct CSV file</source>
        <translation>Error en el archivo CSV 
 Proporcione un archivo CSV correcto</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>device link disconnected</source>
        <translation>enlace con el equipo desconectado</translation>
    </message>
    <message>
        <source>Config Error</source>
        <translation>Error de configuración</translation>
    </message>
    <message>
        <source>device link not reconnected</source>
        <translation>enlace con el equipo no restablecido</translation>
    </message>
    <message>
        <source>device link reconnected</source>
        <translation>enlace con el equipo restablecido</translation>
    </message>
    <message>
        <source>Device Link is established</source>
        <translation>El enlace con el equipo está establecido</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>No se encontró el archivo CSV</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Removing</source>
        <translation>Grabación del osciloscopio en curso. Deténgala antes de quitar</translation>
    </message>
    <message>
        <source>device link removed</source>
        <translation>enlace con el equipo eliminado</translation>
    </message>
    <message>
        <source>drive trip: %1</source>
        <translation>disparo del variador: %1</translation>
    </message>
    <message>
        <source>drive trip cleared: %1</source>
        <translation>disparo del variador restablecido: %1</translation>
    </message>
    <message>
        <source>unit %1 at %2</source>
        <translation>equipo %1 en %2</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>equipo %1 en %2</translation>
    </message>
    <message>
        <source>Could not connect %1: %2</source>
        <translation>No se pudo conectar %1: %2</translation>
    </message>
    <message>
        <source>Connected %1 (%2)</source>
        <translation>%1 conectado (%2)</translation>
    </message>
    <message>
        <source>device answers again</source>
        <translation>el equipo responde de nuevo</translation>
    </message>
</context>
<context>
    <name>UnitTreeFrame</name>
    <message>
        <source>Scan Units</source>
        <translation>Buscar equipos</translation>
    </message>
    <message>
        <source>Scans the units automatically 
 depending on configuration settings</source>
        <translation>Busca equipos automáticamente 
 según la configuración</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Añadir equipo</translation>
    </message>
    <message>
        <source>Opens window to provide unit details 
 inorder to establish connection</source>
        <translation>Abre una ventana para indicar los datos del equipo 
 y establecer la conexión</translation>
    </message>
    <message>
        <source>Units on RS232</source>
        <translation>Equipos en RS232</translation>
    </message>
    <message>
        <source>Units on RS485</source>
        <translation>Equipos en RS485</translation>
    </message>
    <message>
        <source>Units on TCP/IP</source>
        <translation>Equipos en TCP/IP</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Equipos de archivo</translation>
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
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new parameter</source>
        <translation>Crear un nuevo juego de parámetros</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open parameter setting</source>
        <translation>Abrir configuración de parámetros</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Save parameter setting</source>
        <translation>Guardar configuración de parámetros</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print parameter setting</source>
        <translation>Imprimir configuración de parámetros</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Co&amp;mparar...</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Compara dos archivos</translation>
    </message>
    <message>
        <source>&amp;Load from drive</source>
        <translation>&amp;Cargar desde el variador</translation>
    </message>
    <message>
        <source>Load parameter setting from drive</source>
        <translation>Cargar configuración de parámetros desde el variador</translation>
    </message>
    <message>
        <source>Load &amp;to drive</source>
        <translation>Cargar &amp;en el variador</translation>
    </message>
    <message>
        <source>Load parameter setting to drive</source>
        <translation>Cargar configuración de parámetros en el variador</translation>
    </message>
    <message>
        <source>&amp;Dat File Information...</source>
        <translation>Información del archivo &amp;dat...</translation>
    </message>
    <message>
        <source>Customer information of dat file</source>
        <translation>Información del cliente del archivo dat</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Idioma...</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Cambiar idioma</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Cambiar preferencias</translation>
    </message>
    <message>
        <source>Customer data...</source>
        <translation>Datos del cliente...</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Datos del cliente</translation>
    </message>
    <message>
        <source>Communication...</source>
        <translation>Comunicación...</translation>
    </message>
    <message>
        <source>Communication settings</source>
        <translation>Configuración de comunicación</translation>
    </message>
    <message>
        <source>About Tarvolink...</source>
        <translation>Acerca de Tarvolink...</translation>
    </message>
    <message>
        <source>About Tarvolink</source>
        <translation>Acerca de Tarvolink</translation>
    </message>
    <message>
        <source>User guide...</source>
        <translation>Guía del usuario...</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Tarvolink</source>
        <translation>Tarvolink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>General CSV File Not Found</source>
        <translation>No se encuentra el archivo general.csv</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Password File is missing</source>
        <translation>Falta el archivo de contraseña</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Contraseña no válida</translation>
    </message>
    <message>
        <source>View for alert(s) / notification(s)</source>
        <translation>Vista de alarmas / avisos</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Role Change</source>
        <translation>Grabación del osciloscopio en curso. Deténgala antes de cambiar de rol</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Do you want to quit the Application?</source>
        <translation>¿Desea salir de la aplicación?</translation>
    </message>
    <message>
        <source>The user guide was not found:
%1</source>
        <translation>No se encontró el manual del usuario:
%1</translation>
    </message>
    <message>
        <source>Opening the user guide...</source>
        <translation>Abriendo el manual del usuario...</translation>
    </message>
    <message>
        <source>No program to show PDF files was found.
The user guide is here:
%1</source>
        <translation>No se encontró ningún programa para mostrar archivos PDF.
El manual del usuario está aquí:
%1</translation>
    </message>
    <message>
        <source>Link Monitor...</source>
        <translation>Monitor de enlace...</translation>
    </message>
    <message>
        <source>Every exchange on the bus, with link statistics per unit</source>
        <translation>Cada intercambio en el bus, con estadísticas de enlace por unidad</translation>
    </message>
    <message>
        <source>An administrator creates it on this computer with the command
%1</source>
        <translation>Un administrador lo crea en este equipo con el comando
%1</translation>
    </message>
</context>
<context>
    <name>VxCommManageSerialPort</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 está en uso por otro programa.</translation>
    </message>
    <message>
        <source>You have no access to %1. Add your user to the group that owns it (dialout) and log in again.</source>
        <translation>No tiene acceso a %1. Añada su usuario al grupo propietario (dialout) y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the adapter plugged in?</source>
        <translation>%1 no existe: ¿está conectado el adaptador?</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>número de serie %1</translation>
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
        <translation>El adaptador de %1 se desconectó o se sustituyó; sus unidades se vuelven a conectar solas cuando vuelva.</translation>
    </message>
</context>
<context>
    <name>VxCommModbusMaster</name>
    <message>
        <source>communication failure</source>
        <translation>fallo de comunicación</translation>
    </message>
    <message>
        <source>no server connection</source>
        <translation>sin conexión con el servidor</translation>
    </message>
    <message>
        <source>communication failure timeout</source>
        <translation>fallo de comunicación por tiempo agotado</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>fallo de escritura</translation>
    </message>
    <message>
        <source>communication error in receive data</source>
        <translation>error de comunicación en los datos recibidos</translation>
    </message>
    <message>
        <source>invalid transaction id</source>
        <translation>id de transacción no válido</translation>
    </message>
    <message>
        <source>no data within timeout</source>
        <translation>sin datos dentro del tiempo límite</translation>
    </message>
    <message>
        <source>invalid unit id</source>
        <translation>id de equipo no válido</translation>
    </message>
    <message>
        <source>invalid function code</source>
        <translation>código de función no válido</translation>
    </message>
    <message>
        <source>no communication interface</source>
        <translation>sin interfaz de comunicación</translation>
    </message>
    <message>
        <source>invalid function type</source>
        <translation>tipo de función no válido</translation>
    </message>
    <message>
        <source>communication timeout error</source>
        <translation>error de tiempo de espera de comunicación</translation>
    </message>
    <message>
        <source>crc error</source>
        <translation>error de crc</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>puerto no abierto</translation>
    </message>
    <message>
        <source>port already open</source>
        <translation>puerto ya abierto</translation>
    </message>
    <message>
        <source>warning message received</source>
        <translation>mensaje de advertencia recibido</translation>
    </message>
    <message>
        <source>invalid received message length</source>
        <translation>longitud de mensaje recibido no válida</translation>
    </message>
    <message>
        <source>device has disconnected</source>
        <translation>el equipo se ha desconectado</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
</context>
<context>
    <name>WorkerOps</name>
    <message>
        <source>catchForwardButtonSignal:Write Error </source>
        <translation>Marcha adelante: error de escritura</translation>
    </message>
    <message>
        <source>catchBackButtonSignal:Write Error </source>
        <translation>Marcha atrás: error de escritura</translation>
    </message>
    <message>
        <source>catchStopButtonSignal:Write Error </source>
        <translation>Paro: error de escritura</translation>
    </message>
    <message>
        <source>catchReferenceSourceSignal:Write Error </source>
        <translation>Fuente de referencia: error de escritura</translation>
    </message>
    <message>
        <source>catchRunStopSourceSignal:Write Error </source>
        <translation>Fuente de marcha/paro: error de escritura</translation>
    </message>
    <message>
        <source>catchRefValueSignal:Write Error</source>
        <translation>Valor de referencia: error de escritura</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Equipo no conectado</translation>
    </message>
    <message>
        <source> Comm Error</source>
        <translation>Error de comunicación</translation>
    </message>
    <message>
        <source>Comm Error
 refer log details</source>
        <translation>Error de comunicación
 vea el registro para más detalles</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Conexión perdida</translation>
    </message>
    <message>
        <source>OprStatusUpdate:Write Error</source>
        <translation>Actualización de estado: error de escritura</translation>
    </message>
    <message>
        <source>TriplogUpdate:Write Error</source>
        <translation>Actualización del registro de fallos: error de escritura</translation>
    </message>
</context>
<context>
    <name>addunit</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Indique un rango TCP/IP válido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please provide required configuration details</source>
        <translation>Indique los datos de configuración necesarios</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>csv File(*.csv)</source>
        <translation>Descripción del equipo (*.csv)</translation>
    </message>
    <message>
        <source>Add Units</source>
        <translation>Añadir equipos</translation>
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
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Velocidad (baudios)</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Data File Selection</source>
        <translation>Selección del archivo de datos</translation>
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
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
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
        <translation>Alarmas actuales</translation>
    </message>
    <message>
        <source>Alert History</source>
        <translation>Historial de alarmas</translation>
    </message>
    <message>
        <source>First: %1
Last: %2</source>
        <translation>Primera: %1
Última: %2</translation>
    </message>
    <message>
        <source>Save Alerts</source>
        <translation>Guardar alarmas</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>The alerts could not be saved to
%1:
%2</source>
        <translation>No se pudieron guardar las alarmas en
%1:
%2</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Última vez</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Empty the list; the log file keeps every alert</source>
        <translation>Vaciar la lista; el archivo de registro conserva todas las alarmas</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the selected alerts, or all of them, as text</source>
        <translation>Copiar las alarmas seleccionadas, o todas, como texto</translation>
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
        <translation>Buscar dispositivos</translation>
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
        <translation>¿Buscar dispositivos automáticamente?</translation>
    </message>
</context>
<context>
    <name>scanning</name>
    <message>
        <source>No units connected</source>
        <translation>Ningún equipo conectado</translation>
    </message>
    <message>
        <source>No of devices found:</source>
        <translation>N.º de dispositivos encontrados:</translation>
    </message>
    <message>
        <source>Scan Progress</source>
        <translation>Progreso de la búsqueda</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Búsqueda automática</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Buscando</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while 
scanning for units. To stop scanning click cancel.</source>
        <translation>Nota: no es posible ninguna operación mientras 
se buscan equipos. Para detener, pulse Cancelar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
