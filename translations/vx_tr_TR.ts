<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About Tarvolink</source>
        <translation>Tarvolink hakkında</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Commissioning and service tool for variable-speed drives.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Değişken hızlı sürücüler için devreye alma ve servis aracı.&lt;/p&gt;&lt;p&gt;Qt %2 (LGPL v3) ve QCustomPlot (GPL v3) ile oluşturuldu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>AddFavParam</name>
    <message>
        <source>Favorites</source>
        <translation>Sık kullanılanlar</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>AlertEvent</name>
    <message>
        <source>unit %1</source>
        <translation>ünite %1</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>ünite %1, %2 üzerinde</translation>
    </message>
    <message>
        <source>no answer to a write of %1 after %2 attempts</source>
        <translation>%2 denemeden sonra %1 yazmasına yanıt yok</translation>
    </message>
    <message>
        <source>no answer to a write of %1</source>
        <translation>%1 yazmasına yanıt yok</translation>
    </message>
    <message>
        <source>no answer to a read of %1 after %2 attempts</source>
        <translation>%2 denemeden sonra %1 okumasına yanıt yok</translation>
    </message>
    <message>
        <source>no answer to a read of %1</source>
        <translation>%1 okumasına yanıt yok</translation>
    </message>
    <message>
        <source>write of %1 failed after %2 attempts: %3</source>
        <translation>%1 yazması %2 denemeden sonra başarısız: %3</translation>
    </message>
    <message>
        <source>write of %1 failed: %2</source>
        <translation>%1 yazması başarısız: %2</translation>
    </message>
    <message>
        <source>read of %1 failed after %2 attempts: %3</source>
        <translation>%1 okuması %2 denemeden sonra başarısız: %3</translation>
    </message>
    <message>
        <source>read of %1 failed: %2</source>
        <translation>%1 okuması başarısız: %2</translation>
    </message>
    <message>
        <source>the unit refused a write of %1: %2</source>
        <translation>ünite %1 yazmasını reddetti: %2</translation>
    </message>
    <message>
        <source>the unit refused a read of %1: %2</source>
        <translation>ünite %1 okumasını reddetti: %2</translation>
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
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Auto Scan Settings</source>
        <translation>Otomatik tarama ayarları</translation>
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
        <translation>Portlar</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baud hızı</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Eşlik</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Üniteler</translation>
    </message>
    <message>
        <source>Start IP:</source>
        <translation>Başlangıç IP:</translation>
    </message>
    <message>
        <source>End IP:</source>
        <translation>Bitiş IP:</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Taramayı başlat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Diğer port</translation>
    </message>
</context>
<context>
    <name>CommSettings</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>İletişim ayarları</translation>
    </message>
    <message>
        <source>Continue despite communication fault</source>
        <translation>İletişim hatasına rağmen devam et</translation>
    </message>
    <message>
        <source>Delay between messages  (ms) :</source>
        <translation>Mesajlar arası gecikme  (ms) :</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>Number of retries</source>
        <translation>Yeniden deneme sayısı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Delay should be at least 35 ms.</source>
        <translation>Gecikme en az 35 ms olmalıdır.</translation>
    </message>
</context>
<context>
    <name>CompPrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Yazdırma seçeneği</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>PDF olarak kaydet</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>CompareParameters</name>
    <message>
        <source>Mode</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ünite</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametre</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Şununla karşılaştır</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Yalnızca %1 içinde</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Dosyalar aynı</translation>
    </message>
    <message>
        <source>The parameters both sides have are identical</source>
        <translation>Her iki tarafta bulunan parametreler aynı</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Select Unit</source>
        <translation>Ünite seç</translation>
    </message>
    <message>
        <source>Compare Parameters</source>
        <translation>Parametreleri karşılaştır</translation>
    </message>
    <message>
        <source>Add Units to Compare</source>
        <translation>Karşılaştırılacak üniteleri ekle</translation>
    </message>
    <message>
        <source>Select Parameters to compare</source>
        <translation>Karşılaştırılacak parametreleri seçin</translation>
    </message>
    <message>
        <source>Select Parameters to be compared with</source>
        <translation>Karşılaştırma yapılacak parametreleri seçin</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>%1 (file)</source>
        <translation>%1 (dosya)</translation>
    </message>
</context>
<context>
    <name>Connect</name>
    <message>
        <source>RS232 Unit Details</source>
        <translation>RS232 ünite bilgileri</translation>
    </message>
    <message>
        <source>RS485 Unit Details</source>
        <translation>RS485 ünite bilgileri</translation>
    </message>
    <message>
        <source>TCP/IP Unit Details</source>
        <translation>TCP/IP ünite bilgileri</translation>
    </message>
    <message>
        <source>File Unit Details</source>
        <translation>Dosya kümesi bilgileri</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bağlantıyı kes</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ünite</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baud hızı</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Eşlik</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Drive SW Version</source>
        <translation>Sürücü yazılım sürümü</translation>
    </message>
    <message>
        <source>CSV Version Used</source>
        <translation>Kullanılan CSV sürümü</translation>
    </message>
    <message>
        <source>IP Addr</source>
        <translation>IP adr.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>Veri dosyası</translation>
    </message>
</context>
<context>
    <name>ControlBox</name>
    <message>
        <source>Control Source</source>
        <translation>Kontrol kaynağı</translation>
    </message>
    <message>
        <source>Select Run/Stop Source</source>
        <translation>Çalıştır/Durdur kaynağını seçin</translation>
    </message>
    <message>
        <source>Select Reference Source</source>
        <translation>Referans kaynağını seçin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klavye</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Uzaktan</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opsiyon</translation>
    </message>
</context>
<context>
    <name>CtrlPanelController</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Range is 0 to 100</source>
        <translation>Aralık 0 ile 100 arasıdır</translation>
    </message>
</context>
<context>
    <name>CtrlPanelFrame</name>
    <message>
        <source>No Unit</source>
        <translation>Ünite yok</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Kontrol paneli</translation>
    </message>
    <message>
        <source>Ref value</source>
        <translation>Ref. değeri</translation>
    </message>
    <message>
        <source>Ref source</source>
        <translation>Ref. kaynağı</translation>
    </message>
    <message>
        <source>Run/Stop source</source>
        <translation>Çalıştır/Durdur kaynağı</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Uzaktan</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klavye</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opsiyon</translation>
    </message>
</context>
<context>
    <name>CurrentUnitPresenter</name>
    <message>
        <source>Connecting to %1...</source>
        <translation>%1 ile bağlantı kuruluyor...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Osiloskop kaydı sürüyor.
Lütfen kaydı durdurun</translation>
    </message>
