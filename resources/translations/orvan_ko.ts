<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;About ZOV...</source>
        <extracomment>About box title and the entry added to the window menu; keep one &amp; before the accelerator letter</extracomment>
        <translation>ZOV 정보(&amp;A)...</translation>
    </message>
    <message id="102">
        <source>Media player encountered a error.</source>
        <extracomment>Message box when the video engine reports an error</extracomment>
        <translation>미디어 플레이어에서 오류가 발생했습니다.</translation>
    </message>
    <message id="103">
        <source>Windows sockets initialization failed.</source>
        <extracomment>Message when the network layer cannot be started</extracomment>
        <translation>Windows 소켓을 초기화하지 못했습니다.</translation>
    </message>
    <message id="104">
        <source>Select a media</source>
        <extracomment>Title of the media source dialog</extracomment>
        <translation>미디어 선택</translation>
    </message>
    <message id="105">
        <source>Google Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Google 지도</translation>
    </message>
    <message id="106">
        <source>BaiDu Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>BaiDu 지도</translation>
    </message>
    <message id="107">
        <source>OK</source>
        <extracomment>Button of the configuration and media source dialogs</extracomment>
        <translation>확인</translation>
    </message>
    <message id="108">
        <source>Cancel</source>
        <extracomment>Button of the configuration and media source dialogs</extracomment>
        <translation>취소</translation>
    </message>
    <message id="109">
        <source>Apply</source>
        <extracomment>Button of the configuration dialog</extracomment>
        <translation>적용</translation>
    </message>
    <message id="110">
        <source>Config</source>
        <extracomment>Title of the configuration dialog</extracomment>
        <translation>구성</translation>
    </message>
    <message id="111">
        <source>Disk</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>디스크</translation>
    </message>
    <message id="112">
        <source>Folder</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>폴더</translation>
    </message>
    <message id="113">
        <source>File</source>
        <extracomment>Kind of source in the media source dialog</extracomment>
        <translation>파일</translation>
    </message>
    <message id="114">
        <source>Select language</source>
        <extracomment>Group caption in the configuration dialog</extracomment>
        <translation>언어 선택</translation>
    </message>
    <message id="115">
        <source>Select map</source>
        <extracomment>Group caption in the configuration dialog</extracomment>
        <translation>지도 선택</translation>
    </message>
    <message id="116">
        <source>Group</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>그룹</translation>
    </message>
    <message id="117">
        <source>Resolution</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>해상도</translation>
    </message>
    <message id="118">
        <source>Start Time</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>시작 시간</translation>
    </message>
    <message id="119">
        <source>Length</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>길이</translation>
    </message>
    <message id="120">
        <source>File Size</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>파일 크기</translation>
    </message>
    <message id="121">
        <source>ID</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>ID</translation>
    </message>
    <message id="122">
        <source>File Name</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>파일 이름</translation>
    </message>
    <message id="123">
        <source>End Time</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>종료 시간</translation>
    </message>
    <message id="124">
        <source>Folder</source>
        <extracomment>Column header of the group and file lists</extracomment>
        <translation>폴더</translation>
    </message>
    <message id="125">
        <source>Save KML file: %s OK.</source>
        <extracomment>Message after a KML export; %s is the written file</extracomment>
        <translation>KML 파일 저장: %s 성공.</translation>
    </message>
    <message id="126">
        <source>Save KML file:%s Failed.</source>
        <extracomment>Message after a failed KML export; %s is the file</extracomment>
        <translation>KML 파일 저장: %s 실패.</translation>
    </message>
    <message id="127">
        <source>Save KML</source>
        <extracomment>Caption of the KML export message</extracomment>
        <translation>KML 저장</translation>
    </message>
    <message id="128">
        <source>Delete Files</source>
        <extracomment>Caption of the delete confirmation</extracomment>
        <translation>파일 삭제</translation>
    </message>
    <message id="129">
        <source>Are you sure to delete the checked files?</source>
        <extracomment>Delete confirmation</extracomment>
        <translation>선택한 파일을 삭제하시겠습니까?</translation>
    </message>
    <message id="130">
        <source>Select a folder</source>
        <extracomment>Title of the folder pickers</extracomment>
        <translation>폴더 선택</translation>
    </message>
    <message id="131">
        <source>Warning</source>
        <extracomment>Message box caption</extracomment>
        <translation>경고</translation>
    </message>
    <message id="132">
        <source>Folder is not exist.</source>
        <extracomment>Save as: the target folder is missing</extracomment>
        <translation>폴더가 존재하지 않습니다.</translation>
    </message>
    <message id="133">
        <source>Loading video component failed. Please reinstall this program again.</source>
        <extracomment>Start-up message when the video library cannot be loaded</extracomment>
        <translation>비디오 구성 요소를 불러오지 못했습니다. 이 프로그램을 다시 설치하십시오.</translation>
    </message>
    <message id="134">
        <source>Play/Pause video</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>비디오 재생/일시 정지</translation>
    </message>
    <message id="135">
        <source>No seletected files. Please select some files and try this operation again.</source>
        <extracomment>File operations without ticked files</extracomment>
        <translation>선택한 파일이 없습니다. 파일을 선택한 후 다시 시도하십시오.</translation>
    </message>
    <message id="136">
        <source>No files in list.</source>
        <extracomment>An operation that needs recordings while the list is empty</extracomment>
        <translation>목록에 파일이 없습니다.</translation>
    </message>
    <message id="137">
        <source>Set Small Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>작은 창 크기로 설정합니다.</translation>
    </message>
    <message id="138">
        <source>Set Medium Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>중간 창 크기로 설정합니다.</translation>
    </message>
    <message id="139">
        <source>Set Large Window Size.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>큰 창 크기로 설정합니다.</translation>
    </message>
    <message id="140">
        <source>Confirm to overwrite the file.</source>
        <extracomment>Caption of the overwrite question</extracomment>
        <translation>파일 덮어쓰기 확인</translation>
    </message>
    <message id="141">
        <source>File "%s" is already exist. Are you sure to overwrite it?</source>
        <extracomment>Overwrite question; %s is the file name</extracomment>
        <translation>파일 "%s"이(가) 이미 있습니다. 덮어쓰시겠습니까?</translation>
    </message>
    <message id="142">
        <source>Copying files...</source>
        <extracomment>Reserved; not shown at present</extracomment>
        <translation>파일을 복사하는 중...</translation>
    </message>
    <message id="143">
        <source>Copying files failed.</source>
        <extracomment>Reserved; not shown at present</extracomment>
        <translation>파일을 복사하지 못했습니다.</translation>
    </message>
    <message id="144">
        <source>Confirm file selection</source>
        <extracomment>Title of the file selection dialog</extracomment>
        <translation>파일 선택 확인</translation>
    </message>
    <message id="145">
        <source>OK</source>
        <extracomment>Caption of information messages</extracomment>
        <translation>확인</translation>
    </message>
    <message id="179">
        <source>Open files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>파일 열기</translation>
    </message>
    <message id="180">
        <source>Snapshot</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>스냅샷</translation>
    </message>
    <message id="181">
        <source>Save as</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message id="182">
        <source>Del files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>파일 삭제</translation>
    </message>
    <message id="183">
        <source>Configuration</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>설정</translation>
    </message>
    <message id="184">
        <source>Slower speed</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>느리게</translation>
    </message>
    <message id="185">
        <source>Stop</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>정지</translation>
    </message>
    <message id="186">
        <source>Faster speed</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>빠르게</translation>
    </message>
    <message id="187">
        <source>Volume</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>볼륨</translation>
    </message>
    <message id="188">
        <source>Volume On/Off</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>음소거 켜기/끄기</translation>
    </message>
    <message id="189">
        <source>Auto Play next file.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>다음 파일을 자동으로 재생합니다.</translation>
    </message>
    <message id="190">
        <source>Rotate 180</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>180° 회전</translation>
    </message>
    <message id="191">
        <source>Save GPS data to KML file</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>GPS 데이터를 KML 파일로 저장</translation>
    </message>
    <message id="192">
        <source>Turn On/Off Map</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>지도 켜기/끄기</translation>
    </message>
    <message id="193">
        <source>Turn On/Off G-Sensor curve</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>G 센서 곡선 켜기/끄기</translation>
    </message>
    <message id="194">
        <source>Unlock files</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>파일 잠금 해제</translation>
    </message>
    <message id="195">
        <source>Close AP</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>프로그램 닫기</translation>
    </message>
    <message id="196">
        <source>Max window</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>창 최대화</translation>
    </message>
    <message id="197">
        <source>Min window</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>창 최소화</translation>
    </message>
    <message id="198">
        <source>About</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>정보</translation>
    </message>
    <message id="199">
        <source>Change Speed Unit KPH/MPH.</source>
        <extracomment>Tooltip of a main window button</extracomment>
        <translation>속도 단위 변경 KPH/MPH.</translation>
    </message>
    <message id="1065">
        <source>Yandex Map</source>
        <extracomment>Map provider in the configuration dialog; keep the provider's name as it is</extracomment>
        <translation>Yandex 지도</translation>
    </message>
    <message id="2001">
        <source>%d file(s) could not be deleted. The first was "%s": %s.</source>
        <extracomment>Report after Delete; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>파일 %d개를 삭제할 수 없습니다. 첫 번째 파일 "%s": %s.</translation>
    </message>
    <message id="2002">
        <source>%d file(s) could not be unlocked. The first was "%s": %s.</source>
        <extracomment>Report after Unlock; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>파일 %d개의 잠금을 해제할 수 없습니다. 첫 번째 파일 "%s": %s.</translation>
    </message>
    <message id="2003">
        <source>%d file(s) could not be copied. The first was "%s": %s.</source>
        <extracomment>Report after Save as; %d is how many files failed, then the first one's path and the system's reason</extracomment>
        <translation>파일 %d개를 복사할 수 없습니다. 첫 번째 파일 "%s": %s.</translation>
    </message>
    <message id="2004">
        <source>Snapshot saved: %s</source>
        <extracomment>Message after a snapshot; %s is the written file</extracomment>
        <translation>스냅샷을 저장했습니다: %s</translation>
    </message>
    <message id="2005">
        <source>The snapshot could not be saved: %s</source>
        <extracomment>Message after a failed snapshot; %s is the file</extracomment>
        <translation>스냅샷을 저장할 수 없습니다: %s</translation>
    </message>
</context>
</TS>
