<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Upgrade Firmware</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>If the firmware is being upgraded, do not unplug the device!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Upgrade successful</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Upgrade failed</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Like name:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Current version:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Upgrade progress:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>New version:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
</context>
</TS>
