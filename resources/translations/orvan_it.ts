<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About ZOV...</source>
        <extracomment>About box title and the entry added to the window menu; keep one &amp; before the accelerator letter</extracomment>
        <translation>&amp;Informazioni su ZOV...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>Message box when the video engine reports an error</extracomment>
        <translation>Il lettore multimediale ha riscontrato un errore.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>Message when the network layer cannot be started</extracomment>
        <translation>Inizializzazione di Windows Sockets non riuscita.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>Title of the media source dialog</extracomment>
        <translation>Seleziona un supporto</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Mappa Google</translation>
    </message>
    <message id="106">
        <source>BaiDu Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Mappa BaiDu</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>Button of the configuration and media source dialogs</extracomment>
        <translation>OK</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Button of the configuration and media source dialogs</extracomment>
        <translation>Annulla</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Button of the configuration dialog</extracomment>
        <translation>Applica</translation>
    </message>
    <message id="110">
        <source>Config</source>
        <extracomment>Title of the configuration dialog</extracomment>
        <translation>Configurazione</translation>
    </message>
    <message id="111">
        <source>Disk</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>Disco</translation>
    </message>
    <message id="112">
        <source>Folder</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>Cartella</translation>
    </message>
    <message id="113">
        <source>File</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>File</translation>
    </message>
    <message id="114">
        <source>Select language</source>
        <extracomment>Group caption in the configuration dialog</extracomment>
        <translation>Seleziona lingua</translation>
    </message>
    <message id="115">
        <source>Select map</source>
        <extracomment>Group caption in the configuration dialog</extracomment>
        <translation>Seleziona mappa</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Gruppo</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Risoluzione</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Ora di inizio</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Durata</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Dimensione file</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Nome file</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Ora di fine</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Cartella</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <extracomment>Message after a KML export; %s is the written file</extracomment>
        <translation>Salvataggio del file KML: %s riuscito.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <extracomment>Message after a failed KML export; %s is the file</extracomment>
        <translation>Salvataggio del file KML: %s non riuscito.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <extracomment>Caption of the KML export message</extracomment>
        <translation>Salva KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <extracomment>Caption of the delete confirmation</extracomment>
        <translation>Elimina file</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <extracomment>Delete confirmation</extracomment>
        <translation>Eliminare davvero i file selezionati?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <extracomment>Title of the folder pickers</extracomment>
        <translation>Seleziona una cartella</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <extracomment>Message box caption</extracomment>
        <translation>Avviso</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <extracomment>Save as: the target folder is missing</extracomment>
        <translation>La cartella non esiste.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <extracomment>Start-up message when the video library cannot be loaded</extracomment>
        <translation>Caricamento del componente video non riuscito. Reinstallare il programma.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Riproduci/Pausa video</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <extracomment>File operations without ticked files</extracomment>
        <translation>Nessun file selezionato. Selezionare alcuni file e riprovare.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <extracomment>An operation that needs recordings while the list is empty</extracomment>
        <translation>Nessun file nell'elenco.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Imposta finestra piccola.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Imposta finestra media.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Imposta finestra grande.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <extracomment>Caption of the overwrite question</extracomment>
        <translation>Conferma la sovrascrittura del file.</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <extracomment>Overwrite question; %s is the file name</extracomment>
        <translation>Il file "%s" esiste già. Sovrascriverlo?</translation>
    </message>
    <message id="142">
        <source>Copying files...</source>
        <extracomment>Reserved; not shown at present</extracomment>
        <translation>Copia dei file in corso...</translation>
    </message>
    <message id="143">
        <source>Copying files failed.</source>
        <extracomment>Reserved; not shown at present</extracomment>
        <translation>Copia dei file non riuscita.</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>Title of the file selection dialog</extracomment>
        <translation>Conferma selezione file</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>Caption of information messages</extracomment>
        <translation>OK</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Apri file</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Istantanea</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Salva con nome</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Elimina file</translation>
    </message>
    <message id="183">
        <source>Configuration</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Impostazioni</translation>
    </message>
    <message id="184">
        <source>Slower speed</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Più lento</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Arresta</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Più veloce</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Volume</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Attiva/disattiva audio</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Riproduci automaticamente il file successivo.</translation>
    </message>
    <message id="190">
        <source>Rotate 180</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Ruota di 180°</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Salva i dati GPS in un file KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Mostra/nascondi mappa</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Mostra/nascondi curva del sensore G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Sblocca file</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Chiudi applicazione</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Ingrandisci finestra</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Riduci finestra</translation>
    </message>
    <message id="198">
        <source>About</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Cambia unità di velocità km/h / mph.</translation>
    </message>
    <message id="1065">
        <source>Yandex Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Mappa Yandex</translation>
    </message>
    <message id="2001">
        <source>%d file(s) could not be deleted. The first was "%s": %s.</source>
        <extracomment>Report after Delete; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>Impossibile eliminare %d file. Il primo era "%s": %s.</translation>
    </message>
    <message id="2002">
        <source>%d file(s) could not be unlocked. The first was "%s": %s.</source>
        <extracomment>Report after Unlock; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>Impossibile sbloccare %d file. Il primo era "%s": %s.</translation>
    </message>
    <message id="2003">
        <source>%d file(s) could not be copied. The first was "%s": %s.</source>
        <extracomment>Report after Save as; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>Impossibile copiare %d file. Il primo era "%s": %s.</translation>
    </message>
    <message id="2004">
        <source>Snapshot saved: %s</source>
        <extracomment>Message after a snapshot; %s is the written file</extracomment>
        <translation>Istantanea salvata: %s</translation>
    </message>
    <message id="2005">
        <source>The snapshot could not be saved: %s</source>
        <extracomment>Message after a failed snapshot; %s is the file</extracomment>
        <translation>Impossibile salvare l'istantanea: %s</translation>
    </message>
</context>
</TS>
