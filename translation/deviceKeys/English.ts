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
    <message>
        <source>Reset the current profile successful</source>
        <translation>Reset the current profile successful</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Whether to reset the current profile?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Reset the current profile failed</translation>
    </message>
</context>
</TS>
