<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutScreen</name>
    <message>
        <source>About Tarvolink</source>
        <translation>À propos de Tarvolink</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Commissioning and service tool for variable-speed drives.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tarvolink %1&lt;/h3&gt;&lt;p&gt;Outil de mise en service et de maintenance pour variateurs de vitesse.&lt;/p&gt;&lt;p&gt;Réalisé avec Qt %2 (LGPL v3) et QCustomPlot (GPL v3).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>AddFavParam</name>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AlertEvent</name>
    <message>
        <source>unit %1</source>
        <translation>appareil %1</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>appareil %1 sur %2</translation>
    </message>
    <message>
        <source>no answer to a write of %1 after %2 attempts</source>
        <translation>pas de réponse à l&apos;écriture de %1 après %2 tentatives</translation>
    </message>
    <message>
        <source>no answer to a write of %1</source>
        <translation>pas de réponse à l&apos;écriture de %1</translation>
    </message>
    <message>
        <source>no answer to a read of %1 after %2 attempts</source>
        <translation>pas de réponse à la lecture de %1 après %2 tentatives</translation>
    </message>
    <message>
        <source>no answer to a read of %1</source>
        <translation>pas de réponse à la lecture de %1</translation>
    </message>
    <message>
        <source>write of %1 failed after %2 attempts: %3</source>
        <translation>échec de l&apos;écriture de %1 après %2 tentatives : %3</translation>
    </message>
    <message>
        <source>write of %1 failed: %2</source>
        <translation>échec de l&apos;écriture de %1 : %2</translation>
    </message>
    <message>
        <source>read of %1 failed after %2 attempts: %3</source>
        <translation>échec de la lecture de %1 après %2 tentatives : %3</translation>
    </message>
    <message>
        <source>read of %1 failed: %2</source>
        <translation>échec de la lecture de %1 : %2</translation>
    </message>
    <message>
        <source>the unit refused a write of %1: %2</source>
        <translation>l&apos;appareil a refusé l&apos;écriture de %1 : %2</translation>
    </message>
    <message>
        <source>the unit refused a read of %1: %2</source>
        <translation>l&apos;appareil a refusé la lecture de %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
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
        <translation>Paramètres de la recherche automatique</translation>
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
        <translation>Ports</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Débit (bauds)</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Start IP:</source>
        <translation>IP de début :</translation>
    </message>
    <message>
        <source>End IP:</source>
        <translation>IP de fin :</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Lancer la recherche</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Other port</source>
        <translation>Autre port</translation>
    </message>
</context>
<context>
    <name>CommSettings</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Paramètres de communication</translation>
    </message>
    <message>
        <source>Continue despite communication fault</source>
        <translation>Continuer malgré un défaut de communication</translation>
    </message>
    <message>
        <source>Delay between messages  (ms) :</source>
        <translation>Délai entre messages  (ms) :</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Number of retries</source>
        <translation>Nombre de répétitions</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delay should be at least 35 ms.</source>
        <translation>Le délai doit être d&apos;au moins 35 ms.</translation>
    </message>
</context>
<context>
    <name>CompPrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Option d&apos;impression</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CompareParameters</name>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Uniquement dans %1</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Les fichiers sont identiques</translation>
    </message>
    <message>
        <source>The parameters both sides have are identical</source>
        <translation>Les paramètres présents des deux côtés sont identiques</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Select Unit</source>
        <translation>Choisir l&apos;appareil</translation>
    </message>
    <message>
        <source>Compare Parameters</source>
        <translation>Comparer les paramètres</translation>
    </message>
    <message>
        <source>Add Units to Compare</source>
        <translation>Ajouter des appareils à comparer</translation>
    </message>
    <message>
        <source>Select Parameters to compare</source>
        <translation>Choisir les paramètres à comparer</translation>
    </message>
    <message>
        <source>Select Parameters to be compared with</source>
        <translation>Choisir les paramètres de comparaison</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 (file)</source>
        <translation>%1 (fichier)</translation>
    </message>
</context>
<context>
    <name>Connect</name>
    <message>
        <source>RS232 Unit Details</source>
        <translation>Détails de l&apos;appareil RS232</translation>
    </message>
    <message>
        <source>RS485 Unit Details</source>
        <translation>Détails de l&apos;appareil RS485</translation>
    </message>
    <message>
        <source>TCP/IP Unit Details</source>
        <translation>Détails de l&apos;appareil TCP/IP</translation>
    </message>
    <message>
        <source>File Unit Details</source>
        <translation>Détails du jeu de fichier</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Débit (bauds)</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Drive SW Version</source>
        <translation>Version logicielle du variateur</translation>
    </message>
    <message>
        <source>CSV Version Used</source>
        <translation>Version CSV utilisée</translation>
    </message>
    <message>
        <source>IP Addr</source>
        <translation>Adr. IP</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>Fichier de données</translation>
    </message>
</context>
<context>
    <name>ControlBox</name>
    <message>
        <source>Control Source</source>
        <translation>Source de commande</translation>
    </message>
    <message>
        <source>Select Run/Stop Source</source>
        <translation>Choisir la source marche/arrêt</translation>
    </message>
    <message>
        <source>Select Reference Source</source>
        <translation>Choisir la source de consigne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>À distance</translation>
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
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Range is 0 to 100</source>
        <translation>La plage est de 0 à 100</translation>
    </message>
</context>
<context>
    <name>CtrlPanelFrame</name>
    <message>
        <source>No Unit</source>
        <translation>Aucun appareil</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Panneau de commande</translation>
    </message>
    <message>
        <source>Ref value</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>Ref source</source>
        <translation>Source de consigne</translation>
    </message>
    <message>
        <source>Run/Stop source</source>
        <translation>Source marche/arrêt</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>À distance</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
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
        <translation>Connexion à %1...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Enregistrement de l&apos;oscilloscope en cours.
Veuillez arrêter l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>CustomerDataDialog</name>
    <message>
        <source>Customer Data</source>
        <translation>Données client</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Nom de la société</translation>
    </message>
    <message>
        <source>Street 1</source>
        <translation>Rue 1</translation>
    </message>
    <message>
        <source>Street 2</source>
        <translation>Rue 2</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Mis en service par</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
</context>
<context>
    <name>EditFavorites</name>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Select Set</source>
        <translation>Choisir le jeu</translation>
    </message>
    <message>
        <source>Set Name</source>
        <translation>Nom du jeu</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Échelle
auto</translation>
    </message>
    <message>
        <source>Param
Name</source>
        <translation>Nom
param.</translation>
    </message>
    <message>
        <source>Curr
Val</source>
        <translation>Val.
act.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Le paramètre existe déjà</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>File Export</source>
        <translation>Export de fichier</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Appareil</translation>
    </message>