</context>
<context>
    <name>CustomerDataDialog</name>
    <message>
        <source>Customer Data</source>
        <translation>Müşteri bilgileri</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Firma adı</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Cadde 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Cadde 2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Şehir</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Ülke</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>İlgili kişi</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proje</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Uygulama</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Devreye alan</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seri numarası</translation>
    </message>
</context>
<context>
    <name>EditFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Sık kullanılanlar</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Set seçin</translation>
    </message>
    <message>
        <source>Set Name</source>
        <translation>Set adı</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden adlandır</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ünite</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametreler</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Otomatik
ölçek</translation>
    </message>
    <message>
        <source>Param
Name</source>
        <translation>Param.
adı</translation>
    </message>
    <message>
        <source>Curr
Val</source>
        <translation>Güncel
değ.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Parametre zaten var</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>File Export</source>
        <translation>Dosya dışa aktarma</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ünite</translation>
    </message>
</context>
<context>
    <name>FtpWindow</name>
    <message>
        <source>Ftp &amp;server:</source>
        <translation>FTP &amp;sunucusu:</translation>
    </message>
    <message>
        <source>ftp://&lt;UserName&gt;:&lt;Password&gt;@&lt;Hostname&gt;</source>
        <translation>ftp://&lt;KullanıcıAdı&gt;:&lt;Parola&gt;@&lt;Sunucu&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Sahip</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bağlantıyı kes</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Üst dizine git</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Download All New</source>
        <translation>Tüm yenileri indir</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>FTP Link file is not found</source>
        <translation>FTP bağlantı dosyası bulunamadı</translation>
    </message>
    <message>
        <source>The FTP URL is not valid</source>
        <translation>FTP adresi geçersiz</translation>
    </message>
    <message>
        <source>Connecting to FTP server %1...</source>
        <translation>%1 FTP sunucusuna bağlanılıyor...</translation>
    </message>
    <message>
        <source>The FTP server at %1 shows a certificate that no trusted authority has signed. The connection was refused.</source>
        <translation>%1 adresindeki FTP sunucusu güvenilir bir makam tarafından imzalanmamış bir sertifika gösteriyor. Bağlantı reddedildi.</translation>
    </message>
    <message>
        <source>The FTP server at %1 did not set up a protected (TLS) connection. The connection was refused.</source>
        <translation>%1 adresindeki FTP sunucusu korumalı (TLS) bağlantı kurmadı. Bağlantı reddedildi.</translation>
    </message>
    <message>
        <source>Unable to connect to the FTP server at %1. Please check that the host name is correct.</source>
        <translation>%1 adresindeki FTP sunucusuna bağlanılamıyor. Sunucu adının doğru olduğunu kontrol edin.</translation>
    </message>
    <message>
        <source>Unable to list the directory: %1</source>
        <translation>Dizin listelenemiyor: %1</translation>
    </message>
    <message>
        <source>Logged onto %1.</source>
        <translation>%1 oturumu açıldı.</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;boş&gt;</translation>
    </message>
    <message>
        <source>Select only CSV file to download.</source>
        <translation>İndirmek için yalnızca CSV dosyası seçin.</translation>
    </message>
    <message>
        <source>The server lists the name %1, which is not a plain file name. Nothing was written.</source>
        <translation>Sunucu, düz bir dosya adı olmayan %1 adını listeliyor. Hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>File already downloaded, do you want to overwrite?</source>
        <translation>Dosya zaten indirildi, üzerine yazılsın mı?</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 indiriliyor...</translation>
    </message>
    <message>
        <source>Downloaded %1 to current directory.</source>
        <translation>%1 geçerli dizine indirildi.</translation>
    </message>
    <message>
        <source>File Downloaded Successfully</source>
        <translation>Dosya başarıyla indirildi</translation>
    </message>
    <message>
        <source>Download Failed %1 to current directory.</source>
        <translation>%1 geçerli dizine indirilemedi.</translation>
    </message>
    <message>
        <source>File Size mismatched</source>
        <translation>Dosya boyutu uyuşmuyor</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>%1 indirmesi iptal edildi.</translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>%1 dosyası kaydedilemiyor: %2.</translation>
    </message>
    <message>
        <source>File Download Error:</source>
        <translation>Dosya indirme hatası:</translation>
    </message>
    <message>
        <source>The server lists names that are not plain file names. Nothing was written for them:
%1</source>
        <translation>Sunucu düz dosya adı olmayan adlar listeliyor. Bunlar için hiçbir şey yazılmadı:
%1</translation>
    </message>
    <message>
        <source>Error in downloading new files. Please download again.</source>
        <translation>Yeni dosyalar indirilirken hata oluştu. Lütfen tekrar indirin.</translation>
    </message>
    <message>
        <source>Operation is successful. All files are updated and no file is downloaded.</source>
        <translation>İşlem başarılı. Tüm dosyalar güncel, hiçbir dosya indirilmedi.</translation>
    </message>
    <message>
        <source>Operation is successful. The total number of files downloaded is %1.</source>
        <translation>İşlem başarılı. İndirilen toplam dosya sayısı: %1.</translation>
    </message>
</context>
<context>
    <name>HeaderLine</name>
    <message>
        <source>Select a Language</source>
        <translation>Dil seçin</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Logged on as:</source>
        <translation>Oturum açan:</translation>
    </message>
    <message>
        <source>Alert(s)/Notification(s):</source>
        <translation>Alarm(lar)/bildirim(ler):</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>oscilloscope block %1</source>
        <translation>osiloskop bloğu %1</translation>
    </message>
    <message>
        <source>%1, set %2</source>
        <translation>%1, set %2</translation>
    </message>
    <message>
        <source>%1 (%2 registers)</source>
        <translation>%1 (%2 register)</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>parametreler</translation>
    </message>
    <message>
        <source>device code</source>
        <translation>cihaz kodu</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>yazılım sürümü</translation>
    </message>
    <message>
        <source>drive size</source>
        <translation>sürücü boyutu</translation>
    </message>
    <message>
        <source>status</source>
        <translation>durum</translation>
    </message>
    <message>
        <source>trip log</source>
        <translation>arıza kaydı</translation>
    </message>
    <message>
        <source>control panel</source>
        <translation>kontrol paneli</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <translation>osiloskop</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>tarama</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>istisna %1</translation>
    </message>
    <message>
        <source>link error %1</source>
        <translation>bağlantı hatası %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>tamam</translation>
    </message>
    <message>
        <source>exception</source>
        <translation>istisna</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>zaman aşımı</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>hatalı CRC</translation>
    </message>
    <message>
        <source>wrong unit</source>
        <translation>yanlış ünite</translation>
    </message>
    <message>
        <source>wrong function</source>
        <translation>yanlış fonksiyon</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>yanlış uzunluk</translation>
    </message>
    <message>
        <source>wrong transaction</source>
        <translation>yanlış işlem</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>bağlantı reddedildi</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>bağlantı koptu</translation>
    </message>
    <message>
        <source>link error</source>
        <translation>bağlantı hatası</translation>
    </message>
