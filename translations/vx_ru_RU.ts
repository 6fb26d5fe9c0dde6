<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About Tarvolink</source>
        <translation>О программе Tarvolink</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Commissioning and service tool for variable-speed drives.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Программа для ввода в эксплуатацию и обслуживания преобразователей частоты.&lt;/p&gt;&lt;p&gt;Создано с Qt %2 (LGPL v3) и QCustomPlot (GPL v3).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>AddFavParam</name>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>AlertEvent</name>
    <message>
        <source>unit %1</source>
        <translation>устройство %1</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>устройство %1 на %2</translation>
    </message>
    <message>
        <source>no answer to a write of %1 after %2 attempts</source>
        <translation>нет ответа на запись %1 после %2 попыток</translation>
    </message>
    <message>
        <source>no answer to a write of %1</source>
        <translation>нет ответа на запись %1</translation>
    </message>
    <message>
        <source>no answer to a read of %1 after %2 attempts</source>
        <translation>нет ответа на чтение %1 после %2 попыток</translation>
    </message>
    <message>
        <source>no answer to a read of %1</source>
        <translation>нет ответа на чтение %1</translation>
    </message>
    <message>
        <source>write of %1 failed after %2 attempts: %3</source>
        <translation>запись %1 не удалась после %2 попыток: %3</translation>
    </message>
    <message>
        <source>write of %1 failed: %2</source>
        <translation>запись %1 не удалась: %2</translation>
    </message>
    <message>
        <source>read of %1 failed after %2 attempts: %3</source>
        <translation>чтение %1 не удалось после %2 попыток: %3</translation>
    </message>
    <message>
        <source>read of %1 failed: %2</source>
        <translation>чтение %1 не удалось: %2</translation>
    </message>
    <message>
        <source>the unit refused a write of %1: %2</source>
        <translation>устройство отклонило запись %1: %2</translation>
    </message>
    <message>
        <source>the unit refused a read of %1: %2</source>
        <translation>устройство отклонило чтение %1: %2</translation>
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
        <translation>Информация</translation>
    </message>
    <message>
        <source>Auto Scan Settings</source>
        <translation>Настройки автопоиска</translation>
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
        <translation>Порты</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Start IP:</source>
        <translation>Начальный IP:</translation>
    </message>
    <message>
        <source>End IP:</source>
        <translation>Конечный IP:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Начать поиск</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Другой порт</translation>
    </message>
</context>
<context>
    <name>CommSettings</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Параметры связи</translation>
    </message>
    <message>
        <source>Continue despite communication fault</source>
        <translation>Продолжать при ошибке связи</translation>
    </message>
    <message>
        <source>Delay between messages  (ms) :</source>
        <translation>Задержка между сообщениями  (мс) :</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Number of retries</source>
        <translation>Число повторов</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Delay should be at least 35 ms.</source>
        <translation>Задержка должна быть не менее 35 мс.</translation>
    </message>
</context>
<context>
    <name>CompPrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Параметры печати</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CompareParameters</name>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Сравнить с</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Только в %1</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Файлы идентичны</translation>
    </message>
    <message>
        <source>The parameters both sides have are identical</source>
        <translation>Параметры, имеющиеся с обеих сторон, идентичны</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Select Unit</source>
        <translation>Выберите устройство</translation>
    </message>
    <message>
        <source>Compare Parameters</source>
        <translation>Сравнение параметров</translation>
    </message>
    <message>
        <source>Add Units to Compare</source>
        <translation>Добавить устройства для сравнения</translation>
    </message>
    <message>
        <source>Select Parameters to compare</source>
        <translation>Выберите параметры для сравнения</translation>
    </message>
    <message>
        <source>Select Parameters to be compared with</source>
        <translation>Выберите параметры, с которыми сравнивать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 (file)</source>
        <translation>%1 (файл)</translation>
    </message>
</context>
<context>
    <name>Connect</name>
    <message>
        <source>RS232 Unit Details</source>
        <translation>Данные устройства RS232</translation>
    </message>
    <message>
        <source>RS485 Unit Details</source>
        <translation>Данные устройства RS485</translation>
    </message>
    <message>
        <source>TCP/IP Unit Details</source>
        <translation>Данные устройства TCP/IP</translation>
    </message>
    <message>
        <source>File Unit Details</source>
        <translation>Данные набора из файла</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Типоразмер</translation>
    </message>
    <message>
        <source>Drive SW Version</source>
        <translation>Версия ПО привода</translation>
    </message>
    <message>
        <source>CSV Version Used</source>
        <translation>Используемая версия CSV</translation>
    </message>
    <message>
        <source>IP Addr</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>Файл данных</translation>
    </message>
</context>
<context>
    <name>ControlBox</name>
    <message>
        <source>Control Source</source>
        <translation>Источник управления</translation>
    </message>
    <message>
        <source>Select Run/Stop Source</source>
        <translation>Выберите источник пуска/останова</translation>
    </message>
    <message>
        <source>Select Reference Source</source>
        <translation>Выберите источник задания</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Дистанционно</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Опция</translation>
    </message>
</context>
<context>
    <name>CtrlPanelController</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Range is 0 to 100</source>
        <translation>Диапазон от 0 до 100</translation>
    </message>
</context>
<context>
    <name>CtrlPanelFrame</name>
    <message>
        <source>No Unit</source>
        <translation>Нет устройства</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Панель управления</translation>
    </message>
    <message>
        <source>Ref value</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Ref source</source>
        <translation>Источник задания</translation>
    </message>
    <message>
        <source>Run/Stop source</source>
        <translation>Источник пуска/останова</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Дистанционно</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Опция</translation>
    </message>
</context>
<context>
    <name>CurrentUnitPresenter</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>Подключение к %1...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Идёт запись осциллографа.
Остановите запись</translation>
    </message>
</context>
<context>
    <name>CustomerDataDialog</name>
    <message>
        <source>Customer Data</source>
        <translation>Данные заказчика</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Название компании</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Улица 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Улица 2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Площадка</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контактное лицо</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Применение</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Ввод в эксплуатацию выполнил</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
