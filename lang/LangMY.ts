<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms_MY">
<context>
    <name></name>
    <message id="1">
        <source>Program</source>
        <extracomment>log: source of program, recording, manual snapshot and broadcast events</extracomment>
        <translation>Program</translation>
    </message>
    <message id="2">
        <source>Program started</source>
        <extracomment>log: program start description</extracomment>
        <translation>Program dimulakan</translation>
    </message>
    <message id="3">
        <source>Scheduler</source>
        <extracomment>log: source of scheduled shutdown, daily clean-up and timed upload snapshot</extracomment>
        <translation>Penjadual</translation>
    </message>
    <message id="4">
        <source>Program closed for scheduled shutdown</source>
        <extracomment>log: program exit at scheduled power-off description</extracomment>
        <translation>Program ditutup untuk penutupan berjadual</translation>
    </message>
    <message id="5">
        <source>Program closed</source>
        <extracomment>log: program exit description</extracomment>
        <translation>Program ditutup</translation>
    </message>
    <message id="6">
        <source>Motion detection</source>
        <extracomment>log: source of motion snapshot events</extracomment>
        <translation>Pengesanan gerakan</translation>
    </message>
    <message id="7">
        <source>Motion recording</source>
        <extracomment>log: source of motion-triggered recording events</extracomment>
        <translation>Rakaman gerakan</translation>
    </message>
    <message id="8">
        <source>Motion recording started</source>
        <extracomment>log: motion-triggered recording start description</extracomment>
        <translation>Rakaman gerakan dimulakan</translation>
    </message>
    <message id="9">
        <source>Motion recording stopped</source>
        <extracomment>log: motion-triggered recording stop description</extracomment>
        <translation>Rakaman gerakan dihentikan</translation>
    </message>
    <message id="10">
        <source>Motion detected</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>Gerakan dikesan</translation>
    </message>
    <message id="11">
        <source>Motion ended</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>Gerakan tamat</translation>
    </message>
    <message id="12">
        <source>Picture taken</source>
        <extracomment>log: motion and manual snapshot description</extracomment>
        <translation>Gambar diambil</translation>
    </message>
    <message id="13">
        <source>Recording started</source>
        <extracomment>log: continuous recording start and new video file description</extracomment>
        <translation>Rakaman dimulakan</translation>
    </message>
    <message id="14">
        <source>Recording stopped</source>
        <extracomment>log: continuous recording stop description</extracomment>
        <translation>Rakaman dihentikan</translation>
    </message>
    <message id="15">
        <source>Camera stopped</source>
        <extracomment>log: camera stop source and description</extracomment>
        <translation>Kamera dihentikan</translation>
    </message>
    <message id="16">
        <source>Camera started</source>
        <extracomment>log: camera start source and description</extracomment>
        <translation>Kamera dimulakan</translation>
    </message>
    <message id="17">
        <source>Snapshot</source>
        <extracomment>snapshot pop-up: window caption</extracomment>
        <translation>Syot kilat</translation>
    </message>
    <message id="18">
        <source>Picture taken for upload</source>
        <extracomment>log: timed and test upload snapshot description</extracomment>
        <translation>Gambar diambil untuk dimuat naik</translation>
    </message>
    <message id="19">
        <source>FTP upload succeeded</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>Muat naik FTP berjaya</translation>
    </message>
    <message id="20">
        <source>FTP upload failed</source>
        <extracomment>log: reserved, not used yet</extracomment>
        <translation>Muat naik FTP gagal</translation>
    </message>
    <message id="21">
        <source>Broadcast started</source>
        <extracomment>log: live broadcast start description</extracomment>
        <translation>Siaran dimulakan</translation>
    </message>
    <message id="22">
        <source>Broadcast stopped</source>
        <extracomment>log: live broadcast stop description</extracomment>
        <translation>Siaran dihentikan</translation>
    </message>
    <message id="100">
        <source>Trelvix</source>
        <extracomment>main window: application title, caption and tray tip</extracomment>
        <translation>Trelvix Pengawasan</translation>
    </message>
    <message id="200">
        <source>System</source>
        <extracomment>settings window: system page title and navigation entry</extracomment>
        <translation>Sistem</translation>
    </message>
    <message id="207">
        <source>Always on top</source>
        <extracomment>system page: always-on-top check box (hidden)</extracomment>
        <translation>Sentiasa di atas</translation>
    </message>
    <message id="212">
        <source>Start with the system</source>
        <extracomment>system page: start-with-session check box</extracomment>
        <translation>Mula bersama sistem</translation>
    </message>
    <message id="213">
        <source>Scheduled Shutdown</source>
        <extracomment>system page: shutdown group</extracomment>
        <translation>Penutupan Berjadual</translation>
    </message>
    <message id="214">
        <source>Enable</source>
        <extracomment>system page: shutdown enable check box</extracomment>
        <translation>Dayakan</translation>
    </message>
    <message id="215">
        <source>Shutdown time</source>
        <extracomment>system page: shutdown time label</extracomment>
        <translation>Masa penutupan</translation>
    </message>
    <message id="216">
        <source>Every day</source>
        <extracomment>system page: daily shutdown check box</extracomment>
        <translation>Setiap hari</translation>
    </message>
    <message id="217">
        <source>Password Protection</source>
        <extracomment>system page: password group</extracomment>
        <translation>Perlindungan Kata Laluan</translation>
    </message>
    <message id="218">
        <source>Enable</source>
        <extracomment>system page: password enable check box</extracomment>
        <translation>Dayakan</translation>
    </message>
    <message id="219">
        <source>Password</source>
        <extracomment>system page: password entry label</extracomment>
        <translation>Kata laluan</translation>
    </message>
    <message id="220">
        <source>Confirm password</source>
        <extracomment>system page: password confirmation label</extracomment>
        <translation>Sahkan kata laluan</translation>
    </message>
    <message id="221">
        <source>Log folder</source>
        <extracomment>system page: log folder label</extracomment>
        <translation>Folder log</translation>
    </message>
    <message id="222">
        <source>Days of history to keep</source>
        <extracomment>system page: history days label</extracomment>
        <translation>Hari sejarah disimpan</translation>
    </message>
    <message id="223">
        <source>Browse...</source>
        <extracomment>system page: log folder button</extracomment>
        <translation>Semak imbas...</translation>
    </message>
    <message id="227">
        <source>Number of Cameras</source>
        <extracomment>system page: camera grid group</extracomment>
        <translation>Bilangan Kamera</translation>
    </message>
    <message id="228">
        <source>Rows</source>
        <extracomment>system page: grid rows label</extracomment>
        <translation>Baris</translation>
    </message>
    <message id="229">
        <source>Columns</source>
        <extracomment>system page: grid columns label</extracomment>
        <translation>Lajur</translation>
    </message>
    <message id="231">
        <source>OK</source>
        <extracomment>system page: OK button</extracomment>
        <translation>OK</translation>
    </message>
    <message id="400">
        <source>Device Settings</source>
        <extracomment>settings window: caption</extracomment>
        <translation>Tetapan Peranti</translation>
    </message>
    <message id="402">
        <source>Available devices</source>
        <extracomment>settings window: camera chooser label</extracomment>
        <translation>Peranti tersedia</translation>
    </message>
    <message id="404">
        <source>Apply current settings to all cameras</source>
        <extracomment>settings window: apply-to-all check box</extracomment>
        <translation>Guna tetapan semasa pada semua kamera</translation>
    </message>
    <message id="405">
        <source>Device Properties</source>
        <extracomment>settings window: device properties button</extracomment>
        <translation>Sifat Peranti</translation>
    </message>
    <message id="419">
        <source>Step</source>
        <extracomment>overlay page: arrow step label</extracomment>
        <translation>Langkah</translation>
    </message>
    <message id="420">
        <source>Overlay</source>
        <extracomment>settings window: overlay page title and navigation entry</extracomment>
        <translation>Tindanan</translation>
    </message>
    <message id="421">
        <source>Show Time</source>
        <extracomment>overlay page: time group</extracomment>
        <translation>Papar Masa</translation>
    </message>
    <message id="422">
        <source>Format</source>
        <extracomment>overlay page: time format label</extracomment>
        <translation>Format</translation>
    </message>
    <message id="423">
        <source>Font</source>
        <extracomment>overlay page: time font button</extracomment>
        <translation>Fon</translation>
    </message>
    <message id="425">
        <source>Position</source>
        <extracomment>overlay page: time and guide-line position labels</extracomment>
        <translation>Kedudukan</translation>
    </message>
    <message id="426">
        <source>Enable</source>
        <extracomment>overlay page: show-time check box</extracomment>
        <translation>Dayakan</translation>
    </message>
    <message id="428">
        <source>Caption</source>
        <extracomment>overlay page: caption text label (replaced by 30002)</extracomment>
        <translation>Kapsyen</translation>
    </message>
    <message id="429">
        <source>Font</source>
        <extracomment>overlay page: caption font button</extracomment>
        <translation>Fon</translation>
    </message>
    <message id="431">
        <source>Apply</source>
        <extracomment>overlay page: caption apply button</extracomment>
        <translation>Guna</translation>
    </message>
    <message id="432">
        <source>Position</source>
        <extracomment>overlay page: caption position label</extracomment>
        <translation>Kedudukan</translation>
    </message>
    <message id="434">
        <source>Picture folder</source>
        <extracomment>recording page: picture folder label</extracomment>
        <translation>Folder gambar</translation>
    </message>
    <message id="437">
        <source>Recording</source>
        <extracomment>settings window: recording page title and navigation entry</extracomment>
        <translation>Rakaman</translation>
    </message>
    <message id="438">
        <source>Video folder</source>
        <extracomment>recording page: video folder label</extracomment>
        <translation>Folder video</translation>
    </message>
    <message id="439">
        <source>Browse...</source>
        <extracomment>recording page: video folder button</extracomment>
        <translation>Semak imbas...</translation>
    </message>
    <message id="440">
        <source>Browse...</source>
        <extracomment>recording page: picture folder button</extracomment>
        <translation>Semak imbas...</translation>
    </message>
    <message id="441">
        <source>The folder cannot be created or written. The previous folder is kept.</source>
        <extracomment>recording page: unusable folder message</extracomment>
        <translation>Folder tidak dapat dicipta atau ditulis. Folder sebelumnya dikekalkan.</translation>
    </message>
    <message id="447">
        <source>Sensitivity (lower is more sensitive)</source>
        <extracomment>motion page: sensitivity label</extracomment>
        <translation>Kepekaan (lebih rendah lebih peka)</translation>
    </message>
    <message id="448">
        <source>Region color</source>
        <extracomment>motion page: region colour label</extracomment>
        <translation>Warna kawasan</translation>
    </message>
    <message id="449">
        <source>Red</source>
        <extracomment>motion page: red region button</extracomment>
        <translation>Merah</translation>
    </message>
    <message id="450">
        <source>Green</source>
        <extracomment>motion page: green region button</extracomment>
        <translation>Hijau</translation>
    </message>
    <message id="451">
        <source>Blue</source>
        <extracomment>motion page: blue region button</extracomment>
        <translation>Biru</translation>
    </message>
    <message id="452">
        <source>Detection interval (s)</source>
        <extracomment>motion page: detection interval label</extracomment>
        <translation>Selang pengesanan (s)</translation>
    </message>
    <message id="453">
        <source>Motion Detection</source>
        <extracomment>settings window: motion page title and navigation entry</extracomment>
        <translation>Pengesanan Gerakan</translation>
    </message>
    <message id="454">
        <source>Record on motion, stop after</source>
        <extracomment>motion page: record-on-motion sentence, first part</extracomment>
        <translation>Rakam apabila ada gerakan, henti selepas</translation>
    </message>
    <message id="455">
        <source>seconds without motion.</source>
        <extracomment>motion page: record-on-motion sentence, second part</extracomment>
        <translation>saat tanpa gerakan.</translation>
    </message>
    <message id="456">
        <source>Motion Sound</source>
        <extracomment>motion page: sound group</extracomment>
        <translation>Bunyi Gerakan</translation>
    </message>
    <message id="457">
        <source>Sound:</source>
        <extracomment>motion page: sound label</extracomment>
        <translation>Bunyi:</translation>
    </message>
    <message id="458">
        <source>Browse...</source>
        <extracomment>motion page: sound browse button</extracomment>
        <translation>Semak imbas...</translation>
    </message>
    <message id="459">
        <source>No picture on motion</source>
        <extracomment>motion page: no-picture check box</extracomment>
        <translation>Tiada gambar semasa gerakan</translation>
    </message>
    <message id="460">
        <source>Run Program on Motion</source>
        <extracomment>motion page: external program group</extracomment>
        <translation>Jalankan Program semasa Gerakan</translation>
    </message>
    <message id="461">
        <source>Program:</source>
        <extracomment>motion page: program label</extracomment>
        <translation>Program:</translation>
    </message>
    <message id="462">
        <source>Window:</source>
        <extracomment>motion page: run mode label</extracomment>
        <translation>Tetingkap:</translation>
    </message>
    <message id="463">
        <source>Parameters:</source>
        <extracomment>motion page: program parameters label</extracomment>
        <translation>Parameter:</translation>
    </message>
    <message id="464">
        <source>Browse...</source>
        <extracomment>motion page: program browse button</extracomment>
        <translation>Semak imbas...</translation>
    </message>
    <message id="468">
        <source>Enable</source>
        <extracomment>motion page: run-program check box</extracomment>
        <translation>Dayakan</translation>
    </message>
    <message id="469">
        <source>Enable</source>
        <extracomment>motion page: play-sound check box</extracomment>
        <translation>Dayakan</translation>
    </message>
    <message id="486">
        <source>Select Video Folder</source>
        <extracomment>recording page: video folder dialog title</extracomment>
        <translation>Pilih Folder Video</translation>
    </message>
    <message id="487">
        <source>Select Picture Folder</source>
        <extracomment>recording page: picture folder dialog title</extracomment>
        <translation>Pilih Folder Gambar</translation>
    </message>
    <message id="488">
        <source>Apply the current camera's settings to all cameras?</source>
        <extracomment>settings window: apply-to-all question</extracomment>
        <translation>Guna tetapan kamera semasa pada semua kamera?</translation>
    </message>
    <message id="489">
        <source>Apply to All Cameras</source>
        <extracomment>settings window: apply-to-all question caption</extracomment>
        <translation>Guna pada Semua Kamera</translation>
    </message>
    <message id="490">
        <source>Wave sounds (*.wav);;All files (*)</source>
        <extracomment>motion page: sound file dialog filter</extracomment>
        <translation>Bunyi wave (*.wav);;Semua fail (*)</translation>
    </message>
    <message id="491">
        <source>Programs (*);;Shell scripts (*.sh)</source>
        <extracomment>motion page: program file dialog filter</extracomment>
        <translation>Program (*);;Skrip shell (*.sh)</translation>
    </message>
    <message id="494">
        <source>Normal window</source>
        <extracomment>motion page: run mode item 0</extracomment>
        <translation>Tetingkap biasa</translation>
    </message>
    <message id="495">
        <source>Minimized</source>
        <extracomment>motion page: run mode item 1</extracomment>
        <translation>Diminimumkan</translation>
    </message>
    <message id="496">
        <source>Maximized</source>
        <extracomment>motion page: run mode item 2</extracomment>
        <translation>Dimaksimumkan</translation>
    </message>
    <message id="500">
        <source>Excluded Devices</source>
        <extracomment>settings window: device exclusion page title and navigation entry</extracomment>
        <translation>Peranti Dikecualikan</translation>
    </message>
    <message id="501">
        <source>Device ID</source>
        <extracomment>device page: device id label</extracomment>
        <translation>ID peranti</translation>
    </message>
    <message id="502">
        <source>System devices</source>
        <extracomment>device page: list heading</extracomment>
        <translation>Peranti sistem</translation>
    </message>
    <message id="503">
        <source>Check the devices not to use.</source>
        <extracomment>device page: instruction</extracomment>
        <translation>Tandakan peranti yang tidak digunakan.</translation>
    </message>
    <message id="505">
        <source>OK</source>
        <extracomment>device page: OK button</extracomment>
        <translation>OK</translation>
    </message>
    <message id="600">
        <source>Event Log</source>
        <extracomment>log viewer: window caption</extracomment>
        <translation>Log Peristiwa</translation>
    </message>
    <message id="601">
        <source>Log date</source>
        <extracomment>log viewer: date label</extracomment>
        <translation>Tarikh log</translation>
    </message>
    <message id="602">
        <source>Double-click to play, right-click for more</source>
        <extracomment>log viewer: usage hint</extracomment>
        <translation>Dwiklik untuk main, klik kanan untuk lagi</translation>
    </message>
    <message id="603">
        <source>Refresh</source>
        <extracomment>log viewer: refresh button</extracomment>
        <translation>Segar semula</translation>
    </message>
    <message id="604">
        <source>Previous Day</source>
        <extracomment>log viewer: previous day button</extracomment>
        <translation>Hari Sebelumnya</translation>
    </message>
    <message id="605">
        <source>Next Day</source>
        <extracomment>log viewer: next day button</extracomment>
        <translation>Hari Berikutnya</translation>
    </message>
    <message id="606">
        <source>Clear</source>
        <extracomment>log viewer: delete-all button</extracomment>
        <translation>Kosongkan</translation>
    </message>
    <message id="607">
        <source>Only entries with files</source>
        <extracomment>log viewer: file filter check box</extracomment>
        <translation>Hanya entri dengan fail</translation>
    </message>
    <message id="608">
        <source>Open File</source>
        <extracomment>log viewer: menu open file</extracomment>
        <translation>Buka Fail</translation>
    </message>
    <message id="609">
        <source>Delete Selected</source>
        <extracomment>log viewer: menu delete selected</extracomment>
        <translation>Padam Pilihan</translation>
    </message>
    <message id="610">
        <source>Open Folder</source>
        <extracomment>log viewer: menu open folder</extracomment>
        <translation>Buka Folder</translation>
    </message>
    <message id="611">
        <source>Delete All</source>
        <extracomment>log viewer: menu delete all</extracomment>
        <translation>Padam Semua</translation>
    </message>
    <message id="612">
        <source>Source</source>
        <extracomment>log viewer: source column</extracomment>
        <translation>Sumber</translation>
    </message>
    <message id="613">
        <source>Date</source>
        <extracomment>log viewer: date column</extracomment>
        <translation>Tarikh</translation>
    </message>
    <message id="614">
        <source>Time</source>
        <extracomment>log viewer: time column</extracomment>
        <translation>Masa</translation>
    </message>
    <message id="615">
        <source>Camera</source>
        <extracomment>log viewer: camera name column</extracomment>
        <translation>Kamera</translation>
    </message>
    <message id="616">
        <source>Description</source>
        <extracomment>log viewer: description column</extracomment>
        <translation>Keterangan</translation>
    </message>
    <message id="617">
        <source>Camera No.</source>
        <extracomment>log viewer: camera number column</extracomment>
        <translation>No. Kamera</translation>
    </message>
    <message id="618">
        <source>File</source>
        <extracomment>log viewer: file path column</extracomment>
        <translation>Fail</translation>
    </message>
    <message id="619">
        <source>Only motion pictures</source>
        <extracomment>log viewer: motion filter check box (hidden)</extracomment>
        <translation>Hanya gambar gerakan</translation>
    </message>
    <message id="620">
        <source>Play</source>
        <extracomment>log viewer: play button hint</extracomment>
        <translation>Main</translation>
    </message>
    <message id="621">
        <source>Pause/Play</source>
        <extracomment>log viewer: pause button hint</extracomment>
        <translation>Jeda/Main</translation>
    </message>
    <message id="622">
        <source>Stop</source>
        <extracomment>log viewer: stop button hint</extracomment>
        <translation>Henti</translation>
    </message>
    <message id="623">
        <source>Faster</source>
        <extracomment>log viewer: faster button hint</extracomment>
        <translation>Lebih laju</translation>
    </message>
    <message id="624">
        <source>Slower</source>
        <extracomment>log viewer: slower button hint</extracomment>
        <translation>Lebih perlahan</translation>
    </message>
    <message id="700">
        <source>Enter Password</source>
        <extracomment>password dialog: caption</extracomment>
        <translation>Masukkan Kata Laluan</translation>
    </message>
    <message id="701">
        <source>Password</source>
        <extracomment>password dialog: label</extracomment>
        <translation>Kata laluan</translation>
    </message>
    <message id="702">
        <source>OK</source>
        <extracomment>password dialog: OK button</extracomment>
        <translation>OK</translation>
    </message>
    <message id="703">
        <source>The passwords differ or are empty. System settings were not saved.</source>
        <extracomment>system page: password mismatch message</extracomment>
        <translation>Kata laluan berbeza atau kosong. Tetapan sistem tidak disimpan.</translation>
    </message>
    <message id="1000">
        <source>FTP Upload</source>
        <extracomment>settings window: FTP page title and navigation entry</extracomment>
        <translation>Muat Naik FTP</translation>
    </message>
    <message id="1001">
        <source>Host</source>
        <extracomment>FTP page: host label</extracomment>
        <translation>Hos</translation>
    </message>
    <message id="1002">
        <source>Port</source>
        <extracomment>FTP page: port label</extracomment>
        <translation>Port</translation>
    </message>
    <message id="1003">
        <source>User name</source>
        <extracomment>FTP page: user label</extracomment>
        <translation>Nama pengguna</translation>
    </message>
    <message id="1004">
        <source>Password</source>
        <extracomment>FTP page: password label</extracomment>
        <translation>Kata laluan</translation>
    </message>
    <message id="1005">
        <source>Upload folder</source>
        <extracomment>FTP page: upload folder label</extracomment>
        <translation>Folder muat naik</translation>
    </message>
    <message id="1006">
        <source>Choose FTP Folder...</source>
        <extracomment>FTP page: folder browser button</extracomment>
        <translation>Pilih Folder FTP...</translation>
    </message>
    <message id="1007">
        <source>Timed Snapshots</source>
        <extracomment>FTP page: timed snapshot group</extracomment>
        <translation>Syot Kilat Berjadual</translation>
    </message>
    <message id="1008">
        <source>Snapshot interval (s)</source>
        <extracomment>FTP page: snapshot interval label</extracomment>
        <translation>Selang syot kilat (s)</translation>
    </message>
    <message id="1009">
        <source>Upload interval (s)</source>
        <extracomment>FTP page: upload interval label</extracomment>
        <translation>Selang muat naik (s)</translation>
    </message>
    <message id="1010">
        <source>Pictures per upload</source>
        <extracomment>FTP page: batch size label</extracomment>
        <translation>Gambar setiap muat naik</translation>
    </message>
    <message id="1011">
        <source>Upload File Options</source>
        <extracomment>FTP page: file options group</extracomment>
        <translation>Pilihan Fail Muat Naik</translation>
    </message>
    <message id="1012">
        <source>Create a folder per day</source>
        <extracomment>FTP page: day folder check box</extracomment>
        <translation>Cipta folder setiap hari</translation>
    </message>
    <message id="1013">
        <source>Use a fixed file name</source>
        <extracomment>FTP page: fixed name check box</extracomment>
        <translation>Guna nama fail tetap</translation>
    </message>
    <message id="1014">
        <source>File name</source>
        <extracomment>FTP page: fixed file name label</extracomment>
        <translation>Nama fail</translation>
    </message>
    <message id="1015">
        <source>Upload motion pictures</source>
        <extracomment>FTP page: motion picture upload check box</extracomment>
        <translation>Muat naik gambar gerakan</translation>
    </message>
    <message id="1016">
        <source>Close</source>
        <extracomment>FTP folder browser: close button hint (suggested use)</extracomment>
        <translation>Tutup</translation>
    </message>
    <message id="1017">
        <source>Use This Folder</source>
        <extracomment>FTP folder browser: take-folder button hint (suggested use)</extracomment>
        <translation>Guna Folder Ini</translation>
    </message>
    <message id="1018">
        <source>Log In to FTP Server...</source>
        <extracomment>FTP folder browser: login button</extracomment>
        <translation>Log Masuk ke Pelayan FTP...</translation>
    </message>
    <message id="1019">
        <source>Choose FTP folder</source>
        <extracomment>FTP folder browser: tree label</extracomment>
        <translation>Pilih folder FTP</translation>
    </message>
    <message id="1020">
        <source>Upload folder</source>
        <extracomment>FTP folder browser: picked folder label</extracomment>
        <translation>Folder muat naik</translation>
    </message>
    <message id="1021">
        <source>Test Snapshot Upload</source>
        <extracomment>FTP folder browser: test upload button</extracomment>
        <translation>Uji Muat Naik Syot Kilat</translation>
    </message>
    <message id="1022">
        <source>Message</source>
        <extracomment>FTP folder browser: message column</extracomment>
        <translation>Mesej</translation>
    </message>
    <message id="1023">
        <source>Time</source>
        <extracomment>FTP folder browser: time column</extracomment>
        <translation>Masa</translation>
    </message>
    <message id="2000">
        <source>Live Broadcast</source>
        <extracomment>settings window: broadcast page title and navigation entry</extracomment>
        <translation>Siaran Langsung</translation>
    </message>
    <message id="2002">
        <source>Broadcast port</source>
        <extracomment>broadcast page: port label</extracomment>
        <translation>Port siaran</translation>
    </message>
    <message id="2003">
        <source>Maximum viewers</source>
        <extracomment>broadcast page: max viewers label</extracomment>
        <translation>Penonton maksimum</translation>
    </message>
    <message id="2004">
        <source>Include audio</source>
        <extracomment>broadcast page: audio check box</extracomment>
        <translation>Sertakan audio</translation>
    </message>
    <message id="2008">
        <source>Test</source>
        <extracomment>broadcast page: test button</extracomment>
        <translation>Uji</translation>
    </message>
    <message id="2010">
        <source>This is a handy feature: it broadcasts the camera's live picture over the network, so that anyone who can reach this computer can watch it from afar with a media player such as VLC or Windows Media Player (open the address as a network stream). Once the broadcast runs, two addresses appear: a public one and a private one. On a local network use the private address; otherwise use the public one. About the settings: on a slow network leave "Include audio" off; where the network allows, choose the highest bit rate you can. Adjust the values to your surroundings for the best result.</source>
        <extracomment>broadcast page: explanation</extracomment>
        <translation>Ciri yang berguna: ia menyiarkan gambar langsung kamera melalui rangkaian, supaya sesiapa yang boleh mencapai komputer ini dapat menontonnya dari jauh dengan pemain media seperti VLC atau Windows Media Player (buka alamat sebagai strim rangkaian). Apabila siaran berjalan, dua alamat dipaparkan: satu awam dan satu peribadi. Dalam rangkaian setempat gunakan alamat peribadi; jika tidak, gunakan alamat awam. Tentang tetapan: pada rangkaian yang perlahan biarkan "Sertakan audio" dimatikan; jika rangkaian membenarkan, pilih kadar bit tertinggi yang boleh. Laraskan nilai mengikut persekitaran anda untuk hasil terbaik.</translation>
    </message>
    <message id="2017">
        <source>Picture size</source>
        <extracomment>broadcast page: size label</extracomment>
        <translation>Saiz gambar</translation>
    </message>
    <message id="2018">
        <source>Frame rate</source>
        <extracomment>broadcast page: frame rate label</extracomment>
        <translation>Kadar bingkai</translation>
    </message>
    <message id="2019">
        <source>Video quality (bit rate)</source>
        <extracomment>broadcast page: bit rate label</extracomment>
        <translation>Kualiti video (kadar bit)</translation>
    </message>
    <message id="2020">
        <source>Low</source>
        <extracomment>broadcast page: bit rate low end</extracomment>
        <translation>Rendah</translation>
    </message>
    <message id="2021">
        <source>Medium</source>
        <extracomment>broadcast page: bit rate middle</extracomment>
        <translation>Sederhana</translation>
    </message>
    <message id="2022">
        <source>High</source>
        <extracomment>broadcast page: bit rate high end</extracomment>
        <translation>Tinggi</translation>
    </message>
    <message id="9000">
        <source>Enter the FTP server address and port first.</source>
        <extracomment>FTP page: missing host or port message</extracomment>
        <translation>Masukkan alamat dan port pelayan FTP dahulu.</translation>
    </message>
    <message id="9001">
        <source>History before</source>
        <extracomment>log: daily clean-up description, before the date</extracomment>
        <translation>Sejarah sebelum</translation>
    </message>
    <message id="9002">
        <source>was deleted</source>
        <extracomment>log: daily clean-up description, after the date</extracomment>
        <translation>telah dipadam</translation>
    </message>
    <message id="30001">
        <source>Caption</source>
        <extracomment>overlay page: caption group</extracomment>
        <translation>Kapsyen</translation>
    </message>
    <message id="30002">
        <source>Caption text</source>
        <extracomment>overlay page: caption text label</extracomment>
        <translation>Teks kapsyen</translation>
    </message>
    <message id="30003">
        <source>Normal</source>
        <extracomment>overlay page: orientation normal</extracomment>
        <translation>Biasa</translation>
    </message>
    <message id="30004">
        <source>Flip vertically</source>
        <extracomment>overlay page: orientation flipped</extracomment>
        <translation>Terbalikkan menegak</translation>
    </message>
    <message id="30005">
        <source>Mirror horizontally</source>
        <extracomment>overlay page: orientation mirrored</extracomment>
        <translation>Cermin mendatar</translation>
    </message>
    <message id="30006">
        <source>Show guide lines</source>
        <extracomment>overlay page: guide line check box</extracomment>
        <translation>Papar garis panduan</translation>
    </message>
    <message id="30007">
        <source>Line</source>
        <extracomment>overlay page: guide line chooser label</extracomment>
        <translation>Garis</translation>
    </message>
    <message id="30008">
        <source>Color</source>
        <extracomment>overlay page: guide line colour button</extracomment>
        <translation>Warna</translation>
    </message>
    <message id="30009">
        <source>Record when the program starts</source>
        <extracomment>overlay page: auto record check box</extracomment>
        <translation>Rakam apabila program bermula</translation>
    </message>
    <message id="30010">
        <source>Turning the picture uses more CPU.</source>
        <extracomment>overlay page: orientation note</extracomment>
        <translation>Memusingkan gambar menggunakan lebih banyak CPU.</translation>
    </message>
    <message id="30011">
        <source>Use this feature with care while driving.</source>
        <extracomment>motion page: driving note</extracomment>
        <translation>Gunakan ciri ini dengan berhati-hati semasa memandu.</translation>
    </message>
    <message id="30012">
        <source>Enable motion detection</source>
        <extracomment>motion page: enable check box</extracomment>
        <translation>Dayakan pengesanan gerakan</translation>
    </message>
    <message id="30013">
        <source>Video quality</source>
        <extracomment>recording page: quality label</extracomment>
        <translation>Kualiti video</translation>
    </message>
    <message id="30014">
        <source>Good</source>
        <extracomment>recording page: quality bar good end</extracomment>
        <translation>Baik</translation>
    </message>
    <message id="30015">
        <source>Poor</source>
        <extracomment>recording page: quality bar poor end</extracomment>
        <translation>Lemah</translation>
    </message>
    <message id="30016">
        <source>Video file length (minutes)</source>
        <extracomment>recording page: file length label</extracomment>
        <translation>Panjang fail video (minit)</translation>
    </message>
    <message id="30017">
        <source>Enable FTP upload</source>
        <extracomment>FTP page: start upload check box</extracomment>
        <translation>Dayakan muat naik FTP</translation>
    </message>
    <message id="30018">
        <source>Minimize to tray after start</source>
        <extracomment>system page: tray check box</extracomment>
        <translation>Minimumkan ke dulang selepas bermula</translation>
    </message>
    <message id="30019">
        <source>5-meter line</source>
        <extracomment>overlay page: guide line item 0</extracomment>
        <translation>Garis 5 meter</translation>
    </message>
    <message id="30020">
        <source>10-meter line</source>
        <extracomment>overlay page: guide line item 1</extracomment>
        <translation>Garis 10 meter</translation>
    </message>
    <message id="30021">
        <source>This page comes in a later version.</source>
        <extracomment>settings window: page not yet available</extracomment>
        <translation>Halaman ini akan datang dalam versi kemudian.</translation>
    </message>
    <message id="30022">
        <source>Text color...</source>
        <extracomment>font dialog: text colour button</extracomment>
        <translation>Warna teks...</translation>
    </message>
    <message id="30100">
        <source>Delete old recordings when free space on the recording drive is below</source>
        <extracomment>system page: disk space limit label</extracomment>
        <translation>Padam rakaman lama apabila ruang kosong pemacu rakaman di bawah</translation>
    </message>
    <message id="30101">
        <source>The log folder must be a writable folder other than the root folder. The previous log folder is kept.</source>
        <extracomment>system page: refused log folder message</extracomment>
        <translation>Folder log mesti folder boleh tulis selain folder akar. Folder log sebelumnya dikekalkan.</translation>
    </message>
    <message id="30102">
        <source>The settings could not be saved.</source>
        <extracomment>system page: settings file write failure message</extracomment>
        <translation>Tetapan tidak dapat disimpan.</translation>
    </message>
    <message id="30300">
        <source>Brightness</source>
        <extracomment>image parameters: brightness label</extracomment>
        <translation>Kecerahan</translation>
    </message>
    <message id="30301">
        <source>Contrast</source>
        <extracomment>image parameters: contrast label</extracomment>
        <translation>Kontras</translation>
    </message>
    <message id="30302">
        <source>Saturation</source>
        <extracomment>image parameters: saturation label</extracomment>
        <translation>Ketepuan</translation>
    </message>
    <message id="30303">
        <source>Hue</source>
        <extracomment>image parameters: hue label</extracomment>
        <translation>Rona</translation>
    </message>
    <message id="30304">
        <source>Sharpness</source>
        <extracomment>image parameters: sharpness label</extracomment>
        <translation>Ketajaman</translation>
    </message>
    <message id="30305">
        <source>Gamma</source>
        <extracomment>image parameters: gamma label</extracomment>
        <translation>Gama</translation>
    </message>
    <message id="30306">
        <source>Image Adjustment</source>
        <extracomment>image parameters: dialog heading</extracomment>
        <translation>Pelarasan Imej</translation>
    </message>
    <message id="30307">
        <source>Close</source>
        <extracomment>image parameters and device properties: close button</extracomment>
        <translation>Tutup</translation>
    </message>
    <message id="30308">
        <source>This device offers no adjustable properties right now.</source>
        <extracomment>device properties: no controls (camera stopped or none reported)</extracomment>
        <translation>Peranti ini tidak menawarkan sifat boleh laras buat masa ini.</translation>
    </message>
    <message id="30309">
        <source>Defaults</source>
        <extracomment>device properties: restore every control's default</extracomment>
        <translation>Lalai</translation>
    </message>
    <message id="30400">
        <source>Trelvix live broadcast</source>
        <extracomment>broadcast: stream title, followed by the date</extracomment>
        <translation>Siaran langsung Trelvix</translation>
    </message>
    <message id="30401">
        <source>Live picture of a surveillance camera</source>
        <extracomment>broadcast: stream description</extracomment>
        <translation>Gambar langsung kamera pengawasan</translation>
    </message>
    <message id="30402">
        <source>Broadcast could not start</source>
        <extracomment>log and message: a broadcast failed to start, followed by the reason</extracomment>
        <translation>Siaran tidak dapat dimulakan</translation>
    </message>
    <message id="30403">
        <source>The camera delivers no picture.</source>
        <extracomment>broadcast: reason why it could not start</extracomment>
        <translation>Kamera tidak menghantar gambar.</translation>
    </message>
    <message id="30404">
        <source>Open in the media player</source>
        <extracomment>broadcast page: tooltip of the two address buttons</extracomment>
        <translation>Buka dalam pemain media</translation>
    </message>
    <message id="30200">
        <source>The port must be a number from 1 to 65535: %1</source>
        <extracomment>FTP page: message for a port that is not a number</extracomment>
        <translation>Port mesti nombor dari 1 hingga 65535: %1</translation>
    </message>
    <message id="30201">
        <source>No picture to upload: the camera has not stored one yet.</source>
        <extracomment>FTP page: test pass without a picture</extracomment>
        <translation>Tiada gambar untuk dimuat naik: kamera belum menyimpan sebarang gambar.</translation>
    </message>
    <message id="30600">
        <source>Broadcast without sound</source>
        <extracomment>log: a broadcast with sound on started with pictures only, followed by the reason</extracomment>
        <translation>Siaran tanpa bunyi</translation>
    </message>
    <message id="30601">
        <source>Broadcast sound stopped</source>
        <extracomment>log: the sound device of a running broadcast failed, followed by the reason</extracomment>
        <translation>Bunyi siaran terhenti</translation>
    </message>
    <message id="30800">
        <source>Recording paused: the disk is full</source>
        <extracomment>log: a camera's recording stopped for want of disk space; the file column names the folder</extracomment>
        <translation>Rakaman dijeda: cakera penuh</translation>
    </message>
    <message id="30801">
        <source>Recording resumed</source>
        <extracomment>log: recording goes on once the disk has room again; the file column names the folder</extracomment>
        <translation>Rakaman disambung semula</translation>
    </message>
    <message id="30802">
        <source>Take a picture with the selected camera</source>
        <extracomment>main window: tooltip of the snapshot button</extracomment>
        <translation>Ambil gambar dengan kamera yang dipilih</translation>
    </message>
    <message id="30803">
        <source>Start or stop the selected camera's broadcast</source>
        <extracomment>main window: tooltip of the broadcast button</extracomment>
        <translation>Mula atau henti siaran kamera yang dipilih</translation>
    </message>
    <message id="30804">
        <source>Open the log of events and recordings</source>
        <extracomment>main window: tooltip of the log viewer button</extracomment>
        <translation>Buka log peristiwa dan rakaman</translation>
    </message>
    <message id="30805">
        <source>Adjust the selected camera's picture</source>
        <extracomment>main window: tooltip of the image parameters button</extracomment>
        <translation>Laraskan gambar kamera yang dipilih</translation>
    </message>
    <message id="30806">
        <source>Open the settings</source>
        <extracomment>main window: tooltip of the settings button</extracomment>
        <translation>Buka tetapan</translation>
    </message>
    <message id="30807">
        <source>Stop or start the selected camera</source>
        <extracomment>main window: tooltip of the camera stop/start button</extracomment>
        <translation>Henti atau mula kamera yang dipilih</translation>
    </message>
    <message id="30808">
        <source>Exit the program</source>
        <extracomment>main window: tooltip of the exit button</extracomment>
        <translation>Keluar dari program</translation>
    </message>
    <message id="30809">
        <source>Camera: %1</source>
        <extracomment>image parameters: which camera the dialog adjusts; %1 is the camera's caption</extracomment>
        <translation>Kamera: %1</translation>
    </message>
    <message id="30750">
        <source>Free space:</source>
        <extracomment>main window: disk label before the free space of a camera's recording drive, e.g. 77G</extracomment>
        <translation>Ruang kosong:</translation>
    </message>
    <message id="30751">
        <source>Wrong password.</source>
        <extracomment>password prompt: message after a wrong or empty entry</extracomment>
        <translation>Kata laluan salah.</translation>
    </message>
    <message id="30752">
        <source>Frame rate</source>
        <extracomment>recording page: label of the recording frame rate</extracomment>
        <translation>Kadar bingkai</translation>
    </message>
    <message id="30753">
        <source>If recordings play back too slowly (like slow motion), raise the frame rate; if too fast, lower it.</source>
        <extracomment>recording page: red hint under the frame rate</extracomment>
        <translation>Jika rakaman dimainkan terlalu perlahan (seperti gerak perlahan), naikkan kadar bingkai; jika terlalu laju, turunkan.</translation>
    </message>
    <message id="30754">
        <source>Compression</source>
        <extracomment>recording page: label of the compression, never shown</extracomment>
        <translation>Pemampatan</translation>
    </message>
    <message id="30755">
        <source>Device Properties</source>
        <extracomment>device properties window: title</extracomment>
        <translation>Sifat Peranti</translation>
    </message>
    <message id="30756">
        <source>Low disk space!</source>
        <extracomment>main window: warning while the disk clean-up finds too little space</extracomment>
        <translation>Ruang cakera rendah!</translation>
    </message>
    <message id="30757">
        <source>Playback failed. Check whether the file was deleted; a file that is still being recorded cannot be played.</source>
        <extracomment>log viewer: message when a file cannot be played</extracomment>
        <translation>Main semula gagal. Semak sama ada fail telah dipadam; fail yang masih dirakam tidak boleh dimainkan.</translation>
    </message>
    <message id="30758">
        <source>The file could not be copied.</source>
        <extracomment>motion page: a chosen sound could not be copied into the sound folder</extracomment>
        <translation>Fail tidak dapat disalin.</translation>
    </message>
    <message id="30759">
        <source>The surveillance program has closed; the computer shuts down in 60 seconds.</source>
        <extracomment>scheduled power-off: the message the shutdown command shows to logged-in users</extracomment>
        <translation>Program pengawasan telah ditutup; komputer akan dimatikan dalam 60 saat.</translation>
    </message>
    <message id="30760">
        <source>Welcome</source>
        <extracomment>motion page: name shown in the sound list for the default motion sound</extracomment>
        <translation>Selamat datang</translation>
    </message>
    <message id="30761">
        <source>Camera shutter</source>
        <extracomment>motion page: name shown in the sound list for the default snapshot sound</extracomment>
        <translation>Pengatup kamera</translation>
    </message>
    <message id="30762">
        <source>Trelvix goes on recording in the background. Click its icon here to open the window again.</source>
        <extracomment>tray: message shown the first time the main window is hidden to the notification area</extracomment>
        <translation>Trelvix terus merakam di latar belakang. Klik ikonnya di sini untuk membuka tetingkap semula.</translation>
    </message>
    <message id="30700">
        <source>The network camera list is larger than 1 MiB: it was not read and is kept as it is</source>
        <extracomment>log: netcams.txt is too large to read; followed by its path</extracomment>
        <translation>Senarai kamera rangkaian melebihi 1 MiB: ia tidak dibaca dan dibiarkan seperti asal</translation>
    </message>
    <message id="30701">
        <source>Viewers need a password</source>
        <extracomment>broadcast page: check box, viewers must give the password beside it</extracomment>
        <translation>Penonton memerlukan kata laluan</translation>
    </message>
    <message id="30702">
        <source>Reachable from</source>
        <extracomment>broadcast page: label of the choice who can reach the broadcast</extracomment>
        <translation>Boleh dicapai dari</translation>
    </message>
    <message id="30703">
        <source>This computer only</source>
        <extracomment>broadcast page: the broadcast is served on 127.0.0.1 alone</extracomment>
        <translation>Komputer ini sahaja</translation>
    </message>
    <message id="30704">
        <source>Local network</source>
        <extracomment>broadcast page: the broadcast is served on every network address</extracomment>
        <translation>Rangkaian setempat</translation>
    </message>
    <message id="30500">
        <source>Network camera</source>
        <extracomment>log: source of a network camera's stream lost and back events</extracomment>
        <translation>Kamera rangkaian</translation>
    </message>
    <message id="30501">
        <source>Stream lost, reconnecting</source>
        <extracomment>log: a network camera's stream was lost or could not be reached</extracomment>
        <translation>Strim terputus, menyambung semula</translation>
    </message>
    <message id="30502">
        <source>Stream back</source>
        <extracomment>log: a network camera's stream delivers pictures again</extracomment>
        <translation>Strim kembali</translation>
    </message>
    <message id="30503">
        <source>Reconnecting…</source>
        <extracomment>camera picture: written over the greyed last picture while a network camera reconnects</extracomment>
        <translation>Menyambung semula…</translation>
    </message>
    <message id="30504">
        <source>Network cameras</source>
        <extracomment>device page: heading of the network camera editor</extracomment>
        <translation>Kamera rangkaian</translation>
    </message>
    <message id="30505">
        <source>Camera name</source>
        <extracomment>device page: label of the network camera's name</extracomment>
        <translation>Nama kamera</translation>
    </message>
    <message id="30506">
        <source>Address</source>
        <extracomment>device page: label of the network camera's address</extracomment>
        <translation>Alamat</translation>
    </message>
    <message id="30507">
        <source>RTSP over UDP</source>
        <extracomment>device page: check box, RTSP transport UDP instead of TCP</extracomment>
        <translation>RTSP melalui UDP</translation>
    </message>
    <message id="30508">
        <source>Add</source>
        <extracomment>device page: adds a network camera</extracomment>
        <translation>Tambah</translation>
    </message>
    <message id="30509">
        <source>Change</source>
        <extracomment>device page: stores the edited network camera</extracomment>
        <translation>Ubah</translation>
    </message>
    <message id="30510">
        <source>Remove</source>
        <extracomment>device page: removes the selected network camera</extracomment>
        <translation>Buang</translation>
    </message>
    <message id="30511">
        <source>Try</source>
        <extracomment>device page: shows the address's live picture</extracomment>
        <translation>Cuba</translation>
    </message>
    <message id="30512">
        <source>Enter a name for the camera.</source>
        <extracomment>device page: a network camera without a name</extracomment>
        <translation>Masukkan nama untuk kamera.</translation>
    </message>
    <message id="30513">
        <source>The address must begin with rtsp://, rtsps://, http:// or https:// and name a host.</source>
        <extracomment>device page: an address that cannot be used</extracomment>
        <translation>Alamat mesti bermula dengan rtsp://, rtsps://, http:// atau https:// dan menamakan hos.</translation>
    </message>
    <message id="30514">
        <source>Connecting…</source>
        <extracomment>device page: the tried address has not answered yet</extracomment>
        <translation>Menyambung…</translation>
    </message>
    <message id="30515">
        <source>The camera delivers pictures.</source>
        <extracomment>device page: the tried address delivers pictures</extracomment>
        <translation>Kamera menghantar gambar.</translation>
    </message>
    <message id="30516">
        <source>No picture from this address.</source>
        <extracomment>device page: the tried address failed</extracomment>
        <translation>Tiada gambar dari alamat ini.</translation>
    </message>
    <message id="30517">
        <source>The list of network cameras could not be saved.</source>
        <extracomment>device page: netcams.txt could not be written</extracomment>
        <translation>Senarai kamera rangkaian tidak dapat disimpan.</translation>
    </message>
    <message id="30518">
        <source>Takes effect when the settings window closes.</source>
        <extracomment>device page: note under the network camera editor</extracomment>
        <translation>Berkuat kuasa apabila tetingkap tetapan ditutup.</translation>
    </message>
    <message id="30900">
        <source>Detect:</source>
        <extracomment>motion page: label before the detection mode list</extracomment>
        <translation>Kesan:</translation>
    </message>
    <message id="30901">
        <source>large changes (area)</source>
        <extracomment>motion page: detection mode, more than a share of the region changed</extracomment>
        <translation>perubahan besar (kawasan)</translation>
    </message>
    <message id="30902">
        <source>anything person-sized or larger (object)</source>
        <extracomment>motion page: detection mode, a moving object of at least the smallest size</extracomment>
        <translation>apa-apa sebesar manusia atau lebih besar (objek)</translation>
    </message>
    <message id="30903">
        <source>Smallest object (‰ of the picture):</source>
        <extracomment>motion page: label of the smallest moving object's size, drawn on the preview</extracomment>
        <translation>Objek terkecil (‰ daripada gambar):</translation>
    </message>
    <message id="30904">
        <source>Only when it is a person</source>
        <extracomment>motion page: motion counts only when a person detector finds a person in the moving object</extracomment>
        <translation>Hanya apabila ia seorang manusia</translation>
    </message>
    <message id="31000">
        <source>Notifications</source>
        <extracomment>settings window: notifications page title and navigation entry; log: source of notification events</extracomment>
        <translation>Pemberitahuan</translation>
    </message>
    <message id="31001">
        <source>MQTT broker (Home Assistant)</source>
        <extracomment>notifications page: MQTT group</extracomment>
        <translation>Broker MQTT (Home Assistant)</translation>
    </message>
    <message id="31002">
        <source>Server</source>
        <extracomment>notifications page: MQTT broker host label</extracomment>
        <translation>Pelayan</translation>
    </message>
    <message id="31003">
        <source>User name</source>
        <extracomment>notifications page: MQTT and e-mail user label</extracomment>
        <translation>Nama pengguna</translation>
    </message>
    <message id="31004">
        <source>Topic prefix</source>
        <extracomment>notifications page: MQTT topic prefix label</extracomment>
        <translation>Awalan topik</translation>
    </message>
    <message id="31005">
        <source>Home Assistant discovery</source>
        <extracomment>notifications page: check box, announce the cameras to Home Assistant</extracomment>
        <translation>Penemuan Home Assistant</translation>
    </message>
    <message id="31006">
        <source>Encrypted (TLS)</source>
        <extracomment>notifications page: check box, MQTT over TLS</extracomment>
        <translation>Disulitkan (TLS)</translation>
    </message>
    <message id="31007">
        <source>Web address to call (webhook)</source>
        <extracomment>notifications page: webhook group</extracomment>
        <translation>Alamat web untuk dipanggil (webhook)</translation>
    </message>
    <message id="31008">
        <source>Address (http:// or https://)</source>
        <extracomment>notifications page: webhook address label</extracomment>
        <translation>Alamat (http:// atau https://)</translation>
    </message>
    <message id="31009">
        <source>E-mail</source>
        <extracomment>notifications page: e-mail group</extracomment>
        <translation>E-mel</translation>
    </message>
    <message id="31010">
        <source>Server (smtp:// or smtps://host:port)</source>
        <extracomment>notifications page: mail server label</extracomment>
        <translation>Pelayan (smtp:// atau smtps://hos:port)</translation>
    </message>
    <message id="31011">
        <source>Sender</source>
        <extracomment>notifications page: mail sender address label</extracomment>
        <translation>Pengirim</translation>
    </message>
    <message id="31012">
        <source>Recipients (comma-separated)</source>
        <extracomment>notifications page: mail recipients label</extracomment>
        <translation>Penerima (dipisahkan dengan koma)</translation>
    </message>
    <message id="31013">
        <source>Encrypt with STARTTLS</source>
        <extracomment>notifications page: check box, mail with STARTTLS</extracomment>
        <translation>Sulitkan dengan STARTTLS</translation>
    </message>
    <message id="31014">
        <source>Send on</source>
        <extracomment>notifications page: group of the events that are sent</extracomment>
        <translation>Hantar apabila</translation>
    </message>
    <message id="31015">
        <source>Motion</source>
        <extracomment>notifications page: check box, motion events are sent</extracomment>
        <translation>Gerakan</translation>
    </message>
    <message id="31016">
        <source>Camera lost</source>
        <extracomment>notifications page: check box; mail subject: a camera delivers no pictures</extracomment>
        <translation>Kamera hilang</translation>
    </message>
    <message id="31017">
        <source>Disk full</source>
        <extracomment>notifications page: check box; mail subject: recording paused for want of space</extracomment>
        <translation>Cakera penuh</translation>
    </message>
    <message id="31018">
        <source>Recording failed</source>
        <extracomment>notifications page: check box; mail subject: a recording could not be written</extracomment>
        <translation>Rakaman gagal</translation>
    </message>
    <message id="31019">
        <source>Seconds between two motion notices of a camera</source>
        <extracomment>notifications page: cooldown label</extracomment>
        <translation>Saat antara dua notis gerakan bagi satu kamera</translation>
    </message>
    <message id="31020">
        <source>Send a test</source>
        <extracomment>notifications page: test button of each channel</extracomment>
        <translation>Hantar ujian</translation>
    </message>
    <message id="31021">
        <source>Sending…</source>
        <extracomment>notifications page: a test is under way</extracomment>
        <translation>Menghantar…</translation>
    </message>
    <message id="31022">
        <source>Sent.</source>
        <extracomment>notifications page: a test succeeded</extracomment>
        <translation>Dihantar.</translation>
    </message>
    <message id="31023">
        <source>Failed: %1</source>
        <extracomment>notifications page: a test failed; %1 is the reason</extracomment>
        <translation>Gagal: %1</translation>
    </message>
    <message id="31024">
        <source>MQTT broker connected</source>
        <extracomment>log: the MQTT connection is up</extracomment>
        <translation>Broker MQTT disambungkan</translation>
    </message>
    <message id="31025">
        <source>MQTT broker unreachable: %1</source>
        <extracomment>log: the MQTT connection failed or was lost; %1 is the reason</extracomment>
        <translation>Broker MQTT tidak dapat dicapai: %1</translation>
    </message>
    <message id="31026">
        <source>Webhook sent</source>
        <extracomment>log: an event was posted to the webhook</extracomment>
        <translation>Webhook dihantar</translation>
    </message>
    <message id="31027">
        <source>Webhook failed: %1</source>
        <extracomment>log: the webhook refused or did not answer after the retries; %1 is the reason</extracomment>
        <translation>Webhook gagal: %1</translation>
    </message>
    <message id="31028">
        <source>E-mail sent</source>
        <extracomment>log: an event mail was sent</extracomment>
        <translation>E-mel dihantar</translation>
    </message>
    <message id="31029">
        <source>E-mail failed: %1</source>
        <extracomment>log: an event mail could not be sent; %1 is the reason</extracomment>
        <translation>E-mel gagal: %1</translation>
    </message>
    <message id="31030">
        <source>Recording failed: the file could not be written</source>
        <extracomment>log: a camera's recording stopped because its file could not be created or written (not a full disk); the file column names the folder</extracomment>
        <translation>Rakaman gagal: fail tidak dapat ditulis</translation>
    </message>
    <message id="31100">
        <source>List</source>
        <extracomment>log viewer: tab of the list of entries</extracomment>
        <translation>Senarai</translation>
    </message>
    <message id="31101">
        <source>Timeline</source>
        <extracomment>log viewer: tab of the day's timeline, one row per camera</extracomment>
        <translation>Garis masa</translation>
    </message>
    <message id="31102">
        <source>Group motion events</source>
        <extracomment>log viewer: switch that shows one row per motion event instead of one per picture</extracomment>
        <translation>Kumpulkan peristiwa gerakan</translation>
    </message>
    <message id="31103">
        <source>Export clip…</source>
        <extracomment>log viewer: button that writes the chosen span of a camera's recording into one file</extracomment>
        <translation>Eksport klip…</translation>
    </message>
    <message id="31104">
        <source>All cameras</source>
        <extracomment>log viewer: camera filter entry that shows every camera</extracomment>
        <translation>Semua kamera</translation>
    </message>
    <message id="31105">
        <source>Motion event: %1 pictures</source>
        <extracomment>log viewer: description of a grouped motion event; %1 the number of pictures</extracomment>
        <translation>Peristiwa gerakan: %1 gambar</translation>
    </message>
    <message id="31106">
        <source>Nothing was recorded in that span.</source>
        <extracomment>log viewer: message when a clip cannot be exported because there is no recording</extracomment>
        <translation>Tiada apa-apa dirakam dalam tempoh itu.</translation>
    </message>
    <message id="31107">
        <source>The clip could not be written.</source>
        <extracomment>log viewer: message when the clip file cannot be read from or written</extracomment>
        <translation>Klip tidak dapat ditulis.</translation>
    </message>
    <message id="31108">
        <source>The clip was written.</source>
        <extracomment>log viewer: message after a clip was exported</extracomment>
        <translation>Klip telah ditulis.</translation>
    </message>
    <message id="31109">
        <source>Hold Shift and drag along a camera's row to choose the span first.</source>
        <extracomment>log viewer: message when Export clip is pressed with no span chosen</extracomment>
        <translation>Tahan Shift dan seret sepanjang baris kamera untuk memilih tempoh dahulu.</translation>
    </message>
    <message id="31110">
        <source>Step back one frame</source>
        <extracomment>log viewer: hint of the paused player's frame step back button</extracomment>
        <translation>Undur satu bingkai</translation>
    </message>
    <message id="31111">
        <source>Step forward one frame</source>
        <extracomment>log viewer: hint of the paused player's frame step forward button</extracomment>
        <translation>Maju satu bingkai</translation>
    </message>
    <message id="31112">
        <source>Click a row to play from that moment. Drag to move, wheel to zoom, Shift+drag to choose a span.</source>
        <extracomment>log viewer: hint above the timeline</extracomment>
        <translation>Klik baris untuk main dari saat itu. Seret untuk alih, roda untuk zum, Shift+seret untuk memilih tempoh.</translation>
    </message>
    <message id="31113">
        <source>MP4 video (*.mp4)</source>
        <extracomment>log viewer: file type of the export dialog</extracomment>
        <translation>Video MP4 (*.mp4)</translation>
    </message>
    <message id="31114">
        <source>Motion event</source>
        <extracomment>timeline: hint of a motion event mark</extracomment>
        <translation>Peristiwa gerakan</translation>
    </message>
    <message id="31115">
        <source>Picture</source>
        <extracomment>timeline: hint of a snapshot tick</extracomment>
        <translation>Gambar</translation>
    </message>
    <message id="31119">
        <source>Playback speed</source>
        <extracomment>log viewer: hint of the speed choice of the timeline player</extracomment>
        <translation>Kelajuan main balik</translation>
    </message>
    <message id="31120">
        <source>From here</source>
        <extracomment>log viewer: player button that marks the moment being played as the start of a clip</extracomment>
        <translation>Dari sini</translation>
    </message>
    <message id="31121">
        <source>To here</source>
        <extracomment>log viewer: player button that marks the moment being played as the end of a clip</extracomment>
        <translation>Hingga sini</translation>
    </message>
    <message id="31122">
        <source>A recording of that span could not be read.</source>
        <extracomment>log viewer: message when a recording the clip is taken from cannot be opened</extracomment>
        <translation>Rakaman dalam tempoh itu tidak dapat dibaca.</translation>
    </message>
    <message id="31200">
        <source>Video format</source>
        <extracomment>recording page: label of the choice of the recordings' video format</extracomment>
        <translation>Format video</translation>
    </message>
    <message id="31201">
        <source>MPEG-4 (plays everywhere)</source>
        <extracomment>recording page: video format choice, the default</extracomment>
        <translation>MPEG-4 (dimainkan di mana-mana)</translation>
    </message>
    <message id="31202">
        <source>H.264 (smaller files)</source>
        <extracomment>recording page: video format choice</extracomment>
        <translation>H.264 (fail lebih kecil)</translation>
    </message>
    <message id="31203">
        <source>Seconds before motion</source>
        <extracomment>recording page: label of the seconds a motion recording begins before the motion</extracomment>
        <translation>Saat sebelum gerakan</translation>
    </message>
    <message id="31204">
        <source>A motion recording begins this many seconds before the motion was seen.</source>
        <extracomment>recording page: hint of the seconds before motion</extracomment>
        <translation>Rakaman gerakan bermula sebanyak saat ini sebelum gerakan dikesan.</translation>
    </message>
    <message id="31220">
        <source>Record the camera's own stream</source>
        <extracomment>device page: check box, a network camera's H.264/H.265 stream is recorded as it came, without re-encoding</extracomment>
        <translation>Rakam strim asal kamera</translation>
    </message>
    <message id="31221">
        <source>Smaller stream for detection (optional)</source>
        <extracomment>device page: label of the address of a second, smaller stream of the same camera used for the live picture and motion detection</extracomment>
        <translation>Strim lebih kecil untuk pengesanan (pilihan)</translation>
    </message>
</context>
</TS>