</context>
<context>
    <name>FtpWindow</name>
    <message>
        <source>Ftp &amp;server:</source>
        <translation>&amp;Serveur FTP :</translation>
    </message>
    <message>
        <source>ftp://&lt;UserName&gt;:&lt;Password&gt;@&lt;Hostname&gt;</source>
        <translation>ftp://&lt;Utilisateur&gt;:&lt;MotDePasse&gt;@&lt;NomHôte&gt;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Aller au dossier parent</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Download All New</source>
        <translation>Télécharger toutes les nouveautés</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>FTP Link file is not found</source>
        <translation>Le fichier du lien FTP est introuvable</translation>
    </message>
    <message>
        <source>The FTP URL is not valid</source>
        <translation>L&apos;URL FTP n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Connecting to FTP server %1...</source>
        <translation>Connexion au serveur FTP %1...</translation>
    </message>
    <message>
        <source>The FTP server at %1 shows a certificate that no trusted authority has signed. The connection was refused.</source>
        <translation>Le serveur FTP %1 présente un certificat qu&apos;aucune autorité de confiance n&apos;a signé. La connexion a été refusée.</translation>
    </message>
    <message>
        <source>The FTP server at %1 did not set up a protected (TLS) connection. The connection was refused.</source>
        <translation>Le serveur FTP %1 n&apos;a pas établi de connexion protégée (TLS). La connexion a été refusée.</translation>
    </message>
    <message>
        <source>Unable to connect to the FTP server at %1. Please check that the host name is correct.</source>
        <translation>Impossible de se connecter au serveur FTP %1. Vérifiez que le nom d&apos;hôte est correct.</translation>
    </message>
    <message>
        <source>Unable to list the directory: %1</source>
        <translation>Impossible de lister le dossier : %1</translation>
    </message>
    <message>
        <source>Logged onto %1.</source>
        <translation>Connecté à %1.</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;vide&gt;</translation>
    </message>
    <message>
        <source>Select only CSV file to download.</source>
        <translation>Choisissez uniquement des fichiers CSV à télécharger.</translation>
    </message>
    <message>
        <source>The server lists the name %1, which is not a plain file name. Nothing was written.</source>
        <translation>Le serveur indique le nom %1, qui n&apos;est pas un simple nom de fichier. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>File already downloaded, do you want to overwrite?</source>
        <translation>Fichier déjà téléchargé, voulez-vous l&apos;écraser ?</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Téléchargement de %1...</translation>
    </message>
    <message>
        <source>Downloaded %1 to current directory.</source>
        <translation>%1 téléchargé dans le dossier courant.</translation>
    </message>
    <message>
        <source>File Downloaded Successfully</source>
        <translation>Fichier téléchargé avec succès</translation>
    </message>
    <message>
        <source>Download Failed %1 to current directory.</source>
        <translation>Échec du téléchargement de %1 dans le dossier courant.</translation>
    </message>
    <message>
        <source>File Size mismatched</source>
        <translation>La taille du fichier ne correspond pas</translation>
    </message>
    <message>
        <source>Canceled download of %1.</source>
        <translation>Téléchargement de %1 annulé.</translation>
    </message>
    <message>
        <source>Unable to save the file %1: %2.</source>
        <translation>Impossible d&apos;enregistrer le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>File Download Error:</source>
        <translation>Erreur de téléchargement :</translation>
    </message>
    <message>
        <source>The server lists names that are not plain file names. Nothing was written for them:
%1</source>
        <translation>Le serveur indique des noms qui ne sont pas de simples noms de fichier. Rien n&apos;a été écrit pour eux :
%1</translation>
    </message>
    <message>
        <source>Error in downloading new files. Please download again.</source>
        <translation>Erreur lors du téléchargement des nouveaux fichiers. Veuillez recommencer.</translation>
    </message>
    <message>
        <source>Operation is successful. All files are updated and no file is downloaded.</source>
        <translation>Opération réussie. Tous les fichiers sont à jour, aucun fichier n&apos;a été téléchargé.</translation>
    </message>
    <message>
        <source>Operation is successful. The total number of files downloaded is %1.</source>
        <translation>Opération réussie. Nombre total de fichiers téléchargés : %1.</translation>
    </message>
</context>
<context>
    <name>HeaderLine</name>
    <message>
        <source>Select a Language</source>
        <translation>Choisir une langue</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Logged on as:</source>
        <translation>Connecté en tant que :</translation>
    </message>
    <message>
        <source>Alert(s)/Notification(s):</source>
        <translation>Alerte(s)/notification(s) :</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>oscilloscope block %1</source>
        <translation>bloc d&apos;oscilloscope %1</translation>
    </message>
    <message>
        <source>%1, set %2</source>
        <translation>%1, jeu %2</translation>
    </message>
    <message>
        <source>%1 (%2 registers)</source>
        <translation>%1 (%2 registres)</translation>
    </message>
    <message>
        <source>parameters</source>
        <translation>paramètres</translation>
    </message>
    <message>
        <source>device code</source>
        <translation>code d&apos;appareil</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>version logicielle</translation>
    </message>
    <message>
        <source>drive size</source>
        <translation>taille du variateur</translation>
    </message>
    <message>
        <source>status</source>
        <translation>état</translation>
    </message>
    <message>
        <source>trip log</source>
        <translation>journal des défauts</translation>
    </message>
    <message>
        <source>control panel</source>
        <translation>panneau de commande</translation>
    </message>
    <message>
        <source>oscilloscope</source>
        <translation>oscilloscope</translation>
    </message>
    <message>
        <source>scan</source>
        <translation>recherche</translation>
    </message>
    <message>
        <source>exception %1</source>
        <translation>exception %1</translation>
    </message>
    <message>
        <source>link error %1</source>
        <translation>erreur de liaison %1</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception</source>
        <translation>exception</translation>
    </message>
    <message>
        <source>time-out</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>bad CRC</source>
        <translation>CRC erroné</translation>
    </message>
    <message>
        <source>wrong unit</source>
        <translation>mauvaise unité</translation>
    </message>
    <message>
        <source>wrong function</source>
        <translation>mauvaise fonction</translation>
    </message>
    <message>
        <source>wrong length</source>
        <translation>mauvaise longueur</translation>
    </message>
    <message>
        <source>wrong transaction</source>
        <translation>mauvaise transaction</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>connexion perdue</translation>
    </message>
    <message>
        <source>link error</source>
        <translation>erreur de liaison</translation>
    </message>
