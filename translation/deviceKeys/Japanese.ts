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
    <message>
        <source>Reset the current profile successful</source>
        <translation>現在のプロファイルをリセットしました</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>現在のプロファイルをリセットしますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>現在のプロファイルのリセットに失敗しました</translation>
    </message>
</context>
</TS>