</context>
<context>
    <name>EditFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Выберите набор</translation>
    </message>
    <message>
        <source>Set Name</source>
        <translation>Имя набора</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Авто-
масштаб</translation>
    </message>
    <message>
        <source>Param
Name</source>
        <translation>Имя
парам.</translation>
    </message>
    <message>
        <source>Curr
Val</source>
        <translation>Тек.
знач.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Параметр уже существует</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>File Export</source>
        <translation>Экспорт файла</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Устройство</translation>
    </message>
</context>
<context>
    <name>FtpWindow</name>
    <message>
        <source>Ftp &amp;server:</source>
        <translation>&amp;Сервер FTP:</translation>
    </message>
    <message>
        <source>ftp://&lt;UserName&gt;:&lt;Password&gt;@&lt;Hostname&gt;</source>
        <translation>ftp://&lt;Пользователь&gt;:&lt;Пароль&gt;@&lt;Хост&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Типоразмер</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Владелец</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Перейти в родительский каталог</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Download All New</source>
        <translation>Загрузить все новые</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>FTP Link file is not found</source>
        <translation>Файл ссылки FTP не найден</translation>
    </message>
    <message>
        <source>The FTP URL is not valid</source>
        <translation>Недопустимый адрес FTP</translation>
    </message>
    <message>
        <source>Connecting to FTP server %1...</source>
        <translation>Подключение к серверу FTP %1...</translation>
    </message>
    <message>
        <source>The FTP server at %1 shows a certificate that no trusted authority has signed. The connection was refused.</source>
        <translation>Сервер FTP %1 предъявил сертификат, не подписанный доверенным центром. Соединение отклонено.</translation>
    </message>
    <message>
        <source>The FTP server at %1 did not set up a protected (TLS) connection. The connection was refused.</source>
        <translation>Сервер FTP %1 не установил защищённое (TLS) соединение. Соединение отклонено.</translation>
    </message>
    <message>
        <source>Unable to connect to the FTP server at %1. Please check that the host name is correct.</source>
        <translation>Не удаётся подключиться к серверу FTP %1. Проверьте имя хоста.</translation>
    </message>
    <message>
        <source>Unable to list the directory: %1</source>
        <translation>Не удаётся получить список каталога: %1</translation>
    </message>
    <message>
        <source>Logged onto %1.</source>
        <translation>Выполнен вход на %1.</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;пусто&gt;</translation>
    </message>
    <message>
        <source>Select only CSV file to download.</source>
        <translation>Выбирайте для загрузки только файлы CSV.</translation>
    </message>
    <message>
        <source>The server lists the name %1, which is not a plain file name. Nothing was written.</source>
        <translation>Сервер указывает имя %1, которое не является простым именем файла. Ничего не записано.</translation>
    </message>
    <message>
        <source>File already downloaded, do you want to overwrite?</source>
        <translation>Файл уже загружен. Перезаписать?</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Загрузка %1...</translation>
    </message>
    <message>
        <source>Downloaded %1 to current directory.</source>
        <translation>%1 загружен в текущий каталог.</translation>
    </message>
    <message>
        <source>File Downloaded Successfully</source>
        <translation>Файл успешно загружен</translation>
    </message>
    <message>
        <source>Download Failed %1 to current directory.</source>
        <translation>Не удалось загрузить %1 в текущий каталог.</translation>
    </message>
    <message>
        <source>File Size mismatched</source>
        <translation>Размер файла не совпадает</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Загрузка %1 отменена.</translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Не удаётся сохранить файл %1: %2.</translation>
    </message>
    <message>
        <source>File Download Error:</source>
        <translation>Ошибка загрузки файла:</translation>
    </message>
    <message>
        <source>The server lists names that are not plain file names. Nothing was written for them:
%1</source>
        <translation>Сервер указывает имена, не являющиеся простыми именами файлов. Для них ничего не записано:
%1</translation>
    </message>
    <message>
        <source>Error in downloading new files. Please download again.</source>
        <translation>Ошибка загрузки новых файлов. Повторите загрузку.</translation>
    </message>
    <message>
        <source>Operation is successful. All files are updated and no file is downloaded.</source>
        <translation>Операция выполнена. Все файлы актуальны, ничего не загружено.</translation>
    </message>
    <message>
        <source>Operation is successful. The total number of files downloaded is %1.</source>
        <translation>Операция выполнена. Всего загружено файлов: %1.</translation>
    </message>
</context>
<context>
    <name>HeaderLine</name>
    <message>
        <source>Select a Language</source>
        <translation>Выберите язык</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Logged on as:</source>
        <translation>Вход выполнен как:</translation>
    </message>
    <message>
        <source>Alert(s)/Notification(s):</source>
        <translation>Тревоги/уведомления:</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>oscilloscope block %1</source>
        <translation>блок осциллографа %1</translation>
    </message>
    <message>
        <source>%1, set %2</source>
        <translation>%1, набор %2</translation>
    </message>
    <message>
        <source>%1 (%2 registers)</source>
        <translation>%1 (регистров: %2)</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>параметры</translation>
    </message>
    <message>
        <source>device code</source>
        <translation>код устройства</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>версия ПО</translation>
    </message>
    <message>
        <source>drive size</source>
        <translation>типоразмер привода</translation>
    </message>
    <message>
        <source>status</source>
        <translation>состояние</translation>
    </message>
    <message>
        <source>trip log</source>
        <translation>журнал аварий</translation>
    </message>
    <message>
        <source>control panel</source>
        <translation>панель управления</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <translation>осциллограф</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>поиск</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>исключение %1</translation>
    </message>
    <message>
        <source>link error %1</source>
        <translation>ошибка связи %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception</source>
        <translation>исключение</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>тайм-аут</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>неверный CRC</translation>
    </message>
    <message>
        <source>wrong unit</source>
        <translation>неверное устройство</translation>
    </message>
    <message>
        <source>wrong function</source>
        <translation>неверная функция</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>неверная длина</translation>
    </message>
    <message>
        <source>wrong transaction</source>
        <translation>неверная транзакция</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>соединение отклонено</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>соединение потеряно</translation>
    </message>
    <message>
        <source>link error</source>
        <translation>ошибка связи</translation>
    </message>