</context>
<context>
    <name>LinkMonitorModel</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Liaison</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Asked for</source>
        <translation>Demandé</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Attempt</source>
        <translation>Essai</translation>
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
        <translation>Moniteur de liaison</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Toutes les unités</translation>
    </message>
    <message>
        <source>All requests</source>
        <translation>Toutes les requêtes</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identification</translation>
    </message>
    <message>
        <source>Failures and resends only</source>
        <translation>Échecs et renvois seulement</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Keeps recording but stops following the newest exchange</source>
        <translation>Continue d&apos;enregistrer mais ne suit plus le dernier échange</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Réinitialiser les statistiques</translation>
    </message>
    <message>
        <source>%1 exchanges shown, %2 kept, %3 dropped as the oldest</source>
        <translation>%1 échanges affichés, %2 conservés, %3 écartés comme les plus anciens</translation>
    </message>
    <message>
        <source>Exchanges</source>
        <translation>Échanges</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>Échecs</translation>
    </message>
    <message>
        <source>Resends</source>
        <translation>Renvois</translation>
    </message>
    <message>
        <source>Response min / mean / 95 % / max</source>
        <translation>Réponse min / moyenne / 95 % / max</translation>
    </message>
    <message>
        <source>Last failure</source>
        <translation>Dernier échec</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The exchanges could not be saved: %1</source>
        <translation>Les échanges n&apos;ont pas pu être enregistrés : %1</translation>
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
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
<context>
    <name>OscPlotArea</name>
    <message>
        <source>Set Marker 1 Here</source>
        <translation>Placer le marqueur 1 ici</translation>
    </message>
    <message>
        <source>Set Marker 2 Here</source>
        <translation>Placer le marqueur 2 ici</translation>
    </message>
    <message>
        <source>Clear Markers</source>
        <translation>Effacer les marqueurs</translation>
    </message>
    <message>
        <source>Save plot as PNG...</source>
        <translation>Enregistrer le graphique en PNG...</translation>
    </message>
    <message>
        <source>Save plot as PDF...</source>
        <translation>Enregistrer le graphique en PDF...</translation>
    </message>
    <message>
        <source>Save Plot</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Chemin de fichier non valide</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Automatic Value Range</source>
        <translation>Plage de valeurs automatique</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Temps (s)</translation>
    </message>
</context>
<context>
    <name>OscPrintGui</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>OsciSettings</name>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Changes plot area color to white</source>
        <translation>Met la zone de tracé en blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Changes plot area color to black</source>
        <translation>Met la zone de tracé en noir</translation>
    </message>
    <message>
        <source>Colorbar for setting plot color to 
different shades between black and white</source>
        <translation>Barre de couleurs pour régler la zone de tracé 
sur des nuances entre noir et blanc</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Épaisseur de trait</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Changes the width of graph to thin</source>
        <translation>Affiche les courbes en trait fin</translation>
    </message>
    <message>
        <source>Fat</source>
        <translation>Épais</translation>
    </message>
    <message>
        <source>Changes the width of graph to fat</source>
        <translation>Affiche les courbes en trait épais</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activée</translation>
    </message>
    <message>
        <source>keeps the grid for plot areas</source>
        <translation>affiche la grille dans les zones de tracé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>removes the grid for plot areas</source>
        <translation>masque la grille dans les zones de tracé</translation>
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
        <translation>Choisir la couleur</translation>
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
        <translation>Jeux de fichiers</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Prints table/graph</source>
        <translation>Imprime le tableau/graphique</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analogique</translation>
    </message>
    <message>
        <source>display only analog signals</source>
        <translation>afficher uniquement les signaux analogiques</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>display only digital signals</source>
        <translation>afficher uniquement les signaux numériques</translation>
    </message>
    <message>
        <source>Analog-Digital</source>
        <translation>Analogique-numérique</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Back 2</source>
        <translation>Retour 2</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Forward 2</source>
        <translation>Avant 2</translation>
    </message>
    <message>
        <source>Set Sampling Time</source>
        <translation>Régler la période d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Data from unit will be retrieved at this interval.</source>
        <translation>Les données de l&apos;appareil seront lues à cet intervalle.</translation>
    </message>
    <message>
        <source>msec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Déclenchement</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Auto
Scale</source>
        <translation>Échelle
auto</translation>
    </message>
    <message>
        <source>Param Name</source>
        <translation>Nom du paramètre</translation>
    </message>
    <message>
        <source>Curr
Value</source>
        <translation>Valeur
actuelle</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Appareil</translation>
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
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Stops the recording and displaying the graphs</source>
        <translation>Arrête l&apos;enregistrement et l&apos;affichage des courbes</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Starts the recording and displaying the selected graphs</source>
        <translation>Démarre l&apos;enregistrement et l&apos;affichage des courbes choisies</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Resumes the displaying of selected graphs</source>
        <translation>Reprend l&apos;affichage des courbes choisies</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pauses the displaying of selected graphs 
while recording continues in background</source>
        <translation>Suspend l&apos;affichage des courbes choisies 
pendant que l&apos;enregistrement continue en arrière-plan</translation>
    </message>
    <message>
        <source>Response Time</source>
        <translation>Temps de réponse</translation>
    </message>
    <message>
        <source>Slowest Device</source>
        <translation>Appareil le plus lent</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No unit is connected to record from</source>
        <translation>Aucun appareil connecté pour l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Trigger in Progress- Do you want to Stop?</source>
        <translation>Déclenchement en cours - Voulez-vous l&apos;arrêter ?</translation>
    </message>
    <message>
        <source>Do you want to save rec file?</source>
        <translation>Voulez-vous enregistrer le fichier d&apos;enregistrement ?</translation>
    </message>
    <message>
        <source>Invalid Filepath</source>
        <translation>Chemin de fichier non valide</translation>
    </message>
    <message>
        <source>Open rec file</source>
        <translation>Ouvrir un fichier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Enregistrement de l&apos;oscilloscope en cours.
