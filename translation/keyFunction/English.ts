<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>Assign proFile</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>Remap Key</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Remap with key ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
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
        <source>Wheel Up</source>
        <translation>Wheel Up</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Wheel Down</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Mouse left side key-Go</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Mouse left side key-Back</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Open my computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Stick</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
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
        <source>Macro:</source>
        <translation>Macro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profile:</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>No custom features added</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Lock computer</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Open my computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Stick</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>key combination</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Enter key？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>Disable Key</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>Select app</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>App path：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Select application</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Select exe</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>App(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Enter text ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Play Type</translation>
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
        <source>Assign Macro</source>
        <translation>Assign Macro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Play Number</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Play Number 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Mouse Key</translation>
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
        <source>Mouse left side key-Back</source>
        <translation>Mouse left side key-Back</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Mouse left side key-Go</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Wheel Down</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Wheel Up</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper Key</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
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
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
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
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>No profile is open.</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>The profile file %1 is missing.</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>The profile %1 is missing or unreadable in %2.</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>The key could not be written to %1.</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>Too long to store: at most %1 bytes.</translation>
    </message>
</context>
</TS>
