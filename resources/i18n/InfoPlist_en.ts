<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name />
        <message id="app.name">
            <source>ORVEX</source>
            <translation>ORVEX</translation>
        </message>
        <message id="msg.saved">
            <source>Saved.</source>
            <translation>Saved.</translation>
        </message>
    </context>
</TS>
