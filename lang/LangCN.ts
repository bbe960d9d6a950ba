<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="1">
        <source>Program</source>
        <extracomment>log: source of program, recording, manual snapshot and broadcast events</extracomment>
        <translation>程序</translation>
    </message>
    <message id="2">
        <source>Program started</source>
        <extracomment>log: program start description</extracomment>
        <translation>程序启动</translation>
    </message>
    <message id="3">
        <source>Scheduler</source>
        <extracomment>log: source of scheduled shutdown, daily clean-up and timed upload snapshot</extracomment>
        <translation>定时任务</translation>
    </message>
    <message id="4">
        <source>Program closed for scheduled shutdown</source>
        <extracomment>log: program exit at scheduled power-off description</extracomment>
        <translation>到达定时关机时间，程序退出</translation>
    </message>
    <message id="5">
        <source>Program closed</source>
        <extracomment>log: program exit description</extracomment>
        <translation>程序退出</translation>
    </message>
    <message id="6">
        <source>Motion detection</source>
        <extracomment>log: source of motion snapshot events</extracomment>
        <translation>移动侦测</translation>
    </message>
    <message id="7">
        <source>Motion recording</source>
        <extracomment>log: source of motion-triggered recording events</extracomment>
        <translation>移动侦测录像</translation>
    </message>
    <message id="8">
        <source>Motion recording started</source>
        <extracomment>log: motion-triggered recording start description</extracomment>
        <translation>开始移动侦测录像</translation>
    </message>
    <message id="9">
        <source>Motion recording stopped</source>
        <extracomment>log: motion-triggered recording stop description</extracomment>
        <translation>停止移动侦测录像</translation>
    </message>
    <message id="10">
        <source>Motion detected</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>发现移动物体</translation>
    </message>
    <message id="11">
        <source>Motion ended</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>移动物体消失</translation>
    </message>
    <message id="12">
        <source>Picture taken</source>
        <extracomment>log: motion and manual snapshot description</extracomment>
        <translation>抓拍图片</translation>
    </message>
    <message id="13">
        <source>Recording started</source>
        <extracomment>log: continuous recording start and new video file description</extracomment>
        <translation>开始录像</translation>
    </message>
    <message id="14">
        <source>Recording stopped</source>
        <extracomment>log: continuous recording stop description</extracomment>
        <translation>停止录像</translation>
    </message>
    <message id="15">
        <source>Camera stopped</source>
        <extracomment>log: camera stop source and description</extracomment>
        <translation>摄像头停止</translation>
    </message>
    <message id="16">
        <source>Camera started</source>
        <extracomment>log: camera start source and description</extracomment>
        <translation>摄像头启动</translation>
    </message>
    <message id="17">
        <source>Snapshot</source>
        <extracomment>snapshot pop-up: window caption</extracomment>
        <translation>抓拍</translation>
    </message>
    <message id="18">
        <source>Picture taken for upload</source>
        <extracomment>log: timed and test upload snapshot description</extracomment>
        <translation>抓拍上传图片</translation>
    </message>
    <message id="19">
        <source>FTP upload succeeded</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>FTP上传成功</translation>
    </message>
    <message id="20">
        <source>FTP upload failed</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>FTP上传失败</translation>
    </message>
    <message id="21">
        <source>Broadcast started</source>
        <extracomment>log: live broadcast start description</extracomment>
        <translation>开始网络直播</translation>
    </message>
    <message id="22">
        <source>Broadcast stopped</source>
        <extracomment>log: live broadcast stop description</extracomment>
        <translation>停止网络直播</translation>
    </message>
    <message id="100">
        <source>Trelvix</source>
        <extracomment>main window: application title, caption and tray tip</extracomment>
        <translation>Trelvix 监控</translation>
    </message>
    <message id="200">
        <source>System</source>
        <extracomment>settings window: system page title and navigation entry</extracomment>
        <translation>系统设置</translation>
    </message>
    <message id="207">
        <source>Always on top</source>
        <extracomment>system page: always-on-top check box (hidden)</extracomment>
        <translation>最顶层显示</translation>
    </message>
    <message id="212">
        <source>Start with the system</source>
        <extracomment>system page: start-with-session check box</extracomment>
        <translation>开机自启动</translation>
    </message>
    <message id="213">
        <source>Scheduled Shutdown</source>
        <extracomment>system page: shutdown group</extracomment>
        <translation>定时关机</translation>
    </message>
    <message id="214">
        <source>Enable</source>
        <extracomment>system page: shutdown enable check box</extracomment>
        <translation>启用</translation>
    </message>
    <message id="215">
        <source>Shutdown time</source>
        <extracomment>system page: shutdown time label</extracomment>
        <translation>关机时间</translation>
    </message>
    <message id="216">
        <source>Every day</source>
        <extracomment>system page: daily shutdown check box</extracomment>
        <translation>每天</translation>
    </message>
    <message id="217">
        <source>Password Protection</source>
        <extracomment>system page: password group</extracomment>
        <translation>密码保护</translation>
    </message>
    <message id="218">
        <source>Enable</source>
        <extracomment>system page: password enable check box</extracomment>
        <translation>启用</translation>
    </message>
    <message id="219">
        <source>Password</source>
        <extracomment>system page: password entry label</extracomment>
        <translation>输入密码</translation>
    </message>
    <message id="220">
        <source>Confirm password</source>
        <extracomment>system page: password confirmation label</extracomment>
        <translation>密码确认</translation>
    </message>
    <message id="221">
        <source>Log folder</source>
        <extracomment>system page: log folder label</extracomment>
        <translation>系统日志存放路径</translation>
    </message>
    <message id="222">
        <source>Days of history to keep</source>
        <extracomment>system page: history days label</extracomment>
        <translation>保存历史记录天数</translation>
    </message>
    <message id="223">
        <source>Browse...</source>
        <extracomment>system page: log folder button</extracomment>
        <translation>选择目录</translation>
    </message>
    <message id="227">
        <source>Number of Cameras</source>
        <extracomment>system page: camera grid group</extracomment>
        <translation>摄像头个数</translation>
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
        <translation>确定</translation>
    </message>
    <message id="400">
        <source>Device Settings</source>
        <extracomment>settings window: caption</extracomment>
        <translation>设备设置</translation>
    </message>
    <message id="402">
        <source>Available devices</source>
        <extracomment>settings window: camera chooser label</extracomment>
        <translation>可用的设备</translation>
    </message>
    <message id="404">
        <source>Apply current settings to all cameras</source>
        <extracomment>settings window: apply-to-all check box</extracomment>
        <translation>当前设置应用到所有摄像头</translation>
    </message>
    <message id="405">
        <source>Device Properties</source>
        <extracomment>settings window: device properties button</extracomment>
        <translation>设备属性</translation>
    </message>
    <message id="419">
        <source>Step</source>
        <extracomment>overlay page: arrow step label</extracomment>
        <translation>调整灵敏度</translation>
    </message>
    <message id="420">
        <source>Overlay</source>
        <extracomment>settings window: overlay page title and navigation entry</extracomment>
        <translation>画面叠加</translation>
    </message>
    <message id="421">
        <source>Show Time</source>
        <extracomment>overlay page: time group</extracomment>
        <translation>显示时间</translation>
    </message>
    <message id="422">
        <source>Format</source>
        <extracomment>overlay page: time format label</extracomment>
        <translation>格式</translation>
    </message>
    <message id="423">
        <source>Font</source>
        <extracomment>overlay page: time font button</extracomment>
        <translation>字体</translation>
    </message>
    <message id="425">
        <source>Position</source>
        <extracomment>overlay page: time and guide-line position labels</extracomment>
        <translation>位置</translation>
    </message>
    <message id="426">
        <source>Enable</source>
        <extracomment>overlay page: show-time check box</extracomment>
        <translation>启用</translation>
    </message>
    <message id="428">
        <source>Caption</source>
        <extracomment>overlay page: caption text label (replaced by 30002)</extracomment>
        <translation>字幕</translation>
    </message>
    <message id="429">
        <source>Font</source>
        <extracomment>overlay page: caption font button</extracomment>
        <translation>字体</translation>
    </message>
    <message id="431">
        <source>Apply</source>
        <extracomment>overlay page: caption apply button</extracomment>
        <translation>确定修改</translation>
    </message>
    <message id="432">
        <source>Position</source>
        <extracomment>overlay page: caption position label</extracomment>
        <translation>位置</translation>
    </message>
    <message id="434">
        <source>Picture folder</source>
        <extracomment>recording page: picture folder label</extracomment>
        <translation>图片存放</translation>
    </message>
    <message id="437">
        <source>Recording</source>
        <extracomment>settings window: recording page title and navigation entry</extracomment>
        <translation>录像设置</translation>
    </message>
    <message id="438">
        <source>Video folder</source>
        <extracomment>recording page: video folder label</extracomment>
        <translation>录像存放</translation>
    </message>
    <message id="439">
        <source>Browse...</source>
        <extracomment>recording page: video folder button</extracomment>
        <translation>选择目录</translation>
    </message>
    <message id="440">
        <source>Browse...</source>
        <extracomment>recording page: picture folder button</extracomment>
        <translation>选择目录</translation>
    </message>
    <message id="441">
        <source>The folder cannot be created or written. The previous folder is kept.</source>
        <extracomment>recording page: unusable folder message</extracomment>
        <translation>无法创建或写入该文件夹，仍使用原来的文件夹。</translation>
    </message>
    <message id="447">
        <source>Sensitivity (lower is more sensitive)</source>
        <extracomment>motion page: sensitivity label</extracomment>
        <translation>敏感值（越小越敏感）</translation>
    </message>
    <message id="448">
        <source>Region color</source>
        <extracomment>motion page: region colour label</extracomment>
        <translation>颜色选择</translation>
    </message>
    <message id="449">
        <source>Red</source>
        <extracomment>motion page: red region button</extracomment>
        <translation>红</translation>
    </message>
    <message id="450">
        <source>Green</source>
        <extracomment>motion page: green region button</extracomment>
        <translation>绿</translation>
    </message>
    <message id="451">
        <source>Blue</source>
        <extracomment>motion page: blue region button</extracomment>
        <translation>蓝</translation>
    </message>
    <message id="452">
        <source>Detection interval (s)</source>
        <extracomment>motion page: detection interval label</extracomment>
        <translation>侦测间隔（秒）</translation>
    </message>
    <message id="453">
        <source>Motion Detection</source>
        <extracomment>settings window: motion page title and navigation entry</extracomment>
        <translation>移动侦测</translation>
    </message>
    <message id="454">
        <source>Record on motion, stop after</source>
        <extracomment>motion page: record-on-motion sentence, first part</extracomment>
        <translation>发现移动物录像，当持续</translation>
    </message>
    <message id="455">
        <source>seconds without motion.</source>
        <extracomment>motion page: record-on-motion sentence, second part</extracomment>
        <translation>秒无移动则停止。</translation>
    </message>
    <message id="456">
        <source>Motion Sound</source>
        <extracomment>motion page: sound group</extracomment>
        <translation>移动侦测音效</translation>
    </message>
    <message id="457">
        <source>Sound:</source>
        <extracomment>motion page: sound label</extracomment>
        <translation>声音：</translation>
    </message>
    <message id="458">
        <source>Browse...</source>
        <extracomment>motion page: sound browse button</extracomment>
        <translation>浏览...</translation>
    </message>
    <message id="459">
        <source>No picture on motion</source>
        <extracomment>motion page: no-picture check box</extracomment>
        <translation>发现移动物不抓拍</translation>
    </message>
    <message id="460">
        <source>Run Program on Motion</source>
        <extracomment>motion page: external program group</extracomment>
        <translation>移动侦测执行外部程序</translation>
    </message>
    <message id="461">
        <source>Program:</source>
        <extracomment>motion page: program label</extracomment>
        <translation>程序名称：</translation>
    </message>
    <message id="462">
        <source>Window:</source>
        <extracomment>motion page: run mode label</extracomment>
        <translation>运行方式：</translation>
    </message>
    <message id="463">
        <source>Parameters:</source>
        <extracomment>motion page: program parameters label</extracomment>
        <translation>程序参数：</translation>
    </message>
    <message id="464">
        <source>Browse...</source>
        <extracomment>motion page: program browse button</extracomment>
        <translation>浏览...</translation>
    </message>
    <message id="468">
        <source>Enable</source>
        <extracomment>motion page: run-program check box</extracomment>
        <translation>启用</translation>
    </message>
    <message id="469">
        <source>Enable</source>
        <extracomment>motion page: play-sound check box</extracomment>
        <translation>启用</translation>
    </message>
    <message id="486">
        <source>Select Video Folder</source>
        <extracomment>recording page: video folder dialog title</extracomment>
        <translation>选择录像存放目录</translation>
    </message>
    <message id="487">
        <source>Select Picture Folder</source>
        <extracomment>recording page: picture folder dialog title</extracomment>
        <translation>选择图片存放目录</translation>
    </message>
    <message id="488">
        <source>Apply the current camera's settings to all cameras?</source>
        <extracomment>settings window: apply-to-all question</extracomment>
        <translation>是否将当前摄像头的设置应用到所有摄像头？</translation>
    </message>
    <message id="489">
        <source>Apply to All Cameras</source>
        <extracomment>settings window: apply-to-all question caption</extracomment>
        <translation>应用到所有摄像头</translation>
    </message>
    <message id="490">
        <source>Wave sounds (*.wav);;All files (*)</source>
        <extracomment>motion page: sound file dialog filter</extracomment>
        <translation>声音文件 (*.wav);;所有文件 (*)</translation>
    </message>
    <message id="491">
        <source>Programs (*);;Shell scripts (*.sh)</source>
        <extracomment>motion page: program file dialog filter</extracomment>
        <translation>程序 (*);;脚本 (*.sh)</translation>
    </message>
    <message id="494">
        <source>Normal window</source>
        <extracomment>motion page: run mode item 0</extracomment>
        <translation>常规窗口</translation>
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
        <translation>禁用设备</translation>
    </message>
    <message id="501">
        <source>Device ID</source>
        <extracomment>device page: device id label</extracomment>
        <translation>设备ID</translation>
    </message>
    <message id="502">
        <source>System devices</source>
        <extracomment>device page: list heading</extracomment>
        <translation>系统设备列表</translation>
    </message>
    <message id="503">
        <source>Check the devices not to use.</source>
        <extracomment>device page: instruction</extracomment>
        <translation>请选择不使用的设备。</translation>
    </message>
    <message id="505">
        <source>OK</source>
        <extracomment>device page: OK button</extracomment>
        <translation>确定</translation>
    </message>
    <message id="600">
        <source>Event Log</source>
        <extracomment>log viewer: window caption</extracomment>
        <translation>系统日志</translation>
    </message>
    <message id="601">
        <source>Log date</source>
        <extracomment>log viewer: date label</extracomment>
        <translation>日志日期</translation>
    </message>
    <message id="602">
        <source>Double-click to play, right-click for more</source>
        <extracomment>log viewer: usage hint</extracomment>
        <translation>双击回放 或  右键菜单更多功能</translation>
    </message>
    <message id="603">
        <source>Refresh</source>
        <extracomment>log viewer: refresh button</extracomment>
        <translation>刷新</translation>
    </message>
    <message id="604">
        <source>Previous Day</source>
        <extracomment>log viewer: previous day button</extracomment>
        <translation>前一天</translation>
    </message>
    <message id="605">
        <source>Next Day</source>
        <extracomment>log viewer: next day button</extracomment>
        <translation>后一天</translation>
    </message>
    <message id="606">
        <source>Clear</source>
        <extracomment>log viewer: delete-all button</extracomment>
        <translation>清空</translation>
    </message>
    <message id="607">
        <source>Only entries with files</source>
        <extracomment>log viewer: file filter check box</extracomment>
        <translation>只显示有文件的日志</translation>
    </message>
    <message id="608">
        <source>Open File</source>
        <extracomment>log viewer: menu open file</extracomment>
        <translation>打开（文件）</translation>
    </message>
    <message id="609">
        <source>Delete Selected</source>
        <extracomment>log viewer: menu delete selected</extracomment>
        <translation>删除选定项目</translation>
    </message>
    <message id="610">
        <source>Open Folder</source>
        <extracomment>log viewer: menu open folder</extracomment>
        <translation>打开文件夹</translation>
    </message>
    <message id="611">
        <source>Delete All</source>
        <extracomment>log viewer: menu delete all</extracomment>
        <translation>全部删除</translation>
    </message>
    <message id="612">
        <source>Source</source>
        <extracomment>log viewer: source column</extracomment>
        <translation>来源</translation>
    </message>
    <message id="613">
        <source>Date</source>
        <extracomment>log viewer: date column</extracomment>
        <translation>日期</translation>
    </message>
    <message id="614">
        <source>Time</source>
        <extracomment>log viewer: time column</extracomment>
        <translation>时间</translation>
    </message>
    <message id="615">
        <source>Camera</source>
        <extracomment>log viewer: camera name column</extracomment>
        <translation>摄像头</translation>
    </message>
    <message id="616">
        <source>Description</source>
        <extracomment>log viewer: description column</extracomment>
        <translation>事件描述</translation>
    </message>
    <message id="617">
        <source>Camera No.</source>
        <extracomment>log viewer: camera number column</extracomment>
        <translation>摄像头编号</translation>
    </message>
    <message id="618">
        <source>File</source>
        <extracomment>log viewer: file path column</extracomment>
        <translation>文件路径</translation>
    </message>
    <message id="619">
        <source>Only motion pictures</source>
        <extracomment>log viewer: motion filter check box (hidden)</extracomment>
        <translation>只显示移动侦测抓拍</translation>
    </message>
    <message id="620">
        <source>Play</source>
        <extracomment>log viewer: play button hint</extracomment>
        <translation>播放</translation>
    </message>
    <message id="621">
        <source>Pause/Play</source>
        <extracomment>log viewer: pause button hint</extracomment>
        <translation>暂停/播放</translation>
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
        <translation>减速播放</translation>
    </message>
    <message id="700">
        <source>Enter Password</source>
        <extracomment>password dialog: caption</extracomment>
        <translation>密码输入</translation>
    </message>
    <message id="701">
        <source>Password</source>
        <extracomment>password dialog: label</extracomment>
        <translation>密码</translation>
    </message>
    <message id="702">
        <source>OK</source>
        <extracomment>password dialog: OK button</extracomment>
        <translation>确定</translation>
    </message>
    <message id="703">
        <source>The passwords differ or are empty. System settings were not saved.</source>
        <extracomment>system page: password mismatch message</extracomment>
        <translation>两次输入的密码不一致或为空，系统设置未保存。</translation>
    </message>
    <message id="1000">
        <source>FTP Upload</source>
        <extracomment>settings window: FTP page title and navigation entry</extracomment>
        <translation>FTP上传</translation>
    </message>
    <message id="1001">
        <source>Host</source>
        <extracomment>FTP page: host label</extracomment>
        <translation>地址</translation>
    </message>
    <message id="1002">
        <source>Port</source>
        <extracomment>FTP page: port label</extracomment>
        <translation>端口</translation>
    </message>
    <message id="1003">
        <source>User name</source>
        <extracomment>FTP page: user label</extracomment>
        <translation>用户名</translation>
    </message>
    <message id="1004">
        <source>Password</source>
        <extracomment>FTP page: password label</extracomment>
        <translation>密码</translation>
    </message>
    <message id="1005">
        <source>Upload folder</source>
        <extracomment>FTP page: upload folder label</extracomment>
        <translation>上传到文件夹</translation>
    </message>
    <message id="1006">
        <source>Choose FTP Folder...</source>
        <extracomment>FTP page: folder browser button</extracomment>
        <translation>选择上传FTP文件夹</translation>
    </message>
    <message id="1007">
        <source>Timed Snapshots</source>
        <extracomment>FTP page: timed snapshot group</extracomment>
        <translation>定时抓拍</translation>
    </message>
    <message id="1008">
        <source>Snapshot interval (s)</source>
        <extracomment>FTP page: snapshot interval label</extracomment>
        <translation>抓拍间隔时间（秒）</translation>
    </message>
    <message id="1009">
        <source>Upload interval (s)</source>
        <extracomment>FTP page: upload interval label</extracomment>
        <translation>上传间隔时间（秒）</translation>
    </message>
    <message id="1010">
        <source>Pictures per upload</source>
        <extracomment>FTP page: batch size label</extracomment>
        <translation>一次上传数量（张）</translation>
    </message>
    <message id="1011">
        <source>Upload File Options</source>
        <extracomment>FTP page: file options group</extracomment>
        <translation>关于上传文件的设置</translation>
    </message>
    <message id="1012">
        <source>Create a folder per day</source>
        <extracomment>FTP page: day folder check box</extracomment>
        <translation>自动建立日期文件夹</translation>
    </message>
    <message id="1013">
        <source>Use a fixed file name</source>
        <extracomment>FTP page: fixed name check box</extracomment>
        <translation>图片保存为固定文件名</translation>
    </message>
    <message id="1014">
        <source>File name</source>
        <extracomment>FTP page: fixed file name label</extracomment>
        <translation>文件名</translation>
    </message>
    <message id="1015">
        <source>Upload motion pictures</source>
        <extracomment>FTP page: motion picture upload check box</extracomment>
        <translation>移动侦测图片上传</translation>
    </message>
    <message id="1016">
        <source>Close</source>
        <extracomment>FTP folder browser: close button hint (suggested use)</extracomment>
        <translation>关闭</translation>
    </message>
    <message id="1017">
        <source>Use This Folder</source>
        <extracomment>FTP folder browser: take-folder button hint (suggested use)</extracomment>
        <translation>使用此文件夹</translation>
    </message>
    <message id="1018">
        <source>Log In to FTP Server...</source>
        <extracomment>FTP folder browser: login button</extracomment>
        <translation>登录FTP主机...</translation>
    </message>
    <message id="1019">
        <source>Choose FTP folder</source>
        <extracomment>FTP folder browser: tree label</extracomment>
        <translation>选择FTP文件夹</translation>
    </message>
    <message id="1020">
        <source>Upload folder</source>
        <extracomment>FTP folder browser: picked folder label</extracomment>
        <translation>上传到文件夹</translation>
    </message>
    <message id="1021">
        <source>Test Snapshot Upload</source>
        <extracomment>FTP folder browser: test upload button</extracomment>
        <translation>尝试抓拍传到FTP</translation>
    </message>
    <message id="1022">
        <source>Message</source>
        <extracomment>FTP folder browser: message column</extracomment>
        <translation>信息</translation>
    </message>
    <message id="1023">
        <source>Time</source>
        <extracomment>FTP folder browser: time column</extracomment>
        <translation>时间</translation>
    </message>
    <message id="2000">
        <source>Live Broadcast</source>
        <extracomment>settings window: broadcast page title and navigation entry</extracomment>
        <translation>网络直播</translation>
    </message>
    <message id="2002">
        <source>Broadcast port</source>
        <extracomment>broadcast page: port label</extracomment>
        <translation>直播端口</translation>
    </message>
    <message id="2003">
        <source>Maximum viewers</source>
        <extracomment>broadcast page: max viewers label</extracomment>
        <translation>允许最多客户端</translation>
    </message>
    <message id="2004">
        <source>Include audio</source>
        <extracomment>broadcast page: audio check box</extracomment>
        <translation>直播包含音频</translation>
    </message>
    <message id="2008">
        <source>Test</source>
        <extracomment>broadcast page: test button</extracomment>
        <translation>测试</translation>
    </message>
    <message id="2010">
        <source>This is a handy feature: it broadcasts the camera's live picture over the network, so that anyone who can reach this computer can watch it from afar with a media player such as VLC or Windows Media Player (open the address as a network stream). Once the broadcast runs, two addresses appear: a public one and a private one. On a local network use the private address; otherwise use the public one. About the settings: on a slow network leave "Include audio" off; where the network allows, choose the highest bit rate you can. Adjust the values to your surroundings for the best result.</source>
        <extracomment>broadcast page: explanation</extracomment>
        <translation>这是一个很有趣的功能。他可以把摄像头的视频广播出去，你可以在远程通过Windows Media Player直接观看（从文件菜单选择“打开URL”），只要网络能够连接到这台机器。启动广播功能后能看到两个URL 一个是Public URL一个是 Private URL，如果你是局域网使用那么可以直接用Private URL，否则请使用Public URL。关于一些参数的设置：对于网络较慢的地方请不要“包含音频”，如果网络允许倾尽可能的选择较大 “码率”，根据你的环境进行适当设置，可以获得较好的效果。</translation>
    </message>
    <message id="2017">
        <source>Picture size</source>
        <extracomment>broadcast page: size label</extracomment>
        <translation>视频大小</translation>
    </message>
    <message id="2018">
        <source>Frame rate</source>
        <extracomment>broadcast page: frame rate label</extracomment>
        <translation>帧率</translation>
    </message>
    <message id="2019">
        <source>Video quality (bit rate)</source>
        <extracomment>broadcast page: bit rate label</extracomment>
        <translation>视频质量（码率）</translation>
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
        <translation>请先输入FTP服务器地址和端口。</translation>
    </message>
    <message id="9001">
        <source>History before</source>
        <extracomment>log: daily clean-up description, before the date</extracomment>
        <translation>已删除</translation>
    </message>
    <message id="9002">
        <source>was deleted</source>
        <extracomment>log: daily clean-up description, after the date</extracomment>
        <translation>之前的历史记录</translation>
    </message>
    <message id="30001">
        <source>Caption</source>
        <extracomment>overlay page: caption group</extracomment>
        <translation>字幕设置</translation>
    </message>
    <message id="30002">
        <source>Caption text</source>
        <extracomment>overlay page: caption text label</extracomment>
        <translation>字幕内容</translation>
    </message>
    <message id="30003">
        <source>Normal</source>
        <extracomment>overlay page: orientation normal</extracomment>
        <translation>正像</translation>
    </message>
    <message id="30004">
        <source>Flip vertically</source>
        <extracomment>overlay page: orientation flipped</extracomment>
        <translation>上下翻转</translation>
    </message>
    <message id="30005">
        <source>Mirror horizontally</source>
        <extracomment>overlay page: orientation mirrored</extracomment>
        <translation>左右翻转</translation>
    </message>
    <message id="30006">
        <source>Show guide lines</source>
        <extracomment>overlay page: guide line check box</extracomment>
        <translation>显示标尺</translation>
    </message>
    <message id="30007">
        <source>Line</source>
        <extracomment>overlay page: guide line chooser label</extracomment>
        <translation>格式</translation>
    </message>
    <message id="30008">
        <source>Color</source>
        <extracomment>overlay page: guide line colour button</extracomment>
        <translation>颜色</translation>
    </message>
    <message id="30009">
        <source>Record when the program starts</source>
        <extracomment>overlay page: auto record check box</extracomment>
        <translation>程序开启时自动录像</translation>
    </message>
    <message id="30010">
        <source>Turning the picture uses more CPU.</source>
        <extracomment>overlay page: orientation note</extracomment>
        <translation>旋转画面会消耗更多的资源。</translation>
    </message>
    <message id="30011">
        <source>Use this feature with care while driving.</source>
        <extracomment>motion page: driving note</extracomment>
        <translation>友情提醒，在开车时谨慎使用此项功能。</translation>
    </message>
    <message id="30012">
        <source>Enable motion detection</source>
        <extracomment>motion page: enable check box</extracomment>
        <translation>开启移动侦测</translation>
    </message>
    <message id="30013">
        <source>Video quality</source>
        <extracomment>recording page: quality label</extracomment>
        <translation>录像质量</translation>
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
        <translation>录像文件大小（分钟）</translation>
    </message>
    <message id="30017">
        <source>Enable FTP upload</source>
        <extracomment>FTP page: start upload check box</extracomment>
        <translation>启动FTP上传功能</translation>
    </message>
    <message id="30018">
        <source>Minimize to tray after start</source>
        <extracomment>system page: tray check box</extracomment>
        <translation>开启后缩小到系统托盘</translation>
    </message>
    <message id="30019">
        <source>5-meter line</source>
        <extracomment>overlay page: guide line item 0</extracomment>
        <translation>五米线</translation>
    </message>
    <message id="30020">
        <source>10-meter line</source>
        <extracomment>overlay page: guide line item 1</extracomment>
        <translation>十米线</translation>
    </message>
    <message id="30021">
        <source>This page comes in a later version.</source>
        <extracomment>settings window: page not yet available</extracomment>
        <translation>此页面将在以后的版本中提供。</translation>
    </message>
    <message id="30022">
        <source>Text color...</source>
        <extracomment>font dialog: text colour button</extracomment>
        <translation>文字颜色...</translation>
    </message>
    <message id="30100">
        <source>Delete old recordings when free space on the recording drive is below</source>
        <extracomment>system page: disk space limit label</extracomment>
        <translation>删除历史录像文件，当录像所在盘空间低于</translation>
    </message>
    <message id="30101">
        <source>The log folder must be a writable folder other than the root folder. The previous log folder is kept.</source>
        <extracomment>system page: refused log folder message</extracomment>
        <translation>日志文件夹必须是可写入的文件夹，且不能是根目录。已保留原来的日志文件夹。</translation>
    </message>
    <message id="30102">
        <source>The settings could not be saved.</source>
        <extracomment>system page: settings file write failure message</extracomment>
        <translation>无法保存设置。</translation>
    </message>
    <message id="30300">
        <source>Brightness</source>
        <extracomment>image parameters: brightness label</extracomment>
        <translation>亮度</translation>
    </message>
    <message id="30301">
        <source>Contrast</source>
        <extracomment>image parameters: contrast label</extracomment>
        <translation>对比度</translation>
    </message>
    <message id="30302">
        <source>Saturation</source>
        <extracomment>image parameters: saturation label</extracomment>
        <translation>饱和度</translation>
    </message>
    <message id="30303">
        <source>Hue</source>
        <extracomment>image parameters: hue label</extracomment>
        <translation>色调</translation>
    </message>
    <message id="30304">
        <source>Sharpness</source>
        <extracomment>image parameters: sharpness label</extracomment>
        <translation>锐度</translation>
    </message>
    <message id="30305">
        <source>Gamma</source>
        <extracomment>image parameters: gamma label</extracomment>
        <translation>伽马值</translation>
    </message>
    <message id="30306">
        <source>Image Adjustment</source>
        <extracomment>image parameters: dialog heading</extracomment>
        <translation>图像调节</translation>
    </message>
    <message id="30307">
        <source>Close</source>
        <extracomment>image parameters and device properties: close button</extracomment>
        <translation>关闭</translation>
    </message>
    <message id="30308">
        <source>This device offers no adjustable properties right now.</source>
        <extracomment>device properties: no controls (camera stopped or none reported)</extracomment>
        <translation>该设备当前没有可调节的属性。</translation>
    </message>
    <message id="30309">
        <source>Defaults</source>
        <extracomment>device properties: restore every control's default</extracomment>
        <translation>默认值</translation>
    </message>
    <message id="30400">
        <source>Trelvix live broadcast</source>
        <extracomment>broadcast: stream title, followed by the date</extracomment>
        <translation>Trelvix 实时直播</translation>
    </message>
    <message id="30401">
        <source>Live picture of a surveillance camera</source>
        <extracomment>broadcast: stream description</extracomment>
        <translation>监控摄像头的实时画面</translation>
    </message>
    <message id="30402">
        <source>Broadcast could not start</source>
        <extracomment>log and message: a broadcast failed to start, followed by the reason</extracomment>
        <translation>直播无法启动</translation>
    </message>
    <message id="30403">
        <source>The camera delivers no picture.</source>
        <extracomment>broadcast: reason why it could not start</extracomment>
        <translation>摄像头没有画面。</translation>
    </message>
    <message id="30404">
        <source>Open in the media player</source>
        <extracomment>broadcast page: tooltip of the two address buttons</extracomment>
        <translation>在媒体播放器中打开</translation>
    </message>
    <message id="30500">
        <source>Network camera</source>
        <extracomment>log: source of a network camera's stream lost and back events</extracomment>
        <translation>网络摄像头</translation>
    </message>
    <message id="30501">
        <source>Stream lost, reconnecting</source>
        <extracomment>log: a network camera's stream was lost or could not be reached</extracomment>
        <translation>视频流中断，正在重新连接</translation>
    </message>
    <message id="30502">
        <source>Stream back</source>
        <extracomment>log: a network camera's stream delivers pictures again</extracomment>
        <translation>视频流已恢复</translation>
    </message>
    <message id="30503">
        <source>Reconnecting…</source>
        <extracomment>camera picture: written over the greyed last picture while a network camera reconnects</extracomment>
        <translation>正在重新连接…</translation>
    </message>
    <message id="30504">
        <source>Network cameras</source>
        <extracomment>device page: heading of the network camera editor</extracomment>
        <translation>网络摄像头</translation>
    </message>
    <message id="30505">
        <source>Camera name</source>
        <extracomment>device page: label of the network camera's name</extracomment>
        <translation>摄像头名称</translation>
    </message>
    <message id="30506">
        <source>Address</source>
        <extracomment>device page: label of the network camera's address</extracomment>
        <translation>地址</translation>
    </message>
    <message id="30507">
        <source>RTSP over UDP</source>
        <extracomment>device page: check box, RTSP transport UDP instead of TCP</extracomment>
        <translation>RTSP 使用 UDP</translation>
    </message>
    <message id="30508">
        <source>Add</source>
        <extracomment>device page: adds a network camera</extracomment>
        <translation>添加</translation>
    </message>
    <message id="30509">
        <source>Change</source>
        <extracomment>device page: stores the edited network camera</extracomment>
        <translation>修改</translation>
    </message>
    <message id="30510">
        <source>Remove</source>
        <extracomment>device page: removes the selected network camera</extracomment>
        <translation>删除</translation>
    </message>
    <message id="30511">
        <source>Try</source>
        <extracomment>device page: shows the address's live picture</extracomment>
        <translation>试看</translation>
    </message>
    <message id="30512">
        <source>Enter a name for the camera.</source>
        <extracomment>device page: a network camera without a name</extracomment>
        <translation>请输入摄像头名称。</translation>
    </message>
    <message id="30513">
        <source>The address must begin with rtsp://, rtsps://, http:// or https:// and name a host.</source>
        <extracomment>device page: an address that cannot be used</extracomment>
        <translation>地址必须以 rtsp://、rtsps://、http:// 或 https:// 开头，并包含主机名。</translation>
    </message>
    <message id="30514">
        <source>Connecting…</source>
        <extracomment>device page: the tried address has not answered yet</extracomment>
        <translation>正在连接…</translation>
    </message>
    <message id="30515">
        <source>The camera delivers pictures.</source>
        <extracomment>device page: the tried address delivers pictures</extracomment>
        <translation>摄像头画面正常。</translation>
    </message>
    <message id="30516">
        <source>No picture from this address.</source>
        <extracomment>device page: the tried address failed</extracomment>
        <translation>此地址没有画面。</translation>
    </message>
    <message id="30517">
        <source>The list of network cameras could not be saved.</source>
        <extracomment>device page: netcams.txt could not be written</extracomment>
        <translation>无法保存网络摄像头列表。</translation>
    </message>
    <message id="30518">
        <source>Takes effect when the settings window closes.</source>
        <extracomment>device page: note under the network camera editor</extracomment>
        <translation>关闭设置窗口后生效。</translation>
    </message>
    <message id="30600">
        <source>Broadcast without sound</source>
        <extracomment>log: a broadcast with sound on started with pictures only, followed by the reason</extracomment>
        <translation>直播不含声音</translation>
    </message>
    <message id="30601">
        <source>Broadcast sound stopped</source>
        <extracomment>log: the sound device of a running broadcast failed, followed by the reason</extracomment>
        <translation>直播声音已中断</translation>
    </message>
    <message id="30800">
        <source>Recording paused: the disk is full</source>
        <extracomment>log: a camera's recording stopped for want of disk space; the file column names the folder</extracomment>
        <translation>录像已暂停：磁盘已满</translation>
    </message>
    <message id="30801">
        <source>Recording resumed</source>
        <extracomment>log: recording goes on once the disk has room again; the file column names the folder</extracomment>
        <translation>录像已恢复</translation>
    </message>
    <message id="30802">
        <source>Take a picture with the selected camera</source>
        <extracomment>main window: tooltip of the snapshot button</extracomment>
        <translation>用所选摄像头拍照</translation>
    </message>
    <message id="30803">
        <source>Start or stop the selected camera's broadcast</source>
        <extracomment>main window: tooltip of the broadcast button</extracomment>
        <translation>开始或停止所选摄像头的直播</translation>
    </message>
    <message id="30804">
        <source>Open the log of events and recordings</source>
        <extracomment>main window: tooltip of the log viewer button</extracomment>
        <translation>打开事件和录像日志</translation>
    </message>
    <message id="30805">
        <source>Adjust the selected camera's picture</source>
        <extracomment>main window: tooltip of the image parameters button</extracomment>
        <translation>调整所选摄像头的画面</translation>
    </message>
    <message id="30806">
        <source>Open the settings</source>
        <extracomment>main window: tooltip of the settings button</extracomment>
        <translation>打开设置</translation>
    </message>
    <message id="30807">
        <source>Stop or start the selected camera</source>
        <extracomment>main window: tooltip of the camera stop/start button</extracomment>
        <translation>停止或启动所选摄像头</translation>
    </message>
    <message id="30808">
        <source>Exit the program</source>
        <extracomment>main window: tooltip of the exit button</extracomment>
        <translation>退出程序</translation>
    </message>
    <message id="30809">
        <source>Camera: %1</source>
        <extracomment>image parameters: which camera the dialog adjusts; %1 is the camera's caption</extracomment>
        <translation>摄像头：%1</translation>
    </message>
    <message id="30750">
        <source>Free space:</source>
        <extracomment>main window: disk label before the free space of a camera's recording drive, e.g. 77G</extracomment>
        <translation>剩余空间:</translation>
    </message>
    <message id="30751">
        <source>Wrong password.</source>
        <extracomment>password prompt: message after a wrong or empty entry</extracomment>
        <translation>密码错误。</translation>
    </message>
    <message id="30752">
        <source>Frame rate</source>
        <extracomment>recording page: label of the recording frame rate</extracomment>
        <translation>帧率</translation>
    </message>
    <message id="30753">
        <source>If recordings play back too slowly (like slow motion), raise the frame rate; if too fast, lower it.</source>
        <extracomment>recording page: red hint under the frame rate</extracomment>
        <translation>如果你的录像回放很慢（像慢镜头，那么你要调大帧率，反之要调小）</translation>
    </message>
    <message id="30754">
        <source>Compression</source>
        <extracomment>recording page: label of the compression, never shown</extracomment>
        <translation>压缩</translation>
    </message>
    <message id="30755">
        <source>Device Properties</source>
        <extracomment>device properties window: title</extracomment>
        <translation>设备属性/Device Properties</translation>
    </message>
    <message id="30756">
        <source>Low disk space!</source>
        <extracomment>main window: warning while the disk clean-up finds too little space</extracomment>
        <translation>磁盘空间低！</translation>
    </message>
    <message id="30757">
        <source>Playback failed. Check whether the file was deleted; a file that is still being recorded cannot be played.</source>
        <extracomment>log viewer: message when a file cannot be played</extracomment>
        <translation>播放失败，请检查文件是否已被删除或者正在录音的文件不能播放。</translation>
    </message>
    <message id="30758">
        <source>The file could not be copied.</source>
        <extracomment>motion page: a chosen sound could not be copied into the sound folder</extracomment>
        <translation>文件拷贝失败。</translation>
    </message>
    <message id="30759">
        <source>The surveillance program has closed; the computer shuts down in 60 seconds.</source>
        <extracomment>scheduled power-off: the message the shutdown command shows to logged-in users</extracomment>
        <translation>监控程序退出，并在60秒后执行关机。</translation>
    </message>
    <message id="30760">
        <source>Welcome</source>
        <extracomment>motion page: name shown in the sound list for the default motion sound</extracomment>
        <translation>欢迎光临</translation>
    </message>
    <message id="30761">
        <source>Camera shutter</source>
        <extracomment>motion page: name shown in the sound list for the default snapshot sound</extracomment>
        <translation>拍照咔嚓</translation>
    </message>
    <message id="30762">
        <source>Trelvix goes on recording in the background. Click its icon here to open the window again.</source>
        <extracomment>tray: message shown the first time the main window is hidden to the notification area</extracomment>
        <translation>Trelvix 仍在后台录像。单击此处的图标可重新打开窗口。</translation>
    </message>
    <message id="30700">
        <source>The network camera list is larger than 1 MiB: it was not read and is kept as it is</source>
        <extracomment>log: netcams.txt is too large to read; followed by its path</extracomment>
        <translation>网络摄像机列表超过 1 MiB：未读取，保持原样</translation>
    </message>
    <message id="30701">
        <source>Viewers need a password</source>
        <extracomment>broadcast page: check box, viewers must give the password beside it</extracomment>
        <translation>观看者需要密码</translation>
    </message>
    <message id="30702">
        <source>Reachable from</source>
        <extracomment>broadcast page: label of the choice who can reach the broadcast</extracomment>
        <translation>可访问范围</translation>
    </message>
    <message id="30703">
        <source>This computer only</source>
        <extracomment>broadcast page: the broadcast is served on 127.0.0.1 alone</extracomment>
        <translation>仅限本机</translation>
    </message>
    <message id="30704">
        <source>Local network</source>
        <extracomment>broadcast page: the broadcast is served on every network address</extracomment>
        <translation>局域网</translation>
    </message>
    <message id="30200">
        <source>The port must be a number from 1 to 65535: %1</source>
        <extracomment>FTP page: message for a port that is not a number</extracomment>
        <translation>端口必须是 1 到 65535 之间的数字：%1</translation>
    </message>
    <message id="30201">
        <source>No picture to upload: the camera has not stored one yet.</source>
        <extracomment>FTP page: test pass without a picture</extracomment>
        <translation>没有可上传的图片：摄像头尚未保存图片。</translation>
    </message>
    <message id="30900">
        <source>Detect:</source>
        <extracomment>motion page: label before the detection mode list</extracomment>
        <translation>检测：</translation>
    </message>
    <message id="30901">
        <source>large changes (area)</source>
        <extracomment>motion page: detection mode, more than a share of the region changed</extracomment>
        <translation>大范围变化（区域）</translation>
    </message>
    <message id="30902">
        <source>anything person-sized or larger (object)</source>
        <extracomment>motion page: detection mode, a moving object of at least the smallest size</extracomment>
        <translation>人体大小或更大的物体（目标）</translation>
    </message>
    <message id="30903">
        <source>Smallest object (‰ of the picture):</source>
        <extracomment>motion page: label of the smallest moving object's size, drawn on the preview</extracomment>
        <translation>最小物体（画面的‰）：</translation>
    </message>
    <message id="30904">
        <source>Only when it is a person</source>
        <extracomment>motion page: motion counts only when a person detector finds a person in the moving object</extracomment>
        <translation>仅当是人时</translation>
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
        <translation>服务器</translation>
    </message>
    <message id="31003">
        <source>User name</source>
        <extracomment>notifications page: MQTT and e-mail user label</extracomment>
        <translation>用户名</translation>
    </message>
    <message id="31004">
        <source>Topic prefix</source>
        <extracomment>notifications page: MQTT topic prefix label</extracomment>
        <translation>主题前缀</translation>
    </message>
    <message id="31005">
        <source>Home Assistant discovery</source>
        <extracomment>notifications page: check box, announce the cameras to Home Assistant</extracomment>
        <translation>Home Assistant 自动发现</translation>
    </message>
    <message id="31006">
        <source>Encrypted (TLS)</source>
        <extracomment>notifications page: check box, MQTT over TLS</extracomment>
        <translation>加密（TLS）</translation>
    </message>
    <message id="31007">
        <source>Web address to call (webhook)</source>
        <extracomment>notifications page: webhook group</extracomment>
        <translation>要调用的网址（Webhook）</translation>
    </message>
    <message id="31008">
        <source>Address (http:// or https://)</source>
        <extracomment>notifications page: webhook address label</extracomment>
        <translation>地址（http:// 或 https://）</translation>
    </message>
    <message id="31009">
        <source>E-mail</source>
        <extracomment>notifications page: e-mail group</extracomment>
        <translation>电子邮件</translation>
    </message>
    <message id="31010">
        <source>Server (smtp:// or smtps://host:port)</source>
        <extracomment>notifications page: mail server label</extracomment>
        <translation>服务器（smtp:// 或 smtps://主机:端口）</translation>
    </message>
    <message id="31011">
        <source>Sender</source>
        <extracomment>notifications page: mail sender address label</extracomment>
        <translation>发件人</translation>
    </message>
    <message id="31012">
        <source>Recipients (comma-separated)</source>
        <extracomment>notifications page: mail recipients label</extracomment>
        <translation>收件人（用逗号分隔）</translation>
    </message>
    <message id="31013">
        <source>Encrypt with STARTTLS</source>
        <extracomment>notifications page: check box, mail with STARTTLS</extracomment>
        <translation>使用 STARTTLS 加密</translation>
    </message>
    <message id="31014">
        <source>Send on</source>
        <extracomment>notifications page: group of the events that are sent</extracomment>
        <translation>发送以下事件</translation>
    </message>
    <message id="31015">
        <source>Motion</source>
        <extracomment>notifications page: check box, motion events are sent</extracomment>
        <translation>移动</translation>
    </message>
    <message id="31016">
        <source>Camera lost</source>
        <extracomment>notifications page: check box; mail subject: a camera delivers no pictures</extracomment>
        <translation>摄像头丢失</translation>
    </message>
    <message id="31017">
        <source>Disk full</source>
        <extracomment>notifications page: check box; mail subject: recording paused for want of space</extracomment>
        <translation>磁盘已满</translation>
    </message>
    <message id="31018">
        <source>Recording failed</source>
        <extracomment>notifications page: check box; mail subject: a recording could not be written</extracomment>
        <translation>录像失败</translation>
    </message>
    <message id="31019">
        <source>Seconds between two motion notices of a camera</source>
        <extracomment>notifications page: cooldown label</extracomment>
        <translation>同一摄像头两次移动通知之间的秒数</translation>
    </message>
    <message id="31020">
        <source>Send a test</source>
        <extracomment>notifications page: test button of each channel</extracomment>
        <translation>发送测试</translation>
    </message>
    <message id="31021">
        <source>Sending…</source>
        <extracomment>notifications page: a test is under way</extracomment>
        <translation>正在发送…</translation>
    </message>
    <message id="31022">
        <source>Sent.</source>
        <extracomment>notifications page: a test succeeded</extracomment>
        <translation>已发送。</translation>
    </message>
    <message id="31023">
        <source>Failed: %1</source>
        <extracomment>notifications page: a test failed; %1 is the reason</extracomment>
        <translation>失败：%1</translation>
    </message>
    <message id="31024">
        <source>MQTT broker connected</source>
        <extracomment>log: the MQTT connection is up</extracomment>
        <translation>已连接 MQTT 代理</translation>
    </message>
    <message id="31025">
        <source>MQTT broker unreachable: %1</source>
        <extracomment>log: the MQTT connection failed or was lost; %1 is the reason</extracomment>
        <translation>无法连接 MQTT 代理：%1</translation>
    </message>
    <message id="31026">
        <source>Webhook sent</source>
        <extracomment>log: an event was posted to the webhook</extracomment>
        <translation>Webhook 已发送</translation>
    </message>
    <message id="31027">
        <source>Webhook failed: %1</source>
        <extracomment>log: the webhook refused or did not answer after the retries; %1 is the reason</extracomment>
        <translation>Webhook 失败：%1</translation>
    </message>
    <message id="31028">
        <source>E-mail sent</source>
        <extracomment>log: an event mail was sent</extracomment>
        <translation>电子邮件已发送</translation>
    </message>
    <message id="31029">
        <source>E-mail failed: %1</source>
        <extracomment>log: an event mail could not be sent; %1 is the reason</extracomment>
        <translation>电子邮件发送失败：%1</translation>
    </message>
    <message id="31030">
        <source>Recording failed: the file could not be written</source>
        <extracomment>log: a camera's recording stopped because its file could not be created or written (not a full disk); the file column names the folder</extracomment>
        <translation>录像失败：无法写入文件</translation>
    </message>
    <message id="31100">
        <source>List</source>
        <extracomment>log viewer: tab of the list of entries</extracomment>
        <translation>列表</translation>
    </message>
    <message id="31101">
        <source>Timeline</source>
        <extracomment>log viewer: tab of the day's timeline, one row per camera</extracomment>
        <translation>时间轴</translation>
    </message>
    <message id="31102">
        <source>Group motion events</source>
        <extracomment>log viewer: switch that shows one row per motion event instead of one per picture</extracomment>
        <translation>合并移动事件</translation>
    </message>
    <message id="31103">
        <source>Export clip…</source>
        <extracomment>log viewer: button that writes the chosen span of a camera's recording into one file</extracomment>
        <translation>导出片段…</translation>
    </message>
    <message id="31104">
        <source>All cameras</source>
        <extracomment>log viewer: camera filter entry that shows every camera</extracomment>
        <translation>所有摄像头</translation>
    </message>
    <message id="31105">
        <source>Motion event: %1 pictures</source>
        <extracomment>log viewer: description of a grouped motion event; %1 the number of pictures</extracomment>
        <translation>移动事件：%1 张图片</translation>
    </message>
    <message id="31106">
        <source>Nothing was recorded in that span.</source>
        <extracomment>log viewer: message when a clip cannot be exported because there is no recording</extracomment>
        <translation>该时间段内没有录像。</translation>
    </message>
    <message id="31107">
        <source>The clip could not be written.</source>
        <extracomment>log viewer: message when the clip file cannot be read from or written</extracomment>
        <translation>无法写入片段。</translation>
    </message>
    <message id="31108">
        <source>The clip was written.</source>
        <extracomment>log viewer: message after a clip was exported</extracomment>
        <translation>片段已写入。</translation>
    </message>
    <message id="31109">
        <source>Hold Shift and drag along a camera's row to choose the span first.</source>
        <extracomment>log viewer: message when Export clip is pressed with no span chosen</extracomment>
        <translation>请先按住 Shift 在摄像头所在行上拖动以选择时间段。</translation>
    </message>
    <message id="31110">
        <source>Step back one frame</source>
        <extracomment>log viewer: hint of the paused player's frame step back button</extracomment>
        <translation>后退一帧</translation>
    </message>
    <message id="31111">
        <source>Step forward one frame</source>
        <extracomment>log viewer: hint of the paused player's frame step forward button</extracomment>
        <translation>前进一帧</translation>
    </message>
    <message id="31112">
        <source>Click a row to play from that moment. Drag to move, wheel to zoom, Shift+drag to choose a span.</source>
        <extracomment>log viewer: hint above the timeline</extracomment>
        <translation>单击某行从该时刻播放。拖动以移动，滚轮缩放，Shift+拖动选择时间段。</translation>
    </message>
    <message id="31113">
        <source>MP4 video (*.mp4)</source>
        <extracomment>log viewer: file type of the export dialog</extracomment>
        <translation>MP4 视频 (*.mp4)</translation>
    </message>
    <message id="31114">
        <source>Motion event</source>
        <extracomment>timeline: hint of a motion event mark</extracomment>
        <translation>移动事件</translation>
    </message>
    <message id="31115">
        <source>Picture</source>
        <extracomment>timeline: hint of a snapshot tick</extracomment>
        <translation>图片</translation>
    </message>
    <message id="31119">
        <source>Playback speed</source>
        <extracomment>log viewer: hint of the speed choice of the timeline player</extracomment>
        <translation>播放速度</translation>
    </message>
    <message id="31120">
        <source>From here</source>
        <extracomment>log viewer: player button that marks the moment being played as the start of a clip</extracomment>
        <translation>从这里</translation>
    </message>
    <message id="31121">
        <source>To here</source>
        <extracomment>log viewer: player button that marks the moment being played as the end of a clip</extracomment>
        <translation>到这里</translation>
    </message>
    <message id="31122">
        <source>A recording of that span could not be read.</source>
        <extracomment>log viewer: message when a recording the clip is taken from cannot be opened</extracomment>
        <translation>无法读取该时段的录像。</translation>
    </message>
    <message id="31200">
        <source>Video format</source>
        <extracomment>recording page: label of the choice of the recordings' video format</extracomment>
        <translation>视频格式</translation>
    </message>
    <message id="31201">
        <source>MPEG-4 (plays everywhere)</source>
        <extracomment>recording page: video format choice, the default</extracomment>
        <translation>MPEG-4（到处都能播放）</translation>
    </message>
    <message id="31202">
        <source>H.264 (smaller files)</source>
        <extracomment>recording page: video format choice</extracomment>
        <translation>H.264（文件更小）</translation>
    </message>
    <message id="31203">
        <source>Seconds before motion</source>
        <extracomment>recording page: label of the seconds a motion recording begins before the motion</extracomment>
        <translation>移动前的秒数</translation>
    </message>
    <message id="31204">
        <source>A motion recording begins this many seconds before the motion was seen.</source>
        <extracomment>recording page: hint of the seconds before motion</extracomment>
        <translation>移动录像从发现移动之前这么多秒开始。</translation>
    </message>
    <message id="31220">
        <source>Record the camera's own stream</source>
        <extracomment>device page: check box, a network camera's H.264/H.265 stream is recorded as it came, without re-encoding</extracomment>
        <translation>录制摄像机自身的视频流</translation>
    </message>
    <message id="31221">
        <source>Smaller stream for detection (optional)</source>
        <extracomment>device page: label of the address of a second, smaller stream of the same camera used for the live picture and motion detection</extracomment>
        <translation>用于检测的较小视频流（可选）</translation>
    </message>
</context>
</TS>
