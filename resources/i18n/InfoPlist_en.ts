<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name />
        <message id="app.name">
            <source>ORVEX</source>
            <translation>ORVEX</translation>
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
        <message id="export.failed">
            <source>The file could not be written.</source>
            <translation>The file could not be written.</translation>
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
        <message id="msg.saved">
            <source>Saved.</source>
            <translation>Saved.</translation>
        </message>
        <message id="msg.write_protected_disk">
            <source>The settings could not be saved. The card may be locked or full.</source>
            <translation>The settings could not be saved. The card may be locked or full.</translation>
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
        <message id="player.map_tab">
            <source>Map</source>
            <translation>Map</translation>
        </message>
        <message id="player.open_folder">
            <source>Open a folder of recordings (Ctrl+O)</source>
            <translation>Open a folder of recordings (Ctrl+O)</translation>
        </message>
        <message id="player.play">
            <source>Play or pause (Space)</source>
            <translation>Play or pause (Space)</translation>
        </message>
        <message id="player.print">
            <source>Print a picture of the video</source>
            <translation>Print a picture of the video</translation>
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
            <source>Window size</source>
            <translation>Window size</translation>
        </message>
        <message id="player.snapshot">
            <source>Save a picture of the video</source>
            <translation>Save a picture of the video</translation>
        </message>
        <message id="player.speed">
            <source>Play speed (] faster, [ slower)</source>
            <translation>Play speed (] faster, [ slower)</translation>
        </message>
        <message id="player.speed_title">
            <source>Speed</source>
            <translation>Speed</translation>
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
        <message id="setting.flashdata.yoil">
            <source>Day</source>
            <translation>Day</translation>
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
            <source>Save Settings</source>
            <translation>Save Settings</translation>
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
        <message id="time.filesave">
            <source>The clock file has been saved. Put the card into the camera to set its clock.</source>
            <translation>The clock file has been saved. Put the card into the camera to set its clock.</translation>
        </message>
    </context>
</TS>
