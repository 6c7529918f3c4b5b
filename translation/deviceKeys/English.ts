<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Please select one Key first!</source>
        <translation>Please select one Key first!</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operate successful</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operate failed</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>The macro is too long for the mouse (at most 50 events)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Empty</translation>
    </message>
</context>
</TS>
