<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About ZOV...</source>
        <extracomment>About box title and the entry added to the window menu; keep one &amp; before the accelerator letter</extracomment>
        <translation>&amp;Despre ZOV...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>Message box when the video engine reports an error</extracomment>
        <translation>Playerul media a întâmpinat o eroare.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>Message when the network layer cannot be started</extracomment>
        <translation>Inițializarea Windows Sockets a eșuat.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>Title of the media source dialog</extracomment>
        <translation>Selectați un suport</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Hartă Google</translation>
    </message>
    <message id="106">
        <source>BaiDu Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Hartă BaiDu</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>Button of the configuration and media source dialogs</extracomment>
        <translation>OK</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Button of the configuration and media source dialogs</extracomment>
        <translation>Anulare</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Button of the configuration dialog</extracomment>
        <translation>Aplicare</translation>
    </message>
    <message id="110">
        <source>Config</source>
        <extracomment>Title of the configuration dialog</extracomment>
        <translation>Configurare</translation>
    </message>
    <message id="111">
        <source>Disk</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>Disc</translation>
    </message>
    <message id="112">
        <source>Folder</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>Dosar</translation>
    </message>
    <message id="113">
        <source>File</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>Fișier</translation>
    </message>
    <message id="114">
        <source>Select language</source>
        <extracomment>Group caption in the configuration dialog</extracomment>
        <translation>Selectați limba</translation>
    </message>
    <message id="115">
        <source>Select map</source>
        <extracomment>Group caption in the configuration dialog</extracomment>
        <translation>Selectați harta</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Grup</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Rezoluție</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Ora de început</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Durată</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Dimensiune fișier</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Nume fișier</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Ora de sfârșit</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Dosar</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <extracomment>Message after a KML export; %s is the written file</extracomment>
        <translation>Salvarea fișierului KML: %s a reușit.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <extracomment>Message after a failed KML export; %s is the file</extracomment>
        <translation>Salvarea fișierului KML: %s a eșuat.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <extracomment>Caption of the KML export message</extracomment>
        <translation>Salvare KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <extracomment>Caption of the delete confirmation</extracomment>
        <translation>Ștergere fișiere</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <extracomment>Delete confirmation</extracomment>
        <translation>Sigur doriți să ștergeți fișierele bifate?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <extracomment>Title of the folder pickers</extracomment>
        <translation>Selectați un dosar</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <extracomment>Message box caption</extracomment>
        <translation>Avertisment</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <extracomment>Save as: the target folder is missing</extracomment>
        <translation>Dosarul nu există.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <extracomment>Start-up message when the video library cannot be loaded</extracomment>
        <translation>Încărcarea componentei video a eșuat. Reinstalați acest program.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Redare/pauză video</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <extracomment>File operations without ticked files</extracomment>
        <translation>Niciun fișier selectat. Selectați câteva fișiere și încercați din nou.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <extracomment>An operation that needs recordings while the list is empty</extracomment>
        <translation>Nu există fișiere în listă.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Fereastră de dimensiune mică.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Fereastră de dimensiune medie.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Fereastră de dimensiune mare.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <extracomment>Caption of the overwrite question</extracomment>
        <translation>Confirmați suprascrierea fișierului.</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <extracomment>Overwrite question; %s is the file name</extracomment>
        <translation>Fișierul "%s" există deja. Sigur doriți să-l suprascrieți?</translation>
    </message>
    <message id="142">
        <source>Copying files...</source>
        <extracomment>Reserved; not shown at present</extracomment>
        <translation>Se copiază fișierele...</translation>
    </message>
    <message id="143">
        <source>Copying files failed.</source>
        <extracomment>Reserved; not shown at present</extracomment>
        <translation>Copierea fișierelor a eșuat.</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>Title of the file selection dialog</extracomment>
        <translation>Confirmați selecția fișierelor</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>Caption of information messages</extracomment>
        <translation>OK</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Deschidere fișiere</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Captură de imagine</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Salvare ca</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Ștergere fișiere</translation>
    </message>
    <message id="183">
        <source>Configuration</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Setări</translation>
    </message>
    <message id="184">
        <source>Slower speed</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Mai încet</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Oprire</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Mai repede</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Volum</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Pornire/oprire sunet</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Redare automată a fișierului următor.</translation>
    </message>
    <message id="190">
        <source>Rotate 180</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Rotire cu 180°</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Salvare date GPS în fișier KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Afișare/ascundere hartă</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Afișare/ascundere curbă senzor G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Deblocare fișiere</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Închidere aplicație</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Maximizare fereastră</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Minimizare fereastră</translation>
    </message>
    <message id="198">
        <source>About</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Despre</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Schimbare unitate de viteză km/h / mph.</translation>
    </message>
    <message id="1065">
        <source>Yandex Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Hartă Yandex</translation>
    </message>
    <message id="2001">
        <source>%d file(s) could not be deleted. The first was "%s": %s.</source>
        <extracomment>Report after Delete; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>%d fișier(e) nu au putut fi șterse. Primul a fost „%s”: %s.</translation>
    </message>
    <message id="2002">
        <source>%d file(s) could not be unlocked. The first was "%s": %s.</source>
        <extracomment>Report after Unlock; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>%d fișier(e) nu au putut fi deblocate. Primul a fost „%s”: %s.</translation>
    </message>
    <message id="2003">
        <source>%d file(s) could not be copied. The first was "%s": %s.</source>
        <extracomment>Report after Save as; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>%d fișier(e) nu au putut fi copiate. Primul a fost „%s”: %s.</translation>
    </message>
    <message id="2004">
        <source>Snapshot saved: %s</source>
        <extracomment>Message after a snapshot; %s is the written file</extracomment>
        <translation>Captură salvată: %s</translation>
    </message>
    <message id="2005">
        <source>The snapshot could not be saved: %s</source>
        <extracomment>Message after a failed snapshot; %s is the file</extracomment>
        <translation>Captura nu a putut fi salvată: %s</translation>
    </message>
</context>
</TS>