</context>
<context>
    <name>LinkMonitorModel</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Asked for</source>
        <translation>Запрошено</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Регистр</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Значения</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation>Попытка</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
</context>
<context>
    <name>LinkMonitorWindow</name>
    <message>
        <source>Link Monitor</source>
        <translation>Монитор связи</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Все устройства</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Все запросы</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>идентификация</translation>
    </message>
    <message>
        <source>Failures and resends only</source>
        <translation>Только сбои и повторы</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Keeps recording but stops following the newest exchange</source>
        <translation>Запись продолжается, но таблица не следует за последним обменом</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Сохранить как CSV...</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Сбросить статистику</translation>
    </message>
    <message>
        <source>%1 exchanges shown, %2 kept, %3 dropped as the oldest</source>
        <translation>показано обменов: %1, хранится: %2, отброшено старейших: %3</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Обмены</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Сбои</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Повторы</translation>
    </message>
    <message>
        <source>Response min / mean / 95 % / max</source>
        <translation>Ответ мин / сред. / 95 % / макс</translation>
    </message>
    <message>
        <source>Last failure</source>
        <translation>Последний сбой</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Сохранить как CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The exchanges could not be saved: %1</source>
        <translation>Не удалось сохранить обмены: %1</translation>
    </message>
</context>
<context>
    <name>LoginFrame</name>
    <message>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
</context>
<context>
    <name>OscPlotArea</name>
    <message>
        <source>Set Marker 1 Here</source>
        <translation>Установить маркер 1 здесь</translation>
    </message>
    <message>
        <source>Set Marker 2 Here</source>
        <translation>Установить маркер 2 здесь</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Удалить маркеры</translation>
    </message>
    <message>
        <source>Save plot as PNG...</source>
        <translation>Сохранить график как PNG...</translation>
    </message>
    <message>
        <source>Save plot as PDF...</source>
        <translation>Сохранить график как PDF...</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Сохранить график</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Недопустимый путь к файлу</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Показать всё</translation>
    </message>
    <message>
        <source>Automatic Value Range</source>
        <translation>Автоматический диапазон значений</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Время (с)</translation>
    </message>
</context>
<context>
    <name>OscPrintGui</name>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>OsciSettings</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Changes plot area color to white</source>
        <translation>Делает область графика белой</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Changes plot area color to black</source>
        <translation>Делает область графика чёрной</translation>
    </message>
    <message>
        <source>Colorbar for setting plot color to 
different shades between black and white</source>
        <translation>Цветовая шкала для выбора оттенка области графика 
между чёрным и белым</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Толщина линии</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Тонкая</translation>
    </message>
    <message>
        <source>Changes the width of graph to thin</source>
        <translation>Делает линии графиков тонкими</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Толстая</translation>
    </message>
    <message>
        <source>Changes the width of graph to fat</source>
        <translation>Делает линии графиков толстыми</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>keeps the grid for plot areas</source>
        <translation>показывает сетку в областях графиков</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>removes the grid for plot areas</source>
        <translation>убирает сетку из областей графиков</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>OscilloscopeWidget</name>
    <message>
        <source>Select Color</source>
        <translation>Выберите цвет</translation>
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
        <translation>Наборы из файлов</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Prints table/graph</source>
        <translation>Печатает таблицу/график</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Аналоговые</translation>
    </message>
    <message>
        <source>display only analog signals</source>
        <translation>показывать только аналоговые сигналы</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Цифровые</translation>
    </message>
    <message>
        <source>display only digital signals</source>
        <translation>показывать только цифровые сигналы</translation>
    </message>
    <message>
        <source>Analog-Digital</source>
        <translation>Аналоговые и цифровые</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Back 2</source>
        <translation>Назад 2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Forward 2</source>
        <translation>Вперёд 2</translation>
    </message>
    <message>
        <source>Set Sampling Time</source>
        <translation>Задать период выборки</translation>
    </message>
    <message>
        <source>Data from unit will be retrieved at this interval.</source>
        <translation>Данные с устройства будут считываться с этим интервалом.</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Триггер</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Авто-
масштаб</translation>
    </message>
    <message>
        <source>Param Name</source>
        <translation>Имя параметра</translation>
    </message>
    <message>
        <source>Curr
Value</source>
        <translation>Текущее
значение</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stops the recording and displaying the graphs</source>
        <translation>Останавливает запись и отображение графиков</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Starts the recording and displaying the selected graphs</source>
        <translation>Запускает запись и отображение выбранных графиков</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Resumes the displaying of selected graphs</source>
        <translation>Возобновляет отображение выбранных графиков</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Pauses the displaying of selected graphs 
while recording continues in background</source>
        <translation>Приостанавливает отображение выбранных графиков, 
пока запись продолжается в фоновом режиме</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Время отклика</translation>
    </message>
    <message>
        <source>Slowest Device</source>
        <translation>Самое медленное устройство</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>No unit is connected to record from</source>
        <translation>Нет подключённого устройства для записи</translation>
    </message>
    <message>
        <source>Trigger in Progress- Do you want to Stop?</source>
        <translation>Выполняется запуск по триггеру - Остановить?</translation>
    </message>
    <message>
        <source>Do you want to save rec file?</source>
        <translation>Сохранить файл записи?</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Недопустимый путь к файлу</translation>
    </message>
    <message>
        <source>Open rec file</source>
        <translation>Открыть файл записи</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Идёт запись осциллографа.
