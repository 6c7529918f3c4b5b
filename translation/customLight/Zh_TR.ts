<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Custom Light Item</source>
        <translation>自訂燈光</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>DTipInfoDia</source>
        <translation>DTipInfoDia</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>是否將目前燈光模式儲存到裝置？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放棄</translation>
    </message>
</context>
</TS>
