<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>Profile 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>测试按键</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Key Custom</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Light Setting</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Side Light</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Profile Group </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profile name</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profile Name</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Link profile to program</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>App path：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Keyboard Name</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>APP mode</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Onboard Editor</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Default layer</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 layer</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN(无效)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Set FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Light Synchronize</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Log infomsg</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Restore factory settings</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Lighting Effect</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performance</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Custom List</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI Config</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Soft Keyboard</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Device not connected</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Please open hid first!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Currently in On-board mode, please exit first</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Remap key</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>key combination</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Switch profile</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Launch application</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Breath</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Twinkle</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Snack</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto Ripple</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striation</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ripple</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactive</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fireworks</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Speed Respond</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musical Rhythm</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>The device's profile folder could not be created</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>The device's profile file could not be read</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>The device's profile file could not be read; it was set aside and a new one made</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>The device's profile file could not be created</translation>
    </message>
</context>
</TS>
