<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Save directory</source>
        <translation>Save directory</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Please select save directory first</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Export profile successful</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Export profile failed</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Need keep at least one profile</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Delete profile successful</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Delete profile failed</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Open profile file</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profile files(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Please select import file first</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>The file is not a profile file</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Import profile successful</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profile failed</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Add profile successful</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>Add profile failed</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Select exe</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>App(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Profile name can't empty</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>Profile name or path too long</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Modify profile info successful</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Modify profile info failed</translation>
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
        <source>Reset the current profile successful</source>
        <translation>Reset the current profile successful</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Reset the current profile failed</translation>
    </message>
</context>
</TS>