Veuillez arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Configured</source>
        <translation>Configuré</translation>
    </message>
    <message>
        <source>Not Active</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>En attente...</translation>
    </message>
    <message>
        <source>Running...</source>
        <translation>En cours...</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Param already exists</source>
        <translation>Le paramètre existe déjà</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Favourite list is empty</source>
        <translation>La liste des favoris est vide</translation>
    </message>
    <message>
        <source>Save pdf file</source>
        <translation>Enregistrer le fichier PDF</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Pas de données</translation>
    </message>
    <message>
        <source>The recording is kept in %1</source>
        <translation>L&apos;enregistrement est conservé dans %1</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Shows the whole recording (key F over the plots)</source>
        <translation>Affiche tout l&apos;enregistrement (touche F sur les courbes)</translation>
    </message>
    <message>
        <source>Auto Y</source>
        <translation>Y auto</translation>
    </message>
    <message>
        <source>Gives the analog plot its automatic value range again (key A over the plots; Ctrl and the mouse wheel zoom the values)</source>
        <translation>Rend à la courbe analogique sa plage de valeurs automatique (touche A sur les courbes ; Ctrl et la molette zooment les valeurs)</translation>
    </message>
    <message>
        <source>(armed at the next Start)</source>
        <translation>(armé au prochain « Démarrer »)</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Courbe enregistrée dans %1</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>Saves the shown recording as plain CSV, one column per signal</source>
        <translation>Enregistre l&apos;enregistrement affiché en CSV simple, une colonne par signal</translation>
    </message>
    <message>
        <source>Recorded %1</source>
        <translation>Enregistré le %1</translation>
    </message>
    <message>
        <source>% of range</source>
        <translation>% de la plage</translation>
    </message>
    <message>
        <source>Save Recording</source>
        <translation>Sauvegarder l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Recording saved to %1</source>
        <translation>Enregistrement sauvegardé dans %1</translation>
    </message>
    <message>
        <source>There is no recording to save</source>
        <translation>Aucun enregistrement à sauvegarder</translation>
    </message>
    <message>
        <source>CSV saved to %1</source>
        <translation>CSV sauvegardé dans %1</translation>
    </message>
    <message>
        <source>PDF saved to %1</source>
        <translation>PDF sauvegardé dans %1</translation>
    </message>
</context>
<context>
    <name>ParamTransfer</name>
    <message>
        <source>Parameters Loading To Drive</source>
        <translation>Chargement des paramètres vers le variateur</translation>
    </message>
    <message>
        <source>Parameters Loading from Drive</source>
        <translation>Chargement des paramètres depuis le variateur</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while the parameters 
   are &quot;Load From Drive&quot; or &quot;Load To Drive&quot; in the parameter window.
   To cancel operation click cancel.</source>
        <translation>Remarque : aucune opération n&apos;est possible pendant le 
   « Chargement depuis le variateur » ou « vers le variateur » des paramètres.
   Pour annuler, cliquez sur Annuler.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n parameter(s) to %1</source>
        <translation>
            <numerusform>%n paramètre écrit dans %1</numerusform>
            <numerusform>%n paramètres écrits dans %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n parameter(s) from %1</source>
        <translation>
            <numerusform>%n paramètre lu depuis %1</numerusform>
            <numerusform>%n paramètres lus depuis %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Write to %1 cancelled after %2 of %3 parameters</source>
        <translation>Écriture dans %1 annulée après %2 paramètres sur %3</translation>
    </message>
    <message>
        <source>Read from %1 cancelled after %2 of %3 parameters</source>
        <translation>Lecture depuis %1 annulée après %2 paramètres sur %3</translation>
    </message>
    <message>
        <source>Write to %1 ended: the unit was removed</source>
        <translation>Écriture dans %1 interrompue : l&apos;appareil a été retiré</translation>
    </message>
    <message>
        <source>Read from %1 ended: the unit was removed</source>
        <translation>Lecture depuis %1 interrompue : l&apos;appareil a été retiré</translation>
    </message>
    <message>
        <source>Write to %1 failed after %2 of %3 parameters</source>
        <translation>Échec de l&apos;écriture dans %1 après %2 paramètres sur %3</translation>
    </message>
    <message>
        <source>Read from %1 failed after %2 of %3 parameters</source>
        <translation>Échec de la lecture depuis %1 après %2 paramètres sur %3</translation>
    </message>
    <message>
        <source>; %1 parameters without a value were skipped</source>
        <translation> ; %1 paramètres sans valeur ont été ignorés</translation>
    </message>
</context>
<context>
    <name>ParameterActions</name>
    <message>
        <source>Sent %1 (set %2) to %3</source>
        <translation>%1 (jeu %2) envoyé à %3</translation>
    </message>
    <message>
        <source>Sending %1 (set %2) to %3 failed</source>
        <translation>Échec de l&apos;envoi de %1 (jeu %2) à %3</translation>
    </message>
    <message>
        <source>%1: Device not connected</source>
        <translation>%1 : appareil non connecté</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>These parameter sets have changes that are not saved:
%1

Do you want to save them?</source>
        <translation>Ces jeux de paramètres contiennent des modifications non enregistrées :
%1

Voulez-vous les enregistrer ?</translation>
    </message>
</context>
<context>
    <name>ParameterPrint</name>
    <message>
        <source>Save pdf file</source>
        <translation>Enregistrer le fichier PDF</translation>
    </message>
    <message>
        <source>(*.pdf)</source>
        <translation>(*.pdf)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Le fichier PDF n&apos;a pas pu être écrit :
%1</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>Envoyé à l&apos;imprimante</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
</context>
<context>
    <name>ParameterToolBar</name>
    <message>
        <source>Collapse All</source>
        <translation>Tout réduire</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Tout développer</translation>
    </message>
    <message>
        <source>Collapses All Parameters</source>
        <translation>Réduit tous les paramètres</translation>
    </message>
    <message>
        <source>Expands All Parameters</source>
        <translation>Développe tous les paramètres</translation>
    </message>
    <message>
        <source>No Unit</source>
        <translation>Aucun appareil</translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Charger depuis le variateur</translation>
    </message>
    <message>
        <source>Imports data from 
controlcard to application</source>
        <translation>Importe les données de la 
carte de commande dans l&apos;application</translation>
    </message>
    <message>
        <source>Load to Drive</source>
        <translation>Charger vers le variateur</translation>
    </message>
    <message>
        <source>Exports data from 
application to controlcard</source>
        <translation>Exporte les données de 
l&apos;application vers la carte de commande</translation>
    </message>
    <message>
        <source>Opens new csv file</source>
        <translation>Ouvre un nouveau fichier csv</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Opens already saved .dat files</source>
        <translation>Ouvre des fichiers .dat déjà enregistrés</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Saves the file in .dat format</source>
        <translation>Enregistre le fichier au format .dat</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Prints the parameter view</source>
        <translation>Imprime la vue des paramètres</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Compare deux fichiers</translation>
    </message>
    <message>
        <source>Send changes directly</source>
        <translation>Envoyer les modifications directement</translation>
    </message>
    <message>
        <source>Exports the edited parameters immediately to controlcard if checked</source>
        <translation>Si coché, exporte immédiatement les paramètres modifiés vers la carte de commande</translation>
    </message>
    <message>
        <source>Upgrade CSV</source>
        <translation>Mettre à jour les CSV</translation>
    </message>
    <message>
        <source>Send directly</source>
        <translation>Envoyer directement</translation>
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
        <translation>Limite minimale du paramètre sélectionné</translation>
    </message>
    <message>
        <source>Maximum limit of the parameter selected in the view</source>
        <translation>Limite maximale du paramètre sélectionné</translation>
    </message>
    <message>
        <source>Parameter Help</source>
        <translation>Aide sur le paramètre</translation>
    </message>
    <message>
        <source>Please refer help manual.</source>
        <translation>Veuillez consulter le manuel.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>fichier CSV non valide</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>csv File(*.dat)</source>
        <translation>Jeu de paramètres (*.dat)</translation>
    </message>
    <message>
        <source>The file could not be opened:
