<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name />
        <message id="15fps">
            <source>15 fps</source>
            <translation>15 fps</translation>
        </message>
        <message id="25fps">
            <source>25 fps</source>
            <translation>25 fps</translation>
        </message>
        <message id="30fps">
            <source>30 fps</source>
            <translation>30 fps</translation>
        </message>
        <message id="3min">
            <source>3 min</source>
            <translation>3 min</translation>
        </message>
        <message id="5min">
            <source>5 min</source>
            <translation>5 min</translation>
        </message>
        <message id="Arabic">
            <source>Arabic</source>
            <translation>Arabic</translation>
        </message>
        <message id="BahasaIndonesia">
            <source>Indonesian</source>
            <translation>Indonesian</translation>
        </message>
        <message id="Cantonese">
            <source>Cantonese</source>
            <translation>Cantonese</translation>
        </message>
        <message id="Chinese">
            <source>Chinese</source>
            <translation>Chinese</translation>
        </message>
        <message id="Czech">
            <source>Czech</source>
            <translation>Czech</translation>
        </message>
        <message id="English">
            <source>English</source>
            <translation>English</translation>
        </message>
        <message id="French">
            <source>French</source>
            <translation>French</translation>
        </message>
        <message id="German">
            <source>German</source>
            <translation>German</translation>
        </message>
        <message id="Hindi">
            <source>Hindi</source>
            <translation>Hindi</translation>
        </message>
        <message id="Italian">
            <source>Italian</source>
            <translation>Italian</translation>
        </message>
        <message id="Japanese">
            <source>Japanese</source>
            <translation>Japanese</translation>
        </message>
        <message id="Korean">
            <source>Korean</source>
            <translation>Korean</translation>
        </message>
        <message id="Malaysia">
            <source>Malaysian</source>
            <translation>Malaysian</translation>
        </message>
        <message id="Mongolian">
            <source>Mongolian</source>
            <translation>Mongolian</translation>
        </message>
        <message id="Portuguese">
            <source>Portuguese</source>
            <translation>Portuguese</translation>
        </message>
        <message id="Russian">
            <source>Russian</source>
            <translation>Russian</translation>
        </message>
        <message id="Spanish.Europe">
            <source>Spanish (Europe)</source>
            <translation>Spanish (Europe)</translation>
        </message>
        <message id="Spanish.SouthAmerica">
            <source>Spanish (Latin America)</source>
            <translation>Spanish (Latin America)</translation>
        </message>
        <message id="Thai">
            <source>Thai</source>
            <translation>Thai</translation>
        </message>
        <message id="Turkish">
            <source>Turkish</source>
            <translation>Turkish</translation>
        </message>
        <message id="Vietnamese">
            <source>Vietnamese</source>
            <translation>Vietnamese</translation>
        </message>
        <message id="app.name">
            <source>ORVEX</source>
            <translation>ORVEX</translation>
        </message>
        <message id="auto">
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message id="brightness">
            <source>Brightness</source>
            <translation>Brightness</translation>
        </message>
        <message id="cancel">
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message id="cli.clock.no_target">
            <source>no USB volume holds a timeset.cfg; give --out PATH</source>
            <translation>no USB volume holds a timeset.cfg; give --out PATH</translation>
        </message>
        <message id="cli.config.bad_assignment">
            <source>expected NAME=VALUE, got "%1"</source>
            <translation>expected NAME=VALUE, got "%1"</translation>
        </message>
        <message id="cli.config.bad_value">
            <source>bad value "%2" for %1: expected %5 integer(s) from %3 to %4</source>
            <translation>bad value "%2" for %1: expected %5 integer(s) from %3 to %4</translation>
        </message>
        <message id="cli.config.not_a_record">
            <source>not a configuration file: %1 bytes, expected %2</source>
            <translation>not a configuration file: %1 bytes, expected %2</translation>
        </message>
        <message id="cli.config.text_too_long">
            <source>%1 holds at most %2 bytes</source>
            <translation>%1 holds at most %2 bytes</translation>
        </message>
        <message id="cli.config.unknown_field">
            <source>unknown field "%1"</source>
            <translation>unknown field "%1"</translation>
        </message>
        <message id="cli.file.missing">
            <source>no such file</source>
            <translation>no such file</translation>
        </message>
        <message id="cli.file.unreadable">
            <source>cannot be read</source>
            <translation>cannot be read</translation>
        </message>
        <message id="cli.format.confirm_hint">
            <source>Run again with --yes to format it.</source>
            <translation>Run again with --yes to format it.</translation>
        </message>
        <message id="cli.format.no_disk">
            <source>no mounted USB disk of that name</source>
            <translation>no mounted USB disk of that name</translation>
        </message>
        <message id="cli.format.would_erase">
            <source>Formatting erases everything on this USB drive:</source>
            <translation>Formatting erases everything on this USB drive:</translation>
        </message>
        <message id="cli.log.unknown_type">
            <source>unknown log type: expected a .drv or .obd file</source>
            <translation>unknown log type: expected a .drv or .obd file</translation>
        </message>
        <message id="cli.recordings.count">
            <source>Recordings: %1</source>
            <translation>Recordings: %1</translation>
        </message>
        <message id="cli.recordings.first">
            <source>First: %1</source>
            <translation>First: %1</translation>
        </message>
        <message id="cli.recordings.kinds">
            <source>Always: %1, motion: %2, event: %3</source>
            <translation>Always: %1, motion: %2, event: %3</translation>
        </message>
        <message id="cli.recordings.last">
            <source>Last: %1</source>
            <translation>Last: %1</translation>
        </message>
        <message id="cli.recordings.no_folder">
            <source>no such folder</source>
            <translation>no such folder</translation>
        </message>
        <message id="cli.recordings.no_front">
            <source>no front recording in this folder</source>
            <translation>no front recording in this folder</translation>
        </message>
        <message id="cli.recordings.not_a_folder">
            <source>not a folder</source>
            <translation>not a folder</translation>
        </message>
        <message id="cli.recordings.pairs">
            <source>Pairs: %1 (%2 with front and rear)</source>
            <translation>Pairs: %1 (%2 with front and rear)</translation>
        </message>
        <message id="cli.recordings.unreadable">
            <source>folder cannot be read</source>
            <translation>folder cannot be read</translation>
        </message>
        <message id="cli.sample_card.written">
            <source>Sample card written to %1 in %2 s</source>
            <translation>Sample card written to %1 in %2 s</translation>
        </message>
        <message id="cli.size.not_a_number">
            <source>not a byte count</source>
            <translation>not a byte count</translation>
        </message>
        <message id="clip.done">
            <source>The clip was saved in the folder %1.</source>
            <translation>The clip was saved in the folder %1.</translation>
        </message>
        <message id="clip.error.damaged">
            <source>The recording is damaged or cut short: its index or a picture in the span cannot be read, so no clip was made.</source>
            <translation>The recording is damaged or cut short: its index or a picture in the span cannot be read, so no clip was made.</translation>
        </message>
        <message id="clip.error.empty">
            <source>The clip's end must come after its start.</source>
            <translation>The clip's end must come after its start.</translation>
        </message>
        <message id="clip.error.no_folder">
            <source>the output folder does not exist or cannot be written to</source>
            <translation>the output folder does not exist or cannot be written to</translation>
        </message>
        <message id="clip.error.outside">
            <source>The span from %1 s to %2 s lies outside the recording, which is %3 s long.</source>
            <translation>The span from %1 s to %2 s lies outside the recording, which is %3 s long.</translation>
        </message>
        <message id="clip.error.unreadable">
            <source>The recording cannot be opened: %1</source>
            <translation>The recording cannot be opened: %1</translation>
        </message>
        <message id="clip.error.write">
            <source>The clip cannot be written: %1</source>
            <translation>The clip cannot be written: %1</translation>
        </message>
        <message id="clip.folder_title">
            <source>Choose the folder for the clip</source>
            <translation>Choose the folder for the clip</translation>
        </message>
        <message id="clip.progress">
            <source>Cutting the clip of both cameras…</source>
            <translation>Cutting the clip of both cameras…</translation>
        </message>
        <message id="clip.warning.no_partner">
            <source>The other camera's recording of this moment was not found; the clip holds only this camera.</source>
            <translation>The other camera's recording of this moment was not found; the clip holds only this camera.</translation>
        </message>
        <message id="clip.warning.partner_short">
            <source>The other camera's recording ends before the clip begins; the clip holds only this camera.</source>
            <translation>The other camera's recording ends before the clip begins; the clip holds only this camera.</translation>
        </message>
        <message id="cpl_unuse">
            <source>No filter</source>
            <translation>No filter</translation>
        </message>
        <message id="cpl_use">
            <source>CPL filter</source>
            <translation>CPL filter</translation>
        </message>
        <message id="customize">
            <source>Custom</source>
            <translation>Custom</translation>
        </message>
        <message id="dark_tinting">
            <source>Dark tint</source>
            <translation>Dark tint</translation>
        </message>
        <message id="default">
            <source>Default</source>
            <translation>Default</translation>
        </message>
        <message id="drivelog.any_files">
            <source>Drive logs</source>
            <translation>Drive logs</translation>
        </message>
        <message id="drivelog.csv_files">
            <source>CSV files</source>
            <translation>CSV files</translation>
        </message>
        <message id="drivelog.drv_files">
            <source>Flash data logs</source>
            <translation>Flash data logs</translation>
        </message>
        <message id="drivelog.export_tip">
            <source>Save the whole table as a CSV file (Ctrl+S)</source>
            <translation>Save the whole table as a CSV file (Ctrl+S)</translation>
        </message>
        <message id="drivelog.flash_table">
            <source>Flash data records</source>
            <translation>Flash data records</translation>
        </message>
        <message id="drivelog.loading">
            <source>Loading...</source>
            <translation>Loading...</translation>
        </message>
        <message id="drivelog.obd_files">
            <source>OBD drive logs</source>
            <translation>OBD drive logs</translation>
        </message>
        <message id="drivelog.obd_table">
            <source>OBD drive log records</source>
            <translation>OBD drive log records</translation>
        </message>
        <message id="drivelog.open_tip">
            <source>Open another drive log file (Ctrl+O)</source>
            <translation>Open another drive log file (Ctrl+O)</translation>
        </message>
        <message id="drivelog.open_title">
            <source>Open drive log</source>
            <translation>Open drive log</translation>
        </message>
        <message id="drivelog.save_title">
            <source>Export drive log as CSV</source>
            <translation>Export drive log as CSV</translation>
        </message>
        <message id="drivelog.saving">
            <source>Saving...</source>
            <translation>Saving...</translation>
        </message>
        <message id="drivelog.window_title">
            <source>Drive log – %1</source>
            <translation>Drive log – %1</translation>
        </message>
        <message id="export">
            <source>Export CSV…</source>
            <translation>Export CSV…</translation>
        </message>
        <message id="export.failed">
            <source>The file could not be written.</source>
            <translation>The file could not be written.</translation>
        </message>
        <message id="export.menu_clip">
            <source>Export clip…</source>
            <translation>Export clip…</translation>
        </message>
        <message id="export.menu_telemetry">
            <source>Export telemetry...</source>
            <translation>Export telemetry...</translation>
        </message>
        <message id="export.menu_track">
            <source>Export track...</source>
            <translation>Export track...</translation>
        </message>
        <message id="export.nothing_playing">
            <source>Play a recording first.</source>
            <translation>Play a recording first.</translation>
        </message>
        <message id="export.save_title">
            <source>Export</source>
            <translation>Export</translation>
        </message>
        <message id="externpower">
            <source>External power</source>
            <translation>External power</translation>
        </message>
        <message id="filelist.date">
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message id="filelist.file">
            <source>File</source>
            <translation>File</translation>
        </message>
        <message id="filelist.mode">
            <source>Kind</source>
            <translation>Kind</translation>
        </message>
        <message id="filelist.open_title">
            <source>Open a folder of recordings</source>
            <translation>Open a folder of recordings</translation>
        </message>
        <message id="filelist.time">
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message id="filter.all_days">
            <source>All days</source>
            <translation>All days</translation>
        </message>
        <message id="filter.all_kinds">
            <source>All kinds</source>
            <translation>All kinds</translation>
        </message>
        <message id="filter.bar">
            <source>Recording filter</source>
            <translation>Recording filter</translation>
        </message>
        <message id="filter.count">
            <source>%1 of %2</source>
            <translation>%1 of %2</translation>
        </message>
        <message id="filter.day">
            <source>Day</source>
            <translation>Day</translation>
        </message>
        <message id="filter.kind">
            <source>Kind</source>
            <translation>Kind</translation>
        </message>
        <message id="format.cancel_tip">
            <source>Close this window</source>
            <translation>Close this window</translation>
        </message>
        <message id="format.confirm_button">
            <source>Erase and format</source>
            <translation>Erase and format</translation>
        </message>
        <message id="format.confirm_details">
            <source>%1

