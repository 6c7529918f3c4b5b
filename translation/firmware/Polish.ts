<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Aktualizacja oprogramowania</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>Podczas aktualizacji oprogramowania nie odłączaj urządzenia!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>Aktualizacja zakończona powodzeniem</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>Aktualizacja nie powiodła się</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Obecna wersja:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>Postęp:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Gotowe</translation>
    </message>
</context>
</TS>
