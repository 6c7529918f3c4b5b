<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Please select one Key first!</source>
        <translation>先にキーを選択してください！</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>操作に成功しました</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>マウスにはマクロが長すぎます（最大50イベント）</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
</context>
</TS>