Остановите запись</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Настроен</translation>
    </message>
    <message>
        <source>Not Active</source>
        <translation>Не активен</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Ожидание...</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Выполняется...</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Параметр уже существует</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Favourite list is empty</source>
        <translation>Список избранного пуст</translation>
    </message>
    <message>
        <source>Save pdf file</source>
        <translation>Сохранить файл PDF</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>The recording is kept in %1</source>
        <translation>Запись сохранена в %1</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Показать всё</translation>
    </message>
    <message>
        <source>Shows the whole recording (key F over the plots)</source>
        <translation>Показывает всю запись (клавиша F над графиками)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Авто Y</translation>
    </message>
    <message>
        <source>Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the mouse wheel zoom the values)</source>
        <translation>Возвращает аналоговому графику автоматический диапазон значений (клавиша A над графиками; Ctrl и колесо мыши масштабируют значения)</translation>
    </message>
    <message>
        <source>(armed at the next Start)</source>
        <translation>(включится при следующем «Пуск»)</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>График сохранён в %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Сохранить как CSV</translation>
    </message>
    <message>
        <source>Saves the shown recording as plain CSV, one column per signal</source>
        <translation>Сохраняет показанную запись как простой CSV, по столбцу на сигнал</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Записано %1</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% диапазона</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Сохранить запись</translation>
    </message>
    <message>
        <source>Recording saved to %1</source>
        <translation>Запись сохранена в %1</translation>
    </message>
    <message>
        <source>There is no recording to save</source>
        <translation>Нет записи для сохранения</translation>
    </message>
    <message>
        <source>CSV saved to %1</source>
        <translation>CSV сохранён в %1</translation>
    </message>
    <message>
        <source>PDF saved to %1</source>
        <translation>PDF сохранён в %1</translation>
    </message>
</context>
<context>
    <name>ParamTransfer</name>
    <message>
        <source>Parameters Loading To Drive</source>
        <translation>Загрузка параметров в привод</translation>
    </message>
    <message>
        <source>Parameters Loading from Drive</source>
        <translation>Загрузка параметров из привода</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while the parameters 
   are &quot;Load From Drive&quot; or &quot;Load To Drive&quot; in the parameter window.
   To cancel operation click cancel.</source>
        <translation>Примечание: во время «Загрузки из привода» или «в привод» 
   в окне параметров другие действия недоступны.
   Для отмены нажмите «Отмена».</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n parameter(s) to %1</source>
        <translation>
            <numerusform>В %1 записан %n параметр</numerusform>
            <numerusform>В %1 записано %n параметра</numerusform>
            <numerusform>В %1 записано %n параметров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n parameter(s) from %1</source>
        <translation>
            <numerusform>Из %1 прочитан %n параметр</numerusform>
            <numerusform>Из %1 прочитано %n параметра</numerusform>
            <numerusform>Из %1 прочитано %n параметров</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to %1 cancelled after %2 of %3 parameters</source>
        <translation>Запись в %1 отменена после %2 из %3 параметров</translation>
    </message>
    <message>
        <source>Read from %1 cancelled after %2 of %3 parameters</source>
        <translation>Чтение из %1 отменено после %2 из %3 параметров</translation>
    </message>
    <message>
        <source>Write to %1 ended: the unit was removed</source>
        <translation>Запись в %1 прервана: устройство было удалено</translation>
    </message>
    <message>
        <source>Read from %1 ended: the unit was removed</source>
        <translation>Чтение из %1 прервано: устройство было удалено</translation>
    </message>
    <message>
        <source>Write to %1 failed after %2 of %3 parameters</source>
        <translation>Ошибка записи в %1 после %2 из %3 параметров</translation>
    </message>
    <message>
        <source>Read from %1 failed after %2 of %3 parameters</source>
        <translation>Ошибка чтения из %1 после %2 из %3 параметров</translation>
    </message>
    <message>
        <source>; %1 parameters without a value were skipped</source>
        <translation>; пропущено параметров без значения: %1</translation>
    </message>
</context>
<context>
    <name>ParameterActions</name>
    <message>
        <source>Sent %1 (set %2) to %3</source>
        <translation>%1 (набор %2) отправлен в %3</translation>
    </message>
    <message>
        <source>Sending %1 (set %2) to %3 failed</source>
        <translation>Не удалось отправить %1 (набор %2) в %3</translation>
    </message>
    <message>
        <source>%1: Device not connected</source>
        <translation>%1: устройство не подключено</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>These parameter sets have changes that are not saved:
%1

Do you want to save them?</source>
        <translation>В этих наборах параметров есть несохранённые изменения:
%1

Сохранить их?</translation>
    </message>
