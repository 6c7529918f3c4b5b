<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CrashHandler</name>
    <message>
        <source>Exe Crash</source>
        <translation>プログラムのクラッシュ</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>クラッシュしてしまい、大変申し訳ありません！</translation>
    </message>
</context>
</TS>
