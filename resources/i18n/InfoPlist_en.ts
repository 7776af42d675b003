<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name />
        <message id="app.name">
            <source>ORVEX</source>
            <translation>ORVEX</translation>
        </message>
        <message id="cli.sample_card.written">
            <source>Sample card written to %1 in %2 s</source>
            <translation>Sample card written to %1 in %2 s</translation>
        </message>
        <message id="msg.disk_full">
            <source>There is not enough free space to save the file.</source>
            <translation>There is not enough free space to save the file.</translation>
        </message>
        <message id="msg.file_open_fail">
            <source>The file could not be written. Check that the card is inserted and not locked.</source>
            <translation>The file could not be written. Check that the card is inserted and not locked.</translation>
        </message>
        <message id="msg.log_count_too_large">
            <source>The drive log is damaged: it announces %1 records, far more than a log can hold.</source>
            <translation>The drive log is damaged: it announces %1 records, far more than a log can hold.</translation>
        </message>
        <message id="msg.log_no_header">
            <source>This is not a drive log: it is shorter than its 12-byte header.</source>
            <translation>This is not a drive log: it is shorter than its 12-byte header.</translation>
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
    </context>
</TS>