</context>
<context>
    <name>ParameterPrint</name>
    <message>
        <source>Save pdf file</source>
        <translation>Сохранить файл PDF</translation>
    </message>
    <message>
        <source>(*.pdf)</source>
        <translation>(*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Не удалось записать файл PDF:
%1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Отправлено на принтер</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Сохранено: %1</translation>
    </message>
</context>
<context>
    <name>ParameterToolBar</name>
    <message>
        <source>Collapse All</source>
        <translation>Свернуть все</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Развернуть все</translation>
    </message>
    <message>
        <source>Collapses All Parameters</source>
        <translation>Сворачивает все параметры</translation>
    </message>
    <message>
        <source>Expands All Parameters</source>
        <translation>Разворачивает все параметры</translation>
    </message>
    <message>
        <source>No Unit</source>
        <translation>Нет устройства</translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Загрузить из привода</translation>
    </message>
    <message>
        <source>Imports data from 
controlcard to application</source>
        <translation>Считывает данные из 
платы управления в программу</translation>
    </message>
    <message>
        <source>Load to Drive</source>
        <translation>Загрузить в привод</translation>
    </message>
    <message>
        <source>Exports data from 
application to controlcard</source>
        <translation>Записывает данные из 
программы в плату управления</translation>
    </message>
    <message>
        <source>Opens new csv file</source>
        <translation>Открывает новый файл csv</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Opens already saved .dat files</source>
        <translation>Открывает сохранённые файлы .dat</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Saves the file in .dat format</source>
        <translation>Сохраняет файл в формате .dat</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Prints the parameter view</source>
        <translation>Печатает список параметров</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Сравнивает два файла</translation>
    </message>
    <message>
        <source>Send changes directly</source>
        <translation>Сразу отправлять изменения</translation>
    </message>
    <message>
        <source>Exports the edited parameters immediately to controlcard if checked</source>
        <translation>Если отмечено, изменённые параметры сразу записываются в плату управления</translation>
    </message>
    <message>
        <source>Upgrade CSV</source>
        <translation>Обновить CSV</translation>
    </message>
    <message>
        <source>Send directly</source>
        <translation>Отправлять сразу</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс</translation>
    </message>
    <message>
        <source>Minimum limit of the parameter selected in the view</source>
        <translation>Нижний предел выбранного параметра</translation>
    </message>
    <message>
        <source>Maximum limit of the parameter selected in the view</source>
        <translation>Верхний предел выбранного параметра</translation>
    </message>
    <message>
        <source>Parameter Help</source>
        <translation>Справка по параметру</translation>
    </message>
    <message>
        <source>Please refer help manual.</source>
        <translation>См. руководство.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>недопустимый файл CSV</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>csv File(*.dat)</source>
        <translation>Набор параметров (*.dat)</translation>
    </message>
    <message>
        <source>The file could not be opened:
%1</source>
        <translation>Не удалось открыть файл:
%1</translation>
    </message>
    <message>
        <source>Save dat file</source>
        <translation>Сохранить файл dat</translation>
    </message>
    <message>
        <source>(*.dat)</source>
        <translation>(*.dat)</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1</source>
        <translation>Не удалось сохранить файл:
%1</translation>
    </message>
    <message>
        <source>oscView Record in Progress.
You can stop recording for faster performance
Do you want to Continue?</source>
        <translation>Идёт запись осциллографа.
Остановите запись для ускорения работы
Продолжить?</translation>
    </message>
    <message>
        <source>No unit is connected to load the parameters to.</source>
        <translation>Нет подключённого устройства для загрузки параметров.</translation>
    </message>
    <message>
        <source>Sizes of drives are differ
 Do you want to continue?</source>
        <translation>Типоразмеры приводов различаются
 Продолжить?</translation>
    </message>
    <message>
        <source>Type of drives are differ
 Do you want to continue?</source>
        <translation>Типы приводов различаются
 Продолжить?</translation>
    </message>
    <message>
        <source>Version of drives are differ
 Do you want to continue?</source>
        <translation>Версии приводов различаются
 Продолжить?</translation>
    </message>
    <message>
        <source>Motor is running, some of configuration parameter may not set properly.
Do you want to Continue?</source>
        <translation>Двигатель работает, некоторые параметры конфигурации могут не установиться.
Продолжить?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Copy parameters to Drive</source>
        <translation>Копировать параметры в привод</translation>
    </message>
    <message>
        <source>The range is %1 to %2.</source>
        <translation>Диапазон от %1 до %2.</translation>
    </message>
    <message>
        <source>%1: that key is not accepted here. %2</source>
        <translation>%1: эта клавиша здесь не допускается. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken. %3</source>
        <translation>%1: «%2» не принято. %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value for %2.</source>
        <translation>«%1» — недопустимое значение для %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Открыто: %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <source>%1 parameters were not read from the unit. Save anyway?</source>
        <translation>%1 параметров не прочитано из устройства. Всё равно сохранить?</translation>
    </message>
    <message>
        <source>%1 parameters have no value in this set and will be skipped.</source>
        <translation>%1 параметров не имеют значения в этом наборе и будут пропущены.</translation>
    </message>
    <message>
        <source>The file holds %1 of %2 parameters of %3. Write these %1?</source>
        <translation>Файл содержит %1 из %2 параметров %3. Записать эти %1?</translation>
    </message>
    <message>
        <source>%1 %2 is now %3 in set %4</source>
        <translation>%1 %2 теперь %3 в наборе %4</translation>
    </message>
    <message>
        <source>%1 parameters of %2 to %3</source>
        <translation>%1 параметров из %2 в %3</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; on Automatic scan (scan unit)</source>
        <translation>«Загрузить из привода» после автопоиска (поиск устройств)</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; in Manual Add unit, on Connect</source>
        <translation>«Загрузить из привода» при ручном добавлении, при подключении</translation>
    </message>
    <message>
        <source>Automatic scan on application startup</source>
        <translation>Автопоиск при запуске программы</translation>
    </message>
    <message>
        <source>Automatic save Setting on Exit</source>
        <translation>Автосохранение настроек при выходе</translation>
    </message>
    <message>
        <source>&quot;Load to Drive&quot; only offline Changed Parameters</source>
        <translation>«Загрузить в привод» только изменённые офлайн параметры</translation>
    </message>
    <message>
        <source>Read in blocks</source>
        <translation>Читать блоками</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>PrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Параметры печати</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>All Parameters</source>
        <translation>Все параметры</translation>
    </message>
    <message>
        <source>With ReadOnly</source>
        <translation>С параметрами только для чтения</translation>
    </message>
    <message>
        <source>Changed Values</source>
        <translation>Изменённые значения</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Company Name</source>
        <translation>Название компании</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Применение</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Ввод в эксплуатацию выполнил</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Drive Version</source>
        <translation>Версия привода</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Текст параметра</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Файлы идентичны</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Сравнить с</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Только в %1</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Да для &amp;всех</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Н&amp;ет для всех</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Сохранить все</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Восстановить значения по умолчанию</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
</context>
<context>
    <name>RecFileReader</name>
    <message>
        <source>CSV file not found</source>
        <translation>Файл описания устройства не найден</translation>
    </message>
    <message>
        <source>Invalid Rec file</source>
        <translation>Недопустимый файл записи</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Invalid Filepath</source>
        <translation>Недопустимый путь к файлу</translation>
    </message>
    <message>
        <source>Give Filepath</source>
        <translation>Укажите путь к файлу</translation>
    </message>
</context>
<context>
    <name>RoleChange</name>
    <message>
        <source>Change User Role - Confirmation</source>
        <translation>Смена роли пользователя — подтверждение</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Сменить пользователя</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Changing the User role will re-establish the communication with
connected units to support all extra functions. Do you want to
continue?</source>
        <translation>Смена роли заново установит связь с
подключёнными устройствами для всех доп. функций. Хотите
продолжить?</translation>
    </message>
</context>
<context>
    <name>ScanController</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Идёт запись осциллографа.
Остановите запись</translation>
    </message>
    <message>
        <source>Scanning will delete all connected units.
 Do you want to proceed?</source>
        <translation>Поиск удалит все подключённые устройства.
 Продолжить?</translation>
    </message>
    <message>
        <source>No unit found on %1.</source>
        <translation>На %1 не найдено ни одного устройства.</translation>
    </message>
    <message numerus="yes">
        <source>The scan found %n unit(s)</source>
        <translation>
            <numerusform>Поиск нашёл %n устройство</numerusform>
            <numerusform>Поиск нашёл %n устройства</numerusform>
            <numerusform>Поиск нашёл %n устройств</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Parameters read from the %n unit(s) found by the scan</source>
        <translation>
            <numerusform>Параметры прочитаны из %n найденного устройства</numerusform>
            <numerusform>Параметры прочитаны из %n найденных устройств</numerusform>
            <numerusform>Параметры прочитаны из %n найденных устройств</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanImport</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>No. of devices: </source>
        <translation>Число устройств: </translation>
    </message>
    <message>
        <source>In progress: </source>
        <translation>Выполняется: </translation>
    </message>
    <message>
        <source>Done: </source>
        <translation>Готово: </translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Загрузить из привода</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Подождите...</translation>
    </message>
</context>
<context>
    <name>ScanOps</name>
    <message>
        <source>Device Link Established</source>
        <translation>Связь с устройством установлена</translation>
    </message>
    <message>
        <source>No CSV File Found</source>
        <translation>Файл CSV не найден</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Файл CSV не найден</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Недопустимый файл CSV</translation>
    </message>
    <message>
        <source>No Connection with Given IP</source>
        <translation>Нет связи с указанным IP</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Нет связи с устройством</translation>
    </message>
</context>
<context>
    <name>ScanRules</name>
    <message>
        <source>Please provide valid unit range</source>
        <translation>Укажите допустимый диапазон устройств</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS232 interface: Unit range is 1-255</source>
        <translation>Недопустимый номер устройства на RS232: диапазон 1-255</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS485 interface: Unit range is 1-255</source>
        <translation>Недопустимый номер устройства на RS485: диапазон 1-255</translation>
    </message>
    <message>
        <source>Please provide required information</source>
        <translation>Укажите необходимые данные</translation>
    </message>
    <message>
        <source>Please provide unit range</source>
        <translation>Укажите диапазон устройств</translation>
    </message>
    <message>
        <source>Duplicate configuration in RS232 and RS485</source>
        <translation>Повторная настройка в RS232 и RS485</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Укажите допустимый диапазон TCP/IP</translation>
    </message>
</context>
<context>
    <name>SelectCsvDialog</name>
    <message>
        <source>Select Csv File</source>
        <translation>Выберите файл CSV</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>недопустимый файл CSV</translation>
    </message>
</context>
<context>
    <name>SetLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>Выбор языка</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>File not found : general.csv. Program aborted!</source>
        <translation>Файл не найден: general.csv. Работа программы прервана!</translation>
    </message>
</context>
<context>
    <name>TabWidget</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Exit</source>
        <translation>Идёт запись осциллографа. Остановите её перед выходом</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Осциллограф</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Fault Logger</source>
        <translation>Журнал отказов</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Тревоги</translation>
    </message>
    <message>
        <source>Link Information</source>
        <translation>Сведения о связи</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Текст параметра</translation>
    </message>
    <message>
        <source> Unit</source>
        <translation> Ед. изм.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>TriggerDialog</name>
    <message>
        <source>Conditional Trigger</source>
        <translation>Условный триггер</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Триггер по уровню</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Group A</source>
        <translation>Группа A</translation>
    </message>
    <message>
        <source>Group B</source>
        <translation>Группа B</translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation>Имя сигнала</translation>
    </message>
    <message>
        <source>Trigger Type</source>
        <translation>Тип триггера</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>По спаду</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>По фронту</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Оба</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Верхнее</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Условие</translation>
    </message>
    <message>
        <source>Before Time</source>
        <translation>Время до</translation>
    </message>
    <message>
        <source>After Time</source>
        <translation>Время после</translation>
    </message>
    <message>
        <source>Capture Time</source>
        <translation>Время захвата</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Однократно</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Многократно</translation>
    </message>
    <message>
        <source>Maximum Total File Size</source>
        <translation>Максимальный общий размер файлов</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Maximum Total Duration</source>
        <translation>Максимальная общая длительность</translation>
    </message>
    <message>
        <source>Number Of Sample</source>
        <translation>Количество выборок</translation>
    </message>
    <message>
        <source>Number Of Samples</source>
        <translation>Количество выборок</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Enter Valid Value</source>
        <translation>Введите допустимое значение</translation>
    </message>
    <message>
        <source>Low Value Should be Less than High Value </source>
        <translation>Нижнее значение должно быть меньше верхнего </translation>
    </message>
</context>
<context>
    <name>TriggerSettings</name>
    <message>
        <source>Trigger Options</source>
        <translation>Параметры триггера</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Триггер по уровню</translation>
    </message>
    <message>
        <source>Conditional Trigger</source>
        <translation>Условный триггер</translation>
    </message>
    <message>
        <source>No Trigger</source>
        <translation>Без триггера</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>UnitConnector</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Invalid Unit Number: Unit range is 1-255</source>
        <translation>Недопустимый номер устройства: диапазон 1-255</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Идёт запись осциллографа.
Остановите запись</translation>
    </message>
    <message>
        <source>No csv file information</source>
        <translation>Нет сведений о файле csv</translation>
    </message>
    <message>
        <source>No channel information</source>
        <translation>Нет сведений о канале</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>сбой</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Порт уже открыт</translation>
    </message>
    <message>
        <source>Port is not Opened</source>
        <translation>Порт не открыт</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>порт не открыт</translation>
    </message>
    <message>
        <source>Unit is already activated</source>
        <translation>Устройство уже активно</translation>
    </message>
    <message>
        <source>duplicate ip address</source>
        <translation>повторный ip-адрес</translation>
    </message>
    <message>
        <source>No Connection with given IP</source>
        <translation>Нет связи с указанным IP</translation>
    </message>
    <message>
        <source>No CSV File</source>
        <translation>Нет файла CSV</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Недопустимый файл CSV</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Нет связи с устройством</translation>
    </message>
    <message>
        <source>success</source>
        <translation>успешно</translation>
    </message>
    <message>
        <source>device link established</source>
        <translation>связь с устройством установлена</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>предупреждение</translation>
    </message>
    <message>
        <source>register overlap in the CSV file: %1</source>
        <translation>перекрытие регистров в файле CSV: %1</translation>
    </message>
    <message>
        <source>Error in CSV file 
 Please provide correct CSV file</source>
        <translation>Ошибка в файле CSV 
 Предоставьте правильный файл CSV</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>device link disconnected</source>
        <translation>связь с устройством отключена</translation>
    </message>
    <message>
        <source>Config Error</source>
        <translation>Ошибка конфигурации</translation>
    </message>
    <message>
        <source>device link not reconnected</source>
        <translation>связь с устройством не восстановлена</translation>
    </message>
    <message>
        <source>device link reconnected</source>
        <translation>связь с устройством восстановлена</translation>
    </message>
    <message>
        <source>Device Link is established</source>
        <translation>Связь с устройством установлена</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Файл CSV не найден</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Removing</source>
        <translation>Идёт запись осциллографа. Остановите её перед удалением</translation>
    </message>
    <message>
        <source>device link removed</source>
        <translation>связь с устройством удалена</translation>
    </message>
    <message>
        <source>drive trip: %1</source>
        <translation>авария привода: %1</translation>
    </message>
    <message>
        <source>drive trip cleared: %1</source>
        <translation>авария привода сброшена: %1</translation>
    </message>
    <message>
        <source>unit %1 at %2</source>
        <translation>устройство %1 по адресу %2</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>устройство %1 на %2</translation>
    </message>
    <message>
        <source>Could not connect %1: %2</source>
        <translation>Не удалось подключить %1: %2</translation>
    </message>
    <message>
        <source>Connected %1 (%2)</source>
        <translation>Подключено %1 (%2)</translation>
    </message>
    <message>
        <source>device answers again</source>
        <translation>устройство снова отвечает</translation>
    </message>
</context>
<context>
    <name>UnitTreeFrame</name>
    <message>
        <source>Scan Units</source>
        <translation>Поиск устройств</translation>
    </message>
    <message>
        <source>Scans the units automatically 
 depending on configuration settings</source>
        <translation>Автоматически ищет устройства 
 согласно настройкам</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Добавить устройство</translation>
    </message>
    <message>
        <source>Opens window to provide unit details 
 inorder to establish connection</source>
        <translation>Открывает окно для ввода данных устройства 
 для установки связи</translation>
    </message>
    <message>
        <source>Units on RS232</source>
        <translation>Устройства на RS232</translation>
    </message>
    <message>
        <source>Units on RS485</source>
        <translation>Устройства на RS485</translation>
    </message>
    <message>
        <source>Units on TCP/IP</source>
        <translation>Устройства на TCP/IP</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Наборы из файлов</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
</context>
<context>
    <name>VXMainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>Create a new parameter</source>
        <translation>Создать новый набор параметров</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open parameter setting</source>
        <translation>Открыть набор параметров</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Сохранить...</translation>
    </message>
    <message>
        <source>Save parameter setting</source>
        <translation>Сохранить набор параметров</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print parameter setting</source>
        <translation>Печать набора параметров</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>С&amp;равнить...</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Сравнивает два файла</translation>
    </message>
    <message>
        <source>&amp;Load from drive</source>
        <translation>&amp;Загрузить из привода</translation>
    </message>
    <message>
        <source>Load parameter setting from drive</source>
        <translation>Загрузить набор параметров из привода</translation>
    </message>
    <message>
        <source>Load &amp;to drive</source>
        <translation>Загрузить &amp;в привод</translation>
    </message>
    <message>
        <source>Load parameter setting to drive</source>
        <translation>Загрузить набор параметров в привод</translation>
    </message>
    <message>
        <source>&amp;Dat File Information...</source>
        <translation>Сведения о файле &amp;dat...</translation>
    </message>
    <message>
        <source>Customer information of dat file</source>
        <translation>Данные заказчика в файле dat</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Язык...</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Сменить язык</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Изменить настройки</translation>
    </message>
    <message>
        <source>Customer data...</source>
        <translation>Данные заказчика...</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Данные заказчика</translation>
    </message>
    <message>
        <source>Communication...</source>
        <translation>Связь...</translation>
    </message>
    <message>
        <source>Communication settings</source>
        <translation>Параметры связи</translation>
    </message>
    <message>
        <source>About Tarvolink...</source>
        <translation>О программе Tarvolink...</translation>
    </message>
    <message>
        <source>About Tarvolink</source>
        <translation>О программе Tarvolink</translation>
    </message>
    <message>
        <source>User guide...</source>
        <translation>Руководство пользователя...</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>Tarvolink</source>
        <translation>Tarvolink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>General CSV File Not Found</source>
        <translation>Файл general.csv не найден</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Password File is missing</source>
        <translation>Отсутствует файл пароля</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <source>View for alert(s) / notification(s)</source>
        <translation>Просмотр тревог/уведомлений</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Role Change</source>
        <translation>Идёт запись осциллографа. Остановите её перед сменой роли</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Do you want to quit the Application?</source>
        <translation>Выйти из программы?</translation>
    </message>
    <message>
        <source>The user guide was not found:
%1</source>
        <translation>Руководство пользователя не найдено:
%1</translation>
    </message>
    <message>
        <source>Opening the user guide...</source>
        <translation>Открытие руководства пользователя...</translation>
    </message>
    <message>
        <source>No program to show PDF files was found.
The user guide is here:
%1</source>
        <translation>Не найдена программа для просмотра файлов PDF.
Руководство пользователя находится здесь:
%1</translation>
    </message>
    <message>
        <source>Link Monitor...</source>
        <translation>Монитор связи...</translation>
    </message>
    <message>
        <source>Every exchange on the bus, with link statistics per unit</source>
        <translation>Каждый обмен на шине со статистикой связи по устройствам</translation>
    </message>
    <message>
        <source>An administrator creates it on this computer with the command
%1</source>
        <translation>Администратор создаёт его на этом компьютере командой
%1</translation>
    </message>
</context>
<context>
    <name>VxCommManageSerialPort</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 используется другой программой.</translation>
    </message>
    <message>
        <source>You have no access to %1. Add your user to the group that owns it (dialout) and log in again.</source>
        <translation>У вас нет доступа к %1. Добавьте пользователя в группу-владельца (dialout) и войдите снова.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the adapter plugged in?</source>
        <translation>%1 не существует: подключён ли адаптер?</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>серийный номер %1</translation>
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
        <translation>Адаптер %1 отключён или заменён; его устройства подключатся снова сами, когда он вернётся.</translation>
    </message>
</context>
<context>
    <name>VxCommModbusMaster</name>
    <message>
        <source>communication failure</source>
        <translation>сбой связи</translation>
    </message>
    <message>
        <source>no server connection</source>
        <translation>нет соединения с сервером</translation>
    </message>
    <message>
        <source>communication failure timeout</source>
        <translation>сбой связи: тайм-аут</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>ошибка записи</translation>
    </message>
    <message>
        <source>communication error in receive data</source>
        <translation>ошибка связи в принятых данных</translation>
    </message>
    <message>
        <source>invalid transaction id</source>
        <translation>недопустимый идентификатор транзакции</translation>
    </message>
    <message>
        <source>no data within timeout</source>
        <translation>нет данных за время ожидания</translation>
    </message>
    <message>
        <source>invalid unit id</source>
        <translation>недопустимый идентификатор устройства</translation>
    </message>
    <message>
        <source>invalid function code</source>
        <translation>недопустимый код функции</translation>
    </message>
    <message>
        <source>no communication interface</source>
        <translation>нет интерфейса связи</translation>
    </message>
    <message>
        <source>invalid function type</source>
        <translation>недопустимый тип функции</translation>
    </message>
    <message>
        <source>communication timeout error</source>
        <translation>ошибка тайм-аута связи</translation>
    </message>
    <message>
        <source>crc error</source>
        <translation>ошибка crc</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>порт не открыт</translation>
    </message>
    <message>
        <source>port already open</source>
        <translation>порт уже открыт</translation>
    </message>
    <message>
        <source>warning message received</source>
        <translation>получено предупреждение</translation>
    </message>
    <message>
        <source>invalid received message length</source>
        <translation>недопустимая длина принятого сообщения</translation>
    </message>
    <message>
        <source>device has disconnected</source>
        <translation>устройство отключено</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>WorkerOps</name>
    <message>
        <source>catchForwardButtonSignal:Write Error </source>
        <translation>Вращение вперёд: ошибка записи</translation>
    </message>
    <message>
        <source>catchBackButtonSignal:Write Error </source>
        <translation>Вращение назад: ошибка записи</translation>
    </message>
    <message>
        <source>catchStopButtonSignal:Write Error </source>
        <translation>Стоп: ошибка записи</translation>
    </message>
    <message>
        <source>catchReferenceSourceSignal:Write Error </source>
        <translation>Источник задания: ошибка записи</translation>
    </message>
    <message>
        <source>catchRunStopSourceSignal:Write Error </source>
        <translation>Источник пуска/останова: ошибка записи</translation>
    </message>
    <message>
        <source>catchRefValueSignal:Write Error</source>
        <translation>Значение задания: ошибка записи</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
    <message>
        <source> Comm Error</source>
        <translation>Ошибка связи</translation>
    </message>
    <message>
        <source>Comm Error
 refer log details</source>
        <translation>Ошибка связи
 подробности в журнале</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Соединение потеряно</translation>
    </message>
    <message>
        <source>OprStatusUpdate:Write Error</source>
        <translation>Обновление состояния: ошибка записи</translation>
    </message>
    <message>
        <source>TriplogUpdate:Write Error</source>
        <translation>Обновление журнала аварий: ошибка записи</translation>
    </message>
</context>
<context>
    <name>addunit</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Укажите допустимый диапазон TCP/IP</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Please provide required configuration details</source>
        <translation>Укажите необходимые параметры конфигурации</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>csv File(*.csv)</source>
        <translation>Описание устройства (*.csv)</translation>
    </message>
    <message>
        <source>Add Units</source>
        <translation>Добавить устройства</translation>
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
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Data File Selection</source>
        <translation>Выбор файла данных</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>alarms</name>
    <message>
        <source>Current Alerts</source>
        <translation>Текущие тревоги</translation>
    </message>
    <message>
        <source>Alert History</source>
        <translation>История тревог</translation>
    </message>
    <message>
        <source>First: %1
Last: %2</source>
        <translation>Первый раз: %1
Последний раз: %2</translation>
    </message>
    <message>
        <source>Save Alerts</source>
        <translation>Сохранить тревоги</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>The alerts could not be saved to
%1:
%2</source>
        <translation>Не удалось сохранить тревоги в
%1:
%2</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Последний раз</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Empty the list; the log file keeps every alert</source>
        <translation>Очистить список; файл журнала сохраняет все тревоги</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy the selected alerts, or all of them, as text</source>
        <translation>Копировать выбранные тревоги, или все, как текст</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Сохранить...</translation>
    </message>
</context>
<context>
    <name>scanDialog</name>
    <message>
        <source>Scan for devices</source>
        <translation>Поиск устройств</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Automatically scan for devices?</source>
        <translation>Выполнить автоматический поиск устройств?</translation>
    </message>
</context>
<context>
    <name>scanning</name>
    <message>
        <source>No units connected</source>
        <translation>Нет подключённых устройств</translation>
    </message>
    <message>
        <source>No of devices found:</source>
        <translation>Найдено устройств:</translation>
    </message>
    <message>
        <source>Scan Progress</source>
        <translation>Ход поиска</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Автопоиск</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Идёт поиск</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while 
scanning for units. To stop scanning click cancel.</source>
        <translation>Примечание: во время поиска устройств 
другие действия недоступны. Для остановки нажмите «Отмена».</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