%1</source>
        <translation>Le fichier n&apos;a pas pu être ouvert :
%1</translation>
    </message>
    <message>
        <source>Save dat file</source>
        <translation>Enregistrer le fichier dat</translation>
    </message>
    <message>
        <source>(*.dat)</source>
        <translation>(*.dat)</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1</source>
        <translation>Le fichier n&apos;a pas pu être enregistré :
%1</translation>
    </message>
    <message>
        <source>oscView Record in Progress.
You can stop recording for faster performance
Do you want to Continue?</source>
        <translation>Enregistrement de l&apos;oscilloscope en cours.
Arrêtez l&apos;enregistrement pour de meilleures performances
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>No unit is connected to load the parameters to.</source>
        <translation>Aucun appareil n&apos;est connecté pour y charger les paramètres.</translation>
    </message>
    <message>
        <source>Sizes of drives are differ
 Do you want to continue?</source>
        <translation>Les calibres des variateurs diffèrent
 Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Type of drives are differ
 Do you want to continue?</source>
        <translation>Les types de variateurs diffèrent
 Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Version of drives are differ
 Do you want to continue?</source>
        <translation>Les versions des variateurs diffèrent
 Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Motor is running, some of configuration parameter may not set properly.
Do you want to Continue?</source>
        <translation>Le moteur tourne, certains paramètres de configuration risquent de ne pas être réglés correctement.
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Copy parameters to Drive</source>
        <translation>Copier les paramètres vers le variateur</translation>
    </message>
    <message>
        <source>The range is %1 to %2.</source>
        <translation>La plage est de %1 à %2.</translation>
    </message>
    <message>
        <source>%1: that key is not accepted here. %2</source>
        <translation>%1 : cette touche n&apos;est pas acceptée ici. %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was not taken. %3</source>
        <translation>%1 : « %2 » n&apos;a pas été pris en compte. %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid value for %2.</source>
        <translation>« %1 » n&apos;est pas une valeur valide pour %2.</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>%1 parameters were not read from the unit. Save anyway?</source>
        <translation>%1 paramètres n&apos;ont pas été lus depuis l&apos;unité. Enregistrer quand même ?</translation>
    </message>
    <message>
        <source>%1 parameters have no value in this set and will be skipped.</source>
        <translation>%1 paramètres n&apos;ont pas de valeur dans ce jeu et seront ignorés.</translation>
    </message>
    <message>
        <source>The file holds %1 of %2 parameters of %3. Write these %1?</source>
        <translation>Le fichier contient %1 des %2 paramètres de %3. Écrire ces %1 ?</translation>
    </message>
    <message>
        <source>%1 %2 is now %3 in set %4</source>
        <translation>%1 %2 vaut maintenant %3 dans le jeu %4</translation>
    </message>
    <message>
        <source>%1 parameters of %2 to %3</source>
        <translation>%1 paramètres de %2 vers %3</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; on Automatic scan (scan unit)</source>
        <translation>« Charger depuis le variateur » après recherche automatique (rechercher)</translation>
    </message>
    <message>
        <source>&quot;Load from Drive&quot; in Manual Add unit, on Connect</source>
        <translation>« Charger depuis le variateur » à l&apos;ajout manuel, à la connexion</translation>
    </message>
    <message>
        <source>Automatic scan on application startup</source>
        <translation>Recherche automatique au démarrage</translation>
    </message>
    <message>
        <source>Automatic save Setting on Exit</source>
        <translation>Enregistrer automatiquement les réglages en quittant</translation>
    </message>
    <message>
        <source>&quot;Load to Drive&quot; only offline Changed Parameters</source>
        <translation>« Charger vers le variateur » uniquement les paramètres modifiés hors ligne</translation>
    </message>
    <message>
        <source>Read in blocks</source>
        <translation>Lire par blocs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PrintGui</name>
    <message>
        <source>Printer Option</source>
        <translation>Option d&apos;impression</translation>
    </message>
    <message>
        <source>Save As Pdf</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>All Parameters</source>
        <translation>Tous les paramètres</translation>
    </message>
    <message>
        <source>With ReadOnly</source>
        <translation>Avec lecture seule</translation>
    </message>
    <message>
        <source>Changed Values</source>
        <translation>Valeurs modifiées</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Company Name</source>
        <translation>Nom de la société</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Commissioned By</source>
        <translation>Mis en service par</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>Drive Version</source>
        <translation>Version du variateur</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Parameter Text</source>
        <translation>Texte du paramètre</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Files are Identical</source>
        <translation>Les fichiers sont identiques</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Only in %1</source>
        <translation>Uniquement dans %1</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Oui à &amp;tout</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;on à tout</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Tout enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurer les valeurs par défaut</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>RecFileReader</name>
    <message>
        <source>CSV file not found</source>
        <translation>Fichier de description d&apos;appareil introuvable</translation>
    </message>
    <message>
        <source>Invalid Rec file</source>
        <translation>Fichier d&apos;enregistrement non valide</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
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
        <translation>Chemin de fichier non valide</translation>
    </message>
    <message>
        <source>Give Filepath</source>
        <translation>Indiquez un chemin de fichier</translation>
    </message>
</context>
<context>
    <name>RoleChange</name>
    <message>
        <source>Change User Role - Confirmation</source>
        <translation>Changer de rôle utilisateur - confirmation</translation>
    </message>
    <message>
        <source>Change User</source>
        <translation>Changer d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Changing the User role will re-establish the communication with
connected units to support all extra functions. Do you want to
continue?</source>
        <translation>Changer de rôle rétablit la communication avec les
appareils connectés pour toutes les fonctions avancées. Voulez-vous
continuer ?</translation>
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
        <translation>Enregistrement de l&apos;oscilloscope en cours.