</context>
<context>
    <name>LinkMonitorModel</name>
    <message>
        <source>Time</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ünite</translation>
    </message>
    <message>
        <source>Asked for</source>
        <translation>İstenen</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonksiyon</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Adet</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Değerler</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation>Deneme</translation>
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
        <translation>Bağlantı İzleyici</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Tüm üniteler</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Tüm istekler</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>tanımlama</translation>
    </message>
    <message>
        <source>Failures and resends only</source>
        <translation>Yalnızca hatalar ve yeniden gönderimler</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Keeps recording but stops following the newest exchange</source>
        <translation>Kayda devam eder ama en yeni alışverişi izlemeyi bırakır</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>CSV olarak kaydet...</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>İstatistikleri sıfırla</translation>
    </message>
    <message>
        <source>%1 exchanges shown, %2 kept, %3 dropped as the oldest</source>
        <translation>%1 alışveriş gösteriliyor, %2 tutuluyor, en eski %3 atıldı</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Alışverişler</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Hatalar</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Yeniden gönderimler</translation>
    </message>
    <message>
        <source>Response min / mean / 95 % / max</source>
        <translation>Yanıt min / ort. / yüzde 95 / maks</translation>
    </message>
    <message>
        <source>Last failure</source>
        <translation>Son hata</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV olarak kaydet</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>The exchanges could not be saved: %1</source>
        <translation>Alışverişler kaydedilemedi: %1</translation>
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
        <translation>Servis</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
</context>
<context>
    <name>OscPlotArea</name>
    <message>
        <source>Set Marker 1 Here</source>
        <translation>İşaretçi 1&apos;i buraya koy</translation>
    </message>
    <message>
        <source>Set Marker 2 Here</source>
        <translation>İşaretçi 2&apos;yi buraya koy</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>İşaretçileri temizle</translation>
    </message>
    <message>
        <source>Save plot as PNG...</source>
        <translation>Grafiği PNG olarak kaydet...</translation>
    </message>
    <message>
        <source>Save plot as PDF...</source>
        <translation>Grafiği PDF olarak kaydet...</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Grafiği kaydet</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Geçersiz dosya yolu</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Tümünü göster</translation>
    </message>
    <message>
        <source>Automatic Value Range</source>
        <translation>Otomatik değer aralığı</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Zaman (s)</translation>
    </message>
</context>
<context>
    <name>OscPrintGui</name>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tablo</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Yazıcı</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>OsciSettings</name>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Arka plan rengi</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>Changes plot area color to white</source>
        <translation>Çizim alanının rengini beyaz yapar</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Changes plot area color to black</source>
        <translation>Çizim alanının rengini siyah yapar</translation>
    </message>
    <message>
        <source>Colorbar for setting plot color to 
different shades between black and white</source>
        <translation>Çizim alanını siyah ile beyaz arasındaki 
tonlara ayarlamak için renk çubuğu</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Çizgi kalınlığı</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>İnce</translation>
    </message>
    <message>
        <source>Changes the width of graph to thin</source>
        <translation>Eğrilerin kalınlığını ince yapar</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Kalın</translation>
    </message>
    <message>
        <source>Changes the width of graph to fat</source>
        <translation>Eğrilerin kalınlığını kalın yapar</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Izgara</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>keeps the grid for plot areas</source>
        <translation>çizim alanlarında ızgarayı gösterir</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>removes the grid for plot areas</source>
        <translation>çizim alanlarından ızgarayı kaldırır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>OscilloscopeWidget</name>
    <message>
        <source>Select Color</source>
        <translation>Renk seçin</translation>
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
        <translation>Dosyadaki üniteler</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Sık kullanılanlar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Prints table/graph</source>
        <translation>Tabloyu/grafiği yazdırır</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Yorum</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>display only analog signals</source>
        <translation>yalnızca analog sinyalleri göster</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Dijital</translation>
    </message>
    <message>
        <source>display only digital signals</source>
        <translation>yalnızca dijital sinyalleri göster</translation>
    </message>
    <message>
        <source>Analog-Digital</source>
        <translation>Analog-dijital</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Back 2</source>
        <translation>Geri 2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Forward 2</source>
        <translation>İleri 2</translation>
    </message>
    <message>
        <source>Set Sampling Time</source>
        <translation>Örnekleme süresini ayarla</translation>
    </message>
    <message>
        <source>Data from unit will be retrieved at this interval.</source>
        <translation>Üniteden veriler bu aralıkla okunur.</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Tetikleme</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Otomatik
ölçek</translation>
    </message>
    <message>
        <source>Param Name</source>
        <translation>Parametre adı</translation>
    </message>
    <message>
        <source>Curr
Value</source>
        <translation>Güncel
değer</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ünite</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>En az</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>En çok</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Stops the recording and displaying the graphs</source>
        <translation>Kaydı ve eğrilerin gösterimini durdurur</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Starts the recording and displaying the selected graphs</source>
        <translation>Kaydı ve seçili eğrilerin gösterimini başlatır</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Resumes the displaying of selected graphs</source>
        <translation>Seçili eğrilerin gösterimini sürdürür</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Pauses the displaying of selected graphs 
while recording continues in background</source>
        <translation>Kayıt arka planda sürerken seçili eğrilerin 
gösterimini duraklatır</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Yanıt süresi</translation>
    </message>
    <message>
        <source>Slowest Device</source>
        <translation>En yavaş cihaz</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>No unit is connected to record from</source>
        <translation>Kayıt yapılacak bağlı ünite yok</translation>
    </message>
    <message>
        <source>Trigger in Progress- Do you want to Stop?</source>
        <translation>Tetikleme sürüyor - Durdurmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to save rec file?</source>
        <translation>Kayıt dosyasını kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Geçersiz dosya yolu</translation>
    </message>
    <message>
        <source>Open rec file</source>
        <translation>Kayıt dosyasını aç</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Osiloskop kaydı sürüyor.
