<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name></name>
    <message id="1">
        <source>Program</source>
        <extracomment>log: source of program, recording, manual snapshot and broadcast events</extracomment>
        <translation>程式</translation>
    </message>
    <message id="2">
        <source>Program started</source>
        <extracomment>log: program start description</extracomment>
        <translation>程式啟動</translation>
    </message>
    <message id="3">
        <source>Scheduler</source>
        <extracomment>log: source of scheduled shutdown, daily clean-up and timed upload snapshot</extracomment>
        <translation>排程工作</translation>
    </message>
    <message id="4">
        <source>Program closed for scheduled shutdown</source>
        <extracomment>log: program exit at scheduled power-off description</extracomment>
        <translation>到達定時關機時間，程式結束</translation>
    </message>
    <message id="5">
        <source>Program closed</source>
        <extracomment>log: program exit description</extracomment>
        <translation>程式結束</translation>
    </message>
    <message id="6">
        <source>Motion detection</source>
        <extracomment>log: source of motion snapshot events</extracomment>
        <translation>移動偵測</translation>
    </message>
    <message id="7">
        <source>Motion recording</source>
        <extracomment>log: source of motion-triggered recording events</extracomment>
        <translation>移動偵測錄影</translation>
    </message>
    <message id="8">
        <source>Motion recording started</source>
        <extracomment>log: motion-triggered recording start description</extracomment>
        <translation>開始移動偵測錄影</translation>
    </message>
    <message id="9">
        <source>Motion recording stopped</source>
        <extracomment>log: motion-triggered recording stop description</extracomment>
        <translation>停止移動偵測錄影</translation>
    </message>
    <message id="10">
        <source>Motion detected</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>發現移動物體</translation>
    </message>
    <message id="11">
        <source>Motion ended</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>移動物體消失</translation>
    </message>
    <message id="12">
        <source>Picture taken</source>
        <extracomment>log: motion and manual snapshot description</extracomment>
        <translation>拍攝圖片</translation>
    </message>
    <message id="13">
        <source>Recording started</source>
        <extracomment>log: continuous recording start and new video file description</extracomment>
        <translation>開始錄影</translation>
    </message>
    <message id="14">
        <source>Recording stopped</source>
        <extracomment>log: continuous recording stop description</extracomment>
        <translation>停止錄影</translation>
    </message>
    <message id="15">
        <source>Camera stopped</source>
        <extracomment>log: camera stop source and description</extracomment>
        <translation>攝影機停止</translation>
    </message>
    <message id="16">
        <source>Camera started</source>
        <extracomment>log: camera start source and description</extracomment>
        <translation>攝影機啟動</translation>
    </message>
    <message id="17">
        <source>Snapshot</source>
        <extracomment>snapshot pop-up: window caption</extracomment>
        <translation>快照</translation>
    </message>
    <message id="18">
        <source>Picture taken for upload</source>
        <extracomment>log: timed and test upload snapshot description</extracomment>
        <translation>拍攝上傳圖片</translation>
    </message>
    <message id="19">
        <source>FTP upload succeeded</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>FTP 上傳成功</translation>
    </message>
    <message id="20">
        <source>FTP upload failed</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>FTP 上傳失敗</translation>
    </message>
    <message id="21">
        <source>Broadcast started</source>
        <extracomment>log: live broadcast start description</extracomment>
        <translation>開始網路直播</translation>
    </message>
    <message id="22">
        <source>Broadcast stopped</source>
        <extracomment>log: live broadcast stop description</extracomment>
        <translation>停止網路直播</translation>
    </message>
    <message id="100">
        <source>Trelvix</source>
        <extracomment>main window: application title, caption and tray tip</extracomment>
        <translation>Trelvix 監控</translation>
    </message>
    <message id="200">
        <source>System</source>
        <extracomment>settings window: system page title and navigation entry</extracomment>
        <translation>系統設定</translation>
    </message>
    <message id="207">
        <source>Always on top</source>
        <extracomment>system page: always-on-top check box (hidden)</extracomment>
        <translation>最上層顯示</translation>
    </message>
    <message id="212">
        <source>Start with the system</source>
        <extracomment>system page: start-with-session check box</extracomment>
        <translation>開機自動啟動</translation>
    </message>
    <message id="213">
        <source>Scheduled Shutdown</source>
        <extracomment>system page: shutdown group</extracomment>
        <translation>定時關機</translation>
    </message>
    <message id="214">
        <source>Enable</source>
        <extracomment>system page: shutdown enable check box</extracomment>
        <translation>啟用</translation>
    </message>
    <message id="215">
        <source>Shutdown time</source>
        <extracomment>system page: shutdown time label</extracomment>
        <translation>關機時間</translation>
    </message>
    <message id="216">
        <source>Every day</source>
        <extracomment>system page: daily shutdown check box</extracomment>
        <translation>每天</translation>
    </message>
    <message id="217">
        <source>Password Protection</source>
        <extracomment>system page: password group</extracomment>
        <translation>密碼保護</translation>
    </message>
    <message id="218">
        <source>Enable</source>
        <extracomment>system page: password enable check box</extracomment>
        <translation>啟用</translation>
    </message>
    <message id="219">
        <source>Password</source>
        <extracomment>system page: password entry label</extracomment>
        <translation>輸入密碼</translation>
    </message>
    <message id="220">
        <source>Confirm password</source>
        <extracomment>system page: password confirmation label</extracomment>
        <translation>確認密碼</translation>
    </message>
    <message id="221">
        <source>Log folder</source>
        <extracomment>system page: log folder label</extracomment>
        <translation>系統日誌存放路徑</translation>
    </message>
    <message id="222">
        <source>Days of history to keep</source>
        <extracomment>system page: history days label</extracomment>
        <translation>保存歷史記錄天數</translation>
    </message>
    <message id="223">
        <source>Browse...</source>
        <extracomment>system page: log folder button</extracomment>
        <translation>選擇目錄</translation>
    </message>
    <message id="227">
        <source>Number of Cameras</source>
        <extracomment>system page: camera grid group</extracomment>
        <translation>攝影機個數</translation>
    </message>
    <message id="228">
        <source>Rows</source>
        <extracomment>system page: grid rows label</extracomment>
        <translation>列數</translation>
    </message>
    <message id="229">
        <source>Columns</source>
        <extracomment>system page: grid columns label</extracomment>
        <translation>欄數</translation>
    </message>
    <message id="231">
        <source>OK</source>
        <extracomment>system page: OK button</extracomment>
        <translation>確定</translation>
    </message>
    <message id="400">
        <source>Device Settings</source>
        <extracomment>settings window: caption</extracomment>
        <translation>裝置設定</translation>
    </message>
    <message id="402">
        <source>Available devices</source>
        <extracomment>settings window: camera chooser label</extracomment>
        <translation>可用的裝置</translation>
    </message>
    <message id="404">
        <source>Apply current settings to all cameras</source>
        <extracomment>settings window: apply-to-all check box</extracomment>
        <translation>目前設定套用到所有攝影機</translation>
    </message>
    <message id="405">
        <source>Device Properties</source>
        <extracomment>settings window: device properties button</extracomment>
        <translation>裝置內容</translation>
    </message>
    <message id="419">
        <source>Step</source>
        <extracomment>overlay page: arrow step label</extracomment>
        <translation>調整步幅</translation>
    </message>
    <message id="420">
        <source>Overlay</source>
        <extracomment>settings window: overlay page title and navigation entry</extracomment>
        <translation>畫面疊加</translation>
    </message>
    <message id="421">
        <source>Show Time</source>
        <extracomment>overlay page: time group</extracomment>
        <translation>顯示時間</translation>
    </message>
    <message id="422">
        <source>Format</source>
        <extracomment>overlay page: time format label</extracomment>
        <translation>格式</translation>
    </message>
    <message id="423">
        <source>Font</source>
        <extracomment>overlay page: time font button</extracomment>
        <translation>字型</translation>
    </message>
    <message id="425">
        <source>Position</source>
        <extracomment>overlay page: time and guide-line position labels</extracomment>
        <translation>位置</translation>
    </message>
    <message id="426">
        <source>Enable</source>
        <extracomment>overlay page: show-time check box</extracomment>
        <translation>啟用</translation>
    </message>
    <message id="428">
        <source>Caption</source>
        <extracomment>overlay page: caption text label (replaced by 30002)</extracomment>
        <translation>字幕</translation>
    </message>
    <message id="429">
        <source>Font</source>
        <extracomment>overlay page: caption font button</extracomment>
        <translation>字型</translation>
    </message>
    <message id="431">
        <source>Apply</source>
        <extracomment>overlay page: caption apply button</extracomment>
        <translation>確定修改</translation>
    </message>
    <message id="432">
        <source>Position</source>
        <extracomment>overlay page: caption position label</extracomment>
        <translation>位置</translation>
    </message>
    <message id="434">
        <source>Picture folder</source>
        <extracomment>recording page: picture folder label</extracomment>
        <translation>圖片存放</translation>
    </message>
    <message id="437">
        <source>Recording</source>
        <extracomment>settings window: recording page title and navigation entry</extracomment>
        <translation>錄影設定</translation>
    </message>
    <message id="438">
        <source>Video folder</source>
        <extracomment>recording page: video folder label</extracomment>
        <translation>錄影存放</translation>
    </message>
    <message id="439">
        <source>Browse...</source>
        <extracomment>recording page: video folder button</extracomment>
        <translation>選擇目錄</translation>
    </message>
    <message id="440">
        <source>Browse...</source>
        <extracomment>recording page: picture folder button</extracomment>
        <translation>選擇目錄</translation>
    </message>
    <message id="441">
        <source>The folder cannot be created or written. The previous folder is kept.</source>
        <extracomment>recording page: unusable folder message</extracomment>
        <translation>無法建立或寫入該資料夾，仍使用原來的資料夾。</translation>
    </message>
    <message id="447">
        <source>Sensitivity (lower is more sensitive)</source>
        <extracomment>motion page: sensitivity label</extracomment>
        <translation>靈敏值（越小越靈敏）</translation>
    </message>
    <message id="448">
        <source>Region color</source>
        <extracomment>motion page: region colour label</extracomment>
        <translation>區域顏色</translation>
    </message>
    <message id="449">
        <source>Red</source>
        <extracomment>motion page: red region button</extracomment>
        <translation>紅</translation>
    </message>
    <message id="450">
        <source>Green</source>
        <extracomment>motion page: green region button</extracomment>
        <translation>綠</translation>
    </message>
    <message id="451">
        <source>Blue</source>
        <extracomment>motion page: blue region button</extracomment>
        <translation>藍</translation>
    </message>
    <message id="452">
        <source>Detection interval (s)</source>
        <extracomment>motion page: detection interval label</extracomment>
        <translation>偵測間隔（秒）</translation>
    </message>
    <message id="453">
        <source>Motion Detection</source>
        <extracomment>settings window: motion page title and navigation entry</extracomment>
        <translation>移動偵測</translation>
    </message>
    <message id="454">
        <source>Record on motion, stop after</source>
        <extracomment>motion page: record-on-motion sentence, first part</extracomment>
        <translation>發現移動物體時錄影，持續</translation>
    </message>
    <message id="455">
        <source>seconds without motion.</source>
        <extracomment>motion page: record-on-motion sentence, second part</extracomment>
        <translation>秒無移動則停止。</translation>
    </message>
    <message id="456">
        <source>Motion Sound</source>
        <extracomment>motion page: sound group</extracomment>
        <translation>移動偵測音效</translation>
    </message>
    <message id="457">
        <source>Sound:</source>
        <extracomment>motion page: sound label</extracomment>
        <translation>聲音：</translation>
    </message>
    <message id="458">
        <source>Browse...</source>
        <extracomment>motion page: sound browse button</extracomment>
        <translation>瀏覽...</translation>
    </message>
    <message id="459">
        <source>No picture on motion</source>
        <extracomment>motion page: no-picture check box</extracomment>
        <translation>發現移動物體不拍照</translation>
    </message>
    <message id="460">
        <source>Run Program on Motion</source>
        <extracomment>motion page: external program group</extracomment>
        <translation>移動偵測執行外部程式</translation>
    </message>
    <message id="461">
        <source>Program:</source>
        <extracomment>motion page: program label</extracomment>
        <translation>程式名稱：</translation>
    </message>
    <message id="462">
        <source>Window:</source>
        <extracomment>motion page: run mode label</extracomment>
        <translation>執行方式：</translation>
    </message>
    <message id="463">
        <source>Parameters:</source>
        <extracomment>motion page: program parameters label</extracomment>
        <translation>程式參數：</translation>
    </message>
    <message id="464">
        <source>Browse...</source>
        <extracomment>motion page: program browse button</extracomment>
        <translation>瀏覽...</translation>
    </message>
    <message id="468">
        <source>Enable</source>
        <extracomment>motion page: run-program check box</extracomment>
        <translation>啟用</translation>
    </message>
    <message id="469">
        <source>Enable</source>
        <extracomment>motion page: play-sound check box</extracomment>
        <translation>啟用</translation>
    </message>
    <message id="486">
        <source>Select Video Folder</source>
        <extracomment>recording page: video folder dialog title</extracomment>
        <translation>選擇錄影存放目錄</translation>
    </message>
    <message id="487">
        <source>Select Picture Folder</source>
        <extracomment>recording page: picture folder dialog title</extracomment>
        <translation>選擇圖片存放目錄</translation>
    </message>
    <message id="488">
        <source>Apply the current camera's settings to all cameras?</source>
        <extracomment>settings window: apply-to-all question</extracomment>
        <translation>是否將目前攝影機的設定套用到所有攝影機？</translation>
    </message>
    <message id="489">
        <source>Apply to All Cameras</source>
        <extracomment>settings window: apply-to-all question caption</extracomment>
        <translation>套用到所有攝影機</translation>
    </message>
    <message id="490">
        <source>Wave sounds (*.wav);;All files (*)</source>
        <extracomment>motion page: sound file dialog filter</extracomment>
        <translation>聲音檔 (*.wav);;所有檔案 (*)</translation>
    </message>
    <message id="491">
        <source>Programs (*);;Shell scripts (*.sh)</source>
        <extracomment>motion page: program file dialog filter</extracomment>
        <translation>程式 (*);;指令碼 (*.sh)</translation>
    </message>
    <message id="494">
        <source>Normal window</source>
        <extracomment>motion page: run mode item 0</extracomment>
        <translation>一般視窗</translation>
    </message>
    <message id="495">
        <source>Minimized</source>
        <extracomment>motion page: run mode item 1</extracomment>
        <translation>最小化</translation>
    </message>
    <message id="496">
        <source>Maximized</source>
        <extracomment>motion page: run mode item 2</extracomment>
        <translation>最大化</translation>
    </message>
    <message id="500">
        <source>Excluded Devices</source>
        <extracomment>settings window: device exclusion page title and navigation entry</extracomment>
        <translation>停用裝置</translation>
    </message>
    <message id="501">
        <source>Device ID</source>
        <extracomment>device page: device id label</extracomment>
        <translation>裝置 ID</translation>
    </message>
    <message id="502">
        <source>System devices</source>
        <extracomment>device page: list heading</extracomment>
        <translation>系統裝置清單</translation>
    </message>
    <message id="503">
        <source>Check the devices not to use.</source>
        <extracomment>device page: instruction</extracomment>
        <translation>請勾選不使用的裝置。</translation>
    </message>
    <message id="505">
        <source>OK</source>
        <extracomment>device page: OK button</extracomment>
        <translation>確定</translation>
    </message>
    <message id="600">
        <source>Event Log</source>
        <extracomment>log viewer: window caption</extracomment>
        <translation>系統日誌</translation>
    </message>
    <message id="601">
        <source>Log date</source>
        <extracomment>log viewer: date label</extracomment>
        <translation>日誌日期</translation>
    </message>
    <message id="602">
        <source>Double-click to play, right-click for more</source>
        <extracomment>log viewer: usage hint</extracomment>
        <translation>按兩下播放，按右鍵取得更多功能</translation>
    </message>
    <message id="603">
        <source>Refresh</source>
        <extracomment>log viewer: refresh button</extracomment>
        <translation>重新整理</translation>
    </message>
    <message id="604">
        <source>Previous Day</source>
        <extracomment>log viewer: previous day button</extracomment>
        <translation>前一天</translation>
    </message>
    <message id="605">
        <source>Next Day</source>
        <extracomment>log viewer: next day button</extracomment>
        <translation>後一天</translation>
    </message>
    <message id="606">
        <source>Clear</source>
        <extracomment>log viewer: delete-all button</extracomment>
        <translation>清空</translation>
    </message>
    <message id="607">
        <source>Only entries with files</source>
        <extracomment>log viewer: file filter check box</extracomment>
        <translation>只顯示有檔案的日誌</translation>
    </message>
    <message id="608">
        <source>Open File</source>
        <extracomment>log viewer: menu open file</extracomment>
        <translation>開啟檔案</translation>
    </message>
    <message id="609">
        <source>Delete Selected</source>
        <extracomment>log viewer: menu delete selected</extracomment>
        <translation>刪除選定項目</translation>
    </message>
    <message id="610">
        <source>Open Folder</source>
        <extracomment>log viewer: menu open folder</extracomment>
        <translation>開啟資料夾</translation>
    </message>
    <message id="611">
        <source>Delete All</source>
        <extracomment>log viewer: menu delete all</extracomment>
        <translation>全部刪除</translation>
    </message>
    <message id="612">
        <source>Source</source>
        <extracomment>log viewer: source column</extracomment>
        <translation>來源</translation>
    </message>
    <message id="613">
        <source>Date</source>
        <extracomment>log viewer: date column</extracomment>
        <translation>日期</translation>
    </message>
    <message id="614">
        <source>Time</source>
        <extracomment>log viewer: time column</extracomment>
        <translation>時間</translation>
    </message>
    <message id="615">
        <source>Camera</source>
        <extracomment>log viewer: camera name column</extracomment>
        <translation>攝影機</translation>
    </message>
    <message id="616">
        <source>Description</source>
        <extracomment>log viewer: description column</extracomment>
        <translation>事件描述</translation>
    </message>
    <message id="617">
        <source>Camera No.</source>
        <extracomment>log viewer: camera number column</extracomment>
        <translation>攝影機編號</translation>
    </message>
    <message id="618">
        <source>File</source>
        <extracomment>log viewer: file path column</extracomment>
        <translation>檔案路徑</translation>
    </message>
    <message id="619">
        <source>Only motion pictures</source>
        <extracomment>log viewer: motion filter check box (hidden)</extracomment>
        <translation>只顯示移動偵測圖片</translation>
    </message>
    <message id="620">
        <source>Play</source>
        <extracomment>log viewer: play button hint</extracomment>
        <translation>播放</translation>
    </message>
    <message id="621">
        <source>Pause/Play</source>
        <extracomment>log viewer: pause button hint</extracomment>
        <translation>暫停/播放</translation>
    </message>
    <message id="622">
        <source>Stop</source>
        <extracomment>log viewer: stop button hint</extracomment>
        <translation>停止</translation>
    </message>
    <message id="623">
        <source>Faster</source>
        <extracomment>log viewer: faster button hint</extracomment>
        <translation>加速播放</translation>
    </message>
    <message id="624">
        <source>Slower</source>
        <extracomment>log viewer: slower button hint</extracomment>
        <translation>減速播放</translation>
    </message>
    <message id="700">
        <source>Enter Password</source>
        <extracomment>password dialog: caption</extracomment>
        <translation>密碼輸入</translation>
    </message>
    <message id="701">
        <source>Password</source>
        <extracomment>password dialog: label</extracomment>
        <translation>密碼</translation>
    </message>
    <message id="702">
        <source>OK</source>
        <extracomment>password dialog: OK button</extracomment>
        <translation>確定</translation>
    </message>
    <message id="703">
        <source>The passwords differ or are empty. System settings were not saved.</source>
        <extracomment>system page: password mismatch message</extracomment>
        <translation>兩次輸入的密碼不一致或為空，系統設定未儲存。</translation>
    </message>
    <message id="1000">
        <source>FTP Upload</source>
        <extracomment>settings window: FTP page title and navigation entry</extracomment>
        <translation>FTP 上傳</translation>
    </message>
    <message id="1001">
        <source>Host</source>
        <extracomment>FTP page: host label</extracomment>
        <translation>位址</translation>
    </message>
    <message id="1002">
        <source>Port</source>
        <extracomment>FTP page: port label</extracomment>
        <translation>連接埠</translation>
    </message>
    <message id="1003">
        <source>User name</source>
        <extracomment>FTP page: user label</extracomment>
        <translation>使用者名稱</translation>
    </message>
    <message id="1004">
        <source>Password</source>
        <extracomment>FTP page: password label</extracomment>
        <translation>密碼</translation>
    </message>
    <message id="1005">
        <source>Upload folder</source>
        <extracomment>FTP page: upload folder label</extracomment>
        <translation>上傳到資料夾</translation>
    </message>
    <message id="1006">
        <source>Choose FTP Folder...</source>
        <extracomment>FTP page: folder browser button</extracomment>
        <translation>選擇 FTP 上傳資料夾...</translation>
    </message>
    <message id="1007">
        <source>Timed Snapshots</source>
        <extracomment>FTP page: timed snapshot group</extracomment>
        <translation>定時拍照</translation>
    </message>
    <message id="1008">
        <source>Snapshot interval (s)</source>
        <extracomment>FTP page: snapshot interval label</extracomment>
        <translation>拍照間隔時間（秒）</translation>
    </message>
    <message id="1009">
        <source>Upload interval (s)</source>
        <extracomment>FTP page: upload interval label</extracomment>
        <translation>上傳間隔時間（秒）</translation>
    </message>
    <message id="1010">
        <source>Pictures per upload</source>
        <extracomment>FTP page: batch size label</extracomment>
        <translation>一次上傳數量（張）</translation>
    </message>
    <message id="1011">
        <source>Upload File Options</source>
        <extracomment>FTP page: file options group</extracomment>
        <translation>上傳檔案設定</translation>
    </message>
    <message id="1012">
        <source>Create a folder per day</source>
        <extracomment>FTP page: day folder check box</extracomment>
        <translation>自動建立日期資料夾</translation>
    </message>
    <message id="1013">
        <source>Use a fixed file name</source>
        <extracomment>FTP page: fixed name check box</extracomment>
        <translation>圖片儲存為固定檔名</translation>
    </message>
    <message id="1014">
        <source>File name</source>
        <extracomment>FTP page: fixed file name label</extracomment>
        <translation>檔名</translation>
    </message>
    <message id="1015">
        <source>Upload motion pictures</source>
        <extracomment>FTP page: motion picture upload check box</extracomment>
        <translation>上傳移動偵測圖片</translation>
    </message>
    <message id="1016">
        <source>Close</source>
        <extracomment>FTP folder browser: close button hint (suggested use)</extracomment>
        <translation>關閉</translation>
    </message>
    <message id="1017">
        <source>Use This Folder</source>
        <extracomment>FTP folder browser: take-folder button hint (suggested use)</extracomment>
        <translation>使用此資料夾</translation>
    </message>
    <message id="1018">
        <source>Log In to FTP Server...</source>
        <extracomment>FTP folder browser: login button</extracomment>
        <translation>登入 FTP 主機...</translation>
    </message>
    <message id="1019">
        <source>Choose FTP folder</source>
        <extracomment>FTP folder browser: tree label</extracomment>
        <translation>選擇 FTP 資料夾</translation>
    </message>
    <message id="1020">
        <source>Upload folder</source>
        <extracomment>FTP folder browser: picked folder label</extracomment>
        <translation>上傳到資料夾</translation>
    </message>
    <message id="1021">
        <source>Test Snapshot Upload</source>
        <extracomment>FTP folder browser: test upload button</extracomment>
        <translation>測試拍照上傳到 FTP</translation>
    </message>
    <message id="1022">
        <source>Message</source>
        <extracomment>FTP folder browser: message column</extracomment>
        <translation>訊息</translation>
    </message>
    <message id="1023">
        <source>Time</source>
        <extracomment>FTP folder browser: time column</extracomment>
        <translation>時間</translation>
    </message>
    <message id="2000">
        <source>Live Broadcast</source>
        <extracomment>settings window: broadcast page title and navigation entry</extracomment>
        <translation>網路直播</translation>
    </message>
    <message id="2002">
        <source>Broadcast port</source>
        <extracomment>broadcast page: port label</extracomment>
        <translation>直播連接埠</translation>
    </message>
    <message id="2003">
        <source>Maximum viewers</source>
        <extracomment>broadcast page: max viewers label</extracomment>
        <translation>最多用戶端數</translation>
    </message>
    <message id="2004">
        <source>Include audio</source>
        <extracomment>broadcast page: audio check box</extracomment>
        <translation>直播包含音訊</translation>
    </message>
    <message id="2008">
        <source>Test</source>
        <extracomment>broadcast page: test button</extracomment>
        <translation>測試</translation>
    </message>
    <message id="2010">
        <source>This is a handy feature: it broadcasts the camera's live picture over the network, so that anyone who can reach this computer can watch it from afar with a media player such as VLC or Windows Media Player (open the address as a network stream). Once the broadcast runs, two addresses appear: a public one and a private one. On a local network use the private address; otherwise use the public one. About the settings: on a slow network leave "Include audio" off; where the network allows, choose the highest bit rate you can. Adjust the values to your surroundings for the best result.</source>
        <extracomment>broadcast page: explanation</extracomment>
        <translation>這是一個很實用的功能：它可以把攝影機的即時畫面透過網路直播出去，只要網路能連到這台電腦，任何人都可以用 VLC 或 Windows Media Player 等媒體播放器在遠端觀看（把位址當作網路串流開啟）。啟動直播後會出現兩個位址：一個公用位址和一個私人位址。在區域網路內請使用私人位址，否則請使用公用位址。關於參數設定：網路較慢的地方請不要勾選「直播包含音訊」；網路允許時請盡量選擇較高的位元速率。依照您的環境適當調整，可以獲得較好的效果。</translation>
    </message>
    <message id="2017">
        <source>Picture size</source>
        <extracomment>broadcast page: size label</extracomment>
        <translation>視訊大小</translation>
    </message>
    <message id="2018">
        <source>Frame rate</source>
        <extracomment>broadcast page: frame rate label</extracomment>
        <translation>影格速率</translation>
    </message>
    <message id="2019">
        <source>Video quality (bit rate)</source>
        <extracomment>broadcast page: bit rate label</extracomment>
        <translation>視訊品質（位元速率）</translation>
    </message>
    <message id="2020">
        <source>Low</source>
        <extracomment>broadcast page: bit rate low end</extracomment>
        <translation>低</translation>
    </message>
    <message id="2021">
        <source>Medium</source>
        <extracomment>broadcast page: bit rate middle</extracomment>
        <translation>中</translation>
    </message>
    <message id="2022">
        <source>High</source>
        <extracomment>broadcast page: bit rate high end</extracomment>
        <translation>高</translation>
    </message>
    <message id="9000">
        <source>Enter the FTP server address and port first.</source>
        <extracomment>FTP page: missing host or port message</extracomment>
        <translation>請先輸入 FTP 伺服器位址和連接埠。</translation>
    </message>
    <message id="9001">
        <source>History before</source>
        <extracomment>log: daily clean-up description, before the date</extracomment>
        <translation>已刪除</translation>
    </message>
    <message id="9002">
        <source>was deleted</source>
        <extracomment>log: daily clean-up description, after the date</extracomment>
        <translation>之前的歷史記錄</translation>
    </message>
    <message id="30001">
        <source>Caption</source>
        <extracomment>overlay page: caption group</extracomment>
        <translation>字幕設定</translation>
    </message>
    <message id="30002">
        <source>Caption text</source>
        <extracomment>overlay page: caption text label</extracomment>
        <translation>字幕內容</translation>
    </message>
    <message id="30003">
        <source>Normal</source>
        <extracomment>overlay page: orientation normal</extracomment>
        <translation>正常</translation>
    </message>
    <message id="30004">
        <source>Flip vertically</source>
        <extracomment>overlay page: orientation flipped</extracomment>
        <translation>上下翻轉</translation>
    </message>
    <message id="30005">
        <source>Mirror horizontally</source>
        <extracomment>overlay page: orientation mirrored</extracomment>
        <translation>左右翻轉</translation>
    </message>
    <message id="30006">
        <source>Show guide lines</source>
        <extracomment>overlay page: guide line check box</extracomment>
        <translation>顯示標尺</translation>
    </message>
    <message id="30007">
        <source>Line</source>
        <extracomment>overlay page: guide line chooser label</extracomment>
        <translation>標線</translation>
    </message>
    <message id="30008">
        <source>Color</source>
        <extracomment>overlay page: guide line colour button</extracomment>
        <translation>顏色</translation>
    </message>
    <message id="30009">
        <source>Record when the program starts</source>
        <extracomment>overlay page: auto record check box</extracomment>
        <translation>程式啟動時自動錄影</translation>
    </message>
    <message id="30010">
        <source>Turning the picture uses more CPU.</source>
        <extracomment>overlay page: orientation note</extracomment>
        <translation>旋轉畫面會消耗更多資源。</translation>
    </message>
    <message id="30011">
        <source>Use this feature with care while driving.</source>
        <extracomment>motion page: driving note</extracomment>
        <translation>溫馨提醒，開車時請謹慎使用此功能。</translation>
    </message>
    <message id="30012">
        <source>Enable motion detection</source>
        <extracomment>motion page: enable check box</extracomment>
        <translation>開啟移動偵測</translation>
    </message>
    <message id="30013">
        <source>Video quality</source>
        <extracomment>recording page: quality label</extracomment>
        <translation>錄影品質</translation>
    </message>
    <message id="30014">
        <source>Good</source>
        <extracomment>recording page: quality bar good end</extracomment>
        <translation>好</translation>
    </message>
    <message id="30015">
        <source>Poor</source>
        <extracomment>recording page: quality bar poor end</extracomment>
        <translation>差</translation>
    </message>
    <message id="30016">
        <source>Video file length (minutes)</source>
        <extracomment>recording page: file length label</extracomment>
        <translation>錄影檔長度（分鐘）</translation>
    </message>
    <message id="30017">
        <source>Enable FTP upload</source>
        <extracomment>FTP page: start upload check box</extracomment>
        <translation>啟動 FTP 上傳功能</translation>
    </message>
    <message id="30018">
        <source>Minimize to tray after start</source>
        <extracomment>system page: tray check box</extracomment>
        <translation>啟動後縮小到系統匣</translation>
    </message>
    <message id="30019">
        <source>5-meter line</source>
        <extracomment>overlay page: guide line item 0</extracomment>
        <translation>五公尺線</translation>
    </message>
    <message id="30020">
        <source>10-meter line</source>
        <extracomment>overlay page: guide line item 1</extracomment>
        <translation>十公尺線</translation>
    </message>
    <message id="30021">
        <source>This page comes in a later version.</source>
        <extracomment>settings window: page not yet available</extracomment>
        <translation>此頁面將在以後的版本中提供。</translation>
    </message>
    <message id="30022">
        <source>Text color...</source>
        <extracomment>font dialog: text colour button</extracomment>
        <translation>文字顏色...</translation>
    </message>
    <message id="30100">
        <source>Delete old recordings when free space on the recording drive is below</source>
        <extracomment>system page: disk space limit label</extracomment>
        <translation>刪除舊的錄影檔，當錄影所在磁碟空間低於</translation>
    </message>
    <message id="30101">
        <source>The log folder must be a writable folder other than the root folder. The previous log folder is kept.</source>
        <extracomment>system page: refused log folder message</extracomment>
        <translation>日誌資料夾必須是可寫入的資料夾，且不能是根目錄。已保留原來的日誌資料夾。</translation>
    </message>
    <message id="30102">
        <source>The settings could not be saved.</source>
        <extracomment>system page: settings file write failure message</extracomment>
        <translation>無法儲存設定。</translation>
    </message>
    <message id="30300">
        <source>Brightness</source>
        <extracomment>image parameters: brightness label</extracomment>
        <translation>亮度</translation>
    </message>
    <message id="30301">
        <source>Contrast</source>
        <extracomment>image parameters: contrast label</extracomment>
        <translation>對比</translation>
    </message>
    <message id="30302">
        <source>Saturation</source>
        <extracomment>image parameters: saturation label</extracomment>
        <translation>飽和度</translation>
    </message>
    <message id="30303">
        <source>Hue</source>
        <extracomment>image parameters: hue label</extracomment>
        <translation>色調</translation>
    </message>
    <message id="30304">
        <source>Sharpness</source>
        <extracomment>image parameters: sharpness label</extracomment>
        <translation>銳利度</translation>
    </message>
    <message id="30305">
        <source>Gamma</source>
        <extracomment>image parameters: gamma label</extracomment>
        <translation>伽瑪值</translation>
    </message>
    <message id="30306">
        <source>Image Adjustment</source>
        <extracomment>image parameters: dialog heading</extracomment>
        <translation>影像調整</translation>
    </message>
    <message id="30307">
        <source>Close</source>
        <extracomment>image parameters and device properties: close button</extracomment>
        <translation>關閉</translation>
    </message>
    <message id="30308">
        <source>This device offers no adjustable properties right now.</source>
        <extracomment>device properties: no controls (camera stopped or none reported)</extracomment>
        <translation>此裝置目前沒有可調整的內容。</translation>
    </message>
    <message id="30309">
        <source>Defaults</source>
        <extracomment>device properties: restore every control's default</extracomment>
        <translation>預設值</translation>
    </message>
    <message id="30400">
        <source>Trelvix live broadcast</source>
        <extracomment>broadcast: stream title, followed by the date</extracomment>
        <translation>Trelvix 即時直播</translation>
    </message>
    <message id="30401">
        <source>Live picture of a surveillance camera</source>
        <extracomment>broadcast: stream description</extracomment>
        <translation>監控攝影機的即時畫面</translation>
    </message>
    <message id="30402">
        <source>Broadcast could not start</source>
        <extracomment>log and message: a broadcast failed to start, followed by the reason</extracomment>
        <translation>直播無法啟動</translation>
    </message>
    <message id="30403">
        <source>The camera delivers no picture.</source>
        <extracomment>broadcast: reason why it could not start</extracomment>
        <translation>攝影機沒有畫面。</translation>
    </message>
    <message id="30404">
        <source>Open in the media player</source>
        <extracomment>broadcast page: tooltip of the two address buttons</extracomment>
        <translation>在媒體播放器中開啟</translation>
    </message>
    <message id="30200">
        <source>The port must be a number from 1 to 65535: %1</source>
        <extracomment>FTP page: message for a port that is not a number</extracomment>
        <translation>連接埠必須是 1 到 65535 之間的數字：%1</translation>
    </message>
    <message id="30201">
        <source>No picture to upload: the camera has not stored one yet.</source>
        <extracomment>FTP page: test pass without a picture</extracomment>
        <translation>沒有可上傳的圖片：攝影機尚未儲存圖片。</translation>
    </message>
    <message id="30600">
        <source>Broadcast without sound</source>
        <extracomment>log: a broadcast with sound on started with pictures only, followed by the reason</extracomment>
        <translation>直播不含聲音</translation>
    </message>
    <message id="30601">
        <source>Broadcast sound stopped</source>
        <extracomment>log: the sound device of a running broadcast failed, followed by the reason</extracomment>
        <translation>直播聲音已中斷</translation>
    </message>
    <message id="30800">
        <source>Recording paused: the disk is full</source>
        <extracomment>log: a camera's recording stopped for want of disk space; the file column names the folder</extracomment>
        <translation>錄影已暫停：磁碟已滿</translation>
    </message>
    <message id="30801">
        <source>Recording resumed</source>
        <extracomment>log: recording goes on once the disk has room again; the file column names the folder</extracomment>
        <translation>錄影已恢復</translation>
    </message>
    <message id="30802">
        <source>Take a picture with the selected camera</source>
        <extracomment>main window: tooltip of the snapshot button</extracomment>
        <translation>用所選攝影機拍照</translation>
    </message>
    <message id="30803">
        <source>Start or stop the selected camera's broadcast</source>
        <extracomment>main window: tooltip of the broadcast button</extracomment>
        <translation>開始或停止所選攝影機的直播</translation>
    </message>
    <message id="30804">
        <source>Open the log of events and recordings</source>
        <extracomment>main window: tooltip of the log viewer button</extracomment>
        <translation>開啟事件與錄影日誌</translation>
    </message>
    <message id="30805">
        <source>Adjust the selected camera's picture</source>
        <extracomment>main window: tooltip of the image parameters button</extracomment>
        <translation>調整所選攝影機的畫面</translation>
    </message>
    <message id="30806">
        <source>Open the settings</source>
        <extracomment>main window: tooltip of the settings button</extracomment>
        <translation>開啟設定</translation>
    </message>
    <message id="30807">
        <source>Stop or start the selected camera</source>
        <extracomment>main window: tooltip of the camera stop/start button</extracomment>
        <translation>停止或啟動所選攝影機</translation>
    </message>
    <message id="30808">
        <source>Exit the program</source>
        <extracomment>main window: tooltip of the exit button</extracomment>
        <translation>結束程式</translation>
    </message>
    <message id="30809">
        <source>Camera: %1</source>
        <extracomment>image parameters: which camera the dialog adjusts; %1 is the camera's caption</extracomment>
        <translation>攝影機：%1</translation>
    </message>
    <message id="30750">
        <source>Free space:</source>
        <extracomment>main window: disk label before the free space of a camera's recording drive, e.g. 77G</extracomment>
        <translation>剩餘空間:</translation>
    </message>
    <message id="30751">
        <source>Wrong password.</source>
        <extracomment>password prompt: message after a wrong or empty entry</extracomment>
        <translation>密碼錯誤。</translation>
    </message>
    <message id="30752">
        <source>Frame rate</source>
        <extracomment>recording page: label of the recording frame rate</extracomment>
        <translation>影格速率</translation>
    </message>
    <message id="30753">
        <source>If recordings play back too slowly (like slow motion), raise the frame rate; if too fast, lower it.</source>
        <extracomment>recording page: red hint under the frame rate</extracomment>
        <translation>如果錄影回放很慢（像慢動作），請調高影格速率；反之請調低。</translation>
    </message>
    <message id="30754">
        <source>Compression</source>
        <extracomment>recording page: label of the compression, never shown</extracomment>
        <translation>壓縮</translation>
    </message>
    <message id="30755">
        <source>Device Properties</source>
        <extracomment>device properties window: title</extracomment>
        <translation>裝置內容</translation>
    </message>
    <message id="30756">
        <source>Low disk space!</source>
        <extracomment>main window: warning while the disk clean-up finds too little space</extracomment>
        <translation>磁碟空間不足！</translation>
    </message>
    <message id="30757">
        <source>Playback failed. Check whether the file was deleted; a file that is still being recorded cannot be played.</source>
        <extracomment>log viewer: message when a file cannot be played</extracomment>
        <translation>播放失敗，請檢查檔案是否已被刪除，或正在錄製的檔案無法播放。</translation>
    </message>
    <message id="30758">
        <source>The file could not be copied.</source>
        <extracomment>motion page: a chosen sound could not be copied into the sound folder</extracomment>
        <translation>檔案複製失敗。</translation>
    </message>
    <message id="30759">
        <source>The surveillance program has closed; the computer shuts down in 60 seconds.</source>
        <extracomment>scheduled power-off: the message the shutdown command shows to logged-in users</extracomment>
        <translation>監控程式已結束，電腦將在60秒後關機。</translation>
    </message>
    <message id="30760">
        <source>Welcome</source>
        <extracomment>motion page: name shown in the sound list for the default motion sound</extracomment>
        <translation>歡迎光臨</translation>
    </message>
    <message id="30761">
        <source>Camera shutter</source>
        <extracomment>motion page: name shown in the sound list for the default snapshot sound</extracomment>
        <translation>拍照喀嚓</translation>
    </message>
    <message id="30762">
        <source>Trelvix goes on recording in the background. Click its icon here to open the window again.</source>
        <extracomment>tray: message shown the first time the main window is hidden to the notification area</extracomment>
        <translation>Trelvix 仍在背景錄影。按一下此處的圖示可重新開啟視窗。</translation>
    </message>
    <message id="30700">
        <source>The network camera list is larger than 1 MiB: it was not read and is kept as it is</source>
        <extracomment>log: netcams.txt is too large to read; followed by its path</extracomment>
        <translation>網路攝影機清單超過 1 MiB：未讀取，保持原樣</translation>
    </message>
    <message id="30701">
        <source>Viewers need a password</source>
        <extracomment>broadcast page: check box, viewers must give the password beside it</extracomment>
        <translation>觀看者需要密碼</translation>
    </message>
    <message id="30702">
        <source>Reachable from</source>
        <extracomment>broadcast page: label of the choice who can reach the broadcast</extracomment>
        <translation>可存取範圍</translation>
    </message>
    <message id="30703">
        <source>This computer only</source>
        <extracomment>broadcast page: the broadcast is served on 127.0.0.1 alone</extracomment>
        <translation>僅限本機</translation>
    </message>
    <message id="30704">
        <source>Local network</source>
        <extracomment>broadcast page: the broadcast is served on every network address</extracomment>
        <translation>區域網路</translation>
    </message>
    <message id="30500">
        <source>Network camera</source>
        <extracomment>log: source of a network camera's stream lost and back events</extracomment>
        <translation>網路攝影機</translation>
    </message>
    <message id="30501">
        <source>Stream lost, reconnecting</source>
        <extracomment>log: a network camera's stream was lost or could not be reached</extracomment>
        <translation>串流中斷，正在重新連線</translation>
    </message>
    <message id="30502">
        <source>Stream back</source>
        <extracomment>log: a network camera's stream delivers pictures again</extracomment>
        <translation>串流已恢復</translation>
    </message>
    <message id="30503">
        <source>Reconnecting…</source>
        <extracomment>camera picture: written over the greyed last picture while a network camera reconnects</extracomment>
        <translation>正在重新連線…</translation>
    </message>
    <message id="30504">
        <source>Network cameras</source>
        <extracomment>device page: heading of the network camera editor</extracomment>
        <translation>網路攝影機</translation>
    </message>
    <message id="30505">
        <source>Camera name</source>
        <extracomment>device page: label of the network camera's name</extracomment>
        <translation>攝影機名稱</translation>
    </message>
    <message id="30506">
        <source>Address</source>
        <extracomment>device page: label of the network camera's address</extracomment>
        <translation>位址</translation>
    </message>
    <message id="30507">
        <source>RTSP over UDP</source>
        <extracomment>device page: check box, RTSP transport UDP instead of TCP</extracomment>
        <translation>RTSP 使用 UDP</translation>
    </message>
    <message id="30508">
        <source>Add</source>
        <extracomment>device page: adds a network camera</extracomment>
        <translation>新增</translation>
    </message>
    <message id="30509">
        <source>Change</source>
        <extracomment>device page: stores the edited network camera</extracomment>
        <translation>變更</translation>
    </message>
    <message id="30510">
        <source>Remove</source>
        <extracomment>device page: removes the selected network camera</extracomment>
        <translation>移除</translation>
    </message>
    <message id="30511">
        <source>Try</source>
        <extracomment>device page: shows the address's live picture</extracomment>
        <translation>試看</translation>
    </message>
    <message id="30512">
        <source>Enter a name for the camera.</source>
        <extracomment>device page: a network camera without a name</extracomment>
        <translation>請輸入攝影機名稱。</translation>
    </message>
    <message id="30513">
        <source>The address must begin with rtsp://, rtsps://, http:// or https:// and name a host.</source>
        <extracomment>device page: an address that cannot be used</extracomment>
        <translation>位址必須以 rtsp://、rtsps://、http:// 或 https:// 開頭並包含主機名稱。</translation>
    </message>
    <message id="30514">
        <source>Connecting…</source>
        <extracomment>device page: the tried address has not answered yet</extracomment>
        <translation>連線中…</translation>
    </message>
    <message id="30515">
        <source>The camera delivers pictures.</source>
        <extracomment>device page: the tried address delivers pictures</extracomment>
        <translation>攝影機有畫面傳送。</translation>
    </message>
    <message id="30516">
        <source>No picture from this address.</source>
        <extracomment>device page: the tried address failed</extracomment>
        <translation>此位址沒有畫面。</translation>
    </message>
    <message id="30517">
        <source>The list of network cameras could not be saved.</source>
        <extracomment>device page: netcams.txt could not be written</extracomment>
        <translation>無法儲存網路攝影機清單。</translation>
    </message>
    <message id="30518">
        <source>Takes effect when the settings window closes.</source>
        <extracomment>device page: note under the network camera editor</extracomment>
        <translation>關閉設定視窗後生效。</translation>
    </message>
    <message id="30900">
        <source>Detect:</source>
        <extracomment>motion page: label before the detection mode list</extracomment>
        <translation>偵測：</translation>
    </message>
    <message id="30901">
        <source>large changes (area)</source>
        <extracomment>motion page: detection mode, more than a share of the region changed</extracomment>
        <translation>大範圍變化（區域）</translation>
    </message>
    <message id="30902">
        <source>anything person-sized or larger (object)</source>
        <extracomment>motion page: detection mode, a moving object of at least the smallest size</extracomment>
        <translation>人體大小或更大的物體（目標）</translation>
    </message>
    <message id="30903">
        <source>Smallest object (‰ of the picture):</source>
        <extracomment>motion page: label of the smallest moving object's size, drawn on the preview</extracomment>
        <translation>最小物體（畫面的‰）：</translation>
    </message>
    <message id="30904">
        <source>Only when it is a person</source>
        <extracomment>motion page: motion counts only when a person detector finds a person in the moving object</extracomment>
        <translation>僅當是人時</translation>
    </message>
    <message id="31000">
        <source>Notifications</source>
        <extracomment>settings window: notifications page title and navigation entry; log: source of notification events</extracomment>
        <translation>通知</translation>
    </message>
    <message id="31001">
        <source>MQTT broker (Home Assistant)</source>
        <extracomment>notifications page: MQTT group</extracomment>
        <translation>MQTT 代理（Home Assistant）</translation>
    </message>
    <message id="31002">
        <source>Server</source>
        <extracomment>notifications page: MQTT broker host label</extracomment>
        <translation>伺服器</translation>
    </message>
    <message id="31003">
        <source>User name</source>
        <extracomment>notifications page: MQTT and e-mail user label</extracomment>
        <translation>使用者名稱</translation>
    </message>
    <message id="31004">
        <source>Topic prefix</source>
        <extracomment>notifications page: MQTT topic prefix label</extracomment>
        <translation>主題前綴</translation>
    </message>
    <message id="31005">
        <source>Home Assistant discovery</source>
        <extracomment>notifications page: check box, announce the cameras to Home Assistant</extracomment>
        <translation>Home Assistant 自動探索</translation>
    </message>
    <message id="31006">
        <source>Encrypted (TLS)</source>
        <extracomment>notifications page: check box, MQTT over TLS</extracomment>
        <translation>加密（TLS）</translation>
    </message>
    <message id="31007">
        <source>Web address to call (webhook)</source>
        <extracomment>notifications page: webhook group</extracomment>
        <translation>要呼叫的網址（Webhook）</translation>
    </message>
    <message id="31008">
        <source>Address (http:// or https://)</source>
        <extracomment>notifications page: webhook address label</extracomment>
        <translation>位址（http:// 或 https://）</translation>
    </message>
    <message id="31009">
        <source>E-mail</source>
        <extracomment>notifications page: e-mail group</extracomment>
        <translation>電子郵件</translation>
    </message>
    <message id="31010">
        <source>Server (smtp:// or smtps://host:port)</source>
        <extracomment>notifications page: mail server label</extracomment>
        <translation>伺服器（smtp:// 或 smtps://主機:連接埠）</translation>
    </message>
    <message id="31011">
        <source>Sender</source>
        <extracomment>notifications page: mail sender address label</extracomment>
        <translation>寄件者</translation>
    </message>
    <message id="31012">
        <source>Recipients (comma-separated)</source>
        <extracomment>notifications page: mail recipients label</extracomment>
        <translation>收件者（以逗號分隔）</translation>
    </message>
    <message id="31013">
        <source>Encrypt with STARTTLS</source>
        <extracomment>notifications page: check box, mail with STARTTLS</extracomment>
        <translation>使用 STARTTLS 加密</translation>
    </message>
    <message id="31014">
        <source>Send on</source>
        <extracomment>notifications page: group of the events that are sent</extracomment>
        <translation>傳送以下事件</translation>
    </message>
    <message id="31015">
        <source>Motion</source>
        <extracomment>notifications page: check box, motion events are sent</extracomment>
        <translation>移動</translation>
    </message>
    <message id="31016">
        <source>Camera lost</source>
        <extracomment>notifications page: check box; mail subject: a camera delivers no pictures</extracomment>
        <translation>攝影機遺失</translation>
    </message>
    <message id="31017">
        <source>Disk full</source>
        <extracomment>notifications page: check box; mail subject: recording paused for want of space</extracomment>
        <translation>磁碟已滿</translation>
    </message>
    <message id="31018">
        <source>Recording failed</source>
        <extracomment>notifications page: check box; mail subject: a recording could not be written</extracomment>
        <translation>錄影失敗</translation>
    </message>
    <message id="31019">
        <source>Seconds between two motion notices of a camera</source>
        <extracomment>notifications page: cooldown label</extracomment>
        <translation>同一攝影機兩次移動通知之間的秒數</translation>
    </message>
    <message id="31020">
        <source>Send a test</source>
        <extracomment>notifications page: test button of each channel</extracomment>
        <translation>傳送測試</translation>
    </message>
    <message id="31021">
        <source>Sending…</source>
        <extracomment>notifications page: a test is under way</extracomment>
        <translation>正在傳送…</translation>
    </message>
    <message id="31022">
        <source>Sent.</source>
        <extracomment>notifications page: a test succeeded</extracomment>
        <translation>已傳送。</translation>
    </message>
    <message id="31023">
        <source>Failed: %1</source>
        <extracomment>notifications page: a test failed; %1 is the reason</extracomment>
        <translation>失敗：%1</translation>
    </message>
    <message id="31024">
        <source>MQTT broker connected</source>
        <extracomment>log: the MQTT connection is up</extracomment>
        <translation>已連線 MQTT 代理</translation>
    </message>
    <message id="31025">
        <source>MQTT broker unreachable: %1</source>
        <extracomment>log: the MQTT connection failed or was lost; %1 is the reason</extracomment>
        <translation>無法連線 MQTT 代理：%1</translation>
    </message>
    <message id="31026">
        <source>Webhook sent</source>
        <extracomment>log: an event was posted to the webhook</extracomment>
        <translation>Webhook 已傳送</translation>
    </message>
    <message id="31027">
        <source>Webhook failed: %1</source>
        <extracomment>log: the webhook refused or did not answer after the retries; %1 is the reason</extracomment>
        <translation>Webhook 失敗：%1</translation>
    </message>
    <message id="31028">
        <source>E-mail sent</source>
        <extracomment>log: an event mail was sent</extracomment>
        <translation>電子郵件已傳送</translation>
    </message>
    <message id="31029">
        <source>E-mail failed: %1</source>
        <extracomment>log: an event mail could not be sent; %1 is the reason</extracomment>
        <translation>電子郵件傳送失敗：%1</translation>
    </message>
    <message id="31030">
        <source>Recording failed: the file could not be written</source>
        <extracomment>log: a camera's recording stopped because its file could not be created or written (not a full disk); the file column names the folder</extracomment>
        <translation>錄影失敗：無法寫入檔案</translation>
    </message>
    <message id="31100">
        <source>List</source>
        <extracomment>log viewer: tab of the list of entries</extracomment>
        <translation>列表</translation>
    </message>
    <message id="31101">
        <source>Timeline</source>
        <extracomment>log viewer: tab of the day's timeline, one row per camera</extracomment>
        <translation>時間軸</translation>
    </message>
    <message id="31102">
        <source>Group motion events</source>
        <extracomment>log viewer: switch that shows one row per motion event instead of one per picture</extracomment>
        <translation>合併移動事件</translation>
    </message>
    <message id="31103">
        <source>Export clip…</source>
        <extracomment>log viewer: button that writes the chosen span of a camera's recording into one file</extracomment>
        <translation>匯出片段…</translation>
    </message>
    <message id="31104">
        <source>All cameras</source>
        <extracomment>log viewer: camera filter entry that shows every camera</extracomment>
        <translation>所有攝影機</translation>
    </message>
    <message id="31105">
        <source>Motion event: %1 pictures</source>
        <extracomment>log viewer: description of a grouped motion event; %1 the number of pictures</extracomment>
        <translation>移動事件：%1 張圖片</translation>
    </message>
    <message id="31106">
        <source>Nothing was recorded in that span.</source>
        <extracomment>log viewer: message when a clip cannot be exported because there is no recording</extracomment>
        <translation>該時間段內沒有錄影。</translation>
    </message>
    <message id="31107">
        <source>The clip could not be written.</source>
        <extracomment>log viewer: message when the clip file cannot be read from or written</extracomment>
        <translation>無法寫入片段。</translation>
    </message>
    <message id="31108">
        <source>The clip was written.</source>
        <extracomment>log viewer: message after a clip was exported</extracomment>
        <translation>片段已寫入。</translation>
    </message>
    <message id="31109">
        <source>Hold Shift and drag along a camera's row to choose the span first.</source>
        <extracomment>log viewer: message when Export clip is pressed with no span chosen</extracomment>
        <translation>請先按住 Shift 在攝影機所在列上拖曳以選擇時間段。</translation>
    </message>
    <message id="31110">
        <source>Step back one frame</source>
        <extracomment>log viewer: hint of the paused player's frame step back button</extracomment>
        <translation>後退一格</translation>
    </message>
    <message id="31111">
        <source>Step forward one frame</source>
        <extracomment>log viewer: hint of the paused player's frame step forward button</extracomment>
        <translation>前進一格</translation>
    </message>
    <message id="31112">
        <source>Click a row to play from that moment. Drag to move, wheel to zoom, Shift+drag to choose a span.</source>
        <extracomment>log viewer: hint above the timeline</extracomment>
        <translation>按一下某列從該時刻播放。拖曳以移動，滾輪縮放，Shift+拖曳選擇時間段。</translation>
    </message>
    <message id="31113">
        <source>MP4 video (*.mp4)</source>
        <extracomment>log viewer: file type of the export dialog</extracomment>
        <translation>MP4 視訊 (*.mp4)</translation>
    </message>
    <message id="31114">
        <source>Motion event</source>
        <extracomment>timeline: hint of a motion event mark</extracomment>
        <translation>移動事件</translation>
    </message>
    <message id="31115">
        <source>Picture</source>
        <extracomment>timeline: hint of a snapshot tick</extracomment>
        <translation>圖片</translation>
    </message>
    <message id="31119">
        <source>Playback speed</source>
        <extracomment>log viewer: hint of the speed choice of the timeline player</extracomment>
        <translation>播放速度</translation>
    </message>
    <message id="31120">
        <source>From here</source>
        <extracomment>log viewer: player button that marks the moment being played as the start of a clip</extracomment>
        <translation>從這裡</translation>
    </message>
    <message id="31121">
        <source>To here</source>
        <extracomment>log viewer: player button that marks the moment being played as the end of a clip</extracomment>
        <translation>到這裡</translation>
    </message>
    <message id="31122">
        <source>A recording of that span could not be read.</source>
        <extracomment>log viewer: message when a recording the clip is taken from cannot be opened</extracomment>
        <translation>無法讀取該時段的錄影。</translation>
    </message>
    <message id="31200">
        <source>Video format</source>
        <extracomment>recording page: label of the choice of the recordings' video format</extracomment>
        <translation>視訊格式</translation>
    </message>
    <message id="31201">
        <source>MPEG-4 (plays everywhere)</source>
        <extracomment>recording page: video format choice, the default</extracomment>
        <translation>MPEG-4（到處都能播放）</translation>
    </message>
    <message id="31202">
        <source>H.264 (smaller files)</source>
        <extracomment>recording page: video format choice</extracomment>
        <translation>H.264（檔案更小）</translation>
    </message>
    <message id="31203">
        <source>Seconds before motion</source>
        <extracomment>recording page: label of the seconds a motion recording begins before the motion</extracomment>
        <translation>移動前的秒數</translation>
    </message>
    <message id="31204">
        <source>A motion recording begins this many seconds before the motion was seen.</source>
        <extracomment>recording page: hint of the seconds before motion</extracomment>
        <translation>移動錄影從發現移動之前這麼多秒開始。</translation>
    </message>
    <message id="31220">
        <source>Record the camera's own stream</source>
        <extracomment>device page: check box, a network camera's H.264/H.265 stream is recorded as it came, without re-encoding</extracomment>
        <translation>錄製攝影機本身的串流</translation>
    </message>
    <message id="31221">
        <source>Smaller stream for detection (optional)</source>
        <extracomment>device page: label of the address of a second, smaller stream of the same camera used for the live picture and motion detection</extracomment>
        <translation>用於偵測的較小串流（選用）</translation>
    </message>
</context>
</TS>
