<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About ZOV...</source>
        <extracomment>About box title and the entry added to the window menu; keep one &amp; before the accelerator letter</extracomment>
        <translation>关于 ZOV(&amp;A)...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>Message box when the video engine reports an error</extracomment>
        <translation>媒体播放器遇到错误。</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>Message when the network layer cannot be started</extracomment>
        <translation>Windows 套接字初始化失败。</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>Title of the media source dialog</extracomment>
        <translation>选择媒体</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Google 地图</translation>
    </message>
    <message id="106">
        <source>BaiDu Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>BaiDu 地图</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>Button of the configuration and media source dialogs</extracomment>
        <translation>确定</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Button of the configuration and media source dialogs</extracomment>
        <translation>取消</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Button of the configuration dialog</extracomment>
        <translation>应用</translation>
    </message>
    <message id="110">
        <source>Config</source>
        <extracomment>Title of the configuration dialog</extracomment>
        <translation>配置</translation>
    </message>
    <message id="111">
        <source>Disk</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>磁盘</translation>
    </message>
    <message id="112">
        <source>Folder</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>文件夹</translation>
    </message>
    <message id="113">
        <source>File</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>文件</translation>
    </message>
    <message id="114">
        <source>Select language</source>
        <extracomment>Group caption in the configuration dialog</extracomment>
        <translation>选择语言</translation>
    </message>
    <message id="115">
        <source>Select map</source>
        <extracomment>Group caption in the configuration dialog</extracomment>
        <translation>选择地图</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>组</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>分辨率</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>开始时间</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>时长</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>文件大小</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>序号</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>文件名</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>结束时间</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>文件夹</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <extracomment>Message after a KML export; %s is the written file</extracomment>
        <translation>保存 KML 文件：%s 成功。</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <extracomment>Message after a failed KML export; %s is the file</extracomment>
        <translation>保存 KML 文件：%s 失败。</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <extracomment>Caption of the KML export message</extracomment>
        <translation>保存 KML</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <extracomment>Caption of the delete confirmation</extracomment>
        <translation>删除文件</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <extracomment>Delete confirmation</extracomment>
        <translation>确定要删除勾选的文件吗？</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <extracomment>Title of the folder pickers</extracomment>
        <translation>选择文件夹</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <extracomment>Message box caption</extracomment>
        <translation>警告</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <extracomment>Save as: the target folder is missing</extracomment>
        <translation>文件夹不存在。</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <extracomment>Start-up message when the video library cannot be loaded</extracomment>
        <translation>加载视频组件失败。请重新安装本程序。</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>播放/暂停视频</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <extracomment>File operations without ticked files</extracomment>
        <translation>未选择文件。请选择文件后重试此操作。</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <extracomment>An operation that needs recordings while the list is empty</extracomment>
        <translation>列表中没有文件。</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>设置为小窗口。</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>设置为中窗口。</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>设置为大窗口。</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <extracomment>Caption of the overwrite question</extracomment>
        <translation>确认覆盖文件。</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <extracomment>Overwrite question; %s is the file name</extracomment>
        <translation>文件“%s”已存在。确定要覆盖吗？</translation>
    </message>
    <message id="142">
        <source>Copying files...</source>
        <extracomment>Reserved; not shown at present</extracomment>
        <translation>正在复制文件...</translation>
    </message>
    <message id="143">
        <source>Copying files failed.</source>
        <extracomment>Reserved; not shown at present</extracomment>
        <translation>复制文件失败。</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>Title of the file selection dialog</extracomment>
        <translation>确认文件选择</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>Caption of information messages</extracomment>
        <translation>确定</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>打开文件</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>截图</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>另存为</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>删除文件</translation>
    </message>
    <message id="183">
        <source>Configuration</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>设置</translation>
    </message>
    <message id="184">
        <source>Slower speed</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>减速</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>停止</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>加速</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>音量</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>静音开/关</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>自动播放下一个文件。</translation>
    </message>
    <message id="190">
        <source>Rotate 180</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>旋转 180°</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>保存 GPS 数据到 KML 文件</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>打开/关闭地图</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>打开/关闭重力感应曲线</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>解锁文件</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>关闭程序</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>最大化窗口</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>最小化窗口</translation>
    </message>
    <message id="198">
        <source>About</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>关于</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>切换速度单位 KPH/MPH。</translation>
    </message>
    <message id="1065">
        <source>Yandex Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Yandex 地图</translation>
    </message>
    <message id="2001">
        <source>%d file(s) could not be deleted. The first was "%s": %s.</source>
        <extracomment>Report after Delete; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>%d 个文件无法删除。第一个是“%s”：%s。</translation>
    </message>
    <message id="2002">
        <source>%d file(s) could not be unlocked. The first was "%s": %s.</source>
        <extracomment>Report after Unlock; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>%d 个文件无法解锁。第一个是“%s”：%s。</translation>
    </message>
    <message id="2003">
        <source>%d file(s) could not be copied. The first was "%s": %s.</source>
        <extracomment>Report after Save as; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>%d 个文件无法复制。第一个是“%s”：%s。</translation>
    </message>
    <message id="2004">
        <source>Snapshot saved: %s</source>
        <extracomment>Message after a snapshot; %s is the written file</extracomment>
        <translation>截图已保存：%s</translation>
    </message>
    <message id="2005">
        <source>The snapshot could not be saved: %s</source>
        <extracomment>Message after a failed snapshot; %s is the file</extracomment>
        <translation>无法保存截图：%s</translation>
    </message>
</context>
</TS>