Veuillez arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Scanning will delete all connected units.
 Do you want to proceed?</source>
        <translation>La recherche supprimera tous les appareils connectés.
 Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>No unit found on %1.</source>
        <translation>Aucune unité trouvée sur %1.</translation>
    </message>
    <message numerus="yes">
        <source>The scan found %n unit(s)</source>
        <translation>
            <numerusform>La recherche a trouvé %n unité</numerusform>
            <numerusform>La recherche a trouvé %n unités</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Parameters read from the %n unit(s) found by the scan</source>
        <translation>
            <numerusform>Paramètres lus depuis %n unité trouvée</numerusform>
            <numerusform>Paramètres lus depuis les %n unités trouvées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScanImport</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No. of devices: </source>
        <translation>Nombre d&apos;appareils : </translation>
    </message>
    <message>
        <source>In progress: </source>
        <translation>En cours : </translation>
    </message>
    <message>
        <source>Done: </source>
        <translation>Terminé : </translation>
    </message>
    <message>
        <source>Load from Drive</source>
        <translation>Charger depuis le variateur</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>ScanOps</name>
    <message>
        <source>Device Link Established</source>
        <translation>Liaison avec l&apos;appareil établie</translation>
    </message>
    <message>
        <source>No CSV File Found</source>
        <translation>Aucun fichier CSV trouvé</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Aucun fichier CSV trouvé</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Fichier CSV non valide</translation>
    </message>
    <message>
        <source>No Connection with Given IP</source>
        <translation>Aucune connexion avec l&apos;IP indiquée</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Aucune liaison avec l&apos;appareil</translation>
    </message>
</context>
<context>
    <name>ScanRules</name>
    <message>
        <source>Please provide valid unit range</source>
        <translation>Veuillez indiquer une plage d&apos;appareils valide</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS232 interface: Unit range is 1-255</source>
        <translation>Numéro d&apos;appareil non valide sur RS232 : plage 1-255</translation>
    </message>
    <message>
        <source>Invalid Unit Number on RS485 interface: Unit range is 1-255</source>
        <translation>Numéro d&apos;appareil non valide sur RS485 : plage 1-255</translation>
    </message>
    <message>
        <source>Please provide required information</source>
        <translation>Veuillez fournir les informations requises</translation>
    </message>
    <message>
        <source>Please provide unit range</source>
        <translation>Veuillez indiquer une plage d&apos;appareils</translation>
    </message>
    <message>
        <source>Duplicate configuration in RS232 and RS485</source>
        <translation>Configuration en double dans RS232 et RS485</translation>
    </message>
    <message>
        <source>Please provide valid TCP/IP range</source>
        <translation>Veuillez indiquer une plage TCP/IP valide</translation>
    </message>
</context>
<context>
    <name>SelectCsvDialog</name>
    <message>
        <source>Select Csv File</source>
        <translation>Choisir le fichier CSV</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>invalid CSV file</source>
        <translation>fichier CSV non valide</translation>
    </message>
</context>
<context>
    <name>SetLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>Choisir la langue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>StartupCheck</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>File not found : general.csv. Program aborted!</source>
        <translation>Fichier introuvable : general.csv. Programme interrompu !</translation>
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
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Exit</source>
        <translation>Enregistrement de l&apos;oscilloscope en cours. Arrêtez-le avant de quitter</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Fault Logger</source>
        <translation>Journal des défauts</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>Link Information</source>
        <translation>Informations de liaison</translation>
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
        <translation>Texte du paramètre</translation>
    </message>
    <message>
        <source> Unit</source>
        <translation> Unité</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Défaut</translation>
    </message>
</context>
<context>
    <name>TriggerDialog</name>
    <message>
        <source>Conditional Trigger</source>
        <translation>Déclenchement conditionnel</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Déclenchement sur niveau</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>Group A</source>
        <translation>Groupe A</translation>
    </message>
    <message>
        <source>Group B</source>
        <translation>Groupe B</translation>
    </message>
    <message>
        <source>Signal Name</source>
        <translation>Nom du signal</translation>
    </message>
    <message>
        <source>Trigger Type</source>
        <translation>Type de déclenchement</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Descendant</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Before Time</source>
        <translation>Temps avant</translation>
    </message>
    <message>
        <source>After Time</source>
        <translation>Temps après</translation>
    </message>
    <message>
        <source>Capture Time</source>
        <translation>Durée de capture</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Unique</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Multiple</translation>
    </message>
    <message>
        <source>Maximum Total File Size</source>
        <translation>Taille totale maximale des fichiers</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Maximum Total Duration</source>
        <translation>Durée totale maximale</translation>
    </message>
    <message>
        <source>Number Of Sample</source>
        <translation>Nombre d&apos;échantillons</translation>
    </message>
    <message>
        <source>Number Of Samples</source>
        <translation>Nombre d&apos;échantillons</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Enter Valid Value</source>
        <translation>Saisissez une valeur valide</translation>
    </message>
    <message>
        <source>Low Value Should be Less than High Value </source>
        <translation>La valeur basse doit être inférieure à la valeur haute </translation>
    </message>
</context>
<context>
    <name>TriggerSettings</name>
    <message>
        <source>Trigger Options</source>
        <translation>Options de déclenchement</translation>
    </message>
    <message>
        <source>Level Trigger</source>
        <translation>Déclenchement sur niveau</translation>
    </message>
    <message>
        <source>Conditional Trigger</source>
        <translation>Déclenchement conditionnel</translation>
    </message>
    <message>
        <source>No Trigger</source>
        <translation>Aucun déclenchement</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>UnitConnector</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid Unit Number: Unit range is 1-255</source>
        <translation>Numéro d&apos;appareil non valide : plage 1-255</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Oscilloscope record in progress.
Please stop recording</source>
        <translation>Enregistrement de l&apos;oscilloscope en cours.
