<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>The device is not support On-board</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>The on-board config files cannot be made</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Fast config successful</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Fast config failed</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Create new config successful</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Create new config failed</translation>
    </message>
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
        <source>The file is not an on-board config file</source>
        <translation>The file is not an on-board config file</translation>
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
        <source>Need keep at least one config</source>
        <translation>Need keep at least one config</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Delete config successful</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>Delete config failed</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Config name can't be empty</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>Config name already exists</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Modify config name successful</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>Modify config name failed</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Do you want to keep the FN key setting?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Do you want to keep the FN1 key setting?</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
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
        <source>Clean layer successful</source>
        <translation>Clean layer successful</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Clean layer failed</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Empty the key successful</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>Empty the key failed</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Please select one Key first!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Set FN key successful</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>Set FN key failed</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Set FN1 key successful</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>Set FN1 key failed</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Whether to restore the factory settings?</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Restore the factory settings successful</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Restore the factory settings failed</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Write Start</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Onboard Download [Failed]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Write Over</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Download config successful</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Download config failed, Please try again</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unknow</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Play once</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Play multiple times</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Continous playback on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Play while assigned key is pressed</translation>
    </message>
    <message>
        <source>L_CTRL</source>
        <translation>L_CTRL</translation>
    </message>
    <message>
        <source>L_SHIFT</source>
        <translation>L_SHIFT</translation>
    </message>
    <message>
        <source>L_ALT</source>
        <translation>L_ALT</translation>
    </message>
    <message>
        <source>L_WIN</source>
        <translation>L_WIN</translation>
    </message>
    <message>
        <source>R_CTRL</source>
        <translation>R_CTRL</translation>
    </message>
    <message>
        <source>R_SHIFT</source>
        <translation>R_SHIFT</translation>
    </message>
    <message>
        <source>R_ALT</source>
        <translation>R_ALT</translation>
    </message>
    <message>
        <source>R_WIN</source>
        <translation>R_WIN</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Mouse Left</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mouse Center</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Mouse Right</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Next track</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Prev track</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Too many macros (at most 10)</source>
        <translation>Too many macros (at most 10)</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>Macro too long: %1</translation>
    </message>
</context>
</TS>
