<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About ZOV...</source>
        <extracomment>About box title and the entry added to the window menu; keep one &amp; before the accelerator letter</extracomment>
        <translation>&amp;Acerca de ZOV...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>Message box when the video engine reports an error</extracomment>
        <translation>El reproductor multimedia ha encontrado un error.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>Message when the network layer cannot be started</extracomment>
        <translation>Error al inicializar Windows Sockets.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>Title of the media source dialog</extracomment>
        <translation>Seleccionar un medio</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Mapa de Google</translation>
    </message>
    <message id="106">
        <source>BaiDu Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Mapa de BaiDu</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>Button of the configuration and media source dialogs</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Button of the configuration and media source dialogs</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Button of the configuration dialog</extracomment>
        <translation>Aplicar</translation>
    </message>
    <message id="110">
        <source>Config</source>
        <extracomment>Title of the configuration dialog</extracomment>
        <translation>Configuración</translation>
    </message>
    <message id="111">
        <source>Disk</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>Disco</translation>
    </message>
    <message id="112">
        <source>Folder</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>Carpeta</translation>
    </message>
    <message id="113">
        <source>File</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>Archivo</translation>
    </message>
    <message id="114">
        <source>Select language</source>
        <extracomment>Group caption in the configuration dialog</extracomment>
        <translation>Seleccionar idioma</translation>
    </message>
    <message id="115">
        <source>Select map</source>
        <extracomment>Group caption in the configuration dialog</extracomment>
        <translation>Seleccionar mapa</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Grupo</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Resolución</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Hora de inicio</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Duración</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Tamaño del archivo</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Nombre del archivo</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Hora de fin</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>Carpeta</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <extracomment>Message after a KML export; %s is the written file</extracomment>
        <translation>Archivo KML guardado correctamente: %s.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <extracomment>Message after a failed KML export; %s is the file</extracomment>
        <translation>Error al guardar el archivo KML: %s.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <extracomment>Caption of the KML export message</extracomment>
        <translation>Guardar KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <extracomment>Caption of the delete confirmation</extracomment>
        <translation>Eliminar archivos</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <extracomment>Delete confirmation</extracomment>
        <translation>¿Seguro que desea eliminar los archivos marcados?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <extracomment>Title of the folder pickers</extracomment>
        <translation>Seleccionar una carpeta</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <extracomment>Message box caption</extracomment>
        <translation>Advertencia</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <extracomment>Save as: the target folder is missing</extracomment>
        <translation>La carpeta no existe.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <extracomment>Start-up message when the video library cannot be loaded</extracomment>
        <translation>Error al cargar el componente de vídeo. Vuelva a instalar este programa.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Reproducir/pausar vídeo</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <extracomment>File operations without ticked files</extracomment>
        <translation>No hay archivos seleccionados. Seleccione algunos archivos y vuelva a intentar la operación.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <extracomment>An operation that needs recordings while the list is empty</extracomment>
        <translation>No hay archivos en la lista.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Tamaño de ventana pequeño.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Tamaño de ventana mediano.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Tamaño de ventana grande.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <extracomment>Caption of the overwrite question</extracomment>
        <translation>Confirmar la sobrescritura del archivo.</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <extracomment>Overwrite question; %s is the file name</extracomment>
        <translation>El archivo "%s" ya existe. ¿Seguro que desea sobrescribirlo?</translation>
    </message>
    <message id="142">
        <source>Copying files...</source>
        <extracomment>Reserved; not shown at present</extracomment>
        <translation>Copiando archivos...</translation>
    </message>
    <message id="143">
        <source>Copying files failed.</source>
        <extracomment>Reserved; not shown at present</extracomment>
        <translation>Error al copiar los archivos.</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>Title of the file selection dialog</extracomment>
        <translation>Confirmar la selección de archivos</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>Caption of information messages</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Abrir archivos</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Instantánea</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Guardar como</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Eliminar archivos</translation>
    </message>
    <message id="183">
        <source>Configuration</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Configurar</translation>
    </message>
    <message id="184">
        <source>Slower speed</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Más lento</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Detener</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Más rápido</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Volumen</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Activar/desactivar sonido</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Reproducir automáticamente el siguiente archivo.</translation>
    </message>
    <message id="190">
        <source>Rotate 180</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Girar 180°</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Guardar datos GPS en un archivo KML</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Mostrar/ocultar mapa</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Mostrar/ocultar curva del sensor G</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Desbloquear archivos</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Cerrar la aplicación</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Maximizar ventana</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Minimizar ventana</translation>
    </message>
    <message id="198">
        <source>About</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>Cambiar la unidad de velocidad km/h / mph.</translation>
    </message>
    <message id="1065">
        <source>Yandex Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Mapa de Yandex</translation>
    </message>
    <message id="2001">
        <source>%d file(s) could not be deleted. The first was "%s": %s.</source>
        <extracomment>Report after Delete; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>No se pudieron eliminar %d archivo(s). El primero fue "%s": %s.</translation>
    </message>
    <message id="2002">
        <source>%d file(s) could not be unlocked. The first was "%s": %s.</source>
        <extracomment>Report after Unlock; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>No se pudieron desbloquear %d archivo(s). El primero fue "%s": %s.</translation>
    </message>
    <message id="2003">
        <source>%d file(s) could not be copied. The first was "%s": %s.</source>
        <extracomment>Report after Save as; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>No se pudieron copiar %d archivo(s). El primero fue "%s": %s.</translation>
    </message>
    <message id="2004">
        <source>Snapshot saved: %s</source>
        <extracomment>Message after a snapshot; %s is the written file</extracomment>
        <translation>Captura guardada: %s</translation>
    </message>
    <message id="2005">
        <source>The snapshot could not be saved: %s</source>
        <extracomment>Message after a failed snapshot; %s is the file</extracomment>
        <translation>No se pudo guardar la captura: %s</translation>
    </message>
</context>
</TS>