Veuillez arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>No csv file information</source>
        <translation>Aucune information de fichier csv</translation>
    </message>
    <message>
        <source>No channel information</source>
        <translation>Aucune information de canal</translation>
    </message>
    <message>
        <source>failure</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>Port already open</source>
        <translation>Port déjà ouvert</translation>
    </message>
    <message>
        <source>Port is not Opened</source>
        <translation>Le port n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>port non ouvert</translation>
    </message>
    <message>
        <source>Unit is already activated</source>
        <translation>L&apos;appareil est déjà activé</translation>
    </message>
    <message>
        <source>duplicate ip address</source>
        <translation>adresse ip en double</translation>
    </message>
    <message>
        <source>No Connection with given IP</source>
        <translation>Aucune connexion avec l&apos;IP indiquée</translation>
    </message>
    <message>
        <source>No CSV File</source>
        <translation>Aucun fichier CSV</translation>
    </message>
    <message>
        <source>Invalid CSV File</source>
        <translation>Fichier CSV non valide</translation>
    </message>
    <message>
        <source>No Device Link</source>
        <translation>Aucune liaison avec l&apos;appareil</translation>
    </message>
    <message>
        <source>success</source>
        <translation>succès</translation>
    </message>
    <message>
        <source>device link established</source>
        <translation>liaison avec l&apos;appareil établie</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>register overlap in the CSV file: %1</source>
        <translation>chevauchement de registres dans le fichier CSV : %1</translation>
    </message>
    <message>
        <source>Error in CSV file 
 Please provide correct CSV file</source>
        <translation>Erreur dans le fichier CSV 
 Veuillez fournir un fichier CSV correct</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>device link disconnected</source>
        <translation>liaison avec l&apos;appareil déconnectée</translation>
    </message>
    <message>
        <source>Config Error</source>
        <translation>Erreur de configuration</translation>
    </message>
    <message>
        <source>device link not reconnected</source>
        <translation>liaison avec l&apos;appareil non rétablie</translation>
    </message>
    <message>
        <source>device link reconnected</source>
        <translation>liaison avec l&apos;appareil rétablie</translation>
    </message>
    <message>
        <source>Device Link is established</source>
        <translation>La liaison avec l&apos;appareil est établie</translation>
    </message>
    <message>
        <source>No CSV File found</source>
        <translation>Aucun fichier CSV trouvé</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Removing</source>
        <translation>Enregistrement de l&apos;oscilloscope en cours. Arrêtez-le avant de supprimer</translation>
    </message>
    <message>
        <source>device link removed</source>
        <translation>liaison avec l&apos;appareil supprimée</translation>
    </message>
    <message>
        <source>drive trip: %1</source>
        <translation>défaut du variateur : %1</translation>
    </message>
    <message>
        <source>drive trip cleared: %1</source>
        <translation>défaut du variateur acquitté : %1</translation>
    </message>
    <message>
        <source>unit %1 at %2</source>
        <translation>appareil %1 à %2</translation>
    </message>
    <message>
        <source>unit %1 on %2</source>
        <translation>appareil %1 sur %2</translation>
    </message>
    <message>
        <source>Could not connect %1: %2</source>
        <translation>Impossible de connecter %1 : %2</translation>
    </message>
    <message>
        <source>Connected %1 (%2)</source>
        <translation>%1 connecté (%2)</translation>
    </message>
    <message>
        <source>device answers again</source>
        <translation>l&apos;appareil répond de nouveau</translation>
    </message>
</context>
<context>
    <name>UnitTreeFrame</name>
    <message>
        <source>Scan Units</source>
        <translation>Rechercher les appareils</translation>
    </message>
    <message>
        <source>Scans the units automatically 
 depending on configuration settings</source>
        <translation>Recherche automatiquement les appareils 
 selon les paramètres de configuration</translation>
    </message>
    <message>
        <source>Add Unit</source>
        <translation>Ajouter un appareil</translation>
    </message>
    <message>
        <source>Opens window to provide unit details 
 inorder to establish connection</source>
        <translation>Ouvre une fenêtre pour saisir les données de l&apos;appareil 
 afin d&apos;établir la connexion</translation>
    </message>
    <message>
        <source>Units on RS232</source>
        <translation>Appareils sur RS232</translation>
    </message>
    <message>
        <source>Units on RS485</source>
        <translation>Appareils sur RS485</translation>
    </message>
    <message>
        <source>Units on TCP/IP</source>
        <translation>Appareils sur TCP/IP</translation>
    </message>
    <message>
        <source>Units on File</source>
        <translation>Jeux de fichiers</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
</context>
<context>
    <name>VXMainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new parameter</source>
        <translation>Créer un nouveau jeu de paramètres</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open parameter setting</source>
        <translation>Ouvrir un réglage de paramètres</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Save parameter setting</source>
        <translation>Enregistrer le réglage de paramètres</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print parameter setting</source>
        <translation>Imprimer le réglage de paramètres</translation>
    </message>
    <message>
        <source>Co&amp;mpare...</source>
        <translation>Co&amp;mparer...</translation>
    </message>
    <message>
        <source>Compares two files</source>
        <translation>Compare deux fichiers</translation>
    </message>
    <message>
        <source>&amp;Load from drive</source>
        <translation>&amp;Charger depuis le variateur</translation>
    </message>
    <message>
        <source>Load parameter setting from drive</source>
        <translation>Charger le réglage de paramètres depuis le variateur</translation>
    </message>
    <message>
        <source>Load &amp;to drive</source>
        <translation>Charger &amp;vers le variateur</translation>
    </message>
    <message>
        <source>Load parameter setting to drive</source>
        <translation>Charger le réglage de paramètres vers le variateur</translation>
    </message>
    <message>
        <source>&amp;Dat File Information...</source>
        <translation>Informations du fichier &amp;dat...</translation>
    </message>
    <message>
        <source>Customer information of dat file</source>
        <translation>Informations client du fichier dat</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Langue...</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Changer de langue</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message>
        <source>Change preferences</source>
        <translation>Modifier les préférences</translation>
    </message>
    <message>
        <source>Customer data...</source>
        <translation>Données client...</translation>
    </message>
    <message>
        <source>Customer data</source>
        <translation>Données client</translation>
    </message>
    <message>
        <source>Communication...</source>
        <translation>Communication...</translation>
    </message>
    <message>
        <source>Communication settings</source>
        <translation>Paramètres de communication</translation>
    </message>
    <message>
        <source>About Tarvolink...</source>
        <translation>À propos de Tarvolink...</translation>
    </message>
    <message>
        <source>About Tarvolink</source>
        <translation>À propos de Tarvolink</translation>
    </message>
    <message>
        <source>User guide...</source>
        <translation>Guide de l&apos;utilisateur...</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Tarvolink</source>
        <translation>Tarvolink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>General CSV File Not Found</source>
        <translation>Fichier general.csv introuvable</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Password File is missing</source>
        <translation>Le fichier de mot de passe est absent</translation>
    </message>
    <message>
        <source>Invalid password</source>
        <translation>Mot de passe non valide</translation>
    </message>
    <message>
        <source>View for alert(s) / notification(s)</source>
        <translation>Affichage des alertes / notifications</translation>
    </message>
    <message>
        <source>Oscilloscope Record in Progress.Please stop before Role Change</source>
        <translation>Enregistrement de l&apos;oscilloscope en cours. Arrêtez-le avant de changer de rôle</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Do you want to quit the Application?</source>
        <translation>Voulez-vous quitter l&apos;application ?</translation>
    </message>
    <message>
        <source>The user guide was not found:
%1</source>
        <translation>Le guide de l&apos;utilisateur est introuvable :
%1</translation>
    </message>
    <message>
        <source>Opening the user guide...</source>
        <translation>Ouverture du guide de l&apos;utilisateur...</translation>
    </message>
    <message>
        <source>No program to show PDF files was found.
The user guide is here:
%1</source>
        <translation>Aucun programme pour afficher les fichiers PDF n&apos;a été trouvé.
