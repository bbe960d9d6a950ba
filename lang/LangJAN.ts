<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="1">
        <source>Program</source>
        <extracomment>log: source of program, recording, manual snapshot and broadcast events</extracomment>
        <translation>プログラム</translation>
    </message>
    <message id="2">
        <source>Program started</source>
        <extracomment>log: program start description</extracomment>
        <translation>プログラム開始</translation>
    </message>
    <message id="3">
        <source>Scheduler</source>
        <extracomment>log: source of scheduled shutdown, daily clean-up and timed upload snapshot</extracomment>
        <translation>スケジューラー</translation>
    </message>
    <message id="4">
        <source>Program closed for scheduled shutdown</source>
        <extracomment>log: program exit at scheduled power-off description</extracomment>
        <translation>予約シャットダウンのためプログラム終了</translation>
    </message>
    <message id="5">
        <source>Program closed</source>
        <extracomment>log: program exit description</extracomment>
        <translation>プログラム終了</translation>
    </message>
    <message id="6">
        <source>Motion detection</source>
        <extracomment>log: source of motion snapshot events</extracomment>
        <translation>動体検知</translation>
    </message>
    <message id="7">
        <source>Motion recording</source>
        <extracomment>log: source of motion-triggered recording events</extracomment>
        <translation>動体検知録画</translation>
    </message>
    <message id="8">
        <source>Motion recording started</source>
        <extracomment>log: motion-triggered recording start description</extracomment>
        <translation>動体検知録画を開始</translation>
    </message>
    <message id="9">
        <source>Motion recording stopped</source>
        <extracomment>log: motion-triggered recording stop description</extracomment>
        <translation>動体検知録画を停止</translation>
    </message>
    <message id="10">
        <source>Motion detected</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>動きを検知</translation>
    </message>
    <message id="11">
        <source>Motion ended</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>動きが終了</translation>
    </message>
    <message id="12">
        <source>Picture taken</source>
        <extracomment>log: motion and manual snapshot description</extracomment>
        <translation>画像を撮影</translation>
    </message>
    <message id="13">
        <source>Recording started</source>
        <extracomment>log: continuous recording start and new video file description</extracomment>
        <translation>録画開始</translation>
    </message>
    <message id="14">
        <source>Recording stopped</source>
        <extracomment>log: continuous recording stop description</extracomment>
        <translation>録画停止</translation>
    </message>
    <message id="15">
        <source>Camera stopped</source>
        <extracomment>log: camera stop source and description</extracomment>
        <translation>カメラ停止</translation>
    </message>
    <message id="16">
        <source>Camera started</source>
        <extracomment>log: camera start source and description</extracomment>
        <translation>カメラ開始</translation>
    </message>
    <message id="17">
        <source>Snapshot</source>
        <extracomment>snapshot pop-up: window caption</extracomment>
        <translation>スナップショット</translation>
    </message>
    <message id="18">
        <source>Picture taken for upload</source>
        <extracomment>log: timed and test upload snapshot description</extracomment>
        <translation>アップロード用の画像を撮影</translation>
    </message>
    <message id="19">
        <source>FTP upload succeeded</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>FTP アップロード成功</translation>
    </message>
    <message id="20">
        <source>FTP upload failed</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>FTP アップロード失敗</translation>
    </message>
    <message id="21">
        <source>Broadcast started</source>
        <extracomment>log: live broadcast start description</extracomment>
        <translation>配信開始</translation>
    </message>
    <message id="22">
        <source>Broadcast stopped</source>
        <extracomment>log: live broadcast stop description</extracomment>
        <translation>配信停止</translation>
    </message>
    <message id="100">
        <source>Trelvix</source>
        <extracomment>main window: application title, caption and tray tip</extracomment>
        <translation>Trelvix 監視</translation>
    </message>
    <message id="200">
        <source>System</source>
        <extracomment>settings window: system page title and navigation entry</extracomment>
        <translation>システム</translation>
    </message>
    <message id="207">
        <source>Always on top</source>
        <extracomment>system page: always-on-top check box (hidden)</extracomment>
        <translation>常に手前に表示</translation>
    </message>
    <message id="212">
        <source>Start with the system</source>
        <extracomment>system page: start-with-session check box</extracomment>
        <translation>システム起動時に開始</translation>
    </message>
    <message id="213">
        <source>Scheduled Shutdown</source>
        <extracomment>system page: shutdown group</extracomment>
        <translation>予約シャットダウン</translation>
    </message>
    <message id="214">
        <source>Enable</source>
        <extracomment>system page: shutdown enable check box</extracomment>
        <translation>有効</translation>
    </message>
    <message id="215">
        <source>Shutdown time</source>
        <extracomment>system page: shutdown time label</extracomment>
        <translation>シャットダウン時刻</translation>
    </message>
    <message id="216">
        <source>Every day</source>
        <extracomment>system page: daily shutdown check box</extracomment>
        <translation>毎日</translation>
    </message>
    <message id="217">
        <source>Password Protection</source>
        <extracomment>system page: password group</extracomment>
        <translation>パスワード保護</translation>
    </message>
    <message id="218">
        <source>Enable</source>
        <extracomment>system page: password enable check box</extracomment>
        <translation>有効</translation>
    </message>
    <message id="219">
        <source>Password</source>
        <extracomment>system page: password entry label</extracomment>
        <translation>パスワード</translation>
    </message>
    <message id="220">
        <source>Confirm password</source>
        <extracomment>system page: password confirmation label</extracomment>
        <translation>パスワードの確認</translation>
    </message>
    <message id="221">
        <source>Log folder</source>
        <extracomment>system page: log folder label</extracomment>
        <translation>ログフォルダー</translation>
    </message>
    <message id="222">
        <source>Days of history to keep</source>
        <extracomment>system page: history days label</extracomment>
        <translation>履歴の保存日数</translation>
    </message>
    <message id="223">
        <source>Browse...</source>
        <extracomment>system page: log folder button</extracomment>
        <translation>参照...</translation>
    </message>
    <message id="227">
        <source>Number of Cameras</source>
        <extracomment>system page: camera grid group</extracomment>
        <translation>カメラの数</translation>
    </message>
    <message id="228">
        <source>Rows</source>
        <extracomment>system page: grid rows label</extracomment>
        <translation>行数</translation>
    </message>
    <message id="229">
        <source>Columns</source>
        <extracomment>system page: grid columns label</extracomment>
        <translation>列数</translation>
    </message>
    <message id="231">
        <source>OK</source>
        <extracomment>system page: OK button</extracomment>
        <translation>OK</translation>
    </message>
    <message id="400">
        <source>Device Settings</source>
        <extracomment>settings window: caption</extracomment>
        <translation>デバイス設定</translation>
    </message>
    <message id="402">
        <source>Available devices</source>
        <extracomment>settings window: camera chooser label</extracomment>
        <translation>使用可能なデバイス</translation>
    </message>
    <message id="404">
        <source>Apply current settings to all cameras</source>
        <extracomment>settings window: apply-to-all check box</extracomment>
        <translation>現在の設定をすべてのカメラに適用</translation>
    </message>
    <message id="405">
        <source>Device Properties</source>
        <extracomment>settings window: device properties button</extracomment>
        <translation>デバイスのプロパティ</translation>
    </message>
    <message id="419">
        <source>Step</source>
        <extracomment>overlay page: arrow step label</extracomment>
        <translation>移動量</translation>
    </message>
    <message id="420">
        <source>Overlay</source>
        <extracomment>settings window: overlay page title and navigation entry</extracomment>
        <translation>オーバーレイ</translation>
    </message>
    <message id="421">
        <source>Show Time</source>
        <extracomment>overlay page: time group</extracomment>
        <translation>時刻表示</translation>
    </message>
    <message id="422">
        <source>Format</source>
        <extracomment>overlay page: time format label</extracomment>
        <translation>形式</translation>
    </message>
    <message id="423">
        <source>Font</source>
        <extracomment>overlay page: time font button</extracomment>
        <translation>フォント</translation>
    </message>
    <message id="425">
        <source>Position</source>
        <extracomment>overlay page: time and guide-line position labels</extracomment>
        <translation>位置</translation>
    </message>
    <message id="426">
        <source>Enable</source>
        <extracomment>overlay page: show-time check box</extracomment>
        <translation>有効</translation>
    </message>
    <message id="428">
        <source>Caption</source>
        <extracomment>overlay page: caption text label (replaced by 30002)</extracomment>
        <translation>キャプション</translation>
    </message>
    <message id="429">
        <source>Font</source>
        <extracomment>overlay page: caption font button</extracomment>
        <translation>フォント</translation>
    </message>
    <message id="431">
        <source>Apply</source>
        <extracomment>overlay page: caption apply button</extracomment>
        <translation>適用</translation>
    </message>
    <message id="432">
        <source>Position</source>
        <extracomment>overlay page: caption position label</extracomment>
        <translation>位置</translation>
    </message>
    <message id="434">
        <source>Picture folder</source>
        <extracomment>recording page: picture folder label</extracomment>
        <translation>画像フォルダー</translation>
    </message>
    <message id="437">
        <source>Recording</source>
        <extracomment>settings window: recording page title and navigation entry</extracomment>
        <translation>録画</translation>
    </message>
    <message id="438">
        <source>Video folder</source>
        <extracomment>recording page: video folder label</extracomment>
        <translation>動画フォルダー</translation>
    </message>
    <message id="439">
        <source>Browse...</source>
        <extracomment>recording page: video folder button</extracomment>
        <translation>参照...</translation>
    </message>
    <message id="440">
        <source>Browse...</source>
        <extracomment>recording page: picture folder button</extracomment>
        <translation>参照...</translation>
    </message>
    <message id="441">
        <source>The folder cannot be created or written. The previous folder is kept.</source>
        <extracomment>recording page: unusable folder message</extracomment>
        <translation>フォルダーを作成または書き込みできません。以前のフォルダーのままです。</translation>
    </message>
    <message id="447">
        <source>Sensitivity (lower is more sensitive)</source>
        <extracomment>motion page: sensitivity label</extracomment>
        <translation>感度（小さいほど敏感）</translation>
    </message>
    <message id="448">
        <source>Region color</source>
        <extracomment>motion page: region colour label</extracomment>
        <translation>領域の色</translation>
    </message>
    <message id="449">
        <source>Red</source>
        <extracomment>motion page: red region button</extracomment>
        <translation>赤</translation>
    </message>
    <message id="450">
        <source>Green</source>
        <extracomment>motion page: green region button</extracomment>
        <translation>緑</translation>
    </message>
    <message id="451">
        <source>Blue</source>
        <extracomment>motion page: blue region button</extracomment>
        <translation>青</translation>
    </message>
    <message id="452">
        <source>Detection interval (s)</source>
        <extracomment>motion page: detection interval label</extracomment>
        <translation>検知間隔（秒）</translation>
    </message>
    <message id="453">
        <source>Motion Detection</source>
        <extracomment>settings window: motion page title and navigation entry</extracomment>
        <translation>動体検知</translation>
    </message>
    <message id="454">
        <source>Record on motion, stop after</source>
        <extracomment>motion page: record-on-motion sentence, first part</extracomment>
        <translation>動きを検知したら録画し、</translation>
    </message>
    <message id="455">
        <source>seconds without motion.</source>
        <extracomment>motion page: record-on-motion sentence, second part</extracomment>
        <translation>秒間動きがなければ停止。</translation>
    </message>
    <message id="456">
        <source>Motion Sound</source>
        <extracomment>motion page: sound group</extracomment>
        <translation>動体検知の音</translation>
    </message>
    <message id="457">
        <source>Sound:</source>
        <extracomment>motion page: sound label</extracomment>
        <translation>サウンド:</translation>
    </message>
    <message id="458">
        <source>Browse...</source>
        <extracomment>motion page: sound browse button</extracomment>
        <translation>参照...</translation>
    </message>
    <message id="459">
        <source>No picture on motion</source>
        <extracomment>motion page: no-picture check box</extracomment>
        <translation>動体検知時に撮影しない</translation>
    </message>
    <message id="460">
        <source>Run Program on Motion</source>
        <extracomment>motion page: external program group</extracomment>
        <translation>動体検知時にプログラムを実行</translation>
    </message>
    <message id="461">
        <source>Program:</source>
        <extracomment>motion page: program label</extracomment>
        <translation>プログラム:</translation>
    </message>
    <message id="462">
        <source>Window:</source>
        <extracomment>motion page: run mode label</extracomment>
        <translation>ウィンドウ:</translation>
    </message>
    <message id="463">
        <source>Parameters:</source>
        <extracomment>motion page: program parameters label</extracomment>
        <translation>パラメーター:</translation>
    </message>
    <message id="464">
        <source>Browse...</source>
        <extracomment>motion page: program browse button</extracomment>
        <translation>参照...</translation>
    </message>
    <message id="468">
        <source>Enable</source>
        <extracomment>motion page: run-program check box</extracomment>
        <translation>有効</translation>
    </message>
    <message id="469">
        <source>Enable</source>
        <extracomment>motion page: play-sound check box</extracomment>
        <translation>有効</translation>
    </message>
    <message id="486">
        <source>Select Video Folder</source>
        <extracomment>recording page: video folder dialog title</extracomment>
        <translation>動画フォルダーの選択</translation>
    </message>
    <message id="487">
        <source>Select Picture Folder</source>
        <extracomment>recording page: picture folder dialog title</extracomment>
        <translation>画像フォルダーの選択</translation>
    </message>
    <message id="488">
        <source>Apply the current camera's settings to all cameras?</source>
        <extracomment>settings window: apply-to-all question</extracomment>
        <translation>現在のカメラの設定をすべてのカメラに適用しますか？</translation>
    </message>
    <message id="489">
        <source>Apply to All Cameras</source>
        <extracomment>settings window: apply-to-all question caption</extracomment>
        <translation>すべてのカメラに適用</translation>
    </message>
    <message id="490">
        <source>Wave sounds (*.wav);;All files (*)</source>
        <extracomment>motion page: sound file dialog filter</extracomment>
        <translation>WAVE サウンド (*.wav);;すべてのファイル (*)</translation>
    </message>
    <message id="491">
        <source>Programs (*);;Shell scripts (*.sh)</source>
        <extracomment>motion page: program file dialog filter</extracomment>
        <translation>プログラム (*);;シェルスクリプト (*.sh)</translation>
    </message>
    <message id="494">
        <source>Normal window</source>
        <extracomment>motion page: run mode item 0</extracomment>
        <translation>通常のウィンドウ</translation>
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
        <translation>除外デバイス</translation>
    </message>
    <message id="501">
        <source>Device ID</source>
        <extracomment>device page: device id label</extracomment>
        <translation>デバイス ID</translation>
    </message>
    <message id="502">
        <source>System devices</source>
        <extracomment>device page: list heading</extracomment>
        <translation>システムのデバイス</translation>
    </message>
    <message id="503">
        <source>Check the devices not to use.</source>
        <extracomment>device page: instruction</extracomment>
        <translation>使用しないデバイスにチェックを付けてください。</translation>
    </message>
    <message id="505">
        <source>OK</source>
        <extracomment>device page: OK button</extracomment>
        <translation>OK</translation>
    </message>
    <message id="600">
        <source>Event Log</source>
        <extracomment>log viewer: window caption</extracomment>
        <translation>イベントログ</translation>
    </message>
    <message id="601">
        <source>Log date</source>
        <extracomment>log viewer: date label</extracomment>
        <translation>ログの日付</translation>
    </message>
    <message id="602">
        <source>Double-click to play, right-click for more</source>
        <extracomment>log viewer: usage hint</extracomment>
        <translation>ダブルクリックで再生、右クリックでその他の操作</translation>
    </message>
    <message id="603">
        <source>Refresh</source>
        <extracomment>log viewer: refresh button</extracomment>
        <translation>更新</translation>
    </message>
    <message id="604">
        <source>Previous Day</source>
        <extracomment>log viewer: previous day button</extracomment>
        <translation>前の日</translation>
    </message>
    <message id="605">
        <source>Next Day</source>
        <extracomment>log viewer: next day button</extracomment>
        <translation>次の日</translation>
    </message>
    <message id="606">
        <source>Clear</source>
        <extracomment>log viewer: delete-all button</extracomment>
        <translation>クリア</translation>
    </message>
    <message id="607">
        <source>Only entries with files</source>
        <extracomment>log viewer: file filter check box</extracomment>
        <translation>ファイル付きの項目のみ</translation>
    </message>
    <message id="608">
        <source>Open File</source>
        <extracomment>log viewer: menu open file</extracomment>
        <translation>ファイルを開く</translation>
    </message>
    <message id="609">
        <source>Delete Selected</source>
        <extracomment>log viewer: menu delete selected</extracomment>
        <translation>選択項目を削除</translation>
    </message>
    <message id="610">
        <source>Open Folder</source>
        <extracomment>log viewer: menu open folder</extracomment>
        <translation>フォルダーを開く</translation>
    </message>
    <message id="611">
        <source>Delete All</source>
        <extracomment>log viewer: menu delete all</extracomment>
        <translation>すべて削除</translation>
    </message>
    <message id="612">
        <source>Source</source>
        <extracomment>log viewer: source column</extracomment>
        <translation>ソース</translation>
    </message>
    <message id="613">
        <source>Date</source>
        <extracomment>log viewer: date column</extracomment>
        <translation>日付</translation>
    </message>
    <message id="614">
        <source>Time</source>
        <extracomment>log viewer: time column</extracomment>
        <translation>時刻</translation>
    </message>
    <message id="615">
        <source>Camera</source>
        <extracomment>log viewer: camera name column</extracomment>
        <translation>カメラ</translation>
    </message>
    <message id="616">
        <source>Description</source>
        <extracomment>log viewer: description column</extracomment>
        <translation>説明</translation>
    </message>
    <message id="617">
        <source>Camera No.</source>
        <extracomment>log viewer: camera number column</extracomment>
        <translation>カメラ番号</translation>
    </message>
    <message id="618">
        <source>File</source>
        <extracomment>log viewer: file path column</extracomment>
        <translation>ファイル</translation>
    </message>
    <message id="619">
        <source>Only motion pictures</source>
        <extracomment>log viewer: motion filter check box (hidden)</extracomment>
        <translation>動体検知画像のみ</translation>
    </message>
    <message id="620">
        <source>Play</source>
        <extracomment>log viewer: play button hint</extracomment>
        <translation>再生</translation>
    </message>
    <message id="621">
        <source>Pause/Play</source>
        <extracomment>log viewer: pause button hint</extracomment>
        <translation>一時停止/再生</translation>
    </message>
    <message id="622">
        <source>Stop</source>
        <extracomment>log viewer: stop button hint</extracomment>
        <translation>停止</translation>
    </message>
    <message id="623">
        <source>Faster</source>
        <extracomment>log viewer: faster button hint</extracomment>
        <translation>速く</translation>
    </message>
    <message id="624">
        <source>Slower</source>
        <extracomment>log viewer: slower button hint</extracomment>
        <translation>遅く</translation>
    </message>
    <message id="700">
        <source>Enter Password</source>
        <extracomment>password dialog: caption</extracomment>
        <translation>パスワード入力</translation>
    </message>
    <message id="701">
        <source>Password</source>
        <extracomment>password dialog: label</extracomment>
        <translation>パスワード</translation>
    </message>
    <message id="702">
        <source>OK</source>
        <extracomment>password dialog: OK button</extracomment>
        <translation>OK</translation>
    </message>
    <message id="703">
        <source>The passwords differ or are empty. System settings were not saved.</source>
        <extracomment>system page: password mismatch message</extracomment>
        <translation>パスワードが一致しないか空です。システム設定は保存されませんでした。</translation>
    </message>
    <message id="1000">
        <source>FTP Upload</source>
        <extracomment>settings window: FTP page title and navigation entry</extracomment>
        <translation>FTP アップロード</translation>
    </message>
    <message id="1001">
        <source>Host</source>
        <extracomment>FTP page: host label</extracomment>
        <translation>ホスト</translation>
    </message>
    <message id="1002">
        <source>Port</source>
        <extracomment>FTP page: port label</extracomment>
        <translation>ポート</translation>
    </message>
    <message id="1003">
        <source>User name</source>
        <extracomment>FTP page: user label</extracomment>
        <translation>ユーザー名</translation>
    </message>
    <message id="1004">
        <source>Password</source>
        <extracomment>FTP page: password label</extracomment>
        <translation>パスワード</translation>
    </message>
    <message id="1005">
        <source>Upload folder</source>
        <extracomment>FTP page: upload folder label</extracomment>
        <translation>アップロード先フォルダー</translation>
    </message>
    <message id="1006">
        <source>Choose FTP Folder...</source>
        <extracomment>FTP page: folder browser button</extracomment>
        <translation>FTP フォルダーを選択...</translation>
    </message>
    <message id="1007">
        <source>Timed Snapshots</source>
        <extracomment>FTP page: timed snapshot group</extracomment>
        <translation>定期スナップショット</translation>
    </message>
    <message id="1008">
        <source>Snapshot interval (s)</source>
        <extracomment>FTP page: snapshot interval label</extracomment>
        <translation>撮影間隔（秒）</translation>
    </message>
    <message id="1009">
        <source>Upload interval (s)</source>
        <extracomment>FTP page: upload interval label</extracomment>
        <translation>アップロード間隔（秒）</translation>
    </message>
    <message id="1010">
        <source>Pictures per upload</source>
        <extracomment>FTP page: batch size label</extracomment>
        <translation>1 回のアップロード枚数</translation>
    </message>
    <message id="1011">
        <source>Upload File Options</source>
        <extracomment>FTP page: file options group</extracomment>
        <translation>アップロードファイルのオプション</translation>
    </message>
    <message id="1012">
        <source>Create a folder per day</source>
        <extracomment>FTP page: day folder check box</extracomment>
        <translation>日付ごとにフォルダーを作成</translation>
    </message>
    <message id="1013">
        <source>Use a fixed file name</source>
        <extracomment>FTP page: fixed name check box</extracomment>
        <translation>固定のファイル名を使用</translation>
    </message>
    <message id="1014">
        <source>File name</source>
        <extracomment>FTP page: fixed file name label</extracomment>
        <translation>ファイル名</translation>
    </message>
    <message id="1015">
        <source>Upload motion pictures</source>
        <extracomment>FTP page: motion picture upload check box</extracomment>
        <translation>動体検知画像をアップロード</translation>
    </message>
    <message id="1016">
        <source>Close</source>
        <extracomment>FTP folder browser: close button hint (suggested use)</extracomment>
        <translation>閉じる</translation>
    </message>
    <message id="1017">
        <source>Use This Folder</source>
        <extracomment>FTP folder browser: take-folder button hint (suggested use)</extracomment>
        <translation>このフォルダーを使用</translation>
    </message>
    <message id="1018">
        <source>Log In to FTP Server...</source>
        <extracomment>FTP folder browser: login button</extracomment>
        <translation>FTP サーバーにログイン...</translation>
    </message>
    <message id="1019">
        <source>Choose FTP folder</source>
        <extracomment>FTP folder browser: tree label</extracomment>
        <translation>FTP フォルダーの選択</translation>
    </message>
    <message id="1020">
        <source>Upload folder</source>
        <extracomment>FTP folder browser: picked folder label</extracomment>
        <translation>アップロード先フォルダー</translation>
    </message>
    <message id="1021">
        <source>Test Snapshot Upload</source>
        <extracomment>FTP folder browser: test upload button</extracomment>
        <translation>スナップショットのテストアップロード</translation>
    </message>
    <message id="1022">
        <source>Message</source>
        <extracomment>FTP folder browser: message column</extracomment>
        <translation>メッセージ</translation>
    </message>
    <message id="1023">
        <source>Time</source>
        <extracomment>FTP folder browser: time column</extracomment>
        <translation>時刻</translation>
    </message>
    <message id="2000">
        <source>Live Broadcast</source>
        <extracomment>settings window: broadcast page title and navigation entry</extracomment>
        <translation>ライブ配信</translation>
    </message>
    <message id="2002">
        <source>Broadcast port</source>
        <extracomment>broadcast page: port label</extracomment>
        <translation>配信ポート</translation>
    </message>
    <message id="2003">
        <source>Maximum viewers</source>
        <extracomment>broadcast page: max viewers label</extracomment>
        <translation>最大視聴者数</translation>
    </message>
    <message id="2004">
        <source>Include audio</source>
        <extracomment>broadcast page: audio check box</extracomment>
        <translation>音声を含める</translation>
    </message>
    <message id="2008">
        <source>Test</source>
        <extracomment>broadcast page: test button</extracomment>
        <translation>テスト</translation>
    </message>
    <message id="2010">
        <source>This is a handy feature: it broadcasts the camera's live picture over the network, so that anyone who can reach this computer can watch it from afar with a media player such as VLC or Windows Media Player (open the address as a network stream). Once the broadcast runs, two addresses appear: a public one and a private one. On a local network use the private address; otherwise use the public one. About the settings: on a slow network leave "Include audio" off; where the network allows, choose the highest bit rate you can. Adjust the values to your surroundings for the best result.</source>
        <extracomment>broadcast page: explanation</extracomment>
        <translation>便利な機能です。カメラのライブ映像をネットワークに配信し、このコンピューターに接続できる人なら誰でも、VLC や Windows Media Player などのメディアプレーヤーで離れた場所から視聴できます（アドレスをネットワークストリームとして開きます）。配信が始まると、パブリックとプライベートの 2 つのアドレスが表示されます。ローカルネットワークではプライベートアドレスを、それ以外ではパブリックアドレスを使用してください。設定について：低速なネットワークでは「音声を含める」をオフにし、ネットワークが許す限り高いビットレートを選んでください。最良の結果を得るには、環境に合わせて値を調整してください。</translation>
    </message>
    <message id="2017">
        <source>Picture size</source>
        <extracomment>broadcast page: size label</extracomment>
        <translation>画像サイズ</translation>
    </message>
    <message id="2018">
        <source>Frame rate</source>
        <extracomment>broadcast page: frame rate label</extracomment>
        <translation>フレームレート</translation>
    </message>
    <message id="2019">
        <source>Video quality (bit rate)</source>
        <extracomment>broadcast page: bit rate label</extracomment>
        <translation>画質（ビットレート）</translation>
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
        <translation>先に FTP サーバーのアドレスとポートを入力してください。</translation>
    </message>
    <message id="9001">
        <source>History before</source>
        <extracomment>log: daily clean-up description, before the date</extracomment>
        <translation>履歴を削除しました:</translation>
    </message>
    <message id="9002">
        <source>was deleted</source>
        <extracomment>log: daily clean-up description, after the date</extracomment>
        <translation>より前</translation>
    </message>
    <message id="30001">
        <source>Caption</source>
        <extracomment>overlay page: caption group</extracomment>
        <translation>キャプション</translation>
    </message>
    <message id="30002">
        <source>Caption text</source>
        <extracomment>overlay page: caption text label</extracomment>
        <translation>キャプションの文字</translation>
    </message>
    <message id="30003">
        <source>Normal</source>
        <extracomment>overlay page: orientation normal</extracomment>
        <translation>標準</translation>
    </message>
    <message id="30004">
        <source>Flip vertically</source>
        <extracomment>overlay page: orientation flipped</extracomment>
        <translation>上下反転</translation>
    </message>
    <message id="30005">
        <source>Mirror horizontally</source>
        <extracomment>overlay page: orientation mirrored</extracomment>
        <translation>左右反転</translation>
    </message>
    <message id="30006">
        <source>Show guide lines</source>
        <extracomment>overlay page: guide line check box</extracomment>
        <translation>ガイドラインを表示</translation>
    </message>
    <message id="30007">
        <source>Line</source>
        <extracomment>overlay page: guide line chooser label</extracomment>
        <translation>線</translation>
    </message>
    <message id="30008">
        <source>Color</source>
        <extracomment>overlay page: guide line colour button</extracomment>
        <translation>色</translation>
    </message>
    <message id="30009">
        <source>Record when the program starts</source>
        <extracomment>overlay page: auto record check box</extracomment>
        <translation>プログラム起動時に録画</translation>
    </message>
    <message id="30010">
        <source>Turning the picture uses more CPU.</source>
        <extracomment>overlay page: orientation note</extracomment>
        <translation>映像の回転は CPU の負荷が増えます。</translation>
    </message>
    <message id="30011">
        <source>Use this feature with care while driving.</source>
        <extracomment>motion page: driving note</extracomment>
        <translation>運転中はこの機能を慎重にお使いください。</translation>
    </message>
    <message id="30012">
        <source>Enable motion detection</source>
        <extracomment>motion page: enable check box</extracomment>
        <translation>動体検知を有効にする</translation>
    </message>
    <message id="30013">
        <source>Video quality</source>
        <extracomment>recording page: quality label</extracomment>
        <translation>画質</translation>
    </message>
    <message id="30014">
        <source>Good</source>
        <extracomment>recording page: quality bar good end</extracomment>
        <translation>良い</translation>
    </message>
    <message id="30015">
        <source>Poor</source>
        <extracomment>recording page: quality bar poor end</extracomment>
        <translation>悪い</translation>
    </message>
    <message id="30016">
        <source>Video file length (minutes)</source>
        <extracomment>recording page: file length label</extracomment>
        <translation>動画ファイルの長さ（分）</translation>
    </message>
    <message id="30017">
        <source>Enable FTP upload</source>
        <extracomment>FTP page: start upload check box</extracomment>
        <translation>FTP アップロードを有効にする</translation>
    </message>
    <message id="30018">
        <source>Minimize to tray after start</source>
        <extracomment>system page: tray check box</extracomment>
        <translation>起動後にトレイへ最小化</translation>
    </message>
    <message id="30019">
        <source>5-meter line</source>
        <extracomment>overlay page: guide line item 0</extracomment>
        <translation>5 メートル線</translation>
    </message>
    <message id="30020">
        <source>10-meter line</source>
        <extracomment>overlay page: guide line item 1</extracomment>
        <translation>10 メートル線</translation>
    </message>
    <message id="30021">
        <source>This page comes in a later version.</source>
        <extracomment>settings window: page not yet available</extracomment>
        <translation>このページは今後のバージョンで提供されます。</translation>
    </message>
    <message id="30022">
        <source>Text color...</source>
        <extracomment>font dialog: text colour button</extracomment>
        <translation>文字の色...</translation>
    </message>
    <message id="30100">
        <source>Delete old recordings when free space on the recording drive is below</source>
        <extracomment>system page: disk space limit label</extracomment>
        <translation>録画ドライブの空き容量が次を下回ったら古い録画を削除</translation>
    </message>
    <message id="30101">
        <source>The log folder must be a writable folder other than the root folder. The previous log folder is kept.</source>
        <extracomment>system page: refused log folder message</extracomment>
        <translation>ログフォルダーは、ルート以外の書き込み可能なフォルダーである必要があります。以前のログフォルダーのままです。</translation>
    </message>
    <message id="30102">
        <source>The settings could not be saved.</source>
        <extracomment>system page: settings file write failure message</extracomment>
        <translation>設定を保存できませんでした。</translation>
    </message>
    <message id="30300">
        <source>Brightness</source>
        <extracomment>image parameters: brightness label</extracomment>
        <translation>明るさ</translation>
    </message>
    <message id="30301">
        <source>Contrast</source>
        <extracomment>image parameters: contrast label</extracomment>
        <translation>コントラスト</translation>
    </message>
    <message id="30302">
        <source>Saturation</source>
        <extracomment>image parameters: saturation label</extracomment>
        <translation>彩度</translation>
    </message>
    <message id="30303">
        <source>Hue</source>
        <extracomment>image parameters: hue label</extracomment>
        <translation>色相</translation>
    </message>
    <message id="30304">
        <source>Sharpness</source>
        <extracomment>image parameters: sharpness label</extracomment>
        <translation>シャープネス</translation>
    </message>
    <message id="30305">
        <source>Gamma</source>
        <extracomment>image parameters: gamma label</extracomment>
        <translation>ガンマ</translation>
    </message>
    <message id="30306">
        <source>Image Adjustment</source>
        <extracomment>image parameters: dialog heading</extracomment>
        <translation>画像の調整</translation>
    </message>
    <message id="30307">
        <source>Close</source>
        <extracomment>image parameters and device properties: close button</extracomment>
        <translation>閉じる</translation>
    </message>
    <message id="30308">
        <source>This device offers no adjustable properties right now.</source>
        <extracomment>device properties: no controls (camera stopped or none reported)</extracomment>
        <translation>このデバイスには現在調整できるプロパティがありません。</translation>
    </message>
    <message id="30309">
        <source>Defaults</source>
        <extracomment>device properties: restore every control's default</extracomment>
        <translation>既定値</translation>
    </message>
    <message id="30400">
        <source>Trelvix live broadcast</source>
        <extracomment>broadcast: stream title, followed by the date</extracomment>
        <translation>Trelvix ライブ配信</translation>
    </message>
    <message id="30401">
        <source>Live picture of a surveillance camera</source>
        <extracomment>broadcast: stream description</extracomment>
        <translation>監視カメラのライブ映像</translation>
    </message>
    <message id="30402">
        <source>Broadcast could not start</source>
        <extracomment>log and message: a broadcast failed to start, followed by the reason</extracomment>
        <translation>配信を開始できませんでした</translation>
    </message>
    <message id="30403">
        <source>The camera delivers no picture.</source>
        <extracomment>broadcast: reason why it could not start</extracomment>
        <translation>カメラから映像が届きません。</translation>
    </message>
    <message id="30404">
        <source>Open in the media player</source>
        <extracomment>broadcast page: tooltip of the two address buttons</extracomment>
        <translation>メディアプレーヤーで開く</translation>
    </message>
    <message id="30200">
        <source>The port must be a number from 1 to 65535: %1</source>
        <extracomment>FTP page: message for a port that is not a number</extracomment>
        <translation>ポートは 1～65535 の数値にしてください: %1</translation>
    </message>
    <message id="30201">
        <source>No picture to upload: the camera has not stored one yet.</source>
        <extracomment>FTP page: test pass without a picture</extracomment>
        <translation>アップロードする画像がありません。カメラはまだ画像を保存していません。</translation>
    </message>
    <message id="30600">
        <source>Broadcast without sound</source>
        <extracomment>log: a broadcast with sound on started with pictures only, followed by the reason</extracomment>
        <translation>音声なしで配信</translation>
    </message>
    <message id="30601">
        <source>Broadcast sound stopped</source>
        <extracomment>log: the sound device of a running broadcast failed, followed by the reason</extracomment>
        <translation>配信の音声が停止しました</translation>
    </message>
    <message id="30800">
        <source>Recording paused: the disk is full</source>
        <extracomment>log: a camera's recording stopped for want of disk space; the file column names the folder</extracomment>
        <translation>録画を一時停止：ディスクがいっぱいです</translation>
    </message>
    <message id="30801">
        <source>Recording resumed</source>
        <extracomment>log: recording goes on once the disk has room again; the file column names the folder</extracomment>
        <translation>録画を再開しました</translation>
    </message>
    <message id="30802">
        <source>Take a picture with the selected camera</source>
        <extracomment>main window: tooltip of the snapshot button</extracomment>
        <translation>選択したカメラで撮影</translation>
    </message>
    <message id="30803">
        <source>Start or stop the selected camera's broadcast</source>
        <extracomment>main window: tooltip of the broadcast button</extracomment>
        <translation>選択したカメラの配信を開始または停止</translation>
    </message>
    <message id="30804">
        <source>Open the log of events and recordings</source>
        <extracomment>main window: tooltip of the log viewer button</extracomment>
        <translation>イベントと録画のログを開く</translation>
    </message>
    <message id="30805">
        <source>Adjust the selected camera's picture</source>
        <extracomment>main window: tooltip of the image parameters button</extracomment>
        <translation>選択したカメラの画像を調整</translation>
    </message>
    <message id="30806">
        <source>Open the settings</source>
        <extracomment>main window: tooltip of the settings button</extracomment>
        <translation>設定を開く</translation>
    </message>
    <message id="30807">
        <source>Stop or start the selected camera</source>
        <extracomment>main window: tooltip of the camera stop/start button</extracomment>
        <translation>選択したカメラを停止または開始</translation>
    </message>
    <message id="30808">
        <source>Exit the program</source>
        <extracomment>main window: tooltip of the exit button</extracomment>
        <translation>プログラムを終了</translation>
    </message>
    <message id="30809">
        <source>Camera: %1</source>
        <extracomment>image parameters: which camera the dialog adjusts; %1 is the camera's caption</extracomment>
        <translation>カメラ：%1</translation>
    </message>
    <message id="30750">
        <source>Free space:</source>
        <extracomment>main window: disk label before the free space of a camera's recording drive, e.g. 77G</extracomment>
        <translation>空き容量:</translation>
    </message>
    <message id="30751">
        <source>Wrong password.</source>
        <extracomment>password prompt: message after a wrong or empty entry</extracomment>
        <translation>パスワードが違います。</translation>
    </message>
    <message id="30752">
        <source>Frame rate</source>
        <extracomment>recording page: label of the recording frame rate</extracomment>
        <translation>フレームレート</translation>
    </message>
    <message id="30753">
        <source>If recordings play back too slowly (like slow motion), raise the frame rate; if too fast, lower it.</source>
        <extracomment>recording page: red hint under the frame rate</extracomment>
        <translation>録画の再生が遅すぎる（スローモーションのような）場合はフレームレートを上げ、速すぎる場合は下げてください。</translation>
    </message>
    <message id="30754">
        <source>Compression</source>
        <extracomment>recording page: label of the compression, never shown</extracomment>
        <translation>圧縮</translation>
    </message>
    <message id="30755">
        <source>Device Properties</source>
        <extracomment>device properties window: title</extracomment>
        <translation>デバイスのプロパティ</translation>
    </message>
    <message id="30756">
        <source>Low disk space!</source>
        <extracomment>main window: warning while the disk clean-up finds too little space</extracomment>
        <translation>ディスクの空き容量が不足しています！</translation>
    </message>
    <message id="30757">
        <source>Playback failed. Check whether the file was deleted; a file that is still being recorded cannot be played.</source>
        <extracomment>log viewer: message when a file cannot be played</extracomment>
        <translation>再生できませんでした。ファイルが削除されていないか確認してください。録画中のファイルは再生できません。</translation>
    </message>
    <message id="30758">
        <source>The file could not be copied.</source>
        <extracomment>motion page: a chosen sound could not be copied into the sound folder</extracomment>
        <translation>ファイルをコピーできませんでした。</translation>
    </message>
    <message id="30759">
        <source>The surveillance program has closed; the computer shuts down in 60 seconds.</source>
        <extracomment>scheduled power-off: the message the shutdown command shows to logged-in users</extracomment>
        <translation>監視プログラムが終了しました。60秒後にコンピューターをシャットダウンします。</translation>
    </message>
    <message id="30760">
        <source>Welcome</source>
        <extracomment>motion page: name shown in the sound list for the default motion sound</extracomment>
        <translation>いらっしゃいませ</translation>
    </message>
    <message id="30761">
        <source>Camera shutter</source>
        <extracomment>motion page: name shown in the sound list for the default snapshot sound</extracomment>
        <translation>カメラのシャッター</translation>
    </message>
    <message id="30762">
        <source>Trelvix goes on recording in the background. Click its icon here to open the window again.</source>
        <extracomment>tray: message shown the first time the main window is hidden to the notification area</extracomment>
        <translation>Trelvix はバックグラウンドで録画を続けます。ここのアイコンをクリックするとウィンドウが再び開きます。</translation>
    </message>
    <message id="30700">
        <source>The network camera list is larger than 1 MiB: it was not read and is kept as it is</source>
        <extracomment>log: netcams.txt is too large to read; followed by its path</extracomment>
        <translation>ネットワークカメラの一覧が 1 MiB を超えています：読み込まず、そのまま残します</translation>
    </message>
    <message id="30701">
        <source>Viewers need a password</source>
        <extracomment>broadcast page: check box, viewers must give the password beside it</extracomment>
        <translation>視聴者にパスワードを要求する</translation>
    </message>
    <message id="30702">
        <source>Reachable from</source>
        <extracomment>broadcast page: label of the choice who can reach the broadcast</extracomment>
        <translation>接続元</translation>
    </message>
    <message id="30703">
        <source>This computer only</source>
        <extracomment>broadcast page: the broadcast is served on 127.0.0.1 alone</extracomment>
        <translation>このコンピューターのみ</translation>
    </message>
    <message id="30704">
        <source>Local network</source>
        <extracomment>broadcast page: the broadcast is served on every network address</extracomment>
        <translation>ローカルネットワーク</translation>
    </message>
    <message id="30500">
        <source>Network camera</source>
        <extracomment>log: source of a network camera's stream lost and back events</extracomment>
        <translation>ネットワークカメラ</translation>
    </message>
    <message id="30501">
        <source>Stream lost, reconnecting</source>
        <extracomment>log: a network camera's stream was lost or could not be reached</extracomment>
        <translation>ストリームが切断されました。再接続中</translation>
    </message>
    <message id="30502">
        <source>Stream back</source>
        <extracomment>log: a network camera's stream delivers pictures again</extracomment>
        <translation>ストリームが復旧しました</translation>
    </message>
    <message id="30503">
        <source>Reconnecting…</source>
        <extracomment>camera picture: written over the greyed last picture while a network camera reconnects</extracomment>
        <translation>再接続中…</translation>
    </message>
    <message id="30504">
        <source>Network cameras</source>
        <extracomment>device page: heading of the network camera editor</extracomment>
        <translation>ネットワークカメラ</translation>
    </message>
    <message id="30505">
        <source>Camera name</source>
        <extracomment>device page: label of the network camera's name</extracomment>
        <translation>カメラ名</translation>
    </message>
    <message id="30506">
        <source>Address</source>
        <extracomment>device page: label of the network camera's address</extracomment>
        <translation>アドレス</translation>
    </message>
    <message id="30507">
        <source>RTSP over UDP</source>
        <extracomment>device page: check box, RTSP transport UDP instead of TCP</extracomment>
        <translation>RTSP を UDP で</translation>
    </message>
    <message id="30508">
        <source>Add</source>
        <extracomment>device page: adds a network camera</extracomment>
        <translation>追加</translation>
    </message>
    <message id="30509">
        <source>Change</source>
        <extracomment>device page: stores the edited network camera</extracomment>
        <translation>変更</translation>
    </message>
    <message id="30510">
        <source>Remove</source>
        <extracomment>device page: removes the selected network camera</extracomment>
        <translation>削除</translation>
    </message>
    <message id="30511">
        <source>Try</source>
        <extracomment>device page: shows the address's live picture</extracomment>
        <translation>試す</translation>
    </message>
    <message id="30512">
        <source>Enter a name for the camera.</source>
        <extracomment>device page: a network camera without a name</extracomment>
        <translation>カメラの名前を入力してください。</translation>
    </message>
    <message id="30513">
        <source>The address must begin with rtsp://, rtsps://, http:// or https:// and name a host.</source>
        <extracomment>device page: an address that cannot be used</extracomment>
        <translation>アドレスは rtsp://、rtsps://、http:// または https:// で始まり、ホストを含む必要があります。</translation>
    </message>
    <message id="30514">
        <source>Connecting…</source>
        <extracomment>device page: the tried address has not answered yet</extracomment>
        <translation>接続中…</translation>
    </message>
    <message id="30515">
        <source>The camera delivers pictures.</source>
        <extracomment>device page: the tried address delivers pictures</extracomment>
        <translation>カメラから映像が届いています。</translation>
    </message>
    <message id="30516">
        <source>No picture from this address.</source>
        <extracomment>device page: the tried address failed</extracomment>
        <translation>このアドレスから映像がありません。</translation>
    </message>
    <message id="30517">
        <source>The list of network cameras could not be saved.</source>
        <extracomment>device page: netcams.txt could not be written</extracomment>
        <translation>ネットワークカメラの一覧を保存できませんでした。</translation>
    </message>
    <message id="30518">
        <source>Takes effect when the settings window closes.</source>
        <extracomment>device page: note under the network camera editor</extracomment>
        <translation>設定ウィンドウを閉じると有効になります。</translation>
    </message>
    <message id="30900">
        <source>Detect:</source>
        <extracomment>motion page: label before the detection mode list</extracomment>
        <translation>検出：</translation>
    </message>
    <message id="30901">
        <source>large changes (area)</source>
        <extracomment>motion page: detection mode, more than a share of the region changed</extracomment>
        <translation>大きな変化（エリア）</translation>
    </message>
    <message id="30902">
        <source>anything person-sized or larger (object)</source>
        <extracomment>motion page: detection mode, a moving object of at least the smallest size</extracomment>
        <translation>人の大きさ以上の物体（オブジェクト）</translation>
    </message>
    <message id="30903">
        <source>Smallest object (‰ of the picture):</source>
        <extracomment>motion page: label of the smallest moving object's size, drawn on the preview</extracomment>
        <translation>最小の物体（画面の‰）：</translation>
    </message>
    <message id="30904">
        <source>Only when it is a person</source>
        <extracomment>motion page: motion counts only when a person detector finds a person in the moving object</extracomment>
        <translation>人物の場合のみ</translation>
    </message>
    <message id="31000">
        <source>Notifications</source>
        <extracomment>settings window: notifications page title and navigation entry; log: source of notification events</extracomment>
        <translation>通知</translation>
    </message>
    <message id="31001">
        <source>MQTT broker (Home Assistant)</source>
        <extracomment>notifications page: MQTT group</extracomment>
        <translation>MQTT ブローカー（Home Assistant）</translation>
    </message>
    <message id="31002">
        <source>Server</source>
        <extracomment>notifications page: MQTT broker host label</extracomment>
        <translation>サーバー</translation>
    </message>
    <message id="31003">
        <source>User name</source>
        <extracomment>notifications page: MQTT and e-mail user label</extracomment>
        <translation>ユーザー名</translation>
    </message>
    <message id="31004">
        <source>Topic prefix</source>
        <extracomment>notifications page: MQTT topic prefix label</extracomment>
        <translation>トピックの接頭辞</translation>
    </message>
    <message id="31005">
        <source>Home Assistant discovery</source>
        <extracomment>notifications page: check box, announce the cameras to Home Assistant</extracomment>
        <translation>Home Assistant 自動検出</translation>
    </message>
    <message id="31006">
        <source>Encrypted (TLS)</source>
        <extracomment>notifications page: check box, MQTT over TLS</extracomment>
        <translation>暗号化（TLS）</translation>
    </message>
    <message id="31007">
        <source>Web address to call (webhook)</source>
        <extracomment>notifications page: webhook group</extracomment>
        <translation>呼び出す Web アドレス（Webhook）</translation>
    </message>
    <message id="31008">
        <source>Address (http:// or https://)</source>
        <extracomment>notifications page: webhook address label</extracomment>
        <translation>アドレス（http:// または https://）</translation>
    </message>
    <message id="31009">
        <source>E-mail</source>
        <extracomment>notifications page: e-mail group</extracomment>
        <translation>メール</translation>
    </message>
    <message id="31010">
        <source>Server (smtp:// or smtps://host:port)</source>
        <extracomment>notifications page: mail server label</extracomment>
        <translation>サーバー（smtp:// または smtps://ホスト:ポート）</translation>
    </message>
    <message id="31011">
        <source>Sender</source>
        <extracomment>notifications page: mail sender address label</extracomment>
        <translation>差出人</translation>
    </message>
    <message id="31012">
        <source>Recipients (comma-separated)</source>
        <extracomment>notifications page: mail recipients label</extracomment>
        <translation>宛先（カンマ区切り）</translation>
    </message>
    <message id="31013">
        <source>Encrypt with STARTTLS</source>
        <extracomment>notifications page: check box, mail with STARTTLS</extracomment>
        <translation>STARTTLS で暗号化</translation>
    </message>
    <message id="31014">
        <source>Send on</source>
        <extracomment>notifications page: group of the events that are sent</extracomment>
        <translation>送信するイベント</translation>
    </message>
    <message id="31015">
        <source>Motion</source>
        <extracomment>notifications page: check box, motion events are sent</extracomment>
        <translation>動き</translation>
    </message>
    <message id="31016">
        <source>Camera lost</source>
        <extracomment>notifications page: check box; mail subject: a camera delivers no pictures</extracomment>
        <translation>カメラ切断</translation>
    </message>
    <message id="31017">
        <source>Disk full</source>
        <extracomment>notifications page: check box; mail subject: recording paused for want of space</extracomment>
        <translation>ディスクがいっぱい</translation>
    </message>
    <message id="31018">
        <source>Recording failed</source>
        <extracomment>notifications page: check box; mail subject: a recording could not be written</extracomment>
        <translation>録画失敗</translation>
    </message>
    <message id="31019">
        <source>Seconds between two motion notices of a camera</source>
        <extracomment>notifications page: cooldown label</extracomment>
        <translation>同じカメラの動き通知の間隔（秒）</translation>
    </message>
    <message id="31020">
        <source>Send a test</source>
        <extracomment>notifications page: test button of each channel</extracomment>
        <translation>テスト送信</translation>
    </message>
    <message id="31021">
        <source>Sending…</source>
        <extracomment>notifications page: a test is under way</extracomment>
        <translation>送信中…</translation>
    </message>
    <message id="31022">
        <source>Sent.</source>
        <extracomment>notifications page: a test succeeded</extracomment>
        <translation>送信しました。</translation>
    </message>
    <message id="31023">
        <source>Failed: %1</source>
        <extracomment>notifications page: a test failed; %1 is the reason</extracomment>
        <translation>失敗：%1</translation>
    </message>
    <message id="31024">
        <source>MQTT broker connected</source>
        <extracomment>log: the MQTT connection is up</extracomment>
        <translation>MQTT ブローカーに接続しました</translation>
    </message>
    <message id="31025">
        <source>MQTT broker unreachable: %1</source>
        <extracomment>log: the MQTT connection failed or was lost; %1 is the reason</extracomment>
        <translation>MQTT ブローカーに接続できません：%1</translation>
    </message>
    <message id="31026">
        <source>Webhook sent</source>
        <extracomment>log: an event was posted to the webhook</extracomment>
        <translation>Webhook を送信しました</translation>
    </message>
    <message id="31027">
        <source>Webhook failed: %1</source>
        <extracomment>log: the webhook refused or did not answer after the retries; %1 is the reason</extracomment>
        <translation>Webhook 失敗：%1</translation>
    </message>
    <message id="31028">
        <source>E-mail sent</source>
        <extracomment>log: an event mail was sent</extracomment>
        <translation>メールを送信しました</translation>
    </message>
    <message id="31029">
        <source>E-mail failed: %1</source>
        <extracomment>log: an event mail could not be sent; %1 is the reason</extracomment>
        <translation>メール送信失敗：%1</translation>
    </message>
    <message id="31030">
        <source>Recording failed: the file could not be written</source>
        <extracomment>log: a camera's recording stopped because its file could not be created or written (not a full disk); the file column names the folder</extracomment>
        <translation>録画に失敗しました：ファイルを書き込めません</translation>
    </message>
    <message id="31100">
        <source>List</source>
        <extracomment>log viewer: tab of the list of entries</extracomment>
        <translation>一覧</translation>
    </message>
    <message id="31101">
        <source>Timeline</source>
        <extracomment>log viewer: tab of the day's timeline, one row per camera</extracomment>
        <translation>タイムライン</translation>
    </message>
    <message id="31102">
        <source>Group motion events</source>
        <extracomment>log viewer: switch that shows one row per motion event instead of one per picture</extracomment>
        <translation>動体イベントをまとめる</translation>
    </message>
    <message id="31103">
        <source>Export clip…</source>
        <extracomment>log viewer: button that writes the chosen span of a camera's recording into one file</extracomment>
        <translation>クリップを書き出す…</translation>
    </message>
    <message id="31104">
        <source>All cameras</source>
        <extracomment>log viewer: camera filter entry that shows every camera</extracomment>
        <translation>すべてのカメラ</translation>
    </message>
    <message id="31105">
        <source>Motion event: %1 pictures</source>
        <extracomment>log viewer: description of a grouped motion event; %1 the number of pictures</extracomment>
        <translation>動体イベント：%1 枚</translation>
    </message>
    <message id="31106">
        <source>Nothing was recorded in that span.</source>
        <extracomment>log viewer: message when a clip cannot be exported because there is no recording</extracomment>
        <translation>その範囲には録画がありません。</translation>
    </message>
    <message id="31107">
        <source>The clip could not be written.</source>
        <extracomment>log viewer: message when the clip file cannot be read from or written</extracomment>
        <translation>クリップを書き込めませんでした。</translation>
    </message>
    <message id="31108">
        <source>The clip was written.</source>
        <extracomment>log viewer: message after a clip was exported</extracomment>
        <translation>クリップを書き出しました。</translation>
    </message>
    <message id="31109">
        <source>Hold Shift and drag along a camera's row to choose the span first.</source>
        <extracomment>log viewer: message when Export clip is pressed with no span chosen</extracomment>
        <translation>まず Shift を押しながらカメラの行をドラッグして範囲を選んでください。</translation>
    </message>
    <message id="31110">
        <source>Step back one frame</source>
        <extracomment>log viewer: hint of the paused player's frame step back button</extracomment>
        <translation>1 コマ戻る</translation>
    </message>
    <message id="31111">
        <source>Step forward one frame</source>
        <extracomment>log viewer: hint of the paused player's frame step forward button</extracomment>
        <translation>1 コマ進む</translation>
    </message>
    <message id="31112">
        <source>Click a row to play from that moment. Drag to move, wheel to zoom, Shift+drag to choose a span.</source>
        <extracomment>log viewer: hint above the timeline</extracomment>
        <translation>行をクリックするとその時刻から再生します。ドラッグで移動、ホイールで拡大縮小、Shift+ドラッグで範囲を選択します。</translation>
    </message>
    <message id="31113">
        <source>MP4 video (*.mp4)</source>
        <extracomment>log viewer: file type of the export dialog</extracomment>
        <translation>MP4 動画 (*.mp4)</translation>
    </message>
    <message id="31114">
        <source>Motion event</source>
        <extracomment>timeline: hint of a motion event mark</extracomment>
        <translation>動体イベント</translation>
    </message>
    <message id="31115">
        <source>Picture</source>
        <extracomment>timeline: hint of a snapshot tick</extracomment>
        <translation>画像</translation>
    </message>
    <message id="31119">
        <source>Playback speed</source>
        <extracomment>log viewer: hint of the speed choice of the timeline player</extracomment>
        <translation>再生速度</translation>
    </message>
    <message id="31120">
        <source>From here</source>
        <extracomment>log viewer: player button that marks the moment being played as the start of a clip</extracomment>
        <translation>ここから</translation>
    </message>
    <message id="31121">
        <source>To here</source>
        <extracomment>log viewer: player button that marks the moment being played as the end of a clip</extracomment>
        <translation>ここまで</translation>
    </message>
    <message id="31122">
        <source>A recording of that span could not be read.</source>
        <extracomment>log viewer: message when a recording the clip is taken from cannot be opened</extracomment>
        <translation>その範囲の録画を読み込めませんでした。</translation>
    </message>
    <message id="31200">
        <source>Video format</source>
        <extracomment>recording page: label of the choice of the recordings' video format</extracomment>
        <translation>ビデオ形式</translation>
    </message>
    <message id="31201">
        <source>MPEG-4 (plays everywhere)</source>
        <extracomment>recording page: video format choice, the default</extracomment>
        <translation>MPEG-4（どこでも再生可能）</translation>
    </message>
    <message id="31202">
        <source>H.264 (smaller files)</source>
        <extracomment>recording page: video format choice</extracomment>
        <translation>H.264（ファイルが小さい）</translation>
    </message>
    <message id="31203">
        <source>Seconds before motion</source>
        <extracomment>recording page: label of the seconds a motion recording begins before the motion</extracomment>
        <translation>動きの前の秒数</translation>
    </message>
    <message id="31204">
        <source>A motion recording begins this many seconds before the motion was seen.</source>
        <extracomment>recording page: hint of the seconds before motion</extracomment>
        <translation>動体録画は動きを検出する指定秒数前から始まります。</translation>
    </message>
    <message id="31220">
        <source>Record the camera's own stream</source>
        <extracomment>device page: check box, a network camera's H.264/H.265 stream is recorded as it came, without re-encoding</extracomment>
        <translation>カメラ自身のストリームを録画</translation>
    </message>
    <message id="31221">
        <source>Smaller stream for detection (optional)</source>
        <extracomment>device page: label of the address of a second, smaller stream of the same camera used for the live picture and motion detection</extracomment>
        <translation>検出用の小さいストリーム（任意）</translation>
    </message>
</context>
</TS>