Lütfen kaydı durdurun</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Yapılandırıldı</translation>
    </message>
    <message>
        <source>Not Active</source>
        <translation>Etkin değil</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Bekleniyor...</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>Çalışıyor...</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Parametre zaten var</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Favourite list is empty</source>
        <translation>Sık kullanılanlar listesi boş</translation>
    </message>
    <message>
        <source>Save pdf file</source>
        <translation>PDF dosyasını kaydet</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Veri yok</translation>
    </message>
    <message>
        <source>The recording is kept in %1</source>
        <translation>Kayıt %1 içinde saklanıyor</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Tümünü göster</translation>
    </message>
    <message>
        <source>Shows the whole recording (key F over the plots)</source>
        <translation>Tüm kaydı gösterir (grafikler üzerinde F tuşu)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Otomatik Y</translation>
    </message>
    <message>
        <source>Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the mouse wheel zoom the values)</source>
        <translation>Analog grafiğe otomatik değer aralığını geri verir (grafikler üzerinde A tuşu; Ctrl ve fare tekerleği değerleri yakınlaştırır)</translation>
    </message>
    <message>
        <source>(armed at the next Start)</source>
        <translation>(bir sonraki &quot;Başlat&quot; ile etkin)</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Grafik %1 konumuna kaydedildi</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV olarak kaydet</translation>
    </message>
    <message>
        <source>Saves the shown recording as plain CSV, one column per signal</source>
        <translation>Gösterilen kaydı düz CSV olarak kaydeder, her sinyal için bir sütun</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Kayıt: %1</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>Aralık yüzdesi (%)</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Kaydı kaydet</translation>
    </message>
    <message>
        <source>Recording saved to %1</source>
        <translation>Kayıt %1 konumuna kaydedildi</translation>
    </message>
    <message>
        <source>There is no recording to save</source>
        <translation>Kaydedilecek kayıt yok</translation>
    </message>
    <message>
        <source>CSV saved to %1</source>
        <translation>CSV %1 konumuna kaydedildi</translation>
    </message>
    <message>
        <source>PDF saved to %1</source>
        <translation>PDF %1 konumuna kaydedildi</translation>
    </message>
</context>
<context>
    <name>ParamTransfer</name>
    <message>
        <source>Parameters Loading To Drive</source>
        <translation>Parametreler sürücüye yükleniyor</translation>
    </message>
    <message>
        <source>Parameters Loading from Drive</source>
        <translation>Parametreler sürücüden yükleniyor</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while the parameters 
   are &quot;Load From Drive&quot; or &quot;Load To Drive&quot; in the parameter window.
   To cancel operation click cancel.</source>
        <translation>Not: Parametre penceresinde &quot;Sürücüden yükle&quot; veya 
   &quot;Sürücüye yükle&quot; sürerken başka işlem yapılamaz.
   İptal etmek için İptal&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n parameter(s) to %1</source>
        <translation>
            <numerusform>%1 hedefine %n parametre yazıldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n parameter(s) from %1</source>
        <translation>
            <numerusform>%1 kaynağından %n parametre okundu</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to %1 cancelled after %2 of %3 parameters</source>
        <translation>%1 hedefine yazma, %3 parametreden %2 tanesinden sonra iptal edildi</translation>
    </message>
    <message>
        <source>Read from %1 cancelled after %2 of %3 parameters</source>
        <translation>%1 kaynağından okuma, %3 parametreden %2 tanesinden sonra iptal edildi</translation>
    </message>
    <message>
        <source>Write to %1 ended: the unit was removed</source>
        <translation>%1 hedefine yazma sona erdi: ünite kaldırıldı</translation>
    </message>
    <message>
        <source>Read from %1 ended: the unit was removed</source>
        <translation>%1 kaynağından okuma sona erdi: ünite kaldırıldı</translation>
    </message>
    <message>
        <source>Write to %1 failed after %2 of %3 parameters</source>
        <translation>%1 hedefine yazma, %3 parametreden %2 tanesinden sonra başarısız oldu</translation>
    </message>
    <message>
        <source>Read from %1 failed after %2 of %3 parameters</source>
        <translation>%1 kaynağından okuma, %3 parametreden %2 tanesinden sonra başarısız oldu</translation>
    </message>
    <message>
        <source>; %1 parameters without a value were skipped</source>
        <translation>; değeri olmayan %1 parametre atlandı</translation>
    </message>
</context>
<context>
    <name>ParameterActions</name>
    <message>
        <source>Sent %1 (set %2) to %3</source>
        <translation>%1 (set %2) %3 ünitesine gönderildi</translation>
    </message>
    <message>
        <source>Sending %1 (set %2) to %3 failed</source>
        <translation>%1 (set %2) %3 ünitesine gönderilemedi</translation>
    </message>
    <message>
        <source>%1: Device not connected</source>
        <translation>%1: Cihaz bağlı değil</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Cihaz bağlı değil</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>These parameter sets have changes that are not saved:
%1

Do you want to save them?</source>
        <translation>Bu parametre setlerinde kaydedilmemiş değişiklikler var:
%1

Kaydetmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>ParameterPrint</name>
    <message>
        <source>Save pdf file</source>
        <translation>PDF dosyasını kaydet</translation>
    </message>
    <message>
        <source>(*.pdf)</source>
        <translation>(*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>PDF dosyası yazılamadı:
%1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Yazıcıya gönderildi</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 kaydedildi</translation>
    </message>
</context>
<context>
    <name>ParameterToolBar</name>
    <message>
        <source>Collapse All</source>
        <translation>Tümünü daralt</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Tümünü genişlet</translation>
    </message>
    <message>
        <source>Collapses All Parameters</source>
        <translation>Tüm parametreleri daraltır</translation>
    </message>
    <message>
        <source>Expands All Parameters</source>
        <translation>Tüm parametreleri genişletir</translation>
    </message>
    <message>
        <source>No Unit</source>
        <translation>Ünite yok</translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Sürücüden yükle</translation>
    </message>
    <message>
        <source>Imports data from 
controlcard to application</source>
        <translation>Verileri kontrol 
kartından uygulamaya aktarır</translation>
    </message>
    <message>
        <source>Load to Drive</source>
        <translation>Sürücüye yükle</translation>
    </message>
    <message>
        <source>Exports data from 
application to controlcard</source>
        <translation>Verileri uygulamadan 
kontrol kartına aktarır</translation>
    </message>
    <message>
        <source>Opens new csv file</source>
        <translation>Yeni csv dosyası açar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Opens already saved .dat files</source>
        <translation>Kaydedilmiş .dat dosyalarını açar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Saves the file in .dat format</source>
        <translation>Dosyayı .dat biçiminde kaydeder</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Prints the parameter view</source>
        <translation>Parametre görünümünü yazdırır</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>İki dosyayı karşılaştırır</translation>
    </message>
    <message>
        <source>Send changes directly</source>
        <translation>Değişiklikleri hemen gönder</translation>
    </message>
    <message>
        <source>Exports the edited parameters immediately to controlcard if checked</source>
        <translation>İşaretliyse düzenlenen parametreler hemen kontrol kartına aktarılır</translation>
    </message>
    <message>
        <source>Upgrade CSV</source>
        <translation>CSV güncelle</translation>
    </message>
    <message>
        <source>Send directly</source>
        <translation>Doğrudan gönder</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Min</source>
        <translation>En az</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>En çok</translation>
    </message>
    <message>
        <source>Minimum limit of the parameter selected in the view</source>
        <translation>Seçili parametrenin alt sınırı</translation>
    </message>
    <message>
        <source>Maximum limit of the parameter selected in the view</source>
        <translation>Seçili parametrenin üst sınırı</translation>
    </message>
    <message>
        <source>Parameter Help</source>
        <translation>Parametre yardımı</translation>
    </message>
    <message>
        <source>Please refer help manual.</source>
        <translation>Lütfen kullanım kılavuzuna bakın.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>geçersiz CSV dosyası</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Dosya aç</translation>
    </message>
    <message>
        <source>csv File(*.dat)</source>
        <translation>Parametre kümesi (*.dat)</translation>
    </message>
    <message>
        <source>The file could not be opened:
%1</source>
        <translation>Dosya açılamadı:
%1</translation>
    </message>
    <message>
        <source>Save dat file</source>
        <translation>dat dosyasını kaydet</translation>
    </message>
    <message>
        <source>(*.dat)</source>
        <translation>(*.dat)</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1</source>
        <translation>Dosya kaydedilemedi:
%1</translation>
    </message>
    <message>
        <source>oscView Record in Progress.
You can stop recording for faster performance
Do you want to Continue?</source>
        <translation>Osiloskop kaydı sürüyor.
Daha hızlı çalışma için kaydı durdurabilirsiniz
Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>No unit is connected to load the parameters to.</source>
        <translation>Parametrelerin yükleneceği bağlı ünite yok.</translation>
    </message>
    <message>
        <source>Sizes of drives are differ
 Do you want to continue?</source>
        <translation>Sürücü boyutları farklı
 Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Type of drives are differ
 Do you want to continue?</source>
        <translation>Sürücü tipleri farklı
 Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Version of drives are differ
 Do you want to continue?</source>
        <translation>Sürücü sürümleri farklı
 Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Motor is running, some of configuration parameter may not set properly.
Do you want to Continue?</source>
        <translation>Motor çalışıyor, bazı yapılandırma parametreleri doğru ayarlanmayabilir.
Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Copy parameters to Drive</source>
        <translation>Parametreleri sürücüye kopyala</translation>
    </message>
    <message>
        <source>The range is %1 to %2.</source>
        <translation>Aralık %1 ile %2 arasıdır.</translation>
    </message>
    <message>
        <source>%1: that key is not accepted here. %2</source>
        <translation>%1: bu tuş burada kabul edilmiyor. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken. %3</source>
        <translation>%1: &quot;%2&quot; alınmadı. %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value for %2.</source>
        <translation>&quot;%1&quot;, %2 için geçerli bir değer değil.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 açıldı</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 kaydedildi</translation>
    </message>
    <message>
        <source>%1 parameters were not read from the unit. Save anyway?</source>
        <translation>%1 parametre üniteden okunmadı. Yine de kaydedilsin mi?</translation>
    </message>
    <message>
        <source>%1 parameters have no value in this set and will be skipped.</source>
        <translation>%1 parametrenin bu sette değeri yok ve atlanacak.</translation>
    </message>
    <message>
        <source>The file holds %1 of %2 parameters of %3. Write these %1?</source>
        <translation>Dosya, %3 dosyasının %2 parametresinden %1 tanesini içeriyor. Bu %1 parametre yazılsın mı?</translation>
    </message>
    <message>
        <source>%1 %2 is now %3 in set %4</source>
        <translation>%1 %2 artık set %4 içinde %3</translation>
    </message>
    <message>
        <source>%1 parameters of %2 to %3</source>
        <translation>%2 kaynağından %3 hedefine %1 parametre</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; on Automatic scan (scan unit)</source>
        <translation>Otomatik taramada &quot;Sürücüden yükle&quot; (ünite tara)</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; in Manual Add unit, on Connect</source>
        <translation>Elle ünite eklemede, bağlanınca &quot;Sürücüden yükle&quot;</translation>
    </message>
    <message>
        <source>Automatic scan on application startup</source>
        <translation>Uygulama açılışında otomatik tarama</translation>
    </message>
    <message>
        <source>Automatic save Setting on Exit</source>
        <translation>Çıkışta ayarları otomatik kaydet</translation>
    </message>
    <message>
        <source>&quot;Load to Drive&quot; only offline Changed Parameters</source>
        <translation>&quot;Sürücüye yükle&quot; yalnızca çevrimdışı değişen parametreler</translation>
    </message>
    <message>
        <source>Read in blocks</source>
        <translation>Bloklar halinde oku</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>PrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Yazdırma seçeneği</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>PDF olarak kaydet</translation>
    </message>
    <message>
        <source>All Parameters</source>
        <translation>Tüm parametreler</translation>
    </message>
    <message>
        <source>With ReadOnly</source>
        <translation>Salt okunur dahil</translation>
    </message>
    <message>
        <source>Changed Values</source>
        <translation>Değişen değerler</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Company Name</source>
        <translation>Firma adı</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proje</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Uygulama</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Devreye alan</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seri numarası</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Ünite adı</translation>
    </message>
    <message>
        <source>Drive Version</source>
        <translation>Sürücü sürümü</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Parametre metni</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Ünite</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Dosyalar aynı</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parametre</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Şununla karşılaştır</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Yalnızca %1 içinde</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>&amp;Tümüne evet</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Tümüne h&amp;ayır</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Tümünü kaydet</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Varsayılanları geri yükle</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Yok say</translation>
    </message>
</context>
<context>
    <name>RecFileReader</name>
    <message>
        <source>CSV file not found</source>
        <translation>Cihaz tanım dosyası bulunamadı</translation>
    </message>
    <message>
        <source>Invalid Rec file</source>
        <translation>Geçersiz kayıt dosyası</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
</context>
<context>
    <name>RecordingController</name>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
</context>
<context>
    <name>RecordingWriter</name>
    <message>
        <source>Invalid Filepath</source>
        <translation>Geçersiz dosya yolu</translation>
    </message>
    <message>
        <source>Give Filepath</source>
        <translation>Bir dosya yolu girin</translation>
    </message>
</context>
<context>
    <name>RoleChange</name>
    <message>
        <source>Change User Role - Confirmation</source>
        <translation>Kullanıcı rolünü değiştir - onay</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Kullanıcı değiştir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Changing the User role will re-establish the communication with
connected units to support all extra functions. Do you want to
continue?</source>
        <translation>Kullanıcı rolünün değiştirilmesi, tüm ek işlevler için bağlı
ünitelerle iletişimi yeniden kurar. Devam etmek
istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>ScanController</name>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Osiloskop kaydı sürüyor.
Lütfen kaydı durdurun</translation>
    </message>
    <message>
        <source>Scanning will delete all connected units.
 Do you want to proceed?</source>
        <translation>Tarama tüm bağlı üniteleri silecek.
 Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>No unit found on %1.</source>
        <translation>%1 üzerinde birim bulunamadı.</translation>
    </message>
    <message numerus="yes">
        <source>The scan found %n unit(s)</source>
        <translation>
            <numerusform>Tarama %n birim buldu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Parameters read from the %n unit(s) found by the scan</source>
        <translation>
            <numerusform>Taramada bulunan %n birimin parametreleri okundu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanImport</name>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>No. of devices: </source>
        <translation>Cihaz sayısı: </translation>
    </message>
    <message>
        <source>In progress: </source>
        <translation>Sürüyor: </translation>
    </message>
    <message>
        <source>Done: </source>
        <translation>Biten: </translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Sürücüden yükle</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Lütfen bekleyin...</translation>
    </message>
</context>
<context>
    <name>ScanOps</name>
    <message>
        <source>Device Link Established</source>
        <translation>Cihaz bağlantısı kuruldu</translation>
    </message>
    <message>
        <source>No CSV File Found</source>
        <translation>CSV dosyası bulunamadı</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>CSV dosyası bulunamadı</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Geçersiz CSV dosyası</translation>
    </message>
    <message>
        <source>No Connection with Given IP</source>
        <translation>Verilen IP ile bağlantı yok</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Cihaz bağlantısı yok</translation>
    </message>
</context>
<context>
    <name>ScanRules</name>
    <message>
        <source>Please provide valid unit range</source>
        <translation>Lütfen geçerli bir ünite aralığı girin</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS232 interface: Unit range is 1-255</source>
        <translation>RS232 arayüzünde geçersiz ünite numarası: aralık 1-255</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS485 interface: Unit range is 1-255</source>
        <translation>RS485 arayüzünde geçersiz ünite numarası: aralık 1-255</translation>
    </message>
    <message>
        <source>Please provide required information</source>
        <translation>Lütfen gerekli bilgileri girin</translation>
    </message>
    <message>
        <source>Please provide unit range</source>
        <translation>Lütfen ünite aralığı girin</translation>
    </message>
    <message>
        <source>Duplicate configuration in RS232 and RS485</source>
        <translation>RS232 ve RS485&apos;te yinelenen yapılandırma</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Lütfen geçerli bir TCP/IP aralığı girin</translation>
    </message>
</context>
<context>
    <name>SelectCsvDialog</name>
    <message>
        <source>Select Csv File</source>
        <translation>CSV dosyası seç</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>geçersiz CSV dosyası</translation>
    </message>
</context>
<context>
    <name>SetLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>Dili ayarla</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>File not found : general.csv. Program aborted!</source>
        <translation>Dosya bulunamadı: general.csv. Program durduruldu!</translation>
    </message>
</context>
<context>
    <name>TabWidget</name>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Exit</source>
        <translation>Osiloskop kaydı sürüyor. Çıkmadan önce durdurun</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parametreler</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Osiloskop</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Fault Logger</source>
        <translation>Arıza kaydı</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarmlar</translation>
    </message>
    <message>
        <source>Link Information</source>
        <translation>Bağlantı bilgisi</translation>
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
        <translation>Parametre metni</translation>
    </message>
    <message>
        <source> Unit</source>
        <translation> Birim</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
</context>
<context>
    <name>TriggerDialog</name>
    <message>
        <source>Conditional Trigger</source>
        <translation>Koşullu tetikleme</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Seviye tetikleme</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Ünite adı</translation>
    </message>
    <message>
        <source>Group A</source>
        <translation>Grup A</translation>
    </message>
    <message>
        <source>Group B</source>
        <translation>Grup B</translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation>Sinyal adı</translation>
    </message>
    <message>
        <source>Trigger Type</source>
        <translation>Tetikleme türü</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Düşen</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Yükselen</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Her ikisi</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Değer</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Yüksek</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Koşul</translation>
    </message>
    <message>
        <source>Before Time</source>
        <translation>Önceki süre</translation>
    </message>
    <message>
        <source>After Time</source>
        <translation>Sonraki süre</translation>
    </message>
    <message>
        <source>Capture Time</source>
        <translation>Yakalama süresi</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Tek</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Çoklu</translation>
    </message>
    <message>
        <source>Maximum Total File Size</source>
        <translation>En büyük toplam dosya boyutu</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>Maximum Total Duration</source>
        <translation>En uzun toplam süre</translation>
    </message>
    <message>
        <source>Number Of Sample</source>
        <translation>Örnek sayısı</translation>
    </message>
    <message>
        <source>Number Of Samples</source>
        <translation>Örnek sayısı</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Onayla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Enter Valid Value</source>
        <translation>Geçerli bir değer girin</translation>
    </message>
    <message>
        <source>Low Value Should be Less than High Value </source>
        <translation>Düşük değer yüksek değerden küçük olmalıdır </translation>
    </message>
</context>
<context>
    <name>TriggerSettings</name>
    <message>
        <source>Trigger Options</source>
        <translation>Tetikleme seçenekleri</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Seviye tetikleme</translation>
    </message>
    <message>
        <source>Conditional Trigger</source>
        <translation>Koşullu tetikleme</translation>
    </message>
    <message>
        <source>No Trigger</source>
        <translation>Tetikleme yok</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>UnitConnector</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Invalid Unit Number: Unit range is 1-255</source>
        <translation>Geçersiz ünite numarası: aralık 1-255</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Osiloskop kaydı sürüyor.
Lütfen kaydı durdurun</translation>
    </message>
    <message>
        <source>No csv file information</source>
        <translation>csv dosyası bilgisi yok</translation>
    </message>
    <message>
        <source>No channel information</source>
        <translation>Kanal bilgisi yok</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>hata</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Port zaten açık</translation>
    </message>
    <message>
        <source>Port is not Opened</source>
        <translation>Port açılmadı</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>port açık değil</translation>
    </message>
    <message>
        <source>Unit is already activated</source>
        <translation>Ünite zaten etkin</translation>
    </message>
    <message>
        <source>duplicate ip address</source>
        <translation>yinelenen ip adresi</translation>
    </message>
    <message>
        <source>No Connection with given IP</source>
        <translation>Verilen IP ile bağlantı yok</translation>
    </message>
    <message>
        <source>No CSV File</source>
        <translation>CSV dosyası yok</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Geçersiz CSV dosyası</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Cihaz bağlantısı yok</translation>
    </message>
    <message>
        <source>success</source>
        <translation>başarılı</translation>
    </message>
    <message>
        <source>device link established</source>
        <translation>cihaz bağlantısı kuruldu</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>uyarı</translation>
    </message>
    <message>
        <source>register overlap in the CSV file: %1</source>
        <translation>CSV dosyasında çakışan yazmaçlar: %1</translation>
    </message>
    <message>
        <source>Error in CSV file 
 Please provide correct CSV file</source>
        <translation>CSV dosyasında hata 
 Lütfen doğru CSV dosyası sağlayın</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bağlantıyı kes</translation>
    </message>
    <message>
        <source>device link disconnected</source>
        <translation>cihaz bağlantısı kesildi</translation>
    </message>
    <message>
        <source>Config Error</source>
        <translation>Yapılandırma hatası</translation>
    </message>
    <message>
        <source>device link not reconnected</source>
        <translation>cihaz bağlantısı yeniden kurulamadı</translation>
    </message>
    <message>
        <source>device link reconnected</source>
        <translation>cihaz bağlantısı yeniden kuruldu</translation>
    </message>
    <message>
        <source>Device Link is established</source>
        <translation>Cihaz bağlantısı kuruldu</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>CSV dosyası bulunamadı</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Removing</source>
        <translation>Osiloskop kaydı sürüyor. Kaldırmadan önce durdurun</translation>
    </message>
    <message>
        <source>device link removed</source>
        <translation>cihaz bağlantısı kaldırıldı</translation>
    </message>
    <message>
        <source>drive trip: %1</source>
        <translation>sürücü arızası: %1</translation>
    </message>
    <message>
        <source>drive trip cleared: %1</source>
        <translation>sürücü arızası giderildi: %1</translation>
    </message>
    <message>
        <source>unit %1 at %2</source>
        <translation>ünite %1, %2 adresinde</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>ünite %1, %2 üzerinde</translation>
    </message>
    <message>
        <source>Could not connect %1: %2</source>
        <translation>%1 bağlanamadı: %2</translation>
    </message>
    <message>
        <source>Connected %1 (%2)</source>
        <translation>%1 bağlandı (%2)</translation>
    </message>
    <message>
        <source>device answers again</source>
        <translation>cihaz yeniden yanıt veriyor</translation>
    </message>
</context>
<context>
    <name>UnitTreeFrame</name>
    <message>
        <source>Scan Units</source>
        <translation>Üniteleri tara</translation>
    </message>
    <message>
        <source>Scans the units automatically 
 depending on configuration settings</source>
        <translation>Üniteleri yapılandırma ayarlarına 
 göre otomatik tarar</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Ünite ekle</translation>
    </message>
    <message>
        <source>Opens window to provide unit details 
 inorder to establish connection</source>
        <translation>Bağlantı kurmak için ünite bilgilerinin 
 girileceği pencereyi açar</translation>
    </message>
    <message>
        <source>Units on RS232</source>
        <translation>RS232 üniteleri</translation>
    </message>
    <message>
        <source>Units on RS485</source>
        <translation>RS485 üniteleri</translation>
    </message>
    <message>
        <source>Units on TCP/IP</source>
        <translation>TCP/IP üniteleri</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Dosyadaki üniteler</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Sık kullanılanlar</translation>
    </message>
</context>
<context>
    <name>VXMainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>Create a new parameter</source>
        <translation>Yeni parametre kümesi oluştur</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Aç...</translation>
    </message>
    <message>
        <source>Open parameter setting</source>
        <translation>Parametre ayarını aç</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Kaydet...</translation>
    </message>
    <message>
        <source>Save parameter setting</source>
        <translation>Parametre ayarını kaydet</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Ya&amp;zdır...</translation>
    </message>
    <message>
        <source>Print parameter setting</source>
        <translation>Parametre ayarını yazdır</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Karşılaştı&amp;r...</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>İki dosyayı karşılaştırır</translation>
    </message>
    <message>
        <source>&amp;Load from drive</source>
        <translation>&amp;Sürücüden yükle</translation>
    </message>
    <message>
        <source>Load parameter setting from drive</source>
        <translation>Parametre ayarını sürücüden yükle</translation>
    </message>
    <message>
        <source>Load &amp;to drive</source>
        <translation>Sürücüye yük&amp;le</translation>
    </message>
    <message>
        <source>Load parameter setting to drive</source>
        <translation>Parametre ayarını sürücüye yükle</translation>
    </message>
    <message>
        <source>&amp;Dat File Information...</source>
        <translation>&amp;dat dosyası bilgisi...</translation>
    </message>
    <message>
        <source>Customer information of dat file</source>
        <translation>dat dosyasının müşteri bilgileri</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Uygulamadan çık</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Dil...</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Dili değiştir</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Tercihler...</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Tercihleri değiştir</translation>
    </message>
    <message>
        <source>Customer data...</source>
        <translation>Müşteri bilgileri...</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Müşteri bilgileri</translation>
    </message>
    <message>
        <source>Communication...</source>
        <translation>İletişim...</translation>
    </message>
    <message>
        <source>Communication settings</source>
        <translation>İletişim ayarları</translation>
    </message>
    <message>
        <source>About Tarvolink...</source>
        <translation>Tarvolink hakkında...</translation>
    </message>
    <message>
        <source>About Tarvolink</source>
        <translation>Tarvolink hakkında</translation>
    </message>
    <message>
        <source>User guide...</source>
        <translation>Kullanım kılavuzu...</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Kullanım kılavuzu</translation>
    </message>
    <message>
        <source>Tarvolink</source>
        <translation>Tarvolink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>General CSV File Not Found</source>
        <translation>general.csv dosyası bulunamadı</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Password File is missing</source>
        <translation>Parola dosyası eksik</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Geçersiz parola</translation>
    </message>
    <message>
        <source>View for alert(s) / notification(s)</source>
        <translation>Alarm / bildirim görünümü</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Role Change</source>
        <translation>Osiloskop kaydı sürüyor. Rol değiştirmeden önce durdurun</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Do you want to quit the Application?</source>
        <translation>Uygulamadan çıkmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>The user guide was not found:
%1</source>
        <translation>Kullanım kılavuzu bulunamadı:
%1</translation>
    </message>
    <message>
        <source>Opening the user guide...</source>
        <translation>Kullanım kılavuzu açılıyor...</translation>
    </message>
    <message>
        <source>No program to show PDF files was found.
The user guide is here:
%1</source>
        <translation>PDF dosyalarını gösterecek bir program bulunamadı.
Kullanım kılavuzu burada:
%1</translation>
    </message>
    <message>
        <source>Link Monitor...</source>
        <translation>Bağlantı İzleyici...</translation>
    </message>
    <message>
        <source>Every exchange on the bus, with link statistics per unit</source>
        <translation>Veriyolundaki her alışveriş, ünite başına bağlantı istatistikleriyle</translation>
    </message>
    <message>
        <source>An administrator creates it on this computer with the command
%1</source>
        <translation>Bir yönetici bunu bu bilgisayarda şu komutla oluşturur:
%1</translation>
    </message>
</context>
<context>
    <name>VxCommManageSerialPort</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 başka bir program tarafından kullanılıyor.</translation>
    </message>
    <message>
        <source>You have no access to %1. Add your user to the group that owns it (dialout) and log in again.</source>
        <translation>%1 için erişim izniniz yok. Kullanıcınızı sahibi olan gruba (dialout) ekleyin ve yeniden oturum açın.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the adapter plugged in?</source>
        <translation>%1 yok: adaptör takılı mı?</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>seri numarası %1</translation>
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
        <translation>%1 adaptörü çıkarıldı veya değiştirildi; geri takıldığında üniteleri kendiliğinden yeniden bağlanır.</translation>
    </message>
</context>
<context>
    <name>VxCommModbusMaster</name>
    <message>
        <source>communication failure</source>
        <translation>iletişim hatası</translation>
    </message>
    <message>
        <source>no server connection</source>
        <translation>sunucu bağlantısı yok</translation>
    </message>
    <message>
        <source>communication failure timeout</source>
        <translation>iletişim hatası: zaman aşımı</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>yazma hatası</translation>
    </message>
    <message>
        <source>communication error in receive data</source>
        <translation>alınan verilerde iletişim hatası</translation>
    </message>
    <message>
        <source>invalid transaction id</source>
        <translation>geçersiz işlem kimliği</translation>
    </message>
    <message>
        <source>no data within timeout</source>
        <translation>zaman aşımı içinde veri yok</translation>
    </message>
    <message>
        <source>invalid unit id</source>
        <translation>geçersiz ünite kimliği</translation>
    </message>
    <message>
        <source>invalid function code</source>
        <translation>geçersiz fonksiyon kodu</translation>
    </message>
    <message>
        <source>no communication interface</source>
        <translation>iletişim arayüzü yok</translation>
    </message>
    <message>
        <source>invalid function type</source>
        <translation>geçersiz fonksiyon tipi</translation>
    </message>
    <message>
        <source>communication timeout error</source>
        <translation>iletişim zaman aşımı hatası</translation>
    </message>
    <message>
        <source>crc error</source>
        <translation>crc hatası</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>port açık değil</translation>
    </message>
    <message>
        <source>port already open</source>
        <translation>port zaten açık</translation>
    </message>
    <message>
        <source>warning message received</source>
        <translation>uyarı mesajı alındı</translation>
    </message>
    <message>
        <source>invalid received message length</source>
        <translation>geçersiz alınan mesaj uzunluğu</translation>
    </message>
    <message>
        <source>device has disconnected</source>
        <translation>cihazın bağlantısı kesildi</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>bilinmeyen hata</translation>
    </message>
</context>
<context>
    <name>WorkerOps</name>
    <message>
        <source>catchForwardButtonSignal:Write Error </source>
        <translation>İleri çalıştırma: yazma hatası</translation>
    </message>
    <message>
        <source>catchBackButtonSignal:Write Error </source>
        <translation>Geri çalıştırma: yazma hatası</translation>
    </message>
    <message>
        <source>catchStopButtonSignal:Write Error </source>
        <translation>Durdurma: yazma hatası</translation>
    </message>
    <message>
        <source>catchReferenceSourceSignal:Write Error </source>
        <translation>Referans kaynağı: yazma hatası</translation>
    </message>
    <message>
        <source>catchRunStopSourceSignal:Write Error </source>
        <translation>Çalıştırma/durdurma kaynağı: yazma hatası</translation>
    </message>
    <message>
        <source>catchRefValueSignal:Write Error</source>
        <translation>Referans değeri: yazma hatası</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Cihaz bağlı değil</translation>
    </message>
    <message>
        <source> Comm Error</source>
        <translation>İletişim hatası</translation>
    </message>
    <message>
        <source>Comm Error
 refer log details</source>
        <translation>İletişim hatası
 ayrıntılar için günlüğe bakın</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Bağlantı kesildi</translation>
    </message>
    <message>
        <source>OprStatusUpdate:Write Error</source>
        <translation>Durum güncelleme: yazma hatası</translation>
    </message>
    <message>
        <source>TriplogUpdate:Write Error</source>
        <translation>Arıza günlüğü güncelleme: yazma hatası</translation>
    </message>
</context>
<context>
    <name>addunit</name>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Lütfen geçerli bir TCP/IP aralığı girin</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Please provide required configuration details</source>
        <translation>Lütfen gerekli yapılandırma bilgilerini girin</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Dosya aç</translation>
    </message>
    <message>
        <source>csv File(*.csv)</source>
        <translation>Cihaz tanım dosyası (*.csv)</translation>
    </message>
    <message>
        <source>Add Units</source>
        <translation>Ünite ekle</translation>
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
        <translation>Ünite</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baud hızı</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Eşlik</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP adresi</translation>
    </message>
    <message>
        <source>Data File Selection</source>
        <translation>Veri dosyası seçimi</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Elle</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Gözat</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>alarms</name>
    <message>
        <source>Current Alerts</source>
        <translation>Güncel alarmlar</translation>
    </message>
    <message>
        <source>Alert History</source>
        <translation>Alarm geçmişi</translation>
    </message>
    <message>
        <source>First: %1
Last: %2</source>
        <translation>İlk: %1
Son: %2</translation>
    </message>
    <message>
        <source>Save Alerts</source>
        <translation>Alarmları kaydet</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Metin dosyaları (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>The alerts could not be saved to
%1:
%2</source>
        <translation>Alarmlar kaydedilemedi:
%1:
%2</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Son zaman</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Sayı</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Empty the list; the log file keeps every alert</source>
        <translation>Listeyi boşalt; günlük dosyası her alarmı saklar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Copy the selected alerts, or all of them, as text</source>
        <translation>Seçili alarmları, ya da tümünü, metin olarak kopyala</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Kaydet...</translation>
    </message>
</context>
<context>
    <name>scanDialog</name>
    <message>
        <source>Scan for devices</source>
        <translation>Cihazları tara</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Automatically scan for devices?</source>
        <translation>Cihazlar otomatik taransın mı?</translation>
    </message>
</context>
<context>
    <name>scanning</name>
    <message>
        <source>No units connected</source>
        <translation>Bağlı ünite yok</translation>
    </message>
    <message>
        <source>No of devices found:</source>
        <translation>Bulunan cihaz sayısı:</translation>
    </message>
    <message>
        <source>Scan Progress</source>
        <translation>Tarama ilerlemesi</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Otomatik tarama</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Taranıyor</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while 
scanning for units. To stop scanning click cancel.</source>
        <translation>Not: Ünite taraması sırasında 
başka işlem yapılamaz. Durdurmak için İptal&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
</TS>