Le guide de l&apos;utilisateur se trouve ici :
%1</translation>
    </message>
    <message>
        <source>Link Monitor...</source>
        <translation>Moniteur de liaison...</translation>
    </message>
    <message>
        <source>Every exchange on the bus, with link statistics per unit</source>
        <translation>Chaque échange sur le bus, avec les statistiques de liaison par unité</translation>
    </message>
    <message>
        <source>An administrator creates it on this computer with the command
%1</source>
        <translation>Un administrateur le crée sur cet ordinateur avec la commande
%1</translation>
    </message>
</context>
<context>
    <name>VxCommManageSerialPort</name>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>You have no access to %1. Add your user to the group that owns it (dialout) and log in again.</source>
        <translation>Vous n&apos;avez pas accès à %1. Ajoutez votre utilisateur au groupe propriétaire (dialout) et reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1 does not exist: is the adapter plugged in?</source>
        <translation>%1 n&apos;existe pas : l&apos;adaptateur est-il branché ?</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>numéro de série %1</translation>
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
        <translation>L&apos;adaptateur de %1 a été débranché ou remplacé ; ses unités se reconnectent d&apos;elles-mêmes dès qu&apos;il est de retour.</translation>
    </message>
</context>
<context>
    <name>VxCommModbusMaster</name>
    <message>
        <source>communication failure</source>
        <translation>défaut de communication</translation>
    </message>
    <message>
        <source>no server connection</source>
        <translation>pas de connexion au serveur</translation>
    </message>
    <message>
        <source>communication failure timeout</source>
        <translation>défaut de communication : délai dépassé</translation>
    </message>
    <message>
        <source>write failure</source>
        <translation>échec d&apos;écriture</translation>
    </message>
    <message>
        <source>communication error in receive data</source>
        <translation>erreur de communication dans les données reçues</translation>
    </message>
    <message>
        <source>invalid transaction id</source>
        <translation>identifiant de transaction non valide</translation>
    </message>
    <message>
        <source>no data within timeout</source>
        <translation>aucune donnée dans le délai</translation>
    </message>
    <message>
        <source>invalid unit id</source>
        <translation>identifiant d&apos;appareil non valide</translation>
    </message>
    <message>
        <source>invalid function code</source>
        <translation>code de fonction non valide</translation>
    </message>
    <message>
        <source>no communication interface</source>
        <translation>aucune interface de communication</translation>
    </message>
    <message>
        <source>invalid function type</source>
        <translation>type de fonction non valide</translation>
    </message>
    <message>
        <source>communication timeout error</source>
        <translation>erreur de délai de communication</translation>
    </message>
    <message>
        <source>crc error</source>
        <translation>erreur crc</translation>
    </message>
    <message>
        <source>port not open</source>
        <translation>port non ouvert</translation>
    </message>
    <message>
        <source>port already open</source>
        <translation>port déjà ouvert</translation>
    </message>
    <message>
        <source>warning message received</source>
        <translation>message d&apos;avertissement reçu</translation>
    </message>
    <message>
        <source>invalid received message length</source>
        <translation>longueur de message reçu non valide</translation>
    </message>
    <message>
        <source>device has disconnected</source>
        <translation>l&apos;appareil s&apos;est déconnecté</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
</context>
<context>
    <name>WorkerOps</name>
    <message>
        <source>catchForwardButtonSignal:Write Error </source>
        <translation>Marche avant : erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>catchBackButtonSignal:Write Error </source>
        <translation>Marche arrière : erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>catchStopButtonSignal:Write Error </source>
        <translation>Arrêt : erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>catchReferenceSourceSignal:Write Error </source>
        <translation>Source de consigne : erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>catchRunStopSourceSignal:Write Error </source>
        <translation>Source marche/arrêt : erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>catchRefValueSignal:Write Error</source>
        <translation>Valeur de consigne : erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Appareil non connecté</translation>
    </message>
    <message>
        <source> Comm Error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>Comm Error
 refer log details</source>
        <translation>Erreur de communication
 voir le journal pour les détails</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Connexion perdue</translation>
    </message>
    <message>
        <source>OprStatusUpdate:Write Error</source>
        <translation>Mise à jour de l&apos;état : erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>TriplogUpdate:Write Error</source>
        <translation>Mise à jour du journal des défauts : erreur d&apos;écriture</translation>
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
        <translation>Veuillez indiquer une plage TCP/IP valide</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please provide required configuration details</source>
        <translation>Veuillez fournir les détails de configuration requis</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>csv File(*.csv)</source>
        <translation>Description d&apos;appareil (*.csv)</translation>
    </message>
    <message>
        <source>Add Units</source>
        <translation>Ajouter des appareils</translation>
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
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Débit (bauds)</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Data File Selection</source>
        <translation>Choix du fichier de données</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>alarms</name>
    <message>
        <source>Current Alerts</source>
        <translation>Alertes actuelles</translation>
    </message>
    <message>
        <source>Alert History</source>
        <translation>Historique des alertes</translation>
    </message>
    <message>
        <source>First: %1
Last: %2</source>
        <translation>Première : %1
Dernière : %2</translation>
    </message>
    <message>
        <source>Save Alerts</source>
        <translation>Enregistrer les alertes</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The alerts could not be saved to
%1:
%2</source>
        <translation>Les alertes n&apos;ont pas pu être enregistrées dans
%1 :
%2</translation>
    </message>
    <message>
        <source>Last Time</source>
        <translation>Dernière fois</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alerte</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Empty the list; the log file keeps every alert</source>
        <translation>Vider la liste ; le fichier journal garde chaque alerte</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy the selected alerts, or all of them, as text</source>
        <translation>Copier les alertes sélectionnées, ou toutes, en texte</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Enregistrer...</translation>
    </message>
</context>
<context>
    <name>scanDialog</name>
    <message>
        <source>Scan for devices</source>
        <translation>Rechercher des appareils</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Automatically scan for devices?</source>
        <translation>Rechercher automatiquement les appareils ?</translation>
    </message>
</context>
<context>
    <name>scanning</name>
    <message>
        <source>No units connected</source>
        <translation>Aucun appareil connecté</translation>
    </message>
    <message>
        <source>No of devices found:</source>
        <translation>Nombre d&apos;appareils trouvés :</translation>
    </message>
    <message>
        <source>Scan Progress</source>
        <translation>Progression de la recherche</translation>
    </message>
    <message>
        <source>Auto Scan</source>
        <translation>Recherche automatique</translation>
    </message>
    <message>
        <source>Scanning</source>
        <translation>Recherche en cours</translation>
    </message>
    <message>
        <source>Note: User cannot perform any operation while 
scanning for units. To stop scanning click cancel.</source>
        <translation>Remarque : aucune opération n&apos;est possible pendant 
la recherche d&apos;appareils. Pour l&apos;arrêter, cliquez sur Annuler.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
