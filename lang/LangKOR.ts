<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name></name>
    <message id="1">
        <source>Program</source>
        <extracomment>log: source of program, recording, manual snapshot and broadcast events</extracomment>
        <translation>프로그램</translation>
    </message>
    <message id="2">
        <source>Program started</source>
        <extracomment>log: program start description</extracomment>
        <translation>프로그램 시작</translation>
    </message>
    <message id="3">
        <source>Scheduler</source>
        <extracomment>log: source of scheduled shutdown, daily clean-up and timed upload snapshot</extracomment>
        <translation>스케줄러</translation>
    </message>
    <message id="4">
        <source>Program closed for scheduled shutdown</source>
        <extracomment>log: program exit at scheduled power-off description</extracomment>
        <translation>예약 종료로 프로그램 닫힘</translation>
    </message>
    <message id="5">
        <source>Program closed</source>
        <extracomment>log: program exit description</extracomment>
        <translation>프로그램 닫힘</translation>
    </message>
    <message id="6">
        <source>Motion detection</source>
        <extracomment>log: source of motion snapshot events</extracomment>
        <translation>동작 감지</translation>
    </message>
    <message id="7">
        <source>Motion recording</source>
        <extracomment>log: source of motion-triggered recording events</extracomment>
        <translation>동작 감지 녹화</translation>
    </message>
    <message id="8">
        <source>Motion recording started</source>
        <extracomment>log: motion-triggered recording start description</extracomment>
        <translation>동작 감지 녹화 시작</translation>
    </message>
    <message id="9">
        <source>Motion recording stopped</source>
        <extracomment>log: motion-triggered recording stop description</extracomment>
        <translation>동작 감지 녹화 중지</translation>
    </message>
    <message id="10">
        <source>Motion detected</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>동작 감지됨</translation>
    </message>
    <message id="11">
        <source>Motion ended</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>동작 끝남</translation>
    </message>
    <message id="12">
        <source>Picture taken</source>
        <extracomment>log: motion and manual snapshot description</extracomment>
        <translation>사진 촬영</translation>
    </message>
    <message id="13">
        <source>Recording started</source>
        <extracomment>log: continuous recording start and new video file description</extracomment>
        <translation>녹화 시작</translation>
    </message>
    <message id="14">
        <source>Recording stopped</source>
        <extracomment>log: continuous recording stop description</extracomment>
        <translation>녹화 중지</translation>
    </message>
    <message id="15">
        <source>Camera stopped</source>
        <extracomment>log: camera stop source and description</extracomment>
        <translation>카메라 중지</translation>
    </message>
    <message id="16">
        <source>Camera started</source>
        <extracomment>log: camera start source and description</extracomment>
        <translation>카메라 시작</translation>
    </message>
    <message id="17">
        <source>Snapshot</source>
        <extracomment>snapshot pop-up: window caption</extracomment>
        <translation>스냅숏</translation>
    </message>
    <message id="18">
        <source>Picture taken for upload</source>
        <extracomment>log: timed and test upload snapshot description</extracomment>
        <translation>업로드용 사진 촬영</translation>
    </message>
    <message id="19">
        <source>FTP upload succeeded</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>FTP 업로드 성공</translation>
    </message>
    <message id="20">
        <source>FTP upload failed</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>FTP 업로드 실패</translation>
    </message>
    <message id="21">
        <source>Broadcast started</source>
        <extracomment>log: live broadcast start description</extracomment>
        <translation>방송 시작</translation>
    </message>
    <message id="22">
        <source>Broadcast stopped</source>
        <extracomment>log: live broadcast stop description</extracomment>
        <translation>방송 중지</translation>
    </message>
    <message id="100">
        <source>Trelvix</source>
        <extracomment>main window: application title, caption and tray tip</extracomment>
        <translation>Trelvix 감시</translation>
    </message>
    <message id="200">
        <source>System</source>
        <extracomment>settings window: system page title and navigation entry</extracomment>
        <translation>시스템</translation>
    </message>
    <message id="207">
        <source>Always on top</source>
        <extracomment>system page: always-on-top check box (hidden)</extracomment>
        <translation>항상 위에 표시</translation>
    </message>
    <message id="212">
        <source>Start with the system</source>
        <extracomment>system page: start-with-session check box</extracomment>
        <translation>시스템과 함께 시작</translation>
    </message>
    <message id="213">
        <source>Scheduled Shutdown</source>
        <extracomment>system page: shutdown group</extracomment>
        <translation>예약 종료</translation>
    </message>
    <message id="214">
        <source>Enable</source>
        <extracomment>system page: shutdown enable check box</extracomment>
        <translation>사용</translation>
    </message>
    <message id="215">
        <source>Shutdown time</source>
        <extracomment>system page: shutdown time label</extracomment>
        <translation>종료 시간</translation>
    </message>
    <message id="216">
        <source>Every day</source>
        <extracomment>system page: daily shutdown check box</extracomment>
        <translation>매일</translation>
    </message>
    <message id="217">
        <source>Password Protection</source>
        <extracomment>system page: password group</extracomment>
        <translation>암호 보호</translation>
    </message>
    <message id="218">
        <source>Enable</source>
        <extracomment>system page: password enable check box</extracomment>
        <translation>사용</translation>
    </message>
    <message id="219">
        <source>Password</source>
        <extracomment>system page: password entry label</extracomment>
        <translation>암호</translation>
    </message>
    <message id="220">
        <source>Confirm password</source>
        <extracomment>system page: password confirmation label</extracomment>
        <translation>암호 확인</translation>
    </message>
    <message id="221">
        <source>Log folder</source>
        <extracomment>system page: log folder label</extracomment>
        <translation>로그 폴더</translation>
    </message>
    <message id="222">
        <source>Days of history to keep</source>
        <extracomment>system page: history days label</extracomment>
        <translation>기록 보관 일수</translation>
    </message>
    <message id="223">
        <source>Browse...</source>
        <extracomment>system page: log folder button</extracomment>
        <translation>찾아보기...</translation>
    </message>
    <message id="227">
        <source>Number of Cameras</source>
        <extracomment>system page: camera grid group</extracomment>
        <translation>카메라 수</translation>
    </message>
    <message id="228">
        <source>Rows</source>
        <extracomment>system page: grid rows label</extracomment>
        <translation>행</translation>
    </message>
    <message id="229">
        <source>Columns</source>
        <extracomment>system page: grid columns label</extracomment>
        <translation>열</translation>
    </message>
    <message id="231">
        <source>OK</source>
        <extracomment>system page: OK button</extracomment>
        <translation>확인</translation>
    </message>
    <message id="400">
        <source>Device Settings</source>
        <extracomment>settings window: caption</extracomment>
        <translation>장치 설정</translation>
    </message>
    <message id="402">
        <source>Available devices</source>
        <extracomment>settings window: camera chooser label</extracomment>
        <translation>사용 가능한 장치</translation>
    </message>
    <message id="404">
        <source>Apply current settings to all cameras</source>
        <extracomment>settings window: apply-to-all check box</extracomment>
        <translation>현재 설정을 모든 카메라에 적용</translation>
    </message>
    <message id="405">
        <source>Device Properties</source>
        <extracomment>settings window: device properties button</extracomment>
        <translation>장치 속성</translation>
    </message>
    <message id="419">
        <source>Step</source>
        <extracomment>overlay page: arrow step label</extracomment>
        <translation>이동 간격</translation>
    </message>
    <message id="420">
        <source>Overlay</source>
        <extracomment>settings window: overlay page title and navigation entry</extracomment>
        <translation>오버레이</translation>
    </message>
    <message id="421">
        <source>Show Time</source>
        <extracomment>overlay page: time group</extracomment>
        <translation>시간 표시</translation>
    </message>
    <message id="422">
        <source>Format</source>
        <extracomment>overlay page: time format label</extracomment>
        <translation>형식</translation>
    </message>
    <message id="423">
        <source>Font</source>
        <extracomment>overlay page: time font button</extracomment>
        <translation>글꼴</translation>
    </message>
    <message id="425">
        <source>Position</source>
        <extracomment>overlay page: time and guide-line position labels</extracomment>
        <translation>위치</translation>
    </message>
    <message id="426">
        <source>Enable</source>
        <extracomment>overlay page: show-time check box</extracomment>
        <translation>사용</translation>
    </message>
    <message id="428">
        <source>Caption</source>
        <extracomment>overlay page: caption text label (replaced by 30002)</extracomment>
        <translation>자막</translation>
    </message>
    <message id="429">
        <source>Font</source>
        <extracomment>overlay page: caption font button</extracomment>
        <translation>글꼴</translation>
    </message>
    <message id="431">
        <source>Apply</source>
        <extracomment>overlay page: caption apply button</extracomment>
        <translation>적용</translation>
    </message>
    <message id="432">
        <source>Position</source>
        <extracomment>overlay page: caption position label</extracomment>
        <translation>위치</translation>
    </message>
    <message id="434">
        <source>Picture folder</source>
        <extracomment>recording page: picture folder label</extracomment>
        <translation>사진 폴더</translation>
    </message>
    <message id="437">
        <source>Recording</source>
        <extracomment>settings window: recording page title and navigation entry</extracomment>
        <translation>녹화</translation>
    </message>
    <message id="438">
        <source>Video folder</source>
        <extracomment>recording page: video folder label</extracomment>
        <translation>동영상 폴더</translation>
    </message>
    <message id="439">
        <source>Browse...</source>
        <extracomment>recording page: video folder button</extracomment>
        <translation>찾아보기...</translation>
    </message>
    <message id="440">
        <source>Browse...</source>
        <extracomment>recording page: picture folder button</extracomment>
        <translation>찾아보기...</translation>
    </message>
    <message id="441">
        <source>The folder cannot be created or written. The previous folder is kept.</source>
        <extracomment>recording page: unusable folder message</extracomment>
        <translation>폴더를 만들거나 쓸 수 없습니다. 이전 폴더를 계속 사용합니다.</translation>
    </message>
    <message id="447">
        <source>Sensitivity (lower is more sensitive)</source>
        <extracomment>motion page: sensitivity label</extracomment>
        <translation>민감도 (낮을수록 민감)</translation>
    </message>
    <message id="448">
        <source>Region color</source>
        <extracomment>motion page: region colour label</extracomment>
        <translation>영역 색상</translation>
    </message>
    <message id="449">
        <source>Red</source>
        <extracomment>motion page: red region button</extracomment>
        <translation>빨강</translation>
    </message>
    <message id="450">
        <source>Green</source>
        <extracomment>motion page: green region button</extracomment>
        <translation>초록</translation>
    </message>
    <message id="451">
        <source>Blue</source>
        <extracomment>motion page: blue region button</extracomment>
        <translation>파랑</translation>
    </message>
    <message id="452">
        <source>Detection interval (s)</source>
        <extracomment>motion page: detection interval label</extracomment>
        <translation>감지 간격 (초)</translation>
    </message>
    <message id="453">
        <source>Motion Detection</source>
        <extracomment>settings window: motion page title and navigation entry</extracomment>
        <translation>동작 감지</translation>
    </message>
    <message id="454">
        <source>Record on motion, stop after</source>
        <extracomment>motion page: record-on-motion sentence, first part</extracomment>
        <translation>동작이 있으면 녹화하고,</translation>
    </message>
    <message id="455">
        <source>seconds without motion.</source>
        <extracomment>motion page: record-on-motion sentence, second part</extracomment>
        <translation>초 동안 동작이 없으면 중지.</translation>
    </message>
    <message id="456">
        <source>Motion Sound</source>
        <extracomment>motion page: sound group</extracomment>
        <translation>동작 감지 소리</translation>
    </message>
    <message id="457">
        <source>Sound:</source>
        <extracomment>motion page: sound label</extracomment>
        <translation>소리:</translation>
    </message>
    <message id="458">
        <source>Browse...</source>
        <extracomment>motion page: sound browse button</extracomment>
        <translation>찾아보기...</translation>
    </message>
    <message id="459">
        <source>No picture on motion</source>
        <extracomment>motion page: no-picture check box</extracomment>
        <translation>동작 감지 시 사진 안 찍기</translation>
    </message>
    <message id="460">
        <source>Run Program on Motion</source>
        <extracomment>motion page: external program group</extracomment>
        <translation>동작 감지 시 프로그램 실행</translation>
    </message>
    <message id="461">
        <source>Program:</source>
        <extracomment>motion page: program label</extracomment>
        <translation>프로그램:</translation>
    </message>
    <message id="462">
        <source>Window:</source>
        <extracomment>motion page: run mode label</extracomment>
        <translation>창:</translation>
    </message>
    <message id="463">
        <source>Parameters:</source>
        <extracomment>motion page: program parameters label</extracomment>
        <translation>매개 변수:</translation>
    </message>
    <message id="464">
        <source>Browse...</source>
        <extracomment>motion page: program browse button</extracomment>
        <translation>찾아보기...</translation>
    </message>
    <message id="468">
        <source>Enable</source>
        <extracomment>motion page: run-program check box</extracomment>
        <translation>사용</translation>
    </message>
    <message id="469">
        <source>Enable</source>
        <extracomment>motion page: play-sound check box</extracomment>
        <translation>사용</translation>
    </message>
    <message id="486">
        <source>Select Video Folder</source>
        <extracomment>recording page: video folder dialog title</extracomment>
        <translation>동영상 폴더 선택</translation>
    </message>
    <message id="487">
        <source>Select Picture Folder</source>
        <extracomment>recording page: picture folder dialog title</extracomment>
        <translation>사진 폴더 선택</translation>
    </message>
    <message id="488">
        <source>Apply the current camera's settings to all cameras?</source>
        <extracomment>settings window: apply-to-all question</extracomment>
        <translation>현재 카메라의 설정을 모든 카메라에 적용하시겠습니까?</translation>
    </message>
    <message id="489">
        <source>Apply to All Cameras</source>
        <extracomment>settings window: apply-to-all question caption</extracomment>
        <translation>모든 카메라에 적용</translation>
    </message>
    <message id="490">
        <source>Wave sounds (*.wav);;All files (*)</source>
        <extracomment>motion page: sound file dialog filter</extracomment>
        <translation>웨이브 소리 (*.wav);;모든 파일 (*)</translation>
    </message>
    <message id="491">
        <source>Programs (*);;Shell scripts (*.sh)</source>
        <extracomment>motion page: program file dialog filter</extracomment>
        <translation>프로그램 (*);;셸 스크립트 (*.sh)</translation>
    </message>
    <message id="494">
        <source>Normal window</source>
        <extracomment>motion page: run mode item 0</extracomment>
        <translation>보통 창</translation>
    </message>
    <message id="495">
        <source>Minimized</source>
        <extracomment>motion page: run mode item 1</extracomment>
        <translation>최소화</translation>
    </message>
    <message id="496">
        <source>Maximized</source>
        <extracomment>motion page: run mode item 2</extracomment>
        <translation>최대화</translation>
    </message>
    <message id="500">
        <source>Excluded Devices</source>
        <extracomment>settings window: device exclusion page title and navigation entry</extracomment>
        <translation>제외된 장치</translation>
    </message>
    <message id="501">
        <source>Device ID</source>
        <extracomment>device page: device id label</extracomment>
        <translation>장치 ID</translation>
    </message>
    <message id="502">
        <source>System devices</source>
        <extracomment>device page: list heading</extracomment>
        <translation>시스템 장치</translation>
    </message>
    <message id="503">
        <source>Check the devices not to use.</source>
        <extracomment>device page: instruction</extracomment>
        <translation>사용하지 않을 장치를 선택하십시오.</translation>
    </message>
    <message id="505">
        <source>OK</source>
        <extracomment>device page: OK button</extracomment>
        <translation>확인</translation>
    </message>
    <message id="600">
        <source>Event Log</source>
        <extracomment>log viewer: window caption</extracomment>
        <translation>이벤트 로그</translation>
    </message>
    <message id="601">
        <source>Log date</source>
        <extracomment>log viewer: date label</extracomment>
        <translation>로그 날짜</translation>
    </message>
    <message id="602">
        <source>Double-click to play, right-click for more</source>
        <extracomment>log viewer: usage hint</extracomment>
        <translation>두 번 클릭하면 재생, 오른쪽 클릭하면 더 보기</translation>
    </message>
    <message id="603">
        <source>Refresh</source>
        <extracomment>log viewer: refresh button</extracomment>
        <translation>새로 고침</translation>
    </message>
    <message id="604">
        <source>Previous Day</source>
        <extracomment>log viewer: previous day button</extracomment>
        <translation>전날</translation>
    </message>
    <message id="605">
        <source>Next Day</source>
        <extracomment>log viewer: next day button</extracomment>
        <translation>다음 날</translation>
    </message>
    <message id="606">
        <source>Clear</source>
        <extracomment>log viewer: delete-all button</extracomment>
        <translation>비우기</translation>
    </message>
    <message id="607">
        <source>Only entries with files</source>
        <extracomment>log viewer: file filter check box</extracomment>
        <translation>파일이 있는 항목만</translation>
    </message>
    <message id="608">
        <source>Open File</source>
        <extracomment>log viewer: menu open file</extracomment>
        <translation>파일 열기</translation>
    </message>
    <message id="609">
        <source>Delete Selected</source>
        <extracomment>log viewer: menu delete selected</extracomment>
        <translation>선택 항목 삭제</translation>
    </message>
    <message id="610">
        <source>Open Folder</source>
        <extracomment>log viewer: menu open folder</extracomment>
        <translation>폴더 열기</translation>
    </message>
    <message id="611">
        <source>Delete All</source>
        <extracomment>log viewer: menu delete all</extracomment>
        <translation>모두 삭제</translation>
    </message>
    <message id="612">
        <source>Source</source>
        <extracomment>log viewer: source column</extracomment>
        <translation>원본</translation>
    </message>
    <message id="613">
        <source>Date</source>
        <extracomment>log viewer: date column</extracomment>
        <translation>날짜</translation>
    </message>
    <message id="614">
        <source>Time</source>
        <extracomment>log viewer: time column</extracomment>
        <translation>시간</translation>
    </message>
    <message id="615">
        <source>Camera</source>
        <extracomment>log viewer: camera name column</extracomment>
        <translation>카메라</translation>
    </message>
    <message id="616">
        <source>Description</source>
        <extracomment>log viewer: description column</extracomment>
        <translation>설명</translation>
    </message>
    <message id="617">
        <source>Camera No.</source>
        <extracomment>log viewer: camera number column</extracomment>
        <translation>카메라 번호</translation>
    </message>
    <message id="618">
        <source>File</source>
        <extracomment>log viewer: file path column</extracomment>
        <translation>파일</translation>
    </message>
    <message id="619">
        <source>Only motion pictures</source>
        <extracomment>log viewer: motion filter check box (hidden)</extracomment>
        <translation>동작 감지 사진만</translation>
    </message>
    <message id="620">
        <source>Play</source>
        <extracomment>log viewer: play button hint</extracomment>
        <translation>재생</translation>
    </message>
    <message id="621">
        <source>Pause/Play</source>
        <extracomment>log viewer: pause button hint</extracomment>
        <translation>일시 정지/재생</translation>
    </message>
    <message id="622">
        <source>Stop</source>
        <extracomment>log viewer: stop button hint</extracomment>
        <translation>정지</translation>
    </message>
    <message id="623">
        <source>Faster</source>
        <extracomment>log viewer: faster button hint</extracomment>
        <translation>빠르게</translation>
    </message>
    <message id="624">
        <source>Slower</source>
        <extracomment>log viewer: slower button hint</extracomment>
        <translation>느리게</translation>
    </message>
    <message id="700">
        <source>Enter Password</source>
        <extracomment>password dialog: caption</extracomment>
        <translation>암호 입력</translation>
    </message>
    <message id="701">
        <source>Password</source>
        <extracomment>password dialog: label</extracomment>
        <translation>암호</translation>
    </message>
    <message id="702">
        <source>OK</source>
        <extracomment>password dialog: OK button</extracomment>
        <translation>확인</translation>
    </message>
    <message id="703">
        <source>The passwords differ or are empty. System settings were not saved.</source>
        <extracomment>system page: password mismatch message</extracomment>
        <translation>암호가 다르거나 비어 있습니다. 시스템 설정이 저장되지 않았습니다.</translation>
    </message>
    <message id="1000">
        <source>FTP Upload</source>
        <extracomment>settings window: FTP page title and navigation entry</extracomment>
        <translation>FTP 업로드</translation>
    </message>
    <message id="1001">
        <source>Host</source>
        <extracomment>FTP page: host label</extracomment>
        <translation>호스트</translation>
    </message>
    <message id="1002">
        <source>Port</source>
        <extracomment>FTP page: port label</extracomment>
        <translation>포트</translation>
    </message>
    <message id="1003">
        <source>User name</source>
        <extracomment>FTP page: user label</extracomment>
        <translation>사용자 이름</translation>
    </message>
    <message id="1004">
        <source>Password</source>
        <extracomment>FTP page: password label</extracomment>
        <translation>암호</translation>
    </message>
    <message id="1005">
        <source>Upload folder</source>
        <extracomment>FTP page: upload folder label</extracomment>
        <translation>업로드 폴더</translation>
    </message>
    <message id="1006">
        <source>Choose FTP Folder...</source>
        <extracomment>FTP page: folder browser button</extracomment>
        <translation>FTP 폴더 선택...</translation>
    </message>
    <message id="1007">
        <source>Timed Snapshots</source>
        <extracomment>FTP page: timed snapshot group</extracomment>
        <translation>정기 스냅숏</translation>
    </message>
    <message id="1008">
        <source>Snapshot interval (s)</source>
        <extracomment>FTP page: snapshot interval label</extracomment>
        <translation>스냅숏 간격 (초)</translation>
    </message>
    <message id="1009">
        <source>Upload interval (s)</source>
        <extracomment>FTP page: upload interval label</extracomment>
        <translation>업로드 간격 (초)</translation>
    </message>
    <message id="1010">
        <source>Pictures per upload</source>
        <extracomment>FTP page: batch size label</extracomment>
        <translation>업로드당 사진 수</translation>
    </message>
    <message id="1011">
        <source>Upload File Options</source>
        <extracomment>FTP page: file options group</extracomment>
        <translation>업로드 파일 옵션</translation>
    </message>
    <message id="1012">
        <source>Create a folder per day</source>
        <extracomment>FTP page: day folder check box</extracomment>
        <translation>날짜별 폴더 만들기</translation>
    </message>
    <message id="1013">
        <source>Use a fixed file name</source>
        <extracomment>FTP page: fixed name check box</extracomment>
        <translation>고정 파일 이름 사용</translation>
    </message>
    <message id="1014">
        <source>File name</source>
        <extracomment>FTP page: fixed file name label</extracomment>
        <translation>파일 이름</translation>
    </message>
    <message id="1015">
        <source>Upload motion pictures</source>
        <extracomment>FTP page: motion picture upload check box</extracomment>
        <translation>동작 감지 사진 업로드</translation>
    </message>
    <message id="1016">
        <source>Close</source>
        <extracomment>FTP folder browser: close button hint (suggested use)</extracomment>
        <translation>닫기</translation>
    </message>
    <message id="1017">
        <source>Use This Folder</source>
        <extracomment>FTP folder browser: take-folder button hint (suggested use)</extracomment>
        <translation>이 폴더 사용</translation>
    </message>
    <message id="1018">
        <source>Log In to FTP Server...</source>
        <extracomment>FTP folder browser: login button</extracomment>
        <translation>FTP 서버에 로그인...</translation>
    </message>
    <message id="1019">
        <source>Choose FTP folder</source>
        <extracomment>FTP folder browser: tree label</extracomment>
        <translation>FTP 폴더 선택</translation>
    </message>
    <message id="1020">
        <source>Upload folder</source>
        <extracomment>FTP folder browser: picked folder label</extracomment>
        <translation>업로드 폴더</translation>
    </message>
    <message id="1021">
        <source>Test Snapshot Upload</source>
        <extracomment>FTP folder browser: test upload button</extracomment>
        <translation>스냅숏 업로드 테스트</translation>
    </message>
    <message id="1022">
        <source>Message</source>
        <extracomment>FTP folder browser: message column</extracomment>
        <translation>메시지</translation>
    </message>
    <message id="1023">
        <source>Time</source>
        <extracomment>FTP folder browser: time column</extracomment>
        <translation>시간</translation>
    </message>
    <message id="2000">
        <source>Live Broadcast</source>
        <extracomment>settings window: broadcast page title and navigation entry</extracomment>
        <translation>실시간 방송</translation>
    </message>
    <message id="2002">
        <source>Broadcast port</source>
        <extracomment>broadcast page: port label</extracomment>
        <translation>방송 포트</translation>
    </message>
    <message id="2003">
        <source>Maximum viewers</source>
        <extracomment>broadcast page: max viewers label</extracomment>
        <translation>최대 시청자 수</translation>
    </message>
    <message id="2004">
        <source>Include audio</source>
        <extracomment>broadcast page: audio check box</extracomment>
        <translation>오디오 포함</translation>
    </message>
    <message id="2008">
        <source>Test</source>
        <extracomment>broadcast page: test button</extracomment>
        <translation>테스트</translation>
    </message>
    <message id="2010">
        <source>This is a handy feature: it broadcasts the camera's live picture over the network, so that anyone who can reach this computer can watch it from afar with a media player such as VLC or Windows Media Player (open the address as a network stream). Once the broadcast runs, two addresses appear: a public one and a private one. On a local network use the private address; otherwise use the public one. About the settings: on a slow network leave "Include audio" off; where the network allows, choose the highest bit rate you can. Adjust the values to your surroundings for the best result.</source>
        <extracomment>broadcast page: explanation</extracomment>
        <translation>편리한 기능입니다. 카메라의 실시간 화면을 네트워크로 방송하여, 이 컴퓨터에 연결할 수 있는 사람이라면 누구나 VLC나 Windows Media Player 같은 미디어 플레이어로 멀리서 볼 수 있습니다(주소를 네트워크 스트림으로 여십시오). 방송이 시작되면 공용 주소와 개인 주소 두 개가 나타납니다. 로컬 네트워크에서는 개인 주소를, 그 밖에는 공용 주소를 사용하십시오. 설정에 대해: 느린 네트워크에서는 "오디오 포함"을 끄고, 네트워크가 허용하는 한 가장 높은 비트 전송률을 선택하십시오. 최상의 결과를 얻으려면 환경에 맞게 값을 조정하십시오.</translation>
    </message>
    <message id="2017">
        <source>Picture size</source>
        <extracomment>broadcast page: size label</extracomment>
        <translation>화면 크기</translation>
    </message>
    <message id="2018">
        <source>Frame rate</source>
        <extracomment>broadcast page: frame rate label</extracomment>
        <translation>프레임 속도</translation>
    </message>
    <message id="2019">
        <source>Video quality (bit rate)</source>
        <extracomment>broadcast page: bit rate label</extracomment>
        <translation>화질 (비트 전송률)</translation>
    </message>
    <message id="2020">
        <source>Low</source>
        <extracomment>broadcast page: bit rate low end</extracomment>
        <translation>낮음</translation>
    </message>
    <message id="2021">
        <source>Medium</source>
        <extracomment>broadcast page: bit rate middle</extracomment>
        <translation>보통</translation>
    </message>
    <message id="2022">
        <source>High</source>
        <extracomment>broadcast page: bit rate high end</extracomment>
        <translation>높음</translation>
    </message>
    <message id="9000">
        <source>Enter the FTP server address and port first.</source>
        <extracomment>FTP page: missing host or port message</extracomment>
        <translation>먼저 FTP 서버 주소와 포트를 입력하십시오.</translation>
    </message>
    <message id="9001">
        <source>History before</source>
        <extracomment>log: daily clean-up description, before the date</extracomment>
        <translation>기록 삭제됨:</translation>
    </message>
    <message id="9002">
        <source>was deleted</source>
        <extracomment>log: daily clean-up description, after the date</extracomment>
        <translation>이전</translation>
    </message>
    <message id="30001">
        <source>Caption</source>
        <extracomment>overlay page: caption group</extracomment>
        <translation>자막</translation>
    </message>
    <message id="30002">
        <source>Caption text</source>
        <extracomment>overlay page: caption text label</extracomment>
        <translation>자막 내용</translation>
    </message>
    <message id="30003">
        <source>Normal</source>
        <extracomment>overlay page: orientation normal</extracomment>
        <translation>보통</translation>
    </message>
    <message id="30004">
        <source>Flip vertically</source>
        <extracomment>overlay page: orientation flipped</extracomment>
        <translation>상하 반전</translation>
    </message>
    <message id="30005">
        <source>Mirror horizontally</source>
        <extracomment>overlay page: orientation mirrored</extracomment>
        <translation>좌우 반전</translation>
    </message>
    <message id="30006">
        <source>Show guide lines</source>
        <extracomment>overlay page: guide line check box</extracomment>
        <translation>기준선 표시</translation>
    </message>
    <message id="30007">
        <source>Line</source>
        <extracomment>overlay page: guide line chooser label</extracomment>
        <translation>선</translation>
    </message>
    <message id="30008">
        <source>Color</source>
        <extracomment>overlay page: guide line colour button</extracomment>
        <translation>색상</translation>
    </message>
    <message id="30009">
        <source>Record when the program starts</source>
        <extracomment>overlay page: auto record check box</extracomment>
        <translation>프로그램 시작 시 녹화</translation>
    </message>
    <message id="30010">
        <source>Turning the picture uses more CPU.</source>
        <extracomment>overlay page: orientation note</extracomment>
        <translation>화면을 회전하면 CPU를 더 사용합니다.</translation>
    </message>
    <message id="30011">
        <source>Use this feature with care while driving.</source>
        <extracomment>motion page: driving note</extracomment>
        <translation>운전 중에는 이 기능을 주의해서 사용하십시오.</translation>
    </message>
    <message id="30012">
        <source>Enable motion detection</source>
        <extracomment>motion page: enable check box</extracomment>
        <translation>동작 감지 사용</translation>
    </message>
    <message id="30013">
        <source>Video quality</source>
        <extracomment>recording page: quality label</extracomment>
        <translation>동영상 화질</translation>
    </message>
    <message id="30014">
        <source>Good</source>
        <extracomment>recording page: quality bar good end</extracomment>
        <translation>좋음</translation>
    </message>
    <message id="30015">
        <source>Poor</source>
        <extracomment>recording page: quality bar poor end</extracomment>
        <translation>나쁨</translation>
    </message>
    <message id="30016">
        <source>Video file length (minutes)</source>
        <extracomment>recording page: file length label</extracomment>
        <translation>동영상 파일 길이 (분)</translation>
    </message>
    <message id="30017">
        <source>Enable FTP upload</source>
        <extracomment>FTP page: start upload check box</extracomment>
        <translation>FTP 업로드 사용</translation>
    </message>
    <message id="30018">
        <source>Minimize to tray after start</source>
        <extracomment>system page: tray check box</extracomment>
        <translation>시작 후 트레이로 최소화</translation>
    </message>
    <message id="30019">
        <source>5-meter line</source>
        <extracomment>overlay page: guide line item 0</extracomment>
        <translation>5미터 선</translation>
    </message>
    <message id="30020">
        <source>10-meter line</source>
        <extracomment>overlay page: guide line item 1</extracomment>
        <translation>10미터 선</translation>
    </message>
    <message id="30021">
        <source>This page comes in a later version.</source>
        <extracomment>settings window: page not yet available</extracomment>
        <translation>이 페이지는 이후 버전에서 제공됩니다.</translation>
    </message>
    <message id="30022">
        <source>Text color...</source>
        <extracomment>font dialog: text colour button</extracomment>
        <translation>글자 색...</translation>
    </message>
    <message id="30100">
        <source>Delete old recordings when free space on the recording drive is below</source>
        <extracomment>system page: disk space limit label</extracomment>
        <translation>녹화 드라이브의 여유 공간이 다음보다 적으면 오래된 녹화 삭제</translation>
    </message>
    <message id="30101">
        <source>The log folder must be a writable folder other than the root folder. The previous log folder is kept.</source>
        <extracomment>system page: refused log folder message</extracomment>
        <translation>로그 폴더는 루트가 아닌 쓰기 가능한 폴더여야 합니다. 이전 로그 폴더를 계속 사용합니다.</translation>
    </message>
    <message id="30102">
        <source>The settings could not be saved.</source>
        <extracomment>system page: settings file write failure message</extracomment>
        <translation>설정을 저장할 수 없습니다.</translation>
    </message>
    <message id="30300">
        <source>Brightness</source>
        <extracomment>image parameters: brightness label</extracomment>
        <translation>밝기</translation>
    </message>
    <message id="30301">
        <source>Contrast</source>
        <extracomment>image parameters: contrast label</extracomment>
        <translation>대비</translation>
    </message>
    <message id="30302">
        <source>Saturation</source>
        <extracomment>image parameters: saturation label</extracomment>
        <translation>채도</translation>
    </message>
    <message id="30303">
        <source>Hue</source>
        <extracomment>image parameters: hue label</extracomment>
        <translation>색조</translation>
    </message>
    <message id="30304">
        <source>Sharpness</source>
        <extracomment>image parameters: sharpness label</extracomment>
        <translation>선명도</translation>
    </message>
    <message id="30305">
        <source>Gamma</source>
        <extracomment>image parameters: gamma label</extracomment>
        <translation>감마</translation>
    </message>
    <message id="30306">
        <source>Image Adjustment</source>
        <extracomment>image parameters: dialog heading</extracomment>
        <translation>영상 조정</translation>
    </message>
    <message id="30307">
        <source>Close</source>
        <extracomment>image parameters and device properties: close button</extracomment>
        <translation>닫기</translation>
    </message>
    <message id="30308">
        <source>This device offers no adjustable properties right now.</source>
        <extracomment>device properties: no controls (camera stopped or none reported)</extracomment>
        <translation>이 장치에는 현재 조정할 수 있는 속성이 없습니다.</translation>
    </message>
    <message id="30309">
        <source>Defaults</source>
        <extracomment>device properties: restore every control's default</extracomment>
        <translation>기본값</translation>
    </message>
    <message id="30400">
        <source>Trelvix live broadcast</source>
        <extracomment>broadcast: stream title, followed by the date</extracomment>
        <translation>Trelvix 실시간 방송</translation>
    </message>
    <message id="30401">
        <source>Live picture of a surveillance camera</source>
        <extracomment>broadcast: stream description</extracomment>
        <translation>감시 카메라의 실시간 화면</translation>
    </message>
    <message id="30402">
        <source>Broadcast could not start</source>
        <extracomment>log and message: a broadcast failed to start, followed by the reason</extracomment>
        <translation>방송을 시작할 수 없습니다</translation>
    </message>
    <message id="30403">
        <source>The camera delivers no picture.</source>
        <extracomment>broadcast: reason why it could not start</extracomment>
        <translation>카메라에서 화면이 오지 않습니다.</translation>
    </message>
    <message id="30404">
        <source>Open in the media player</source>
        <extracomment>broadcast page: tooltip of the two address buttons</extracomment>
        <translation>미디어 플레이어에서 열기</translation>
    </message>
    <message id="30200">
        <source>The port must be a number from 1 to 65535: %1</source>
        <extracomment>FTP page: message for a port that is not a number</extracomment>
        <translation>포트는 1부터 65535 사이의 숫자여야 합니다: %1</translation>
    </message>
    <message id="30201">
        <source>No picture to upload: the camera has not stored one yet.</source>
        <extracomment>FTP page: test pass without a picture</extracomment>
        <translation>업로드할 사진이 없습니다. 카메라가 아직 사진을 저장하지 않았습니다.</translation>
    </message>
    <message id="30600">
        <source>Broadcast without sound</source>
        <extracomment>log: a broadcast with sound on started with pictures only, followed by the reason</extracomment>
        <translation>소리 없이 방송</translation>
    </message>
    <message id="30601">
        <source>Broadcast sound stopped</source>
        <extracomment>log: the sound device of a running broadcast failed, followed by the reason</extracomment>
        <translation>방송 소리가 중단됨</translation>
    </message>
    <message id="30800">
        <source>Recording paused: the disk is full</source>
        <extracomment>log: a camera's recording stopped for want of disk space; the file column names the folder</extracomment>
        <translation>녹화 일시 중지: 디스크가 가득 찼습니다</translation>
    </message>
    <message id="30801">
        <source>Recording resumed</source>
        <extracomment>log: recording goes on once the disk has room again; the file column names the folder</extracomment>
        <translation>녹화 재개됨</translation>
    </message>
    <message id="30802">
        <source>Take a picture with the selected camera</source>
        <extracomment>main window: tooltip of the snapshot button</extracomment>
        <translation>선택한 카메라로 사진 찍기</translation>
    </message>
    <message id="30803">
        <source>Start or stop the selected camera's broadcast</source>
        <extracomment>main window: tooltip of the broadcast button</extracomment>
        <translation>선택한 카메라의 방송 시작 또는 중지</translation>
    </message>
    <message id="30804">
        <source>Open the log of events and recordings</source>
        <extracomment>main window: tooltip of the log viewer button</extracomment>
        <translation>이벤트 및 녹화 기록 열기</translation>
    </message>
    <message id="30805">
        <source>Adjust the selected camera's picture</source>
        <extracomment>main window: tooltip of the image parameters button</extracomment>
        <translation>선택한 카메라의 화면 조정</translation>
    </message>
    <message id="30806">
        <source>Open the settings</source>
        <extracomment>main window: tooltip of the settings button</extracomment>
        <translation>설정 열기</translation>
    </message>
    <message id="30807">
        <source>Stop or start the selected camera</source>
        <extracomment>main window: tooltip of the camera stop/start button</extracomment>
        <translation>선택한 카메라 중지 또는 시작</translation>
    </message>
    <message id="30808">
        <source>Exit the program</source>
        <extracomment>main window: tooltip of the exit button</extracomment>
        <translation>프로그램 종료</translation>
    </message>
    <message id="30809">
        <source>Camera: %1</source>
        <extracomment>image parameters: which camera the dialog adjusts; %1 is the camera's caption</extracomment>
        <translation>카메라: %1</translation>
    </message>
    <message id="30750">
        <source>Free space:</source>
        <extracomment>main window: disk label before the free space of a camera's recording drive, e.g. 77G</extracomment>
        <translation>남은 공간:</translation>
    </message>
    <message id="30751">
        <source>Wrong password.</source>
        <extracomment>password prompt: message after a wrong or empty entry</extracomment>
        <translation>암호가 틀렸습니다.</translation>
    </message>
    <message id="30752">
        <source>Frame rate</source>
        <extracomment>recording page: label of the recording frame rate</extracomment>
        <translation>프레임 속도</translation>
    </message>
    <message id="30753">
        <source>If recordings play back too slowly (like slow motion), raise the frame rate; if too fast, lower it.</source>
        <extracomment>recording page: red hint under the frame rate</extracomment>
        <translation>녹화가 너무 느리게 재생되면(슬로 모션처럼) 프레임 속도를 높이고, 너무 빠르면 낮추십시오.</translation>
    </message>
    <message id="30754">
        <source>Compression</source>
        <extracomment>recording page: label of the compression, never shown</extracomment>
        <translation>압축</translation>
    </message>
    <message id="30755">
        <source>Device Properties</source>
        <extracomment>device properties window: title</extracomment>
        <translation>장치 속성</translation>
    </message>
    <message id="30756">
        <source>Low disk space!</source>
        <extracomment>main window: warning while the disk clean-up finds too little space</extracomment>
        <translation>디스크 공간 부족!</translation>
    </message>
    <message id="30757">
        <source>Playback failed. Check whether the file was deleted; a file that is still being recorded cannot be played.</source>
        <extracomment>log viewer: message when a file cannot be played</extracomment>
        <translation>재생하지 못했습니다. 파일이 삭제되었는지 확인하십시오. 녹화 중인 파일은 재생할 수 없습니다.</translation>
    </message>
    <message id="30758">
        <source>The file could not be copied.</source>
        <extracomment>motion page: a chosen sound could not be copied into the sound folder</extracomment>
        <translation>파일을 복사하지 못했습니다.</translation>
    </message>
    <message id="30759">
        <source>The surveillance program has closed; the computer shuts down in 60 seconds.</source>
        <extracomment>scheduled power-off: the message the shutdown command shows to logged-in users</extracomment>
        <translation>감시 프로그램이 종료되었습니다. 60초 후 컴퓨터가 종료됩니다.</translation>
    </message>
    <message id="30760">
        <source>Welcome</source>
        <extracomment>motion page: name shown in the sound list for the default motion sound</extracomment>
        <translation>어서 오세요</translation>
    </message>
    <message id="30761">
        <source>Camera shutter</source>
        <extracomment>motion page: name shown in the sound list for the default snapshot sound</extracomment>
        <translation>카메라 셔터</translation>
    </message>
    <message id="30762">
        <source>Trelvix goes on recording in the background. Click its icon here to open the window again.</source>
        <extracomment>tray: message shown the first time the main window is hidden to the notification area</extracomment>
        <translation>Trelvix는 백그라운드에서 계속 녹화합니다. 창을 다시 열려면 여기의 아이콘을 클릭하십시오.</translation>
    </message>
    <message id="30700">
        <source>The network camera list is larger than 1 MiB: it was not read and is kept as it is</source>
        <extracomment>log: netcams.txt is too large to read; followed by its path</extracomment>
        <translation>네트워크 카메라 목록이 1 MiB를 넘습니다: 읽지 않았으며 그대로 둡니다</translation>
    </message>
    <message id="30701">
        <source>Viewers need a password</source>
        <extracomment>broadcast page: check box, viewers must give the password beside it</extracomment>
        <translation>시청자에게 암호 요구</translation>
    </message>
    <message id="30702">
        <source>Reachable from</source>
        <extracomment>broadcast page: label of the choice who can reach the broadcast</extracomment>
        <translation>접속 허용 범위</translation>
    </message>
    <message id="30703">
        <source>This computer only</source>
        <extracomment>broadcast page: the broadcast is served on 127.0.0.1 alone</extracomment>
        <translation>이 컴퓨터만</translation>
    </message>
    <message id="30704">
        <source>Local network</source>
        <extracomment>broadcast page: the broadcast is served on every network address</extracomment>
        <translation>로컬 네트워크</translation>
    </message>
    <message id="30500">
        <source>Network camera</source>
        <extracomment>log: source of a network camera's stream lost and back events</extracomment>
        <translation>네트워크 카메라</translation>
    </message>
    <message id="30501">
        <source>Stream lost, reconnecting</source>
        <extracomment>log: a network camera's stream was lost or could not be reached</extracomment>
        <translation>스트림 끊김, 다시 연결 중</translation>
    </message>
    <message id="30502">
        <source>Stream back</source>
        <extracomment>log: a network camera's stream delivers pictures again</extracomment>
        <translation>스트림 복구됨</translation>
    </message>
    <message id="30503">
        <source>Reconnecting…</source>
        <extracomment>camera picture: written over the greyed last picture while a network camera reconnects</extracomment>
        <translation>다시 연결 중…</translation>
    </message>
    <message id="30504">
        <source>Network cameras</source>
        <extracomment>device page: heading of the network camera editor</extracomment>
        <translation>네트워크 카메라</translation>
    </message>
    <message id="30505">
        <source>Camera name</source>
        <extracomment>device page: label of the network camera's name</extracomment>
        <translation>카메라 이름</translation>
    </message>
    <message id="30506">
        <source>Address</source>
        <extracomment>device page: label of the network camera's address</extracomment>
        <translation>주소</translation>
    </message>
    <message id="30507">
        <source>RTSP over UDP</source>
        <extracomment>device page: check box, RTSP transport UDP instead of TCP</extracomment>
        <translation>UDP로 RTSP</translation>
    </message>
    <message id="30508">
        <source>Add</source>
        <extracomment>device page: adds a network camera</extracomment>
        <translation>추가</translation>
    </message>
    <message id="30509">
        <source>Change</source>
        <extracomment>device page: stores the edited network camera</extracomment>
        <translation>변경</translation>
    </message>
    <message id="30510">
        <source>Remove</source>
        <extracomment>device page: removes the selected network camera</extracomment>
        <translation>제거</translation>
    </message>
    <message id="30511">
        <source>Try</source>
        <extracomment>device page: shows the address's live picture</extracomment>
        <translation>테스트</translation>
    </message>
    <message id="30512">
        <source>Enter a name for the camera.</source>
        <extracomment>device page: a network camera without a name</extracomment>
        <translation>카메라 이름을 입력하십시오.</translation>
    </message>
    <message id="30513">
        <source>The address must begin with rtsp://, rtsps://, http:// or https:// and name a host.</source>
        <extracomment>device page: an address that cannot be used</extracomment>
        <translation>주소는 rtsp://, rtsps://, http:// 또는 https://로 시작하고 호스트를 포함해야 합니다.</translation>
    </message>
    <message id="30514">
        <source>Connecting…</source>
        <extracomment>device page: the tried address has not answered yet</extracomment>
        <translation>연결 중…</translation>
    </message>
    <message id="30515">
        <source>The camera delivers pictures.</source>
        <extracomment>device page: the tried address delivers pictures</extracomment>
        <translation>카메라가 영상을 보내고 있습니다.</translation>
    </message>
    <message id="30516">
        <source>No picture from this address.</source>
        <extracomment>device page: the tried address failed</extracomment>
        <translation>이 주소에서 영상이 없습니다.</translation>
    </message>
    <message id="30517">
        <source>The list of network cameras could not be saved.</source>
        <extracomment>device page: netcams.txt could not be written</extracomment>
        <translation>네트워크 카메라 목록을 저장할 수 없습니다.</translation>
    </message>
    <message id="30518">
        <source>Takes effect when the settings window closes.</source>
        <extracomment>device page: note under the network camera editor</extracomment>
        <translation>설정 창을 닫으면 적용됩니다.</translation>
    </message>
    <message id="30900">
        <source>Detect:</source>
        <extracomment>motion page: label before the detection mode list</extracomment>
        <translation>감지:</translation>
    </message>
    <message id="30901">
        <source>large changes (area)</source>
        <extracomment>motion page: detection mode, more than a share of the region changed</extracomment>
        <translation>큰 변화 (영역)</translation>
    </message>
    <message id="30902">
        <source>anything person-sized or larger (object)</source>
        <extracomment>motion page: detection mode, a moving object of at least the smallest size</extracomment>
        <translation>사람 크기 이상의 물체 (객체)</translation>
    </message>
    <message id="30903">
        <source>Smallest object (‰ of the picture):</source>
        <extracomment>motion page: label of the smallest moving object's size, drawn on the preview</extracomment>
        <translation>최소 물체 크기 (화면의 ‰):</translation>
    </message>
    <message id="30904">
        <source>Only when it is a person</source>
        <extracomment>motion page: motion counts only when a person detector finds a person in the moving object</extracomment>
        <translation>사람일 때만</translation>
    </message>
    <message id="31000">
        <source>Notifications</source>
        <extracomment>settings window: notifications page title and navigation entry; log: source of notification events</extracomment>
        <translation>알림</translation>
    </message>
    <message id="31001">
        <source>MQTT broker (Home Assistant)</source>
        <extracomment>notifications page: MQTT group</extracomment>
        <translation>MQTT 브로커(Home Assistant)</translation>
    </message>
    <message id="31002">
        <source>Server</source>
        <extracomment>notifications page: MQTT broker host label</extracomment>
        <translation>서버</translation>
    </message>
    <message id="31003">
        <source>User name</source>
        <extracomment>notifications page: MQTT and e-mail user label</extracomment>
        <translation>사용자 이름</translation>
    </message>
    <message id="31004">
        <source>Topic prefix</source>
        <extracomment>notifications page: MQTT topic prefix label</extracomment>
        <translation>토픽 접두사</translation>
    </message>
    <message id="31005">
        <source>Home Assistant discovery</source>
        <extracomment>notifications page: check box, announce the cameras to Home Assistant</extracomment>
        <translation>Home Assistant 자동 검색</translation>
    </message>
    <message id="31006">
        <source>Encrypted (TLS)</source>
        <extracomment>notifications page: check box, MQTT over TLS</extracomment>
        <translation>암호화(TLS)</translation>
    </message>
    <message id="31007">
        <source>Web address to call (webhook)</source>
        <extracomment>notifications page: webhook group</extracomment>
        <translation>호출할 웹 주소(웹훅)</translation>
    </message>
    <message id="31008">
        <source>Address (http:// or https://)</source>
        <extracomment>notifications page: webhook address label</extracomment>
        <translation>주소(http:// 또는 https://)</translation>
    </message>
    <message id="31009">
        <source>E-mail</source>
        <extracomment>notifications page: e-mail group</extracomment>
        <translation>이메일</translation>
    </message>
    <message id="31010">
        <source>Server (smtp:// or smtps://host:port)</source>
        <extracomment>notifications page: mail server label</extracomment>
        <translation>서버(smtp:// 또는 smtps://호스트:포트)</translation>
    </message>
    <message id="31011">
        <source>Sender</source>
        <extracomment>notifications page: mail sender address label</extracomment>
        <translation>보낸 사람</translation>
    </message>
    <message id="31012">
        <source>Recipients (comma-separated)</source>
        <extracomment>notifications page: mail recipients label</extracomment>
        <translation>받는 사람(쉼표로 구분)</translation>
    </message>
    <message id="31013">
        <source>Encrypt with STARTTLS</source>
        <extracomment>notifications page: check box, mail with STARTTLS</extracomment>
        <translation>STARTTLS로 암호화</translation>
    </message>
    <message id="31014">
        <source>Send on</source>
        <extracomment>notifications page: group of the events that are sent</extracomment>
        <translation>보낼 이벤트</translation>
    </message>
    <message id="31015">
        <source>Motion</source>
        <extracomment>notifications page: check box, motion events are sent</extracomment>
        <translation>동작</translation>
    </message>
    <message id="31016">
        <source>Camera lost</source>
        <extracomment>notifications page: check box; mail subject: a camera delivers no pictures</extracomment>
        <translation>카메라 연결 끊김</translation>
    </message>
    <message id="31017">
        <source>Disk full</source>
        <extracomment>notifications page: check box; mail subject: recording paused for want of space</extracomment>
        <translation>디스크 가득 참</translation>
    </message>
    <message id="31018">
        <source>Recording failed</source>
        <extracomment>notifications page: check box; mail subject: a recording could not be written</extracomment>
        <translation>녹화 실패</translation>
    </message>
    <message id="31019">
        <source>Seconds between two motion notices of a camera</source>
        <extracomment>notifications page: cooldown label</extracomment>
        <translation>한 카메라의 동작 알림 사이 간격(초)</translation>
    </message>
    <message id="31020">
        <source>Send a test</source>
        <extracomment>notifications page: test button of each channel</extracomment>
        <translation>테스트 보내기</translation>
    </message>
    <message id="31021">
        <source>Sending…</source>
        <extracomment>notifications page: a test is under way</extracomment>
        <translation>보내는 중…</translation>
    </message>
    <message id="31022">
        <source>Sent.</source>
        <extracomment>notifications page: a test succeeded</extracomment>
        <translation>보냈습니다.</translation>
    </message>
    <message id="31023">
        <source>Failed: %1</source>
        <extracomment>notifications page: a test failed; %1 is the reason</extracomment>
        <translation>실패: %1</translation>
    </message>
    <message id="31024">
        <source>MQTT broker connected</source>
        <extracomment>log: the MQTT connection is up</extracomment>
        <translation>MQTT 브로커 연결됨</translation>
    </message>
    <message id="31025">
        <source>MQTT broker unreachable: %1</source>
        <extracomment>log: the MQTT connection failed or was lost; %1 is the reason</extracomment>
        <translation>MQTT 브로커에 연결할 수 없음: %1</translation>
    </message>
    <message id="31026">
        <source>Webhook sent</source>
        <extracomment>log: an event was posted to the webhook</extracomment>
        <translation>웹훅 보냄</translation>
    </message>
    <message id="31027">
        <source>Webhook failed: %1</source>
        <extracomment>log: the webhook refused or did not answer after the retries; %1 is the reason</extracomment>
        <translation>웹훅 실패: %1</translation>
    </message>
    <message id="31028">
        <source>E-mail sent</source>
        <extracomment>log: an event mail was sent</extracomment>
        <translation>이메일 보냄</translation>
    </message>
    <message id="31029">
        <source>E-mail failed: %1</source>
        <extracomment>log: an event mail could not be sent; %1 is the reason</extracomment>
        <translation>이메일 실패: %1</translation>
    </message>
    <message id="31030">
        <source>Recording failed: the file could not be written</source>
        <extracomment>log: a camera's recording stopped because its file could not be created or written (not a full disk); the file column names the folder</extracomment>
        <translation>녹화 실패: 파일을 쓸 수 없습니다</translation>
    </message>
    <message id="31100">
        <source>List</source>
        <extracomment>log viewer: tab of the list of entries</extracomment>
        <translation>목록</translation>
    </message>
    <message id="31101">
        <source>Timeline</source>
        <extracomment>log viewer: tab of the day's timeline, one row per camera</extracomment>
        <translation>타임라인</translation>
    </message>
    <message id="31102">
        <source>Group motion events</source>
        <extracomment>log viewer: switch that shows one row per motion event instead of one per picture</extracomment>
        <translation>동작 이벤트 묶기</translation>
    </message>
    <message id="31103">
        <source>Export clip…</source>
        <extracomment>log viewer: button that writes the chosen span of a camera's recording into one file</extracomment>
        <translation>클립 내보내기…</translation>
    </message>
    <message id="31104">
        <source>All cameras</source>
        <extracomment>log viewer: camera filter entry that shows every camera</extracomment>
        <translation>모든 카메라</translation>
    </message>
    <message id="31105">
        <source>Motion event: %1 pictures</source>
        <extracomment>log viewer: description of a grouped motion event; %1 the number of pictures</extracomment>
        <translation>동작 이벤트: 사진 %1장</translation>
    </message>
    <message id="31106">
        <source>Nothing was recorded in that span.</source>
        <extracomment>log viewer: message when a clip cannot be exported because there is no recording</extracomment>
        <translation>해당 구간에 녹화된 내용이 없습니다.</translation>
    </message>
    <message id="31107">
        <source>The clip could not be written.</source>
        <extracomment>log viewer: message when the clip file cannot be read from or written</extracomment>
        <translation>클립을 쓸 수 없습니다.</translation>
    </message>
    <message id="31108">
        <source>The clip was written.</source>
        <extracomment>log viewer: message after a clip was exported</extracomment>
        <translation>클립을 저장했습니다.</translation>
    </message>
    <message id="31109">
        <source>Hold Shift and drag along a camera's row to choose the span first.</source>
        <extracomment>log viewer: message when Export clip is pressed with no span chosen</extracomment>
        <translation>먼저 Shift를 누른 채 카메라 행을 따라 끌어 구간을 선택하세요.</translation>
    </message>
    <message id="31110">
        <source>Step back one frame</source>
        <extracomment>log viewer: hint of the paused player's frame step back button</extracomment>
        <translation>한 프레임 뒤로</translation>
    </message>
    <message id="31111">
        <source>Step forward one frame</source>
        <extracomment>log viewer: hint of the paused player's frame step forward button</extracomment>
        <translation>한 프레임 앞으로</translation>
    </message>
    <message id="31112">
        <source>Click a row to play from that moment. Drag to move, wheel to zoom, Shift+drag to choose a span.</source>
        <extracomment>log viewer: hint above the timeline</extracomment>
        <translation>행을 클릭하면 그 시점부터 재생합니다. 끌어서 이동, 휠로 확대/축소, Shift+끌기로 구간을 선택합니다.</translation>
    </message>
    <message id="31113">
        <source>MP4 video (*.mp4)</source>
        <extracomment>log viewer: file type of the export dialog</extracomment>
        <translation>MP4 동영상 (*.mp4)</translation>
    </message>
    <message id="31114">
        <source>Motion event</source>
        <extracomment>timeline: hint of a motion event mark</extracomment>
        <translation>동작 이벤트</translation>
    </message>
    <message id="31115">
        <source>Picture</source>
        <extracomment>timeline: hint of a snapshot tick</extracomment>
        <translation>사진</translation>
    </message>
    <message id="31119">
        <source>Playback speed</source>
        <extracomment>log viewer: hint of the speed choice of the timeline player</extracomment>
        <translation>재생 속도</translation>
    </message>
    <message id="31120">
        <source>From here</source>
        <extracomment>log viewer: player button that marks the moment being played as the start of a clip</extracomment>
        <translation>여기부터</translation>
    </message>
    <message id="31121">
        <source>To here</source>
        <extracomment>log viewer: player button that marks the moment being played as the end of a clip</extracomment>
        <translation>여기까지</translation>
    </message>
    <message id="31122">
        <source>A recording of that span could not be read.</source>
        <extracomment>log viewer: message when a recording the clip is taken from cannot be opened</extracomment>
        <translation>해당 구간의 녹화를 읽을 수 없습니다.</translation>
    </message>
    <message id="31200">
        <source>Video format</source>
        <extracomment>recording page: label of the choice of the recordings' video format</extracomment>
        <translation>비디오 형식</translation>
    </message>
    <message id="31201">
        <source>MPEG-4 (plays everywhere)</source>
        <extracomment>recording page: video format choice, the default</extracomment>
        <translation>MPEG-4 (어디서나 재생)</translation>
    </message>
    <message id="31202">
        <source>H.264 (smaller files)</source>
        <extracomment>recording page: video format choice</extracomment>
        <translation>H.264 (더 작은 파일)</translation>
    </message>
    <message id="31203">
        <source>Seconds before motion</source>
        <extracomment>recording page: label of the seconds a motion recording begins before the motion</extracomment>
        <translation>움직임 전 초</translation>
    </message>
    <message id="31204">
        <source>A motion recording begins this many seconds before the motion was seen.</source>
        <extracomment>recording page: hint of the seconds before motion</extracomment>
        <translation>움직임 녹화는 움직임이 감지되기 이 초만큼 전부터 시작됩니다.</translation>
    </message>
    <message id="31220">
        <source>Record the camera's own stream</source>
        <extracomment>device page: check box, a network camera's H.264/H.265 stream is recorded as it came, without re-encoding</extracomment>
        <translation>카메라 자체 스트림 녹화</translation>
    </message>
    <message id="31221">
        <source>Smaller stream for detection (optional)</source>
        <extracomment>device page: label of the address of a second, smaller stream of the same camera used for the live picture and motion detection</extracomment>
        <translation>감지용 작은 스트림(선택 사항)</translation>
    </message>
</context>
</TS>
