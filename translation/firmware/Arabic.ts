<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>ترقية البرنامج الثابت</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>أثناء ترقية البرنامج الثابت، لا تفصل الجهاز!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>تمت الترقية بنجاح</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>فشلت الترقية</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>تقدم الترقية:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>ترقية</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
</context>
</TS>