Device: %2
Size: %3 (%4 bytes)
Volume name: %5

Everything on this card will be erased.</source>
            <translation>%1

Device: %2
Size: %3 (%4 bytes)
Volume name: %5

Everything on this card will be erased.</translation>
        </message>
        <message id="format.confirm_title">
            <source>Erase this SD card?</source>
            <translation>Erase this SD card?</translation>
        </message>
        <message id="format.disk">
            <source>SD card</source>
            <translation>SD card</translation>
        </message>
        <message id="format.format_tip">
            <source>Erase the chosen card and format it for the camera</source>
            <translation>Erase the chosen card and format it for the camera</translation>
        </message>
        <message id="format.intro">
            <source>Formatting prepares the SD card for the camera (FAT32, volume name ORVEX) and erases everything on it. The camera's settings (config.bin) are put back afterwards.</source>
            <translation>Formatting prepares the SD card for the camera (FAT32, volume name ORVEX) and erases everything on it. The camera's settings (config.bin) are put back afterwards.</translation>
        </message>
        <message id="format.keep_tip">
            <source>Keep the card as it is</source>
            <translation>Keep the card as it is</translation>
        </message>
        <message id="format.path">
            <source>Device</source>
            <translation>Device</translation>
        </message>
        <message id="format.progress">
            <source>Progress</source>
            <translation>Progress</translation>
        </message>
        <message id="format.title">
            <source>Format SD card</source>
            <translation>Format SD card</translation>
        </message>
        <message id="fri">
            <source>Fri</source>
            <translation>Fri</translation>
        </message>
        <message id="insensitive">
            <source>low</source>
            <translation>low</translation>
        </message>
        <message id="light_tinting">
            <source>Light tint</source>
            <translation>Light tint</translation>
        </message>
        <message id="map.tiles_failed">
            <source>Map tiles could not be loaded.</source>
            <translation>Map tiles could not be loaded.</translation>
        </message>
        <message id="media.always">
            <source>Always</source>
            <translation>Always</translation>
        </message>
        <message id="media.event">
            <source>Event</source>
            <translation>Event</translation>
        </message>
        <message id="media.motion">
            <source>Motion</source>
            <translation>Motion</translation>
        </message>
        <message id="media.unknown">
            <source>Other</source>
            <translation>Other</translation>
        </message>
        <message id="mon">
            <source>Mon</source>
            <translation>Mon</translation>
        </message>
        <message id="msg.cannot_format">
            <source>The SD card cannot be formatted.</source>
            <translation>The SD card cannot be formatted.</translation>
        </message>
        <message id="msg.disk_full">
            <source>There is not enough free space to save the file.</source>
            <translation>There is not enough free space to save the file.</translation>
        </message>
        <message id="msg.file_open_fail">
            <source>The file could not be written. Check that the card is inserted and not locked.</source>
            <translation>The file could not be written. Check that the card is inserted and not locked.</translation>
        </message>
        <message id="msg.format_card_changed">
            <source>The card in the reader is not the one you confirmed, so nothing was formatted. Check the card and format again.</source>
            <translation>The card in the reader is not the one you confirmed, so nothing was formatted. Check the card and format again.</translation>
        </message>
        <message id="msg.format_complete">
            <source>The SD card has been formatted.</source>
            <translation>The SD card has been formatted.</translation>
        </message>
        <message id="msg.format_confirm">
            <source>Formatting erases everything on the SD card. Confirm before formatting.</source>
            <translation>Formatting erases everything on the SD card. Confirm before formatting.</translation>
        </message>
        <message id="msg.format_disk_gone">
            <source>This USB drive is no longer attached. Nothing was formatted.</source>
            <translation>This USB drive is no longer attached. Nothing was formatted.</translation>
        </message>
        <message id="msg.format_disk_lost">
            <source>The SD card did not come back after formatting, so config.bin was not written. Insert the card again and save the settings.</source>
            <translation>The SD card did not come back after formatting, so config.bin was not written. Insert the card again and save the settings.</translation>
        </message>
        <message id="msg.format_running">
            <source>An SD card is being formatted. Wait until it is done.</source>
            <translation>An SD card is being formatted. Wait until it is done.</translation>
        </message>
        <message id="msg.format_write_protected">
            <source>The card may be write-protected (see the lock switch on its side) or in use by another program.</source>
            <translation>The card may be write-protected (see the lock switch on its side) or in use by another program.</translation>
        </message>
        <message id="msg.gsensor_outofrange_fmt">
            <source>Enter a value from %1 to %2.</source>
            <translation>Enter a value from %1 to %2.</translation>
        </message>
        <message id="msg.input_value_invalid_format">
            <source>Enter a number such as 0.50.</source>
            <translation>Enter a number such as 0.50.</translation>
        </message>
        <message id="msg.log_count_too_large">
            <source>The drive log is damaged: it announces %1 records, far more than a log can hold.</source>
            <translation>The drive log is damaged: it announces %1 records, far more than a log can hold.</translation>
        </message>
        <message id="msg.log_no_header">
            <source>This is not a drive log: it is shorter than its 12-byte header.</source>
            <translation>This is not a drive log: it is shorter than its 12-byte header.</translation>
        </message>
        <message id="msg.log_no_such_file">
            <source>there is no such file</source>
            <translation>there is no such file</translation>
        </message>
        <message id="msg.log_not_a_file">
            <source>it is not a regular file</source>
            <translation>it is not a regular file</translation>
        </message>
        <message id="msg.log_open_fail">
            <source>The drive log could not be opened: %1</source>
            <translation>The drive log could not be opened: %1</translation>
        </message>
        <message id="msg.log_short">
            <source>The drive log is incomplete: it announces %1 records but holds only %2.</source>
            <translation>The drive log is incomplete: it announces %1 records but holds only %2.</translation>
        </message>
        <message id="msg.memconfig_warning">
            <source>Changing the split formats the card the next time the camera starts: copy the recordings you want to keep first.</source>
            <translation>Changing the split formats the card the next time the camera starts: copy the recordings you want to keep first.</translation>
        </message>
        <message id="msg.saved">
            <source>Saved.</source>
            <translation>Saved.</translation>
        </message>
        <message id="msg.sdcard_ratio_too_low">
            <source>Continuous and motion recording each need at least 20% of the card.</source>
            <translation>Continuous and motion recording each need at least 20% of the card.</translation>
        </message>
        <message id="msg.use_external_power_10v">
            <source>Choose this only when the camera runs from an external battery pack: the camera then switches off at 10 V.</source>
            <translation>Choose this only when the camera runs from an external battery pack: the camera then switches off at 10 V.</translation>
        </message>
        <message id="msg.write_protected_disk">
            <source>The settings could not be saved. The card may be locked or full.</source>
            <translation>The settings could not be saved. The card may be locked or full.</translation>
        </message>
        <message id="nHour_fmt">
            <source>%1 h</source>
            <translation>%1 h</translation>
        </message>
        <message id="nMinute_fmt">
            <source>%1 min</source>
            <translation>%1 min</translation>
        </message>
        <message id="nSecond_fmt">
            <source>%1 s</source>
            <translation>%1 s</translation>
        </message>
        <message id="none">
            <source>None</source>
            <translation>None</translation>
        </message>
        <message id="off">
            <source>Off</source>
            <translation>Off</translation>
        </message>
        <message id="on">
            <source>On</source>
            <translation>On</translation>
        </message>
        <message id="open">
            <source>Open…</source>
            <translation>Open…</translation>
        </message>
        <message id="over">
            <source>and above</source>
            <translation>and above</translation>
        </message>
        <message id="player.audio_front">
            <source>Front</source>
            <translation>Front</translation>
        </message>
        <message id="player.audio_rear">
            <source>Rear</source>
            <translation>Rear</translation>
        </message>
        <message id="player.audio_toggle">
            <source>Whose sound you hear: the front or the rear camera</source>
            <translation>Whose sound you hear: the front or the rear camera</translation>
        </message>
        <message id="player.clock">
            <source>Set the camera's clock</source>
            <translation>Set the camera's clock</translation>
        </message>
        <message id="player.export">
            <source>Export</source>
            <translation>Export</translation>
        </message>
        <message id="player.format_card">
            <source>Format card…</source>
            <translation>Format card…</translation>
        </message>
        <message id="player.frame_backward">
            <source>Previous frame (,)</source>
            <translation>Previous frame (,)</translation>
        </message>
        <message id="player.frame_forward">
            <source>Next frame (.)</source>
            <translation>Next frame (.)</translation>
        </message>
        <message id="player.fullscreen">
            <source>Full screen (F)</source>
            <translation>Full screen (F)</translation>
        </message>
        <message id="player.hdop_title">
            <source>HDOP</source>
            <translation>HDOP</translation>
        </message>
        <message id="player.jump_backward">
            <source>Back 10 seconds (Left)</source>
            <translation>Back 10 seconds (Left)</translation>
        </message>
        <message id="player.jump_forward">
            <source>Forward 10 seconds (Right)</source>
            <translation>Forward 10 seconds (Right)</translation>
        </message>
        <message id="player.list_tab">
            <source>Recordings</source>
            <translation>Recordings</translation>
        </message>
        <message id="player.loading">
            <source>Loading the recording</source>
            <translation>Loading the recording</translation>
        </message>
        <message id="player.map_tab">
            <source>Map</source>
            <translation>Map</translation>
        </message>
        <message id="player.muted">
            <source>No sound</source>
            <translation>No sound</translation>
        </message>
        <message id="player.open_drive_log">
            <source>Open drive log…</source>
            <translation>Open drive log…</translation>
        </message>
        <message id="player.open_folder">
            <source>Open a folder of recordings (Ctrl+O)</source>
            <translation>Open a folder of recordings (Ctrl+O)</translation>
        </message>
        <message id="player.play">
            <source>Play or pause (Space)</source>
            <translation>Play or pause (Space)</translation>
        </message>
        <message id="player.position">
            <source>Play position</source>
            <translation>Play position</translation>
        </message>
        <message id="player.print">
            <source>Print a picture of the video (Ctrl+P)</source>
            <translation>Print a picture of the video (Ctrl+P)</translation>
        </message>
        <message id="player.quit">
            <source>Quit (Ctrl+Q)</source>
            <translation>Quit (Ctrl+Q)</translation>
        </message>
        <message id="player.satellites_title">
            <source>Satellites</source>
            <translation>Satellites</translation>
        </message>
        <message id="player.settings">
            <source>Camera settings</source>
            <translation>Camera settings</translation>
        </message>
        <message id="player.size">
            <source>Window size: a bigger window (+)</source>
            <translation>Window size: a bigger window (+)</translation>
        </message>
        <message id="player.size_down">
            <source>A smaller window (-)</source>
            <translation>A smaller window (-)</translation>
        </message>
        <message id="player.snapshot">
            <source>Save a picture of the video (Ctrl+S)</source>
            <translation>Save a picture of the video (Ctrl+S)</translation>
        </message>
        <message id="player.speed">
            <source>Play speed (] faster, [ slower)</source>
            <translation>Play speed (] faster, [ slower)</translation>
        </message>
        <message id="player.speed_title">
            <source>Speed</source>
            <translation>Speed</translation>
        </message>
        <message id="player.swap">
            <source>Swap the large and the small picture (S or Tab)</source>
            <translation>Swap the large and the small picture (S or Tab)</translation>
        </message>
        <message id="player.time">
            <source>Play time</source>
            <translation>Play time</translation>
        </message>
        <message id="player.volume">
            <source>Volume (Up, Down)</source>
            <translation>Volume (Up, Down)</translation>
        </message>
        <message id="player.volume_level">
            <source>Volume %1 %</source>
            <translation>Volume %1 %</translation>
        </message>
        <message id="print.failed">
            <source>The picture could not be printed.</source>
            <translation>The picture could not be printed.</translation>
        </message>
        <message id="print.saved_pdf">
            <source>The picture was saved as PDF to %1</source>
            <translation>The picture was saved as PDF to %1</translation>
        </message>
        <message id="progress.about_eight_minutes">
            <source>About eight minutes remaining</source>
            <translation>About eight minutes remaining</translation>
        </message>
        <message id="progress.about_five_minutes">
            <source>About five minutes remaining</source>
            <translation>About five minutes remaining</translation>
        </message>
        <message id="progress.about_five_seconds">
            <source>About five seconds remaining</source>
            <translation>About five seconds remaining</translation>
        </message>
        <message id="progress.about_four_minutes">
            <source>About four minutes remaining</source>
            <translation>About four minutes remaining</translation>
        </message>
        <message id="progress.about_minutes">
            <source>About %1 minutes remaining</source>
            <translation>About %1 minutes remaining</translation>
        </message>
        <message id="progress.about_nine_minutes">
            <source>About nine minutes remaining</source>
            <translation>About nine minutes remaining</translation>
        </message>
        <message id="progress.about_one_minute">
            <source>About one minute remaining</source>
            <translation>About one minute remaining</translation>
        </message>
        <message id="progress.about_seven_minutes">
            <source>About seven minutes remaining</source>
            <translation>About seven minutes remaining</translation>
        </message>
        <message id="progress.about_six_minutes">
            <source>About six minutes remaining</source>
            <translation>About six minutes remaining</translation>
        </message>
        <message id="progress.about_ten_minutes">
            <source>About ten minutes remaining</source>
            <translation>About ten minutes remaining</translation>
        </message>
        <message id="progress.about_ten_seconds">
            <source>About ten seconds remaining</source>
            <translation>About ten seconds remaining</translation>
        </message>
        <message id="progress.about_three_minutes">
            <source>About three minutes remaining</source>
            <translation>About three minutes remaining</translation>
        </message>
        <message id="progress.about_two_minutes">
            <source>About two minutes remaining</source>
            <translation>About two minutes remaining</translation>
        </message>
        <message id="progress.completed">
            <source>%1 % completed</source>
            <translation>%1 % completed</translation>
        </message>
        <message id="progress.completed_estimate">
            <source>%1 % completed - %2</source>
            <translation>%1 % completed - %2</translation>
        </message>
        <message id="progress.less_than_minute">
            <source>Less than a minute remaining</source>
            <translation>Less than a minute remaining</translation>
        </message>
        <message id="sat">
            <source>Sat</source>
            <translation>Sat</translation>
        </message>
        <message id="save">
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message id="sensitive">
            <source>high</source>
            <translation>high</translation>
        </message>
        <message id="setting.audio">
            <source>Audio</source>
            <translation>Audio</translation>
        </message>
        <message id="setting.aux">
            <source>AUX</source>
            <translation>AUX</translation>
        </message>
        <message id="setting.aux.16week">
            <source>16 weeks</source>
            <translation>16 weeks</translation>
        </message>
        <message id="setting.aux.32week">
            <source>32 weeks</source>
            <translation>32 weeks</translation>
        </message>
        <message id="setting.aux.4week">
            <source>4 weeks</source>
            <translation>4 weeks</translation>
        </message>
        <message id="setting.aux.8week">
            <source>8 weeks</source>
            <translation>8 weeks</translation>
        </message>
        <message id="setting.aux.always">
            <source>Continuous</source>
            <translation>Continuous</translation>
        </message>
        <message id="setting.aux.auto_format">
            <source>Automatic card format</source>
            <translation>Automatic card format</translation>
        </message>
        <message id="setting.aux.channel">
            <source>Channel</source>
            <translation>Channel</translation>
        </message>
        <message id="setting.aux.country_ac_power_setting">
            <source>Mains frequency (anti-flicker)</source>
            <translation>Mains frequency (anti-flicker)</translation>
        </message>
        <message id="setting.aux.enable_hourly_alarm">
            <source>Hourly chime</source>
            <translation>Hourly chime</translation>
        </message>
        <message id="setting.aux.enable_voice_guidance">
            <source>Voice guidance language</source>
            <translation>Voice guidance language</translation>
        </message>
        <message id="setting.aux.front_sensitivity">
            <source>Front camera</source>
            <translation>Front camera</translation>
        </message>
        <message id="setting.aux.high_suv">
            <source>High (SUV)</source>
            <translation>High (SUV)</translation>
        </message>
        <message id="setting.aux.lcd_auto_off">
            <source>Screen auto off</source>
            <translation>Screen auto off</translation>
        </message>
        <message id="setting.aux.lcd_brightness">
            <source>Screen brightness</source>
            <translation>Screen brightness</translation>
        </message>
        <message id="setting.aux.lcd_brightness_night">
            <source>Dimmer screen at night</source>
            <translation>Dimmer screen at night</translation>
        </message>
        <message id="setting.aux.lcd_screensaver">
            <source>Screen saver</source>
            <translation>Screen saver</translation>
        </message>
        <message id="setting.aux.low">
            <source>Low</source>
            <translation>Low</translation>
        </message>
        <message id="setting.aux.medium_sedan">
            <source>Medium (sedan)</source>
            <translation>Medium (sedan)</translation>
        </message>
        <message id="setting.aux.mic_volume">
            <source>Microphone volume</source>
            <translation>Microphone volume</translation>
        </message>
        <message id="setting.aux.motion">
            <source>Motion</source>
            <translation>Motion</translation>
        </message>
        <message id="setting.aux.motion_sense_setting">
            <source>Motion detection</source>
            <translation>Motion detection</translation>
        </message>
        <message id="setting.aux.night_ae_setting">
            <source>Exposure by vehicle type</source>
            <translation>Exposure by vehicle type</translation>
        </message>
        <message id="setting.aux.parking_monitor_notice">
            <source>Parking event notice</source>
            <translation>Parking event notice</translation>
        </message>
        <message id="setting.aux.parking_rear_setting">
            <source>Rear camera in parking mode</source>
            <translation>Rear camera in parking mode</translation>
        </message>
        <message id="setting.aux.password">
            <source>Password</source>
            <translation>Password</translation>
        </message>
        <message id="setting.aux.password_invalid">
            <source>The Wi-Fi password may contain only letters, digits and the signs ! to ~ of the keyboard, without spaces or accents.</source>
            <translation>The Wi-Fi password may contain only letters, digits and the signs ! to ~ of the keyboard, without spaces or accents.</translation>
        </message>
        <message id="setting.aux.password_length">
            <source>The Wi-Fi password must have 8 to 16 characters.</source>
            <translation>The Wi-Fi password must have 8 to 16 characters.</translation>
        </message>
        <message id="setting.aux.pip_bottom_left">
            <source>Bottom left</source>
            <translation>Bottom left</translation>
        </message>
        <message id="setting.aux.pip_bottom_right">
            <source>Bottom right</source>
            <translation>Bottom right</translation>
        </message>
        <message id="setting.aux.pip_position">
            <source>Picture-in-picture position</source>
            <translation>Picture-in-picture position</translation>
        </message>
        <message id="setting.aux.pip_top_left">
            <source>Top left</source>
            <translation>Top left</translation>
        </message>
        <message id="setting.aux.pip_top_right">
            <source>Top right</source>
            <translation>Top right</translation>
        </message>
        <message id="setting.aux.rear_sensitivity">
            <source>Rear camera</source>
            <translation>Rear camera</translation>
        </message>
        <message id="setting.aux.recording_length">
            <source>Recording length</source>
            <translation>Recording length</translation>
        </message>
        <message id="setting.aux.sdcard_capacity">
            <source>Recording space on the card</source>
            <translation>Recording space on the card</translation>
        </message>
        <message id="setting.aux.speaker_volume">
            <source>Speaker volume</source>
            <translation>Speaker volume</translation>
        </message>
        <message id="setting.aux.ssid">
            <source>Name (SSID)</source>
            <translation>Name (SSID)</translation>
        </message>
        <message id="setting.aux.ssid_invalid">
            <source>The Wi-Fi name (SSID) may contain only letters, digits and the signs ! to ~ of the keyboard, without spaces or accents.</source>
            <translation>The Wi-Fi name (SSID) may contain only letters, digits and the signs ! to ~ of the keyboard, without spaces or accents.</translation>
        </message>
        <message id="setting.aux.ssid_length">
            <source>The Wi-Fi name (SSID) must have 6 to 16 characters.</source>
            <translation>The Wi-Fi name (SSID) must have 6 to 16 characters.</translation>
        </message>
        <message id="setting.aux.volume_low">
            <source>quiet</source>
            <translation>quiet</translation>
        </message>
        <message id="setting.aux.volume_up">
            <source>loud</source>
            <translation>loud</translation>
        </message>
        <message id="setting.aux.wifi_settings">
            <source>Wi-Fi</source>
            <translation>Wi-Fi</translation>
        </message>
        <message id="setting.basic">
            <source>Basic</source>
            <translation>Basic</translation>
        </message>
        <message id="setting.basic.auto_parking_waiting_time">
            <source>Auto-parking waiting time</source>
            <translation>Auto-parking waiting time</translation>
        </message>
        <message id="setting.basic.cable_voltage_loss">
            <source>Power cable voltage loss</source>
            <translation>Power cable voltage loss</translation>
        </message>
        <message id="setting.basic.car_number_input">
            <source>Plate number</source>
            <translation>Plate number</translation>
        </message>
        <message id="setting.basic.customize">
            <source>Custom</source>
            <translation>Custom</translation>
        </message>
        <message id="setting.basic.cutoff_voltage_setting">
            <source>Power cut-off</source>
            <translation>Power cut-off</translation>
        </message>
        <message id="setting.basic.driving_impact_sensitivity">
            <source>Impact sensitivity while driving (g)</source>
            <translation>Impact sensitivity while driving (g)</translation>
        </message>
        <message id="setting.basic.enable_front_security_led">
            <source>Front security lamp</source>
            <translation>Front security lamp</translation>
        </message>
        <message id="setting.basic.enable_gsensor">
            <source>Impact detection</source>
            <translation>Impact detection</translation>
        </message>
        <message id="setting.basic.enable_rear_security_led">
            <source>Rear security lamp</source>
            <translation>Rear security lamp</translation>
        </message>
        <message id="setting.basic.external_rear_camera_led_use_event">
            <source>Lamp on impact events</source>
            <translation>Lamp on impact events</translation>
        </message>
        <message id="setting.basic.external_rear_camera_led_use_motion">
            <source>Lamp on motion</source>
            <translation>Lamp on motion</translation>
        </message>
        <message id="setting.basic.external_rear_camera_settings">
            <source>External rear camera</source>
            <translation>External rear camera</translation>
        </message>
        <message id="setting.basic.external_rear_camera_use">
            <source>Use an external rear camera</source>
            <translation>Use an external rear camera</translation>
        </message>
        <message id="setting.basic.others">
            <source>Others</source>
            <translation>Others</translation>
        </message>
        <message id="setting.basic.parking_impact_sensitivity">
            <source>Impact sensitivity while parked (g)</source>
            <translation>Impact sensitivity while parked (g)</translation>
        </message>
        <message id="setting.basic.power_guide">
            <source>The camera stops recording in parking mode when the car battery falls to the voltage or when the timer runs out.</source>
            <translation>The camera stops recording in parking mode when the car battery falls to the voltage or when the timer runs out.</translation>
        </message>
        <message id="setting.basic.segment_display">
            <source>Display mode</source>
            <translation>Display mode</translation>
        </message>
        <message id="setting.basic.segment_display1">
            <source>Mode 1</source>
            <translation>Mode 1</translation>
        </message>
        <message id="setting.basic.segment_display2">
            <source>Mode 2</source>
            <translation>Mode 2</translation>
        </message>
        <message id="setting.basic.segment_display3">
            <source>Mode 3</source>
            <translation>Mode 3</translation>
        </message>
        <message id="setting.basic.segment_display4">
            <source>Mode 4</source>
            <translation>Mode 4</translation>
        </message>
        <message id="setting.basic.set_timer">
            <source>Cut-off timer</source>
            <translation>Cut-off timer</translation>
        </message>
        <message id="setting.basic.set_voltage">
            <source>Cut-off voltage</source>
            <translation>Cut-off voltage</translation>
        </message>
        <message id="setting.basic.use_external_power">
            <source>External power in use</source>
            <translation>External power in use</translation>
        </message>
        <message id="setting.basic.videoout">
            <source>Video out</source>
            <translation>Video out</translation>
        </message>
        <message id="setting.copy_note">
            <source>No camera card found: editing the copy in the open folder.</source>
            <translation>No camera card found: editing the copy in the open folder.</translation>
        </message>
        <message id="setting.driveinfoview">
            <source>Drive log</source>
            <translation>Drive log</translation>
        </message>
        <message id="setting.flashdata.battery">
            <source>Battery (V)</source>
            <translation>Battery (V)</translation>
        </message>
        <message id="setting.flashdata.cur_speed">
            <source>Speed</source>
            <translation>Speed</translation>
        </message>
        <message id="setting.flashdata.date">
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message id="setting.flashdata.driving_distance">
            <source>Distance</source>
            <translation>Distance</translation>
        </message>
        <message id="setting.flashdata.index">
            <source>No.</source>
            <translation>No.</translation>
        </message>
        <message id="setting.flashdata.lat">
            <source>Latitude</source>
            <translation>Latitude</translation>
        </message>
        <message id="setting.flashdata.lon">
            <source>Longitude</source>
            <translation>Longitude</translation>
        </message>
        <message id="setting.flashdata.max_speed">
            <source>Max. speed</source>
            <translation>Max. speed</translation>
        </message>
        <message id="setting.flashdata.seq">
            <source>Seq.</source>
            <translation>Seq.</translation>
        </message>
        <message id="setting.flashdata.time">
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message id="setting.flashdata.value">
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message id="setting.flashdata.warning">
            <source>No drive log was found on the card. Use Open… to choose a log file.</source>
            <translation>No drive log was found on the card. Use Open… to choose a log file.</translation>
        </message>
        <message id="setting.flashdata.yoil">
            <source>Day</source>
            <translation>Day</translation>
        </message>
        <message id="setting.format.allocation_unit_size">
            <source>Cluster size</source>
            <translation>Cluster size</translation>
        </message>
        <message id="setting.format.filesystem">
            <source>File system</source>
            <translation>File system</translation>
        </message>
        <message id="setting.format.format">
            <source>Format…</source>
            <translation>Format…</translation>
        </message>
        <message id="setting.gps">
            <source>GPS</source>
            <translation>GPS</translation>
        </message>
        <message id="setting.gps.driving_route_info_saving_interval">
            <source>Driving route saving interval</source>
            <translation>Driving route saving interval</translation>
        </message>
        <message id="setting.gps.gps_guide1">
            <source>The camera reminds you on this day of the week not to drive.</source>
            <translation>The camera reminds you on this day of the week not to drive.</translation>
        </message>
        <message id="setting.gps.gps_guide2">
            <source>Keeping the GPS on while parked records the position of parking events but uses more power.</source>
            <translation>Keeping the GPS on while parked records the position of parking events but uses more power.</translation>
        </message>
        <message id="setting.gps.gps_on_parking_mode">
            <source>GPS in parking mode</source>
            <translation>GPS in parking mode</translation>
        </message>
        <message id="setting.gps.gps_speed_guide1">
            <source>The unit of the speed shown by the camera and in its recordings.</source>
            <translation>The unit of the speed shown by the camera and in its recordings.</translation>
        </message>
        <message id="setting.gps.gps_time_guide1">
            <source>The camera sets its clock from the GPS time in this zone.</source>
            <translation>The camera sets its clock from the GPS time in this zone.</translation>
        </message>
        <message id="setting.gps.osd_speed_display">
            <source>Speed in the video</source>
            <translation>Speed in the video</translation>
        </message>
        <message id="setting.gps.speed_display">
            <source>Speed unit</source>
            <translation>Speed unit</translation>
        </message>
        <message id="setting.gps.timezone_setting">
            <source>Time zone</source>
            <translation>Time zone</translation>
        </message>
        <message id="setting.gps.weekly_alarm">
            <source>Weekly no-driving day</source>
            <translation>Weekly no-driving day</translation>
        </message>
        <message id="setting.information">
            <source>Information</source>
            <translation>Information</translation>
        </message>
        <message id="setting.initialize">
            <source>Initialize</source>
            <translation>Initialize</translation>
        </message>
        <message id="setting.loading">
            <source>Loading…</source>
            <translation>Loading…</translation>
        </message>
        <message id="setting.motion">
            <source>Motion</source>
            <translation>Motion</translation>
        </message>
        <message id="setting.motion.block">
            <source>Motion detection areas</source>
            <translation>Motion detection areas</translation>
        </message>
        <message id="setting.motion.block_front">
            <source>Front camera (ticked areas are watched)</source>
            <translation>Front camera (ticked areas are watched)</translation>
        </message>
        <message id="setting.motion.block_rear">
            <source>Rear camera (ticked areas are watched)</source>
            <translation>Rear camera (ticked areas are watched)</translation>
        </message>
        <message id="setting.motion.sensitivity">
            <source>Motion detection sensitivity</source>
            <translation>Motion detection sensitivity</translation>
        </message>
        <message id="setting.obd">
            <source>OBD</source>
            <translation>OBD</translation>
        </message>
        <message id="setting.obd.cutoff_guide1">
            <source>The camera switches off when the battery falls below this voltage, so the vehicle still starts.</source>
            <translation>The camera switches off when the battery falls below this voltage, so the vehicle still starts.</translation>
        </message>
        <message id="setting.obd.driving_route_info_saving_interval">
            <source>Driving route saving interval</source>
            <translation>Driving route saving interval</translation>
        </message>
        <message id="setting.obd.eco_drive_range">
            <source>Eco-drive range</source>
            <translation>Eco-drive range</translation>
        </message>
        <message id="setting.obd.eco_range">
            <source>Eco-drive range: drag the knobs to set where normal driving begins and ends</source>
            <translation>Eco-drive range: drag the knobs to set where normal driving begins and ends</translation>
        </message>
        <message id="setting.obd.obd_guide1">
            <source>The camera shows the vehicle's own speed, read over OBD, on the video.</source>
            <translation>The camera shows the vehicle's own speed, read over OBD, on the video.</translation>
        </message>
        <message id="setting.obd.obd_guide2">
            <source>With OBD in parking mode the camera keeps reading the vehicle while it is parked.</source>
            <translation>With OBD in parking mode the camera keeps reading the vehicle while it is parked.</translation>
        </message>
        <message id="setting.obd.obd_on_parking_mode">
            <source>OBD in parking mode</source>
            <translation>OBD in parking mode</translation>
        </message>
        <message id="setting.obd.obd_speed_guide1">
            <source>Unit of the speed the camera shows and records.</source>
            <translation>Unit of the speed the camera shows and records.</translation>
        </message>
        <message id="setting.obd.obd_time_guide1">
            <source>The camera's clock follows this zone; tick summer time while it applies.</source>
            <translation>The camera's clock follows this zone; tick summer time while it applies.</translation>
        </message>
        <message id="setting.obd.osd_speed_display">
            <source>Speed on the video</source>
            <translation>Speed on the video</translation>
        </message>
        <message id="setting.obd.speed_display">
            <source>Speed unit</source>
            <translation>Speed unit</translation>
        </message>
        <message id="setting.obd.timezone_setting">
            <source>Time zone</source>
            <translation>Time zone</translation>
        </message>
        <message id="setting.obd.use_ecodrive">
            <source>Use the eco-drive scale</source>
            <translation>Use the eco-drive scale</translation>
        </message>
        <message id="setting.obd.voltage_setting">
            <source>Supply cut-off voltage</source>
            <translation>Supply cut-off voltage</translation>
        </message>
        <message id="setting.obd.weekly_alarm">
            <source>Weekly no-driving day</source>
            <translation>Weekly no-driving day</translation>
        </message>
        <message id="setting.obd_camera">
            <source>OBD camera</source>
            <translation>OBD camera</translation>
        </message>
        <message id="setting.obd_camera_tip">
            <source>The camera has an OBD connection: tab 2 shows the OBD page and another tab the card's OBD log. A card with an OBD log always counts as an OBD camera's.</source>
            <translation>The camera has an OBD connection: tab 2 shows the OBD page and another tab the card's OBD log. A card with an OBD log always counts as an OBD camera's.</translation>
        </message>
        <message id="setting.obdata.abt">
            <source>Outside temp.</source>
            <translation>Outside temp.</translation>
        </message>
        <message id="setting.obdata.acp">
            <source>Accelerator</source>
            <translation>Accelerator</translation>
        </message>
        <message id="setting.obdata.battery">
            <source>Battery (V)</source>
            <translation>Battery (V)</translation>
        </message>
        <message id="setting.obdata.cur_speed">
            <source>Speed</source>
            <translation>Speed</translation>
        </message>
        <message id="setting.obdata.date">
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message id="setting.obdata.driving_distance">
            <source>Distance</source>
            <translation>Distance</translation>
        </message>
        <message id="setting.obdata.fbk">
            <source>Foot brake</source>
            <translation>Foot brake</translation>
        </message>
        <message id="setting.obdata.gel">
            <source>Fuel level</source>
            <translation>Fuel level</translation>
        </message>
        <message id="setting.obdata.gep">
            <source>Gear</source>
            <translation>Gear</translation>
        </message>
        <message id="setting.obdata.gps_speed">
            <source>GPS speed</source>
            <translation>GPS speed</translation>
        </message>
        <message id="setting.obdata.index">
            <source>No.</source>
            <translation>No.</translation>
        </message>
        <message id="setting.obdata.lat">
            <source>Latitude</source>
            <translation>Latitude</translation>
        </message>
        <message id="setting.obdata.lll">
            <source>Left signal</source>
            <translation>Left signal</translation>
        </message>
        <message id="setting.obdata.lon">
            <source>Longitude</source>
            <translation>Longitude</translation>
        </message>
        <message id="setting.obdata.rll">
            <source>Right signal</source>
            <translation>Right signal</translation>
        </message>
        <message id="setting.obdata.rpm">
            <source>RPM</source>
            <translation>RPM</translation>
        </message>
        <message id="setting.obdata.sbk">
            <source>Parking brake</source>
            <translation>Parking brake</translation>
        </message>
        <message id="setting.obdata.sbt">
            <source>Seat belt</source>
            <translation>Seat belt</translation>
        </message>
        <message id="setting.obdata.seq">
            <source>Seq.</source>
            <translation>Seq.</translation>
        </message>
        <message id="setting.obdata.swa">
            <source>Steering</source>
            <translation>Steering</translation>
        </message>
        <message id="setting.obdata.time">
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message id="setting.obdata.tpa">
            <source>Tyre pressure</source>
            <translation>Tyre pressure</translation>
        </message>
        <message id="setting.obdata.yoil">
            <source>Day</source>
            <translation>Day</translation>
        </message>
        <message id="setting.obdlog">
            <source>OBD log</source>
            <translation>OBD log</translation>
        </message>
        <message id="setting.rename_skipped">
            <source>The card is not renamed to ORVEX while a recording from it is playing.</source>
            <translation>The card is not renamed to ORVEX while a recording from it is playing.</translation>
        </message>
        <message id="setting.save_title">
            <source>Save Settings</source>
            <translation>Save Settings</translation>
        </message>
        <message id="setting.sdcardformat">
            <source>Format SD card…</source>
            <translation>Format SD card…</translation>
        </message>
        <message id="setting.video">
            <source>Video</source>
            <translation>Video</translation>
        </message>
        <message id="setting.video.cpl_filter_use">
            <source>Choose CPL filter only when a polarising filter is fitted to the front lens.</source>
            <translation>Choose CPL filter only when a polarising filter is fitted to the front lens.</translation>
        </message>
        <message id="setting.video.front_quality">
            <source>Front video quality</source>
            <translation>Front video quality</translation>
        </message>
        <message id="setting.video.front_setting">
            <source>Front camera</source>
            <translation>Front camera</translation>
        </message>
        <message id="setting.video.front_tinting">
            <source>Front filter / window tint</source>
            <translation>Front filter / window tint</translation>
        </message>
        <message id="setting.video.quality_high">
            <source>High</source>
            <translation>High</translation>
        </message>
        <message id="setting.video.quality_highest">
            <source>Highest</source>
            <translation>Highest</translation>
        </message>
        <message id="setting.video.quality_normal">
            <source>Normal</source>
            <translation>Normal</translation>
        </message>
        <message id="setting.video.rear_fps">
            <source>Rear frame rate</source>
            <translation>Rear frame rate</translation>
        </message>
        <message id="setting.video.rear_quality">
            <source>Rear video quality</source>
            <translation>Rear video quality</translation>
        </message>
        <message id="setting.video.rear_reversal">
            <source>Flip rear image</source>
            <translation>Flip rear image</translation>
        </message>
        <message id="setting.video.rear_setting">
            <source>Rear camera</source>
            <translation>Rear camera</translation>
        </message>
        <message id="setting.video.rear_tinting">
            <source>Rear window tint</source>
            <translation>Rear window tint</translation>
        </message>
        <message id="setting.window_title">
            <source>ORVEX Settings</source>
            <translation>ORVEX Settings</translation>
        </message>
        <message id="snapshot.failed">
            <source>No picture could be taken from the video.</source>
            <translation>No picture could be taken from the video.</translation>
        </message>
        <message id="snapshot.no_folder">
            <source>There is no private folder for the picture.</source>
            <translation>There is no private folder for the picture.</translation>
        </message>
        <message id="snapshot.save_failed">
            <source>The picture could not be saved.</source>
            <translation>The picture could not be saved.</translation>
        </message>
        <message id="snapshot.save_title">
            <source>Save Snapshot</source>
            <translation>Save Snapshot</translation>
        </message>
        <message id="summerTime">
            <source>Daylight saving time</source>
            <translation>Daylight saving time</translation>
        </message>
        <message id="sun">
            <source>Sun</source>
            <translation>Sun</translation>
        </message>
        <message id="telemetry.error.missing">
            <source>no such file</source>
            <translation>no such file</translation>
        </message>
        <message id="telemetry.error.not_avi">
            <source>not a RIFF AVI recording, or it cannot be read</source>
            <translation>not a RIFF AVI recording, or it cannot be read</translation>
        </message>
        <message id="telemetry.error.too_much">
            <source>holds more GPS data than a camera writes; the telemetry ends where the limit was reached</source>
            <translation>holds more GPS data than a camera writes; the telemetry ends where the limit was reached</translation>
        </message>
        <message id="telemetry.summary.first_position">
            <source>First position</source>
            <translation>First position</translation>
        </message>
        <message id="telemetry.summary.fixes">
            <source>Fixes</source>
            <translation>Fixes</translation>
        </message>
        <message id="telemetry.summary.gps_records">
            <source>GPS records</source>
            <translation>GPS records</translation>
        </message>
        <message id="telemetry.summary.last_position">
            <source>Last position</source>
            <translation>Last position</translation>
        </message>
        <message id="telemetry.summary.none">
            <source>none</source>
            <translation>none</translation>
        </message>
        <message id="telemetry.summary.samples">
            <source>G-sensor samples</source>
            <translation>G-sensor samples</translation>
        </message>
        <message id="thu">
            <source>Thu</source>
            <translation>Thu</translation>
        </message>
        <message id="time.cancel_tip">
            <source>Close without saving</source>
            <translation>Close without saving</translation>
        </message>
        <message id="time.clock_tip">
            <source>Drag the hands to set the time</source>
            <translation>Drag the hands to set the time</translation>
        </message>
        <message id="time.date">
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message id="time.file_type">
            <source>Clock files (*.cfg)</source>
            <translation>Clock files (*.cfg)</translation>
        </message>
        <message id="time.filesave">
            <source>The clock file has been saved. Put the card into the camera to set its clock.</source>
            <translation>The clock file has been saved. Put the card into the camera to set its clock.</translation>
        </message>
        <message id="time.intro">
            <source>Pick the date and time the camera should start from. Saving writes the camera's clock file; the camera sets its clock the next time it starts with the card.</source>
            <translation>Pick the date and time the camera should start from. Saving writes the camera's clock file; the camera sets its clock the next time it starts with the card.</translation>
        </message>
        <message id="time.looking">
            <source>Looking for the card…</source>
            <translation>Looking for the card…</translation>
        </message>
        <message id="time.save_tip">
            <source>Write the clock file</source>
            <translation>Write the clock file</translation>
        </message>
        <message id="time.save_title">
            <source>Save the clock file</source>
            <translation>Save the clock file</translation>
        </message>
        <message id="time.target_ask">
            <source>No card holds a timeset.cfg: you will choose where to save it.</source>
            <translation>No card holds a timeset.cfg: you will choose where to save it.</translation>
        </message>
        <message id="time.target_card">
            <source>Will be written to %1</source>
            <translation>Will be written to %1</translation>
        </message>
        <message id="time.time">
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message id="time.title">
            <source>Camera clock</source>
            <translation>Camera clock</translation>
        </message>
        <message id="time.today_tip">
            <source>Set today's date</source>
            <translation>Set today's date</translation>
        </message>
        <message id="time.write_failed">
            <source>The clock file could not be written.</source>
            <translation>The clock file could not be written.</translation>
        </message>
        <message id="today">
            <source>Today</source>
            <translation>Today</translation>
        </message>
        <message id="tue">
            <source>Tue</source>
            <translation>Tue</translation>
        </message>
        <message id="under">
            <source>and below</source>
            <translation>and below</translation>
        </message>
        <message id="unuse">
            <source>Off</source>
            <translation>Off</translation>
        </message>
        <message id="use">
            <source>On</source>
            <translation>On</translation>
        </message>
        <message id="wed">
            <source>Wed</source>
            <translation>Wed</translation>
        </message>
    </context>
</TS>
